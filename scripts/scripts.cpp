#include "common/call_trace.h"
#include "scripts/scripts.h"

// The scene blocks are added scene by scene.
void Run_Scripts(int) { Trace_Call("Run_Scripts"); }
