// Small checked accessors the level events use on the running scene's records and the
// story state: an index outside the scene, the flags or the missions is left alone.
#pragma once

#include <initializer_list>

#include "common/records.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "scripts/level_helpers.h"
#include "world/animate.h"
#include "world/collision.h"

// A sprite of the running scene.
inline bool In_Level(int k) { return sprite && k >= 0 && k < no_sprites && k < MAX_SPRITES; }
// Story flag i (0 for an index outside the flags).
inline int Story_Flag(int i) { return i >= 0 && i < 100 ? global_objects[i] : 0; }
inline void Set_Story_Flag(int i, int v) {
    if (i >= 0 && i < 100) global_objects[i] = (char)v;
}
// State of mission m (0 for an index outside the missions).
inline int Mission_State(int m) { return m >= 0 && m < 25 ? main_mission[m] : 0; }
inline bool Mission_Accepted(int m) { return Mission_State(m) == 2; }
// The current main mission is accomplished and not yet reported.
inline bool Main_Accomplished() { return current_main >= 0 && Mission_State(current_main) == 1; }

inline void Set_Moving(int k, bool v) {
    if (In_Level(k)) sprite[k].moving = v;
}
inline void Set_Mouseover(int k, bool v) {
    if (In_Level(k)) sprite[k].mouseover = v;
}
inline void Set_Grab(int k, bool v) {
    if (In_Level(k)) sprite[k].grab_switch = v;
}
// Footprint cleared (true) or stamped (false).
inline void Footprint(int k, bool clear) {
    if (In_Level(k)) Generate_Object_Collision(k, clear);
}
// Animation base_anim + offset of sprite k.
inline void Play_Anim(int k, int offset, int state, bool reset) {
    if (In_Level(k)) Set_Sprite(k, sprite[k].base_anim + offset, state, ANIM_ARRAY_SPRITE, reset);
}
inline void Clear_Points(std::initializer_list<int> ks) {
    for (int k : ks) Set_Objective_Marker(k, false);
}
// Hidden look: alpha 0, disarmed, footprint cleared; shown look: alpha 1, armed, stamped.
inline void Hidden_Look(int k) {
    if (!In_Level(k)) return;
    sprite[k].alpha = 0.0f;
    sprite[k].grab_switch = false;
    Generate_Object_Collision(k, true);
}
inline void Shown_Look(int k) {
    if (!In_Level(k)) return;
    sprite[k].alpha = 1.0f;
    sprite[k].grab_switch = true;
    Generate_Object_Collision(k, false);
}
