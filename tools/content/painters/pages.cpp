#include "content/painters/pages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include <fontconfig/fontconfig.h>

#include "content/painters/camp_art.h"
#include "content/painters/paint.h"
#include "content/painters/page_art.h"
#include "content/painters/people.h"
#include "content/painters/picture_facts.h"
#include "content/painters/registry.h"
#include "content/writers/art.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::SheetLayout;

const Rgba kInk{22, 24, 20, 255}, kPaper{230, 218, 186, 255}, kGold{226, 182, 64, 255}, kOlive{92, 108, 58, 255},
    kOliveDark{46, 56, 30, 255}, kRed{168, 42, 34, 255}, kSteel{78, 92, 108, 255}, kSand{206, 186, 140, 255},
    kSkin{222, 180, 140, 255}, kWhite{244, 242, 232, 255};

// A small fixed-seed generator: the same pictures on every run.
struct Rng : Seeded_Rng {
    explicit Rng(uint32_t seed) : Seeded_Rng(seed, 12345u) {}
};


// The game's text codes in a label: '^' a new line, '_' a blank.
std::vector<std::string> Label_Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '^') lines.emplace_back();
        else lines.back() += (c == '_') ? ' ' : c;
    }
    return lines;
}

// Label lines centred in a box, the size shrunk until the widest line fits. Gives the box
// the ink of the lines covers, in pixels (empty when every line is blank).
Frac_Rect Label(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double size,
                Rgba colour, bool bold = true, bool shadow = true) {
    const std::vector<std::string> lines = Label_Lines(text);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    for (;; size -= 1.0) {
        cairo_set_font_size(cr, size);
        double widest = 0;
        for (const std::string& l : lines) {
            cairo_text_extents_t e;
            cairo_text_extents(cr, l.c_str(), &e);
            widest = std::max(widest, e.x_advance);
        }
        if ((widest <= w * 0.9 && size * 1.2 * lines.size() <= h * 0.92) || size <= 8) break;
    }
    const double step = size * 1.2, top = y + (h - step * lines.size()) / 2 + size * 0.95;
    Frac_Rect ink{1e9, 1e9, -1e9, -1e9};
    for (size_t k = 0; k < lines.size(); ++k) {
        if (shadow) {
            Set_Rgb(cr, kInk, 0.8);
            Text_Centred(cr, lines[k], x + w / 2 + 2, top + k * step + 2, size, bold);
        }
        Set_Rgb(cr, colour);
        Text_Centred(cr, lines[k], x + w / 2, top + k * step, size, bold);
        cairo_text_extents_t e;
        cairo_text_extents(cr, lines[k].c_str(), &e);
        if (e.width <= 0 || e.height <= 0) continue;
        const double left = x + w / 2 - e.x_advance / 2 + e.x_bearing, base = top + k * step;
        ink.x0 = std::min(ink.x0, left);
        ink.x1 = std::max(ink.x1, left + e.width + (shadow ? 2 : 0));
        ink.y0 = std::min(ink.y0, base + e.y_bearing);
        ink.y1 = std::max(ink.y1, base + e.y_bearing + e.height + (shadow ? 2 : 0));
    }
    if (ink.x0 > ink.x1) return Frac_Rect{0, 0, 0, 0};
    return ink;
}

// A pixel box as fractions of a w x h picture.
Frac_Rect Fractions(const Frac_Rect& px, double w, double h) {
    return Frac_Rect{px.x0 / w, px.y0 / h, px.x1 / w, px.y1 / h};
}

// Notes the words painted at pixel box `px` of a w x h picture, and the board, if any.
void Note_Words(const std::string& image, const std::string& text, const Frac_Rect& px, double w, double h,
                const Frac_Rect* board_px = nullptr) {
    Picture_Facts f;
    if (px.x1 > px.x0) f.words.push_back({Fractions(px, w, h), text});
    if (board_px) {
        f.has_board = true;
        f.board = Fractions(*board_px, w, h);
    }
    Note_Picture(image, f);
}

Rgba Colour_Named(const std::string& n) {
    if (n == "red") return kRed;
    if (n == "steel") return kSteel;
    if (n == "gold") return kGold;
    if (n == "sand") return kSand;
    if (n == "paper") return kPaper;
    return kOlive;
}

void Vertical_Gradient(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom) {
    // From y0 down: later bands paint over earlier.
    Gradient_Rect(cr, 0, y0, 1 << 14, 1 << 14, y0, y1, top, bottom);
}

// A ridge of hills across the picture at height `base` (pixels from the top).
void Hills(cairo_t* cr, Rng& rng, double w, double h, double base, double amp, Rgba colour) {
    const double p1 = rng.Next() * 6.28, p2 = rng.Next() * 6.28, f1 = 2 + rng.Next() * 3, f2 = 7 + rng.Next() * 5;
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= (int)w; x += 4)
        cairo_line_to(cr, x, base - amp * (0.6 * std::sin(p1 + f1 * x / w) + 0.4 * std::sin(p2 + f2 * x / w)));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    Set_Rgb(cr, colour);
    cairo_fill(cr);
}

void Stars(cairo_t* cr, Rng& rng, double w, double h, int n) {
    for (int k = 0; k < n; ++k) {
        Set_Rgb(cr, kWhite, 0.4 + 0.6 * rng.Next());
        cairo_arc(cr, rng.Next() * w, rng.Next() * h, 0.6 + rng.Next() * 1.2, 0, 6.2832);
        cairo_fill(cr);
    }
}

void Tent(cairo_t* cr, double cx, double base, double s, Rgba c) {
    Tent_Side(cr, cx, base, s, c, {0, 0.9, 0.18, 0.45f});
}

void Wire(cairo_t* cr, double w, double y) {
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    for (double x = 10; x < w; x += 60) {
        cairo_move_to(cr, x, y + 24);
        cairo_line_to(cr, x + 2, y - 10);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 0, y + k * 8);
        for (double x = 0; x <= w; x += 15) cairo_line_to(cr, x, y + k * 8 + ((int)(x / 15) % 2 ? 3 : -3));
        cairo_stroke(cr);
    }
}

// Night over a picture: a dark blue veil and a few stars.
void Night(cairo_t* cr, Rng& rng, double w, double h) {
    cairo_set_source_rgba(cr, 0.02, 0.04, 0.14, 0.62);
    cairo_paint(cr);
    Stars(cr, rng, w, h * 0.4, 50);
}

// The main menu's backdrop in one picture two views tall (512 x 640 for 2.4 x 3 units): the
// night sky the view glides down through, then the dusk over the hills and the wire. One
// picture, so that no join between two shows as a line across the view.
bool Menu_Backdrop(const std::string& root, const std::string& image) {
    const double W = 512, H = 640, half = 320;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Vertical_Gradient(cr, 0, half, Rgba{6, 8, 22, 255}, Rgba{38, 44, 72, 255});
    Stars(cr, rng, W, half, 140);
    Vertical_Gradient(cr, half, half + 320 * 0.7, Rgba{38, 44, 72, 255}, Rgba{196, 120, 72, 255});
    cairo_save(cr);
    cairo_translate(cr, 0, half);
    Stars(cr, rng, W, 320 * 0.3, 40);
    Hills(cr, rng, W, 320, 320 * 0.62, 22, Rgba{62, 58, 52, 255});
    Hills(cr, rng, W, 320, 320 * 0.74, 16, Rgba{34, 40, 26, 255});
    Wire(cr, W, 320 * 0.86);
    cairo_restore(cr);
    Note_Words(image, "", Frac_Rect{0, 0, 0, 0}, W, H);
    return Save_Picture(p, root, image, false);
}

void Soldier(cairo_t* cr, int f, double x, double y, double w, double h, Rgba uniform) {
    const double cx = x + w / 2, step = (f % 4 == 1) ? 3 : (f % 4 == 3) ? -3 : 0;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Set_Rgb(cr, writers::Shade(uniform, 0.6f));
    cairo_set_line_width(cr, w * 0.1);
    cairo_move_to(cr, cx - w * 0.08, y + h * 0.62);
    cairo_line_to(cr, cx - w * 0.08 + step, y + h * 0.94);
    cairo_move_to(cr, cx + w * 0.08, y + h * 0.62);
    cairo_line_to(cr, cx + w * 0.08 - step, y + h * 0.94);
    cairo_stroke(cr);
    Rounded_Rect(cr, cx - w * 0.18, y + h * 0.3, w * 0.36, h * 0.36, w * 0.06);
    Set_Rgb(cr, uniform);
    cairo_fill(cr);
    Set_Rgb(cr, kSkin);
    cairo_arc(cr, cx, y + h * 0.21, w * 0.13, 0, 6.2832);
    cairo_fill(cr);
    Set_Rgb(cr, writers::Shade(uniform, 0.75f));
    cairo_arc(cr, cx, y + h * 0.17, w * 0.15, 3.1416, 6.2832);
    cairo_fill(cr);
    const double arm = (f % 4) * 0.06;
    Set_Rgb(cr, uniform);
    cairo_set_line_width(cr, w * 0.07);
    cairo_move_to(cr, cx + w * 0.16, y + h * 0.36);
    cairo_line_to(cr, cx + w * 0.36, y + h * (0.5 - arm));
    cairo_stroke(cr);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, w * 0.05);
    cairo_move_to(cr, cx + w * 0.1, y + h * 0.46);
    cairo_line_to(cr, cx + w * 0.46, y + h * 0.42);
    cairo_stroke(cr);
}

// ---- The backdrops' themes, one picture each (themes that share their drawing pass the name on);
// each returns the face of its board in pixels, where it has one ----

// Dusk over the hills, wire in the foreground.
Frac_Rect Dusk(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H * 0.7, Rgba{38, 44, 72, 255}, Rgba{196, 120, 72, 255});
    Stars(cr, rng, W, H * 0.3, 40);
    Hills(cr, rng, W, H, H * 0.62, 22, Rgba{62, 58, 52, 255});
    Hills(cr, rng, W, H, H * 0.74, 16, Rgba{34, 40, 26, 255});
    Wire(cr, W, H * 0.86);
    return Frac_Rect{0, 0, 0, 0};
}

// Open night sky, darkening upward, to stand above a dusk picture.
Frac_Rect Night_Sky(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{6, 8, 22, 255}, Rgba{38, 44, 72, 255});
    Stars(cr, rng, W, H, 140);
    return Frac_Rect{0, 0, 0, 0};
}

// Night over the hills under the moon; the camp's tents below them for camp_night.
Frac_Rect Night_Hills(cairo_t* cr, Rng& rng, double W, double H, const std::string& theme, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{8, 12, 30, 255}, Rgba{30, 40, 60, 255});
    Stars(cr, rng, W, H * 0.6, 120);
    Set_Rgb(cr, Rgba{236, 232, 200, 255});
    cairo_arc(cr, W * 0.8, H * 0.16, 18, 0, 6.2832);
    cairo_fill(cr);
    Hills(cr, rng, W, H, H * 0.7, 14, Rgba{16, 22, 18, 255});
    if (theme == "camp_night")
        for (int k = 0; k < 4; ++k) Tent(cr, 70 + k * 120, H * 0.82, 44, Rgba{40, 48, 34, 255});
    return Frac_Rect{0, 0, 0, 0};
}

// The camp by day: the tents in the meadow.
Frac_Rect Camp_Day(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H * 0.6, Rgba{120, 160, 200, 255}, Rgba{220, 214, 180, 255});
    Hills(cr, rng, W, H, H * 0.58, 12, Rgba{110, 130, 80, 255});
    Vertical_Gradient(cr, H * 0.6, H, Rgba{120, 140, 70, 255}, Rgba{70, 90, 40, 255});
    Hills(cr, rng, W, H, H * 0.62, 4, Rgba{96, 118, 58, 255});
    for (int k = 0; k < 4; ++k) Tent(cr, 70 + k * 120, H * 0.8, 48, Rgba{150, 140, 96, 255});
    return Frac_Rect{0, 0, 0, 0};
}

// The sea under a pale sky; the coast's dunes in front for coast.
Frac_Rect Sea(cairo_t* cr, Rng& rng, double W, double H, const std::string& theme, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H * 0.5, Rgba{150, 180, 210, 255}, Rgba{230, 222, 200, 255});
    cairo_rectangle(cr, 0, H * 0.5, W, H * 0.5);
    Set_Rgb(cr, Rgba{52, 88, 120, 255});
    cairo_fill(cr);
    for (int k = 0; k < 60; ++k) {
        Set_Rgb(cr, kWhite, 0.3);
        const double y = H * 0.52 + rng.Next() * H * 0.45;
        cairo_rectangle(cr, rng.Next() * W, y, 8 + rng.Next() * 20, 1.5);
        cairo_fill(cr);
    }
    if (theme == "coast") Hills(cr, rng, W, H, H * 0.82, 10, Rgba{214, 196, 150, 255});
    return Frac_Rect{0, 0, 0, 0};
}

// A field of stubble under a summer sky.
Frac_Rect Field(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H * 0.5, Rgba{170, 190, 210, 255}, Rgba{236, 226, 196, 255});
    Hills(cr, rng, W, H, H * 0.5, 10, Rgba{150, 150, 96, 255});
    Vertical_Gradient(cr, H * 0.55, H, Rgba{170, 150, 80, 255}, Rgba{110, 96, 50, 255});
    Hills(cr, rng, W, H, H * 0.56, 3, Rgba{164, 146, 78, 255});
    Wire(cr, W, H * 0.8);
    return Frac_Rect{0, 0, 0, 0};
}

// A dark ridge with crosses on it; red for death.
Frac_Rect Dark_Ridge(cairo_t* cr, Rng& rng, double W, double H, const std::string& theme, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, theme == "death" ? Rgba{60, 10, 8, 255} : Rgba{20, 22, 24, 255},
                      Rgba{6, 6, 6, 255});
    Hills(cr, rng, W, H, H * 0.8, 10, Rgba{12, 12, 10, 255});
    for (int k = 0; k < 5; ++k) { // crosses on the ridge
        const double x = 60 + k * 95 + rng.Next() * 20, y = H * 0.78 - rng.Next() * 8;
        Set_Rgb(cr, Rgba{40, 34, 30, 255});
        cairo_rectangle(cr, x - 2, y - 30, 4, 34);
        cairo_rectangle(cr, x - 10, y - 24, 20, 4);
        cairo_fill(cr);
    }
    return Frac_Rect{0, 0, 0, 0};
}

// A sheet of paper on a desk; a map's lines for map.
Frac_Rect Paper(cairo_t* cr, Rng& rng, double W, double H, const std::string& theme, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{90, 70, 48, 255}, Rgba{50, 38, 26, 255});
    const Frac_Rect board = {36, 20, W - 36, H - 20};
    Rounded_Rect(cr, 36, 20, W - 72, H - 40, 6);
    Set_Rgb(cr, theme == "map" ? Rgba{214, 206, 170, 255} : kPaper);
    cairo_fill(cr);
    Set_Rgb(cr, Rgba{150, 130, 96, 255});
    cairo_set_line_width(cr, 1);
    for (int k = 0; k < (theme == "map" ? 14 : 0); ++k) {
        cairo_move_to(cr, 40 + rng.Next() * (W - 80), 24 + rng.Next() * (H - 48));
        cairo_curve_to(cr, 40 + rng.Next() * (W - 80), 24 + rng.Next() * (H - 48), 40 + rng.Next() * (W - 80),
                       24 + rng.Next() * (H - 48), 40 + rng.Next() * (W - 80), 24 + rng.Next() * (H - 48));
        cairo_stroke(cr);
    }
    return board;
}

// The inside of a tent.
Frac_Rect Tent_Inside(cairo_t* cr, Rng&, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{120, 100, 64, 255}, Rgba{60, 48, 30, 255});
    Set_Rgb(cr, Rgba{80, 64, 40, 255});
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, W / 2, 0);
    cairo_line_to(cr, 0, H * 0.6);
    cairo_move_to(cr, W / 2, 0);
    cairo_line_to(cr, W, H * 0.6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, H * 0.78, W, H * 0.22);
    Set_Rgb(cr, Rgba{70, 58, 40, 255});
    cairo_fill(cr);
    return Frac_Rect{0, 0, 0, 0};
}

// A slate in a wooden frame, for pages of written text.
Frac_Rect Slate(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{110, 76, 44, 255}, Rgba{70, 46, 26, 255});
    const Frac_Rect board = {30, 16, W - 30, H - 16};
    Rounded_Rect(cr, 30, 16, W - 60, H - 32, 6);
    Set_Rgb(cr, Rgba{34, 52, 40, 255});
    cairo_fill_preserve(cr);
    Set_Rgb(cr, kInk, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int k = 0; k < 40; ++k) { // chalk dust
        Set_Rgb(cr, kWhite, 0.03 + 0.03 * rng.Next());
        const double dx = 40 + rng.Next() * (W - 80), dy = 24 + rng.Next() * (H - 48), len = 10 + rng.Next() * 30;
        cairo_set_line_width(cr, 2 + rng.Next() * 4);
        cairo_move_to(cr, dx, dy);
        cairo_line_to(cr, dx + len, dy + len * 0.2 * (rng.Next() - 0.5));
        cairo_stroke(cr);
    }
    return board;
}

// The camp at night, its tents burning.
Frac_Rect Camp_Burning(cairo_t* cr, Rng& rng, double W, double H, const std::string&, const Arg_Reader&) {
    Vertical_Gradient(cr, 0, H, Rgba{20, 8, 10, 255}, Rgba{120, 40, 16, 255});
    Hills(cr, rng, W, H, H * 0.7, 14, Rgba{24, 18, 14, 255});
    for (int k = 0; k < 4; ++k) {
        const double cx = 70 + k * 120, base = H * 0.84;
        Tent(cr, cx, base, 46, Rgba{50, 40, 30, 255});
        for (int f = 0; f < 3; ++f) { // flames, then the smoke over them
            const double fx = cx - 20 + f * 20, fh = 30 + rng.Next() * 30;
            cairo_move_to(cr, fx - 14, base - 8);
            cairo_curve_to(cr, fx - 12, base - fh * 0.6, fx - 2, base - fh * 0.7, fx, base - fh);
            cairo_curve_to(cr, fx + 4, base - fh * 0.6, fx + 14, base - fh * 0.5, fx + 14, base - 8);
            cairo_close_path(cr);
            Fill_Shaded(cr, cairo_pattern_create_linear(0, base - fh, 0, base), Rgba{255, 150, 40, 255}, 1.3f,
                        0.8f, false);
        }
        Set_Rgb(cr, Rgba{60, 56, 56, 255}, 0.45);
        for (int p = 0; p < 4; ++p) {
            cairo_arc(cr, cx + p * 14 - 10, H * 0.5 - p * 26 - rng.Next() * 10, 16 + p * 6, 0, 6.2832);
            cairo_fill(cr);
        }
    }
    Wire(cr, W, H * 0.92);
    return Frac_Rect{0, 0, 0, 0};
}

// Cloth lining, `colour=` red, steel or olive.
Frac_Rect Velvet(cairo_t* cr, Rng&, double W, double H, const std::string&, const Arg_Reader& r) {
    const Rgba c = r.Str("colour", "red") == "steel" ? Rgba{40, 56, 90, 255}
                   : r.Str("colour", "red") == "olive" ? Rgba{40, 70, 40, 255}
                                                      : Rgba{110, 24, 30, 255};
    Vertical_Gradient(cr, 0, H, Rgba{110, 76, 44, 255}, Rgba{60, 40, 22, 255});
    const Frac_Rect board = {24, 14, W - 24, H - 14};
    cairo_rectangle(cr, 24, 14, W - 48, H - 28);
    Fill_Shaded(cr, cairo_pattern_create_radial(W / 2, H / 2, 10, W / 2, H / 2, W * 0.6), c, 1.3f, 0.6f, false);
    for (int k = 0; k < 30; ++k) { // the nap of the cloth
        Set_Rgb(cr, kInk, 0.08);
        cairo_set_line_width(cr, 1);
        const double y = 20 + k * (H - 40) / 30;
        cairo_move_to(cr, 26, y);
        cairo_line_to(cr, W - 26, y + 3);
        cairo_stroke(cr);
    }
    return board;
}

struct Named_Theme {
    const char* name;
    Frac_Rect (*draw)(cairo_t*, Rng&, double, double, const std::string&, const Arg_Reader&);
};
const Named_Theme kThemes[] = {
    {"dusk", Dusk},
    {"sky", Night_Sky},
    {"night", Night_Hills},
    {"camp_night", Night_Hills},
    {"camp", Camp_Day},
    {"sea", Sea},
    {"coast", Sea},
    {"field", Field},
    {"dark", Dark_Ridge},
    {"death", Dark_Ridge},
    {"paper", Paper},
    {"map", Paper},
    {"tent", Tent_Inside},
    {"board", Slate},
    {"camp_fire", Camp_Burning},
    {"velvet", Velvet},
};

} // namespace

// ---- The page painters (the registry names them) ----

// A whole-view backdrop: 512 x 320 (the 2.4 x 1.5 units of the widest view), plain.
bool Backdrop(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string theme = r.Str("theme", "dusk");
    if (theme == "menu") return Menu_Backdrop(root, image);
    const std::string title = r.Str("title", "");
    const double W = 512, H = 320;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    const Named_Theme* drawn = nullptr;
    for (const Named_Theme& t : kThemes)
        if (theme == t.name) drawn = &t;
    if (drawn == nullptr) {
        r.error = "unknown backdrop theme '" + theme + "'";
        return false;
    }
    const Frac_Rect board = drawn->draw(cr, rng, W, H, theme, r); // its face in pixels, where it has one
    if (r.Str("night", "0") == "1") Night(cr, rng, W, H);
    const Frac_Rect words = title.empty() ? Frac_Rect{0, 0, 0, 0} : Label(cr, title, 0, 14, W, 60, 36, kGold);
    Note_Words(image, title, words, W, H, board.x1 > board.x0 ? &board : nullptr);
    return Save_Picture(p, root, image, false);
}

// A button sheet: rest, lit (the hover look), selected and pressed, one animation each.
bool Button(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string text = r.Str("text", "");
    const int w = r.Int("w", 256, 32, 512), h = r.Int("h", 64, 16, 256);
    const Rgba base = Colour_Named(r.Str("colour", "olive"));
    Picture_Facts facts;
    facts.button = true;
    Note_Picture(image, facts);
    return Write_Sheet(root, image, SheetLayout{w, h, 1, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double cw, double ch) {
                           const Rgba plate = f == 1 ? writers::Shade(base, 1.35f)
                                              : f == 2 ? writers::Mix(base, kGold, 0.5f)
                                              : f == 3 ? writers::Shade(base, 0.7f)
                                                       : base;
                           Rounded_Rect(cr, x + 3, y + 3, cw - 6, ch - 6, ch * 0.2);
                           Set_Rgb(cr, kInk);
                           cairo_fill(cr);
                           Rounded_Rect(cr, x + 6, y + 6, cw - 12, ch - 12, ch * 0.16);
                           Set_Rgb(cr, plate);
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, f == 1 || f == 2 ? kGold : writers::Shade(base, 1.5f));
                           cairo_set_line_width(cr, f == 1 ? 4 : 2);
                           cairo_stroke(cr);
                           Label(cr, text, x + 8, y + 6, cw - 16, ch - 12, ch * 0.42, f == 1 ? kWhite : kPaper);
                       },
                       {{0}, {1}, {2}, {3}}, 0.4f, 0.1f);
}

// A static keyed picture with text: a paper plate, a dark plate or bare text.
bool Plate(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string text = r.Str("text", ""), look = r.Str("look", "paper");
    const int w = r.Int("w", 512, 16, 1024), h = r.Int("h", 128, 16, 1024), size = r.Int("size", 28, 8, 120);
    Paint p(w, h);
    cairo_t* cr = p.cr();
    Rgba ink = kPaper;
    if (look == "paper" || look == "dark") {
        Rounded_Rect(cr, 2, 2, w - 4, h - 4, 12);
        Set_Rgb(cr, kInk);
        cairo_fill(cr);
        Rounded_Rect(cr, 6, 6, w - 12, h - 12, 10);
        Set_Rgb(cr, look == "paper" ? kPaper : Rgba{40, 44, 36, 255});
        cairo_fill_preserve(cr);
        Set_Rgb(cr, kGold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        ink = look == "paper" ? kInk : kPaper;
    } else if (look != "bare") {
        r.error = "unknown plate look '" + look + "'";
        return false;
    }
    const Frac_Rect words = Label(cr, text, 10, 8, w - 20, h - 16, size,
                                  look == "bare" ? Colour_Named(r.Str("colour", "paper")) : ink, true, look != "paper");
    Note_Words(image, text, words, w, h);
    return Save_Picture(p, root, image, true);
}

// A figure sheet: 8 cells; animation k steps through two cells (k, k + 4) so every
// animation number the pages ask for exists.
bool Figure(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int anims = r.Int("anims", 5, 1, 32), size = r.Int("size", 64, 16, 256);
    const Rgba uniform = Colour_Named(r.Str("colour", "olive"));
    std::vector<std::vector<int>> a;
    for (int k = 0; k < anims; ++k) a.push_back({k % 4, k % 4 + 4});
    return Write_Sheet(root, image, SheetLayout{size, size, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Soldier(cr, f, x, y, w, h, uniform);
                       },
                       a, 0.25f, 0.25f, 220);
}

// A vehicle seen from the side, two cells of rolling wheels.
bool Vehicle(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const Rgba body = Colour_Named(r.Str("colour", "olive"));
    const int anims = r.Int("anims", 2, 1, 16);
    std::vector<std::vector<int>> a(anims, std::vector<int>{0, 1});
    return Write_Sheet(root, image, SheetLayout{256, 128, 1, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Rounded_Rect(cr, x + w * 0.08, y + h * 0.45, w * 0.84, h * 0.3, 10);
                           Set_Rgb(cr, body);
                           cairo_fill(cr);
                           Rounded_Rect(cr, x + w * 0.3, y + h * 0.22, w * 0.36, h * 0.26, 8);
                           Set_Rgb(cr, writers::Shade(body, 0.8f));
                           cairo_fill(cr);
                           cairo_set_line_width(cr, 8);
                           cairo_move_to(cr, x + w * 0.62, y + h * 0.32);
                           cairo_line_to(cr, x + w * 0.95, y + h * 0.28);
                           cairo_stroke(cr);
                           for (int k = 0; k < 5; ++k) {
                               const double cx = x + w * (0.16 + k * 0.17), cy = y + h * 0.8;
                               Set_Rgb(cr, kInk);
                               cairo_arc(cr, cx, cy, h * 0.1, 0, 6.2832);
                               cairo_fill(cr);
                               Set_Rgb(cr, kSand);
                               cairo_arc(cr, cx + (f ? 3 : -3), cy, h * 0.03, 0, 6.2832);
                               cairo_fill(cr);
                           }
                       },
                       a, 0.6f, 0.3f, 120);
}

// A lamp (or any two-state light): off and on, then `anims` flickers.
bool Lamp(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int anims = r.Int("anims", 2, 2, 16);
    std::vector<std::vector<int>> a = {{0}, {1}};
    for (int k = 2; k < anims; ++k) a.push_back({1, k % 4 + 2, 1});
    return Write_Sheet(root, image, SheetLayout{64, 64, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double glow = f == 0 ? 0 : 0.5 + 0.1 * (f % 4);
                           if (glow > 0) {
                               cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 2, x + w / 2,
                                                                                y + h / 2, w / 2);
                               cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, glow);
                               cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
                               cairo_set_source(cr, g);
                               cairo_paint(cr);
                               cairo_pattern_destroy(g);
                           }
                           Set_Rgb(cr, f ? Rgba{255, 230, 140, 255} : Rgba{90, 90, 80, 255});
                           cairo_arc(cr, x + w / 2, y + h / 2, w * 0.16, 0, 6.2832);
                           cairo_fill(cr);
                           Set_Rgb(cr, kInk);
                           cairo_rectangle(cr, x + w * 0.44, y, w * 0.12, h * 0.34);
                           cairo_fill(cr);
                       },
                       a, 0.1f, 0.1f, 120);
}

// A wall switch: up and down.
bool Switch(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{32, 64, 2, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Rounded_Rect(cr, x + 4, y + 4, w - 8, h - 8, 4);
                           Set_Rgb(cr, kSand);
                           cairo_fill(cr);
                           Set_Rgb(cr, kInk);
                           cairo_rectangle(cr, x + w * 0.35, f ? y + h * 0.5 : y + h * 0.2, w * 0.3, h * 0.3);
                           cairo_fill(cr);
                       },
                       {{0}, {1}}, 0.06f, 0.12f);
}

// Numbers 0 to 15 as cells; animation k shows k.
bool Digits(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string prefix = r.Str("prefix", "");
    std::vector<std::vector<int>> a;
    for (int k = 0; k < 16; ++k) a.push_back({k});
    return Write_Sheet(root, image, SheetLayout{128, 64, 4, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Label(cr, prefix + std::to_string(f), x, y, w, h, h * 0.6, kGold);
                       },
                       a, 0.2f, 0.1f);
}

// A perk icon: its symbol with 0 to 3 pips lit (animations 0 to 3 are levels 0 to 3).
bool Icon(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string glyph = r.Str("glyph", "star");
    const Rgba tint = Colour_Named(r.Str("colour", "gold"));
    Picture_Facts facts;
    facts.button = true;
    Note_Picture(image, facts);
    return Write_Sheet(root, image, SheetLayout{64, 64, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h * 0.45;
                           Set_Rgb(cr, kInk);
                           cairo_arc(cr, cx, cy, w * 0.4, 0, 6.2832);
                           cairo_fill(cr);
                           Set_Rgb(cr, glyph == "lock" ? Rgba{90, 90, 90, 255} : writers::Shade(tint, 0.5f));
                           cairo_arc(cr, cx, cy, w * 0.36, 0, 6.2832);
                           cairo_fill(cr);
                           std::string sym = glyph == "lock"   ? "?"
                                             : glyph == "heart" ? "+"
                                             : glyph.substr(0, 1);
                           for (char& c : sym) c = (char)std::toupper((unsigned char)c);
                           Label(cr, sym, x + w * 0.15, y + h * 0.1, w * 0.7, h * 0.7, h * 0.42, kWhite);
                           if (glyph == "lock") return;
                           for (int k = 0; k < 3; ++k) {
                               Set_Rgb(cr, k < f ? kGold : Rgba{60, 60, 60, 255});
                               cairo_arc(cr, cx + (k - 1) * w * 0.2, y + h * 0.9, w * 0.06, 0, 6.2832);
                               cairo_fill(cr);
                           }
                       },
                       {{0}, {1}, {2}, {3}}, 0.16f, 0.16f);
}

// The main menu's logo: the name, lit, and a glow cycle (animation 2).
bool Logo(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string text = r.Str("text", "VARNOTH");
    return Write_Sheet(root, image, SheetLayout{512, 128, 1, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f > 0) {
                               cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 4, x + w / 2,
                                                                                y + h / 2, w / 2);
                               cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.4, 0.12 * f);
                               cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.4, 0);
                               cairo_set_source(cr, g);
                               cairo_paint(cr);
                               cairo_pattern_destroy(g);
                           }
                           Label(cr, text, x, y, w, h, h * 0.7, writers::Shade(kGold, 0.85f + 0.12f * f));
                       },
                       {{0}, {1}, {1, 2, 3, 2, 1, 0}}, 1.0f, 0.25f, 90);
}

// A bullet hole: nothing, then the hole.
bool Hole(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{32, 32, 2, 1}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (!f) return;
                           Set_Rgb(cr, Rgba{60, 56, 50, 255});
                           cairo_arc(cr, x + w / 2, y + h / 2, w * 0.3, 0, 6.2832);
                           cairo_fill(cr);
                           Set_Rgb(cr, kInk);
                           cairo_arc(cr, x + w / 2, y + h / 2, w * 0.17, 0, 6.2832);
                           cairo_fill(cr);
                       },
                       {{0}, {1}}, 0.06f, 0.06f);
}

// A branch reaching in from the right edge with its autumn leaves: still (animation 0) and
// swaying (animation 1).
bool Branch(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{256, 128, 1, 2}, false,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double sway = f * 0.04;
                           const Rgba bark{64, 46, 30, 255};
                           cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                           auto twig = [&](double x0, double y0, double cx, double cy, double x1, double y1,
                                           double width) {
                               cairo_move_to(cr, x + w * x0, y + h * y0);
                               cairo_curve_to(cr, x + w * cx, y + h * (cy + sway), x + w * cx, y + h * (cy + sway),
                                              x + w * x1, y + h * (y1 + sway * 2));
                               Set_Rgb(cr, kInk);
                               cairo_set_line_width(cr, width + 2);
                               cairo_stroke_preserve(cr);
                               Set_Rgb(cr, bark);
                               cairo_set_line_width(cr, width);
                               cairo_stroke(cr);
                           };
                           twig(1.02, 0.3, 0.7, 0.32, 0.08, 0.55, 9);
                           twig(0.62, 0.36, 0.5, 0.15, 0.38, 0.12, 4);
                           twig(0.4, 0.46, 0.3, 0.7, 0.22, 0.78, 4);
                           twig(0.82, 0.33, 0.75, 0.6, 0.66, 0.72, 3);
                           const double leaves[][3] = {{0.1, 0.55, 0.2}, {0.18, 0.48, 1.1}, {0.24, 0.8, 2.4},
                                                       {0.3, 0.62, 0.6}, {0.38, 0.1, 1.7}, {0.45, 0.2, 2.9},
                                                       {0.52, 0.44, 0.3}, {0.66, 0.74, 2.0}, {0.7, 0.22, 1.4},
                                                       {0.78, 0.56, 0.9}, {0.88, 0.24, 2.6}};
                           for (int k = 0; k < 11; ++k) {
                               const Rgba c = k % 3 == 0   ? Rgba{196, 120, 40, 255}
                                              : k % 3 == 1 ? Rgba{170, 60, 36, 255}
                                                           : Rgba{150, 150, 60, 255};
                               cairo_save(cr);
                               cairo_translate(cr, x + w * leaves[k][0], y + h * (leaves[k][1] + sway * 2));
                               cairo_rotate(cr, leaves[k][2]);
                               cairo_move_to(cr, 0, 0);
                               cairo_curve_to(cr, h * 0.08, -h * 0.07, h * 0.16, -h * 0.02, h * 0.2, 0);
                               cairo_curve_to(cr, h * 0.16, h * 0.02, h * 0.08, h * 0.07, 0, 0);
                               Set_Rgb(cr, kInk);
                               cairo_set_line_width(cr, 1.5);
                               cairo_stroke_preserve(cr);
                               Set_Rgb(cr, c);
                               cairo_fill(cr);
                               cairo_restore(cr);
                           }
                       },
                       {{0}, {0, 1}}, 0.4f, 0.2f, 300);
}

// A falling leaf turning: animations 0 to 2 are three turns.
bool Leaf(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{32, 32, 2, 2}, false,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double squeeze = 0.3 + 0.25 * f;
                           cairo_save(cr);
                           cairo_translate(cr, x + w / 2, y + h / 2);
                           cairo_rotate(cr, 0.6 + f * 0.5);
                           cairo_scale(cr, 1.0, squeeze + 0.3);
                           cairo_move_to(cr, -w * 0.42, 0);
                           cairo_curve_to(cr, -w * 0.1, -h * 0.3, w * 0.2, -h * 0.3, w * 0.42, 0);
                           cairo_curve_to(cr, w * 0.2, h * 0.3, -w * 0.1, h * 0.3, -w * 0.42, 0);
                           cairo_restore(cr);
                           Set_Rgb(cr, kInk);
                           cairo_set_line_width(cr, 1);
                           cairo_stroke_preserve(cr);
                           Set_Rgb(cr, Rgba{196, 120, 40, 255});
                           cairo_fill(cr);
                       },
                       {{0}, {1}, {2}}, 0.06f, 0.06f);
}

// A conversation portrait or a room behind one (people.cpp).
bool Portrait(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Portrait(root, image, r.a, r.error);
}
bool Room_Art(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Room(root, image, r.a, r.error);
}
bool Banner(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Banner(root, image, r.a, r.error);
}

// The title's seal: round, then pressed with its ring (animation 1).
bool Seal(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 2, 1}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2;
                           Set_Rgb(cr, kRed);
                           cairo_arc(cr, cx, cy, w * 0.42, 0, 6.2832);
                           cairo_fill(cr);
                           Set_Rgb(cr, writers::Shade(kRed, 1.3f));
                           cairo_set_line_width(cr, 4);
                           cairo_arc(cr, cx, cy, w * 0.34, 0, 6.2832);
                           cairo_stroke(cr);
                           Label(cr, "V", x + w * 0.2, y + h * 0.2, w * 0.6, h * 0.6, h * 0.4, kPaper);
                           if (f) {
                               Set_Rgb(cr, kPaper, 0.6);
                               cairo_set_line_width(cr, 3);
                               cairo_arc(cr, cx, cy, w * 0.46, 0, 6.2832);
                               cairo_stroke(cr);
                           }
                       },
                       {{0}, {1, 0}}, 0.3f, 0.3f, 150);
}

// A five-pointed mark that pops (animation 0; with `anims=` every animation pops).
bool Star(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::vector<std::vector<int>> a(r.Int("anims", 1, 1, 32), std::vector<int>{0, 1, 0});
    return Write_Sheet(root, image, SheetLayout{64, 64, 2, 1}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2, rr = f ? w * 0.42 : w * 0.36;
                           for (int k = 0; k < 10; ++k) {
                               const double a = -1.5708 + k * 0.6283, r2 = (k % 2) ? rr * 0.45 : rr;
                               if (k == 0) cairo_move_to(cr, cx + r2 * std::cos(a), cy + r2 * std::sin(a));
                               else cairo_line_to(cr, cx + r2 * std::cos(a), cy + r2 * std::sin(a));
                           }
                           cairo_close_path(cr);
                           Set_Rgb(cr, kGold);
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, kInk);
                           cairo_set_line_width(cr, 2);
                           cairo_stroke(cr);
                       },
                       a, 0.12f, 0.12f, 120);
}

// A plain gold strip. With `anims=` a sheet of that many animations: the gold strip, but
// animation 14 green and 15 red (the tent's life bar: health, and health running low).
bool Bar(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int anims = r.Int("anims", 0, 0, 32);
    if (anims > 0) {
        std::vector<std::vector<int>> a(anims, std::vector<int>{0});
        if (anims > 14) a[14] = {1};
        if (anims > 15) a[15] = {2};
        return Write_Sheet(root, image, SheetLayout{256, 32, 1, 4}, true, // rows: 1, 2, 4 or 8
                           [](cairo_t* cr, int f, double x, double y, double w, double h) {
                               const Rgba c = f == 1 ? Rgba{70, 190, 60, 255} : f == 2 ? kRed : kGold;
                               cairo_rectangle(cr, x, y + 4, w, h - 8);
                               Fill_Shaded(cr, cairo_pattern_create_linear(0, y, 0, y + h), c, 1.4f, 0.6f, false);
                           },
                           a, 0.5f, 0.06f);
    }
    Paint p(256, 16);
    Set_Rgb(p.cr(), kGold);
    cairo_rectangle(p.cr(), 0, 4, 256, 8);
    cairo_fill(p.cr());
    return Save_Picture(p, root, image, true);
}

// The camp screens' own pictures (camp_art.h).
bool Camp_Piece(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Camp_Piece(root, image, r.Str("piece", ""), r.Int("size", 128, 32, 256), r.error);
}
bool Tent_Room(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Paint_Tent_Room(root, image);
}
bool Medals(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Paint_Medal_Sheet(root, image);
}
bool Tunnel_Map(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Tunnel_Map(root, image, r.Int("network", 1, 1, 3));
}
bool Album(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Album_Sheet(root, image, r.Int("album", 1, 1, 3));
}

// Playing cards: `collect=k` draws collectible card k (one picture); without it the sheet
// of the card table, the back (animation 0) and the faces ace to king (animations 1 to 13).
// With `empty=1` animation 0 is an empty place on the baize instead of the back.
bool Card(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int collect = r.Int("collect", 0, 0, 36);
    const bool empty = r.Int("empty", 0, 0, 1) == 1;
    static const char* const faces[14] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    auto draw = [&](cairo_t* cr, int f, double x, double y, double w, double h) {
        if (collect == 0 && f == 0 && empty) { // a chalked outline where a card will lie
            const double dash[] = {6, 4};
            Rounded_Rect(cr, x + 6, y + 6, w - 12, h - 12, 7);
            Set_Rgb(cr, kPaper, 0.55);
            cairo_set_dash(cr, dash, 2, 0);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            return;
        }
        Rounded_Rect(cr, x + 3, y + 3, w - 6, h - 6, 8);
        Set_Rgb(cr, kInk);
        cairo_fill(cr);
        Rounded_Rect(cr, x + 5, y + 5, w - 10, h - 10, 7);
        if (collect == 0 && f == 0) { // the back
            Set_Rgb(cr, kRed);
            cairo_fill(cr);
            Set_Rgb(cr, kGold);
            cairo_set_line_width(cr, 2);
            Rounded_Rect(cr, x + 12, y + 12, w - 24, h - 24, 5);
            cairo_stroke(cr);
            return;
        }
        Set_Rgb(cr, kPaper);
        cairo_fill(cr);
        // the face's value large, its suit below and in the corners
        static const char* const suits[4] = {"\u2665", "\u2660", "\u2666", "\u2663"};
        const Rgba ink = f % 2 ? kRed : kInk;
        const std::string suit = suits[(f % 2 ? 0 : 1) + 2 * ((f / 2) % 2)];
        Label(cr, faces[f % 14], x, y + h * 0.14, w, h * 0.42, h * 0.34, ink, true, false);
        Label(cr, suit, x, y + h * 0.52, w, h * 0.34, h * 0.3, ink, false, false);
        Label(cr, suit, x + 4, y + 6, w * 0.3, h * 0.18, h * 0.14, ink, false, false);
        Label(cr, suit, x + w * 0.7 - 4, y + h * 0.82 - 6, w * 0.3, h * 0.18, h * 0.14, ink, false, false);
    };
    if (collect > 0) return Paint_Collect_Card(root, image, collect - 1);
    std::vector<std::vector<int>> a;
    for (int k = 0; k < 14; ++k) a.push_back({k});
    return Write_Sheet(root, image, SheetLayout{64, 96, 8, 2}, true, draw, a, 0.12f, 0.18f);
}

namespace {

// ---- Plan pictures ----

// The effects sheet: 64 cells of 32 pixels; 40 animations, among them 13 (a sale pickup's
// glow) and 35 (the puff of a bullet hole on the menu).
bool Effects(const std::string& root, const std::string& image) {
    std::vector<std::vector<int>> a;
    for (int k = 0; k < 40; ++k) a.push_back({(k * 3) % 48, (k * 3 + 1) % 48, (k * 3 + 2) % 48});
    a[13] = {48, 49, 50, 51};
    a[35] = {56, 57, 58, 59, 60, 61, 62, 63};
    return Write_Sheet(root, image, SheetLayout{32, 32, 8, 8}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2;
                           if (f >= 56) { // smoke puff growing and thinning
                               const int k = f - 56;
                               Set_Rgb(cr, Rgba{200, 196, 186, 255}, 0.9 - k * 0.1);
                               cairo_arc(cr, cx, cy, 3 + k * 1.6, 0, 6.2832);
                               cairo_fill(cr);
                               return;
                           }
                           if (f >= 48) { // glow
                               Set_Rgb(cr, kGold, 0.5 + 0.12 * (f - 48));
                               cairo_arc(cr, cx, cy, 6 + (f - 48) * 2, 0, 6.2832);
                               cairo_fill(cr);
                               return;
                           }
                           Set_Rgb(cr, writers::Mix(kGold, kRed, (f % 8) / 8.0f)); // sparks
                           for (int k = 0; k < 5; ++k) {
                               const double ang = k * 1.2566 + f * 0.3, len = 4 + (f % 6) * 1.5;
                               cairo_move_to(cr, cx, cy);
                               cairo_line_to(cr, cx + std::cos(ang) * len, cy + std::sin(ang) * len);
                           }
                           cairo_set_line_width(cr, 2);
                           cairo_stroke(cr);
                       },
                       a, 0.1f, 0.1f, 80);
}

// A save slot's look: an index card (empty, saved, saved in the last act) at rest, lit and
// selected.
bool File_Look(const std::string& root, const std::string& image, int look) {
    const Rgba card = look == 0 ? Rgba{150, 144, 126, 255} : look == 1 ? kPaper : Rgba{214, 190, 150, 255};
    Picture_Facts facts;
    facts.button = true;
    Note_Picture(image, facts);
    return Write_Sheet(root, image, SheetLayout{256, 64, 1, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Rounded_Rect(cr, x + 3, y + 3, w - 6, h - 6, 6);
                           Set_Rgb(cr, kInk);
                           cairo_fill(cr);
                           Rounded_Rect(cr, x + 6, y + 6, w - 12, h - 12, 5);
                           Set_Rgb(cr, f == 1 ? writers::Shade(card, 1.1f) : f == 2 ? writers::Mix(card, kGold, 0.5f)
                                                                                    : card);
                           cairo_fill(cr);
                           Set_Rgb(cr, look == 0 ? Rgba{110, 104, 90, 255} : kRed);
                           cairo_rectangle(cr, x + 14, y + 14, 30, h - 28); // the tab
                           cairo_fill(cr);
                           if (look == 2) {
                               Set_Rgb(cr, kGold);
                               cairo_arc(cr, x + w - 28, y + h / 2, 12, 0, 6.2832);
                               cairo_fill(cr);
                           }
                           if (look == 0) { // an empty card: the name's dotted line, "unused" stamped
                               cairo_save(cr);
                               cairo_translate(cr, x + w * 0.83, y + h / 2);
                               cairo_rotate(cr, -0.12);
                               Rounded_Rect(cr, -w * 0.13, -h * 0.2, w * 0.26, h * 0.4, 3);
                               Set_Rgb(cr, kRed, 0.55);
                               cairo_set_line_width(cr, 2);
                               cairo_stroke(cr);
                               Set_Rgb(cr, kRed, 0.6);
                               Text_Centred(cr, "UNUSED", 0, h * 0.09, h * 0.22, true);
                               cairo_restore(cr);
                           }
                       },
                       {{0}, {1}, {2}, {3}}, 0.5f, 0.12f);
}

bool Options_Box(const std::string& root, const std::string& image) {
    return Write_Sheet(root, image, SheetLayout{256, 256, 2, 1}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Rounded_Rect(cr, x + 4, y + 4, w - 8, h - 8, 14);
                           Set_Rgb(cr, kInk);
                           cairo_fill(cr);
                           Rounded_Rect(cr, x + 9, y + 9, w - 18, h - 18, 11);
                           Set_Rgb(cr, Rgba{52, 60, 44, 255});
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, kGold);
                           cairo_set_line_width(cr, 2);
                           cairo_stroke(cr);
                           Label(cr, f ? "MULTI^PLAYER" : "OPTIONS", x, y + 12, w, h * 0.3, 26, kGold);
                       },
                       {{0}, {1}}, 0.6f, 0.6f);
}


} // namespace

void Caption(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double size, Rgba colour,
             bool bold, bool shadow) {
    (void)Label(cr, text, x, y, w, h, size, colour, bold, shadow);
}

void Release_Painters() {
    cairo_debug_reset_static_data();
    FcFini();
}

bool Paint_Plan_Art(const std::string& root) {
    bool ok = writers::Make_Dirs(root + "/Data/front");
    ok = Effects(root, "Data/front/effects") && ok;
    ok = File_Look(root, "Data/front/file_empty", 0) && ok;
    ok = File_Look(root, "Data/front/file_full", 1) && ok;
    ok = File_Look(root, "Data/front/file_act4", 2) && ok;
    ok = Options_Box(root, "Data/front/options_box") && ok;
    std::string error;
    const std::pair<const char*, const char*> perks[] = {
        {"Data/front/perk_locked", "lock"}, {"Data/front/perk_regen", "regen"}, {"Data/front/perk_gas", "gas"},
        {"Data/front/perk_gold", "gold"},   {"Data/front/perk_exp", "exp"},     {"Data/front/perk_kill", "kill"},
        {"Data/front/perk_ice", "ice"}};
    for (auto [image, glyph] : perks)
        ok = Paint_Art(root, image, {{"painter", "icon"}, {"glyph", glyph}}, error) && ok;
    return ok;
}

} // namespace painters
