// The scene catalogue against the code and the README: every scene the code can reach is
// catalogued, every written scene is reachable, and the README lists exactly the scenes the
// catalogue says are not yet written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "content/level_table.h"
#include "main/front_end.h"
#include "scripts/script_frame.h"
#include "tools/content/compiler/catalogue.h"
#include "tools/content/compiler/scene_build.h"

namespace {

using Scene = std::pair<int, int>;

std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::set<Scene> Catalogued() {
    std::set<Scene> s;
    for (const compiler::Catalogue_Entry& c : compiler::Catalogue()) s.insert({c.episode, c.scene});
    return s;
}

// Scene numbers the game's sources ask for in so many words: Scene_Request(e, s), Go(e, s),
// "episode = e; scene = s" and "scene = s; episode = e".
std::set<Scene> Requested_In_Sources() {
    std::set<Scene> found;
    const std::string root = VARNOTH_SOURCE_DIR;
    for (const char* dir : {"scripts", "hud", "camp", "main", "content"})
        for (const auto& f : std::filesystem::directory_iterator(root + "/" + dir)) {
            if (f.path().extension() != ".cpp") continue;
            const std::string text = Read(f.path());
            for (size_t at = 0; at < text.size(); ++at) {
                int a = 0, b = 0;
                const char* p = text.c_str() + at;
                if (text.compare(at, 14, "Scene_Request(") == 0 && std::sscanf(p, "Scene_Request(%d, %d", &a, &b) == 2)
                    found.insert({a, b});
                else if (text.compare(at, 3, "Go(") == 0 && (at == 0 || !std::isalnum((unsigned char)text[at - 1])) &&
                         std::sscanf(p, "Go(%d, %d", &a, &b) == 2)
                    found.insert({a, b});
                else if (text.compare(at, 8, "episode ") == 0 && std::sscanf(p, "episode = %d; scene = %d", &a, &b) == 2)
                    found.insert({a, b});
                else if (text.compare(at, 6, "scene ") == 0 && std::sscanf(p, "scene = %d; episode = %d", &b, &a) == 2)
                    found.insert({a, b});
            }
        }
    found.erase({0, 3}); // the HUD layout, not a scene
    return found;
}

TEST(Catalogue, EverySceneTheCodeReachesIsCatalogued) {
    const std::set<Scene> catalogued = Catalogued();
    std::vector<std::string> missing;
    auto check = [&](int e, int s, const char* how) {
        if (!catalogued.count({e, s}))
            missing.push_back(std::to_string(e) + "/" + std::to_string(s) + " (" + how + ")");
    };
    for (int e = 0; e <= 12; ++e)
        for (int s = 0; s < 256; ++s) {
            if (Area_Of(e, s).level != -1) check(e, s, "area table");
            if (Script_Block_For(e, s) != 0) check(e, s, "scene script");
            if (Front_Conversation(e, s) != 0) check(e, s, "page conversation");
        }
    const std::set<Scene> requested = Requested_In_Sources();
    EXPECT_GT(requested.size(), 40u); // the scan does find the requests
    for (auto [e, s] : requested) check(e, s, "requested in the sources");
    EXPECT_TRUE(missing.empty()) << "not catalogued: " << ::testing::PrintToString(missing);
}

TEST(Catalogue, EveryWrittenSceneIsReachable) {
    const std::set<Scene> catalogued = Catalogued();
    for (auto [e, s] : compiler::Written_Scenes(compiler::Scenes_Folder()))
        EXPECT_TRUE(catalogued.count({e, s})) << e << "/" << s << " is written but nothing reaches it";
}

TEST(Catalogue, ReadmeListsTheScenesNotYetWritten) {
    const std::string readme = Read(std::string(VARNOTH_SOURCE_DIR) + "/README.md");
    const std::string open = "<!-- scene catalogue -->\n", close = "<!-- end of scene catalogue -->";
    const size_t a = readme.find(open), b = readme.find(close);
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    const std::string listed = readme.substr(a + open.size(), b - a - open.size());
    EXPECT_EQ(listed, compiler::Catalogue_Text(compiler::Written_Scenes(compiler::Scenes_Folder())))
        << "update the README with the output of varnoth_content --catalogue";
}

TEST(Catalogue, TextJoinsRunsOfScenes) {
    const std::string t = compiler::Catalogue_Text({{0, 0}, {10, 0}});
    EXPECT_NE(t.find(" 2 are written;"), std::string::npos) << t;
    EXPECT_NE(t.find("- episode 0: 1-2, 4-9, 11-12, 14-18\n"), std::string::npos) << t;
}

} // namespace
