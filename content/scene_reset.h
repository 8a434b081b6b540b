// The reset of transient play state at every scene load: pending keys, sound requests,
// timers, cut-scene steps, selections and the per-type lists go back to fixed values.
// Persistent progress (inventory, experience, missions, medals, cards, the clock) is left.
#pragma once

// Fills cos_table with the cosines of 0, 0.0785, 0.157, ... below 1.57 (20 entries).
void Fill_Cos_Table();

// First block, run after the scene's files are read and before its objects: the cosine
// table on the title scene, the effects, the constants, the music presets, the ambient
// loops, the weather, the mission counts and the rain schedule. Reads the globals
// `episode`, `scene` and `Level` of the scene being loaded.
void Reset_Play_State();

// Second block, run after the music presets: the camera, morgue, trigger, patrol-group,
// player, light and bullet-hole lists, the light grid and the area-map marker text.
void Reset_Scene_Lists();
