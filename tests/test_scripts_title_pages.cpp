// The boot, title and pause pages and the front-end pages, run through the script routine
// with scenes built in code.
#include "test_scripts_page_fixture.h"

#include <cmath>
#include <cstring>

#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/scene_transition.h"
#include "scripts/title_pages.h"
#include "world/world_clock.h"

namespace {

class Title_Pages : public Script_Page {};

TEST_F(Title_Pages, BootSceneAsksForTheTitleInItsOwnLoad) {
    Enter(10, 0);
    game_mode = MODE_CINE;
    Run_Scripts(1);
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 0);
    EXPECT_TRUE(next_scene);
}

TEST_F(Title_Pages, TitleLandsTheStampThenShowsItsMarksAndEndsInTheMainMenu) {
    no_sprites = 7;
    sprite[0].x = -0.6f;
    sprite[1].y = 0.05f;
    sprite[1].height = 0.3f;
    sprite[2].x = -1.8f;
    sprite[2].alpha = 1.0f;
    activate_bicycle = true;
    Enter(0, 0);
    game_mode = MODE_CINE;
    Run_Scripts(1);  // the loader's call
    EXPECT_EQ(title_sequence, 1);
    EXPECT_NEAR(sprite[1].y, 0.05f - 0.15f, 1e-3);  // and its first rise
    EXPECT_FALSE(activate_bicycle);
    for (int i : {0, 3, 4, 5, 6}) EXPECT_EQ(sprite[i].alpha, 0.0f) << i;
    // The stamp rises to its rest; the landing call lights the title and flashes white.
    int calls = 0;
    stamp_sfx = false;
    while (title_sequence < 3 && calls < 1000) {
        Tick(16);
        ++calls;
    }
    ASSERT_EQ(title_sequence, 3);
    EXPECT_TRUE(stamp_sfx);
    EXPECT_TRUE(red_swipe);
    EXPECT_EQ(swipe_color, 4);
    EXPECT_EQ(red_timer, Script_Now() + 50);
    EXPECT_EQ(sprite[0].alpha, 1.0f);
    // Clicks change nothing; the bar slides until it passes the title, and the first mark
    // appears in the call the bar vanishes.
    mouseleft = true;
    const int landed = Script_Now();
    bool seen_handover = false;
    while (!next_scene && Script_Now() - landed < 20000) {
        const int before = title_sequence;
        Tick(16);
        if (before == 3 && title_sequence == 6) {
            seen_handover = true;
            EXPECT_EQ(sprite[3].alpha, 1.0f);
            EXPECT_EQ(sprite[2].alpha, 0.0f);
            EXPECT_EQ(sprite[2].x, sprite[0].x);
            EXPECT_EQ(sprite[4].alpha, 0.0f);
        }
    }
    EXPECT_TRUE(seen_handover);
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 1);
    EXPECT_EQ(title_sequence, 10);
    EXPECT_EQ(sprite[5].alpha, 1.0f);
    EXPECT_GE(Script_Now() - landed, 500 + 1200 + 400 * 3 + 1000);
}

TEST_F(Title_Pages, TitleWithoutItsSpritesStillEnds) {
    no_sprites = 0;  // a scene file short of the title's sprites
    Enter(0, 0);
    game_mode = MODE_CINE;
    Run_Scripts(1);
    EXPECT_LE(Ticks_Until_Request(16, 60000), 60000);
    EXPECT_EQ(scene, 1);
}

TEST_F(Title_Pages, AmbienceStartRestartsTheExhaustOnce) {
    Enter(1, 93);
    exhaust_sfx = false;
    Run_Scripts(1);
    EXPECT_TRUE(exhaust_sfx);
    exhaust_sfx = false;
    Tick(16);
    EXPECT_FALSE(exhaust_sfx);
}

// The pause page with its two buttons.
class Pause_Page : public Script_Page {
protected:
    void SetUp() override {
        Script_Page::SetUp();
        Enter(1, 53);
        game_mode = MODE_WALK;
        Button(0);
        Button(2);
        sprite[2].w = 3.0f;  // the return button beside the quit button
        stats_episode = 2;
        stats_scene = 3;
        in_stats = false;
        quit_active = false;
        trying_to_quit = true;
    }
    static void Expect_Leave() {
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, 1);
        EXPECT_TRUE(next_scene);
        EXPECT_TRUE(quit_active);
        EXPECT_FALSE(trying_to_quit);
        EXPECT_EQ(fade_out, 10);
        EXPECT_EQ(c_fade_out, 10);
    }
};

TEST_F(Pause_Page, WaitsForBrightnessThenLeavesByItselfAfterEightSeconds) {
    fade = 0.6f;
    Click_On_Button();
    Tick(16);
    EXPECT_EQ(title_sequence, 0);
    EXPECT_FALSE(next_scene);
    mouseleft = false;
    Mouse(-100.0f, -100.0f);
    fade = 1.0f;
    stop_woods_sfx = 0;
    Tick(16);
    EXPECT_EQ(stop_woods_sfx, 1);
    const int t = Ticks_Until_Request(16, 20000);
    EXPECT_GE(t, 8000);
    EXPECT_LE(t, 8100);
    Expect_Leave();
}

TEST_F(Pause_Page, ButtonsQuitOrReturnToTheRecordedScene) {
    Tick(16);
    Click_On_Button();
    Tick(16);
    Expect_Leave();
    EXPECT_NE(counter[5].word[0], 0);  // the caption was written

    SetUp();
    Tick(16);
    Mouse(3.5f, 1.25f);
    mouseleft = true;
    Tick(16);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 3);
    EXPECT_TRUE(in_stats);
    EXPECT_TRUE(next_scene);
    EXPECT_FALSE(quit_active);
}

// ---- Front-end pages ----

class Front_Pages : public Script_Page {
protected:
    void SetUp() override {
        Script_Page::SetUp();
        no_sprites = 22;
        for (int i = 0; i < 22; ++i) sprite[i].alpha = 1.0f;
    }
};

TEST_F(Front_Pages, TimedPagesFallBackToTheTitle) {
    struct Case { int scene; int mode; int wait; };
    for (Case c : {Case{9, MODE_CINE, 6000}, Case{11, MODE_FRONT, 12000}}) {
        SCOPED_TRACE(c.scene);
        Enter(0, c.scene);
        game_mode = c.mode;
        sprite[2].x = 0.0f;
        Run_Scripts(1);
        const int t = Ticks_Until_Request(10, 30000);
        EXPECT_GE(t, c.wait);
        EXPECT_LE(t, c.wait + 10);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, 0);
        if (c.scene == 11) {
            EXPECT_NEAR(sprite[2].x, 0.00045f * t, 0.01f);  // the backdrop panned
        }
    }
}

TEST_F(Front_Pages, ActFourStartClearsTheStoryInItsRequestCall) {
    Enter(0, 12);
    current_spawn = 7;
    current_act = 2;
    for (int& m : main_mission) m = 2;
    for (int& b : current_buddy) b = 3;
    std::memset(global_objective, 1, sizeof global_objective);
    std::memset(global_side_objective, 1, sizeof global_side_objective);
    Run_Scripts(1);
    int t = 0;
    while (!next_scene && t < 20000) {
        EXPECT_EQ(main_mission[0], 2);
        Tick(10);
        t += 10;
    }
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 5);
    EXPECT_EQ(current_spawn, 7);
    EXPECT_EQ(current_act, 4);
    EXPECT_EQ(current_main, 1);
    for (int m : main_mission) EXPECT_EQ(m, 0);
    for (int b : current_buddy) EXPECT_EQ(b, -1);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(global_objective[k] + global_side_objective[k], 0);
}

TEST_F(Front_Pages, IntroPageLeavesThreeSecondsAfterTheDuckStarts) {
    Enter(0, 4);
    duck_guy = -1;  // no duck: its animation is skipped
    sprite[4].x = 0.0f;
    Tick(10);
    EXPECT_EQ(stop_waves_sfx, 1);
    EXPECT_EQ(stop_seagull_sfx, 1);
    int t = 0, duck_step = -1;
    while (!next_scene && t < 20000) {
        const int before = title_sequence;
        Tick(10);
        t += 10;
        if (before == 2 && title_sequence == 3) duck_step = t;
    }
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 57);
    ASSERT_GT(duck_step, 0);
    EXPECT_GE(t - duck_step, 3000);
    EXPECT_LE(t - duck_step, 3010);
    EXPECT_GE(t, 7000);
    EXPECT_GT(sprite[4].x, 0.0f);
}

TEST_F(Front_Pages, SaveSlotPageShowsTheNamesAndItsLightSwitch) {
    Enter(0, 2);
    for (int i = 0; i < SAVE_SLOTS; ++i) std::snprintf(file_names[i], sizeof file_names[i], "slot%d", i);
    std::memset(file_names[5], 'X', sizeof file_names[5]);  // a name with no end
    Tick(10);
    EXPECT_STREQ(counter[0].word, "slot0^slot1^slot2^slot3^slot4^XXXXXXXXXXXX^");
    std::snprintf(file_names[1], sizeof file_names[1], "Ann");
    Tick(10);
    EXPECT_STREQ(counter[0].word, "slot0^Ann^slot2^slot3^slot4^XXXXXXXXXXXX^");
    // The lamps come one by one after 6000 ms.
    for (int i = 17; i <= 20; ++i) sprite[i].mouseover = true;
    int t = 0;
    while (sprite[18].mouseover && t < 10000) {
        Tick(10);
        t += 10;
    }
    EXPECT_FALSE(sprite[17].mouseover);
    EXPECT_TRUE(sprite[19].mouseover);
    // The switch puts the light off: the page dims, the lamps go out, the cycle rests.
    sprite[21].w = 1.0f;
    sprite[21].z = 1.0f;
    sprite[21].box_width = 1.0f;
    sprite[21].box_height = 0.5f;
    sprite[1].anim_state = ANIM_LOOP;
    Click_On_Button();
    Tick(10);
    EXPECT_TRUE(sprite[21].grab_switch);
    EXPECT_FLOAT_EQ(fade, 0.5f);
    EXPECT_TRUE(lightswitch_sfx);
    EXPECT_FALSE(mouseleft);
    for (int i = 17; i <= 20; ++i) EXPECT_TRUE(sprite[i].mouseover) << i;
    EXPECT_EQ(sprite[1].anim_state, ANIM_STOPPED);
    Tick(20000);
    for (int i = 17; i <= 20; ++i) EXPECT_TRUE(sprite[i].mouseover) << i;
    // And on again: full brightness, the cycle waits its 6000 ms anew.
    mouseleft = true;
    Tick(10);
    EXPECT_FALSE(sprite[21].grab_switch);
    EXPECT_FLOAT_EQ(fade, 1.0f);
    EXPECT_EQ(sprite[1].anim_state, ANIM_STOPPED);
    Mouse(-100.0f, -100.0f);
    Tick(5900);
    EXPECT_TRUE(sprite[17].mouseover);
    Tick(200);
    EXPECT_FALSE(sprite[17].mouseover);
}

TEST_F(Front_Pages, ActStartAndCampPageHideWhatTheStoryHasNotReached) {
    Enter(1, 122);
    game_mode = MODE_CINE;
    daytime = true;
    current_act = 1;
    main_mission[4] = 0;
    Run_Scripts(1);
    EXPECT_EQ(sprite[2].id, 16);
    EXPECT_EQ(sprite[13].alpha, 0.0f);

    Enter(1, 20);
    game_mode = MODE_FRONT;
    global_objects[2] = 0;
    Tick(10);
    EXPECT_EQ(sprite[9].alpha, 0.0f);
    sprite[9].alpha = 1.0f;
    global_objects[2] = 1;
    Tick(10);
    EXPECT_EQ(sprite[9].alpha, 1.0f);
}

// The main menu: a duck at 5, a logo at 6, holes at 7 to 9, the title point above.
class Main_Menu : public Front_Pages {
protected:
    void SetUp() override {
        Front_Pages::SetUp();
        Enter(0, 1);
        fade = 0.5f;
        duck_guy = 5;
        logo_sprite = 6;
        bullet_hole_count = 3;
        for (int k = 0; k < 3; ++k) {
            bullethole[k] = 7 + k;
            sprite[7 + k].mouseover = true;
            sprite[7 + k].width = sprite[7 + k].height = 0.06f;
        }
        sprite[5].x = 0.3f;
        sprite[5].width = 0.25f;
        sprite[19].x = 0.4f;
        sprite[19].y = 0.55f;
        sprite[19].width = 0.4f;
        sprite[20].x = 0.55f;
        sprite[20].y = 0.6f;
        no_points = 1;
        points[0] = a_point{};
        points[0].y = 1.3f;
        camera_point = 0;
        camY = -1.5f;
        stop_camera = false;
        cos_scroll = 0.0f;
        player_kill_count = 5;
        in_stats = true;
        no_fx = 0;
    }
};

TEST_F(Main_Menu, PlaysItsStagingAndShowsTheHolesOneEvery150Ms) {
    Run_Scripts(1);
    EXPECT_EQ(player_kill_count, 0);
    EXPECT_FALSE(in_stats);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_NEAR(sprite[5].x, 0.05f, 1e-3);  // the duck moved off by its width (and slid once)
    EXPECT_NEAR(sprite[19].x, 0.8f, 1e-3);
    EXPECT_EQ(sprite[0].alpha, 0.0f);
    EXPECT_NEAR(camY, -1.5f + 1.2f * std::cos(0.0007f) * 0.0009f, 1e-6);  // the glide's first step
    int t = 0, first_hole = -1, last_hole = -1;
    while (t < 6000) {
        Tick(10);
        t += 10;
        if (first_hole < 0 && !sprite[7].mouseover) first_hole = t;
        if (last_hole < 0 && !sprite[9].mouseover) last_hole = t;
    }
    EXPECT_GE(first_hole, 3000);
    EXPECT_LE(first_hole, 3010);
    EXPECT_GE(last_hole - first_hole, 300);
    EXPECT_LE(last_hole - first_hole, 320);
    EXPECT_EQ(cc, 3);
    EXPECT_EQ(no_fx, 3);                      // one effect per hole
    EXPECT_NEAR(sprite[5].x, 0.3f, 1e-6);    // the duck and sprite 19 back at rest
    EXPECT_NEAR(sprite[19].x, 0.4f, 1e-6);
    EXPECT_EQ(title_sequence, 6);
    EXPECT_EQ(end_sfx, 4);
    EXPECT_EQ(current_song, 1);
    for (int i : {0, 1, 3, 14, 18}) EXPECT_EQ(sprite[i].alpha, 1.0f) << i;
    EXPECT_EQ(sprite[21].alpha, 0.0f);
    // The glide stopped once the view passed the title point's height.
    for (int k = 0; k < 5000 && !stop_camera; ++k) Tick(1);
    EXPECT_TRUE(stop_camera);
    EXPECT_NEAR(-camY, 1.3f, 0.0015f);
    // The leaf sank below its floor and stays hidden.
    for (int k = 0; k < 200; ++k) Tick(10);
    EXPECT_LE(sprite[20].y, sprite[19].y - sprite[19].width);
    EXPECT_EQ(sprite[20].alpha, 0.0f);
}

TEST_F(Main_Menu, BadIndicesFromTheSceneAreSkipped) {
    duck_guy = 400;                 // past the scene's sprites
    logo_sprite = -1;
    bullethole[1] = 9000;
    camera_point = 500;             // past the points
    const float cam = camY;
    for (int k = 0; k < 600; ++k) Tick(10);
    EXPECT_EQ(camY, cam);
    EXPECT_EQ(cc, 3);
    EXPECT_EQ(no_fx, 2);
    EXPECT_GE(title_sequence, 6);
}

TEST_F(Main_Menu, FigureClickPlaysItsSecondAnimationForTwoSeconds) {
    sprite[4].anim = 9;
    for (int k = 0; k < 600 && title_sequence != 6; ++k) Tick(10);
    ASSERT_EQ(title_sequence, 6);
    EXPECT_EQ(sprite[4].anim, 3) << "step 6 runs in the call that reaches it";
    sprite[4].w = 1.0f;
    sprite[4].z = 1.0f;
    sprite[4].box_width = 1.0f;
    sprite[4].box_height = 0.5f;
    Click_On_Button();
    Tick(10);
    EXPECT_EQ(title_sequence, 7);
    EXPECT_EQ(sprite[4].anim, 4) << "the click's call already plays the second animation";
    EXPECT_FALSE(mouseleft);
    Tick(1990);
    EXPECT_EQ(title_sequence, 7);
    Tick(20);
    EXPECT_EQ(title_sequence, 6);

    // The same figure on page 0/7, which rerolls the shop's specials until it is clicked.
    Enter(0, 7);
    fade = 1.0f;
    Mouse(-100.0f, -100.0f);
    Tick(10);
    EXPECT_EQ(title_sequence, 0);
    Click_On_Button();
    Tick(10);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(sprite[4].anim, 4);
    Tick(2010);
    EXPECT_EQ(title_sequence, 0);
}

} // namespace
