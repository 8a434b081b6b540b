// Shared set-up of the combat tests: the world fixture plus a clean player and combat state,
// units placed by world position and a record of service calls.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "support/virtual_clock.h"
#include "test_world_fixture.h"
#include "world/sprite_construction.h"

class CombatTest : public WorldTest {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        WorldTest::SetUp();
        call_trace = &trace;
        player_counter = 0;
        door_counter = 0;
        player_type = 0;
        lock_player = false;
        lan_game = false;
        next_scene = false;
        in_dungeon = false;
        is_a_stealth_mission = false;
        Level = 0;
        episode = 0;
        scene = 0;
        targeted = 1;
        flash_on = -1;
        double_shot = false;
        reloading = false;
        current_weapon = -1;
        std::memset(player_inv, 0, sizeof(player_inv));
        std::memset(player_inv_value, 0, sizeof(player_inv_value));
        std::memset(player_inv_value2, 0, sizeof(player_inv_value2));
        PLY_FIREPOWER = 20;
        PLY_DEFENSE = 0;
        PLY_ACCURACY = 0;
        stat_fire_defense = 1.0f;
        st_fire_rounds = st_gas = st_kill = 0;
        current_char = 0;
        has_armour_piercing = has_double_barrel = has_shotgun_equipped = has_pistol_equipped = false;
        has_rifle_equipped = has_stock = has_thorns = false;
        player_in_water = false;
        ply_dead = false;
        game_condition = 0;
        player_kill_count = player_knife_count = player_msg_count = 0;
        enemy_count = 0;
        p1_range = 0.6f;
        emypain_sfx = ric2_sfx = pick_up_sfx = water_sfx = ric_sfx = splat_sfx = false;
        std::memset(global_objects, 0, sizeof(global_objects));
        srand(1);
    }
    void TearDown() override {
        call_trace = nullptr;
        WorldTest::TearDown();
    }

    int Calls(const char* name) const { return (int)std::count(trace.begin(), trace.end(), std::string(name)); }

    // A unit of class cls on side `side` centred on world point (x, y), listed in player_list.
    object& Unit(int i, float x, float y, int cls, int side, int score = 100, int rank = 1) {
        object& o = sprite[i];
        o.type = UNT;
        o.sector = cls;
        o.linked_sprite = side;
        o.score = score;
        o.rank = rank;
        o.status = 3;
        o.fire_target = -1;
        o.reached_node = -1;
        o.grab_switch = true;
        o.box_width = o.box_height = 0.05f;
        o.width = o.height = 0.1f;
        o.w = x - 0.025f;
        o.z = y - 0.025f;
        o.x = x - 0.05f;
        o.y = y - 0.05f;
        if (i >= no_sprites) no_sprites = i + 1;
        player_list[player_counter++] = i;
        return o;
    }
    object& Player(int i, float x, float y) {
        object& p = Unit(i, x, y, GUNNER, 0);
        p1_id = i;
        return p;
    }

    // The combat set-up on the test clock at 1000 ms, with an empty trace and no effects or
    // route points.
    void Set_Up_On_Clock() {
        CombatTest::SetUp();
        trace.clear();
        Use_Test_Clock();
        Advance_Ms(1000);
        no_fx = 0;
        no_points = 0;
    }

    // A hittable object of the given type centred on (x, y): a 0.1 box in a 0.2 picture.
    static object& Object_At(int i, int type, float x, float y, int score) {
        object& o = sprite[i];
        o.type = type;
        o.score = score;
        o.grab_switch = true;
        o.box_width = o.box_height = 0.1f;
        o.width = o.height = 0.2f;
        o.w = x - 0.05f;
        o.z = y - 0.05f;
        o.x = x - 0.1f;
        o.y = y - 0.1f;
        if (i >= no_sprites) no_sprites = i + 1;
        return o;
    }

    // A closed door of the given kind centred on (x, y), listed in door_list.
    static object& Door_At(int i, float x, float y, int kind, int score) {
        object& o = sprite[i];
        o.type = DOR;
        o.sector_action = kind;
        o.score = score;
        o.rank = 1;
        o.grab_switch = true;
        o.box_width = o.box_height = 0.1f;
        o.width = o.height = 0.1f;
        o.w = o.x = x - 0.05f;
        o.z = o.y = y - 0.05f;
        if (i >= no_sprites) no_sprites = i + 1;
        door_list[door_counter++] = i;
        return o;
    }
};
