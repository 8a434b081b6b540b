// The font image: a 16 by 16 grid of glyph cells, rendered from DejaVu Sans, in the cells
// the text drawing looks bytes up in (letters, three digit rows, punctuation and the icon
// glyphs of the game's high bytes). Cell (column c, row r) covers u c/16..(c+1)/16 and
// v r/16..(r+1)/16.
#pragma once

#include <string>

namespace writers {

// The cell of a byte, as the text drawing maps it; false for bytes drawn as the blank cell.
// digit_row picks the row of '0' to '9' (3 normal, 2 alternative, 9 large).
bool Font_Cell(unsigned char byte, int& col, int& row, int digit_row = 3);

// Writes <root>/<name>.tga: a plain 32-bit image of 16 x cell pixels square.
bool Write_Font_Sheet(const std::string& root, const std::string& name, int cell = 32);

} // namespace writers
