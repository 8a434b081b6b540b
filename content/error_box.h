// The error box the loaders show when a content file cannot be read.
#pragma once

#include "platform/platform.h"

// Shows `text` in a box captioned "ERROR" with an OK button and the exclamation icon.
inline void Error_Box(const char* text) {
    platform::MessageBox(text, "ERROR", platform::MB_OK | platform::MB_ICONEXCLAMATION);
}
