// The unit animation chain: a unit's animation follows from its AI state, its facing and a
// few flags (death kind, mud, water, reloading, spotted); the player's sheet follows the
// water and the held weapon, and a player standing still beside cover crouches. Footsteps
// sound by the ground tile under a walking unit.
#pragma once

// Chooses and starts the animation of unit loop. The four flags are accepted and ignored.
void Animation_System(int loop, bool bullet_check, bool interrupt, bool pain_anim, bool fire);
// Swaps the player's sheet at the edge of the water and decides whether unit loop crouches
// in cover (training).
void Check_Crouch(int loop);
// Raises the footstep sound of a walking unit by the tile under it.
void Play_Footstep(int loop);

// The texture slot of the player's sheet for the weapon held now (15 bare-handed).
int Held_Weapon_Sheet();

// Facing columns of the unit animations (five animations per facing row).
enum : int { FACE_DOWN = 0, FACE_UP = 1, FACE_SIDE = 2, FACE_DOWN_DIAGONAL = 3, FACE_UP_DIAGONAL = 4 };
// The facing column of a heading, or -1 for a heading that is not a number.
int Facing_Column(float angle);

// Texture slots of the player's sheets.
enum : int { SHEET_BARE = 15, SHEET_LONG_GUN = 16, SHEET_PISTOL = 17, SHEET_WADING = 30, SHEET_MACHINE_GUN = 31 };
