// The perk page, the options and control pages and the statistics page.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Player_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) { (void)b; }
