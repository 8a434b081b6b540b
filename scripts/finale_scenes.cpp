// The gallery finale: the chain 1/99, 1/100, 1/101, 1/144 after the boss gallery, which ends on
// the act-end page, and the single scene 1/123 after gallery 10. Each skips to its next scene.
#include "scripts/cut_scenes.h"

#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "world/animate.h"

namespace {

// ---- 1/99: six explosions 300 ms apart, the fifth the big one ----

constexpr int flashing_99[] = {5, 7, 9, 4, 8, 6, 10};

void Show_Flashing_99(float alpha) {
    for (int i : flashing_99)
        if (object* o = Cut_Sprite(i)) o->alpha = alpha;
}

bool Start_99(int) {
    Show_Flashing_99(0.0f);
    front_bomb_count = 0;
    return true;
}

// One explosion; the step moves on after the sixth.
bool Explode_99(int) {
    if (object* s3 = Cut_Sprite(3))
        if (s3->anim != 1) Set_Sprite(3, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    if (object* s12 = Cut_Sprite(12)) s12->alpha = 0.0f;
    Show_Flashing_99(1.0f);
    title_timer = Script_Now() + 300;
    front_bomb_count += 1;
    if (front_bomb_count == 5) boss_sfx = true;
    else clank_sfx = true;
    red_swipe = true;
    swipe_color = 4;
    red_timer = Script_Now() + 50;
    if (front_bomb_count > 5) {
        Show_Flashing_99(0.0f);
        return true;  // wait 1500, step 2
    }
    return false;
}

constexpr cut_step steps_99[] = {
    Cut_Start(1500, CUT_STOP_EXHAUST, Start_99),
    Cut_Timed(1500, 0, Explode_99),
    Cut_End(),
};

// ---- 1/100: the fall; everything moves up at three speeds ----

constexpr cut_step steps_100[] = {Cut_Start(1500, CUT_WIND), Cut_Timed(2500, CUT_FALL), Cut_End()};
constexpr cut_drift drifts_100[] = {
    {1, 2, 3, 0.0f, -0.0006f},  {1, 2, 9, 0.0f, -0.0007f},  {1, 2, 10, 0.0f, -0.0007f},
    {1, 2, 11, 0.0f, -0.0007f}, {1, 2, 12, 0.0f, -0.0007f}, {1, 2, 16, 0.0f, -0.0007f},
    {1, 2, 13, 0.0f, -0.0005f}, {1, 2, 14, 0.0f, -0.0005f}, {1, 2, 15, 0.0f, -0.0005f},
};

// ---- 1/101: the aeroplane comes in from the left; sprite 5 rises to it and is gone ----

bool Start_101(int) {
    if (object* s4 = Cut_Sprite(4)) {
        start_stamp_X = s4->x;
        s4->x -= 3 * s4->width;
    }
    return true;
}

// Untimed: true once sprite 4 stands at its place (at once when the scene has no sprite 4).
bool Enter_101(int f_rate) {
    object* s4 = Cut_Sprite(4);
    if (!s4) return true;
    s4->x += f_rate * 0.0004f;
    if (s4->x >= start_stamp_X) {
        s4->x = start_stamp_X;
        return true;
    }
    return false;
}

// Untimed: sprite 5 rises until sprite 4 is level with it or above it.
bool Meet_101(int f_rate) {
    object* s4 = Cut_Sprite(4);
    object* s5 = Cut_Sprite(5);
    if (s5) s5->y -= f_rate * 0.0008f;
    if (s4 && s5 && !(s4->y >= s5->y)) return false;
    if (s5) s5->alpha = 0.0f;
    clank_sfx = true;
    Set_Sprite(4, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    return true;
}

constexpr cut_step steps_101[] = {
    Cut_Start(0, CUT_WIND | CUT_AIRPLANE, Start_101),
    Cut_Untimed(0, Enter_101),
    Cut_Untimed(5500, Meet_101),
    Cut_End(),
};
constexpr cut_drift drifts_101[] = {{3, 3, 4, 0.0003f, -0.0001f}};

// ---- 1/144: sprite 9 grows and climbs until it hits sprite 5's box ----

bool Start_144(int) {
    if (object* s10 = Cut_Sprite(10)) s10->alpha = 0.0f;
    return true;
}

void Strike_144(int f_rate) {
    object* s9 = Cut_Sprite(9);
    if (!s9 || s9->alpha != 1.0f) return;
    const float s = f_rate * 0.00001f;
    s9->x -= s / 2;
    s9->y -= s / 2;
    s9->width += s;
    s9->height += s;
    s9->y -= f_rate * 0.00006f;
    s9->x += f_rate * 0.0001f;
    object* s5 = Cut_Sprite(5);
    if (!s5 || !(s5->z + s5->box_height > s9->y)) return;
    s9->alpha = 0.0f;
    boss_sfx = true;
    Set_Sprite(8, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    if (object* s10 = Cut_Sprite(10)) {
        s10->x = s9->x;
        s10->y = s9->y;
        s10->alpha = 1.0f;
        Set_Sprite(10, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    }
}

constexpr cut_step steps_144[] = {Cut_Start(9000, CUT_STOP_AIRPLANE | CUT_WIND, Start_144), Cut_End()};

// ---- 1/123: a still picture after gallery 10 ----

constexpr cut_step steps_123[] = {Cut_Start(4000), Cut_End()};

constexpr cut_scene finale_scenes[] = {
    {{99, -1}, 2, CUT_SKIP_SCENE, 0, Cut_To(1, 100), {}, steps_99, {}, nullptr, nullptr, nullptr},
    {{100, -1}, 2, CUT_SKIP_SCENE, 0, Cut_To(1, 101), {}, steps_100, drifts_100, nullptr, nullptr,
     nullptr},
    {{101, -1}, 2, CUT_SKIP_SCENE, 0, Cut_To(1, 144), {}, steps_101, drifts_101, nullptr, nullptr,
     nullptr},
    {{144, -1}, 2, CUT_SKIP_SCENE, 0, Cut_To(1, 116), {}, steps_144, {}, nullptr, Strike_144,
     nullptr},
    {{123, -1}, 2, CUT_SKIP_SCENE, 0, Cut_To(1, 98), {}, steps_123, {}, nullptr, nullptr, nullptr},
};

}  // namespace

std::span<const cut_scene> Finale_Cut_Scenes() { return finale_scenes; }
