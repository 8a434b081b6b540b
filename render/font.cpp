#include "render/font.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>

#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/window.h"
#include "render/hud_layer.h"
#include "render/sprites.h"

namespace {
struct icon_cell {
    unsigned char byte;
    unsigned char column, row;
};

constexpr icon_cell icon_cells[] = {
    {0x8E, 3, 0},  {0xA1, 1, 1},  {0xA4, 1, 8},  {0xA5, 13, 0}, {0xB6, 0, 8},  {0xBA, 13, 1},
    {0xBF, 2, 1},  {0xC0, 15, 1}, {0xC1, 6, 1},  {0xC7, 15, 2}, {0xC8, 0, 0},  {0xC9, 10, 1},
    {0xCD, 7, 1},  {0xD1, 14, 1}, {0xD3, 12, 1}, {0xD6, 1, 0},  {0xDA, 11, 1}, {0xDD, 4, 0},
    {0xDE, 5, 0},  {0xE0, 14, 3}, {0xE1, 9, 1},  {0xE2, 13, 2}, {0xE7, 11, 2}, {0xE8, 13, 3},
    {0xE9, 11, 3}, {0xED, 4, 1},  {0xEE, 10, 2}, {0xF1, 5, 1},  {0xF3, 8, 1},  {0xF4, 12, 2},
    {0xF9, 0, 1},  {0xFA, 3, 1},  {0xFB, 12, 3},
};

constexpr icon_cell punctuation_cells[] = {
    {'!', 4, 4},  {'$', 2, 0},  {'&', 5, 4},  {'(', 13, 4}, {')', 14, 4}, {'+', 15, 3},
    {',', 15, 4}, {'-', 10, 4}, {'.', 6, 4},  {'/', 14, 2}, {':', 9, 4},  {'>', 10, 3},
    {'?', 11, 4}, {'@', 12, 4}, {'[', 7, 4},  {']', 8, 4},
};

constexpr unsigned char tight_bytes[] = {'/',  '$',  0x8E, 0xBA, 0xBF, 0xC8, 0xC9,
                                         0xCD, 0xD1, 0xD3, 0xD6, 0xDA, 0xDD, 0xDE,
                                         0xE1, 0xE8, 0xE9, 0xEE, 0xF3, 0xF4, 0xF9};
} // namespace

bool Glyph_Is_Tight(unsigned char letter) {
    for (unsigned char b : tight_bytes)
        if (b == letter) return true;
    return false;
}

void GetFont(float& x, float& y, unsigned char letter, float& s_width, int set, bool modeset,
             int mode) {
    s_width = 1.8f;
    if (letter == 'i') s_width = 0.8f;
    else if (letter == 'l') s_width = 1.0f;
    else if (letter == 'r' || letter == 't') s_width = 1.5f;

    x = 15.0f;
    y = 0.0f;
    if (letter >= 'A' && letter <= 'P') {
        x = (float)(letter - 'A');
        y = 7.0f;
    } else if (letter >= 'Q' && letter <= 'Z') {
        x = (float)(letter - 'Q');
        y = 6.0f;
    } else if (letter >= 'a' && letter <= 'f') {
        x = (float)(letter - 'a' + 10);
        y = 6.0f;
    } else if (letter >= 'g' && letter <= 'v') {
        x = (float)(letter - 'g');
        y = 5.0f;
    } else if (letter >= 'w' && letter <= 'z') {
        x = (float)(letter - 'w');
        y = 4.0f;
    } else if (letter >= '0' && letter <= '9') {
        x = (float)(letter - '0');
        y = 3.0f;
        if ((modeset || set == 6) && mode != MODE_FRONT) y = 2.0f;
        if (set == 0 && mode == MODE_WALK) y = 9.0f;
    } else {
        for (const icon_cell& cell : punctuation_cells)
            if (cell.byte == letter) {
                x = cell.column;
                y = cell.row;
                return;
            }
        for (const icon_cell& cell : icon_cells)
            if (cell.byte == letter) {
                x = cell.column;
                y = cell.row;
                return;
            }
    }
}

float Line_Gap(int i) {
    float gap = 0.03f;
    if (game_mode == MODE_FRONT) {
        if (i == 0 || i == 1 || i == 11) gap = 0.05f;
        if (episode == 1 && (scene == 26 || scene == 52) && (i == 0 || i == 1 || i == 2 || i == 11))
            gap = 0.08f;
        if (episode == 0 && scene == 2 && i == 0) gap += 0.02f;
    }
    return gap;
}

int Text_Printf(int i, const char* format, ...) {
    if (i < 0 || i >= TEXT_SLOTS) return 0;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(counter[i].word, sizeof counter[i].word, format, args);
    va_end(args);
    return n;
}

namespace {
// Walks the text of slot i (as copied into display_font) glyph by glyph and hands each
// glyph's quad centre and cell to `emit`.
template <class Emit>
int Walk_Font(int i, Emit&& emit) {
    const float w = display_font.width;
    const float h = display_font.height;
    float px = 0.0f;
    float py = g_type == STS ? h : 0.0f;
    bool modeset = (i == 1 || i == 2 || i == 3 || i == 11) && game_mode != MODE_FRONT;
    int count = 0;
    // The text ends at its NUL or at the end of the slot, whichever comes first.
    for (int k = 0; k < (int)sizeof display_font.word && display_font.word[k] != '\0'; ++k) {
        unsigned char letter = (unsigned char)display_font.word[k];
        if (letter == 0xFF) continue;
        if (letter == '^') {
            px = -2.15f * w;
            py = py - (h + Line_Gap(i));
        } else if (letter == '%') {
            px = 0.0f;
            py = h - 0.16f;
        }
        float column, row, advance;
        GetFont(column, row, letter, advance, i, modeset, game_mode);
        emit(glyph_place{display_font.x + px - w / 2.0f, display_font.y + py, column, row, letter});
        count++;
        px = px + advance * w;
        if (!Glyph_Is_Tight(letter)) px = px + 0.005f;
    }
    return count;
}
} // namespace

namespace {
// Corners of the glyph quads of the slot being drawn: a slot holds at most 1024 glyphs.
struct Glyph_Batch {
    static constexpr int MAX_GLYPHS = (int)sizeof(font::word);
    float xy[MAX_GLYPHS * 4 * 2];
    float uv[MAX_GLYPHS * 4 * 2];
};
Glyph_Batch glyphs;
KEEP_FRESH(glyphs);
} // namespace

int Font_Layout(int i, glyph_place* out, int max) {
    if (i < 0 || i >= TEXT_SLOTS) return 0;
    display_font = counter[i];
    int n = 0;
    return Walk_Font(i, [&](const glyph_place& g) {
        if (n < max) out[n] = g;
        n++;
    });
}

void Draw_Font(int i) {
    if (i < 0 || i >= TEXT_SLOTS) return;
    if (msg_fx && i != 5) return;
    if (quit_active) return;
    if (game_mode != MODE_GAME && game_mode != MODE_WALK && game_mode != MODE_FRONT &&
        game_mode != MODE_WORLD)
        return;

    display_font = counter[i];
    const float w = display_font.width;
    const float h = display_font.height;
    const float c = fade;

    if (i == 5 && hud != nullptr && hud[6].alpha == 1.0f) Draw_Hud(6);

    int texture = display_font.id;
    if (Level == LVL_SHOP) texture = i == 5 ? 2 : 0;
    const float cell = 1.0f / 16.0f;

    // The slot's glyphs share one texture and one colour: they go to GL as one array of
    // quads, in text order. Slot 6 (the timing line) is laid out in fixed screen units.
    int n = 0;
    Walk_Font(i, [&](const glyph_place& g) {
        if (n >= Glyph_Batch::MAX_GLYPHS) return;
        const float u = g.column * cell, v = g.row * cell;
        const float xs[4] = {g.x - w, g.x + w, g.x + w, g.x - w};
        const float ys[4] = {g.y - h, g.y - h, g.y + h, g.y + h};
        const float us[4] = {u, u + cell, u + cell, u};
        const float vs[4] = {v, v, v + cell, v + cell};
        for (int k = 0; k < 4; ++k) {
            const int q = 4 * n + k;
            glyphs.xy[2 * q] = xs[k];
            glyphs.xy[2 * q + 1] = ys[k];
            glyphs.uv[2 * q] = us[k];
            glyphs.uv[2 * q + 1] = vs[k];
        }
        n++;
    });
    if (n == 0) return;
    if (i == 6) Zoom(101.0f);
    if (display_font.alpha != 0.0f) {
        Bind_Slot(texture);
        glColor4f(c, c, c, display_font.alpha);
        glVertexPointer(2, GL_FLOAT, 0, glyphs.xy);
        glTexCoordPointer(2, GL_FLOAT, 0, glyphs.uv);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glDrawArrays(GL_QUADS, 0, 4 * n);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    if (i == 6) Zoom(zoom_factor);
}
