// The travel and story cut-scenes as generated, played through the real frame loop on the
// virtual clock: each is asked for from the camp as its trigger or page asks for it, shows
// its picture, moves what its script moves, and leads on to its scene when its time is up,
// or at once through its skip button. No message box may appear on the way; a destination
// not written yet may only report its own missing files.
#include "support/played_game.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "platform/platform.h"
#include "render/font.h"
#include "scripts/cut_scenes.h"
#include "scripts/scripts.h"
#include "world/world_clock.h"

namespace {

constexpr int KEEP = -99; // a request that leaves the spawn point as it was
constexpr int SENTINEL_SPAWN = 77;
int spawn_on_load = 0;     // the spawn point as the cut-scene's load left it

class Walk_Cut_Scenes : public PlayedPages {
protected:
    // A new game in the act's camp; then cut-scene 1/s is asked for as a trigger asks for it,
    // with a spawn point that no request of these scenes names, and loaded by the loop.
    // Returns the clock at the load.
    int Ask_For(int s, int act, const std::function<void()>& before) {
        Init_Player();
        Start_Game();
        current_act = 1; // the camp of act one: written in every build
        Enter_Scene(2, 0, 0);
        platform::ClearRecordedMessageBoxes();
        current_act = act;
        before();
        current_spawn = SENTINEL_SPAWN;
        episode = 1;
        scene = s;
        next_scene = true;
        EXPECT_TRUE(Run_Until([=] { return In(1, s); }, 5000)) << "1/" << s << " not loaded" << Box_Texts();
        spawn_on_load = current_spawn; // (the loader drops a spawn point the scene does not have)
        return (int)TimerGetTime();
    }

    // Runs until the scene asks for another; the clock then.
    static int Until_It_Leads_On(int s, int ms) {
        Run_Until([=] { return !(episode == 1 && scene == s); }, ms);
        return (int)TimerGetTime();
    }

    // After the request: the destination loads quietly.
    void Expect_Arrival(int e, int s) {
        ASSERT_TRUE(Written(e, s)) << "scene " << e << "/" << s << " is not generated";
        EXPECT_TRUE(Run_Until([=] { return In(e, s); }, 8000)) << "at " << episode << "/" << scene;
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
};

struct Lead {
    const char* name;
    int scene;
    int button; // the skip button's sprite; -1 for none
    int wait;   // ms from the load to the timed request
    int act;
    std::function<void()> before;
    int e, s, spawn; // where it leads (spawn KEEP: as it was)
    int skip_e, skip_s, skip_spawn;
};

void Nothing() {}

std::vector<Lead> Leads() {
    auto trench = [](int state) { return [=] { main_mission[MISSION_TRENCH] = state; }; };
    auto beach = [](int mission2, int flag95) {
        return [=] {
            main_mission[2] = mission2;
            global_objects[95] = (char)flag95;
        };
    };
    return {
        {"beach", 55, 3, 4000, 1, beach(1, 0), 3, 3, KEEP, 3, 3, KEEP},
        {"beach, its briefing due", 55, 3, 4000, 1, beach(2, 0), 3, 3, KEEP, 1, 121, KEEP},
        {"beach, its briefing seen", 55, 3, 4000, 1, beach(2, 1), 3, 3, KEEP, 3, 3, KEEP},
        {"camp road, act 1", 56, 2, 6000, 1, Nothing, 2, 0, KEEP, 2, 0, KEEP},
        {"camp road, act 3", 56, 2, 6000, 3, Nothing, 2, 10, KEEP, 2, 10, KEEP},
        {"camp woods, act 2", 58, 2, 6000, 2, Nothing, 2, 3, KEEP, 2, 3, KEEP},
        {"camp woods, act 4", 58, 2, 6000, 4, Nothing, 2, 11, KEEP, 2, 11, KEEP},
        {"village by the woods", 66, 2, 6000, 1, Nothing, 2, 2, KEEP, 2, 2, KEEP},
        {"camp by jeep", 67, 2, 6000, 1, Nothing, 2, 0, 1, 2, 0, 1},
        {"farms by tractor", 84, 3, 6000, 1, Nothing, 2, 4, 0, 2, 4, 0},
        {"farms by motorcycle", 85, 2, 6000, 1, Nothing, 2, 4, KEEP, 2, 4, KEEP},
        {"across the fields", 87, 3, 6000, 1, Nothing, 2, 9, 0, 2, 9, 0},
        {"back to the farms", 88, 2, 6000, 1, Nothing, 2, 4, 1, 2, 4, 1},
        {"into the village", 89, 2, 6000, 1, Nothing, 2, 2, 40, 2, 2, 40},
        {"flying to the front", 90, 3, 6000, 1, Nothing, 2, 1, 0, 2, 1, 0},
        {"along the trench", 111, 4, 6000, 1, trench(1), 2, 8, 4, 2, 8, 4},
        {"orchards, trench mission under way", 75, 2, 6000, 1, trench(2), 1, 69, KEEP, 1, 69, KEEP},
        {"orchards", 75, 2, 6000, 1, trench(0), 2, 8, 4, 2, 8, 4},
        {"deck gallery", 110, 2, 5000, 1, [] { gun_entry = 1; }, 1, 8, KEEP, 1, 8, KEEP},
        {"trench gallery", 110, 2, 5000, 1, [] { gun_entry = 2; }, 1, 69, KEEP, 1, 69, KEEP},
        {"pigeon gallery", 110, 2, 5000, 1,
         [] {
             gun_entry = 4;
             pigeon_round = 3;
             targets_shot = 9;
         },
         1, 112, KEEP, 1, 112, KEEP},
        {"behind the lines", 63, 2, 12000, 1, Nothing, 1, 61, KEEP, 1, 61, KEEP},
        {"the enemy's headquarters", 61, 2, 4000, 1, Nothing, 1, 60, KEEP, 1, 60, KEEP},
        {"end of the road", 94, 2, 4000, 1, Nothing, 1, 95, KEEP, 1, 95, KEEP},
        {"night over the front", 79, -1, 6000, 1, Nothing, 1, 80, KEEP, 0, 0, 0},
        {"dawn over the front", 80, 2, 6000, 1, Nothing, 1, 81, KEEP, 1, 81, KEEP},
        {"the supply dump", 47, 4, 4500, 1, Nothing, 1, 129, KEEP, 1, 129, KEEP},
        // (the boat, 1.3 units long, slides in at 0.001 a millisecond before the steps go on)
        {"the submarine", 34, 8, 1300 + 1100 + 1000 + 2000 + 1000, 1, Nothing, 3, 20, 0, 3, 20, 0},
    };
}

void Expect_Request(int e, int s, int spawn) {
    EXPECT_EQ(episode, e);
    EXPECT_EQ(scene, s);
    EXPECT_EQ(current_spawn, spawn == KEEP ? spawn_on_load : spawn);
}

struct Case {
    Lead lead;
    bool skip;
};

std::vector<Case> Cases() {
    std::vector<Case> out;
    for (const Lead& l : Leads())
        for (bool skip : {false, true})
            if (!skip || l.button >= 0) out.push_back({l, skip});
    return out;
}

std::string Case_Name(const ::testing::TestParamInfo<Case>& info) {
    std::string n = "s" + std::to_string(info.param.lead.scene) + "_";
    for (const char* c = info.param.lead.name; *c; ++c) n += std::isalnum((unsigned char)*c) ? *c : '_';
    return n + (info.param.skip ? "_skipped" : "_played") + "_" + std::to_string(info.index);
}

class Walk_Cut_Scene_Leads : public Walk_Cut_Scenes, public ::testing::WithParamInterface<Case> {};

// Each cut-scene, asked for from the camp: shown without a box, its skip button up; played,
// it stays until its time is up and then asks for its scene; skipped, it asks at once (the
// beach's skip detours once to its briefing, the gallery entry clears its counters).
TEST_P(Walk_Cut_Scene_Leads, LeadsToItsSceneWhenItsTimeIsUpAndAtOnceWhenSkipped) {
    ASSERT_TRUE(gl_);
    const Lead& c = GetParam().lead;
    const bool skip = GetParam().skip;
    const int loaded = Ask_For(c.scene, c.act, c.before);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    EXPECT_EQ(game_mode, c.scene == 34 ? MODE_FRONT : MODE_CINE) << "the submarine's line needs a front page";
    if (c.button >= 0) {
        ASSERT_LT(c.button, no_sprites);
        EXPECT_FLOAT_EQ(sprite[c.button].alpha, 1.0f) << "the skip button is shown";
    }
    if (!skip) {
        // Still on a quarter second before its time, then it asks for its scene.
        Run_Until([] { return next_scene; }, c.wait - 250 - ((int)TimerGetTime() - loaded));
        EXPECT_TRUE(episode == 1 && scene == c.scene) << "left early, at " << episode << "/" << scene;
        if (c.button < 0) { // nothing to click where the skip button would be
            Click(View_X(0.75f), View_Y(-0.63f));
            EXPECT_TRUE(episode == 1 && scene == c.scene) << "skipped";
        }
        const int left = Until_It_Leads_On(c.scene, 1000);
        EXPECT_GE(left - loaded, c.wait);
        EXPECT_LE(left - loaded, c.wait + 120);
        Expect_Request(c.e, c.s, c.spawn);
    } else {
        if (c.scene == 34) // its button acts only while the line is due or shown
            Run_Until([] { return title_sequence == 5; }, 8000);
        else
            Run(300);
        Shot("cut_1_" + std::to_string(c.scene));
        Click_Sprite(c.button);
        Run_Until([=] { return !(episode == 1 && scene == c.scene); }, 200);
        EXPECT_LT((int)TimerGetTime() - loaded, c.wait) << "the skip did not cut the scene short";
        Expect_Request(c.skip_e, c.skip_s, c.skip_spawn);
    }
    EXPECT_TRUE(Boxes().empty()) << "before the destination loads: " << Box_Texts();
    if (c.scene == 110) {
        EXPECT_EQ(gun_entry, 0);
        if (c.s == 112) {
            EXPECT_EQ(pigeon_round, 0);
            EXPECT_EQ(targets_shot, 0);
        }
    }
    if (c.scene == 55 && skip && c.skip_s == 121) {
        EXPECT_EQ(global_objects[95], 1);
    }
    Expect_Arrival(skip ? c.skip_e : c.e, skip ? c.skip_s : c.s);
}

INSTANTIATE_TEST_SUITE_P(Every, Walk_Cut_Scene_Leads, ::testing::ValuesIn(Cases()), Case_Name);

// What the scripts move, seen on the generated scenes: the sprites they name exist in the
// places the pictures put them and move as the scripts say.
float Elapsed(int since) { return (float)((int)TimerGetTime() - since); }

TEST_F(Walk_Cut_Scenes, TheAeroplanesComeInFromTheLeftAndStopNearTheirRests) {
    ASSERT_TRUE(gl_);
    {
        SCOPED_TRACE("1/90: the three aeroplanes come in from the left and stop near their rests");
        const int t0 = Ask_For(90, 1, Nothing);
        ASSERT_FALSE(HasFatalFailure());
        const float rest = script_start_x, shift = sprite[1].width / 1.5f;
        EXPECT_NEAR(sprite[1].x, rest - shift, 0.01f);
        const float x5 = sprite[5].x, x6 = sprite[6].x;
        Run(1000);
        const float moved = sprite[1].x - (rest - shift);
        EXPECT_NEAR(moved, 0.00025f * Elapsed(t0), 0.01f);
        EXPECT_NEAR(sprite[5].x - x5, moved, 0.001f);
        EXPECT_NEAR(sprite[6].x - x6, moved, 0.001f);
        Run(3500);
        EXPECT_GE(sprite[1].x, rest);
        EXPECT_LT(sprite[1].x, rest + 0.03f);
        Shot("cut_1_90_arrived");
    }
}

TEST_F(Walk_Cut_Scenes, ThePigeonShowsOnlyAtNightButFliesToAndFroEitherWay) {
    ASSERT_TRUE(gl_);
    for (bool night : {false, true}) {
        SCOPED_TRACE(night ? "1/56 at night: the pigeon shows and flies to and fro" : "1/56 by day: hidden, it flies");
        Ask_For(56, 1, [=] {
            hours = night ? 23 : 12;
            daytime = night;
        });
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_FLOAT_EQ(sprite[9].alpha, daytime ? 1.0f : 0.0f);
        EXPECT_EQ(daytime, night);
        const float right = sprite[1].x + sprite[1].width + 2 * sprite[9].width,
                    left = sprite[1].x - 2 * sprite[9].width;
        float lo = sprite[9].x, hi = sprite[9].x;
        bool went_right = false, went_left = false;
        for (int k = 0; k < 110 && episode == 1 && scene == 56; ++k) {
            const float before = sprite[9].x;
            Run(50);
            lo = std::min(lo, sprite[9].x);
            hi = std::max(hi, sprite[9].x);
            if (sprite[9].x > before) went_right = went_right || sprite[9].anim == 0;
            if (sprite[9].x < before) went_left = went_left || sprite[9].anim == 1;
            if (k == 30) Shot(night ? "cut_1_56_night" : "cut_1_56_day");
        }
        EXPECT_TRUE(went_right && went_left) << "animation 0 to the right, 1 to the left";
        EXPECT_GT(hi, right - 0.01f);
        EXPECT_LT(lo, left + 0.01f);
        EXPECT_LT(hi, right + 0.2f);
        EXPECT_GT(lo, left - 0.2f);
    }
}

TEST_F(Walk_Cut_Scenes, TheHedgeRisesIntoPlaceBeforeTheEnd) {
    ASSERT_TRUE(gl_);
    {
        SCOPED_TRACE("1/63: the hedge starts below its place and rests there before the end");
        const int t0 = Ask_For(63, 1, Nothing);
        ASSERT_FALSE(HasFatalFailure());
        const float rest = script_start_x;
        EXPECT_NEAR(sprite[1].y, rest - sprite[1].height / 1.8f, 0.01f);
        Run(2000);
        EXPECT_NEAR(sprite[1].y, rest - sprite[1].height / 1.8f + 0.00015f * Elapsed(t0), 0.01f);
        Shot("cut_1_63_rising");
        Run(7000);
        EXPECT_FLOAT_EQ(sprite[1].y, rest);
    }
}

TEST_F(Walk_Cut_Scenes, TheGalleryDucksRideAcross) {
    ASSERT_TRUE(gl_);
    {
        SCOPED_TRACE("1/110: the ducks ride across");
        const int t0 = Ask_For(110, 1, [] { gun_entry = 1; });
        ASSERT_FALSE(HasFatalFailure());
        const float x3 = sprite[3].x, x4 = sprite[4].x;
        Run(2500);
        EXPECT_NEAR(sprite[3].x - x3, 0.0006f * Elapsed(t0), 0.02f);
        EXPECT_NEAR(sprite[4].x - x4, 0.0006f * Elapsed(t0), 0.02f);
        EXPECT_GT(sprite[3].x, -1.0f) << "in view by now";
        Shot("cut_1_110");
    }
}

TEST_F(Walk_Cut_Scenes, TheTractorCreepsAndTheLorrySettles) {
    ASSERT_TRUE(gl_);
    {
        SCOPED_TRACE("1/84 and 1/94: the tractor creeps, the lorry settles");
        const int t0 = Ask_For(84, 1, Nothing);
        ASSERT_FALSE(HasFatalFailure());
        const float x8 = sprite[8].x, y8 = sprite[8].y;
        Run(4000);
        EXPECT_NEAR(sprite[8].x - x8, 0.000015f * Elapsed(t0), 0.002f);
        EXPECT_NEAR(sprite[8].y - y8, 0.000004f * Elapsed(t0), 0.001f);
        const int t1 = Ask_For(94, 1, Nothing);
        ASSERT_FALSE(HasFatalFailure());
        const float y5 = sprite[5].y;
        Run(3000);
        EXPECT_NEAR(sprite[5].y - y5, -0.00001f * Elapsed(t1), 0.001f);
        Shot("cut_1_94");
    }
}

TEST_F(Walk_Cut_Scenes, TheCrateFliesUpFallsBackAndGrows) {
    ASSERT_TRUE(gl_);
    {
        SCOPED_TRACE("1/47: the crate flies up, comes back past its start and keeps growing");
        Ask_For(47, 1, Nothing);
        ASSERT_FALSE(HasFatalFailure());
        const float y0 = sprite[2].y + sprite[2].height / 2, w0 = sprite[2].width;
        Run(1500);
        EXPECT_GT(sprite[2].y + sprite[2].height / 2, y0 + 0.6f) << "high in the air";
        Shot("cut_1_47_high");
        Run(2500);
        EXPECT_LT(sprite[2].y + sprite[2].height / 2, y0) << "fallen past its start";
        EXPECT_GT(sprite[2].width, w0 + 1.0f);
        EXPECT_NEAR(sprite[2].angle, 3.14f, 1e-4f);
    }
}

// The submarine's line: a click before "OH_BUGGER!" is due is used up and does nothing; the
// line then shows with its bubble, and a click while it shows ends the scene at once with
// the line cleared.
TEST_F(Walk_Cut_Scenes, TheSubmarinesSkipActsOnlyOnceItsLineIsDue) {
    ASSERT_TRUE(gl_);
    Ask_For(34, 1, Nothing);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FLOAT_EQ(sprite[5].alpha, 0.0f) << "the sailor is below the hatch";
    const float rest2 = script_start_x;
    EXPECT_NEAR(sprite[2].x, rest2 - sprite[2].width, 0.002f) << "the boat starts a length to the left";
    Run(30); // (the bubble follows the line's slot on the call after it changes)
    EXPECT_FLOAT_EQ(sprite[4].alpha, 0.0f);
    Run(600);
    Click_Sprite(8);
    EXPECT_TRUE(In(1, 34)) << "an early click ended the scene";
    EXPECT_FALSE(mouseleft) << "the click is used up";
    ASSERT_TRUE(Run_Until([] { return title_sequence == 5; }, 6000)) << "the line never came";
    Run(30);
    EXPECT_FLOAT_EQ(sprite[2].x, rest2);
    EXPECT_FLOAT_EQ(sprite[5].alpha, 1.0f);
    EXPECT_STREQ(counter[1].word, "OH_BUGGER!");
    EXPECT_FLOAT_EQ(sprite[4].alpha, 1.0f) << "the bubble shows with the line";
    EXPECT_FLOAT_EQ(sprite[3].alpha, 0.0f);
    Run(120);
    Shot("cut_1_34_line");
    Click_Sprite(8);
    Run_Until([] { return !(episode == 1 && scene == 34); }, 200);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 20);
    EXPECT_EQ(current_spawn, 0);
    EXPECT_FLOAT_EQ(counter[1].alpha, 0.0f);
    EXPECT_STREQ(counter[1].word, "");
    Expect_Arrival(3, 20);
}

} // namespace
