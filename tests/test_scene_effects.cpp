// Effect construction and motion: dropped items on free neighbouring cells, refusals that
// append nothing, equipped markers, the flight of grenades and debris, and the message flash.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "test_world_fixture.h"
#include "world/effect_motion.h"
#include "world/effects.h"
#include "world/world_services.h"

namespace {

class Effects : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        game_mode = MODE_NORM;
        no_fx = 0;
        sc_ratio = 0.75f;
        for (int& a : animation_fx) a = -1;
    }

    static float CellX(int col) { return -map_startX + col * 0.1f + 0.05f; }
    static float CellY(int row) { return -map_startY + row * 0.1f + 0.05f; }
    // Drops item `code` with its values at the centre of cell (col, row).
    static bool Drop(int col, int row, int code = 13) {
        return New_FX({.x = CellX(col), .y = CellY(row), .w = CellX(col), .z = CellY(row), .anim_state = 2,
                       .box_width = 0.1f, .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = 1,
                       .type = 10, .i_value = 5, .i_type = code, .tex_id = 2});
    }
    static bool Flash(int kind) {
        return New_FX({.anim = 1, .anim_state = 1, .box_width = 0.1f, .box_height = 0.1f, .width = 0.1f,
                       .height = 0.1f, .priority = 1, .type = 15, .state = kind, .tex_id = 2});
    }
};

} // namespace

TEST_F(Effects, DropLandsOnANeighbourNeverOnItsOwnCell) {
    const int col = 70, row = 70;
    std::set<int> cells;
    for (int k = 0; k < 8; ++k) {
        ASSERT_TRUE(Drop(col, row));
        const object& e = Fx[no_fx - 1];
        const int c = Cell_Column_Of(e.tile_row), r = Cell_Row_Of(e.tile_row);
        EXPECT_NE(e.tile_row, row * MAP_HEIGHT + col);
        EXPECT_LE(std::abs(c - col), 1);
        EXPECT_LE(std::abs(r - row), 1);
        EXPECT_NEAR(e.x, -map_startX + c * 0.1f, 1e-5);
        EXPECT_NEAR(e.y, -map_startY + r * 0.1f, 1e-5);
        EXPECT_TRUE(e.grab_switch);
        EXPECT_EQ(e.item_type, 13);
        EXPECT_EQ(e.value, 5);
        cells.insert(e.tile_row);
    }
    EXPECT_EQ(cells.size(), 8u); // two drops never share a cell
    // All eight neighbours hold items: the ninth drop is refused and nothing is appended.
    const object before = Fx[no_fx];
    EXPECT_FALSE(Drop(col, row));
    EXPECT_EQ(no_fx, 8);
    EXPECT_EQ(std::memcmp(&before, &Fx[no_fx], sizeof(object)), 0);
}

TEST_F(Effects, BlockedNeighboursAndMapEdges) {
    // Every neighbour blocked but one.
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) map_col[(50 + dy) * MAP_HEIGHT + 50 + dx] = COL_SOLID;
    map_col[51 * MAP_HEIGHT + 49] = COL_FREE;
    ASSERT_TRUE(Drop(50, 50));
    EXPECT_EQ(Fx[0].tile_row, 51 * MAP_HEIGHT + 49);
    EXPECT_FALSE(Drop(50, 50));

    // Row 2 is never a candidate, column 1 is: from cell (0, 3) only (1, 3) and (1, 4) qualify
    // (column 0 is off limits too).
    no_fx = 0;
    std::set<int> cells;
    for (int k = 0; k < 2; ++k) {
        ASSERT_TRUE(Drop(0, 3));
        cells.insert(Fx[no_fx - 1].tile_row);
    }
    EXPECT_EQ(cells, (std::set<int>{3 * MAP_HEIGHT + 1, 4 * MAP_HEIGHT + 1}));
    EXPECT_FALSE(Drop(0, 3));
}

TEST_F(Effects, EquippedMarkersBecomePlainItems) {
    struct Case {
        int passed, stored;
        int* slot;
    } cases[] = {
        {8, 5, &current_weapon},  {35, 32, &current_weapon}, {40, 37, &current_weapon}, {11, 9, &current_weapon},
        {30, 28, &current_weapon}, {16, 14, &current_helmet}, {19, 17, &current_boot},   {22, 20, &current_medal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.passed);
        no_fx = 0;
        current_weapon = current_helmet = current_boot = current_medal = 3;
        ASSERT_TRUE(Drop(60, 60, c.passed));
        EXPECT_EQ(Fx[0].item_type, c.stored);
        EXPECT_EQ(*c.slot, -1);
        int others = 0;
        for (int* s : {&current_weapon, &current_helmet, &current_boot, &current_medal})
            if (s != c.slot) others += *s;
        EXPECT_EQ(others, 9);
    }
    // A plain code is stored as it is and clears nothing.
    no_fx = 0;
    current_weapon = 3;
    ASSERT_TRUE(Drop(60, 60, 5));
    EXPECT_EQ(Fx[0].item_type, 5);
    EXPECT_EQ(current_weapon, 3);
}

// A full table refuses (the caller keeps the item) and leaves the table as it was.
TEST_F(Effects, FullTableRefuses) {
    for (int i = 0; i < MAX_FX; ++i) ASSERT_TRUE(Flash(0));
    EXPECT_EQ(no_fx, MAX_FX);
    EXPECT_FALSE(Flash(0));
    EXPECT_FALSE(Drop(70, 70));
    EXPECT_EQ(no_fx, MAX_FX);
}

TEST_F(Effects, DefaultGeometryAndTimedKinds) {
    ASSERT_TRUE(New_FX(1.0f, 2.0f, 3.0f, 4.0f, 7, 1, 0.4f, 0.2f, 0.5f, 0.6f, 3, 15, 0.8f, 0, 0, 0, -1, 2, 0, 0));
    const object& e = Fx[0];
    EXPECT_FLOAT_EQ(e.x, 1.0f);
    EXPECT_FLOAT_EQ(e.w, 3.1f);
    EXPECT_FLOAT_EQ(e.z, 4.0f);
    EXPECT_FLOAT_EQ(e.box_width, 0.2f);
    EXPECT_FLOAT_EQ(e.box_height, 0.2f);
    EXPECT_EQ(e.tile_row, -1);
    EXPECT_EQ(e.sparkle_timer, -1);
    EXPECT_EQ(e.linked_sprite, 0); // no player: owner 0
    EXPECT_FALSE(e.grab_switch);
    EXPECT_EQ(e.sector, 0);

    platform::AdvanceVirtualClock(1000);
    st_fire_rounds = 2;
    st_gas = 3;
    ASSERT_TRUE(Flash(36));
    ASSERT_TRUE(Flash(37));
    EXPECT_EQ(Fx[1].sparkle_timer, 1000 + 2500);
    EXPECT_EQ(Fx[2].sparkle_timer, 1000 + 3750);
}

// The named form writes the record the positional form writes, field for field: an effect with
// an owner, and an item on sale, which keeps every item field.
TEST_F(Effects, NamedFormWritesThePositionalRecord) {
    const fx_spec specs[] = {
        {.x = 1.0f, .y = 2.0f, .w = 3.0f, .z = 4.0f, .anim = 7, .anim_state = 1, .box_width = 0.4f,
         .box_height = 0.2f, .width = 0.5f, .height = 0.6f, .priority = 3, .type = 15, .alpha = 0.8f,
         .linked_sprite = 1, .tex_id = 2},
        {.x = 1.5f, .y = 2.5f, .w = 1.6f, .z = 2.6f, .anim = 3, .anim_state = 2, .box_width = 0.3f,
         .box_height = 0.1f, .width = 0.2f, .height = 0.25f, .priority = 2, .type = 47, .alpha = 0.9f,
         .i_value = 6, .i_type = 8, .tex_id = 2, .i_value1 = 9, .i_value2 = 4},
    };
    for (const fx_spec& s : specs) {
        SCOPED_TRACE(s.type);
        no_fx = 0;
        ASSERT_TRUE(New_FX(s.x, s.y, s.w, s.z, s.anim, s.anim_state, s.box_width, s.box_height, s.width, s.height,
                           s.priority, s.type, s.alpha, s.i_value, s.i_type, s.state, s.linked_sprite, s.tex_id,
                           s.i_value1, s.i_value2));
        const object a = Fx[0];
        no_fx = 0;
        ASSERT_TRUE(New_FX(s));
        const object& b = Fx[0];
        for (auto f : {&object::x, &object::y, &object::w, &object::z, &object::width, &object::height,
                       &object::box_width, &object::box_height, &object::alpha})
            EXPECT_FLOAT_EQ(b.*f, a.*f);
        for (auto f : {&object::anim, &object::anim_state, &object::id, &object::priority, &object::type,
                       &object::value, &object::value1, &object::value2, &object::item_type,
                       &object::linked_sprite, &object::tile_row})
            EXPECT_EQ(b.*f, a.*f);
    }
}

// A player's grenade flies toward the centre of the mouse cell, lands after about 500 ms and
// is live 500 ms later; another unit's after 1000 ms.
TEST_F(Effects, GrenadeFlightAndLanding) {
    p1_id = 0;
    sprite[0].x = sprite[0].y = 0.0f;
    sprite[0].width = sprite[0].height = 0.2f;
    sprite[0].angle = 0.0f;
    mouse_row_x = 75 + 5;
    mouse_row_y = 75;
    ASSERT_TRUE(New_FX({.anim = 1, .anim_state = 1, .box_width = 0.05f, .box_height = 0.05f, .width = 0.2f,
                        .height = 0.2f, .priority = 1, .type = 15, .state = 27, .linked_sprite = 0, .tex_id = 2}));
    object& g = Fx[0];
    EXPECT_TRUE(chop_sfx);
    EXPECT_EQ(g.priority, 2);
    const float mx = -map_startX + mouse_row_x * 0.1f + 0.05f, my = -map_startY + mouse_row_y * 0.1f + 0.05f;
    EXPECT_NEAR(g.spin, std::atan2(my - g.y, mx - g.x), 1e-5);

    int t = 0;
    while (!g.grab_switch && t < 2000) {
        Move_Fx(0, 10);
        t += 10;
    }
    EXPECT_GE(t, 500);
    EXPECT_LE(t, 510);
    EXPECT_EQ(g.action_timer, Now() + 500);
    EXPECT_FALSE(g.turn_off);

    // Another unit's debris piece, in water: gone with a splash, armed after 1000 ms.
    sprite[1].angle = 0.0f;
    sprite[1].width = sprite[1].height = 0.2f;
    ASSERT_TRUE(New_FX({.anim = 1, .anim_state = 1, .box_width = 0.05f, .box_height = 0.05f, .width = 0.2f,
                        .height = 0.2f, .priority = 1, .type = 15, .state = 30, .linked_sprite = 1, .tex_id = 2,
                        .i_value2 = 4}));
    for (int& tl : tiles) tl = 481;
    const int before = no_fx;
    t = 0;
    while (!Fx[1].grab_switch && t < 2000) {
        Move_Fx(1, 5);
        t += 5;
    }
    EXPECT_GE(t, 475);
    EXPECT_LE(t, 480);
    EXPECT_TRUE(Fx[1].turn_off);
    EXPECT_TRUE(water_sfx);
    EXPECT_EQ(no_fx, before + 1);
    EXPECT_EQ(Fx[before].anim, 39);
    EXPECT_EQ(Fx[1].action_timer, Now() + 1000);
}

TEST_F(Effects, ShadowHeadingInDegreesAndVerticalScale) {
    ASSERT_TRUE(New_FX({.anim = 1, .anim_state = 1, .box_width = 0.05f, .box_height = 0.05f, .width = 0.2f,
                        .height = 0.2f, .priority = 1, .type = 15, .state = 31, .tex_id = 2, .i_value2 = 1}));
    object& s = Fx[0];
    s.spin = -1.5f;
    const float y0 = s.y;
    Move_Fx(0, 1);
    EXPECT_NEAR(s.angle, -1.5f * 180.0f / 3.14f + 360.0f, 1e-3);
    EXPECT_NEAR(s.angle, 274.0f, 0.1f);
    EXPECT_NEAR(s.y - y0, std::sin(-1.5f) * 1.2f * 0.0004f * sc_ratio, 1e-7);

    // An aimed shot moves box and quad together, without the screen ratio.
    sprite[3].w = 1.0f;
    sprite[3].z = 0.0f;
    ASSERT_TRUE(New_FX({.anim = 1, .anim_state = 1, .box_width = 0.05f, .box_height = 0.05f, .width = 0.1f,
                        .height = 0.1f, .priority = 1, .type = 15, .i_value = 3, .state = 1, .tex_id = 2}));
    object& a = Fx[1];
    const float x0 = a.x, w0 = a.w;
    Move_Fx(1, 100);
    EXPECT_NEAR(a.x - x0, a.w - w0, 1e-6);
}

TEST(MessageFx, StartsTheFlash) {
    platform::UseVirtualClock(true);
    TimerInit();
    platform::AdvanceVirtualClock(300);
    msg_fx = false;
    Message_Fx();
    EXPECT_TRUE(msg_fx);
    EXPECT_EQ(msg_fx_timer, 350);
}
