// The perk page, the options and control pages and the statistics page: what each page
// shows, what a hover and a click change, and how the pages leave.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "combat/medals.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "scripts/player_pages.h"
#include "scripts/script_frame.h"
#include "support/virtual_clock.h"

namespace {

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(1000);
        Allocate_Records();
        no_sprites = 40;
        next_scene = false;
        title_sequence = 0;
        title_timer = 0;
        mouseleft = false;
        mouseX = mouseY = -5.0f;
        for (int i = 0; i < 6; ++i) counter[i].word[0] = 0;
        counter[5].length = 0;
        msg_left = false;
        current_spawn = -1;
        Clear_Sounds();
        Clear_Latches();
    }
    void TearDown() override { Free_Records(); }

    static void Clear_Sounds() {
        radio_sfx = place_sfx = pick_up_sfx = stamp_sfx = false;
        stop_woods_sfx = stop_waves_sfx = stop_wind_sfx = stop_airplane_sfx = 0;
    }
    static void Clear_Latches() {
        for (bool* l : {&button_snd, &button1_snd, &button2_snd, &button3_snd, &button4_snd,
                        &button5_snd, &button6_snd, &button7_snd, &button8_snd, &button9_snd,
                        &button10_snd})
            *l = false;
    }
    // A shown sprite whose drawn quad and collision box are the square at (x, y) of side s.
    static void Place(int id, float x, float y, float s = 0.1f) {
        object& o = sprite[id];
        o.x = o.w = x;
        o.y = o.z = y;
        o.width = o.box_width = s;
        o.height = o.box_height = s;
        o.alpha = 1.0f;
    }
    static void Point_At(int id) {
        mouseX = sprite[id].w + sprite[id].box_width / 2;
        mouseY = sprite[id].z + sprite[id].box_height / 2;
    }
    static std::string Tooltip() { return counter[5].word; }
};

// ---------------------------------------------------------------- perk page

class PerkPage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        game_mode = MODE_FRONT;
        episode = 1;
        scene = 141;
        fade = 1.0f;
        for (int* l : {&st_heart, &st_fire_rounds, &st_gallery, &st_regen, &st_gas, &st_gold,
                       &st_exp, &st_kill, &st_ice})
            *l = 0;
        level_up_points = 0;
        // Icons 6..14 in a row, the return button above them.
        for (int id = 6; id <= 14; ++id) Place(id, -0.9f + 0.2f * (id - 6), 0.0f);
        Place(1, 0.0f, 0.5f);
        Place(15, 0.0f, -0.5f);
    }
    static void Frame() { Run_Perk_Page(16); }
};

TEST_F(PerkPage, RunsOnlyOnceBrightAndStartsWithAmbienceStop) {
    fade = 0.5f;
    Run_Scripts(1);
    EXPECT_EQ(title_sequence, 0);

    fade = 0.7f;
    Run_Scripts(16);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(title_timer, 1000 + 4000);
    EXPECT_EQ(stop_woods_sfx + stop_waves_sfx + stop_wind_sfx + stop_airplane_sfx, 4);
    // Dependent perks start locked while their roots are at level 0.
    for (int id = 9; id <= 14; ++id) EXPECT_EQ(sprite[id].id, 8) << id;
}

TEST_F(PerkPage, HoverWithoutPointsShowsCaptionAndSoundButClickDoesNothing) {
    Point_At(6);
    mouseleft = true;
    Frame();
    EXPECT_EQ(Tooltip(), "Increase^max_life_by^10HP!");
    EXPECT_EQ(counter[5].length, 2);
    EXPECT_TRUE(msg_left);
    EXPECT_TRUE(radio_sfx);
    EXPECT_TRUE(button2_snd);
    EXPECT_EQ(st_heart, 0);
    EXPECT_TRUE(mouseleft);
    EXPECT_FALSE(place_sfx);
    // The icon grows while hovered.
    EXPECT_FLOAT_EQ(sprite[6].width, 0.14f);
    EXPECT_FLOAT_EQ(sprite[6].x, sprite[6].w - 0.02f);

    radio_sfx = false;
    Frame();
    EXPECT_FALSE(radio_sfx) << "one hover sound per entry";

    mouseX = -5.0f;
    Frame();
    EXPECT_FALSE(button2_snd);
    EXPECT_FLOAT_EQ(sprite[6].width, sprite[6].box_width);
    EXPECT_FLOAT_EQ(sprite[6].x, sprite[6].w);
    EXPECT_EQ(Tooltip(), "");
}

TEST_F(PerkPage, BuyingARootUnlocksItsChildOnTheNextCall) {
    level_up_points = 2;
    Point_At(9);
    Frame();
    EXPECT_EQ(Tooltip(), "Locked.");
    EXPECT_EQ(counter[5].length, 1);
    mouseleft = true;
    Frame();
    EXPECT_EQ(st_regen, 0) << "a locked perk takes no point";
    EXPECT_TRUE(mouseleft);

    Point_At(6);
    Frame();
    EXPECT_EQ(st_heart, 1);
    EXPECT_EQ(level_up_points, 1);
    EXPECT_TRUE(place_sfx);
    EXPECT_FALSE(mouseleft);

    Point_At(9);
    Frame();
    EXPECT_EQ(sprite[9].id, 19);
    EXPECT_EQ(Tooltip(), "Regenerate^health._1HP^every^1.5_Seconds!");
    EXPECT_EQ(counter[5].length, 4);
}

TEST_F(PerkPage, ChildrenUnlockWithTheirOwnTextures) {
    st_heart = st_regen = st_fire_rounds = st_gas = st_gallery = st_gold = 1;
    Frame();
    const int expected[] = {/*9*/ 19, /*10*/ 23, /*11*/ 20, /*12*/ 24, /*13*/ 21, /*14*/ 22};
    for (int id = 9; id <= 14; ++id) EXPECT_EQ(sprite[id].id, expected[id - 9]) << id;
}

TEST_F(PerkPage, LevelThreeIsTheMaximum) {
    st_heart = 3;
    level_up_points = 5;
    Point_At(6);
    mouseleft = true;
    Frame();
    EXPECT_EQ(Tooltip(), "MAXIMUM^REACHED");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_EQ(st_heart, 3);
    EXPECT_EQ(level_up_points, 5);
    EXPECT_TRUE(mouseleft);

    // Raising a perk from 0 stops at 3 however many clicks follow.
    Point_At(7);
    for (int i = 0; i < 6; ++i) {
        mouseleft = true;
        Frame();
    }
    EXPECT_EQ(st_fire_rounds, 3);
    EXPECT_EQ(level_up_points, 2);
}

TEST_F(PerkPage, OneClickBuysAtMostOneLevel) {
    // Icons 6 and 7 share one box; the heart comes first and uses up the click.
    Place(7, sprite[6].w, sprite[6].z);
    level_up_points = 3;
    Point_At(6);
    mouseleft = true;
    Frame();
    EXPECT_EQ(st_heart, 1);
    EXPECT_EQ(st_fire_rounds, 0);
    EXPECT_EQ(level_up_points, 2);
}

TEST_F(PerkPage, CaptionsAndBoxCodes) {
    EXPECT_EQ(Perk_Caption(0, 0).box_code, 2);
    EXPECT_EQ(std::string(Perk_Caption(0, 2).text), "Increase^max_life_by^30HP!");
    EXPECT_EQ(std::string(Perk_Caption(5, 0).text), "Enemies_drop^10\300_more^gold!");
    EXPECT_EQ(std::string(Perk_Caption(6, 2).text), "Enemies_give^25\300_more^experience!");
    for (int perk = 1; perk < 9; ++perk)
        for (int level = 0; level < 3; ++level) EXPECT_EQ(Perk_Caption(perk, level).box_code, 4);
    for (int perk = 0; perk < 9; ++perk) EXPECT_EQ(Perk_Caption(perk, 3).box_code, 1);
    // Levels read from a damaged save stay within the captions.
    EXPECT_EQ(std::string(Perk_Caption(0, -4).text), "Increase^max_life_by^10HP!");
    EXPECT_EQ(std::string(Perk_Caption(0, 99).text), "MAXIMUM^REACHED");
}

TEST_F(PerkPage, LevelsAndPointsPickTheAnimations) {
    st_heart = 2;
    st_exp = 1;
    level_up_points = 4;
    Frame();
    EXPECT_EQ(sprite[6].anim, 2);
    EXPECT_EQ(sprite[14].anim, 1);
    EXPECT_EQ(sprite[15].anim, 4);
}

TEST_F(PerkPage, ReturnRestoresTheRecordedSceneWithoutSpawn) {
    stats_episode = 3;
    stats_scene = 14;
    in_stats = false;
    current_spawn = 7;
    Point_At(1);
    mouseleft = true;
    Frame();
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 14);
    EXPECT_TRUE(next_scene);
    EXPECT_TRUE(in_stats);
    EXPECT_EQ(current_spawn, 7);
    EXPECT_EQ(Tooltip(), "Return^to_game");
    EXPECT_TRUE(button1_snd);
}

TEST_F(PerkPage, ASceneWithFewObjectsIsSafe) {
    no_sprites = 2;
    level_up_points = 3;
    st_heart = -7;
    mouseX = mouseY = 0.0f;
    mouseleft = true;
    Frame();
    EXPECT_EQ(level_up_points, 3);
}

// ---------------------------------------------------------------- options page

class OptionsPage : public PageTest {
protected:
    static constexpr int ids[] = {13, 20, 25, 26, 34, 21, 22, 30, 29};
    void SetUp() override {
        PageTest::SetUp();
        game_mode = MODE_FRONT;
        episode = 0;
        scene = 6;
        fade = 0.0f;
        sc_width = new_sc_width = 1024;
        sc_height = new_sc_height = 768;
        screen_mode = 0;
        sc_bits = 32;
        fullscreen = false;
        sc_blur = false;
        changed_video = create_option = on_some_text = false;
        for (int i = 0; i < 9; ++i) {
            Place(ids[i], -0.9f + 0.2f * i, 0.0f);
            sprite[ids[i]].base_anim = 3;
        }
    }
    static void Frame() { Run_Options_Page(16); }
    static bool Lit(int id) { return sprite[id].anim == sprite[id].base_anim + 1; }
};

TEST_F(OptionsPage, StartTakesTheWindowSizeAndRunsInTheLoadersCall) {
    sc_width = 1280;
    sc_height = 800;
    new_sc_width = 0;
    Run_Scripts(1);  // no brightness term: runs at fade 0
    EXPECT_EQ(new_sc_width, 1280);
    EXPECT_EQ(new_sc_height, 800);
    EXPECT_EQ(screen_mode, 2);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_TRUE(Lit(26));
    EXPECT_FALSE(Lit(25));
    EXPECT_FALSE(Lit(34));
}

TEST_F(OptionsPage, AnOddWindowSizeKeepsTheOldMode) {
    sc_width = 800;
    sc_height = 600;
    screen_mode = 1;
    Frame();
    EXPECT_EQ(screen_mode, 1);
    EXPECT_EQ(new_sc_width, 800);
    EXPECT_TRUE(Lit(34));
    EXPECT_FALSE(Lit(25));
    // Choosing the lit resolution still asks for that size, since the window has another.
    Point_At(34);
    mouseleft = true;
    Frame();
    EXPECT_EQ(new_sc_width, 1280);
    EXPECT_EQ(new_sc_height, 768);
    EXPECT_TRUE(create_option);
}

TEST_F(OptionsPage, StateDisplay) {
    sc_bits = 16;
    fullscreen = true;
    sc_blur = true;
    Frame();
    EXPECT_TRUE(Lit(13));
    EXPECT_FALSE(Lit(20));
    EXPECT_TRUE(Lit(22));
    EXPECT_FALSE(Lit(21));
    EXPECT_TRUE(Lit(30));
    EXPECT_FALSE(Lit(29));
    EXPECT_EQ(sprite[20].anim, 3);
}

TEST_F(OptionsPage, EachButtonWritesItsSetting) {
    struct option_case {
        int sprite;
        const char* caption;
        int length;
        bool* latch;
        bool (*written)();
    };
    const option_case cases[] = {
        {13, "16-bit^depth", 1, &button_snd, [] { return sc_bits == 16; }},
        {25, "1024x768", 0, &button2_snd, [] { return new_sc_width == 1024 && new_sc_height == 768 && screen_mode == 0; }},
        {26, "1280x800", 0, &button3_snd, [] { return new_sc_width == 1280 && new_sc_height == 800 && screen_mode == 2; }},
        {34, "1280x768", 0, &button4_snd, [] { return new_sc_width == 1280 && new_sc_height == 768 && screen_mode == 1; }},
        {22, "Full^Screen", 1, &button6_snd, [] { return fullscreen; }},
        {21, "Windowed^Mode", 1, &button5_snd, [] { return !fullscreen; }},
        {30, "Blur^on", 1, &button7_snd, [] { return sc_blur; }},
        {29, "Blur^off", 1, &button8_snd, [] { return !sc_blur; }},
        {20, "32-bit^depth", 1, &button1_snd, [] { return sc_bits == 32; }},
    };
    Frame();
    sc_width = 1280;  // so 1024x768 is a change
    new_sc_width = 1280;
    new_sc_height = 800;
    screen_mode = 2;
    for (const option_case& c : cases) {
        SCOPED_TRACE(c.caption);
        if (c.sprite == 26) new_sc_width = 1024, new_sc_height = 768, screen_mode = 0;
        changed_video = create_option = false;
        Clear_Sounds();
        Point_At(c.sprite);
        mouseleft = true;
        Frame();
        EXPECT_TRUE(c.written());
        EXPECT_EQ(Tooltip(), c.caption);
        EXPECT_EQ(counter[5].length, c.length);
        EXPECT_TRUE(msg_left);
        EXPECT_TRUE(on_some_text);
        EXPECT_TRUE(*c.latch);
        EXPECT_TRUE(radio_sfx);
        EXPECT_TRUE(pick_up_sfx);
        EXPECT_TRUE(changed_video);
        EXPECT_TRUE(create_option);
        EXPECT_TRUE(mouseleft) << "the press is not used up";
    }
}

TEST_F(OptionsPage, ClickingTheChosenOptionChangesNothing) {
    Frame();
    Point_At(25);  // 1024x768 is chosen
    mouseleft = true;
    Frame();
    EXPECT_FALSE(pick_up_sfx);
    EXPECT_FALSE(changed_video);
    EXPECT_FALSE(create_option);

    // 16-bit then back to 32-bit leaves the flags raised.
    Point_At(13);
    Frame();
    Point_At(20);
    Frame();
    EXPECT_EQ(sc_bits, 32);
    EXPECT_TRUE(changed_video);
    EXPECT_TRUE(create_option);
}

TEST_F(OptionsPage, CaptionFlagFollowsTheMouse) {
    Frame();
    Point_At(21);
    Frame();
    EXPECT_TRUE(on_some_text);
    EXPECT_TRUE(button5_snd);
    mouseX = -5.0f;
    Frame();
    EXPECT_FALSE(on_some_text);
    EXPECT_FALSE(button5_snd);
    EXPECT_EQ(Tooltip(), "Windowed^Mode") << "the main loop empties the slot, not the page";
}

TEST_F(OptionsPage, MissingSpritesAreSafe) {
    no_sprites = 15;
    mouseX = mouseY = 0.0f;
    mouseleft = true;
    Frame();
    Frame();
    SUCCEED();
}

// ---------------------------------------------------------------- control page

class ControlPage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        game_mode = MODE_FRONT;
        episode = 0;
        scene = 5;
        fade = 1.0f;
        Place(24, -0.5f, 0.0f);
        Place(25, 0.5f, 0.0f);
        controls_selected = 1;
        CONTROL_SCHEME = true;
    }
    static void Frame() { Run_Scripts(16); }
};

TEST_F(ControlPage, EnteringResetsToMouseAndKeyboard) {
    fade = 0.6f;
    Frame();
    EXPECT_EQ(controls_selected, 1) << "waits for the fade-in";
    fade = 1.0f;
    Frame();
    EXPECT_EQ(controls_selected, 0);
    EXPECT_FALSE(CONTROL_SCHEME);
    EXPECT_EQ(sprite[24].anim, 2);
    EXPECT_EQ(sprite[25].anim, 0);
}

TEST_F(ControlPage, ClickChoosesAndTakesEffectOnTheNextCall) {
    Frame();
    Point_At(25);
    mouseleft = true;
    Frame();
    EXPECT_EQ(controls_selected, 1);
    EXPECT_FALSE(mouseleft);
    EXPECT_TRUE(stamp_sfx);
    EXPECT_FALSE(CONTROL_SCHEME);
    Frame();
    EXPECT_TRUE(CONTROL_SCHEME);
    EXPECT_EQ(sprite[25].anim, 2);
    EXPECT_EQ(sprite[24].anim, 0);
    EXPECT_EQ(Tooltip(), "") << "no caption on this page";

    // A click on the current choice is still taken.
    stamp_sfx = false;
    mouseleft = true;
    Frame();
    EXPECT_TRUE(stamp_sfx);
    EXPECT_FALSE(mouseleft);
}

TEST_F(ControlPage, HiddenChoiceTakesNoClick) {
    Frame();
    sprite[25].alpha = 0.5f;
    Point_At(25);
    mouseleft = true;
    Frame();
    EXPECT_EQ(controls_selected, 0);
    EXPECT_TRUE(mouseleft);
    EXPECT_FALSE(stamp_sfx);
}

// ---------------------------------------------------------------- statistics page

class StatsPage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        game_mode = MODE_FRONT;
        episode = 1;
        scene = 26;
        fade = 1.0f;
        std::memset(tent_objects, 0, sizeof tent_objects);
        std::memset(global_medals, 0, sizeof global_medals);
        std::memset(global_cards, 0, sizeof global_cards);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        current_gold = -1;
        player_kill_count = player_death_count = player_crate_count = player_knife_count = 0;
        player_walked = player_miles = 0;
        player_hours = player_minutes = player_seconds = 0;
        player_rank = 1;
        Place(1, 0.0f, -0.5f);
    }
    static void Frame() { Run_Scripts(16); }
    static std::string Column(int i) { return counter[i].word; }
    static std::string Time_Line() {
        std::string c = Column(0);
        return c.substr(c.find("Game_time^") + 10);
    }
    static std::string Complete() {
        std::string c = Column(2);
        return c.substr(c.find("Complete^") + 9);
    }
};

TEST_F(StatsPage, FirstColumn) {
    player_kill_count = 12;
    player_death_count = 3;
    Frame();
    EXPECT_EQ(Column(0), "Gold^_0^Kill_count^_12^Times_died^_3^Game_time^_00:00:00");
    EXPECT_FLOAT_EQ(counter[0].x, -0.68f);
    EXPECT_FLOAT_EQ(counter[0].y, 0.6f);
    EXPECT_FLOAT_EQ(counter[0].alpha, 1.0f);

    player_inv_value[4] = 350;
    current_gold = 4;
    Frame();
    EXPECT_EQ(Column(0).substr(0, 10), "Gold^_350^");
    current_gold = 16;  // no such slot
    Frame();
    EXPECT_EQ(Column(0).substr(0, 8), "Gold^_0^");
}

TEST_F(StatsPage, PlayingTime) {
    struct { int h, m, s; const char* shown; } cases[] = {
        {1, 5, 9, "_01:05:09"}, {12, 30, 45, "_12:30:45"}, {123, 10, 0, "_123:10:00"}, {9, 9, 10, "_09:09:10"},
    };
    for (const auto& c : cases) {
        player_hours = c.h;
        player_minutes = c.m;
        player_seconds = c.s;
        Frame();
        EXPECT_EQ(Time_Line(), c.shown);
    }
}

TEST_F(StatsPage, Distance) {
    player_walked = 1500;
    Frame();
    EXPECT_NE(Column(2).find("Walked^_1500ft^"), std::string::npos) << Column(2);
    player_miles = 2;
    player_walked = 1640;
    Frame();
    EXPECT_NE(Column(2).find("Walked^_2.5km^"), std::string::npos) << Column(2);
    EXPECT_FLOAT_EQ(counter[2].x, 0.48f);
}

TEST_F(StatsPage, CollectionsAndCompletion) {
    for (int i = 0; i < 22; ++i) tent_objects[i] = 2;
    for (int i = 0; i < 36; ++i) global_medals[i] = 1, global_cards[i] = 3;
    Frame();
    EXPECT_EQ(Column(1), "Furniture^_22 of 22^Medals^_36 of 36^Cards^_36 of 36^Rank^_Grunt");
    EXPECT_EQ(Complete(), "_100\300");

    // Half of the collection.
    for (int i = 0; i < 36; ++i) global_medals[i] = 0;
    for (int i = 0; i < 11; ++i) tent_objects[i] = 1;  // owned but not placed
    Frame();
    EXPECT_EQ(Complete(), "_50\300");

    // Unplaced furniture, other medal values and entries past the counted ones are ignored.
    std::memset(tent_objects, 0, sizeof tent_objects);
    std::memset(global_cards, 0, sizeof global_cards);
    for (int i = 22; i < 100; ++i) tent_objects[i] = 2;
    for (int i = 36; i < 48; ++i) global_medals[i] = 1, global_cards[i] = 1;
    global_medals[0] = 2;
    global_medals[1] = 1;
    Frame();
    EXPECT_EQ(Column(1).substr(0, 49), "Furniture^_0 of 22^Medals^_1 of 36^Cards^_0 of 36");
    EXPECT_EQ(Complete(), "_1\300");
}

TEST_F(StatsPage, RankNames) {
    struct { int rank; const char* name; } cases[] = {
        {0, "_Grunt"}, {1, "_Grunt"}, {2, "_Private"}, {5, "_Private"}, {6, "_Sargeant"},
        {13, "_Lieutenant"}, {14, "_Captain"}, {21, "_Colonel"}, {22, "_Major"}, {29, "_General"},
        {30, ""}, {-1, ""},
    };
    for (const auto& c : cases) {
        player_rank = c.rank;
        Frame();
        const std::string col = Column(1);
        EXPECT_EQ(col.substr(col.find("Rank^") + 5), c.name) << c.rank;
    }
}

TEST_F(StatsPage, ReturnButtonHasNoVisibilityTest) {
    sprite[1].alpha = 0.0f;
    sprite[1].grab_switch = true;
    current_spawn = 5;
    Point_At(1);
    Frame();
    EXPECT_EQ(Tooltip(), "Return^to_Tent");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
    EXPECT_TRUE(radio_sfx);
    EXPECT_EQ(sprite[1].anim, 1);
    EXPECT_FALSE(next_scene);

    mouseleft = true;
    Frame();
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 25);
    EXPECT_EQ(current_spawn, 5);
    EXPECT_FALSE(mouseleft);
    EXPECT_FALSE(sprite[1].grab_switch);
}

TEST_F(StatsPage, IdleUnlessStepZeroAndBright) {
    title_sequence = 1;
    Frame();
    EXPECT_EQ(Column(0), "");
    title_sequence = 0;
    fade = 0.6f;
    Frame();
    EXPECT_EQ(Column(0), "");
}

}  // namespace
