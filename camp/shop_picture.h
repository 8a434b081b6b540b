// The shop's display picture: what the row under the mouse stands for, shown as one of the
// picture sprite's animations and a description in counter[2].
#pragma once

// The shop screen's mode: 0 buy, 1 sell, 2 upgrade.
inline int shop_sequence = 0;
// Stamp (ms) until which the mode's hint picture stays away: now + 10 whenever a row's
// picture is shown.
inline int shop_switch_timer = 0;

// The shop scene's picture sprite.
inline constexpr int SHOP_PICTURE_SPRITE = 20;

// Shows the picture and the description of row `index` of `shop`; `i` is the inventory slot
// the row stands for (sell rows, upgrade-list rows and page rows; not read for buy rows).
void Set_Display_Picture(int i, int index);
