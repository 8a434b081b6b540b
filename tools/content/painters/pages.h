// Painters of the front end and the pages: backdrops that fill the widest view, buttons with
// their lit looks, save-slot looks, the options box, perk icons, portraits, captions, the
// main menu's figures and the effects sheet. Every picture is drawn with Cairo from a fixed
// seed, so the content is the same on every run.
#pragma once

#include <cstdlib>
#include <map>
#include <string>

#include "content/numbers.h"

namespace painters {

using Art_Args = std::map<std::string, std::string>;

// Reads a painter's arguments; a number that is not a whole number of its range sets `error`
// and gives the default.
struct Arg_Reader {
    const Art_Args& a;
    std::string& error;
    std::string Str(const std::string& k, const std::string& def) const {
        auto it = a.find(k);
        return it == a.end() ? def : it->second;
    }
    int Int(const std::string& k, int def, int lo, int hi) const {
        auto it = a.find(k);
        if (it == a.end()) return def;
        int v = def;
        if (std::string why = numbers::Int(it->second, lo, hi, v); !why.empty()) {
            error = k + "=" + it->second + ": " + why;
            return def;
        }
        return v;
    }
};

// The page painters; the registry (registry.h) names them and says what each paints.
bool Backdrop(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Button(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Plate(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Figure(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Vehicle(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Lamp(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Switch(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Digits(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Icon(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Logo(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Hole(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Branch(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Leaf(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Portrait(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Room_Art(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Banner(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Seal(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Star(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Bar(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Camp_Piece(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Tent_Room(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Medals(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Tunnel_Map(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Album(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Card(const std::string& root, const std::string& image, const Arg_Reader& r);

// The pictures the slot plans name (effects sheet, save-slot looks, options box, perk looks,
// night backdrop).
bool Paint_Plan_Art(const std::string& root);

// The pictures the game's code names by path that are not walk-scene art: the texture
// list's night, act, card and character variants, the gallery and camp-screen backgrounds,
// the collectible cards and the looks of the card table and gallery plans. False with the
// image and the reason in error.
bool Paint_Fixed_Art(const std::string& root, std::string& error);

// Frees the font and pattern caches Cairo keeps for the painters; call once at the end.
void Release_Painters();

} // namespace painters
