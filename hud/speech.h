// Speech-bubble messages: one bubble at a time over a speaker (HUD item 2, text slot 4),
// lasting 100 ms per character and at least 2000 ms.
#pragma once

inline int dialog_active = -1;     // sprite index of the bubble's speaker; -1 none
inline int dialog_timer = 0;       // time at which the speech bubble ends
inline int message_length = 0;     // characters of the bubble text
inline bool msg_offset = false;    // shift the bubble right of the speaker

// Number of message ids: 0 to MESSAGE_COUNT - 1.
constexpr int MESSAGE_COUNT = 142;

// Shows message `message` over sprite `index` (-1 or above 749: no speaker).
void Display_Message(int index, int message);
// Keeps the bubble and its text over its speaker; ends it when the speaker has just been killed.
void Help_Limits();
// Starts a HUD text line of the scene's dialogue (text slot 4).
void DisplayText(int ignored, int group, int line, bool reset, int value);
