// The medal box: three layers of twelve medals, episode 1 scene 24.
#pragma once

// One frame of the medal box. f_rate is not used.
void Run_Medals(int f_rate);
