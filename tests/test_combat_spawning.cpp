// Enemy spawning ahead of the player and in rooms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "combat/spawning.h"
#include "common/codes.h"
#include "content/level_table.h"
#include "test_world_fixture.h"
#include "world/sprite_construction.h"
#include "world/turning.h"

namespace {
constexpr int GROUND = 416;
constexpr int PLAYER = 0;
} // namespace

class CombatSpawning : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        Fresh_Scene();
    }
    // An open field of ground tiles with the player at the origin facing right.
    void Fresh_Scene(float px = 0.0f, float py = 0.0f, float angle = 0.0f) {
        Free_Records();
        Allocate_Records();
        for (int i = 0; i < GRID_CELLS; ++i) {
            tiles[i] = GROUND;
            map_col[i] = COL_FREE;
        }
        no_sprites = 0;
        player_counter = 0;
        door_counter = 0;
        no_points = 0;
        zoom_factor = 1.0f;
        object& p = sprite[PLAYER];
        p.type = PLY;
        p.box_width = p.box_height = 0.1f;
        p.w = p.x = px - 0.05f;
        p.z = p.y = py - 0.05f;
        p.angle = angle;
        p1_id = PLAYER;
        no_sprites = 1;
    }
    static std::vector<int> Made() {
        std::vector<int> out;
        for (int i = 1; i < no_sprites; ++i) out.push_back(i);
        return out;
    }
    // Where a sprite was placed: New_Sprite centres the collision box on that point.
    static float SX(int i) { return sprite[i].w + sprite[i].box_width / 2; }
    static float SY(int i) { return sprite[i].z + sprite[i].box_height / 2; }
    static int Count(int type, int cls = -1000) {
        int n = 0;
        for (int i : Made())
            if (sprite[i].type == type && (cls == -1000 || sprite[i].sector == cls)) ++n;
        return n;
    }
};

TEST_F(CombatSpawning, UnitsAppearAheadOfThePlayerOnFreeGroundOutOfView) {
    // Only the lower half of the field is ground; one column of it is blocked.
    for (int i = 0; i < GRID_CELLS; ++i)
        if (Cell_Row_Of(i) >= Cell_Row(0.0f)) tiles[i] = 0;
    for (int row = 0; row < MAP_HEIGHT; ++row) Wall(Cell_Column(1.4f), row);
    Level = LVL_BUNKER_A;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Fresh_Scene();
        for (int i = 0; i < GRID_CELLS; ++i)
            if (Cell_Row_Of(i) >= Cell_Row(0.0f)) tiles[i] = 0;
        for (int row = 0; row < MAP_HEIGHT; ++row) Wall(Cell_Column(1.4f), row);
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(2, -1, false)) << seed;
        ASSERT_FALSE(Made().empty());
        for (int i : Made()) {
            const object& o = sprite[i];
            // The cell a unit was placed on (units of these classes stand 0.1 lower).
            const float cy = o.type == UNT && o.sector == DOG ? SY(i) - 0.1f : SY(i);
            const int cell = Cell_Of(SX(i), cy);
            ASSERT_GE(cell, 0);
            EXPECT_EQ(tiles[cell], GROUND) << seed;
            EXPECT_NE(Cell_Column_Of(cell), Cell_Column(1.4f)) << seed;
            EXPECT_GT(SX(i), 0.35f) << seed;      // ahead: around (1.4, 0), 1 unit either way
            EXPECT_LT(SX(i), 2.46f) << seed;
            EXPECT_GT(Node_Distance(0.0f, 0.0f, SX(i), cy), zoom_factor - 0.1f) << seed;
            EXPECT_EQ(o.linked_sprite, o.type == UNT ? CLIENT1 : SERVER);
        }
    }
}

TEST_F(CombatSpawning, SearchCentreIsKeptOnTheMap) {
    Level = LVL_BUNKER_A;
    srand(3);
    // At the right edge facing outwards: the point 1.4 ahead lies off the map.
    Fresh_Scene(7.3f, 0.0f, 0.0f);
    zoom_factor = 0.3f;
    EXPECT_TRUE(Spawn_A_Guy(2, -1, false));
    for (int i : Made()) EXPECT_LT(SX(i), 7.5f);
    // The marker point sits at the clamped centre.
    ASSERT_EQ(no_points, 1);
    EXPECT_FLOAT_EQ(points[0].x, map_startX);
    EXPECT_EQ(points[0].c1, DEAD_PNT);
}

TEST_F(CombatSpawning, NothingIsMadeWithoutCandidateCells) {
    struct { const char* what; int level; int tile; char col; } cases[] = {
        {"the convoy", LVL_CONVOY, GROUND, COL_FREE},
        {"no ground tiles", LVL_BUNKER_A, 0, COL_FREE},
        {"all blocked", LVL_BUNKER_A, GROUND, COL_SOLID},
        {"highway verges", LVL_HIGHWAY, 429, COL_FREE},
    };
    for (const auto& c : cases) {
        Fresh_Scene();
        Level = c.level;
        for (int i = 0; i < GRID_CELLS; ++i) {
            tiles[i] = c.tile;
            map_col[i] = c.col;
        }
        EXPECT_FALSE(Spawn_A_Guy(3, -1, false)) << c.what;
        EXPECT_EQ(no_sprites, 1) << c.what;
        EXPECT_EQ(no_points, 0) << c.what;
    }
    Fresh_Scene();
    Level = LVL_BUNKER_A;
    EXPECT_FALSE(Spawn_A_Guy(0, -1, false));
    EXPECT_EQ(no_sprites, 1);
}

TEST_F(CombatSpawning, MarkerPointOutsideDungeonsOnlyAndNeverPastTheTable) {
    Level = LVL_BUNKER_A;
    srand(5);
    ASSERT_TRUE(Spawn_A_Guy(1, -1, false));
    ASSERT_EQ(no_points, 1);
    EXPECT_EQ(points[0].c1, DEAD_PNT);
    EXPECT_NEAR(points[0].x, 1.4f, 1e-4);
    EXPECT_NEAR(points[0].y, -0.05f, 1e-4); // from the player's drawn y

    Fresh_Scene();
    in_dungeon = true;
    EXPECT_TRUE(Spawn_A_Guy(1, -1, false));
    EXPECT_EQ(no_points, 0);
    in_dungeon = false;

    Fresh_Scene();
    no_points = MAX_POINTS;
    points[MAX_POINTS - 1].c1 = PATROL_PNT;
    EXPECT_TRUE(Spawn_A_Guy(1, -1, false));
    EXPECT_EQ(no_points, MAX_POINTS);
    EXPECT_EQ(points[MAX_POINTS - 1].c1, PATROL_PNT);
}

TEST_F(CombatSpawning, FullSpriteArraysMakeNothingYetReportTheChoice) {
    // The result tells that a spawn choice was made, not that a unit could be made.
    Level = LVL_BUNKER_A;
    no_sprites = MAX_SPRITES;
    EXPECT_TRUE(Spawn_A_Guy(3, -1, false));
    EXPECT_EQ(no_sprites, MAX_SPRITES);
    Fresh_Scene();
    player_counter = PLAYER_LIST_SIZE;
    EXPECT_TRUE(Spawn_A_Guy(2, -1, false));
    EXPECT_EQ(no_sprites, 1);
}

// Closed areas: gunners with an officer as the third member, or a pack of dogs.
TEST_F(CombatSpawning, GroupOfThreeInAClosedArea) {
    Level = LVL_BUNKER_A;
    int officers = 0, packs = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Fresh_Scene();
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(3, -1, false));
        std::vector<int> made = Made();
        ASSERT_EQ(made.size(), 3u) << seed;
        if (Count(BOD) > 0) continue;
        if (Count(UNT, DOG) > 0) {
            EXPECT_EQ(Count(UNT, DOG), 3) << seed;
            ++packs;
        } else {
            EXPECT_EQ(sprite[made[0]].sector, GUNNER) << seed;
            EXPECT_EQ(sprite[made[1]].sector, GUNNER) << seed;
            EXPECT_EQ(sprite[made[2]].sector, CHIEF) << seed;
            EXPECT_EQ(sprite[made[2]].id, 20);
            ++officers;
        }
    }
    EXPECT_GT(officers, 0);
    EXPECT_GT(packs, 0);
}

TEST_F(CombatSpawning, OneSpawnInThirtyIsABody) {
    Level = LVL_BUNKER_A;
    int bodies = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Fresh_Scene();
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(1, -1, false));
        ASSERT_EQ(Made().size(), 1u);
        const object& o = sprite[Made()[0]];
        if (o.type == BOD) {
            ++bodies;
            EXPECT_EQ(o.linked_sprite, SERVER);
            EXPECT_EQ(o.id, 29);
            EXPECT_EQ(o.score, 30);
            EXPECT_EQ(o.priority, 4);
        } else {
            EXPECT_EQ(o.sector, GUNNER);
        }
    }
    EXPECT_GT(bodies, 2);
    EXPECT_LT(bodies, 25);
}

TEST_F(CombatSpawning, VillageSometimesMakesNothingYetSucceeds) {
    Level = LVL_VILLAGE;
    in_open_world = true; // the village counts as a closed area all the same
    int empty = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Fresh_Scene();
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(1, -1, false)) << seed;
        if (Made().empty()) ++empty;
        for (int i : Made()) EXPECT_TRUE(sprite[i].type == BOD || sprite[i].sector == GUNNER);
    }
    EXPECT_GT(empty, 0);
}

TEST_F(CombatSpawning, SingleSpawnsOnHighwayAndFarms) {
    struct { int level; int other_class; int sheet; } cases[] = {{LVL_HIGHWAY, DOG, 25}, {LVL_FARMS, BOMBER, 28}};
    for (const auto& c : cases) {
        int others = 0;
        Level = c.level;
        for (unsigned seed = 1; seed <= 60; ++seed) {
            Fresh_Scene();
            srand(seed);
            ASSERT_TRUE(Spawn_A_Guy(1, -1, false));
            for (int i : Made()) {
                if (sprite[i].type == BOD) continue;
                if (sprite[i].sector == c.other_class) {
                    ++others;
                    EXPECT_EQ(sprite[i].id, c.sheet);
                } else {
                    EXPECT_EQ(sprite[i].sector, GUNNER);
                }
            }
        }
        EXPECT_GT(others, 0) << c.level;
    }
}

TEST_F(CombatSpawning, OpenWorldSailorsAndSpecialZones) {
    Level = LVL_BAY;
    in_open_world = true;
    bool saw_sailor = false, saw_shotgun = false;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        Fresh_Scene();
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(2, -1, false));
        for (int i : Made()) {
            if (sprite[i].type == BOD) continue;
            int cls = sprite[i].sector;
            EXPECT_TRUE(cls == SAILOR || cls == GUNNER || cls == UNIT_SHOTGUN) << cls;
            if (cls == SAILOR) {
                saw_sailor = true;
                EXPECT_EQ(sprite[i].id, 23);
            }
            if (cls == UNIT_SHOTGUN) saw_shotgun = true;
        }
    }
    EXPECT_TRUE(saw_sailor);
    EXPECT_TRUE(saw_shotgun);

    // A special point within 2 of the search centre: shield bearers and sailors only.
    bool saw_shield = false;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        Fresh_Scene();
        points[0] = a_point{};
        points[0].x = 3.4f;
        points[0].y = -0.05f;
        points[0].c1 = SPECIAL_PNT;
        no_points = 1;
        srand(seed);
        ASSERT_TRUE(Spawn_A_Guy(2, -1, false));
        for (int i : Made()) {
            if (sprite[i].type == BOD) continue;
            int cls = sprite[i].sector;
            EXPECT_TRUE(cls == SAILOR || cls == SHIELD) << cls;
            if (cls == SAILOR) { EXPECT_EQ(sprite[i].id, 24); }
            if (cls == SHIELD) saw_shield = true;
        }
    }
    EXPECT_TRUE(saw_shield);
}

TEST_F(CombatSpawning, GeneralsGroupAroundItsRoomPoint) {
    Level = LVL_BUNKER_A;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        Fresh_Scene();
        points[0] = a_point{};
        points[0].x = 0.5f; // in view and near the player: rooms allow that
        points[0].y = 0.3f;
        points[0].c1 = GENERAL_PNT;
        no_points = 1;
        srand(seed);
        EXPECT_FALSE(Spawn_A_Guy(SPAWN_GENERAL_GROUP, 0, false)); // the general's group reports no choice
        std::vector<int> made = Made();
        ASSERT_EQ(made.size(), 3u);
        EXPECT_EQ(Count(UNT, CHIEF), 2);
        EXPECT_EQ(Count(UNT, UNIT_GENERAL), 1);
        for (int i : made) {
            const object& o = sprite[i];
            EXPECT_LE(std::fabs(SX(i) - 0.5f), 0.56f);
            EXPECT_LE(std::fabs(SY(i) - 0.3f), 0.56f);
            if (o.sector == CHIEF) {
                EXPECT_EQ(o.linked_sprite, CLIENT1);
                EXPECT_EQ(o.rank, 4);
                EXPECT_EQ(o.id, 22);
            } else {
                EXPECT_EQ(o.linked_sprite, SERVER);
                EXPECT_EQ(o.sector_action, AI_BUDDY);
            }
        }
    }
}

TEST_F(CombatSpawning, RoomSpawnsGuardsOrCratesOnFreeCellsAroundThePoint) {
    Level = LVL_BUNKER_A;
    int guards = 0, crates = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Fresh_Scene();
        // A room floor: no ground tiles, walls all around but a 7 by 7 free square.
        for (int i = 0; i < GRID_CELLS; ++i) {
            tiles[i] = 0;
            map_col[i] = COL_SOLID;
        }
        const int pc = Cell_Column(-2.0f), pr = Cell_Row(-2.0f);
        for (int r = pr - 3; r <= pr + 3; ++r)
            for (int c = pc - 3; c <= pc + 3; ++c) map_col[Cell_Index(c, r)] = COL_FREE;
        points[0] = a_point{};
        points[0].x = -2.0f;
        points[0].y = -2.0f;
        points[0].c1 = ROOM_PNT;
        no_points = 1;
        srand(seed);
        EXPECT_TRUE(Spawn_A_Guy(2, 0, false)) << seed;
        for (int i : Made()) {
            const object& o = sprite[i];
            EXPECT_LE(std::fabs(SX(i) + 2.0f), 0.36f);
            EXPECT_LE(std::fabs(SY(i) + 2.0f), 0.36f);
            if (o.type == DOR) ++crates;
            else if (o.type == UNT) {
                EXPECT_EQ(o.sector, GUNNER);
                ++guards;
            }
        }
        // The marker point is added for rooms too (outside dungeons).
        EXPECT_EQ(no_points, 2);
    }
    EXPECT_GT(guards, 0);
    EXPECT_GT(crates, 0);
}

TEST_F(CombatSpawning, RoomPointOutsideTheTableIsRefused) {
    Level = LVL_BUNKER_A;
    no_points = 2;
    for (int bad : {2, 399, 400, 5000, -7}) EXPECT_FALSE(Spawn_A_Guy(2, bad, false)) << bad;
    EXPECT_EQ(no_sprites, 1);
}
