// The generator's scene pass: every description in the scenes folder is parsed, its
// pictures painted, compiled, checked against the contract table and written.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace compiler {

// The scenes folder of the source tree (baked in at build time).
std::string Scenes_Folder();

// The descriptions in `folder` (file names e<E>s<S>.scene), sorted by episode and scene.
std::vector<std::string> Scene_Files(const std::string& folder);

// A warning for every file under `folder` that the generator does not read: neither a
// description (e<E>s<S>.scene in the folder itself) nor an include (.inc), nor a note (.md).
// A misnamed description (E1S1.scene, e1s1.scene.bak) shows here instead of going missing
// without a word.
std::vector<std::string> Stray_Files(const std::string& folder);

// Builds every description of `folder` into `root`. On the first fault returns false with
// the message (file and line, or scene, index and expectation); two files describing one
// scene are a fault. `written` receives the (episode, scene) of each scene written,
// `warnings` the folder's stray files (Stray_Files).
bool Build_Scenes(const std::string& folder, const std::string& root, std::vector<std::pair<int, int>>* written,
                  std::string& error, std::vector<std::string>* warnings = nullptr);

} // namespace compiler
