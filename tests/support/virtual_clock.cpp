#include "support/virtual_clock.h"

#include "platform/platform.h"
#include "platform/timer.h"

void Use_Test_Clock() {
    platform::UseVirtualClock(true);
    TimerInit();
}

void Advance_Ms(double ms) { platform::AdvanceVirtualClock(ms); }
