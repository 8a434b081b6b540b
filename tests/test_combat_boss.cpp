// The boss fight of the submarine pen: its guard, the phase machine, bursts, wrecks, the
// group's movement and the traced boss shots.
#include <cmath>

#include "combat/boss.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"

class Boss : public CombatTest {
protected:
    void SetUp() override {
        Set_Up_On_Clock();
        Level = LVL_SUB_PEN;
        game_mode = MODE_WALK;
        fade = 1.0f;
        quit_active = false;
        title_sequence = 0;
        title_timer = 0;
        scripts_bullet_timer = 0;
        silo_fired = silo1_fired = false;
        // The parts sit around the origin; the ends of their path lie far away.
        for (int i = 27; i <= 39; ++i) Part(i, 0.1f * (i - 27), 0.0f, 10);
        no_points = 4;
        points[2].x = -6.0f;
        points[2].y = 5.0f;
        points[3].x = 6.0f;
        points[3].y = -5.0f;
        Player(1, 3.0f, 3.0f);
        mount_sfx = hatch_sfx = splash_sfx = whistle_sfx = boss_sfx = clank_sfx = drown_sfx = destroy_sfx = false;
    }

    static object& Part(int i, float x, float y, int score) {
        object& o = Object_At(i, OBJ, x, y, score);
        o.alpha = 1.0f;
        return o;
    }

    // Runs one tick after moving the clock on by ms.
    void Tick(double ms = 16) {
        Advance_Ms(ms);
        Run_Boss(16);
    }
};

TEST_F(Boss, NothingRunsOutsideTheFight) {
    struct row {
        const char* what;
        int level, mode;
        float fade_level;
        bool quit, changing;
    };
    const row rows[] = {
        {"another level", LVL_SUB_PEN + 1, MODE_WALK, 1.0f, false, false},
        {"a cut-scene", LVL_SUB_PEN, MODE_CINE, 1.0f, false, false},
        {"fading", LVL_SUB_PEN, MODE_WALK, 0.69f, false, false},
        {"quit box up", LVL_SUB_PEN, MODE_WALK, 1.0f, true, false},
        {"scene change pending", LVL_SUB_PEN, MODE_WALK, 1.0f, false, true},
    };
    for (const row& r : rows) {
        SetUp();
        Level = r.level;
        game_mode = r.mode;
        fade = r.fade_level;
        quit_active = r.quit;
        next_scene = r.changing;
        camX_OFFSET = 0.0f;
        Run_Boss(16);
        EXPECT_EQ(title_sequence, 0) << r.what;
        EXPECT_EQ(camX_OFFSET, 0.0f) << r.what;
        EXPECT_EQ(sprite[27].x, -0.1f) << r.what;
        TearDown();
    }
}

TEST_F(Boss, TheFirstStepHidesTheCoreAndTheFrontGun) {
    Run_Boss(16);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(title_timer, Now() + 2000);
    EXPECT_EQ(sprite[33].alpha, 0.0f);
    EXPECT_FALSE(sprite[33].grab_switch);
    EXPECT_EQ(sprite[36].alpha, 0.0f);
    EXPECT_FALSE(sprite[36].grab_switch);
    EXPECT_FALSE(sprite[31].grab_switch);
    for (int f : {34, 35, 37, 38, 39}) EXPECT_EQ(sprite[f].alpha, 0.0f) << f;
    EXPECT_TRUE(reverse);
    EXPECT_TRUE(boss_front);
    EXPECT_FLOAT_EQ(camX_OFFSET, -(std::cos(0.62f) * 0.25f));
    EXPECT_FLOAT_EQ(camY_OFFSET, -(std::sin(0.62f) * 0.25f));
}

TEST_F(Boss, AGunBurstEndsAfterFiftyShotsAndTheSilosLaunchRounds) {
    Run_Boss(16);  // 0 -> 1
    Tick(2001);    // guns open: 1 -> 2
    EXPECT_EQ(title_sequence, 2);
    Tick(1001);    // 2 -> 3
    EXPECT_TRUE(hatch_sfx);
    EXPECT_EQ(title_sequence, 3);
    int shots = 0;
    Tick(1001);
    for (int k = 0; k < 200 && title_sequence == 3; ++k) {
        if (mount_sfx) ++shots;
        mount_sfx = false;
        Tick(101);
    }
    if (mount_sfx) ++shots;
    EXPECT_EQ(shots, 50);
    EXPECT_EQ(title_sequence, 5);
    EXPECT_EQ(bullet_count, 0);
    EXPECT_EQ(sprite[34].alpha, 0.0f);

    Tick(1001); // silo 27 launches: 5 -> 6
    EXPECT_TRUE(silo_fired);
    EXPECT_TRUE(splash_sfx);
    Tick(151);  // 6 -> 7
    Tick(1001); // silo 28 launches: 7 -> 8
    EXPECT_TRUE(silo1_fired);
    Tick(151);  // 8 -> 9
    Tick(1001); // the first round comes in: 9 -> 10
    EXPECT_FALSE(silo_fired);
    EXPECT_TRUE(whistle_sfx);
    ASSERT_GE(no_fx, 1);
    EXPECT_EQ(Fx[no_fx - 1].sector, 29);
    EXPECT_EQ(Fx[no_fx - 1].linked_sprite, 1);
    Tick(2001); // the second: 10 -> 11
    EXPECT_FALSE(silo1_fired);
    Tick(2001); // 11 -> 1; step 1 is tested before step 11, so it waits for the next call
    EXPECT_EQ(title_sequence, 1);
    Tick();
    EXPECT_EQ(title_sequence, 2);
}

TEST_F(Boss, DestroyingBothSilosKillsTheGunsAndOpensTheFrontGunPhase) {
    Run_Boss(16);
    sprite[27].score = 0;
    sprite[28].score = 0;
    Tick();
    EXPECT_FALSE(sprite[27].grab_switch);
    EXPECT_TRUE(clank_sfx);
    for (int gun : {29, 30}) {
        EXPECT_EQ(sprite[gun].score, 0) << gun;
        EXPECT_TRUE(sprite[gun].turn_off) << gun;
        EXPECT_TRUE(sprite[gun].mouseover) << gun;
        EXPECT_FALSE(sprite[gun].grab_switch) << gun;
    }
    EXPECT_FLOAT_EQ(boss_speed, 0.00024f);
    EXPECT_FLOAT_EQ(boss_accel, 0.00024f);
    Tick(); // the phase changes after the steps
    EXPECT_EQ(title_sequence, 12);
    Tick();
    EXPECT_EQ(title_sequence, 13);
    EXPECT_EQ(sprite[36].alpha, 1.0f);
    EXPECT_TRUE(sprite[36].grab_switch);
}

TEST_F(Boss, TheFrontGunSwitchesSidesAfterEachBurst) {
    title_sequence = 13;
    boss_front = true;
    Tick();
    EXPECT_EQ(title_sequence, 14);
    Tick(1501);
    EXPECT_EQ(sprite[37].alpha, 1.0f);
    EXPECT_EQ(sprite[38].alpha, 0.0f);
    int shots = 1;
    for (int k = 0; k < 60 && title_sequence == 14; ++k) {
        Tick(101);
        if (title_sequence == 14) ++shots;
    }
    EXPECT_EQ(shots, 49) << "the 50th shot ends the burst in the same call";
    EXPECT_EQ(title_sequence, 13);
    EXPECT_FALSE(boss_front);
    Tick();
    EXPECT_EQ(title_sequence, 14);
    Tick(1501);
    EXPECT_EQ(sprite[38].alpha, 1.0f);
    EXPECT_EQ(sprite[39].alpha, 1.0f);

    sprite[36].score = 0; // the front gun falls: on to the launcher phase
    Tick();
    EXPECT_EQ(title_sequence, 15);
    Tick();
    EXPECT_EQ(title_sequence, 16);
    EXPECT_TRUE(sprite[31].grab_switch);
    for (int f : {37, 38, 39}) EXPECT_EQ(sprite[f].alpha, 0.0f) << f;
}

TEST_F(Boss, TheLauncherFiresSlowerWhileTheCoverStands) {
    title_sequence = 16;
    Tick();
    EXPECT_TRUE(silo_fired);
    Tick(151);
    EXPECT_EQ(title_sequence, 16);
    EXPECT_TRUE(whistle_sfx);
    EXPECT_EQ(title_timer, Now() + 3000);
    sprite[31].score = 0;
    Tick(3001);
    Tick(151);
    EXPECT_EQ(title_timer, Now() + 2000);
    EXPECT_EQ(sprite[33].alpha, 1.0f) << "the fallen cover exposes the core";
    EXPECT_TRUE(sprite[33].grab_switch);
}

TEST_F(Boss, TheCoreFallsTheBossGlidesToAStopAndTheSceneEnds) {
    title_sequence = 16;
    boss_accel = 0.0001f;
    sprite[33].score = 0;
    animation_fx[5] = 7;
    sprite[27].id = 4;
    Tick();
    EXPECT_EQ(title_sequence, 18);
    EXPECT_EQ(sprite[32].score, 0) << "the core takes the launcher with it";
    int ticks = 0;
    while (title_sequence == 18 && ticks < 2000) {
        Tick(1);
        ++ticks;
    }
    EXPECT_GT(ticks, 600);
    EXPECT_EQ(title_sequence, 19);
    EXPECT_EQ(sprite[27].id, 5);
    EXPECT_EQ(sprite[27].fx_id, 7);
    EXPECT_TRUE(boss_sfx);
    for (int p : {33, 36, 29, 30, 35, 34, 32}) EXPECT_EQ(sprite[p].alpha, 0.0f) << p;

    // A dead player holds the ending.
    ply_dead = true;
    Tick(1201);
    EXPECT_EQ(title_sequence, 19);
    ply_dead = false;
    Tick();
    EXPECT_EQ(title_sequence, 20);
    EXPECT_EQ(sprite[1].status, 65);
    EXPECT_TRUE(lock_player);
    EXPECT_EQ(Calls("Display_Message"), 1);
    sprite[1].score = 0;
    Tick(4001);
    EXPECT_FALSE(next_scene);
    sprite[1].score = 50;
    Tick();
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 44);
}

TEST_F(Boss, SpeedFollowsTheFallenParts) {
    struct row {
        const char* what;
        std::vector<int> dead;
        float speed;
    };
    const row rows[] = {
        {"whole", {}, 0.00015f},
        {"one silo", {27}, 0.0002f},
        {"both silos", {27, 28}, 0.00024f},
        {"cover", {31}, 0.0003f},
        {"cover and a silo", {28, 31}, 0.0003f},
    };
    for (const row& r : rows) {
        SetUp();
        title_sequence = 1;
        title_timer = Now() + 100000;
        for (int p : r.dead) {
            sprite[p].score = 0;
            sprite[p].grab_switch = false;
        }
        Run_Boss(16);
        EXPECT_FLOAT_EQ(boss_speed, r.speed) << r.what;
        if (r.dead.empty()) { EXPECT_FLOAT_EQ(boss_accel, 0.0000001f) << r.what; }
        TearDown();
    }
}

TEST_F(Boss, ThePartsMoveTogetherAndTurnAtThePathEnds) {
    title_sequence = 1;
    title_timer = Now() + 100000;
    boss_accel = boss_speed = 0.00015f;
    reverse = true;
    const float x27 = sprite[27].x, x39 = sprite[39].w, x40 = sprite[40].x;
    Run_Boss(100);
    const float step = std::cos(2.52f) * 1.2f * boss_accel * 100;
    EXPECT_NEAR(sprite[27].x - x27, step, 1e-6);
    EXPECT_NEAR(sprite[39].w - x39, step, 1e-6);
    EXPECT_EQ(sprite[40].x, x40);
    EXPECT_TRUE(reverse);

    // Silo 27 arrives at point 2: outward again.
    points[2].x = sprite[27].w + 0.05f + 0.39f;
    points[2].y = sprite[27].z + 0.05f;
    Run_Boss(0);
    EXPECT_FALSE(reverse);
    // Silo 28 arrives at point 3: back again.
    points[3].x = sprite[28].w + 0.05f;
    points[3].y = sprite[28].z + 0.05f - 0.3f;
    Run_Boss(0);
    EXPECT_TRUE(reverse);

    // A scene without its path points keeps going.
    no_points = 2;
    reverse = false;
    Run_Boss(0);
    EXPECT_FALSE(reverse);
}

TEST_F(Boss, DeadPartsBurnWhileTheBossMoves) {
    title_sequence = 1;
    title_timer = Now() + 100000;
    sprite[27].score = 0;
    sprite[27].grab_switch = false;
    boss_accel = boss_speed = 0.0002f;
    Tick();
    EXPECT_EQ(no_fx, 1);
    EXPECT_EQ(sprite[27].all_timer, Now() + 3000);
    Tick(1000);
    EXPECT_EQ(no_fx, 1);
    Tick(2001);
    EXPECT_EQ(no_fx, 2);
    sprite[27].alpha = 0.99f; // hidden wrecks do not burn
    Tick(3001);
    EXPECT_EQ(no_fx, 2);
}

TEST_F(Boss, AShotTakesStepsByHalfTheAxisSum) {
    EXPECT_EQ(Boss_Shot_Steps(0.0f), 801);
    EXPECT_EQ(Boss_Shot_Steps(3.14159265f / 4), 566);

    struct row {
        const char* what;
        float angle, px, py;
        bool hit;
    };
    const row rows[] = {
        {"along x, 4.79 away", 0.0f, 4.79f, 0.0f, true},
        {"along x, 4.86 away", 0.0f, 4.86f, 0.0f, false},
        {"diagonal, 3.3 away", 0.785398f, 3.3f * 0.7071f, 3.3f * 0.7071f, true},
        {"diagonal, 3.5 away", 0.785398f, 3.5f * 0.7071f, 3.5f * 0.7071f, false},
    };
    for (const row& r : rows) {
        SetUp();
        sprite[1].w = r.px - 0.025f;
        sprite[1].z = r.py - 0.025f;
        Boss_Shoot(29, 0.0f, 0.0f, r.angle, 16);
        EXPECT_EQ(Calls("Man_Shot"), r.hit ? 1 : 0) << r.what;
        TearDown();
    }
}

TEST_F(Boss, AShotFindsThePlayerByDistanceAlone) {
    const struct {
        int score, priority;
    } rows[] = {{100, 2}, {0, 2}, {-5, 2}, {100, 3}};
    for (const auto& r : rows) {
        SetUp();
        sprite[1].w = 2.0f - 0.025f;
        sprite[1].z = -0.025f;
        sprite[1].score = r.score;
        sprite[1].priority = r.priority;
        Boss_Shoot(29, 0.0f, 0.0f, 0.0f, 16);
        EXPECT_EQ(Calls("Man_Shot"), 1) << "score " << r.score << ", priority " << r.priority;
        TearDown();
    }
}

TEST_F(Boss, AShotStopsAtTheFirstObjectItHits) {
    sprite[1].w = 2.0f - 0.025f;
    sprite[1].z = -0.025f;
    object& buoy = Part(48, 1.0f, 0.0f, 2);
    Boss_Shoot(29, 0.0f, 0.0f, 0.0f, 16);
    EXPECT_EQ(buoy.score, 1);
    EXPECT_TRUE(buoy.flash_target);
    EXPECT_EQ(buoy.flash_timer, Now() + 30);
    EXPECT_EQ(Calls("Man_Shot"), 0);
    Boss_Shoot(29, 0.0f, 0.0f, 0.0f, 16);
    EXPECT_EQ(buoy.score, 0);
    EXPECT_EQ(buoy.priority, 3);
    EXPECT_TRUE(drown_sfx);
    Boss_Shoot(29, 0.0f, 0.0f, 0.0f, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1) << "a wreck no longer stops the shot";

    // A store is hit inside its box, and drops its goods when it breaks.
    object& store = Part(46, 0.5f, 1.0f, 1);
    store.w = 0.4f;
    store.box_width = 0.2f;
    Boss_Shoot(29, 0.5f, 0.0f, 3.14159265f / 2, 16);
    EXPECT_EQ(store.score, 0);
    EXPECT_TRUE(destroy_sfx);
    EXPECT_EQ(Calls("Spawn_Pickup"), 1);
}
