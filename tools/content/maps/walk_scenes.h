// Walk scenes: the texture slots every walk scene starts with, and the pieces that turn a map
// recipe with objects and points pinned to its anchors into a scene's files.
#pragma once

#include <string>
#include <vector>

#include "content/maps/map_recipe.h"
#include "content/writers/scene_kit.h"

// The fixed slots of a walk scene, 0 to 31: the HUD's (with the effects and drops sheet in
// slot 2), the tile sets from slot 10 (10 + map_set), the door sheet (13), the vehicle
// shadows (14), the player by weapon (15 bare hands or grenades, 16 rifle or shotgun,
// 17 pistol, 31 machine gun), the one-animation figures (29) and the wading player (30).
// Slots 12 and 18 to 28 are the scene's own; `extras` fill them in order (at most 12), and
// any further extras follow slot 31.
constexpr int WALK_PLAN_SLOTS = 32;
std::vector<writers::TextureSlot> Walk_Texture_Plan(const std::vector<std::string>& tile_sets,
                                                     const std::vector<writers::TextureSlot>& extras);
// The slot numbers `extras` get, in order.
std::vector<int> Walk_Extra_Slots(size_t count);
// Checks a walk scene's texture list against the plan; false with the first slot that
// differs (its number, what it holds and what the plan wants) in error.
bool Check_Walk_Plan(const std::vector<writers::TextureSlot>& slots, std::string& error);

// A position of a walk scene: an anchor of its map, moved by (dx, dy) world units.
struct Pin {
    std::string anchor;
    float dx = 0.0f, dy = 0.0f;
};
// The world position of a pin, or false (with the anchor's name in error) when the map has
// no such anchor.
bool Resolve_Pin(const maps::MapResult& map, const Pin& pin, float& x, float& y, std::string& error);

// The act-1 camp (episode 2 scene 0).
bool Write_Camp_Hub(const std::string& root);
