// Steps of the main tick owned by the input, HUD-upkeep, text, effect and sound code.
#pragma once

#include "common/records.h"

// Keyboard handler.
int Key_Handler(bool* keys, object* display, int f_rate);
// Mouse code with the active control scheme.
void Mouse_Code(int f_rate);
// Main-tick HUD upkeep.
void Message_Panel_Alpha();
void Weapon_Switch_Upkeep(int f_rate);
void Tooltip_Bubble_Modal();
void Ammo_Count_Upkeep();
void Name_Field_Upkeep();
// Front end.
void Run_Front_Buttons();
void Run_Front_Messages(int f_rate);
// Text upkeep and scene countdown.
void Run_Scene_Countdown();
void Run_Text_Upkeep();
// Effect upkeep and screen shake.
void Run_Fx_Upkeep(int f_rate);
void Run_Shake_Upkeep();
// Music tracks and sound requests.
void Run_Music();
void Run_Sound_Requests();
// Stops the title music stream.
void Stop_End_Snd();

// World clock, light and weather.
void Calculate_Light();
void Calculate_Rain(int f_rate);

// Lamps and sleeping objects follow the time of day (called at dusk, dawn and scene load).
void Turn_On_Lights();
void Sleep_Sprites();

// Weather state of the world clock.
inline int weather = 0;          // 0 dry, else raining
inline int weather_type = 0;     // 0 rain
inline int next_rain = 0;        // hour of the next rain
inline bool was_sleeping = false; // the player slept before this scene
