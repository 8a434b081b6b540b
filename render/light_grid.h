// The light grid of night and dungeon scenes.
#pragma once

// Fills map_light over the window around the view (walk scenes only).
void Draw_Light();
// The light (0..1) at a world point: the base light, raised by the nearest sources, floored.
float Calculate_Lighting(float x2, float y2);
// The light (at most 1) that one source at (x1, y1) throws on (x2, y2); type: a map point.
float Get_Light(int index, float x1, float y1, float x2, float y2, bool type);
