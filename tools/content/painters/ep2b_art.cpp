// The convoy's lorry, the radio masts and the animals of the farms, the fortress gate. All
// seen from above with soft shadows (plain slots), drawn from fixed shapes so every run
// paints the same pictures.
#include "content/painters/ep2b_art.h"

#include <cmath>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::Shade;

void Smoke(cairo_t* cr, double cx, double cy, double r, double alpha) {
    for (int k = 0; k < 4; ++k) {
        cairo_arc(cr, cx + std::cos(k * 1.7) * r * 0.6, cy - k * r * 0.5, r * (0.6 + k * 0.15), 0, kTau);
        cairo_set_source_rgba(cr, 0.35, 0.35, 0.35, alpha * (1.0 - k * 0.2));
        cairo_fill(cr);
    }
}

// The lorry facing up: bonnet and cab at the top, a canvas tilt with its hoops behind, six
// wheels. Frames: 0 still, 1 and 2 driving (wheels turned, exhaust), 3 burnt out.
void Truck_Cell(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body) {
    const bool burnt = f == 3;
    const Rgba paint = burnt ? Rgba{58, 52, 46, 255} : body;
    const Rgba canvas = burnt ? Rgba{40, 36, 32, 255} : Shade(body, 1.3f);
    Oval_Shadow(cr, x + w * 0.54, y + h * 0.56, w * 0.36, h * 0.44, 0.28);
    for (int k = 0; k < 6; ++k) {
        const double wx = k % 2 ? x + w * 0.72 : x + w * 0.16, wy = y + h * (0.18 + (k / 2) * 0.26);
        Rounded_Rect(cr, wx, wy + (f == 2 ? 2 : 0), w * 0.12, h * 0.14, 4);
        Fill_Inked(cr, Rgba{28, 28, 28, 255});
    }
    Rounded_Rect(cr, x + w * 0.26, y + h * 0.06, w * 0.48, h * 0.28, 10); // bonnet and cab
    Fill_Inked(cr, paint);
    cairo_rectangle(cr, x + w * 0.31, y + h * 0.22, w * 0.38, h * 0.05); // windscreen
    Fill_Inked(cr, burnt ? Rgba{20, 20, 20, 255} : Rgba{150, 190, 205, 255}, 1);
    Rounded_Rect(cr, x + w * 0.2, y + h * 0.32, w * 0.6, h * 0.6, 6); // the tilt
    Fill_Inked(cr, canvas);
    for (int k = 1; k < 5; ++k) {
        cairo_move_to(cr, x + w * 0.2, y + h * (0.32 + k * 0.12));
        cairo_line_to(cr, x + w * 0.8, y + h * (0.32 + k * 0.12));
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (!burnt) { // a white star on the tilt
        cairo_save(cr);
        cairo_translate(cr, x + w * 0.5, y + h * 0.62);
        for (int k = 0; k < 5; ++k) {
            const double a = -kTau / 4 + k * kTau * 2 / 5;
            if (k == 0) cairo_move_to(cr, std::cos(a) * w * 0.12, std::sin(a) * w * 0.12);
            else cairo_line_to(cr, std::cos(a) * w * 0.12, std::sin(a) * w * 0.12);
        }
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0.95, 0.95, 0.9, 0.9);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (f == 1 || f == 2) Smoke(cr, x + w * 0.3, y + h * 0.97, w * 0.05, f == 1 ? 0.5 : 0.3);
    if (burnt) Smoke(cr, x + w * 0.5, y + h * 0.4, w * 0.12, 0.6);
}

// A lattice radio mast on a concrete pad, its dish on top. Frames: 0 standing, 1 bent and
// smoking, 2 wrecked (the mast fallen, the dish broken on the ground).
void Radar_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    Oval_Shadow(cr, x + w * 0.55, y + h * 0.86, w * 0.38, h * 0.1, 0.28);
    Rounded_Rect(cr, x + w * 0.18, y + h * 0.74, w * 0.64, h * 0.2, 6); // the pad
    Fill_Inked(cr, Rgba{150, 148, 140, 255});
    const Rgba steel{96, 104, 110, 255};
    if (f == 2) {
        cairo_move_to(cr, x + w * 0.3, y + h * 0.84);
        cairo_line_to(cr, x + w * 0.92, y + h * 0.7);
        cairo_set_source_rgb(cr, 0.3, 0.32, 0.34);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        Ellipse(cr, x + w * 0.2, y + h * 0.66, w * 0.14, h * 0.06);
        Fill_Inked(cr, Rgba{120, 120, 116, 255});
        Smoke(cr, x + w * 0.55, y + h * 0.66, w * 0.08, 0.5);
        return;
    }
    const double lean = f == 1 ? 0.12 : 0.0;
    const double bx = x + w * 0.5, by = y + h * 0.8, tx = bx + w * lean, ty = y + h * 0.2;
    for (int side : {-1, 1}) { // the two legs
        cairo_move_to(cr, bx + side * w * 0.14, by);
        cairo_line_to(cr, tx + side * w * 0.03, ty);
    }
    for (int k = 1; k < 6; ++k) { // the lattice
        const double t = k / 6.0, lx = bx + (tx - bx) * t;
        const double half = w * (0.14 - 0.11 * t), ly = by + (ty - by) * t;
        cairo_move_to(cr, lx - half, ly);
        cairo_line_to(cr, lx + half, ly - h * 0.1);
    }
    Set_Rgb(cr, steel);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Ellipse(cr, tx, ty, w * 0.2, h * 0.08); // the dish
    Fill_Inked(cr, Rgba{214, 214, 206, 255});
    cairo_arc(cr, tx, ty, w * 0.03, 0, kTau);
    Fill_Inked(cr, Rgba{200, 40, 30, 255}, 1);
    if (f == 1) Smoke(cr, tx, ty - h * 0.02, w * 0.06, 0.55);
}

// A cow seen from above and a little from the side: a white hide with black patches.
// Frames: 0 and 1 grazing (head down, up), 2 startled, 3 lying on its side.
void Cow_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    Oval_Shadow(cr, x + w * 0.5, y + h * 0.78, w * 0.38, h * 0.14, 0.28);
    if (f == 3) {
        Ellipse(cr, x + w * 0.5, y + h * 0.66, w * 0.36, h * 0.18);
        Fill_Inked(cr, Rgba{236, 232, 222, 255});
        for (int k = 0; k < 4; ++k) {
            cairo_move_to(cr, x + w * (0.3 + k * 0.12), y + h * 0.5);
            cairo_line_to(cr, x + w * (0.32 + k * 0.12), y + h * 0.36);
        }
        Ink(cr, 4);
        Ellipse(cr, x + w * 0.86, y + h * 0.7, w * 0.09, h * 0.08);
        Fill_Inked(cr, Rgba{236, 232, 222, 255});
        return;
    }
    const double jump = f == 2 ? -h * 0.06 : 0.0;
    for (int k = 0; k < 4; ++k) { // legs
        const double lx = x + w * (k < 2 ? 0.28 + k * 0.08 : 0.62 + (k - 2) * 0.08);
        cairo_rectangle(cr, lx, y + h * 0.58 + jump, w * 0.05, h * 0.2);
        Fill_Inked(cr, Rgba{60, 52, 44, 255}, 1);
    }
    Ellipse(cr, x + w * 0.5, y + h * 0.5 + jump, w * 0.3, h * 0.16); // body
    Fill_Inked(cr, Rgba{238, 234, 226, 255});
    Ellipse(cr, x + w * 0.42, y + h * 0.46 + jump, w * 0.1, h * 0.07);
    Set_Rgb(cr, Rgba{30, 28, 26, 255});
    cairo_fill(cr);
    Ellipse(cr, x + w * 0.62, y + h * 0.54 + jump, w * 0.08, h * 0.06);
    cairo_fill(cr);
    const double head_y = y + h * (f == 0 ? 0.6 : 0.42) + jump;
    Ellipse(cr, x + w * 0.83, head_y, w * 0.09, h * 0.08); // head
    Fill_Inked(cr, Rgba{238, 234, 226, 255});
    Ellipse(cr, x + w * 0.89, head_y + h * 0.02, w * 0.04, h * 0.035); // muzzle
    Fill_Inked(cr, Rgba{220, 160, 150, 255}, 1);
    for (int side : {-1, 1}) { // horns
        cairo_move_to(cr, x + w * 0.8, head_y - h * 0.05);
        cairo_line_to(cr, x + w * (0.8 + side * 0.04), head_y - h * 0.11);
    }
    Ink(cr, 2);
}

// A black crow on the ground. Frames: 0 standing, 1 pecking, 2 and 3 feathers flying.
void Crow_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    if (f >= 2) {
        for (int k = 0; k < 7; ++k) {
            const double a = k * 0.9 + f, r = w * (f == 2 ? 0.18 : 0.3);
            Ellipse(cr, x + w * 0.5 + std::cos(a) * r, y + h * 0.55 + std::sin(a) * r, w * 0.05, h * 0.02);
            cairo_set_source_rgba(cr, 0.1, 0.1, 0.12, f == 2 ? 0.9 : 0.5);
            cairo_fill(cr);
        }
        return;
    }
    Oval_Shadow(cr, x + w * 0.5, y + h * 0.74, w * 0.22, h * 0.07, 0.28);
    Ellipse(cr, x + w * 0.48, y + h * 0.55, w * 0.2, h * 0.13);
    Fill_Inked(cr, Rgba{24, 24, 30, 255});
    const double hx = x + w * 0.68, hy = y + h * (f == 1 ? 0.62 : 0.44);
    cairo_arc(cr, hx, hy, w * 0.08, 0, kTau);
    Fill_Inked(cr, Rgba{24, 24, 30, 255});
    cairo_move_to(cr, hx + w * 0.06, hy - h * 0.02);
    cairo_line_to(cr, hx + w * 0.18, hy + h * 0.02);
    cairo_line_to(cr, hx + w * 0.06, hy + h * 0.04);
    cairo_close_path(cr);
    Fill_Inked(cr, Rgba{210, 170, 60, 255}, 1);
    cairo_move_to(cr, x + w * 0.28, y + h * 0.55); // tail
    cairo_line_to(cr, x + w * 0.12, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.14, y + h * 0.62);
    cairo_close_path(cr);
    Fill_Inked(cr, Rgba{24, 24, 30, 255}, 1);
}

// The gate: two stone posts and iron bars between them; a lamp on the left post glows.
void Gate_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    Oval_Shadow(cr, x + w * 0.52, y + h * 0.8, w * 0.46, h * 0.12, 0.28);
    for (int side : {0, 1}) {
        Rounded_Rect(cr, x + (side ? w * 0.84 : w * 0.02), y + h * 0.2, w * 0.14, h * 0.66, 4);
        Fill_Inked(cr, Rgba{132, 126, 116, 255});
    }
    for (int k = 0; k < 9; ++k) {
        const double bx = x + w * (0.19 + k * 0.08);
        cairo_move_to(cr, bx, y + h * 0.3);
        cairo_line_to(cr, bx, y + h * 0.82);
    }
    cairo_move_to(cr, x + w * 0.16, y + h * 0.4);
    cairo_line_to(cr, x + w * 0.84, y + h * 0.4);
    cairo_move_to(cr, x + w * 0.16, y + h * 0.72);
    cairo_line_to(cr, x + w * 0.84, y + h * 0.72);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, x + w * 0.09, y + h * 0.18, w * 0.05, 0, kTau);
    cairo_set_source_rgba(cr, 1.0, 0.85, 0.4, f ? 0.6 : 0.95);
    cairo_fill(cr);
}

// A red powder keg on its end. Frames: 0 standing, 1 rocked, 2 burst (a scorch and staves).
void Powder_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    if (f == 2) {
        Ellipse(cr, x + w * 0.5, y + h * 0.7, w * 0.4, h * 0.16);
        cairo_set_source_rgba(cr, 0.1, 0.08, 0.06, 0.75);
        cairo_fill(cr);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 1.25;
            cairo_move_to(cr, x + w * (0.5 + std::cos(a) * 0.15), y + h * (0.7 + std::sin(a) * 0.06));
            cairo_line_to(cr, x + w * (0.5 + std::cos(a) * 0.38), y + h * (0.7 + std::sin(a) * 0.14));
        }
        cairo_set_source_rgb(cr, 0.42, 0.28, 0.16);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        return;
    }
    const double tilt = f == 1 ? w * 0.05 : 0.0;
    Oval_Shadow(cr, x + w * 0.55, y + h * 0.84, w * 0.3, h * 0.08, 0.28);
    Rounded_Rect(cr, x + w * 0.24 + tilt, y + h * 0.22, w * 0.52, h * 0.62, 8);
    Fill_Inked(cr, Rgba{168, 48, 36, 255});
    for (double band : {0.32, 0.72}) {
        cairo_rectangle(cr, x + w * 0.24 + tilt, y + h * band, w * 0.52, h * 0.05);
        Fill_Inked(cr, Rgba{70, 66, 60, 255}, 1);
    }
    Ellipse(cr, x + w * 0.5 + tilt, y + h * 0.22, w * 0.26, h * 0.07);
    Fill_Inked(cr, Rgba{190, 70, 52, 255});
    Caption(cr, "TNT", x + w * 0.24 + tilt, y + h * 0.42, w * 0.52, h * 0.2, 16, Rgba{250, 236, 200, 255});
}

// A windmill from above: a round stone tower with a conical roof and four sails, turned a
// little from one frame to the next.
void Windmill_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w * 0.5, cy = y + h * 0.5;
    Oval_Shadow(cr, cx + w * 0.06, cy + h * 0.08, w * 0.26, h * 0.24, 0.28);
    cairo_arc(cr, cx, cy, w * 0.24, 0, kTau);
    Fill_Inked(cr, Rgba{176, 166, 146, 255});
    cairo_arc(cr, cx, cy, w * 0.17, 0, kTau);
    Fill_Inked(cr, Rgba{120, 70, 50, 255});
    for (int k = 0; k < 4; ++k) {
        const double a = k * kTau / 4 + f * 0.35;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, w * 0.03, -w * 0.05, w * 0.44, w * 0.1);
        Fill_Inked(cr, Rgba{226, 218, 196, 255});
        for (int r = 1; r < 5; ++r) {
            cairo_move_to(cr, w * (0.03 + r * 0.09), -w * 0.05);
            cairo_line_to(cr, w * (0.03 + r * 0.09), w * 0.05);
        }
        Ink(cr, 1);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, w * 0.04, 0, kTau);
    Fill_Inked(cr, Rgba{60, 50, 40, 255});
}

} // namespace

bool Ep2b_Windmill(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{192, 192, 4, 1}, false, Windmill_Cell, {{0, 1, 2, 3}}, 0.9f,
                       0.9f, 400);
}

bool Ep2b_Powder(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{64, 64, 4, 1}, false, Powder_Cell, {{0}, {1, 0}, {2}}, 0.2f,
                       0.25f, 120);
}

bool Ep2b_Truck(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string colour = r.Str("colour", "olive");
    const Rgba body = colour == "sand" ? Rgba{160, 136, 88, 255} : Rgba{92, 108, 64, 255};
    // Square cells as a vehicle unit is drawn; the lorry takes their middle.
    return Write_Sheet(root, image, writers::SheetLayout{160, 160, 4, 1}, false,
                       [body](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Truck_Cell(cr, f, x + w * 0.2, y + h * 0.02, w * 0.6, h * 0.96, body);
                       },
                       {{0}, {1, 2}, {3}}, 0.65f, 0.65f, 140);
}

bool Ep2b_Radar(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{128, 160, 4, 1}, false, Radar_Cell, {{0}, {1}, {2}}, 0.4f,
                       0.5f, 200);
}

bool Ep2b_Cow(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{128, 96, 4, 1}, false, Cow_Cell, {{0, 0, 1, 1}, {2}, {3}},
                       0.4f, 0.3f, 400);
}

bool Ep2b_Crow(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{64, 64, 4, 1}, false, Crow_Cell, {{0, 0, 1, 0}, {2, 3}},
                       0.14f, 0.14f, 250);
}

bool Ep2b_Gate(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{192, 96, 2, 1}, false, Gate_Cell, {{0, 0, 0, 1}}, 0.6f,
                       0.3f, 300);
}

} // namespace painters
