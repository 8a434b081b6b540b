// The coast of episode 3 as generated, played through the real frame loop on the virtual
// clock: every exit of the beach, its bunkers, cellars, cave, cove, bay and roads leads to
// the scene and spawn point it names and back, without a message box; and a bunker is
// cleared as the player would clear it, its counter falling to 0 and the capture told over
// the player's head (or, with the partner bunker already taken, the success pose instead).
#include "support/played_game.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "audio/audio.h"
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
#include "content/snapshots.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "scripts/scripts.h"
#include "world/collision.h"
#include "world/world_clock.h"

namespace {

class Walk_Coast : public PlayedGame {
protected:
    // A new game in act 1 with the story state a row asks for; the scripts read it on load.
    void Start_Act1() {
        CONTROL_SCHEME = true;
        Init_Player();
        Start_Game();
        current_act = 1;
    }

    // The player stands on open ground: no wall, rock or water tile under him.
    static void Expect_On_Open_Ground() {
        const int tile = tiles[Get_Tile_Index(PX(), PY())];
        EXPECT_FALSE(tile >= 32 && tile <= 287) << "in a wall: tile " << tile;
        EXPECT_FALSE(tile >= 480 && tile <= 483) << "in the water: tile " << tile;
    }
    // Runs the loop one pass at a time until a scene is requested now (before it loads); a
    // page's request for later does not count here.
    static bool Run_Until_Request(int ms) {
        return Run_Passes_Until([] { return next_scene; }, ms);
    }
    // The player steps into trigger `t` and the loop runs on until scene e/s is on, faded
    // in, with the player made; then he must stand at spawn point `spawn` of that scene.
    void Step_Into(int t, int e, int s, int spawn, const std::string& shot) {
        ASSERT_LT(t, no_sprites);
        ASSERT_EQ(sprite[t].type, TRI) << "object " << t;
        Place_Player(Box_X(t), Box_Y(t));
        ASSERT_TRUE(Run_Until([=] { return In(e, s) && fade >= 1.0f && p1_id != -1 && game_mode == MODE_WALK; },
                              20000))
            << "trigger " << t << " did not lead to " << e << "/" << s << "; now at " << episode << "/" << scene
            << Box_Texts();
        ASSERT_LT(spawn, no_points);
        EXPECT_EQ(points[spawn].c1, CAM_P1) << "spawn point " << spawn;
        EXPECT_NEAR(PX(), points[spawn].x, 0.06f) << "not at spawn point " << spawn;
        EXPECT_NEAR(PY(), points[spawn].y, 0.06f) << "not at spawn point " << spawn;
        Expect_On_Open_Ground();
        // Not inside a trigger that would send him off again.
        Run(300);
        EXPECT_TRUE(In(e, s)) << "sent on at once to " << episode << "/" << scene;
        Shot(shot);
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
    // Enters bunker 3/s from the beach with no snapshot of an earlier visit (leaving a walk
    // scene writes its snapshot, so it is removed once the bunker has been left).
    void Fresh_Visit(int s) {
        Enter_Scene(3, 3, 0);
        Remove_Temps(0);
        Enter_Scene(3, s, 1);
    }
    // The player steps into trigger `t` of a scene that leads out of the coast: the request
    // names episode e, scene s and spawn point `spawn`; the scene itself is not loaded.
    void Step_Out(int t, int e, int s, int spawn) {
        ASSERT_LT(t, no_sprites);
        Place_Player(Box_X(t), Box_Y(t));
        ASSERT_TRUE(next_scene || Run_Until_Request(4000)) << "trigger " << t << " asked for nothing" << Box_Texts();
        EXPECT_EQ(episode, e);
        EXPECT_EQ(scene, s);
        EXPECT_EQ(current_spawn, spawn);
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        next_scene = false; // the scene is another part of the game's business
    }
};

// From the beach into each place on it and back out again: the way in, the place's spawn
// point, its way out and the beach's spawn point before that place's door. Each row sets the
// story the beach's script wants before that way opens (bunkers A and C only while the
// recruit is sent to them, the convoy road only on the convoy mission, the cove only at
// night).
TEST_F(Walk_Coast, EveryPlaceOnTheBeachIsEnteredAndLeft) {
    ASSERT_TRUE(gl_);
    struct Row {
        int way_in, scene, spawn_in, way_out, spawn_back;
        int current, mission; // the mission in hand (accepted), or 0
        bool night;
        const char* name;
    };
    const Row rows[] = {
        {27, 5, 1, 30, 1, 3, 3, false, "bunker A"},   {30, 6, 1, 30, 2, 0, 0, false, "bunker B"},
        {29, 7, 1, 30, 3, 3, 3, false, "bunker C"},   {31, 9, 1, 30, 4, 0, 0, false, "cave"},
        {34, 2, 1, 30, 5, 0, 0, false, "mess cellar"}, {180, 4, 1, 30, 9, 6, 6, false, "convoy road"},
        {35, 16, 1, 30, 10, 0, 0, false, "bay"},      {113, 14, 1, 30, 12, 0, 0, true, "cove"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Start_Act1();
        current_main = r.current;
        if (r.mission) main_mission[r.mission] = 2;
        hours = r.night ? 23 : 12;
        daytime = r.night;
        Enter_Scene(3, 3, 0);
        ASSERT_NE(p1_id, -1);
        Run(200);
        EXPECT_FALSE(sprite[r.way_in].moving) << "the way in is shut";
        Step_Into(r.way_in, 3, r.scene, r.spawn_in, "coast_in_" + std::to_string(r.scene));
        if (HasFatalFailure()) return;
        Step_Into(r.way_out, 3, 3, r.spawn_back, "coast_back_" + std::to_string(r.scene));
        if (HasFatalFailure()) return;
    }
}

// The beach's script shuts the ways it guards while their mission is not in hand.
TEST_F(Walk_Coast, TheGuardedWaysStayShutOffTheirMission) {
    Start_Act1();
    hours = 12;
    daytime = false;
    Enter_Scene(3, 3, 0);
    ASSERT_NE(p1_id, -1);
    Run(200);
    for (int t : {27, 29, 113, 138, 180}) EXPECT_TRUE(sprite[t].moving) << "way " << t << " is open";
    EXPECT_FALSE(sprite[30].moving); // bunker B is always open
    Place_Player(Box_X(27), Box_Y(27));
    Run(1500);
    EXPECT_FALSE(next_scene);
    EXPECT_TRUE(In(3, 3));
}

// The other ways between the coast's places, in and back where both ends are the coast's.
TEST_F(Walk_Coast, TheWaysBetweenTheOtherPlacesLeadInAndBack) {
    struct Row {
        int from, spawn, way, to, arrive, way_back, back;
        const char* name;
    };
    const Row rows[] = {
        {16, 1, 31, 14, 2, 31, 2, "bay to cove and back"},
        {9, 1, 17, 3, 4, -1, -1, "cave's back way"},
        {4, 1, 31, 3, 9, -1, -1, "convoy road's far end"},
        {8, 1, 30, 3, 11, -1, -1, "test range"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Start_Act1();
        main_mission[5] = 2; // the cave's back way is open while the cave mission is on
        Enter_Scene(3, r.from, r.spawn);
        ASSERT_NE(p1_id, -1);
        Run(200);
        Step_Into(r.way, 3, r.to, r.arrive, std::string("coast_way_") + std::to_string(r.from));
        if (HasFatalFailure()) return;
        if (r.way_back < 0) continue;
        Step_Into(r.way_back, 3, r.from, r.back, std::string("coast_way_back_") + std::to_string(r.from));
        if (HasFatalFailure()) return;
    }
}

// The ways that leave the coast ask for the scene the level table gives their sector; the
// places under the village and the farms send the player to that scene's first spawn point.
TEST_F(Walk_Coast, TheWaysOutOfTheCoastAskForTheirScenes) {
    struct Row {
        int from, spawn, way, episode, scene, spawn_there;
        int current, mission;
        const char* name;
    };
    const Row rows[] = {
        {3, 0, 60, 1, 56, 10, 0, 0, "beach to the camp road"},
        {3, 13, 138, 1, 110, 1, 4, 4, "boat to the warship"},
        {0, 1, 30, 2, 9, -1, 0, 0, "windmill to the farms"},
        {10, 1, 30, 2, 2, -1, 0, 0, "basement A to the village"},
        {11, 1, 30, 2, 9, -1, 0, 0, "basement B to the farms"},
        {12, 1, 30, 2, 9, -1, 0, 0, "basement C to the farms"},
        {13, 13, 30, 2, 2, -1, 0, 0, "cellar to the village"},
        {15, 1, 30, 2, 9, -1, 0, 0, "orchard to the farms"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Start_Act1();
        current_main = r.current;
        if (r.mission) main_mission[r.mission] = 2;
        Enter_Scene(3, r.from, r.spawn);
        ASSERT_NE(p1_id, -1);
        EXPECT_NEAR(PX(), points[r.spawn].x, 0.06f);
        EXPECT_NEAR(PY(), points[r.spawn].y, 0.06f);
        Expect_On_Open_Ground();
        Run(200);
        Shot("coast_out_" + std::to_string(r.from));
        Step_Out(r.way, r.episode, r.scene, r.spawn_there);
        if (HasFatalFailure()) return;
        if (r.way == 138) {
            EXPECT_EQ(gun_entry, 1);
        }
    }
}

// Bunker A cleared: the counter beside the radar falls with each of the garrison and at 0
// the bunker's objective is set; a second later the capture is told over the player
// ("Easy_peasy_mate"), or, once bunker C has been taken, the player cheers instead. Back in
// the bunker later, it is swept empty at once and tells nothing.
TEST_F(Walk_Coast, ClearingBunkerATellsTheCaptureOrCheers) {
    struct Row {
        bool partner_taken;
        const char* name;
    };
    for (const Row& r : {Row{false, "alone"}, Row{true, "after bunker C"}}) {
        SCOPED_TRACE(r.name);
        Start_Act1();
        current_main = 3;
        main_mission[3] = 2;
        global_objective[0] = 0;
        global_objective[2] = r.partner_taken ? 1 : 0;
        Fresh_Visit(5);
        ASSERT_NE(p1_id, -1);
        ASSERT_EQ(Level, level_code::LVL_BUNKER_A);
        std::vector<int> garrison;
        for (int i = 0; i < no_sprites; ++i)
            if (i != p1_id && sprite[i].type == UNT && sprite[i].linked_sprite != player_type) garrison.push_back(i);
        ASSERT_EQ((int)garrison.size(), 4);
        Run(100);
        EXPECT_EQ(enemy_count, 4);
        EXPECT_STREQ(counter[3].word, "4");
        EXPECT_FLOAT_EQ(counter[3].alpha, 1.0f);
        Shot(std::string("bunker_a_held_") + (r.partner_taken ? "c" : "alone"));
        for (size_t k = 0; k < garrison.size(); ++k) {
            sprite[garrison[k]].score = 1;
            Man_Shot(54, garrison[k], p1_id, 5, 5); // blown apart: no plea for mercy
            Run(100);
            EXPECT_EQ(enemy_count, (int)(garrison.size() - k - 1));
            EXPECT_STREQ(counter[3].word, std::to_string(garrison.size() - k - 1).c_str());
        }
        EXPECT_EQ(global_objective[0], 1) << "the objective is set when the last one falls";
        dialog_active = -1;
        std::memset(counter[4].word, 0, sizeof counter[4].word);
        const int cleared = Now();
        ASSERT_TRUE(Run_Until([] { return title_sequence == 3; }, 4000)) << "the bunker's end never came";
        EXPECT_GE(Now() - cleared, 900);
        if (r.partner_taken) {
            EXPECT_EQ(sprite[p1_id].status, 69) << "no success pose";
            EXPECT_TRUE(lock_player);
            EXPECT_EQ(std::strstr(counter[4].word, "Bunker"), nullptr) << counter[4].word;
        } else {
            EXPECT_EQ(dialog_active, p1_id) << "the capture is not told over the player";
            EXPECT_NE(std::strstr(counter[4].word, "Bunker"), nullptr) << counter[4].word;
            EXPECT_NE(sprite[p1_id].status, 69);
        }
        Shot(std::string("bunker_a_cleared_") + (r.partner_taken ? "c" : "alone"));
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
    // Back in the bunker later (the objective set, no snapshot of the fight kept): swept
    // empty on load, the counter at 0, nothing told.
    Run(5000);
    Fresh_Visit(5);
    ASSERT_NE(p1_id, -1);
    dialog_active = -1;
    Run(2500);
    EXPECT_EQ(enemy_count, 0);
    EXPECT_STREQ(counter[3].word, "0");
    for (int i = 0; i < no_sprites; ++i) {
        if (i != p1_id && sprite[i].type == UNT) {
            EXPECT_EQ(sprite[i].score, 0) << "unit " << i;
        }
    }
    EXPECT_NE(dialog_active, p1_id);
}

// The store room's door of each bunker opens once its story flag is raised: it shows its
// open look and no longer blocks the doorway.
TEST_F(Walk_Coast, TheBunkerStoreDoorOpensWithItsFlag) {
    struct Row {
        int scene, door, flag;
    };
    for (const Row& r : {Row{5, 164, 21}, Row{6, 234, 9}, Row{7, 170, 23}}) {
        SCOPED_TRACE("bunker 3/" + std::to_string(r.scene));
        for (int flag : {0, 1}) {
            Start_Act1();
            global_objects[r.flag] = (char)flag;
            Enter_Scene(3, r.scene, 1);
            ASSERT_NE(p1_id, -1);
            Run(100);
            const object& d = sprite[r.door];
            EXPECT_EQ(d.anim, flag ? 1 : 0);
            const int cell = Get_Tile_Index(d.w + d.box_width / 2, d.z + d.box_height / 2);
            if (flag) {
                EXPECT_NE(map_col[cell], COL_SOLID) << "the open door still blocks";
                EXPECT_EQ(d.priority, 3);
            } else {
                EXPECT_NE(map_col[cell], COL_FREE) << "the shut door lets the player through";
            }
            Shot("bunker_" + std::to_string(r.scene) + "_store_door_" + std::to_string(flag));
        }
    }
}

} // namespace

namespace {

// The rock fall in the cave's neck shuts the way to the deep chamber from wall to wall until
// the cave mission is given; then it is gone, the neck is open and the back way with it.
TEST_F(Walk_Coast, TheRockFallShutsTheCaveUntilTheCaveMission) {
    for (int state : {0, 2}) {
        SCOPED_TRACE("cave mission state " + std::to_string(state));
        Start_Act1();
        main_mission[5] = state;
        Enter_Scene(3, 9, 1);
        ASSERT_NE(p1_id, -1);
        Run(200);
        const object& rock = sprite[21];
        const float y = rock.z + rock.box_height / 2, cx = rock.w + rock.box_width / 2;
        // The floor cells of the neck across the rock fall's middle, out to the rock walls.
        int cells = 0, open = 0;
        for (int dir : {-1, 1}) {
            for (int k = dir > 0 ? 1 : 0; k < 20; ++k) {
                const int cell = Get_Tile_Index(cx + dir * k * 0.1f, y);
                if (tiles[cell] >= 32 && tiles[cell] <= 287) break; // the rock wall
                ++cells;
                if (map_col[cell] == COL_FREE) ++open;
            }
        }
        EXPECT_GE(cells, 5) << "the neck is narrower than the rock fall";
        if (state == 0) {
            EXPECT_EQ(open, 0) << "a gap beside the rock fall";
            EXPECT_TRUE(sprite[17].moving) << "the back way is open";
        } else {
            EXPECT_EQ(open, cells) << "the rock fall still blocks the neck";
            EXPECT_TRUE(sprite[21].mouseover) << "the rock fall is still shown";
            EXPECT_FALSE(sprite[17].moving) << "the back way is shut";
        }
        Shot("cave_neck_" + std::to_string(state));
    }
}

} // namespace

namespace {

// The convoy road on the convoy mission: the lorry sets off after its pause, and once it
// stands on the depot gate's switch the escort has succeeded and the lorry leaves the road.
// (The lorry is put on the gate: the unit AI does not drive a vehicle by itself.)
TEST_F(Walk_Coast, TheConvoyEndsAtTheDepotGate) {
    Start_Act1();
    current_main = 6;
    main_mission[6] = 2;
    Enter_Scene(3, 4, 1);
    ASSERT_NE(p1_id, -1);
    ASSERT_NE(a_vehicle, -1);
    const int lorry = a_vehicle;
    ASSERT_TRUE(Run_Until([] { return title_sequence == 2; }, 8000)) << "the lorry never set off";
    EXPECT_EQ(success_condition, 0);
    // The gate's switch takes the lorry only; the player on it throws nothing.
    const object& gate = sprite[131];
    ASSERT_EQ(gate.type, SWI);
    Place_Player(gate.w + gate.box_width / 2, gate.z + gate.box_height / 2);
    Run(300);
    EXPECT_NE(a_vehicle, -1) << "the player threw the lorry's switch";
    EXPECT_EQ(success_condition, 0);
    object& v = sprite[lorry];
    const float dx = gate.w + gate.box_width / 2 - (v.w + v.box_width / 2);
    const float dy = gate.z + gate.box_height / 2 - (v.z + v.box_height / 2);
    v.x += dx, v.w += dx, v.mov_x += dx, v.end_x += dx;
    v.y += dy, v.z += dy, v.mov_y += dy, v.end_y += dy;
    ASSERT_TRUE(Run_Until([] { return a_vehicle == -1; }, 3000)) << "the gate's switch took no notice";
    EXPECT_EQ(success_condition, 1);
    EXPECT_TRUE(sprite[lorry].turn_off);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
