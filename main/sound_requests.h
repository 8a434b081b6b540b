// Sound requests: every raised _sfx flag (common/sound_requests.h) plays its sound once in
// the next tick that serves requests, and is cleared there.
#pragma once

// The sound-request step of the main tick: plays, starts or stops the sounds of every raised
// request in a fixed order and clears the request. Requests marked held wait while the
// player is dead.
void Run_Sound_Requests();
