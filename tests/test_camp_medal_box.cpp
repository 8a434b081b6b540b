// The medal box (episode 1 scene 24): entry, medal captions by layer, the layer buttons and
// the way back to the tent.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/medal_box.h"
#include "combat/medals.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "support/virtual_clock.h"
#include "test_camp_fixture.h"

namespace {

// Medal slot 0 to 11 -> its sprite, and the animation of a won medal.
constexpr int slot_sprite[12] = {6, 3, 9, 10, 7, 4, 11, 12, 8, 5, 13, 14};
constexpr int won_anim[12] = {2, 3, 4, 5, 8, 9, 10, 11, 14, 15, 16, 17};

class MedalBoxTest : public Camp_Screen_Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Lay_Sprite_Row(20, -2.0f, 1.0f, false);
        // The return and layer buttons are armed by the scene file.
        for (int i : {1, 15, 16, 17}) sprite[i].grab_switch = true;
        game_mode = 4;
        episode = 1;
        scene = 24;
        title_sequence = 0;
        next_scene = false;
        medal_page = 1;
        current_act = 1;
        std::memset(global_medals, 0, sizeof global_medals);
        std::memset(counter, 0, sizeof counter);
        mouseleft = msg_left = false;
        radio_sfx = click_sfx = switch_n_sfx = false;
        button_snd = button1_snd = button2_snd = button3_snd = false;
        Off();
    }
};

TEST_F(MedalBoxTest, EntryShowsTheWonMedalsOfTheShownLayer) {
    medal_page = 2;
    current_act = 3;
    global_medals[12] = 1;  // layer two, slot 0
    global_medals[19] = 2;  // layer two, slot 7: any value but 0 is won
    global_medals[1] = 1;   // layer one: not shown
    sprite[16].id = 4;
    sprite[17].id = 5;

    Run_Medals(16);

    EXPECT_EQ(title_sequence, 1);
    for (int s = 0; s < 12; ++s) {
        const int expected = (s == 0 || s == 7) ? won_anim[s] : 0;
        EXPECT_EQ(sprite[slot_sprite[s]].anim, expected) << "slot " << s;
    }
    EXPECT_EQ(sprite[16].id, 6);
    EXPECT_EQ(sprite[17].id, 8);
    Run_Medals(16);
    EXPECT_EQ(sprite[16].id, 6);  // once per entry
    EXPECT_EQ(sprite[17].id, 8);
}

TEST_F(MedalBoxTest, ActTwoUnlocksOnlyLayerTwo) {
    current_act = 2;
    sprite[16].id = 4;
    sprite[17].id = 5;
    Run_Medals(16);
    EXPECT_EQ(sprite[16].id, 6);
    EXPECT_EQ(sprite[17].id, 5);
}

TEST_F(MedalBoxTest, CaptionsShowTheNameOnceWonElseTheLayersFeat) {
    struct Case {
        int layer, slot;
        int won_entry;  // entry of global_medals set to 1, -1 none
        const char* caption;
        int box;
    } cases[] = {
        {1, 2, 2, "GOLD^STAR", 1},
        {2, 2, 2, "-NO_MEDAL-^Kill_atleast^50^village^mortars!", 4},  // won on layer one only
        {2, 2, 14, "GOLD^STAR", 1},
        {1, 0, -1, "-NO_MEDAL-^Kill_atleast^100^enemies!", 4},
        {1, 11, -1, "-NO_MEDAL-^Smash_all^the_bottles^at_pebble^beach!", 4},
        {2, 3, -1, "-NO_MEDAL-^Kill_the^enemy^genenal^Mauser!", 4},
        {3, 4, -1, "-NO_MEDAL-^Contact^agent^Biggs!", 4},
        {3, 11, -1, "-NO_MEDAL-^Collect^every^cigarette^card!", 4},
        {3, 11, 35, "PERFECT^CROSS", 1},
        {3, 7, 31, "PERFECT^HEART", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layer " << c.layer << " slot " << c.slot);
        SetUp();
        medal_page = c.layer;
        current_act = 4;
        if (c.won_entry >= 0) global_medals[c.won_entry] = 1;
        Over(slot_sprite[c.slot]);
        Run_Medals(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_TRUE(msg_left);
        EXPECT_EQ(hud[6].alpha, 1.0f);  // the tooltip box is placed and shown
        mouseleft = true;
        Run_Medals(16);                 // clicking a medal does nothing
        EXPECT_FALSE(next_scene);
        EXPECT_TRUE(mouseleft);
        TearDown();
    }
}

TEST_F(MedalBoxTest, HoverSoundOncePerEntryOntoAMedal) {
    Run_Medals(16);
    Over(slot_sprite[5]);
    Run_Medals(16);
    EXPECT_TRUE(radio_sfx);
    radio_sfx = false;
    Run_Medals(16);
    EXPECT_FALSE(radio_sfx);
    Off();
    Run_Medals(16);
    EXPECT_EQ(Tip(), "");
    Over(slot_sprite[5]);
    Run_Medals(16);
    EXPECT_TRUE(radio_sfx);
}

TEST_F(MedalBoxTest, LayerButtonsByAct) {
    struct Case {
        int act, button;
        const char* caption;
        int box;
        bool opens;
        int layer;
    } cases[] = {
        {1, 15, "Layer^One", 1, true, 1}, {1, 16, "Locked", 0, false, 0},
        {1, 17, "Locked", 0, false, 0},   {2, 16, "Layer^Two", 1, true, 2},
        {2, 17, "Locked", 0, false, 0},   {3, 17, "Layer^Three", 1, true, 3},
        {4, 16, "Layer^Two", 1, true, 2}, {4, 17, "Layer^Three", 1, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " button " << c.button);
        SetUp();
        current_act = c.act;
        medal_page = c.button == 15 ? 3 : 1;
        Run_Medals(16);
        Over(c.button);
        Run_Medals(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_TRUE(msg_left);
        EXPECT_EQ(sprite[c.button].anim, 1);
        EXPECT_TRUE(radio_sfx);
        radio_sfx = false;

        mouseleft = true;
        Run_Medals(16);
        EXPECT_FALSE(radio_sfx);  // one hover sound per entry
        EXPECT_TRUE(click_sfx);
        EXPECT_FALSE(mouseleft);
        EXPECT_EQ(next_scene, c.opens);
        EXPECT_EQ(medal_page, c.opens ? c.layer : 1);
        TearDown();
    }
}

TEST_F(MedalBoxTest, ButtonsWaitForTheirArmingFlag) {
    for (int i : {1, 15, 16, 17}) {
        SCOPED_TRACE(i);
        SetUp();
        current_act = 4;
        sprite[i].grab_switch = false;
        Run_Medals(16);
        Over(i);
        mouseleft = true;
        Run_Medals(16);
        EXPECT_EQ(Tip(), "");
        EXPECT_EQ(sprite[i].anim, 0);
        EXPECT_FALSE(radio_sfx);
        EXPECT_FALSE(click_sfx);
        EXPECT_FALSE(next_scene);
        EXPECT_TRUE(mouseleft);
        TearDown();
    }
}

TEST_F(MedalBoxTest, ReturnButtonGoesBackToTheTent) {
    Run_Medals(16);
    Over(1);
    Run_Medals(16);
    EXPECT_EQ(Tip(), "Return^to_Tent");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
    EXPECT_EQ(sprite[1].anim, 1);
    EXPECT_TRUE(radio_sfx);
    EXPECT_TRUE(button_snd);
    mouseleft = true;
    Run_Medals(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 25);
    EXPECT_TRUE(switch_n_sfx);
    EXPECT_FALSE(mouseleft);
}

// A layer number outside the three shows the nearest layer and never reads past the tables.
TEST_F(MedalBoxTest, LayerOutsideTheBoxShowsTheNearestLayer) {
    medal_page = 4;
    global_medals[35] = 1;
    Over(slot_sprite[11]);
    Run_Medals(16);
    EXPECT_EQ(medal_page, 3);
    EXPECT_EQ(Tip(), "PERFECT^CROSS");
    EXPECT_EQ(sprite[slot_sprite[11]].anim, won_anim[11]);

    SetUp();
    medal_page = -1;
    Over(slot_sprite[0]);
    Run_Medals(16);
    EXPECT_EQ(medal_page, 1);
    EXPECT_EQ(Tip(), "-NO_MEDAL-^Kill_atleast^100^enemies!");
}

} // namespace
