// Keyboard handler: text entry, movement flags, weapon keys, the perk and pause pages, the
// full-screen toggle and the timing line.
#pragma once

#include "common/records.h"

// Turns the held keys into game actions once per frame. display is the sprite array and
// f_rate the milliseconds since the previous call (neither is read). Returns 0 when the
// window could not be re-created after F1 (the remaining keys wait for the next call),
// else 1.
int Key_Handler(bool* keys, object* display, int f_rate);
// Leaves a running level for the pause page (episode 1 scene 53), saving the open slot
// first in a walk scene outside episode 0. The argument is not read.
void Quit_Code(bool quit_active);

// The control scheme: false mouse and keyboard (W, A, S, D walk, Space or a click fires),
// true mouse only. Kept in the save slot.
inline bool CONTROL_SCHEME = false;

// The text field: at most input_cap characters are typed into lvl_text (12 at start; the
// player-name page sets 7). The buffer bounds it as well.
inline int input_cap = 12;
inline bool shift_key = false;   // Shift held during this call
inline bool capital_key = false; // Caps Lock on during this call

// Permission to cycle back to a lost mission from the tent; leaving for the pause page
// clears it.
inline bool activate_bicycle = false;
