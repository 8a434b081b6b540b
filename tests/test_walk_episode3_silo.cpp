// The late walk maps of episode 3 as generated, played through the real frame loop on the
// virtual clock: the boat yard and the battleship, the submarine pen with its armoured boss,
// the cliffs and the two laboratories, the trenches before the fortress, the fortress's
// library, vaults and dungeon, and the missile complex from the airfield down to the launch
// floor. Every exit asks for its scene with its spawn point and, where that scene is one of
// these maps, the player arrives on open ground at that point and can walk straight back;
// every arrival another scene names lands on open ground; the people and boards ask for
// their pages; the boss fight is won and ends on the empty pen's page; and the final
// mission is played from the airfield through both lever rooms to the last door. No message
// box at any point.
#include "support/played_game.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "combat/boss.h"
#include "combat/combat.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/camera_load.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/frame_loop.h"
#include "scripts/scripts.h"
#include "world/collision.h"

namespace {

class Walk_Silo : public PlayedGame {
protected:
    // A fresh game standing in episode 3 scene s at spawn point `spawn` (-1: the first), with
    // the story set by `story` before the scene loads.
    void Enter(int s, int spawn = -1, const std::function<void()>& story = [] {}) {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        story();
        Enter_Scene(3, s, spawn);
    }

    static bool Settled_In(int e, int s) { return In(e, s) && fade >= 1.0f; }
    static bool Open_Ground(float x, float y) {
        const int c = map_col[Get_Tile_Index(x, y)];
        return c != COL_SOLID && c != COL_SOLID_SHOOTTHRU && c != COL_WATER;
    }
    // The player stays on his feet through a fight the test is not about.
    static void Hold_Up() {
        if (p1_id != -1 && sprite[p1_id].score > 0) sprite[p1_id].score = 100;
    }
    static bool Run_While_Alive(const std::function<bool()>& ready, int ms) {
        return Run_Until([&] {
            Hold_Up();
            return ready();
        }, ms);
    }

    // Runs the loop one pass at a time until a scene is requested (before it loads), the
    // player held up all the while.
    static bool Run_Until_Request(int ms) {
        return Run_Passes_Until([] {
            Hold_Up();
            return Scene_Requested();
        }, ms);
    }
    // Steps onto exit i and returns when it has asked for its scene.
    static bool Take_Exit(int i) {
        Run_While_Alive([] { return !lock_player; }, 6000); // a success pose holds him
        Place_Player(Box_X(i), Box_Y(i));
        return next_scene || Run_Until_Request(3000);
    }
    // Walks up to object i from just in front of it, as a click on it makes him do, until
    // the contact has acted.
    static void Walk_Up_To(int i) {
        Place_Player(Box_X(i), Box_Y(i) - 0.14f);
        sprite[p1_id].fire_target = i;
        Run_While_Alive([i] { return sprite[p1_id].fire_target != i; }, 2000);
    }
    static bool Is_Mine(int e, int s) { return e == 3 && s >= 18 && s <= 37; }
};

// The exits of the late maps, one case each: where it leads (episode, scene, spawn point)
// and, where the way back passes a page, the object or exit toward it and that page.
struct Exit_Row {
    int from, exit, to_e, to_s, spawn;
    int back_by = -1, back_page = 0;
};
const Exit_Row kExits[] = {
    {18, 0, 3, 16, 1},  {18, 1, 3, 21, 1},  {19, 0, 3, 18, 3, 2, 33},  {19, 18, 1, 110, 0}, {21, 0, 3, 18, 2},
    {21, 1, 3, 22, 1},  {22, 0, 3, 21, 2},  {22, 1, 3, 23, 4},  {23, 0, 3, 22, 2},   {23, 1, 1, 43, 0},
    {24, 0, 2, 8, 1},   {24, 1, 3, 25, 1},  {25, 0, 3, 24, 1},  {25, 1, 3, 26, 1},   {26, 0, 3, 25, 2},
    {26, 1, 3, 27, 1},  {27, 0, 3, 26, 2},  {27, 128, 1, 77, 0}, {28, 0, 3, 27, 3, -1, 77},  {29, 4, 3, 30, 1},
    {29, 5, 2, 1, 11},  {30, 0, 3, 29, 4},  {30, 1, 3, 31, 4},  {30, 2, 3, 32, 1},   {31, 0, 3, 30, 2},
    {32, 0, 3, 30, 3},  {32, 1, 3, 33, 3},  {32, 2, 3, 34, 1},  {33, 0, 3, 32, 4},   {34, 0, 3, 32, 5},
    {34, 1, 3, 35, 3},  {34, 2, 3, 36, 1},  {35, 0, 3, 34, 4},  {36, 0, 3, 34, 5},   {36, 1, 3, 37, 1},
    {37, 0, 3, 36, 2},  {37, 1, 1, 93, 0},
};

class Silo_Exits : public Walk_Silo, public ::testing::WithParamInterface<Exit_Row> {};

// The exit asks for its scene with its spawn point. Where the scene is one of these maps, the
// player arrives at that point on open ground, outside every exit (he stays), and the exit
// back from there to the old scene's level (or by the page on the way) takes him back to a
// spawn point by the exit he took: each exit is walked in and back.
TEST_P(Silo_Exits, LeadsInAndBack) {
    ASSERT_TRUE(gl_);
    const Exit_Row& r = GetParam();
    Enter(r.from, -1, [] {
        global_objects[17] = 2; // the spy's errand: the battleship's way below is open
        global_objects[35] = 1; // the vault door is open
    });
    ASSERT_NE(p1_id, -1);
    Run_While_Alive([] { return fade >= 1.0f; }, 2000);
    Run(50);
    ASSERT_LT(r.exit, no_sprites);
    ASSERT_EQ(sprite[r.exit].type, TRI);
    const int from_level = Level;
    const float exit_x = Box_X(r.exit), exit_y = Box_Y(r.exit);
    ASSERT_TRUE(Take_Exit(r.exit)) << "no request; the player is at " << PX() << "," << PY() << Box_Texts();
    EXPECT_EQ(episode, r.to_e);
    EXPECT_EQ(scene, r.to_s);
    EXPECT_EQ(current_spawn, r.spawn);
    if (!Is_Mine(r.to_e, r.to_s)) {
        next_scene = false;
        return;
    }
    ASSERT_TRUE(Run_While_Alive([&] { return Settled_In(r.to_e, r.to_s); }, 5000)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(PX(), points[r.spawn].x, 0.03f);
    EXPECT_NEAR(PY(), points[r.spawn].y, 0.03f);
    EXPECT_TRUE(Open_Ground(PX(), PY()));
    Run_While_Alive([] { return next_scene; }, 400);
    EXPECT_TRUE(In(r.to_e, r.to_s)) << "the arrival stands in an exit";
    Shot("silo_arrival_" + std::to_string(r.to_s) + "_" + std::to_string(r.spawn));
    if (r.back_by != -1) { // back aboard by the gangway's page
        Place_Player(Box_X(r.back_by), Box_Y(r.back_by) - 0.14f);
        EXPECT_TRUE(Open_Ground(PX(), PY()));
        sprite[p1_id].fire_target = r.back_by;
        EXPECT_TRUE(next_scene || Run_Until_Request(3000)) << "no way back to 3/" << r.from;
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, r.back_page);
        next_scene = false;
        return;
    }
    // The way back: the exit of the new scene to the old one's level (or to the page on
    // the way there).
    int back = -1;
    for (int i = 0; i < no_sprites && back == -1; ++i)
        if (sprite[i].type == TRI && sprite[i].sector == (r.back_page ? 63 : from_level)) back = i;
    ASSERT_NE(back, -1) << "no exit to level " << from_level;
    EXPECT_TRUE(Take_Exit(back)) << "its way back asks for nothing";
    EXPECT_EQ(episode, r.back_page ? 1 : 3);
    EXPECT_EQ(scene, r.back_page ? r.back_page : r.from);
    if (r.back_page) {
        next_scene = false;
        return;
    }
    // Back where he set out: at the spawn point by the exit he took.
    const int spawn_back = current_spawn;
    ASSERT_TRUE(Run_While_Alive([&] { return Settled_In(3, r.from); }, 5000)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(PX(), points[spawn_back].x, 0.03f);
    EXPECT_NEAR(PY(), points[spawn_back].y, 0.03f);
    EXPECT_LT(std::hypot(PX() - exit_x, PY() - exit_y), 1.2f) << "back far from the exit he took";
    Run_While_Alive([] { return next_scene; }, 300);
    EXPECT_TRUE(In(3, r.from)) << "the way back ends in an exit";
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

INSTANTIATE_TEST_SUITE_P(LateMaps, Silo_Exits, ::testing::ValuesIn(kExits),
                         [](const ::testing::TestParamInfo<Exit_Row>& i) {
                             return "from" + std::to_string(i.param.from) + "_exit" + std::to_string(i.param.exit);
                         });

// The arrivals other scenes name (conversation closes, cut-scenes, the tunnels, the plane
// and the gallery's way back) land on open ground, at the named point, outside every exit.
TEST_F(Walk_Silo, EveryNamedArrivalLandsOnOpenGround) {
    ASSERT_TRUE(gl_);
    const std::pair<int, int> arrivals[] = {{18, 0}, {19, 1}, {20, 0}, {21, 5}, {23, 1}, {24, 0},
                                            {28, 0}, {29, 2}, {29, 3}, {29, 5}, {31, 1}};
    for (auto [s, spawn] : arrivals) {
        SCOPED_TRACE("3/" + std::to_string(s) + " spawn " + std::to_string(spawn));
        Enter(s, spawn);
        ASSERT_NE(p1_id, -1);
        EXPECT_NEAR(PX(), points[spawn].x, 0.03f);
        EXPECT_NEAR(PY(), points[spawn].y, 0.03f);
        EXPECT_TRUE(Open_Ground(PX(), PY()));
        Run_While_Alive([] { return next_scene; }, 400);
        EXPECT_TRUE(In(3, s)) << "the arrival stands in an exit";
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The people and boards of the late maps: walking up to each asks for its page.
TEST_F(Walk_Silo, EveryPersonAndBoardAsksForItsPage) {
    ASSERT_TRUE(gl_);
    struct Row {
        int s, index, kind, to_e, to_s;
        const char* name;
    };
    const Row rows[] = {
        {18, 2, OBJ_BATTLESHIP, 1, 33, "gangway"},    {18, 3, OBJ_MAP, 1, 62, "yard map"},
        {19, 13, OBJ_BATTLESHIP, 1, 33, "spy aboard"}, {21, 3, OBJ_SPY, 1, 28, "spy's hide"},
        {21, 4, OBJ_MAP, 1, 62, "cliff map"},          {23, 2, OBJ_MADMAN, 1, 38, "Professor"},
        {29, 2, OBJ_AIRPLANE, 1, 90, "plane home"},    {29, 3, OBJ_CLAY, 1, 110, "pigeon stand"},
        {31, 1, OBJ_COMMAND, 1, 92, "commander"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Enter(r.s);
        ASSERT_NE(p1_id, -1);
        Run_While_Alive([] { return fade >= 1.0f; }, 2000);
        const object& o = sprite[r.index];
        ASSERT_EQ(o.type, OBJ);
        ASSERT_EQ(o.sector_action, r.kind);
        EXPECT_FALSE(o.mouseover);
        Place_Player(Box_X(r.index), Box_Y(r.index) - 0.14f);
        EXPECT_TRUE(Open_Ground(PX(), PY())) << "he cannot stand in front of it";
        sprite[p1_id].fire_target = r.index;
        ASSERT_TRUE(next_scene || Run_Until_Request(3000)) << "no request" << Box_Texts();
        EXPECT_EQ(episode, r.to_e);
        EXPECT_EQ(scene, r.to_s);
        next_scene = false;
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The submarine pen: the boss cruises between its two points and fires; its silos, the
// front gun, the cover and the core are brought down in turn (the test deals the damage),
// each phase following the last; the wreck burns, the player takes the success pose and the
// game goes on to the empty pen's page.
TEST_F(Walk_Silo, TheBossIsBeatenPartByPartAndTheEmptyPenFollows) {
    ASSERT_TRUE(gl_);
    Enter(20, 0);
    ASSERT_NE(p1_id, -1);
    ASSERT_EQ(Level, level_code::LVL_SUB_PEN);
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 1; }, 3000));
    EXPECT_EQ(sprite[33].alpha, 0.0f) << "the core shows before its cover is off";
    EXPECT_FALSE(sprite[31].grab_switch);
    const float start_x = sprite[27].x;
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 4; }, 15000)) << "the guns never fired";
    EXPECT_NE(sprite[27].x, start_x) << "the boss lies still";
    Shot("boss_guns");
    // The silos: their guns go down with them and the front gun comes up.
    sprite[27].score = sprite[28].score = 0;
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 13; }, 3000)) << "at step " << title_sequence;
    EXPECT_LE(sprite[29].score, 0);
    EXPECT_LE(sprite[30].score, 0);
    EXPECT_FLOAT_EQ(sprite[36].alpha, 1.0f);
    EXPECT_TRUE(sprite[36].grab_switch);
    Run_While_Alive([] { return false; }, 2500);
    Shot("boss_front_gun");
    // The front gun: the cover can be hit, the launcher fires.
    sprite[36].score = 0;
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 16; }, 3000)) << "at step " << title_sequence;
    EXPECT_TRUE(sprite[31].grab_switch);
    // The cover: the core is bared.
    sprite[31].score = 0;
    ASSERT_TRUE(Run_While_Alive([] { return sprite[33].grab_switch; }, 2000));
    EXPECT_FLOAT_EQ(sprite[33].alpha, 1.0f);
    Shot("boss_core");
    // The core: the launcher dies with it, the boss glides to a stop and turns to wreck.
    sprite[33].score = 0;
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 18; }, 2000));
    EXPECT_LE(sprite[32].score, 0);
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 19; }, 20000)) << "the boss never stopped";
    EXPECT_EQ(sprite[27].id, 33) << "the silo shows no wreck";
    EXPECT_EQ(sprite[31].id, 35) << "the cover shows no wreck";
    Shot("boss_wreck");
    ASSERT_TRUE(Run_While_Alive([] { return title_sequence >= 20; }, 3000));
    EXPECT_EQ(sprite[p1_id].status, 65) << "no success pose";
    EXPECT_TRUE(lock_player);
    ASSERT_TRUE(Run_While_Alive([] { return next_scene || !In(3, 20); }, 6000));
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 44);
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 44); }, 5000)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The final mission from the airfield to the last door: the arrow to the ramp, the control
// bunker's markers, its guards once the control room has fallen, both lever rooms solved by
// throwing their levers and the silos' markers following, the super-silo and the launch
// floor, whose last door leads on to the Zarvok's launch (1/93).
TEST_F(Walk_Silo, TheFinalMissionRunsFromTheAirfieldToTheLastDoor) {
    ASSERT_TRUE(gl_);
    Enter(29, 2, [] {
        current_main = MISSION_SILO; // the commander's last orders
        main_mission[MISSION_SILO] = 2;
    });
    ASSERT_NE(p1_id, -1);
    Run_While_Alive([] { return fade >= 1.0f; }, 2000);
    Run(100);
    EXPECT_EQ(arrow_point, 23);
    EXPECT_TRUE(points[1].active);
    for (int i : {1, 22, 23}) EXPECT_FALSE(sprite[i].mouseover) << i;
    Shot("silo_airfield");

    auto go = [](int exit, int e, int s) {
        ASSERT_TRUE(Take_Exit(exit)) << "exit " << exit << Box_Texts();
        ASSERT_TRUE(episode == e && scene == s) << "asked for " << episode << "/" << scene;
        ASSERT_TRUE(Run_While_Alive([=] { return Settled_In(e, s); }, 5000)) << Box_Texts();
        ASSERT_NE(p1_id, -1);
        Run_While_Alive([] { return false; }, 100);
    };
    go(4, 3, 30);
    EXPECT_TRUE(points[8].active);
    EXPECT_FALSE(points[9].active);
    for (int i = 84; i <= 88; ++i) EXPECT_TRUE(sprite[i].turn_off) << "guard " << i << " is in before his time";
    // The control room's commander has been dealt with (his conversation sets the flag).
    go(1, 3, 31);
    EXPECT_TRUE(points[2].active);
    global_objects[54] = 1;
    go(0, 3, 30);
    EXPECT_TRUE(points[9].active);
    EXPECT_FALSE(points[8].active);
    for (int i = 79; i <= 83; ++i) EXPECT_TRUE(sprite[i].mouseover) << "technician " << i << " still at work";
    for (int i = 84; i <= 88; ++i) {
        EXPECT_FALSE(sprite[i].turn_off) << "guard " << i;
        EXPECT_EQ(sprite[i].score, sprite[i].sector == CHIEF ? sprite[i].rank * 30 : sprite[i].rank * 20) << i;
    }
    Shot("silo_control_guards");
    for (int i = 84; i <= 88; ++i) sprite[i].score = 0; // the squad is no test of the content

    // The two lever rooms: 3/33 wants on, off, on and 3/35 on, on, off.
    struct Silo {
        int silo, room, flag, exit_in, exit_on;
        bool pattern[3];
    };
    const Silo silos[] = {{32, 33, 55, 1, 2, {true, false, true}}, {34, 35, 56, 1, 2, {true, true, false}}};
    go(2, 3, 32);
    for (const Silo& k : silos) {
        SCOPED_TRACE("silo " + std::to_string(k.silo));
        EXPECT_TRUE(points[2].active) << "no marker to the lever room";
        EXPECT_FALSE(points[3].active);
        go(k.exit_in, 3, k.room);
        EXPECT_TRUE(points[1].active);
        for (int i = 43; i <= 45; ++i) EXPECT_EQ(sprite[i].anim, sprite[i].base_anim) << "lever " << i << " starts on";
        // A lever thrown twice is off again.
        Walk_Up_To(44);
        EXPECT_EQ(sprite[44].anim, sprite[44].base_anim + 1);
        Walk_Up_To(44);
        EXPECT_EQ(sprite[44].anim, sprite[44].base_anim);
        for (int l = 0; l < 3; ++l)
            if (k.pattern[l]) Walk_Up_To(43 + l);
        Run_While_Alive([] { return false; }, 100);
        EXPECT_EQ(global_objects[k.flag], 1) << "the pattern did not disarm the silo";
        for (int i = 43; i <= 45; ++i) EXPECT_EQ(sprite[i].score, 0) << "lever " << i << " still usable";
        EXPECT_EQ(dialog_active, p1_id);
        EXPECT_NE(std::strstr(counter[4].word, "Missiles"), nullptr) << counter[4].word;
        EXPECT_FALSE(points[1].active);
        Shot("silo_levers_" + std::to_string(k.room));
        // The pose ends and the solved levers stay as they are.
        ASSERT_TRUE(Run_While_Alive([] { return !lock_player; }, 6000)) << "the pose never ended";
        EXPECT_TRUE(In(3, k.room));
        for (int l = 0; l < 3; ++l)
            EXPECT_EQ(sprite[43 + l].anim, sprite[43 + l].base_anim + (k.pattern[l] ? 1 : 0)) << "lever " << 43 + l;
        Walk_Up_To(44);
        EXPECT_EQ(sprite[44].anim, sprite[44].base_anim + (k.pattern[1] ? 1 : 0)) << "a solved lever was thrown";
        go(0, 3, k.silo);
        EXPECT_TRUE(points[3].active) << "no marker on";
        EXPECT_FALSE(points[2].active);
        go(k.exit_on, 3, k.silo + 2);
    }
    // On in the super-silo (3/36, reached from 3/34's way on) and down to the launch floor.
    ASSERT_TRUE(In(3, 36));
    EXPECT_TRUE(points[8].active);
    Shot("silo_super");
    go(1, 3, 37);
    EXPECT_TRUE(points[2].active);
    Shot("silo_launch_floor");
    ASSERT_TRUE(Take_Exit(1));
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 93);
    ASSERT_TRUE(Written(1, 93));
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 93); }, 5000)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The gun lines before the fortress: the emplacements are the scene's targets, the count of
// those standing shows beside the radar and the markers point at the groups still standing;
// with the last one down (3/24) or the first (3/25, where all three go up together) the line
// is taken, and a later visit finds it wrecked.
TEST_F(Walk_Silo, TheGunLinesFallAndStayFallen) {
    ASSERT_TRUE(gl_);
    struct Line {
        int s, flag, first, last, count;
    };
    for (const Line& l : {Line{24, 34, 6, 15, 10}, Line{25, 35, 71, 73, 3}}) {
        SCOPED_TRACE("3/" + std::to_string(l.s));
        Enter(l.s);
        ASSERT_NE(p1_id, -1);
        Run_While_Alive([] { return fade >= 1.0f; }, 2000);
        Run_While_Alive([] { return false; }, 100);
        EXPECT_STREQ(counter[3].word, std::to_string(l.count).c_str());
        for (int i = l.first; i <= l.last; ++i) {
            EXPECT_EQ(sprite[i].type, BAG);
            EXPECT_GT(sprite[i].score, 0) << "gun " << i << " is down before a shot";
        }
        Shot("silo_guns_" + std::to_string(l.s));
        for (int i = l.first; i <= l.last && global_objects[l.flag] == 0; ++i) {
            sprite[i].score = 0; // brought down
            Run_While_Alive([] { return false; }, 60);
        }
        EXPECT_EQ(global_objects[l.flag], 1);
        for (int i = l.first; i <= l.last; ++i) EXPECT_LE(sprite[i].score, 0) << "gun " << i;
        EXPECT_STREQ(counter[3].word, "0");
        // A later visit: all wrecked from the first tick, no message.
        Enter(l.s, -1, [&] { global_objects[l.flag] = 1; });
        Run_While_Alive([] { return false; }, 100);
        for (int i = l.first; i <= l.last; ++i) {
            EXPECT_EQ(sprite[i].score, 0) << "gun " << i << " stands again";
            EXPECT_EQ(sprite[i].anim, sprite[i].base_anim + 2) << "gun " << i << " not wrecked";
        }
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The fortress's last rooms: the lever in the vaults' guard post opens the steel door over
// the stair, and only then does the stair lead down (to the jailer's page); in the dungeon
// the prisoner calls for help while the jailer stands, and can be taken along once he is
// dead.
TEST_F(Walk_Silo, TheVaultLeverOpensTheStairAndTheJailerHoldsThePrisoner) {
    ASSERT_TRUE(gl_);
    Enter(27, 1);
    ASSERT_NE(p1_id, -1);
    Run_While_Alive([] { return fade >= 1.0f; }, 2000);
    EXPECT_TRUE(sprite[128].moving) << "the stair is open before the door";
    EXPECT_FALSE(Open_Ground(Box_X(126), Box_Y(126))) << "the steel door lets him through";
    Walk_Up_To(127);
    EXPECT_EQ(global_objects[35], 1) << "the lever opened nothing";
    Run_While_Alive([] { return false; }, 100);
    EXPECT_FALSE(sprite[128].moving);
    EXPECT_TRUE(Open_Ground(Box_X(126), Box_Y(126))) << "the steel door still bars the stair";
    ASSERT_TRUE(Take_Exit(128));
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 77);
    next_scene = false;

    Enter(28, 0, [] { current_main = 0; }); // no mission whose debriefing the pose would start
    ASSERT_NE(p1_id, -1);
    Run_While_Alive([] { return fade >= 1.0f; }, 2000);
    EXPECT_EQ(sprite[14].sector, UNIT_SHOTGUN);
    EXPECT_EQ(sprite[14].score, 1000) << "the jailer of the dungeon";
    EXPECT_EQ(sprite[11].sector_action, 0) << "the prisoner goes before the jailer is dead";
    Shot("silo_dungeon");
    sprite[14].score = 0; // the jailer falls
    Run_While_Alive([] { return sprite[11].sector_action == OBJ_RESCUE; }, 3000);
    EXPECT_EQ(sprite[11].sector_action, OBJ_RESCUE);
    EXPECT_EQ(global_objects[44], 1);
    ASSERT_TRUE(Run_While_Alive([] { return !lock_player; }, 3000));
    Place_Player(Box_X(11), Box_Y(11) - 0.14f);
    EXPECT_TRUE(Open_Ground(PX(), PY())) << "he cannot stand before the prisoner";
    sprite[p1_id].fire_target = 11;
    ASSERT_TRUE(next_scene || Run_Until_Request(3000));
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 78);
    next_scene = false;
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
