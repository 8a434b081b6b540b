// Upgrade ladders of the weapons and wearables: the upgrade codes and prices of every level,
// the ladder lines of the shop's upgrade page, the write-back of a bought upgrade into its
// inventory slot and the gold the upgrades add to a weapon's sell price.
#pragma once

// Highest level of each upgrade field that may be bought now, one value per weapon model,
// six decimal digits: units Firepower, tens Firerate, hundreds Reloadtime, thousands
// Capacity, then the special and the super upgrade. Raised from the player's rank by
// Calculate_Shop (camp/shop_stock.h); 0 at start-up, not saved.
inline int upg_weston = 0;    // Weston Pistol
inline int upg_luger = 0;     // Luger Pistol
inline int upg_training = 0;  // Colt Pistol sold as shop code 161
inline int upg_colt = 0;      // Colt Pistol sold as shop code 82 (never raised)
inline int upg_coltk = 0;     // Colt-K Pistol (never raised)
inline int upg_thompson = 0;  // Thompson Machinegun
inline int upg_farmers = 0;   // Farmers Shotgun
inline int upg_army = 0;      // Combat Shotgun
inline int upg_enfield = 0;   // Enfield Rifle
inline int upg_hunter = 0;    // Hunter Rifle (never raised)

// The ladder line last produced by GetUpgrades or GetUpgradesItems: the upgrade code of the
// next level to buy (0 none) and its price (-101 none).
inline int ishop = 0;
inline int ishop_cost = -101;
// The inventory slot whose upgrade page the shop shows, -1 when no page is open.
inline int tune_up_page = -1;

// Number of rows of the shop's row table (camp/shop_stock.h).
inline constexpr int SHOP_ROWS = 32;

// Ladder line of upgrade field the_bit (1..6) of the weapon in inventory slot tune_up_page:
// appends its label to counter[0] and its level to counter[11], sets ishop and ishop_cost;
// 1 when the shop lists a row for the field. `type` is not read.
int GetUpgrades(int tune_up_page, int the_bit, int type);
// The same for a helmet or boxers: field 1 the Defense or Health ladder, field 2 the special.
int GetUpgradesItems(int tune_up_page, int the_bit, int type);
// Applies the upgrade code of shop row the_index to the item in slot tune_up_page; codes that
// are no upgrade of that item change nothing.
void Tune_Gun(int the_index);
// Gold that the upgrades held by the weapon in inventory slot the_gun add to its sell price.
int GetUpgradeSell(int the_gun);
// True when every upgrade digit of the weapon in inventory slot 0 to 15 stands at its
// highest level (firepower 5, fire rate 1, or 2 for a pistol, reload 2, capacity 5,
// special 1); the super digit itself is not tested.
bool Check_For_Super(int slot);

// True when `code` is an upgrade code of some ladder (weapon or wearable).
bool Is_Upgrade_Code(int code);
