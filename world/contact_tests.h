// Contact tests, run by the unit AI once per frame: effects that set off gas clouds, hazards
// and projectiles that hit units, the player reaching the object he walked to, and units
// entering triggers, ladders and holes. Distances are Node_Distance between the centres of
// the collision boxes.
#pragma once

// Effect loop (a fire of kind 32 or 36) against every other effect: a gas cloud it touches
// explodes, and both are spent.
void Test_Fx_to_Fx(int loop, int f_rate);
// Unit loop against every effect: fire and gas hurt it at most every 200 ms, and a bullet of
// another side hits it.
void Test_Sprite_to_Fx(int loop, int f_rate);
// The player loop against the object target he walks to: on arrival he stops, and an OBJ
// acts by its kind (messages, switches, lamps, scene changes, the medic).
void Test_sprite_to_Obj(int loop, int target);
// Unit loop against the scene's triggers, ladders and switches.
void Test_sprite_to_trigger(int loop);

// Effect kinds that the contact tests read.
enum : int {
    FX_BULLET = 1,       // a projectile that hits
    FX_SHELL = 25,       // a projectile that is only spent
    FX_IMPACT = 26,      // the impact overlay on a hit unit
    FX_FLAME = 32,       // fire that hurts
    FX_FIRE = 36,        // fire of the fire rounds
    FX_GAS = 37          // a gas cloud
};
// The hit kind Man_Shot receives for a hazard effect kind (11 and 12 fire, 13 gas); 0 for
// a kind that is no hazard.
int Hazard_Hit_Kind(int fx_kind);

