// World clock, light and weather. Lamps and sleeping objects follow the time of day.
#pragma once

void Calculate_Light();
void Calculate_Rain(int f_rate);
void Turn_On_Lights();
void Sleep_Sprites();

// Weather state of the world clock.
inline int weather = 0;           // 0 dry, else raining
inline int weather_type = 0;      // 0 rain
inline int next_rain = 0;         // hour of the next rain
inline bool was_sleeping = false; // the player slept before this scene
