// The level events' tools: tunnel entrances, two-point patrols, objective markers, hiding
// objects, the success pose, the cleared-bunker sweep, the enemy counter, explosion chains
// (through the unit AI that runs them), the delayed remark and collectible medals.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "combat/medals.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/missions.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"

namespace {

class LevelHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        no_sprites = 120;
        no_points = 10;
        trigger_counter = 0;
        p1_id = -1;
        lock_player = false;
        // Unit 112 with its collision box centred on (1, 1).
        Unit(112, 1.0f, 1.0f);
        Unit(37, 1.0f, 1.0f);
        Unit(103, 1.0f, 1.0f);
        Unit(5, 1.0f, 1.0f);
        points[2] = {};
        points[2].x = 1.0f;
        points[2].y = 1.0f;
        points[3] = {};
        points[3].x = 4.0f;
        points[3].y = 6.0f;
    }
    void TearDown() override { Free_Records(); }

    static void Unit(int k, float cx, float cy) {
        sprite[k].box_width = 0.2f;
        sprite[k].box_height = 0.4f;
        sprite[k].w = cx - 0.1f;
        sprite[k].z = cy - 0.2f;
        sprite[k].status = 3;
        sprite[k].turning = true;
        sprite[k].anim_state = 2;
    }
};

TEST_F(LevelHelpers, MakeTunnelOpensAnEntranceAndListsIt) {
    sprite[8].type = 3;
    sprite[8].base_anim = 2;
    sprite[8].priority = 1;
    sprite[8].sector = 7;
    sprite[8].score = 12;
    sprite[8].onCreate = 4;
    sprite[8].linked_sprite = 9;
    trigger_counter = 3;
    Make_Tunnel(8);
    EXPECT_EQ(sprite[8].type, LAD);
    EXPECT_EQ(sprite[8].priority, 5);
    EXPECT_EQ(sprite[8].linked_sprite, 0);
    EXPECT_EQ(sprite[8].sector, LVL_TUNNEL);
    EXPECT_EQ(sprite[8].onCreate, 0);
    EXPECT_EQ(sprite[8].score, 12);  // its spawn point stays
    EXPECT_EQ(sprite[8].anim, 4);    // third animation, once and held
    EXPECT_EQ(sprite[8].anim_state, ANIM_ONCE_HOLD);
    EXPECT_EQ(trigger_counter, 4);
    EXPECT_EQ(trigger_list[3], 8);

    // A full list still gets the entrance converted, but no entry.
    trigger_counter = TRIGGER_LIST_SIZE;
    sprite[9].type = 3;
    Make_Tunnel(9);
    EXPECT_EQ(sprite[9].type, LAD);
    EXPECT_EQ(trigger_counter, TRIGGER_LIST_SIZE);

    // An index outside the scene changes nothing.
    trigger_counter = 0;
    Make_Tunnel(-1);
    Make_Tunnel(no_sprites);
    Make_Tunnel(100000);
    EXPECT_EQ(trigger_counter, 0);
}

TEST_F(LevelHelpers, CheckPatrolSendsTheUnitOnOnlyWithinAQuarterUnit) {
    struct Case { float dx; bool sent; };
    const Case cases[] = {{0.25f, false}, {0.2499f, true}, {0.0f, true}, {1.0f, false}};
    for (const Case& c : cases) {
        Unit(112, 1.0f + c.dx, 1.0f);
        sprite[112].status = 3;
        patroling1 = -5;
        Check_Patrol(112, 2, 3);
        SCOPED_TRACE(c.dx);
        EXPECT_EQ(sprite[112].status == STATUS_WALK, c.sent);
        EXPECT_EQ(patroling1 == 2, c.sent);
        if (c.sent) {
            EXPECT_FLOAT_EQ(sprite[112].end_x, 4.0f);
            EXPECT_FLOAT_EQ(sprite[112].end_y, 6.0f);
            EXPECT_FLOAT_EQ(sprite[112].mov_x, 4.0f);
            EXPECT_FLOAT_EQ(sprite[112].mov_y, 6.0f);
            EXPECT_TRUE(sprite[112].update);
            EXPECT_TRUE(sprite[112].moving);
            EXPECT_FALSE(sprite[112].turning);
            EXPECT_EQ(sprite[112].anim_state, 0);
        }
    }
    // Each patrolling unit has its own record; others have none.
    patroling2 = patroling3 = 0;
    Check_Patrol(37, 2, 3);
    Check_Patrol(103, 2, 3);
    EXPECT_EQ(patroling2, 2);
    EXPECT_EQ(patroling3, 2);
    patroling1 = patroling2 = patroling3 = 0;
    Check_Patrol(5, 2, 3);
    EXPECT_EQ(sprite[5].status, STATUS_WALK);
    EXPECT_EQ(patroling1 + patroling2 + patroling3, 0);

    // Points or units outside the scene are ignored.
    Unit(112, 1.0f, 1.0f);
    Check_Patrol(112, 2, no_points);
    Check_Patrol(112, -1, 3);
    Check_Patrol(112, 2, 5000);
    Check_Patrol(900, 2, 3);
    EXPECT_EQ(sprite[112].status, 3);
}

TEST_F(LevelHelpers, ObjectiveMarkersClearOnlyObjectivesOfTheList) {
    points[4].c1 = GLOBAL_MAP_PNT;
    points[5].c1 = GLOBAL_SIDE_PNT;
    points[6].c1 = MAP_HQ_PNT;
    for (int k : {4, 5, 6}) points[k].active = true;
    map_pnt_list[0] = 4;
    map_pnt_list[1] = 5;
    map_pnt_list[2] = 6;
    map_pnt_list[3] = 9000;  // a bad entry is passed over
    map_pnt_counter = 4;
    Clear_Objective_Markers();
    EXPECT_FALSE(points[4].active);
    EXPECT_FALSE(points[5].active);
    EXPECT_TRUE(points[6].active);
    Set_Objective_Marker(5, true);
    Set_Objective_Marker(no_points, true);
    Set_Objective_Marker(-1, true);
    EXPECT_TRUE(points[5].active);
}

TEST_F(LevelHelpers, HideRestoreAndBrokenObjects) {
    sprite[20].alpha = 0.0f;
    Hide_Object(20);
    EXPECT_TRUE(sprite[20].mouseover);
    EXPECT_FALSE(sprite[20].turn_off);
    Hide_Object(21, true);
    EXPECT_TRUE(sprite[21].turn_off);
    Restore_Object(20);
    EXPECT_FALSE(sprite[20].mouseover);
    EXPECT_EQ(sprite[20].alpha, 0.0f);
    Restore_Object(20, true);
    EXPECT_EQ(sprite[20].alpha, 1.0f);

    sprite[30].base_anim = 3;
    sprite[30].score = 50;
    Show_Broken_Object(30);
    EXPECT_EQ(sprite[30].anim, 4);
    EXPECT_EQ(sprite[30].anim_state, ANIM_ONCE_HOLD);
    EXPECT_EQ(sprite[30].score, 0);
    Hide_Object(-3);
    Restore_Object(750);
    Show_Broken_Object(no_sprites);
}

TEST_F(LevelHelpers, SuccessPoseAndMissionNeedAPlayer) {
    Advance_Ms(2000);
    Accomplish_Mission(8, 4000, false);
    EXPECT_EQ(main_mission[8], 1);
    EXPECT_FALSE(lock_player);  // no player: no pose

    p1_id = 0;
    sprite[0].moving = true;
    sprite[0].anim_state = 2;
    Accomplish_Mission(9, 3000);
    EXPECT_EQ(main_mission[9], 1);
    EXPECT_EQ(sprite[0].status, STATUS_CHEER);
    EXPECT_TRUE(lock_player);
    EXPECT_TRUE(sprite[0].update);
    EXPECT_FALSE(sprite[0].moving);
    EXPECT_EQ(sprite[0].anim_state, 0);
    EXPECT_EQ(sprite[0].all_timer, 5000);

    Accomplish_Mission(25, 1000);   // no such mission
    Accomplish_Mission(-1, 1000);
}

TEST_F(LevelHelpers, ClearedBunkerSweepTakesOutEveryEnemy) {
    player_type = 1;
    for (int k : {40, 41, 42}) {
        sprite[k].type = UNT;
        sprite[k].status = 3;
        sprite[k].score = 100;
    }
    sprite[40].linked_sprite = 1;  // the player's side
    sprite[41].linked_sprite = 2;
    sprite[42].linked_sprite = 3;
    sprite[43].type = 12;  // no unit
    sprite[43].linked_sprite = 2;
    sprite[43].score = 9;

    current_act = 1;
    global_objective[0] = 0;
    enemy_count = 7;
    EXPECT_FALSE(Cleared_Bunker_Sweep(0));
    EXPECT_EQ(enemy_count, 7);
    EXPECT_EQ(sprite[41].status, 3);

    global_objective[0] = 1;
    EXPECT_TRUE(Cleared_Bunker_Sweep(0));
    EXPECT_EQ(enemy_count, 0);
    for (int k : {41, 42}) {
        EXPECT_EQ(sprite[k].status, STATUS_DEAD);
        EXPECT_EQ(sprite[k].score, 0);
        EXPECT_TRUE(sprite[k].turn_off);
    }
    EXPECT_EQ(sprite[40].status, 3);
    EXPECT_EQ(sprite[43].score, 9);

    // In a later act every bunker is cleared.
    sprite[41].status = 3;
    current_act = 2;
    global_objective[2] = 0;
    EXPECT_TRUE(Cleared_Bunker_Sweep(2));
    EXPECT_EQ(sprite[41].status, STATUS_DEAD);
}

TEST_F(LevelHelpers, EnemyCounterFollowsTheHudAndHidesWithTheMap) {
    hud[3].x = 0.5f;
    hud[3].y = -0.25f;
    enemy_count = 12;
    map_stat = false;
    falling_in_hole = false;
    Enemy_Counter_Text();
    EXPECT_STREQ(counter[3].word, "12");
    EXPECT_FLOAT_EQ(counter[3].x, 0.62f);
    EXPECT_FLOAT_EQ(counter[3].y, -0.19f);
    EXPECT_FLOAT_EQ(counter[3].width, 0.01f);
    EXPECT_FLOAT_EQ(counter[3].height, 0.03f);
    EXPECT_EQ(counter[3].alpha, 1.0f);

    falling_in_hole = true;
    enemy_count = 11;
    Enemy_Counter_Text();
    EXPECT_STREQ(counter[3].word, "12");  // the text waits

    map_stat = true;
    Enemy_Counter_Text();
    EXPECT_EQ(counter[3].alpha, 0.0f);
}

TEST_F(LevelHelpers, DelayedRemarkComesAfter1600Ms) {
    p1_id = 0;
    sprite[0].alpha = 1.0f;
    Start_Delayed_Remark();
    EXPECT_TRUE(speak_txt);
    EXPECT_EQ(speak_timer, 1600);
    Advance_Ms(1600);
    Run_Delayed_Remark();
    EXPECT_TRUE(speak_txt);
    Advance_Ms(1);
    Run_Delayed_Remark();
    EXPECT_FALSE(speak_txt);
}

TEST_F(LevelHelpers, CollectibleMedalIsGivenOnceAtItsTotal) {
    global_medals[20] = 0;
    EXPECT_FALSE(Check_Collectible_Medal(20, 99, 100));
    EXPECT_EQ(global_medals[20], 0);
    EXPECT_TRUE(Check_Collectible_Medal(20, 100, 100));
    EXPECT_EQ(global_medals[20], 1);
    EXPECT_FALSE(Check_Collectible_Medal(20, 150, 100));
    EXPECT_FALSE(Check_Collectible_Medal(48, 150, 100));
    EXPECT_FALSE(Check_Collectible_Medal(-1, 150, 100));
}

TEST_F(LevelHelpers, ExplosionChainStartsAHundredMsOut) {
    exploding_type = 5;
    Advance_Ms(300);
    Start_Explosion_Chain(30, 8);
    EXPECT_EQ(exploding_id, 30);
    EXPECT_EQ(exploding_timer, 400);
    EXPECT_EQ(exploding_count, 8);
    EXPECT_EQ(exploding_type, 5);
    Start_Explosion_Chain(31, 2, 1);
    EXPECT_EQ(exploding_type, 1);
    exploding_id = -1;
    Start_Explosion_Chain(no_sprites, 0);
    EXPECT_EQ(exploding_id, -1);
}

// The unit AI runs a chain the script starts: counted from the start, 9 blasts for a start
// count of 8 and 17 for 0, the first after 100 ms, then 500 ms apart up to the fourth blast
// of the chain's count and 200 ms apart after it.
TEST_F(LevelHelpers, ExplosionChainGivesItsNumberOfBlastsAtItsPace) {
    struct Case { int start; int blasts; int slow_gaps; };
    const Case cases[] = {{8, 9, 0}, {2, 15, 1}, {0, 17, 3}};
    game_mode = MODE_WALK;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        const int t0 = Now();
        Start_Explosion_Chain(30, c.start, 1);
        std::vector<int> at;
        int last = exploding_count;
        for (int ms = 0; ms < 12000 && exploding_id != -1; ++ms) {
            Advance_Ms(1);
            AI_Upkeep(1);
            if (exploding_count != last || exploding_id == -1) at.push_back(Now() - t0);
            last = exploding_count;
        }
        ASSERT_EQ((int)at.size(), c.blasts);
        EXPECT_EQ(at[0], 101);  // due at +100, strictly later
        for (size_t i = 1; i < at.size(); ++i) {
            const int gap = at[i] - at[i - 1];
            EXPECT_EQ(gap, (int)i <= c.slow_gaps ? 501 : 201) << "blast " << i;
        }
    }
}

}  // namespace
