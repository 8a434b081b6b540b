// The area table: each scene (episode, scene) maps to its area code `Level` and the area
// flags the rest of the game tests (open world, dungeon, stealth, gallery page, spawning
// level and card-drop rule).
#pragma once

// Area flags of the current scene, set at every scene load.
inline bool in_open_world = false;
inline int spawn_level_number = 0;
inline bool spawn_card2 = false;
inline bool spawn_card3 = false;
inline bool spawn_nocard = false;

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

// The entry of (episode, scene); {-1, 0, 0} for a scene the table does not list.
area_entry Area_Of(int e, int s);

// Sets `Level`, the area flags and spawn_level_number for (e, s). Clears them first, so a
// scene without entry leaves Level -1 and every flag false. The card flags are cleared
// too (the loader clears them when it starts leaving the old scene).
void Apply_Level_Table(int e, int s);
