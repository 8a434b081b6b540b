// Boot, title and pause pages; the main menu and front-end pages.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Title_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) { (void)b; }
