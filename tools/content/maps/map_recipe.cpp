#include "content/maps/map_recipe.h"

#include <cstdio>

namespace maps {

// The least map: every cell plain ground of the first tile set.
bool Build_Walk_Map(const std::vector<MapDirective>& recipe, MapResult& out, std::string& error) {
    int w = 60, h = 60;
    for (const MapDirective& d : recipe) {
        if (d.verb == "size") {
            auto it = d.args.find("");
            if (it == d.args.end() || std::sscanf(it->second.c_str(), "%dx%d", &w, &h) != 2 || w < 1 || h < 1 ||
                w > 150 || h > 150) {
                error = "line " + std::to_string(d.line) + ": map size must be WxH within 150x150";
                return false;
            }
        }
    }
    out.map.width = w;
    out.map.height = h;
    out.map.tiles.assign((size_t)w * h, 0);
    out.map.set.clear();
    return true;
}

} // namespace maps
