#include "content/painters/people.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <sstream>

#include "content/painters/paint.h"
#include "content/writers/art.h"

namespace painters {

namespace {

using writers::Mix;
using writers::Rgba;
using writers::Shade;
using writers::SheetLayout;


const Rgba kInk{28, 22, 20, 255}, kWhite{246, 242, 232, 255}, kGoldTrim{222, 180, 70, 255},
    kBlack{30, 30, 34, 255};

struct Named {
    const char* name;
    Rgba c;
};
constexpr Named CLOTH[] = {
    {"olive", {92, 108, 58, 255}},  {"steel", {78, 92, 108, 255}},   {"red", {150, 40, 34, 255}},
    {"sand", {190, 170, 122, 255}}, {"gold", {200, 160, 60, 255}},   {"khaki", {150, 132, 86, 255}},
    {"navy", {36, 48, 82, 255}},    {"white", {236, 234, 226, 255}}, {"black", {34, 34, 38, 255}},
    {"brown", {110, 74, 46, 255}},  {"grey", {120, 122, 124, 255}},  {"green", {52, 96, 60, 255}},
    {"blue", {60, 96, 150, 255}},   {"tan", {176, 136, 90, 255}},    {"purple", {96, 56, 110, 255}},
    {"tartan", {40, 80, 60, 255}},
};
constexpr Named HAIR[] = {
    {"black", {34, 28, 26, 255}},   {"brown", {96, 62, 36, 255}}, {"blond", {214, 180, 100, 255}},
    {"ginger", {190, 92, 40, 255}}, {"grey", {150, 150, 146, 255}}, {"white", {226, 224, 216, 255}},
};
constexpr Named SKIN[] = {
    {"light", {232, 190, 150, 255}}, {"pale", {240, 212, 186, 255}}, {"tan", {200, 150, 104, 255}},
    {"dark", {140, 96, 66, 255}},    {"ruddy", {226, 164, 130, 255}},
};

bool Find(const Named* table, size_t n, const std::string& name, Rgba& out) {
    for (size_t k = 0; k < n; ++k)
        if (name == table[k].name) {
            out = table[k].c;
            return true;
        }
    return false;
}

std::set<std::string> Words(const std::string& list) {
    std::set<std::string> s;
    std::stringstream in(list);
    std::string w;
    while (std::getline(in, w, ',')) if (!w.empty()) s.insert(w);
    return s;
}

// A small fixed-seed generator for hair, stubble and clutter.
struct Rng : Seeded_Rng {
    explicit Rng(uint32_t seed) : Seeded_Rng(seed, 7u) {}
};

} // namespace

namespace {

// Fills the current path with a light-to-dark gradient from the upper left, outlined in ink.
void Shaded(cairo_t* cr, Rgba c, double x0, double y0, double x1, double y1, double line) {
    Fill_Shaded(cr, cairo_pattern_create_linear(x0, y0, x1, y1), c, 1.18f, 0.72f);
    Stroke(cr, kInk, line);
}
// An ellipse that starts a path of its own (no line from the current point).
void Oval(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    Ellipse(cr, cx, cy, rx, ry);
}

// ---- The look of a person ---------------------------------------------------------------

struct Look {
    std::string kind = "person"; // person, dog
    std::string view = "front";  // front, back
    std::string hat = "helmet", hair = "short", mood = "plain";
    Rgba coat{92, 108, 58, 255}, hat_c{92, 108, 58, 255}, hair_c{96, 62, 36, 255}, skin{232, 190, 150, 255},
        eyes{70, 90, 120, 255}, fur{236, 230, 214, 255}, spots{140, 92, 52, 255};
    std::set<std::string> face, dress;
    double build = 1.0;
    bool female = false, night = false;
};

bool Read_Look(const Art_Args& a, Look& l, std::string& error) {
    auto get = [&](const char* k, const std::string& def) {
        auto it = a.find(k);
        return it == a.end() ? def : it->second;
    };
    auto colour = [&](const char* k, const Named* t, size_t n, Rgba& out) {
        auto it = a.find(k);
        if (it == a.end()) return true;
        if (Find(t, n, it->second, out)) return true;
        error = std::string("unknown ") + k + " '" + it->second + "'";
        return false;
    };
    l.kind = get("kind", "person");
    l.view = get("view", "front");
    l.hat = get("hat", "helmet");
    l.hair = get("hair", "short");
    l.mood = get("mood", "plain");
    l.face = Words(get("face", ""));
    l.dress = Words(get("dress", ""));
    l.female = get("female", "0") == "1";
    l.night = get("night", "0") == "1";
    const std::string build = get("build", "normal");
    l.build = build == "broad" ? 1.16 : build == "thin" ? 0.86 : build == "stout" ? 1.3 : 1.0;
    if (!colour("colour", CLOTH, std::size(CLOTH), l.coat)) return false;
    l.hat_c = l.coat;
    if (!colour("hat_colour", CLOTH, std::size(CLOTH), l.hat_c)) return false;
    if (!colour("hair_colour", HAIR, std::size(HAIR), l.hair_c)) return false;
    if (!colour("skin", SKIN, std::size(SKIN), l.skin)) return false;
    if (!colour("fur", CLOTH, std::size(CLOTH), l.fur)) return false;
    if (!colour("spots", CLOTH, std::size(CLOTH), l.spots)) return false;
    const std::string eyes = get("eyes", "blue");
    l.eyes = eyes == "brown" ? Rgba{100, 64, 34, 255} : eyes == "green" ? Rgba{70, 120, 70, 255} : l.eyes;
    static const std::set<std::string> hats = {"helmet", "cap", "beret", "peaked", "bandana", "tricorn", "chef",
                                               "bowler", "fedora", "glengarry", "bush", "pilot", "nurse", "none"};
    static const std::set<std::string> hairs = {"short", "curly", "long", "bun", "bald", "crop", "none"};
    if (!hats.count(l.hat)) error = "unknown hat '" + l.hat + "'";
    if (!hairs.count(l.hair)) error = "unknown hair '" + l.hair + "'";
    if (l.kind != "person" && l.kind != "dog") error = "unknown kind '" + l.kind + "'";
    if (l.view != "front" && l.view != "back") error = "unknown view '" + l.view + "'";
    return error.empty();
}

// Geometry of a bust in a cell: head centre, radii and the line width of the outlines.
struct Frame {
    double x, y, w, h, cx, hy, hr, hry, line, top; // top: where the shoulders start
};

Frame Frame_Of(double x, double y, double w, double h) {
    Frame f{x, y, w, h, x + w / 2, y + h * 0.42, w * 0.19, w * 0.225, std::max(1.5, w / 110.0), 0};
    f.top = f.hy + f.hry * 1.02;
    return f;
}

// ---- Clothes ----------------------------------------------------------------------------

void Torso_Path(cairo_t* cr, const Frame& f, double sw) {
    const double b = f.y + f.h + 2;
    cairo_move_to(cr, f.cx - sw, b);
    cairo_curve_to(cr, f.cx - sw, f.top + f.h * 0.1, f.cx - sw * 0.8, f.top + f.h * 0.02, f.cx - f.hr * 0.6, f.top);
    cairo_line_to(cr, f.cx + f.hr * 0.6, f.top);
    cairo_curve_to(cr, f.cx + sw * 0.8, f.top + f.h * 0.02, f.cx + sw, f.top + f.h * 0.1, f.cx + sw, b);
    cairo_close_path(cr);
}

void Torso(cairo_t* cr, const Look& l, const Frame& f, bool back) {
    const double sw = f.w * 0.42 * l.build, b = f.y + f.h + 2;
    const Rgba coat = l.dress.count("labcoat") ? Rgba{232, 234, 230, 255} : l.coat;
    Torso_Path(cr, f, sw);
    Shaded(cr, coat, f.cx - sw, f.top, f.cx + sw, b, f.line);
    if (l.dress.count("tartan")) { // a checked plaid over the coat
        cairo_save(cr);
        Torso_Path(cr, f, sw);
        cairo_clip(cr);
        for (double k = f.cx - sw; k < f.cx + sw; k += f.w * 0.06) {
            cairo_rectangle(cr, k, f.top, f.w * 0.02, f.h);
            Fill(cr, Rgba{160, 40, 40, 255}, 0.5);
        }
        for (double k = f.top; k < b; k += f.w * 0.06) {
            cairo_rectangle(cr, f.cx - sw, k, 2 * sw, f.w * 0.018);
            Fill(cr, Rgba{200, 170, 60, 255}, 0.35);
        }
        cairo_restore(cr);
    }
    // Shoulder seams and the sleeves' folds.
    for (int s : {-1, 1}) {
        cairo_move_to(cr, f.cx + s * sw * 0.62, f.top + f.h * 0.05);
        cairo_curve_to(cr, f.cx + s * sw * 0.7, f.top + f.h * 0.14, f.cx + s * sw * 0.72, f.top + f.h * 0.24,
                       f.cx + s * sw * 0.7, b);
        Stroke(cr, Shade(coat, 0.7f), f.line * 0.8);
    }
    if (back) { // the jacket's collar seen from behind
        cairo_move_to(cr, f.cx - f.hr * 0.75, f.top + f.h * 0.01);
        cairo_curve_to(cr, f.cx - f.hr * 0.4, f.top + f.h * 0.07, f.cx + f.hr * 0.4, f.top + f.h * 0.07,
                       f.cx + f.hr * 0.75, f.top + f.h * 0.01);
        cairo_line_to(cr, f.cx + f.hr * 0.7, f.top - f.h * 0.03);
        cairo_curve_to(cr, f.cx + f.hr * 0.3, f.top + f.h * 0.01, f.cx - f.hr * 0.3, f.top + f.h * 0.01,
                       f.cx - f.hr * 0.7, f.top - f.h * 0.03);
        cairo_close_path(cr);
        Shaded(cr, Shade(coat, 0.85f), f.cx - f.hr, f.top, f.cx + f.hr, f.top + f.h * 0.07, f.line * 0.8);
        if (l.dress.count("pack")) { // the straps of a pack
            for (int s : {-1, 1}) {
                cairo_rectangle(cr, f.cx + s * sw * 0.42 - f.w * 0.03, f.top + f.h * 0.04, f.w * 0.06, f.h);
                Shaded(cr, Rgba{96, 80, 50, 255}, 0, f.top, 0, b, f.line * 0.7);
            }
        }
        return;
    }
    // Shirt and lapels.
    const double vy = f.top + f.h * 0.16;
    const Rgba shirt = l.dress.count("labcoat") ? Rgba{150, 170, 190, 255} : Mix(coat, kWhite, 0.55f);
    cairo_move_to(cr, f.cx - f.hr * 0.62, f.top - 1);
    cairo_line_to(cr, f.cx + f.hr * 0.62, f.top - 1);
    cairo_line_to(cr, f.cx, vy);
    cairo_close_path(cr);
    Fill(cr, shirt);
    for (int s : {-1, 1}) {
        cairo_move_to(cr, f.cx + s * f.hr * 0.64, f.top - 2);
        cairo_line_to(cr, f.cx + s * f.hr * 0.95, f.top + f.h * 0.05);
        cairo_line_to(cr, f.cx + s * f.hr * 0.05, vy + f.h * 0.02);
        cairo_close_path(cr);
        Shaded(cr, Shade(coat, 0.88f), f.cx, f.top, f.cx + s * f.hr, vy, f.line * 0.8);
    }
    if (l.dress.count("tie")) {
        cairo_move_to(cr, f.cx - f.w * 0.018, f.top + f.h * 0.01);
        cairo_line_to(cr, f.cx + f.w * 0.018, f.top + f.h * 0.01);
        cairo_line_to(cr, f.cx + f.w * 0.03, vy - f.h * 0.01);
        cairo_line_to(cr, f.cx, vy + f.h * 0.02);
        cairo_line_to(cr, f.cx - f.w * 0.03, vy - f.h * 0.01);
        cairo_close_path(cr);
        Shaded(cr, Rgba{120, 30, 30, 255}, f.cx, f.top, f.cx, vy, f.line * 0.6);
    }
    if (l.dress.count("bowtie")) {
        for (int s : {-1, 1}) {
            cairo_move_to(cr, f.cx, f.top + f.h * 0.03);
            cairo_line_to(cr, f.cx + s * f.w * 0.06, f.top);
            cairo_line_to(cr, f.cx + s * f.w * 0.06, f.top + f.h * 0.06);
            cairo_close_path(cr);
            Shaded(cr, Rgba{150, 30, 40, 255}, f.cx, f.top, f.cx, f.top + f.h * 0.06, f.line * 0.6);
        }
    }
    if (l.dress.count("scarf")) {
        cairo_move_to(cr, f.cx - f.hr * 0.9, f.top - f.h * 0.01);
        cairo_curve_to(cr, f.cx - f.hr * 0.4, f.top + f.h * 0.06, f.cx + f.hr * 0.4, f.top + f.h * 0.06,
                       f.cx + f.hr * 0.9, f.top - f.h * 0.01);
        cairo_line_to(cr, f.cx + f.hr * 0.85, f.top + f.h * 0.05);
        cairo_curve_to(cr, f.cx + f.hr * 0.4, f.top + f.h * 0.11, f.cx - f.hr * 0.4, f.top + f.h * 0.11,
                       f.cx - f.hr * 0.85, f.top + f.h * 0.05);
        cairo_close_path(cr);
        Shaded(cr, Rgba{196, 60, 44, 255}, f.cx, f.top, f.cx, f.top + f.h * 0.1, f.line * 0.7);
        cairo_rectangle(cr, f.cx + f.hr * 0.2, f.top + f.h * 0.06, f.w * 0.05, f.h * 0.16);
        Shaded(cr, Rgba{196, 60, 44, 255}, f.cx, f.top, f.cx, f.top + f.h * 0.2, f.line * 0.7);
    }
    if (l.dress.count("apron")) {
        Rounded_Rect(cr, f.cx - sw * 0.55, f.top + f.h * 0.1, sw * 1.1, f.h, f.w * 0.04);
        Shaded(cr, Rgba{236, 232, 220, 255}, f.cx - sw, f.top, f.cx + sw, f.y + f.h, f.line * 0.8);
        for (int s : {-1, 1}) {
            cairo_move_to(cr, f.cx + s * sw * 0.45, f.top + f.h * 0.11);
            cairo_line_to(cr, f.cx + s * f.hr * 0.55, f.top);
            Stroke(cr, Rgba{200, 196, 184, 255}, f.line * 2);
        }
        for (int k = 0; k < 3; ++k) { // stains
            Circle(cr, f.cx - sw * 0.2 + k * sw * 0.22, f.top + f.h * (0.2 + 0.04 * k), f.w * 0.015 + k);
            Fill(cr, Rgba{150, 110, 70, 255}, 0.5);
        }
    }
    if (l.dress.count("labcoat")) { // pens in the breast pocket
        cairo_rectangle(cr, f.cx + sw * 0.3, f.top + f.h * 0.13, sw * 0.3, f.h * 0.1);
        Stroke(cr, Rgba{170, 170, 170, 255}, f.line * 0.8);
        for (int k = 0; k < 3; ++k) {
            cairo_rectangle(cr, f.cx + sw * 0.34 + k * sw * 0.08, f.top + f.h * 0.09, f.w * 0.012, f.h * 0.06);
            Fill(cr, k == 1 ? Rgba{180, 40, 40, 255} : Rgba{40, 60, 140, 255});
        }
    }
    if (l.dress.count("buttons"))
        for (int k = 0; k < 3; ++k) {
            Circle(cr, f.cx, vy + f.h * (0.05 + 0.07 * k), f.w * 0.012);
            Fill_Keep(cr, kGoldTrim);
            Stroke(cr, kInk, f.line * 0.5);
        }
    if (l.dress.count("stripes")) // sergeant's chevrons on the left sleeve
        for (int k = 0; k < 3; ++k) {
            const double sx = f.cx - sw * 0.8, sy = f.top + f.h * (0.14 + 0.045 * k);
            cairo_move_to(cr, sx - f.w * 0.07, sy);
            cairo_line_to(cr, sx, sy + f.h * 0.04);
            cairo_line_to(cr, sx + f.w * 0.07, sy);
            Stroke(cr, kInk, f.line * 3.4);
            cairo_move_to(cr, sx - f.w * 0.07, sy);
            cairo_line_to(cr, sx, sy + f.h * 0.04);
            cairo_line_to(cr, sx + f.w * 0.07, sy);
            Stroke(cr, kGoldTrim, f.line * 2);
        }
    if (l.dress.count("epaulettes"))
        for (int s : {-1, 1}) {
            Oval(cr, f.cx + s * sw * 0.66, f.top + f.h * 0.05, f.w * 0.09, f.h * 0.03);
            Shaded(cr, kGoldTrim, 0, f.top, 0, f.top + f.h * 0.08, f.line * 0.7);
            for (int k = -3; k <= 3; ++k) {
                cairo_move_to(cr, f.cx + s * sw * 0.66 + k * f.w * 0.022, f.top + f.h * 0.07);
                cairo_line_to(cr, f.cx + s * sw * 0.66 + k * f.w * 0.024, f.top + f.h * 0.11);
                Stroke(cr, kGoldTrim, f.line);
            }
        }
    if (l.dress.count("medals")) {
        const Rgba ribbons[] = {{170, 40, 40, 255}, {40, 80, 160, 255}, {220, 190, 60, 255}};
        for (int k = 0; k < 3; ++k) {
            const double mx = f.cx + sw * 0.22 + k * f.w * 0.055, my = f.top + f.h * 0.13;
            cairo_rectangle(cr, mx, my, f.w * 0.04, f.h * 0.05);
            Fill_Keep(cr, ribbons[k]);
            Stroke(cr, kInk, f.line * 0.5);
            Circle(cr, mx + f.w * 0.02, my + f.h * 0.075, f.w * 0.022);
            Fill_Keep(cr, k == 1 ? Rgba{200, 200, 210, 255} : kGoldTrim);
            Stroke(cr, kInk, f.line * 0.5);
        }
    }
    if (l.dress.count("sash")) {
        cairo_move_to(cr, f.cx - sw * 0.7, f.top + f.h * 0.04);
        cairo_line_to(cr, f.cx - sw * 0.45, f.top + f.h * 0.02);
        cairo_line_to(cr, f.cx + sw * 0.8, f.y + f.h);
        cairo_line_to(cr, f.cx + sw * 0.45, f.y + f.h);
        cairo_close_path(cr);
        Shaded(cr, Rgba{170, 30, 40, 255}, f.cx - sw, f.top, f.cx + sw, f.y + f.h, f.line * 0.6);
    }
    if (l.dress.count("dogtags")) {
        cairo_move_to(cr, f.cx - f.hr * 0.45, f.top);
        cairo_curve_to(cr, f.cx - f.hr * 0.3, vy, f.cx + f.hr * 0.3, vy, f.cx + f.hr * 0.45, f.top);
        Stroke(cr, Rgba{190, 190, 196, 255}, f.line * 0.7);
        for (int k = 0; k < 2; ++k) {
            Rounded_Rect(cr, f.cx - f.w * 0.02 + k * f.w * 0.02, vy - f.h * 0.01 + k * 3, f.w * 0.035, f.h * 0.05, 3);
            Fill_Keep(cr, Rgba{200, 200, 206, 255});
            Stroke(cr, kInk, f.line * 0.5);
        }
    }
    if (l.dress.count("stripes_shirt")) { // a sailor's striped shirt in the V
        for (int k = 0; k < 4; ++k) {
            const double yy = f.top + k * f.h * 0.035;
            const double half = f.hr * 0.6 * (1 - (yy - f.top) / (vy - f.top));
            cairo_rectangle(cr, f.cx - half, yy, 2 * half, f.h * 0.012);
            Fill(cr, Rgba{40, 50, 110, 255});
        }
    }
}

// ---- Heads ------------------------------------------------------------------------------

void Ears(cairo_t* cr, const Look& l, const Frame& f) {
    for (int s : {-1, 1}) {
        Oval(cr, f.cx + s * f.hr * 0.98, f.hy + f.hry * 0.06, f.hr * 0.17, f.hr * 0.27);
        Shaded(cr, l.skin, f.cx, f.hy - f.hr, f.cx, f.hy + f.hr, f.line);
        Oval(cr, f.cx + s * f.hr * 0.99, f.hy + f.hry * 0.06, f.hr * 0.07, f.hr * 0.14);
        Fill(cr, Shade(l.skin, 0.75f));
    }
}

void Neck(cairo_t* cr, const Look& l, const Frame& f) {
    cairo_rectangle(cr, f.cx - f.hr * 0.44, f.hy + f.hry * 0.5, f.hr * 0.88, f.top - (f.hy + f.hry * 0.5) + f.h * 0.02);
    Shaded(cr, Shade(l.skin, 0.88f), f.cx - f.hr, 0, f.cx + f.hr, 0, f.line);
}

void Head_Shape(cairo_t* cr, const Look& l, const Frame& f) {
    const double chin = l.female ? 0.92 : 1.0;
    cairo_new_sub_path(cr);
    // a rounded head with a slightly squarer jaw for the men
    cairo_move_to(cr, f.cx - f.hr, f.hy);
    cairo_curve_to(cr, f.cx - f.hr, f.hy - f.hry * 1.34, f.cx + f.hr, f.hy - f.hry * 1.34, f.cx + f.hr, f.hy);
    cairo_curve_to(cr, f.cx + f.hr * chin, f.hy + f.hry * 0.7, f.cx + f.hr * 0.55 * chin, f.hy + f.hry,
                   f.cx, f.hy + f.hry);
    cairo_curve_to(cr, f.cx - f.hr * 0.55 * chin, f.hy + f.hry, f.cx - f.hr * chin, f.hy + f.hry * 0.7, f.cx - f.hr,
                   f.hy);
    cairo_close_path(cr);
}

void Head(cairo_t* cr, const Look& l, const Frame& f) {
    Head_Shape(cr, l, f);
    cairo_pattern_t* g = cairo_pattern_create_radial(f.cx - f.hr * 0.3, f.hy - f.hry * 0.3, f.hr * 0.2, f.cx, f.hy,
                                                     f.hr * 1.3);
    const Rgba hi = Shade(l.skin, 1.1f), lo = Shade(l.skin, 0.78f);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r / 255.0, hi.g / 255.0, hi.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r / 255.0, lo.g / 255.0, lo.b / 255.0);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Stroke(cr, kInk, f.line);
}

void Hair_Behind(cairo_t* cr, const Look& l, const Frame& f) {
    if (l.hair == "long") {
        Rounded_Rect(cr, f.cx - f.hr * 1.2, f.hy - f.hry * 0.9, f.hr * 2.4, f.hry * 2.3, f.hr);
        Shaded(cr, l.hair_c, f.cx - f.hr, f.hy - f.hry, f.cx + f.hr, f.hy + f.hry, f.line);
    } else if (l.hair == "bun") {
        Circle(cr, f.cx + f.hr * 0.7, f.hy - f.hry * 0.85, f.hr * 0.42);
        Shaded(cr, l.hair_c, f.cx, f.hy - f.hry * 1.3, f.cx + f.hr, f.hy - f.hry * 0.5, f.line);
    }
}

void Hair_Top(cairo_t* cr, const Look& l, const Frame& f, Rng& rng) {
    if (l.hair == "bald" || l.hair == "none") {
        if (l.hair == "bald") { // a shine
            Oval(cr, f.cx - f.hr * 0.3, f.hy - f.hry * 0.75, f.hr * 0.22, f.hr * 0.1);
            Fill(cr, kWhite, 0.35);
        }
        return;
    }
    const double fringe = f.hy - f.hry * (l.hair == "crop" ? 0.62 : 0.45);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, f.cx - f.hr * 1.04, f.hy - f.hry * 0.05);
    cairo_curve_to(cr, f.cx - f.hr * 1.12, f.hy - f.hry * 1.45, f.cx + f.hr * 1.12, f.hy - f.hry * 1.45,
                   f.cx + f.hr * 1.04, f.hy - f.hry * 0.05);
    if (l.hair == "curly") {
        cairo_close_path(cr);
        Shaded(cr, l.hair_c, f.cx, f.hy - f.hry, f.cx, f.hy, f.line);
        for (int k = 0; k < 11; ++k) {
            const double a = kPi * (1.05 + 0.9 * k / 10.0);
            Circle(cr, f.cx + std::cos(a) * f.hr * 1.0, f.hy - f.hry * 0.3 + std::sin(a) * f.hry * 0.95,
                   f.hr * (0.2 + 0.06 * rng.Next()));
            Shaded(cr, l.hair_c, f.cx, f.hy - f.hry, f.cx, f.hy, f.line * 0.7);
        }
        return;
    }
    // a fringe that runs in jags across the forehead, a side parting for the women
    const int n = 9;
    for (int k = n; k >= 0; --k) {
        const double t = (double)k / n;
        const double xx = f.cx - f.hr * 0.98 + t * f.hr * 1.96;
        const double yy = fringe + (k % 2 ? f.hry * 0.1 : 0) + (l.female ? f.hry * 0.25 * std::fabs(t - 0.3) : 0);
        cairo_line_to(cr, xx, yy);
    }
    cairo_close_path(cr);
    Shaded(cr, l.hair_c, f.cx - f.hr, f.hy - f.hry, f.cx + f.hr, f.hy, f.line);
    if (l.hair == "long") // side locks over the ears
        for (int s : {-1, 1}) {
            cairo_move_to(cr, f.cx + s * f.hr * 1.05, f.hy - f.hry * 0.3);
            cairo_curve_to(cr, f.cx + s * f.hr * 1.25, f.hy + f.hry * 0.3, f.cx + s * f.hr * 1.1, f.hy + f.hry * 0.8,
                           f.cx + s * f.hr * 1.2, f.hy + f.hry * 1.1);
            cairo_line_to(cr, f.cx + s * f.hr * 0.88, f.hy + f.hry * 0.9);
            cairo_curve_to(cr, f.cx + s * f.hr * 0.95, f.hy + f.hry * 0.4, f.cx + s * f.hr * 0.9, f.hy,
                           f.cx + s * f.hr * 0.9, f.hy - f.hry * 0.3);
            cairo_close_path(cr);
            Shaded(cr, l.hair_c, f.cx, f.hy - f.hry, f.cx, f.hy + f.hry, f.line * 0.8);
        }
    // strands
    for (int k = 0; k < 6; ++k) {
        const double xx = f.cx - f.hr * 0.6 + k * f.hr * 0.24;
        cairo_move_to(cr, xx, f.hy - f.hry * 1.0);
        cairo_curve_to(cr, xx + f.hr * 0.1, f.hy - f.hry * 0.8, xx, f.hy - f.hry * 0.7, xx + f.hr * 0.05, fringe);
        Stroke(cr, Shade(l.hair_c, 0.7f), f.line * 0.6);
    }
}

void Brows(cairo_t* cr, const Look& l, const Frame& f, double ey) {
    const Rgba c = l.hair == "bald" || l.hair == "none" ? Shade(l.skin, 0.45f) : Shade(l.hair_c, 0.8f);
    for (int s : {-1, 1}) {
        const double inner = f.cx + s * f.hr * 0.16, outer = f.cx + s * f.hr * 0.66;
        double yi = ey - f.hry * 0.22, yo = ey - f.hry * 0.24;
        if (l.mood == "stern" || l.mood == "angry") yi += f.hry * 0.1;
        if (l.mood == "worried") yi -= f.hry * 0.1;
        cairo_move_to(cr, inner, yi);
        cairo_curve_to(cr, inner + s * f.hr * 0.15, yo - f.hry * (l.mood == "cheery" ? 0.12 : 0.05),
                       outer - s * f.hr * 0.15, yo - f.hry * 0.04, outer, yo + f.hry * 0.04);
        Stroke(cr, c, f.line * (l.face.count("bushy") ? 4.5 : 2.6));
    }
}

void Eyes(cairo_t* cr, const Look& l, const Frame& f, double ey, int frame) {
    const double rx = f.hr * (l.mood == "worried" ? 0.2 : 0.17), ry = f.hr * (l.mood == "worried" ? 0.14 : 0.11);
    for (int s : {-1, 1}) {
        const double ex = f.cx + s * f.hr * 0.4;
        if (s == -1 && l.face.count("eyepatch")) continue;
        if (frame == 3) { // blink
            cairo_move_to(cr, ex - rx, ey);
            cairo_curve_to(cr, ex - rx * 0.4, ey + ry * 0.8, ex + rx * 0.4, ey + ry * 0.8, ex + rx, ey);
            Stroke(cr, kInk, f.line * 1.3);
            continue;
        }
        Oval(cr, ex, ey, rx, ry);
        Fill_Keep(cr, kWhite);
        Stroke(cr, kInk, f.line);
        const double look = l.mood == "shifty" ? -s * rx * 0.0 - rx * 0.35 : 0;
        Circle(cr, ex + look, ey, f.hr * 0.085);
        Fill(cr, l.eyes);
        Circle(cr, ex + look, ey, f.hr * 0.045);
        Fill(cr, kInk);
        Circle(cr, ex + look - f.hr * 0.03, ey - f.hr * 0.03, f.hr * 0.022);
        Fill(cr, kWhite);
        if (l.female) { // lashes
            cairo_move_to(cr, ex + s * rx, ey - ry * 0.2);
            cairo_line_to(cr, ex + s * rx * 1.3, ey - ry * 0.8);
            Stroke(cr, kInk, f.line);
        }
        if (l.mood == "stern" || l.mood == "angry" || l.mood == "sly") { // heavy lids
            cairo_move_to(cr, ex - rx * 1.05, ey - ry * 0.1);
            cairo_curve_to(cr, ex - rx * 0.5, ey - ry * 1.2, ex + rx * 0.5, ey - ry * 1.2, ex + rx * 1.05, ey - ry * 0.1);
            cairo_line_to(cr, ex + rx * 1.05, ey - ry * 1.3);
            cairo_line_to(cr, ex - rx * 1.05, ey - ry * 1.3);
            cairo_close_path(cr);
            Fill(cr, Shade(l.skin, 0.85f));
            cairo_move_to(cr, ex - rx * 1.05, ey - ry * 0.1);
            cairo_curve_to(cr, ex - rx * 0.5, ey - ry * 0.6, ex + rx * 0.5, ey - ry * 0.6, ex + rx * 1.05, ey - ry * 0.1);
            Stroke(cr, kInk, f.line);
        }
    }
}

void Nose(cairo_t* cr, const Look& l, const Frame& f, double ey) {
    const double big = l.face.count("bignose") ? 1.5 : 1.0;
    cairo_move_to(cr, f.cx - f.hr * 0.02, ey + f.hry * 0.02);
    cairo_curve_to(cr, f.cx + f.hr * 0.06 * big, ey + f.hry * 0.2, f.cx + f.hr * 0.16 * big, ey + f.hry * 0.3,
                   f.cx + f.hr * 0.02, ey + f.hry * 0.36);
    cairo_curve_to(cr, f.cx - f.hr * 0.06, ey + f.hry * 0.38, f.cx - f.hr * 0.14 * big, ey + f.hry * 0.34,
                   f.cx - f.hr * 0.1 * big, ey + f.hry * 0.3);
    Stroke(cr, Shade(l.skin, 0.6f), f.line * 1.2);
    if (l.face.count("rednose")) {
        Circle(cr, f.cx + f.hr * 0.02, ey + f.hry * 0.3, f.hr * 0.13);
        Fill(cr, Rgba{210, 90, 80, 255}, 0.7);
    }
    for (int s : {-1, 1}) { // cheeks
        Circle(cr, f.cx + s * f.hr * 0.58, ey + f.hry * 0.32, f.hr * 0.17);
        Fill(cr, Rgba{230, 110, 100, 255}, l.face.count("rosy") ? 0.38 : 0.16);
    }
}

void Mouth(cairo_t* cr, const Look& l, const Frame& f, double my, int frame) {
    const double mw = f.hr * 0.36;
    const Rgba lip = l.face.count("lipstick") ? Rgba{180, 30, 50, 255} : Shade(l.skin, 0.55f);
    if (frame == 1 || frame == 2) {
        const double open = frame == 1 ? f.hr * 0.17 : f.hr * 0.08;
        Oval(cr, f.cx, my + open * 0.3, mw * (frame == 1 ? 0.8 : 0.85), open);
        Fill_Keep(cr, Rgba{90, 30, 30, 255});
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_rectangle(cr, f.cx - mw, my + open * 0.3 - open, 2 * mw, open * 0.45);
        Fill(cr, kWhite);
        Oval(cr, f.cx, my + open * 1.2, mw * 0.5, open * 0.5);
        Fill(cr, Rgba{200, 80, 80, 255});
        cairo_restore(cr);
        cairo_new_path(cr);
        Oval(cr, f.cx, my + open * 0.3, mw * (frame == 1 ? 0.8 : 0.85), open);
        Stroke(cr, lip, f.line * (l.face.count("lipstick") ? 2.2 : 1.2));
        return;
    }
    const double curve = l.mood == "cheery" || l.mood == "sly" ? 0.14 : l.mood == "stern" || l.mood == "angry" ? -0.08
                         : l.mood == "worried" ? -0.04 : 0.04;
    cairo_move_to(cr, f.cx - mw, my);
    cairo_curve_to(cr, f.cx - mw * 0.4, my + f.hry * curve, f.cx + mw * 0.4, my + f.hry * curve,
                   f.cx + mw * (l.mood == "sly" ? 1.2 : 1.0), my - (l.mood == "sly" ? f.hry * 0.06 : 0));
    Stroke(cr, lip, f.line * (l.face.count("lipstick") ? 3.2 : 1.8));
}

void Beard(cairo_t* cr, const Look& l, const Frame& f, double my, Rng& rng) {
    if (l.face.count("beard")) {
        cairo_move_to(cr, f.cx - f.hr * 1.0, f.hy + f.hry * 0.05);
        cairo_curve_to(cr, f.cx - f.hr * 0.95, f.hy + f.hry * 1.2, f.cx - f.hr * 0.4, f.hy + f.hry * 1.4, f.cx,
                       f.hy + f.hry * 1.42);
        cairo_curve_to(cr, f.cx + f.hr * 0.4, f.hy + f.hry * 1.4, f.cx + f.hr * 0.95, f.hy + f.hry * 1.2,
                       f.cx + f.hr * 1.0, f.hy + f.hry * 0.05);
        cairo_curve_to(cr, f.cx + f.hr * 0.7, f.hy + f.hry * 0.4, f.cx + f.hr * 0.5, my - f.hry * 0.16, f.cx,
                       my - f.hry * 0.16);
        cairo_curve_to(cr, f.cx - f.hr * 0.5, my - f.hry * 0.16, f.cx - f.hr * 0.7, f.hy + f.hry * 0.4,
                       f.cx - f.hr * 1.0, f.hy + f.hry * 0.05);
        cairo_close_path(cr);
        Shaded(cr, l.hair_c, f.cx, f.hy, f.cx, f.hy + f.hry * 1.4, f.line);
        for (int k = 0; k < 14; ++k) {
            const double xx = f.cx + (rng.Next() - 0.5) * f.hr * 1.5, yy = my + rng.Next() * f.hry * 0.6;
            cairo_move_to(cr, xx, yy);
            cairo_line_to(cr, xx + f.hr * 0.03, yy + f.hry * 0.12);
            Stroke(cr, Shade(l.hair_c, 0.7f), f.line * 0.6);
        }
    }
    if (l.face.count("stubble"))
        for (int k = 0; k < 90; ++k) {
            const double a = rng.Next() * kPi, r = 0.55 + 0.42 * rng.Next();
            Circle(cr, f.cx + std::cos(a) * f.hr * r, f.hy + f.hry * 0.3 + std::sin(a) * f.hry * 0.7 * r,
                   f.hr * 0.018);
            Fill(cr, Shade(l.hair_c, 0.6f), 0.5);
        }
}

void Moustache(cairo_t* cr, const Look& l, const Frame& f, double my) {
    if (!l.face.count("moustache") && !l.face.count("walrus")) return;
    const bool walrus = l.face.count("walrus");
    const double wide = walrus ? f.hr * 0.62 : f.hr * 0.45, drop = walrus ? f.hry * 0.22 : f.hry * 0.05;
    for (int s : {-1, 1}) {
        cairo_move_to(cr, f.cx, my - f.hry * 0.14);
        cairo_curve_to(cr, f.cx + s * wide * 0.5, my - f.hry * 0.22, f.cx + s * wide, my - f.hry * 0.12,
                       f.cx + s * wide * 1.08, my + drop);
        cairo_curve_to(cr, f.cx + s * wide * 0.7, my - f.hry * 0.02, f.cx + s * wide * 0.3, my - f.hry * 0.02,
                       f.cx, my - f.hry * 0.04);
        cairo_close_path(cr);
        Shaded(cr, l.hair_c, f.cx, my - f.hry * 0.2, f.cx, my, f.line * 0.8);
    }
}

void Face_Marks(cairo_t* cr, const Look& l, const Frame& f, double ey, double my, int frame, Rng& rng) {
    if (l.face.count("freckles"))
        for (int k = 0; k < 16; ++k) {
            const int s = k % 2 ? 1 : -1;
            Circle(cr, f.cx + s * f.hr * (0.35 + 0.35 * rng.Next()), ey + f.hry * (0.2 + 0.2 * rng.Next()),
                   f.hr * 0.025);
            Fill(cr, Rgba{170, 100, 60, 255}, 0.7);
        }
    if (l.face.count("scar")) {
        cairo_move_to(cr, f.cx + f.hr * 0.3, ey - f.hry * 0.3);
        cairo_line_to(cr, f.cx + f.hr * 0.7, ey + f.hry * 0.35);
        Stroke(cr, Rgba{190, 110, 110, 255}, f.line * 1.6);
        for (int k = 0; k < 4; ++k) {
            const double t = 0.15 + k * 0.22, xx = f.cx + f.hr * (0.3 + 0.4 * t), yy = ey - f.hry * 0.3 + f.hry * 0.65 * t;
            cairo_move_to(cr, xx - f.hr * 0.07, yy + f.hry * 0.03);
            cairo_line_to(cr, xx + f.hr * 0.07, yy - f.hry * 0.03);
            Stroke(cr, Rgba{150, 80, 80, 255}, f.line * 0.7);
        }
    }
    if (l.face.count("glasses"))
        for (int s : {-1, 1}) {
            Circle(cr, f.cx + s * f.hr * 0.4, ey, f.hr * 0.25);
            Fill_Keep(cr, kWhite, 0.18);
            Stroke(cr, kInk, f.line * 1.6);
            cairo_move_to(cr, f.cx + s * f.hr * 0.15, ey - f.hry * 0.02);
            cairo_line_to(cr, f.cx - s * f.hr * 0.15, ey - f.hry * 0.02);
            Stroke(cr, kInk, f.line * 1.4);
            cairo_move_to(cr, f.cx + s * f.hr * 0.65, ey - f.hry * 0.04);
            cairo_line_to(cr, f.cx + s * f.hr * 0.97, ey - f.hry * 0.1);
            Stroke(cr, kInk, f.line * 1.4);
            cairo_move_to(cr, f.cx + s * f.hr * 0.3, ey - f.hry * 0.12);
            cairo_line_to(cr, f.cx + s * f.hr * 0.42, ey - f.hry * 0.16);
            Stroke(cr, kWhite, f.line, 0.8);
        }
    if (l.face.count("monocle")) {
        Circle(cr, f.cx + f.hr * 0.4, ey, f.hr * 0.25);
        Fill_Keep(cr, kWhite, 0.2);
        Stroke(cr, kGoldTrim, f.line * 1.8);
        cairo_move_to(cr, f.cx + f.hr * 0.6, ey + f.hry * 0.18);
        cairo_curve_to(cr, f.cx + f.hr * 0.9, ey + f.hry * 0.8, f.cx + f.hr * 0.6, f.hy + f.hry * 1.2,
                       f.cx + f.hr * 0.9, f.top + f.h * 0.1);
        Stroke(cr, kGoldTrim, f.line * 0.8);
    }
    if (l.face.count("eyepatch")) {
        cairo_move_to(cr, f.cx - f.hr * 1.0, ey - f.hry * 0.5);
        cairo_line_to(cr, f.cx + f.hr * 1.0, ey - f.hry * 0.15);
        Stroke(cr, kBlack, f.line * 1.5);
        Oval(cr, f.cx - f.hr * 0.4, ey + f.hry * 0.02, f.hr * 0.24, f.hr * 0.2);
        Fill_Keep(cr, kBlack);
        Stroke(cr, kInk, f.line);
    }
    if (l.face.count("bandage")) {
        cairo_move_to(cr, f.cx - f.hr * 0.9, f.hy - f.hry * 0.62);
        cairo_line_to(cr, f.cx + f.hr * 0.95, f.hy - f.hry * 0.45);
        cairo_line_to(cr, f.cx + f.hr * 0.98, f.hy - f.hry * 0.28);
        cairo_line_to(cr, f.cx - f.hr * 0.95, f.hy - f.hry * 0.44);
        cairo_close_path(cr);
        Shaded(cr, kWhite, 0, f.hy - f.hry, 0, f.hy, f.line * 0.8);
        Circle(cr, f.cx + f.hr * 0.4, f.hy - f.hry * 0.45, f.hr * 0.08);
        Fill(cr, Rgba{190, 40, 40, 255}, 0.8);
    }
    if (l.face.count("cigar")) {
        const double cx0 = f.cx + f.hr * 0.28, cy0 = my + f.hry * 0.04;
        cairo_save(cr);
        cairo_translate(cr, cx0, cy0);
        cairo_rotate(cr, frame == 1 ? 0.35 : 0.15);
        Rounded_Rect(cr, 0, -f.hr * 0.07, f.hr * 0.7, f.hr * 0.14, f.hr * 0.06);
        Shaded(cr, Rgba{120, 72, 40, 255}, 0, -f.hr * 0.07, 0, f.hr * 0.07, f.line * 0.8);
        cairo_rectangle(cr, f.hr * 0.62, -f.hr * 0.07, f.hr * 0.08, f.hr * 0.14);
        Fill(cr, Rgba{240, 110, 40, 255});
        cairo_move_to(cr, f.hr * 0.7, -f.hr * 0.1);
        cairo_curve_to(cr, f.hr * 0.9, -f.hr * 0.4, f.hr * 0.6, -f.hr * 0.6, f.hr * 0.85, -f.hr * 0.9);
        Stroke(cr, Rgba{200, 200, 200, 255}, f.line * 1.5, 0.5);
        cairo_restore(cr);
    }
}

// ---- Headgear ---------------------------------------------------------------------------

void Badge(cairo_t* cr, const Frame& f, double x, double y, double r) {
    Circle(cr, x, y, r);
    Fill_Keep(cr, kGoldTrim);
    Stroke(cr, kInk, f.line * 0.7);
    Circle(cr, x, y, r * 0.45);
    Fill(cr, Shade(kGoldTrim, 0.7f));
}

void Hat(cairo_t* cr, const Look& l, const Frame& f, bool back) {
    const Rgba c = l.hat_c;
    const double cx = f.cx, hy = f.hy, hr = f.hr, hry = f.hry, L = f.line;
    if (l.hat == "helmet") {
        cairo_new_sub_path(cr);
        cairo_move_to(cr, cx - hr * 1.18, hy - hry * 0.22);
        cairo_curve_to(cr, cx - hr * 1.25, hy - hry * 1.6, cx + hr * 1.25, hy - hry * 1.6, cx + hr * 1.18, hy - hry * 0.22);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.4, cx + hr, hy - hry * 0.2, L);
        for (int k = 0; k < 5; ++k) { // netting
            cairo_move_to(cr, cx - hr * 1.0 + k * hr * 0.5, hy - hry * 0.25);
            cairo_line_to(cr, cx - hr * 0.5 + k * hr * 0.25, hy - hry * 1.15);
            Stroke(cr, Shade(c, 0.7f), L * 0.7);
        }
        Oval(cr, cx, hy - hry * 0.2, hr * 1.42, hr * 0.16);
        Shaded(cr, Shade(c, 0.9f), cx, hy - hry * 0.3, cx, hy - hry * 0.1, L);
        if (!back)
            for (int s : {-1, 1}) { // chin strap
                cairo_move_to(cr, cx + s * hr * 0.98, hy - hry * 0.15);
                cairo_curve_to(cr, cx + s * hr * 0.95, hy + hry * 0.5, cx + s * hr * 0.5, hy + hry * 0.9, cx,
                               hy + hry * 0.98);
                Stroke(cr, Rgba{90, 70, 40, 255}, L * 1.4);
            }
    } else if (l.hat == "cap") { // a field side cap
        cairo_move_to(cr, cx - hr * 1.0, hy - hry * 0.58);
        cairo_line_to(cr, cx + hr * 1.0, hy - hry * 0.72);
        cairo_curve_to(cr, cx + hr * 0.9, hy - hry * 1.1, cx + hr * 0.3, hy - hry * 1.32, cx - hr * 0.2, hy - hry * 1.25);
        cairo_curve_to(cr, cx - hr * 0.7, hy - hry * 1.15, cx - hr * 1.0, hy - hry * 0.9, cx - hr * 1.0, hy - hry * 0.58);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.3, cx + hr, hy - hry * 0.6, L);
        cairo_move_to(cr, cx - hr * 0.95, hy - hry * 0.72);
        cairo_line_to(cr, cx + hr * 0.95, hy - hry * 0.86);
        Stroke(cr, Shade(c, 0.65f), L);
        if (!back) Badge(cr, f, cx - hr * 0.55, hy - hry * 0.82, hr * 0.1);
    } else if (l.hat == "peaked") { // an officer's peaked cap
        Oval(cr, cx, hy - hry * 1.0, hr * 1.3, hr * 0.42);
        Shaded(cr, c, cx - hr, hy - hry * 1.3, cx + hr, hy - hry * 0.7, L);
        cairo_rectangle(cr, cx - hr * 1.02, hy - hry * 0.98, hr * 2.04, hry * 0.36);
        Shaded(cr, Shade(c, 0.7f), 0, hy - hry, 0, hy - hry * 0.6, L);
        cairo_rectangle(cr, cx - hr * 1.02, hy - hry * 0.8, hr * 2.04, hry * 0.07);
        Fill(cr, kGoldTrim);
        if (!back) {
            cairo_move_to(cr, cx - hr * 1.02, hy - hry * 0.62);
            cairo_curve_to(cr, cx - hr * 0.6, hy - hry * 0.32, cx + hr * 0.6, hy - hry * 0.32, cx + hr * 1.02, hy - hry * 0.62);
            cairo_close_path(cr);
            Shaded(cr, kBlack, 0, hy - hry * 0.62, 0, hy - hry * 0.3, L);
            Badge(cr, f, cx, hy - hry * 0.98, hr * 0.16);
        }
    } else if (l.hat == "beret") {
        cairo_save(cr);
        cairo_translate(cr, cx + hr * 0.2, hy - hry * 0.78);
        cairo_rotate(cr, -0.18);
        Oval(cr, 0, 0, hr * 1.25, hr * 0.5);
        cairo_restore(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.2, cx + hr, hy - hry * 0.5, L);
        cairo_move_to(cr, cx - hr * 1.0, hy - hry * 0.55);
        cairo_curve_to(cr, cx - hr * 0.4, hy - hry * 0.72, cx + hr * 0.4, hy - hry * 0.72, cx + hr * 1.0, hy - hry * 0.6);
        Stroke(cr, kInk, L * 2.5);
        if (!back) Badge(cr, f, cx - hr * 0.5, hy - hry * 0.78, hr * 0.13);
    } else if (l.hat == "bandana") {
        cairo_move_to(cr, cx - hr * 1.02, hy - hry * 0.35);
        cairo_curve_to(cr, cx - hr * 1.1, hy - hry * 1.45, cx + hr * 1.1, hy - hry * 1.45, cx + hr * 1.02, hy - hry * 0.35);
        cairo_curve_to(cr, cx + hr * 0.5, hy - hry * 0.55, cx - hr * 0.5, hy - hry * 0.55, cx - hr * 1.02, hy - hry * 0.35);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.3, cx + hr, hy - hry * 0.4, L);
        for (int k = 0; k < 7; ++k) {
            Circle(cr, cx - hr * 0.7 + k * hr * 0.23, hy - hry * (0.75 + 0.2 * (k % 2)), hr * 0.05);
            Fill(cr, kWhite, 0.8);
        }
        for (int s : {0, 1}) { // the knot's tails
            cairo_move_to(cr, cx + hr * 1.0, hy - hry * 0.5);
            cairo_line_to(cr, cx + hr * (1.4 + 0.15 * s), hy - hry * (0.1 - 0.3 * s));
            cairo_line_to(cr, cx + hr * (1.25 + 0.15 * s), hy + hry * (0.05 + 0.2 * s));
            cairo_close_path(cr);
            Shaded(cr, c, cx, hy - hry, cx, hy, L * 0.8);
        }
    } else if (l.hat == "tricorn") {
        cairo_move_to(cr, cx - hr * 1.55, hy - hry * 0.75);
        cairo_curve_to(cr, cx - hr * 1.0, hy - hry * 1.7, cx + hr * 1.0, hy - hry * 1.7, cx + hr * 1.55, hy - hry * 0.75);
        cairo_curve_to(cr, cx + hr * 0.6, hy - hry * 0.4, cx - hr * 0.6, hy - hry * 0.4, cx - hr * 1.55, hy - hry * 0.75);
        cairo_close_path(cr);
        Shaded(cr, kBlack, cx, hy - hry * 1.6, cx, hy - hry * 0.5, L);
        cairo_move_to(cr, cx - hr * 1.45, hy - hry * 0.76);
        cairo_curve_to(cr, cx - hr * 0.6, hy - hry * 0.48, cx + hr * 0.6, hy - hry * 0.48, cx + hr * 1.45, hy - hry * 0.76);
        Stroke(cr, kGoldTrim, L * 2);
        if (!back) { // skull and bones
            Circle(cr, cx, hy - hry * 1.02, hr * 0.14);
            Fill(cr, kWhite);
            for (int s : {-1, 1}) {
                cairo_move_to(cr, cx - hr * 0.22, hy - hry * (0.86 + 0.12 * s));
                cairo_line_to(cr, cx + hr * 0.22, hy - hry * (0.86 - 0.12 * s));
                Stroke(cr, kWhite, L * 1.6);
            }
        }
    } else if (l.hat == "chef") {
        cairo_rectangle(cr, cx - hr * 0.95, hy - hry * 1.0, hr * 1.9, hry * 0.42);
        Shaded(cr, kWhite, cx - hr, 0, cx + hr, 0, L);
        for (int k = -1; k <= 1; ++k) {
            Circle(cr, cx + k * hr * 0.55, hy - hry * (1.35 + (k == 0 ? 0.2 : 0)), hr * 0.55);
            Shaded(cr, kWhite, cx - hr, hy - hry * 2, cx + hr, hy - hry, L);
        }
        cairo_rectangle(cr, cx - hr * 0.93, hy - hry * 1.0, hr * 1.86, hry * 0.38);
        Fill(cr, kWhite);
        cairo_move_to(cr, cx - hr * 0.95, hy - hry * 0.58);
        cairo_line_to(cr, cx + hr * 0.95, hy - hry * 0.58);
        Stroke(cr, kInk, L);
    } else if (l.hat == "bowler" || l.hat == "fedora") {
        const bool fed = l.hat == "fedora";
        Oval(cr, cx, hy - hry * 0.62, hr * (fed ? 1.65 : 1.35), hr * 0.2);
        Shaded(cr, c, cx - hr, hy - hry * 0.8, cx + hr, hy - hry * 0.5, L);
        cairo_move_to(cr, cx - hr * 0.95, hy - hry * 0.66);
        if (fed) {
            cairo_line_to(cr, cx - hr * 0.85, hy - hry * 1.35);
            cairo_curve_to(cr, cx - hr * 0.4, hy - hry * 1.5, cx, hy - hry * 1.3, cx, hy - hry * 1.3);
            cairo_curve_to(cr, cx, hy - hry * 1.3, cx + hr * 0.4, hy - hry * 1.5, cx + hr * 0.85, hy - hry * 1.35);
        } else {
            cairo_curve_to(cr, cx - hr * 1.05, hy - hry * 1.65, cx + hr * 1.05, hy - hry * 1.65, cx + hr * 0.95, hy - hry * 0.66);
        }
        cairo_line_to(cr, cx + hr * 0.95, hy - hry * 0.66);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.5, cx + hr, hy - hry * 0.6, L);
        cairo_rectangle(cr, cx - hr * 0.93, hy - hry * 0.86, hr * 1.86, hry * 0.14);
        Fill(cr, Shade(c, 0.5f));
    } else if (l.hat == "glengarry") { // a Scots bonnet: checked band, red toorie, two ribbons
        cairo_move_to(cr, cx - hr * 1.05, hy - hry * 0.6);
        cairo_line_to(cr, cx + hr * 1.05, hy - hry * 0.72);
        cairo_curve_to(cr, cx + hr * 0.95, hy - hry * 1.15, cx + hr * 0.2, hy - hry * 1.35, cx - hr * 0.3, hy - hry * 1.25);
        cairo_curve_to(cr, cx - hr * 0.8, hy - hry * 1.15, cx - hr * 1.05, hy - hry * 0.9, cx - hr * 1.05, hy - hry * 0.6);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.3, cx + hr, hy - hry * 0.6, L);
        for (int k = 0; k < 10; ++k) { // dicing on the band
            const double xx = cx - hr * 1.0 + k * hr * 0.2, yy = hy - hry * (0.62 + 0.012 * k);
            cairo_rectangle(cr, xx, yy - hry * 0.14, hr * 0.1, hry * 0.07);
            Fill(cr, k % 2 ? kWhite : Rgba{180, 30, 30, 255});
            cairo_rectangle(cr, xx + hr * 0.1, yy - hry * 0.07, hr * 0.1, hry * 0.07);
            Fill(cr, k % 2 ? Rgba{180, 30, 30, 255} : kWhite);
        }
        Circle(cr, cx - hr * 0.2, hy - hry * 1.3, hr * 0.13);
        Shaded(cr, Rgba{200, 40, 40, 255}, 0, hy - hry * 1.4, 0, hy - hry * 1.2, L);
        for (int s : {0, 1}) {
            cairo_move_to(cr, cx + hr * 1.0, hy - hry * 0.68);
            cairo_line_to(cr, cx + hr * (1.15 + 0.12 * s), hy + hry * (0.2 + 0.1 * s));
            Stroke(cr, kBlack, L * 3);
        }
        if (!back) Badge(cr, f, cx - hr * 0.65, hy - hry * 0.85, hr * 0.14);
    } else if (l.hat == "bush") { // a slouch hat, one side pinned up
        Oval(cr, cx, hy - hry * 0.6, hr * 1.8, hr * 0.3);
        Shaded(cr, c, cx - hr, hy - hry * 0.8, cx + hr, hy - hry * 0.4, L);
        cairo_move_to(cr, cx - hr * 1.6, hy - hry * 0.7);
        cairo_line_to(cr, cx - hr * 1.2, hy - hry * 1.5);
        cairo_line_to(cr, cx - hr * 0.8, hy - hry * 0.8);
        cairo_close_path(cr);
        Shaded(cr, Shade(c, 0.9f), cx - hr, hy - hry * 1.5, cx, hy - hry * 0.6, L);
        cairo_move_to(cr, cx - hr * 0.9, hy - hry * 0.7);
        cairo_curve_to(cr, cx - hr * 0.9, hy - hry * 1.6, cx + hr * 0.9, hy - hry * 1.6, cx + hr * 0.9, hy - hry * 0.7);
        cairo_close_path(cr);
        Shaded(cr, c, cx - hr, hy - hry * 1.5, cx + hr, hy - hry * 0.7, L);
        cairo_rectangle(cr, cx - hr * 0.9, hy - hry * 0.92, hr * 1.8, hry * 0.16);
        Fill(cr, Rgba{90, 60, 40, 255});
        if (!back) Badge(cr, f, cx - hr * 1.2, hy - hry * 1.05, hr * 0.12);
    } else if (l.hat == "pilot") {
        cairo_move_to(cr, cx - hr * 1.08, hy + hry * 0.4);
        cairo_curve_to(cr, cx - hr * 1.3, hy - hry * 1.5, cx + hr * 1.3, hy - hry * 1.5, cx + hr * 1.08, hy + hry * 0.4);
        cairo_line_to(cr, cx + hr * 0.85, hy + hry * 0.4);
        cairo_curve_to(cr, cx + hr * 0.9, hy - hry * 0.3, cx + hr * 0.6, hy - hry * 0.5, cx, hy - hry * 0.52);
        cairo_curve_to(cr, cx - hr * 0.6, hy - hry * 0.5, cx - hr * 0.9, hy - hry * 0.3, cx - hr * 0.85, hy + hry * 0.4);
        cairo_close_path(cr);
        Shaded(cr, Rgba{110, 70, 40, 255}, cx - hr, hy - hry, cx + hr, hy, L);
        for (int s : {-1, 1}) { // goggles on the brow
            Circle(cr, cx + s * hr * 0.38, hy - hry * 0.8, hr * 0.24);
            Fill_Keep(cr, Rgba{130, 170, 190, 255});
            Stroke(cr, Rgba{170, 170, 180, 255}, L * 2.2);
        }
    } else if (l.hat == "nurse") {
        cairo_move_to(cr, cx - hr * 0.8, hy - hry * 0.78);
        cairo_line_to(cr, cx + hr * 0.8, hy - hry * 0.78);
        cairo_line_to(cr, cx + hr * 0.6, hy - hry * 1.2);
        cairo_line_to(cr, cx - hr * 0.6, hy - hry * 1.2);
        cairo_close_path(cr);
        Shaded(cr, kWhite, cx, hy - hry * 1.2, cx, hy - hry * 0.8, L);
        cairo_rectangle(cr, cx - hr * 0.05, hy - hry * 1.12, hr * 0.1, hry * 0.26);
        cairo_rectangle(cr, cx - hr * 0.15, hy - hry * 1.03, hr * 0.3, hry * 0.08);
        Fill(cr, Rgba{200, 30, 30, 255});
    }
}

// ---- A person, a dog, the player from behind -------------------------------------------

void Person(cairo_t* cr, const Look& l, int frame, double x, double y, double w, double h) {
    const Frame f = Frame_Of(x, y, w, h);
    Rng rng(7); // stubble and beard strands the same in every cell
    Hair_Behind(cr, l, f);
    Torso(cr, l, f, false);
    Neck(cr, l, f);
    Ears(cr, l, f);
    Head(cr, l, f);
    const double ey = f.hy - f.hry * 0.05, my = f.hy + f.hry * 0.58;
    Beard(cr, l, f, my, rng);
    Hair_Top(cr, l, f, rng);
    Brows(cr, l, f, ey);
    Eyes(cr, l, f, ey, frame);
    Nose(cr, l, f, ey);
    Mouth(cr, l, f, my, frame);
    Moustache(cr, l, f, my);
    Face_Marks(cr, l, f, ey, my, frame, rng);
    Hat(cr, l, f, false);
}

void Back_View(cairo_t* cr, const Look& l, int frame, double x, double y, double w, double h) {
    Frame f = Frame_Of(x, y, w, h);
    Torso(cr, l, f, true);
    // the head nods and turns a little while he talks
    const double tilt = frame == 1 ? 0.05 : frame == 2 ? -0.035 : 0.0;
    cairo_save(cr);
    cairo_translate(cr, f.cx, f.top);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -f.cx, -f.top + (frame == 1 ? -f.h * 0.01 : 0));
    Neck(cr, l, f);
    Ears(cr, l, f);
    Head_Shape(cr, l, f);
    Shaded(cr, l.skin, f.cx - f.hr, f.hy - f.hry, f.cx + f.hr, f.hy + f.hry, f.line);
    if (l.hair != "bald" && l.hair != "none") { // the back of the head is hair down to the nape
        cairo_move_to(cr, f.cx - f.hr * 1.02, f.hy + f.hry * 0.1);
        cairo_curve_to(cr, f.cx - f.hr * 1.1, f.hy - f.hry * 1.4, f.cx + f.hr * 1.1, f.hy - f.hry * 1.4,
                       f.cx + f.hr * 1.02, f.hy + f.hry * 0.1);
        const double nape = f.hy + f.hry * (l.hair == "long" ? 1.4 : l.hair == "crop" ? 0.45 : 0.65);
        for (int k = 8; k >= 0; --k)
            cairo_line_to(cr, f.cx - f.hr * 0.95 + k * f.hr * 0.2375, nape - (k % 2 ? f.hry * 0.1 : 0) -
                                                                               std::fabs(k - 4) * f.hry * 0.05);
        cairo_close_path(cr);
        Shaded(cr, l.hair_c, f.cx - f.hr, f.hy - f.hry, f.cx + f.hr, f.hy + f.hry, f.line);
        for (int k = 0; k < 7; ++k) {
            const double xx = f.cx - f.hr * 0.7 + k * f.hr * 0.23;
            cairo_move_to(cr, xx, f.hy - f.hry * 0.9);
            cairo_curve_to(cr, xx + f.hr * 0.1, f.hy - f.hry * 0.3, xx - f.hr * 0.05, f.hy + f.hry * 0.1, xx,
                           f.hy + f.hry * 0.4);
            Stroke(cr, Shade(l.hair_c, 0.7f), f.line * 0.6);
        }
    }
    Hat(cr, l, f, true);
    cairo_restore(cr);
}

void Dog(cairo_t* cr, const Look& l, int frame, double x, double y, double w, double h) {
    const double cx = x + w / 2, hy = y + h * 0.44, hr = w * 0.24, L = std::max(1.5, w / 110.0);
    Rng rng(3);
    // chest and shoulders
    Oval(cr, cx, y + h * 0.98, w * 0.36, h * 0.3);
    Shaded(cr, l.fur, cx - w * 0.3, y + h * 0.7, cx + w * 0.3, y + h, L);
    Oval(cr, cx + w * 0.16, y + h * 0.9, w * 0.1, h * 0.08);
    Fill(cr, l.spots);
    // floppy ears behind the head
    for (int s : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx + s * hr * 0.95, hy - hr * 0.2);
        cairo_rotate(cr, s * (0.35 + (frame == 1 ? 0.12 : 0)));
        Oval(cr, 0, hr * 0.45, hr * 0.3, hr * 0.62);
        cairo_restore(cr);
        Shaded(cr, l.spots, cx - hr, hy - hr, cx + hr, hy + hr, L);
    }
    // head with scruffy edge
    cairo_new_sub_path(cr);
    for (int k = 0; k <= 36; ++k) {
        const double a = 2 * kPi * k / 36, r = hr * (1.0 + (k % 2 ? 0.06 : -0.02) * (0.5 + rng.Next()));
        const double px = cx + std::cos(a) * r, py = hy + std::sin(a) * r * 0.92;
        if (k == 0) cairo_move_to(cr, px, py);
        else cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    Shaded(cr, l.fur, cx - hr, hy - hr, cx + hr, hy + hr, L);
    // the patch over one eye that gives him his name
    Oval(cr, cx - hr * 0.42, hy - hr * 0.2, hr * 0.36, hr * 0.32);
    Fill(cr, l.spots);
    // eyes
    for (int s : {-1, 1}) {
        const double ex = cx + s * hr * 0.4, ey = hy - hr * 0.18;
        if (frame == 3) {
            cairo_move_to(cr, ex - hr * 0.12, ey);
            cairo_curve_to(cr, ex - hr * 0.05, ey + hr * 0.08, ex + hr * 0.05, ey + hr * 0.08, ex + hr * 0.12, ey);
            Stroke(cr, kInk, L * 1.4);
            continue;
        }
        Circle(cr, ex, ey, hr * 0.13);
        Fill(cr, Rgba{40, 26, 20, 255});
        Circle(cr, ex - hr * 0.04, ey - hr * 0.05, hr * 0.045);
        Fill(cr, kWhite);
        cairo_move_to(cr, ex - s * hr * 0.05, ey - hr * 0.22);
        cairo_line_to(cr, ex + s * hr * 0.14, ey - hr * 0.26);
        Stroke(cr, Shade(l.fur, 0.6f), L * 2);
    }
    // muzzle, nose and mouth
    Oval(cr, cx, hy + hr * 0.42, hr * 0.52, hr * 0.38);
    Shaded(cr, Mix(l.fur, kWhite, 0.4f), cx, hy, cx, hy + hr * 0.8, L);
    cairo_move_to(cr, cx - hr * 0.17, hy + hr * 0.16);
    cairo_curve_to(cr, cx - hr * 0.17, hy + hr * 0.06, cx + hr * 0.17, hy + hr * 0.06, cx + hr * 0.17, hy + hr * 0.16);
    cairo_curve_to(cr, cx + hr * 0.1, hy + hr * 0.3, cx - hr * 0.1, hy + hr * 0.3, cx - hr * 0.17, hy + hr * 0.16);
    cairo_close_path(cr);
    Fill_Keep(cr, Rgba{30, 24, 24, 255});
    Stroke(cr, kInk, L * 0.6);
    cairo_move_to(cr, cx, hy + hr * 0.27);
    cairo_line_to(cr, cx, hy + hr * 0.42);
    Stroke(cr, kInk, L * 1.2);
    if (frame == 1 || frame == 2) {
        const double open = frame == 1 ? hr * 0.3 : hr * 0.15;
        cairo_move_to(cr, cx - hr * 0.3, hy + hr * 0.45);
        cairo_curve_to(cr, cx - hr * 0.2, hy + hr * 0.45 + open, cx + hr * 0.2, hy + hr * 0.45 + open, cx + hr * 0.3,
                       hy + hr * 0.45);
        cairo_close_path(cr);
        Fill_Keep(cr, Rgba{110, 30, 40, 255});
        Stroke(cr, kInk, L);
        Oval(cr, cx + hr * 0.05, hy + hr * 0.5 + open * 0.8, hr * 0.12, open * 0.5);
        Fill_Keep(cr, Rgba{230, 110, 130, 255});
        Stroke(cr, kInk, L * 0.7);
    } else {
        cairo_move_to(cr, cx - hr * 0.25, hy + hr * 0.5);
        cairo_curve_to(cr, cx - hr * 0.12, hy + hr * 0.6, cx, hy + hr * 0.5, cx, hy + hr * 0.42);
        cairo_curve_to(cr, cx, hy + hr * 0.5, cx + hr * 0.12, hy + hr * 0.6, cx + hr * 0.25, hy + hr * 0.5);
        Stroke(cr, kInk, L * 1.2);
    }
    // collar and tag
    cairo_move_to(cr, cx - hr * 0.8, hy + hr * 0.85);
    cairo_curve_to(cr, cx - hr * 0.3, hy + hr * 1.05, cx + hr * 0.3, hy + hr * 1.05, cx + hr * 0.8, hy + hr * 0.85);
    Stroke(cr, Rgba{180, 40, 40, 255}, L * 5);
    Circle(cr, cx, hy + hr * 1.12, hr * 0.1);
    Fill_Keep(cr, kGoldTrim);
    Stroke(cr, kInk, L * 0.6);
}

// ---- Rooms ------------------------------------------------------------------------------

void Gradient_Box(cairo_t* cr, double x, double y, double w, double h, Rgba top, Rgba bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Box(cairo_t* cr, double x, double y, double w, double h, Rgba c) {
    cairo_rectangle(cr, x, y, w, h);
    Shaded(cr, c, x, y, x + w, y + h, 2);
}

// Canvas walls seen from inside a tent, with seams and a ridge pole.
void Tent_Inside(cairo_t* cr, double W, double H, Rgba canvas) {
    Gradient_Box(cr, 0, 0, W, H, Shade(canvas, 1.1f), Shade(canvas, 0.55f));
    for (int k = 0; k <= 8; ++k) { // seams fanning from the ridge
        cairo_move_to(cr, W / 2, -20);
        cairo_line_to(cr, k * W / 8, H * 0.72);
        Stroke(cr, Shade(canvas, 0.7f), 3, 0.6);
    }
    for (int k = 0; k < 8; ++k) { // sagging panels
        cairo_move_to(cr, k * W / 8, H * 0.7);
        cairo_curve_to(cr, k * W / 8 + W / 32, H * 0.66, (k + 1) * W / 8 - W / 32, H * 0.66, (k + 1) * W / 8, H * 0.7);
        Stroke(cr, Shade(canvas, 0.6f), 2, 0.6);
    }
    cairo_rectangle(cr, W / 2 - 9, 0, 18, H * 0.75); // the pole
    Shaded(cr, Rgba{120, 86, 52, 255}, W / 2 - 9, 0, W / 2 + 9, 0, 2);
    Gradient_Box(cr, 0, H * 0.72, W, H * 0.28, Rgba{96, 84, 60, 255}, Rgba{60, 52, 38, 255}); // the floor boards
    for (int k = 0; k < 12; ++k) {
        cairo_move_to(cr, k * W / 11 - 40, H);
        cairo_line_to(cr, W / 2 + (k * W / 11 - W / 2) * 0.5, H * 0.72);
        Stroke(cr, Rgba{50, 42, 30, 255}, 2, 0.7);
    }
}

void Lamp_Glow(cairo_t* cr, double x, double y, double r, double strength) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 4, x, y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.88, 0.55, strength);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.7, 0.3, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

void Hanging_Lamp(cairo_t* cr, double x, double y) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, y - 20);
    Stroke(cr, kInk, 2);
    cairo_move_to(cr, x - 18, y - 4);
    cairo_line_to(cr, x - 12, y - 22);
    cairo_line_to(cr, x + 12, y - 22);
    cairo_line_to(cr, x + 18, y - 4);
    cairo_close_path(cr);
    Shaded(cr, Rgba{60, 60, 56, 255}, x - 18, y, x + 18, y, 2);
    Oval(cr, x, y + 10, 13, 16);
    Fill_Keep(cr, Rgba{255, 220, 140, 255});
    Stroke(cr, kInk, 2);
    Lamp_Glow(cr, x, y + 10, 260, 0.45);
}

void Map_On_Wall(cairo_t* cr, double x, double y, double w, double h, Rng& rng) {
    cairo_rectangle(cr, x, y, w, h);
    Shaded(cr, Rgba{222, 210, 170, 255}, x, y, x + w, y + h, 3);
    cairo_move_to(cr, x + w * 0.55, y); // coast
    for (int k = 1; k <= 8; ++k) cairo_line_to(cr, x + w * (0.55 + 0.12 * (rng.Next() - 0.5)), y + h * k / 8);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x + w, y);
    cairo_close_path(cr);
    Fill(cr, Rgba{120, 160, 190, 255}, 0.8);
    for (int k = 0; k < 4; ++k) { // roads
        cairo_move_to(cr, x + w * 0.05, y + h * (0.2 + 0.2 * k));
        cairo_curve_to(cr, x + w * 0.2, y + h * rng.Next(), x + w * 0.35, y + h * rng.Next(), x + w * 0.5,
                       y + h * (0.1 + 0.25 * k));
        Stroke(cr, Rgba{150, 110, 70, 255}, 2);
    }
    cairo_move_to(cr, x + w * 0.12, y + h * 0.8); // the red arrow of the advance
    cairo_curve_to(cr, x + w * 0.25, y + h * 0.5, x + w * 0.35, y + h * 0.45, x + w * 0.48, y + h * 0.3);
    Stroke(cr, Rgba{190, 30, 30, 255}, 5);
    cairo_move_to(cr, x + w * 0.5, y + h * 0.27);
    cairo_line_to(cr, x + w * 0.43, y + h * 0.29);
    cairo_line_to(cr, x + w * 0.47, y + h * 0.37);
    cairo_close_path(cr);
    Fill(cr, Rgba{190, 30, 30, 255});
    for (int k = 0; k < 5; ++k) { // pins
        Circle(cr, x + w * (0.1 + 0.8 * rng.Next()), y + h * (0.1 + 0.8 * rng.Next()), 5);
        Fill_Keep(cr, k % 2 ? Rgba{40, 80, 180, 255} : Rgba{200, 40, 40, 255});
        Stroke(cr, kInk, 1.5);
    }
}

void Table(cairo_t* cr, double W, double H, double top, Rgba wood) {
    cairo_move_to(cr, W * 0.08, top);
    cairo_line_to(cr, W * 0.92, top);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    Shaded(cr, wood, 0, top, 0, H, 3);
    for (int k = 1; k < 5; ++k) {
        cairo_move_to(cr, W * 0.08 - k * W * 0.016, top + k * (H - top) / 5);
        cairo_line_to(cr, W * 0.92 + k * W * 0.016, top + k * (H - top) / 5);
        Stroke(cr, Shade(wood, 0.75f), 2, 0.6);
    }
}

void Papers(cairo_t* cr, double x, double y, Rng& rng) {
    for (int k = 0; k < 3; ++k) {
        cairo_save(cr);
        cairo_translate(cr, x + k * 40, y + k * 6);
        cairo_rotate(cr, (rng.Next() - 0.5) * 0.5);
        cairo_rectangle(cr, -50, -30, 100, 62);
        Shaded(cr, Rgba{236, 230, 206, 255}, -50, -30, 50, 30, 1.5);
        for (int j = 0; j < 5; ++j) {
            cairo_move_to(cr, -40, -18 + j * 10);
            cairo_line_to(cr, 20 + rng.Next() * 20, -18 + j * 10);
            Stroke(cr, Rgba{90, 90, 100, 255}, 1.2);
        }
        cairo_restore(cr);
    }
}

void Crate(cairo_t* cr, double x, double y, double w, double h, const char* mark) {
    cairo_rectangle(cr, x, y, w, h);
    Shaded(cr, Rgba{150, 112, 64, 255}, x, y, x + w, y + h, 2.5);
    for (int k = 1; k < 3; ++k) {
        cairo_move_to(cr, x, y + k * h / 3);
        cairo_line_to(cr, x + w, y + k * h / 3);
        Stroke(cr, Rgba{100, 72, 40, 255}, 2);
    }
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y + h);
    Stroke(cr, Rgba{110, 80, 46, 255}, 5);
    if (mark && *mark) {
        Set_Rgb(cr, Rgba{40, 40, 36, 255}, 0.8);
        Text_Centred(cr, mark, x + w / 2, y + h * 0.62, h * 0.28, true);
    }
}

void Rifle(cairo_t* cr, double x, double y, double len, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len * 0.35, -4);
    cairo_line_to(cr, len * 0.35, 8);
    cairo_line_to(cr, 0, 14);
    cairo_close_path(cr);
    Shaded(cr, Rgba{120, 76, 40, 255}, 0, 0, len * 0.35, 0, 1.5);
    cairo_rectangle(cr, len * 0.35, -4, len * 0.65, 6);
    Shaded(cr, Rgba{70, 70, 76, 255}, 0, -4, 0, 2, 1.5);
    cairo_restore(cr);
}

void Sky(cairo_t* cr, double W, double horizon, Rng& rng) {
    Gradient_Box(cr, 0, 0, W, horizon, Rgba{110, 156, 206, 255}, Rgba{222, 220, 196, 255});
    for (int k = 0; k < 5; ++k) { // clouds
        const double x = rng.Next() * W, y = horizon * (0.15 + 0.4 * rng.Next());
        for (int j = 0; j < 4; ++j) {
            Oval(cr, x + j * 30, y + (j % 2) * 6, 40, 18);
            Fill(cr, kWhite, 0.85);
        }
    }
}

void Ground(cairo_t* cr, double W, double H, double horizon, Rgba grass, Rng& rng) {
    cairo_move_to(cr, 0, horizon);
    for (int x = 0; x <= (int)W; x += 16) cairo_line_to(cr, x, horizon - 10 - 14 * std::sin(x / 90.0 + 1.3));
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    Set_Rgb(cr, Shade(grass, 0.85f));
    cairo_fill(cr);
    Gradient_Box(cr, 0, horizon, W, H - horizon, grass, Shade(grass, 0.6f));
    for (int k = 0; k < 160; ++k) {
        const double x = rng.Next() * W, y = horizon + rng.Next() * (H - horizon);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 3, y - 8 - rng.Next() * 6);
        Stroke(cr, Shade(grass, 1.25f), 1.5, 0.6);
    }
}

void Tents_Far(cairo_t* cr, double W, double horizon) {
    for (int k = 0; k < 5; ++k) {
        const double cx = 90 + k * 200, s = 50;
        cairo_move_to(cr, cx - s, horizon);
        cairo_line_to(cr, cx, horizon - s * 0.8);
        cairo_line_to(cr, cx + s, horizon);
        cairo_close_path(cr);
        Shaded(cr, Rgba{150, 140, 96, 255}, cx - s, 0, cx + s, 0, 2);
        cairo_move_to(cr, cx - 10, horizon);
        cairo_line_to(cr, cx, horizon - s * 0.45);
        cairo_line_to(cr, cx + 10, horizon);
        cairo_close_path(cr);
        Fill(cr, Rgba{60, 54, 36, 255});
    }
    (void)W;
}

void Sandbags(cairo_t* cr, double x, double y, int n, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < n - r; ++k) {
            Oval(cr, x + k * 52 + r * 26, y - r * 24, 28, 14);
            Shaded(cr, Rgba{190, 170, 120, 255}, 0, y - r * 24 - 14, 0, y - r * 24 + 14, 2);
        }
}

void Target(cairo_t* cr, double x, double y, double r) {
    cairo_rectangle(cr, x - 4, y, 8, r * 2.2);
    Fill(cr, Rgba{110, 80, 50, 255});
    for (int k = 0; k < 4; ++k) {
        Circle(cr, x, y, r * (1 - k * 0.25));
        Fill_Keep(cr, k % 2 ? kWhite : Rgba{200, 40, 40, 255});
        Stroke(cr, kInk, 1.5);
    }
}

// ---- The rooms behind a conversation, one picture each ----

void Hq_Tent(cairo_t* cr, Rng& rng, double W, double H) {
    Tent_Inside(cr, W, H, Rgba{170, 160, 118, 255});
    Map_On_Wall(cr, W * 0.58, H * 0.16, W * 0.3, H * 0.3, rng);
    cairo_rectangle(cr, W * 0.1, H * 0.12, W * 0.16, H * 0.24); // a flag
    Fill(cr, Rgba{40, 70, 150, 255});
    cairo_move_to(cr, W * 0.1, H * 0.12);
    cairo_line_to(cr, W * 0.26, H * 0.36);
    cairo_move_to(cr, W * 0.26, H * 0.12);
    cairo_line_to(cr, W * 0.1, H * 0.36);
    Stroke(cr, kWhite, 12);
    cairo_rectangle(cr, W * 0.1, H * 0.12, W * 0.16, H * 0.24);
    Stroke(cr, kInk, 3);
    Table(cr, W, H, H * 0.8, Rgba{130, 90, 52, 255});
    Papers(cr, W * 0.62, H * 0.88, rng);
    Box(cr, W * 0.44, H * 0.76, W * 0.1, H * 0.09, Rgba{70, 78, 60, 255}); // field telephone
    Circle(cr, W * 0.49, H * 0.805, 14);
    Fill_Keep(cr, kBlack);
    Stroke(cr, kInk, 2);
    Hanging_Lamp(cr, W * 0.38, H * 0.2);
}

void Drill_Ground(cairo_t* cr, Rng& rng, double W, double H) {
    Sky(cr, W, H * 0.55, rng);
    Tents_Far(cr, W, H * 0.55);
    Ground(cr, W, H, H * 0.55, Rgba{120, 140, 70, 255}, rng);
    for (int k = 0; k < 3; ++k) { // the obstacle course: walls, tyres, a net
        cairo_rectangle(cr, W * (0.08 + 0.13 * k), H * 0.5, W * 0.08, H * 0.16);
        Shaded(cr, Rgba{140, 100, 60, 255}, 0, H * 0.5, 0, H * 0.66, 2);
    }
    for (int k = 0; k < 6; ++k) {
        Oval(cr, W * 0.52 + k * 42, H * 0.74 + (k % 2) * 14, 22, 12);
        Stroke(cr, kBlack, 9);
    }
    for (int k = 0; k < 7; ++k) {
        cairo_move_to(cr, W * 0.72 + k * 26, H * 0.4);
        cairo_line_to(cr, W * 0.7 + k * 26, H * 0.62);
        cairo_move_to(cr, W * 0.72, H * 0.4 + k * 0.033 * H);
        cairo_line_to(cr, W * 0.9, H * 0.4 + k * 0.033 * H);
        Stroke(cr, Rgba{80, 66, 40, 255}, 2.5);
    }
    cairo_rectangle(cr, W * 0.93, H * 0.1, 6, H * 0.55); // flagpole
    Fill(cr, Rgba{200, 200, 200, 255});
    cairo_move_to(cr, W * 0.93, H * 0.1); // the camp's flag, a white saltire on blue
    cairo_curve_to(cr, W * 0.89, H * 0.08, W * 0.87, H * 0.13, W * 0.83, H * 0.11);
    cairo_line_to(cr, W * 0.83, H * 0.21);
    cairo_curve_to(cr, W * 0.87, H * 0.23, W * 0.89, H * 0.18, W * 0.93, H * 0.2);
    cairo_close_path(cr);
    Fill_Keep(cr, Rgba{40, 70, 150, 255});
    cairo_save(cr);
    cairo_clip(cr);
    cairo_move_to(cr, W * 0.83, H * 0.11);
    cairo_line_to(cr, W * 0.93, H * 0.2);
    cairo_move_to(cr, W * 0.93, H * 0.1);
    cairo_line_to(cr, W * 0.83, H * 0.21);
    Stroke(cr, kWhite, 7);
    cairo_restore(cr);
    Sandbags(cr, W * 0.02, H * 0.95, 8, 2);
}

void Card_Tent(cairo_t* cr, Rng&, double W, double H) {
    Tent_Inside(cr, W, H, Rgba{110, 90, 70, 255});
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_paint(cr);
    Hanging_Lamp(cr, W * 0.5, H * 0.18);
    Oval(cr, W * 0.5, H * 0.92, W * 0.5, H * 0.2); // green table
    Shaded(cr, Rgba{40, 110, 60, 255}, 0, H * 0.75, 0, H, 3);
    Oval(cr, W * 0.5, H * 0.92, W * 0.5, H * 0.2);
    Stroke(cr, Rgba{110, 70, 40, 255}, 12);
    for (int k = 0; k < 5; ++k) { // cards dealt
        cairo_save(cr);
        cairo_translate(cr, W * (0.3 + 0.08 * k), H * 0.86);
        cairo_rotate(cr, (k - 2) * 0.12);
        Rounded_Rect(cr, -22, -32, 44, 64, 5);
        Shaded(cr, k == 2 ? Rgba{170, 40, 40, 255} : kWhite, -22, -32, 22, 32, 1.5);
        cairo_restore(cr);
    }
    for (int k = 0; k < 6; ++k) { // stacks of coins
        Oval(cr, W * 0.72 + (k % 3) * 22, H * 0.84 - (k / 3) * 8, 14, 6);
        Fill_Keep(cr, kGoldTrim);
        Stroke(cr, Shade(kGoldTrim, 0.6f), 1.5);
    }
    for (int k = 0; k < 2; ++k) { // bottles
        const double x = W * (0.14 + 0.06 * k);
        Rounded_Rect(cr, x, H * 0.7, 26, 70, 8);
        Shaded(cr, Rgba{50, 90, 50, 255}, x, 0, x + 26, 0, 2);
        cairo_rectangle(cr, x + 8, H * 0.64, 10, 24);
        Shaded(cr, Rgba{50, 90, 50, 255}, x, 0, x + 26, 0, 2);
    }
}

void Store_Room(cairo_t* cr, Rng& rng, double W, double H) {
    Tent_Inside(cr, W, H, Rgba{150, 140, 100, 255});
    for (int r = 0; r < 3; ++r) { // shelves of boxes and tins
        const double y = H * (0.2 + 0.17 * r);
        cairo_rectangle(cr, W * 0.04, y + 56, W * 0.38, 10);
        Shaded(cr, Rgba{120, 84, 48, 255}, 0, y, 0, y + 66, 2);
        for (int k = 0; k < 5; ++k)
            Box(cr, W * 0.05 + k * W * 0.075, y + 10 + rng.Next() * 10, W * 0.06, 46 - rng.Next() * 10,
                k % 2 ? Rgba{90, 110, 70, 255} : Rgba{170, 140, 90, 255});
    }
    for (int k = 0; k < 4; ++k) Rifle(cr, W * (0.6 + 0.07 * k), H * 0.62, 190, -1.45); // the gun rack
    cairo_rectangle(cr, W * 0.56, H * 0.22, W * 0.34, 12);
    Fill(cr, Rgba{100, 70, 40, 255});
    Crate(cr, W * 0.05, H * 0.72, W * 0.16, H * 0.16, "AMMO");
    Table(cr, W, H, H * 0.82, Rgba{140, 100, 58, 255});
    Hanging_Lamp(cr, W * 0.3, H * 0.1);
}

void Workshop(cairo_t* cr, Rng&, double W, double H) {
    Tent_Inside(cr, W, H, Rgba{140, 130, 100, 255});
    cairo_rectangle(cr, W * 0.05, H * 0.15, W * 0.36, H * 0.36); // pegboard with tools
    Shaded(cr, Rgba{170, 140, 100, 255}, 0, H * 0.15, 0, H * 0.5, 3);
    for (int k = 0; k < 6; ++k) {
        const double x = W * 0.08 + k * W * 0.055;
        cairo_rectangle(cr, x, H * 0.2, 10, H * (0.14 + 0.05 * (k % 3)));
        Fill(cr, Rgba{90, 90, 96, 255});
        cairo_rectangle(cr, x - 8, H * 0.2, 26, 16);
        Fill(cr, k % 2 ? Rgba{170, 40, 40, 255} : Rgba{70, 70, 76, 255});
    }
    Rifle(cr, W * 0.6, H * 0.3, 260, 0.0);
    Rifle(cr, W * 0.6, H * 0.4, 240, 0.0);
    Table(cr, W, H, H * 0.78, Rgba{110, 90, 70, 255});
    Box(cr, W * 0.15, H * 0.7, W * 0.1, H * 0.1, Rgba{80, 80, 90, 255}); // a vice
    for (int k = 0; k < 8; ++k) { // sparks
        cairo_move_to(cr, W * 0.2, H * 0.69);
        cairo_line_to(cr, W * 0.2 + std::cos(k * 0.7 + 3.5) * 40, H * 0.69 + std::sin(k * 0.7 + 3.5) * 30);
        Stroke(cr, Rgba{255, 200, 80, 255}, 2);
    }
    Hanging_Lamp(cr, W * 0.7, H * 0.12);
}

void Kennel(cairo_t* cr, Rng& rng, double W, double H) {
    Sky(cr, W, H * 0.5, rng);
    Tents_Far(cr, W, H * 0.5);
    Ground(cr, W, H, H * 0.5, Rgba{110, 140, 70, 255}, rng);
    for (int k = 0; k < 14; ++k) { // a picket fence
        cairo_move_to(cr, k * W / 13, H * 0.62);
        cairo_line_to(cr, k * W / 13 + 12, H * 0.56);
        cairo_line_to(cr, k * W / 13 + 24, H * 0.62);
        cairo_line_to(cr, k * W / 13 + 24, H * 0.76);
        cairo_line_to(cr, k * W / 13, H * 0.76);
        cairo_close_path(cr);
        Shaded(cr, Rgba{226, 220, 200, 255}, 0, H * 0.56, 0, H * 0.76, 2);
    }
    const double kx = W * 0.4; // the kennel, between the two who talk
    cairo_move_to(cr, kx, H * 0.9);
    cairo_line_to(cr, kx, H * 0.66);
    cairo_line_to(cr, kx + W * 0.1, H * 0.54);
    cairo_line_to(cr, kx + W * 0.2, H * 0.66);
    cairo_line_to(cr, kx + W * 0.2, H * 0.9);
    cairo_close_path(cr);
    Shaded(cr, Rgba{170, 60, 40, 255}, kx, 0, kx + W * 0.2, 0, 3);
    Oval(cr, kx + W * 0.1, H * 0.83, W * 0.04, H * 0.09);
    Fill(cr, kBlack);
    Set_Rgb(cr, kWhite);
    Text_Centred(cr, "PATCHES", kx + W * 0.1, H * 0.68, 22, true);
    Oval(cr, kx + W * 0.26, H * 0.92, 40, 12); // the bowl
    Shaded(cr, Rgba{60, 90, 170, 255}, 0, H * 0.9, 0, H * 0.95, 2);
}

void Range_Booth(cairo_t* cr, Rng& rng, double W, double H) {
    Sky(cr, W, H * 0.52, rng);
    Ground(cr, W, H, H * 0.52, Rgba{150, 150, 80, 255}, rng);
    for (int k = 0; k < 5; ++k) Target(cr, W * (0.12 + 0.19 * k), H * (0.42 + 0.04 * (k % 2)), 34);
    for (int k = 0; k < 4; ++k) { // hay bales
        cairo_rectangle(cr, W * (0.05 + 0.25 * k), H * 0.66, W * 0.12, H * 0.08);
        Shaded(cr, Rgba{210, 180, 90, 255}, 0, H * 0.66, 0, H * 0.74, 2);
    }
    for (int k = 0; k < 16; ++k) { // bunting
        const double x = k * W / 15;
        cairo_move_to(cr, x, H * 0.06 + 10 * std::sin(k * 0.4));
        cairo_line_to(cr, x + W / 30, H * 0.13 + 10 * std::sin(k * 0.4 + 0.2));
        cairo_line_to(cr, x + W / 15, H * 0.06 + 10 * std::sin(k * 0.4 + 0.4));
        cairo_close_path(cr);
        Fill(cr, k % 3 == 0 ? Rgba{200, 40, 40, 255} : k % 3 == 1 ? kWhite : Rgba{40, 70, 160, 255});
    }
    Sandbags(cr, 0, H * 0.96, 20, 2);
}

void Office(cairo_t* cr, Rng& rng, double W, double H) {
    Gradient_Box(cr, 0, 0, W, H, Rgba{150, 110, 70, 255}, Rgba{90, 64, 40, 255}); // plank walls
    for (int k = 0; k < 16; ++k) {
        cairo_move_to(cr, k * W / 16, 0);
        cairo_line_to(cr, k * W / 16, H);
        Stroke(cr, Rgba{70, 48, 30, 255}, 3, 0.7);
    }
    cairo_rectangle(cr, W * 0.6, H * 0.12, W * 0.26, H * 0.3); // a window on the camp
    Gradient_Box(cr, W * 0.6, H * 0.12, W * 0.26, H * 0.3, Rgba{150, 190, 220, 255}, Rgba{200, 210, 190, 255});
    cairo_rectangle(cr, W * 0.6, H * 0.12, W * 0.26, H * 0.3);
    cairo_move_to(cr, W * 0.73, H * 0.12);
    cairo_line_to(cr, W * 0.73, H * 0.42);
    cairo_move_to(cr, W * 0.6, H * 0.27);
    cairo_line_to(cr, W * 0.86, H * 0.27);
    Stroke(cr, Rgba{70, 48, 30, 255}, 8);
    Map_On_Wall(cr, W * 0.08, H * 0.14, W * 0.3, H * 0.3, rng);
    Table(cr, W, H, H * 0.78, Rgba{90, 56, 34, 255});
    Papers(cr, W * 0.2, H * 0.86, rng);
    Hanging_Lamp(cr, W * 0.48, H * 0.08);
}

// The campaign map spread on a table
void Chart_Table(cairo_t* cr, Rng& rng, double W, double H) {
    Gradient_Box(cr, 0, 0, W, H, Rgba{90, 64, 40, 255}, Rgba{50, 36, 24, 255});
    Map_On_Wall(cr, W * 0.06, H * 0.08, W * 0.88, H * 0.84, rng);
    for (int k = 0; k < 6; ++k) { // the Black Army's marks
        const double x = W * (0.2 + 0.1 * k), y = H * (0.3 + 0.08 * (k % 3));
        cairo_move_to(cr, x - 12, y - 12);
        cairo_line_to(cr, x + 12, y + 12);
        cairo_move_to(cr, x + 12, y - 12);
        cairo_line_to(cr, x - 12, y + 12);
        Stroke(cr, kBlack, 5);
    }
    Set_Rgb(cr, Rgba{60, 40, 30, 255});
    Text_Centred(cr, "SECRET", W * 0.3, H * 0.85, 40, true);
}

// The medic's tent
void Ward(cairo_t* cr, Rng&, double W, double H) {
    Tent_Inside(cr, W, H, Rgba{220, 220, 210, 255});
    for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, W * (0.05 + 0.6 * k), H * 0.6, W * 0.3, H * 0.08);
        Shaded(cr, kWhite, 0, H * 0.6, 0, H * 0.68, 2);
        cairo_rectangle(cr, W * (0.05 + 0.6 * k), H * 0.68, 8, H * 0.14);
        cairo_rectangle(cr, W * (0.35 + 0.6 * k) - 8, H * 0.68, 8, H * 0.14);
        Fill(cr, Rgba{120, 120, 130, 255});
    }
    cairo_rectangle(cr, W * 0.43, H * 0.1, W * 0.14, W * 0.14);
    Fill(cr, kWhite);
    cairo_rectangle(cr, W * 0.48, H * 0.12, W * 0.04, W * 0.1);
    cairo_rectangle(cr, W * 0.45, H * 0.12 + W * 0.03, W * 0.1, W * 0.04);
    Fill(cr, Rgba{200, 30, 30, 255});
    Hanging_Lamp(cr, W * 0.25, H * 0.1);
}

// A warship's deck: grey steel, a gun turret, the sea beyond
void Warship_Deck(cairo_t* cr, Rng&, double W, double H) {
    Gradient_Box(cr, 0, 0, W, H * 0.45, Rgba{130, 160, 196, 255}, Rgba{210, 214, 206, 255});
    Gradient_Box(cr, 0, H * 0.42, W, H * 0.1, Rgba{60, 90, 120, 255}, Rgba{40, 66, 92, 255});
    cairo_move_to(cr, 0, H * 0.5); // the superstructure
    cairo_line_to(cr, W * 0.1, H * 0.5);
    cairo_line_to(cr, W * 0.1, H * 0.2);
    cairo_line_to(cr, W * 0.3, H * 0.2);
    cairo_line_to(cr, W * 0.3, H * 0.08);
    cairo_line_to(cr, W * 0.4, H * 0.08);
    cairo_line_to(cr, W * 0.4, H * 0.5);
    cairo_line_to(cr, W, H * 0.5);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    Shaded(cr, Rgba{130, 136, 140, 255}, 0, 0, W, H, 3);
    for (int k = 0; k < 4; ++k) { // portholes
        Circle(cr, W * (0.14 + 0.06 * k), H * 0.3, 12);
        Fill_Keep(cr, Rgba{40, 50, 60, 255});
        Stroke(cr, Rgba{200, 200, 200, 255}, 3);
    }
    Oval(cr, W * 0.72, H * 0.52, W * 0.14, H * 0.08); // the turret and its guns
    Shaded(cr, Rgba{110, 116, 120, 255}, 0, H * 0.44, 0, H * 0.6, 3);
    for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, W * 0.8, H * (0.47 + 0.04 * k), W * 0.2, H * 0.025);
        Shaded(cr, Rgba{90, 96, 100, 255}, 0, 0, 0, H, 2);
    }
    for (int k = 0; k < 26; ++k) { // rivets and plate seams
        Circle(cr, k * W / 25, H * 0.62, 3);
        Fill(cr, Rgba{90, 94, 98, 255});
    }
    for (int k = 0; k < 8; ++k) {
        cairo_move_to(cr, k * W / 7, H * 0.62);
        cairo_line_to(cr, k * W / 7 - 60, H);
        Stroke(cr, Rgba{96, 100, 104, 255}, 2);
    }
    for (int k = 0; k < 12; ++k) { // the railing
        cairo_move_to(cr, W * 0.42 + k * 48, H * 0.5);
        cairo_line_to(cr, W * 0.42 + k * 48, H * 0.4);
        Stroke(cr, Rgba{70, 74, 78, 255}, 3);
    }
    cairo_move_to(cr, W * 0.42, H * 0.4);
    cairo_line_to(cr, W, H * 0.4);
    Stroke(cr, Rgba{70, 74, 78, 255}, 4);
}

// A submarine pen: concrete vault, black water, a conning tower
void Submarine_Pen(cairo_t* cr, Rng& rng, double W, double H) {
    Gradient_Box(cr, 0, 0, W, H, Rgba{90, 92, 90, 255}, Rgba{40, 42, 40, 255});
    for (int k = 0; k < 5; ++k) { // the vault's ribs
        cairo_move_to(cr, k * W / 4, 0);
        cairo_curve_to(cr, k * W / 4 - 20, H * 0.2, k * W / 4 - 20, H * 0.4, k * W / 4, H * 0.55);
        Stroke(cr, Rgba{60, 62, 60, 255}, 14);
    }
    for (int k = 0; k < 4; ++k) Lamp_Glow(cr, W * (0.12 + 0.25 * k), H * 0.08, 160, 0.35);
    Gradient_Box(cr, 0, H * 0.55, W, H * 0.3, Rgba{20, 40, 50, 255}, Rgba{10, 20, 26, 255});
    for (int k = 0; k < 30; ++k) {
        cairo_rectangle(cr, rng.Next() * W, H * 0.56 + rng.Next() * H * 0.28, 20 + rng.Next() * 30, 2);
        Fill(cr, kWhite, 0.15);
    }
    Oval(cr, W * 0.55, H * 0.62, W * 0.38, H * 0.05); // the hull and its tower
    Shaded(cr, Rgba{60, 66, 70, 255}, 0, H * 0.57, 0, H * 0.67, 3);
    Rounded_Rect(cr, W * 0.5, H * 0.42, W * 0.1, H * 0.18, 10);
    Shaded(cr, Rgba{66, 72, 76, 255}, W * 0.5, 0, W * 0.6, 0, 3);
    cairo_rectangle(cr, W * 0.54, H * 0.32, 6, H * 0.1);
    Fill(cr, Rgba{50, 50, 54, 255});
    Gradient_Box(cr, 0, H * 0.85, W, H * 0.15, Rgba{120, 118, 110, 255}, Rgba{70, 68, 62, 255}); // the quay
    for (int k = 0; k < 10; ++k) {
        cairo_rectangle(cr, k * W / 10 + 20, H * 0.85, 50, 8);
        Fill(cr, k % 2 ? Rgba{220, 190, 40, 255} : kBlack);
    }
}

// A concrete corner of an enemy bunker
void Bunker_Corner(cairo_t* cr, Rng&, double W, double H) {
    Gradient_Box(cr, 0, 0, W, H, Rgba{120, 118, 108, 255}, Rgba{60, 58, 54, 255});
    for (int r = 0; r < 6; ++r) // shuttering marks
        for (int k = 0; k < 5; ++k) {
            cairo_rectangle(cr, k * W / 5 + (r % 2) * W / 10, r * H * 0.12, W / 5, H * 0.12);
            Stroke(cr, Rgba{80, 78, 72, 255}, 2, 0.5);
        }
    // The firing slit, off to the right (not under a page's title): a thin band of sky
    // and sea seen through the concrete, deep in its embrasure.
    cairo_rectangle(cr, W * 0.56, H * 0.2, W * 0.34, H * 0.05);
    Fill(cr, Rgba{40, 40, 40, 255});
    Gradient_Box(cr, W * 0.57, H * 0.21, W * 0.32, H * 0.02, Rgba{150, 180, 200, 255}, Rgba{200, 210, 200, 255});
    Gradient_Box(cr, W * 0.57, H * 0.23, W * 0.32, H * 0.012, Rgba{70, 100, 120, 255}, Rgba{50, 76, 96, 255});
    cairo_rectangle(cr, W * 0.56, H * 0.2, W * 0.34, H * 0.05);
    Stroke(cr, kInk, 4);
    Lamp_Glow(cr, W * 0.73, H * 0.22, 260, 0.25);
    for (int k = 0; k < 3; ++k) Crate(cr, W * (0.04 + 0.12 * k), H * (0.62 - 0.1 * (k == 1)), W * 0.12,
                                      H * 0.16, k == 1 ? "TNT" : "");
    Sandbags(cr, W * 0.55, H * 0.96, 9, 3);
    Gradient_Box(cr, 0, H * 0.86, W, H * 0.14, Rgba{70, 66, 60, 255}, Rgba{40, 38, 34, 255});
}

struct Named_Room {
    const char* name;
    void (*draw)(cairo_t*, Rng&, double, double);
};
const Named_Room kRooms[] = {
    {"hq", Hq_Tent},
    {"drill", Drill_Ground},
    {"cards", Card_Tent},
    {"store", Store_Room},
    {"workshop", Workshop},
    {"kennel", Kennel},
    {"range", Range_Booth},
    {"office", Office},
    {"chart", Chart_Table},
    {"ward", Ward},
    {"deck", Warship_Deck},
    {"pen", Submarine_Pen},
    {"bunker", Bunker_Corner},
};

bool Room(cairo_t* cr, const std::string& theme, double W, double H, uint32_t seed, std::string& error) {
    Rng rng(seed);
    const Named_Room* drawn = nullptr;
    for (const Named_Room& n : kRooms)
        if (theme == n.name) drawn = &n;
    if (drawn == nullptr) {
        error = "unknown room '" + theme + "'";
        return false;
    }
    drawn->draw(cr, rng, W, H);
    return true;
}

// Night: the place darkens to lamplight.
void Night_Over(cairo_t* cr, double x, double y, double w, double h, bool keep_alpha) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    if (keep_alpha) cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 0.04, 0.05, 0.16, 0.5);
    cairo_paint(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.35, y + h * 0.3, 10, x + w * 0.35, y + h * 0.3, w * 0.7);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.75, 0.35, 0.25);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.6, 0.2, 0.0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void Draw_Look(cairo_t* cr, const Look& l, int frame, double x, double y, double w, double h) {
    if (l.kind == "dog") Dog(cr, l, frame, x, y, w, h);
    else if (l.view == "back") Back_View(cr, l, frame, x, y, w, h);
    else Person(cr, l, frame, x, y, w, h);
}

} // namespace

bool Paint_Portrait(const std::string& root, const std::string& image, const Art_Args& args, std::string& error) {
    Look l;
    if (!Read_Look(args, l, error)) return false;
    auto it = args.find("room");
    if (it != args.end()) {
        // The speaker in her own room: a whole view, the person standing right of centre.
        const std::string room = it->second;
        std::string bad;
        const bool ok = Write_Sheet(
            root, image, SheetLayout{768, 480, 2, 1}, false,
            [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_scale(cr, w / 1024.0, h / 640.0);
                if (!Room(cr, room, 1024, 640, Name_Hash(image), bad)) {
                    cairo_restore(cr);
                    return;
                }
                cairo_restore(cr);
                // left of the middle, below the upper speech box
                Draw_Look(cr, l, f, x + w * 0.05, y + h * 0.34, w * 0.36, h * 0.66);
                if (l.night) Night_Over(cr, x, y, w, h, false);
            },
            {{0, 0, 0, 0}, {1, 0, 1, 1}}, 1.0f, 1.0f, 150);
        if (!bad.empty()) error = bad;
        return ok && bad.empty();
    }
    auto target = args.find("target");
    if (target != args.end() && target->second == "1") {
        // A pop-up target of the shooting gallery: the figure painted on a plywood board on
        // its stick. Animations: 0 up, 1 aiming, 2 shot down, 3 hit, 4 firing, 5 going down.
        return Write_Sheet(root, image, SheetLayout{256, 256, 2, 2}, true,
                           [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                               cairo_rectangle(cr, x + w * 0.46, y + h * 0.8, w * 0.08, h * 0.2);
                               Shaded(cr, Rgba{120, 86, 52, 255}, x, 0, x + w, 0, 2);
                               Rounded_Rect(cr, x + w * 0.04, y + h * 0.04, w * 0.92, h * 0.86, w * 0.2);
                               Shaded(cr, Rgba{196, 170, 120, 255}, x, y, x + w, y + h, std::max(2.0, w / 80));
                               Draw_Look(cr, l, f, x + w * 0.1, y + h * 0.06, w * 0.8, h * 0.8);
                               if (f == 3) { // shot down: a splintered hole through the board
                                   const double hx = x + w * 0.5, hy = y + h * 0.2;
                                   for (int k = 0; k < 7; ++k) {
                                       cairo_move_to(cr, hx, hy);
                                       cairo_line_to(cr, hx + std::cos(k * 0.9) * w * 0.12,
                                                     hy + std::sin(k * 0.9) * w * 0.1);
                                       Stroke(cr, Rgba{240, 220, 170, 255}, std::max(1.5, w / 100));
                                   }
                                   Circle(cr, hx, hy, w * 0.05);
                                   Fill_Keep(cr, kBlack);
                                   Stroke(cr, Rgba{150, 110, 60, 255}, std::max(2.0, w / 80));
                               }
                           },
                           {{0}, {0, 1, 0, 2}, {3}, {2}, {1}, {0}}, 0.3f, 0.3f, 110);
    }
    return Write_Sheet(root, image, SheetLayout{256, 256, 2, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           Draw_Look(cr, l, f, x + 4, y + 4, w - 8, h - 8);
                           if (l.night) Night_Over(cr, x, y, w, h, true);
                       },
                       // silent with a blink now and then; talking; two single looks
                       {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
                        {1, 2, 0, 1, 2, 1, 0, 2, 1, 0, 2, 1, 1, 2, 0, 1, 0, 2, 1, 0},
                        {2},
                        {3}},
                       0.3f, 0.3f, 110);
}

bool Paint_Banner(const std::string& root, const std::string& image, const Art_Args& args, std::string& error) {
    Rgba cloth{34, 34, 38, 255};
    auto it = args.find("colour");
    if (it != args.end() && !Find(CLOTH, std::size(CLOTH), it->second, cloth)) {
        error = "unknown colour '" + it->second + "'";
        return false;
    }
    const double W = 256, H = 320;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    cairo_rectangle(cr, 10, 14, W - 20, 12); // the crossbar and its cord
    Shaded(cr, Rgba{120, 84, 50, 255}, 0, 14, 0, 26, 2);
    cairo_move_to(cr, 20, 16);
    cairo_line_to(cr, W / 2, 2);
    cairo_line_to(cr, W - 20, 16);
    Stroke(cr, Rgba{200, 180, 120, 255}, 2);
    cairo_move_to(cr, 24, 26); // the cloth, torn along its foot
    cairo_line_to(cr, W - 24, 26);
    cairo_line_to(cr, W - 28, H - 40);
    for (int k = 8; k >= 0; --k)
        cairo_line_to(cr, 28 + k * (W - 56) / 8, H - 40 + (k % 2 ? 26 : 0) + (k % 3) * 6);
    cairo_close_path(cr);
    Shaded(cr, cloth, 0, 26, W, H, 3);
    Circle(cr, W / 2, H * 0.42, 62); // the emblem
    Fill_Keep(cr, Rgba{170, 30, 30, 255});
    Stroke(cr, kWhite, 4);
    for (int k = 0; k < 4; ++k) { // a jagged cross
        cairo_save(cr);
        cairo_translate(cr, W / 2, H * 0.42);
        cairo_rotate(cr, k * kPi / 2 + kPi / 4);
        cairo_move_to(cr, 0, -6);
        cairo_line_to(cr, 48, -12);
        cairo_line_to(cr, 40, 0);
        cairo_line_to(cr, 48, 12);
        cairo_line_to(cr, 0, 6);
        cairo_close_path(cr);
        cairo_restore(cr);
        Fill(cr, kBlack);
    }
    for (int k = 0; k < 3; ++k) { // bullet holes
        Circle(cr, 60 + k * 62, H * 0.72 - k * 14, 5);
        Fill(cr, kBlack);
    }
    writers::AnimDef d;
    d.width = 1.0f;
    d.height = 1.0f;
    d.anims = {{0}};
    return p.Save(root + "/" + image + ".tga", true) && writers::Write_Anim_Def(root + "/" + image + ".dat", d);
}

bool Paint_Room(const std::string& root, const std::string& image, const Art_Args& args, std::string& error) {
    auto theme = args.find("theme");
    if (theme == args.end()) {
        error = "a room needs theme=";
        return false;
    }
    Paint p(1024, 640);
    if (!Room(p.cr(), theme->second, 1024, 640, Name_Hash(image), error)) return false;
    auto night = args.find("night");
    if (night != args.end() && night->second == "1") Night_Over(p.cr(), 0, 0, 1024, 640, false);
    auto dark = args.find("dark");
    if (dark != args.end() && dark->second == "1") { // ruined, after the attack
        cairo_set_source_rgba(p.cr(), 0.05, 0.03, 0.02, 0.6);
        cairo_paint(p.cr());
    }
    writers::AnimDef d;
    d.width = 1.0f;
    d.height = 1.0f;
    d.anims = {{0}};
    return p.Save(root + "/" + image + ".tga", false) && writers::Write_Anim_Def(root + "/" + image + ".dat", d);
}

bool Draw_Portrait_Cell(cairo_t* cr, const Art_Args& args, int frame, double x, double y, double w, double h,
                        std::string& error) {
    Look l;
    if (!Read_Look(args, l, error)) return false;
    Draw_Look(cr, l, frame, x, y, w, h);
    return true;
}

} // namespace painters
