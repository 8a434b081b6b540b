// Shared set-up of the input tests: fresh records, the virtual clock, recorded message boxes
// and calls, no key held, and an empty 150 by 150 walk map centred on the world origin with
// the player (a living unit, sprite 0) standing on cell (75, 75).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/mouse_code.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/world_services.h"

class InputTest : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        Allocate_Records();
        platform::UseVirtualClock(true);
        TimerInit();
        platform::SetRecordMessageBoxes(true, platform::IDYES);
        call_trace = &trace;
        std::memset(keys, 0, sizeof keys);
        MAP_WIDTH = MAP_HEIGHT = 150;
        MAP_TILES = 22500;
        map_startX = map_startY = 7.5f;
        std::memset(map_col, 0, sizeof map_col);
        for (int i = 0; i < 16; i++) player_inv[i] = player_inv_value2[i] = 0;
        current_weapon = next_weapon = -1;
        game_mode = MODE_WALK;
        mouse_stop = true;
        camX = camY = 0;
        Place_Unit(0, 75, 75);
        sprite[0].linked_sprite = 0;
        p1_id = 0;
        player_type = 0;
        sprite[0].status = 3;
        no_sprites = 1;
        new_no_sprites = 0;
        Advance(1);  // past every zero due time
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }

    // Advances the virtual clock.
    static void Advance(double ms) { platform::AdvanceVirtualClock(ms); }
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }

    static float CX(int col) { return Cell_Centre_X(col); }
    static float CY(int row) { return Cell_Centre_Y(row); }
    // A living unit of the default size whose collision box is centred on cell (col, row).
    static void Place_Unit(int i, int col, int row) {
        object& o = sprite[i];
        o.type = 46;
        o.score = 100;
        o.box_width = o.box_height = 0.05f;
        o.width = o.height = 0.1f;
        o.w = CX(col) - 0.025f;
        o.z = CY(row) - 0.025f;
        o.x = o.w - 0.025f;
        o.y = o.z;
        o.reached_node = -1;
        o.alpha = 1.0f;
        o.linked_sprite = 1; // the other side
        if (i >= no_sprites) no_sprites = i + 1;
    }
    static void Wall(int col, int row, char code = COL_SOLID) {
        int cell = Cell_Index(col, row);
        ASSERT_GE(cell, 0);
        map_col[cell] = code;
    }
    // Puts the pointer on world point (x, y) and works out its cell.
    static void Point_At(float x, float y) {
        mouseX = hud_mouseX = x;
        mouseY = hud_mouseY = y;
        Get_Mouse_Row();
    }
    static void Visible(std::initializer_list<int> ids) {
        new_no_sprites = 0;
        for (int id : ids) var5[new_no_sprites++] = id;
    }
    static float Centre_X(int i) { return sprite[i].w + sprite[i].box_width / 2; }
    static float Centre_Y(int i) { return sprite[i].z + sprite[i].box_height / 2; }
};
