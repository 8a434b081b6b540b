// Sight and range: whether a direction lies in front of, beside or behind a unit, and
// whether a target lies within a unit's reach.
#pragma once

// Eight-way direction band (1..8, the direction codes) of an angle; a value on a shared
// bound takes the later band of the test order 2, 1, 3, 4, 8, 7, 6, 5.
int Angle_Band(float a);

// 0 when target_angle lies behind a unit facing my_angle, 1 beside it, 2 in front of it.
int Is_Guy_In_Sight(float my_angle, float target_angle);

// Whether sprite target's box centre lies strictly within range of unit loop's box centre
// (loop -1: the view centre). A range of exactly -1.0 takes the unit's default range.
bool Is_Guy_In_Range(int loop, int target, float range);
