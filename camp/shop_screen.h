// The camp's shop screen: buying goods, selling carried items and buying upgrades for the
// carried weapons and wearables, in a scrolling list of eight rows with a message box.
#pragma once

#include "camp/shop_picture.h"  // shop_sequence, shop_switch_timer
#include "camp/shop_stock.h"    // shop, shop_s, shop_count
#include "camp/upgrades.h"      // tune_up_page, ishop, ishop_cost, SHOP_ROWS

// One frame of the shop: `kind` 0 the buy shop (episode 1 scene 7), 1 the upgrade shop
// (scene 30); `ms` is not read.
void Run_Shop(int ms, int kind);

// State of the screen, kept between frames and visits.
inline int shop_row = 0;          // first shown row, 0..SHOP_LAST_TOP_ROW
inline int scroll_timer = 0;      // a scroll step is allowed once the clock is past it
inline float base_height = 0.0f;  // y of the scroll thumb for row 0
inline int the_item = 0;          // row sprite (7..14) of the pending confirmation
inline int the_index = 0;         // row of the pending confirmation
inline int message_type = 0;      // 0 not enough gold, 1 confirm buy/upgrade, 2 confirm sale, 3 no room
inline int bump_timer = -1;       // -1 idle, else the stamp until which the gold counter is enlarged
inline int temp_gold = 0;         // gold carried at the start of the frame

// Per-row data rebuilt every frame beside `shop`: the price, the inventory slot a sell,
// upgrade-list or page row stands for, and a card row's card index.
inline int shop_price[SHOP_ROWS];
inline int shop_slot[SHOP_ROWS];
inline int shop_card[SHOP_ROWS];

// Highest first shown row of the scrolling list.
inline constexpr int SHOP_LAST_TOP_ROW = 24;
