// The game as a player plays it: the content generator's tree, a screen-sized hidden GL
// context and the real frame loop on the virtual clock, driven by window messages (keys,
// pointer moves, clicks held over several ticks). Shared by the end-to-end suites.
#pragma once

#include "test_scene_fixture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "combat/combat.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "content/camera_load.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/window.h"
#include "render/draw.h"
#include "support/generated_content.h"
#include "support/gl_context.h"

class PlayedGame : public SceneTest {
protected:
    static constexpr int kW = 1024, kH = 768;

    void SetUp() override {
        SceneTest::SetUp();
        audio::UseRecordingDouble(true);
        const std::string missing = Use_Generated_Content();
        ASSERT_EQ(missing, "");
        // The game draws for a 1024 x 768 window; the surface behind it is that size only when
        // screenshots are asked for (a small one keeps the long runs quick).
        Close_Test_GL_Context();
        gl_ = std::getenv("VARNOTH_SHOT_DIR") ? Test_GL_Context(kW, kH) : Test_GL_Context(64, 64);
        platform::SetWndProc(WndProc);
        sc_width = kW;
        sc_height = kH;
        InitGL();
        ReSizeGLScene(kW, kH);
    }

    // Loads scene e/s as a scene request does, the player made at `spawn` in walk scenes,
    // and runs until the fade-in ends.
    void Enter_Scene(int e, int s, int spawn = 0) {
        episode = e;
        scene = s;
        current_spawn = spawn;
        fade = 1.0f;
        ASSERT_TRUE(LoadScene(e, s, false)) << Box_Texts();
        Start_Loop_Stamps();
        Run_Until([] { return fade >= 1.0f; }, 3000);
    }
    // Enters the act-1 camp as a briefing does after a new game.
    void Enter_Camp(int spawn) {
        Init_Player();
        Start_Game();
        Enter_Scene(2, 0, spawn);
    }

    // Runs the loop 5 ms at a time (its passes take the waiting messages, then draw) until
    // ready() holds or ms have passed; false on time-out or when the game ended. ready() is
    // asked after every pass, so a scene request is seen before the pass that loads the scene.
    static bool Run_Until(const std::function<bool()>& ready, int ms) {
        for (int t = 0; t < ms; t += 5) {
            Advance_Ms(5);
            for (int k = 0; k < 3; ++k) {
                Loop_Pass();
                if (::done) return false;
                if (ready()) return true;
            }
        }
        return false;
    }
    static void Run(int ms) { Run_Until([] { return false; }, ms); }
    // Runs until scene e/s is on and fully faded in.
    static bool Settle_On(int e, int s, int ms) {
        return Run_Until([=] { return In(e, s) && fade >= 1.0f; }, ms);
    }

    static void Key(int vk, bool down) {
        platform::PostMessage(platform::MSG{down ? platform::WM_KEYDOWN : platform::WM_KEYUP, (uint64_t)vk, 0});
    }
    // A key pressed and held for a few frames, then let go.
    static void Tap(int vk) {
        Key(vk, true);
        Run(40);
        Key(vk, false);
        Run(10);
    }
    static void Pointer(int px, int py) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(px, py)});
    }
    // A click held over a few ticks: a button-up in the same tick would clear it.
    static void Click(int px, int py) {
        Pointer(px, py);
        Run(20);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, platform::MakeLParam(px, py)});
        Run(40);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, platform::MakeLParam(px, py)});
        Run(10);
    }
    // The window pixel of a world position (the view is drawn shifted by the camera).
    static int Pixel_X(float wx) { return (int)(((wx + camX) / zoom_factor + 1.0f) * sc_width / 2); }
    static int Pixel_Y(float wy) { return (int)((1.0f - (wy + camY) / (zoom_factor * sc_ratio)) * sc_height / 2); }
    // Moves the pointer to the middle of sprite i's box and clicks it.
    static void Click_Sprite(int i) {
        ASSERT_LT(i, no_sprites);
        const object& o = sprite[i];
        Click(Pixel_X(o.w + o.box_width / 2), Pixel_Y(o.z + o.box_height / 2));
    }
    // Window pixels, as a pointer message carries them, of a view position (the camera
    // left out) on a front page.
    static int64_t Pixels(float vx, float vy) {
        const int px = (int)((vx / zoom_factor + 1.0f) * sc_width / 2);
        const int py = (int)((1.0f - vy / (zoom_factor * sc_ratio)) * sc_height / 2);
        return platform::MakeLParam(px, py);
    }
    // A click on the middle of sprite i's box that stops early once the scene has asked for
    // another: the pointer rests `rest_ms`, the button is held `hold_ms`, and the loop runs
    // `after_ms` once it is let go. `during` runs on every tick of it.
    static void Click_Sprite_Until_Request(int i, int rest_ms, int hold_ms, int after_ms,
                                           const std::function<void()>& during = [] {}) {
        const int64_t at = platform::MakeLParam(Pixel_X(Box_X(i)), Pixel_Y(Box_Y(i)));
        auto run = [&](int ms) {
            Run_Until([&] {
                during();
                return next_scene;
            }, ms);
        };
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        run(rest_ms);
        if (next_scene) return;
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        run(hold_ms);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        if (!next_scene) run(after_ms);
    }
    // The pixel of a view position on a front page (the view is 2 x 1.5 units, y up).
    static int View_X(float x) { return (int)((x + 1.0f) / 2.0f * kW); }
    static int View_Y(float y) { return (int)((0.75f - y) / 1.5f * kH); }

    // The centre of an object's collision box.
    static float Box_X(int i) { return sprite[i].w + sprite[i].box_width / 2; }
    static float Box_Y(int i) { return sprite[i].z + sprite[i].box_height / 2; }
    static float PX() { return sprite[p1_id].w + sprite[p1_id].box_width / 2; }
    static float PY() { return sprite[p1_id].z + sprite[p1_id].box_height / 2; }
    // Puts the player's centre at (x, y), standing, with the view on him; then the loop runs
    // on `then_ms` (0: not at all).
    static void Place_Player(float x, float y, int then_ms = 0) {
        object& p = sprite[p1_id];
        const float dx = p.x - p.w, dy = p.y - p.z;
        p.w = x - p.box_width / 2;
        p.z = y - p.box_height / 2;
        p.x = p.w + dx;
        p.y = p.z + dy;
        p.mov_x = p.end_x = x;
        p.mov_y = p.end_y = y;
        p.moving = false;
        p.fire_target = -1;
        p.status = 3; // idle, with no path to follow
        p.node_counter = 0;
        p.reached_node = -1;
        p.update = true;
        Run_Camera(); // the view jumps to him as at a scene load (it only follows walking)
        if (then_ms > 0) Run(then_ms);
    }
    // Whether a scene is asked for: a request now, or a page's request for later.
    static bool Scene_Requested() { return next_scene || next_scene1 != -1; }
    // Runs the loop one pass at a time (5 ms each) until ready() holds or ms have passed;
    // false on time-out or when the game ended. Finer than Run_Until: a request is seen in
    // the pass that makes it, before the scene loads.
    static bool Run_Passes_Until(const std::function<bool()>& ready, int ms) {
        for (int t = 0; t < ms; t += 5) {
            Advance_Ms(5);
            Loop_Pass();
            if (::done) return false;
            if (ready()) return true;
        }
        return false;
    }
    static bool Run_Until_Request(int ms) { return Run_Passes_Until(Scene_Requested, ms); }
    static bool In(int e, int s) { return episode == e && scene == s && !next_scene; }
    // Whether the player was sent to spawn point `spawn`: asked for and not loaded yet, or
    // loaded and standing on it (the loader clears the request once it has placed him).
    static bool Sent_To_Spawn(int spawn) {
        if (current_spawn == spawn) return true;
        if (current_spawn != -1 || p1_id == -1 || spawn < 0 || spawn >= no_points) return false;
        return std::hypot(PX() - points[spawn].x, PY() - points[spawn].y) < 0.06f;
    }
    // Whether the generator wrote scene e/s (a test of a page not written yet skips).
    static bool Written(int e, int s) {
        return std::filesystem::exists("scene/episode" + std::to_string(e) + "/scene" + std::to_string(s) + ".dat");
    }

    // Boot to the menu, Start, the first save slot opened empty, a name typed: the intro's
    // first scene is on. `mouse_only` picks the second control scheme on the name page.
    void Start_New_Game(bool mouse_only, const char* name = "joe") {
        ASSERT_TRUE(gl_);
        Enter_Scene(10, 0);
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached: " << episode << "/" << scene;
        ASSERT_TRUE(Boxes().empty()) << Box_Texts();
        Click_Sprite(22); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached";
        Click_Sprite(3); // select the first slot
        ASSERT_EQ(file_selected, 3);
        Click_Sprite(3); // and open it: empty, so the name page
        ASSERT_TRUE(Settle_On(0, 5, 5000)) << "name page not reached";
        for (const char* c = name; *c; ++c) {
            const int vk = (*c >= 'a' && *c <= 'z') ? *c - 'a' + 'A' : *c;
            Tap(vk);
        }
        if (mouse_only) Click_Sprite(25);
        ASSERT_EQ(CONTROL_SCHEME, mouse_only);
        Click_Sprite(3); // Go!
        ASSERT_TRUE(Settle_On(1, 102, 5000)) << "intro not started: " << episode << "/" << scene;
        ASSERT_TRUE(Boxes().empty()) << Box_Texts();
    }
    // From a new game's intro on (skipped): the intro page, the sleep page, the camp page's
    // conversation, the briefing and the camp area at its spawn point.
    void New_Game_Into_The_Camp(bool mouse_only = false) {
        Start_New_Game(mouse_only);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Settle_On(1, 102, 5000));
        Run(300);
        Click_Sprite(2); // Skip^Intro
        ASSERT_TRUE(Settle_On(0, 4, 20000)) << "intro page not reached";
        ASSERT_TRUE(Settle_On(1, 57, 15000)) << "sleep page not reached";
        ASSERT_TRUE(Settle_On(1, 5, 15000)) << "camp page not reached";
        const int briefing = mouse_only ? 139 : 118;
        ASSERT_TRUE(Settle_On(1, briefing, 60000)) << "briefing not reached: " << episode << "/" << scene;
        Run(700); // the button is armed after 500 ms
        Click_Sprite(1);
        ASSERT_TRUE(Settle_On(2, 0, 10000)) << "camp area not reached: " << episode << "/" << scene;
        ASSERT_EQ(game_mode, MODE_WALK);
        ASSERT_NE(p1_id, -1);
        ASSERT_TRUE(Boxes().empty()) << Box_Texts();
    }

    // With VARNOTH_SHOT_DIR set, the frame as drawn goes to <dir>/<name>.tga.
    static void Shot(const std::string& name) {
        const char* dir = std::getenv("VARNOTH_SHOT_DIR");
        if (!dir) return;
        render_sequence = 0; // both drawing steps of one frame, then read before any swap
        DrawGLScene(false);
        DrawGLScene(false);
        glFinish();
        const std::vector<uint8_t> px = Read_Test_Pixels(0, 0, kW, kH);
        writers::Image img(kW, kH);
        for (int y = 0; y < kH; ++y) // the pixels come bottom row first, the image is top first
            for (int x = 0; x < kW; ++x) {
                const uint8_t* p = &px[((size_t)y * kW + x) * 4];
                img.at(x, kH - 1 - y) = writers::Rgba{p[0], p[1], p[2], 255};
            }
        writers::Write_TGA(std::string(dir) + "/" + name + ".tga", img);
    }

};

// Suites that walk through many pages (the same fixture: the surface is small unless
// screenshots are asked for).
using PlayedPages = PlayedGame;
