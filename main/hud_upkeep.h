// HUD upkeep of the main tick: message panel, weapon switch, modal box, ammunition count, name field.
#pragma once

void Message_Panel_Alpha();
void Weapon_Switch_Upkeep(int f_rate);
void Tooltip_Bubble_Modal();
void Ammo_Count_Upkeep();
void Name_Field_Upkeep();
