// State that the content readers fill and that the rest of the game reads: the dialogue
// lines of the scene, the bottle count of its tile map, the scene header's values that
// only the loader and its readers keep, and the message-box geometry of the HUD layout.
// The story state the readers only read is declared in common/story_state.h.
#pragma once

#include "common/records.h"

// Limits of the dialogue-lines file.
constexpr int MAX_TEXT_LINES = 30;   // lines of a scene
constexpr int MAX_TEXT_GROUPS = 30;  // groups of a scene
constexpr int MAX_GROUP_ENTRIES = 30;

// Dialogue lines of the scene (scene/episode<E>/scene<S>.txt).
inline int multi_txt[MAX_TEXT_GROUPS];                          // entries of each group
inline int multi_frames[MAX_TEXT_GROUPS][MAX_GROUP_ENTRIES];    // line numbers per group
inline int hud_face_id[MAX_TEXT_LINES];                         // speaker code per line
inline sString hud_text_A[MAX_TEXT_LINES];                      // first token per line
inline sString hud_text_B[MAX_TEXT_LINES];                      // second token per line

// The cut-scene text slots, reset with the counters at every text load.
inline font cine_text[TEXT_SLOTS];

// Tile map.
inline int total_no_bottles = 0;     // bottle tiles (502 and 504) in the map

// Scene header kept only by the loader (no other code reads it).
inline int no_of_keyframes = 0;

// Message-box geometry, copied from HUD item 2 of the HUD layout.
inline float message_x = 0.0f;
inline float message_y = 0.0f;
inline float message_width = 0.0f;
inline float message_height = 0.0f;
