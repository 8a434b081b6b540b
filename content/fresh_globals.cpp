// The start values of the globals that the content readers and the scene loader share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/content_state.h"
#include "content/level_table.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "content/scene_hud.h"
#include "content/scene_loader.h"
#include "content/scene_reset.h"
#include "content/snapshots.h"
#include "content/tga_loader.h"

namespace {

// content/content_state.h
KEEP_FRESH(multi_txt, multi_frames, hud_face_id, hud_text_A, hud_text_B, cine_text,
           total_no_bottles, no_of_keyframes, message_x, message_y, message_width, message_height);

// content/level_table.h
KEEP_FRESH(in_open_world, spawn_level_number, spawn_card2, spawn_card3, spawn_nocard);

// content/object_setup.h
KEEP_FRESH(light_list, light_count, cpatrol_list, cpatrol_count, trigger_list, trigger_counter,
           bullethole, bullet_hole_count, patrol_list, patrol_counter, a_patrol_pnt, a_vehicle,
           chasers, runners, first_time_playing, follow_centre_x, follow_centre_y);

// content/save_slots.h
KEEP_FRESH(file_check_id, hud_name_id, file_names);

// content/scene_hud.h
KEEP_FRESH(bullet_start_y, bullet_bottom_y, exp_width, cur_keyframe, target_frame);

// content/scene_reset.h
KEEP_FRESH(cpu_saving, build_tent, build_barracks, build_range, build_mgun, selection, help_text, start_timer,
           stop_death_sounds, special_count, special_attack_timer, cam_list, morgue_list, scene_shake);

// content/scene_loader.h
KEEP_FRESH(temp_string, old_episode, old_scene, old_game_mode, old_health, last_spawn,
           has_all_furniture, original_no_sprites, follow_x, follow_y, tent_objects);

// content/snapshots.h
KEEP_FRESH(global_time, scene_file_signature);

// content/tga_loader.h
KEEP_FRESH(tgaheader, tga);
} // namespace

void Fresh_Globals_Content() {}
