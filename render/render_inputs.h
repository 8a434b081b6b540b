// State the drawing code reads that other parts of the game keep: the world clock and the
// light sources, the weather, the player's flags, the story flags, the radar's lists and the
// map markers. Each stands here until its owner declares it in its own header; then the line
// here gives way to an include of that header.
#pragma once

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"  // draw_light_count, red_swipe, msg_fx, arrow_flash
#include "combat/combat.h"    // ply_dead
#include "world/sprite_construction.h"  // player_list, player_counter

// ---- World clock, light and weather ----
#include "world/world_clock.h"   // Light_Level, rain_angle
// cos(k * 0.0785) for k = 0..19; the boot scene's load fills it again.
inline float cos_table[20] = {1.0000000f, 0.9969205f, 0.9877008f, 0.9723978f, 0.9511057f,
                              0.9239557f, 0.8911150f, 0.8527858f, 0.8092042f, 0.7606386f,
                              0.7073883f, 0.6497810f, 0.5881717f, 0.5229398f, 0.4544871f,
                              0.3832351f, 0.3096228f, 0.2341035f, 0.1571423f, 0.0792133f};

// ---- Light sources of the AI step ----
inline int draw_light_list[50];      // sprites that give light now (count: draw_light_count)

// ---- Scene header and area flags ----
inline int g_type = 0;               // scene type (scene_type::)
inline bool is_a_stealth_mission = false;

// ---- Player flags ----
inline bool bump_player = false;     // the player's sprite is drawn slightly enlarged
inline bool start_healing = false;   // the player's hit tint is green while healing
inline int player_type = 0;          // the player's side

// ---- Radar ----
inline bool radar_on = false;
inline bool map_stat = false;        // the radar is hidden while set
inline int swipe_color = 4;          // colour of the full-screen flash: 1 red, 3 green, 4 white
inline int map_pnt_list[20];         // marker points of the scene
inline int map_pnt_counter = 0;

// ---- Story state ----
inline char global_objects[100];     // story flags 0/1
inline int main_mission[25];         // 0 not given, 2 accepted, 1 accomplished, 3 reported
inline int current_main = 0;         // index of the current main mission
