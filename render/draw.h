// Frame drawing: the two passes of a frame, the visible list and the draw orders.
#pragma once

#include "common/records.h"

// Draws into the back buffer. With all false, successive calls draw the two passes of a frame
// (render_sequence 0: clear and background; 1: sprites, effects, text, HUD, radar); the call
// that finishes the second pass sets double_main_code to 1. With all true, one whole frame.
bool DrawGLScene(bool all);
// Fills the light grid over the visible window in walk scenes.
void Draw_Light();
// Appends the visible sprites (true) or effects (false, as 750 + index) to var5.
void View_Cone(bool is_a_sprite);
// Builds the world draw order var3 from var5 (true) or the HUD draw order var4 (false).
void Z_Buffer(bool is_a_sprite);
// The level editor's marks; nothing is drawn outside the editor.
void Debug_Display();

// Room for every record that can be visible: all sprites and all effects.
constexpr int VISIBLE_MAX = MAX_SPRITES + MAX_FX;

// The visible list: sprite ids and 750 + effect index, sprites first, rebuilt every 50 ms.
inline int var5[VISIBLE_MAX];
inline int new_no_sprites = 0;
// World draw order (ids as in var5, first drawn first) and the number of entries placed.
inline int var3[VISIBLE_MAX];
inline int z_buffer_count = 0;
inline int sprite_list[VISIBLE_MAX]; // scratch: priority per visible entry, -1 once placed
// HUD draw order (indices into hud) and the number of entries placed.
inline int var4[MAX_HUD];
inline int hud_z_count = 0;
inline int hud_list[MAX_HUD];        // scratch: priority per HUD item, -1 once placed

inline int view_cone_timer = 0;      // due time of the next refresh of the lists, ms
inline float render_bg = 0.0f;       // due time of the next light-grid and tile-map rebuild, ms
inline unsigned int BGList = 0;      // display list of the compiled tile map

