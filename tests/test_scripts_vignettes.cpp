// The short story scenes of episode 1 (125 to 136): the eight-second frame, the exits and
// returns with their state changes, the sounds and the sliding sprites.
#include <gtest/gtest.h>

#include <cstring>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/script_frame.h"
#include "scripts/scripts.h"
#include "scripts/story_scenes.h"
#include "support/virtual_clock.h"

namespace {

class Vignettes : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(1000);
        Allocate_Records();
        game_mode = MODE_FRONT;
        no_sprites = 20;
        std::memset(main_mission, 0, sizeof main_mission);
        stats_episode = 2;
        stats_scene = 7;
        current_main = 0;
        current_act = 1;
        new_mission = 5;
        Enter(125);
    }
    void TearDown() override { Free_Records(); }

    static void Enter(int s) {
        episode = 1;
        scene = s;
        fade = 1.0f;
        next_scene = false;
        in_stats = false;
        current_spawn = -1;
        title_sequence = 0;
        title_timer = 0;
    }
    // Runs ticks of `step` ms for `ms` milliseconds (the first tick at the current time).
    static void Run_For(int ms, int step = 100) {
        for (int t = 0; t < ms; t += step) {
            Run_Scripts(step);
            Advance_Ms(step);
        }
    }
};

TEST_F(Vignettes, EveryVignetteLastsEightSecondsAndLeadsOn) {
    struct exit_case {
        int scene;
        bool returns;
        int e, s, spawn;
        int figure_state;  // -1: the figure stays still
    };
    const exit_case cases[] = {
        {125, true, 2, 7, -1, ANIM_LOOP}, {126, true, 2, 7, -1, ANIM_LOOP},
        {127, true, 2, 7, -1, ANIM_LOOP}, {128, false, 3, 3, 33, ANIM_ONCE},
        {129, false, 3, 3, 18, ANIM_LOOP}, {130, false, 3, 3, 34, ANIM_LOOP},
        {131, false, 2, 2, 41, -1},       {132, true, 2, 7, -1, ANIM_LOOP},
        {133, false, 2, 8, 0, ANIM_LOOP}, {134, true, 2, 7, -1, ANIM_LOOP},
        {135, false, 3, 12, 10, ANIM_LOOP}, {136, true, 2, 7, -1, ANIM_LOOP},
    };
    for (const exit_case& c : cases) {
        SCOPED_TRACE(c.scene);
        Enter(c.scene);
        std::memset(&sprite[6], 0, sizeof(object));
        activate_bicycle = true;
        Run_Scripts(16);
        EXPECT_FALSE(activate_bicycle);
        Advance_Ms(4000);
        Run_Scripts(16);
        EXPECT_EQ(title_sequence, 1);  // exactly 4000 ms: not yet
        Advance_Ms(1);
        Run_Scripts(16);
        EXPECT_EQ(title_sequence, 2);
        if (c.figure_state < 0) {
            EXPECT_EQ(sprite[6].anim, 0);
        } else {
            EXPECT_EQ(sprite[6].anim, 1);
            EXPECT_EQ(sprite[6].anim_state, c.figure_state);
        }
        Advance_Ms(4000);
        Run_Scripts(16);
        EXPECT_FALSE(next_scene);
        Advance_Ms(1);
        Run_Scripts(16);
        ASSERT_TRUE(next_scene);
        EXPECT_EQ(episode, c.e);
        EXPECT_EQ(scene, c.s);
        EXPECT_EQ(in_stats, c.returns);
        if (!c.returns) { EXPECT_EQ(current_spawn, c.spawn); }
    }
}

TEST_F(Vignettes, WaitForTheFadeExceptScene135) {
    fade = 0.5f;
    Run_Scripts(16);
    EXPECT_EQ(title_sequence, 0);
    Enter(135);
    fade = 0.0f;
    Run_Scripts(16);
    EXPECT_EQ(title_sequence, 1);
    Enter(125);
    episode = 2;  // the scene number of another episode
    Run_Scripts(16);
    EXPECT_EQ(title_sequence, 0);
}

TEST_F(Vignettes, StateChangesAtTheExit) {
    // Scene 125 closes the training only while it is the current main mission.
    current_main = 4;
    Run_For(8400);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(new_mission, 5);
    EXPECT_FALSE(mission_training_is_done);
    Enter(125);
    current_main = 1;
    success_condition = 3;
    Run_For(8400);
    EXPECT_EQ(new_mission, 29);
    EXPECT_TRUE(mission_training_is_done);
    EXPECT_EQ(success_condition, 0);

    // Scene 131 promotes mission 7 only from accepted.
    const int before[] = {0, 1, 2, 3};
    const int after[] = {0, 1, 1, 3};
    for (int i = 0; i < 4; ++i) {
        Enter(131);
        main_mission[7] = before[i];
        Run_For(8400);
        EXPECT_EQ(main_mission[7], after[i]) << before[i];
    }

    Enter(130);
    Run_For(8400);
    EXPECT_EQ(current_act, 2);
    EXPECT_EQ(main_mission[6], 1);
    EXPECT_EQ(new_mission, 15);

    Enter(127);
    Run_Scripts(16);
    EXPECT_EQ(main_mission[3], 1);
    EXPECT_FLOAT_EQ(sprite[7].alpha, 1.0f);
}

TEST_F(Vignettes, SoundsAndTheWhiteFlash) {
    Enter(133);
    lightswitch_sfx = stolen_sfx = red_swipe = false;
    swipe_color = 1;
    Run_For(4200);
    EXPECT_TRUE(lightswitch_sfx);
    EXPECT_TRUE(stolen_sfx);
    EXPECT_TRUE(red_swipe);
    EXPECT_EQ(swipe_color, 4);
    EXPECT_EQ(red_timer, 1000 + 4100 + 100);  // the tick at 4100 ms acted

    Enter(136);
    whistle_sfx = tada_sfx = false;
    Run_Scripts(16);
    EXPECT_TRUE(whistle_sfx);
    EXPECT_FALSE(tada_sfx);
}

TEST_F(Vignettes, SeagullCallsOnceWhileTheSpriteCrosses) {
    Enter(126);
    sprite[3].x = 1.0f;
    sprite[3].width = 0.5f;
    sprite[10].x = 0.0f;
    sprite[10].width = 0.2f;
    const int start = Now();
    int calls = 0, first_call = -1;
    for (int t = 0; t < 3900; t += 100) {
        seagull_sfx = false;
        Run_Scripts(100);
        if (seagull_sfx) {
            ++calls;
            if (first_call < 0) first_call = Now() - start;
        }
        Advance_Ms(100);
    }
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(first_call, 3600);  // the first tick more than 3500 ms after the start
    EXPECT_TRUE(pigeon_direction);
    // Stopped on the first tick past sprite 3's x + width + its own width (1.7).
    EXPECT_GT(sprite[10].x, 1.7f);
    EXPECT_LT(sprite[10].x, 1.7f + 0.1f + 1e-4f);
}

TEST_F(Vignettes, GatherersStopOnTheirAnchors) {
    Enter(127);
    sprite[6].x = 1.0f;
    sprite[6].width = 0.5f;  // right edge 1.5
    sprite[7].x = 1.4f;      // already past its anchor: put on it at once
    sprite[8].x = 3.0f;      // anchor 1.8
    sprite[10].x = 0.0f;     // anchor 0.9
    sprite[13].x = 0.5f;     // already past its anchor 0.4
    Run_Scripts(16);
    EXPECT_FLOAT_EQ(sprite[7].x, 1.5f);
    EXPECT_FLOAT_EQ(sprite[13].x, 0.4f);
    EXPECT_NEAR(sprite[8].x, 3.0f - 0.0003f * 16, 1e-6f);
    EXPECT_NEAR(sprite[10].x, 0.0004f * 16, 1e-6f);
    Run_For(7000, 500);
    EXPECT_FLOAT_EQ(sprite[8].x, 1.8f);
    EXPECT_FLOAT_EQ(sprite[10].x, 0.9f);
}

TEST_F(Vignettes, Scene135SlidesBackThenTheCrowsFly) {
    Enter(135);
    sprite[6].x = sprite[6].w = 1.0f;
    sprite[6].box_width = 0.2f;
    sprite[7].x = sprite[8].x = 2.0f;
    Run_Scripts(0);
    EXPECT_FLOAT_EQ(script_start_x, 1.0f);
    EXPECT_FLOAT_EQ(sprite[6].x, 1.2f);
    EXPECT_FALSE(pigeon_direction);
    Run_For(700, 100);  // 0.03 per tick: at rest on the seventh
    EXPECT_TRUE(pigeon_direction);
    EXPECT_LE(sprite[6].w, 1.0f);
    EXPECT_GT(sprite[6].w, 1.0f - 0.03f);
    const float rest = sprite[6].w;
    Run_For(3000, 100);
    EXPECT_FLOAT_EQ(sprite[6].w, rest);

    // Step 2: the crows call at once and then every 1000 ms.
    int calls = 0;
    for (int t = 0; t < 3000; t += 100) {
        crow1_sfx = false;
        Run_Scripts(100);
        calls += crow1_sfx ? 1 : 0;
        Advance_Ms(100);
    }
    EXPECT_EQ(title_sequence, 2);
    EXPECT_EQ(calls, 3);
    EXPECT_LT(sprite[8].x, 2.0f);
    EXPECT_GT(sprite[7].x, 2.0f);
    EXPECT_FLOAT_EQ(sprite[7].y, 0.0f);
}

TEST_F(Vignettes, Scene129SpritesRiseAndScene130SpritesPart) {
    Enter(129);
    Run_For(1000, 100);
    for (int k = 9; k <= 15; ++k) EXPECT_LT(sprite[k].y, 0.0f) << k;
    EXPECT_FLOAT_EQ(sprite[8].y, 0.0f);

    Enter(130);
    sprite[8].x = sprite[9].x = 1.0f;
    Run_For(4000, 100);
    EXPECT_FLOAT_EQ(sprite[8].x, 1.0f);  // still in step 1
    Run_For(1000, 100);
    EXPECT_GT(sprite[8].x, 1.0f);
    EXPECT_LT(sprite[9].x, 1.0f);
}

}  // namespace
