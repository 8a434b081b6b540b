// The collision grid: movement tests, footprints of objects, sizing of units, free cells
// along a line, the cell of a point, and scripted vehicles. Codes and the cell helper are
// in common/world_state.h.
#pragma once

#include "common/records.h"

// Results of Test_Collision.
enum : int { MOVE_FREE = 0, MOVE_BLOCKED = 1, MOVE_OFF_MAP = 3 };

// Tests the record collision moved by (x, y) in walk and world modes (0 elsewhere):
// 0 free, 1 blocked, 3 off the map. no_test is the moving sprite. A glass tile under the
// moved centre breaks. bullet and quick_test are not read.
int Test_Collision(object collision, float x, float y, bool bullet, int no_test, bool quick_test);
// Stamps (col_test false) or clears (col_test true) the footprint of sprite loop.
void Generate_Object_Collision(int loop, bool col_test);
// Sizes and centres unit loop by its class and marks its centre cell.
void Reposition_Unit(int loop);
// The first free cell met on the way from (x1, y1) toward (x2, y2), or -1.
int Get_Space(float x1, float y1, float x2, float y2);
// The cell index of a world point, or -1 when the point lies off the map.
int Get_Tile_Index(float x, float y);
// Moves vehicle sprite loop one step toward (x_pos, y_pos).
void Move_Vehicle(int loop, float x_pos, float y_pos, int f_rate);
