// The message queue: messages posted by the program (or injected by tests) and SDL's events
// translated into the window messages and virtual-key codes the game's window procedure
// reads.
//
// Close requests: SDL_QUIT (also raised by SIGINT and SIGTERM) and a click on the window's
// close button both become WM_CLOSE, so the game saves and quits in its own time; WM_QUIT
// comes only from PostQuitMessage. The screen saver is kept off by SDL while the video runs,
// so no WM_SYSCOMMAND screen-saver requests are produced.
#include "platform/platform.h"
#include "common/fresh_state.h"
#include "platform/sdl_window.h"

#include <deque>

namespace platform {
namespace {

std::deque<MSG> pending;          // posted and already-translated messages, oldest first
WndProcFn window_procedure = nullptr;
KEEP_FRESH(pending, window_procedure);

void Queue(unsigned message, uint64_t wParam, int64_t lParam) {
    MSG m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    pending.push_back(m);
}

// One SDL keycode to its virtual-key code.
struct KeyPair {
    SDL_Keycode sym;
    int vk;
};
constexpr KeyPair key_table[] = {
    {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB}, {SDLK_RETURN, VK_RETURN}, {SDLK_RETURN2, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN}, {SDLK_LSHIFT, VK_SHIFT}, {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL}, {SDLK_RCTRL, VK_CONTROL}, {SDLK_LALT, VK_MENU}, {SDLK_RALT, VK_MENU},
    {SDLK_PAUSE, VK_PAUSE}, {SDLK_CAPSLOCK, VK_CAPITAL}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE}, {SDLK_PAGEUP, VK_PRIOR}, {SDLK_PAGEDOWN, VK_NEXT}, {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME}, {SDLK_LEFT, VK_LEFT}, {SDLK_UP, VK_UP}, {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN}, {SDLK_PRINTSCREEN, VK_SNAPSHOT}, {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE}, {SDLK_LGUI, VK_LWIN}, {SDLK_RGUI, VK_RWIN},
    {SDLK_APPLICATION, VK_APPS}, {SDLK_NUMLOCKCLEAR, VK_NUMLOCK}, {SDLK_SCROLLLOCK, VK_SCROLL},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD}, {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_F1, VK_F1}, {SDLK_F2, VK_F2}, {SDLK_F3, VK_F3}, {SDLK_F4, VK_F4}, {SDLK_F5, VK_F5},
    {SDLK_F6, VK_F6}, {SDLK_F7, VK_F7}, {SDLK_F8, VK_F8}, {SDLK_F9, VK_F9}, {SDLK_F10, VK_F10},
    {SDLK_F11, VK_F11}, {SDLK_F12, VK_F12},
    {SDLK_SEMICOLON, VK_OEM_1}, {SDLK_EQUALS, VK_OEM_PLUS}, {SDLK_PLUS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA}, {SDLK_MINUS, VK_OEM_MINUS}, {SDLK_PERIOD, VK_OEM_PERIOD},
    {SDLK_SLASH, VK_OEM_2}, {SDLK_BACKQUOTE, VK_OEM_3}, {SDLK_LEFTBRACKET, VK_OEM_4},
    {SDLK_BACKSLASH, VK_OEM_5}, {SDLK_RIGHTBRACKET, VK_OEM_6}, {SDLK_QUOTE, VK_OEM_7},
    {SDLK_LESS, VK_OEM_102},
};

// Keys whose symbol the layout changes to something unlisted (for example an accented
// letter) are taken by their position on a US keyboard.
struct ScanPair {
    SDL_Scancode scancode;
    int vk;
};
constexpr ScanPair scan_table[] = {
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1}, {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA}, {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD}, {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_GRAVE, VK_OEM_3}, {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5}, {SDL_SCANCODE_NONUSHASH, VK_OEM_5},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6}, {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
};

// Number-pad keys with Num Lock off act as the navigation keys they are labelled with.
constexpr int keypad_navigation[10] = {VK_INSERT, VK_END, VK_DOWN, VK_NEXT, VK_LEFT,
                                       VK_CLEAR, VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR};

int VirtualKey(const SDL_Keysym& key) {
    const SDL_Keycode sym = key.sym;
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
    const bool num_lock = (key.mod & KMOD_NUM) != 0;
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) {
        const int digit = 1 + (sym - SDLK_KP_1);
        return num_lock ? VK_NUMPAD0 + digit : keypad_navigation[digit];
    }
    if (sym == SDLK_KP_0) return num_lock ? VK_NUMPAD0 : VK_INSERT;
    if (sym == SDLK_KP_PERIOD || sym == SDLK_KP_DECIMAL) return num_lock ? VK_DECIMAL : VK_DELETE;
    for (const KeyPair& k : key_table)
        if (k.sym == sym) return k.vk;
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return 'A' + (key.scancode - SDL_SCANCODE_A);
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return '1' + (key.scancode - SDL_SCANCODE_1);
    if (key.scancode == SDL_SCANCODE_0) return '0';
    for (const ScanPair& k : scan_table)
        if (k.scancode == key.scancode) return k.vk;
    return 0; // no virtual-key code: the key sends nothing
}

// The key-state flags mouse messages carry in the low word of wParam.
uint64_t MouseKeyFlags(Uint32 buttons) {
    uint64_t f = 0;
    if (buttons & SDL_BUTTON_LMASK) f |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK) f |= MK_RBUTTON;
    if (buttons & SDL_BUTTON_MMASK) f |= MK_MBUTTON;
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT) f |= MK_SHIFT;
    if (mod & KMOD_CTRL) f |= MK_CONTROL;
    return f;
}

// Window events of a window that is no longer the game window are dropped.
bool ForGameWindow(Uint32 window_id) {
    SDL_Window* w = GameSDLWindow();
    return w && SDL_GetWindowID(w) == window_id;
}

void Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        Queue(WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        if (!ForGameWindow(e.window.windowID)) break;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: Queue(WM_CLOSE, 0, 0); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: Queue(WM_ACTIVATE, WA_ACTIVE, 0); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: Queue(WM_ACTIVATE, WA_INACTIVE, 0); break;
        case SDL_WINDOWEVENT_MOVED: Queue(WM_MOVE, 0, MakeLParam(e.window.data1, e.window.data2)); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Queue(WM_SIZE, 0, MakeLParam(e.window.data1, e.window.data2));
            break;
        default: break;
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int vk = VirtualKey(e.key.keysym);
        if (vk <= 0 || vk > 0xFF) break;
        // lParam: repeat count 1; bit 30 the key was already down; bit 31 released.
        int64_t lp = 1;
        if (e.type == SDL_KEYUP) lp |= (int64_t)3 << 30;
        else if (e.key.repeat) lp |= (int64_t)1 << 30;
        Queue(e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, (uint64_t)vk, lp);
        break;
    }
    case SDL_MOUSEMOTION:
        Queue(WM_MOUSEMOVE, MouseKeyFlags(e.motion.state), MakeLParam(e.motion.x, e.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        unsigned message;
        switch (e.button.button) {
        case SDL_BUTTON_LEFT: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
        case SDL_BUTTON_RIGHT: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
        case SDL_BUTTON_MIDDLE: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
        default: return;
        }
        Queue(message, MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)), MakeLParam(e.button.x, e.button.y));
        break;
    }
    case SDL_MOUSEWHEEL: {
        int notches = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        if (notches == 0) break;
        long delta = (long)notches * WHEEL_DELTA;
        if (delta > 32767) delta = 32767;
        if (delta < -32768) delta = -32768;
        // The pointer position in screen coordinates, as the message carries it.
        int mx = 0, my = 0, wx = 0, wy = 0;
        SDL_GetMouseState(&mx, &my);
        GetWindowPosition(wx, wy);
        const uint64_t wp = ((uint64_t)(uint16_t)(int16_t)delta << 16) | MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr));
        Queue(WM_MOUSEWHEEL, wp, MakeLParam(wx + mx, wy + my));
        break;
    }
    default:
        break;
    }
}

} // namespace

void SetWndProc(WndProcFn fn) { window_procedure = fn; }

long DefWindowProc(const MSG&) { return 0; }

bool PeekMessage(MSG& msg) {
    if (pending.empty() && SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Event e;
        while (pending.empty() && SDL_PollEvent(&e)) Translate(e);
    }
    if (pending.empty()) return false;
    msg = pending.front();
    pending.pop_front();
    return true;
}

void TranslateMessage(const MSG&) {}

long DispatchMessage(const MSG& msg) {
    return window_procedure ? window_procedure(msg) : DefWindowProc(msg);
}

void PostMessage(const MSG& msg) { pending.push_back(msg); }

void PostQuitMessage(int exit_code) { Queue(WM_QUIT, (uint64_t)(int64_t)exit_code, 0); }

} // namespace platform
