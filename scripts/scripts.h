// The per-tick scene scripts.
#pragma once

#include "scripts/level_helpers.h"
#include "scripts/script_frame.h"

// Timers and flags several scene scripts share (never reset by a scene load).
inline int stamp_timer = 0;             // due time of a repeated sound or second counter, ms
inline bool pigeon_direction = false;   // direction of a pacing or sliding figure

// Set by the contacts that lead to the camp's gallery and shops, read by their scenes.
inline int gun_entry = 0;        // which gallery episode 1 scene 110 leads to: 1, 2 or 4
inline int shop_intro_type = 0;  // 0 the arrival lines, 1 the parting lines of the camp keepers

// Read and cleared by the scene start message (speech bubbles).
inline bool ply_had_died = false;  // the player has just been revived
