// The furniture of cellars, bunkers, ships and the fortress, seen from above: one still
// picture a look (sacks, a millstone, bunks, tables, desks, casks, explosives, a library's
// reading tables, stairs...), lit from the upper left like the other walk props.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// `furniture` look=<name>: one piece; the picture's size fits the piece.
bool Furniture(const std::string& root, const std::string& image, const Arg_Reader& r);

// The looks it knows, for messages and the painters' list.
std::string Furniture_Looks();

} // namespace painters
