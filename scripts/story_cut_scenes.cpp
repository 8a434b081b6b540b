// The story cut-scenes of episode 1: 62 and 63 (a picture slides down into place), 61, 94,
// 79 and 80, 47 (the falling crate) and 34 (the submarine line "OH_BUGGER!").
#include "scripts/cut_scenes.h"

#include <cmath>

#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "render/font.h"
#include "scripts/level_events.h"  // thud_timer
#include "world/animate.h"
#include "world/effect_motion.h"

namespace {

constexpr const char* S = CUT_SKIP_SCENE;

// ---- 1/62 and 1/63: sprite 1 slides down to its place over twelve seconds ----

bool Start_Drop(int) {
    if (object* s1 = Cut_Sprite(1)) Start_Slide(s1->y, -s1->height / 1.8f);
    return true;
}

void Drop(int f_rate) {
    if (title_sequence != 1) return;
    object* s1 = Cut_Sprite(1);
    if (!s1) return;
    if (script_start_x > s1->y) s1->y += f_rate * 0.00015f;
    else s1->y = script_start_x;
}

constexpr cut_step steps_drop[] = {Cut_Start(12000, 0, Start_Drop), Cut_End()};

// ---- 1/61, 1/79, 1/80 and 1/94 ----

constexpr cut_step steps_61[] = {Cut_Start(4000), Cut_End()};
constexpr cut_step steps_94[] = {Cut_Start(4000, CUT_STOP_EXHAUST), Cut_End()};
constexpr cut_drift drifts_94[] = {{1, 1, 5, 0.0f, -0.00001f}};
constexpr cut_step steps_79[] = {Cut_Start(6000), Cut_End()};

// ---- 1/47: sprite 2 swings out and back while it grows; a clank every 200 ms ----

void Swing_47(int f_rate) {
    if (object* s2 = Cut_Sprite(2)) {
        const float t = f_rate * 0.001f;
        const float e = f_rate * 0.0003f;
        s2->y += (float)(std::cos((double)s2->angle) * t);
        s2->angle += f_rate * 0.001f;
        if (s2->angle > 3.14f) s2->angle = 3.14f;
        s2->x -= e / 2;
        s2->width += e;
        s2->y -= e / 2;
        s2->height += e;
    }
    if (Script_Now() > thud_timer) {
        clank_sfx = true;
        thud_timer = Script_Now() + 200;
    }
}

bool Start_47(int) {
    if (object* s2 = Cut_Sprite(2)) s2->angle = 0.0f;
    return true;
}

constexpr cut_step steps_47[] = {Cut_Start(1000, 0, Start_47), Cut_Timed(3500, CUT_FALL),
                                 Cut_End()};

// ---- 1/34: two sprites slide in, one appears and speaks its line ----

void Frame_34(int) {
    counter[0].x = -0.2f;
    counter[0].y = 0.56f;
    counter[1].x = -0.6f;
    counter[1].y = 0.6f;
    for (int i : {0, 1}) {
        counter[i].width = 0.016f;
        counter[i].height = 0.048f;
    }
    if (object* s3 = Cut_Sprite(3)) s3->alpha = counter[0].alpha;
    if (object* s4 = Cut_Sprite(4)) s4->alpha = counter[1].alpha;
}

bool Start_34(int) {
    counter[0].alpha = counter[1].alpha = 0.0f;
    counter[0].word[0] = counter[1].word[0] = 0;
    if (object* s5 = Cut_Sprite(5)) s5->alpha = 0.0f;
    if (object* s2 = Cut_Sprite(2)) Start_Slide(s2->x, -s2->width);
    if (object* s5 = Cut_Sprite(5)) {
        script_start_x1 = s5->x;
        s5->x += s5->width / 2;
    }
    return true;
}

// Untimed: both slide to their rests; a sprite that lands exactly on its rest has arrived,
// and a missing sprite counts as arrived, so the scene cannot stall here.
bool Slide_In_34(int f_rate) {
    object* s2 = Cut_Sprite(2);
    object* s5 = Cut_Sprite(5);
    if (s2 && s2->x < script_start_x) s2->x += f_rate * 0.001f;
    if (s5 && s5->x > script_start_x1) s5->x -= f_rate * 0.0008f;
    const bool in2 = !s2 || s2->x >= script_start_x;
    const bool in5 = !s5 || s5->x <= script_start_x1;
    if (!in2 || !in5) return false;
    if (s2) s2->x = script_start_x;
    if (s5) s5->x = script_start_x1;
    return true;
}

bool Appear_34(int) {
    Set_Sprite(5, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    if (object* s5 = Cut_Sprite(5)) s5->alpha = 1.0f;
    return true;
}

bool Idle_34(int) {
    Set_Sprite(5, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    return true;
}

bool Speak_34(int) {
    Text_Printf(1, "OH_BUGGER!");
    counter[1].alpha = 1.0f;
    Message_Fx();
    Set_Sprite(8, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(4, 2, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    return true;
}

void Clear_Line_34() {
    counter[1].word[0] = 0;
    counter[1].alpha = 0.0f;
}

bool Quiet_34(int) {
    Clear_Line_34();
    Set_Sprite(2, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    return true;
}

// The click is used up in every step but acts only while the line is due or shown.
void Click_34() {
    if (title_sequence != 4 && title_sequence != 5) return;
    title_sequence = 6;
    Clear_Line_34();
    title_timer = 0;
}

constexpr cut_step steps_34[] = {
    Cut_Start(0, 0, Start_34),
    Cut_Untimed(0, Slide_In_34),
    Cut_Untimed(1100, Appear_34),
    Cut_Timed(1000, 0, Idle_34),
    Cut_Timed(2000, 0, Speak_34),
    Cut_Timed(1000, 0, Quiet_34),
    Cut_End(),
};

constexpr cut_scene story_scenes[] = {
    {{62, -1}, 2, S, 0, Cut_To_Hub(27), {}, steps_drop, {}, nullptr, Drop, nullptr},
    {{63, -1}, 2, S, 0, Cut_To(1, 61), {}, steps_drop, {}, nullptr, Drop, nullptr},
    {{61, -1}, 2, S, 0, Cut_To(1, 60), {}, steps_61, {}, nullptr, nullptr, nullptr},
    {{94, -1}, 2, S, 0, Cut_To(1, 95), {}, steps_94, drifts_94, nullptr, nullptr, nullptr},
    {{79, -1}, 2, S, CUT_NO_BUTTON, Cut_To(1, 80), {}, steps_79, {}, nullptr, nullptr, nullptr},
    {{80, -1}, 2, S, 0, Cut_To(1, 81), {}, steps_79, {}, nullptr, nullptr, nullptr},
    {{47, -1}, 4, S, CUT_CLICK_USED, Cut_To(1, 129), {}, steps_47, {}, Swing_47, nullptr, nullptr},
    {{34, -1}, 8, S, CUT_CLICK_USED | CUT_BUTTON_FIRST, Cut_To(3, 20, 0), {}, steps_34, {},
     Frame_34, nullptr, Click_34},
};

}  // namespace

std::span<const cut_scene> Story_Cut_Scenes() { return story_scenes; }
