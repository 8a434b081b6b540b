#include "common/fresh_state.h"

#include <cctype>
#include <cstdlib>

#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"

namespace fresh_state {

std::vector<Kept_Global>& Kept_Globals() {
    static std::vector<Kept_Global> kept;
    return kept;
}

std::vector<std::function<void()>>& Releases() {
    static std::vector<std::function<void()>> releases;
    return releases;
}

void Release_First(std::function<void()> release) { Releases().push_back(std::move(release)); }

std::vector<std::string> Split_Names(const char* names) {
    std::vector<std::string> split(1);
    for (const char* c = names; *c; ++c) {
        if (*c == ',')
            split.emplace_back();
        else if (!std::isspace((unsigned char)*c))
            split.back() += *c;
    }
    return split;
}

} // namespace fresh_state

namespace {
// The globals of the shared headers here; each folder registers those of its own headers in
// its fresh_globals.cpp, and a global's own source registers its private ones.

// common/call_trace.h
KEEP_FRESH(call_trace);

// common/game_state.h
KEEP_FRESH(done, game_mode, episode, scene, Level, current_spawn, next_scene, next_scene_delay,
           fade, cos_fade, c_fade_in, c_fade_out, fade_in, fade_out, fade_timer, render_sequence,
           double_main_code, shake, quit_active, quitting, quit_timer, text_select, seconds,
           minutes, hours, player_seconds, player_minutes, player_hours, has_been_paid, fullscreen,
           sc_width, sc_height, sc_bits, new_sc_width, new_sc_height, sc_ratio, screen_mode,
           ZOOM_AMOUNT, zoom_factor, org_zoom_factor, saved_window_posX, saved_window_posY,
           horizontal, vertical, music_volume, sfx_volume, sc_render_rate, sc_blur, in_dungeon);

// common/input.h
KEEP_FRESH(keys, mouseleft, mouseright, mousemiddle, mousewheel, real_mouseX, real_mouseY, mouseX,
           mouseY, hud_mouseX, hud_mouseY, mouse_stop, mouseheld, mouse_held_state,
           mouseheld_timer, on_selected_man, ply_shooting, KEY_FORWARD, KEY_BACKWARD, KEY_LEFTWARD,
           KEY_RIGHTWARD, KEY_SPACE);

// common/scene_state.h
KEEP_FRESH(text_sector, camera_point, unit_selected, flash_target, ply_pickup_target, file_to_delete, duck_guy,
           trigger_hit, exploding_id, old_message, ply_special_attack, character_selected,
           file_selected, logo_sprite, start_dancing, bullet_alpha, bet_size, total_cellar_count,
           total_village_crow_count, total_cow_count, total_gate_count, total_crow_count,
           total_doors_count, total_success_condition, total_fail_condition, success_condition,
           fail_condition, on_course, game_condition, reset_map_timer, angle_timer,
           run_angle_check, reduce_fog_timer, squash_timer, text_active, text_selected,
           scroll_txt_active, scroll_index, txt_cur, text_id, Fx_check_timer,
           selected, cam_moving, next_cam, stop_camera, flash_on, target_flash_timer, start_text,
           sinking_timer, reloading, hud_corner, distance_traveled,
           step_traveled, trying_to_quit, in_options, update_title, create_char, create_file,
           delete_file, throw_grenade, title_sequence, start_sequence, title_timer, shot_fired,
           create_option, card_decision, enemy_count, ply_sniping, dancing_timer, bottle_count,
           spawn_group, changed_video, on_some_text, bullet_flash_timer, bullet_flash,
           flash_bullets, falling_in_hole, tunnel_sequence, start_healing_timer, healup_timer,
           healup_count, next_weapon_timer, remove_healthkit, bump_player_timer, skip_text,
           exploding_timer, exploding_count, exploding_type, party_player_timer, text_cursor_timer,
           text_cursor_flash, low_ammo_timer, mission_accomplished_active, cos_scroll,
           players_cards, dealers_cards, players_aces,
           dealers_aces, debriefing_timer, text_queue, decision, hud_sequence, fireworks_timer,
           fireworks_count, total_light_count, no_lights_on, change_guys_timer, lvl_text, cur_letter);

// common/scene_state.h: the scene header, drawing inputs, radar and camp pages
KEEP_FRESH(g_type, is_a_stealth_mission, game_time, music_loop, cos_table, draw_light_list,
           bump_player, start_healing, radar_on, map_stat, swipe_color, map_pnt_list, map_pnt_counter,
           card_selected, stats_episode, stats_scene, tunnel_page, medal_page, card_page);

// common/sound_requests.h
KEEP_FRESH(glass_sfx, drown_sfx, footstep_sfx, current_song, old_song, old_music_loop, half_volume,
           music_fade, music_timer, fade_in_volume, fade_out_volume, fade_increment,
           temp_music_volume, music_danger_volume, music_off, airplane_sfx, apple_sfx,
           backspace_sfx, bark_sfx, beam_sfx, beans_sfx, boss_ohh_sfx, boss_sfx, buoy_sfx,
           burn_sfx, cash_sfx, cash_up_sfx, cheer_sfx, chop_sfx, chute_sfx, clank_sfx,
           click_off_sfx, click_sfx, coins1_sfx, coins_sfx, cow_sfx, crow1_sfx, crow2_sfx,
           death_sfx, destroy_sfx, dogdie_sfx, door_close_sfx, door_open_sfx, drip_sfx,
           emypain_sfx, exhaust_sfx, fall_sfx, firework_sfx, gargle_sfx, grassstep_sfx,
           hardstep_sfx, hatch_sfx, healup_sfx, laugh_sfx, lightswitch_sfx, medal_sfx, medikit_sfx,
           mgun_sfx, monkey_sfx, mount_sfx, mudstep_sfx, ok_sfx, owl_sfx, pick_up_sfx, ping_sfx,
           piss_sfx, place_sfx, potion_up_sfx, promo_sfx, radio_sfx, ready_sfx, ric2_sfx, ric_sfx,
           rocket_sfx, seagull2_sfx, seagull_sfx, shotgun1_sfx, shotgun_sfx, sight_sfx, siren_sfx,
           smash1_sfx, sniper_sfx, sniperply_sfx, snore_sfx, softstep_sfx, spark_sfx, splash_sfx,
           splat_sfx, splatted_sfx, stamp_sfx, step_sfx, stolen_sfx, stop_siren, stop_tank_sfx,
           swim_sfx, switch_n_sfx, switch_sfx, tada_sfx, tank1_sfx, tank_sfx, tink_sfx, torch_sfx,
           type_sfx, untie_sfx, wakeup_sfx, water_sfx, waves_sfx, whistle_sfx, wind_sfx, woods_sfx,
           wound_sfx, zip_sfx, stop_rain_sfx, stop_waves_sfx, stop_woods_sfx, stop_burn_sfx,
           stop_snore_sfx, stop_exhaust_sfx, stop_airplane_sfx, stop_wind_sfx, stop_seagull_sfx,
           teddy_roar_sfx, button_snd, button1_snd, button2_snd, button3_snd, button4_snd,
           button5_snd, button6_snd, button7_snd, button8_snd, button9_snd, button10_snd,
           splash_sfx_counter, wound_sfx_counter, destroy_sfx_counter, mgun_sfx_counter,
           swim_sfx_counter, boss_ohh_sfx_counter, ric_sfx_counter, cow_sfx_counter,
           glass_sfx_counter, laugh_sfx_counter, gargle_sfx_counter, footstep_counter,
           softstep_counter, mudstep_counter, hardstep_counter, grassstep_counter,
           type_sfx_counter, promo_sfx_counter, tank_sfx_counter, clank_sfx_counter,
           step_sfx_counter, jet_sfx, war_sfx, lnd_sfx, crd_sfx, army_sfx, fight_sfx, sad_sfx,
           dgnb_sfx, final_sfx, dangers_sfx, intro_sfx, fanfare_sfx, urgency_sfx, mini_sfx,
           fanfare2_sfx, deathscreen_sfx);

// common/story_state.h
KEEP_FRESH(current_char, player_type, current_act, global_objects, main_mission, current_main, global_cards);

// common/world_state.h
KEEP_FRESH(sprite, hud, Fx, no_sprites, hud_no_sprites, no_fx, a_texture, g_fx_id, texID,
           numsubmtls, texture_fx, animation_fx, MAP_WIDTH, MAP_HEIGHT, MAP_TILES, map_startX,
           map_startY, tiles, map_col, map_set, map_light, blackness, points, no_points, nodes,
           no_nodes, camX, camY, p1_id, counter);
} // namespace

void Fresh_Globals_Camp();
void Fresh_Globals_Combat();
void Fresh_Globals_Content();
void Fresh_Globals_Hud();
void Fresh_Globals_Main();
void Fresh_Globals_Render();
void Fresh_Globals_Scripts();
void Fresh_Globals_World();

void Reset_Game_State() {
    // Naming each folder's registrations links them into every program that resets.
    for (void (*linked)() : {&Fresh_Globals_Camp, &Fresh_Globals_Combat, &Fresh_Globals_Content, &Fresh_Globals_Hud,
                             &Fresh_Globals_Main, &Fresh_Globals_Render, &Fresh_Globals_Scripts, &Fresh_Globals_World})
        linked();

    // What the globals own goes first: the record arrays and texture names (the game's only
    // heap memory), then what the layers hold (window, context, audio device).
    delete[] sprite;
    delete[] hud;
    delete[] Fx;
    delete[] texID;
    sprite = hud = Fx = nullptr;
    texID = nullptr;
    for (const auto& release : fresh_state::Releases()) release();
    for (const auto& kept : fresh_state::Kept_Globals()) kept.restore();
    std::srand(1);  // the sequence a program gets before any srand
}
