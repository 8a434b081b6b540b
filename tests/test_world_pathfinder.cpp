// The path finder on small fixture maps, and the line test.
#include "test_world_fixture.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "hud/hud.h"
#include "world/pathfinder.h"
#include "world/turning.h"

class WorldPath : public WorldTest {
protected:
    static constexpr int UNIT = 3;
    void SetUp() override {
        WorldTest::SetUp();
        Place_Unit(0, 5, 5); // the player, far away
        p1_id = 0;
        Mark(0);
        has_water = false;
        platform::AdvanceVirtualClock(1000);
    }
    static void Mark(int i) {
        const object& o = sprite[i];
        map_col[Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2)] = COL_FOOTPRINT;
    }
    static void Unmark(int i) {
        const object& o = sprite[i];
        map_col[Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2)] = COL_FREE;
    }
    static void Unit_At(int i, int col, int row) {
        Place_Unit(i, col, row);
        Mark(i);
        sprite[i].moving = true;
        sprite[i].reached_node = -1;
    }
    static void Goal(int i, int col, int row) {
        sprite[i].end_x = CX(col);
        sprite[i].end_y = CY(row);
    }
    static std::vector<char> Grid() { return std::vector<char>(map_col, map_col + GRID_CELLS); }

    // Walks unit i from move target to move target as the unit AI would, checking that
    // each leg is clear; returns the cell it stops in.
    static int Walk(int i, int* legs) {
        object& u = sprite[i];
        *legs = 0;
        for (int guard = 0; guard < 100 && u.moving; ++guard) {
            float cx = u.w + u.box_width / 2, cy = u.z + u.box_height / 2;
            EXPECT_FALSE(Shoot_Ray(i, cx, cy, u.mov_x, u.mov_y, false, false))
                << "leg " << *legs << " crosses a wall";
            Unmark(i);
            u.w = u.mov_x - u.box_width / 2;
            u.z = u.mov_y - u.box_height / 2;
            Mark(i);
            ++*legs;
            if (u.mov_x == u.end_x && u.mov_y == u.end_y) break;
            Next_node(i, true);
        }
        return Cell_Of(u.w + u.box_width / 2, u.z + u.box_height / 2);
    }
};

TEST_F(WorldPath, GoalInPlainSightNeedsNoSearch) {
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 52);
    auto before = Grid();
    EXPECT_TRUE(Find_Path(UNIT));
    EXPECT_EQ(sprite[UNIT].mov_x, CX(60));
    EXPECT_EQ(sprite[UNIT].mov_y, CY(52));
    EXPECT_EQ(sprite[UNIT].node_count, -1);
    EXPECT_EQ(sprite[UNIT].col_timer, 1000 + 750);
    EXPECT_EQ(Grid(), before);
}

TEST_F(WorldPath, PathAroundAWallWalkedWaypointByWaypoint) {
    for (int r = 44; r <= 56; ++r) Wall(55, r);
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 50);
    auto before = Grid();
    ASSERT_TRUE(Find_Path(UNIT));
    EXPECT_TRUE(Path_Found);
    EXPECT_GT(sprite[UNIT].node_count, 0);
    EXPECT_EQ(Grid(), before); // every search mark is gone
    int legs = 0;
    int stop = Walk(UNIT, &legs);
    EXPECT_EQ(stop, Cell_Index(60, 50));
    EXPECT_GE(legs, 2); // at least one turn around the wall's end
    // The waypoints are fewer than the cells walked around the wall.
    EXPECT_LT(sprite[UNIT].node_count, 20);
}

TEST_F(WorldPath, ClosedRoomAnswersNoPath) {
    for (int c = 58; c <= 64; ++c) { Wall(c, 46); Wall(c, 54); }
    for (int r = 46; r <= 54; ++r) { Wall(58, r); Wall(64, r); }
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 61, 50);
    sprite[UNIT].status = 27;
    auto before = Grid();
    EXPECT_FALSE(Find_Path(UNIT));
    EXPECT_EQ(sprite[UNIT].node_count, -1);
    EXPECT_FALSE(sprite[UNIT].moving); // Next_node stopped the unit
    EXPECT_EQ(sprite[UNIT].status, 3);
    EXPECT_EQ(Grid(), before);
}

TEST_F(WorldPath, NonPlayerPlansAtMostEvery750ms) {
    for (int r = 44; r <= 56; ++r) Wall(55, r);
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 50);
    ASSERT_TRUE(Find_Path(UNIT));
    int first[100];
    std::memcpy(first, sprite[UNIT].node_list, sizeof(first));
    platform::AdvanceVirtualClock(700);
    Goal(UNIT, 60, 53);
    EXPECT_FALSE(Find_Path(UNIT));
    EXPECT_EQ(std::memcmp(first, sprite[UNIT].node_list, sizeof(first)), 0); // old plan kept
    platform::AdvanceVirtualClock(51);
    EXPECT_TRUE(Find_Path(UNIT));
    // The player is never throttled.
    Unmark(0);
    Unit_At(0, 50, 40);
    Goal(0, 50, 45);
    EXPECT_TRUE(Find_Path(0));
    EXPECT_TRUE(Find_Path(0));
}

TEST_F(WorldPath, NoPlayerFindsNothing) {
    p1_id = -1;
    for (int r = 44; r <= 56; ++r) Wall(55, r);
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 50);
    auto before = Grid();
    EXPECT_FALSE(Find_Path(UNIT));
    EXPECT_EQ(sprite[UNIT].node_count, -1);
    EXPECT_EQ(Grid(), before);
}

TEST_F(WorldPath, WadingPlayerPlansThroughWater) {
    for (int r = 0; r < 150; ++r) {
        Wall(56, r, COL_WATER);
        tiles[r * 150 + 56] = 481;
    }
    for (int r = 44; r <= 56; ++r) Wall(53, r);
    Unmark(0);
    Unit_At(0, 50, 50);
    Goal(0, 60, 50);
    auto before = Grid();
    EXPECT_FALSE(Find_Path(0));
    EXPECT_EQ(Grid(), before);
    has_water = true;
    EXPECT_TRUE(Find_Path(0));
    EXPECT_EQ(Grid(), before); // walked water cells hold 9 again
    sprite[0].moving = true;     // the failed plan had stopped him
    int legs = 0;
    EXPECT_EQ(Walk(0, &legs), Cell_Index(60, 50));
    // Other units do not wade.
    Unit_At(UNIT, 50, 30);
    Goal(UNIT, 60, 30);
    EXPECT_FALSE(Find_Path(UNIT));
}

TEST_F(WorldPath, WadingPlayerStandingInWaterLeavesItWater) {
    for (int r = 0; r < 150; ++r) {
        for (int c = 48; c <= 52; ++c) {
            Wall(c, r, COL_WATER);
            tiles[r * 150 + c] = 482;
        }
    }
    for (int r = 44; r <= 56; ++r) Wall(55, r);
    has_water = true;
    Unmark(0);
    Place_Unit(0, 50, 50); // in the water: no footprint mark there
    sprite[0].moving = true;
    Goal(0, 60, 50);
    auto before = Grid();
    EXPECT_TRUE(Find_Path(0));
    EXPECT_EQ(Grid(), before);
    EXPECT_EQ(Col(50, 50), COL_WATER);
}

TEST_F(WorldPath, GoalOffTheMapIsClampedNeverWrittenOutside) {
    Unit_At(UNIT, 140, 50);
    sprite[UNIT].end_x = 50.0f; // the W key aims beyond the pointer
    sprite[UNIT].end_y = CY(50);
    for (int r = 40; r <= 60; ++r) Wall(145, r);
    auto before = Grid();
    Find_Path(UNIT);
    EXPECT_EQ(Cell_Of(sprite[UNIT].end_x, sprite[UNIT].end_y), Cell_Index(149, 50));
    EXPECT_EQ(Grid(), before);
    // Far below and to the left as well.
    sprite[UNIT].end_x = -1.0e9f;
    sprite[UNIT].end_y = -1.0e9f;
    platform::AdvanceVirtualClock(800);
    Find_Path(UNIT);
    EXPECT_EQ(Cell_Of(sprite[UNIT].end_x, sprite[UNIT].end_y), 0);
    EXPECT_EQ(Grid(), before);
}

TEST_F(WorldPath, GoalOnAWallUsesTheFirstFreeCellBeforeIt) {
    for (int r = 44; r <= 56; ++r) Wall(55, r);
    for (int c = 56; c <= 62; ++c) Wall(c, 50);
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 50); // inside a solid row
    auto before = Grid();
    EXPECT_TRUE(Find_Path(UNIT));
    EXPECT_EQ(Grid(), before);
}

TEST_F(WorldPath, ShootRayRules) {
    Wall(20, 20, COL_FOOTPRINT);
    Wall(20, 30, COL_SOLID_SHOOTTHRU);
    Wall(20, 40, COL_SOLID);
    tiles[50 * 150 + 20] = 480;
    struct Case { int row; bool grey, shooting, blocked; } cases[] = {
        {20, false, false, false}, {20, true, false, true}, {30, false, false, false},
        {30, true, true, true},    {40, false, true, true}, {50, false, false, true},
        {50, false, true, false},  {60, true, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shoot_Ray(UNIT, CX(15), CY(c.row), CX(25), CY(c.row), c.grey, c.shooting), c.blocked)
            << "row " << c.row;
    EXPECT_TRUE(Shoot_Ray(UNIT, CX(145), CY(5), 9.0f, CY(5), false, false)); // leaves the map
    EXPECT_FALSE(Shoot_Ray(UNIT, CX(15), CY(70), CX(15), CY(70), true, false));
}

// The line test walks the line in 0.005 steps and probes the four corners of a small square
// at every step; it may skip lookups but must see every cell the probes touch. Here it is
// compared with that walk done probe by probe, on a map of scattered single blocking cells
// (so a probe grazing one corner decides), over lines in every direction, along grid lines,
// through cell corners and off the map.
bool Probe_By_Probe(int loop, float x1, float y1, float x2, float y2, bool grey_test, bool shooting) {
    float h = shooting ? 0.0025f : 0.005f;
    const bool water_passes = shooting || (loop == p1_id && p1_id != -1 && has_water);
    const float distance = Node_Distance1(x1, y1, x2, y2);
    const float angle = std::atan2(y2 - y1, x2 - x1);
    const float sx = std::cos(angle) * 0.005f, sy = std::sin(angle) * 0.005f;
    const float step = Node_Distance1(0.0f, 0.0f, sx, sy);
    int iterations = 0;
    if (step > 0.0f) {
        const float q = distance / step;
        iterations = (q < 1.0e7f) ? (int)q - 1 : 10000000;
        if (iterations < 0) iterations = 0;
    }
    const float off_x[4] = {h, -h, h, -h}, off_y[4] = {h, h, -h, -h};
    float x = x1, y = y1;
    for (int i = 0; i <= iterations; ++i) {
        x += sx;
        y += sy;
        for (int p = 0; p < 4; ++p) {
            const int cell = Cell_Of(x + off_x[p], y + off_y[p]);
            if (cell < 0) return true;
            const int code = map_col[cell];
            if (grey_test && (code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU)) return true;
            if (code == COL_SOLID) return true;
            if (!water_passes && tiles[cell] >= 480 && tiles[cell] <= 483) return true;
        }
    }
    return false;
}

TEST_F(WorldPath, ShootRayAgreesWithAProbeByProbeWalk) {
    std::srand(7);
    std::memset(map_col, 0, sizeof(map_col));
    const char codes[] = {COL_SOLID, COL_FOOTPRINT, COL_SOLID_SHOOTTHRU};
    for (int k = 0; k < 900; ++k) {
        const int cell = std::rand() % GRID_CELLS;
        if (k % 4 == 3) tiles[cell] = 480 + k % 4;
        else map_col[cell] = codes[k % 3];
    }
    has_water = true;
    auto coord = [](int kind) {
        const int c = 2 + std::rand() % 146;
        switch (kind) {
        case 0: return CX(c);                            // a cell centre
        case 1: return CX(c) - 0.05f;                    // a grid line
        case 2: return CX(c) - 0.05f + 0.0025f;          // a probe's width off a grid line
        case 3: return -8.0f + 16.0f * (float)(std::rand() % 10000) / 10000.0f; // anywhere, even off the map
        default: return CX(c) + (float)(std::rand() % 1000) / 10000.0f - 0.05f;
        }
    };
    int blocked = 0, open = 0;
    for (int n = 0; n < 3000; ++n) {
        const float x1 = coord(n % 5), y1 = coord((n / 5) % 5);
        float x2 = coord((n / 25) % 5), y2 = coord(n % 3);
        if (n % 7 == 0) x2 = x1;              // vertical
        if (n % 11 == 0) y2 = y1;             // horizontal
        if (n % 13 == 0) x2 = x1 + (y2 - y1); // diagonal
        const float len = 0.2f + (float)(n % 40) * 0.1f;
        const float d = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
        if (d > len && n % 4 != 0) {          // most lines short, as in play
            x2 = x1 + (x2 - x1) * len / d;
            y2 = y1 + (y2 - y1) * len / d;
        }
        const int loop = n % 2 ? UNIT : 0; // 0 is the player, who wades
        for (int flags = 0; flags < 3; ++flags) {
            const bool grey = flags == 1, shooting = flags == 2;
            const bool expected = Probe_By_Probe(loop, x1, y1, x2, y2, grey, shooting);
            ASSERT_EQ(Shoot_Ray(loop, x1, y1, x2, y2, grey, shooting), expected)
                << "line " << n << " (" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ") flags " << flags;
            (expected ? blocked : open)++;
        }
    }
    // Both answers occur often enough for the comparison to mean something.
    EXPECT_GT(blocked, 1000);
    EXPECT_GT(open, 1000);
}

// Lines that end, start or run right at the side of a blocking cell, where a probe square
// just touches it or just misses it: within a step and a probe's width of the side.
TEST_F(WorldPath, ShootRayAtTheSidesOfBlockingCells) {
    std::srand(99);
    for (int k = 0; k < 40; ++k) Wall(20 + (k * 7) % 110, 20 + (k * 13) % 110, k % 2 ? COL_SOLID : COL_FOOTPRINT);
    int blocked = 0, open = 0;
    for (int n = 0; n < 4000; ++n) {
        const int k = n % 40;
        const int wc = 20 + (k * 7) % 110, wr = 20 + (k * 13) % 110;
        // A point off one side of the wall cell, by -0.012 to +0.012 across the side.
        const float across = -0.012f + 0.024f * (float)(std::rand() % 1000) / 1000.0f;
        const float along = -0.06f + 0.12f * (float)(std::rand() % 1000) / 1000.0f;
        float ex = CX(wc), ey = CY(wr);
        switch (n % 4) {
        case 0: ex += -0.05f + across, ey += along; break;
        case 1: ex += 0.05f + across, ey += along; break;
        case 2: ey += -0.05f + across, ex += along; break;
        default: ey += 0.05f + across, ex += along; break;
        }
        // From a point some cells away, or along the side itself.
        const float dist = 0.02f + 0.5f * (float)(std::rand() % 1000) / 1000.0f;
        const float angle = 6.2831853f * (float)(std::rand() % 1000) / 1000.0f;
        float sx = ex + dist * std::cos(angle), sy = ey + dist * std::sin(angle);
        if (n % 9 == 0) sx = ex, sy = ey + dist; // along a vertical side
        if (n % 11 == 0) sy = ey, sx = ex + dist; // along a horizontal side
        const bool backwards = n % 3 == 0;        // the line starts at the side
        const float x1 = backwards ? ex : sx, y1 = backwards ? ey : sy;
        const float x2 = backwards ? sx : ex, y2 = backwards ? sy : ey;
        for (int flags = 0; flags < 3; ++flags) {
            const bool grey = flags != 0, shooting = flags == 2;
            const bool expected = Probe_By_Probe(UNIT, x1, y1, x2, y2, grey, shooting);
            ASSERT_EQ(Shoot_Ray(UNIT, x1, y1, x2, y2, grey, shooting), expected)
                << "line " << n << " (" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ") flags " << flags;
            (expected ? blocked : open)++;
        }
    }
    EXPECT_GT(blocked, 2000);
    EXPECT_GT(open, 2000);
}

TEST_F(WorldPath, GridHelpersOfTheWalk) {
    Wall(10, 11);
    Wall(9, 10);
    Wall(11, 10);
    EXPECT_TRUE(Stuck_Check(Cell_Index(10, 10), 0, 0));
    EXPECT_FALSE(Stuck_Check(Cell_Index(30, 30), 0, 0));
    EXPECT_TRUE(Stuck_To_Wall(Cell_Index(12, 11), 0, 0));
    EXPECT_FALSE(Stuck_To_Wall(Cell_Index(30, 30), 0, 0));
    EXPECT_TRUE(Stuck_To_Wall(Cell_Index(0, 30), 0, 0)); // the map's edge counts as a wall
    EXPECT_TRUE(Stuck_Check(Cell_Index(0, 0), 0, 0) == false);
    // A diagonal step onto (10, 10) from (9, 11) cuts the corner between (9, 10) and (10, 11).
    EXPECT_TRUE(Diagonal_Check(Cell_Index(10, 10), -1, 1));
    EXPECT_FALSE(Diagonal_Check(Cell_Index(10, 10), 0, 1));
}

TEST_F(WorldPath, SmallerSceneMapKeepsTheCellFormula) {
    MAP_WIDTH = MAP_HEIGHT = 60;
    map_startX = map_startY = 3.0f;
    std::memset(map_col, 0, sizeof(map_col));
    Unit_At(0, 2, 2);
    for (int r = 20; r <= 40; ++r) Wall(30, r);
    Unit_At(UNIT, 25, 30);
    Goal(UNIT, 35, 30);
    auto before = Grid();
    ASSERT_TRUE(Find_Path(UNIT));
    EXPECT_EQ(Grid(), before);
    int legs = 0;
    EXPECT_EQ(Walk(UNIT, &legs), Cell_Index(35, 30));
}

TEST_F(WorldPath, WayOutOfAPocketFacingAwayFromTheGoal) {
    // A pocket around the unit, open on the side away from the goal.
    for (int r = 45; r <= 55; ++r) Wall(54, r);
    for (int c = 46; c <= 54; ++c) { Wall(c, 45); Wall(c, 55); }
    Unit_At(UNIT, 50, 50);
    Goal(UNIT, 60, 50);
    auto before = Grid();
    ASSERT_TRUE(Find_Path(UNIT));
    EXPECT_EQ(Grid(), before);
    int legs = 0;
    EXPECT_EQ(Walk(UNIT, &legs), Cell_Index(60, 50));
    EXPECT_GE(legs, 3);
}

TEST_F(WorldPath, RandomFieldsLeaveTheGridCleanAndPathsWalkable) {
    std::srand(777);
    int found = 0;
    for (int round = 0; round < 60; ++round) {
        std::memset(map_col, 0, sizeof(map_col));
        for (int k = 0; k < 400; ++k) {
            int c = std::rand() % 150, r = std::rand() % 150, len = 2 + std::rand() % 8;
            bool horizontal = std::rand() % 2;
            for (int j = 0; j < len; ++j) {
                int cc = horizontal ? c + j : c, rr = horizontal ? r : r + j;
                if (cc < 150 && rr < 150) Wall(cc, rr, std::rand() % 5 == 0 ? COL_SOLID_SHOOTTHRU : COL_SOLID);
            }
        }
        int sc = std::rand() % 150, sr = std::rand() % 150;
        int gc = sc + std::rand() % 41 - 20, gr = sr + std::rand() % 41 - 20;
        if (gc < 0 || gc >= 150 || gr < 0 || gr >= 150) continue;
        map_col[Cell_Index(sc, sr)] = COL_FREE;
        Unit_At(0, 0, 0);
        p1_id = 0;
        Unit_At(UNIT, sc, sr);
        Goal(UNIT, gc, gr);
        sprite[UNIT].col_timer = 0;
        auto before = Grid();
        bool ok = Find_Path(UNIT);
        ASSERT_EQ(Grid(), before) << "round " << round;
        if (!ok || sprite[UNIT].node_count <= 0) continue;
        found++;
        int legs = 0;
        int stop = Walk(UNIT, &legs);
        int goal = Cell_Index(gc, gr);
        // The walk ends on the goal's cell, or on the free cell chosen for a goal on a wall.
        if (map_col[goal] == COL_FREE || map_col[goal] == COL_FOOTPRINT) {
            EXPECT_EQ(stop, goal) << "round " << round;
        }
    }
    EXPECT_GT(found, 10);
}

// The planner reads the search window as rows of bits and answers most line tests from the
// cells along the line; cell_by_cell_search turns both off. Every plan must come out the
// same either way: the unit's whole record (waypoints, move target, timers), the grid, the
// plan's cells and the debug path. The fields mix walls of every code, water, units'
// footprints, a few cells left marked as if by a search, narrow gaps and dead ends, goals
// near and far (some off the window, some on walls), the player wading or not, on square
// maps and on maps narrower or wider than tall.
TEST_F(WorldPath, RowWiseSearchPlansExactlyAsTheCellByCellSearch) {
    std::srand(4242);
    struct Map_Shape { int w, h; float start_x, start_y; };
    const Map_Shape shapes[] = {{150, 150, 7.5f, 7.5f}, {90, 150, 4.5f, 7.5f}, {150, 100, 7.5f, 5.0f}, {40, 40, 2.0f, 2.0f}};
    int plans = 0, searched = 0, found = 0;
    for (int round = 0; round < 240; ++round) {
        const Map_Shape& shape = shapes[round % 4];
        MAP_WIDTH = shape.w;
        MAP_HEIGHT = shape.h;
        map_startX = shape.start_x;
        map_startY = shape.start_y;
        std::memset(map_col, 0, sizeof(map_col));
        std::memset(tiles, 0, sizeof(tiles));
        const int W = shape.w, H = shape.h;
        const int walls = W * H / 40;
        for (int k = 0; k < walls; ++k) {
            const int c = std::rand() % W, r = std::rand() % H, len = 1 + std::rand() % 12;
            const bool horizontal = std::rand() % 2;
            const int kind = std::rand() % 10;
            for (int j = 0; j < len; ++j) {
                const int cc = horizontal ? c + j : c, rr = horizontal ? r : r + j;
                const int cell = Cell_Index(cc, rr);
                if (cell < 0) continue;
                if (kind < 5) map_col[cell] = COL_SOLID;
                else if (kind < 7) map_col[cell] = COL_SOLID_SHOOTTHRU;
                else if (kind < 8) map_col[cell] = COL_FOOTPRINT;
                else {
                    tiles[cell] = 480 + j % 4;
                    map_col[cell] = COL_WATER;
                }
            }
        }
        if (round % 5 == 0) map_col[Cell_Index(std::rand() % W, std::rand() % H)] = COL_VISITED;
        if (round % 7 == 0) map_col[Cell_Index(std::rand() % W, std::rand() % H)] = COL_SEARCH_START;

        const bool player = round % 3 == 0;
        const int unit = player ? 0 : UNIT;
        has_water = round % 2 == 0;
        const int sc = std::rand() % W, sr = std::rand() % H;
        const int spread = round % 8 == 0 ? 70 : 30;
        const int gc = sc + std::rand() % (2 * spread + 1) - spread, gr = sr + std::rand() % (2 * spread + 1) - spread;
        if (!player) Unit_At(0, std::rand() % W, std::rand() % H);
        map_col[Cell_Index(sc, sr)] = COL_FREE;
        Unit_At(unit, sc, sr);
        p1_id = 0;
        sprite[unit].end_x = Cell_Centre_X(gc) + (float)(std::rand() % 60 - 30) / 1000.0f;
        sprite[unit].end_y = Cell_Centre_Y(gr) + (float)(std::rand() % 60 - 30) / 1000.0f;
        sprite[unit].col_timer = 0;

        const std::vector<char> grid = Grid();
        object start_record;
        std::memcpy(&start_record, &sprite[unit], sizeof(object));
        struct Outcome {
            bool answer, path_found;
            std::vector<char> grid;
            std::vector<unsigned char> record;
            std::vector<int> plan;
            std::vector<float> debug;
        };
        auto plan = [&](bool cell_by_cell) {
            std::memcpy(map_col, grid.data(), grid.size());
            std::memcpy(&sprite[unit], &start_record, sizeof(object));
            cell_by_cell_search = cell_by_cell;
            Path_Found = false;
            Outcome o;
            o.answer = Find_Path(unit);
            cell_by_cell_search = false;
            o.path_found = Path_Found;
            o.grid = Grid();
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&sprite[unit]);
            o.record.assign(bytes, bytes + sizeof(object));
            o.plan.assign(recorded, recorded + RECORDED_SIZE);
            o.debug.assign(debug_pathX, debug_pathX + debug_path_count);
            o.debug.insert(o.debug.end(), debug_pathY, debug_pathY + debug_path_count);
            return o;
        };
        const Outcome slow = plan(true), fast = plan(false);
        ASSERT_EQ(fast.answer, slow.answer) << "round " << round;
        ASSERT_EQ(fast.path_found, slow.path_found) << "round " << round;
        ASSERT_EQ(fast.grid, slow.grid) << "round " << round;
        ASSERT_EQ(fast.plan, slow.plan) << "round " << round;
        ASSERT_EQ(fast.debug, slow.debug) << "round " << round;
        ASSERT_EQ(fast.record, slow.record) << "round " << round << ": " << sprite[unit].node_count << " waypoints";
        plans++;
        if (fast.path_found || sprite[unit].node_count != -1 || !fast.answer) searched++;
        if (fast.path_found) found++;
    }
    // The fields give searches that succeed and that fail, not only clear lines.
    EXPECT_EQ(plans, 240);
    EXPECT_GT(found, 60);
    EXPECT_GT(searched - found, 20);
}

// The window's rows are read from the grid 64 cells at a time where that many follow in the
// grid, and copied out first where they do not: in the last rows of a full-size map, towards
// its right side. Plans there, around walls, water and other units, come out as with the
// cell-by-cell search, as do plans at the map's other sides.
TEST_F(WorldPath, PlansAtTheGridsEndMatchTheCellByCellSearch) {
    MAP_WIDTH = MAP_HEIGHT = 150;
    map_startX = map_startY = 7.5f;
    struct Case { int sc, sr, gc, gr; bool player; };
    const Case cases[] = {
        {140, 147, 120, 130, false}, {120, 130, 146, 148, false}, {100, 149, 149, 140, false},
        {149, 149, 110, 146, false}, {130, 146, 149, 125, true},  {90, 148, 140, 149, true},
        {3, 148, 30, 130, false},    {146, 2, 120, 20, false},    {75, 140, 75, 120, false},
    };
    std::srand(77);
    int found = 0, searched = 0;
    for (const Case& k : cases) {
        std::memset(map_col, 0, sizeof(map_col));
        std::memset(tiles, 0, sizeof(tiles));
        // Broken walls of every code and pools of water all over the last rows and the corners.
        for (int n = 0; n < 500; ++n) {
            const int c = std::rand() % 150, r = (n % 3 == 0) ? std::rand() % 150 : 110 + std::rand() % 40;
            const int cell = Cell_Index(c, r);
            if ((c == k.sc && r == k.sr) || (c == k.gc && r == k.gr)) continue;
            const int kind = std::rand() % 8;
            if (kind < 3) map_col[cell] = COL_SOLID;
            else if (kind < 5) map_col[cell] = COL_SOLID_SHOOTTHRU;
            else if (kind < 6) map_col[cell] = COL_FOOTPRINT;
            else {
                tiles[cell] = 480 + n % 4;
                map_col[cell] = COL_WATER;
            }
        }
        const int unit = k.player ? 0 : UNIT;
        has_water = k.player;
        if (!k.player) Unit_At(0, 5, 5);
        Unit_At(unit, k.sc, k.sr);
        p1_id = 0;
        Goal(unit, k.gc, k.gr);
        const std::vector<char> grid = Grid();
        object start_record;
        std::memcpy(&start_record, &sprite[unit], sizeof(object));
        auto plan = [&](bool cell_by_cell) {
            std::memcpy(map_col, grid.data(), grid.size());
            std::memcpy(&sprite[unit], &start_record, sizeof(object));
            sprite[unit].col_timer = 0;
            cell_by_cell_search = cell_by_cell;
            Path_Found = false;
            const bool answer = Find_Path(unit);
            cell_by_cell_search = false;
            std::vector<int> out(recorded, recorded + RECORDED_SIZE);
            out.push_back(answer);
            out.push_back(Path_Found);
            out.push_back(sprite[unit].node_count);
            out.insert(out.end(), sprite[unit].node_list, sprite[unit].node_list + PATH_NODES);
            return std::make_pair(out, Grid());
        };
        const auto slow = plan(true), fast = plan(false);
        EXPECT_EQ(fast.first, slow.first) << "from " << k.sc << "," << k.sr << " to " << k.gc << "," << k.gr;
        EXPECT_EQ(fast.second, slow.second) << "from " << k.sc << "," << k.sr;
        if (slow.first[RECORDED_SIZE + 1]) found++;
        if (slow.first[RECORDED_SIZE + 1] || !slow.first[RECORDED_SIZE]) searched++;
    }
    // Searches that reach their goal and searches that fail, not only clear lines.
    EXPECT_GE(found, 2);
    EXPECT_GE(searched - found, 2);
}
