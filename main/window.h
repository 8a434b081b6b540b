// The game window, its OpenGL context, the projection and the screen modes.
#pragma once

bool CreateGLWindow(const char* title, int width, int height, int bits, bool fullscreenflag);
void KillGLWindow();
void ReSizeGLScene(int width, int height);
void InitGL();
void Zoom(float fzoom);
void Set_Screen_Ratio();
void GetDesktopResolution(int& horizontal, int& vertical);
// A size that makes a usable window: at least the smallest screen mode, within the desktop.
bool Usable_Window_Size(int width, int height);
// After the configuration is read again at start-up: the size and mode of the window in use
// are the ones kept (and saved), not the stored ones the window creation had to replace.
void Keep_Window_Mode();

// The colour depth of the first window creation of the run; later creations keep it.
inline int pixel_format_bits = 0;
