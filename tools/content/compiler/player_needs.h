// What a player needs of the scenes, checked by the generator over the compiled scenes: every
// arrival point that a page, a conversation, an exit or a screen asks for exists; each thing
// the story needs clicked can be selected by the mouse code; each thing a mission needs
// destroyed takes damage; and from every arrival point of a walk scene open ground joins
// each exit, person and trigger of it, with room to stand within touching distance.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "content/writers/scene_kit.h"

namespace compiler {

// One request for an arrival point: the player is sent to scene e/s at point `point` (-1:
// the scene's first spawn point). An exit's request must name a spawn point (code CAM_P1);
// the game's own requests may name a point that is also a marker.
struct Spawn_Request {
    int episode, scene, point;
    std::string why;
    bool exit = false;
};

// The compiled scenes by (episode, scene).
using Scene_Set = std::map<std::pair<int, int>, const writers::SceneFiles*>;

// The requests of the game's pages, conversations and screens (a fixed table), and those of
// the exits of the compiled scenes (a trigger's `score` is the arrival point of the scene its
// level exit leads to, a travel page between them passing it on).
std::vector<Spawn_Request> Spawn_Requests(const Scene_Set& scenes);

// Whether the mouse code lets a player select object o to walk to it and use it (a prop) or
// to shoot at it; false with the reason.
bool Selectable(const writers::ObjectRec& o, std::string& why);
// The box over which the mouse code offers prop o to the pointer (its collision box widened
// by the pointer's margin, and from the feet up; a switch or light underground is offered
// above its box). False for an object the pointer does not offer as a prop.
bool Hover_Box(const writers::ObjectRec& o, bool open_world, float& x0, float& y0, float& x1, float& y1);
// Whether a shot or a blast can damage object o; false with the reason.
bool Takes_Damage(const writers::ObjectRec& o, std::string& why);
// Whether the contact of a prop of this kind does something (opens a page or a scene, throws
// a switch): the props a player walks up to.
bool Acting_Kind(int kind);

// Checks one compiled scene: the requested arrival points exist; in a walk scene, from each
// arrival point (the requested ones and the scene's own spawn points) open ground reaches
// every exit and trigger, and every acting prop and every object of `touch` (indices) with
// room to stand within touching distance; the ground under the `gates` (barriers the scene's
// script takes away) counts as open. False with one line per fault, naming the scene, the
// index and the reason.
bool Check_Player_Needs(int episode, int scene, const writers::SceneFiles& s, const std::vector<Spawn_Request>& requests,
                        const std::vector<int>& touch, const std::vector<int>& gates, std::string& error);

} // namespace compiler
