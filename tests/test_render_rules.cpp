// Rules of the drawing code that need no picture: the visible list and the draw orders,
// where a frame lies in its sheet, the glyph map and the pen, the light grid, and the bounds
// the drawing code keeps when its inputs are odd.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "render/draw.h"
#include "render/font.h"
#include "render/hud_layer.h"
#include "render/light_grid.h"
#include "render/sprites.h"
#include "render/tile_map.h"
#include "support/virtual_clock.h"
#include "world/world_clock.h"

namespace {

class RenderRules : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        camX = camY = 0.0f;
        zoom_factor = 1.0f;
        sc_ratio = 0.75f;
        fade = 1.0f;
        quit_active = false;
        MAP_WIDTH = MAP_HEIGHT = 150;
        MAP_TILES = 22500;
        map_startX = map_startY = 7.5f;
        std::memset(map_light, 0, sizeof map_light);
    }
    void TearDown() override { Free_Records(); }
};

// ---- Visible list and draw orders ----

TEST_F(RenderRules, DrawOrderIsPriorityBandsThenHeightOnScreen) {
    struct rec {
        bool effect;
        int priority;
        float y;
    };
    // Index within its array follows the order of this table per array.
    const rec records[] = {
        {false, 2, 0.1f},  // sprite 0
        {false, 6, 0.0f},  // sprite 1: deepest band, drawn first
        {false, 2, 0.5f},  // sprite 2: highest on screen within band 2
        {false, 0, 0.0f},  // sprite 3: on top
        {false, 7, 0.0f},  // sprite 4: never drawn
        {false, 2, 0.1f},  // sprite 5: same y as sprite 0, listed later, drawn after it
        {false, -1, 0.0f}, // sprite 6: never drawn
        {false, 3, 0.0f},  // sprite 7
        {true, 2, 0.3f},   // effect 0 (id 750)
        {true, 1, 0.0f},   // effect 1 (id 751)
        {false, 2, -1000.0f}, // sprite 8: at -1000 the band never places it
    };
    int ns = 0, nf = 0;
    new_no_sprites = 0;
    for (const rec& r : records) {
        object& o = r.effect ? Fx[nf] : sprite[ns];
        o.priority = r.priority;
        o.y = r.y;
        var5[new_no_sprites++] = r.effect ? FX_ID_BASE + nf++ : ns++;
    }
    Z_Buffer(true);
    const int expected[] = {1, 7, 2, 750, 0, 5, 751, 3};
    ASSERT_EQ(z_buffer_count, 8);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(var3[k], expected[k]) << "position " << k;
}

TEST_F(RenderRules, HudOrderRunsFromPriorityFiveToZero) {
    const int priorities[] = {0, 5, 6, 2, 5, -1, 1};
    hud_no_sprites = 7;
    for (int i = 0; i < 7; ++i) hud[i].priority = priorities[i];
    Z_Buffer(false);
    const int expected[] = {1, 4, 3, 6, 0};
    ASSERT_EQ(hud_z_count, 5);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(var4[k], expected[k]);
}

TEST_F(RenderRules, ViewConeListsWhatOverlapsTheWidenedView) {
    // The view is x -1..1, y -0.75..0.75, widened by 0.5 on every side.
    struct rec {
        float x, y, w, h;
        bool turn_off;
        bool listed;
    } cases[] = {
        {-0.1f, -0.1f, 0.2f, 0.2f, false, true},
        {1.4f, 0.0f, 0.05f, 0.05f, false, true},   // inside the margin
        {1.6f, 0.0f, 0.2f, 0.2f, false, false},    // beyond it
        {0.0f, 1.3f, 0.2f, 0.2f, false, false},
        {-5.0f, -5.0f, 10.0f, 10.0f, false, true}, // larger than the view, all test points out
        {-5.0f, -0.1f, 10.0f, 0.2f, false, true},  // a long strip across it
        {0.0f, 0.0f, 0.2f, 0.2f, true, false},     // switched off
    };
    no_sprites = 0;
    for (const rec& c : cases) {
        object& o = sprite[no_sprites++];
        o.x = c.x, o.y = c.y, o.width = c.w, o.height = c.h, o.turn_off = c.turn_off;
    }
    new_no_sprites = 0;
    View_Cone(true);
    int k = 0;
    for (int i = 0; i < no_sprites; ++i) {
        bool listed = k < new_no_sprites && var5[k] == i;
        EXPECT_EQ(listed, cases[i].listed) << "case " << i;
        if (listed) k++;
    }
    EXPECT_EQ(k, new_no_sprites);
}

TEST_F(RenderRules, ViewConeHoldsEveryRecordAndRaisesEffectAngles) {
    no_sprites = MAX_SPRITES;
    no_fx = MAX_FX;
    for (int i = 0; i < MAX_SPRITES; ++i) sprite[i].width = sprite[i].height = 0.1f;
    for (int i = 0; i < MAX_FX; ++i) Fx[i].width = Fx[i].height = 0.1f, Fx[i].angle = -30.0f;
    new_no_sprites = 0;
    View_Cone(true);
    View_Cone(false);
    ASSERT_EQ(new_no_sprites, MAX_SPRITES + MAX_FX);
    EXPECT_EQ(var5[MAX_SPRITES - 1], MAX_SPRITES - 1);
    EXPECT_EQ(var5[MAX_SPRITES], FX_ID_BASE);
    EXPECT_EQ(var5[MAX_SPRITES + MAX_FX - 1], FX_ID_BASE + MAX_FX - 1);
    EXPECT_FLOAT_EQ(Fx[0].angle, 330.0f);
    Z_Buffer(true);  // all priority 0: every entry placed, in list order
    EXPECT_EQ(z_buffer_count, MAX_SPRITES + MAX_FX);
    EXPECT_EQ(var3[MAX_SPRITES + MAX_FX - 1], FX_ID_BASE + MAX_FX - 1);
}

// ---- Frames in a sheet ----

TEST_F(RenderRules, FrameRectangleOfSheetCells) {
    texture_fx[20] = 2;
    struct row {
        int frames, rows, frame;
        float u, uw, vt, vb;
    } table[] = {
        {32, 8, 13, 0.25f, 0.249f, 0.6249f, 0.5f},
        {32, 8, 31, 0.75f, 0.249f, 0.1249f, 0.0f},
        {8, 2, 0, 0.0f, 0.249f, 0.9999f, 0.5f},
        {8, 2, 5, 0.25f, 0.249f, 0.4999f, 0.0f},
        {16, 4, 6, 0.5f, 0.249f, 0.7499f, 0.5f},
        {4, 1, 3, 0.75f, 0.249f, 0.9999f, 0.0f},
        {4, 1, 9, 0.25f, 0.249f, 0.9999f, 0.0f},   // one row: always the whole height
        {8, 2, 9, 0.25f, 0.249f, 0.0f, 0.0f},      // row beyond the sheet
        {6, 3, 1, 0.5f, 0.499f, 0.0f, 0.0f},       // 3 rows has no band layout
        {2, 4, 1, 0.0f, 0.999f, 0.7499f, 0.5f},    // fewer frames than rows: one per row
        {1, 8, 0, 0.0f, 0.999f, 0.9999f, 0.875f},
    };
    for (const row& r : table) {
        a_texture[3].frames = r.frames;
        a_texture[3].column = r.rows;
        Get_Texture_Coord(20, 3, r.frame, true);
        SCOPED_TRACE(::testing::Message() << r.frames << " frames, " << r.rows << " rows, frame "
                                          << r.frame);
        EXPECT_NEAR(global_u, r.u, 1e-5);
        EXPECT_NEAR(global_u1, r.uw, 1e-5);
        EXPECT_NEAR(global_v, r.vt, 1e-5);
        EXPECT_NEAR(global_v1, r.vb, 1e-5);
    }
}

TEST_F(RenderRules, FrameRectangleFixesZeroRowsAndIgnoresPlainSlots) {
    texture_fx[20] = 3;
    a_texture[4].frames = 4;
    a_texture[4].column = 0;
    Get_Texture_Coord(20, 4, 2, true);
    EXPECT_EQ(a_texture[4].column, 1);
    EXPECT_NEAR(global_u, 0.5f, 1e-6);

    texture_fx[21] = 0;
    Get_Texture_Coord(21, 4, 2, true);
    EXPECT_EQ(global_u, 0.0f);
    EXPECT_EQ(global_u1, 0.0f);
    EXPECT_EQ(global_v, 0.0f);
    EXPECT_EQ(global_v1, 0.0f);

    // Slots and sheets outside their tables give the empty rectangle.
    Get_Texture_Coord(-1, 4, 2, true);
    EXPECT_EQ(global_u1, 0.0f);
    Get_Texture_Coord(20, MAX_ANIM_SHEETS, 2, true);
    EXPECT_EQ(global_u1, 0.0f);
}

TEST_F(RenderRules, FrameRectangleOfItemsDrawnOverEverything) {
    // Whole cells and exact bands, except the 8-row sheets that keep the 0.0001 top margin.
    struct row {
        int frames, rows, frame;
        float u, uw, vt, vb;
    } table[] = {
        {4, 1, 3, 0.75f, 0.25f, 1.0f, 0.0f},
        {4, 1, 9, 0.25f, 0.25f, 1.0f, 0.0f},     // one row: always the whole height
        {8, 2, 0, 0.0f, 0.25f, 1.0f, 0.5f},
        {8, 2, 5, 0.25f, 0.25f, 0.5f, 0.0f},
        {16, 4, 6, 0.5f, 0.25f, 0.75f, 0.5f},
        {16, 4, 15, 0.75f, 0.25f, 0.25f, 0.0f},
        {32, 8, 13, 0.25f, 0.25f, 0.6249f, 0.5f},
        {32, 8, 0, 0.0f, 0.25f, 0.9999f, 0.875f},
        {8, 2, 9, 0.25f, 0.25f, 0.0f, 0.0f},     // row beyond the sheet
        {6, 3, 1, 0.5f, 0.5f, 0.0f, 0.0f},       // 3 rows has no band layout
        {2, 4, 1, 0.0f, 1.0f, 0.75f, 0.5f},      // fewer frames than rows: one per row
    };
    for (const row& r : table) {
        a_texture[3].frames = r.frames;
        a_texture[3].column = r.rows;
        float u = -1, uw = -1, vt = -1, vb = -1;
        Hud_Frame_Coord(3, r.frame, u, uw, vt, vb);
        SCOPED_TRACE(::testing::Message() << r.frames << " frames, " << r.rows << " rows, frame "
                                          << r.frame);
        EXPECT_NEAR(u, r.u, 1e-6);
        EXPECT_NEAR(uw, r.uw, 1e-6);
        EXPECT_NEAR(vt, r.vt, 1e-6);
        EXPECT_NEAR(vb, r.vb, 1e-6);
    }
    // The same two-row sheet through both rules: the world rule is 0.001 narrower and
    // 0.0001 lower at the top.
    texture_fx[20] = 2;
    a_texture[3].frames = 8;
    a_texture[3].column = 2;
    float u, uw, vt, vb;
    Hud_Frame_Coord(3, 1, u, uw, vt, vb);
    Get_Texture_Coord(20, 3, 1, false);
    EXPECT_FLOAT_EQ(global_u, u);
    EXPECT_NEAR(uw - global_u1, 0.001f, 1e-6);
    EXPECT_NEAR(vt - global_v, 0.0001f, 1e-6);
    EXPECT_FLOAT_EQ(global_v1, vb);

    a_texture[4].frames = 4;
    a_texture[4].column = 0;
    Hud_Frame_Coord(4, 2, u, uw, vt, vb);
    EXPECT_EQ(a_texture[4].column, 1);
    EXPECT_FLOAT_EQ(u, 0.5f);
    EXPECT_FLOAT_EQ(vt, 1.0f);
    Hud_Frame_Coord(MAX_ANIM_SHEETS, 2, u, uw, vt, vb);
    EXPECT_EQ(uw, 0.0f);
    EXPECT_EQ(vt, 0.0f);
}

TEST_F(RenderRules, SetValuesKeepsColourComponentsGivenAsMinusOne) {
    Set_Values(1, 2, 0.1f, 0.2f, 0.3f, 0.4f, 5, 6);
    Set_Values(3, 4, -1, 0.9f, -1, -1, 7, 8);
    EXPECT_FLOAT_EQ(Gvector[0], 3);
    EXPECT_FLOAT_EQ(Gvector[1], 4);
    EXPECT_FLOAT_EQ(Gcolor[0], 0.1f);
    EXPECT_FLOAT_EQ(Gcolor[1], 0.9f);
    EXPECT_FLOAT_EQ(Gcolor[2], 0.3f);
    EXPECT_FLOAT_EQ(Gcolor[3], 0.4f);
    EXPECT_FLOAT_EQ(Gtex[0], 7);
    EXPECT_FLOAT_EQ(Gtex[1], 8);
}

// ---- Glyphs and the pen ----

TEST_F(RenderRules, GlyphCellsAndAdvances) {
    game_mode = MODE_WALK;
    struct row {
        unsigned char letter;
        float column, row, advance;
        bool tight;
    } table[] = {
        {'A', 0, 7, 1.8f, false},  {'P', 15, 7, 1.8f, false}, {'Q', 0, 6, 1.8f, false},
        {'Z', 9, 6, 1.8f, false},  {'a', 10, 6, 1.8f, false}, {'f', 15, 6, 1.8f, false},
        {'g', 0, 5, 1.8f, false},  {'i', 2, 5, 0.8f, false},  {'l', 5, 5, 1.0f, false},
        {'r', 11, 5, 1.5f, false}, {'t', 13, 5, 1.5f, false}, {'v', 15, 5, 1.8f, false},
        {'w', 0, 4, 1.8f, false},  {'z', 3, 4, 1.8f, false},  {'&', 5, 4, 1.8f, false},
        {'/', 14, 2, 1.8f, true},  {'$', 2, 0, 1.8f, true},   {'?', 11, 4, 1.8f, false},
        {' ', 15, 0, 1.8f, false}, {'_', 15, 0, 1.8f, false}, {'^', 15, 0, 1.8f, false},
        {'#', 15, 0, 1.8f, false}, {0x8E, 3, 0, 1.8f, true},  {0xA4, 1, 8, 1.8f, false},
        {0xFB, 12, 3, 1.8f, false}, {0xF9, 0, 1, 1.8f, true}, {0x80, 15, 0, 1.8f, false},
    };
    for (const row& r : table) {
        float x, y, adv;
        GetFont(x, y, r.letter, adv, 7, false, MODE_WALK);
        SCOPED_TRACE(::testing::Message() << "byte " << (int)r.letter);
        EXPECT_EQ(x, r.column);
        EXPECT_EQ(y, r.row);
        EXPECT_FLOAT_EQ(adv, r.advance);
        EXPECT_EQ(Glyph_Is_Tight(r.letter), r.tight);
    }
}

TEST_F(RenderRules, DigitRowBySlotAndSceneKind) {
    struct row {
        int slot, mode;
        bool modeset;
        float digit_row;
    } table[] = {
        {0, MODE_WALK, false, 9}, {1, MODE_WALK, true, 2},  {7, MODE_WALK, false, 3},
        {6, MODE_WALK, false, 2}, {0, MODE_WALK, true, 9},  {0, MODE_FRONT, false, 3},
        {1, MODE_FRONT, true, 3}, {6, MODE_FRONT, false, 3}, {2, MODE_GAME, true, 2},
    };
    for (const row& r : table) {
        float x, y, adv;
        GetFont(x, y, '7', adv, r.slot, r.modeset, r.mode);
        EXPECT_EQ(x, 7.0f);
        EXPECT_EQ(y, r.digit_row) << "slot " << r.slot << " mode " << r.mode;
    }
}

TEST_F(RenderRules, PenFollowsLineBreaksResetsAndSkippedBytes) {
    game_mode = MODE_WALK;
    g_type = 0;
    font& f = counter[7];
    f.x = 0.0f;
    f.y = 0.0f;
    f.width = 0.02f;
    f.height = 0.03f;
    glyph_place g[32];

    // "Skip" from px 0, then "Scene" at px -0.002 and 0.06 lower (the '^' itself is a blank).
    std::strcpy(f.word, "Skip^Scene");
    ASSERT_EQ(Font_Layout(7, g, 32), 10);
    const float skip_x[] = {0.0f, 0.041f, 0.082f, 0.103f};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(g[k].x + f.width / 2, skip_x[k], 1e-5) << k;
    EXPECT_NEAR(g[4].x + f.width / 2, -0.043f, 1e-5);
    EXPECT_NEAR(g[5].x + f.width / 2, -0.002f, 1e-5);
    EXPECT_NEAR(g[5].y, -0.06f, 1e-6);
    EXPECT_EQ(g[5].letter, 'S');

    // '%' sends the pen to height - 0.16 from any line; 0xFF leaves no gap; '&' is the apostrophe.
    std::strcpy(f.word, "a^b%c\xFF" "d&");
    ASSERT_EQ(Font_Layout(7, g, 32), 7);
    EXPECT_NEAR(g[4].y, 0.03f - 0.16f, 1e-6);      // 'c' after the reset
    EXPECT_NEAR(g[4].x + f.width / 2, 0.041f, 1e-5);
    EXPECT_NEAR(g[5].x - g[4].x, 0.041f, 1e-5);    // 'd' right after 'c'
    EXPECT_EQ(g[6].column, 5.0f);
    EXPECT_EQ(g[6].row, 4.0f);

    // Tight bytes add no 0.005 after their advance.
    std::strcpy(f.word, "1/2");
    ASSERT_EQ(Font_Layout(7, g, 32), 3);
    EXPECT_NEAR(g[2].x - g[1].x, 0.036f, 1e-5);
    EXPECT_NEAR(g[1].x - g[0].x, 0.041f, 1e-5);
}

TEST_F(RenderRules, LineGapsOfTheFrontEnd) {
    struct row {
        int mode, episode, scene, slot;
        float gap;
    } table[] = {
        {MODE_WALK, 0, 0, 0, 0.03f},  {MODE_FRONT, 1, 5, 0, 0.05f},  {MODE_FRONT, 1, 5, 2, 0.03f},
        {MODE_FRONT, 1, 5, 11, 0.05f}, {MODE_FRONT, 1, 26, 2, 0.08f}, {MODE_FRONT, 1, 52, 1, 0.08f},
        {MODE_FRONT, 0, 2, 0, 0.07f}, {MODE_FRONT, 0, 2, 1, 0.05f},  {MODE_WALK, 1, 26, 0, 0.03f},
    };
    for (const row& r : table) {
        game_mode = r.mode;
        episode = r.episode;
        scene = r.scene;
        EXPECT_NEAR(Line_Gap(r.slot), r.gap, 1e-6)
            << "mode " << r.mode << " e" << r.episode << " s" << r.scene << " slot " << r.slot;
    }
}

TEST_F(RenderRules, TextSlotsAreFilledAndReadWithinTheirBytes) {
    std::string long_text(3000, 'x');
    int n = Text_Printf(3, "%s^%i", long_text.c_str(), 42);
    EXPECT_EQ(n, 3003);
    EXPECT_EQ(std::strlen(counter[3].word), sizeof counter[3].word - 1);
    EXPECT_EQ(Text_Printf(25, "no slot"), 0);
    EXPECT_EQ(Text_Printf(-1, "no slot"), 0);

    // A slot whose bytes hold no NUL stops at its end.
    std::memset(counter[12].word, 'A', sizeof counter[12].word);
    game_mode = MODE_WALK;
    static glyph_place g[1100];
    EXPECT_EQ(Font_Layout(12, g, 1100), 1024);
}

// ---- Light grid ----

TEST_F(RenderRules, LightNearAndFarFromALamp) {
    game_mode = MODE_WALK;
    Light_Level = 20.0f;
    in_dungeon = false;
    // A lamp whose collision box is centred on (0, 0).
    sprite[4].w = -0.05f;
    sprite[4].z = -0.05f;
    sprite[4].box_width = sprite[4].box_height = 0.1f;
    draw_light_list[0] = 4;
    draw_light_count = 1;
    struct row {
        float distance;
        bool dungeon;
        float level;
        int cell;
    } table[] = {
        {0.0f, false, 20, 100}, {0.2f, false, 20, 88}, {0.5f, false, 20, 69},
        {1.0f, false, 20, 40},  {3.0f, false, 20, 40}, {0.2f, true, 5, 88},
        {1.0f, true, 5, 35},    {1.5f, true, 5, 10},   {3.0f, true, 5, 10},
        {3.0f, false, 60, 60},
    };
    for (const row& r : table) {
        in_dungeon = r.dungeon;
        Light_Level = r.level;
        int value = (int)(100.0f * Calculate_Lighting(r.distance, 0.0f));
        EXPECT_EQ(value, r.cell) << "distance " << r.distance << (r.dungeon ? " dungeon" : "");
    }
}

TEST_F(RenderRules, LitPointsShineUntilTheirTimeAndLightsDoNotAdd) {
    game_mode = MODE_WALK;
    Light_Level = 20.0f;
    draw_light_count = 0;
    no_points = 2;
    points[0] = a_point{0.0f, 0.0f, 0, 0, 1000, true, 0.0f, LIGHT_PNT, 0, 0, 0};
    points[1] = a_point{0.1f, 0.0f, 0, 0, 1000, true, 0.0f, LIGHT_PNT, 0, 0, 0};
    Advance_Ms(10);
    float both = Calculate_Lighting(0.2f, 0.0f);
    points[0].c1 = PATROL_PNT;  // only the nearer one left
    float nearer = Calculate_Lighting(0.2f, 0.0f);
    EXPECT_FLOAT_EQ(both, nearer);
    EXPECT_GT(nearer, 0.9f);
    Advance_Ms(1000);  // its time has passed
    EXPECT_FLOAT_EQ(Calculate_Lighting(0.2f, 0.0f), 0.4f);
}

TEST_F(RenderRules, DrawLightFillsTheWindowAroundTheView) {
    game_mode = MODE_WALK;
    Light_Level = 20.0f;
    in_dungeon = false;
    draw_light_count = 0;
    no_points = 0;
    std::memset(map_light, 0, sizeof map_light);
    Draw_Light();
    // The view centre cell (75, 75) and the window edges: columns 61..89, rows 64..87.
    EXPECT_EQ(map_light[75 * 150 + 75], 40);
    EXPECT_EQ(map_light[64 * 150 + 61], 40);
    EXPECT_EQ(map_light[87 * 150 + 89], 40);
    EXPECT_EQ(map_light[63 * 150 + 75], 0);
    EXPECT_EQ(map_light[75 * 150 + 90], 0);

    // A camera at the map's corner only writes cells of the map.
    camX = 7.5f;
    camY = 7.5f;
    Draw_Light();
    EXPECT_EQ(map_light[0], 40);
    game_mode = MODE_FRONT;
    map_light[0] = 7;
    Draw_Light();
    EXPECT_EQ(map_light[0], 7);
}

TEST_F(RenderRules, CornerShadeAveragesTheFourCellsAtTheCorner) {
    auto set = [](int r, int c, int v) { map_light[r * 150 + c] = v; };
    // Upper-right corner of (10, 10): cells (10,10), (11,10), (10,11), (11,11).
    set(10, 10, 100);
    set(11, 10, 100);
    set(10, 11, 0);
    set(11, 11, 0);
    EXPECT_FLOAT_EQ(Get_Vert_Fade(10, 10, 5), 0.5f);
    // -1 values are left out of the mean.
    set(10, 11, -1);
    set(11, 11, -1);
    EXPECT_FLOAT_EQ(Get_Vert_Fade(10, 10, 5), 1.0f);
    // Top row, upper-left corner: the cell twice, its left neighbour and the cell below.
    set(149, 20, 90);
    set(149, 19, 30);
    set(148, 20, 60);
    EXPECT_FLOAT_EQ(Get_Vert_Fade(149, 20, 6), (float)((90 + 90 + 30 + 60) / 4) / 100.0f);
    // Lower-left corner of cell (0, 0): below is replaced by above, left by the cell itself.
    set(0, 0, 80);
    set(1, 0, 40);
    EXPECT_FLOAT_EQ(Get_Vert_Fade(0, 0, 8), (float)((80 + 40 + 80 + 80) / 4) / 100.0f);
    // Fade caps it; the quit box in walk mode darkens, never below 0.
    fade = 0.3f;
    EXPECT_FLOAT_EQ(Get_Vert_Fade(0, 0, 8), 0.3f);
    game_mode = MODE_WALK;
    quit_active = true;
    EXPECT_FLOAT_EQ(Get_Vert_Fade(0, 0, 8), 0.0f);
}

TEST_F(RenderRules, LightLookupsOffTheGridReadTheNearestEdgeCell) {
    map_light[0] = 11;
    map_light[149] = 22;
    map_light[149 * 150] = 33;
    map_light[149 * 150 + 149] = 44;
    struct row {
        float x, y;
        int value;
    } table[] = {
        {-100.0f, -100.0f, 11}, {100.0f, -8.0f, 22}, {-7.6f, 1e9f, 33},
        {1e30f, 1e30f, 44},     {-1e30f, -7.5f, 11},
    };
    for (const row& r : table) EXPECT_EQ(Light_Cell_Value(r.x, r.y), r.value) << r.x << "," << r.y;
}

} // namespace
