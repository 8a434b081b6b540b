// The shooting gallery: target figures pop up in waves from the scene's wave script, aim and
// shoot at the player, who shoots back with the mouse, reloads with the right button, takes
// bonus items, breaks props and, in three scenes, fights a boss; plus the clay-pigeon shoot.
#pragma once

#include "camp/gallery_waves.h"

// One tick of the gallery; ms is the milliseconds since the previous main tick.
void Run_Gallery(int ms);
// The clip icons (sprites 17 and 18) by the rounds left.
void Calculate_Gallery_Bullets();
// The player's life bar (sprite 21) and the boss bar of the scenes that have one.
void Calculate_Gallery_Lifebar();
// The player's face (sprite 20) by its status, health and reload.
void Hud_Face_Unit_Gallery();

// The gallery scene (0 to 15) and level (1 to 4) of the running scene, set on entry.
inline int gallery_scene = 0;
inline int Gallery_Level = 0;

// The gun.
inline int gallery_clip = 0;             // rounds in the clip
inline int gallery_player_damage = 10;   // damage per hit on a target
inline bool gallery_reloading = false;
inline int gallery_reload_timer = 0;     // due time of the end of the reload

// The waves.
inline int gallery_timer = 0;            // due time of the next release
inline int gallery_pause_count = 0;      // current hold point
inline bool gallery_paused = false;
inline int targets_killed = 0;
inline int the_sprite = 0;               // the target being released
inline bool gallery_finished = false;

// The bars and the cannon of the boss scenes.
inline float boss_health_width = 0.0f;     // full width of the boss bar
inline float gallery_health_width = 0.0f;  // full width of the life bar
inline int cannon_timer = 0;
inline float start_33_x = 0.0f, start_33_y = 0.0f;  // start positions of the cannon balls
inline float start_34_x = 0.0f, start_34_y = 0.0f;
inline float start_35_x = 0.0f, start_35_y = 0.0f;

// Motion and blinking.
inline float deck_angle = 0.0f;   // sway of the deck (level 1)
inline bool vibrate = false;      // sign of the next shake step (level 3)
inline bool flashing = false;     // dying targets are shown while set
inline int my_flash_timer = 0;

// The clay pigeons (level 4). targets_shot and pigeon_round run over a whole round of four
// scenes; the scene scripts reset them before a shoot.
inline bool pigeon_mode = false;
inline bool pigeon_launched = false;
inline int pigeon_timer = 0;
inline int pigeon_round = 0;
inline int targets_shot = 0;      // pigeons hit
inline float Xspeed1 = 0.0f, Xspeed2 = 0.0f, Xspeed3 = 0.0f;  // sideways, per ms
inline float Yspeed1 = 0.0f, Yspeed2 = 0.0f, Yspeed3 = 0.0f;  // lift, per ms
