// Painters of the northern roads of the second episode: the convoy's lorry, the radio masts
// of the farms, the farm's cows and crows, and the fortress gate.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// The escorted lorry seen from above, driving up the screen: animation 0 standing, 1 driving
// (wheels and exhaust), 2 burnt out.
bool Ep2b_Truck(const std::string& root, const std::string& image, const Arg_Reader& r);
// A radio mast on a concrete pad: animation 0 standing, 1 hit (bent and smoking), 2 wrecked.
bool Ep2b_Radar(const std::string& root, const std::string& image, const Arg_Reader& r);
// A cow: animation 0 grazing, 1 hit (startled), 2 down.
bool Ep2b_Cow(const std::string& root, const std::string& image, const Arg_Reader& r);
// A crow on the ground: animation 0 pecking, 1 shot (a puff of feathers).
bool Ep2b_Crow(const std::string& root, const std::string& image, const Arg_Reader& r);
// A powder keg: animation 0 standing, 1 rocked by a hit, 2 burst.
bool Ep2b_Powder(const std::string& root, const std::string& image, const Arg_Reader& r);
// A windmill from above, its sails turning (one animation of four frames).
bool Ep2b_Windmill(const std::string& root, const std::string& image, const Arg_Reader& r);
// The fortress gate seen from above: iron bars between two stone posts, lit by a lamp.
bool Ep2b_Gate(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
