// The third act's drivers of the played story: the story played in steps, each in its scene,
// taken up again from the tent after a fall; walks out by exits through enemy ground, the
// commander's conversations behind the headquarters door, people spoken to once their guards
// are beaten, a night's sleep in the camp's tent. Like the shared fixture they only move the
// pointer, click, press keys and wait; the game's state is read, never written.
#pragma once

#include "support/story_player.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "content/content_inputs.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/timer.h"

class Act3_Player : public StoryGame {
protected:
    // The act-three camp (2/10) and the places around it.
    static constexpr int kHqDoor = 91;       // the camp's headquarters door (to the commander)
    static constexpr int kTentDoor = 92;     // the player's tent in the camp
    static constexpr int kRoadwayExit = 17;  // the camp's lane to the roadway
    static constexpr int kHighwayExit = 49;  // the camp's lane to the highway
    static constexpr int kRoadwayToFarms = 26, kRoadwayToCamp = 24; // exits of the roadway (2/4)
    static constexpr int kFarmsToMill = 297, kFarmsToRoadway = 0;    // exits of the farms (2/9)
    static constexpr int kCaptive = 31;                              // the agent under the windmill (3/0)
    static constexpr int kBasementStairs = 30;                       // the barn basement's stairs (3/12)
    static constexpr int kMasts[] = {320, 321, 322};                 // the radio masts on the farms
    static constexpr int kAgent = 145, kGateControl = 0;             // on the highway (2/1)
    static constexpr int kControlCommander = 1;                      // in the control room (3/31)
    static constexpr int kGalleryBoss = 32;                          // the boss of the last gallery
    static constexpr int kMenuCredits = 25;                          // the menu's Credits button

    // The name the stages are logged (and their screenshots filed) under.
    static inline std::string stage_label = "act3";

    // Logs where the story stands (scene, virtual time, health), so a failure says how far
    // it got; with VARNOTH_SHOT_DIR set, each stage is also a screenshot.
    static void Stage(const std::string& what) {
        std::printf("[story %s] %-44s %d/%d  t=%.0f s  health %d\n", stage_label.c_str(), what.c_str(), episode, scene,
                    TimerGetTime() / 1000.0, p1_id != -1 ? sprite[p1_id].score : -1);
        std::fflush(stdout);
        static int n = 0;
        char name[48];
        std::snprintf(name, sizeof name, "%s_%02d", stage_label.c_str(), n++);
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
            // On from the first step that is played where he now stands; out of the tent into
            // the camp (no way back to the mission), from the last step before that is.
            size_t j = i;
            while (j < steps.size() && !Settled_In(steps[j].e, steps[j].s)) ++j;
            if (j == steps.size())
                for (j = i; j-- > 0 && !Settled_In(steps[j].e, steps[j].s);) {
                }
            ASSERT_LT(j, steps.size()) << "no step of this leg is played " << Where();
            i = j;
        }
    }

    // Steps: out by exit `exit` and on, through whatever pages lie between, to scene e/s.
    static std::function<bool()> Go(int exit, int e, int s) {
        return [=] {
            return Fight_To_Exit(exit) && Run_Until([=] { return Settled_In(e, s) || Fallen(); }, 30000) &&
                   Settled_In(e, s);
        };
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
};
