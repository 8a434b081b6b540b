// Effect upkeep and screen shake.
#pragma once

void Run_Fx_Upkeep(int f_rate);
void Run_Shake_Upkeep();
