// The start values of the globals that the combat and unit AI share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "combat/ambient.h"
#include "combat/awareness.h"
#include "combat/boss.h"
#include "combat/combat.h"
#include "combat/firing.h"
#include "combat/medals.h"
#include "combat/movement.h"
#include "combat/unit_ai.h"
#include "combat/upkeep.h"

namespace {

// combat/ambient.h
KEEP_FRESH(music_danger_distance, hud_face);

// combat/awareness.h
KEEP_FRESH(noise_x, noise_y, noise_type, alert_enemies, noise_maker, check_timer, alarm_raised,
           alarm_raised_timer);

// combat/boss.h
KEEP_FRESH(boss_speed, boss_accel, reverse, boss_front, bullet_count, scripts_bullet_timer,
           silo_fired, silo1_fired);

// combat/combat.h
KEEP_FRESH(ply_dead, camX_OFFSET, camY_OFFSET, tunnel_timer, next_scene1, next_episode1,
           lock_player);

// combat/firing.h
KEEP_FRESH(double_shot, p1_range, lan_game);

// combat/medals.h
KEEP_FRESH(global_medals);

// combat/movement.h
KEEP_FRESH(ply_accel);

// combat/unit_ai.h
KEEP_FRESH(guys_mine_count, range_timer);

// combat/upkeep.h
KEEP_FRESH(camDistance, cam_speed, speed_timer, ply_reload_timer, reload_count, party_power,
           healup_addition);
} // namespace

void Fresh_Globals_Combat() {}
