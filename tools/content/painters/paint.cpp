#include "content/painters/paint.h"

#include <algorithm>
#include <filesystem>

namespace painters {

Paint::Paint(int w, int h) : w_(w), h_(h) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr_ = cairo_create(surface_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

Paint::~Paint() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

writers::Canvas Paint::To_Canvas() const {
    cairo_surface_flush(surface_);
    writers::Canvas c(w_, h_, writers::kClear);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + (size_t)y * stride);
        for (int x = 0; x < w_; ++x) {
            const uint32_t p = row[x];
            const int a = (int)(p >> 24);
            writers::Rgba o{0, 0, 0, (uint8_t)a};
            if (a > 0) { // Cairo keeps premultiplied colour
                o.r = (uint8_t)std::min(255, (int)(((p >> 16) & 0xff) * 255 + a / 2) / a);
                o.g = (uint8_t)std::min(255, (int)(((p >> 8) & 0xff) * 255 + a / 2) / a);
                o.b = (uint8_t)std::min(255, (int)((p & 0xff) * 255 + a / 2) / a);
            }
            c.img.at(x, y) = o;
        }
    }
    return c;
}

bool Paint::Save(const std::string& path, bool keyed) const {
    return writers::Save_Canvas(path, To_Canvas(), keyed);
}

bool Write_Sheet(const std::string& root, const std::string& name, const writers::SheetLayout& l, bool keyed,
                 const CellPainter& draw, const std::vector<std::vector<int>>& anims, float width, float height,
                 int delay) {
    // The sprite drawer maps a sheet of 1, 2, 4 or 8 rows; any other count would draw nothing.
    if (l.rows != 1 && l.rows != 2 && l.rows != 4 && l.rows != 8) return false;
    Paint p(l.cw * l.cols, l.ch * l.rows);
    for (int f = 0; f < l.frames(); ++f) {
        const double x = (f % l.cols) * l.cw, y = (f / l.cols) * l.ch;
        cairo_save(p.cr());
        cairo_rectangle(p.cr(), x, y, l.cw, l.ch);
        cairo_clip(p.cr());
        draw(p.cr(), f, x, y, l.cw, l.ch);
        cairo_restore(p.cr());
    }
    writers::AnimDef d;
    d.width = width;
    d.height = height;
    d.column = l.rows;
    d.frames = l.frames();
    d.delay.assign(l.frames(), delay);
    d.anims = anims;
    return p.Save(root + "/" + name + ".tga", keyed) && writers::Write_Anim_Def(root + "/" + name + ".dat", d);
}

void Set_Rgb(cairo_t* cr, writers::Rgba c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha * c.a / 255.0);
}

void Rounded_Rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -1.5707963, 0.0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0.0, 1.5707963);
    cairo_arc(cr, x + r, y + h - r, r, 1.5707963, 3.1415927);
    cairo_arc(cr, x + r, y + r, r, 3.1415927, 4.7123890);
    cairo_close_path(cr);
}

void Fill_Shaded(cairo_t* cr, cairo_pattern_t* g, writers::Rgba c, float hi, float lo, bool preserve) {
    const writers::Rgba a = writers::Shade(c, hi), b = writers::Shade(c, lo);
    cairo_pattern_add_color_stop_rgb(g, 0, a.r / 255.0, a.g / 255.0, a.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, b.r / 255.0, b.g / 255.0, b.b / 255.0);
    cairo_set_source(cr, g);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
    cairo_restore(cr);
}

double Text_Centred(cairo_t* cr, const std::string& s, double cx, double baseline, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, cx - e.x_advance / 2.0, baseline);
    cairo_show_text(cr, s.c_str());
    return e.x_advance;
}

uint32_t Name_Hash(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

bool Save_Picture(const Paint& p, const std::string& root, const std::string& image, bool keyed) {
    writers::AnimDef d;
    d.width = 1.0f;
    d.height = 1.0f;
    d.anims = {{0}};
    return p.Save(root + "/" + image + ".tga", keyed) && writers::Write_Anim_Def(root + "/" + image + ".dat", d);
}

void Gradient_Rect(cairo_t* cr, double x, double y, double w, double h, double g0, double g1, writers::Rgba top,
                   writers::Rgba bottom) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, g0, 0, g1);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0, top.a / 255.0);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0,
                                      bottom.a / 255.0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Tent_Side(cairo_t* cr, double cx, double base, double s, writers::Rgba c, const Tent_Form& t) {
    cairo_move_to(cr, cx - s, base);
    if (t.ridge > 0) {
        cairo_line_to(cr, cx - s * t.ridge, base - s * t.height);
        cairo_line_to(cr, cx + s * t.ridge, base - s * t.height);
    } else {
        cairo_line_to(cr, cx, base - s * t.height);
    }
    cairo_line_to(cr, cx + s, base);
    cairo_close_path(cr);
    Set_Rgb(cr, c);
    cairo_fill(cr);
    cairo_move_to(cr, cx - s * t.door, base);
    cairo_line_to(cr, cx, base - s * 0.5);
    cairo_line_to(cr, cx + s * t.door, base);
    cairo_close_path(cr);
    Set_Rgb(cr, writers::Shade(c, t.door_shade));
    cairo_fill(cr);
}

} // namespace painters
