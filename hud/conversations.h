// Portrait conversations of the front-end dialogue scenes: portraits slide in, lines show
// one at a time in text slots 0 and 1, yes/no questions through `decision`.
#pragma once

inline bool front_flipped = false;  // the two speakers' sides are swapped
inline float hud_start_x = 0.0f;    // resting x of the left portrait
inline float hud_start_x1 = 0.0f;   // resting x of the right portrait

// One tick of conversation `type`; f_rate is the milliseconds since the previous tick.
void Display_Front_Message(int type, int f_rate);
// Whether conversation `type` on the current Level swaps its speakers' sides.
bool Conversation_Flipped(int type);
