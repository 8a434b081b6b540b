// Music tracks: each scene's music starts, crossfades and stops by its track states.
#pragma once

void Run_Music();
// Stops the title music stream.
void Stop_End_Snd();
