// The tent (episode 1 scene 25): banking cards and furniture on entry, the life bar, the page
// buttons with their hover sounds, sleeping, the lantern and the flashing of banked objects.
#include <gtest/gtest.h>

#include "test_scene_fixture.h"

#include <cstring>
#include <string>

#include "camp/albums.h"
#include "camp/tent.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "test_camp_fixture.h"
#include "world/world_clock.h"

namespace {

class TentTest : public Camp_Screen_Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(10000);
        Lay_Sprite_Row(40, -4.0f, 1.0f, true);
        sprite[11].width = 0.8f;        // the full life bar
        sprite[13].grab_switch = true;  // the leave button is armed by the scene file
        for (int i : {6, 7, 35}) sprite[i].grab_switch = true;
        game_mode = 4;
        episode = 1;
        scene = 25;
        title_sequence = 0;
        next_scene = false;
        fade = 1.0f;
        fade_out = c_fade_out = 0;
        current_act = 1;
        current_main = 1;
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(global_cards, 0, sizeof global_cards);
        std::memset(tent_objects, 0, sizeof tent_objects);
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(counter, 0, sizeof counter);
        activate_bicycle = false;
        cycle_episode = cycle_scene = -1;
        cycle_spawn = 0;
        PLY_VITALITY = 100;
        old_health = 100;
        hours = 12;
        minutes = 30;
        daytime = false;
        was_sleeping = false;
        new_mission = 5;
        std::strcpy(player_name, "Bob");
        mouseleft = msg_left = false;
        radio_sfx = cash_sfx = pick_up_sfx = snore_sfx = switch_n_sfx = lightswitch_sfx = false;
        button_snd = false;
        card_queue_count = 0;
        Off();
    }
    static void Give(int slot, int code, int value) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
    }
    static int Count(int code, int value) {
        int n = 0;
        for (int i = 0; i < 16; ++i) n += player_inv[i] == code && player_inv_value[i] == value;
        return n;
    }
    // Enters the tent and clicks sprite i.
    static void Click(int i) {
        Run_Tent(16);
        Over(i);
        Run_Tent(16);
        mouseleft = true;
        Run_Tent(16);
    }
};

TEST_F(TentTest, CardsAreBankedOnceWhateverTheCopies) {
    global_cards[7] = 3;  // set, not added
    Give(0, CARD, 7);
    Give(3, CARD, 7);
    Give(9, CARD, 7);
    Give(4, CARD, 35);
    Give(5, CARD, 36);  // no album card: stays
    Run_Tent(16);
    EXPECT_EQ(Count(CARD, 7), 0);
    EXPECT_EQ(Count(CARD, 35), 0);
    EXPECT_EQ(Count(CARD, 36), 1);
    EXPECT_EQ(global_cards[7], 1);
    EXPECT_EQ(global_cards[35], 1);
    EXPECT_EQ(global_cards[36], 0);
    EXPECT_TRUE(cash_sfx);
    EXPECT_EQ(sprite[36].flash_timer, Now() + 3000);
    EXPECT_EQ(title_sequence, 1);
    // Each banked card waits once in the album's pop-up queue, adding nothing to its count.
    ASSERT_EQ(card_queue_count, 2);
    EXPECT_EQ(card_queue_index[0], 7);
    EXPECT_EQ(card_queue_index[1], 35);
    EXPECT_EQ(card_queue_value[0], 0);
    EXPECT_EQ(card_queue_value[1], 0);
}

TEST_F(TentTest, NoCardsNoFlashNoSound) {
    Run_Tent(16);
    EXPECT_EQ(sprite[36].flash_timer, 0);
    EXPECT_FALSE(cash_sfx);
}

TEST_F(TentTest, FurnitureIsBankedOnePieceAtATime) {
    Give(0, VALUABLE, 8);   // two Smelly Socks: one banked
    Give(1, VALUABLE, 8);
    Give(2, VALUABLE, 4);   // Dirty Magazines
    Give(3, VALUABLE, 3);   // not furniture
    Give(4, VALUABLE, 28);  // Poster
    tent_objects[6] = 2;    // the Rug is owned already
    Run_Tent(16);
    EXPECT_EQ(Count(VALUABLE, 8), 1);
    EXPECT_EQ(Count(VALUABLE, 4), 0);
    EXPECT_EQ(Count(VALUABLE, 3), 1);
    EXPECT_EQ(Count(VALUABLE, 28), 0);
    EXPECT_EQ(tent_objects[0], 2);
    EXPECT_EQ(tent_objects[4], 2);
    EXPECT_EQ(tent_objects[21], 2);
    EXPECT_EQ(tent_objects[1], 0);
    EXPECT_TRUE(cash_sfx);
    for (int s : {4, 12, 15, 33}) EXPECT_EQ(sprite[s].flash_timer, Now() + 3000) << s;
    // Owned before: shown without a flash. Not owned: hidden.
    EXPECT_EQ(sprite[18].alpha, 1.0f);
    EXPECT_EQ(sprite[18].flash_timer, 0);
    for (int s : {1, 3, 14, 16, 17, 19, 32, 37}) EXPECT_EQ(sprite[s].alpha, 0.0f) << s;
    // The new pieces end their flash visible.
    Advance_Ms(3001);
    Run_Tent(16);
    for (int s : {4, 12, 15, 33}) EXPECT_EQ(sprite[s].alpha, 1.0f) << s;

    // A later visit leaves the second sock in the inventory: its entry is taken.
    SetUp();
    tent_objects[0] = 2;
    Give(0, VALUABLE, 8);
    Run_Tent(16);
    EXPECT_EQ(Count(VALUABLE, 8), 1);
    EXPECT_FALSE(cash_sfx);
    EXPECT_EQ(sprite[4].alpha, 1.0f);
    EXPECT_EQ(sprite[12].alpha, 1.0f);
}

TEST_F(TentTest, EveryPieceHasItsSprites) {
    struct Piece {
        int value;
        int sprites[2];
    } pieces[22] = {{8, {4, 12}},  {9, {3, -1}},  {10, {1, -1}}, {11, {14, -1}}, {4, {15, -1}},
                    {12, {16, 17}}, {13, {18, -1}}, {14, {19, -1}}, {15, {20, -1}}, {16, {21, -1}},
                    {17, {22, -1}}, {18, {24, -1}}, {19, {27, -1}}, {20, {26, -1}}, {21, {28, -1}},
                    {22, {29, -1}}, {23, {30, -1}}, {24, {31, -1}}, {25, {25, -1}}, {26, {32, -1}},
                    {27, {23, -1}}, {28, {33, -1}}};
    for (int t = 0; t < 22; ++t) {
        SCOPED_TRACE(t);
        SetUp();
        Give(7, VALUABLE, pieces[t].value);
        Run_Tent(16);
        EXPECT_EQ(tent_objects[t], 2);
        EXPECT_EQ(player_inv[7], 0);
        for (int s : pieces[t].sprites) {
            if (s < 0) continue;
            EXPECT_EQ(sprite[s].flash_timer, Now() + 3000) << s;
        }
        TearDown();
    }
}

TEST_F(TentTest, LifeBarAndFigureByHealth) {
    struct Case {
        int health, vitality;
        float width;
        int bar_anim;  // -1: hidden
        bool hurt;
    } cases[] = {
        {100, 100, 0.8f, 14, false}, {30, 100, 0.24f, 14, false}, {25, 100, 0.2f, 15, true},
        {0, 100, 0.0f, -1, true},    {-5, 100, -0.04f, -1, true}, {150, 100, 0.8f, 14, false},
        {40, 0, 0.0f, 14, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.health << "/" << c.vitality);
        SetUp();
        old_health = c.health;
        PLY_VITALITY = c.vitality;
        sprite[10].anim = 0;
        sprite[11].anim = 0;
        Run_Tent(16);
        EXPECT_NEAR(sprite[11].width, c.width, 1e-5);
        if (c.bar_anim < 0) {
            EXPECT_EQ(sprite[11].alpha, 0.0f);
        } else {
            EXPECT_EQ(sprite[11].alpha, 1.0f);
            EXPECT_EQ(sprite[11].anim, c.bar_anim);
        }
        EXPECT_EQ(sprite[10].anim, c.hurt ? 7 : 0);
        EXPECT_FLOAT_EQ(tent_health_width, 0.8f);
        TearDown();
    }
}

TEST_F(TentTest, BackdropFollowsNight) {
    daytime = true;
    Run_Tent(16);
    EXPECT_EQ(sprite[8].anim, 1);
    daytime = false;
    Run_Tent(16);
    EXPECT_EQ(sprite[8].anim, 0);
}

TEST_F(TentTest, CycleButtonShownOnlyAfterADeathOnALaterMission) {
    struct Case {
        int main;
        int state;
        bool died;
        bool shown;
    } cases[] = {{0, 2, true, false}, {1, 2, true, false}, {2, 2, true, true}, {5, 2, false, false},
                 {5, 1, true, false}, {24, 2, true, true}, {25, 2, true, false}, {-3, 2, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.main);
        SetUp();
        current_main = c.main;
        if (c.main >= 0 && c.main < 25) main_mission[c.main] = c.state;
        activate_bicycle = c.died;
        Run_Tent(16);
        EXPECT_EQ(sprite[35].alpha, c.shown ? 1.0f : 0.0f);
        TearDown();
    }
}

TEST_F(TentTest, CycleBackReturnsToTheSceneOfTheDeath) {
    struct Case {
        int e, s, spawn;
        int to_e, to_s;
    } cases[] = {{3, 12, 4, 3, 12}, {1, 96, 1, 1, 93}, {1, 95, 0, 1, 93}, {1, 98, 2, 1, 93},
                 {1, 99, 2, 1, 99}, {2, 96, 3, 2, 96}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.e << "/" << c.s);
        SetUp();
        current_main = 4;
        main_mission[4] = 2;
        activate_bicycle = true;
        cycle_episode = c.e;
        cycle_scene = c.s;
        cycle_spawn = c.spawn;
        Click(35);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, c.to_e);
        EXPECT_EQ(scene, c.to_s);
        EXPECT_EQ(current_spawn, c.spawn);
        EXPECT_TRUE(pick_up_sfx);
        EXPECT_EQ(title_sequence, 2);
        EXPECT_EQ(Tip(), "");
        EXPECT_TRUE(mouseleft);  // the click is not used up
        TearDown();
    }
}

TEST_F(TentTest, CycleBackWithoutARecordDoesNothing) {
    current_main = 4;
    main_mission[4] = 2;
    activate_bicycle = true;
    cycle_episode = 3;
    cycle_scene = -1;
    Click(35);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(Tip(), "Cycle_to^Last_mission");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
}

TEST_F(TentTest, LeaveGoesToTheHubOfTheAct) {
    const int hub[5] = {0, 0, 3, 10, 11};
    for (int act = 1; act <= 4; ++act) {
        SCOPED_TRACE(act);
        SetUp();
        current_act = act;
        current_spawn = 7;
        Click(13);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 2);
        EXPECT_EQ(scene, hub[act]);
        EXPECT_EQ(current_spawn, 0);
        EXPECT_TRUE(switch_n_sfx);
        EXPECT_FALSE(mouseleft);
        EXPECT_EQ(title_sequence, 1);
        EXPECT_EQ(new_mission, 5);
        TearDown();
    }
}

TEST_F(TentTest, LeavingAfterTheSleepMissionReportsIt) {
    global_objects[60] = 3;
    Click(13);
    EXPECT_EQ(global_objects[60], 1);
    EXPECT_EQ(new_mission, 26);

    SetUp();
    global_objects[60] = 2;
    Click(13);
    EXPECT_EQ(global_objects[60], 2);
    EXPECT_EQ(new_mission, 5);
}

TEST_F(TentTest, LeaveButtonWaitsForItsArmingFlag) {
    sprite[13].grab_switch = false;
    Click(13);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(Tip(), "");
    EXPECT_FALSE(radio_sfx);
}

TEST_F(TentTest, PageButtons) {
    struct Case {
        int button;
        const char* caption;
        int box;
        bool left;
        int to_scene;
    } cases[] = {{5, "Medal_Box", 0, true, 24},
                 {36, "Collectible^Cards", 1, true, 18},
                 {7, "Bob&s^Stats", 1, false, 26}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        SetUp();
        Run_Tent(16);
        Over(c.button);
        Run_Tent(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_EQ(msg_left, c.left);
        EXPECT_EQ(hud[6].alpha, 1.0f);  // the tooltip box is placed and shown
        mouseleft = true;
        Run_Tent(16);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, c.to_scene);
        EXPECT_TRUE(pick_up_sfx);
        EXPECT_EQ(title_sequence, 2);
        EXPECT_TRUE(mouseleft);
        TearDown();
    }
}

TEST_F(TentTest, StatsCaptionCutsTheNameToSevenLetters) {
    std::strcpy(player_name, "Alexandrina");
    Run_Tent(16);
    Over(7);
    Run_Tent(16);
    EXPECT_EQ(Tip(), "Alexand&s^Stats");
    mouseleft = true;
    Run_Tent(16);
    EXPECT_EQ(Tip(), "");  // blanked by the click
}

TEST_F(TentTest, AClickedPageStopsTheOtherButtons) {
    // The medal box and the stats button overlap; the first one clicked wins.
    sprite[7].w = sprite[5].w;
    sprite[7].z = sprite[5].z;
    Click(5);
    EXPECT_EQ(scene, 24);
    EXPECT_EQ(Tip(), "Medal_Box");
}

TEST_F(TentTest, HoverSoundsOncePerEntry) {
    for (int b : {13, 35, 5, 36, 6, 7}) {
        SCOPED_TRACE(b);
        SetUp();
        current_main = 3;
        main_mission[3] = 2;
        activate_bicycle = true;
        Run_Tent(16);
        Over(b);
        Run_Tent(16);
        EXPECT_TRUE(radio_sfx);
        radio_sfx = false;
        Run_Tent(16);
        EXPECT_FALSE(radio_sfx);
        Off();
        Run_Tent(16);
        EXPECT_FALSE(radio_sfx);
        EXPECT_EQ(Tip(), "");
        Over(b);
        Run_Tent(16);
        EXPECT_TRUE(radio_sfx);
        TearDown();
    }
}

TEST_F(TentTest, HighlightOnlyWhereTheButtonHasOne) {
    Run_Tent(16);
    for (int b : {13, 5, 36}) {
        Over(b);
        Run_Tent(16);
        EXPECT_EQ(sprite[b].anim, 1) << b;
        Off();
        Run_Tent(16);
        EXPECT_EQ(sprite[b].anim, 0) << b;
    }
    sprite[7].anim = 3;
    Over(7);
    Run_Tent(16);
    EXPECT_EQ(sprite[7].anim, 3);
}

TEST_F(TentTest, SleepRestsAndReloadsTheTent) {
    old_health = 20;
    player_health = 28.0f; // taken before the last hit of the day
    hours = 22;
    Click(6);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 25);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_TRUE(snore_sfx);
    EXPECT_EQ(fade_out, 3);
    EXPECT_EQ(c_fade_out, 3);
    EXPECT_TRUE(was_sleeping);
    EXPECT_EQ(title_sequence, 2);
    EXPECT_EQ(Tip(), "");
    EXPECT_EQ(sprite[6].anim, 1);
    EXPECT_EQ(old_health, PLY_VITALITY);
    EXPECT_EQ(player_health, (float)PLY_VITALITY); // a player made at the next spawn point is whole
    EXPECT_EQ(sprite[10].alpha, 0.0f);
    EXPECT_EQ(hours, 28);  // not wrapped here
    EXPECT_EQ(minutes, 30);
    EXPECT_TRUE(mouseleft);
}

TEST_F(TentTest, SleepOfTheSleepMissionWakesInTheMorning) {
    global_objects[60] = 2;
    hours = 23;
    minutes = 50;
    daytime = true;
    Click(6);
    EXPECT_EQ(global_objects[60], 3);
    EXPECT_EQ(hours, 5);
    EXPECT_EQ(minutes, 15);
    EXPECT_FALSE(daytime);
}

TEST_F(TentTest, SleepWaitsForTheFadeIn) {
    fade = 0.7f;
    Click(6);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(Tip(), "");
    EXPECT_FALSE(radio_sfx);
}

TEST_F(TentTest, LanternSwitchesTheLightAndTheButtons) {
    tent_objects[1] = 2;  // the lantern is owned
    tent_objects[0] = 2;  // and the sock
    Run_Tent(16);
    Over(3);
    Run_Tent(16);
    EXPECT_EQ(hud[1].anim, 4);
    mouseleft = true;
    Run_Tent(16);
    EXPECT_FALSE(mouseleft);
    EXPECT_TRUE(lightswitch_sfx);
    EXPECT_TRUE(sprite[3].grab_switch);
    EXPECT_EQ(sprite[3].anim, 1);
    EXPECT_EQ(sprite[1].anim, 1);
    EXPECT_EQ(sprite[4].alpha, 0.0f);
    EXPECT_EQ(sprite[12].alpha, 1.0f);
    EXPECT_EQ(fade, 0.5f);
    EXPECT_EQ(title_sequence, 6);

    // In the dark no page button reacts.
    Over(5);
    mouseleft = true;
    Run_Tent(16);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(Tip(), "");
    EXPECT_EQ(hud[1].anim, 0);

    // The lantern does.
    Over(3);
    Run_Tent(16);
    EXPECT_FALSE(mouseleft);
    EXPECT_FALSE(sprite[3].grab_switch);
    EXPECT_EQ(sprite[3].anim, 0);
    EXPECT_EQ(sprite[1].anim, 0);
    EXPECT_EQ(sprite[4].alpha, 1.0f);
    EXPECT_EQ(fade, 1.0f);
    EXPECT_EQ(title_sequence, 1);
}

TEST_F(TentTest, LanternIgnoredWhenNotOwnedOrDuringAFade) {
    for (int owned : {0, 2}) {
        for (float f : {0.6f, 1.0f}) {
            if (owned == 2 && f == 1.0f) continue;
            SCOPED_TRACE(testing::Message() << owned << " " << f);
            SetUp();
            tent_objects[1] = (char)owned;
            fade = f;
            hud[1].anim = 2;
            Click(3);
            EXPECT_TRUE(mouseleft);
            EXPECT_FALSE(lightswitch_sfx);
            EXPECT_EQ(fade, f);
            EXPECT_EQ(hud[1].anim, 2);  // the cursor keeps its look
            TearDown();
        }
    }
}

TEST_F(TentTest, BankedObjectsBlinkForThreeSecondsThenStayVisible) {
    Give(0, VALUABLE, 14);  // Chair, sprite 19
    Run_Tent(16);
    // The first frame toggles the freshly shown chair off and makes a star.
    EXPECT_EQ(sprite[19].alpha, 0.0f);
    EXPECT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].id, 39);
    EXPECT_NEAR(Fx[0].x, sprite[19].x + 0.05f, 1e-5);  // at the sprite's centre
    EXPECT_NEAR(Fx[0].y, sprite[19].y + 0.05f, 1e-5);
    Advance_Ms(100);
    Run_Tent(16);
    EXPECT_EQ(sprite[19].alpha, 0.0f);  // no toggle before 150 ms
    Advance_Ms(60);
    Run_Tent(16);
    EXPECT_EQ(sprite[19].alpha, 1.0f);
    EXPECT_EQ(no_fx, 2);

    // Blinking goes on in the dark.
    title_sequence = 6;
    Advance_Ms(160);
    Run_Tent(16);
    EXPECT_EQ(sprite[19].alpha, 0.0f);

    Advance_Ms(3000);
    Run_Tent(16);
    EXPECT_EQ(sprite[19].alpha, 1.0f);
    EXPECT_EQ(sprite[19].flash_timer, 0);
    const int stars = no_fx;
    Advance_Ms(500);
    Run_Tent(16);
    EXPECT_EQ(no_fx, stars);
    EXPECT_EQ(sprite[19].alpha, 1.0f);
}

TEST_F(TentTest, EntryHidesSprite37AndStartsTheDoll) {
    sprite[1].anim = 3;
    Run_Tent(16);
    EXPECT_EQ(sprite[37].alpha, 0.0f);
    EXPECT_EQ(sprite[1].anim, 0);
}

// The furniture medal asks for the 22 pieces only; the rest of the saved array stays 0.
class TentLoadTest : public SceneTest {};

TEST_F(TentLoadTest, AllFurnitureMeansTheTwentyTwoPieces) {
    ASSERT_TRUE(gl_);
    FixtureScene f;
    f.episode = 1;
    f.scene = 25;
    f.header.game_mode = MODE_FRONT;
    for (int i = 0; i < 40; ++i) f.objects.push_back(Object(0, -4.0f + 0.2f * (float)i, 0.0f));
    Write_Fixture_Scene(f);
    for (int missing : {-1, 0, 21}) {
        SCOPED_TRACE(missing);
        std::memset(tent_objects, 0, sizeof tent_objects);
        for (int t = 0; t < 22; ++t) tent_objects[t] = t == missing ? 0 : 2;
        episode = 1;
        scene = 25;
        ASSERT_TRUE(LoadScene(1, 25, false)) << Box_Texts();
        EXPECT_EQ(has_all_furniture, missing == -1);
    }
}

} // namespace
