// The scripted traffic of the camps of acts 1 and 4 (episode 2 scenes 0 and 11): random
// start, quit box, arrival and new looks, knocking the player down; and the act-1 camp's
// markers, target arrow, trigger pose and sprites that follow the main mission.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/script_frame.h"
#include "scripts/story_scenes.h"
#include "support/scene_start.h"
#include "support/virtual_clock.h"
#include "world/world_clock.h"

namespace {

constexpr float STEP = 1.2f * 0.00016f;  // world units a mover covers per millisecond

class Traffic : public ::testing::Test {
protected:
    void SetUp() override {
        Start_Walk_Scene(2, 11);
        change_guys_timer = 0;
        cpatrol_count = 0;
        no_points = 50;
        p1_id = -1;
        current_main = -1;
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_objects, 0, sizeof global_objects);
        arrow_point = -1;
        trigger_hit = -1;
        drown_sfx = false;
        // Route from point 1 (0, 0) to point 2 (2, 0).
        points[1] = {};
        points[2] = {};
        points[2].x = 2.0f;
    }
    void TearDown() override { Free_Records(); }

    // Mover k with a 0.1 box whose centre is at (cx, cy), driving from point 1 to point 2.
    static void Mover(int k, float cx, float cy, int anim = 0) {
        object& o = sprite[k];
        o.box_width = o.box_height = 0.1f;
        o.w = o.x = cx - 0.05f;
        o.z = o.y = cy - 0.05f;
        o.score = 1;
        o.linked_sprite = 2;
        o.anim = anim;
        o.type = BUD;
        cpatrol_list[cpatrol_count++] = k;
    }
    static float Centre_X(int k) { return sprite[k].w + sprite[k].box_width / 2; }
    static void Player(float cx, float cy, int status = 3) {
        p1_id = 1;
        sprite[1].box_width = sprite[1].box_height = 0.2f;
        sprite[1].w = cx - 0.1f;
        sprite[1].z = cy - 0.1f;
        sprite[1].status = status;
    }
    // The first tick picks the start; the clock then moves past it.
    static void Start_Traffic() {
        Run_Scripts(0);
        ASSERT_EQ(title_sequence, 1);
        Advance_Ms(title_timer - Now() + 1);
    }
};

TEST_F(Traffic, WaitsForItsRandomStartAndForTheQuitBox) {
    Mover(10, 0.5f, 0.0f);
    srand(7);
    Run_Scripts(16);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_GE(title_timer, Now());
    EXPECT_LT(title_timer, Now() + 32000);
    EXPECT_FLOAT_EQ(Centre_X(10), 0.5f);  // nothing moves on the first tick

    Advance_Ms(title_timer - Now());  // exactly on the due time: not yet past it
    Run_Scripts(16);
    EXPECT_FLOAT_EQ(Centre_X(10), 0.5f);

    Advance_Ms(1);
    quit_active = true;
    Run_Scripts(16);
    EXPECT_FLOAT_EQ(Centre_X(10), 0.5f);
    quit_active = false;
    Run_Scripts(16);
    EXPECT_NEAR(Centre_X(10), 0.5f + 16 * STEP, 1e-6f);
    EXPECT_NEAR(sprite[10].x, 0.45f + 16 * STEP, 1e-6f);
}

TEST_F(Traffic, ArrivalJumpsToTheStartWithALookFromTheCurrentPair) {
    Start_Traffic();
    // Arrival uses the half sum of the coordinate differences: (0.12 + 0.06) / 2 = 0.09
    // arrives although the straight line is 0.134.
    Mover(10, 1.88f, 0.06f, 2);
    Mover(11, 1.5f, 0.0f, 5);  // far from its end point
    points[1].x = 0.3f;
    points[1].y = 0.4f;
    Run_Scripts(0);
    EXPECT_FLOAT_EQ(sprite[10].x, 0.3f);
    EXPECT_FLOAT_EQ(sprite[10].y, 0.4f);
    EXPECT_FLOAT_EQ(sprite[10].w, 0.3f);
    EXPECT_FLOAT_EQ(sprite[10].z, 0.4f);
    EXPECT_EQ(change_guys_timer, Now() + 7000);
    EXPECT_GE(chasers, 0);
    EXPECT_LE(chasers, 3);
    EXPECT_GE(runners, 4);
    EXPECT_LE(runners, 7);
    EXPECT_EQ(sprite[10].anim, chasers);  // it had a chaser look (3 or less)
    EXPECT_FLOAT_EQ(sprite[11].x, 1.45f); // not there yet

    // Within 7000 ms a second arrival takes its look from the same pair.
    const int pair_chasers = chasers, pair_runners = runners, due = change_guys_timer;
    Advance_Ms(6000);
    sprite[11].w = sprite[11].x = 1.95f;
    Run_Scripts(0);
    EXPECT_EQ(change_guys_timer, due);
    EXPECT_EQ(chasers, pair_chasers);
    EXPECT_EQ(sprite[11].anim, pair_runners);
    EXPECT_FLOAT_EQ(sprite[11].x, 0.3f);
}

TEST_F(Traffic, KnocksThePlayerDownOnceUntilHeIsUpAgain) {
    Start_Traffic();
    Mover(10, 1.0f, 0.0f);
    Player(1.06f, 0.06f);  // half sum 0.06; straight line 0.085
    Run_Scripts(0);
    EXPECT_EQ(sprite[1].status, 72);
    EXPECT_TRUE(sprite[1].update);
    EXPECT_EQ(sprite[1].anim_state, ANIM_STOPPED);
    EXPECT_EQ(sprite[1].all_timer, Now() + 3000);
    EXPECT_TRUE(drown_sfx);

    drown_sfx = false;
    Advance_Ms(500);
    Run_Scripts(0);
    EXPECT_FALSE(drown_sfx);
    EXPECT_EQ(sprite[1].all_timer, Now() - 500 + 3000);

    sprite[1].status = 3;  // the unit AI stood him up
    Run_Scripts(0);
    EXPECT_TRUE(drown_sfx);
    EXPECT_EQ(sprite[1].all_timer, Now() + 3000);

    // Half sum 0.075 is beyond reach.
    sprite[1].status = 3;
    drown_sfx = false;
    Player(1.15f, 0.0f);
    Run_Scripts(0);
    EXPECT_EQ(sprite[1].status, 3);
    EXPECT_FALSE(drown_sfx);
}

TEST_F(Traffic, BadListsAndRoutesAreSkipped) {
    Start_Traffic();
    Mover(10, 1.0f, 0.0f);
    sprite[10].linked_sprite = 400;  // end point outside the scene's points
    cpatrol_list[1] = 9999;          // a listed index outside the sprites
    cpatrol_count = 55;              // a count beyond the list
    Run_Scripts(16);
    EXPECT_FLOAT_EQ(Centre_X(10), 1.0f);
    cpatrol_count = 0;
    Mover(10, 1.0f, 0.0f);
    Run_Scripts(16);
    EXPECT_GT(Centre_X(10), 1.0f);
}

TEST_F(Traffic, Act4CampPointsAtTheOfficerOnceTheMissionIsDone) {
    current_main = 3;
    main_mission[3] = 2;
    Run_Scripts(0);
    EXPECT_EQ(arrow_point, -1);
    main_mission[3] = 1;
    Run_Scripts(0);
    EXPECT_EQ(arrow_point, 123);
}

class Act1Camp : public Traffic {
protected:
    void SetUp() override {
        Traffic::SetUp();
        scene = 0;
        no_sprites = 150;
        for (int k : {7, 26, 31, 32, 35}) points[k].active = true;
    }
    static int Points_On() {
        int on = -1, n = 0;
        for (int k : {7, 26, 31, 32, 35})
            if (points[k].active) {
                on = k;
                ++n;
            }
        return n > 1 ? -2 : on;
    }
};

TEST_F(Act1Camp, AcceptedMissionsSwitchOneMarkerAndAimTheArrow) {
    struct mission_case {
        int m, state, flag14, flag13;
        int point, arrow;  // point -1: all five off
    };
    const mission_case cases[] = {
        {1, 2, 0, 0, 7, 70},   {2, 2, 0, 0, 26, 73},  {3, 2, 0, 0, 26, 73},
        {4, 2, 1, 0, 35, 42},  {4, 2, 0, 1, 26, 73},  {5, 2, 0, 1, 35, 42},
        {6, 2, 1, 0, 26, 73},  {3, 1, 0, 0, -1, 140}, {7, 2, 1, 1, -1, -1},
        {2, 3, 0, 0, -1, -1},
    };
    for (const mission_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mission " << c.m << " state " << c.state);
        std::memset(main_mission, 0, sizeof main_mission);
        global_objects[60] = 1;  // 31 and 32 stay off
        global_objects[14] = (char)c.flag14;
        global_objects[13] = (char)c.flag13;
        current_main = c.m;
        main_mission[c.m] = c.state;
        arrow_point = -1;
        Run_Scripts(0);
        EXPECT_EQ(Points_On(), c.point);
        EXPECT_EQ(arrow_point, c.arrow);
        EXPECT_EQ(points[5].c1, MAP_HQ_PNT);
    }
}

TEST_F(Act1Camp, StoryFlag60SetsTheCampsideMarkers) {
    sprite[72].alpha = 1.0f;
    global_objects[60] = 0;
    Run_Scripts(0);
    EXPECT_EQ(Points_On(), 31);
    EXPECT_EQ(points[5].c1, GLOBAL_SIDE_PNT);
    EXPECT_TRUE(sprite[123].moving);
    EXPECT_EQ(arrow_point, 140);

    global_objects[60] = 2;
    Run_Scripts(0);
    EXPECT_EQ(Points_On(), 32);
    EXPECT_EQ(points[5].c1, MAP_HQ_PNT);
    EXPECT_FALSE(sprite[123].moving);
    EXPECT_EQ(arrow_point, 123);

    // Flag 1 before mission 1 is given: sprite 72 gone, the campside marker again.
    global_objects[60] = 1;
    current_main = 1;
    Run_Scripts(0);
    EXPECT_TRUE(sprite[72].mouseover);
    EXPECT_FLOAT_EQ(sprite[72].alpha, 0.0f);
    EXPECT_EQ(Points_On(), 31);
    EXPECT_EQ(points[5].c1, GLOBAL_SIDE_PNT);
    EXPECT_EQ(arrow_point, 140);
}

TEST_F(Act1Camp, CampSpritesFollowFlagsAndDaylight) {
    global_objects[66] = 1;
    daytime = true;
    shop_id = 5;
    Run_Scripts(0);
    EXPECT_EQ(shop_id, 0);
    EXPECT_EQ(sprite[42].anim, 2);
    EXPECT_TRUE(sprite[42].grab_switch);
    EXPECT_FALSE(sprite[42].moving);
    EXPECT_EQ(sprite[15].anim, 4);

    global_objects[66] = 0;
    daytime = false;
    Run_Scripts(0);
    EXPECT_EQ(sprite[42].anim, 0);
    EXPECT_FALSE(sprite[42].grab_switch);
    EXPECT_TRUE(sprite[42].moving);
    EXPECT_EQ(sprite[15].anim, 19);
    EXPECT_EQ(sprite[15].anim_state, ANIM_LOOP);
}

TEST_F(Act1Camp, TriggerPutsAnIdlePlayerIntoThePose) {
    Player(5.0f, 5.0f, 3);
    trigger_hit = 4;
    Run_Scripts(0);
    EXPECT_EQ(sprite[1].status, 71);
    EXPECT_TRUE(sprite[1].update);
    EXPECT_EQ(trigger_hit, -1);

    sprite[1].status = 27;  // walking: the trigger is used up, no pose
    trigger_hit = 4;
    Run_Scripts(0);
    EXPECT_EQ(sprite[1].status, 27);
    EXPECT_EQ(trigger_hit, -1);
}

TEST_F(Act1Camp, TrafficRunsHereToo) {
    Mover(10, 0.5f, 0.0f);
    Start_Traffic();
    Run_Scripts(16);
    EXPECT_GT(Centre_X(10), 0.5f);
}

}  // namespace
