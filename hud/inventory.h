// Items: the pickup codes of ground items, the slot codes of the 16 inventory slots and the
// equipped markers of held items; the slot arrays; putting items into the inventory, taking
// them out, testing for them, and collecting ground items.
#pragma once

#include "hud/player_stats.h"  // current_scrap: gun parts, which take no slot

// ---- Pickup codes: the item_type of a ground item ----
inline constexpr int GOLD = 1;
inline constexpr int RIFLE_AMMO = 2;
inline constexpr int CAN_O_BEANS = 3;          // "CAN-O-BEANS", the kind that is stored
inline constexpr int CAN_O_BEANS_INSTANT = 4;  // "CAN-O-BEANS", the kind that heals at once
inline constexpr int RIFLE = 5;
inline constexpr int PISTOL = 9;
inline constexpr int PISTOL_AMMO = 13;
inline constexpr int HELMET = 14;
inline constexpr int BOXERS = 17;
inline constexpr int MEDAL = 20;
inline constexpr int APPLE = 23;
inline constexpr int BOOK = 25;
inline constexpr int FISH = 26;
inline constexpr int WATCH = 27;
inline constexpr int STICK_GRENADE = 28;
inline constexpr int VALUABLE = 31;
inline constexpr int SHOTGUN = 32;
inline constexpr int SHELLS = 36;
inline constexpr int MACHINEGUN = 37;
inline constexpr int BULLETS = 41;
inline constexpr int CARD = 42;
inline constexpr int GOLD_APPLE = 43;
inline constexpr int GUN_PARTS = 44;
inline constexpr int BREAD = 45;

// ---- Slot codes that differ from the pickup code ----
inline constexpr int SLOT_RIFLE_LEFT = 6;
inline constexpr int SLOT_RIFLE_RIGHT = 7;
inline constexpr int SLOT_PISTOL = 10;
inline constexpr int SLOT_HELMET = 15;
inline constexpr int SLOT_BOXERS = 18;
inline constexpr int SLOT_MEDAL = 21;
inline constexpr int GRENADE = 29;
inline constexpr int SLOT_SHOTGUN_LEFT = 33;
inline constexpr int SLOT_SHOTGUN_RIGHT = 34;
inline constexpr int SLOT_MACHINEGUN_LEFT = 38;
inline constexpr int SLOT_MACHINEGUN_RIGHT = 39;

// ---- Equipped markers: held items only, never in a slot ----
inline constexpr int RIFLE_EQUIPPED = 8;
inline constexpr int PISTOL_EQUIPPED = 11;
inline constexpr int HELMET_EQUIPPED = 16;
inline constexpr int BOXERS_EQUIPPED = 19;
inline constexpr int MEDAL_EQUIPPED = 22;
inline constexpr int GRENADE_EQUIPPED = 30;
inline constexpr int SHOTGUN_EQUIPPED = 35;
inline constexpr int MACHINEGUN_EQUIPPED = 40;

inline constexpr int GOLD_CAP = 999999;

// Family tests: every code of a family (pickup, slot and marker codes).
constexpr bool Is_Rifle_Code(int c) { return c >= 5 && c <= 8; }
constexpr bool Is_Pistol_Code(int c) { return c >= 9 && c <= 11; }
constexpr bool Is_Helmet_Code(int c) { return c >= 14 && c <= 16; }
constexpr bool Is_Boxers_Code(int c) { return c >= 17 && c <= 19; }
constexpr bool Is_Medal_Code(int c) { return c >= 20 && c <= 22; }
constexpr bool Is_Grenade_Code(int c) { return c >= 28 && c <= 30; }
constexpr bool Is_Shotgun_Code(int c) { return c >= 32 && c <= 35; }
constexpr bool Is_Machinegun_Code(int c) { return c >= 37 && c <= 40; }

// The slot code Calculate_Item stores for a pickup code (the left half for a long gun);
// 0 for codes that never enter a slot or are no items.
int Slot_Code_Of(int pickup_code);
// The stack cap of a pickup code; 0 for codes that never merge.
int Stack_Cap_Of(int pickup_code);

// ---- The inventory: saved with the game ----
inline int player_inv[16];          // slot code, 0 = empty
inline int player_inv_value[16];    // amount, model or kind
inline int player_inv_value1[16];   // upgrade digits, level of a wearable, kind of a book or medal
inline int player_inv_value2[16];   // rounds loaded, special flag of a wearable
inline int current_weapon = -1;     // slot of the equipped weapon (a long gun's right half)
inline int current_helmet = -1;
inline int current_boot = -1;
inline int current_medal = -1;
inline int current_gold = -1;       // inventory slot of the gold, -1 none
inline bool health_items = false;   // never set: healing food takes effect when picked up

// Adds `amount` of an item to the inventory; `index` is its ground item (an Fx index) or -1.
// True when the item was taken (stored, merged, eaten or counted).
bool Calculate_Item(int amount, int i_type, int index, int i_value1, int i_value2);
// Clears the first slot (every slot when remove_all) matching code, value and value1;
// value or value1 -1 match anything.
void Remove_Item(int code, int value, int value1, bool remove_all);
// Whether a slot holds exactly that code and value.
bool Has_This_Item(int code, int value);
// The number of slots matching as in Remove_Item.
int Get_Number_Of_Item(int code, int value, int value1, bool flag);
// The value of a new ground item of a pickup code; `type` is the rank of its source.
int Generate_Item(int code, int type);
// The animation of a ground item in the pickup sheet; 0 for codes it does not know.
int Calculate_Anim(int i_type, int i_value, int i_value1);
// The sound of an item taken or put down.
void PickUp_Sfx(int code);
// Collects ground item `item` when unit `unit` is within reach (mode -1 walking past it,
// else a click).
void Pickup_Check(int unit, int item, int c);
