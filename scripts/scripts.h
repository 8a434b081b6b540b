// The per-tick scene scripts.
#pragma once

#include "scripts/level_helpers.h"
#include "scripts/script_frame.h"

// Set by the contacts that lead to the camp's gallery and shops, read by their scenes.
inline int gun_entry = 0;        // which gallery episode 1 scene 110 leads to: 1, 2 or 4
inline int shop_intro_type = 0;  // 0 the arrival lines, 1 the parting lines of the camp keepers

// Read and cleared by the scene start message (speech bubbles).
inline bool ply_had_died = false;  // the player has just been revived
