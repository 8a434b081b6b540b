#include "combat/awareness.h"
#include "content/scene_reset.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/scene_transition.h"
#include "main/tick_services.h"
#include "render/draw.h"
#include "world/animate.h"
#include "world/sprite_construction.h"

void Fill_Cos_Table() {
    int i = 0;
    // The angle is a float that grows by 0.0785 per entry, which gives exactly 20 entries.
    for (float angle = 0.0f; angle < 1.57f && i < 20; angle += 0.0785f) cos_table[i++] = std::cos(angle);
}

namespace {

void Clear_Sound_Requests() {
    bool* const flags[] = {
        &buoy_sfx, &water_sfx, &hardstep_sfx, &grassstep_sfx, &mudstep_sfx, &softstep_sfx,
        &promo_sfx, &switch_sfx, &pick_up_sfx, &death_sfx, &shotgun_sfx, &shotgun1_sfx,
        &tink_sfx, &rocket_sfx, &step_sfx, &clank_sfx, &door_open_sfx, &door_close_sfx,
        &sight_sfx, &potion_up_sfx, &cash_up_sfx, &chute_sfx, &radio_sfx, &tada_sfx,
        &spark_sfx, &zip_sfx, &piss_sfx, &splash_sfx, &drown_sfx, &chop_sfx, &mount_sfx,
        &sniper_sfx, &click_off_sfx, &destroy_sfx, &place_sfx, &splatted_sfx, &mgun_sfx,
        &tank_sfx, &ric_sfx, &wound_sfx, &cash_sfx, &fall_sfx, &coins_sfx, &coins1_sfx,
        &medal_sfx, &footstep_sfx, &crow1_sfx, &crow2_sfx, &wakeup_sfx, &boss_sfx,
        &boss_ohh_sfx, &hatch_sfx, &owl_sfx, &ric2_sfx, &ready_sfx, &stolen_sfx, &swim_sfx,
        &laugh_sfx, &seagull_sfx, &seagull2_sfx, &bark_sfx, &ping_sfx, &cheer_sfx,
        &smash1_sfx, &glass_sfx, &beam_sfx, &drip_sfx, &tank1_sfx, &firework_sfx,
        &monkey_sfx, &splat_sfx, &gargle_sfx, &sniperply_sfx, &apple_sfx, &medikit_sfx,
        &beans_sfx, &torch_sfx, &lightswitch_sfx, &ok_sfx, &stamp_sfx, &whistle_sfx,
        &emypain_sfx, &healup_sfx, &siren_sfx, &stop_siren, &dogdie_sfx, &cow_sfx, &type_sfx,
        &backspace_sfx, &button_snd, &button1_snd, &button2_snd, &button3_snd, &button4_snd,
        &button5_snd, &button6_snd, &button7_snd, &button8_snd, &button9_snd, &button10_snd,
    };
    for (bool* f : flags) *f = false;
    splash_sfx_counter = 0;
    wound_sfx_counter = 0;
}

void Clear_Play_State() {
    // -1: nothing selected.
    text_sector = -1;
    camera_point = -1;
    unit_selected = -1;
    flash_target = -1;
    cpu_saving = -1;
    build_tent = -1;
    build_barracks = -1;
    build_range = -1;
    build_mgun = -1;
    p1_id = -1;
    ply_pickup_target = -1;
    file_to_delete = -1;
    dialog_active = -1;
    duck_guy = -1;
    trigger_hit = -1;
    arrow_point = -1;
    pkp_msg_target = -1;
    tunnel_timer = -1;
    next_scene1 = -1;
    next_episode1 = -1;
    next_weapon = -1;
    exploding_id = -1;
    old_message = -1;
    ply_special_attack = -1;
    character_selected = -1;
    file_selected = -1;
    fireworks = -1;

    animate_sprites = true;
    menu_item = 1;
    start_dancing = true;
    rythm_delay = 1.0f;
    bullet_alpha = 1.0f;

    bet_size = 100;
    total_cellar_count = 100;
    total_village_crow_count = 100;
    total_cow_count = 1000;
    total_gate_count = 1000;
    total_crow_count = 1000;
    total_doors_count = 1000;
    total_success_condition = 1000;
    total_fail_condition = 1000;

    KEY_FORWARD = false;
    KEY_BACKWARD = false;
    KEY_LEFTWARD = false;
    KEY_RIGHTWARD = false;
    KEY_SPACE = false;
    Clear_Sound_Requests();

    game_condition = 0;
    reset_map_timer = 0;
    angle_timer = 0;
    run_angle_check = false;
    reduce_fog_timer = 0;
    squash_timer = 0;

    text_active = false;
    shooting = false;
    text_selected = false;
    scroll_txt_active = false;
    scroll_index = 0;
    selection = 0;
    txt_cur = 0;
    text_id = 0;
    shake = 0.0f;
    help_text = false;
    Fx_check_timer = 0;
    cutscene = false;
    next_scene_delay = 0;
    text_select = false;
    selected = false;
    new_game = false;
    // quitting stays: a close request made while a scene loads (the boot scene hands over to
    // the title at once) must still end the game.
    cam_moving = false;
    next_cam = 0;
    stop_camera = false;
    // No target flashes after a load: 0 would name sprite 0, which the next AI step would
    // then blink and leave shown even when the scene hides it.
    flash_on = -1;
    target_flash_timer = 0;
    start_text = false;
    on_selected_man = 0;
    stop_death_sounds = false;
    sinking_timer = 0;
    mouse_grabbed = false;
    reloading = false;
    hud_corner = 0;
    distance_traveled = 0.0f;
    step_traveled = 0.0f;
    door_counter = 0;
    near_sell = false;
    trying_to_quit = false;
    in_options = false;
    update_title = false;
    create_char = false;
    create_file = false;
    delete_file = false;
    throw_grenade = false;
    title_sequence = 0;
    start_sequence = 0;
    title_timer = 0;
    shot_fired = false;
    create_option = false;
    card_decision = 0;
    enemy_count = 0;
    player_in_water = false;
    ply_sniping = false;
    music_timer = 0;
    dancing_timer = 0;
    music_danger_volume = 0.0f;
    music_off = false;
    bottle_count = 0;
    mouseheld_timer = 0;
    mouse_held_state = 0;
    spawn_group = 0;
    changed_video = false;
    on_some_text = false;
    ply_shooting = false;
    arrow_flash = false;
    bullet_flash_timer = 0;
    bullet_flash = false;
    flash_bullets = false;
    falling_in_hole = false;
    tunnel_sequence = 0;
    start_healing = false;
    start_healing_timer = 0;
    healup_timer = 0;
    healup_count = 0;
    check_timer = 0;
    double_main_code = 0;
    inventory_timer = 0;
    next_weapon_timer = 0;
    mouseleft = false;
    mouseheld = false;
    render_bg = false;
    camX_OFFSET = 0.0f;
    camY_OFFSET = 0.0f;
    render_sequence = 0;
    remove_healthkit = false;
    red_swipe = false;
    bump_player = false;
    bump_player_timer = 0;
    skip_text = false;
    exploding_timer = 0;
    exploding_count = 0;
    msg_fx = false;
    msg_fx_timer = 0;
    party_player_timer = 0;
    alarm_raised = false;
    exploding_type = 0;
    text_cursor_timer = 0;
    text_cursor_flash = false;
    low_ammo_timer = 0;
    mission_accomplished_active = false;
    lock_player = false;
    alert_enemies = false;
    noise_type = 0;
    noise_maker = 0;
    cos_scroll = 0.0f;
    special_count = 0;
    special_attack_timer = 0;
    players_cards = 0;
    dealers_cards = 0;
    players_aces = 0;
    dealers_aces = 0;
    debriefing_timer = 0;
    text_queue = 0;
    decision = 0;
    no_buddies = 0;
    success_condition = 0;
    fail_condition = 0;
    hud_sequence = 0;
    fireworks_timer = 0;
    fireworks_count = 0;
    total_light_count = 0;
    no_lights_on = 0;
    has_armour_piercing = false;
}

void Preset_Music() {
    temp_music_volume = 0.0f;
    fade_increment = 0.0f;
    fade_in_volume = 0.0f;
    music_fade = true;
    int* const tracks[] = {&end_sfx, &jet_sfx, &war_sfx, &lnd_sfx, &crd_sfx, &army_sfx,
                           &fight_sfx, &sad_sfx, &intro_sfx, &mini_sfx, &urgency_sfx,
                           &teddy_roar_sfx, &dgnb_sfx, &final_sfx, &dangers_sfx,
                           &fanfare_sfx, &fanfare2_sfx, &deathscreen_sfx};
    for (int* t : tracks) *t = 3;
}

void Preset_Ambience() {
    if (in_dungeon) weather = 0;
    if (!(episode == 1 || scene == 90)) stop_airplane_sfx = 1;
    if (episode == 0) {
        stop_exhaust_sfx = 1;
        stop_wind_sfx = 1;
        stop_woods_sfx = 1;
    }
    if (episode == 0 || episode == 2 || (episode == 3 && scene != 3)) stop_waves_sfx = 1;
}

struct mission_count {
    int level;
    int main;
    int success;
    int fail;
};
constexpr mission_count mission_counts[] = {
    {LVL_TRAINING, 1, 9, 1},
    {LVL_SUPPLIES, 3, 1, 1},
    {LVL_CONVOY, 6, 1, 1},
    {LVL_WINDMILL, 5, 5, 1},
};

void Preset_Missions() {
    for (const mission_count& m : mission_counts)
        if (Level == m.level && current_main == m.main) {
            total_success_condition = m.success;
            total_fail_condition = m.fail;
        }
    if (Level != LVL_TRAINING) on_course = false;
}

} // namespace

void Reset_Play_State() {
    if (episode == 0 && scene == 0) Fill_Cos_Table();
    no_fx = 0;
    Clear_Play_State();

    fade_out_volume = music_volume;
    old_song = current_song;
    old_music_loop = music_loop;
    for (int& b : current_buddy) b = -1;

    Preset_Music();
    Preset_Ambience();
    Preset_Missions();

    if (weather == 0) {
        next_rain = hours + 1 + std::rand() % 5;
        if (next_rain > 23) next_rain -= 24;
    }
    cur_letter = 0;
    lvl_text[0] = '\0';
}

void Reset_Scene_Lists() {
    for (int& c : cam_list) c = -1;
    for (int& m : morgue_list) m = -1;
    std::memset(trigger_list, 0, sizeof(trigger_list));
    for (int& c : cpatrol_list) c = -1;
    cpatrol_count = 0;
    change_guys_timer = 0;
    trigger_counter = 0;
    player_counter = 0;
    std::memset(map_light, 0, sizeof(map_light));
    std::memset(player_list, 0, sizeof(player_list));
    lvl_text[0] = '\0';
    std::memset(bullethole, 0, sizeof(bullethole));
    bullet_hole_count = 0;
    logo_sprite = -1;
    light_count = 0;
    draw_light_count = 0;
}
