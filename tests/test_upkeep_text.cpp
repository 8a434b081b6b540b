// The scene countdown and the HUD text line's upkeep, driven with the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "main/text_upkeep.h"
#include "platform/timer.h"
#include "support/traced_test.h"
#include "support/virtual_clock.h"

namespace {

class TextUpkeep : public Traced_Walk_Test {
protected:
    void SetUp() override {
        Traced_Walk_Test::SetUp();
        g_type = 0;
    }
};

// ---- Scene countdown ---------------------------------------------------------------------

TEST_F(TextUpkeep, CountdownRequestsTheSceneOnTheTickAfterReachingOne) {
    game_time = 3;
    int reached_one_at = -1;
    for (int t = 1; t <= 5000 && !next_scene; ++t) {
        Advance_Ms(1);
        const int before = game_time;
        Run_Scene_Countdown();
        if (before == 2 && game_time == 1) {
            reached_one_at = t;
            EXPECT_FALSE(next_scene) << "the request waits for the next tick";
        }
        if (next_scene) { EXPECT_EQ(t, reached_one_at + 1); }
    }
    // Steps at 1 ms and 1002 ms take 3 to 1; the request follows one tick later.
    EXPECT_EQ(reached_one_at, 1002);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 0);
}

TEST_F(TextUpkeep, NoCountdownAndNoSecondRequest) {
    game_time = 0;
    for (int i = 0; i < 5; ++i) {
        Advance_Ms(1001);
        Run_Scene_Countdown();
    }
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(game_time, 0);

    // A change already pending is left alone: no scene number is touched either.
    game_mode = MODE_FRONT;
    episode = 3;
    scene = 1;
    game_time = 1;
    next_scene = true;
    Run_Scene_Countdown();
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 1);
}

TEST_F(TextUpkeep, FrontPagesOfEpisodeThreeLeadToEpisodeTwo) {
    struct Case { int mode; int episode; int scene; int to_episode; int to_scene; };
    const Case cases[] = {
        {MODE_FRONT, 3, 0, 2, 0}, {MODE_FRONT, 3, 1, 2, 1}, {MODE_FRONT, 3, 2, 3, 2},
        {MODE_WALK, 3, 0, 3, 0},  {MODE_FRONT, 1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        game_mode = c.mode;
        episode = c.episode;
        scene = c.scene;
        game_time = 1;
        next_scene = false;
        Run_Scene_Countdown();
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, c.to_episode) << "mode " << c.mode << " scene " << c.scene;
        EXPECT_EQ(scene, c.to_scene) << "mode " << c.mode << " scene " << c.scene;
    }
}

// ---- Text upkeep ------------------------------------------------------------------------

TEST_F(TextUpkeep, StartMessageOnlyInWalkModeWithAPlayerButAlwaysConsumed) {
    struct Case { int mode; int type; int player; bool runs; bool shown; };
    const Case cases[] = {
        {MODE_WALK, 0, 4, true, true},
        {MODE_WALK, 0, -1, true, false},
        {MODE_WORLD, 0, 4, true, false},
        {MODE_FRONT, scene_type::STS, 4, true, false},
        {MODE_FRONT, 0, 4, false, false},
        {MODE_CINE, 0, 4, false, false},
    };
    for (const Case& c : cases) {
        game_mode = c.mode;
        g_type = c.type;
        p1_id = c.player;
        start_text = true;
        trace.clear();
        Run_Text_Upkeep();
        EXPECT_EQ(start_text, !c.runs) << "mode " << c.mode << " player " << c.player;
        EXPECT_EQ(Count("Display_Message"), c.shown ? 1 : 0) << "mode " << c.mode << " player " << c.player;
    }
}

TEST_F(TextUpkeep, LineIsRevealedLetterByLetterThenHeldTwoSeconds) {
    scroll_txt_active = true;
    scroll_length = 3;
    scroll_index = 0;
    scroll_txt_timer = 50;
    int ticks_sounds = 0;
    for (int letter = 1; letter <= 3; ++letter) {
        Advance_Ms(50);  // due only once now is later than the timer
        tink_sfx = false;
        Run_Text_Upkeep();
        EXPECT_EQ(scroll_index, letter - 1) << "letter " << letter << " came early";
        Advance_Ms(1);
        Run_Text_Upkeep();
        EXPECT_EQ(scroll_index, letter);
        ticks_sounds += tink_sfx ? 1 : 0;
    }
    EXPECT_EQ(ticks_sounds, 3);
    EXPECT_TRUE(scroll_txt_active);
    Advance_Ms(51);
    Run_Text_Upkeep();
    EXPECT_FALSE(scroll_txt_active);
    EXPECT_TRUE(text_active);
    EXPECT_EQ(text_timer, Now() + 2000);
}

TEST_F(TextUpkeep, OneLetterLinePlaysNoTickAndStatusPagesKeepTheirLine) {
    scroll_txt_active = true;
    scroll_length = 1;
    Advance_Ms(1);
    Run_Text_Upkeep();
    EXPECT_EQ(scroll_index, 1);
    EXPECT_FALSE(tink_sfx);

    game_mode = MODE_FRONT;
    g_type = scene_type::STS;
    Advance_Ms(51);
    Run_Text_Upkeep();
    EXPECT_FALSE(scroll_txt_active);
    EXPECT_FALSE(text_active);  // the finished line stays until something else clears it
}

class HeldLine : public TextUpkeep {
protected:
    void SetUp() override {
        TextUpkeep::SetUp();
        text_active = true;
        text_timer = 100;
        scroll_index = 12;
        text_id = 2;
        multi_txt[2] = 3;
        text_sector = 7;
        std::strcpy(counter[4].word, "Line");
        std::strcpy(counter[5].word, "Choice");
        hud[6].alpha = hud[7].alpha = 1.0f;
        Advance_Ms(101);
    }
};

TEST_F(HeldLine, NextLineOfTheGroupFollows) {
    txt_cur = 0;
    multi_frames[2][1] = 4;
    std::strcpy(hud_text_A[4].s, "Next_line");
    Run_Text_Upkeep();
    // The held line is gone and the group's next line starts its reveal in its place.
    EXPECT_FALSE(text_active);
    EXPECT_STREQ(counter[4].word, "Next_line");
    EXPECT_STREQ(counter[5].word, "");
    EXPECT_EQ(hud[6].alpha, 1.0f);
    EXPECT_EQ(hud[7].alpha, 1.0f);
    EXPECT_TRUE(scroll_txt_active);
    EXPECT_EQ(scroll_index, 1);
    EXPECT_EQ(txt_cur, 1);
    EXPECT_EQ(Count("DisplayText"), 1);
    EXPECT_EQ(text_sector, 7);
}

TEST_F(HeldLine, HoldIsNotOverBeforeItsTime) {
    text_timer = Now();
    Run_Text_Upkeep();
    EXPECT_TRUE(text_active);
    EXPECT_EQ(Count("DisplayText"), 0);
}

TEST_F(HeldLine, GroupEndsAfterItsLastLineOrWithTheDeadPlayer) {
    struct Case { int cur; bool dead; bool select; int shown; bool ended; };
    const Case cases[] = {
        {2, false, false, 0, true},   // the last line was shown
        {2, false, true, 0, false},   // a choice is up: Text_end waits
        {0, true, false, 0, true},    // the player died: no further line
        {0, false, false, 1, false},
    };
    for (const Case& c : cases) {
        text_active = true;
        txt_cur = c.cur;
        text_sector = 7;
        ply_dead = c.dead;
        text_select = c.select;
        trace.clear();
        Run_Text_Upkeep();
        EXPECT_EQ(Count("DisplayText"), c.shown) << "line " << c.cur << " dead " << c.dead;
        EXPECT_EQ(text_sector == -1, c.ended) << "line " << c.cur << " dead " << c.dead;
        if (c.ended) {
            EXPECT_EQ(txt_cur, 0);
        } else {
            EXPECT_EQ(txt_cur, c.cur + 1);
        }
    }
}

TEST_F(HeldLine, GroupNumberOutsideTheTableHasNoFurtherLines) {
    text_id = 5000;
    txt_cur = 0;
    Run_Text_Upkeep();
    EXPECT_EQ(Count("DisplayText"), 0);
    EXPECT_EQ(text_sector, -1);
}

} // namespace
