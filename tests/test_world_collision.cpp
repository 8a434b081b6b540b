// The collision grid: movement tests, glass, water, footprints, unit sizing, free cells.
#include "test_world_fixture.h"

#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "world/collision.h"

class WorldCollision : public WorldTest {
protected:
    // A mover record whose box centre sits on cell (col, row).
    object Mover(int col, int row, int cls = 0) {
        object o{};
        o.box_width = o.box_height = 0.05f;
        o.w = CX(col) - 0.025f;
        o.z = CY(row) - 0.025f;
        o.sector = cls;
        return o;
    }
};

TEST_F(WorldCollision, CellHelperAgreesWithItsInverse) {
    for (int idx : {0, 149, 150, 151, 22499, 75 * 150 + 3}) {
        EXPECT_EQ(Cell_Index(Cell_Column_Of(idx), Cell_Row_Of(idx)), idx);
        EXPECT_EQ(Cell_Of(CX(Cell_Column_Of(idx)), CY(Cell_Row_Of(idx))), idx);
    }
    EXPECT_EQ(Cell_Of(7.51f, 0.0f), -1);  // beyond the right edge: not the next row
    EXPECT_EQ(Cell_Of(0.0f, 7.51f), -1);
    EXPECT_EQ(Cell_Of(-9.0f, 0.0f), -1);
    EXPECT_EQ(Cell_Of(1.0e30f, 0.0f), -1);
    EXPECT_EQ(Cell_Of(-7.45f, -7.45f), 0); // truncation toward zero keeps the first cell
}

TEST_F(WorldCollision, ResultCodes) {
    Wall(10, 10, COL_SOLID);
    Wall(11, 10, COL_FOOTPRINT);
    Wall(12, 10, COL_SOLID_SHOOTTHRU);
    object m = Mover(9, 10);
    EXPECT_EQ(Test_Collision(m, 0.0f, 0.0f, false, 3, false), MOVE_FREE);
    EXPECT_EQ(Test_Collision(m, 0.1f, 0.0f, false, 3, false), MOVE_BLOCKED);
    EXPECT_EQ(Test_Collision(m, 0.2f, 0.0f, false, 3, false), MOVE_BLOCKED);
    EXPECT_EQ(Test_Collision(m, 0.3f, 0.0f, false, 3, false), MOVE_BLOCKED);
    EXPECT_EQ(Test_Collision(Mover(149, 5), 0.1f, 0.0f, false, 3, false), MOVE_OFF_MAP);
    EXPECT_EQ(Test_Collision(Mover(5, 0), 0.0f, -0.2f, false, 3, false), MOVE_OFF_MAP);
    // A smaller scene map: beyond its own width is off the map.
    MAP_WIDTH = MAP_HEIGHT = 40;
    EXPECT_EQ(Test_Collision(Mover(39, 5), 0.1f, 0.0f, false, 3, false), MOVE_OFF_MAP);
}

TEST_F(WorldCollision, OnlyWalkAndWorldModesTest) {
    Wall(10, 10);
    object m = Mover(10, 10);
    for (int mode : {0, 1, 2, 4}) {
        game_mode = mode;
        EXPECT_EQ(Test_Collision(m, 0, 0, false, 3, false), MOVE_FREE) << mode;
    }
    game_mode = MODE_WORLD;
    EXPECT_EQ(Test_Collision(m, 0, 0, false, 3, false), MOVE_BLOCKED);
}

TEST_F(WorldCollision, GlassBreaksOnceWithItsSound) {
    tiles[20 * 150 + 20] = 504;
    object m = Mover(20, 20);
    EXPECT_EQ(Test_Collision(m, 0, 0, false, 3, false), MOVE_FREE);
    EXPECT_TRUE(glass_sfx);
    EXPECT_EQ(tiles[20 * 150 + 20], 505);
    glass_sfx = false;
    Test_Collision(m, 0, 0, false, 3, false);
    EXPECT_FALSE(glass_sfx);
    EXPECT_EQ(tiles[20 * 150 + 20], 505);
    // 506 breaks silently; off the map nothing breaks.
    tiles[21 * 150 + 20] = 506;
    Test_Collision(Mover(20, 21), 0, 0, false, 3, false);
    EXPECT_EQ(tiles[21 * 150 + 20], 507);
    EXPECT_FALSE(glass_sfx);
}

TEST_F(WorldCollision, BottlesCountInTheSuppliesArea) {
    Level = 9; // LVL_SUPPLIES
    tiles[30 * 150 + 30] = 502;
    tiles[30 * 150 + 31] = 504;
    tiles[30 * 150 + 32] = 502;
    map_set[30 * 150 + 30] = 1;
    map_set[30 * 150 + 32] = 2; // only a set of 1 marks the bottle with the drop
    bottle_count = 0;
    global_objects[28] = 0;
    tent_objects[4] = 0;
    Test_Collision(Mover(32, 30), 0, 0, false, 3, false);
    EXPECT_EQ(global_objects[28], 0); // nothing dropped
    Test_Collision(Mover(30, 30), 0, 0, false, 3, false);
    EXPECT_EQ(global_objects[28], 1); // the magazines dropped
    Test_Collision(Mover(31, 30), 0, 0, false, 3, false);
    EXPECT_EQ(bottle_count, 3);
    EXPECT_EQ(tiles[30 * 150 + 30], 503);
}

TEST_F(WorldCollision, WaterAndSharks) {
    Wall(40, 40, COL_WATER);
    tiles[40 * 150 + 40] = 481;
    p1_id = 0;
    object m = Mover(40, 40);
    EXPECT_EQ(Test_Collision(m, 0, 0, false, 0, false), MOVE_BLOCKED);
    has_water = true;
    EXPECT_EQ(Test_Collision(m, 0, 0, false, 0, false), MOVE_FREE);
    EXPECT_EQ(Test_Collision(m, 0, 0, false, 5, false), MOVE_BLOCKED); // not the player
    object shark = Mover(40, 40, 29);
    EXPECT_EQ(Test_Collision(shark, 0, 0, false, 5, false), MOVE_FREE);
    EXPECT_EQ(Test_Collision(Mover(41, 40, 29), 0, 0, false, 5, false), MOVE_BLOCKED); // dry land
}

TEST_F(WorldCollision, FootprintStamps) {
    struct Case { int type, onCreate, kind; char code; } cases[] = {
        {3, 2, 5, COL_SOLID_SHOOTTHRU}, {3, 0, 0, COL_SOLID}, {3, 1, 5, COL_SOLID},
        {3, 0, -1, COL_SOLID}, {3, 0, 5, COL_FOOTPRINT}, {4, 0, 0, COL_FOOTPRINT},
    };
    for (const Case& c : cases) {
        object& o = sprite[7];
        o = object{};
        o.type = c.type;
        o.onCreate = c.onCreate;
        o.sector_action = c.kind;
        o.w = CX(59);
        o.z = CY(60);
        o.box_width = 0.2f; // columns 59 to 61
        o.box_height = 0.01f;
        Generate_Object_Collision(7, false);
        EXPECT_EQ(Col(59, 60), c.code);
        EXPECT_EQ(Col(61, 60), c.code);
        EXPECT_EQ(Col(62, 60), 0);
        Generate_Object_Collision(7, true);
        EXPECT_EQ(Col(59, 60), 0);
        EXPECT_EQ(Col(61, 60), 0);
    }
}

TEST_F(WorldCollision, BoxAtTheMapEdgeDoesNotWrap) {
    object& o = sprite[7];
    o.type = 4;
    o.w = CX(148);
    o.z = CY(70);
    o.box_width = 0.4f; // reaches beyond column 149
    o.box_height = 0.01f;
    Generate_Object_Collision(7, false);
    EXPECT_EQ(Col(148, 70), COL_FOOTPRINT);
    EXPECT_EQ(Col(149, 70), COL_FOOTPRINT);
    EXPECT_EQ(Col(0, 71), 0);
    EXPECT_EQ(Col(1, 71), 0);
    // Far outside the map nothing is written.
    o.w = -100.0f;
    o.z = -100.0f;
    Generate_Object_Collision(7, false);
    for (int i = 0; i < 22500; ++i) {
        if (i != 70 * 150 + 148 && i != 70 * 150 + 149) {
            ASSERT_EQ(map_col[i], 0) << i;
        }
    }
}

TEST_F(WorldCollision, RepositionSizesCentresAndMarks) {
    object& u = sprite[2];
    u.type = 46;
    u.sector = 0;
    u.x = CX(50);
    u.y = CY(50);
    Reposition_Unit(2);
    EXPECT_FLOAT_EQ(u.width, 0.275f);
    EXPECT_FLOAT_EQ(u.box_width, 0.05f);
    EXPECT_NEAR(u.w + u.box_width / 2, CX(50), 1e-5);
    EXPECT_NEAR(u.z + u.box_height / 2, CY(50), 1e-5);
    EXPECT_EQ(Col(50, 50), COL_FOOTPRINT);

    object& d = sprite[3];
    d.type = 46;
    d.sector = 41; // DOG
    d.x = CX(55);
    d.y = CY(55);
    Reposition_Unit(3);
    EXPECT_FLOAT_EQ(d.box_width, 0.1f);
    EXPECT_NEAR(d.w + d.box_width / 2, CX(55), 1e-5);

    object& duck = sprite[4];
    duck.type = 46;
    duck.sector = 27; // DUCK: no mark
    duck.x = CX(57);
    duck.y = CY(57);
    Reposition_Unit(4);
    EXPECT_EQ(Col(57, 57), 0);

    object& v = sprite[5];
    v.type = 46;
    v.sector = 26; // vehicle: not centred, not marked
    v.x = 1.0f;
    v.y = 1.0f;
    Reposition_Unit(5);
    EXPECT_FLOAT_EQ(v.x, 1.0f);
    EXPECT_FLOAT_EQ(v.w, 1.0f + 0.065f);
}

TEST_F(WorldCollision, GetSpaceAndTileIndex) {
    for (int c = 20; c <= 24; ++c) Wall(c, 20);
    // From inside the wall toward free ground: the first free cell on the way.
    EXPECT_EQ(Get_Space(CX(20), CY(20), CX(30), CY(20)), 20 * 150 + 25);
    EXPECT_EQ(Get_Space(CX(20), CY(20), CX(20), CY(20)), -1);
    EXPECT_EQ(Get_Tile_Index(CX(3), CY(4)), 4 * 150 + 3);
    EXPECT_EQ(Get_Tile_Index(50.0f, 50.0f), -1);
    EXPECT_EQ(Get_Tile_Index(7.55f, 0.0f), -1); // just beyond the right edge of a row
}

TEST_F(WorldCollision, MoveVehicleCarriesItsFootprint) {
    object& v = sprite[6];
    v.type = 3;
    v.sector_action = 5;
    v.grab_switch = true;
    v.w = CX(80) - 0.02f;
    v.z = CY(80) - 0.02f;
    v.box_width = v.box_height = 0.04f;
    Generate_Object_Collision(6, false);
    ASSERT_EQ(Col(80, 80), COL_FOOTPRINT);
    for (int i = 0; i < 15; ++i) Move_Vehicle(6, 100.0f, CY(80), 100); // 0.0192 per call
    EXPECT_TRUE(v.moving);
    EXPECT_EQ(Col(80, 80), 0);
    EXPECT_EQ(Cell_Of(v.w + 0.02f, v.z + 0.02f), 80 * 150 + 83);
    EXPECT_EQ(Col(83, 80), COL_FOOTPRINT);
}
