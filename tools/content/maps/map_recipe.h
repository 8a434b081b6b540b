// Walk maps from recipes: a scene description's `map` lines (biome, size, seed and features
// such as buildings, roads, water, fences and trenches) become the scene's tile map, with
// named anchors at the features so that objects and points can be pinned to them.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "content/writers/scene_writers.h"

namespace maps {

// One `map` line of a scene description: its verb and its key=value arguments.
struct MapDirective {
    std::string verb;                        // "biome", "size", "seed", "building", "road", ...
    std::map<std::string, std::string> args; // key=value pairs, and the bare words under ""
    int line = 0;                            // line in the description, for messages
    std::string file;                        // the file of the line (empty: named by line alone)
};

struct MapResult {
    writers::TileMap map;
    // Named places in world units (x, y), e.g. "hut1.door", "road1.end": what `at=` names.
    std::map<std::string, std::pair<float, float>> anchors;
    // Image names of the tile sets the map uses, in slot order from slot 10 (10 + map_set).
    std::vector<std::string> tile_sets;
};

// Builds the map of a walk scene. On a bad recipe returns false and says why in error
// ("<file>:<line>: map <verb>: <what>", or "line <line>: ..." for a directive without file).
bool Build_Walk_Map(const std::vector<MapDirective>& recipe, MapResult& out, std::string& error);

} // namespace maps
