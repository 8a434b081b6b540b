// The loop between steps, on the real clock, with nothing drawn: how late each main tick
// starts after it falls due (mean and worst, in microseconds) and how much of a core the
// loop takes, over two seconds. Arg 0 polls without a pause between passes; arg 1 waits
// for the next step as the game's loop does.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>

#include "common/game_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

double Cpu_Seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (double)u.ru_utime.tv_sec + (double)u.ru_stime.tv_sec + 1e-6 * (double)(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

void BM_Loop_StepLateness(benchmark::State& state) {
    const bool wait = state.range(0) != 0;
    platform::UseVirtualClock(false);
    platform::SetRecordMessageBoxes(true);
    TimerInit();
    Allocate_Records();
    game_mode = MODE_WALK;
    episode = 99;
    scene = 99;
    fade = 0; // nothing is drawn
    double late_sum = 0, late_worst = 0, cpu = 0, wall = 0;
    long ticks = 0;
    for (auto _ : state) {
        Start_Loop_Stamps();
        const double start = TimerGetTime(), cpu_start = Cpu_Seconds();
        while (TimerGetTime() < start + 2000.0) {
            const int stamp = Main_Time;
            const double t = TimerGetTime();
            Frame_Pass();
            if (Main_Time != stamp) {
                const double late_us = (t - (stamp + 1.0)) * 1000.0;
                late_sum += late_us;
                late_worst = std::max(late_worst, late_us);
                ticks++;
            }
            if (wait) TimerWaitUntil(Next_Step_Due());
        }
        cpu += Cpu_Seconds() - cpu_start;
        wall += (TimerGetTime() - start) / 1000.0;
    }
    state.counters["late_mean_us"] = ticks ? late_sum / (double)ticks : 0.0;
    state.counters["late_worst_us"] = late_worst;
    state.counters["ticks_per_s"] = wall > 0 ? (double)ticks / wall : 0.0;
    state.counters["cpu_pct"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    Free_Records();
    platform::UseVirtualClock(true);
}
BENCHMARK(BM_Loop_StepLateness)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
