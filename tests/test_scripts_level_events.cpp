// The level events of episode 2 (camp markers, highway silo stages, the village and farm
// destruction missions, the fortress) and the convoy escort.
#include "test_scripts_level_fixture.h"
#include "world/world_clock.h"

namespace {

using LevelEvents = LevelScene;

TEST_F(LevelEvents, EveryLevelBlockHasABody) {
    for (int n : {57, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82,
                  83, 84, 85, 86, 87, 88, 89, 101, 103, 105, 106, 107, 108, 109, 110, 125}) {
        EXPECT_NE(Script_Block_Body(n), nullptr) << n;
    }
}

TEST_F(LevelEvents, CampMarkersFollowTheAcceptedMissions) {
    struct Case {
        int scene, mission, flag41, main_state;
        int point, arrow;
    };
    const Case cases[] = {
        {3, 7, 0, 0, 26, 17},   {3, 8, 0, 0, 26, 17},  {3, 9, 0, 0, 26, 17},
        {3, 9, 1, 0, 30, 26},   {3, 10, 0, 0, 30, 26}, {3, 9, 1, 1, 30, 91},
        {10, 11, 0, 0, 26, 17}, {10, 13, 0, 0, 31, 49}, {10, 12, 0, 1, 26, 91},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scene " << c.scene << " mission " << c.mission);
        std::memset(main_mission, 0, sizeof main_mission);
        for (int k : {26, 30, 31}) points[k].active = true;
        main_mission[c.mission] = 2;
        global_objects[41] = (char)c.flag41;
        current_main = 4;
        main_mission[4] = c.main_state;
        arrow_point = -1;
        Enter(2, c.scene);
        Tick();
        for (int k : {26, 30, 31}) {
            bool cleared_here = c.scene == 3 ? k != 31 : k != 30;
            if (cleared_here) {
                EXPECT_EQ(Marked(k), k == c.point) << k;
            }
        }
        EXPECT_EQ(arrow_point, c.arrow);
    }
    // A camp fades in before its markers change.
    fade = 0.5f;
    arrow_point = -1;
    Tick();
    EXPECT_EQ(arrow_point, -1);
}

TEST_F(LevelEvents, HighwayMarksTheNextSiloStageAndClearsTheDoneOnes) {
    struct Case {
        int done;  // flags 53.. set to 1
        int point;
    };
    const Case cases[] = {{0, 2}, {1, 4}, {2, 5}, {3, 7}, {4, 10}, {5, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.done);
        std::memset(global_objects, 0, sizeof global_objects);
        for (int i = 0; i < c.done; ++i) global_objects[53 + i] = 1;
        main_mission[MISSION_SILO] = 2;
        for (int k : {0, 145, 181, 233, 234, 235, 236, 237, 238, 239}) sprite[k] = {};
        title_sequence = 0;
        Enter(2, 1);
        Tick();
        for (int k : {2, 4, 5, 7, 10}) EXPECT_EQ(Marked(k), k == c.point) << k;
        EXPECT_EQ(sprite[181].mouseover, c.point == 4);
        EXPECT_FALSE(sprite[145].mouseover);  // the silo mission shows it
        const int hidden[] = {233, 235, 237, 239};
        const int stopped[] = {0, 234, 236, 238};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(sprite[hidden[i]].mouseover, i < c.done) << hidden[i];
            EXPECT_EQ(sprite[stopped[i]].moving, i >= c.done) << stopped[i];
        }
        EXPECT_EQ(stop_airplane_sfx, 1);
        EXPECT_EQ(title_sequence, 1);
    }
    // Without the mission no marker, sprite 145 hidden.
    main_mission[MISSION_SILO] = 0;
    title_sequence = 0;
    sprite[145] = {};
    Tick();
    EXPECT_TRUE(sprite[145].mouseover);
    for (int k : {2, 4, 5, 7, 10}) EXPECT_FALSE(Marked(k));
}

TEST_F(LevelEvents, VillageLastTargetCompletesRevengeAtOnceAndTheRemarkFollows) {
    Enter(2, 2);
    main_mission[MISSION_REVENGE] = 2;
    global_medals[20] = global_medals[22] = 1;  // no medal talk in the way
    global_objects[36] = global_objects[37] = global_objects[38] = 1;
    for (int k : {336, 337, 338, 10}) sprite[k].score = 0;
    sprite[10].score = 50;
    Tick();
    EXPECT_TRUE(Marked(37));  // sprite 10 still stands
    EXPECT_FALSE(Marked(35));
    EXPECT_EQ(main_mission[MISSION_REVENGE], 2);

    sprite[10].score = 0;
    Tick();
    EXPECT_EQ(exploding_id, 10);
    EXPECT_EQ(exploding_count, 2);
    EXPECT_EQ(exploding_type, 1);
    EXPECT_EQ(global_objects[39], 1);
    EXPECT_EQ(main_mission[MISSION_REVENGE], 1);
    EXPECT_TRUE(Posing());
    EXPECT_EQ(sprite[p1_id].all_timer, Now() + 4000);
    EXPECT_EQ(Calls("Display_Message"), 0);  // no "Got_it!"
    EXPECT_FALSE(Marked(37));

    Tick(1600);
    EXPECT_EQ(Calls("Display_Message"), 0);  // due, not yet past
    Tick(1);
    Tick();
    EXPECT_EQ(old_message, MSG_EXPLODE);
    EXPECT_FALSE(speak_txt);
}

TEST_F(LevelEvents, VillageSetUpCountsTotalsAndShowsEarlierDamage) {
    Enter(2, 2);
    const int doors[][2] = {{20, 1}, {21, 2}, {22, 16}, {23, 0}, {24, 3}};
    for (const auto& d : doors) {
        sprite[d[0]].type = DOR;
        sprite[d[0]].sector_action = d[1];
    }
    for (int k : {30, 31}) {
        sprite[k].type = BAG;
        sprite[k].sector = k == 30 ? SEAGULL : SEAGULL2;
    }
    sprite[32].type = BAG;
    sprite[32].sector = COW;
    for (int k : {336, 338, 10}) sprite[k].score = 10;
    global_objects[37] = 1;
    sprite[337].score = 0;  // destroyed before: not blown up again
    global_objects[40] = 1;
    main_mission[MISSION_NUN] = 3;
    main_mission[MISSION_TRENCH] = 2;
    doors_kill_count = 3;
    village_crow_kill_count = 1;
    Tick();
    EXPECT_EQ(total_doors_count, 3);
    EXPECT_EQ(total_village_crow_count, 2);
    EXPECT_EQ(global_medals[20], 1);
    EXPECT_EQ(global_medals[22], 0);
    EXPECT_EQ(exploding_id, -1);
    EXPECT_EQ(sprite[337].anim, sprite[337].base_anim + 1);
    EXPECT_EQ(sprite[333].type, LAD);
    EXPECT_TRUE(sprite[335].mouseover && sprite[335].turn_off);
    EXPECT_TRUE(sprite[340].mouseover && sprite[340].turn_off);
    EXPECT_TRUE(Marked(39));
    for (int k : {338, 10, 336, 337}) EXPECT_TRUE(sprite[k].moving);
}

TEST_F(LevelEvents, FarmsLastTargetGivesNoRemarkAndThePoseAtOnce) {
    Enter(2, 9);
    fade = 0.0f;  // the farms wait for no fade
    main_mission[MISSION_RADAR] = 2;
    for (int k : {320, 321, 322}) sprite[k].score = 10;
    Tick();
    EXPECT_TRUE(Marked(4) && Marked(3) && Marked(2));

    sprite[320].score = 0;
    Tick();
    EXPECT_TRUE(speak_txt);  // two left
    EXPECT_EQ(exploding_count, 8);
    EXPECT_FALSE(Marked(4));
    Tick(1601);
    Tick();
    EXPECT_EQ(old_message, MSG_EXPLODE);

    sprite[321].score = 0;
    sprite[322].score = 0;
    Tick();
    EXPECT_EQ(global_objects[51], 1);
    EXPECT_EQ(global_objects[52], 1);
    EXPECT_TRUE(speak_txt);  // 321 fell while 322 still stood
    EXPECT_EQ(main_mission[MISSION_RADAR], 1);
    EXPECT_EQ(sprite[p1_id].all_timer, Now() + 3000);

    // A single last target: no remark.
    std::memset(global_objects, 0, sizeof global_objects);
    global_objects[50] = global_objects[51] = 1;
    main_mission[MISSION_RADAR] = 2;
    speak_txt = false;
    sprite[322].score = 0;
    Tick();
    EXPECT_FALSE(speak_txt);
    EXPECT_EQ(main_mission[MISSION_RADAR], 1);
}

TEST_F(LevelEvents, FortressCompletesTrenchOnceAndHidesTheGateAtNight) {
    Enter(2, 8);
    main_mission[MISSION_TRENCH] = 2;
    main_mission[MISSION_FORTRESS] = 2;
    global_objects[42] = 1;
    daytime = true;
    Tick();
    EXPECT_EQ(main_mission[MISSION_TRENCH], 1);
    EXPECT_EQ(old_message, SUCCESS);
    EXPECT_EQ(sprite[8].type, LAD);
    EXPECT_TRUE(Marked(2));
    EXPECT_TRUE(sprite[7].mouseover);
    EXPECT_FALSE(sprite[0].moving);
    // Reload: the tunnel reopens, the mission does not complete again.
    title_sequence = 0;
    int calls = Calls("Display_Message");
    Tick();
    EXPECT_EQ(Calls("Display_Message"), calls);
    daytime = false;
    Tick();
    EXPECT_FALSE(sprite[7].mouseover);
    EXPECT_TRUE(sprite[0].moving);
}

class Convoy : public LevelScene {
protected:
    void SetUp() override {
        LevelScene::SetUp();
        Level = LVL_CONVOY;
        episode = 3;
        scene = 4;
        a_vehicle = 50;
        a_patrol_pnt = 3;
        points[3].x = 9.0f;
        points[3].y = 7.0f;
        trigger_hit = -1;
        success_condition = fail_condition = 0;
        object& v = sprite[50];
        v.x = 2.0f;
        v.y = 3.0f;
        v.width = 1.0f;
        v.height = 0.5f;
        v.score = 100;
        v.sector = UNIT_VEHICLE;
        v.type = UNT;
    }
    void TearDown() override {
        Level = 0;
        a_vehicle = -1;
        a_patrol_pnt = -1;
        LevelScene::TearDown();
    }
};

TEST_F(Convoy, DepartsAfterThePauseAndSucceedsAtTheGoalSwitch) {
    Tick();
    EXPECT_EQ(title_sequence, 1);
    EXPECT_FLOAT_EQ(sprite[50].end_x, 9.0f);
    EXPECT_FLOAT_EQ(sprite[50].mov_y, 7.0f);
    EXPECT_FLOAT_EQ(points[8].x, 2.5f);
    EXPECT_FLOAT_EQ(points[8].y, 3.25f);
    EXPECT_FALSE(sprite[50].training);
    Tick(5000);
    Tick();
    EXPECT_EQ(title_sequence, 1);
    Advance_Ms(1);
    Tick();
    EXPECT_EQ(title_sequence, 2);
    EXPECT_TRUE(sprite[50].training);
    EXPECT_EQ(old_message, MSG_VANMAN);

    trigger_hit = 12;  // another switch: four hits, once per touch
    Tick();
    EXPECT_EQ(Calls("Man_Shot"), 4);
    EXPECT_EQ(trigger_hit, -1);
    Tick();
    EXPECT_EQ(Calls("Man_Shot"), 4);

    sprite[50].score = 40;
    trigger_hit = 131;
    Tick();
    EXPECT_EQ(success_condition, 1);
    EXPECT_EQ(a_vehicle, -1);
    EXPECT_TRUE(sprite[50].mouseover && sprite[50].turn_off);
    EXPECT_EQ(Calls("Man_Shot"), 4);
}

// Once under way the lorry drives itself toward its destination, a vehicle mover's step a
// tick, and stops there; during the pause, and once destroyed, it stands.
TEST_F(Convoy, TheLorryDrivesToItsDestinationOnceUnderWay) {
    object& v = sprite[50];
    v.w = v.x, v.z = v.y, v.box_width = v.width, v.box_height = v.height;
    const auto centre = [&] { return std::pair{v.w + v.box_width / 2, v.z + v.box_height / 2}; };
    const auto left = [&] { return std::hypot(9.0f - centre().first, 7.0f - centre().second); };
    Tick(4000);  // the set-up: the pause begins
    const float start = left();
    Tick(1001);
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(left(), start) << "it drove during the pause";
    Tick();  // the departure, and its first step of the vehicle mover
    ASSERT_EQ(title_sequence, 2);
    EXPECT_NEAR(start - left(), 16 * 1.2f * 0.00016f, 1e-4f);
    EXPECT_FALSE(v.moving) << "left to the unit code to walk as well";
    for (int i = 0; i < 4000 && left() > 0.02f; ++i) Tick();
    EXPECT_LT(left(), 0.02f) << "it never came to its destination";
    const auto there = centre();
    for (int i = 0; i < 50; ++i) Tick();
    EXPECT_NEAR(centre().first, there.first, 0.01f);
    EXPECT_NEAR(centre().second, there.second, 0.01f);
    // Destroyed on the road, it stands where it fell.
    v.score = 0;
    Tick();
    ASSERT_GE(title_sequence, 100);
    const auto fell = centre();
    for (int i = 0; i < 20; ++i) Tick();
    EXPECT_EQ(centre(), fell);
}

TEST_F(Convoy, DestroyedDuringThePauseBlastsFourTimesThenFails) {
    Tick();
    sprite[50].score = 0;
    Tick();
    EXPECT_EQ(title_sequence, 100);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
    // The after-blasts wait for the pause's due time.
    for (int i = 0; i < 4; ++i) {
        Advance_Ms(i == 0 ? 5001 : 501);
        Tick();
        EXPECT_EQ(Calls("Shell_Landed"), 2 + i);
    }
    EXPECT_EQ(title_sequence, 104);
    EXPECT_EQ(fail_condition, 0);
    Advance_Ms(501);
    Tick();
    EXPECT_EQ(fail_condition, 1);
    EXPECT_EQ(title_sequence, 105);
    EXPECT_NE(old_message, MSG_VANMAN);  // the departure never came
    Advance_Ms(5000);
    Tick();
    EXPECT_EQ(Calls("Shell_Landed"), 5);
}

TEST_F(Convoy, RunsInWalkAndFrontModesOnly) {
    for (int mode : {MODE_WALK, MODE_FRONT, MODE_GAME, MODE_CINE}) {
        game_mode = mode;
        title_sequence = 0;
        Tick();
        EXPECT_EQ(title_sequence, mode == MODE_WALK || mode == MODE_FRONT ? 1 : 0) << mode;
    }
    // A vehicle index outside the scene is no vehicle.
    game_mode = MODE_WALK;
    title_sequence = 0;
    a_vehicle = 5000;
    Tick();
    EXPECT_EQ(title_sequence, 0);
}

}  // namespace
