// The unit AI driver: the once-per-frame step that walks every object of the scene and
// moves each unit from status to status as its deadlines pass.
#pragma once

// The per-frame step of the whole scene; f_rate is the time since the previous step in ms
// (1..99; a value at or below 0 counts as 1).
void AI(int f_rate);

// Mines of the player's side counted in this frame (cleared at the start of every step).
inline int guys_mine_count = 0;
// Due time of the scene-wide 250 ms checks of the step (refreshed at the end of every step).
inline int range_timer = 0;
