// The farmland and village pictures of the act-2 country (the highway, the village, the
// act-2 camp, the roadway and the coastal town): cottages and barns seen from above,
// haystacks, a church steeple, a well, a rowing boat, the field guns the village mission
// blows up and the crows of the fields.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// A cottage roof from above (`colour=` red, brown, grey or blue tiles), ridge across, with
// a chimney.
bool Ep2a_House(const std::string& root, const std::string& image, const Arg_Reader& r);
// A barn roof from above: boards, a ridge along, a loft hatch.
bool Ep2a_Barn(const std::string& root, const std::string& image, const Arg_Reader& r);
// A round haystack.
bool Ep2a_Haystack(const std::string& root, const std::string& image, const Arg_Reader& r);
// A field gun in its pit, as a still picture (the roadway's friendly gun).
bool Ep2a_Field_Gun(const std::string& root, const std::string& image, const Arg_Reader& r);
// The enemy's field gun in a sandbag ring: animation 0 standing, 1 and 2 wrecked and
// smouldering (the sheet the village's gun objects use).
bool Ep2a_Gun_Pit(const std::string& root, const std::string& image, const Arg_Reader& r);
// A crow: animation 0 sitting and pecking, 1 shot down, 2 flapping off.
bool Ep2a_Crow(const std::string& root, const std::string& image, const Arg_Reader& r);
// A church tower from above: a slate spire with a cross.
bool Ep2a_Steeple(const std::string& root, const std::string& image, const Arg_Reader& r);
// A stone well with its winch.
bool Ep2a_Well(const std::string& root, const std::string& image, const Arg_Reader& r);
// A rowing boat moored along the quay.
bool Ep2a_Boat(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
