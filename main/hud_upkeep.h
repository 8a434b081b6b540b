// HUD upkeep of the main tick: message panel, weapon switch, modal box, ammunition count, name field.
#pragma once

inline bool low_ammo_flash = false; // the ammunition count blinks
inline bool is_blank = false;       // the typed name holds nothing but blanks

// Walk mode: a visible message panel (HUD item 2) is half transparent during the message
// flash, else at 0.99; in the shop it is fully opaque.
void Message_Panel_Alpha();
// One tick of a weapon change or reload: the bullet row (HUD items 7 to 10) slides down,
// the weapon is taken, the row slides back up.
void Weapon_Switch_Upkeep(int f_rate);
// Walk mode and front end: the tooltip backing, the speech-bubble timeout, the modal box a
// fully opaque message panel stands for, and the title-music volume.
void Tooltip_Bubble_Modal();
// Walk mode: the ammunition count (text slot 0) with its low-ammunition blink.
void Ammo_Count_Upkeep();
// Front-end page: the player-name field (text slot 8) with its caret, and the flags of the
// create, file and delete buttons.
void Name_Field_Upkeep();
