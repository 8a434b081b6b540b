// The coast's own pictures: the things its scripts switch between looks (radio masts that
// fall, bunker doors that open, coastal guns, rock falls, beached boats, fruit trees, a sea
// chest) and the dressing of bunkers, trenches and cellars. Each is a sheet of four
// animations of one cell: 0 as it stands, 1 its changed look (open, lit, broken), 2 wrecked,
// 3 a second changed look, so a script may switch to any of them.
#include "content/painters/ep3a_art.h"

#include <cmath>
#include <string>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Rgba;

const Rgba kInk{22, 24, 20, 255}, kSteel{112, 122, 126, 255}, kRust{140, 78, 44, 255}, kConcrete{150, 148, 138, 255},
    kWood{128, 88, 52, 255}, kOlive{88, 104, 58, 255}, kRock{118, 110, 96, 255}, kLeaf{64, 118, 52, 255},
    kFruit{206, 48, 40, 255}, kSand{210, 190, 140, 255}, kFire{246, 166, 48, 255};
const Ink_Tone kInkTone = Tone_Of(kInk, 0.9); // the outlines' ink

// Smoke and sparks over a wreck.
void Smoke(cairo_t* cr, double cx, double cy, double r) {
    for (int k = 0; k < 5; ++k) {
        Ellipse(cr, cx + std::cos(k * 1.7) * r * 0.6, cy - k * r * 0.25, r * (0.5 - k * 0.05), r * (0.4 - k * 0.04));
        Set_Rgb(cr, Rgba{70, 68, 64, 255}, 0.55);
        cairo_fill(cr);
    }
    Ellipse(cr, cx, cy + r * 0.2, r * 0.25, r * 0.15);
    Set_Rgb(cr, kFire, 0.9);
    cairo_fill(cr);
}

// A lattice radio mast on its concrete foot, guyed: standing, swaying, fallen, a stump.
void Antenna(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, base = y + h * 0.88;
    Oval_Shadow(cr, cx, base, w * 0.3, h * 0.06, 0.3);
    cairo_rectangle(cr, cx - w * 0.16, base - h * 0.08, w * 0.32, h * 0.1);
    Lit(cr, x, y, x + w, y + h, kConcrete, 1.5, kInkTone);
    if (f == 2 || f == 3) { // fallen: the mast lies broken across the ground
        cairo_save(cr);
        cairo_translate(cr, cx, base - h * 0.06);
        cairo_rotate(cr, f == 2 ? -1.35 : -0.2);
        const double len = f == 2 ? h * 0.7 : h * 0.18;
        cairo_move_to(cr, -w * 0.06, 0);
        cairo_line_to(cr, -w * 0.02, -len);
        cairo_line_to(cr, w * 0.02, -len);
        cairo_line_to(cr, w * 0.06, 0);
        Set_Rgb(cr, kRust);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_restore(cr);
        if (f == 2) Smoke(cr, cx, base - h * 0.12, w * 0.3);
        return;
    }
    const double lean = f == 1 ? 0.12 : 0.0;
    cairo_save(cr);
    cairo_translate(cr, cx, base - h * 0.06);
    cairo_rotate(cr, lean);
    const double top = -h * 0.78;
    cairo_move_to(cr, -w * 0.12, 0);
    cairo_line_to(cr, -w * 0.02, top);
    cairo_move_to(cr, w * 0.12, 0);
    cairo_line_to(cr, w * 0.02, top);
    for (int k = 0; k < 8; ++k) { // the lattice
        const double a = top * k / 8.0, b = top * (k + 1) / 8.0;
        const double wa = w * (0.12 - 0.1 * k / 8.0), wb = w * (0.12 - 0.1 * (k + 1) / 8.0);
        cairo_move_to(cr, -wa, a);
        cairo_line_to(cr, wb, b);
        cairo_move_to(cr, wa, a);
        cairo_line_to(cr, -wb, b);
    }
    Set_Rgb(cr, Rgba{150, 48, 36, 255});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, 0, top, w * 0.04, 0, 2 * kPi); // the beacon
    Set_Rgb(cr, f == 1 ? kFire : Rgba{230, 60, 40, 255});
    cairo_fill(cr);
    cairo_restore(cr);
    for (int s : {-1, 1}) { // guy wires
        cairo_move_to(cr, cx, y + h * 0.3);
        cairo_line_to(cr, cx + s * w * 0.42, base);
    }
    Set_Rgb(cr, kInk, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A steel bunker door in a concrete frame: shut, open on the dark inside, buckled, ajar.
void Door(cairo_t* cr, int f, double x, double y, double w, double h) {
    Rounded_Rect(cr, x + w * 0.08, y + h * 0.08, w * 0.84, h * 0.84, 4);
    Lit(cr, x, y, x + w, y + h, kConcrete, 1.5, kInkTone);
    cairo_rectangle(cr, x + w * 0.22, y + h * 0.18, w * 0.56, h * 0.7);
    Set_Rgb(cr, Rgba{18, 16, 14, 255});
    cairo_fill(cr);
    const double open = f == 1 ? 0.85 : f == 3 ? 0.4 : 0.0;
    cairo_rectangle(cr, x + w * 0.22, y + h * 0.18, w * 0.56 * (1 - open), h * 0.7);
    Lit(cr, x, y, x + w, y + h, f == 2 ? kRust : kSteel, 1.5, kInkTone);
    if (open < 0.5) { // rivets and the wheel
        for (int k = 0; k < 4; ++k) {
            cairo_arc(cr, x + w * 0.28, y + h * (0.24 + k * 0.18), 2, 0, 2 * kPi);
            cairo_arc(cr, x + w * 0.72 - open * w * 0.56, y + h * (0.24 + k * 0.18), 2, 0, 2 * kPi);
        }
        Set_Rgb(cr, kInk, 0.7);
        cairo_fill(cr);
        cairo_arc(cr, x + w * (0.5 - open * 0.28), y + h * 0.52, w * 0.1, 0, 2 * kPi);
        Ink(cr, 2.5, kInkTone);
    }
    if (f == 2) Smoke(cr, x + w / 2, y + h * 0.5, w * 0.3);
}

// A coastal gun behind its concrete apron: the barrel out to sea, swung round, wrecked.
void Gun(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.6;
    Oval_Shadow(cr, cx, cy + h * 0.12, w * 0.42, h * 0.16, 0.3);
    Ellipse(cr, cx, cy, w * 0.36, h * 0.24);
    Lit(cr, x, y, x + w, y + h, kConcrete, 1.5, kInkTone);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - h * 0.04);
    cairo_rotate(cr, f == 1 || f == 3 ? 0.6 : f == 2 ? 1.2 : 0.0);
    const double len = f == 2 ? h * 0.22 : h * 0.5;
    cairo_rectangle(cr, -w * 0.04, -len, w * 0.08, len);
    Lit(cr, -w * 0.04, 0, w * 0.04, 0, f == 2 ? kRust : kOlive, 1.5, kInkTone);
    Rounded_Rect(cr, -w * 0.16, -h * 0.1, w * 0.32, h * 0.2, 5);
    Lit(cr, -w * 0.16, 0, w * 0.16, 0, f == 2 ? kRust : kOlive, 1.5, kInkTone);
    cairo_restore(cr);
    if (f == 2) Smoke(cr, cx, cy - h * 0.1, w * 0.3);
}

// Fallen rock blocking a passage; cleared, only scattered stones are left.
void Rubble(cairo_t* cr, int f, double x, double y, double w, double h) {
    const int n = f == 0 ? 9 : f == 3 ? 6 : 4;
    Oval_Shadow(cr, x + w / 2, y + h * 0.8, w * 0.45, h * 0.12, 0.3);
    for (int k = 0; k < n; ++k) {
        const double px = x + w * (0.2 + 0.6 * std::fmod(k * 0.37 + 0.11, 1.0));
        const double py = y + h * (f == 0 ? 0.25 + 0.5 * std::fmod(k * 0.53, 1.0) : 0.6 + 0.25 * std::fmod(k * 0.53, 1.0));
        const double r = (f == 0 ? 0.14 : 0.07) * w * (0.7 + 0.3 * std::fmod(k * 0.71, 1.0));
        Ellipse(cr, px, py, r, r * 0.8);
        Lit(cr, px - r, py - r, px + r, py + r, kRock, 1.5, kInkTone);
    }
    if (f == 2) Smoke(cr, x + w / 2, y + h * 0.5, w * 0.2);
}

// A rowing boat drawn up on the sand: still, rocking on the swell, holed, overturned.
void Boat(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, f == 1 ? 0.08 : 0.0);
    Oval_Shadow(cr, w * 0.04, h * 0.06, w * 0.2, h * 0.42, 0.3);
    cairo_move_to(cr, 0, -h * 0.44);
    cairo_curve_to(cr, w * 0.26, -h * 0.2, w * 0.22, h * 0.38, 0, h * 0.42);
    cairo_curve_to(cr, -w * 0.22, h * 0.38, -w * 0.26, -h * 0.2, 0, -h * 0.44);
    Lit(cr, -w * 0.25, 0, w * 0.25, 0, f == 3 ? Rgba{70, 60, 50, 255} : kWood, 1.5, kInkTone);
    if (f != 3) {
        for (int k = -1; k <= 1; ++k) {
            cairo_rectangle(cr, -w * 0.16, k * h * 0.2 - 3, w * 0.32, 6);
            Lit(cr, 0, 0, 0, 6, Rgba{170, 130, 80, 255}, 1.5, kInkTone);
        }
    }
    if (f == 2) {
        Ellipse(cr, w * 0.05, h * 0.1, w * 0.07, h * 0.05);
        Set_Rgb(cr, kInk);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// An orchard tree: bare (picked), in leaf, laden with red fruit, burnt.
void Fruit_Tree(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.45;
    Oval_Shadow(cr, cx + w * 0.05, y + h * 0.85, w * 0.36, h * 0.1, 0.3);
    cairo_rectangle(cr, cx - w * 0.05, cy, w * 0.1, h * 0.42);
    Lit(cr, cx - w * 0.05, 0, cx + w * 0.05, 0, kWood, 1.5, kInkTone);
    if (f == 3) {
        Smoke(cr, cx, cy, w * 0.3);
        return;
    }
    for (int k = 0; k < 6; ++k) {
        Ellipse(cr, cx + std::cos(k * 1.05) * w * 0.2, cy + std::sin(k * 1.05) * h * 0.14, w * 0.2, h * 0.16);
        Set_Rgb(cr, f == 0 ? Rgba{100, 126, 70, 255} : kLeaf);
        cairo_fill(cr);
    }
    Ellipse(cr, cx, cy, w * 0.34, h * 0.26);
    Ink(cr, 1.2, kInkTone);
    if (f == 2) {
        for (int k = 0; k < 9; ++k) {
            cairo_arc(cr, cx + std::cos(k * 2.3) * w * 0.24, cy + std::sin(k * 2.3) * h * 0.17, w * 0.035, 0, 2 * kPi);
            Set_Rgb(cr, kFruit);
            cairo_fill(cr);
        }
    }
}

// A sea chest: shut, lid thrown open on gold, smashed, empty.
void Chest(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.6;
    Oval_Shadow(cr, cx, cy + h * 0.2, w * 0.36, h * 0.1, 0.3);
    cairo_rectangle(cr, cx - w * 0.32, cy - h * 0.14, w * 0.64, h * 0.32);
    Lit(cr, x, y, x + w, y + h, kWood, 1.5, kInkTone);
    if (f == 1 || f == 3) {
        Ellipse(cr, cx, cy - h * 0.12, w * 0.28, h * 0.06);
        Set_Rgb(cr, f == 1 ? Rgba{236, 196, 70, 255} : kInk);
        cairo_fill(cr);
        cairo_rectangle(cr, cx - w * 0.32, cy - h * 0.46, w * 0.64, h * 0.3);
    } else {
        cairo_rectangle(cr, cx - w * 0.32, cy - h * 0.3, w * 0.64, h * 0.16);
    }
    Lit(cr, x, y, x + w, y + h, f == 2 ? Rgba{90, 64, 40, 255} : Rgba{150, 104, 60, 255}, 1.5, kInkTone);
    cairo_rectangle(cr, cx - w * 0.05, cy - h * 0.18, w * 0.1, h * 0.1);
    Set_Rgb(cr, Rgba{200, 170, 80, 255});
    cairo_fill(cr);
}

// A stack of ammunition boxes under a tarpaulin: stacked, tarpaulin off, blown, half gone.
void Stores(cairo_t* cr, int f, double x, double y, double w, double h) {
    Oval_Shadow(cr, x + w / 2, y + h * 0.86, w * 0.44, h * 0.1, 0.3);
    const int rows = f == 2 ? 1 : f == 3 ? 2 : 3;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 3 - r; ++c) {
            const double bx = x + w * (0.1 + c * 0.27 + r * 0.13), by = y + h * (0.62 - r * 0.22);
            cairo_rectangle(cr, bx, by, w * 0.25, h * 0.2);
            Lit(cr, bx, by, bx, by + h * 0.2, kOlive, 1.5, kInkTone);
        }
    if (f == 0) {
        cairo_move_to(cr, x + w * 0.06, y + h * 0.84);
        cairo_curve_to(cr, x + w * 0.2, y + h * 0.05, x + w * 0.8, y + h * 0.05, x + w * 0.94, y + h * 0.84);
        cairo_close_path(cr);
        Set_Rgb(cr, Rgba{96, 100, 70, 255}, 0.85);
        cairo_fill_preserve(cr);
        Ink(cr, 1.5, kInkTone);
    }
    if (f == 2) Smoke(cr, x + w / 2, y + h * 0.5, w * 0.3);
}

// A storm lantern on a post: dark, lit, broken, dim.
void Lantern(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2;
    if (f == 1 || f == 3) {
        cairo_pattern_t* g = cairo_pattern_create_radial(cx, y + h * 0.3, 0, cx, y + h * 0.3, w * 0.5);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.4, f == 1 ? 0.6 : 0.3);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.4, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    cairo_rectangle(cr, cx - w * 0.04, y + h * 0.4, w * 0.08, h * 0.5);
    Lit(cr, cx - w * 0.04, 0, cx + w * 0.04, 0, kWood, 1.5, kInkTone);
    Rounded_Rect(cr, cx - w * 0.12, y + h * 0.18, w * 0.24, h * 0.24, 3);
    Set_Rgb(cr, f == 1 ? kFire : f == 3 ? Rgba{200, 140, 60, 255} : Rgba{60, 60, 56, 255});
    cairo_fill_preserve(cr);
    Ink(cr, 1.5, kInkTone);
    if (f == 2) {
        cairo_move_to(cr, cx - w * 0.1, y + h * 0.2);
        cairo_line_to(cr, cx + w * 0.1, y + h * 0.4);
        Ink(cr, 1.5, kInkTone);
    }
}

struct Look {
    const char* name;
    void (*draw)(cairo_t*, int, double, double, double, double);
    int cw, ch;
};
constexpr Look kLooks[] = {
    {"antenna", Antenna, 96, 192}, {"door", Door, 96, 96},       {"gun", Gun, 128, 128},
    {"rubble", Rubble, 128, 128},  {"boat", Boat, 96, 160},      {"tree", Fruit_Tree, 128, 128},
    {"chest", Chest, 96, 96},      {"stores", Stores, 128, 128}, {"lantern", Lantern, 64, 128},
};

} // namespace

bool Paint_Ep3a_Kit(const std::string& root, const std::string& image, const std::string& look, std::string& error) {
    for (const Look& l : kLooks) {
        if (look != l.name) continue;
        return Write_Sheet(root, image, writers::SheetLayout{l.cw, l.ch, 4, 1}, false, l.draw, {{0}, {1}, {2}, {3}},
                           l.cw / 640.0f, l.ch / 640.0f);
    }
    std::string names;
    for (const Look& l : kLooks) names += std::string(names.empty() ? "" : ", ") + l.name;
    error = "unknown look \"" + look + "\" (looks: " + names + ")";
    return false;
}

bool Ep3a_Kit(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Paint_Ep3a_Kit(root, image, r.Str("look", ""), r.error);
}

} // namespace painters
