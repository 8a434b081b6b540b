// The world layer: world sprites and effects drawn in draw order, one textured quad each.
#pragma once

#include "common/records.h"

// Scratch copy of the record being drawn; the record itself is never written while drawing.
inline object display;

// Frame rectangle written by Get_Texture_Coord: left u, frame width in u, top v, bottom v.
inline float global_u = 0.0f;
inline float global_u1 = 0.0f;
inline float global_v = 0.0f;
inline float global_v1 = 0.0f;

// Vertex scratch written by Set_Values.
inline float Gvector[2];
inline float Gcolor[4];
inline float Gtex[2];

// Blend factors of the multiplying layer (drawing kind 5): GL_ONE_MINUS_DST_ALPHA, GL_SRC_COLOR.
inline int src_one = 0x0305;
inline int src_two = 0x0300;

// Draws every entry of the world draw order var3.
void Draw_Sprite();
// Where frame `frame` of sheet fx_id lies for texture slot id: writes global_u, global_u1,
// global_v and global_v1 (all 0 for a slot that is no animation sheet).
bool Get_Texture_Coord(int id, int fx_id, int frame, bool is_a_sprite);
// Sets the vertex scratch; a colour component of exactly -1 keeps its previous value.
void Set_Values(float x, float y, float R, float G, float B, float A, float u, float v);

// Helpers shared by the drawing code.
// Frames per row of a sheet; fixes a `column` of 0 to 1 in the sheet; never below 1.
int Sheet_Frames_Per_Row(int fx_id);
// Whether texture slot id is an animation sheet (drawing kinds 2, 3 and 4).
bool Is_Sheet_Kind(int id);
// The drawing kind of slot id, 0 for a slot outside the table.
int Slot_Kind(int id);
// Binds the GL texture of slot id (texture 0 for a slot the scene does not have).
void Bind_Slot(int id);
// The light-grid value (0..100) of the cell under a world point; points off the grid read
// the nearest edge cell.
int Light_Cell_Value(float px, float py);
// Draws the unit quad (-0.5..0.5 on both axes) with the frame rectangle u..u+uw, vb..vt,
// mirrored left to right when asked; colour (r, g, b, a) set once for the quad.
void Sheet_Quad(float u, float uw, float vb, float vt, bool mirrored, float r, float g, float b,
                float a);
// Draws the unit quad with the record's own corner coordinates u[k], v[k].
void Stored_Quad(const object& o, float r, float g, float b, float a);
// Turns the current matrix by glRotatef(angle, 0, 0, angle) (nothing for angle 0).
void Rotate_By(float angle);
