// The shooting gallery: entry, wave release and hold points, the targets' cycle, shots,
// bonus items, props, the boss scenes, the clay pigeons, the HUD and the ways out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "camp/camp.h"
#include "camp/gallery.h"
#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"

namespace {

constexpr int TARGETS[] = {2, 3, 4, 5, 6, 7, 8, 9, 12, 13};

class Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        game_mode = MODE_FRONT;
        episode = 1;
        next_scene = false;
        fade = 1.0f;
        old_health = 100;
        PLY_VITALITY = 100;
        st_gallery = 0;
        screen_mode = 0;
        current_act = 1;
        current_main = 0;
        ply_dead = false;
        mouseleft = mouseright = false;
        mouseX = mouseY = 50.0f;  // far from everything
        no_sprites = 40;
        for (int i = 0; i < no_sprites; i++) Place(i, 5.0f + i, 5.0f, 0.1f, 0.1f);  // off the page
        Place(0, -1.0f, -1.0f, 2.0f, 0.25f);                                       // HUD panel
        Place(1, 0.8f, -0.95f, 0.15f, 0.1f);                                       // Back button
        sprite[1].grab_switch = true;
        Place(21, -0.5f, -0.9f, 0.5f, 0.05f);  // life bar
        for (int b : {29, 31, 32}) sprite[b].width = 0.4f;
        for (int k = 0; k < 10; k++) {
            Place(TARGETS[k], -0.9f + 0.18f * k, 0.0f, 0.1f, 0.2f);
            sprite[TARGETS[k]].type = MNE;
        }
        for (int b : {10, 11}) {
            Place(b, 5.0f + b, 5.0f, 0.1f, 0.1f);
            sprite[b].type = MNE;
            sprite[b].sector_action = 23;
        }
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        current_gold = -1;
    }
    void TearDown() override { Free_Records(); }

    static void Place(int i, float x, float y, float w, float h) {
        object& o = sprite[i];
        o.x = o.w = x;
        o.y = o.z = y;
        o.width = o.box_width = w;
        o.height = o.box_height = h;
        o.alpha = 1.0f;
    }
    static void Enter(int s) {
        scene = s;
        title_sequence = 0;
        Run_Gallery(1);
    }
    static void Tick(int ms) {
        Advance_Ms(ms);
        Run_Gallery(ms);
    }
    // Runs the gallery in 10 ms steps until the clock reads `t` (or a scene is requested).
    static void Run_Until(int t) {
        while (Now() < t && !next_scene) Tick(t - Now() < 10 ? t - Now() : 10);
    }
    static void Point_At(int i) {
        mouseX = sprite[i].w + sprite[i].box_width / 2;
        mouseY = sprite[i].z + sprite[i].box_height / 2;
    }
    static void Click_On(int i) {
        Point_At(i);
        mouseleft = true;
        Tick(1);
    }
    static void Click_Nothing() {
        mouseX = 0.5f;
        mouseY = 0.8f;
        mouseleft = true;
        Tick(1);
    }
    static bool Up(int i) { return sprite[i].grab_switch && sprite[i].score > 0 && sprite[i].alpha == 1.0f; }
    // Shoots every standing figure once.
    static void Shoot_Standing() {
        for (int t : TARGETS)
            if (Up(t) && sprite[t].type == MNE) Click_On(t);
    }
};

TEST_F(Gallery, EntrySetsLevelGunAndHidesFigures) {
    struct Case { int scene, gallery, level, st, clip, damage; };
    const Case cases[] = {{8, 0, 1, 0, 5, 10},   {22, 2, 1, 1, 6, 15}, {73, 7, 2, 2, 7, 20},
                          {97, 10, 3, 3, 8, 30}, {96, 9, 3, 9, 6, 10}, {112, 12, 4, 3, 3, 30}};
    for (const Case& c : cases) {
        st_gallery = c.st;
        for (int t : TARGETS) sprite[t].alpha = 1.0f, sprite[t].grab_switch = true;
        Enter(c.scene);
        EXPECT_EQ(gallery_scene, c.gallery) << c.scene;
        EXPECT_EQ(Gallery_Level, c.level) << c.scene;
        EXPECT_EQ(gallery_clip, c.clip) << c.scene;
        EXPECT_EQ(gallery_player_damage, c.damage) << c.scene;
        EXPECT_EQ(pigeon_mode, c.level == 4) << c.scene;
        EXPECT_EQ(title_sequence, 1);
        for (int t : TARGETS) {
            EXPECT_EQ(sprite[t].alpha, 0.0f);
            EXPECT_FALSE(sprite[t].grab_switch);
            EXPECT_EQ(sprite[t].status, 31);
        }
    }
}

TEST_F(Gallery, WideScreenMovesClipLeftAndBackFaceLifeBarRight) {
    screen_mode = 1;
    const float clip = sprite[17].x, back = sprite[1].x, face = sprite[20].w, bar = sprite[21].x;
    Enter(8);
    EXPECT_FLOAT_EQ(sprite[17].x, clip - 0.2f);
    EXPECT_FLOAT_EQ(sprite[1].x, back + 0.2f);
    EXPECT_FLOAT_EQ(sprite[20].w, face + 0.2f);
    EXPECT_FLOAT_EQ(sprite[21].x, bar + 0.2f);
}

TEST_F(Gallery, FirstScriptReleasesOnTimeThenHoldsForThreeKills) {
    st_gallery = 3;  // one shot kills
    Enter(8);
    Run_Until(3000);
    EXPECT_EQ(sprite[2].alpha, 0.0f);  // due strictly after 3000 ms
    Tick(1);
    EXPECT_EQ(sprite[2].alpha, 1.0f);
    EXPECT_EQ(sprite[2].status, 64);
    EXPECT_EQ(sprite[2].sector_action, 2);  // quick figure
    Run_Until(6001);
    EXPECT_EQ(sprite[6].alpha, 0.0f);
    Tick(1);
    EXPECT_EQ(sprite[6].alpha, 1.0f);
    Run_Until(7002);
    EXPECT_EQ(sprite[8].alpha, 0.0f);
    Tick(1);
    EXPECT_EQ(sprite[8].alpha, 1.0f);
    EXPECT_EQ(gallery_index, 3);
    old_health = 1000;  // the figures shoot meanwhile
    Run_Until(15000);
    EXPECT_TRUE(gallery_paused);
    EXPECT_EQ(gallery_index, 3);
    EXPECT_EQ(sprite[7].alpha, 0.0f);
    while (targets_killed < 3 && Now() < 40000) {
        Shoot_Standing();
        if (gallery_clip < 2) mouseright = true;
        Tick(10);
    }
    ASSERT_EQ(targets_killed, 3);
    Run_Until(Now() + 30);
    EXPECT_EQ(gallery_index, 4);
    EXPECT_EQ(sprite[7].alpha, 1.0f);
}

TEST_F(Gallery, UnshotFigureAimsFiresGoesDownAndComesBack) {
    Enter(8);
    Run_Until(3001);  // sprite 2 (quick: 1500 ms up) raised at 3001
    ASSERT_EQ(sprite[2].status, 64);
    Run_Until(3501);
    EXPECT_EQ(sprite[2].status, 64);
    Tick(1);
    EXPECT_EQ(sprite[2].status, 3);  // aiming after 500 ms
    EXPECT_EQ(old_health, 100);
    Run_Until(4302);
    EXPECT_EQ(sprite[2].status, 3);
    Tick(1);
    EXPECT_EQ(sprite[2].status, 29);  // fires after 800 ms
    EXPECT_EQ(old_health, 94);
    EXPECT_TRUE(sight_sfx);
    EXPECT_EQ(sprite[20].status, 21);  // face hurt
    Run_Until(4502);
    EXPECT_EQ(sprite[2].status, 15);  // time up: lowered, inactive
    EXPECT_FALSE(sprite[2].grab_switch);
    Run_Until(7502);
    Tick(1);
    EXPECT_EQ(sprite[2].status, 64);  // back up 3 s later
    EXPECT_TRUE(sprite[2].grab_switch);
}

TEST_F(Gallery, HitsNeededFollowTheGunPerk) {
    for (int st : {0, 2}) {
        st_gallery = st;
        step_sfx = false;
        Enter(8);
        Run_Until(Now() + 3001);
        ASSERT_TRUE(Up(2));
        Click_On(2);
        if (st == 0) {
            EXPECT_EQ(sprite[2].score, 10);
            EXPECT_EQ(sprite[2].status, 21);
            EXPECT_TRUE(sprite[2].flash_target);
            EXPECT_FALSE(step_sfx);
            Click_On(2);
        }
        EXPECT_LE(sprite[2].score, 0) << "st_gallery " << st;
        EXPECT_EQ(sprite[2].status, 30);
        EXPECT_TRUE(step_sfx);
    }
}

TEST_F(Gallery, OneClickHurtsOverlappingFiguresAndSpendsOneRound) {
    Enter(8);
    Run_Until(6100);  // sprite 2 raised after 3000 ms and lowered 1500 ms later, 6 raised 3000 ms after 2
    for (int t : {2, 6}) {
        sprite[t].grab_switch = true;
        sprite[t].score = 20;
        sprite[t].status = 64;
        sprite[t].bomb_timer = Now() + 10000;
    }
    Place(6, sprite[2].x, sprite[2].y, 0.1f, 0.2f);
    const int clip = gallery_clip;
    Click_On(2);
    EXPECT_EQ(sprite[2].score, 10);
    EXPECT_EQ(sprite[6].score, 10);
    EXPECT_EQ(gallery_clip, clip - 1);
    EXPECT_FALSE(mouseleft);
    EXPECT_EQ(no_fx, 0);  // something was hit: no puff
    Click_Nothing();
    EXPECT_EQ(gallery_clip, clip - 2);
    EXPECT_EQ(no_fx, 1);  // a miss leaves a puff
}

TEST_F(Gallery, ClickOverThePanelIsNoShot) {
    Enter(8);
    mouseX = 0.0f;
    mouseY = -0.9f;
    mouseleft = true;
    Tick(1);
    EXPECT_EQ(gallery_clip, 5);
    EXPECT_FALSE(death_sfx);
}

TEST_F(Gallery, EmptyClipReloadsExceptAtTheClayPigeons) {
    Enter(8);
    gallery_clip = 0;
    Click_Nothing();
    EXPECT_TRUE(gallery_reloading);
    EXPECT_TRUE(click_sfx);
    EXPECT_TRUE(potion_up_sfx);
    EXPECT_EQ(gallery_clip, 0);
    Run_Until(Now() + 600);
    EXPECT_TRUE(gallery_reloading);
    Tick(1);
    EXPECT_FALSE(gallery_reloading);
    EXPECT_EQ(gallery_clip, 5);
    EXPECT_TRUE(cash_up_sfx);

    Enter(112);
    EXPECT_EQ(gallery_clip, 3);
    for (int k = 0; k < 5; k++) Click_Nothing();
    mouseright = true;
    Tick(1);
    EXPECT_FALSE(gallery_reloading);
    EXPECT_EQ(gallery_clip, 0);
}

TEST_F(Gallery, LastReleaseEndsTheGalleryThreeSecondsLater) {
    old_health = 100000;
    Enter(8);
    Init_Gallery(0);
    for (int& p : gallery_pause) p = 1000000;  // no holds: every wave on time
    int released_at = -1;
    while (Now() < 30000 && !next_scene) {
        Tick(10);
        if (gallery_finished && released_at < 0) released_at = Now();
    }
    ASSERT_GT(released_at, 0);
    EXPECT_EQ(gallery_index, 7);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 21);
    EXPECT_GE(Now(), released_at + 3000);
    EXPECT_LE(Now(), released_at + 3020);
}

TEST_F(Gallery, FigureDropsGoldAndHealthOutsideActTwoAndSceneFive) {
    struct Case { int scene, act, dropper, item; bool drops; };
    const Case cases[] = {{8, 1, 9, 11, true}, {8, 1, 12, 10, true}, {8, 2, 9, 11, false},
                          {70, 1, 12, 10, false}};
    for (const Case& c : cases) {
        current_act = c.act;
        sprite[c.item].alpha = 0.0f;
        sprite[c.item].grab_switch = false;
        Enter(c.scene);
        object& f = sprite[c.dropper];
        f.alpha = 1.0f;
        f.grab_switch = true;
        f.status = 30;
        f.sector_action = 0;
        f.score = 0;
        f.all_timer = Now();
        Run_Until(Now() + 400);
        EXPECT_EQ(f.status, 31);
        EXPECT_EQ(sprite[c.item].alpha == 1.0f, c.drops) << c.scene << " act " << c.act << " sprite " << c.dropper;
        if (c.drops) {
            EXPECT_TRUE(sprite[c.item].grab_switch);
            EXPECT_EQ(sprite[c.item].score, 10);
        }
    }
}

TEST_F(Gallery, BonusItemsHealAndPay) {
    Enter(8);
    old_health = 95;
    sprite[10] = sprite[12];
    sprite[10].sector_action = 23, sprite[10].rank = 0, sprite[10].score = 10, sprite[10].grab_switch = true;
    sprite[10].alpha = 1.0f;
    Click_On(10);
    EXPECT_EQ(old_health, 100);  // capped
    EXPECT_EQ(sprite[10].alpha, 0.0f);
    EXPECT_TRUE(chute_sfx);

    sprite[11] = sprite[13];
    sprite[11].sector_action = 23, sprite[11].rank = 1, sprite[11].score = 10, sprite[11].grab_switch = true;
    sprite[11].alpha = 1.0f;
    Click_On(11);
    ASSERT_NE(current_gold, -1);
    EXPECT_EQ(player_inv_value[current_gold], 50);
    EXPECT_TRUE(switch_sfx);
}

TEST_F(Gallery, PlayerDeathGoesToTheLevelsDeathPage) {
    struct Case { int scene, death_scene; };
    for (const Case& c : {Case{8, 14}, Case{69, 15}, Case{95, 8}, Case{113, 8}}) {
        ply_dead = false;
        next_scene = false;
        episode = 1;
        old_health = 100;
        Enter(c.scene);
        old_health = 0;
        current_main = 3;
        main_mission[3] = 2;
        last_spawn = 7;
        Tick(1);
        EXPECT_TRUE(ply_dead);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, c.death_scene);
        EXPECT_EQ(cycle_episode, 1);
        EXPECT_EQ(cycle_scene, c.scene);
        EXPECT_EQ(cycle_spawn, 7);
        EXPECT_TRUE(activate_bicycle);
        EXPECT_EQ(sprite[21].alpha, 0.0f);  // the empty life bar is hidden
    }
}

TEST_F(Gallery, BackButtonLeavesByLevel) {
    struct Case { int scene, episode, to_scene, spawn; bool leaves; };
    const Case cases[] = {{8, 3, 3, 21, true}, {69, 2, 2, 40, true}, {112, 3, 29, 3, true}, {95, 1, 95, -1, false}};
    for (const Case& c : cases) {
        episode = 1;
        next_scene = false;
        current_spawn = -1;
        switch_n_sfx = false;
        sprite[1].grab_switch = true;
        Enter(c.scene);
        map_stat = true;
        Point_At(1);
        Tick(1);
        EXPECT_STREQ(counter[5].word, "Back");
        EXPECT_EQ(sprite[1].anim, 1);
        mouseleft = true;
        Tick(1);
        EXPECT_TRUE(switch_n_sfx);
        EXPECT_FALSE(map_stat);
        EXPECT_FALSE(mouseleft);
        EXPECT_EQ(next_scene, c.leaves) << c.scene;
        EXPECT_EQ(episode, c.episode);
        EXPECT_EQ(scene, c.to_scene);
        EXPECT_EQ(current_spawn, c.spawn);
    }
}

TEST_F(Gallery, BossBarFollowsEveryHitInTheLaughingScenes) {
    st_gallery = 1;  // 15 per hit
    Enter(23);
    EXPECT_EQ(boss_total_score, 660);
    Run_Until(3001);
    Tick(1);
    ASSERT_TRUE(Up(6));
    EXPECT_EQ(sprite[6].score, 30);  // laughing figure
    EXPECT_TRUE(laugh_sfx);
    Click_On(6);
    EXPECT_EQ(boss_gallery_health, 645);
    Tick(1);
    EXPECT_FLOAT_EQ(sprite[29].width, 0.4f * 645 / 660);
    Click_On(6);
    EXPECT_EQ(sprite[6].status, 30);
    EXPECT_TRUE(boss_ohh_sfx);
    EXPECT_TRUE(emypain_sfx);
    // A bar never runs below empty.
    boss_gallery_health = 5;
    sprite[6].score = 30, sprite[6].status = 64;
    Click_On(6);
    Tick(1);
    EXPECT_EQ(boss_gallery_health, 0);
    EXPECT_EQ(sprite[29].width, 0.0f);
}

TEST_F(Gallery, PropBossRepeatsWavesUntilDestroyedThenMovesOnAtOnce) {
    Enter(98);
    EXPECT_EQ(sprite[32].score, 800);
    EXPECT_EQ(boss_gallery_health, 800);
    Place(32, 0.0f, 0.4f, 0.3f, 0.3f);
    sprite[32].type = HLP;
    sprite[32].rank = 6;
    sprite[32].grab_switch = true;
    old_health = 1000000;
    int hits = 0, most_waves = 0;
    bool repeated = false;
    while (boss_gallery_health > 0 && hits < 200) {
        if (gallery_clip == 0 || gallery_reloading) {
            if (!gallery_reloading) mouseright = true;
            Tick(10);
            continue;
        }
        Click_On(32);
        hits++;
        Shoot_Standing();
        Tick(100);
        if (gallery_index > most_waves) most_waves = gallery_index;
        if (gallery_index < most_waves) repeated = true;
    }
    EXPECT_EQ(hits, 80);
    EXPECT_EQ(sprite[32].anim, 3);
    EXPECT_TRUE(repeated);  // the waves started over from wave 1
    EXPECT_TRUE(next_scene);  // requested in the tick after the last hit
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 99);
}

TEST_F(Gallery, PropsReactByKind) {
    struct Case { int rank, st, hits_to_break; };
    for (const Case& c : {Case{0, 0, 3}, Case{0, 2, 2}, Case{3, 3, 3}}) {
        st_gallery = c.st;
        Place(30, 0.0f, 0.4f, 0.2f, 0.2f);
        sprite[30].type = HLP;
        sprite[30].rank = c.rank;
        sprite[30].grab_switch = true;
        sprite[30].base_anim = 2;
        Enter(8);
        EXPECT_EQ(sprite[30].score, 3);
        int hits = 0;
        while (sprite[30].grab_switch && hits < 10) {
            Click_On(30);
            hits++;
        }
        EXPECT_EQ(hits, c.hits_to_break) << "rank " << c.rank << " st " << c.st;
        EXPECT_EQ(sprite[30].anim, 4);
        EXPECT_EQ(sprite[30].score, 0);
        EXPECT_TRUE(destroy_sfx);
        EXPECT_EQ(gallery_clip, (c.st == 3 ? 8 : c.st == 2 ? 7 : 5) - c.hits_to_break);
    }
    // A lamp goes out at once and dims the page.
    Enter(8);
    Place(30, 0.0f, 0.4f, 0.2f, 0.2f);
    sprite[30].type = HLP, sprite[30].rank = 2, sprite[30].grab_switch = true, sprite[30].base_anim = 0;
    Click_On(30);
    EXPECT_FALSE(sprite[30].grab_switch);
    EXPECT_TRUE(glass_sfx);
    EXPECT_FLOAT_EQ(fade, 0.6f);
}

TEST_F(Gallery, CannonBallHitsThePlayerWhenItReachesTheDepthMark) {
    Enter(73);
    EXPECT_EQ(sprite[33].alpha, 0.0f);
    for (int b : {33, 34, 35}) Place(b, 0.0f, 0.0f, 0.05f, 0.05f), sprite[b].alpha = 0.0f;
    start_33_x = start_34_x = start_35_x = 0.0f;
    start_33_y = start_34_y = start_35_y = 0.0f;
    Place(36, 0.0f, 0.0f, 0.05f, 0.05f);
    Place(27, 0.0f, -0.3f, 0.1f, 0.1f);
    old_health = 1000;
    cannon_timer = Now();
    Tick(1);
    int ball = -1;
    for (int b : {33, 34, 35})
        if (sprite[b].alpha == 1.0f) ball = b;
    ASSERT_NE(ball, -1);
    EXPECT_TRUE(splash_sfx);
    EXPECT_EQ(cannon_timer, Now() + 5000);
    for (int t = 0; t < 5000 && sprite[ball].alpha == 1.0f; t += 10) Tick(10);
    EXPECT_EQ(sprite[ball].alpha, 0.0f);
    EXPECT_TRUE(boss_sfx);
    EXPECT_LE(old_health, 994);
}

TEST_F(Gallery, ClayPigeonRoundEndsAtThePigeonTimer) {
    targets_shot = 0;
    pigeon_round = 1;
    for (int p : {28, 32, 33}) {
        Place(p, -0.6f + (p - 28) * 0.1f, -0.5f, 0.1f, 0.05f);
        sprite[p].type = HLP;
        sprite[p].rank = 5;
    }
    Enter(115);
    EXPECT_EQ(pigeon_round, 2);
    EXPECT_STREQ(counter[1].word, "TARGETS^_0-24");
    Run_Until(3001);
    Tick(1);
    EXPECT_TRUE(pigeon_launched);
    EXPECT_TRUE(splash_sfx);
    Tick(10);
    Click_On(33);
    EXPECT_EQ(targets_shot, 1);
    EXPECT_FALSE(sprite[33].grab_switch);
    EXPECT_TRUE(smash1_sfx);
    Run_Until(7501);  // 4500 ms after the launch
    EXPECT_FALSE(next_scene);
    Tick(1);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 29);
    EXPECT_EQ(current_spawn, 3);
    for (int p : {28, 32}) EXPECT_GE(sprite[p].width, 0.0f);
}

TEST_F(Gallery, TwentyFourPigeonsFinishTheShoot) {
    Enter(112);
    targets_shot = 23;
    Place(28, 0.0f, 0.4f, 0.2f, 0.2f);
    sprite[28].type = HLP, sprite[28].rank = 5, sprite[28].grab_switch = true;
    Click_On(28);
    EXPECT_TRUE(pigeon_finished);
    Tick(1);
    EXPECT_STREQ(counter[1].word, "TARGETS^24-24");
}

TEST_F(Gallery, ClipIconsAndFaceFollowRoundsAndHealth) {
    Enter(8);
    struct Case { int clip; float a18, a17; int anim18, anim17; };
    const Case cases[] = {{8, 1, 1, 0, 0}, {5, 1, 1, 3, 0}, {4, 0, 1, -9, 0}, {1, 0, 1, -9, 3}, {0, 0, 0, -9, -9}};
    for (const Case& c : cases) {
        gallery_clip = c.clip;
        Calculate_Gallery_Bullets();
        EXPECT_EQ(sprite[18].alpha, c.a18) << c.clip;
        EXPECT_EQ(sprite[17].alpha, c.a17) << c.clip;
        if (c.anim18 >= 0) {
            EXPECT_EQ(sprite[18].anim, c.anim18) << c.clip;
        }
        if (c.anim17 >= 0) {
            EXPECT_EQ(sprite[17].anim, c.anim17) << c.clip;
        }
    }
    struct Face { int health; bool reloading; int status, anim; };
    const Face faces[] = {{100, false, 3, 1}, {30, false, 21, 8}, {20, false, 29, 15}, {50, true, 3, 4}};
    for (const Face& f : faces) {
        old_health = f.health;
        gallery_reloading = f.reloading;
        sprite[20].status = f.status;
        Hud_Face_Unit_Gallery();
        EXPECT_EQ(sprite[20].anim, f.anim) << f.health;
    }
    gallery_reloading = false;
    old_health = 25;
    Calculate_Gallery_Lifebar();
    EXPECT_FLOAT_EQ(sprite[21].width, 0.5f * 25 / 100);
    EXPECT_EQ(sprite[21].anim, 15);
    old_health = 30;
    Calculate_Gallery_Lifebar();
    EXPECT_EQ(sprite[21].anim, 14);
    PLY_VITALITY = 0;
    Calculate_Gallery_Lifebar();
    EXPECT_EQ(sprite[21].width, 0.0f);
}

TEST_F(Gallery, EveryGallerySceneItsSoundsOnEntryAndTheSceneAfterIt) {
    struct Case {
        int scene, gallery, level;
        int stop_waves;
        bool exhaust, woods;
        int next;
    };
    const Case cases[] = {
        {8, 0, 1, 1, false, false, 21},     {21, 1, 1, 0, false, false, 22},   {22, 2, 1, 0, false, false, 40},
        {23, 3, 1, 0, false, false, 41},    {69, 4, 2, 0, false, false, 70},   {70, 5, 2, 0, false, false, 71},
        {71, 6, 2, 0, false, false, 72},    {73, 7, 2, 0, false, false, 74},   {95, 8, 3, 0, true, false, 96},
        {96, 9, 3, 0, true, false, 97},     {97, 10, 3, 0, true, false, 123},  {98, 11, 3, 0, true, false, 99},
        {112, 12, 4, 0, false, true, 113}, {113, 13, 4, 0, false, false, 114}, {114, 14, 4, 0, false, false, 115},
        {115, 15, 4, 0, false, false, 112},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        stop_waves_sfx = 0;
        exhaust_sfx = woods_sfx = false;
        pigeon_round = 0;
        episode = 1;
        next_scene = false;
        std::memset(global_objects, 0, sizeof global_objects);
        sprite[32].score = 5;
        Enter(c.scene);
        EXPECT_EQ(gallery_scene, c.gallery);
        EXPECT_EQ(Gallery_Level, c.level);
        EXPECT_EQ(stop_waves_sfx, c.stop_waves);
        EXPECT_EQ(exhaust_sfx, c.exhaust);
        EXPECT_EQ(woods_sfx, c.woods);
        EXPECT_EQ(pigeon_round, c.gallery == 15 ? 1 : 0);
        EXPECT_EQ(sprite[32].score, c.gallery == 11 ? 800 : 5);
        gallery_finished = true;
        title_timer = Now();
        Tick(1);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, c.next);
        EXPECT_EQ(global_objects[17], c.gallery == 3 ? 1 : 0);
    }
}

TEST_F(Gallery, DeckSwaysEverySpriteButTheHudBySineOfTheAngle) {
    struct Case {
        int scene;
        float angle;
        int ms;
        float want_angle;
    };
    const Case cases[] = {
        {8, 1.0f, 100, 1.1f}, {8, 4.0f, 50, 4.05f}, {22, 2.5f, 20, 2.52f},
        {8, 6.25f, 40, 0.0f},  // past 6.28 the angle starts over
        {23, 3.0f, 100, 3.1f},  // gallery scene 3 also keeps its boss bar (29) and 28 still
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "scene " << c.scene << " angle " << c.angle << " ms " << c.ms);
        Enter(c.scene);
        float y[40], z[40];
        for (int i = 0; i < no_sprites; i++) y[i] = sprite[i].y, z[i] = sprite[i].z;
        deck_angle = c.angle;
        Tick(c.ms);
        EXPECT_NEAR(deck_angle, c.want_angle, 1e-5);
        const float dy = std::sin(c.want_angle - 3.14f) * c.ms * 0.00003f;
        for (int i = 0; i < no_sprites; i++) {
            const bool still = i == 0 || i == 1 || (i >= 17 && i <= 21) || (c.scene == 23 && (i == 28 || i == 29));
            EXPECT_NEAR(sprite[i].y - y[i], still ? 0.0f : dy, 2e-6) << "sprite " << i;
            EXPECT_NEAR(sprite[i].z - z[i], still ? 0.0f : dy, 2e-6) << "sprite " << i;
        }
    }
}

TEST_F(Gallery, LevelThreeShakesByAFixedStepOfAlternatingSign) {
    Enter(95);
    float last = 0.0f;  // the step of the last sprite moved
    for (int ms : {10, 100, 3}) {
        SCOPED_TRACE(ms);
        float y[40], z[40];
        for (int i = 0; i < no_sprites; i++) y[i] = sprite[i].y, z[i] = sprite[i].z;
        Tick(ms);
        for (int i = 0; i < no_sprites; i++) {
            const float d = sprite[i].y - y[i];
            EXPECT_NEAR(sprite[i].z - z[i], d, 1e-6) << "sprite " << i;
            if (i == 0 || i == 1 || (i >= 17 && i <= 21)) {
                EXPECT_EQ(d, 0.0f) << "sprite " << i;
                continue;
            }
            EXPECT_NEAR(std::abs(d), 0.005f, 1e-6) << "sprite " << i;
            if (last != 0.0f) {
                EXPECT_LT(d * last, 0.0f) << "sprite " << i << ": no sign flip";
            }
            last = d;
        }
    }
    // Level 2 holds still.
    Enter(69);
    const float before = sprite[5].y;
    Tick(100);
    EXPECT_EQ(sprite[5].y, before);
}

TEST_F(Gallery, CannonFiresFasterAsTheBossWeakens) {
    Enter(73);
    EXPECT_EQ(boss_total_score, 660);
    EXPECT_EQ(cannon_timer, Now() + 6000);  // the first shot 6 s after entry
    Place(27, 0.0f, -100.0f, 0.1f, 0.1f);           // the balls never reach the player here
    struct Case {
        int health, wait;
    };
    // Below a half, a third and a quarter of 660: 330, 220 and 165.
    const Case cases[] = {{660, 5000}, {330, 5000}, {329, 3000}, {220, 3000},
                          {219, 2000}, {165, 2000}, {164, 1500}, {0, 1500}};
    for (const Case& c : cases) {
        boss_gallery_health = c.health;
        cannon_timer = Now();
        Tick(1);
        EXPECT_EQ(cannon_timer - Now(), c.wait) << "boss health " << c.health;
    }
}

TEST_F(Gallery, CannonBallsFlyDriftAndGrow) {
    Enter(73);
    Place(27, 0.0f, -100.0f, 0.1f, 0.1f);
    cannon_timer = Now() + 100000;
    struct Case {
        int ball;
        float drift;  // sideways per ms
    };
    const Case cases[] = {{33, 0.0f}, {34, 0.0001f}, {35, -0.0001f}};
    const int ms = 100;
    const float g = ms * 0.0003f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ball);
        for (int b : {33, 34, 35}) sprite[b].alpha = 0.0f;
        Place(c.ball, 0.2f, 0.1f, 0.05f, 0.05f);
        sprite[c.ball].angle = 0.0f;
        sprite[c.ball].grab_switch = true;
        Tick(ms);
        const object& b = sprite[c.ball];
        EXPECT_NEAR(b.x, 0.2f + ms * c.drift - g / 2, 1e-6);
        EXPECT_NEAR(b.y, 0.1f + ms * 0.001f - g / 2, 1e-6);  // cos(0) of the fall
        EXPECT_NEAR(b.width, 0.05f + g, 1e-6);
        EXPECT_NEAR(b.height, 0.05f + g, 1e-6);
        EXPECT_NEAR(b.angle, ms * 0.001f, 1e-6);
        EXPECT_EQ(b.w, b.x);
        EXPECT_EQ(b.box_width, b.width);
    }
}

TEST_F(Gallery, PigeonSpeedsAreDrawnOnLaunchFromTheirBases) {
    struct Case {
        int scene;
        float x2_base;
    };
    for (const Case& c : {Case{113, 0.0004f}, Case{114, 0.0004f}, Case{115, 0.0006f}}) {
        SCOPED_TRACE(c.scene);
        Enter(c.scene);
        const unsigned seed = 1234u + c.scene;
        srand(seed);
        const float x1 = 0.0006f + (rand() % 16) / 10000.0f;
        const float x2 = c.x2_base + (rand() % 16) / 10000.0f;
        const float x3 = 0.0002f + (rand() % 16) / 10000.0f;
        const float y1 = 0.0002f + (rand() % 10) / 10000.0f;
        const float y2 = 0.0002f + (rand() % 10) / 10000.0f;
        const float y3 = 0.0002f + (rand() % 10) / 10000.0f;
        pigeon_timer = Now();
        srand(seed);
        Tick(1);
        ASSERT_TRUE(pigeon_launched);
        EXPECT_FLOAT_EQ(Xspeed1, x1);
        EXPECT_FLOAT_EQ(Xspeed2, x2);
        EXPECT_FLOAT_EQ(Xspeed3, x3);
        EXPECT_FLOAT_EQ(Yspeed1, y1);
        EXPECT_FLOAT_EQ(Yspeed2, y2);
        EXPECT_FLOAT_EQ(Yspeed3, y3);
    }
    // The first pigeon scene flies at fixed speeds and draws none.
    Enter(112);
    Xspeed1 = Xspeed2 = Xspeed3 = Yspeed1 = Yspeed2 = Yspeed3 = 7.0f;
    pigeon_timer = Now();
    Tick(1);
    ASSERT_TRUE(pigeon_launched);
    for (float v : {Xspeed1, Xspeed2, Xspeed3, Yspeed1, Yspeed2, Yspeed3}) EXPECT_EQ(v, 7.0f);
}

TEST_F(Gallery, PigeonsFlyByScene) {
    struct flight {
        float dx, lift;  // per ms, before the shrink
    };
    struct Case {
        int scene;
        flight p33, p28, p32;
        float shrink;  // per ms
    };
    // Drawn speeds set by hand: X 0.001, 0.002, 0.003 and Y 0.0004, 0.0005, 0.0006.
    const Case cases[] = {
        {112, {0.0001f, 0.001f}, {-0.0001f, 0.001f}, {0.0f, 0.0013f}, 0.00002f},
        {113, {0.001f, 0.0004f}, {0.002f, 0.0005f}, {0.003f, 0.0006f}, 0.00004f},
        {114, {-0.001f, 0.0004f}, {-0.002f, 0.0005f}, {-0.003f, 0.0006f}, 0.000045f},
        {115, {-0.001f, 0.0004f}, {0.002f, 0.0005f}, {0.0f, 0.0006f}, 0.000045f},
    };
    const int ms = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        Enter(c.scene);
        pigeon_timer = Now();
        Tick(1);
        ASSERT_TRUE(pigeon_launched);
        Xspeed1 = 0.001f, Xspeed2 = 0.002f, Xspeed3 = 0.003f;
        Yspeed1 = 0.0004f, Yspeed2 = 0.0005f, Yspeed3 = 0.0006f;
        const int pigeons[3] = {33, 28, 32};
        const flight* want[3] = {&c.p33, &c.p28, &c.p32};
        for (int p : pigeons) Place(p, 0.0f, 0.0f, 0.2f, 0.2f), sprite[p].angle = 0.0f;
        Tick(ms);
        const float s = ms * c.shrink;
        for (int k = 0; k < 3; k++) {
            const object& o = sprite[pigeons[k]];
            SCOPED_TRACE(pigeons[k]);
            EXPECT_NEAR(o.x, ms * want[k]->dx + s / 2, 1e-6);
            EXPECT_NEAR(o.y, ms * want[k]->lift + s / 2, 1e-6);
            EXPECT_NEAR(o.width, 0.2f - s, 1e-6);
            EXPECT_NEAR(o.height, 0.2f - s, 1e-6);
            EXPECT_NEAR(o.angle, ms * 0.001f, 1e-6);
            EXPECT_EQ(o.w, o.x);
            EXPECT_EQ(o.z, o.y);
            EXPECT_EQ(o.box_width, o.width);
        }
    }
}

TEST_F(Gallery, FiguresWalkFasterInGallerySceneOne) {
    struct Case {
        int scene, sector;
        bool dying;
        float per_ms;
    };
    const Case cases[] = {{21, 4, false, 0.0003f}, {21, 3, false, -0.0003f}, {8, 4, false, 0.0002f},
                          {69, 3, false, -0.0002f}, {21, 4, true, 0.00015f}, {8, 3, true, -0.0001f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "scene " << c.scene << " sector " << c.sector
                                          << (c.dying ? " dying" : ""));
        Enter(c.scene);
        object& f = sprite[5];
        f.grab_switch = true;
        f.sector = c.sector;
        f.status = c.dying ? 30 : 64;
        f.score = c.dying ? 0 : 20;
        f.all_timer = f.bomb_timer = Now() + 100000;
        const float x = f.x, w = f.w;
        Tick(100);
        EXPECT_NEAR(f.x - x, 100 * c.per_ms, 1e-6);
        EXPECT_NEAR(f.w - w, 100 * c.per_ms, 1e-6);
    }
}

TEST_F(Gallery, BadScriptEntriesNeverReadOrRaiseOutsideTheArrays) {
    Enter(8);
    // A wave naming no object of the scene raises nothing but still counts.
    gallery_sequence[0] = 5000;
    gallery_sequence[1] = -3;
    gallery_innocent[1] = 77;  // unknown kind
    Run_Until(6100);
    EXPECT_EQ(gallery_index, 2);
    // An oversized count and hold points past the kills stop at the arrays' ends.
    gallery_count = 1000;
    gallery_index = GALLERY_MAX_WAVES - 1;
    for (int& p : gallery_pause) p = 0;
    targets_killed = 5;
    gallery_paused = false;
    gallery_pause_count = 0;
    gallery_timer = 0;
    Tick(10);
    Tick(10);
    EXPECT_EQ(gallery_pause_count, GALLERY_MAX_PAUSES);
    EXPECT_FALSE(gallery_paused);
    EXPECT_TRUE(gallery_finished);
    EXPECT_EQ(gallery_index, GALLERY_MAX_WAVES);
}

TEST_F(Gallery, KillsThatStepOverAHoldPointDoNotStallTheWaves) {
    Enter(8);  // holds after 3, 4 and 6 waves
    gallery_index = 3;
    targets_killed = 2;
    gallery_timer = Now() + 100000;
    Tick(10);
    EXPECT_TRUE(gallery_paused);
    targets_killed = 5;  // two deaths in one tick counted at once
    Tick(10);
    EXPECT_EQ(gallery_pause_count, 2);
    EXPECT_FALSE(gallery_paused);
}

} // namespace
