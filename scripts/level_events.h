// The level events of episodes 2 and 3: destruction missions, coast and bunkers, the fortress and the missile silo, the convoy.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Level_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) { (void)b; }
