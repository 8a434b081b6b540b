// The tent: the player's own page in the camp, episode 1 scene 25. It banks the cards and
// tent furniture the player carries home, shows the player's health, flashes what was just
// banked and offers the camp's page buttons and the lantern.
#pragma once

inline float tent_health_width = 0.0f; // full width of the life bar (sprite 11) on entry
inline int tent_flash_timer = 0;       // due time of the next flash toggle

// One frame of the tent. f_rate is not used.
void Run_Tent(int f_rate);
// Sizes and colours the life bar, sprite 11, by old_health against PLY_VITALITY.
void Calculate_Tent_Lifebar();
