// Unit AI: one walking step of a unit (the AI step of a whole fight is in bench_fight.cpp).
#include <benchmark/benchmark.h>

#include <climits>
#include <cstring>

#include "combat/combat.h"
#include "combat/movement.h"
#include "combat/unit_ai.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "world/sprite_construction.h"

namespace {

void Fresh_Scene(int units) {
    Allocate_Records();
    platform::UseVirtualClock(true);
    TimerInit();
    platform::AdvanceVirtualClock(1000.5);
    MAP_WIDTH = MAP_HEIGHT = 150;
    MAP_TILES = 22500;
    map_startX = map_startY = 7.5f;
    std::memset(map_col, 0, sizeof(map_col));
    std::memset(tiles, 0, sizeof(tiles));
    game_mode = MODE_WALK;
    p1_id = -1;
    player_counter = 0;
    // Units on a grid, each walking back and forth along its row.
    for (int i = 0; i < units; ++i) {
        object& o = sprite[i];
        int col = 10 + (i % 20) * 6, row = 10 + (i / 20) * 6;
        o.type = UNT;
        o.sector = GUNNER;
        o.box_width = o.box_height = 0.05f;
        o.w = o.x = Cell_Centre_X(col) - 0.025f;
        o.z = o.y = Cell_Centre_Y(row) - 0.025f;
        o.score = 50;
        o.status = STATUS_WALK;
        o.moving = true;
        o.fire_target = -1;
        o.reached_node = -1;
        o.onDeath_action = -1;
        o.node_count = -1;
        o.all_timer = o.ai_timer = o.emy_shoot = o.spotted_timer = o.heal_timer = INT_MAX - 1000;
        o.mov_x = o.end_x = Cell_Centre_X(col + 5);
        o.mov_y = o.end_y = Cell_Centre_Y(row);
        player_list[player_counter++] = i;
    }
    no_sprites = units;
}

void BM_Moving_Code(benchmark::State& state) {
    Fresh_Scene(1);
    for (auto _ : state) {
        object& o = sprite[0];
        o.w = o.x = Cell_Centre_X(10) - 0.025f;
        Moving_Code(0, o.mov_x, o.mov_y, 16);
    }
    Free_Records();
}
BENCHMARK(BM_Moving_Code);

} // namespace
