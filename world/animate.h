// Animation playback of sprites, HUD items and effects.
#pragma once

#include "common/records.h"

// The array a Set_Sprite call addresses.
enum : int { ANIM_ARRAY_SPRITE = 0, ANIM_ARRAY_HUD = 1, ANIM_ARRAY_FX = 2 };

inline bool animate_sprites = false; // world sprites and effects animate (set at every scene load)
inline float rythm_delay = 1.0f;     // divides the frame delays of a rythm sheet (HUD records)

// Starts animation anim on record id of array hud_or_sprite (ANIM_ARRAY_*) in playback mode
// state (ANIM_*). The same animation without reset changes nothing on a sprite or effect.
// A record whose sheet or animation lies outside the sheets is left alone.
void Set_Sprite(int id, int anim, int state, int hud_or_sprite, bool reset);
// Advances every due record by one step: HUD items always, visible sprites and effects
// while sprites animate.
void Animate();

// The frame list entry of (anim, cur) of the record's sheet, or -1 when the record's sheet,
// animation or step lies outside the sheets.
int Anim_Frame_Of(const object& o);
