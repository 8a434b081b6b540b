#include "content/painters/story_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"
#include "content/writers/art.h"

namespace painters {

namespace {

// The full turn these pictures' circles are drawn with, a hair over 2 pi (kTau): kept as it
// was, so that they come out as they always have.
constexpr double kStoryTurn = 6.28318530718;

using writers::Rgba;
using writers::SheetLayout;

const Rgba kInk{22, 24, 20, 255}, kPaper{236, 226, 198, 255}, kGold{226, 182, 64, 255}, kRust{120, 64, 36, 255};

// A small fixed-seed generator: the same picture on every run.
struct Dice : Seeded_Rng {
    explicit Dice(const std::string& seed) : Seeded_Rng(0, 0) { s = Name_Hash(seed); }
};

void Gradient(cairo_t* cr, double y0, double y1, double w, Rgba top, Rgba bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A ridge of rolling land from the left edge to the right at about height y.
void Ridge(cairo_t* cr, Dice& d, double w, double h, double y, double rough, Rgba c) {
    cairo_move_to(cr, 0, h);
    for (double x = 0; x <= w + 16; x += 16)
        cairo_line_to(cr, x, y + std::sin(x * 0.011 + d.Next() * 0.3) * rough * 0.6 + d.Next() * rough * 0.4);
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    Set_Rgb(cr, c);
    cairo_fill(cr);
}

// A burnt-out tank in silhouette, facing left, its gun drooping.
void Wrecked_Tank(cairo_t* cr, double x, double y, double s, Rgba c) {
    Set_Rgb(cr, c);
    Rounded_Rect(cr, x, y - s * 0.28, s, s * 0.28, s * 0.08);
    cairo_fill(cr);
    Rounded_Rect(cr, x + s * 0.25, y - s * 0.48, s * 0.45, s * 0.22, s * 0.06);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.05);
    cairo_move_to(cr, x + s * 0.28, y - s * 0.38);
    cairo_line_to(cr, x - s * 0.3, y - s * 0.22);
    cairo_stroke(cr);
    for (int k = 0; k < 5; ++k) { // road wheels
        cairo_arc(cr, x + s * (0.12 + k * 0.19), y - s * 0.06, s * 0.07, 0, kStoryTurn);
        cairo_fill(cr);
    }
}

// A shelled church: a nave with a broken roof and a tower with a hole.
void Ruined_Church(cairo_t* cr, double x, double y, double s, Rgba c) {
    Set_Rgb(cr, c);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - s * 0.5);
    cairo_line_to(cr, x + s * 0.3, y - s * 0.75);
    cairo_line_to(cr, x + s * 0.42, y - s * 0.55);
    cairo_line_to(cr, x + s * 0.55, y - s * 0.62);
    cairo_line_to(cr, x + s * 0.7, y - s * 0.5);
    cairo_line_to(cr, x + s * 0.7, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x + s * 0.7, y - s * 1.2, s * 0.24, s * 1.2);
    cairo_fill(cr);
    cairo_move_to(cr, x + s * 0.68, y - s * 1.2);
    cairo_line_to(cr, x + s * 0.82, y - s * 1.5);
    cairo_line_to(cr, x + s * 0.96, y - s * 1.2);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 0.8, 0.5, 0.55); // light through the shell hole
    cairo_arc(cr, x + s * 0.82, y - s * 0.9, s * 0.06, 0, kStoryTurn);
    cairo_fill(cr);
}

// A line of bare, splintered trees.
void Dead_Tree(cairo_t* cr, Dice& d, double x, double y, double s, Rgba c) {
    Set_Rgb(cr, c);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, s * 0.06);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + (d.Next() - 0.5) * s * 0.1, y - s);
    cairo_stroke(cr);
    cairo_set_line_width(cr, s * 0.025);
    for (int k = 0; k < 3; ++k) {
        const double by = y - s * (0.45 + k * 0.18), side = (k % 2) ? 1 : -1;
        cairo_move_to(cr, x, by);
        cairo_line_to(cr, x + side * s * (0.18 + d.Next() * 0.12), by - s * 0.2);
        cairo_stroke(cr);
    }
}

} // namespace

bool Story_Panorama(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int W = r.Int("w", 2048, 512, 4096);
    const bool night = r.Int("night", 0, 0, 1) == 1;
    const std::string time = r.Str("time", "dawn");
    if (time != "dawn" && time != "dusk") {
        r.error = "panorama time=" + time + ": write dawn or dusk";
        return false;
    }
    const bool dusk = time == "dusk";
    const double H = 320;
    Paint p(W, (int)H);
    cairo_t* cr = p.cr();
    Dice d(image);
    // Dawn sky, lighter towards the sea on the right; at dusk red over the land, the guns
    // flashing along it.
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, dusk ? 0 : W, H * 0.6);
    if (dusk) {
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.16, 0.3);
        cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.7, 0.32, 0.22);
        cairo_pattern_add_color_stop_rgb(sky, 1, 0.9, 0.5, 0.26);
    } else {
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.18, 0.32);
        cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.62, 0.46, 0.42);
        cairo_pattern_add_color_stop_rgb(sky, 1, 0.95, 0.72, 0.46);
    }
    cairo_rectangle(cr, 0, 0, W, H * 0.62);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // The sun coming up over the sea and the sea itself on the far right.
    cairo_pattern_t* sun = cairo_pattern_create_radial(W * 0.9, H * 0.52, 4, W * 0.9, H * 0.52, H * 0.5);
    cairo_pattern_add_color_stop_rgba(sun, 0, 1, 0.92, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(sun, 1, 1, 0.8, 0.5, 0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    Set_Rgb(cr, Rgba{70, 96, 124, 255});
    cairo_rectangle(cr, W * 0.78, H * 0.52, W * 0.22, H * 0.1);
    cairo_fill(cr);
    // Smoke columns rising from the line.
    for (int k = 0; k < W / 260; ++k) {
        const double x = 120 + k * 260 + d.Next() * 80;
        for (int puff = 0; puff < 7; ++puff) {
            cairo_set_source_rgba(cr, 0.2, 0.2, 0.22, 0.22 - puff * 0.025);
            cairo_arc(cr, x + puff * 9 + d.Next() * 6, H * 0.55 - puff * 22, 14 + puff * 5, 0, kStoryTurn);
            cairo_fill(cr);
        }
    }
    if (dusk)
        for (double x = 90; x < W; x += 150 + d.Next() * 120) { // gun flashes on the horizon
            cairo_pattern_t* f = cairo_pattern_create_radial(x, H * 0.5, 2, x, H * 0.5, 26);
            cairo_pattern_add_color_stop_rgba(f, 0, 1, 0.95, 0.7, 0.95);
            cairo_pattern_add_color_stop_rgba(f, 1, 1, 0.6, 0.2, 0);
            cairo_set_source(cr, f);
            cairo_arc(cr, x, H * 0.5, 26, 0, kStoryTurn);
            cairo_fill(cr);
            cairo_pattern_destroy(f);
        }
    // Three bands of land.
    Ridge(cr, d, W, H, H * 0.5, 18, dusk ? Rgba{58, 46, 52, 255} : Rgba{78, 74, 76, 255});
    for (double x = 200; x < W * 0.75; x += 380) Ruined_Church(cr, x + d.Next() * 120, H * 0.56, 60, Rgba{58, 54, 58, 255});
    Ridge(cr, d, W, H, H * 0.6, 12, Rgba{86, 80, 54, 255});
    for (double x = 40; x < W; x += 90 + d.Next() * 60)
        Dead_Tree(cr, d, x, H * 0.64 + d.Next() * 6, 40 + d.Next() * 30, Rgba{44, 38, 30, 255});
    Gradient(cr, H * 0.68, H, W, Rgba{104, 92, 56, 255}, Rgba{58, 50, 32, 255});
    // Shell craters and the muddy road winding through.
    for (int k = 0; k < W / 60; ++k) {
        const double cx = d.Next() * W, cy = H * (0.74 + d.Next() * 0.24);
        Set_Rgb(cr, Rgba{46, 38, 26, 255});
        Ellipse(cr, cx, cy, 16 + d.Next() * 18, 5 + d.Next() * 4);
        cairo_fill(cr);
        Set_Rgb(cr, Rgba{130, 116, 78, 255}, 0.6);
        Ellipse(cr, cx, cy - 4, 18, 3);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 30);
    Set_Rgb(cr, Rgba{120, 100, 70, 255});
    cairo_move_to(cr, 0, H * 0.86);
    for (double x = 0; x <= W; x += 64) cairo_line_to(cr, x, H * 0.84 + std::sin(x * 0.004) * 18);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    Set_Rgb(cr, Rgba{80, 64, 44, 255});
    for (double off : {-9.0, 9.0}) { // wheel ruts
        cairo_move_to(cr, 0, H * 0.86 + off);
        for (double x = 0; x <= W; x += 64) cairo_line_to(cr, x, H * 0.84 + std::sin(x * 0.004) * 18 + off);
        cairo_stroke(cr);
    }
    for (double x = 300; x < W; x += 520) Wrecked_Tank(cr, x + d.Next() * 100, H * 0.74, 70, Rgba{36, 34, 30, 255});
    // Barbed wire along the front edge.
    cairo_set_line_width(cr, 1.2);
    Set_Rgb(cr, kInk);
    for (double x = 0; x < W; x += 70) {
        cairo_move_to(cr, x, H - 8);
        cairo_line_to(cr, x, H - 40);
        cairo_stroke(cr);
    }
    for (double x = 0; x < W; x += 6) {
        cairo_arc(cr, x, H - 26, 6, 0, kStoryTurn);
        cairo_stroke(cr);
    }
    if (night) {
        cairo_set_source_rgba(cr, 0.02, 0.04, 0.14, 0.6);
        cairo_paint(cr);
    }
    return Save_Picture(p, root, image, false);
}

bool Story_Credits(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const std::string title = r.Str("title", ""), text = r.Str("text", "");
    const double W = 512, H = 384;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    // Dark velvet with a soft light in the middle.
    Gradient(cr, 0, H, W, Rgba{40, 12, 16, 255}, Rgba{14, 4, 8, 255});
    cairo_pattern_t* spot = cairo_pattern_create_radial(W / 2, H * 0.45, 10, W / 2, H * 0.45, W * 0.55);
    cairo_pattern_add_color_stop_rgba(spot, 0, 1, 0.85, 0.6, 0.18);
    cairo_pattern_add_color_stop_rgba(spot, 1, 1, 0.85, 0.6, 0);
    cairo_set_source(cr, spot);
    cairo_paint(cr);
    cairo_pattern_destroy(spot);
    // Film-strip edges with their sprocket holes.
    for (double x : {0.0, W - 28}) {
        Set_Rgb(cr, kInk);
        cairo_rectangle(cr, x, 0, 28, H);
        cairo_fill(cr);
        Set_Rgb(cr, Rgba{180, 170, 150, 255});
        for (double y = 8; y < H; y += 24) {
            Rounded_Rect(cr, x + 8, y, 12, 12, 2);
            cairo_fill(cr);
        }
    }
    // The title in gold over a rule.
    double y = 30;
    if (!title.empty()) {
        Caption(cr, title, 40, 14, W - 80, 50, 34, kGold, true, true);
        Set_Rgb(cr, kGold);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, W * 0.25, 70);
        cairo_line_to(cr, W * 0.75, 70);
        cairo_stroke(cr);
        y = 84;
    }
    // The lines: "Role:Name" as a small gold role over the name.
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '^') lines.emplace_back();
        else lines.back() += (c == '_') ? ' ' : c;
    }
    double need = 0;
    for (const std::string& l : lines) need += l.find(':') != std::string::npos ? 46 : l.empty() ? 14 : 28;
    const double scale = need > H - y - 16 ? (H - y - 16) / need : 1.0;
    y += std::max(0.0, (H - y - 16 - need * scale) / 2);
    for (const std::string& l : lines) {
        const size_t colon = l.find(':');
        if (colon != std::string::npos) {
            Set_Rgb(cr, kGold);
            Text_Centred(cr, l.substr(0, colon), W / 2, y + 14 * scale, 14 * scale, false);
            Set_Rgb(cr, kPaper);
            Text_Centred(cr, l.substr(colon + 1), W / 2, y + 38 * scale, 22 * scale, true);
            y += 46 * scale;
        } else if (l.empty()) {
            y += 14 * scale;
        } else {
            Set_Rgb(cr, kPaper);
            Text_Centred(cr, l, W / 2, y + 22 * scale, 20 * scale, true);
            y += 28 * scale;
        }
    }
    return Save_Picture(p, root, image, false);
}

bool Story_Alarm(const std::string& root, const std::string& image, const Arg_Reader&) {
    // Frame 0 dark; frames 1 to 4 the beam turning; frame 5 a steady glow.
    return Write_Sheet(root, image, SheetLayout{64, 64, 3, 2}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2, cy = y + h * 0.5;
                           if (f >= 1 && f <= 4) { // the beam sweeping round
                               const double a = (f - 1) * kStoryTurn / 4;
                               cairo_move_to(cr, cx, cy);
                               cairo_arc(cr, cx, cy, w * 0.5, a - 0.45, a + 0.45);
                               cairo_close_path(cr);
                               cairo_set_source_rgba(cr, 1, 0.25, 0.1, 0.85);
                               cairo_fill(cr);
                           }
                           if (f == 5) { // a steady halo (solid: the sheet is keyed)
                               cairo_arc(cr, cx, cy + h * 0.06, w * 0.3, 0, kStoryTurn);
                               cairo_set_source_rgba(cr, 1, 0.55, 0.3, 0.8);
                               cairo_fill(cr);
                           }
                           // The bracket and the base.
                           Set_Rgb(cr, Rgba{60, 62, 66, 255});
                           cairo_rectangle(cr, cx - w * 0.22, cy + h * 0.12, w * 0.44, h * 0.12);
                           cairo_fill(cr);
                           cairo_rectangle(cr, cx - w * 0.05, cy + h * 0.24, w * 0.1, h * 0.24);
                           cairo_fill(cr);
                           // The dome: dull when dark, bright red when lit.
                           cairo_arc(cr, cx, cy + h * 0.12, w * 0.18, kStoryTurn / 2, kStoryTurn);
                           cairo_close_path(cr);
                           Set_Rgb(cr, f == 0 ? Rgba{110, 30, 26, 255} : Rgba{255, 70, 50, 255});
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, kInk);
                           cairo_set_line_width(cr, 1.5);
                           cairo_stroke(cr);
                           cairo_set_source_rgba(cr, 1, 1, 1, f == 0 ? 0.2 : 0.7); // glint
                           Ellipse(cr, cx - w * 0.06, cy + h * 0.02, w * 0.04, h * 0.025);
                           cairo_fill(cr);
                       },
                       {{0}, {1, 2, 3, 4}, {5}}, 0.1f, 0.1f, 90);
}

bool Story_Lock(const std::string& root, const std::string& image, const Arg_Reader&) {
    // Frame 0 locked; 1 and 2 the cutter biting; 3 the shackle open.
    return Write_Sheet(root, image, SheetLayout{64, 64, 4, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double h) {
                           const double cx = x + w / 2;
                           // The chain through the shackle.
                           Set_Rgb(cr, Rgba{120, 124, 128, 255});
                           cairo_set_line_width(cr, 3);
                           for (int k = 0; k < 4; ++k) {
                               Ellipse(cr, x + 6 + k * 8, y + h * 0.3, 5, 3);
                               cairo_stroke(cr);
                               Ellipse(cr, x + w - 6 - k * 8, y + h * 0.3, 5, 3);
                               cairo_stroke(cr);
                           }
                           // The shackle: closed, or sprung up and turned when open.
                           cairo_set_line_width(cr, w * 0.07);
                           Set_Rgb(cr, Rgba{176, 180, 186, 255});
                           const double lift = f == 3 ? h * 0.12 : 0;
                           cairo_arc(cr, cx + (f == 3 ? w * 0.1 : 0), y + h * 0.42 - lift, w * 0.15, kStoryTurn / 2, kStoryTurn);
                           cairo_stroke(cr);
                           // The body.
                           Rounded_Rect(cr, cx - w * 0.22, y + h * 0.42, w * 0.44, h * 0.38, w * 0.05);
                           Set_Rgb(cr, Rgba{196, 150, 60, 255});
                           cairo_fill_preserve(cr);
                           Set_Rgb(cr, kRust);
                           cairo_set_line_width(cr, 1.5);
                           cairo_stroke(cr);
                           Set_Rgb(cr, kInk);
                           cairo_arc(cr, cx, y + h * 0.58, w * 0.04, 0, kStoryTurn);
                           cairo_fill(cr);
                           cairo_rectangle(cr, cx - w * 0.015, y + h * 0.58, w * 0.03, h * 0.1);
                           cairo_fill(cr);
                           if (f == 1 || f == 2) { // the bolt-cutter's jaws on the shackle
                               const double close = f == 2 ? w * 0.03 : w * 0.08;
                               Set_Rgb(cr, Rgba{40, 40, 44, 255});
                               cairo_set_line_width(cr, w * 0.06);
                               cairo_move_to(cr, cx - w * 0.15 - close, y + h * 0.18);
                               cairo_line_to(cr, cx - w * 0.42, y + h * 0.02);
                               cairo_move_to(cr, cx - w * 0.15 + close, y + h * 0.3);
                               cairo_line_to(cr, cx - w * 0.42, y + h * 0.42);
                               cairo_stroke(cr);
                               if (f == 2) { // sparks
                                   Set_Rgb(cr, Rgba{255, 220, 120, 255});
                                   for (int k = 0; k < 6; ++k) {
                                       const double a = k * kStoryTurn / 6;
                                       cairo_move_to(cr, cx - w * 0.15, y + h * 0.25);
                                       cairo_line_to(cr, cx - w * 0.15 + std::cos(a) * 8, y + h * 0.25 + std::sin(a) * 8);
                                   }
                                   cairo_set_line_width(cr, 1.5);
                                   cairo_stroke(cr);
                               }
                           }
                       },
                       {{0}, {1, 2}, {3}}, 0.1f, 0.1f, 150);
}

bool Story_Warship(const std::string& root, const std::string& image, const Arg_Reader& r) {
    const int tilt = r.Int("tilt", 0, -30, 30);
    const bool burning = r.Int("fire", 1, 0, 1) == 1;
    const double W = 512, H = 256;
    Paint p((int)W, (int)H);
    cairo_t* cr = p.cr();
    Dice d(image);
    cairo_save(cr);
    cairo_translate(cr, W / 2, H * 0.7);
    cairo_rotate(cr, tilt * kStoryTurn / 360);
    // The hull: a long bow on the left, the stern cut square.
    cairo_move_to(cr, -W * 0.46, -H * 0.12);
    cairo_line_to(cr, W * 0.42, -H * 0.12);
    cairo_line_to(cr, W * 0.4, H * 0.1);
    cairo_line_to(cr, -W * 0.36, H * 0.1);
    cairo_close_path(cr);
    Set_Rgb(cr, Rgba{70, 76, 86, 255});
    cairo_fill_preserve(cr);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Superstructure, bridge, funnels and the gun turrets.
    Set_Rgb(cr, Rgba{88, 94, 104, 255});
    cairo_rectangle(cr, -W * 0.12, -H * 0.3, W * 0.26, H * 0.18);
    cairo_fill(cr);
    cairo_rectangle(cr, -W * 0.06, -H * 0.44, W * 0.1, H * 0.14);
    cairo_fill(cr);
    Set_Rgb(cr, Rgba{50, 52, 58, 255});
    for (double fx : {0.08, 0.16}) {
        cairo_rectangle(cr, W * fx, -H * 0.42, W * 0.04, H * 0.3);
        cairo_fill(cr);
    }
    for (double tx : {-0.32, -0.22, 0.28}) {
        Rounded_Rect(cr, W * tx, -H * 0.2, W * 0.08, H * 0.08, 4);
        cairo_fill(cr);
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, W * (tx + (tx < 0 ? 0.0 : 0.08)), -H * 0.17);
        cairo_line_to(cr, W * (tx + (tx < 0 ? -0.08 : 0.16)), -H * 0.2);
        cairo_stroke(cr);
    }
    // Portholes.
    Set_Rgb(cr, Rgba{200, 190, 140, 255});
    for (double x = -W * 0.3; x < W * 0.36; x += W * 0.05) {
        cairo_arc(cr, x, -H * 0.02, 2.5, 0, kStoryTurn);
        cairo_fill(cr);
    }
    // Fire on deck and black smoke rising; or, under way, a wake and grey smoke.
    for (int k = 0; k < (burning ? 6 : 0); ++k) {
        const double fx = W * (-0.2 + d.Next() * 0.5), fy = -H * 0.12;
        cairo_move_to(cr, fx - 12, fy);
        cairo_curve_to(cr, fx - 8, fy - 30, fx + 4, fy - 20, fx, fy - 46 - d.Next() * 20);
        cairo_curve_to(cr, fx + 8, fy - 24, fx + 14, fy - 20, fx + 12, fy);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 1, 0.55 + d.Next() * 0.3, 0.1, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    for (int k = 0; k < 9; ++k) {
        if (burning) cairo_set_source_rgba(cr, 0.12, 0.12, 0.14, 1);
        else cairo_set_source_rgba(cr, 0.45, 0.45, 0.47, 0.9 - k * 0.08);
        cairo_arc(cr, W * (burning ? 0.55 : 0.6) + k * (burning ? 14 : -16) + d.Next() * 10, H * 0.36 - k * 12,
                  14 + k * 3, 0, kStoryTurn);
        cairo_fill(cr);
    }
    // The sea closing over the waterline of a sinking ship; a wake behind one under way.
    if (burning) {
        Set_Rgb(cr, Rgba{24, 40, 66, 255});
        cairo_rectangle(cr, 0, H * 0.78, W, H * 0.22);
        cairo_fill(cr);
    } else {
        for (int k = 0; k < 5; ++k) {
            cairo_set_source_rgba(cr, 1, 1, 1, 0.7 - k * 0.1);
            Ellipse(cr, W * (0.1 + k * 0.16), H * 0.78, W * 0.08, H * 0.02);
            cairo_fill(cr);
        }
    }
    return Save_Picture(p, root, image, true);
}

} // namespace painters
