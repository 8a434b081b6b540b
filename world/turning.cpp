#include "world/turning.h"

#include <cmath>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "world/unit_animation.h"
#include "world/world_services.h"

namespace {


// Angles of direction codes 0 to 8.
constexpr float DIR_ANGLE[9] = {0.0f, 1.5f, -1.5f, -3.0f, 0.0f, 0.75f, 2.25f, -0.75f, -2.25f};

} // namespace

float Node_Distance(float x1, float y1, float x2, float y2) {
    return (std::fabs(x1 - x2) + std::fabs(y1 - y2)) / 2.0f;
}

float Node_Distance1(float x1, float y1, float x2, float y2) {
    float dx = x1 - x2, dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}

float Convert_Dir_To_Angle1(int direction) {
    return (direction >= 1 && direction <= 8) ? DIR_ANGLE[direction] : 0.0f;
}

void Convert_Dir_To_Angle(int loop, int direction) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    if (direction >= 1 && direction <= 8) {
        o.angle = DIR_ANGLE[direction];
        o.tar_angle = o.angle;
    }
    o.mov_x = o.w + o.box_width / 2 + 2.0f * std::cos(o.angle);
    o.mov_y = o.y + 2.0f * std::sin(o.angle);
    Animation_System(loop, false, false, false, false);
}

int Convert_Angle_To_Dir(float a) {
    using namespace dir_code;
    int d = RESET;
    // Later bands override earlier ones where their ends meet.
    if (a >= -1.875f && a <= -1.125f) d = DOWN;
    if (a >= 1.125f && a <= 1.875f) d = UP;
    if (a >= 2.625f || a <= -2.625f) d = LEFT;
    if (a >= -0.375f && a <= 0.375f) d = RIGHT;
    if (a >= -2.625f && a <= -1.875f) d = DOWN_LEFT;
    if (a >= -1.125f && a <= -0.375f) d = DOWN_RIGHT;
    if (a >= 1.875f && a <= 2.625f) d = UP_LEFT;
    if (a >= 0.375f && a <= 1.125f) d = UP_RIGHT;
    return d;
}

bool Is_Grey_Area(float my_angle) {
    float a = std::fabs(my_angle);
    if (!(a < 2.725f)) return false;
    bool grey = (a >= 0.275f && a <= 0.475f) || (a >= 1.025f && a <= 1.225f) ||
                (a >= 1.775f && a <= 1.975f) || (a >= 2.525f && a <= 2.725f);
    bool core = (a <= 0.275f) || (a >= 0.475f && a <= 1.025f) || (a >= 1.225f && a <= 1.775f) ||
                (a >= 1.975f && a <= 2.525f);
    return grey && !core;
}

void Set_Heading(int loop, float x1, float y1, bool) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    const bool is_player = loop == p1_id;
    if (is_player) {
        x1 = Cell_Centre_X(mouse_row_x);
        y1 = Cell_Centre_Y(mouse_row_y);
    }
    float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
    if (!(Node_Distance1(x1, y1, cx, cy) > 0.015f)) return;
    float heading = std::atan2(y1 - cy, x1 - cx);
    if (is_player && Is_Grey_Area(heading) && mouseheld) return;
    if (Convert_Angle_To_Dir(o.angle) == Convert_Angle_To_Dir(heading)) o.tar_angle = o.angle;
    else o.tar_angle = heading;
}

void Turn_Unit(int loop, int f_rate) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    float rate = 0.2f;
    switch (o.sector) {
    case UNIT_MORTAR1: rate = 0.005f; break;
    case GUNNER: rate = 0.008f; break;
    case UNIT_SHOTGUN: rate = 0.005f; break;
    case MONKEY: rate = 0.01f; break;
    case DOG: rate = 0.01f; break;
    case SHIELD: rate = 0.005f; break;
    case DUCK: rate = 0.008f; break;
    case BOMBER: rate = o.onDeath_action == 3 ? 0.0045f : 0.005f; break; // 3: tank top
    case CHIEF: rate = 0.008f; break;
    case SAILOR: rate = 0.008f; break;
    case WORKER: rate = 0.0055f; break;
    case UNIT_RESCUE: rate = 0.005f; break;
    case MOUNTED: rate = 0.0045f; break;
    case UNIT_MORTAR: rate = 0.005f; break;
    case UNIT_SNIPER: rate = 0.005f; break;
    case UNIT_TANK: rate = 0.005f; break;
    case UNIT_PLANE: rate = 0.005f; break;
    case UNIT_BIRD: rate = 0.005f; break;
    case UNIT_SKELETON: rate = 0.008f; break;
    case UNIT_DEAD_CHIEF: rate = 0.008f; break;
    case UNIT_SHARK: rate = 0.006f; break;
    default: break;
    }
    if (loop == p1_id) rate = (o.fire_target != -1 || throw_grenade) ? 0.015f : 0.01f;
    if (o.on_mud) rate -= 0.001f;
    const float turn = f_rate * rate;
    const int old_dir = Convert_Angle_To_Dir(o.angle);

    // The back half of the circle reaches up to pi itself: atan2 gives pi for a point
    // straight to the left, and such a heading must also turn across the back.
    const float BACK = 3.1416f;
    bool wrapped = false;
    for (int k = 0; k < 8; ++k) {
        float s = k * turn / 8.0f;
        if (o.angle >= 1.5f && o.angle <= BACK && o.tar_angle < -1.5f) {
            o.angle += s;
            if (o.angle > 3.14f) o.angle -= 6.28f;
            wrapped = true;
        } else if (o.tar_angle >= 1.5f && o.tar_angle <= BACK && o.angle < -1.5f) {
            o.angle -= s;
            if (o.angle < -3.14f) o.angle += 6.28f;
            wrapped = true;
        } else if (!wrapped) {
            if (o.tar_angle > o.angle) o.angle += s;
            if (o.angle > o.tar_angle) o.angle -= s;
        }
        if (Convert_Angle_To_Dir(o.angle) == Convert_Angle_To_Dir(o.tar_angle)) {
            o.angle = o.tar_angle;
            break;
        }
    }
    if (o.status != STATUS_RISING && Convert_Angle_To_Dir(o.angle) != old_dir) {
        o.update = true;
        o.anim_state = ANIM_STOPPED;
    }
}

void Move_Sprite(int loop, int f_rate, bool direction) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    float v = o.linked_sprite == -1 ? 0.00015f : o.linked_sprite / 10000.0f;
    float dx = f_rate * std::cos(0.6f) * 1.2f * v;
    float dy = f_rate * v * sc_ratio * std::sin(0.6f) * 1.2f;
    o.x += dx;
    o.w += dx;
    if (direction) {
        o.y -= dy;
        o.z -= dy;
    } else {
        o.y += dy;
        o.z += dy;
    }
}
