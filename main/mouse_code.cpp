// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/mouse_code.h"

#include "common/call_trace.h"

void Mouse_Code(int) { Trace_Call("Mouse_Code"); }
