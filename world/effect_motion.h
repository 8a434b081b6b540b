// Effect motion: aimed shots, grenades and debris fly by themselves until they land.
#pragma once

// Moves flying effect `loop` for f_rate milliseconds; a grenade or debris piece that has
// flown its distance lands (its shadow goes out, water swallows it, it is armed).
void Move_Fx(int loop, int f_rate);

// Starts the short flash of a new speech message.
void Message_Fx();
