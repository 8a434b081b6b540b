// The chores that open every AI step, in their fixed order.
#include "combat/upkeep.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/cooldowns.h"
#include "combat/firing.h"
#include "combat/medals.h"
#include "combat/ordnance.h"
#include "combat/spawning.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/level_table.h"
#include "content/object_setup.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/contact_tests.h"
#include "world/effects.h"
#include "world/particles.h"
#include "world/unit_animation.h"
#include "world/world_services.h"

namespace {

bool Player_Present() { return Valid_Sprite(p1_id); }

bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

// Effects in use, never more than the array holds.
int Fx_Count() { return std::clamp(no_fx, 0, Fx ? MAX_FX : 0); }

void Camera_Follow(const object& p) {
    mouseX += camX;
    mouseY += camY;
    hud_mouseX += camX;
    hud_mouseY += camY;

    const float tx = -(p.x + p.width / 2) + camX_OFFSET;
    const float ty = -(p.y) + camY_OFFSET;
    const float angle = std::atan2(camY - ty, camX - tx);
    camDistance = std::sqrt((camX - tx) * (camX - tx) + (camY - ty) * (camY - ty));
    const float step = 1.2f * camDistance / 150;
    camX -= std::cos(angle) * step;
    camY -= std::sin(angle) * step;

    if (camX > map_startX - zoom_factor) camX = map_startX - zoom_factor;
    if (camX < zoom_factor - 0.05f * MAP_WIDTH) camX = zoom_factor - 0.05f * MAP_WIDTH;
    if (camY > map_startY - zoom_factor * sc_ratio) camY = map_startY - zoom_factor * sc_ratio;
    if (camY < zoom_factor * sc_ratio - 0.05f * MAP_HEIGHT) camY = zoom_factor * sc_ratio - 0.05f * MAP_HEIGHT;

    mouseX -= camX;
    mouseY -= camY;
    hud_mouseX -= camX;
    hud_mouseY -= camY;
    Get_Mouse_Row();
}

void Walking_Scene_Chores(int f_rate, int now) {
    if (now > Fx_check_timer) {
        const int n = Fx_Count();
        for (int i = 0; i < n; ++i)
            if (!Fx[i].turn_off && (Fx[i].sector == 32 || Fx[i].sector == 36)) Test_Fx_to_Fx(i, f_rate);
        Fx_check_timer = now + 200;
    }
    if (alarm_raised && now > alarm_raised_timer) {
        Raise_Alarm();
        alarm_raised = false;
    }
    if (hud) {
        hud[52].alpha = 0.0f;
        hud[53].alpha = 0.0f;
        hud[37].alpha = 0.0f;
        const int anim = party_power ? 9 : 7;
        Set_Sprite(37, anim, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(53, anim, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(52, anim, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }
    if (!Player_Present()) return;
    object& p = sprite[p1_id];
    party_power = current_healthkit == 3 && p.score == PLY_VITALITY;
    if (!ply_dead && p.moving && current_healthkit == 3 && p.score == PLY_VITALITY && now > speed_timer) {
        New_FX({.x = p.x + 0.075f, .y = p.y, .w = p.w, .z = p.z, .anim = 65, .anim_state = ANIM_ONCE,
                .box_width = 0.15f, .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = GFX,
                .tex_id = 2});
        speed_timer = now + 300;
    }
    if (!party_power && now > bump_player_timer) bump_player = false;
}

void Party_Bounce(int now) {
    if (now <= party_player_timer) return;
    if (!bump_player) {
        bump_player = true;
        party_player_timer = now + 100;
    } else {
        bump_player = false;
        party_player_timer = now + 750;
    }
}

void Healing(object& p, int now) {
    if (now > healup_timer && p.score < PLY_VITALITY) {
        if (remove_healthkit && current_healthkit > 0) {
            current_healthkit--;
            remove_healthkit = false;
        }
        p.flash_target = true;
        p.flash_timer = now + 8;
        if (healup_count == 0) {
            healup_sfx = true;
            if (!party_power) {
                bump_player_timer = now + 100;
                bump_player = true;
            }
        }
        healup_count = (healup_count + 1) % 4;
        healup_timer = now + 150;
    }
    if (now > start_healing_timer && p.score < PLY_VITALITY) {
        Calculate_Health(1);
        Calculate_Lifebar();
        start_healing_timer = now + healup_addition;
        healup_addition = std::max(40, healup_addition - 4);
        if (p.score >= PLY_VITALITY) Display_Message(p1_id, MSG_HEALING);
    }
}

void Player_Block(int f_rate, int now) {
    object& p = sprite[p1_id];
    if (!CONTROL_SCHEME && p.status == STATUS_WALK) {
        if (KEY_FORWARD || KEY_BACKWARD || KEY_LEFTWARD || KEY_RIGHTWARD) {
            ply_accel = 1.0f;
        } else {
            ply_accel -= f_rate * 3e-07f;
            if (ply_accel < 0.0f) {
                ply_accel = 0.0f;
                p.moving = false;
                p.turning = false;
                ShotIdle(p1_id);
            }
        }
    }
    if (!(p.status == STATUS_IDLE && !reloading)) {
        start_healing = false;
        remove_healthkit = false;
    }
    if (start_healing) Healing(p, now);
}

void Mission_Outcome(int now) {
    if (!lock_player && success_condition >= total_success_condition && Level == LVL_TRAINING &&
        current_main == 1 && main_mission[1] != 1 && !mission_accomplished_active && Player_Present()) {
        object& p = sprite[p1_id];
        p.status = STATUS_CHEER;
        p.update = true;
        p.anim_state = 0;
        p.moving = false;
        p.all_timer = now + 1500;
        success_condition = 0;
    }
    if (!lock_player && fail_condition >= total_fail_condition) mission_objective = 101;
}

void Throw_Grenade(object& p) {
    const float cx = p.x + p.width / 2;
    const float cy = p.y + p.height / 2;
    New_FX({.x = cx, .y = cy, .w = p.w, .z = p.z, .anim_state = ANIM_LOOP, .box_width = p.box_width,
            .box_height = p.box_height, .width = p.width, .height = p.height, .type = GFX, .i_value = -1,
            .i_type = 2, .state = 27, .linked_sprite = p1_id, .tex_id = 27});
    New_FX({.x = cx, .y = cy, .w = p.w, .z = p.z, .anim = 37, .anim_state = ANIM_LOOP, .box_width = p.box_width,
            .box_height = p.box_height, .width = p.width, .height = p.height, .type = GFX, .i_value = -1,
            .i_type = 2, .state = 28, .linked_sprite = p1_id, .tex_id = 8});
    chop_sfx = true;
    p.status = STATUS_THROWING;
    p.anim_state = 0;
    p.update = true;
    Rank_Timer(p1_id, STATUS_THROWING);
    // The held stack loses one grenade; without a held slot there is no stack to take from.
    if (Valid_Slot(current_weapon)) {
        player_inv_value[current_weapon]--;
        if (player_inv_value[current_weapon] <= 0) {
            player_inv[current_weapon] = 0;
            player_inv_value[current_weapon] = 0;
            player_inv_value1[current_weapon] = 0;
            player_inv_value2[current_weapon] = 0;
            current_weapon = -1;
            Calculate_Inventory();
        }
    }
    throw_grenade = false;
}

// The weapon family (its pickup code) of a held inventory code, or -1 for other codes.
int Weapon_Family(int code) {
    switch (code) {
        case 6: case 7: case 8: return RIFLE;
        case 28: case 29: case 30: return STICK_GRENADE;
        case 33: case 34: case 35: return SHOTGUN;
        case 38: case 39: case 40: return MACHINEGUN;
        case 10: case 11: return PISTOL;
        default: return -1;
    }
}

int Ammunition_Of(int family) {
    switch (family) {
        case RIFLE: return RIFLE_AMMO;
        case PISTOL: return PISTOL_AMMO;
        case SHOTGUN: return SHELLS;
        case MACHINEGUN: return BULLETS;
        default: return -1;
    }
}

// The second slot of a two-slot weapon is the slot before the one held.
bool Two_Slot_Code(int code) {
    return code == 7 || code == 8 || code == 34 || code == 35 || code == 39 || code == 40;
}

void Finish_Reload(object& p) {
    const int cw = current_weapon;
    reloading = false;
    if (player_inv_value2[cw] < GUN_CAPACITY) cash_up_sfx = true;
    const int code = player_inv[cw];
    const int family = Weapon_Family(code);
    if (family != -1) weapon_type = family;

    if (has_unlimited && weapon_type == PISTOL && (player_inv_value[cw] == 0 || player_inv_value[cw] == 4)) {
        player_inv_value2[cw] = 24;
    } else {
        const int ammo = Ammunition_Of(weapon_type);
        int needed = GUN_CAPACITY - player_inv_value2[cw];
        int taken = 0;
        for (int s = 0; s < 16 && needed > 0 && ammo != -1; ++s) {
            if (player_inv[s] != ammo) continue;
            // A stack recorded with no rounds gives none and is cleared like an emptied one.
            const int take = std::max(0, std::min(player_inv_value[s], needed));
            player_inv_value[s] -= take;
            needed -= take;
            taken += take;
            if (player_inv_value[s] <= 0) {
                player_inv[s] = 0;
                player_inv_value[s] = 0;
            }
        }
        player_inv_value2[cw] += taken;
        if (Two_Slot_Code(code) && Valid_Slot(cw - 1)) player_inv_value2[cw - 1] += taken;
    }
    Calculate_Inventory();
    Calculate_Bullets();
    if (Player_Present() && player_type == 0 && !ply_dead) {
        if (p.moving) {
            p.status = STATUS_WALK;
            p.anim_state = 0;
            p.update = true;
            p.fire_target = -1;
        } else {
            ShotIdle(p1_id);
        }
    }
}

void Reload_Step(int now) {
    if (!reloading || !Valid_Slot(current_weapon) || !Player_Present() || ply_dead || player_type != 0) return;
    object& p = sprite[p1_id];
    if (p.score <= 0) return;
    if (now > ply_reload_timer) Finish_Reload(p);
    if (now > reload_count) {
        potion_up_sfx = true;
        reload_count = now + 1000;
    }
}

void Explosion_Chain(int now) {
    if (exploding_id == -1 || now <= exploding_timer) return;
    // The chain's centre comes from scene scripts; one that names no sprite ends the chain.
    if (!sprite || exploding_id < 0 || exploding_id >= MAX_SPRITES) {
        exploding_id = -1;
        exploding_count = 0;
        return;
    }
    exploding_timer = now + 500;
    exploding_count++;
    Create_Explosion(exploding_id);
    if (exploding_count >= 4) exploding_timer = now + 200;
    if (exploding_count >= 17) {
        exploding_id = -1;
        exploding_count = 0;
        if (Player_Present() && current_main == 2 && global_objects[18] == 1 && global_objects[19] == 1)
            Display_Message(p1_id, 41);
    }
}

void Far_Effects() {
    if (!Player_Present()) return;
    const object& p = sprite[p1_id];
    const float px = p.w + p.box_width / 2;
    const float py = p.z + p.box_height / 2;
    const int n = Fx_Count();
    for (int i = 0; i < n; ++i) {
        object& e = Fx[i];
        if (e.sector != 1 && e.sector != 24 && e.sector != 25) continue;
        const float dx = e.x - px, dy = e.y - py;
        if (std::sqrt(dx * dx + dy * dy) >= 1.0f) e.turn_off = true;
    }
}

void Walk_Counters() {
    if (player_in_water) {
        if (step_traveled > 199) step_traveled = 0;
    } else if (step_traveled > 139) {
        step_traveled = 0;
        player_walked++;
    }
    if (player_walked > 3280) {
        player_walked = 0;
        player_miles++;
    }
}

bool No_Spawn_Level() {
    switch (Level) {
        case LVL_TRAINING: case LVL_BASE: case LVL_TEST: case LVL_ROADWAY: case LVL_ORCHARD:
        case LVL_BOOT_ROAD: case LVL_BEACH_ROAD: case LVL_AIRFIELD:
            return true;
        default:
            return false;
    }
}

void Spawn_By_Distance() {
    if (in_dungeon || spawn_level_number == 0 || distance_traveled < 1.4f) return;
    int code = 1;
    if (spawn_group == spawn_level_number) code = Level == LVL_SUPPLIES ? rand() % 3 + 3 : rand() % 6 + 4;
    if (No_Spawn_Level()) return;
    if (!Spawn_A_Guy(code, -1, false)) return;
    spawn_group++;
    distance_traveled = 0;
    if (spawn_group > spawn_level_number + 1) spawn_group = 0;
}

void Follow_Point() {
    if (distance_traveled < 0.03f || !Player_Present() || player_type != 0) return;
    const object& p = sprite[p1_id];
    follow_x = (int)((p.w + p.box_width / 2 + 5) * 10);
    follow_y = (int)((p.z + p.box_height / 2 + 5) * 10);
}

void Camera_Path(int f_rate) {
    // The path's next point comes from scene scripts; one outside the scene's points ends the path.
    if (next_cam < 0 || next_cam >= std::clamp(no_points, 0, MAX_POINTS)) {
        cam_moving = false;
        return;
    }
    const float rate = cam_speed == 2 ? 0.0005f : cam_speed == 1 ? 0.0003f : 0.0002f;
    const float speed = f_rate * rate;
    const a_point& target = points[next_cam];
    const bool arrived = std::fabs(-camX - target.x) < 0.05f && std::fabs(-camY - target.y) < 0.05f;
    const float angle = std::atan2(-camY - target.y, -camX - target.x);
    camX += std::cos(angle) * 1.2f * speed;
    camY += std::sin(angle) * 1.2f * speed;
    if (arrived) cam_moving = false;
}

void Expire_Light_Points(int now) {
    no_points = std::clamp(no_points, 0, MAX_POINTS);
    for (int i = 0; i < no_points; ++i) {
        if (points[i].c1 != LIGHT_PNT || now < points[i].score) continue;
        for (int j = i; j < no_points - 1; ++j) {
            a_point& to = points[j];
            const a_point& from = points[j + 1];
            to.x = from.x;
            to.y = from.y;
            to.score = from.score;
            to.active = from.active;
            to.speed = from.speed;
            to.c1 = from.c1;
            to.c2 = from.c2;
            to.c3 = from.c3;
            to.c4 = from.c4;
        }
        no_points--;
    }
}

}  // namespace

void Get_Closest_Node(int) {}

void Group_Command() {}

void AI_Upkeep(int f_rate) {
    const int now = Now();
    const bool walking = game_mode == MODE_WALK;
    const bool present = Player_Present();
    const bool alive = !ply_dead;

    if (walking && present && f_rate <= 99) Camera_Follow(sprite[p1_id]);
    if (walking) Walking_Scene_Chores(f_rate, now);
    if (party_power && !lock_player && alive && present && walking) Party_Bounce(now);
    if (!lock_player && alive && present && walking) Player_Block(f_rate, now);
    if (alive && walking && now > fade_timer) Medal_Check();
    if (alive && walking && ply_special_attack != -1) Special_Attack(ply_special_attack);

    if (tunnel_timer != -1 && now > tunnel_timer) {
        tunnel_timer = -1;
        if (next_scene1 != -1 && next_episode1 != -1) {
            scene = next_scene1;
            episode = next_episode1;
        }
        next_scene = true;
    }

    no_lights_on = 0;
    Get_Closest_Node(0);
    Mission_Outcome(now);
    if (!lock_player && alive && Player_Present() && walking) Check_Crouch(p1_id);

    if (!lock_player && alive && !next_scene && Player_Present() && player_type == 0 && throw_grenade) {
        object& p = sprite[p1_id];
        if (p.score > 0 && p.status != STATUS_KNIFE && p.status != STATUS_THROWING && now > p.reload_timer &&
            p.angle == p.tar_angle)
            Throw_Grenade(p);
    }
    Reload_Step(now);

    run_angle_check = false;
    if (now > angle_timer) {
        angle_timer = now + 15;
        run_angle_check = true;
        Group_Command();
    }

    if (walking) Explosion_Chain(now);
    if (walking && now > range_timer) Far_Effects();
    if (walking) Walk_Counters();
    Spawn_By_Distance();
    Follow_Point();
    if (f_rate <= 99 && cam_moving) Camera_Path(f_rate);
    Expire_Light_Points(now);

    music_danger_volume = 0.0f;
    light_count = 0;
    if (now > check_timer && alert_enemies) {
        alert_enemies = false;
        noise_maker = 2;
    }
    draw_light_count = 0;
}
