// Soldiers seen from above. A figure is drawn in its own frame turned to its facing: +x
// forward, +y to its right; the side it fights on shows in its uniform, helmet and trim,
// its weapon in its hands. Sheets hold 5 facings of every pose and the dying sequences.
#include <cmath>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/painters/walk_art.h"

namespace painters {

namespace {

using writers::Rgba;
using writers::Shade;

constexpr int kCell = 96, kCols = 16, kRows = 8;

// Facing columns of the animation chain: down, up, side (drawn facing left; the game mirrors
// it for the right), down-diagonal and up-diagonal (drawn toward the left). Screen angles.
constexpr double kFacing[5] = {kPi / 2, -kPi / 2, kPi, kPi * 3 / 4, -kPi * 3 / 4};

enum class Pose { Walk, Stand, Alert, Fire, Throw, Crouch, Reload, Hit, Salute };

// Frames of one facing row: column of each pose.
constexpr int kWalk = 0, kStand = 4, kAlert = 5, kFire = 6, kThrow = 8, kCrouch = 11, kReload = 12, kHit = 14,
              kSalute = 15;
// Rows 5 to 7: sequences of four frames, without facing.
constexpr int kDieShot = 5 * kCols, kDieShot2 = 5 * kCols + 4, kDieBlown = 5 * kCols + 8, kMud = 5 * kCols + 12;
constexpr int kDieBurn = 6 * kCols, kDieCrushed = 6 * kCols + 4, kHandsUp = 6 * kCols + 8, kPickUp = 6 * kCols + 12;
constexpr int kSit = 7 * kCols;

void Shaded_Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgba c) {
    Ellipse(cr, cx, cy, rx, ry);
    Fill_Shaded(cr, cairo_pattern_create_radial(cx - rx * 0.3, cy - ry * 0.3, 0.5, cx, cy, std::max(rx, ry)), c, 1.3f,
                0.65f);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.06, 0.85);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void Stroke_Line(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgba c) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.06, 0.9);
    cairo_set_line_width(cr, w + 2);
    cairo_stroke_preserve(cr);
    Set_Rgb(cr, c);
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}

const Rgba kGunMetal{48, 50, 54, 255}, kGunWood{110, 72, 40, 255}, kBoot{46, 36, 28, 255};

// The weapon in the figure's frame, held forward; `kick` pulls it back.
void Weapon_Shape(cairo_t* cr, Weapon w, double kick, double lift) {
    switch (w) {
    case Weapon::Rifle:
    case Weapon::Shotgun:
        Stroke_Line(cr, -4 - kick, 5 + lift, 8 - kick, 4 + lift, 4, kGunWood);
        Stroke_Line(cr, 8 - kick, 4 + lift, 25 - kick, 3 + lift, w == Weapon::Shotgun ? 3.5 : 2.5, kGunMetal);
        break;
    case Weapon::MachineGun:
        Stroke_Line(cr, -4 - kick, 5 + lift, 10 - kick, 4 + lift, 5, kGunMetal);
        Stroke_Line(cr, 10 - kick, 4 + lift, 27 - kick, 3 + lift, 3.5, kGunMetal);
        cairo_rectangle(cr, 4 - kick, 7 + lift, 6, 5); // drum
        Set_Rgb(cr, Shade(kGunMetal, 1.4f));
        cairo_fill(cr);
        break;
    case Weapon::Pistol: Stroke_Line(cr, 12 - kick, 2 + lift, 19 - kick, 2 + lift, 3, kGunMetal); break;
    default: break;
    }
}

void Muzzle_Flash(cairo_t* cr, double x, double y, double r) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_move_to(cr, r * 1.6, 0);
    for (int k = 1; k < 10; ++k) {
        const double a = k * 2 * kPi / 10, rr = k % 2 ? r * 0.45 : r * (k == 2 || k == 8 ? 0.9 : 1.1);
        cairo_line_to(cr, std::cos(a) * rr * (k % 2 ? 1 : 1), std::sin(a) * rr);
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1.0, 0.85, 0.3, 0.95);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 1.0, 0.5, 0.1, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, r * 0.35, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Grenade(cairo_t* cr, double x, double y) {
    Shaded_Ellipse(cr, x, y, 3.2, 3.2, Rgba{70, 84, 50, 255});
}

void Head(cairo_t* cr, const Figure_Look& l) {
    // The face shows as a crescent on the forward side; the helmet covers the rest.
    Ellipse(cr, 2.5, 0, 6.5, 6.0);
    Set_Rgb(cr, l.skin);
    cairo_fill(cr);
    if (l.bare_head) {
        Shaded_Ellipse(cr, -0.5, 0, 6.2, 6.0, l.helmet);
        return;
    }
    Shaded_Ellipse(cr, -0.5, 0, 8.0, 8.0, l.helmet);
    Ellipse(cr, -1.0, 0, 4.5, 4.5);
    Set_Rgb(cr, Shade(l.helmet, 1.2f), 0.5);
    cairo_fill(cr);
    if (!l.player) { // the other side's helmet has a ridge
        Stroke_Line(cr, -7, 0, 5, 0, 1.6, Shade(l.helmet, 0.6f));
    }
}

// One standing figure at (cx, cy) of the cell, facing `angle`.
void Figure(cairo_t* cr, double cx, double cy, double angle, Pose pose, int phase, const Figure_Look& l) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    const double s = pose == Pose::Crouch ? 1.35 : 1.55;
    cairo_scale(cr, s, s);
    // ground shadow (not turned with the figure)
    Ellipse(cr, 3, 4, 14, 11);
    cairo_set_source_rgba(cr, 0, 0, 0, l.wading ? 0.0 : 0.3);
    cairo_fill(cr);
    cairo_rotate(cr, angle);
    if (l.wading) { // a ring of water round the waist
        Ellipse(cr, 0, 0, 15, 17);
        cairo_set_source_rgba(cr, 0.85, 0.93, 1.0, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // legs
    const double stride = pose == Pose::Walk ? (phase == 1 ? 7 : phase == 3 ? -7 : 0) : 0;
    if (!l.wading) {
        if (pose == Pose::Crouch) {
            Ellipse(cr, 9, -6, 5, 3.5);
            Set_Rgb(cr, kBoot);
            cairo_fill(cr);
            Ellipse(cr, -6, 7, 5, 3.5);
            cairo_fill(cr);
        } else {
            Stroke_Line(cr, 0, -5, stride + 2, -5, 5, Shade(l.uniform, 0.8f));
            Stroke_Line(cr, 0, 5, -stride + 2, 5, 5, Shade(l.uniform, 0.8f));
            Ellipse(cr, stride + 4, -5, 4, 3);
            Set_Rgb(cr, kBoot);
            cairo_fill(cr);
            Ellipse(cr, -stride + 4, 5, 4, 3);
            cairo_fill(cr);
        }
    }
    // pack on the back, then the shoulders
    Rounded_Rect(cr, -13, -7, 7, 14, 2.5);
    Set_Rgb(cr, Shade(l.trim, 0.8f));
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.06, 0.85);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Shaded_Ellipse(cr, -1, 0, 8, 13.5, l.uniform);
    // armband on the right shoulder in the side's colour
    Ellipse(cr, -1, 11, 3, 2.6);
    Set_Rgb(cr, l.trim);
    cairo_fill(cr);

    const bool aiming = pose == Pose::Fire || pose == Pose::Alert || pose == Pose::Crouch;
    const double swing = pose == Pose::Walk ? -stride * 0.6 : 0;
    const double kick = pose == Pose::Fire && phase == 1 ? 3 : 0;
    const Rgba sleeve = Shade(l.uniform, 0.9f);
    if (pose == Pose::Throw) {
        const double hx = phase == 0 ? -12 : phase == 1 ? 0 : 14, hy = phase == 0 ? 12 : phase == 1 ? 16 : 10;
        Stroke_Line(cr, -1, 10, hx, hy, 4.5, sleeve);
        if (phase < 2) Grenade(cr, hx, hy + 2);
        Stroke_Line(cr, -1, -10, 8, -9, 4.5, sleeve);
        Weapon_Shape(cr, l.weapon == Weapon::Grenade ? Weapon::None : l.weapon, 6, -14);
    } else if (pose == Pose::Salute) {
        Stroke_Line(cr, -1, 10, 6, 4, 4.5, sleeve);
        Stroke_Line(cr, -1, -10, 2, -12, 4.5, sleeve);
    } else if (pose == Pose::Hit) {
        Stroke_Line(cr, -1, 10, -8, 15, 4.5, sleeve);
        Stroke_Line(cr, -1, -10, -8, -15, 4.5, sleeve);
        Weapon_Shape(cr, l.weapon, 8, 0);
    } else if (l.weapon == Weapon::None || l.weapon == Weapon::Grenade) {
        Stroke_Line(cr, -1, 10, 4 + swing, 12, 4.5, sleeve);
        Stroke_Line(cr, -1, -10, 4 - swing, -12, 4.5, sleeve);
        if (l.weapon == Weapon::Grenade) Grenade(cr, 6 + swing, 13);
    } else if (l.weapon == Weapon::Pistol) {
        const double reach = aiming ? 13 : 6;
        Stroke_Line(cr, -1, 10, reach - kick, 3, 4.5, sleeve);
        Stroke_Line(cr, -1, -10, aiming ? reach - 2 : 3 - swing, aiming ? 0 : -12, 4.5, sleeve);
        if (aiming || pose == Pose::Reload) Weapon_Shape(cr, Weapon::Pistol, kick, pose == Pose::Reload ? 6 : 0);
        else Stroke_Line(cr, 6, 3, 11, 3, 3, kGunMetal);
    } else {
        const double lift = pose == Pose::Reload ? 8 : 0;
        const double hold = aiming ? 0 : 2;
        Weapon_Shape(cr, l.weapon, kick + hold, lift);
        Stroke_Line(cr, -1, 10, 2 - kick, 6 + lift, 4.5, sleeve);
        Stroke_Line(cr, -1, -10, pose == Pose::Reload && phase == 1 ? 4 : 13 - kick, 3 + lift, 4.5, sleeve);
        if (pose == Pose::Reload) {
            cairo_rectangle(cr, phase == 0 ? 6 : 4, 8 + lift - 4 + phase * 5, 4, 5);
            Set_Rgb(cr, kGunMetal);
            cairo_fill(cr);
        }
    }
    Head(cr, l);
    if (pose == Pose::Fire && phase == 0 && l.weapon != Weapon::None && l.weapon != Weapon::Grenade)
        Muzzle_Flash(cr, l.weapon == Weapon::Pistol ? 23 : 30, l.weapon == Weapon::Pistol ? 2 : 3,
                     l.weapon == Weapon::MachineGun ? 8 : 6);
    if (pose == Pose::Hit) {
        cairo_arc(cr, 2, 3, 4, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.75, 0.05, 0.05, 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Blood(cairo_t* cr, double cx, double cy, double r, double alpha) {
    for (int k = 0; k < 5; ++k) {
        Ellipse(cr, cx + std::cos(k * 1.7) * r * 0.5, cy + std::sin(k * 2.3) * r * 0.4, r * (0.5 + 0.1 * k),
                r * (0.35 + 0.08 * k));
        cairo_set_source_rgba(cr, 0.45, 0.02, 0.02, alpha * 0.5);
        cairo_fill(cr);
    }
}

// A figure lying on the ground: `t` 0..1 from falling to flat; `burnt` darkens it.
void Lying(cairo_t* cr, double cx, double cy, double t, bool burnt, const Figure_Look& look, double blood) {
    Figure_Look l = look;
    if (burnt) {
        l.uniform = Rgba{40, 36, 32, 255};
        l.trim = Rgba{30, 28, 26, 255};
        l.helmet = Rgba{36, 34, 32, 255};
        l.skin = Rgba{60, 44, 36, 255};
    }
    if (blood > 0) Blood(cr, cx + 4, cy + 6, 20 * blood, 1.0);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.45, 1.45);
    cairo_rotate(cr, -0.4);
    const double sq = 1.0 - 0.35 * t; // foreshortened as it falls
    // legs, body, arms flung out, head
    Stroke_Line(cr, -6, -4, -22 * sq, -7, 5, Shade(l.uniform, 0.8f));
    Stroke_Line(cr, -6, 4, -22 * sq, 8, 5, Shade(l.uniform, 0.8f));
    Shaded_Ellipse(cr, 0, 0, 12 * sq + 3, 9, l.uniform);
    Stroke_Line(cr, 4, -7, 10, -18 * t - 8, 4.5, l.uniform);
    Stroke_Line(cr, 4, 7, 12, 16 * t + 8, 4.5, l.uniform);
    cairo_save(cr);
    cairo_translate(cr, 16 * sq + 2, 0);
    Head(cr, l);
    cairo_restore(cr);
    if (!burnt && look.weapon != Weapon::None && look.weapon != Weapon::Grenade) {
        cairo_translate(cr, 4, 22);
        cairo_rotate(cr, 0.5);
        Weapon_Shape(cr, look.weapon, 0, 0);
    }
    cairo_restore(cr);
}

void Smoke_Puff(cairo_t* cr, double cx, double cy, double r, double alpha) {
    for (int k = 0; k < 6; ++k) {
        cairo_arc(cr, cx + std::cos(k * 1.05) * r * 0.5, cy + std::sin(k * 1.05) * r * 0.5, r * 0.55, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0.35, 0.35, 0.33, alpha);
        cairo_fill(cr);
    }
}

void Flames(cairo_t* cr, double cx, double cy, double r, int phase) {
    for (int k = 0; k < 7; ++k) {
        const double a = k * 0.9 + phase, x = cx + std::cos(a) * r * 0.5, y = cy + std::sin(a * 1.3) * r * 0.4;
        cairo_move_to(cr, x - r * 0.25, y + r * 0.2);
        cairo_curve_to(cr, x - r * 0.2, y - r * 0.3, x, y - r * 0.7 - (k % 3) * 3, x + r * 0.05, y - r * 0.9);
        cairo_curve_to(cr, x + r * 0.1, y - r * 0.5, x + r * 0.3, y - r * 0.2, x + r * 0.25, y + r * 0.2);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 1.0, 0.45 + 0.1 * (k % 3), 0.05, 0.85);
        cairo_fill(cr);
    }
}

void Draw_Cell(cairo_t* cr, int f, double x, double y, const Figure_Look& l) {
    const double cx = x + kCell / 2.0, cy = y + kCell * 0.55;
    const int row = f / kCols, col = f % kCols;
    if (row < 5) {
        const double a = kFacing[row];
        if (col < kStand) Figure(cr, cx, cy, a, Pose::Walk, col, l);
        else if (col == kStand) Figure(cr, cx, cy, a, Pose::Stand, 0, l);
        else if (col == kAlert) Figure(cr, cx, cy, a, Pose::Alert, 0, l);
        else if (col < kThrow) Figure(cr, cx, cy, a, Pose::Fire, col - kFire, l);
        else if (col < kCrouch) Figure(cr, cx, cy, a, Pose::Throw, col - kThrow, l);
        else if (col == kCrouch) Figure(cr, cx, cy, a, Pose::Crouch, 0, l);
        else if (col < kHit) Figure(cr, cx, cy, a, Pose::Reload, col - kReload, l);
        else if (col == kHit) Figure(cr, cx, cy, a, Pose::Hit, 0, l);
        else Figure(cr, cx, cy, a, Pose::Salute, 0, l);
        return;
    }
    const int k = col % 4;
    if (f >= kDieShot && f < kDieShot + 8) { // shot: stagger, fall, lie, bleed
        if (k == 0) Figure(cr, cx, cy, kFacing[0], Pose::Hit, 0, l);
        else Lying(cr, cx, cy, k / 3.0, false, l, k >= 2 ? (k - 1) / 2.0 : 0);
    } else if (f >= kDieBlown && f < kDieBlown + 4) {
        if (k == 0) {
            Figure(cr, cx, cy, kFacing[0], Pose::Hit, 0, l);
            Flames(cr, cx, cy, 22, 0);
        } else Lying(cr, cx, cy, 1.0, true, l, 0);
        if (k >= 1) Smoke_Puff(cr, cx, cy - 8, 18 - k * 4, 0.5 - k * 0.12);
    } else if (f >= kMud && f < kMud + 4) { // stuck in mud: sinking to the knees and back
        Figure(cr, cx, cy, kFacing[2], Pose::Walk, k, l);
        Ellipse(cr, cx, cy + 4, 20, 12);
        cairo_set_source_rgba(cr, 0.3, 0.22, 0.14, 0.75);
        cairo_fill(cr);
    } else if (f >= kDieBurn && f < kDieBurn + 4) {
        if (k < 2) Figure(cr, cx, cy, kFacing[0], Pose::Hit, 0, l);
        else Lying(cr, cx, cy, 1.0, true, l, 0);
        if (k < 3) Flames(cr, cx, cy, 26 - k * 4, k);
    } else if (f >= kDieCrushed && f < kDieCrushed + 4) {
        Figure_Look flat = l;
        flat.weapon = Weapon::None;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1.0 + k * 0.15, 1.0 - k * 0.2);
        cairo_translate(cr, -cx, -cy);
        Lying(cr, cx, cy, 1.0, false, flat, 0.6 + k * 0.2);
        cairo_restore(cr);
    } else if (f >= kHandsUp && f < kHandsUp + 4) {
        Figure_Look bare = l;
        bare.weapon = Weapon::None;
        Figure(cr, cx, cy, kFacing[0], Pose::Salute, 0, bare);
    } else if (f >= kPickUp && f < kPickUp + 4) {
        Figure(cr, cx, cy, kFacing[0], Pose::Crouch, 0, l);
    } else { // sitting, resting
        Figure(cr, cx, cy, kFacing[k % 2 ? 2 : 0], Pose::Crouch, 0, l);
    }
}

int Facing_Frame(int facing, int col) { return facing * kCols + col; }

std::vector<int> Seq(int first, int n) {
    std::vector<int> v;
    for (int k = 0; k < n; ++k) v.push_back(first + k);
    return v;
}

// The animation table the unit animation chain addresses, by animation number.
std::vector<std::vector<int>> Unit_Anims(bool player) {
    std::vector<std::vector<int>> a(60);
    for (int d = 0; d < 5; ++d) {
        a[0 + d] = {Facing_Frame(d, 0), Facing_Frame(d, 1), Facing_Frame(d, 2), Facing_Frame(d, 3)}; // walk
        a[5 + d] = {Facing_Frame(d, kStand)};                                                       // stand
        a[10 + d] = {Facing_Frame(d, kFire), Facing_Frame(d, kFire + 1), Facing_Frame(d, kAlert)};   // fire
        a[15 + d] = {Facing_Frame(d, kHit), Facing_Frame(d, kStand)};                                // hit
        a[24 + d] = {Facing_Frame(d, kReload), Facing_Frame(d, kReload + 1)};                        // reload
        a[41 + d] = Seq(Facing_Frame(d, kThrow), 3);                                                 // throw
        a[46 + d] = {Facing_Frame(d, 0), Facing_Frame(d, kReload), Facing_Frame(d, 2), Facing_Frame(d, kReload + 1)};
        if (player) {
            a[29 + d] = Seq(Facing_Frame(d, kThrow), 3);
            a[36 + d] = {Facing_Frame(d, kCrouch)};
            a[53 + d] = {Facing_Frame(d, 0), Facing_Frame(d, kFire), Facing_Frame(d, 2), Facing_Frame(d, kFire + 1)};
        } else {
            a[35 + d] = Seq(Facing_Frame(d, kThrow), 3);
            a[51 + d] = {Facing_Frame(d, kAlert)};
        }
    }
    a[20] = Seq(kDieBlown, 4);
    a[21] = Seq(kMud, 4);
    a[22] = Seq(kDieShot, 4);
    a[23] = Seq(kDieShot2, 4);
    if (player) {
        a[34] = Seq(kDieBurn, 4);
        a[35] = {kSalute};
        a[51] = Seq(kPickUp, 2);
        a[52] = {kHandsUp};
        a[58] = Seq(kDieCrushed, 4);
    } else {
        a[29] = Seq(kDieBlown, 4);
        a[30] = Seq(kDieBlown, 4);
        a[31] = Seq(kDieBlown, 4);
        a[32] = Seq(kDieBlown, 4);
        a[33] = Seq(kDieBurn, 4);
        a[34] = Seq(kDieBurn, 4);
        a[40] = {kHandsUp};
        a[56] = Seq(kDieCrushed, 4);
        a[57] = Seq(kDieCrushed, 4);
        a[58] = Seq(kDieCrushed, 4);
    }
    for (auto& v : a)
        if (v.empty()) v = {Facing_Frame(0, kStand)};
    return a;
}

} // namespace

bool Write_Figure_Sheet(const std::string& root, const std::string& name, const Figure_Look& look) {
    return Write_Sheet(
        root, name, writers::SheetLayout{kCell, kCell, kCols, kRows}, false,
        [&](cairo_t* cr, int f, double x, double y, double, double) { Draw_Cell(cr, f, x, y, look); },
        Unit_Anims(look.player), 0.275f, 0.285f, 110);
}

Figure_Look Player_Look(int character, Weapon w) {
    static const Rgba skins[3] = {{224, 180, 140, 255}, {196, 150, 112, 255}, {150, 106, 74, 255}};
    static const Rgba helmets[3] = {{92, 112, 58, 255}, {104, 100, 70, 255}, {80, 98, 64, 255}};
    Figure_Look l;
    l.uniform = Rgba{106, 124, 64, 255};
    l.trim = Rgba{170, 150, 96, 255};
    l.helmet = helmets[character % 3];
    l.skin = skins[character % 3];
    l.weapon = w;
    l.player = true;
    return l;
}

Figure_Look Enemy_Look(Weapon w) {
    Figure_Look l;
    l.uniform = Rgba{104, 112, 124, 255};
    l.trim = Rgba{176, 40, 36, 255};
    l.helmet = Rgba{72, 76, 84, 255};
    l.skin = Rgba{220, 184, 150, 255};
    l.weapon = w;
    return l;
}

Figure_Look Ally_Look(Weapon w) {
    Figure_Look l = Player_Look(0, w);
    l.player = false;
    l.uniform = Rgba{150, 136, 90, 255};
    l.trim = Rgba{70, 96, 50, 255};
    l.helmet = Rgba{110, 120, 70, 255};
    return l;
}

// The one-animation figures (slot 29): people of the camp and the field, each animation a
// short loop of its own figure: 0 a sentry, 1 an officer, 2 a cook, 3 a medic, 4 a soldier
// asleep, 5 a prisoner, 6 a wounded man, 7 an enemy at rest; animations 8 to 18 repeat them
// (by the animation number modulo 8) and 19 is the soldier of 4 awake, sitting at rest (the
// camp shows him so by day and asleep at night).
bool Write_Figures(const std::string& root, const std::string& name) {
    auto look_of = [](int a) {
        switch (a) {
        case 0: return Ally_Look(Weapon::Rifle);
        case 1: { Figure_Look l = Ally_Look(Weapon::Pistol); l.helmet = Rgba{90, 70, 50, 255}; l.bare_head = true; return l; }
        case 2: { Figure_Look l = Ally_Look(Weapon::None); l.uniform = Rgba{226, 222, 210, 255}; l.bare_head = true; l.helmet = Rgba{240, 240, 236, 255}; return l; }
        case 3: { Figure_Look l = Ally_Look(Weapon::None); l.trim = Rgba{230, 230, 230, 255}; return l; }
        case 4: return Ally_Look(Weapon::None);
        case 5: { Figure_Look l = Ally_Look(Weapon::None); l.uniform = Rgba{140, 120, 100, 255}; l.bare_head = true; l.helmet = Rgba{60, 44, 30, 255}; return l; }
        case 6: return Ally_Look(Weapon::None);
        default: return Enemy_Look(Weapon::Rifle);
        }
    };
    std::vector<std::vector<int>> anims;
    for (int a = 0; a < 20; ++a) anims.push_back({(a % 8) * 2, (a % 8) * 2 + 1});
    anims[4] = {6 * 2 + 1}; // asleep
    anims[6] = {6 * 2};
    anims[19] = {4 * 2, 4 * 2 + 1};
    return Write_Sheet(
        root, name, writers::SheetLayout{kCell, kCell, 16, 1}, false,
        [&](cairo_t* cr, int f, double x, double y, double, double) {
            const int a = f / 2, k = f % 2;
            const Figure_Look l = look_of(a);
            const double cx = x + kCell / 2.0, cy = y + kCell * 0.55;
            if (a == 6) Lying(cr, cx, cy, 1.0, false, l, k ? 0.0 : 0.3); // wounded, or asleep
            else if (a == 4) Draw_Cell(cr, kSit, x, y, l);                  // awake, sitting
            else if (a == 3) Draw_Cell(cr, kSit + k, x, y, l);
            else if (a == 5) Figure(cr, cx, cy, kFacing[0], Pose::Salute, 0, l);
            else Figure(cr, cx, cy, kFacing[k ? 3 : 0], a == 1 ? Pose::Salute : Pose::Stand, 0, l);
        },
        anims, 0.275f, 0.285f, 900);
}

} // namespace painters

namespace painters {

namespace {

// A dog sitting at its handler's side, looking up; on the greeting frames it wags.
void Dog(cairo_t* cr, double cx, double cy, int wag) {
    Ellipse(cr, cx + 3, cy + 4, 13, 9);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Stroke_Line(cr, cx + 10, cy + 2, cx + 18, cy + (wag ? -6 : 6), 3, Rgba{120, 84, 46, 255}); // tail
    Shaded_Ellipse(cr, cx, cy, 12, 8, Rgba{138, 96, 54, 255});
    Shaded_Ellipse(cr, cx - 12, cy - 3, 7, 6, Rgba{150, 106, 60, 255});
    Shaded_Ellipse(cr, cx - 13, cy - 8, 3, 4, Rgba{90, 60, 34, 255}); // ear
}

Figure_Look Person_Look(Camp_Person p) {
    Figure_Look l = Ally_Look(Weapon::None);
    auto bare = [&](Rgba hair) {
        l.bare_head = true;
        l.helmet = hair;
    };
    switch (p) {
    case Camp_Person::Commander: // the commander: dark tunic, gold trim, red hair
        l.uniform = Rgba{78, 92, 56, 255};
        l.trim = Rgba{214, 180, 80, 255};
        l.skin = Rgba{236, 196, 164, 255};
        bare(Rgba{176, 76, 40, 255});
        break;
    case Camp_Person::Drill: // campaign hat, pistol at hand
        l.weapon = Weapon::Pistol;
        l.uniform = Rgba{160, 140, 92, 255};
        l.helmet = Rgba{120, 90, 50, 255};
        break;
    case Camp_Person::Paymaster: // shirt sleeves, grey hair
        l.uniform = Rgba{200, 190, 160, 255};
        l.trim = Rgba{90, 80, 60, 255};
        bare(Rgba{170, 170, 170, 255});
        break;
    case Camp_Person::Croupier: // white shirt, red waistcoat
        l.uniform = Rgba{236, 232, 226, 255};
        l.trim = Rgba{170, 30, 40, 255};
        bare(Rgba{40, 30, 24, 255});
        break;
    case Camp_Person::Gallery: // the range warden with his rifle
        l.weapon = Weapon::Rifle;
        l.trim = Rgba{230, 200, 60, 255};
        break;
    case Camp_Person::Dealer: // blue shirt, green visor
        l.uniform = Rgba{80, 110, 160, 255};
        bare(Rgba{60, 140, 80, 255});
        break;
    case Camp_Person::Medic: // white coat with a red band
        l.uniform = Rgba{236, 236, 230, 255};
        l.trim = Rgba{200, 30, 30, 255};
        l.helmet = Rgba{230, 230, 226, 255};
        break;
    case Camp_Person::Dog_Handler:
        l.uniform = Rgba{128, 104, 70, 255};
        bare(Rgba{90, 60, 34, 255});
        break;
    case Camp_Person::Armourer: // grey overalls, machine gun
        l.weapon = Weapon::MachineGun;
        l.uniform = Rgba{100, 104, 108, 255};
        l.trim = Rgba{60, 60, 60, 255};
        bare(Rgba{50, 40, 30, 255});
        break;
    case Camp_Person::Trader: // a civilian's brown coat
        l.uniform = Rgba{110, 70, 90, 255};
        l.trim = Rgba{200, 170, 90, 255};
        bare(Rgba{30, 26, 22, 255});
        break;
    case Camp_Person::Spy: // long dark coat and hat
        l.uniform = Rgba{52, 52, 58, 255};
        l.trim = Rgba{30, 30, 30, 255};
        l.helmet = Rgba{36, 34, 32, 255};
        break;
    case Camp_Person::Recruit:
    default:
        l.weapon = Weapon::Rifle;
        break;
    }
    return l;
}

} // namespace

bool Write_Camp_People(const std::string& root, const std::string& name) {
    const int people = (int)Camp_Person::Count;
    std::vector<std::vector<int>> anims;
    for (int k = 0; k < people; ++k) {
        anims.push_back({4 * k, 4 * k, 4 * k, 4 * k + 1});         // at rest: looks about now and then
        anims.push_back({4 * k + 2, 4 * k + 3, 4 * k + 2, 4 * k + 3}); // greeting
    }
    int rows = 1; // the drawer maps sheets of 1, 2, 4 or 8 rows
    while (rows * 16 < people * 4) rows *= 2;
    return Write_Sheet(
        root, name, writers::SheetLayout{kCell, kCell, 16, rows}, false,
        [&](cairo_t* cr, int f, double x, double y, double, double) {
            const int k = f / 4, phase = f % 4;
            if (k >= people) return;
            const Camp_Person who = (Camp_Person)k;
            const Figure_Look l = Person_Look(who);
            const double cx = x + kCell / 2.0, cy = y + kCell * 0.55;
            if (who == Camp_Person::Dog_Handler) Dog(cr, cx + 26, cy + 22, phase == 3);
            const double angle = phase == 1 ? kFacing[3] : kFacing[0];
            const Pose pose = phase == 2 ? Pose::Salute : phase == 3 ? Pose::Alert : Pose::Stand;
            Figure(cr, cx, cy, angle, pose, 0, l);
        },
        anims, 0.275f, 0.285f, 260);
}

} // namespace painters
