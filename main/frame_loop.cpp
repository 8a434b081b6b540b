#include "main/frame_loop.h"

#include <cstdio>
#include <cstdlib>

#include "camp/camp.h"
#include "combat/combat.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/scene_transition.h"
#include "main/tick_services.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {

constexpr int LVL_CARDS_ = 24;
constexpr int LVL_SHOP_ = 45;

void Message_Pass(const platform::MSG& msg) {
    Peek_cycle = Now();
    if (msg.message == platform::WM_QUIT) {
        done = true;
        wParam_last = (int)msg.wParam;
        Stop_End_Snd();
    } else {
        platform::TranslateMessage(msg);
        platform::DispatchMessage(msg);
    }
    Peek_cycle = Now() - Peek_cycle;
    if (fullscreen) platform::ConfineCursor(true);
}

void Game_Clock_Step() {
    int d = (Now() - Real_Time) / 100;
    seconds += 1 + d;
    if (seconds > 9) {
        minutes += seconds / 10;
        player_seconds += seconds / 10;
        seconds = 0;
    }
    if (player_seconds > 59) {
        player_minutes += 1;
        player_seconds = 0;
    }
    if (player_minutes > 59) {
        player_hours += 1;
        player_minutes = 0;
    }
    if (minutes > 59) {
        minutes = 0;
        hours += 1;
    }
    if (hours > 23) {
        has_been_paid = false;
        hours = 0;
    }
    // The next step stays on the 100 ms grid, so the clock counts every period exactly.
    Real_Time += 100 * (1 + d);
    if (game_mode == MODE_WALK) Calculate_Light();
}

void Timing_Line() {
    std::snprintf(counter[6].word, sizeof counter[6].word,
                  "Ai_cycle:%i^Draw_cycle:%i^Swap_cycle:%i^Peek_cycle:%i^Main_cycle:%i^TOTAL_CYCLE:%i^no_fx:%i^no_points:%i^draw_light_count:%i",
                  Ai_cycle, Draw_cycle, Swap_cycle, Peek_cycle, Main_cycle, Total_cycle, no_fx, no_points,
                  draw_light_count);
    if (!fps_counter) counter[6].word[0] = '\0';
    frame_stamp = Now() + 100;
}

bool Is_Gallery_Scene(int s) {
    static constexpr int gallery_scenes[] = {8, 21, 22, 23, 69, 70, 71, 73, 95, 96, 97, 98, 112, 113, 114, 115};
    for (int g : gallery_scenes)
        if (g == s) return true;
    return false;
}

void Camp_Screens() {
    auto due = [] { return game_mode == MODE_FRONT && !next_scene && episode == 1; };
    if (due() && scene == 7) Run_Shop(f_rate1, 0);
    if (due() && scene == 30) Run_Shop(f_rate1, 1);
    if (due() && scene == 25) Run_Tent(f_rate1);
    if (due() && scene == 52) Run_Stats(f_rate1);
    if (due() && scene == 31) Run_Tunnel(f_rate1);
    if (due() && Is_Gallery_Scene(scene)) Run_Gallery(f_rate1);
    if (due() && scene == 18) Run_Cards(f_rate1);
    if (due() && scene == 24) Run_Medals(f_rate1);
}

} // namespace

void Start_Loop_Stamps() {
    int now = Now();
    AI_Time = now;
    Swap_Time = now;
    Code_Time = now;
    Key_Time = now;
    Main_Time = now;
    frame_stamp = now + 1000;
    Real_Time = now + 100;
}

bool Loop_Pass() {
    platform::MSG msg;
    if (platform::PeekMessage(msg)) {
        Message_Pass(msg);
        return true;
    }
    Frame_Pass();
    return false;
}

void Frame_Pass() {
    // The length of the last pass.
    Total_cycle = Now() - Total_Start;
    Total_Start = Now();
    // The game clock.
    if (Now() > Real_Time) Game_Clock_Step();
    // The timing line, once a second.
    if (Now() > frame_stamp) Timing_Line();
    // Draw the scene.
    if (fade != 0 && double_main_code == 0 && Now() > AI_Time) {
        Draw_cycle = Now();
        DrawGLScene(false);
        Draw_cycle = Now() - Draw_cycle;
        AI_Time = Now() + 1;
    }
    // Show the drawn frame.
    if (fade != 0 && double_main_code == 1 && Now() > Swap_Time) {
        Swap_cycle = Now();
        platform::SwapBuffers();
        Swap_cycle = Now() - Swap_cycle;
        Swap_Time = Now() + 10;
        double_main_code = 0;
    }
    // The keyboard.
    if (Now() > Key_Time) {
        Key_Handler(keys, sprite, Now() - Key_Start);
        Key_Start = Now();
        Key_Time = Now() + 1;
    }
    // The unit AI, skipped after a pass that took 100 ms or more.
    if (Now() > Code_Time) {
        Ai_cycle = Now();
        if (!text_select && (!quit_active || game_mode == MODE_FRONT) && Now() - Code_Start <= 99)
            AI(Now() - Code_Start);
        Ai_cycle = Now() - Ai_cycle;
        Code_Start = Now();
        Code_Time = Now() + 1;
    }
    // A held left button: held once it has been down 600 ms.
    if (mouseleft) {
        if (mouse_held_state == 0) {
            mouse_held_state = 1;
            mouseheld_timer = Now() + 600;
        }
        if (on_selected_man != 2 && Now() > mouseheld_timer && mouse_held_state == 1) mouseheld = true;
    } else {
        mouseheld = false;
        ply_shooting = false;
        mouse_held_state = 0;
    }
    // The pointer.
    UpdateMouseCursor();
    // The main tick is timed from here...
    Main_cycle = Now();
    // The zoom: a little closer in walk scenes and in scene 3 of episode 0.
    if (game_mode == MODE_WALK || (episode == 0 && scene == 3))
        zoom_factor = org_zoom_factor + 0.1f;
    else
        zoom_factor = org_zoom_factor;
    // The main tick, at most once a millisecond.
    if (Now() > Main_Time) Main_Tick();
    // ...to here.
    Main_cycle = Now() - Main_cycle;
}

void Main_Tick() {
    // Seed the random numbers from the clock and take the length of the last tick.
    srand((unsigned)Now());
    f_rate1 = Now() - Main_Start;
    Main_Start = Now();
    Main_Time = Now() + 1;
    // The scene scripts and the boss fight, skipped after a tick of 100 ms or more.
    if (f_rate1 <= 99) Run_Scripts(f_rate1);
    if (f_rate1 <= 99) Run_Boss(f_rate1);
    // Quitting: stop the closing sound.
    if (done) Stop_End_Snd();
    // The red swipe of a hit ends when its time is up.
    if (red_swipe && Now() > red_timer) red_swipe = false;
    // Walk scenes: the message panel fades in or out.
    if (game_mode == MODE_WALK) Message_Panel_Alpha();
    // The message flash ends when its time is up.
    if (msg_fx && Now() > msg_fx_timer) {
        msg_fx = false;
        msg_fx_timer = 0;
    }
    // A weapon change under way.
    if (next_weapon != -1) Weapon_Switch_Upkeep(f_rate1);
    // The arrows flash every 250 ms.
    if (Now() > arrow_flash_timer) {
        arrow_flash = !arrow_flash;
        arrow_flash_timer = Now() + 250;
    }
    // Front end: the inventory is worked out again every 100 ms.
    if (game_mode == MODE_FRONT && Now() > inventory_timer) {
        Calculate_Inventory_Front();
        inventory_timer = Now() + 100;
    }
    // Walk scenes: the inventory every 100 ms, the bullet flash and the fireworks.
    if (game_mode == MODE_WALK) {
        if (Now() > inventory_timer) {
            Calculate_Inventory();
            inventory_timer = Now() + 100;
        }
        Calculate_Bullet_Flash();
        Do_Fireworks(fireworks);
    }
    // The camp's pages: shops, tent, stats, tunnel, gallery, cards and medals.
    Camp_Screens();
    // Walk scenes: the act's objectives (while the player is free), rain outside dungeons and
    // the target arrow (hidden when there is no target).
    if (game_mode == MODE_WALK) {
        if (!lock_player) Calculate_Act();
        if (!in_dungeon) Calculate_Rain(f_rate1);
        if (arrow_point != -1)
            Calculate_Target_Arrow();
        else if (hud)
            hud[56].alpha = 0;
    }
    // The tooltip backing, speech-bubble timeout, modal box and title-music volume.
    if (game_mode == MODE_WALK || game_mode == MODE_FRONT) Tooltip_Bubble_Modal();
    // Outside the front end the counter text is cleared.
    if (game_mode != MODE_FRONT) counter[0].word[0] = '\0';
    // The tooltip is placed and sized at the pointer.
    if (game_mode == MODE_WALK || game_mode == MODE_FRONT) Message_Limits();
    // Walk scenes: the ammunition count.
    if (game_mode == MODE_WALK) Ammo_Count_Upkeep();
    // Timers that run out: the menu, the dust, the shot and a pending quit.
    if (Now() > menu_counter && menu_active) menu_active = false;
    if (Now() > dust_timer && dusting && !ply_dead) {
        dust_timer = Now() + 75;
        dusting = false;
    }
    if (Now() > shoot_time && shooting && !ply_dead) shooting = false;
    if (Now() > quit_timer && quitting) {
        done = true;
        quitting = false;
        Stop_End_Snd();
    }
    // Animations step on.
    Animate();
    // HUD overlays: walk scenes, and front-end pages other than the cards and the shop.
    if (game_mode == MODE_WALK || (game_mode == MODE_FRONT && Level != LVL_CARDS_ && Level != LVL_SHOP_))
        Hud_Overlays();
    // A delayed scene change falls due.
    if (Now() > next_scene_delay && !next_scene && next_scene_delay != 0) next_scene = true;
    // Scene transitions.
    Run_Scene_Transition(f_rate1);
    // While the quit question is open nothing below runs.
    if (quit_active) return;
    // What the pointer does, except in the shooting gallery.
    if (!gallery_mode_active) Mouse_Code(f_rate1);
    // A new game: the chosen menu item blinks until the game starts.
    if (new_game) {
        if (Valid_Sprite(menu_item) && sprite[menu_item].type == 1 &&
            Now() > flash_timer) {
            flash_timer = Now() + 100;
            Set_Sprite(menu_item, sprite[menu_item].anim == 1 ? 0 : 1, 1, 0, false);
        }
        if (Now() > new_game_timer) {
            next_scene = true;
            new_game = false;
        }
    }
    // Front end, once the fade-in is over: the name field and the buttons.
    if (game_mode == MODE_FRONT && !next_scene && hud && hud[2].alpha == 0.0f) {
        menu_item = 99;
        Name_Field_Upkeep();
        Run_Front_Buttons();
    }
    // Countdowns, front-end messages, texts, effects and the camera shake.
    Run_Scene_Countdown();
    Run_Front_Messages(f_rate1);
    Run_Text_Upkeep();
    Run_Fx_Upkeep(f_rate1);
    Run_Shake_Upkeep();
    // Game scenes: music and sound requests.
    if (game_mode >= MODE_CINE && game_mode <= MODE_WORLD) {
        Run_Music();
        Run_Sound_Requests();
    }
    // The mouse wheel has been read.
    mousewheel = 0;
}

double Next_Step_Due() {
    // A step stamped s runs on the first pass with Now() > s, that is from s + 1 ms on.
    int first = Real_Time;
    auto consider = [&first](int stamp) {
        if (stamp < first) first = stamp;
    };
    consider(frame_stamp);
    if (fade != 0 && double_main_code == 0) consider(AI_Time);
    if (fade != 0 && double_main_code == 1) consider(Swap_Time);
    consider(Key_Time);
    consider(Code_Time);
    consider(Main_Time);
    if (mouseleft && mouse_held_state == 1 && on_selected_man != 2 && !mouseheld) consider(mouseheld_timer);
    return (double)first + 1.0;
}

void Run_Loop() {
    // Between timed steps a frame pass only repeats what the last one did, so the loop sleeps
    // until the next step instead of spinning; messages that arrive meanwhile are served
    // before that step runs.
    while (!done) {
        if (Loop_Pass() || done) continue;
        TimerWaitUntil(Next_Step_Due());
    }
}
