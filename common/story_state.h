// The player's progress: what a save slot stores of the story and every subsystem reads (the
// character and side he plays, the act, the story flags, the missions, the card album).
#pragma once

inline int current_char = 0;       // the player's character 0, 1 or 2
inline int player_type = 0;        // the player's side
inline int current_act = 1;        // 1 to 4
inline char global_objects[100];   // story flags 0/1
inline int main_mission[25];       // 0 not given, 2 accepted, 1 accomplished, 3 reported
inline int current_main = 0;       // index of the current main mission
inline int global_cards[48];       // album counts of the cards
