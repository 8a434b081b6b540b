#include "main/window.h"

#include <GL/gl.h>

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "content/config.h"
#include "content/scene_loader.h"
#include "main/messages.h"
#include "platform/platform.h"

using namespace platform;

namespace {
bool window_class_registered = false;
// The size and mode of the window in use, from its last creation.
int window_width = 0;
int window_height = 0;
bool window_fullscreen = true;
KEEP_FRESH(window_class_registered, window_width, window_height, window_fullscreen);

// The smallest screen mode, 1024 x 768.
constexpr int MIN_WINDOW_WIDTH = 1024;
constexpr int MIN_WINDOW_HEIGHT = 768;

void Window_Error(const char* text) {
    MessageBox(text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

bool Usable_Window_Size(int width, int height) {
    return width >= MIN_WINDOW_WIDTH && height >= MIN_WINDOW_HEIGHT && platform::WindowFitsDesktop(width, height);
}

bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag) {
    fullscreen = fullscreenflag;
    // A stored size that cannot make a usable window (a damaged or hand-edited file) gives way
    // to the size a first run picks for this desktop; that size is the one saved from now on.
    if (!Usable_Window_Size(width, height)) {
        sc_width = MIN_WINDOW_WIDTH;
        sc_height = MIN_WINDOW_HEIGHT;
        ::GetDesktopResolution(horizontal, vertical);
        Size_From_Desktop(horizontal, vertical);
        width = new_sc_width = sc_width;
        height = new_sc_height = sc_height;
        Set_Screen_Ratio();
    }

    // The window class: our procedure receives every message of the window.
    if (!VideoInit()) {
        Window_Error("Failed To Register The Window Class.");
        return false;
    }
    SetWndProc(WndProc);
    window_class_registered = true;

    if (fullscreen && !ChangeDisplayMode(width, height, bits)) {
        int answer = MessageBox("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?",
                                "Open GL", MB_YESNO | MB_ICONEXCLAMATION);
        if (answer == IDYES) {
            fullscreen = false;
        } else {
            MessageBox("Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
            return false;
        }
    }

    ShowCursor(false);
    int x = fullscreen ? 0 : saved_window_posX;
    int y = fullscreen ? 0 : saved_window_posY;
    if (!CreateGameWindow(title, x, y, width, height, fullscreen)) {
        KillGLWindow();
        Window_Error("Window Creation Error.");
        return false;
    }

    if (pixel_format_bits == 0) pixel_format_bits = bits;
    if (!CreateGLContext(pixel_format_bits)) {
        KillGLWindow();
        Window_Error("Can't Create A GL Rendering Context.");
        return false;
    }
    if (!MakeCurrent(true)) {
        KillGLWindow();
        Window_Error("Can't Activate The GL Rendering Context.");
        return false;
    }

    ReSizeGLScene(width, height);
    InitGL();

    window_width = width;
    window_height = height;
    window_fullscreen = fullscreen;

    episode = 10;
    scene = 0;
    LoadScene(10, 0, false);
    return true;
}

void Keep_Window_Mode() {
    if (window_width <= 0) return;
    fullscreen = window_fullscreen;
    sc_width = new_sc_width = window_width;
    sc_height = new_sc_height = window_height;
    Set_Screen_Ratio();
}

void KillGLWindow() {
    RestoreDisplayMode();
    ShowCursor(true);
    if (HasGLContext()) {
        if (!MakeCurrent(false))
            MessageBox("Release Of DC And RC Failed.", "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
        DeleteGLContext();
    }
    if (HasWindow()) DestroyGameWindow();
    window_class_registered = false;
}

void ReSizeGLScene(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-zoom_factor, zoom_factor, -zoom_factor * sc_ratio, zoom_factor * sc_ratio, -zoom_factor, zoom_factor);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void InitGL() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushAttrib(GL_LIGHTING_BIT);
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glDisable(GL_DEPTH_TEST);
}

void Zoom(float fzoom) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (fzoom == 101.0f)
        glOrtho(-1, 1, -1, 1, -1, 1);
    else if (fzoom == 102.0f)
        glOrtho(-1, 1, -0.75, 0.75, -1, 1);
    else
        glOrtho(-fzoom, fzoom, -fzoom * sc_ratio, fzoom * sc_ratio, -fzoom, fzoom);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Set_Screen_Ratio() {
    ZOOM_AMOUNT = 1.0f;
    org_zoom_factor = 1.0f;
    if (new_sc_width != 0) sc_ratio = (float)new_sc_height / (float)new_sc_width;
    if (new_sc_width == 1024 && new_sc_height == 768) screen_mode = 0;
    if (new_sc_width == 1280 && new_sc_height == 768) screen_mode = 1;
    if (new_sc_width == 1280 && new_sc_height == 800) screen_mode = 2;
    if (screen_mode == 0) {
        ZOOM_AMOUNT = 1.0f;
        org_zoom_factor = 1.0f;
    } else if (screen_mode == 1 || screen_mode == 2) {
        ZOOM_AMOUNT = 1.2f;
        org_zoom_factor = 1.2f;
    }
    zoom_factor = org_zoom_factor;
}

void GetDesktopResolution(int& h, int& v) { platform::GetDesktopResolution(h, v); }
