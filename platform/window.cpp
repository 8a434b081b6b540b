// The game window, its OpenGL context, the full-screen display mode, the cursor and the
// desktop size, on SDL2.
//
// Display modes: SDL applies a mode to a full-screen window rather than to the screen, so
// ChangeDisplayMode only checks that the primary display offers the size and keeps the
// mode; CreateGameWindow(..., fullscreen = true) applies it to the new window, and
// destroying or leaving full screen gives the desktop its own mode back. The offscreen
// driver reports a wildcard mode, so every size is offered there (the window simply gets
// that size); tests that need a refusal limit the offered sizes (SetOfferedDisplayModes).
#include "platform/platform.h"
#include "platform/sdl_window.h"
#include "common/fresh_state.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

SDL_Window* game_window = nullptr;
SDL_GLContext gl_context = nullptr;
bool have_mode = false;              // a mode accepted by ChangeDisplayMode, not yet restored
SDL_DisplayMode chosen_mode{};
std::vector<std::pair<int, int>> offered_sizes; // tests: the only sizes offered, if any
int desktop_width = 0, desktop_height = 0;       // tests: the desktop size, if set
KEEP_FRESH(game_window, gl_context, have_mode, chosen_mode, offered_sizes, desktop_width, desktop_height);

// SDL_VIDEODRIVER (or the hint of that name) names the driver the user wants.
bool VideoDriverRequested() {
    const char* wanted = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (!wanted || !*wanted) wanted = SDL_getenv("SDL_VIDEODRIVER");
    return wanted && *wanted;
}

// The pixel format: double-buffered RGBA, 8 bits per colour channel, no alpha, depth or
// stencil planes, a compatibility context so that OpenGL 1.1 calls work. On X11 the
// window's visual is chosen from these when the window is made, so they are set first.
void SetPixelFormatAttributes() {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

} // namespace

SDL_Window* GameSDLWindow() { return game_window; }

bool DisplayAvailable() {
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (SDL_strcasecmp(driver, "offscreen") == 0 || SDL_strcasecmp(driver, "dummy") == 0 ||
                   SDL_strcasecmp(driver, "evdev") == 0))
        return false;
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wl = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wl && *wl);
}

bool VideoInit() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    // Closing the window is a close request (WM_CLOSE) like any other; it must not also
    // raise SDL_QUIT, or the game would get two requests for one click.
#ifdef SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#endif
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL video could not start: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

bool ChangeDisplayMode(int width, int height, int bits) {
    (void)bits; // colour depth is the desktop's; every current display shows 24/32 bits
    have_mode = false;
    if (width <= 0 || height <= 0 || !VideoInit()) return false;
    if (!offered_sizes.empty()) {
        bool offered = false;
        for (const auto& size : offered_sizes) offered = offered || (size.first == width && size.second == height);
        if (!offered) return false;
    }
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode found{};
    if (!SDL_GetClosestDisplayMode(0, &wanted, &found)) return false;
    if (found.w != width || found.h != height) return false;
    chosen_mode = found;
    have_mode = true;
    return true;
}

void SetOfferedDisplayModes(const std::vector<std::pair<int, int>>& sizes) { offered_sizes = sizes; }

void RestoreDisplayMode() {
    have_mode = false;
    if (game_window && (SDL_GetWindowFlags(game_window) & SDL_WINDOW_FULLSCREEN))
        SDL_SetWindowFullscreen(game_window, 0);
}

bool CreateGameWindow(const char* title, int x, int y, int width, int height, bool fullscreen) {
    if (!VideoInit()) return false;
    // Without a display SDL falls back to its offscreen driver: the game would run unseen,
    // busy until killed.
    if (!DisplayAvailable() && !VideoDriverRequested()) {
        std::fprintf(stderr, "No display to open the window on (SDL_VIDEODRIVER=offscreen runs without one).\n");
        return false;
    }
    if (game_window) DestroyGameWindow();
    if (width <= 0) width = 1;
    if (height <= 0) height = 1;
    SetPixelFormatAttributes();
    Uint32 flags = SDL_WINDOW_OPENGL;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN;
    game_window = SDL_CreateWindow(title ? title : "", x, y, width, height, flags);
    if (!game_window) {
        std::fprintf(stderr, "SDL window could not be created: %s\n", SDL_GetError());
        return false;
    }
    if (fullscreen) {
        // The mode kept by ChangeDisplayMode, else the display's closest to the window size.
        if (have_mode) SDL_SetWindowDisplayMode(game_window, &chosen_mode);
        SDL_ShowWindow(game_window);
    }
    SDL_RaiseWindow(game_window);
    // Text is entered from key codes; no input method or text events are wanted.
    SDL_StopTextInput();
    return true;
}

bool HasWindow() { return game_window != nullptr; }

void DestroyGameWindow() {
    if (!game_window) return;
    if (gl_context) DeleteGLContext();
    SDL_SetWindowGrab(game_window, SDL_FALSE);
    SDL_DestroyWindow(game_window);
    game_window = nullptr;
}

bool CreateGLContext(int bits) {
    (void)bits; // the format was requested with the window: 8 bits a channel, no alpha
    if (!game_window) return false;
    if (gl_context) DeleteGLContext();
    gl_context = SDL_GL_CreateContext(game_window);
    if (!gl_context) {
        std::fprintf(stderr, "OpenGL context could not be created: %s\n", SDL_GetError());
        return false;
    }
    if (SDL_GL_MakeCurrent(game_window, gl_context) != 0) {
        std::fprintf(stderr, "OpenGL context could not be made current: %s\n", SDL_GetError());
        SDL_GL_DeleteContext(gl_context);
        gl_context = nullptr;
        return false;
    }
    // A swap waits for the display's next refresh, so the loop shows no more frames than the
    // display can (its own pacing keeps them at least 10 ms apart as well). Drivers that
    // cannot wait (software rendering without a display) refuse or ignore this, and swap at
    // once.
    SDL_GL_SetSwapInterval(1);
    return true;
}

bool MakeCurrent(bool current) {
    if (!game_window) return !current;
    if (current && !gl_context) return false;
    return SDL_GL_MakeCurrent(game_window, current ? gl_context : nullptr) == 0;
}

bool HasGLContext() { return gl_context != nullptr; }

void DeleteGLContext() {
    if (!gl_context) return;
    if (SDL_GL_GetCurrentContext() == gl_context) SDL_GL_MakeCurrent(game_window, nullptr);
    SDL_GL_DeleteContext(gl_context);
    gl_context = nullptr;
}

void SwapBuffers() {
    if (game_window && gl_context) SDL_GL_SwapWindow(game_window);
}

void ShowCursor(bool show) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void ConfineCursor(bool confine) {
    if (game_window) SDL_SetWindowGrab(game_window, confine ? SDL_TRUE : SDL_FALSE);
}

void GetDesktopResolution(int& horizontal, int& vertical) {
    if (desktop_width > 0 && desktop_height > 0) {
        horizontal = desktop_width;
        vertical = desktop_height;
        return;
    }
    SDL_DisplayMode mode{};
    if (VideoInit() && SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
        horizontal = mode.w;
        vertical = mode.h;
        return;
    }
    horizontal = 1024;
    vertical = 768;
}

bool WindowFitsDesktop(int width, int height) {
    if (!(desktop_width > 0 && desktop_height > 0) && VideoInit() && !DisplayAvailable()) return true;
    int h = 0, v = 0;
    GetDesktopResolution(h, v);
    return width <= h && height <= v;
}

void SetDesktopResolution(int horizontal, int vertical) {
    desktop_width = horizontal;
    desktop_height = vertical;
}

void GetWindowPosition(int& x, int& y) {
    x = 0;
    y = 0;
    if (game_window) SDL_GetWindowPosition(game_window, &x, &y);
}

void Shutdown() {
    have_mode = false;
    DestroyGameWindow();
    SDL_Quit();
}

namespace {
// A fresh start has no window and SDL not started.
const fresh_state::Released_By fresh_registrar_window(Shutdown);
} // namespace

} // namespace platform
