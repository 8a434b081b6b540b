// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/hud_upkeep.h"

#include "common/call_trace.h"

void Message_Panel_Alpha() { Trace_Call("Message_Panel_Alpha"); }
void Weapon_Switch_Upkeep(int) { Trace_Call("Weapon_Switch_Upkeep"); }
void Tooltip_Bubble_Modal() { Trace_Call("Tooltip_Bubble_Modal"); }
void Ammo_Count_Upkeep() { Trace_Call("Ammo_Count_Upkeep"); }
void Name_Field_Upkeep() { Trace_Call("Name_Field_Upkeep"); }
