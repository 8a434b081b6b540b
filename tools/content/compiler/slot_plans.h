// Texture slot plans: the slots a kind of scene must have where the game's code looks for
// them (the HUD's slots, the front end's effects sheet and save-slot looks, the options
// box, the perk page's locked look, ...). A scene names a plan and adds its own slots.
#pragma once

#include <string>
#include <vector>

#include "content/writers/scene_writers.h"

namespace compiler {

struct Plan_Slot {
    int index;
    int kind;          // texture kind (writers::TextureSlot::kind)
    std::string image; // image name without ending
    std::string why;   // what reads the slot
};

struct Slot_Plan {
    std::string name;
    std::string base; // plan whose slots come first ("" for none)
    std::vector<Plan_Slot> slots;
};

// Every plan, in one table (slot_plans.cpp).
const std::vector<Slot_Plan>& Slot_Plans();

// The slots of a plan with its base plans applied (a plan's own slot replaces its base's);
// false when the plan or a base is unknown.
bool Plan_Slots(const std::string& name, std::vector<Plan_Slot>& out);

} // namespace compiler
