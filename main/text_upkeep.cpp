// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/text_upkeep.h"

#include "common/call_trace.h"

void Run_Scene_Countdown() { Trace_Call("Run_Scene_Countdown"); }
void Run_Text_Upkeep() { Trace_Call("Run_Text_Upkeep"); }
