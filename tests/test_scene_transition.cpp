// The scene transition of the main tick: fades in and out, the black start of a scene
// without fade-in, the episode-4 chain and the death pages.
#include "test_scene_fixture.h"

#include "combat/combat.h"
#include "common/codes.h"
#include "content/scene_loader.h"
#include "main/scene_transition.h"

namespace {

class Transition : public SceneTest {
protected:
    // Requests a change to (e, s) with no fade-out and runs one step: the load is attempted
    // at once (the fixture folder has no scene files, so the load itself fails quietly).
    void Request(int e, int s) {
        episode = e;
        scene = s;
        next_scene = true;
        c_fade_out = 0;
        Run_Scene_Transition(1);
    }
};

} // namespace

TEST_F(Transition, EpisodeFourChain) {
    struct Case {
        int scene, want_episode, want_scene;
    } cases[] = {{0, 4, 1}, {3, 4, 4}, {5, 4, 6}, {6, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        game_mode = MODE_CINE;
        Request(4, c.scene);
        EXPECT_EQ(episode, c.want_episode);
        EXPECT_EQ(scene, c.want_scene);
        EXPECT_EQ(old_episode, c.want_episode); // the loader was called with the chained scene
        EXPECT_EQ(old_scene, c.want_scene);
        EXPECT_FALSE(next_scene);
        EXPECT_EQ(fade, 0.0f);
    }
}

TEST_F(Transition, DeathsInWalkModeGoToTheirPages) {
    struct Case {
        int level, page;
    } cases[] = {{LVL_CAVE, 14}, {LVL_SUPPLIES, 14}, {LVL_BOTTOM_LAB, 14}, {LVL_VILLAGE, 15}, {LVL_DUNGEON, 15},
                 {LVL_FARMS, 16}, {LVL_BASEMENT_C, 16}, {LVL_BASE, 8},   {LVL_TRAINING, 8}, {-1, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        game_mode = MODE_WALK;
        ply_dead = true;
        Level = c.level;
        Request(3, 9);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, c.page);
    }
    // The death page wins over the episode-4 chain.
    game_mode = MODE_WALK;
    ply_dead = true;
    Level = LVL_CAVE;
    Request(4, 2);
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 14);
    // Outside walk mode a dead player changes nothing.
    game_mode = MODE_CINE;
    ply_dead = true;
    Request(2, 5);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 5);
    EXPECT_EQ(no_buddies, 0);
    EXPECT_EQ(current_buddy[0], -1);
}

TEST_F(Transition, SceneWithoutFadeInIsBlackUntilItsTimer) {
    fade_in = 0;
    c_fade_in = 0;
    fade = 0.0f;
    fade_timer = Now() + 10;
    next_scene = false;
    for (int t = 0; t < 10; ++t) {
        Run_Scene_Transition(1);
        EXPECT_EQ(fade, 0.0f) << t;
        Advance_Ms(1);
    }
    Advance_Ms(1);
    Run_Scene_Transition(1);
    EXPECT_EQ(fade, 1.0f);
}

TEST_F(Transition, FadeInThenFadeOutThenLoad) {
    fade_in = -5;
    c_fade_in = 5;
    fade = 0.0f;
    cos_fade = 0.0f;
    next_scene = false;
    int ticks = 0;
    float last = 0.0f;
    while (c_fade_in != 0 && ticks < 10000) {
        Run_Scene_Transition(10);
        if (c_fade_in != 0) {
            EXPECT_GE(fade, last);
            last = fade;
        }
        ++ticks;
    }
    EXPECT_EQ(fade, 1.0f);
    EXPECT_EQ(cos_fade, 0.0f);
    EXPECT_GT(ticks, 5);

    // A change with a fade-out darkens first; the load follows on the tick after black.
    episode = 2;
    scene = 7;
    game_mode = MODE_CINE;
    old_scene = -1;
    c_fade_out = 5;
    next_scene = true;
    ticks = 0;
    while (c_fade_out != 0 && ticks < 10000) {
        Run_Scene_Transition(10);
        EXPECT_GE(fade, 0.0f);
        ++ticks;
    }
    EXPECT_GT(ticks, 5);
    EXPECT_EQ(fade, 0.0f);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(old_scene, -1); // not loaded yet
    Run_Scene_Transition(10);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(old_scene, 7);
}

TEST_F(Transition, FrontEndTooltipIsEmptiedDuringTheChange) {
    game_mode = MODE_FRONT;
    std::snprintf(counter[5].word, sizeof counter[5].word, "%s", "tip");
    fade = 1.0f;
    c_fade_out = 3;
    next_scene = true;
    Run_Scene_Transition(1);
    EXPECT_EQ(counter[5].word[0], '\0');
    EXPECT_TRUE(next_scene);
}
