// One call of the scene script routine: 129 guards tested, nearly all failing on the scene.
#include <benchmark/benchmark.h>

#include "common/game_state.h"
#include "main/startup.h"
#include "scripts/scripts.h"

namespace {

int bodies_run = 0;
void Empty_Body(int) { ++bodies_run; }

void BM_RunScripts(benchmark::State& state) {
    Allocate_Records();
    for (int n = 1; n <= SCRIPT_BLOCK_COUNT; ++n) Set_Script_Block(n, Empty_Body);
    game_mode = MODE_WALK;
    fade = 1.0f;
    next_scene = false;
    episode = 3;
    scene = (int)state.range(0);  // 9 has two blocks; 99 has none
    for (auto _ : state) Run_Scripts(16);
    benchmark::DoNotOptimize(bodies_run);
    for (int n = 1; n <= SCRIPT_BLOCK_COUNT; ++n) Set_Script_Block(n, nullptr);
    Free_Records();
}
BENCHMARK(BM_RunScripts)->Arg(9)->Arg(99);

}  // namespace
