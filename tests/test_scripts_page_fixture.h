// A front-end or walk page under test: the clock, the record arrays, a scene of 20 sprites,
// the mouse away from every button, and ticks of the script routine.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "scripts/script_frame.h"
#include "support/virtual_clock.h"

// A shown button at sprite id with its box at (1, 1)-(2, 1.5).
inline void Show_Button(int id) {
    sprite[id].alpha = 1.0f;
    sprite[id].w = 1.0f;
    sprite[id].z = 1.0f;
    sprite[id].box_width = 1.0f;
    sprite[id].box_height = 0.5f;
}
inline void Move_Mouse(float x, float y) {
    mouseX = x;
    mouseY = y;
}

class Script_Page : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(1000);
        Allocate_Records();
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
        no_sprites = 20;
        game_mode = MODE_FRONT;
        fade = 1.0f;
        next_scene = false;
        mouseleft = false;
        Mouse(-100.0f, -100.0f);
        title_sequence = 0;
        title_timer = 0;
        button_snd = false;
        radio_sfx = false;
        fade_out = c_fade_out = 0;
        current_spawn = -1;
        counter[5].word[0] = 0;
    }
    void TearDown() override {
        Free_Records();
        platform::ClearRecordedMessageBoxes();
    }

    // The scene the routine finds (its loader call still to come).
    static void Enter(int e, int s) {
        episode = e;
        scene = s;
        next_scene = false;
        title_sequence = 0;
    }
    static void Button(int id) { Show_Button(id); }
    static void Mouse(float x, float y) { Move_Mouse(x, y); }
    static void Click_On_Button() {
        Mouse(1.5f, 1.25f);
        mouseleft = true;
    }
    // One main tick of ms milliseconds: the clock moves, then the routine runs with that step.
    static void Tick(int ms) {
        Advance_Ms(ms);
        Run_Scripts(ms);
    }
    // Ticks of ms until a scene is requested or `limit` ms have passed; the time it took.
    static int Ticks_Until_Request(int ms, int limit) {
        int t = 0;
        while (!next_scene && t < limit) {
            Tick(ms);
            t += ms;
        }
        return t;
    }
};
