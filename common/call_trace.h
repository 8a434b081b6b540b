// A record of calls: the entry points that the frame loop calls, and a few services whose
// calls tests count (hits, blasts, messages), name themselves here so that tests can check
// the order of the main tick and what a step caused. Off (null) outside tests: one pointer test.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string>* call_trace = nullptr;

inline void Trace_Call(const char* name) {
    if (call_trace) call_trace->push_back(name);
}
