#include "world/animate.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/unit_animation.h"

namespace {

constexpr int MAX_ANIMS = 150; // animations per sheet and steps per animation

// The record's sheet, or null when fx_id, anim or cur lies outside the sheets.
const animation_texture* Sheet_For_Step(const object& o) {
    if (o.fx_id < 0 || o.fx_id >= MAX_ANIM_SHEETS) return nullptr;
    if (o.anim < 0 || o.anim >= MAX_ANIMS) return nullptr;
    if (o.cur < 0 || o.cur >= MAX_ANIMS) return nullptr;
    return &a_texture[o.fx_id];
}

// Steps of animation anim of a sheet, limited to what a row holds.
int Step_Count(const animation_texture& t, int anim) {
    int n = t.anim_frames[anim];
    return n < 0 ? 0 : (n > MAX_ANIMS ? MAX_ANIMS : n);
}

// Display time of a frame number; 0 for a frame number outside the sheet.
int Frame_Delay(const animation_texture& t, int frame) {
    return (frame >= 0 && frame < MAX_ANIMS) ? t.delay[frame] : 0;
}

// Drawing kinds 2, 3 and 4 are animated.
bool Slot_Animated(int slot) {
    if (slot < 0 || slot >= MAX_TEXTURE_SLOTS) return false;
    int k = texture_fx[slot];
    return k == 2 || k == 3 || k == 4;
}

// Advances the step; at the last step applies the playback mode's end rule.
void Advance_Step(object& o, const animation_texture& t, bool is_hud) {
    int n = Step_Count(t, o.anim);
    if (o.cur < n - 1) {
        o.cur++;
        return;
    }
    if (o.anim_state == ANIM_ONCE) o.anim_state = ANIM_STOPPED;
    else if (o.anim_state == ANIM_LOOP) o.cur = 0;
    else if (o.anim_state == ANIM_ONCE_HOLD && !is_hud) o.anim_state = ANIM_HELD;
}

bool Walking_Unit(const object& o) {
    return o.status == STATUS_WALK && o.factor != 0.0f && o.type == UNT && o.score > 0 && !o.turn_off;
}

} // namespace

int Anim_Frame_Of(const object& o) {
    const animation_texture* t = Sheet_For_Step(o);
    return t ? t->anims[o.anim][o.cur] : -1;
}

void Set_Sprite(int id, int anim, int state, int hud_or_sprite, bool reset) {
    object* arr = nullptr;
    int size = 0;
    if (hud_or_sprite == ANIM_ARRAY_SPRITE) { arr = sprite; size = MAX_SPRITES; }
    else if (hud_or_sprite == ANIM_ARRAY_HUD) { arr = hud; size = MAX_HUD; }
    else if (hud_or_sprite == ANIM_ARRAY_FX) { arr = Fx; size = MAX_FX; }
    if (!arr || id < 0 || id >= size) return;
    object& o = arr[id];
    if (o.fx_id < 0 || o.fx_id >= MAX_ANIM_SHEETS || anim < 0 || anim >= MAX_ANIMS) return;
    const animation_texture& t = a_texture[o.fx_id];

    if (hud_or_sprite == ANIM_ARRAY_HUD) {
        if (anim != o.anim || reset) {
            o.anim = anim;
            o.cur = 0;
            o.cur_time = 0.0f;
            o.anim_state = state;
        }
        if (o.cur >= 0 && o.cur < MAX_ANIMS) o.frame = t.anims[anim][o.cur];
        o.anim_state = state;
        return;
    }

    if (anim == o.anim && !reset) return;
    const bool is_sprite = hud_or_sprite == ANIM_ARRAY_SPRITE;
    const bool walking = is_sprite && o.status == STATUS_WALK;
    const int whole_now = Now();
    o.anim = anim;
    if (o.cur < 0 || o.cur >= MAX_ANIMS) o.cur = 0; // a step outside the rows starts over
    if (is_sprite && state == ANIM_ONCE_HOLD) {
        o.cur = 0;
        o.cur_time = (float)(whole_now + Frame_Delay(t, t.anims[anim][0]));
    }
    if (reset) {
        if (o.cur >= Step_Count(t, anim) - 1) {
            if (!walking) o.cur = 0;
            o.cur_time = (float)(whole_now + Frame_Delay(t, t.anims[anim][o.cur]));
        }
    } else {
        if (!walking) o.cur = 0;
        o.cur_time = (float)(whole_now + Frame_Delay(t, t.anims[anim][o.cur]));
    }
    o.frame = t.anims[anim][o.cur];
    o.anim_state = state;
}

void Animate() {
    const double now = TimerGetTime();
    const int whole_now = (int)now;

    // HUD items, always.
    if (hud) {
        int n = hud_no_sprites < MAX_HUD ? hud_no_sprites : MAX_HUD;
        for (int i = 0; i < n; ++i) {
            object& o = hud[i];
            if (!Slot_Animated(o.id) || o.anim_state == ANIM_STOPPED || !(o.cur_time < now)) continue;
            const animation_texture* t = Sheet_For_Step(o);
            if (!t) continue;
            o.frame = t->anims[o.anim][o.cur];
            int delay = Frame_Delay(*t, o.frame);
            if (t->rythm) {
                if (rythm_delay != 0.0f) o.cur_time = (float)whole_now + delay / rythm_delay;
            } else {
                o.cur_time = (float)(whole_now + delay);
            }
            Advance_Step(o, *t, true);
        }
    }

    if (!animate_sprites) return;

    // Visible sprites: while the quit box is down, or always on a front-end page.
    if (sprite && (!quit_active || game_mode == MODE_FRONT)) {
        int n = new_no_sprites < VISIBLE_MAX ? new_no_sprites : VISIBLE_MAX;
        for (int k = 0; k < n; ++k) {
            int id = var5[k];
            if (id < 0 || id >= MAX_SPRITES) continue; // effects have their own pass
            object& o = sprite[id];
            const animation_texture* t = Sheet_For_Step(o);
            if (!t) continue;
            o.frame = t->anims[o.anim][o.cur];
            if (!Slot_Animated(o.id) || !(o.cur_time < now) || o.anim_state == ANIM_STOPPED ||
                o.anim_state == ANIM_HELD)
                continue;
            if (Walking_Unit(o)) {
                o.cur_time = (float)whole_now + o.factor * 200.0f;
                if (o.cur == 0 || o.cur == 2) Play_Footstep(id);
            } else {
                o.cur_time = (float)(whole_now + Frame_Delay(*t, o.frame));
            }
            Advance_Step(o, *t, false);
        }
    }

    // Effects, wherever they are, while the quit box is down.
    if (Fx && !quit_active) {
        int n = no_fx < MAX_FX ? no_fx : MAX_FX;
        for (int i = 0; i < n; ++i) {
            object& o = Fx[i];
            const animation_texture* t = Sheet_For_Step(o);
            if (!t) continue;
            o.frame = t->anims[o.anim][o.cur];
            if (!Slot_Animated(o.id) || !(o.cur_time < now) || o.anim_state == ANIM_STOPPED ||
                o.anim_state == ANIM_HELD)
                continue;
            o.cur_time = (float)(whole_now + Frame_Delay(*t, o.frame));
            Advance_Step(o, *t, false);
        }
    }
}
