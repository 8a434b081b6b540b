// The damage model: one hit on a sprite and the knock-back of a hit unit.
#pragma once

// The sprite slot that stands for the shooter of a hit without one (guy_shooting -1).
constexpr int RESERVED_SHOOTER = 749;

// Applies one hit to sprite guy_shot from guy_shooting (-1: the reserved shooter 749).
// guy_status is the attack code, bullet_type the hit kind. Always returns false.
bool Man_Shot(int guy_status, int guy_shot, int guy_shooting, int bullet_type, int f_rate);
// Pushes the hit sprite one small step away from the shooter.
void Knock_Back(int guy_shooting, int guy_shot, int f_rate);
