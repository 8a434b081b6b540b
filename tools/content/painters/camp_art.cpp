// The camp screens' own pictures: the inside of the player's tent by day and by night, the
// tent's furniture and page objects, the medal sheet of the medal box and the card sheets of
// the albums. Each is a keyed sheet; a page object has a plain and a lit animation.
#include "content/painters/camp_art.h"

#include <cmath>
#include <map>
#include <vector>

#include "content/painters/kit.h"
#include "content/painters/paint.h"

namespace painters {

namespace {

using writers::Mix;
using writers::Rgba;
using writers::Shade;

const Rgba kInk{22, 24, 20, 255}, kPaper{230, 218, 186, 255}, kGold{226, 182, 64, 255}, kCanvas{176, 160, 112, 255},
    kWood{130, 88, 50, 255}, kRed{168, 42, 34, 255}, kOlive{92, 108, 58, 255}, kSteel{120, 132, 146, 255},
    kWhite{244, 242, 232, 255}, kPink{232, 150, 160, 255};
const Ink_Tone kInkTone = Tone_Of(kInk, 0.9); // the outlines' ink

void Disc(cairo_t* cr, double cx, double cy, double r, Rgba c) {
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Lit(cr, cx - r, cy - r, cx + r, cy + r, c, 2.0, kInkTone, 1.25f, 0.72f);
}

void Box(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c) {
    Rounded_Rect(cr, x, y, w, h, r);
    Lit(cr, x, y, x + w, y + h, c, 2.0, kInkTone, 1.25f, 0.72f);
}

void Text(cairo_t* cr, const std::string& s, double cx, double base, double size, Rgba c, bool bold = true) {
    Set_Rgb(cr, c);
    Text_Centred(cr, s, cx, base, size, bold);
}

// A book seen from the front: cover, spine band and title strip.
void Book(cairo_t* cr, double x, double y, double w, double h, Rgba cover) {
    Box(cr, x, y, w, h, 3, cover);
    Set_Rgb(cr, Shade(cover, 0.6f));
    cairo_rectangle(cr, x + 3, y + 2, w * 0.1, h - 4);
    cairo_fill(cr);
}

// ---- The pieces, one picture each, drawn on a grid of 100 x 100; `alt` is the second look ----

void Piece_Sock(cairo_t* cr, bool) {
    cairo_move_to(cr, 38, 10);
    cairo_line_to(cr, 62, 10);
    cairo_line_to(cr, 62, 62);
    cairo_curve_to(cr, 62, 82, 50, 90, 30, 90);
    cairo_line_to(cr, 18, 90);
    cairo_curve_to(cr, 8, 90, 8, 72, 18, 70);
    cairo_line_to(cr, 38, 66);
    cairo_close_path(cr);
    Lit(cr, 10, 10, 62, 90, Rgba{214, 204, 176, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    Set_Rgb(cr, kOlive);
    for (double yy : {18.0, 28.0}) {
        cairo_rectangle(cr, 39, yy, 22, 5);
        cairo_fill(cr);
    }
    Set_Rgb(cr, Rgba{120, 140, 60, 255}, 0.8); // the smell
    cairo_set_line_width(cr, 2.5);
    for (int k = 0; k < 3; ++k) {
        const double sx = 70 + k * 8;
        cairo_move_to(cr, sx, 40);
        cairo_curve_to(cr, sx + 6, 32, sx - 6, 24, sx, 14);
        cairo_stroke(cr);
    }
}

void Piece_Lantern(cairo_t* cr, bool alt) {
    if (!alt) {
        cairo_pattern_t* g = cairo_pattern_create_radial(50, 56, 4, 50, 56, 48);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.45, 0.65);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.45, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, 50, 22, 12, kPi, 2 * kPi); // the handle
    cairo_stroke(cr);
    Box(cr, 34, 26, 32, 8, 3, Rgba{60, 70, 60, 255});
    Ellipse(cr, 50, 56, 18, 22);
    Lit(cr, 32, 34, 68, 78, alt ? Rgba{70, 76, 80, 255} : Rgba{255, 226, 140, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    if (!alt) {
        Ellipse(cr, 50, 60, 5, 9);
        Set_Rgb(cr, Rgba{255, 150, 40, 255});
        cairo_fill(cr);
    }
    Box(cr, 30, 76, 40, 10, 3, Rgba{60, 70, 60, 255});
}

void Piece_Doll(cairo_t* cr, bool alt) {
    const Rgba burlap{186, 150, 96, 255};
    cairo_move_to(cr, 50, 38);
    cairo_line_to(cr, 82, 48);
    cairo_line_to(cr, 78, 58);
    cairo_line_to(cr, 60, 54);
    cairo_line_to(cr, 66, 92);
    cairo_line_to(cr, 54, 92);
    cairo_line_to(cr, 50, 70);
    cairo_line_to(cr, 46, 92);
    cairo_line_to(cr, 34, 92);
    cairo_line_to(cr, 40, 54);
    cairo_line_to(cr, 22, 58);
    cairo_line_to(cr, 18, 48);
    cairo_close_path(cr);
    Lit(cr, 18, 38, 82, 92, burlap, 2.0, kInkTone, 1.25f, 0.72f);
    Disc(cr, 50, 26, 17, burlap);
    for (int k = 0; k < 2; ++k) {
        const double ex = 43 + k * 14;
        Disc(cr, ex, 24, 4.5, alt ? Rgba{255, 40, 30, 255} : kInk);
        if (alt) {
            Set_Rgb(cr, Rgba{255, 80, 40, 255}, 0.35);
            cairo_arc(cr, ex, 24, 9, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 42, 34);
    cairo_line_to(cr, 58, 34);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) { // pins
        const double px = 40 + k * 10, py = 50 + k * 8;
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px - 10, py - 10);
        cairo_stroke(cr);
        Disc(cr, px - 10, py - 10, 3, k == 1 ? kGold : kRed);
    }
}

void Piece_Books(cairo_t* cr, bool) {
    Book(cr, 14, 70, 72, 16, Rgba{60, 110, 170, 255});
    Book(cr, 20, 54, 62, 16, Rgba{200, 150, 40, 255});
    Book(cr, 10, 38, 70, 16, Rgba{170, 60, 60, 255});
    Text(cr, "ABC", 50, 50, 11, kWhite);
}

void Piece_Magazines(cairo_t* cr, bool) {
    for (int k = 0; k < 3; ++k) {
        cairo_save(cr);
        cairo_translate(cr, 50, 55);
        cairo_rotate(cr, (k - 1) * 0.25);
        Box(cr, -24, -32, 48, 64, 2, k == 1 ? kPink : Rgba{240, 200, 120, 255});
        Set_Rgb(cr, kRed);
        cairo_rectangle(cr, -20, -28, 40, 10);
        cairo_fill(cr);
        Ellipse(cr, 0, 8, 10, 14);
        Set_Rgb(cr, Rgba{200, 120, 120, 255});
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void Piece_Ashtray(cairo_t* cr, bool) {
    Ellipse(cr, 50, 66, 38, 18);
    Lit(cr, 12, 48, 88, 84, Rgba{150, 180, 190, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 62, 26, 10);
    Set_Rgb(cr, Rgba{80, 80, 80, 255});
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {
        Box(cr, 30 + k * 12, 56 + (k % 2) * 4, 16, 5, 2, kWhite);
        Disc(cr, 30 + k * 12, 58.5 + (k % 2) * 4, 2.5, Rgba{200, 90, 40, 255});
    }
    Set_Rgb(cr, Rgba{200, 200, 200, 255}, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 46, 52);
    cairo_curve_to(cr, 56, 40, 36, 30, 50, 14);
    cairo_stroke(cr);
}

void Piece_Rug(cairo_t* cr, bool) {
    Ellipse(cr, 50, 50, 48, 30);
    Lit(cr, 2, 20, 98, 80, Rgba{150, 50, 40, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 50, 38, 22);
    Set_Rgb(cr, kGold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Ellipse(cr, 50, 50, 22, 12);
    Set_Rgb(cr, Rgba{40, 70, 110, 255});
    cairo_fill(cr);
    Ellipse(cr, 50, 50, 8, 4);
    Set_Rgb(cr, kGold);
    cairo_fill(cr);
}

void Piece_Chair(cairo_t* cr, bool) {
    Box(cr, 26, 10, 48, 12, 3, kWood);
    Box(cr, 26, 28, 48, 8, 2, kWood);
    Set_Rgb(cr, Shade(kWood, 0.7f));
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 30, 14);
    cairo_line_to(cr, 30, 94);
    cairo_move_to(cr, 70, 14);
    cairo_line_to(cr, 70, 94);
    cairo_move_to(cr, 24, 94);
    cairo_line_to(cr, 76, 60);
    cairo_move_to(cr, 76, 94);
    cairo_line_to(cr, 24, 60);
    cairo_stroke(cr);
    Box(cr, 18, 54, 64, 10, 3, kWood);
}

void Piece_Diary(cairo_t* cr, bool) {
    Book(cr, 24, 20, 52, 66, Rgba{96, 56, 36, 255});
    Box(cr, 66, 44, 16, 12, 3, kGold);
    Text(cr, "Diary", 50, 40, 12, kGold);
}

void Piece_Golf(cairo_t* cr, bool) {
    Set_Rgb(cr, kSteel);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 42 + k * 8, 44);
        cairo_line_to(cr, 36 + k * 12, 8);
        cairo_stroke(cr);
        Box(cr, 30 + k * 12, 4, 14, 7, 2, kSteel);
    }
    Box(cr, 32, 40, 36, 54, 8, Rgba{40, 90, 60, 255});
    Set_Rgb(cr, kWhite);
    cairo_rectangle(cr, 32, 56, 36, 5);
    cairo_fill(cr);
}

void Piece_Painting(cairo_t* cr, bool) {
    Box(cr, 8, 16, 84, 66, 2, Rgba{170, 130, 50, 255});
    cairo_rectangle(cr, 16, 24, 68, 50);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, 24, 0, 74), Rgba{140, 180, 220, 255}, 1.1f, 0.9f, false);
    Set_Rgb(cr, Rgba{70, 110, 50, 255});
    cairo_move_to(cr, 16, 74);
    cairo_line_to(cr, 16, 58);
    cairo_curve_to(cr, 36, 44, 50, 60, 60, 50);
    cairo_curve_to(cr, 70, 44, 80, 52, 84, 50);
    cairo_line_to(cr, 84, 74);
    cairo_close_path(cr);
    cairo_fill(cr);
    Disc(cr, 70, 36, 6, Rgba{250, 220, 120, 255});
}

void Piece_Piggy(cairo_t* cr, bool) {
    Ellipse(cr, 50, 58, 34, 26);
    Lit(cr, 16, 32, 84, 84, kPink, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 84, 58, 8, 10);
    Lit(cr, 76, 48, 92, 68, Shade(kPink, 0.9f), 2.0, kInkTone, 1.25f, 0.72f);
    Disc(cr, 68, 46, 3, kInk);
    for (double lx : {30.0, 44.0, 58.0, 70.0}) Box(cr, lx - 4, 78, 9, 12, 2, Shade(kPink, 0.85f));
    Set_Rgb(cr, kInk);
    cairo_rectangle(cr, 42, 33, 14, 3);
    cairo_fill(cr);
    Disc(cr, 50, 24, 7, kGold);
}

void Piece_Bible(cairo_t* cr, bool) {
    Book(cr, 22, 14, 56, 74, Rgba{40, 36, 34, 255});
    Set_Rgb(cr, kGold);
    cairo_rectangle(cr, 47, 28, 6, 36);
    cairo_rectangle(cr, 38, 38, 24, 6);
    cairo_fill(cr);
}

void Piece_Flag(cairo_t* cr, bool) {
    Set_Rgb(cr, Shade(kWood, 0.8f));
    cairo_rectangle(cr, 14, 6, 5, 90);
    cairo_fill(cr);
    cairo_move_to(cr, 19, 10);
    cairo_curve_to(cr, 40, 4, 60, 18, 90, 10);
    cairo_line_to(cr, 90, 56);
    cairo_curve_to(cr, 60, 64, 40, 50, 19, 56);
    cairo_close_path(cr);
    Lit(cr, 19, 10, 90, 56, kOlive, 2.0, kInkTone, 1.25f, 0.72f);
    Set_Rgb(cr, kGold);
    for (int k = 0; k < 10; ++k) {
        const double a = -kPi / 2 + k * kPi / 5, r = (k % 2) ? 5 : 12;
        if (k == 0) cairo_move_to(cr, 54 + r * std::cos(a), 33 + r * std::sin(a));
        else cairo_line_to(cr, 54 + r * std::cos(a), 33 + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Piece_Bedpan(cairo_t* cr, bool) {
    Ellipse(cr, 46, 60, 36, 20);
    Lit(cr, 10, 40, 82, 80, kWhite, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 46, 56, 24, 11);
    Set_Rgb(cr, Rgba{190, 196, 200, 255});
    cairo_fill(cr);
    Box(cr, 78, 54, 18, 8, 3, kWhite);
    Set_Rgb(cr, Rgba{40, 80, 150, 255});
    cairo_set_line_width(cr, 2);
    Ellipse(cr, 46, 60, 36, 20);
    cairo_stroke(cr);
}

void Piece_Bogroll(cairo_t* cr, bool) {
    Box(cr, 22, 30, 56, 56, 6, kWhite);
    Ellipse(cr, 50, 30, 28, 10);
    Lit(cr, 22, 20, 78, 40, kWhite, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 30, 9, 4);
    Set_Rgb(cr, Rgba{160, 130, 90, 255});
    cairo_fill(cr);
    cairo_move_to(cr, 70, 60);
    cairo_line_to(cr, 92, 92);
    cairo_line_to(cr, 76, 96);
    cairo_line_to(cr, 60, 78);
    cairo_close_path(cr);
    Lit(cr, 60, 60, 92, 96, kWhite, 1.5, kInkTone, 1.25f, 0.72f);
}

void Piece_Plate(cairo_t* cr, bool) {
    Ellipse(cr, 50, 56, 44, 26);
    Lit(cr, 6, 30, 94, 82, kWhite, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 56, 30, 16);
    Set_Rgb(cr, Rgba{200, 204, 210, 255});
    cairo_fill(cr);
    Ellipse(cr, 40, 54, 12, 7);
    Lit(cr, 28, 47, 52, 61, Rgba{150, 80, 50, 255}, 1.5, kInkTone, 1.25f, 0.72f); // a sausage and beans
    for (int k = 0; k < 6; ++k) Disc(cr, 58 + (k % 3) * 5, 50 + (k / 3) * 6, 2.6, Rgba{200, 90, 40, 255});
}

void Piece_Teacup(cairo_t* cr, bool) {
    Ellipse(cr, 50, 80, 40, 10);
    Lit(cr, 10, 70, 90, 90, kWhite, 2.0, kInkTone, 1.25f, 0.72f);
    cairo_move_to(cr, 26, 40);
    cairo_line_to(cr, 74, 40);
    cairo_curve_to(cr, 72, 70, 64, 78, 50, 78);
    cairo_curve_to(cr, 36, 78, 28, 70, 26, 40);
    cairo_close_path(cr);
    Lit(cr, 26, 40, 74, 78, kWhite, 2.0, kInkTone, 1.25f, 0.72f);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_arc(cr, 78, 54, 9, -kPi / 2, kPi / 2);
    cairo_stroke(cr);
    Ellipse(cr, 50, 41, 23, 5);
    Set_Rgb(cr, Rgba{140, 90, 50, 255});
    cairo_fill(cr);
    Set_Rgb(cr, Rgba{40, 90, 160, 255});
    cairo_rectangle(cr, 30, 52, 40, 4);
    cairo_fill(cr);
}

void Piece_Hamlet(cairo_t* cr, bool) {
    const Rgba bone{232, 224, 200, 255};
    Disc(cr, 50, 44, 30, bone);
    Box(cr, 34, 60, 32, 26, 6, bone);
    for (int k = 0; k < 2; ++k) {
        Ellipse(cr, 38 + k * 24, 46, 8, 9);
        Set_Rgb(cr, kInk);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 50, 56);
    cairo_line_to(cr, 45, 66);
    cairo_line_to(cr, 55, 66);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, 38 + k * 6, 74);
        cairo_line_to(cr, 38 + k * 6, 84);
    }
    cairo_stroke(cr);
}

void Piece_Snuff(cairo_t* cr, bool) {
    Ellipse(cr, 50, 64, 36, 18);
    Lit(cr, 14, 46, 86, 82, Rgba{150, 110, 40, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 56, 36, 18);
    Lit(cr, 14, 38, 86, 74, kGold, 2.0, kInkTone, 1.25f, 0.72f);
    Ellipse(cr, 50, 56, 16, 8);
    Set_Rgb(cr, kRed);
    cairo_fill(cr);
}

void Piece_Plane(cairo_t* cr, bool) {
    Box(cr, 10, 44, 80, 14, 7, kRed);            // body
    Box(cr, 34, 26, 16, 50, 4, Rgba{230, 200, 80, 255}); // the wings seen from above
    Box(cr, 80, 40, 8, 22, 3, Rgba{230, 200, 80, 255});
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 6, 36);
    cairo_line_to(cr, 6, 66);
    cairo_stroke(cr);
    Disc(cr, 10, 51, 4, kSteel);
}

void Piece_Poster(cairo_t* cr, bool) {
    Box(cr, 16, 4, 68, 92, 2, kPaper);
    Set_Rgb(cr, kRed);
    cairo_rectangle(cr, 22, 10, 56, 20);
    cairo_fill(cr);
    Text(cr, "BIG", 50, 20, 9, kWhite);
    Text(cr, "BAND", 50, 28, 9, kWhite);
    Disc(cr, 50, 48, 9, Rgba{222, 180, 140, 255});
    Ellipse(cr, 50, 42, 12, 6);
    Set_Rgb(cr, Rgba{200, 160, 40, 255});
    cairo_fill(cr);
    cairo_move_to(cr, 36, 90);
    cairo_line_to(cr, 42, 58);
    cairo_line_to(cr, 58, 58);
    cairo_line_to(cr, 64, 90);
    cairo_close_path(cr);
    Lit(cr, 36, 58, 64, 90, Rgba{60, 110, 170, 255}, 1.5, kInkTone, 1.25f, 0.72f);
    Text(cr, "SAT 8PM", 50, 94, 7, kInk);
}

// A tunnel hatch; its second look open and lit
void Piece_Hatch(cairo_t* cr, bool alt) {
    if (alt) {
        cairo_pattern_t* g = cairo_pattern_create_radial(50, 50, 4, 50, 50, 50);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, 0.8);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
    Disc(cr, 50, 50, 30, Rgba{90, 86, 80, 255});
    Disc(cr, 50, 50, 22, alt ? Rgba{40, 30, 20, 255} : Rgba{120, 116, 106, 255});
    Set_Rgb(cr, kInk, 0.6);
    cairo_set_line_width(cr, 3);
    for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, 36, 50 + k * 9);
        cairo_line_to(cr, 64, 50 + k * 9);
    }
    cairo_stroke(cr);
}

void Piece_Drip(cairo_t* cr, bool) {
    cairo_move_to(cr, 50, 20);
    cairo_curve_to(cr, 58, 44, 66, 56, 66, 66);
    cairo_curve_to(cr, 66, 78, 58, 84, 50, 84);
    cairo_curve_to(cr, 42, 84, 34, 78, 34, 66);
    cairo_curve_to(cr, 34, 56, 42, 44, 50, 20);
    cairo_close_path(cr);
    Lit(cr, 34, 20, 66, 84, Rgba{120, 170, 220, 255}, 2.0, kInkTone, 1.25f, 0.72f);
    Disc(cr, 44, 64, 4, kWhite);
}

void Piece_MedalBox(cairo_t* cr, bool) {
    Box(cr, 10, 34, 80, 48, 4, Rgba{110, 70, 40, 255});
    Box(cr, 6, 24, 88, 18, 4, Rgba{130, 84, 48, 255});
    Box(cr, 44, 38, 12, 10, 2, kGold);
    Set_Rgb(cr, kRed);
    cairo_move_to(cr, 42, 54);
    cairo_line_to(cr, 58, 54);
    cairo_line_to(cr, 54, 66);
    cairo_line_to(cr, 46, 66);
    cairo_close_path(cr);
    cairo_fill(cr);
    Disc(cr, 50, 72, 8, kGold);
}

void Piece_Cot(cairo_t* cr, bool alt) {
    Set_Rgb(cr, Shade(kOlive, 0.6f));
    cairo_set_line_width(cr, 4);
    for (double lx : {8.0, 92.0}) {
        cairo_move_to(cr, lx, 62);
        cairo_line_to(cr, lx, 86);
    }
    cairo_stroke(cr);
    Box(cr, 4, 50, 92, 16, 4, Rgba{110, 120, 80, 255});
    Box(cr, 8, 38, 24, 14, 6, kWhite); // pillow
    Box(cr, 30, 40, 64, 14, 5, Rgba{90, 70, 50, 255}); // blanket
    Set_Rgb(cr, kRed);
    cairo_rectangle(cr, 44, 41, 4, 12);
    cairo_rectangle(cr, 74, 41, 4, 12);
    cairo_fill(cr);
    if (alt) Text(cr, "z z Z", 60, 28, 14, kWhite);
}

void Piece_Clipboard(cairo_t* cr, bool) {
    Box(cr, 22, 10, 56, 80, 4, kWood);
    Box(cr, 28, 18, 44, 66, 1, kWhite);
    Box(cr, 40, 6, 20, 10, 3, kSteel);
    Set_Rgb(cr, kInk, 0.7);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, 32, 30 + k * 9);
        cairo_line_to(cr, 68 - (k % 3) * 6, 30 + k * 9);
    }
    cairo_stroke(cr);
    Set_Rgb(cr, kRed);
    cairo_move_to(cr, 60, 74);
    cairo_line_to(cr, 64, 80);
    cairo_line_to(cr, 72, 66);
    cairo_stroke(cr);
}

void Piece_Album(cairo_t* cr, bool) {
    Box(cr, 14, 14, 72, 76, 4, Rgba{120, 40, 50, 255});
    Set_Rgb(cr, Shade(kRed, 0.5f));
    cairo_rectangle(cr, 16, 16, 8, 72);
    cairo_fill(cr);
    Box(cr, 38, 26, 32, 44, 2, kPaper);
    Disc(cr, 54, 42, 7, Rgba{222, 180, 140, 255});
    Box(cr, 46, 50, 16, 16, 4, Rgba{60, 110, 170, 255});
    Text(cr, "CARDS", 54, 84, 10, kGold);
}

struct Named_Piece {
    const char* name;
    void (*draw)(cairo_t*, bool);
};
const Named_Piece kPieces[] = {
    {"sock", Piece_Sock},
    {"lantern", Piece_Lantern},
    {"doll", Piece_Doll},
    {"books", Piece_Books},
    {"magazines", Piece_Magazines},
    {"ashtray", Piece_Ashtray},
    {"rug", Piece_Rug},
    {"chair", Piece_Chair},
    {"diary", Piece_Diary},
    {"golf", Piece_Golf},
    {"painting", Piece_Painting},
    {"piggy", Piece_Piggy},
    {"bible", Piece_Bible},
    {"flag", Piece_Flag},
    {"bedpan", Piece_Bedpan},
    {"bogroll", Piece_Bogroll},
    {"plate", Piece_Plate},
    {"teacup", Piece_Teacup},
    {"hamlet", Piece_Hamlet},
    {"snuff", Piece_Snuff},
    {"plane", Piece_Plane},
    {"poster", Piece_Poster},
    {"hatch", Piece_Hatch},
    {"drip", Piece_Drip},
    {"medal_box", Piece_MedalBox},
    {"cot", Piece_Cot},
    {"clipboard", Piece_Clipboard},
    {"album", Piece_Album},
};

const Named_Piece* Find_Piece(const std::string& p) {
    for (const Named_Piece& n : kPieces)
        if (p == n.name) return &n;
    return nullptr;
}

// One piece, drawn into a square cell of side s at (x, y); `alt` is the second look (the
// lantern out, the doll's eyes aglow).
void Piece(cairo_t* cr, const std::string& p, double x, double y, double s, bool alt) {
    const double u = s / 100.0; // the pieces are laid out on a 100 x 100 grid
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, u, u);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (const Named_Piece* n = Find_Piece(p)) n->draw(cr, alt);
    cairo_restore(cr);
}

// A soft gold glow behind a page object: its lit look.
void Glow(cairo_t* cr, double x, double y, double w, double h) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 2, x + w / 2, y + h / 2, w / 2);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.86, 0.4, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.86, 0.4, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

bool Known_Piece(const std::string& p) { return Find_Piece(p) != nullptr; }

// A small tent seen from outside, standing on `base`.
void Tent_Shape(cairo_t* cr, double cx, double base, double s, Rgba c) {
    cairo_move_to(cr, cx - s, base);
    cairo_line_to(cr, cx, base - s * 0.8);
    cairo_line_to(cr, cx + s, base);
    cairo_close_path(cr);
    Lit(cr, cx - s, base - s, cx + s, base, c, 1.0, kInkTone, 1.25f, 0.72f);
    cairo_move_to(cr, cx, base - s * 0.8);
    cairo_line_to(cr, cx - s * 0.15, base);
    cairo_line_to(cr, cx + s * 0.15, base);
    cairo_close_path(cr);
    Set_Rgb(cr, kInk, 0.6);
    cairo_fill(cr);
}

// The canvas wall of the tent: a ridge pole, sloping sides with seams, the open flap on the
// right showing the camp outside, a plank floor.
void Tent_Room(cairo_t* cr, double x, double y, double W, double H, bool night) {
    cairo_translate(cr, x, y);
    const Rgba canvas = night ? Shade(kCanvas, 0.4f) : kCanvas;
    Fill_Shaded(cr, cairo_pattern_create_linear(0, 0, 0, H), canvas, 1.15f, 0.75f, false);
    cairo_paint(cr);
    // The flap: the outside, framed by the folded-back canvas.
    const double fx = W * 0.7, fw = W * 0.2, fy = H * 0.3;
    cairo_save(cr);
    cairo_move_to(cr, fx, H * 0.78);
    cairo_line_to(cr, fx + fw * 0.5, fy);
    cairo_line_to(cr, fx + fw, H * 0.78);
    cairo_close_path(cr);
    cairo_clip(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, fy, 0, H * 0.78),
                night ? Rgba{14, 20, 40, 255} : Rgba{150, 190, 220, 255}, 1.1f, 0.9f, false);
    cairo_paint(cr);
    if (night) {
        Set_Rgb(cr, Rgba{250, 250, 220, 255});
        for (int k = 0; k < 6; ++k) {
            cairo_arc(cr, fx + fw * (0.3 + 0.08 * k), fy + H * (0.18 + 0.05 * (k % 3)), 1.2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    Tent_Shape(cr, fx + fw * 0.55, H * 0.7, fw * 0.5, night ? Rgba{40, 48, 34, 255} : Rgba{150, 140, 96, 255});
    cairo_rectangle(cr, fx, H * 0.7, fw, H * 0.08);
    Set_Rgb(cr, night ? Rgba{30, 44, 26, 255} : Rgba{110, 140, 70, 255});
    cairo_fill(cr);
    cairo_restore(cr);
    Set_Rgb(cr, Shade(canvas, 0.8f));
    cairo_move_to(cr, fx + fw * 0.5, fy);
    cairo_line_to(cr, fx - fw * 0.15, H * 0.78);
    cairo_line_to(cr, fx + fw * 0.18, H * 0.78);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Seams and the slope of the roof.
    Set_Rgb(cr, Shade(canvas, 0.7f));
    cairo_set_line_width(cr, 2);
    for (int k = 1; k < 8; ++k) {
        cairo_move_to(cr, W * 0.5, 0);
        cairo_line_to(cr, W * k / 8.0, H * 0.78);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 10);
    Set_Rgb(cr, Shade(kWood, night ? 0.45f : 0.8f));
    cairo_move_to(cr, W * 0.5, 0); // the pole
    cairo_line_to(cr, W * 0.5, H * 0.8);
    cairo_stroke(cr);
    // The floor: planks.
    cairo_rectangle(cr, 0, H * 0.78, W, H * 0.22);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, H * 0.78, 0, H), night ? Shade(kWood, 0.5f) : kWood, 1.1f, 0.7f,
                false);
    Set_Rgb(cr, kInk, 0.35);
    cairo_set_line_width(cr, 1.5);
    for (int k = 1; k < 5; ++k) {
        const double yy = H * 0.78 + k * H * 0.044;
        cairo_move_to(cr, 0, yy);
        cairo_line_to(cr, W, yy);
    }
    cairo_stroke(cr);
    if (night) { // the lantern's pool of light around the pole
        cairo_pattern_t* g = cairo_pattern_create_radial(W * 0.5, H * 0.35, 10, W * 0.5, H * 0.35, W * 0.45);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.8, 0.4, 0.25);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.8, 0.4, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
}

// The tunnel map's places in view units (x to the right, y up, the 4:3 view -1..1 by
// -0.75..0.75): the camp's way back, then the four destinations of sprites 5 to 8. The tunnel
// scene puts its hot spot and destination sprites on these places.
struct Map_Place {
    double x, y;
};
constexpr Map_Place CAMP_PLACE{-0.55, -0.42};
constexpr Map_Place DESTINATIONS[4] = {{0.55, 0.42}, {0.05, 0.5}, {-0.55, 0.36}, {0.62, -0.24}};
const char* const DESTINATION_NAMES[3][4] = {{"Pebble Beach", "Light House", "Pebble Bay", "Boat Yard"},
                                             {"Church", "Grave Yard", "Palace", "Coastal Town"},
                                             {"Vineyard", "River Bank", "Missile Silo", "Trench"}};

// A view position in the pixels of a backdrop of W x H (the backdrop covers -1.2..1.2 by
// 0.75..-0.75).
double Px(double x, double W) { return (x + 1.2) / 2.4 * W; }
double Py(double y, double H) { return (0.75 - y) / 1.5 * H; }

void Tunnel_Map(cairo_t* cr, double W, double H, int network) {
    static const Rgba earth[3] = {{84, 70, 50, 255}, {70, 66, 60, 255}, {76, 72, 40, 255}};
    Fill_Shaded(cr, cairo_pattern_create_radial(W / 2, H / 2, 10, W / 2, H / 2, W * 0.7), earth[network - 1], 1.2f,
                0.45f, false);
    cairo_paint(cr);
    for (int k = 0; k < 220; ++k) { // gravel
        const double gx = std::fmod(k * 97.31, W), gy = std::fmod(k * 53.17 + k * k * 0.37, H);
        Set_Rgb(cr, k % 3 ? Rgba{40, 34, 26, 255} : Rgba{130, 120, 100, 255}, 0.5);
        cairo_arc(cr, gx, gy, 1 + (k % 4) * 0.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    // The tunnels: from the camp to a hub, from the hub to each destination; dug wide, then
    // lined with timber.
    const double hx = Px(0.0, W), hy = Py(0.0, H), cx = Px(CAMP_PLACE.x, W), cy = Py(CAMP_PLACE.y, H);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_set_line_width(cr, pass == 0 ? 22 : 12);
        Set_Rgb(cr, pass == 0 ? Rgba{36, 28, 20, 255} : Rgba{18, 14, 10, 255});
        cairo_move_to(cr, cx, cy);
        cairo_curve_to(cr, cx + 30, cy - 10, hx - 30, hy + 30, hx, hy);
        for (const Map_Place& d : DESTINATIONS) {
            cairo_move_to(cr, hx, hy);
            const double dx = Px(d.x, W), dy = Py(d.y, H);
            cairo_curve_to(cr, (hx + dx) / 2 + 20, hy, (hx + dx) / 2, dy + 20, dx, dy);
        }
        cairo_stroke(cr);
    }
    Set_Rgb(cr, Rgba{120, 84, 50, 255});
    for (int k = 0; k < 5; ++k) { // props along the tunnels
        const double t = 0.2 + 0.15 * k;
        for (const Map_Place& d : DESTINATIONS) {
            const double px = hx + (Px(d.x, W) - hx) * t, py = hy + (Py(d.y, H) - hy) * t;
            cairo_rectangle(cr, px - 2, py - 7, 4, 14);
            cairo_fill(cr);
        }
    }
    // Labels beside the destinations and the camp.
    for (int k = 0; k < 4; ++k) {
        const double dx = Px(DESTINATIONS[k].x, W), dy = Py(DESTINATIONS[k].y, H);
        Set_Rgb(cr, kInk, 0.6);
        Rounded_Rect(cr, dx - 44, dy + 16, 88, 16, 4);
        cairo_fill(cr);
        Text(cr, DESTINATION_NAMES[network - 1][k], dx, dy + 28, 11, kPaper);
    }
    Tent_Shape(cr, cx, cy + 8, 20, Rgba{150, 140, 96, 255});
    Set_Rgb(cr, kInk, 0.6); // the camp's name above its tent (the page's buttons run below it)
    Rounded_Rect(cr, cx - 44, cy - 38, 88, 16, 4);
    cairo_fill(cr);
    Text(cr, "Summer Camp", cx, cy - 26, 11, kGold);
    static const char* const titles[3] = {"BEACH TUNNELS", "VILLAGE TUNNELS", "FARMLAND TUNNELS"};
    Text(cr, titles[network - 1], W / 2, 26, 20, kGold);
}

// One medal of the medal box: a ribbon and a star, heart or cross in bronze, silver, gold or
// the perfect look (gold with a red enamel centre).
void Medal(cairo_t* cr, double x, double y, double w, double h, int shape, int grade) {
    static const Rgba metal[4] = {{176, 110, 60, 255}, {196, 200, 210, 255}, {232, 190, 70, 255}, {240, 200, 80, 255}};
    static const Rgba ribbon[3] = {{60, 90, 160, 255}, {150, 40, 40, 255}, {60, 120, 60, 255}};
    const double cx = x + w / 2, top = y + h * 0.08;
    cairo_move_to(cr, cx - w * 0.16, top);
    cairo_line_to(cr, cx + w * 0.16, top);
    cairo_line_to(cr, cx + w * 0.1, y + h * 0.45);
    cairo_line_to(cr, cx - w * 0.1, y + h * 0.45);
    cairo_close_path(cr);
    Lit(cr, cx - w * 0.16, top, cx + w * 0.16, y + h * 0.45, ribbon[shape], 1.5, kInkTone, 1.25f, 0.72f);
    Set_Rgb(cr, kWhite, 0.7);
    cairo_rectangle(cr, cx - w * 0.03, top, w * 0.06, h * 0.36);
    cairo_fill(cr);
    const double my = y + h * 0.66, r = w * 0.28;
    if (shape == 0) { // star
        for (int k = 0; k < 10; ++k) {
            const double a = -kPi / 2 + k * kPi / 5, rr = (k % 2) ? r * 0.45 : r;
            if (k == 0) cairo_move_to(cr, cx + rr * std::cos(a), my + rr * std::sin(a));
            else cairo_line_to(cr, cx + rr * std::cos(a), my + rr * std::sin(a));
        }
        cairo_close_path(cr);
    } else if (shape == 1) { // heart
        cairo_move_to(cr, cx, my + r * 0.9);
        cairo_curve_to(cr, cx - r * 1.3, my - r * 0.1, cx - r * 0.7, my - r * 1.0, cx, my - r * 0.4);
        cairo_curve_to(cr, cx + r * 0.7, my - r * 1.0, cx + r * 1.3, my - r * 0.1, cx, my + r * 0.9);
        cairo_close_path(cr);
    } else { // cross
        const double a = r * 0.34;
        cairo_move_to(cr, cx - a, my - r);
        cairo_line_to(cr, cx + a, my - r);
        cairo_line_to(cr, cx + a, my - a);
        cairo_line_to(cr, cx + r, my - a);
        cairo_line_to(cr, cx + r, my + a);
        cairo_line_to(cr, cx + a, my + a);
        cairo_line_to(cr, cx + a, my + r);
        cairo_line_to(cr, cx - a, my + r);
        cairo_line_to(cr, cx - a, my + a);
        cairo_line_to(cr, cx - r, my + a);
        cairo_line_to(cr, cx - r, my - a);
        cairo_line_to(cr, cx - a, my - a);
        cairo_close_path(cr);
    }
    Lit(cr, cx - r, my - r, cx + r, my + r, metal[grade], 2.0, kInkTone, 1.25f, 0.72f);
    if (grade == 3) {
        cairo_arc(cr, cx, my, r * 0.28, 0, 2 * kPi);
        Lit(cr, cx - r * 0.3, my - r * 0.3, cx + r * 0.3, my + r * 0.3, kRed, 1.5, kInkTone, 1.25f, 0.72f);
        Set_Rgb(cr, kWhite, 0.9);
        for (int k = 0; k < 4; ++k) { // sparkle
            const double sx = cx + r * (k % 2 ? 0.9 : -0.9), sy = my + r * (k < 2 ? -0.9 : 0.9);
            cairo_arc(cr, sx, sy, 2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
}

// An empty place on the cloth: a stitched outline.
void Empty_Place(cairo_t* cr, double x, double y, double w, double h) {
    Rounded_Rect(cr, x + w * 0.18, y + h * 0.3, w * 0.64, h * 0.62, 8);
    Set_Rgb(cr, kInk, 0.25);
    cairo_fill_preserve(cr);
    const double dash[] = {4, 4};
    cairo_set_dash(cr, dash, 2, 0);
    Set_Rgb(cr, kPaper, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    Text(cr, "?", x + w / 2, y + h * 0.7, h * 0.22, Rgba{230, 218, 186, 160});
}

// The lady on a collectible card: head and shoulders before a coloured sky, hair and dress by
// the card number, the album's theme by `album` (1 bathing, 2 costume, 3 night-wear).
void Card_Face(cairo_t* cr, double x, double y, double w, double h, int card, const std::string& name) {
    static const Rgba skies[6] = {{120, 180, 220, 255}, {230, 170, 120, 255}, {160, 200, 150, 255},
                                  {200, 150, 200, 255}, {240, 210, 120, 255}, {130, 150, 210, 255}};
    static const Rgba hair[5] = {{240, 210, 120, 255}, {90, 50, 30, 255}, {30, 24, 20, 255},
                                 {180, 70, 30, 255},   {200, 190, 170, 255}};
    static const Rgba dress[6] = {{200, 40, 50, 255},  {40, 90, 170, 255}, {240, 240, 240, 255},
                                  {40, 140, 90, 255},  {230, 120, 170, 255}, {30, 30, 40, 255}};
    const int album = card / 12 + 1;
    Rounded_Rect(cr, x + 3, y + 3, w - 6, h - 6, 8);
    Set_Rgb(cr, kInk);
    cairo_fill(cr);
    Rounded_Rect(cr, x + 6, y + 6, w - 12, h - 12, 6);
    Set_Rgb(cr, kPaper);
    cairo_fill(cr);
    const double px = x + 12, py = y + 12, pw = w - 24, ph = h * 0.72;
    cairo_save(cr);
    cairo_rectangle(cr, px, py, pw, ph);
    cairo_clip(cr);
    Fill_Shaded(cr, cairo_pattern_create_linear(0, py, 0, py + ph), skies[card % 6], 1.15f, 0.85f, false);
    cairo_paint(cr);
    if (album == 1) { // the sea behind a bather
        cairo_rectangle(cr, px, py + ph * 0.62, pw, ph * 0.38);
        Set_Rgb(cr, Rgba{50, 100, 160, 255});
        cairo_fill(cr);
    } else if (album == 2) { // stage curtains
        Set_Rgb(cr, Rgba{150, 30, 40, 255});
        for (double cxp : {px, px + pw}) {
            Ellipse(cr, cxp, py + ph / 2, pw * 0.18, ph * 0.7);
            cairo_fill(cr);
        }
    } else { // a bedroom wall with a moon window
        Set_Rgb(cr, Rgba{40, 40, 80, 255}, 0.5);
        cairo_paint(cr);
        Set_Rgb(cr, Rgba{250, 240, 200, 255});
        cairo_arc(cr, px + pw * 0.8, py + ph * 0.18, pw * 0.08, 0, 2 * kPi);
        cairo_fill(cr);
    }
    const double cx = px + pw / 2 + ((card % 3) - 1) * pw * 0.06, head = py + ph * 0.36, hr = pw * 0.16;
    const Rgba skin = card % 4 == 3 ? Rgba{160, 110, 80, 255} : Rgba{236, 196, 160, 255};
    // Hair behind, shoulders and dress, face, hair in front.
    Set_Rgb(cr, hair[card % 5]);
    for (int side = -1; side <= 1; side += 2) { // locks falling beside the face
        Ellipse(cr, cx + side * hr * 0.85, head + hr * 0.35, hr * 0.45, hr * (0.9 + 0.3 * (card % 3)));
        cairo_fill(cr);
    }
    Ellipse(cr, cx, py + ph * 0.95, pw * 0.36, ph * 0.3);
    Set_Rgb(cr, skin);
    cairo_fill(cr);
    cairo_move_to(cr, cx - pw * 0.3, py + ph);
    cairo_line_to(cr, cx - pw * 0.2, py + ph * 0.76);
    cairo_line_to(cr, cx + pw * 0.2, py + ph * 0.76);
    cairo_line_to(cr, cx + pw * 0.3, py + ph);
    cairo_close_path(cr);
    Set_Rgb(cr, dress[(card * 5 + album) % 6]);
    cairo_fill(cr);
    if (album == 2) { // a costume collar
        Set_Rgb(cr, kGold);
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, cx - pw * 0.2, py + ph * 0.77);
        cairo_line_to(cr, cx + pw * 0.2, py + ph * 0.77);
        cairo_stroke(cr);
    }
    Ellipse(cr, cx, head, hr, hr * 1.2);
    Set_Rgb(cr, skin);
    cairo_fill(cr);
    Set_Rgb(cr, hair[card % 5]);
    cairo_arc(cr, cx, head - hr * 0.2, hr * 1.05, kPi, 2 * kPi);
    cairo_fill(cr);
    Set_Rgb(cr, kInk);
    for (int k = -1; k <= 1; k += 2) {
        cairo_arc(cr, cx + k * hr * 0.38, head + hr * 0.05, hr * 0.1, 0, 2 * kPi);
        cairo_fill(cr);
    }
    Set_Rgb(cr, kRed);
    Ellipse(cr, cx, head + hr * 0.6, hr * 0.28, hr * 0.12);
    cairo_fill(cr);
    if (album == 1) { // a sun hat
        Ellipse(cr, cx, head - hr * 0.9, hr * 1.8, hr * 0.35);
        Set_Rgb(cr, Rgba{240, 220, 150, 255});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    Set_Rgb(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, px, py, pw, ph);
    cairo_stroke(cr);
    Text(cr, name, x + w / 2, y + h * 0.86, h * 0.075, kInk);
    Text(cr, "No." + std::to_string(card + 1), x + w / 2, y + h * 0.94, h * 0.05, kRed, false);
}

} // namespace

const char* const CARD_NAMES[36] = {
    "LUCILLE", "MONA",  "AUDRIE",  "BETSY",    "AMANDA", "KELLY",   "LINDA", "LISA",  "HILDA",   "CHLOE",  "TALVERN", "FIONA",
    "CELINE",  "CARLA", "HITOMI",  "HELENA",   "CLAUDIA", "LUCY",   "AMY",   "GLENDA", "LAURA",  "MANDY",  "ISABELLE", "LILLY",
    "EMMA",    "ALLISON", "SCARLET", "FAITH",  "PENNY",  "HAILEY",  "LAYLA", "JASMINE", "STELLA", "BELLA", "BROOKE",  "SARAH"};

bool Paint_Camp_Piece(const std::string& root, const std::string& image, const std::string& piece, int size,
                      std::string& error) {
    std::vector<std::string> pieces(1);
    for (char c : piece) {
        if (c == ',') pieces.emplace_back();
        else pieces.back() += c;
    }
    for (const std::string& p : pieces)
        if (!Known_Piece(p)) {
            error = "unknown piece '" + p + "'";
            return false;
        }
    if (pieces.size() > 1) { // a sheet of still pieces: animation k is piece k
        std::vector<std::vector<int>> a;
        for (int k = 0; k < (int)pieces.size(); ++k) a.push_back({k});
        return Write_Sheet(root, image, writers::SheetLayout{size, size, (int)pieces.size(), 1}, true,
                           [&](cairo_t* cr, int f, double x, double y, double w, double) {
                               Piece(cr, pieces[f], x, y, w, false);
                           },
                           a, 0.25f, 0.25f);
    }
    const bool lit_look = piece == "medal_box" || piece == "cot" || piece == "clipboard" || piece == "album";
    // Four animations: 0 the plain look; 1 the lit look of a page object, the dark lantern or
    // the doll's glowing eyes; 2 and 3 as 0 and 1.
    return Write_Sheet(root, image, writers::SheetLayout{size, size, 2, 1}, true,
                       [&](cairo_t* cr, int f, double x, double y, double w, double) {
                           if (f == 1 && lit_look) Glow(cr, x, y, w, w);
                           Piece(cr, piece, x, y, w, f == 1 && !lit_look);
                       },
                       {{0}, {1}, {0}, {1}}, 0.25f, 0.25f);
}

bool Paint_Tent_Room(const std::string& root, const std::string& image) {
    return Write_Sheet(root, image, writers::SheetLayout{512, 320, 2, 1}, false,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) { Tent_Room(cr, x, y, w, h, f == 1); },
                       {{0}, {1}}, 2.4f, 1.5f);
}

bool Paint_Tunnel_Map(const std::string& root, const std::string& image, int network) {
    return Write_Sheet(root, image, writers::SheetLayout{512, 320, 1, 1}, false,
                       [network](cairo_t* cr, int, double, double, double w, double h) { Tunnel_Map(cr, w, h, network); },
                       {{0}}, 2.4f, 1.5f);
}

bool Paint_Medal_Sheet(const std::string& root, const std::string& image) {
    // Cell 0 the empty place; cells 1 to 12 the medals in slot order. Animations 2 to 5,
    // 8 to 11 and 14 to 17 are the won medals of slots 0 to 11; the others the empty place.
    std::vector<std::vector<int>> a(18, std::vector<int>{0});
    for (int slot = 0; slot < 12; ++slot) a[2 + slot + (slot / 4) * 2] = {1 + slot};
    return Write_Sheet(root, image, writers::SheetLayout{96, 128, 13, 1}, true,
                       [](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f == 0) Empty_Place(cr, x, y, w, h);
                           else Medal(cr, x, y, w, h, (f - 1) / 4, (f - 1) % 4);
                       },
                       a, 0.18f, 0.24f);
}

bool Paint_Album_Sheet(const std::string& root, const std::string& image, int album) {
    // The album's sheet stands in the HUD panels' slot on the album page, where the tooltip's
    // backing box shows its animation 0: that is a dark panel. Animation 1 is the empty place
    // of a card not found, 2 to 13 the cards of slots 0 to 11 (cell k + 2 each).
    std::vector<std::vector<int>> a;
    for (int k = 0; k < 14; ++k) a.push_back({k});
    return Write_Sheet(root, image, writers::SheetLayout{128, 192, 8, 2}, true,
                       [album](cairo_t* cr, int f, double x, double y, double w, double h) {
                           if (f == 0) {
                               Rounded_Rect(cr, x + 2, y + 2, w - 4, h - 4, 16);
                               Set_Rgb(cr, kInk);
                               cairo_fill(cr);
                               Rounded_Rect(cr, x + 6, y + 6, w - 12, h - 12, 12);
                               Set_Rgb(cr, Rgba{40, 44, 36, 255});
                               cairo_fill(cr);
                           } else if (f == 1) {
                               Empty_Place(cr, x, y, w, h);
                           } else if (f < 14) {
                               const int card = (album - 1) * 12 + f - 2;
                               Card_Face(cr, x, y, w, h, card, CARD_NAMES[card]);
                           }
                       },
                       a, 0.2f, 0.3f);
}

bool Paint_Collect_Card(const std::string& root, const std::string& image, int card) {
    return Write_Sheet(root, image, writers::SheetLayout{128, 192, 1, 1}, true,
                       [card](cairo_t* cr, int, double x, double y, double w, double h) {
                           Card_Face(cr, x, y, w, h, card, CARD_NAMES[card]);
                       },
                       {{0}}, 0.2f, 0.3f);
}

} // namespace painters
