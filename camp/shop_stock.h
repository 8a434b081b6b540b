// Shop codes and stock: the goods for sale with their labels, prices and what buying each
// adds to the inventory; the sell table from an inventory slot to a shop code and price; the
// buy stock by story progress with the rank gates of the upgrades; the upgrade availability
// of a carried item.
#pragma once

#include "camp/upgrades.h"

// The shop's row table: the code of each row (0 = empty) and its marker (-2 for the weapon,
// handgun-ammunition and grenade rows, 0 otherwise); shop_count rows filled by Calculate_Shop.
inline int shop[SHOP_ROWS];
inline int shop_s[SHOP_ROWS];
inline int shop_count = 0;

// One Calculate_Item call: amount (the model for a weapon), pickup code, ground item, value1,
// value2.
struct shop_item_call {
    int amount;
    int type;
    int index;
    int value1;
    int value2;
};

// A good for sale. upgrade_label is null for goods without an upgrade page; purchased is the
// kind of purchase recorded after buying it, 0 when the purchase records none.
struct shop_good {
    int code;
    const char* list_label;
    const char* upgrade_label;
    int price;
    shop_item_call calls[2];
    int n_calls;
    int purchased;
};

// The good for sale of a shop code; null for any other code.
const shop_good* Find_Shop_Good(int code);
// Buy price of a shop code; 0 for codes that are no good for sale (and for the Mauser Rifle).
int Shop_Buy_Price(int code);
// Line of the names column in buy and sell mode; "^" (an empty line) for unknown codes.
const char* Shop_List_Label(int code);
// Line of a card row, by card index 0..35; the plain "Card" line for any other index.
const char* Shop_Card_Label(int card);
// Line of the names column in the upgrade list; "^" for codes without an upgrade page.
const char* Shop_Upgrade_Label(int code);
// Adds a good for sale to the inventory: the purchase stands or falls on the first (main)
// Calculate_Item call. A weapon that fits then gets its ammunition whether that fits or not; a
// good that does not fit leaves the inventory as it was and brings no ammunition. False for
// codes that are no good for sale.
bool Add_Shop_Good(int code);

// Highest sell price a row can show (five digits in the price column).
inline constexpr int SHOP_PRICE_MAX = 99999;

// The sell-table row of inventory slot `slot`: false when the slot gives no row; otherwise
// the row's shop code (0 for a weapon or wearable whose model has no code), its sell price
// (upgrades included) and its marker.
bool Shop_Sell_Row(int slot, int& code, int& price, int& marker);

// Raises the upgrade gates from player_rank, then rebuilds shop, shop_s and shop_count for
// shop `id` (only shop 0 has stock).
void Calculate_Shop(int id);
// Whether the item in inventory slot the_object, listed in row the_weapon of `shop`, still has
// an upgrade the player may buy.
bool Is_Available(int the_object, int the_weapon);
