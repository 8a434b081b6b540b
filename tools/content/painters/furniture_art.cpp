// The furniture of the underground places and the ship, seen from above; see furniture_art.h.
#include "content/painters/furniture_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Rgba;

const Rgba kWood{150, 104, 60, 255}, kDarkWood{96, 62, 36, 255}, kBurlap{190, 164, 112, 255},
    kFlour{226, 220, 204, 255}, kIron{60, 62, 64, 255}, kSteel{118, 126, 132, 255}, kStone{150, 146, 136, 255},
    kRed{176, 40, 32, 255}, kOlive{92, 104, 62, 255}, kPaper{232, 224, 200, 255}, kBrass{196, 160, 70, 255},
    kBlanket{96, 100, 86, 255}, kLinen{226, 226, 214, 255}, kBlack{26, 24, 22, 255};

void Board(cairo_t* cr, double x, double y, double w, double h, Rgba c, int planks, bool across) {
    Rounded_Rect(cr, x, y, w, h, 3);
    Lit(cr, x, y, x + w, y + h, c, 1.5, kUmber, 1.2f, 0.75f);
    for (int k = 1; k < planks; ++k) {
        if (across) {
            cairo_move_to(cr, x + w * k / planks, y + 2);
            cairo_line_to(cr, x + w * k / planks, y + h - 2);
        } else {
            cairo_move_to(cr, x + 2, y + h * k / planks);
            cairo_line_to(cr, x + w - 2, y + h * k / planks);
        }
    }
    cairo_set_source_rgba(cr, 0.15, 0.08, 0.03, 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}
// A chair from above: its seat and its back toward `back` (0 up, 1 right, 2 down, 3 left).
void Chair(cairo_t* cr, double cx, double cy, double s, int back) {
    Box_Shadow(cr, cx - s / 2 + 5, cy - s / 2 + 6, s, s, 3, 0.32);
    Rounded_Rect(cr, cx - s / 2, cy - s / 2, s, s, 3);
    Lit(cr, cx - s, cy - s, cx + s, cy + s, kWood, 1.5, kUmber, 1.2f, 0.75f);
    const double b = s * 0.22;
    if (back == 0) cairo_rectangle(cr, cx - s / 2, cy - s / 2, s, b);
    if (back == 2) cairo_rectangle(cr, cx - s / 2, cy + s / 2 - b, s, b);
    if (back == 1) cairo_rectangle(cr, cx + s / 2 - b, cy - s / 2, b, s);
    if (back == 3) cairo_rectangle(cr, cx - s / 2, cy - s / 2, b, s);
    Lit(cr, cx - s, cy - s, cx + s, cy + s, kDarkWood, 1, kUmber, 1.2f, 0.75f);
}
// A sack lying with its tied neck toward angle a.
void Sack(cairo_t* cr, double cx, double cy, double rx, double ry, double a, Rgba c, bool mark) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    Ellipse(cr, 5, 6, rx, ry);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_fill(cr);
    Rounded_Rect(cr, -rx, -ry, rx * 2, ry * 2, ry * 0.9);
    Fill_Shaded(cr, cairo_pattern_create_radial(-rx * 0.3, -ry * 0.4, 1, 0, 0, rx * 1.2), c, 1.15f, 0.72f);
    Ink(cr, 1.4, kUmber);
    // the tied neck
    cairo_move_to(cr, rx - 2, -ry * 0.35);
    cairo_line_to(cr, rx + ry * 0.5, -ry * 0.2);
    cairo_line_to(cr, rx + ry * 0.5, ry * 0.2);
    cairo_line_to(cr, rx - 2, ry * 0.35);
    cairo_close_path(cr);
    Set_Rgb(cr, writers::Shade(c, 0.85f));
    cairo_fill_preserve(cr);
    Ink(cr, 1.2, kUmber);
    // the seam and a weave of light threads
    cairo_move_to(cr, -rx * 0.8, 0);
    cairo_line_to(cr, rx * 0.7, 0);
    cairo_set_source_rgba(cr, 0.3, 0.22, 0.1, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (mark) {
        cairo_rectangle(cr, -rx * 0.35, -ry * 0.55, rx * 0.5, ry * 0.35);
        cairo_set_source_rgba(cr, 0.2, 0.3, 0.6, 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// ---- The looks ----

void Sacks(cairo_t* cr, double w, double h, Rgba c, bool mark) {
    const double s = std::min(w, h);
    struct S {
        double x, y, a;
    };
    const S pile[] = {{0.3, 0.3, 0.3}, {0.68, 0.28, -0.2}, {0.25, 0.7, -0.1}, {0.62, 0.68, 0.25}, {0.46, 0.48, 0.05}};
    for (const S& p : pile) Sack(cr, w * p.x, h * p.y, s * 0.24, s * 0.16, p.a, c, mark);
    // spilt grain or flour at the foot of the pile
    for (int k = 0; k < 26; ++k) {
        const double a = k * 2.4, d = s * (0.3 + 0.14 * ((k * 7) % 5) / 5.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, w * 0.5 + std::cos(a) * d * 1.2, h * 0.55 + std::sin(a) * d, 1.1, 0, 2 * kPi);
    }
    Set_Rgb(cr, writers::Shade(c, 1.1f), 0.8);
    cairo_fill(cr);
}

void Millstone(cairo_t* cr, double w, double h) {
    const double cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.42;
    Oval_Shadow(cr, cx + 5, cy + 6, r, r, 0.32);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 2, cx, cy, r), kStone, 1.2f, 0.62f);
    Ink(cr, 2, kUmber);
    for (int k = 0; k < 10; ++k) { // the dressing's furrows
        const double a = k * kPi / 5;
        cairo_move_to(cr, cx + std::cos(a) * r * 0.25, cy + std::sin(a) * r * 0.25);
        cairo_line_to(cr, cx + std::cos(a + 0.35) * r * 0.92, cy + std::sin(a + 0.35) * r * 0.92);
    }
    cairo_set_source_rgba(cr, 0.25, 0.24, 0.22, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.97, 0, 2 * kPi); // the iron band
    Set_Rgb(cr, kIron);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, cx - r * 0.12, cy - r * 0.12, r * 0.24, r * 0.24); // the eye
    Set_Rgb(cr, kBlack);
    cairo_fill(cr);
}

void Bunk(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, 6 + 5, 4 + 6, w - 12, h - 8, 4, 0.32);
    Rounded_Rect(cr, 6, 4, w - 12, h - 8, 4); // the frame
    Lit(cr, 0, 0, w, h, kDarkWood, 1.5, kUmber, 1.2f, 0.75f);
    Rounded_Rect(cr, 11, 9, w - 22, h - 18, 5); // the mattress
    Lit(cr, 0, 0, w, h, Rgba{176, 166, 140, 255}, 1, kUmber, 1.2f, 0.75f);
    Rounded_Rect(cr, 15, 13, w - 30, h * 0.16, 6); // the pillow
    Lit(cr, 0, 0, w, h, kLinen, 1, kUmber, 1.2f, 0.75f);
    cairo_rectangle(cr, 11, h * 0.3, w - 22, h * 0.7 - 9); // the blanket, its top folded back
    Lit(cr, 0, h * 0.3, w, h, kBlanket, 1, kUmber, 1.2f, 0.75f);
    cairo_rectangle(cr, 11, h * 0.3, w - 22, h * 0.06);
    Set_Rgb(cr, writers::Shade(kBlanket, 1.25f));
    cairo_fill(cr);
    for (int k = 1; k < 3; ++k) { // creases
        cairo_move_to(cr, 14, h * (0.45 + 0.17 * k));
        cairo_curve_to(cr, w * 0.4, h * (0.43 + 0.17 * k), w * 0.6, h * (0.48 + 0.17 * k), w - 14, h * (0.45 + 0.17 * k));
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Stove(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.12 + 5, h * 0.12 + 6, w * 0.76, h * 0.76, 6, 0.32);
    Rounded_Rect(cr, w * 0.12, h * 0.12, w * 0.76, h * 0.76, 6);
    Lit(cr, 0, 0, w, h, kIron, 2, kUmber, 1.2f, 0.75f);
    for (int k = 0; k < 2; ++k) { // the hot plates, one glowing at its rim
        const double cx = w * (0.34 + 0.32 * k), cy = h * 0.42, r = w * 0.13;
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        Set_Rgb(cr, writers::Shade(kIron, 0.6f));
        cairo_fill_preserve(cr);
        Set_Rgb(cr, k ? Rgba{200, 80, 30, 255} : writers::Shade(kIron, 1.4f));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_arc(cr, w * 0.5, h * 0.74, w * 0.09, 0, 2 * kPi); // the flue pipe
    Fill_Shaded(cr, cairo_pattern_create_linear(0, 0, w, h), kSteel, 1.3f, 0.6f);
    Ink(cr, 1.2, kUmber);
    cairo_arc(cr, w * 0.66, h * 0.42, w * 0.08, 0, 2 * kPi); // a kettle on the hot plate
    Fill_Shaded(cr, cairo_pattern_create_radial(w * 0.64, h * 0.4, 1, w * 0.66, h * 0.42, w * 0.08), kBrass, 1.3f,
                0.6f);
    Ink(cr, 1, kUmber);
}

void Table_And_Chairs(cairo_t* cr, double w, double h) {
    const double tx = w * 0.2, ty = h * 0.22, tw = w * 0.6, th = h * 0.56, s = std::min(w, h) * 0.18;
    Chair(cr, w * 0.36, ty - s * 0.15, s, 0);
    Chair(cr, w * 0.64, ty - s * 0.15, s, 0);
    Chair(cr, w * 0.36, ty + th + s * 0.15, s, 2);
    Chair(cr, w * 0.64, ty + th + s * 0.15, s, 2);
    Chair(cr, tx - s * 0.2, h * 0.5, s, 3);
    Box_Shadow(cr, tx + 5, ty + 6, tw, th, 4, 0.32);
    Board(cr, tx, ty, tw, th, kWood, 4, false);
    // cards dealt, a tin mug, a candle stub
    for (int k = 0; k < 5; ++k) {
        cairo_save(cr);
        cairo_translate(cr, tx + tw * (0.25 + 0.1 * k), ty + th * (0.4 + 0.08 * (k % 2)));
        cairo_rotate(cr, -0.3 + 0.15 * k);
        cairo_rectangle(cr, -4, -6, 8, 12);
        Set_Rgb(cr, kLinen);
        cairo_fill_preserve(cr);
        Ink(cr, 0.8, kUmber);
        cairo_restore(cr);
    }
    cairo_arc(cr, tx + tw * 0.82, ty + th * 0.3, 5, 0, 2 * kPi);
    Set_Rgb(cr, kSteel);
    cairo_fill_preserve(cr);
    Ink(cr, 1, kUmber);
    cairo_arc(cr, tx + tw * 0.15, ty + th * 0.72, 4, 0, 2 * kPi);
    Set_Rgb(cr, Rgba{236, 226, 190, 255});
    cairo_fill(cr);
    cairo_arc(cr, tx + tw * 0.15, ty + th * 0.72, 1.6, 0, 2 * kPi);
    Set_Rgb(cr, Rgba{255, 200, 80, 255});
    cairo_fill(cr);
}

void Desk(cairo_t* cr, double w, double h) {
    const double s = std::min(w, h) * 0.28;
    Chair(cr, w * 0.5, h * 0.84, s, 2);
    Box_Shadow(cr, w * 0.06 + 5, h * 0.08 + 6, w * 0.88, h * 0.62, 4, 0.32);
    Board(cr, w * 0.06, h * 0.08, w * 0.88, h * 0.62, kDarkWood, 1, false);
    Rounded_Rect(cr, w * 0.1, h * 0.12, w * 0.8, h * 0.54, 2); // a green leather top
    Set_Rgb(cr, Rgba{60, 86, 60, 255});
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) { // papers
        cairo_save(cr);
        cairo_translate(cr, w * (0.28 + 0.08 * k), h * (0.36 + 0.04 * k));
        cairo_rotate(cr, -0.2 + 0.18 * k);
        cairo_rectangle(cr, -w * 0.08, -h * 0.13, w * 0.16, h * 0.26);
        Set_Rgb(cr, kPaper);
        cairo_fill_preserve(cr);
        Ink(cr, 0.8, kUmber);
        for (int l = 0; l < 4; ++l) {
            cairo_move_to(cr, -w * 0.06, -h * 0.08 + l * h * 0.05);
            cairo_line_to(cr, w * 0.05, -h * 0.08 + l * h * 0.05);
        }
        cairo_set_source_rgba(cr, 0.2, 0.2, 0.3, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // the telephone and the lamp
    Rounded_Rect(cr, w * 0.66, h * 0.2, w * 0.14, h * 0.16, 3);
    Lit(cr, 0, 0, w, h, kBlack, 1, kUmber, 1.2f, 0.75f);
    cairo_arc(cr, w * 0.73, h * 0.28, w * 0.04, 0, 2 * kPi);
    Set_Rgb(cr, Rgba{200, 190, 160, 255});
    cairo_fill(cr);
    cairo_arc(cr, w * 0.8, h * 0.54, w * 0.07, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(w * 0.79, h * 0.53, 1, w * 0.8, h * 0.54, w * 0.07), kOlive, 1.3f, 0.6f);
    Ink(cr, 1, kUmber);
}

void Radio(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.12 + 5, h * 0.18 + 6, w * 0.76, h * 0.6, 4, 0.32);
    Rounded_Rect(cr, w * 0.12, h * 0.18, w * 0.76, h * 0.6, 4);
    Lit(cr, 0, 0, w, h, kOlive, 2, kUmber, 1.2f, 0.75f);
    for (int k = 0; k < 3; ++k) { // the dials
        cairo_arc(cr, w * (0.3 + 0.2 * k), h * 0.38, w * 0.06, 0, 2 * kPi);
        Set_Rgb(cr, kBlack);
        cairo_fill_preserve(cr);
        Set_Rgb(cr, kLinen);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, w * 0.22, h * 0.54, w * 0.56, h * 0.1); // the tuning scale
    Set_Rgb(cr, Rgba{220, 200, 120, 255});
    cairo_fill_preserve(cr);
    Ink(cr, 1, kUmber);
    cairo_move_to(cr, w * 0.3, h * 0.78); // the headphones' lead
    cairo_curve_to(cr, w * 0.2, h * 0.95, w * 0.5, h * 0.98, w * 0.62, h * 0.9);
    Set_Rgb(cr, kBlack);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int k = 0; k < 2; ++k) {
        cairo_arc(cr, w * (0.6 + 0.14 * k), h * 0.9, w * 0.05, 0, 2 * kPi);
        Set_Rgb(cr, kBlack);
        cairo_fill(cr);
    }
}

void Workbench(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.04 + 5, h * 0.15 + 6, w * 0.92, h * 0.7, 3, 0.32);
    Board(cr, w * 0.04, h * 0.15, w * 0.92, h * 0.7, kWood, 3, false);
    // the vice at the left end
    cairo_rectangle(cr, w * 0.06, h * 0.28, w * 0.1, h * 0.44);
    Lit(cr, 0, 0, w, h, kIron, 1, kUmber, 1.2f, 0.75f);
    cairo_move_to(cr, w * 0.02, h * 0.5);
    cairo_line_to(cr, w * 0.08, h * 0.5);
    Set_Rgb(cr, kSteel);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // a hammer, a saw, a spanner and shavings
    auto tool = [&](double x0, double y0, double x1, double y1, double wd, Rgba c) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        Set_Rgb(cr, c);
        cairo_set_line_width(cr, wd);
        cairo_stroke(cr);
    };
    tool(w * 0.25, h * 0.7, w * 0.38, h * 0.35, 3, kWood);
    tool(w * 0.35, h * 0.38, w * 0.41, h * 0.3, 6, kIron);
    cairo_move_to(cr, w * 0.5, h * 0.3);
    cairo_line_to(cr, w * 0.7, h * 0.34);
    cairo_line_to(cr, w * 0.7, h * 0.46);
    cairo_line_to(cr, w * 0.5, h * 0.4);
    cairo_close_path(cr);
    Set_Rgb(cr, kSteel);
    cairo_fill_preserve(cr);
    Ink(cr, 1, kUmber);
    tool(w * 0.46, h * 0.34, w * 0.5, h * 0.36, 5, kDarkWood);
    tool(w * 0.76, h * 0.66, w * 0.9, h * 0.5, 2.5, kSteel);
    for (int k = 0; k < 8; ++k) {
        cairo_arc(cr, w * (0.58 + 0.03 * k), h * (0.62 + 0.03 * (k % 3)), 2, 0, kPi * 1.5);
        cairo_set_source_rgba(cr, 0.9, 0.78, 0.5, 0.9);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void Explosives(cairo_t* cr, double w, double h) {
    auto crate = [&](double x, double y, double cw, double ch) {
        Box_Shadow(cr, x + 5, y + 6, cw, ch, 2, 0.32);
        Board(cr, x, y, cw, ch, Rgba{132, 110, 70, 255}, 3, true);
        cairo_rectangle(cr, x + 2, y + ch * 0.38, cw - 4, ch * 0.24); // the danger band
        Set_Rgb(cr, kRed);
        cairo_fill(cr);
        cairo_move_to(cr, x + cw * 0.5, y + ch * 0.41); // a flame mark
        cairo_line_to(cr, x + cw * 0.56, y + ch * 0.59);
        cairo_line_to(cr, x + cw * 0.44, y + ch * 0.59);
        cairo_close_path(cr);
        Set_Rgb(cr, Rgba{250, 220, 90, 255});
        cairo_fill(cr);
    };
    crate(w * 0.05, h * 0.06, w * 0.42, h * 0.4);
    crate(w * 0.52, h * 0.08, w * 0.42, h * 0.4);
    crate(w * 0.08, h * 0.52, w * 0.42, h * 0.4);
    // a bundle of sticks tied with wire, and the coil of the firing cable
    for (int k = 0; k < 4; ++k) {
        Rounded_Rect(cr, w * 0.6, h * (0.54 + 0.06 * k), w * 0.3, h * 0.055, 3);
        Lit(cr, 0, 0, w, h, Rgba{196, 70, 50, 255}, 1, kUmber, 1.2f, 0.75f);
    }
    cairo_move_to(cr, w * 0.74, h * 0.52);
    cairo_line_to(cr, w * 0.74, h * 0.8);
    Set_Rgb(cr, kBlack);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
        cairo_arc(cr, w * 0.72, h * 0.9, w * (0.04 + 0.02 * k), 0, 2 * kPi);
        Set_Rgb(cr, Rgba{60, 40, 30, 255});
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
}

void Plunger(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.2 + 5, h * 0.25 + 6, w * 0.6, h * 0.55, 3, 0.32);
    Rounded_Rect(cr, w * 0.2, h * 0.25, w * 0.6, h * 0.55, 3);
    Lit(cr, 0, 0, w, h, kDarkWood, 1.5, kUmber, 1.2f, 0.75f);
    cairo_move_to(cr, w * 0.5, h * 0.5); // the T-handle
    cairo_line_to(cr, w * 0.5, h * 0.12);
    cairo_move_to(cr, w * 0.28, h * 0.12);
    cairo_line_to(cr, w * 0.72, h * 0.12);
    Set_Rgb(cr, kIron);
    cairo_set_line_width(cr, w * 0.08);
    cairo_stroke(cr);
    cairo_arc(cr, w * 0.32, h * 0.68, w * 0.05, 0, 2 * kPi);
    cairo_arc(cr, w * 0.68, h * 0.68, w * 0.05, 0, 2 * kPi);
    Set_Rgb(cr, kBrass);
    cairo_fill(cr);
}

void Cask(cairo_t* cr, double w, double h) {
    const double x = w * 0.06, y = h * 0.12, cw = w * 0.88, ch = h * 0.76;
    for (int k = 0; k < 2; ++k) { // the cradle's feet
        cairo_rectangle(cr, x + cw * (0.18 + 0.56 * k), y - 4, cw * 0.08, ch + 8);
        Lit(cr, 0, 0, w, h, kDarkWood, 1, kUmber, 1.2f, 0.75f);
    }
    Box_Shadow(cr, x + 5, y + 6, cw, ch, ch * 0.4, 0.32);
    Rounded_Rect(cr, x, y, cw, ch, ch * 0.4);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y, 0, y + ch), Rgba{140, 90, 50, 255}, 1.3f, 0.55f);
    Ink(cr, 2, kUmber);
    for (int k = 1; k < 6; ++k) { // the staves
        cairo_move_to(cr, x + 6, y + ch * k / 6);
        cairo_curve_to(cr, x + cw * 0.3, y + ch * k / 6 - 2, x + cw * 0.7, y + ch * k / 6 - 2, x + cw - 6,
                       y + ch * k / 6);
    }
    cairo_set_source_rgba(cr, 0.2, 0.1, 0.05, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double u : {0.12, 0.3, 0.7, 0.88}) { // the hoops
        cairo_rectangle(cr, x + cw * u - 2, y + 1, 4, ch - 2);
        Set_Rgb(cr, kIron);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x + cw - 2, y + ch * 0.44, 7, ch * 0.12); // the tap
    Set_Rgb(cr, kBrass);
    cairo_fill_preserve(cr);
    Ink(cr, 1, kUmber);
}

void Reading_Table(cairo_t* cr, double w, double h) {
    const double s = std::min(w, h) * 0.2;
    for (int k = 0; k < 3; ++k) {
        Chair(cr, w * (0.24 + 0.26 * k), h * 0.12, s, 0);
        Chair(cr, w * (0.24 + 0.26 * k), h * 0.88, s, 2);
    }
    Box_Shadow(cr, w * 0.06 + 5, h * 0.22 + 6, w * 0.88, h * 0.56, 4, 0.32);
    Board(cr, w * 0.06, h * 0.22, w * 0.88, h * 0.56, Rgba{120, 74, 40, 255}, 1, false);
    // open books and closed ones, and the green-shaded reading lamp in the middle
    for (int k = 0; k < 3; ++k) {
        const double bx = w * (0.16 + 0.26 * k), by = h * (k % 2 ? 0.52 : 0.3);
        cairo_rectangle(cr, bx, by, w * 0.16, h * 0.18);
        Set_Rgb(cr, kPaper);
        cairo_fill_preserve(cr);
        Ink(cr, 1, kUmber);
        cairo_move_to(cr, bx + w * 0.08, by);
        cairo_line_to(cr, bx + w * 0.08, by + h * 0.18);
        cairo_set_source_rgba(cr, 0.3, 0.25, 0.2, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    const Rgba covers[] = {Rgba{120, 30, 30, 255}, Rgba{40, 60, 110, 255}};
    for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, w * (0.3 + 0.3 * k), h * (0.56 - 0.24 * k), w * 0.09, h * 0.14);
        Lit(cr, 0, 0, w, h, covers[k], 1, kUmber, 1.2f, 0.75f);
    }
    cairo_arc(cr, w * 0.5, h * 0.5, s * 0.45, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(w * 0.49, h * 0.48, 1, w * 0.5, h * 0.5, s * 0.45),
                Rgba{40, 120, 70, 255}, 1.4f, 0.6f);
    Ink(cr, 1, kUmber);
    cairo_arc(cr, w * 0.5, h * 0.5, s * 0.12, 0, 2 * kPi);
    Set_Rgb(cr, Rgba{255, 240, 170, 255});
    cairo_fill(cr);
}

void Globe(cairo_t* cr, double w, double h) {
    const double cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.36;
    Oval_Shadow(cr, cx + 5, cy + 6, r, r, 0.32);
    cairo_arc(cr, cx, cy, r * 1.12, 0, 2 * kPi); // the brass meridian ring
    Set_Rgb(cr, kBrass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 1, cx, cy, r), Rgba{70, 120, 150, 255},
                1.4f, 0.55f);
    Ink(cr, 1.2, kUmber);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
    const double land[][3] = {{-0.3, -0.2, 0.35}, {0.35, 0.1, 0.3}, {0.0, 0.45, 0.2}};
    for (auto& l : land) {
        Ellipse(cr, cx + r * l[0], cy + r * l[1], r * l[2], r * l[2] * 0.7);
        Set_Rgb(cr, Rgba{196, 176, 110, 255});
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Rug(cairo_t* cr, double w, double h) {
    Rounded_Rect(cr, w * 0.04, h * 0.06, w * 0.92, h * 0.88, 3);
    Set_Rgb(cr, Rgba{130, 36, 34, 255});
    cairo_fill(cr);
    Rounded_Rect(cr, w * 0.1, h * 0.16, w * 0.8, h * 0.68, 2);
    Set_Rgb(cr, Rgba{200, 160, 80, 255});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Rounded_Rect(cr, w * 0.16, h * 0.26, w * 0.68, h * 0.48, 2);
    Set_Rgb(cr, Rgba{40, 50, 90, 255});
    cairo_fill(cr);
    cairo_move_to(cr, w * 0.5, h * 0.3); // the medallion
    cairo_line_to(cr, w * 0.66, h * 0.5);
    cairo_line_to(cr, w * 0.5, h * 0.7);
    cairo_line_to(cr, w * 0.34, h * 0.5);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{200, 160, 80, 255});
    cairo_fill(cr);
    for (double x = w * 0.05; x < w * 0.95; x += 5) { // the fringes
        cairo_move_to(cr, x, h * 0.02);
        cairo_line_to(cr, x, h * 0.06);
        cairo_move_to(cr, x, h * 0.94);
        cairo_line_to(cr, x, h * 0.98);
    }
    Set_Rgb(cr, kLinen);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A flight of steps going up toward the bottom of the picture, out of the room: each step
// lit on its nose, the flight darker as it climbs away under the ceiling.
void Stairs(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    Set_Rgb(cr, Rgba{58, 54, 50, 255});
    cairo_fill(cr);
    const int steps = 8;
    for (int k = 0; k < steps; ++k) {
        const double y0 = h * k / steps, sh = h / steps, light = 1.0 - 0.6 * k / steps;
        cairo_rectangle(cr, w * 0.1, y0, w * 0.8, sh);
        Set_Rgb(cr, writers::Shade(kStone, (float)(0.95 * light)));
        cairo_fill(cr);
        cairo_rectangle(cr, w * 0.1, y0, w * 0.8, 2);
        Set_Rgb(cr, writers::Shade(kStone, (float)(1.25 * light)));
        cairo_fill(cr);
        cairo_rectangle(cr, w * 0.1, y0 + sh - 3, w * 0.8, 3);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
    }
    for (int s = 0; s < 2; ++s) { // the side walls
        cairo_rectangle(cr, s ? w * 0.9 : 0, 0, w * 0.1, h);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, 0, 0, h), writers::Shade(kStone, 0.8f), 1.1f, 0.4f, false);
    }
}

// A ladder up to a hatch, seen from above: two rails and their rungs.
void Ladder(cairo_t* cr, double w, double h) {
    for (int s = 0; s < 2; ++s) {
        cairo_rectangle(cr, w * (s ? 0.72 : 0.2), 2, w * 0.08, h - 4);
        Lit(cr, 0, 0, w, h, kWood, 1, kUmber, 1.2f, 0.75f);
    }
    for (double y = h * 0.08; y < h - 4; y += h / 9) {
        cairo_rectangle(cr, w * 0.28, y, w * 0.44, 3);
        Lit(cr, 0, 0, w, h, writers::Shade(kWood, 0.9f), 0.8, kUmber, 1.2f, 0.75f);
    }
}

// A stone pillar holding up the vault: its square base and round shaft.
void Pillar(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.12 + 5, h * 0.12 + 6, w * 0.76, h * 0.76, 3, 0.32);
    cairo_rectangle(cr, w * 0.12, h * 0.12, w * 0.76, h * 0.76);
    Lit(cr, 0, 0, w, h, writers::Shade(kStone, 0.9f), 1.5, kUmber, 1.2f, 0.75f);
    cairo_arc(cr, w / 2, h / 2, w * 0.3, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(w * 0.4, h * 0.4, 1, w / 2, h / 2, w * 0.3), kStone, 1.3f, 0.6f);
    Ink(cr, 1.5, kUmber);
}

// Shells for the guns standing in their rack, and cartridge boxes.
void Shells(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.05 + 5, h * 0.1 + 6, w * 0.9, h * 0.8, 3, 0.32);
    Board(cr, w * 0.05, h * 0.1, w * 0.9, h * 0.8, kDarkWood, 1, false);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) {
            const double cx = w * (0.14 + 0.144 * c), cy = h * (0.28 + 0.22 * r), rr = std::min(w, h) * 0.07;
            cairo_arc(cr, cx, cy, rr, 0, 2 * kPi);
            Fill_Shaded(cr, cairo_pattern_create_radial(cx - rr * 0.3, cy - rr * 0.3, 1, cx, cy, rr), kBrass, 1.4f,
                        0.6f);
            Ink(cr, 1, kUmber);
            cairo_arc(cr, cx, cy, rr * 0.45, 0, 2 * kPi);
            Set_Rgb(cr, (r + c) % 4 ? Rgba{90, 96, 70, 255} : kRed);
            cairo_fill(cr);
        }
}

// A row of steel lockers against the wall, one standing open.
void Lockers(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.03 + 5, h * 0.15 + 6, w * 0.94, h * 0.7, 2, 0.32);
    for (int k = 0; k < 4; ++k) {
        const double x = w * (0.03 + 0.235 * k);
        cairo_rectangle(cr, x, h * 0.15, w * 0.235, h * 0.7);
        Lit(cr, 0, 0, w, h, Rgba{96, 110, 96, 255}, 1.2, kUmber, 1.2f, 0.75f);
        for (int l = 0; l < 3; ++l) { // vents
            cairo_rectangle(cr, x + w * 0.05, h * (0.25 + 0.08 * l), w * 0.12, 2);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
            cairo_fill(cr);
        }
        if (k == 2) { // the open door swung out into the room
            cairo_move_to(cr, x + w * 0.235, h * 0.85);
            cairo_line_to(cr, x + w * 0.3, h * 0.98);
            Set_Rgb(cr, Rgba{96, 110, 96, 255});
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    }
}

// A ship's bollard: two iron posts on their base plate, a mooring line round them.
void Bollard(cairo_t* cr, double w, double h) {
    Box_Shadow(cr, w * 0.1 + 5, h * 0.3 + 6, w * 0.8, h * 0.4, 6, 0.32);
    Rounded_Rect(cr, w * 0.1, h * 0.3, w * 0.8, h * 0.4, 6);
    Lit(cr, 0, 0, w, h, kIron, 1.5, kUmber, 1.2f, 0.75f);
    for (int k = 0; k < 2; ++k) {
        const double cx = w * (0.3 + 0.4 * k), cy = h * 0.5, r = std::min(w, h) * 0.15;
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 1, cx, cy, r), kSteel, 1.3f, 0.5f);
        Ink(cr, 1.2, kUmber);
    }
    cairo_move_to(cr, w * 0.3, h * 0.35); // the mooring line in a figure of eight
    cairo_curve_to(cr, w * 0.55, h * 0.2, w * 0.45, h * 0.8, w * 0.7, h * 0.65);
    cairo_move_to(cr, w * 0.7, h * 0.35);
    cairo_curve_to(cr, w * 0.45, h * 0.2, w * 0.55, h * 0.8, w * 0.3, h * 0.65);
    Set_Rgb(cr, Rgba{200, 180, 130, 255});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// A ventilator cowl on deck, its mouth turned to the wind.
void Ventilator(cairo_t* cr, double w, double h) {
    const double cx = w / 2, cy = h * 0.55, r = std::min(w, h) * 0.3;
    Oval_Shadow(cr, cx + 5, cy + 6, r, r, 0.32);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 1, cx, cy, r), Rgba{190, 190, 182, 255},
                1.2f, 0.6f);
    Ink(cr, 1.5, kUmber);
    Ellipse(cr, cx, cy - r * 0.55, r * 0.75, r * 0.5); // the bell mouth
    Fill_Shaded(cr, cairo_pattern_create_linear(0, cy - r, 0, cy), Rgba{200, 200, 192, 255}, 1.2f, 0.7f);
    Ink(cr, 1.2, kUmber);
    Ellipse(cr, cx, cy - r * 0.6, r * 0.5, r * 0.3);
    Set_Rgb(cr, kRed);
    cairo_fill(cr);
}

// A lifebuoy hung on the rail: a red and white ring.
void Lifebuoy(cairo_t* cr, double w, double h) {
    const double cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.36;
    Oval_Shadow(cr, cx + 5, cy + 6, r, r, 0.32);
    for (int k = 0; k < 8; ++k) {
        cairo_arc(cr, cx, cy, r, k * kPi / 4, (k + 1) * kPi / 4);
        cairo_arc_negative(cr, cx, cy, r * 0.55, (k + 1) * kPi / 4, k * kPi / 4);
        cairo_close_path(cr);
        Set_Rgb(cr, k % 2 ? kLinen : Rgba{210, 60, 40, 255});
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * kPi);
    Ink(cr, 1.2, kUmber);
}

struct Look {
    const char* name;
    int w, h;
    void (*draw)(cairo_t*, double, double);
};

const Look kLooks[] = {
    {"sacks", 160, 128, [](cairo_t* cr, double w, double h) { Sacks(cr, w, h, kBurlap, false); }},
    {"flour", 160, 128, [](cairo_t* cr, double w, double h) { Sacks(cr, w, h, kFlour, true); }},
    {"millstone", 128, 128, Millstone},
    {"bunk", 96, 192, Bunk},
    {"stove", 96, 96, Stove},
    {"table_chairs", 192, 160, Table_And_Chairs},
    {"desk", 192, 128, Desk},
    {"radio", 96, 96, Radio},
    {"workbench", 192, 96, Workbench},
    {"explosives", 160, 128, Explosives},
    {"plunger", 64, 64, Plunger},
    {"cask", 160, 96, Cask},
    {"reading_table", 256, 160, Reading_Table},
    {"globe", 80, 80, Globe},
    {"rug", 192, 128, Rug},
    {"stairs", 96, 128, Stairs},
    {"ladder", 64, 128, Ladder},
    {"pillar", 64, 64, Pillar},
    {"shells", 160, 96, Shells},
    {"lockers", 192, 96, Lockers},
    {"bollard", 96, 64, Bollard},
    {"ventilator", 80, 80, Ventilator},
    {"lifebuoy", 64, 64, Lifebuoy},
};

} // namespace

std::string Furniture_Looks() {
    std::string s;
    for (const Look& l : kLooks) s += (s.empty() ? "" : ", ") + std::string(l.name);
    return s;
}

bool Furniture(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string name = r.Str("look", "");
    for (const Look& l : kLooks) {
        if (name != l.name) continue;
        Paint p(l.w, l.h);
        l.draw(p.cr(), l.w, l.h);
        return Save_Picture(p, root, image, false);
    }
    r.error = "furniture: unknown look \"" + name + "\" (known: " + Furniture_Looks() + ")";
    return false;
}

} // namespace painters
