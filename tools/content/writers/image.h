// An RGBA image in memory, drawn by code and written as TGA.
#pragma once

#include <cstdint>
#include <vector>

namespace writers {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Row 0 is the first row stored in the file (the loader does not flip), which the game
// maps to v = 0.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> px;

    Image() = default;
    Image(int w, int h, Rgba fill = {}) : width(w), height(h), px((size_t)w * h, fill) {}
    Rgba& at(int x, int y) { return px[(size_t)y * width + x]; }
    const Rgba& at(int x, int y) const { return px[(size_t)y * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

} // namespace writers
