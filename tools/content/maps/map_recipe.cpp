#include "content/maps/map_recipe.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "content/maps/stamps.h"
#include "content/maps/terrain.h"
#include "content/numbers.h"

namespace maps {

namespace {

struct Biome {
    const char* name;
    const char* tile_set;       // image of tile set 0
    Terrain road;               // what `road` lays
    bool shallow_shore;         // water gets a band of shallows
    Floor_Kind floor;           // what floors are laid with unless the recipe says
    int flowers = 8, tufts = 12;  // of every 100 cells of open ground: flowers below the first,
                                  // tufts and stones below the second
};

// The largest side of a walk map (the game's map holds at most 150 x 150 cells).
constexpr int kMaxSide = 150;

// Tile set 1 of every biome holds the building interiors.
constexpr const char* kInteriorSet = "Data/tiles/interior";

constexpr Biome kBiomes[] = {
    {"camp", "Data/tiles/camp", Terrain::Road, true, Floor_Kind::Wood},
    {"farmland", "Data/tiles/farmland", Terrain::Road, true, Floor_Kind::Wood},
    {"village", "Data/tiles/village", Terrain::Road, true, Floor_Kind::Wood},
    {"beach", "Data/tiles/beach", Terrain::Road, true, Floor_Kind::Wood},
    {"trench", "Data/tiles/trench", Terrain::Road, false, Floor_Kind::Wood},
    {"bunker", "Data/tiles/bunker", Terrain::Floor, false, Floor_Kind::Concrete},
    {"cellar", "Data/tiles/cellar", Terrain::Floor, false, Floor_Kind::Flags},
    // the meadow of the later camp in spring, thick with flowers, and in high summer, dry
    {"meadow", "Data/tiles/meadow", Terrain::Road, true, Floor_Kind::Wood, 17, 24},
    {"summer", "Data/tiles/summer", Terrain::Road, true, Floor_Kind::Wood, 2, 10},
};

// An underground biome is floor wherever the recipe lays nothing else, and its floors come
// from its own tile set.
bool Underground(const Biome& b) { return b.road == Terrain::Floor; }

struct Named_Floor {
    const char* name;
    Floor_Kind k;
};
constexpr Named_Floor kFloorNames[] = {
    {"wood", Floor_Kind::Wood},   {"concrete", Floor_Kind::Concrete}, {"flags", Floor_Kind::Flags},
    {"brick", Floor_Kind::Brick}, {"steel", Floor_Kind::Steel},       {"tiles", Floor_Kind::Tiles},
    {"earth", Floor_Kind::Earth}, {"deck", Floor_Kind::Deck},         {"parquet", Floor_Kind::Parquet},
    {"grate", Floor_Kind::Grate},
};
static_assert(sizeof(kFloorNames) / sizeof(kFloorNames[0]) == tile::kFloorKinds);

// A small deterministic generator so that a recipe's seed alone decides the map.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int Below(int n) { return n <= 0 ? 0 : (int)(Next() % (uint32_t)n); }
};

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

class Builder {
public:
    std::string error;

    bool Run(const std::vector<MapDirective>& recipe, MapResult& out);

private:
    int w_ = 60, h_ = 60;
    uint32_t seed_ = 1;
    const Biome* biome_ = &kBiomes[0];
    std::vector<Terrain> cells_;
    std::vector<uint8_t> inside_; // 1 where the cell lies in a building (interior tile set)
    std::vector<Floor_Kind> floor_; // what the floor of each cell is laid with
    Floor_Kind default_floor_ = Floor_Kind::Wood;
    MapResult* out_ = nullptr;

    bool Fail(const MapDirective& d, const std::string& what) {
        error = (d.file.empty() ? "line " : d.file + ":") + std::to_string(d.line) + ": map " + d.verb + ": " + what;
        return false;
    }
    Terrain& At(int x, int y) { return cells_[(size_t)y * w_ + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    // True when a box of bw x bh cells with its upper-left corner at x, y lies in the map
    // (counted so that no sum can overflow, whatever the numbers).
    bool Box_Fits(int x, int y, int bw, int bh) const {
        return Inside(x, y) && bw >= 1 && bh >= 1 && bw <= w_ - x && bh <= h_ - y;
    }

    // Recipe positions are cells counted from the left and from the top of the map as it
    // shows on screen; the map's rows run upward, so the top row is row h - 1.
    int Row(int y_from_top) const { return h_ - 1 - y_from_top; }
    std::pair<float, float> World(float col, float row_from_top) const {
        const float row = (float)(h_ - 1) - row_from_top;
        return {col * 0.1f + 0.05f - w_ * 0.05f, row * 0.1f + 0.05f - h_ * 0.05f};
    }
    bool Anchor(const MapDirective& d, const std::string& name, float col, float row_from_top) {
        if (!out_->anchors.emplace(name, World(col, row_from_top)).second)
            return Fail(d, "anchor \"" + name + "\" is named twice");
        return true;
    }

    bool Known_Args(const MapDirective& d, std::initializer_list<const char*> keys);
    bool Get(const MapDirective& d, const char* key, std::string& v, bool required);
    // A position "X,Y" (any whole numbers; Cell_In places them) or a size "WxH" (1 to the
    // largest map side).
    bool Pair(const MapDirective& d, const char* key, int& a, int& b, char sep, bool required);
    bool Int(const MapDirective& d, const char* key, int& v, int lo, int hi, bool required);
    bool Terrain_Arg(const MapDirective& d, Terrain& t, Terrain fallback);
    bool Floor_Arg(const MapDirective& d, const std::string& v, Floor_Kind& k);
    bool Cell_In(const MapDirective& d, const char* key, int x, int y);

    bool Feature(const MapDirective& d);
    bool Building(const MapDirective& d);
    bool Line(const MapDirective& d, Terrain t, int width);
    bool Water(const MapDirective& d);
    bool Stamp(const MapDirective& d);
    bool Scatter(const MapDirective& d);
    bool Border(const MapDirective& d);

    void Paint_Rect(int x0, int y0, int x1, int y1, Terrain t);
    void Lay_Floor(int x0, int y0, int x1, int y1, Floor_Kind k);
    int Tile_Of(int x, int y) const;
    void Finish();
};

bool Builder::Known_Args(const MapDirective& d, std::initializer_list<const char*> keys) {
    for (const auto& [k, v] : d.args) {
        if (k.empty()) continue;
        if (std::none_of(keys.begin(), keys.end(), [&](const char* s) { return k == s; }))
            return Fail(d, "unknown argument \"" + k + "\"");
    }
    return true;
}

bool Builder::Get(const MapDirective& d, const char* key, std::string& v, bool required) {
    auto it = d.args.find(key);
    if (it == d.args.end() || it->second.empty()) {
        if (required) return Fail(d, std::string("needs ") + (*key ? std::string(key) + "=" : "a value"));
        return true;
    }
    v = it->second;
    return true;
}

bool Builder::Pair(const MapDirective& d, const char* key, int& a, int& b, char sep, bool required) {
    std::string v;
    if (!Get(d, key, v, required)) return false;
    if (v.empty()) return true;
    const bool size = sep == 'x';
    std::vector<long long> n;
    const std::string why = numbers::Whole_List(v, sep, 2, size ? 1 : numbers::kIntLo, size ? kMaxSide : numbers::kIntHi, n);
    if (!why.empty()) return Fail(d, std::string(key) + "=" + v + ": " + why);
    a = (int)n[0];
    b = (int)n[1];
    return true;
}

bool Builder::Int(const MapDirective& d, const char* key, int& v, int lo, int hi, bool required) {
    std::string s;
    if (!Get(d, key, s, required)) return false;
    if (s.empty()) return true;
    if (std::string why = numbers::Int(s, lo, hi, v); !why.empty()) return Fail(d, std::string(key) + "=" + s + ": " + why);
    return true;
}

bool Builder::Cell_In(const MapDirective& d, const char* key, int x, int y) {
    if (Inside(x, y)) return true;
    return Fail(d, std::string(key) + "=" + std::to_string(x) + "," + std::to_string(y) + " lies outside the " +
                       std::to_string(w_) + "x" + std::to_string(h_) + " map");
}

struct Named_Terrain {
    const char* name;
    Terrain t;
};
constexpr Named_Terrain kTerrainNames[] = {
    {"ground", Terrain::Ground},   {"road", Terrain::Road},           {"sand", Terrain::Sand},
    {"farmland", Terrain::Farmland}, {"mud", Terrain::Mud},           {"water", Terrain::Water},
    {"deep", Terrain::DeepWater},  {"floor", Terrain::Floor},         {"wood", Terrain::WallWood},
    {"stone", Terrain::WallStone}, {"sandbags", Terrain::Sandbags},   {"hedge", Terrain::Hedge},
    {"trench", Terrain::TrenchWall}, {"rock", Terrain::Rock},         {"fence", Terrain::Fence},
    {"bottle", Terrain::Bottle},   {"mine", Terrain::Mine},          {"brick", Terrain::WallBrick},
    {"concrete", Terrain::WallConcrete}, {"steel", Terrain::WallSteel}, {"shelves", Terrain::Shelves},
    {"books", Terrain::Books},     {"wine", Terrain::WineRack},       {"guns", Terrain::GunRack},
    {"rail", Terrain::Rail},       {"mass", Terrain::Mass},
};

bool Builder::Terrain_Arg(const MapDirective& d, Terrain& t, Terrain fallback) {
    std::string v;
    if (!Get(d, "kind", v, false)) return false;
    if (v.empty()) {
        t = fallback;
        return true;
    }
    for (const Named_Terrain& n : kTerrainNames)
        if (v == n.name) {
            t = n.t;
            return true;
        }
    return Fail(d, "unknown kind \"" + v + "\"");
}

bool Builder::Floor_Arg(const MapDirective& d, const std::string& v, Floor_Kind& k) {
    for (const Named_Floor& n : kFloorNames)
        if (v == n.name) {
            k = n.k;
            return true;
        }
    std::string names;
    for (const Named_Floor& n : kFloorNames) names += std::string(names.empty() ? "" : ", ") + n.name;
    return Fail(d, "unknown floor \"" + v + "\" (known: " + names + ")");
}

void Builder::Paint_Rect(int x0, int y0, int x1, int y1, Terrain t) {
    for (int y = std::max(0, std::min(y0, y1)); y <= std::min(h_ - 1, std::max(y0, y1)); ++y)
        for (int x = std::max(0, std::min(x0, x1)); x <= std::min(w_ - 1, std::max(x0, x1)); ++x) At(x, Row(y)) = t;
}

void Builder::Lay_Floor(int x0, int y0, int x1, int y1, Floor_Kind k) {
    for (int y = std::max(0, std::min(y0, y1)); y <= std::min(h_ - 1, std::max(y0, y1)); ++y)
        for (int x = std::max(0, std::min(x0, x1)); x <= std::min(w_ - 1, std::max(x0, x1)); ++x)
            floor_[(size_t)Row(y) * w_ + x] = k;
}

// building at=X,Y size=WxH [door=n|s|e|w] [door_at=N] [kind=wood|stone|brick|concrete|steel|
// sandbags...] [floor=wood|concrete|flags|brick|steel|tiles|earth|deck|parquet|grate] [name=N]
// Walls around a floor, a doorway in one side (in its middle, or N cells from the side's
// left or top end); anchors N.door (the cell just outside the doorway), N.inside (just
// inside it) and N.centre.
bool Builder::Building(const MapDirective& d) {
    if (!Known_Args(d, {"at", "size", "door", "door_at", "kind", "floor", "name"})) return false;
    int x = 0, y = 0, bw = 0, bh = 0;
    if (!Pair(d, "at", x, y, ',', true) || !Pair(d, "size", bw, bh, 'x', true)) return false;
    if (bw < 3 || bh < 3) return Fail(d, "a building is at least 3x3 cells");
    if (!Cell_In(d, "at", x, y)) return false;
    if (!Box_Fits(x, y, bw, bh)) return Fail(d, "the building does not fit in the map");
    std::string side = "s", name;
    if (!Get(d, "door", side, false) || !Get(d, "name", name, false)) return false;
    if (side != "n" && side != "s" && side != "e" && side != "w") return Fail(d, "door= must be n, s, e or w");
    Terrain wall = Terrain::WallWood;
    if (!Terrain_Arg(d, wall, Terrain::WallWood)) return false;
    Floor_Kind floor = default_floor_;
    std::string floor_name;
    if (!Get(d, "floor", floor_name, false) || (!floor_name.empty() && !Floor_Arg(d, floor_name, floor))) return false;
    Paint_Rect(x, y, x + bw - 1, y + bh - 1, wall);
    Paint_Rect(x + 1, y + 1, x + bw - 2, y + bh - 2, Terrain::Floor);
    Lay_Floor(x, y, x + bw - 1, y + bh - 1, floor);
    for (int yy = y; yy < y + bh; ++yy)
        for (int xx = x; xx < x + bw; ++xx) inside_[(size_t)Row(yy) * w_ + xx] = 1;
    int dx = x + bw / 2, dy = y + bh / 2, ox = 0, oy = 0;
    const bool across = side == "n" || side == "s";
    int along = -1;
    if (!Int(d, "door_at", along, 1, (across ? bw : bh) - 2, false)) return false;
    if (along > 0) (across ? dx : dy) = (across ? x : y) + along;
    if (side == "s") dy = y + bh - 1, oy = 1;
    if (side == "n") dy = y, oy = -1;
    if (side == "e") dx = x + bw - 1, ox = 1;
    if (side == "w") dx = x, ox = -1;
    At(dx, Row(dy)) = Terrain::Door;
    if (name.empty()) return true;
    return Anchor(d, name + ".door", (float)(dx + ox), (float)(dy + oy)) &&
           Anchor(d, name + ".inside", (float)(dx - ox), (float)(dy - oy)) &&
           Anchor(d, name + ".centre", x + (bw - 1) / 2.0f, y + (bh - 1) / 2.0f);
}

// road|fence|trench from=X,Y to=X,Y [width=n] [name=N]: a straight run, or two runs meeting
// at a corner (first along x, then along y). Anchors N.start and N.end.
bool Builder::Line(const MapDirective& d, Terrain t, int width) {
    if (!Known_Args(d, {"from", "to", "width", "name"})) return false;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!Pair(d, "from", x0, y0, ',', true) || !Pair(d, "to", x1, y1, ',', true)) return false;
    if (!Cell_In(d, "from", x0, y0) || !Cell_In(d, "to", x1, y1)) return false;
    if (!Int(d, "width", width, 1, 12, false)) return false;
    std::string name;
    if (!Get(d, "name", name, false)) return false;
    const int lo = -(width - 1) / 2, hi = width / 2;
    if (t == Terrain::TrenchWall) {
        // A trench: a mud-free floor of the given width with earth walls on both sides.
        Paint_Rect(std::min(x0, x1) + lo - 1, y0 + lo - 1, std::max(x0, x1) + hi + 1, y0 + hi + 1, Terrain::TrenchWall);
        Paint_Rect(x1 + lo - 1, std::min(y0, y1) + lo - 1, x1 + hi + 1, std::max(y0, y1) + hi + 1, Terrain::TrenchWall);
        t = Terrain::Road;
    }
    Paint_Rect(std::min(x0, x1) + lo, y0 + lo, std::max(x0, x1) + hi, y0 + hi, t);
    Paint_Rect(x1 + lo, std::min(y0, y1) + lo, x1 + hi, std::max(y0, y1) + hi, t);
    if (name.empty()) return true;
    return Anchor(d, name + ".start", (float)x0, (float)y0) && Anchor(d, name + ".end", (float)x1, (float)y1);
}

// water at=X,Y size=WxH [name=N]: a pond filling the ellipse in that box, deep in its middle;
// water edge=n|s|e|w depth=D [name=N]: the sea along one side of the map, with a ragged coast.
// Anchors N.centre, and for the sea N.shore (the middle of the coast, on land).
bool Builder::Water(const MapDirective& d) {
    if (!Known_Args(d, {"at", "size", "edge", "depth", "name"})) return false;
    std::string edge, name;
    if (!Get(d, "edge", edge, false) || !Get(d, "name", name, false)) return false;
    if (!edge.empty()) {
        if (edge != "n" && edge != "s" && edge != "e" && edge != "w") return Fail(d, "edge= must be n, s, e or w");
        int depth = 0;
        if (!Int(d, "depth", depth, 1, 149, true)) return false;
        const bool vertical = edge == "n" || edge == "s";
        const int along = vertical ? w_ : h_;
        Rng rng(seed_ + 77);
        int wobble = 0;
        for (int a = 0; a < along; ++a) {
            wobble = std::clamp(wobble + rng.Below(3) - 1, -2, 2);
            const int reach = std::max(1, depth + wobble);
            for (int k = 0; k < reach; ++k) {
                int x = 0, y = 0; // y from the top
                if (edge == "n") x = a, y = k;
                if (edge == "s") x = a, y = h_ - 1 - k;
                if (edge == "w") x = k, y = a;
                if (edge == "e") x = w_ - 1 - k, y = a;
                if (Inside(x, y)) At(x, Row(y)) = k < reach - 3 ? Terrain::DeepWater : Terrain::Water;
            }
        }
        if (name.empty()) return true;
        float sx = w_ / 2.0f, sy = h_ / 2.0f;
        if (edge == "n") sy = (float)depth + 3;
        if (edge == "s") sy = (float)(h_ - 1 - depth - 3);
        if (edge == "w") sx = (float)depth + 3;
        if (edge == "e") sx = (float)(w_ - 1 - depth - 3);
        const float cx = edge == "w" ? depth / 2.0f : edge == "e" ? w_ - 1 - depth / 2.0f : w_ / 2.0f;
        const float cy = edge == "n" ? depth / 2.0f : edge == "s" ? h_ - 1 - depth / 2.0f : h_ / 2.0f;
        return Anchor(d, name + ".shore", sx, sy) && Anchor(d, name + ".centre", cx, cy);
    }
    int x = 0, y = 0, pw = 0, ph = 0;
    if (!Pair(d, "at", x, y, ',', true) || !Pair(d, "size", pw, ph, 'x', true)) return false;
    if (pw < 2 || ph < 2) return Fail(d, "a pond is at least 2x2 cells");
    if (!Cell_In(d, "at", x, y)) return false;
    if (!Box_Fits(x, y, pw, ph)) return Fail(d, "the pond does not fit in the map");
    const float cx = x + (pw - 1) / 2.0f, cy = y + (ph - 1) / 2.0f, rx = pw / 2.0f, ry = ph / 2.0f;
    for (int yy = y; yy < y + ph; ++yy)
        for (int xx = x; xx < x + pw; ++xx) {
            const float ex = (xx - cx) / rx, ey = (yy - cy) / ry, r2 = ex * ex + ey * ey;
            if (r2 <= 1.0f) At(xx, Row(yy)) = r2 < 0.35f && pw > 5 && ph > 5 ? Terrain::DeepWater : Terrain::Water;
        }
    if (name.empty()) return true;
    return Anchor(d, name + ".centre", cx, cy);
}

// stamp NAME at=X,Y [name=N]: one of the hand-drawn pieces (stamps.h) with its upper-left
// corner at X,Y. A digit in the drawing names the anchor N.<digit>; 'D' names N.door.
bool Builder::Stamp(const MapDirective& d) {
    if (!Known_Args(d, {"at", "name"})) return false;
    auto bare = d.args.find("");
    if (bare == d.args.end() || bare->second.empty()) return Fail(d, "needs the name of a stamp");
    const Stamp_Def* s = Find_Stamp(bare->second);
    if (s == nullptr) return Fail(d, "unknown stamp \"" + bare->second + "\"");
    int x = 0, y = 0;
    if (!Pair(d, "at", x, y, ',', true)) return false;
    const int sw = Stamp_Width(*s), sh = Stamp_Height(*s);
    if (!Cell_In(d, "at", x, y)) return false;
    if (!Box_Fits(x, y, sw, sh))
        return Fail(d, "stamp \"" + bare->second + "\" (" + std::to_string(sw) + "x" + std::to_string(sh) +
                           ") does not fit in the map at " + std::to_string(x) + "," + std::to_string(y));
    std::string name;
    if (!Get(d, "name", name, false)) return false;
    if (name.empty()) name = bare->second;
    bool door_named = false;
    for (int r = 0; r < sh; ++r)
        for (int c = 0; s->rows[r][c] != 0; ++c) {
            const char ch = s->rows[r][c];
            const int xx = x + c, yy = y + r;
            Terrain t;
            const bool digit = ch >= '0' && ch <= '9';
            if (Stamp_Terrain(digit && c > 0 ? s->rows[r][c - 1] : ch, t)) {
                At(xx, Row(yy)) = t;
                if (t == Terrain::Floor || t == Terrain::Door || t == Terrain::WallWood || t == Terrain::WallStone)
                    inside_[(size_t)Row(yy) * w_ + xx] = 1;
            }
            if (ch >= '0' && ch <= '9' && !Anchor(d, name + "." + ch, (float)xx, (float)yy)) return false;
            if (ch == 'D' && !door_named) {
                door_named = true;
                if (!Anchor(d, name + ".door", (float)xx, (float)yy)) return false;
            }
        }
    return true;
}

// scatter KIND count=N [in=X,Y,W,H]: single cells of KIND (rock, hedge, bottle, mud, sand,
// mine...) dropped on open ground at random.
bool Builder::Scatter(const MapDirective& d) {
    if (!Known_Args(d, {"count", "in", "kind"})) return false;
    auto bare = d.args.find("");
    Terrain t = Terrain::Rock;
    if (bare != d.args.end() && !bare->second.empty()) {
        bool found = false;
        for (const Named_Terrain& n : kTerrainNames)
            if (bare->second == n.name) t = n.t, found = true;
        if (!found) return Fail(d, "unknown kind \"" + bare->second + "\"");
    }
    int count = 0;
    if (!Int(d, "count", count, 1, 5000, true)) return false;
    int x0 = 0, y0 = 0, x1 = w_ - 1, y1 = h_ - 1;
    std::string in;
    if (!Get(d, "in", in, false)) return false;
    if (!in.empty()) {
        std::vector<long long> n;
        if (std::string why = numbers::Whole_List(in, ',', 4, numbers::kIntLo, numbers::kIntHi, n); !why.empty())
            return Fail(d, "in=" + in + ": " + why);
        const int a = (int)n[0], b = (int)n[1], c = (int)n[2], e = (int)n[3];
        if (c < 1 || e < 1) return Fail(d, "in=" + in + ": the width and height must be at least 1");
        if (!Cell_In(d, "in", a, b)) return false;
        if (!Box_Fits(a, b, c, e)) return Fail(d, "in=" + in + " reaches outside the map");
        x0 = a, y0 = b, x1 = a + c - 1, y1 = b + e - 1;
    }
    Rng rng(seed_ * 31 + (uint32_t)d.line);
    for (int k = 0, tries = 0; k < count && tries < count * 20; ++tries) {
        const int x = x0 + rng.Below(x1 - x0 + 1), y = y0 + rng.Below(y1 - y0 + 1);
        if (At(x, Row(y)) != Terrain::Ground) continue;
        At(x, Row(y)) = t;
        ++k;
    }
    return true;
}

// border KIND [width=n]: a ring of KIND (hedge, rock, sandbags...) round the map.
bool Builder::Border(const MapDirective& d) {
    if (!Known_Args(d, {"width", "kind"})) return false;
    auto bare = d.args.find("");
    Terrain t = Terrain::Hedge;
    if (bare != d.args.end() && !bare->second.empty()) {
        bool found = false;
        for (const Named_Terrain& n : kTerrainNames)
            if (bare->second == n.name) t = n.t, found = true;
        if (!found) return Fail(d, "unknown kind \"" + bare->second + "\"");
    }
    int width = 1;
    if (!Int(d, "width", width, 1, 20, false)) return false;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (x < width || y < width || x >= w_ - width || y >= h_ - width) At(x, Row(y)) = t;
    return true;
}

bool Builder::Feature(const MapDirective& d) {
    if (d.verb == "building") return Building(d);
    if (d.verb == "road") return Line(d, biome_->road, 2);
    if (d.verb == "path") return Line(d, Terrain::Road, 1);
    if (d.verb == "fence") return Line(d, Terrain::Fence, 1);
    if (d.verb == "wall") {
        Terrain t;
        MapDirective plain = d;
        plain.args.erase("kind");
        if (!Terrain_Arg(d, t, Terrain::WallWood)) return false;
        return Line(plain, t, 1);
    }
    if (d.verb == "trench") return Line(d, Terrain::TrenchWall, 2);
    if (d.verb == "water") return Water(d);
    if (d.verb == "stamp") return Stamp(d);
    if (d.verb == "scatter") return Scatter(d);
    if (d.verb == "border") return Border(d);
    if (d.verb == "area") {
        // area at=X,Y size=WxH kind=K [floor=F]: a rectangle of one terrain; a floor's
        // kind of boards, stones or plates given by floor= (the map's own by default).
        if (!Known_Args(d, {"at", "size", "kind", "floor"})) return false;
        int x = 0, y = 0, aw = 0, ah = 0;
        Terrain t;
        if (!Pair(d, "at", x, y, ',', true) || !Pair(d, "size", aw, ah, 'x', true) ||
            !Terrain_Arg(d, t, Terrain::Ground))
            return false;
        std::string floor_name;
        Floor_Kind floor = default_floor_;
        if (!Get(d, "floor", floor_name, false)) return false;
        if (!floor_name.empty()) {
            if (t != Terrain::Floor) return Fail(d, "floor= is for kind=floor");
            if (!Floor_Arg(d, floor_name, floor)) return false;
        }
        if (!Cell_In(d, "at", x, y)) return false;
        if (!Box_Fits(x, y, aw, ah)) return Fail(d, "the area does not fit in the map");
        Paint_Rect(x, y, x + aw - 1, y + ah - 1, t);
        if (t == Terrain::Floor) Lay_Floor(x, y, x + aw - 1, y + ah - 1, floor);
        return true;
    }
    if (d.verb == "anchor") {
        if (!Known_Args(d, {"at"})) return false;
        auto bare = d.args.find("");
        if (bare == d.args.end() || bare->second.empty()) return Fail(d, "needs the anchor's name");
        int x = 0, y = 0;
        if (!Pair(d, "at", x, y, ',', true) || !Cell_In(d, "at", x, y)) return false;
        return Anchor(d, bare->second, (float)x, (float)y);
    }
    return Fail(d, "unknown map feature (known: biome, size, seed, floor, building, road, path, fence, wall, "
                   "trench, water, stamp, scatter, border, area, anchor)");
}

// The walls and the furniture that stands against them join up with each other.
bool Is_Wall(Terrain t) {
    switch (t) {
    case Terrain::WallWood: case Terrain::WallStone: case Terrain::Sandbags: case Terrain::Hedge:
    case Terrain::TrenchWall: case Terrain::WallBrick: case Terrain::WallConcrete: case Terrain::WallSteel:
    case Terrain::Shelves: case Terrain::Books: case Terrain::WineRack: case Terrain::GunRack: case Terrain::Mass:
        return true;
    default: return false;
    }
}

int Builder::Tile_Of(int x, int y) const {
    const Terrain t = cells_[(size_t)y * w_ + x];
    const uint32_t h = Hash(x, y, seed_);
    auto at = [&](int xx, int yy, Terrain fallback) {
        return Inside(xx, yy) ? cells_[(size_t)yy * w_ + xx] : fallback;
    };
    // Neighbours: north is the next row up (y + 1).
    auto mask_of = [&](auto same) {
        int m = 0;
        if (!same(at(x, y + 1, t))) m |= 1;
        if (!same(at(x + 1, y, t))) m |= 2;
        if (!same(at(x, y - 1, t))) m |= 4;
        if (!same(at(x - 1, y, t))) m |= 8;
        return m;
    };
    auto joined = [&](auto same) { return 15 - mask_of(same); };
    switch (t) {
    case Terrain::Ground: {
        auto wet = [](Terrain n) { return n == Terrain::Water || n == Terrain::DeepWater; };
        const int water_sides = mask_of([&](Terrain n) { return !wet(n); }); // bits: sides on water
        if (water_sides) return tile::kShore + water_sides;
        if ((int)(h % 100) < biome_->flowers) return tile::kGroundDecorFirst + (int)(h / 100 % 4);
        if ((int)(h % 100) < biome_->tufts) return tile::kGroundDecor2First + (int)(h / 100 % 5);
        if (h % 100 < 62) return (h / 100) % 2 ? 3 : 4;
        return tile::kGroundFirst + (int)(h / 100 % 13);
    }
    case Terrain::Road:
        return tile::kRoad + mask_of([](Terrain n) { return n == Terrain::Road || n == Terrain::Door; });
    case Terrain::Sand: return tile::kSand + mask_of([](Terrain n) { return n == Terrain::Sand; });
    case Terrain::Farmland: return tile::kFarmland + (int)(h % 4);
    case Terrain::Mud: {
        const int r = (int)(h % 4);
        return r == 0 ? tile::kMudDeep : 28 + r; // 16, 29, 30, 31
    }
    case Terrain::Water: return tile::kWater;
    case Terrain::DeepWater: return tile::kDeepWater;
    case Terrain::Floor: return tile::Floor_Base(floor_[(size_t)y * w_ + x]) + (int)(h % 4);
    case Terrain::Door: return tile::Floor_Base(floor_[(size_t)y * w_ + x]) + 4;
    case Terrain::WallWood: return tile::kWallWood + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::WallStone: return tile::kWallStone + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::WallBrick: return tile::kWallBrick + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::WallConcrete: return tile::kWallConcrete + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::WallSteel: return tile::kWallSteel + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::Shelves: return tile::kShelves + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::Books: return tile::kBooks + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::WineRack: return tile::kWineRack + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::GunRack: return tile::kGunRack + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::Rail: return tile::kRail + joined([](Terrain n) { return n == Terrain::Rail; });
    case Terrain::Mass: return tile::kMass + joined([](Terrain n) { return Is_Wall(n); });
    case Terrain::Sandbags: return tile::kSandbags + joined([](Terrain n) { return n == Terrain::Sandbags; });
    case Terrain::Hedge: return tile::kHedge + joined([](Terrain n) { return n == Terrain::Hedge; });
    case Terrain::TrenchWall: return tile::kTrenchWall + joined([](Terrain n) { return n == Terrain::TrenchWall; });
    case Terrain::Rock: return tile::kRockFirst + (int)(h % 8);
    case Terrain::Fence: {
        const bool ew = at(x - 1, y, t) == Terrain::Fence || at(x + 1, y, t) == Terrain::Fence;
        const bool ns = at(x, y - 1, t) == Terrain::Fence || at(x, y + 1, t) == Terrain::Fence;
        return ew && !ns ? tile::kFenceH : ns && !ew ? tile::kFenceV : tile::kFencePost;
    }
    case Terrain::Bottle: return h % 2 ? tile::kBottle : tile::kBottle2;
    case Terrain::Mine: return tile::kMine;
    }
    return tile::kGroundFirst;
}

void Builder::Finish() {
    out_->map.width = w_;
    out_->map.height = h_;
    out_->map.tiles.assign((size_t)w_ * h_, 0);
    out_->map.set.assign((size_t)w_ * h_, 0);
    // The file's cell index is column + row * height (Load_BG), the same as x + y * w here
    // for the square maps this builds; written by the formula so that either holds.
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const size_t i = (size_t)x + (size_t)y * h_;
            out_->map.tiles[i] = Tile_Of(x, y);
            const Terrain t = cells_[(size_t)y * w_ + x];
            out_->map.set[i] =
                !Underground(*biome_) && inside_[(size_t)y * w_ + x] && (t == Terrain::Floor || t == Terrain::Door) ? 1
                                                                                                                 : 0;
        }
    out_->tile_sets = {biome_->tile_set, kInteriorSet};
}

bool Builder::Run(const std::vector<MapDirective>& recipe, MapResult& out) {
    out_ = &out;
    out.anchors.clear();
    // Biome, size, seed and floor first, wherever they stand: every feature depends on them.
    // Each may be given once.
    const MapDirective* first[4] = {nullptr, nullptr, nullptr, nullptr};
    for (const MapDirective& d : recipe) {
        auto bare = d.args.find("");
        const std::string word = bare == d.args.end() ? "" : bare->second;
        const int once = d.verb == "biome" ? 0 : d.verb == "size" ? 1 : d.verb == "seed" ? 2 : d.verb == "floor" ? 3 : -1;
        if (once < 0) continue;
        if (first[once])
            return Fail(d, "given twice (first at " + (first[once]->file == d.file ? "line " : first[once]->file + ":") +
                               std::to_string(first[once]->line) + ")");
        first[once] = &d;
        if (!Known_Args(d, {})) return false;
        if (d.verb == "biome") {
            const Biome* b = nullptr;
            for (const Biome& k : kBiomes)
                if (word == k.name) b = &k;
            if (b == nullptr) {
                std::string names;
                for (const Biome& k : kBiomes) names += std::string(names.empty() ? "" : ", ") + k.name;
                return Fail(d, "unknown biome \"" + word + "\" (known: " + names + ")");
            }
            biome_ = b;
        } else if (d.verb == "size") {
            std::vector<long long> n;
            if (!numbers::Whole_List(word, 'x', 2, 8, kMaxSide, n).empty())
                return Fail(d, "size must be WxH, from 8x8 to 150x150");
            w_ = (int)n[0];
            h_ = (int)n[1];
            if (w_ != h_) return Fail(d, "a walk map is square (the game indexes its cells by the height)");
        } else if (d.verb == "seed") {
            long long n = 0;
            if (!numbers::Whole(word, 0, UINT32_MAX, n).empty())
                return Fail(d, "seed must be a whole number from 0 to " + std::to_string(UINT32_MAX));
            seed_ = (uint32_t)n;
        }
    }
    // The map's floor: its own, or its biome's (whichever of the two lines stands first).
    default_floor_ = biome_->floor;
    if (const MapDirective* f = first[3]) {
        auto bare = f->args.find("");
        if (!Floor_Arg(*f, bare == f->args.end() ? "" : bare->second, default_floor_)) return false;
    }
    cells_.assign((size_t)w_ * h_, Underground(*biome_) ? Terrain::Floor : Terrain::Ground);
    inside_.assign((size_t)w_ * h_, Underground(*biome_) ? 1 : 0);
    floor_.assign((size_t)w_ * h_, default_floor_);
    for (const MapDirective& d : recipe) {
        if (d.verb == "biome" || d.verb == "size" || d.verb == "seed" || d.verb == "floor") continue;
        if (!Feature(d)) return false;
    }
    Finish();
    return true;
}

} // namespace

bool Build_Walk_Map(const std::vector<MapDirective>& recipe, MapResult& out, std::string& error) {
    Builder b;
    if (b.Run(recipe, out)) return true;
    error = b.error;
    return false;
}

} // namespace maps
