// Portrait conversations and the conversation table: slide-in, line timing max(2000, 100
// per character), skip, yes/no questions, variants by story state and the closing scene.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "camp/camp.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/conversation_table.h"
#include "hud/conversations.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"

namespace {

class Conversations : public ::testing::Test {
protected:
    std::vector<std::string> shown;  // every line in the order shown

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        for (int i : {2, 5}) {
            sprite[i].x = i == 2 ? -0.8f : 0.4f;
            sprite[i].width = 0.6f;
        }
        Level = 0;
        std::strcpy(player_name, "Alexander");
        hud_sequence = text_queue = debriefing_timer = decision = 0;
        skip_text = false;
        next_scene = false;
        episode = 1;
        scene = 0;
        current_spawn = -1;
        Advance_Ms(1000);
    }
    void TearDown() override { Free_Records(); }

    // Brings the conversation to its talking step.
    void Enter_Talking() {
        hud_sequence = 2;
        debriefing_timer = 0;
    }
    // One talking call after the current line's time; records the line shown.
    void Step(int type) {
        Advance_Ms(debriefing_timer - Now() + 1 > 0 ? debriefing_timer - Now() + 1 : 1);
        Display_Front_Message(type, 16);
        for (int s = 0; s < 2; ++s)
            if (counter[s].word[0]) shown.push_back(counter[s].word);
    }
    // Runs until the scene change is asked for or a question waits (at most `limit` steps).
    void Run(int type, int limit = 200) {
        for (int i = 0; i < limit && !next_scene && decision != 3; ++i) Step(type);
    }
    void Answer(bool accept) {
        decision = accept ? 1 : 2;
        text_queue = 0;
    }
};

TEST_F(Conversations, ALineLastsAHundredMsPerCharacterAndAtLeastTwoSeconds) {
    Enter_Talking();
    // Conversation 30's single line has 46 characters; then it closes at once.
    const int now = Now() + 1;
    Step(30);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Hit_the_enemy^targets_and_win^special_prizes!");
    EXPECT_EQ(debriefing_timer, now + 100 * (int)shown[0].size());
    EXPECT_FLOAT_EQ(counter[0].alpha, 1.0f);
    EXPECT_TRUE(msg_fx);                     // each new line flashes
    EXPECT_FLOAT_EQ(sprite[3].alpha, 0.5f);  // the upper speech box, dimmed while it flashes
    msg_fx = false;
    Display_Front_Message(30, 16);
    EXPECT_FLOAT_EQ(sprite[3].alpha, 1.0f);  // it takes the slot's alpha
    EXPECT_EQ(sprite[2].anim, 1);            // the left portrait talks
    EXPECT_EQ(sprite[5].anim, 0);
    EXPECT_FLOAT_EQ(counter[0].x, -0.2f);
    EXPECT_FLOAT_EQ(counter[0].y, 0.56f);
    EXPECT_FLOAT_EQ(counter[1].y, 0.0f);
    EXPECT_FLOAT_EQ(counter[0].width, 0.016f);
    EXPECT_FLOAT_EQ(counter[0].height, 0.048f);
    // Still running just before its end.
    Advance_Ms(debriefing_timer - Now());
    Display_Front_Message(30, 16);
    EXPECT_FALSE(next_scene);
    Advance_Ms(1);
    Display_Front_Message(30, 16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(text_queue, 0);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 8);
    // A short line lasts 2000 ms: conversation 49's second line.
    next_scene = false;
    shown.clear();
    Enter_Talking();
    Step(49);
    const int t = Now() + (debriefing_timer - Now() + 1);
    Step(49);
    EXPECT_EQ(shown.back(), "Just_looking.");
    EXPECT_EQ(debriefing_timer, t + 2000);
    EXPECT_EQ(sprite[5].anim, 1);
}

TEST_F(Conversations, ConversationsWithoutLinesCloseOnTheHundredAndFirstStep) {
    Enter_Talking();
    scene = 6;
    for (int i = 0; i < 100; ++i) {
        Display_Front_Message(12, 16);
        ASSERT_FALSE(next_scene) << i;
    }
    EXPECT_EQ(text_queue, 100);
    Display_Front_Message(12, 16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 4);
    EXPECT_EQ(scene, 6);
    EXPECT_EQ(current_spawn, -1);
}

TEST_F(Conversations, SkipCutsTheLineButNotAQuestion) {
    Enter_Talking();
    Step(34);
    const int after_first = text_queue;
    skip_text = true;
    Advance_Ms(1);
    Display_Front_Message(34, 16);
    EXPECT_EQ(text_queue, after_first + 1);
    EXPECT_FALSE(skip_text);
    // A pending question ignores the skip and keeps counting past 102.
    text_queue = 102;
    decision = 3;
    skip_text = true;
    debriefing_timer = Now() + 5000;
    Advance_Ms(1);
    Display_Front_Message(34, 16);
    EXPECT_EQ(text_queue, 102);
    EXPECT_TRUE(skip_text);
    EXPECT_FLOAT_EQ(sprite[0].alpha, 1.0f);  // the decision buttons are up
    EXPECT_FLOAT_EQ(sprite[6].alpha, 1.0f);
    Advance_Ms(5000);
    Display_Front_Message(34, 16);
    EXPECT_EQ(text_queue, 103);
    EXPECT_FALSE(next_scene);
}

TEST_F(Conversations, PortraitsSlideInWithTheFrameStepClamped) {
    // Set-up moves them out: left by its width, right by half its width.
    Display_Front_Message(30, 16);
    EXPECT_FLOAT_EQ(hud_start_x, -0.8f);
    EXPECT_FLOAT_EQ(hud_start_x1, 0.4f);
    EXPECT_FLOAT_EQ(sprite[2].x, -1.4f);
    EXPECT_FLOAT_EQ(sprite[5].x, 0.7f);
    EXPECT_EQ(hud_sequence, 1);
    struct Case { int f_rate; int as_ms; };
    for (const Case& c : {Case{0, 1}, Case{-5, 1}, Case{40, 40}, Case{250, 10}}) {
        const float x = sprite[2].x;
        const float phase = cos_scroll + 0.001f;
        Display_Front_Message(30, c.f_rate);
        EXPECT_NEAR(sprite[2].x - x, std::cos(phase) * 0.6f / 600 * c.as_ms, 1e-6) << c.f_rate;
    }
    for (int i = 0; i < 5000 && hud_sequence == 1; ++i) Display_Front_Message(30, 100);
    EXPECT_EQ(hud_sequence, 2);
    EXPECT_FLOAT_EQ(sprite[2].x, -0.8f);
    EXPECT_FLOAT_EQ(sprite[5].x, 0.4f);
}

TEST_F(Conversations, ZeroWidthPortraitsDoNotStallTheSlide) {
    sprite[2].width = sprite[5].width = 0.0f;
    Display_Front_Message(53, 16);
    Display_Front_Message(53, 16);
    EXPECT_EQ(hud_sequence, 2);
}

TEST_F(Conversations, FlippedConversationsGiveSlotZeroToTheRightPortrait) {
    Enter_Talking();
    Step(61);
    EXPECT_TRUE(front_flipped);
    EXPECT_EQ(shown[0], "SO?_YOU^FIND_IT_THEN?");
    EXPECT_EQ(sprite[5].anim, 1);
    EXPECT_EQ(sprite[2].anim, 0);
    struct Case { int level, type; bool flipped; };
    const Case cases[] = {{LVL_SHOP, 46, true}, {LVL_JACK, 16, false}, {LVL_JACK, 17, true},
                          {0, 81, true}, {0, 83, false}, {LVL_PATCHES, 1, true}};
    for (const Case& c : cases) {
        Level = c.level;
        EXPECT_EQ(Conversation_Flipped(c.type), c.flipped) << c.level << " " << c.type;
    }
}

TEST_F(Conversations, AMissionOfferAcceptedDeclinedAndRemembered) {
    current_main = 0;
    Enter_Talking();
    Run(47);
    ASSERT_EQ(decision, 3);
    EXPECT_EQ(shown.front(), "Your_one_of^Betsy&s_lot^aren&t_you?");
    EXPECT_EQ(text_queue, 102);
    // Declined: nothing changes; the briefing and question come back next visit.
    Answer(false);
    shown.clear();
    Run(47);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(shown.front(), "Actually_I_think^I&m_coming_down^with_something...^cough...cough..");
    EXPECT_EQ(main_mission[4], 0);
    EXPECT_EQ(current_main, 0);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 21);
    EXPECT_EQ(current_spawn, 5);
    next_scene = false;
    decision = 0;
    text_queue = 0;
    shown.clear();
    Run(47);
    ASSERT_EQ(decision, 3);
    Answer(true);
    Run(47);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(main_mission[4], 2);
    EXPECT_EQ(current_main, 4);
    EXPECT_EQ(new_mission, 8);
    // The reminder repeats the goal and sets the start line again.
    next_scene = false;
    decision = 0;
    text_queue = 0;
    new_mission = -1;
    on_course = true;
    shown.clear();
    Run(47);
    EXPECT_EQ(shown.front(), "What_was_my_mission?");
    EXPECT_EQ(new_mission, 8);
    EXPECT_FALSE(on_course);
}

TEST_F(Conversations, AGiverAsksToFinishAnotherGiversMissionFirst) {
    current_main = 7;
    main_mission[7] = 2;
    Enter_Talking();
    Run(47);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Come_see_me^when_your_finished^your_mission!");
    EXPECT_EQ(current_main, 7);
    EXPECT_EQ(main_mission[4], 0);
    // Every mission of the chain reported: the player is sent elsewhere.
    current_main = 0;
    main_mission[4] = 3;
    next_scene = false;
    text_queue = 0;
    shown.clear();
    Run(47);
    EXPECT_EQ(shown[0], "You&ll_need_to^find_other^commanders_for^more_missions!");
}

TEST_F(Conversations, TheCardDealerNeedsGold) {
    struct Case { int gold_slot; int gold; bool asks; const char* last; };
    const Case cases[] = {
        {-1, 0, false, "You_better_get^some_gold_first^boy."},
        {3, 49, false, "You_better_get^some_gold_first^boy."},
        {3, 50, true, "You_in_or^out_boy?"},
    };
    for (const Case& c : cases) {
        global_objects[64] = 0;
        current_gold = c.gold_slot;
        player_inv[3] = 1;
        player_inv_value[3] = c.gold;
        decision = text_queue = 0;
        next_scene = false;
        Enter_Talking();
        shown.clear();
        Run(16);
        EXPECT_EQ(decision == 3, c.asks) << c.gold_slot << " " << c.gold;
        EXPECT_EQ(shown.back(), c.last);
        EXPECT_EQ(global_objects[64], 1);
    }
    // Accepted: the table's lines, then the card table scene.
    Answer(true);
    Run(16);
    EXPECT_EQ(shown.back(), "Dealer_must_stand^on_atleast^seventeen._And_no^blumin&_cheating.");
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 4);
    EXPECT_EQ(current_spawn, 1);
}

TEST_F(Conversations, TheLastConversationEndsTheGame) {
    done = false;
    Enter_Talking();
    Run(56);
    EXPECT_TRUE(next_scene);
    EXPECT_TRUE(done);
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(Conversations, TheSargeSendsEachCharacterOnItsWay) {
    struct Case { int character; int e, s; };
    for (const Case& c : {Case{0, 1, 119}, Case{1, 3, 1}, Case{2, 3, 1}}) {
        current_main = 1;
        main_mission[1] = 2;
        global_objective[3] = 0;
        global_objects[11] = 0;
        current_char = c.character;
        decision = text_queue = 0;
        next_scene = false;
        shown.clear();
        Enter_Talking();
        Run(11);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(shown.size(), 6u) << c.character;  // the same variant to the end
        EXPECT_EQ(shown[0], "So_your_Alexand?^We&ll_make_a^man_of_you_yet!^Now_give_me_fifty!");
        EXPECT_EQ(episode, c.e) << c.character;
        EXPECT_EQ(scene, c.s) << c.character;
        EXPECT_EQ(global_objective[3], 1);
        EXPECT_TRUE(on_course);
        EXPECT_EQ(new_mission, 1);
        EXPECT_EQ(global_objects[11], 1);
    }
}

TEST_F(Conversations, ArrivalAtCampThenTheFirstMission) {
    global_objects[60] = 0;
    Enter_Talking();
    Run(1);
    EXPECT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[0], "So_ye&re^Alexand_then?");
    EXPECT_EQ(global_objects[60], 2);
    EXPECT_EQ(new_mission, 25);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 0);
    EXPECT_EQ(current_spawn, 4);
    // With the flag at 1 the giver hands out the training without a question.
    global_objects[60] = 1;
    current_main = 1;  // as a new game starts
    next_scene = false;
    text_queue = 0;
    shown.clear();
    Run(1);
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(main_mission[1], 2);
    EXPECT_EQ(new_mission, 0);
}

TEST_F(Conversations, UnknownConversationsOnlyWaitAndClose) {
    EXPECT_FALSE(Conversation_Known(9999));
    EXPECT_TRUE(Conversation_Known(83));
    Enter_Talking();
    for (int i = 0; i < 101; ++i) Display_Front_Message(9999, 16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(counter[0].word[0], '\0');
}

}  // namespace
