#include "content/painters/gallery_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/painters/people.h"
#include "content/writers/art.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::SheetLayout;

const Rgba kInk{22, 24, 20, 255}, kWhite{244, 242, 232, 255}, kBlack{12, 12, 14, 255}, kRedEmblem{170, 30, 30, 255};

struct Rng : Seeded_Rng {
    explicit Rng(uint32_t seed) : Seeded_Rng(seed, 977u) {}
};

// The current path filled with a vertical gradient from top to bottom colour.
void Fill_V(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom, bool keep = false) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0, top.a / 255.0);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0, bottom.a / 255.0);
    cairo_set_source(cr, g);
    if (keep) cairo_fill_preserve(cr);
    else cairo_fill(cr);
    cairo_pattern_destroy(g);
}
void Box_V(cairo_t* cr, double x, double y, double w, double h, Rgba top, Rgba bottom) {
    cairo_rectangle(cr, x, y, w, h);
    Fill_V(cr, y, y + h, top, bottom);
}
// A soft round glow (lamp light, fire, sun).
void Glow(cairo_t* cr, double cx, double cy, double r, Rgba c, double a) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r / 255.0, c.g / 255.0, c.b / 255.0, a);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r / 255.0, c.g / 255.0, c.b / 255.0, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}
// ---- Shared scenery ------------------------------------------------------------------------

// A cloud of overlapping puffs, lit from above.
void Cloud(cairo_t* cr, Rng& rng, double cx, double cy, double w, Rgba c, double a) {
    const int n = 6 + (int)(rng.Next() * 4);
    for (int k = 0; k < n; ++k) {
        const double px = cx - w / 2 + w * k / (n - 1), r = w * (0.1 + 0.1 * rng.Next()) * (1.2 - std::fabs(k - n / 2.0) / n);
        Circle(cr, px, cy - r * 0.4 * rng.Next(), r);
        Fill(cr, Mix(c, Rgba{120, 120, 140, 255}, 0.25), a);
    }
    for (int k = 0; k < n; ++k) {
        const double px = cx - w / 2 + w * k / (n - 1), r = w * 0.08 * (1.2 - std::fabs(k - n / 2.0) / n);
        Circle(cr, px, cy - r * 0.8, r);
        Fill(cr, c, a);
    }
}

// Smoke rising in a leaning column.
void Smoke(cairo_t* cr, Rng& rng, double x, double y, double h, double lean, Rgba c, double a) {
    for (int k = 0; k < 9; ++k) {
        const double t = k / 8.0;
        Circle(cr, x + lean * t * h + (rng.Next() - 0.5) * 10, y - t * h, 8 + t * h * 0.18);
        Fill(cr, c, a * (1.0 - t * 0.6));
    }
}

// The Black Army's emblem: a red disc with a black jagged cross.
void Emblem(cairo_t* cr, double cx, double cy, double r) {
    Circle(cr, cx, cy, r);
    Fill_Keep(cr, kRedEmblem);
    Stroke(cr, kWhite, std::max(1.0, r * 0.1));
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, k * kPi / 2 + kPi / 4);
        cairo_move_to(cr, 0, -r * 0.1);
        cairo_line_to(cr, r * 0.78, -r * 0.2);
        cairo_line_to(cr, r * 0.64, 0);
        cairo_line_to(cr, r * 0.78, r * 0.2);
        cairo_line_to(cr, 0, r * 0.1);
        cairo_close_path(cr);
        cairo_restore(cr);
        Fill(cr, kBlack);
    }
}

void Sky(cairo_t* cr, double W, double h, const std::string& light) {
    Rgba top{96, 140, 200, 255}, low{206, 220, 230, 255};
    if (light == "dawn") top = Rgba{90, 100, 150, 255}, low = Rgba{240, 190, 150, 255};
    if (light == "dusk" || light == "sunset" || light == "evening") top = Rgba{50, 52, 96, 255}, low = Rgba{236, 140, 80, 255};
    if (light == "grey" || light == "afternoon") top = Rgba{130, 150, 170, 255}, low = Rgba{214, 210, 196, 255};
    if (light == "morning") top = Rgba{120, 170, 220, 255}, low = Rgba{236, 230, 200, 255};
    Box_V(cr, 0, 0, W, h, top, low);
}

// ---- The battleship -----------------------------------------------------------------------

void Sea_Band(cairo_t* cr, Rng& rng, double W, double y, double h) {
    Box_V(cr, 0, y, W, h, Rgba{64, 100, 136, 255}, Rgba{34, 62, 92, 255});
    for (int k = 0; k < 50; ++k) {
        cairo_rectangle(cr, rng.Next() * W, y + rng.Next() * h, 8 + rng.Next() * 24, 1.5);
        Fill(cr, kWhite, 0.35);
    }
}

void Ship_Silhouette(cairo_t* cr, double x, double y, double s, Rgba c) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 6 * s, y + 2 * s);
    cairo_line_to(cr, x + 94 * s, y + 2 * s);
    cairo_line_to(cr, x + 100 * s, y);
    cairo_close_path(cr);
    cairo_rectangle(cr, x + 30 * s, y - 12 * s, 30 * s, 12 * s);
    cairo_rectangle(cr, x + 40 * s, y - 24 * s, 6 * s, 12 * s);
    cairo_rectangle(cr, x + 62 * s, y - 8 * s, 20 * s, 8 * s);
    Fill(cr, c);
}

void Deck_Floor(cairo_t* cr, double W, double H, double top) {
    Box_V(cr, 0, top, W, H - top, Rgba{150, 120, 86, 255}, Rgba{112, 86, 58, 255});
    for (int k = -12; k <= 12; ++k) { // planks running away from the viewer
        cairo_move_to(cr, W / 2 + k * 20, top);
        cairo_line_to(cr, W / 2 + k * 110, H);
        Stroke(cr, Rgba{80, 58, 36, 255}, 1.5, 0.7);
    }
    for (int k = 1; k < 6; ++k) {
        const double y = top + (H - top) * (k * k) / 36.0;
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, W, y);
        Stroke(cr, Rgba{80, 58, 36, 255}, 1, 0.4);
    }
}

void Funnel(cairo_t* cr, Rng& rng, double x, double top, double bottom, double w) {
    cairo_rectangle(cr, x, top, w, bottom - top);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.25, 0.26, 0.28);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 0.55, 0.56, 0.58);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.21, 0.22);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, x, top, w, (bottom - top) * 0.12);
    Fill(cr, kBlack);
    cairo_rectangle(cr, x, top + (bottom - top) * 0.2, w, (bottom - top) * 0.06);
    Fill(cr, kRedEmblem);
    Smoke(cr, rng, x + w / 2, top, 180, 0.8, Rgba{60, 60, 64, 255}, 0.55);
}

void Turret(cairo_t* cr, double cx, double base, double s) {
    cairo_move_to(cr, cx - 90 * s, base);
    cairo_line_to(cr, cx - 70 * s, base - 50 * s);
    cairo_line_to(cr, cx + 70 * s, base - 50 * s);
    cairo_line_to(cr, cx + 90 * s, base);
    cairo_close_path(cr);
    Fill_V(cr, base - 50 * s, base, Rgba{150, 156, 160, 255}, Rgba{90, 94, 98, 255});
    for (int k = 0; k < 2; ++k) { // the barrels, towards the sea on the right
        cairo_move_to(cr, cx + 40 * s, base - (38 - k * 16) * s);
        cairo_line_to(cr, cx + 240 * s, base - (60 - k * 14) * s);
        Stroke(cr, Rgba{70, 74, 78, 255}, 10 * s);
    }
    cairo_rectangle(cr, cx - 50 * s, base - 36 * s, 40 * s, 8 * s);
    Fill(cr, kBlack, 0.6);
}

} // namespace

bool Gal_Deck(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string view = r.Str("view", "guns");
    if (view != "guns" && view != "boats" && view != "bridge") {
        r.error = "unknown deck view '" + view + "'";
        return false;
    }
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Sky(cr, W, H * 0.42, view == "bridge" ? "dusk" : view == "boats" ? "grey" : "day");
    for (int k = 0; k < 4; ++k) Cloud(cr, rng, 100 + k * 260 + rng.Next() * 60, 60 + rng.Next() * 80, 200, kWhite, 0.85);
    Sea_Band(cr, rng, W, H * 0.4, H * 0.12);
    Ship_Silhouette(cr, W * 0.06, H * 0.41, 1.2, Rgba{70, 80, 96, 255});
    Ship_Silhouette(cr, W * 0.7, H * 0.405, 0.8, Rgba{80, 90, 104, 255});
    Deck_Floor(cr, W, H, H * 0.52);
    if (view == "guns") {
        Turret(cr, W * 0.3, H * 0.55, 1.6);
        Turret(cr, W * 0.72, H * 0.54, 1.1);
        Funnel(cr, rng, W * 0.86, H * 0.1, H * 0.52, 60);
    } else if (view == "boats") {
        Funnel(cr, rng, W * 0.22, H * 0.06, H * 0.52, 80);
        Funnel(cr, rng, W * 0.62, H * 0.1, H * 0.52, 80);
        for (int k = 0; k < 3; ++k) { // lifeboats on their davits
            const double x = W * (0.05 + 0.33 * k), y = H * 0.36;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + 30, y + 40, x + 150, y + 40, x + 180, y);
            cairo_close_path(cr);
            Fill_V(cr, y, y + 40, kWhite, Rgba{170, 170, 160, 255});
            for (int d = 0; d < 2; ++d) {
                cairo_move_to(cr, x + 10 + d * 160, H * 0.52);
                cairo_line_to(cr, x + 10 + d * 160, y - 30);
                cairo_line_to(cr, x + 30 + d * 120, y - 30);
                Stroke(cr, Rgba{60, 64, 68, 255}, 6);
            }
        }
        for (int k = 0; k < 4; ++k) { // ventilators
            const double x = W * (0.12 + 0.24 * k);
            cairo_rectangle(cr, x, H * 0.46, 14, H * 0.07);
            Fill(cr, Rgba{200, 196, 180, 255});
            cairo_arc(cr, x + 7, H * 0.46, 18, kPi, 2 * kPi);
            Fill(cr, Rgba{180, 40, 34, 255});
        }
    } else { // the admiral's bridge, his pennant flying
        cairo_rectangle(cr, W * 0.3, H * 0.08, W * 0.4, H * 0.46);
        Fill_V(cr, H * 0.08, H * 0.54, Rgba{170, 174, 176, 255}, Rgba{110, 114, 118, 255});
        cairo_rectangle(cr, W * 0.26, H * 0.2, W * 0.48, H * 0.05);
        Fill(cr, Rgba{96, 100, 104, 255});
        for (int k = 0; k < 8; ++k) { // the bridge windows, lit
            cairo_rectangle(cr, W * 0.32 + k * W * 0.045, H * 0.12, W * 0.03, H * 0.05);
            Fill(cr, Rgba{250, 220, 140, 255});
        }
        cairo_move_to(cr, W * 0.5, H * 0.08);
        cairo_line_to(cr, W * 0.5, 0);
        Stroke(cr, Rgba{60, 60, 64, 255}, 5);
        for (int k = 0; k < 10; ++k) { // signal flags on their lines
            const double x0 = W * 0.5 - k * 50, y0 = 8 + k * 24, x1 = W * 0.5 + k * 50;
            const Rgba c = k % 3 == 0 ? Rgba{200, 40, 30, 255} : k % 3 == 1 ? Rgba{240, 210, 60, 255} : Rgba{40, 70, 160, 255};
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x0 - 14, y0 + 8);
            cairo_line_to(cr, x0, y0 + 16);
            Fill(cr, c);
            cairo_move_to(cr, x1, y0);
            cairo_line_to(cr, x1 + 14, y0 + 8);
            cairo_line_to(cr, x1, y0 + 16);
            Fill(cr, c);
        }
        Emblem(cr, W * 0.5, H * 0.4125, 34); // on the bridge's face between the two railings
        Glow(cr, W * 0.2, H * 0.46, 60, Rgba{255, 240, 200, 255}, 0.6); // searchlights
        Glow(cr, W * 0.8, H * 0.46, 60, Rgba{255, 240, 200, 255}, 0.6);
    }
    return Save_Picture(p, root, image, false);
}

// ---- The trenches -------------------------------------------------------------------------

bool Gal_Trench(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string light = r.Str("light", "day");
    if (light != "dawn" && light != "day" && light != "dusk" && light != "grey") {
        r.error = "unknown trench light '" + light + "'";
        return false;
    }
    const bool battery = r.Str("battery", "0") == "1";
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Sky(cr, W, H * 0.5, light);
    for (int k = 0; k < 3; ++k) Cloud(cr, rng, 150 + k * 330, 70 + rng.Next() * 60, 260, Rgba{200, 196, 190, 255}, 0.6);
    cairo_move_to(cr, 0, H * 0.42); // the far ridge
    for (int k = 0; k <= 16; ++k) cairo_line_to(cr, k * W / 16, H * (0.38 + 0.04 * rng.Next()));
    cairo_line_to(cr, W, H * 0.5);
    cairo_line_to(cr, 0, H * 0.5);
    cairo_close_path(cr);
    Fill(cr, Rgba{90, 86, 74, 255});
    for (int k = 0; k < 7; ++k) { // shattered trees
        const double x = rng.Next() * W, b = H * 0.46, h = 60 + rng.Next() * 80;
        cairo_move_to(cr, x, b);
        cairo_line_to(cr, x + (rng.Next() - 0.5) * 20, b - h);
        Stroke(cr, Rgba{50, 42, 34, 255}, 5 + rng.Next() * 4);
        cairo_move_to(cr, x, b - h * 0.6);
        cairo_line_to(cr, x + 24, b - h * 0.8);
        Stroke(cr, Rgba{50, 42, 34, 255}, 3);
    }
    for (int k = 0; k < 3; ++k) Smoke(cr, rng, 120 + k * 380 + rng.Next() * 80, H * 0.46, 160, 0.4, Rgba{90, 90, 90, 255}, 0.35);
    Box_V(cr, 0, H * 0.46, W, H * 0.54, Rgba{110, 92, 66, 255}, Rgba{70, 56, 40, 255}); // no-man's land
    for (int k = 0; k < 16; ++k) { // shell craters
        const double cx = rng.Next() * W, cy = H * (0.5 + 0.45 * rng.Next()), rx = 30 + rng.Next() * 50 * (cy / H);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, 0.3);
        Circle(cr, 0, 0, rx);
        cairo_restore(cr);
        Fill_V(cr, cy - rx * 0.3, cy + rx * 0.3, Rgba{50, 40, 30, 255}, Rgba{120, 100, 70, 255});
        if (k % 3 == 0) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy + rx * 0.05);
            cairo_scale(cr, 1, 0.25);
            Circle(cr, 0, 0, rx * 0.6);
            cairo_restore(cr);
            Fill(cr, Rgba{80, 90, 96, 255}, 0.8); // rain water in the bottom
        }
    }
    for (int row = 0; row < 2; ++row) { // barbed wire on its pickets
        const double y = H * (0.53 + 0.1 * row);
        for (int k = 0; k < 14; ++k) {
            const double x = k * W / 13;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 4, y - 36 - row * 10);
            Stroke(cr, Rgba{60, 50, 40, 255}, 3);
        }
        cairo_move_to(cr, 0, y - 20);
        for (int k = 0; k < 60; ++k) cairo_line_to(cr, k * W / 59, y - 20 - row * 6 + ((k % 2) ? -14 : 10));
        Stroke(cr, Rgba{50, 46, 42, 255}, 1.5, 0.9);
    }
    if (battery) { // the enemy's gun line: earthworks and camouflage nets
        for (int k = 0; k < 3; ++k) {
            const double cx = W * (0.2 + 0.3 * k), y = H * 0.5;
            cairo_move_to(cr, cx - 120, y + 10);
            cairo_curve_to(cr, cx - 90, y - 40, cx + 90, y - 40, cx + 120, y + 10);
            cairo_close_path(cr);
            Fill(cr, Rgba{86, 76, 54, 255});
            cairo_move_to(cr, cx - 110, y - 20);
            cairo_line_to(cr, cx, y - 70);
            cairo_line_to(cr, cx + 110, y - 20);
            Stroke(cr, Rgba{70, 84, 50, 255}, 3);
            for (int n = 0; n < 12; ++n) {
                Circle(cr, cx - 100 + n * 18, y - 26 - 40 * (1 - std::fabs(n - 5.5) / 6), 9);
                Fill(cr, Rgba{74, 92, 52, 255}, 0.85);
            }
        }
    }
    if (light == "dusk") { // flares over the line
        Glow(cr, W * 0.3, H * 0.2, 90, Rgba{255, 230, 160, 255}, 0.8);
        Glow(cr, W * 0.78, H * 0.28, 70, Rgba{255, 120, 90, 255}, 0.7);
    }
    return Save_Picture(p, root, image, false);
}

// ---- The airship --------------------------------------------------------------------------

namespace {

void Propeller_Disc(cairo_t* cr, double cx, double cy, double r, int phase) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.3, 1);
    Circle(cr, 0, 0, r);
    cairo_restore(cr);
    Fill(cr, Rgba{200, 200, 210, 255}, 0.25);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.3, 1);
    cairo_rotate(cr, phase * 0.8);
    cairo_move_to(cr, 0, -r);
    cairo_line_to(cr, 0, r);
    cairo_restore(cr);
    Stroke(cr, Rgba{60, 50, 40, 255}, 5, 0.7);
}

void Engine_Pod(cairo_t* cr, double x, double y, double w, double h, int phase) {
    Rounded_Rect(cr, x, y, w, h, h / 2);
    Fill_V(cr, y, y + h, Rgba{170, 170, 160, 255}, Rgba{90, 90, 86, 255}, true);
    Stroke(cr, kInk, 2, 0.7);
    Propeller_Disc(cr, x - 6, y + h / 2, h * 0.9, phase);
}

} // namespace

bool Gal_Airship_View(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string view = r.Str("view", "hull");
    if (view != "hull" && view != "fins" && view != "engines" && view != "gondola") {
        r.error = "unknown airship view '" + view + "'";
        return false;
    }
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Sky(cr, W, H, view == "fins" ? "dawn" : view == "gondola" ? "dusk" : "day");
    for (int k = 0; k < 7; ++k)
        Cloud(cr, rng, rng.Next() * W, H * (0.15 + 0.8 * rng.Next()), 160 + rng.Next() * 200, kWhite, 0.7);
    if (view == "gondola") { // the belly of the hull overhead, the clouds far below
        cairo_move_to(cr, -50, 0);
        cairo_curve_to(cr, W * 0.2, H * 0.28, W * 0.8, H * 0.28, W + 50, 0);
        cairo_close_path(cr);
        Fill_V(cr, 0, H * 0.25, Rgba{150, 154, 160, 255}, Rgba{96, 100, 108, 255});
        for (int k = 1; k < 12; ++k) {
            cairo_move_to(cr, k * W / 12, 0);
            cairo_line_to(cr, k * W / 12 + (k - 6) * 6, H * 0.2);
            Stroke(cr, Rgba{70, 74, 80, 255}, 2, 0.6);
        }
        for (int k = 0; k < 2; ++k) { // the struts the gondola hangs from
            cairo_move_to(cr, W * (0.36 + 0.28 * k), H * 0.2);
            cairo_line_to(cr, W * (0.42 + 0.16 * k), H * 0.4);
            Stroke(cr, Rgba{50, 50, 54, 255}, 6);
        }
        return Save_Picture(p, root, image, false);
    }
    // On the back of the hull: a vast silver curve, its girders showing through the fabric.
    const double top = H * 0.5;
    cairo_move_to(cr, -100, H);
    cairo_curve_to(cr, -60, top, W + 60, top, W + 100, H);
    cairo_close_path(cr);
    Fill_V(cr, top, H, Rgba{196, 200, 206, 255}, Rgba{110, 114, 124, 255}, true);
    Stroke(cr, Rgba{80, 84, 90, 255}, 3);
    for (int k = -8; k <= 8; ++k) { // the rings
        cairo_move_to(cr, W / 2 + k * 70, top + 60 - std::abs(k) * 2);
        cairo_line_to(cr, W / 2 + k * 150, H);
        Stroke(cr, Rgba{130, 134, 140, 255}, 2, 0.7);
    }
    for (int k = 1; k < 5; ++k) {
        cairo_move_to(cr, 0, top + k * 40 + 40);
        cairo_curve_to(cr, W * 0.3, top + k * 30, W * 0.7, top + k * 30, W, top + k * 40 + 40);
        Stroke(cr, Rgba{130, 134, 140, 255}, 1.5, 0.6);
    }
    cairo_move_to(cr, 0, top + 52); // the catwalk rail along the top
    cairo_curve_to(cr, W * 0.3, top + 12, W * 0.7, top + 12, W, top + 52);
    Stroke(cr, Rgba{60, 60, 64, 255}, 4);
    if (view == "fins") {
        cairo_move_to(cr, W * 0.55, top + 20);
        cairo_line_to(cr, W * 0.7, H * 0.06);
        cairo_line_to(cr, W * 0.9, H * 0.08);
        cairo_line_to(cr, W * 0.98, top + 30);
        cairo_close_path(cr);
        Fill_V(cr, H * 0.06, top, Rgba{180, 184, 190, 255}, Rgba{130, 134, 140, 255}, true);
        Stroke(cr, Rgba{70, 74, 80, 255}, 3);
        Emblem(cr, W * 0.8, H * 0.25, 50);
    } else if (view == "engines") {
        for (int k = 0; k < 2; ++k) {
            const double x = W * (0.08 + 0.66 * k), y = H * 0.3;
            cairo_move_to(cr, x + 100, y + 40);
            cairo_line_to(cr, x + 140 - 60 * k, top + 40);
            Stroke(cr, Rgba{60, 60, 64, 255}, 8);
            Engine_Pod(cr, x, y, 200, 70, k);
            Smoke(cr, rng, x + 200, y + 30, 120, 1.2, Rgba{80, 80, 84, 255}, 0.3);
        }
    } else {
        Emblem(cr, W * 0.5, top + 110, 60);
    }
    return Save_Picture(p, root, image, false);
}

// ---- The woods -----------------------------------------------------------------------------

namespace {

void Pine(cairo_t* cr, double x, double base, double h, Rgba c) {
    cairo_rectangle(cr, x - h * 0.03, base - h * 0.15, h * 0.06, h * 0.15);
    Fill(cr, Rgba{70, 50, 34, 255});
    for (int k = 0; k < 4; ++k) {
        const double t = base - h * 0.12 - k * h * 0.21, w = h * (0.32 - k * 0.06);
        cairo_move_to(cr, x - w, t);
        cairo_line_to(cr, x, t - h * 0.32);
        cairo_line_to(cr, x + w, t);
        cairo_close_path(cr);
        Fill(cr, Mix(c, kBlack, 0.1 * k));
    }
}

void Oak(cairo_t* cr, Rng& rng, double x, double base, double h, Rgba c) {
    cairo_rectangle(cr, x - h * 0.05, base - h * 0.45, h * 0.1, h * 0.45);
    Fill(cr, Rgba{80, 58, 40, 255});
    for (int k = 0; k < 7; ++k) {
        Circle(cr, x + (rng.Next() - 0.5) * h * 0.6, base - h * (0.55 + 0.35 * rng.Next()), h * (0.18 + 0.1 * rng.Next()));
        Fill(cr, Mix(c, kWhite, 0.12 * rng.Next()));
    }
}

} // namespace

bool Gal_Woods(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string light = r.Str("light", "morning");
    if (light != "morning" && light != "noon" && light != "afternoon" && light != "evening") {
        r.error = "unknown woods light '" + light + "'";
        return false;
    }
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Sky(cr, W, H * 0.6, light == "noon" ? "day" : light);
    if (light == "evening") Glow(cr, W * 0.75, H * 0.42, 120, Rgba{255, 200, 120, 255}, 0.9);
    else Glow(cr, W * 0.2, H * 0.12, 70, Rgba{255, 250, 220, 255}, 0.9);
    for (int k = 0; k < 3; ++k) Cloud(cr, rng, 160 + k * 340, 60 + rng.Next() * 50, 220, kWhite, 0.8);
    const Rgba far{58, 92, 66, 255}, near{40, 74, 44, 255};
    for (int k = 0; k < 26; ++k) Pine(cr, k * W / 25 + rng.Next() * 20, H * 0.56, 140 + rng.Next() * 60, far);
    Box_V(cr, 0, H * 0.55, W, H * 0.45, Rgba{130, 160, 84, 255}, Rgba{84, 118, 50, 255});
    for (int k = 0; k < 4; ++k) Oak(cr, rng, k < 2 ? 40 + k * 120 : W - 160 + (k - 2) * 120, H * 0.75, 260, near);
    for (int k = 0; k < 200; ++k) { // grass
        const double x = rng.Next() * W, y = H * (0.58 + 0.42 * rng.Next());
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + (rng.Next() - 0.5) * 6, y - 6 - 10 * (y / H));
        Stroke(cr, Rgba{60, 100, 40, 255}, 1.5, 0.7);
    }
    // The trap house the pigeons are thrown from, low in the clearing (`trap=` left, centre or
    // right).
    const std::string trap = r.Str("trap", "centre");
    if (trap != "left" && trap != "centre" && trap != "right") {
        r.error = "unknown trap place '" + trap + "'";
        return false;
    }
    const double tx = W * (trap == "left" ? 0.14 : trap == "right" ? 0.70 : 0.42), ty = H * 0.76, tw = W * 0.16,
                 th = H * 0.1;
    cairo_move_to(cr, tx - 20, ty + th);
    cairo_line_to(cr, tx, ty);
    cairo_line_to(cr, tx + tw, ty);
    cairo_line_to(cr, tx + tw + 20, ty + th);
    cairo_close_path(cr);
    Fill_V(cr, ty, ty + th, Rgba{170, 166, 150, 255}, Rgba{110, 106, 96, 255});
    cairo_rectangle(cr, tx + tw * 0.2, ty + th * 0.3, tw * 0.6, th * 0.18);
    Fill(cr, kBlack, 0.8);
    cairo_move_to(cr, tx - 10, ty); // a grassy roof
    cairo_line_to(cr, tx + tw + 10, ty);
    Stroke(cr, Rgba{90, 130, 60, 255}, 8);
    for (int k = 0; k < 2; ++k) { // a white marker post each side
        cairo_rectangle(cr, W * (0.2 + 0.58 * k), H * 0.72, 8, 40);
        Fill(cr, kWhite);
        cairo_rectangle(cr, W * (0.2 + 0.58 * k), H * 0.72, 8, 10);
        Fill(cr, Rgba{200, 40, 30, 255});
    }
    if (light == "evening") {
        cairo_rectangle(cr, 0, 0, W, H);
        Fill(cr, Rgba{60, 30, 40, 255}, 0.25);
    }
    return Save_Picture(p, root, image, false);
}

// ---- The finale's skies ---------------------------------------------------------------------

bool Gal_Sky(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string light = r.Str("light", "day"), ground = r.Str("ground", "none");
    if (ground != "none" && ground != "fields" && ground != "hills") {
        r.error = "unknown sky ground '" + ground + "'";
        return false;
    }
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    Sky(cr, W, H, light);
    if (light == "sunset" || light == "dusk") Glow(cr, W * 0.8, H * 0.7, 200, Rgba{255, 190, 110, 255}, 0.8);
    for (int k = 0; k < 9; ++k)
        Cloud(cr, rng, rng.Next() * W, H * (0.1 + 0.85 * rng.Next()), 140 + rng.Next() * 220,
              light == "sunset" ? Rgba{250, 210, 190, 255} : kWhite, 0.75);
    if (ground == "fields") { // far below: a patchwork of fields and a river
        cairo_move_to(cr, 0, H * 0.8);
        cairo_curve_to(cr, W * 0.3, H * 0.76, W * 0.7, H * 0.76, W, H * 0.8);
        cairo_line_to(cr, W, H);
        cairo_line_to(cr, 0, H);
        cairo_close_path(cr);
        Fill_V(cr, H * 0.76, H, Rgba{120, 140, 110, 255}, Rgba{90, 120, 70, 255});
        for (int k = 0; k < 30; ++k) {
            cairo_rectangle(cr, rng.Next() * W, H * (0.8 + 0.18 * rng.Next()), 30 + rng.Next() * 60, 6 + rng.Next() * 10);
            Fill(cr, rng.Next() < 0.5 ? Rgba{170, 160, 90, 255} : Rgba{80, 110, 60, 255}, 0.7);
        }
        cairo_move_to(cr, W * 0.1, H);
        cairo_curve_to(cr, W * 0.3, H * 0.85, W * 0.6, H * 0.9, W * 0.9, H * 0.78);
        Stroke(cr, Rgba{110, 150, 190, 255}, 5, 0.8);
    } else if (ground == "hills") { // the enemy's country under a smoky sky
        for (int layer = 0; layer < 3; ++layer) {
            const double base = H * (0.62 + 0.1 * layer);
            cairo_move_to(cr, 0, H);
            for (int k = 0; k <= 12; ++k) cairo_line_to(cr, k * W / 12, base - 30 * rng.Next() - (layer == 0 ? 40 : 0));
            cairo_line_to(cr, W, H);
            cairo_close_path(cr);
            Fill(cr, Mix(Rgba{96, 92, 110, 255}, Rgba{60, 70, 40, 255}, layer / 2.0));
        }
    }
    return Save_Picture(p, root, image, false);
}

// ---- Cover strips ----------------------------------------------------------------------------

namespace {

// The cover strips, one picture each (kinds that share their drawing pass the name on).

void Rail_Cover(cairo_t* cr, Rng&, double W, double H, const std::string& kind) {
    if (kind == "bulwark") { // a steel bulwark with a wooden capping rail
        cairo_rectangle(cr, 0, H * 0.25, W, H * 0.75);
        Fill_V(cr, H * 0.25, H, Rgba{150, 154, 158, 255}, Rgba{90, 94, 98, 255});
        for (int k = 0; k < 20; ++k) {
            Circle(cr, 20 + k * 52, H * 0.4, 4);
            Fill(cr, Rgba{100, 104, 108, 255});
        }
        cairo_rectangle(cr, 0, H * 0.18, W, H * 0.12);
        Fill_V(cr, H * 0.18, H * 0.3, Rgba{170, 130, 84, 255}, Rgba{110, 80, 50, 255});
        for (int k = 0; k < 3; ++k) { // life rings
            const double cx = W * (0.15 + 0.35 * k), cy = H * 0.62;
            Circle(cr, cx, cy, 38);
            Circle(cr, cx, cy, 20);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            Fill(cr, kWhite);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            for (int q = 0; q < 4; ++q) {
                cairo_arc(cr, cx, cy, 29, q * kPi / 2, q * kPi / 2 + 0.5);
                Stroke(cr, Rgba{200, 40, 30, 255}, 18);
            }
        }
    } else { // stanchions and three wires
        for (int k = 0; k < 12; ++k) {
            cairo_rectangle(cr, 10 + k * 92, H * 0.1, 8, H * 0.9);
            Fill(cr, Rgba{70, 74, 78, 255});
        }
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, 0, H * (0.12 + 0.3 * k));
            cairo_line_to(cr, W, H * (0.12 + 0.3 * k));
            Stroke(cr, Rgba{60, 64, 68, 255}, 5);
        }
        cairo_rectangle(cr, 0, H * 0.75, W, H * 0.25);
        Fill_V(cr, H * 0.75, H, Rgba{130, 134, 138, 255}, Rgba{90, 94, 98, 255});
    }
}

void Sandbag_Cover(cairo_t* cr, Rng& rng, double W, double H, const std::string& kind) {
    const Rgba bag = kind == "sandbags" ? Rgba{186, 164, 116, 255} : Rgba{120, 110, 90, 255};
    cairo_rectangle(cr, 0, H * 0.6, W, H * 0.4);
    Fill(cr, Mix(bag, kBlack, 0.45));
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 14; ++k) {
            const double bw = 86, x = k * bw - (row % 2) * bw / 2 + (rng.Next() - 0.5) * 8, y = H * (0.15 + 0.28 * row);
            Rounded_Rect(cr, x, y, bw - 4, H * 0.3, 16);
            Fill_V(cr, y, y + H * 0.3, Mix(bag, kWhite, 0.15), Mix(bag, kBlack, 0.3), true);
            Stroke(cr, Mix(bag, kBlack, 0.5), 2);
        }
    if (kind == "sandbags") { // our parapet: the revetment's boards peep through
        for (int k = 0; k < 6; ++k) {
            cairo_rectangle(cr, 60 + k * 180, H * 0.05, 10, H * 0.3);
            Fill(cr, Rgba{100, 76, 50, 255});
        }
    }
}

// The rise of the airship's back, with its catwalk rail
void Hull_Cover(cairo_t* cr, Rng&, double W, double H, const std::string&) {
    cairo_move_to(cr, 0, H);
    cairo_curve_to(cr, W * 0.25, H * 0.2, W * 0.75, H * 0.2, W, H);
    cairo_close_path(cr);
    Fill_V(cr, H * 0.2, H, Rgba{206, 210, 216, 255}, Rgba{140, 144, 152, 255});
    for (int k = 0; k < 16; ++k) {
        const double x = k * W / 15, y = H * (0.2 + 0.8 * std::pow(std::fabs(x - W / 2) / (W / 2), 2.0)) + 4;
        cairo_rectangle(cr, x, y - 30, 5, 30);
        Fill(cr, Rgba{60, 60, 64, 255});
    }
    cairo_move_to(cr, 0, H * 0.8);
    cairo_curve_to(cr, W * 0.25, H * -0.05, W * 0.75, H * -0.05, W, H * 0.8);
    Stroke(cr, Rgba{60, 60, 64, 255}, 4);
}

void Hedge_Cover(cairo_t* cr, Rng& rng, double W, double H, const std::string&) {
    for (int k = 0; k < 40; ++k) {
        Circle(cr, k * W / 39, H * (0.45 + 0.2 * rng.Next()), 30 + rng.Next() * 16);
        Fill(cr, Mix(Rgba{50, 90, 40, 255}, kWhite, 0.15 * rng.Next()));
    }
    cairo_rectangle(cr, 0, H * 0.6, W, H * 0.4);
    Fill(cr, Rgba{44, 80, 36, 255});
}

struct Named_Cover {
    const char* name;
    void (*draw)(cairo_t*, Rng&, double, double, const std::string&);
};
const Named_Cover kCovers[] = {
    {"rail", Rail_Cover},
    {"bulwark", Rail_Cover},
    {"sandbags", Sandbag_Cover},
    {"enemy_bags", Sandbag_Cover},
    {"hull", Hull_Cover},
    {"hedge", Hedge_Cover},
};

} // namespace

bool Gal_Cover(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string kind = r.Str("kind", "rail");
    const double W = 1024, H = 160;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    const Named_Cover* drawn = nullptr;
    for (const Named_Cover& n : kCovers)
        if (kind == n.name) drawn = &n;
    if (drawn == nullptr) {
        r.error = "unknown cover kind '" + kind + "'";
        return false;
    }
    drawn->draw(cr, rng, W, H, kind);
    writers::AnimDef d;
    d.width = 1.0f;
    d.height = 1.0f;
    d.anims = {{0}};
    return p.Save(root + "/" + image + ".tga", true) && writers::Write_Anim_Def(root + "/" + image + ".dat", d);
}

// ---- Pop-up targets ------------------------------------------------------------------------

namespace {

// The plywood board with the person painted on it, its foot at the cell's foot; `rise` is how
// much of it shows above the slot (1 all), `tilt` leans it back (radians), `hole` a shot
// through it, `flash` a muzzle flash, `gun` the gun that points at the player.
struct Board_Pose {
    double rise = 1.0, tilt = 0.0, squash = 1.0;
    int face = 0;
    bool hole = false, cracks = false, flash = false, gun = false, lean = false;
};

bool Board(cairo_t* cr, const Art_Args& look, const Board_Pose& b, double x, double y, double w, double h,
           std::string& error) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    const double foot = y + h;
    const double shift = (1.0 - b.rise) * h;
    cairo_translate(cr, x + w / 2, foot + shift);
    if (b.lean) cairo_rotate(cr, -0.08);
    cairo_scale(cr, 1.0, b.squash * std::cos(b.tilt));
    cairo_translate(cr, -w / 2, -h);
    cairo_rectangle(cr, w * 0.45, h * 0.8, w * 0.1, h * 0.2); // the stick
    Fill_V(cr, h * 0.8, h, Rgba{130, 96, 60, 255}, Rgba{90, 64, 40, 255});
    Rounded_Rect(cr, w * 0.05, h * 0.03, w * 0.9, h * 0.8, w * 0.18); // the board
    Fill_V(cr, 0, h * 0.83, Rgba{214, 190, 140, 255}, Rgba{170, 140, 96, 255}, true);
    Stroke(cr, Rgba{110, 80, 50, 255}, std::max(2.0, w / 60));
    Rounded_Rect(cr, w * 0.09, h * 0.06, w * 0.82, h * 0.74, w * 0.15);
    Stroke(cr, Rgba{200, 40, 30, 255}, std::max(1.5, w / 90)); // the painted red edge
    cairo_save(cr);
    Rounded_Rect(cr, w * 0.09, h * 0.06, w * 0.82, h * 0.74, w * 0.15);
    cairo_clip(cr);
    const bool ok = Draw_Portrait_Cell(cr, look, b.face, w * 0.1, h * 0.05, w * 0.8, h * 0.8, error);
    cairo_restore(cr);
    if (b.gun) { // the muzzle of his gun, pointing out of the board at the player
        Circle(cr, w * 0.72, h * 0.58, w * 0.07);
        Fill_Keep(cr, Rgba{50, 52, 56, 255});
        Stroke(cr, Rgba{20, 20, 20, 255}, 2);
        Circle(cr, w * 0.72, h * 0.58, w * 0.035);
        Fill(cr, kBlack);
    }
    if (b.flash) {
        for (int k = 0; k < 10; ++k) {
            const double a = k * kPi / 5, len = (k % 2 ? 0.12 : 0.22) * w;
            cairo_move_to(cr, w * 0.72, h * 0.58);
            cairo_line_to(cr, w * 0.72 + std::cos(a) * len, h * 0.58 + std::sin(a) * len);
            Stroke(cr, Rgba{255, 200, 60, 255}, w * 0.03);
        }
        Glow(cr, w * 0.72, h * 0.58, w * 0.16, Rgba{255, 240, 180, 255}, 1.0);
    }
    if (b.hole) {
        Circle(cr, w * 0.42, h * 0.3, w * 0.04);
        Fill(cr, kBlack);
    }
    if (b.cracks) {
        for (int k = 0; k < 8; ++k) {
            cairo_move_to(cr, w * 0.42, h * 0.3);
            cairo_line_to(cr, w * 0.42 + std::cos(k * 0.8) * w * 0.2, h * 0.3 + std::sin(k * 0.8) * w * 0.18);
            Stroke(cr, Rgba{250, 230, 180, 255}, std::max(1.5, w / 70));
        }
        Circle(cr, w * 0.42, h * 0.3, w * 0.07);
        Fill(cr, kBlack);
    }
    cairo_restore(cr);
    return ok;
}

} // namespace

// The frames: 0 up, 1 aiming, 2 firing, 3 hit, 4-6 rising, 7-9 going down, 10-12 shot down
// (holed, falling back, flat), 13 leaning as it runs, 14 hit while running, 15 empty.
// Animations as the gallery plays them: 0 up (once; a runner's run, looping), 1 aiming,
// 2 shot down, 3 hit, 4 firing, 5 going down; `runner=1` the running figure's table (its
// animation 1 the hit, 3 the firing).
bool Gal_Target(const std::string& root, const std::string& image, const Arg_Reader& r) {
    Art_Args look;
    for (const auto& [k, v] : r.a)
        if (k != "painter" && k != "runner") look[k] = v;
    const bool runner = r.Str("runner", "0") == "1";
    std::string bad;
    auto pose = [](int f) {
        Board_Pose b;
        switch (f) {
        case 1: b.face = 1, b.gun = true; break;
        case 2: b.face = 1, b.gun = true, b.flash = true; break;
        case 3: b.face = 3, b.hole = true, b.tilt = 0.25; break;
        case 4: case 5: case 6: b.rise = 0.3 * (f - 3); break;
        case 7: case 8: case 9: b.rise = 1.0 - 0.33 * (f - 6); break;
        case 10: b.face = 3, b.cracks = true; break;
        case 11: b.face = 3, b.cracks = true, b.tilt = 0.9; break;
        case 12: b.face = 3, b.cracks = true, b.tilt = 1.45; break;
        case 13: b.face = 2, b.lean = true, b.rise = 0.95; break;
        case 14: b.face = 3, b.hole = true, b.lean = true; break;
        case 15: b.rise = 0.0; break;
        default: break;
        }
        return b;
    };
    const bool ok = Write_Sheet(root, image, SheetLayout{256, 256, 4, 4}, true,
                                [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                                    if (f == 15 || !bad.empty()) return;
                                    Board(cr, look, pose(f), x, y, w, h, bad);
                                },
                                runner ? std::vector<std::vector<int>>{{13, 0}, {14, 14, 13}, {10, 11, 12},
                                                                       {2, 13, 2, 13}, {2, 1}, {6, 7, 8, 9}}
                                       : std::vector<std::vector<int>>{{4, 5, 6, 0}, {1, 0, 1, 1}, {10, 10, 11, 12},
                                                                       {3, 3, 0}, {2, 1}, {6, 7, 8, 9}},
                                0.3f, 0.3f, 110);
    if (!bad.empty()) r.error = bad;
    return ok && bad.empty();
}

// ---- Props ------------------------------------------------------------------------------------

namespace {

void Crate_Cell(cairo_t* cr, double x, double y, double w, double h, int damage, bool sturdy) {
    const Rgba wood = sturdy ? Rgba{120, 100, 70, 255} : Rgba{190, 150, 90, 255};
    if (damage == 2) { // broken: a heap of boards
        for (int k = 0; k < 5; ++k) {
            cairo_save(cr);
            cairo_translate(cr, x + w * (0.2 + 0.15 * k), y + h * (0.82 + 0.04 * (k % 2)));
            cairo_rotate(cr, (k - 2) * 0.35);
            cairo_rectangle(cr, -w * 0.2, -h * 0.04, w * 0.4, h * 0.08);
            cairo_restore(cr);
            Fill_Keep(cr, Mix(wood, kBlack, 0.1 * k));
            Stroke(cr, Mix(wood, kBlack, 0.5), 1.5);
        }
        return;
    }
    const double bx = x + w * 0.1, by = y + h * 0.15, bw = w * 0.8, bh = h * 0.8;
    cairo_rectangle(cr, bx, by, bw, bh);
    Fill_V(cr, by, by + bh, Mix(wood, kWhite, 0.15), Mix(wood, kBlack, 0.25), true);
    Stroke(cr, Mix(wood, kBlack, 0.55), 3);
    for (int k = 1; k < 4; ++k) {
        cairo_move_to(cr, bx, by + bh * k / 4);
        cairo_line_to(cr, bx + bw, by + bh * k / 4);
        Stroke(cr, Mix(wood, kBlack, 0.45), 1.5);
    }
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, bx + bw, by + bh);
    cairo_move_to(cr, bx + bw, by);
    cairo_line_to(cr, bx, by + bh);
    Stroke(cr, Mix(wood, kBlack, 0.3), 5);
    if (sturdy)
        for (int k = 0; k < 2; ++k) {
            cairo_rectangle(cr, bx, by + bh * (0.15 + 0.6 * k), bw, bh * 0.08);
            Fill(cr, Rgba{70, 74, 80, 255});
        }
    if (damage == 1) {
        cairo_move_to(cr, bx + bw * 0.3, by);
        cairo_line_to(cr, bx + bw * 0.45, by + bh * 0.3);
        cairo_line_to(cr, bx + bw * 0.35, by + bh * 0.5);
        cairo_line_to(cr, bx + bw * 0.6, by + bh * 0.7);
        Stroke(cr, kBlack, 3);
        Circle(cr, bx + bw * 0.6, by + bh * 0.35, w * 0.04);
        Fill(cr, kBlack);
    }
}

void Bottles_Cell(cairo_t* cr, double x, double y, double w, double h, bool shattered) {
    for (int k = 0; k < 3; ++k) {
        const double cx = x + w * (0.25 + 0.25 * k), base = y + h * 0.95;
        const Rgba glass = k == 1 ? Rgba{60, 130, 60, 255} : Rgba{120, 70, 30, 255};
        if (shattered) {
            for (int s = 0; s < 4; ++s) {
                cairo_move_to(cr, cx - w * 0.08 + s * w * 0.05, base);
                cairo_line_to(cr, cx - w * 0.06 + s * w * 0.05, base - h * 0.08 * (1 + s % 2));
                cairo_line_to(cr, cx - w * 0.03 + s * w * 0.05, base);
                Fill(cr, glass, 0.9);
            }
            continue;
        }
        cairo_move_to(cr, cx - w * 0.07, base);
        cairo_line_to(cr, cx - w * 0.07, base - h * 0.4);
        cairo_curve_to(cr, cx - w * 0.07, base - h * 0.5, cx - w * 0.025, base - h * 0.5, cx - w * 0.025, base - h * 0.6);
        cairo_line_to(cr, cx - w * 0.025, base - h * 0.75);
        cairo_line_to(cr, cx + w * 0.025, base - h * 0.75);
        cairo_line_to(cr, cx + w * 0.025, base - h * 0.6);
        cairo_curve_to(cr, cx + w * 0.025, base - h * 0.5, cx + w * 0.07, base - h * 0.5, cx + w * 0.07, base - h * 0.4);
        cairo_line_to(cr, cx + w * 0.07, base);
        cairo_close_path(cr);
        Fill_Keep(cr, glass, 0.9);
        Stroke(cr, Mix(glass, kBlack, 0.5), 1.5);
        cairo_rectangle(cr, cx - w * 0.045, base - h * 0.36, w * 0.02, h * 0.25);
        Fill(cr, kWhite, 0.5);
    }
}

void Lamp_Cell(cairo_t* cr, double x, double y, double w, double h, int look) {
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h * 0.35);
    Stroke(cr, Rgba{40, 40, 40, 255}, 2);
    if (look != 1) Glow(cr, x + w / 2, y + h * 0.6, w * 0.5, Rgba{255, 220, 140, 255}, look == 3 ? 0.6 : 0.8);
    cairo_rectangle(cr, x + w * 0.38, y + h * 0.35, w * 0.24, h * 0.06);
    Fill(cr, Rgba{50, 50, 50, 255});
    cairo_move_to(cr, x + w * 0.4, y + h * 0.41);
    cairo_line_to(cr, x + w * 0.34, y + h * 0.78);
    cairo_line_to(cr, x + w * 0.66, y + h * 0.78);
    cairo_line_to(cr, x + w * 0.6, y + h * 0.41);
    cairo_close_path(cr);
    if (look == 1) { // smashed: a dark, empty frame
        Stroke(cr, Rgba{50, 50, 50, 255}, 3);
        return;
    }
    Fill_Keep(cr, Rgba{255, 236, 170, 255}, 0.8);
    Stroke(cr, Rgba{50, 50, 50, 255}, 3);
    Circle(cr, x + w / 2, y + h * 0.6, w * 0.06);
    Fill(cr, kWhite);
}

} // namespace

bool Gal_Prop(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string kind = r.Str("kind", "crate");
    std::vector<std::vector<int>> anims;
    if (kind == "crate" || kind == "sturdy") anims = {{0}, {1}, {2}};
    else if (kind == "bottles") anims = {{0}, {1}};
    else if (kind == "lamp") anims = {{0, 0, 0, 3}, {1}};
    else {
        r.error = "unknown prop kind '" + kind + "'";
        return false;
    }
    return Write_Sheet(root, image, SheetLayout{128, 128, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (kind == "crate" || kind == "sturdy") {
                               if (f < 3) Crate_Cell(cr, x, y, w, h, f, kind == "sturdy");
                           } else if (kind == "bottles") {
                               if (f < 2) Bottles_Cell(cr, x, y, w, h, f == 1);
                           } else {
                               Lamp_Cell(cr, x, y, w, h, f);
                           }
                       },
                       anims, 0.2f, 0.2f, 120);
}

// ---- The cannon and its balls -----------------------------------------------------------------

bool Gal_Cannon(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{256, 256, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h * 0.55, kick = f == 1 ? h * 0.04 : 0;
                           for (int s = -1; s <= 1; s += 2) { // the wheels
                               Circle(cr, cx + s * w * 0.33, y + h * 0.72, w * 0.16);
                               Fill_Keep(cr, Rgba{110, 80, 50, 255});
                               Stroke(cr, Rgba{50, 36, 24, 255}, 6);
                               for (int k = 0; k < 6; ++k) {
                                   cairo_move_to(cr, cx + s * w * 0.33, y + h * 0.72);
                                   cairo_line_to(cr, cx + s * w * 0.33 + std::cos(k * kPi / 3) * w * 0.15,
                                                 y + h * 0.72 + std::sin(k * kPi / 3) * w * 0.15);
                                   Stroke(cr, Rgba{60, 44, 30, 255}, 4);
                               }
                           }
                           cairo_rectangle(cr, cx - w * 0.3, y + h * 0.66, w * 0.6, h * 0.1);
                           Fill(cr, Rgba{90, 66, 42, 255});
                           Circle(cr, cx, cy + kick, w * 0.2); // the barrel end-on
                           Fill_V(cr, cy - w * 0.2, cy + w * 0.2, Rgba{90, 94, 90, 255}, Rgba{30, 32, 30, 255}, true);
                           Stroke(cr, kBlack, 4);
                           Circle(cr, cx, cy + kick, w * 0.11);
                           Fill(cr, kBlack);
                           if (f == 1) {
                               for (int k = 0; k < 12; ++k) {
                                   const double a = k * kPi / 6, len = (k % 2 ? 0.25 : 0.45) * w;
                                   cairo_move_to(cr, cx, cy);
                                   cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
                                   Stroke(cr, Rgba{255, 190, 60, 255}, w * 0.05);
                               }
                               Glow(cr, cx, cy, w * 0.3, Rgba{255, 250, 200, 255}, 1.0);
                           }
                           if (f == 2) {
                               for (int k = 0; k < 5; ++k) {
                                   Circle(cr, cx + (k - 2) * w * 0.08, cy - h * 0.1 - (k % 2) * h * 0.08, w * 0.12);
                                   Fill(cr, Rgba{180, 180, 176, 255}, 0.7);
                               }
                           }
                       },
                       {{0}, {1, 2, 2, 0}}, 0.3f, 0.3f, 120);
}

bool Gal_Ball(const std::string& root, const std::string& image, const Arg_Reader&) {
    Paint p(64, 64);
    cairo_t* cr = p.cr();
    Circle(cr, 32, 32, 29);
    cairo_pattern_t* g = cairo_pattern_create_radial(24, 22, 2, 32, 32, 30);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.6, 0.6, 0.62);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.06, 0.07);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return Save_Picture(p, root, image, true);
}

// ---- The airship's engine gondola, the boss of the last round ----------------------------------

bool Gal_Gondola(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{512, 320, 2, 4}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const int damage = f / 2, phase = f % 2;
                           Rng rng(77 + f);
                           for (int s = 0; s < 2; ++s) { // the hangers
                               cairo_move_to(cr, x + w * (0.3 + 0.4 * s), y);
                               cairo_line_to(cr, x + w * (0.36 + 0.28 * s), y + h * 0.3);
                               Stroke(cr, Rgba{50, 50, 54, 255}, 6);
                           }
                           // the car: a long boat-shaped cabin with a row of windows
                           const double cx = x + w * 0.14, cy = y + h * 0.3, cw = w * 0.72, ch = h * 0.42;
                           cairo_move_to(cr, cx, cy);
                           cairo_line_to(cr, cx + cw, cy);
                           cairo_curve_to(cr, cx + cw + 30, cy + ch * 0.5, cx + cw - 20, cy + ch, cx + cw - 60, cy + ch);
                           cairo_line_to(cr, cx + 40, cy + ch);
                           cairo_curve_to(cr, cx - 10, cy + ch, cx - 30, cy + ch * 0.4, cx, cy);
                           cairo_close_path(cr);
                           const Rgba body = damage == 3 ? Rgba{50, 46, 44, 255} : Rgba{120, 124, 110, 255};
                           Fill_V(cr, cy, cy + ch, Mix(body, kWhite, 0.2), Mix(body, kBlack, 0.4), true);
                           Stroke(cr, kInk, 3);
                           for (int k = 0; k < 7; ++k) {
                               const double wx = cx + 30 + k * (cw - 60) / 7, wy = cy + ch * 0.18;
                               cairo_rectangle(cr, wx, wy, (cw - 60) / 7 - 10, ch * 0.3);
                               const bool broken = damage >= 1 && (k * 3 + damage) % 4 < damage;
                               Fill_Keep(cr, broken ? Rgba{30, 30, 34, 255} : Rgba{200, 230, 240, 255});
                               Stroke(cr, kInk, 2);
                               if (broken) {
                                   cairo_move_to(cr, wx, wy);
                                   cairo_line_to(cr, wx + 14, wy + ch * 0.15);
                                   cairo_line_to(cr, wx + 6, wy + ch * 0.3);
                                   Stroke(cr, Rgba{200, 230, 240, 255}, 2);
                               } else {
                                   cairo_move_to(cr, wx + 4, wy + ch * 0.25);
                                   cairo_line_to(cr, wx + 14, wy + 4);
                                   Stroke(cr, kWhite, 2, 0.8);
                               }
                           }
                           Emblem(cr, cx + cw * 0.5, cy + ch * 0.72, ch * 0.2);
                           for (int s = 0; s < 2; ++s) // an engine each side, its propeller turning
                               Engine_Pod(cr, s == 0 ? x + w * 0.02 : x + w * 0.8, y + h * 0.72, w * 0.18, h * 0.14,
                                          phase + s);
                           if (damage >= 1)
                               for (int k = 0; k < damage * 2; ++k)
                                   Smoke(cr, rng, cx + cw * rng.Next(), cy + ch * 0.2, h * 0.3, 0.5,
                                         Rgba{50, 50, 50, 255}, 0.45);
                           if (damage >= 2)
                               for (int k = 0; k < damage * 2; ++k) {
                                   const double fx = cx + cw * rng.Next(), fy = cy + ch * (0.2 + 0.6 * rng.Next());
                                   Glow(cr, fx, fy, h * (0.08 + 0.04 * phase), Rgba{255, 160, 40, 255}, 1.0);
                                   Glow(cr, fx, fy, h * 0.04, Rgba{255, 240, 160, 255}, 1.0);
                               }
                       },
                       {{0, 1}, {2, 3}, {4, 5}, {6, 7}}, 0.6f, 0.4f, 90);
}

// ---- Clay pigeons ----------------------------------------------------------------------------

bool Gal_Pigeon(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{64, 64, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2;
                           if (f < 4) { // the disc, turning: its rim catches the light
                               cairo_save(cr);
                               cairo_translate(cr, cx, cy);
                               cairo_scale(cr, 1.0, 0.45 + 0.1 * (f % 2));
                               Circle(cr, 0, 0, w * 0.42);
                               cairo_restore(cr);
                               Fill_Keep(cr, Rgba{230, 110, 40, 255});
                               Stroke(cr, Rgba{120, 50, 20, 255}, 2);
                               cairo_save(cr);
                               cairo_translate(cr, cx, cy);
                               cairo_scale(cr, 1.0, 0.45);
                               cairo_arc(cr, 0, 0, w * 0.3, f * kPi / 2, f * kPi / 2 + 1.2);
                               cairo_restore(cr);
                               Stroke(cr, Rgba{255, 220, 160, 255}, 3);
                               return;
                           }
                           if (f == 7) return; // gone
                           const double spread = (f - 3) * w * 0.12;
                           for (int k = 0; k < 6; ++k) {
                               const double a = k * kPi / 3 + f;
                               const double px = cx + std::cos(a) * spread, py = cy + std::sin(a) * spread;
                               cairo_move_to(cr, px, py);
                               cairo_line_to(cr, px + 6, py + 2);
                               cairo_line_to(cr, px + 2, py + 7);
                               cairo_close_path(cr);
                               Fill(cr, Rgba{230, 110, 40, 255}, 1.0 - (f - 4) * 0.25);
                           }
                           Circle(cr, cx, cy, spread * 0.8);
                           Fill(cr, Rgba{240, 200, 150, 255}, 0.4 - (f - 4) * 0.1);
                       },
                       {{0, 1, 2, 3}, {4, 5, 6, 7}}, 0.1f, 0.1f, 70);
}

// ---- Explosions and fire --------------------------------------------------------------------

// Animation 0 a blast that swells and dies into smoke (once); 1 a fire that flickers (loop).
bool Gal_Blast(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 4, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2;
                           Rng rng(11 + f);
                           if (f < 6) {
                               const double t = (f + 1) / 6.0, R = w * (0.18 + 0.3 * t);
                               if (f >= 2)
                                   for (int k = 0; k < 8; ++k) {
                                       Circle(cr, cx + (rng.Next() - 0.5) * R, cy + (rng.Next() - 0.6) * R, R * 0.5);
                                       Fill(cr, Rgba{70, 64, 60, 255}, 0.3 + 0.1 * t);
                                   }
                               if (f < 5) {
                                   Glow(cr, cx, cy, R * 1.2, Rgba{255, 120, 30, 255}, 1.0 - t * 0.5);
                                   Glow(cr, cx, cy, R * 0.7, Rgba{255, 230, 120, 255}, 1.0 - t * 0.6);
                                   for (int k = 0; k < 10; ++k) {
                                       const double a = k * kPi / 5 + rng.Next();
                                       cairo_move_to(cr, cx, cy);
                                       cairo_line_to(cr, cx + std::cos(a) * R, cy + std::sin(a) * R);
                                       Stroke(cr, Rgba{255, 200, 80, 255}, 3, 1.0 - t * 0.7);
                                   }
                               }
                               return;
                           }
                           for (int k = 0; k < 5; ++k) { // flames
                               const double fx = cx + (k - 2) * w * 0.12, fh = h * (0.3 + 0.3 * rng.Next());
                               cairo_move_to(cr, fx - w * 0.1, cy + h * 0.35);
                               cairo_curve_to(cr, fx - w * 0.1, cy, fx - w * 0.02, cy - fh * 0.5, fx, cy + h * 0.35 - fh - h * 0.1);
                               cairo_curve_to(cr, fx + w * 0.04, cy - fh * 0.4, fx + w * 0.1, cy, fx + w * 0.1, cy + h * 0.35);
                               cairo_close_path(cr);
                               Fill_V(cr, cy - fh, cy + h * 0.35, Rgba{255, 230, 120, 255}, Rgba{230, 70, 20, 255});
                           }
                       },
                       {{0, 1, 2, 3, 4, 5}, {6, 7}}, 0.3f, 0.3f, 90);
}

// ---- The finale ---------------------------------------------------------------------------------

namespace {

void Airship_Body(cairo_t* cr, double x, double y, double w, double h, int f) {
    const bool broken = f >= 2;
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h * 0.45);
    if (f == 3) cairo_rotate(cr, 0.12);
    cairo_scale(cr, w * 0.46, h * 0.3);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    Fill_V(cr, y + h * 0.15, y + h * 0.75, Rgba{200, 204, 210, 255}, Rgba{110, 114, 124, 255}, true);
    Stroke(cr, Rgba{70, 74, 80, 255}, 3);
    for (int k = 1; k < 9; ++k) { // the rings
        const double rx = x + w * 0.04 + k * w * 0.1;
        cairo_move_to(cr, rx, y + h * 0.18 + std::fabs(k - 4.5) * 6);
        cairo_line_to(cr, rx, y + h * 0.72 - std::fabs(k - 4.5) * 6);
        Stroke(cr, Rgba{140, 144, 150, 255}, 2, 0.6);
    }
    cairo_move_to(cr, x + w * 0.86, y + h * 0.4); // the fins
    cairo_line_to(cr, x + w * 0.98, y + h * 0.12);
    cairo_line_to(cr, x + w * 0.99, y + h * 0.78);
    cairo_close_path(cr);
    Fill_Keep(cr, Rgba{150, 154, 160, 255});
    Stroke(cr, Rgba{70, 74, 80, 255}, 2);
    Emblem(cr, x + w * 0.3, y + h * 0.45, h * 0.12);
    cairo_rectangle(cr, x + w * 0.4, y + h * 0.75, w * 0.2, h * 0.1); // the gondola
    Fill(cr, Rgba{90, 94, 84, 255});
    if (!broken) {
        Propeller_Disc(cr, x + w * 0.38, y + h * 0.8, h * 0.08, f);
        return;
    }
    Rng rng(5 + f);
    for (int k = 0; k < 6 + 4 * (f - 2); ++k) {
        const double fx = x + w * (0.15 + 0.7 * rng.Next()), fy = y + h * (0.25 + 0.4 * rng.Next());
        Glow(cr, fx, fy, h * 0.16, Rgba{255, 130, 30, 255}, 1.0);
        Glow(cr, fx, fy, h * 0.07, Rgba{255, 240, 160, 255}, 1.0);
    }
    if (f == 3) { // torn in two: sky shows through the middle
        cairo_move_to(cr, x + w * 0.5, y);
        cairo_line_to(cr, x + w * 0.56, y + h * 0.3);
        cairo_line_to(cr, x + w * 0.48, y + h * 0.5);
        cairo_line_to(cr, x + w * 0.58, y + h);
        cairo_line_to(cr, x + w * 0.64, y + h);
        cairo_line_to(cr, x + w * 0.56, y + h * 0.5);
        cairo_line_to(cr, x + w * 0.62, y + h * 0.3);
        cairo_line_to(cr, x + w * 0.56, y);
        cairo_close_path(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    Smoke(cr, rng, x + w * 0.5, y + h * 0.3, h * 0.5, 0.6, Rgba{50, 50, 50, 255}, 0.5);
}

// A man seen from above as he falls, arms and legs flung out.
void Faller_Cell(cairo_t* cr, double x, double y, double w, double h, int f) {
    const double cx = x + w / 2, cy = y + h / 2, s = w / 128.0;
    const double swing = std::sin(f * kPi / 2) * 0.5;
    const Rgba uniform{92, 108, 58, 255}, skin{232, 190, 150, 255};
    auto limb = [&](double ax, double ay, double ang, double len, Rgba c, double thick) {
        cairo_move_to(cr, cx + ax * s, cy + ay * s);
        cairo_line_to(cr, cx + ax * s + std::cos(ang) * len * s, cy + ay * s + std::sin(ang) * len * s);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Stroke(cr, c, thick * s);
    };
    limb(-8, -14, -2.4 + swing, 40, uniform, 11);
    limb(8, -14, -0.7 - swing, 40, uniform, 11);
    limb(-6, 18, 2.0 - swing, 44, Rgba{70, 84, 44, 255}, 13);
    limb(6, 18, 1.1 + swing, 44, Rgba{70, 84, 44, 255}, 13);
    Rounded_Rect(cr, cx - 16 * s, cy - 20 * s, 32 * s, 44 * s, 10 * s);
    Fill_Keep(cr, uniform);
    Stroke(cr, kInk, 2);
    Circle(cr, cx, cy - 30 * s, 13 * s);
    Fill_Keep(cr, skin);
    Stroke(cr, kInk, 2);
    cairo_arc(cr, cx, cy - 32 * s, 14 * s, kPi, 2 * kPi);
    Fill(cr, Rgba{80, 94, 50, 255}); // his helmet
    Circle(cr, cx, cy - 26 * s, 4 * s); // mouth open in a yell
    Fill(cr, kBlack);
}

} // namespace

// The Zarvok's airship: animation 0 whole (its propeller turning), 1 bursting into flames
// and breaking apart (once; looping it shows the burning wreck).
bool Gal_Airship(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{512, 256, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Airship_Body(cr, x, y, w, h, f);
                       },
                       {{0, 1}, {2, 3, 2, 3}}, 1.0f, 0.5f, 150);
}

bool Gal_Faller(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{128, 128, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) { Faller_Cell(cr, x, y, w, h, f); },
                       {{0, 1, 2, 3}}, 0.2f, 0.2f, 120);
}

namespace {

// The finale's debris, one picture each on a cell of 128.

void Girder(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_rotate(cr, 0.6);
    cairo_rectangle(cr, -56, -10, 112, 20);
    Stroke(cr, Rgba{70, 70, 76, 255}, 5);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, -56 + k * 19, -10);
        cairo_line_to(cr, -47 + k * 19, 10);
        Stroke(cr, Rgba{70, 70, 76, 255}, 3);
    }
    cairo_restore(cr);
}

void Propeller(cairo_t* cr) {
    for (int k = 0; k < 2; ++k) {
        cairo_save(cr);
        cairo_translate(cr, 64, 64);
        cairo_rotate(cr, 0.4 + k * kPi);
        cairo_move_to(cr, 0, -6);
        cairo_curve_to(cr, 30, -14, 54, -8, 58, 0);
        cairo_curve_to(cr, 54, 8, 30, 12, 0, 6);
        cairo_close_path(cr);
        cairo_restore(cr);
        Fill_Keep(cr, Rgba{140, 100, 60, 255});
        Stroke(cr, Rgba{70, 50, 30, 255}, 2);
    }
    Circle(cr, 64, 64, 9);
    Fill(cr, Rgba{60, 60, 60, 255});
}

// A burning shred of the envelope
void Burning_Rag(cairo_t* cr) {
    cairo_move_to(cr, 20, 30);
    cairo_curve_to(cr, 60, 10, 90, 40, 110, 24);
    cairo_line_to(cr, 100, 90);
    cairo_curve_to(cr, 70, 110, 40, 80, 14, 100);
    cairo_close_path(cr);
    Fill_V(cr, 10, 110, Rgba{190, 194, 200, 255}, Rgba{110, 114, 120, 255}, true);
    Stroke(cr, Rgba{60, 60, 60, 255}, 2);
    Glow(cr, 100, 40, 30, Rgba{255, 150, 40, 255}, 1.0);
    Glow(cr, 30, 96, 24, Rgba{255, 150, 40, 255}, 1.0);
}

void Crate_Debris(cairo_t* cr) {
    Crate_Cell(cr, 16, 16, 96, 96, 1, false);
}

struct Named_Debris {
    const char* name;
    void (*draw)(cairo_t*);
};
const Named_Debris kDebris[] = {
    {"girder", Girder},
    {"propeller", Propeller},
    {"rag", Burning_Rag},
    {"crate", Crate_Debris},
};

} // namespace


bool Gal_Debris(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string piece = r.Str("piece", "girder");
    Paint p(128, 128);
    cairo_t* cr = p.cr();
    const Named_Debris* drawn = nullptr;
    for (const Named_Debris& n : kDebris)
        if (piece == n.name) drawn = &n;
    if (drawn == nullptr) {
        r.error = "unknown debris piece '" + piece + "'";
        return false;
    }
    drawn->draw(cr);
    return Save_Picture(p, root, image, true);
}

// The aeroplane that comes for the player: animation 0 its pilot alone, 1 the player aboard
// behind him, waving; both with the propeller turning.
bool Gal_Plane(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{512, 256, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const bool passenger = f >= 2;
                           const Rgba body{60, 110, 70, 255};
                           for (int k = 0; k < 2; ++k) { // the wings, biplane
                               Rounded_Rect(cr, x + w * 0.22, y + h * (0.3 + 0.32 * k), w * 0.5, h * 0.07, 6);
                               Fill_V(cr, y, y + h, Mix(body, kWhite, 0.2), Mix(body, kBlack, 0.2), true);
                               Stroke(cr, kInk, 2);
                           }
                           for (int k = 0; k < 3; ++k) { // struts
                               cairo_move_to(cr, x + w * (0.26 + 0.2 * k), y + h * 0.37);
                               cairo_line_to(cr, x + w * (0.28 + 0.2 * k), y + h * 0.62);
                               Stroke(cr, Rgba{60, 50, 40, 255}, 3);
                           }
                           cairo_move_to(cr, x + w * 0.08, y + h * 0.45); // the body, nose to the right
                           cairo_curve_to(cr, x + w * 0.4, y + h * 0.38, x + w * 0.7, y + h * 0.4, x + w * 0.86, y + h * 0.46);
                           cairo_line_to(cr, x + w * 0.86, y + h * 0.62);
                           cairo_curve_to(cr, x + w * 0.6, y + h * 0.66, x + w * 0.3, y + h * 0.6, x + w * 0.1, y + h * 0.54);
                           cairo_close_path(cr);
                           Fill_V(cr, y + h * 0.38, y + h * 0.66, Mix(body, kWhite, 0.25), Mix(body, kBlack, 0.3), true);
                           Stroke(cr, kInk, 2);
                           cairo_move_to(cr, x + w * 0.06, y + h * 0.5); // the tail
                           cairo_line_to(cr, x + w * 0.02, y + h * 0.26);
                           cairo_line_to(cr, x + w * 0.14, y + h * 0.44);
                           cairo_close_path(cr);
                           Fill_Keep(cr, body);
                           Stroke(cr, kInk, 2);
                           Circle(cr, x + w * 0.45, y + h * 0.52, h * 0.05); // our roundel
                           Fill(cr, Rgba{40, 70, 160, 255});
                           Circle(cr, x + w * 0.45, y + h * 0.52, h * 0.025);
                           Fill(cr, kWhite);
                           Propeller_Disc(cr, x + w * 0.88, y + h * 0.54, h * 0.2, f);
                           auto head = [&](double hx, double hy, Rgba cap) {
                               Circle(cr, hx, hy, h * 0.06);
                               Fill_Keep(cr, Rgba{232, 190, 150, 255});
                               Stroke(cr, kInk, 1.5);
                               cairo_arc(cr, hx, hy - h * 0.01, h * 0.065, kPi, 2 * kPi);
                               Fill(cr, cap);
                           };
                           head(x + w * 0.62, y + h * 0.34, Rgba{110, 70, 40, 255}); // the pilot, goggles up
                           cairo_rectangle(cr, x + w * 0.6, y + h * 0.29, w * 0.04, h * 0.02);
                           Fill(cr, Rgba{40, 40, 40, 255});
                           if (passenger) {
                               head(x + w * 0.5, y + h * 0.34, Rgba{80, 94, 50, 255});
                               cairo_move_to(cr, x + w * 0.5, y + h * 0.4);
                               cairo_line_to(cr, x + w * (0.46 + 0.03 * (f % 2)), y + h * 0.14);
                               cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                               Stroke(cr, Rgba{92, 108, 58, 255}, h * 0.04);
                           }
                       },
                       {{0, 1}, {2, 3}}, 0.6f, 0.3f, 90);
}

// The Zarvok's fortress on its crag: animation 0 standing, its banner flying; 1 on fire.
bool Gal_Fortress(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, SheetLayout{512, 320, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const bool burning = f >= 2;
                           Rng rng(31 + f);
                           cairo_move_to(cr, x, y + h); // the crag
                           cairo_line_to(cr, x + w * 0.12, y + h * 0.7);
                           cairo_line_to(cr, x + w * 0.3, y + h * 0.62);
                           cairo_line_to(cr, x + w * 0.7, y + h * 0.62);
                           cairo_line_to(cr, x + w * 0.88, y + h * 0.72);
                           cairo_line_to(cr, x + w, y + h);
                           cairo_close_path(cr);
                           Fill_V(cr, y + h * 0.62, y + h, Rgba{100, 96, 90, 255}, Rgba{56, 52, 50, 255});
                           const Rgba stone = burning ? Rgba{70, 62, 58, 255} : Rgba{130, 124, 116, 255};
                           cairo_rectangle(cr, x + w * 0.25, y + h * 0.4, w * 0.5, h * 0.24); // the wall
                           Fill_V(cr, y + h * 0.4, y + h * 0.64, Mix(stone, kWhite, 0.1), Mix(stone, kBlack, 0.3));
                           for (int k = 0; k < 3; ++k) { // towers
                               const double tx = x + w * (0.2 + 0.27 * k), tw = w * 0.1, ty = y + h * (k == 1 ? 0.12 : 0.26);
                               cairo_rectangle(cr, tx, ty, tw, y + h * 0.64 - ty);
                               Fill_V(cr, ty, y + h * 0.64, Mix(stone, kWhite, 0.15), Mix(stone, kBlack, 0.35));
                               for (int c = 0; c < 3; ++c) {
                                   cairo_rectangle(cr, tx + c * tw * 0.4 - 2, ty - h * 0.04, tw * 0.25, h * 0.04);
                                   Fill(cr, Mix(stone, kWhite, 0.15));
                               }
                               cairo_rectangle(cr, tx + tw * 0.35, ty + h * 0.08, tw * 0.3, h * 0.06);
                               Fill(cr, burning ? Rgba{255, 160, 40, 255} : Rgba{30, 30, 30, 255});
                           }
                           for (int c = 0; c < 10; ++c) { // battlements
                               cairo_rectangle(cr, x + w * (0.25 + 0.05 * c), y + h * 0.37, w * 0.03, h * 0.03);
                               Fill(cr, Mix(stone, kWhite, 0.1));
                           }
                           if (!burning) {
                               cairo_move_to(cr, x + w * 0.52, y + h * 0.12); // the banner on the keep
                               cairo_line_to(cr, x + w * 0.52, y + h * 0.0);
                               Stroke(cr, kInk, 3);
                               cairo_move_to(cr, x + w * 0.52, y + h * 0.0);
                               cairo_line_to(cr, x + w * (0.62 + 0.01 * f), y + h * (0.02 + 0.01 * f));
                               cairo_line_to(cr, x + w * 0.52, y + h * 0.06);
                               Fill(cr, kRedEmblem);
                               return;
                           }
                           for (int k = 0; k < 7; ++k) {
                               const double fx = x + w * (0.22 + 0.56 * rng.Next()), fy = y + h * (0.2 + 0.4 * rng.Next());
                               Glow(cr, fx, fy, h * (0.12 + 0.03 * (f % 2)), Rgba{255, 120, 30, 255}, 1.0);
                               Glow(cr, fx, fy, h * 0.05, Rgba{255, 240, 160, 255}, 1.0);
                           }
                           Smoke(cr, rng, x + w * 0.5, y + h * 0.3, h * 0.3, 0.8, Rgba{40, 40, 40, 255}, 0.6);
                       },
                       {{0, 1}, {2, 3}}, 0.8f, 0.5f, 160);
}

} // namespace painters

namespace painters {

// The gallery's effects sheet (texture slot 2 of its rounds): animation 12 the dust puff of
// a shot that hits nothing, 54 the splinters of a crate hit; every other animation a few
// sparks.
bool Gal_Effects(const std::string& root, const std::string& image, const Arg_Reader&) {
    std::vector<std::vector<int>> a(60, std::vector<int>{16, 17, 18});
    a[12] = {0, 1, 2, 3, 4, 5};
    a[54] = {8, 9, 10, 11, 12, 13};
    return Write_Sheet(root, image, SheetLayout{64, 64, 8, 4}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h / 2;
                           Rng rng(3 + f);
                           if (f < 6) { // dust kicked up where the shot struck
                               for (int k = 0; k < 6; ++k) {
                                   const double a = k * kPi / 3 + 0.3, d = w * 0.05 * (f + 1);
                                   Circle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7, w * (0.06 + 0.025 * f));
                                   Fill(cr, Rgba{150, 130, 100, 255}, 0.8 - f * 0.12);
                               }
                               if (f < 2) Glow(cr, cx, cy, w * 0.2, Rgba{255, 230, 150, 255}, 1.0);
                               return;
                           }
                           if (f >= 8 && f < 14) { // wood chips flying apart
                               const int t = f - 8;
                               for (int k = 0; k < 9; ++k) {
                                   const double a = k * 2 * kPi / 9 + rng.Next() * 0.3, d = w * (0.06 + 0.06 * t);
                                   cairo_save(cr);
                                   cairo_translate(cr, cx + std::cos(a) * d, cy + std::sin(a) * d + t * t * 0.6);
                                   cairo_rotate(cr, a + t);
                                   cairo_rectangle(cr, -w * 0.06, -w * 0.015, w * 0.12, w * 0.03);
                                   cairo_restore(cr);
                                   Fill(cr, Rgba{200, 160, 100, 255}, 1.0 - t * 0.14);
                               }
                               return;
                           }
                           if (f >= 16 && f < 19)
                               for (int k = 0; k < 5; ++k) {
                                   const double a = k * 1.2566 + f, len = w * (0.1 + 0.08 * (f - 16));
                                   cairo_move_to(cr, cx, cy);
                                   cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
                                   Stroke(cr, Rgba{255, 200, 80, 255}, 2);
                               }
                       },
                       a, 0.1f, 0.1f, 70);
}

} // namespace painters

namespace painters {

namespace {

void Night_Veil(cairo_t* cr, double W, double H, Rng& rng) {
    cairo_rectangle(cr, 0, 0, W, H);
    Fill(cr, Rgba{8, 12, 40, 255}, 0.55);
    for (int k = 0; k < 60; ++k) {
        Circle(cr, rng.Next() * W, rng.Next() * H * 0.35, 1 + rng.Next() * 1.5);
        Fill(cr, kWhite, 0.8);
    }
    Circle(cr, W * 0.82, H * 0.12, 22);
    Fill(cr, Rgba{240, 236, 210, 255});
}

void Cottage(cairo_t* cr, double x, double base, double w, double h, Rgba wall, Rgba roof) {
    cairo_rectangle(cr, x, base - h, w, h);
    Fill_V(cr, base - h, base, Mix(wall, kWhite, 0.1), Mix(wall, kBlack, 0.2), true);
    Stroke(cr, kInk, 2, 0.6);
    cairo_move_to(cr, x - w * 0.08, base - h);
    cairo_line_to(cr, x + w / 2, base - h * 1.7);
    cairo_line_to(cr, x + w * 1.08, base - h);
    cairo_close_path(cr);
    Fill_Keep(cr, roof);
    Stroke(cr, kInk, 2, 0.6);
    cairo_rectangle(cr, x + w * 0.15, base - h * 0.6, w * 0.2, h * 0.25);
    Fill(cr, Rgba{250, 220, 140, 255});
    cairo_rectangle(cr, x + w * 0.6, base - h * 0.55, w * 0.22, h * 0.55);
    Fill(cr, Rgba{90, 60, 40, 255});
}

} // namespace

namespace {

// The places of the statistics page, one picture each (places that share their drawing pass
// the name on).

// The landing beach: the sea, the sand, steel hedgehogs, a bunker
void Landing_Beach(cairo_t* cr, Rng& rng, double W, double H, const std::string&) {
    Sky(cr, W, H * 0.45, "day");
    for (int k = 0; k < 3; ++k) Cloud(cr, rng, 160 + k * 330, 70 + rng.Next() * 50, 220, kWhite, 0.8);
    Sea_Band(cr, rng, W, H * 0.42, H * 0.2);
    cairo_move_to(cr, 0, H * 0.62);
    cairo_curve_to(cr, W * 0.3, H * 0.58, W * 0.7, H * 0.66, W, H * 0.6);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    Fill_V(cr, H * 0.58, H, Rgba{226, 206, 160, 255}, Rgba{180, 156, 110, 255});
    for (int k = 0; k < 7; ++k) { // hedgehogs
        const double x = 60 + k * 140 + rng.Next() * 30, y = H * (0.68 + 0.05 * (k % 3));
        for (int b = 0; b < 3; ++b) {
            cairo_move_to(cr, x - 26 + b * 6, y + 14);
            cairo_line_to(cr, x + 26 - b * 20, y - 24 + b * 10);
            Stroke(cr, Rgba{60, 56, 54, 255}, 6);
        }
    }
    cairo_move_to(cr, W * 0.7, H * 0.6); // a bunker in the dunes
    cairo_curve_to(cr, W * 0.72, H * 0.48, W * 0.9, H * 0.48, W * 0.92, H * 0.6);
    cairo_close_path(cr);
    Fill_V(cr, H * 0.48, H * 0.6, Rgba{150, 146, 136, 255}, Rgba{100, 96, 90, 255});
    cairo_rectangle(cr, W * 0.76, H * 0.53, W * 0.12, H * 0.025);
    Fill(cr, kBlack);
}

void Farms_Or_Barn(cairo_t* cr, Rng& rng, double W, double H, const std::string& place) {
    if (place == "straw") { // inside the barn: beams, bales, light through the door
        Box_V(cr, 0, 0, W, H, Rgba{110, 76, 44, 255}, Rgba{70, 46, 26, 255});
        for (int k = 0; k < 14; ++k) {
            cairo_rectangle(cr, k * W / 13, 0, 8, H);
            Fill(cr, Rgba{60, 40, 22, 255}, 0.6);
        }
        cairo_rectangle(cr, W * 0.4, H * 0.2, W * 0.2, H * 0.55);
        Fill(cr, Rgba{250, 230, 170, 255});
        Glow(cr, W * 0.5, H * 0.6, 300, Rgba{255, 230, 160, 255}, 0.35);
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 6 - row; ++k) {
                const double bx = (k < 3 - row / 2 ? 20 : W * 0.62) + (k % 3) * 120 + row * 60, by = H * (0.8 - row * 0.13);
                Rounded_Rect(cr, bx, by, 118, H * 0.13, 8);
                Fill_V(cr, by, by + H * 0.13, Rgba{230, 200, 110, 255}, Rgba{170, 140, 70, 255}, true);
                Stroke(cr, Rgba{140, 110, 50, 255}, 2);
            }
        Box_V(cr, 0, H * 0.92, W, H * 0.08, Rgba{160, 130, 70, 255}, Rgba{120, 96, 50, 255});
    } else { // farmland: a patchwork of fields, a farmhouse, haystacks
        Sky(cr, W, H * 0.5, "day");
        for (int k = 0; k < 3; ++k) Cloud(cr, rng, 160 + k * 330, 60 + rng.Next() * 60, 240, kWhite, 0.8);
        for (int band = 0; band < 5; ++band) {
            const double y0 = H * (0.46 + band * 0.11);
            cairo_move_to(cr, 0, y0);
            cairo_curve_to(cr, W * 0.3, y0 - 12, W * 0.7, y0 + 12, W, y0 - 6);
            cairo_line_to(cr, W, H);
            cairo_line_to(cr, 0, H);
            cairo_close_path(cr);
            Fill(cr, band % 2 ? Rgba{200, 176, 90, 255} : Rgba{110, 140, 64, 255});
        }
        Cottage(cr, W * 0.62, H * 0.52, 130, 70, Rgba{220, 206, 180, 255}, Rgba{150, 60, 40, 255});
        for (int k = 0; k < 4; ++k) {
            const double x = 120 + k * 150, y = H * (0.68 + 0.06 * (k % 2));
            cairo_arc(cr, x, y, 34, kPi, 2 * kPi);
            Fill_V(cr, y - 34, y, Rgba{236, 200, 110, 255}, Rgba{190, 150, 70, 255});
        }
    }
}

void Village_Or_Garden(cairo_t* cr, Rng& rng, double W, double H, const std::string& place) {
    Sky(cr, W, H * 0.55, "day");
    for (int k = 0; k < 3; ++k) Cloud(cr, rng, 160 + k * 330, 60 + rng.Next() * 60, 220, kWhite, 0.8);
    if (place == "village") {
        cairo_rectangle(cr, W * 0.46, H * 0.12, W * 0.06, H * 0.44); // the church spire
        Fill(cr, Rgba{190, 184, 170, 255});
        cairo_move_to(cr, W * 0.45, H * 0.12);
        cairo_line_to(cr, W * 0.49, H * 0.0);
        cairo_line_to(cr, W * 0.53, H * 0.12);
        Fill(cr, Rgba{80, 84, 96, 255});
        for (int k = 0; k < 6; ++k)
            Cottage(cr, 20 + k * 170 + (k > 2 ? 60 : 0), H * 0.6, 120, 80 + 20 * (k % 2),
                    Rgba{(uint8_t)(200 + 8 * k), 190, 160, 255}, k % 2 ? Rgba{150, 60, 40, 255} : Rgba{90, 80, 70, 255});
        Box_V(cr, 0, H * 0.6, W, H * 0.4, Rgba{150, 140, 120, 255}, Rgba{110, 100, 86, 255});
        for (int k = 0; k < 120; ++k) { // cobbles
            cairo_save(cr);
            cairo_translate(cr, rng.Next() * W, H * (0.62 + 0.38 * rng.Next()));
            cairo_scale(cr, 1, 0.5);
            Circle(cr, 0, 0, 10);
            cairo_restore(cr);
            Stroke(cr, Rgba{90, 84, 72, 255}, 1.5, 0.6);
        }
    } else { // the palace gardens: clipped hedges, a fountain, the palace beyond
        cairo_rectangle(cr, W * 0.2, H * 0.18, W * 0.6, H * 0.3);
        Fill_V(cr, H * 0.18, H * 0.48, Rgba{230, 220, 200, 255}, Rgba{180, 170, 150, 255});
        for (int k = 0; k < 9; ++k) {
            cairo_rectangle(cr, W * (0.23 + 0.064 * k), H * 0.26, W * 0.03, H * 0.12);
            Fill(cr, Rgba{90, 110, 140, 255});
        }
        Box_V(cr, 0, H * 0.48, W, H * 0.52, Rgba{120, 160, 80, 255}, Rgba{80, 120, 50, 255});
        for (int k = 0; k < 8; ++k) { // cone-clipped hedges
            const double x = 60 + k * 130, base = H * 0.62;
            cairo_move_to(cr, x - 26, base);
            cairo_line_to(cr, x, base - 90);
            cairo_line_to(cr, x + 26, base);
            Fill(cr, Rgba{40, 90, 44, 255});
        }
        cairo_save(cr);
        cairo_translate(cr, W * 0.5, H * 0.8);
        cairo_scale(cr, 1, 0.3);
        Circle(cr, 0, 0, 160);
        cairo_restore(cr);
        Fill_Keep(cr, Rgba{110, 160, 200, 255});
        Stroke(cr, Rgba{200, 196, 186, 255}, 10);
        for (int k = 0; k < 5; ++k) {
            cairo_move_to(cr, W * 0.5, H * 0.78);
            cairo_curve_to(cr, W * 0.5, H * 0.6, W * (0.44 + 0.03 * k), H * 0.6, W * (0.42 + 0.04 * k), H * 0.76);
            Stroke(cr, Rgba{200, 230, 250, 255}, 3, 0.8);
        }
    }
}

void Cave_Or_Lab(cairo_t* cr, Rng& rng, double W, double H, const std::string& place) {
    Box_V(cr, 0, 0, W, H, Rgba{60, 56, 52, 255}, Rgba{24, 22, 20, 255});
    if (place == "cave") {
        for (int k = 0; k < 16; ++k) { // stalactites and stalagmites
            const double x = rng.Next() * W, l = 60 + rng.Next() * 120;
            cairo_move_to(cr, x - 20, 0);
            cairo_line_to(cr, x, l);
            cairo_line_to(cr, x + 20, 0);
            Fill(cr, Rgba{90, 84, 76, 255});
            cairo_move_to(cr, x - 26, H);
            cairo_line_to(cr, x + 10, H - l * 0.8);
            cairo_line_to(cr, x + 30, H);
            Fill(cr, Rgba{70, 66, 60, 255});
        }
        Glow(cr, W * 0.3, H * 0.55, 260, Rgba{255, 190, 100, 255}, 0.5); // a lantern
        Circle(cr, W * 0.3, H * 0.55, 12);
        Fill(cr, Rgba{255, 230, 160, 255});
        cairo_save(cr);
        cairo_translate(cr, W * 0.65, H * 0.85);
        cairo_scale(cr, 1, 0.2);
        Circle(cr, 0, 0, 200);
        cairo_restore(cr);
        Fill(cr, Rgba{40, 70, 90, 255}, 0.8); // an underground pool
    } else { // the secret laboratory: tiled walls, benches with glassware, a big tank
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) {
                cairo_rectangle(cr, x * 64 + 2, y * 50 + 2, 60, 46);
                Fill(cr, Rgba{180, 200, 196, 255}, 0.9);
            }
        Box_V(cr, 0, H * 0.62, W, H * 0.38, Rgba{90, 96, 100, 255}, Rgba{50, 54, 58, 255});
        cairo_rectangle(cr, W * 0.05, H * 0.55, W * 0.45, H * 0.08);
        Fill(cr, Rgba{120, 90, 60, 255});
        for (int k = 0; k < 6; ++k) { // flasks
            const double x = W * (0.08 + 0.07 * k), y = H * 0.55;
            Circle(cr, x, y - 20, 18);
            Fill(cr, k % 2 ? Rgba{90, 220, 110, 255} : Rgba{220, 90, 200, 255}, 0.8);
            cairo_rectangle(cr, x - 5, y - 58, 10, 24);
            Fill(cr, kWhite, 0.6);
        }
        Rounded_Rect(cr, W * 0.64, H * 0.12, W * 0.2, H * 0.6, 40); // the tank
        Fill_V(cr, H * 0.12, H * 0.72, Rgba{120, 240, 140, 255}, Rgba{30, 120, 60, 255}, true);
        Stroke(cr, Rgba{60, 64, 70, 255}, 10);
        for (int k = 0; k < 10; ++k) {
            Circle(cr, W * (0.68 + 0.12 * rng.Next()), H * (0.2 + 0.5 * rng.Next()), 4 + rng.Next() * 6);
            Stroke(cr, kWhite, 2, 0.7);
        }
    }
}

// The Zarvok's fortress on its crag, under a red sky
void Fortress_Crag(cairo_t* cr, Rng& rng, double W, double H, const std::string&) {
    Sky(cr, W, H, "dusk");
    for (int layer = 0; layer < 2; ++layer) {
        cairo_move_to(cr, 0, H);
        for (int k = 0; k <= 10; ++k) cairo_line_to(cr, k * W / 10, H * (0.6 + 0.12 * layer) - 40 * rng.Next());
        cairo_line_to(cr, W, H);
        cairo_close_path(cr);
        Fill(cr, Mix(Rgba{80, 70, 80, 255}, Rgba{40, 36, 34, 255}, layer * 1.0));
    }
    const double fx = W * 0.3, fy = H * 0.22, fw = W * 0.4, fh = H * 0.45;
    cairo_rectangle(cr, fx, fy + fh * 0.4, fw, fh * 0.6);
    Fill_V(cr, fy, fy + fh, Rgba{110, 104, 100, 255}, Rgba{60, 56, 54, 255});
    for (int k = 0; k < 3; ++k) {
        const double tx = fx + fw * (0.05 + 0.4 * k), th = fh * (k == 1 ? 1.0 : 0.75);
        cairo_rectangle(cr, tx, fy + fh - th, fw * 0.1, th);
        Fill_V(cr, fy, fy + fh, Rgba{120, 114, 108, 255}, Rgba{60, 56, 54, 255});
        cairo_rectangle(cr, tx + fw * 0.035, fy + fh - th + 20, fw * 0.03, 24);
        Fill(cr, Rgba{255, 190, 90, 255});
    }
    Emblem(cr, W * 0.5, fy + fh * 0.7, 30);
}

struct Named_Place {
    const char* name;
    void (*draw)(cairo_t*, Rng&, double, double, const std::string&);
};
const Named_Place kPlaces[] = {
    {"beach", Landing_Beach},
    {"farms", Farms_Or_Barn},
    {"straw", Farms_Or_Barn},
    {"village", Village_Or_Garden},
    {"garden", Village_Or_Garden},
    {"cave", Cave_Or_Lab},
    {"lab", Cave_Or_Lab},
    {"fortress", Fortress_Crag},
};

} // namespace


// A place the player comes back from, as the statistics page shows it behind its figures
// (`place=` beach, farms, village, garden, cave, straw, lab, fortress; `night=1` by night).
bool Gal_Place(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string place = r.Str("place", "beach");
    const double W = 1024, H = 640;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Rng rng(Name_Hash(image));
    const Named_Place* drawn = nullptr;
    for (const Named_Place& n : kPlaces)
        if (place == n.name) drawn = &n;
    if (drawn == nullptr) {
        r.error = "unknown place '" + place + "'";
        return false;
    }
    drawn->draw(cr, rng, W, H, place);
    if (r.Str("night", "0") == "1") Night_Veil(cr, W, H, rng);
    return Save_Picture(p, root, image, false);
}

} // namespace painters
