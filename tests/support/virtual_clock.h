// The game's clock under test control.
//
// Use_Test_Clock() switches the platform to its virtual clock (starting at 0) and starts the
// game's timer on it (TimerInit), so TimerGetTime() and Now() read 0 until the test moves
// the clock. Advance_Ms(ms) moves it forward by ms milliseconds (kept in whole
// microseconds; negative steps are ignored).
#pragma once

void Use_Test_Clock();
void Advance_Ms(double ms);
