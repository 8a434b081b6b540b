// The start values of the globals that the camp screens share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "camp/albums.h"
#include "camp/camp.h"
#include "camp/gallery.h"
#include "camp/gallery_waves.h"
#include "camp/shop_picture.h"
#include "camp/shop_screen.h"
#include "camp/shop_stock.h"
#include "camp/tent.h"
#include "camp/tunnel.h"
#include "camp/upgrades.h"

namespace {

// camp/albums.h
KEEP_FRESH(card_queue_count, card_queue_index, card_queue_value);

// camp/camp.h
KEEP_FRESH(purchased);

// camp/gallery.h
KEEP_FRESH(gallery_scene, Gallery_Level, gallery_clip, gallery_player_damage, gallery_reloading,
           gallery_reload_timer, gallery_timer, gallery_pause_count, gallery_paused,
           targets_killed, the_sprite, gallery_finished, boss_health_width, gallery_health_width,
           cannon_timer, start_33_x, start_33_y, start_34_x, start_34_y, start_35_x, start_35_y,
           deck_angle, vibrate, flashing, my_flash_timer, pigeon_mode, pigeon_launched,
           pigeon_timer, pigeon_round, targets_shot, Xspeed1, Xspeed2, Xspeed3, Yspeed1, Yspeed2,
           Yspeed3);

// camp/gallery_waves.h
KEEP_FRESH(gallery_sequence, gallery_sequence_times, gallery_innocent, gallery_direction,
           gallery_pause, gallery_count, gallery_index, boss_total_score, boss_gallery_health);

// camp/shop_picture.h
KEEP_FRESH(shop_sequence, shop_switch_timer);

// camp/shop_screen.h
KEEP_FRESH(shop_row, scroll_timer, base_height, the_item, the_index, message_type, bump_timer,
           temp_gold, shop_price, shop_slot, shop_card);

// camp/shop_stock.h
KEEP_FRESH(shop, shop_s, shop_count);

// camp/tent.h
KEEP_FRESH(tent_health_width, tent_flash_timer);

// camp/tunnel.h
KEEP_FRESH(tunnel_sequence_timer);

// camp/upgrades.h
KEEP_FRESH(upg_weston, upg_luger, upg_training, upg_colt, upg_coltk, upg_thompson, upg_farmers,
           upg_army, upg_enfield, upg_hunter, ishop, ishop_cost, tune_up_page);
} // namespace

void Fresh_Globals_Camp() {}
