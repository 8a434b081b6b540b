// The story, third part, played as a player plays it: the game the second act saved is taken
// up again from the menu; in the act-three camp the commander gives her three missions one
// after another (the captive agent under the windmill, the radar masts on the farms, the
// missile silos), each walked to, fought through and reported; the last one ends in the
// shooting galleries and the act's end, which saves and returns to the title. From the menu
// the player looks at the credits, which come back to the menu. Only the pointer, clicks,
// keys and waiting: the game's state is read, never written. Nothing is saved at the end.
#include "support/story_player.h"

#include <cstdio>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "content/content_inputs.h"
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

class Story_Act3 : public StoryGame {
protected:
    // Logs where the story stands (the virtual clock and the real one), so a failure says how
    // far it got.
    static void Stage(const char* what) {
        std::printf("[story act3] %-40s %d/%d  t=%.0f s  hp %d\n", what, episode, scene, TimerGetTime() / 1000.0,
                    p1_id != -1 ? sprite[p1_id].score : -1);
        std::fflush(stdout);
        static int n = 0;
        char name[32];
        std::snprintf(name, sizeof name, "act3_%02d", n++);
        Shot(name);
    }

    // Takes exit i and waits, through whatever pages lie between, until scene e/s is on.
    void Go(int exit, int e, int s) {
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Take_Exit(exit)) << "exit " << exit << " not taken " << Where();
        ASSERT_TRUE(Run_Until([=] { return Settled_In(e, s); }, 30000)) << "on the way to " << e << "/" << s << " "
                                                                          << Where();
        ASSERT_NE(p1_id, -1);
        Stage(("arrived " + std::to_string(e) + "/" + std::to_string(s)).c_str());
    }

    // In the camp: through the headquarters door to the commander's page, her conversation
    // played through with `answers`, and back in the camp where her close sends him.
    std::vector<std::string> Report_To_The_Commander(std::vector<bool> answers) {
        std::vector<std::string> lines;
        EXPECT_TRUE(Settled_In(2, 10)) << Where();
        if (!Take_Exit(kHqDoor)) {
            ADD_FAILURE() << "the headquarters door did not open " << Where();
            return lines;
        }
        EXPECT_TRUE(Run_Until([] { return Settled_In(1, 83); }, 8000)) << Where();
        lines = Talk_Through(std::move(answers));
        EXPECT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 8000)) << Where();
        return lines;
    }
};

TEST_F(Story_Act3, FromTheActThreeCampToTheCredits) {
    Restore_Story_Save("test_story_act2");
    if (HasFatalFailure()) return;
    const int slot = Kept_Slot("test_story_act2");

    // The game taken up again: the act's page, then the camp.
    Boot_And_Open_Slot(slot);
    if (HasFatalFailure()) return;
    ASSERT_EQ(current_act, 3);
    Stage("slot opened");
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 15000)) << Where();
    ASSERT_NE(p1_id, -1);
    ASSERT_EQ(CONTROL_SCHEME, true);
    Stage("act-three camp");

    // ---- Mission 11: the agent under the windmill ----
    std::vector<std::string> lines = Report_To_The_Commander({true});
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Said(lines, "joe_I&m^so_glad_te_see^ye!")) << "the commander did not offer the windmill";
    ASSERT_EQ(main_mission[11], 2);
    ASSERT_EQ(current_main, 11);
    Stage("mission 11 accepted");

    // Down the lane to the roadway, east to the farms, into the windmill's store.
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayExit, 2, 4));
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayToFarms, 2, 9));
    ASSERT_NO_FATAL_FAILURE(Go(kFarmsToMill, 3, 0));
    // The captive: his page, his conversation, the short scene after it.
    ASSERT_TRUE(Visit(kCaptive, Scene_Requested)) << "the captive did not open his page " << Where();
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 86); }, 8000)) << Where();
    lines = Talk_Through({});
    EXPECT_EQ(main_mission[11], 1) << "the rescue did not accomplish the mission";
    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 12); }, 30000)) << Where();
    Stage("captive freed");
    // Back to the camp: up the stairs to the farms, the lane to the roadway, the road home.
    ASSERT_NO_FATAL_FAILURE(Go(kBasementStairs, 2, 9));
    ASSERT_NO_FATAL_FAILURE(Go(kFarmsToRoadway, 2, 4));
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayToCamp, 2, 10));
    if (HasFatalFailure()) return;
    lines = Report_To_The_Commander({});
    ASSERT_EQ(main_mission[11], 3) << "mission 11 not reported";
    Stage("mission 11 reported");

    // ---- Mission 12: the radar masts on the farms ----
    lines = Report_To_The_Commander({true});
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Said(lines, "What_are_my^orders_Betsy?")) << "the commander did not offer the radar";
    ASSERT_EQ(main_mission[12], 2);
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayExit, 2, 4));
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayToFarms, 2, 9));
    for (const int mast : kMasts) {
        ASSERT_TRUE(Shoot_Down(mast)) << "mast " << mast << " still stands " << Where();
        Stage(("mast down " + std::to_string(mast)).c_str());
    }
    // The masts down, the debriefing page and back to the farms.
    ASSERT_TRUE(Run_Until([] { return main_mission[12] == 1; }, 5000)) << Where();
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 9); }, 30000)) << Where();
    ASSERT_NO_FATAL_FAILURE(Go(kFarmsToRoadway, 2, 4));
    ASSERT_NO_FATAL_FAILURE(Go(kRoadwayToCamp, 2, 10));
    if (HasFatalFailure()) return;
    lines = Report_To_The_Commander({});
    ASSERT_EQ(main_mission[12], 3) << "mission 12 not reported";
    Stage("mission 12 reported");

    // ---- Mission 13: the missile silos ----
    lines = Report_To_The_Commander({true});
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Said(lines, "This_is_it^joe._The^final_mission.")) << "the commander did not offer the silos";
    ASSERT_EQ(main_mission[13], 2);
    ASSERT_NO_FATAL_FAILURE(Go(kHighwayExit, 2, 1));
    // The agent at her post on the highway: her page sends him back to the highway, the way
    // into the control bunker open.
    ASSERT_TRUE(Visit(kAgent, Scene_Requested)) << "the agent did not open her page " << Where();
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 91); }, 8000)) << Where();
    Talk_Through({});
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 1); }, 8000)) << Where();
    EXPECT_EQ(global_objects[53], 1);
    ASSERT_NO_FATAL_FAILURE(Go(kGateControl, 3, 30));
    ASSERT_NO_FATAL_FAILURE(Go(1, 3, 31));
    ASSERT_TRUE(Visit(kControlCommander, Scene_Requested)) << "the control room's commander " << Where();
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 92); }, 8000)) << Where();
    Talk_Through({});
    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 31); }, 8000)) << Where();
    EXPECT_EQ(global_objects[54], 1);
    ASSERT_NO_FATAL_FAILURE(Go(0, 3, 30));
    Fight_Off(30000);
    ASSERT_NO_FATAL_FAILURE(Go(2, 3, 32));
    // The two lever rooms: 3/33 wants on, off, on and 3/35 on, on, off.
    struct Lever_Room {
        int room, flag;
        bool on[3];
    };
    const Lever_Room rooms[] = {{33, 55, {true, false, true}}, {35, 56, {true, true, false}}};
    for (const Lever_Room& r : rooms) {
        ASSERT_NO_FATAL_FAILURE(Go(1, 3, r.room));
        for (int l = 0; l < 3; ++l) {
            if (!r.on[l]) continue;
            const int lever = 43 + l, before = sprite[lever].anim;
            ASSERT_TRUE(Visit(lever, [&] { return sprite[lever].anim != before; })) << "lever " << lever << Where();
        }
        ASSERT_TRUE(Run_Until([&] { return global_objects[r.flag] == 1; }, 2000)) << "silo " << r.room << Where();
        Stage("silo disarmed");
        Run_Until([] { return !lock_player; }, 6000);
        ASSERT_NO_FATAL_FAILURE(Go(0, 3, r.room - 1));
        ASSERT_NO_FATAL_FAILURE(Go(2, 3, r.room + 1));
    }
    ASSERT_NO_FATAL_FAILURE(Go(1, 3, 37));
    ASSERT_TRUE(Take_Exit(1)) << Where();
    // Too late: the Zarvok's launch, his flight and the galleries of the chase.
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 93); }, 8000)) << Where();
    Talk_Through({});
    for (const int g : {95, 96, 97}) {
        ASSERT_TRUE(Run_Until([=] { return Settled_In(1, g); }, 30000)) << Where();
        Stage("gallery");
        ASSERT_TRUE(Play_Gallery(240000)) << "gallery " << g << " did not end " << Where();
    }
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 98); }, 30000)) << Where();
    Stage("boss gallery");
    ASSERT_TRUE(Play_Gallery(400000, kGalleryBoss)) << "the boss gallery did not end " << Where();
    // The finale's pages and the act's end, which saves the game in act four and goes back
    // to the title and the menu.
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 116); }, 60000)) << Where();
    Stage("act end");
    ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 120000)) << Where();
    EXPECT_EQ(current_act, 4);
    Stage("menu");

    // ---- The credits: the cast pages, the last card, and back to the menu ----
    Story_Click(Box_X(kMenuCredits), Box_Y(kMenuCredits), [] { return next_scene; });
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
    Stage("credits seen, back at the menu");
}

} // namespace
