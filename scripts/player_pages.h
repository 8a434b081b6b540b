// The perk page, the options and control pages and the statistics page.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// The control scheme chosen on the control page: 0 mouse and keyboard, 1 mouse only.
inline int controls_selected = 0;

// Perk page (episode 1 scene 141): spends level-up points on the nine perks.
void Run_Perk_Page(int f_rate);
// Control page (episode 0 scene 5): chooses between the two control schemes.
void Run_Control_Page(int f_rate);
// Statistics page (episode 1 scene 26): the player's record in three columns.
void Run_Stats_Page(int f_rate);
// Options page (episode 0 scene 6): colour depth, resolution, display mode and smoothing.
void Run_Options_Page(int f_rate);

// The box code and caption the perk page shows for a perk at `level` (0 to 3, a level
// outside that range reads as the nearest end), unlocked.
struct perk_caption {
    int box_code;
    const char* text;
};
// perk: 0 heart, 1 fire rounds, 2 gallery gun, 3 regeneration, 4 gas rounds, 5 gold drops,
// 6 experience, 7 health per kill, 8 dum-dum rounds.
perk_caption Perk_Caption(int perk, int level);
// The rank name the statistics page appends for `rank` ("" for a rank without a name).
const char* Rank_Name(int rank);

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Player_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    b[4] = Run_Perk_Page;
    b[90] = Run_Control_Page;
    b[96] = Run_Stats_Page;
    b[104] = Run_Options_Page;
}
