// State the world code reads or sets that other parts of the game keep.
#pragma once

#include "common/scene_state.h"   // txt_cur, text_sector, throw_grenade, bottle_count
#include "hud/hud.h"              // has_water
#include "render/render_inputs.h" // global_objects (story flags)
