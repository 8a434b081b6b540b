// The level events of the episode-3 coast: the bunkers of act 1, the beach hub's antennas,
// the cellar medal, the cave and the training ground; and the fortress interior and the
// missile complex: the lever puzzles, the vault guards, the dungeon and the control room.
#include "test_scripts_level_fixture.h"

namespace {

using CoastEvents = LevelScene;

// An enemy unit and the player's own side in a bunker.
void Bunker_Units() {
    player_type = 0;
    for (int k : {40, 41}) {
        sprite[k].type = UNT;
        sprite[k].linked_sprite = 1;
        sprite[k].score = 30;
    }
}

TEST_F(CoastEvents, BunkerEnteredLaterIsSweptAndNeverReports) {
    for (int act : {2, 3}) {
        SCOPED_TRACE(act);
        Bunker_Units();
        current_act = act;
        enemy_count = 2;
        title_sequence = 0;
        Enter(3, 5);
        Tick();
        EXPECT_EQ(enemy_count, 0);
        EXPECT_EQ(sprite[40].status, STATUS_DEAD);
        EXPECT_TRUE(sprite[41].turn_off);
        Tick(5000);
        Tick();
        EXPECT_EQ(global_objective[0], 0);
        EXPECT_EQ(Calls("Display_Message"), 0);
        EXPECT_EQ(title_sequence, 1);
    }
}

TEST_F(CoastEvents, BunkerEndsInThePoseOrTheMessageByItsPartner) {
    struct Case {
        int scene, objective, partner_set, pause;
        bool pose;
    };
    const Case cases[] = {
        {5, 0, 2, 1000, true}, {5, 0, -1, 1000, false}, {7, 2, 0, 1000, true},
        {6, 1, 0, 3000, false}, {6, 1, 2, 3000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scene " << c.scene << " partner " << c.partner_set);
        std::memset(global_objective, 0, sizeof global_objective);
        if (c.partner_set >= 0) global_objective[c.partner_set] = 1;
        trace.clear();
        lock_player = false;
        sprite[1].status = 0;
        door_open_sfx = false;
        title_sequence = 0;
        enemy_count = 1;
        Enter(3, c.scene);
        Tick();
        EXPECT_EQ(title_sequence, 1);
        EXPECT_EQ(std::string(counter[3].word), "1");
        enemy_count = 0;
        Tick();
        EXPECT_EQ(global_objective[c.objective], 1);
        Tick(c.pause);
        EXPECT_EQ(title_sequence, 2);  // due, not past
        Advance_Ms(1);
        Tick();
        EXPECT_EQ(title_sequence, 3);
        EXPECT_EQ(Posing(), c.pose);
        EXPECT_EQ(door_open_sfx, !c.pose);
        EXPECT_EQ(Calls("Display_Message"), c.pose ? 0 : 1);
        if (!c.pose) {
            EXPECT_EQ(old_message, MSG_CAPTURED);
        }
    }
}

TEST_F(CoastEvents, BunkerMessageWaitsForTheLockedPlayer) {
    Enter(3, 6);
    Tick();
    Tick(3001);
    lock_player = true;
    Tick(5000);
    Tick();
    EXPECT_EQ(title_sequence, 2);
    EXPECT_EQ(Calls("Display_Message"), 0);
    lock_player = false;
    Tick();
    EXPECT_EQ(old_message, MSG_CAPTURED);
    EXPECT_EQ(title_sequence, 3);
}

TEST_F(CoastEvents, BunkerShowsItsOpenedDoorOnEveryVisit) {
    Enter(3, 7);
    global_objects[23] = 1;
    global_objective[2] = 1;
    sprite[170].base_anim = 1;
    Tick();
    EXPECT_EQ(sprite[170].anim, 2);
    EXPECT_EQ(sprite[170].priority, 3);
}

TEST_F(CoastEvents, SecondAntennaCompletesSuppliesSilentlyWithThePose) {
    Enter(3, 3);
    current_main = 2;
    main_mission[2] = 2;
    Tick();
    EXPECT_EQ(sprite[177].score, 35);
    EXPECT_EQ(sprite[178].score, 35);
    EXPECT_TRUE(Marked(15) && Marked(16));
    EXPECT_EQ(title_sequence, 2);
    EXPECT_TRUE(waves_sfx);

    sprite[178].score = 0;
    Tick();
    EXPECT_EQ(old_message, MSG_ANTENNA);
    EXPECT_EQ(exploding_id, 178);
    EXPECT_FALSE(Marked(16));
    EXPECT_TRUE(Marked(15));
    int calls = Calls("Display_Message");
    arrow_point = 5;
    sprite[177].score = -3;
    Tick();
    EXPECT_EQ(Calls("Display_Message"), calls);
    EXPECT_EQ(exploding_id, 177);
    EXPECT_EQ(exploding_count, 0);
    EXPECT_EQ(main_mission[2], 1);
    EXPECT_TRUE(Posing());
    EXPECT_EQ(arrow_point, -1);
    EXPECT_FALSE(Marked(15));
}

TEST_F(CoastEvents, CellarMessageWaitsForTheFireworksAndComesOnce) {
    Enter(3, 13);
    sprite[1].type = UNT;  // the player is not counted
    for (int k : {5, 6}) sprite[k].type = UNT;
    cellar_kill_count = 2;
    global_medals[21] = 0;
    fireworks = 1;  // a burst already running
    Tick();
    EXPECT_EQ(total_cellar_count, 2);
    EXPECT_EQ(global_medals[21], 1);
    EXPECT_EQ(global_objects[88], 0);
    fireworks = -1;
    int calls = Calls("Display_Message");
    Tick();
    EXPECT_EQ(global_objects[88], 1);
    EXPECT_EQ(Calls("Display_Message"), calls + 1);
    Tick();
    EXPECT_EQ(Calls("Display_Message"), calls + 1);
}

TEST_F(CoastEvents, CaveRumblesOnlyOnceTheFlagIsSet) {
    Enter(3, 9);
    thud_timer = 0;
    clank_sfx = false;
    Tick();
    EXPECT_FALSE(clank_sfx);
    // Mission 5 not given: the second block hides sprite 16 and moves 17; 21 stays.
    EXPECT_TRUE(sprite[16].mouseover);
    EXPECT_EQ(sprite[16].alpha, 0.0f);
    EXPECT_FALSE(sprite[21].mouseover);
    EXPECT_TRUE(sprite[17].moving);

    main_mission[MISSION_HIGHLANDERS] = 2;
    global_objects[20] = 1;
    sprite[16] = {};
    sprite[16].alpha = 1.0f;
    sprite[16].grab_switch = true;
    Tick();
    EXPECT_TRUE(clank_sfx);
    EXPECT_GE(thud_timer, Now());
    EXPECT_LT(thud_timer, Now() + 3000);
    EXPECT_TRUE(sprite[16].mouseover && sprite[21].mouseover);
    EXPECT_FALSE(sprite[16].grab_switch);
    EXPECT_EQ(sprite[16].alpha, 1.0f);  // only the second block makes it transparent
}

TEST_F(CoastEvents, TrainingDoneCompletesMissionOneAndPointsTheArrow) {
    Enter(3, 1);
    main_mission[MISSION_TRAINING] = 2;
    current_main = MISSION_TRAINING;
    sprite[71].grab_switch = true;
    Tick();
    EXPECT_EQ(arrow_point, 68);
    EXPECT_EQ(sprite[76].alpha, 0.0f);  // objective 3 not set
    mission_training_is_done = true;
    Tick();
    EXPECT_EQ(main_mission[MISSION_TRAINING], 1);
    EXPECT_FALSE(mission_training_is_done);
    EXPECT_FALSE(sprite[71].grab_switch);
    EXPECT_EQ(arrow_point, 68);
    global_objects[66] = 1;
    Tick();
    EXPECT_EQ(arrow_point, 9);
    // Act 2 shows the course whatever the mission says.
    current_act = 2;
    title_sequence = 0;
    Tick();
    EXPECT_EQ(sprite[76].alpha, 1.0f);
    EXPECT_TRUE(sprite[77].grab_switch);
}

using SiloEvents = LevelScene;

void Lever_Sheet() {
    for (int k : {43, 44, 45}) {
        sprite[k].type = OBJ;
        sprite[k].sector_action = OBJ_SWITCH1;
        sprite[k].base_anim = 2;
        sprite[k].score = 1;
    }
}
void Pull(int k) { sprite[k].moving = true; }

TEST_F(SiloEvents, LeversSolveOnlyOnTheTickThePatternMatches) {
    Lever_Sheet();
    main_mission[MISSION_SILO] = 2;
    Enter(3, 33);  // on, off, on
    Tick();
    for (int k : {43, 44, 45}) EXPECT_EQ(sprite[k].anim, 2);
    EXPECT_TRUE(Marked(1));
    Pull(44);
    Tick();
    EXPECT_EQ(sprite[44].anim, 3);
    EXPECT_TRUE(click_sfx);
    Pull(44);
    Tick();
    EXPECT_EQ(sprite[44].anim, 2);  // twice is off again
    Pull(43);
    Tick();
    EXPECT_EQ(global_objects[55], 0);
    Pull(45);
    Tick();
    EXPECT_EQ(global_objects[55], 1);
    EXPECT_EQ(old_message, MSG_BROKEN);
    EXPECT_TRUE(Posing());
    EXPECT_FALSE(Marked(1));
    for (int k : {43, 44, 45}) EXPECT_EQ(sprite[k].score, 0);

    // A later visit shows the solved pattern.
    for (int k : {43, 44, 45}) sprite[k].anim = 0;
    title_sequence = 0;
    trace.clear();
    Tick();
    EXPECT_EQ(sprite[43].anim, 3);
    EXPECT_EQ(sprite[44].anim, 2);
    EXPECT_EQ(sprite[45].anim, 3);
    EXPECT_TRUE(Marked(2));
    EXPECT_EQ(Calls("Display_Message"), 0);
}

TEST_F(SiloEvents, SecondSiloWantsOnOnOff) {
    Lever_Sheet();
    Enter(3, 35);
    Tick();
    for (int k : {45, 43, 44}) {
        Pull(k);
        Tick();
    }
    EXPECT_EQ(global_objects[56], 0);  // on, on, on
    Pull(45);
    Tick();
    EXPECT_EQ(global_objects[56], 1);
}

TEST_F(SiloEvents, VaultGuardsThatSpottedThePlayerOrDiedStopPatrolling) {
    Enter(3, 27);
    const int guards[][3] = {{37, 8, 11}, {112, 10, 9}, {103, 6, 7}};
    for (const auto& g : guards) {
        object& u = sprite[g[0]];
        u.score = 10;
        u.box_width = u.box_height = 0.2f;
        u.w = 1.0f;
        u.z = 1.0f;  // centre (1.1, 1.1)
        points[g[1]].x = points[g[1]].y = 1.1f;
        points[g[2]].x = points[g[2]].y = 5.0f;
    }
    sprite[37].spotted = true;
    sprite[103].score = 0;
    patroling1 = patroling2 = patroling3 = 4;
    Tick();
    EXPECT_EQ(patroling1, 10);
    EXPECT_EQ(sprite[112].status, STATUS_WALK);
    EXPECT_EQ(patroling2, 0);
    EXPECT_EQ(patroling3, 0);
    EXPECT_NE(sprite[37].status, STATUS_WALK);
    EXPECT_NE(sprite[103].status, STATUS_WALK);
}

TEST_F(SiloEvents, KillingTheJailerFreesThePrisonerAndEndsTheCalls) {
    Enter(3, 28);
    sprite[14].score = 20;
    Tick();
    EXPECT_EQ(sprite[11].sector_action, 0);
    EXPECT_EQ(old_message, MSG_HELPME);
    EXPECT_EQ(Calls("Display_Message"), 1);
    Tick(4001);
    Tick();  // back to the call step
    Tick();
    EXPECT_EQ(Calls("Display_Message"), 2);
    sprite[14].score = 0;
    Tick(4001);
    Tick();
    Tick();
    EXPECT_EQ(sprite[11].sector_action, OBJ_RESCUE);
    EXPECT_EQ(global_objects[44], 1);
    EXPECT_EQ(Calls("Display_Message"), 2);
    // A later visit: rescuable from the set-up.
    sprite[11].sector_action = 0;
    title_sequence = 0;
    Tick();
    EXPECT_EQ(sprite[11].sector_action, OBJ_RESCUE);
}

TEST_F(SiloEvents, ControlRoomBringsItsGuardsInOnlyAfterTheControlStage) {
    Enter(3, 30);
    for (int k = 84; k <= 88; ++k) {
        sprite[k].type = UNT;
        sprite[k].rank = 3;
        sprite[k].score = 7;
    }
    sprite[86].sector = CHIEF;
    main_mission[MISSION_SILO] = 2;
    Tick();
    EXPECT_TRUE(Marked(8));
    for (int k = 84; k <= 88; ++k) {
        EXPECT_EQ(sprite[k].score, 0);
        EXPECT_TRUE(sprite[k].turn_off);
    }
    global_objects[54] = 1;
    title_sequence = 0;
    Tick();
    EXPECT_TRUE(Marked(9));
    EXPECT_FALSE(Marked(8));
    EXPECT_EQ(sprite[84].score, 60);
    EXPECT_EQ(sprite[86].score, 90);
    EXPECT_FALSE(sprite[85].turn_off);
    EXPECT_TRUE(sprite[79].mouseover);
}

TEST_F(SiloEvents, ComplexMarkersFollowTheSiloFlags) {
    struct Case {
        int scene, flag, value;
        bool mission;
        int point;  // the one marker expected among 2, 3, 8
    };
    const Case cases[] = {
        {31, 54, 0, true, 2}, {31, 54, 1, true, 3},  {32, 55, 1, true, 3}, {34, 56, 0, true, 2},
        {34, 56, 1, false, -1}, {36, 0, 0, false, 8}, {37, 0, 0, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        std::memset(global_objects, 0, sizeof global_objects);
        global_objects[c.flag] = (char)c.value;
        main_mission[MISSION_SILO] = c.mission ? 2 : 0;
        for (int k : {2, 3, 8}) points[k].active = false;
        title_sequence = 0;
        Enter(3, c.scene);
        Tick();
        for (int k : {2, 3, 8}) EXPECT_EQ(Marked(k), k == c.point) << k;
        EXPECT_EQ(title_sequence, 1);
    }
}

}  // namespace
