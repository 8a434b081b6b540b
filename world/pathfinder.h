// The path finder on the collision grid, and the line test of the whole game.
// A unit walks straight to its goal (end_x, end_y) when the line is clear; otherwise a
// bounded greedy walk with wall following and a stack of junctions explores the grid, the
// cheapest chain of walked cells from the goal back to the start is kept, and a line-of-
// sight pass shortens it to waypoints in node_list. Every cell the search marks is put
// back before Find_Path returns. Cells are indices of the cell helper (common/world_state.h).
#pragma once

// One segment of the walk.
struct sPath {
    int cost;       // number of cells
    int start;      // first junction cell
    int end;        // last junction cell; -1 none, -2 the segment reaches the start cell
    int index;      // position of the segment's first cell in the segment cell list
    bool backwards; // not used by the planner
};

constexpr int RECORDED_SIZE = 500;
constexpr int PATH_SEGMENTS = 120;
constexpr int JUNCTIONS = 120;
constexpr int PATH_NODES = 100;
constexpr int REPLAN_DELAY = 750; // ms between two plans of a unit other than the player

inline int recorded[RECORDED_SIZE];  // cells of the current plan, in walking order
inline sPath path[PATH_SEGMENTS];    // segments of the walk
inline int limit_value = 24;         // half-width of the search window: 24, 14 for the player
inline int col_type = 0;             // code that counts as free besides 0: 9 for the wading player
inline bool Path_Found = false;      // the walk reached the goal cell
inline float debug_pathX[PATH_NODES];
inline float debug_pathY[PATH_NODES];
inline int debug_path_count = 0;
inline float wall_offset_X = 0.0f;
inline float wall_offset_Y = 0.0f;
// Plans with the plain cell-by-cell walk and line tests only, never their faster row-wise
// forms; both give the same answers, and checks compare the two.
inline bool cell_by_cell_search = false;

// Plans the route of unit loop to its end_x, end_y. A unit other than the player plans at
// most once every 750 ms. A goal off the map is moved to the nearest cell on the map.
bool Find_Path(int loop);
// The planner proper, from cell last_node to cell goal_node.
int Path_finder(int loop, int last_node, int goal_node);
// The walk: the number of cells in recorded. direction and is_player are not read.
int Record_Pathway(bool direction, int last_node, int goal_node, bool is_player);
// Keeps the cheapest chain of walked cells from the goal to the start and orders it from
// the start; the new count. testing is not read.
int Reorder_Pathway(int count, int last_node, int goal_node, bool testing);
// The cheapest chain of walked cells from goal_node back to last_node (path[0]); its cells
// go to the segment cell list. path_id is the last segment that may be used.
void Calculate_Path(int path_id, int last_node, int goal_node);
// Line-of-sight shortening; the new count.
int Clean_Pathway(int count, int start_point, int loop);
// Sets the unit's next move target: the goal in sight, else the next waypoint, else stop.
void Next_node(int loop, bool increase_counter);
// True when the line from (x1, y1) to (x2, y2) is blocked for unit loop.
bool Shoot_Ray(int loop, float x1, float y1, float x2, float y2, bool grey_test, bool shooting);
// More than 2 of the cell's 4 side neighbours block (cells off the map block).
bool Stuck_Check(int on_node, int y, int x);
// At least one of the cell's 8 neighbours blocks (cells off the map block).
bool Stuck_To_Wall(int on_node, int y, int x);
// A diagonal step by (y rows, x columns) onto on_node that cuts a blocked corner.
bool Diagonal_Check(int on_node, int y, int x);
// Aims unit loop at the centre of cell (row_x, row_y).
void Wall_Offset(int loop, int row_x, int row_y, int index, bool is_tank);
