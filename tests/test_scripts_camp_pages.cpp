// The camp's pacing figure, the burning camp, the album card and the sleep page.
#include "test_scripts_page_fixture.h"

#include <cmath>

#include "common/scene_state.h"
#include "common/story_state.h"
#include "scripts/camp_pages.h"
#include "scripts/scripts.h"
#include "world/world_clock.h"

namespace {

class Camp_Pages : public Script_Page {
protected:
    void SetUp() override {
        Script_Page::SetUp();
        burn_sfx = snore_sfx = false;
        stop_snore_sfx = 0;
    }
};

TEST_F(Camp_Pages, PacingFigureWalksBetweenItsBoundsAndTurnsBothWays) {
    sprite[9].x = 5.0f;
    sprite[9].width = 1.0f;
    sprite[14].x = 5.0f;
    sprite[14].width = 0.5f;
    pigeon_direction = true;
    Enter(1, 5);
    Run_Scripts(1);
    EXPECT_EQ(stop_snore_sfx, 1);
    EXPECT_FALSE(pigeon_direction) << "starts walking right";
    int turns_left = 0, turns_right = 0;
    bool was = false;
    for (int i = 0; i < 2000; ++i) {
        const float before = sprite[14].x;
        Tick(i % 3 == 0 ? 99 : 16);
        // Bounds 4.0 and 7.0, overshoot at most one step of 0.099.
        EXPECT_GE(sprite[14].x, 4.0f - 0.1f);
        EXPECT_LE(sprite[14].x, 7.0f + 0.1f);
        // Walking right shows animation 0, left 1 (a turn at the right end moves both ways).
        if (sprite[14].x > before) { EXPECT_EQ(sprite[14].anim, 0); }
        if (sprite[14].x < before) { EXPECT_EQ(sprite[14].anim, 1); }
        if (pigeon_direction != was) (pigeon_direction ? turns_left : turns_right)++;
        was = pigeon_direction;
    }
    EXPECT_GE(turns_left, 2);
    EXPECT_GE(turns_right, 2);
    EXPECT_FALSE(next_scene);
}

TEST_F(Camp_Pages, BurningCampLeavesAfterSixSecondsWhereverThePictureIs) {
    for (float height : {0.5f, 100.0f}) {
        SCOPED_TRACE(height);
        sprite[9].y = 3.0f;
        sprite[9].height = height;
        current_spawn = 10;
        Enter(1, 48);
        Run_Scripts(1);
        EXPECT_TRUE(burn_sfx);
        EXPECT_NEAR(sprite[9].y, 3.0f - height, 0.001f);
        const int took = Ticks_Until_Request(20, 10000);
        EXPECT_EQ(took, 6020);  // strictly past the due time
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, 49);
        EXPECT_EQ(current_spawn, 10) << "no spawn point";
        if (height < 1.0f) EXPECT_FLOAT_EQ(sprite[9].y, 3.0f);
        else EXPECT_LT(sprite[9].y, 3.0f - height + 6.1f * 0.5f);
    }
}

TEST_F(Camp_Pages, AlbumCardSlidesInFromItsSideAndComesToRest) {
    struct Case { int card; bool left; };
    const Case cases[] = {{1, true},   {2, true},   {5, true},   {10, true},  {13, true},
                          {14, true},  {22, true},  {3, false},  {12, false}, {15, false},
                          {23, false}, {24, false}, {25, false}, {34, false}, {0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.card);
        card_selected = c.card;
        sprite[3].x = 2.0f;
        sprite[3].width = 0.8f;
        cos_scroll = 1.0f;
        Enter(1, 54);
        Run_Scripts(1);
        EXPECT_NEAR(sprite[3].x, c.left ? 1.2f : 2.8f, 0.01f);
        float last = sprite[3].x;
        int calls = 0;
        while (title_sequence == 1 && calls < 10000) {
            Tick(16);
            ++calls;
            if (c.left) EXPECT_GE(sprite[3].x, last);
            else EXPECT_LE(sprite[3].x, last);
            last = sprite[3].x;
        }
        EXPECT_EQ(title_sequence, 2);
        EXPECT_FLOAT_EQ(sprite[3].x, 2.0f);
    }
}

TEST_F(Camp_Pages, AlbumCardEaseSlowsPerCallNotPerMillisecond) {
    card_selected = 3;
    sprite[3].x = 2.0f;
    sprite[3].width = 100.0f;
    Enter(1, 54);
    Run_Scripts(1);
    // 101 calls of 50 ms: 5 s have passed but the ease has only reached 0.101 rad.
    for (int i = 0; i < 100; ++i) Tick(50);
    const float before = sprite[3].x;
    Tick(50);
    EXPECT_NEAR(before - sprite[3].x, 50 * 0.001 * std::cos(0.102), 1e-4);
}

TEST_F(Camp_Pages, AlbumCardButtonGoesBackToTheAlbum) {
    Button(1);
    Enter(1, 54);
    Run_Scripts(1);
    Mouse(1.5f, 1.25f);
    Tick(16);
    EXPECT_STREQ(counter[5].word, "Back^to_album");
    EXPECT_EQ(sprite[1].anim, 1);
    mouseleft = true;
    Tick(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 18);
    EXPECT_FALSE(mouseleft);
}

TEST_F(Camp_Pages, SleepPageEndsTheDayAtQuarterPastTenTimedOrSkipped) {
    for (bool skip : {false, true}) {
        SCOPED_TRACE(skip);
        hours = 9;
        minutes = 40;
        daytime = false;
        snore_sfx = false;
        sprite[4].x = 1.0f;
        sprite[4].width = 0.5f;
        Button(2);
        Enter(1, 57);
        Run_Scripts(1);
        EXPECT_NEAR(sprite[4].x, 1.5f, 0.001f);
        if (skip) {
            Click_On_Button();
            Tick(16);
            EXPECT_TRUE(mouseleft) << "the page leaves the click pending";
            EXPECT_STREQ(counter[5].word, "Skip^Scene");
        } else {
            Tick(1500);
            EXPECT_FALSE(snore_sfx);
            Tick(1);
            EXPECT_TRUE(snore_sfx);
            EXPECT_FLOAT_EQ(sprite[4].x, 1.0f) << "slid to rest";
            Tick(2500);
            EXPECT_FALSE(next_scene);
            Tick(1);
        }
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, 5);
        EXPECT_EQ(hours, 22);
        EXPECT_EQ(minutes, 15);
        EXPECT_TRUE(daytime);
        mouseleft = false;
        Mouse(-100.0f, -100.0f);
    }
}

TEST_F(Camp_Pages, PagesOfAShortSceneFileLeaveTheRecordsPastItAlone) {
    no_sprites = 3;  // the scene has no sprite 3, 4, 9 or 14
    sprite[9].y = sprite[4].x = sprite[14].x = sprite[3].x = 7.0f;
    sprite[9].height = sprite[4].width = sprite[14].width = sprite[3].width = 1.0f;
    for (int s : {5, 48, 54, 57}) {
        Enter(1, s);
        Run_Scripts(1);
        for (int i = 0; i < 10; ++i) Tick(16);
    }
    EXPECT_FLOAT_EQ(sprite[9].y, 7.0f);
    EXPECT_FLOAT_EQ(sprite[4].x, 7.0f);
    EXPECT_FLOAT_EQ(sprite[14].x, 7.0f);
    EXPECT_FLOAT_EQ(sprite[3].x, 7.0f);
}

}  // namespace
