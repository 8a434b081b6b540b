// The farmland and village pictures of the act-2 country. Everything is seen from above
// with the light from the upper left and a soft shadow to the lower right, as the camp's
// props are; pictures carry real alpha, so their slots are plain kinds.
#include "content/painters/ep2a_art.h"

#include <cmath>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::Shade;

bool Picture(const std::string& root, const std::string& image, int w, int h, void (*draw)(cairo_t*, int, int)) {
    Paint p(w, h);
    draw(p.cr(), w, h);
    return p.Save(root + "/" + image + ".tga", false);
}

// A small pseudo-random wobble so that hand-laid tiles and straws do not line up.
double Wobble(int k, double amount) { return std::sin(k * 12.9898 + 78.233) * amount; }

Rgba Tile_Colour(const std::string& name) {
    if (name == "brown") return Rgba{132, 92, 58, 255};
    if (name == "grey") return Rgba{112, 116, 122, 255};
    if (name == "blue") return Rgba{86, 100, 128, 255};
    return Rgba{168, 78, 54, 255}; // red
}

void House(cairo_t* cr, int w, int h, Rgba tiles) {
    const double m = 8;
    Box_Shadow(cr, m + 12, m + 16, w - 2 * m - 4, h - 2 * m - 4, 3, 0.33);
    // Two roof slopes meeting at a ridge across the middle: the north slope lit, the south
    // slope in shade.
    cairo_rectangle(cr, m, m, w - 2 * m, h / 2.0 - m);
    Lit(cr, 0, m, 0, h / 2.0, Shade(tiles, 1.12f));
    cairo_rectangle(cr, m, h / 2.0, w - 2 * m, h / 2.0 - m);
    Lit(cr, 0, h / 2.0, 0, h - m, Shade(tiles, 0.8f));
    // Rows of tiles, staggered.
    const int rows = 7;
    for (int half = 0; half < 2; ++half)
        for (int r = 1; r < rows; ++r) {
            const double y = half == 0 ? m + r * (h / 2.0 - m) / rows : h / 2.0 + r * (h / 2.0 - m) / rows;
            cairo_move_to(cr, m, y);
            cairo_line_to(cr, w - m, y);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            const double step = (w - 2 * m) / 9.0;
            for (int k = 0; k < 10; ++k) {
                const double x = m + k * step + (r % 2) * step / 2 + Wobble(k + r * 13 + half * 7, 2);
                if (x <= m || x >= w - m) continue;
                const double y0 = y - (h / 2.0 - m) / rows;
                cairo_move_to(cr, x, y0);
                cairo_line_to(cr, x, y);
                cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
        }
    // The ridge and the chimney.
    cairo_rectangle(cr, m, h / 2.0 - 4, w - 2 * m, 8);
    Lit(cr, 0, h / 2.0 - 4, 0, h / 2.0 + 4, Shade(tiles, 0.65f), 1.5);
    cairo_rectangle(cr, w * 0.68, h * 0.18, w * 0.1, h * 0.16);
    Lit(cr, w * 0.68, h * 0.18, w * 0.78, h * 0.34, Rgba{150, 140, 128, 255});
    cairo_rectangle(cr, w * 0.7, h * 0.2, w * 0.06, h * 0.06);
    Set_Rgb(cr, Rgba{30, 26, 22, 255});
    cairo_fill(cr);
    // A wisp of smoke.
    for (int k = 0; k < 4; ++k) {
        cairo_arc(cr, w * 0.73 + k * 6, h * 0.16 - k * 7, 5 + k * 2, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.85, 0.85, 0.85, 0.35 - k * 0.07);
        cairo_fill(cr);
    }
}

void Barn(cairo_t* cr, int w, int h) {
    const double m = 8;
    const Rgba boards{142, 64, 44, 255};
    Box_Shadow(cr, m + 12, m + 16, w - 2 * m - 4, h - 2 * m - 4, 3, 0.33);
    // Ridge along (north-south): the west slope lit.
    cairo_rectangle(cr, m, m, w / 2.0 - m, h - 2 * m);
    Lit(cr, m, 0, w / 2.0, 0, Shade(boards, 1.1f));
    cairo_rectangle(cr, w / 2.0, m, w / 2.0 - m, h - 2 * m);
    Lit(cr, w / 2.0, 0, w - m, 0, Shade(boards, 0.78f));
    for (int k = 1; k < 14; ++k) { // boards
        const double x = m + k * (w - 2 * m) / 14.0;
        cairo_move_to(cr, x, m);
        cairo_line_to(cr, x, h - m);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, w / 2.0 - 4, m, 8, h - 2 * m);
    Lit(cr, w / 2.0 - 4, 0, w / 2.0 + 4, 0, Rgba{90, 60, 40, 255}, 1.5);
    // A loft hatch on each slope and the weather vane.
    for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, k ? w * 0.62 : w * 0.24, h * 0.4, w * 0.14, h * 0.2);
        Fill_Inked(cr, Rgba{70, 48, 34, 255});
        cairo_move_to(cr, k ? w * 0.62 : w * 0.24, h * 0.4);
        cairo_line_to(cr, (k ? w * 0.62 : w * 0.24) + w * 0.14, h * 0.6);
        Ink(cr, 1.5);
    }
    cairo_move_to(cr, w / 2.0 - 10, h * 0.2);
    cairo_line_to(cr, w / 2.0 + 10, h * 0.2);
    cairo_move_to(cr, w / 2.0, h * 0.2 - 10);
    cairo_line_to(cr, w / 2.0, h * 0.2 + 10);
    Ink(cr, 2.5);
}

void Haystack(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 8;
    Ellipse(cr, cx + 8, cy + 10, r, r * 0.92);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.33);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, 2, cx, cy, r), Rgba{214, 180, 92, 255},
                1.3f, 0.62f);
    Ink(cr);
    for (int k = 0; k < 70; ++k) { // straws swirling round the top
        const double a = k * 0.61, d = r * (0.15 + 0.8 * std::fabs(Wobble(k, 1.0)));
        const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a + 1.7) * 9, y + std::sin(a + 1.7) * 9);
        cairo_set_source_rgba(cr, 0.45, 0.33, 0.1, 0.55);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * kPi);
    Set_Rgb(cr, Rgba{236, 206, 120, 255});
    cairo_fill(cr);
}

// A field gun seen from above pointing up: wheels, shield, carriage trail and barrel.
void Gun(cairo_t* cr, double cx, double cy, double s, Rgba paint, bool wrecked) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (wrecked) cairo_rotate(cr, 0.5);
    // trail
    cairo_move_to(cr, -s * 0.08, s * 0.05);
    cairo_line_to(cr, -s * 0.2, s * 0.45);
    cairo_line_to(cr, -s * 0.12, s * 0.47);
    cairo_line_to(cr, 0, s * 0.1);
    cairo_line_to(cr, s * 0.12, s * 0.47);
    cairo_line_to(cr, s * 0.2, s * 0.45);
    cairo_line_to(cr, s * 0.08, s * 0.05);
    cairo_close_path(cr);
    Fill_Inked(cr, Shade(paint, 0.8f));
    // wheels
    for (int k = -1; k <= 1; k += 2) {
        if (wrecked && k == 1) continue; // one wheel blown off
        Rounded_Rect(cr, k * s * 0.3 - s * 0.05, -s * 0.1, s * 0.1, s * 0.26, 3);
        Fill_Inked(cr, Rgba{40, 36, 30, 255});
    }
    // shield and barrel
    Rounded_Rect(cr, -s * 0.26, -s * 0.06, s * 0.52, s * 0.1, 3);
    Lit(cr, -s * 0.26, 0, s * 0.26, 0, paint);
    cairo_save(cr);
    if (wrecked) cairo_rotate(cr, -0.45);
    cairo_rectangle(cr, -s * 0.035, -s * 0.48, s * 0.07, s * 0.46);
    Lit(cr, -s * 0.035, 0, s * 0.035, 0, Shade(paint, 0.9f));
    cairo_restore(cr);
    cairo_restore(cr);
}

void Field_Gun(cairo_t* cr, int w, int h) {
    Ellipse(cr, w / 2.0 + 8, h / 2.0 + 10, w * 0.4, h * 0.4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Gun(cr, w / 2.0, h * 0.55, std::min(w, h) * 0.95, Rgba{96, 110, 62, 255}, false);
}

void Sandbag_Ring(cairo_t* cr, double cx, double cy, double rx, double ry, bool burnt) {
    for (int k = 0; k < 14; ++k) {
        if (k == 3 || k == 4) continue; // the gap at the back (south) where the crew goes in
        const double a = kPi / 2 + k * 2 * kPi / 14;
        const double x = cx + std::cos(a) * rx, y = cy + std::sin(a) * ry;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + kPi / 2);
        Rounded_Rect(cr, -rx * 0.24, -ry * 0.1, rx * 0.48, ry * 0.2, 5);
        cairo_restore(cr);
        Lit(cr, cx - rx, cy - ry, cx + rx, cy + ry, burnt ? Rgba{110, 98, 72, 255} : Rgba{184, 166, 116, 255}, 1.5);
    }
}

void Gun_Pit_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const bool wrecked = f > 0;
    const double cx = x + w / 2, cy = y + h / 2;
    Ellipse(cr, cx + 6, cy + 8, w * 0.44, h * 0.42);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Ellipse(cr, cx, cy, w * 0.4, h * 0.38); // the pit's floor
    Set_Rgb(cr, wrecked ? Rgba{58, 50, 42, 255} : Rgba{112, 94, 66, 255});
    cairo_fill(cr);
    if (wrecked) { // scorch
        cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 2, cx, cy, w * 0.42);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.04, 0.03, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.04, 0.03, 0);
        Ellipse(cr, cx, cy, w * 0.46, h * 0.44);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    Sandbag_Ring(cr, cx, cy, w * 0.4, h * 0.38, wrecked);
    Gun(cr, cx, cy + h * 0.04, std::min(w, h) * 0.62, wrecked ? Rgba{60, 58, 54, 255} : Rgba{104, 112, 124, 255},
        wrecked);
    if (!wrecked) { // shells stacked by the gun
        for (int k = 0; k < 3; ++k) {
            Rounded_Rect(cr, cx + w * 0.16 + k * 7, cy + h * 0.12, 6, 16, 2);
            Fill_Inked(cr, Rgba{200, 170, 80, 255}, 1);
        }
        return;
    }
    for (int k = 0; k < 3; ++k) { // smouldering: smoke drifting and a few embers
        const double sx = cx - w * 0.08 + k * w * 0.08 + (f == 2 ? 4 : 0), sy = cy - h * 0.12 - k * h * 0.1;
        cairo_arc(cr, sx, sy, w * (0.07 + k * 0.03), 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.25, 0.24, 0.23, 0.55 - k * 0.12);
        cairo_fill(cr);
    }
    for (int k = 0; k < 5; ++k) {
        cairo_arc(cr, cx + Wobble(k + f * 5, w * 0.2), cy + Wobble(k * 3 + f, h * 0.18), 2.5, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 1.0, 0.55 + 0.1 * (k % 2), 0.1, 0.9);
        cairo_fill(cr);
    }
}

// Crow frames: 0, 1 sitting (head up, pecking); 2 shot down; 3, 4 flapping (wings up, down).
void Crow_Cell(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, s = std::min(w, h);
    const Rgba black{28, 28, 34, 255};
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (f == 2) { // on its back in a few feathers
        for (int k = 0; k < 6; ++k) {
            cairo_save(cr);
            cairo_rotate(cr, k * 1.1);
            Ellipse(cr, s * 0.3, 0, s * 0.08, s * 0.025);
            Set_Rgb(cr, Shade(black, 1.4f));
            cairo_fill(cr);
            cairo_restore(cr);
        }
        cairo_rotate(cr, 1.9);
        Ellipse(cr, 0, 0, s * 0.16, s * 0.11);
        Fill_Inked(cr, black, 1);
        Ellipse(cr, s * 0.16, 0, s * 0.07, s * 0.06);
        Fill_Inked(cr, black, 1);
        cairo_restore(cr);
        return;
    }
    if (f >= 3) { // in flight, seen from above: wings spread
        Ellipse(cr, 8, 12, s * 0.3, s * 0.1); // shadow on the ground
        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
        cairo_fill(cr);
        const double span = f == 3 ? 0.44 : 0.3, lift = f == 3 ? -0.1 : 0.06;
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, 0, -s * 0.02);
            cairo_curve_to(cr, side * s * span * 0.5, s * (lift - 0.12), side * s * span * 0.8, s * lift,
                           side * s * span, s * (lift + 0.02));
            cairo_line_to(cr, side * s * span * 0.7, s * (lift + 0.08));
            cairo_line_to(cr, side * s * span * 0.5, s * (lift + 0.05));
            cairo_line_to(cr, 0, s * 0.06);
            cairo_close_path(cr);
            Fill_Inked(cr, black, 1);
        }
    } else {
        Ellipse(cr, 6, 8, s * 0.14, s * 0.2);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
        cairo_fill(cr);
    }
    // body, tail and head with its beak
    Ellipse(cr, 0, s * 0.04, s * 0.1, s * 0.18);
    Fill_Inked(cr, black, 1);
    cairo_move_to(cr, -s * 0.06, s * 0.18);
    cairo_line_to(cr, 0, s * 0.32);
    cairo_line_to(cr, s * 0.06, s * 0.18);
    cairo_close_path(cr);
    Fill_Inked(cr, black, 1);
    const double head = f == 1 ? -s * 0.2 : -s * 0.15;
    cairo_arc(cr, 0, head, s * 0.075, 0, 2 * kPi);
    Fill_Inked(cr, Shade(black, 1.2f), 1);
    cairo_move_to(cr, -s * 0.025, head - s * 0.05);
    cairo_line_to(cr, 0, head - s * (f == 1 ? 0.16 : 0.13));
    cairo_line_to(cr, s * 0.025, head - s * 0.05);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{70, 66, 60, 255});
    cairo_fill(cr);
    cairo_arc(cr, s * 0.03, head - s * 0.01, 1.5, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.9, 0.85, 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Steeple(cairo_t* cr, int w, int h) {
    const double m = 10, cx = w / 2.0, cy = h / 2.0;
    Box_Shadow(cr, m + 14, m + 18, w - 2 * m, h - 2 * m, 2, 0.33);
    cairo_rectangle(cr, m, m, w - 2 * m, h - 2 * m); // the tower's parapet
    Lit(cr, 0, 0, w, h, Rgba{150, 146, 136, 255});
    // the spire: four slate faces meeting at the top
    const double in = m + 10;
    const struct { double x0, y0, x1, y1; float shade; } faces[] = {
        {in, in, w - in, in, 1.15f}, {w - in, in, w - in, h - in, 0.75f},
        {w - in, h - in, in, h - in, 0.65f}, {in, h - in, in, in, 1.0f}};
    for (const auto& fc : faces) {
        cairo_move_to(cr, fc.x0, fc.y0);
        cairo_line_to(cr, fc.x1, fc.y1);
        cairo_line_to(cr, cx, cy);
        cairo_close_path(cr);
        Set_Rgb(cr, Shade(Rgba{78, 86, 100, 255}, fc.shade));
        cairo_fill_preserve(cr);
        Ink(cr, 1.5);
    }
    cairo_move_to(cr, cx, cy - 16); // the cross
    cairo_line_to(cr, cx, cy + 16);
    cairo_move_to(cr, cx - 9, cy - 5);
    cairo_line_to(cr, cx + 9, cy - 5);
    cairo_set_source_rgb(cr, 0.85, 0.72, 0.3);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void Well(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 10;
    Ellipse(cr, cx + 7, cy + 9, r, r);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.33);
    cairo_fill(cr);
    for (int k = 0; k < 12; ++k) { // the stone ring
        const double a0 = k * kPi / 6, a1 = a0 + kPi / 6;
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_arc_negative(cr, cx, cy, r * 0.68, a1, a0);
        cairo_close_path(cr);
        Lit(cr, cx - r, cy - r, cx + r, cy + r, Shade(Rgba{160, 154, 140, 255}, 0.9f + 0.05f * (k % 3)), 1.5);
    }
    cairo_arc(cr, cx, cy, r * 0.68, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx, cy, 1, cx, cy, r * 0.68), Rgba{40, 60, 80, 255}, 0.6f, 1.3f);
    Ink(cr, 1.5);
    cairo_rectangle(cr, cx - r - 4, cy - 4, 2 * r + 8, 8); // winch beam and bucket
    Lit(cr, 0, cy - 4, 0, cy + 4, Rgba{120, 84, 50, 255});
    Rounded_Rect(cr, cx - 7, cy - 7, 14, 14, 3);
    Fill_Inked(cr, Rgba{110, 80, 50, 255});
}

void Boat(cairo_t* cr, int w, int h) {
    // A rowing boat pointing up: hull, thwarts and oars shipped along the sides.
    Ellipse(cr, w / 2.0 + 6, h / 2.0 + 8, w * 0.36, h * 0.44);
    cairo_set_source_rgba(cr, 0, 0, 0.1, 0.3);
    cairo_fill(cr);
    cairo_move_to(cr, w / 2.0, 6);
    cairo_curve_to(cr, w * 0.92, h * 0.25, w * 0.88, h * 0.8, w * 0.72, h - 8);
    cairo_line_to(cr, w * 0.28, h - 8);
    cairo_curve_to(cr, w * 0.12, h * 0.8, w * 0.08, h * 0.25, w / 2.0, 6);
    cairo_close_path(cr);
    Lit(cr, 0, 0, w, 0, Rgba{70, 110, 140, 255}, 2.5);
    cairo_move_to(cr, w / 2.0, 16);
    cairo_curve_to(cr, w * 0.8, h * 0.27, w * 0.77, h * 0.78, w * 0.66, h - 16);
    cairo_line_to(cr, w * 0.34, h - 16);
    cairo_curve_to(cr, w * 0.23, h * 0.78, w * 0.2, h * 0.27, w / 2.0, 16);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{150, 110, 70, 255});
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {
        cairo_rectangle(cr, w * 0.22, h * (0.35 + k * 0.18), w * 0.56, h * 0.05);
        Fill_Inked(cr, Rgba{120, 86, 52, 255}, 1);
    }
    for (int side = 0; side < 2; ++side) {
        cairo_move_to(cr, side ? w * 0.62 : w * 0.38, h * 0.3);
        cairo_line_to(cr, side ? w * 0.66 : w * 0.34, h * 0.85);
        cairo_set_source_rgb(cr, 0.8, 0.68, 0.45);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

} // namespace

bool Ep2a_House(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string colour = r.Str("colour", "red");
    if (colour != "red" && colour != "brown" && colour != "grey" && colour != "blue") {
        r.error = "colour=" + colour + " is not red, brown, grey or blue";
        return false;
    }
    Paint p(256, 208);
    House(p.cr(), p.width(), p.height(), Tile_Colour(colour));
    return p.Save(root + "/" + image + ".tga", false);
}

bool Ep2a_Barn(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 256, 224, Barn);
}

bool Ep2a_Haystack(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 96, 96, Haystack);
}

bool Ep2a_Field_Gun(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 160, 112, Field_Gun);
}

bool Ep2a_Gun_Pit(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{160, 128, 4, 1}, false, Gun_Pit_Cell, {{0}, {1, 2}, {2, 1}},
                       0.5f, 0.4f, 300);
}

bool Ep2a_Crow(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Write_Sheet(root, image, writers::SheetLayout{64, 64, 8, 1}, false, Crow_Cell,
                       {{0, 0, 0, 1, 0, 1}, {2}, {3, 4}}, 0.16f, 0.16f, 160);
}

bool Ep2a_Steeple(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 160, 160, Steeple);
}

bool Ep2a_Well(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 96, 96, Well);
}

bool Ep2a_Boat(const std::string& root, const std::string& image, const Arg_Reader&) {
    return Picture(root, image, 80, 160, Boat);
}

} // namespace painters
