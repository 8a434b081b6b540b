// The 16-slot inventory grid of the walk HUD: highlight and label the slot under the
// pointer, use, take, put down and price items. Runs as the last phases of Hud_Overlays.
#pragma once

inline bool on_the_inv = false;   // the pointer is on a slot with nothing held, this frame
inline int inv_slot_hovered = -1; // the slot under the pointer, this frame (-1 none)

// First HUD item of the grid; slot n is drawn by hud[HUD_INV_FIRST + n].
constexpr int HUD_INV_FIRST = 11;
constexpr int INV_SLOTS = 16;

// The inventory phases of one frame (highlights, the slot loop, the sell price).
void Inventory_Screen();
