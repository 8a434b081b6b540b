// The area table as data: each run of scenes (episode, first and last scene) with its area
// code `Level`, its area flags and its spawning level. The game's scene loader reads it
// (level_table.h); the content generator reads it too, to build a walk scene's collision
// grid as the loader will (a dungeon's empty tiles are walls).
#pragma once

#include "common/codes.h"

// Flag bits of one table row.
enum : unsigned {
    AREA_OPEN_WORLD = 1u << 0,
    AREA_DUNGEON = 1u << 1,
    AREA_STEALTH = 1u << 2,
    AREA_GALLERY = 1u << 3,
    AREA_CARD2 = 1u << 4,
    AREA_CARD3 = 1u << 5,
    AREA_NOCARD = 1u << 6,
};

// What the table holds for one scene.
struct area_entry {
    int level;          // -1 when the scene has no entry
    unsigned flags;     // AREA_* bits
    int spawn_level;    // spawn_level_number, 0 none
};

namespace area_data {

struct area_row {
    int episode;
    int first_scene; // inclusive range of scenes
    int last_scene;
    int level;
    unsigned flags;
    int spawn_level;
};

constexpr unsigned OW = AREA_OPEN_WORLD, DG = AREA_DUNGEON, ST = AREA_STEALTH,
                   GA = AREA_GALLERY, C2 = AREA_CARD2, C3 = AREA_CARD3, NC = AREA_NOCARD;

// One row per run of scenes with the same entry. Scenes not covered have no entry.
constexpr area_row area_table[] = {
    // Episode 0: menu pages and the card table.
    {0, 1, 1, LVL_MENU, 0, 0},
    {0, 7, 7, LVL_MENU, 0, 0},
    {0, 2, 2, LVL_FILE_SELECT, 0, 0},
    {0, 8, 8, LVL_CARDS, 0, 0},
    {0, 14, 18, LVL_CARDS, 0, 0},

    // Episode 1: the camp.
    {1, 1, 1, LVL_SARGE, 0, 0},
    {1, 3, 3, LVL_JACK, 0, 0},
    {1, 27, 27, LVL_JACK, 0, 0},
    {1, 5, 5, LVL_GLASSES_START, 0, 0},
    {1, 7, 7, LVL_SHOP, 0, 0},
    {1, 30, 30, LVL_SHOP, 0, 0},
    {1, 17, 17, LVL_GLASSES, 0, 0},
    {1, 19, 19, LVL_PATCHES, 0, 0},
    {1, 20, 20, LVL_DOGMAN, 0, 0},
    {1, 29, 29, LVL_TUNE, 0, 0},
    {1, 43, 44, LVL_SUB_PEN, 0, 0},
    {1, 93, 93, LVL_MISSILEL, 0, 0},
    // Gallery pages.
    {1, 8, 8, LVL_CARDS, GA, 0},
    {1, 21, 23, LVL_CARDS, GA, 0},
    {1, 69, 71, LVL_CARDS, GA, 0},
    {1, 73, 73, LVL_CARDS, GA, 0},
    {1, 95, 98, LVL_CARDS, GA, 0},
    {1, 112, 115, LVL_CARDS, GA, 0},
    // Other camp pages.
    {1, 18, 18, LVL_CARDS, 0, 0},
    {1, 24, 26, LVL_CARDS, 0, 0},
    {1, 31, 31, LVL_CARDS, 0, 0},
    {1, 34, 35, LVL_CARDS, 0, 0},
    {1, 47, 47, LVL_CARDS, 0, 0},
    {1, 50, 59, LVL_CARDS, 0, 0},
    {1, 61, 64, LVL_CARDS, 0, 0},
    {1, 66, 67, LVL_CARDS, 0, 0},
    {1, 75, 75, LVL_CARDS, 0, 0},
    {1, 80, 80, LVL_CARDS, 0, 0},
    {1, 82, 82, LVL_CARDS, 0, 0},
    {1, 84, 85, LVL_CARDS, 0, 0},
    {1, 87, 90, LVL_CARDS, 0, 0},
    {1, 94, 94, LVL_CARDS, 0, 0},
    {1, 99, 111, LVL_CARDS, 0, 0},
    {1, 116, 121, LVL_CARDS, 0, 0},
    {1, 123, 125, LVL_CARDS, 0, 0},
    {1, 138, 143, LVL_CARDS, 0, 0},

    // Episode 2.
    {2, 0, 0, LVL_BASE, OW, 0},
    {2, 1, 1, LVL_HIGHWAY, OW | NC, 6},
    {2, 2, 2, LVL_VILLAGE, OW | C2, 6},
    {2, 3, 3, LVL_BASE, 0, 0},
    {2, 5, 5, LVL_BASE, 0, 0},
    {2, 10, 11, LVL_BASE, 0, 0},
    {2, 4, 4, LVL_ROADWAY, 0, 0},
    {2, 6, 6, LVL_BOOT_ROAD, 0, 0},
    {2, 7, 7, LVL_BEACH_ROAD, 0, 0},
    {2, 8, 8, LVL_FORTRESS, C2, 0},
    {2, 9, 9, LVL_FARMS, OW | C3, 10},

    // Episode 3.
    {3, 0, 0, LVL_WINDMILL, DG, 0},
    {3, 1, 1, LVL_TRAINING, OW, 0},
    {3, 2, 2, LVL_CHEF, DG, 0},
    {3, 3, 3, LVL_SUPPLIES, OW, 6},
    {3, 4, 4, LVL_CONVOY, 0, 0},
    {3, 5, 5, LVL_BUNKER_A, DG, 0},
    {3, 6, 6, LVL_BUNKER_B, DG, 0},
    {3, 7, 7, LVL_BUNKER_C, DG, 0},
    {3, 8, 8, LVL_TEST, 0, 0},
    {3, 9, 9, LVL_CAVE, DG, 0},
    {3, 10, 10, LVL_BASEMENT_A, DG, 0},
    {3, 11, 11, LVL_BASEMENT_B, DG | C3, 0},
    {3, 12, 12, LVL_BASEMENT_C, DG | C3, 0},
    {3, 13, 13, LVL_CELLAR, DG, 0},
    {3, 14, 14, LVL_PIRATE, DG, 0},
    {3, 15, 15, LVL_ORCHARD, 0, 0},
    {3, 16, 16, LVL_BAY, OW, 5},
    // Scene 17 has no entry.
    {3, 18, 18, LVL_BOATYARD, OW, 5},
    {3, 19, 19, LVL_BATTLESHIP, DG, 0},
    {3, 20, 20, LVL_SUB_PEN, DG, 0},
    {3, 21, 21, LVL_CLIFFS, OW, 0},
    {3, 22, 22, LVL_SECRET_LAB, DG, 0},
    {3, 23, 23, LVL_BOTTOM_LAB, DG, 0},
    {3, 24, 24, LVL_TRENCH_A, DG | C2, 0},
    {3, 25, 25, LVL_TRENCH_B, DG | C2, 0},
    {3, 26, 26, LVL_LIBRARY, DG | ST | C2, 0},
    {3, 27, 27, LVL_VAULTS, DG | ST | C2, 0},
    {3, 28, 28, LVL_DUNGEON, DG | C2, 0},
    {3, 29, 29, LVL_AIRFIELD, OW, 0},
    {3, 30, 30, LVL_CONTROL, DG, 0},
    {3, 31, 31, LVL_CONTROLROOM, DG, 0},
    {3, 32, 32, LVL_SILO1, DG, 0},
    {3, 33, 33, LVL_SILO2, DG, 0},
    {3, 34, 34, LVL_SILO3, DG, 0},
    {3, 35, 35, LVL_SILO4, DG, 0},
    {3, 36, 36, LVL_SUPER, DG, 0},
    {3, 37, 37, LVL_SUPER1, DG, 0},
};

// The entry of (episode, scene); {-1, 0, 0} for a scene the table does not list.
constexpr area_entry Find(int e, int s) {
    for (const area_row& r : area_table)
        if (r.episode == e && s >= r.first_scene && s <= r.last_scene) return {r.level, r.flags, r.spawn_level};
    return {-1, 0u, 0};
}

} // namespace area_data
