// Transient play state of the running scene: cut-scene steps, selections, camera scripts,
// text and HUD flags, the card table, mission counts and timers. Nothing here outlives a
// scene: the scene loader puts every value back to its start value at each load.
// A global moves to its subsystem's own header once that subsystem declares it there.
#pragma once


// ---- Selections and indices (-1 none) ----
inline int text_sector = -1;
inline int camera_point = -1;
inline int unit_selected = -1;
inline int flash_target = -1;
inline int cpu_saving = -1;
inline int build_tent = -1;
inline int build_barracks = -1;
inline int build_range = -1;
inline int build_mgun = -1;
inline int ply_pickup_target = -1;
inline int file_to_delete = -1;
inline int duck_guy = -1;
inline int trigger_hit = -1;
inline int exploding_id = -1;
inline int old_message = -1;
inline int ply_special_attack = -1;
inline int character_selected = -1;
inline int file_selected = -1;
inline int logo_sprite = -1;

// ---- Pacing ----
inline bool start_dancing = true;
inline float bullet_alpha = 1.0f;

// ---- Mission and story counts ----
inline int bet_size = 100;
inline int total_cellar_count = 100;
inline int total_village_crow_count = 100;
inline int total_cow_count = 1000;
inline int total_gate_count = 1000;
inline int total_crow_count = 1000;
inline int total_doors_count = 1000;
inline int total_success_condition = 1000;
inline int total_fail_condition = 1000;
inline int success_condition = 0;
inline int fail_condition = 0;
inline bool on_course = false;

// ---- The two sides' economy and orders ----
inline int game_condition = 0;
inline int reset_map_timer = 0;
inline int angle_timer = 0;
inline bool run_angle_check = false;
inline int reduce_fog_timer = 0;
inline int squash_timer = 0;

// ---- Play, text, camera and HUD state ----
inline bool text_active = false;
inline bool text_selected = false;
inline bool scroll_txt_active = false;
inline int scroll_index = 0;
inline int selection = 0;
inline int txt_cur = 0;
inline int text_id = 0;
inline bool help_text = false;
inline int Fx_check_timer = 0;
inline bool selected = false;
inline bool cam_moving = false;
inline int next_cam = 0;
inline bool stop_camera = false;
inline int flash_on = 0;            // id of the flashing target: a sprite, or 750 + an effect; -1 none
inline int target_flash_timer = 0;
inline bool start_text = false;
inline int start_timer = 0;
inline bool stop_death_sounds = false;
inline int sinking_timer = 0;
inline bool reloading = false;
inline int hud_corner = 0;
inline float distance_traveled = 0.0f;
inline float step_traveled = 0.0f;
inline bool trying_to_quit = false;
inline bool in_options = false;
inline bool update_title = false;
inline bool create_char = false;
inline bool create_file = false;
inline bool delete_file = false;
inline bool throw_grenade = false;
inline int title_sequence = 0;
inline int start_sequence = 0;
inline int title_timer = 0;
inline int shot_fired = 0;          // the mouse-only order of this tick: 1 a shot, 2 a walk
inline bool create_option = false;
inline int card_decision = 0;
inline int enemy_count = 0;
inline bool ply_sniping = false;
inline int dancing_timer = 0;
inline int bottle_count = 0;
inline int spawn_group = 0;
inline bool changed_video = false;
inline bool on_some_text = false;
inline int bullet_flash_timer = 0;
inline bool bullet_flash = false;
inline bool flash_bullets = false;
inline bool falling_in_hole = false;
inline int tunnel_sequence = 0;
inline int start_healing_timer = 0;
inline int healup_timer = 0;
inline int healup_count = 0;
inline int next_weapon_timer = 0;
// render_bg (due time of the next tile-map rebuild, float ms) is kept in render/draw.h.
inline bool remove_healthkit = false;
inline int bump_player_timer = 0;
inline bool skip_text = false;
inline int exploding_timer = 0;
inline int exploding_count = 0;
inline int exploding_type = 0;
inline int party_player_timer = 0;
inline int text_cursor_timer = 0;
inline bool text_cursor_flash = false;
inline int low_ammo_timer = 0;
inline bool mission_accomplished_active = false;
inline float cos_scroll = 0.0f;
inline int special_count = 0;
inline int special_attack_timer = 0;
inline int players_cards = 0;
inline int dealers_cards = 0;
inline int players_aces = 0;
inline int dealers_aces = 0;
inline int debriefing_timer = 0;
inline int text_queue = 0;
inline int decision = 0;
inline int hud_sequence = 0;
inline int fireworks_timer = 0;
inline int fireworks_count = 0;
inline int total_light_count = 0;
inline int no_lights_on = 0;

// ---- Camera and morgue lists of the scene scripts ----
inline int cam_list[4] = {-1, -1, -1, -1};
inline int morgue_list[4] = {-1, -1, -1, -1};
inline int change_guys_timer = 0;

// ---- Area-map marker text and its typing cursor ----
inline char lvl_text[13];   // 12 typed characters and the terminating zero
inline int cur_letter = 0;

// ---- Timers and flags several scene scripts share (never reset by a scene load) ----
inline int stamp_timer = 0;             // due time of a repeated sound or second counter, ms
inline bool pigeon_direction = false;   // direction of a pacing or sliding figure
