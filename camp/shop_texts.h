// The shop's stat texts: the stat block of a weapon for sale, the defense block of a helmet or
// boxers for sale or carried, written into the description slot (counter[2]) with the font's
// icon glyphs; and the defense of a carried helmet or boxers.
#pragma once


// Appends the stat block of the weapon in row `index` of `shop` to counter[2] and sets the
// slot's box-size code to 4. Rows outside the table or without a weapon entry add nothing.
// `item` is not read.
void Calculate_Weapon_Buy(int index, int item);
// Appends the defense block of the helmet or boxers in row `index1` of `shop` to counter[2]
// and sets its box-size code to 2. `item` is not read.
void Calculate_Item_Buy(int index1, int item);
// Appends the level, defense and special lines of the helmet or boxers in inventory slot
// `index` to counter[2] and sets its box-size code to 2. `item` is not read: the text always
// goes to slot 2.
void Calculate_Item_Txt(int index, int item);

// Appends `text` to text slot t, cut at the slot's 1024 bytes.
void Shop_Text_Append(int t, const char* text);

// Bonus of the headwear or boxers in inventory slot 0 to 15 by its level; 0 for anything else.
float GetItemDefense(int slot);
