// One frame pass of the loop: the timed steps and the main tick, with a 1 ms clock step.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/game_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "main/timer.h"
#include "main/window.h"
#include "platform/platform.h"

namespace {

void BM_FramePass(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    platform::UseVirtualClock(true);
    TimerInit();
    Allocate_Records();
    bool gl = platform::VideoInit() && platform::CreateGameWindow("Varnoth", 0, 0, 1024, 768, false) &&
              platform::CreateGLContext(32) && platform::MakeCurrent(true);
    if (gl) {
        ReSizeGLScene(1024, 768);
        InitGL();
    }
    fade = 1;
    game_mode = (int)state.range(0);
    fullscreen = false;
    Start_Loop_Stamps();
    for (auto _ : state) {
        platform::AdvanceVirtualClock(1);
        Frame_Pass();
    }
    state.SetLabel(gl ? "headless GL" : "no GL context");
    platform::DeleteGLContext();
    platform::DestroyGameWindow();
    Free_Records();
}
BENCHMARK(BM_FramePass)->Arg(MODE_FRONT)->Arg(MODE_WALK)->Unit(benchmark::kMicrosecond);

} // namespace
