// The story, third part, played as a player plays it: the game the second act saved is taken
// up again from the menu; in the act-three camp the commander gives her three missions one
// after another (the captive agent under the windmill, the radar masts on the farms, the
// missile silos), each walked to, fought through and reported; the last one ends in the
// shooting galleries and the act's end, which saves and returns to the title. From the menu
// the player looks at the credits, which come back to the menu. A fall is taken up again as
// a player does: from the tent, back to where he fell. Only the pointer, clicks, keys and
// waiting: the game's state is read, never written. Nothing is saved at the end.
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
};

// What passes today: the game taken up again in act three, the first mission played and
// reported, back in the camp.
TEST_F(Story_Act3, TheActThreeCampAndTheAgentUnderTheWindmill) {
    ASSERT_NO_FATAL_FAILURE(Take_Up_The_Game_And_Free_The_Agent());
    EXPECT_TRUE(Settled_In(2, 10)) << Where();
}

// The whole segment, on to the credits. Disabled until it passes: with the kit he carries the
// player does not yet bring down the farms' radar masts (the farms' guards fell him again and
// again, and after a revival his walk to the masts stalls short of them). It runs with
// --gtest_also_run_disabled_tests.
TEST_F(Story_Act3, DISABLED_FromTheActThreeCampToTheCredits) {
    ASSERT_NO_FATAL_FAILURE(Take_Up_The_Game_And_Free_The_Agent());
    // ---- Mission 12: the radar masts on the farms ----
    Play({
        {2, 10, "a night's sleep", Sleep()},
        {2, 10, "mission 12 offered and accepted", Commander({true}, expect_said("What_are_my^orders_Betsy?"))},
        {2, 10, "to the roadway", Go(kRoadwayExit, 2, 4)},
        {2, 4, "to the farms", Go(kRoadwayToFarms, 2, 9)},
        {2, 9, "the masts down",
         [] {
             for (const int mast : kMasts) {
                 if (sprite[mast].score <= 0) continue;
                 if (!Bring_Down(mast)) {
                     if (std::getenv("STORY_TRACE"))
                         std::printf("  mast %d stands (%d) at %.2f, %.2f; grenades %d\n", mast, sprite[mast].score,
                                     Box_X(mast), Box_Y(mast), (int)Carried(29));
                     return false;
                 }
             }
             return Run_Until([] { return main_mission[12] == 1; }, 5000);
         }},
    });
    if (HasFatalFailure()) return;
    Play({
        {2, 9, "to the roadway", Go(kFarmsToRoadway, 2, 4)},
        {2, 4, "home to the camp", Go(kRoadwayToCamp, 2, 10)},
        {2, 10, "mission 12 reported", Commander({}, [](const auto&) {})},
    });
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[12], 3) << "mission 12 not reported";

    // ---- Mission 13: the missile silos ----
    Play({
        {2, 10, "a night's sleep", Sleep()},
        {2, 10, "mission 13 offered and accepted",
         Commander({true}, expect_said("This_is_it^joe._The^final_mission."))},
        {2, 10, "to the highway", Go(kHighwayExit, 2, 1)},
        {2, 1, "the agent's orders", Person(kAgent, 91, 2, 1)},
        {2, 1, "into the control bunker", Go(kGateControl, 3, 30)},
        {3, 30, "to the control room", Go(1, 3, 31)},
        {3, 31, "the control room's commander", Person(kControlCommander, 92, 3, 31)},
        {3, 31, "back to the bunker", Go(0, 3, 30)},
        {3, 30, "its guards beaten", [] { return Fight_Hard([] { return Standing_Enemies() == 0; }, 180000); }},
        {3, 30, "to the first silo", Go(2, 3, 32)},
        {3, 32, "to its lever room", Go(1, 3, 33)},
        {3, 33, "the first silo disarmed", [] { return Set_Levers({true, false, true}, 55); }},
        {3, 33, "back to the silo", Go(0, 3, 32)},
        {3, 32, "to the third silo", Go(2, 3, 34)},
        {3, 34, "to its lever room", Go(1, 3, 35)},
        {3, 35, "the second silo disarmed", [] { return Set_Levers({true, true, false}, 56); }},
        {3, 35, "back to the silo", Go(0, 3, 34)},
        {3, 34, "to the super-silo", Go(2, 3, 36)},
        {3, 36, "to the launch floor", Go(1, 3, 37)},
        {3, 37, "the last door", [] { return Fight_To_Exit(1); }},
    });
    if (HasFatalFailure()) return;
    // Too late: the Zarvok's launch, his flight and the galleries of the chase.
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 93); }, 8000)) << Where();
    Follow_Page({});
    for (const int g : {95, 96, 97}) {
        ASSERT_TRUE(Run_Until([=] { return Settled_In(1, g); }, 30000)) << Where();
        Stage("gallery " + std::to_string(g));
        ASSERT_TRUE(Play_Gallery(240000)) << "gallery " << g << " did not end " << Where();
    }
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 98); }, 30000)) << Where();
    Stage("the boss gallery");
    ASSERT_TRUE(Play_Gallery(400000, kGalleryBoss)) << "the boss gallery did not end " << Where();
    // The finale's pages and the act's end, which saves the game in act four and goes back
    // to the title and the menu.
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 116); }, 60000)) << Where();
    Stage("the act's end");
    ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 120000)) << Where();
    EXPECT_EQ(current_act, 4);
    EXPECT_EQ(main_mission[13], 3);
    Stage("the menu");

    // ---- The credits: the cast pages, the last card, and back to the menu ----
    Click_Sprite(kMenuCredits);
    std::vector<std::pair<int, int>> pages;
    ASSERT_TRUE(Run_Until(
        [&] {
            if (!next_scene && fade >= 1.0f && (pages.empty() || pages.back() != std::pair{episode, scene}))
                pages.push_back({episode, scene});
            return In(0, 1) && fade >= 1.0f && pages.size() > 1;
        },
        120000))
        << Where();
    const std::vector<std::pair<int, int>> expected = {{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {0, 1}};
    EXPECT_EQ(pages, expected);
    Stage("the credits seen, back at the menu");
}

} // namespace
