// The card albums (episode 1 scene 18): entry, card captions, the single-card page, the
// album buttons and the page chosen by the cards the player carries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/albums.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "content/content_inputs.h"
#include "hud/hud.h"
#include "main/startup.h"
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
        if (c.opens) EXPECT_EQ(card_page, c.page);
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

} // namespace
