// The window procedure: turns window messages into the input globals.
#pragma once

#include "platform/platform.h"

long WndProc(const platform::MSG& msg);

inline float hud27width = 0.0f;   // size of the pointer sprite, set by the HUD set-up
inline float hud27height = 0.0f;
inline int current_file = -1;     // the open save slot, -1 none
inline bool player_in_water = false;
inline int end_sfx = 0;           // state request of the title music track
