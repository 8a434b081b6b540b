// What the game's code expects of a scene's files: the object indices, types and animation
// counts, the points and the texture slots that the scene scripts, the level events, the
// front-end code and the camp screens address. One table (contracts.cpp) holds every
// expectation; the generator checks each scene it writes against its rows.
#pragma once

#include <string>
#include <vector>

#include "content/writers/scene_kit.h"

namespace compiler {

enum class Expect {
    object,
    point,
    slot,
    touch,  // an object the story needs a player to walk up to and click: the mouse code can
            // select it and open ground lets him stand within touching distance
    destroy, // an object a mission needs destroyed: a shot or a blast damages it
    gate     // a barrier the scene's script takes away as the story goes: the ground under it
             // counts as open when the checker asks what a player can reach
};

struct Contract {
    int episode, scene;
    Expect what;
    int index;    // object, point or texture slot index
    int code;     // object type or point code (c1); -1 for any
    int anims;    // the least number of animations the object's or slot's sheet must have; 0 none
    const char* why;
    // Objects only, -1 for any: the kind (sector_action) of a type 3 object, whose sheet must
    // then also hold the animation after its own (played when the player walks up to it);
    // the sector (level exit) of a trigger or ladder.
    int kind = -1;
    int sector = -1;
};

// Every row.
const std::vector<Contract>& Contracts();

// The object indices of the rows of scene e/s that expect `what` (the objects the story needs
// a player to walk up to and click, the barriers its script takes away ...).
std::vector<int> Rows(int episode, int scene, Expect what);

// The number of animations of an animation definition file; -1 when it cannot be read.
int Anim_Count(const std::string& dat_path);

// Checks one compiled scene against its rows; `root` holds the painted pictures (their
// animation definitions give the animation counts). False with one line per broken row,
// naming scene, index and expectation.
bool Check_Contracts(int episode, int scene, const writers::SceneFiles& s, const std::string& root,
                     std::string& error);

} // namespace compiler
