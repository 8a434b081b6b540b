// The scripted vehicle scenes, the late level events of episode 3, the short story scenes.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Story_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) { (void)b; }
