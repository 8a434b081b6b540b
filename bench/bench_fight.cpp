// The fight scene (tests/support/fight_scene.h) under the real loader and frame loop: 300
// armed units of both sides around the player on a 150 by 150 map with broken walls.
//
//   BM_Fight_FramePass   five seconds of game time, a frame pass every millisecond of the
//                        virtual clock, drawing calls going nowhere (no current GL context):
//                        the AI step and the main tick. Counters: mean and worst single pass
//                        (us of wall time), worst pass in CPU time of the thread (what the
//                        pass costs when the machine is busy with other work), passes over
//                        1 ms of wall time, units still standing at the end, and the worst
//                        pass that stays in the scene (a pass that loads another scene is
//                        not held to the 1 ms step).
//   BM_Fight_LoadScene   loading the fight scene (textures, map, 306 objects, the player).
//   BM_Fight_Frame_*     one whole frame (both drawing passes) of the fight at 1024 x 768 on
//                        the headless context, after a second of fighting; Steady refreshes
//                        the lists every 50 ms and the tile map every 400 ms as in play,
//                        AllRebuilds rebuilds them every frame.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>

#include "main/frame_loop.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "process_cpu.h"
#include "render/draw.h"
#include "support/fight_scene.h"

namespace {

// CPU time of this thread: unlike wall time, not stretched while other programs hold the core.
double Thread_Cpu_Us() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return (double)ts.tv_sec * 1e6 + (double)ts.tv_nsec / 1e3;
}

constexpr int W = 1024, H = 768;

bool Fight_Context() {
    if (platform::HasGLContext()) return platform::MakeCurrent(true);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (!platform::VideoInit()) return false;
    if (!platform::CreateGameWindow("Varnoth", 0, 0, W, H, false)) return false;
    if (!platform::CreateGLContext(32) || !platform::MakeCurrent(true)) return false;
    ReSizeGLScene(W, H);
    InitGL();
    return true;
}

// A temporary folder holding the fight scene, entered for the benchmark's life.
class Fight_Dir {
public:
    Fight_Dir() {
        char tmpl[] = "/tmp/varnoth_bench_fight_XXXXXX";
        if (mkdtemp(tmpl)) dir_ = tmpl;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        platform::SetRecordMessageBoxes(true);
        platform::UseVirtualClock(true);
        TimerInit();
        Allocate_Records();
        written_ = fight_scene::Write_Fight_Scene();
        platform::AdvanceVirtualClock(1000);
    }
    ~Fight_Dir() {
        Free_Records();
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    bool written() const { return written_; }

private:
    std::filesystem::path dir_, old_;
    bool written_ = false;
};

bool Start_Fight(benchmark::State& state) {
    if (!Fight_Context()) {
        state.SkipWithError("no GL context");
        return false;
    }
    if (!fight_scene::Load_Fight_Scene()) {
        state.SkipWithError("the fight scene did not load");
        return false;
    }
    Start_Loop_Stamps();
    return true;
}

void BM_Fight_FramePass(benchmark::State& state) {
    Fight_Dir dir;
    if (!dir.written()) return state.SkipWithError("the fight scene was not written");
    constexpr int PASSES = 5000;
    double total_us = 0, worst_us = 0, worst_cpu_us = 0, worst_in_scene_us = 0;
    long passes = 0, over_1ms = 0;
    int standing = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!Start_Fight(state)) return;
        platform::MakeCurrent(false);
        state.ResumeTiming();
        for (int p = 0; p < PASSES; ++p) {
            platform::AdvanceVirtualClock(1);
            const int episode0 = episode, scene0 = scene;
            const double cpu0 = Thread_Cpu_Us();
            auto t0 = std::chrono::steady_clock::now();
            Frame_Pass();
            double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
            total_us += us;
            worst_us = std::max(worst_us, us);
            worst_cpu_us = std::max(worst_cpu_us, Thread_Cpu_Us() - cpu0);
            if (episode == episode0 && scene == scene0) worst_in_scene_us = std::max(worst_in_scene_us, us);
            if (us > 1000.0) over_1ms++;
            passes++;
        }
        state.PauseTiming();
        standing = fight_scene::Standing_Units();
        state.ResumeTiming();
    }
    state.counters["mean_us"] = passes ? total_us / (double)passes : 0.0;
    state.counters["worst_us"] = worst_us;
    state.counters["worst_cpu_us"] = worst_cpu_us;
    state.counters["worst_in_scene_us"] = worst_in_scene_us;
    state.counters["over_1ms"] = (double)over_1ms;
    state.counters["standing"] = standing;
}
BENCHMARK(BM_Fight_FramePass)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Fight_LoadScene(benchmark::State& state) {
    Fight_Dir dir;
    if (!dir.written()) return state.SkipWithError("the fight scene was not written");
    if (!Start_Fight(state)) return;
    for (auto _ : state) benchmark::DoNotOptimize(fight_scene::Load_Fight_Scene());
    state.counters["objects"] = no_sprites;
    state.counters["player"] = p1_id != -1 ? 1 : 0;
}
BENCHMARK(BM_Fight_LoadScene)->Unit(benchmark::kMillisecond);

void Fight_Frame(benchmark::State& state, double ms_per_frame) {
    Fight_Dir dir;
    if (!dir.written()) return state.SkipWithError("the fight scene was not written");
    if (!Start_Fight(state)) return;
    glViewport(0, 0, W, H);
    for (int p = 0; p < 1000; ++p) fight_scene::Fight_Pass();
    const double cpu0 = Process_Cpu_Ms();
    long frames = 0;
    for (auto _ : state) {
        DrawGLScene(false);
        DrawGLScene(false);
        glFinish();
        platform::AdvanceVirtualClock(ms_per_frame);
        frames++;
    }
    state.counters["visible"] = new_no_sprites;
    state.counters["cpu_ms"] = frames ? (Process_Cpu_Ms() - cpu0) / (double)frames : 0.0;
    if (BGList != 0) glDeleteLists(BGList, 1);
    BGList = 0;
}
void BM_Fight_Frame_Steady(benchmark::State& state) { Fight_Frame(state, 16.0); }
void BM_Fight_Frame_AllRebuilds(benchmark::State& state) { Fight_Frame(state, 401.0); }
BENCHMARK(BM_Fight_Frame_Steady)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fight_Frame_AllRebuilds)->Unit(benchmark::kMillisecond);

} // namespace
