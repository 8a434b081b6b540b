// The start values of the globals that the scene scripts share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "scripts/camp_pages.h"
#include "scripts/card_table.h"
#include "scripts/cut_scenes.h"
#include "scripts/level_events.h"
#include "scripts/level_helpers.h"
#include "scripts/player_pages.h"
#include "scripts/script_frame.h"
#include "scripts/scripts.h"
#include "scripts/story_scenes.h"
#include "scripts/title_pages.h"

namespace {

// scripts/camp_pages.h
KEEP_FRESH(my_card_selected);

// scripts/card_table.h
KEEP_FRESH(num_players_cards, num_dealers_cards, current_card, win_game, card_flash,
           card_flash_timer, display_players_cards, display_dealers_cards, Card_Time, Card_Time1);

// scripts/cut_scenes.h
KEEP_FRESH(skidding, spin_angle, script_start_x1, front_bomb_count, start_stamp_X);

// scripts/level_events.h
KEEP_FRESH(thud_timer);

// scripts/level_helpers.h
KEEP_FRESH(patroling1, patroling2, patroling3, speak_txt, speak_timer);

// scripts/player_pages.h
KEEP_FRESH(controls_selected);

// scripts/script_frame.h
KEEP_FRESH(script_start_x);

// scripts/scripts.h
KEEP_FRESH(gun_entry, shop_intro_type, ply_had_died, stamp_timer, pigeon_direction);

// scripts/story_scenes.h
KEEP_FRESH(target_count);

// scripts/title_pages.h
KEEP_FRESH(start_stamp_Y, temp_speed, bullet_timer, cc);
} // namespace

void Fresh_Globals_Scripts() {}
