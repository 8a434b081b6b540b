// HUD and start texts at scene load: the HUD layout for the kind of scene, its shift by
// screen shape, the visible HUD set, the fixed text slots, key frames, fades and the
// centred cine texts.
#pragma once

// Sizes remembered from the HUD layout.
inline float bullet_start_y = 0.0f;
inline float bullet_bottom_y = 0.0f;
inline float exp_width = 0.0f;

// Key frames of the scene.
inline int cur_keyframe = 0;
inline int target_frame = 0;

// The HUD layout of every scene with a HUD.
constexpr const char* HUD_LAYOUT_PATH = "scene/episode0/scene3.dat";

// Loads and arranges the HUD for the scene's game_mode and g_type.
void Setup_Scene_Hud();
// Key frames, fades, cine texts, the start text and the fixed text slots.
void Setup_Scene_Start();
