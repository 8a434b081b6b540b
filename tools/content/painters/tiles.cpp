// Terrain tile sets: textures from periodic value noise (every tile repeats at its own edge,
// so neighbouring tiles join), edges drawn toward the sides a tile's mask names, and walls,
// rocks, fences and bottles drawn over the ground with Cairo.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "content/maps/terrain.h"
#include "content/painters/paint.h"
#include "content/painters/walk_art.h"

namespace painters {

namespace {

using writers::Rgba;
namespace tile = maps::tile;

constexpr int T = 32; // pixels per tile

uint32_t Hash3(int x, int y, int salt) {
    uint32_t h = (uint32_t)x * 73856093u ^ (uint32_t)y * 19349663u ^ (uint32_t)salt * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

// Value noise with a lattice of `cell` pixels that repeats every T pixels.
float Noise(float x, float y, int cell, int salt) {
    const int n = T / cell;
    const float fx = x / cell, fy = y / cell;
    const int ix = (int)std::floor(fx), iy = (int)std::floor(fy);
    const float tx = fx - ix, ty = fy - iy;
    auto v = [&](int a, int b) { return (Hash3(((a % n) + n) % n, ((b % n) + n) % n, salt) & 0xffff) / 65535.0f; };
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float a = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * sx;
    const float b = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * sx;
    return a + (b - a) * sy;
}

float Fbm(float x, float y, int salt) {
    return 0.5f * Noise(x, y, 8, salt) + 0.3f * Noise(x, y, 4, salt + 1) + 0.2f * Noise(x, y, 2, salt + 2);
}

struct Col {
    float r, g, b;
};
Col C(Rgba c) { return {(float)c.r, (float)c.g, (float)c.b}; }
Col Lerp(Col a, Col b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Col Scale(Col a, float f) { return {a.r * f, a.g * f, a.b * f}; }

// The ground textures, by pixel inside a tile.
Col Ground(const Tile_Palette& p, float x, float y) {
    const float n = Fbm(x, y, 11);
    Col c = Lerp(C(p.ground), C(p.ground2), std::clamp(n * 1.6f - 0.3f, 0.0f, 1.0f));
    const float blade = Noise(x * 2.0f, y * 0.5f, 2, 19); // short streaks
    return Scale(c, 0.9f + 0.2f * blade);
}
Col Road(const Tile_Palette& p, float x, float y) {
    const float n = Fbm(x, y, 23);
    Col c = Lerp(C(p.road), C(p.road2), n);
    if (Hash3((int)x, (int)y, 29) % 37 == 0) c = Scale(c, 0.7f); // grit
    return c;
}
Col Sand(const Tile_Palette& p, float x, float y) {
    const float ripple = 0.5f + 0.5f * std::sin((x * 0.35f + y * 0.8f + 3 * Noise(x, y, 8, 31)) * 6.2831853f / 6.4f);
    return Scale(Lerp(C(p.sand), C(p.sand2), Fbm(x, y, 37)), 0.94f + 0.08f * ripple);
}
Col Mud(const Tile_Palette& p, float x, float y) {
    const float n = Fbm(x, y, 41);
    Col c = Lerp(C(p.mud), C(p.mud2), n);
    if (n > 0.62f) c = Lerp(c, Col{140, 150, 150}, (n - 0.62f) * 1.5f); // wet shine
    return c;
}
Col Water(Rgba base, float x, float y, int frame) {
    const float w = std::sin((x + frame * 4) * 6.2831853f / 16.0f + Noise(x, y, 8, 53) * 4) *
                    std::sin((y - frame * 4) * 6.2831853f / 32.0f * 2);
    Col c = Scale(C(base), 0.92f + 0.12f * Fbm(x, y, 59));
    if (w > 0.7f) c = Lerp(c, Col{220, 235, 240}, (w - 0.7f) * 1.2f);
    return c;
}
Col Planks(Rgba base, float x, float y) {
    const int plank = (int)(y / 8);
    const float grain = Noise(x * 0.3f, y * 2.0f, 4, 61 + plank);
    Col c = Scale(C(base), 0.85f + 0.25f * grain + 0.06f * (plank % 2));
    if ((int)y % 8 == 7) c = Scale(c, 0.55f);
    const int seam = (plank * 13) % 32;
    if ((int)x == seam) c = Scale(c, 0.6f);
    return c;
}
Col Concrete(Rgba base, float x, float y) {
    Col c = Scale(C(base), 0.88f + 0.2f * Fbm(x, y, 67));
    if ((int)x % 16 == 0 || (int)y % 16 == 0) c = Scale(c, 0.8f);
    return c;
}

float Unit(uint32_t h) { return (h & 0xffff) / 65535.0f; }

// Flagstones: two courses of slabs a tile, their joints set by the variant; each slab its
// own shade, its upper-left edge caught by the light and its lower-right in shadow.
Col Flags(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y, course = yi / 16, in_y = yi % 16;
    const int joint = 10 + (int)(Hash3(v, course, 401) % 13); // 10..22
    const int slab = xi < joint ? 0 : 1;
    const int left = slab ? joint : 0, right = slab ? T : joint;
    if (in_y == 0 || xi == left) return Scale(C(base), 0.42f);
    Col c = Scale(C(base), 0.8f + 0.3f * Unit(Hash3(v * 4 + course, slab, 403)));
    c = Scale(c, 0.9f + 0.18f * Fbm(x, y, 407));
    if (in_y == 1 || xi == left + 1) c = Scale(c, 1.12f);
    if (in_y == 15 || xi == right - 1) c = Scale(c, 0.8f);
    return c;
}
// Bricks laid in a basket weave: squares of two bricks, turned in turn.
Col Bricks(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y, sx = xi / 16, sy = yi / 16, ix = xi % 16, iy = yi % 16;
    const bool across = (sx + sy) % 2 == 0;
    const int along = across ? iy : ix, brick = along / 8;
    if (ix == 0 || iy == 0 || along % 8 == 0) return Col{96, 88, 78};
    Col c = Scale(C(base), 0.82f + 0.3f * Unit(Hash3(sx * 2 + brick, sy + v * 7, 409)));
    c = Scale(c, 0.92f + 0.14f * Noise(x, y, 2, 411));
    if (along % 8 == 1) c = Scale(c, 1.1f);
    return c;
}
// Chequered steel plate: raised bars turned either way in a chequer, a seam and rivets at
// the plate's edge.
Col Steel_Plate(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y;
    Col c = Scale(C(base), 0.92f + 0.12f * Fbm(x, y, 413 + v));
    if (xi == 0 || yi == 0) return Scale(c, 0.55f);
    if (xi == 1 || yi == 1) c = Scale(c, 1.15f);
    const int cx = xi % 8, cy = yi % 8, cell = (xi / 8 + yi / 8) % 2;
    const int d = cell ? cx - cy : cx + cy - 7; // distance from the bar's line
    if (std::abs(d) <= 1 && cx > 1 && cx < 7 && cy > 1 && cy < 7) c = Scale(c, d == (cell ? 1 : -1) ? 0.75f : 1.25f);
    const bool rivet = (xi - 4) * (xi - 4) + (yi - 4) * (yi - 4) <= 2;
    if (rivet) c = Scale(c, 1.35f);
    if (v == 3 && Fbm(x, y, 419) > 0.66f) c = Lerp(c, Col{120, 84, 60}, 0.3f); // rust
    return c;
}
// Small glazed tiles in a chequer of two glazes, grey grout between.
Col Glazed(Rgba a, Rgba b, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y;
    if (xi % 8 == 0 || yi % 8 == 0) return Col{128, 128, 120};
    Col c = ((xi / 8 + yi / 8) % 2) ? C(a) : C(b);
    if (xi % 8 == 1 || yi % 8 == 1) c = Scale(c, 1.06f);
    c = Scale(c, 0.96f + 0.06f * Noise(x, y, 4, 421));
    if (v == 2 && Fbm(x, y, 423) > 0.64f) c = Scale(c, 0.8f); // a stain
    return c;
}
// Beaten earth strewn with straw.
Col Earth(Rgba base, float x, float y, int v) {
    Col c = Scale(C(base), 0.8f + 0.35f * Fbm(x, y, 427 + v));
    const float straw = Noise(x * 0.5f + y * 1.5f, y * 0.3f - x * 0.2f, 2, 431 + v);
    if (straw > 0.8f) c = Lerp(c, Col{206, 180, 104}, (straw - 0.8f) * 4.0f);
    if (Hash3((int)x, (int)y, 433 + v) % 29 == 0) c = Scale(c, 0.7f); // grit
    return c;
}
// A ship's deck: long narrow planks running east to west, black caulking between them and
// their butts staggered.
Col Deck(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y, plank = yi / 6;
    if (yi % 6 == 5) return Col{40, 34, 28};
    const int butt = (int)(Hash3(plank, v, 437) % 32);
    if (xi == butt && (plank + v) % 3 == 0) return Col{60, 50, 40};
    const float grain = Noise(x * 0.15f, y * 2.0f, 4, 439 + plank);
    Col c = Scale(C(base), 0.86f + 0.2f * grain + 0.08f * Unit(Hash3(plank, v, 441)));
    if (yi % 6 == 0) c = Scale(c, 1.08f);
    return c;
}
// Parquet: blocks of four strips of polished wood, the strips of neighbouring blocks turned.
Col Parquet(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y, bx = xi / 16, by = yi / 16, ix = xi % 16, iy = yi % 16;
    const bool across = (bx + by) % 2 == 0;
    const int along = across ? iy : ix, strip = along / 4;
    if (along % 4 == 3 || ix == 15 || iy == 15) return Scale(C(base), 0.78f);
    const float grain = across ? Noise(x * 0.2f, y * 2.0f, 4, 443) : Noise(x * 2.0f, y * 0.2f, 4, 443);
    Col c = Scale(C(base), 0.9f + 0.12f * grain + 0.06f * Unit(Hash3(bx * 4 + strip, by + v * 5, 445)));
    if (along % 4 == 0) c = Scale(c, 1.05f); // the varnish catching the light
    return c;
}
// A steel grating: bars both ways over a dark drop.
Col Grate(Rgba base, float x, float y, int v) {
    const int xi = (int)x, yi = (int)y, gx = xi % 8, gy = yi % 8;
    if (xi == 0 || yi == 0 || xi == T - 1 || yi == T - 1) return Scale(C(base), 0.7f); // frame
    if (gx <= 1 || gy <= 1) return Scale(C(base), gx == 0 || gy == 0 ? 1.15f : 0.9f);
    const float depth = 0.14f + 0.1f * Fbm(x, y, 449 + v);
    return Scale(C(base), depth);
}

bool Is_Doorway(int t) {
    for (int k = 0; k < tile::kFloorKinds; ++k)
        if (t == tile::Floor_Base((maps::Floor_Kind)k) + 4) return true;
    return false;
}

// The picture of floor tile t of a floor family (variant 0..3, 4 the doorway).
bool Floor_Pixel(const Tile_Palette& p, int t, float x, float y, Col& out) {
    using maps::Floor_Kind;
    for (int k = 0; k < tile::kFloorKinds; ++k) {
        const int base = tile::Floor_Base((Floor_Kind)k);
        if (t < base || t > base + 4) continue;
        const int v = t - base;
        switch ((Floor_Kind)k) {
        case Floor_Kind::Wood: out = Planks(p.floor, x, y + v * 8); return true;
        case Floor_Kind::Concrete: out = Concrete(p.floor2, x, y + v * 16); return true;
        case Floor_Kind::Flags: out = Flags(writers::Mix(p.stone, p.floor2, 0.4f), x, y, v); return true;
        case Floor_Kind::Brick: out = Bricks(writers::Mix(Rgba{140, 78, 58, 255}, p.earth, 0.3f), x, y, v); return true;
        case Floor_Kind::Steel: out = Steel_Plate(Rgba{112, 118, 122, 255}, x, y, v); return true;
        case Floor_Kind::Tiles: out = Glazed(Rgba{206, 208, 198, 255}, Rgba{150, 172, 168, 255}, x, y, v); return true;
        case Floor_Kind::Earth: out = Earth(writers::Mix(p.earth, Rgba{120, 96, 66, 255}, 0.5f), x, y, v); return true;
        case Floor_Kind::Deck: out = Deck(Rgba{170, 150, 116, 255}, x, y, v); return true;
        case Floor_Kind::Parquet: out = Parquet(Rgba{160, 106, 58, 255}, x, y, v); return true;
        case Floor_Kind::Grate: out = Grate(Rgba{132, 136, 138, 255}, x, y, v); return true;
        }
    }
    return false;
}

// An edge mask bit's side reached from pixel (x, y): distance to that side in pixels.
// Bits: north 1 (top of the tile), east 2, south 4, west 8.
float Side_Distance(int bit, float x, float y) {
    switch (bit) {
    case 1: return y;
    case 2: return T - 1 - x;
    case 4: return T - 1 - y;
    default: return x;
    }
}

// How far "outside" a pixel of an edged tile is: 1 inside the band toward a masked side.
float Outside(int mask, float x, float y, int salt, float band) {
    float o = 0;
    for (int bit = 1; bit <= 8; bit <<= 1) {
        if (!(mask & bit)) continue;
        const float along = (bit == 1 || bit == 4) ? x : y;
        const float b = band + 3.0f * (Noise(along, (float)bit * 8, 8, salt) - 0.5f) * 2;
        const float d = Side_Distance(bit, x, y);
        o = std::max(o, std::clamp((b - d) / 2.0f + 0.5f, 0.0f, 1.0f));
    }
    return o;
}

// The base textures of one palette, one tile's worth each (they repeat every tile).
struct Textures {
    Col ground[T][T], road[T][T], sand[T][T], mud[T][T], water[2][T][T], deep[2][T][T];
    explicit Textures(const Tile_Palette& p) {
        for (int y = 0; y < T; ++y)
            for (int x = 0; x < T; ++x) {
                const float fx = (float)x, fy = (float)y;
                ground[y][x] = Ground(p, fx, fy);
                road[y][x] = Road(p, fx, fy);
                sand[y][x] = Sand(p, fx, fy);
                mud[y][x] = Mud(p, fx, fy);
                for (int f = 0; f < 2; ++f) {
                    water[f][y][x] = Water(p.water, fx, fy, f);
                    deep[f][y][x] = Water(p.deep, fx, fy, f);
                }
            }
    }
};

// The per-pixel picture of a tile, before shapes are drawn over it.
Col Pixel(const Tile_Palette& p, const Textures& tx, int t, int xi, int yi) {
    const float x = (float)xi, y = (float)yi;
    const Col g = tx.ground[yi][xi];
    if (t >= tile::kRoad && t < tile::kRoad + 16) {
        const float o = Outside(t - tile::kRoad, x, y, 71, 6.0f);
        return Lerp(tx.road[yi][xi], g, o);
    }
    if (t >= tile::kSand && t < tile::kSand + 16) {
        const float o = Outside(t - tile::kSand, x, y, 73, 6.0f);
        return Lerp(tx.sand[yi][xi], g, o);
    }
    if (t >= tile::kShore && t < tile::kShore + 16) {
        const int mask = t - tile::kShore;
        const float wet = Outside(mask, x, y, 79, 9.0f), sea = Outside(mask, x, y, 79, 5.0f);
        Col c = Lerp(g, Scale(tx.sand[yi][xi], 0.8f), wet);
        c = Lerp(c, tx.water[0][yi][xi], sea);
        if (sea > 0.2f && sea < 0.8f) c = Lerp(c, Col{235, 240, 235}, 0.6f); // foam line
        return c;
    }
    if (t == tile::kMudDeep || (t >= 29 && t <= 31)) return tx.mud[yi][xi];
    if (t >= tile::kMudEdgeFirst && t <= 28) {
        const int masks[12] = {1, 2, 4, 8, 3, 6, 12, 9, 5, 10, 7, 15};
        const float o = Outside(masks[t - tile::kMudEdgeFirst], x, y, 83, 7.0f);
        return Lerp(g, tx.mud[yi][xi], o);
    }
    if (t >= tile::kFarmland && t < tile::kFarmland + 4) {
        const float row = std::fmod(y + (t - tile::kFarmland) * 0.0f, 8.0f);
        Col c = Lerp(C(p.mud), C(p.road), 0.5f + 0.3f * Fbm(x, y, 89));
        if (row < 2.5f) c = Scale(c, 0.7f);
        if (row > 4 && row < 6.5f && Hash3((int)x / 3, (int)y / 8, 97 + t) % 3 == 0) c = Lerp(c, C(p.tuft), 0.8f);
        return c;
    }
    if (Col f; Floor_Pixel(p, t, x, y, f)) return f;
    if (t == tile::kWater || t == tile::kWater + 1) return tx.water[t - tile::kWater][yi][xi];
    if (t == tile::kDeepWater || t == tile::kDeepWater + 1) return tx.deep[t - tile::kDeepWater][yi][xi];
    return g;
}

void Shadowed_Blob(cairo_t* cr, double cx, double cy, double r, Rgba c) {
    cairo_save(cr);
    cairo_arc(cr, cx + r * 0.25, cy + r * 0.3, r, 0, 6.2832);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, std::min(1.0, c.r / 255.0 * 1.35), std::min(1.0, c.g / 255.0 * 1.35),
                                     std::min(1.0, c.b / 255.0 * 1.35));
    cairo_pattern_add_color_stop_rgb(g, 1, c.r / 255.0 * 0.6, c.g / 255.0 * 0.6, c.b / 255.0 * 0.6);
    cairo_arc(cr, cx, cy, r, 0, 6.2832);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// The pieces of a wall tile: the band through the middle and an arm toward each joined
// side; `inset` is the band's margin inside the tile. `along_x` tells whether a piece runs
// east to west (the middle runs the way most of its arms do).
struct Piece {
    double x, y, w, h;
    bool along_x;
};
std::vector<Piece> Wall_Pieces(double x, double y, int joined, double inset) {
    const double a = inset, b = T - inset;
    const bool ew = joined & 10, ns = joined & 5;
    std::vector<Piece> v{{x + a, y + a, b - a, b - a, ew || !ns}};
    if (joined & 1) v.push_back({x + a, y, b - a, a + 1, false});
    if (joined & 4) v.push_back({x + a, y + b - 1, b - a, T - b + 1, false});
    if (joined & 8) v.push_back({x, y + a, a + 1, b - a, true});
    if (joined & 2) v.push_back({x + b - 1, y + a, T - b + 1, b - a, true});
    return v;
}

// What stands on the shelves of a store, drawn on one shelf piece: tins, jars, sacks and
// boxes in a row.
void Shelf_Goods(cairo_t* cr, const Piece& q, int t, int k) {
    const double len = q.along_x ? q.w : q.h, depth = q.along_x ? q.h : q.w;
    const int n = std::max(1, (int)(len / 7));
    for (int i = 0; i < n; ++i) {
        const uint32_t h = Hash3(t * 8 + k, i, 501);
        const double u = (i + 0.5) * len / n, cx = q.along_x ? q.x + u : q.x + depth / 2,
                     cy = q.along_x ? q.y + depth / 2 : q.y + u;
        switch (h % 4) {
        case 0: { // a tin: a lid with a rim
            static const double labels[4][3] = {{0.7, 0.2, 0.15}, {0.2, 0.4, 0.65}, {0.85, 0.7, 0.2}, {0.3, 0.55, 0.3}};
            const auto& l = labels[(h >> 4) % 4];
            cairo_arc(cr, cx, cy, 3.0, 0, 6.2832);
            cairo_set_source_rgb(cr, l[0], l[1], l[2]);
            cairo_fill(cr);
            cairo_arc(cr, cx, cy, 2.0, 0, 6.2832);
            cairo_set_source_rgb(cr, 0.78, 0.78, 0.74);
            cairo_fill(cr);
            break;
        }
        case 1: // a jar
            cairo_arc(cr, cx, cy, 2.6, 0, 6.2832);
            cairo_set_source_rgba(cr, 0.75, 0.45, 0.2, 0.95);
            cairo_fill(cr);
            cairo_arc(cr, cx - 0.8, cy - 0.8, 0.9, 0, 6.2832);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
            cairo_fill(cr);
            break;
        case 2: // a sack
            Rounded_Rect(cr, cx - 3.4, cy - 3.6, 6.8, 7.2, 2.6);
            cairo_set_source_rgb(cr, 0.78, 0.7, 0.52);
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 0.35, 0.28, 0.16, 0.8);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
            break;
        default: // a box
            cairo_rectangle(cr, cx - 3, cy - 3, 6, 6);
            cairo_set_source_rgb(cr, 0.6, 0.46, 0.28);
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 0.25, 0.18, 0.1, 0.8);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
            break;
        }
    }
}

// The books of a bookcase seen from above: their top edges in a row, in their bindings.
void Book_Row(cairo_t* cr, const Piece& q, int t, int k) {
    static const double bind[6][3] = {{0.5, 0.12, 0.1}, {0.16, 0.26, 0.45}, {0.2, 0.38, 0.22},
                                      {0.55, 0.42, 0.2}, {0.3, 0.16, 0.3},  {0.12, 0.12, 0.12}};
    const double len = q.along_x ? q.w : q.h, depth = q.along_x ? q.h : q.w;
    double u = 0.5;
    for (int i = 0; u < len - 1; ++i) {
        const uint32_t h = Hash3(t * 8 + k, i, 503);
        const double thick = 1.6 + (h % 3) * 0.7, deep = depth * (0.55 + 0.1 * ((h >> 3) % 3));
        const auto& c = bind[(h >> 6) % 6];
        if (q.along_x) cairo_rectangle(cr, q.x + u, q.y + depth - deep - 1, thick, deep);
        else cairo_rectangle(cr, q.x + depth - deep - 1, q.y + u, deep, thick);
        cairo_set_source_rgb(cr, c[0], c[1], c[2]);
        cairo_fill(cr);
        u += thick + 0.4;
    }
}

// Bottles lying in a wine rack: their bottoms in a grid of pigeon-holes.
void Wine_Row(cairo_t* cr, const Piece& q) {
    for (double py = q.y + 3.5; py < q.y + q.h - 2; py += 5.5)
        for (double px = q.x + 3.5; px < q.x + q.w - 2; px += 5.5) {
            cairo_arc(cr, px, py, 2.3, 0, 6.2832);
            cairo_set_source_rgb(cr, 0.1, 0.22, 0.12);
            cairo_fill(cr);
            cairo_arc(cr, px - 0.6, py - 0.6, 0.8, 0, 6.2832);
            cairo_set_source_rgba(cr, 0.7, 0.85, 0.7, 0.7);
            cairo_fill(cr);
        }
}

// Rifles standing in a rack: the stocks toward the wall, the barrels toward the room.
void Gun_Row(cairo_t* cr, const Piece& q) {
    const double len = q.along_x ? q.w : q.h, depth = q.along_x ? q.h : q.w;
    for (double u = 3; u < len - 1; u += 5) {
        const double x0 = q.along_x ? q.x + u : q.x + 2, y0 = q.along_x ? q.y + 2 : q.y + u;
        const double sw = q.along_x ? 3.0 : depth * 0.45, sh = q.along_x ? depth * 0.45 : 3.0;
        cairo_rectangle(cr, x0 - (q.along_x ? 1.5 : 0), y0 - (q.along_x ? 0 : 1.5), sw, sh); // the stock
        cairo_set_source_rgb(cr, 0.42, 0.26, 0.12);
        cairo_fill(cr);
        if (q.along_x) cairo_rectangle(cr, x0 - 0.6, y0 + sh, 1.2, depth - sh - 3);
        else cairo_rectangle(cr, x0 + sw, y0 - 0.6, depth - sw - 3, 1.2);
        cairo_set_source_rgb(cr, 0.16, 0.16, 0.17);
        cairo_fill(cr);
    }
}

// A wall tile: a band through the middle with arms toward the joined sides, its top lit,
// a darker face where its south side is open, and a shadow on the ground. Store furniture
// (shelves, bookcases, racks) is drawn the same way, wider, with what it holds on top; a
// guard rail is a thin band on posts.
void Wall(cairo_t* cr, double x, double y, int joined, int family, const Tile_Palette& p, int t) {
    const bool furniture = family == tile::kShelves || family == tile::kBooks || family == tile::kWineRack ||
                           family == tile::kGunRack;
    const double inset = family == tile::kRail ? 13 : furniture ? 3 : 5;
    const std::vector<Piece> pieces = Wall_Pieces(x, y, joined, inset);
    auto shape = [&](double dx, double dy) {
        for (const Piece& q : pieces) cairo_rectangle(cr, q.x + dx, q.y + dy, q.w, q.h);
    };
    const Rgba dark_wood{86, 56, 34, 255};
    Rgba top = family == tile::kWallWood       ? p.wood
               : family == tile::kWallStone    ? p.stone
               : family == tile::kHedge        ? p.hedge
               : family == tile::kSandbags     ? p.sandbag
               : family == tile::kWallBrick    ? writers::Mix(Rgba{150, 76, 56, 255}, p.stone, 0.15f)
               : family == tile::kWallConcrete ? writers::Mix(Rgba{150, 148, 140, 255}, p.stone, 0.3f)
               : family == tile::kWallSteel    ? Rgba{104, 114, 120, 255}
               : family == tile::kShelves      ? writers::Shade(p.wood, 0.85f)
               : family == tile::kBooks || family == tile::kWineRack ? dark_wood
               : family == tile::kGunRack      ? writers::Shade(p.wood, 0.7f)
               : family == tile::kRail         ? Rgba{214, 214, 206, 255}
                                               : p.earth;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, T, T);
    cairo_clip(cr);
    // shadow, then the south face, then the top
    shape(3, 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    shape(0, family == tile::kRail ? 1 : 3);
    Set_Rgb(cr, writers::Shade(top, 0.55f));
    cairo_fill(cr);
    shape(0, 0);
    Set_Rgb(cr, top);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // the top's texture
    switch (family) {
    case tile::kWallWood:
        for (int k = 0; k < 5; ++k) {
            cairo_move_to(cr, x, y + 3 + k * 6.5);
            cairo_line_to(cr, x + T, y + 3 + k * 6.5);
        }
        cairo_set_source_rgba(cr, 0.2, 0.12, 0.05, 0.6);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        break;
    case tile::kWallStone:
        for (int r = 0; r < 4; ++r)
            for (int c = -1; c < 3; ++c)
                cairo_rectangle(cr, x + c * 14 + (r % 2) * 7 + 1, y + r * 8 + 1, 12, 6);
        Set_Rgb(cr, writers::Shade(top, 1.15f));
        cairo_fill(cr);
        break;
    case tile::kWallBrick:
        for (int r = 0; r < 8; ++r)
            for (int c = -1; c < 5; ++c) {
                cairo_rectangle(cr, x + c * 8 + (r % 2) * 4 + 0.5, y + r * 4 + 0.5, 7, 3);
                Set_Rgb(cr, writers::Shade(top, 0.92f + 0.08f * (float)(Hash3(r, c, 507) % 4)));
                cairo_fill(cr);
            }
        break;
    case tile::kWallConcrete:
        for (int k = 0; k < 3; ++k) { // the marks of the shuttering boards
            cairo_move_to(cr, x, y + 8 + k * 8);
            cairo_line_to(cr, x + T, y + 8 + k * 8);
        }
        cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_arc(cr, x + 8 + Hash3(t, 1, 509) % 16, y + 8 + Hash3(t, 2, 509) % 16, 3 + Hash3(t, 3, 509) % 3, 0,
                  6.2832);
        cairo_set_source_rgba(cr, 0.2, 0.2, 0.18, 0.15); // a damp stain
        cairo_fill(cr);
        break;
    case tile::kWallSteel:
        for (const Piece& q : pieces) { // rivets along every plate's edges
            cairo_set_source_rgba(cr, 0.85, 0.88, 0.9, 0.7);
            for (double u = 3; u < (q.along_x ? q.w : q.h); u += 6) {
                const double px = q.along_x ? q.x + u : q.x + 2.5, py = q.along_x ? q.y + 2.5 : q.y + u;
                cairo_arc(cr, px, py, 1.0, 0, 6.2832);
                cairo_fill(cr);
            }
        }
        cairo_rectangle(cr, x, y + T / 2.0 - 0.5, T, 1);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
        cairo_fill(cr);
        break;
    case tile::kHedge:
        for (int k = 0; k < 9; ++k) {
            const double cx = x + 6 + (Hash3(t, k, 3) % 21), cy = y + 6 + (Hash3(t, k, 5) % 21);
            cairo_arc(cr, cx, cy, 4 + Hash3(t, k, 7) % 3, 0, 6.2832);
            Set_Rgb(cr, writers::Shade(top, 0.8f + 0.1f * (k % 4)));
            cairo_fill(cr);
        }
        break;
    case tile::kSandbags:
        for (int r = 0; r < 3; ++r)
            for (int c = -1; c < 3; ++c) {
                Rounded_Rect(cr, x + c * 12 + (r % 2) * 6 + 1, y + 4 + r * 8, 11, 7, 3);
                Set_Rgb(cr, writers::Shade(top, 0.95f + 0.05f * ((r + c) % 3)));
                cairo_fill_preserve(cr);
                cairo_set_source_rgba(cr, 0.25, 0.2, 0.1, 0.7);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
        break;
    case tile::kShelves:
        for (int k = 0; k < (int)pieces.size(); ++k) Shelf_Goods(cr, pieces[k], t, k);
        break;
    case tile::kBooks:
        for (int k = 0; k < (int)pieces.size(); ++k) Book_Row(cr, pieces[k], t, k);
        break;
    case tile::kWineRack:
        for (const Piece& q : pieces) Wine_Row(cr, q);
        break;
    case tile::kGunRack:
        for (const Piece& q : pieces) Gun_Row(cr, q);
        break;
    case tile::kRail: // a stanchion in the middle
        cairo_arc(cr, x + T / 2.0, y + T / 2.0, 3.5, 0, 6.2832);
        Set_Rgb(cr, writers::Shade(top, 0.7f));
        cairo_fill(cr);
        break;
    default: // trench revetment: earth with planks
        for (int k = 0; k < 3; ++k) {
            cairo_rectangle(cr, x, y + 6 + k * 9, T, 3);
        }
        Set_Rgb(cr, writers::Shade(p.wood, 0.8f));
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

// The solid ground round an underground place, seen from above: dark rock or earth, and a
// lit lip of wall along each side that opens onto the room.
void Mass(cairo_t* cr, double x, double y, int joined, const Tile_Palette& p, int t) {
    (void)t;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, T, T);
    cairo_clip(cr);
    // dark rock, mottled with the tile-periodic noise so that neighbours join seamlessly
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int py = 0; py < T; ++py) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + (size_t)((int)y + py) * stride);
        for (int px = 0; px < T; ++px) {
            const float n = Fbm((float)px, (float)py, 517);
            const Col c = Scale(C(p.stone), 0.2f + 0.12f * n);
            auto ch = [](float v) { return (uint32_t)std::clamp((int)v, 0, 255); };
            row[(int)x + px] = 0xff000000u | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
        }
    }
    cairo_surface_mark_dirty(s);
    const int open = 15 - joined;
    auto lip = [&](double lx, double ly, double lw, double lh) {
        cairo_rectangle(cr, lx, ly, lw, lh);
        Set_Rgb(cr, p.stone);
        cairo_fill(cr);
    };
    if (open & 1) lip(x, y, T, 6);
    if (open & 8) lip(x, y, 6, T);
    if (open & 2) lip(x + T - 6, y, 6, T);
    if (open & 4) { // the south side shows the wall's face
        lip(x, y + T - 9, T, 6);
        cairo_rectangle(cr, x, y + T - 3, T, 3);
        Set_Rgb(cr, writers::Shade(p.stone, 0.55f));
        cairo_fill(cr);
    }
    if (open & 1) {
        cairo_rectangle(cr, x, y, T, 1.5);
        Set_Rgb(cr, writers::Shade(p.stone, 1.3f));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Rock(cairo_t* cr, double x, double y, int t, const Tile_Palette& p) {
    const double r = 9 + (t % 3) * 2;
    Shadowed_Blob(cr, x + 15 + (t % 2), y + 15 + (t % 3) - 1, r, p.stone);
    cairo_arc(cr, x + 12, y + 12, r * 0.3, 0, 6.2832);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.15);
    cairo_fill(cr);
}

void Fence(cairo_t* cr, double x, double y, int kind, const Tile_Palette& p) {
    const Rgba wood = writers::Shade(p.wood, 1.1f);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    auto rail = [&](double x0, double y0, double x1, double y1) {
        cairo_move_to(cr, x0 + 1.5, y0 + 2);
        cairo_line_to(cr, x1 + 1.5, y1 + 2);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        Set_Rgb(cr, wood);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    };
    if (kind == 0) { rail(x, y + 12, x + T, y + 12); rail(x, y + 20, x + T, y + 20); }
    if (kind == 1) { rail(x + 12, y, x + 12, y + T); rail(x + 20, y, x + 20, y + T); }
    const double px = x + 16, py = y + 16;
    cairo_arc(cr, px + 2, py + 2, 4.5, 0, 6.2832);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, px, py, 4.5, 0, 6.2832);
    Set_Rgb(cr, writers::Shade(p.wood, 0.8f));
    cairo_fill(cr);
    cairo_arc(cr, px - 1, py - 1, 2.5, 0, 6.2832);
    Set_Rgb(cr, writers::Shade(p.wood, 1.3f));
    cairo_fill(cr);
}

void Bottle(cairo_t* cr, double x, double y, bool broken, bool brown) {
    const double r = brown ? 0.45 : 0.15, g = brown ? 0.28 : 0.55, b = brown ? 0.1 : 0.2;
    if (broken) {
        for (int k = 0; k < 6; ++k) {
            const double a = k * 1.1, d = 4 + (k % 3) * 3;
            cairo_move_to(cr, x + 16 + std::cos(a) * d, y + 16 + std::sin(a) * d);
            cairo_rel_line_to(cr, 3, 1);
            cairo_rel_line_to(cr, -1, 3);
            cairo_close_path(cr);
        }
        cairo_set_source_rgba(cr, r, g, b, 0.9);
        cairo_fill(cr);
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, x + 16, y + 16);
    cairo_rotate(cr, 0.6);
    Rounded_Rect(cr, -3 + 2, -8 + 2, 7, 15, 3);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rounded_Rect(cr, -3, -8, 7, 15, 3);
    cairo_set_source_rgba(cr, r, g, b, 0.95);
    cairo_fill(cr);
    cairo_rectangle(cr, -1, -13, 3, 6);
    cairo_fill(cr);
    cairo_rectangle(cr, -2, -6, 2, 9);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Decor(cairo_t* cr, double x, double y, int t, const Tile_Palette& p) {
    // tufts, flowers and pebbles on open ground
    for (int k = 0; k < 5; ++k) {
        const double cx = x + 4 + Hash3(t, k, 11) % 24, cy = y + 4 + Hash3(t, k, 13) % 24;
        if ((t + k) % 3 == 0) {
            cairo_arc(cr, cx, cy, 1.6, 0, 6.2832);
            static const double petals[4][3] = {{0.95, 0.9, 0.4}, {0.95, 0.95, 0.95}, {0.8, 0.3, 0.3}, {0.6, 0.5, 0.9}};
            const auto& c = petals[(t + k) % 4];
            cairo_set_source_rgb(cr, c[0], c[1], c[2]);
            cairo_fill(cr);
        } else {
            for (int j = -1; j <= 1; ++j) {
                cairo_move_to(cr, cx, cy + 2);
                cairo_line_to(cr, cx + j * 2.5, cy - 3);
            }
            Set_Rgb(cr, p.tuft);
            cairo_set_line_width(cr, 1.1);
            cairo_stroke(cr);
        }
    }
}

void Crater(cairo_t* cr, double x, double y, const Tile_Palette& p, bool armed) {
    if (armed) { // a mound of turned earth over a buried mine
        cairo_arc(cr, x + 16, y + 16, 6, 0, 6.2832);
        Set_Rgb(cr, writers::Shade(p.road, 0.9f), 0.7);
        cairo_fill(cr);
        return;
    }
    cairo_pattern_t* g = cairo_pattern_create_radial(x + 16, y + 16, 2, x + 16, y + 16, 13);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.12, 0.1, 0.08, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.7, 0.3, 0.25, 0.2, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.25, 0.2, 0);
    cairo_arc(cr, x + 16, y + 16, 13, 0, 6.2832);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

struct Named_Palette {
    const char* name;
    Tile_Palette p;
};

// clang-format off
const Named_Palette kPalettes[] = {
    {"Data/tiles/camp", {{88, 128, 58}, {110, 146, 66}, {150, 176, 90}, {150, 122, 86}, {124, 98, 66},
                         {214, 196, 150}, {196, 176, 128}, {92, 70, 50}, {70, 54, 38}, {64, 110, 130}, {38, 74, 104},
                         {150, 112, 70}, {150, 150, 146}, {128, 92, 56}, {132, 130, 124}, {52, 96, 44},
                         {176, 160, 112}, {112, 88, 60}}},
    {"Data/tiles/farmland", {{120, 138, 62}, {146, 152, 74}, {190, 180, 90}, {160, 130, 88}, {134, 108, 74},
                             {214, 196, 150}, {196, 176, 128}, {104, 78, 52}, {80, 60, 40}, {70, 112, 120}, {42, 80, 100},
                             {156, 116, 72}, {150, 150, 146}, {136, 98, 60}, {138, 132, 120}, {66, 104, 46},
                             {176, 160, 112}, {112, 88, 60}}},
    {"Data/tiles/village", {{96, 124, 64}, {116, 136, 70}, {160, 170, 96}, {136, 130, 122}, {112, 108, 100},
                            {214, 196, 150}, {196, 176, 128}, {92, 70, 50}, {70, 54, 38}, {64, 104, 124}, {38, 70, 98},
                            {140, 100, 64}, {150, 150, 146}, {120, 84, 52}, {150, 140, 126}, {56, 96, 46},
                            {176, 160, 112}, {112, 88, 60}}},
    {"Data/tiles/beach", {{222, 204, 156}, {204, 186, 138}, {150, 170, 96}, {190, 170, 124}, {170, 150, 108},
                          {232, 216, 170}, {214, 198, 150}, {120, 100, 70}, {96, 80, 56}, {70, 150, 170}, {30, 90, 140},
                          {150, 112, 70}, {150, 150, 146}, {128, 92, 56}, {140, 138, 130}, {70, 110, 60},
                          {186, 170, 120}, {120, 96, 66}}},
    {"Data/tiles/trench", {{104, 90, 64}, {86, 76, 54}, {112, 118, 70}, {122, 100, 72}, {100, 82, 58},
                           {196, 176, 130}, {176, 156, 112}, {78, 62, 44}, {58, 46, 32}, {70, 90, 90}, {44, 62, 70},
                           {140, 104, 66}, {130, 130, 126}, {114, 84, 52}, {120, 116, 108}, {70, 84, 46},
                           {166, 150, 104}, {96, 76, 52}}},
    {"Data/tiles/bunker", {{120, 120, 116}, {104, 104, 100}, {90, 92, 88}, {132, 130, 124}, {112, 110, 106},
                           {190, 176, 140}, {170, 156, 120}, {76, 66, 52}, {60, 52, 40}, {60, 90, 100}, {36, 60, 76},
                           {132, 104, 72}, {136, 134, 128}, {96, 80, 60}, {96, 98, 100}, {60, 80, 50},
                           {150, 136, 100}, {90, 76, 56}}},
    {"Data/tiles/cellar", {{96, 82, 66}, {82, 70, 56}, {80, 84, 60}, {112, 96, 78}, {96, 82, 66},
                           {170, 150, 116}, {150, 132, 100}, {70, 56, 42}, {54, 44, 32}, {56, 80, 84}, {34, 54, 64},
                           {140, 100, 64}, {110, 104, 96}, {100, 74, 48}, {104, 96, 88}, {60, 76, 48},
                           {150, 136, 100}, {86, 70, 50}}},
    {"Data/tiles/meadow", {{84, 138, 56}, {108, 158, 66}, {176, 206, 100}, {150, 124, 84}, {126, 100, 68},
                           {214, 196, 150}, {196, 176, 128}, {92, 70, 50}, {70, 54, 38}, {64, 116, 136}, {38, 78, 108},
                           {150, 112, 70}, {150, 150, 146}, {128, 92, 56}, {136, 134, 126}, {48, 100, 44},
                           {180, 164, 116}, {112, 88, 60}}},
    {"Data/tiles/summer", {{146, 150, 74}, {172, 164, 90}, {212, 194, 118}, {192, 166, 118}, {170, 146, 102},
                           {222, 204, 158}, {204, 184, 136}, {110, 86, 60}, {86, 68, 46}, {74, 112, 118}, {44, 82, 100},
                           {156, 116, 72}, {156, 154, 148}, {140, 102, 62}, {144, 140, 128}, {70, 100, 46},
                           {190, 172, 122}, {126, 100, 68}}},
    {"Data/tiles/interior", {{150, 112, 70}, {130, 96, 60}, {120, 110, 80}, {132, 120, 100}, {110, 100, 84},
                             {200, 184, 140}, {180, 164, 120}, {80, 64, 48}, {64, 50, 36}, {60, 96, 110}, {36, 66, 88},
                             {156, 116, 74}, {150, 148, 140}, {116, 82, 50}, {126, 124, 118}, {60, 90, 50},
                             {170, 154, 110}, {100, 80, 56}}},
};
// clang-format on

} // namespace

bool Tile_Palette_Of(const std::string& name, Tile_Palette& p) {
    for (const Named_Palette& n : kPalettes)
        if (name == n.name) {
            p = n.p;
            return true;
        }
    return false;
}

std::vector<std::string> Tile_Set_Names() {
    std::vector<std::string> v;
    for (const Named_Palette& n : kPalettes) v.push_back(n.name);
    return v;
}

bool Write_Tile_Set(const std::string& root, const std::string& name, const Tile_Palette& p) {
    Paint pic(16 * T, 32 * T);
    cairo_surface_t* s = cairo_get_target(pic.cr());
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    // Tile t sits at column t % 16 and row t / 16 counted from the bottom of the picture.
    auto origin = [](int t, int& x, int& y) {
        x = (t % 16) * T;
        y = (31 - t / 16) * T;
    };
    const auto tx = std::make_unique<Textures>(p);
    for (int t = 0; t < 512; ++t) {
        int ox, oy;
        origin(t, ox, oy);
        for (int y = 0; y < T; ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(data + (size_t)(oy + y) * stride);
            for (int x = 0; x < T; ++x) {
                Col c = t == 0 ? Col{20, 20, 20} : Pixel(p, *tx, t, x, y);
                auto ch = [](float v) { return (uint32_t)std::clamp((int)v, 0, 255); };
                row[ox + x] = 0xff000000u | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
            }
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_t* cr = pic.cr();
    for (int t = 0; t < 512; ++t) {
        int ox, oy;
        origin(t, ox, oy);
        cairo_save(cr);
        cairo_rectangle(cr, ox, oy, T, T);
        cairo_clip(cr);
        const double x = ox, y = oy;
        const int family = t & ~15;
        constexpr int kWalls[] = {tile::kWallWood,  tile::kWallStone, tile::kHedge,   tile::kSandbags,
                                  tile::kTrenchWall, tile::kWallBrick, tile::kWallConcrete, tile::kWallSteel,
                                  tile::kShelves,   tile::kBooks,     tile::kWineRack, tile::kGunRack, tile::kRail};
        if (std::find(std::begin(kWalls), std::end(kWalls), family) != std::end(kWalls))
            Wall(cr, x, y, t - family, family, p, t);
        else if (family == tile::kMass) Mass(cr, x, y, t - family, p, t);
        else if (t >= tile::kRockFirst && t <= tile::kRockLast) Rock(cr, x, y, t, p);
        else if (t == tile::kFenceH || t == tile::kFenceH + 1) Fence(cr, x, y, 0, p);
        else if (t == tile::kFenceV || t == tile::kFenceV + 1) Fence(cr, x, y, 1, p);
        else if (t == tile::kFencePost || t == tile::kFencePost + 1) Fence(cr, x, y, 2, p);
        else if (t >= tile::kBottle && t <= tile::kBottle2 + 1) Bottle(cr, x, y, t % 2 == 1, t >= tile::kBottle2);
        else if ((t >= tile::kGroundDecorFirst && t <= tile::kGroundDecorLast) ||
                 (t >= tile::kGroundDecor2First && t <= tile::kGroundDecor2Last))
            Decor(cr, x, y, t, p);
        else if (t == tile::kMine || t == 78) Crater(cr, x, y, p, true);
        else if (t == tile::kCrater || t == 79) Crater(cr, x, y, p, false);
        else if (Is_Doorway(t)) { // doorway threshold
            cairo_rectangle(cr, x, y + 13, T, 6);
            Set_Rgb(cr, writers::Shade(p.wood, 0.7f));
            cairo_fill(cr);
        } else if ((t >= 1 && t <= 13) && t % 5 == 0) { // a pebble now and then
            Shadowed_Blob(cr, x + 8 + t, y + 20 - t / 2.0, 2.0, p.stone);
        } else if (t > 135 && t <= 287) { // spare solid tiles: plain stone
            Wall(cr, x, y, 0, tile::kWallStone, p, t);
        }
        cairo_restore(cr);
    }
    return pic.Save(root + "/" + name + ".tga", false);
}

} // namespace painters
