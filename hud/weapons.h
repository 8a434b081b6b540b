// Weapon statistics: the upgrade digits packed in player_inv_value1, the statistic ladders,
// the reload request and the weapon tooltip.
#pragma once

// The weapon last evaluated with Get_Weapon_Stats(slot, 0), normally the equipped one.
inline int GUN_FIREPOWER = 0;
inline int GUN_FIRERATE = 0;   // ms between shots
inline int GUN_RELOAD = 0;     // ms
inline int GUN_CAPACITY = 0;   // rounds per magazine
inline int GUN_SPECIAL = 0;    // special digit
inline int GUN_SPECIAL2 = 0;   // super digit

inline int weapon_type = 0;         // pickup code of the family being reloaded

// Digit `position` (1..6) of player_inv_value1[slot].
int Get_Bit_Shift(int slot, int position);
// Replaces digit `position` of player_inv_value1[slot].
void Bit_Shift(int slot, int position, int digit);
int Get_Bit_Shift_Int(int number, int position);
int Bit_Shift_Int(int number, int position, int digit);
// 100000: every level 0 and the super digit at 1.
int Give_Special();
// k 0: sets the six weapon globals from the weapon in the slot and returns 0; k 1..6 returns
// one statistic (firepower, fire interval, reload, capacity, special, super).
float Get_Weapon_Stats(int slot, int k);
// Starts a reload of the equipped weapon.
void Reload_Gun();
// Writes the weapon's tooltip into text slot counter[t].
void Calculate_Weapon_Text(int slot, int t);
