// The card albums (episode 1 scene 18): entry, card captions, the single-card page, the
// album buttons and the page chosen by the cards the player carries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/albums.h"
#include "camp/tent.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"
#include "test_camp_fixture.h"

namespace {

// Card slot 0 to 11 -> its sprite.
constexpr int slot_sprite[12] = {6, 3, 9, 10, 7, 4, 11, 12, 8, 5, 13, 14};

class AlbumsTest : public Camp_Screen_Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Lay_Sprite_Row(20, -2.0f, 0.0f, false);
        game_mode = 4;
        episode = 1;
        scene = 18;
        title_sequence = 0;
        next_scene = false;
        card_page = 1;
        current_act = 1;
        std::memset(global_cards, 0, sizeof global_cards);
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(counter, 0, sizeof counter);
        mouseleft = msg_left = false;
        radio_sfx = click_sfx = switch_n_sfx = false;
        card_selected = 0;
        shop_intro_type = 0;
        card_queue_count = 0;
        std::memset(global_objects, 0, sizeof global_objects);
        cash_sfx = cheer_sfx = false;
        no_fx = 0;
        Off();
    }
    static void Carry(int slot, int card) {
        player_inv[slot] = CARD;
        player_inv_value[slot] = card;
    }
};

TEST_F(AlbumsTest, EntryShowsOwnedCardsAndUnlocksButtonsByAct) {
    card_page = 2;
    current_act = 3;
    global_cards[12] = 1;   // slot 0 of the costume album
    global_cards[23] = 10;  // slot 11
    global_cards[0] = 1;    // another album: no effect on this page
    sprite[17].id = 4;
    sprite[18].id = 5;
    sprite[15].alpha = 1.0f;
    sprite[40].flash_timer = 1234;

    Run_Cards(16);

    EXPECT_EQ(title_sequence, 1);
    for (int s = 0; s < 12; ++s) {
        const int i = slot_sprite[s];
        EXPECT_EQ(sprite[i].id, 9) << "slot " << s;  // card sheet of album 2
        const int expected = (s == 0 || s == 11) ? s + 2 : 0;
        EXPECT_EQ(sprite[i].anim, expected) << "slot " << s;
    }
    EXPECT_EQ(sprite[17].id, 6);
    EXPECT_EQ(sprite[18].id, 8);
    EXPECT_EQ(sprite[15].alpha, 0.0f);
    EXPECT_EQ(sprite[40].flash_timer, 0);
    for (int i : {1, 16, 17, 18, 19}) EXPECT_EQ(sprite[i].alpha, 1.0f) << i;
    EXPECT_FALSE(next_scene);

    // The buttons' pictures are switched once per entry, not every frame.
    Run_Cards(16);
    EXPECT_EQ(sprite[17].id, 6);
    EXPECT_EQ(sprite[18].id, 8);
}

TEST_F(AlbumsTest, ActTwoUnlocksOnlyTheCostumeButton) {
    current_act = 2;
    sprite[17].id = 4;
    sprite[18].id = 5;
    Run_Cards(16);
    EXPECT_EQ(sprite[17].id, 6);
    EXPECT_EQ(sprite[18].id, 5);
}

TEST_F(AlbumsTest, CardCaptionsByCountAndAlbum) {
    struct Case {
        int page, slot, count;
        const char* caption;
        int box;
    } cases[] = {
        {1, 1, 0, "CARD^MONA_(0)", 1},           // a missing card still names itself
        {1, 0, 9, "CARD^LUCILLE_(9)", 1},
        {1, 0, 10, "CARD^LUCILLE^(PERFECT)", 2},
        {1, 10, 10, "CARD^TALVERN^(PERFECT)", 2},
        {1, 10, 3, "CARD^TALVERN_(3)", 1},
        {1, 11, 10, "CARD^FIONA^PERFECT)", 2},
        {2, 11, 10, "CARD^LILLY^PERFECT)", 2},
        {2, 11, 11, "CARD^LILLY_(11)", 1},
        {2, 2, 1, "CARD^HITOMI_(1)", 1},
        {3, 0, 2, "CARD^EMMA_(2)", 1},
        {3, 11, 10, "CARD^SARAH^(PERFECT)", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        SetUp();
        card_page = c.page;
        const int card = 12 * (c.page - 1) + c.slot;
        global_cards[card] = c.count;
        Over(slot_sprite[c.slot]);
        Run_Cards(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_TRUE(msg_left);
        EXPECT_EQ(card_selected, card + 1);
        EXPECT_EQ(hud[6].alpha, 1.0f);  // the tooltip box is placed and shown
        EXPECT_FALSE(next_scene);
        TearDown();
    }
}

TEST_F(AlbumsTest, ClickingACardOpensTheSingleCardPageAndKeepsTheClick) {
    card_page = 1;
    Over(slot_sprite[1]);  // MONA, not owned
    mouseleft = true;
    Run_Cards(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 54);
    EXPECT_EQ(card_selected, 2);
    EXPECT_TRUE(mouseleft);
}

TEST_F(AlbumsTest, HoverSoundOncePerEntryOntoACard) {
    Run_Cards(16);
    Over(slot_sprite[4]);
    Run_Cards(16);
    EXPECT_TRUE(radio_sfx);
    radio_sfx = false;
    Run_Cards(16);
    Run_Cards(16);
    EXPECT_FALSE(radio_sfx);  // still on the same card
    Off();
    Run_Cards(16);
    EXPECT_FALSE(sprite[slot_sprite[4]].selected);
    EXPECT_EQ(Tip(), "");
    Over(slot_sprite[4]);
    Run_Cards(16);
    EXPECT_TRUE(radio_sfx);
}

TEST_F(AlbumsTest, AlbumButtonsByAct) {
    struct Case {
        int act, button;
        const char* caption;
        int box;
        bool opens;
        int page;
    } cases[] = {
        {1, 16, "Swimsuit^Album", 1, true, 1},   {1, 17, "Locked", 0, false, 0},
        {1, 18, "Locked", 0, false, 0},          {2, 17, "Costume^Album", 1, true, 2},
        {2, 18, "Locked", 0, false, 0},          {3, 18, "Underwear^Album", 1, true, 3},
        {4, 17, "Costume^Album", 1, true, 2},    {4, 18, "Underwear^Album", 1, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " button " << c.button);
        SetUp();
        current_act = c.act;
        card_page = c.button == 16 ? 3 : 1;
        Run_Cards(16);
        Over(c.button);
        Run_Cards(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_TRUE(msg_left);
        EXPECT_EQ(sprite[c.button].anim, 1);  // highlighted
        EXPECT_FALSE(next_scene);

        mouseleft = true;
        Run_Cards(16);
        EXPECT_TRUE(click_sfx);
        EXPECT_FALSE(mouseleft);  // used up, locked or not
        EXPECT_EQ(next_scene, c.opens);
        if (c.opens) {
            EXPECT_EQ(card_page, c.page);
        }
        else EXPECT_EQ(card_page, 1);
        TearDown();
    }
}

TEST_F(AlbumsTest, ReturnButtonGoesBackToTheTent) {
    Run_Cards(16);
    Over(1);
    Run_Cards(16);
    EXPECT_EQ(Tip(), "Return^to_Tent");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
    EXPECT_EQ(sprite[1].anim, 1);
    mouseleft = true;
    Run_Cards(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 25);
    EXPECT_EQ(shop_intro_type, 1);
    EXPECT_TRUE(switch_n_sfx);
    EXPECT_FALSE(mouseleft);

    SetUp();
    Run_Cards(16);
    Over(1);
    Run_Cards(16);
    Off();
    Run_Cards(16);
    EXPECT_EQ(sprite[1].anim, 0);
}

// The page the screen settles on for the cards still in the inventory; it must never ask for
// a reload once the entry has chosen.
TEST_F(AlbumsTest, CarriedCardsChooseThePageAndSettle) {
    struct Case {
        int start_page;
        int cards[3];
        int page;
    } cases[] = {
        {1, {14, -1, -1}, 2},  // costume cards only open the costume album
        {3, {5, -1, -1}, 1},
        {1, {30, -1, -1}, 3},
        {3, {2, 28, -1}, 1},   // two albums: the lowest carried album
        {1, {20, 33, -1}, 2},
        {2, {0, 13, 35}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "first card " << c.cards[0]);
        SetUp();
        card_page = c.start_page;
        for (int k = 0; k < 3; ++k)
            if (c.cards[k] >= 0) Carry(k, c.cards[k]);
        for (int frame = 0; frame < 3; ++frame) Run_Cards(16);
        EXPECT_EQ(card_page, c.page);
        EXPECT_FALSE(next_scene);
        EXPECT_EQ(sprite[6].id, c.page + 7);
        TearDown();
    }
}

// A page number outside the three albums (as act 4 once stored it) shows the nearest album
// and never reads past the card tables.
TEST_F(AlbumsTest, PageOutsideTheAlbumsShowsTheNearestAlbum) {
    card_page = 4;
    global_cards[35] = 10;
    Over(slot_sprite[11]);
    Run_Cards(16);
    EXPECT_EQ(card_page, 3);
    EXPECT_EQ(Tip(), "CARD^SARAH^(PERFECT)");
    EXPECT_EQ(card_selected, 36);

    SetUp();
    card_page = 0;
    Over(slot_sprite[0]);
    Run_Cards(16);
    EXPECT_EQ(card_page, 1);
    EXPECT_EQ(Tip(), "CARD^LUCILLE_(0)");
}

// ---- Arriving cards and the set prizes ----

TEST_F(AlbumsTest, SetCardAddsUpToTenAndPicturesOnlyTheAlbumShown) {
    card_page = 1;
    Set_Card(3, 4);
    EXPECT_EQ(global_cards[3], 4);
    EXPECT_EQ(sprite[slot_sprite[3]].anim, 5);
    Set_Card(3, 9);
    EXPECT_EQ(global_cards[3], 10);  // a perfect card stays perfect
    // Card 15 is slot 3 of the costume album: counted, but the swimsuit page is left alone.
    sprite[slot_sprite[3]].anim = 0;
    Set_Card(15, 1);
    EXPECT_EQ(global_cards[15], 1);
    EXPECT_EQ(sprite[slot_sprite[3]].anim, 0);
    for (int bad : {-1, 36, 47}) Set_Card(bad, 1);
    EXPECT_EQ(global_cards[36], 0);
    EXPECT_EQ(global_cards[47], 0);
}

TEST_F(AlbumsTest, ArrivingCardsPopUpOneEvery1500MsAndFlashOnTheirPage) {
    EXPECT_TRUE(Queue_Card(0, 1));
    EXPECT_TRUE(Queue_Card(14, 1));  // the costume album: counted without a flash
    EXPECT_TRUE(Queue_Card(5, 1));
    EXPECT_FALSE(Queue_Card(5, 1));  // already waiting
    EXPECT_FALSE(Queue_Card(36, 1));
    Run_Cards(16);  // entry
    Advance_Ms(500);
    Run_Cards(16);
    EXPECT_EQ(global_cards[0], 0) << "the first card comes strictly after 500 ms";
    Advance_Ms(1);
    Run_Cards(16);
    EXPECT_EQ(global_cards[0], 1);
    EXPECT_TRUE(cash_sfx);
    EXPECT_EQ(sprite[slot_sprite[0]].anim, 2);
    EXPECT_EQ(sprite[slot_sprite[0]].flash_timer, Now() + 1500);
    EXPECT_EQ(card_queue_count, 2);

    // The card blinks with stars every 150 ms and ends visible.
    int toggles = 0;
    float alpha = sprite[slot_sprite[0]].alpha;
    for (int t = 0; t < 1500; t += 50) {
        Advance_Ms(50);
        Run_Cards(16);
        if (sprite[slot_sprite[0]].alpha != alpha) ++toggles;
        alpha = sprite[slot_sprite[0]].alpha;
    }
    EXPECT_GE(toggles, 6);
    EXPECT_GT(no_fx, 0);
    EXPECT_EQ(global_cards[14], 0);
    Advance_Ms(50);
    Run_Cards(16);
    EXPECT_EQ(global_cards[14], 1);  // the second entry, 1500 ms after the first
    EXPECT_EQ(sprite[slot_sprite[2]].flash_timer, 0);  // not on the page shown
    EXPECT_EQ(sprite[slot_sprite[0]].alpha, 1.0f);     // the first flash ended visible
    EXPECT_EQ(sprite[slot_sprite[0]].flash_timer, 0);
    Advance_Ms(1501);
    Run_Cards(16);
    EXPECT_EQ(global_cards[5], 1);
    EXPECT_EQ(card_queue_count, 0);
}

TEST_F(AlbumsTest, EveryCompleteGroupOfFourWinsItsPrizeOnce) {
    struct prize_case {
        int group, flag;
        const char* text;
    };
    const prize_case prizes[] = {
        {0, 3, "PRIZE_RECEIVED^BAY_AREA^HAS_BEEN^UNLOCKED!"},
        {1, 16, "PRIZE_RECEIVED^THE_BOATYARD^HAS_BEEN^UNLOCKED!"},
        {2, 25, "PRIZE_RECEIVED^ENFIELD_RIFLE^HAS_BEEN^UNLOCKED!"},
        {3, 89, "PRIZE_RECEIVED^GALLERY_PISTOL^HAS_BEEN^UNPGRADED!"},
        {4, 43, "PRIZE_RECEIVED^COASTAL_TOWN^HAS_BEEN^UNLOCKED!"},
        {5, 93, "PRIZE_RECEIVED^COMBAT_SHOTGUN^HAS_BEEN^UNLOCKED!"},
        {6, 90, "PRIZE_RECEIVED^MAXIMUM_HEALTH^HAS_BEEN^INCREASED!"},
        {7, 49, "PRIZE_RECEIVED^THE_TRENCH^HAS_BEEN^UNLOCKED!"},
        {8, 94, "PRIZE_RECEIVED^TEN_THOUSAND^GOLD_PIECES!"},
    };
    for (const prize_case& p : prizes) {
        SCOPED_TRACE(p.group);
        SetUp();
        for (int c = 4 * p.group; c < 4 * p.group + 3; ++c) global_cards[c] = 1;
        Queue_Card(4 * p.group + 3, 1);  // the fourth card arrives
        Run_Cards(16);
        Advance_Ms(501);
        Run_Cards(16);
        for (const prize_case& q : prizes) EXPECT_EQ(global_objects[q.flag], q.group == p.group ? 1 : 0) << q.flag;
        EXPECT_TRUE(cheer_sfx);
        EXPECT_STREQ(counter[0].word, p.text);
        EXPECT_EQ(counter[0].alpha, 1.0f);
        EXPECT_FLOAT_EQ(counter[0].x, -0.18f);
        EXPECT_FLOAT_EQ(counter[0].y, 0.3f);
        EXPECT_EQ(sprite[15].alpha, 1.0f);
        EXPECT_EQ(current_gold == -1 ? 0 : player_inv_value[current_gold], p.group == 8 ? 10000 : 0);
        TearDown();
    }

    // The text goes after 6000 ms; a card arriving later does not win the prize again.
    SetUp();
    for (int c = 0; c < 3; ++c) global_cards[c] = 1;
    Queue_Card(3, 1);
    Run_Cards(16);
    Advance_Ms(501);
    Run_Cards(16);
    Advance_Ms(6000);
    Run_Cards(16);
    EXPECT_STREQ(counter[0].word, "PRIZE_RECEIVED^BAY_AREA^HAS_BEEN^UNLOCKED!");
    Advance_Ms(1);
    Run_Cards(16);
    EXPECT_EQ(counter[0].word[0], '\0');
    EXPECT_EQ(sprite[15].alpha, 0.0f);
    cheer_sfx = false;
    Queue_Card(2, 1);
    Advance_Ms(1500);
    Run_Cards(16);
    EXPECT_EQ(global_cards[2], 2);
    EXPECT_FALSE(cheer_sfx);
    EXPECT_EQ(sprite[15].alpha, 0.0f);
}

TEST_F(AlbumsTest, PrizesWonTogetherShowOneAfterAnotherAndAClickMovesOn) {
    for (int c = 0; c < 8; ++c) global_cards[c] = 1;
    global_cards[3] = 0;
    Queue_Card(3, 1);  // completes groups 0 and 1 at once
    Run_Cards(16);
    Advance_Ms(501);
    Run_Cards(16);
    EXPECT_EQ(global_objects[3], 1);
    EXPECT_EQ(global_objects[16], 1);
    EXPECT_STREQ(counter[0].word, "PRIZE_RECEIVED^BAY_AREA^HAS_BEEN^UNLOCKED!");
    // A click over a card only closes the text: no card page opens.
    Over(slot_sprite[0]);
    mouseleft = true;
    Advance_Ms(10);
    Run_Cards(16);
    EXPECT_FALSE(mouseleft);
    EXPECT_FALSE(next_scene);
    EXPECT_STREQ(counter[0].word, "PRIZE_RECEIVED^THE_BOATYARD^HAS_BEEN^UNLOCKED!");
    mouseleft = true;
    Advance_Ms(10);
    Run_Cards(16);
    EXPECT_EQ(counter[0].word[0], '\0');
    EXPECT_EQ(sprite[15].alpha, 0.0f);
    EXPECT_FALSE(next_scene);
}

// The whole way: the tent banks the fourth card of a group, the album shows it arriving and
// the group's prize is won.
TEST_F(AlbumsTest, BankingTheFourthCardInTheTentWinsThePrizeInTheAlbum) {
    Lay_Sprite_Row(40, -4.0f, 1.0f, true);
    for (int c : {4, 5, 6}) global_cards[c] = 1;
    Carry(2, 7);
    scene = 25;
    title_sequence = 0;
    Run_Tent(16);
    EXPECT_EQ(global_cards[7], 1);
    ASSERT_EQ(card_queue_count, 1);
    EXPECT_EQ(card_queue_index[0], 7);
    EXPECT_EQ(global_objects[16], 0);  // won where the albums show it

    scene = 18;
    title_sequence = 0;
    Run_Cards(16);
    Advance_Ms(501);
    Run_Cards(16);
    EXPECT_EQ(global_cards[7], 1);  // the tent set the count; the arrival adds nothing
    EXPECT_EQ(global_objects[16], 1);
    EXPECT_STREQ(counter[0].word, "PRIZE_RECEIVED^THE_BOATYARD^HAS_BEEN^UNLOCKED!");
    EXPECT_EQ(sprite[slot_sprite[7]].flash_timer, Now() + 1500);
}

} // namespace
