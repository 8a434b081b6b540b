// The scene loader: turns a scene's files into a running scene.
#pragma once

#include "common/records.h"

// Bookkeeping of the loads.
inline sString temp_string;          // "scene/episode%i/scene%i" of the scene being loaded
inline int old_episode = 0;          // the scene loaded last
inline int old_scene = 0;
inline int old_game_mode = 0;        // its game_mode
inline int old_health = 0;           // the player's hit points when a walk scene was left
inline int last_spawn = -1;          // current_spawn as it stood when the load began
inline bool has_all_furniture = false;
inline int original_no_sprites = 0;  // no_sprites as read from the scene's object file
inline int follow_x = 0;             // the player's cell, for the followers
inline int follow_y = 0;
inline char tent_objects[100];       // tent furniture 0 to 21: 0 none, 1 just banked, 2 owned
constexpr int TENT_PIECES = 22;      // entries of tent_objects in use

// Loads episode e scene s; delete_textures frees the previous scene's textures once the
// new ones have loaded. False when the texture list or the dialogue lines failed.
bool LoadScene(int e, int s, bool delete_textures);
