// The scene's dialogue lines (scene/episode<E>/scene<S>.txt) and the reset of the text
// slots at every scene load.
#pragma once

#include "common/records.h"

// Reads sfilename + ".txt" into the dialogue-line tables and lays out the text slots.
// False (after the box "Couldn't load sceneX.txt") when the file is missing or refused.
bool LoadText(sString sfilename);
