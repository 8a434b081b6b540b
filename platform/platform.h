// Our small platform layer: the window, its OpenGL context, the message queue, message
// boxes, the cursor, the desktop, the clock source and a few shell services, on SDL2.
// This is the only code that includes SDL. Messages carry the window-message codes and
// virtual-key codes the game's input code is written against.
#pragma once

#include <cstdint>
#include <string>
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
long DefWindowProc(const MSG& msg); // default handling: returns 0

// Removes one message if any (from SDL's queue or from injected ones). True if one was taken.
bool PeekMessage(MSG& msg);
void TranslateMessage(const MSG& msg);
long DispatchMessage(const MSG& msg);
void PostMessage(const MSG& msg);     // appends a message to our queue (tests inject input this way)
void PostQuitMessage(int exit_code);  // WM_QUIT with wParam = exit_code

// ---- Virtual-key codes -----------------------------------------------------------------
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
};

// ---- Window and OpenGL context ---------------------------------------------------------
// One game window at a time. Returns false when SDL's video cannot start.
bool VideoInit();
// Switches the display to a full-screen mode; false when refused.
bool ChangeDisplayMode(int width, int height, int bits);
void RestoreDisplayMode();
// Creates the window with the given client size at (x, y); shown, focused. False on failure.
bool CreateGameWindow(const char* title, int x, int y, int width, int height, bool fullscreen);
bool HasWindow();
void DestroyGameWindow();
// A double-buffered RGBA context with no depth buffer, compatibility profile (GL 1.1 calls).
bool CreateGLContext(int bits);
bool MakeCurrent(bool current);
bool HasGLContext();
void DeleteGLContext();
void SwapBuffers();
void ShowCursor(bool show);
void ConfineCursor(bool confine);    // keeps the pointer inside the window (full screen)
void GetDesktopResolution(int& horizontal, int& vertical);
void GetWindowPosition(int& x, int& y);

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
// Shows a box (or records it when recording is on) and returns the button chosen.
int MessageBox(const char* text, const char* caption, unsigned flags);
// Tests: record boxes instead of showing them; `answer` is returned for Yes/No boxes.
void SetRecordMessageBoxes(bool record, int answer = IDYES);
const std::vector<RecordedBox>& RecordedMessageBoxes();
void ClearRecordedMessageBoxes();

// ---- Clock source ----------------------------------------------------------------------
// A high-resolution counter; tests replace it with a virtual clock they advance themselves.
bool QueryPerformanceFrequency(int64_t& frequency);
bool QueryPerformanceCounter(int64_t& count);
uint32_t timeGetTime();             // milliseconds, fallback clock
void UseVirtualClock(bool on);      // virtual clock: frequency 1,000,000 counts/s, starts at 0
void AdvanceVirtualClock(double ms);
double VirtualClockMs();

// ---- Shell services --------------------------------------------------------------------
bool CapsLockOn();
void CreateNamedMutex(const char* name);   // single-instance object; result not used
bool OpenWebAddress(const char* url);      // opens the address in the desktop's browser
void Shutdown();                            // releases SDL at exit

} // namespace platform
