// Helpers shared by the camp screens (tent, tunnel map, card albums, medal box, statistics
// screen): the hover test on a button's collision box, the tooltip slot with its box codes,
// the four kinds of hover-sound latch, the highlight animation and leaving by scene request.
// Every camp screen can use them; they keep no state of their own.
#pragma once

#include "common/records.h"

// Box codes of the tooltip's backing box (counter[5].length).
enum : int { BOX_ONE_LINE = 0, BOX_TWO_LINES = 1, BOX_THREE_LINES = 2, BOX_MEDAL_FEATS = 4 };

// The pointer lies strictly inside the collision box of o (w < mouseX < w + box_width and
// z < mouseY < z + box_height). Visibility is not tested.
bool Camp_Hover(const object& o);
// Same for sprite index i; false for an index outside the sprite array.
bool Camp_Hover_Sprite(int i);

// Writes caption into the tooltip slot counter[5] (formatted printing is the caller's; the
// caption is copied as it stands, cut to the slot's size), its box code and msg_left.
void Camp_Tooltip(const char* caption, int box_code, bool left);
// Empties the tooltip text.
void Camp_Blank_Tooltip();

// Hover-sound latches: each raises radio_sfx once per entry of the pointer onto a button.
// A global flag: set on entry (sound), cleared while not hovered.
void Hover_Latch_Flag(bool hovered, bool& latch);
// The sprite's own grab_switch used inverted: on entry, when true, it is cleared (sound);
// set true again while not hovered.
void Hover_Latch_Grab_Switch(bool hovered, int i);
// The sprite's selected flag: raised on entry (sound), cleared while not hovered.
void Hover_Latch_Selected(bool hovered, int i);
// The button's animation: on hover, the sound is raised when the sprite's current anim is
// 0 (call before switching on the highlight). Nothing while not hovered.
void Hover_Latch_Anim(bool hovered, int i);

// Highlight: hovered starts animation 1 on sprite i (looping), not hovered animation 0.
void Camp_Highlight(int i, bool hovered);

// A page button (album, medal layer): highlight while hovered, the hover latch when one is
// given (as Hover_Latch_Flag), its caption; returns whether it was clicked (the click sound
// is raised and the click used up).
bool Camp_Page_Button(int i, const char* caption, int box_code, bool* latch = nullptr);

// Flashing: every sprite whose flash_timer is not 0 blinks (alpha toggles, with a star effect
// of size 0.1 or 0.15 and texture slot star_texture at its centre) whenever the clock passes
// toggle_timer, which then moves on by 150 ms; once the clock passes its flash_timer the
// sprite ends visible and its flash_timer returns to 0.
void Camp_Flashing(int& toggle_timer, int star_texture);

// Leaving: episode, scene, current_spawn (when spawn is not CAMP_NO_SPAWN) and next_scene.
constexpr int CAMP_NO_SPAWN = -9999;
void Camp_Leave(int e, int s, int spawn = CAMP_NO_SPAWN);

// The hub of the current act (Act_Hub_Scene) and the burning-camp rule (Burning_Camp_Instead)
// are the scripts' own, in scripts/script_frame.h.
