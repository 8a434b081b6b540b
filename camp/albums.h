// The card albums: three albums of twelve collectible cards, episode 1 scene 18.
#pragma once

// One frame of the album screen. f_rate is not used.
void Run_Cards(int f_rate);
