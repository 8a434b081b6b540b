// The opening intro: episode 1 scenes 102 to 109, played one after another after a new game
// is created, each skippable to the intro page (episode 0 scene 4).
#include "scripts/cut_scenes.h"

#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {

constexpr cut_target TO_INTRO_PAGE = Cut_To(0, 4);
constexpr unsigned INTRO = CUT_INTRO;

// ---- 1/102: the picture scrolls up to rest while two sprites drift off and shrink ----

bool Start_102(int) {
    if (object* s1 = Cut_Sprite(1)) script_start_x = s1->y + s1->height / 2;
    else if (object* s3 = Cut_Sprite(3)) script_start_x = s3->y;  // nothing to scroll to
    return true;
}

void Motion_102(int f_rate) {
    if (title_sequence == 0) return;
    const float t = f_rate * 0.00015f;
    if (object* s3 = Cut_Sprite(3)) {
        if (s3->y > script_start_x) {
            for (int i = 0; i < no_sprites && i < MAX_SPRITES; ++i)
                if (i != 0 && i != 2 && i != 12 && i != 13) sprite[i].y -= t;
        } else {
            s3->y = script_start_x;
        }
    }
    for (int i : {10, 11}) {
        object* o = Cut_Sprite(i);
        if (!o) continue;
        o->x -= f_rate * 0.0004f;
        o->y += f_rate * 0.0001f;
        const float s = f_rate * 0.00005f;
        o->width -= s;
        o->height -= s;
        o->x += s / 2;
        o->y += s / 2;
    }
}

constexpr cut_step steps_102[] = {
    Cut_Start(3000, CUT_WAVES | CUT_SEAGULL2, Start_102),
    Cut_Timed(1000, CUT_SEAGULL),
    Cut_Timed(2000, CUT_SEAGULL),
    Cut_End(),
};

// ---- 1/103: the tank rolls in two seconds after the start ----

bool Start_103(int) {
    stamp_timer = Script_Now() + 2000;
    start_sequence = 1;
    return true;
}

void Second_Counter_103(int) {
    if (start_sequence == 1 && Script_Now() > stamp_timer) {
        tank1_sfx = true;
        start_sequence = 2;
    }
}

constexpr cut_step steps_103[] = {Cut_Start(7000, 0, Start_103), Cut_End()};
constexpr cut_drift drifts_103[] = {{1, 1, 4, 0.0004f, 0.0f}, {1, 1, 6, 0.0001f, 0.0f}};

// ---- 1/104: objects 4 to 10 drift down-right; object 4 sways in one-second turns ----

bool Start_104(int) {
    stamp_timer = Script_Now() + 1000;
    return true;
}

void Motion_104(int f_rate) {
    if (title_sequence != 1) return;
    const float t = f_rate * 0.00001f;
    for (int i = 4; i <= 10; ++i) {
        object* o = Cut_Sprite(i);
        if (!o) continue;
        o->y += t;
        o->x += t;
        if (i == 4) o->x += skidding ? 2 * t : -2 * t;
    }
}

// The sway flips every second, whatever the step (after step 0 has set the first due time).
void Sway_104(int) {
    if (Script_Now() > stamp_timer) {
        stamp_timer = Script_Now() + 1000;
        skidding = !skidding;
    }
}

void After_104(int f_rate) {
    Sway_104(f_rate);
    Motion_104(f_rate);
}

constexpr cut_step steps_104[] = {Cut_Start(5000, CUT_STOP_WAVES | CUT_WIND, Start_104), Cut_End()};

// ---- 1/105: the column moves right; a rocket, a cry, and sprite 12 shows and turns back ----

bool Start_105(int) {
    if (object* s12 = Cut_Sprite(12)) s12->alpha = 0.0f;
    stamp_timer = Script_Now() + 3000;
    start_sequence = 1;
    return true;
}

void Second_Counter_105(int) {
    if (start_sequence == 1 && Script_Now() > stamp_timer) {
        rocket_sfx = true;
        stamp_timer = Script_Now() + 1200;
        start_sequence = 2;
    }
    if (start_sequence == 2 && Script_Now() > stamp_timer) {
        Set_Sprite(10, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        boss_ohh_sfx = true;
        stamp_timer = Script_Now() + 2000;
        start_sequence = 3;
    }
}

void Motion_105(int f_rate) {
    Second_Counter_105(f_rate);
    if (title_sequence != 1) return;
    object* s12 = Cut_Sprite(12);
    if (!s12) return;
    const float t = f_rate * 0.00025f;
    if (start_sequence < 3) {
        s12->x += t;
    } else {
        s12->x -= t;
        s12->alpha = 1.0f;
    }
}

constexpr cut_step steps_105[] = {
    Cut_Start(6000, CUT_STOP_WIND | CUT_TANK1 | CUT_WAVES, Start_105),
    Cut_End(),
};
constexpr float R105 = 0.00025f;
constexpr cut_drift drifts_105[] = {{1, 1, 4, R105, 0.0f},  {1, 1, 6, R105, 0.0f},
                                    {1, 1, 7, R105, 0.0f},  {1, 1, 8, R105, 0.0f},
                                    {1, 1, 9, R105, 0.0f},  {1, 1, 10, R105, 0.0f},
                                    {1, 1, 11, R105, 0.0f}};

// ---- 1/106: sprite 5 slides in from the right and takes what it came for ----

bool Start_106(int) {
    if (object* s5 = Cut_Sprite(5)) Start_Slide(s5->x, s5->width);
    return true;
}

void Motion_106(int f_rate) {
    if (title_sequence != 1) return;
    object* s5 = Cut_Sprite(5);
    if (!s5) return;
    if (s5->x > script_start_x) s5->x -= f_rate * 0.0004f;
    else s5->x = script_start_x;
}

bool Steal_106(int) {
    Set_Sprite(5, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    return true;
}

constexpr cut_step steps_106[] = {
    Cut_Start(3000, CUT_WAVES | CUT_STOP_WIND, Start_106),
    Cut_Timed(1000, CUT_STOLEN, Steal_106),
    Cut_End(),
};

// ---- 1/107: sprite 3 runs left; the wake-up call half a second in ----

bool Start_107(int) {
    stamp_timer = Script_Now() + 500;
    start_sequence = 1;
    return true;
}

void Second_Counter_107(int) {
    if (start_sequence == 1 && Script_Now() > stamp_timer) {
        wakeup_sfx = true;
        start_sequence = 2;
    }
}

constexpr cut_step steps_107[] = {Cut_Start(3000, CUT_STOP_WAVES, Start_107), Cut_End()};
constexpr cut_drift drifts_107[] = {{1, 1, 3, -0.001f, 0.0f}};

// ---- 1/108: sprites 3 to 6 move left, sprite 6 spinning one degree per call ----

bool Start_108(int) {
    spin_angle = 0.0f;
    return true;
}

void Spin_108(int) {
    if (title_sequence != 1) return;
    spin_angle += 1.0f;
    if (object* s6 = Cut_Sprite(6)) s6->angle = spin_angle;
}

constexpr cut_step steps_108[] = {Cut_Start(4000, CUT_BOSS, Start_108), Cut_End()};
constexpr cut_drift drifts_108[] = {{1, 1, 3, -0.0003f, 0.0f},
                                    {1, 1, 4, -0.0003f, 0.0f},
                                    {1, 1, 5, -0.0003f, 0.0f},
                                    {1, 1, 6, -0.00025f, 0.0f}};

// ---- 1/109: the long closing scene ----

void Motion_109(int f_rate) {
    if (title_sequence == 1) {
        for (int i = 5; i < no_sprites && i < MAX_SPRITES; ++i)
            if (i != 9) sprite[i].x -= f_rate * 0.0001f;
        if (Script_Now() > title_timer - 17000)
            if (object* s9 = Cut_Sprite(9)) s9->x += f_rate * 0.0004f;
    }
    if (title_sequence == 3) {
        if (object* s14 = Cut_Sprite(14))
            if (s14->anim != 1) Set_Sprite(14, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    }
}

constexpr cut_step steps_109[] = {
    Cut_Start(18000, CUT_WAVES),
    Cut_Timed(5500),
    Cut_Timed(6000),
    Cut_End(),
};
constexpr cut_drift drifts_109[] = {{2, 2, 14, 0.0002f, 0.0f}, {3, 3, 14, -0.0002f, 0.0f}};

constexpr cut_scene intro_scenes[] = {
    {{102, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 103), TO_INTRO_PAGE, steps_102, {},
     nullptr, Motion_102, nullptr},
    {{103, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 104), TO_INTRO_PAGE, steps_103, drifts_103,
     nullptr, Second_Counter_103, nullptr},
    {{104, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 105), TO_INTRO_PAGE, steps_104, {},
     nullptr, After_104, nullptr},
    {{105, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 106), TO_INTRO_PAGE, steps_105, drifts_105,
     nullptr, Motion_105, nullptr},
    {{106, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 107), TO_INTRO_PAGE, steps_106, {},
     nullptr, Motion_106, nullptr},
    {{107, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 108), TO_INTRO_PAGE, steps_107, drifts_107,
     nullptr, Second_Counter_107, nullptr},
    {{108, -1}, 2, CUT_SKIP_INTRO, INTRO, Cut_To(1, 109), TO_INTRO_PAGE, steps_108, drifts_108,
     nullptr, Spin_108, nullptr},
    {{109, -1}, 2, CUT_SKIP_INTRO, INTRO, TO_INTRO_PAGE, {}, steps_109, drifts_109, nullptr,
     Motion_109, nullptr},
};

}  // namespace

std::span<const cut_scene> Intro_Cut_Scenes() { return intro_scenes; }
