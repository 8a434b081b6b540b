// Every test starts from the state a fresh process has, whatever the tests before it in the
// same executable did: Reset_Game_State runs before each test's fixture is even built.
#include <gtest/gtest.h>

#include "common/fresh_state.h"

namespace {

class Fresh_Start : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Reset_Game_State(); }
};

const bool installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Fresh_Start);
    return true;
}();

} // namespace
