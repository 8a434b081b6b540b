// Inventory: the derived-state rebuild that runs on every main tick in walk mode with a
// weapon in hand, and one pickup into a full set of stacks.
#include <benchmark/benchmark.h>

#include <cstring>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

void Full_Inventory() {
    Allocate_Records();
    platform::UseVirtualClock(true);
    TimerInit();
    game_mode = MODE_WALK;
    episode = 2;
    p1_id = 0;
    const int codes[16] = {6, 7, 10, 13, 33, 34, 2, 29, 38, 39, 36, 41, 1, 15, 18, 31};
    const int values[16] = {0, 0, 2, 80, 1, 1, 40, 6, 0, 0, 60, 150, 5000, 2, 3, 29};
    for (int i = 0; i < 16; ++i) {
        player_inv[i] = codes[i];
        player_inv_value[i] = values[i];
        player_inv_value1[i] = 12345;
        player_inv_value2[i] = 5;
    }
    current_weapon = 1;
    current_helmet = 13;
    current_boot = 14;
}

void BM_CalculateInventory(benchmark::State& state) {
    Full_Inventory();
    for (auto _ : state) {
        Calculate_Inventory();
        benchmark::DoNotOptimize(ply_ammo);
    }
    Free_Records();
}
BENCHMARK(BM_CalculateInventory);

void BM_BulletFlashTick(benchmark::State& state) {
    Full_Inventory();
    for (auto _ : state) {
        Calculate_Bullet_Flash();
        benchmark::DoNotOptimize(bullet_alpha);
    }
    Free_Records();
}
BENCHMARK(BM_BulletFlashTick);

void BM_PickupIntoStacks(benchmark::State& state) {
    Full_Inventory();
    for (auto _ : state) {
        player_inv_value[6] = 40;
        benchmark::DoNotOptimize(Calculate_Item(5, 2, -1, 0, 0));
    }
    Free_Records();
}
BENCHMARK(BM_PickupIntoStacks);

} // namespace
