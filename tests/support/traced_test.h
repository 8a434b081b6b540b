// A test on the walking game with the call trace on: the test clock, fresh records, the
// game in MODE_WALK and every traced call recorded in trace. The trace is switched off and
// the records freed after the test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/game_state.h"
#include "main/startup.h"
#include "support/virtual_clock.h"

class Traced_Walk_Test : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        call_trace = &trace;
        game_mode = MODE_WALK;
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }
    // How many times the named call was traced.
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }
};
