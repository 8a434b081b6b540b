// Compiles a parsed scene description into the files of the scene (writers::SceneFiles):
// resolves names, applies the slot plans, object roles and styles, fills unnamed object
// indices below the highest one with hidden fillers, builds a walk scene's map from its
// recipe and pins objects and points to the map's anchors.
#pragma once

#include <string>

#include "content/compiler/scene_desc.h"
#include "content/writers/scene_kit.h"

namespace compiler {

// False with "<file>:<line>: <what>" in error on anything the description gets wrong.
bool Compile_Scene(const SceneDesc& d, writers::SceneFiles& out, std::string& error);

// The texture kinds whose slots carry an animation sheet (<image>.dat).
inline bool Animated_Kind(int kind) { return kind >= 2 && kind <= 4; }

} // namespace compiler
