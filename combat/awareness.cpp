// Awareness and alarms: sighting an enemy, hearing the latest noise, the stealth alarm and
// the on-screen test.
#include "combat/awareness.h"

#include <cmath>

#include "combat/sight.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "platform/timer.h"
#include "world/pathfinder.h"
#include "world/sprite_construction.h"
#include "world/turning.h"

namespace {


float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

// Classes that see all around them.
bool Sees_All_Around(int cls) {
    return cls == DOG || cls == UNIT_BIRD || cls == UNIT_SHARK || cls == UNIT_SKELETON ||
           cls == UNIT_DEAD_CHIEF;
}

// Statuses in which a noise does not divert a unit: hit, knocked down, held poses, falls,
// walking, firing and the rests after fire or a throw.
bool Busy_For_Noise(int status) {
    switch (status) {
    case STATUS_HIT: case STATUS_HIT_HARD: case STATUS_DOWNED: case STATUS_LAST_CHANCE:
    case STATUS_RISING: case 28: case STATUS_SHOT_PAUSE: case STATUS_THROW_PAUSE:
    case STATUS_WALK: case STATUS_FIRING: case STATUS_PAIRED:
        return true;
    default:
        return false;
    }
}

} // namespace

void AI_Check_For_Enemies(int loop) {
    if (!Valid_Sprite(loop)) return;
    object& me = sprite[loop];
    const float vx = Centre_X(me), vy = Centre_Y(me);

    float r = 0.8f;
    if (me.sector == UNIT_SHOTGUN) r = 1.0f;
    if (me.sector == UNIT_MORTAR1 || me.sector == DOG) r = 1.2f;
    if (me.status == STATUS_PAIRED || me.status == STATUS_AT_OWN_BODY) r = 0.2f;

    const bool on_screen = Is_Sprite_Onscreen(loop);
    const int listed = player_counter < 0 ? 0 : (player_counter > PLAYER_LIST_SIZE ? PLAYER_LIST_SIZE : player_counter);
    if (me.status == STATUS_AS_OBJECT) return; // no candidate passes
    // A candidate is a live unit of the other side (its distance goes to d) that the unit has
    // in view: in its field of view, or one it sees all round, with a clear line to it.
    auto live_enemy = [&](const object& t, float& d) {
        if (t.type != UNT || t.linked_sprite == me.linked_sprite || t.score <= 0 ||
            t.status == STATUS_RISING) return false;
        const float tx = Centre_X(t), ty = Centre_Y(t);
        d = Node_Distance1(vx, vy, tx, ty);
        return true;
    };
    auto in_view = [&](const object& t) {
        const float tx = Centre_X(t), ty = Centre_Y(t);
        const float heading = std::atan2(ty - vy, tx - vx);
        if (!(Is_Guy_In_Sight(me.angle, heading) > 0 || t.sector == UNIT_VEHICLE || Sees_All_Around(me.sector)))
            return false;
        return me.sector == DUCK || !Shoot_Ray(-1, vx, vy, tx, ty, false, true);
    };
    int choice = -1;
    if (on_screen) {
        // Every candidate is in reach: the choice is the last one listed that the unit sees,
        // so the list is searched from its end and the search stops there.
        for (int n = listed - 1; n >= 0 && choice == -1; --n) {
            const int c = player_list[n];
            float d = 0.0f;
            if (Valid_Sprite(c) && live_enemy(sprite[c], d) && in_view(sprite[c])) choice = c;
        }
    } else {
        // Off screen the reach shrinks to the distance of each unit chosen.
        for (int n = 0; n < listed; ++n) {
            const int c = player_list[n];
            if (!Valid_Sprite(c)) continue;
            const object& t = sprite[c];
            float d = 0.0f;
            if (!live_enemy(t, d)) continue;
            if (t.sector == UNIT_VEHICLE) r = 1.2f;
            if (!(d < r) || !in_view(t)) continue;
            choice = c;
            r = d;
        }
    }
    if (choice == -1) return;

    const object& t = sprite[choice];
    const float tx = Centre_X(t), ty = Centre_Y(t);
    me.fire_target = choice;
    me.mov_x = me.end_x = tx;
    me.mov_y = me.end_y = ty;
    if (!me.bagging) {
        me.status = STATUS_WALK;
        me.moving = true;
        Find_Path(loop);
    }
    me.anim_state = 0;
    me.turning = false;
    me.all_timer = Now() + 200;
    alert_enemies = true;
    noise_type = 2;
    if (p1_id != -1) {
        noise_x = tx;
        noise_y = ty;
    }
}

void Alert_Enemies(int no_test, int loop) {
    if (!Valid_Sprite(loop)) return;
    object& u = sprite[loop];
    const int now = Now();
    const float lx = Centre_X(u), ly = Centre_Y(u);

    float hearing = 0.0f;
    if (noise_maker == 2) hearing = screen_mode != 0 ? 1.6f + 0.2f : 1.6f;
    if (in_dungeon) hearing = 1.0f;

    const bool alive = u.score > 0;
    if (is_a_stealth_mission && alive && u.status != STATUS_DYING) {
        alarm_raised = true;
        alarm_raised_timer = now + 100;
    }

    const bool may_react = loop != no_test && !u.bagging && u.type == UNT && !u.turn_off && alive && loop != p1_id;
    if (!may_react) return;
    const float d = Node_Distance(lx, ly, noise_x, noise_y);

    if (u.sector != UNIT_ARMOUR_TURRET && d < 1.6f) {
        u.spotted_timer = now + 8000;
        u.spotted = true;
    }

    if (u.emy_shooting || Busy_For_Noise(u.status)) return;
    if (u.status == STATUS_POSE && Level == LVL_SUPPLIES) return;
    if (!(d < hearing)) return;
    u.special = 0;
    u.status = STATUS_WALK;
    u.anim_state = 0;
    u.turning = false;
    u.all_timer = now + 200;
    if (u.sector == UNIT_BIRD) {
        // A bird flies off: to the point opposite the noise through the map centre.
        u.mov_x = -noise_x;
        u.mov_y = -noise_y;
    } else {
        u.mov_x = noise_x;
        u.mov_y = noise_y;
    }
    u.end_x = u.mov_x;
    u.end_y = u.mov_y;
    Find_Path(loop);
    u.moving = true;
}

void Raise_Alarm() {
    if (p1_id == -1 || !Valid_Sprite(p1_id)) return;
    object& p = sprite[p1_id];
    if (p.status == STATUS_CAUGHT || !is_a_stealth_mission) return;
    p.status = STATUS_CAUGHT;
    p.all_timer = Now() + 2000;
    p.anim_state = 0;
    stolen_sfx = true;
    siren_sfx = true;
    mouseleft = false;
}

bool Is_Sprite_Onscreen(int index) {
    if (!Valid_Sprite(index)) return false;
    const object& o = sprite[index];
    const float m = zoom_factor != 1.0f ? 0.35f : 0.25f;
    const float left = -camX - zoom_factor + m, right = -camX + zoom_factor - m;
    const float bottom = -camY - zoom_factor * sc_ratio + 0.25f, top = -camY + zoom_factor * sc_ratio - 0.25f;
    const float cx = o.x + o.width / 2, cy = o.y + o.height / 2;
    const float px[8] = {o.x, o.x, o.x + o.width, o.x + o.width, o.x + o.width, o.x, cx, cx};
    const float py[8] = {o.y + o.height, o.y, o.y, o.y + o.height, cy, cy, o.y, o.y + o.height};
    for (int i = 0; i < 8; ++i)
        if (px[i] > left && px[i] < right && py[i] > bottom && py[i] < top) return true;
    return false;
}
