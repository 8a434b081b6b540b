// The shooting gallery's pictures and those of its finale: the ranges behind the targets
// (the battleship's decks, the trenches, the airship, the woods), the cover strips the
// targets pop up behind, the pop-up target sheets, props (crates, bottles, a lamp), the
// cannons and their balls, the airship's engine gondola, clay pigeons, explosions, and the
// finale's sky, airship, falling man, debris, aeroplane and fortress.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

bool Gal_Deck(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Trench(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Airship_View(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Woods(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Sky(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Cover(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Target(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Prop(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Cannon(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Ball(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Gondola(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Pigeon(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Blast(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Airship(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Faller(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Debris(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Plane(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Fortress(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Effects(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Gal_Place(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
