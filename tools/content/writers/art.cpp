#include "content/writers/art.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace writers {

namespace {

uint8_t C8(float v) { return (uint8_t)std::clamp((int)std::lround(v), 0, 255); }

struct FontFace {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    explicit FontFace(bool bold) {
        if (FT_Init_FreeType(&lib) != 0) {
            lib = nullptr;
            return;
        }
        if (FT_New_Face(lib, DejaVu_Path(bold).c_str(), 0, &face) != 0) face = nullptr;
    }
    ~FontFace() {
        if (face) FT_Done_Face(face);
        if (lib) FT_Done_FreeType(lib);
    }
};

} // namespace

std::string DejaVu_Path(bool bold) {
    return bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

Rgba Mix(Rgba a, Rgba b, float t) {
    return Rgba{C8(a.r + (b.r - a.r) * t), C8(a.g + (b.g - a.g) * t), C8(a.b + (b.b - a.b) * t),
                C8(a.a + (b.a - a.a) * t)};
}

Rgba Shade(Rgba c, float f) { return Rgba{C8(c.r * f), C8(c.g * f), C8(c.b * f), c.a}; }

void Canvas::Put(int x, int y, Rgba c) {
    if (img.inside(x, y)) img.at(x, y) = c;
}

void Canvas::Blend(int x, int y, Rgba c, float a) {
    if (!img.inside(x, y) || a <= 0.0f) return;
    if (a >= 1.0f) {
        img.at(x, y) = c;
        return;
    }
    Rgba& d = img.at(x, y);
    if (d.a == 0) { // over transparency: keep the colour, take the coverage as alpha
        d = Rgba{c.r, c.g, c.b, C8(c.a * a)};
        return;
    }
    d = Mix(d, c, a);
}

void Canvas::Fill(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Put(i, j, c);
}

void Canvas::Frame(int x, int y, int w, int h, int t, Rgba c) {
    Fill(x, y, w, t, c);
    Fill(x, y + h - t, w, t, c);
    Fill(x, y, t, h, c);
    Fill(x + w - t, y, t, h, c);
}

void Canvas::VGradient(int x, int y, int w, int h, Rgba top, Rgba bottom) {
    for (int j = 0; j < h; ++j) Fill(x, y + j, w, 1, Mix(top, bottom, h > 1 ? (float)j / (h - 1) : 0.0f));
}

void Canvas::Disc(float cx, float cy, float r, Rgba c) {
    for (int y = (int)std::floor(cy - r - 1); y <= (int)std::ceil(cy + r + 1); ++y)
        for (int x = (int)std::floor(cx - r - 1); x <= (int)std::ceil(cx + r + 1); ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            Blend(x, y, c, std::clamp(r - d + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::HardDisc(float cx, float cy, float r, Rgba c) {
    for (int y = (int)std::floor(cy - r); y <= (int)std::ceil(cy + r); ++y)
        for (int x = (int)std::floor(cx - r); x <= (int)std::ceil(cx + r); ++x)
            if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) <= r) Put(x, y, c);
}

void Canvas::Ring(float cx, float cy, float r, float t, Rgba c) {
    for (int y = (int)std::floor(cy - r - 1); y <= (int)std::ceil(cy + r + 1); ++y)
        for (int x = (int)std::floor(cx - r - 1); x <= (int)std::ceil(cx + r + 1); ++x) {
            const float d = std::fabs(std::hypot(x + 0.5f - cx, y + 0.5f - cy) - r);
            Blend(x, y, c, std::clamp(t / 2 - d + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float t, Rgba c) {
    const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    const int minx = (int)std::floor(std::min(x0, x1) - t), maxx = (int)std::ceil(std::max(x0, x1) + t);
    const int miny = (int)std::floor(std::min(y0, y1) - t), maxy = (int)std::ceil(std::max(y0, y1) + t);
    for (int y = miny; y <= maxy; ++y)
        for (int x = minx; x <= maxx; ++x) {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            const float s = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
            const float d = std::hypot(px - s * dx, py - s * dy);
            Blend(x, y, c, std::clamp(t / 2 - d + 0.5f, 0.0f, 1.0f));
        }
}

void Canvas::Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c) {
    if (pts.size() < 3) return;
    float miny = pts[0].second, maxy = miny;
    for (auto& p : pts) {
        miny = std::min(miny, p.second);
        maxy = std::max(maxy, p.second);
    }
    for (int y = (int)std::floor(miny); y <= (int)std::ceil(maxy); ++y) {
        const float sy = y + 0.5f;
        std::vector<float> xs;
        for (size_t i = 0; i < pts.size(); ++i) {
            auto a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy))
                xs.push_back(a.first + (sy - a.second) * (b.first - a.first) / (b.second - a.second));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = (int)std::lround(xs[k]); x < (int)std::lround(xs[k + 1]); ++x) Put(x, y, c);
    }
}

void Canvas::RoundRect(int x, int y, int w, int h, float r, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const float px = i + 0.5f, py = j + 0.5f;
            const float qx = std::max({x + r - px, px - (x + w - r), 0.0f});
            const float qy = std::max({y + r - py, py - (y + h - r), 0.0f});
            const float d = std::hypot(qx, qy);
            Blend(i, j, c, std::clamp(r - d + 0.5f, 0.0f, 1.0f));
        }
}

int Canvas::Text(const std::string& s, int x, int baseline, int size, Rgba c, bool bold) {
    FontFace f(bold);
    if (!f.face) return 0;
    FT_Set_Pixel_Sizes(f.face, 0, (FT_UInt)size);
    int pen = x;
    for (unsigned char ch : s) {
        if (FT_Load_Char(f.face, ch, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = f.face->glyph;
        for (unsigned row = 0; row < g->bitmap.rows; ++row)
            for (unsigned col = 0; col < g->bitmap.width; ++col) {
                const uint8_t cov = g->bitmap.buffer[row * g->bitmap.pitch + col];
                Blend(pen + g->bitmap_left + (int)col, baseline - g->bitmap_top + (int)row, c, cov / 255.0f);
            }
        pen += (int)(g->advance.x >> 6);
    }
    return pen - x;
}

int Canvas::TextWidth(const std::string& s, int size, bool bold) {
    FontFace f(bold);
    if (!f.face) return 0;
    FT_Set_Pixel_Sizes(f.face, 0, (FT_UInt)size);
    int w = 0;
    for (unsigned char ch : s)
        if (FT_Load_Char(f.face, ch, FT_LOAD_DEFAULT) == 0) w += (int)(f.face->glyph->advance.x >> 6);
    return w;
}

bool Save_Canvas(const std::string& path, const Canvas& c, bool keyed) {
    Image out(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgba p = c.img.at(x, c.height() - 1 - y);
            if (keyed) p = p.a < 128 ? kKey : Rgba{p.r, p.g, p.b, 255};
            out.at(x, y) = p;
        }
    std::filesystem::path p(path);
    if (p.has_parent_path()) Make_Dirs(p.parent_path().string());
    return Write_TGA(path, out, TgaOptions{true, keyed ? 24 : 32});
}

bool Write_Sheet(const std::string& root, const std::string& name, const SheetLayout& l, bool keyed,
                 const std::function<void(Canvas&, int, int, int, int, int)>& draw,
                 const std::vector<std::vector<int>>& anims, float width, float height, int delay) {
    Canvas c(l.cw * l.cols, l.ch * l.rows, kClear);
    for (int f = 0; f < l.frames(); ++f) draw(c, f, (f % l.cols) * l.cw, (f / l.cols) * l.ch, l.cw, l.ch);
    AnimDef d;
    d.width = width;
    d.height = height;
    d.column = l.rows;
    d.frames = l.frames();
    d.delay.assign(l.frames(), delay);
    d.anims = anims;
    return Save_Canvas(root + "/" + name + ".tga", c, keyed) && Write_Anim_Def(root + "/" + name + ".dat", d);
}

} // namespace writers
