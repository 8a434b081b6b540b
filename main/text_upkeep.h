// Text upkeep and the scene countdown.
#pragma once

inline int game_timer = 0;       // due time of the next one-second step of game_time
inline int text_timer = 0;       // end of the hold of a finished HUD text line
inline int scroll_txt_timer = 0; // due time of the next revealed letter
inline int scroll_length = 0;    // letters of the HUD text line being revealed

// Counts the scene's time limit (game_time, seconds) down once a second and requests the
// next scene on the tick after it has reached 1.
void Run_Scene_Countdown();
// Walk and world scenes, and status pages of the front end: the start message, the
// letter-by-letter reveal of the HUD text line, its hold and the step to the next line.
void Run_Text_Upkeep();
