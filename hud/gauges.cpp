// The HUD gauges: face, life and experience bars, enemy bar, target arrow and cursor.
#include "hud/gauges.h"

#include <cmath>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_hud.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "world/animate.h"
#include "world/turning.h"

namespace {


}  // namespace

void Calculate_Lifebar() {
    Trace_Call("Calculate_Lifebar");
    if (!hud) return;
    const float factor = PLY_VITALITY != 0 ? health_width / (float)PLY_VITALITY : 0.0f;
    if (player_type == 0 && Valid_Sprite(p1_id)) {
        object& p = sprite[p1_id];
        if (p.score > PLY_VITALITY) p.score = PLY_VITALITY;
        hud[HUD_LIFEBAR].width = (float)p.score * factor;
        if (p.score != 0) Set_Sprite(HUD_LIFEBAR, p.score <= 20 ? 15 : 14, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        if (p.score < 0) hud[HUD_LIFEBAR].alpha = 0.0f;
    }
    hud[HUD_EXPBAR].width =
        player_exp_level > 0 ? (float)player_experience * exp_width / (float)player_exp_level : 0.0f;
}

void Hud_Face_Unit(int s, int /*j*/) {
    Trace_Call("Hud_Face_Unit");
    if (!hud || s != p1_id || !Valid_Sprite(s)) return;
    const object& p = sprite[s];
    int offset = 0;
    if (p.score <= 0)
        offset = 12;
    else if (p.score <= 20)
        offset = PLY_VITALITY != 0 ? 12 : 0;
    else if (p.score <= 30)
        offset = PLY_VITALITY != 0 ? 6 : 0;

    const bool alive = !ply_dead;
    const int st = p.status;
    int anim = -1, mode = 0;
    bool restart = false;
    auto pick = [&](int a, int m, bool r) { anim = offset + a; mode = m; restart = r; };
    if (alive && !reloading && (st == STATUS_IDLE || st == STATUS_WALK || st == STATUS_CAMP_POSE)) pick(1, ANIM_LOOP,
        false);
    if (alive && st == STATUS_HIT) pick(2, ANIM_ONCE_HOLD, true);
    if (alive && (st == STATUS_FALLING || st == STATUS_FIRING || st == STATUS_KNIFE || st == 63 ||
        st == STATUS_THROWING)) pick(3, ANIM_ONCE_HOLD, true);
    if (st == STATUS_DYING) pick(5, ANIM_ONCE_HOLD, false);
    if (alive && (st == STATUS_DOWNED || st == STATUS_LAST_CHANCE)) pick(5, ANIM_ONCE_HOLD, false);
    if (alive && (reloading || next_weapon != -1)) pick(4, ANIM_LOOP, false);
    if (anim != -1) Set_Sprite(HUD_FACE, anim, mode, ANIM_ARRAY_HUD, restart);
}

int Calculate_TotalScore(int s) {
    if (!Valid_Sprite(s)) return 0;
    const object& o = sprite[s];
    if (o.sector == UNIT_VEHICLE) return 75;
    if (o.type == UNT) {
        int full = o.rank * 20;
        if (o.sector == CHIEF || o.sector == UNIT_DEAD_CHIEF) full = (int)((float)full * 1.5f);
        switch (o.sector) {
            case UNIT_BIRD: full = 10; break;
            case UNIT_SHOTGUN: full = Level == LVL_DUNGEON ? 1000 : 100; break;
            case MONKEY: full = 10; break;
            case DOG: full = 10; break;
            case UNIT_BOSS: full = 100; break;
            case BOMBER:
            case UNIT_MORTAR:
                if (o.onDeath_action == 2) full = o.rank * 60;
                else if (o.onDeath_action == 3) full = 50;
                break;
            default: break;
        }
        return full;
    }
    if (o.type == BAG) {
        switch (o.sector) {
            case UNIT_BARREL: return 1;
            case UNIT_ARMOUR_TANK: return 50;
            case UNIT_ARMOUR_TURRET: return 35;
            case SIGNPOST: return 20;
            case UNIT_BOSS: return 100;
            case SEAGULL:
            case SEAGULL2: return 1;
            default: return 40;
        }
    }
    return 0;
}

float Calculate_Emybar(int s) {
    Trace_Call("Calculate_Emybar");
    if (!Valid_Sprite(s)) return 0.0f;
    const int full = Calculate_TotalScore(s);
    const int current = sprite[s].score;
    if (current <= 0) return 0.0f;
    if (hud) Set_Sprite(HUD_ENEMYBAR, full / 3 >= current ? 15 : 14, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    return (float)full / (float)current;
}

void Calculate_Target_Arrow() {
    Trace_Call("Calculate_Target_Arrow");
    if (!hud) return;
    object& arrow = hud[HUD_TARGET_ARROW];
    arrow.alpha = 0.0f;
    if (!Valid_Sprite(arrow_point) || quit_active) return;
    const object& t = sprite[arrow_point];
    const float cx = -camX, cy = -camY;
    const float tx = t.w + t.box_width / 2.0f, ty = t.z + t.box_height / 2.0f;
    const float angle = std::atan2(ty - cy, tx - cx);
    if (Node_Distance(cx, cy, tx, ty) <= 0.36f) return;
    arrow.alpha = 1.0f;
    float degrees = angle * 180.0f / 3.14f;
    if (degrees < 0.0f) degrees += 360.0f;
    arrow.angle = degrees;
    arrow.x = std::cos(angle) / 1.9f - arrow.width / 2.0f;
    arrow.y = std::sin(angle) / 1.9f - arrow.height / 2.0f;
}

void UpdateMouseCursor() {
    Trace_Call("UpdateMouseCursor");
    if (!hud) return;
    object& c = hud[HUD_CURSOR];
    c.x = c.w = real_mouseX - hud1width / 2.0f;
    c.y = c.z = real_mouseY - hud1height / 2.0f;
    if (c.anim == 0 || c.anim == 1 || c.anim == 6 || c.anim == 7) {
        c.x += hud1width / 6.0f;
        c.y -= hud1height / 6.0f;
    }
    c.width = hud1width;
    c.height = hud1height;
}

void Unit_Sound(int, int) {}
