// The HUD layer: the items of `hud` drawn in view coordinates over the world.
#pragma once

// Draws the HUD draw order var4, with text slots 4, 9 and 10 after their items.
void Draw_Hud_Sprites();
// Draws one HUD item by itself at full fade, for items that lie over everything.
void Draw_Hud(int index);
// Where frame `frame` of sheet fx_id lies for an item drawn by Draw_Hud: whole cells (no
// narrowing) and exact row bands for sheets of 1, 2 and 4 rows; 8 rows as Get_Texture_Coord.
// Fixes a sheet `column` of 0 to 1. All four are 0 for a sheet outside the table; vt and vb are
// 0 for a row count without a band layout or a row beyond the sheet.
void Hud_Frame_Coord(int fx_id, int frame, float& u, float& uw, float& vt, float& vb);
