#include "content/writers/font_sheet.h"

#include <cmath>
#include <cstring>

#include "content/writers/art.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace writers {

namespace {

struct IconCell {
    unsigned char byte;
    int col, row;
};

constexpr IconCell kIcons[] = {
    {0x8E, 3, 0},  {0xA1, 1, 1},  {0xA4, 1, 8},  {0xA5, 13, 0}, {0xB6, 0, 8},  {0xBA, 13, 1}, {0xBF, 2, 1},
    {0xC0, 15, 1}, {0xC1, 6, 1},  {0xC7, 15, 2}, {0xC8, 0, 0},  {0xC9, 10, 1}, {0xCD, 7, 1},  {0xD1, 14, 1},
    {0xD3, 12, 1}, {0xD6, 1, 0},  {0xDA, 11, 1}, {0xDD, 4, 0},  {0xDE, 5, 0},  {0xE0, 14, 3}, {0xE1, 9, 1},
    {0xE2, 13, 2}, {0xE7, 11, 2}, {0xE8, 13, 3}, {0xE9, 11, 3}, {0xED, 4, 1},  {0xEE, 10, 2}, {0xF1, 5, 1},
    {0xF3, 8, 1},  {0xF4, 12, 2}, {0xF9, 0, 1},  {0xFA, 3, 1},  {0xFB, 12, 3},
};

struct Punct {
    char ch;
    int col, row;
};

constexpr Punct kPunct[] = {
    {'!', 4, 4},  {'$', 2, 0},  {'&', 5, 4},  {'(', 13, 4}, {')', 14, 4}, {'+', 15, 3}, {',', 15, 4}, {'-', 10, 4},
    {'.', 6, 4},  {'/', 14, 2}, {':', 9, 4},  {'>', 10, 3}, {'?', 11, 4}, {'@', 12, 4}, {'[', 7, 4},  {']', 8, 4},
};

// Renders one character into a cell. The text drawing stretches a cell over a quad twice the
// slot's glyph width across and twice its height up, and steps 1.8 glyph widths per letter,
// so a glyph fills most of its cell's width (0.8 at most) with its capitals about half the
// cell high, centred on the cell's middle line; the narrow letters the drawing steps less for
// (i, l, r, t) keep their narrow shape.
void Glyph(Canvas& c, FT_Face face, char ch, int x0, int y0, int cell, Rgba colour, bool outline) {
    const FT_UInt ph = (FT_UInt)(cell * 0.74f);
    // The drawing steps `advance` glyph widths (half a cell each) past a letter; a narrow
    // letter sits that much off the cell's middle so the gaps before and after it match.
    const float advance = ch == 'i' ? 0.8f : ch == 'l' ? 1.0f : (ch == 'r' || ch == 't') ? 1.5f : 1.8f;
    const float max_w = ch == 'i' ? cell * 0.3f : ch == 'l' ? cell * 0.4f : advance < 1.8f ? cell * 0.65f : cell * 0.8f;
    const int shift = (int)((advance - 1.8f) * cell / 4);
    FT_UInt pw = ph * 2;
    for (int pass = 0; pass < 3; ++pass) {
        FT_Set_Pixel_Sizes(face, pw, ph);
        if (FT_Load_Char(face, (unsigned char)ch, FT_LOAD_RENDER) != 0) return;
        const float w = (float)face->glyph->bitmap.width;
        if (w <= max_w || w == 0) break;
        pw = (FT_UInt)(pw * max_w / w);
        if (pw < ph / 2) pw = ph / 2;
    }
    const FT_GlyphSlot g = face->glyph;
    const int left = x0 + (cell - (int)g->bitmap.width) / 2 + shift;
    const int top = y0 + (int)(cell * 0.78f) - g->bitmap_top;
    auto draw = [&](int dx, int dy, Rgba col) {
        for (unsigned row = 0; row < g->bitmap.rows; ++row)
            for (unsigned k = 0; k < g->bitmap.width; ++k) {
                const int px = left + (int)k + dx, py = top + (int)row + dy;
                if (px < x0 || py < y0 || px >= x0 + cell || py >= y0 + cell) continue;
                c.Blend(px, py, col, g->bitmap.buffer[row * g->bitmap.pitch + k] / 255.0f);
            }
    };
    if (outline)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx || dy) draw(dx, dy, Rgba{20, 20, 20, 255});
    draw(0, 0, colour);
}

// One icon glyph, by its order in the icon table: a small set of symbols in turn.
void Icon(Canvas& c, int index, int x0, int y0, int cell) {
    const float cx = x0 + cell / 2.0f, cy = y0 + cell * 0.5f, r = cell * 0.26f;
    const Rgba gold{235, 190, 40, 255}, red{210, 40, 40, 255}, green{60, 170, 60, 255}, blue{60, 110, 220, 255},
        white{240, 240, 240, 255}, grey{150, 150, 150, 255};
    switch (index % 8) {
    case 0: // coin
        c.Disc(cx, cy, r, gold);
        c.Ring(cx, cy, r * 0.7f, 1.5f, Shade(gold, 0.7f));
        break;
    case 1: { // heart
        c.Disc(cx - r * 0.45f, cy - r * 0.25f, r * 0.55f, red);
        c.Disc(cx + r * 0.45f, cy - r * 0.25f, r * 0.55f, red);
        c.Polygon({{cx - r, cy - r * 0.1f}, {cx + r, cy - r * 0.1f}, {cx, cy + r}}, red);
        break;
    }
    case 2: { // star
        std::vector<std::pair<float, float>> pts;
        for (int k = 0; k < 10; ++k) {
            const float a = -1.5708f + k * 0.6283f, rr = k % 2 ? r * 0.45f : r;
            pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
        }
        c.Polygon(pts, gold);
        break;
    }
    case 3: // cross (health)
        c.Fill((int)(cx - r * 0.3f), (int)(cy - r), (int)(r * 0.6f), (int)(2 * r), green);
        c.Fill((int)(cx - r), (int)(cy - r * 0.3f), (int)(2 * r), (int)(r * 0.6f), green);
        break;
    case 4: // diamond
        c.Polygon({{cx, cy - r}, {cx + r * 0.8f, cy}, {cx, cy + r}, {cx - r * 0.8f, cy}}, blue);
        break;
    case 5: // key
        c.Ring(cx - r * 0.5f, cy, r * 0.4f, 2.0f, gold);
        c.Line(cx - r * 0.1f, cy, cx + r, cy, 2.0f, gold);
        c.Line(cx + r * 0.7f, cy, cx + r * 0.7f, cy + r * 0.4f, 2.0f, gold);
        break;
    case 6: // bullet
        c.RoundRect((int)(cx - r * 0.3f), (int)(cy - r), (int)(r * 0.6f), (int)(r * 2), r * 0.3f, gold);
        c.Fill((int)(cx - r * 0.3f), (int)(cy + r * 0.3f), (int)(r * 0.6f), (int)(r * 0.7f), grey);
        break;
    default: // arrow
        c.Polygon({{cx - r, cy - r * 0.25f}, {cx + r * 0.2f, cy - r * 0.25f}, {cx + r * 0.2f, cy - r * 0.7f},
                   {cx + r, cy}, {cx + r * 0.2f, cy + r * 0.7f}, {cx + r * 0.2f, cy + r * 0.25f},
                   {cx - r, cy + r * 0.25f}},
                  white);
        break;
    }
}

} // namespace

bool Font_Cell(unsigned char b, int& col, int& row, int digit_row) {
    if (b >= 'A' && b <= 'P') { col = b - 'A'; row = 7; return true; }
    if (b >= 'Q' && b <= 'Z') { col = b - 'Q'; row = 6; return true; }
    if (b >= 'a' && b <= 'f') { col = 10 + b - 'a'; row = 6; return true; }
    if (b >= 'g' && b <= 'v') { col = b - 'g'; row = 5; return true; }
    if (b >= 'w' && b <= 'z') { col = b - 'w'; row = 4; return true; }
    if (b >= '0' && b <= '9') { col = b - '0'; row = digit_row; return true; }
    for (const Punct& p : kPunct)
        if ((unsigned char)p.ch == b) { col = p.col; row = p.row; return true; }
    for (const IconCell& i : kIcons)
        if (i.byte == b) { col = i.col; row = i.row; return true; }
    return false;
}

bool Write_Font_Sheet(const std::string& root, const std::string& name, int cell) {
    Canvas c(16 * cell, 16 * cell, kClear);
    FT_Library lib = nullptr;
    FT_Face regular = nullptr, bold = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return false;
    bool ok = FT_New_Face(lib, DejaVu_Path(false).c_str(), 0, &regular) == 0 &&
              FT_New_Face(lib, DejaVu_Path(true).c_str(), 0, &bold) == 0;
    if (ok) {
        // Cell (col, row) covers v from row/16: row 0 is the bottom band of the picture.
        auto at = [&](int col, int row, int& x, int& y) {
            x = col * cell;
            y = (15 - row) * cell;
        };
        const Rgba white{250, 250, 250, 255}, gold{250, 210, 90, 255};
        for (int b = 33; b < 127; ++b) {
            int col, row, x, y;
            if (b >= '0' && b <= '9') continue;
            if (!Font_Cell((unsigned char)b, col, row)) continue;
            at(col, row, x, y);
            Glyph(c, bold, (char)b, x, y, cell, white, true);
        }
        for (char d = '0'; d <= '9'; ++d) {
            int x, y;
            at(d - '0', 3, x, y);
            Glyph(c, bold, d, x, y, cell, white, true);
            at(d - '0', 2, x, y);
            Glyph(c, bold, d, x, y, cell, gold, true);
            at(d - '0', 9, x, y);
            Glyph(c, bold, d, x, y, cell, white, true);
        }
        int index = 0;
        for (const IconCell& i : kIcons) {
            int x, y;
            at(i.col, i.row, x, y);
            Icon(c, index++, x, y, cell);
        }
        // The apostrophe glyph for '&' (the game writes '&' for an apostrophe).
        int x, y;
        at(5, 4, x, y);
        c.Fill(x, y, cell, cell, kClear);
        Glyph(c, regular, '\'', x, y, cell, white, false);
    }
    if (bold) FT_Done_Face(bold);
    if (regular) FT_Done_Face(regular);
    FT_Done_FreeType(lib);
    return ok && Save_Canvas(root + "/" + name + ".tga", c, false);
}

} // namespace writers
