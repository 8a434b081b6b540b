// The travel and story cut-scenes' pictures, painted in layers: the sky, the land with its
// places (keyed over the sky), the vehicles and the figures (keyed sheets), the foreground.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// The whole-view sky, 1024 x 640, plain: `time=` day, dusk, dawn, night or storm.
bool Cut_Sky(const std::string& root, const std::string& image, const Arg_Reader& r);
// The whole-view land below the horizon, keyed (the sky shows above it): `land=` sea,
// beach, road, woods, village, farms, front, hills, camp, trench, orchard, depot, harbour or
// range; `night=1` darkens it as by moonlight.
bool Cut_Land(const std::string& root, const std::string& image, const Arg_Reader& r);
// A vehicle from the side, two cells (wheels, tracks, propeller or wake moving): `kind=`
// lorry, jeep, tank, plane, boat, sub, tractor or bike; `colour=` olive, grey, sand, red
// or blue; `flip=1` faces it left; `night=1` darkens it; `anims=` animations, each the two
// cells (default 2).
// The sub's animation 0 is its cells 0 to 3, the spray from its vents.
bool Cut_Vehicle(const std::string& root, const std::string& image, const Arg_Reader& r);
// A figure sheet, `kind=`:
//   pigeon, gull: animation 0 flying to the right, 1 to the left (and copies up to `anims=`);
//   squad: three soldiers marching to the right, every animation the march (`night=1`
//   darkens them);
//   sailor: a man coming up out of a hatch: animation 0 the climb, 1 waving, 2 a copy of 1;
//   bubble: a speech bubble: animations 0 and 1 still, 2 the bubble popping up;
//   crate: a tumbling crate, every animation the tumble;
//   target: a duck target on its stick, every animation its swing;
//   smoke: a rising column of smoke, every animation its drift.
bool Cut_Figure(const std::string& root, const std::string& image, const Arg_Reader& r);
// A whole-view foreground strip along the bottom, keyed: `kind=` grass, reeds, hedge,
// sandbags, rocks or wire; `night=1` darkens it.
bool Cut_Fore(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
