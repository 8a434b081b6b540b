// A record of calls into the services of subsystems that are not filled in yet, so the
// loop's order can be checked. Off (null) outside tests.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string>* call_trace = nullptr;

inline void Trace_Call(const char* name) {
    if (call_trace) call_trace->push_back(name);
}
