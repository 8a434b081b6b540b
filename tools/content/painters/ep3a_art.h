// The coast's own pictures (bunkers, trenches, cellars, the beach): sheets of four looks of
// one thing that the coast's scripts switch between.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// Paints the sheet of `look` (antenna, door, gun, rubble, boat, tree, chest, stores, lantern)
// as <image>.tga and .dat: animation 0 as it stands, 1 changed (open, lit, swung), 2 wrecked,
// 3 a second changed look. False with a reason in error for an unknown look.
bool Paint_Ep3a_Kit(const std::string& root, const std::string& image, const std::string& look, std::string& error);
// The same as a painter of the PAINTERS table: `look=` names the look.
bool Ep3a_Kit(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
