// Item names, prices and the tooltip box: ground labels under the pointer, slot labels,
// Get_Cost and the placement of text slot 5 with HUD item 6.
#include <gtest/gtest.h>

#include <string>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/item_names.h"
#include "main/startup.h"
#include "render/font.h"
#include "support/virtual_clock.h"

namespace {

class ItemNames : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        counter[5].height = 0.04f;
        pkp_msg_target = -1;
    }
    void TearDown() override { Free_Records(); }
    std::string Tip() const { return counter[5].word; }
    object& Ground(int i, int code, int value, int value1 = 0) {
        object& f = Fx[i];
        f.type = PKU;
        f.x = 1.0f;
        f.y = 1.0f;
        f.width = 0.4f;
        f.height = 0.4f;
        f.item_type = code;
        f.value = value;
        f.value1 = value1;
        if (no_fx <= i) no_fx = i + 1;
        return f;
    }
};

TEST_F(ItemNames, PricesByCodeAndValue) {
    struct Case { int code, value, value1, price; };
    const Case cases[] = {
        {3, 25, 0, 100},   {4, 60, 0, 50},     {26, 9, 0, 50},    {27, 2, 0, 100},   {31, 7, 0, 2},
        {42, 3, 0, 2},     {25, 4, 0, 80},     {25, 4, 1, 750},   {25, 0, 2, 3000},  {25, 0, 3, 1500},
        {25, 0, 4, 0},     {14, 0, 0, 150},    {16, 5, 0, 550},   {17, 2, 0, 0},     {19, 4, 0, 0},
        {28, 6, 0, 30},    {30, 3, 0, 15},     {2, 40, 0, 80},    {41, 10, 0, 20},   {20, 3, 0, 750},
        {22, 1, 0, 250},   {5, 3, 0, 3500},    {7, 1, 99999, 1500}, {8, 4, 0, 0},    {32, 1, 0, 1500},
        {35, 2, 0, 0},     {37, 0, 0, 550},    {40, 1, 0, 0},     {9, 4, 0, 200},    {11, 3, 0, 3000},
        {9, -1, 0, 0},     {1, 500, 0, 0},     {44, 10, 0, 0},    {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        mouse_inv = c.code;
        mouse_inv_value = c.value;
        mouse_inv_value1 = c.value1;
        EXPECT_EQ(Get_Cost(123, 0), c.price) << c.code << " " << c.value << " " << c.value1;
        player_inv[3] = c.code;
        player_inv_value[3] = c.value;
        player_inv_value1[3] = c.value1;
        EXPECT_EQ(Get_Cost(3, 2), c.price);
        Ground(4, c.code, c.value, c.value1);
        EXPECT_EQ(Get_Cost(4, 1), c.price);
    }
    // Places outside the slots and effects price nothing instead of reading past them.
    EXPECT_EQ(Get_Cost(16, 2), 0);
    EXPECT_EQ(Get_Cost(-1, 2), 0);
    EXPECT_EQ(Get_Cost(MAX_FX, 1), 0);
    EXPECT_EQ(Get_Cost(0, 7), 0);
}

TEST_F(ItemNames, GroundLabelOfTheItemUnderThePointer) {
    struct Case { int code, value, value1; const char* text; int box; };
    const Case cases[] = {
        {1, 250, 0, "GOLD^\xF4\xE2:250G", 1},
        {3, 25, 0, "CAN-O-BEANS^\xE9\xFB+25", 1},
        {9, 3, 0, "COLT-K^PISTOL", 1},
        {14, 2, 0, "TRENCH_CAP", 0},
        {17, 5, 0, "BOOTS", 0},
        {20, 4, 9, "MEDAL^$\x8E+4\xC1", 1},
        {25, 3, 0, "BOOK^$\x8E+3", 1},
        {25, 0, 2, "SWIMMING^MANUAL", 1},
        {28, 6, 0, "STICK^GRENADE", 1},
        {31, 5, 0, "EMERALD", 0},
        {31, 4, 0, "DIRTY^MAGAZINES", 1},
        {37, 0, 0, "THOMPSOM^MACHINE", 1},
        {42, 0, 0, "CARD^LUCILLE", 1},
        {42, 35, 0, "CARD^SARAH", 1},
        {43, 2, 0, "GOLD_APPLE^\xF9\xA1+2", 1},
        {44, 12, 0, "GUN_PARTS^\xF4\xE2:12GP", 1},
    };
    mouseX = 1.2f;
    mouseY = 1.2f;
    for (const Case& c : cases) {
        Text_Printf(5, "%s", "");
        Ground(0, c.code, c.value, c.value1);
        Hud_Check();
        EXPECT_EQ(Tip(), c.text) << c.code << " " << c.value;
        EXPECT_EQ(counter[5].length, c.box) << c.code;
        EXPECT_FLOAT_EQ(hud[6].alpha, 1.0f);
    }
    // No row for the code or the value: the text stays as it was.
    for (const Case& c : {Case{26, 3, 0, "", 1}, Case{31, 30, 0, "", 1}, Case{42, 36, 0, "", 1},
                          Case{20, 1, 10, "", 1}, Case{5, 4, 0, "", 1}}) {
        Text_Printf(5, "%s", "before");
        Ground(0, c.code, c.value, c.value1);
        Hud_Check();
        EXPECT_EQ(Tip(), "before") << c.code << " " << c.value;
    }
}

TEST_F(ItemNames, OnlyTheMiddleOfTheItemCountsAndLaterItemsWin) {
    Ground(0, 28, 6);
    Ground(1, 27, 1);
    Fx[2].type = PKU - 1;  // not an item
    no_fx = 3;
    struct Case { float x, y; const char* text; };
    // Middle half of 1.0..1.4 grown by 0.05: 1.05 < x < 1.35 (strict).
    const Case cases[] = {{1.2f, 1.2f, "SILVER^WATCH"}, {1.06f, 1.34f, "SILVER^WATCH"}, {1.04f, 1.2f, ""},
                          {1.2f, 1.36f, ""}};
    for (const Case& c : cases) {
        Text_Printf(5, "%s", "");
        mouseX = c.x;
        mouseY = c.y;
        Hud_Check();
        EXPECT_EQ(Tip(), c.text) << c.x << " " << c.y;
        // Nothing written this frame: the box hides.
        EXPECT_FLOAT_EQ(hud[6].alpha, c.text[0] ? 1.0f : 0.0f);
    }
    // The label stands right of the pointer when the item lies right of the player.
    p1_id = 0;
    sprite[0].w = 0.5f;
    sprite[0].box_width = 0.2f;
    mouseX = mouseY = 1.2f;
    Hud_Check();
    EXPECT_TRUE(msg_left);
    sprite[0].w = 2.0f;
    Hud_Check();
    EXPECT_FALSE(msg_left);
}

TEST_F(ItemNames, SlotLabels) {
    struct Case { int code, value, value1, value2; const char* text; int box; };
    const Case cases[] = {
        {26, 4, 0, 0, "FISH^\xE9\xFB+4", 1},
        {43, 2, 0, 0, "GOLD_APPLE^\xE9\xFB+2", 1},
        {30, 5, 0, 0, "GRENADE^\xE8\xE0:5", 1},
        {41, 30, 0, 0, "BULLETS^\xE8\xE0:30", 1},
        {15, 0, 0, 0, "FIRE_VEST", 0},
        {15, 1, 2, 7, "TIN_HAT(G)^\xCD\xF3+6.0^\xDA\xD3:7", 2},
        {16, 5, 12, 3, "TIN_HELMET^\xCD\xF3+12^\xDA\xD3:3", 2},
        {18, 3, 0, 1, "BOXERS(L)^\xE1\xC9+5.0^\xDA\xD3:1", 2},
        {19, 5, 20, 2, "BOXERS^\xE1\xC9+20^\xDA\xD3:2", 2},
        {21, 2, 7, 0, "MEDAL^/\xC7+2", 1},
        {31, 13, 0, 0, "RUG", 0},
    };
    for (const Case& c : cases) {
        Text_Printf(5, "%s", "");
        player_inv[2] = c.code;
        player_inv_value[2] = c.value;
        player_inv_value1[2] = c.value1;
        player_inv_value2[2] = c.value2;
        Slot_Label(2);
        EXPECT_EQ(Tip(), c.text) << c.code << " " << c.value;
        EXPECT_EQ(counter[5].length, c.box) << c.code;
    }
    Text_Printf(5, "%s", "before");
    Slot_Label(16);
    Slot_Label(-1);
    EXPECT_EQ(Tip(), "before");
}

TEST_F(ItemNames, TheWatchShowsTheClockOnATwelveHourDial) {
    player_inv[0] = 27;
    struct Case { int h, m; const char* text; };
    const Case cases[] = {{0, 5, "WATCH^0:05AM"}, {9, 30, "WATCH^9:30AM"}, {12, 0, "WATCH^12:00PM"},
                          {13, 9, "WATCH^1:09PM"}, {23, 10, "WATCH^11:10PM"}, {11, 59, "WATCH^11:59AM"}};
    for (const Case& c : cases) {
        hours = c.h;
        minutes = c.m;
        Slot_Label(0);
        EXPECT_EQ(Tip(), c.text);
    }
}

TEST_F(ItemNames, TheBoxFollowsTheBoxCode) {
    real_mouseX = 0.5f;
    real_mouseY = 0.2f;
    Text_Printf(5, "%s", "X");
    const float h = 0.04f;
    struct Case { int length; float box_y, box_h, text_y; };
    const Case cases[] = {
        {0, 0.2f - 0.12f + 0.075f, 3 * h, 0.2f},
        {1, 0.2f - 0.12f, 6 * h, 0.2f},
        {2, 0.2f - 0.12f - 0.06f, 8 * h, 0.2f},
        {3, 0.2f - 0.12f, 6 * h, 0.2f},
        {4, 0.2f - 0.12f - 0.1f, 13 * h, 0.3f},
        {7, 0.2f - 0.12f, 6 * h, 0.2f},
    };
    for (const Case& c : cases) {
        counter[5].length = c.length;
        Message_Limits();
        EXPECT_FLOAT_EQ(counter[5].x, 0.2f) << c.length;
        EXPECT_FLOAT_EQ(hud[6].x, 0.16f);
        EXPECT_FLOAT_EQ(hud[6].y, c.box_y) << c.length;
        EXPECT_FLOAT_EQ(hud[6].height, c.box_h) << c.length;
        EXPECT_FLOAT_EQ(counter[5].y, c.text_y) << c.length;
    }
    counter[5].length = 1;
    msg_left = true;
    Message_Limits();
    EXPECT_FLOAT_EQ(counter[5].x, 0.5f + 0.45f - 0.3f);
    // Over a pickup's effect instead of the pointer.
    Fx[3].x = 1.0f;
    Fx[3].y = 2.0f;
    Fx[3].width = 0.4f;
    Fx[3].height = 0.5f;
    camX = 0.25f;
    camY = -1.0f;
    pkp_msg_target = 3;
    Message_Limits();
    EXPECT_FLOAT_EQ(counter[5].x, 1.0f + 0.2f + 0.25f - 0.1f);
    EXPECT_FLOAT_EQ(counter[5].y, 2.0f + 2.2f * 0.5f - 1.0f);
    // A target outside the effects is ignored, not read.
    pkp_msg_target = MAX_FX + 5;
    Message_Limits();
    EXPECT_FLOAT_EQ(counter[5].x, 0.5f + 0.45f - 0.3f);
    Text_Printf(5, "%s", "");
    Message_Limits();
    EXPECT_FLOAT_EQ(hud[6].alpha, 0.0f);
}

}  // namespace
