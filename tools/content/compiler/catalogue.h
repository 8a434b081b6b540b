// The content catalogue: every scene the game's code can reach (the area table, the scene
// scripts, the front-end page conversations and the scene requests of the scripts, the
// conversations and the camp screens), each known as written or not yet written. The
// README's list of scenes not yet written is printed from here (varnoth_content
// --catalogue).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace compiler {

// How the code reaches a scene.
enum Reach : unsigned {
    AREA = 1u << 0,    // the area table lists it
    SCRIPT = 1u << 1,  // a scene script runs on it
    PAGE = 1u << 2,    // a front-end page conversation runs on it
    REQUEST = 1u << 3, // a script, conversation or screen asks for it by number
};

struct Catalogue_Entry {
    int episode, scene;
    unsigned reach;
};

// Every reachable scene, by episode and scene.
const std::vector<Catalogue_Entry>& Catalogue();

// Scenes the generator writes in code rather than from a description (the boot scene).
const std::vector<std::pair<int, int>>& Scenes_Written_In_Code();

// The scenes written: the descriptions of `folder` and the scenes written in code.
std::vector<std::pair<int, int>> Written_Scenes(const std::string& folder);

// The catalogue as the README shows it: counts, then the scenes not yet written by
// episode, runs of numbers joined ("0-4, 6, 9-12").
std::string Catalogue_Text(const std::vector<std::pair<int, int>>& written);

} // namespace compiler
