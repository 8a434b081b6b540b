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
