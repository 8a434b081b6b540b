// Internal to the platform layer: the SDL objects the window code owns, for the message
// and message-box code beside it. Not for game code (it names SDL types).
#pragma once

#include <SDL2/SDL.h>

namespace platform {

SDL_Window* GameSDLWindow();      // the game window, or null
bool DisplayAvailable();          // a real screen exists (not the offscreen or dummy driver)

} // namespace platform
