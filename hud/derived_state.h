// Derived inventory state: weapon and ability flags, ammunition and health totals, the gold
// slot and the HUD icons of the 16 slots and of the held item, rebuilt from the slots; the
// rounds row of the HUD and its low-ammunition blink.
#pragma once

#include "hud/inventory.h"
#include "hud/weapons.h"

inline bool has_armour_piercing = false, has_double_barrel = false, has_stock = false,
            has_sight = false, has_unlimited = false, has_wideshot = false, has_pistol = false,
            has_shotgun = false, has_machine = false, has_rifle = false,
            has_grenade_equipped = false, has_pistol_equipped = false,
            has_shotgun_equipped = false, has_machine_equipped = false,
            has_rifle_equipped = false, has_firevest_equipped = false, has_thorns = false;
inline bool has_gasmask_equipped = false; // a gas mask is worn: gas clouds do not hurt the player
inline bool has_grenade = false;          // grenades were owned once; saved with the game

inline int INV_RIFLE_COUNT = 0;    // rounds loaded in the equipped rifle plus loose rifle rounds
inline int INV_SHOTGUN_COUNT = 0;
inline int INV_MACHINE_COUNT = 0;
inline int INV_PISTOL_COUNT = 0;
inline int INV_GRENADE_COUNT = 0;  // every grenade carried
inline int INV_HEALTH_COUNT = 0;   // healing carried
inline int ply_ammo = 0;           // carried ammunition of the equipped weapon

// Rebuilds the derived state from the slots.
void Calculate_Inventory();
// Recounts only the loose ammunition and grenades, for the front-end pages.
void Calculate_Inventory_Front();
// Lays out the rounds row (HUD items 7 to 10) for the equipped weapon.
void Calculate_Bullets();
// Recomputes the inventory and blinks the rounds row while ammunition is low.
void Calculate_Bullet_Flash();
// Clears every weapon-special, owned-family and equipped flag.
void Reset_Specials();
// Clears has_thorns.
void Reset_Helmets();
