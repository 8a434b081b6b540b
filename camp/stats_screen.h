// The statistics screen: a one-page summary of the player's progress, episode 1 scene 52.
#pragma once

// One frame of the statistics screen. f_rate is not used.
void Run_Stats(int f_rate);
