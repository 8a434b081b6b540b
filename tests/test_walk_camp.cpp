// The act-1 camp as generated, played through the real frame loop on the virtual clock: the
// player stands at the spawn point he was sent to and walks under either control scheme,
// and the pages a walk scene leads to (pause, perk page, death page) open and lead back; the
// camp's people and boards ask for their pages when he walks up to them, its exits for their
// scenes, the barrier and the dugout follow the story, the traffic drives its routes and the
// soldier by the fire sleeps at night. No message box at any point.
#include "support/played_game.h"

#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "audio/audio.h"
#include "combat/combat.h"
#include "combat/damage.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/camera_load.h"
#include "content/object_setup.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/window.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/collision.h"
#include "world/world_clock.h"

namespace {

constexpr int kSpawn = 30;

class Walk_Camp : public PlayedGame {
protected:
    // The runs stop at a scene request, so that a test sees it before the scene loads.
    static inline bool stop_at_request_ = false;
    // Within its scope the runs go on through requests.
    struct Full_Runs {
        bool saved = stop_at_request_;
        Full_Runs() { stop_at_request_ = false; }
        ~Full_Runs() { stop_at_request_ = saved; }
    };

    void SetUp() override {
        stop_at_request_ = false;
        PlayedGame::SetUp();
    }

    static void Click(int px, int py) {
        Pointer(px, py);
        Run(20);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, platform::MakeLParam(px, py)});
        Run(40); // held over a few ticks: a button-up in the same tick would clear it
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, platform::MakeLParam(px, py)});
        // The button-up is taken even when the click has made a request (one pass: the
        // scene's fade-out has only begun).
        Advance_Ms(5);
        Loop_Pass();
        Run(10);
    }
    // Moves the pointer to the middle of sprite i's box and clicks it.
    static void Click_Sprite(int i) {
        ASSERT_LT(i, no_sprites);
        const object& o = sprite[i];
        Click(Pixel_X(o.w + o.box_width / 2), Pixel_Y(o.z + o.box_height / 2));
    }

    // Points the pointer at the world position (x, y), with the camera where it is now: the
    // pointer's world position is read at two pixels and the line through them followed.
    static void Point_At(float x, float y) {
        Full_Runs full;
        const int cx = kW / 2, cy = kH / 2, step = 100;
        Pointer(cx, cy);
        Run(10);
        const float x0 = mouseX, y0 = mouseY;
        Pointer(cx + step, cy + step);
        Run(10);
        const float sx = (mouseX - x0) / step, sy = (mouseY - y0) / step;
        last_px_ = cx + (int)std::lround((x - x0) / sx);
        last_py_ = cy + (int)std::lround((y - y0) / sy);
        Pointer(last_px_, last_py_);
        Run(10);
    }
    static inline int last_px_ = 0, last_py_ = 0;
    // Clicks on the world position (x, y).
    static void Click_At(float x, float y) {
        Point_At(x, y);
        Click(last_px_, last_py_);
    }
    // Puts the player's centre at (x, y) and lets the loop run on a little.
    static void Place_Player(float x, float y) { PlayedGame::Place_Player(x, y, 150); }
    // Enters the camp with story flags 60 (commander met, slept) and 66 (training passed)
    // set; the game's start clears them, the camp's script reads them on every tick.
    void Enter_Camp_With(int spawn, int flag60, int flag66) {
        CONTROL_SCHEME = true; // the pointer walks the player
        Enter_Camp(spawn);
        global_objects[60] = (char)flag60;
        global_objects[66] = (char)flag66;
        Run(100);
    }
    // Back in the camp after a request the test has seen, before the page loads.
    static void Cancel_Request() {
        next_scene = false;
        episode = 2;
        scene = 0;
        next_scene1 = next_episode1 = -1;
        tunnel_timer = -1;
        lock_player = false;
        fade = 1.0f;
        c_fade_out = 3; // the camp's own fade-out, as loaded
        mouseleft = mouseheld = false;
    }

};

TEST_F(Walk_Camp, ThePlayerStandsAtTheSpawnAndWalksUnderEitherScheme) {
    ASSERT_TRUE(gl_);
    struct Scheme {
        const char* name;
        bool mouse_only;
    };
    for (const Scheme& s : {Scheme{"mouse and keyboard", false}, Scheme{"mouse only", true}}) {
        SCOPED_TRACE(s.name);
        CONTROL_SCHEME = s.mouse_only;
        Enter_Camp(kSpawn);
        ASSERT_NE(p1_id, -1);
        EXPECT_EQ(game_mode, MODE_WALK);
        EXPECT_EQ(Level, level_code::LVL_BASE);
        EXPECT_NEAR(PX(), points[kSpawn].x, 0.06f);
        EXPECT_NEAR(PY(), points[kSpawn].y, 0.06f);
        // The player stands on open ground of the camp's tile set, not in a wall.
        const int cell = Get_Tile_Index(PX(), PY());
        EXPECT_EQ(map_col[cell], COL_FOOTPRINT); // his own centre mark on a free cell
        EXPECT_FALSE(tiles[cell] >= 32 && tiles[cell] <= 287) << tiles[cell];
        Shot(s.mouse_only ? "camp_spawn_mouse" : "camp_spawn");

        // Walk toward a point above the player (the top of the screen is north).
        const float x0 = PX(), y0 = PY();
        if (s.mouse_only) {
            Click(kW / 2, kH / 2 - 150);
        } else {
            Pointer(kW / 2, kH / 2 - 200);
            Run(20);
            Key('W', true);
        }
        Run(1500);
        if (!s.mouse_only) Key('W', false);
        Run(300);
        EXPECT_GT(PY() - y0, 0.15f) << "the player did not walk north";
        EXPECT_LT(std::fabs(PX() - x0), 0.15f);
        Shot(s.mouse_only ? "camp_walked_mouse" : "camp_walked");
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

TEST_F(Walk_Camp, EscapeOpensThePausePageAndLeadsBack) {
    ASSERT_TRUE(Written(1, 53)) << "the pause page is not generated";
    Enter_Camp(kSpawn);
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Run_Until([] { return In(1, 53); }, 3000)) << Box_Texts();
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 0);
    Run(1500);
    Click(View_X(0.35f), View_Y(-0.13f)); // "Return^to_game"
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    EXPECT_NE(p1_id, -1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ALevelUpOpensThePerkPageAndTabLeadsBack) {
    ASSERT_TRUE(Written(1, 141)) << "the perk page is not generated";
    Enter_Camp(kSpawn);
    const float x0 = PX(), y0 = PY();
    const int points_before = level_up_points;
    Calculate_Exp(p1_id, 100000);
    EXPECT_GT(level_up_points, points_before) << "dead " << ply_dead << " score " << sprite[p1_id].score << " exp " << player_experience << "/" << player_exp_level;
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(1, 141); }, 3000)) << Box_Texts();
    Run(1000);
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(PX(), x0, 0.06f); // back where he stood
    EXPECT_NEAR(PY(), y0, 0.06f);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ADeathShowsTheDeathPageAndThePlayerRevives) {
    ASSERT_TRUE(Written(0, 8)) << "the death page is not generated";
    Enter_Camp(kSpawn);
    sprite[p1_id].score = 1;
    Man_Shot(0, p1_id, 749, 0, 5);
    EXPECT_TRUE(ply_dead);
    ASSERT_TRUE(Run_Until([] { return In(0, 8); }, 15000)) << Box_Texts();
    EXPECT_EQ(game_mode, MODE_FRONT);
    Run(2000);
    EXPECT_GE(title_sequence, 1); // the page plays
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    // At its end (or on Skip) the soldier is revived at full health and sent to his tent
    // 1/25, and from there he walks out into the camp.
    ASSERT_TRUE(Run_Until([] { return In(1, 25); }, 20000))
        << "the death page did not end; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(ply_had_died);
    EXPECT_GT(PLY_VITALITY, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    ASSERT_TRUE(Run_Until([] { return fade >= 1.0f; }, 3000));
    Click_Sprite(13); // Leave_Tent
    ASSERT_TRUE(Run_Until([] { return game_mode == MODE_WALK && !ply_dead && p1_id != -1; }, 30000))
        << "no way back into the game; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(In(2, 0));
    EXPECT_EQ(current_spawn, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// Each of the camp's people and boards, with the player standing just in front of it and
// taking it as his target (what a click on it does), greets him and asks for its page; the page itself is another scene's
// business, so the test stops at the request.
TEST_F(Walk_Camp, EveryPersonAndBoardAsksForItsPage) {
    struct Row {
        int index, kind, episode, scene;
        const char* name;
    };
    const Row rows[] = {
        {140, OBJ_BETSY, 1, 0, "commander"},     {43, OBJ_DRILL, 1, 1, "drill"},
        {44, OBJ_WAGES, 1, 2, "wages"},          {45, OBJ_CASINO, 1, 3, "casino"},
        {46, OBJ_GALLERY, 1, 8, "gallery"},      {47, OBJ_CARD_START, 1, 17, "cards"},
        {48, OBJ_PATCHES, 1, 19, "surgery"},     {49, OBJ_DOGMATE, 1, 20, "kennels"},
        {55, OBJ_MEDALBOX, 1, 24, "medals"},     {50, OBJ_UPGRADE, 1, 29, "armoury"},
        {51, OBJ_DODGYDAN, 1, 27, "trader"},     {52, OBJ_SPY, 1, 28, "signals"},
        {53, OBJ_STARTUP, 1, 5, "recruit"},      {54, OBJ_MAP, 1, 62, "map"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        stop_at_request_ = false;
        Enter_Camp_With(kSpawn, 1, 0); // each visit from a fresh load
        first_time_playing = false;
        ASSERT_NE(p1_id, -1);
        stop_at_request_ = true;
        const object& o = sprite[r.index];
        ASSERT_EQ(o.type, OBJ);
        ASSERT_EQ(o.sector_action, r.kind);
        EXPECT_FALSE(o.mouseover) << "the object is not usable";
        const int rest = o.anim;
        // He stands on open ground beside it: in front of it, or on a side where that is open.
        const float sides[][2] = {{0.0f, -0.14f}, {0.1f, 0.0f}, {-0.1f, 0.0f}, {0.0f, 0.1f}};
        int side = 0;
        while (side < 3 && map_col[Get_Tile_Index(Box_X(r.index) + sides[side][0], Box_Y(r.index) + sides[side][1])] != 0)
            ++side;
        Place_Player(Box_X(r.index) + sides[side][0], Box_Y(r.index) + sides[side][1]);
        const int under = map_col[Get_Tile_Index(PX(), PY())];
        EXPECT_TRUE(under != COL_SOLID && under != COL_SOLID_SHOOTTHRU && under != COL_WATER) << under;
        Shot((std::string("camp_") + r.name).c_str());
        sprite[p1_id].fire_target = r.index;
        ASSERT_TRUE(next_scene || Run_Until_Request(4000))
            << "no request; the player is at " << PX() << "," << PY() << Box_Texts();
        EXPECT_EQ(episode, r.episode);
        EXPECT_EQ(scene, r.scene);
        EXPECT_EQ(sprite[r.index].anim, rest + 1) << "the greeting";
        Cancel_Request();
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The exits: the player steps into each and it asks for its scene with its spawn point.
TEST_F(Walk_Camp, EachExitAsksForItsScene) {
    struct Row {
        int index, episode, scene, spawn;
        float from_x, from_y; // where he starts, from the exit's centre
        const char* name;
    };
    const Row rows[] = {
        {73, 1, 55, 0, -0.5f, 0.0f, "coast road"},
        {70, 3, 1, 1, 0.5f, 0.0f, "training ground"},
        {123, 1, 25, 0, 0.0f, -0.3f, "tent"},
    };
    // Has met the commander and slept (the barrier is gone) and passed the training (the
    // dugout is open); each visit from a fresh load.
    auto visit = [this] {
        stop_at_request_ = false;
        Enter_Camp_With(1, 1, 1);
        ASSERT_NE(p1_id, -1);
        stop_at_request_ = true;
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        visit();
        ASSERT_EQ(sprite[r.index].type, TRI);
        {
            Full_Runs full; // the look before he steps in
            Place_Player(Box_X(r.index) + r.from_x, Box_Y(r.index) + r.from_y);
            Shot((std::string("camp_exit_") + std::to_string(r.index)).c_str());
        }
        Place_Player(Box_X(r.index), Box_Y(r.index));
        ASSERT_TRUE(next_scene || Run_Until_Request(4000))
            << "no request; the player is at " << PX() << "," << PY() << Box_Texts();
        EXPECT_EQ(episode, r.episode);
        EXPECT_EQ(scene, r.scene);
        EXPECT_EQ(current_spawn, r.spawn);
        Cancel_Request();
    }
    // The dugout, open since the training was passed: he climbs down toward the tunnels.
    visit();
    EXPECT_EQ(sprite[42].anim, 2);
    Place_Player(Box_X(42), Box_Y(42) - 0.3f);
    Shot("camp_dugout");
    Place_Player(Box_X(42), Box_Y(42));
    ASSERT_TRUE(next_scene1 == 31 || Run_Until_Request(4000))
        << "the dugout took no one; the player is at " << PX() << "," << PY() << Box_Texts();
    EXPECT_EQ(next_scene1, 31);
    EXPECT_EQ(next_episode1, 1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// Before the training the dugout is shut: it shows its first animation and takes no one.
TEST_F(Walk_Camp, TheDugoutStaysShutBeforeTheTraining) {
    Enter_Camp_With(kSpawn, 1, 0);
    stop_at_request_ = true;
    EXPECT_EQ(sprite[42].anim, 0);
    Place_Player(Box_X(42), Box_Y(42));
    Run(2500);
    EXPECT_EQ(next_scene1, -1);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(episode, 2);
}

// The barrier on the gate road keeps the player in the camp until he has slept (story flag
// 60 = 1); then the camp's script takes it away and he walks out to the outer road.
TEST_F(Walk_Camp, TheBarrierHoldsThePlayerInUntilHeHasSlept) {
    for (int flag : {0, 2, 1}) {
        SCOPED_TRACE("story flag 60 = " + std::to_string(flag));
        Enter_Camp_With(0, flag, 0); // just inside the barrier
        ASSERT_NE(p1_id, -1);
        const float y0 = PY();
        const float gate_y = Box_Y(72);
        ASSERT_LT(gate_y, y0);
        // The arrow leads to the commander first, then to the tent.
        if (flag == 0) {
            EXPECT_EQ(arrow_point, 140);
        } else if (flag == 2) {
            EXPECT_EQ(arrow_point, 123);
        }
        EXPECT_EQ(sprite[123].moving, flag == 0) << "the tent door is shut only before the commander";
        if (flag == 2) Shot("camp_barrier");
        // He tries to walk south through the gap, 0.5 past the barrier.
        Click_At(PX(), gate_y - 0.5f);
        Run(4000);
        if (flag == 1) {
            EXPECT_LT(PY(), gate_y - 0.2f) << "he did not get past the open gap";
            EXPECT_FLOAT_EQ(sprite[72].alpha, 0.0f);
        } else {
            EXPECT_GT(PY(), gate_y) << "he got past the barrier";
            EXPECT_FLOAT_EQ(sprite[72].alpha, 1.0f);
        }
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The lorries and jeeps drive from their start point to their end point and begin again; a
// vehicle that reaches the player knocks him down.
TEST_F(Walk_Camp, TheTrafficDrivesItsRoutes) {
    Enter_Camp_With(kSpawn, 1, 0);
    ASSERT_EQ(cpatrol_count, 6);
    Run(50);
    title_timer = Now(); // the traffic starts at once rather than after its random wait
    std::vector<float> x0;
    for (int k = 0; k < cpatrol_count; ++k) {
        const object& v = sprite[cpatrol_list[k]];
        EXPECT_EQ(v.type, BUD);
        ASSERT_TRUE(v.score >= 0 && v.score < no_points && v.linked_sprite >= 0 && v.linked_sprite < no_points);
        // Start and end lie on the same street, the end to the east.
        EXPECT_GT(points[v.linked_sprite].x, points[v.score].x + 5.0f);
        EXPECT_NEAR(points[v.linked_sprite].y, points[v.score].y + v.box_height / 2, 0.1f);
        x0.push_back(Box_X(cpatrol_list[k]));
    }
    Run(2000);
    for (int k = 0; k < cpatrol_count; ++k) {
        const int i = cpatrol_list[k];
        EXPECT_NEAR(Box_X(i) - x0[k], 2000 * 0.000192f, 0.05f) << "vehicle " << i;
        EXPECT_GE(sprite[i].anim, 0);
        EXPECT_LE(sprite[i].anim, 7);
    }
    // One brought near its end point arrives and starts again from its start point.
    const int v = cpatrol_list[0];
    const a_point& start = points[sprite[v].score];
    const a_point& end = points[sprite[v].linked_sprite];
    {
        object& o = sprite[v];
        const float dx = end.x - 0.15f - Box_X(v), dy = end.y - Box_Y(v);
        o.x += dx, o.w += dx, o.y += dy, o.z += dy;
    }
    Run(1500);
    EXPECT_LT(sprite[v].x, start.x + 1.0f) << "it did not start again";
    EXPECT_NEAR(sprite[v].y, start.y, 0.02f);
    // Standing on its road, the player is knocked down when it reaches him.
    Place_Player(Box_X(v) + 0.5f, Box_Y(v));
    Shot("camp_traffic");
    ASSERT_TRUE(Run_Until([] { return sprite[p1_id].status == 72; }, 6000)) << "the vehicle drove through him";
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The soldier by the fire sits awake by day and sleeps at night.
TEST_F(Walk_Camp, TheSoldierByTheFireSleepsAtNight) {
    for (bool night : {false, true}) {
        SCOPED_TRACE(night ? "night" : "day");
        Enter_Camp(kSpawn);
        hours = night ? 23 : 12; // the clock sets the night flag from the hour
        daytime = night;
        Run(100);
        ASSERT_EQ(daytime, night);
        EXPECT_EQ(sprite[15].anim, night ? 4 : 19);
        EXPECT_EQ(sprite[15].anim_state, ANIM_LOOP);
        if (night) {
            Place_Player(Box_X(15) + 0.4f, Box_Y(15) - 0.3f);
            Shot("camp_fire_night");
        }
    }
}

} // namespace
