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

// The largest tables the game reads from a scene's files: texture slots, objects, points,
// nodes, dialogue lines, groups and a group's entries, and the characters of one text token.
constexpr int kMaxSlots = 200, kMaxObjects = 750, kMaxPoints = 400, kMaxNodes = 100;
constexpr int kMaxLines = 30, kMaxGroups = 30, kMaxGroupEntries = 30, kMaxToken = 255;

// key=value arguments of one line (a key at most once a line).
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
    // Where each header value was set: file and line.
    std::map<std::string, std::pair<std::string, int>> header_at;
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

// Episode and scene from a file name "e<E>s<S>.scene" (E and S written in digits); false
// for any other name.
bool Scene_Of_File(const std::string& name, int& episode, int& scene);

// Empty when `image` may name a picture of the content folder: a relative path of
// letters, digits and "_-." in parts separated by '/', none of them "." or "..", short
// enough for the game's texture list with the file's ending. Else why not.
std::string Image_Name_Problem(const std::string& image);

// Empty when `name` may name an include: a file "<name>.inc" inside the scenes folder (the
// same rules as an image name). Else why not.
std::string Include_Name_Problem(const std::string& name);

} // namespace compiler
