// Walk maps from recipes: what the features lay down (in the tile numbers the game gives
// meaning to), where their anchors land and clear errors for bad recipes; and the
// texture-slot plan of walk scenes.
#include <gtest/gtest.h>


#include "content/maps/map_recipe.h"
#include "content/maps/terrain.h"
#include "content/compiler/slot_plans.h"
#include "content/writers/scene_kit.h"

namespace {

using maps::MapDirective;
using maps::MapResult;

MapDirective D(int line, const std::string& verb, std::map<std::string, std::string> args) {
    return MapDirective{verb, std::move(args), line, {}};
}

// The tile under a recipe position (column from the left, row from the top of the screen).
int Tile(const MapResult& m, int x, int y_from_top) {
    const int row = m.map.height - 1 - y_from_top;
    return m.map.tiles[(size_t)x + (size_t)row * m.map.height];
}
int Set(const MapResult& m, int x, int y_from_top) {
    const int row = m.map.height - 1 - y_from_top;
    return m.map.set[(size_t)x + (size_t)row * m.map.height];
}

// The cell of a world position, as the game takes it (map_startX = half the map's width).
std::pair<int, int> Cell(const MapResult& m, std::pair<float, float> p) {
    return {(int)((p.first + m.map.width * 0.05f) * 10), (int)((p.second + m.map.height * 0.05f) * 10)};
}

MapResult Build(const std::vector<MapDirective>& r) {
    MapResult m;
    std::string error;
    EXPECT_TRUE(maps::Build_Walk_Map(r, m, error)) << error;
    return m;
}

TEST(MapRecipe, FeaturesLayTilesOfTheirBand) {
    const MapResult m = Build({
        D(1, "size", {{"", "40x40"}}),
        D(2, "building", {{"at", "2,2"}, {"size", "6x5"}, {"door", "s"}, {"name", "hut"}}),
        D(3, "water", {{"at", "20,2"}, {"size", "10x8"}, {"name", "pond"}}),
        D(4, "fence", {{"from", "2,20"}, {"to", "12,20"}}),
        D(5, "road", {{"from", "2,30"}, {"to", "30,30"}, {"name", "r"}}),
        D(6, "biome", {{"", "camp"}}), // read first wherever it stands
    });
    ASSERT_EQ(m.map.width, 40);
    ASSERT_EQ(m.map.tiles.size(), 1600u);
    EXPECT_TRUE(maps::Is_Solid_Tile(Tile(m, 2, 2)));        // wall corner
    EXPECT_FALSE(maps::Is_Solid_Tile(Tile(m, 4, 4)));       // floor
    EXPECT_EQ(Set(m, 4, 4), 1);                             // floors use the interior set
    EXPECT_EQ(Set(m, 2, 2), 0);
    EXPECT_FALSE(maps::Is_Solid_Tile(Tile(m, 5, 6)));       // the doorway in the south wall
    EXPECT_TRUE(maps::Is_Solid_Tile(Tile(m, 4, 6)));
    EXPECT_TRUE(maps::Is_Water_Tile(Tile(m, 24, 5)));       // pond middle
    EXPECT_FALSE(maps::Is_Water_Tile(Tile(m, 20, 2)));      // the box's corner lies outside the ellipse
    for (int x = 2; x <= 12; ++x) {
        const int t = Tile(m, x, 20);
        EXPECT_TRUE(t >= 496 && t <= 501) << x << ": " << t; // fence band
    }
    EXPECT_EQ(Tile(m, 6, 20), maps::tile::kFenceH);
    for (int x = 3; x <= 29; ++x) EXPECT_EQ(Tile(m, x, 30) & ~15, maps::tile::kRoad) << x;
    // Open ground away from the features is plain or decorated ground: no shore, solid,
    // water, mud or mine tile.
    auto ground = [](int t) { return (t >= 1 && t <= 13) || (t >= 421 && t <= 424) || (t >= 432 && t <= 436); };
    for (int y = 12; y < 18; ++y)
        for (int x = 0; x < 40; ++x) EXPECT_TRUE(ground(Tile(m, x, y))) << x << "," << y << ": " << Tile(m, x, y);
    // Ground next to the pond shows its shore toward the water only.
    EXPECT_EQ(Tile(m, 24, 10), maps::tile::kShore + 1); // water to the north (bit 1)
    EXPECT_EQ(Tile(m, 19, 5), maps::tile::kShore + 2);  // water to the east (bit 2)
    EXPECT_EQ(m.tile_sets, (std::vector<std::string>{"Data/tiles/camp", "Data/tiles/interior"}));
}

// Floors are laid with the kind the recipe names: the map's own (`floor`), a building's or
// an area's; underground maps take their floors from their own tile set, so a bunker's
// floor differs from a cellar's. Walls and furniture lines of every kind are solid and join
// up; `door_at` moves a building's doorway along its side.
TEST(MapRecipe, FloorsAndWallsOfEveryKind) {
    using maps::tile::Floor_Base;
    using maps::Floor_Kind;
    auto floor_of = [](int t, Floor_Kind k) { return t >= Floor_Base(k) && t < Floor_Base(k) + 4; };
    const MapResult m = Build({
        D(1, "size", {{"", "40x40"}}),
        D(2, "biome", {{"", "bunker"}}),
        D(3, "floor", {{"", "steel"}}),
        D(4, "building", {{"at", "2,2"}, {"size", "8x6"}, {"door", "s"}, {"door_at", "2"}, {"kind", "brick"},
                          {"floor", "parquet"}, {"name", "hut"}}),
        D(5, "area", {{"at", "20,2"}, {"size", "4x4"}, {"kind", "floor"}, {"floor", "tiles"}}),
        D(6, "wall", {{"from", "2,20"}, {"to", "12,20"}, {"kind", "books"}}),
        D(7, "area", {{"at", "30,30"}, {"size", "5x5"}, {"kind", "mass"}}),
        D(8, "wall", {{"from", "2,25"}, {"to", "6,25"}, {"kind", "shelves"}}),
    });
    EXPECT_TRUE(floor_of(Tile(m, 15, 15), Floor_Kind::Steel)) << Tile(m, 15, 15);    // the map's floor
    EXPECT_TRUE(floor_of(Tile(m, 5, 4), Floor_Kind::Parquet)) << Tile(m, 5, 4);      // the building's
    EXPECT_TRUE(floor_of(Tile(m, 21, 3), Floor_Kind::Tiles)) << Tile(m, 21, 3);      // the area's
    EXPECT_EQ(Tile(m, 4, 7), Floor_Base(Floor_Kind::Parquet) + 4);                   // doorway 2 cells in
    EXPECT_TRUE(maps::Is_Solid_Tile(Tile(m, 6, 7)));                                 // not in the middle
    EXPECT_EQ(Tile(m, 2, 2) & ~15, maps::tile::kWallBrick);
    EXPECT_EQ(Tile(m, 6, 20), maps::tile::kBooks + 2 + 8);                           // joined east and west
    EXPECT_EQ(Tile(m, 32, 32), maps::tile::kMass + 15);                              // inside the mass
    EXPECT_EQ(Tile(m, 30, 32), maps::tile::kMass + 15 - 8);                          // its west side open
    EXPECT_EQ(Tile(m, 2, 25) & ~15, maps::tile::kShelves);
    for (int t : {Tile(m, 2, 2), Tile(m, 6, 20), Tile(m, 32, 32), Tile(m, 2, 25)}) EXPECT_TRUE(maps::Is_Solid_Tile(t)) << t;
    for (int t : {Tile(m, 15, 15), Tile(m, 5, 4), Tile(m, 21, 3), Tile(m, 4, 7)}) EXPECT_FALSE(maps::Is_Solid_Tile(t)) << t;
    // Underground, every floor comes from the biome's own set; above ground a building's
    // floor comes from the interior set.
    EXPECT_EQ(Set(m, 5, 4), 0);
    EXPECT_EQ(Set(m, 15, 15), 0);
    EXPECT_EQ(m.tile_sets.front(), "Data/tiles/bunker");
    // No new floor tile lies in a band the game gives another meaning (solid, water, fences,
    // breakable bottles, the laboratories' light switching, mines and mud).
    for (int k = 0; k < maps::tile::kFloorKinds; ++k)
        for (int v = 0; v <= 4; ++v) {
            const int t = Floor_Base((Floor_Kind)k) + v;
            EXPECT_FALSE(maps::Is_Solid_Tile(t) || maps::Is_Water_Tile(t) || t >= 496) << t;
            EXPECT_FALSE((t >= 390 && t <= 411) || (t >= 438 && t <= 459)) << t;
            EXPECT_FALSE(t <= 31) << t;
        }
}

TEST(MapRecipe, AnchorsLandOnTheirCells) {
    const MapResult m = Build({
        D(1, "size", {{"", "30x30"}}),
        D(2, "building", {{"at", "10,10"}, {"size", "5x4"}, {"door", "s"}, {"name", "hut"}}),
        D(3, "road", {{"from", "1,25"}, {"to", "20,25"}, {"name", "road"}}),
        D(4, "stamp", {{"", "tent"}, {"at", "2,2"}, {"name", "t1"}}),
        D(5, "anchor", {{"", "here"}, {"at", "0,0"}}),
    });
    struct Case {
        const char* anchor;
        int col, row_from_top;
    };
    const Case cases[] = {
        {"hut.door", 12, 14}, {"hut.inside", 12, 12}, {"road.start", 1, 25}, {"road.end", 20, 25},
        {"t1.1", 5, 4},       {"t1.2", 5, 6},         {"here", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.anchor);
        ASSERT_TRUE(m.anchors.count(c.anchor));
        const auto [col, row] = Cell(m, m.anchors.at(c.anchor));
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, 29 - c.row_from_top); // the top of the screen is the last row
    }
    // The doorway is free and the cell outside it too: a unit pinned there can walk in.
    EXPECT_FALSE(maps::Is_Solid_Tile(Tile(m, 12, 14)));
    EXPECT_FALSE(maps::Is_Solid_Tile(Tile(m, 12, 13)));
}

TEST(MapRecipe, TheSeedAloneDecidesTheMap) {
    auto recipe = [](const char* seed) {
        return std::vector<MapDirective>{D(1, "size", {{"", "50x50"}}), D(2, "seed", {{"", seed}}),
                                         D(3, "water", {{"edge", "s"}, {"depth", "8"}, {"name", "sea"}}),
                                         D(4, "scatter", {{"", "rock"}, {"count", "30"}})};
    };
    const MapResult a = Build(recipe("7")), b = Build(recipe("7")), c = Build(recipe("8"));
    EXPECT_EQ(a.map.tiles, b.map.tiles);
    EXPECT_NE(a.map.tiles, c.map.tiles);
    int rocks = 0;
    for (int t : a.map.tiles) rocks += t >= maps::tile::kRockFirst && t <= maps::tile::kRockLast;
    EXPECT_EQ(rocks, 30); // all on open ground, none under the sea laid before them
    // The sea fills the bottom rows; its shore anchor stands on dry land.
    EXPECT_TRUE(maps::Is_Water_Tile(Tile(a, 25, 49)));
    const auto [col, row] = Cell(a, a.anchors.at("sea.shore"));
    const int t = a.map.tiles[(size_t)col + (size_t)row * 50];
    EXPECT_FALSE(maps::Is_Water_Tile(t) || maps::Is_Solid_Tile(t)) << t;
}

TEST(MapRecipe, BadRecipesFailWithTheLineAndWhy) {
    struct Case {
        std::vector<MapDirective> recipe;
        const char* says; // part of the message
    };
    const Case cases[] = {
        {{D(3, "size", {{"", "200x200"}})}, "line 3: map size: size must be WxH, from 8x8 to 150x150"},
        {{D(2, "size", {{"", "40x30"}})}, "line 2: map size: a walk map is square"},
        {{D(4, "biome", {{"", "moon"}})}, "line 4: map biome: unknown biome \"moon\" (known: camp, farmland"},
        {{D(5, "castle", {})}, "line 5: map castle: unknown map feature"},
        {{D(6, "building", {{"at", "65,2"}, {"size", "6x5"}})}, "line 6: map building: at=65,2 lies outside the 60x60"},
        {{D(6, "building", {{"at", "57,2"}, {"size", "6x5"}})}, "line 6: map building: the building does not fit"},
        {{D(7, "building", {{"at", "2,2"}})}, "line 7: map building: needs size="},
        {{D(8, "road", {{"from", "1,1"}, {"to", "x"}})}, "line 8: map road: to=x: not of the form A,B"},
        {{D(9, "road", {{"from", "1,1"}, {"to", "5,1"}, {"colour", "red"}})}, "unknown argument \"colour\""},
        {{D(10, "stamp", {{"", "castle"}, {"at", "1,1"}})}, "line 10: map stamp: unknown stamp \"castle\""},
        {{D(11, "stamp", {{"", "bunker"}, {"at", "55,55"}})}, "does not fit in the map"},
        {{D(12, "scatter", {{"", "rock"}, {"count", "0"}})}, "count=0: must be a whole number from 1 to 5000"},
        {{D(13, "anchor", {{"", "a"}, {"at", "1,1"}}), D(14, "anchor", {{"", "a"}, {"at", "2,2"}})},
         "line 14: map anchor: anchor \"a\" is named twice"},
        {{D(15, "seed", {{"", "abc"}})}, "line 15: map seed: seed must be a whole number"},
        {{D(16, "floor", {{"", "marble"}})}, "line 16: map floor: unknown floor \"marble\" (known: wood, concrete"},
        {{D(17, "building", {{"at", "2,2"}, {"size", "6x5"}, {"floor", "moss"}})}, "line 17: map building: unknown floor"},
        {{D(18, "area", {{"at", "2,2"}, {"size", "3x3"}, {"kind", "stone"}, {"floor", "wood"}})},
         "line 18: map area: floor= is for kind=floor"},
        {{D(19, "building", {{"at", "2,2"}, {"size", "6x5"}, {"door_at", "5"}})}, "door_at=5: must be a whole number from 1 to 4"},
    };
    for (const Case& c : cases) {
        MapResult m;
        std::string error;
        EXPECT_FALSE(maps::Build_Walk_Map(c.recipe, m, error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << "got: " << error;
    }
}

TEST(WalkPlan, FixedSlotsHoldWhatTheGameLoadsThere) {
    std::vector<compiler::Plan_Slot> plan;
    ASSERT_TRUE(compiler::Plan_Slots("walk", plan));
    std::map<int, compiler::Plan_Slot> at;
    for (const auto& p : plan) at[p.index] = p;
    // The HUD's slots, but the effects sheet in slot 2 (New_FX's effects and drops use it).
    const auto hud = writers::Hud_Texture_Slots();
    for (int k = 0; k < writers::HUD_SLOT_COUNT; ++k) {
        ASSERT_TRUE(at.count(k)) << k;
        if (k == 2) continue;
        EXPECT_EQ(at[k].image, hud[k].name) << k;
    }
    EXPECT_EQ(at[2].image, "Data/fx/effects");
    // The tile sets are the map's (10, 11) and 12, 18 to 28 the scene's own.
    for (int k : {10, 11, 12, 18, 28}) EXPECT_FALSE(at.count(k)) << k;
    // The player's sheets where Calculate_Inventory and Check_Crouch put his texture slot,
    // under the names the texture list substitutes for the second character.
    const std::pair<int, const char*> player[] = {{15, "Data/chars/green_gunner"}, {16, "Data/chars/green_gunner1"},
                                                  {17, "Data/chars/green_gunner2"}, {31, "Data/chars/green_gunner3"},
                                                  {30, "Data/chars/green_gunnerW"}};
    for (auto [k, name] : player) {
        ASSERT_TRUE(at.count(k)) << k;
        EXPECT_EQ(at[k].image, name);
        EXPECT_EQ(at[k].kind, 2) << k; // an animation sheet
    }
    for (int k : {13, 14, 29}) EXPECT_EQ(at[k].kind, 2) << k;
}

} // namespace
