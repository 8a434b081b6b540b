// Item names, prices and the tooltip box of the walk HUD: the ground label of the item under
// the pointer, the label of an inventory slot, the price of an item and the placement of the
// tooltip text (text slot 5) with its backing box (HUD item 6).
#pragma once

inline bool msg_left = false;  // the tooltip stands 0.45 to the right of the pointer

// Labels the dropped item under the pointer, then places the tooltip (Message_Limits).
void Hud_Check();
// Gold value of an item: pickup 1 the ground item Fx[id], 2 inventory slot id, 0 the item
// held on the mouse (id not read). The HUD's sell price is half of it.
int Get_Cost(int id, int pickup);
// Places the tooltip text slot and sizes its box by the slot's box code (length).
void Message_Limits();
// Does nothing; kept for its callers.
void Reset_Hud_Stat();
// Writes the label of inventory slot `slot` (0 to 15) into text slot 5 and its box code;
// a code or value without a label leaves the text as it was.
void Slot_Label(int slot);
