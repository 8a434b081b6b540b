// The one millisecond clock of the game.
#pragma once

#include <cstdint>

struct timer_record {
    int64_t frequency;                // counts per second; 1000 in the fallback
    double resolution;                // seconds per count
    uint32_t mm_timer_start;          // fallback clock reading at start
    uint32_t mm_timer_elapsed;
    bool performance_timer;           // the high-resolution counter is in use
    int64_t performance_timer_start;
    int64_t performance_timer_elapsed;
};

inline timer_record timer;

void TimerInit();
// Milliseconds since TimerInit. Kept in double precision so long runs keep whole milliseconds.
double TimerGetTime();
// Waits until TimerGetTime() reads `ms` or more (at once on the virtual clock).
void TimerWaitUntil(double ms);
// Now as the game compares stamps: TimerGetTime truncated toward zero.
inline int Now() { return (int)TimerGetTime(); }
