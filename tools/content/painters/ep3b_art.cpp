// The armoured boss and the late walk maps' props, seen from above; see ep3b_art.h.
#include "content/painters/ep3b_art.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::SheetLayout;

const Rgba kArmour{96, 104, 96, 255}, kArmourDark{58, 64, 60, 255}, kRust{132, 78, 44, 255},
    kConcrete{150, 148, 138, 255}, kSteel{88, 100, 114, 255}, kOlive{88, 104, 58, 255}, kRed{178, 44, 36, 255},
    kYellow{222, 184, 48, 255}, kWood{152, 108, 62, 255}, kSkin{222, 180, 140, 255}, kBlack{24, 24, 22, 255};

void Rivets(cairo_t* cr, double x, double y, double w, double h, int n) {
    cairo_set_source_rgba(cr, 0.15, 0.15, 0.14, 0.8);
    for (int k = 0; k < n; ++k) {
        const double t = (k + 0.5) / n;
        for (auto [px, py] : {std::pair{x + w * t, y}, {x + w * t, y + h}, {x, y + h * t}, {x + w, y + h * t}}) {
            cairo_arc(cr, px, py, 1.6, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
}
// Black soot and orange embers over a wreck.
void Scorch(cairo_t* cr, double cx, double cy, double r, int seed) {
    for (int k = 0; k < 7; ++k) {
        const double a = seed * 1.7 + k * 0.9, d = r * (0.2 + 0.1 * (k % 4));
        Ellipse(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, r * 0.35, r * 0.28);
        cairo_set_source_rgba(cr, 0.05, 0.04, 0.03, 0.55);
        cairo_fill(cr);
    }
    for (int k = 0; k < 5; ++k) {
        const double a = seed * 2.3 + k * 1.3, d = r * 0.3 * (k % 3);
        cairo_pattern_t* g = cairo_pattern_create_radial(cx + std::cos(a) * d, cy + std::sin(a) * d, 0,
                                                         cx + std::cos(a) * d, cy + std::sin(a) * d, r * 0.22);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.8, 0.3, 0.95);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.9, 0.2, 0, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
}
// A muzzle or exhaust flash: a star of yellow and white.
void Flash(cairo_t* cr, double cx, double cy, double r, double angle) {
    cairo_move_to(cr, cx + std::cos(angle) * r, cy + std::sin(angle) * r);
    for (int k = 1; k < 14; ++k) {
        const double a = angle + k * 2 * kPi / 14, d = k % 2 ? r * 0.4 : r * (k % 4 ? 0.7 : 1.0);
        cairo_line_to(cr, cx + std::cos(a) * d, cy + std::sin(a) * d);
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 0.85, 0.3, 0.95);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.3, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 1);
    cairo_fill(cr);
}
void Smoke(cairo_t* cr, double cx, double cy, double r) {
    for (int k = 0; k < 6; ++k) {
        const double a = k * 1.05;
        Ellipse(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.45, r * 0.45);
        cairo_set_source_rgba(cr, 0.8, 0.8, 0.78, 0.45);
        cairo_fill(cr);
    }
}
void Hazard_Stripes(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    Set_Rgb(cr, kYellow);
    cairo_paint(cr);
    Set_Rgb(cr, kBlack);
    for (double s = -h; s < w + h; s += 12) {
        cairo_move_to(cr, x + s, y + h);
        cairo_line_to(cr, x + s + 6, y + h);
        cairo_line_to(cr, x + s + 6 + h, y);
        cairo_line_to(cr, x + s + h, y);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// ---- The boss's parts ----
// Each look draws state k of its sheet; `dead` looks are the burning wreck (animation 1 of
// every part is its wreck, played when the part dies).

void Silo(cairo_t* cr, int k, double x, double y, double w, double h, bool wreck) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.4;
    Oval_Shadow(cr, cx + 5, cy + 7, r, r, 0.3);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 2, cx, cy, r), wreck ? kArmourDark : kArmour,
                1.3f, 0.55f);
    Ink(cr, 2.5, kSoot);
    cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * kPi);
    Ink(cr, 1.5, kSoot);
    const bool open = !wreck && k == 4;
    if (open) { // the hatch thrown back, the round leaving in smoke and flame
        cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * kPi);
        Set_Rgb(cr, kBlack);
        cairo_fill(cr);
        Flash(cr, cx, cy, r * 0.55, 0.3);
        Smoke(cr, cx + r * 0.3, cy - r * 0.3, r * 0.6);
    } else {
        for (int s = 0; s < 2; ++s) { // two hatch leaves
            cairo_rectangle(cr, cx - r * 0.58 + s * r * 0.6, cy - r * 0.5, r * 0.56, r);
            Lit(cr, cx - r, cy - r, cx + r, cy + r, wreck ? kRust : kSteel, 2, kSoot);
        }
        Hazard_Stripes(cr, cx - r * 0.5, cy + r * 0.52, r, r * 0.12);
        if (!wreck && k % 2 == 1) Scorch(cr, cx, cy, r, k); // the animation after the rest: dying
    }
    Rivets(cr, cx - r * 0.7, cy - r * 0.7, r * 1.4, r * 1.4, 4);
    if (wreck) Scorch(cr, cx, cy, r * 1.1, k + 3);
}

void Gun(cairo_t* cr, int k, double x, double y, double w, double h, bool front) {
    const double cx = x + w / 2, cy = y + h * 0.55, r = std::min(w, h) * 0.3;
    const bool dead = k == 1, raised = k >= 4 && k != 6 ? true : false;
    Oval_Shadow(cr, cx + 4, cy + 6, r * 1.1, r * 1.05, 0.3);
    // The barrels: up the screen; the front gun's sideways burst points left and right.
    const int barrels = front ? 2 : 1;
    const double len = raised ? r * 1.6 : r * 0.9;
    auto barrel = [&](double a, double off) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, off - r * 0.09, -len, r * 0.18, len);
        Lit(cr, -r, -len, r, 0, kArmourDark, 2, kSoot);
        cairo_restore(cr);
    };
    const bool sideways = front && k == 12;
    for (int b = 0; b < barrels; ++b) {
        const double off = barrels == 1 ? 0 : (b ? r * 0.22 : -r * 0.22);
        if (sideways) {
            barrel(-kPi / 2 + 0.2, off);
            barrel(kPi / 2 - 0.2, off);
        } else
            barrel(0, off);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, 1, cx, cy, r), front ? kOlive : kArmour, 1.3f,
                0.55f);
    Ink(cr, 2.5, kSoot);
    cairo_rectangle(cr, cx - r * 0.35, cy - r * 0.2, r * 0.7, r * 0.45);
    Lit(cr, cx - r, cy - r, cx + r, cy + r, Dark(kArmour, 0.8), 2, kSoot);
    Rivets(cr, cx - r * 0.6, cy - r * 0.6, r * 1.2, r * 1.2, 3);
    const bool firing = (!front && k == 5) || (front && (k == 11 || k == 12));
    if (firing) {
        if (sideways) {
            Flash(cr, cx - len - r * 0.1, cy - len * 0.2, r * 0.45, 0.2);
            Flash(cr, cx + len + r * 0.1, cy - len * 0.2, r * 0.45, 0.5);
        } else
            Flash(cr, cx, cy - len - r * 0.2, r * 0.5, 0.4);
    }
    if (dead) Scorch(cr, cx, cy, r * 1.2, 7);
}

void Cover(cairo_t* cr, int k, double x, double y, double w, double h, bool wreck) {
    const double m = std::min(w, h) * 0.08;
    cairo_save(cr);
    cairo_translate(cr, 5, 7);
    Rounded_Rect(cr, x + m, y + m, w - 2 * m, h - 2 * m, m * 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    Rounded_Rect(cr, x + m, y + m, w - 2 * m, h - 2 * m, m * 2);
    Lit(cr, x, y, x + w, y + h, wreck ? kRust : kArmour, 2, kSoot);
    for (int p = 1; p < 4; ++p) { // armour plates
        cairo_move_to(cr, x + m, y + m + p * (h - 2 * m) / 4);
        cairo_line_to(cr, x + w - m, y + m + p * (h - 2 * m) / 4);
    }
    Ink(cr, 1.5, kSoot);
    Rivets(cr, x + m * 1.6, y + m * 1.6, w - 3.2 * m, h - 3.2 * m, 6);
    if (!wreck) Hazard_Stripes(cr, x + w * 0.3, y + h * 0.42, w * 0.4, h * 0.1);
    if (wreck || k == 1) {
        // torn open: the glow of the core beneath
        cairo_arc(cr, x + w / 2, y + h / 2, std::min(w, h) * 0.22, 0, 2 * kPi);
        Set_Rgb(cr, kBlack);
        cairo_fill(cr);
        Scorch(cr, x + w / 2, y + h / 2, std::min(w, h) * 0.35, k + 11);
    }
}

void Launcher(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, s = std::min(w, h);
    Oval_Shadow(cr, cx + 5, cy + 7, s * 0.42, s * 0.38, 0.3);
    Rounded_Rect(cr, cx - s * 0.38, cy - s * 0.34, s * 0.76, s * 0.68, s * 0.06);
    Lit(cr, x, y, x + w, y + h, k == 6 ? kRust : kSteel, 2, kSoot);
    for (int t = 0; t < 4; ++t) { // four launch tubes
        const double tx = cx - s * 0.2 + (t % 2) * s * 0.4, ty = cy - s * 0.16 + (t / 2) * s * 0.32;
        cairo_arc(cr, tx, ty, s * 0.12, 0, 2 * kPi);
        Set_Rgb(cr, kBlack);
        cairo_fill_preserve(cr);
        Ink(cr, 1.5, kSoot);
        if (k == 5 || (k == 7 && t != 0)) { // loaded: the red noses
            cairo_arc(cr, tx, ty, s * 0.07, 0, 2 * kPi);
            Set_Rgb(cr, kRed);
            cairo_fill(cr);
        }
        if (k == 7 && t == 0) Flash(cr, tx, ty, s * 0.16, 0.7);
    }
    if (k == 6 || k == 1) Scorch(cr, cx, cy, s * 0.45, 5);
}

void Core(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.36;
    const bool dead = k == 1;
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r * 1.3);
    if (dead) {
        cairo_pattern_add_color_stop_rgba(g, 0, 0.2, 0.15, 0.1, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.1, 0.1, 0);
    } else {
        cairo_pattern_add_color_stop_rgba(g, 0, 0.7, 1.0, 0.9, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 0.2, 0.8, 0.6, 0.7);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.4, 0.3, 0);
    }
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r * 1.3, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int s = 0; s < 6; ++s) { // the reactor's ribs
        const double a = s * kPi / 3 + 0.3;
        cairo_move_to(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5);
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    Ink(cr, 3, kSoot);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Ink(cr, 3, kSoot);
    if (dead) Scorch(cr, cx, cy, r, 2);
}

// ---- Props ----

void Lever(cairo_t* cr, int k, double x, double y, double w, double h) {
    const bool on = k % 2 == 1;
    Rounded_Rect(cr, x + w * 0.12 + 4, y + h * 0.1 + 6, w * 0.76, h * 0.8, 6);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rounded_Rect(cr, x + w * 0.12, y + h * 0.1, w * 0.76, h * 0.8, 6);
    Lit(cr, x, y, x + w, y + h, kSteel, 2, kSoot);
    cairo_rectangle(cr, x + w * 0.42, y + h * 0.22, w * 0.16, h * 0.56); // the slot
    Set_Rgb(cr, kBlack);
    cairo_fill(cr);
    const double ky = on ? y + h * 0.28 : y + h * 0.72;
    cairo_move_to(cr, x + w / 2, y + h / 2);
    cairo_line_to(cr, x + w / 2, ky);
    Set_Rgb(cr, Rgba{200, 200, 190, 255});
    cairo_set_line_width(cr, w * 0.08);
    cairo_stroke(cr);
    cairo_arc(cr, x + w / 2, ky, w * 0.13, 0, 2 * kPi);
    Set_Rgb(cr, on ? Rgba{60, 190, 70, 255} : kRed);
    cairo_fill_preserve(cr);
    Ink(cr, 1.5, kSoot);
    cairo_arc(cr, x + w * 0.25, y + h * 0.17, w * 0.06, 0, 2 * kPi); // the lamp
    Set_Rgb(cr, on ? Rgba{120, 255, 120, 255} : Rgba{80, 40, 40, 255});
    cairo_fill(cr);
}

void Console(cairo_t* cr, int k, double x, double y, double w, double h) {
    Rounded_Rect(cr, x + 8, y + h * 0.2 + 8, w - 10, h * 0.7, 5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rounded_Rect(cr, x + 4, y + h * 0.2, w - 10, h * 0.7, 5);
    Lit(cr, x, y, x + w, y + h, Rgba{118, 128, 124, 255}, 2, kSoot);
    cairo_rectangle(cr, x + w * 0.12, y + h * 0.28, w * 0.4, h * 0.3); // the screen
    Set_Rgb(cr, k % 2 ? Rgba{40, 120, 60, 255} : Rgba{20, 60, 34, 255});
    cairo_fill_preserve(cr);
    Ink(cr, 1.5, kSoot);
    for (int l = 0; l < 3; ++l) {
        cairo_move_to(cr, x + w * 0.15, y + h * (0.34 + l * 0.08));
        cairo_line_to(cr, x + w * (0.3 + 0.06 * ((l + k) % 3)), y + h * (0.34 + l * 0.08));
    }
    cairo_set_source_rgba(cr, 0.6, 1, 0.6, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const Rgba lamps[] = {kRed, kYellow, Rgba{70, 200, 90, 255}, Rgba{80, 140, 230, 255}};
    for (int b = 0; b < 8; ++b) {
        cairo_arc(cr, x + w * (0.6 + 0.09 * (b % 4)), y + h * (0.34 + 0.14 * (b / 4)), w * 0.03, 0, 2 * kPi);
        Set_Rgb(cr, (b + k) % 3 ? lamps[b % 4] : Dark(lamps[b % 4], 0.4));
        cairo_fill(cr);
    }
}

void Missile(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.42;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi); // the silo shaft
    Set_Rgb(cr, Dark(kConcrete, 0.55));
    cairo_fill_preserve(cr);
    Ink(cr, 3, kSoot);
    cairo_arc(cr, cx, cy, r * 0.86, 0, 2 * kPi);
    Set_Rgb(cr, kBlack);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.42, 0, 2 * kPi); // the missile's nose from above
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.15, cy - r * 0.15, 1, cx, cy, r * 0.42),
                Rgba{230, 230, 224, 255}, 1.2f, 0.6f);
    Ink(cr, 2, kSoot);
    for (int f = 0; f < 4; ++f) { // the fins
        const double a = f * kPi / 2 + kPi / 4;
        cairo_move_to(cr, cx + std::cos(a) * r * 0.4, cy + std::sin(a) * r * 0.4);
        cairo_line_to(cr, cx + std::cos(a) * r * 0.75, cy + std::sin(a) * r * 0.75);
    }
    Set_Rgb(cr, kRed);
    cairo_set_line_width(cr, r * 0.1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.12, 0, 2 * kPi);
    Set_Rgb(cr, k % 2 ? Rgba{90, 220, 90, 255} : kRed);
    cairo_fill(cr);
}

void Plane(cairo_t* cr, int k, double x, double y, double w, double h, bool fighter) {
    const double cx = x + w / 2;
    const Rgba body = fighter ? Rgba{120, 126, 100, 255} : Rgba{150, 156, 150, 255};
    cairo_save(cr);
    cairo_translate(cr, 10, 14); // the shadow on the ground
    cairo_move_to(cr, cx, y + h * 0.05);
    cairo_line_to(cr, cx + w * 0.06, y + h * 0.3);
    cairo_line_to(cr, x + w * 0.98, y + h * 0.42);
    cairo_line_to(cr, x + w * 0.98, y + h * 0.5);
    cairo_line_to(cr, cx + w * 0.06, y + h * 0.52);
    cairo_line_to(cr, cx + w * 0.04, y + h * 0.82);
    cairo_line_to(cr, cx + w * 0.2, y + h * 0.9);
    cairo_line_to(cr, cx - w * 0.2, y + h * 0.9);
    cairo_line_to(cr, cx - w * 0.04, y + h * 0.82);
    cairo_line_to(cr, cx - w * 0.06, y + h * 0.52);
    cairo_line_to(cr, x + w * 0.02, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.02, y + h * 0.42);
    cairo_line_to(cr, cx - w * 0.06, y + h * 0.3);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    // wings, tailplane, fuselage
    Rounded_Rect(cr, x + w * 0.02, y + h * 0.38, w * 0.96, h * 0.13, h * 0.04);
    Lit(cr, x, y, x + w, y + h, body, 2, kSoot);
    Rounded_Rect(cr, cx - w * 0.2, y + h * 0.8, w * 0.4, h * 0.08, h * 0.03);
    Lit(cr, x, y, x + w, y + h, body, 2, kSoot);
    Ellipse(cr, cx, y + h * 0.47, w * 0.075, h * 0.44);
    Lit(cr, cx - w * 0.1, y, cx + w * 0.1, y + h, Mix(body, kBlack, 0.1), 2, kSoot);
    Ellipse(cr, cx, y + h * 0.22, w * 0.04, h * 0.07); // cockpit
    Set_Rgb(cr, Rgba{110, 170, 210, 255});
    cairo_fill(cr);
    for (int s : {-1, 1}) { // roundels and engines
        cairo_arc(cr, cx + s * w * 0.32, y + h * 0.445, h * 0.04, 0, 2 * kPi);
        Set_Rgb(cr, fighter ? kBlack : kRed);
        cairo_fill(cr);
        if (!fighter) {
            Ellipse(cr, cx + s * w * 0.18, y + h * 0.37, w * 0.04, h * 0.07);
            Lit(cr, x, y, x + w, y + h, kArmourDark, 2, kSoot);
        }
    }
    // the propeller: blurred while it turns (animation 1)
    if (k % 2) {
        cairo_arc(cr, cx, y + h * 0.04, w * 0.12, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.9, 0.9, 0.9, 0.35);
        cairo_fill(cr);
    } else {
        cairo_move_to(cr, cx - w * 0.12, y + h * 0.04);
        cairo_line_to(cr, cx + w * 0.12, y + h * 0.04);
        Ink(cr, 4, kSoot);
    }
}

void Truck(cairo_t* cr, int k, double x, double y, double w, double h) {
    Rounded_Rect(cr, x + w * 0.15 + 6, y + h * 0.05 + 8, w * 0.7, h * 0.9, 6);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rounded_Rect(cr, x + w * 0.15, y + h * 0.32, w * 0.7, h * 0.62, 5); // the tank on the back
    Lit(cr, x, y, x + w, y + h, k ? kRust : Rgba{170, 160, 120, 255}, 2, kSoot);
    for (int r = 1; r < 4; ++r) {
        cairo_move_to(cr, x + w * 0.15, y + h * (0.32 + r * 0.155));
        cairo_line_to(cr, x + w * 0.85, y + h * (0.32 + r * 0.155));
    }
    Ink(cr, 1.2, kSoot);
    Rounded_Rect(cr, x + w * 0.2, y + h * 0.06, w * 0.6, h * 0.24, 6); // the cab
    Lit(cr, x, y, x + w, y + h, kOlive, 2, kSoot);
    cairo_rectangle(cr, x + w * 0.28, y + h * 0.08, w * 0.44, h * 0.06);
    Set_Rgb(cr, Rgba{110, 170, 210, 255});
    cairo_fill(cr);
    if (k) Scorch(cr, x + w / 2, y + h / 2, w * 0.4, 9);
}

void Crate_Or_Barrel(cairo_t* cr, int k, double x, double y, double w, double h, bool barrel) {
    const bool broken = k % 2 == 1;
    if (broken) { // splinters or a burst drum on the ground
        for (int p = 0; p < 7; ++p) {
            const double a = p * 0.9, d = w * 0.25;
            cairo_save(cr);
            cairo_translate(cr, x + w / 2 + std::cos(a) * d, y + h / 2 + std::sin(a) * d);
            cairo_rotate(cr, a * 1.7);
            cairo_rectangle(cr, -w * 0.14, -h * 0.04, w * 0.28, h * 0.08);
            Lit(cr, -w, -h, w, h, barrel ? kRust : kWood, 2, kSoot);
            cairo_restore(cr);
        }
        Scorch(cr, x + w / 2, y + h / 2, w * 0.3, k);
        return;
    }
    if (barrel) {
        Oval_Shadow(cr, x + w / 2 + 4, y + h / 2 + 6, w * 0.36, h * 0.36, 0.3);
        cairo_arc(cr, x + w / 2, y + h / 2, w * 0.36, 0, 2 * kPi);
        Fill_Shaded(cr, cairo_pattern_create_radial(x + w * 0.4, y + h * 0.4, 1, x + w / 2, y + h / 2, w * 0.36),
                    kRed, 1.3f, 0.55f);
        Ink(cr, 2, kSoot);
        cairo_arc(cr, x + w / 2, y + h / 2, w * 0.24, 0, 2 * kPi);
        Ink(cr, 1.5, kSoot);
        Hazard_Stripes(cr, x + w * 0.36, y + h * 0.46, w * 0.28, h * 0.08);
        return;
    }
    cairo_rectangle(cr, x + w * 0.14 + 4, y + h * 0.14 + 6, w * 0.72, h * 0.72);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_rectangle(cr, x + w * 0.14, y + h * 0.14, w * 0.72, h * 0.72);
    Lit(cr, x, y, x + w, y + h, kWood, 2, kSoot);
    cairo_move_to(cr, x + w * 0.14, y + h * 0.14);
    cairo_line_to(cr, x + w * 0.86, y + h * 0.86);
    cairo_move_to(cr, x + w * 0.86, y + h * 0.14);
    cairo_line_to(cr, x + w * 0.14, y + h * 0.86);
    Ink(cr, 3, kSoot);
    cairo_rectangle(cr, x + w * 0.3, y + h * 0.42, w * 0.4, h * 0.16);
    Set_Rgb(cr, kOlive);
    cairo_fill(cr);
}

void Boat(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2;
    auto hull = [&]() {
        cairo_move_to(cr, cx, y + h * 0.04);
        cairo_curve_to(cr, x + w * 0.95, y + h * 0.3, x + w * 0.9, y + h * 0.9, cx, y + h * 0.96);
        cairo_curve_to(cr, x + w * 0.1, y + h * 0.9, x + w * 0.05, y + h * 0.3, cx, y + h * 0.04);
        cairo_close_path(cr);
    };
    if (k % 2) { // sinking: only the bow and a ring of foam show
        cairo_save(cr);
        cairo_rectangle(cr, x, y, w, h * 0.45);
        cairo_clip(cr);
        hull();
        Lit(cr, x, y, x + w, y + h, Dark(kWood, 0.6), 2, kSoot);
        cairo_restore(cr);
        Ellipse(cr, cx, y + h * 0.45, w * 0.42, h * 0.08);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        return;
    }
    hull();
    Lit(cr, x, y, x + w, y + h, Rgba{170, 130, 80, 255}, 2, kSoot);
    for (int t = 1; t < 4; ++t) { // thwarts
        cairo_move_to(cr, x + w * 0.25, y + h * t / 4.0);
        cairo_line_to(cr, x + w * 0.75, y + h * t / 4.0);
    }
    Ink(cr, 2, kSoot);
}

void Emplacement(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.42;
    for (int b = 0; b < 10; ++b) { // a ring of sandbags
        const double a = b * 2 * kPi / 10;
        Ellipse(cr, cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8, r * 0.24, r * 0.16);
        Lit(cr, x, y, x + w, y + h, Rgba{176, 158, 110, 255}, 2, kSoot);
    }
    if (k == 2) { // wrecked
        Scorch(cr, cx, cy, r * 0.8, 4);
        cairo_move_to(cr, cx - r * 0.2, cy);
        cairo_line_to(cr, cx + r * 0.5, cy - r * 0.5);
        Ink(cr, 5, kSoot);
        return;
    }
    cairo_arc(cr, cx, cy, r * 0.4, 0, 2 * kPi);
    Lit(cr, x, y, x + w, y + h, kArmourDark, 2, kSoot);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx, cy - r * 0.95);
    Set_Rgb(cr, kBlack);
    cairo_set_line_width(cr, r * 0.16);
    cairo_stroke(cr);
    if (k == 1) Flash(cr, cx, cy - r * 0.3, r * 0.35, 0.1); // rocked by a hit
}

void Door(cairo_t* cr, int k, double x, double y, double w, double h, bool cell) {
    const bool open = k % 2 == 1;
    cairo_rectangle(cr, x, y + h * 0.25, w, h * 0.5); // the frame in the wall
    Set_Rgb(cr, Dark(kConcrete, 0.6));
    cairo_fill(cr);
    if (cell) {
        for (int b = 0; b < 7; ++b) {
            const double bx = x + w * (0.08 + 0.14 * b);
            if (open && b > 1) break;
            cairo_rectangle(cr, bx, y + h * 0.28, w * 0.05, h * 0.44);
            Set_Rgb(cr, kSteel);
            cairo_fill(cr);
        }
        return;
    }
    const double gap = open ? w * 0.42 : 0;
    for (int s = 0; s < 2; ++s) {
        const double lx = s ? x + w / 2 + gap : x + w * 0.04 + (open ? -gap * 0.08 : 0);
        cairo_rectangle(cr, s ? lx : x + w * 0.04, y + h * 0.3, (w * 0.46 - gap * 0.9 > 4 ? w * 0.46 - gap * 0.9 : 4),
                        h * 0.4);
        Lit(cr, x, y, x + w, y + h, kArmour, 2, kSoot);
    }
    if (!open) Hazard_Stripes(cr, x + w * 0.1, y + h * 0.46, w * 0.8, h * 0.08);
}

void Hatch(cairo_t* cr, int k, double x, double y, double w, double h, bool open_first) {
    if (open_first) k = k == 0 ? 2 : 0;
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.4;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Lit(cr, x, y, x + w, y + h, kConcrete, 2, kSoot);
    cairo_arc(cr, cx, cy, r * 0.75, 0, 2 * kPi);
    Set_Rgb(cr, kBlack);
    cairo_fill(cr);
    if (k == 0) { // shut: a round steel lid with its wheel
        cairo_arc(cr, cx, cy, r * 0.74, 0, 2 * kPi);
        Lit(cr, x, y, x + w, y + h, kSteel, 2, kSoot);
        cairo_arc(cr, cx, cy, r * 0.35, 0, 2 * kPi);
        Ink(cr, 3, kSoot);
    } else { // the lid thrown back, the ladder's rungs inside
        cairo_save(cr);
        cairo_translate(cr, cx + r * (k == 1 ? 0.4 : 0.9), cy - r * 0.2);
        Ellipse(cr, 0, 0, r * (k == 1 ? 0.6 : 0.35), r * 0.72);
        Lit(cr, -r, -r, r, r, kSteel, 2, kSoot);
        cairo_restore(cr);
        for (int g = 0; g < 4; ++g) {
            cairo_move_to(cr, cx - r * 0.3, cy - r * 0.45 + g * r * 0.28);
            cairo_line_to(cr, cx + r * 0.15, cy - r * 0.45 + g * r * 0.28);
        }
        Set_Rgb(cr, Rgba{160, 150, 120, 255});
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void Radar(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.4;
    Oval_Shadow(cr, cx + 6, cy + 8, r, r * 0.8, 0.3);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, k * 0.8);
    Ellipse(cr, 0, 0, r, r * 0.55);
    Fill_Shaded(cr, cairo_pattern_create_linear(-r, 0, r, 0), Rgba{200, 204, 200, 255}, 1.2f, 0.6f);
    Ink(cr, 2, kSoot);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, -r * 0.7);
    Ink(cr, 3, kSoot);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r * 0.15, 0, 2 * kPi);
    Set_Rgb(cr, kRed);
    cairo_fill(cr);
}

void Table(cairo_t* cr, int k, double x, double y, double w, double h) {
    cairo_rectangle(cr, x + w * 0.08 + 5, y + h * 0.15 + 7, w * 0.84, h * 0.7);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_rectangle(cr, x + w * 0.08, y + h * 0.15, w * 0.84, h * 0.7);
    Lit(cr, x, y, x + w, y + h, kWood, 2, kSoot);
    cairo_rectangle(cr, x + w * 0.16, y + h * 0.22, w * 0.6, h * 0.5); // a chart on it
    Set_Rgb(cr, Rgba{226, 214, 176, 255});
    cairo_fill_preserve(cr);
    Ink(cr, 1, kSoot);
    cairo_move_to(cr, x + w * 0.2, y + h * 0.6);
    cairo_curve_to(cr, x + w * 0.35, y + h * 0.3, x + w * 0.5, y + h * 0.65, x + w * 0.72, y + h * 0.3);
    cairo_set_source_rgba(cr, 0.2, 0.4, 0.7, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int p = 0; p < 3; ++p) {
        cairo_arc(cr, x + w * (0.3 + 0.15 * p), y + h * (0.4 + 0.08 * ((p + k) % 2)), 3, 0, 2 * kPi);
        Set_Rgb(cr, kRed);
        cairo_fill(cr);
    }
}

// A prisoner in rags, seen from above, sitting (animation 0) or waving (animation 1).
void Prisoner(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.55;
    Oval_Shadow(cr, cx + 3, cy + 5, w * 0.26, h * 0.2, 0.3);
    Ellipse(cr, cx, cy, w * 0.24, h * 0.2);
    Lit(cr, x, y, x + w, y + h, Rgba{140, 130, 110, 255}, 2, kSoot);
    for (int s : {-1, 1}) {
        const bool up = k % 2 == 1 && s == 1;
        cairo_move_to(cr, cx + s * w * 0.18, cy - h * 0.04);
        cairo_line_to(cr, cx + s * w * (up ? 0.32 : 0.3), cy + (up ? -h * 0.36 : h * 0.12));
        Set_Rgb(cr, kSkin);
        cairo_set_line_width(cr, w * 0.08);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy - h * 0.12, w * 0.13, 0, 2 * kPi);
    Lit(cr, x, y, x + w, y + h, Rgba{90, 70, 50, 255}, 2, kSoot);
}

void Gangway(cairo_t* cr, int k, double x, double y, double w, double h) {
    cairo_rectangle(cr, x + w * 0.25, y, w * 0.5, h);
    Lit(cr, x, y, x + w, y + h, Rgba{140, 120, 90, 255}, 2, kSoot);
    for (int r = 1; r < 10; ++r) {
        cairo_move_to(cr, x + w * 0.25, y + h * r / 10.0);
        cairo_line_to(cr, x + w * 0.75, y + h * r / 10.0);
    }
    Ink(cr, 1.2, kSoot);
    for (int s : {0, 1}) {
        cairo_move_to(cr, x + w * (s ? 0.78 : 0.22), y);
        cairo_line_to(cr, x + w * (s ? 0.78 : 0.22), y + h);
    }
    Set_Rgb(cr, k ? kRed : Rgba{220, 220, 210, 255});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void Pump(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.38;
    Oval_Shadow(cr, cx + 4, cy + 6, r, r, 0.3);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 1, cx, cy, r), kSteel, 1.3f, 0.6f);
    Ink(cr, 2, kSoot);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, k * 0.6);
    for (int s = 0; s < 4; ++s) {
        cairo_rotate(cr, kPi / 2);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, r * 0.7, 0);
    }
    Ink(cr, 4, kSoot);
    cairo_restore(cr);
    cairo_move_to(cr, cx + r, cy);
    cairo_line_to(cr, x + w, cy);
    Ink(cr, 6, kSoot);
}

void Tank(cairo_t* cr, int k, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) * 0.44;
    Oval_Shadow(cr, cx + 6, cy + 8, r, r, 0.3);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 1, cx, cy, r),
                k ? kRust : Rgba{200, 196, 180, 255}, 1.2f, 0.6f);
    Ink(cr, 2.5, kSoot);
    for (int s = 0; s < 3; ++s) {
        cairo_arc(cr, cx, cy, r * (0.3 + 0.2 * s), 0, 2 * kPi);
        Ink(cr, 1, kSoot);
    }
    Hazard_Stripes(cr, cx - r * 0.5, cy - r * 0.08, r, r * 0.16);
}

struct Look {
    const char* name;
    int cell_w, cell_h;
    std::function<void(cairo_t*, int, double, double, double, double)> draw;
};

const std::vector<Look>& Machine_Looks() {
    static const std::vector<Look> looks = {
        {"silo", 128, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Silo(cr, k, x, y, w, h, false); }},
        {"silo_wreck", 128, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Silo(cr, k, x, y, w, h, true); }},
        {"gun", 96, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Gun(cr, k, x, y, w, h, false); }},
        {"front_gun", 128, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Gun(cr, k, x, y, w, h, true); }},
        {"cover", 192, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Cover(cr, k, x, y, w, h, false); }},
        {"cover_wreck", 192, 128, [](cairo_t* cr, int k, double x, double y, double w, double h) { Cover(cr, k, x, y, w, h, true); }},
        {"launcher", 128, 128, Launcher},
        {"core", 128, 128, Core},
        {"flash", 64, 64, [](cairo_t* cr, int k, double x, double y, double w, double h) {
             Flash(cr, x + w / 2, y + h / 2, std::min(w, h) * 0.45, 0.3 + k);
         }},
    };
    return looks;
}

const std::vector<Look>& Prop_Looks() {
    static const std::vector<Look> looks = {
        {"lever", 64, 96, Lever},
        {"console", 128, 96, Console},
        {"missile", 128, 128, Missile},
        {"plane", 256, 256, [](cairo_t* cr, int k, double x, double y, double w, double h) { Plane(cr, k, x, y, w, h, false); }},
        {"fighter", 192, 192, [](cairo_t* cr, int k, double x, double y, double w, double h) { Plane(cr, k, x, y, w, h, true); }},
        {"truck", 96, 160, Truck},
        {"crate", 64, 64, [](cairo_t* cr, int k, double x, double y, double w, double h) { Crate_Or_Barrel(cr, k, x, y, w, h, false); }},
        {"barrel", 64, 64, [](cairo_t* cr, int k, double x, double y, double w, double h) { Crate_Or_Barrel(cr, k, x, y, w, h, true); }},
        {"boat", 96, 160, Boat},
        {"emplacement", 128, 128, Emplacement},
        {"blast_door", 128, 64, [](cairo_t* cr, int k, double x, double y, double w, double h) { Door(cr, k, x, y, w, h, false); }},
        {"cell_door", 128, 64, [](cairo_t* cr, int k, double x, double y, double w, double h) { Door(cr, k, x, y, w, h, true); }},
        {"hatch", 96, 96, [](cairo_t* cr, int k, double x, double y, double w, double h) { Hatch(cr, k, x, y, w, h, false); }},
        // A deck hatch: animation 0 open, 1 shut.
        {"deck_hatch", 96, 96, [](cairo_t* cr, int k, double x, double y, double w, double h) { Hatch(cr, k, x, y, w, h, true); }},
        {"radar", 128, 128, Radar},
        {"table", 128, 96, Table},
        {"prisoner", 64, 64, Prisoner},
        {"gangway", 64, 192, Gangway},
        {"pump", 96, 96, Pump},
        {"tank", 128, 128, Tank},
    };
    return looks;
}

// One cell per animation: animation k shows cell k. Rows are kept to 1, 2, 4 or 8.
bool Write_Look(const std::string& root, const std::string& image, const Arg_Reader& r, const std::vector<Look>& looks,
                const char* painter) {
    const std::string name = r.Str("look", "");
    const int anims = r.Int("anims", 1, 1, 16);
    for (const Look& l : looks) {
        if (name != l.name) continue;
        const int rows = anims <= 4 ? 1 : anims <= 8 ? 2 : 4;
        const int cols = (anims + rows - 1) / rows;
        std::vector<std::vector<int>> a;
        for (int k = 0; k < anims; ++k) a.push_back({k});
        return Write_Sheet(root, image, SheetLayout{l.cell_w, l.cell_h, cols, rows}, false,
                           [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                               if (f < anims) l.draw(cr, f, x, y, w, h);
                           },
                           a, l.cell_w / 640.0f, l.cell_h / 640.0f);
    }
    std::string known;
    for (const Look& l : looks) known += (known.empty() ? "" : ", ") + std::string(l.name);
    r.error = std::string(painter) + ": unknown look \"" + name + "\" (known: " + known + ")";
    return false;
}

} // namespace

bool Ep3b_Machine(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Write_Look(root, image, r, Machine_Looks(), "ep3b_machine");
}

bool Ep3b_Prop(const std::string& root, const std::string& image, const Arg_Reader& r) {
    return Write_Look(root, image, r, Prop_Looks(), "ep3b_prop");
}

} // namespace painters
