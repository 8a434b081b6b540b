// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "world/world_clock.h"

#include "common/call_trace.h"

void Calculate_Light() { Trace_Call("Calculate_Light"); }
void Calculate_Rain(int) { Trace_Call("Calculate_Rain"); }
void Turn_On_Lights() { Trace_Call("Turn_On_Lights"); }
void Sleep_Sprites() { Trace_Call("Sleep_Sprites"); }
