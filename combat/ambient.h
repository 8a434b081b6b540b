// Life of the non-combat objects during the AI step's walk of the object list: night light,
// released bodies, light gathering, danger music, dancers, birds and critters, front-end
// movers, scrolling textures, cut objects and selected objects. loop is the sprite index.
#pragma once

inline float music_danger_distance = 0.0f;  // distance to the last danger box looked at
inline int hud_face = 0;                    // face shown by the HUD during a cut-scene, 0 none

// Night alpha, released bodies, light counting and lists, danger music, dancers, birds, critters.
void Ambient_Objects(int loop, int f_rate);
// Front-end movers.
void Ambient_Movers(int loop, int f_rate);
// Scrollers, cut objects, selected objects.
void Ambient_Scroll_Cut_Select(int loop, int f_rate);
