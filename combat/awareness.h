// Awareness and alarms: a unit's search for an enemy in view, units hearing the latest
// noise, the stealth-mission alarm, and the test of a sprite against the visible view.
#pragma once

// The latest noise: where it was made, its kind (2 a shot or a sighting, 1 a hit),
// whether one was made since the last hearing window opened, and the window itself
// (noise_maker 2 while open, check_timer its end in ms).
inline float noise_x = 0.0f;
inline float noise_y = 0.0f;
inline int noise_type = 0;
inline bool alert_enemies = false;
inline int noise_maker = 0;
inline int check_timer = 0;

// The stealth alarm: raised by a heard noise, served by Raise_Alarm once its time is due.
inline bool alarm_raised = false;
inline int alarm_raised_timer = 0;

// Target search of unit loop (its fire_target is -1).
void AI_Check_For_Enemies(int loop);
// Unit loop hears the current noise; no_test is a sprite never woken (-1 none).
void Alert_Enemies(int no_test, int loop);
// Catches the player on a stealth mission.
void Raise_Alarm();
// Whether any of eight probe points of the sprite's drawn rectangle lies inside the view.
bool Is_Sprite_Onscreen(int index);
