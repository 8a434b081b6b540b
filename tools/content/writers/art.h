// Drawing by code: a canvas whose row 0 is the top of the picture, simple shapes with soft
// edges, text through FreeType, and animation sheets laid out in the cell grid the game's
// sprite drawing expects. Saving flips the rows, so the top of the canvas ends up at v = 1.
#pragma once

#include <functional>
#include <string>

#include "content/writers/image.h"
#include "content/writers/scene_writers.h"
#include "content/writers/tga_writer.h"

namespace writers {

constexpr Rgba kKey{255, 0, 255, 255};        // magenta: transparent in keyed images
constexpr Rgba kClear{0, 0, 0, 0};            // transparent in plain 32-bit images
constexpr Rgba kShadow{0, 255, 255, 255};     // cyan: translucent black (alpha 80) when keyed
constexpr Rgba kShadowDark{255, 255, 0, 255}; // yellow: translucent black (alpha 140) when keyed

Rgba Mix(Rgba a, Rgba b, float t);
Rgba Shade(Rgba c, float f); // f < 1 darker, > 1 lighter

class Canvas {
public:
    Canvas(int w, int h, Rgba fill = kClear) : img(w, h, fill) {}
    int width() const { return img.width; }
    int height() const { return img.height; }

    void Put(int x, int y, Rgba c);             // plain set, clipped
    void Blend(int x, int y, Rgba c, float a);  // mix c over the pixel by a (0..1), clipped
    void Fill(int x, int y, int w, int h, Rgba c);
    void Frame(int x, int y, int w, int h, int t, Rgba c);
    void VGradient(int x, int y, int w, int h, Rgba top, Rgba bottom);
    void Disc(float cx, float cy, float r, Rgba c);            // soft edge
    void Ring(float cx, float cy, float r, float t, Rgba c);
    void Line(float x0, float y0, float x1, float y1, float t, Rgba c);
    void Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c); // even-odd fill
    void RoundRect(int x, int y, int w, int h, float r, Rgba c);
    // Hard-edged shapes for keyed images (keyed pictures have no partial alpha).
    void HardDisc(float cx, float cy, float r, Rgba c);
    // Text with DejaVu Sans (bold when asked), size in pixels, left at x, baseline at y.
    // Returns the advance; false colours nothing when the font is missing.
    int Text(const std::string& s, int x, int baseline, int size, Rgba c, bool bold = false);
    static int TextWidth(const std::string& s, int size, bool bold = false);

    Image img;
};

// Writes a canvas as a TGA (rows flipped). keyed: a 24-bit run-length image whose
// transparent pixels (alpha below 128) become magenta; else a 32-bit run-length image.
bool Save_Canvas(const std::string& path, const Canvas& c, bool keyed);

// An animation sheet: `rows` rows (1, 2, 4 or 8) of `cols` cells of cw by ch pixels. Cell f
// lies at column f % cols of row f / cols, row 0 at the top of the picture.
struct SheetLayout {
    int cw = 32, ch = 32, cols = 1, rows = 1;
    int frames() const { return cols * rows; }
};
// Draws each cell with draw(canvas, frame, x, y, w, h) and writes <name>.tga and <name>.dat.
bool Write_Sheet(const std::string& root, const std::string& name, const SheetLayout& l, bool keyed,
                 const std::function<void(Canvas&, int, int, int, int, int)>& draw,
                 const std::vector<std::vector<int>>& anims, float width = 0.0f, float height = 0.0f,
                 int delay = 100);

// The DejaVu Sans file (regular or bold) the text and the font sheet are drawn from.
std::string DejaVu_Path(bool bold = false);

} // namespace writers
