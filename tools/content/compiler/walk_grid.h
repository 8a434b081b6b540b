// The collision grid of a walk scene as the game's scene loader builds it from the scene's
// files (tile codes, then the objects' footprints in index order), and what a player can
// reach on it: the open ground joined to a place (a flood over side-by-side free cells, as
// the player walks: his box centre may not enter a blocked cell) and the things he can get
// close enough to touch.
#pragma once

#include <vector>

#include "content/writers/scene_kit.h"

namespace compiler {

// The story state the loader reads while it stamps (which props are hidden at load). With
// `all_shown` every prop stands as its file places it, as when its mission is on.
struct Load_State {
    bool all_shown = true;
    int mission = 0;
    int current_act = 1;
    bool first_time_playing = false;
    bool ply_dead = false;
    int main_mission_1 = 0, main_mission_3 = 0;
};

struct Walk_Grid {
    int width = 0, height = 0;       // cells
    float start_x = 0, start_y = 0;  // half the map in world units (map_startX, map_startY)
    std::vector<char> col;           // the collision code of each cell: index row * height + column
    // Cells the loader blocks with something a player can clear or that walks away: the
    // centre cells of units that are no standing figures, doors and containers that break,
    // unit-like objects that a shot destroys.
    std::vector<char> clearable;

    int Column(float x) const;
    int Row(float y) const;
    // The cell of a world point, -1 off the map.
    int Cell(float x, float y) const;
    int Index(int column, int row) const;
    float Centre_X(int cell) const;
    float Centre_Y(int cell) const;
    bool Free(int cell) const { return cell >= 0 && col[cell] == 0; }
};

// The number of cells object o's collision box covers (what its footprint stamps).
int Footprint_Cells(const Walk_Grid& g, const writers::ObjectRec& o);

// Marks the cells under object o's collision box as clearable (a barrier taken away later).
void Clear_Under(Walk_Grid& g, const writers::ObjectRec& o);

// Builds the grid of a compiled walk scene. `dungeon`: the scene is underground (an empty
// tile is a wall there).
Walk_Grid Build_Walk_Grid(const writers::SceneFiles& s, bool dungeon, const Load_State& state = {});

// The cells a player can walk to from the world point (x, y): 1 for each cell of the open
// ground joined to the cell of (x, y) by side-by-side steps over free cells (and over the
// clearable ones when `clear` is set). Empty when that cell itself is blocked or off the map.
std::vector<char> Open_Ground_From(const Walk_Grid& g, float x, float y, bool clear);

// The centre of an object's collision box.
inline float Box_Centre_X(const writers::ObjectRec& o) { return o.w + o.box_width / 2; }
inline float Box_Centre_Y(const writers::ObjectRec& o) { return o.z + o.box_height / 2; }

// The game's distance between two box centres: half the sum of the differences.
float Node_Distance(float x1, float y1, float x2, float y2);

// Whether a walker on `open` ground can bring his box centre within contact distance (below
// 0.1) of object o's centre as a walk to it ends: the object's centre cell is open and that
// close, or a side neighbour of it is, open and not hemmed in (the path finder's rule), on
// whose centre the walk to the object stops.
bool Within_Contact(const Walk_Grid& g, const std::vector<char>& open, const writers::ObjectRec& o);
// Whether a walker on `open` ground can put his box centre strictly inside o's box (a
// trigger's test): some open cell's centre lies inside it.
bool Inside_Box(const Walk_Grid& g, const std::vector<char>& open, const writers::ObjectRec& o);

} // namespace compiler
