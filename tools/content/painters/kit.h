// The kit the painters draw with, one copy of each helper: the circle's constants, the inks
// outlines are drawn in, a path filled lit from the upper left and inked, the soft shadows
// props cast, colours mixed, and the plain fill, stroke and circle steps.
#pragma once

#include <cairo.h>

#include "content/writers/art.h"

namespace painters {

constexpr double kPi = 3.14159265358979;
constexpr double kTau = 2 * kPi;

// An ink an outline is stroked in.
struct Ink_Tone {
    double r, g, b, a;
};
constexpr Ink_Tone kSepia{0.08, 0.07, 0.05, 0.9}; // the walk props' and the effects' outlines
constexpr Ink_Tone kSoot{0.06, 0.06, 0.05, 0.9};  // the late coast's machines
constexpr Ink_Tone kUmber{0.08, 0.06, 0.04, 0.85}; // the furniture
// A colour as an ink, as Set_Rgb sets it.
constexpr Ink_Tone Tone_Of(writers::Rgba c, double alpha = 1.0) {
    return {c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha * c.a / 255.0};
}

// Strokes the current path in the ink, `width` wide.
void Ink(cairo_t* cr, double width = 2, const Ink_Tone& tone = kSepia);
// Fills the current path in c, then inks its edge.
void Fill_Inked(cairo_t* cr, writers::Rgba c, double width = 2, const Ink_Tone& tone = kSepia);
// Fills the current path with light falling from (x0, y0) toward (x1, y1) (c lightened by
// `hi` there, darkened by `lo` at the far end), then inks its edge.
void Lit(cairo_t* cr, double x0, double y0, double x1, double y1, writers::Rgba c, double width = 2,
         const Ink_Tone& tone = kSepia, float hi = 1.25f, float lo = 0.7f);

// A shadow of a rounded box, or of an oval, in black at `alpha`.
void Box_Shadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha);
void Oval_Shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// Colours: a mixed toward b by t (0 to 1, the alpha too), and c darkened toward black to
// the share f of its light.
writers::Rgba Mix(writers::Rgba a, writers::Rgba b, double t);
writers::Rgba Dark(writers::Rgba c, double f);

// The current path filled (and kept) or stroked in a colour, and a circle that starts a path
// of its own.
void Fill(cairo_t* cr, writers::Rgba c, double a = 1.0);
void Fill_Keep(cairo_t* cr, writers::Rgba c, double a = 1.0);
void Stroke(cairo_t* cr, writers::Rgba c, double width, double a = 1.0);
void Circle(cairo_t* cr, double cx, double cy, double r);

} // namespace painters
