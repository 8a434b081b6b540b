// The medal rules: thresholds, story conditions, mission medals and announcing each medal once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "combat/medals.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "support/traced_test.h"
#include "support/virtual_clock.h"

namespace {

class Medals : public Traced_Walk_Test {
protected:
    void SetUp() override {
        Traced_Walk_Test::SetUp();
        p1_id = 0;
        std::memset(global_medals, 0, sizeof(global_medals));
    }
    int Announced() const { return Count("Medal_Awarded"); }
    static int Won() {
        int n = 0;
        for (int m : global_medals) n += m;
        return n;
    }
};

TEST_F(Medals, CounterThresholdsAreStrict) {
    struct Case { int* counter; int threshold; int entry; };
    const Case cases[] = {
        {&player_kill_count, 100, 0},         {&player_kill_count, 250, 1},
        {&player_kill_count, 500, 2},         {&player_kill_count, 1000, 3},
        {&player_knife_count, 100, 9},        {&player_soldier_kill_count, 250, 12},
        {&player_chief_kill_count, 50, 13},   {&player_mortar_kill_count, 50, 14},
        {&player_scout_kill_count, 250, 24},  {&player_ss_kill_count, 50, 25},
        {&player_dog_kill_count, 50, 26},     {&player_zombie_kill_count, 1000, 27},
    };
    for (const Case& c : cases) {
        std::memset(global_medals, 0, sizeof(global_medals));
        *c.counter = c.threshold - 1;
        Medal_Check();
        EXPECT_EQ(global_medals[c.entry], 0) << "entry " << c.entry << " one short";
        *c.counter = c.threshold;
        Medal_Check();
        EXPECT_EQ(global_medals[c.entry], 1) << "entry " << c.entry << " at threshold";
        *c.counter = 0;
    }
}

TEST_F(Medals, OneHundredKillsWinsOnlyTheFirstKillMedalAndAnnouncesItOnce) {
    player_kill_count = 100;
    Medal_Check();
    Medal_Check();
    EXPECT_EQ(global_medals[0], 1);
    EXPECT_EQ(Won(), 1);
    EXPECT_EQ(Announced(), 1);
    EXPECT_TRUE(firework_sfx);
    EXPECT_EQ(fireworks, p1_id);
}

TEST_F(Medals, StoryFlagsWinTheirMedals) {
    struct Case { const char* what; bool* flag; int entry; };
    const Case cases[] = {
        {"pigeons", &pigeon_finished, 8},
        {"cards", &has_all_cards, 35},
        {"furniture", &has_all_furniture, 23},
    };
    for (const Case& c : cases) {
        std::memset(global_medals, 0, sizeof(global_medals));
        *c.flag = true;
        Medal_Check();
        EXPECT_EQ(global_medals[c.entry], 1) << c.what;
        EXPECT_EQ(Won(), 1) << c.what;
        *c.flag = false;
    }
    global_objects[44] = 1;
    std::memset(global_medals, 0, sizeof(global_medals));
    Medal_Check();
    EXPECT_EQ(global_medals[15], 1);
    EXPECT_EQ(Won(), 1);
}

TEST_F(Medals, BottleMedalNeedsBottlesInTheScene) {
    total_no_bottles = 0;
    bottle_count = 0;
    Medal_Check();
    EXPECT_EQ(global_medals[11], 0) << "a scene without bottles";
    total_no_bottles = 4;
    bottle_count = 3;
    Medal_Check();
    EXPECT_EQ(global_medals[11], 0);
    bottle_count = 4;
    Medal_Check();
    EXPECT_EQ(global_medals[11], 1);
}

TEST_F(Medals, LightsMedalOnlyInItsSceneWithLights) {
    struct Case { int ep, sc, on, total; int won; };
    const Case cases[] = {
        {3, 3, 5, 5, 1}, {3, 3, 6, 5, 1}, {3, 3, 4, 5, 0},
        {3, 3, 0, 0, 0},  // no lights in the scene
        {3, 2, 5, 5, 0},  {2, 3, 5, 5, 0},
    };
    for (const Case& c : cases) {
        std::memset(global_medals, 0, sizeof(global_medals));
        episode = c.ep;
        scene = c.sc;
        no_lights_on = c.on;
        total_light_count = c.total;
        Medal_Check();
        EXPECT_EQ(global_medals[10], c.won) << c.ep << "/" << c.sc << " " << c.on << " of " << c.total;
    }
}

TEST_F(Medals, ReportedMissionsWinTheirHearts) {
    const int mission_entry[][2] = {{2, 4},   {3, 5},   {4, 6},   {6, 7},   {7, 16},  {8, 17},
                                    {9, 18},  {10, 19}, {11, 28}, {12, 29}};
    for (const auto& m : mission_entry) {
        std::memset(global_medals, 0, sizeof(global_medals));
        std::memset(main_mission, 0, sizeof(main_mission));
        main_mission[m[0]] = 1;  // accomplished but not yet reported
        Medal_Check();
        EXPECT_EQ(Won(), 0) << "mission " << m[0] << " accomplished";
        main_mission[m[0]] = 3;
        Medal_Check();
        EXPECT_EQ(global_medals[m[1]], 1) << "mission " << m[0];
        EXPECT_EQ(Won(), 1) << "mission " << m[0];
    }
}

TEST_F(Medals, TheLastMissionAnnouncesTwoMedalsInOneFrame) {
    main_mission[13] = 3;
    Medal_Check();
    EXPECT_EQ(global_medals[30], 1);
    EXPECT_EQ(global_medals[31], 1);
    EXPECT_EQ(Announced(), 2);
}

TEST_F(Medals, MedalsLoadedAsWonAreNotAnnouncedAgain) {
    global_medals[0] = 1;
    global_medals[30] = 1;
    player_kill_count = 300;
    main_mission[13] = 3;
    Medal_Check();
    EXPECT_EQ(Announced(), 2) << "only the silver star and the perfect heart are new";
    EXPECT_EQ(global_medals[1], 1);
    EXPECT_EQ(global_medals[31], 1);
    EXPECT_EQ(Won(), 4);
}

TEST_F(Medals, EntriesWithoutARuleAreNeverWon) {
    player_kill_count = player_knife_count = 5000;
    player_soldier_kill_count = player_chief_kill_count = player_mortar_kill_count = 5000;
    player_scout_kill_count = player_ss_kill_count = player_dog_kill_count = 5000;
    player_zombie_kill_count = 5000;
    pigeon_finished = has_all_cards = has_all_furniture = true;
    total_no_bottles = bottle_count = 1;
    episode = scene = 3;
    no_lights_on = total_light_count = 1;
    for (int m = 0; m < 25; ++m) main_mission[m] = 3;
    global_objects[44] = 1;
    Medal_Check();
    for (int e : {20, 21, 22, 32, 33, 34}) EXPECT_EQ(global_medals[e], 0) << "entry " << e;
    for (int e = 36; e < 48; ++e) EXPECT_EQ(global_medals[e], 0) << "entry " << e;
    EXPECT_EQ(Won(), 30);
    EXPECT_EQ(Announced(), 30);
}

}  // namespace
