#include "world/pathfinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "combat/combat.h"
#include "common/fresh_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/collision.h"
#include "world/turning.h"

namespace {


bool Water_Tile(int t) { return t >= 480 && t <= 483; }

bool Wall_Code(int code) { return code == COL_SOLID || code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU; }

// A cell blocks the walk when it lies off the map or holds a wall code.
bool Blocks(int col, int row) {
    int cell = Cell_Index(col, row);
    return cell < 0 || Wall_Code(map_col[cell]);
}

// Side neighbours in the walk's order: above, left, right, below (row offset first).
constexpr int SIDE_DR[4] = {-1, 0, 0, 1};
constexpr int SIDE_DC[4] = {0, -1, 1, 0};

// Every cell the walk marked, with the code it held, so each is put back exactly.
constexpr int MAX_MARKED = 24 * 24 + 8;
int marked_cell[MAX_MARKED];
char marked_code[MAX_MARKED];
int marked_count = 0;

void Mark_Visited(int cell) {
    if (marked_count < MAX_MARKED) {
        marked_cell[marked_count] = cell;
        marked_code[marked_count] = map_col[cell];
        marked_count++;
    }
    map_col[cell] = COL_VISITED;
}

void Clear_Marks() {
    for (int i = marked_count - 1; i >= 0; --i) map_col[marked_cell[i]] = marked_code[i];
    marked_count = 0;
}

// Breadth-first scratch of the chain search: parent of each reached cell, stamped per search.
int bfs_parent[GRID_CELLS];
unsigned bfs_stamp[GRID_CELLS];
unsigned bfs_generation = 0;
int bfs_queue[GRID_CELLS];
int bfs_col[GRID_CELLS];
int bfs_row[GRID_CELLS];

// The wall tests of the cells a walk looks at, worked out once per cell and walk: the walk
// only marks cells as walked, which no wall test reads, so a cell's answers hold for the
// whole walk. Bit 0: Stuck_Check, bit 1: Stuck_To_Wall; valid where the stamp is the walk's.
unsigned char wall_answers[GRID_CELLS];
unsigned wall_stamp[GRID_CELLS];
unsigned walk_generation = 0;

void New_Walk() {
    if (++walk_generation == 0) {
        for (unsigned& s : wall_stamp) s = 0;
        walk_generation = 1;
    }
}

unsigned char Wall_Answers(int cell) {
    if (wall_stamp[cell] != walk_generation) {
        wall_stamp[cell] = walk_generation;
        wall_answers[cell] = (unsigned char)((Stuck_Check(cell, 0, 0) ? 1 : 0) | (Stuck_To_Wall(cell, 0, 0) ? 2 : 0));
    }
    return wall_answers[cell];
}

// The restart score of each walked cell in recorded[], worked out once when it is walked.
float walked_score[RECORDED_SIZE];

// The kept chain's cells, from the goal to the start (the segment cell list).
int chain_cells[RECORDED_SIZE];
int chain_count = 0;

// The search window as rows of bits, one bit per cell, with a border of one cell all round:
// bit x of row y is cell (min_c - 1 + x, min_r - 1 + y). The walk reads whole rows instead
// of testing cell by cell; the answers are the cell-by-cell tests' own:
//   wall   the cell blocks (a wall code, or off the map)
//   stw    Stuck_To_Wall
//   cand   the walk may step onto it: a code that counts as free, not Stuck_Check (the goal
//          excepted), not yet walked; only inside the window
//   walked the cells the walk has marked
// water holds the water tiles of the rows the line tests asked for (water_row marks them).
// unmarked: no cell of the window or its border held a search mark (walked, search start)
// before the walk but its start, so a chain search over walked cells never leaves the window.
// Kept from the walk to the line-of-sight shortening, which sees the same walls.
constexpr int WINDOW_ROWS = 2 * 24 + 3;
struct Search_Window {
    bool valid = false, unmarked = false;
    int min_c = 0, min_r = 0, w = 0, h = 0;
    uint64_t wall[WINDOW_ROWS] = {}, stw[WINDOW_ROWS] = {}, cand[WINDOW_ROWS] = {}, water[WINDOW_ROWS] = {};
    uint64_t walked[WINDOW_ROWS] = {};
    bool water_row[WINDOW_ROWS] = {};
};
Search_Window window;

KEEP_FRESH(marked_cell, marked_code, marked_count, bfs_parent, bfs_stamp, bfs_generation, bfs_queue, bfs_col, bfs_row, chain_cells,
           chain_count, wall_answers, wall_stamp, walk_generation, walked_score, window);

void Set_Col_Type(int loop) { col_type = (loop == p1_id && p1_id != -1 && has_water) ? COL_WATER : COL_FREE; }

} // namespace

bool Stuck_Check(int on_node, int, int) {
    if (!Cell_Index_On_Map(on_node)) return true;
    int c = Cell_Column_Of(on_node), r = Cell_Row_Of(on_node);
    int walls = 0;
    for (int k = 0; k < 4; ++k)
        if (Blocks(c + SIDE_DC[k], r + SIDE_DR[k])) walls++;
    return walls > 2;
}

bool Stuck_To_Wall(int on_node, int, int) {
    if (!Cell_Index_On_Map(on_node)) return true;
    int c = Cell_Column_Of(on_node), r = Cell_Row_Of(on_node);
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
            if ((dr || dc) && Blocks(c + dc, r + dr)) return true;
    return false;
}

bool Diagonal_Check(int on_node, int y, int x) {
    if (y == 0 || x == 0) return false;
    if (!Cell_Index_On_Map(on_node)) return true;
    int c = Cell_Column_Of(on_node), r = Cell_Row_Of(on_node);
    return Blocks(c - x, r) && Blocks(c, r - y);
}

namespace {
// Floor of a value well inside the int range.
inline int Floor_Int(double v) {
    const int i = (int)v;
    return i - (v < (double)i ? 1 : 0);
}

// The answer of the line walk from (x1, y1) to (x2, y2) worked out row by row without
// walking it, where it is sure: 0 clear, 1 blocked, -1 not sure (the walk decides). The
// walk's probe points lie within its half-side h, plus the rounding of its float steps and
// angle, of the segment from the start to one step past the end: when no cell of that
// segment, widened by the margin, blocks, no probe can meet one. And a blocking cell that the
// segment from one step after the start to one step before the end (where the walk surely
// steps) crosses deep inside, farther from the cell's sides than the probe offset, half a
// step and the rounding, surely holds a probe point. blocking_cells(row, c0, c1, on_cell)
// calls on_cell(column) for each blocking cell from column c0 to c1 of the row (cells off the
// map block) until on_cell returns true.
template <class Blocking>
int Line_Answer(float x1, float y1, float x2, float y2, float h, Blocking blocking_cells) {
    constexpr double STEP = 0.005; // the walk's step, to within its float rounding
    const double vx = (double)x2 - x1, vy = (double)y2 - y1;
    const double dist = std::sqrt(vx * vx + vy * vy);
    const double big = std::max({std::fabs((double)x1), std::fabs((double)y1), std::fabs((double)x2),
                                 std::fabs((double)y2), std::fabs((double)map_startX), std::fabs((double)map_startY)});
    if (!(big < 64.0) || !(dist > 1.0e-3) || dist > 20.0) return -1; // also not a number
    const double inv_dist = 1.0 / dist;
    const double ux = vx * inv_dist, uy = vy * inv_dist;
    const double steps = dist / (STEP * 0.99) + 2.0;
    const double rounding = steps * (big + 1.0) * 1.2e-7 + dist * 1.0e-6 + 1.0e-4;
    const double margin = ((double)h + rounding) * 10.0 + 1.0e-3;
    const double deep = ((double)h + STEP / 2.0 + rounding) * 10.0 + 1.0e-3;
    // Grid coordinates of the start and of one step past the end.
    const double reach = dist + STEP * 1.01;
    const double ax = ((double)x1 + map_startX) * 10.0, ay = ((double)y1 + map_startY) * 10.0;
    const double dx = ux * reach * 10.0, dy = uy * reach * 10.0;
    // The stretch of [0, 1] where the walk surely steps: one step after the start to one step
    // before the end.
    const double inv_reach = 1.0 / reach;
    const double sure_from = STEP * 1.01 * inv_reach, sure_to = (dist - STEP * 1.01 - dist * 1.0e-6) * inv_reach;
    auto surely_probed = [&](int c, int r) {
        if (c < 0 || r < 0 || !(sure_from < sure_to)) return false;
        const double lo_x = c + deep, hi_x = c + 1 - deep, lo_y = r + deep, hi_y = r + 1 - deep;
        if (lo_x >= hi_x || lo_y >= hi_y) return false;
        double t0 = sure_from, t1 = sure_to;
        auto clip = [&](double p, double d, double lo, double hi) {
            if (d == 0.0) return p > lo && p < hi;
            double ta = (lo - p) / d, tb = (hi - p) / d;
            if (ta > tb) std::swap(ta, tb);
            t0 = std::max(t0, ta);
            t1 = std::min(t1, tb);
            return t0 < t1;
        };
        return clip(ax, dx, lo_x, hi_x) && clip(ay, dy, lo_y, hi_y);
    };
    const double by = ay + dy;
    const int r0 = Floor_Int(std::min(ay, by) - margin), r1 = Floor_Int(std::max(ay, by) + margin);
    const double inv_dy = dy != 0.0 ? 1.0 / dy : 0.0;
    bool unsure = false, sure_block = false;
    for (int r = r0; r <= r1 && !sure_block; ++r) {
        double t0 = 0.0, t1 = 1.0;
        if (dy != 0.0) {
            double ta = ((double)r - margin - ay) * inv_dy, tb = ((double)r + 1.0 + margin - ay) * inv_dy;
            if (ta > tb) std::swap(ta, tb);
            t0 = std::max(t0, ta);
            t1 = std::min(t1, tb);
            if (t0 > t1) continue;
        }
        const double xa = ax + t0 * dx, xb = ax + t1 * dx;
        const int c0 = Floor_Int(std::min(xa, xb) - margin), c1 = Floor_Int(std::max(xa, xb) + margin);
        blocking_cells(r, c0, c1, [&](int c) {
            if (surely_probed(c, r)) {
                sure_block = true;
                return true;
            }
            unsure = true;
            return false;
        });
    }
    if (sure_block) return 1;
    return unsure ? -1 : 0;
}

// Set while the line-of-sight shortening runs: the window still holds the walk's walls.
bool rays_in_window = false;
KEEP_FRESH(rays_in_window);

// Bits of the water tiles among n (at most 64) tiles in a row. With room, the 64 tiles from
// the first may all be read (they lie in the map); the bits past n are dropped.
uint64_t Water_Bits(const int* row, int n, bool room) {
    uint64_t bits = 0;
#if defined(__SSE2__)
    alignas(16) int buf[64];
    if (!room) {
        std::memset(buf, 0, sizeof buf);
        std::memcpy(buf, row, sizeof(int) * (size_t)n);
        row = buf;
    }
    const __m128i lo = _mm_set1_epi32(479), hi = _mm_set1_epi32(484);
    for (int k = 0; k < (n + 3) / 4; ++k) {
        const __m128i v = _mm_loadu_si128((const __m128i*)(row + 4 * k));
        const __m128i in = _mm_and_si128(_mm_cmpgt_epi32(v, lo), _mm_cmplt_epi32(v, hi));
        bits |= (uint64_t)(unsigned)_mm_movemask_ps(_mm_castsi128_ps(in)) << (4 * k);
    }
    if (n < 64) bits &= (1ull << n) - 1;
#else
    (void)room;
    for (int i = 0; i < n; ++i)
        if (Water_Tile(row[i])) bits |= 1ull << i;
#endif
    return bits;
}

// The blocking cells from column c0 to c1 of row r for a line that treats every wall code as
// a wall (water too unless it passes), from the window's rows, as bits from bit 0 = column
// c0; false when the span is not in the window.
bool Window_Blocking(int r, int c0, int c1, bool water_passes, uint64_t& bits) {
    Search_Window& wn = window;
    const int y = r - (wn.min_r - 1), x0 = c0 - (wn.min_c - 1), x1 = c1 - (wn.min_c - 1);
    if (y < 0 || y > wn.h + 1 || x0 < 0 || x1 > wn.w + 1 || x0 > x1) return false;
    uint64_t blocking = wn.wall[y];
    if (!water_passes) {
        if (!wn.water_row[y]) {
            uint64_t water = 0;
            if (r >= 0 && r < Grid_Height()) {
                const int first = std::max(wn.min_c - 1, 0), last = std::min(wn.min_c + wn.w, Grid_Width() - 1);
                if (first <= last)
                    water = Water_Bits(&tiles[r * Grid_Stride() + first], last - first + 1,
                                       r * Grid_Stride() + first + 64 <= GRID_CELLS)
                            << (first - (wn.min_c - 1));
            }
            wn.water[y] = water;
            wn.water_row[y] = true;
        }
        blocking |= wn.water[y];
    }
    bits = (blocking & (~0ull >> (63 - x1))) >> x0;
    return true;
}

// Where a probe's column (or row) next changes along a walk in direction `dir`, given the
// column `c` it is in and its offset `off` from the walked point: a world coordinate a
// little short of the grid line, so that a walk that has not reached it has surely not
// crossed the line (the margin is far larger than the rounding of the float sums).
double Probe_Boundary(int c, float start, float off, int dir) {
    constexpr double margin = 1.0e-4;
    if (dir > 0) return (c + 1) / 10.0 - start - off - margin;
    return c / 10.0 - start - off + margin;
}
} // namespace

// The line is walked in steps of 0.005 units; at each step the four probe points at the
// corners of a square of half-side h around it are tested. The probes share two columns
// (x + h, x - h) and two rows (y + h, y - h), which change only every twentieth step or so:
// the cells are computed and looked up only once the walk reaches a point where one of them
// may change. Positions and cells are the same float values as a probe-by-probe walk gives,
// so the answer is the same: whether any probed cell blocks. Most lines never get walked:
// Line_Answer settles them from the cells along them first, and the walk decides only where
// that is not sure.
bool Shoot_Ray(int loop, float x1, float y1, float x2, float y2, bool grey_test, bool shooting) {
    float h = 0.005f;
    const bool water_passes = shooting || (loop == p1_id && p1_id != -1 && has_water);
    if (shooting) h = 0.0025f;
    auto blocks = [&](int col, int row) {
        const int cell = Cell_Index(col, row);
        if (cell < 0) return true; // the line leaves the map
        const int code = map_col[cell];
        if (grey_test && (code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU)) return true;
        if (code == COL_SOLID) return true;
        return !water_passes && Water_Tile(tiles[cell]);
    };
    if (!cell_by_cell_search) {
        const bool window_walls = rays_in_window && grey_test && window.valid;
        auto blocking_cells = [&](int row, int c0, int c1, auto&& on_cell) {
            uint64_t bits = 0;
            if (window_walls && Window_Blocking(row, c0, c1, water_passes, bits)) {
                for (; bits; bits &= bits - 1)
                    if (on_cell(c0 + __builtin_ctzll(bits))) return;
                return;
            }
            for (int c = c0; c <= c1; ++c)
                if (blocks(c, row) && on_cell(c)) return;
        };
        const int answer = Line_Answer(x1, y1, x2, y2, h, blocking_cells);
        if (answer >= 0) return answer == 1;
    }
    float distance = Node_Distance1(x1, y1, x2, y2);
    float angle = std::atan2(y2 - y1, x2 - x1);
    float sx = std::cos(angle) * 0.005f, sy = std::sin(angle) * 0.005f;
    float step = Node_Distance1(0.0f, 0.0f, sx, sy);
    int iterations = 0;
    if (step > 0.0f) {
        float q = distance / step;
        iterations = (q < 1.0e7f) ? (int)q - 1 : 10000000;
        if (iterations < 0) iterations = 0;
    }
    const float mh = -h;
    // Walk directions (+1, -1, or 0 for none) and, as sign * coordinate, the next points at
    // which the probes' columns or rows must be computed again.
    const float dir_x = sx > 0.0f ? 1.0f : (sx < 0.0f ? -1.0f : 0.0f);
    const float dir_y = sy > 0.0f ? 1.0f : (sy < 0.0f ? -1.0f : 0.0f);
    float next_x = 0.0f, next_y = 0.0f;
    auto next_line = [](int a, int b, float start, float off, float dir) {
        if (dir == 0.0f) return INFINITY;
        const int d = (int)dir;
        return (float)std::min(dir * Probe_Boundary(a, start, off, d), dir * Probe_Boundary(b, start, -off, d));
    };
    int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
    float x = x1, y = y1;
    for (int i = 0; i <= iterations; ++i) {
        x += sx;
        y += sy;
        const bool at_x = i == 0 || dir_x * x >= next_x;
        const bool at_y = i == 0 || dir_y * y >= next_y;
        if (!at_x && !at_y) continue;
        bool moved = i == 0;
        if (at_x) {
            const int a = Cell_Column(x + h), b = Cell_Column(x + mh);
            moved = moved || a != c0 || b != c1;
            c0 = a, c1 = b;
            next_x = next_line(a, b, map_startX, h, dir_x);
        }
        if (at_y) {
            const int a = Cell_Row(y + h), b = Cell_Row(y + mh);
            moved = moved || a != r0 || b != r1;
            r0 = a, r1 = b;
            next_y = next_line(a, b, map_startY, h, dir_y);
        }
        if (!moved) continue;
        if (blocks(c0, r0) || blocks(c1, r0) || blocks(c0, r1) || blocks(c1, r1)) return true;
    }
    return false;
}

bool Find_Path(int loop) {
    if (!Valid_Sprite(loop)) return false;
    object& o = sprite[loop];
    const int now = Now();
    if (loop != p1_id) {
        if (!(now > o.col_timer)) return false;
    }
    o.col_timer = now + REPLAN_DELAY;

    // A goal off the map becomes the nearest cell on it.
    int gc = Cell_Column(o.end_x), gr = Cell_Row(o.end_y);
    if (!Cell_On_Map(gc, gr)) {
        if (Grid_Width() <= 0 || Grid_Height() <= 0) return false;
        if (gc < 0) gc = 0;
        if (gc >= Grid_Width()) gc = Grid_Width() - 1;
        if (gr < 0) gr = 0;
        if (gr >= Grid_Height()) gr = Grid_Height() - 1;
        if (!Cell_On_Map(gc, gr)) return false;
        o.end_x = Cell_Centre_X(gc);
        o.end_y = Cell_Centre_Y(gr);
    }
    const int goal_cell = Cell_Index(gc, gr);
    const char saved_goal = map_col[goal_cell];
    map_col[goal_cell] = COL_FREE;

    for (int i = 0; i < PATH_NODES; ++i) o.node_list[i] = -1;
    o.node_counter = 0;
    o.node_count = -1;

    float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
    int start_cell = Cell_Of(cx, cy);
    if (start_cell < 0) {
        map_col[goal_cell] = saved_goal;
        return false;
    }
    // The unit's own cell does not block its line; afterwards it holds the unit's footprint,
    // unless it held something else (water under a wading player, an object's stamp), which
    // stays as it was.
    const char own_code = map_col[start_cell];
    map_col[start_cell] = COL_FREE;
    bool blocked = Shoot_Ray(loop, cx, cy, o.end_x, o.end_y, true, false);
    map_col[start_cell] = (own_code == COL_FREE || own_code == COL_FOOTPRINT) ? (char)COL_FOOTPRINT : own_code;

    bool result = false;
    if (!blocked) {
        o.mov_x = o.end_x;
        o.mov_y = o.end_y;
        result = true;
    } else {
        int g = goal_cell;
        if (Wall_Code(map_col[g])) g = Get_Space(o.end_x, o.end_y, cx, cy);
        if (g != -1) result = Path_finder(loop, start_cell, g) != 0;
    }
    map_col[goal_cell] = saved_goal;
    return result;
}

int Path_finder(int loop, int last_node, int goal_node) {
    if (!Valid_Sprite(loop) || !Cell_Index_On_Map(last_node) || !Cell_Index_On_Map(goal_node)) return 0;
    object& o = sprite[loop];
    const bool is_player = loop == p1_id && p1_id != -1;
    Set_Col_Type(loop);
    limit_value = is_player ? 14 : 24;
    Path_Found = false;
    debug_path_count = 0;

    const char saved_start = map_col[last_node];
    const char saved_goal = map_col[goal_node];
    map_col[last_node] = COL_SEARCH_START;
    map_col[goal_node] = COL_SEARCH_GOAL;

    int count = p1_id != -1 ? Record_Pathway(false, last_node, goal_node, is_player) : 0;
    count = Clean_Pathway(Reorder_Pathway(count, last_node, goal_node, false), last_node, loop);

    map_col[goal_node] = saved_goal;
    map_col[last_node] = saved_start;
    window.valid = false;

    if (Path_Found) {
        int n = count < PATH_NODES ? count : PATH_NODES;
        for (int i = 0; i < n; ++i) {
            o.node_list[i] = recorded[i];
            debug_pathX[i] = Cell_Centre_X(Cell_Column_Of(recorded[i]));
            debug_pathY[i] = Cell_Centre_Y(Cell_Row_Of(recorded[i]));
        }
        o.node_count = n;
        debug_path_count = n;
    } else {
        o.node_list[0] = 0;
        o.node_count = -1;
    }
    o.node_counter = 0;
    Next_node(loop, false);
    return Path_Found;
}

namespace {

// Bits of n (at most 64) codes in a row: which block (a wall code) and which count as free
// for the walk (free, the goal mark, or the unit's own free code). With room, the 64 codes
// from the first may all be read (they lie in the grid); the bits past n are dropped.
void Row_Bits(const char* codes, int n, bool room, uint64_t& wall, uint64_t& free_bits, uint64_t& marks) {
    wall = free_bits = marks = 0;
#if defined(__SSE2__)
    alignas(16) char buf[64];
    if (!room) {
        std::memset(buf, COL_SEGMENT, sizeof buf); // neither a wall, nor free, nor a search mark
        std::memcpy(buf, codes, (size_t)n);
        codes = buf;
    }
    const __m128i solid = _mm_set1_epi8(COL_SOLID), foot = _mm_set1_epi8(COL_FOOTPRINT),
                  thru = _mm_set1_epi8(COL_SOLID_SHOOTTHRU), free0 = _mm_set1_epi8(COL_FREE),
                  goal = _mm_set1_epi8(COL_SEARCH_GOAL), own = _mm_set1_epi8((char)col_type),
                  walked = _mm_set1_epi8(COL_VISITED), start = _mm_set1_epi8(COL_SEARCH_START);
    for (int k = 0; k < 4 && 16 * k < n; ++k) {
        const __m128i v = _mm_loadu_si128((const __m128i*)(codes + 16 * k));
        const __m128i wv = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, solid), _mm_cmpeq_epi8(v, foot)),
                                        _mm_cmpeq_epi8(v, thru));
        const __m128i fv = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, free0), _mm_cmpeq_epi8(v, goal)),
                                        _mm_cmpeq_epi8(v, own));
        const __m128i mv = _mm_or_si128(_mm_cmpeq_epi8(v, walked), _mm_cmpeq_epi8(v, start));
        wall |= (uint64_t)(unsigned)_mm_movemask_epi8(wv) << (16 * k);
        marks |= (uint64_t)(unsigned)_mm_movemask_epi8(mv) << (16 * k);
        free_bits |= (uint64_t)(unsigned)_mm_movemask_epi8(fv) << (16 * k);
    }
    const uint64_t keep = n >= 64 ? ~0ull : (1ull << n) - 1;
    wall &= keep;
    free_bits &= keep;
    marks &= keep;
#else
    (void)room;
    for (int i = 0; i < n; ++i) {
        const int code = codes[i];
        if (Wall_Code(code)) wall |= 1ull << i;
        if (code == COL_FREE || code == COL_SEARCH_GOAL || code == col_type) free_bits |= 1ull << i;
        if (code == COL_VISITED || code == COL_SEARCH_START) marks |= 1ull << i;
    }
#endif
}

// Fills the window of a walk over columns min_c..max_c and rows min_r..max_r (on the map);
// false when it does not fit in the bit rows or the grid's cells and rows are not one to one
// (a map wider than its stored rows), where the walk goes cell by cell.
bool Fill_Window(int min_c, int max_c, int min_r, int max_r, int start_node, int goal_node) {
    Search_Window& wn = window;
    wn.valid = false;
    const int w = max_c - min_c + 1, h = max_r - min_r + 1;
    if (w < 1 || h < 1 || w + 2 > 64 || h + 2 > WINDOW_ROWS || Grid_Width() > Grid_Stride()) return false;
    const int W = Grid_Width(), H = Grid_Height(), stride = Grid_Stride();
    const uint64_t all = w + 2 == 64 ? ~0ull : (1ull << (w + 2)) - 1;
    const uint64_t inside = all & ~1ull & ~(1ull << (w + 1));
    uint64_t free_rows[WINDOW_ROWS];
    uint64_t marks = 0;
    const int start_x = Cell_Column_Of(start_node) - min_c + 1, start_y = Cell_Row_Of(start_node) - min_r + 1;
    for (int y = 0; y < h + 2; ++y) {
        wn.water_row[y] = false;
        wn.walked[y] = 0;
        const int r = min_r - 1 + y;
        if (r < 0 || r >= H) {
            wn.wall[y] = all;
            free_rows[y] = 0;
            continue;
        }
        int c0 = min_c - 1, c1 = max_c + 1;
        uint64_t wall = 0;
        if (c0 < 0) {
            wall |= 1;
            c0 = 0;
        }
        if (c1 >= W) {
            wall |= 1ull << (w + 1);
            c1 = W - 1;
        }
        uint64_t wb = 0, fb = 0, mb = 0;
        Row_Bits(&map_col[r * stride + c0], c1 - c0 + 1, r * stride + c0 + 64 <= GRID_CELLS, wb, fb, mb);
        const int shift = c0 - (min_c - 1);
        mb <<= shift;
        if (y == start_y) mb &= ~(1ull << start_x);
        marks |= mb;
        wn.wall[y] = (wall | (wb << shift)) & all;
        free_rows[y] = (y >= 1 && y <= h) ? (fb << shift) & inside : 0;
    }
    const int gx = Cell_Column_Of(goal_node) - min_c + 1, gy = Cell_Row_Of(goal_node) - min_r + 1;
    for (int y = 1; y <= h; ++y) {
        const uint64_t u = wn.wall[y - 1], d = wn.wall[y + 1], l = wn.wall[y] << 1, r = wn.wall[y] >> 1;
        const uint64_t stuck = (u & l & r) | (u & l & d) | (u & r & d) | (l & r & d);
        wn.stw[y] = u | d | (u << 1) | (u >> 1) | (d << 1) | (d >> 1) | l | r;
        wn.cand[y] = free_rows[y] & ~stuck;
        if (y == gy && gx >= 1 && gx <= w) {
            const uint64_t g = 1ull << gx;
            wn.cand[y] = (wn.cand[y] & ~g) | (free_rows[y] & g); // the goal is never too narrow
        }
    }
    wn.stw[0] = wn.stw[h + 1] = wn.cand[0] = wn.cand[h + 1] = 0;
    wn.min_c = min_c;
    wn.min_r = min_r;
    wn.w = w;
    wn.h = h;
    wn.unmarked = marks == 0;
    wn.valid = true;
    return true;
}

// Float distance between two cells, as Node_Distance1 gives it for their coordinates.
// (The squares are whole numbers, exact as floats; near ones come from a table of roots.)
float Cell_Distance(int dc, int dr) {
    constexpr int ROOTS = 4096;
    static const auto roots = [] {
        std::array<float, ROOTS> r{};
        for (int n = 0; n < ROOTS; ++n) r[n] = std::sqrt((float)n);
        return r;
    }();
    const int n = dc * dc + dr * dr;
    if (n < ROOTS) return roots[n];
    const float x = (float)dc, y = (float)dr;
    return std::sqrt(x * x + y * y);
}

// The walk of Record_Pathway on the window's bit rows: the same steps and the same cells in
// the same order. Cells are window positions y * 64 + x. One shortcut: once a step only
// touches the goal from the junction it started at and comes back there with nothing else
// changed, every later step does the same, so the walk ends there.
int Walk_Window(int last_node, int goal_node, int steps) {
    Search_Window& wn = window;
    const int stride = Grid_Stride();
    const int base = (wn.min_r - 1) * stride + (wn.min_c - 1); // grid index of window cell 0
    auto grid_of = [&](int p) { return base + (p >> 6) * stride + (p & 63); };
    const int sx = Cell_Column_Of(last_node) - wn.min_c + 1, sy = Cell_Row_Of(last_node) - wn.min_r + 1;
    const int gx = Cell_Column_Of(goal_node) - wn.min_c + 1, gy = Cell_Row_Of(goal_node) - wn.min_r + 1;
    const int goal = (gx >= 1 && gx <= wn.w && gy >= 1 && gy <= wn.h) ? gy * 64 + gx : -1;

    int count = 0;
    int current = sy * 64 + sx;
    bool wall_follow = false, stuck = false;
    int most_promising = -1;
    int junction[JUNCTIONS];
    int top = 0;
    junction[0] = -1;
    int walked_at[RECORDED_SIZE]; // window position of each recorded cell

    for (int step = 0; step < steps; ++step) {
        const int x = current & 63, y = current >> 6;
        const int start_cell = current;
        const bool start_follow = wall_follow, start_stuck = stuck;
        if (!stuck && !wall_follow && ((wn.stw[y] >> x) & 1)) {
            wall_follow = true;
            junction[top] = current;
        }
        // Neighbours above, left, right, below; the first nearest to the goal wins.
        const uint64_t need_up = wall_follow ? wn.cand[y - 1] & wn.stw[y - 1] : wn.cand[y - 1];
        const uint64_t need_row = wall_follow ? wn.cand[y] & wn.stw[y] : wn.cand[y];
        const uint64_t need_down = wall_follow ? wn.cand[y + 1] & wn.stw[y + 1] : wn.cand[y + 1];
        const int ok0 = (int)((need_up >> x) & 1), ok1 = (int)((need_row >> (x - 1)) & 1),
                  ok2 = (int)((need_row >> (x + 1)) & 1), ok3 = (int)((need_down >> x) & 1);
        const int candidates = ok0 + ok1 + ok2 + ok3;
        // Squared distances (the order of the float distances) times 4 plus the neighbour's
        // place: the least is the first nearest.
        const int dx = x - gx, dy = y - gy;
        constexpr int NONE = 0x7fffffff;
        const int k0 = ok0 ? (dx * dx + (dy - 1) * (dy - 1)) * 4 : NONE;
        const int k1 = ok1 ? ((dx - 1) * (dx - 1) + dy * dy) * 4 + 1 : NONE;
        const int k2 = ok2 ? ((dx + 1) * (dx + 1) + dy * dy) * 4 + 2 : NONE;
        const int k3 = ok3 ? (dx * dx + (dy + 1) * (dy + 1)) * 4 + 3 : NONE;
        const int least = std::min(std::min(k0, k1), std::min(k2, k3));
        constexpr int OFFSET[4] = {-64, -1, 1, 64};
        const int best = candidates ? current + OFFSET[least & 3] : current;
        if (candidates > 1 && wall_follow) {
            if (top < JUNCTIONS - 1) top++;
            junction[top] = current;
        }
        const bool at_goal = best == goal;
        if (at_goal) {
            Path_Found = true;
            current = goal;
        }
        if (current == best) {
            if (junction[top] != -1 && junction[top] != current) {
                current = junction[top];
                stuck = false;
                if (at_goal && current == start_cell && wall_follow == start_follow && !start_stuck) return count;
            } else {
                top--;
                if (top < 0) return count;
                if (most_promising != -1) current = walked_at[most_promising];
                wall_follow = false;
                stuck = true;
            }
        } else {
            current = best;
            const int bx = current & 63, by = current >> 6;
            wn.cand[by] &= ~(1ull << bx);
            wn.walked[by] |= 1ull << bx;
            // The grid marks serve only the cell-by-cell chain search: the window's walked
            // rows stand in for them when the window held no other mark.
            if (!wn.unmarked) Mark_Visited(grid_of(current));
            const int at = count < RECORDED_SIZE - 1 ? count++ : count - 1;
            walked_at[at] = current;
            walked_score[at] = Cell_Distance(bx - gx, by - gy) + Cell_Distance(bx - sx, by - sy) / 2.0f;
            if (at == most_promising) {
                most_promising = -1;
                for (int i = 0; i < count; ++i)
                    if (walked_score[i] < (most_promising == -1 ? 1.0e9f : walked_score[most_promising])) most_promising = i;
            } else if (walked_score[at] < (most_promising == -1 ? 1.0e9f : walked_score[most_promising])) {
                most_promising = at;
            }
            stuck = false;
        }
    }
    return count;
}

} // namespace

int Record_Pathway(bool, int last_node, int goal_node, bool) {
    marked_count = 0;
    New_Walk();
    const int sc = Cell_Column_Of(last_node), sr = Cell_Row_Of(last_node);
    const int gc = Cell_Column_Of(goal_node), gr = Cell_Row_Of(goal_node);
    const int min_c = sc - limit_value < 0 ? 0 : sc - limit_value;
    const int max_c = sc + limit_value > Grid_Width() - 1 ? Grid_Width() - 1 : sc + limit_value;
    const int min_r = sr - limit_value < 0 ? 0 : sr - limit_value;
    const int max_r = sr + limit_value > Grid_Height() - 1 ? Grid_Height() - 1 : sr + limit_value;
    const int steps = limit_value * limit_value;
    if (!cell_by_cell_search && Fill_Window(min_c, max_c, min_r, max_r, last_node, goal_node))
        return Walk_Window(last_node, goal_node, steps);

    int count = 0;
    int current = last_node;
    float closest = 100000.0f;
    bool wall_follow = false, stuck = false;
    // The first walked cell of the lowest restart score (under 1e9), or -1: where a walk
    // that has run out of junctions starts again.
    int most_promising = -1;
    int junction[JUNCTIONS];
    int top = 0;
    junction[0] = -1;

    for (int step = 0; step < steps; ++step) {
        const int cc = Cell_Column_Of(current), cr = Cell_Row_Of(current);
        int best = current;
        int candidates = 0;
        // (Nothing the test reads changes while the neighbours are looked at, so it is made
        // once for the four of them.)
        if (!stuck && !wall_follow && (Wall_Answers(current) & 2)) {
            wall_follow = true;
            junction[top] = current;
        }
        for (int k = 0; k < 4; ++k) {
            const int nc = cc + SIDE_DC[k], nr = cr + SIDE_DR[k];
            if (nc < min_c || nc > max_c || nr < min_r || nr > max_r) continue;
            const int n = Cell_Index(nc, nr);
            if (n < 0) continue;
            const int code = map_col[n];
            if (code != COL_FREE && code != COL_SEARCH_GOAL && code != col_type) continue;
            if (n != goal_node && (Wall_Answers(n) & 1)) continue;
            if (Diagonal_Check(n, SIDE_DR[k], SIDE_DC[k])) continue;
            if (wall_follow && !(Wall_Answers(n) & 2)) continue;
            candidates++;
            const float d = Node_Distance1((float)nc, (float)nr, (float)gc, (float)gr);
            if (d < closest) {
                closest = d;
                best = n;
            }
        }
        closest = 10000.0f;
        if (candidates > 1 && wall_follow) {
            if (top < JUNCTIONS - 1) top++;
            junction[top] = current;
        }
        if (best == goal_node) {
            Path_Found = true;
            current = goal_node;
        }
        if (current == best) {
            // No move: go back to the last junction, or drop it and restart from the
            // walked cell that looks most promising.
            if (junction[top] != -1 && junction[top] != current) {
                current = junction[top];
                stuck = false;
            } else {
                top--;
                if (top < 0) return count;
                if (most_promising != -1) current = recorded[most_promising];
                wall_follow = false;
                stuck = true;
            }
        } else {
            current = best;
            Mark_Visited(current);
            const int at = count < RECORDED_SIZE - 1 ? count++ : count - 1;
            recorded[at] = current;
            // How promising a restart from this cell looks: near the goal, not far from the start.
            const int rc = Cell_Column_Of(current), rr = Cell_Row_Of(current);
            walked_score[at] = Node_Distance1((float)rc, (float)rr, (float)gc, (float)gr) +
                               Node_Distance1((float)rc, (float)rr, (float)sc, (float)sr) / 2.0f;
            if (at == most_promising) {
                // The list is full and its last cell, the best so far, was replaced.
                most_promising = -1;
                for (int i = 0; i < count; ++i)
                    if (walked_score[i] < (most_promising == -1 ? 1.0e9f : walked_score[most_promising])) most_promising = i;
            } else if (walked_score[at] < (most_promising == -1 ? 1.0e9f : walked_score[most_promising])) {
                most_promising = at;
            }
            stuck = false;
        }
    }
    return count;
}

namespace {

// Scratch of the chain search on the window: parent and queue of window positions.
short window_parent[WINDOW_ROWS * 64];
short window_queue[WINDOW_ROWS * 64];
KEEP_FRESH(window_parent, window_queue);

// The chain search of Calculate_Path on the window's bit rows, for a walk whose marked cells
// are the window's walked cells and whose window held no other search mark: the same
// breadth-first order, so the same chain. False when it cannot be used.
bool Window_Chain(int last_node, int goal_node) {
    const Search_Window& wn = window;
    if (!wn.valid || !wn.unmarked || cell_by_cell_search) return false;
    const int stride = Grid_Stride();
    const int sx = Cell_Column_Of(last_node) - wn.min_c + 1, sy = Cell_Row_Of(last_node) - wn.min_r + 1;
    const int gx = Cell_Column_Of(goal_node) - wn.min_c + 1, gy = Cell_Row_Of(goal_node) - wn.min_r + 1;
    if (sx < 1 || sx > wn.w || sy < 1 || sy > wn.h || gx < 1 || gx > wn.w || gy < 1 || gy > wn.h) return false;
    const int start = sy * 64 + sx, goal = gy * 64 + gx;
    // Cells the search may enter and has not reached yet.
    uint64_t open[WINDOW_ROWS];
    for (int y = 0; y < wn.h + 2; ++y) open[y] = wn.walked[y];
    open[sy] |= 1ull << sx;
    open[gy] &= ~(1ull << gx);
    int head = 0, tail = 0;
    window_queue[tail++] = (short)goal;
    window_parent[goal] = -1;
    bool reached = false;
    constexpr int OFFSET[4] = {-64, -1, 1, 64}; // above, left, right, below
    while (head < tail && !reached) {
        const int cell = window_queue[head++];
        for (int k = 0; k < 4; ++k) {
            const int n = cell + OFFSET[k];
            const int x = n & 63, y = n >> 6;
            if (!((open[y] >> x) & 1)) continue;
            open[y] &= ~(1ull << x);
            window_parent[n] = (short)cell;
            if (n == start) {
                reached = true;
                break;
            }
            window_queue[tail++] = (short)n;
        }
    }
    if (!reached) return true;
    const int base = (wn.min_r - 1) * stride + (wn.min_c - 1);
    for (int cell = window_parent[start]; cell != -1 && chain_count < RECORDED_SIZE - 1; cell = window_parent[cell])
        chain_cells[chain_count++] = base + (cell >> 6) * stride + (cell & 63);
    path[0] = sPath{chain_count, goal_node, -2, 0, false};
    return true;
}

} // namespace

void Calculate_Path(int path_id, int last_node, int goal_node) {
    (void)path_id;
    chain_count = 0;
    for (int i = 0; i < PATH_SEGMENTS; ++i) path[i] = sPath{0, -1, -1, 0, false};
    if (Window_Chain(last_node, goal_node)) return;
    // Breadth first from the goal over the walked cells (and the start): the first chain
    // that reaches the start is the one with the fewest cells; ties keep the first found
    // in the order above, left, right, below.
    if (++bfs_generation == 0) {
        for (int i = 0; i < GRID_CELLS; ++i) bfs_stamp[i] = 0;
        bfs_generation = 1;
    }
    // Where cells and (column, row) pairs are one to one, each queued cell keeps its column
    // and row instead of working them out again.
    const bool one_to_one = Grid_Width() <= Grid_Stride();
    int head = 0, tail = 0;
    bfs_queue[tail] = goal_node;
    bfs_col[tail] = Cell_Column_Of(goal_node);
    bfs_row[tail++] = Cell_Row_Of(goal_node);
    bfs_stamp[goal_node] = bfs_generation;
    bfs_parent[goal_node] = -1;
    bool reached = false;
    while (head < tail && !reached) {
        const int cell = bfs_queue[head], c = bfs_col[head], r = bfs_row[head];
        head++;
        for (int k = 0; k < 4; ++k) {
            const int n = Cell_Index(c + SIDE_DC[k], r + SIDE_DR[k]);
            if (n < 0 || bfs_stamp[n] == bfs_generation) continue;
            const int code = map_col[n];
            if (code != COL_VISITED && code != COL_SEARCH_START) continue;
            bfs_stamp[n] = bfs_generation;
            bfs_parent[n] = cell;
            if (n == last_node) {
                reached = true;
                break;
            }
            bfs_queue[tail] = n;
            bfs_col[tail] = one_to_one ? c + SIDE_DC[k] : Cell_Column_Of(n);
            bfs_row[tail++] = one_to_one ? r + SIDE_DR[k] : Cell_Row_Of(n);
        }
    }
    if (!reached) return;
    // The chain from the goal to the start, both ends excluded from the start's side.
    int len = 0;
    for (int cell = bfs_parent[last_node]; cell != -1; cell = bfs_parent[cell]) len++;
    int cell = bfs_parent[last_node];
    // Cells are listed from the start outward: the cell next to the start comes first.
    for (int i = 0; i < len && chain_count < RECORDED_SIZE - 1; ++i) {
        chain_cells[chain_count++] = cell;
        cell = bfs_parent[cell];
    }
    path[0] = sPath{chain_count, goal_node, -2, 0, false};
}

int Reorder_Pathway(int count, int last_node, int goal_node, bool) {
    (void)count;
    chain_count = 0;
    if (Path_Found) Calculate_Path(PATH_SEGMENTS - 1, last_node, goal_node);
    Clear_Marks();
    for (int i = 0; i < RECORDED_SIZE; ++i) recorded[i] = -1;
    if (!Path_Found) return 0;
    if (chain_count == 0) {
        Path_Found = false; // the walk touched the goal but no chain leads back
        return 0;
    }
    map_col[last_node] = COL_SEARCH_START;
    map_col[goal_node] = COL_SEARCH_GOAL;
    for (int i = 0; i < chain_count; ++i) recorded[i] = chain_cells[i];
    return chain_count;
}

int Clean_Pathway(int count, int start_point, int loop) {
    if (!Path_Found || count <= 0) return count;
    if (count > RECORDED_SIZE - 1) count = RECORDED_SIZE - 1;
    float ax = Cell_Centre_X(Cell_Column_Of(start_point));
    float ay = Cell_Centre_Y(Cell_Row_Of(start_point));
    int kept[RECORDED_SIZE];
    float centre_x[RECORDED_SIZE], centre_y[RECORDED_SIZE];
    for (int i = 0; i < count; ++i) {
        centre_x[i] = Cell_Centre_X(Cell_Column_Of(recorded[i]));
        centre_y[i] = Cell_Centre_Y(Cell_Row_Of(recorded[i]));
    }
    int kept_count = 0;
    int pos = 0;
    rays_in_window = true;
    const long max_passes = (long)count * count + 1;
    for (long pass = 0; pos < count && pass < max_passes; ++pass) {
        int blocked_at = -1;
        for (int i = pos; i < count; ++i) {
            if (Shoot_Ray(loop, ax, ay, centre_x[i], centre_y[i], true, false)) {
                blocked_at = i;
                break;
            }
        }
        if (blocked_at < 0) {
            kept[kept_count++] = recorded[count - 1];
            break;
        }
        // The cell before the blocked one becomes a waypoint (the blocked one itself when
        // nothing lies between, so the scan always moves on).
        int k = blocked_at > pos ? blocked_at - 1 : blocked_at;
        kept[kept_count++] = recorded[k];
        ax = Cell_Centre_X(Cell_Column_Of(recorded[k]));
        ay = Cell_Centre_Y(Cell_Row_Of(recorded[k]));
        pos = k + 1;
        if (pos >= count) break;
    }
    rays_in_window = false;
    for (int i = 0; i < kept_count; ++i) recorded[i] = kept[i];
    for (int i = kept_count; i < RECORDED_SIZE; ++i) recorded[i] = -1;
    return kept_count;
}

void Next_node(int loop, bool increase_counter) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    Set_Col_Type(loop);
    limit_value = 24;
    float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
    if (!Shoot_Ray(loop, cx, cy, o.end_x, o.end_y, true, false)) {
        o.mov_x = o.end_x;
        o.mov_y = o.end_y;
        return;
    }
    if (increase_counter) o.node_counter++;
    int wp = (o.node_counter >= 0 && o.node_counter < PATH_NODES) ? o.node_list[o.node_counter] : -1;
    if (wp != 0 && wp != -1 && Cell_Index_On_Map(wp) && (map_col[wp] == COL_FREE || map_col[wp] == col_type)) {
        Wall_Offset(loop, Cell_Column_Of(wp), Cell_Row_Of(wp), wp, false);
    } else {
        o.moving = false;
        ShotIdle(loop);
    }
}

void Wall_Offset(int loop, int row_x, int row_y, int, bool) {
    if (!Valid_Sprite(loop)) return;
    sprite[loop].mov_x = Cell_Centre_X(row_x);
    sprite[loop].mov_y = Cell_Centre_Y(row_y);
    wall_offset_X = 0.0f;
    wall_offset_Y = 0.0f;
}
