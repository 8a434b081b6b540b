// The front-end pages of episode 0 and the act start and camp pages of episode 1: they
// stage the page (move, show and hide its decorations, request music and sounds) and time
// the pages that leave on their own. The menu choices are front-end objects of the main loop.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "main/messages.h"
#include "main/scene_transition.h"
#include "platform/timer.h"
#include "render/font.h"
#include "scripts/title_pages.h"
#include "world/animate.h"
#include "world/effects.h"
#include "world/world_clock.h"

namespace {

constexpr int CURSOR = 1;          // hud[1], the mouse cursor
constexpr int CURSOR_OVER = 4, CURSOR_PLAIN = 0;
constexpr int PAN_MS = 12000;
constexpr float PAN_SPEED = 0.00045f;

void Cursor(bool over) {
    Set_Sprite(CURSOR, over ? CURSOR_OVER : CURSOR_PLAIN, ANIM_LOOP, ANIM_ARRAY_HUD, false);
}

bool Has_Sprite(int i) { return sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES; }

// The clickable figure of pages 0/7 and 0/1: animation 3 until a click, then animation 4
// for 2000 ms. Steps `rest` and `rest` + 1 of the page, as plain step tests: the click's
// call already plays animation 4.
void Clickable_Figure(int id, int rest) {
    if (Untimed_Step(rest)) {
        Page_Anim(id, 3, ANIM_LOOP, false);
        if (Has_Sprite(id) && Mouse_In_Box(sprite[id])) {
            Cursor(true);
            if (mouseleft) {
                title_timer = Script_Now() + 2000;
                title_sequence = rest + 1;
                mouseleft = false;
            }
        } else {
            Cursor(false);
        }
    }
    if (Untimed_Step(rest + 1)) {
        Page_Anim(id, 4, ANIM_LOOP, false);
        Cursor(false);
        if (Script_Now() > title_timer) title_sequence = rest;
    }
}

// The 12000 ms pan of the backdrop (sprite 2) of pages 0/11 and 0/12; true once it is over.
bool Backdrop_Pan(int f_rate) {
    if (Untimed_Step(0)) Next_Step(PAN_MS);
    if (Untimed_Step(1)) {
        Page_Sprite(2).x += f_rate * PAN_SPEED;
        if (Timed_Step(1)) return true;
    }
    return false;
}

// Main menu sprites.
constexpr int MENU_FALLER = 20, MENU_FLOOR = 19, MENU_LOGO_GLOW = 18;
constexpr int MENU_FIGURE = 4;

void Menu_Camera_Glide() {
    if (stop_camera || camera_point < 0 || camera_point >= no_points || camera_point >= MAX_POINTS) return;
    const a_point& p = points[camera_point];
    const float v = -camY;
    const float angle = std::atan2(v - p.y, 0.0f - p.x);
    const float d = std::sin(angle) * 1.2f;
    cos_scroll += 0.0007f;
    if (cos_scroll > 1.5f) cos_scroll = 1.5f;
    const float speed = std::cos(cos_scroll) * 0.0009f;
    camY += d * speed;
    if (p.y > v) stop_camera = true;
}

void Menu_Falling_Sprite(int f_rate) {
    if (!Has_Sprite(MENU_FALLER) || !Has_Sprite(MENU_FLOOR)) return;
    object& f = sprite[MENU_FALLER];
    const object& floor = sprite[MENU_FLOOR];
    const float s1 = f_rate * 0.0009f, s2 = f_rate * 0.0018f;
    f.mouseover = false;
    if (f.y > floor.y - floor.width) {
        spin_angle += f_rate * 0.01f;
        Set_Sprite(MENU_FALLER, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        if (f.x > 0.508f) Set_Sprite(MENU_FALLER, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        if (f.x > 0.628f) Set_Sprite(MENU_FALLER, 2, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        if (spin_angle >= 6.28f) spin_angle = 0.0f;
        f.alpha = 1.0f;
        f.x += std::cos(spin_angle - 3.14f) * s2;
        f.y -= s1 / 2;
    } else {
        f.alpha = 0.0f;
    }
}

void Menu_Bullet_Holes() {
    if (cc < 0 || cc >= bullet_hole_count || cc >= BULLETHOLE_LIST_SIZE) return;
    if (!(Script_Now() > bullet_timer)) return;
    const int h = bullethole[cc];
    if (Has_Sprite(h)) {
        object& o = sprite[h];
        o.mouseover = false;
        Set_Sprite(h, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        New_FX({.x = o.x, .y = o.y, .w = o.w, .z = o.z, .anim = 35, .anim_state = ANIM_LOOP, .box_width = o.width,
                .box_height = o.height, .width = o.width, .height = o.height, .type = GFX, .state = 23,
                .linked_sprite = h, .tex_id = 2});
    }
    ric2_sfx = true;
    sniper_sfx = true;
    bullet_timer = Script_Now() + 150;
    cc += 1;
    if (cc >= bullet_hole_count) Page_Anim(MENU_FLOOR, 1, ANIM_LOOP, true);
}

} // namespace

void Act_Start_Block(int) {
    if (!Untimed_Step(0)) return;
    title_sequence = 1;
    if (daytime) Page_Sprite(2).id = 16;
    if ((main_mission[4] != 1 && current_act == 1) || current_act == 4) Page_Sprite(13).alpha = 0.0f;
}

void Timed_Title_Page_Block(int) {
    if (Untimed_Step(0)) Next_Step(6000);
    if (Timed_Step(1)) {
        Scene_Request(0, 0);
        title_sequence = 101;
    }
}

void Save_Slot_Page_Block(int) {
    constexpr int SWITCH = 21, LAMP = 15;
    font& t = counter[0];
    t.x = -0.16f;
    t.y = 0.37f;
    t.width = 0.016f;
    t.height = 0.048f;
    t.alpha = 1.0f;
    Text_Printf(0, "%.12s^%.12s^%.12s^%.12s^%.12s^%.12s^", file_names[0], file_names[1], file_names[2],
                file_names[3], file_names[4], file_names[5]);
    if (Has_Sprite(SWITCH) && Mouse_In_Box(sprite[SWITCH])) {
        Cursor(true);
        if (mouseleft) {
            mouseleft = false;
            lightswitch_sfx = true;
            object& sw = sprite[SWITCH];
            if (!sw.grab_switch) {
                sw.grab_switch = true;
                Page_Anim(SWITCH, 1, ANIM_LOOP, false);
                Page_Anim(LAMP, 1, ANIM_LOOP, false);
                fade = 0.5f;
                for (int i = 17; i <= 20; ++i) Page_Sprite(i).mouseover = true;
                Page_Sprite(1).anim_state = ANIM_STOPPED;
                Page_Sprite(14).anim_state = ANIM_STOPPED;
                title_sequence = 6;
            } else {
                sw.grab_switch = false;
                Page_Anim(SWITCH, 0, ANIM_LOOP, false);
                Page_Anim(LAMP, 0, ANIM_LOOP, false);
                fade = 1.0f;
                title_sequence = 0;
            }
        }
    } else {
        Cursor(false);
    }
    // The lamp cycle.
    if (Untimed_Step(0)) Next_Step(6000);
    else if (Timed_Step(1) || Timed_Step(2) || Timed_Step(3)) {
        Page_Sprite(16 + title_sequence).mouseover = false;
        Next_Step(500);
    } else if (Timed_Step(4)) {
        Page_Sprite(20).mouseover = false;
        Page_Anim(20, rand() % 8, ANIM_ONCE, true);
        Next_Step(5000);
    } else if (Timed_Step(5)) {
        for (int i = 17; i <= 20; ++i) Page_Sprite(i).mouseover = true;
        title_sequence = 0;
    }
}

void Pan_Page_Block(int f_rate) {
    if (Backdrop_Pan(f_rate)) Scene_Request(0, 0);
}

void Act_Four_Start_Block(int f_rate) {
    if (!Backdrop_Pan(f_rate)) return;
    Scene_Request(2, 5);
    current_act = 4;
    current_main = 1;
    for (int& b : current_buddy) b = -1;
    for (int& m : main_mission) m = 0;
    std::memset(global_objective, 0, sizeof global_objective);
    std::memset(global_side_objective, 0, sizeof global_side_objective);
}

void Intro_Page_Block(int f_rate) {
    if (Untimed_Step(0)) {
        stop_waves_sfx = 1;
        stop_seagull_sfx = 1;
        Next_Step(1500);
    }
    if (Timed_Step(1)) {
        tank1_sfx = true;
        Next_Step(2500);
    }
    if (Untimed_Step(2) || Untimed_Step(3)) {
        Page_Sprite(4).x += f_rate * 0.0014f;
        Page_Sprite(5).x += f_rate * 0.0014f;
    }
    if (Timed_Step(2)) {
        Next_Step(3000);
        drown_sfx = true;
        stolen_sfx = true;
        Page_Anim(duck_guy, 1, ANIM_LOOP, true);
    }
    if (Timed_Step(3)) title_sequence = 4;
    if (Timed_Step(4)) Scene_Request(1, 57);
}

void Camp_Flag_Page_Block(int) {
    if (!Untimed_Step(0)) return;
    if (global_objects[2] == 0) Page_Sprite(9).alpha = 0.0f;
}

void Figure_Page_Block(int) {
    if (Untimed_Step(0)) Reset_Shop_Specials();
    Clickable_Figure(MENU_FIGURE, 0);
}

void Main_Menu_Block(int f_rate) {
    player_kill_count = 0;
    in_stats = false;
    current_main = 0;
    Menu_Camera_Glide();
    const bool duck = Has_Sprite(duck_guy);
    if (Untimed_Step(0)) {
        bullet_timer = Script_Now() + 3000;
        Next_Step(3200);
        fight_sfx = sad_sfx = mini_sfx = 7;
        Reset_Shop_Specials();
        spin_angle = 6.28f;
        if (duck) {
            object& d = sprite[duck_guy];
            script_start_x = d.x;
            d.x -= d.width;
            object& other = Page_Sprite(MENU_FLOOR);
            script_start_x1 = other.x;
            other.x += other.width;
        }
        for (int i : {0, 1, 3, 14, 18, 20, 21}) Page_Sprite(i).alpha = 0.0f;
        cc = 0;
    }
    if (Untimed_Step(1) && duck) {
        object& d = sprite[duck_guy];
        object& other = Page_Sprite(MENU_FLOOR);
        temp_speed = f_rate * 0.0003f;
        if (d.x < script_start_x) {
            d.x += temp_speed;
            other.x -= temp_speed;
        }
        if (d.x > script_start_x) {
            d.x = script_start_x;
            other.x = script_start_x1;
        }
    }
    // Plain step tests: a step that advances lets the next one's test run in the same call.
    if (Timed_Step(1)) {
        if (duck) Set_Sprite(duck_guy, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        Next_Step(800);
    }
    if (Timed_Step(2)) {
        if (duck) Set_Sprite(duck_guy, 2, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        Next_Step(750);
    }
    if (Timed_Step(3)) {
        if (duck) Set_Sprite(duck_guy, 3, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        Next_Step(250);
    }
    if (Timed_Step(4)) {
        Page_Anim(logo_sprite, 2, ANIM_ONCE, true);
        Page_Sprite(MENU_LOGO_GLOW).alpha = 1.0f;
        cash_up_sfx = true;
        for (int i : {0, 1, 3, 14}) Page_Sprite(i).alpha = 1.0f;
        Next_Step(500);
    }
    if (Timed_Step(5)) {
        end_sfx = 4;
        current_song = 1;
        title_sequence = 6;
    }
    Clickable_Figure(MENU_FIGURE, 6);
    if (title_sequence > 3) Menu_Falling_Sprite(f_rate);
    Menu_Bullet_Holes();
}
