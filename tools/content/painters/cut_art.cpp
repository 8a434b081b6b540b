// The cut-scenes' pictures. A scene is stacked from a whole-view sky (plain), a whole-view
// land (keyed: the sky shows above its horizon), vehicles and figures (keyed sheets) and a
// foreground strip, so a vehicle can stand on the land and sink behind the hedge in front of
// it. Every picture is drawn from a seed taken from its name: the same on every run.
#include "content/painters/cut_art.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/writers/art.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::SheetLayout;

constexpr double W = 1024, H = 640; // whole-view pictures: the 2.4 x 1.5 units of the widest view

const Rgba kInk{20, 22, 18, 255}, kWhite{244, 242, 232, 255}, kSkin{222, 180, 140, 255},
    kOlive{92, 108, 58, 255}, kSteelGrey{96, 104, 112, 255}, kRust{150, 70, 40, 255},
    kSand{214, 192, 140, 255}, kRoof{150, 60, 44, 255};

struct Rng : Seeded_Rng {
    explicit Rng(uint32_t seed) : Seeded_Rng(seed, 97u) {}
};

Rgba Colour(const std::string& n) {
    if (n == "grey") return kSteelGrey;
    if (n == "sand") return Rgba{176, 150, 96, 255};
    if (n == "red") return Rgba{150, 44, 36, 255};
    if (n == "blue") return Rgba{60, 80, 120, 255};
    return kOlive;
}

void Gradient(cairo_t* cr, double x0, double y0, double x1, double y1, Rgba top, Rgba bottom) {
    Gradient_Rect(cr, x0, y0, x1 - x0, y1 - y0, y0, y1, top, bottom);
}

// A rectangle, an ellipse or a rounded rectangle filled in one colour.
void Fill_Rect(cairo_t* cr, double x, double y, double w, double h, Rgba c, double a = 1.0) {
    cairo_rectangle(cr, x, y, w, h);
    Set_Rgb(cr, c, a);
    cairo_fill(cr);
}
void Fill_Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgba c, double a = 1.0) {
    Ellipse(cr, cx, cy, rx, ry);
    Set_Rgb(cr, c, a);
    cairo_fill(cr);
}
void Fill_Rounded(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c) {
    Rounded_Rect(cr, x, y, w, h, r);
    Set_Rgb(cr, c);
    cairo_fill(cr);
}

void Disc(cairo_t* cr, double x, double y, double r, Rgba c, double a = 1.0) {
    Set_Rgb(cr, c, a);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgba c) {
    Set_Rgb(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

// A heaped cloud: lobes along a flat base, lit from above, its shadowed underside below.
void Cloud(cairo_t* cr, Rng& rng, double cx, double cy, double s, Rgba lit, Rgba dark) {
    const int lobes = 4 + (int)(rng.Next() * 3);
    std::vector<double> xs, rs;
    for (int k = 0; k < lobes; ++k) {
        const double t = (k + 0.5) / lobes - 0.5;
        xs.push_back(cx + t * s * 1.5);
        rs.push_back(s * (0.2 + 0.2 * std::cos(t * kPi)) * (0.8 + 0.4 * rng.Next()));
    }
    cairo_save(cr);
    cairo_rectangle(cr, cx - s * 2, cy - s * 2, s * 4, s * 2); // nothing below the base
    cairo_clip(cr);
    for (int k = 0; k < lobes; ++k) Disc(cr, xs[k], cy - rs[k] * 0.3, rs[k], dark);
    for (int k = 0; k < lobes; ++k) Disc(cr, xs[k] - rs[k] * 0.08, cy - rs[k] * 0.42, rs[k] * 0.9, lit);
    cairo_restore(cr);
    Fill_Ellipse(cr, cx, cy, s * 0.8, s * 0.035, dark);
}

// A ridge filled down to the bottom, its crest at `base` (pixels from the top).
void Ridge(cairo_t* cr, Rng& rng, double base, double amp, Rgba c, double x0 = 0, double x1 = W) {
    const double p1 = rng.Next() * 6.28, p2 = rng.Next() * 6.28, f1 = 2 + rng.Next() * 3, f2 = 7 + rng.Next() * 6;
    cairo_move_to(cr, x0, H);
    for (double x = x0; x <= x1; x += 4)
        cairo_line_to(cr, x, base - amp * (0.6 * std::sin(p1 + f1 * x / W) + 0.4 * std::sin(p2 + f2 * x / W)));
    cairo_line_to(cr, x1, H);
    cairo_close_path(cr);
    Set_Rgb(cr, c);
    cairo_fill(cr);
}

void Pine(cairo_t* cr, double x, double base, double h, Rgba c) {
    Line(cr, x, base, x, base - h * 0.2, h * 0.05, writers::Shade(kRust, 0.5f));
    for (int k = 0; k < 3; ++k) {
        const double top = base - h * (0.45 + k * 0.25), bottom = base - h * (0.12 + k * 0.22), half = h * (0.3 - k * 0.07);
        cairo_move_to(cr, x - half, bottom);
        cairo_line_to(cr, x, top);
        cairo_line_to(cr, x + half, bottom);
        cairo_close_path(cr);
        Set_Rgb(cr, writers::Shade(c, 1.0f + k * 0.1f));
        cairo_fill(cr);
    }
}

void Leafy_Tree(cairo_t* cr, Rng& rng, double x, double base, double h, Rgba c) {
    Line(cr, x, base, x, base - h * 0.45, h * 0.07, writers::Shade(kRust, 0.45f));
    for (int k = 0; k < 6; ++k)
        Disc(cr, x + rng.In(-0.22, 0.22) * h, base - h * rng.In(0.5, 0.85), h * rng.In(0.16, 0.24),
             writers::Shade(c, (float)rng.In(0.8, 1.15)));
}

void Poplar(cairo_t* cr, double x, double base, double h, Rgba c) {
    Line(cr, x, base, x, base - h * 0.15, h * 0.04, writers::Shade(kRust, 0.45f));
    Fill_Ellipse(cr, x, base - h * 0.55, h * 0.09, h * 0.45, c);
    Fill_Ellipse(cr, x - h * 0.03, base - h * 0.6, h * 0.04, h * 0.35, writers::Shade(c, 1.2f));
}

void Dead_Tree(cairo_t* cr, double x, double base, double h) {
    const Rgba c{46, 40, 34, 255};
    Line(cr, x, base, x + h * 0.03, base - h, h * 0.06, c);
    Line(cr, x + h * 0.01, base - h * 0.6, x - h * 0.2, base - h * 0.85, h * 0.03, c);
    Line(cr, x + h * 0.02, base - h * 0.75, x + h * 0.22, base - h * 0.95, h * 0.025, c);
}

void House(cairo_t* cr, double x, double base, double w, double h, Rgba wall, bool broken) {
    Fill_Rect(cr, x, base - h, w, h, wall);
    cairo_move_to(cr, x - w * 0.08, base - h);
    if (broken) {
        cairo_line_to(cr, x + w * 0.3, base - h * 1.5);
        cairo_line_to(cr, x + w * 0.55, base - h * 1.2);
        cairo_line_to(cr, x + w * 0.7, base - h * 1.35);
    } else {
        cairo_line_to(cr, x + w * 0.5, base - h * 1.6);
    }
    cairo_line_to(cr, x + w * 1.08, base - h);
    cairo_close_path(cr);
    Set_Rgb(cr, broken ? Rgba{70, 60, 54, 255} : kRoof);
    cairo_fill(cr);
    for (int k = 0; k < 2; ++k) { // windows
        Fill_Rect(cr, x + w * (0.18 + k * 0.44), base - h * 0.75, w * 0.2, h * 0.25, Rgba{40, 44, 50, 255});
    }
    Fill_Rect(cr, x + w * 0.4, base - h * 0.4, w * 0.2, h * 0.4, Rgba{90, 56, 34, 255});
}

void Church(cairo_t* cr, double x, double base, double s) {
    const Rgba stone{176, 166, 144, 255};
    House(cr, x, base, s * 1.4, s * 0.7, stone, false);
    Fill_Rect(cr, x + s * 1.4, base - s * 1.4, s * 0.4, s * 1.4, writers::Shade(stone, 0.9f));
    cairo_move_to(cr, x + s * 1.36, base - s * 1.4);
    cairo_line_to(cr, x + s * 1.6, base - s * 2.1);
    cairo_line_to(cr, x + s * 1.84, base - s * 1.4);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{70, 80, 90, 255});
    cairo_fill(cr);
}

void Tent(cairo_t* cr, double cx, double base, double s, Rgba c) {
    Tent_Side(cr, cx, base, s, c, {0.1, 0.8, 0.2, 0.4f});
}

void Flag_Pole(cairo_t* cr, double x, double base, double h) {
    Line(cr, x, base, x, base - h, 3, Rgba{200, 196, 180, 255});
    cairo_move_to(cr, x, base - h);
    cairo_curve_to(cr, x + h * 0.15, base - h * 1.02, x + h * 0.2, base - h * 0.86, x + h * 0.32, base - h * 0.9);
    cairo_line_to(cr, x + h * 0.3, base - h * 0.72);
    cairo_curve_to(cr, x + h * 0.2, base - h * 0.7, x + h * 0.12, base - h * 0.8, x, base - h * 0.76);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{170, 40, 36, 255});
    cairo_fill(cr);
}

// A road running from the bottom of the picture to a vanishing point on the horizon.
void Road(cairo_t* cr, double vx, double vy, double bottom_x, double bottom_w, Rgba c) {
    cairo_move_to(cr, vx - 3, vy);
    cairo_line_to(cr, vx + 3, vy);
    cairo_line_to(cr, bottom_x + bottom_w / 2, H);
    cairo_line_to(cr, bottom_x - bottom_w / 2, H);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, vy, 0, H), c, 0.9f, 1.1f, false);
    for (int k = 0; k < 9; ++k) { // ruts
        const double t0 = std::pow(k / 9.0, 2), t1 = std::pow((k + 0.5) / 9.0, 2);
        const double y0 = vy + (H - vy) * t0, y1 = vy + (H - vy) * t1;
        const double x0 = vx + (bottom_x - vx) * t0, x1 = vx + (bottom_x - vx) * t1;
        Line(cr, x0, y0, x1, y1, 1 + 5 * t1, writers::Shade(c, 1.25f));
    }
}

void Fence(cairo_t* cr, double y, double spacing, Rgba c) {
    for (double x = 8; x < W; x += spacing) Line(cr, x, y, x, y - spacing * 0.45, 4, c);
    Line(cr, 0, y - spacing * 0.32, W, y - spacing * 0.32, 2, c);
    Line(cr, 0, y - spacing * 0.16, W, y - spacing * 0.16, 2, c);
}

void Wire(cairo_t* cr, Rng& rng, double y, double h) {
    const Rgba c{50, 46, 42, 255};
    for (double x = 10; x < W; x += 90) Line(cr, x, y, x + 6, y - h, 4, c);
    Set_Rgb(cr, c);
    cairo_set_line_width(cr, 1.5);
    for (double x = 0; x < W; x += 14) {
        cairo_arc(cr, x, y - h * 0.5 + rng.In(-4, 4), h * 0.35, 0, 2 * kPi);
        cairo_stroke(cr);
    }
}

void Sandbags(cairo_t* cr, double y, double bag, Rgba c) {
    for (int row = 0; row < 3; ++row)
        for (double x = -bag + (row % 2) * bag / 2; x < W + bag; x += bag) {
            Rounded_Rect(cr, x + 1, y - (row + 1) * bag * 0.42, bag - 2, bag * 0.44, bag * 0.18);
            Fill_Shaded(cr, cairo_pattern_create_linear(0, y - (row + 1) * bag * 0.42, 0, y - row * bag * 0.42), c,
                        1.2f, 0.75f, false);
        }
}

void Crater(cairo_t* cr, double x, double y, double r, Rgba ground) {
    Fill_Ellipse(cr, x, y, r, r * 0.3, writers::Shade(ground, 0.55f));
    Fill_Ellipse(cr, x, y - r * 0.06, r * 0.8, r * 0.2, writers::Shade(ground, 0.38f));
}

void Waves(cairo_t* cr, Rng& rng, double y0, double y1, Rgba far, Rgba near) {
    Gradient(cr, 0, y0, W, y1, far, near);
    for (int k = 0; k < 180; ++k) {
        const double t = rng.Next(), y = y0 + (y1 - y0) * t * t;
        const double len = 8 + 50 * t;
        Set_Rgb(cr, kWhite, 0.25 + 0.35 * t);
        cairo_set_line_width(cr, 1 + 2 * t);
        const double x = rng.Next() * W;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + len * 0.3, y - 2 - 3 * t, x + len * 0.7, y - 2 - 3 * t, x + len, y);
        cairo_stroke(cr);
    }
}

void Crates(cairo_t* cr, double x, double base, double s) {
    const Rgba wood{150, 110, 64, 255};
    for (int k = 0; k < 3; ++k) {
        const double cx = x + k * s * 1.05, cy = base - s;
        Fill_Rect(cr, cx, cy, s, s, wood);
        Set_Rgb(cr, writers::Shade(wood, 0.6f));
        cairo_set_line_width(cr, 3);
        cairo_rectangle(cr, cx + 2, cy + 2, s - 4, s - 4);
        cairo_move_to(cr, cx + 2, cy + 2);
        cairo_line_to(cr, cx + s - 2, cy + s - 2);
        cairo_stroke(cr);
    }
    Fill_Rect(cr, x + s * 0.5, base - s * 2, s, s, writers::Shade(wood, 1.15f));
}

void Moonlight(cairo_t* cr) {
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 0.03, 0.05, 0.16, 0.62);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// ---- The land ----

// ---- The lands, one picture each (several lands that share their drawing pass the name on) ----

constexpr double kHorizon = H * 0.5; // the horizon: view y 0
const Rgba kGrass{104, 132, 64, 255}, kFarHill{120, 140, 130, 255}, kMud{96, 80, 56, 255};

// The sea, a beach or a harbour: the far coast, the waves, what stands on the near shore.
void Coast(cairo_t* cr, Rng& rng, const std::string& land) {
    Ridge(cr, rng, kHorizon - 6, 10, Rgba{110, 120, 110, 255}, 0, W * 0.45); // the far coast
    if (land == "harbour") {
        Ridge(cr, rng, kHorizon - 4, 6, Rgba{90, 96, 92, 255}, W * 0.55, W);
        for (int k = 0; k < 4; ++k) House(cr, W * 0.62 + k * 80, kHorizon, 52, 30, Rgba{150, 144, 130, 255}, false);
    }
    Waves(cr, rng, kHorizon, H, Rgba{70, 104, 130, 255}, Rgba{30, 62, 90, 255});
    if (land == "beach") {
        cairo_move_to(cr, 0, H * 0.74);
        cairo_curve_to(cr, W * 0.3, H * 0.68, W * 0.6, H * 0.8, W, H * 0.72);
        cairo_line_to(cr, W, H);
        cairo_line_to(cr, 0, H);
        cairo_close_path(cr);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, H * 0.7, 0, H), kSand, 1.1f, 0.8f, false);
        for (int k = 0; k < 7; ++k) { // steel hedgehogs on the sand
            const double x = 60 + k * 140 + rng.In(-20, 20), y = H * 0.86 + rng.In(-10, 20);
            Line(cr, x - 22, y, x + 22, y - 36, 6, Rgba{60, 58, 56, 255});
            Line(cr, x + 22, y, x - 22, y - 36, 6, Rgba{60, 58, 56, 255});
            Line(cr, x, y + 4, x, y - 40, 6, Rgba{80, 76, 70, 255});
        }
    }
    if (land == "harbour") { // the quay in front
        cairo_rectangle(cr, W * 0.6, H * 0.78, W * 0.4, H * 0.22);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, H * 0.78, 0, H), Rgba{120, 116, 108, 255}, 1.1f, 0.7f,
                    false);
        for (double x = W * 0.62; x < W; x += 70) Line(cr, x, H * 0.78, x, H * 0.74, 10, Rgba{50, 46, 42, 255});
    }
}

// A road, the woods, the camp or a village: hills, the green, what lines the road.
void Country(cairo_t* cr, Rng& rng, const std::string& land) {
    Ridge(cr, rng, kHorizon - 10, 16, kFarHill);
    Ridge(cr, rng, kHorizon + 4, 8, writers::Shade(kGrass, 0.85f));
    Gradient(cr, 0, kHorizon + 8, W, H, Rgba{112, 140, 70, 255}, Rgba{70, 96, 40, 255});
    if (land == "woods") {
        for (int k = 0; k < 34; ++k) Pine(cr, rng.Next() * W, kHorizon + 10 + rng.Next() * 20, 90 + rng.Next() * 60,
                                          Rgba{40, 70, 44, 255});
        Road(cr, W * 0.5, kHorizon + 20, W * 0.45, W * 0.5, Rgba{120, 100, 70, 255});
        for (int k = 0; k < 8; ++k) {
            const double x = k < 4 ? rng.In(0, W * 0.18) : rng.In(W * 0.82, W);
            Pine(cr, x, H * 0.7 + rng.Next() * H * 0.2, 200 + rng.Next() * 80, Rgba{30, 56, 34, 255});
        }
    } else {
        Road(cr, W * 0.62, kHorizon + 8, W * 0.4, W * 0.42, Rgba{150, 128, 92, 255});
        if (land == "road")
            for (int k = 0; k < 9; ++k) {
                const double t = std::pow((k + 1) / 10.0, 1.6), x = W * 0.62 + (W * 0.4 - W * 0.62) * t;
                Poplar(cr, x - W * 0.24 * t - 20, kHorizon + 8 + (H - kHorizon) * t * 0.5, 40 + 180 * t, Rgba{70, 100, 50, 255});
            }
        if (land == "camp") {
            for (int k = 0; k < 5; ++k) Tent(cr, 90 + k * 110, kHorizon + 40 + k * 6, 46, Rgba{150, 142, 100, 255});
            Flag_Pole(cr, W * 0.78, kHorizon + 50, 110);
            Fence(cr, H * 0.82, 60, Rgba{110, 84, 56, 255});
        }
        if (land == "village") {
            for (int k = 0; k < 5; ++k)
                House(cr, 40 + k * 120, kHorizon + 30, 70, 44, Rgba{200, 186, 156, 255}, k == 2);
            Church(cr, W * 0.75, kHorizon + 26, 60);
            for (int k = 0; k < 5; ++k) Leafy_Tree(cr, rng, rng.In(0, W), kHorizon + 60 + rng.Next() * 40, 80,
                                                  Rgba{70, 100, 50, 255});
        }
    }
}

// Farms or an orchard.
void Fields(cairo_t* cr, Rng& rng, const std::string& land) {
    Ridge(cr, rng, kHorizon - 10, 14, kFarHill);
    Gradient(cr, 0, kHorizon, W, H, Rgba{150, 150, 80, 255}, Rgba{100, 110, 50, 255});
    const Rgba fields[] = {{176, 156, 80, 255}, {120, 140, 64, 255}, {150, 120, 70, 255}, {190, 170, 90, 255}};
    for (int k = 0; k < 6; ++k) { // the patchwork, in perspective
        const double y0 = kHorizon + std::pow(k / 6.0, 1.8) * (H - kHorizon), y1 = kHorizon + std::pow((k + 1) / 6.0, 1.8) * (H - kHorizon);
        for (double x = -rng.Next() * 200; x < W; x += 180 + k * 60) {
            Fill_Rect(cr, x, y0, 170 + k * 60, y1 - y0 - 2, fields[(int)(rng.Next() * 4)]);
            Set_Rgb(cr, kInk, 0.12);
            cairo_set_line_width(cr, 1);
            for (double fy = y0 + 4; fy < y1; fy += 3 + k * 2) {
                cairo_move_to(cr, x, fy);
                cairo_line_to(cr, x + 170 + k * 60, fy);
            }
            cairo_stroke(cr);
        }
    }
    if (land == "farms") {
        House(cr, W * 0.15, kHorizon + 40, 110, 60, Rgba{150, 60, 40, 255}, false); // the barn
        // the windmill
        Fill_Rect(cr, W * 0.7, kHorizon - 40, 34, 90, Rgba{220, 210, 190, 255});
        for (int k = 0; k < 4; ++k) {
            const double a = k * kPi / 2 + 0.4;
            Line(cr, W * 0.7 + 17, kHorizon - 40, W * 0.7 + 17 + 70 * std::cos(a), kHorizon - 40 + 70 * std::sin(a), 8,
                 Rgba{120, 100, 80, 255});
        }
        for (int k = 0; k < 8; ++k) { // hay bales
            const double x = rng.In(0, W), y = kHorizon + 60 + rng.Next() * 160;
            Fill_Ellipse(cr, x, y, 14 + (y - kHorizon) * 0.08, 10 + (y - kHorizon) * 0.05, Rgba{214, 184, 90, 255});
        }
    } else {
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 9; ++k)
                Leafy_Tree(cr, rng, 50 + k * 120 + row * 30, kHorizon + 30 + row * 45, 60 + row * 24,
                           Rgba{80, 120, 50, 255});
        House(cr, W * 0.8, kHorizon + 20, 80, 50, Rgba{210, 200, 170, 255}, false);
    }
    Fence(cr, H * 0.9, 70, Rgba{110, 84, 56, 255});
}

// The front or a trench.
void Front_Line(cairo_t* cr, Rng& rng, const std::string& land) {
    Ridge(cr, rng, kHorizon - 6, 10, Rgba{96, 92, 84, 255});
    Gradient(cr, 0, kHorizon, W, H, Rgba{110, 96, 70, 255}, kMud);
    for (int k = 0; k < 22; ++k) {
        const double y = kHorizon + 10 + rng.Next() * (H - kHorizon - 20);
        Crater(cr, rng.Next() * W, y, 10 + (y - kHorizon) * 0.2, kMud);
    }
    for (int k = 0; k < 7; ++k) Dead_Tree(cr, rng.Next() * W, kHorizon + 10 + rng.Next() * 40, 60 + rng.Next() * 60);
    House(cr, W * 0.55, kHorizon + 12, 70, 40, Rgba{160, 150, 130, 255}, true);
    Wire(cr, rng, kHorizon + 70, 22);
    if (land == "trench") {
        Fill_Rect(cr, 0, H * 0.7, W, H * 0.3, Rgba{70, 56, 40, 255}); // the trench floor and its far wall
        for (double x = 0; x < W; x += 26) { // revetment planks
            Fill_Rect(cr, x, H * 0.7, 22, H * 0.12, Rgba{120, 92, 60, 255});
        }
        Sandbags(cr, H * 0.7, 60, Rgba{170, 150, 110, 255});
        for (double x = 30; x < W; x += 150) { // duckboards
            Fill_Rect(cr, x, H * 0.9, 120, 14, Rgba{140, 110, 70, 255});
        }
    }
}

// Far below an aeroplane: hills and a patchwork.
void Hills_From_Above(cairo_t* cr, Rng& rng, const std::string&) {
    Ridge(cr, rng, H * 0.66, 24, Rgba{110, 130, 120, 255});
    Ridge(cr, rng, H * 0.76, 18, Rgba{90, 116, 70, 255});
    Ridge(cr, rng, H * 0.88, 14, Rgba{70, 96, 50, 255});
    for (int k = 0; k < 40; ++k) {
        cairo_rectangle(cr, rng.Next() * W, H * 0.8 + rng.Next() * H * 0.18, 30 + rng.Next() * 40, 6);
        Set_Rgb(cr, Rgba{150, 150, 80, 255}, 0.8);
        cairo_fill(cr);
    }
}

// A depot.
void Depot(cairo_t* cr, Rng& rng, const std::string&) {
    Ridge(cr, rng, kHorizon - 20, 14, Rgba{100, 100, 96, 255});
    Gradient(cr, 0, kHorizon, W, H, Rgba{120, 112, 96, 255}, Rgba{80, 74, 60, 255});
    for (int k = 0; k < 3; ++k) { // sheds
        Fill_Rect(cr, 60 + k * 330, kHorizon - 50, 240, 90, Rgba{100, 108, 96, 255});
        cairo_arc(cr, 180 + k * 330, kHorizon - 50, 120, kPi, 2 * kPi);
        Set_Rgb(cr, Rgba{120, 128, 116, 255});
        cairo_fill(cr);
        Fill_Rect(cr, 140 + k * 330, kHorizon - 10, 80, 50, Rgba{40, 40, 36, 255});
    }
    Crates(cr, 80, H * 0.78, 60);
    Crates(cr, W * 0.7, H * 0.82, 70);
    for (int k = 0; k < 6; ++k) {
        const double x = W * 0.35 + k * 44, y = H * 0.8;
        Fill_Rect(cr, x, y - 60, 36, 60, Rgba{70, 80, 60, 255});
        Fill_Rect(cr, x, y - 50, 36, 5, Rgba{200, 170, 60, 255});
    }
}

// The shooting gallery: a booth's counter and its back board.
void Range(cairo_t* cr, Rng&, const std::string&) {
    Fill_Rect(cr, W * 0.05, H * 0.2, W * 0.9, H * 0.45, Rgba{60, 84, 60, 255});
    for (int k = 0; k < 12; ++k) { // bunting
        cairo_move_to(cr, W * 0.05 + k * W * 0.075, H * 0.2);
        cairo_line_to(cr, W * 0.05 + (k + 0.5) * W * 0.075, H * 0.28);
        cairo_line_to(cr, W * 0.05 + (k + 1) * W * 0.075, H * 0.2);
        Set_Rgb(cr, k % 2 ? Rgba{200, 50, 40, 255} : Rgba{230, 220, 190, 255});
        cairo_fill(cr);
    }
    for (int k = 0; k < 2; ++k) { // rails the targets ride
        Line(cr, W * 0.05, H * (0.4 + k * 0.12), W * 0.95, H * (0.4 + k * 0.12), 5, Rgba{190, 160, 60, 255});
    }
    cairo_rectangle(cr, 0, H * 0.65, W, H * 0.35);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, H * 0.65, 0, H), Rgba{130, 80, 46, 255}, 1.15f, 0.7f, false);
    for (int k = 0; k < 10; ++k) { // stripes of the counter
        Fill_Rect(cr, k * W / 10, H * 0.72, W / 20, H * 0.28, Rgba{200, 50, 40, 255}, 0.6);
    }
}

struct Named_Land {
    const char* name;
    void (*draw)(cairo_t*, Rng&, const std::string&);
};
const Named_Land kLands[] = {
    {"sea", Coast},
    {"beach", Coast},
    {"harbour", Coast},
    {"road", Country},
    {"woods", Country},
    {"camp", Country},
    {"village", Country},
    {"farms", Fields},
    {"orchard", Fields},
    {"front", Front_Line},
    {"trench", Front_Line},
    {"hills", Hills_From_Above},
    {"depot", Depot},
    {"range", Range},
};

void Land(cairo_t* cr, Rng& rng, const std::string& land, std::string& error) {
    for (const Named_Land& l : kLands)
        if (land == l.name) return l.draw(cr, rng, land);
    error = "unknown land '" + land + "'";
}

// ---- Vehicles ----

void Wheel(cairo_t* cr, double x, double y, double r, int f) {
    Disc(cr, x, y, r, kInk);
    Disc(cr, x, y, r * 0.55, Rgba{120, 116, 100, 255});
    for (int k = 0; k < 3; ++k) {
        const double a = k * kPi / 3 + f * kPi / 6;
        Line(cr, x - r * 0.5 * std::cos(a), y - r * 0.5 * std::sin(a), x + r * 0.5 * std::cos(a),
             y + r * 0.5 * std::sin(a), 2, kInk);
    }
}

// A head of radius r at (x, y) under a helmet: the upper half of a disc of radius `helmet_r`
// centred at (x, helmet_y).
void Helmeted_Head(cairo_t* cr, double x, double y, double r, double helmet_y, double helmet_r, Rgba helmet) {
    Disc(cr, x, y, r, kSkin);
    cairo_arc(cr, x, helmet_y, helmet_r, kPi, 2 * kPi);
    Set_Rgb(cr, helmet);
    cairo_fill(cr);
}

void Star_Mark(cairo_t* cr, double x, double y, double r) {
    Disc(cr, x, y, r, kWhite);
    Disc(cr, x, y, r * 0.7, Rgba{50, 60, 120, 255});
    Disc(cr, x, y, r * 0.3, kWhite);
}

// ---- The vehicles, one picture each: cell f of the sheet in (x, y, w, h), its paint `body`, shaded
// `dark` and `light`. ----

void Lorry(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba) {
    Rounded_Rect(cr, x + w * 0.04, y + h * 0.2, w * 0.6, h * 0.5, 10); // the canvas back
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.2, 0, y + h * 0.7), Rgba{150, 140, 100, 255}, 1.2f,
                0.8f, false);
    for (int k = 1; k < 4; ++k) Line(cr, x + w * (0.04 + k * 0.15), y + h * 0.22, x + w * (0.04 + k * 0.15),
                                     y + h * 0.68, 2, Rgba{110, 100, 70, 255});
    Fill_Rect(cr, x + w * 0.66, y + h * 0.3, w * 0.2, h * 0.4, body); // the cab
    Fill_Rect(cr, x + w * 0.86, y + h * 0.46, w * 0.1, h * 0.24, dark); // the bonnet
    Fill_Rect(cr, x + w * 0.72, y + h * 0.34, w * 0.1, h * 0.14, Rgba{150, 190, 210, 255}); // window
    Fill_Rect(cr, x + w * 0.03, y + h * 0.68, w * 0.94, h * 0.06, dark);
    Star_Mark(cr, x + w * 0.76, y + h * 0.58, h * 0.07);
    for (double wx : {0.16, 0.36, 0.82}) Wheel(cr, x + w * wx, y + h * 0.78, h * 0.14, f);
}

void Jeep(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba) {
    cairo_move_to(cr, x + w * 0.1, y + h * 0.72);
    cairo_line_to(cr, x + w * 0.1, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.62, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.66, y + h * 0.56);
    cairo_line_to(cr, x + w * 0.92, y + h * 0.58);
    cairo_line_to(cr, x + w * 0.92, y + h * 0.72);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.5, 0, y + h * 0.72), body, 1.2f, 0.8f, false);
    Line(cr, x + w * 0.62, y + h * 0.5, x + w * 0.58, y + h * 0.28, 4, kInk); // windscreen
    Helmeted_Head(cr, x + w * 0.46, y + h * 0.34, h * 0.07, y + h * 0.32, h * 0.08, dark); // the driver
    Fill_Rounded(cr, x + w * 0.4, y + h * 0.4, w * 0.1, h * 0.12, 3, body);
    Star_Mark(cr, x + w * 0.3, y + h * 0.61, h * 0.06);
    for (double wx : {0.24, 0.8}) Wheel(cr, x + w * wx, y + h * 0.76, h * 0.15, f);
}

void Tank(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba) {
    Fill_Rounded(cr, x + w * 0.06, y + h * 0.62, w * 0.86, h * 0.26, h * 0.13, Rgba{50, 50, 46, 255}); // tracks
    for (int k = 0; k < 6; ++k) Wheel(cr, x + w * (0.16 + k * 0.134), y + h * 0.75, h * 0.08, f);
    for (double tx = x + w * 0.08 + (f ? 6 : 0); tx < x + w * 0.9; tx += 12)
        Line(cr, tx, y + h * 0.62, tx, y + h * 0.65, 3, Rgba{90, 90, 84, 255});
    cairo_move_to(cr, x + w * 0.04, y + h * 0.62);
    cairo_line_to(cr, x + w * 0.12, y + h * 0.46);
    cairo_line_to(cr, x + w * 0.86, y + h * 0.46);
    cairo_line_to(cr, x + w * 0.96, y + h * 0.62);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.46, 0, y + h * 0.62), body, 1.2f, 0.8f, false);
    Rounded_Rect(cr, x + w * 0.32, y + h * 0.3, w * 0.3, h * 0.18, 8); // turret
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.3, 0, y + h * 0.48), body, 1.3f, 0.8f, false);
    Line(cr, x + w * 0.6, y + h * 0.38, x + w * 0.98, y + h * 0.36, 7, dark);
    Star_Mark(cr, x + w * 0.47, y + h * 0.39, h * 0.06);
}

void Plane(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba light) {
    // the far wing, the fuselage, the near wing, the tail
    Fill_Ellipse(cr, x + w * 0.5, y + h * 0.42, w * 0.2, h * 0.05, dark);
    cairo_move_to(cr, x + w * 0.06, y + h * 0.42);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.36, x + w * 0.7, y + h * 0.36, x + w * 0.86, y + h * 0.44);
    cairo_curve_to(cr, x + w * 0.88, y + h * 0.52, x + w * 0.86, y + h * 0.6, x + w * 0.8, y + h * 0.62);
    cairo_curve_to(cr, x + w * 0.6, y + h * 0.64, x + w * 0.3, y + h * 0.56, x + w * 0.06, y + h * 0.48);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.36, 0, y + h * 0.64), body, 1.3f, 0.7f, false);
    cairo_move_to(cr, x + w * 0.06, y + h * 0.44); // fin
    cairo_line_to(cr, x + w * 0.1, y + h * 0.18);
    cairo_line_to(cr, x + w * 0.2, y + h * 0.2);
    cairo_line_to(cr, x + w * 0.22, y + h * 0.42);
    cairo_close_path(cr);
    Set_Rgb(cr, body);
    cairo_fill(cr);
    Fill_Ellipse(cr, x + w * 0.62, y + h * 0.38, w * 0.08, h * 0.06, Rgba{160, 200, 220, 255}); // canopy
    Fill_Ellipse(cr, x + w * 0.52, y + h * 0.56, w * 0.24, h * 0.06, light);
    Star_Mark(cr, x + w * 0.36, y + h * 0.5, h * 0.06);
    // the propeller: a blade by turns upright and a blur
    if (f == 0) Line(cr, x + w * 0.88, y + h * 0.22, x + w * 0.88, y + h * 0.8, 5, kInk);
    else {
        Fill_Ellipse(cr, x + w * 0.88, y + h * 0.51, w * 0.012, h * 0.3, Rgba{90, 90, 90, 255}, 0.6);
    }
    Disc(cr, x + w * 0.885, y + h * 0.51, h * 0.04, Rgba{170, 40, 36, 255});
}

// A landing craft full of helmets
void Landing_Craft(cairo_t* cr, int f, double x, double y, double w, double h, Rgba, Rgba, Rgba) {
    cairo_move_to(cr, x + w * 0.04, y + h * 0.45);
    cairo_line_to(cr, x + w * 0.86, y + h * 0.45);
    cairo_line_to(cr, x + w * 0.96, y + h * 0.36);
    cairo_line_to(cr, x + w * 0.92, y + h * 0.76);
    cairo_line_to(cr, x + w * 0.1, y + h * 0.76);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.36, 0, y + h * 0.76), Rgba{110, 118, 120, 255},
                1.2f, 0.7f, false);
    for (int k = 0; k < 7; ++k) {
        const double hx = x + w * (0.2 + k * 0.09), hy = y + h * 0.43 + ((k + f) % 2) * 2;
        cairo_arc(cr, hx, hy, h * 0.06, kPi, 2 * kPi);
        Set_Rgb(cr, kOlive);
        cairo_fill(cr);
    }
    for (int k = 0; k < 6; ++k) { // the wake and the bow wave
        const double sx = x + w * (0.02 + k * 0.05), sy = y + h * (0.76 + ((k + f) % 2) * 0.03);
        Disc(cr, sx, sy, h * (0.05 + 0.01 * ((k + f) % 3)), kWhite, 0.9);
    }
    Disc(cr, x + w * (0.93 + f * 0.01), y + h * 0.74, h * 0.06, kWhite, 0.9);
    Disc(cr, x + w * 0.9, y + h * (0.78 - f * 0.02), h * 0.05, kWhite, 0.9);
}

void Submarine(cairo_t* cr, int f, double x, double y, double w, double h, Rgba, Rgba, Rgba) {
    const double wl = y + h * 0.66; // the waterline
    Ellipse(cr, x + w * 0.5, wl, w * 0.46, h * 0.14);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, wl - h * 0.14, 0, wl + h * 0.14), Rgba{70, 78, 84, 255}, 1.3f,
                0.6f, false);
    cairo_move_to(cr, x + w * 0.38, wl - h * 0.1); // the conning tower
    cairo_line_to(cr, x + w * 0.41, wl - h * 0.34);
    cairo_line_to(cr, x + w * 0.56, wl - h * 0.34);
    cairo_line_to(cr, x + w * 0.6, wl - h * 0.1);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, wl - h * 0.34, 0, wl), Rgba{80, 88, 94, 255}, 1.3f, 0.7f,
                false);
    Line(cr, x + w * 0.5, wl - h * 0.34, x + w * 0.5, wl - h * 0.54, 3, kInk); // periscope
    Line(cr, x + w * 0.5, wl - h * 0.54, x + w * 0.53, wl - h * 0.54, 3, kInk);
    Line(cr, x + w * 0.62, wl - h * 0.12, x + w * 0.72, wl - h * 0.14, 4, kInk); // deck gun
    cairo_rectangle(cr, x, wl + h * 0.02, w, h * 0.4); // the sea closes over the hull below the waterline
    Set_Rgb(cr, Rgba{44, 76, 102, 255}, 0.75);
    cairo_save(cr);
    cairo_clip(cr);
    Ellipse(cr, x + w * 0.5, wl, w * 0.47, h * 0.15);
    cairo_fill(cr);
    cairo_restore(cr);
    for (int k = 0; k < 7; ++k) { // foam along the hull
        const double fx = x + w * (0.1 + k * 0.13) + (f % 2) * 5;
        Set_Rgb(cr, kWhite, 0.85);
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, fx - 12, wl + 2);
        cairo_curve_to(cr, fx - 4, wl - 3, fx + 4, wl - 3, fx + 12, wl + 2);
        cairo_stroke(cr);
    }
    if (f > 0) // spray from the vents, higher with each cell
        for (int k = 0; k < 4 + f * 2; ++k) {
            const double t = k / (3.0 + f * 2);
            Disc(cr, x + w * (0.2 + 0.06 * std::sin(k * 2.0)), wl - h * (0.1 + 0.14 * f * t), h * (0.05 - 0.02 * t),
                 kWhite, 0.9);
            Disc(cr, x + w * (0.8 - 0.06 * std::sin(k * 2.0)), wl - h * (0.1 + 0.12 * f * t), h * (0.04 - 0.015 * t),
                 kWhite, 0.9);
        }
}

void Tractor(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba) {
    cairo_rectangle(cr, x + w * 0.3, y + h * 0.44, w * 0.5, h * 0.2);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.44, 0, y + h * 0.64), body, 1.2f, 0.8f, false);
    Fill_Rect(cr, x + w * 0.22, y + h * 0.24, w * 0.14, h * 0.24, dark);
    Line(cr, x + w * 0.7, y + h * 0.44, x + w * 0.7, y + h * 0.26, 6, kInk); // exhaust
    Disc(cr, x + w * 0.3, y + h * 0.18, h * 0.06, kSkin);
    Wheel(cr, x + w * 0.28, y + h * 0.7, h * 0.24, f);
    Wheel(cr, x + w * 0.76, y + h * 0.78, h * 0.13, f);
}

// A motorcycle with its sidecar
void Motorcycle(cairo_t* cr, int f, double x, double y, double w, double h, Rgba body, Rgba dark, Rgba) {
    Ellipse(cr, x + w * 0.38, y + h * 0.6, w * 0.16, h * 0.1); // sidecar
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.5, 0, y + h * 0.7), body, 1.3f, 0.7f, false);
    Line(cr, x + w * 0.5, y + h * 0.56, x + w * 0.76, y + h * 0.54, 8, dark);
    Line(cr, x + w * 0.7, y + h * 0.54, x + w * 0.78, y + h * 0.36, 4, kInk);
    Disc(cr, x + w * 0.6, y + h * 0.3, h * 0.07, kSkin); // the rider
    Line(cr, x + w * 0.6, y + h * 0.36, x + w * 0.6, y + h * 0.52, 10, body);
    Disc(cr, x + w * 0.36, y + h * 0.4, h * 0.06, kSkin); // the passenger
    for (double wx : {0.3, 0.52, 0.82}) Wheel(cr, x + w * wx, y + h * 0.76, h * 0.12, f);
}

struct Named_Vehicle {
    const char* name;
    void (*draw)(cairo_t*, int, double, double, double, double, Rgba, Rgba, Rgba);
};
const Named_Vehicle kVehicles[] = {
    {"lorry", Lorry},
    {"jeep", Jeep},
    {"tank", Tank},
    {"plane", Plane},
    {"boat", Landing_Craft},
    {"sub", Submarine},
    {"tractor", Tractor},
    {"bike", Motorcycle},
};


const Named_Vehicle* Find_Vehicle(const std::string& kind) {
    for (const Named_Vehicle& v : kVehicles)
        if (kind == v.name) return &v;
    return nullptr;
}

void Vehicle_Cell(cairo_t* cr, const Named_Vehicle& v, int f, double x, double y, double w, double h, Rgba body) {
    const Rgba dark = writers::Shade(body, 0.7f), light = writers::Shade(body, 1.25f);
    v.draw(cr, f, x, y, w, h, body, dark, light);
}

// ---- Figures ----

void Bird(cairo_t* cr, double cx, double cy, double s, bool up, bool gull) {
    const Rgba body = gull ? kWhite : Rgba{130, 134, 150, 255};
    Fill_Ellipse(cr, cx, cy, s * 0.32, s * 0.12, body);
    Disc(cr, cx + s * 0.3, cy - s * 0.06, s * 0.1, gull ? kWhite : Rgba{90, 110, 110, 255});
    cairo_move_to(cr, cx + s * 0.38, cy - s * 0.06);
    cairo_line_to(cr, cx + s * 0.48, cy - s * 0.03);
    cairo_line_to(cr, cx + s * 0.38, cy - s * 0.01);
    Set_Rgb(cr, Rgba{230, 170, 50, 255});
    cairo_fill(cr);
    Disc(cr, cx + s * 0.33, cy - s * 0.08, s * 0.02, kInk);
    cairo_move_to(cr, cx - s * 0.3, cy); // tail
    cairo_line_to(cr, cx - s * 0.46, cy - s * 0.06);
    cairo_line_to(cr, cx - s * 0.46, cy + s * 0.06);
    Set_Rgb(cr, writers::Shade(body, 0.8f));
    cairo_fill(cr);
    const double tip = up ? -0.42 : 0.36; // the wing
    cairo_move_to(cr, cx - s * 0.1, cy - s * 0.02);
    cairo_curve_to(cr, cx - s * 0.1, cy + s * tip * 0.6, cx - s * 0.05, cy + s * tip, cx - s * 0.2, cy + s * tip);
    cairo_line_to(cr, cx + s * 0.14, cy - s * 0.02);
    cairo_close_path(cr);
    Set_Rgb(cr, writers::Shade(body, gull ? 0.85f : 0.7f));
    cairo_fill(cr);
    if (gull) Line(cr, cx - s * 0.2, cy + s * tip, cx - s * 0.12, cy + s * tip * 0.8, 3, kInk);
}

void Marcher(cairo_t* cr, double cx, double base, double h, int phase) {
    const double step = (phase % 2 ? 1 : -1) * h * 0.08;
    Line(cr, cx, base - h * 0.45, cx - step, base, h * 0.08, writers::Shade(kOlive, 0.6f));
    Line(cr, cx, base - h * 0.45, cx + step, base, h * 0.08, writers::Shade(kOlive, 0.7f));
    Fill_Rounded(cr, cx - h * 0.1, base - h * 0.78, h * 0.2, h * 0.36, h * 0.05, kOlive);
    Fill_Rounded(cr, cx - h * 0.2, base - h * 0.74, h * 0.12, h * 0.24, h * 0.03, writers::Shade(kOlive, 0.7f)); // pack
    Line(cr, cx + h * 0.04, base - h * 0.72, cx + h * 0.12 - step * 0.5, base - h * 0.48, h * 0.06, kOlive);
    Line(cr, cx - h * 0.02, base - h * 0.6, cx + h * 0.1, base - h * 1.05, h * 0.03, kInk); // rifle on the shoulder
    Helmeted_Head(cr, cx + h * 0.02, base - h * 0.86, h * 0.08, base - h * 0.88, h * 0.1, writers::Shade(kOlive, 0.8f));
}

// A sailor in a dark jersey and a white cap; `rise` 0 hidden below the hatch rim to 1 out to
// the waist; `wave` the arm's angle.
void Sailor(cairo_t* cr, double x, double y, double w, double h, double rise, double wave) {
    const double rim = y + h * 0.86, cx = x + w * 0.5;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, rim - y);
    cairo_clip(cr);
    const double top = rim - h * 0.8 * rise;
    Fill_Rounded(cr, cx - w * 0.24, top + h * 0.26, w * 0.48, h * 0.6, w * 0.1, Rgba{40, 48, 70, 255});
    Disc(cr, cx, top + h * 0.16, w * 0.17, kSkin);
    Disc(cr, cx - w * 0.06, top + h * 0.15, w * 0.025, kInk);
    Disc(cr, cx + w * 0.06, top + h * 0.15, w * 0.025, kInk);
    // the open mouth
    Fill_Ellipse(cr, cx, top + h * 0.23, w * 0.06, w * 0.04 + wave * w * 0.02, Rgba{110, 30, 30, 255});
    Fill_Ellipse(cr, cx, top + h * 0.06, w * 0.2, h * 0.05, kWhite); // cap
    const double ax = cx + w * 0.22, ay = top + h * 0.32;
    Line(cr, ax, ay, ax + w * 0.22 * std::cos(wave), ay - h * 0.24 * std::sin(wave), w * 0.1,
         Rgba{40, 48, 70, 255});
    Disc(cr, ax + w * 0.22 * std::cos(wave), ay - h * 0.24 * std::sin(wave), w * 0.06, kSkin);
    cairo_restore(cr);
    Fill_Ellipse(cr, cx, rim, w * 0.36, h * 0.04, Rgba{60, 66, 70, 255}); // the hatch rim
}

void Bubble(cairo_t* cr, double x, double y, double w, double h, double s) {
    cairo_save(cr);
    cairo_translate(cr, x + w * 0.75, y + h * 0.95); // grows from the tip of its tail
    cairo_scale(cr, s, s);
    cairo_translate(cr, -(x + w * 0.75), -(y + h * 0.95));
    Ellipse(cr, x + w * 0.5, y + h * 0.42, w * 0.46, h * 0.36);
    cairo_move_to(cr, x + w * 0.62, y + h * 0.68);
    cairo_line_to(cr, x + w * 0.75, y + h * 0.95);
    cairo_line_to(cr, x + w * 0.74, y + h * 0.64);
    cairo_close_path(cr);
    Set_Rgb(cr, kWhite);
    cairo_fill_preserve(cr);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    Ellipse(cr, x + w * 0.5, y + h * 0.42, w * 0.46, h * 0.36);
    cairo_stroke(cr);
    Fill_Ellipse(cr, x + w * 0.5, y + h * 0.42, w * 0.44, h * 0.34, kWhite); // cover the stroke where the tail joins
    cairo_restore(cr);
}

void Crate(cairo_t* cr, double cx, double cy, double s, double angle) {
    const Rgba wood{170, 120, 66, 255};
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    Fill_Rect(cr, -s / 2, -s / 2, s, s, wood);
    Set_Rgb(cr, writers::Shade(wood, 0.55f));
    cairo_set_line_width(cr, s * 0.07);
    cairo_rectangle(cr, -s * 0.46, -s * 0.46, s * 0.92, s * 0.92);
    cairo_move_to(cr, -s * 0.46, -s * 0.46);
    cairo_line_to(cr, s * 0.46, s * 0.46);
    cairo_stroke(cr);
    for (int k = -1; k <= 1; k += 2) Line(cr, -s * 0.46, k * s * 0.15, s * 0.46, k * s * 0.15, s * 0.02,
                                          writers::Shade(wood, 0.75f));
    Set_Rgb(cr, Rgba{30, 30, 30, 255});
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    Text_Centred(cr, "SUPPLY", 0, s * 0.32, s * 0.14, true);
    cairo_restore(cr);
}

void Duck_Target(cairo_t* cr, double cx, double base, double s, double tilt) {
    Line(cr, cx, base, cx, base - s * 0.45, s * 0.05, Rgba{120, 90, 50, 255});
    cairo_save(cr);
    cairo_translate(cr, cx, base - s * 0.45);
    cairo_rotate(cr, tilt);
    Fill_Ellipse(cr, 0, -s * 0.16, s * 0.36, s * 0.16, Rgba{230, 190, 40, 255});
    Disc(cr, s * 0.26, -s * 0.38, s * 0.13, Rgba{230, 190, 40, 255});
    cairo_move_to(cr, s * 0.36, -s * 0.4);
    cairo_line_to(cr, s * 0.5, -s * 0.36);
    cairo_line_to(cr, s * 0.36, -s * 0.32);
    Set_Rgb(cr, Rgba{220, 90, 30, 255});
    cairo_fill(cr);
    Disc(cr, s * 0.3, -s * 0.42, s * 0.025, kInk);
    for (int r = 3; r >= 1; --r) Disc(cr, -s * 0.04, -s * 0.16, s * 0.04 * r, r % 2 ? Rgba{200, 40, 30, 255} : kWhite);
    cairo_restore(cr);
}

void Smoke(cairo_t* cr, double x, double y, double w, double h, int f) {
    for (int k = 0; k < 7; ++k) {
        const double t = (k + f * 0.25) / 7.0;
        const double cx = x + w * (0.5 + 0.15 * std::sin(t * 5 + f)), cy = y + h * (0.95 - t * 0.85);
        Disc(cr, cx, cy, w * (0.14 + 0.22 * t), Rgba{(uint8_t)(90 + 60 * t), (uint8_t)(88 + 60 * t),
                                                     (uint8_t)(84 + 60 * t), 255});
    }
}

// ---- Foreground ----

// ---- The foreground strips, one each ----

// Grass or reeds (`kind` tells which) along the foot.
void Grass_Strip(cairo_t* cr, Rng& rng, const std::string& kind) {
    for (int k = 0; k < 700; ++k) {
        const double x = rng.Next() * W, hgt = (kind == "reeds" ? 50 : 24) + rng.Next() * 50;
        const double lean = rng.In(-14, 14);
        const Rgba c = kind == "reeds" ? Rgba{(uint8_t)rng.In(120, 170), (uint8_t)rng.In(120, 150), 70, 255}
                                       : Rgba{(uint8_t)rng.In(50, 90), (uint8_t)rng.In(90, 130), 40, 255};
        Set_Rgb(cr, c);
        cairo_move_to(cr, x - 3, H);
        cairo_curve_to(cr, x - 2, H - hgt * 0.5, x + lean * 0.5, H - hgt * 0.8, x + lean, H - hgt);
        cairo_curve_to(cr, x + lean * 0.5, H - hgt * 0.7, x + 2, H - hgt * 0.5, x + 3, H);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void Hedge_Strip(cairo_t* cr, Rng& rng, const std::string&) {
    const double top = H * 0.86;
    for (int k = 0; k < 140; ++k)
        Disc(cr, rng.Next() * W, top + rng.Next() * (H - top), 18 + rng.Next() * 24,
             Rgba{(uint8_t)rng.In(40, 70), (uint8_t)rng.In(80, 110), (uint8_t)rng.In(34, 50), 255});
}

void Sandbag_Strip(cairo_t* cr, Rng&, const std::string&) { Sandbags(cr, H + 10, 90, Rgba{180, 160, 116, 255}); }

void Rock_Strip(cairo_t* cr, Rng& rng, const std::string&) {
    for (int k = 0; k < 30; ++k) {
        const double x = rng.Next() * W, r = 20 + rng.Next() * 40;
        Ellipse(cr, x, H - r * 0.3, r, r * 0.6);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, H - r, 0, H), Rgba{110, 104, 96, 255}, 1.3f, 0.6f, false);
    }
}

void Wire_Strip(cairo_t* cr, Rng& rng, const std::string&) { Wire(cr, rng, H - 6, 70); }

struct Named_Strip {
    const char* name;
    void (*draw)(cairo_t*, Rng&, const std::string&);
};
const Named_Strip kStrips[] = {
    {"grass", Grass_Strip}, {"reeds", Grass_Strip}, {"hedge", Hedge_Strip},
    {"sandbags", Sandbag_Strip}, {"rocks", Rock_Strip}, {"wire", Wire_Strip},
};

void Fore(cairo_t* cr, Rng& rng, const std::string& kind, std::string& error) {
    for (const Named_Strip& n : kStrips)
        if (kind == n.name) return n.draw(cr, rng, kind);
    error = "unknown foreground '" + kind + "'";
}

// ---- The figure sheets, one each; `anims` animations, the last copied to fill them ----

std::vector<std::vector<int>> Copies(std::vector<std::vector<int>> a, int anims) {
    while ((int)a.size() < anims) a.push_back(a.back());
    return a;
}

// Animation 0 flying to the right, 1 to the left.
bool Bird_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string& kind,
                int anims) {
    const bool gull = kind == "gull";
    return Write_Sheet(root, image, SheetLayout{128, 128, 4, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f >= 2) {
                               cairo_translate(cr, 2 * x + w, 0);
                               cairo_scale(cr, -1, 1);
                           }
                           Bird(cr, x + w / 2, y + h / 2, w * 0.9, f % 2 == 0, gull);
                       },
                       Copies({{0, 1}, {2, 3}}, anims), 0.5f, 0.5f, 140);
}

// Three soldiers marching to the right.
bool Squad_Sheet(const std::string& root, const std::string& image, const Arg_Reader& r, const std::string&,
                 int anims) {
    return Write_Sheet(root, image, SheetLayout{256, 128, 2, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           for (int k = 0; k < 3; ++k) Marcher(cr, x + w * (0.2 + k * 0.3), y + h * 0.98, h * 0.9, f + k);
                           if (r.Str("night", "0") == "1") Moonlight(cr);
                       },
                       Copies({{0, 1}}, anims), 1.0f, 0.5f, 260);
}

// A sailor climbing out of a hatch (animation 0), then waving.
bool Sailor_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string&,
                  int anims) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f < 4) Sailor(cr, x, y, w, h, (f + 1) / 4.0, 0.2);
                           else Sailor(cr, x, y, w, h, 1.0, 0.5 + 0.45 * (f - 4));
                       },
                       Copies({{0, 1, 2, 3}, {4, 5, 6, 7, 6, 5}, {4, 5, 6, 7, 6, 5}}, anims), 0.5f, 0.5f, 120);
}

// A speech bubble: still in animations 0 and 1, popping up in 2.
bool Bubble_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string&,
                  int anims) {
    return Write_Sheet(root, image, SheetLayout{256, 128, 4, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Bubble(cr, x, y, w, h, f == 2 ? 0.45 : f == 3 ? 0.8 : 1.0);
                       },
                       Copies({{0}, {1}, {2, 3, 0}}, anims), 1.0f, 0.5f, 90);
}

// A crate tumbling.
bool Crate_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string&,
                 int anims) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 4, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Crate(cr, x + w / 2, y + h / 2, w * 0.62, f * kPi / 8);
                       },
                       Copies({{0, 1, 2, 3}}, anims), 0.5f, 0.5f, 70);
}

// A duck target swinging on its stick.
bool Target_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string&,
                  int anims) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 2, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Duck_Target(cr, x + w / 2, y + h * 0.98, w, f ? 0.08 : -0.08);
                       },
                       Copies({{0, 1}}, anims), 0.5f, 0.5f, 200);
}

// A rising column of smoke.
bool Smoke_Sheet(const std::string& root, const std::string& image, const Arg_Reader&, const std::string&,
                 int anims) {
    return Write_Sheet(root, image, SheetLayout{128, 256, 4, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) { Smoke(cr, x, y, w, h, f); },
                       Copies({{0, 1, 2, 3}}, anims), 0.5f, 1.0f, 200);
}

struct Named_Figure {
    const char* name;
    bool (*paint)(const std::string& root, const std::string& image, const Arg_Reader& r, const std::string& kind,
                  int anims);
};
const Named_Figure kFigures[] = {
    {"pigeon", Bird_Sheet},  {"gull", Bird_Sheet},   {"squad", Squad_Sheet},   {"sailor", Sailor_Sheet},
    {"bubble", Bubble_Sheet}, {"crate", Crate_Sheet}, {"target", Target_Sheet}, {"smoke", Smoke_Sheet},
};

// A whole-view keyed layer, drawn by draw(cr, rng, kind, error) from the picture's seed;
// `night=1` darkens it as by moonlight.
bool Keyed_Layer(const std::string& root, const std::string& image, const Arg_Reader& r, const std::string& kind,
                 void (*draw)(cairo_t*, Rng&, const std::string&, std::string&)) {
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    draw(cr, rng, kind, r.error);
    if (!r.error.empty()) return false;
    if (r.Str("night", "0") == "1") Moonlight(cr);
    return Save_Picture(p, root, image, true);
}

} // namespace

bool Cut_Sky(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string time = r.Str("time", "day");
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    struct Look {
        const char* time;
        Rgba top, bottom, lit, dark;
    };
    static const Look looks[] = {
        {"day", {70, 120, 190, 255}, {196, 216, 232, 255}, kWhite, {190, 196, 210, 255}},
        {"dusk", {40, 36, 80, 255}, {236, 136, 70, 255}, {240, 170, 130, 255}, {90, 60, 90, 255}},
        {"dawn", {96, 120, 180, 255}, {250, 206, 160, 255}, {255, 226, 210, 255}, {170, 150, 170, 255}},
        {"night", {4, 6, 20, 255}, {28, 40, 72, 255}, {70, 80, 110, 255}, {30, 36, 56, 255}},
        {"storm", {56, 60, 68, 255}, {140, 140, 136, 255}, {150, 150, 150, 255}, {80, 80, 86, 255}},
    };
    const Look* look = nullptr;
    for (const Look& l : looks)
        if (time == l.time) look = &l;
    if (!look) {
        r.error = "unknown sky time '" + time + "'";
        return false;
    }
    const Rgba top = look->top, bottom = look->bottom, lit = look->lit, dark = look->dark;
    Gradient(cr, 0, 0, W, H, top, bottom);
    if (time == "night") {
        for (int k = 0; k < 260; ++k) Disc(cr, rng.Next() * W, rng.Next() * H * 0.6, 0.6 + rng.Next() * 1.6, kWhite,
                                          0.3 + 0.7 * rng.Next());
        Disc(cr, W * 0.8, H * 0.14, 34, Rgba{236, 232, 200, 255});
        Disc(cr, W * 0.79, H * 0.13, 6, Rgba{200, 196, 170, 255});
        Disc(cr, W * 0.81, H * 0.16, 4, Rgba{200, 196, 170, 255});
    } else if (time != "storm") {
        const double sx = time == "day" ? W * 0.82 : W * 0.3, sy = time == "day" ? H * 0.14 : H * 0.44;
        cairo_pattern_t* g = cairo_pattern_create_radial(sx, sy, 10, sx, sy, 120);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.8, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.7, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        Disc(cr, sx, sy, time == "day" ? 30 : 44, time == "day" ? Rgba{255, 250, 220, 255} : Rgba{255, 200, 120, 255});
    }
    const int clouds = time == "storm" ? 14 : time == "night" ? 3 : 5;
    for (int k = 0; k < clouds; ++k)
        Cloud(cr, rng, rng.Next() * W, H * (0.1 + rng.Next() * 0.3), (time == "storm" ? 110 : 60) + rng.Next() * 90, lit,
              dark);
    if (time == "storm")
        for (int k = 0; k < 300; ++k) {
            const double x = rng.Next() * W, y = rng.Next() * H;
            Line(cr, x, y, x - 6, y + 22, 1, Rgba{200, 206, 214, 255});
        }
    return Save_Picture(p, root, image, false);
}

bool Cut_Land(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Keyed_Layer(root, image, r, r.Str("land", "road"), Land);
}

bool Cut_Vehicle(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string kind = r.Str("kind", "lorry");
    const Named_Vehicle* vehicle = Find_Vehicle(kind);
    if (vehicle == nullptr) {
        r.error = "unknown vehicle '" + kind + "'";
        return false;
    }
    const Rgba body = Colour(r.Str("colour", "olive"));
    const bool flip = r.Str("flip", "0") == "1", night = r.Str("night", "0") == "1";
    const int anims = r.Int("anims", 2, 1, 16);
    const int cells = kind == "sub" ? 4 : 2;
    std::vector<std::vector<int>> a(anims, std::vector<int>{0, 1});
    if (kind == "sub") {
        a.assign(anims, std::vector<int>{0});
        a[0] = {0, 1, 2, 3, 2, 1, 0};
    }
    return Write_Sheet(root, image, SheetLayout{256, 128, cells, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (flip) {
                               cairo_translate(cr, 2 * x + w, 0);
                               cairo_scale(cr, -1, 1);
                           }
                           Vehicle_Cell(cr, *vehicle, f, x, y, w, h, body);
                           if (night) Moonlight(cr);
                       },
                       a, 1.0f, 0.5f, kind == "sub" ? 180 : 110);
}

bool Cut_Figure(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string kind = r.Str("kind", "pigeon");
    const int anims = r.Int("anims", 3, 1, 16);
    for (const Named_Figure& n : kFigures)
        if (kind == n.name) return n.paint(root, image, r, kind, anims);
    r.error = "unknown figure '" + kind + "'";
    return false;
}

bool Cut_Fore(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Keyed_Layer(root, image, r, r.Str("kind", "grass"), Fore);
}

} // namespace painters
