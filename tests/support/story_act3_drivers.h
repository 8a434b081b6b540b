// The third act's drivers of the played story: the story played in steps, each in its scene,
// taken up again from the tent after a fall; walks out by exits through enemy ground, the
// commander's conversations behind the headquarters door, people spoken to once their guards
// are beaten, a night's sleep in the camp's tent. Like the shared fixture they only move the
// pointer, click, press keys and wait; the game's state is read, never written.
#pragma once

#include "support/story_player.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "platform/timer.h"

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
            Rest();
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

    // Where no enemy is about, he waits for his wounds to heal (the regeneration he has
    // bought); whoever comes up meanwhile is fought.
    static void Rest() {
        if (st_regen <= 0 || game_mode != MODE_WALK) return;
        const auto healed = [] { return p1_id == -1 || sprite[p1_id].score >= PLY_VITALITY * 9 / 10; };
        for (int round = 0; round < 6 && !healed() && !Fallen() && !Scene_Requested(); ++round) {
            if (Enemy_Close(0.8f)) {
                Fight_Hard([] { return Scene_Requested() || !Enemy_Close(0.95f); }, 20000);
                continue;
            }
            Run_Until([&] { return healed() || Fallen() || Enemy_Close(0.8f); }, 90000);
        }
    }

    // Steps: out by exit `exit` and on, through whatever pages lie between, to scene e/s.
    static std::function<bool()> Go(int exit, int e, int s) {
        return [=] {
            return Fight_To_Exit(exit) && Run_Until([=] { return Settled_In(e, s) || Fallen(); }, 30000) &&
                   Settled_In(e, s);
        };
    }
    // The same through ground where patrols shoot from afar: every enemy who comes within
    // a shot's reach with a clear line is fought on the way.
    static std::function<bool()> Fight_Through(int exit, int e, int s) {
        return [=] {
            return Fight_Through_To_Exit(exit) && Run_Until([=] { return Settled_In(e, s) || Fallen(); }, 30000) &&
                   Settled_In(e, s);
        };
    }
    static bool Fight_Through_To_Exit(int t) {
        const float x = Box_X(t), y = Box_Y(t);
        const int e = episode, s = scene;
        const auto left = [e, s] { return Scene_Requested() || episode != e || scene != s; };
        constexpr float kReach = 0.65f;
        for (int leg = 0; leg < 40 && !left(); ++leg) {
            if (p1_id == -1 || sprite[p1_id].score <= 0) return left();
            if (Enemy_Close(kReach)) {
                Fight_Hard([&] { return left() || !Enemy_Close(kReach + 0.15f); }, 20000);
                Reload_If_Low();
                Rest();
                continue;
            }
            const int to = Cell_Of(x, y);
            const std::vector<int> way = Way_To_Cell([to](int c) { return c == to; }, t);
            if (way.empty()) {
                ADD_FAILURE() << "no open way to exit " << t << "; " << Where();
                return false;
            }
            Walk_Way(way, 0.0f, [&] { return left() || Enemy_Close(kReach); });
            if (!left() && !Enemy_Close(kReach)) Run_Until(left, 500);
        }
        return left();
    }

    // Brings down a standing target (a mast) where guards keep watch: whoever comes within a
    // shot's reach is fought first and the wounds left to heal; then up to it along the way
    // round hedges and fences, and grenades at it while any are left, the gun after them.
    static bool Take_Down(int i) {
        constexpr float kReach = 0.7f;
        int thrown = 0;
        for (int round = 0; round < 30 && sprite[i].score > 0; ++round) {
            if (Fallen() || Scene_Requested()) return false;
            if (Enemy_Close(kReach)) {
                Fight_Hard([] { return Scene_Requested() || !Enemy_Close(kReach + 0.15f); }, 20000);
                Pick_Up_Drops(0.6f);
                Reload_If_Low();
                Rest();
                continue;
            }
            const float tx = Box_X(i), ty = Box_Y(i);
            if (Distance_To(i) > 0.8f || !Line_Of_Fire(tx, ty)) {
                const std::vector<int> way = Way_To_Cell([&](int c) {
                    const float d = std::hypot(Cell_X(c) - tx, Cell_Y(c) - ty);
                    return d > 0.4f && d < 0.6f && Walkable(c);
                });
                if (way.empty()) return false;
                Walk_Way(way, 0.06f, [&] { return Enemy_Close(kReach) || Fallen(); });
                continue;
            }
            if (Carried(29) && thrown < 3 && Distance_To(i) > 0.35f) {
                ++thrown;
                Throw_Grenade_At(i);
                Run(1500);
                continue;
            }
            Arm_Best();
            Shoot_Down(i, 12);
        }
        return sprite[i].score <= 0;
    }

    // The level-up points he has spent on his health as a player does: Tab opens the perk
    // page, a click on the heart perk (more life) and then on regeneration, and the page's
    // button back to the game.
    static bool Spend_Points_On_Health() {
        if (level_up_points <= 0) return true;
        const int e = episode, s = scene;
        Tap(platform::VK_TAB);
        if (!Run_Until([] { return Settled_In(1, 141); }, 8000)) {
            ADD_FAILURE() << "the perk page did not open; " << Where();
            return false;
        }
        Run(800);
        constexpr int kHeart = 6, kRegen = 9, kBack = 1;
        for (int tries = 0; tries < 6 && level_up_points > 0; ++tries) {
            const int perk = st_heart == 0 || st_regen >= 3 ? kHeart : kRegen;
            const int before = level_up_points;
            Click_Sprite(perk);
            Run_Until([=] { return level_up_points != before; }, 1000);
            Run(200);
        }
        for (int tries = 0; tries < 3 && In(1, 141); ++tries) {
            Click_Sprite(kBack);
            Run_Until([] { return !In(1, 141); }, 1000);
        }
        if (!Run_Until([=] { return Settled_In(e, s); }, 10000)) {
            ADD_FAILURE() << "not back from the perk page; " << Where();
            return false;
        }
        return true;
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
            // Indoors every guard of the room is beaten first (they stand in the doorways).
            if (!Fight_Hard([] { return Standing_Enemies() == 0 || (!in_dungeon && !Enemy_Close(1.5f)); }, 180000))
                return false;
            Rest();
            if (!Visit(who, Scene_Requested)) return false;
            // A shot from a guard still about may fell him as he speaks to the captive; when
            // the page has been asked for all the same, it is the page that comes.
            const auto page_asked = [=] { return Requested(1, page) || In(1, page); };
            Run_Until([=] { return Settled_In(1, page) || (Fallen() && !page_asked()); }, 8000);
            if (!Settled_In(1, page) && Fallen()) return false;
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
    // A night's sleep in the camp's tent, the points he has earned spent on his health first.
    static std::function<bool()> Sleep() {
        return [] { return Spend_Points_On_Health() && Sleep_In_The_Tent(kTentDoor, 2, 10); };
    }
};
