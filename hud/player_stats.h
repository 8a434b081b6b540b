// The player's derived fighting values, experience and ranks, and the set-up of a new or
// loaded game. The values in capitals are recomputed from the base statistics, perks and
// worn equipment by Calculate_Stats.
#pragma once

// ---- Base statistics, perks and experience (saved with the game) ----
inline int stat_rifle_skill = 0, stat_pistol_skill = 0, stat_firepower = 0, stat_accuracy = 0;
inline int stat_vitality = 0, stat_agility = 0, stat_defense_base = 0, stat_max_life = 0;
inline int st_heart = 0, st_gallery = 0, st_regen = 0, st_gold = 0, st_exp = 0, st_kill = 0,
           st_ice = 0;                  // perk levels 0..3
inline int st_fire_rounds = 0;          // fire upgrade level 0..3
inline int st_gas = 0;                  // gas upgrade level 0..3
inline int player_experience = 0;
inline int player_exp_level = 750;      // experience needed for the next rank
inline int player_max_health = 120;
inline int level_up_points = 0;         // unspent points
inline int player_rank = 1;

// ---- Derived player values (rebuilt by Calculate_Stats) ----
inline int PLY_VITALITY = 100;          // the player's maximum hit points
inline float ply_speed = 0.0003f;       // walking speed
inline float health_width = 0.0f;       // full width of the life bar (HUD item 5)
inline int PLY_ACCURACY = 0;
inline int PLY_STRENGTH = 0;
inline int PLY_AGILITY = 0;
inline int PLY_RIFLE_SKILL = 0;
inline int PLY_PISTOL_SKILL = 0;
inline int PLY_GOLD_PERCENT = 0;
inline int PLY_XP_PERCENT = 0;
inline int PLY_REGENERATE = 0;
inline int PLY_FIREPOWER = 0;
inline int PLY_DEFENSE = 0;
inline float stat_fire_defense = 1.0f;  // factor on fire damage taken by the player
inline int stat_defense = 0;            // copy of PLY_DEFENSE kept for the save file

// ---- Inputs of the statistics not kept elsewhere ----
inline int stat_strength = 0;           // strength bought with level-up points
inline int st_blank = 0;                // unused perk slot, saved with the game

// ---- The general (the player's buddy) and progress that a new game resets ----
inline int buddy_experience = 0;
inline int buddy_exp_level = 750;
inline int buddy_rank = 1;
inline int buddy_cur_health = 40;
inline int old_level = 0;
inline int cycle_episode = -1;          // where the bicycle was left, -1 nowhere
inline int cycle_scene = -1;
inline int cycle_spawn = 0;
inline bool mission_training_is_done = false;
inline int new_mission = 5;
inline int player_msg_count = 0;
inline int current_scrap = 0;
inline int current_ladder_sector = -1;
inline int current_ladder_spawn = -1;
inline bool on_a_mission = false;
inline bool pigeon_finished = false;
inline int spawn_episode = 0;           // where a new game opens
inline int spawn_scene = 0;

// Largest experience needed for one rank.
constexpr int MAX_EXP_LEVEL = 2500;

// Recomputes every derived player value from the base statistics, perks, worn equipment
// and the equipped weapon, then redraws the life bar.
void Calculate_Stats();
// Adds experience for the player (the killer is not read) and raises the rank at most once.
void Calculate_Exp(int killer, int experience);
// Heals (or hurts, for a negative amount) the player, capped at PLY_VITALITY.
void Calculate_Health(int amount);
// New-game set-up, then the load (or first write) of the chosen save slot.
void Init_Player();
// Requests the opening cut-scene of a new game.
void Start_Game();
// amount / 100 x PLY_GOLD_PERCENT, truncated.
int Plus_Gold_Percent(int amount);
// amount / 100 x percent, truncated.
int Plus_Life_Percent(int amount, int percent);
// Rerolls the shop's four daily specials.
void Reset_Shop_Specials();
