// The return to camp with its choice of hub and spawn point, the briefings with a timer, the
// alarm briefing, the armed briefings and story pages, the course briefing and the act end.
#include "test_scripts_page_fixture.h"

#include <filesystem>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "scripts/camp_pages.h"
#include "support/work_dir.h"

namespace {

class Briefings : public Script_Page {
protected:
    void SetUp() override {
        Script_Page::SetUp();
        current_act = 1;
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(main_mission, 0, sizeof main_mission);
        stats_episode = 2;
        stats_scene = 1;
        click_sfx = stolen_sfx = chop_sfx = ping_sfx = siren_sfx = death_sfx = false;
        stop_siren = false;
        stop_woods_sfx = stop_waves_sfx = stop_wind_sfx = stop_airplane_sfx = 0;
    }
    static void Expect_Request(int e, int s, int spawn) {
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, e);
        EXPECT_EQ(scene, s);
        EXPECT_EQ(current_spawn, spawn);
    }
};

TEST_F(Briefings, EveryPageIsPluggedInUnderItsBlockNumber) {
    const struct { int number; script_body body; } cases[] = {
        {5, Camp_Return_Block},   {6, Briefing_64_Block},    {7, Briefing_82_Block},
        {8, Act_End_Block},       {9, Briefing_117_Block},   {10, Briefing_118_Block},
        {11, Briefing_124_Block}, {12, Briefing_142_Block},  {13, Story_Page_119_Block},
        {14, Story_Page_138_Block}, {15, Briefing_120_Block}, {16, Briefing_121_Block},
        {17, Alarm_Briefing_Block}, {18, Pacing_Figure_Block}, {19, Burning_Camp_Block},
        {20, Album_Card_Block},   {21, Sleep_Page_Block},    {91, Death_Page_8_Block},
        {92, Death_Page_14_Block}, {93, Death_Page_15_Block}, {94, Death_Page_16_Block},
        {95, Death_Page_17_Block},
    };
    for (const auto& c : cases) EXPECT_EQ(Script_Block_Body(c.number), c.body) << c.number;
}

TEST_F(Briefings, ReturnToCampChoosesHubAndSpawnByActFlagAndOrigin) {
    struct Case { int act; char flag32; int from_e, from_s; int e, s, spawn; };
    const Case cases[] = {
        {1, 0, 3, 14, 2, 0, 10},   // act 1 always reaches the hub, second entrance
        {1, 0, 3, 4, 2, 0, 1},     // from 3/4: first entrance
        {1, 0, 2, 5, 2, 0, 10},
        {2, 1, 3, 23, 2, 3, 10},
        {3, 1, 2, 4, 2, 10, 1},
        {4, 1, 3, 9, 2, 11, 10},
        {2, 0, 2, 5, 1, 48, 10},   // burning camp while flag 32 is 0, spawn kept
        {4, 0, 3, 1, 1, 48, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " from " << c.from_e << "/" << c.from_s);
        current_act = c.act;
        global_objects[32] = c.flag32;
        stats_episode = c.from_e;
        stats_scene = c.from_s;
        Enter(1, 143);
        Tick(16);  // step 0
        EXPECT_EQ(stop_woods_sfx + stop_waves_sfx + stop_wind_sfx + stop_airplane_sfx, 4);
        Advance_Ms(4000);
        Run_Scripts(16);
        EXPECT_FALSE(next_scene) << "due time equal to now waits";
        Tick(1);
        Expect_Request(c.e, c.s, c.spawn);
        EXPECT_EQ(fade_out, 0) << "the timed exit keeps the fade speed";
        EXPECT_EQ(title_sequence, 2);
    }
}

TEST_F(Briefings, ReturnToCampWaitsForBrightnessAndSkipLeavesFasterAtOnce) {
    Button(0);
    Enter(1, 143);
    fade = 0.5f;
    Tick(16);
    EXPECT_EQ(title_sequence, 0) << "not bright enough yet";
    fade = 0.7f;
    Tick(16);
    EXPECT_EQ(title_sequence, 1);
    Mouse(1.5f, 1.25f);
    Tick(16);
    EXPECT_STREQ(counter[5].word, "Skip^scene");
    EXPECT_TRUE(radio_sfx);
    EXPECT_FALSE(next_scene);
    mouseleft = true;
    Tick(16);
    Expect_Request(2, 0, 1);
    EXPECT_EQ(fade_out, 10);
    EXPECT_EQ(c_fade_out, 10);
    EXPECT_TRUE(mouseleft) << "this page leaves the click pending";
}

TEST_F(Briefings, TimedBriefingsLeaveByTimerOrByTheStartButton) {
    struct Case { int s, wait, e, to, spawn; };
    const Case cases[] = {{64, 6000, 2, 3, 0}, {117, 6000, 2, 11, 0}, {82, 3000 + 400 + 3000, 2, 10, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        Enter(1, c.s);
        Run_Scripts(1);  // the loader's call
        const int took = Ticks_Until_Request(1, 20000);
        EXPECT_GE(took, c.wait);
        EXPECT_LE(took, c.wait + 3);
        Expect_Request(c.e, c.to, c.spawn);
        EXPECT_FALSE(click_sfx);

        Button(2);
        Enter(1, c.s);
        Run_Scripts(1);
        Click_On_Button();
        Tick(16);
        Expect_Request(c.e, c.to, c.spawn);
        EXPECT_TRUE(click_sfx);
        EXPECT_FALSE(mouseleft);
        EXPECT_STREQ(counter[5].word, "Start^the_fight!");
        click_sfx = false;
        sprite[2].alpha = 0.0f;
        Mouse(-100.0f, -100.0f);
    }
}

TEST_F(Briefings, BriefingWithAShortScenePlaysItsCuesInOrder) {
    Enter(1, 82);
    Run_Scripts(1);
    Tick(3000);
    EXPECT_FALSE(stolen_sfx);
    Tick(1);
    EXPECT_TRUE(stolen_sfx);
    EXPECT_TRUE(chop_sfx);
    EXPECT_EQ(sprite[4].anim, 1);
    EXPECT_EQ(sprite[4].anim_state, ANIM_ONCE);
    Tick(401);
    EXPECT_TRUE(ping_sfx);
    EXPECT_EQ(sprite[4].anim, 2);
    EXPECT_FALSE(next_scene);
}

TEST_F(Briefings, AlarmBriefingSlidesInAndOutThenGoesToTheHub) {
    current_act = 3;
    sprite[6].y = 2.0f;
    sprite[6].height = 0.5f;
    Enter(1, 51);
    Run_Scripts(1);
    EXPECT_FLOAT_EQ(sprite[6].y, 1.5f);
    Advance_Ms(2001);
    Run_Scripts(1);
    EXPECT_TRUE(siren_sfx);
    EXPECT_EQ(sprite[5].anim, 1);
    EXPECT_EQ(title_sequence, 2);
    // 0.5 units at 0.0002 per ms: 2500 ms of slide in.
    int t = 0;
    while (title_sequence == 2 && t < 5000) {
        Tick(50);
        t += 50;
        EXPECT_LE(sprite[6].y, 2.0f);
    }
    EXPECT_NEAR(t, 2500, 100);
    EXPECT_FLOAT_EQ(sprite[6].y, 2.0f);
    EXPECT_TRUE(death_sfx);
    EXPECT_TRUE(stop_siren);
    EXPECT_EQ(sprite[5].anim, 2);
    EXPECT_EQ(sprite[6].anim, 1);
    Tick(1999);
    EXPECT_FLOAT_EQ(sprite[6].y, 2.0f) << "the slide out waits 2000 ms";
    const int out = Ticks_Until_Request(50, 5000);
    EXPECT_NEAR(out, 2500, 100);
    EXPECT_LE(sprite[6].y, 1.5f + 0.0001f);
    Expect_Request(2, 10, 0);
}

TEST_F(Briefings, AlarmBriefingStartButtonLeavesAtOnceAndStopsTheSiren) {
    current_act = 2;
    Button(2);
    Enter(1, 51);
    Run_Scripts(1);
    Tick(2001);
    Tick(50);
    EXPECT_TRUE(siren_sfx);
    Click_On_Button();
    Tick(16);
    Expect_Request(2, 3, 0);
    EXPECT_TRUE(stop_siren);
    EXPECT_TRUE(click_sfx);
    EXPECT_FALSE(mouseleft);
}

TEST_F(Briefings, ArmedPagesDropEarlyClicksThenMakeTheirRequest) {
    struct Case { int s; int act; const char* caption; int e, to, spawn, mission; };
    const Case cases[] = {
        {118, 1, "Start^the_fight!", 2, 0, 30, 5},  {139, 2, "Start^the_fight!", 2, 3, 30, 5},
        {124, 3, "Start^the_fight!", 2, 10, 4, 5},  {142, 4, "Start^the_fight!", 2, 11, 4, 5},
        {121, 3, "Start^the_fight!", 2, 10, 4, 10}, {119, 1, "Skip^Page", 1, 120, -7, 5},
        {138, 2, "Skip^Page", 3, 1, 7, 5},          {140, 2, "Skip^Page", 3, 1, 7, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        current_act = c.act;
        new_mission = 5;
        current_spawn = -7;
        click_sfx = false;
        Button(1);
        Enter(1, c.s);
        Click_On_Button();  // a press still pending from the page before
        Run_Scripts(1);
        EXPECT_FALSE(next_scene);
        EXPECT_FALSE(mouseleft) << "the early click is used up";
        EXPECT_STREQ(counter[5].word, c.caption);
        Advance_Ms(500);
        mouseleft = true;
        Run_Scripts(16);
        EXPECT_FALSE(next_scene) << "500 ms is not yet past";
        EXPECT_FALSE(mouseleft);
        Advance_Ms(1);
        mouseleft = true;
        Run_Scripts(16);
        Expect_Request(c.e, c.to, c.spawn);
        EXPECT_TRUE(click_sfx);
        EXPECT_EQ(new_mission, c.mission);
        EXPECT_EQ(sprite[1].anim, 0);
        Mouse(-100.0f, -100.0f);
    }
}

TEST_F(Briefings, CourseBriefingStartsAtTheSpawnOfTheMissionState) {
    struct Case { int current; int state; int spawn; };
    const Case cases[] = {{4, 2, 6}, {4, 1, 1}, {0, 0, 1}, {25, 2, 1}, {-1, 2, 1}, {1000, 2, 1}};
    Button(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        std::memset(main_mission, 0, sizeof main_mission);
        if (c.current >= 0 && c.current < 25) main_mission[c.current] = c.state;
        current_main = c.current;
        on_course = false;
        Enter(1, 120);
        Run_Scripts(1);
        EXPECT_FALSE(next_scene) << "no timed exit";
        Click_On_Button();
        Tick(16);
        Expect_Request(3, 1, c.spawn);
        EXPECT_TRUE(on_course);
        EXPECT_FALSE(mouseleft);
    }
}

TEST_F(Briefings, ActEndMovesToActFourSavesWhenASlotIsOpenAndRestartsTheTitle) {
    Work_Dir dir("varnoth_act_end");
    for (int slot : {-1, 3}) {
        SCOPED_TRACE(slot);
        current_file = slot;
        current_act = 3;
        activate_bicycle = true;
        Enter(1, 116);
        Run_Scripts(1);
        EXPECT_FALSE(activate_bicycle);
        EXPECT_EQ(stop_wind_sfx, 1);
        EXPECT_EQ(stop_airplane_sfx, 1);
        Tick(8000);
        EXPECT_FALSE(next_scene);
        Tick(1);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, 0);
        EXPECT_EQ(current_act, 4);
        EXPECT_EQ(main_mission[MISSION_SILO], 3);
        EXPECT_EQ(std::filesystem::exists("data/save/savefile3.sav"), slot == 3);
    }
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
    current_file = -1;
}

}  // namespace
