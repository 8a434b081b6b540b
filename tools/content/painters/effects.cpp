// The effects and drops sheet of walk scenes: explosions, smoke, sparks, splashes, flames,
// muzzle blasts, gas, mud, blood, debris and fireworks, and the ground pictures of every
// item that can lie on the ground, each under the animation number the game asks for.
#include <cmath>
#include <map>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/painters/walk_art.h"

namespace painters {

namespace {

using writers::Rgba;
constexpr int kCell = 64, kCols = 16, kRows = 8;

void Radial(cairo_t* cr, double x, double y, double r, double r0, double g0, double b0, double a0, double r1, double g1,
            double b1, double a1) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, r0, g0, b0, a0);
    cairo_pattern_add_color_stop_rgba(g, 1, r1, g1, b1, a1);
    Circle(cr, x, y, r);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Puffs(cairo_t* cr, double cx, double cy, double r, int n, double grey, double alpha, int salt) {
    for (int k = 0; k < n; ++k) {
        const double a = k * 2 * kPi / n + salt, d = r * (0.35 + 0.15 * ((k + salt) % 3));
        Radial(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, r * 0.6, grey + 0.15, grey + 0.15, grey + 0.13, alpha,
               grey, grey, grey - 0.02, 0);
    }
}

void Explosion(cairo_t* cr, double cx, double cy, double size, int k, int n) {
    const double t = (double)k / (n - 1);
    const double r = size * (0.25 + 0.7 * std::sqrt(t));
    if (t < 0.7) Radial(cr, cx, cy, r, 1, 1, 0.8, 1 - t, 1, 0.45, 0.05, 0);
    if (t < 0.5) Radial(cr, cx, cy, r * 0.6, 1, 1, 1, 1 - 2 * t, 1, 0.8, 0.2, 0);
    if (t > 0.25) Puffs(cr, cx, cy, r, 7, 0.25 + 0.2 * t, 0.8 * (1.1 - t), k);
    for (int j = 0; j < 8 && t < 0.6; ++j) { // flying sparks
        const double a = j * 0.8 + 0.3, d = r * (0.9 + 0.2 * (j % 2));
        Circle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 1.5);
        cairo_set_source_rgba(cr, 1, 0.8, 0.3, 1 - t);
        cairo_fill(cr);
    }
}

void Flame(cairo_t* cr, double cx, double cy, double r, int phase) {
    for (int k = 0; k < 5; ++k) {
        const double x = cx + (k - 2) * r * 0.28, h = r * (1.1 + 0.35 * std::sin(phase * 2.1 + k * 1.7));
        cairo_move_to(cr, x - r * 0.3, cy + r * 0.4);
        cairo_curve_to(cr, x - r * 0.35, cy - h * 0.3, x - r * 0.05, cy - h * 0.6, x, cy - h);
        cairo_curve_to(cr, x + r * 0.1, cy - h * 0.6, x + r * 0.35, cy - h * 0.3, x + r * 0.3, cy + r * 0.4);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 1, 0.35 + 0.1 * k, 0.05, 0.85);
        cairo_fill(cr);
    }
    Radial(cr, cx, cy, r * 0.6, 1, 1, 0.7, 0.9, 1, 0.7, 0.2, 0);
}

void Star_Burst(cairo_t* cr, double cx, double cy, double r, int points, double inner, double cr_, double cg,
                double cb, double a) {
    cairo_move_to(cr, cx + r, cy);
    for (int k = 1; k < points * 2; ++k) {
        const double ang = k * kPi / points, rr = k % 2 ? r * inner : r;
        cairo_line_to(cr, cx + std::cos(ang) * rr, cy + std::sin(ang) * rr);
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, cr_, cg, cb, a);
    cairo_fill(cr);
}

// ---- item pictures ----

void Long_Gun(cairo_t* cr, double cx, double cy, Rgba stock, double len, bool drum) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.5);
    Rounded_Rect(cr, -len / 2, -3, len * 0.4, 7, 2);
    Fill_Inked(cr, stock, 1.5);
    cairo_rectangle(cr, -len / 2 + len * 0.38, -2, len * 0.62, 3.5);
    Fill_Inked(cr, Rgba{60, 62, 66, 255}, 1.5);
    if (drum) {
        Circle(cr, -len * 0.02, 5, 5);
        Fill_Inked(cr, Rgba{70, 72, 76, 255}, 1.5);
    }
    cairo_restore(cr);
}

void Coins(cairo_t* cr, double cx, double cy, int n) {
    for (int k = 0; k < n; ++k) {
        const double x = cx - 8 + (k % 3) * 8, y = cy + 6 - (k / 3) * 6;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.6);
        Circle(cr, 0, 0, 6);
        cairo_restore(cr);
        Fill_Inked(cr, Rgba{232, 190, 60, 255}, 1.5);
    }
}

void Item_Icon(cairo_t* cr, int anim, double x, double y) {
    const double cx = x + kCell / 2.0, cy = y + kCell / 2.0;
    // a shadow under every item so it reads as lying on the ground
    cairo_save(cr);
    cairo_translate(cr, cx + 2, cy + 12);
    cairo_scale(cr, 1, 0.35);
    Circle(cr, 0, 0, 16);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    switch (anim) {
    case 13: Coins(cr, cx, cy, 6); break;                              // gold
    case 57: Coins(cr, cx, cy, 3);                                     // gun parts
        cairo_rectangle(cr, cx - 4, cy - 14, 14, 5);
        Fill_Inked(cr, Rgba{90, 92, 96, 255}, 1.5);
        break;
    case 19: case 8: Long_Gun(cr, cx, cy, Rgba{120, 78, 42, 255}, 46, false); break; // rifles
    case 43: case 44: Long_Gun(cr, cx, cy, Rgba{90, 60, 34, 255}, 40, false); break; // shotguns
    case 33: Long_Gun(cr, cx, cy, Rgba{70, 70, 74, 255}, 44, true); break;           // machine gun
    case 20: case 42: case 7: case 60:                                               // pistols
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rectangle(cr, -10, -6, 20, 6);
        Fill_Inked(cr, Rgba{60, 62, 66, 255}, 1.5);
        cairo_rectangle(cr, -10, -1, 6, 11);
        Fill_Inked(cr, anim == 60 ? Rgba{170, 140, 60, 255} : Rgba{100, 70, 40, 255}, 1.5);
        cairo_restore(cr);
        break;
    case 9: case 16: case 21: case 31: {                                             // ammunition boxes
        const Rgba box = anim == 31 ? Rgba{170, 50, 40, 255} : anim == 21 ? Rgba{90, 90, 60, 255} : Rgba{96, 110, 60, 255};
        cairo_rectangle(cr, cx - 12, cy - 8, 24, 16);
        Fill_Inked(cr, box, 1.5);
        for (int k = 0; k < 4; ++k) {
            cairo_rectangle(cr, cx - 10 + k * 6, cy - 12, 4, 6);
            Fill_Inked(cr, Rgba{220, 180, 70, 255}, 1.5);
        }
        break;
    }
    case 38: case 40 + 100: break;
    case 22: case 25: case 62:                                                       // helmets
        Circle(cr, cx, cy, 12);
        Fill_Inked(cr, anim == 62 ? Rgba{150, 150, 160, 255} : Rgba{96, 112, 60, 255}, 1.5);
        Circle(cr, cx - 3, cy - 3, 5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
        cairo_fill(cr);
        break;
    case 4: case 26:                                                                 // boxers
        cairo_move_to(cr, cx - 12, cy - 8);
        cairo_line_to(cr, cx + 12, cy - 8);
        cairo_line_to(cr, cx + 13, cy + 9);
        cairo_line_to(cr, cx + 2, cy + 9);
        cairo_line_to(cr, cx, cy + 2);
        cairo_line_to(cr, cx - 2, cy + 9);
        cairo_line_to(cr, cx - 13, cy + 9);
        cairo_close_path(cr);
        Fill_Inked(cr, anim == 26 ? Rgba{200, 60, 60, 255} : Rgba{220, 220, 230, 255}, 1.5);
        break;
    case 5:                                                                          // medal
        cairo_rectangle(cr, cx - 5, cy - 14, 10, 10);
        Fill_Inked(cr, Rgba{180, 40, 40, 255}, 1.5);
        Star_Burst(cr, cx, cy + 4, 10, 5, 0.45, 0.95, 0.78, 0.2, 1);
        break;
    case 6: case 48:                                                                 // apples
        Circle(cr, cx, cy + 2, 10);
        Fill_Inked(cr, anim == 48 ? Rgba{240, 200, 60, 255} : Rgba{200, 40, 30, 255}, 1.5);
        cairo_move_to(cr, cx, cy - 8);
        cairo_line_to(cr, cx + 3, cy - 13);
        Ink(cr, 1.5);
        break;
    case 17:                                                                         // tin of beans
        cairo_rectangle(cr, cx - 9, cy - 11, 18, 22);
        Fill_Inked(cr, Rgba{170, 170, 176, 255}, 1.5);
        cairo_rectangle(cr, cx - 9, cy - 4, 18, 8);
        Fill_Inked(cr, Rgba{200, 80, 40, 255}, 1.5);
        break;
    case 27:                                                                         // fish
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1.6, 0.8);
        Circle(cr, 0, 0, 8);
        cairo_restore(cr);
        Fill_Inked(cr, Rgba{120, 150, 170, 255}, 1.5);
        break;
    case 61:                                                                         // bread
        Rounded_Rect(cr, cx - 14, cy - 7, 28, 14, 7);
        Fill_Inked(cr, Rgba{200, 150, 80, 255}, 1.5);
        break;
    case 24: case 40:                                                                // book
        cairo_rectangle(cr, cx - 10, cy - 13, 20, 26);
        Fill_Inked(cr, anim == 40 ? Rgba{60, 80, 150, 255} : Rgba{120, 50, 40, 255}, 1.5);
        break;
    case 34: case 55: case 56:                                                       // watches, gas mask
        Circle(cr, cx, cy, 10);
        Fill_Inked(cr, anim == 55 ? Rgba{80, 90, 70, 255} : Rgba{220, 200, 120, 255}, 1.5);
        Circle(cr, cx, cy, 6);
        Fill_Inked(cr, Rgba{240, 240, 230, 255}, 1.5);
        break;
    case 45:                                                                         // card
        Rounded_Rect(cr, cx - 9, cy - 13, 18, 26, 3);
        Fill_Inked(cr, Rgba{240, 236, 224, 255}, 1.5);
        Star_Burst(cr, cx, cy, 6, 4, 0.4, 0.8, 0.1, 0.1, 1);
        break;
    default: {                                                                       // valuables: gems
        const double hue = (anim * 37 % 100) / 100.0;
        cairo_move_to(cr, cx, cy - 12);
        cairo_line_to(cr, cx + 11, cy - 2);
        cairo_line_to(cr, cx, cy + 12);
        cairo_line_to(cr, cx - 11, cy - 2);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.4 + 0.6 * hue, 0.3 + 0.5 * (1 - hue), 0.6 + 0.4 * std::fabs(0.5 - hue));
        cairo_fill_preserve(cr);
        Ink(cr, 1.5);
        break;
    }
    }
}

// Frames of the effect sequences on the sheet.
constexpr int kExplosion = 0, kBlast = 8, kSplash = 13, kFlame = 17, kShotgunBlast = 20, kSpark = 22, kSmoke = 25,
              kGas = 29, kDust = 32, kMudSplat = 36, kMudDrip = 38, kRocket = 41, kMarker = 43, kBurning = 45,
              kBlood = 51, kDebris = 54, kFirework = 58, kStar = 62, kSparkle = 63, kIcons = 64;

// Item pictures by the animation numbers the game gives ground items.
constexpr int kItemAnims[] = {4,  5,  6,  7,  8,  9,  13, 16, 17, 19, 20, 21, 22, 24, 25, 26, 31, 33, 34, 40, 41, 42,
                              43, 44, 45, 46, 48, 49, 50, 51, 52, 53, 55, 56, 57, 60, 61, 62, 66, 67, 68, 69, 70, 71,
                              72, 73, 74, 75, 77, 78, 79, 80, 81, 82, 83, 84};

void Draw_Effect_Cell(cairo_t* cr, int f, double x, double y) {
    const double cx = x + kCell / 2.0, cy = y + kCell / 2.0;
    auto in = [&](int first, int n) { return f >= first && f < first + n; };
    if (in(kExplosion, 8)) Explosion(cr, cx, cy, 30, f - kExplosion, 8);
    else if (in(kBlast, 5)) Explosion(cr, cx, cy, 20, f - kBlast, 5);
    else if (in(kSplash, 4)) {
        const int k = f - kSplash;
        for (int j = 0; j < 8; ++j) {
            const double a = j * kPi / 4, d = 6 + k * 6;
            Circle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7 - (k < 2 ? 6 : 0), 3.5 - k * 0.6);
            cairo_set_source_rgba(cr, 0.8, 0.9, 1, 0.9 - k * 0.2);
            cairo_fill(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, 0.6);
        Circle(cr, 0, 0, 8 + k * 6);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.9, 0.95, 1, 0.8 - k * 0.18);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else if (in(kFlame, 3)) Flame(cr, cx, cy + 6, 14, f - kFlame);
    else if (in(kShotgunBlast, 2)) {
        Star_Burst(cr, cx, cy, 26 - (f - kShotgunBlast) * 6, 9, 0.4, 1, 0.8, 0.3, 0.95);
        Radial(cr, cx, cy, 12, 1, 1, 0.9, 1, 1, 0.7, 0.2, 0);
    } else if (in(kSpark, 3)) {
        const int k = f - kSpark;
        Star_Burst(cr, cx, cy, 12 - k * 3, 6, 0.3, 1, 0.95, 0.6, 1 - k * 0.25);
    } else if (in(kSmoke, 4)) Puffs(cr, cx, cy - (f - kSmoke) * 3, 12 + (f - kSmoke) * 2, 5, 0.45, 0.55, f);
    else if (in(kGas, 3)) {
        for (int j = 0; j < 6; ++j) {
            const double a = j + f * 0.7;
            Radial(cr, cx + std::cos(a) * 12, cy + std::sin(a) * 10, 16, 0.6, 0.85, 0.3, 0.6, 0.5, 0.7, 0.2, 0);
        }
    } else if (in(kDust, 4)) Puffs(cr, cx, cy, 8 + (f - kDust) * 4, 5, 0.62, 0.7 - (f - kDust) * 0.15, f);
    else if (in(kMudSplat, 2) || in(kMudDrip, 3)) {
        const int k = f - (in(kMudSplat, 2) ? kMudSplat : kMudDrip);
        for (int j = 0; j < 6; ++j) {
            Circle(cr, cx + std::cos(j * 1.1 + k) * (8 + k * 4), cy + std::sin(j * 1.1) * (5 + k * 3), 3);
            cairo_set_source_rgba(cr, 0.3, 0.22, 0.12, 0.9);
            cairo_fill(cr);
        }
    } else if (in(kRocket, 2)) {
        Rounded_Rect(cr, cx - 12, cy - 3, 22, 6, 3);
        cairo_set_source_rgb(cr, 0.35, 0.38, 0.3);
        cairo_fill(cr);
        Flame(cr, cx - 16, cy + 2, 6, f - kRocket);
    } else if (in(kMarker, 2)) {
        Circle(cr, cx, cy, 14 - (f - kMarker) * 3);
        cairo_set_source_rgba(cr, 1, 0.2, 0.1, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else if (in(kBurning, 6)) {
        const int k = f - kBurning;
        if (k < 5) Flame(cr, cx, cy + 8, 18 - k * 2.5, k);
        Puffs(cr, cx, cy - 10, 8 + k * 2, 4, 0.2, 0.15 + k * 0.08, k);
    } else if (in(kBlood, 3)) {
        const int k = f - kBlood;
        for (int j = 0; j < 7; ++j) {
            Circle(cr, cx + std::cos(j * 0.9) * (4 + k * 6), cy + std::sin(j * 1.3) * (3 + k * 5), 4 - k);
            cairo_set_source_rgba(cr, 0.6, 0.02, 0.02, 0.9);
            cairo_fill(cr);
        }
    } else if (in(kDebris, 4)) {
        const int k = f - kDebris;
        for (int j = 0; j < 6; ++j) {
            cairo_save(cr);
            cairo_translate(cr, cx + std::cos(j * 1.05) * (5 + k * 7), cy + std::sin(j * 1.05) * (5 + k * 7));
            cairo_rotate(cr, j + k);
            cairo_rectangle(cr, -4, -2, 8, 4);
            cairo_restore(cr);
            cairo_set_source_rgba(cr, 0.45, 0.3, 0.16, 1 - k * 0.2);
            cairo_fill(cr);
        }
    } else if (in(kFirework, 4)) {
        const int k = f - kFirework;
        for (int j = 0; j < 12; ++j) {
            const double a = j * kPi / 6, d = 6 + k * 7;
            Circle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 2.5 - k * 0.4);
            cairo_set_source_rgba(cr, j % 3 == 0 ? 1 : 0.5, j % 3 == 1 ? 1 : 0.4, j % 3 == 2 ? 1 : 0.3, 1 - k * 0.2);
            cairo_fill(cr);
        }
    } else if (f == kStar) Star_Burst(cr, cx, cy, 14, 5, 0.45, 1, 0.9, 0.3, 1);
    else if (f == kSparkle) Star_Burst(cr, cx, cy, 10, 4, 0.25, 1, 1, 0.9, 1);
    else if (f >= kIcons && f - kIcons < (int)(sizeof kItemAnims / sizeof *kItemAnims)) Item_Icon(cr, kItemAnims[f - kIcons], x, y);
}

std::vector<int> Seq(int first, int n) {
    std::vector<int> v;
    for (int k = 0; k < n; ++k) v.push_back(first + k);
    return v;
}

std::vector<std::vector<int>> Effect_Anims() {
    std::vector<std::vector<int>> a(100, std::vector<int>{kSparkle});
    for (size_t k = 0; k < sizeof kItemAnims / sizeof *kItemAnims; ++k) a[kItemAnims[k]] = {kIcons + (int)k};
    const std::map<int, std::vector<int>> effects = {
        {0, {kSparkle}},          {1, Seq(kRocket, 2)},     {2, Seq(kMudSplat, 2)},  {3, Seq(kDust, 4)},
        {11, Seq(kMarker, 2)},    {12, Seq(kSpark, 3)},     {18, Seq(kMudDrip, 3)},  {27, Seq(kSmoke, 4)},
        {35, Seq(kSmoke, 2)},     {36, Seq(kFlame, 3)},     {37, Seq(kExplosion, 8)}, {38, Seq(kBlast, 5)},
        {39, Seq(kSplash, 4)},    {47, Seq(kBurning, 6)},   {54, Seq(kDebris, 4)},   {58, Seq(kFirework, 4)},
        {59, Seq(kBlood, 3)},     {65, Seq(kBlood, 3)},     {76, Seq(kShotgunBlast, 2)}, {85, Seq(kExplosion, 8)},
        {86, Seq(kBlast, 5)},     {87, Seq(kDebris, 4)},    {89, Seq(kGas, 3)},      {90, {kStar}},
    };
    for (const auto& [n, frames] : effects) a[n] = frames;
    return a;
}

} // namespace

bool Write_Effects_Sheet(const std::string& root, const std::string& name) {
    return Write_Sheet(
        root, name, writers::SheetLayout{kCell, kCell, kCols, kRows}, false,
        [](cairo_t* cr, int f, double x, double y, double, double) { Draw_Effect_Cell(cr, f, x, y); }, Effect_Anims(),
        0.1f, 0.1f, 80);
}

} // namespace painters
