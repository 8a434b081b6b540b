// Sight bands and reach of units.
#include <gtest/gtest.h>

#include "combat/firing.h"
#include "combat/sight.h"
#include "common/codes.h"
#include "test_world_fixture.h"

TEST(CombatSight, AngleBandsIncludingSharedBounds) {
    struct { float a; int band; } cases[] = {
        {1.5f, 1}, {-1.5f, 2}, {-3.0f, 3}, {3.0f, 3}, {0.0f, 4},
        {0.75f, 5}, {2.25f, 6}, {-0.75f, 7}, {-2.25f, 8},
        // A value on a shared bound takes the later band of the order 2, 1, 3, 4, 8, 7, 6, 5.
        {0.375f, 5}, {-0.375f, 7}, {1.125f, 5}, {1.875f, 6}, {2.625f, 6},
        {-1.875f, 8}, {-1.125f, 7}, {-2.625f, 8},
        {3.14159f, 3}, {-3.14159f, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(Angle_Band(c.a), c.band) << "angle " << c.a;
}

TEST(CombatSight, FacingRightSeesFrontAndSidesButNotBehind) {
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, 1.5f), 1); // UP: beside
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, 0.7f), 2); // UP_RIGHT: in front
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, 0.0f), 2);
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, 3.0f), 0); // LEFT: behind
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, 2.25f), 0);
    EXPECT_EQ(Is_Guy_In_Sight(0.0f, -2.25f), 0);
}

// Every facing sees five of the eight bands: three in front, two beside, three behind; and
// "behind" is mutual.
TEST(CombatSight, EachFacingHasThreeInFrontTwoBesideThreeBehind) {
    const float dir_angle[9] = {0, 1.5f, -1.5f, -3.0f, 0.0f, 0.75f, 2.25f, -0.75f, -2.25f};
    for (int m = 1; m <= 8; ++m) {
        int count[3] = {0, 0, 0};
        for (int t = 1; t <= 8; ++t) {
            int r = Is_Guy_In_Sight(dir_angle[m], dir_angle[t]);
            ASSERT_GE(r, 0);
            ASSERT_LE(r, 2);
            ++count[r];
            EXPECT_EQ(r == 0, Is_Guy_In_Sight(dir_angle[t], dir_angle[m]) == 0) << m << " " << t;
        }
        EXPECT_EQ(count[0], 3) << "facing " << m;
        EXPECT_EQ(count[1], 2) << "facing " << m;
        EXPECT_EQ(count[2], 3) << "facing " << m;
        EXPECT_EQ(Is_Guy_In_Sight(dir_angle[m], dir_angle[m]), 2);
    }
}

class CombatRange : public WorldTest {
protected:
    // Unit i with its box centre at (x, y).
    static void Put(int i, float x, float y, int cls = GUNNER) {
        object& o = sprite[i];
        o.type = UNT;
        o.sector = cls;
        o.box_width = o.box_height = 0.1f;
        o.w = x - 0.05f;
        o.z = y - 0.05f;
    }
};

TEST_F(CombatRange, DefaultRangeByClass) {
    struct { int cls; int on_death; float range; } cases[] = {
        {UNIT_MORTAR1, 0, 1.2f}, {UNIT_SNIPER, 0, 1.0f}, {UNIT_TANK, 0, 0.7f},
        {BOMBER, TANK_TOP, 0.7f}, {BOMBER, 0, 0.6f}, {BOMBER, TURRET, 0.6f}, {UNIT_MORTAR, 0, 0.6f},
        {GUNNER, 0, 0.52f}, {CHIEF, 0, 0.52f}, {SHIELD, 0, 0.52f}, {DUCK, 0, 0.52f},
        {UNIT_PLANE, 0, 0.52f}, {UNIT_BIRD, 0, 0.52f}, {UNIT_GENERAL, 0, 0.52f},
        {UNIT_SHOTGUN, 0, 0.5f}, {MOUNTED, 0, 0.5f}, {SAILOR, 0, 0.48f}, {UNIT_RESCUE, 0, 0.2f},
        {DOG, 0, 0.18f}, {MONKEY, 0, 0.15f}, {WORKER, 0, 0.1f}, {UNIT_SKELETON, 0, 0.1f},
        {UNIT_DEAD_CHIEF, 0, 0.1f}, {UNIT_SHARK, 0, 0.1f},
    };
    for (const auto& c : cases) {
        Put(1, 0.0f, 0.0f, c.cls);
        sprite[1].onDeath_action = c.on_death;
        Put(2, c.range - 0.01f, 0.0f);
        EXPECT_TRUE(Is_Guy_In_Range(1, 2, -1.0f)) << "class " << c.cls;
        Put(2, c.range + 0.01f, 0.0f);
        EXPECT_FALSE(Is_Guy_In_Range(1, 2, -1.0f)) << "class " << c.cls;
    }
}

TEST_F(CombatRange, TargetExactlyAtTheRangeIsOut) {
    Put(1, 0.0f, 0.0f);
    Put(2, 0.0f, 0.5f);
    EXPECT_FALSE(Is_Guy_In_Range(1, 2, 0.5f));
    EXPECT_TRUE(Is_Guy_In_Range(1, 2, 0.5001f));
}

TEST_F(CombatRange, PlayerFollowsHisRangeAndBuddiesReachFurther) {
    Put(1, 0.0f, 0.0f, UNIT_SNIPER);
    Put(2, 0.8f, 0.0f);
    p1_id = 1;
    p1_range = 0.3f;
    EXPECT_FALSE(Is_Guy_In_Range(1, 2, -1.0f)); // 0.3, not the sniper's 1.0
    p1_range = 0.9f;
    EXPECT_TRUE(Is_Guy_In_Range(1, 2, -1.0f));

    p1_id = -1;
    Put(3, 0.0f, 0.0f, WORKER);
    sprite[3].sector_action = AI_BUDDY;
    Put(2, 0.65f, 0.0f);
    EXPECT_TRUE(Is_Guy_In_Range(3, 2, -1.0f)); // 0.7 whatever the class
    Put(2, 0.75f, 0.0f);
    EXPECT_FALSE(Is_Guy_In_Range(3, 2, -1.0f));
}

TEST_F(CombatRange, ViewCentreNeedsAGivenRange) {
    camX = -1.0f; // the view centre is (1, 2)
    camY = -2.0f;
    Put(2, 1.3f, 2.0f);
    EXPECT_TRUE(Is_Guy_In_Range(-1, 2, 0.4f));
    EXPECT_FALSE(Is_Guy_In_Range(-1, 2, 0.2f));
    // The view centre has no default reach.
    EXPECT_FALSE(Is_Guy_In_Range(-1, 2, -1.0f));
}

TEST_F(CombatRange, IndicesOffTheArrayAreNeverInRange) {
    Put(1, 0.0f, 0.0f);
    for (int bad : {-2, 750, 100000}) {
        EXPECT_FALSE(Is_Guy_In_Range(bad, 1, 5.0f)) << bad;
        EXPECT_FALSE(Is_Guy_In_Range(1, bad, 5.0f)) << bad;
    }
    EXPECT_FALSE(Is_Guy_In_Range(1, -1, 5.0f));
}
