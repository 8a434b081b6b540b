#include "scripts/card_table.h"

#include <cstdio>
#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "platform/timer.h"
#include "world/animate.h"

namespace {

// The table's scene sprites.
constexpr int HIT_BUTTON = 0;     // deal, then take a card
constexpr int STICK_BUTTON = 4;   // quit, then stay
constexpr int BET_UP_BUTTON = 19;
constexpr int BET_DOWN_BUTTON = 20;
constexpr int DEALER = 3;         // the dealer's figure
constexpr int CARD_CLOTH = 5;     // shown from the first card of a hand on

// Texture slots of the two play buttons.
constexpr int TEX_DEAL = 5, TEX_TAKE = 6, TEX_QUIT = 7, TEX_STAY = 8;
// Animations of the dealer's figure.
constexpr int DEALER_WAITING = 2, DEALER_DEALING = 0, DEALER_PLAYER_WON = 3, DEALER_DEALER_WON = 4;

// Card slots: the player's row 0..4, the dealer's 5..9.
constexpr int PLAYER_FIRST = 0, PLAYER_LAST = 4, DEALER_FIRST = 5, DEALER_LAST = 9;
constexpr int NATURAL = 101;
constexpr int BLACKJACK = 21;
constexpr int DEALER_STANDS_ABOVE = 16;
constexpr int FLASH_MS = 250;

// Text slots of the table.
constexpr int PLAYER_LINE = 0, DEALER_LINE = 1, PURSE_LINE = 3;

enum step : int {
    WAIT_FOR_BET = 0,
    FIRST_CARD,
    DEALERS_CARD,
    SECOND_CARD,
    THIRD_CARD_WAIT,
    PLAYERS_TURN_START,
    PLAYERS_TURN,
    DEALERS_TURN,
    RESULT,
    RESULT_FLASH,
};

bool Valid_Gold_Slot() { return current_gold >= 0 && current_gold < 16; }

int Gold_Carried() { return Valid_Gold_Slot() ? player_inv_value[current_gold] : 0; }

// Winnings enter the inventory by its own gold rule: onto the gold stack up to its cap, the
// rest into a slot of its own (lost only when no slot is free).
void Add_Gold(int amount) {
    if (amount > 0) Calculate_Item(amount, GOLD, -1, 0, 0);
}

// A loss takes at most what the slot holds.
void Take_Gold(int amount) {
    if (amount <= 0 || !Valid_Gold_Slot()) return;
    int& gold = player_inv_value[current_gold];
    gold = amount >= gold ? 0 : gold - amount;
}


void Enable(int i, bool on) {
    if (Valid_Sprite(i)) sprite[i].mouseover = !on;
}

void Enable_Buttons(bool on, bool with_bets) {
    Enable(HIT_BUTTON, on);
    Enable(STICK_BUTTON, on);
    if (with_bets) {
        Enable(BET_UP_BUTTON, on);
        Enable(BET_DOWN_BUTTON, on);
    }
}

int Sprite_Count() { return no_sprites < MAX_SPRITES ? no_sprites : MAX_SPRITES; }

bool Is_Card(int i) { return sprite[i].type == FE_CARD; }

void Clear_Faces() {
    for (int i = 0; i < Sprite_Count(); i++)
        if (Is_Card(i)) sprite[i].sector_action = 0;
}

// Deals one card into slot s of a hand: every card sprite of that slot shows it; a slot
// without a sprite deals nothing.
void Draw_Card(int s, bool players_hand) {
    int face = 0;
    for (int i = 0; i < Sprite_Count(); i++) {
        if (!Is_Card(i) || sprite[i].score != s) continue;
        if (face == 0) {
            face = rand() % 13 + 1;
            (players_hand ? players_cards : dealers_cards) += Get_Card_Value(face, players_hand);
        }
        sprite[i].sector_action = face;
    }
}

int Players_Total() { return Calculate_Cards(players_cards, players_aces, true); }
int Dealers_Total() { return Calculate_Cards(dealers_cards, dealers_aces, false); }

bool Bust(int total) { return total > BLACKJACK && total != NATURAL; }

void Place_Line(int t, float x, float y) {
    counter[t].x = x;
    counter[t].y = y;
    counter[t].width = 0.016f;
    counter[t].height = 0.048f;
    counter[t].alpha = 1.0f;
}

void Write_Purse() {
    std::snprintf(counter[PURSE_LINE].word, sizeof counter[PURSE_LINE].word, "GOLD^%i^BET^%i", Gold_Carried(),
                  bet_size);
}

void Write_Hand(int t, const char* who, int total) {
    char* w = counter[t].word;
    const int n = sizeof counter[t].word;
    if (total == 0) std::snprintf(w, n, "%s^EMPTY", who);
    else if (total == NATURAL) std::snprintf(w, n, "%s^NICE!", who);
    else if (total > BLACKJACK) std::snprintf(w, n, "%s^BUST!", who);
    else std::snprintf(w, n, "%s^%i", who, total);
}

void Write_Result() {
    static constexpr const char* player_lines[3] = {"PLAYER^WINS!", "PLAYER^LOSES", "PLAYER^PUSH!"};
    static constexpr const char* dealer_lines[3] = {"DEALER^LOSES!", "DEALER^WINS!", "DEALER^PUSH!"};
    const int r = (win_game >= 0 && win_game <= 2) ? win_game : 1;
    std::snprintf(counter[PLAYER_LINE].word, sizeof counter[PLAYER_LINE].word, "%s", player_lines[r]);
    std::snprintf(counter[DEALER_LINE].word, sizeof counter[DEALER_LINE].word, "%s", dealer_lines[r]);
}

bool Due() { return Now() > title_timer; }

void Wait_For_Bet() {
    players_cards = dealers_cards = 0;
    players_aces = dealers_aces = 0;
    num_players_cards = num_dealers_cards = 0;
    Enable_Buttons(true, true);
    sprite[HIT_BUTTON].id = TEX_DEAL;
    sprite[STICK_BUTTON].id = TEX_QUIT;
    sprite[CARD_CLOTH].alpha = 0.0f;
    Set_Sprite(DEALER, DEALER_WAITING, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Clear_Faces();
    if (card_decision == 1) {
        title_timer = Now() + Card_Time;
        card_decision = 0;
        Enable_Buttons(false, true);
        title_sequence = FIRST_CARD;
    } else if (card_decision == 2) {
        episode = 1;
        scene = 3;
        next_scene = true;
        card_decision = 0;
    }
}

void End_Players_Turn() {
    Enable_Buttons(false, false);
    current_card = DEALER_FIRST;
    title_sequence = DEALERS_TURN;
}

void Players_Turn() {
    if (card_decision == 2) {
        card_decision = 0;
        End_Players_Turn();
        return;
    }
    if (card_decision != 1) return;
    card_decision = 0;
    if (current_card < PLAYER_FIRST || current_card >= PLAYER_LAST) {  // the row is full
        End_Players_Turn();
        return;
    }
    current_card++;
    Draw_Card(current_card, true);
    if (Bust(Players_Total())) {
        title_timer = Now() + Card_Time;
        End_Players_Turn();
    } else if (current_card == PLAYER_LAST) {
        End_Players_Turn();
    }
}

void Dealers_Turn() {
    title_timer = Now() + Card_Time;
    const bool takes = Dealers_Total() <= DEALER_STANDS_ABOVE && !Bust(Players_Total()) &&
                       current_card >= DEALER_FIRST && current_card < DEALER_LAST;
    if (!takes) {
        title_sequence = RESULT;
        return;
    }
    current_card++;
    Draw_Card(current_card, false);
    if (current_card == DEALER_LAST) title_sequence = RESULT;
}

void Settle() {
    card_flash_timer = 0;
    title_timer = Now() + Card_Time1;
    title_sequence = RESULT_FLASH;
    const int p = Players_Total(), d = Dealers_Total();
    win_game = (d < p && d != NATURAL) ? 0 : 1;
    if (p == d && p > DEALER_STANDS_ABOVE) win_game = 2;
    if (Bust(p)) win_game = 1;
    if (Bust(d)) win_game = 0;

    Write_Result();
    if (win_game == 0) {
        Add_Gold(p == NATURAL ? bet_size * 15 / 10 : bet_size);
        Calculate_Gold();
        Set_Sprite(DEALER, DEALER_PLAYER_WON, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        Clear_Faces();
        cash_sfx = true;
    } else if (win_game == 1) {
        Take_Gold(bet_size);
        Calculate_Gold();
        Set_Sprite(DEALER, DEALER_DEALER_WON, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        Clear_Faces();
    }
    Write_Purse();
}

void Flash_Result() {
    if (Now() > card_flash_timer) {
        card_flash_timer = Now() + FLASH_MS;
        if (card_flash) {
            counter[PLAYER_LINE].word[0] = '\0';
            counter[DEALER_LINE].word[0] = '\0';
            card_flash = false;
        } else {
            card_flash = true;
            Write_Result();
        }
    }
    if (Due()) title_sequence = WAIT_FOR_BET;
}

} // namespace

int Get_Card_Value(int value, bool check_total) {
    radio_sfx = true;
    if (value < 1 || value > 13) return 0;
    if (value == 1) {
        (check_total ? players_aces : dealers_aces)++;
        return 0;
    }
    (check_total ? num_players_cards : num_dealers_cards)++;
    return value > 10 ? 10 : value;
}

int Calculate_Cards(int value, int value2, bool check_total) {
    const bool one_card = (check_total ? num_players_cards : num_dealers_cards) == 1;
    const int aces = value2 > 1 ? value2 : (value <= 10 ? value2 * 11 : value2);
    if (value == 10 && value2 == 1 && one_card) return NATURAL;
    return aces + value;
}

void Calculate_Gold() {
    if (current_gold == -1) return;
    if (!Valid_Gold_Slot()) {  // a stale slot number holds no gold
        current_gold = -1;
        return;
    }
    if (player_inv_value[current_gold] > 0) return;
    player_inv[current_gold] = 0;
    player_inv_value[current_gold] = 0;
    player_inv_value1[current_gold] = 0;
    current_gold = -1;
}

void Run_Card_Table(int) {
    Card_Time = 1250;
    Card_Time1 = 3000;
    if (!(game_mode == MODE_FRONT || game_mode == MODE_WALK) || next_scene || episode != 1 || scene != 4) return;
    if (sprite == nullptr) return;

    if (title_sequence != RESULT && title_sequence != RESULT_FLASH) {
        Place_Line(PLAYER_LINE, -0.9f, -0.26f);
        Place_Line(DEALER_LINE, 0.7f, 0.66f);
        Place_Line(PURSE_LINE, 0.7f, -0.12f);
        Write_Purse();
        display_players_cards = Players_Total();
        Write_Hand(PLAYER_LINE, "PLAYER", display_players_cards);
        display_dealers_cards = Dealers_Total();
        Write_Hand(DEALER_LINE, "DEALER", display_dealers_cards);
    }
    for (int i = 0; i < Sprite_Count(); i++)
        if (Is_Card(i)) Set_Sprite(i, sprite[i].sector_action, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);

    if (title_sequence == WAIT_FOR_BET) Wait_For_Bet();
    if (title_sequence == FIRST_CARD && Due()) {
        sprite[CARD_CLOTH].alpha = 1.0f;
        Set_Sprite(DEALER, DEALER_DEALING, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        title_timer = Now() + Card_Time;
        Draw_Card(PLAYER_FIRST, true);
        title_sequence = DEALERS_CARD;
    }
    if (title_sequence == DEALERS_CARD && Due()) {
        title_timer = Now() + Card_Time;
        Draw_Card(DEALER_FIRST, false);
        title_sequence = SECOND_CARD;
    }
    if (title_sequence == SECOND_CARD && Due()) {
        title_timer = Now() + Card_Time;
        Draw_Card(PLAYER_FIRST + 1, true);
        title_sequence = THIRD_CARD_WAIT;
    }
    if (title_sequence == THIRD_CARD_WAIT && Due()) title_sequence = PLAYERS_TURN_START;
    if (title_sequence == PLAYERS_TURN_START && Due()) {
        Enable_Buttons(true, false);
        sprite[HIT_BUTTON].id = TEX_TAKE;
        sprite[STICK_BUTTON].id = TEX_STAY;
        current_card = PLAYER_FIRST + 1;
        title_sequence = PLAYERS_TURN;
    }
    if (title_sequence == PLAYERS_TURN && Due()) Players_Turn();
    if (title_sequence == DEALERS_TURN && Due()) Dealers_Turn();
    if (title_sequence == RESULT && Due()) Settle();
    if (title_sequence == RESULT_FLASH) Flash_Result();
}
