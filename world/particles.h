// Particles: small bursts of effects made from one game event.
#pragma once

// A bullet impact near (x, y): a splash on water, a gas cloud for a gas shot, else a
// ricochet puff with dust. Nothing without a player unit or off the map.
void Create_Dust_Effect(float x, float y, bool is_shotgun);
// Splinters over crate sprite guy_shot.
void Create_Crate_Effect(int guy_shot);
// One explosion burst over sprite guy_shot, with a short camera shake and its sound.
void Create_Explosion(int guy_shot);
// Three fragments with their shadows thrown from (x1, y1).
void Create_Frag_Effect(float x1, float y1);
// Four body parts with their shadows thrown from the collision-box centre of sprite index.
void Create_Gibs_Effect(int index);
// One drifting star at (x1, y1), size by size, from texture slot tex_id.
void Create_Star_Effect(float x1, float y1, float size, int tex_id);
