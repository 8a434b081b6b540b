// The camp's card table: card values and hand totals, the dealing and turn steps with their
// timing, the settlement of a hand with its texts and gold, the flashing result, and the
// gold slot upkeep shared with the shop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/card_table.h"
#include "scripts/script_frame.h"
#include "support/scene_start.h"
#include "support/virtual_clock.h"

namespace {

constexpr int CARD_SPRITE0 = 21;  // card sprites 21..30 hold slots 0..9
constexpr int CARD_TIME = 1250;

class CardTable : public ::testing::Test {
protected:
    void SetUp() override {
        Start_Front_Scene(1, 4);
        title_timer = 0;
        card_decision = 0;
        bet_size = 100;
        players_cards = dealers_cards = players_aces = dealers_aces = 0;
        num_players_cards = num_dealers_cards = 0;
        card_flash = false;
        card_flash_timer = 0;
        no_sprites = CARD_SPRITE0 + 10;
        sprite[0].type = FE_HIT;
        sprite[4].type = FE_STICK;
        sprite[19].type = FE_INCREASE;
        sprite[20].type = FE_DECREASE;
        for (int s = 0; s < 10; s++) {
            sprite[CARD_SPRITE0 + s].type = FE_CARD;
            sprite[CARD_SPRITE0 + s].score = s;
        }
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        Give_Gold(0, 1000);
    }
    void TearDown() override { Free_Records(); }

    static void Give_Gold(int slot, int amount) {
        player_inv[slot] = GOLD;
        player_inv_value[slot] = amount;
        current_gold = slot;
    }
    static void Frame() { Run_Card_Table(1); }
    static void Wait(int ms) {
        Advance_Ms(ms);
        Frame();
    }
    static int Face(int slot) { return sprite[CARD_SPRITE0 + slot].sector_action; }
    static std::string Line(int t) { return counter[t].word; }

    // A seed under which the next draws show these faces.
    static unsigned Seed_For(const std::vector<int>& faces) {
        for (unsigned s = 1; s < 20000000; s++) {
            srand(s);
            bool ok = true;
            for (int f : faces)
                if (rand() % 13 + 1 != f) {
                    ok = false;
                    break;
                }
            if (ok) return s;
        }
        ADD_FAILURE() << "no seed";
        return 1;
    }

    // Deals the first three cards (player, dealer, player) and reaches the player's turn.
    static void Deal(int p1, int d1, int p2) {
        Frame();  // step 0
        card_decision = 1;
        Frame();
        ASSERT_EQ(title_sequence, 1);
        srand(Seed_For({p1, d1, p2}));
        for (int k = 0; k < 3; k++) Wait(CARD_TIME + 1);
        Wait(CARD_TIME + 1);  // the third card's wait, then the turn opens
        ASSERT_EQ(title_sequence, 6);
    }

    // A hand of the given faces, counted as the table counts it.
    static void Hand(bool player, const std::vector<int>& faces) {
        int& sum = player ? players_cards : dealers_cards;
        for (int f : faces) sum += Get_Card_Value(f, player);
    }
};

TEST_F(CardTable, CardValuesAndHandTotals) {
    struct hand_case {
        std::vector<int> faces;
        int total;
    } cases[] = {
        {{}, 0},
        {{1, 1}, 2},
        {{1, 1, 9}, 11},
        {{1, 9}, 20},
        {{1, 5, 6}, 12},
        {{1, 6}, 17},
        {{1, 13}, 101},
        {{10, 1}, 101},
        {{1, 4, 6}, 21},      // three cards make no natural
        {{12, 11, 5}, 25},    // court cards are worth 10
        {{1, 1, 10}, 12},
    };
    for (const hand_case& c : cases) {
        players_cards = players_aces = num_players_cards = 0;
        dealers_cards = dealers_aces = num_dealers_cards = 0;
        radio_sfx = false;
        Hand(true, c.faces);
        EXPECT_EQ(Calculate_Cards(players_cards, players_aces, true), c.total) << ::testing::PrintToString(c.faces);
        EXPECT_EQ(radio_sfx, !c.faces.empty());
        // The dealer's hand is counted apart from the player's.
        EXPECT_EQ(dealers_cards + dealers_aces + num_dealers_cards, 0);
        Hand(false, c.faces);
        EXPECT_EQ(Calculate_Cards(dealers_cards, dealers_aces, false), c.total);
    }
}

TEST_F(CardTable, WaitingTableAndQuit) {
    sprite[0].mouseover = sprite[19].mouseover = true;
    sprite[CARD_SPRITE0].sector_action = 7;
    sprite[5].alpha = 1.0f;
    Frame();
    EXPECT_FALSE(sprite[0].mouseover);
    EXPECT_FALSE(sprite[19].mouseover);
    EXPECT_EQ(sprite[0].id, 5);
    EXPECT_EQ(sprite[4].id, 7);
    EXPECT_EQ(sprite[5].alpha, 0.0f);
    EXPECT_EQ(sprite[3].anim, 2);
    EXPECT_EQ(Face(0), 0);
    EXPECT_EQ(Line(0), "PLAYER^EMPTY");
    EXPECT_EQ(Line(1), "DEALER^EMPTY");
    EXPECT_EQ(Line(3), "GOLD^1000^BET^100");
    EXPECT_FLOAT_EQ(counter[3].x, 0.7f);
    EXPECT_FLOAT_EQ(counter[3].y, -0.12f);
    EXPECT_FLOAT_EQ(counter[0].height, 0.048f);

    card_decision = 2;
    Frame();
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 3);
    EXPECT_EQ(card_decision, 0);
    EXPECT_EQ(title_sequence, 0);

    // The guard: nothing runs once a scene request is pending, nor in another scene.
    card_decision = 1;
    Frame();
    EXPECT_EQ(title_sequence, 0);
    next_scene = false;
    scene = 5;
    Frame();
    EXPECT_EQ(title_sequence, 0);
}

TEST_F(CardTable, RunsAsTheScriptBlockOfItsScene) {
    EXPECT_EQ(Script_Block_Body(100), &Run_Card_Table);
    game_mode = MODE_WALK;
    card_decision = 1;
    Run_Scripts(1);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(Card_Time, 1250);
    EXPECT_EQ(Card_Time1, 3000);
}

TEST_F(CardTable, DealingPaceAndButtons) {
    Frame();
    card_decision = 1;
    Frame();
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(card_decision, 0);
    for (int b : {0, 4, 19, 20}) EXPECT_TRUE(sprite[b].mouseover) << b;

    srand(Seed_For({3, 8, 4}));
    Wait(CARD_TIME);  // due time reached but not passed
    EXPECT_EQ(Face(0), 0);
    Wait(1);
    EXPECT_EQ(Face(0), 3);
    EXPECT_EQ(sprite[5].alpha, 1.0f);
    EXPECT_EQ(sprite[3].anim, 0);
    Wait(CARD_TIME + 1);
    EXPECT_EQ(Face(5), 8);
    Wait(CARD_TIME + 1);
    EXPECT_EQ(Face(1), 4);
    EXPECT_EQ(title_sequence, 4);
    EXPECT_EQ(Line(0), "PLAYER^3");  // the text was written before this frame's card
    Frame();
    EXPECT_EQ(Line(0), "PLAYER^7");
    EXPECT_EQ(Line(1), "DEALER^8");
    Wait(CARD_TIME + 1);
    EXPECT_EQ(title_sequence, 6);
    EXPECT_FALSE(sprite[0].mouseover);
    EXPECT_FALSE(sprite[4].mouseover);
    EXPECT_TRUE(sprite[19].mouseover);  // no bets during a hand
    EXPECT_TRUE(sprite[20].mouseover);
    EXPECT_EQ(sprite[0].id, 6);
    EXPECT_EQ(sprite[4].id, 8);
    EXPECT_EQ(current_card, 1);
    // Every card plays the animation of its face.
    EXPECT_EQ(sprite[CARD_SPRITE0 + 5].anim, 8);
}

TEST_F(CardTable, NaturalPaysOneAndAHalfTimesTheBet) {
    for (int bet : {50, 1000}) {
        SCOPED_TRACE(bet);
        Free_Records();
        SetUp();
        bet_size = bet;
        Deal(1, 10, 13);
        Frame();
        EXPECT_EQ(Line(0), "PLAYER^NICE!");
        // Stay: the dealer draws at once (10 is 16 or less) and stands on 17 a turn later.
        srand(Seed_For({7}));
        card_decision = 2;
        Frame();
        EXPECT_EQ(title_sequence, 7);
        EXPECT_EQ(Face(6), 7);
        EXPECT_TRUE(sprite[0].mouseover);
        Wait(CARD_TIME + 1);
        EXPECT_EQ(title_sequence, 8);
        cash_sfx = false;
        Wait(CARD_TIME + 1);
        EXPECT_EQ(title_sequence, 9);
        EXPECT_EQ(win_game, 0);
        EXPECT_EQ(player_inv_value[0], 1000 + bet * 15 / 10);
        EXPECT_EQ(Line(0), "PLAYER^WINS!");
        EXPECT_EQ(Line(1), "DEALER^LOSES!");
        EXPECT_EQ(Line(3), "GOLD^" + std::to_string(1000 + bet * 15 / 10) + "^BET^" + std::to_string(bet));
        EXPECT_TRUE(cash_sfx);
        EXPECT_EQ(sprite[3].anim, 3);
        EXPECT_EQ(Face(0), 0);  // a decided hand shows the slots empty
        EXPECT_EQ(Face(6), 0);
    }
}

TEST_F(CardTable, PlayerBustsOnHisThirdCard) {
    Deal(10, 5, 9);
    srand(Seed_For({13}));
    card_decision = 1;
    Frame();
    EXPECT_EQ(Face(2), 13);
    EXPECT_EQ(title_sequence, 7);
    EXPECT_EQ(current_card, 5);
    EXPECT_TRUE(sprite[0].mouseover);
    Wait(CARD_TIME);
    EXPECT_EQ(title_sequence, 7);
    Wait(1);
    EXPECT_EQ(title_sequence, 8);
    EXPECT_EQ(Face(6), 0);  // the dealer drew nothing
    Wait(CARD_TIME + 1);
    EXPECT_EQ(win_game, 1);
    EXPECT_EQ(Line(0), "PLAYER^LOSES");
    EXPECT_EQ(Line(1), "DEALER^WINS!");
    EXPECT_EQ(player_inv_value[0], 900);
    EXPECT_EQ(sprite[3].anim, 4);
}

TEST_F(CardTable, FifthCardEndsTheTurnAtOnce) {
    // The player holds four small cards (slots 0..3) in his turn.
    title_sequence = 6;
    current_card = 3;
    Hand(true, {2, 2, 2, 3});
    Hand(false, {10});
    srand(Seed_For({2, 5}));
    card_decision = 1;
    Frame();
    EXPECT_EQ(Face(4), 2);
    // The dealer's turn ran in the same frame and drew his second card.
    EXPECT_EQ(Face(6), 5);
    EXPECT_EQ(title_sequence, 7);
    EXPECT_EQ(Calculate_Cards(players_cards, players_aces, true), 11);
}

TEST_F(CardTable, SettlementRules) {
    struct settle_case {
        const char* name;
        std::vector<int> player, dealer;
        int win;
        int gold;
    } cases[] = {
        {"push at 18", {10, 8}, {9, 9}, 2, 1000},
        {"tie at 15 goes to the dealer", {10, 5}, {2, 3, 4, 5, 1}, 1, 900},
        {"both naturals push", {1, 12}, {10, 1}, 2, 1000},
        {"dealer's natural beats a three-card 21", {7, 7, 7}, {1, 13}, 1, 900},
        {"player's natural beats the dealer's 21", {1, 10}, {7, 7, 7}, 0, 1150},
        {"dealer bust", {10, 2}, {10, 6, 9}, 0, 1100},
        {"player bust", {10, 9, 5}, {4}, 1, 900},
        {"higher total wins", {10, 9}, {10, 7}, 0, 1100},
    };
    for (const settle_case& c : cases) {
        SCOPED_TRACE(c.name);
        Free_Records();
        SetUp();
        Hand(true, c.player);
        Hand(false, c.dealer);
        for (int s = 0; s < 10; s++) sprite[CARD_SPRITE0 + s].sector_action = 4;
        sprite[3].anim = 0;
        title_sequence = 8;
        Frame();
        EXPECT_EQ(win_game, c.win);
        EXPECT_EQ(player_inv_value[0], c.gold);
        if (c.win == 2) {
            EXPECT_EQ(Line(0), "PLAYER^PUSH!");
            EXPECT_EQ(Line(1), "DEALER^PUSH!");
            EXPECT_EQ(Face(0), 4);  // the cards stay up
            EXPECT_EQ(sprite[3].anim, 0);
        }
    }
}

TEST_F(CardTable, ResultFlashesThenTableWaits) {
    Hand(true, {10, 9});
    Hand(false, {10, 7});
    title_sequence = 8;
    Frame();
    ASSERT_EQ(title_sequence, 9);
    EXPECT_TRUE(card_flash);  // the first flash ran in the same frame: the lines are up
    EXPECT_EQ(Line(0), "PLAYER^WINS!");
    Wait(250);
    EXPECT_EQ(Line(0), "PLAYER^WINS!");
    Wait(1);
    EXPECT_EQ(Line(0), "");
    EXPECT_EQ(Line(1), "");
    EXPECT_EQ(Line(3), "GOLD^1100^BET^100");  // the purse does not flash
    Wait(251);
    EXPECT_EQ(Line(0), "PLAYER^WINS!");
    EXPECT_EQ(Line(1), "DEALER^LOSES!");
    Advance_Ms(3000 - 502);
    Frame();
    EXPECT_EQ(title_sequence, 9);
    Advance_Ms(1);
    Frame();
    EXPECT_EQ(title_sequence, 0);
    Frame();  // the lines are written before step 0 clears the hands
    Frame();
    EXPECT_EQ(Line(0), "PLAYER^EMPTY");
    EXPECT_EQ(Line(3), "GOLD^1100^BET^100");
}

TEST_F(CardTable, GoldSlotUpkeep) {
    struct gold_case {
        int slot;
        int amount;
        int slot_after;
        bool emptied;
    } cases[] = {
        {3, 0, -1, true},
        {3, -20, -1, true},
        {3, 1, 3, false},
        {-1, 0, -1, false},
        {16, 0, -1, false},  // a stale slot number: nothing outside the slots is touched
    };
    for (const gold_case& c : cases) {
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        if (c.slot >= 0 && c.slot < 16) {
            player_inv[c.slot] = GOLD;
            player_inv_value[c.slot] = c.amount;
            player_inv_value1[c.slot] = 5;
        }
        current_gold = c.slot;
        Calculate_Gold();
        EXPECT_EQ(current_gold, c.slot_after) << c.slot << " " << c.amount;
        if (c.emptied) {
            EXPECT_EQ(player_inv[c.slot], 0);
            EXPECT_EQ(player_inv_value[c.slot], 0);
            EXPECT_EQ(player_inv_value1[c.slot], 0);
        }
    }
}

TEST_F(CardTable, LosingTheLastGoldEmptiesTheSlot) {
    player_inv_value[0] = 100;
    Hand(true, {10, 5});
    Hand(false, {10, 8});
    title_sequence = 8;
    Frame();
    EXPECT_EQ(current_gold, -1);
    EXPECT_EQ(player_inv[0], 0);
    EXPECT_EQ(Line(3), "GOLD^0^BET^100");
}

TEST_F(CardTable, GoldNeverOverflowsNorGoesNegative) {
    // Winnings past the gold cap open a second gold slot, as any gold the inventory takes.
    player_inv_value[0] = GOLD_CAP - 10;
    bet_size = 1000;
    Hand(true, {1, 10});  // a natural wins 1500
    Hand(false, {10, 7});
    title_sequence = 8;
    Frame();
    EXPECT_EQ(player_inv_value[0], GOLD_CAP);
    EXPECT_EQ(player_inv[1], GOLD);
    EXPECT_EQ(player_inv_value[1], 1490);

    // With no free slot the part past the cap is lost, and the stack still stops at the cap.
    Free_Records();
    SetUp();
    player_inv_value[0] = GOLD_CAP - 10;
    for (int s = 1; s < 16; s++) player_inv[s] = WATCH;
    bet_size = 1000;
    Hand(true, {10, 9});
    Hand(false, {10, 7});
    title_sequence = 8;
    Frame();
    EXPECT_EQ(player_inv_value[0], GOLD_CAP);

    // A loss takes no more than is carried.
    Free_Records();
    SetUp();
    player_inv_value[0] = 30;
    bet_size = 100;
    Hand(true, {10, 5});
    Hand(false, {10, 8});
    title_sequence = 8;
    Frame();
    EXPECT_EQ(current_gold, -1);
    EXPECT_EQ(player_inv[0], 0);
    EXPECT_EQ(player_inv_value[0], 0);

    // Winnings without a gold slot go into the inventory as gold.
    Free_Records();
    SetUp();
    player_inv[0] = 0;
    player_inv_value[0] = 0;
    current_gold = -1;
    player_inv[1] = WATCH;
    Hand(true, {10, 9});
    Hand(false, {10, 7});
    title_sequence = 8;
    Frame();
    ASSERT_NE(current_gold, -1);
    EXPECT_EQ(player_inv[current_gold], GOLD);
    EXPECT_EQ(player_inv_value[current_gold], 100);
}

} // namespace
