// Painting with Cairo: antialiased paths, gradients, patterns, transforms and text drawn
// into an ARGB surface, then handed to the TGA and animation-sheet writers. Every painter
// of the content set draws through this.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "content/writers/art.h"

namespace painters {

// An offscreen picture of w x h pixels, row 0 at the top, cleared to transparent.
class Paint {
public:
    Paint(int w, int h);
    ~Paint();
    Paint(const Paint&) = delete;
    Paint& operator=(const Paint&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return w_; }
    int height() const { return h_; }

    // The picture as a canvas (colours un-premultiplied), ready for writers::Save_Canvas.
    writers::Canvas To_Canvas() const;
    // Writes <path> as a TGA: keyed (24-bit, magenta where alpha < 128) or 32-bit.
    bool Save(const std::string& path, bool keyed) const;

private:
    int w_, h_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Draws each cell of an animation sheet with draw(cr, frame, x, y, w, h) (the context is
// clipped to the cell and saved/restored around each call) and writes <name>.tga and
// <name>.dat under root, laid out as writers::Write_Sheet lays them out. False for a layout
// of other than 1, 2, 4 or 8 rows, which the sprite drawer cannot map.
using CellPainter = std::function<void(cairo_t*, int, double, double, double, double)>;
bool Write_Sheet(const std::string& root, const std::string& name, const writers::SheetLayout& l, bool keyed,
                 const CellPainter& draw, const std::vector<std::vector<int>>& anims, float width = 0.0f,
                 float height = 0.0f, int delay = 100);

// Small helpers used by many painters.
void Set_Rgb(cairo_t* cr, writers::Rgba c, double alpha = 1.0);
void Rounded_Rect(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with gradient g running from c lightened by `hi` to c darkened by
// `lo` (keeping the path when asked), then frees g.
void Fill_Shaded(cairo_t* cr, cairo_pattern_t* g, writers::Rgba c, float hi, float lo, bool preserve = true);
// An ellipse path centred on (cx, cy) with radii rx and ry.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Text in DejaVu Sans centred on (cx, baseline); returns its width in pixels.
double Text_Centred(cairo_t* cr, const std::string& s, double cx, double baseline, double size, bool bold);
// Text lines ('^' a new line, '_' a blank) centred in a box, the size shrunk until the
// widest line fits; with a drop shadow when asked.
void Caption(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double size,
             writers::Rgba colour, bool bold = true, bool shadow = true);

// Drawing runs the page and cut-scene painters share.
// A small fixed-seed generator, so a picture comes out the same on every run; `offset`
// keeps one painter's sequences apart from another's.
// FNV-1a hash of a name: the seed of a picture's generator.
uint32_t Name_Hash(const std::string& s);
struct Seeded_Rng {
    uint32_t s;
    Seeded_Rng(uint32_t seed, uint32_t offset) : s(seed * 2654435761u + offset) {}
    double Next() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
    double In(double lo, double hi) { return lo + (hi - lo) * Next(); }
};
// A still picture written with a one-cell animation definition beside it, so a scene may
// use it in a plain or an animated slot.
bool Save_Picture(const Paint& p, const std::string& root, const std::string& image, bool keyed);
// Fills the rectangle (x, y, w, h) with a vertical gradient from `top` at g0 to `bottom` at
// g1 (beyond them the end colours carry on).
void Gradient_Rect(cairo_t* cr, double x, double y, double w, double h, double g0, double g1, writers::Rgba top,
                   writers::Rgba bottom);
// The shape of a tent from the side: s its half-width at the base, its ridge `ridge` wide
// (0: a single peak) and `height` above the base; the door `door` wide either side of the
// middle and s / 2 high, in c shaded by `door_shade`.
struct Tent_Form {
    double ridge, height, door;
    float door_shade;
};
void Tent_Side(cairo_t* cr, double cx, double base, double s, writers::Rgba c, const Tent_Form& t);

} // namespace painters
