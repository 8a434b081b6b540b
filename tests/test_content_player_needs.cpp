// What the generator checks a player needs of a scene: each bad scene below is refused with
// its scene, index and reason (a walled-off exit, a person out of touching distance, a
// prop the pointer skips or offers only off its picture, a mission target no shot can hurt,
// an arrival point that is missing, stands in a wall or inside an exit), the arrival points
// the exits of the scenes ask for, and the table of those the conversations ask for.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/conversation_table.h"
#include "hud/hud.h"
#include "scripts/scripts.h"
#include "tools/content/compiler/contracts.h"
#include "tools/content/compiler/player_needs.h"
#include "tools/content/compiler/walk_grid.h"
#include "tools/content/writers/scene_kit.h"

namespace {

using compiler::Spawn_Request;
using writers::ObjectRec;
using writers::SceneFiles;

// Scene 5/1 (no page or exit of the game names it): a 20 x 20 open field, the player's
// spawn point 0 in cell (2, 2), a person in cell (10, 10) and an exit around cell (17, 17).
constexpr int E = 5, S = 1;
constexpr int WALL = 100; // a tile the loader makes a wall (shoot-through)

float Centre(int cell) { return cell * 0.1f + 0.05f - 1.0f; }

ObjectRec Person(int c, int r) {
    ObjectRec o;
    o.type = OBJ;
    o.sector_action = OBJ_DRILL;
    o.score = 1;
    o.grab_switch = 1;
    o.priority = 2;
    o.x = o.w = Centre(c) - 0.025f;
    o.y = o.z = Centre(r) - 0.025f;
    o.width = o.height = o.box_width = o.box_height = 0.05f;
    return o;
}

ObjectRec Exit(int c, int r) {
    ObjectRec o;
    o.type = TRI;
    o.sector = 6;
    o.score = 1;
    o.x = o.w = Centre(c) - 0.15f;
    o.y = o.z = Centre(r) - 0.15f;
    o.width = o.height = o.box_width = o.box_height = 0.3f;
    return o;
}

struct Field {
    SceneFiles s;
    Field() {
        s.has_map = true;
        s.map.width = s.map.height = 20;
        s.map.tiles.assign(400, 0);
        s.header.game_mode = 3;
        s.header.g_type = BLK;
        writers::Point spawn;
        spawn.x = Centre(2);
        spawn.y = Centre(2);
        spawn.c1 = CAM_P1;
        s.points = {spawn};
        s.objects = {Person(10, 10), Exit(17, 17)};
    }
    void Wall(int c0, int r0, int c1, int r1) {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) s.map.tiles[c + r * 20] = WALL;
    }
};

std::string Check(const SceneFiles& s, const std::vector<Spawn_Request>& requests = {}, const std::vector<int>& touch = {},
                  const std::vector<int>& gates = {}) {
    std::string error;
    const bool ok = compiler::Check_Player_Needs(E, S, s, requests, touch, gates, error);
    EXPECT_EQ(ok, error.empty()) << error;
    return error;
}

TEST(Player_Needs, AnOpenFieldPasses) {
    Field f;
    EXPECT_EQ(Check(f.s), "");
}

// One bad scene per row: what is wrong, and the words of the refusal.
TEST(Player_Needs, EachBadSceneIsRefusedWithSceneIndexAndReason) {
    struct Case {
        const char* name;
        std::function<void(Field&, std::vector<Spawn_Request>&, std::vector<int>& gates)> make;
        const char* refusal;
    };
    const Case cases[] = {
        {"the exit walled in",
         [](Field& f, auto&, auto&) { f.Wall(14, 14, 19, 14), f.Wall(14, 14, 14, 19); },
         "scene 5/1: object 1 (trigger, level exit 6): from arrival point 0: no open ground reaches into its box"},
        {"a tunnel cover walled in",
         [](Field& f, auto&, auto&) {
             ObjectRec cover = Exit(4, 16);
             cover.type = BAG, cover.sector = unit_class::TUNNEL, cover.grab_switch = 1;
             f.s.objects.push_back(cover);
             f.Wall(0, 14, 6, 14), f.Wall(6, 14, 6, 19);
         },
         "scene 5/1: object 2 (tunnel cover): from arrival point 0: no open ground reaches into its box"},
        {"the person walled in",
         [](Field& f, auto&, auto&) { f.Wall(9, 9, 11, 9), f.Wall(9, 11, 11, 11), f.Wall(9, 10, 9, 10), f.Wall(11, 10, 11, 10); },
         "scene 5/1: object 0 (kind 11): from arrival point 0: no open ground lies within touching distance (0.1) of its centre"},
        {"the person on a wide footprint",
         [](Field& f, auto&, auto&) {
             ObjectRec& o = f.s.objects[0];
             o.w -= 0.1f, o.box_width = 0.25f, o.box_height = 0.1f;
         },
         "scene 5/1: object 0 (kind 11): its footprint covers 6 cells"},
        {"the person with no life in him",
         [](Field& f, auto&, auto&) { f.s.objects[0].score = 0; },
         "scene 5/1: object 0 (kind 11): a player walks up to it and clicks it, but score 0: the pointer skips a prop that is not alive"},
        {"the arrival point inside an exit",
         [](Field& f, auto&, auto&) { f.s.objects[1] = Exit(2, 2); },
         "scene 5/1: point 0: the arrival point lies inside the box of exit 1 (level exit 6)"},
        {"the arrival point in a wall",
         [](Field& f, auto&, auto&) { f.Wall(2, 2, 2, 2); },
         "scene 5/1: point 0: the arrival point stands on a blocked cell or off the map"},
        {"an arrival asked for and missing",
         [](Field&, auto& requests, auto&) { requests.push_back({E, S, 7, "the test's page"}); },
         "scene 5/1: point 7 (arrival of the test's page): missing (the scene has 1 points)"},
        {"an exit's arrival on a marker",
         [](Field& f, auto& requests, auto&) {
             writers::Point marker;
             marker.c1 = GLOBAL_MAP_PNT;
             f.s.points.push_back(marker);
             requests.push_back({E, S, 1, "the test's exit", true});
         },
         "scene 5/1: point 1 (arrival of the test's exit): code 31, expected 1"},
        {"a switch underground drawn below the box the pointer offers it over",
         [](Field& f, auto&, auto&) { f.s.objects[0].sector_action = OBJ_SWITCH; },
         "scene 5/1: object 0 (kind 62): the pointer picks it only off its picture"},
        {"a walk scene of type NON",
         [](Field& f, auto&, auto&) { f.s.header.g_type = 0; },
         "scene 5/1: header: scene type 0 shows a walk scene without health, ammunition and weapon"},
        {"the exit behind a barrier nobody takes away",
         [](Field& f, auto&, auto&) {
             f.Wall(14, 14, 19, 14), f.Wall(14, 14, 14, 19);
             ObjectRec bar;
             bar.type = OBJ; // kind 0: a solid prop
             bar.grab_switch = 1;
             bar.x = bar.w = Centre(14) - 0.04f, bar.y = bar.z = Centre(16) - 0.04f;
             bar.box_width = bar.box_height = 0.08f;
             f.s.objects.push_back(bar);
             f.s.map.tiles[14 + 16 * 20] = 0; // a gap in the wall, the barrier in it
         },
         "scene 5/1: object 1 (trigger, level exit 6): from arrival point 0: no open ground reaches into its box"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Field f;
        std::vector<Spawn_Request> requests;
        std::vector<int> gates;
        c.make(f, requests, gates);
        const std::string error = Check(f.s, requests, {}, gates);
        EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
    }
}

// A barrier that the scene's script takes away (a gate row) leaves the ground under it open.
TEST(Player_Needs, AGateOpensTheGroundUnderIt) {
    Field f;
    f.Wall(14, 14, 19, 14), f.Wall(14, 14, 14, 19);
    f.s.map.tiles[14 + 16 * 20] = 0;
    ObjectRec bar;
    bar.type = OBJ;
    bar.grab_switch = 1;
    bar.x = bar.w = Centre(14) - 0.04f, bar.y = bar.z = Centre(16) - 0.04f;
    bar.box_width = bar.box_height = 0.08f;
    f.s.objects.push_back(bar);
    EXPECT_NE(Check(f.s), "");
    EXPECT_EQ(Check(f.s, {}, {}, {2}), "");
}

// The mouse code's rules of what a player can pick, and the damage rules of what a shot
// or a blast can hurt.
TEST(Player_Needs, WhatThePointerPicksAndWhatAShotHurts) {
    struct Case {
        const char* name;
        std::function<void(ObjectRec&)> make;
        bool selectable, damaged;
    };
    const Case cases[] = {
        {"a person", [](ObjectRec&) {}, true, false},
        {"a person of score 0", [](ObjectRec& o) { o.score = 0; }, false, false},
        {"a prop of kind 0", [](ObjectRec& o) { o.sector_action = 0; }, false, false},
        {"a prop of linked 3", [](ObjectRec& o) { o.linked_sprite = 3; }, false, false},
        {"a captive (kind 72) without grab", [](ObjectRec& o) { o.sector_action = OBJ_RESCUE, o.grab_switch = 0; }, false,
         false},
        {"a captive (kind 72) of priority 3", [](ObjectRec& o) { o.sector_action = OBJ_RESCUE, o.priority = 3; }, false,
         false},
        {"a captive (kind 72)", [](ObjectRec& o) { o.sector_action = OBJ_RESCUE; }, true, false},
        {"a radio mast (BAG)", [](ObjectRec& o) { o.type = BAG, o.sector_action = 0; }, true, true},
        {"a tunnel cover of priority 3", [](ObjectRec& o) { o.type = BAG, o.sector = unit_class::TUNNEL, o.priority = 3; },
         false, false},
        {"a BAG that grab leaves off", [](ObjectRec& o) { o.type = BAG, o.grab_switch = 0; }, false, false},
        {"a part of the boss", [](ObjectRec& o) { o.type = BAG, o.sector = UNIT_BOSS; }, true, false},
        {"a door", [](ObjectRec& o) { o.type = DOR, o.sector_action = door_type::SINGLE; }, true, true},
        {"a tree", [](ObjectRec& o) { o.type = DOR, o.sector_action = door_type::TYPE_TREE; }, true, false},
        {"a unit", [](ObjectRec& o) { o.type = UNT; }, true, true},
        {"a unit that grab leaves off", [](ObjectRec& o) { o.type = UNT, o.grab_switch = 0; }, true, false},
        {"a trigger", [](ObjectRec& o) { o.type = TRI; }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ObjectRec o = Person(3, 3);
        c.make(o);
        std::string why;
        EXPECT_EQ(compiler::Selectable(o, why), c.selectable) << why;
        EXPECT_EQ(why.empty(), c.selectable);
        why.clear();
        EXPECT_EQ(compiler::Takes_Damage(o, why), c.damaged) << why;
        EXPECT_EQ(why.empty(), c.damaged);
    }
}

// The arrival points the exits ask for: a trigger's score at the scene its level exit leads
// to, through a travel page that passes it on, or at every act's camp.
TEST(Player_Needs, ExitsAskForTheirArrivalPoints) {
    SceneFiles from;
    from.has_map = true;
    from.header.game_mode = 3;
    auto exit = [](int sector, int score) {
        ObjectRec o = Exit(5, 5);
        o.sector = sector;
        o.score = score;
        return o;
    };
    from.objects = {exit(17, 9), exit(50, 12), exit(0, 13), exit(31, 4), Person(1, 1)};
    const compiler::Scene_Set scenes{{{E, S}, &from}};
    const std::vector<Spawn_Request> all = compiler::Spawn_Requests(scenes);
    auto asked = [&](int e, int s, int p) {
        for (const Spawn_Request& r : all)
            if (r.episode == e && r.scene == s && r.point == p && r.exit) return true;
        return false;
    };
    EXPECT_TRUE(asked(2, 4, 9));  // the roadway, straight
    EXPECT_TRUE(asked(3, 3, 12)); // the beach, through the travel page 1/55
    for (int hub : {0, 3, 10, 11}) EXPECT_TRUE(asked(2, hub, 13)) << hub;
    EXPECT_FALSE(asked(1, 31, 4)); // the tunnels are a page: no arrival point
    // The game's own pages and screens are asked for too (the beach after the fallen cave).
    bool cave = false;
    for (const Spawn_Request& r : all) cave |= r.episode == 3 && r.scene == 3 && r.point == 18 && !r.exit;
    EXPECT_TRUE(cave);
}

// The contract rows of the story's needs: the prisoner must be pickable as the captive his
// script makes him, the beach's masts must take damage.
TEST(Player_Needs, TheContractRowsOfTheStorysNeeds) {
    SceneFiles dungeon;
    dungeon.objects.resize(15);
    ObjectRec& prisoner = dungeon.objects[11];
    prisoner = Person(3, 3);
    prisoner.sector_action = 0; // his kind comes from the script
    dungeon.objects[14].type = UNT;
    std::string error;
    compiler::Check_Contracts(3, 28, dungeon, "/nonexistent", error);
    EXPECT_EQ(error.find("object 11 (dungeon: the prisoner, a rescue"), std::string::npos) << error;
    prisoner.score = 0;
    compiler::Check_Contracts(3, 28, dungeon, "/nonexistent", error);
    EXPECT_NE(error.find("scene 3/28: object 11 (dungeon: the prisoner, a rescue once the jailer falls): score 0"),
              std::string::npos)
        << error;

    SceneFiles beach;
    beach.objects.resize(192);
    beach.objects[177].type = OBJ;
    compiler::Check_Contracts(3, 3, beach, "/nonexistent", error);
    EXPECT_NE(error.find("scene 3/3: object 177 (beach: radio mast of the signals mission): type 3: only units"),
              std::string::npos)
        << error;
}

} // namespace

// The generator's table of the arrival points that conversations ask for holds every arrival
// in a walk scene that a conversation's closing effect sets, in each act and answer.
TEST(Player_Needs, TheTableHoldsEveryConversationsArrival) {
    const std::vector<Spawn_Request> all = compiler::Spawn_Requests({});
    auto listed = [&](int e, int s, int p) {
        for (const Spawn_Request& r : all)
            if (r.episode == e && r.scene == s && r.point == p) return true;
        return false;
    };
    int arrivals = 0;
    for (int type = 0; type < 100; ++type) {
        if (!Conversation_Known(type)) continue;
        for (int act = 1; act <= 4; ++act)
            for (int answer : {1, 2})
                for (int shop : {0, 1})
                    for (int nun : {0, 1}) {
                        Reset_Game_State();
                        current_act = act;
                        decision = answer;
                        shop_intro_type = shop;
                        main_mission[7] = nun;
                        episode = 1, scene = 1, current_spawn = -7;
                        Conversation_Close(type);
                        if ((episode != 2 && episode != 3) || current_spawn == -7 || current_spawn == -1) continue;
                        ++arrivals;
                        EXPECT_TRUE(listed(episode, scene, current_spawn))
                            << "conversation " << type << " sends the player to " << episode << "/" << scene
                            << " at point " << current_spawn;
                    }
    }
    EXPECT_GT(arrivals, 20);
}
