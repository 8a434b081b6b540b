// The episode-1 cut-scenes: every scene's timed end and its skip request, the opening intro's
// skip that silences the waves, and what the single scenes move, show and sound on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "scripts/cut_scenes.h"
#include "scripts/level_events.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"
#include "world/world_clock.h"

namespace {

constexpr int KEEP = -1;    // the request leaves current_spawn alone
constexpr int SPAWN0 = 77;  // current_spawn before every scene

class CutScenes : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(1000);
        Allocate_Records();
        no_sprites = 20;
        game_mode = MODE_CINE;
        fade = 0.0f;
        current_act = 1;
        current_spawn = SPAWN0;
        mouseleft = false;
        Mouse(-50.0f, -50.0f);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(main_mission, 0, sizeof main_mission);
        gun_entry = 0;
    }
    void TearDown() override { Free_Records(); }

    // What the scene loader does for the scripts: reset the step machine, then one call.
    static void Load(int s) {
        episode = 1;
        scene = s;
        title_sequence = start_sequence = title_timer = 0;
        next_scene = false;
        mouseleft = false;
        button_snd = false;
        Run_Scripts(1);
    }
    static void Tick(int ms) {
        Advance_Ms(ms);
        Run_Scripts(ms);
    }
    // Ticks of 1 ms until a scene request; the milliseconds that took (-1 past the limit).
    static int Ms_To_Request(int limit = 40000) {
        for (int ms = 0; ms <= limit; ++ms) {
            if (next_scene) return ms;
            Tick(1);
        }
        return -1;
    }
    static void Mouse(float x, float y) {
        mouseX = x;
        mouseY = y;
    }
    // A shown button at sprite id with its box at (1, 1)-(2, 1.5).
    static void Button(int id, float alpha = 1.0f) {
        sprite[id].alpha = alpha;
        sprite[id].w = 1.0f;
        sprite[id].z = 1.0f;
        sprite[id].box_width = 1.0f;
        sprite[id].box_height = 0.5f;
    }
    static void Point_At_Button() { Mouse(1.5f, 1.2f); }
    static void Clear_Sounds() {
        waves_sfx = wind_sfx = seagull_sfx = seagull2_sfx = tank1_sfx = rocket_sfx = false;
        boss_ohh_sfx = stolen_sfx = wakeup_sfx = boss_sfx = clank_sfx = fall_sfx = false;
        airplane_sfx = radio_sfx = false;
        stop_waves_sfx = stop_wind_sfx = stop_woods_sfx = stop_airplane_sfx = 0;
        stop_exhaust_sfx = 0;
    }
    static void Expect_Request(int e, int s, int spawn, const std::string& where) {
        EXPECT_TRUE(next_scene) << where;
        EXPECT_EQ(episode, e) << where;
        EXPECT_EQ(scene, s) << where;
        EXPECT_EQ(current_spawn, spawn == KEEP ? SPAWN0 : spawn) << where;
    }
};

// ---- Every scene's timed end ----

struct timed_case {
    int scene;
    int total_ms;     // the sum of the scene's waits
    int timed_steps;  // each timed step acts one millisecond past its due time
    int e, s, spawn;
};

// With objects at rest (all fields 0) every slide arrives at once.
constexpr timed_case timed_cases[] = {
    {102, 6000, 3, 1, 103, KEEP},   {103, 7000, 1, 1, 104, KEEP},  {104, 5000, 1, 1, 105, KEEP},
    {105, 6000, 1, 1, 106, KEEP},   {106, 4000, 2, 1, 107, KEEP},  {107, 3000, 1, 1, 108, KEEP},
    {108, 4000, 1, 1, 109, KEEP},   {109, 29500, 3, 0, 4, KEEP},   {99, 4500, 7, 1, 100, KEEP},
    {100, 4000, 2, 1, 101, KEEP},   {101, 5500, 1, 1, 144, KEEP},  {144, 9000, 1, 1, 116, KEEP},
    {123, 4000, 1, 1, 98, KEEP},    {55, 4000, 1, 3, 3, KEEP},     {56, 6000, 1, 2, 3, KEEP},
    {58, 6000, 1, 2, 3, KEEP},      {59, 6000, 1, 3, 1, KEEP},     {66, 6000, 1, 2, 2, KEEP},
    {67, 6000, 1, 2, 3, 1},         {84, 6000, 1, 2, 4, 0},        {85, 6000, 1, 2, 4, KEEP},
    {87, 6000, 1, 2, 9, 0},         {88, 6000, 1, 2, 4, 1},        {89, 6000, 1, 2, 2, 40},
    {90, 6000, 1, 2, 1, 0},         {111, 6000, 1, 2, 8, 4},       {75, 6000, 1, 2, 8, 4},
    {62, 12000, 1, 2, 3, 27},       {63, 12000, 1, 1, 61, KEEP},   {61, 4000, 1, 1, 60, KEEP},
    {94, 4000, 1, 1, 95, KEEP},     {79, 6000, 1, 1, 80, KEEP},    {80, 6000, 1, 1, 81, KEEP},
    {47, 4500, 2, 1, 129, KEEP},    {34, 5100, 4, 3, 20, 0},
};

TEST_F(CutScenes, EveryBlockHasAScene) {
    for (int n = CUT_FIRST_BLOCK; n <= CUT_LAST_BLOCK; ++n) {
        const script_block* b = Script_Block(n);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->episode, 1) << n;
        for (int s : b->scenes)
            if (s >= 0) {
                EXPECT_NE(Find_Cut_Scene(s), nullptr) << "block " << n << " scene " << s;
            }
    }
    EXPECT_EQ(Find_Cut_Scene(110) != nullptr, true);
    EXPECT_EQ(Find_Cut_Scene(60), nullptr);  // reached from here, no block of its own
}

TEST_F(CutScenes, EachSceneEndsOnItsTimedRequest) {
    current_act = 2;  // the hub is episode 2 scene 3
    for (const timed_case& c : timed_cases) {
        const std::string where = "1/" + std::to_string(c.scene);
        for (int i = 0; i < 30; ++i) sprite[i] = object{};
        current_spawn = SPAWN0;
        Load(c.scene);
        EXPECT_FALSE(next_scene) << where;
        EXPECT_EQ(Ms_To_Request(), c.total_ms + c.timed_steps) << where;
        Expect_Request(c.e, c.s, c.spawn, where);
    }
}

// A scene file with fewer objects than a scene names: the scene still ends, and the records
// past the scene's objects are left alone.
TEST_F(CutScenes, ScenesWithFewObjectsEndAndTouchNoOtherRecords) {
    for (const timed_case& c : timed_cases) {
        const std::string where = "1/" + std::to_string(c.scene);
        for (int i = 0; i < 30; ++i) {
            sprite[i] = object{};
            sprite[i].x = sprite[i].y = 5.0f;
            sprite[i].width = sprite[i].height = 0.5f;
            sprite[i].alpha = 0.25f;
        }
        no_sprites = 2;
        Load(c.scene);
        EXPECT_GE(Ms_To_Request(), 0) << where;
        for (int i = 2; i < 30; ++i) {
            EXPECT_EQ(sprite[i].x, 5.0f) << where << " sprite " << i;
            EXPECT_EQ(sprite[i].y, 5.0f) << where << " sprite " << i;
            EXPECT_EQ(sprite[i].alpha, 0.25f) << where << " sprite " << i;
        }
    }
}

// ---- The skip buttons ----

struct skip_case {
    int scene;
    int button;
    const char* caption;
    int e, s, spawn;
    bool click_used;  // the click clears mouseleft
};

constexpr skip_case skip_cases[] = {
    {102, 2, "Skip^Intro", 0, 4, KEEP, false},  {103, 2, "Skip^Intro", 0, 4, KEEP, false},
    {104, 2, "Skip^Intro", 0, 4, KEEP, false},  {105, 2, "Skip^Intro", 0, 4, KEEP, false},
    {106, 2, "Skip^Intro", 0, 4, KEEP, false},  {107, 2, "Skip^Intro", 0, 4, KEEP, false},
    {108, 2, "Skip^Intro", 0, 4, KEEP, false},  {109, 2, "Skip^Intro", 0, 4, KEEP, false},
    {99, 2, "Skip^Scene", 1, 100, KEEP, false}, {100, 2, "Skip^Scene", 1, 101, KEEP, false},
    {101, 2, "Skip^Scene", 1, 144, KEEP, false}, {144, 2, "Skip^Scene", 1, 116, KEEP, false},
    {123, 2, "Skip^Scene", 1, 98, KEEP, false}, {55, 3, "Skip^Scene", 3, 3, KEEP, false},
    {56, 2, "Skip^Scene", 2, 0, KEEP, false},   {58, 2, "Skip^Scene", 2, 0, KEEP, false},
    {59, 2, "Skip^Scene", 3, 1, KEEP, false},   {66, 2, "Skip^Scene", 2, 2, KEEP, false},
    {67, 2, "Skip^Scene", 2, 0, 1, false},      {84, 3, "Skip^Scene", 2, 4, 0, false},
    {85, 2, "Skip^Scene", 2, 4, KEEP, false},   {87, 3, "Skip^Scene", 2, 9, 0, false},
    {88, 2, "Skip^Scene", 2, 4, 1, false},      {89, 2, "Skip^Scene", 2, 2, 40, false},
    {90, 3, "Skip^Scene", 2, 1, 0, false},      {111, 4, "Skip^Scene", 2, 8, 4, false},
    {75, 2, "Skip^Scene", 2, 8, 4, false},      {62, 2, "Skip^Scene", 2, 0, 27, false},
    {63, 2, "Skip^Scene", 1, 61, KEEP, false},  {61, 2, "Skip^Scene", 1, 60, KEEP, false},
    {94, 2, "Skip^Scene", 1, 95, KEEP, false},  {80, 2, "Skip^Scene", 1, 81, KEEP, false},
    {47, 4, "Skip^Scene", 1, 129, KEEP, true},
};

TEST_F(CutScenes, TheSkipButtonMakesTheSkipRequestAtOnce) {
    for (const skip_case& c : skip_cases) {
        const std::string where = "1/" + std::to_string(c.scene);
        current_spawn = SPAWN0;
        mouseleft = false;
        Mouse(-50.0f, -50.0f);
        Load(c.scene);
        Button(c.button);
        Tick(10);
        ASSERT_FALSE(next_scene) << where;

        Clear_Sounds();
        Point_At_Button();
        Tick(10);
        EXPECT_STREQ(counter[5].word, c.caption) << where;
        EXPECT_TRUE(radio_sfx) << where;
        EXPECT_EQ(sprite[c.button].anim, 1) << where;
        EXPECT_FALSE(next_scene) << where;  // pointing is not clicking

        mouseleft = true;
        Tick(10);
        Expect_Request(c.e, c.s, c.spawn, where);
        EXPECT_EQ(mouseleft, !c.click_used) << where;
    }
}

TEST_F(CutScenes, AClickInTheCallOfTheTimedEndStillSkips) {
    // The skip request follows the scene's own request in the same call and stands.
    for (int s : {102, 55}) {
        const std::string where = "1/" + std::to_string(s);
        current_spawn = SPAWN0;
        main_mission[2] = 2;  // 1/55's skip then detours to the briefing 1/121
        Mouse(-50.0f, -50.0f);
        Load(s);
        Button(s == 55 ? 3 : 2);
        Point_At_Button();
        const int last = s == 102 ? 3 : 1;
        while (title_sequence < last) Tick(50);
        Tick(title_timer - Script_Now());  // due now: the end waits one more millisecond
        ASSERT_FALSE(next_scene) << where;
        mouseleft = true;
        Tick(1);
        if (s == 102) Expect_Request(0, 4, KEEP, where);  // not the timed end's 1/103
        else Expect_Request(1, 121, KEEP, where);         // not the timed end's 3/3
    }
}

TEST_F(CutScenes, AHiddenOrMissingButtonCannotSkip) {
    for (int s : {102, 62, 79}) {  // 1/79 has no button at all
        const std::string where = "1/" + std::to_string(s);
        Load(s);
        Button(2, s == 102 ? 0.99f : 0.0f);
        if (s == 79) Button(2);
        Point_At_Button();
        mouseleft = true;
        Clear_Sounds();
        Tick(10);
        EXPECT_FALSE(next_scene) << where;
        EXPECT_FALSE(radio_sfx) << where;
        EXPECT_EQ(stop_waves_sfx, 0) << where;
    }
}

TEST_F(CutScenes, PointingAtTheIntroSkipSilencesTheWavesOnly) {
    Load(109);
    Button(2);
    Tick(10);
    Clear_Sounds();
    Point_At_Button();
    Tick(10);
    EXPECT_EQ(stop_waves_sfx, 1);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(title_sequence, 1);  // the scene goes on

    // Outside the intro pointing at the skip button leaves the waves alone.
    Load(55);
    Button(3);
    Clear_Sounds();
    Tick(10);
    EXPECT_STREQ(counter[5].word, "Skip^Scene");
    EXPECT_EQ(stop_waves_sfx, 0);
}

// ---- The opening intro ----

TEST_F(CutScenes, Intro102ScrollsToRestButNeverObjects0_2_12_13) {
    sprite[1].y = 1.0f;
    sprite[1].height = 2.0f;  // rest = 2.0
    sprite[3].y = 2.296f;  // 40 ticks of 0.0075 take it just below the rest
    for (int i : {0, 2, 5, 12, 13}) sprite[i].y = 7.0f;
    sprite[10].x = 3.0f;
    sprite[10].y = 3.0f;
    sprite[10].width = sprite[10].height = 1.0f;
    Clear_Sounds();
    Load(102);
    EXPECT_TRUE(waves_sfx);
    EXPECT_TRUE(seagull2_sfx);
    // Motion follows the step tests: the loader's call (1 ms) already scrolls once.
    EXPECT_FLOAT_EQ(sprite[3].y, 2.296f - 0.00015f);

    for (int i = 0; i < 45; ++i) Tick(50);  // 40 ticks scroll, the 41st snaps to the rest
    EXPECT_FLOAT_EQ(sprite[3].y, 2.0f);
    EXPECT_NEAR(sprite[5].y, 7.0f - 0.3f - 0.00015f, 1e-5);
    for (int i : {0, 2, 12, 13}) EXPECT_FLOAT_EQ(sprite[i].y, 7.0f) << i;
    const float y5 = sprite[5].y;
    Tick(50);
    EXPECT_FLOAT_EQ(sprite[5].y, y5);  // the scroll has stopped for good

    // Sprite 10 drifts left and down and shrinks about its centre (46 ticks and the loader's).
    const float ms = 46 * 50 + 1;
    const float s = ms * 0.00005f;
    EXPECT_NEAR(sprite[10].width, 1.0f - s, 1e-4);
    EXPECT_NEAR(sprite[10].x, 3.0f - ms * 0.0004f + s / 2, 1e-4);
    EXPECT_NEAR(sprite[10].y, 3.0f - 0.30015f + ms * 0.0001f + s / 2, 1e-4);
}

TEST_F(CutScenes, Intro103And107SoundTheirSecondCounterOnce) {
    Load(103);
    Clear_Sounds();
    Tick(1000);
    Tick(1000);
    EXPECT_FALSE(tank1_sfx);  // due at 2000, strictly past
    Tick(1);
    EXPECT_TRUE(tank1_sfx);
    EXPECT_NEAR(sprite[4].x, 2002 * 0.0004f, 1e-5);  // 2001 ms and the loader's call
    EXPECT_NEAR(sprite[6].x, 2002 * 0.0001f, 1e-5);
    Clear_Sounds();
    Tick(1000);
    EXPECT_FALSE(tank1_sfx);

    Load(107);
    Clear_Sounds();
    Tick(501);
    EXPECT_TRUE(wakeup_sfx);
    EXPECT_NEAR(sprite[3].x, -502 * 0.001f, 1e-5);
}

TEST_F(CutScenes, Intro104SwaysLeftFirstAndAReplayGoesOnFromTheLastWay) {
    skidding = false;
    Clear_Sounds();
    Load(104);
    EXPECT_EQ(stop_waves_sfx, 1);
    EXPECT_TRUE(wind_sfx);
    EXPECT_FALSE(skidding);
    for (int i = 0; i < 10; ++i) Tick(50);  // 500 ms
    EXPECT_LT(sprite[4].x, 0.0f);           // x += t - 2t: to the left
    EXPECT_GT(sprite[5].x, 0.0f);
    EXPECT_NEAR(sprite[5].y, sprite[4].y, 1e-6);
    for (int i = 0; i < 11; ++i) Tick(50);  // past 1000 ms: the turn
    EXPECT_TRUE(skidding);
    const float x = sprite[4].x;
    Tick(50);
    EXPECT_GT(sprite[4].x, x);

    // A replay starts with the way the last play left.
    const bool left_at = skidding;
    Load(104);
    Tick(10);
    EXPECT_EQ(skidding, left_at);
}

TEST_F(CutScenes, Intro105ShowsSprite12At4200MsGoingBack) {
    Clear_Sounds();
    sprite[12].alpha = 1.0f;
    Load(105);
    EXPECT_EQ(sprite[12].alpha, 0.0f);
    EXPECT_EQ(stop_wind_sfx, 1);
    EXPECT_TRUE(tank1_sfx && waves_sfx);
    for (int i = 0; i < 30; ++i) Tick(100);  // 3000
    EXPECT_FALSE(rocket_sfx);
    Tick(1);
    EXPECT_TRUE(rocket_sfx);
    for (int i = 0; i < 12; ++i) Tick(100);  // 4201
    EXPECT_FALSE(boss_ohh_sfx);
    EXPECT_EQ(sprite[12].alpha, 0.0f);
    const float x12 = sprite[12].x;
    EXPECT_GT(x12, 0.0f);
    Tick(1);
    EXPECT_TRUE(boss_ohh_sfx);
    EXPECT_EQ(sprite[10].anim, 1);
    EXPECT_EQ(sprite[12].alpha, 1.0f);
    EXPECT_LT(sprite[12].x, x12);
    EXPECT_NEAR(sprite[4].x, 4202 * 0.00025f, 1e-3);
}

TEST_F(CutScenes, Intro106SlidesSprite5InAndStopsWhereStep1Ends) {
    sprite[5].x = 2.0f;
    sprite[5].width = 2.0f;  // starts at 4.0; 0.0004 per ms needs 5000 ms, the step has 3000
    Load(106);
    EXPECT_FLOAT_EQ(script_start_x, 2.0f);
    EXPECT_FLOAT_EQ(sprite[5].x, 4.0f - 0.0004f);  // step 1's slide starts in the loader's call
    Clear_Sounds();
    for (int i = 0; i < 30; ++i) Tick(100);
    Tick(1);
    EXPECT_TRUE(stolen_sfx);
    EXPECT_EQ(sprite[5].anim, 1);
    const float x = sprite[5].x;
    EXPECT_GT(x, 2.0f);  // short of its rest
    Tick(100);
    EXPECT_FLOAT_EQ(sprite[5].x, x);
}

TEST_F(CutScenes, Intro108TurnsSprite6OneDegreePerCall) {
    spin_angle = 99.0f;
    Load(108);
    EXPECT_EQ(spin_angle, 1.0f);  // reset by step 0, turned once in the same call
    for (int i = 0; i < 10; ++i) Tick(1);
    for (int i = 0; i < 10; ++i) Tick(50);
    EXPECT_FLOAT_EQ(sprite[6].angle, 21.0f);  // 21 calls, whatever their length
    EXPECT_NEAR(sprite[3].x, -511 * 0.0003f, 1e-5);
    EXPECT_NEAR(sprite[6].x, -511 * 0.00025f, 1e-5);
}

TEST_F(CutScenes, Intro109Sprite9WaitsASecondAndObjectsBelow5NeverMove) {
    Load(109);
    for (int i = 0; i < 10; ++i) Tick(100);  // 1000: not yet past title_timer - 17000
    EXPECT_EQ(sprite[9].x, 0.0f);
    EXPECT_NEAR(sprite[5].x, -0.1f, 1e-4);
    Tick(1);
    EXPECT_GT(sprite[9].x, 0.0f);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sprite[i].x, 0.0f) << i;

    // Step 2 moves sprite 14 right, step 3 starts its animation 1 and brings it back.
    while (title_sequence < 2) Tick(50);
    const float x14 = sprite[14].x;
    while (title_sequence < 3) Tick(50);
    EXPECT_GT(sprite[14].x, x14);
    Tick(50);
    EXPECT_EQ(sprite[14].anim, 1);
    const float x = sprite[14].x;
    Tick(50);
    EXPECT_LT(sprite[14].x, x);
}

// ---- The gallery finale ----

TEST_F(CutScenes, Finale99SoundsSixExplosionsTheFifthBig) {
    constexpr int flashing[] = {5, 7, 9, 4, 8, 6, 10};
    for (int i : flashing) sprite[i].alpha = 1.0f;
    sprite[12].alpha = 1.0f;
    front_bomb_count = 9;
    Clear_Sounds();
    Load(99);
    EXPECT_EQ(stop_exhaust_sfx, 1);
    EXPECT_EQ(front_bomb_count, 0);
    for (int i : flashing) EXPECT_EQ(sprite[i].alpha, 0.0f) << i;

    std::string sounds;
    int first_ms = -1;
    for (int ms = 1; ms <= 3500; ++ms) {
        Clear_Sounds();
        red_swipe = false;
        Tick(1);
        if (clank_sfx || boss_sfx) {
            sounds += boss_sfx ? 'B' : 'c';
            if (first_ms < 0) first_ms = ms;
            EXPECT_TRUE(red_swipe);
            EXPECT_EQ(swipe_color, 4);
            EXPECT_EQ(red_timer, Script_Now() + 50);
            if (sounds.size() < 6) {
                for (int i : flashing) EXPECT_EQ(sprite[i].alpha, 1.0f) << i;
            }
        }
    }
    EXPECT_EQ(sounds, "ccccBc");
    EXPECT_EQ(first_ms, 1501);
    EXPECT_EQ(sprite[3].anim, 1);
    EXPECT_EQ(sprite[3].anim_state, ANIM_ONCE);
    EXPECT_EQ(sprite[12].alpha, 0.0f);
    for (int i : flashing) EXPECT_EQ(sprite[i].alpha, 0.0f) << i;
    EXPECT_EQ(title_sequence, 2);
}

TEST_F(CutScenes, Finale100MovesFromTheLoadersCall) {
    Load(100);
    Tick(10);  // 10 ms, and the loader's 1
    EXPECT_NEAR(sprite[3].y, -0.0066f, 1e-6);
    EXPECT_NEAR(sprite[16].y, -0.0077f, 1e-6);
    EXPECT_NEAR(sprite[14].y, -0.0055f, 1e-6);
    EXPECT_EQ(sprite[4].y, 0.0f);
}

TEST_F(CutScenes, Finale101WaitsForTheAeroplaneThenMeetsSprite5) {
    sprite[4].x = 1.0f;
    sprite[4].width = 0.5f;  // enters from -0.5: 1.5 units at 0.0004 per ms, 3750 ms
    sprite[4].y = 1.0f;
    sprite[5].y = 2.0f;      // rises 1.0 at 0.0008 per ms, 1250 ms
    sprite[5].alpha = 1.0f;
    Clear_Sounds();
    Load(101);
    EXPECT_TRUE(wind_sfx && airplane_sfx);
    EXPECT_EQ(title_sequence, 1);
    for (int i = 0; i < 37; ++i) Tick(100);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_FLOAT_EQ(sprite[5].y, 2.0f);  // sprite 5 waits for the arrival
    Tick(100);
    EXPECT_FLOAT_EQ(sprite[4].x, 1.0f);
    EXPECT_EQ(title_sequence, 2);

    // Buttons work while the scene waits.
    Clear_Sounds();
    for (int i = 0; i < 11; ++i) Tick(100);
    EXPECT_FALSE(clank_sfx);
    Tick(100);
    EXPECT_TRUE(clank_sfx);
    EXPECT_EQ(sprite[5].alpha, 0.0f);
    EXPECT_EQ(sprite[4].anim, 1);
    EXPECT_EQ(title_sequence, 3);
    Tick(100);  // step 3's motion began in the call that entered it
    EXPECT_NEAR(sprite[4].x, 1.0f + 0.06f, 1e-5);
    EXPECT_NEAR(sprite[4].y, 1.0f - 0.02f, 1e-5);
    EXPECT_EQ(Ms_To_Request(), 5500 - 100 + 1);
}

TEST_F(CutScenes, Finale144HitsOnceOrNever) {
    for (bool reaches : {true, false}) {
        sprite[9] = object{};
        sprite[9].alpha = 1.0f;
        sprite[9].x = 1.0f;
        sprite[9].y = 1.0f;
        sprite[5].z = 0.0f;
        sprite[5].box_height = reaches ? 0.8f : -5.0f;  // sprite 9 climbs 0.06 per second
        sprite[10].alpha = 1.0f;
        sprite[10].anim = 3;
        Clear_Sounds();
        Load(144);
        EXPECT_EQ(stop_airplane_sfx, 1);
        EXPECT_EQ(sprite[10].alpha, 0.0f);
        int hits = 0;
        while (!next_scene) {
            Clear_Sounds();
            Tick(50);
            hits += boss_sfx;
        }
        EXPECT_EQ(hits, reaches ? 1 : 0);
        EXPECT_EQ(sprite[10].alpha, reaches ? 1.0f : 0.0f);
        if (reaches) {
            EXPECT_EQ(sprite[9].alpha, 0.0f);
            EXPECT_EQ(sprite[10].anim, 0);
            EXPECT_EQ(sprite[8].anim, 1);
            EXPECT_LE(sprite[9].y, 0.8f);
            EXPECT_EQ(sprite[10].y, sprite[9].y);
        } else {
            EXPECT_GT(sprite[9].width, 0.08f);  // kept growing for nine seconds
        }
    }
}

// ---- Travel scenes ----

TEST_F(CutScenes, Travel55DetoursToTheBriefingOnceThroughTheSkip) {
    main_mission[2] = 2;
    struct step {
        bool skip;
        int e, s;
        char flag95_after;
    };
    // The timed end never detours; the first skip does, the second does not.
    constexpr step steps[] = {{false, 3, 3, 0}, {true, 1, 121, 1}, {true, 3, 3, 1}};
    for (const step& st : steps) {
        Load(55);
        Button(3);
        if (st.skip) {
            Point_At_Button();
            mouseleft = true;
            Tick(10);
        } else {
            Mouse(-50.0f, -50.0f);
            Ms_To_Request();
        }
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, st.e);
        EXPECT_EQ(scene, st.s);
        EXPECT_EQ(global_objects[95], st.flag95_after);
    }
    // Without the accepted mission the skip goes straight on.
    global_objects[95] = 0;
    main_mission[2] = 1;
    Load(55);
    Button(3);
    Point_At_Button();
    mouseleft = true;
    Tick(10);
    EXPECT_EQ(scene, 3);
    EXPECT_EQ(global_objects[95], 0);
}

TEST_F(CutScenes, Travel56And58FlyThePigeonToAndFroShownOnlyAtNight) {
    for (int s : {56, 58}) {
        for (bool night : {true, false}) {
            daytime = night;
            sprite[1].x = 0.0f;
            sprite[1].width = 1.0f;
            sprite[9].x = 0.5f;
            sprite[9].width = 0.1f;  // turns past 1.2 and below -0.2
            sprite[9].anim = 0;
            pigeon_direction = true;
            Load(s);
            EXPECT_FALSE(pigeon_direction);
            EXPECT_EQ(sprite[9].alpha, night ? 1.0f : 0.0f);
            float lo = 10, hi = -10;
            bool went_left = false;
            for (int i = 0; i < 50; ++i) {
                Tick(50);
                lo = std::fmin(lo, sprite[9].x);
                hi = std::fmax(hi, sprite[9].x);
                if (sprite[9].anim == 1) went_left = true;
            }
            // It turns in the call that takes it past either end, so it is seen within a
            // step (0.05) of the turning points 1.2 and -0.2.
            EXPECT_GT(hi, 1.15f);
            EXPECT_LT(hi, 1.25f);
            EXPECT_LT(lo, -0.15f);
            EXPECT_GT(lo, -0.25f);
            EXPECT_TRUE(went_left);
        }
    }
}

TEST_F(CutScenes, Travel90BringsThreeSpritesInFromTheLeftWithoutSnapping) {
    sprite[1].x = 1.0f;
    sprite[1].width = 0.3f;  // shift 0.2: 800 ms at 0.00025 per ms
    sprite[5].x = 2.0f;
    sprite[6].x = 3.0f;
    Clear_Sounds();
    Load(90);
    EXPECT_TRUE(wind_sfx && airplane_sfx);
    EXPECT_FLOAT_EQ(sprite[1].x, 0.8f + 0.00025f);  // moved once in the loader's call
    EXPECT_FLOAT_EQ(sprite[5].x, 1.8f + 0.00025f);
    EXPECT_FLOAT_EQ(sprite[6].x, 2.8f + 0.00025f);
    for (int i = 0; i < 11; ++i) Tick(75);  // 825 ms
    EXPECT_GT(sprite[1].x, 1.0f);           // past its rest, not snapped
    EXPECT_NEAR(sprite[5].x - sprite[1].x, 1.0f, 1e-5);
    const float x = sprite[1].x;
    Tick(75);
    EXPECT_FLOAT_EQ(sprite[1].x, x);
}

TEST_F(CutScenes, Travel75And110ChooseByMissionAndGalleryEntry) {
    main_mission[MISSION_TRENCH] = 2;
    Load(75);
    Ms_To_Request();
    Expect_Request(1, 69, KEEP, "1/75 trench");

    struct entry_case {
        int gun_entry;
        int e, s, spawn;
    };
    current_act = 3;
    // An entry naming no gallery leaves for the act's hub instead of reloading 1/110.
    constexpr entry_case cases[] = {{1, 1, 8, KEEP}, {2, 1, 69, KEEP}, {4, 1, 112, KEEP},
                                    {0, 2, 10, 0}};
    for (const entry_case& c : cases) {
        for (bool skip : {false, true}) {
            const std::string where = "gun_entry " + std::to_string(c.gun_entry);
            current_spawn = SPAWN0;
            gun_entry = c.gun_entry;
            pigeon_round = targets_shot = 5;
            sprite[3].x = 0.0f;
            Load(110);
            Button(2);
            if (skip) {
                Point_At_Button();
                mouseleft = true;
                Tick(10);
            } else {
                Mouse(-50.0f, -50.0f);
                EXPECT_EQ(Ms_To_Request(), 5001) << where;
                EXPECT_NEAR(sprite[3].x, 5000 * 0.0006f, 1e-3) << where;
            }
            Expect_Request(c.e, c.s, c.spawn, where);
            EXPECT_EQ(gun_entry, 0) << where;
            EXPECT_EQ(pigeon_round, c.gun_entry == 4 ? 0 : 5) << where;
            EXPECT_EQ(targets_shot, c.gun_entry == 4 ? 0 : 5) << where;
        }
    }
}

TEST_F(CutScenes, AClickInTheCallOfTheTimedEndOf110KeepsItsGallery) {
    // The skip makes the gallery request again after the timed end has used up gun_entry.
    gun_entry = 2;
    Load(110);
    Button(2);
    for (int i = 0; i < 50; ++i) Tick(100);  // 5000: due, not yet past
    ASSERT_FALSE(next_scene);
    Point_At_Button();
    mouseleft = true;
    Tick(1);
    Expect_Request(1, 69, KEEP, "end and click together");
}

// ---- Story scenes ----

TEST_F(CutScenes, Story62And63SlideSprite1DownToRestOrEndShortOfIt) {
    for (float height : {1.0f, 5.0f}) {  // 0.56 needs 3.7 s, 2.8 needs 18.5 s
        sprite[1].y = 2.0f;
        sprite[1].height = height;
        Load(63);
        EXPECT_NEAR(sprite[1].y, 2.0f - height / 1.8f + 0.00015f, 1e-5);  // and one 1 ms step
        while (!next_scene) Tick(50);
        if (height == 1.0f) {
            EXPECT_FLOAT_EQ(sprite[1].y, 2.0f);
        } else {
            EXPECT_LT(sprite[1].y, 2.0f - 0.5f);
        }
        EXPECT_EQ(scene, 61);
    }
}

TEST_F(CutScenes, Story47ClanksEvery200MsAndSwingsBack) {
    sprite[2].y = 1.0f;
    sprite[2].angle = 2.0f;
    thud_timer = 0;
    Clear_Sounds();
    Load(47);
    EXPECT_TRUE(clank_sfx);  // from the very first call
    EXPECT_EQ(sprite[2].angle, 0.0f);
    int clanks = 0;
    float lowest = sprite[2].y;
    for (int i = 0; i < 80; ++i) {  // 4000 ms
        Clear_Sounds();
        Tick(50);
        clanks += clank_sfx;
        lowest = std::fmax(lowest, sprite[2].y);
        if (i == 19) {
            EXPECT_FALSE(fall_sfx);  // 1000 ms: due, not yet past
        }
        if (i == 20) {
            EXPECT_TRUE(fall_sfx);
        }
    }
    EXPECT_EQ(clanks, 16);  // every fifth tick of 50 ms is past a 200 ms due time
    EXPECT_FLOAT_EQ(sprite[2].angle, 3.14f);
    EXPECT_GT(lowest, 1.7f);           // out about three quarters of a unit and back
    EXPECT_LT(sprite[2].y, lowest - 0.5f);
    EXPECT_NEAR(sprite[2].width, 4001 * 0.0003f, 1e-3);
}

class Story34 : public CutScenes {
protected:
    void SetUp() override {
        CutScenes::SetUp();
        sprite[2].x = 1.0f;
        sprite[2].width = 0.5f;  // 500 ms in at 0.001 per ms
        sprite[5].x = 3.0f;
        sprite[5].width = 0.8f;  // 0.4 back at 0.0008 per ms: 500 ms
        Load(34);
        Button(8);
    }
    void Click() {
        Point_At_Button();
        mouseleft = true;
        Tick(10);
        Mouse(-50.0f, -50.0f);
    }
};

TEST_F(Story34, SlidesInShowsTheLineAndEndsOnItsTime) {
    EXPECT_EQ(counter[0].alpha, 0.0f);
    EXPECT_FLOAT_EQ(counter[1].x, -0.6f);
    EXPECT_FLOAT_EQ(counter[0].height, 0.048f);
    EXPECT_EQ(sprite[5].alpha, 0.0f);
    for (int i = 0; i < 9; ++i) Tick(50);
    EXPECT_EQ(title_sequence, 1);
    Tick(50);  // both arrive: step 2 runs in the same call
    EXPECT_EQ(title_sequence, 3);
    EXPECT_FLOAT_EQ(sprite[2].x, 1.0f);
    EXPECT_FLOAT_EQ(sprite[5].x, 3.0f);
    EXPECT_EQ(sprite[5].alpha, 1.0f);

    while (title_sequence < 5) Tick(10);
    EXPECT_STREQ(counter[1].word, "OH_BUGGER!");
    EXPECT_EQ(counter[1].alpha, 1.0f);
    EXPECT_TRUE(msg_fx);
    EXPECT_EQ(sprite[4].anim, 2);
    Tick(10);
    EXPECT_EQ(sprite[4].alpha, 1.0f);  // shown with the line
    while (title_sequence < 6) Tick(10);
    EXPECT_STREQ(counter[1].word, "");
    Tick(10);
    EXPECT_EQ(sprite[4].alpha, 0.0f);
    EXPECT_GE(Ms_To_Request(), 0);
    Expect_Request(3, 20, 0, "1/34");
}

TEST_F(Story34, AnEarlyClickIsUsedUpAndALateOneEndsAtOnce) {
    Tick(600);
    Click();  // step 3: used up, nothing else
    EXPECT_FALSE(mouseleft);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(title_sequence, 3);
    while (title_sequence < 5) Tick(10);
    EXPECT_FALSE(next_scene);  // the early click was not kept

    Click();  // the line shows: the scene ends in this call
    EXPECT_FALSE(mouseleft);
    Expect_Request(3, 20, 0, "late click");
    EXPECT_STREQ(counter[1].word, "");
    EXPECT_EQ(counter[1].alpha, 0.0f);
}

}  // namespace
