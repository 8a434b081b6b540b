// Music tracks: each scene's music starts, crossfades and stops by its track states
// (common/sound_requests.h; end_sfx in main/messages.h). Other code writes a state and the
// music step of the main tick turns it into calls on the track's stream.
#pragma once

// The music step of the main tick: normalises the music volume, runs one crossfade step
// when due and serves every track's state.
void Run_Music();
// Stops the title music stream.
void Stop_End_Snd();
