// The camp's card table (twenty-one against a dealer, played for the carried gold) and the
// gold slot upkeep that the table and the shop share.
#pragma once

#include "common/scene_state.h"  // players_cards, dealers_cards, players_aces, dealers_aces, card_decision, bet_size
#include "hud/inventory.h"       // current_gold

// Number of non-ace cards in each hand (a natural needs exactly one).
inline int num_players_cards = 0;
inline int num_dealers_cards = 0;
// The card slot last dealt during the player's and the dealer's turns.
inline int current_card = 0;
// Result of the hand: 0 player wins, 1 dealer wins, 2 push.
inline int win_game = 0;
// The result lines are shown (true) or blanked (false); due time of the next change.
inline bool card_flash = false;
inline int card_flash_timer = 0;
// Totals of the two hands as last shown (101 a natural).
inline int display_players_cards = 0;
inline int display_dealers_cards = 0;
// Pace of the dealing and of the dealer's turn, and how long a result stays up (ms); set
// at the start of every call of the scene scripts.
inline int Card_Time = 1250;
inline int Card_Time1 = 3000;

// Value of a drawn card of face `value` (1 ace .. 13) for the player's hand (check_total
// true) or the dealer's; counts it into that hand's aces or non-ace cards and requests the
// card blip.
int Get_Card_Value(int value, bool check_total);
// Total of a hand: `value` the sum of its non-ace cards, `value2` its aces; 101 a natural.
int Calculate_Cards(int value, int value2, bool check_total);
// Empties the gold slot once the gold in it is spent (0 or less).
void Calculate_Gold();
// One frame of the card table of episode 1 scene 4; its guard (game mode 3 or 4, no scene
// request pending, episode 1 scene 4) is tested here.
void Run_Card_Table(int ms);
