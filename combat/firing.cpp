#include "combat/awareness.h"
#include "combat/firing.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/mouse_code.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/effects.h"
#include "world/pathfinder.h"
#include "world/sprite_construction.h"
#include "world/turning.h"

namespace {


float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

bool One_Of(int v, std::initializer_list<int> set) {
    for (int s : set)
        if (v == s) return true;
    return false;
}

// Entries of a sprite list, limited to what the list holds.
int List_Count(int counter, int size) { return counter < 0 ? 0 : (counter > size ? size : counter); }

// The inventory code in the equipped weapon slot, or 0 when no valid slot is equipped.
int Equipped_Code() {
    if (current_weapon < 0 || current_weapon >= 16) return 0;
    return player_inv[current_weapon];
}
bool Is_Rifle(int c) { return c == 6 || c == 7 || c == 8; }
bool Is_Pistol(int c) { return c == 10 || c == 11; }
bool Is_Shotgun(int c) { return c == 33 || c == 34 || c == 35; }
bool Is_Machine_Gun(int c) { return c == 38 || c == 39 || c == 40; }

// Whether door mode is on: the player's chosen target is a door or container.
bool Door_Mode(int shooter) {
    if (!Valid_Sprite(shooter) || shooter != p1_id) return false;
    int t = sprite[shooter].fire_target;
    return Valid_Sprite(t) && sprite[t].type == DOR;
}

// The firing range of a unit for the target search.
float Firing_Range(int loop) {
    const object& u = sprite[loop];
    float range = 0.52f;
    switch (u.sector) {
    case UNIT_SKELETON: range = 0.1f; break;
    case DUCK: range = 0.6f; break;
    case UNIT_SHOTGUN: range = 0.5f; break;
    case UNIT_DEAD_CHIEF: range = 0.4f; break;
    case BOMBER: range = (u.onDeath_action == TURRET || u.onDeath_action == TANK_TOP) ? 0.7f : 0.6f; break;
    case UNIT_MORTAR: range = 0.6f; break;
    case UNIT_MORTAR1: range = 1.2f; break;
    case CHIEF: range = 0.52f; break;
    case SAILOR: range = 0.48f; break;
    case UNIT_SHARK: range = 0.1f; break;
    case MONKEY: range = 0.15f; break;
    case DOG: range = 0.18f; break;
    default: break;
    }
    if (u.sector_action == AI_BUDDY) range = 0.7f;
    if (u.status == STATUS_PAIRED) range = 0.2f;
    if (loop == p1_id) {
        int cw = current_weapon;
        range = (cw >= 0 && cw < 16 && player_inv_value2[cw] > 0) ? p1_range : 0.15f;
        if (Door_Mode(loop)) range = 0.15f;
        if (Level == 34) range = 3.0f;
    }
    return range;
}

} // namespace

bool Player_Ammo_Use() {
    const int cw = current_weapon;
    if (cw < 0 || cw >= 16) return true;
    const int code = player_inv[cw];
    // The first slot of a two-slot weapon; a weapon in slot 0 has none to count down.
    int* first = cw > 0 ? &player_inv_value2[cw - 1] : nullptr;
    auto both = [&](int n) {
        player_inv_value2[cw] -= n;
        if (first) *first -= n;
    };
    if (code == 28 || code == 29 || code == 30) player_inv_value[cw]--;
    else if (code == 10 || code == 11) player_inv_value2[cw]--;
    else if (code == 7 || code == 8) both(1);
    else if (code == 34 || code == 35) {
        if (player_inv_value2[cw] > 1 && has_double_barrel) {
            double_shot = true;
            both(2);
        } else {
            both(1);
        }
    } else if (code == 39 || code == 40) {
        both(1);
        ply_shooting = true;
    }

    bool fired = true;
    if (player_inv_value2[cw] < 0) {
        player_inv_value2[cw] = 0;
        fired = false;
        pick_up_sfx = true;
        mouseleft = false;
        mouseheld = false;
        if (Valid_Sprite(p1_id)) sprite[p1_id].fire_target = -1;
    } else {
        alert_enemies = true;
        noise_type = 2;
        if (is_a_stealth_mission) {
            alarm_raised = true;
            alarm_raised_timer = Now() + 500;
        }
        if (Valid_Sprite(p1_id)) {
            noise_x = Centre_X(sprite[p1_id]);
            noise_y = Centre_Y(sprite[p1_id]);
        }
    }
    Calculate_Bullets();
    Calculate_Inventory();
    return fired;
}

namespace {

// Where a missed round lands: -0.2, -0.1 or 0.1.
float Miss_Offset() {
    int o = rand() % 4 - 2;
    if (o == 0) o = 1;
    return o / 10.0f;
}

// Coarse cell coordinate used to find bodies next to a unit.
int Coarse(float v) {
    float g = (v + 5.0f) * 10.0f;
    if (!(g > -1.0e6f && g < 1.0e6f)) return -1000000;
    return (int)g;
}

} // namespace

void Shoot_Test(int loop, int f_rate) {
    if (!Valid_Sprite(loop)) return;
    object& u = sprite[loop];
    const bool is_player = loop == p1_id;
    const float sx = Centre_X(u), sy = Centre_Y(u);
    float range = Firing_Range(loop);

    int target = -1;
    if (Valid_Sprite(p1_id)) {
        const bool doors = Door_Mode(loop);
        const int* list = doors ? door_list : player_list;
        const int count = doors ? List_Count(door_counter, DOOR_LIST_SIZE) : List_Count(player_counter, PLAYER_LIST_SIZE);
        for (int i = 0; i < count; i++) {
            const int c = list[i];
            if (!Valid_Sprite(c) || c == loop) continue;
            const object& o = sprite[c];
            if (!(o.type == UNT || (is_player && (o.type == DOR || o.type == BAG)))) continue;
            if (o.linked_sprite == u.linked_sprite) continue;
            if (!(o.score > 0 || is_player)) continue;
            if (o.turn_off || One_Of(o.status, {STATUS_FALLING, STATUS_RISING, STATUS_CAUGHT}) || (!is_player &&
                o.status == STATUS_DOWNED)) continue;
            const float cx = Centre_X(o), cy = Centre_Y(o);
            const float d = Node_Distance1(sx, sy, cx, cy);
            if (!(d < range)) continue;
            if (!is_player && in_dungeon && d >= 0.15f && Shoot_Ray(-1, sx, sy, cx, cy, false, true)) continue;
            if (Is_Guy_In_Sight(u.angle, std::atan2(cy - sy, cx - sx)) <= 0) continue;

            if (u.linked_sprite == player_type) {
                if (!is_player) {
                    target = c;
                    range = d;
                }
                if (c == u.fire_target) {
                    if (!is_player) break;
                    if (d > 0.3f || d <= 0.15f) {
                        target = c;
                        break;
                    }
                }
            } else if (!lan_game) {
                if (u.fire_target != -1) {
                    if (c == u.fire_target) {
                        target = c;
                        break;
                    }
                } else {
                    target = c;
                    range = d;
                }
            }
        }
    }

    u.turning = false;
    if (target == -1) return;

    const object& t = sprite[target];
    const float tx = Centre_X(t), ty = Centre_Y(t);
    if (u.sector != UNIT_TANK) {
        u.turning = true;
        Set_Heading(loop, tx, ty, false);
        if (is_player) u.angle = u.tar_angle;
        if (Convert_Angle_To_Dir(u.angle) == Convert_Angle_To_Dir(u.tar_angle)) {
            if (u.sector != UNIT_MORTAR1) {
                if (p1_id != -1) {
                    const bool blast = (is_player && has_shotgun_equipped) || u.sector == UNIT_SHOTGUN;
                    TestSpriteToShoot(loop, sx, sy, tx, ty, blast, target, f_rate);
                }
            } else if (Valid_Sprite(p1_id)) {
                // The mortar crew lobs its round at the player whatever it saw.
                const object& p = sprite[p1_id];
                New_FX({.x = p.x + p.width / 2, .y = p.y + p.height / 2, .w = p.w, .z = p.z, .anim = 11,
                        .anim_state = 2, .box_width = p.width, .box_height = p.height, .width = p.box_width,
                        .height = p.box_height, .priority = 2, .type = 15, .alpha = 0.01f, .state = 29,
                        .linked_sprite = p1_id, .tex_id = 2});
                whistle_sfx = true;
                if (!is_a_stealth_mission) {
                    alert_enemies = true;
                    noise_type = 2;
                }
                noise_x = Centre_X(p);
                noise_y = Centre_Y(p);
                u.anim_state = 0;
                u.update = true;
                u.status = STATUS_FIRING;
                Rank_Timer(loop, STATUS_FIRING);
                splash_sfx = true;
                u.emy_shooting = true;
            }
            u.turning = false;
        }
    } else if (!u.bombs_away) {
        u.turning = true;
        Set_Heading(loop, tx, ty, false);
        if (Convert_Angle_To_Dir(u.angle) == Convert_Angle_To_Dir(u.tar_angle)) {
            u.turning = false;
            u.ai_timer = Now() + 1000;
            u.status = STATUS_FIRING;
            u.anim_state = 0;
            u.update = true;
            Rank_Timer(loop, STATUS_FIRING);
            u.shell_x = tx;
            u.shell_y = ty;
            u.bombs_away = true;
            tank_sfx = true;
            u.emy_shooting = true;
        }
    }
}

bool TestSpriteToShoot(int no_test, float x1, float y1, float x2, float y2, bool hulk, int target_id, int f_rate) {
    double_shot = false;
    if (!Valid_Sprite(no_test)) return false;
    object& s = sprite[no_test];
    const bool is_player = no_test == p1_id;
    float d = Node_Distance(x1, y1, x2, y2);

    // An aimed shot of the player (side 0) uses rounds only beyond 0.15.
    if (is_player && player_type == 0 && d > 0.15f && !Player_Ammo_Use()) return false;

    const bool doors = Valid_Sprite(target_id) && sprite[target_id].type == DOR;
    if (doors) d = 0.15f;
    const int* list = doors ? door_list : player_list;
    const int count = doors ? List_Count(door_counter, DOOR_LIST_SIZE) : List_Count(player_counter, PLAYER_LIST_SIZE);
    int target = -1;
    for (int i = 0; i < count && target == -1; i++) {
        const int c = list[i];
        if (!Valid_Sprite(c) || c == no_test) continue;
        const object& o = sprite[c];
        if (!(o.type == DOR || o.type == UNT || o.type == BAG)) continue;
        if (o.mouseover || o.status == STATUS_AS_OBJECT || !o.grab_switch) continue;
        if (!(o.score > 0 || c == s.fire_target)) continue;
        if (o.linked_sprite == s.linked_sprite || o.turn_off || o.onDeath_action == 3) continue;
        if (std::fabs(Centre_X(o) - x2) < 0.05f && std::fabs(Centre_Y(o) - y2) < 0.05f) target = c;
    }
    if (target == -1) return false;
    object& t = sprite[target];
    const int cls = s.sector;
    const int code = is_player ? Equipped_Code() : 0;

    // Grenade choice.
    bool throws = false;
    if ((cls == SAILOR || cls == GUNNER || cls == SHIELD) && s.rank > 2 && s.linked_sprite != player_type)
        throws = rand() % 5 == 4 || reloading;
    else if (cls == UNIT_SHOTGUN && s.rank > 1)
        throws = rand() % 8 == 4 || reloading;

    if (d > 0.15f && !throws && !is_a_stealth_mission) {
        alert_enemies = true;
        noise_type = 2;
        noise_x = Centre_X(t);
        noise_y = Centre_Y(t);
    }

    if (!throws) {
        if (is_player) s.status = (current_weapon == -1 && d > 0.15f) ? 67 : 29;
        else s.status = STATUS_FIRING;
        s.anim_state = 0;
        s.update = true;
        if (is_player && !Is_Machine_Gun(code)) {
            mouseleft = false;
            mouseheld = false;
        }
    }

    // Muzzle flash or missile.
    if (!One_Of(cls, {21, 34, 41, 29}) && d > 0.15f && !throws) {
        const float mx = s.x + s.width / 2, my = s.y + s.height / 2;
        if (!One_Of(cls, {22, 21, 34, 41, 1, 29}) && t.type != DOR) {
            const int anim = (is_player && has_shotgun_equipped) ? 76 : 36;
            New_FX({.x = mx, .y = my, .w = s.w, .z = s.z, .anim = anim, .anim_state = 2, .box_width = s.width,
                    .box_height = s.height, .width = s.box_width, .height = s.box_height, .type = 15, .state = 24,
                    .linked_sprite = no_test, .tex_id = 8});
        }
        if (cls == UNIT_DEAD_CHIEF)
            New_FX({.x = s.x, .y = s.y, .w = s.w, .z = s.z, .anim = 1, .anim_state = 2, .box_width = s.box_width,
                    .box_height = s.box_height, .width = s.width, .height = s.height, .priority = 2, .type = 15,
                    .i_value = target, .i_type = 1, .state = 1, .linked_sprite = no_test, .tex_id = 2});
        if (cls == BOMBER)
            New_FX({.x = s.x, .y = s.y, .w = s.w, .z = s.z, .anim_state = 2, .box_width = s.box_width,
                    .box_height = s.box_height, .width = s.width, .height = s.height, .priority = 2, .type = 15,
                    .i_value = target, .i_type = 4, .state = 1, .linked_sprite = no_test, .tex_id = 2});
    }

    // The player's sound; a stroke at arm's length is the knife.
    if (is_player) {
        shot_fired = 0;
        if (d <= 0.15f || doors) {
            s.status = STATUS_KNIFE;
            if (doors) chop_sfx = true;
            else splat_sfx = true;
        } else if (Is_Rifle(code)) {
            sniperply_sfx = true;
        } else if (Is_Shotgun(code)) {
            if (player_inv_value[current_weapon] == 0 && has_double_barrel) shotgun1_sfx = true;
            else shotgun_sfx = true;
        } else if (Is_Machine_Gun(code)) {
            mount_sfx = true;
        } else if (code == 29 || code == 30 || Is_Pistol(code)) {
            death_sfx = true;
        }
    }

    if (!throws) {
        Rank_Timer(no_test, s.status);
        if (!is_player) {
            switch (cls) {
            case GUNNER: case SHIELD: case DUCK: sight_sfx = true; break;
            case UNIT_MORTAR1: case BOMBER: splash_sfx = true; break;
            case UNIT_SHOTGUN: shotgun1_sfx = true; break;
            case MONKEY: case UNIT_SKELETON: splat_sfx = true; break;
            case DOG: dogdie_sfx = true; break;
            case UNIT_SNIPER: sniper_sfx = true; break;
            case CHIEF: case SAILOR: death_sfx = true; break;
            case WORKER: case UNIT_DEAD_CHIEF: case UNIT_SHARK: chop_sfx = true; break;
            case MOUNTED: case UNIT_PLANE: case UNIT_MORTAR: mount_sfx = true; break;
            default: break;
            }
        }
    }

    // Accuracy.
    const int r = rand() % 100;
    long long a;
    if (is_player) {
        a = 70 - 5LL * t.rank + PLY_ACCURACY;
        if (targeted == 1) a += 5;
        if (Is_Rifle(code) || Is_Shotgun(code) || Is_Pistol(code)) a = 100;
        if (Is_Machine_Gun(code)) a = has_stock ? 100 : 90;
    } else {
        a = 90;
    }
    if (a < 15) a = 15;
    if (s.type == BAG && a < 80) a = 80;
    if (d <= 0.2f) a = 100;
    if (cls == UNIT_SNIPER) a = 100;
    if (cls == UNIT_MORTAR) a = 40;
    if (throws) {
        Throw_Grenade(no_test, target);
        a = -1;
    }

    if (cls != BOMBER && cls != UNIT_DEAD_CHIEF) {
        if (r <= a || d <= 0.15f || t.type == DOR) {
            if (hulk && d > 0.15f && t.type != DOR) {
                Shell_Landed(Centre_X(t), Centre_Y(t), no_test, f_rate, 32);
            } else if (!lan_game && !next_scene && t.score > 0) {
                Man_Shot(s.status, target, no_test, SHOT_ORDINARY, f_rate);
                if ((cls == MONKEY || cls == DOG) && target == p1_id && has_thorns)
                    Man_Shot(s.status, no_test, p1_id, SHOT_THORNS, f_rate);
            }
        } else {
            const float ox = Miss_Offset();
            const float oy = Miss_Offset();
            const float px = t.x - ox, py = t.y - oy;
            const int cell = Cell_Of(px, py);
            if (cell >= 0) {
                const int tile = tiles[cell];
                if (tile >= 480 && tile <= 483) {
                    New_FX({.x = px, .y = py, .w = t.w, .z = t.z, .anim = 39, .anim_state = 1, .box_width = 0.15f,
                            .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = 15,
                            .tex_id = 2});
                    water_sfx = true;
                } else {
                    ric_sfx = true;
                    New_FX({.x = px, .y = py, .w = t.w, .z = t.z, .anim = 12, .anim_state = 1, .box_width = 0.15f,
                            .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = 15,
                            .tex_id = 2});
                    New_FX({.x = px, .y = py, .w = t.w, .z = t.z, .anim = 27, .anim_state = 2, .box_width = 0.15f,
                            .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = 15,
                            .alpha = 0.8f, .state = 35, .tex_id = 2});
                }
            }
        }
    }

    s.emy_shooting = true;
    return true;
}

void ShotIdle(int loop) {
    if (!Valid_Sprite(loop)) return;
    object& u = sprite[loop];
    if (!lock_player && u.reached_node == -1 && !One_Of(u.status, {STATUS_POSE, STATUS_FALLING, STATUS_RISING})) {
        u.anim_state = 0;
        u.status = STATUS_IDLE;
        u.update = true;
        u.moving = false;
        u.ai_timer = Now() + 500;
    }

    if (lock_player || p1_id == -1 || loop == p1_id || One_Of(u.status, {STATUS_POSE, STATUS_PAIRED, STATUS_DOWNED,
        STATUS_LAST_CHANCE, STATUS_AT_OWN_BODY}) ||
        u.fire_target != -1 ||
        One_Of(u.sector, {UNIT_SNIPER, MONKEY, DOG, UNIT_GENERAL, UNIT_BIRD, UNIT_SKELETON, UNIT_RESCUE,
                          UNIT_DEAD_CHIEF, UNIT_SHARK}))
        return;
    const int ux = Coarse(Centre_X(u)), uy = Coarse(Centre_Y(u));
    const int count = List_Count(player_counter, PLAYER_LIST_SIZE);
    for (int i = 0; i < count; i++) {
        const int b = player_list[i];
        if (!Valid_Sprite(b) || b == loop) continue;
        object& body = sprite[b];
        if (body.type != UNT || body.score > 0 || body.status == STATUS_BODY_FADING ||
            body.status == STATUS_BODY_SUNK) continue;
        if (Coarse(Centre_X(body)) != ux || Coarse(Centre_Y(body)) != uy - 1) continue;
        if (body.linked_sprite != u.linked_sprite) {
            u.status = STATUS_PAIRED;
            body.status = STATUS_PAIRED;
            body.score = loop;
            body.priority = 3;
            Set_Sprite(b, body.base_anim + 1, 2, 0, false);
        } else {
            u.status = STATUS_AT_OWN_BODY;
        }
    }
}
