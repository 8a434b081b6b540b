// The inventory grid of the walk HUD: labels, using items, taking them onto the mouse,
// putting them down and the sell price.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/inventory_screen.h"
#include "hud/overlays.h"
#include "hud/player_stats.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"

namespace {

constexpr int P = 1;

class InventoryScreen : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        game_mode = MODE_WALK;
        Level = 0;
        quit_active = false;
        ply_dead = false;
        reloading = false;
        next_weapon = -1;
        mouseleft = mouseright = mouseheld = false;
        mouse_grabbed = false;
        mouse_inv = mouse_inv_value = mouse_inv_value1 = mouse_inv_value2 = 0;
        near_sell = false;
        camX = camY = 0.0f;
        player_type = 0;
        p1_id = P;
        sprite[P].type = UNT;
        sprite[P].score = 30;
        PLY_VITALITY = 60;
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        current_weapon = current_helmet = current_boot = current_medal = current_gold = -1;
        has_pistol = has_grenade = has_water = false;
        player_experience = 0;
        player_exp_level = 750;
        PLY_XP_PERCENT = 0;
        // The grid: four rows of four 0.1 squares; slot n is HUD item 11 + n.
        for (int n = 0; n < INV_SLOTS; n++) {
            object& o = hud[HUD_INV_FIRST + n];
            o.x = o.w = (n % 4) * 0.1f;
            o.y = o.z = (n / 4) * 0.1f;
            o.width = o.height = o.box_width = o.box_height = 0.1f;
            o.alpha = 1.0f;
        }
        Away();
    }
    void TearDown() override { Free_Records(); }

    static void Away() { hud_mouseX = hud_mouseY = 5.0f; }
    static void Point_At_Slot(int n) {
        hud_mouseX = (n % 4) * 0.1f + 0.05f;
        hud_mouseY = (n / 4) * 0.1f + 0.05f;
    }
    static void Put(int n, int code, int value = 0, int value1 = 0, int value2 = 0) {
        player_inv[n] = code;
        player_inv_value[n] = value;
        player_inv_value1[n] = value1;
        player_inv_value2[n] = value2;
    }
    static void Hold(int code, int value = 0, int value1 = 0, int value2 = 0) {
        mouse_grabbed = true;
        mouse_inv = code;
        mouse_inv_value = value;
        mouse_inv_value1 = value1;
        mouse_inv_value2 = value2;
    }
    static void Left_Click(int n) {
        Point_At_Slot(n);
        mouseleft = true;
        Hud_Overlays();
    }
    static void Right_Click(int n) {
        Point_At_Slot(n);
        mouseright = true;
        Hud_Overlays();
    }
    static std::string Tip() { return counter[5].word; }
};

TEST_F(InventoryScreen, HoverHighlightsAndLabels) {
    Put(4, SLOT_RIFLE_LEFT, 0, 0, 5);
    Put(5, SLOT_RIFLE_RIGHT, 0, 0, 5);
    Put(9, PISTOL_AMMO, 20);
    Point_At_Slot(5);
    Hud_Overlays();
    EXPECT_TRUE(hud[11 + 5].flash_target);
    EXPECT_TRUE(hud[11 + 4].flash_target);
    EXPECT_FALSE(hud[11 + 6].flash_target);
    EXPECT_TRUE(on_the_inv);
    EXPECT_FALSE(Tip().empty());  // the weapon text

    Point_At_Slot(9);
    Hud_Overlays();
    EXPECT_FALSE(hud[11 + 5].flash_target);  // cleared every frame
    EXPECT_TRUE(hud[11 + 9].flash_target);
    EXPECT_EQ(Tip(), "PISTOL_AMMO^\xE8\xE0:20");
    EXPECT_FLOAT_EQ(hud[6].alpha, 1.0f);

    // An empty slot writes nothing and the box stays hidden.
    Point_At_Slot(0);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
    EXPECT_FLOAT_EQ(hud[6].alpha, 0.0f);

    // With an item held: highlight, no label.
    Hold(GOLD, 10);
    Point_At_Slot(9);
    Hud_Overlays();
    EXPECT_TRUE(hud[11 + 9].flash_target);
    EXPECT_FALSE(on_the_inv);
    EXPECT_EQ(Tip(), "");

    // Nothing at all while dead or with the quit box up.
    mouse_grabbed = false;
    quit_active = true;
    Hud_Overlays();
    EXPECT_FALSE(hud[11 + 9].flash_target);
    EXPECT_EQ(Tip(), "");
}

TEST_F(InventoryScreen, FoodHealsAndIsUsedUp) {
    for (int code : {CAN_O_BEANS, CAN_O_BEANS_INSTANT, APPLE, FISH, BREAD}) {
        sprite[P].score = 30;
        Put(2, code, 15, 1, 1);
        medikit_sfx = false;
        Left_Click(2);
        EXPECT_EQ(sprite[P].score, 45) << "code " << code;
        EXPECT_EQ(player_inv[2], 0);
        EXPECT_EQ(player_inv_value[2], 0);
        EXPECT_EQ(player_inv_value2[2], 0);
        EXPECT_TRUE(medikit_sfx);
        EXPECT_FALSE(mouseleft);
    }
}

TEST_F(InventoryScreen, BooksTeachOrGiveExperience) {
    struct row {
        int kind;
        bool grenade, water;
        int message, experience;
    };
    // (has_pistol, set by the pistol manual, is rebuilt from the slots by Calculate_Inventory.)
    for (row r : {row{0, false, false, -1, 40}, row{1, true, false, MSG_GRENADE, 0},
                  row{2, false, true, MSG_SWIM, 0}, row{3, false, false, MSG_PISTOL, 0},
                  row{9, false, false, -1, 0}}) {
        has_grenade = has_water = has_pistol = false;
        player_experience = 0;
        old_message = -1;
        chute_sfx = false;
        Put(6, BOOK, 8, r.kind);
        Left_Click(6);
        EXPECT_EQ(has_grenade, r.grenade) << "kind " << r.kind;
        EXPECT_EQ(has_water, r.water) << "kind " << r.kind;
        EXPECT_EQ(old_message, r.message) << "kind " << r.kind;
        EXPECT_EQ(player_experience, r.experience) << "kind " << r.kind;
        EXPECT_EQ(player_inv[6], 0) << "used up, kind " << r.kind;
        EXPECT_TRUE(chute_sfx);
    }
    // Without a player a book is not read.
    p1_id = -1;
    Put(6, BOOK, 8, 1);
    Left_Click(6);
    EXPECT_EQ(player_inv[6], BOOK);
}

TEST_F(InventoryScreen, ClicksEquip) {
    Put(8, SLOT_MACHINEGUN_LEFT, 0, 0, 10);
    Put(9, SLOT_MACHINEGUN_RIGHT, 0, 0, 10);
    Left_Click(8);
    EXPECT_EQ(current_weapon, 9);
    EXPECT_TRUE(spark_sfx);

    Put(0, SLOT_SHOTGUN_LEFT);
    Put(1, SLOT_SHOTGUN_RIGHT);
    Left_Click(1);
    EXPECT_EQ(current_weapon, 1);

    Put(12, SLOT_RIFLE_LEFT);
    Put(13, SLOT_RIFLE_RIGHT);
    sprite[P].update = false;
    Left_Click(12);
    EXPECT_EQ(current_weapon, 13);
    EXPECT_TRUE(sprite[P].update);

    Put(3, GRENADE, 4);
    Left_Click(3);
    EXPECT_EQ(current_weapon, 3);

    Put(2, SLOT_HELMET, 1, 0);
    Left_Click(2);
    EXPECT_EQ(current_helmet, 2);
    Put(6, SLOT_BOXERS, 1, 0);
    Left_Click(6);
    EXPECT_EQ(current_boot, 6);
    Put(7, SLOT_MEDAL, 2, 0);
    Left_Click(7);
    EXPECT_EQ(current_medal, 7);
}

TEST_F(InventoryScreen, PistolNeedsTheManual) {
    Put(10, SLOT_PISTOL, 1, 0, 6);
    old_message = -1;
    Left_Click(10);
    EXPECT_EQ(old_message, MSG_NOUSE);
    EXPECT_EQ(current_weapon, -1);
    EXPECT_EQ(player_inv[10], SLOT_PISTOL);

    has_pistol = true;
    Left_Click(10);
    EXPECT_EQ(current_weapon, 10);
}

TEST_F(InventoryScreen, ACorruptLeftHalfAtARowEndIsNotEquipped) {
    Put(15, SLOT_MACHINEGUN_LEFT);
    Left_Click(15);
    EXPECT_EQ(current_weapon, -1);
    // Taking it reads no slot past the grid.
    mouseleft = false;
    Right_Click(15);
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_EQ(mouse_inv, MACHINEGUN);
    EXPECT_EQ(player_inv[15], 0);
    // A right half in the first slot empties no slot before the grid.
    mouse_grabbed = false;
    Put(0, SLOT_RIFLE_RIGHT, 2, 123, 4);
    Right_Click(0);
    EXPECT_EQ(mouse_inv, RIFLE);
    EXPECT_EQ(mouse_inv_value1, 123);
}

TEST_F(InventoryScreen, EquippedRifleMovesWithItsMarker) {
    Put(4, SLOT_RIFLE_LEFT, 2, 10203, 5);
    Put(5, SLOT_RIFLE_RIGHT, 2, 10203, 5);
    current_weapon = 5;
    Right_Click(5);
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_EQ(mouse_inv, RIFLE_EQUIPPED);
    EXPECT_EQ(mouse_inv_value, 2);
    EXPECT_EQ(mouse_inv_value1, 10203);
    EXPECT_EQ(mouse_inv_value2, 5);
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(player_inv[5], 0);
    EXPECT_EQ(current_weapon, -1);
    EXPECT_TRUE(click_off_sfx);
    EXPECT_FALSE(mouseright);

    // Refused: left half at a row end, or a taken slot in the pair.
    for (int n : {3, 7, 11, 15}) {
        Left_Click(n);
        EXPECT_TRUE(mouse_grabbed) << "slot " << n;
        EXPECT_EQ(player_inv[n], 0);
    }
    Put(9, GOLD, 5);
    Left_Click(8);
    EXPECT_TRUE(mouse_grabbed);
    Left_Click(9);
    EXPECT_TRUE(mouse_grabbed);
    // Not during a reload.
    reloading = true;
    Left_Click(0);
    EXPECT_TRUE(mouse_grabbed);
    reloading = false;

    Left_Click(4);
    EXPECT_FALSE(mouse_grabbed);
    EXPECT_EQ(player_inv[4], SLOT_RIFLE_LEFT);
    EXPECT_EQ(player_inv[5], SLOT_RIFLE_RIGHT);
    EXPECT_EQ(player_inv_value1[4], 10203);
    EXPECT_EQ(player_inv_value1[5], 10203);
    EXPECT_EQ(player_inv_value2[5], 5);
    EXPECT_EQ(current_weapon, 5);
    EXPECT_FALSE(mouseleft);

    // An unequipped shotgun taken by its left half comes back unequipped.
    Put(12, SLOT_SHOTGUN_LEFT, 1, 7, 2);
    Put(13, SLOT_SHOTGUN_RIGHT, 1, 7, 2);
    Right_Click(12);
    EXPECT_EQ(mouse_inv, SHOTGUN);
    EXPECT_EQ(player_inv[13], 0);
    Left_Click(0);
    EXPECT_EQ(player_inv[0], SLOT_SHOTGUN_LEFT);
    EXPECT_EQ(player_inv[1], SLOT_SHOTGUN_RIGHT);
    EXPECT_EQ(current_weapon, 5);
}

TEST_F(InventoryScreen, TakingSetsTheHeldCode) {
    // Slot 6 each time; `equipped` puts the matching global on it.
    const struct {
        int code;
        int* global;
        bool equipped;
        int held;
    } rows[] = {
        {SLOT_PISTOL, &current_weapon, true, PISTOL_EQUIPPED},
        {SLOT_PISTOL, &current_weapon, false, PISTOL},
        {GRENADE, &current_weapon, true, GRENADE_EQUIPPED},
        {GRENADE, &current_weapon, false, STICK_GRENADE},
        {SLOT_HELMET, &current_helmet, true, HELMET_EQUIPPED},
        {SLOT_HELMET, &current_helmet, false, HELMET},
        {SLOT_BOXERS, &current_boot, true, BOXERS_EQUIPPED},
        {SLOT_BOXERS, &current_boot, false, BOXERS},
        {SLOT_MEDAL, &current_medal, true, MEDAL_EQUIPPED},
        {SLOT_MEDAL, &current_medal, false, MEDAL},
        {VALUABLE, nullptr, false, VALUABLE},
    };
    for (const auto& r : rows) {
        mouse_grabbed = false;
        current_weapon = current_helmet = current_boot = current_medal = -1;
        Put(6, r.code, 3, 4, 5);
        if (r.equipped) *r.global = 6;
        Right_Click(6);
        EXPECT_EQ(mouse_inv, r.held) << "code " << r.code;
        EXPECT_EQ(mouse_inv_value, 3);
        EXPECT_EQ(mouse_inv_value2, 5);
        EXPECT_EQ(player_inv[6], 0);
        if (r.global) {
            EXPECT_EQ(*r.global, -1) << "code " << r.code;  // unequipped while held
        }
    }
    mouse_grabbed = false;
    Put(2, GOLD, 300);
    current_gold = 2;
    Right_Click(2);
    EXPECT_EQ(current_gold, -1);
    EXPECT_EQ(mouse_inv_value, 300);

    // Not while a weapon switch is under way, nor from an empty slot.
    mouse_grabbed = false;
    Put(3, APPLE, 15);
    next_weapon = 2;
    Right_Click(3);
    EXPECT_FALSE(mouse_grabbed);
    next_weapon = -1;
    mouseright = false;
    Right_Click(4);
    EXPECT_FALSE(mouse_grabbed);
}

TEST_F(InventoryScreen, PuttingDownReEquipsMarkers) {
    struct row {
        int held, slot_code;
        int* global;
    };
    for (row r : {row{PISTOL_EQUIPPED, SLOT_PISTOL, &current_weapon}, row{PISTOL, SLOT_PISTOL, nullptr},
                  row{HELMET_EQUIPPED, SLOT_HELMET, &current_helmet}, row{HELMET, SLOT_HELMET, nullptr},
                  row{BOXERS_EQUIPPED, SLOT_BOXERS, &current_boot}, row{MEDAL_EQUIPPED, SLOT_MEDAL, &current_medal},
                  row{GRENADE_EQUIPPED, GRENADE, &current_weapon}, row{STICK_GRENADE, GRENADE, nullptr},
                  row{APPLE, APPLE, nullptr}}) {
        current_weapon = current_helmet = current_boot = current_medal = -1;
        Put(10, 0);
        Hold(r.held, 2, 3, 4);
        Left_Click(10);
        EXPECT_FALSE(mouse_grabbed) << "held " << r.held;
        EXPECT_EQ(player_inv[10], r.slot_code) << "held " << r.held;
        EXPECT_EQ(player_inv_value[10], 2);
        EXPECT_EQ(player_inv_value1[10], 3);
        EXPECT_EQ(player_inv_value2[10], 4);
        if (r.global) {
            EXPECT_EQ(*r.global, 10) << "held " << r.held;
        }
        EXPECT_TRUE(click_off_sfx);
        EXPECT_FALSE(mouseleft);
    }
    // Onto another kind of item: refused, and the click is left for others.
    Put(10, GOLD, 5);
    Hold(APPLE, 15);
    Left_Click(10);
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(player_inv[10], GOLD);
}

TEST_F(InventoryScreen, StacksMergeUpToTheirCaps) {
    struct row {
        int held, slot_code, in_slot;
        bool accepted;
    };
    const row rows[] = {
        {PISTOL_AMMO, PISTOL_AMMO, 119, true},  {PISTOL_AMMO, PISTOL_AMMO, 120, false},
        {RIFLE_AMMO, RIFLE_AMMO, 49, true},     {RIFLE_AMMO, RIFLE_AMMO, 50, false},
        {SHELLS, SHELLS, 79, true},             {SHELLS, SHELLS, 80, false},
        {BULLETS, BULLETS, 199, true},          {BULLETS, BULLETS, 200, false},
        {STICK_GRENADE, GRENADE, 11, true},     {GRENADE_EQUIPPED, GRENADE, 11, true},
        {STICK_GRENADE, GRENADE, 12, false},    {STICK_GRENADE, PISTOL_AMMO, 5, false},
        {RIFLE_AMMO, PISTOL_AMMO, 5, false},    {APPLE, APPLE, 1, false},
    };
    for (const row& r : rows) {
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        Put(5, r.slot_code, r.in_slot);
        Hold(r.held, 1);
        Left_Click(5);
        EXPECT_EQ(mouse_grabbed, !r.accepted) << "held " << r.held << " onto " << r.in_slot;
        int total = 0;
        for (int n = 0; n < INV_SLOTS; n++)
            if (player_inv[n] != 0) total += player_inv_value[n];
        EXPECT_EQ(total, r.in_slot + (r.accepted ? 1 : 0)) << "held " << r.held << " onto " << r.in_slot;
    }
}

TEST_F(InventoryScreen, WhatAFullInventoryCannotTakeStaysOnTheMouse) {
    for (int n = 0; n < INV_SLOTS; n++) Put(n, VALUABLE, n);
    Put(5, PISTOL_AMMO, 119);
    Hold(PISTOL_AMMO, 50);
    Left_Click(5);
    int in_slots = 0;
    for (int n = 0; n < INV_SLOTS; n++)
        if (player_inv[n] == PISTOL_AMMO) in_slots += player_inv_value[n];
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_EQ(in_slots + mouse_inv_value, 169);  // nothing lost
    EXPECT_GT(in_slots, 119);
    EXPECT_FALSE(mouseleft);

    // The full stack now refuses more; an empty slot takes the rest.
    Left_Click(5);
    EXPECT_TRUE(mouse_grabbed);
    Put(9, 0);
    Left_Click(9);
    EXPECT_FALSE(mouse_grabbed);
    in_slots = 0;
    for (int n = 0; n < INV_SLOTS; n++)
        if (player_inv[n] == PISTOL_AMMO) in_slots += player_inv_value[n];
    EXPECT_EQ(in_slots, 169);
}

TEST_F(InventoryScreen, SellPriceNearASeller) {
    near_sell = true;
    Put(1, GRENADE, 1);  // worth 5: half is 2
    Point_At_Slot(1);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "GRENADE^\xE8\xE0:1^\xF4\xE2+2");
    EXPECT_EQ(counter[5].length, 2);

    Put(1, GOLD, 50);
    Hud_Overlays();
    EXPECT_EQ(Tip().find("\xF4\xE2+"), std::string::npos);

    Put(1, 0);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");

    // Not away from the seller.
    near_sell = false;
    Put(1, GRENADE, 1);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "GRENADE^\xE8\xE0:1");
}

TEST_F(InventoryScreen, OnlyInWalkModeAndNotWhileHeldLong) {
    Put(2, APPLE, 15);
    mouseheld = true;
    Left_Click(2);
    EXPECT_EQ(player_inv[2], APPLE);
    mouseheld = false;
    game_mode = MODE_FRONT;
    Left_Click(2);
    EXPECT_EQ(player_inv[2], APPLE);
    ply_dead = true;
    game_mode = MODE_WALK;
    Left_Click(2);
    EXPECT_EQ(player_inv[2], APPLE);
}

}  // namespace
