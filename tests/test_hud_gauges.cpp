// HUD gauges: life and experience bars, the face, the enemy bar, the target arrow and the cursor.
#include <gtest/gtest.h>

#include <cmath>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_hud.h"
#include "hud/gauges.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"

namespace {

constexpr int P = 2;

class HudGauges : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        game_mode = MODE_WALK;
        ply_dead = false;
        reloading = false;
        next_weapon = -1;
        quit_active = false;
        player_type = 0;
        p1_id = P;
        PLY_VITALITY = 60;
        health_width = 0.6f;
        exp_width = 0.5f;
        player_experience = 0;
        player_exp_level = 750;
        camX = camY = 0.0f;
        arrow_point = -1;
        Level = 0;
        for (int i = 0; i < MAX_HUD; i++) hud[i].anim = -1;
    }
    void TearDown() override { Free_Records(); }

    static void Unit(int i, int sector, int rank, int score, int type = UNT) {
        sprite[i].type = type;
        sprite[i].sector = sector;
        sprite[i].rank = rank;
        sprite[i].score = score;
    }
};

TEST_F(HudGauges, LifeBarFollowsHealth) {
    struct row {
        int health;
        float width;
        int anim;
        float alpha;
    };
    for (row r : {row{60, 0.6f, 14, 1.0f}, row{21, 0.21f, 14, 1.0f}, row{20, 0.2f, 15, 1.0f},
                  row{90, 0.6f, 14, 1.0f}, row{-5, -0.05f, 15, 0.0f}}) {
        hud[5].alpha = 1.0f;
        hud[5].anim = -1;
        sprite[P].score = r.health;
        Calculate_Lifebar();
        EXPECT_NEAR(hud[5].width, r.width, 1e-6) << "health " << r.health;
        EXPECT_EQ(hud[5].anim, r.anim) << "health " << r.health;
        EXPECT_EQ(hud[5].anim_state, ANIM_LOOP);
        EXPECT_FLOAT_EQ(hud[5].alpha, r.alpha) << "health " << r.health;
    }
    // Health above a lowered maximum is cut to it.
    sprite[P].score = 90;
    Calculate_Lifebar();
    EXPECT_EQ(sprite[P].score, 60);
    // A health of 0 keeps the bar's animation.
    hud[5].anim = 14;
    sprite[P].score = 0;
    Calculate_Lifebar();
    EXPECT_EQ(hud[5].anim, 14);
    EXPECT_FLOAT_EQ(hud[5].width, 0.0f);
}

TEST_F(HudGauges, BarsSurviveZeroMaximaAndAMissingPlayer) {
    PLY_VITALITY = 0;
    sprite[P].score = 0;
    player_exp_level = 0;
    Calculate_Lifebar();
    EXPECT_FLOAT_EQ(hud[5].width, 0.0f);
    EXPECT_FLOAT_EQ(hud[38].width, 0.0f);

    p1_id = -1;
    player_exp_level = 750;
    player_experience = 375;
    hud[5].width = 0.33f;
    Calculate_Lifebar();
    EXPECT_FLOAT_EQ(hud[5].width, 0.33f);  // no player: only the experience bar
    EXPECT_FLOAT_EQ(hud[38].width, 0.25f);
}

TEST_F(HudGauges, FaceShowsHealthAndWhatThePlayerDoes) {
    struct row {
        int health, vitality, status;
        bool dead, reload;
        int anim, mode;
    };
    const row rows[] = {
        {50, 60, 3, false, false, 1, ANIM_LOOP},       // idle, healthy
        {25, 60, 27, false, false, 7, ANIM_LOOP},      // hurt
        {15, 60, 71, false, false, 13, ANIM_LOOP},     // badly hurt
        {25, 0, 3, false, false, 1, ANIM_LOOP},        // no maximum: no band
        {15, 0, 3, false, false, 1, ANIM_LOOP},
        {0, 60, 3, false, false, 13, ANIM_LOOP},
        {50, 60, 21, false, false, 2, ANIM_ONCE_HOLD},
        {50, 60, 63, false, false, 3, ANIM_ONCE_HOLD},
        {0, 60, 30, true, false, 17, ANIM_ONCE_HOLD},  // dead
        {50, 60, 56, false, false, 5, ANIM_ONCE_HOLD},
        {50, 60, 3, false, true, 4, ANIM_LOOP},        // reloading overrides
        {50, 60, 21, false, true, 4, ANIM_LOOP},
    };
    for (const row& r : rows) {
        hud[4].anim = -1;
        sprite[P].score = r.health;
        sprite[P].status = r.status;
        PLY_VITALITY = r.vitality;
        ply_dead = r.dead;
        reloading = r.reload;
        Hud_Face_Unit(P, -1);
        EXPECT_EQ(hud[4].anim, r.anim) << "health " << r.health << " status " << r.status;
        EXPECT_EQ(hud[4].anim_state, r.mode) << "health " << r.health << " status " << r.status;
    }
    // A pending weapon switch shows the reload face; no status match leaves the face.
    reloading = false;
    ply_dead = false;
    next_weapon = 4;
    sprite[P].score = 50;
    sprite[P].status = 0;
    Hud_Face_Unit(P, -1);
    EXPECT_EQ(hud[4].anim, 4);
    next_weapon = -1;
    hud[4].anim = 9;
    Hud_Face_Unit(P, -1);
    EXPECT_EQ(hud[4].anim, 9);
    // Only the player's face.
    sprite[5].status = 3;
    Hud_Face_Unit(5, -1);
    EXPECT_EQ(hud[4].anim, 9);
}

TEST_F(HudGauges, FullHealthByKind) {
    struct row {
        int type, sector, rank, on_death, level, full;
    };
    const row rows[] = {
        {UNT, 0, 4, 0, 0, 80},
        {UNT, CHIEF, 3, 0, 0, 90},
        {UNT, UNIT_DEAD_CHIEF, 1, 0, 0, 30},
        {UNT, UNIT_BIRD, 5, 0, 0, 10},
        {UNT, UNIT_SHOTGUN, 5, 0, 0, 100},
        {UNT, UNIT_SHOTGUN, 5, 0, LVL_DUNGEON, 1000},
        {UNT, MONKEY, 5, 0, 0, 10},
        {UNT, DOG, 5, 0, 0, 10},
        {UNT, UNIT_BOSS, 5, 0, 0, 100},
        {UNT, BOMBER, 3, 2, 0, 180},
        {UNT, UNIT_MORTAR, 3, 3, 0, 50},
        {UNT, UNIT_MORTAR, 3, 0, 0, 60},
        {UNT, UNIT_VEHICLE, 3, 0, 0, 75},
        {BAG, 0, 0, 0, 0, 40},
        {BAG, UNIT_BARREL, 0, 0, 0, 1},
        {BAG, UNIT_ARMOUR_TANK, 0, 0, 0, 50},
        {BAG, UNIT_ARMOUR_TURRET, 0, 0, 0, 35},
        {BAG, SIGNPOST, 0, 0, 0, 20},
        {BAG, UNIT_BOSS, 0, 0, 0, 100},
        {BAG, SEAGULL, 0, 0, 0, 1},
        {BAG, SEAGULL2, 0, 0, 0, 1},
        {7, UNIT_VEHICLE, 0, 0, 0, 75},
        {7, 0, 4, 0, 0, 0},
    };
    for (const row& r : rows) {
        Unit(1, r.sector, r.rank, 10, r.type);
        sprite[1].onDeath_action = r.on_death;
        Level = r.level;
        EXPECT_EQ(Calculate_TotalScore(1), r.full) << "type " << r.type << " sector " << r.sector;
    }
    EXPECT_EQ(Calculate_TotalScore(-1), 0);
    EXPECT_EQ(Calculate_TotalScore(MAX_SPRITES), 0);
}

TEST_F(HudGauges, EnemyBarRatioAndColour) {
    Unit(1, 0, 5, 100);  // full 100
    EXPECT_FLOAT_EQ(Calculate_Emybar(1), 1.0f);
    EXPECT_EQ(hud[45].anim, 14);
    sprite[1].score = 34;
    EXPECT_FLOAT_EQ(Calculate_Emybar(1), 100.0f / 34.0f);
    EXPECT_EQ(hud[45].anim, 14);
    sprite[1].score = 33;  // 100 / 3 = 33: low
    Calculate_Emybar(1);
    EXPECT_EQ(hud[45].anim, 15);
    sprite[1].score = 0;
    EXPECT_FLOAT_EQ(Calculate_Emybar(1), 0.0f);
    sprite[1].score = -20;
    EXPECT_FLOAT_EQ(Calculate_Emybar(1), 0.0f);
    EXPECT_FLOAT_EQ(Calculate_Emybar(-3), 0.0f);
    EXPECT_FLOAT_EQ(Calculate_Emybar(MAX_SPRITES + 4), 0.0f);
}

TEST_F(HudGauges, TargetArrowNeedsDistance) {
    hud[56].width = 0.1f;
    hud[56].height = 0.2f;
    object& t = sprite[9];
    arrow_point = 9;  // a box of no size: its centre is its corner
    // Node distance is half the summed coordinate differences: 0.72 across is 0.36 away.
    t.w = 0.72f;
    t.z = 0.0f;
    hud[56].alpha = 1.0f;
    Calculate_Target_Arrow();
    EXPECT_FLOAT_EQ(hud[56].alpha, 0.0f);
    t.w = 0.74f;  // 0.37 away
    Calculate_Target_Arrow();
    EXPECT_FLOAT_EQ(hud[56].alpha, 1.0f);
    EXPECT_NEAR(hud[56].angle, 0.0f, 1e-4);
    EXPECT_NEAR(hud[56].x, 1.0f / 1.9f - 0.05f, 1e-5);
    EXPECT_NEAR(hud[56].y, -0.1f, 1e-5);

    // Straight below the camera centre, with the camera moved: angle -pi/2 turns positive.
    camX = -1.0f;
    camY = -1.0f;  // centre (1, 1)
    t.w = 1.0f;
    t.z = 0.0f;
    Calculate_Target_Arrow();
    EXPECT_FLOAT_EQ(hud[56].alpha, 1.0f);
    EXPECT_NEAR(hud[56].angle, -1.5707964f * 180.0f / 3.14f + 360.0f, 1e-3);
    EXPECT_NEAR(hud[56].y, -1.0f / 1.9f - 0.1f, 1e-5);

    // The quit box or a bad target hides it.
    quit_active = true;
    Calculate_Target_Arrow();
    EXPECT_FLOAT_EQ(hud[56].alpha, 0.0f);
    quit_active = false;
    arrow_point = MAX_SPRITES;
    hud[56].alpha = 1.0f;
    Calculate_Target_Arrow();
    EXPECT_FLOAT_EQ(hud[56].alpha, 0.0f);
}

TEST_F(HudGauges, CursorSitsOnTheMouse) {
    hud1width = 0.12f;
    hud1height = 0.06f;
    real_mouseX = 0.5f;
    real_mouseY = -0.25f;
    for (int anim : {0, 1, 6, 7}) {
        hud[1].anim = anim;
        UpdateMouseCursor();
        EXPECT_FLOAT_EQ(hud[1].x, 0.5f - 0.06f + 0.02f) << "pointer " << anim;
        EXPECT_FLOAT_EQ(hud[1].y, -0.25f - 0.03f - 0.01f) << "pointer " << anim;
        EXPECT_FLOAT_EQ(hud[1].w, 0.5f - 0.06f);
        EXPECT_FLOAT_EQ(hud[1].z, -0.25f - 0.03f);
    }
    hud[1].anim = 3;  // not a pointer shape: centred
    UpdateMouseCursor();
    EXPECT_FLOAT_EQ(hud[1].x, 0.44f);
    EXPECT_FLOAT_EQ(hud[1].y, -0.28f);
    EXPECT_FLOAT_EQ(hud[1].width, 0.12f);
    EXPECT_FLOAT_EQ(hud[1].height, 0.06f);
}

}  // namespace
