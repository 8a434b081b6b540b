// The platform layer: clock source, headless window and OpenGL context, the message queue
// with SDL event translation, message boxes and shell services.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/platform.h"
#include "platform/timer.h"
#include "support/gl_context.h"
#include "support/virtual_clock.h"

using namespace platform;

// ---- Clock -----------------------------------------------------------------------------

TEST(PlatformClock, VirtualClockCountsWholeMicrosecondsWithoutDrift) {
    UseVirtualClock(true);
    int64_t frequency = 0, count = -1;
    ASSERT_TRUE(QueryPerformanceFrequency(frequency));
    EXPECT_EQ(frequency, 1000000);
    ASSERT_TRUE(QueryPerformanceCounter(count));
    EXPECT_EQ(count, 0);

    AdvanceVirtualClock(1.5);
    QueryPerformanceCounter(count);
    EXPECT_EQ(count, 1500);
    EXPECT_EQ(timeGetTime(), 1u);

    // A million steps of one microsecond add up to exactly one second.
    for (int i = 0; i < 1000000; ++i) AdvanceVirtualClock(0.001);
    QueryPerformanceCounter(count);
    EXPECT_EQ(count, 1001500);
    EXPECT_DOUBLE_EQ(VirtualClockMs(), 1001.5);

    // The clock never goes back; switching it on again restarts it at 0.
    AdvanceVirtualClock(-50.0);
    EXPECT_DOUBLE_EQ(VirtualClockMs(), 1001.5);
    UseVirtualClock(true);
    EXPECT_DOUBLE_EQ(VirtualClockMs(), 0.0);

    // Ten hours of play are still counted to the microsecond.
    AdvanceVirtualClock(10.0 * 3600 * 1000);
    AdvanceVirtualClock(0.25);
    QueryPerformanceCounter(count);
    EXPECT_EQ(count, 36000000250LL);
}

TEST(PlatformClock, GameTimerOnTheTestClockReadsExactMilliseconds) {
    Use_Test_Clock();
    EXPECT_EQ(Now(), 0);
    // Stamps are compared in whole milliseconds, so every whole step must read back as
    // itself, however the counter converts (7 ms and 14 ms are classic rounding victims).
    int total = 0;
    for (int step : {1, 6, 7, 3, 4, 99, 100, 1000, 250, 3600000}) {
        Advance_Ms(step);
        total += step;
        EXPECT_EQ(Now(), total) << "after a step of " << step
                                << " ms (TimerGetTime must scale as counts * 1000.0 / frequency to stay exact)";
    }
    Advance_Ms(0.999);
    EXPECT_EQ(Now(), total);
    Advance_Ms(0.001);
    EXPECT_EQ(Now(), total + 1);
}

TEST(PlatformClock, RealClockIsMonotonicAndFine) {
    UseVirtualClock(false);
    int64_t frequency = 0, a = 0, b = 0;
    ASSERT_TRUE(QueryPerformanceFrequency(frequency));
    EXPECT_GE(frequency, 1000000);
    QueryPerformanceCounter(a);
    const uint32_t t0 = timeGetTime();
    do QueryPerformanceCounter(b);
    while (b - a < frequency / 200); // 5 ms
    EXPECT_GE(timeGetTime() - t0, 4u);
}

// ---- Window and OpenGL context ---------------------------------------------------------

TEST(PlatformWindow, HeadlessContextDrawsWithOpenGL11) {
    ASSERT_TRUE(Test_GL_Context(64, 48));
    EXPECT_TRUE(HasWindow());
    EXPECT_TRUE(HasGLContext());
    const char* renderer = (const char*)glGetString(GL_RENDERER);
    ASSERT_NE(renderer, nullptr);
    EXPECT_STRNE(renderer, "");

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 64);
    EXPECT_EQ(viewport[3], 48);

    glClearColor(0.2f, 0.4f, 0.6f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    std::vector<uint8_t> px = Read_Test_Pixels(0, 0, 64, 48);
    ASSERT_EQ(px.size(), 64u * 48u * 4u);
    for (size_t i : {(size_t)0, (size_t)(64 * 48 - 1)}) {
        EXPECT_NEAR(px[i * 4 + 0], 51, 1);
        EXPECT_NEAR(px[i * 4 + 1], 102, 1);
        EXPECT_NEAR(px[i * 4 + 2], 153, 1);
    }

    // Fixed-function drawing: an orthographic quad over the left half.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1, -1);
    glVertex2f(0, -1);
    glVertex2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    px = Read_Test_Pixels(0, 0, 64, 1);
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(px[1], 0);
    EXPECT_NEAR(px[63 * 4 + 0], 51, 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    SwapBuffers();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    // Releasing and re-making the context, then tearing down and building again (as a
    // video-mode change does) gives a working context each time.
    EXPECT_TRUE(MakeCurrent(false));
    EXPECT_TRUE(MakeCurrent(true));
    Close_Test_GL_Context();
    EXPECT_FALSE(HasWindow());
    EXPECT_FALSE(HasGLContext());
    Close_Test_GL_Context();
    ASSERT_TRUE(Test_GL_Context(32, 16));
    glClearColor(0.0f, 1.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    px = Read_Test_Pixels(31, 15, 1, 1);
    EXPECT_EQ(px[1], 255);
    Shutdown();
    EXPECT_FALSE(HasWindow());
}

TEST(PlatformWindow, DisplayModesAndFullScreen) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_TRUE(VideoInit());
    ASSERT_TRUE(VideoInit()); // a second start is harmless
    int horizontal = 0, vertical = 0;
    GetDesktopResolution(horizontal, vertical);
    EXPECT_GT(horizontal, 0);
    EXPECT_GT(vertical, 0);
    // The desktop's own size is always offered; nonsense sizes never are. The offscreen
    // display offers every size.
    EXPECT_TRUE(ChangeDisplayMode(horizontal, vertical, 32));
    EXPECT_FALSE(ChangeDisplayMode(0, 0, 32));
    EXPECT_FALSE(ChangeDisplayMode(-1, 600, 32));
    if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0) {
        EXPECT_TRUE(ChangeDisplayMode(1280, 800, 32));
        EXPECT_TRUE(ChangeDisplayMode(horizontal + 256, vertical + 32, 32));
    }
    // A test can narrow the offer to try a refused mode.
    SetOfferedDisplayModes({{horizontal, vertical}});
    EXPECT_TRUE(ChangeDisplayMode(horizontal, vertical, 16));
    EXPECT_FALSE(ChangeDisplayMode(horizontal + 256, vertical + 32, 32));
    SetOfferedDisplayModes({});

    // Full screen takes the chosen mode's size.
    ASSERT_TRUE(ChangeDisplayMode(horizontal, vertical, 32));
    ASSERT_TRUE(CreateGameWindow("Varnoth", 0, 0, horizontal, vertical, true));
    ASSERT_TRUE(CreateGLContext(32));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], horizontal);
    EXPECT_EQ(viewport[3], vertical);
    ConfineCursor(true);
    ShowCursor(false);
    RestoreDisplayMode();
    ShowCursor(true);
    DestroyGameWindow();
    EXPECT_FALSE(HasGLContext());

    // Windowed at the saved position.
    ASSERT_TRUE(CreateGameWindow("Varnoth", 40, 30, 320, 200, false));
    int x = -1, y = -1;
    GetWindowPosition(x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 30);
    Shutdown();
}

// ---- Messages --------------------------------------------------------------------------

namespace {
std::vector<MSG> dispatched;
long Recording_WndProc(const MSG& msg) {
    dispatched.push_back(msg);
    return (long)msg.message + 1;
}

MSG Make(unsigned message, uint64_t wParam = 0, int64_t lParam = 0) {
    MSG m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

std::vector<MSG> Drain() {
    std::vector<MSG> out;
    MSG m;
    while (PeekMessage(m)) out.push_back(m);
    return out;
}
} // namespace

TEST(PlatformMessages, PostedMessagesReachTheWindowProcedureInOrder) {
    MSG m;
    EXPECT_FALSE(PeekMessage(m)); // nothing queued, no video started
    EXPECT_EQ(DispatchMessage(Make(WM_KEYDOWN, 'A')), 0); // no procedure yet: default, 0

    dispatched.clear();
    SetWndProc(Recording_WndProc);
    PostMessage(Make(WM_KEYDOWN, VK_SPACE, 1));
    PostMessage(Make(WM_MOUSEMOVE, 0, MakeLParam(10, 20)));
    PostQuitMessage(3);
    PostMessage(Make(WM_KEYUP, VK_SPACE));
    std::vector<long> results;
    while (PeekMessage(m)) {
        TranslateMessage(m);
        results.push_back(DispatchMessage(m));
    }
    ASSERT_EQ(dispatched.size(), 4u);
    EXPECT_EQ(dispatched[0].message, WM_KEYDOWN);
    EXPECT_EQ(dispatched[0].wParam, (uint64_t)VK_SPACE);
    EXPECT_EQ(dispatched[0].lParam, 1);
    EXPECT_EQ(dispatched[1].message, WM_MOUSEMOVE);
    EXPECT_EQ(LoWord(dispatched[1].lParam), 10u);
    EXPECT_EQ(HiWord(dispatched[1].lParam), 20u);
    EXPECT_EQ(dispatched[2].message, WM_QUIT);
    EXPECT_EQ(dispatched[2].wParam, 3u);
    EXPECT_EQ(dispatched[3].message, WM_KEYUP);
    EXPECT_EQ(results, (std::vector<long>{(long)WM_KEYDOWN + 1, (long)WM_MOUSEMOVE + 1, (long)WM_QUIT + 1, (long)WM_KEYUP + 1}));
    SetWndProc(nullptr);
}

namespace {
SDL_Event Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    return e;
}
} // namespace

TEST(PlatformMessages, KeyEventsBecomeVirtualKeyCodes) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_TRUE(VideoInit());
    Drain();
    struct Case {
        SDL_Event event;
        unsigned message;
        int vk;
    };
    const Case cases[] = {
        {Key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A), WM_KEYDOWN, 0x41},
        {Key(SDL_KEYUP, SDLK_z, SDL_SCANCODE_Z), WM_KEYUP, 0x5A},
        {Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_A), WM_KEYDOWN, 'Q'}, // letters follow the layout
        {Key(SDL_KEYDOWN, SDLK_7, SDL_SCANCODE_7), WM_KEYDOWN, 0x37},
        {Key(SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1), WM_KEYDOWN, VK_F1},
        {Key(SDL_KEYDOWN, SDLK_F12, SDL_SCANCODE_F12), WM_KEYDOWN, 0x7B},
        {Key(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), WM_KEYDOWN, VK_ESCAPE},
        {Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN), WM_KEYDOWN, VK_RETURN},
        {Key(SDL_KEYDOWN, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), WM_KEYDOWN, VK_RETURN},
        {Key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), WM_KEYDOWN, VK_BACK},
        {Key(SDL_KEYDOWN, SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), WM_KEYDOWN, VK_SHIFT},
        {Key(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL), WM_KEYDOWN, VK_CONTROL},
        {Key(SDL_KEYDOWN, SDLK_RALT, SDL_SCANCODE_RALT), WM_KEYDOWN, VK_MENU},
        {Key(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT), WM_KEYDOWN, VK_LEFT},
        {Key(SDL_KEYDOWN, SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN), WM_KEYDOWN, VK_NEXT},
        {Key(SDL_KEYDOWN, SDLK_PAUSE, SDL_SCANCODE_PAUSE), WM_KEYDOWN, VK_PAUSE},
        {Key(SDL_KEYDOWN, SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK), WM_KEYDOWN, VK_CAPITAL},
        {Key(SDL_KEYDOWN, SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NUM), WM_KEYDOWN, VK_NUMPAD0 + 4},
        {Key(SDL_KEYDOWN, SDLK_KP_4, SDL_SCANCODE_KP_4), WM_KEYDOWN, VK_LEFT}, // Num Lock off
        {Key(SDL_KEYDOWN, SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS), WM_KEYDOWN, VK_SUBTRACT},
        {Key(SDL_KEYDOWN, SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON), WM_KEYDOWN, VK_OEM_1},
        {Key(SDL_KEYDOWN, SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE), WM_KEYDOWN, VK_OEM_3},
        {Key(SDL_KEYDOWN, SDLK_MINUS, SDL_SCANCODE_MINUS), WM_KEYDOWN, VK_OEM_MINUS},
        // A key that the layout makes an unlisted symbol keeps its US position.
        {Key(SDL_KEYDOWN, 0xF6 /* o with diaeresis */, SDL_SCANCODE_SEMICOLON), WM_KEYDOWN, VK_OEM_1},
    };
    for (const Case& c : cases) {
        SDL_Event e = c.event;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
        std::vector<MSG> got = Drain();
        ASSERT_EQ(got.size(), 1u) << "key " << c.event.key.keysym.sym;
        EXPECT_EQ(got[0].message, c.message) << "key " << c.event.key.keysym.sym;
        EXPECT_EQ(got[0].wParam, (uint64_t)c.vk) << "key " << c.event.key.keysym.sym;
    }

    // Auto-repeat sends the key down again, marked as already down.
    SDL_Event e = Key(SDL_KEYDOWN, SDLK_d, SDL_SCANCODE_D, KMOD_NONE, 1);
    SDL_PushEvent(&e);
    std::vector<MSG> got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(got[0].wParam, (uint64_t)'D');
    EXPECT_NE(got[0].lParam & (1 << 30), 0);

    // A key without a code sends nothing; the next key still arrives.
    e = Key(SDL_KEYDOWN, SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY);
    SDL_PushEvent(&e);
    e = Key(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);
    SDL_PushEvent(&e);
    got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_KEYUP);
    Shutdown();
}

TEST(PlatformMessages, MouseAndWindowEventsBecomeWindowMessages) {
    ASSERT_TRUE(Test_GL_Context(320, 200));
    Drain(); // whatever the window's creation announced
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    const Uint32 id = SDL_GetWindowID(window);

    auto motion = [&](int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = id;
        e.motion.x = x;
        e.motion.y = y;
        return e;
    };
    auto button = [&](Uint32 type, Uint8 which) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = id;
        e.button.button = which;
        e.button.x = 5;
        e.button.y = 6;
        return e;
    };
    auto wheel = [&](int y, Uint32 direction) {
        SDL_Event e{};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.windowID = id;
        e.wheel.y = y;
        e.wheel.direction = direction;
        return e;
    };
    auto window_event = [&](Uint8 what, int a, int b, Uint32 window_id) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = window_id;
        e.window.event = what;
        e.window.data1 = a;
        e.window.data2 = b;
        return e;
    };
    SDL_Event quit{};
    quit.type = SDL_QUIT;

    struct Case {
        SDL_Event event;
        unsigned message; // WM_NULL: nothing comes out
        uint64_t wParam_high;
        int lo, hi; // lParam words, signed
    };
    const Case cases[] = {
        {motion(300, 199), WM_MOUSEMOVE, 0, 300, 199},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), WM_LBUTTONDOWN, 0, 5, 6},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), WM_LBUTTONUP, 0, 5, 6},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), WM_RBUTTONDOWN, 0, 5, 6},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), WM_RBUTTONUP, 0, 5, 6},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), WM_MBUTTONDOWN, 0, 5, 6},
        {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE), WM_MBUTTONUP, 0, 5, 6},
        {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1), WM_NULL, 0, 0, 0},
        {wheel(1, SDL_MOUSEWHEEL_NORMAL), WM_MOUSEWHEEL, 120, 0, 0},
        {wheel(-2, SDL_MOUSEWHEEL_NORMAL), WM_MOUSEWHEEL, (uint16_t)-240, 0, 0},
        {wheel(1, SDL_MOUSEWHEEL_FLIPPED), WM_MOUSEWHEEL, (uint16_t)-120, 0, 0},
        {wheel(0, SDL_MOUSEWHEEL_NORMAL), WM_NULL, 0, 0, 0},
        {quit, WM_CLOSE, 0, 0, 0},
        {window_event(SDL_WINDOWEVENT_CLOSE, 0, 0, id), WM_CLOSE, 0, 0, 0},
        {window_event(SDL_WINDOWEVENT_FOCUS_GAINED, 0, 0, id), WM_ACTIVATE, 0, 0, 0},
        {window_event(SDL_WINDOWEVENT_MOVED, -5, 40, id), WM_MOVE, 0, -5, 40},
        {window_event(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600, id), WM_SIZE, 0, 800, 600},
        {window_event(SDL_WINDOWEVENT_CLOSE, 0, 0, id + 100), WM_NULL, 0, 0, 0}, // not our window
    };
    int n = 0;
    for (const Case& c : cases) {
        SDL_Event e = c.event;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
        std::vector<MSG> got = Drain();
        if (c.message == WM_NULL) {
            EXPECT_TRUE(got.empty()) << "case " << n;
        } else {
            ASSERT_EQ(got.size(), 1u) << "case " << n;
            EXPECT_EQ(got[0].message, c.message) << "case " << n;
            EXPECT_EQ(HiWord(got[0].wParam), c.wParam_high) << "case " << n;
            if (c.message != WM_MOUSEWHEEL) {
                EXPECT_EQ((int16_t)LoWord(got[0].lParam), c.lo) << "case " << n;
                EXPECT_EQ((int16_t)HiWord(got[0].lParam), c.hi) << "case " << n;
            }
        }
        ++n;
    }
    // Wheel deltas are signed in the high word: up is positive, down negative.
    SDL_Event e = wheel(1, SDL_MOUSEWHEEL_NORMAL);
    SDL_PushEvent(&e);
    std::vector<MSG> got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_GT((int16_t)HiWord(got[0].wParam), 0);

    // Posted messages are taken before SDL's, then SDL's in their own order.
    e = motion(1, 2);
    SDL_PushEvent(&e);
    e = motion(3, 4);
    SDL_PushEvent(&e);
    PostMessage(Make(WM_KEYDOWN, 'X'));
    got = Drain();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].message, WM_KEYDOWN);
    EXPECT_EQ(LoWord(got[1].lParam), 1u);
    EXPECT_EQ(LoWord(got[2].lParam), 3u);
    Shutdown();
}

// ---- Message boxes ---------------------------------------------------------------------

TEST(PlatformMessageBox, RecordedBoxesAnswerWithoutShowing) {
    SetRecordMessageBoxes(true, IDNO);
    EXPECT_EQ(MessageBox("Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(MessageBox("Use Windowed Mode Instead?", "Open GL", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    SetRecordMessageBoxes(true, IDYES);
    EXPECT_EQ(MessageBox("Again?", "Open GL", MB_YESNO), IDYES);
    const std::vector<RecordedBox>& boxes = RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Window Creation Error.");
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[1].caption, "Open GL");
    EXPECT_EQ(boxes[1].flags, MB_YESNO | MB_ICONEXCLAMATION);
    ClearRecordedMessageBoxes();
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    SetRecordMessageBoxes(false);
}

TEST(PlatformMessageBox, WithoutAScreenABoxIsPrintedAndNeverWaits) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_TRUE(VideoInit());
    testing::internal::CaptureStderr();
    const int ok = MessageBox("Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
    const int yes = MessageBox("Continue?", "Open GL", MB_YESNO);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ok, IDOK);
    EXPECT_EQ(yes, IDYES);
    EXPECT_NE(err.find("ERROR: Program Will Now Close.\n"), std::string::npos);
    EXPECT_NE(err.find("Open GL: Continue?\n"), std::string::npos);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    Shutdown();
}

// ---- Shell services --------------------------------------------------------------------

TEST(PlatformShell, CapsLockAndUnsafeAddresses) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_TRUE(VideoInit());
    SDL_SetModState(KMOD_NONE);
    EXPECT_FALSE(CapsLockOn());
    SDL_SetModState(KMOD_CAPS);
    EXPECT_TRUE(CapsLockOn());
    SDL_SetModState(KMOD_NONE);
    CreateNamedMutex("VarnothQZT1"); // a second copy may run: nothing to check
    // Only web addresses are handed to the desktop: no options, files or control characters.
    for (const char* bad : {(const char*)nullptr, "", "--help", "file:///etc/passwd", "/usr/bin/xterm",
                            "https://example.com/\nrm"})
        EXPECT_FALSE(OpenWebAddress(bad)) << (bad ? bad : "(null)");
    Shutdown();
}

TEST(PlatformShell, WebAddressGoesToTheOpenerAsOneArgumentWithoutAShell) {
    // A stand-in opener on the PATH writes out what it was given.
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("varnoth_opener_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path log = dir / "args.txt";
    {
        std::ofstream script(dir / "xdg-open");
        script << "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" << (dir / "args.tmp").string() << "\"\n"
               << "/bin/mv \"" << (dir / "args.tmp").string() << "\" \"" << log.string() << "\"\n";
    }
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);
    const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir.c_str(), 1);

    const char* url = "https://example.com/a b?x=1&y=$(touch pwned);`id`";
    ASSERT_TRUE(OpenWebAddress(url));
    for (int i = 0; i < 500 && !fs::exists(log); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::stringstream got;
    got << std::ifstream(log).rdbuf();
    EXPECT_EQ(got.str(), std::string("1|") + url + "|");
    EXPECT_FALSE(fs::exists("pwned"));

    // No opener installed: a clear false.
    setenv("PATH", (dir / "empty").c_str(), 1);
    EXPECT_FALSE(OpenWebAddress("https://example.com/"));
    setenv("PATH", old_path.c_str(), 1);
    fs::remove_all(dir);
}
