#include "combat/ordnance.h"

#include <cmath>
#include <string>

#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/cooldowns.h"
#include "combat/damage.h"
#include "combat/sight.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/effects.h"
#include "world/sprite_construction.h"
#include "world/turning.h"
#include "world/unit_animation.h"
#include "world/world_clock.h"
#include "world/world_services.h"

namespace {

// Blast reach, half the side of the square a blast touches.
constexpr float BLAST_REACH = 0.25f;
constexpr float TANK_BLAST_REACH = 0.05f;
constexpr float ROUND_BLAST_REACH = 0.15f;
// A spread hits with kind 6 up to this far from the shooter, with kind 7 beyond.
constexpr float SPREAD_CLOSE = 0.35f;
constexpr int LIGHT_POINT_MS = 250;

// Effect kinds and texture slots of the effects made here.
constexpr int FX_KIND_GRENADE = 27, FX_KIND_GRENADE_SHADOW = 28, FX_KIND_SPLASH = 21,
              FX_KIND_DUST = 22;
constexpr int TEX_EFFECTS = 2, TEX_FLASHES = 8, TEX_VEHICLE_DUST = 14, TEX_GRENADE = 27;

// Tiles under a unit.
constexpr int TILE_MUD = 16, TILE_MUD2 = 29, TILE_MUD3 = 30, TILE_MUD4 = 31, TILE_NEUTRAL = 32;
constexpr int TILE_MUD_END_FIRST = 17, TILE_MUD_END_LAST = 28;
constexpr int TILE_MINE = 14, TILE_MINE_SPENT = 15, TILE_MINE2 = 78, TILE_MINE2_SPENT = 79;

constexpr float VIEW_RANGE = 1.4f;


float Box_Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Box_Centre_Y(const object& o) { return o.z + o.box_height / 2; }

// Strictly inside the square of half side r around (cx, cy).
bool In_Square(float cx, float cy, float x, float y, float r) {
    return cx - r < x && x < cx + r && cy - r < y && y < cy + r;
}

bool Is_Mud(int tile) { return tile == TILE_MUD || tile == TILE_MUD2 || tile == TILE_MUD3 || tile == TILE_MUD4; }

// The attack code of a general blast on an object: a light blast for bombers and mortar crews
// (and doors of those hit types), a full one for everything else.
int General_Blast_Code(const object& o) {
    return (o.sector == unit_class::BOMBER || o.sector == unit_class::UNIT_MORTAR) ? ATTACK_LIGHT_BLAST : ATTACK_BLAST;
}

// The splash a unit raises where it walks into mud (priority 4), or where it comes into view
// on mud (priority 3).
void Mud_Splash(int j, int priority) {
    const object& u = sprite[j];
    New_FX({.x = u.x, .y = u.y, .w = u.w, .z = u.z, .anim = 2, .anim_state = ANIM_LOOP, .box_width = u.box_width,
            .box_height = u.box_height, .width = u.width / 1.5f, .height = u.height / 3, .priority = priority,
            .type = GFX, .state = FX_KIND_SPLASH, .linked_sprite = j, .tex_id = TEX_EFFECTS});
}

// The mud spatter at a unit's feet: animation 3 on entering or leaving mud, 18 on drying out.
void Mud_Spatter(int j, int anim) {
    const object& u = sprite[j];
    New_FX({.x = u.x + u.width / 6, .y = u.y, .w = u.w, .z = u.z, .anim = anim, .anim_state = ANIM_ONCE,
            .box_width = u.box_width, .box_height = u.box_height, .width = u.width / 1.5f, .height = u.height / 2,
            .priority = 2, .type = GFX, .linked_sprite = j, .tex_id = TEX_EFFECTS});
}

// One object within reach of a blast takes its hit. The call trace records who took which.
void Blast_Hit(int code, int victim, int shooter, int kind, int f_rate) {
    if (call_trace)
        call_trace->push_back("blast hit " + std::to_string(victim) + " code=" + std::to_string(code) +
                              " kind=" + std::to_string(kind));
    Man_Shot(code, victim, shooter, kind, f_rate);
}

} // namespace

void Shell_Landed(float x, float y, int shooter, int f_rate, int type) {
    Trace_Call("Shell_Landed");
    if (!sprite) return;
    // A shooter that names no sprite counts as none.
    if (shooter != -1 && !Valid_Sprite(shooter)) shooter = -1;

    float r = BLAST_REACH;
    if (shooter != -1 && sprite[shooter].sector == unit_class::UNIT_TANK) r = TANK_BLAST_REACH;
    if (type == BLAST_KIND_ROUND) r = ROUND_BLAST_REACH;

    if (type == BLAST_KIND_GRENADE || type == BLAST_KIND_ROUND)
        ready_sfx = true;
    else
        clank_sfx = true;

    float sx = 0.0f, sy = 0.0f;
    if (type == BLAST_KIND_SPREAD && shooter != -1) {
        sx = Box_Centre_X(sprite[shooter]);
        sy = Box_Centre_Y(sprite[shooter]);
        const float d = Node_Distance(x, y, sx, sy);
        r = d / 2.3f;
        if (shooter == p1_id && has_shotgun_equipped && current_weapon >= 0 && current_weapon < 16 &&
            player_inv_value[current_weapon] == 0 && has_wideshot)
            r = d / 2.0f;
    }

    // Units and unit-like objects.
    const int units = player_counter < 0 ? 0 : (player_counter > PLAYER_LIST_SIZE ? PLAYER_LIST_SIZE : player_counter);
    for (int i = 0; i < units; ++i) {
        const int k = player_list[i];
        if (!Valid_Sprite(k)) continue;
        const object& u = sprite[k];
        if (!(u.type == UNT || (u.type == BAG && !u.moving))) continue;
        if (u.onDeath_action == TANK_TOP && type != BLAST_KIND_GRENADE) continue;
        if (u.score <= 0 || !u.grab_switch) continue;
        const float qx = Box_Centre_X(u), qy = Box_Centre_Y(u);
        if (!In_Square(qx, qy, x, y, r)) continue;
        const float d = Node_Distance(qx, qy, sx, sy);
        if (type == BLAST_KIND_GRENADE) {
            Blast_Hit(ATTACK_BLAST, k, shooter, SHOT_GRENADE_BLAST, f_rate);
            if (is_a_stealth_mission) {
                alarm_raised = true;
                alarm_raised_timer = Now() + 100;
            }
        } else if (type == BLAST_KIND_ROUND) {
            Blast_Hit(ATTACK_BLAST, k, shooter, SHOT_ROUND_BLAST, f_rate);
        } else if (type == BLAST_KIND_SPREAD) {
            Blast_Hit(ATTACK_NONE, k, shooter, d <= SPREAD_CLOSE ? SHOT_SPREAD_CLOSE : SHOT_SPREAD_FAR, f_rate);
        } else {
            Blast_Hit(General_Blast_Code(u), k, shooter, SHOT_ORDINARY, f_rate);
        }
    }

    // Doors and containers.
    const int doors = door_counter < 0 ? 0 : (door_counter > DOOR_LIST_SIZE ? DOOR_LIST_SIZE : door_counter);
    for (int i = 0; i < doors; ++i) {
        const int k = door_list[i];
        if (!Valid_Sprite(k)) continue;
        const object& o = sprite[k];
        if (o.type != DOR || o.score <= 0 || !o.grab_switch) continue;
        const float qx = Box_Centre_X(o), qy = Box_Centre_Y(o);
        if (!In_Square(qx, qy, x, y, r)) continue;
        if (type == BLAST_KIND_SPREAD) {
            const float d = Node_Distance(qx, qy, sx, sy);
            Blast_Hit(ATTACK_NONE, k, shooter, d <= SPREAD_CLOSE ? SHOT_SPREAD_CLOSE : SHOT_SPREAD_FAR, f_rate);
        } else {
            Blast_Hit(General_Blast_Code(o), k, shooter, SHOT_ORDINARY, f_rate);
        }
    }

    if (type == BLAST_KIND_SPREAD) return;

    New_FX({.x = x - 0.2f, .y = y - 0.2f, .w = x, .z = y, .anim = 37, .anim_state = ANIM_ONCE, .box_width = 0.1f,
            .box_height = 0.1f, .width = 0.4f, .height = 0.6f, .priority = 2, .type = GFX, .tex_id = TEX_EFFECTS});
    New_FX({.x = x - 0.2f, .y = y - 0.2f, .w = x, .z = y, .anim = 86, .anim_state = ANIM_ONCE, .box_width = 0.1f,
            .box_height = 0.1f, .width = 0.4f, .height = 0.6f, .priority = 2, .type = GFX, .tex_id = TEX_EFFECTS});

    // The blast lights its surroundings for a moment; with every point in use it stays dark.
    if (no_points >= 0 && no_points < MAX_POINTS) {
        a_point& p = points[no_points];
        p.x = x;
        p.y = y;
        p.c1 = LIGHT_PNT;
        p.score = Now() + LIGHT_POINT_MS;
        ++no_points;
    }

    if (-camX - 1 < x && x < -camX + 1 && -camY - 1 < y && y < -camY + 1) Camera_Shake(SHAKE_SHORT2);
}

void Bomb_Run(float bomb_tar_x, float bomb_tar_y, int the_guy, int f_rate) {
    Shell_Landed(bomb_tar_x, bomb_tar_y, the_guy, f_rate, BLAST_KIND_GENERAL);
}

void Throw_Grenade(int index, int target) {
    if (!Valid_Sprite(index) || !Valid_Sprite(target)) return;
    object& u = sprite[index];
    const object& t = sprite[target];
    const float tx = t.x + t.width / 2, ty = t.y + t.height / 2;
    const float px = u.x + u.width / 2, py = u.y + u.height / 2;
    const float heading = std::atan2(ty - py, tx - px);
    u.angle = heading;
    u.tar_angle = heading;

    New_FX({.x = px, .y = py, .w = u.w, .z = u.z, .anim_state = ANIM_LOOP, .box_width = u.box_width,
            .box_height = u.box_height, .width = u.width, .height = u.height, .type = GFX, .i_value = -1,
            .i_type = 2, .state = FX_KIND_GRENADE, .linked_sprite = index, .tex_id = TEX_GRENADE});
    New_FX({.x = px, .y = py, .w = u.w, .z = u.z, .anim = 37, .anim_state = ANIM_LOOP, .box_width = u.box_width,
            .box_height = u.box_height, .width = u.width, .height = u.height, .type = GFX, .i_value = -1,
            .i_type = 2, .state = FX_KIND_GRENADE_SHADOW, .linked_sprite = index, .tex_id = TEX_FLASHES});

    chop_sfx = true;
    u.status = STATUS_THROWING;
    u.anim_state = 0;
    Rank_Timer(index, STATUS_THROWING);
}

void Run_Mud_Check(int j) {
    if (!Valid_Sprite(j)) return;

    // A finished animation: the unit stands up again, or a held pose releases the player.
    if (sprite[j].anim_state == 0) {
        if (sprite[j].status == STATUS_RISING) {
            sprite[j].status = STATUS_IDLE;
            ShotIdle(j);
        } else if (sprite[j].status == STATUS_HELD_POSE) {
            lock_player = false;
            ShotIdle(j);
            if (current_weapon != -1) cash_up_sfx = true;
        }
        Animation_System(j, false, false, false, false);
    }

    object& u = sprite[j];
    const float qx = Box_Centre_X(u), qy = Box_Centre_Y(u);
    int cell = Cell_Of(qx, qy);
    const bool shows_by_day = !daytime && !in_dungeon && !u.death_flash;

    // The view check, on the AI's 50 ms view clock.
    if (Now() > reduce_fog_timer) {
        if (Is_Guy_In_Range(-1, j, VIEW_RANGE)) {
            if (u.mouseover) {
                if (cell != -1 && tiles[cell] == TILE_MUD && u.sector != unit_class::UNIT_PLANE) Mud_Splash(j, 3);
                if (u.sector == unit_class::UNIT_VEHICLE)
                    New_FX({.x = u.x, .y = u.y, .w = u.w, .z = u.z, .anim = 1, .anim_state = ANIM_ONCE,
                            .box_width = u.box_width, .box_height = u.box_height, .width = u.width,
                            .height = u.height, .priority = 3, .type = GFX, .state = FX_KIND_DUST,
                            .linked_sprite = j, .tex_id = TEX_VEHICLE_DUST});
            }
            u.mouseover = false;
            if (shows_by_day) u.alpha = 1.0f;
        } else {
            u.mouseover = true;
            if (shows_by_day) u.alpha = 0.0f;
        }
    }

    if (u.onDeath_action != TANK_TOP && u.status == STATUS_BODY) u.priority = 3;

    // An armed mine under a live unit goes off once.
    if (u.score > 0 && cell != -1 && (tiles[cell] == TILE_MINE || tiles[cell] == TILE_MINE2)) {
        tiles[cell] = tiles[cell] == TILE_MINE ? TILE_MINE_SPENT : TILE_MINE2_SPENT;
        Bomb_Run(qx, qy, -1, 1);
    }

    // Mud: each crossing makes its effect once.
    if (u.score <= 0 || cell == -1) return;
    const int tile = tiles[cell];
    bool gnd_check = false;
    if (Is_Mud(tile) && !u.on_mud) {
        u.on_mud = true;
        gnd_check = true;
        if (!u.mouseover) {
            Mud_Spatter(j, 3);
            Mud_Splash(j, 4);
        }
    }
    if (tile >= TILE_MUD_END_FIRST && tile <= TILE_MUD_END_LAST) {
        gnd_check = true;
        if (u.on_mud) {
            u.on_mud = false;
            Mud_Spatter(j, 3);
        }
    }
    if (!Is_Mud(tile) && tile != TILE_NEUTRAL && !gnd_check) {
        if (u.on_mud && !u.mouseover) Mud_Spatter(j, 18);
        u.on_mud = false;
    }
}

void Run_Gibs(int, int, int) {}

void Special_Attack(int) {}
