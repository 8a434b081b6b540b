// The scripted vehicle scenes, the late level events of episode 3, the short story scenes.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Targets still standing in the two target scenes of episode 3 (counted every tick).
inline int target_count = 0;

// ---- Scripted traffic (episode 2, the camps of acts 1 and 4) ----

// Rolls the two looks handed to movers next: chasers 0 to 3, runners 4 to 7.
void Roll_Traffic_Looks();
// One tick of the camp traffic: the random start, then every listed mover drives to its
// end point, jumps back to its start point with a new look, and knocks the player down.
void Run_Traffic(int f_rate);
void Act1_Camp_Block(int f_rate);  // episode 2 scene 0
void Act4_Camp_Block(int f_rate);  // episode 2 scene 11

// ---- Late level events of episode 3 ----

// Torch effects (and their sound) for the torch tiles of the drawn window around the camera.
void Torch_Tiles();
// A thud of the shaking fortress when due; the next comes within `spread` ms.
void Fortress_Thud(int spread);
void Fortress_Hall_Block(int f_rate);  // episode 3 scene 22
void Fortress_Vault_Block(int f_rate); // episode 3 scene 23
void Trench_Targets_Block(int f_rate); // episode 3 scene 24
void Depot_Targets_Block(int f_rate);  // episode 3 scene 25

// ---- Short story scenes of episode 1 (scenes 125 to 136) ----

// The vignette of the current scene, when it is one of the twelve.
void Vignette_Block(int f_rate);

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Story_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    b[111] = Fortress_Hall_Block;
    b[112] = Fortress_Vault_Block;
    b[113] = Trench_Targets_Block;
    b[114] = Depot_Targets_Block;
    b[115] = Act4_Camp_Block;
    for (int n = 116; n <= 124; ++n) b[n] = Vignette_Block;  // scenes 125-128, 132-136
    for (int n = 126; n <= 128; ++n) b[n] = Vignette_Block;  // scenes 129-131
    b[129] = Act1_Camp_Block;
}
