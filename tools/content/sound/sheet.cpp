#include "content/sound/sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <map>

#include "content/music/score.h"
#include "content/sound/decode.h"
#include "content/sound/effects.h"

namespace sound {

namespace {

constexpr int kCellW = 300, kCellH = 134, kColumns = 8;
constexpr int kLabelH = 16, kWaveH = 40, kSpecH = 70, kPad = 4;
constexpr int kFft = 512;

void Fft(std::vector<std::complex<float>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<float> w = std::polar(1.0f, -2.0f * dsp::kPi / len);
        for (size_t i = 0; i < n; i += len) {
            std::complex<float> wn(1.0f, 0.0f);
            for (size_t k = 0; k < len / 2; ++k, wn *= w) {
                const std::complex<float> u = a[i + k], v = a[i + k + len / 2] * wn;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// Dark blue through red to pale yellow for -80..0 dB.
void Heat(float v, float& r, float& g, float& b) {
    v = std::clamp(v, 0.0f, 1.0f);
    r = std::clamp(v * 2.0f, 0.0f, 1.0f);
    g = std::clamp(v * 2.0f - 0.8f, 0.0f, 1.0f);
    b = std::clamp(0.25f + (v < 0.4f ? v : 0.8f - v) * 1.2f, 0.0f, 1.0f) * (v > 0.9f ? 2.0f * v - 1.0f : 1.0f);
}

void Draw_Cell(cairo_t* cr, int x0, int y0, const std::string& name, const std::string& label, const Decoded* d,
               const std::string& error) {
    cairo_set_source_rgb(cr, d ? 0.12 : 0.45, 0.12, 0.14);
    cairo_rectangle(cr, x0 + 1, y0 + 1, kCellW - 2, kCellH - 2);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, x0 + kPad, y0 + 12);
    cairo_show_text(cr, name.c_str());
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 9);
    cairo_set_source_rgb(cr, 0.7, 0.8, 0.9);
    cairo_move_to(cr, x0 + kPad + 150, y0 + 12);
    cairo_show_text(cr, d ? label.c_str() : error.substr(0, 40).c_str());
    if (!d || d->samples.empty() || d->rate <= 0) return;
    const std::vector<float>& s = d->samples;
    const int w = kCellW - 2 * kPad;
    // Waveform: the range of the samples under each column, clipping in red.
    const double mid = y0 + kLabelH + kWaveH / 2.0;
    for (int c = 0; c < w; ++c) {
        const size_t a = s.size() * c / w, b = std::max(a + 1, s.size() * (c + 1) / w);
        float lo = 1, hi = -1;
        for (size_t i = a; i < b && i < s.size(); ++i) lo = std::min(lo, s[i]), hi = std::max(hi, s[i]);
        const bool clip = hi >= 0.999f || lo <= -0.999f;
        cairo_set_source_rgb(cr, clip ? 1.0 : 0.4, clip ? 0.2 : 0.9, clip ? 0.2 : 0.5);
        cairo_rectangle(cr, x0 + kPad + c, mid - hi * kWaveH / 2, 1, std::max(1.0, (hi - lo) * kWaveH / 2.0));
        cairo_fill(cr);
    }
    // Spectrogram on a log frequency axis.
    const int sy = y0 + kLabelH + kWaveH + 2;
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, kSpecH);
    unsigned char* px = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    const float fmax = d->rate / 2.0f, fmin = 30.0f;
    std::vector<std::complex<float>> buf(kFft);
    for (int c = 0; c < w; ++c) {
        const long centre = (long)(s.size() * (c + 0.5) / w);
        for (int i = 0; i < kFft; ++i) {
            const long at = centre - kFft / 2 + i;
            const float win = 0.5f - 0.5f * std::cos(2 * dsp::kPi * i / (kFft - 1));
            buf[i] = at >= 0 && at < (long)s.size() ? s[at] * win : 0.0f;
        }
        Fft(buf);
        for (int row = 0; row < kSpecH; ++row) {
            const float f = fmin * std::pow(fmax / fmin, 1.0f - (float)row / (kSpecH - 1));
            const int bin = std::clamp((int)std::lround(f / fmax * (kFft / 2)), 1, kFft / 2 - 1);
            const float mag = std::abs(buf[bin]) / (kFft / 4.0f);
            float r, g, b;
            Heat((20.0f * std::log10(mag + 1e-6f) + 80.0f) / 80.0f, r, g, b);
            uint32_t* p = (uint32_t*)(px + row * stride) + c;
            *p = (uint32_t)(r * 255) << 16 | (uint32_t)(g * 255) << 8 | (uint32_t)(b * 255);
        }
    }
    cairo_surface_mark_dirty(img);
    cairo_set_source_surface(cr, img, x0 + kPad, sy);
    cairo_paint(cr);
    cairo_surface_destroy(img);
    // A mark at 300 Hz, where a blast's weight should sit below.
    const double y300 = sy + (1.0 - std::log(300.0 / fmin) / std::log(fmax / fmin)) * (kSpecH - 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_rectangle(cr, x0 + kPad, y300, 6, 1);
    cairo_fill(cr);
}

} // namespace

bool Write_Sound_Sheet(const std::string& png, const std::string& root, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(root) / "data" / "SFX";
    // Order: effects by kind as the recipe table lists them, then the ambience, then music,
    // then anything else found.
    std::map<std::string, std::pair<int, std::string>> order;
    int rank = 0;
    for (const Effect_Recipe& e : Effect_Recipes()) order[std::string(e.name) + ".wav"] = {rank++, Kind_Name(e.kind)};
    for (const Ambience_Recipe& a : Ambience_Recipes()) order[a.file] = {rank++, std::string("ambience ") + a.kind};
    for (const music::Score_Text& m : music::Scores()) order[m.file] = {rank++, "music"};
    std::vector<std::pair<int, std::string>> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        if (ext != ".wav" && ext != ".ogg") continue;
        const auto it = order.find(name);
        files.push_back({it == order.end() ? rank + 1 : it->second.first, name});
    }
    if (files.empty()) {
        error = "no sound files in " + dir.string();
        return false;
    }
    std::sort(files.begin(), files.end());
    const int rows = ((int)files.size() + kColumns - 1) / kColumns;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kColumns * kCellW, rows * kCellH);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    cairo_paint(cr);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& name = files[i].second;
        Decoded d;
        std::string why;
        const bool ok = Decode_Sound((dir / name).string(), d, why);
        std::string label;
        if (const auto it = order.find(name); it != order.end()) label = it->second.second;
        char len[32];
        std::snprintf(len, sizeof len, "  %.2f s", d.rate > 0 ? (double)d.samples.size() / d.rate : 0.0);
        label += len;
        Draw_Cell(cr, (int)(i % kColumns) * kCellW, (int)(i / kColumns) * kCellH, name, label, ok ? &d : nullptr, why);
    }
    cairo_destroy(cr);
    const cairo_status_t st = cairo_surface_write_to_png(surface, png.c_str());
    cairo_surface_destroy(surface);
    if (st != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + png;
        return false;
    }
    return true;
}

} // namespace sound
