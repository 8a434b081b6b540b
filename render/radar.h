// The radar: unit dots and map markers over HUD item 3.
#pragma once

void Draw_Radar();
