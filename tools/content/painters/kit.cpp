#include "content/painters/kit.h"

#include <algorithm>
#include <cmath>

#include "content/painters/paint.h"

namespace painters {

using writers::Rgba;

void Ink(cairo_t* cr, double width, const Ink_Tone& tone) {
    cairo_set_source_rgba(cr, tone.r, tone.g, tone.b, tone.a);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Fill_Inked(cairo_t* cr, Rgba c, double width, const Ink_Tone& tone) {
    Set_Rgb(cr, c);
    cairo_fill_preserve(cr);
    Ink(cr, width, tone);
}

void Lit(cairo_t* cr, double x0, double y0, double x1, double y1, Rgba c, double width, const Ink_Tone& tone,
         float hi, float lo) {
    Fill_Shaded(cr, cairo_pattern_create_linear(x0, y0, x1, y1), c, hi, lo);
    Ink(cr, width, tone);
}

void Box_Shadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha) {
    Rounded_Rect(cr, x, y, w, h, r);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    cairo_fill(cr);
}

void Oval_Shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    Ellipse(cr, cx, cy, rx, ry);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    cairo_fill(cr);
}

Rgba Mix(Rgba a, Rgba b, double t) {
    auto m = [t](int x, int y) { return (uint8_t)std::clamp((int)std::lround(x + (y - x) * t), 0, 255); };
    return Rgba{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Rgba Dark(Rgba c, double f) { return Mix(c, Rgba{24, 24, 22, 255}, 1.0 - f); }

void Fill(cairo_t* cr, Rgba c, double a) {
    Set_Rgb(cr, c, a);
    cairo_fill(cr);
}

void Fill_Keep(cairo_t* cr, Rgba c, double a) {
    Set_Rgb(cr, c, a);
    cairo_fill_preserve(cr);
}

void Stroke(cairo_t* cr, Rgba c, double width, double a) {
    Set_Rgb(cr, c, a);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
}

} // namespace painters
