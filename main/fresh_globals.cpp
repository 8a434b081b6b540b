// The start values of the globals that the frame loop, window, input and sound share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "main/frame_loop.h"
#include "main/front_end.h"
#include "main/fx_upkeep.h"
#include "main/hud_upkeep.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "main/scene_transition.h"
#include "main/sound_bank.h"
#include "main/text_upkeep.h"
#include "main/window.h"
#include "platform/timer.h"

namespace {

// main/frame_loop.h
KEEP_FRESH(Real_Time, AI_Time, Swap_Time, Key_Time, Code_Time, Main_Time, Key_Start, Code_Start,
           Main_Start, frame_stamp, f_rate1, Peek_cycle, Total_cycle, Total_Start, Draw_cycle,
           Swap_cycle, Ai_cycle, Main_cycle, fps_counter, draw_light_count, red_swipe, red_timer,
           msg_fx, msg_fx_timer, arrow_flash, arrow_flash_timer, inventory_timer, menu_active,
           menu_counter, dusting, dust_timer, shooting, shoot_time, gallery_mode_active, menu_item,
           flash_timer, new_game_timer, wParam_last);

// main/front_end.h
KEEP_FRESH(m_check, current_new_game);

// main/fx_upkeep.h
KEEP_FRESH(FX_RIFLE_COUNT, FX_HEALTH_COUNT, FX_SHOTGUN_COUNT, FX_MACHINE_COUNT, FX_PISTOL_COUNT);

// main/hud_upkeep.h
KEEP_FRESH(low_ammo_flash, is_blank);

// main/keyboard.h
KEEP_FRESH(CONTROL_SCHEME, input_cap, shift_key, capital_key, activate_bicycle);

// main/messages.h
KEEP_FRESH(hud27width, hud27height, current_file, player_in_water, end_sfx);

// main/mouse_code.h
KEEP_FRESH(stored_target, on_pickup, targeted, fx_offset, mouse_enlarge, INV_PISTOL_ADD,
           INV_RIFLE_ADD, INV_SHOTGUN_ADD, INV_MACHINE_ADD, INV_HEALTH_ADD, target_flash_mtimer);

// main/scene_transition.h
KEEP_FRESH(no_buddies, current_buddy);

// main/sound_bank.h
KEEP_FRESH(door_open, door_close, click_snd, crow1_snd, crow2_snd, hatch_snd, boss_snd,
           boss_ohh_snd, boss_ohh1_snd, wakeup_snd, owl_snd, mgun_snd, mgun1_snd, destroy_snd,
           destroy1_snd, click_off_snd, ric1_snd, ric2_snd, ric3_snd, fall_snd, pick_up_snd,
           potion_up_snd, cash_up_snd, teddy_roar_snd, step_snd, step1_snd, step2_snd, step3_snd,
           clank_snd, clank1_snd, smash1_snd, splash_snd, splash1_snd, chute_snd, stamp_snd,
           ok_snd, apple_snd, medikit_snd, beans_snd, firework_snd, switch_n_snd, gargle_snd,
           gargle1_snd, gargle2_snd, wound_snd, wound1_snd, wound2_snd, wound3_snd, radio_snd,
           siren_snd, promo1_snd, promo2_snd, type1_snd, type4_snd, tank1_snd, tank2_snd, zip_snd,
           piss_snd, torch_snd, lightswitch_snd, ready_snd, bark_snd, buoy_snd, seagull_snd,
           seagull2_snd, drip_snd, place_snd, splatted_snd, monkey_snd, switch_snd, sniper_snd,
           sniperply_snd, death_snd, whistle_snd, beam_snd, glass1_snd, glass2_snd, glass3_snd,
           glass4_snd, laugh1_snd, laugh2_snd, laugh3_snd, laugh4_snd, water_snd, emypain_snd,
           sight_snd, coins_snd, coins1_snd, dogdie_snd, footstep_snd, footstep1_snd, softstep_snd,
           softstep1_snd, mudstep_snd, mudstep1_snd, hardstep_snd, hardstep1_snd, grassstep_snd,
           grassstep1_snd, medal_snd, mount_snd, ping_snd, cow_snd, cow1_snd, cheer_snd,
           healup_snd, shotgun_snd, shotgun1_snd, tink_snd, chop_snd, splat_snd, cash_snd,
           spark_snd, stolen_snd, swim1_snd, swim2_snd, tada1_snd, tada2_snd, tada3_snd, tada4_snd,
           drown_snd, backspace_snd, end_snd, jet_snd, war_snd, lnd_snd, crd_snd, army_snd,
           fight_snd, sad_snd, intro_snd, mini_snd, deathscreen_snd, urgency_snd, fanfare_snd,
           fanfare2_snd, dgnb_snd, final_snd, dangers_snd, untie_snd, waves_snd, woods_snd,
           burn_snd, snore_snd, exhaust_snd, airplane_snd, wind_snd, tank_snd);

// main/text_upkeep.h
KEEP_FRESH(game_timer, text_timer, scroll_txt_timer, scroll_length);

// platform/timer.h
KEEP_FRESH(timer);

// main/window.h
KEEP_FRESH(pixel_format_bits);
} // namespace

void Fresh_Globals_Main() {}
