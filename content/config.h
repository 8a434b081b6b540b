// The configuration file data/save/varnoth.cfg: volumes and video settings.
#pragma once

// Reads the configuration, or chooses defaults from the desktop size when there is none.
void LoadCFG();
// First run: the screen size by the desktop's shape (4:3, 16:10, 5:3); any other shape keeps it.
void Size_From_Desktop(int horizontal, int vertical);
// Writes the configuration (through a temporary file, so a failed write loses nothing).
void SaveCFG();

inline const char* const CFG_PATH = "data/save/varnoth.cfg";
