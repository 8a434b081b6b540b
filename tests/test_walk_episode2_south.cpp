// The south of the act-2 country as generated (the highway 2/1, the village 2/2, the act-2
// camp 2/3, the roadway 2/4 and the coastal town 2/5), played through the real frame loop on
// the virtual clock: every exit asks for the scene the level table names and the player
// arrives at its spawn point, walks back and finds the scene as he left it; an enemy patrol
// on the roadway sees him, comes for him and fires, and the officer he shoots with a rifle
// drops an apple he picks up and eats; the village guns fall to grenades only on their
// mission; the second act is played from its camp. No message box at any
// point.
#include "support/played_game.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "combat/ordnance.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/camera_load.h"
#include "content/level_table.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"
#include "hud/weapons.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "scripts/scripts.h"

namespace {

class Walk_Episode2_South : public PlayedGame {
protected:
    // A game in act `act` (the camp moved after the raid: flag 32) in the mouse-only scheme,
    // standing in scene 2/s at spawn point `spawn`.
    void Enter(int s, int spawn, int act = 2) {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_act = act;
        global_objects[32] = 1;
        Enter_Scene(2, s, spawn);
        Run(200);
    }

    // Runs one pass at a time until a scene is requested (before it loads). A scene without
    // a fade-out loads in the pass of its request: then the new scene is on already.
    static bool Run_Until_Request(int ms) {
        const int e = episode, s = scene;
        return Run_Passes_Until([=] { return Scene_Requested() || episode != e || scene != s; }, ms);
    }

    // A request for a travel page: the page is there and plays to its end.
    static void Through_Travel() {
        if (episode == 1 && next_scene) {
            EXPECT_TRUE(Written(1, scene)) << "travel page 1/" << scene << " is not generated";
        }
    }

    // Steps onto trigger `index` and returns the request it makes: (episode, scene, spawn).
    struct Request {
        int episode = -1, scene = -1, spawn = -1;
    };
    static Request Step_On(int index) {
        Place_Player(Box_X(index), Box_Y(index));
        Request r;
        if (!(next_scene || Run_Until_Request(3000))) return r;
        r = {episode, scene, current_spawn};
        return r;
    }
    // Lets a request play out (through a travel page) until scene 2/s is on and bright.
    static bool Arrive(int e, int s) {
        Through_Travel();
        return Run_Until([&] {
            if (next_scene) Through_Travel();
            return In(e, s) && fade >= 1.0f && p1_id != -1;
        }, 20000);
    }
    // The player stands on spawn point `spawn` of the scene.
    static void Expect_At_Spawn(int spawn) {
        ASSERT_NE(p1_id, -1);
        EXPECT_NEAR(PX(), points[spawn].x, 0.02f) << "not at spawn " << spawn;
        EXPECT_NEAR(PY(), points[spawn].y, 0.02f) << "not at spawn " << spawn;
    }

    // A click on the world position (x, y), held over a few ticks; the view leans toward the
    // pointer, so the pointer is set again on the position just before the button goes down.
    static void Click_At(float wx, float wy) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
        Run(30);
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run(60);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run(20);
    }

    static int First_Enemy() {
        for (int i = 0; i < no_sprites; ++i)
            if (sprite[i].type == UNT && i != p1_id && sprite[i].linked_sprite == 1 && sprite[i].score > 0) return i;
        return -1;
    }
};

// Each exit of the five maps, walked once there and back. The request names the scene the
// trigger leads to (a travel page for the roads between areas); the player arrives at the
// spawn point the table names; on the way back he arrives where the return names and the
// scene he left is as he left it (a unit he killed stays dead).
TEST_F(Walk_Episode2_South, EveryExitLeadsToItsSceneAndBack) {
    ASSERT_TRUE(gl_);
    struct Leg {
        int trigger;                 // the trigger stepped on
        int req_episode, req_scene;  // the scene it asks for first
        int episode, scene, spawn;   // where the player arrives
    };
    struct Row {
        const char* name;
        int scene, spawn;   // where the player starts
        Leg there, back;
    };
    const Row rows[] = {
        {"highway west to the training ground", 1, 0, {20, 3, 1, 3, 1, 1}, {70, 2, 1, 2, 1, 0}},
        {"highway north to the roadway", 1, 0, {21, 2, 4, 2, 4, 4}, {25, 2, 1, 2, 1, 3}},
        {"highway south to the camp", 1, 0, {22, 2, 3, 2, 3, 10}, {22, 2, 1, 2, 1, 6}},
        {"roadway south to the camp", 4, 0, {24, 1, 56, 2, 3, 1}, {17, 1, 84, 2, 4, 0}},
        {"roadway west to the village", 4, 0, {32, 1, 89, 2, 2, 40}, {30, 1, 85, 2, 4, 6}},
        {"coastal town west to the camp", 5, 0, {3, 1, 56, 2, 3, 10}, {22, 2, 1, 2, 1, 6}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Enter(r.scene, r.spawn);
        Expect_At_Spawn(r.spawn);
        // A unit of the starting scene killed before leaving.
        const int dead = First_Enemy();
        if (dead != -1) {
            sprite[dead].score = 0;
            sprite[dead].status = 44;
        }
        Shot(std::string("ep2s_from_") + std::to_string(r.scene) + "_" + std::to_string(r.there.trigger));
        ASSERT_EQ(sprite[r.there.trigger].type, TRI);
        const Request there = Step_On(r.there.trigger);
        EXPECT_EQ(there.episode, r.there.req_episode);
        EXPECT_EQ(there.scene, r.there.req_scene);
        ASSERT_TRUE(Arrive(r.there.episode, r.there.scene)) << "at " << episode << "/" << scene << Box_Texts();
        Expect_At_Spawn(r.there.spawn);
        Run(300);
        Shot(std::string("ep2s_to_") + std::to_string(r.there.episode) + "_" + std::to_string(r.there.scene) + "_" +
             std::to_string(r.there.spawn));

        ASSERT_LT(r.back.trigger, no_sprites);
        ASSERT_EQ(sprite[r.back.trigger].type, TRI);
        const Request back = Step_On(r.back.trigger);
        EXPECT_EQ(back.episode, r.back.req_episode);
        EXPECT_EQ(back.scene, r.back.req_scene);
        ASSERT_TRUE(Arrive(r.back.episode, r.back.scene)) << "at " << episode << "/" << scene << Box_Texts();
        Expect_At_Spawn(r.back.spawn);
        if (dead != -1 && r.back.episode == 2 && r.back.scene == r.scene) {
            EXPECT_LE(sprite[dead].score, 0) << "unit " << dead << " rose again: the snapshot was not kept";
        }
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

// The exits that lead out of these five maps into other areas ask for their scenes with the
// spawn points of the level table; the roads that the story keeps shut ask for nothing.
TEST_F(Walk_Episode2_South, ExitsIntoOtherAreasAskForTheirScenes) {
    ASSERT_TRUE(gl_);
    struct Row {
        const char* name;
        int scene, act, trigger;
        int episode_to, scene_to, spawn_to; // -1 episode: no request
        std::function<void()> story;
    };
    const Row rows[] = {
        {"the farm road before the third act", 4, 2, 26, -1, 0, 0, [] {}},
        {"the farm road in the third act", 4, 3, 26, 1, 87, 0, [] {}},
        {"the trench road, trench mission not given", 2, 2, 31, 1, 111, 4, [] {}},
        {"the trench road, trench mission on", 2, 2, 31, 1, 110, 4, [] { main_mission[9] = 2; }},
        {"the coast road", 5, 2, 4, 1, 55, 0, [] {}},
        {"the commander's door", 3, 2, 91, 1, 65, 4, [] {}},
        {"the player's tent", 3, 2, 23, 1, 25, 0, [] {}},
        {"the compound's first gate, shut", 1, 3, 0, -1, 0, 0, [] {}},
        {"the compound's first gate, open", 1, 3, 0, 3, 30, 1, [] {
             main_mission[13] = 2;
             global_objects[53] = 1;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_act = r.act;
        global_objects[32] = 1;
        r.story();
        Enter_Scene(2, r.scene, r.scene == 2 ? 40 : 0);
        Run(200);
        ASSERT_NE(p1_id, -1);
        if (r.scene == 2) {
            EXPECT_EQ(sprite[340].mouseover, main_mission[9] != 0) << "the trench road's barrier";
        }
        const Request q = Step_On(r.trigger);
        if (r.episode_to == -1) {
            EXPECT_EQ(q.episode, -1) << "a shut road asked for " << q.episode << "/" << q.scene;
            EXPECT_FALSE(next_scene);
        } else {
            EXPECT_EQ(q.episode, r.episode_to);
            EXPECT_EQ(q.scene, r.scene_to);
            EXPECT_EQ(q.spawn, r.spawn_to);
        }
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
    // The dugout of the act-2 camp and the coastal town's tunnel lead into the tunnels.
    for (int s : {3, 5}) {
        SCOPED_TRACE(s == 3 ? "the camp's dugout" : "the coastal town's tunnel");
        Enter(s, 0);
        const int ladder = s == 3 ? 26 : 2;
        ASSERT_EQ(sprite[ladder].type, LAD);
        Place_Player(Box_X(ladder), Box_Y(ladder));
        ASSERT_TRUE(next_scene1 == 31 || Run_Until_Request(4000)) << "the tunnel took no one";
        EXPECT_EQ(next_scene1, 31);
        EXPECT_EQ(next_episode1, 1);
    }
}

// The roadway's patrol: the gunners see the player who comes up the field, come for him and
// fire; he shoots their officer with a rifle (and the two gunners at his side), and the
// officer's apple lies where he fell until the player walks over and eats it.
TEST_F(Walk_Episode2_South, ThePatrolFightsAndTheFallenOfficerDropsWhatHeCarried) {
    ASSERT_TRUE(gl_);
    Enter(4, 0);
    constexpr int kGunners[] = {14, 15, 17, 18};
    constexpr int kOfficer = 16;
    for (int g : kGunners) ASSERT_EQ(sprite[g].type, UNT);
    ASSERT_EQ(sprite[kOfficer].sector, CHIEF);

    // A rifle and rounds, the rifle in hand.
    ASSERT_TRUE(Calculate_Item(0, ::RIFLE, -1, 0, -1));
    ASSERT_TRUE(Calculate_Item(50, ::RIFLE_AMMO, -1, 50, -1));
    // A rifle takes two slots; the weapon in hand is its right-hand one.
    const int rifle_code = Slot_Code_Of(::RIFLE);
    for (int i = 0; i + 1 < 16; ++i)
        if (player_inv[i] == rifle_code) current_weapon = i + 1;
    ASSERT_NE(current_weapon, -1);
    player_inv_value2[current_weapon] = player_inv_value2[current_weapon - 1] = 5; // loaded
    Get_Weapon_Stats(current_weapon, 0); // equipped: its ladder sets the gun's firepower
    Calculate_Stats();
    ASSERT_GT(PLY_FIREPOWER, 0);
    Run(100);

    // In the open field below the nest, in their sight.
    const float ox = Box_X(kOfficer), oy = Box_Y(kOfficer);
    Place_Player(ox - 0.1f, oy - 0.55f);
    // The fight is watched, not lost: the player is kept alive while it lasts.
    player_health = 1000;
    sprite[p1_id].score = 1000;
    const int health = sprite[p1_id].score;
    float start_gap = 0;
    for (int g : kGunners) start_gap += std::hypot(Box_X(g) - PX(), Box_Y(g) - PY());
    bool seen = false, fired = false;
    Run_Until([&] {
        for (int g : {14, 15, 16, 17, 18})
            if (sprite[g].fire_target == p1_id) seen = true;
        if (sprite[p1_id].score < health || sprite[p1_id].status == 21) fired = true; // hit
        if (sprite[p1_id].score < 300) sprite[p1_id].score = health;
        return seen && fired;
    }, 8000);
    Shot("ep2s_fight");
    EXPECT_TRUE(seen) << "no gunner took the player for his target";
    EXPECT_TRUE(fired) << "no gunner hit the player";
    float gap = 0;
    for (int g : kGunners) gap += std::hypot(Box_X(g) - PX(), Box_Y(g) - PY());
    EXPECT_LT(gap, start_gap) << "the gunners stayed where they were";

    // He shoots the officer, then the two gunners at his side: a click on a man fires (the
    // rifle kept loaded).
    auto shoot_down = [&](int k) {
        for (int shots = 0; shots < 60 && sprite[k].score > 0; ++shots) {
            if (p1_id == -1) return;
            Place_Player(Box_X(k) - 0.05f, Box_Y(k) - 0.4f);
            sprite[p1_id].score = 1000;
            player_inv_value2[current_weapon] = player_inv_value2[current_weapon - 1] = 5;
            Click_At(Box_X(k), Box_Y(k));
            Run(200);
        }
    };
    shoot_down(kOfficer);
    ASSERT_NE(p1_id, -1);
    ASSERT_LE(sprite[kOfficer].score, 0) << "the officer stands after 60 shots";
    const float fx = Box_X(kOfficer), fy = Box_Y(kOfficer);
    for (int g : {14, 15}) shoot_down(g);
    ASSERT_NE(p1_id, -1);
    Run(300);
    // Ground items may move within the effects as others end: the apple is found by what it
    // is and where it lies.
    auto apple_at = [fx, fy](float& x, float& y) {
        for (int k = 0; k < no_fx; ++k)
            if (Fx[k].type == PKU && !Fx[k].turn_off && Fx[k].item_type == ::APPLE &&
                std::hypot(Fx[k].w + Fx[k].box_width / 2 - fx, Fx[k].z + Fx[k].box_height / 2 - fy) < 0.4f) {
                x = Fx[k].x + Fx[k].width / 2; // where it is drawn, where the pointer takes it
                y = Fx[k].y + Fx[k].height / 2;
                return true;
            }
        return false;
    };
    float ax = 0, ay = 0;
    ASSERT_TRUE(apple_at(ax, ay)) << "the officer dropped nothing";
    Shot("ep2s_drop");
    // An apple is eaten where it is picked up: it heals 15.
    Place_Player(ax, ay - 0.15f);
    sprite[p1_id].score = 30;
    player_health = 30;
    bool healed = false;
    Click_At(ax, ay);
    float x = 0, y = 0;
    ASSERT_TRUE(Run_Until([&] {
        if (sprite[p1_id].score > 30) healed = true;
        return !apple_at(x, y);
    }, 5000)) << "the apple still lies there";
    Run(50);
    EXPECT_TRUE(healed || sprite[p1_id].score > 30) << "the apple did not heal";
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The village's four guns take no blast before the revenge mission is given; once it is on,
// a grenade at a gun wrecks it (its second look), sets it off and keeps it wrecked on the
// next visit; the last one down completes the mission.
TEST_F(Walk_Episode2_South, TheVillageGunsFallToGrenadesOnlyOnTheRevengeMission) {
    ASSERT_TRUE(gl_);
    constexpr int kGuns[] = {336, 337, 10, 338};
    auto blast_at = [](int k) {
        Shell_Landed(Box_X(k), Box_Y(k), p1_id, 5, BLAST_KIND_GRENADE);
        Run(300);
    };
    // Not given: every gun stands its blast.
    Enter(2, 40);
    // The village's door and crow medals are there to be earned: it has doors and crows, so
    // a visit alone gives neither.
    EXPECT_GT(total_doors_count, 0);
    EXPECT_GT(total_village_crow_count, 0);
    EXPECT_NE(global_medals[20], 1);
    EXPECT_NE(global_medals[22], 1);
    for (int g : kGuns) {
        ASSERT_EQ(sprite[g].type, BAG);
        EXPECT_TRUE(sprite[g].moving);
        blast_at(g);
        EXPECT_GT(sprite[g].score, 0) << "gun " << g << " fell before its mission";
    }
    // Given: each falls to one grenade.
    main_mission[8] = 2;
    current_main = 8;
    Enter_Scene(2, 2, 40);
    Run(300);
    const int flags[] = {36, 37, 39, 38};
    for (size_t n = 0; n < std::size(kGuns); ++n) {
        const int g = kGuns[n];
        SCOPED_TRACE("gun " + std::to_string(g));
        EXPECT_FALSE(sprite[g].moving);
        Place_Player(Box_X(g), Box_Y(g) - 0.5f);
        sprite[p1_id].score = 1000;
        Run(100);
        if (n == 0) Shot("ep2s_village_gun");
        blast_at(g);
        EXPECT_LE(sprite[g].score, 0);
        EXPECT_EQ(sprite[g].anim, sprite[g].base_anim + 1) << "not shown wrecked";
        EXPECT_EQ(global_objects[flags[n]], 1);
        if (n == 0) {
            Run(600);
            Shot("ep2s_village_gun_wrecked");
        }
    }
    ASSERT_TRUE(Run_Until([] { return main_mission[8] == 1; }, 3000)) << "the revenge mission is not complete";
    // The next visit shows them wrecked.
    Run(4500);
    Enter_Scene(2, 2, 40);
    Run(300);
    for (int g : kGuns) {
        EXPECT_LE(sprite[g].score, 0) << "gun " << g;
        EXPECT_EQ(sprite[g].anim, sprite[g].base_anim + 1) << "gun " << g << " not shown wrecked";
    }
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The second act is played from its camp: the briefing's request (act hub rule) lands the
// player on the parade ground of 2/3; the roads home reach 2/3 in act 2, the act-1 camp in
// act 1 and the burning camp while the camp has not yet moved; the camp's markers follow
// the act's missions.
TEST_F(Walk_Episode2_South, TheSecondActIsPlayedFromItsCamp) {
    ASSERT_TRUE(gl_);
    // The act-2 briefing (1/64) sends the player to the hub of the act, spawn 0.
    Init_Player();
    Start_Game();
    CONTROL_SCHEME = true;
    current_act = 2;
    global_objects[32] = 1;
    ASSERT_TRUE(Written(1, 64));
    Enter_Scene(1, 64);
    ASSERT_TRUE(Arrive(2, 3)) << "at " << episode << "/" << scene << Box_Texts();
    EXPECT_EQ(Level, level_code::LVL_BASE);
    EXPECT_FALSE(in_open_world);
    Expect_At_Spawn(0);
    Run(1500);
    Shot("ep2s_act2_camp");

    // The markers by mission: the village missions light the track north, the fortress
    // mission the dugout; an accomplished mission points at the commander's door.
    struct Marker {
        const char* name;
        std::function<void()> story;
        int point, arrow;
    };
    const Marker markers[] = {
        {"the nun's mission", [] { main_mission[7] = 2; }, 26, 17},
        {"the fortress mission", [] { main_mission[10] = 2; }, 30, 26},
        {"an accomplished mission", [] { main_mission[8] = 1; current_main = 8; }, -1, 91},
    };
    for (const Marker& m : markers) {
        SCOPED_TRACE(m.name);
        for (int k = 7; k <= 10; ++k) main_mission[k] = 0;
        current_main = -1;
        m.story();
        Run(100);
        if (m.point != -1) {
            EXPECT_TRUE(points[m.point].active);
        }
        EXPECT_EQ(arrow_point, m.arrow);
    }

    // The roads home: act 2 reaches this camp, act 1 the first camp, and act 2 before the
    // raid's story is through (flag 32) the burning camp.
    struct Home {
        const char* name;
        int act, flag32;
        int episode, scene;
    };
    const Home homes[] = {
        {"act 2", 2, 1, 2, 3}, {"act 1", 1, 1, 2, 0}, {"act 2, camp not yet moved", 2, 0, 1, 48}};
    for (const Home& h : homes) {
        SCOPED_TRACE(h.name);
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_act = h.act;
        global_objects[32] = (char)h.flag32;
        Enter_Scene(2, 1, 0);
        Run(200);
        const Request q = Step_On(22);
        EXPECT_EQ(q.episode, h.episode);
        EXPECT_EQ(q.scene, h.scene);
        EXPECT_EQ(q.spawn, 10);
        if (h.episode == 2) {
            ASSERT_TRUE(Arrive(h.episode, h.scene)) << "at " << episode << "/" << scene << Box_Texts();
            Expect_At_Spawn(10);
        }
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

} // namespace
