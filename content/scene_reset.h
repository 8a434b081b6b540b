// The reset of transient play state at every scene load: pending keys, sound requests,
// timers, cut-scene steps, selections and the per-type lists go back to fixed values.
// Persistent progress (inventory, experience, missions, medals, cards, the clock) is left.
#pragma once

// Values the reset puts back at every load that nothing else in the game reads: the reset's
// list of fixed values names them, so they stay with it (the scene header's shake setting and
// the HUD's start stamp are written by the loader, read by it alone).
inline int cpu_saving = -1;
inline int build_tent = -1;
inline int build_barracks = -1;
inline int build_range = -1;
inline int build_mgun = -1;
inline int selection = 0;
inline bool help_text = false;
inline int start_timer = 0;
inline bool stop_death_sounds = false;
inline int special_count = 0;
inline int special_attack_timer = 0;
inline int cam_list[4] = {-1, -1, -1, -1};
inline int morgue_list[4] = {-1, -1, -1, -1};
inline int scene_shake = 0;          // screen shake setting

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
