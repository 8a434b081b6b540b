// Mouse code of the main tick: what lies under the pointer, dropping the item on the
// pointer, the enemy health bar, the control scheme, the pointer animation and the camera
// look-ahead.
#pragma once

// One mouse step; f_rate is the main tick's step in milliseconds.
void Mouse_Code(int f_rate);
// The margin by which hover boxes are widened: 0.05 for false (also kept in mouse_enlarge),
// 0 for true.
float Calculate_Offset(bool is_a_sprite);

// Hover state, rebuilt every tick (on_selected_man, the kind of target, is in common/input.h).
inline int stored_target = -1;    // sprite under the pointer, -1 none
inline bool on_pickup = false;    // the pointer is over a ground item or a usable object
inline int targeted = 1;          // aim zone on the target: 2 lowest quarter, 1 body, 0 top
inline float fx_offset = 0.0f;    // hover margin of the current test
inline float mouse_enlarge = 0.0f;

// Ammunition and food lying in view, by kind (read by the HUD).
inline int INV_PISTOL_ADD = 0;
inline int INV_RIFLE_ADD = 0;
inline int INV_SHOTGUN_ADD = 0;
inline int INV_MACHINE_ADD = 0;
inline int INV_HEALTH_ADD = 0;

// End of the target flash that the control schemes and item clicks start (flash_on and
// target_flash_timer are kept with the scene state).
inline int target_flash_mtimer = 0;
