// Whole frames drawn on the headless GL context (Mesa llvmpipe under SDL's offscreen driver).
//
// Golden images live in tests/golden/render_*.tga (24-bit, uncompressed, bottom row first)
// and are compared with a small per-channel tolerance. To regenerate them after a deliberate
// change to the drawing code, run from the build directory:
//     VARNOTH_REGENERATE_GOLDEN=1 ctest -R RenderFrame --output-on-failure
// then look at the new images before keeping them. A failing comparison writes the picture
// it got next to the build as render_*.actual.tga.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "main/window.h"
#include "render/draw.h"
#include "render/sprites.h"
#include "render/texture_opacity.h"
#include "render/tile_map.h"
#include "support/gl_context.h"
#include "support/render_fixture.h"
#include "support/virtual_clock.h"
#include "world/sprite_construction.h"
#include "world/world_clock.h"

namespace {

constexpr int W = 128, H = 96;

struct image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // bottom row first
};

bool Write_Tga(const std::string& path, const image& img) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          (uint8_t)(img.width & 255), (uint8_t)(img.width >> 8),
                          (uint8_t)(img.height & 255), (uint8_t)(img.height >> 8), 24, 0};
    std::fwrite(header, 1, sizeof header, f);
    for (size_t i = 0; i + 2 < img.rgb.size(); i += 3) {
        uint8_t bgr[3] = {img.rgb[i + 2], img.rgb[i + 1], img.rgb[i]};
        std::fwrite(bgr, 1, 3, f);
    }
    return std::fclose(f) == 0;
}

bool Read_Tga(const std::string& path, image& img) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t header[18];
    bool ok = std::fread(header, 1, sizeof header, f) == sizeof header && header[2] == 2 &&
              header[16] == 24 && header[0] == 0 && (header[17] & 0x20) == 0;
    if (ok) {
        img.width = header[12] | (header[13] << 8);
        img.height = header[14] | (header[15] << 8);
        img.rgb.assign((size_t)img.width * img.height * 3, 0);
        ok = std::fread(img.rgb.data(), 1, img.rgb.size(), f) == img.rgb.size();
        for (size_t i = 0; ok && i + 2 < img.rgb.size(); i += 3) std::swap(img.rgb[i], img.rgb[i + 2]);
    }
    std::fclose(f);
    return ok;
}

image Grab() {
    glFinish();
    std::vector<uint8_t> rgba = Read_Test_Pixels(0, 0, W, H);
    image img;
    img.width = W, img.height = H;
    img.rgb.resize((size_t)W * H * 3);
    for (size_t p = 0; p < (size_t)W * H; ++p)
        for (int k = 0; k < 3; ++k) img.rgb[p * 3 + k] = rgba[p * 4 + k];
    return img;
}

// Compares with the golden image: at most 0.2% of the pixels may differ by more than 8 in a
// channel (rasterisation of edges may move by a pixel between drivers).
void Expect_Golden(const std::string& name, const image& got) {
    std::string path = std::string(VARNOTH_GOLDEN_DIR) + "/" + name + ".tga";
    const char* regen = std::getenv("VARNOTH_REGENERATE_GOLDEN");
    if (regen && *regen && std::string(regen) != "0") {
        ASSERT_TRUE(Write_Tga(path, got)) << path;
        return;
    }
    image want;
    ASSERT_TRUE(Read_Tga(path, want)) << "missing golden image " << path
                                      << " (regenerate with VARNOTH_REGENERATE_GOLDEN=1)";
    ASSERT_EQ(want.width, got.width);
    ASSERT_EQ(want.height, got.height);
    int differing = 0, worst = 0;
    for (size_t p = 0; p < (size_t)W * H; ++p) {
        int d = 0;
        for (int k = 0; k < 3; ++k) d = std::max(d, std::abs(want.rgb[p * 3 + k] - got.rgb[p * 3 + k]));
        if (d > 8) differing++;
        worst = std::max(worst, d);
    }
    if (differing > W * H / 500) {
        Write_Tga(std::string(VARNOTH_BINARY_DIR) + "/" + name + ".actual.tga", got);
        ADD_FAILURE() << name << ": " << differing << " pixels differ (worst channel difference "
                      << worst << ")";
    }
}

std::array<int, 3> Pixel(const image& img, int x, int y) {
    const uint8_t* p = &img.rgb[((size_t)y * img.width + x) * 3];
    return {p[0], p[1], p[2]};
}

class RenderFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Test_GL_Context(W, H));
        InitGL();
        Allocate_Records();
        Use_Test_Clock();
        render_fixture::Make_Textures();
        Advance_Ms(1);
    }
    void TearDown() override {
        if (BGList != 0) glDeleteLists(BGList, 1);
        BGList = 0;
        Free_Records();
        Close_Test_GL_Context();
    }
    void Clear(float r, float g, float b) {
        glClearColor(r, g, b, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
};

TEST_F(RenderFrame, NightSceneMatchesGoldenImage) {
    render_fixture::Build_Scene();
    Clear(0, 0, 0);
    render_fixture::Draw_Frame();
    Expect_Golden("render_scene", Grab());
}

TEST_F(RenderFrame, HalfFadeWithQuitBoxMatchesGoldenImage) {
    render_fixture::Build_Scene();
    render_fixture::Quit_Box_At_Half_Fade();
    Clear(0, 0, 0);
    render_fixture::Draw_Frame();
    Expect_Golden("render_quit_box", Grab());
}

TEST_F(RenderFrame, WaterTilesAlternateOnEachRebuildOnly) {
    render_fixture::Build_Scene();
    Light_Level = 100.0f;  // flat light: the tile colours as they stand
    auto water = [&]() {
        Clear(0, 0, 0);
        render_fixture::Draw_Frame();
        // Centre of water cell (81, 83): world (0.85, 0.65).
        return Pixel(Grab(), (int)((0.85f + 1.0f) * 64), (int)((0.65f + 0.75f) * 64));
    };
    auto first = water();       // first rebuild: 480 shows 481
    Advance_Ms(100);
    auto replayed = water();    // no rebuild within 400 ms: the same list
    Advance_Ms(350);
    auto second = water();      // second rebuild: 480 shows itself
    Advance_Ms(401);
    auto third = water();
    const std::array<int, 3> light_blue = {120, 200, 255}, deep_blue = {30, 60, 220};
    EXPECT_EQ(first, light_blue);
    EXPECT_EQ(replayed, light_blue);
    EXPECT_EQ(second, deep_blue);
    EXPECT_EQ(third, light_blue);
}

// Cells of three tile sets mixed along rows and columns: each cell shows its picture from
// its own set's texture (slots 10, 11 and 12), in its own place.
TEST_F(RenderFrame, EveryCellShowsItsTileFromItsOwnSet) {
    using namespace render_fixture;
    Reset_Scene_State();
    hud_no_sprites = 0;
    radar_on = false;
    Light_Level = 100.0f;
    Cells(SLOT_TILES + 1, 16, 32, 4, [](int, int, int, int) { return Rgba(250, 20, 200, 255); });
    Cells(SLOT_TILES + 2, 16, 32, 4, [](int, int, int, int) { return Rgba(20, 220, 40, 255); });
    auto set_of = [](int r, int c) { return (r * 5 + c * 2 + c / 3) % 3; };
    for (int r = 70; r < 80; ++r)
        for (int c = 66; c < 84; ++c) map_set[r * 150 + c] = (unsigned char)set_of(r, c);
    Clear(0, 0, 0);
    Draw_Frame();
    image img = Grab();
    int wrong = 0;
    for (int r = 70; r < 80; ++r)
        for (int c = 66; c < 84; ++c) {
            // Centre of the cell: world (c / 10 - 7.45, r / 10 - 7.45).
            int px = (int)(((float)c * 0.1f - 7.45f + 1.0f) * 64.0f);
            int py = (int)(((float)r * 0.1f - 7.45f + 0.75f) * 64.0f);
            int t = (r * 7 + c * 3) % 64;
            std::array<int, 3> want = {Hash8(t * 3 + 1), Hash8(t * 5 + 2), Hash8(t * 7 + 3)};
            if (set_of(r, c) == 1) want = {250, 20, 200};
            if (set_of(r, c) == 2) want = {20, 220, 40};
            if (Pixel(img, px, py) != want) {
                ++wrong;
                ADD_FAILURE() << "cell row " << r << " column " << c << " set " << set_of(r, c);
            }
            if (wrong > 5) return;
        }
}

TEST_F(RenderFrame, PassesAlternateAndOnlyTheSecondAsksForTheSwap) {
    render_fixture::Build_Scene();
    DrawGLScene(false);
    EXPECT_EQ(render_sequence, 1);
    EXPECT_EQ(double_main_code, 0);
    DrawGLScene(false);
    EXPECT_EQ(render_sequence, 0);
    EXPECT_EQ(double_main_code, 1);
    // A load screen's whole frame in one call leaves the swap request alone.
    double_main_code = 0;
    render_sequence = 0;
    DrawGLScene(true);
    EXPECT_EQ(render_sequence, 1);
    EXPECT_EQ(double_main_code, 0);
}

TEST_F(RenderFrame, FirstPassClearsOnlyCineFrontEndAndWorldScenes) {
    render_fixture::Reset_Scene_State();
    struct row {
        int mode;
        bool cleared;
    } table[] = {{MODE_NORM, false}, {MODE_GAME, false}, {MODE_CINE, true},
                 {MODE_FRONT, true}, {MODE_WORLD, true}};
    for (const row& r : table) {
        game_mode = r.mode;
        render_sequence = 0;
        Clear(1, 0, 0);
        DrawGLScene(false);
        auto p = Pixel(Grab(), W / 2, H / 2);
        EXPECT_EQ(p[0] == 0, r.cleared) << "game_mode " << r.mode;
    }
}

TEST_F(RenderFrame, RedSwipeFillsTheScreenWithItsColour) {
    render_fixture::Build_Scene();
    struct row {
        int colour;
        std::array<int, 3> rgb;
    } table[] = {{1, {204, 0, 0}}, {3, {0, 204, 0}}, {4, {255, 255, 255}}, {2, {0, 0, 0}}};
    red_swipe = true;
    for (const row& r : table) {
        swipe_color = r.colour;
        Clear(0.2f, 0.2f, 0.2f);
        render_fixture::Draw_Frame();
        EXPECT_EQ(Pixel(Grab(), 10, 10), r.rgb) << "swipe colour " << r.colour;
    }
}

TEST_F(RenderFrame, ScreenShakeMovesTheCameraItself) {
    render_fixture::Build_Scene();
    srand(7);
    const struct {
        int level;
        float step;
    } table[] = {{1, 1.0f / 200}, {2, 1.0f / 300}, {3, 1.0f}, {4, 1.0f / 400}, {6, 1.0f / 600}};
    for (const auto& row : table) {
        shake = (float)row.level;
        camX = 0.25f;
        camY = -0.125f;
        bool moved = false;
        for (int pass = 0; pass < 40; ++pass) {
            const float x0 = camX, y0 = camY;
            DrawGLScene(false);
            const float dx = std::abs(camX - x0), dy = std::abs(camY - y0);
            EXPECT_TRUE(dx == 0.0f || std::abs(dx - row.step) < 1e-5f) << "shake " << row.level;
            EXPECT_TRUE(dy == 0.0f || std::abs(dy - row.step) < 1e-5f) << "shake " << row.level;
            moved = moved || dx != 0.0f || dy != 0.0f;
        }
        // Nothing undoes a step: a pass ends with the camera where its shake left it.
        EXPECT_TRUE(moved) << "shake " << row.level;
    }
    // No shake, or the quit box up: the camera stays put.
    for (bool quit : {false, true}) {
        shake = quit ? 2.0f : 0.0f;
        quit_active = quit;
        camX = 0.25f;
        camY = -0.125f;
        for (int pass = 0; pass < 10; ++pass) DrawGLScene(false);
        EXPECT_EQ(camX, 0.25f);
        EXPECT_EQ(camY, -0.125f);
    }
}

TEST_F(RenderFrame, RadarIsHiddenUntilItsStoryFlagOnGatedLevels) {
    render_fixture::Build_Scene();
    struct row {
        int level;
        int flag;
        char value;
        bool shown;
    } table[] = {{LVL_BASE, 27, 0, true},      {LVL_CAVE, 27, 0, false}, {LVL_CAVE, 27, 1, true},
                 {LVL_HIGHWAY, 33, 0, false},  {LVL_HIGHWAY, 33, 1, true},
                 {LVL_CASINO, 27, 1, false},   {LVL_CELLAR, 27, 1, false}};
    // The distant enemy's red dot lies in the radar box; sample it.
    const object& enemy = sprite[player_list[3]];
    float px = enemy.w + enemy.box_width / 2 + map_startX, py = enemy.z + enemy.box_height / 2 + map_startY;
    float rx = hud[3].x + hud[3].width * px / 15, ry = hud[3].y + hud[3].height * py / 15;
    int sx = (int)((rx + 1.0f) * 64), sy = (int)((ry + 0.75f) * 64);
    Light_Level = 100.0f;
    for (const row& r : table) {
        Level = r.level;
        std::memset(global_objects, 0, sizeof global_objects);
        global_objects[r.flag] = r.value;
        Clear(0, 0, 0);
        render_fixture::Draw_Frame();
        auto p = Pixel(Grab(), sx, sy);
        bool red_dot = p[0] == 153 && p[1] == 51 && p[2] == 51;
        EXPECT_EQ(red_dot, r.shown) << "level " << r.level << " flag " << r.flag << "="
                                    << (int)r.value;
    }
}

// One plain sprite filling the view centre, white texels; the drawn grey at the centre pixel.
class RenderOneSprite : public RenderFrame {
protected:
    object& Only_Sprite() {
        render_fixture::Reset_Scene_State();
        hud_no_sprites = 0;
        radar_on = false;
        Light_Level = 100.0f;
        render_bg = 1e9f;  // keep the tile map out of the picture
        std::vector<uint8_t> white(4 * 4 * 4, 255);
        render_fixture::Upload(render_fixture::SLOT_PANEL, 4, 4, white);
        return render_fixture::Add_Sprite(render_fixture::SLOT_PANEL, -0.2f, -0.2f, 0.4f, 0.4f, 2,
                                          OBJ);
    }
    int Centre_Grey() {
        Clear(0, 0, 0);
        view_cone_timer = 0;  // refresh the lists for this frame
        render_fixture::Draw_Frame();
        return Pixel(Grab(), W / 2, H / 2)[0];
    }
};

TEST_F(RenderOneSprite, HiddenRecords) {
    struct row {
        const char* what;
        int mode, type;
        float alpha;
        bool mouseover, turn_off, drawn;
    } table[] = {
        {"plain", MODE_WALK, OBJ, 1, false, false, true},
        {"alpha 0", MODE_WALK, OBJ, 0, false, false, false},
        {"trigger in walk", MODE_WALK, TRI, 1, false, false, false},
        {"switch in walk", MODE_WALK, SWI, 1, false, false, false},
        {"cut in world", MODE_WORLD, CUT, 1, false, false, false},
        {"same code in the front end", MODE_FRONT, TRI, 1, false, false, true},
        {"mouseover", MODE_WALK, OBJ, 1, true, false, false},
        {"ladder with mouseover", MODE_WALK, LAD, 1, true, false, true},
        {"unit with alpha 0", MODE_WALK, UNT, 0, false, false, false},
    };
    for (const row& r : table) {
        object& o = Only_Sprite();
        game_mode = r.mode;
        o.type = r.type;
        o.alpha = r.alpha;
        o.mouseover = r.mouseover;
        o.turn_off = r.turn_off;
        EXPECT_EQ(Centre_Grey() > 0, r.drawn) << r.what;
    }
}

TEST_F(RenderOneSprite, BrightnessFromLightFadeAndQuitBox) {
    struct row {
        const char* what;
        int mode, type;
        float level, fade, light;
        bool quit, dungeon;
        int lit_cell;  // light value written under the sprite's upper-right corner, -1 none
        int grey;
    } table[] = {
        {"daylight", MODE_WALK, OBJ, 100, 1, 1, false, false, -1, 255},
        {"fade caps light", MODE_WALK, OBJ, 100, 0.3f, 1, false, false, -1, 77},
        {"quit box darkens", MODE_WALK, OBJ, 100, 0.3f, 1, true, false, -1, 0},
        {"night, brightest corner", MODE_WALK, OBJ, 20, 1, 1, false, false, 80, 204},
        {"night, grid empty", MODE_WALK, OBJ, 20, 1, 1, false, false, -1, 0},
        {"dungeon by day", MODE_WALK, OBJ, 100, 1, 1, false, true, 50, 128},
        {"front end uses own light", MODE_FRONT, OBJ, 20, 1, 0.5f, false, false, -1, 128},
        {"cine uses fade", MODE_CINE, OBJ, 20, 0.6f, 0.1f, false, false, -1, 153},
    };
    for (const row& r : table) {
        object& o = Only_Sprite();
        game_mode = r.mode;
        o.type = r.type;
        o.light = r.light;
        Light_Level = r.level;
        fade = r.fade;
        quit_active = r.quit;
        in_dungeon = r.dungeon;
        std::memset(map_light, 0, sizeof map_light);
        if (r.lit_cell >= 0) {
            int c = (int)((o.x + o.width + map_startX) * 10), row_ = (int)((o.y + o.height + map_startY) * 10);
            map_light[row_ * 150 + c] = r.lit_cell;
        }
        EXPECT_NEAR(Centre_Grey(), r.grey, 2) << r.what;
    }
}

TEST_F(RenderOneSprite, UnitsFadeIntoTheDarkButThePlayerDoesNot) {
    for (bool is_player : {false, true}) {
        object& o = Only_Sprite();
        o.type = UNT;
        o.angle = 3.0f;
        Light_Level = 20.0f;
        std::memset(map_light, 0, sizeof map_light);
        int c = (int)((o.x + map_startX) * 10), r = (int)((o.y + map_startY) * 10);
        map_light[r * 150 + c] = 50;
        p1_id = is_player ? 0 : -1;
        // Drawn at grey 0.5 with alpha 0.5 over black for a unit; alpha 1 for the player.
        EXPECT_NEAR(Centre_Grey(), is_player ? 128 : 64, 2) << (is_player ? "player" : "unit");
        EXPECT_EQ(sprite[0].alpha, 1.0f);  // the record itself is never changed
    }
}

// One sprite on a 4 by 4 texture of its own, drawn through the animation-sheet path (a
// one-frame sheet) or as a plain image; read back whole.
class RenderSpriteQuad : public RenderOneSprite {
protected:
    static constexpr int QUAD_SHEET = 2;
    // texel(column, row) gives the RGBA of a texel, row 0 at the bottom (v = 0).
    template <class Texel>
    object& Textured_Sprite(bool sheet, Texel texel) {
        object& o = Only_Sprite();
        render_fixture::Cells(render_fixture::SLOT_PANEL, 4, 4, 1,
                              [&](int c, int r, int, int) { return texel(c, r); });
        texture_fx[render_fixture::SLOT_PANEL] = sheet ? 2 : 0;
        a_texture[QUAD_SHEET].frames = 1;
        a_texture[QUAD_SHEET].column = 1;
        o.fx_id = QUAD_SHEET;
        return o;
    }
    image Frame_Image() {
        Clear(0, 0, 0);
        view_cone_timer = 0;
        render_fixture::Draw_Frame();
        return Grab();
    }
    // The pixel under a point of the view (walk mode, camera at the origin, zoom 1).
    static std::array<int, 3> At(const image& img, float x, float y) {
        return Pixel(img, (int)((x + 1.0f) * 64), (int)((y + 0.75f) * 64));
    }
};

TEST_F(RenderSpriteQuad, MirroringOfUnitsByFacingAndOfFlipSprites) {
    using render_fixture::Rgba;
    struct row {
        const char* what;
        int mode, type;
        float angle;
        bool sheet, mirrored;
    } table[] = {
        {"unit facing 0", MODE_WALK, UNT, 0.0f, true, true},
        {"unit at 1.8", MODE_WALK, UNT, 1.8f, true, true},
        {"unit at -1.8", MODE_WALK, UNT, -1.8f, true, true},
        {"unit at 1.875", MODE_WALK, UNT, 1.875f, true, false},
        {"unit at -1.875", MODE_WALK, UNT, -1.875f, true, false},
        {"unit at 1.9", MODE_WALK, UNT, 1.9f, true, false},
        {"unit at -1.9", MODE_WALK, UNT, -1.9f, true, false},
        {"unit at 3", MODE_WALK, UNT, 3.0f, true, false},
        {"unit in the front end", MODE_FRONT, UNT, 1.0f, true, true},
        {"object facing 0", MODE_WALK, OBJ, 0.0f, true, false},
        {"flip sprite in the front end", MODE_FRONT, FE_FLIP, 3.0f, true, true},
        {"flip code in a walk scene", MODE_WALK, FE_FLIP, 3.0f, true, false},
        {"unit on a plain image", MODE_WALK, UNT, 0.0f, false, false},
    };
    for (const row& r : table) {
        // Red on the left half of the texture, blue on the right.
        object& o = Textured_Sprite(r.sheet, [](int c, int) {
            return c < 2 ? Rgba(255, 0, 0, 255) : Rgba(0, 0, 255, 255);
        });
        game_mode = r.mode;
        o.type = r.type;
        o.angle = r.angle;
        image img = Frame_Image();
        auto left = At(img, -0.15f, 0.0f), right = At(img, 0.15f, 0.0f);
        const std::array<int, 3> red = {255, 0, 0}, blue = {0, 0, 255};
        EXPECT_EQ(left, r.mirrored ? blue : red) << r.what;
        EXPECT_EQ(right, r.mirrored ? red : blue) << r.what;
    }
}

TEST_F(RenderSpriteQuad, DepthSinksOrLiftsTheQuadAndPlanesFlyHigher) {
    using render_fixture::Rgba;
    struct row {
        const char* what;
        bool sheet;
        float depth;
        int sector;
        float bottom, top;  // drawn edges in view units
        float red_share;    // share of the drawn height that shows the lower (red) half
    } table[] = {
        {"level", true, 0.0f, 0, -0.2f, 0.2f, 0.5f},
        {"half sunk", true, 0.5f, 0, -0.15f, 0.05f, 0.0f},
        {"quarter sunk", true, 0.25f, 0, -0.15f, 0.15f, 1.0f / 3},
        {"lifted by -0.5", true, -0.5f, 0, -0.1375f, 0.2625f, 0.5f},
        {"depth exactly -1", true, -1.0f, 0, -0.2f, 0.2f, 0.5f},
        {"depth -2", true, -2.0f, 0, -0.325f, 0.075f, 0.5f},
        {"depth -3", true, -3.0f, 0, -0.45f, -0.05f, 0.5f},
        {"plane", true, 0.0f, UNIT_PLANE, 0.1f, 0.5f, 0.5f},
        {"plain image, sunk", false, 0.5f, 0, -0.2f, 0.2f, 0.5f},
        {"plain image, plane", false, -2.0f, UNIT_PLANE, -0.2f, 0.2f, 0.5f},
    };
    for (const row& r : table) {
        object& o = Textured_Sprite(r.sheet, [](int, int row_) {
            return row_ < 2 ? Rgba(255, 0, 0, 255) : Rgba(0, 255, 0, 255);
        });
        o.depth = r.depth;
        o.sector = r.sector;
        image img = Frame_Image();
        int lowest = -1, highest = -1, red = 0;
        for (int y = 0; y < H; ++y) {
            auto p = Pixel(img, W / 2, y);
            if (p[0] == 0 && p[1] == 0) continue;
            if (lowest < 0) lowest = y;
            highest = y;
            if (p[0] > 0) red++;
        }
        ASSERT_GE(lowest, 0) << r.what;
        const float px = 1.0f / 64;
        EXPECT_NEAR(lowest * px - 0.75f, r.bottom, px + 1e-3f) << r.what;
        EXPECT_NEAR((highest + 1) * px - 0.75f, r.top, px + 1e-3f) << r.what;
        EXPECT_NEAR((float)red / (highest - lowest + 1), r.red_share, 0.1f) << r.what;
    }
}

TEST_F(RenderSpriteQuad, HitTintsOfThePlayerAndTheFlashOfOthers) {
    using render_fixture::Rgba;
    // Texels of grey 64: modulated they stay 64 (times the colour); the flash's blend mode
    // shows the colour times (1 - 64/255), that is 191.
    struct row {
        const char* what;
        bool sheet, player, flash, dead, healing;
        std::array<int, 3> rgb;
    } table[] = {
        {"player hit", true, true, true, false, false, {191, 0, 0}},
        {"player hit while healing", true, true, true, false, true, {0, 191, 0}},
        {"player healing, not hit", true, true, false, false, true, {64, 64, 64}},
        {"player hit but dead", true, true, true, true, false, {64, 64, 64}},
        {"other record hit", true, false, true, false, false, {191, 191, 191}},
        {"other record hit, player dead", true, false, true, true, false, {64, 64, 64}},
        {"player hit, plain image", false, true, true, false, false, {64, 0, 0}},
        {"player hit while healing, plain image", false, true, true, false, true, {64, 0, 0}},
        {"other record hit, plain image", false, false, true, false, false, {64, 64, 64}},
    };
    for (const row& r : table) {
        object& o = Textured_Sprite(r.sheet, [](int, int) { return Rgba(64, 64, 64, 255); });
        o.flash_target = r.flash;
        p1_id = r.player ? 0 : -1;
        ply_dead = r.dead;
        start_healing = r.healing;
        // A second record drawn after it, never tinted nor flashed.
        object& next = render_fixture::Add_Sprite(render_fixture::SLOT_PANEL, 0.5f, -0.2f, 0.3f, 0.4f, 0, OBJ);
        next.fx_id = o.fx_id;
        image img = Frame_Image();
        auto got = At(img, 0.0f, 0.0f);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], r.rgb[k], 3) << r.what << ", channel " << k;
        auto after = At(img, 0.65f, 0.0f);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(after[k], 64, 3) << r.what << ", the record after it";
    }
    ply_dead = false;
    start_healing = false;
}

TEST_F(RenderSpriteQuad, MultiplyingLayerScalesWhatLiesUnderIt) {
    using namespace render_fixture;
    object& ground = Textured_Sprite(false, [](int, int) { return Rgba(200, 200, 200, 255); });
    ground.x = ground.w = -0.8f;
    ground.width = ground.box_width = 1.6f;
    Cells(SLOT_MULTIPLY, 1, 1, 4, [](int, int, int, int) { return Rgba(255, 128, 64, 255); });
    Add_Sprite(SLOT_MULTIPLY, -0.6f, -0.1f, 0.4f, 0.2f, 1, OBJ);
    // Drawn after the layer: half-transparent white, blended the usual way again.
    Cells(SLOT_PLAIN, 1, 1, 4, [](int, int, int, int) { return Rgba(255, 255, 255, 255); });
    Add_Sprite(SLOT_PLAIN, 0.2f, -0.1f, 0.4f, 0.2f, 0, OBJ).alpha = 0.5f;
    image img = Frame_Image();
    auto layered = At(img, -0.4f, 0.0f), ground_only = At(img, 0.0f, 0.0f), half = At(img, 0.4f, 0.0f);
    const int want_layer[3] = {200, 100, 50};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(layered[k], want_layer[k], 3) << "channel " << k;
        EXPECT_NEAR(ground_only[k], 200, 2) << "channel " << k;
        EXPECT_NEAR(half[k], 228, 3) << "channel " << k;
    }
}

// Texels of alpha 0: an ordinary sprite leaves what lies under it as it was, a multiplying
// layer scales it by the texel's colour all the same (its blend takes no source alpha).
TEST_F(RenderSpriteQuad, TransparentTexelsOfOrdinarySpritesAndOfMultiplyingLayers) {
    using namespace render_fixture;
    object& ground = Textured_Sprite(false, [](int, int) { return Rgba(200, 200, 200, 255); });
    ground.x = ground.w = -0.8f;
    ground.width = ground.box_width = 1.6f;
    Cells(SLOT_MULTIPLY, 1, 1, 4, [](int, int, int, int) { return Rgba(255, 128, 64, 0); });
    Add_Sprite(SLOT_MULTIPLY, -0.6f, -0.1f, 0.4f, 0.2f, 1, OBJ);
    // Left half opaque red, right half transparent red.
    Cells(SLOT_PLAIN, 1, 1, 4, [](int, int, int x, int) {
        return x < 2 ? Rgba(255, 0, 0, 255) : Rgba(255, 0, 0, 0);
    });
    Add_Sprite(SLOT_PLAIN, 0.2f, -0.1f, 0.4f, 0.2f, 0, OBJ);
    image img = Frame_Image();
    struct row {
        const char* what;
        float x;
        int want[3];
    } table[] = {
        {"under the multiplying layer", -0.4f, {200, 100, 50}},
        {"ground alone", 0.0f, {200, 200, 200}},
        {"opaque texel", 0.3f, {255, 0, 0}},
        {"transparent texel", 0.5f, {200, 200, 200}},
    };
    for (const row& r : table) {
        auto got = At(img, r.x, 0.0f);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], r.want[k], 3) << r.what << ", channel " << k;
    }
}

// A crowd of overlapping sprites and effects of every kind (sheets, plain images, multiplying
// layers, hit flashes, turned effects) drawn in one pass gives exactly the picture that
// drawing the records one at a time in the draw order gives.
TEST_F(RenderFrame, CrowdInOnePassMatchesRecordByRecord) {
    using namespace render_fixture;
    Reset_Scene_State();
    hud_no_sprites = 0;
    radar_on = false;
    Light_Level = 100.0f;
    srand(5);
    auto rnd = [](float lo, float hi) { return lo + (hi - lo) * (float)(rand() % 1000) / 1000.0f; };
    const int kinds[] = {SLOT_SHEET, SLOT_SHEET, SLOT_PLAIN, SLOT_MULTIPLY};
    for (int i = 0; i < 160; ++i) {
        object& o = Add_Sprite(kinds[rand() % 4], rnd(-1.1f, 0.9f), rnd(-0.85f, 0.65f), rnd(0.05f, 0.3f),
                               rnd(0.05f, 0.3f), rand() % 7, rand() % 3 == 0 ? UNT : OBJ);
        o.frame = rand() % 8;
        o.angle = rnd(-3.0f, 3.0f);
        o.flash_target = rand() % 9 == 0;
    }
    for (int i = 0; i < 60; ++i) {
        object& e = Add_Fx(rand() % 2 ? SLOT_SHEET : SLOT_PLAIN, rnd(-1.1f, 0.9f), rnd(-0.85f, 0.65f),
                           0.12f, 0.12f, rand() % 4, GFX);
        e.angle = rnd(0.0f, 360.0f);
        e.frame = rand() % 8;
    }
    new_no_sprites = 0;
    View_Cone(true);
    View_Cone(false);
    Z_Buffer(true);
    ASSERT_GT(z_buffer_count, 200);
    auto world_view = [] {
        glLoadIdentity();
        Zoom(zoom_factor);
        glTranslatef(camX, camY, 0.0f);
    };
    Clear(0.2f, 0.3f, 0.4f);
    world_view();
    Draw_Sprite();
    image whole = Grab();

    std::vector<int> order(var3, var3 + z_buffer_count);
    Clear(0.2f, 0.3f, 0.4f);
    world_view();
    for (int entry : order) {
        var3[0] = entry;
        z_buffer_count = 1;
        Draw_Sprite();
    }
    image one_by_one = Grab();
    int differing = 0;
    for (size_t k = 0; k < whole.rgb.size(); ++k) differing += whole.rgb[k] != one_by_one.rgb[k];
    EXPECT_EQ(differing, 0);
}

// Images whose every texel is opaque, drawn at full alpha, go to GL without blending; the
// picture is exactly the one the blend gives, whatever lies under them, at any brightness,
// turned or not, with half-transparent and over-bright records of the same image and
// sheets and multiplying layers in between.
TEST_F(RenderFrame, OpaqueImagesDrawnWithoutBlendingMatchTheBlendedPicture) {
    using namespace render_fixture;
    Reset_Scene_State();
    hud_no_sprites = 0;
    radar_on = false;
    Light_Level = 100.0f;
    Cells(SLOT_PLAIN, 1, 1, 16, [](int, int, int x, int y) { return Rgba(16 * x, 200 - 10 * y, 90 + 5 * x, 255); });
    Cells(SLOT_PANEL, 1, 1, 8, [](int, int, int x, int y) { return Rgba(30 * x, 40, 30 * y, 255); });
    ASSERT_TRUE(opaque_texture[texID[SLOT_PLAIN]]);
    ASSERT_TRUE(opaque_texture[texID[SLOT_PANEL]]);
    ASSERT_FALSE(opaque_texture[texID[SLOT_SHEET]]);
    srand(9);
    auto rnd = [](float lo, float hi) { return lo + (hi - lo) * (float)(rand() % 1000) / 1000.0f; };
    const int kinds[] = {SLOT_PLAIN, SLOT_PLAIN, SLOT_PANEL, SLOT_SHEET, SLOT_MULTIPLY};
    const float alphas[] = {1.0f, 1.0f, 0.5f, 1.5f};
    for (int i = 0; i < 120; ++i) {
        object& o = Add_Sprite(kinds[rand() % 5], rnd(-1.1f, 0.9f), rnd(-0.85f, 0.65f), rnd(0.05f, 0.5f),
                               rnd(0.05f, 0.5f), rand() % 7, OBJ);
        o.frame = rand() % 8;
        o.alpha = alphas[rand() % 4];
    }
    for (int i = 0; i < 30; ++i) {
        object& e = Add_Fx(SLOT_PLAIN, rnd(-1.1f, 0.9f), rnd(-0.85f, 0.65f), 0.2f, 0.2f, 0, GFX);
        e.angle = rnd(0.0f, 360.0f);
    }
    new_no_sprites = 0;
    View_Cone(true);
    View_Cone(false);
    Z_Buffer(true);
    ASSERT_GT(z_buffer_count, 120);
    auto draw = [this] {
        Clear(0.2f, 0.3f, 0.4f);
        glLoadIdentity();
        Zoom(zoom_factor);
        glTranslatef(camX, camY, 0.0f);
        Draw_Sprite();
        return Grab();
    };
    for (float f : {1.0f, 0.6f}) {
        fade = f;
        const image unblended = draw();
        GLboolean blend_after = glIsEnabled(GL_BLEND);
        EXPECT_TRUE(blend_after) << "the pass leaves blending on";
        Forget_Texture_Opacity(texID, numsubmtls);
        const image blended = draw();
        int differing = 0;
        for (size_t k = 0; k < blended.rgb.size(); ++k) differing += blended.rgb[k] != unblended.rgb[k];
        EXPECT_EQ(differing, 0) << "fade " << f;
        Cells(SLOT_PLAIN, 1, 1, 16, [](int, int, int x, int y) { return Rgba(16 * x, 200 - 10 * y, 90 + 5 * x, 255); });
        Cells(SLOT_PANEL, 1, 1, 8, [](int, int, int x, int y) { return Rgba(30 * x, 40, 30 * y, 255); });
    }
    fade = 1.0f;
}

// The same for HUD items: a front-end page's backdrop (the first item, drawn doubled), opaque
// panels at full, half and over-full alpha, a multiplying layer and the items drawn over
// everything.
TEST_F(RenderFrame, OpaqueHudItemsDrawnWithoutBlendingMatchTheBlendedPicture) {
    using namespace render_fixture;
    Reset_Scene_State();
    game_mode = MODE_FRONT;
    Level = 1;
    radar_on = false;
    hud_no_sprites = MAX_HUD;
    for (int k = 0; k < MAX_HUD; ++k) hud[k].alpha = 0.0f;
    auto paint = [] {
        Cells(SLOT_PLAIN, 1, 1, 16, [](int, int, int x, int y) { return Rgba(16 * x, 200 - 10 * y, 90 + 5 * x, 255); });
        Cells(SLOT_PANEL, 1, 1, 8, [](int, int, int x, int y) { return Rgba(30 * x, 40, 30 * y, 255); });
    };
    paint();
    Set_Hud(3, SLOT_PLAIN, 0.0f, 0.0f, 0.6f, 0.45f, 5); // drawn first: the doubled backdrop
    Set_Hud(4, SLOT_PANEL, -0.5f, -0.3f, 0.5f, 0.4f, 4);
    Set_Hud(5, SLOT_PANEL, 0.1f, -0.2f, 0.5f, 0.4f, 3).alpha = 0.5f;
    Set_Hud(7, SLOT_PLAIN, -0.2f, 0.1f, 0.4f, 0.4f, 2).alpha = 1.5f;
    Set_Hud(8, SLOT_MULTIPLY, -0.7f, -0.5f, 0.6f, 0.3f, 1);
    Set_Hud(9, SLOT_SHEET, 0.3f, 0.2f, 0.3f, 0.3f, 1);
    Set_Hud(40, SLOT_PANEL, 0.5f, 0.4f, 0.2f, 0.2f, 0);
    Set_Hud(1, SLOT_PLAIN, -0.9f, 0.5f, 0.2f, 0.2f, 0).alpha = 0.7f;
    auto draw = [this] {
        Clear(0.2f, 0.3f, 0.4f);
        view_cone_timer = 0;
        Draw_Frame();
        return Grab();
    };
    for (float f : {1.0f, 0.6f}) {
        fade = f;
        const image unblended = draw();
        EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "the frame leaves blending on";
        ASSERT_EQ(var4[0], 3) << "the backdrop is drawn first";
        Forget_Texture_Opacity(texID, numsubmtls);
        const image blended = draw();
        int differing = 0;
        for (size_t k = 0; k < blended.rgb.size(); ++k) differing += blended.rgb[k] != unblended.rgb[k];
        EXPECT_EQ(differing, 0) << "fade " << f;
        paint();
    }
    fade = 1.0f;
}

// Which uploads count as opaque: one texel below full alpha is enough to keep the blend, and
// a deleted name forgets what its image was.
TEST(TextureOpacity, OnlyImagesWithoutATransparentTexelAreOpaque) {
    const unsigned char rgb[6] = {10, 20, 30, 40, 50, 60};
    const unsigned char full[8] = {1, 2, 3, 255, 4, 5, 6, 255};
    const unsigned char one_short[8] = {1, 2, 3, 255, 4, 5, 6, 254};
    struct row {
        const char* what;
        const unsigned char* pixels;
        unsigned long texels;
        int bytes;
        bool opaque;
    } table[] = {
        {"colour without alpha", rgb, 2, 3, true},
        {"every alpha 255", full, 2, 4, true},
        {"one alpha 254", one_short, 2, 4, false},
        {"no pixels", nullptr, 0, 4, false},
    };
    for (const row& r : table) {
        opaque_texture[7] = !r.opaque;
        Note_Texture_Opacity(7, r.pixels, r.texels, r.bytes);
        EXPECT_EQ(opaque_texture[7], r.opaque) << r.what;
    }
    Note_Texture_Opacity(OPAQUE_NAMES, full, 2, 4); // past the table: ignored
    const unsigned names[2] = {7, OPAQUE_NAMES + 3};
    Note_Texture_Opacity(7, full, 2, 4);
    Forget_Texture_Opacity(names, 2);
    EXPECT_FALSE(opaque_texture[7]);
}

// HUD items whose quad turns: the rain layers by the rain slant, item 56 by its own angle.
class RenderHudTurn : public RenderFrame {
protected:
    // A square item of a horizontal white bar on transparent texels, as a sheet or plain.
    object& Bar_Item(int i, bool sheet) {
        using namespace render_fixture;
        Reset_Scene_State();
        render_bg = 1e9f;
        radar_on = false;
        Light_Level = 100.0f;
        hud_no_sprites = MAX_HUD;
        for (int k = 0; k < MAX_HUD; ++k) hud[k].alpha = 0.0f;
        const int slot = sheet ? SLOT_SHEET : SLOT_PLAIN;
        Cells(slot, 1, 1, 32, [](int, int, int, int y) {
            return y == 15 || y == 16 ? Rgba(255, 255, 255, 255) : Rgba(0, 0, 0, 0);
        });
        a_texture[SHEET].frames = 1;
        a_texture[SHEET].column = 1;
        object& o = Set_Hud(i, slot, -0.6f, -0.6f, 1.2f, 1.2f, 0);
        o.frame = 0;
        return o;
    }
    // The slant of the drawn bar in degrees, counter-clockwise, from a line fitted through
    // the bar's centre in each column within 30 pixels of the middle.
    double Bar_Angle() {
        Clear(0, 0, 0);
        view_cone_timer = 0;
        render_fixture::Draw_Frame();
        image img = Grab();
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        int n = 0;
        for (int dx = -30; dx <= 30; ++dx) {
            double weight = 0, centre = 0;
            for (int y = 0; y < H; ++y) {
                int v = Pixel(img, W / 2 + dx, y)[0];
                weight += v;
                centre += v * (y + 0.5);
            }
            if (weight == 0) continue;
            double cy = centre / weight;
            sx += dx, sy += cy, sxx += (double)dx * dx, sxy += dx * cy, n++;
        }
        double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        return std::atan(slope) * 180.0 / 3.14159265358979;
    }
};

TEST_F(RenderHudTurn, RainLayersFollowTheSlantAndItem56ItsAngle) {
    struct row {
        const char* what;
        int item;
        bool sheet, player, moving;
        float rain, angle;
        double degrees;
    } table[] = {
        {"rain, player standing", 39, true, true, false, 10, 0, 10},
        {"rain, player moving", 39, true, true, true, 10, 0, 12},
        {"second rain layer, moving", 51, true, true, true, 10, 0, 12},
        {"negative slant, standing", 51, true, true, false, -10, 0, 10},
        {"negative slant, moving", 39, true, true, true, -10, 0, 8},
        {"rain without a player", 39, true, false, false, 10, 0, 0},
        {"rain layer's own angle is not used", 39, true, true, false, 0, 20, 0},
        {"item 56", 56, true, true, true, 10, 20, 20},
        {"item 56, negative angle", 56, true, false, false, 10, -15, 15},
        {"item 56 from a plain image", 56, false, true, false, 10, 20, 0},
        {"any other item", 38, true, true, true, 10, 20, 0},
        {"item drawn over everything", 40, true, true, true, 10, 20, 0},
    };
    for (const row& r : table) {
        object& o = Bar_Item(r.item, r.sheet);
        o.angle = r.angle;
        rain_angle = r.rain;
        p1_id = r.player ? 0 : -1;
        sprite[0].moving = r.moving;
        EXPECT_NEAR(Bar_Angle(), r.degrees, 0.5) << r.what;
    }
    sprite[0].moving = false;
}

// HUD items drawn white: which are darkened under the quit box and which text slot follows.
TEST_F(RenderFrame, HudItemsUnderTheQuitBoxAndTheSpeechText) {
    using namespace render_fixture;
    std::vector<uint8_t> white(8 * 8 * 4, 255);
    struct row {
        const char* what;
        int mode, level;
        bool quit, flash;
        float bubble_alpha;
        int item3, item2, item40;
        bool text;
    } table[] = {
        {"walk", MODE_WALK, LVL_BASE, false, false, 1, 255, 255, 255, true},
        {"walk, quit box", MODE_WALK, LVL_BASE, true, false, 1, 128, 255, 255, false},
        {"front end, quit box", MODE_FRONT, LVL_MENU, true, false, 1, 255, 255, 255, false},
        {"walk, bubble hidden", MODE_WALK, LVL_BASE, false, false, 0, 255, 0, 255, false},
        {"shop level", MODE_WALK, LVL_SHOP, false, false, 1, 255, 255, 255, false},
        {"message flash", MODE_WALK, LVL_BASE, false, true, 1, 255, 255, 255, false},
    };
    for (const row& r : table) {
        Reset_Scene_State();
        Upload(SLOT_PANEL, 8, 8, white);
        Upload(SLOT_FONT, 8, 8, white);
        render_bg = 1e9f;
        radar_on = false;
        game_mode = r.mode;
        Level = r.level;
        quit_active = r.quit;
        msg_fx = r.flash;
        for (int i = 0; i < MAX_HUD; ++i) hud[i].alpha = 0.0f;
        Set_Hud(3, SLOT_PANEL, -0.9f, -0.2f, 0.4f, 0.4f, 0);
        Set_Hud(2, SLOT_PANEL, -0.2f, -0.2f, 0.4f, 0.4f, 0).alpha = r.bubble_alpha;
        Set_Hud(40, SLOT_PANEL, 0.5f, -0.2f, 0.4f, 0.4f, 0);
        font& f = counter[4];
        f.x = 0.025f, f.y = 0.5f, f.width = f.height = 0.05f, f.id = SLOT_FONT, f.alpha = 1.0f;
        std::strcpy(f.word, "A");
        Clear(0, 0, 0);
        view_cone_timer = 0;
        Draw_Frame();
        image img = Grab();
        auto grey = [&](float x, float y) { return Pixel(img, (int)((x + 1) * 64), (int)((y + 0.75f) * 64))[0]; };
        EXPECT_NEAR(grey(-0.7f, 0.0f), r.item3, 2) << r.what;
        EXPECT_NEAR(grey(0.0f, 0.0f), r.item2, 2) << r.what;
        EXPECT_NEAR(grey(0.7f, 0.0f), r.item40, 2) << r.what;
        EXPECT_EQ(grey(0.0f, 0.5f) > 0, r.text) << r.what;
    }
}

} // namespace

