// A headless OpenGL context for tests.
//
// Test_GL_Context(w, h) starts the video (the offscreen driver unless SDL_VIDEODRIVER says
// otherwise), opens a w x h window and makes a current OpenGL 1.1-capable context on it
// (Mesa llvmpipe under the offscreen driver), through the platform layer as the game does.
// Close_Test_GL_Context() deletes the context and the window; it is safe to call twice.
// Read_Test_Pixels reads an area of the back buffer as RGBA bytes, bottom row first.
#pragma once

#include <cstdint>
#include <vector>

bool Test_GL_Context(int width, int height);
void Close_Test_GL_Context();
std::vector<uint8_t> Read_Test_Pixels(int x, int y, int width, int height);
