#include "combat/boss.h"

#include <cmath>

#include "combat/combat.h"
#include "combat/damage.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/effects.h"
#include "world/turning.h"
#include "world/world_services.h"

namespace {

// The boss's parts: fixed sprites of its scene.
constexpr int SILO_A = 27, SILO_B = 28, GUN_A = 29, GUN_B = 30, COVER = 31, LAUNCHER = 32, CORE = 33;
constexpr int FLASH_A = 34, FLASH_B = 35, FRONT_GUN = 36, FRONT_FLASH = 37, FRONT_FLASH_L = 38,
              FRONT_FLASH_R = 39;
constexpr int FIRST_PART = 27, LAST_MOVING_PART = 39, LAST_WRECKED_PART = 36;

// Other objects of the scene the boss's shots can destroy.
constexpr int BUOY_A = 48, BUOY_B = 49, CRATE_A = 41, CRATE_B = 43, STORE_A = 46, STORE_B = 11;

// Scene points at the two ends of the boss's path.
constexpr int PATH_END_A = 2, PATH_END_B = 3;
constexpr float PATH_END_REACH = 0.4f;

constexpr float GUN_ANGLE = -2.6f, FRONT_ANGLE_L = 3.1f, FRONT_ANGLE_R = -1.4f;
constexpr float HEADING_OUT = -0.62f, HEADING_BACK = 2.52f;
constexpr int BURST_SHOTS = 49;  // a burst ends once more shots than this were fired
constexpr int BURST_GAP_MS = 100;

constexpr float SPEED_START = 0.00015f, SPEED_ONE_SILO = 0.0002f, SPEED_NO_SILOS = 0.00024f,
                SPEED_NO_COVER = 0.0003f;
constexpr float ACCEL_STEP = 0.0000001f;
constexpr float STOPPED = 0.00003f;     // the wreck counts as stopped below this speed
constexpr float BURNING = 0.00005f;     // dead parts burn while the boss moves faster than this

constexpr float SHOT_STEP = 0.005f;
constexpr float SHOT_REACH = 0.05f;

constexpr int TEX_EFFECTS = 2;
constexpr int FX_KIND_INCOMING = 29;
constexpr int DROP_BOSS_STORE = 17;

object& S(int i) { return sprite[i]; }
bool Alive(int i) { return sprite[i].score > 0; }
float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

bool Player_Present() { return p1_id >= 0 && p1_id < MAX_SPRITES; }
bool Player_Alive() { return Player_Present() && !ply_dead && sprite[p1_id].score > 0; }

// A round launched at the player: the main tick sets it off when it has faded in.
void Incoming_Round() {
    if (!Player_Present()) return;
    const object& p = S(p1_id);
    New_FX({.x = p.x + p.width / 2, .y = p.y + p.height / 2, .w = p.w, .z = p.z, .anim = 11,
            .anim_state = ANIM_LOOP, .box_width = p.width, .box_height = p.height, .width = p.box_width,
            .height = p.box_height, .priority = 2, .type = GFX, .alpha = 0.01f, .state = FX_KIND_INCOMING,
            .linked_sprite = p1_id, .tex_id = TEX_EFFECTS});
    whistle_sfx = true;
}

// Fire and smoke at the centre of a part.
void Part_Blast(int part, int priority) {
    const float qx = Centre_X(S(part)), qy = Centre_Y(S(part));
    New_FX({.x = qx - 0.2f, .y = qy - 0.2f, .w = qx, .z = qy, .anim = 37, .anim_state = ANIM_ONCE,
            .box_width = 0.4f, .box_height = 0.4f, .width = 0.4f, .height = 0.4f, .priority = priority, .type = GFX,
            .tex_id = TEX_EFFECTS});
}

void Play(int part, int anim, int playback) { Set_Sprite(part, anim, playback, ANIM_ARRAY_SPRITE, true); }

// A gun killed with its silo: switched off without a wreck of its own.
void Kill_With_Silo(int gun, int flash) {
    S(gun).grab_switch = false;
    S(gun).mouseover = true;
    S(gun).turn_off = true;
    S(gun).score = 0;
    S(flash).alpha = 0.0f;
}

bool Either_Gun_Alive() { return Alive(GUN_A) || Alive(GUN_B); }

// The phase steps: each one whose turn it is runs, so several may follow in one call.
void Run_Steps(int ms) {
    int& seq = title_sequence;
    auto due = [] { return Now() > title_timer; };
    auto after = [](int period) { title_timer = Now() + period; };

    if (seq == 0) {
        S(CORE).alpha = 0.0f;
        S(CORE).grab_switch = false;
        S(FRONT_GUN).alpha = 0.0f;
        S(FRONT_GUN).grab_switch = false;
        S(COVER).grab_switch = false;
        for (int f : {FLASH_A, FLASH_B, FRONT_FLASH, FRONT_FLASH_L, FRONT_FLASH_R}) S(f).alpha = 0.0f;
        bullet_count = 0;
        boss_speed = 0.0f;
        boss_accel = 0.0f;
        boss_front = true;
        reverse = true;
        after(2000);
        seq = 1;
    }
    if (seq == 1 && due()) {
        for (int g : {GUN_A, GUN_B})
            if (Alive(g)) Play(g, 0, ANIM_ONCE);
        if (Either_Gun_Alive()) after(1000); else title_timer = 0;
        seq = 2;
    }
    if (seq == 2 && due()) {
        for (int g : {GUN_A, GUN_B})
            if (Alive(g)) Play(g, 4, ANIM_ONCE);
        if (Either_Gun_Alive()) hatch_sfx = true;
        if (Either_Gun_Alive()) after(1000); else title_timer = 0;
        seq = 3;
    }
    if (seq == 3 && due()) {
        if (Now() > scripts_bullet_timer) {
            const int guns[2] = {GUN_A, GUN_B};
            const int flashes[2] = {FLASH_A, FLASH_B};
            for (int g = 0; g < 2; ++g) {
                if (!Alive(guns[g])) continue;
                Boss_Shoot(guns[g], Centre_X(S(guns[g])), Centre_Y(S(guns[g])), GUN_ANGLE, ms);
                Play(guns[g], 5, ANIM_LOOP);
                S(flashes[g]).alpha = 1.0f;
            }
            if (Either_Gun_Alive()) mount_sfx = true;
            scripts_bullet_timer = Now() + BURST_GAP_MS;
            ++bullet_count;
        }
        if (bullet_count > BURST_SHOTS || !Either_Gun_Alive()) seq = 4;
    }
    if (seq == 4) {
        S(FLASH_A).alpha = 0.0f;
        S(FLASH_B).alpha = 0.0f;
        for (int g : {GUN_A, GUN_B})
            if (Alive(g)) Play(g, 6, ANIM_ONCE);
        if (Either_Gun_Alive()) hatch_sfx = true;
        bullet_count = 0;
        if (Either_Gun_Alive()) after(1000); else title_timer = 0;
        seq = 5;
    }
    if (seq == 5 && due()) {
        for (int g : {GUN_A, GUN_B})
            if (Alive(g)) Play(g, 0, ANIM_ONCE);
        if (Alive(SILO_A)) {
            Play(SILO_A, 4, ANIM_ONCE);
            splash_sfx = true;
            silo_fired = true;
        }
        after(150);
        seq = 6;
    }
    if (seq == 6 && due()) {
        if (Alive(SILO_A)) Play(SILO_A, 0, ANIM_LOOP);
        after(1000);
        seq = 7;
    }
    if (seq == 7 && due()) {
        if (Alive(SILO_B)) {
            Play(SILO_B, 4, ANIM_ONCE);
            splash_sfx = true;
            silo1_fired = true;
        }
        after(150);
        seq = 8;
    }
    if (seq == 8 && due()) {
        if (Alive(SILO_B)) Play(SILO_B, 0, ANIM_LOOP);
        after(1000);
        seq = 9;
    }
    if (seq == 9 && due()) {
        if (silo_fired) {
            Incoming_Round();
            silo_fired = false;
        }
        after(2000);
        seq = 10;
    }
    if (seq == 10 && due()) {
        if (silo1_fired) {
            Incoming_Round();
            silo1_fired = false;
        }
        after(2000);
        seq = 11;
    }
    if (seq == 11 && due()) seq = 1;

    if (seq == 12) {
        S(FRONT_GUN).alpha = 1.0f;
        S(FRONT_GUN).grab_switch = true;
        if (Alive(FRONT_GUN)) hatch_sfx = true;
        after(1000);
        seq = 13;
    }
    if (seq == 13 && due()) {
        if (Alive(FRONT_GUN)) Play(FRONT_GUN, 10, ANIM_ONCE);
        for (int f : {FRONT_FLASH, FRONT_FLASH_L, FRONT_FLASH_R}) S(f).alpha = 0.0f;
        bullet_count = 0;
        scripts_bullet_timer = 0;
        after(1500);
        seq = 14;
    }
    if (seq == 14 && due()) {
        if (Now() > scripts_bullet_timer && Alive(FRONT_GUN)) {
            const float gx = Centre_X(S(FRONT_GUN)), gy = Centre_Y(S(FRONT_GUN));
            if (boss_front) {
                Boss_Shoot(FRONT_GUN, gx, gy, GUN_ANGLE, ms);
                Play(FRONT_GUN, 11, ANIM_LOOP);
                S(FRONT_FLASH).alpha = 1.0f;
            } else {
                Boss_Shoot(FRONT_GUN, gx, gy, FRONT_ANGLE_L, ms);
                Boss_Shoot(FRONT_GUN, gx, gy, FRONT_ANGLE_R, ms);
                S(FRONT_FLASH_L).alpha = 1.0f;
                S(FRONT_FLASH_R).alpha = 1.0f;
                Play(FRONT_GUN, 12, ANIM_LOOP);
            }
            mount_sfx = true;
            scripts_bullet_timer = Now() + BURST_GAP_MS;
            ++bullet_count;
        }
        if (bullet_count > BURST_SHOTS || !Alive(FRONT_GUN)) {
            boss_front = !boss_front;
            seq = 13;
        }
    }

    if (seq == 15) {
        for (int f : {FRONT_FLASH, FRONT_FLASH_L, FRONT_FLASH_R}) S(f).alpha = 0.0f;
        S(COVER).grab_switch = true;
        after(2000);
        seq = 16;
    }
    if (seq == 16 && due()) {
        if (Alive(LAUNCHER)) {
            Play(LAUNCHER, 7, ANIM_ONCE);
            splash_sfx = true;
            silo_fired = true;
        }
        after(150);
        seq = 17;
    }
    if (seq == 17 && due()) {
        if (Alive(LAUNCHER)) Play(LAUNCHER, 5, ANIM_LOOP);
        if (silo_fired) {
            Incoming_Round();
            silo_fired = false;
        }
        after(Alive(COVER) ? 3000 : 2000);
        seq = 16;
    }

    if (seq == 18) {
        boss_speed = 0.0f;
        if (boss_accel <= STOPPED) {
            for (int p : {CORE, FRONT_GUN, GUN_A, GUN_B, FLASH_B, FLASH_A, LAUNCHER}) S(p).alpha = 0.0f;
            // The silos and the cover change to their wrecked pictures.
            for (int p : {SILO_A, SILO_B, COVER}) {
                S(p).id += 1;
                if (S(p).id >= 0 && S(p).id < MAX_TEXTURE_SLOTS) S(p).fx_id = animation_fx[S(p).id];
            }
            Play(SILO_A, 0, ANIM_ONCE);
            Play(SILO_B, 0, ANIM_ONCE);
            Play(COVER, 1, ANIM_ONCE);
            boss_sfx = true;
            after(1200);
            seq = 19;
        }
    }
    if (seq == 19 && due() && Player_Alive()) {
        for (int p : {SILO_A, SILO_B, COVER, LAUNCHER}) S(p).alpha = 0.0f;
        Display_Message(p1_id, SUCCESS);
        object& ply = S(p1_id);
        ply.status = STATUS_BOSS_BEATEN;
        ply.anim_state = 0;
        ply.moving = false;
        ply.all_timer = Now() + 5000;
        lock_player = true;
        after(4000);
        seq = 20;
    }
    if (seq == 20 && due() && Player_Alive()) {
        episode = 1;
        scene = 44;
        next_scene = true;
    }
}

void Change_Phase() {
    int& seq = title_sequence;
    if (seq <= 11 && !Alive(SILO_A) && !Alive(SILO_B) && !Alive(GUN_A) && !Alive(GUN_B)) seq = 12;
    if (seq <= 14 && !Alive(FRONT_GUN)) seq = 15;
    if (seq <= 17 && !Alive(CORE)) {
        seq = 18;
        Play(LAUNCHER, 6, ANIM_ONCE);
    }
}

void Set_Speed() {
    if (title_sequence <= 17) {
        boss_speed = SPEED_START;
        float forced = -1.0f;
        if (!Alive(SILO_A) || !Alive(SILO_B)) forced = SPEED_ONE_SILO;
        if (!Alive(SILO_A) && !Alive(SILO_B)) forced = SPEED_NO_SILOS;
        if (!Alive(COVER)) forced = SPEED_NO_COVER;
        if (forced >= 0.0f) boss_speed = boss_accel = forced;
        if (boss_speed > boss_accel) boss_accel += ACCEL_STEP;
    } else if (boss_accel > boss_speed && boss_accel > 0.0f) {
        boss_accel -= ACCEL_STEP;
    }
}

void Move_Boss(int ms) {
    const float heading = reverse ? HEADING_BACK : HEADING_OUT;
    const float dx = std::cos(heading) * 1.2f * boss_accel * (float)ms;
    const float dy = std::sin(heading) * 1.2f * boss_accel * (float)ms;
    for (int p = FIRST_PART; p <= LAST_MOVING_PART; ++p) {
        S(p).x += dx;
        S(p).y += dy;
        S(p).w += dx;
        S(p).z += dy;
    }
    // The path ends are scene points; a scene without them leaves the direction alone.
    if (no_points > PATH_END_A &&
        Node_Distance1(Centre_X(S(SILO_A)), Centre_Y(S(SILO_A)), points[PATH_END_A].x, points[PATH_END_A].y) <=
            PATH_END_REACH)
        reverse = false;
    if (no_points > PATH_END_B &&
        Node_Distance1(Centre_X(S(SILO_B)), Centre_Y(S(SILO_B)), points[PATH_END_B].x, points[PATH_END_B].y) <=
            PATH_END_REACH)
        reverse = true;
}

void Wreck_Parts() {
    for (int p = FIRST_PART; p <= LAST_WRECKED_PART; ++p) {
        object& o = S(p);
        const bool burns = p == SILO_A || p == SILO_B || p == COVER || p == LAUNCHER;
        if (burns && o.score <= 0 && o.alpha == 1.0f && boss_accel > BURNING && Now() > o.all_timer) {
            Part_Blast(p, 2);
            if (title_sequence <= 17) {
                o.all_timer = Now() + 3000;
            } else {
                o.all_timer = Now() + 1000;
                Camera_Shake(SHAKE_SHORT2);
                clank_sfx = true;
            }
        }
        if (o.score <= 0 && o.grab_switch) {
            o.grab_switch = false;
            Play(p, o.base_anim + 1, ANIM_LOOP);
            Part_Blast(p, 1);
            Camera_Shake(SHAKE_SHORT2);
            clank_sfx = true;
            if (p == CORE) S(LAUNCHER).score = 0;
            if (p == GUN_B) S(FLASH_B).alpha = 0.0f;
            if (p == GUN_A) S(FLASH_A).alpha = 0.0f;
            if (p == SILO_B) Kill_With_Silo(GUN_B, FLASH_B);
            if (p == SILO_A) Kill_With_Silo(GUN_A, FLASH_A);
            if (p == COVER) {
                S(CORE).grab_switch = true;
                S(CORE).alpha = 1.0f;
            }
        }
    }
}

// Point (x, y) strictly within SHOT_REACH of the box centre of o on both axes.
bool Near_Centre(const object& o, float x, float y) {
    return std::fabs(x - Centre_X(o)) < SHOT_REACH && std::fabs(y - Centre_Y(o)) < SHOT_REACH;
}
bool Inside_Box(const object& o, float x, float y) {
    return o.w < x && x < o.w + o.box_width && o.z < y && y < o.z + o.box_height;
}
bool Is_Target(int i) { return sprite[i].score > 0 && sprite[i].priority != 3; }

// A boss shot took one point off scene object i.
void Hit_Object(int i) {
    object& o = S(i);
    o.flash_target = true;
    o.flash_timer = Now() + 30;
    o.score -= 1;
    if (o.score != 0) return;
    Set_Sprite(i, o.base_anim + 1, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    Generate_Object_Collision(i, true);
    o.priority = 3;
    if (i == BUOY_A || i == BUOY_B)
        drown_sfx = true;
    else
        destroy_sfx = true;
    if (i == STORE_A || i == STORE_B) Spawn_Pickup(i, DROP_BOSS_STORE);
}

} // namespace

void Run_Boss(int ms) {
    Trace_Call("Run_Boss");
    if (quit_active || game_mode != 3 || fade < 0.7f || next_scene || Level != LVL_SUB_PEN) return;
    if (!sprite) return;

    Run_Steps(ms);
    Change_Phase();
    camX_OFFSET = -(std::cos(0.62f) * 0.25f);
    camY_OFFSET = -(std::sin(0.62f) * 0.25f);
    Set_Speed();
    Move_Boss(ms);
    Wreck_Parts();
}

int Boss_Shot_Steps(float angle) {
    const double dx = std::cos((double)angle) * 1.2 * 0.005;
    const double dy = std::sin((double)angle) * 1.2 * 0.005;
    const double d = (std::fabs(dx) + std::fabs(dy)) / 2.0;
    const int n = d == 0.0 ? 0 : (int)(2.4 / d);
    return n + 1;
}

void Boss_Shoot(int shooter, float x1, float y1, float angle, int f_rate) {
    if (!sprite) return;
    const float dx = std::cos(angle) * 1.2f * SHOT_STEP;
    const float dy = std::sin(angle) * 1.2f * SHOT_STEP;
    const int steps = Boss_Shot_Steps(angle);
    float x = x1, y = y1;
    for (int k = 0; k < steps; ++k) {
        x += dx;
        y += dy;
        for (int i : {BUOY_A, BUOY_B, CRATE_A, CRATE_B})
            if (Is_Target(i) && Near_Centre(S(i), x, y)) {
                Hit_Object(i);
                return;
            }
        for (int i : {STORE_A, STORE_B})
            if (Is_Target(i) && Inside_Box(S(i), x, y)) {
                Hit_Object(i);
                return;
            }
        // The player is found by distance alone, whatever his hit points or layer.
        if (Player_Present() && Near_Centre(S(p1_id), x, y)) {
            Man_Shot(ATTACK_BOSS, p1_id, shooter, SHOT_ORDINARY, f_rate);
            return;
        }
    }
}
