// Hand-drawn pieces of walk maps, placed on generated terrain by a recipe's `stamp` line.
// Each row is one row of cells, the first row at the top of the screen. Symbols:
//   ' ' leave the terrain as it is     ',' open ground        '=' road    ':' sand
//   '#' wooden wall   'B' stone wall   's' sandbags   'h' hedge   't' trench wall   'r' rock
//   '_' floor         'D' doorway (floor; names the anchor <name>.door)
//   '~' water         'w' deep water   'f' fence      'm' mud     'o' farmland
//   'b' bottle        'x' mine
//   '0'-'9' the terrain of the symbol before it in the row, naming the anchor <name>.<digit>
//   (stand anchors on open cells: a unit pinned to one must be free to walk)
#pragma once

#include <algorithm>
#include <string>

#include "content/maps/terrain.h"

namespace maps {

struct Stamp_Def {
    const char* name;
    const char* rows[16]; // null after the last row
};

// clang-format off
constexpr Stamp_Def kStamps[] = {
    // A pitched tent's yard: the tent itself is a prop standing at anchor 1, its flap at 2.
    {"tent", {
        ",,,,,,,",
        ",=====,",
        ",==1==,",
        ",=====,",
        ",,=2=,,",
        ",,,=,,,",
    }},
    // A wooden hut with one room and a door to the south.
    {"hut", {
        "#######",
        "#__1__#",
        "#_____#",
        "#_____#",
        "###D###",
        ",,,2,,,",
    }},
    // A stone bunker behind sandbags, its door to the south and a firing slit to the north.
    {"bunker", {
        ",sssssssss,",
        "sBBBBBBBBBs",
        "sB___1___Bs",
        "sB_______Bs",
        "sB_______Bs",
        "sBBBBDBBBBs",
        "s,,,,2,,,,s",
        "ss,,,,,,,ss",
    }},
    // The camp's parade ground: beaten earth ringed by a fence, a flag at 1, before the south
// gate at 2.
    {"parade", {
        "fffffff=fffffff",
        "f=============f",
        "f=============f",
        "f======1======f",
        "f=============f",
        "f=============f",
        "fffffff=fffffff",
        ",,,,,,,2,,,,,,,",
    }},
    // A sandbag firing position with room for a gunner at 1.
    {"nest", {
        ",sssss,",
        "ss,,,ss",
        "s,,1,,s",
        ",,,,,,,",
    }},
    // A walled garden plot of farmland with a gate to the south.
    {"garden", {
        "hhhhhhhhh",
        "hoooooooh",
        "hoooooooh",
        "hoooooooh",
        "hhhh,hhhh",
        ",,,,1,,,,",
    }},
};
// clang-format on

inline const Stamp_Def* Find_Stamp(const std::string& name) {
    for (const Stamp_Def& s : kStamps)
        if (name == s.name) return &s;
    return nullptr;
}

inline int Stamp_Height(const Stamp_Def& s) {
    int n = 0;
    while (n < 16 && s.rows[n] != nullptr) ++n;
    return n;
}

// The widest row: shorter rows leave the rest of their cells as they are.
inline int Stamp_Width(const Stamp_Def& s) {
    int w = 0;
    for (int r = 0; r < Stamp_Height(s); ++r) w = std::max(w, (int)std::string(s.rows[r]).size());
    return w;
}

// The terrain a symbol lays; false for a blank (the terrain stays).
inline bool Stamp_Terrain(char ch, Terrain& t) {
    switch (ch) {
    case ',': t = Terrain::Ground; return true;
    case '=': t = Terrain::Road; return true;
    case ':': t = Terrain::Sand; return true;
    case '#': t = Terrain::WallWood; return true;
    case 'B': t = Terrain::WallStone; return true;
    case 's': t = Terrain::Sandbags; return true;
    case 'h': t = Terrain::Hedge; return true;
    case 't': t = Terrain::TrenchWall; return true;
    case 'r': t = Terrain::Rock; return true;
    case '_': t = Terrain::Floor; return true;
    case 'D': t = Terrain::Door; return true;
    case '~': t = Terrain::Water; return true;
    case 'w': t = Terrain::DeepWater; return true;
    case 'f': t = Terrain::Fence; return true;
    case 'm': t = Terrain::Mud; return true;
    case 'o': t = Terrain::Farmland; return true;
    case 'b': t = Terrain::Bottle; return true;
    case 'x': t = Terrain::Mine; return true;
    default: return false;
    }
}

} // namespace maps
