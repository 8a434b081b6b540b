// HUD, dialogue, inventory and progression: the services the rest of the game calls.
#pragma once

// ---- Inventory and statistics ----
void Calculate_Inventory();
void Calculate_Inventory_Front();
void Calculate_Bullets();
void Calculate_Bullet_Flash();
void Calculate_Stats();
void Calculate_Lifebar();
void Calculate_Act();
void Reset_Specials();
void Reset_Helmets();
void Init_Player();
void Start_Game();
void Reload_Gun();

inline int current_weapon = -1;
inline int current_helmet = -1;
inline int current_boot = -1;
inline int current_medal = -1;
inline int player_inv[16];
inline int player_inv_value[16];
inline int player_inv_value1[16];
inline int player_inv_value2[16];
inline int GUN_SPECIAL = 0;            // specials of the weapon last evaluated (the equipped one)
inline int GUN_SPECIAL2 = 0;

inline bool has_armour_piercing = false, has_double_barrel = false, has_stock = false,
            has_sight = false, has_unlimited = false, has_wideshot = false, has_pistol = false,
            has_shotgun = false, has_machine = false, has_rifle = false,
            has_grenade_equipped = false, has_pistol_equipped = false,
            has_shotgun_equipped = false, has_machine_equipped = false,
            has_rifle_equipped = false, has_firevest_equipped = false, has_thorns = false;
inline bool switched_weapon = false;
inline int next_weapon = -1;
inline int go_ahead = 0;
inline bool new_game = false;
inline bool cutscene = false;
inline float player_health = 0.0f;

// ---- Items on the ground ----
int Calculate_Anim(int i_type, int i_value, int i_value1);
int Generate_Item(int code, int type);
void Spawn_Pickup(int index, int type);
void Pickup_Check(int unit, int item, int c);
void PickUp_Sfx(int code);

// ---- HUD ----
void Hud_Overlays();
void UpdateMouseCursor();
void Hud_Check();
void Hud_Face_Unit(int unit, int j);
float Calculate_Emybar(int unit);
void Calculate_Target_Arrow();
void Do_Fireworks(int index);
void Reset_Hud_Stat();
void Time_conversion();

inline bool on_hud_buttons = false;
inline bool on_the_radar = false;
inline bool special_selected = false;
inline bool mouse_grabbed = false;
inline int mouse_inv = 0;
inline int mouse_inv_value = 0;
inline int mouse_inv_value1 = 0;
inline int mouse_inv_value2 = 0;
inline bool near_sell = false;
inline float hud1width = 0.0f;
inline float hud1height = 0.0f;
inline int pkp_msg_target = -1;
inline bool msg_left = false;
inline int dialog_active = -1;
inline int dialog_timer = 0;            // time at which the speech bubble ends
inline int ply_ammo = 0;                // carried ammunition of the equipped weapon
inline int fireworks = -1;
inline int arrow_point = -1;

// ---- Messages and text ----
void Display_Message(int index, int message);
void Message_Limits();
void Help_Limits();
void Display_Front_Message(int conversation, int ms);
void DisplayText(int ignored, int group, int line, bool reset, int value);

// ---- Player abilities, perks and derived values read at scene load ----
inline bool has_grenade = false;
inline bool has_water = false;
inline int st_fire_rounds = 0;        // fire upgrade level 0..3
inline int st_gas = 0;                // gas upgrade level 0..3
inline int PLY_VITALITY = 100;        // the player's maximum hit points
inline int ply_potion = 0;
inline float ply_speed = 0.0003f;
inline bool in_stats = false;         // the stats page was entered from a walk scene
inline int mission = 0;               // the current side mission, 0 none
inline bool has_gasmask_equipped = false; // a gas mask is worn: gas clouds do not hurt the player
inline int mission_objective = -1;    // outcome of the current mission: 101 failed, 102 done, -1 none

// ---- Progress carried by the save slots (content/save_slots.h) ----
// Each stands here until the code that keeps it declares it in its own header.
inline int player_experience = 0;
inline int player_exp_level = 750;      // experience needed for the next rank
inline int player_max_health = 120;
inline int level_up_points = 0;         // unspent points
inline int player_rank = 1;
inline int stat_rifle_skill = 0, stat_pistol_skill = 0, stat_firepower = 0, stat_accuracy = 0;
inline int stat_vitality = 0, stat_agility = 0, stat_defense_base = 0, stat_max_life = 0;
inline int current_gold = -1;           // inventory slot of the gold, -1 none
inline int current_grenade = -1;        // inventory slot of the grenades, -1 none
inline int current_healthkit = 0;
inline char player_name[12];            // at most 11 characters
inline signed char global_objective[10];      // objective flags of the current act
inline signed char global_side_objective[10];
inline int global_medals[48];           // 1 when won
inline int player_kill_count = 0, player_death_count = 0, player_crate_count = 0,
           player_knife_count = 0, player_walked = 0, player_miles = 0;
inline int player_soldier_kill_count = 0, player_chief_kill_count = 0,
           player_mortar_kill_count = 0, player_dog_kill_count = 0, player_scout_kill_count = 0,
           player_ss_kill_count = 0, player_zombie_kill_count = 0;
inline int cow_kill_count = 0, crow_kill_count = 0, gate_kill_count = 0, doors_kill_count = 0,
           cellar_kill_count = 0, village_crow_kill_count = 0;
inline int st_heart = 0, st_gallery = 0, st_regen = 0, st_gold = 0, st_exp = 0, st_kill = 0,
           st_ice = 0;                  // perk levels 0..3 (st_fire_rounds, st_gas above)
inline bool has_all_cards = false;
inline bool failed_stealth = false;
inline float health_width = 0.0f;       // full width of the life bar (HUD item 5)
inline int shop_id = 0;                 // the shop whose stock is built, 0..11
inline bool shop_sold[12][32];          // sold-out rows of each shop
