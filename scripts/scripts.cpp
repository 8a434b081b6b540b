// The routine itself and the tools its blocks share are in scripts/script_frame.cpp and
// scripts/level_helpers.cpp; this file keeps the globals header compiled on its own.
#include "scripts/scripts.h"
