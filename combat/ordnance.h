// Explosions, thrown grenades, and the per-frame ground check of a unit: mud, armed mine
// tiles, the unit's return into view and its visibility by day.
#pragma once

// Blast kinds passed to Shell_Landed.
enum : int {
    BLAST_KIND_GRENADE = 28,   // an exploding grenade
    BLAST_KIND_SPREAD = 32,    // the shotgun's spread: hits only, no explosion
    BLAST_KIND_ROUND = 46,     // an incoming mortar round
    BLAST_KIND_GENERAL = -1    // barrels, mines, bombs and scripted blasts
};

// Resolves one explosion at world point (x, y): hits the units, unit-like objects, doors and
// containers within reach through Man_Shot, then (except for the spread) shows the blast,
// lights it for 250 ms and shakes the camera when it is near. f_rate is handed to Man_Shot.
void Shell_Landed(float x, float y, int shooter, int f_rate, int type);
// A general explosion at (bomb_tar_x, bomb_tar_y) set off by the_guy (-1 none).
void Bomb_Run(float bomb_tar_x, float bomb_tar_y, int the_guy, int f_rate);
// Unit `index` throws a grenade at sprite `target`.
void Throw_Grenade(int index, int target);
// The per-frame ground check of unit j (dead or alive), run before its other AI work.
void Run_Mud_Check(int j);
// Gibs of a shot: nothing happens.
void Run_Gibs(int guy_shooting, int guy_shot, int f_rate);
// The player's special attack: nothing sets it, so it does nothing.
void Special_Attack(int type);
