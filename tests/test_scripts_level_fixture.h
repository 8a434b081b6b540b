// A walk scene ready for the level events: records allocated, the story state cleared, the
// virtual clock at 1000 ms, a player at sprite 1 and the speech and blast calls counted.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "combat/medals.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "scripts/level_events.h"
#include "scripts/level_helpers.h"
#include "scripts/script_frame.h"
#include "support/virtual_clock.h"
#include "world/world_clock.h"

class LevelScene : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(1000);
        Allocate_Records();
        no_sprites = 400;
        no_points = 60;
        for (int k = 0; k < no_points; ++k) points[k] = {};
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_medals, 0, sizeof global_medals);
        std::memset(global_objective, 0, sizeof global_objective);
        current_main = 0;
        current_act = 1;
        game_mode = MODE_WALK;
        fade = 1.0f;
        next_scene = false;
        title_sequence = 0;
        title_timer = 0;
        arrow_point = -1;
        lock_player = false;
        ply_dead = false;
        quit_active = false;
        old_message = -1;
        dialog_timer = 0;
        exploding_id = -1;
        exploding_count = 0;
        exploding_type = 0;
        speak_txt = false;
        speak_timer = 0;
        daytime = false;
        fireworks = -1;
        enemy_count = 0;
        map_stat = false;
        falling_in_hole = false;
        trigger_counter = 0;
        p1_id = 1;
        sprite[1].type = PLY;
        sprite[1].score = 100;
        call_trace = &trace;
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }

    void Enter(int e, int s) {
        episode = e;
        scene = s;
    }
    // One tick of the routine, then the clock moves on by ms.
    void Tick(double ms = 0) {
        Run_Scripts(16);
        if (ms > 0) Advance_Ms(ms);
    }
    int Calls(const char* name) const { return (int)std::count(trace.begin(), trace.end(), name); }
    bool Marked(int k) const { return points[k].active; }
    bool Posing() const { return sprite[p1_id].status == STATUS_CHEER && lock_player; }
};
