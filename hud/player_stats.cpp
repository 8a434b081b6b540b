// The player's derived values, experience and ranks, healing, and the set-up of a game.
#include "hud/player_stats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "camp/albums.h"
#include "camp/camp.h"
#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/save_slots.h"
#include "content/scene_hud.h"
#include "content/scene_loader.h"
#include "hud/derived_state.h"
#include "hud/gauges.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/missions.h"
#include "hud/weapons.h"
#include "main/front_end.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/scene_transition.h"
#include "world/animate.h"
#include "world/world_clock.h"

namespace {

// Bonus kinds of a worn medal (its player_inv_value1).
enum : int {
    BONUS_DEFENSE = 0,
    BONUS_LIFE = 1,
    BONUS_ACCURACY = 2,
    BONUS_PISTOL = 3,
    BONUS_RIFLE = 4,
    BONUS_FIREPOWER = 5,
    BONUS_GOLD = 6,
    BONUS_AGILITY = 7,
    BONUS_REGENERATION = 8,
    BONUS_EXPERIENCE = 9,
    BONUS_KINDS = 10
};

// Percentages of the experience and gold perks by level 0 to 3.
constexpr int PERK_PERCENT[4] = {0, 10, 15, 25};

int Perk_Percent(int level) {
    if (level < 0) level = 0;
    if (level > 3) level = 3;
    return PERK_PERCENT[level];
}

// Maximum-health bonus of the heart perk by level: 0, 10, 30, 60.
int Heart_Vitality() {
    int v = 0;
    if (st_heart > 0) v += 10;
    if (st_heart > 1) v += 20;
    if (st_heart > 2) v += 30;
    return v;
}

// The slot an equipment global names when it is a slot and holds an item of that kind.
int Worn_Slot(int slot, int code) {
    if (slot < 0 || slot >= 16) return -1;
    return player_inv[slot] == code ? slot : -1;
}

bool Player_Exists() { return p1_id >= 0 && p1_id < MAX_SPRITES && sprite != nullptr; }

void Size_Experience_Bar() {
    if (!hud) return;
    hud[HUD_EXPBAR].width =
        player_exp_level > 0 ? (float)player_experience * exp_width / (float)player_exp_level : 0.0f;
}

}  // namespace

int Plus_Gold_Percent(int amount) { return (int)((float)amount / 100.0f * (float)PLY_GOLD_PERCENT); }

int Plus_Life_Percent(int amount, int percent) { return (int)((float)amount / 100.0f * (float)percent); }

void Reset_Shop_Specials() {
    shop_special1 = rand() % 5;
    shop_special2 = rand() % 5;
    shop_special3 = rand() % 5;
    shop_special4 = rand() % 5;
}

void Calculate_Stats() {
    Trace_Call("Calculate_Stats");
    int bonus[BONUS_KINDS] = {};
    int health_bonus = 0;

    stat_fire_defense = 1.0f;
    stat_vitality = Heart_Vitality();

    const int boots = Worn_Slot(current_boot, SLOT_BOXERS);
    if (boots != -1) {
        health_bonus = (int)GetItemDefense(boots);
        if (player_inv_value2[boots] == 1 && player_inv_value[boots] == 3) bonus[BONUS_LIFE] += 5;
    }
    const int helmet = Worn_Slot(current_helmet, SLOT_HELMET);
    if (helmet != -1) {
        bonus[BONUS_DEFENSE] = (int)GetItemDefense(helmet);
        if (player_inv_value2[helmet] == 1) {
            switch (player_inv_value[helmet]) {
                case 0: stat_fire_defense = 0.75f; break;
                case 1: bonus[BONUS_GOLD] = 15; break;
                case 3: bonus[BONUS_LIFE] += 5; break;
                case 4: bonus[BONUS_DEFENSE] += 4; break;
                default: break;  // model 2: thorns, kept by the derived inventory state
            }
        }
    }
    // A medal's value takes the place of whatever its kind had gathered so far.
    const int medal = Worn_Slot(current_medal, SLOT_MEDAL);
    if (medal != -1) {
        const int kind = player_inv_value1[medal];
        if (kind >= 0 && kind < BONUS_KINDS) bonus[kind] = player_inv_value[medal];
    }

    PLY_ACCURACY = bonus[BONUS_ACCURACY] + stat_accuracy;
    PLY_STRENGTH = 2 * (bonus[BONUS_ACCURACY] + stat_strength) + 40;
    PLY_VITALITY = health_bonus + stat_vitality + 60;
    PLY_AGILITY = 3 * (bonus[BONUS_AGILITY] + stat_agility) + 500;
    PLY_RIFLE_SKILL = 3 * (bonus[BONUS_RIFLE] + stat_rifle_skill) + 8;
    PLY_PISTOL_SKILL = 3 * (bonus[BONUS_PISTOL] + stat_pistol_skill);
    PLY_REGENERATE = bonus[BONUS_REGENERATION];
    // The experience and gold bonuses land here first; the perk percentages replace them.
    PLY_XP_PERCENT = bonus[BONUS_EXPERIENCE];
    PLY_GOLD_PERCENT = bonus[BONUS_GOLD];
    PLY_XP_PERCENT = Perk_Percent(st_exp);
    PLY_GOLD_PERCENT = Perk_Percent(st_gold);

    if (bonus[BONUS_LIFE] != 0) PLY_VITALITY += Plus_Life_Percent(PLY_VITALITY, bonus[BONUS_LIFE]);
    if (PLY_REGENERATE > 34) PLY_REGENERATE = 35;
    if (global_objects[90] == 1) PLY_VITALITY += 40;
    stat_max_life = PLY_VITALITY;

    const int weapon = (current_weapon >= 0 && current_weapon < 16) ? player_inv[current_weapon] : 0;
    if (weapon >= SLOT_RIFLE_LEFT && weapon <= RIFLE_EQUIPPED)
        stat_firepower = PLY_RIFLE_SKILL / 4 + GUN_FIREPOWER;
    else if (weapon == SLOT_PISTOL || weapon == PISTOL_EQUIPPED)
        stat_firepower = PLY_PISTOL_SKILL / 4 + GUN_FIREPOWER;
    else if (current_weapon < 0 || current_weapon >= 16)
        GUN_FIREPOWER = 0;
    stat_firepower += bonus[BONUS_FIREPOWER];

    PLY_FIREPOWER = GUN_FIREPOWER;
    if (has_machine_equipped) PLY_FIREPOWER += st_ice;

    stat_defense = bonus[BONUS_DEFENSE] + stat_defense_base;
    PLY_DEFENSE = stat_defense;
    ply_speed = 0.00038f;
    Calculate_Lifebar();
}

void Calculate_Exp(int /*killer*/, int experience) {
    if (PLY_XP_PERCENT > 0) {
        float extra = (float)experience / 100.0f * (float)PLY_XP_PERCENT;
        if (extra < 1.0f) extra = 1.0f;
        experience += (int)extra;
    }
    if (!ply_dead) player_experience += experience;

    if (Player_Exists() && player_experience >= player_exp_level && !ply_dead &&
        sprite[p1_id].score > 0) {
        promo_sfx = true;
        player_rank++;
        level_up_points++;
        stat_vitality = Heart_Vitality();
        Calculate_Stats();
        sprite[p1_id].score = PLY_VITALITY;
        player_health = (float)PLY_VITALITY;
        Medal_Awarded(2);
        Calculate_Lifebar();
        player_experience = 0;
        player_exp_level = (int)((float)player_exp_level * 1.125f);
        if (player_exp_level > MAX_EXP_LEVEL) player_exp_level = MAX_EXP_LEVEL;
    }
    Size_Experience_Bar();
}

void Calculate_Health(int amount) {
    if (Player_Exists() && player_type == 0) {
        object& p = sprite[p1_id];
        p.score += amount;
        if (p.score > PLY_VITALITY) p.score = PLY_VITALITY;
        player_health = (float)p.score;
    }
    Calculate_Lifebar();
}

void Init_Player() {
    Trace_Call("Init_Player");
    if (hud) {
        health_width = hud[HUD_LIFEBAR].width;
        exp_width = hud[HUD_EXPBAR].width;
    }

    std::memset(player_inv, 0, sizeof player_inv);
    std::memset(player_inv_value, 0, sizeof player_inv_value);
    std::memset(player_inv_value1, 0, sizeof player_inv_value1);
    std::memset(player_inv_value2, 0, sizeof player_inv_value2);
    std::memset(global_objective, 0, sizeof global_objective);
    std::memset(global_side_objective, 0, sizeof global_side_objective);
    std::memset(global_objects, 0, sizeof global_objects);
    std::memset(tent_objects, 0, sizeof tent_objects);
    std::memset(global_cards, 0, sizeof global_cards);
    card_queue_count = 0;  // no card of an earlier game waits for the album
    std::memset(global_medals, 0, sizeof global_medals);
    std::memset(main_mission, 0, sizeof main_mission);
    std::memset(shop_sold, 0, sizeof shop_sold);
    for (int& b : current_buddy) b = -1;

    hours = 8;
    minutes = 0;
    Reset_Shop_Specials();
    Reset_Specials();
    shop_id = 0;

    stat_rifle_skill = 0;
    stat_pistol_skill = 0;
    stat_firepower = 0;
    stat_accuracy = 18;
    stat_vitality = 0;
    stat_agility = 24;
    stat_defense_base = 0;
    stat_max_life = 60;
    st_heart = st_fire_rounds = st_gallery = st_regen = st_gas = 0;
    st_gold = st_exp = st_kill = st_ice = st_blank = 0;

    cycle_episode = -1;
    cycle_scene = -1;
    cycle_spawn = 0;
    activate_bicycle = false;
    current_song = 0;
    current_healthkit = 0;
    mission_training_is_done = false;
    current_weapon = current_helmet = current_boot = current_grenade = current_medal = -1;
    no_buddies = 0;
    has_been_paid = false;
    has_water = true;
    new_mission = 5;
    current_main = 1;
    player_kill_count = player_death_count = player_knife_count = player_msg_count = 0;
    player_crate_count = player_walked = player_miles = 0;
    player_hours = player_minutes = player_seconds = 0;
    player_soldier_kill_count = player_chief_kill_count = player_mortar_kill_count = 0;
    player_dog_kill_count = player_scout_kill_count = player_ss_kill_count = 0;
    player_zombie_kill_count = 0;
    current_gold = -1;
    current_scrap = 0;
    current_act = 1;
    current_spawn = -1;
    current_ladder_sector = -1;
    current_ladder_spawn = -1;
    mission = 0;
    mission_objective = -1;
    lock_player = false;
    on_a_mission = false;
    no_lights_on = 0;
    total_no_bottles = 0;
    has_all_cards = false;
    has_all_furniture = false;
    pigeon_finished = false;

    PLY_XP_PERCENT = 0;
    player_experience = 0;
    player_exp_level = 750;
    buddy_experience = 0;
    buddy_exp_level = 750;
    player_max_health = 120;
    level_up_points = 0;
    old_level = 0;
    buddy_rank = 1;
    player_rank = 1;
    buddy_cur_health = 10 * buddy_rank + 30;

    if (current_file != -1) {
        sString name{};
        std::snprintf(name.s, sizeof name.s, "data/save/savefile%i", current_file);
        if (current_new_game == 1)
            SaveLevel(name);
        else
            LoadLevel(name, false);
    }
    current_new_game = 0;

    PLY_VITALITY = stat_vitality + 60;
    old_health = PLY_VITALITY;
    player_health = (float)PLY_VITALITY;
    Calculate_Stats();
}

void Start_Game() {
    go_ahead = 2;
    new_game = true;
    fade_out = 5;
    cutscene = true;
    spawn_episode = 2;
    spawn_scene = 0;
    current_spawn = -1;
    if (hud) hud[2].alpha = 0.0f;
}
