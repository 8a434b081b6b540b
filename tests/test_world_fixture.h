// Shared set-up of the world tests: fresh records, a virtual clock at 0 and an empty
// 150 by 150 walk map centred on the world origin.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        platform::UseVirtualClock(true);
        TimerInit();
        MAP_WIDTH = MAP_HEIGHT = 150;
        MAP_TILES = 22500;
        map_startX = map_startY = 7.5f;
        std::memset(map_col, 0, sizeof(map_col));
        std::memset(tiles, 0, sizeof(tiles));
        std::memset(map_set, 0, sizeof(map_set));
        game_mode = MODE_WALK;
        p1_id = -1;
    }
    void TearDown() override { Free_Records(); }

    // Sheet 0 with `count` animations of three steps each, the frame numbers unique per step
    // (wrapping at 150), and every frame shown for 100 ms.
    static void Three_Step_Sheet(int count) {
        animation_texture& t = a_texture[0];
        for (int a = 0; a < count; ++a) {
            t.anim_frames[a] = 3;
            for (int k = 0; k < 3; ++k) t.anims[a][k] = (a * 3 + k) % 150;
        }
        for (int f = 0; f < 150; ++f) t.delay[f] = 100;
    }

    // World centre of cell (col, row).
    static float CX(int col) { return Cell_Centre_X(col); }
    static float CY(int row) { return Cell_Centre_Y(row); }
    static void Wall(int col, int row, char code = COL_SOLID) {
        int cell = Cell_Index(col, row);
        ASSERT_GE(cell, 0) << "fixture wall off the map";
        map_col[cell] = code;
    }
    // The tile and collision code of cell (col, row), for a fixture to set; the cell must be on the map.
    static int& Tile_At(int col, int row) {
        static int off_map_tile = 0;
        int cell = Cell_Index(col, row);
        EXPECT_GE(cell, 0) << "fixture cell off the map";
        return cell >= 0 ? tiles[cell] : off_map_tile;
    }
    static char& Col_At(int col, int row) {
        static char off_map_col = 0;
        int cell = Cell_Index(col, row);
        EXPECT_GE(cell, 0) << "fixture cell off the map";
        return cell >= 0 ? map_col[cell] : off_map_col;
    }
    static char Col(int col, int row) {
        int cell = Cell_Index(col, row);
        return cell >= 0 ? map_col[cell] : (char)-1;
    }

    // A unit of the default size whose collision box is centred on cell (col, row).
    static void Place_Unit(int i, int col, int row) {
        object& o = sprite[i];
        o.type = 46;
        o.box_width = o.box_height = 0.05f;
        o.w = CX(col) - 0.025f;
        o.z = CY(row) - 0.025f;
        o.x = o.w;
        o.y = o.z;
        if (i >= no_sprites) no_sprites = i + 1;
    }
};
