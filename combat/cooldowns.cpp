// Action cooldowns: the due times written right after a unit enters an action status.
#include "combat/cooldowns.h"

#include "combat/upkeep.h"  // party_power
#include "common/codes.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"        // the equipped weapon family
#include "hud/weapons.h"    // GUN_FIRERATE
#include "platform/timer.h"

namespace {

// Fire cooldowns by class: the reload period and the period until the next decision;
// not_player rules never apply to the player.
struct fire_rule {
    int cls;
    bool not_player;
    int reload;
    int all;
};
constexpr fire_rule fire_rules_before[] = {
    {BOMBER, false, 100, 220},
    {UNIT_MORTAR, false, 100, 220},
    {GUNNER, true, 100, 220},
    {UNIT_MORTAR1, true, 1500, 3100},
    {UNIT_SHOTGUN, true, 100, 220},
    {DUCK, true, 100, 220},
};
constexpr fire_rule fire_rules_after[] = {
    {CHIEF, false, 100, 220},
    {SAILOR, false, 60, 120},
    {SHIELD, false, 100, 220},
    {MOUNTED, false, 100, 220},
    {UNIT_SNIPER, false, 100, 220},
    {UNIT_SKELETON, false, 100, 200},
    {MONKEY, false, 100, 300},
    {DOG, false, 100, 300},
    {UNIT_SHARK, false, 100, 200},
    {UNIT_DEAD_CHIEF, false, 100, 220},
};

template <size_t N>
void Apply_Fire_Rules(object& u, bool is_player, int now, const fire_rule (&rules)[N]) {
    for (const fire_rule& r : rules) {
        if (u.sector != r.cls || (r.not_player && is_player)) continue;
        u.reload_timer = now + r.reload;
        u.all_timer = now + r.all;
    }
}

} // namespace

// Every rule that matches is applied in order, so a later rule overrides an earlier one.
void Rank_Timer(int index, int status) {
    if (!sprite || index < 0 || index >= MAX_SPRITES) return;
    object& u = sprite[index];
    const int now = Now();
    const bool player = p1_id != -1 && index == p1_id;
    const bool not_player = index != p1_id;

    if (status == STATUS_FIRING) Apply_Fire_Rules(u, player, now, fire_rules_before);
    if (player && status == STATUS_FIRING) {
        u.all_timer = now + 2000;
        u.reload_timer = now + GUN_FIRERATE;
        if (party_power) {
            if (has_shotgun_equipped) u.reload_timer = now + 500;
            if (has_machine_equipped) u.reload_timer = now + 100;
            if (has_pistol_equipped) u.reload_timer = now + 200;
            if (has_rifle_equipped) u.reload_timer = now + 500;
        }
        start_healing = false;
    }
    if (player && status == STATUS_KNIFE) {
        u.reload_timer = now + 250;
        u.all_timer = now + 200;
        start_healing = false;
    }
    if (player && status == STATUS_THROWING) {
        u.reload_timer = now + 500;
        u.all_timer = now + 400;
        start_healing = false;
    }
    if (p1_id != -1 && not_player && status == STATUS_THROWING) {
        u.reload_timer = now + 500;
        u.all_timer = now + 100;
    }
    if (status == STATUS_FIRING) Apply_Fire_Rules(u, player, now, fire_rules_after);

    // Hits.
    if (player && status == STATUS_HIT) {
        u.all_timer = now + 200;
        start_healing = false;
    }
    if (not_player && status == STATUS_HIT) u.all_timer = now + 500;
    if (not_player && status == STATUS_HIT && u.sector == SHIELD) u.all_timer = now + 1500;
    if (not_player && status == STATUS_HIT_HARD) u.all_timer = now + 3000;
    if (player && status == STATUS_HIT_HARD) u.all_timer = now + 1000;

    // Pauses after firing or throwing.
    if (not_player && status == STATUS_SHOT_PAUSE) {
        if (u.sector == UNIT_SHOTGUN || u.sector == BOMBER) u.all_timer = now + 2000;
        else if (u.sector == UNIT_MORTAR1) u.all_timer = now + 4000;
        else u.all_timer = now + 1000;
    }
    if (not_player && status == STATUS_THROW_PAUSE) u.all_timer = now + 2000;
}
