// The area table: each scene (episode, scene) maps to its area code `Level` and the area
// flags the rest of the game tests (open world, dungeon, stealth, gallery page, spawning
// level and card-drop rule).
#pragma once

#include "content/area_table.h"

// Area flags of the current scene, set at every scene load.
inline bool in_open_world = false;
inline int spawn_level_number = 0;
inline bool spawn_card2 = false;
inline bool spawn_card3 = false;
inline bool spawn_nocard = false;

// The entry of (episode, scene); {-1, 0, 0} for a scene the table does not list.
area_entry Area_Of(int e, int s);

// Sets `Level`, the area flags and spawn_level_number for (e, s). Clears them first, so a
// scene without entry leaves Level -1 and every flag false. The card flags are cleared
// too (the loader clears them when it starts leaving the old scene).
void Apply_Level_Table(int e, int s);
