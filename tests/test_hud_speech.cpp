// Speech bubbles: texts, timing max(2000, 100 per character), bubble size, repeats and
// refusals, the scene start message and the bubble following its speaker.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <string>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "hud/speech_texts.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "main/text_upkeep.h"
#include "platform/timer.h"
#include "render/font.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"
#include "support/work_dir.h"
#include "world/world_clock.h"

namespace {

class Speech : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        message_x = -0.5f;
        message_y = 0.3f;
        message_width = 0.8f;
        message_height = 0.3f;
        counter[4].width = 0.02f;
        counter[4].height = 0.05f;
        Advance_Ms(10000);
    }
    void TearDown() override { Free_Records(); }
    std::string Bubble() const { return counter[4].word; }
};

TEST_F(Speech, BubbleLastsAHundredMsPerCharacterAndAtLeastTwoSeconds) {
    struct Case { int id; const char* text; int ms; bool narrow; float height_div; };
    const Case cases[] = {
        {124, "HELP!!!", 2000, true, 2.0f},                                  // 7 characters, markers count
        {110, "PARTY_TIME!", 2000, true, 2.0f},                              // 11: still narrow
        {21, "Lead_the_way_Captain!", 2100, false, 2.0f},                    // 21
        {24, "Oops..I_can&t_carry^anymore!", 2800, false, 2.0f},            // 28
        {15, "INFO!_You&ll_need_to^complete_all_missions_to^go_to_the_next_stage.", 6700, false, 1.5f},  // 67: taller
    };
    for (const Case& c : cases) {
        old_message = -1;
        const int now = Now();
        Display_Message(-1, c.id);
        const int n = (int)std::strlen(c.text);
        EXPECT_EQ(Bubble(), c.text);
        EXPECT_EQ(message_length, n);
        EXPECT_EQ(dialog_timer, now + c.ms) << c.text;
        EXPECT_FLOAT_EQ(hud[2].width, c.narrow ? 0.4f : 0.8f) << c.text;
        EXPECT_FLOAT_EQ(hud[2].alpha, 0.99f);  // never 1.0: that is the quit box
        // Without a speaker the bubble stays at the HUD message box.
        EXPECT_EQ(dialog_active, -1);
        EXPECT_FLOAT_EQ(hud[2].x, -0.5f);
        EXPECT_FLOAT_EQ(hud[2].y, 0.3f);
        EXPECT_FLOAT_EQ(hud[2].height, 0.15f);
        Advance_Ms(10000);
    }
}

TEST_F(Speech, BubbleStandsOverItsSpeakerWithTheFactorOfItsLength) {
    object& s = sprite[7];
    s.x = 1.0f;
    s.y = 2.0f;
    s.width = 0.4f;
    s.height = 0.5f;
    camX = 0.1f;
    camY = -0.2f;
    struct Case { int id; float f; float height; };
    const Case cases[] = {
        {27, 1.0f, 0.15f},   // "RANK_UP!" 8 characters
        {37, 1.0f, 0.15f},   // "Bloody_hell_I_failed!" 21
        {24, 1.2f, 0.15f},   // 28
        {15, 1.0f, 0.2f},    // 67: the taller bubble
    };
    for (const Case& c : cases) {
        Display_Message(7, c.id);
        EXPECT_EQ(dialog_active, 7);
        EXPECT_FLOAT_EQ(hud[2].y, -0.2f + 2.0f + c.f * 0.5f) << c.id;
        EXPECT_FLOAT_EQ(hud[2].x, 0.1f + 1.0f + 0.2f - hud[2].width / 2) << c.id;
        EXPECT_FLOAT_EQ(hud[2].height, c.height) << c.id;
        const float text_y = c.height == 0.2f ? hud[2].y + 0.2f / 1.5f + 0.05f : hud[2].y + c.height / 2 + 0.05f;
        EXPECT_FLOAT_EQ(counter[4].y, text_y) << c.id;
        EXPECT_FLOAT_EQ(counter[4].x, hud[2].x + 4 * 0.02f);
    }
    // Two shouted messages shift the bubble right of the speaker.
    Display_Message(7, 124);
    EXPECT_TRUE(msg_offset);
    EXPECT_FLOAT_EQ(hud[2].x, 0.1f + 1.0f + 0.2f - hud[2].width / 2 + hud[2].width / 3.5f);
    Display_Message(7, 27);
    EXPECT_FALSE(msg_offset);
}

TEST_F(Speech, ARepeatIsIgnoredWhileItRunsAndShownAgainAfterwards) {
    srand(5);
    Display_Message(3, 32);
    const std::string first = Bubble();
    const int timer = dialog_timer;
    msg_fx = false;
    Advance_Ms(500);
    Display_Message(4, 32);
    EXPECT_EQ(Bubble(), first);
    EXPECT_EQ(dialog_timer, timer);
    EXPECT_EQ(dialog_active, 3);
    EXPECT_FALSE(msg_fx);  // no flash either
    Advance_Ms(2000);      // past dialog_timer
    srand(9);
    const int v = rand() % 31;
    srand(9);
    Display_Message(4, 32);
    EXPECT_EQ(Bubble(), rescue_pool[v]);
    EXPECT_EQ(dialog_active, 4);
    EXPECT_GT(dialog_timer, timer);
    // Another id replaces the bubble at once.
    Display_Message(4, 27);
    EXPECT_EQ(Bubble(), "RANK_UP!");
}

TEST_F(Speech, NothingIsShownWhileThePlayerIsDeadOrTheQuitBoxIsUp) {
    for (int which = 0; which < 2; ++which) {
        ply_dead = which == 0;
        quit_active = which == 1;
        counter[4].word[0] = '\0';
        dialog_active = -1;
        msg_fx = false;
        Display_Message(3, 27);
        EXPECT_EQ(Bubble(), "");
        EXPECT_EQ(dialog_active, -1);
        EXPECT_EQ(old_message, 27);
        EXPECT_TRUE(msg_fx);  // the flash still runs
        old_message = -1;
    }
    ply_dead = quit_active = false;
    // The refused id asked again is shown: the refusal set no timer.
    old_message = 27;
    Display_Message(3, 27);
    EXPECT_EQ(Bubble(), "RANK_UP!");
}

TEST_F(Speech, SpeakersOutsideTheSpritesAndIdsOutsideTheTableAreHarmless) {
    for (int index : {750, 5000, -2, -1}) {
        old_message = -1;
        Display_Message(index, 27);
        EXPECT_EQ(dialog_active, -1) << index;
    }
    Text_Printf(4, "%s", "keep");
    for (int id : {-1, 142, 100000}) {
        old_message = -1;
        Display_Message(2, id);
        EXPECT_EQ(Bubble(), "keep") << id;
        EXPECT_EQ(old_message, id);
    }
    // A speaker index set from outside the sprites is dropped, not read.
    dialog_active = 900;
    Help_Limits();
    EXPECT_EQ(dialog_active, -1);
}

TEST_F(Speech, MessagesWithoutATextShowWhatTheSlotHolds) {
    counter[4].word[0] = '\0';
    for (int id : {0, 11, 13, 35, 54, 70}) {
        old_message = -1;
        Display_Message(-1, id);
        EXPECT_EQ(Bubble(), "") << id;
        EXPECT_EQ(message_length, 0);
        EXPECT_FLOAT_EQ(hud[2].width, 0.4f);  // narrow short bubble for 2000 ms
        EXPECT_EQ(dialog_timer, Now() + 2000);
    }
}

TEST_F(Speech, HintsAskForThePickUpSound) {
    pick_up_sfx = false;
    Display_Message(-1, 4);
    EXPECT_EQ(Bubble(), "INFO!_Right-Click_to^reload_your_weapon....");
    EXPECT_TRUE(pick_up_sfx);
    pick_up_sfx = false;
    CONTROL_SCHEME = true;
    Display_Message(-1, 46);
    EXPECT_EQ(Bubble(), "INFO!_Walk_close_to_an^enemy_then_Left-Click_on^him_to_use_the_knife.");
    EXPECT_TRUE(pick_up_sfx);
    pick_up_sfx = false;
    Display_Message(-1, 27);
    EXPECT_FALSE(pick_up_sfx);
}

TEST_F(Speech, StoryStateChoosesTheText) {
    struct Case { void (*set)(); int id; const char* text; };
    const Case cases[] = {
        {[] { enemy_count = 10; }, 20, "Only_ten_men_to_go..."},
        {[] { enemy_count = 15; }, 20, "Blimey!_fifteen_left..."},
        {[] { player_rank = 1; }, 14, "When_you_need_healing^just_come_see_me.."},
        {[] { player_rank = 5; }, 12, "I_heard_the_bridge_is^is_fixed_now..."},
        {[] { current_act = 2; }, 18, "They_sneaked_up_on_us..."},
        {[] { current_act = 1; current_main = 1; }, 19, "(PUFF...PANT..PUFF..)"},
        {[] { current_act = 1; global_side_objective[0] = 1; global_side_objective[1] = 1; }, 33,
         "That_takes_care_of^the_submarines!"},
        {[] { current_act = 3; }, 33, "This_fuel_dump_is^cleared."},
        {[] { current_main = 9; }, 38, "Gardens_cleared!"},
        {[] { current_main = 5; }, 38, "I_should_report_back_to^summer_camp."},
        {[] { current_main = 7; }, 38, "Got_it!"},
        {[] { current_main = 10; }, 41, "I_hope_Betsy&s_alright."},
        {[] { current_main = 1; main_mission[1] = 0; }, 88, "I_can&t_let_you_through^without_papers."},
        {[] { current_main = 2; }, 88, "Be_careful_out_there^mate!"},
        {[] { current_main = 2; current_act = 4; }, 89, "Good_job_mate,_your^a_legend_now_y&know?"},
        {[] { ply_had_died = true; }, 8, "So_sleeping_beauty^awakens."},
    };
    for (const Case& c : cases) {
        enemy_count = 0;
        current_act = 1;
        current_main = 0;
        ply_had_died = false;
        global_side_objective[0] = global_side_objective[1] = 0;
        counter[4].word[0] = '\0';
        old_message = -1;
        c.set();
        Display_Message(-1, c.id);
        EXPECT_EQ(Bubble(), c.text) << c.id;
    }
    // A case the table does not list writes nothing.
    counter[4].word[0] = '\0';
    old_message = -1;
    enemy_count = 7;
    Display_Message(-1, 20);
    EXPECT_EQ(Bubble(), "");
}

TEST_F(Speech, TheDogHandsItsBubbleToThePlayer) {
    p1_id = 0;
    bark_sfx = false;
    const int now = Now();
    Display_Message(12, 62);
    EXPECT_EQ(Bubble(), "Nice_doggy...");
    EXPECT_EQ(dialog_active, 0);
    EXPECT_EQ(sprite[12].all_timer, now + 400);
    EXPECT_TRUE(bark_sfx);
    // Without a player: no text, the speaker is kept.
    p1_id = -1;
    counter[4].word[0] = '\0';
    old_message = -1;
    Display_Message(12, 62);
    EXPECT_EQ(Bubble(), "");
    EXPECT_EQ(dialog_active, 12);
}

TEST_F(Speech, ABubbleOverAUnitJustKilledEnds) {
    sprite[9].type = UNT;
    Display_Message(9, 27);
    Help_Limits();
    EXPECT_EQ(dialog_active, 9);
    sprite[9].status = 30;
    Help_Limits();
    EXPECT_EQ(dialog_active, -1);
    EXPECT_EQ(Bubble(), "");
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    EXPECT_EQ(dialog_timer, Now());
}

// The scene start message: revival, area lines, the maze and tent draws, the new mission.
TEST_F(Speech, SceneStartMessage) {
    struct Case { int level; bool died; int mission; int tent; int main; int training; const char* text; int mission_after; };
    const Case cases[] = {
        {0, true, 3, 0, 0, 0, "Blimey!_That_was_close!", 3},
        {4, false, -1, 0, 0, 0, "Where&s_those_prisoners^then?", -1},
        {34, false, -1, 0, 0, 0, "Your_going_down_tin_can!", -1},
        {4, false, 3, 0, 0, 0, "Where&s_this_blasted_HQ^then?", -1},
        {4, false, 10, 0, 0, 0, "Where&s_those_prisoners^then?", -1},  // no line for 10
        {4, false, 5, 0, 1, 2, "Time_to_finish_that^obstacle_course.", -1},
        {4, false, 5, 0, 1, 0, "I_know_where_I&m^going....I_think?", -1},
        {4, false, 5, 0, 3, 0, "I_should_probably^do_some_missions.", -1},
        {4, false, 13, 0, 0, 0, "Where&s_this_submarine^then?", -1},
        {4, false, 99, 0, 0, 0, "Where&s_those_prisoners^then?", -1},  // outside the lines
    };
    for (const Case& c : cases) {
        Level = c.level;
        ply_had_died = c.died;
        new_mission = c.mission;
        global_objects[60] = (char)c.tent;
        current_main = c.main;
        main_mission[1] = c.training;
        old_message = -1;
        Display_Message(0, 25);
        EXPECT_EQ(Bubble(), c.text) << c.level << " " << c.mission;
        EXPECT_EQ(new_mission, c.mission_after);
        EXPECT_FALSE(ply_had_died);
    }
}

TEST_F(Speech, SceneStartDrawsFromItsPools) {
    // Pool position 5 depends on the time of day.
    for (int night = 0; night < 2; ++night) {
        daytime = night == 1;
        Level = 0;
        new_mission = -1;
        int seed = 1;
        for (;; ++seed) {
            srand(seed);
            if (rand() % 16 == 5) break;
        }
        srand(seed);
        old_message = -1;
        Display_Message(0, 25);
        EXPECT_EQ(Bubble(), night ? "Nice_night_for_a_stroll!" : "Nice_day_for_a_stroll!");
    }
    // The maze draw on levels 20 and 21 while mission 11 is under way, then the tent draw.
    Level = 20;
    main_mission[11] = 2;
    srand(3);
    rand();
    const int maze = rand() % 5;
    srand(3);
    old_message = -1;
    Display_Message(0, 25);
    EXPECT_EQ(Bubble(), start_maze_pool[maze]);
    global_objects[60] = 2;
    srand(4);
    rand();
    rand();
    const int tent = rand() % 3;
    srand(4);
    old_message = -1;
    Display_Message(0, 25);
    EXPECT_EQ(Bubble(), start_tent_pool[tent]);
}

TEST_F(Speech, TheCapturedBunkerForgetsItsSnapshot) {
    Work_Dir dir("speech");
    ASSERT_TRUE(Write_Text_File("scene/episode3/scene20.tmp", "x"));
    ASSERT_TRUE(Write_Text_File("scene/episode3/scene21.tmp", "x"));
    Display_Message(-1, 51);
    EXPECT_EQ(Bubble(), "Easy_peasy_mate^Bunker_captured!");
    EXPECT_FALSE(std::filesystem::exists("scene/episode3/scene20.tmp"));
    EXPECT_TRUE(std::filesystem::exists("scene/episode3/scene21.tmp"));
}

// HUD text lines of the scene's dialogue groups.
TEST_F(Speech, DisplayTextStartsALineOrShowsAChoice) {
    game_mode = MODE_WALK;
    multi_txt[3] = 2;
    multi_frames[3][0] = 5;
    multi_frames[3][1] = 6;
    hud_face_id[5] = 1;
    std::strcpy(hud_text_A[5].s, "Where_is_everybody?");
    hud_face_id[6] = 98;
    std::strcpy(hud_text_A[6].s, "Yes_please");
    std::strcpy(hud_text_B[6].s, "No_thanks");
    DisplayText(3000, 3, 0, false, 0);
    EXPECT_EQ(Bubble(), "Where_is_everybody?");
    EXPECT_TRUE(scroll_txt_active);
    EXPECT_EQ(scroll_length, 19);
    EXPECT_EQ(scroll_index, 0);
    EXPECT_FLOAT_EQ(hud[6].alpha, 1.0f);
    EXPECT_FLOAT_EQ(hud[7].alpha, 1.0f);
    // Not while a line runs.
    DisplayText(3000, 3, 1, false, 0);
    EXPECT_EQ(Bubble(), "Where_is_everybody?");
    scroll_txt_active = false;
    DisplayText(3000, 3, 1, false, 0);
    EXPECT_EQ(Bubble(), "Yes_please");
    EXPECT_STREQ(counter[5].word, "No_thanks");
    EXPECT_FALSE(scroll_txt_active);
    EXPECT_TRUE(text_select);
    // Groups, entries and lines outside the tables, and other game modes, show nothing.
    Text_Printf(4, "%s", "keep");
    multi_frames[3][1] = 40;
    struct Case { int mode, group, line; };
    for (const Case& c : {Case{MODE_WALK, 30, 0}, Case{MODE_WALK, -1, 0}, Case{MODE_WALK, 3, 2},
                          Case{MODE_WALK, 3, -1}, Case{MODE_WALK, 3, 1}, Case{MODE_CINE, 3, 0}}) {
        game_mode = c.mode;
        DisplayText(3000, c.group, c.line, false, 0);
        EXPECT_EQ(Bubble(), "keep") << c.group << " " << c.line;
    }
}

}  // namespace
