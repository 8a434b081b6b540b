// World model: the path finder on 150 by 150 mazes and the animation step over every record.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/animate.h"
#include "world/pathfinder.h"

namespace {

void Fresh_World() {
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
}

// A field of 700 short wall segments, horizontal and vertical, over the whole map (fixed seed).
void Build_Field() {
    std::srand(12345);
    for (int k = 0; k < 700; ++k) {
        int c = std::rand() % 146, r = std::rand() % 146;
        bool horizontal = std::rand() % 2;
        int len = 2 + std::rand() % 6;
        for (int j = 0; j < len; ++j) {
            int cc = horizontal ? c + j : c, rr = horizontal ? r : r + j;
            if (cc < 150 && rr < 150) map_col[rr * 150 + cc] = COL_SOLID;
        }
    }
}

// Corridors: walls every 6 rows with 5 gaps each, and walls every 6 columns between them with
// random gaps (fixed seed). Routes are long and winding: the walk spends its whole budget.
void Build_Corridors() {
    std::srand(12345);
    for (int r = 0; r < 150; r += 6)
        for (int c = 0; c < 150; ++c)
            if (c % 30 != (r / 6 * 7) % 30) map_col[r * 150 + c] = COL_SOLID;
    for (int c = 3; c < 150; c += 6)
        for (int r = 0; r < 150; ++r)
            if (r % 6 != 0 && std::rand() % 3 != 0) map_col[r * 150 + c] = COL_SOLID;
}

void Place(int i, int col, int row) {
    object& o = sprite[i];
    o.type = 46;
    o.box_width = o.box_height = 0.05f;
    o.w = Cell_Centre_X(col) - 0.025f;
    o.z = Cell_Centre_Y(row) - 0.025f;
    map_col[row * 150 + col] = COL_FOOTPRINT;
}

void Run_Find_Path(benchmark::State& state, void (*build)(), int unit, int from_col, int from_row,
                   int to_col, int to_row) {
    Fresh_World();
    build();
    map_col[from_row * 150 + from_col] = COL_FREE;
    map_col[to_row * 150 + to_col] = COL_FREE;
    Place(0, unit == 0 ? from_col : 1, unit == 0 ? from_row : 1);
    p1_id = 0;
    if (unit != 0) Place(unit, from_col, from_row);
    int found = 0;
    for (auto _ : state) {
        object& u = sprite[unit];
        u.col_timer = 0;
        u.end_x = Cell_Centre_X(to_col);
        u.end_y = Cell_Centre_Y(to_row);
        found += Find_Path(unit) ? 1 : 0;
        benchmark::DoNotOptimize(u.node_list[0]);
    }
    state.counters["found"] = (double)found / (double)state.iterations();
    state.counters["waypoints"] = sprite[unit].node_count;
    Free_Records();
}

// A unit in the middle of the field planning toward a goal 24 cells away on both axes.
void BM_FindPath_Field(benchmark::State& state) { Run_Find_Path(state, Build_Field, 3, 74, 74, 98, 98); }
BENCHMARK(BM_FindPath_Field);

// The player (a smaller window) in the field.
void BM_FindPath_FieldPlayer(benchmark::State& state) { Run_Find_Path(state, Build_Field, 0, 74, 74, 86, 86); }
BENCHMARK(BM_FindPath_FieldPlayer);

// Across the whole map: the goal lies far outside the search window.
void BM_FindPath_FieldAcross(benchmark::State& state) { Run_Find_Path(state, Build_Field, 3, 2, 74, 147, 74); }
BENCHMARK(BM_FindPath_FieldAcross);

// Winding corridors: no route within the walk's budget.
void BM_FindPath_Corridors(benchmark::State& state) { Run_Find_Path(state, Build_Corridors, 3, 74, 74, 94, 80); }
BENCHMARK(BM_FindPath_Corridors);

// A goal in a closed room: the walk exhausts its junctions.
void BM_FindPath_ClosedRoom(benchmark::State& state) {
    Fresh_World();
    for (int c = 80; c <= 90; ++c) { map_col[70 * 150 + c] = COL_SOLID; map_col[80 * 150 + c] = COL_SOLID; }
    for (int r = 70; r <= 80; ++r) { map_col[r * 150 + 80] = COL_SOLID; map_col[r * 150 + 90] = COL_SOLID; }
    Place(0, 1, 1);
    p1_id = 0;
    Place(3, 70, 75);
    for (auto _ : state) {
        sprite[3].col_timer = 0;
        sprite[3].end_x = Cell_Centre_X(85);
        sprite[3].end_y = Cell_Centre_Y(75);
        benchmark::DoNotOptimize(Find_Path(3));
    }
    Free_Records();
}
BENCHMARK(BM_FindPath_ClosedRoom);

// A serpentine maze: a band 26 cells wide of corridors 2 cells tall, between walls of 24 cells
// joined to the band's sides in turn (so each wall leaves a way round at its other end),
// stacked over the whole map. Each call plans from one corridor to the corridor eight walls
// up or down, 24 rows away: the way winds through every corridor between. 16 such pairs,
// taken in turn; the worst single call is reported besides the mean.
constexpr int SERPENTINE_LEFT = 60, SERPENTINE_RIGHT = 85; // the band's first and last column

void Build_Serpentine() {
    for (int r = 0; r < 150; ++r) {
        map_col[r * 150 + SERPENTINE_LEFT - 1] = COL_SOLID;
        map_col[r * 150 + SERPENTINE_RIGHT + 1] = COL_SOLID;
    }
    for (int r = 2; r < 150; r += 3) {
        const bool from_left = (r / 3) % 2 == 0;
        for (int k = 0; k < 24; ++k) map_col[r * 150 + (from_left ? SERPENTINE_LEFT + k : SERPENTINE_RIGHT - k)] = COL_SOLID;
    }
}

void BM_FindPath_Serpentine(benchmark::State& state) {
    Fresh_World();
    Build_Serpentine();
    Place(0, 0, 0);
    p1_id = 0;
    struct Pair { int c0, r0, c1, r1; };
    std::vector<Pair> pairs;
    for (int k = 0; k < 8; ++k) {
        const int row = 40 + 9 * k;
        const int c = SERPENTINE_LEFT + 3 + 3 * k;
        pairs.push_back({c, row, c + 2, row + 24});
        pairs.push_back({c + 1, row + 24, c, row});
    }
    const int unit = 3;
    sprite[unit].type = 46;
    sprite[unit].box_width = sprite[unit].box_height = 0.05f;
    size_t next = 0;
    int found = 0;
    double worst_us = 0;
    for (auto _ : state) {
        const Pair& p = pairs[next++ % pairs.size()];
        object& u = sprite[unit];
        u.w = Cell_Centre_X(p.c0) - 0.025f;
        u.z = Cell_Centre_Y(p.r0) - 0.025f;
        const int start = p.r0 * 150 + p.c0;
        const char start_code = map_col[start];
        u.col_timer = 0;
        u.end_x = Cell_Centre_X(p.c1);
        u.end_y = Cell_Centre_Y(p.r1);
        auto t0 = std::chrono::steady_clock::now();
        found += Find_Path(unit) ? 1 : 0;
        worst_us = std::max(worst_us, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        map_col[start] = start_code;
        benchmark::DoNotOptimize(u.node_list[0]);
    }
    state.counters["found"] = (double)found / (double)state.iterations();
    state.counters["waypoints"] = sprite[unit].node_count;
    state.counters["worst_us"] = worst_us;
    Free_Records();
}
BENCHMARK(BM_FindPath_Serpentine)->Unit(benchmark::kMicrosecond);

// Every record of the three arrays animating (750 visible sprites, 75 HUD items, 250 effects),
// each due on every pass.
void BM_Animate_AllRecords(benchmark::State& state) {
    Fresh_World();
    texture_fx[1] = 2;
    animation_fx[1] = 0;
    animation_texture& t = a_texture[0];
    t.anim_frames[0] = 8;
    for (int k = 0; k < 8; ++k) { t.anims[0][k] = k; t.delay[k] = 0; }
    animate_sprites = true;
    quit_active = false;
    auto setup = [](object* arr, int n, int array) {
        for (int i = 0; i < n; ++i) {
            arr[i].id = 1;
            arr[i].fx_id = 0;
            arr[i].anim = -2;
            Set_Sprite(i, 0, ANIM_LOOP, array, true);
        }
    };
    setup(sprite, MAX_SPRITES, ANIM_ARRAY_SPRITE);
    setup(hud, MAX_HUD, ANIM_ARRAY_HUD);
    setup(Fx, MAX_FX, ANIM_ARRAY_FX);
    no_sprites = MAX_SPRITES;
    hud_no_sprites = MAX_HUD;
    no_fx = MAX_FX;
    new_no_sprites = MAX_SPRITES;
    for (int i = 0; i < MAX_SPRITES; ++i) var5[i] = i;
    for (auto _ : state) {
        platform::AdvanceVirtualClock(1);
        Animate();
        benchmark::DoNotOptimize(sprite[749].cur);
    }
    state.counters["records"] = MAX_SPRITES + MAX_HUD + MAX_FX;
    Free_Records();
}
BENCHMARK(BM_Animate_AllRecords);

} // namespace
