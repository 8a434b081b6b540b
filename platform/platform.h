// Our small platform layer: the window, its OpenGL context, the message queue, message
// boxes, the cursor, the desktop, the clock source and a few shell services, on SDL2.
// This is the only code that includes SDL. Messages carry the window-message codes and
// virtual-key codes the game's input code is written against.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// ---- Window messages -------------------------------------------------------------------
enum : unsigned {
    WM_NULL = 0x0000,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MOUSEWHEEL = 0x020A,
};
enum : unsigned { SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170 };

struct MSG {
    unsigned message = WM_NULL;
    uint64_t wParam = 0;
    int64_t lParam = 0;
};

// Packing helpers, as the messages carry them.
constexpr int64_t MakeLParam(int lo, int hi) { return (int64_t)(uint32_t)(((uint32_t)(uint16_t)lo) | (((uint32_t)(uint16_t)hi) << 16)); }
constexpr unsigned LoWord(uint64_t v) { return (unsigned)(v & 0xFFFF); }
constexpr unsigned HiWord(uint64_t v) { return (unsigned)((v >> 16) & 0xFFFF); }

// The window procedure: the game registers its own.
using WndProcFn = long (*)(const MSG& msg);
void SetWndProc(WndProcFn fn);
long DefWindowProc(const MSG& msg); // default handling: nothing to do, returns 0

// Removes one message if any: first the posted (or already translated) ones, oldest first,
// then SDL's events translated: SDL_QUIT and the close button -> WM_CLOSE; focus ->
// WM_ACTIVATE (WA_ACTIVE / WA_INACTIVE); moved -> WM_MOVE, size -> WM_SIZE (lParam =
// MakeLParam(x, y) or (w, h)); keys -> WM_KEYDOWN / WM_KEYUP; mouse -> WM_MOUSEMOVE and
// WM_[LRM]BUTTON(DOWN|UP) (lParam = client pixels, wParam = MK_ flags); wheel ->
// WM_MOUSEWHEEL (signed notches x WHEEL_DELTA in the high word of wParam). Works without
// video (posted messages only). True if one was taken.
bool PeekMessage(MSG& msg);
void TranslateMessage(const MSG& msg); // no WM_CHAR: text entry reads key codes and caps lock
long DispatchMessage(const MSG& msg);  // the registered procedure's result (DefWindowProc if none)
void PostMessage(const MSG& msg);     // appends a message to our queue (tests inject input this way)
void PostQuitMessage(int exit_code);  // WM_QUIT with wParam = exit_code

// ---- Virtual-key codes -----------------------------------------------------------------
// WM_KEYDOWN / WM_KEYUP carry one of these in wParam (auto-repeat sends WM_KEYDOWN again,
// with bit 30 of lParam set). Letters and digits follow the keyboard layout; punctuation
// the layout turns into other symbols keeps its US-keyboard code. Both Shift keys are
// VK_SHIFT, both Ctrl keys VK_CONTROL, both Alt keys VK_MENU; the number pad gives
// VK_NUMPAD0.. with Num Lock on and the navigation keys with it off. Keys without a code
// send nothing.
enum : int {
    VK_LBUTTON = 0x01, VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10,
    VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    // '0'..'9' are 0x30..0x39, 'A'..'Z' are 0x41..0x5A
    VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
    VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0,
    VK_CLEAR = 0x0C, VK_SNAPSHOT = 0x2C, VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
    VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
    VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE, VK_OEM_102 = 0xE2,
};
// WM_ACTIVATE wParam, WM_MOUSEWHEEL step, mouse-message key-state flags (low word of wParam).
enum : unsigned { WA_INACTIVE = 0, WA_ACTIVE = 1 };
enum : int { WHEEL_DELTA = 120 };
enum : unsigned { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08, MK_MBUTTON = 0x10 };

// ---- Window and OpenGL context ---------------------------------------------------------
// One game window at a time. Starts SDL's video (a second call does nothing); false when it
// cannot start. SDL_VIDEODRIVER=offscreen gives a headless window with a real GL context.
bool VideoInit();
// Chooses the full-screen display mode of width x height on the primary display; false
// when the display offers no mode of exactly that size. The mode takes effect on the next
// full-screen CreateGameWindow (SDL sets modes per window); the colour depth is the
// display's own, `bits` is not matched. The offscreen driver offers every size.
bool ChangeDisplayMode(int width, int height, int bits);
// Forgets the chosen mode and takes a full-screen window out of full screen, which gives
// the desktop its own mode back; nothing to do when windowed.
void RestoreDisplayMode();
// Tests: the display offers only these sizes for full screen (an empty list: whatever the
// display reports), so a refused mode can be tried without a screen.
void SetOfferedDisplayModes(const std::vector<std::pair<int, int>>& sizes);
// Creates the window with the given client size at (x, y) (full screen: in the mode chosen
// by ChangeDisplayMode); shown, raised, focused, not resizable. Starts the video if needed
// and replaces a window that is still open. False on failure, and also when SDL fell back to
// a driver without a screen that SDL_VIDEODRIVER did not ask for: nobody would see the game.
bool CreateGameWindow(const char* title, int x, int y, int width, int height, bool fullscreen);
bool HasWindow();
void DestroyGameWindow();              // also deletes a context still open
// A double-buffered RGBA context (8 bits a channel, no alpha, depth or stencil),
// compatibility profile so OpenGL 1.1 calls work, made current, swap interval 0. `bits` is
// the game's colour depth; the request is the same for 16 and 32. False without a window.
bool CreateGLContext(int bits);
bool MakeCurrent(bool current);        // current = false releases the context from the thread
bool HasGLContext();
void DeleteGLContext();
void SwapBuffers();
void ShowCursor(bool show);
void ConfineCursor(bool confine);    // keeps the pointer inside the window (full screen)
void GetDesktopResolution(int& horizontal, int& vertical); // primary display; 1024 x 768 if unknown
// Whether a window (or display mode) of this size fits on the desktop. Without a screen (the
// offscreen driver) every size fits.
bool WindowFitsDesktop(int width, int height);
// Tests: the desktop size to report and to fit windows in (0, 0: the display's own).
void SetDesktopResolution(int horizontal, int vertical);
void GetWindowPosition(int& x, int& y);                     // client-area top-left; 0, 0 if none

// ---- Message boxes ---------------------------------------------------------------------
enum : unsigned {
    MB_OK = 0x0, MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDYES = 6, IDNO = 7 };
struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned flags;
};
// Shows a box (or records it when recording is on) and returns the button chosen. Every box
// not recorded is also written to stderr as "caption: text". Without a screen (offscreen or
// dummy video driver, no display) or with VARNOTH_NO_MESSAGE_BOXES set nothing waits: OK
// boxes return IDOK, Yes/No boxes IDYES. A shown Yes/No box closed without a choice is No.
int MessageBox(const char* text, const char* caption, unsigned flags);
// Tests: record boxes instead of showing them; `answer` is returned for Yes/No boxes.
void SetRecordMessageBoxes(bool record, int answer = IDYES);
const std::vector<RecordedBox>& RecordedMessageBoxes();
void ClearRecordedMessageBoxes();

// ---- Clock source ----------------------------------------------------------------------
// A high-resolution counter; tests replace it with a virtual clock they advance themselves.
bool QueryPerformanceFrequency(int64_t& frequency);
bool QueryPerformanceCounter(int64_t& count);
// Real clock: the monotonic clock in nanoseconds (frequency 1e9).
uint32_t timeGetTime();             // milliseconds, fallback clock (the virtual one when on)
void UseVirtualClock(bool on);      // virtual clock: frequency 1,000,000 counts/s, (re)starts at 0
void AdvanceVirtualClock(double ms); // rounded to whole microseconds; negative steps ignored
double VirtualClockMs();
// Waits until the counter reads `count` or more: sleeps to just short of it, then watches
// the clock for the rest, so the wake-up is late by microseconds, not by a scheduler tick.
// Returns at once on the virtual clock (only the caller moves it).
void WaitForCount(int64_t count);

// ---- Shell services --------------------------------------------------------------------
bool CapsLockOn();
void CreateNamedMutex(const char* name);   // single-instance object; result not used: no-op
// Opens an http:// or https:// address with xdg-open, detached; false for any other
// address or when the opener cannot start.
bool OpenWebAddress(const char* url);
void Shutdown();                            // releases SDL at exit

} // namespace platform
