// Player statistics, experience and ranks, healing and the set-up of a new game.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "combat/combat.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_hud.h"
#include "hud/derived_state.h"
#include "hud/gauges.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "hud/weapons.h"
#include "main/front_end.h"
#include "main/messages.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "support/work_dir.h"
#include "world/world_clock.h"

namespace {

constexpr int P = 3;  // the player sprite

class HudStats : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        platform::SetRecordMessageBoxes(true);
        game_mode = MODE_WALK;
        ply_dead = false;
        player_type = 0;
        p1_id = P;
        no_sprites = P + 1;
        sprite[P].type = 46;
        sprite[P].score = 60;
        health_width = 0.6f;
        exp_width = 0.75f;
        hud[5].width = health_width;
        hud[38].width = exp_width;
        New_Character();
    }
    void TearDown() override { Free_Records(); }

    // The values Init_Player gives a fresh character, without touching any save slot.
    static void New_Character() {
        current_file = -1;
        stat_strength = 0;
        Init_Player();
        sprite[P].score = PLY_VITALITY;
    }

    // Wears item `code` (a slot code) of model `model`, level `level`, special `special` in `slot`.
    static void Wear(int slot, int code, int model, int level, int special) {
        player_inv[slot] = code;
        player_inv_value[slot] = model;
        player_inv_value1[slot] = level;
        player_inv_value2[slot] = special;
        if (code == SLOT_HELMET) current_helmet = slot;
        if (code == SLOT_BOXERS) current_boot = slot;
        if (code == SLOT_MEDAL) current_medal = slot;
    }
};

TEST_F(HudStats, NewGameGivesTheBaseValues) {
    EXPECT_EQ(PLY_ACCURACY, 18);
    EXPECT_EQ(PLY_STRENGTH, 40);
    EXPECT_EQ(PLY_VITALITY, 60);
    EXPECT_EQ(PLY_AGILITY, 572);
    EXPECT_EQ(PLY_RIFLE_SKILL, 8);
    EXPECT_EQ(PLY_PISTOL_SKILL, 0);
    EXPECT_EQ(PLY_XP_PERCENT, 0);
    EXPECT_EQ(PLY_GOLD_PERCENT, 0);
    EXPECT_EQ(PLY_REGENERATE, 0);
    EXPECT_EQ(PLY_DEFENSE, 0);
    EXPECT_FLOAT_EQ(stat_fire_defense, 1.0f);
    EXPECT_FLOAT_EQ(ply_speed, 0.00038f);
    EXPECT_EQ(stat_max_life, 60);
    EXPECT_EQ(player_exp_level, 750);
    EXPECT_EQ(player_rank, 1);
    EXPECT_EQ(buddy_cur_health, 40);
    EXPECT_EQ(current_weapon, -1);
    EXPECT_EQ(current_gold, -1);
    EXPECT_EQ(hours, 8);
    EXPECT_EQ(current_main, 1);
    EXPECT_FLOAT_EQ(player_health, 60.0f);
    EXPECT_TRUE(has_water);
    EXPECT_GE(shop_special1, 0);
    EXPECT_LT(shop_special1, 5);
}

TEST_F(HudStats, InitPlayerClearsTheProgressOfTheLastGame) {
    player_inv[4] = GOLD;
    global_objects[90] = 1;
    global_medals[47] = 1;
    main_mission[24] = 3;
    st_heart = st_exp = st_gold = 3;
    player_kill_count = 9;
    player_experience = 500;
    player_rank = 7;
    New_Character();
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(global_objects[90], 0);
    EXPECT_EQ(global_medals[47], 0);
    EXPECT_EQ(main_mission[24], 0);
    EXPECT_EQ(st_heart + st_exp + st_gold, 0);
    EXPECT_EQ(player_kill_count, 0);
    EXPECT_EQ(player_experience, 0);
    EXPECT_EQ(player_rank, 1);
    EXPECT_EQ(PLY_VITALITY, 60);
}

TEST_F(HudStats, InitPlayerWritesANewSlotAndReadsItBack) {
    Work_Dir dir("varnoth_stats");
    std::filesystem::create_directories("data/save");
    current_file = 2;
    current_new_game = 1;
    Init_Player();
    EXPECT_EQ(current_new_game, 0);
    ASSERT_TRUE(std::filesystem::exists("data/save/savefile2.sav"));

    // A loaded game takes the slot's progress.
    player_rank = 9;
    current_file = 2;
    current_new_game = 0;
    Init_Player();
    EXPECT_EQ(player_rank, 1);
    EXPECT_EQ(current_new_game, 0);
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
}

TEST_F(HudStats, PerksSetHealthAndPercentages) {
    struct row {
        int level, vitality, percent;
    };
    for (row r : {row{0, 60, 0}, row{1, 70, 10}, row{2, 90, 15}, row{3, 120, 25}, row{7, 120, 25},
                  row{-2, 60, 0}}) {
        st_heart = st_exp = st_gold = r.level;
        Calculate_Stats();
        EXPECT_EQ(PLY_VITALITY, r.vitality) << "level " << r.level;
        EXPECT_EQ(PLY_XP_PERCENT, r.percent) << "level " << r.level;
        EXPECT_EQ(PLY_GOLD_PERCENT, r.percent) << "level " << r.level;
    }
}

TEST_F(HudStats, WornEquipmentAddsItsBonuses) {
    // Boxers level 1 (defence value 10) of model 3 with the special: health +10, then +5 %.
    Wear(0, SLOT_BOXERS, 3, 1, 1);
    // Headwear level 2 (value 6) of model 4 with the special: defence 6 + 4.
    Wear(1, SLOT_HELMET, 4, 2, 1);
    stat_defense_base = 3;
    Calculate_Stats();
    EXPECT_EQ(PLY_VITALITY, 70 + 3);  // 5 % of 70 is 3.5, truncated
    EXPECT_EQ(PLY_DEFENSE, 13);
    EXPECT_EQ(stat_defense, 13);

    // A fire vest (model 0) with the special cuts fire damage.
    Wear(1, SLOT_HELMET, 0, 0, 1);
    Calculate_Stats();
    EXPECT_FLOAT_EQ(stat_fire_defense, 0.75f);
    EXPECT_EQ(PLY_DEFENSE, 2 + 3);

    // Taken off: back to the base values.
    current_boot = current_helmet = -1;
    Calculate_Stats();
    EXPECT_EQ(PLY_VITALITY, 60);
    EXPECT_FLOAT_EQ(stat_fire_defense, 1.0f);
    EXPECT_EQ(PLY_DEFENSE, 3);
}

TEST_F(HudStats, AMedalReplacesTheBonusOfItsKind) {
    struct row {
        int kind, value;
        int accuracy, agility, rifle, pistol, regenerate, defense, vitality;
    };
    const row rows[] = {
        {0, 4, 18, 572, 8, 0, 0, 4, 60},     {1, 10, 18, 572, 8, 0, 0, 0, 66},
        {2, 5, 23, 572, 8, 0, 0, 0, 60},     {3, 2, 18, 572, 8, 6, 0, 0, 60},
        {4, 2, 18, 572, 14, 0, 0, 0, 60},    {7, 1, 18, 575, 8, 0, 0, 0, 60},
        {8, 50, 18, 572, 8, 0, 35, 0, 60},   {9, 20, 18, 572, 8, 0, 0, 0, 60},
        {12, 20, 18, 572, 8, 0, 0, 0, 60},   {-1, 20, 18, 572, 8, 0, 0, 0, 60},
    };
    for (const row& r : rows) {
        Wear(5, SLOT_MEDAL, r.value, r.kind, 0);
        Calculate_Stats();
        EXPECT_EQ(PLY_ACCURACY, r.accuracy) << "kind " << r.kind;
        EXPECT_EQ(PLY_AGILITY, r.agility) << "kind " << r.kind;
        EXPECT_EQ(PLY_RIFLE_SKILL, r.rifle) << "kind " << r.kind;
        EXPECT_EQ(PLY_PISTOL_SKILL, r.pistol) << "kind " << r.kind;
        EXPECT_EQ(PLY_REGENERATE, r.regenerate) << "kind " << r.kind;
        EXPECT_EQ(PLY_DEFENSE, r.defense) << "kind " << r.kind;
        EXPECT_EQ(PLY_VITALITY, r.vitality) << "kind " << r.kind;
        EXPECT_EQ(PLY_XP_PERCENT, 0) << "the experience medal reaches no percentage";
    }
    // A defence medal takes the place of the headwear's defence.
    Wear(1, SLOT_HELMET, 1, 4, 0);  // value 10
    Wear(5, SLOT_MEDAL, 3, 0, 0);
    Calculate_Stats();
    EXPECT_EQ(PLY_DEFENSE, 3);
}

TEST_F(HudStats, StaleEquipmentSlotsAreNotRead) {
    current_helmet = 40;
    current_boot = -7;
    current_medal = 2;  // the slot holds no medal
    player_inv[2] = GOLD;
    player_inv_value[2] = 500;
    current_weapon = 99;
    GUN_FIREPOWER = 12;
    Calculate_Stats();
    EXPECT_EQ(PLY_VITALITY, 60);
    EXPECT_EQ(PLY_DEFENSE, 0);
    EXPECT_EQ(GUN_FIREPOWER, 0);  // nothing equipped
}

TEST_F(HudStats, FirepowerFollowsTheEquippedWeapon) {
    stat_rifle_skill = 4;  // rifle skill 3 * 4 + 8 = 20
    stat_pistol_skill = 4; // pistol skill 12
    player_inv[6] = SLOT_RIFLE_LEFT;
    player_inv[7] = SLOT_RIFLE_RIGHT;
    current_weapon = 7;
    GUN_FIREPOWER = 10;
    Calculate_Stats();
    EXPECT_EQ(stat_firepower, 20 / 4 + 10);
    EXPECT_EQ(PLY_FIREPOWER, 10);

    player_inv[2] = SLOT_PISTOL;
    current_weapon = 2;
    Calculate_Stats();
    EXPECT_EQ(stat_firepower, 12 / 4 + 10);

    // The machine gun gains the ice perk.
    has_machine_equipped = true;
    st_ice = 2;
    player_inv[2] = SLOT_MACHINEGUN_RIGHT;
    Calculate_Stats();
    EXPECT_EQ(PLY_FIREPOWER, 12);

    // The maximum-health card prize.
    global_objects[90] = 1;
    Calculate_Stats();
    EXPECT_EQ(PLY_VITALITY, 100);
    EXPECT_EQ(stat_max_life, 100);
}

TEST_F(HudStats, PercentHelpersTruncate) {
    EXPECT_EQ(Plus_Life_Percent(75, 10), 7);
    EXPECT_EQ(Plus_Life_Percent(-75, 10), -7);
    PLY_GOLD_PERCENT = 15;
    EXPECT_EQ(Plus_Gold_Percent(99), 14);
    EXPECT_EQ(Plus_Gold_Percent(0), 0);
}

TEST_F(HudStats, ExperienceBonusIsAtLeastOne) {
    st_exp = 1;
    Calculate_Stats();
    ASSERT_EQ(PLY_XP_PERCENT, 10);
    Calculate_Exp(P, 5);  // 0.5 raised to 1
    EXPECT_EQ(player_experience, 6);
    Calculate_Exp(P, 100);  // 10 more
    EXPECT_EQ(player_experience, 116);
    EXPECT_FLOAT_EQ(hud[38].width, 116 * 0.75f / 750);
}

TEST_F(HudStats, RankUpLosesTheSurplusAndGrowsTheLevel) {
    player_experience = 700;
    sprite[P].score = 10;
    Calculate_Exp(-1, 100);
    EXPECT_EQ(player_rank, 2);
    EXPECT_EQ(level_up_points, 1);
    EXPECT_EQ(player_experience, 0);
    EXPECT_EQ(player_exp_level, 843);
    EXPECT_TRUE(promo_sfx);
    EXPECT_EQ(sprite[P].score, PLY_VITALITY);  // healed in full
    EXPECT_EQ(fireworks, P);
    EXPECT_EQ(fireworks_type, 2);
    EXPECT_FLOAT_EQ(hud[38].width, 0.0f);

    // At most one rank per call, whatever the amount.
    Calculate_Exp(-1, 100000);
    EXPECT_EQ(player_rank, 3);
    EXPECT_EQ(player_exp_level, 948);
}

TEST_F(HudStats, ExperienceLevelStopsAt2500) {
    struct row {
        int before, after;
    };
    for (row r : {row{750, 843}, row{948, 1066}, row{2222, 2499}, row{2400, 2500}, row{2500, 2500}}) {
        player_exp_level = r.before;
        player_experience = r.before - 1;
        Calculate_Exp(-1, 1);
        EXPECT_EQ(player_exp_level, r.after) << "from " << r.before;
    }
}

TEST_F(HudStats, NoRankUpForADeadOrMissingPlayer) {
    ply_dead = true;
    Calculate_Exp(-1, 1000);
    EXPECT_EQ(player_experience, 0);
    EXPECT_EQ(player_rank, 1);

    ply_dead = false;
    sprite[P].score = 0;  // dying this frame
    Calculate_Exp(-1, 1000);
    EXPECT_EQ(player_experience, 1000);
    EXPECT_EQ(player_rank, 1);

    p1_id = -1;
    sprite[P].score = 10;
    Calculate_Exp(-1, 1);
    EXPECT_EQ(player_rank, 1);
    EXPECT_EQ(player_experience, 1001);
}

TEST_F(HudStats, AZeroExperienceLevelDoesNotDivide) {
    player_exp_level = 0;
    player_experience = -5;
    p1_id = -1;
    Calculate_Exp(-1, 1);
    EXPECT_FLOAT_EQ(hud[38].width, 0.0f);
}

TEST_F(HudStats, HealingIsCappedAtTheMaximum) {
    sprite[P].score = 30;
    Calculate_Health(20);
    EXPECT_EQ(sprite[P].score, 50);
    EXPECT_FLOAT_EQ(player_health, 50.0f);
    Calculate_Health(500);
    EXPECT_EQ(sprite[P].score, 60);
    Calculate_Health(-15);
    EXPECT_EQ(sprite[P].score, 45);
    EXPECT_FLOAT_EQ(hud[5].width, 45 * 0.6f / 60);

    // Another side or no player: nothing changes.
    player_type = 1;
    Calculate_Health(10);
    EXPECT_EQ(sprite[P].score, 45);
    player_type = 0;
    p1_id = -1;
    Calculate_Health(10);
    EXPECT_EQ(sprite[P].score, 45);
}

TEST_F(HudStats, StartGameRequestsTheOpening) {
    hud[2].alpha = 1.0f;
    Start_Game();
    EXPECT_EQ(go_ahead, 2);
    EXPECT_TRUE(new_game);
    EXPECT_EQ(fade_out, 5);
    EXPECT_TRUE(cutscene);
    EXPECT_EQ(spawn_episode, 2);
    EXPECT_EQ(spawn_scene, 0);
    EXPECT_EQ(current_spawn, -1);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
}

}  // namespace
