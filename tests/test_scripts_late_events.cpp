// Late level events of episode 3: the shaking fortress (scenes 22 and 23) with its thuds,
// torch tiles of the drawn window and switched markers; the target scenes 24 and 25 with
// their count, success and later visits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/speech.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/level_events.h"
#include "scripts/script_frame.h"
#include "scripts/story_scenes.h"
#include "support/scene_start.h"
#include "support/virtual_clock.h"

namespace {

class LateEvents : public ::testing::Test {
protected:
    void SetUp() override {
        Start_Walk_Scene(3, 22);
        thud_timer = 0;
        no_points = 20;
        no_fx = 0;
        p1_id = -1;
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(tiles, 0, sizeof tiles);
        MAP_WIDTH = MAP_HEIGHT = 150;
        MAP_TILES = 22500;
        map_startX = map_startY = 0.0f;
        camX = camY = -1.0f;  // centre cell (10, 10)
        zoom_factor = 1.0f;
        sc_ratio = 0.75f;      // a window 28 wide and 19 high: columns 0-27, rows 2-20
        clank_sfx = torch_sfx = door_open_sfx = false;
        exploding_id = -1;
    }
    void TearDown() override { Free_Records(); }

    static void Tile(int row, int col, int code) { tiles[row * MAP_HEIGHT + col] = code; }
};

TEST_F(LateEvents, TorchTilesOnlyInsideTheDrawnWindow) {
    Tile(5, 3, 390);    // inside
    Tile(20, 27, 440);  // last row and column of the window
    Tile(21, 5, 392);   // a row below
    Tile(1, 5, 394);    // a row above
    Tile(5, 28, 438);   // a column to the right
    Tile(6, 6, 391);    // not a torch
    Torch_Tiles();
    ASSERT_EQ(no_fx, 2);
    EXPECT_TRUE(torch_sfx);
    EXPECT_EQ(Fx[0].anim, 27);
    EXPECT_NEAR(Fx[0].x, 0.3f, 1e-5f);
    EXPECT_NEAR(Fx[0].y, 0.5f, 1e-5f);
    EXPECT_EQ(Fx[0].type, 15);
    EXPECT_EQ(Fx[1].anim, 28);
    EXPECT_NEAR(Fx[1].x, 2.7f, 1e-5f);
    EXPECT_NEAR(Fx[1].y, 2.0f, 1e-5f);
}

TEST_F(LateEvents, TorchWindowAtTheMapEdgeStaysOnTheMap) {
    camX = -17.0f;  // centre column 170: the window starts beyond the 150 columns
    camY = -17.0f;
    tiles[149 * 150 + 149] = 390;
    Torch_Tiles();  // no read past the grid
    EXPECT_EQ(no_fx, 0);
    camX = -14.5f;  // centre 145: the last column and row are drawn
    camY = -14.5f;
    Torch_Tiles();
    EXPECT_EQ(no_fx, 1);
}

TEST_F(LateEvents, FortressWithTheFlagDownOnlySwitchesMarkers) {
    Tile(5, 3, 390);
    for (scene = 22; scene <= 23; ++scene) {
        title_sequence = 0;
        start_sequence = 0;
        for (int t = 0; t < 10; ++t) {
            Run_Scripts(16);
            Advance_Ms(1000);
        }
        EXPECT_FALSE(clank_sfx);
        EXPECT_EQ(no_fx, 0);
    }
    scene = 22;
    Run_Scripts(16);
    EXPECT_TRUE(points[4].active);
    EXPECT_FALSE(points[5].active);
    scene = 23;
    Run_Scripts(16);
    EXPECT_TRUE(points[2].active);
    EXPECT_FALSE(points[3].active);
}

TEST_F(LateEvents, HallThudsAndTorchesOnTheirBeat) {
    global_objects[20] = 1;
    global_objects[30] = 1;
    Tile(5, 3, 390);
    srand(3);
    Run_Scripts(16);
    EXPECT_TRUE(clank_sfx);
    EXPECT_GT(thud_timer, Now() - 1);
    EXPECT_LT(thud_timer, Now() + 4000);
    EXPECT_EQ(no_fx, 1);  // torches on the first tick
    EXPECT_TRUE(points[5].active);
    EXPECT_FALSE(points[4].active);
    EXPECT_TRUE(sprite[123].mouseover);
    EXPECT_TRUE(sprite[123].turn_off);
    EXPECT_FALSE(sprite[124].turn_off);

    Advance_Ms(2001);
    Run_Scripts(16);  // step 1: only time
    EXPECT_EQ(no_fx, 1);
    Advance_Ms(1000);
    Run_Scripts(16);
    EXPECT_EQ(no_fx, 1);
    Advance_Ms(501);  // 3502 ms after the first
    Run_Scripts(16);
    EXPECT_EQ(no_fx, 2);

    clank_sfx = false;
    thud_timer = Now() + 50;
    Run_Scripts(16);
    EXPECT_FALSE(clank_sfx);
}

TEST_F(LateEvents, VaultSetUpAndChangedLooks) {
    scene = 23;
    global_objects[20] = 1;
    global_objects[30] = 1;
    for (int k = 185; k <= 189; ++k) {
        sprite[k].score = 5;
        sprite[k].turn_off = true;
    }
    sprite[179].score = 4;
    sprite[179].base_anim = 2;
    Run_Scripts(16);
    EXPECT_FALSE(sprite[185].turn_off);
    EXPECT_FALSE(sprite[186].turn_off);
    for (int k = 187; k <= 189; ++k) EXPECT_TRUE(sprite[k].turn_off) << k;
    EXPECT_EQ(sprite[179].score, 0);
    EXPECT_EQ(sprite[179].anim, 3);
    EXPECT_EQ(sprite[180].score, 0);  // flag 31 down: untouched (was 0)
    for (int k : {184, 151}) {
        EXPECT_TRUE(sprite[k].mouseover);
        EXPECT_TRUE(sprite[k].turn_off);
    }
    EXPECT_TRUE(points[3].active);
    EXPECT_FALSE(points[2].active);
    EXPECT_EQ(start_sequence, 1);
}

TEST_F(LateEvents, VaultWithTheFlagDownSwitchesOffOnlyLivingGuards) {
    scene = 23;
    sprite[185].score = 5;
    sprite[186].score = 0;  // dead: left as it is
    Run_Scripts(16);
    EXPECT_TRUE(sprite[185].turn_off);
    EXPECT_FALSE(sprite[186].turn_off);
}

class TargetScenes : public LateEvents {
protected:
    void SetUp() override {
        LateEvents::SetUp();
        scene = 24;
        hud[3].x = 0.5f;
        hud[3].y = 0.4f;
        for (int k = 6; k <= 15; ++k) Target(k);
        for (int k = 71; k <= 73; ++k) Target(k);
        global_objects[34] = global_objects[35] = 0;
        p1_id = 1;
        sprite[1].status = 3;
        dialog_active = -1;
    }
    static void Target(int k) {
        sprite[k].score = 3;
        sprite[k].grab_switch = true;
        sprite[k].base_anim = 1;
    }
    static std::string Count() { return counter[3].word; }
};

TEST_F(TargetScenes, TrenchCountFallsToSuccess) {
    Run_Scripts(16);
    EXPECT_EQ(Count(), "10");
    EXPECT_NEAR(counter[3].x, 0.62f, 1e-6f);
    EXPECT_NEAR(counter[3].y, 0.46f, 1e-6f);
    EXPECT_FLOAT_EQ(counter[3].width, 0.01f);
    EXPECT_FLOAT_EQ(counter[3].height, 0.03f);
    EXPECT_TRUE(points[11].active && points[12].active && points[13].active);

    sprite[8].score = sprite[9].score = 0;
    Run_Scripts(16);
    EXPECT_EQ(Count(), "8");
    EXPECT_FALSE(points[11].active);
    EXPECT_TRUE(points[12].active);

    const int order[] = {6, 7, 10, 11, 12, 13, 14};
    for (int k : order) {
        sprite[k].score = 0;
        Run_Scripts(16);
    }
    EXPECT_EQ(Count(), "1");
    EXPECT_FALSE(door_open_sfx);
    EXPECT_EQ(global_objects[34], 0);
    EXPECT_TRUE(points[13].active);  // 15 stands

    sprite[15].score = 0;
    Run_Scripts(16);
    EXPECT_EQ(Count(), "0");
    EXPECT_TRUE(door_open_sfx);
    EXPECT_EQ(global_objects[34], 1);
    EXPECT_EQ(dialog_active, 1);
    EXPECT_FALSE(points[11].active || points[12].active || points[13].active);
}

TEST_F(TargetScenes, LaterVisitFindsTheTargetsDestroyed) {
    for (int s : {24, 25}) {
        SCOPED_TRACE(s);
        scene = s;
        title_sequence = 0;
        global_objects[34] = global_objects[35] = 1;
        door_open_sfx = false;
        Run_Scripts(16);
        const int first = s == 24 ? 6 : 71, last = s == 24 ? 15 : 73;
        for (int k = first; k <= last; ++k) {
            EXPECT_EQ(sprite[k].score, 0) << k;
            EXPECT_FALSE(sprite[k].grab_switch) << k;
            EXPECT_EQ(sprite[k].anim, 3) << k;
        }
        EXPECT_EQ(Count(), "0");
        EXPECT_FALSE(door_open_sfx);
        EXPECT_EQ(dialog_active, -1);
        EXPECT_EQ(title_sequence, 1);
    }
}

TEST_F(TargetScenes, DepotFallsTogetherWithABlastChain) {
    scene = 25;
    Run_Scripts(16);
    EXPECT_EQ(Count(), "3");
    EXPECT_TRUE(points[15].active);

    sprite[72].score = 0;
    Run_Scripts(16);
    EXPECT_EQ(Count(), "0");
    for (int k = 71; k <= 73; ++k) EXPECT_EQ(sprite[k].score, 0) << k;
    EXPECT_EQ(exploding_id, 73);
    EXPECT_EQ(exploding_timer, Now() + 100);
    EXPECT_EQ(exploding_count, 0);
    EXPECT_TRUE(door_open_sfx);
    EXPECT_EQ(global_objects[35], 1);

    door_open_sfx = false;  // once raised the flag keeps it quiet and the marker off
    Run_Scripts(16);
    EXPECT_FALSE(door_open_sfx);
    EXPECT_FALSE(points[15].active);
    EXPECT_EQ(Count(), "0");
}

TEST_F(TargetScenes, SuccessWithoutAPlayerStillRaisesTheFlag) {
    p1_id = -1;
    for (int k = 6; k <= 15; ++k) sprite[k].score = 0;
    title_sequence = 1;
    Run_Scripts(16);
    EXPECT_EQ(global_objects[34], 1);
    EXPECT_EQ(dialog_active, -1);
}

}  // namespace
