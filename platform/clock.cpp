// The clock source behind the game's millisecond timer: the system's monotonic clock, or a
// virtual clock that only moves when told to (tests). The virtual clock counts whole
// microseconds in a 64-bit integer, so repeated steps add up exactly.
#include "platform/platform.h"
#include "common/fresh_state.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>

namespace platform {
namespace {

bool virtual_clock = false;
int64_t virtual_us = 0;
KEEP_FRESH(virtual_clock, virtual_us);

int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

bool QueryPerformanceFrequency(int64_t& frequency) {
    frequency = virtual_clock ? 1000000 : 1000000000;
    return true;
}

bool QueryPerformanceCounter(int64_t& count) {
    count = virtual_clock ? virtual_us : SteadyNanoseconds();
    return true;
}

uint32_t timeGetTime() {
    if (virtual_clock) return (uint32_t)(virtual_us / 1000);
    return (uint32_t)(SteadyNanoseconds() / 1000000);
}

void UseVirtualClock(bool on) {
    virtual_clock = on;
    virtual_us = 0;
}

// Steps are rounded to the nearest microsecond; the clock never goes back.
void AdvanceVirtualClock(double ms) {
    if (!(ms > 0)) return;
    virtual_us += (int64_t)std::llround(ms * 1000.0);
}

double VirtualClockMs() { return (double)virtual_us / 1000.0; }

void WaitForCount(int64_t count) {
    if (virtual_clock) return;
    // The kernel wakes a sleeper up to some tens of microseconds late; the last stretch is
    // watched instead.
    constexpr int64_t watched_ns = 200000;
    const int64_t wake = count - watched_ns;
    if (SteadyNanoseconds() < wake) {
        timespec ts{};
        ts.tv_sec = (time_t)(wake / 1000000000);
        ts.tv_nsec = (long)(wake % 1000000000);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
        }
    }
    while (SteadyNanoseconds() < count) {
    }
}

} // namespace platform
