// Start-up and shutdown of the program.
#pragma once

// Allocates the three record arrays and zero-fills them and the animation sheets.
void Allocate_Records();
// Frees the texture-name array and the three record arrays, each if present.
void Free_Records();

int WinMain();

// One loading frame: draws a whole frame, swaps, serves one message, shows loading step k.
void Loading_Frame(int k);
// What runs before the entry point: the zoom and the audio device.
void Static_Start();
