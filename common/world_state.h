// World state shared by every subsystem: the three record arrays, the scene grids,
// scene points, texture slots and the camera.
#pragma once

#include "common/records.h"

// The record arrays, allocated once at start-up (Allocate_Records) and freed at shutdown.
inline object* sprite = nullptr; // 750 world and front-end objects of the scene
inline object* hud = nullptr;    // 75 HUD items of the HUD layout
inline object* Fx = nullptr;     // 250 effects and dropped items
inline int no_sprites = 0;
inline int hud_no_sprites = 0;
inline int no_fx = 0;

// Whether i names a record of the sprite array (the array allocated).
inline bool Valid_Sprite(int i) { return sprite && i >= 0 && i < MAX_SPRITES; }

// Animation sheets.
inline animation_texture a_texture[MAX_ANIM_SHEETS];
inline int g_fx_id = 0;

// Texture slots of the scene's texture list.
inline unsigned int* texID = nullptr;   // OpenGL texture names by slot
inline int numsubmtls = 0;              // slot count
inline int texture_fx[MAX_TEXTURE_SLOTS];   // drawing kind by slot
inline int animation_fx[MAX_TEXTURE_SLOTS]; // animation sheet by slot

// The scene grids: at most 150 by 150 cells, 10 cells per world unit.
inline int MAP_WIDTH = 150;
inline int MAP_HEIGHT = 150;
inline int MAP_TILES = 22500;
inline float map_startX = 0.0f;
inline float map_startY = 0.0f;
inline int tiles[MAX_MAP * MAX_MAP];
inline char map_col[MAX_MAP * MAX_MAP];
inline unsigned char map_set[MAX_MAP * MAX_MAP]; // per-cell set byte from the tile map file
inline int map_light[MAX_MAP * MAX_MAP];
inline int blackness[MAX_MAP * MAX_MAP];

// Scene points and path nodes.
inline a_point points[MAX_POINTS];
inline int no_points = 0;
inline a_point nodes[MAX_NODES];
inline int no_nodes = 0;

// Camera: minus the world point at the centre of the view.
inline float camX = 0.0f;
inline float camY = 0.0f;

// The player's sprite index, -1 for none.
inline int p1_id = -1;

// Text slots.
inline font counter[TEXT_SLOTS];

// ---- The collision grid: codes of map_col and the one cell helper ----------------------
// Every part of the game turns world points into cells and cells back into columns and
// rows through these helpers, so the cell formula and its inverse always agree and a cell
// off the map is never read or written.

// Collision codes of map_col.
enum : int {
    COL_FREE = 0,            // free
    COL_SOLID = 1,           // solid footprint: blocks movement, every ray and every search
    COL_SEARCH_START = 2,    // start cell while a path search runs
    COL_SEARCH_GOAL = 3,     // goal cell while a path search runs
    COL_VISITED = 4,         // cell walked by the search
    COL_SEGMENT_START = 5,   // segment start mark of the search
    COL_FOOTPRINT = 6,       // a unit's centre cell or a stamped non-solid object
    COL_SOLID_SHOOTTHRU = 7, // footprint of a shoot-through object
    COL_SEGMENT = 8,         // segment mark of the search
    COL_WATER = 9            // water: blocks movement except for the wading player
};

constexpr int GRID_CELLS = MAX_MAP * MAX_MAP; // 22500

// The scene's map size, limited to what the grids hold.
inline int Grid_Width() { return MAP_WIDTH < 0 ? 0 : (MAP_WIDTH > MAX_MAP ? MAX_MAP : MAP_WIDTH); }
inline int Grid_Height() { return MAP_HEIGHT < 0 ? 0 : (MAP_HEIGHT > MAX_MAP ? MAX_MAP : MAP_HEIGHT); }
// Cells per stored row: index = row * MAP_HEIGHT + column, as the tile-map file is laid out.
inline int Grid_Stride() { int h = Grid_Height(); return h > 0 ? h : 1; }

// Grid coordinate of a world coordinate: (v + start) * 10 truncated toward zero. Values far
// outside any map (or not a number) come back as a large negative number.
inline int Grid_Coord(float v, float start) {
    float g = (v + start) * 10.0f;
    if (!(g > -1.0e6f && g < 1.0e6f)) return -1000000;
    return (int)g;
}
inline int Cell_Column(float x) { return Grid_Coord(x, map_startX); }
inline int Cell_Row(float y) { return Grid_Coord(y, map_startY); }

inline bool Cell_On_Map(int col, int row) {
    if (col < 0 || row < 0 || col >= Grid_Width() || row >= Grid_Height()) return false;
    long idx = (long)row * Grid_Stride() + col;
    return idx >= 0 && idx < GRID_CELLS;
}
// Index of cell (col, row), or -1 when it lies off the map.
inline int Cell_Index(int col, int row) { return Cell_On_Map(col, row) ? row * Grid_Stride() + col : -1; }
// Index of the cell of a world point, or -1 when it lies off the map.
inline int Cell_Of(float x, float y) { return Cell_Index(Cell_Column(x), Cell_Row(y)); }
// Column and row of a cell index (the inverse of Cell_Index).
inline int Cell_Column_Of(int index) { return index % Grid_Stride(); }
inline int Cell_Row_Of(int index) { return index / Grid_Stride(); }
inline bool Cell_Index_On_Map(int index) {
    return index >= 0 && index < GRID_CELLS && Cell_On_Map(Cell_Column_Of(index), Cell_Row_Of(index));
}
// Centre of a cell in world units.
inline float Cell_Centre_X(int col) { return col * 0.1f + 0.05f - map_startX; }
inline float Cell_Centre_Y(int row) { return row * 0.1f + 0.05f - map_startY; }
