#include "world/effect_motion.h"

#include <cmath>

#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "world/effects.h"

namespace {

constexpr int K_AIMED = 1, K_GRENADE = 27, K_GRENADE_SHADOW = 28, K_DEBRIS = 30, K_DEBRIS_SHADOW = 31;

float Speed_Of(const object& e) {
    float s = 0.0015f;
    if (e.sector_action == 1) s = 0.0004f;
    if (e.sector_action == 2) s = 0.0006f;
    if (e.sector_action == 3) s = 0.0006f;
    if (e.sector_action == 4) s = 0.0005f;
    if (e.sector == K_GRENADE || e.sector == K_GRENADE_SHADOW) s = 0.0007f;
    if (e.sector == K_DEBRIS || e.sector == K_DEBRIS_SHADOW) s = 0.0004f;
    return s;
}

bool Is_Water_Tile(int t) { return t >= 480 && t <= 483; }

} // namespace

void Move_Fx(int loop, int f_rate) {
    if (!Fx || loop < 0 || loop >= MAX_FX) return;
    object& e = Fx[loop];
    const float s = Speed_Of(e);
    const float dx = std::cos(e.spin) * 1.2f * s * (float)f_rate;
    const float dy = std::sin(e.spin) * 1.2f * s * (float)f_rate;
    e.distance += (float)f_rate * s;

    const int kind = e.sector;
    if (kind == K_AIMED) {
        e.x += dx;
        e.w += dx;
        e.y += dy;
        e.z += dy;
    } else {
        e.w = e.x + e.width / 2 - e.box_width / 2;
        e.x += dx;
        e.y += dy * sc_ratio;
        if (kind == K_GRENADE || kind == K_GRENADE_SHADOW || kind == K_DEBRIS || kind == K_DEBRIS_SHADOW)
            e.z = e.y + e.height / 2 - e.box_height / 2;
    }

    const bool grenade = kind == K_GRENADE || kind == K_GRENADE_SHADOW;
    const bool debris = kind == K_DEBRIS || kind == K_DEBRIS_SHADOW;
    if ((grenade && e.distance > 0.35f) || (debris && e.distance > 0.19f)) {
        if (kind == K_GRENADE_SHADOW || kind == K_DEBRIS_SHADOW) e.turn_off = true;
        const int cell = Cell_Of(e.w + e.box_width / 2, e.z + e.box_height / 2);
        if (cell >= 0 && Is_Water_Tile(tiles[cell])) {
            e.turn_off = true;
            // Copy what the splash needs: New_FX may write the record next to this one.
            const object landed = e;
            New_FX({.x = landed.x, .y = landed.y, .w = landed.w, .z = landed.z, .anim = 39, .anim_state = ANIM_ONCE,
                    .box_width = landed.box_width, .box_height = landed.box_height, .width = landed.width,
                    .height = landed.height, .priority = 2, .type = 15, .linked_sprite = landed.linked_sprite,
                    .tex_id = 2});
            water_sfx = true;
        }
        Fx[loop].action_timer = Now() + ((p1_id != -1 && Fx[loop].linked_sprite == p1_id) ? 500 : 1000);
        Fx[loop].grab_switch = true;
    }

    object& m = Fx[loop];
    if (kind != K_AIMED && kind != K_GRENADE && kind != K_DEBRIS) {
        m.angle = m.spin * 180.0f / 3.14f;
        if (m.angle < 0) m.angle += 360.0f;
    }
}

void Message_Fx() {
    msg_fx = true;
    msg_fx_timer = Now() + 50;
}
