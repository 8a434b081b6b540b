// Hits on unit-like objects, doors and containers: wrecks, drops, counters, story flags,
// tunnel covers that become ladders, and enemies released from broken containers.
#include "combat/awareness.h"
#include "combat/broken_objects.h"
#include "combat/damage.h"
#include "content/object_setup.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"

namespace {

std::vector<std::string> Of(const std::vector<std::string>& trace, const char* prefix) {
    std::vector<std::string> out;
    for (const std::string& s : trace)
        if (s.rfind(prefix, 0) == 0) out.push_back(s);
    return out;
}

std::string Drop(int i, int cls) { return "drop " + std::to_string(i) + " class=" + std::to_string(cls); }

} // namespace

class Broken : public CombatTest {
protected:
    int torso = 1, exp_gain = 0;

    void SetUp() override {
        Set_Up_On_Clock();
        trigger_counter = 0;
        player_crate_count = 0;
        doors_kill_count = gate_kill_count = crow_kill_count = village_crow_kill_count = cow_kill_count = 0;
        success_condition = 0;
        noise_type = 0;
        alert_enemies = false;
        destroy_sfx = splatted_sfx = crow2_sfx = cow_sfx = smash1_sfx = false;
        Player(1, -3.0f, -3.0f);
    }

    object& Bag(int i, int cls, float x = 0.0f, float y = 0.0f, int score = 0) {
        object& o = Object_At(i, BAG, x, y, score);
        o.sector = cls;
        o.linked_sprite = 1;
        o.base_anim = 3;
        return o;
    }

    object& Door(int i, int kind, float x = 0.0f, float y = 0.0f, int score = 0) { return Door_At(i, x, y, kind, score); }

    void Hit_Bag(int i, int shooter = 2, int code = 29) { Hit_Bag_Object(code, i, shooter, 16, torso, exp_gain); }
    void Hit_Door(int i, int shooter = 2) { Hit_Door_Object(29, i, shooter, 16); }
    std::vector<std::string> Drops() const { return Of(trace, "drop "); }
};

TEST_F(Broken, ATunnelCoverBecomesALadderAndSetsItsStoryFlag) {
    struct row {
        int episode, scene, index, flag; // flag -1: none
    };
    const row rows[] = {
        {2, 2, 333, 40}, {2, 2, 379, 43}, {3, 3, 191, 3}, {3, 3, 28, 13},
        {2, 8, 8, 42},   {2, 1, 302, 49}, {2, 2, 241, -1}, {4, 1, 333, -1},
    };
    for (const row& r : rows) {
        SetUp();
        episode = r.episode;
        scene = r.scene;
        object& cover = Bag(r.index, unit_class::TUNNEL);
        Hit_Bag(r.index);
        EXPECT_EQ(cover.type, LAD) << r.index;
        EXPECT_EQ(cover.priority, 5);
        EXPECT_EQ(cover.linked_sprite, 0);
        EXPECT_EQ(cover.sector, 31);
        EXPECT_EQ(cover.onCreate, 0);
        ASSERT_EQ(trigger_counter, 1);
        EXPECT_EQ(trigger_list[0], r.index);
        EXPECT_EQ(Calls("Display_Message"), 1);
        int set = 0;
        for (int f = 0; f < 100; ++f) set += global_objects[f];
        EXPECT_EQ(set, r.flag == -1 ? 0 : 1) << r.episode << "," << r.scene << " " << r.index;
        if (r.flag != -1) { EXPECT_EQ(global_objects[r.flag], 1) << r.index; }
        TearDown();
    }
}

TEST_F(Broken, AFullTriggerListKeepsTheLadderOffItWithoutOverflow) {
    trigger_counter = TRIGGER_LIST_SIZE;
    object& cover = Bag(40, unit_class::TUNNEL);
    Hit_Bag(40);
    EXPECT_EQ(cover.type, LAD);
    EXPECT_EQ(trigger_counter, TRIGGER_LIST_SIZE);
}

TEST_F(Broken, DestroyedObjectsByClass) {
    struct row {
        const char* what;
        int cls, level, rank;
        int blasts;            // Shell_Landed calls
        int priority;          // priority afterwards
        bool destroy, splat, crow, cow, footprint_cleared;
        int crows, village_crows, cows;
    };
    const row rows[] = {
        {"crate-like object", GUNNER, 0, 0, 0, 0, true, false, false, false, true, 0, 0, 0},
        {"a splatting object", GUNNER, 0, 4, 0, 0, false, true, false, false, true, 0, 0, 0},
        {"barrel", UNIT_BARREL, 0, 0, 1, 3, false, false, false, false, true, 0, 0, 0},
        {"turret", UNIT_ARMOUR_TURRET, 0, 0, 0, 3, true, false, false, false, true, 0, 0, 0},
        {"armoured tank", UNIT_ARMOUR_TANK, 0, 0, 2, 0, true, false, false, false, false, 0, 0, 0},
        {"seagull on the farm", unit_class::SEAGULL, 65, 0, 0, 0, false, false, true, false, false, 1, 0, 0},
        {"seagull in the village", unit_class::SEAGULL2, 2, 0, 0, 0, false, false, true, false, false, 0, 1, 0},
        {"cow on the farm", unit_class::COW, 65, 0, 0, 0, false, false, false, true, true, 0, 0, 1},
        {"cow elsewhere", unit_class::COW, 3, 0, 0, 0, false, false, false, true, true, 0, 0, 0},
        {"wreck level 56", GUNNER, 56, 0, 0, 3, true, false, false, false, true, 0, 0, 0},
    };
    for (const row& r : rows) {
        SetUp();
        Level = r.level;
        object& o = Bag(20, r.cls, 1.0f, 1.0f);
        o.rank = r.rank;
        const int cell = Cell_Of(1.0f, 1.0f);
        map_col[cell] = COL_SOLID;
        Hit_Bag(20);
        EXPECT_EQ(o.score, 0) << r.what;
        EXPECT_FALSE(o.grab_switch) << r.what;
        EXPECT_EQ(Calls("Shell_Landed"), r.blasts) << r.what;
        EXPECT_EQ(o.priority, r.priority) << r.what;
        EXPECT_EQ(destroy_sfx, r.destroy) << r.what;
        EXPECT_EQ(splatted_sfx, r.splat) << r.what;
        EXPECT_EQ(crow2_sfx, r.crow) << r.what;
        EXPECT_EQ(cow_sfx, r.cow) << r.what;
        EXPECT_EQ(map_col[cell] == COL_FREE, r.footprint_cleared) << r.what;
        EXPECT_EQ(crow_kill_count, r.crows) << r.what;
        EXPECT_EQ(village_crow_kill_count, r.village_crows) << r.what;
        EXPECT_EQ(cow_kill_count, r.cows) << r.what;
        EXPECT_TRUE(o.training) << r.what;
        TearDown();
    }
}

TEST_F(Broken, ABarrelOnATankTopKeepsItsLayer) {
    object& o = Bag(20, UNIT_BARREL);
    o.onDeath_action = TANK_TOP;
    o.priority = 1;
    Hit_Bag(20);
    EXPECT_EQ(o.priority, 1);
}

TEST_F(Broken, ExperienceAndTrainingTargets) {
    Level = LVL_TRAINING;
    Bag(20, GUNNER);
    Hit_Bag(20, 1);
    EXPECT_EQ(exp_gain, 2);
    EXPECT_EQ(success_condition, 1);

    exp_gain = 0;
    Bag(21, unit_class::SIGNPOST);
    Hit_Bag(21, 5);
    EXPECT_EQ(exp_gain, 0) << "not the player's kill";
    EXPECT_EQ(success_condition, 1) << "signposts do not count";
}

TEST_F(Broken, AHitMakesNoiseOutsideAStealthMission) {
    Bag(20, GUNNER, 0.5f, 0.25f, 5);
    targeted = 2;
    Hit_Bag(20);
    EXPECT_EQ(torso, 2);
    EXPECT_TRUE(alert_enemies);
    EXPECT_EQ(noise_type, 1);
    EXPECT_FLOAT_EQ(noise_x, 0.5f);
    EXPECT_FLOAT_EQ(noise_y, 0.25f);
    EXPECT_TRUE(sprite[20].training);
    EXPECT_EQ(sprite[20].reload_timer, Now() + 100);

    // On a stealth mission only the place is noted; a louder noise is kept.
    alert_enemies = false;
    noise_type = 0;
    is_a_stealth_mission = true;
    Bag(21, GUNNER, -0.5f, 0.0f, 5);
    Hit_Bag(21);
    EXPECT_FALSE(alert_enemies);
    EXPECT_EQ(noise_type, 0);
    EXPECT_FLOAT_EQ(noise_x, -0.5f);
    noise_type = 2;
    Bag(22, GUNNER, 2.0f, 0.0f, 5);
    Hit_Bag(22);
    EXPECT_FLOAT_EQ(noise_x, -0.5f);
}

TEST_F(Broken, WreckedOrUntouchableObjectsTakeNoHit) {
    Bag(20, UNIT_BOSS);
    Bag(21, GUNNER).priority = 3;
    Bag(22, GUNNER).grab_switch = false;
    for (int i : {20, 21, 22}) Hit_Bag(i);
    for (int i : {20, 21, 22}) EXPECT_FALSE(sprite[i].training) << i;
    EXPECT_EQ(Calls("Display_Message"), 0);
    Door(30, door_type::CHEST).priority = 3;
    Hit_Door(30);
    EXPECT_TRUE(Drops().empty());
    Hit_Bag(-1);
    Hit_Door(MAX_SPRITES);
    Release_From_Container(-7);
}

TEST_F(Broken, ATreeGivesTwoDropsPerHitAndNeverBreaks) {
    object& tree = Door(30, door_type::TYPE_TREE);
    mouseleft = mouseheld = true;
    Hit_Door(30);
    EXPECT_EQ(tree.score, 1);
    EXPECT_TRUE(tree.grab_switch);
    EXPECT_NE(tree.priority, 3);
    EXPECT_EQ(Drops(), (std::vector<std::string>{Drop(30, 11), Drop(30, 11)}));
    EXPECT_FALSE(mouseleft);
    EXPECT_FALSE(mouseheld);
    EXPECT_EQ(player_crate_count, 0);
    tree.score = -5;
    Hit_Door(30);
    EXPECT_EQ(tree.score, 1);
    EXPECT_EQ(Drops().size(), 4u);
}

TEST_F(Broken, EveryFifteenthAmmoCrateOrBarrelDropsTheBonus) {
    player_crate_count = 12;
    const int kinds[] = {door_type::TYPE_AMMO_RIFLE, door_type::BARREL, door_type::TYPE_AMMO, door_type::BARREL};
    int i = 30;
    for (int k : kinds) {
        Door(i, k);
        Hit_Door(i);
        ++i;
    }
    EXPECT_EQ(player_crate_count, 16);
    EXPECT_EQ(Drops(), (std::vector<std::string>{Drop(30, 7), Drop(31, 7), Drop(32, 4), Drop(33, 7)}));

    player_crate_count = 29;
    Door(40, door_type::TYPE_AMMO_RIFLE);
    Hit_Door(40);
    EXPECT_EQ(Drops().back(), Drop(40, 14));
}

TEST_F(Broken, ContainersDropTheirGoods) {
    struct row {
        int kind, drop;
    };
    const row rows[] = {
        {door_type::CHEST, 2},       {door_type::TYPE_AMMO, 4},   {door_type::TYPE_GRENADE, 18},
        {door_type::TYPE_SUBMARINE, 19}, {door_type::DOCK, 5},    {door_type::HEALTH, 6},
    };
    for (const row& r : rows) {
        SetUp();
        object& box = Door(30, r.kind);
        Hit_Door(30);
        EXPECT_EQ(Drops(), std::vector<std::string>{Drop(30, r.drop)}) << r.kind;
        EXPECT_EQ(box.priority, 3);
        EXPECT_EQ(box.score, 0);
        EXPECT_FALSE(box.grab_switch);
        EXPECT_TRUE(smash1_sfx);
        EXPECT_EQ(player_crate_count, 1);
        EXPECT_EQ(global_objects[0], r.kind == door_type::CHEST ? 1 : 0);
        TearDown();
    }
}

TEST_F(Broken, DoorsOpenTheirCellsAndCountInTheirLevels) {
    struct row {
        const char* what;
        int kind, level;
        int dcol;        // column offset of the second cell cleared one row down (0 none)
        int doors, gates;
    };
    const row rows[] = {
        {"single door", door_type::TYPE_SINGLE_DOOR, 2, 0, 1, 0},
        {"double door", door_type::DOUBLE, 3, 1, 0, 0},
        {"double door back", door_type::DOUBLE_BACK, 65, -1, 0, 1},
        {"double door back in the village", door_type::DOUBLE_BACK, 2, -1, 1, 0},
    };
    for (const row& r : rows) {
        SetUp();
        Level = r.level;
        Door(30, r.kind, 0.05f, 0.05f);
        const int col = Cell_Column(0.05f), row_ = Cell_Row(0.05f);
        for (int dc = -1; dc <= 1; ++dc) Col_At(col + dc, row_ + 1) = COL_SOLID;
        Col_At(col, row_) = COL_SOLID;
        Hit_Door(30);
        EXPECT_EQ(map_col[Cell_Index(col, row_)], COL_FREE) << r.what;
        for (int dc = -1; dc <= 1; ++dc)
            EXPECT_EQ(map_col[Cell_Index(col + dc, row_ + 1)], (r.dcol != 0 && dc == r.dcol) ? COL_FREE : COL_SOLID)
                << r.what << " " << dc;
        EXPECT_EQ(doors_kill_count, r.doors) << r.what;
        EXPECT_EQ(gate_kill_count, r.gates) << r.what;
        EXPECT_EQ(player_crate_count, 0) << r.what;
        EXPECT_TRUE(Drops().empty()) << r.what;
        TearDown();
    }
}

TEST_F(Broken, ADoubleDoorAtTheMapEdgeClearsNothingOffTheMap) {
    // Centre in the top row, last column: the cell one row down and one column right is off.
    const float x = Cell_Centre_X(149), y = Cell_Centre_Y(149);
    Door(30, door_type::DOUBLE, x, y);
    Hit_Door(30);
    EXPECT_EQ(sprite[30].priority, 3);
}

TEST_F(Broken, SparePartsTellThePlayerEvenWhenOneIsCarried) {
    player_inv[4] = 31;
    player_inv_value[4] = 0; // part A carried
    player_inv[5] = 31;
    player_inv_value[5] = 1; // part B carried
    Door(30, door_type::TYPE_SPARE_A);
    Hit_Door(30);
    EXPECT_TRUE(Drops().empty());
    EXPECT_EQ(Calls("Display_Message"), 1);
    Door(31, door_type::TYPE_SPARE_B);
    Hit_Door(31);
    EXPECT_TRUE(Drops().empty());
    EXPECT_EQ(Calls("Display_Message"), 1) << "part B stays silent";
    Door(32, door_type::TYPE_SPARE_C);
    Hit_Door(32);
    EXPECT_EQ(Drops(), std::vector<std::string>{Drop(32, 10)});
    EXPECT_EQ(Calls("Display_Message"), 2);
    EXPECT_EQ(player_crate_count, 3);

    std::memset(player_inv, 0, sizeof(player_inv));
    Door(33, door_type::TYPE_SPARE_A);
    Hit_Door(33);
    EXPECT_EQ(Drops().back(), Drop(33, 8));
    EXPECT_EQ(Calls("Display_Message"), 4);
}

TEST_F(Broken, AnAppleCrateGivesItsSceneStoryItemOnce) {
    episode = 3;
    scene = 5;
    object& a = Door(30, door_type::TYPE_APPLE);
    Hit_Door(30);
    EXPECT_EQ(a.linked_sprite, 14);
    EXPECT_EQ(Drops(), std::vector<std::string>{Drop(30, 15)});
    EXPECT_EQ(global_objects[21], 1);
    EXPECT_EQ(player_crate_count, 1);
    Door(31, door_type::TYPE_APPLE);
    Hit_Door(31);
    EXPECT_EQ(Drops().size(), 1u);

    scene = 23; // flag 24, value 25
    Door(32, door_type::TYPE_APPLE);
    Hit_Door(32);
    EXPECT_EQ(sprite[32].linked_sprite, 25);
    EXPECT_EQ(global_objects[24], 1);

    scene = 4; // no story item here
    Door(33, door_type::TYPE_APPLE);
    Hit_Door(33);
    EXPECT_EQ(Drops().size(), 2u);
    EXPECT_EQ(player_crate_count, 4);
}

TEST_F(Broken, AGoldTreeGivesItsGoldOnceItsAnimationLeavesTheStart) {
    Level = 29;
    object& t = Door(11, door_type::TYPE_GOLDTREE);
    t.anim = t.base_anim = 4;
    Hit_Door(11);
    EXPECT_EQ(t.score, 1);
    EXPECT_EQ(Drops(), std::vector<std::string>{Drop(11, 12)});
    EXPECT_EQ(global_objects[5], 1);
    t.anim = 2; // the harvested picture
    Hit_Door(11);
    EXPECT_EQ(Drops().size(), 1u);
}

TEST_F(Broken, ABrokenContainerReleasesAnEnemyFromTheNearestActivePoint) {
    auto point = [](int i, float x, float y, int type, bool active) {
        points[i] = a_point{x, y, 0, 0, 0, active, 0.0f, type, 0, 0, 0};
        if (i >= no_points) no_points = i + 1;
    };
    point(0, 1.5f, 0.0f, point_type::ROOM_PNT, true);     // 0.75 away
    point(1, 0.5f, 0.5f, point_type::GENERAL_PNT, true);  // 0.5 away: nearest
    point(2, 0.0f, 0.2f, point_type::PATROL_PNT, true);   // not a room point
    Door(30, door_type::TYPE_AMMO).rank = 0;
    Release_From_Container(30);
    EXPECT_FALSE(points[1].active);
    EXPECT_TRUE(points[0].active);
    EXPECT_EQ(Of(trace, "release "), std::vector<std::string>{"release 101 at point 1"});

    // The nearest point is spent now: nothing more, although point 0 is still active.
    trace.clear();
    Release_From_Container(30);
    EXPECT_TRUE(points[0].active);
    EXPECT_TRUE(Of(trace, "release ").empty());
}

TEST_F(Broken, OnlyUnrankedContainersNearARoomPointReleaseEnemies) {
    struct row {
        const char* what;
        int kind, rank;
        float px;
        bool released;
    };
    const row rows[] = {
        {"near", door_type::TYPE_AMMO, 0, 1.9f, true},
        {"2.0 away", door_type::TYPE_AMMO, 0, 4.0f, false},
        {"ranked", door_type::TYPE_AMMO, 1, 1.0f, false},
        {"barrel", door_type::BARREL, 0, 1.0f, false},
        {"chest", door_type::CHEST, 0, 1.0f, false},
        {"dock", door_type::DOCK, 0, 1.0f, false},
        {"tree", door_type::TYPE_TREE, 0, 1.0f, true},
    };
    for (const row& r : rows) {
        SetUp();
        points[0] = a_point{r.px, 0.0f, 0, 0, 0, true, 0.0f, point_type::ROOM1_PNT, 0, 0, 0};
        no_points = 1;
        Door(30, r.kind).rank = r.rank;
        Release_From_Container(30);
        EXPECT_EQ(!points[0].active, r.released) << r.what;
        TearDown();
    }
}

TEST_F(Broken, AShotCrateBreaksThroughTheHit) {
    Door(30, door_type::TYPE_AMMO, -2.9f, -3.0f, 3);
    Man_Shot(54, 30, 1, -1, 16);
    EXPECT_EQ(sprite[30].priority, 3);
    EXPECT_EQ(Drops(), std::vector<std::string>{Drop(30, 4)});
}
