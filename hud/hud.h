// HUD, dialogue, inventory and progression: the services the rest of the game calls.
#pragma once

#include "combat/medals.h"   // global_medals, Medal_Check
#include "hud/missions.h"    // objectives, fireworks, Calculate_Act, Do_Fireworks
#include "hud/player_stats.h" // Calculate_Stats, Init_Player, Start_Game, PLY_* values
#include "hud/gauges.h"       // Calculate_Lifebar, Hud_Face_Unit, Calculate_Emybar, cursor, arrow
#include "hud/overlays.h"     // Hud_Overlays, Time_conversion
#include "hud/inventory_screen.h"

// ---- Inventory and statistics ----
#include "hud/inventory.h"      // item codes, the slots, Calculate_Item, Pickup_Check
#include "hud/derived_state.h"  // Calculate_Inventory, has_* flags, INV_* counts, rounds row
#include "hud/weapons.h"        // GUN_* values, upgrade digits, Reload_Gun
#include "hud/drops.h"          // Spawn_Pickup
inline bool switched_weapon = false;
inline int next_weapon = -1;
inline int go_ahead = 0;
inline bool new_game = false;
inline bool cutscene = false;
inline float player_health = 0.0f;

// ---- Items on the ground ----

// ---- HUD ----

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
inline int arrow_point = -1;

// ---- Messages and text ----
#include "hud/item_names.h"
#include "hud/speech.h"
#include "hud/conversations.h"

// ---- Player abilities, perks and derived values read at scene load ----
inline bool has_water = false;
inline int ply_potion = 0;
inline bool in_stats = false;         // the stats page was entered from a walk scene
inline int mission = 0;               // the current side mission, 0 none
inline int mission_objective = -1;    // outcome of the current mission: 101 failed, 102 done, -1 none

// ---- Progress carried by the save slots (content/save_slots.h) ----
// Each stands here until the code that keeps it declares it in its own header.
inline int current_grenade = -1;        // inventory slot of the grenades, -1 none
inline int current_healthkit = 0;
inline char player_name[12];            // at most 11 characters
inline int player_kill_count = 0, player_death_count = 0, player_crate_count = 0,
           player_knife_count = 0, player_walked = 0, player_miles = 0;
inline int player_soldier_kill_count = 0, player_chief_kill_count = 0,
           player_mortar_kill_count = 0, player_dog_kill_count = 0, player_scout_kill_count = 0,
           player_ss_kill_count = 0, player_zombie_kill_count = 0;
inline int cow_kill_count = 0, crow_kill_count = 0, gate_kill_count = 0, doors_kill_count = 0,
           cellar_kill_count = 0, village_crow_kill_count = 0;
inline bool has_all_cards = false;
inline bool failed_stealth = false;
inline int shop_id = 0;                 // the shop whose stock is built, 0..11
inline bool shop_sold[12][32];          // sold-out rows of each shop
