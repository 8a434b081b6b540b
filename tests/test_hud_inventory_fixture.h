// Shared set-up of the inventory tests: fresh records on an empty walk map, a player in the
// middle of it, an empty inventory and a call trace.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "support/virtual_clock.h"
#include "test_world_fixture.h"
#include "world/turning.h"

class InventoryTest : public WorldTest {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        WorldTest::SetUp();
        call_trace = &trace;
        Clear_Inventory();
        episode = 2;
        hud_corner = 1;
        player_type = 0;
        PLY_VITALITY = 100;
        Place_Unit(0, 75, 75);
        sprite[0].score = 50;
        sprite[0].status = 3;
        p1_id = 0;
    }
    void TearDown() override {
        call_trace = nullptr;
        WorldTest::TearDown();
    }

    static void Clear_Inventory() {
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        current_weapon = current_helmet = current_boot = current_medal = current_gold = -1;
    }
    static void Give(int slot, int code, int value = 0, int value1 = 0, int value2 = 0) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
        player_inv_value1[slot] = value1;
        player_inv_value2[slot] = value2;
    }
    // Fills every empty slot with a card, so nothing further fits.
    static void Fill_Free_Slots() {
        for (int i = 0; i < 16; ++i)
            if (player_inv[i] == 0) Give(i, CARD, i);
    }
    // A ground item at effect index no_fx, its point `dx` to the right of the player's centre.
    static int Ground(int code, int value, int value1 = 0, int value2 = 0, float dx = 0.0f) {
        const int i = no_fx++;
        object& e = Fx[i];
        e = object{};
        const object& p = sprite[0];
        e.type = PKU;
        e.item_type = code;
        e.value = value;
        e.value1 = value1;
        e.value2 = value2;
        e.x = p.w + p.box_width / 2 + dx - 0.05f;
        e.y = p.z + p.box_height / 2 - 0.05f;
        e.w = e.x;
        e.z = e.y;
        e.width = e.height = e.box_width = e.box_height = 0.1f;
        return i;
    }
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }
};
