// Distances, direction codes, grey zones, headings and turning.
#include "test_world_fixture.h"

#include <cmath>

#include "common/input.h"
#include "world/turning.h"
#include "world/world_services.h"

TEST(WorldDirections, DistancesAreHalfManhattanAndEuclidean) {
    EXPECT_FLOAT_EQ(Node_Distance(0, 0, 3, -4), 3.5f);
    EXPECT_FLOAT_EQ(Node_Distance1(0, 0, 3, -4), 5.0f);
}

TEST(WorldDirections, AngleToDirectionTable) {
    struct Case { float angle; int dir; } cases[] = {
        {0.375f, 5}, {-1.875f, 8}, {3.0f, 3}, {-3.0f, 3}, {-1.125f, 7},
        {0.0f, 4}, {-0.375f, 7}, {1.125f, 5}, {1.5f, 1}, {-1.5f, 2}, {1.875f, 6},
        {2.625f, 6}, {-2.625f, 8}, {2.7f, 3}, {-2.7f, 3}, {0.75f, 5}, {2.25f, 6},
        {-0.75f, 7}, {-2.25f, 8}, {1.2f, 1}, {-1.2f, 2}, {3.14159f, 3}, {NAN, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Convert_Angle_To_Dir(c.angle), c.dir) << "angle " << c.angle;
}

TEST(WorldDirections, DirectionToAngleRoundTrips) {
    for (int d = 1; d <= 8; ++d) EXPECT_EQ(Convert_Angle_To_Dir(Convert_Dir_To_Angle1(d)), d) << d;
    EXPECT_EQ(Convert_Dir_To_Angle1(0), 0.0f);
    EXPECT_EQ(Convert_Dir_To_Angle1(9), 0.0f);
    EXPECT_EQ(Convert_Dir_To_Angle1(-1), 0.0f);
}

TEST(WorldDirections, GreyAreasLieAroundBandBorders) {
    struct Case { float angle; bool grey; } cases[] = {
        {0.3f, true}, {0.2f, false}, {2.8f, false}, {-0.3f, true}, {0.375f, true}, {1.1f, true},
        {-1.9f, true}, {2.6f, true}, {0.275f, false}, {0.475f, false}, {0.75f, false},
        {2.725f, false}, {-2.725f, false}, {1.5f, false}, {0.0f, false},
    };
    for (const Case& c : cases) EXPECT_EQ(Is_Grey_Area(c.angle), c.grey) << "angle " << c.angle;
}

class WorldTurning : public WorldTest {};

TEST_F(WorldTurning, ConvertDirToAngleSetsHeadingAndMoveTarget) {
    Place_Unit(3, 50, 50);
    sprite[3].angle = 0.4f;
    Convert_Dir_To_Angle(3, 1);
    EXPECT_FLOAT_EQ(sprite[3].angle, 1.5f);
    EXPECT_FLOAT_EQ(sprite[3].tar_angle, 1.5f);
    EXPECT_NEAR(sprite[3].mov_y, sprite[3].y + 2 * std::sin(1.5f), 1e-5);
    Convert_Dir_To_Angle(3, 0); // no direction: heading kept
    EXPECT_FLOAT_EQ(sprite[3].angle, 1.5f);
}

TEST_F(WorldTurning, WrapsTheShortWayAcrossTheBack) {
    Place_Unit(3, 50, 50);
    object& u = sprite[3];
    u.sector = 99; // default rate 0.2 per ms
    u.angle = 2.0f;
    u.tar_angle = -2.0f;
    u.status = 3;
    float prev = u.angle;
    bool wrapped = false;
    for (int i = 0; i < 200 && u.angle != u.tar_angle; ++i) {
        Turn_Unit(3, 1);
        if (prev > 0 && u.angle < 0) wrapped = true;
        // never passes through the right-hand side (angles near 0)
        EXPECT_TRUE(std::fabs(u.angle) > 1.4f) << u.angle;
        prev = u.angle;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_FLOAT_EQ(u.angle, -2.0f);
}

TEST_F(WorldTurning, HeadingStraightLeftAlsoTurnsAcrossTheBack) {
    Place_Unit(3, 50, 50);
    object& u = sprite[3];
    u.sector = 99;
    const float pi = std::atan2(0.0f, -1.0f); // a target straight to the left
    struct Case { float from, to; } cases[] = {{pi, -2.0f}, {-2.0f, pi}};
    for (const Case& c : cases) {
        u.angle = c.from;
        u.tar_angle = c.to;
        for (int i = 0; i < 200 && u.angle != u.tar_angle; ++i) {
            Turn_Unit(3, 1);
            EXPECT_TRUE(std::fabs(u.angle) > 1.4f) << "from " << c.from << " at " << u.angle;
        }
        EXPECT_FLOAT_EQ(u.angle, c.to);
    }
}

TEST_F(WorldTurning, SameBandSnapsAtOnce) {
    Place_Unit(3, 50, 50);
    object& u = sprite[3];
    u.angle = 3.0f;
    u.tar_angle = -3.0f;
    u.update = false;
    Turn_Unit(3, 16);
    EXPECT_FLOAT_EQ(u.angle, -3.0f);
    EXPECT_FALSE(u.update); // the direction code did not change
}

TEST_F(WorldTurning, ChangeOfDirectionAsksForANewAnimation) {
    Place_Unit(3, 50, 50);
    object& u = sprite[3];
    u.sector = 0; // GUNNER, 0.008 per ms
    u.angle = 0.0f;
    u.tar_angle = 1.5f;
    u.anim_state = 2;
    Turn_Unit(3, 100); // 0.8 rad in sub-steps: leaves the right band
    EXPECT_GT(u.angle, 0.375f);
    EXPECT_TRUE(u.update);
    EXPECT_EQ(u.anim_state, 0);
    // A rising unit (status 64) keeps its animation.
    u.angle = 0.0f;
    u.update = false;
    u.anim_state = 2;
    u.status = 64;
    Turn_Unit(3, 100);
    EXPECT_FALSE(u.update);
    EXPECT_EQ(u.anim_state, 2);
}

TEST_F(WorldTurning, SetHeadingKeepsAngleInsideItsBand) {
    Place_Unit(3, 50, 50);
    object& u = sprite[3];
    u.angle = 0.1f;
    u.tar_angle = 0.1f;
    Set_Heading(3, CX(60), CY(51), false); // about 0.1 rad: same band
    EXPECT_FLOAT_EQ(u.tar_angle, 0.1f);
    Set_Heading(3, CX(50), CY(60), false); // straight up
    EXPECT_NEAR(u.tar_angle, 1.5708f, 1e-3);
    u.tar_angle = 9.0f;
    Set_Heading(3, u.w + 0.025f + 0.01f, u.z + 0.025f, false); // too close: nothing
    EXPECT_FLOAT_EQ(u.tar_angle, 9.0f);
}

TEST_F(WorldTurning, PlayerAimsAtTheMouseCellAndHoldsInGreyZonesWhileDragging) {
    Place_Unit(0, 50, 50);
    p1_id = 0;
    object& p = sprite[0];
    p.angle = 0.0f;
    mouse_row_x = 50;
    mouse_row_y = 60;
    Set_Heading(0, 0.0f, 0.0f, false); // the point passed is replaced by the mouse cell
    EXPECT_NEAR(p.tar_angle, 1.5708f, 1e-3);
    // A mouse cell at about 0.38 rad (a grey zone) while the button is held: no change.
    p.tar_angle = 0.0f;
    mouse_row_x = 60;
    mouse_row_y = 54;
    mouseheld = true;
    Set_Heading(0, 0.0f, 0.0f, false);
    EXPECT_FLOAT_EQ(p.tar_angle, 0.0f);
    mouseheld = false;
    Set_Heading(0, 0.0f, 0.0f, false);
    EXPECT_NEAR(p.tar_angle, std::atan2(0.4f, 1.0f), 1e-3);
}

TEST_F(WorldTurning, MoveSpriteDriftsAlongAFixedAngle) {
    object& o = sprite[5];
    o.linked_sprite = -1;
    sc_ratio = 0.75f;
    Move_Sprite(5, 100, false);
    EXPECT_NEAR(o.x, 100 * std::cos(0.6f) * 1.2f * 0.00015f, 1e-7);
    EXPECT_NEAR(o.w, o.x, 1e-7);
    EXPECT_NEAR(o.y, 100 * 0.00015f * 0.75f * std::sin(0.6f) * 1.2f, 1e-7);
    Move_Sprite(5, 100, true);
    EXPECT_NEAR(o.y, 0.0f, 1e-7);
}
