// Small world services: camera shake, the end of the HUD text line, the mouse cell.
#pragma once

// Shake types of Camera_Shake.
enum : int { SHAKE_SHORT = 1, SHAKE_SHORT2 = 2, SHAKE_LONG = 6 };

inline int shaking_counter = 0; // due time at which a short shake ends
// The grid cell under the pointer (Get_Mouse_Row): column, row and cell index.
inline int mouse_row_x = 0;
inline int mouse_row_y = 0;
inline int mouse_row = 0;

// Starts a camera shake: shake = type; types 1 and 2 end 200 ms from now, type 6 lasts 10 s.
void Camera_Shake(int type);
// Ends the running HUD text line.
void Text_end();
// Sets mouse_row_x, mouse_row_y and mouse_row from the mouse position, clamped to the grid.
void Get_Mouse_Row();
