// Game state shared across subsystems: modes, scene numbers, fades, requests and the clock.
#pragma once

// game_mode codes
enum : int { MODE_NORM = 0, MODE_GAME = 1, MODE_CINE = 2, MODE_WALK = 3, MODE_FRONT = 4, MODE_WORLD = 5 };

inline bool done = false;          // leave the frame loop
inline int game_mode = 0;
inline int episode = 0;
inline int scene = 0;
inline int Level = 0;
inline int current_spawn = -1;
inline bool next_scene = false;    // a scene change is requested
inline int next_scene_delay = 0;   // time stamp at which next_scene is raised; 0 none

// Fades (scene transition)
inline float fade = 0.0f;
inline float cos_fade = 0.0f;
inline int c_fade_in = 0;
inline int c_fade_out = 0;
inline int fade_in = 0;
inline int fade_out = 0;
inline int fade_timer = 0;

// Drawing handshake with the frame loop
inline int render_sequence = 0;
inline int double_main_code = 0;
inline float shake = 0.0f;

// Modal box and quitting
inline bool quit_active = false;
inline bool quitting = false;
inline int quit_timer = 0;
inline bool text_select = false;

// Game clock
inline int seconds = 0;
inline int minutes = 0;
inline int hours = 0;
inline int player_seconds = 0;
inline int player_minutes = 0;
inline int player_hours = 0;
inline bool has_been_paid = false;

// Screen and view (window code)
inline bool fullscreen = true;
inline int sc_width = 1024;
inline int sc_height = 768;
inline int sc_bits = 32;
inline int new_sc_width = 1024;
inline int new_sc_height = 768;
inline float sc_ratio = 0.75f;
inline int screen_mode = 0;
inline float ZOOM_AMOUNT = 1.0f;
inline float zoom_factor = 1.0f;
inline float org_zoom_factor = 1.0f;
inline int saved_window_posX = 0;
inline int saved_window_posY = 0;
inline int horizontal = 0;
inline int vertical = 0;

// Configuration
inline float music_volume = 0.4f;
inline float sfx_volume = 0.3f;
inline int sc_render_rate = 1;
inline bool sc_blur = false;

// Area flag of the current scene (set from the level table at each load).
inline bool in_dungeon = false;
