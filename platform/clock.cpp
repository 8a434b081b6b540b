// The clock source behind the game's millisecond timer: the system's monotonic clock, or a
// virtual clock that only moves when told to (tests). The virtual clock counts whole
// microseconds in a 64-bit integer, so repeated steps add up exactly.
#include "platform/platform.h"
#include "common/fresh_state.h"

#include <chrono>
#include <cmath>

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

} // namespace platform
