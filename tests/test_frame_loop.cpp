// The frame loop and main tick, driven pass by pass with a virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

class FrameLoop : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        platform::UseVirtualClock(true);
        TimerInit();
        Allocate_Records();
        call_trace = &trace;
        fade = 1;
        fullscreen = false;
        Start_Loop_Stamps();
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }
    // Advances the clock by ms and runs one frame pass.
    void Pass(double ms) {
        platform::AdvanceVirtualClock(ms);
        Frame_Pass();
    }
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }
    // Position of the first call of name in the trace, or -1.
    int First(const std::string& name) const {
        auto it = std::find(trace.begin(), trace.end(), name);
        return it == trace.end() ? -1 : (int)(it - trace.begin());
    }
};

TEST_F(FrameLoop, GameClockCatchesUpByWholePeriods) {
    // The first clock step falls due at 101 ms.
    Pass(101);
    EXPECT_EQ(seconds, 1);
    EXPECT_EQ(Real_Time, 200);
    // A pass 350 ms after that step has missed two whole periods: 1 + 2 tenths, and the
    // next step stays on the 100 ms grid.
    Pass(350);
    EXPECT_EQ(seconds, 4);
    EXPECT_EQ(Real_Time, 500);
}

TEST_F(FrameLoop, PlayTimeAdvancesOneSecondPerSecond) {
    // Passes of 7 ms never land on the 100 ms grid; the clock must not drift for it.
    for (int i = 0; i < 125 * 1000 / 7; i++) Pass(7);
    // 124,999 ms have passed: 1249 whole tenths after the first step's wait.
    EXPECT_EQ(player_minutes, 2);
    EXPECT_EQ(player_seconds, 4);
    // One game minute passes per real second.
    EXPECT_EQ(hours, 2);
    EXPECT_EQ(minutes, 4);
    EXPECT_EQ(seconds, 9);
}

TEST_F(FrameLoop, DayRolloverClearsThePayFlagOnce) {
    hours = 23;
    minutes = 59;
    seconds = 9;
    has_been_paid = true;
    Pass(101);
    EXPECT_EQ(hours, 0);
    EXPECT_EQ(minutes, 0);
    EXPECT_FALSE(has_been_paid);
    has_been_paid = true;  // paid again on the new day
    for (int i = 0; i < 100; i++) Pass(10);
    EXPECT_TRUE(has_been_paid);
}

TEST_F(FrameLoop, LongStepsSkipScriptsBossAndUnitAi) {
    game_mode = MODE_WALK;
    Pass(5);  // the first steps see the whole time since start: 5 ms, all run
    Pass(5);
    trace.clear();
    Pass(150);  // one long step
    EXPECT_EQ(Count("Run_Scripts"), 0);
    EXPECT_EQ(Count("Run_Boss"), 0);
    EXPECT_EQ(Count("AI"), 0);
    EXPECT_EQ(Count("Key_Handler"), 1);      // the keyboard always runs
    EXPECT_EQ(Count("Run_Fx_Upkeep"), 1);    // and the rest of the tick too
    trace.clear();
    Pass(99);  // 99 ms is still short enough
    EXPECT_EQ(Count("Run_Scripts"), 1);
    EXPECT_EQ(Count("Run_Boss"), 1);
    EXPECT_EQ(Count("AI"), 1);
}

TEST_F(FrameLoop, UnitAiPausedByModalBoxOutsideFrontEndAndByChoiceLine) {
    Pass(5);
    struct Case { int mode; bool quit; bool select; int ai; };
    const Case cases[] = {
        {MODE_WALK, false, false, 1}, {MODE_WALK, true, false, 0},
        {MODE_FRONT, true, false, 1}, {MODE_FRONT, false, true, 0},
    };
    for (const Case& c : cases) {
        game_mode = c.mode;
        quit_active = c.quit;
        text_select = c.select;
        trace.clear();
        Pass(5);
        EXPECT_EQ(Count("AI"), c.ai) << "mode " << c.mode << " quit " << c.quit << " select " << c.select;
    }
}

TEST_F(FrameLoop, NothingIsDrawnWhileFadeIsZero) {
    // A scene that fades in but has not started its fade yet stays black.
    fade = 0;
    fade_in = 5;
    c_fade_in = 0;
    for (int i = 0; i < 50; i++) Pass(3);
    EXPECT_EQ(render_sequence, 0);
    EXPECT_EQ(double_main_code, 0);
    EXPECT_GT(Count("Run_Scripts"), 0);  // the tick keeps running
    fade = 1;
    Pass(3);
    EXPECT_EQ(render_sequence, 1);  // first pass of a frame
    Pass(3);                        // second pass, and the swap in the same pass
    EXPECT_EQ(render_sequence, 0);
    EXPECT_EQ(double_main_code, 0);
    Pass(3);
    Pass(3);
    EXPECT_EQ(double_main_code, 1); // the next frame waits: frames are 10 ms apart
    Pass(5);
    EXPECT_EQ(double_main_code, 0); // swapped
}

TEST_F(FrameLoop, MainTickRunsItsStepsInOrder) {
    game_mode = MODE_WALK;
    next_weapon = 3;
    Pass(5);
    const std::vector<std::string> order = {
        "Key_Handler", "AI", "UpdateMouseCursor", "Run_Scripts", "Run_Boss", "Message_Panel_Alpha",
        "Weapon_Switch_Upkeep", "Calculate_Inventory", "Calculate_Bullet_Flash", "Do_Fireworks",
        "Calculate_Act", "Calculate_Rain", "Tooltip_Bubble_Modal", "Message_Limits",
        "Ammo_Count_Upkeep", "Hud_Overlays", "Mouse_Code", "Run_Scene_Countdown",
        "Run_Front_Messages", "Run_Text_Upkeep", "Run_Fx_Upkeep", "Run_Shake_Upkeep", "Run_Music",
        "Run_Sound_Requests"};
    int last = -1;
    for (const std::string& name : order) {
        int at = First(name);
        ASSERT_NE(at, -1) << name << " was not called";
        EXPECT_GT(at, last) << name << " out of order";
        last = at;
    }
    EXPECT_EQ(Count("Run_Front_Buttons"), 0);  // front end only
}

TEST_F(FrameLoop, ModalBoxEndsTheTickAfterTheTransition) {
    game_mode = MODE_WALK;
    Pass(5);
    quit_active = true;
    mousewheel = 1;
    trace.clear();
    Pass(5);
    EXPECT_EQ(Count("Hud_Overlays"), 1);
    EXPECT_EQ(Count("Mouse_Code"), 0);
    EXPECT_EQ(Count("Run_Sound_Requests"), 0);
    EXPECT_EQ(mousewheel, 1);  // kept while the box is up
    quit_active = false;
    Pass(5);
    EXPECT_EQ(Count("Run_Sound_Requests"), 1);
    EXPECT_EQ(mousewheel, 0);
}

TEST_F(FrameLoop, SoundRequestsOnlyInModesTwoToFive) {
    Pass(5);
    for (int mode = 0; mode <= 5; mode++) {
        game_mode = mode;
        trace.clear();
        Pass(5);
        EXPECT_EQ(Count("Run_Sound_Requests"), mode >= 2 ? 1 : 0) << "mode " << mode;
    }
}

TEST_F(FrameLoop, CampScreenRunsOnItsSceneWithTheLongStep) {
    game_mode = MODE_FRONT;
    episode = 1;
    Pass(5);
    struct Case { int scene; const char* call; };
    const Case cases[] = {{7, "Run_Shop"}, {30, "Run_Shop"}, {25, "Run_Tent"}, {52, "Run_Stats"},
                          {31, "Run_Tunnel"}, {8, "Run_Gallery"}, {115, "Run_Gallery"},
                          {18, "Run_Cards"}, {24, "Run_Medals"}};
    for (const Case& c : cases) {
        scene = c.scene;
        trace.clear();
        Pass(150);  // a long step still runs the camp screen
        EXPECT_EQ(Count(c.call), 1) << "scene " << c.scene;
    }
    scene = 7;
    next_scene = true;
    trace.clear();
    Pass(5);
    EXPECT_EQ(Count("Run_Shop"), 0);
}

TEST_F(FrameLoop, CloseRequestEndsTheLoopAfterItsDelay) {
    Pass(5);
    quitting = true;
    quit_timer = Now() + 100;
    for (int i = 0; i < 20; i++) Pass(5);
    EXPECT_FALSE(done);
    for (int i = 0; i < 2; i++) Pass(5);
    EXPECT_TRUE(done);
    EXPECT_FALSE(quitting);
}

TEST_F(FrameLoop, DelayedSceneRequestIsRaisedOnceItsStampPasses) {
    Pass(5);
    next_scene_delay = 0;
    Pass(5);
    EXPECT_FALSE(next_scene);
    fade = 1;
    c_fade_out = 5;  // the raised request starts a fade-out, so it stays visible
    next_scene_delay = Now() + 20;
    Pass(10);
    EXPECT_FALSE(next_scene);
    Pass(15);
    EXPECT_TRUE(next_scene);
}

TEST_F(FrameLoop, MouseHoldAfterSixHundredMs) {
    Pass(5);
    mouseleft = true;
    Pass(5);
    EXPECT_FALSE(mouseheld);
    for (int i = 0; i < 59; i++) Pass(10);
    EXPECT_FALSE(mouseheld);
    Pass(11);
    EXPECT_TRUE(mouseheld);
    mouseleft = false;
    ply_shooting = true;
    Pass(5);
    EXPECT_FALSE(mouseheld);
    EXPECT_FALSE(ply_shooting);
    EXPECT_EQ(mouse_held_state, 0);
}

TEST_F(FrameLoop, ZoomWidensInWalkModeAndOnTheHudPage) {
    org_zoom_factor = 1.2f;
    game_mode = MODE_FRONT;
    Pass(5);
    EXPECT_FLOAT_EQ(zoom_factor, 1.2f);
    game_mode = MODE_WALK;
    Pass(5);
    EXPECT_FLOAT_EQ(zoom_factor, 1.3f);
    game_mode = MODE_NORM;
    episode = 0;
    scene = 3;
    Pass(5);
    EXPECT_FLOAT_EQ(zoom_factor, 1.3f);
}

TEST_F(FrameLoop, QuitMessageEndsTheLoopWithItsCode) {
    platform::PostQuitMessage(3);
    Loop_Pass();
    EXPECT_TRUE(done);
    EXPECT_EQ(wParam_last, 3);
}

TEST_F(FrameLoop, MessagePassDispatchesAndDelaysFrameWork) {
    Pass(5);
    platform::MSG key{platform::WM_KEYDOWN, 0x41, 0};
    platform::PostMessage(key);
    platform::AdvanceVirtualClock(5);
    trace.clear();
    Loop_Pass();  // the message is served, no frame work
    EXPECT_TRUE(trace.empty());
    Loop_Pass();  // then the frame pass
    EXPECT_EQ(Count("Key_Handler"), 1);
}

// The loop waits from one pass to the time Next_Step_Due gives. Passes between steps only
// repeat the last one, so jumping from due time to due time must run every step at the very
// millisecond that passes every quarter of a millisecond run it, with the same outcome: the
// wait neither skips a step nor delays one.
TEST_F(FrameLoop, WaitingForTheNextDueStepRunsEveryStepOnTime) {
    struct row {
        const char* what;
        float fade;
        bool mouse_held;
    } table[] = {
        {"drawing and swapping", 1.0f, false},
        {"nothing drawn", 0.0f, false},
        {"mouse button held", 1.0f, true},
    };
    constexpr double RUN_MS = 900.0;
    // Each change of a step's state, with the clock reading (microseconds) it happened at; the
    // loop polls every quarter of a millisecond, or waits for the next due step.
    auto run = [](const row& r, bool waiting, int& passes) {
        platform::UseVirtualClock(true);
        TimerInit();
        fade = r.fade;
        double_main_code = 0;
        mouseleft = r.mouse_held;
        mouse_held_state = 0;
        mouseheld = false;
        on_selected_man = 0;
        Start_Loop_Stamps();
        std::vector<std::string> changes;
        std::string last;
        passes = 0;
        seconds = 0;
        int same_time = 0;
        while (platform::VirtualClockMs() < RUN_MS) {
            Frame_Pass();
            passes++;
            const std::string state = std::to_string(Real_Time) + " " + std::to_string(AI_Time) + " " +
                                      std::to_string(Swap_Time) + " " + std::to_string(Key_Time) + " " +
                                      std::to_string(Code_Time) + " " + std::to_string(Main_Time) + " " +
                                      std::to_string(double_main_code) + " " + std::to_string(mouseheld) + " " +
                                      std::to_string(seconds);
            if (state != last) {
                changes.push_back(std::to_string((long)(platform::VirtualClockMs() * 1000.0)) + ": " + state);
                last = state;
            }
            // A pass takes no time on this clock: a step that a pass has made due at once (the
            // drawing after a swap) runs in the next pass, at the same reading, either way.
            const double now_ms = platform::VirtualClockMs(), due = Next_Step_Due();
            if (due <= now_ms && ++same_time < 10) continue;
            same_time = 0;
            platform::AdvanceVirtualClock(waiting && due > now_ms ? due - now_ms : 0.25);
        }
        return changes;
    };
    for (const row& r : table) {
        int polled_passes = 0, waited_passes = 0;
        const std::vector<std::string> polled = run(r, false, polled_passes);
        const std::vector<std::string> waited = run(r, true, waited_passes);
        EXPECT_EQ(waited, polled) << r.what;
        EXPECT_GT(polled.size(), 300u) << r.what;
        EXPECT_LT(waited_passes * 3, polled_passes) << r.what << ": the wait skips the idle passes";
    }
    mouseleft = false;
}

} // namespace
