#include "main/fx_upkeep.h"

#include <cmath>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/effect_motion.h"
#include "world/effects.h"
#include "world/particles.h"
#include "world/world_services.h"

namespace {

// Item codes of ground items counted here.
constexpr int ITEM_RIFLE_AMMO = 2;
constexpr int ITEM_BEANS = 4;
constexpr int BEANS_HEALTH = 45;

constexpr int SPARKLE_MS = 4000;
constexpr int TEX_SPARKLE = 27;
constexpr float ARC_CAP = 3.14f; // the arcs stop turning here (not pi)

// Sources passed to Shell_Landed.
constexpr int BLAST_GRENADE = 28;
constexpr int BLAST_GROWN_29 = 46;
constexpr int BLAST_GROWN_34 = 47;

// The sprite an effect follows, or null when its link names no sprite.
object* Sprite_Of(const object& e) {
    if (!sprite || e.linked_sprite < 0 || e.linked_sprite >= MAX_SPRITES) return nullptr;
    return &sprite[e.linked_sprite];
}

// The shooter passed on to an explosion: the link when it names a sprite, else none.
int Shooter_Of(const object& e) {
    return (e.linked_sprite >= 0 && e.linked_sprite < MAX_SPRITES) ? e.linked_sprite : -1;
}

void Fade(object& e, float rate, int f) {
    if (e.alpha > 0) e.alpha -= rate * (float)f;
}

void Grow(object& e, float rate, int f) {
    e.width += rate * (float)f;
    e.height += rate * (float)f;
}

void Turn_Capped(float& angle, int f) {
    angle += 0.01f * (float)f;
    if (angle > ARC_CAP) angle = ARC_CAP;
}

// Drift of a star by its tile_row.
float Star_Drift(int tile_row) {
    switch (tile_row) {
        case 0: return 0.0005f;
        case 1: return -0.0005f;
        case 2: return 0.00025f;
        case 3: return -0.00025f;
        default: return 0.0f;
    }
}

bool Keeps_Stopped_Animation(int kind) {
    switch (kind) {
        case 1: case 20: case 22: case 24: case 25: case 27: case 30: case 33: case 35: return true;
        default: return false;
    }
}

bool Moves_By_Itself(int kind) {
    switch (kind) {
        case 1: case 25: case 27: case 28: case 30: case 31: return true;
        default: return false;
    }
}

// Closes the gap at index i: every later record moves down by one, field by field, and the
// references to the moving records move with them. A reference to the removed record itself
// is let go, so that it does not come to name the record that takes its index.
void Remove_Fx(int i) {
    if (flash_on == i + FX_ID_BASE) flash_on = -1;
    if (ply_pickup_target == i) ply_pickup_target = -1;
    if (pkp_msg_target == i) pkp_msg_target = -1;

    for (int j = i; j <= no_fx - 2; ++j) {
        if (flash_on == j + FX_ID_BASE + 1) flash_on = j + FX_ID_BASE;
        if (ply_pickup_target == j + 1) ply_pickup_target = j;
        if (pkp_msg_target == j + 1) pkp_msg_target = j;

        object& d = Fx[j];
        const object& s = Fx[j + 1];
        d.width = s.width;
        d.height = s.height;
        d.box_width = s.box_width;
        d.box_height = s.box_height;
        d.x = s.x;
        d.y = s.y;
        d.w = s.w;
        d.z = s.z;
        d.anim = s.anim;
        d.cur = s.cur;
        d.cur_time = s.cur_time;
        d.id = s.id;
        d.fx_id = s.fx_id;
        d.alpha = s.alpha;
        d.frame = s.frame;
        d.type = s.type;
        d.anim_state = s.anim_state;
        d.priority = s.priority;
        d.mouseover = s.mouseover;
        d.grab_switch = s.grab_switch;
        d.linked_sprite = s.linked_sprite;
        d.angle = s.angle;
        d.sector = s.sector;
        d.light = s.light;
        d.sector_action = s.sector_action;
        d.tile_row = s.tile_row;
        d.value = s.value;
        d.value1 = s.value1;
        d.value2 = s.value2;
        d.item_type = s.item_type;
        d.spin = s.spin;
        d.distance = s.distance;
        d.angle2 = s.angle2;
        d.action_timer = s.action_timer;
        d.turn_off = s.turn_off;
        d.flash_target = s.flash_target;
        d.flash_timer = s.flash_timer;
        d.sparkle_timer = s.sparkle_timer;
    }
    no_fx -= 1;
}

// The rules of the effect's kind, in the order of the kind table.
void Kind_Rules(int i, int f) {
    object& e = Fx[i];
    const int kind = e.sector;
    object* s = Sprite_Of(e);

    if (kind == 27 && e.grab_switch && !e.turn_off && Now() > e.action_timer) {
        e.turn_off = true;
        e.grab_switch = false;
        const float x = e.x, y = e.y;
        Shell_Landed(x, y, Shooter_Of(e), f, BLAST_GRENADE);
        Create_Frag_Effect(x, y);
    }
    if (kind == 30 && e.grab_switch && !e.turn_off && Now() > e.action_timer) {
        e.turn_off = true;
        e.grab_switch = false;
    }
    if (kind == 29 || kind == 34) {
        if (e.alpha < 1.0f) {
            e.alpha += 0.0008f * (float)f;
            Grow(e, 0.0002f, f);
            e.x -= 0.0001f * (float)f;
            e.y -= 0.0001f * (float)f;
        }
        if (!e.grab_switch && !e.turn_off && e.alpha >= 1.0f) {
            e.turn_off = true;
            e.grab_switch = false;
            Shell_Landed(e.x + e.width / 2, e.y + e.height / 2, Shooter_Of(e), f,
                         kind == 29 ? BLAST_GROWN_29 : BLAST_GROWN_34);
        }
    }

    // Effects tied to a sprite. A link that names no sprite ends the effect: there is
    // nothing left for it to follow.
    if (kind == 21) {
        if (s) {
            e.x = s->x + s->width / 6;
            e.y = s->y;
            e.w = s->w;
            e.z = s->z;
        }
    }
    if (kind == 22) {
        if (s) {
            e.x = s->x;
            e.y = s->y - s->height / 3;
            e.w = s->w;
            e.z = s->z - s->height / 3;
        }
        e.anim_state = ANIM_STOPPED;
        if (!s || s->score <= 0) e.grab_switch = true;
    }
    if (kind == 21 && (!s || !s->on_mud || s->score <= 0)) e.turn_off = true;
    if (kind == 21 && (!s || s->mouseover || s->status == STATUS_DEAD)) e.turn_off = true;
    if (kind == 20 && (!s || s->mouseover || s->score <= 0)) e.grab_switch = true;
    if (kind == 22 && (!s || s->mouseover || s->score <= 0)) e.grab_switch = true;

    if (kind == 11) {
        Fade(e, 0.005f, f);
        Grow(e, -0.0004f, f);
    }
    if (kind == 23) {
        if (e.y < -2.0f) e.turn_off = true;
        Fade(e, 0.001f, f);
        e.x += 0.0005f * (float)f;
        e.y += std::cos(e.angle) * 0.0025f * (float)f;
        Turn_Capped(e.angle, f);
    }
    if (kind == 33) {
        if (e.y < -2.0f) e.turn_off = true;
        Fade(e, 0.001f, f);
        e.x += Star_Drift(e.tile_row) * (float)f;
        e.y += std::cos(e.angle) * 0.0015f * (float)f;
        Turn_Capped(e.angle, f);
    }
    if ((kind == 27 || kind == 30) && !e.grab_switch) {
        e.y += std::cos(e.angle2) * 0.0005f * (float)f;
        Turn_Capped(e.angle2, f);
        e.angle += 0.4f * (float)f;
    }
    if (kind == 24) {
        Fade(e, 0.001f, f);
        if (e.value == 2 || e.value == 4 || e.value == 5 || e.value == 7)
            e.x -= 0.0001f * (float)f;
        else
            e.x += 0.0001f * (float)f;
        e.y += std::cos(e.spin) * 0.0005f * (float)f;
        Turn_Capped(e.spin, f);
        e.angle += 1.0f * (float)f;
    }
    if (kind == 15 && (!s || s->status == STATUS_IDLE)) e.turn_off = true;
    if (kind == 13) {
        Fade(e, 0.0005f, f);
        Grow(e, -0.0004f, f);
        e.x += 0.0004f * (float)f;
        e.y += 0.0004f * (float)f;
    }
    if (Moves_By_Itself(kind) && !e.grab_switch) Move_Fx(i, f);
    if (kind == 16) Fade(Fx[i], 0.01f, f);
    if (kind == 35) Fade(Fx[i], 0.00007f, f);
    if (kind == 17) {
        object& m = Fx[i];
        if (s) {
            m.x = s->x;
            if (m.anim_state == ANIM_LOOP) {
                m.y = s->y + s->height;
                m.turn_off = true;
            } else {
                m.y = s->y;
            }
        } else {
            m.turn_off = true;
        }
    }
}

} // namespace

void Run_Fx_Upkeep(int f_rate) {
    Trace_Call("Run_Fx_Upkeep");
    FX_RIFLE_COUNT = 0;
    FX_HEALTH_COUNT = 0;
    if (!Fx) return;
    if (no_fx > MAX_FX) no_fx = MAX_FX;
    const int f = f_rate;

    for (int i = 0; i < no_fx; ++i) {
        if (Fx[i].type == UNT) continue;

        // 1. Ground-item counts.
        {
            const object& e = Fx[i];
            if (e.type == PKU && !e.mouseover && !e.turn_off) {
                if (e.item_type == ITEM_RIFLE_AMMO) FX_RIFLE_COUNT += e.value;
                if (e.item_type == ITEM_BEANS) FX_HEALTH_COUNT += BEANS_HEALTH;
            }
        }

        // 2. The glint of items lying about.
        {
            object& e = Fx[i];
            if (e.sector != 36 && e.sector != 37 && !e.mouseover && !e.turn_off && e.sparkle_timer != -1 &&
                Now() > e.sparkle_timer) {
                e.sparkle_timer = Now() + SPARKLE_MS;
                const object src = e; // New_FX writes the record after the last one
                New_FX({.x = src.x + src.width / 4, .y = src.y + src.height / 4, .w = src.w, .z = src.z, .anim = 3,
                        .anim_state = ANIM_ONCE, .box_width = src.box_width, .box_height = src.box_height,
                        .width = src.width / 2, .height = src.height / 2, .priority = 3, .type = GFX,
                        .linked_sprite = i, .tex_id = TEX_SPARKLE});
            }
        }

        // 3. The kind rules.
        Kind_Rules(i, f);

        object& e = Fx[i];
        const int kind = e.sector;
        // 4. Faded out.
        if (e.alpha <= 0.0f) e.turn_off = true;
        // 5. A stopped animation ends most kinds.
        if (e.anim_state == ANIM_STOPPED && !Keeps_Stopped_Animation(kind)) e.turn_off = true;
        // 6. Fire and gas burn out.
        if ((kind == 36 || kind == 37) && !e.turn_off && Now() > e.sparkle_timer) {
            e.turn_off = true;
            e.grab_switch = false;
        }
        // 7. Removal.
        const bool keeps_by_switch = kind == 20 || kind == 22;
        if ((e.turn_off && !keeps_by_switch) || (e.grab_switch && keeps_by_switch)) Remove_Fx(i);
    }
}

void Run_Shake_Upkeep() {
    Trace_Call("Run_Shake_Upkeep");
    if (Now() > shaking_counter && shake != 0.0f && shake != (float)SHAKE_LONG) shake = 0.0f;
}
