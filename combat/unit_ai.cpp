// The unit AI driver. A unit has no decision routine of its own: its behaviour is its
// `status` plus a set of absolute deadlines in its record, and this step moves it from
// status to status when those deadlines pass, with movement, shooting and searching run
// under fixed gates. Blocks run in a fixed order; later blocks see what earlier ones wrote.
#include "combat/unit_ai.h"

#include <cmath>
#include <cstdlib>

#include "combat/ambient.h"
#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/cooldowns.h"
#include "combat/firing.h"
#include "combat/movement.h"
#include "combat/ordnance.h"
#include "combat/sight.h"
#include "combat/upkeep.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "main/scene_transition.h"
#include "platform/timer.h"
#include "world/collision.h"
#include "world/contact_tests.h"
#include "world/sprite_construction.h"
#include "world/turning.h"
#include "world/unit_animation.h"

namespace {

// A deadline is due once the clock has passed it.
bool Due(int stamp) { return Now() > stamp; }

bool Sprite_Index_Valid(int index) { return index >= 0 && index < MAX_SPRITES; }
bool Player_Present() { return Sprite_Index_Valid(p1_id); }
bool Walking_Scene() { return game_mode == MODE_WALK; }

bool Is_Riser(int unit_class) { return unit_class == UNIT_SKELETON || unit_class == UNIT_DEAD_CHIEF; }
bool Is_Defender(const object& u) { return u.sector_action == AI_DEFEND || u.sector_action == AI_BUDDY; }
bool Is_Static_Gun(int unit_class) { return unit_class == MOUNTED || unit_class == UNIT_MORTAR; }

bool Status_In(int status, std::initializer_list<int> list) {
    for (int s : list)
        if (status == s) return true;
    return false;
}

// Texture slot a unit takes from its class once, or -1 to keep its own.
int Class_Texture(int unit_class) {
    switch (unit_class) {
    case GUNNER: return 18;
    case SHIELD: return 19;
    case CHIEF: return 20;
    case MONKEY: return 20;
    case DOG: return 25;
    case UNIT_MORTAR1: return 28;
    case SAILOR: return 23;
    case UNIT_SHOTGUN: return 33;
    default: return -1;
    }
}

// A target index read from a record names a sprite or nothing; anything else is dropped so
// that no later block reads outside the sprite array.
void Sanitise_Target(object& u) {
    if (u.fire_target != -1 && !Sprite_Index_Valid(u.fire_target)) {
        u.fire_target = -1;
        u.turning = false;
    }
}

// Back to walking after an attack or a hit when a move order is still open.
void Resume_Walk(object& u) {
    u.status = STATUS_WALK;
    u.turning = false;
    u.anim_state = 0;
    u.update = true;
}

void Look_Around(int loop) {
    object& u = sprite[loop];
    if (u.sector != UNIT_SKELETON && u.sector != MONKEY && u.sector != DOG && u.sector != UNIT_DEAD_CHIEF &&
        hud && hud[2].alpha == 0.0f && u.spotted && rand() % 4 == 0)
        Display_Message(loop, u.linked_sprite != player_type ? MSG_LOST : 133);
    int r = rand() % 6;
    float look = (float)(r - 3);
    u.mov_x = u.w + u.box_width / 2 + 2 * std::cos(look);
    u.mov_y = u.y + 2 * std::sin(look);
    ShotIdle(loop);
    sprite[loop].ai_timer = Now() + (sprite[loop].spotted ? 1000 : 4000);
    if (rand() % 3 == 0 && sprite[loop].linked_sprite == player_type && sprite[loop].sector_action != AI_BUDDY)
        NPC_Walk(loop);
}

void Last_Chance(int loop) {
    object& u = sprite[loop];
    if (no_buddies <= 0) {
        if (rand() % 4 == 0) {
            u.score = 5;
            u.mercy = false;
            ShotIdle(loop);
        } else {
            if (in_dungeon && u.linked_sprite != player_type) enemy_count -= 1;
            if (Level == LVL_CELLAR) cellar_kill_count += 1;
            u.score = 0;
            u.mercy = false;
            int cell = Cell_Of(u.w + u.box_width / 2, u.z + u.box_height / 2);
            if (cell >= 0) map_col[cell] = COL_FREE;
            u.status = STATUS_BODY;
            if (u.onDeath_action != TANK_TOP) u.priority = 3;
        }
    }
    if (u.on_mud) u.depth = 0;
    u.update = true;
    u.anim_state = 0;
    u.all_timer = Now() + 500;
}

void Rise_Again(int loop) {
    object& u = sprite[loop];
    u.anim_state = 1;
    u.status = STATUS_RISING;
    u.fire_target = -1;
    u.emy_shoot = 0;
    Reposition_Unit(loop);
    if (!sprite[loop].mouseover) drown_sfx = true;
    Animation_System(loop, false, false, false, false);
    object& r = sprite[loop];
    r.score = r.rank * 20;
    if (r.sector == CHIEF || r.sector == UNIT_DEAD_CHIEF) r.score = (int)(r.score * 1.5f);
    r.priority = 2;
}

void Mission_Pose_Over() {
    lock_player = false;
    Convert_Dir_To_Angle(p1_id, 2);
    ShotIdle(p1_id);
    if (mission_accomplished_active) return;
    bool debrief = current_main == 2 || current_main == 3 || current_main == 8 || current_main == 10 ||
                   current_main == 12;
    if (!debrief && current_main == 1 && global_objects[98] == 0 && !mission_training_is_done) {
        global_objects[98] = 1;
        debrief = true;
    }
    if (debrief) {
        mission_accomplished_active = true;
        Mission_Accomplished(true);
    }
}

void Boss_Beaten(int loop) {
    object& u = sprite[loop];
    if (mission == 5) {
        episode = 2;
        scene = 1;
        current_spawn = 7;
        next_scene = true;
        u.all_timer = Now() + 6000;
    } else if (mission == 6 || mission == 3) {
        episode = 2;
        scene = 0;
        current_spawn = 14;
        next_scene = true;
        u.all_timer = Now() + 6000;
    } else if (mission == 1) {
        Display_Message(p1_id, 41);
        lock_player = false;
        mission_objective = 102;
        Convert_Dir_To_Angle(p1_id, 2);
        ShotIdle(p1_id);
        sprite[loop].all_timer = Now() + 500;
    }
    mission = 0;
}

bool Movement_Key_Held() { return KEY_FORWARD || KEY_BACKWARD || KEY_RIGHTWARD || KEY_LEFTWARD; }

// The steps that run for every entry before the walk-mode unit gate.
void Early_Blocks(int loop, int f_rate) {
    if (sprite[loop].type == UNT) Run_Mud_Check(loop);
    Ambient_Objects(loop, f_rate);

    object& u = sprite[loop];
    if (Walking_Scene()) {
        bool hit_able = (u.type == UNT && (u.score > 0 || u.status == STATUS_DYING)) || (u.type == BAG &&
            u.score > 0) ||
                        (u.type == DOR && u.score > 0);
        if (hit_able) Test_Sprite_to_Fx(loop, f_rate);
    }
    Ambient_Movers(loop, f_rate);

    object& v = sprite[loop];
    if (v.type == UNT && v.status != STATUS_POSE && v.sector != UNIT_SHARK && v.sector != UNIT_MORTAR &&
        v.sector != BOMBER &&
        v.onDeath_action != -1) {
        int tex = Class_Texture(v.sector);
        if (tex != -1) v.id = tex;
        if (v.id >= 0 && v.id < MAX_TEXTURE_SLOTS) v.fx_id = animation_fx[v.id];
        v.onDeath_action = -1;
    }

    if (v.type == UNT && v.sector != UNIT_VEHICLE && v.score > 0 && !Status_In(v.status, {STATUS_POSE, STATUS_FIRING,
        STATUS_KNIFE, STATUS_THROWING, STATUS_DOWNED, STATUS_LAST_CHANCE, STATUS_RISING}) &&
        v.angle != v.tar_angle && run_angle_check)
        Turn_Unit(loop, f_rate);

    Ambient_Scroll_Cut_Select(loop, f_rate);

    object& d = sprite[loop];
    if (d.type != UNT) return;
    if (Walking_Scene() && d.score > 0 && loop != p1_id && d.spotted && Is_Defender(d) && Due(d.spotted_timer)) {
        d.spotted_timer = 0;
        d.spotted = false;
    }
    if (Walking_Scene() && Is_Defender(d) && d.score > 0 && d.status == STATUS_IDLE && !d.moving && loop != p1_id &&
        Due(d.ai_timer))
        Look_Around(loop);

    object& m = sprite[loop];
    if (m.score > 0 && !Is_Static_Gun(m.sector) && !m.bagging && m.status == STATUS_IDLE && m.moving && loop != p1_id) {
        m.status = STATUS_WALK;
        m.anim_state = 0;
        m.turning = false;
    }
}

// Status changes on due deadlines: deaths, bodies, risers, downed units, scene outcomes.
void Status_Blocks(int loop) {
    object& u = sprite[loop];
    bool player = Player_Present();

    if (u.status == STATUS_IDLE && Due(u.all_timer)) u.emy_shooting = false;

    if (player && loop != p1_id && u.status == STATUS_FALLING && Due(u.all_timer)) {
        u.status = STATUS_DEAD;
        u.update = true;
        u.turn_off = true;
    }

    if (u.status == STATUS_DYING && Due(u.all_timer)) {
        u.score = 0;
        u.status = STATUS_BODY;
        u.death_flash = false;
        if (u.onDeath_action != TANK_TOP) u.priority = 3;
        if (u.on_mud) u.depth = 0;
        u.update = true;
        u.anim_state = 0;
        u.all_timer = Now() + (Is_Riser(u.sector) ? 1500 : 6000);
    }

    if (u.status == STATUS_DOWNED && Due(u.all_timer)) {
        u.status = STATUS_LAST_CHANCE;
        u.all_timer = Now() + 4000;
    }

    if (u.status == STATUS_LAST_CHANCE && Due(u.all_timer)) Last_Chance(loop);

    object& b = sprite[loop];
    if (b.status == STATUS_BODY && Due(b.all_timer)) {
        b.status = STATUS_BODY_FADING;
        b.update = true;
        b.anim_state = 0;
        if (Is_Riser(b.sector)) {
            b.all_timer = Now() + 500;
        } else {
            b.all_timer = Now() + 8000;
            Animation_System(loop, false, false, false, false);
            sprite[loop].mouseover = false;
            sprite[loop].alpha = sprite[loop].light;
        }
    }

    object& f = sprite[loop];
    if (!Is_Riser(f.sector) && f.status == STATUS_BODY_FADING && Due(f.all_timer)) {
        f.status = STATUS_DEAD;
        f.update = true;
        f.turn_off = true;
    }
    if (Is_Riser(f.sector) && f.status == STATUS_BODY_FADING && Due(f.all_timer)) Rise_Again(loop);

    if (player && !next_scene && sprite[loop].status == STATUS_CHEER &&
        Due(sprite[loop].all_timer)) Mission_Pose_Over();
    if (player && sprite[loop].status == STATUS_CHEER) lock_player = true;

    if (player && sprite[loop].status == STATUS_BOSS_BEATEN && Due(sprite[loop].all_timer)) Boss_Beaten(loop);
}

// Recovery after hits and attacks, and the chase after a shot.
void Action_Blocks(int loop) {
    if (lock_player) return;
    bool player = Player_Present();
    object& u = sprite[loop];

    if (u.score > 0 && u.status != STATUS_FALLING && (u.status == STATUS_HIT || u.status == STATUS_HIT_HARD) &&
        Due(u.all_timer)) {
        if (u.moving) Resume_Walk(u);
        else ShotIdle(loop);
    }

    object& c = sprite[loop];
    if (c.score > 0 && c.status == STATUS_CAUGHT && Due(c.all_timer)) {
        ShotIdle(loop);
        if (is_a_stealth_mission) {
            scene = 76;
            episode = 1;
            next_scene = true;
            failed_stealth = true;
        }
    }

    if (player && loop != p1_id) {
        object& a = sprite[loop];
        if (a.score > 0 && a.status == STATUS_FIRING && Due(a.all_timer)) {
            a.status = STATUS_SHOT_PAUSE;
            a.anim_state = 0;
            Rank_Timer(loop, STATUS_SHOT_PAUSE);
        }
        object& g = sprite[loop];
        if (g.score > 0 && g.status == STATUS_THROWING && Due(g.all_timer)) {
            g.status = STATUS_THROW_PAUSE;
            g.anim_state = 0;
            Rank_Timer(loop, STATUS_THROW_PAUSE);
        }
        object& p = sprite[loop];
        if (p.score > 0 && Status_In(p.status, {STATUS_SHOT_PAUSE, STATUS_KNIFE, STATUS_THROW_PAUSE}) &&
            Due(p.all_timer)) {
            if (p.moving) {
                p.emy_shooting = false;
                p.all_timer = Now() + 2000;
                Resume_Walk(p);
            } else {
                ShotIdle(loop);
            }
        }
    }

    if (loop == p1_id) {
        object& p = sprite[loop];
        if (p.score > 0 && Due(p.all_timer) && Status_In(p.status, {STATUS_FIRING, STATUS_KNIFE, STATUS_THROWING})) {
            if (p.moving) {
                p.emy_shooting = false;
                ShotIdle(loop);
                object& q = sprite[loop];
                q.moving = false;
                q.turning = false;
                q.anim_state = 0;
                q.update = true;
            } else {
                ShotIdle(loop);
            }
        }
    }

    object& w = sprite[loop];
    if (w.status == STATUS_WALK && Due(w.all_timer)) w.emy_shooting = false;

    object& h = sprite[loop];
    if (player && loop != p1_id && h.score > 0 && (h.status == STATUS_SHOT_PAUSE || h.status == STATUS_THROW_PAUSE) &&
        !h.bagging &&
        !Is_Static_Gun(h.sector)) {
        const object& pl = sprite[p1_id];
        h.mov_x = h.end_x = pl.w + pl.box_width / 2;
        h.mov_y = h.end_y = pl.z + pl.box_height / 2;
        h.spotted_timer = Now() + 8000;
        h.spotted = true;
        if (h.status == STATUS_SHOT_PAUSE && !Is_Guy_In_Range(loop, p1_id, 0.8f)) {
            if (h.moving) {
                h.emy_shooting = false;
                h.all_timer = Now() + 2000;
                Resume_Walk(h);
            } else {
                ShotIdle(loop);
            }
        }
    }
}

// Movement, heading, shooting, hearing, the mouse player's fire and regeneration.
void Late_Blocks(int loop, int f_rate) {
    bool player = Player_Present();
    object& u = sprite[loop];

    if (f_rate <= 99 && !lock_player && u.score > 0 && !u.turning && u.status != STATUS_RISING &&
        u.status != STATUS_FALLING &&
        (u.status == STATUS_WALK || (loop == p1_id && u.status == STATUS_FIRING && Movement_Key_Held())) && u.moving &&
            !u.bagging &&
        !Is_Static_Gun(u.sector))
        Moving_Code(loop, u.mov_x, u.mov_y, f_rate);

    object& h = sprite[loop];
    if (!lock_player && h.score > 0 && !h.turning && !Status_In(h.status, {STATUS_FALLING, STATUS_POSE, STATUS_FIRING,
        STATUS_KNIFE, STATUS_THROWING, STATUS_DOWNED, STATUS_LAST_CHANCE, STATUS_RISING}) &&
        h.mov_x != 10001)
        Set_Heading(loop, h.mov_x, h.mov_y, false);

    object& s = sprite[loop];
    Sanitise_Target(s);
    if (!lock_player && player && loop != p1_id && !(s.status == STATUS_POSE && s.anim == 0) && !s.emy_shooting &&
        !Status_In(s.status, {STATUS_HIT, STATUS_HIT_HARD, STATUS_FIRING, STATUS_DYING, STATUS_SHOT_PAUSE,
            STATUS_THROW_PAUSE, STATUS_FALLING, STATUS_DEAD, STATUS_RISING, STATUS_DOWNED, STATUS_LAST_CHANCE}) &&
            !s.turn_off && s.score > 0 &&
        Due(s.emy_shoot)) {
        s.emy_shoot = Now() + 100;
        if (s.sector != UNIT_BIRD && s.sector != UNIT_GENERAL && s.sector != UNIT_RESCUE) Shoot_Test(loop, f_rate);
        object& t = sprite[loop];
        Sanitise_Target(t);
        if (Due(t.reload_timer) && t.fire_target == -1) AI_Check_For_Enemies(loop);
    }

    object& n = sprite[loop];
    if (noise_maker != 0 && player && !ply_dead && loop != p1_id && n.score > 0 && !n.bagging && !n.turn_off)
        Alert_Enemies(-1, loop);

    if (loop != p1_id) return;
    object& p = sprite[loop];
    Sanitise_Target(p);
    if (CONTROL_SCHEME && !KEY_SPACE && !lock_player && !ply_dead && !player_in_water && player_type == 0 &&
        p.status != STATUS_FALLING && p.status != STATUS_HIT && p.score > 0 && Due(p.reload_timer) && hud_corner &&
        (shot_fired == 1 || (shot_fired == 2 && p.fire_target != -1)))
        Shoot_Test(loop, f_rate);

    object& r = sprite[loop];
    if (!ply_dead && st_regen != 0 && Due(r.heal_timer)) {
        r.heal_timer = Now() + (st_regen == 1 ? 1500 : st_regen == 2 ? 1000 : 500);
        Calculate_Health(1);
    }
}

void Unit_Entry(int loop, int f_rate) {
    Early_Blocks(loop, f_rate);
    if (!Walking_Scene() || sprite[loop].type != UNT) return;

    object& u = sprite[loop];
    Sanitise_Target(u);
    if (!lock_player && !u.turn_off) Test_sprite_to_trigger(loop);

    object& o = sprite[loop];
    Sanitise_Target(o);
    if (!lock_player && loop == p1_id && o.fire_target != -1) {
        const object& t = sprite[o.fire_target];
        if ((t.type == OBJ || t.status == STATUS_AS_OBJECT) && !t.mouseover) Test_sprite_to_Obj(loop, o.fire_target);
    }

    object& b = sprite[loop];
    if (b.bombs_away && Due(b.bomb_timer)) {
        b.bombs_away = false;
        Bomb_Run(b.shell_x, b.shell_y, loop, 1);
    }

    object& t = sprite[loop];
    Sanitise_Target(t);
    if (Player_Present() && t.score > 0 && t.status != STATUS_RISING && t.fire_target != -1) {
        const object& target = sprite[t.fire_target];
        bool gone = target.score <= 0 || target.status == STATUS_FALLING;
        if (loop == p1_id && target.status == STATUS_DYING) gone = false;
        if (gone) {
            t.fire_target = -1;
            t.turning = false;
        }
    }

    Status_Blocks(loop);
    Action_Blocks(loop);
    Late_Blocks(loop, f_rate);
}

void Tail(int f_rate) {
    (void)f_rate;
    if (Due(sinking_timer)) sinking_timer = Now() + 75;
    if (Due(squash_timer)) squash_timer = Now() + 150;

    if (!Walking_Scene()) return;
    if ((game_condition == 1 || game_condition == 2) && Due(reset_map_timer)) {
        game_condition = 3;
        Start_Game();
    }
    if (Due(reduce_fog_timer)) reduce_fog_timer = Now() + 50;

    // The target flash: the marked sprite or effect blinks until the flash ends.
    object* f = nullptr;
    bool effect = false;
    if (flash_on >= 0 && flash_on < MAX_SPRITES && sprite) {
        f = &sprite[flash_on];
    } else if (flash_on >= FX_ID_BASE && flash_on < FX_ID_BASE + MAX_FX && Fx) {
        f = &Fx[flash_on - FX_ID_BASE];
        effect = true;
    }
    if (f && !f->flash_target && f->dflash_timer == 0) {
        if (Due(target_flash_timer)) {
            target_flash_timer = Now() + 50;
            f->alpha = f->alpha == 1.0f ? (effect ? 0.01f : 0.0f) : 1.0f;
        }
        if (Due(target_flash_mtimer)) {
            f->alpha = 1.0f;
            flash_on = -1;
        }
    }

    if (Due(range_timer)) range_timer = Now() + 250;
    if (Due(check_timer)) {
        check_timer = Now() + 500;
        if (!alert_enemies) noise_maker = 0;
    }
}

} // namespace

void AI(int f_rate) {
    Trace_Call("AI");
    if (f_rate <= 0) f_rate = 1;
    guys_mine_count = 0;

    AI_Upkeep(f_rate);

    if (sprite) {
        int count = player_counter < 0 ? 0 : (player_counter > PLAYER_LIST_SIZE ? PLAYER_LIST_SIZE : player_counter);
        for (int i = 0; i < count; ++i) {
            int loop = player_list[i];
            if (!Sprite_Index_Valid(loop)) continue;
            Unit_Entry(loop, f_rate);
        }
    }

    Tail(f_rate);
}
