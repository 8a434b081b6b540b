// Play state of the running scene that several parts of the game share: cut-scene steps,
// selections, camera scripts, text and HUD flags, the card table, mission counts and timers,
// the scene header's values, the radar and the camp's pages. The scene loader puts most of it
// back to its start value at each load (the sections say what outlives a scene). A value one
// part of the game alone uses is declared in that part's own header.
#pragma once


// ---- Selections and indices (-1 none) ----
inline int text_sector = -1;
inline int camera_point = -1;
inline int unit_selected = -1;
inline int flash_target = -1;
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
inline int txt_cur = 0;
inline int text_id = 0;
inline int Fx_check_timer = 0;
inline bool selected = false;
inline bool cam_moving = false;
inline int next_cam = 0;
inline bool stop_camera = false;
inline int flash_on = 0;            // id of the flashing target: a sprite, or 750 + an effect; -1 none
inline int target_flash_timer = 0;
inline bool start_text = false;
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
inline int change_guys_timer = 0;

// ---- Area-map marker text and its typing cursor ----
inline char lvl_text[13];   // 12 typed characters and the terminating zero
inline int cur_letter = 0;


// ---- Scene header (object file) and area flags ----
inline int g_type = 0;               // scene type (scene_type::)
inline bool is_a_stealth_mission = false;
inline int game_time = 0;            // scene countdown in seconds; 0 none
inline int music_loop = 0;           // music selection of the scene

// ---- Drawing inputs the scene sets ----
// cos(k * 0.0785) for k = 0..19; the boot scene's load fills it again.
inline float cos_table[20] = {1.0000000f, 0.9969205f, 0.9877008f, 0.9723978f, 0.9511057f,
                              0.9239557f, 0.8911150f, 0.8527858f, 0.8092042f, 0.7606386f,
                              0.7073883f, 0.6497810f, 0.5881717f, 0.5229398f, 0.4544871f,
                              0.3832351f, 0.3096228f, 0.2341035f, 0.1571423f, 0.0792133f};
inline int draw_light_list[50];      // sprites that give light now (count: draw_light_count)
inline bool bump_player = false;     // the player's sprite is drawn slightly enlarged
inline bool start_healing = false;   // the player's hit tint is green while healing

// ---- Radar and map markers ----
inline bool radar_on = false;
inline bool map_stat = false;        // the radar is hidden while set
inline int swipe_color = 4;          // colour of the full-screen flash: 1 red, 3 green, 4 white
inline int map_pnt_list[20];         // marker points of the scene
inline int map_pnt_counter = 0;

// ---- Camp pages and the stats return (outlive a scene) ----
inline int card_selected = 0;        // card last hovered, numbered from 1
inline int stats_episode = 0;        // scene the stats and perk pages return to
inline int stats_scene = 0;
inline int tunnel_page = 1;          // tunnel network shown: 1 beach, 2 village, 3 farmland
inline int medal_page = 1;           // medal layer shown, 1 to 3
inline int card_page = 1;            // card album page shown, 1 to 4
