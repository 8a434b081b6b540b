// Scene descriptions: the small text files under tools/content/scenes/ (one per scene,
// named e<E>s<S>.scene) that the generator compiles into a scene's files. See FORMAT.md
// in that folder for the format. This header holds what the parser reads, before any name
// is resolved: the compiler gives the values their meaning.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "content/maps/map_recipe.h"

namespace compiler {

// key=value arguments of one line, in the order written; a later key overrides an earlier.
struct Args {
    std::map<std::string, std::string> kv;
    std::vector<std::string> bare; // words without '='
    bool Has(const std::string& k) const { return kv.count(k) != 0; }
    const std::string* Get(const std::string& k) const {
        auto it = kv.find(k);
        return it == kv.end() ? nullptr : &it->second;
    }
    // Adds every pair of `base` that this line does not set itself.
    void Inherit(const Args& base) {
        for (const auto& [k, v] : base.kv) kv.emplace(k, v);
    }
};

// An indexed entry (slot, object, point, node) and the line it came from.
struct Entry {
    int index = 0;
    Args args;
    int line = 0;
    std::string file; // the file the line is in (the scene's own or an included one)
};

struct SceneDesc {
    std::string name; // file name, for messages
    int episode = -1, scene = -1;
    std::string kind;              // front, cine, walk or world
    int kind_line = 0;
    std::string kind_file;
    Args header;
    std::vector<std::string> plans; // slot plans, applied in order
    std::vector<Entry> slots;
    std::vector<Entry> objects, points, nodes;
    Args filler;                    // defaults of the hidden objects that fill unnamed indices
    std::vector<std::vector<int>> groups;
    struct Line {
        int face = 0;
        std::string a, b;
        int line = 0;
        std::string file;
    };
    std::vector<Line> lines;
    std::vector<maps::MapDirective> map;
    // Pictures the scene asks the painters for: `art <image> painter=<name> key=value...`.
    struct Art {
        std::string image;
        Args args;
        int line = 0;
        std::string file;
    };
    std::vector<Art> art;
};

// Reads the text of an included file by its name relative to the scenes folder; nullopt
// when it cannot be read.
using Include_Reader = std::function<std::optional<std::string>(const std::string&)>;

// Parses one description. `name` is the file name: e<E>s<S>.scene gives the episode and
// scene. On an error returns false with "<name>:<line>: <what>" in error.
bool Parse_Scene(const std::string& text, const std::string& name, const Include_Reader& include, SceneDesc& out,
                 std::string& error);

// Episode and scene from a file name "e<E>s<S>.scene"; false for any other name.
bool Scene_Of_File(const std::string& name, int& episode, int& scene);

} // namespace compiler
