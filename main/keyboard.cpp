// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/keyboard.h"

#include "common/call_trace.h"

int Key_Handler(bool*, object*, int) { Trace_Call("Key_Handler"); return 1; }
