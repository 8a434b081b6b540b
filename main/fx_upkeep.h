// Effect upkeep and screen shake.
#pragma once

// Items lying on the ground, recounted on every pass of the effect upkeep.
inline int FX_RIFLE_COUNT = 0;  // rifle ammunition
inline int FX_HEALTH_COUNT = 0; // healing food, 45 per item
// Shotgun, machine-gun and pistol ammunition on the ground, read by the drop rules; this
// upkeep recounts only the two above, so these stay 0 unless another counter fills them.
inline int FX_SHOTGUN_COUNT = 0, FX_MACHINE_COUNT = 0, FX_PISTOL_COUNT = 0;

// One pass over Fx: ground-item counts, sparkles, the per-kind motion, fading and growth,
// effects that follow their sprite, delayed charges, and the removal of finished effects.
// f_rate is the milliseconds since the previous main tick.
void Run_Fx_Upkeep(int f_rate);
// Ends a timed camera shake once its time is up (the long shake, 6, is not ended here).
void Run_Shake_Upkeep();
