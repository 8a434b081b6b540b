// Steps of the main tick whose subsystems land later keep an empty body until then.
#include "common/call_trace.h"
#include "main/tick_services.h"

#include "main/sound_bank.h"

void Stop_End_Snd() { end_snd.stop(); }


int Key_Handler(bool*, object*, int) { Trace_Call("Key_Handler"); return 1; }
void Mouse_Code(int) { Trace_Call("Mouse_Code"); }
void Message_Panel_Alpha() { Trace_Call("Message_Panel_Alpha"); }
void Weapon_Switch_Upkeep(int) { Trace_Call("Weapon_Switch_Upkeep"); }
void Tooltip_Bubble_Modal() { Trace_Call("Tooltip_Bubble_Modal"); }
void Ammo_Count_Upkeep() { Trace_Call("Ammo_Count_Upkeep"); }
void Name_Field_Upkeep() { Trace_Call("Name_Field_Upkeep"); }
void Run_Front_Buttons() { Trace_Call("Run_Front_Buttons"); }
void Run_Front_Messages(int) { Trace_Call("Run_Front_Messages"); }
void Run_Scene_Countdown() { Trace_Call("Run_Scene_Countdown"); }
void Run_Text_Upkeep() { Trace_Call("Run_Text_Upkeep"); }
void Run_Fx_Upkeep(int) { Trace_Call("Run_Fx_Upkeep"); }
void Run_Shake_Upkeep() { Trace_Call("Run_Shake_Upkeep"); }
void Run_Music() { Trace_Call("Run_Music"); }
void Run_Sound_Requests() { Trace_Call("Run_Sound_Requests"); }
void Calculate_Light() { Trace_Call("Calculate_Light"); }
void Calculate_Rain(int) { Trace_Call("Calculate_Rain"); }
void Turn_On_Lights() { Trace_Call("Turn_On_Lights"); }
void Sleep_Sprites() { Trace_Call("Sleep_Sprites"); }
