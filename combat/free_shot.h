// A shot or knife stroke the player makes at a point in the mouse-and-keyboard scheme,
// with or without an enemy there, and what the round does where it lands.
#pragma once

// no_test the shooter, (x1, y1) the start, (x2, y2) the aimed point, hulk true for the
// knife, target_id unused, f_rate the frame ms, shotgun_attack true for the shotgun blast.
// True only when a non-knife stroke engaged a sprite.
bool TestSpriteToShootPly(int no_test, float x1, float y1, float x2, float y2, bool hulk, int target_id,
                          int f_rate, bool shotgun_attack);
