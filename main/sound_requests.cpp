// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/sound_requests.h"

#include "common/call_trace.h"

void Run_Sound_Requests() { Trace_Call("Run_Sound_Requests"); }
