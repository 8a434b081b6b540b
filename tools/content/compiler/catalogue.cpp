#include "content/compiler/catalogue.h"

#include <algorithm>
#include <map>

#include "content/compiler/scene_build.h"
#include "content/compiler/scene_desc.h"

namespace compiler {

namespace {

// Gathered from the area table, the scene-script block list, the front-end page table and
// the scene requests (scripts, conversation closes, camp screens, death pages, main loop).
const std::vector<Catalogue_Entry> CATALOGUE = {
    {0, 0, REQUEST | SCRIPT},
    {0, 1, AREA | REQUEST | SCRIPT},
    {0, 2, AREA | SCRIPT},
    {0, 4, SCRIPT},
    {0, 5, REQUEST | SCRIPT},
    {0, 6, SCRIPT},
    {0, 7, AREA | SCRIPT},
    {0, 8, AREA | SCRIPT},
    {0, 9, SCRIPT},
    {0, 11, SCRIPT},
    {0, 12, SCRIPT},
    {0, 14, AREA | SCRIPT},
    {0, 15, AREA | SCRIPT},
    {0, 16, AREA | SCRIPT},
    {0, 17, AREA | SCRIPT},
    {0, 18, AREA},
    {1, 0, PAGE | SCRIPT},
    {1, 1, AREA | PAGE},
    {1, 2, PAGE},
    {1, 3, AREA | PAGE | REQUEST},
    {1, 4, REQUEST | SCRIPT},
    {1, 5, AREA | PAGE | REQUEST | SCRIPT},
    {1, 7, AREA | REQUEST},
    {1, 8, AREA | REQUEST},
    {1, 9, PAGE},
    {1, 10, PAGE},
    {1, 11, PAGE},
    {1, 13, PAGE},
    {1, 14, PAGE},
    {1, 15, PAGE},
    {1, 16, PAGE},
    {1, 17, AREA | PAGE},
    {1, 18, AREA | REQUEST},
    {1, 19, AREA | PAGE},
    {1, 20, AREA | PAGE | SCRIPT},
    {1, 21, AREA},
    {1, 22, AREA},
    {1, 23, AREA | REQUEST},
    {1, 24, AREA},
    {1, 25, AREA | REQUEST},
    {1, 26, AREA | SCRIPT},
    {1, 27, AREA | PAGE},
    {1, 28, PAGE},
    {1, 29, AREA | PAGE},
    {1, 30, AREA | REQUEST},
    {1, 31, AREA},
    {1, 32, PAGE},
    {1, 33, PAGE},
    {1, 34, AREA | REQUEST | SCRIPT},
    {1, 35, AREA},
    {1, 37, PAGE},
    {1, 38, PAGE},
    {1, 39, PAGE},
    {1, 40, PAGE},
    {1, 41, PAGE},
    {1, 42, PAGE | REQUEST},
    {1, 43, AREA | PAGE},
    {1, 44, AREA | PAGE},
    {1, 45, PAGE},
    {1, 46, PAGE | REQUEST},
    {1, 47, AREA | SCRIPT},
    {1, 48, REQUEST | SCRIPT},
    {1, 49, PAGE | REQUEST},
    {1, 50, AREA},
    {1, 51, AREA | REQUEST | SCRIPT},
    {1, 52, AREA},
    {1, 53, AREA | SCRIPT},
    {1, 54, AREA | SCRIPT},
    {1, 55, AREA | SCRIPT},
    {1, 56, AREA | SCRIPT},
    {1, 57, AREA | REQUEST | SCRIPT},
    {1, 58, AREA | SCRIPT},
    {1, 59, AREA | SCRIPT},
    {1, 60, PAGE},
    {1, 61, AREA | SCRIPT},
    {1, 62, AREA | REQUEST | SCRIPT},
    {1, 63, AREA | SCRIPT},
    {1, 64, AREA | SCRIPT},
    {1, 65, PAGE},
    {1, 66, AREA | SCRIPT},
    {1, 67, AREA | SCRIPT},
    {1, 68, PAGE},
    {1, 69, AREA | REQUEST},
    {1, 70, AREA},
    {1, 71, AREA},
    {1, 72, PAGE},
    {1, 73, AREA | REQUEST},
    {1, 74, PAGE},
    {1, 75, AREA | SCRIPT},
    {1, 76, PAGE},
    {1, 77, PAGE},
    {1, 78, PAGE},
    {1, 79, REQUEST | SCRIPT},
    {1, 80, AREA | SCRIPT},
    {1, 81, PAGE},
    {1, 82, AREA | REQUEST | SCRIPT},
    {1, 83, PAGE},
    {1, 84, AREA | SCRIPT},
    {1, 85, AREA | SCRIPT},
    {1, 86, PAGE},
    {1, 87, AREA | SCRIPT},
    {1, 88, AREA | SCRIPT},
    {1, 89, AREA | SCRIPT},
    {1, 90, AREA | SCRIPT},
    {1, 91, PAGE},
    {1, 92, PAGE},
    {1, 93, AREA | PAGE | SCRIPT},
    {1, 94, AREA | REQUEST | SCRIPT},
    {1, 95, AREA},
    {1, 96, AREA},
    {1, 97, AREA},
    {1, 98, AREA},
    {1, 99, AREA | REQUEST | SCRIPT},
    {1, 100, AREA | SCRIPT},
    {1, 101, AREA | SCRIPT},
    {1, 102, AREA | REQUEST | SCRIPT},
    {1, 103, AREA | SCRIPT},
    {1, 104, AREA | SCRIPT},
    {1, 105, AREA | SCRIPT},
    {1, 106, AREA | SCRIPT},
    {1, 107, AREA | SCRIPT},
    {1, 108, AREA | SCRIPT},
    {1, 109, AREA | SCRIPT},
    {1, 110, AREA | SCRIPT},
    {1, 111, AREA | SCRIPT},
    {1, 112, AREA | REQUEST},
    {1, 113, AREA},
    {1, 114, AREA},
    {1, 115, AREA},
    {1, 116, AREA | SCRIPT},
    {1, 117, AREA | REQUEST | SCRIPT},
    {1, 118, AREA | SCRIPT},
    {1, 119, AREA | REQUEST | SCRIPT},
    {1, 120, AREA | REQUEST | SCRIPT},
    {1, 121, AREA | REQUEST | SCRIPT},
    {1, 122, PAGE | SCRIPT},
    {1, 123, AREA | SCRIPT},
    {1, 124, AREA | REQUEST | SCRIPT},
    {1, 125, AREA | SCRIPT},
    {1, 126, SCRIPT},
    {1, 127, SCRIPT},
    {1, 128, REQUEST | SCRIPT},
    {1, 129, SCRIPT},
    {1, 130, REQUEST | SCRIPT},
    {1, 131, REQUEST | SCRIPT},
    {1, 132, SCRIPT},
    {1, 133, REQUEST | SCRIPT},
    {1, 134, SCRIPT},
    {1, 135, REQUEST | SCRIPT},
    {1, 136, SCRIPT},
    {1, 138, AREA | SCRIPT},
    {1, 139, AREA | SCRIPT},
    {1, 140, AREA | SCRIPT},
    {1, 141, AREA | REQUEST | SCRIPT},
    {1, 142, AREA | REQUEST | SCRIPT},
    {1, 143, AREA | SCRIPT},
    {1, 144, SCRIPT},
    {2, 0, AREA | REQUEST | SCRIPT},
    {2, 1, AREA | REQUEST | SCRIPT},
    {2, 2, AREA | REQUEST | SCRIPT},
    {2, 3, AREA | REQUEST | SCRIPT},
    {2, 4, AREA | REQUEST | SCRIPT},
    {2, 5, AREA | REQUEST},
    {2, 6, AREA},
    {2, 7, AREA},
    {2, 8, AREA | REQUEST | SCRIPT},
    {2, 9, AREA | SCRIPT},
    {2, 10, AREA | REQUEST | SCRIPT},
    {2, 11, AREA | REQUEST | SCRIPT},
    {3, 0, AREA},
    {3, 1, AREA | REQUEST | SCRIPT},
    {3, 2, AREA | REQUEST | SCRIPT},
    {3, 3, AREA | REQUEST | SCRIPT},
    {3, 4, AREA},
    {3, 5, AREA | REQUEST | SCRIPT},
    {3, 6, AREA | SCRIPT},
    {3, 7, AREA | REQUEST | SCRIPT},
    {3, 8, AREA},
    {3, 9, AREA | REQUEST | SCRIPT},
    {3, 10, AREA},
    {3, 11, AREA},
    {3, 12, AREA | SCRIPT},
    {3, 13, AREA | REQUEST | SCRIPT},
    {3, 14, AREA | SCRIPT},
    {3, 15, AREA | SCRIPT},
    {3, 16, AREA | SCRIPT},
    {3, 18, AREA | SCRIPT},
    {3, 19, AREA | REQUEST | SCRIPT},
    {3, 20, AREA},
    {3, 21, AREA | REQUEST | SCRIPT},
    {3, 22, AREA | SCRIPT},
    {3, 23, AREA | REQUEST | SCRIPT},
    {3, 24, AREA | SCRIPT},
    {3, 25, AREA | SCRIPT},
    {3, 26, AREA | SCRIPT},
    {3, 27, AREA | SCRIPT},
    {3, 28, AREA | REQUEST | SCRIPT},
    {3, 29, AREA | REQUEST | SCRIPT},
    {3, 30, AREA | SCRIPT},
    {3, 31, AREA | REQUEST | SCRIPT},
    {3, 32, AREA | SCRIPT},
    {3, 33, AREA | SCRIPT},
    {3, 34, AREA | SCRIPT},
    {3, 35, AREA | SCRIPT},
    {3, 36, AREA | SCRIPT},
    {3, 37, AREA | SCRIPT},
    // The credits: the cast pages' conversations move on to episode 4 and the transition's
    // episode-4 chain loads the next scene (2, 4, 6), each timed by its countdown; 6 leads
    // to the main menu.
    {4, 1, PAGE},
    {4, 2, REQUEST},
    {4, 3, PAGE},
    {4, 4, REQUEST},
    {4, 5, PAGE},
    {4, 6, REQUEST},
    {10, 0, REQUEST | SCRIPT},
};

std::string Runs(const std::vector<int>& v) {
    std::string out;
    for (size_t i = 0; i < v.size();) {
        size_t j = i;
        while (j + 1 < v.size() && v[j + 1] == v[j] + 1) ++j;
        if (!out.empty()) out += ", ";
        out += std::to_string(v[i]);
        if (j > i) out += "-" + std::to_string(v[j]);
        i = j + 1;
    }
    return out;
}

} // namespace

const std::vector<Catalogue_Entry>& Catalogue() { return CATALOGUE; }

const std::vector<std::pair<int, int>>& Scenes_Written_In_Code() {
    static const std::vector<std::pair<int, int>> in_code = {{10, 0}};
    return in_code;
}

std::vector<std::pair<int, int>> Written_Scenes(const std::string& folder) {
    std::vector<std::pair<int, int>> w = Scenes_Written_In_Code();
    for (const std::string& name : Scene_Files(folder)) {
        int e, s;
        if (Scene_Of_File(name, e, s)) w.push_back({e, s});
    }
    std::sort(w.begin(), w.end());
    return w;
}

std::string Catalogue_Text(const std::vector<std::pair<int, int>>& written) {
    std::map<int, std::vector<int>> pending;
    int done = 0;
    for (const Catalogue_Entry& c : CATALOGUE) {
        if (std::find(written.begin(), written.end(), std::make_pair(c.episode, c.scene)) != written.end()) ++done;
        else pending[c.episode].push_back(c.scene);
    }
    if (pending.empty())
        return "All " + std::to_string(CATALOGUE.size()) + " scenes the game can reach are written.\n";
    std::string t = "Of the " + std::to_string(CATALOGUE.size()) + " scenes the game can reach, " +
                    std::to_string(done) + " are written; these " + std::to_string(CATALOGUE.size() - done) +
                    " are not yet:\n\n";
    for (const auto& [e, scenes] : pending)
        t += "- episode " + std::to_string(e) + ": " + Runs(scenes) + "\n";
    return t;
}

} // namespace compiler
