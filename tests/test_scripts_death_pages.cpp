// The death pages: their durations and cues, the count of deaths and the snapshots they
// delete, the Skip button, and the revival in the camp.
#include "test_scripts_page_fixture.h"

#include <filesystem>
#include <string>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "scripts/camp_pages.h"
#include "scripts/scripts.h"
#include "support/work_dir.h"

namespace {

namespace fs = std::filesystem;

const char* const SNAP20 = "scene/episode3/scene20.tmp";
const char* const SNAP21 = "scene/episode3/scene21.tmp";
const char* const SNAP23 = "scene/episode3/scene23.tmp";

class Death_Pages : public Script_Page {
protected:
    Work_Dir dir{"varnoth_death_pages"};

    void SetUp() override {
        Script_Page::SetUp();
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(main_mission, 0, sizeof main_mission);
        current_main = 0;
        current_act = 1;
        player_death_count = 0;
        stat_vitality = 30;
        ply_had_died = false;
        duck_guy = -1;
        stamp_timer = 0;
        tank1_sfx = cash_sfx = stolen_sfx = tada_sfx = beam_sfx = whistle_sfx = boss_sfx = false;
        for (const char* f : {SNAP20, SNAP21, SNAP23}) Write_Text_File(f, "snapshot\n");
    }
    // The page's first call: the loader's for the pages without a brightness term, the first
    // bright main tick for 0/8 and 0/17.
    static void Start_Page(int s) {
        Enter(0, s);
        Run_Scripts(1);
    }
    static void Expect_Revived_In(int e, int s) {
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, e);
        EXPECT_EQ(scene, s);
        EXPECT_EQ(current_spawn, 0);
        EXPECT_TRUE(ply_had_died);
    }
};

TEST_F(Death_Pages, EachPageRunsItsLengthCountsTheDeathAndRevives) {
    struct Case { int s; int length; int steps; };
    const Case cases[] = {{8, 10000, 5}, {14, 8000, 5}, {15, 9000, 6}, {16, 9000, 3}, {17, 12000, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        player_death_count = 4;
        next_scene = false;
        Write_Text_File(SNAP20, "snapshot\n");
        Start_Page(c.s);
        EXPECT_EQ(player_death_count, 5);
        EXPECT_FALSE(fs::exists(SNAP20));
        const int took = Ticks_Until_Request(1, 20000);
        // Each timed step fires 1 ms past its due time.
        EXPECT_GE(took, c.length);
        EXPECT_LE(took, c.length + c.steps);
        Expect_Revived_In(1, 25);
        EXPECT_EQ(player_death_count, 5) << "one death, counted once";
        EXPECT_FALSE(mouseleft);
    }
    EXPECT_TRUE(fs::exists(SNAP21));
    EXPECT_TRUE(fs::exists(SNAP23));
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
}

TEST_F(Death_Pages, BrightnessTermDecidesWhenThePageStarts) {
    fade = 0.0f;  // as the scene loader leaves it
    Start_Page(8);
    EXPECT_EQ(title_sequence, 0);
    EXPECT_EQ(player_death_count, 0);
    Start_Page(17);
    EXPECT_EQ(title_sequence, 0);
    for (int s : {14, 15, 16}) {
        Start_Page(s);
        EXPECT_EQ(title_sequence, 1) << s;
    }
    EXPECT_EQ(player_death_count, 3);
    fade = 0.7f;
    Start_Page(8);
    EXPECT_EQ(title_sequence, 1);
}

TEST_F(Death_Pages, GraveStoneRestoresHealthAndChoosesTentOrBurningCamp) {
    struct Case { int vitality; char flag90; int act; char flag32; int health; int e, s; };
    const Case cases[] = {
        {30, 1, 1, 0, 130, 1, 25},  // act 1: always the tent
        {30, 0, 2, 0, 90, 1, 48},   // acts 2 to 4 while flag 32 is 0: the burning camp
        {10, 0, 3, 1, 70, 1, 25},
        {0, 1, 4, 0, 100, 1, 48},
        {5, 2, 2, 1, 65, 1, 25},    // flag 90 counts only when it is 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " vitality " << c.vitality);
        stat_vitality = c.vitality;
        global_objects[90] = c.flag90;
        global_objects[32] = c.flag32;
        current_act = c.act;
        next_scene = false;
        ply_had_died = false;
        player_health = 1.0f;
        GraveStone();
        EXPECT_EQ(PLY_VITALITY, c.health);
        EXPECT_FLOAT_EQ(player_health, (float)c.health);
        EXPECT_EQ(old_health, c.health);
        Expect_Revived_In(c.e, c.s);
    }
}

TEST_F(Death_Pages, HighlandersSnapshotGoesOnlyWhileThatMissionIsUnderWay) {
    struct Case { int current; int state; bool removed; };
    const Case cases[] = {{5, 2, true}, {5, 1, false}, {5, 3, false}, {4, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.current << "/" << c.state);
        Write_Text_File(SNAP23, "snapshot\n");
        Write_Text_File(SNAP20, "snapshot\n");
        current_main = c.current;
        main_mission[5] = c.state;
        main_mission[4] = c.state;
        global_objects[20] = 1;
        Start_Page(14);
        EXPECT_EQ(fs::exists(SNAP23), !c.removed);
        EXPECT_EQ(global_objects[20], c.removed ? 0 : 1);
        EXPECT_FALSE(fs::exists(SNAP20));
        EXPECT_TRUE(fs::exists(SNAP21));
    }
}

TEST_F(Death_Pages, MissingSnapshotsAreNoError) {
    fs::remove_all("scene");
    current_main = 5;
    main_mission[5] = 2;
    Start_Page(16);
    EXPECT_EQ(player_death_count, 1);
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
}

TEST_F(Death_Pages, SkipRevivesAtAnyStepAndCountsTheDeathOnce) {
    // Before the first step: a click pending when 0/8 turns bright.
    Button(4);
    Click_On_Button();
    Start_Page(8);
    EXPECT_EQ(player_death_count, 1) << "the death still counts";
    EXPECT_FALSE(fs::exists(SNAP20));
    Expect_Revived_In(1, 25);
    EXPECT_FALSE(mouseleft);
    EXPECT_STREQ(counter[5].word, "Skip^scene");

    // In the middle of 0/15.
    Write_Text_File(SNAP20, "snapshot\n");
    Mouse(-100.0f, -100.0f);
    ply_had_died = false;
    Start_Page(15);
    EXPECT_EQ(player_death_count, 2);
    Tick(5000);
    EXPECT_EQ(title_sequence, 2);
    Click_On_Button();
    Tick(16);
    EXPECT_EQ(player_death_count, 2);
    Expect_Revived_In(1, 25);
}

TEST_F(Death_Pages, HiddenSkipOffersNothing) {
    Button(4);
    sprite[4].alpha = 0.5f;
    Click_On_Button();
    Start_Page(14);
    Tick(16);
    EXPECT_FALSE(next_scene);
    EXPECT_TRUE(mouseleft);
    EXPECT_STREQ(counter[5].word, "");
    EXPECT_FALSE(radio_sfx);
}

TEST_F(Death_Pages, TankPageMovesItsTankAndStartsTheDuckOnlyWhenThereIsOne) {
    for (int duck : {-1, 12, 900}) {
        SCOPED_TRACE(duck);
        duck_guy = duck;
        sprite[12].anim = 0;
        sprite[3].x = 10.0f;
        cash_sfx = tank1_sfx = false;
        Start_Page(8);
        Tick(1501);
        EXPECT_TRUE(tank1_sfx);
        const float x = sprite[3].x;
        Tick(1000);
        EXPECT_NEAR(sprite[3].x, x - 1000 * 0.0014f, 1e-4) << "it moves left in step 2";
        Tick(501);
        EXPECT_TRUE(cash_sfx);
        EXPECT_EQ(sprite[12].anim, duck == 12 ? 1 : 0);
        next_scene = true;  // end the page here
    }
}

TEST_F(Death_Pages, BeamPageSoundsEvery750MsFromTheCallAfterItsSecondStep) {
    sprite[2].y = 1.0f;
    sprite[5].x = 1.0f;
    Start_Page(15);
    EXPECT_FLOAT_EQ(sprite[6].alpha, 0.0f);
    Tick(4500);
    EXPECT_NEAR(sprite[5].x, 1.0f + 4.5f, 0.01) << "sprite 5 moves during step 1";
    Tick(1);
    EXPECT_FLOAT_EQ(sprite[6].alpha, 0.8f);
    EXPECT_FLOAT_EQ(sprite[7].alpha, 0.3f);
    EXPECT_FALSE(beam_sfx) << "the beam starts on the next call";
    Tick(1);
    EXPECT_TRUE(beam_sfx);
    beam_sfx = false;
    Tick(500);
    EXPECT_EQ(title_sequence, 4) << "step 3 runs in the same call as step 2";
    EXPECT_TRUE(stolen_sfx);
    EXPECT_EQ(sprite[2].anim, 1);
    int beams = 0;
    for (int t = 0; t < 3000; ++t) {
        Tick(1);
        if (beam_sfx) ++beams;
        beam_sfx = false;
    }
    EXPECT_EQ(beams, 4);  // every 751 ms
    EXPECT_GT(sprite[2].y, 1.0f);
}

TEST_F(Death_Pages, OldStampTimerDelaysTheFirstBeam) {
    stamp_timer = 1000 + 4500 + 2000;
    Start_Page(15);
    Tick(4501);
    Tick(1);
    EXPECT_FALSE(beam_sfx);
    const int took = [] {
        int t = 0;
        while (!beam_sfx && t < 5000) { Tick(1); ++t; }
        return t;
    }();
    EXPECT_NEAR(took, 2000 - 2, 2);
}

}  // namespace
