// The start values of the globals that the HUD, dialogue, inventory and progression share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "hud/conversations.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/inventory_screen.h"
#include "hud/item_names.h"
#include "hud/missions.h"
#include "hud/overlays.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "hud/weapons.h"

namespace {

// hud/conversations.h
KEEP_FRESH(front_flipped, hud_start_x, hud_start_x1);

// hud/derived_state.h
KEEP_FRESH(has_armour_piercing, has_double_barrel, has_stock, has_sight, has_unlimited,
           has_wideshot, has_pistol, has_shotgun, has_machine, has_rifle, has_grenade_equipped,
           has_pistol_equipped, has_shotgun_equipped, has_machine_equipped, has_rifle_equipped,
           has_firevest_equipped, has_thorns, has_gasmask_equipped, has_grenade, INV_RIFLE_COUNT,
           INV_SHOTGUN_COUNT, INV_MACHINE_COUNT, INV_PISTOL_COUNT, INV_GRENADE_COUNT,
           INV_HEALTH_COUNT, ply_ammo);

// hud/hud.h
KEEP_FRESH(switched_weapon, next_weapon, go_ahead, new_game, cutscene, player_health,
           on_hud_buttons, on_the_radar, special_selected, mouse_grabbed, mouse_inv,
           mouse_inv_value, mouse_inv_value1, mouse_inv_value2, near_sell, hud1width, hud1height,
           pkp_msg_target, arrow_point, has_water, ply_potion, in_stats, mission,
           mission_objective, current_grenade, current_healthkit, player_name, player_kill_count,
           player_death_count, player_crate_count, player_knife_count, player_walked, player_miles,
           player_soldier_kill_count, player_chief_kill_count, player_mortar_kill_count,
           player_dog_kill_count, player_scout_kill_count, player_ss_kill_count,
           player_zombie_kill_count, cow_kill_count, crow_kill_count, gate_kill_count,
           doors_kill_count, cellar_kill_count, village_crow_kill_count, has_all_cards,
           failed_stealth, shop_id, shop_sold);

// hud/inventory.h
KEEP_FRESH(player_inv, player_inv_value, player_inv_value1, player_inv_value2, current_weapon,
           current_helmet, current_boot, current_medal, current_gold, health_items);

// hud/inventory_screen.h
KEEP_FRESH(on_the_inv, inv_slot_hovered);

// hud/item_names.h
KEEP_FRESH(msg_left);

// hud/missions.h
KEEP_FRESH(global_objective, global_side_objective, fireworks, fireworks_type, old_firework);

// hud/overlays.h
KEEP_FRESH(testX, testY);

// hud/player_stats.h
KEEP_FRESH(stat_rifle_skill, stat_pistol_skill, stat_firepower, stat_accuracy, stat_vitality,
           stat_agility, stat_defense_base, stat_max_life, st_heart, st_gallery, st_regen, st_gold,
           st_exp, st_kill, st_ice, st_fire_rounds, st_gas, player_experience, player_exp_level,
           player_max_health, level_up_points, player_rank, PLY_VITALITY, ply_speed, health_width,
           PLY_ACCURACY, PLY_STRENGTH, PLY_AGILITY, PLY_RIFLE_SKILL, PLY_PISTOL_SKILL,
           PLY_GOLD_PERCENT, PLY_XP_PERCENT, PLY_REGENERATE, PLY_FIREPOWER, PLY_DEFENSE,
           stat_fire_defense, stat_defense, stat_strength, st_blank, buddy_experience,
           buddy_exp_level, buddy_rank, buddy_cur_health, old_level, cycle_episode, cycle_scene,
           cycle_spawn, mission_training_is_done, new_mission, player_msg_count, current_scrap,
           current_ladder_sector, current_ladder_spawn, on_a_mission, pigeon_finished,
           spawn_episode, spawn_scene);

// hud/speech.h
KEEP_FRESH(dialog_active, dialog_timer, message_length, msg_offset);

// hud/weapons.h
KEEP_FRESH(GUN_FIREPOWER, GUN_FIRERATE, GUN_RELOAD, GUN_CAPACITY, GUN_SPECIAL, GUN_SPECIAL2,
           weapon_type);
} // namespace

void Fresh_Globals_Hud() {}
