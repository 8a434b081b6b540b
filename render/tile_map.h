// The tile-map background of walk scenes, compiled into one display list.
#pragma once

inline int mud_index = 0;  // frame of the animated water and mud tiles: 0 or 1

// Compiles the tiles around centre column temp1 and row temp2 into BGList, shaded from the
// light grid. The game passes false, false.
void Draw_BG(int temp1, int temp2, bool alpha_pass, bool is_debug);
// The shade (0..1) of one corner of cell (y, x): corner 8 lower left, 7 lower right,
// 5 upper right, 6 upper left.
float Get_Vert_Fade(int y, int x, int direction);
