// The HUD layer: the items of `hud` drawn in view coordinates over the world.
#pragma once

// Draws the HUD draw order var4, with text slots 4, 9 and 10 after their items.
void Draw_Hud_Sprites();
// Draws one HUD item by itself at full fade, for items that lie over everything.
void Draw_Hud(int index);
