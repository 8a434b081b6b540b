// Props and buildings seen from above: tents, crates, barrels, sandbags, trees, bushes, a
// hut roof, a jeep, a flag, a camp fire, a table, a road barrier and an obstacle-course wall;
// the door sheet, the training targets' sheet and the vehicle shadows.
// Pictures carry real alpha (soft shadows), so their slots are plain kinds.
#include <cmath>
#include <filesystem>
#include <functional>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/painters/walk_art.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::Shade;

void Tent(cairo_t* cr, int w, int h, Rgba canvas) {
    // A ridge tent from above: two roof halves meeting at the ridge, the door flap at the
    // bottom (south), guy ropes and pegs.
    const double m = w * 0.1;
    Box_Shadow(cr, m + 10, m + 14, w - 2 * m, h - 2 * m, 6, 0.33);
    for (int k = 0; k < 4; ++k) { // ropes
        const double px = k % 2 ? w - 4 : 4, py = k < 2 ? 8 : h - 8;
        cairo_move_to(cr, w / 2.0 + (k % 2 ? 1 : -1) * (w / 2.0 - m), py < h / 2.0 ? m + 8 : h - m - 8);
        cairo_line_to(cr, px, py);
        cairo_set_source_rgba(cr, 0.85, 0.8, 0.65, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, m, m, w / 2.0 - m, h - 2 * m);
    Lit(cr, m, 0, w / 2.0, 0, Shade(canvas, 1.05f));
    cairo_rectangle(cr, w / 2.0, m, w / 2.0 - m, h - 2 * m);
    Lit(cr, w / 2.0, 0, w - m, 0, Shade(canvas, 0.78f));
    for (int k = 1; k < 4; ++k) { // seams
        cairo_move_to(cr, m, m + k * (h - 2 * m) / 4);
        cairo_line_to(cr, w - m, m + k * (h - 2 * m) / 4);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.2);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, w / 2.0, m);
    cairo_line_to(cr, w / 2.0, h - m);
    Ink(cr, 3);
    // door flap, open
    cairo_move_to(cr, w / 2.0 - w * 0.12, h - m);
    cairo_line_to(cr, w / 2.0, h - m - h * 0.18);
    cairo_line_to(cr, w / 2.0 + w * 0.12, h - m);
    cairo_close_path(cr);
    Fill_Inked(cr, Rgba{40, 34, 26, 255});
}

void Crate(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 10, 12, w - 12, h - 12, 3, 0.33);
    cairo_rectangle(cr, 4, 4, w - 12, h - 12);
    Lit(cr, 0, 0, w, h, Rgba{164, 122, 70, 255});
    for (int k = 1; k < 4; ++k) {
        cairo_move_to(cr, 4, 4 + k * (h - 12) / 4.0);
        cairo_line_to(cr, w - 8, 4 + k * (h - 12) / 4.0);
    }
    Ink(cr, 1);
    cairo_rectangle(cr, 8, 8, w - 20, h - 20);
    cairo_move_to(cr, 8, 8);
    cairo_line_to(cr, w - 12, h - 12);
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void Barrel(cairo_t* cr, int w, int h, Rgba c) {
    Ellipse(cr, w / 2.0 + 6, h / 2.0 + 8, w / 2.0 - 6, h / 2.0 - 6);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.33);
    cairo_fill(cr);
    Ellipse(cr, w / 2.0, h / 2.0, w / 2.0 - 6, h / 2.0 - 6);
    Fill_Shaded(cr, cairo_pattern_create_radial(w * 0.4, h * 0.4, 2, w / 2.0, h / 2.0, w / 2.0), c, 1.3f, 0.6f);
    Ink(cr);
    Ellipse(cr, w / 2.0, h / 2.0, w / 2.0 - 14, h / 2.0 - 14);
    Ink(cr, 2);
    Ellipse(cr, w * 0.62, h * 0.4, 4, 4); // bung
    Fill_Inked(cr, Shade(c, 0.5f));
}

void Sandbags(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 8, 14, w - 10, h - 16, 8, 0.33);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) {
            const double bw = (w - 10) / 4.6;
            Rounded_Rect(cr, 4 + c * bw * 0.9 + (r % 2) * bw * 0.45, 6 + r * (h - 14) / 2.2, bw, (h - 14) / 2.0, 8);
            Lit(cr, 0, 0, 0, h, Rgba{184, 166, 116, 255});
        }
}

void Tree(cairo_t* cr, int w, int h, bool pine) {
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 8;
    Ellipse(cr, cx + 14, cy + 18, r * 0.95, r * 0.85);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    const Rgba leaf = pine ? Rgba{40, 84, 52, 255} : Rgba{62, 112, 46, 255};
    if (pine) {
        for (int ring = 0; ring < 3; ++ring) {
            const double rr = r * (1.0 - ring * 0.28);
            cairo_move_to(cr, cx + rr, cy);
            for (int k = 1; k < 18; ++k) {
                const double a = k * kPi / 9, d = k % 2 ? rr * 0.75 : rr;
                cairo_line_to(cr, cx + std::cos(a) * d, cy + std::sin(a) * d);
            }
            cairo_close_path(cr);
            Lit(cr, cx - rr, cy - rr, cx + rr, cy + rr, Shade(leaf, 1.0f + ring * 0.15f));
        }
        return;
    }
    for (int k = 0; k < 9; ++k) { // clumps of foliage round a crown
        const double a = k * 0.7, d = k == 8 ? 0 : r * 0.45;
        const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d, rr = r * (k == 8 ? 0.55 : 0.5);
        cairo_arc(cr, x, y, rr, 0, 2 * kPi);
        Fill_Shaded(cr, cairo_pattern_create_radial(x - rr * 0.4, y - rr * 0.4, 1, x, y, rr), leaf, 1.35f, 0.65f, false);
    }
}

void Jeep(cairo_t* cr, int w, int h, Rgba body = Rgba{96, 110, 62, 255}) {
    // Facing up: bonnet at the top, seats, spare wheel at the back.
    Box_Shadow(cr, w * 0.2 + 8, 14, w * 0.6, h - 16, 10, 0.33);
    for (int k = 0; k < 4; ++k) {
        Rounded_Rect(cr, k % 2 ? w * 0.76 : w * 0.14, k < 2 ? h * 0.16 : h * 0.68, w * 0.1, h * 0.16, 4);
        Fill_Inked(cr, Rgba{30, 30, 30, 255});
    }
    Rounded_Rect(cr, w * 0.2, 6, w * 0.6, h - 14, 12);
    Lit(cr, w * 0.2, 0, w * 0.8, 0, body);
    cairo_rectangle(cr, w * 0.26, h * 0.3, w * 0.48, h * 0.06); // windscreen
    Fill_Inked(cr, Rgba{150, 190, 200, 255});
    for (int k = 0; k < 2; ++k) {
        Rounded_Rect(cr, k ? w * 0.52 : w * 0.28, h * 0.42, w * 0.2, h * 0.16, 4);
        Fill_Inked(cr, Rgba{80, 60, 40, 255});
    }
    Rounded_Rect(cr, w * 0.28, h * 0.64, w * 0.44, h * 0.2, 4);
    Fill_Inked(cr, Shade(body, 0.74f));
    cairo_arc(cr, w * 0.5, h * 0.5, 6, 0, 2 * kPi); // white star
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
    cairo_fill(cr);
}

void Flag(cairo_t* cr, int w, int h) {
    Ellipse(cr, w / 2.0 + 3, h * 0.85 + 3, 6, 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_move_to(cr, w / 2.0, h * 0.85);
    cairo_line_to(cr, w / 2.0, h * 0.1);
    Ink(cr, 4);
    cairo_move_to(cr, w / 2.0, h * 0.1);
    cairo_curve_to(cr, w * 0.7, h * 0.05, w * 0.75, h * 0.2, w * 0.95, h * 0.14);
    cairo_line_to(cr, w * 0.95, h * 0.38);
    cairo_curve_to(cr, w * 0.75, h * 0.44, w * 0.7, h * 0.3, w / 2.0, h * 0.34);
    cairo_close_path(cr);
    Fill_Inked(cr, Rgba{60, 110, 60, 255});
    cairo_arc(cr, w * 0.72, h * 0.23, w * 0.06, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.95, 0.85, 0.3);
    cairo_fill(cr);
}

void Campfire(cairo_t* cr, int w, int h) {
    for (int k = 0; k < 8; ++k) { // ring of stones
        const double a = k * kPi / 4;
        Ellipse(cr, w / 2.0 + std::cos(a) * w * 0.32, h / 2.0 + std::sin(a) * h * 0.32, 6, 5);
        Fill_Inked(cr, Rgba{130, 128, 120, 255});
    }
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, w * 0.3, h * (0.35 + k * 0.15));
        cairo_line_to(cr, w * 0.7, h * (0.65 - k * 0.15));
        cairo_set_source_rgb(cr, 0.35, 0.22, 0.1);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, h / 2.0, 1, w / 2.0, h / 2.0, w * 0.25);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.4, 0.05, 0);
    cairo_arc(cr, w / 2.0, h / 2.0, w * 0.25, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Table(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 12, 14, w - 14, h - 16, 4, 0.33);
    cairo_rectangle(cr, 6, 6, w - 14, h - 14);
    Lit(cr, 0, 0, w, h, Rgba{140, 100, 60, 255});
    cairo_rectangle(cr, w * 0.3, h * 0.3, w * 0.3, h * 0.22); // a map on it
    Fill_Inked(cr, Rgba{230, 220, 180, 255});
}

void Roof(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 10, 14, w - 12, h - 12, 2, 0.33);
    cairo_rectangle(cr, 4, 4, w / 2.0 - 4, h - 12);
    Lit(cr, 0, 0, w / 2.0, 0, Rgba{150, 70, 50, 255});
    cairo_rectangle(cr, w / 2.0, 4, w / 2.0 - 8, h - 12);
    Lit(cr, w / 2.0, 0, w, 0, Rgba{120, 56, 40, 255});
    for (int k = 1; k < 8; ++k) {
        cairo_move_to(cr, 4, 4 + k * (h - 12) / 8.0);
        cairo_line_to(cr, w - 4, 4 + k * (h - 12) / 8.0);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// A covered lorry facing up: cab and bonnet at the top, a canvas tilt with its hoops behind.
void Lorry(cairo_t* cr, int w, int h, Rgba body, Rgba canvas) {
    Box_Shadow(cr, w * 0.16 + 8, 14, w * 0.68, h - 16, 8, 0.33);
    for (int k = 0; k < 6; ++k) {
        Rounded_Rect(cr, k % 2 ? w * 0.78 : w * 0.12, h * (0.14 + (k / 2) * 0.28), w * 0.1, h * 0.13, 4);
        Fill_Inked(cr, Rgba{30, 30, 30, 255});
    }
    Rounded_Rect(cr, w * 0.24, 6, w * 0.52, h * 0.3, 10); // bonnet and cab
    Lit(cr, w * 0.24, 0, w * 0.76, 0, body);
    cairo_rectangle(cr, w * 0.3, h * 0.2, w * 0.4, h * 0.05); // windscreen
    Fill_Inked(cr, Rgba{150, 190, 200, 255});
    Rounded_Rect(cr, w * 0.16, h * 0.3, w * 0.68, h * 0.66, 6); // the tilt
    Lit(cr, w * 0.16, 0, w * 0.84, 0, canvas);
    for (int k = 1; k < 5; ++k) {
        cairo_move_to(cr, w * 0.16, h * (0.3 + k * 0.13));
        cairo_line_to(cr, w * 0.84, h * (0.3 + k * 0.13));
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// The camp's traffic, driving toward the right of the screen: four jeeps and four lorries in
// their paints, each with two frames (a puff of exhaust behind it comes and goes).
void Traffic_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    static const Rgba paints[4] = {{96, 110, 62, 255}, {150, 128, 84, 255}, {92, 98, 104, 255}, {60, 84, 60, 255}};
    const int look = f / 2, phase = f % 2;
    if (phase) { // exhaust at the back (left)
        Ellipse(cr, x + w * 0.08, y + h * 0.62, w * 0.05, h * 0.07);
        cairo_set_source_rgba(cr, 0.6, 0.6, 0.6, 0.5);
        cairo_fill(cr);
    }
    cairo_save(cr);
    // the pictures face up; turned a quarter right they face right
    const int pw = look < 4 ? 128 : 144, ph = look < 4 ? 192 : 224;
    cairo_translate(cr, x + w / 2.0, y + h / 2.0 + (phase ? 1 : 0));
    cairo_rotate(cr, kPi / 2);
    const double s = std::min(h / (double)pw, w / (double)ph) * 0.98;
    cairo_scale(cr, s, s);
    cairo_translate(cr, -pw / 2.0, -ph / 2.0);
    if (look < 4) Jeep(cr, pw, ph, paints[look]);
    else Lorry(cr, pw, ph, paints[look - 4], Shade(paints[look - 4], 1.25f));
    cairo_restore(cr);
}

// A dugout hatch in a ring of sandbags: shut, lifting, and open on a ladder going down.
void Hatch_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2;
    for (int k = 0; k < 10; ++k) {
        const double a = k * kPi / 5;
        Ellipse(cr, cx + std::cos(a) * w * 0.36, cy + std::sin(a) * h * 0.36, w * 0.11, h * 0.08);
        Lit(cr, x, y, x + w, y + h, Rgba{184, 166, 116, 255});
    }
    cairo_rectangle(cr, cx - w * 0.22, cy - h * 0.22, w * 0.44, h * 0.44); // the hole
    Fill_Inked(cr, Rgba{24, 20, 16, 255});
    for (int k = 0; k < 4; ++k) { // rungs
        cairo_move_to(cr, cx - w * 0.1, cy - h * 0.14 + k * h * 0.09);
        cairo_line_to(cr, cx + w * 0.1, cy - h * 0.14 + k * h * 0.09);
    }
    cairo_set_source_rgb(cr, 0.45, 0.32, 0.18);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    if (f == 3) return; // open
    const double lift = f == 0 ? 0.0 : f == 1 ? 0.35 : 0.7; // the lid swings up and back
    cairo_rectangle(cr, cx - w * 0.24, cy - h * 0.24 - lift * h * 0.2, w * 0.48, h * 0.48 * (1 - lift * 0.8));
    Lit(cr, x, y, x + w, y + h, Rgba{128, 92, 54, 255});
    for (int k = 1; k < 4; ++k) {
        cairo_move_to(cr, cx - w * 0.24 + k * w * 0.12, cy - h * 0.24 - lift * h * 0.2);
        cairo_line_to(cr, cx - w * 0.24 + k * w * 0.12, cy - h * 0.24 - lift * h * 0.2 + h * 0.48 * (1 - lift * 0.8));
    }
    Ink(cr, 1);
}

// A pole barrier across a road between two sandbagged posts, with a warning board.
void Barrier(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 14, h * 0.45, w - 20, h * 0.2, 4, 0.33);
    for (int k = 0; k < 2; ++k) {
        Rounded_Rect(cr, k ? w - 38 : 6, h * 0.25, 32, h * 0.5, 6);
        Lit(cr, 0, 0, 0, h, Rgba{184, 166, 116, 255});
    }
    for (int k = 0; k < 8; ++k) { // striped pole
        cairo_rectangle(cr, 30 + k * (w - 60) / 8.0, h * 0.42, (w - 60) / 8.0, h * 0.14);
        Set_Rgb(cr, k % 2 ? Rgba{236, 232, 220, 255} : Rgba{190, 40, 32, 255});
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 30, h * 0.42, w - 60, h * 0.14);
    Ink(cr, 1.5);
    Rounded_Rect(cr, w / 2.0 - 34, h * 0.08, 68, h * 0.3, 3);
    Fill_Inked(cr, Rgba{236, 214, 90, 255});
    Set_Rgb(cr, Rgba{30, 24, 16, 255});
    Text_Centred(cr, "HALT", w / 2.0, h * 0.3, h * 0.17, true);
}

// A map of the coast pinned to a board on an easel; lit, its pins glint.
void Map_Board_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    Box_Shadow(cr, x + 16, y + 18, w - 22, h - 26, 4, 0.33);
    cairo_rectangle(cr, x + 8, y + 8, w - 22, h - 26);
    Lit(cr, x, y, x + w, y + h, Rgba{120, 86, 50, 255});
    cairo_rectangle(cr, x + 16, y + 16, w - 38, h - 42);
    Fill_Inked(cr, Rgba{226, 214, 170, 255});
    cairo_move_to(cr, x + 16, y + h * 0.6); // the coast line
    cairo_curve_to(cr, x + w * 0.35, y + h * 0.4, x + w * 0.5, y + h * 0.75, x + w - 22, y + h * 0.35);
    cairo_line_to(cr, x + w - 22, y + h - 26);
    cairo_line_to(cr, x + 16, y + h - 26);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{120, 160, 190, 255});
    cairo_fill(cr);
    const double pins[3][2] = {{0.3, 0.35}, {0.55, 0.5}, {0.72, 0.3}};
    for (const auto& p : pins) {
        cairo_arc(cr, x + w * p[0], y + h * p[1], f ? 5 : 3.5, 0, 2 * kPi);
        Set_Rgb(cr, f ? Rgba{255, 90, 60, 255} : Rgba{200, 40, 30, 255});
        cairo_fill(cr);
    }
}

// A glass-topped case of medals on a stand; lit, the glass shines.
void Medal_Case_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    Box_Shadow(cr, x + 14, y + 20, w - 20, h - 30, 6, 0.33);
    Rounded_Rect(cr, x + 8, y + 12, w - 22, h - 32, 6);
    Lit(cr, x, y, x + w, y + h, Rgba{90, 52, 34, 255});
    cairo_rectangle(cr, x + 16, y + 20, w - 38, h - 48);
    Fill_Inked(cr, Rgba{40, 50, 90, 255});
    for (int k = 0; k < 3; ++k) {
        const double mx = x + w * (0.27 + k * 0.19), my = y + h * 0.42;
        cairo_rectangle(cr, mx - 4, my - 14, 8, 12);
        Set_Rgb(cr, k == 1 ? Rgba{180, 40, 40, 255} : Rgba{60, 90, 160, 255});
        cairo_fill(cr);
        cairo_arc(cr, mx, my + 4, 7, 0, 2 * kPi);
        Fill_Inked(cr, k == 1 ? Rgba{230, 200, 80, 255} : Rgba{200, 200, 210, 255});
    }
    cairo_move_to(cr, x + 20, y + h - 30);
    cairo_line_to(cr, x + w * 0.5, y + 22);
    cairo_set_source_rgba(cr, 1, 1, 1, f ? 0.55 : 0.2);
    cairo_set_line_width(cr, f ? 8 : 4);
    cairo_stroke(cr);
}

// A painted board on two posts with a name on it.
void Sign_Cell(cairo_t* cr, const std::string& text, double x, double y, double w, double h) {
    Box_Shadow(cr, x + 12, y + h * 0.3, w - 16, h * 0.5, 4, 0.33);
    for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, x + (k ? w * 0.78 : w * 0.16), y + h * 0.55, 7, h * 0.38);
        Fill_Inked(cr, Rgba{96, 66, 38, 255});
    }
    Rounded_Rect(cr, x + 6, y + h * 0.14, w - 14, h * 0.48, 4);
    Lit(cr, x, y, x + w, y + h, Rgba{176, 134, 82, 255});
    Rounded_Rect(cr, x + 11, y + h * 0.19, w - 24, h * 0.38, 3);
    cairo_set_source_rgba(cr, 0.2, 0.12, 0.05, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Set_Rgb(cr, Rgba{36, 26, 16, 255});
    Text_Centred(cr, text, x + w / 2 - 3, y + h * 0.46, h * 0.2, true);
}


bool Picture(const std::string& root, const std::string& name, int w, int h,
             const std::function<void(cairo_t*, int, int)>& draw) {
    Paint p(w, h);
    draw(p.cr(), w, h);
    return p.Save(root + "/" + name + ".tga", false);
}

// Doors (slot 13): 4 frames from shut to wide open.
void Door_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const int open = f % 4;
    cairo_rectangle(cr, x + 4, y + h * 0.4, w - 8, h * 0.2);
    cairo_set_source_rgba(cr, 0.1, 0.08, 0.06, 0.9);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x + 6, y + h / 2);
    cairo_rotate(cr, -open * kPi / 6);
    Rounded_Rect(cr, 0, -h * 0.08, w - 12, h * 0.16, 2);
    Lit(cr, 0, 0, w, 0, Rgba{130, 88, 50, 255});
    cairo_restore(cr);
}

// Vehicle shadows (slot 14): a soft dark patch; animation 1 a dust cloud as a vehicle
// comes into view.
void Shadow_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 2, x + w / 2, y + h / 2, w / 2);
    if (f < 2) {
        cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.5);
        cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    } else {
        cairo_pattern_add_color_stop_rgba(g, 0, 0.7, 0.65, 0.55, 0.7 - (f - 2) * 0.15);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.7, 0.65, 0.55, 0);
    }
    cairo_arc(cr, x + w / 2, y + h / 2, w / 2, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Training targets (a sheet): a round board of red and white rings on a post in a sandbag
// foot. Animation 0 standing, 1 rocked by a hit, 2 shot to splinters (held).
void Target_Board(cairo_t* cr, double cx, double cy, double r) {
    const Rgba rings[4] = {Rgba{236, 230, 214, 255}, Rgba{190, 40, 32, 255}, Rgba{236, 230, 214, 255},
                           Rgba{190, 40, 32, 255}};
    for (int k = 0; k < 4; ++k) {
        cairo_arc(cr, cx, cy, r * (1.0 - k * 0.24), 0, 2 * kPi);
        Set_Rgb(cr, rings[k]);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Ink(cr, 2.5);
}

void Target_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, base = y + h * 0.86;
    cairo_save(cr);
    Ellipse(cr, cx + 6, base + 2, w * 0.34, h * 0.08);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rounded_Rect(cr, cx - w * 0.26, base - h * 0.1, w * 0.52, h * 0.14, 6); // sandbag foot
    Lit(cr, cx - w * 0.26, 0, cx + w * 0.26, 0, Rgba{170, 150, 100, 255});
    if (f == 2) {
        // Splinters: the post snapped, the two halves of the board on the ground.
        cairo_rectangle(cr, cx - 4, base - h * 0.2, 8, h * 0.12);
        Lit(cr, cx - 4, 0, cx + 4, 0, Rgba{120, 84, 48, 255});
        for (int side = -1; side <= 1; side += 2) {
            cairo_save(cr);
            cairo_translate(cr, cx + side * w * 0.2, base - h * 0.04);
            cairo_scale(cr, 1.0, 0.45);
            cairo_arc(cr, 0, 0, w * 0.17, side < 0 ? kPi * 0.5 : -kPi * 0.5, side < 0 ? kPi * 1.5 : kPi * 0.5);
            cairo_close_path(cr);
            Set_Rgb(cr, Rgba{190, 40, 32, 255});
            cairo_fill_preserve(cr);
            Ink(cr, 2);
            cairo_restore(cr);
        }
        for (int k = 0; k < 6; ++k) {
            cairo_move_to(cr, cx - w * 0.3 + k * w * 0.12, base - h * 0.16 - (k % 3) * 4);
            cairo_rel_line_to(cr, 8, 5 - (k % 2) * 9);
            Ink(cr, 2.5);
        }
        cairo_restore(cr);
        return;
    }
    cairo_translate(cr, cx, base - h * 0.08);
    cairo_rotate(cr, f == 1 ? 0.28 : 0.0);
    cairo_rectangle(cr, -4, -h * 0.42, 8, h * 0.42); // post
    Lit(cr, -4, 0, 4, 0, Rgba{120, 84, 48, 255});
    Target_Board(cr, 0, -h * 0.5, w * 0.3);
    cairo_restore(cr);
}

// A wooden wall of the obstacle course, seen from above and a little from the south:
// planks between two posts, a plank walk on top.
void Hurdle(cairo_t* cr, int w, int h) {
    Box_Shadow(cr, 10, h * 0.3, w - 8, h * 0.62, 5, 0.33);
    for (int k = 0; k < 6; ++k) {
        cairo_rectangle(cr, 6, h * 0.2 + k * h * 0.1, w - 12, h * 0.1);
        Lit(cr, 0, 0, w, 0, k % 2 ? Rgba{150, 108, 62, 255} : Rgba{138, 98, 56, 255});
    }
    for (int side = 0; side < 2; ++side) {
        cairo_rectangle(cr, side ? w - 16 : 4, h * 0.08, 12, h * 0.76);
        Lit(cr, 0, 0, 12, 0, Rgba{96, 66, 38, 255});
    }
    cairo_rectangle(cr, 4, h * 0.1, w - 8, h * 0.1);
    Lit(cr, 0, 0, w, 0, Rgba{176, 132, 80, 255});
}

} // namespace

bool Write_Target_Sheet(const std::string& root, const std::string& name) {
    return Write_Sheet(root, name, writers::SheetLayout{96, 96, 4, 1}, false, Target_Cell, {{0}, {1, 0}, {2}}, 0.25f,
                       0.25f);
}

// A yard gate: animation 0 shut, 1 swung open (each one frame, so a looping gate stays open).
bool Write_Gate_Sheet(const std::string& root, const std::string& name) {
    return Write_Sheet(root, name, writers::SheetLayout{64, 64, 4, 1}, false, Door_Cell, {{0}, {3}}, 0.1f, 0.1f);
}

bool Write_Door_Sheet(const std::string& root, const std::string& name) {
    std::vector<std::vector<int>> doors;
    for (int a = 0; a < 16; ++a) doors.push_back(a % 2 ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{3, 2, 1, 0});
    doors[0] = {0};
    return Write_Sheet(root, name, writers::SheetLayout{64, 64, 4, 1}, false, Door_Cell, doors, 0.1f, 0.1f);
}

bool Write_Crate(const std::string& root, const std::string& name) { return Picture(root, name, 64, 64, Crate); }

const std::vector<std::string>& Camp_Sign_Names() {
    static const std::vector<std::string> names = {"HQ",       "PAY",     "CASINO",  "GALLERY",  "CARDS",
                                                   "SURGERY",  "KENNELS", "ARMOURY", "TRADER",   "MEDALS",
                                                   "TRAINING", "COAST",   "MESS",    "MAP ROOM", "SIGNALS"};
    return names;
}

bool Write_Props(const std::string& root) {
    bool ok = writers::Make_Dirs(root + "/Data/props");
    ok = Picture(root, "Data/props/tent", 192, 256, [](cairo_t* cr, int w, int h) { Tent(cr, w, h, Rgba{150, 150, 96, 255}); }) && ok;
    ok = Picture(root, "Data/props/tent_hq", 256, 320, [](cairo_t* cr, int w, int h) { Tent(cr, w, h, Rgba{120, 128, 80, 255}); }) && ok;
    ok = Write_Crate(root, "Data/props/crate") && ok;
    ok = Picture(root, "Data/props/barrel", 64, 64, [](cairo_t* cr, int w, int h) { Barrel(cr, w, h, Rgba{80, 96, 60, 255}); }) && ok;
    ok = Picture(root, "Data/props/fuel", 64, 64, [](cairo_t* cr, int w, int h) { Barrel(cr, w, h, Rgba{170, 50, 40, 255}); }) && ok;
    ok = Picture(root, "Data/props/sandbags", 128, 64, Sandbags) && ok;
    ok = Picture(root, "Data/props/tree", 192, 192, [](cairo_t* cr, int w, int h) { Tree(cr, w, h, false); }) && ok;
    ok = Picture(root, "Data/props/pine", 160, 160, [](cairo_t* cr, int w, int h) { Tree(cr, w, h, true); }) && ok;
    ok = Picture(root, "Data/props/bush", 96, 96, [](cairo_t* cr, int w, int h) { Tree(cr, w, h, false); }) && ok;
    ok = Picture(root, "Data/props/jeep", 128, 192, [](cairo_t* cr, int w, int h) { Jeep(cr, w, h); }) && ok;
    ok = Picture(root, "Data/props/flag", 96, 160, Flag) && ok;
    ok = Picture(root, "Data/props/campfire", 96, 96, Campfire) && ok;
    ok = Picture(root, "Data/props/table", 128, 96, Table) && ok;
    ok = Picture(root, "Data/props/roof", 256, 224, Roof) && ok;
    ok = Picture(root, "Data/props/barrier", 256, 96, Barrier) && ok;
    ok = Write_Sheet(root, "Data/props/traffic", writers::SheetLayout{224, 144, 4, 4}, false,
                     [](cairo_t* cr, int f, double x, double y, double w, double h) { Traffic_Cell(cr, f, x, y, w, h); },
                     {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}, {12, 13}, {14, 15}}, 0.45f, 0.29f, 140) && ok;
    ok = Write_Sheet(root, "Data/props/hatch", writers::SheetLayout{128, 128, 4, 1}, false, Hatch_Cell,
                     {{0}, {1, 2}, {3}}, 0.3f, 0.3f, 160) && ok;
    // Camp boards: the coast map (animations 0 rest, 1 looked at) and the medal case (2, 3).
    ok = Write_Sheet(root, "Data/props/camp_boards", writers::SheetLayout{160, 128, 4, 1}, false,
                     [](cairo_t* cr, int f, double x, double y, double w, double h) {
                         if (f < 2) Map_Board_Cell(cr, f, x, y, w, h);
                         else Medal_Case_Cell(cr, f - 2, x, y, w, h);
                     },
                     {{0}, {1}, {2}, {3}}, 0.3f, 0.24f) && ok;
    // Name boards of the camp, one animation each (Camp_Sign_Names order).
    const std::vector<std::string>& names = Camp_Sign_Names();
    std::vector<std::vector<int>> sign_anims;
    for (int k = 0; k < (int)names.size(); ++k) sign_anims.push_back({k});
    ok = Write_Sheet(root, "Data/props/signs", writers::SheetLayout{192, 96, 4, ((int)names.size() + 3) / 4}, false,
                     [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                         if (f < (int)names.size()) Sign_Cell(cr, names[f], x, y, w, h);
                     },
                     sign_anims, 0.36f, 0.18f) && ok;
    ok = Picture(root, "Data/props/hurdle", 192, 128, Hurdle) && ok;
    ok = Write_Target_Sheet(root, "Data/props/target") && ok;
    ok = Write_Gate_Sheet(root, "Data/props/gate") && ok;
    ok = Write_Door_Sheet(root, art::kDoors) && ok;
    ok = Write_Sheet(root, art::kShadows, writers::SheetLayout{64, 64, 4, 1}, false, Shadow_Cell, {{0}, {2, 3}}, 0.65f,
                     0.65f) && ok;
    return ok;
}

namespace {

// Writes <to>.tga and <to>.dat as copies of <from>'s: pictures the game asks for under
// several names (by character, act or story flag) that this content draws once.
bool Alias(const std::string& root, const std::string& from, const std::string& to) {
    std::error_code ec;
    bool ok = true;
    for (const char* ext : {".tga", ".dat"}) {
        const std::string src = root + "/" + from + ext, dst = root + "/" + to + ext;
        if (!std::filesystem::exists(src)) continue;
        std::filesystem::create_directories(std::filesystem::path(dst).parent_path(), ec);
        ok = std::filesystem::copy_file(src, dst, std::filesystem::copy_options::overwrite_existing, ec) && ok;
    }
    return ok;
}

} // namespace

bool Write_Walk_Art(const std::string& root) {
    bool ok = writers::Make_Dirs(root + "/Data/tiles") && writers::Make_Dirs(root + "/Data/chars") &&
              writers::Make_Dirs(root + "/Data/fx");
    for (const std::string& name : Tile_Set_Names()) {
        Tile_Palette p;
        Tile_Palette_Of(name, p);
        ok = Write_Tile_Set(root, name, p) && ok;
    }
    ok = Write_Effects_Sheet(root, art::kEffects) && ok;
    ok = Write_Props(root) && ok;
    // The player by character: the first under the names the scenes list, the second under
    // the names the texture list substitutes for them, the third (who has no weapon sheets
    // of its own) for its bare-handed, mud, falling and explosive sheets. (The fallen player
    // by character, Data/chars/dead*, is a front-end picture painted with the pages.)
    struct Sheets {
        const char* bare; const char* rifle; const char* pistol; const char* mgun; const char* wading;
        const char* cards; const char* mud; const char* falling; const char* tnt;
    };
    const Sheets by_char[3] = {
        {art::kPlayerBare, art::kPlayerRifle, art::kPlayerPistol, art::kPlayerMachine, art::kPlayerWading,
         "Data/chars/casino", "Data/chars/mud", "Data/chars/falling1", "Data/chars/tnt"},
        {"Data/chars/green_trench", "Data/chars/green_trench1", "Data/chars/green_trench2",
         "Data/chars/green_trench3", "Data/chars/green_trenchW", "Data/chars/trench", "Data/chars/mud1",
         "Data/chars/falling2", "Data/chars/tnt1"},
        {nullptr, nullptr, nullptr, nullptr, nullptr, "Data/chars/sniper", "Data/chars/mud2", "Data/chars/falling3",
         "Data/chars/tnt2"},
    };
    for (int c = 0; c < 3; ++c) {
        const Sheets& s = by_char[c];
        const std::string bare = s.bare ? s.bare : s.cards;
        ok = Write_Figure_Sheet(root, bare, Player_Look(c, Weapon::None)) && ok;
        if (s.rifle && c > 0) { // the second character's armed sheets differ only in the face
            for (auto [from, to] : {std::pair{by_char[0].rifle, s.rifle}, {by_char[0].pistol, s.pistol},
                                    {by_char[0].mgun, s.mgun}, {by_char[0].wading, s.wading}})
                ok = Alias(root, from, to) && ok;
            ok = Alias(root, bare, s.cards) && ok;
        } else if (s.rifle) {
            ok = Write_Figure_Sheet(root, s.rifle, Player_Look(c, Weapon::Rifle)) && ok;
            ok = Write_Figure_Sheet(root, s.pistol, Player_Look(c, Weapon::Pistol)) && ok;
            ok = Write_Figure_Sheet(root, s.mgun, Player_Look(c, Weapon::MachineGun)) && ok;
            Figure_Look wading = Player_Look(c, Weapon::Rifle);
            wading.wading = true;
            ok = Write_Figure_Sheet(root, s.wading, wading) && ok;
            ok = Alias(root, bare, s.cards) && ok;
        }
        for (const char* n : {s.mud, s.falling, s.tnt}) ok = Alias(root, bare, n) && ok;
    }
    // Before the rifle is handed out the rifle slot shows the player carrying it cased.
    ok = Alias(root, art::kPlayerBare, "Data/chars/green_gunner_case") && ok;
    ok = Write_Figure_Sheet(root, art::kEnemyRifle, Enemy_Look(Weapon::Rifle)) && ok;
    ok = Write_Figure_Sheet(root, art::kEnemyPistol, Enemy_Look(Weapon::Pistol)) && ok;
    ok = Write_Figure_Sheet(root, art::kEnemyMachine, Enemy_Look(Weapon::MachineGun)) && ok;
    ok = Write_Figure_Sheet(root, art::kAllyRifle, Ally_Look(Weapon::Rifle)) && ok;
    ok = Write_Figures(root, art::kFigures) && ok;
    ok = Write_Camp_People(root, art::kCampPeople) && ok;
    for (const char* n : {"Data/chars/dogman", "Data/chars/dogmanD", "Data/chars/wages", "Data/chars/battleship"})
        ok = Alias(root, art::kFigures, n) && ok;
    for (const char* n : {"Data/level10/cave_fx0", "Data/level10/cave_fx1", "Data/level10/cave_fx2",
                          "Data/level10/cave_fx3", "Data/level11/church_fx1", "Data/level11/church_fx2"})
        ok = Alias(root, art::kEffects, n) && ok;
    return ok;
}

} // namespace painters
