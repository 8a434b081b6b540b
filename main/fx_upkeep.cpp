// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/fx_upkeep.h"

#include "common/call_trace.h"

void Run_Fx_Upkeep(int) { Trace_Call("Run_Fx_Upkeep"); }
void Run_Shake_Upkeep() { Trace_Call("Run_Shake_Upkeep"); }
