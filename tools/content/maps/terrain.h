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
    WallBrick,
    WallConcrete,
    WallSteel,  // a ship's or a complex's riveted bulkhead
    Shelves,    // solid furniture standing in lines along walls: store shelves of tins and sacks,
    Books,      // bookcases,
    WineRack,   // wine racks,
    GunRack,    // rifle racks,
    Rail,       // a ship's guard rail
    Mass,       // the solid rock, earth or concrete round an underground place
    Rock,
    Fence,      // a fence line: solid
    Bottle,     // a bottle on the ground: breaks underfoot
    Mine,       // an armed mine
};

// What a floor is laid with; the family of its tiles.
enum class Floor_Kind : uint8_t {
    Wood,     // boards
    Concrete, // cast slabs
    Flags,    // flagstones
    Brick,    // bricks in a basket weave
    Steel,    // chequered steel plate
    Tiles,    // small glazed tiles
    Earth,    // beaten earth strewn with straw
    Deck,     // a ship's deck: long caulked planks
    Parquet,  // polished wood blocks
    Grate,    // a steel grating over a drop
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
constexpr int kWallBrick = 144, kWallConcrete = 160, kWallSteel = 176;
constexpr int kShelves = 192, kBooks = 208, kWineRack = 224, kGunRack = 240, kRail = 256;
constexpr int kMass = 272;
constexpr int kRoad = 288;                            // + mask of sides that are not road
constexpr int kSand = 304;                            // + mask of sides that are not sand
constexpr int kFloorWood = 320, kFloorConcrete = 336; // + variant 0..3; + 4: doorway
// The other floors, five tiles each as above. (390-411 and 438-459 stay free: the game swaps
// those tiles in the laboratories when their lights go out.)
constexpr int kFloorFlags = 372, kFloorBrick = 377, kFloorSteel = 382, kFloorTiles = 412, kFloorEarth = 460,
              kFloorDeck = 465, kFloorParquet = 470, kFloorGrate = 475;
constexpr int Floor_Base(Floor_Kind k) {
    constexpr int base[] = {kFloorWood,  kFloorConcrete, kFloorFlags, kFloorBrick,   kFloorSteel,
                            kFloorTiles, kFloorEarth,    kFloorDeck,  kFloorParquet, kFloorGrate};
    return base[(int)k];
}
constexpr int kFloorKinds = 10;
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
