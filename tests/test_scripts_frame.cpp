// The scene script routine: the block list and its guards, the order of the blocks and the
// cut-off after a scene request, the step machine, hover and armed buttons, the tooltip
// slot, scene requests with the act hub rule, slide to rest and the cosine ease; and that
// the routine leaves every scene alone while no block is plugged in.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/item_names.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"
#include "test_scene_fixture.h"
#include "test_scripts_page_fixture.h"

namespace {

// Which bodies ran, in order, by the number they were plugged in under.
std::vector<int> ran;
template <int K>
void Body(int) { ran.push_back(K); }
// A body that makes a scene request and then goes on (as blocks do).
template <int K>
void Requesting_Body(int) {
    ran.push_back(K);
    Scene_Request(1, 25, 0);
    ran.push_back(K * 1000);
}

class ScriptFrame : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        ran.clear();
        no_sprites = 10;
        game_mode = MODE_FRONT;
        fade = 1.0f;
        next_scene = false;
        mouseleft = false;
    }
    void TearDown() override { Free_Records(); }

    // A shown button at sprite id with its box at (1, 1)-(2, 1.5), in its first picture.
    static void Button(int id) {
        Show_Button(id);
        sprite[id].anim = 0;
    }
    static void Mouse(float x, float y) { Move_Mouse(x, y); }
};

TEST_F(ScriptFrame, BlockListHasEveryBlockInItsPlace) {
    struct Case { int e, s, number; };
    const Case cases[] = {
        {0, 0, 1},    {1, 93, 2},   {1, 53, 3},   {1, 118, 10}, {1, 139, 10}, {1, 61, 22},
        {1, 56, 53},  {1, 58, 53},  {1, 34, 56},  {3, 14, 57},  {1, 122, 58}, {0, 4, 63},
        {3, 21, 67},  {2, 8, 89},   {0, 5, 90},   {0, 1, 99},   {1, 4, 100},  {10, 0, 102},
        {3, 5, 103},  {0, 6, 104},  {3, 9, 106},  {3, 25, 114}, {2, 11, 115}, {1, 125, 116},
        {1, 134, 123}, {1, 135, 124}, {3, 12, 125}, {1, 131, 128}, {2, 0, 129},
        {1, 25, 0},   {5, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Script_Block_For(c.e, c.s), c.number) << c.e << "/" << c.s;
    // 3/9 has a second block further down.
    const script_block* b110 = Script_Block(110);
    ASSERT_NE(b110, nullptr);
    EXPECT_EQ(b110->episode, 3);
    EXPECT_EQ(b110->scenes[0], 9);
    EXPECT_EQ(Script_Block(101)->level, LVL_CONVOY);
    EXPECT_EQ(Script_Block(0), nullptr);
    EXPECT_EQ(Script_Block(130), nullptr);
}

TEST_F(ScriptFrame, GuardTestsKindBrightnessRequestAndScene) {
    struct Case {
        int number, mode, e, s, level;
        float fade;
        bool request, holds;
    };
    const Case cases[] = {
        {63, MODE_FRONT, 0, 4, 0, 0.7f, false, true},    // intro page, just bright enough
        {63, MODE_FRONT, 0, 4, 0, 0.69f, false, false},  // still fading in
        {63, MODE_WALK, 0, 4, 0, 1.0f, false, false},    // wrong kind
        {63, MODE_FRONT, 0, 4, 0, 1.0f, true, false},    // a request is pending
        {99, MODE_FRONT, 0, 1, 0, 0.5f, false, true},    // the main menu waits for half
        {99, MODE_FRONT, 0, 1, 0, 0.49f, false, false},
        {102, MODE_NORM, 10, 0, 0, 0.0f, false, true},   // no kind, no brightness term
        {1, MODE_CINE, 0, 0, 0, 0.0f, false, true},
        {10, MODE_FRONT, 1, 139, 0, 0.0f, false, true},  // second scene of a block
        {10, MODE_FRONT, 1, 140, 0, 0.0f, false, false},
        {100, MODE_WALK, 1, 4, 0, 0.0f, false, true},    // card table: front or walk
        {100, MODE_FRONT, 1, 4, 0, 0.0f, false, true},
        {100, MODE_CINE, 1, 4, 0, 0.0f, false, false},
        {101, MODE_WALK, 2, 4, LVL_CONVOY, 0.0f, false, true},  // any scene of the area
        {101, MODE_WALK, 2, 4, 9, 0.0f, false, false},
        {101, MODE_NORM, 2, 4, LVL_CONVOY, 0.0f, false, false},
        {129, MODE_WALK, 2, 0, 0, 0.0f, false, true},
        {129, MODE_WALK, 3, 0, 0, 0.0f, false, false},
    };
    for (const Case& c : cases) {
        game_mode = c.mode;
        episode = c.e;
        scene = c.s;
        Level = c.level;
        fade = c.fade;
        next_scene = c.request;
        EXPECT_EQ(Block_Guard(c.number), c.holds) << "block " << c.number << " fade " << c.fade;
    }
    EXPECT_FALSE(Block_Guard(0));
}

TEST_F(ScriptFrame, BlocksRunInListOrderAndARequestStopsTheLaterOnes) {
    // 3/9 has blocks 106 and 110; the convoy block 101 runs beside a scene's own block.
    Set_Script_Block(110, Body<110>);
    Set_Script_Block(106, Body<106>);
    Set_Script_Block(101, Body<101>);
    Set_Script_Block(64, Body<64>);
    game_mode = MODE_WALK;
    episode = 3;
    scene = 9;
    Level = LVL_CONVOY;
    Run_Scripts(16);
    EXPECT_EQ(ran, (std::vector<int>{101, 106, 110}));

    // Block 106 requests: it runs to its end, 110 does not run; 101 came earlier.
    ran.clear();
    Set_Script_Block(106, Requesting_Body<106>);
    Run_Scripts(16);
    EXPECT_EQ(ran, (std::vector<int>{101, 106, 106000}));
    EXPECT_TRUE(next_scene);

    // Nothing runs while the request is pending.
    ran.clear();
    Run_Scripts(16);
    EXPECT_TRUE(ran.empty());
}

TEST_F(ScriptFrame, WithNoBlocksTheRoutineChangesNothing) {
    std::vector<std::string> trace;
    call_trace = &trace;
    const int modes[] = {MODE_NORM, MODE_WALK, MODE_FRONT};
    for (int n = 1; n <= SCRIPT_BLOCK_COUNT; ++n) Set_Script_Block(n, nullptr);  // the bare frame
    for (int e = 0; e <= 10; ++e) {
        for (int s = 0; s < 150; ++s) {
            for (int mode : modes) {
                episode = e;
                scene = s;
                game_mode = mode;
                Level = LVL_CONVOY;
                title_sequence = 0;
                title_timer = 0;
                current_spawn = 7;
                counter[5].word[0] = 0;
                Run_Scripts(1);
                ASSERT_EQ(episode, e);
                ASSERT_EQ(scene, s);
                ASSERT_FALSE(next_scene);
                ASSERT_EQ(title_sequence, 0);
                ASSERT_EQ(current_spawn, 7);
                ASSERT_EQ(counter[5].word[0], 0);
            }
        }
    }
    call_trace = nullptr;
    EXPECT_EQ(trace.size(), 11u * 150u * 3u);
    EXPECT_EQ(trace.front(), "Run_Scripts");
}

TEST_F(ScriptFrame, TimedStepWaitsUntilStrictlyPastItsDueTime) {
    Advance_Ms(1000);
    title_sequence = 0;
    EXPECT_TRUE(Untimed_Step(0));
    Next_Step(500);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(title_timer, 1500);
    EXPECT_FALSE(Timed_Step(0));
    Advance_Ms(500);  // exactly due: one more millisecond to wait
    EXPECT_FALSE(Timed_Step(1));
    Advance_Ms(0.5);  // still the same whole millisecond
    EXPECT_FALSE(Timed_Step(1));
    Advance_Ms(0.5);
    EXPECT_TRUE(Timed_Step(1));
    EXPECT_FALSE(Timed_Step(2));
}

TEST_F(ScriptFrame, HoverButtonLightsCaptionsAndSoundsOncePerEntry) {
    Button(3);
    bool latch = false;
    Mouse(1.5f, 1.2f);
    EXPECT_FALSE(Hover_Button(3, "Skip^scene", latch));
    EXPECT_STREQ(counter[5].word, "Skip^scene");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
    EXPECT_EQ(sprite[3].anim, 1);
    EXPECT_TRUE(radio_sfx);
    EXPECT_TRUE(latch);

    radio_sfx = false;  // played by the main loop
    Hover_Button(3, "Skip^scene", latch, true);
    EXPECT_FALSE(radio_sfx);  // still on it: no second sound
    EXPECT_TRUE(msg_left);

    // A click is handed to the caller, who uses it up.
    mouseleft = true;
    EXPECT_TRUE(Hover_Button(3, "Skip^scene", latch));
    Use_Click(3);
    EXPECT_FALSE(mouseleft);
    EXPECT_EQ(sprite[3].anim, 0);

    // Off the button: unlit, latch cleared; the next entry sounds again.
    Mouse(2.5f, 1.2f);
    Hover_Button(3, "Skip^scene", latch);
    EXPECT_FALSE(latch);
    EXPECT_EQ(sprite[3].anim, 0);
    Mouse(1.5f, 1.2f);
    Hover_Button(3, "Skip^scene", latch);
    EXPECT_TRUE(radio_sfx);
}

TEST_F(ScriptFrame, ABoxEdgeIsOutsideAndAHiddenButtonIsLeftAlone) {
    Button(3);
    bool latch = false;
    const float edges[][2] = {{1.0f, 1.2f}, {2.0f, 1.2f}, {1.5f, 1.0f}, {1.5f, 1.5f}};
    for (auto& p : edges) {
        Mouse(p[0], p[1]);
        mouseleft = true;
        EXPECT_FALSE(Hover_Button(3, "Quit", latch)) << p[0] << "," << p[1];
        EXPECT_EQ(counter[5].word[0], 0);
        EXPECT_FALSE(radio_sfx);
    }

    // Not exactly shown: no caption, no sound, no look change, latch untouched.
    sprite[3].alpha = 0.99f;
    sprite[3].anim = 5;
    latch = true;
    Mouse(1.5f, 1.2f);
    EXPECT_FALSE(Hover_Button(3, "Quit", latch));
    EXPECT_EQ(counter[5].word[0], 0);
    EXPECT_TRUE(latch);
    EXPECT_EQ(sprite[3].anim, 5);
    Mouse(5.0f, 5.0f);
    latch = true;
    Hover_Button(3, "Quit", latch);
    EXPECT_TRUE(latch);

    // An index outside the scene's sprites is ignored.
    EXPECT_FALSE(Hover_Button(-1, "Quit", latch));
    EXPECT_FALSE(Hover_Button(no_sprites, "Quit", latch));
    EXPECT_FALSE(Hover_Button(MAX_SPRITES + 5, "Quit", latch));
}

TEST_F(ScriptFrame, ArmedButtonDropsEarlyClicksAndTakesALaterOne) {
    Button(1);
    bool latch = false;
    Mouse(1.5f, 1.2f);
    mouseleft = true;  // pending from the scene before
    title_sequence = 0;
    Arm_Page();
    EXPECT_EQ(title_sequence, 1);
    EXPECT_FALSE(Armed_Hover_Button(1, "Start^the_fight!", latch));
    EXPECT_FALSE(mouseleft);  // dropped

    Advance_Ms(500);
    mouseleft = true;
    EXPECT_FALSE(Armed_Hover_Button(1, "Start^the_fight!", latch));  // not yet past
    EXPECT_FALSE(mouseleft);

    Advance_Ms(1);
    mouseleft = true;
    EXPECT_TRUE(Armed_Hover_Button(1, "Start^the_fight!", latch));
    EXPECT_FALSE(mouseleft);

    // Not over the button: a click is left for others.
    Mouse(0.5f, 0.5f);
    mouseleft = true;
    EXPECT_FALSE(Armed_Hover_Button(1, "Start^the_fight!", latch));
    EXPECT_TRUE(mouseleft);

    // Outside step 1 no click is taken.
    Mouse(1.5f, 1.2f);
    title_sequence = 2;
    EXPECT_FALSE(Armed_Hover_Button(1, "Start^the_fight!", latch));
    EXPECT_FALSE(mouseleft);
}

TEST_F(ScriptFrame, TooltipTakesFormattedTextCutToItsSlot) {
    std::strcpy(player_name, "Alexander");
    Set_Tooltip(1, false, "%.7s&s^Stats", player_name);
    EXPECT_STREQ(counter[5].word, "Alexand&s^Stats");
    EXPECT_EQ(counter[5].length, 1);

    const std::string longer(3000, 'x');
    Set_Tooltip(4, true, "%s", longer.c_str());
    EXPECT_EQ(std::strlen(counter[5].word), sizeof counter[5].word - 1);
    EXPECT_EQ(counter[5].length, 4);
    EXPECT_TRUE(msg_left);
    Clear_Tooltip();
    EXPECT_EQ(counter[5].word[0], 0);

    // A caption with '%' in it is shown as it stands by the hover button.
    Button(2);
    bool latch = false;
    Mouse(1.5f, 1.2f);
    Hover_Button(2, "50\300_%s", latch);
    EXPECT_STREQ(counter[5].word, "50\300_%s");
}

TEST_F(ScriptFrame, SceneRequestsAndTheActHubRule) {
    current_spawn = 9;
    Scene_Request(1, 57);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 57);
    EXPECT_EQ(current_spawn, 9);
    EXPECT_TRUE(next_scene);

    const int hubs[][2] = {{1, 0}, {2, 3}, {3, 10}, {4, 11}};
    for (auto& h : hubs) {
        next_scene = false;
        current_act = h[0];
        Act_Hub_Request(30);
        EXPECT_EQ(episode, 2);
        EXPECT_EQ(scene, h[1]) << "act " << h[0];
        EXPECT_EQ(current_spawn, 30);
        EXPECT_TRUE(next_scene);
    }
    // An act no save can hold still leads to a hub that exists.
    EXPECT_EQ(Act_Hub_Scene(0), 0);
    EXPECT_EQ(Act_Hub_Scene(7), 0);

    // The burning camp stands in for the hub in acts 2 to 4 until flag 32 is set.
    struct Case { int act; char flag; bool burning; };
    const Case cases[] = {{1, 0, false}, {2, 0, true}, {4, 0, true}, {3, 1, false}};
    for (const Case& c : cases) {
        current_act = c.act;
        global_objects[32] = c.flag;
        Act_Hub_Request(1);
        EXPECT_EQ(Burning_Camp_Instead(), c.burning);
        EXPECT_EQ(episode, c.burning ? 1 : 2);
        EXPECT_EQ(scene, c.burning ? 48 : Act_Hub_Scene(c.act));
        EXPECT_EQ(current_spawn, 1);
    }
}

TEST_F(ScriptFrame, SlideToRestArrivesExactlyFromEitherSide) {
    sprite[4].x = 2.0f;
    sprite[4].width = 0.5f;
    Start_Slide(sprite[4].x, -sprite[4].width);
    EXPECT_FLOAT_EQ(script_start_x, 2.0f);
    EXPECT_FLOAT_EQ(sprite[4].x, 1.5f);
    int calls = 0;
    while (!Slide_To_Rest(sprite[4].x, script_start_x, 16 * 0.0006f)) {
        ASSERT_LT(sprite[4].x, 2.0f);
        ASSERT_LT(++calls, 100);
    }
    EXPECT_EQ(sprite[4].x, 2.0f);
    EXPECT_EQ(calls, 52);  // 0.5 / 0.0096 = 52.08: the 53rd step lands on the rest value

    // From above, moving down.
    float y = 3.0f;
    Start_Slide(y, 0.25f);
    EXPECT_FALSE(Slide_To_Rest(y, script_start_x, 0.1f));
    EXPECT_FLOAT_EQ(y, 3.15f);
    Slide_To_Rest(y, script_start_x, 0.1f);
    EXPECT_TRUE(Slide_To_Rest(y, script_start_x, 0.1f));
    EXPECT_EQ(y, 3.0f);
    EXPECT_TRUE(Slide_To_Rest(y, script_start_x, 0.1f));  // stays
}

TEST_F(ScriptFrame, CosineEaseSlowsToItsFloorPerCall) {
    cos_scroll = 0.0f;
    float first = Cosine_Ease(0.001f);
    EXPECT_FLOAT_EQ(cos_scroll, 0.001f);
    EXPECT_NEAR(first, 0.001f * std::cos(0.001f), 1e-9);
    for (int i = 0; i < 2000; ++i) Cosine_Ease(0.001f);
    EXPECT_FLOAT_EQ(cos_scroll, 1.5f);
    EXPECT_NEAR(Cosine_Ease(0.001f), 0.001f * 0.0707372f, 1e-7);
    EXPECT_FLOAT_EQ(cos_scroll, 1.5f);
}

TEST_F(ScriptFrame, AmbienceStopRaisesTheChosenStops) {
    Ambience_Stop();
    EXPECT_EQ(stop_woods_sfx + stop_waves_sfx + stop_wind_sfx + stop_airplane_sfx, 4);
    stop_woods_sfx = stop_waves_sfx = stop_wind_sfx = stop_airplane_sfx = 0;
    Ambience_Stop(false, true, false, false);
    EXPECT_EQ(stop_waves_sfx, 1);
    EXPECT_EQ(stop_woods_sfx + stop_wind_sfx + stop_airplane_sfx, 0);
}

// The generated boot scene asks for the title in its own load; the request then waits for
// the main loop (no block runs while it is pending).
class BootScene : public GeneratedSceneTest {};

TEST_F(BootScene, AsksForTheTitleInItsLoadAndWaits) {
    ASSERT_TRUE(gl_);
    episode = 10;
    scene = 0;
    ASSERT_TRUE(LoadScene(10, 0, false));
    for (int i = 0; i < 50; ++i) {
        Advance_Ms(16);
        Run_Scripts(16);
    }
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 0);
    EXPECT_TRUE(next_scene);
}

}  // namespace
