// Painters of the late coast, the fortress and the missile complex: the armoured boss of the
// submarine pen part by part, the complex's machinery (levers, consoles, missiles, blast
// doors), the airfield's aircraft and vehicles, and the crates, barrels and boats the boss's
// shots wreck. Every sheet is seen from above and carries real alpha.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// `look=` silo, silo_wreck, gun, front_gun, cover, cover_wreck, launcher, core, flash;
// `anims=` how many animations the sheet holds (each one cell, or two for firing looks).
bool Ep3b_Machine(const std::string& root, const std::string& image, const Arg_Reader& r);
// `look=` lever, console, missile, plane, fighter, truck, crate, barrel, boat, emplacement,
// blast_door, cell_door, hatch, radar, table, prisoner, gangway, pump, tank; `anims=`.
bool Ep3b_Prop(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
