// Sight and range tests of the unit AI.
#include "combat/sight.h"
#include "combat/firing.h" // p1_range

#include "combat/firing.h" // p1_range
#include "common/codes.h"
#include "common/records.h"
#include "common/world_state.h"
#include "world/turning.h"

// Band bounds are inclusive; the bands are tried in this order and a later match replaces
// an earlier one, so a value on a shared bound belongs to the later band.
int Angle_Band(float a) {
    int band = 0;
    if (a >= -1.875f && a <= -1.125f) band = 2;
    if (a >= 1.125f && a <= 1.875f) band = 1;
    if (a >= 2.625f || a <= -2.625f) band = 3;
    if (a >= -0.375f && a <= 0.375f) band = 4;
    if (a >= -2.625f && a <= -1.875f) band = 8;
    if (a >= -1.125f && a <= -0.375f) band = 7;
    if (a >= 1.875f && a <= 2.625f) band = 6;
    if (a >= 0.375f && a <= 1.125f) band = 5;
    return band;
}

namespace {

// For each facing band (1..8): the three bands behind it and the three in front of it.
struct sight_row {
    int behind[3];
    int front[3];
};
constexpr sight_row sight_table[9] = {
    {{0, 0, 0}, {0, 0, 0}}, // no band
    {{2, 8, 7}, {1, 6, 5}}, // 1 UP
    {{1, 6, 5}, {2, 8, 7}}, // 2 DOWN
    {{4, 7, 5}, {3, 8, 6}}, // 3 LEFT
    {{3, 8, 6}, {4, 7, 5}}, // 4 RIGHT
    {{8, 2, 3}, {5, 1, 4}}, // 5 UP_RIGHT
    {{7, 2, 4}, {6, 1, 3}}, // 6 UP_LEFT
    {{6, 1, 3}, {7, 2, 4}}, // 7 DOWN_RIGHT
    {{5, 1, 4}, {8, 2, 3}}, // 8 DOWN_LEFT
};

bool In_Row(const int (&row)[3], int band) { return row[0] == band || row[1] == band || row[2] == band; }

// The reach of a unit of class c when the caller gives no range.
float Class_Range(const object& u) {
    switch (u.sector) {
    case UNIT_MORTAR1: return 1.2f;
    case UNIT_SNIPER: return 1.0f;
    case UNIT_TANK: return 0.7f;
    case BOMBER: return u.onDeath_action == TANK_TOP ? 0.7f : 0.6f;
    case UNIT_MORTAR: return 0.6f;
    case UNIT_SHOTGUN:
    case MOUNTED: return 0.5f;
    case SAILOR: return 0.48f;
    case UNIT_RESCUE: return 0.2f;
    case DOG: return 0.18f;
    case MONKEY: return 0.15f;
    case WORKER:
    case UNIT_SKELETON:
    case UNIT_DEAD_CHIEF:
    case UNIT_SHARK: return 0.1f;
    default: return 0.52f; // GUNNER, CHIEF, SHIELD, DUCK, UNIT_PLANE, UNIT_BIRD and the rest
    }
}


} // namespace

int Is_Guy_In_Sight(float my_angle, float target_angle) {
    int m = Angle_Band(my_angle);
    int t = Angle_Band(target_angle);
    if (m == 0) return 1; // not an angle (NaN): neither in front nor behind
    if (In_Row(sight_table[m].behind, t)) return 0;
    if (In_Row(sight_table[m].front, t)) return 2;
    return 1;
}

bool Is_Guy_In_Range(int loop, int target, float range) {
    if (!Valid_Sprite(target)) return false;
    if (loop != -1 && !Valid_Sprite(loop)) return false;
    // The view centre has no class: without a range from the caller nothing is in reach.
    if (loop == -1 && range == -1.0f) return false;

    float fx, fy;
    if (loop == -1) {
        fx = -camX;
        fy = -camY;
    } else {
        const object& u = sprite[loop];
        fx = u.w + u.box_width / 2;
        fy = u.z + u.box_height / 2;
    }
    const object& t = sprite[target];
    float tx = t.w + t.box_width / 2;
    float ty = t.z + t.box_height / 2;

    float r = range;
    if (range == -1.0f) {
        const object& u = sprite[loop];
        r = Class_Range(u);
        if (loop == p1_id) r = p1_range;
        if (u.sector_action == AI_BUDDY) r = 0.7f;
    }
    return Node_Distance1(fx, fy, tx, ty) < r;
}
