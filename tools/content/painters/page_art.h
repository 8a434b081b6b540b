// Pictures of the story, death and intro pages painted at the size the pages show them:
// people in the poses the pages tell of, and the things they stand among.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// A figure seen from the side, standing on the foot of its cell, one animation per pose:
// `side=` friend, mate, enemy, officer, sarge, nun, sailor or scarecrow; `poses=` a comma list
// of stand, attention, walk, march, run, salute, cheer, wave, point, watch, whistle, crouch,
// scavenge, kneel, aim, fire (standing, the muzzle flashing), pushup, hurt, hands_up, sit,
// sleep, back, carry, topple (played once: the figure
// falls and lies still), lie (fallen) or rise (lifted, glowing), a pose written "walk:back"
// facing the other way from the rest; `facing=left` turns it round;
// `size=` the cell's height in pixels (the cell is square, room for one lying down);
// `count=` 2 to 5 draws a file of that many side by side in one wider cell.
bool Page_Figure(const std::string& root, const std::string& image, const Arg_Reader& r);

// A thing on a page, `look=`: cloud (a still, keyed), troopship (a grey transport crowded
// with soldiers, smoke drifting from its funnel; animation 1 the same rolling), supplies (a
// crate stencilled SUPPLIES), helmet, clock (a wall clock, its pendulum swinging), fan (a
// desk fan turning), beam (a shaft of light from above), grave (a rifle in the ground with a
// helmet on it), masts (a wrecked radio ship's masts going down), waves (a strip of breaking
// crests along the foot), crates (smashed crates), radar (a toppled radar dish on its broken
// tower, smoking), gate (a fortress gate burst open under its towers), bunker (a concrete
// bunker in the dunes), crosses (rows of wooden crosses going back to the horizon), post (a
// wooden post with an arm and a hook, for a lamp to hang from).
bool Page_Prop(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
