#include "content/painters/page_art.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <cmath>
#include <sstream>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/writers/art.h"

namespace painters {

namespace {

using writers::Mix;
using writers::Rgba;
using writers::Shade;
using writers::SheetLayout;

double Rad(double deg) { return deg * kPi / 180.0; }

const Rgba kInk{24, 22, 20, 255}, kSkin{226, 184, 146, 255}, kBoot{48, 38, 30, 255}, kWood{120, 84, 48, 255},
    kSteel{70, 72, 76, 255}, kWhite{240, 238, 228, 255}, kSand{210, 188, 138, 255};

// ---- People ----

enum class Headgear { brodie, stahl, peaked, wimple, sailor, straw };

struct Look {
    Rgba coat, trousers, hat, belt;
    Headgear head = Headgear::brodie;
    bool rifle = true;
    bool armband = false, sash = false, moustache = false, cane = false, straw = false;
};

bool Look_Of(const std::string& side, Look& l) {
    const Rgba olive{92, 108, 58, 255};
    if (side == "friend") l = {olive, Shade(olive, 0.85f), Rgba{78, 92, 48, 255}, Rgba{176, 156, 104, 255}};
    else if (side == "mate") l = {Rgba{128, 120, 78, 255}, Rgba{110, 102, 66, 255}, Rgba{92, 100, 60, 255},
                                  Rgba{70, 56, 36, 255}};
    else if (side == "enemy") {
        l = {Rgba{64, 66, 72, 255}, Rgba{52, 54, 58, 255}, Rgba{44, 46, 50, 255}, Rgba{30, 30, 32, 255},
             Headgear::stahl};
        l.armband = true;
    } else if (side == "officer") {
        l = {Rgba{36, 36, 40, 255}, Rgba{30, 30, 34, 255}, Rgba{30, 30, 34, 255}, Rgba{20, 20, 22, 255},
             Headgear::peaked, false};
        l.sash = true;
        l.moustache = true;
    } else if (side == "sarge") {
        l = {olive, Shade(olive, 0.85f), Rgba{150, 120, 70, 255}, Rgba{90, 64, 40, 255}, Headgear::peaked, false};
        l.moustache = true;
        l.cane = true;
    } else if (side == "nun") {
        l = {Rgba{30, 30, 34, 255}, Rgba{30, 30, 34, 255}, kWhite, Rgba{30, 30, 34, 255}, Headgear::wimple, false};
    } else if (side == "sailor") {
        l = {Rgba{40, 54, 92, 255}, Rgba{36, 48, 84, 255}, kWhite, Rgba{230, 228, 220, 255}, Headgear::sailor, false};
    } else if (side == "scarecrow") {
        l = {Rgba{120, 84, 54, 255}, Rgba{96, 80, 60, 255}, Rgba{196, 168, 90, 255}, Rgba{170, 140, 70, 255},
             Headgear::straw, false};
        l.straw = true;
    } else
        return false;
    return true;
}

// A pose: the body's lean and the limbs' angles in degrees from straight down, positive
// towards the way the figure faces; `roll` turns the whole body about the hip (90: lying on
// its back, head behind).
struct Pose {
    double lean = 0;
    double near_thigh = 0, near_shin = 0, far_thigh = 0, far_shin = 0;
    double near_arm = 10, near_fore = 10, far_arm = -8, far_fore = -4;
    double roll = 0;
    enum Rifle { none, side, port, shoulder, aim, overhead, slung } rifle = side;
    bool back = false;  // seen from behind
    bool glow = false;  // lit from within (lifted up)
    bool crate = false; // carries a crate in front
    bool sleep = false;
    bool flash = false; // the rifle fires
};

// The frames of a pose by name; empty when the name is unknown.
std::vector<Pose> Frames_Of(const std::string& name) {
    Pose p;
    if (name == "stand" || name == "attention") {
        if (name == "attention") p.near_arm = p.near_fore = 2, p.far_arm = p.far_fore = -2;
        return {p};
    }
    if (name == "walk" || name == "run" || name == "carry") {
        const double s = name == "walk" ? 22 : 38;
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            const double sign = k ? 1 : -1;
            q.lean = name == "walk" ? 4 : 14;
            q.near_thigh = sign * s;
            q.near_shin = sign * s - (sign > 0 ? 0 : s * 0.9);
            q.far_thigh = -sign * s;
            q.far_shin = -sign * s - (sign < 0 ? 0 : s * 0.9);
            q.near_arm = -sign * s * 0.8;
            q.near_fore = q.near_arm + 30;
            q.far_arm = sign * s * 0.8;
            q.far_fore = q.far_arm + 30;
            if (name == "carry") {
                q.near_arm = q.far_arm = 50;
                q.near_fore = q.far_fore = 95;
                q.rifle = Pose::none;
                q.crate = true;
            }
            if (name == "run") q.rifle = Pose::port, q.near_arm = 40, q.near_fore = 110, q.far_arm = 25, q.far_fore = 100;
            f.push_back(q);
        }
        return f;
    }
    if (name == "march") {
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            const double sign = k ? 1 : -1;
            q.near_thigh = sign * 24;
            q.near_shin = sign > 0 ? 10 : -20;
            q.far_thigh = -sign * 24;
            q.far_shin = sign < 0 ? 10 : -20;
            q.near_arm = 15;
            q.near_fore = 150;
            q.far_arm = sign * 22;
            q.far_fore = sign * 22 + 25;
            q.rifle = Pose::shoulder;
            f.push_back(q);
        }
        return f;
    }
    if (name == "salute") {
        p.near_arm = 105;
        p.near_fore = 215;
        p.far_arm = p.far_fore = -2;
        p.rifle = Pose::slung;
        return {p};
    }
    if (name == "cheer" || name == "wave" || name == "hands_up") {
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            if (name == "cheer") {
                q.near_arm = 150 + k * 20;
                q.near_fore = 170 + k * 10;
                q.far_arm = 140 + k * 25;
                q.far_fore = 165 + k * 15;
                q.rifle = Pose::overhead;
                q.lean = -4;
            } else if (name == "wave") {
                q.near_arm = 140;
                q.near_fore = 150 + k * 40;
                q.rifle = Pose::slung;
            } else {
                q.near_arm = q.far_arm = 165 - k * 4;
                q.near_fore = q.far_fore = 175;
                q.rifle = Pose::none;
            }
            f.push_back(q);
        }
        return f;
    }
    if (name == "point" || name == "watch") {
        if (name == "point") p.near_arm = 90, p.near_fore = 95;
        else p.near_arm = 110, p.near_fore = 205;
        p.rifle = Pose::slung;
        return {p};
    }
    if (name == "whistle") {
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            q.near_arm = 55 + k * 6;
            q.near_fore = 165 + k * 8;
            q.far_arm = -25;
            q.far_fore = 70; // a hand on the hip
            q.rifle = Pose::none;
            q.lean = -3;
            f.push_back(q);
        }
        return f;
    }
    if (name == "crouch" || name == "scavenge") {
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            q.lean = 50;
            q.near_thigh = 75;
            q.near_shin = -25;
            q.far_thigh = 60;
            q.far_shin = -40;
            q.near_arm = name == "scavenge" ? 20 + k * 25 : 40;
            q.near_fore = name == "scavenge" ? 10 + k * 30 : 60;
            q.far_arm = 30 - k * 10;
            q.far_fore = 20;
            q.rifle = Pose::slung;
            f.push_back(q);
        }
        return f;
    }
    if (name == "fire") { // standing, aiming, the muzzle flashing
        p.near_arm = 78;
        p.near_fore = 92;
        p.far_arm = 70;
        p.far_fore = 84;
        p.near_thigh = 12;
        p.far_thigh = -10;
        p.rifle = Pose::aim;
        Pose q = p;
        q.flash = true;
        q.lean = -4;
        return {p, q};
    }
    if (name == "pushup") { // face down on hands and toes, arms straight, then bent
        std::vector<Pose> f;
        for (int k = 0; k < 2; ++k) {
            Pose q;
            q.roll = k ? -80 : -68; // tipped forward (the angles below are the body's own)
            q.near_arm = q.far_arm = k ? 10 : 68;
            q.near_fore = q.far_fore = k ? 125 : 68;
            q.near_thigh = q.far_thigh = 0;
            q.near_shin = q.far_shin = -8;
            q.rifle = Pose::none;
            f.push_back(q);
        }
        return f;
    }
    if (name == "hurt") { // stooped, a hand pressed to the side
        p.lean = 16;
        p.near_arm = 25;
        p.near_fore = 125;
        p.far_arm = 10;
        p.far_fore = 20;
        p.near_thigh = 10;
        p.near_shin = 4;
        p.rifle = Pose::none;
        return {p};
    }
    if (name == "kneel" || name == "aim") {
        p.near_thigh = 85;
        p.near_shin = 0;
        p.far_thigh = 5;
        p.far_shin = -88;
        if (name == "aim") {
            p.near_arm = 75;
            p.near_fore = 92;
            p.far_arm = 65;
            p.far_fore = 80;
            p.rifle = Pose::aim;
        }
        return {p};
    }
    if (name == "sit" || name == "sleep") {
        p.lean = -18;
        p.near_thigh = 85;
        p.near_shin = 60;
        p.far_thigh = 80;
        p.far_shin = 40;
        p.near_arm = 25;
        p.near_fore = 70;
        p.far_arm = 15;
        p.far_fore = 60;
        p.rifle = Pose::port;
        p.sleep = name == "sleep";
        return {p};
    }
    if (name == "back") {
        p.back = true;
        p.rifle = Pose::slung;
        p.near_arm = 15;
        p.near_fore = 35;
        return {p};
    }
    if (name == "lie" || name == "rise") {
        p.roll = name == "lie" ? 90 : 80;
        p.near_arm = name == "lie" ? 165 : 120; // flung back over the head
        p.near_fore = name == "lie" ? 185 : 150;
        p.far_arm = -25;
        p.far_fore = -15;
        p.near_thigh = -4;
        p.far_thigh = 6;
        p.near_shin = 8;
        p.far_shin = 16;
        p.rifle = Pose::none;
        p.glow = name == "rise";
        p.sleep = true;
        if (name == "rise") {
            Pose q = p;
            q.near_arm = 110;
            q.near_fore = 140;
            return {p, q};
        }
        return {p};
    }
    if (name == "topple") {
        std::vector<Pose> f;
        for (int k = 0; k < 4; ++k) {
            Pose q;
            q.roll = k * 30.0;
            q.near_arm = 10 + k * 30;
            q.near_fore = 20 + k * 40;
            q.far_arm = -8 - k * 8;
            q.near_thigh = k * 4.0;
            q.rifle = Pose::none;
            q.sleep = k == 3;
            f.push_back(q);
        }
        return f;
    }
    return {};
}

struct Joints {
    double hx, hy;   // hip
    double sx, sy;   // shoulders
    double nx, ny;   // head centre
    double nk[2], nf[2], fk[2], ff[2]; // knees and feet (near, far)
    double ne[2], nh[2], fe[2], fh[2]; // elbows and hands
};

// The joints of a pose standing on the ground at (0, 0), facing right, in units of the head.
Joints Place(const Pose& p) {
    const double thigh = 1.75, shin = 1.75, torso = 2.5, neck = 0.8, upper = 1.25, fore = 1.2;
    Joints j{};
    auto limb = [](double x, double y, double len, double deg, double* out) {
        out[0] = x + len * std::sin(Rad(deg));
        out[1] = y + len * std::cos(Rad(deg));
    };
    j.hx = 0;
    j.hy = -(thigh + shin);
    limb(j.hx, j.hy, thigh, p.near_thigh, j.nk);
    limb(j.nk[0], j.nk[1], shin, p.near_shin, j.nf);
    limb(j.hx, j.hy, thigh, p.far_thigh, j.fk);
    limb(j.fk[0], j.fk[1], shin, p.far_shin, j.ff);
    j.sx = j.hx + torso * std::sin(Rad(p.lean));
    j.sy = j.hy - torso * std::cos(Rad(p.lean));
    j.nx = j.hx + (torso + neck) * std::sin(Rad(p.lean));
    j.ny = j.hy - (torso + neck) * std::cos(Rad(p.lean));
    limb(j.sx, j.sy, upper, p.near_arm, j.ne);
    limb(j.ne[0], j.ne[1], fore, p.near_fore, j.nh);
    limb(j.sx, j.sy, upper, p.far_arm, j.fe);
    limb(j.fe[0], j.fe[1], fore, p.far_fore, j.fh);
    // Feet (or knees, or the seat) on the ground.
    double low = std::max({j.nf[1], j.ff[1], j.nk[1], j.fk[1], j.hy + 0.3});
    const double shift = -low;
    for (double* v : {&j.hy, &j.sy, &j.ny, &j.nk[1], &j.nf[1], &j.fk[1], &j.ff[1], &j.ne[1], &j.nh[1], &j.fe[1],
                      &j.fh[1]})
        *v += shift;
    return j;
}

void Stroke_Limb(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgba c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, w + 0.22);
    cairo_stroke_preserve(cr);
    Set_Rgb(cr, c);
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}
void Limb(cairo_t* cr, double x0, double y0, double xm, double ym, double x1, double y1, double w, Rgba c) {
    Stroke_Limb(cr, x0, y0, xm, ym, w, c);
    Stroke_Limb(cr, xm, ym, x1, y1, w * 0.92, c);
}
void Dot(cairo_t* cr, double x, double y, double r, Rgba c) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    Set_Rgb(cr, kInk);
    cairo_fill_preserve(cr);
    cairo_arc(cr, x, y, r * 0.78, 0, 2 * kPi);
    Set_Rgb(cr, c);
    cairo_fill(cr);
}

void Rifle(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const double dx = x1 - x0, dy = y1 - y0;
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 0.26);
    cairo_move_to(cr, x0 - dx * 0.02, y0 - dy * 0.02);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    Set_Rgb(cr, kWood); // the stock and fore-end
    cairo_set_line_width(cr, 0.17);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + dx * 0.62, y0 + dy * 0.62);
    cairo_stroke(cr);
    Set_Rgb(cr, kSteel); // the barrel
    cairo_set_line_width(cr, 0.08);
    cairo_move_to(cr, x0 + dx * 0.6, y0 + dy * 0.6);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

void Head(cairo_t* cr, const Look& l, const Pose& p, double x, double y) {
    const double r = 0.56;
    if (l.head == Headgear::wimple) { // the veil falls behind the head
        cairo_move_to(cr, x - r * 1.25, y - r * 0.6);
        cairo_curve_to(cr, x - r * 1.6, y + r * 1.2, x - r * 1.2, y + r * 2.2, x - r * 0.6, y + r * 2.4);
        cairo_line_to(cr, x + r * 0.2, y + r * 1.2);
        cairo_close_path(cr);
        Set_Rgb(cr, l.coat);
        cairo_fill(cr);
    }
    Dot(cr, x, y, r, kSkin);
    if (!p.back) { // the face: an eye, the nose, a mouth or a moustache
        Set_Rgb(cr, kInk);
        if (p.sleep) {
            cairo_set_line_width(cr, 0.07);
            cairo_move_to(cr, x + r * 0.2, y - r * 0.12);
            cairo_line_to(cr, x + r * 0.55, y - r * 0.08);
            cairo_stroke(cr);
        } else {
            cairo_arc(cr, x + r * 0.42, y - r * 0.12, r * 0.11, 0, 2 * kPi);
            cairo_fill(cr);
        }
        cairo_move_to(cr, x + r * 0.88, y - r * 0.05);
        cairo_line_to(cr, x + r * 1.12, y + r * 0.22);
        cairo_line_to(cr, x + r * 0.86, y + r * 0.28);
        Set_Rgb(cr, Shade(kSkin, 0.85f));
        cairo_fill(cr);
        if (l.moustache) {
            Set_Rgb(cr, Rgba{60, 44, 32, 255});
            cairo_rectangle(cr, x + r * 0.45, y + r * 0.32, r * 0.55, r * 0.16);
            cairo_fill(cr);
        }
    }
    const Rgba h = l.hat, hd = Shade(l.hat, 0.7f);
    switch (l.head) {
        case Headgear::brodie: // a shallow dome with a wide brim
            cairo_arc(cr, x, y - r * 0.25, r * 0.95, kPi, 2 * kPi);
            cairo_close_path(cr);
            Set_Rgb(cr, kInk);
            cairo_fill_preserve(cr);
            Fill_Shaded(cr, cairo_pattern_create_linear(0, y - r * 1.2, 0, y - r * 0.2), h, 1.25f, 0.8f, false);
            Rounded_Rect(cr, x - r * 1.45, y - r * 0.38, r * 2.9, r * 0.26, r * 0.12);
            Set_Rgb(cr, kInk);
            cairo_fill(cr);
            Rounded_Rect(cr, x - r * 1.38, y - r * 0.34, r * 2.76, r * 0.16, r * 0.08);
            Set_Rgb(cr, hd);
            cairo_fill(cr);
            break;
        case Headgear::stahl: // a deep helmet flared over the neck
            cairo_move_to(cr, x - r * 1.15, y + r * 0.45);
            cairo_curve_to(cr, x - r * 1.2, y - r * 1.5, x + r * 1.1, y - r * 1.5, x + r * 1.0, y - r * 0.2);
            cairo_line_to(cr, x + r * 0.55, y - r * 0.15);
            cairo_line_to(cr, x - r * 0.55, y + r * 0.1);
            cairo_line_to(cr, x - r * 0.8, y + r * 0.5);
            cairo_close_path(cr);
            Set_Rgb(cr, kInk);
            cairo_set_line_width(cr, 0.11);
            cairo_stroke_preserve(cr);
            Fill_Shaded(cr, cairo_pattern_create_linear(0, y - r * 1.3, 0, y + r * 0.4), h, 1.35f, 0.8f, false);
            break;
        case Headgear::peaked: // a cap with a high front, a band and a peak
            cairo_move_to(cr, x - r * 0.9, y - r * 0.35);
            cairo_line_to(cr, x - r * 1.0, y - r * 1.0);
            cairo_curve_to(cr, x - r * 0.2, y - r * 1.5, x + r * 0.9, y - r * 1.45, x + r * 1.2, y - r * 1.15);
            cairo_line_to(cr, x + r * 0.9, y - r * 0.35);
            cairo_close_path(cr);
            Set_Rgb(cr, kInk);
            cairo_fill_preserve(cr);
            Set_Rgb(cr, h);
            cairo_set_line_width(cr, 0.06);
            cairo_fill(cr);
            Set_Rgb(cr, l.sash ? Rgba{170, 40, 36, 255} : Shade(h, 0.6f));
            cairo_rectangle(cr, x - r * 0.92, y - r * 0.62, r * 1.85, r * 0.25);
            cairo_fill(cr);
            cairo_move_to(cr, x + r * 0.5, y - r * 0.38);
            cairo_line_to(cr, x + r * 1.45, y - r * 0.3);
            cairo_line_to(cr, x + r * 0.5, y - r * 0.2);
            Set_Rgb(cr, kInk);
            cairo_fill(cr);
            break;
        case Headgear::wimple: // the white band round the face and the veil's top
            cairo_arc(cr, x, y, r * 1.12, Rad(110), Rad(430));
            cairo_arc_negative(cr, x + r * 0.2, y, r * 0.86, Rad(400), Rad(130));
            cairo_close_path(cr);
            Set_Rgb(cr, kWhite);
            cairo_fill(cr);
            cairo_arc(cr, x - r * 0.1, y - r * 0.2, r * 1.2, Rad(170), Rad(350));
            cairo_close_path(cr);
            Set_Rgb(cr, l.coat);
            cairo_fill(cr);
            break;
        case Headgear::sailor:
            Rounded_Rect(cr, x - r * 0.95, y - r * 1.15, r * 1.9, r * 0.6, r * 0.2);
            Set_Rgb(cr, kInk);
            cairo_fill_preserve(cr);
            Set_Rgb(cr, kWhite);
            cairo_fill(cr);
            break;
        case Headgear::straw: // a wide, ragged straw hat
            cairo_move_to(cr, x - r * 1.7, y - r * 0.35);
            for (int k = 0; k <= 10; ++k)
                cairo_line_to(cr, x - r * 1.7 + k * r * 0.34, y - r * (0.35 + ((k % 2) ? 0.12 : 0.0)));
            cairo_line_to(cr, x + r * 0.7, y - r * 0.5);
            cairo_curve_to(cr, x + r * 0.6, y - r * 1.4, x - r * 0.7, y - r * 1.4, x - r * 0.7, y - r * 0.5);
            cairo_close_path(cr);
            Set_Rgb(cr, kInk);
            cairo_set_line_width(cr, 0.08);
            cairo_stroke_preserve(cr);
            Set_Rgb(cr, h);
            cairo_fill(cr);
            break;
    }
}

// One frame of a figure in a cell: facing right unless `left`.
void Draw_Figure(cairo_t* cr, double x, double y, double w, double h, const Look& l, const Pose& p, bool left) {
    const Joints j = Place(p);
    const double u = h / 8.6; // one head, in pixels
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h - u * 0.15);
    cairo_scale(cr, left ? -u : u, u);
    if (p.glow) {
        cairo_pattern_t* g = cairo_pattern_create_radial(0, -2.6, 0.3, 0, -2.6, 4.0);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.96, 0.8, 0.85);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.96, 0.8, 0.0);
        cairo_set_source(cr, g);
        cairo_arc(cr, 0, -2.6, 4.0, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    if (p.roll != 0) { // turned back about the hip and laid down, its lowest point on the ground
        const double a = Rad(p.roll), c = std::cos(a), sn = std::sin(a);
        double low = -1e9;
        auto lowest = [&](double px, double py, double pad) {
            const double dx = px - j.hx, dy = py - j.hy;
            low = std::max(low, j.hy - dx * sn + dy * c + pad);
        };
        lowest(j.nx, j.ny, 0.6);
        lowest(j.sx, j.sy, 0.6);
        lowest(j.hx, j.hy, 0.6);
        for (const double* q : {j.nk, j.nf, j.fk, j.ff, j.ne, j.nh, j.fe, j.fh}) lowest(q[0], q[1], 0.3);
        cairo_translate(cr, 0, -low);
        cairo_translate(cr, j.hx, j.hy);
        cairo_rotate(cr, -a);
        cairo_translate(cr, -j.hx, -j.hy);
    }
    const Rgba far_coat = Shade(l.coat, 0.78f), far_trousers = Shade(l.trousers, 0.78f);
    const double leg_w = 0.7, arm_w = 0.54;
    // The far leg and arm, in shadow.
    if (l.head == Headgear::wimple) { // a habit to the ankles instead of legs
        cairo_move_to(cr, j.sx - 0.7, j.sy + 0.3);
        cairo_line_to(cr, j.hx - 1.3, 0);
        cairo_line_to(cr, j.hx + 1.2, 0);
        cairo_line_to(cr, j.sx + 0.7, j.sy + 0.3);
        cairo_close_path(cr);
        Set_Rgb(cr, kInk);
        cairo_set_line_width(cr, 0.2);
        cairo_stroke_preserve(cr);
        Set_Rgb(cr, l.coat);
        cairo_fill(cr);
    } else {
        Limb(cr, j.hx, j.hy, j.fk[0], j.fk[1], j.ff[0], j.ff[1], leg_w, far_trousers);
        Dot(cr, j.ff[0] + 0.12, j.ff[1] - 0.12, 0.3, kBoot);
    }
    if (p.rifle == Pose::slung) Rifle(cr, j.sx - 0.6, j.sy - 0.4, j.hx + 0.5, j.hy + 0.9);
    Limb(cr, j.sx, j.sy, j.fe[0], j.fe[1], j.fh[0], j.fh[1], arm_w, far_coat);
    Dot(cr, j.fh[0], j.fh[1], 0.22, Shade(kSkin, 0.85f));
    // The body: a tunic from shoulders to hips, the belt round it.
    Stroke_Limb(cr, j.hx, j.hy - 0.2, j.sx, j.sy + 0.25, 1.3, l.coat);
    {
        const double bx = j.hx + (j.sx - j.hx) * 0.12, by = j.hy + (j.sy - j.hy) * 0.12;
        Set_Rgb(cr, l.belt);
        cairo_set_line_width(cr, 0.22);
        cairo_move_to(cr, bx - 0.55, by);
        cairo_line_to(cr, bx + 0.55, by);
        cairo_stroke(cr);
        if (l.sash) {
            Set_Rgb(cr, Rgba{170, 40, 36, 255});
            cairo_set_line_width(cr, 0.2);
            cairo_move_to(cr, j.sx - 0.4, j.sy + 0.1);
            cairo_line_to(cr, bx + 0.45, by - 0.1);
            cairo_stroke(cr);
        }
        if (l.straw) { // straw sticking out of the cuffs and collar
            Set_Rgb(cr, Rgba{220, 196, 110, 255});
            cairo_set_line_width(cr, 0.07);
            for (int k = 0; k < 5; ++k) {
                cairo_move_to(cr, j.sx - 0.3 + k * 0.15, j.sy + 0.2);
                cairo_line_to(cr, j.sx - 0.5 + k * 0.25, j.sy - 0.2);
            }
            cairo_stroke(cr);
        }
    }
    if (p.back) { // a pack on the back, seen from behind
        Rounded_Rect(cr, j.sx - 0.75, j.sy + 0.3, 1.0, 1.2, 0.2);
        Set_Rgb(cr, kInk);
        cairo_fill_preserve(cr);
        Set_Rgb(cr, Shade(l.belt, 0.8f));
        cairo_fill(cr);
    }
    // The near leg.
    if (l.head != Headgear::wimple) {
        Limb(cr, j.hx, j.hy, j.nk[0], j.nk[1], j.nf[0], j.nf[1], leg_w, l.trousers);
        Dot(cr, j.nf[0] + 0.12, j.nf[1] - 0.12, 0.32, kBoot);
    }
    Head(cr, l, p, j.nx, j.ny);
    if (l.armband) {
        const double ax = j.sx + (j.ne[0] - j.sx) * 0.5, ay = j.sy + (j.ne[1] - j.sy) * 0.5;
        Dot(cr, ax, ay, 0.26, Rgba{176, 40, 36, 255});
    }
    // The rifle in the hands, then the near arm over it.
    switch (p.rifle) {
        case Pose::side: Rifle(cr, j.nh[0] + 0.05, j.nh[1] + 0.9, j.nh[0] + 0.3, j.nh[1] - 2.4); break;
        case Pose::port: Rifle(cr, j.nh[0] - 1.0, j.nh[1] + 0.8, j.nh[0] + 1.2, j.nh[1] - 1.7); break;
        case Pose::shoulder: Rifle(cr, j.nh[0] + 0.5, j.nh[1] + 1.4, j.nh[0] - 1.2, j.nh[1] - 1.6); break;
        case Pose::aim:
            Rifle(cr, j.sx - 0.3, j.sy + 0.2, j.sx + 3.6, j.sy + 0.0);
            if (p.flash) {
                cairo_pattern_t* g = cairo_pattern_create_radial(j.sx + 3.9, j.sy, 0.05, j.sx + 3.9, j.sy, 0.9);
                cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.8, 1);
                cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.7, 0.2, 0.8);
                cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.5, 0.1, 0);
                cairo_set_source(cr, g);
                cairo_arc(cr, j.sx + 3.9, j.sy, 0.9, 0, 2 * kPi);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
            }
            break;
        case Pose::overhead: Rifle(cr, j.nh[0] - 1.6, j.nh[1] - 0.1, j.nh[0] + 1.6, j.nh[1] - 0.3); break;
        default: break;
    }
    if (l.cane) Rifle(cr, j.nh[0] - 0.2, j.nh[1] + 0.8, j.nh[0] + 0.8, j.nh[1] - 1.2);
    Limb(cr, j.sx, j.sy, j.ne[0], j.ne[1], j.nh[0], j.nh[1], arm_w, l.coat);
    Dot(cr, j.nh[0], j.nh[1], 0.24, kSkin);
    if (p.crate) { // a crate held in front
        Rounded_Rect(cr, j.nh[0] - 0.4, j.nh[1] - 1.2, 1.6, 1.3, 0.1);
        Set_Rgb(cr, kInk);
        cairo_fill_preserve(cr);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, j.nh[1] - 1.2, 0, j.nh[1]), Rgba{168, 126, 72, 255}, 1.15f,
                    0.8f, false);
        Set_Rgb(cr, Shade(kWood, 0.6f));
        cairo_set_line_width(cr, 0.08);
        cairo_move_to(cr, j.nh[0] - 0.35, j.nh[1] - 1.15);
        cairo_line_to(cr, j.nh[0] + 1.15, j.nh[1] + 0.05);
        cairo_stroke(cr);
    }
    if (p.sleep && p.roll == 0) { // a snore drifting up
        Set_Rgb(cr, kWhite);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 0.9);
        cairo_move_to(cr, j.nx + 0.5, j.ny - 1.0);
        cairo_show_text(cr, "z");
        cairo_set_font_size(cr, 0.6);
        cairo_move_to(cr, j.nx + 1.1, j.ny - 1.6);
        cairo_show_text(cr, "z");
    }
    cairo_restore(cr);
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::stringstream in(s);
    std::string part;
    while (std::getline(in, part, sep))
        if (!part.empty()) out.push_back(part);
    return out;
}

int Rows_For(int cells, int columns) {
    const int rows = (cells + columns - 1) / columns;
    for (int r : {1, 2, 4, 8})
        if (rows <= r) return r;
    return 0;
}

// ---- Things ----

void Outline_Fill(cairo_t* cr, Rgba c, double line) {
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, line);
    cairo_stroke_preserve(cr);
    Set_Rgb(cr, c);
    cairo_fill(cr);
}

// A heaped cloud filling most of its box: lobes on a flat base, lit from above.
void Cloud(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    Seeded_Rng rng(seed, 7u);
    const int lobes = 5;
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < lobes; ++k) {
            const double t = (k + 0.5) / lobes;
            const double r = h * (0.22 + 0.2 * std::sin(t * kPi)) * rng.In(0.85, 1.1);
            const double cx = x + w * (0.12 + 0.76 * t), cy = y + h * 0.78 - r * 0.7;
            cairo_arc(cr, cx, cy - (pass ? r * 0.12 : 0), r * (pass ? 0.9 : 1.0), 0, 2 * kPi);
            Set_Rgb(cr, pass ? kWhite : Rgba{190, 196, 210, 255}, pass ? 0.95 : 0.9);
            cairo_fill(cr);
        }
    Ellipse(cr, x + w * 0.5, y + h * 0.8, w * 0.42, h * 0.06);
    Set_Rgb(cr, Rgba{180, 186, 200, 255}, 0.9);
    cairo_fill(cr);
}

// A troop transport from the side, bow to the right: a grey hull, a white bridge, a funnel
// and a deck crowded with helmets; frame f moves the smoke.
void Troopship(cairo_t* cr, int f, double x, double y, double w, double h) {
    const Rgba hull{92, 98, 106, 255}, deck{140, 136, 124, 255};
    const double base = y + h * 0.82;
    cairo_move_to(cr, x + w * 0.04, base - h * 0.26);
    cairo_line_to(cr, x + w * 0.9, base - h * 0.26);
    cairo_line_to(cr, x + w * 0.99, base - h * 0.36);
    cairo_line_to(cr, x + w * 0.88, base);
    cairo_line_to(cr, x + w * 0.1, base);
    cairo_close_path(cr);
    Outline_Fill(cr, hull, 2);
    cairo_rectangle(cr, x + w * 0.06, base - h * 0.1, w * 0.84, h * 0.04);
    Set_Rgb(cr, Rgba{150, 60, 48, 255});
    cairo_fill(cr); // the boot-topping red at the waterline
    cairo_rectangle(cr, x + w * 0.3, base - h * 0.44, w * 0.3, h * 0.18);
    Outline_Fill(cr, kWhite, 1.5);
    cairo_rectangle(cr, x + w * 0.36, base - h * 0.58, w * 0.16, h * 0.14);
    Outline_Fill(cr, kWhite, 1.5);
    for (int k = 0; k < 6; ++k) { // bridge windows
        cairo_rectangle(cr, x + w * (0.32 + k * 0.045), base - h * 0.4, w * 0.025, h * 0.05);
        Set_Rgb(cr, Rgba{40, 50, 60, 255});
        cairo_fill(cr);
    }
    cairo_move_to(cr, x + w * 0.46, base - h * 0.58);
    cairo_line_to(cr, x + w * 0.48, base - h * 0.8);
    cairo_line_to(cr, x + w * 0.56, base - h * 0.8);
    cairo_line_to(cr, x + w * 0.56, base - h * 0.58);
    cairo_close_path(cr);
    Outline_Fill(cr, Rgba{60, 62, 66, 255}, 1.5);
    for (double mx : {0.15, 0.78}) { // masts and derricks
        Set_Rgb(cr, kInk);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, x + w * mx, base - h * 0.26);
        cairo_line_to(cr, x + w * mx, base - h * 0.78);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 26; ++k) { // the soldiers on deck: a row of helmets
        const double hx = x + w * (0.1 + k * 0.031) + ((k / 8) % 2) * 3;
        if (hx > x + w * 0.29 && hx < x + w * 0.61) continue;
        Set_Rgb(cr, kSkin);
        cairo_arc(cr, hx, base - h * 0.29, h * 0.025, 0, 2 * kPi);
        cairo_fill(cr);
        Set_Rgb(cr, Rgba{78, 92, 48, 255});
        cairo_arc(cr, hx, base - h * 0.3, h * 0.032, kPi, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x + w * 0.06, base - h * 0.28, w * 0.84, h * 0.03);
    Set_Rgb(cr, deck);
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) { // smoke from the funnel, drifting back
        const double t = k + f * 0.5;
        Set_Rgb(cr, Rgba{120, 118, 116, 255}, 0.75 - k * 0.12);
        cairo_arc(cr, x + w * (0.5 - t * 0.07), base - h * (0.86 + t * 0.02), h * (0.05 + t * 0.012), 0, 2 * kPi);
        cairo_fill(cr);
    }
    for (int k = 0; k < 3; ++k) { // the bow wave
        Set_Rgb(cr, kWhite, 0.8);
        Ellipse(cr, x + w * (0.9 - k * 0.06), base - h * 0.02, w * 0.05, h * 0.02);
        cairo_fill(cr);
    }
}

void Crate(cairo_t* cr, double x, double y, double w, double h, bool stencil) {
    Rounded_Rect(cr, x, y, w, h, w * 0.03);
    Set_Rgb(cr, kInk);
    cairo_fill(cr);
    Rounded_Rect(cr, x + 3, y + 3, w - 6, h - 6, w * 0.02);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y, 0, y + h), Rgba{170, 128, 74, 255}, 1.15f, 0.75f, false);
    Set_Rgb(cr, Rgba{110, 76, 40, 255});
    cairo_set_line_width(cr, std::max(2.0, w * 0.035));
    for (double t : {0.33, 0.66}) { // boards
        cairo_move_to(cr, x + 3, y + h * t);
        cairo_line_to(cr, x + w - 3, y + h * t);
    }
    cairo_rectangle(cr, x + w * 0.05, y + h * 0.05, w * 0.9, h * 0.9);
    cairo_stroke(cr);
    if (stencil) {
        Set_Rgb(cr, Rgba{40, 40, 36, 255}, 0.85);
        Text_Centred(cr, "SUPPLIES", x + w / 2, y + h * 0.58, h * 0.17, true);
    }
}

void Helmet(cairo_t* cr, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.62, r = w * 0.36;
    cairo_arc(cr, cx, cy, r, kPi, 2 * kPi);
    cairo_close_path(cr);
    Outline_Fill(cr, Rgba{82, 96, 50, 255}, 2);
    Rounded_Rect(cr, cx - r * 1.45, cy - r * 0.05, r * 2.9, r * 0.22, r * 0.1);
    Outline_Fill(cr, Rgba{62, 74, 38, 255}, 2);
    Set_Rgb(cr, kWhite, 0.35);
    cairo_arc(cr, cx - r * 0.35, cy - r * 0.55, r * 0.18, 0, 2 * kPi);
    cairo_fill(cr);
}

void Clock(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2;
    Rounded_Rect(cr, cx - w * 0.3, y + h * 0.04, w * 0.6, h * 0.9, w * 0.08);
    Outline_Fill(cr, Rgba{110, 70, 40, 255}, 2);
    Rounded_Rect(cr, cx - w * 0.2, y + h * 0.45, w * 0.4, h * 0.42, w * 0.04);
    Set_Rgb(cr, Rgba{60, 38, 22, 255});
    cairo_fill(cr);
    cairo_arc(cr, cx, y + h * 0.26, w * 0.24, 0, 2 * kPi);
    Outline_Fill(cr, Rgba{236, 228, 204, 255}, 2);
    Set_Rgb(cr, kInk);
    for (int k = 0; k < 12; ++k) {
        const double a = k * kPi / 6;
        cairo_arc(cr, cx + std::cos(a) * w * 0.19, y + h * 0.26 + std::sin(a) * w * 0.19, 1.2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, cx, y + h * 0.26);
    cairo_line_to(cr, cx + w * 0.1, y + h * 0.2);
    cairo_move_to(cr, cx, y + h * 0.26);
    cairo_line_to(cr, cx - w * 0.02, y + h * 0.12);
    cairo_stroke(cr);
    const double swing = (f == 0 ? -1 : f == 2 ? 1 : 0) * 0.35; // the pendulum
    const double px = cx + std::sin(swing) * h * 0.34, py = y + h * 0.48 + std::cos(swing) * h * 0.34;
    Set_Rgb(cr, Rgba{210, 170, 70, 255});
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, cx, y + h * 0.48);
    cairo_line_to(cr, px, py);
    cairo_stroke(cr);
    cairo_arc(cr, px, py, w * 0.07, 0, 2 * kPi);
    cairo_fill(cr);
}

void Fan(cairo_t* cr, int f, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h * 0.4, r = w * 0.36;
    Set_Rgb(cr, Rgba{60, 64, 70, 255});
    cairo_rectangle(cr, cx - w * 0.04, cy, w * 0.08, h * 0.45);
    cairo_fill(cr);
    Ellipse(cr, cx, y + h * 0.88, w * 0.28, h * 0.06);
    Outline_Fill(cr, Rgba{70, 74, 80, 255}, 2);
    for (int k = 0; k < 4; ++k) {
        const double a = k * kPi / 2 + f * kPi / 8;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        Ellipse(cr, r * 0.5, 0, r * 0.5, r * 0.2);
        Outline_Fill(cr, Rgba{170, 176, 182, 255}, 1.5);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi); // the guard
    Set_Rgb(cr, Rgba{90, 94, 100, 255});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.12, 0, 2 * kPi);
    Outline_Fill(cr, Rgba{60, 64, 70, 255}, 1.5);
}

void Beam(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x + w * 0.36, y);
    cairo_line_to(cr, x + w * 0.64, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.97, 0.8, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.97, 0.85, 0.85);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.97, 0.8, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int k = 0; k < 30; ++k) { // motes in the light
        Seeded_Rng rng(k, 3u);
        Set_Rgb(cr, kWhite, 0.8);
        cairo_arc(cr, x + w * rng.In(0.35, 0.65), y + h * rng.In(0.05, 0.95), 1.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Grave(cairo_t* cr, double x, double y, double w, double h) {
    const double base = y + h * 0.9, cx = x + w / 2;
    Ellipse(cr, cx, base, w * 0.42, h * 0.07);
    Set_Rgb(cr, Rgba{86, 70, 48, 255});
    cairo_fill(cr);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, w * 0.08);
    cairo_move_to(cr, cx, base);
    cairo_line_to(cr, cx + w * 0.02, y + h * 0.3);
    cairo_stroke(cr);
    Set_Rgb(cr, kWood);
    cairo_set_line_width(cr, w * 0.06);
    cairo_move_to(cr, cx + w * 0.02, y + h * 0.32);
    cairo_line_to(cr, cx + w * 0.02, y + h * 0.5);
    cairo_stroke(cr);
    Helmet(cr, cx - w * 0.3, y + h * 0.08, w * 0.62, h * 0.32);
}

void Masts(cairo_t* cr, double x, double y, double w, double h) {
    const Rgba steel{70, 70, 74, 255};
    auto lattice = [&](double bx, double by, double len, double tilt) {
        const double tx = bx + std::sin(tilt) * len, ty = by - std::cos(tilt) * len;
        Set_Rgb(cr, steel);
        cairo_set_line_width(cr, 3);
        for (double off : {-0.035, 0.035}) {
            cairo_move_to(cr, bx + off * w, by);
            cairo_line_to(cr, tx, ty);
        }
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1.2);
        for (int k = 0; k < 9; ++k) {
            const double t0 = k / 9.0, t1 = (k + 1) / 9.0, sp = 0.035 * w * (1 - t0);
            cairo_move_to(cr, bx + (tx - bx) * t0 - sp, by + (ty - by) * t0);
            cairo_line_to(cr, bx + (tx - bx) * t1 + sp * 0.9, by + (ty - by) * t1);
        }
        cairo_stroke(cr);
        Set_Rgb(cr, Rgba{190, 40, 30, 255});
        cairo_arc(cr, tx, ty, 4, 0, 2 * kPi);
        cairo_fill(cr);
    };
    lattice(x + w * 0.35, y + h * 0.8, h * 0.72, 0.35);
    lattice(x + w * 0.6, y + h * 0.8, h * 0.5, -0.55);
    cairo_move_to(cr, x + w * 0.15, y + h * 0.8); // the wreck's deck awash
    cairo_line_to(cr, x + w * 0.8, y + h * 0.72);
    cairo_line_to(cr, x + w * 0.85, y + h * 0.8);
    cairo_close_path(cr);
    Outline_Fill(cr, Rgba{60, 62, 66, 255}, 2);
    for (int k = 0; k < 6; ++k) {
        Set_Rgb(cr, kWhite, 0.7);
        Ellipse(cr, x + w * (0.15 + k * 0.13), y + h * 0.82, w * 0.06, h * 0.015);
        cairo_fill(cr);
    }
    for (int k = 0; k < 5; ++k) { // smoke
        Set_Rgb(cr, Rgba{70, 70, 72, 255}, 0.55 - k * 0.08);
        cairo_arc(cr, x + w * (0.5 + k * 0.06), y + h * (0.65 - k * 0.12), h * (0.05 + k * 0.02), 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Waves_Strip(cairo_t* cr, double x, double y, double w, double h) {
    Seeded_Rng rng(11, 5u);
    for (int row = 0; row < 3; ++row) {
        const double base = y + h * (0.4 + row * 0.25);
        cairo_move_to(cr, x, y + h);
        for (double px = x; px <= x + w + 20; px += 20)
            cairo_line_to(cr, px, base + std::sin(px * 0.03 + row * 2) * h * 0.08 + rng.In(-2, 2));
        cairo_line_to(cr, x + w, y + h);
        cairo_close_path(cr);
        Fill_Shaded(cr, cairo_pattern_create_linear(0, base - h * 0.1, 0, y + h), Rgba{36, 70, 98, 255},
                    1.1f + row * 0.1f, 0.7f, false);
        for (double px = x; px < x + w; px += rng.In(30, 70)) { // crests
            Set_Rgb(cr, kWhite, 0.75);
            Ellipse(cr, px, base + std::sin(px * 0.03 + row * 2) * h * 0.08, rng.In(8, 20), 2.5);
            cairo_fill(cr);
        }
    }
}

void Smashed_Crates(cairo_t* cr, double x, double y, double w, double h) {
    Crate(cr, x + w * 0.02, y + h * 0.45, w * 0.3, h * 0.5, false);
    cairo_save(cr);
    cairo_translate(cr, x + w * 0.55, y + h * 0.62);
    cairo_rotate(cr, 0.3);
    Crate(cr, -w * 0.12, -h * 0.18, w * 0.24, h * 0.36, false);
    cairo_restore(cr);
    Seeded_Rng rng(5, 9u);
    for (int k = 0; k < 9; ++k) { // loose planks
        cairo_save(cr);
        cairo_translate(cr, x + w * rng.In(0.1, 0.95), y + h * rng.In(0.7, 0.95));
        cairo_rotate(cr, rng.In(-1.2, 1.2));
        cairo_rectangle(cr, -w * 0.08, -h * 0.025, w * 0.16, h * 0.05);
        Outline_Fill(cr, Rgba{170, 128, 74, 255}, 1.2);
        cairo_restore(cr);
    }
    for (int k = 0; k < 7; ++k) { // spilled tins
        cairo_arc(cr, x + w * rng.In(0.3, 0.9), y + h * rng.In(0.8, 0.95), w * 0.025, 0, 2 * kPi);
        Outline_Fill(cr, Rgba{150, 156, 150, 255}, 1);
    }
}

void Radar(cairo_t* cr, double x, double y, double w, double h) {
    const Rgba steel{96, 100, 104, 255};
    Set_Rgb(cr, steel);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, x + w * 0.35, y + h * 0.95); // the broken tower
    cairo_line_to(cr, x + w * 0.45, y + h * 0.5);
    cairo_line_to(cr, x + w * 0.58, y + h * 0.95);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.5);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, x + w * (0.37 + k * 0.015), y + h * (0.9 - k * 0.07));
        cairo_line_to(cr, x + w * (0.56 - k * 0.015), y + h * (0.86 - k * 0.07));
    }
    cairo_stroke(cr);
    cairo_save(cr); // the dish on the ground, tipped over
    cairo_translate(cr, x + w * 0.7, y + h * 0.78);
    cairo_rotate(cr, 0.9);
    Ellipse(cr, 0, 0, w * 0.24, h * 0.09);
    Outline_Fill(cr, Rgba{200, 204, 206, 255}, 2.5);
    Ellipse(cr, 0, -h * 0.01, w * 0.18, h * 0.05);
    Set_Rgb(cr, Rgba{150, 154, 158, 255});
    cairo_fill(cr);
    cairo_restore(cr);
    for (int k = 0; k < 6; ++k) {
        Set_Rgb(cr, Rgba{60, 60, 62, 255}, 0.6 - k * 0.08);
        cairo_arc(cr, x + w * (0.5 + k * 0.05), y + h * (0.45 - k * 0.08), h * (0.06 + k * 0.02), 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Gate(cairo_t* cr, double x, double y, double w, double h) {
    const Rgba stone{132, 124, 110, 255};
    cairo_rectangle(cr, x, y + h * 0.3, w, h * 0.7); // the wall
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.3, 0, y + h), stone, 1.1f, 0.75f, false);
    for (double tx : {0.08, 0.72}) { // towers with battlements
        cairo_rectangle(cr, x + w * tx, y + h * 0.1, w * 0.2, h * 0.9);
        Outline_Fill(cr, Shade(stone, 0.9f), 2);
        for (int k = 0; k < 4; ++k) {
            cairo_rectangle(cr, x + w * (tx + k * 0.055), y + h * 0.03, w * 0.035, h * 0.08);
            Outline_Fill(cr, Shade(stone, 0.9f), 1.5);
        }
        cairo_rectangle(cr, x + w * (tx + 0.08), y + h * 0.3, w * 0.04, h * 0.1);
        Set_Rgb(cr, Rgba{30, 28, 26, 255});
        cairo_fill(cr);
    }
    Set_Rgb(cr, Shade(stone, 0.6f));
    cairo_set_line_width(cr, 1);
    for (double ry = y + h * 0.35; ry < y + h; ry += h * 0.07) { // courses of stone
        cairo_move_to(cr, x, ry);
        cairo_line_to(cr, x + w, ry);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, x + w * 0.36, y + h); // the arch, dark, its gate burst open
    cairo_line_to(cr, x + w * 0.36, y + h * 0.55);
    cairo_arc(cr, x + w * 0.5, y + h * 0.55, w * 0.14, kPi, 2 * kPi);
    cairo_line_to(cr, x + w * 0.64, y + h);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{24, 22, 20, 255});
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) { // the two leaves, hanging askew
        cairo_save(cr);
        cairo_translate(cr, x + w * (0.5 + side * 0.13), y + h * 0.62);
        cairo_rotate(cr, side * 0.5);
        cairo_rectangle(cr, side > 0 ? 0 : -w * 0.07, 0, w * 0.07, h * 0.36);
        Outline_Fill(cr, kWood, 2);
        cairo_restore(cr);
    }
    Seeded_Rng rng(3, 1u);
    for (int k = 0; k < 14; ++k) { // rubble
        cairo_arc(cr, x + w * rng.In(0.3, 0.7), y + h * rng.In(0.9, 1.0), w * rng.In(0.01, 0.025), 0, 2 * kPi);
        Outline_Fill(cr, Shade(stone, 0.8f), 1);
    }
}

// A field of wooden crosses going back in rows to the horizon.
void Crosses(cairo_t* cr, double x, double y, double w, double h) {
    Seeded_Rng rng(17, 4u);
    for (int row = 0; row < 4; ++row) {
        const double t = row / 3.0, base = y + h * (0.35 + 0.6 * t), s = h * (0.12 + 0.22 * t);
        for (double cx = x + rng.In(0, s); cx < x + w; cx += s * rng.In(1.4, 1.9)) {
            const Rgba c = Shade(Rgba{196, 184, 160, 255}, (float)(0.6 + 0.4 * t));
            Set_Rgb(cr, kInk);
            cairo_rectangle(cr, cx - s * 0.08, base - s, s * 0.16, s);
            cairo_rectangle(cr, cx - s * 0.32, base - s * 0.78, s * 0.64, s * 0.14);
            cairo_fill(cr);
            Set_Rgb(cr, c);
            cairo_rectangle(cr, cx - s * 0.06, base - s * 0.98, s * 0.12, s * 0.96);
            cairo_rectangle(cr, cx - s * 0.3, base - s * 0.76, s * 0.6, s * 0.1);
            cairo_fill(cr);
        }
    }
}

// A wooden post with an arm at its top, its hook at the right end (something hangs there).
void Post(cairo_t* cr, double x, double y, double w, double h) {
    const Rgba wood{104, 76, 48, 255};
    cairo_rectangle(cr, x + w * 0.08, y + h * 0.02, w * 0.1, h * 0.98);
    Outline_Fill(cr, wood, 2);
    cairo_rectangle(cr, x + w * 0.08, y + h * 0.02, w * 0.86, h * 0.035);
    Outline_Fill(cr, wood, 2);
    cairo_move_to(cr, x + w * 0.18, y + h * 0.16); // the brace
    cairo_line_to(cr, x + w * 0.42, y + h * 0.055);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, w * 0.06);
    cairo_stroke_preserve(cr);
    Set_Rgb(cr, wood);
    cairo_set_line_width(cr, w * 0.04);
    cairo_stroke(cr);
    Set_Rgb(cr, kInk); // the hook
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, x + w * 0.9, y + h * 0.075, w * 0.03, 0, kPi);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y + h); // a heap of sandbags at its foot
    cairo_rectangle(cr, x, y + h * 0.94, w * 0.3, h * 0.06);
    Outline_Fill(cr, Rgba{170, 150, 100, 255}, 1.5);
}

void Bunker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x, y + h);
    cairo_curve_to(cr, x + w * 0.1, y + h * 0.3, x + w * 0.9, y + h * 0.3, x + w, y + h);
    cairo_close_path(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, y + h * 0.3, 0, y + h), kSand, 1.1f, 0.8f, false);
    Rounded_Rect(cr, x + w * 0.2, y + h * 0.35, w * 0.6, h * 0.5, w * 0.05);
    Outline_Fill(cr, Rgba{150, 148, 140, 255}, 2);
    cairo_rectangle(cr, x + w * 0.3, y + h * 0.5, w * 0.4, h * 0.08);
    Set_Rgb(cr, Rgba{20, 20, 22, 255});
    cairo_fill(cr);
}

} // namespace

bool Page_Figure(const std::string& root, const std::string& image, const Arg_Reader& r) {
    Look look;
    const std::string side = r.Str("side", "friend");
    if (!Look_Of(side, look)) {
        r.error = "unknown figure side '" + side + "'";
        return false;
    }
    const bool left = r.Str("facing", "right") == "left";
    const int count = r.Int("count", 1, 1, 5);
    const int ch = r.Int("size", 192, 48, 384);
    const int cw = count == 1 ? ch : (int)(ch * (0.5 * count + 0.2)); // room for one lying down
    std::vector<Pose> frames;
    std::vector<bool> turned; // frames facing the other way (a pose written "walk:back")
    std::vector<std::vector<int>> anims;
    for (std::string name : Split(r.Str("poses", "stand"), ',')) {
        const bool other_way = name.size() > 5 && name.compare(name.size() - 5, 5, ":back") == 0;
        if (other_way) name.resize(name.size() - 5);
        const std::vector<Pose> f = Frames_Of(name);
        if (f.empty()) {
            r.error = "unknown pose '" + name + "'";
            return false;
        }
        std::vector<int> a;
        for (const Pose& p : f) {
            a.push_back((int)frames.size());
            frames.push_back(p);
            turned.push_back(other_way);
        }
        if (!look.rifle)
            for (size_t k = frames.size() - f.size(); k < frames.size(); ++k) frames[k].rifle = Pose::none;
        if (name == "topple") a.push_back(a.back()); // it ends lying still
        anims.push_back(a);
    }
    // In a file of figures every other one steps with the other foot.
    std::vector<int> partner(frames.size());
    for (size_t k = 0; k < frames.size(); ++k) partner[k] = (int)k;
    for (const std::vector<int>& a : anims)
        if (a.size() >= 2 && a[0] != a[1]) {
            partner[a[0]] = a[1];
            partner[a[1]] = a[0];
        }
    const int columns = 4, rows = Rows_For((int)frames.size(), columns);
    if (rows == 0) {
        r.error = "too many frames";
        return false;
    }
    return Write_Sheet(root, image, SheetLayout{cw, ch, columns, rows}, false,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f >= (int)frames.size()) return;
                           const bool way = left != turned[f];
                           if (count == 1) {
                               Draw_Figure(cr, x, y, w, h, look, frames[f], way);
                               return;
                           }
                           for (int k = 0; k < count; ++k) // a file of them, the last in front
                               Draw_Figure(cr, x + h * (0.5 * k - 0.1), y, h * 0.8, h, look,
                                           frames[k % 2 ? partner[f] : f], way);
                       },
                       anims, 0.3f, 0.3f, 180);
}


bool Page_Prop(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string look = r.Str("look", "");
    const uint32_t seed = Name_Hash(image);
    auto still = [&](int w, int h, const std::function<void(cairo_t*, double, double, double, double)>& draw) {
        Paint p(w, h);
        draw(p.cr(), 0, 0, w, h);
        return Save_Picture(p, root, image, false);
    };
    auto sheet = [&](int w, int h, int frames, int anims, const CellPainter& draw) {
        std::vector<int> all;
        for (int k = 0; k < frames; ++k) all.push_back(k);
        std::vector<std::vector<int>> a(anims, all);
        return Write_Sheet(root, image, SheetLayout{w, h, frames, 1}, false, draw, a, 0.2f, 0.2f, 160);
    };
    if (look == "cloud") return still(256, 128, [&](cairo_t* cr, double x, double y, double w, double h) { Cloud(cr, x, y, w, h, seed); });
    if (look == "troopship")
        return sheet(512, 192, 2, 2, [](cairo_t* cr, int f, double x, double y, double w, double h) { Troopship(cr, f, x, y, w, h); });
    if (look == "supplies") return still(192, 160, [](cairo_t* cr, double x, double y, double w, double h) { Crate(cr, x + 4, y + 4, w - 8, h - 8, true); });
    if (look == "helmet") return still(96, 96, Helmet);
    if (look == "clock")
        return sheet(96, 128, 4, 2, [](cairo_t* cr, int f, double x, double y, double w, double h) { Clock(cr, f, x, y, w, h); });
    if (look == "fan")
        return sheet(128, 128, 4, 2, [](cairo_t* cr, int f, double x, double y, double w, double h) { Fan(cr, f, x, y, w, h); });
    if (look == "beam") return still(128, 256, Beam);
    if (look == "grave") return still(128, 160, Grave);
    if (look == "masts") return still(256, 256, Masts);
    if (look == "waves") return still(1024, 160, Waves_Strip);
    if (look == "crates") return still(256, 160, Smashed_Crates);
    if (look == "radar") return still(256, 256, Radar);
    if (look == "gate") return still(512, 320, Gate);
    if (look == "bunker") return still(256, 160, Bunker);
    if (look == "crosses") return still(1024, 256, Crosses);
    if (look == "post") return still(128, 512, Post);
    r.error = "unknown page prop look '" + look + "'";
    return false;
}

} // namespace painters
