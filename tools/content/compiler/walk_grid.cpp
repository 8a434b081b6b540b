#include "content/compiler/walk_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "common/codes.h"

namespace compiler {

namespace {

constexpr char FREE = 0, SOLID = 1, FOOTPRINT = 6, SHOOTTHRU_CODE = 7, WATER = 9;

// A real as the game reads it back from the scene's files (written with six decimals).
float As_Written(float v) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", (double)v);
    return std::strtof(text, nullptr);
}

// An object's geometry as the game reads it.
writers::ObjectRec As_Read(writers::ObjectRec o) {
    for (float* f : {&o.x, &o.y, &o.width, &o.height, &o.w, &o.z, &o.box_width, &o.box_height}) *f = As_Written(*f);
    return o;
}

// The tile-map reader's code of a tile.
char Tile_Code(int t, bool dungeon) {
    if (t >= 480 && t <= 483) return WATER;
    if ((t >= 32 && t <= 287) || (t >= 496 && t <= 501)) return SHOOTTHRU_CODE;
    if (t == 0 && dungeon) return SOLID;
    return FREE;
}

// The footprint code of an object.
char Stamp_Code(const writers::ObjectRec& o) {
    if (o.type != OBJ) return FOOTPRINT;
    if (o.onCreate == SHOOTTHRU) return SHOOTTHRU_CODE;
    if (o.onCreate == DUCKABLE || o.sector_action == 0 || o.sector_action == -1) return SOLID;
    return FOOTPRINT;
}

// Every cell of a box, each axis kept on the map (as the game stamps a footprint).
template <class F>
void For_Box(const Walk_Grid& g, float w, float z, float bw, float bh, F&& f) {
    const int c0 = std::max(g.Column(w), 0), c1 = std::min(g.Column(w + bw), g.width - 1);
    const int r0 = std::max(g.Row(z), 0), r1 = std::min(g.Row(z + bh), g.height - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (int cell = g.Index(c, r); cell >= 0) f(cell);
}

void Stamp(Walk_Grid& g, const writers::ObjectRec& o, char code) {
    For_Box(g, o.w, o.z, o.box_width, o.box_height, [&](int cell) { g.col[cell] = code; });
}

void Mark_Clearable(Walk_Grid& g, int cell) {
    if (cell >= 0) g.clearable[cell] = 1;
}

// Whether a prop the loader stamps is hidden at load in this story state.
bool Hidden_At_Load(const writers::ObjectRec& o, const Load_State& st) {
    if (st.all_shown) return false;
    const int kind = o.sector_action;
    bool hidden = false;
    if (kind > 0 && o.sector == 3 && !st.ply_dead && !st.first_time_playing) hidden = true;
    if (kind > 0 && o.sector != 0 && o.sector != st.mission) hidden = true;
    if (kind > 0 && o.sector == -1 && st.mission == 0) hidden = false;
    if (kind == OBJ_WAGES && st.first_time_playing) hidden = true;
    if (kind == OBJ_DRILL && st.current_act != 1) hidden = true;
    if (kind == 0 && o.sector == -2 && st.main_mission_3 == 1) hidden = true;
    if (kind == 0 && o.sector == -3 && st.main_mission_1 == 0) hidden = true;
    return hidden;
}

// A unit as the loader sizes it (its file record is marked full by then, so it is not moved):
// the box and whether it marks its centre cell.
void Unit_Box(const writers::ObjectRec& u, float& w, float& z, float& bw, float& bh) {
    switch (u.sector) {
    case UNIT_BIRD:
        bw = 0.15f / 2, bh = 0.15f / 2;
        w = u.x + bw / 2, z = u.y + bh / 2;
        break;
    case MONKEY:
    case DOG:
        bw = 0.2f / 2, bh = 0.2f / 2;
        w = u.x + bw / 2, z = u.y + bh / 7;
        break;
    case UNIT_SHOTGUN:
        bw = 0.05f, bh = 0.05f;
        w = u.x + 0.28f / 2 - 0.025f, z = u.y + 0.28f / 7;
        break;
    case UNIT_VEHICLE:
        bw = 0.65f / 1.2f, bh = 0.65f / 3.5f;
        w = u.x + 0.65f / 10, z = u.y + bh / 3;
        break;
    default:
        bw = 0.05f, bh = 0.05f;
        w = u.x + 0.275f / 2 - 0.025f, z = u.y + 0.285f / 7;
        break;
    }
}

// A unit that only plays one animation where it stands (the loader makes it a figure).
bool Standing_Figure(const writers::ObjectRec& u) {
    return u.sector != UNIT_MORTAR && u.sector != BOMBER && u.sector != UNIT_SHARK && u.onDeath_action >= 0;
}

} // namespace

int Walk_Grid::Column(float x) const {
    const float v = (x + start_x) * 10.0f;
    return v > -1.0e6f && v < 1.0e6f ? (int)v : -1000000;
}
int Walk_Grid::Row(float y) const {
    const float v = (y + start_y) * 10.0f;
    return v > -1.0e6f && v < 1.0e6f ? (int)v : -1000000;
}
int Walk_Grid::Index(int column, int row) const {
    if (column < 0 || row < 0 || column >= width || row >= height) return -1;
    const long i = (long)row * height + column;
    return i >= 0 && i < (long)col.size() ? (int)i : -1;
}
int Walk_Grid::Cell(float x, float y) const { return Index(Column(x), Row(y)); }
float Walk_Grid::Centre_X(int cell) const { return (cell % height) * 0.1f + 0.05f - start_x; }
float Walk_Grid::Centre_Y(int cell) const { return (cell / height) * 0.1f + 0.05f - start_y; }

int Footprint_Cells(const Walk_Grid& g, const writers::ObjectRec& written) {
    const writers::ObjectRec o = As_Read(written);
    int n = 0;
    For_Box(g, o.w, o.z, o.box_width, o.box_height, [&](int) { ++n; });
    return n;
}

void Clear_Under(Walk_Grid& g, const writers::ObjectRec& written) {
    const writers::ObjectRec o = As_Read(written);
    For_Box(g, o.w, o.z, o.box_width, o.box_height, [&](int cell) { Mark_Clearable(g, cell); });
}

Walk_Grid Build_Walk_Grid(const writers::SceneFiles& s, bool dungeon, const Load_State& st) {
    Walk_Grid g;
    g.width = std::min(std::max(s.map.width, 0), 150);
    g.height = std::min(std::max(s.map.height, 0), 150);
    g.start_x = s.map.width * 0.1f / 2;
    g.start_y = s.map.height * 0.1f / 2;
    const int cells = g.height > 0 ? g.width * g.height : 0;
    g.col.assign(cells, FREE);
    g.clearable.assign(cells, 0);
    for (int i = 0; i < cells && i < (int)s.map.tiles.size(); ++i) g.col[i] = Tile_Code(s.map.tiles[i], dungeon);

    // The objects in index order, as the loader sets them up.
    for (const writers::ObjectRec& written : s.objects) {
        const writers::ObjectRec o = As_Read(written);
        if (o.type == BAG) {
            const bool stamped = o.grab_switch && o.sector != unit_class::TUNNEL;
            if (stamped) Stamp(g, o, FOOTPRINT);
            const bool breaks = stamped && o.priority != 3 && o.sector != UNIT_BOSS;
            if (breaks && o.sector != UNIT_ARMOUR_TANK && o.sector != SEAGULL && o.sector != SEAGULL2)
                For_Box(g, o.w, o.z, o.box_width, o.box_height, [&](int cell) { Mark_Clearable(g, cell); });
        }
        bool mouseover = o.mouseover != 0;
        if (o.type == OBJ && o.grab_switch) {
            mouseover = Hidden_At_Load(o, st);
            if (!mouseover) Stamp(g, o, Stamp_Code(o));
        }
        if (o.type == OBJ && o.sector_action == OBJ_NOCOL && !mouseover) Stamp(g, o, FREE);
        if (o.type == DOR) {
            const float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
            const int c = (int)((cx + g.start_x) * 10.0f), r = (int)((cy + g.start_y) * 10.0f);
            const char code = o.onCreate == 1 ? SOLID : (o.onCreate == 2 ? SHOOTTHRU_CODE : FOOTPRINT);
            const bool breaks = o.grab_switch && o.priority != 3 && o.sector_action != door_type::TYPE_TREE &&
                                o.sector_action != door_type::TYPE_GOLDTREE;
            auto door_cell = [&](int cc, int rr) {
                const int cell = g.Index(cc, rr);
                if (cell < 0) return;
                g.col[cell] = code;
                if (breaks) Mark_Clearable(g, cell);
            };
            door_cell(c, r);
            if (o.sector_action == door_type::DOUBLE) door_cell(c + 1, r + 1);
            if (o.sector_action == door_type::DOUBLE_BACK) door_cell(c - 1, r + 1);
            if (o.sector_action == door_type::TYPE_TREE || o.sector_action == door_type::TYPE_GOLDTREE)
                Stamp(g, o, FOOTPRINT);
        }
        if (o.type == UNT) {
            float w, z, bw, bh;
            Unit_Box(o, w, z, bw, bh);
            if (o.sector == UNIT_VEHICLE) For_Box(g, w, z, bw, bh, [&](int cell) { g.col[cell] = FOOTPRINT; });
            if (o.sector != UNIT_VEHICLE && o.sector != DUCK) {
                const int cell = g.Cell(w + bw / 2, z + bh / 2);
                if (cell >= 0) {
                    g.col[cell] = FOOTPRINT;
                    if (!Standing_Figure(o)) Mark_Clearable(g, cell);
                }
            }
        }
    }
    return g;
}

std::vector<char> Open_Ground_From(const Walk_Grid& g, float x, float y, bool clear) {
    std::vector<char> open(g.col.size(), 0);
    auto passable = [&](int cell) { return cell >= 0 && (g.col[cell] == FREE || (clear && g.clearable[cell])); };
    const int start = g.Cell(As_Written(x), As_Written(y));
    if (!passable(start)) return {};
    std::deque<int> todo{start};
    open[start] = 1;
    while (!todo.empty()) {
        const int cell = todo.front();
        todo.pop_front();
        const int c = cell % g.height, r = cell / g.height;
        const int next[4] = {g.Index(c, r - 1), g.Index(c - 1, r), g.Index(c + 1, r), g.Index(c, r + 1)};
        for (int n : next)
            if (passable(n) && !open[n]) {
                open[n] = 1;
                todo.push_back(n);
            }
    }
    return open;
}

float Node_Distance(float x1, float y1, float x2, float y2) { return (std::fabs(x1 - x2) + std::fabs(y1 - y2)) / 2; }

bool Within_Contact(const Walk_Grid& g, const std::vector<char>& open, const writers::ObjectRec& written) {
    const writers::ObjectRec o = As_Read(written);
    const float cx = Box_Centre_X(o), cy = Box_Centre_Y(o);
    const int goal = g.Cell(cx, cy);
    if (goal < 0) return false;
    auto close = [&](int cell) { return Node_Distance(g.Centre_X(cell), g.Centre_Y(cell), cx, cy) < 0.1f; };
    if (open[goal]) return close(goal);
    // The path finder walks up to the goal cell (the object's centre cell) from a side
    // neighbour that is not hemmed in on more than two sides (the goal itself not counted),
    // and the walker stops on that neighbour's centre.
    const int c = goal % g.height, r = goal / g.height;
    const int sides[4] = {g.Index(c, r - 1), g.Index(c - 1, r), g.Index(c + 1, r), g.Index(c, r + 1)};
    for (int n : sides) {
        if (n < 0 || !open[n] || !close(n)) continue;
        const int nc = n % g.height, nr = n / g.height;
        const int around[4] = {g.Index(nc, nr - 1), g.Index(nc - 1, nr), g.Index(nc + 1, nr), g.Index(nc, nr + 1)};
        int walls = 0;
        for (int a : around)
            if (a >= 0 && a != goal && (g.col[a] == SOLID || g.col[a] == FOOTPRINT || g.col[a] == SHOOTTHRU_CODE)) ++walls;
        if (walls <= 2) return true;
    }
    return false;
}

bool Inside_Box(const Walk_Grid& g, const std::vector<char>& open, const writers::ObjectRec& written) {
    const writers::ObjectRec o = As_Read(written);
    for (int cell = 0; cell < (int)open.size(); ++cell) {
        if (!open[cell]) continue;
        const float x = g.Centre_X(cell), y = g.Centre_Y(cell);
        if (o.w < x && x < o.w + o.box_width && o.z < y && y < o.z + o.box_height) return true;
    }
    return false;
}

} // namespace compiler
