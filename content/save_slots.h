// Save slots: the player's progress in data/save/savefile<N>.sav.
#pragma once

// Writes the progress to name + ".sav".
bool SaveLevel(const char* name);
