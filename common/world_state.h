// World state shared by every subsystem: the three record arrays, the scene grids,
// scene points, texture slots and the camera.
#pragma once

#include "common/records.h"

// The record arrays, allocated once at start-up (Allocate_Records) and freed at shutdown.
inline object* sprite = nullptr; // 750 world and front-end objects of the scene
inline object* hud = nullptr;    // 75 HUD items of the HUD layout
inline object* Fx = nullptr;     // 250 effects and dropped items
inline int no_sprites = 0;
inline int hud_no_sprites = 0;
inline int no_fx = 0;

// Animation sheets.
inline animation_texture a_texture[MAX_ANIM_SHEETS];
inline int g_fx_id = 0;

// Texture slots of the scene's texture list.
inline unsigned int* texID = nullptr;   // OpenGL texture names by slot
inline int numsubmtls = 0;              // slot count
inline int texture_fx[MAX_TEXTURE_SLOTS];   // drawing kind by slot
inline int animation_fx[MAX_TEXTURE_SLOTS]; // animation sheet by slot

// The scene grids: at most 150 by 150 cells, 10 cells per world unit.
inline int MAP_WIDTH = 150;
inline int MAP_HEIGHT = 150;
inline int MAP_TILES = 22500;
inline float map_startX = 0.0f;
inline float map_startY = 0.0f;
inline int tiles[MAX_MAP * MAX_MAP];
inline char map_col[MAX_MAP * MAX_MAP];
inline bool map_set[MAX_MAP * MAX_MAP];
inline int map_light[MAX_MAP * MAX_MAP];
inline int blackness[MAX_MAP * MAX_MAP];

// Scene points and path nodes.
inline a_point points[MAX_POINTS];
inline int no_points = 0;
inline a_point nodes[MAX_NODES];
inline int no_nodes = 0;

// Camera: minus the world point at the centre of the view.
inline float camX = 0.0f;
inline float camY = 0.0f;

// The player's sprite index, -1 for none.
inline int p1_id = -1;

// Text slots.
inline font counter[TEXT_SLOTS];
