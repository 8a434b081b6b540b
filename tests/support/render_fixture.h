// A drawing fixture built in code: small RGBA textures drawn pixel by pixel and uploaded into
// texture slots, animation sheets, a tile map with a water patch, night light with a lamp,
// world sprites and effects, HUD items, a text slot and the radar's lists. Shared by the
// frame tests and the drawing benchmark; header-only so the benchmark needs no test library.
// Needs a current GL context and allocated record arrays.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/window.h"
#include "render/draw.h"
#include "render/texture_opacity.h"
#include "render/tile_map.h"
#include "world/sprite_construction.h"
#include "world/world_clock.h"

namespace render_fixture {

// Texture slots of the fixture.
constexpr int SLOT_ICONS = 0;    // radar icons (16 by 16 cells)
constexpr int SLOT_FONT = 3;     // font (16 by 16 cells)
constexpr int SLOT_TILES = 10;   // tile atlas (16 by 32 tiles)
constexpr int SLOT_SHEET = 20;   // animation sheet: 8 frames in 2 rows
constexpr int SLOT_PLAIN = 21;   // plain image
constexpr int SLOT_MULTIPLY = 22;// multiplying layer
constexpr int SLOT_PANEL = 23;   // HUD panel
constexpr int SLOTS = 30;
constexpr int SHEET = 1;         // animation sheet of SLOT_SHEET

// Water patch of the tile map: columns 82..84, rows 80..82 (world x 0.7..1.0, y 0.5..0.8).
constexpr int WATER_C0 = 82, WATER_R0 = 80;

inline uint8_t Hash8(unsigned v) {
    v ^= v >> 7;
    v *= 2654435761u;
    return (uint8_t)(v >> 24);
}

inline void Upload(int slot, int w, int h, const std::vector<uint8_t>& rgba) {
    glBindTexture(GL_TEXTURE_2D, texID[slot]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    Note_Texture_Opacity(texID[slot], rgba.data(), (unsigned long)w * h, 4);
}

// An image of cells x rows cells of `cell` pixels; paint(cell column, cell row, px, py) gives
// the RGBA of one pixel (px, py inside the cell, from its lower-left corner).
template <class Paint>
void Cells(int slot, int columns, int rows, int cell, Paint paint) {
    int w = columns * cell, h = rows * cell;
    std::vector<uint8_t> rgba((size_t)w * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = paint(x / cell, y / cell, x % cell, y % cell);
            uint8_t* p = &rgba[((size_t)y * w + x) * 4];
            p[0] = (uint8_t)(c >> 24), p[1] = (uint8_t)(c >> 16), p[2] = (uint8_t)(c >> 8),
            p[3] = (uint8_t)c;
        }
    Upload(slot, w, h, rgba);
}

inline uint32_t Rgba(int r, int g, int b, int a) {
    return ((uint32_t)r << 24) | ((uint32_t)g << 16) | ((uint32_t)b << 8) | (uint32_t)a;
}

inline void Make_Textures() {
    delete[] texID;
    texID = new unsigned int[SLOTS]();
    numsubmtls = SLOTS;
    glGenTextures(SLOTS, texID);
    std::memset(texture_fx, 0, sizeof texture_fx);
    std::memset(animation_fx, 0, sizeof animation_fx);

    // Icons: row 8 holds bright markers, other cells dim squares.
    Cells(SLOT_ICONS, 16, 16, 4, [](int c, int r, int x, int y) {
        bool inside = x > 0 && y > 0 && x < 3 && y < 3;
        if (r == 8) return inside ? Rgba(255, 60 * (c % 4), 40 * c % 256, 255) : Rgba(0, 0, 0, 0);
        return inside ? Rgba(40, 40, 40, 255) : Rgba(0, 0, 0, 0);
    });
    // Font: each cell a white bar whose length follows the column and whose height the row,
    // with a notch that shows its orientation.
    Cells(SLOT_FONT, 16, 16, 8, [](int c, int r, int x, int y) {
        bool bar = x >= 1 && x <= 1 + c % 7 && y >= 1 && y <= 1 + r % 7;
        bool notch = x == 6 && y == 6;
        return (bar || notch) ? Rgba(255, 255, 255, 255) : Rgba(0, 0, 0, 0);
    });
    // Tiles: one colour per tile picture with a darker corner pixel; 480 and 481 two blues.
    Cells(SLOT_TILES, 16, 32, 4, [](int c, int r, int x, int y) {
        int t = r * 16 + c;
        if (t == 480) return Rgba(30, 60, 220, 255);
        if (t == 481) return Rgba(120, 200, 255, 255);
        int k = x == 0 && y == 0 ? 2 : 1;
        return Rgba(Hash8(t * 3 + 1) / k, Hash8(t * 5 + 2) / k, Hash8(t * 7 + 3) / k, 255);
    });
    // Sheet: 4 frames per row, 2 rows; each frame a coloured figure brighter on its left side
    // (so mirroring shows), transparent around it.
    texture_fx[SLOT_SHEET] = 2;
    animation_fx[SLOT_SHEET] = SHEET;
    a_texture[SHEET].frames = 8;
    a_texture[SHEET].column = 2;
    Cells(SLOT_SHEET, 4, 2, 16, [](int c, int r, int x, int y) {
        int frame = (1 - r) * 4 + c;  // row 0 is the band nearest v = 1
        bool body = x >= 3 && x <= 12 && y >= 1 && y <= 14 && !(y > 10 && (x < 5 || x > 10));
        if (!body) return Rgba(0, 0, 0, 0);
        int base = 60 + frame * 24;
        return x < 8 ? Rgba(255, base, 40, 255) : Rgba(base / 2, 40, 120, 255);
    });
    // Plain image: a framed gradient.
    Cells(SLOT_PLAIN, 1, 1, 16, [](int, int, int x, int y) {
        if (x == 0 || y == 0 || x == 15 || y == 15) return Rgba(250, 250, 250, 255);
        return Rgba(16 * x, 200 - 10 * y, 90, 230);
    });
    // Multiplying layer: a warm filter with stripes.
    texture_fx[SLOT_MULTIPLY] = 5;
    Cells(SLOT_MULTIPLY, 1, 1, 16, [](int, int, int x, int) {
        return x % 4 < 2 ? Rgba(255, 160, 60, 255) : Rgba(200, 255, 120, 255);
    });
    // HUD panel.
    Cells(SLOT_PANEL, 1, 1, 8, [](int, int, int x, int y) {
        bool edge = x == 0 || y == 0 || x == 7 || y == 7;
        return edge ? Rgba(255, 255, 0, 255) : Rgba(60, 90, 160, 255);
    });
}

inline void Stored_Corners(object& o) {
    o.u[0] = 0, o.v[0] = 0, o.u[1] = 1, o.v[1] = 0, o.u[2] = 1, o.v[2] = 1, o.u[3] = 0, o.v[3] = 1;
}

inline object& Add_Sprite(int slot, float x, float y, float w, float h, int priority, int type) {
    object& o = sprite[no_sprites++];
    std::memset(&o, 0, sizeof o);
    o.x = x, o.y = y, o.width = w, o.height = h;
    o.w = x, o.z = y, o.box_width = w, o.box_height = h;
    o.id = slot, o.fx_id = animation_fx[slot], o.priority = priority, o.type = type;
    o.alpha = 1.0f, o.light = 1.0f, o.angle = 3.0f;
    Stored_Corners(o);
    return o;
}

inline object& Add_Fx(int slot, float x, float y, float w, float h, int priority, int type) {
    object& o = Fx[no_fx++];
    std::memset(&o, 0, sizeof o);
    o.x = x, o.y = y, o.width = w, o.height = h;
    o.id = slot, o.fx_id = animation_fx[slot], o.priority = priority, o.type = type;
    o.alpha = 1.0f, o.light = 1.0f;
    Stored_Corners(o);
    return o;
}

inline object& Set_Hud(int i, int slot, float x, float y, float w, float h, int priority) {
    object& o = hud[i];
    o.x = x, o.y = y, o.width = w, o.height = h;
    o.id = slot, o.fx_id = animation_fx[slot], o.priority = priority;
    o.alpha = 1.0f, o.light = 1.0f;
    Stored_Corners(o);
    return o;
}

// The fixed state of a walk-mode scene at night: camera at the origin, zoom 1, no records.
inline void Reset_Scene_State() {
    game_mode = MODE_WALK;
    Level = LVL_BASE;
    episode = 2;
    scene = 1;
    g_type = 0;
    camX = camY = 0.0f;
    zoom_factor = 1.0f;
    sc_ratio = 0.75f;
    fade = 1.0f;
    shake = 0;
    quit_active = false;
    red_swipe = false;
    msg_fx = false;
    next_scene = false;
    Light_Level = 20.0f;
    in_dungeon = false;
    radar_on = true;
    map_stat = false;
    render_sequence = 0;
    double_main_code = 0;
    view_cone_timer = 0;
    render_bg = 0.0f;
    mud_index = 0;
    no_sprites = no_fx = 0;
    hud_no_sprites = 42;
    p1_id = -1;
    player_counter = 0;
    map_pnt_counter = 0;
    no_points = 0;
    draw_light_count = 0;
    for (font& f : counter) std::memset(&f, 0, sizeof f);
    MAP_WIDTH = MAP_HEIGHT = 150;
    MAP_TILES = 22500;
    map_startX = map_startY = 7.5f;
    std::memset(map_light, 0, sizeof map_light);
    std::memset(map_set, 0, sizeof map_set);
    for (int r = 0; r < 150; ++r)
        for (int c = 0; c < 150; ++c) tiles[r * 150 + c] = (r * 7 + c * 3) % 64;
    for (int r = WATER_R0; r < WATER_R0 + 3; ++r)
        for (int c = WATER_C0; c < WATER_C0 + 3; ++c) tiles[r * 150 + c] = 480;
}

// The scene of the golden images: a lamp, sprites of several priorities and heights, a
// mirrored unit, a rotated effect, a frame from the sheet's second row, a multiplying layer,
// a hit flash, the player, HUD items (one half transparent), the radar and a text slot.
inline void Build_Scene() {
    Reset_Scene_State();
    // The lamp: a light object, and the light list's only source.
    object& lamp = Add_Sprite(SLOT_PLAIN, -0.65f, 0.15f, 0.1f, 0.1f, 3, OBJ);
    lamp.sector_action = OBJ_LIGHT;
    draw_light_list[0] = 0;
    draw_light_count = 1;
    // A deep plate, drawn first.
    Add_Sprite(SLOT_PLAIN, -0.9f, -0.6f, 0.6f, 0.5f, 6, OBJ);
    // Three overlapping figures in band 2: the lowest covers the others.
    Add_Sprite(SLOT_SHEET, -0.45f, 0.0f, 0.3f, 0.3f, 2, OBJ).frame = 0;
    Add_Sprite(SLOT_SHEET, -0.35f, -0.1f, 0.3f, 0.3f, 2, OBJ).frame = 1;
    Add_Sprite(SLOT_SHEET, -0.25f, 0.1f, 0.3f, 0.3f, 2, OBJ).frame = 5;  // second sheet row
    // A mirrored unit beside the lamp (angle within +-1.875), taking its alpha from the light.
    object& unit = Add_Sprite(SLOT_SHEET, -0.85f, 0.1f, 0.2f, 0.25f, 2, UNT);
    unit.angle = 0.0f;
    unit.frame = 2;
    unit.linked_sprite = 0;
    // A unit of the other side with a hit flash.
    object& enemy = Add_Sprite(SLOT_SHEET, 0.25f, -0.3f, 0.25f, 0.25f, 2, UNT);
    enemy.frame = 3;
    enemy.flash_target = true;
    enemy.linked_sprite = 1;
    enemy.score = 10;
    enemy.status = 1;
    // The player, hit: drawn red.
    object& player = Add_Sprite(SLOT_SHEET, 0.0f, -0.1f, 0.2f, 0.25f, 2, UNT);
    player.frame = 4;
    player.flash_target = true;
    player.score = 10;
    p1_id = no_sprites - 1;
    // A multiplying layer on top.
    Add_Sprite(SLOT_MULTIPLY, 0.1f, 0.2f, 0.5f, 0.35f, 0, OBJ);
    // A rotated debris effect.
    Add_Fx(SLOT_PLAIN, 0.45f, 0.05f, 0.2f, 0.2f, 1, GFX).angle = 45.0f;

    // A distant enemy, off the screen but on the radar.
    object& far_enemy = Add_Sprite(SLOT_SHEET, -6.0f, 5.0f, 0.2f, 0.25f, 2, UNT);
    far_enemy.linked_sprite = 1;
    far_enemy.score = 10;
    far_enemy.status = 1;

    player_list[0] = 5;               // the mirrored unit (player's side)
    player_list[1] = 2;               // an object: no dot
    player_list[2] = 6;               // the enemy
    player_list[3] = no_sprites - 1;  // the distant enemy
    player_counter = 4;
    points[0] = a_point{0.0f, 0.0f, 0, 0, 0, true, 0.0f, MAP_HQ_PNT, 0, COLOR_RED, 0};
    no_points = 1;
    map_pnt_list[0] = 0;
    map_pnt_counter = 1;

    // HUD: the radar box and a half-transparent panel; the box and its buttons stay hidden.
    Set_Hud(3, SLOT_PANEL, 0.6f, -0.7f, 0.35f, 0.35f, 3);
    Set_Hud(5, SLOT_PANEL, -0.95f, -0.72f, 0.8f, 0.15f, 1).alpha = 0.5f;
    Set_Hud(2, SLOT_PANEL, -0.4f, -0.2f, 0.8f, 0.4f, 0).alpha = 0.0f;
    Set_Hud(40, SLOT_PLAIN, -0.3f, -0.15f, 0.2f, 0.1f, 0).alpha = 0.0f;
    Set_Hud(41, SLOT_PLAIN, 0.1f, -0.15f, 0.2f, 0.1f, 0).alpha = 0.0f;

    // A text slot with a line break and an apostrophe.
    font& f = counter[7];
    f.x = -0.55f, f.y = 0.62f, f.width = 0.03f, f.height = 0.04f, f.id = SLOT_FONT, f.alpha = 1.0f;
    std::strcpy(f.word, "Can&t^Go 42");
}

// Puts up the confirmation box the way the main loop does, at half fade.
inline void Quit_Box_At_Half_Fade() {
    fade = 0.5f;
    quit_active = true;
    hud[2].alpha = 1.0f;
    hud[40].alpha = 1.0f;
    hud[41].alpha = 1.0f;
}

// Draws both passes of one frame.
inline void Draw_Frame() {
    DrawGLScene(false);
    DrawGLScene(false);
}

} // namespace render_fixture
