// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/front_end.h"

#include "common/call_trace.h"

void Run_Front_Buttons() { Trace_Call("Run_Front_Buttons"); }
void Run_Front_Messages(int) { Trace_Call("Run_Front_Messages"); }
