#include "content/compiler/scene_build.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "content/compiler/catalogue.h"
#include "content/compiler/contracts.h"
#include "content/compiler/layout.h"
#include "content/compiler/player_needs.h"
#include "content/compiler/scene_compiler.h"
#include "content/compiler/scene_desc.h"
#include "content/painters/pages.h"
#include "content/painters/registry.h"
#include "content/painters/picture_facts.h"

#ifndef VARNOTH_SCENES_DIR
#error "VARNOTH_SCENES_DIR must name the folder of the scene descriptions"
#endif

namespace compiler {

namespace {

// The text of a regular file (not a folder, not a device); nullopt when it cannot be read.
std::optional<std::string> Read_File(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return s.str();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool Ends_With(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool Catalogued(int episode, int scene) {
    for (const Catalogue_Entry& c : Catalogue())
        if (c.episode == episode && c.scene == scene) return true;
    return false;
}

} // namespace

std::string Scenes_Folder() { return VARNOTH_SCENES_DIR; }

std::vector<std::string> Scene_Files(const std::string& folder) {
    std::vector<std::pair<std::pair<int, int>, std::string>> found;
    std::error_code ec;
    for (const auto& f : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = f.path().filename().string();
        int e, s;
        if (Scene_Of_File(name, e, s)) found.push_back({{e, s}, name});
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& f : found) names.push_back(f.second);
    return names;
}

std::vector<std::string> Stray_Files(const std::string& folder) {
    std::vector<std::string> stray;
    std::error_code ec;
    const std::filesystem::path base(folder);
    for (auto it = std::filesystem::recursive_directory_iterator(base, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec)) continue;
        const std::string name = it->path().lexically_relative(base).generic_string();
        const bool top = name.find('/') == std::string::npos;
        int e, s;
        if ((top && Scene_Of_File(name, e, s)) || Ends_With(name, ".inc") || Ends_With(name, ".md")) continue;
        stray.push_back(name + ": neither a scene description (e<episode>s<scene>.scene in the scenes folder itself) "
                               "nor an include (<name>.inc); skipped");
    }
    std::sort(stray.begin(), stray.end());
    return stray;
}

bool Build_Scenes(const std::string& folder, const std::string& root, std::vector<std::pair<int, int>>* written,
                  std::string& error, std::vector<std::string>* warnings) {
    const Include_Reader include = [&](const std::string& name) -> std::optional<std::string> {
        if (!Include_Name_Problem(name).empty()) return std::nullopt; // inside the folder only
        return Read_File(folder + "/" + name);
    };
    if (warnings) *warnings = Stray_Files(folder);
    // Two files naming one scene (e1s1.scene and e01s1.scene) would write it twice.
    const std::vector<std::string> names = Scene_Files(folder);
    for (size_t k = 1; k < names.size(); ++k) {
        int e0, s0, e1, s1;
        Scene_Of_File(names[k - 1], e0, s0);
        Scene_Of_File(names[k], e1, s1);
        if (e0 == e1 && s0 == s1) {
            error = names[k - 1] + " and " + names[k] + " both describe episode " + std::to_string(e0) + " scene " +
                    std::to_string(s0);
            return false;
        }
    }
    std::vector<SceneDesc> scenes;
    for (const std::string& name : names) {
        std::optional<std::string> text = Read_File(folder + "/" + name);
        if (!text) {
            error = name + ": cannot be read";
            return false;
        }
        scenes.emplace_back();
        if (!Parse_Scene(*text, name, include, scenes.back(), error)) return false;
    }

    // Pictures: each image painted once; two scenes that ask for one image must agree.
    std::map<std::string, std::pair<Args, std::string>> art;
    for (const SceneDesc& d : scenes)
        for (const SceneDesc::Art& a : d.art) {
            const std::string where = a.file + ":" + std::to_string(a.line);
            auto [it, fresh] = art.emplace(a.image, std::make_pair(a.args, where));
            if (!fresh && it->second.first.kv != a.args.kv) {
                error = where + ": " + a.image + " is painted differently at " + it->second.second;
                return false;
            }
        }
    for (const auto& [image, recipe] : art) {
        std::string why;
        if (!painters::Paint_Art(root, image, recipe.first.kv, why)) {
            error = recipe.second + ": art " + image + ": " + why;
            return false;
        }
    }
    if (!painters::Paint_Plan_Art(root)) {
        error = "the slot plans' pictures could not be written under " + root;
        return false;
    }
    if (!painters::Paint_Fixed_Art(root, error)) return false;

    const std::vector<Pending_Layout>& pending = Pending_Layout_Faults();
    std::vector<bool> pending_met(pending.size(), false);
    std::string layout_faults;
    std::vector<writers::SceneFiles> compiled(scenes.size());
    Scene_Set by_scene;
    for (size_t k = 0; k < scenes.size(); ++k) {
        const SceneDesc& d = scenes[k];
        writers::SceneFiles& files = compiled[k];
        if (!Compile_Scene(d, files, error)) return false;
        for (size_t t = 0; t < files.textures.size(); ++t) {
            const writers::TextureSlot& slot = files.textures[t];
            const bool tga = Exists(root + "/" + slot.name + ".tga");
            const bool dat = !Animated_Kind(slot.kind) || Exists(root + "/" + slot.name + ".dat");
            if (!tga || !dat) {
                error = d.name + ": texture slot " + std::to_string(t) + " names " + slot.name + ", whose " +
                        (tga ? ".dat" : ".tga") + " file is not produced (add an 'art' line or a painter)";
                return false;
            }
        }
        if (!Check_Contracts(d.episode, d.scene, files, root, error)) {
            error = d.name + ": broken contract:\n" + error;
            return false;
        }
        // The layout of every scene the game can reach (a test's made-up scene is not laid out
        // for a player).
        std::string layout;
        if (Catalogued(d.episode, d.scene) &&
            !Check_Layout(d.episode, d.scene, files, painters::Facts_Of, pending, pending_met, layout))
            layout_faults += (layout_faults.empty() ? "" : "\n") + layout;
        by_scene[{d.episode, d.scene}] = &files;
    }
    // The walk HUD's layout, which every walk scene shows.
    for (const Layout_Fault& f : Hud_Layout_Faults(writers::Hud_Layout())) {
        bool waiting = false;
        for (size_t k = 0; k < pending.size(); ++k)
            if (pending[k].episode == f.episode && pending[k].scene == f.scene &&
                f.what.find(pending[k].topic) != std::string::npos)
                waiting = pending_met[k] = true;
        if (!waiting) layout_faults += (layout_faults.empty() ? "" : "\n") + f.Text();
    }
    // Every scene is checked before the faults are told, so that one run names them all.
    auto built = [&](int e, int sc) {
        if (e == 0 && sc == 3) return true; // the HUD layout, checked on every run
        for (const SceneDesc& d : scenes)
            if (d.episode == e && d.scene == sc) return true;
        return false;
    };
    for (size_t k = 0; k < pending.size(); ++k)
        if (!pending_met[k] && built(pending[k].episode, pending[k].scene))
            layout_faults += (layout_faults.empty() ? "" : "\n") + std::string("scene ") +
                             std::to_string(pending[k].episode) + "/" + std::to_string(pending[k].scene) +
                             ": the pending layout fault '" + pending[k].topic +
                             "' is mended: take it off the list of pending faults";
    if (!layout_faults.empty()) {
        error = "layout faults:\n" + layout_faults;
        return false;
    }

    // What a player needs, over every scene at once (the exits of one scene ask for the
    // arrival points of another); every fault is told before the build stops.
    const std::vector<Spawn_Request> requests = Spawn_Requests(by_scene);
    std::string needs;
    for (size_t k = 0; k < scenes.size(); ++k) {
        const SceneDesc& d = scenes[k];
        std::string fault;
        if (!Check_Player_Needs(d.episode, d.scene, compiled[k], requests, Rows(d.episode, d.scene, Expect::touch),
                                Rows(d.episode, d.scene, Expect::gate), fault))
            needs += d.name + ": " + fault + "\n";
    }
    if (!needs.empty()) {
        needs.pop_back();
        error = "the scenes fail what a player needs:\n" + needs;
        return false;
    }

    for (size_t k = 0; k < scenes.size(); ++k) {
        const SceneDesc& d = scenes[k];
        if (!writers::Write_Scene(root, d.episode, d.scene, compiled[k])) {
            error = d.name + ": the scene files could not be written under " + root;
            return false;
        }
        if (written) written->push_back({d.episode, d.scene});
    }
    return true;
}

} // namespace compiler
