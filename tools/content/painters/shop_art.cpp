#include "content/painters/shop_art.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/writers/art.h"

namespace painters {

const char* const GOODS[GOODS_PICTURES] = {
    "empty",      "weston",     "farmers",   "thompson", "luger",      "enfield",    "silver_watch", "brass_watch",
    "gold_watch", "cig_card",   "shells",    "mg_ammo",  "pistol_ammo", "rifle_ammo", "grenade",     "lantern",
    "crown",      "emerald",    "ruby",      "diamond",  "empty",      "first_aid",  "hint_buy",    "hint_sell",
    "hint_upgrade", "colt",     "helmet",    "boxers",   "trench_cap", "combat_shotgun"};

namespace {

using writers::Mix;
using writers::Rgba;
using writers::Shade;
using writers::SheetLayout;

const Rgba kInk{22, 24, 20, 255}, kPaper{230, 218, 186, 255}, kGold{226, 182, 64, 255}, kRed{168, 42, 34, 255},
    kSteel{96, 104, 114, 255}, kGunmetal{52, 56, 62, 255}, kWood{132, 82, 44, 255}, kBrass{196, 160, 70, 255},
    kOlive{92, 108, 58, 255}, kWhite{244, 242, 232, 255}, kFelt{34, 92, 56, 255}, kSilver{200, 204, 210, 255};
const Ink_Tone kInkTone = Tone_Of(kInk, 1.0); // the outlines' ink


// ---- Drawing helpers: a shape filled with a shaded gradient and outlined in ink ----

// Fills the current path top-lit in c and outlines it.
void Solid(cairo_t* cr, Rgba c, double top, double bottom) {
    Fill_Shaded(cr, cairo_pattern_create_linear(0, top, 0, bottom), c, 1.35f, 0.7f);
    Ink(cr, 1.6, kInkTone);
}

void Box(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c) {
    Rounded_Rect(cr, x, y, w, h, r);
    Solid(cr, c, y, y + h);
}

void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts) {
    bool first = true;
    for (auto [x, y] : pts) {
        if (first) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

void Disc(cairo_t* cr, double cx, double cy, double r, Rgba c) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, r * 0.1, cx, cy, r), c, 1.4f, 0.75f);
    Ink(cr, 1.2, kInkTone);
}

// ---- Goods, drawn in a cell of s x s pixels from (x, y), weapons facing right ----

// A pistol: grip, frame, slide and barrel. `toggle` draws a toggle-lock's knuckles on top.
void Pistol(cairo_t* cr, double x, double y, double s, Rgba metal, Rgba grip, bool toggle, double barrel) {
    // grip, raked back
    Poly(cr, {{x + s * 0.22, y + s * 0.5}, {x + s * 0.38, y + s * 0.5}, {x + s * 0.34, y + s * 0.78},
              {x + s * 0.16, y + s * 0.78}});
    Solid(cr, grip, y + s * 0.5, y + s * 0.78);
    // trigger guard
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.45, y + s * 0.52, s * 0.06, 0, kPi);
    Set_Rgb(cr, Shade(metal, 0.6f));
    cairo_set_line_width(cr, s * 0.02);
    cairo_stroke(cr);
    // frame and slide
    Box(cr, x + s * 0.18, y + s * 0.36, s * (0.36 + barrel), s * 0.14, s * 0.02, metal);
    Box(cr, x + s * (0.5 + barrel), y + s * 0.39, s * 0.12, s * 0.06, s * 0.01, Shade(metal, 0.8f)); // muzzle
    if (toggle) {
        Disc(cr, x + s * 0.3, y + s * 0.35, s * 0.04, Shade(metal, 1.2f));
        Disc(cr, x + s * 0.38, y + s * 0.35, s * 0.04, Shade(metal, 1.2f));
    }
    // serrations
    Set_Rgb(cr, Shade(metal, 0.55f));
    cairo_set_line_width(cr, 1);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, x + s * (0.22 + k * 0.025), y + s * 0.38);
        cairo_line_to(cr, x + s * (0.22 + k * 0.025), y + s * 0.48);
    }
    cairo_stroke(cr);
}

// A long gun: wooden stock and fore-end, receiver, barrel. kind 0 rifle (bolt and sling
// swivels), 1 double shotgun, 2 pump shotgun.
void Long_Gun(cairo_t* cr, double x, double y, double s, int kind, Rgba wood, Rgba metal) {
    // butt stock
    Poly(cr, {{x + s * 0.03, y + s * 0.5}, {x + s * 0.06, y + s * 0.62}, {x + s * 0.36, y + s * 0.54},
              {x + s * 0.38, y + s * 0.48}, {x + s * 0.3, y + s * 0.45}});
    Solid(cr, wood, y + s * 0.45, y + s * 0.62);
    // receiver
    Box(cr, x + s * 0.34, y + s * 0.44, s * 0.16, s * 0.08, s * 0.015, metal);
    // barrel(s)
    const double len = kind == 0 ? 0.46 : 0.42;
    if (kind == 1) {
        Box(cr, x + s * 0.48, y + s * 0.435, s * len, s * 0.035, s * 0.01, metal);
        Box(cr, x + s * 0.48, y + s * 0.47, s * len, s * 0.035, s * 0.01, Shade(metal, 0.8f));
    } else {
        Box(cr, x + s * 0.48, y + s * 0.445, s * len, s * 0.035, s * 0.01, metal);
    }
    // fore-end
    if (kind == 2) {
        Box(cr, x + s * 0.56, y + s * 0.48, s * 0.18, s * 0.06, s * 0.02, Shade(metal, 0.65f)); // pump
        for (int k = 0; k < 5; ++k) {
            cairo_move_to(cr, x + s * (0.58 + k * 0.03), y + s * 0.485);
            cairo_line_to(cr, x + s * (0.58 + k * 0.03), y + s * 0.535);
        }
        Set_Rgb(cr, kInk);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Box(cr, x + s * 0.48, y + s * 0.48, s * 0.42, s * 0.025, s * 0.01, Shade(metal, 0.8f)); // magazine tube
    } else {
        Box(cr, x + s * 0.46, y + s * 0.475, s * (kind == 0 ? 0.36 : 0.2), s * 0.045, s * 0.015, wood);
    }
    // trigger and guard
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.4, y + s * 0.53, s * 0.04, 0, kPi);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    if (kind == 0) { // bolt handle and front sight
        cairo_move_to(cr, x + s * 0.46, y + s * 0.45);
        cairo_line_to(cr, x + s * 0.44, y + s * 0.4);
        Set_Rgb(cr, kSteel);
        cairo_set_line_width(cr, s * 0.02);
        cairo_stroke(cr);
        Disc(cr, x + s * 0.44, y + s * 0.4, s * 0.015, kSteel);
        Box(cr, x + s * 0.9, y + s * 0.425, s * 0.02, s * 0.025, 1, metal);
    } else {
        Disc(cr, x + s * 0.885, y + s * 0.435, s * 0.012, kBrass); // bead sight
    }
}

// The machine gun with its drum magazine, finned barrel and front grip.
void Thompson(cairo_t* cr, double x, double y, double s) {
    Poly(cr, {{x + s * 0.03, y + s * 0.46}, {x + s * 0.05, y + s * 0.6}, {x + s * 0.3, y + s * 0.52},
              {x + s * 0.3, y + s * 0.44}});
    Solid(cr, kWood, y + s * 0.44, y + s * 0.6);
    Box(cr, x + s * 0.28, y + s * 0.4, s * 0.3, s * 0.1, s * 0.02, kGunmetal);
    Box(cr, x + s * 0.56, y + s * 0.42, s * 0.26, s * 0.05, s * 0.01, kGunmetal);
    Set_Rgb(cr, Shade(kGunmetal, 1.6f));
    cairo_set_line_width(cr, 1.2);
    for (int k = 0; k < 7; ++k) { // cooling fins
        cairo_move_to(cr, x + s * (0.58 + k * 0.025), y + s * 0.42);
        cairo_line_to(cr, x + s * (0.58 + k * 0.025), y + s * 0.47);
    }
    cairo_stroke(cr);
    Box(cr, x + s * 0.82, y + s * 0.435, s * 0.1, s * 0.025, 1, kGunmetal);
    // pistol grips
    Poly(cr, {{x + s * 0.3, y + s * 0.5}, {x + s * 0.38, y + s * 0.5}, {x + s * 0.35, y + s * 0.66},
              {x + s * 0.28, y + s * 0.66}});
    Solid(cr, kWood, y + s * 0.5, y + s * 0.66);
    Poly(cr, {{x + s * 0.6, y + s * 0.47}, {x + s * 0.66, y + s * 0.47}, {x + s * 0.65, y + s * 0.6},
              {x + s * 0.6, y + s * 0.6}});
    Solid(cr, kWood, y + s * 0.47, y + s * 0.6);
    // the drum
    Disc(cr, x + s * 0.47, y + s * 0.58, s * 0.12, Shade(kGunmetal, 1.2f));
    Disc(cr, x + s * 0.47, y + s * 0.58, s * 0.04, kGunmetal);
}

// One cartridge standing upright: brass case and a lead or copper bullet.
void Cartridge(cairo_t* cr, double cx, double bottom, double w, double h, Rgba tip) {
    Box(cr, cx - w / 2, bottom - h * 0.62, w, h * 0.62, w * 0.15, kBrass);
    cairo_move_to(cr, cx - w * 0.42, bottom - h * 0.62);
    cairo_curve_to(cr, cx - w * 0.42, bottom - h * 0.95, cx + w * 0.42, bottom - h * 0.95, cx + w * 0.42,
                   bottom - h * 0.62);
    cairo_close_path(cr);
    Solid(cr, tip, bottom - h, bottom - h * 0.62);
}

void Shell(cairo_t* cr, double cx, double bottom, double w, double h) {
    Box(cr, cx - w / 2, bottom - h, w, h * 0.78, w * 0.2, kRed);
    Box(cr, cx - w * 0.55, bottom - h * 0.24, w * 1.1, h * 0.24, w * 0.1, kBrass);
}

void Watch(cairo_t* cr, double x, double y, double s, Rgba metal) {
    Box(cr, x + s * 0.42, y + s * 0.12, s * 0.16, s * 0.76, s * 0.05, Rgba{90, 60, 36, 255}); // strap
    Disc(cr, x + s * 0.5, y + s * 0.5, s * 0.24, metal);
    Disc(cr, x + s * 0.5, y + s * 0.5, s * 0.19, kWhite);
    Set_Rgb(cr, kInk);
    for (int k = 0; k < 12; ++k) {
        const double a = k * kPi / 6;
        cairo_arc(cr, x + s * (0.5 + 0.15 * std::cos(a)), y + s * (0.5 + 0.15 * std::sin(a)), s * 0.008, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + s * 0.5, y + s * 0.5);
    cairo_line_to(cr, x + s * 0.5, y + s * 0.38);
    cairo_move_to(cr, x + s * 0.5, y + s * 0.5);
    cairo_line_to(cr, x + s * 0.59, y + s * 0.54);
    cairo_stroke(cr);
    Disc(cr, x + s * 0.5, y + s * 0.24, s * 0.035, metal); // crown
}

void Gem(cairo_t* cr, double x, double y, double s, Rgba c) {
    const double cx = x + s * 0.5, top = y + s * 0.3;
    Poly(cr, {{cx - s * 0.28, top + s * 0.1}, {cx - s * 0.16, top}, {cx + s * 0.16, top}, {cx + s * 0.28, top + s * 0.1},
              {cx, top + s * 0.46}});
    Solid(cr, c, top, top + s * 0.46);
    Set_Rgb(cr, Shade(c, 1.8f), 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - s * 0.28, top + s * 0.1);
    cairo_line_to(cr, cx + s * 0.28, top + s * 0.1);
    cairo_move_to(cr, cx - s * 0.08, top);
    cairo_line_to(cr, cx - s * 0.12, top + s * 0.1);
    cairo_line_to(cr, cx, top + s * 0.46);
    cairo_line_to(cr, cx + s * 0.12, top + s * 0.1);
    cairo_line_to(cr, cx + s * 0.08, top);
    cairo_stroke(cr);
    Set_Rgb(cr, kWhite, 0.8); // glint
    cairo_arc(cr, cx - s * 0.1, top + s * 0.05, s * 0.025, 0, 2 * kPi);
    cairo_fill(cr);
}

void Helmet(cairo_t* cr, double x, double y, double s, Rgba c) {
    // the wide brim and the dome seen from the side
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.5, y + s * 0.6);
    cairo_scale(cr, 1.0, 0.32);
    cairo_arc(cr, 0, 0, s * 0.4, 0, 2 * kPi);
    cairo_restore(cr);
    Solid(cr, Shade(c, 0.85f), y + s * 0.5, y + s * 0.7);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.5, y + s * 0.6, s * 0.25, kPi, 2 * kPi);
    cairo_close_path(cr);
    Solid(cr, c, y + s * 0.35, y + s * 0.6);
    Box(cr, x + s * 0.3, y + s * 0.62, s * 0.4, s * 0.03, 1, Rgba{90, 64, 40, 255}); // chin strap
}

void Boxers(cairo_t* cr, double x, double y, double s, Rgba c) {
    Poly(cr, {{x + s * 0.22, y + s * 0.3}, {x + s * 0.78, y + s * 0.3}, {x + s * 0.82, y + s * 0.72},
              {x + s * 0.56, y + s * 0.72}, {x + s * 0.5, y + s * 0.5}, {x + s * 0.44, y + s * 0.72},
              {x + s * 0.18, y + s * 0.72}});
    Solid(cr, c, y + s * 0.3, y + s * 0.72);
    Box(cr, x + s * 0.21, y + s * 0.27, s * 0.58, s * 0.07, s * 0.02, kWhite); // waistband
    Set_Rgb(cr, kWhite, 0.85); // hearts of the print
    for (auto [dx, dy] : {std::pair{0.32, 0.45}, {0.66, 0.45}, {0.3, 0.62}, {0.7, 0.62}}) {
        cairo_arc(cr, x + s * dx, y + s * dy, s * 0.025, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Cap(cairo_t* cr, double x, double y, double s) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.5, y + s * 0.58, s * 0.24, kPi, 2 * kPi);
    cairo_close_path(cr);
    Solid(cr, kOlive, y + s * 0.34, y + s * 0.58);
    Poly(cr, {{x + s * 0.66, y + s * 0.56}, {x + s * 0.86, y + s * 0.6}, {x + s * 0.84, y + s * 0.64},
              {x + s * 0.66, y + s * 0.62}});
    Solid(cr, Shade(kOlive, 0.6f), y + s * 0.56, y + s * 0.64); // peak
    Box(cr, x + s * 0.26, y + s * 0.56, s * 0.42, s * 0.06, 2, Shade(kOlive, 0.8f));
    Disc(cr, x + s * 0.5, y + s * 0.46, s * 0.04, kBrass); // badge
}

void Grenade(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.5, y + s * 0.5);
    cairo_rotate(cr, -0.6);
    Box(cr, -s * 0.06, -s * 0.05, s * 0.12, s * 0.42, s * 0.02, kWood); // handle
    Box(cr, -s * 0.13, -s * 0.34, s * 0.26, s * 0.3, s * 0.04, Rgba{70, 74, 64, 255}); // can
    Set_Rgb(cr, kInk);
    cairo_rectangle(cr, -s * 0.13, -s * 0.1, s * 0.26, s * 0.03);
    cairo_fill(cr);
    Disc(cr, 0, s * 0.39, s * 0.03, kWhite); // pull cord bead
    cairo_restore(cr);
}

void First_Aid(cairo_t* cr, double x, double y, double s) {
    Box(cr, x + s * 0.4, y + s * 0.22, s * 0.2, s * 0.1, s * 0.03, Shade(kWhite, 0.8f)); // handle
    Box(cr, x + s * 0.2, y + s * 0.3, s * 0.6, s * 0.42, s * 0.05, kWhite);
    Set_Rgb(cr, kRed);
    cairo_rectangle(cr, x + s * 0.45, y + s * 0.38, s * 0.1, s * 0.26);
    cairo_rectangle(cr, x + s * 0.37, y + s * 0.46, s * 0.26, s * 0.1);
    cairo_fill(cr);
}

void Lantern(cairo_t* cr, double x, double y, double s) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.5, y + s * 0.24, s * 0.08, kPi, 2 * kPi);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Box(cr, x + s * 0.34, y + s * 0.26, s * 0.32, s * 0.08, 3, kGunmetal);
    Rounded_Rect(cr, x + s * 0.36, y + s * 0.34, s * 0.28, s * 0.3, 8);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + s * 0.5, y + s * 0.5, 2, x + s * 0.5, y + s * 0.5, s * 0.2);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.95, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.85, 0.55, 0.15);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Ink(cr, 1.6, kInkTone);
    Box(cr, x + s * 0.32, y + s * 0.64, s * 0.36, s * 0.08, 3, kGunmetal);
}

void Crown(cairo_t* cr, double x, double y, double s) {
    Poly(cr, {{x + s * 0.2, y + s * 0.68}, {x + s * 0.18, y + s * 0.34}, {x + s * 0.34, y + s * 0.5},
              {x + s * 0.5, y + s * 0.28}, {x + s * 0.66, y + s * 0.5}, {x + s * 0.82, y + s * 0.34},
              {x + s * 0.8, y + s * 0.68}});
    Solid(cr, kGold, y + s * 0.28, y + s * 0.68);
    Box(cr, x + s * 0.18, y + s * 0.62, s * 0.64, s * 0.08, 2, Shade(kGold, 0.85f));
    Disc(cr, x + s * 0.5, y + s * 0.66, s * 0.03, kRed);
    Disc(cr, x + s * 0.32, y + s * 0.66, s * 0.025, Rgba{40, 140, 80, 255});
    Disc(cr, x + s * 0.68, y + s * 0.66, s * 0.025, Rgba{40, 80, 170, 255});
    for (double dx : {0.18, 0.5, 0.82}) Disc(cr, x + s * dx, y + s * (dx == 0.5 ? 0.27 : 0.33), s * 0.03, kWhite);
}

void Cig_Card(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.5, y + s * 0.5);
    cairo_rotate(cr, -0.15);
    Box(cr, -s * 0.2, -s * 0.3, s * 0.4, s * 0.6, 4, kPaper);
    Rounded_Rect(cr, -s * 0.16, -s * 0.25, s * 0.32, s * 0.36, 3);
    Set_Rgb(cr, Rgba{120, 150, 180, 255});
    cairo_fill(cr);
    Disc(cr, 0, -s * 0.1, s * 0.07, Rgba{222, 180, 140, 255});
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -s * 0.13, s * 0.08, kPi, 2 * kPi);
    Set_Rgb(cr, kOlive);
    cairo_fill(cr);
    Set_Rgb(cr, kInk);
    cairo_rectangle(cr, -s * 0.12, s * 0.16, s * 0.24, s * 0.025);
    cairo_rectangle(cr, -s * 0.1, s * 0.21, s * 0.2, s * 0.02);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Coin(cairo_t* cr, double cx, double cy, double r) {
    Disc(cr, cx, cy, r, kGold);
    Set_Rgb(cr, Shade(kGold, 0.6f));
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, cx, cy, r * 0.7, 0, 2 * kPi);
    cairo_stroke(cr);
}

// The hints: goods and gold (buy), an open hand over a coin (sell), a spanner across a gear
// (upgrade).
void Hint(cairo_t* cr, double x, double y, double s, int which) {
    if (which == 0) {
        Box(cr, x + s * 0.14, y + s * 0.42, s * 0.44, s * 0.32, 3, Rgba{150, 110, 60, 255}); // crate
        Set_Rgb(cr, kInk);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, x + s * 0.14, y + s * 0.42);
        cairo_line_to(cr, x + s * 0.58, y + s * 0.74);
        cairo_move_to(cr, x + s * 0.58, y + s * 0.42);
        cairo_line_to(cr, x + s * 0.14, y + s * 0.74);
        cairo_stroke(cr);
        for (int k = 0; k < 4; ++k) Coin(cr, x + s * 0.72, y + s * (0.72 - k * 0.06), s * 0.11);
        Caption(cr, "?", x + s * 0.52, y + s * 0.08, s * 0.4, s * 0.32, s * 0.3, kGold);
    } else if (which == 1) {
        Coin(cr, x + s * 0.5, y + s * 0.3, s * 0.13);
        // the palm and four fingers, open upward
        Box(cr, x + s * 0.28, y + s * 0.5, s * 0.44, s * 0.22, s * 0.08, Rgba{222, 180, 140, 255});
        for (int k = 0; k < 4; ++k)
            Box(cr, x + s * (0.29 + k * 0.105), y + s * 0.43, s * 0.09, s * 0.14, s * 0.04, Rgba{222, 180, 140, 255});
        Box(cr, x + s * 0.3, y + s * 0.72, s * 0.4, s * 0.12, 3, kOlive); // the sleeve
    } else {
        const double cx = x + s * 0.5, cy = y + s * 0.5;
        cairo_new_sub_path(cr);
        for (int k = 0; k < 16; ++k) { // the gear's teeth
            const double a = k * kPi / 8, r = (k % 2) ? s * 0.24 : s * 0.3;
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
        cairo_close_path(cr);
        Solid(cr, kSteel, cy - s * 0.3, cy + s * 0.3);
        Disc(cr, cx, cy, s * 0.09, kGunmetal);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -0.75);
        Box(cr, -s * 0.4, -s * 0.045, s * 0.6, s * 0.09, s * 0.03, kSilver);
        cairo_new_sub_path(cr);
        cairo_arc(cr, s * 0.24, 0, s * 0.1, 0, 2 * kPi);
        Solid(cr, kSilver, -s * 0.1, s * 0.1);
        Set_Rgb(cr, kFelt); // the jaw's opening
        cairo_rectangle(cr, s * 0.26, -s * 0.035, s * 0.1, s * 0.07);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void Good_Shape(cairo_t* cr, const std::string& g, double x, double y, double s);

// The display board's frame: a dark wooden frame round a felt field with a soft light.
void Display_Frame(cairo_t* cr, double x, double y, double w, double h) {
    Rounded_Rect(cr, x + 2, y + 2, w - 4, h - 4, 8);
    Set_Rgb(cr, Rgba{70, 46, 26, 255});
    cairo_fill(cr);
    Rounded_Rect(cr, x + 7, y + 7, w - 14, h - 14, 5);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.5, y + h * 0.4, 4, x + w * 0.5, y + h * 0.5, w * 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.42, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.07, 0.16, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Set_Rgb(cr, kGold, 0.7);
    cairo_set_line_width(cr, 1.5);
    Rounded_Rect(cr, x + 7, y + 7, w - 14, h - 14, 5);
    cairo_stroke(cr);
}

void Good(cairo_t* cr, int k, double x, double y, double s) {
    const std::string g = GOODS[k];
    // long guns stand out better a little stouter than true
    const bool stout = g == "enfield" || g == "farmers" || g == "combat_shotgun" || g == "thompson";
    cairo_save(cr);
    if (stout) {
        cairo_translate(cr, 0, y + s * 0.5);
        cairo_scale(cr, 1.0, 1.6);
        cairo_translate(cr, 0, -(y + s * 0.5));
    }
    Good_Shape(cr, g, x, y, s);
    cairo_restore(cr);
}

// The ammunition on the board: shells standing, a tin of machine-gun rounds, a box of pistol
// rounds and a stripper clip of rifle rounds.
void Shells(cairo_t* cr, double x, double y, double s) {
    for (int k2 = 0; k2 < 3; ++k2) Shell(cr, x + s * (0.32 + k2 * 0.18), y + s * 0.74, s * 0.13, s * 0.42);
}
void Mg_Ammo(cairo_t* cr, double x, double y, double s) {
    Box(cr, x + s * 0.16, y + s * 0.52, s * 0.68, s * 0.24, 3, kOlive); // the ammunition tin
    Caption(cr, ".45", x + s * 0.16, y + s * 0.55, s * 0.68, s * 0.2, s * 0.14, kPaper, true, false);
    for (int k2 = 0; k2 < 6; ++k2) Cartridge(cr, x + s * (0.24 + k2 * 0.1), y + s * 0.52, s * 0.07, s * 0.26, Rgba{190, 110, 60, 255});
}
void Pistol_Ammo(cairo_t* cr, double x, double y, double s) {
    Box(cr, x + s * 0.2, y + s * 0.5, s * 0.6, s * 0.26, 3, Rgba{200, 170, 110, 255}); // cardboard box
    Caption(cr, "50", x + s * 0.2, y + s * 0.53, s * 0.6, s * 0.2, s * 0.16, kRed, true, false);
    for (int k2 = 0; k2 < 5; ++k2) Cartridge(cr, x + s * (0.28 + k2 * 0.11), y + s * 0.5, s * 0.08, s * 0.2, kSteel);
}
void Rifle_Ammo(cairo_t* cr, double x, double y, double s) {
    Box(cr, x + s * 0.2, y + s * 0.7, s * 0.6, s * 0.05, 1, kGunmetal); // the stripper clip
    for (int k2 = 0; k2 < 5; ++k2) Cartridge(cr, x + s * (0.27 + k2 * 0.115), y + s * 0.7, s * 0.08, s * 0.48, Rgba{190, 110, 60, 255});
}

// The goods, one picture each, drawn in the square of side s at (x, y).
struct Named_Good {
    const char* name;
    void (*draw)(cairo_t* cr, double x, double y, double s);
};
// clang-format off
const Named_Good kGoods[] = {
    {"weston", [](cairo_t* cr, double x, double y, double s) { Pistol(cr, x + s * 0.05, y + s * 0.05, s * 0.9, kSteel, kWood, false, 0.08); }},
    {"luger", [](cairo_t* cr, double x, double y, double s) { Pistol(cr, x + s * 0.05, y + s * 0.05, s * 0.9, kGunmetal, Rgba{110, 70, 40, 255}, true, 0.14); }},
    {"colt", [](cairo_t* cr, double x, double y, double s) { Pistol(cr, x + s * 0.05, y + s * 0.05, s * 0.9, Rgba{36, 38, 44, 255}, Rgba{70, 50, 36, 255}, false, 0.1); }},
    {"enfield", [](cairo_t* cr, double x, double y, double s) { Long_Gun(cr, x, y, s, 0, kWood, kGunmetal); }},
    {"farmers", [](cairo_t* cr, double x, double y, double s) { Long_Gun(cr, x, y, s, 1, Rgba{150, 100, 56, 255}, kSteel); }},
    {"combat_shotgun", [](cairo_t* cr, double x, double y, double s) { Long_Gun(cr, x, y, s, 2, Rgba{60, 56, 50, 255}, kGunmetal); }},
    {"thompson", [](cairo_t* cr, double x, double y, double s) { Thompson(cr, x, y, s); }},
    {"silver_watch", [](cairo_t* cr, double x, double y, double s) { Watch(cr, x, y, s, kSilver); }},
    {"brass_watch", [](cairo_t* cr, double x, double y, double s) { Watch(cr, x, y, s, kBrass); }},
    {"gold_watch", [](cairo_t* cr, double x, double y, double s) { Watch(cr, x, y, s, kGold); }},
    {"cig_card", [](cairo_t* cr, double x, double y, double s) { Cig_Card(cr, x, y, s); }},
    {"shells", Shells},
    {"mg_ammo", Mg_Ammo},
    {"pistol_ammo", Pistol_Ammo},
    {"rifle_ammo", Rifle_Ammo},
    {"grenade", [](cairo_t* cr, double x, double y, double s) { Grenade(cr, x, y, s); }},
    {"lantern", [](cairo_t* cr, double x, double y, double s) { Lantern(cr, x, y, s); }},
    {"crown", [](cairo_t* cr, double x, double y, double s) { Crown(cr, x, y, s); }},
    {"emerald", [](cairo_t* cr, double x, double y, double s) { Gem(cr, x, y, s, Rgba{30, 150, 80, 255}); }},
    {"ruby", [](cairo_t* cr, double x, double y, double s) { Gem(cr, x, y, s, Rgba{190, 30, 50, 255}); }},
    {"diamond", [](cairo_t* cr, double x, double y, double s) { Gem(cr, x, y, s, Rgba{190, 220, 240, 255}); }},
    {"first_aid", [](cairo_t* cr, double x, double y, double s) { First_Aid(cr, x, y, s); }},
    {"hint_buy", [](cairo_t* cr, double x, double y, double s) { Hint(cr, x, y, s, 0); }},
    {"hint_sell", [](cairo_t* cr, double x, double y, double s) { Hint(cr, x, y, s, 1); }},
    {"hint_upgrade", [](cairo_t* cr, double x, double y, double s) { Hint(cr, x, y, s, 2); }},
    {"helmet", [](cairo_t* cr, double x, double y, double s) { Helmet(cr, x, y, s, Rgba{110, 120, 80, 255}); }},
    {"boxers", [](cairo_t* cr, double x, double y, double s) { Boxers(cr, x, y, s, Rgba{170, 50, 50, 255}); }},
    {"trench_cap", [](cairo_t* cr, double x, double y, double s) { Cap(cr, x, y, s); }},
};
// clang-format on

void Good_Shape(cairo_t* cr, const std::string& g, double x, double y, double s) {
    for (const Named_Good& n : kGoods)
        if (g == n.name) return n.draw(cr, x, y, s);
}

// ---- The painters ----

} // namespace

// The display board: animation k shows GOODS[k] on the board (0 and 20 the empty board).
bool Shop_Goods(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int size = r.Int("size", 128, 64, 256);
    std::vector<std::vector<int>> a;
    for (int k = 0; k < GOODS_PICTURES; ++k) a.push_back({k});
    return Write_Sheet(root, image, SheetLayout{size, size, 8, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Display_Frame(cr, x, y, w, h);
                           if (f < GOODS_PICTURES) Good(cr, f, x + w * 0.05, y + h * 0.05, w * 0.9);
                       },
                       a, 0.5f, 0.5f);
}

namespace {

} // namespace

// A row of the shop's list: 0 lit, 1 dimmed (sold out or not offered), 2 at rest, 3 lit
// while dimmed. Drawn with soft alpha, so the slot is plain (kinds 0 and 2).
bool Shop_Row(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int w = r.Int("w", 512, 64, 1024), h = r.Int("h", 48, 16, 128);
    return Write_Sheet(root, image, SheetLayout{w, h, 1, 4}, false,
                       [&](cairo_t* cr, int f, double x, double y, double cw, double ch) {
                           const bool lit = f == 0 || f == 3, dim = f == 1 || f == 3;
                           Rounded_Rect(cr, x + 2, y + 3, cw - 4, ch - 6, ch * 0.25);
                           Set_Rgb(cr, dim ? Rgba{60, 20, 16, 255} : lit ? Rgba{120, 92, 30, 255} : kInk,
                                   lit ? 0.75 : dim ? 0.6 : 0.35);
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, lit ? kGold : dim ? kRed : Rgba{120, 110, 90, 255}, lit ? 1.0 : 0.6);
                           cairo_set_line_width(cr, lit ? 3 : 1.5);
                           cairo_stroke(cr);
                           if (dim) { // a rubber stamp across the line
                               Set_Rgb(cr, kRed, 0.8);
                               cairo_set_line_width(cr, 2.5);
                               cairo_move_to(cr, x + 10, y + ch / 2);
                               cairo_line_to(cr, x + cw - 10, y + ch / 2);
                               cairo_stroke(cr);
                           }
                       },
                       {{0}, {1}, {2}, {3}}, 0.5f, 0.05f);
}

namespace {

} // namespace

// A banner with one animation per caption: texts=A,B,C.
bool Shop_Banner(const std::string& root, const std::string& image, const Arg_Reader& r) {
    std::vector<std::string> texts(1);
    for (char c : r.Str("texts", "")) {
        if (c == ',') texts.emplace_back();
        else texts.back() += c;
    }
    if (texts.size() > 8) {
        r.error = "at most 8 captions";
        return false;
    }
    std::vector<std::vector<int>> a;
    for (int k = 0; k < (int)texts.size(); ++k) a.push_back({k});
    // The sprite drawer reads a sheet of 1, 2, 4 or 8 rows; the spare cells stay empty.
    int rows = 1;
    while (rows < (int)texts.size()) rows *= 2;
    return Write_Sheet(root, image, SheetLayout{512, 96, 1, rows}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f >= (int)texts.size()) return;
                           // a cloth ribbon with folded ends
                           for (int side : {-1, 1}) {
                               const double ex = side < 0 ? x + 4 : x + w - 4, ix = side < 0 ? x + 60 : x + w - 60;
                               Poly(cr, {{ex, y + h * 0.3}, {ix, y + h * 0.3}, {ix, y + h * 0.9}, {ex, y + h * 0.9},
                                         {ex - side * 22, y + h * 0.6}});
                               Solid(cr, Shade(kRed, 0.6f), y + h * 0.3, y + h * 0.9);
                           }
                           Rounded_Rect(cr, x + 40, y + 6, w - 80, h * 0.72, 6);
                           Solid(cr, kRed, y + 6, y + h * 0.75);
                           Set_Rgb(cr, kGold);
                           cairo_set_line_width(cr, 2);
                           Rounded_Rect(cr, x + 48, y + 12, w - 96, h * 0.72 - 12, 4);
                           cairo_stroke(cr);
                           Caption(cr, texts[f], x + 50, y + 8, w - 100, h * 0.7, h * 0.44, kPaper);
                       },
                       a, 0.6f, 0.12f);
}

namespace {

} // namespace

// The message sheet of the shop's box (a texture slot of its own in place of the HUD's):
// m<k>=text draws a note with that text as animation k, b<k>=text a button at rest and
// lit<k>=text a lit button; the other animations up to `anims` are plain notes.
bool Shop_Message(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int n = r.Int("anims", 18, 1, 32);
    std::vector<std::vector<int>> a;
    for (int k = 0; k < n; ++k) a.push_back({k});
    return Write_Sheet(root, image, SheetLayout{256, 128, 8, 4}, true, // 4 rows, as the sprite drawer reads them
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const std::string k = std::to_string(f);
                           const std::string button = r.Str("b" + k, ""), lit = r.Str("lit" + k, "");
                           if (!button.empty() || !lit.empty()) {
                               const Rgba c = lit.empty() ? kOlive : Shade(kOlive, 1.4f);
                               Rounded_Rect(cr, x + 6, y + 10, w - 12, h - 20, 18);
                               Solid(cr, c, y + 10, y + h - 10);
                               Set_Rgb(cr, lit.empty() ? Shade(kPaper, 0.8f) : kGold);
                               cairo_set_line_width(cr, lit.empty() ? 2 : 5);
                               Rounded_Rect(cr, x + 14, y + 18, w - 28, h - 36, 12);
                               cairo_stroke(cr);
                               Caption(cr, lit.empty() ? button : lit, x + 16, y + 18, w - 32, h - 36, h * 0.42,
                                       lit.empty() ? kPaper : kWhite);
                               return;
                           }
                           // a paper note pinned to a dark board
                           Rounded_Rect(cr, x + 2, y + 2, w - 4, h - 4, 10);
                           Set_Rgb(cr, Rgba{60, 40, 24, 255});
                           cairo_fill(cr);
                           Rounded_Rect(cr, x + 8, y + 8, w - 16, h - 16, 6);
                           Set_Rgb(cr, kPaper);
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, kGold);
                           cairo_set_line_width(cr, 2);
                           cairo_stroke(cr);
                           Disc(cr, x + w / 2, y + 12, 5, kRed);
                           const std::string text = r.Str("m" + k, "");
                           if (!text.empty()) Caption(cr, text, x + 14, y + 18, w - 28, h * 0.5, h * 0.24, kInk, true, false);
                       },
                       a, 0.6f, 0.3f);
}

namespace {

} // namespace

// The parts of the list's scroll bar and the markers: part=up|down|thumb|track|marker|coin.
// Arrows and the thumb have a rest and a lit look; the marker blinks.
bool Shop_Part(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string part = r.Str("part", "up");
    if (part != "up" && part != "down" && part != "thumb" && part != "track" && part != "marker" && part != "coin") {
        r.error = "unknown part '" + part + "'";
        return false;
    }
    const bool tall = part == "track";
    const SheetLayout l = tall ? SheetLayout{32, 256, 2, 1} : SheetLayout{64, 64, 2, 1};
    return Write_Sheet(root, image, l, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (part == "track") {
                               Rounded_Rect(cr, x + w * 0.3, y + 2, w * 0.4, h - 4, w * 0.2);
                               Solid(cr, Rgba{60, 40, 24, 255}, y, y + h);
                           } else if (part == "thumb") {
                               Rounded_Rect(cr, x + 8, y + 8, w - 16, h - 16, 10);
                               Solid(cr, f ? Shade(kGold, 1.2f) : kGold, y + 8, y + h - 8);
                           } else if (part == "marker") {
                               if (f) return; // the blink's dark half
                               Poly(cr, {{x + w * 0.2, y + h * 0.2}, {x + w * 0.8, y + h * 0.5}, {x + w * 0.2, y + h * 0.8}});
                               Solid(cr, kGold, y + h * 0.2, y + h * 0.8);
                           } else if (part == "coin") {
                               Coin(cr, x + w / 2, y + h / 2, w * 0.4);
                           } else {
                               Rounded_Rect(cr, x + 4, y + 4, w - 8, h - 8, 10);
                               Solid(cr, f ? Shade(kOlive, 1.4f) : kOlive, y + 4, y + h - 4);
                               const double t = part == "up" ? 0.28 : 0.72, b = part == "up" ? 0.68 : 0.32;
                               Poly(cr, {{x + w * 0.5, y + h * t}, {x + w * 0.74, y + h * b}, {x + w * 0.26, y + h * b}});
                               Set_Rgb(cr, f ? kGold : kPaper);
                               cairo_fill(cr);
                           }
                       },
                       part == "marker" ? std::vector<std::vector<int>>{{0, 1}} : std::vector<std::vector<int>>{{0}, {1}},
                       0.07f, tall ? 0.5f : 0.07f, part == "marker" ? 250 : 100);
}

namespace {

} // namespace

// The room behind a screen, a whole-view backdrop (512 x 320): room=shop the trading post's
// counter with shelves of goods, room=cards a card table's green baize under a lamp.
bool Shop_Room(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string room = r.Str("room", "shop");
    if (room != "shop" && room != "cards") {
        r.error = "unknown room '" + room + "'";
        return false;
    }
    const double W = 512, H = 320;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    // plank walls of the hut
    for (int k = 0; k < 16; ++k) {
        cairo_rectangle(cr, k * 32, 0, 32, H);
        Set_Rgb(cr, Mix(Rgba{96, 66, 40, 255}, Rgba{76, 52, 32, 255}, (k * 7 % 5) / 5.0f));
        cairo_fill_preserve(cr);
        Set_Rgb(cr, Rgba{40, 26, 16, 255});
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    if (room == "shop") {
        // shelves with goods along the top
        for (int row = 0; row < 2; ++row) {
            const double sy = 44 + row * 40;
            for (int k = 0; k < 13; ++k) {
                const double gx = 18 + k * 37;
                const int kind = (k + row * 3) % 5;
                if (kind == 0) Box(cr, gx, sy - 22, 26, 22, 2, Rgba{150, 110, 60, 255});      // crate
                else if (kind == 1) Box(cr, gx + 4, sy - 26, 16, 26, 4, Rgba{70, 90, 60, 255}); // tin
                else if (kind == 2) Shell(cr, gx + 12, sy, 8, 22);
                else if (kind == 3) Box(cr, gx, sy - 14, 30, 14, 3, kOlive);                    // ammunition box
                else Disc(cr, gx + 12, sy - 11, 10, Rgba{110, 120, 80, 255});                    // helmet
            }
            Box(cr, 0, sy, W, 7, 1, Rgba{60, 40, 24, 255});
        }
        // rifles on the wall racks at the sides
        for (int k = 0; k < 3; ++k) {
            cairo_save(cr);
            cairo_translate(cr, 8 + k * 16, 250);
            cairo_rotate(cr, -kPi / 2);
            Long_Gun(cr, 0, -40, 150, k % 2, kWood, kGunmetal);
            cairo_restore(cr);
        }
        // the counter across the foot of the room
        Box(cr, -4, H - 46, W + 8, 50, 4, Rgba{110, 74, 42, 255});
        Box(cr, -4, H - 52, W + 8, 10, 3, Rgba{140, 96, 56, 255});
        Lantern(cr, W - 74, 0, 64);
    } else {
        // the lamp's pool of light over the baize
        cairo_save(cr);
        cairo_translate(cr, W / 2, H * 0.58);
        cairo_scale(cr, 1.0, 0.5);
        cairo_arc(cr, 0, 0, W * 0.6, 0, 2 * kPi);
        cairo_restore(cr);
        Set_Rgb(cr, Rgba{90, 56, 30, 255});
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, W / 2, H * 0.58);
        cairo_scale(cr, 1.0, 0.5);
        cairo_arc(cr, 0, 0, W * 0.56, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(W / 2, H * 0.5, 10, W / 2, H * 0.58, W * 0.56);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.5, 0.3);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.2, 0.1);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        Set_Rgb(cr, kGold, 0.5);
        cairo_set_line_width(cr, 1.5);
        for (double rr : {0.4, 0.41}) {
            cairo_save(cr);
            cairo_translate(cr, W / 2, H * 0.58);
            cairo_scale(cr, 1.0, 0.5);
            cairo_arc(cr, 0, 0, W * rr, kPi * 0.05, kPi * 0.95);
            cairo_restore(cr);
            cairo_stroke(cr);
        }
        // a stack of chips and a glass by the dealer's place
        for (int k = 0; k < 5; ++k) {
            cairo_save(cr);
            cairo_translate(cr, 80, H * 0.6 - k * 3);
            cairo_scale(cr, 1.0, 0.4);
            cairo_arc(cr, 0, 0, 12, 0, 2 * kPi);
            cairo_restore(cr);
            Solid(cr, k % 2 ? kRed : kWhite, H * 0.6 - 20, H * 0.6);
        }
        Box(cr, W - 96, H * 0.52, 16, 24, 3, Rgba{200, 180, 120, 255});
        // the hanging lamp
        Set_Rgb(cr, kInk);
        cairo_rectangle(cr, W / 2 - 1, 0, 2, 24);
        cairo_fill(cr);
        Poly(cr, {{W / 2 - 40, 44}, {W / 2 - 14, 22}, {W / 2 + 14, 22}, {W / 2 + 40, 44}});
        Solid(cr, kOlive, 22, 44);
        Set_Rgb(cr, Rgba{255, 236, 160, 255});
        cairo_arc(cr, W / 2, 46, 8, 0, kPi);
        cairo_fill(cr);
    }
    writers::AnimDef d;
    d.width = 1.0f;
    d.height = 1.0f;
    d.anims = {{0}};
    return p.Save(root + "/" + image + ".tga", false) && writers::Write_Anim_Def(root + "/" + image + ".dat", d);
}

namespace {

} // namespace

// The card dealer behind the table, from the waist up: 0 dealing (the hand moves), 1 still,
// 2 waiting (drumming fingers), 3 sour (the player won), 4 grinning (the dealer won).
bool Shop_Dealer(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const Rgba coat = r.Str("coat", "steel") == "red" ? kRed : Rgba{60, 70, 84, 255};
    const Rgba skin{222, 180, 140, 255};
    // cells: 0, 1 dealing; 2 still; 3, 4 waiting; 5 sour; 6, 7 grinning
    return Write_Sheet(root, image, SheetLayout{128, 128, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2;
                           // body and arms
                           Poly(cr, {{cx - w * 0.34, y + h}, {cx - w * 0.26, y + h * 0.56}, {cx + w * 0.26, y + h * 0.56},
                                     {cx + w * 0.34, y + h}});
                           Solid(cr, coat, y + h * 0.56, y + h);
                           Poly(cr, {{cx - w * 0.06, y + h * 0.56}, {cx + w * 0.06, y + h * 0.56}, {cx, y + h * 0.72}});
                           Set_Rgb(cr, kWhite);
                           cairo_fill(cr);
                           const double reach = f == 0 ? 0.0 : f == 1 ? 0.12 : f == 3 ? 0.03 : f == 4 ? -0.03 : 0.0;
                           for (int side : {-1, 1}) {
                               const double hx = cx + side * w * (0.3 + (side > 0 ? reach : 0)), hy = y + h * 0.9;
                               cairo_move_to(cr, cx + side * w * 0.24, y + h * 0.62);
                               cairo_line_to(cr, hx, hy);
                               Set_Rgb(cr, Shade(coat, 0.8f));
                               cairo_set_line_width(cr, w * 0.1);
                               cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                               cairo_stroke(cr);
                               Disc(cr, hx, hy, w * 0.05, skin);
                           }
                           if (f <= 1) Box(cr, cx + w * (0.3 + reach) - 6, y + h * 0.8, 12, 16, 2, kWhite); // a card
                           // head, visor cap
                           Disc(cr, cx, y + h * 0.38, w * 0.17, skin);
                           Poly(cr, {{cx - w * 0.2, y + h * 0.27}, {cx + w * 0.2, y + h * 0.27}, {cx + w * 0.12, y + h * 0.2},
                                     {cx - w * 0.12, y + h * 0.2}});
                           Solid(cr, Rgba{40, 120, 70, 255}, y + h * 0.2, y + h * 0.28);
                           Set_Rgb(cr, kInk);
                           const double ey = y + h * 0.37;
                           for (int side : {-1, 1}) {
                               cairo_arc(cr, cx + side * w * 0.06, ey, f == 5 ? 1.5 : 2.5, 0, 2 * kPi);
                               cairo_fill(cr);
                           }
                           // moustache and mouth by mood
                           cairo_set_line_width(cr, 2.5);
                           cairo_move_to(cr, cx - w * 0.07, y + h * 0.44);
                           cairo_curve_to(cr, cx - w * 0.03, y + h * 0.42, cx + w * 0.03, y + h * 0.42, cx + w * 0.07,
                                          y + h * 0.44);
                           cairo_stroke(cr);
                           cairo_set_line_width(cr, 2);
                           if (f >= 6) {
                               cairo_arc(cr, cx, y + h * 0.46, w * 0.05, 0.2, kPi - 0.2);
                           } else if (f == 5) {
                               cairo_arc(cr, cx, y + h * 0.5, w * 0.04, kPi + 0.3, 2 * kPi - 0.3);
                           } else {
                               cairo_move_to(cr, cx - w * 0.03, y + h * 0.48);
                               cairo_line_to(cr, cx + w * 0.03, y + h * 0.48);
                           }
                           cairo_stroke(cr);
                           if (f == 7) Caption(cr, "Ha!", x + w * 0.62, y + h * 0.04, w * 0.36, h * 0.2, h * 0.14, kGold);
                       },
                       {{0, 1}, {2}, {3, 4}, {5}, {6, 7}}, 0.35f, 0.35f, 300);
}

} // namespace painters
