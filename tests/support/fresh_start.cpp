// Every test starts from the state a fresh process has, whatever the tests before it in the
// same executable did: Reset_Game_State runs before each test's fixture is even built.
#include <gtest/gtest.h>

#include "common/fresh_state.h"
#include "content/painters/pages.h"

namespace {

class Fresh_Start : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Reset_Game_State(); }
};

// The painters' text goes through cairo and fontconfig, whose caches live to the end; they are
// let go when the tests have run, as the generator lets them go when it has written the content.
class Release_Painters_At_End : public ::testing::Environment {
    void TearDown() override { painters::Release_Painters(); }
};

const bool installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Fresh_Start);
    ::testing::AddGlobalTestEnvironment(new Release_Painters_At_End);
    return true;
}();

} // namespace

// The leak check runs as a test executable ends. By then SDL has closed the GL and audio
// libraries, and they have unloaded the drivers they opened: what a driver still held would be
// reported as leaked, with no frame left to say whose it is. In the tests no shared library is
// ever unloaded (this definition stands in for the C library's for every library of the
// process), so what the drivers hold stays reachable and the check reports the game's own leaks.
extern "C" int dlclose(void*) { return 0; }
