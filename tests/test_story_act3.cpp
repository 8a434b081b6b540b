// The story, third part, played as a player plays it: the game the second act saved is taken
// up again from the menu; in the act-three camp the commander takes the second act's last
// report and gives her first two missions one after another (the captive agent under the
// windmill, the radar masts on the farms), each walked to, fought through and reported. A
// night's sleep in the tent before each sets out with full health. A fall is taken up again
// as a player does: from the tent, back to where he fell. The part ends in the camp with the
// game saved by Escape, kept for the part after it. Only the pointer, clicks, keys and
// waiting: the game's state is read, never written.
#include "support/story_act3_drivers.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"

namespace {

class Story_Act3 : public Act3_Player {
protected:
    // The game the second act saved, taken up again from the menu, and the commander's first
    // mission: the agent under the windmill freed and the mission reported.
    void Take_Up_The_Game_And_Free_The_Agent() {
        Restore_Story_Save("test_story_act2");
        if (HasFatalFailure()) return;
        const int slot = Kept_Slot("test_story_act2");

        // The game taken up again: the act's page, then the camp.
        ASSERT_NO_FATAL_FAILURE(Boot_To_Menu());
        ASSERT_NO_FATAL_FAILURE(Open_Saved_Game(slot));
        ASSERT_EQ(current_act, 3);
        ASSERT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 15000)) << Where();
        ASSERT_EQ(CONTROL_SCHEME, true);
        Stage("the act-three camp");

        // ---- The rescue reported: when the second act left it accomplished, the act-two
        // commander still takes its report behind the headquarters door ----
        if (main_mission[10] == 1) {
            Play({
                {2, 10, "mission 10 reported", Commander({}, [](const auto&) {}, 65)},
            });
            if (HasFatalFailure()) return;
        }
        ASSERT_EQ(main_mission[10], 3) << "mission 10 not reported";

        // ---- Mission 11: the agent under the windmill ----
        Play({
            {2, 10, "a night's sleep", Sleep()},
            {2, 10, "mission 11 offered and accepted", Commander({true}, expect_said("joe_I&m^so_glad_te_see^ye!"))},
            {2, 10, "to the roadway", Go(kRoadwayExit, 2, 4)},
            {2, 4, "to the farms", Go(kRoadwayToFarms, 2, 9)},
            {2, 9, "into the windmill's store", Go(kFarmsToMill, 3, 0)},
            {3, 0, "the captive freed", Person(kCaptive, 86, 3, 12)},
            {3, 12, "up to the farms", Go(kBasementStairs, 2, 9)},
            {2, 9, "to the roadway", Go(kFarmsToRoadway, 2, 4)},
            {2, 4, "home to the camp", Go(kRoadwayToCamp, 2, 10)},
            {2, 10, "mission 11 reported", Commander({}, [](const auto&) {})},
        });
        if (HasFatalFailure()) return;
        ASSERT_EQ(main_mission[11], 3) << "mission 11 not reported";
    }

    // The commander's second mission: the three radio masts on the farms brought down and
    // the mission reported.
    void Bring_Down_The_Masts() {
        Play({
            {2, 10, "a night's sleep", Sleep()},
            {2, 10, "mission 12 offered and accepted", Commander({true}, expect_said("What_are_my^orders_Betsy?"))},
            {2, 10, "to the roadway", Go(kRoadwayExit, 2, 4)},
            {2, 4, "to the farms", Go(kRoadwayToFarms, 2, 9)},
            {2, 9, "the masts down",
             [] {
                 // The nearest standing mast first; a try cut short is tried again while
                 // he stands.
                 for (int tries = 0; tries < 8; ++tries) {
                     int mast = -1;
                     for (const int m : kMasts)
                         if (sprite[m].score > 0 && (mast == -1 || Distance_To(m) < Distance_To(mast))) mast = m;
                     if (mast == -1) break;
                     Rest();
                     if (Fallen()) return false;
                     if (!Take_Down(mast)) {
                         if (std::getenv("STORY_TRACE"))
                             std::printf("  mast %d stands (%d) at %.2f, %.2f; grenades %d\n", mast, sprite[mast].score,
                                         Box_X(mast), Box_Y(mast), (int)Carried(29));
                         if (Fallen()) return false;
                     }
                 }
                 if (Fallen()) return false;
                 return Run_Until([] { return main_mission[12] == 1; }, 5000);
             }},
            {2, 9, "to the roadway", Go(kFarmsToRoadway, 2, 4)},
            {2, 4, "home to the camp", Go(kRoadwayToCamp, 2, 10)},
            {2, 10, "mission 12 reported", Commander({}, [](const auto&) {})},
        });
        if (HasFatalFailure()) return;
        ASSERT_EQ(main_mission[12], 3) << "mission 12 not reported";
    }
};

// What passes today: the game taken up again in act three, the windmill's captive freed and
// the mission reported, back in the camp.
TEST_F(Story_Act3, FromTheActTwoSaveToTheWindmillReported) {
    ASSERT_NO_FATAL_FAILURE(Take_Up_The_Game_And_Free_The_Agent());
    EXPECT_TRUE(Settled_In(2, 10)) << Where();
}

// The whole part: on to the radio masts brought down and reported, and the game saved by
// Escape in the camp, kept for the part after this one. Disabled until it passes: two masts
// fall to him, but on the long way east to the third one the farms' patrols fell him again and
// again (he comes back each time at the farm lane's end). It runs with
// --gtest_also_run_disabled_tests.
TEST_F(Story_Act3, DISABLED_FromTheActTwoSaveToTheMastsReported) {
    ASSERT_NO_FATAL_FAILURE(Take_Up_The_Game_And_Free_The_Agent());
    ASSERT_NO_FATAL_FAILURE(Bring_Down_The_Masts());
    ASSERT_TRUE(Settled_In(2, 10)) << Where();
    ASSERT_NO_FATAL_FAILURE(Save_By_Escape());
    Keep_Story_Save("test_story_act3");
}

} // namespace
