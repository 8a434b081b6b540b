// The scene-wide and player chores that open each AI step: camera follow, effect contacts,
// the alarm, party power, healing, medals, tunnels, mission outcome, the grenade throw and the
// end of a reload, the turn clock, chained explosions, spawning by distance, the scripted
// camera path and expiring light points.
#pragma once

#include "combat/movement.h"  // ply_accel
#include "combat/unit_ai.h"   // range_timer

inline float camDistance = 0.0f;   // distance from the camera to its follow target
inline int cam_speed = 0;          // speed of the scripted camera path: 0 slow, 1, 2 fast
inline int speed_timer = 0;        // next speed-trail puff of the full-health player
inline int ply_reload_timer = 0;   // end of the player's reload
inline int reload_count = 0;       // next tick sound of a running reload
inline bool party_power = false;   // three health kits and full health
inline int healup_addition = 100;  // current interval between two healed points, ms

// Hooks of the AI step that have nothing to do in this game: a search for the node closest
// to a unit and the orders of a group of units. Both are called where the step has them.
void Get_Closest_Node(int unit);
void Group_Command();

// The upkeep part of AI(f_rate); runs before the object list is walked.
void AI_Upkeep(int f_rate);
