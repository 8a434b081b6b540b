#include "platform/timer.h"

#include <cmath>
#include <cstring>

#include "platform/platform.h"

void TimerInit() {
    std::memset(&timer, 0, sizeof(timer));
    if (!platform::QueryPerformanceFrequency(timer.frequency) || timer.frequency <= 0) {
        timer.performance_timer = false;
        timer.mm_timer_start = platform::timeGetTime();
        timer.resolution = 0.001;
        timer.frequency = 1000;
        timer.mm_timer_elapsed = timer.mm_timer_start;
        return;
    }
    platform::QueryPerformanceCounter(timer.performance_timer_start);
    timer.performance_timer = true;
    timer.resolution = 1.0 / (double)timer.frequency;
    timer.performance_timer_elapsed = timer.performance_timer_start;
}

double TimerGetTime() {
    if (timer.performance_timer) {
        int64_t now = 0;
        platform::QueryPerformanceCounter(now);
        return (double)(now - timer.performance_timer_start) * 1000.0 / (double)timer.frequency;
    }
    return (double)(uint32_t)(platform::timeGetTime() - timer.mm_timer_start);
}

void TimerWaitUntil(double ms) {
    if (!timer.performance_timer) return; // the millisecond fallback: the loop keeps polling
    const double counts = std::ceil(ms * (double)timer.frequency / 1000.0);
    platform::WaitForCount(timer.performance_timer_start + (int64_t)counts);
}
