#include "support/virtual_clock.h"

#include "main/timer.h"
#include "platform/platform.h"

void Use_Test_Clock() {
    platform::UseVirtualClock(true);
    TimerInit();
}

void Advance_Ms(double ms) { platform::AdvanceVirtualClock(ms); }
