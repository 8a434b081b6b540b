// Until this step is built it keeps an empty body; it records its calls for the loop tests.
#include "main/music.h"

#include "main/sound_bank.h"

#include "common/call_trace.h"

void Run_Music() { Trace_Call("Run_Music"); }
void Stop_End_Snd() { end_snd.stop(); }
