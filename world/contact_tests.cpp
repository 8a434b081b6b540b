#include "world/contact_tests.h"

#include <cmath>
#include <cstdlib>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/contact_tables.h"
#include "world/effects.h"
#include "world/turning.h"

namespace {

constexpr int HIT_TIMER = 200;       // a hazard hurts at most every 200 ms
constexpr float GAS_REACH = 0.2f;    // a fire sets off a gas cloud within this distance
constexpr float ARRIVAL = 0.1f;      // the player has reached the object he walked to
constexpr int SUBCODE_EXPLOSIVE = 4; // the sub-code of an explosive shot

// The mission entry a trigger without a mission of its own looks at.
constexpr int NO_MISSION_ENTRY = 24;
constexpr int MISSION_ENTRIES = 25;


float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }
float Centre_Distance(const object& a, const object& b) {
    return Node_Distance(Centre_X(a), Centre_Y(a), Centre_X(b), Centre_Y(b));
}

int Fx_Count() { return no_fx < 0 ? 0 : (no_fx > MAX_FX ? MAX_FX : no_fx); }

// ---- Objects the player walks to -------------------------------------------------------

// The scene change of an object's kind, with its extras; false for kinds without one.
bool Object_Scene_Change(int kind) {
    for (const contact_tables::object_scene& r : contact_tables::object_scenes) {
        if (r.kind != kind) continue;
        episode = r.episode;
        scene = r.scene;
        switch (kind) {
            case OBJ_AIRPLANE: current_spawn = 0; break;
            case OBJ_CLAY: gun_entry = 4; break;
            case OBJ_KNIFE: if (CONTROL_SCHEME) scene = 140; break;
            case OBJ_AIRPLANE1: current_spawn = 2; break;
            case OBJ_DODGYDAN:
            case OBJ_UPGRADE:
            case OBJ_CARD_START: shop_intro_type = 0; break;
            default: break;
        }
        next_scene = true;
        return true;
    }
    return false;
}

// Messages that an info object lets the player say himself.
bool Player_Says(int message) {
    return message == msg_id::MERCY_BIRD || message == msg_id::MSG_MERCY_MONKEY ||
           message == msg_id::MSG_HUMAN || message == msg_id::MSG_HUMAN1;
}

// ---- Triggers --------------------------------------------------------------------------

void Go_To(int e, int s) {
    episode = e;
    scene = s;
}

// After act 1 the way back to camp leads to the briefing until story flag 32 is set.
void Camp_Briefing_Rule() {
    if (current_act != 1 && global_objects[32] == 0) Go_To(1, 48);
}

// The tunnel network a tunnel entry shows.
int Tunnel_Page() {
    int page = current_act;
    if (current_act == 4) page = 3;
    if (Level == LVL_SUPPLIES) page = 1;
    if (Level == LVL_HIGHWAY || Level == LVL_BEACH_ROAD) page = 2;
    return page;
}

// Sets the destination of a trigger's level exit; other sectors leave the scene as it is.
void Trigger_Scene_Change(int sector) {
    for (const contact_tables::exit_row& r : contact_tables::exit_rows)
        if (r.sector == sector) {
            Go_To(r.episode, r.scene);
            if (sector == 33) gun_entry = 1;
            if (sector == 42 || sector == 43 || sector == 45) shop_intro_type = 0;
            return;
        }
    switch (sector) {
        case 0: {
            static constexpr int by_act[5] = {-1, 0, 3, 10, 11};
            episode = 2;
            if (current_act >= 1 && current_act <= 4) scene = by_act[current_act];
            Camp_Briefing_Rule();
            break;
        }
        case 51:
            Go_To(1, 56);
            Camp_Briefing_Rule();
            break;
        case 9:
            if (episode == 3 && scene == 9 && global_objects[20] != 0) Go_To(1, 47);
            else Go_To(3, 3);
            break;
        case 58:
            if (main_mission[9] == 2) {
                Go_To(1, 110);
                gun_entry = 2;
            } else {
                Go_To(1, 111);
            }
            break;
        case 40:
            if (current_act == 1) Go_To(1, 0);
            if (current_act == 2 || main_mission[10] == 1) Go_To(1, 65);
            if (current_act == 3 && main_mission[10] == 3) Go_To(1, 83);
            if (current_act == 4) Go_To(1, 0);
            break;
        case 81:
            Go_To(1, 31);
            tunnel_page = Tunnel_Page();
            break;
        case 31:
            next_scene1 = 31;
            next_episode1 = 1;
            tunnel_page = Tunnel_Page();
            break;
        default: break;
    }
}

// The mission entry that gates a trigger: its linked_sprite, or the spare entry when that is
// negative or names no entry.
int Trigger_Mission(const object& t) {
    const int m = t.linked_sprite;
    return (m < 0 || m >= MISSION_ENTRIES) ? NO_MISSION_ENTRY : m;
}

bool Trigger_Armed_For(const object& u, const object& t) {
    if (u.type != UNT || u.sector == UNIT_SNIPER) return false;
    if (t.onCreate == -1 || t.moving) return false;
    if (u.status == STATUS_FALLING || u.turn_off) return false;
    if (t.sector == 49 || t.sector == 3) return false;
    const int link = t.linked_sprite;
    if (main_mission[Trigger_Mission(t)] == 0 && link != 0 && link != -2 && link != -3) return false;
    if (!u.grab_switch) return false;
    if (t.type != TRI && t.type != LAD && t.type != SWI) return false;
    const float cx = Centre_X(u), cy = Centre_Y(u);
    return t.w < cx && cx < t.w + t.box_width && t.z < cy && cy < t.z + t.box_height;
}

// A unit drops into a hole or onto a ladder: it stops, falls, and lands centred on the hole.
void Enter_Ladder(int loop, const object& t) {
    object& u = sprite[loop];
    const bool is_player = loop == p1_id;
    const int now = Now();
    const int cell = Cell_Of(Centre_X(u), Centre_Y(u));
    if (cell >= 0) map_col[cell] = COL_FREE;
    u.all_timer = now + ((is_player || u.sector == UNIT_RESCUE) ? 1500 : 500);
    u.status = STATUS_FALLING;
    u.update = true;
    u.moving = false;
    u.grab_switch = false;
    u.anim_state = ANIM_STOPPED;
    if (is_player) {
        falling_in_hole = true;
        mouseleft = false;
    } else if (u.sector != UNIT_SNIPER) {
        u.score = 0;
    }
    u.x = Centre_X(t) - u.width / 2;
    u.y = Centre_Y(t) - u.height / 2;
    if (u.sector != MONKEY && u.sector != DOG) fall_sfx = true;
    if (u.sector == UNIT_RESCUE) {
        if (mission_objective != 101 && mission_objective != 102) success_condition += 1;
        if (p1_id != -1) Display_Message(p1_id, msg_id::MSG_MISSIONR);
    }
}

} // namespace

int Hazard_Hit_Kind(int fx_kind) {
    switch (fx_kind) {
        case FX_FLAME: return SHOT_BURNING;
        case FX_FIRE: return SHOT_FIRE_ROUND;
        case FX_GAS: return SHOT_GAS;
        default: return 0;
    }
}

void Test_Fx_to_Fx(int loop, int f_rate) {
    if (!Fx || loop < 0 || loop >= MAX_FX) return;
    object& f = Fx[loop];
    const int n = Fx_Count();
    for (int i = 0; i < n; ++i) {
        if (i == loop) continue;
        object& gas = Fx[i];
        if (gas.turn_off || gas.sector != FX_GAS) continue;
        if (Centre_Distance(f, gas) >= GAS_REACH) continue;
        f.turn_off = true;
        gas.turn_off = true;
        const int shooter = Valid_Sprite(gas.linked_sprite) ? gas.linked_sprite : -1;
        Shell_Landed(gas.x, gas.y, shooter, f_rate, -1);
    }
}

void Test_Sprite_to_Fx(int loop, int f_rate) {
    if (!Fx || !Valid_Sprite(loop)) return;
    object& u = sprite[loop];
    const bool is_player = loop == p1_id;
    const int n = Fx_Count();
    for (int i = 0; i < n; ++i) {
        object& e = Fx[i];
        const int kind = e.sector;
        const float reach = (e.box_width + u.box_width) / 2;

        // 1. Fire and gas.
        const int hit_kind = Hazard_Hit_Kind(kind);
        if (p1_id != -1 && u.type != OBJ && u.sector != UNIT_SKELETON && u.sector != UNIT_DEAD_CHIEF &&
            !e.turn_off && hit_kind != 0 && Now() > e.action_timer && Centre_Distance(u, e) < reach) {
            if (u.score > 0) {
                const bool fire_proof = kind != FX_GAS && has_firevest_equipped;
                const bool gas_proof = kind == FX_GAS && has_gasmask_equipped;
                if (!(is_player && (fire_proof || gas_proof))) Man_Shot(ATTACK_NONE, loop, -1, hit_kind, f_rate);
                e.action_timer = Now() + HIT_TIMER;
            }
        }

        // 2. Projectiles of another side. A spent one has already hit.
        if (kind != FX_BULLET && kind != FX_SHELL) continue;
        if (e.turn_off) continue;
        const int s = e.linked_sprite;
        if (s < 1 || s >= MAX_SPRITES || s == loop) continue;
        if (sprite[s].linked_sprite == u.linked_sprite) continue;
        if (Centre_Distance(u, e) >= reach) continue;
        e.turn_off = true;
        if (u.score <= 0 || kind != FX_BULLET) continue;
        if (e.sector_action != SUBCODE_EXPLOSIVE) {
            const bool fixed_turret = u.sector == BOMBER && u.onDeath_action == TURRET;
            if (!next_scene && !is_player && u.type != BAG && u.sector != UNIT_MORTAR && !fixed_turret)
                Knock_Back(s, loop, f_rate);
            Man_Shot(sprite[s].status, loop, s, e.sector_action, f_rate);
            const object b = e;
            New_FX({.x = b.x, .y = b.y, .w = b.w, .z = b.z, .anim = 36, .anim_state = ANIM_ONCE,
                    .box_width = b.box_width, .box_height = b.box_height, .width = b.width, .height = b.height,
                    .priority = 2, .type = GFX, .state = FX_IMPACT, .linked_sprite = loop, .tex_id = 2});
        } else {
            Shell_Landed(e.x, e.y, s, f_rate, -1);
        }
    }
}

void Test_sprite_to_Obj(int loop, int target) {
    near_sell = false;
    if (!Valid_Sprite(loop) || !Valid_Sprite(target)) return;
    object& p = sprite[loop];
    object& t = sprite[target];
    if (Centre_Distance(p, t) >= ARRIVAL) return;

    // Arrival: the player stops at the object.
    p.moving = false;
    ShotIdle(loop);
    p.anim_state = ANIM_STOPPED;
    p.update = true;
    p.fire_target = -1;
    if (t.type != OBJ) return;

    const int now = Now();
    const bool player = p1_id != -1;
    const int kind = t.sector_action;
    t.all_timer = now + 1500;

    if (kind == OBJ_SWITCH1 && player && t.score > 0) t.moving = true;
    if (kind == OBJ_SWITCH && player && t.score > 0) {
        t.score = 0;
        Display_Message(p1_id, msg_id::MSG_TRIGGER);
        click_sfx = true;
        mouseleft = false;
        if (episode == 3 && scene == 23) {
            if (target == 179) global_objects[30] = 1;
            if (target == 180) global_objects[31] = 1;
        }
        if (episode == 3 && scene == 27) global_objects[35] = 1;
    }
    if ((kind == OBJ_INFO || kind == OBJ_DANCER || kind == OBJ_DANCER1) && player) {
        Display_Message(Player_Says(t.score) ? p1_id : target, t.score);
        if (t.score == msg_id::MSG_MERCY_MONKEY) monkey_sfx = true;
        mouseleft = false;
    }
    if (kind == OBJ_TALK1 && player) {
        Display_Message(p1_id, t.score);
        mouseleft = false;
    }
    if (kind == OBJ_LIGHT1) {
        t.linked_sprite = t.linked_sprite == LIGHT_OFF ? LIGHT_ON : LIGHT_OFF;
        Set_Sprite(target, t.base_anim + (t.linked_sprite == LIGHT_ON ? 1 : 0), ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        if (t.onCreate_action == LIGHT_TORCH) torch_sfx = true;
        if (t.onCreate_action == LIGHT_ELECTRIC) lightswitch_sfx = true;
        mouseleft = false;
        mouseheld = false;
    }
    Object_Scene_Change(kind);
    if (kind == OBJ_EVENT && t.anim == t.base_anim) {
        stolen_sfx = true;
        if (std::rand() % 6 == 0) Display_Message(target, msg_id::MSG_SHITTER1);
        mouseleft = false;
    }
    if (kind == OBJ_SCARE && player) {
        object& pl = sprite[p1_id];
        pl.status = STATUS_CAUGHT;
        pl.all_timer = now + 2000;
        pl.update = true;
        pl.anim_state = ANIM_STOPPED;
        stolen_sfx = true;
        mouseleft = false;
    }
    if (kind == OBJ_MUSICBOX) {
        if (!t.moving) {
            music_off = true;
            t.moving = true;
            Set_Sprite(target, t.base_anim, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        } else {
            music_off = false;
            t.moving = false;
            Set_Sprite(target, t.base_anim, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        }
        chute_sfx = true;
        mouseleft = false;
    }
    if (kind == OBJ_SELL) {
        near_sell = true;
        p.status = STATUS_TO_COUNTER;
        p.angle = -1.5f;
        p.mov_x = Centre_X(p) + 2 * std::cos(-1.5f);
        p.mov_y = p.y + 2 * std::sin(-1.5f);
    }
    const bool keeps_frame = t.sector == 6 || kind == OBJ_SELL || kind == OBJ_LIGHT1 || kind == OBJ_MUSICBOX ||
                             kind == OBJ_DANCER || kind == OBJ_SWITCH1 || kind == OBJ_DANCER1;
    if (!keeps_frame && !t.selected) {
        t.selected = true;
        if (t.score != msg_id::MERCY_BIRD && kind != OBJ_TALK1)
            Set_Sprite(target, t.base_anim + 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    }
    if (kind == OBJ_MEDIC) {
        Display_Message(target, msg_id::MEDIC);
        p.score = PLY_VITALITY;
        Calculate_Lifebar();
        player_health = (float)p.score;
        chute_sfx = true;
        mouseleft = false;
    }
}

void Test_sprite_to_trigger(int loop) {
    if (next_scene || !Valid_Sprite(loop)) return;
    object& u = sprite[loop];
    const bool is_player = loop == p1_id;
    const int count = trigger_counter < 0 ? 0 : (trigger_counter > TRIGGER_LIST_SIZE ? TRIGGER_LIST_SIZE : trigger_counter);
    for (int k = 0; k < count; ++k) {
        const int ti = trigger_list[k];
        if (!Valid_Sprite(ti) || ti == loop) continue;
        object& t = sprite[ti];
        if (!Trigger_Armed_For(u, t)) continue;

        if (t.type == SWI && u.grab_switch && p1_id != -1) {
            if ((t.sector == 0 && is_player) || (t.sector == 1 && u.sector == UNIT_VEHICLE)) trigger_hit = ti;
        }
        if (t.type == LAD) Enter_Ladder(loop, t);
        if (is_player && (t.type == TRI || t.type == LAD)) {
            current_spawn = t.score;
            Trigger_Scene_Change(t.sector);
            t.grab_switch = false;
            if (t.type == LAD) {
                tunnel_timer = Now() + 1000;
                lock_player = true;
            } else {
                next_scene = true;
            }
        }
    }
}
