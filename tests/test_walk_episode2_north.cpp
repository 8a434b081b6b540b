// The northern roads of the second episode as generated, played through the real frame loop
// on the virtual clock: the boot road, the beach road, the fortress, the farms and the camps
// of acts 3 and 4, and the convoy road. Every exit asks for its scene with its spawn point
// and, where the scene it leads to is written, the player arrives there at that point; the
// camps are where acts 3 and 4 begin; the escorted lorry of the convoy road sets off after
// its pause and either reaches the depot's switch or, destroyed, ends the escort in a chain
// of blasts. No message box at any point.
#include "support/played_game.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "combat/damage.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/camera_load.h"
#include "content/object_setup.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/collision.h"
#include "world/pathfinder.h"
#include "world/world_clock.h"

namespace {

class Walk_Episode2_North : public PlayedGame {
protected:
    // A game under way in `act`, the camp standing (story flag 32), the pointer walking the
    // player.
    void Start_Act(int act) {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_act = act;
        global_objects[32] = 1;
        hours = 12; // midday
        minutes = 0;
    }

    // Puts the player's centre at (x, y); with `settle` the loop then runs on a little.
    static void Place_Player(float x, float y, bool settle = true) {
        PlayedGame::Place_Player(x, y, settle ? 150 : 0);
    }
    // Whether the player stands at spawn point k of the scene on.
    static bool At_Spawn(int k) {
        return p1_id != -1 && std::fabs(PX() - points[k].x) < 0.05f && std::fabs(PY() - points[k].y) < 0.05f;
    }
    // Where the player stands, for messages.
    static std::string Where() {
        if (p1_id == -1) return " (no player; scene " + std::to_string(episode) + "/" + std::to_string(scene) + ")";
        return " (the player is at " + std::to_string(PX()) + "," + std::to_string(PY()) + ")";
    }
    // The player kept alive and the enemies of the scene out of the fight.
    static void Calm_The_Scene() {
        for (int i = 0; i < no_sprites; ++i) {
            object& u = sprite[i];
            if (u.type != UNT || i == p1_id || u.linked_sprite == 0) continue;
            u.score = 0;
            u.status = 44;
            u.turn_off = true;
            Generate_Object_Collision(i, true);
        }
    }
};

// Every exit of the six maps, entered from one of the map's spawn points: it asks for the
// scene the level table gives its sector, with its spawn point; a walk map it leads to that
// is written takes the player in at that spawn point.
TEST_F(Walk_Episode2_North, EveryExitAsksForItsSceneAndLeadsThere) {
    ASSERT_TRUE(gl_);
    struct Row {
        int scene, spawn, exit;             // the map, where he starts, the exit
        int episode_to, scene_to, spawn_to; // the request
        std::function<void()> set_up;       // story state the exit needs
        const char* name;
    };
    auto fortress_night = [] {
        main_mission[10] = 2;
        hours = 1;
    };
    auto windmill_mission = [] { main_mission[11] = 2; };
    const Row rows[] = {
        {6, 0, 0, 1, 59, 1, nullptr, "boot road north: the lorry to the boot camp"},
        {6, 1, 1, 2, 10, 1, nullptr, "boot road south: the act's camp"},
        {7, 1, 0, 2, 10, 10, nullptr, "beach road west: the act's camp"},
        {7, 0, 1, 1, 55, 0, nullptr, "beach road east: the beach landing"},
        {8, 4, 0, 1, 77, 0, fortress_night, "fortress gateway at night"},
        {8, 4, 1, 2, 4, 4, nullptr, "fortress road south: the roadway"},
        {8, 0, 2, 1, 111, 4, nullptr, "fortress trench: the trench gallery's travel page"},
        {9, 0, 297, 3, 0, 1, windmill_mission, "farms: the windmill"},
        {9, 5, 0, 1, 88, 1, nullptr, "farms lane: the fork's travel page"},
        {10, 30, 17, 2, 4, 0, nullptr, "act-3 camp: lane to the roadway"},
        {10, 30, 49, 2, 1, 0, nullptr, "act-3 camp: lane to the highway"},
        {10, 30, 70, 2, 6, 0, nullptr, "act-3 camp: boot road"},
        {10, 30, 73, 2, 7, 0, nullptr, "act-3 camp: beach road"},
        {10, 30, 92, 1, 25, 0, nullptr, "act-3 camp: the tent"},
        {11, 30, 17, 2, 4, 0, nullptr, "act-4 camp: lane to the roadway"},
        {11, 30, 49, 2, 1, 0, nullptr, "act-4 camp: lane to the highway"},
        {11, 30, 70, 2, 6, 0, nullptr, "act-4 camp: boot road"},
        {11, 30, 73, 2, 7, 0, nullptr, "act-4 camp: beach road"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Start_Act(r.scene == 11 ? 4 : 3);
        if (r.set_up) r.set_up();
        Enter_Scene(2, r.scene, r.spawn);
        if (HasFatalFailure()) return;
        ASSERT_NE(p1_id, -1);
        EXPECT_TRUE(At_Spawn(r.spawn)) << "not at spawn point " << r.spawn;
        Calm_The_Scene();
        Run(200);
        ASSERT_TRUE(sprite[r.exit].type == TRI);
        Place_Player(Box_X(r.exit), Box_Y(r.exit), false);
        ASSERT_TRUE(Run_Until_Request(4000))
            << "no request" << Where() << Box_Texts();
        EXPECT_EQ(episode, r.episode_to);
        EXPECT_EQ(scene, r.scene_to);
        EXPECT_EQ(current_spawn, r.spawn_to);
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        // In: the walk map takes him in at that point.
        if (r.episode_to != 1) {
            ASSERT_TRUE(Written(r.episode_to, r.scene_to));
            const int to = r.spawn_to;
            ASSERT_TRUE(Settle_On(r.episode_to, r.scene_to, 8000)) << "at " << episode << "/" << scene << Box_Texts();
            EXPECT_TRUE(At_Spawn(to)) << "not at spawn point " << to << " of " << r.episode_to << "/" << r.scene_to;
            EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        }
        Shot(std::string("north_exit_") + std::to_string(r.scene) + "_" + std::to_string(r.exit));
    }
}

// Every spawn point of the maps takes the player in where it stands, on open ground with
// room to step off in at least two of the four directions, and no message box comes up.
TEST_F(Walk_Episode2_North, EverySpawnPointStandsOnOpenGround) {
    ASSERT_TRUE(gl_);
    struct Row {
        int episode, scene;
        std::vector<int> spawns;
    };
    const Row rows[] = {
        {2, 6, {0, 1}},
        {2, 7, {0, 1, 2}},
        {2, 8, {0, 1, 4}},
        {2, 9, {0, 5, 6, 7}},
        {2, 10, {0, 1, 2, 3, 4, 8, 9, 10, 12, 13, 14, 27, 30}},
        {2, 11, {0, 1, 2, 3, 4, 8, 9, 10, 12, 13, 14, 27, 30}},
        {3, 4, {1}},
    };
    auto open = [](int col, int row) {
        const int cell = Cell_Index(col, row);
        return cell >= 0 && map_col[cell] != COL_SOLID && map_col[cell] != COL_SOLID_SHOOTTHRU &&
               map_col[cell] != COL_WATER && map_col[cell] != COL_FOOTPRINT;
    };
    for (const Row& r : rows)
        for (int k : r.spawns) {
            SCOPED_TRACE(std::to_string(r.episode) + "/" + std::to_string(r.scene) + " spawn " + std::to_string(k));
            Start_Act(r.scene == 11 ? 4 : 3);
            Enter_Scene(r.episode, r.scene, k);
            if (HasFatalFailure()) return;
            ASSERT_NE(p1_id, -1);
            EXPECT_TRUE(At_Spawn(k)) << Where();
            const int col = Cell_Column(PX()), row = Cell_Row(PY());
            const int free_sides = open(col - 1, row) + open(col + 1, row) + open(col, row - 1) + open(col, row + 1);
            EXPECT_GE(free_sides, 2) << Where();
            EXPECT_TRUE(Boxes().empty()) << Box_Texts();
            if (k == r.spawns.front()) Run(700);
            if (k == r.spawns.front()) Shot("north_spawn_" + std::to_string(r.episode) + "_" + std::to_string(r.scene) + "_" + std::to_string(k));
        }
}

// The fortress's gate follows the clock while the fortress mission is on: by day it bars the
// gateway, which takes no one; at night it is drawn back and the gateway is armed.
TEST_F(Walk_Episode2_North, TheFortressGateOpensOnlyAtNightForItsMission) {
    ASSERT_TRUE(gl_);
    for (bool night : {false, true}) {
        SCOPED_TRACE(night ? "night" : "day");
        Start_Act(3);
        main_mission[10] = 2;
        hours = night ? 1 : 12;
        Enter_Scene(2, 8, 1);
        ASSERT_NE(p1_id, -1);
        Calm_The_Scene();
        Run(300);
        EXPECT_EQ(sprite[7].mouseover, night) << "the gate";
        EXPECT_EQ(sprite[0].moving, !night) << "the gateway";
        EXPECT_TRUE(points[2].active) << "the mission's marker";
        Shot(std::string("north_fortress_") + (night ? "night" : "day"));
        // He tries to walk north through the gate.
        const float gate_y = Box_Y(7);
        Place_Player(Box_X(7), gate_y - 0.35f);
        sprite[p1_id].mov_x = sprite[p1_id].end_x = Box_X(0);
        sprite[p1_id].mov_y = sprite[p1_id].end_y = Box_Y(0);
        Find_Path(p1_id);
        sprite[p1_id].status = 27;
        sprite[p1_id].moving = true;
        const bool asked = Run_Until_Request(4000);
        EXPECT_EQ(asked, night) << Where();
        if (night) {
            EXPECT_EQ(scene, 77);
        }
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The radar mission in the farms: the medals count the farm's animals and gates; its three masts are lit on the map while they stand; shot
// down, each goes off in a chain of explosions and the last completes the mission with the
// player's pose. The windmill's way in is chained off unless its mission is on.
TEST_F(Walk_Episode2_North, TheFarmsMastsAreTheRadarMissionsTargets) {
    ASSERT_TRUE(gl_);
    Start_Act(3);
    main_mission[12] = 2;
    Enter_Scene(2, 9, 0);
    ASSERT_NE(p1_id, -1);
    Calm_The_Scene();
    Run(300);
    // The farm's medals count its own cows, gates and crows.
    EXPECT_EQ(total_cow_count, 4);
    EXPECT_EQ(total_gate_count, 4);
    EXPECT_EQ(total_crow_count, 5);
    EXPECT_FALSE(sprite[323].mouseover) << "the windmill's chain is off without its mission";
    EXPECT_TRUE(sprite[297].moving) << "the windmill's door is armed without its mission";
    const int masts[] = {320, 321, 322}, marks[] = {4, 3, 2};
    for (int k = 0; k < 3; ++k) {
        EXPECT_GT(sprite[masts[k]].score, 0);
        EXPECT_TRUE(points[marks[k]].active) << "mast " << masts[k];
    }
    Shot("north_farms_masts");
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("mast " + std::to_string(masts[k]));
        Place_Player(Box_X(masts[k]) - 0.6f, Box_Y(masts[k]));
        // Shot down: the combat code's own hits until it falls.
        for (int shots = 0; shots < 40 && sprite[masts[k]].score > 0; ++shots) {
            Man_Shot(p1_id, masts[k], p1_id, 5, 5);
            Run(20);
        }
        ASSERT_LE(sprite[masts[k]].score, 0);
        Run(100);
        EXPECT_EQ(exploding_id, masts[k]) << "no explosion chain";
        EXPECT_FALSE(points[marks[k]].active) << "its marker stays lit";
        if (k < 2) {
            EXPECT_EQ(main_mission[12], 2);
            Run(4000);
        }
    }
    EXPECT_EQ(main_mission[12], 1);
    EXPECT_EQ(sprite[p1_id].status, 69) << "no success pose";
    Shot("north_farms_done");
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// Acts 3 and 4 begin at their camps: the way back to the camp from a road leads to the
// act-3 camp in act 3 and the act-4 camp in act 4, where the camp's script points the arrow
// at the lanes of the accepted mission (act 3) or at the commander once a mission is done
// (act 4), and the act-4 camp's traffic drives.
TEST_F(Walk_Episode2_North, ActsThreeAndFourBeginAtTheirCamps) {
    ASSERT_TRUE(gl_);
    for (int act : {3, 4}) {
        SCOPED_TRACE("act " + std::to_string(act));
        Start_Act(act);
        const int hub = act == 3 ? 10 : 11;
        if (act == 3) {
            current_main = 11;
            main_mission[11] = 2;
        } else {
            current_main = 13;
            main_mission[13] = 1;
        }
        Enter_Scene(2, 6, 0);
        ASSERT_NE(p1_id, -1);
        Place_Player(Box_X(1), Box_Y(1));
        ASSERT_TRUE(Settle_On(2, hub, 8000)) << "at " << episode << "/" << scene << Box_Texts();
        EXPECT_EQ(Level, LVL_BASE);
        EXPECT_TRUE(At_Spawn(1));
        Run(300);
        if (act == 3) {
            EXPECT_TRUE(points[26].active);
            EXPECT_FALSE(points[31].active);
            EXPECT_EQ(arrow_point, 17);
        } else {
            EXPECT_EQ(arrow_point, 123);
            EXPECT_EQ(cpatrol_count, 6);
        }
        Shot("north_act" + std::to_string(act) + "_camp");
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
    // The briefings that open the acts lead to the same camps.
    for (auto [page, hub] : {std::pair{82, 10}, std::pair{117, 11}}) {
        ASSERT_TRUE(Written(1, page));
        SCOPED_TRACE("briefing 1/" + std::to_string(page));
        Start_Act(hub == 10 ? 3 : 4);
        Enter_Scene(1, page);
        ASSERT_TRUE(Settle_On(2, hub, 20000)) << "at " << episode << "/" << scene << Box_Texts();
        EXPECT_TRUE(At_Spawn(0));
    }
}

class Walk_Convoy : public Walk_Episode2_North {
protected:
    static constexpr int kLorry = 20, kGoal = 131, kTripwire = 130;
    void Enter_Convoy() {
        Start_Act(1);
        current_main = 6;
        main_mission[6] = 2;
        Enter_Scene(3, 4, 1);
        ASSERT_NE(p1_id, -1);
        ASSERT_EQ(Level, LVL_CONVOY);
        Calm_The_Scene();
    }
    // The lorry's centre.
    static float LX() { return sprite[kLorry].x + sprite[kLorry].width / 2; }
    static float LY() { return sprite[kLorry].y + sprite[kLorry].height / 2; }
};

// The escort from the start to the depot: the lorry waits five seconds, sets off with its
// driver's word, drives up the road to the depot's switch and leaves the scene; the escort
// has succeeded. The marker follows the lorry all the way.
TEST_F(Walk_Convoy, TheLorryReachesTheDepot) {
    ASSERT_TRUE(gl_);
    Enter_Convoy();
    EXPECT_EQ(a_vehicle, kLorry);
    EXPECT_EQ(a_patrol_pnt, 2);
    EXPECT_EQ(total_success_condition, 1);
    EXPECT_EQ(total_fail_condition, 1);
    Run(100);
    EXPECT_EQ(title_sequence, 1) << "the escort did not start";
    EXPECT_NEAR(points[8].x, LX(), 1e-4f);
    EXPECT_NEAR(points[8].y, LY(), 1e-4f);
    Shot("convoy_start");
    ASSERT_TRUE(Run_Until([] { return title_sequence == 2; }, 6000)) << "the lorry never set off";
    const float y0 = LY();
    // The lorry drives itself to its destination (the escort moves it as the scripted
    // vehicles are moved, straight at the point), the marker on it, the player kept alive
    // beside it; on the depot's switch it leaves the scene.
    const int start = Now();
    ASSERT_TRUE(Run_Until(
        [&] {
            if (a_vehicle == -1) return true;
            EXPECT_NEAR(points[8].y, LY(), 0.01f);
            sprite[p1_id].score = std::max(sprite[p1_id].score, 50);
            return false;
        },
        90000))
        << "the lorry is at " << LX() << "," << LY() << " (from " << y0 << ")";
    EXPECT_GT(Now() - start, 20000) << "the lorry arrived too soon";
    EXPECT_EQ(success_condition, 1);
    EXPECT_TRUE(sprite[kLorry].mouseover);
    EXPECT_TRUE(sprite[kLorry].turn_off);
    EXPECT_EQ(title_sequence, 2);
    EXPECT_EQ(fail_condition, 0);
    Shot("convoy_depot");
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// Destroyed while it waits, the lorry goes up in a blast and four more, half a second apart;
// then the escort has failed. The departure never comes.
TEST_F(Walk_Convoy, TheLorryDestroyedDuringThePauseFailsTheEscort) {
    ASSERT_TRUE(gl_);
    Enter_Convoy();
    Run(1000);
    ASSERT_EQ(title_sequence, 1);
    sprite[kLorry].score = 0;
    ASSERT_TRUE(Run_Until([] { return title_sequence == 100; }, 200));
    ASSERT_TRUE(Run_Until([] { return title_sequence == 104; }, 8000));
    ASSERT_TRUE(Run_Until([] { return title_sequence == 105; }, 1000));
    EXPECT_EQ(fail_condition, 1);
    EXPECT_EQ(a_vehicle, kLorry);
    EXPECT_FALSE(sprite[kLorry].training) << "the lorry set off";
}

// The tripwire on the cart track, touched while the escort runs, sets off the powder barrels
// beside it.
TEST_F(Walk_Convoy, TheTripwireSetsOffThePowderBarrels) {
    ASSERT_TRUE(gl_);
    Enter_Convoy();
    ASSERT_TRUE(Run_Until([] { return title_sequence == 2; }, 7000));
    const int barrels[] = {79, 105, 106, 107};
    for (int b : barrels) ASSERT_GT(sprite[b].score, 0);
    Place_Player(Box_X(kTripwire), Box_Y(kTripwire));
    Run(500);
    for (int b : barrels) EXPECT_LE(sprite[b].score, 0) << "barrel " << b;
    EXPECT_EQ(trigger_hit, -1);
    EXPECT_NE(a_vehicle, -1) << "the escort ended";
}

} // namespace
