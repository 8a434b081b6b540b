// Unit movement: speeds by class, the walk factor, the two axis steps against the grid, the
// footprint, blocked steps, arrival, the player's momentum and walked distance, patrols.
#include <gtest/gtest.h>

#include <cmath>

#include "combat/combat.h"
#include "combat/movement.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "platform/platform.h"
#include "test_world_fixture.h"

namespace {

constexpr int U = 5;   // the walking unit
constexpr int P = 1;   // the player, when there is one

class MovementTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        platform::AdvanceVirtualClock(1000);
    }
    // A walker centred on cell (col, row), heading for the world point (gx, gy).
    void Walker(int i, int col, int row, float gx, float gy, int unit_class = GUNNER) {
        Place_Unit(i, col, row);
        object& o = sprite[i];
        o.sector = unit_class;
        o.sector_action = AI_ATTACK;
        o.score = 100;
        o.status = 27;
        o.moving = true;
        o.reached_node = -1;
        o.fire_target = -1;
        o.node_count = -1;
        o.mov_x = o.end_x = gx;
        o.mov_y = o.end_y = gy;
    }
    static float CentreX(int i) { return sprite[i].w + sprite[i].box_width / 2; }
    static float CentreY(int i) { return sprite[i].z + sprite[i].box_height / 2; }
};

// One step of 10 ms straight to the right, far from the goal (walk factor 0.6).
TEST_F(MovementTest, BaseSpeedByClassAndRole) {
    struct Case {
        const char* name;
        int unit_class;
        int ai;
        int reached_node;
        bool player;
        bool wading;
        float base;
    } cases[] = {
        {"gunner", GUNNER, AI_ATTACK, -1, false, false, 0.00016f},
        {"shotgun", UNIT_SHOTGUN, AI_ATTACK, -1, false, false, 0.00015f},
        {"sailor", SAILOR, AI_ATTACK, -1, false, false, 0.000155f},
        {"bomber", BOMBER, AI_ATTACK, -1, false, false, 0.00014f},
        {"shield", SHIELD, AI_ATTACK, -1, false, false, 0.00012f},
        {"dog", DOG, AI_ATTACK, -1, false, false, 0.0003f},
        {"unknown class walks at the default", UNIT_SHELL, AI_ATTACK, -1, false, false, 0.00016f},
        {"buddy overrides the class", DOG, AI_BUDDY, -1, false, false, 0.00025f},
        {"node route overrides buddy", DOG, AI_BUDDY, 2, false, false, 0.0001f},
        {"player walks at ply_speed", DOG, AI_BUDDY, 2, true, false, 0.0003f},
        {"wading player", GUNNER, AI_ATTACK, -1, true, true, 0.0002f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::memset(map_col, 0, sizeof(map_col));
        Walker(U, 50, 50, CX(50) + 3.0f, CY(50), c.unit_class);
        sprite[U].sector_action = c.ai;
        sprite[U].reached_node = c.reached_node;
        p1_id = c.player ? U : -1;
        ply_speed = 0.0003f;
        ply_accel = 1.0f;
        player_in_water = c.wading;
        float x0 = sprite[U].x;
        Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 10);
        float speed = std::min(std::max(c.base / 0.6f, 0.0001f), 0.00075f);
        EXPECT_NEAR(sprite[U].x - x0, 1.2f * speed * 10, 1e-6);
        EXPECT_NEAR(sprite[U].w - x0, 1.2f * speed * 10, 1e-6) << "x and w move together";
        EXPECT_FLOAT_EQ(sprite[U].factor, 0.6f);
        EXPECT_TRUE(sprite[U].update);
    }
}

TEST_F(MovementTest, WalkFactorSlowsTowardTheGoal) {
    struct Case {
        float d;
        float factor;
    } cases[] = {{1.0f, 0.6f},   {0.65f, 0.62f}, {0.55f, 0.64f}, {0.45f, 0.68f}, {0.35f, 0.7f},
                 {0.25f, 0.72f}, {0.17f, 0.75f}, {0.12f, 0.9f},  {0.07f, 1.0f},  {0.03f, 1.1f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d);
        Walker(U, 50, 50, CX(50) + c.d, CY(50));
        Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
        EXPECT_FLOAT_EQ(sprite[U].factor, c.factor);
    }
}

TEST_F(MovementTest, WalkFactorAdjustments) {
    struct Case {
        const char* name;
        bool player;
        int score;
        int status;
        bool reloading;
        int healthkits;
        bool mud;
        bool stealth;
        float factor; // goal far away: ladder value 0.6
    } cases[] = {
        {"healthy guard", false, 100, 27, false, 0, false, false, 0.6f},
        {"wounded guard", false, 20, 27, false, 0, false, false, 0.7f},
        {"wounded guard on mud", false, 20, 27, false, 0, true, false, 1.1f},
        {"guard on a stealth mission", false, 100, 27, false, 0, false, true, 0.9f},
        {"stealth keeps a slower guard", false, 20, 27, false, 0, true, true, 1.1f},
        {"reloading player", true, 100, 27, true, 0, false, false, 0.95f},
        {"reloading player near death", true, 5, 27, true, 0, false, false, 0.7f},
        {"player firing while walking", true, 100, 29, false, 0, false, false, 1.55f},
        {"player with three kits at full health", true, 100, 27, false, 3, false, false, 0.2f},
        {"wounded player", true, 30, 27, false, 0, false, false, 0.7f},
        {"factor capped at 2", true, 100, 29, true, 0, true, false, 2.0f},
        {"player ignores the stealth floor", true, 100, 27, false, 3, false, true, 0.2f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Walker(U, 50, 50, CX(50) + 3.0f, CY(50));
        Place_Unit(P, 20, 20);
        p1_id = c.player ? U : P;
        sprite[U].score = c.score;
        sprite[U].status = c.status;
        sprite[U].on_mud = c.mud;
        reloading = c.reloading;
        current_healthkit = c.healthkits;
        PLY_VITALITY = 100;
        is_a_stealth_mission = c.stealth;
        CONTROL_SCHEME = true; // no momentum cap
        Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
        EXPECT_NEAR(sprite[U].factor, c.factor, 1e-5);
    }
}

TEST_F(MovementTest, WoundedThresholdWithoutAPlayerIsOneHitPoint) {
    Walker(U, 50, 50, CX(50) + 3.0f, CY(50));
    sprite[U].score = 20;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_FLOAT_EQ(sprite[U].factor, 0.6f);
    Walker(U, 50, 50, CX(50) + 3.0f, CY(50));
    sprite[U].score = 1;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_NEAR(sprite[U].factor, 0.7f, 1e-6);
}

TEST_F(MovementTest, KeyboardPlayerCoastsOnHisMomentum) {
    struct Case {
        float accel;
        float speed;
        float factor;
    } cases[] = {{1.0f, 0.0003f / 0.6f, 0.6f}, {0.00015f, 0.00015f, 0.9f}, {0.00005f, 0.00005f, 1.1f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.accel);
        Walker(P, 50, 50, CX(50) + 3.0f, CY(50));
        p1_id = P;
        CONTROL_SCHEME = false;
        ply_speed = 0.0003f;
        ply_accel = c.accel;
        float x0 = sprite[P].x;
        Moving_Code(P, sprite[P].mov_x, sprite[P].mov_y, 10);
        EXPECT_NEAR(sprite[P].x - x0, 1.2f * c.speed * 10, 1e-7);
        EXPECT_FLOAT_EQ(sprite[P].factor, c.factor);
        EXPECT_LE(ply_accel, c.speed + 1e-9f) << "momentum never exceeds the walking speed";
    }
}

TEST_F(MovementTest, PlayerWalksSlowerUpAndDownTheScreen) {
    Walker(P, 50, 50, CX(50), CY(50) + 3.0f);
    Walker(U, 60, 50, CX(60), CY(50) + 3.0f, GUNNER);
    p1_id = P;
    CONTROL_SCHEME = true;
    ply_speed = 0.00016f;
    float py = sprite[P].y, uy = sprite[U].y;
    Moving_Code(P, sprite[P].mov_x, sprite[P].mov_y, 10);
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 10);
    EXPECT_NEAR(sprite[P].y - py, 0.75f * (sprite[U].y - uy), 1e-6);
    EXPECT_NEAR(sprite[P].z - py, sprite[P].y - py, 1e-7) << "y and z move together";
}

TEST_F(MovementTest, MudTileSlowsBelowTheClamp) {
    Walker(U, 50, 50, CX(50) + 3.0f, CY(50), SHIELD); // 0.00012 / 0.6 = 0.0002
    tiles[Cell_Index(50, 50)] = 29;
    float x0 = sprite[U].x;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 10);
    EXPECT_NEAR(sprite[U].x - x0, 1.2f * (0.0002f - 0.00005f) * 10, 1e-7);

    Walker(U, 50, 50, CX(50) + 3.0f, CY(50), UNIT_PLANE); // planes fly over the mud
    x0 = sprite[U].x;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 10);
    EXPECT_NEAR(sprite[U].x - x0, 1.2f * (0.00026f / 0.6f) * 10, 1e-7);
}

TEST_F(MovementTest, CoastingPlayerOnMudStopsWithoutWalkingBackwards) {
    Walker(P, 50, 50, CX(50) + 3.0f, CY(50));
    p1_id = P;
    CONTROL_SCHEME = false;
    ply_accel = 0.00003f; // nearly stopped
    tiles[Cell_Index(50, 50)] = 16;
    float x0 = sprite[P].x;
    Moving_Code(P, sprite[P].mov_x, sprite[P].mov_y, 40);
    EXPECT_FLOAT_EQ(sprite[P].x, x0);
}

TEST_F(MovementTest, FootprintFollowsTheBoxCentre) {
    // 40 ms steps of a dog cross from cell 50 into cell 51 within a few frames.
    Walker(U, 50, 50, CX(55), CY(50), DOG);
    Tile_At(50, 50) = 481; // the unit stands in shallow water
    map_col[Cell_Index(50, 50)] = COL_FOOTPRINT;
    for (int i = 0; i < 10 && Cell_Column(CentreX(U)) == 50; ++i)
        Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 40);
    ASSERT_EQ(Cell_Column(CentreX(U)), 51);
    EXPECT_EQ(Col(51, 50), COL_FOOTPRINT);
    EXPECT_EQ(Col(50, 50), COL_WATER) << "a water cell gets its water code back";

    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_EQ(Col(51, 50), COL_FOOTPRINT) << "a unit never blocks itself inside its own cell";
    int marked = 0;
    for (int c = 0; c < GRID_CELLS; ++c) marked += map_col[c] == COL_FOOTPRINT;
    EXPECT_EQ(marked, 1);
}

TEST_F(MovementTest, StepOffTheMapIsDroppedOnThatAxisOnly) {
    // At the right edge, heading up and to the right: the X step would leave the map.
    Walker(U, 149, 50, CX(149) + 3.0f, CY(50) + 3.0f, DOG);
    sprite[U].w = sprite[U].x = 7.5f - 0.026f; // box centre just inside the last column
    float x0 = sprite[U].x, y0 = sprite[U].y;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 40);
    EXPECT_FLOAT_EQ(sprite[U].x, x0);
    EXPECT_GT(sprite[U].y, y0);
    EXPECT_TRUE(sprite[U].moving);
}

TEST_F(MovementTest, UnitOffTheMapTouchesNoCell) {
    Walker(U, 50, 50, 100.0f, 100.0f, DOG);
    sprite[U].w = sprite[U].x = 20.0f; // far outside the 15 by 15 map
    sprite[U].z = sprite[U].y = -20.0f;
    sprite[U].end_x = sprite[U].end_y = 100.0f;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 40);
    for (int c = 0; c < GRID_CELLS; ++c) ASSERT_EQ(map_col[c], COL_FREE) << c;
}

TEST_F(MovementTest, BlockedStepWithATakenGoalSettlesInItsOwnCell) {
    Walker(U, 50, 50, CX(53), CY(50));
    sprite[U].w += 0.04f; // near the right edge of its cell
    sprite[U].x = sprite[U].w;
    Wall(51, 50);                    // the way is blocked
    Wall(53, 50, COL_FOOTPRINT);     // another unit stands on the goal
    sprite[U].col_timer = 0;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 99);
    EXPECT_FLOAT_EQ(sprite[U].mov_x, CX(50));
    EXPECT_FLOAT_EQ(sprite[U].mov_y, CY(50));
    EXPECT_FLOAT_EQ(sprite[U].end_x, CX(50));
    EXPECT_FLOAT_EQ(sprite[U].end_y, CY(50));
    EXPECT_EQ(sprite[U].col_timer, 0) << "no replanning for a goal that is taken";
}

TEST_F(MovementTest, BlockedStepWithAFreeGoalReplans) {
    Walker(U, 50, 50, CX(53), CY(50));
    sprite[U].w += 0.04f; // near the right edge of its cell
    sprite[U].x = sprite[U].w;
    for (int r = 45; r <= 55; ++r) Wall(51, r);
    sprite[U].col_timer = 0;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 99);
    EXPECT_EQ(sprite[U].col_timer, Now() + 750) << "Find_Path ran";
    EXPECT_FLOAT_EQ(sprite[U].end_x, CX(53));
}

TEST_F(MovementTest, BlockedStepNextToTheTargetStops) {
    Walker(U, 50, 50, CX(53), CY(50));
    sprite[U].w += 0.04f; // near the right edge of its cell
    sprite[U].x = sprite[U].w;
    Wall(51, 50);
    Place_Unit(7, 51, 51); // the target, 0.1 away diagonally
    sprite[7].score = 50;
    sprite[U].fire_target = 7;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 99);
    EXPECT_FALSE(sprite[U].moving);
    EXPECT_EQ(sprite[U].status, 3);
    EXPECT_FLOAT_EQ(sprite[U].end_x, CX(53)) << "the goal is kept";
}

TEST_F(MovementTest, BadTargetIndexIsNotReadOnABlockedStep) {
    Walker(U, 50, 50, CX(53), CY(50));
    sprite[U].w += 0.04f; // near the right edge of its cell
    sprite[U].x = sprite[U].w;
    Wall(51, 50);
    Wall(53, 50, COL_FOOTPRINT);
    sprite[U].fire_target = 123456;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 99);
    EXPECT_FLOAT_EQ(sprite[U].end_x, CX(50)) << "treated as no target: the unit settles";
}

TEST_F(MovementTest, ArrivalAtTheGoal) {
    struct Case {
        int status;
        int special;
        int expected_status;
    } cases[] = {{27, 0, 3}, {29, 0, 29}, {21, 0, 21}, {51, 0, 51}, {74, 0, 74}, {27, 1, 27}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status * 10 + c.special);
        Walker(U, 50, 50, CX(50) + 0.001f, CY(50));
        sprite[U].status = c.status;
        sprite[U].special = (char)c.special;
        Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
        EXPECT_FALSE(sprite[U].moving);
        EXPECT_EQ(sprite[U].status, c.expected_status);
    }
}

TEST_F(MovementTest, ArrivalDropsATargetOutOfRange) {
    Walker(U, 50, 50, CX(50) + 0.001f, CY(50));
    Place_Unit(7, 50, 140); // 9 units away
    sprite[7].score = 50;
    sprite[U].fire_target = 7;
    sprite[U].turning = true;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_EQ(sprite[U].fire_target, -1);
    EXPECT_FALSE(sprite[U].turning);

    Walker(U, 50, 50, CX(50) + 0.001f, CY(50));
    sprite[7].score = 0; // a dead target is left for the driver to drop
    sprite[U].fire_target = 7;
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_EQ(sprite[U].fire_target, 7);
}

TEST_F(MovementTest, WaypointReachedMovesOnAlongTheRoute) {
    Walker(U, 50, 50, CX(60), CY(50));
    // Route 50 -> 52 -> 60 with a wall that hides the goal from the first waypoint.
    Wall(56, 50);
    sprite[U].mov_x = CX(50) + 0.005f;
    sprite[U].mov_y = CY(50);
    sprite[U].node_count = 3;
    sprite[U].node_counter = 0;
    sprite[U].node_list[0] = Cell_Index(50, 50);
    sprite[U].node_list[1] = Cell_Index(52, 51);
    sprite[U].node_list[2] = Cell_Index(60, 50);
    Moving_Code(U, sprite[U].mov_x, sprite[U].mov_y, 1);
    EXPECT_EQ(sprite[U].node_counter, 1);
    EXPECT_FLOAT_EQ(sprite[U].mov_x, CX(52));
    EXPECT_FLOAT_EQ(sprite[U].mov_y, CY(51));
}

TEST_F(MovementTest, PlayerCountsStepsAndDistanceOffTheRoad) {
    Walker(P, 50, 50, CX(50) + 3.0f, CY(50) + 3.0f);
    p1_id = P;
    CONTROL_SCHEME = true;
    ply_speed = 0.0003f;
    step_traveled = 0;
    distance_traveled = 0;
    float x0 = sprite[P].x, y0 = sprite[P].y;
    Moving_Code(P, sprite[P].mov_x, sprite[P].mov_y, 10);
    EXPECT_FLOAT_EQ(step_traveled, 1);
    EXPECT_NEAR(distance_traveled, (sprite[P].x - x0) + (sprite[P].y - y0), 1e-7);

    tiles[Cell_Of(CentreX(P), CentreY(P))] = 390; // road
    float before = distance_traveled;
    Moving_Code(P, sprite[P].mov_x, sprite[P].mov_y, 10);
    EXPECT_FLOAT_EQ(step_traveled, 2);
    EXPECT_FLOAT_EQ(distance_traveled, before);
}

TEST_F(MovementTest, NpcWalkPicksAPatrolPoint) {
    Place_Unit(U, 50, 50);
    sprite[U].status = 3;
    patrol_counter = 0;
    NPC_Walk(U);
    EXPECT_EQ(sprite[U].status, 3) << "no patrol points: the unit stays idle";
    EXPECT_FALSE(sprite[U].moving);

    no_points = 3;
    points[2].x = CX(60);
    points[2].y = CY(55);
    patrol_list[0] = 2;
    patrol_counter = 1;
    NPC_Walk(U);
    EXPECT_EQ(sprite[U].status, 27);
    EXPECT_TRUE(sprite[U].moving);
    EXPECT_FLOAT_EQ(sprite[U].end_x, CX(60));
    EXPECT_FLOAT_EQ(sprite[U].end_y, CY(55));
    EXPECT_EQ(sprite[U].all_timer, Now() + 200);
    EXPECT_EQ(sprite[U].col_timer, Now() + 750) << "the route is planned at once";
}

TEST_F(MovementTest, NpcWalkIgnoresAPatrolEntryThatNamesNoPoint) {
    Place_Unit(U, 50, 50);
    sprite[U].status = 3;
    no_points = 3;
    patrol_counter = 1;
    for (int bad : {-1, 3, 5000}) {
        patrol_list[0] = bad;
        NPC_Walk(U);
        EXPECT_EQ(sprite[U].status, 3) << bad;
        EXPECT_FALSE(sprite[U].moving) << bad;
    }
}

} // namespace
