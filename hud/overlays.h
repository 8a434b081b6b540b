// The once-per-frame HUD reactions to the pointer: exit labels, the quit and stats buttons,
// the confirmation box with its volume sliders, the bar, portrait and stat tooltips, and
// the inventory grid (hud/inventory_screen.h).
#pragma once

#include "hud/item_names.h"  // Hud_Check, Message_Limits, Reset_Hud_Stat, msg_left

inline float testX = 0.0f;   // the HUD pointer plus the camera, this frame
inline float testY = 0.0f;

// HUD items used by the overlays.
enum : int {
    HUD_CONFIRM_BOX = 2,
    HUD_RADAR = 3,
    HUD_TOOLTIP_BOX = 6,
    HUD_GENERAL = 37,
    HUD_YES = 40,
    HUD_NO = 41,
    HUD_SFX_SLIDER = 42,
    HUD_MUSIC_SLIDER = 43,
    HUD_QUIT_BUTTON = 46,
    HUD_STATS_BUTTON = 33
};

// Runs every reaction of the frame in order; called once per main tick.
void Hud_Overlays();
// The name label of the exit or ladder under the pointer, or nullptr for a sector without
// one. Two-line labels are those for which Exit_Label_Two_Lines is true.
const char* Exit_Label(int sector);
bool Exit_Label_Two_Lines(int sector);
// Kept for game mode 1; nothing to do.
void Time_conversion();
