// Target choice and firing: a unit picks its target, turns to it and settles one shot.
#pragma once

// Whether the player fired both barrels of the double-barrelled shotgun with this shot.
inline bool double_shot = false;
// The player's firing range with a loaded weapon.
inline float p1_range = 0.52f;
// A network game: enemies choose no targets of their own.
inline bool lan_game = false;

// Chooses the target of unit loop this frame, turns it and fires once it faces the target.
void Shoot_Test(int loop, int f_rate);
// Settles one shot of no_test from (x1, y1) at the aimed point (x2, y2); hulk turns the hit
// into a small blast. True when a sprite at the aimed point was engaged.
bool TestSpriteToShoot(int no_test, float x1, float y1, float x2, float y2, bool hulk, int target_id,
                       int f_rate);
// The rounds one shot of the player's equipped weapon uses (grenades, pistols, rifles,
// shotguns with the double barrel, machine guns), the first slot of a two-slot weapon
// counting down with it; then the noise of the shot, or, when the weapon turned out empty,
// the click and the dropped target. False when the weapon was empty: the shot does not
// happen. Counted whatever the distance; the caller decides whether the shot uses rounds.
bool Player_Ammo_Use();
// Returns a unit to idle after shooting or walking and lets it notice bodies next to it.
void ShotIdle(int loop);
