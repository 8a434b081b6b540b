// Explosions, grenade throws and the ground check of a unit: blast reach, who takes which
// hit, what a blast leaves behind, mines, mud crossings and the view check.
#include "combat/awareness.h"
#include "combat/ordnance.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"
#include "world/world_clock.h"
#include "world/world_services.h"

namespace {

// The hits a blast handed out, as "blast hit <victim> code=<code> kind=<kind>".
std::vector<std::string> Blast_Hits(const std::vector<std::string>& trace) {
    std::vector<std::string> hits;
    for (const std::string& s : trace)
        if (s.rfind("blast hit ", 0) == 0) hits.push_back(s);
    return hits;
}

std::string Hit(int victim, int code, int kind) {
    return "blast hit " + std::to_string(victim) + " code=" + std::to_string(code) + " kind=" + std::to_string(kind);
}

} // namespace

class Ordnance : public CombatTest {
protected:
    void SetUp() override {
        Set_Up_On_Clock();
        camX = camY = 0.0f;
        shake = 0.0f;
        ready_sfx = clank_sfx = chop_sfx = cash_up_sfx = false;
        has_wideshot = false;
        daytime = false;
        reduce_fog_timer = 0;
    }

    object& Door(int i, float x, float y, int door_kind, int hit_type = 0) {
        object& o = Door_At(i, x, y, door_kind, 10);
        o.sector = hit_type;
        return o;
    }
};

TEST_F(Ordnance, BlastReachBySourceIsAStrictSquare) {
    struct row {
        const char* what;
        int kind, shooter_class;
        float dx, dy;
        bool hit;
    };
    const row rows[] = {
        {"general blast just inside 0.25", BLAST_KIND_GENERAL, -1, 0.249f, 0.0f, true},
        {"general blast exactly 0.25 away", BLAST_KIND_GENERAL, -1, 0.25f, 0.0f, false},
        {"square corner 0.2475 on both axes", BLAST_KIND_GENERAL, -1, 0.2475f, -0.2475f, true},
        {"grenade 0.24 away", BLAST_KIND_GRENADE, -1, 0.0f, 0.24f, true},
        {"round 0.14 away", BLAST_KIND_ROUND, -1, 0.14f, 0.0f, true},
        {"round 0.16 away", BLAST_KIND_ROUND, -1, 0.16f, 0.0f, false},
        {"round of a tank still reaches 0.15", BLAST_KIND_ROUND, UNIT_TANK, 0.14f, 0.0f, true},
        {"tank shell 0.06 away", BLAST_KIND_GENERAL, UNIT_TANK, 0.06f, 0.0f, false},
        {"tank shell 0.04 away", BLAST_KIND_GENERAL, UNIT_TANK, 0.0f, -0.04f, true},
    };
    for (const row& r : rows) {
        SetUp();
        Unit(2, 0.0f, 0.0f, GUNNER, 1);
        int shooter = -1;
        if (r.shooter_class != -1) {
            Unit(5, 3.0f, 3.0f, r.shooter_class, 1);
            shooter = 5;
        }
        Shell_Landed(r.dx, r.dy, shooter, 16, r.kind);
        const auto hits = Blast_Hits(trace);
        const bool victim_hit = std::count_if(hits.begin(), hits.end(), [](const std::string& h) {
                                    return h.rfind("blast hit 2 ", 0) == 0;
                                }) == 1;
        EXPECT_EQ(victim_hit, r.hit) << r.what;
        TearDown();
    }
}

TEST_F(Ordnance, EachKindHandsOutItsOwnHit) {
    struct row {
        const char* what;
        int kind, victim_class;
        std::string expect;
    };
    const row rows[] = {
        {"grenade", BLAST_KIND_GRENADE, GUNNER, Hit(2, 5, 8)},
        {"mortar round", BLAST_KIND_ROUND, GUNNER, Hit(2, 5, 10)},
        {"general blast", BLAST_KIND_GENERAL, GUNNER, Hit(2, 5, -1)},
        {"general blast on a bomber", BLAST_KIND_GENERAL, BOMBER, Hit(2, 1, -1)},
        {"general blast on a mortar crew", BLAST_KIND_GENERAL, UNIT_MORTAR, Hit(2, 1, -1)},
        {"grenade on a mortar crew", BLAST_KIND_GRENADE, UNIT_MORTAR, Hit(2, 5, 8)},
    };
    for (const row& r : rows) {
        SetUp();
        Unit(2, 0.0f, 0.0f, r.victim_class, 1);
        Shell_Landed(0.0f, 0.0f, -1, 16, r.kind);
        EXPECT_EQ(Blast_Hits(trace), std::vector<std::string>{r.expect}) << r.what;
        TearDown();
    }
}

TEST_F(Ordnance, OnlyAGrenadeReachesATankTopAndOnlyLiveArmedObjectsAreTouched) {
    Unit(2, 0.0f, 0.0f, BOMBER, 1).onDeath_action = TANK_TOP;
    Unit(3, 0.05f, 0.0f, GUNNER, 1).score = 0;          // dead
    Unit(4, 0.0f, 0.05f, GUNNER, 1).grab_switch = false; // not armed
    object& bag = Unit(6, -0.05f, 0.0f, GUNNER, 1);
    bag.type = BAG;
    bag.moving = true;                                  // a moving bag is not hit
    Shell_Landed(0.0f, 0.0f, -1, 16, BLAST_KIND_GENERAL);
    EXPECT_TRUE(Blast_Hits(trace).empty());

    trace.clear();
    bag.moving = false;
    Shell_Landed(0.0f, 0.0f, -1, 16, BLAST_KIND_GRENADE);
    const auto hits = Blast_Hits(trace);
    ASSERT_GE(hits.size(), 2u);
    EXPECT_EQ(hits[0], Hit(2, 5, 8));
    EXPECT_EQ(hits[1], Hit(6, 5, 8));
}

TEST_F(Ordnance, AGrenadeOnAStealthMissionRaisesTheAlarm) {
    is_a_stealth_mission = true;
    alarm_raised = false;
    Unit(2, 0.0f, 0.0f, GUNNER, 1);
    Shell_Landed(0.0f, 0.0f, -1, 16, BLAST_KIND_GRENADE);
    EXPECT_TRUE(alarm_raised);
    EXPECT_EQ(alarm_raised_timer, Now() + 100);
}

TEST_F(Ordnance, DoorsTakeTheGeneralBlastHitEvenFromAGrenade) {
    Door(10, 0.0f, 0.0f, door_type::CHEST);
    Door(11, 0.1f, 0.0f, door_type::CHEST, 14);
    Door(12, 0.0f, 0.1f, door_type::CHEST).grab_switch = false;
    Door(13, -0.1f, 0.0f, door_type::CHEST).score = 0;
    Shell_Landed(0.0f, 0.0f, -1, 16, BLAST_KIND_GRENADE);
    EXPECT_EQ(Blast_Hits(trace), (std::vector<std::string>{Hit(10, 5, -1), Hit(11, 1, -1)}));

    // A spread hits doors by distance like units.
    trace.clear();
    Player(1, 0.4f, -1.0f);
    Door(14, 1.0f, -1.0f, door_type::CHEST);
    Shell_Landed(1.0f, -1.0f, 1, 16, BLAST_KIND_SPREAD);
    EXPECT_EQ(Blast_Hits(trace), (std::vector<std::string>{Hit(14, -1, 6)}));
}

TEST_F(Ordnance, ASpreadHitsCloseAndFarButLeavesNoBlast) {
    Player(1, 0.0f, 0.0f);
    // Aimed 0.7 away along x: 0.35 by half the axis sum, so the spread reaches 0.35 / 2.3.
    Unit(2, 0.6f, 0.0f, GUNNER, 1);   // 0.3 from the shooter: close
    Unit(3, 0.75f, 0.0f, GUNNER, 1);  // 0.375 from the shooter: far
    Unit(4, 0.7f, 0.16f, GUNNER, 1);  // beyond the spread's reach
    Shell_Landed(0.7f, 0.0f, 1, 16, BLAST_KIND_SPREAD);
    EXPECT_EQ(Blast_Hits(trace), (std::vector<std::string>{Hit(2, -1, 6), Hit(3, -1, 7)}));
    EXPECT_TRUE(clank_sfx);
    EXPECT_FALSE(ready_sfx);
    EXPECT_EQ(no_fx, 0);
    EXPECT_EQ(no_points, 0);
    EXPECT_EQ(shake, 0.0f);
}

TEST_F(Ordnance, TheWideShotWidensTheSpreadOfThePlayersShotgun) {
    Player(1, 0.0f, 0.0f);
    // Aimed 1.0 away along x: reach 0.5 / 2.3 = 0.217 normally, 0.25 with the wide shot.
    Unit(2, 1.23f, 0.0f, GUNNER, 1);
    current_weapon = 3;
    player_inv_value[3] = 0;
    has_shotgun_equipped = true;
    Shell_Landed(1.0f, 0.0f, 1, 16, BLAST_KIND_SPREAD);
    EXPECT_TRUE(Blast_Hits(trace).empty());
    has_wideshot = true;
    Shell_Landed(1.0f, 0.0f, 1, 16, BLAST_KIND_SPREAD);
    EXPECT_EQ(Blast_Hits(trace).size(), 1u);
    // Another model of shotgun keeps the narrow spread.
    trace.clear();
    player_inv_value[3] = 1;
    Shell_Landed(1.0f, 0.0f, 1, 16, BLAST_KIND_SPREAD);
    EXPECT_TRUE(Blast_Hits(trace).empty());
}

TEST_F(Ordnance, ABlastWithNothingInReachStillShowsLightsAndShakes) {
    Shell_Landed(0.5f, -0.5f, -1, 16, BLAST_KIND_GENERAL);
    EXPECT_TRUE(clank_sfx);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[0].anim, 37);
    EXPECT_EQ(Fx[1].anim, 86);
    ASSERT_EQ(no_points, 1);
    EXPECT_EQ(points[0].c1, LIGHT_PNT);
    EXPECT_EQ(points[0].score, Now() + 250);
    EXPECT_FLOAT_EQ(points[0].x, 0.5f);
    EXPECT_EQ(shake, (float)SHAKE_SHORT2);
}

TEST_F(Ordnance, OnlyABlastNearTheViewCentreShakesTheCamera) {
    camX = -2.0f; // view centre at x = 2
    Shell_Landed(1.0f, 0.0f, -1, 16, BLAST_KIND_GRENADE); // exactly one unit away: no shake
    EXPECT_EQ(shake, 0.0f);
    EXPECT_TRUE(ready_sfx);
    Shell_Landed(1.01f, 0.0f, -1, 16, BLAST_KIND_GRENADE);
    EXPECT_EQ(shake, (float)SHAKE_SHORT2);
}

TEST_F(Ordnance, FullPointsAndEffectsSkipTheLightAndTheBlastButNotTheHits) {
    no_points = MAX_POINTS;
    no_fx = MAX_FX;
    Unit(2, 0.0f, 0.0f, GUNNER, 1);
    Shell_Landed(0.0f, 0.0f, -1, 16, BLAST_KIND_GENERAL);
    EXPECT_EQ(no_points, MAX_POINTS);
    EXPECT_EQ(no_fx, MAX_FX);
    EXPECT_EQ(Blast_Hits(trace).size(), 1u);
}

TEST_F(Ordnance, AShooterThatNamesNoSpriteCountsAsNone) {
    Unit(2, 0.0f, 0.0f, GUNNER, 1);
    player_list[player_counter++] = 5000; // a stale list entry is skipped
    door_list[door_counter++] = -3;
    Shell_Landed(0.0f, 0.0f, 900, 16, BLAST_KIND_SPREAD);
    EXPECT_EQ(Blast_Hits(trace).size(), 1u);
}

TEST_F(Ordnance, BombRunIsAGeneralBlast) {
    Unit(2, 0.0f, 0.0f, BOMBER, 1);
    Bomb_Run(0.0f, 0.0f, -1, 1);
    EXPECT_EQ(Blast_Hits(trace), std::vector<std::string>{Hit(2, 1, -1)});
    EXPECT_EQ(no_fx, 2);
}

TEST_F(Ordnance, AThrownGrenadeFliesAtTheTarget) {
    object& thrower = Unit(2, 0.0f, 0.0f, SAILOR, 1);
    Unit(3, 1.0f, 1.0f, GUNNER, 0);
    Throw_Grenade(2, 3);
    EXPECT_NEAR(thrower.angle, 0.785398f, 1e-4);
    EXPECT_FLOAT_EQ(thrower.tar_angle, thrower.angle);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[0].sector, 27);
    EXPECT_EQ(Fx[0].id, 27);
    EXPECT_EQ(Fx[1].sector, 28);
    EXPECT_EQ(Fx[1].id, 8);
    EXPECT_EQ(Fx[0].linked_sprite, 2);
    EXPECT_EQ(thrower.status, 67);
    EXPECT_EQ(thrower.anim_state, 0);
    EXPECT_TRUE(chop_sfx);
}

TEST_F(Ordnance, AnArmedMineGoesOffOnceUnderALiveUnit) {
    for (int code : {14, 78}) {
        SetUp();
        object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
        const int cell = Cell_Of(0.0f, 0.0f);
        tiles[cell] = code;
        Run_Mud_Check(2);
        EXPECT_EQ(tiles[cell], code + 1);
        EXPECT_EQ(Blast_Hits(trace), std::vector<std::string>{Hit(2, 5, -1)}) << code;
        trace.clear();
        u.score = 100;
        Run_Mud_Check(2);
        EXPECT_TRUE(Blast_Hits(trace).empty()) << "a spent mine stays quiet";
        TearDown();
    }
}

TEST_F(Ordnance, ADeadUnitOrAUnitOffTheMapSetsOffNoMine) {
    object& dead = Unit(2, 0.0f, 0.0f, GUNNER, 1, 0);
    (void)dead;
    tiles[Cell_Of(0.0f, 0.0f)] = 14;
    Run_Mud_Check(2);
    EXPECT_EQ(tiles[Cell_Of(0.0f, 0.0f)], 14);

    Unit(3, 9.0f, 0.0f, GUNNER, 1); // east of the map
    tiles[Cell_Of(7.45f, 0.0f)] = 14;
    Run_Mud_Check(3);
    EXPECT_EQ(tiles[Cell_Of(7.45f, 0.0f)], 14);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(Ordnance, MudIsEnteredAndLeftOncePerCrossing) {
    struct row {
        const char* what;
        std::vector<int> walk;      // tiles under the unit, frame by frame
        std::vector<bool> on_mud;   // on_mud after each frame
        std::vector<int> effects;   // effects made by each frame
    };
    const row rows[] = {
        {"mud, mud, dry", {16, 16, 0}, {true, true, false}, {2, 0, 1}},
        {"mud, neutral keeps it, dry ends it", {29, 32, 5}, {true, true, false}, {2, 0, 1}},
        {"mud ended by a mud edge", {31, 20}, {true, false}, {2, 1}},
        {"dry ground stays dry", {0, 17, 32}, {false, false, false}, {0, 0, 0}},
    };
    for (const row& r : rows) {
        SetUp();
        Unit(2, 0.0f, 0.0f, GUNNER, 1);
        camX = camY = 0.0f;
        const int cell = Cell_Of(0.0f, 0.0f);
        for (size_t k = 0; k < r.walk.size(); ++k) {
            tiles[cell] = r.walk[k];
            const int before = no_fx;
            Run_Mud_Check(2);
            EXPECT_EQ(sprite[2].on_mud, r.on_mud[k]) << r.what << " frame " << k;
            EXPECT_EQ(no_fx - before, r.effects[k]) << r.what << " frame " << k;
        }
        if (r.effects[0] == 2) { EXPECT_EQ(Fx[1].priority, 4) << r.what << ": the entry splash"; }
        TearDown();
    }
}

TEST_F(Ordnance, OutOfViewOnlyTheMudEdgeMakesItsEffect) {
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    camX = -5.0f; // the unit is 5 units from the view centre
    const int cell = Cell_Of(0.0f, 0.0f);
    tiles[cell] = 16;
    Run_Mud_Check(2);
    EXPECT_TRUE(u.mouseover);
    EXPECT_TRUE(u.on_mud);
    EXPECT_EQ(no_fx, 0);
    tiles[cell] = 0;
    Run_Mud_Check(2);
    EXPECT_FALSE(u.on_mud);
    EXPECT_EQ(no_fx, 0);
    u.on_mud = true;
    tiles[cell] = 18;
    Run_Mud_Check(2);
    EXPECT_FALSE(u.on_mud);
    EXPECT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].anim, 3);
}

TEST_F(Ordnance, TheViewCheckShowsAndHidesUnitsOnlyByDayInTheOpen) {
    struct row {
        const char* what;
        bool night, dungeon, dying;
        float alpha_in_view, alpha_out_of_view;
    };
    const row rows[] = {
        {"by day", false, false, false, 1.0f, 0.0f},
        {"at night", true, false, false, 0.5f, 0.5f},
        {"in a dungeon", false, true, false, 0.5f, 0.5f},
        {"flashing in death", false, false, true, 0.5f, 0.5f},
    };
    for (const row& r : rows) {
        SetUp();
        object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
        daytime = r.night;
        in_dungeon = r.dungeon;
        u.death_flash = r.dying;
        u.alpha = 0.5f;
        camX = -1.0f; // 1.0 away: in view
        Run_Mud_Check(2);
        EXPECT_FALSE(u.mouseover) << r.what;
        EXPECT_EQ(u.alpha, r.alpha_in_view) << r.what;
        u.alpha = 0.5f;
        camX = -1.5f; // 1.5 away: out of view
        Run_Mud_Check(2);
        EXPECT_TRUE(u.mouseover) << r.what;
        EXPECT_EQ(u.alpha, r.alpha_out_of_view) << r.what;
        TearDown();
    }
}

TEST_F(Ordnance, TheViewCheckWaitsForTheViewClock) {
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    u.mouseover = true;
    reduce_fog_timer = Now(); // not yet past
    Run_Mud_Check(2);
    EXPECT_TRUE(u.mouseover);
    Advance_Ms(1);
    Run_Mud_Check(2);
    EXPECT_FALSE(u.mouseover);
}

TEST_F(Ordnance, ComingIntoViewOnMudSplashesAndAVehicleRaisesDust) {
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    u.mouseover = true;
    u.on_mud = true; // already in the mud: no entry effects
    tiles[Cell_Of(0.0f, 0.0f)] = 16;
    Run_Mud_Check(2);
    ASSERT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].sector, 21);
    EXPECT_EQ(Fx[0].priority, 3);

    object& car = Unit(3, 0.3f, 0.0f, UNIT_VEHICLE, 1);
    car.mouseover = true;
    Run_Mud_Check(3);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[1].sector, 22);
    EXPECT_EQ(Fx[1].id, 14);

    object& plane = Unit(4, 0.0f, 0.3f, UNIT_PLANE, 1);
    plane.mouseover = true;
    plane.on_mud = true;
    tiles[Cell_Of(0.0f, 0.3f)] = 16;
    Run_Mud_Check(4);
    EXPECT_EQ(no_fx, 2) << "a plane makes no splash";
}

TEST_F(Ordnance, AFinishedAnimationEndsTheStandUpAndTheHeldPose) {
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    u.status = 64;
    u.anim_state = 0;
    Run_Mud_Check(2);
    EXPECT_EQ(u.status, 3);

    object& g = Unit(3, 0.5f, 0.0f, GUNNER, 1);
    g.status = 61;
    g.anim_state = 0;
    lock_player = true;
    current_weapon = 2;
    Run_Mud_Check(3);
    EXPECT_FALSE(lock_player);
    EXPECT_TRUE(cash_up_sfx);
    EXPECT_EQ(g.status, 3);
}

TEST_F(Ordnance, ADyingUnitDropsToTheGroundLayer) {
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    u.status = 31;
    u.anim_state = 1;
    u.priority = 1;
    Run_Mud_Check(2);
    EXPECT_EQ(u.priority, 3);
    object& t = Unit(3, 0.5f, 0.0f, BOMBER, 1);
    t.status = 31;
    t.anim_state = 1;
    t.priority = 1;
    t.onDeath_action = TANK_TOP;
    Run_Mud_Check(3);
    EXPECT_EQ(t.priority, 1);
}
