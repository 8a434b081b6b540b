#include "common/call_trace.h"
#include "camp/camp.h"

// The camp screens are added screen by screen.
void Run_Shop(int, int) { Trace_Call("Run_Shop"); }
void Run_Tent(int) { Trace_Call("Run_Tent"); }
void Run_Stats(int) { Trace_Call("Run_Stats"); }
void Run_Tunnel(int) { Trace_Call("Run_Tunnel"); }
void Run_Gallery(int) { Trace_Call("Run_Gallery"); }
void Run_Cards(int) { Trace_Call("Run_Cards"); }
void Run_Medals(int) { Trace_Call("Run_Medals"); }
