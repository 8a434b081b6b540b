// State the content readers read or set that other parts of the game keep: the player's
// character, the act, night, story flags, the album and page choices, and the scene
// header values shared with the music, countdown and camera code. Each stands here until
// its owner declares it in its own header; then the line here gives way to an include of
// that header.
#pragma once

#include "common/game_state.h"
#include "main/tick_services.h"    // in_dungeon
#include "render/render_inputs.h"  // global_objects, player_type, g_type
#include "world/world_clock.h"      // daytime

// ---- Progress ----
inline int current_char = 0;       // the player's character 0, 1 or 2
inline int current_act = 1;        // 1 to 4
inline int global_cards[48];       // album counts of the cards
inline int card_selected = 0;      // card last hovered, numbered from 1

// ---- Camp pages and the stats return ----
inline int stats_episode = 0;      // scene the stats and perk pages return to
inline int stats_scene = 0;
inline int tunnel_page = 1;        // tunnel network shown: 1 beach, 2 village, 3 farmland
inline int medal_page = 1;         // medal layer shown, 1 to 3
inline int card_page = 1;          // card album page shown, 1 to 4

// ---- Scene header (object file) ----
inline int game_time = 0;          // scene countdown in seconds; 0 none
inline int scene_shake = 0;        // screen shake setting
inline int music_loop = 0;         // music selection of the scene
