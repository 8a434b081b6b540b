// The game window, its OpenGL context, the projection and the screen modes.
#pragma once

bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag);
void KillGLWindow();
void ReSizeGLScene(int width, int height);
void InitGL();
void Zoom(float fzoom);
void Set_Screen_Ratio();
void GetDesktopResolution(int& horizontal, int& vertical);

// The colour depth of the first window creation of the run; later creations keep it.
inline int pixel_format_bits = 0;
