// Unit movement: one frame of walking toward a waypoint with the collision grid kept in
// step, and the random patrol walk of an idle unit of the player's side.
#pragma once

// Advances walking unit `loop` one frame toward (x_pos, y_pos) (its waypoint).
void Moving_Code(int loop, float x_pos, float y_pos, int f_rate);
// Sends idle unit `loop` to a random patrol point of the scene; nothing without patrol points.
void NPC_Walk(int loop);

// The keyboard player's momentum: caps his walking speed so he coasts to a stop.
inline float ply_accel = 0.0f;
