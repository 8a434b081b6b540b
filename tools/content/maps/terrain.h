// The terrain of a walk map before it becomes tile numbers: one class per cell, and the
// tile numbering shared by the map builder and the tile-set painter.
//
// Tile numbers keep the game's meanings: 32-287 are solid (shoot-through), 480-483 water,
// 496-501 fences, 502/504 bottles (503/505 broken), 14/78 armed mines, 16 and 29-31 deep mud
// (17-28 its edges); everything else is free ground. Within those bands this content set
// lays its tiles out as below; families with edges take 16 tiles, one per 4-bit mask of
// the sides (north 1, east 2, south 4, west 8, north being the top of the screen).
#pragma once

#include <cstdint>

namespace maps {

enum class Terrain : uint8_t {
    Ground,     // the biome's open ground (grass, sand, mud flats, concrete...)
    Road,       // a beaten path or road
    Sand,       // a patch of sand
    Farmland,   // ploughed rows
    Mud,        // deep mud: slows units
    Water,      // shallow water
    DeepWater,  // deep water
    Floor,      // a building's floor (interior tile set)
    Door,       // a doorway: floor, free
    WallWood,   // solid walls
    WallStone,
    Sandbags,
    Hedge,
    TrenchWall,
    Rock,
    Fence,      // a fence line: solid
    Bottle,     // a bottle on the ground: breaks underfoot
    Mine,       // an armed mine
};

namespace tile {
constexpr int kGroundFirst = 1, kGroundLast = 13;     // plain ground variants
constexpr int kMine = 14, kCrater = 15;
constexpr int kMudDeep = 16;                          // and 29, 30, 31
constexpr int kMudEdgeFirst = 17;                     // 17..28: ground fringed with mud
constexpr int kWallWood = 32;                         // + mask of joined sides
constexpr int kWallStone = 48;
constexpr int kHedge = 80;
constexpr int kSandbags = 96;
constexpr int kTrenchWall = 112;
constexpr int kRockFirst = 128, kRockLast = 135;      // boulders
constexpr int kRoad = 288;                            // + mask of sides that are not road
constexpr int kSand = 304;                            // + mask of sides that are not sand
constexpr int kFloorWood = 320, kFloorConcrete = 336; // + variant 0..3; 324/340: doorway
constexpr int kShore = 352;                           // ground + mask of the sides on water
constexpr int kFarmland = 368;                        // + variant 0..3
constexpr int kGroundDecorFirst = 421, kGroundDecorLast = 424; // tufts and flowers
constexpr int kGroundDecor2First = 432, kGroundDecor2Last = 436;
constexpr int kWater = 480, kDeepWater = 482;         // pairs: the second is the other frame
constexpr int kFenceH = 496, kFenceV = 498, kFencePost = 500;
constexpr int kBottle = 502, kBottle2 = 504;
} // namespace tile

// True for the tiles that the game treats as solid (collision code 7) or water (code 9).
constexpr bool Is_Solid_Tile(int t) { return (t >= 32 && t <= 287) || (t >= 496 && t <= 501); }
constexpr bool Is_Water_Tile(int t) { return t >= 480 && t <= 483; }

} // namespace maps
