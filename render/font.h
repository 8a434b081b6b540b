// The text slots and the font's glyph map.
#pragma once

#include "common/records.h"

// Scratch copy of the slot being drawn.
inline font display_font;

// Draws text slot i of counter glyph by glyph.
void Draw_Font(int i);
// The cell (x column, y row of the 16 by 16 font image) and the advance (in units of the
// slot's width) of byte `letter` in slot `set`; modeset asks for the alternative digit row.
void GetFont(float& x, float& y, unsigned char letter, float& s_width, int set, bool modeset,
             int game_mode);
// Fills the text of slot i with formatted printing, cut to the slot's 1024 bytes.
// Returns the number of characters the full text would have had.
int Text_Printf(int i, const char* format, ...) __attribute__((format(printf, 2, 3)));
// One glyph of a slot as Draw_Font places it: the quad centre (view units), the font cell.
struct glyph_place {
    float x, y;
    float column, row;
    unsigned char letter;
};
// Lays out slot i as Draw_Font would draw it (whatever its alpha), writing at most max
// glyphs to out; returns the number of glyphs of the text.
int Font_Layout(int i, glyph_place* out, int max);
// Whether byte `letter` is set tight: no extra 0.005 after its advance.
bool Glyph_Is_Tight(unsigned char letter);
// The step between lines after '^' in slot i (the slot's height plus the gap).
float Line_Gap(int i);
