// World clock, light and weather: the light level by hour, night and day with the dusk and
// dawn events, the weather layers (rain and clouds) and the lamps and sleeping objects that
// follow the time of day. The clock itself (hours, minutes, seconds) is advanced by the
// frame loop; seconds count tenths of a minute.
#pragma once

// Computes Light_Level and daytime from the clock, starts the weather at its hour and runs
// the dusk (22:15) and dawn (5:15) events at most once a minute of real time.
void Calculate_Light();
// One step of the running weather; f_rate is the frame's milliseconds (cloud scroll).
void Calculate_Rain(int f_rate);
// Scrolls the cloud layer by f_rate milliseconds, drifting with the walking player.
void Scroll_Clouds(int f_rate);
// Lamps of light_list show their night or day frame (walk scenes outside dungeons).
void Turn_On_Lights();
// Objects with a sleep mode change frame, or appear and vanish, by time of day.
void Sleep_Sprites();

// ---- Light and night ----
inline float Light_Level = 100.0f;   // base light 0..100.1; above 98 is daylight
inline bool daytime = false;         // true at night
inline int wakeup_timer = 0;         // earliest time of the next dusk or dawn event

// ---- Weather ----
enum : int { WEATHER_NONE = 0, WEATHER_FADE_IN = 1, WEATHER_RUNNING = 2, WEATHER_FADE_OUT = 3 };
enum : int { WEATHER_RAIN = 0, WEATHER_CLOUDS = 1 };
// HUD items that carry the weather layers.
enum : int { HUD_RAIN_A = 39, HUD_RAIN_B = 51, HUD_CLOUDS = 57 };

inline int weather = 0;           // phase: 0 none, 1 fading in, 2 running, 3 fading out
inline int weather_type = 0;      // 0 rain, 1 clouds
inline int next_rain = 0;         // hour at which the next weather starts
inline int rain_timer = 0;        // due time of the next weather step
inline int rain_angle_timer = 0;  // due time of the next slant or scroll step
inline float rain_angle = 0.0f;   // slant of the rain layers, 0 to 10
inline bool was_sleeping = false; // the player slept before this scene

// ---- The day's shop specials, drawn at dawn (each 0 to 4) ----
inline int shop_special1 = 0;
inline int shop_special2 = 0;
inline int shop_special3 = 0;
inline int shop_special4 = 0;
