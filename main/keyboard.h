// Keyboard handler: text entry, movement flags, weapon keys, pause, full screen.
#pragma once

#include "common/records.h"

int Key_Handler(bool* keys, object* display, int f_rate);
