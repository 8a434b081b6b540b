// The story, third part, played as a player plays it: the game the second act saved is taken
// up again from the menu; in the act-three camp the commander gives her three missions one
// after another (the captive agent under the windmill, the radar masts on the farms, the
// missile silos), each walked to, fought through and reported; the last one ends in the
// shooting galleries and the act's end, which saves and returns to the title. From the menu
// the player looks at the credits, which come back to the menu. A fall is taken up again as
// a player does: from the tent, back to where he fell. Only the pointer, clicks, keys and
// waiting: the game's state is read, never written. Nothing is saved at the end.
#include "support/story_player.h"

#include <cstdio>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"

namespace {

constexpr int kHqDoor = 91;     // the act-three camp's headquarters door (to the commander)
constexpr int kRoadwayExit = 17; // the camp's lane to the roadway
constexpr int kRoadwayToFarms = 26, kRoadwayToCamp = 24; // exits of the roadway (2/4)
constexpr int kFarmsToMill = 297, kFarmsToRoadway = 0;    // exits of the farms (2/9)
constexpr int kCaptive = 31;                              // the agent under the windmill (3/0)
constexpr int kBasementStairs = 30;                       // the barn basement's stairs (3/12)
constexpr int kMasts[] = {320, 321, 322};                 // the radio masts on the farms
constexpr int kHighwayExit = 49;                          // the camp's lane to the highway
constexpr int kAgent = 145, kGateControl = 0;             // on the highway (2/1)
constexpr int kControlCommander = 1;                      // in the control room (3/31)
constexpr int kGalleryBoss = 32;                          // the boss of the last gallery
constexpr int kMenuCredits = 25;                          // the menu's Credits button
constexpr int kTentDoor = 92;                             // the player's tent in the camp

class Story_Act3 : public StoryGame {
protected:
    // Logs where the story stands (scene, virtual time, health), so a failure says how far
    // it got; with VARNOTH_SHOT_DIR set, each stage is also a screenshot.
    static void Stage(const std::string& what) {
        std::printf("[story act3] %-44s %d/%d  t=%.0f s  health %d\n", what.c_str(), episode, scene,
                    TimerGetTime() / 1000.0, p1_id != -1 ? sprite[p1_id].score : -1);
        std::fflush(stdout);
        static int n = 0;
        char name[32];
        std::snprintf(name, sizeof name, "act3_%02d", n++);
        Shot(name);
    }

    // One step of the story, played in scene e/s: true once done. A step that ends with the
    // player fallen is played again where the revival's bicycle brings him back.
    struct Step {
        int e, s;
        std::string what;
        std::function<bool()> act;
    };
    void Play(const std::vector<Step>& steps) {
        int falls = 0;
        for (size_t i = 0; i < steps.size();) {
            const Step& st = steps[i];
            ASSERT_TRUE(Run_Until([&] { return Settled_In(st.e, st.s); }, 30000))
                << "step \"" << st.what << "\" wants " << st.e << "/" << st.s << "; " << Where();
            const bool done = st.act();
            if (HasFatalFailure()) return;
            if (done) {
                Stage(st.what);
                ++i;
                continue;
            }
            ASSERT_TRUE(Fallen()) << "step \"" << st.what << "\" failed; " << Where();
            ++falls;
            Stage("fell during \"" + st.what + "\" " + Where());
            ASSERT_LT(falls, 12) << "the player falls again and again";
            ASSERT_TRUE(Back_From_The_Tent());
            // On from the first step that is played where he now stands.
            size_t j = i;
            while (j < steps.size() && !Settled_In(steps[j].e, steps[j].s)) ++j;
            ASSERT_LT(j, steps.size()) << "no step of this leg is played " << Where();
            i = j;
        }
    }

    // Steps: out by exit `exit` and on, through whatever pages lie between, to scene e/s.
    static std::function<bool()> Go(int exit, int e, int s) {
        return [=] { return Fight_To_Exit(exit) && Run_Until([=] { return Settled_In(e, s) || Fallen(); }, 30000) &&
                            Settled_In(e, s); };
    }
    // The commander's page through the headquarters door, her conversation played through
    // with `answers`, back in the camp; `check` on the lines she said.
    static std::function<bool()> Commander(std::vector<bool> answers,
                                           std::function<void(const std::vector<std::string>&)> check,
                                           int page = 83) {
        return [=] {
            if (!Fight_To_Exit(kHqDoor)) return false;
            EXPECT_TRUE(Run_Until([=] { return Settled_In(1, page); }, 8000)) << Where();
            const std::vector<std::string> lines = Follow_Page(answers);
            check(lines);
            EXPECT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 8000)) << Where();
            return true;
        };
    }
    // A page opened by a person (walked up to and clicked once the scene's enemies are
    // beaten), its conversation played through, until scene e/s is on.
    static std::function<bool()> Person(int who, int page, int e, int s) {
        return [=] {
            if (!Fight_Hard([] { return Standing_Enemies() == 0 || !Enemy_Close(1.5f); }, 180000)) return false;
            if (!Visit(who, Scene_Requested)) return false;
            // A shot from a guard still about may fell him as he speaks to the captive.
            Run_Until([=] { return Settled_In(1, page) || Fallen(); }, 8000);
            if (Fallen()) return false;
            EXPECT_TRUE(Settled_In(1, page)) << Where();
            Follow_Page({});
            return Run_Until([=] { return Settled_In(e, s); }, 60000);
        };
    }
    static std::function<void(const std::vector<std::string>&)> expect_said(const char* first) {
        return [=](const std::vector<std::string>& lines) {
            EXPECT_TRUE(Said(lines, first)) << "the commander did not say \"" << first << "\"";
        };
    }
    static std::function<bool()> Sleep() {
        return [] { return Sleep_In_The_Tent(kTentDoor, 2, 10); };
    }

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
