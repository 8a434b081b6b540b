// The per-tick scene scripts.
#pragma once

// Runs every guarded block whose guards match the current episode, scene and state.
void Run_Scripts(int ms);
