// Unit movement. A walking unit moves in two axis steps per frame, each tested against the
// collision grid; its footprint (6) in map_col follows its box centre cell. Every cell is
// taken through the cell helper, so nothing is read or written off the map.
#include "combat/movement.h"

#include <cmath>
#include <cstdlib>

#include "combat/combat.h"
#include "combat/firing.h"
#include "combat/sight.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "platform/timer.h"
#include "world/collision.h"
#include "world/pathfinder.h"
#include "world/turning.h"

namespace {

// Base walking speed by unit class, world units per millisecond.
struct class_speed {
    int unit_class;
    float speed;
};
constexpr float DEFAULT_SPEED = 0.00016f;
constexpr class_speed CLASS_SPEEDS[] = {
    {GUNNER, 0.00016f},       {CHIEF, 0.00016f},       {UNIT_SKELETON, 0.00016f},
    {UNIT_SHOTGUN, 0.00015f}, {UNIT_MORTAR1, 0.00015f}, {UNIT_TANK, 0.00015f},
    {UNIT_SNIPER, 0.00015f},  {UNIT_DEAD_CHIEF, 0.00015f}, {SAILOR, 0.000155f},
    {BOMBER, 0.00014f},       {UNIT_RESCUE, 0.00013f}, {SHIELD, 0.00012f},
    {MONKEY, 0.0002f},        {UNIT_PLANE, 0.00026f},  {UNIT_BIRD, 0.00026f},
    {DOG, 0.0003f},
};
constexpr float BUDDY_SPEED = 0.00025f;
constexpr float NODE_ROUTE_SPEED = 0.0001f;
constexpr float WADING_SPEED = 0.0002f;
constexpr float MIN_SPEED = 0.0001f;
constexpr float MAX_SPEED = 0.00075f;
constexpr float MUD_SLOWDOWN = 0.00005f;

// Walk factor by the distance to the goal: the first row whose bound the distance exceeds.
struct distance_factor {
    float above;
    float factor;
};
constexpr distance_factor WALK_FACTORS[] = {
    {0.7f, 0.6f},  {0.6f, 0.62f}, {0.5f, 0.64f}, {0.4f, 0.68f}, {0.3f, 0.7f},
    {0.2f, 0.72f}, {0.15f, 0.75f}, {0.1f, 0.9f}, {0.05f, 1.0f},
};
constexpr float NEAR_GOAL_FACTOR = 1.1f;

constexpr float GOAL_REACHED = 0.003f;    // arrival at the final goal, per axis
constexpr float WAYPOINT_REACHED = 0.01f; // arrival at a waypoint, per axis
constexpr float CLOSE_COMBAT = 0.14f;     // a blocked unit this near its target stops

float Base_Speed(int loop) {
    const object& u = sprite[loop];
    float speed = DEFAULT_SPEED;
    for (const class_speed& c : CLASS_SPEEDS)
        if (c.unit_class == u.sector) speed = c.speed;
    if (u.sector_action == AI_BUDDY) speed = BUDDY_SPEED;
    if (u.reached_node >= 0) speed = NODE_ROUTE_SPEED;
    if (loop == p1_id) speed = player_in_water ? WADING_SPEED : ply_speed;
    return speed;
}

float Walk_Factor(int loop, float distance) {
    const object& u = sprite[loop];
    bool player = loop == p1_id;
    float factor = NEAR_GOAL_FACTOR;
    for (const distance_factor& d : WALK_FACTORS) {
        if (distance > d.above) {
            factor = d.factor;
            break;
        }
    }
    if (player && reloading && u.score > PLY_VITALITY / 20) factor += 0.35f;
    if (player && u.status == STATUS_FIRING && u.score > 20) factor += 0.95f;
    int wounded = player ? 30 : (p1_id != -1 ? 20 : 1);
    if (u.score <= wounded) {
        factor += 0.05f;
        factor += 0.05f;
    }
    if (player && current_healthkit == 3 && u.score == PLY_VITALITY) factor -= 0.4f;
    if (u.on_mud) factor += 0.4f;
    if (factor < 0.02f) factor = 0.02f;
    if (factor > 2.0f) factor = 2.0f;
    if (is_a_stealth_mission && !player && factor < 0.9f) factor = 0.9f;
    return factor;
}

bool Is_Mud_Tile(int tile) { return tile == 16 || tile == 29 || tile == 30 || tile == 31; }
bool Is_Road_Tile(int tile) { return tile >= 389 && tile <= 392; }
bool Is_Water_Tile(int tile) { return tile >= 480 && tile <= 483; }
bool Is_Solid(char code) { return code == COL_SOLID || code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU; }

float Centre_X(const object& u) { return u.w + u.box_width / 2; }
float Centre_Y(const object& u) { return u.z + u.box_height / 2; }

// A blocked axis step: stop next to the target, give up a goal that is taken, or replan.
void Blocked_Step(int loop) {
    object& u = sprite[loop];
    if (u.fire_target >= 0 && u.fire_target < MAX_SPRITES && Is_Guy_In_Range(loop, u.fire_target, CLOSE_COMBAT)) {
        ShotIdle(loop);
        sprite[loop].moving = false;
        return;
    }
    int goal = Cell_Of(u.end_x, u.end_y);
    if (goal < 0) return;
    if (Is_Solid(map_col[goal])) {
        int col = Cell_Column(Centre_X(u)), row = Cell_Row(Centre_Y(u));
        if (!Cell_On_Map(col, row)) return;
        u.mov_x = Cell_Centre_X(col);
        u.mov_y = Cell_Centre_Y(row);
        u.end_x = u.mov_x;
        u.end_y = u.mov_y;
    } else {
        Find_Path(loop);
    }
}

// The player's walked distance, kept off the road tiles.
void Count_Distance(int old_cell, float step) {
    if (old_cell >= 0 && Is_Road_Tile(tiles[old_cell])) return;
    distance_traveled += std::fabs(step);
}

} // namespace

void Moving_Code(int loop, float x_pos, float y_pos, int f_rate) {
    if (!sprite || loop < 0 || loop >= MAX_SPRITES) return;
    bool player = loop == p1_id;
    float speed = Base_Speed(loop);
    sprite[loop].update = true;

    {
        object& u = sprite[loop];
        float factor = Walk_Factor(loop, Node_Distance1(Centre_X(u), Centre_Y(u), u.end_x, u.end_y));
        if (factor > 0) speed = speed / factor;
        if (speed < MIN_SPEED) speed = MIN_SPEED;
        if (speed > MAX_SPEED) speed = MAX_SPEED;
        if (!CONTROL_SCHEME && player) {
            if (ply_accel > speed) ply_accel = speed;
            speed = ply_accel;
            if (speed < 0.0002f) factor = 0.9f;
            if (speed < 0.0001f) factor = 1.1f;
        }
        u.factor = factor;
    }

    int old_cell = Cell_Of(Centre_X(sprite[loop]), Centre_Y(sprite[loop]));
    if (old_cell >= 0) map_col[old_cell] = COL_FREE;

    // Mud slows a unit below the usual floor, but a coasting player is never pushed backwards.
    if (sprite[loop].sector != UNIT_PLANE && old_cell >= 0 && Is_Mud_Tile(tiles[old_cell])) {
        speed -= MUD_SLOWDOWN;
        if (speed < 0) speed = 0;
    }

    float cx = Centre_X(sprite[loop]), cy = Centre_Y(sprite[loop]);
    float heading = std::atan2(y_pos - cy, x_pos - cx);
    float dx = std::cos(heading) * 1.2f * speed * f_rate;
    float dy = std::sin(heading) * 1.2f * speed * f_rate;
    if (player) dy *= 0.75f;

    int rx = Test_Collision(sprite[loop], dx, 0, false, loop, false);
    if (rx == MOVE_FREE) {
        sprite[loop].x += dx;
        sprite[loop].w += dx;
        if (player) {
            if (dx != 0) step_traveled += 1;
            Count_Distance(old_cell, dx);
        }
    } else if (rx == MOVE_BLOCKED) {
        Blocked_Step(loop);
    }

    int ry = Test_Collision(sprite[loop], 0, dy, false, loop, false);
    if (ry == MOVE_FREE) {
        sprite[loop].y += dy;
        sprite[loop].z += dy;
        if (player) Count_Distance(old_cell, dy);
    } else if (ry == MOVE_BLOCKED) {
        Blocked_Step(loop);
    }

    {
        object& u = sprite[loop];
        cx = Centre_X(u);
        cy = Centre_Y(u);
        if (std::fabs(cx - u.end_x) < GOAL_REACHED && std::fabs(cy - u.end_y) < GOAL_REACHED) {
            u.moving = false;
            if (u.type == UNT && u.fire_target >= 0 && u.fire_target < MAX_SPRITES &&
                sprite[u.fire_target].score > 0 && !Is_Guy_In_Range(loop, u.fire_target, -1)) {
                u.turning = false;
                u.fire_target = -1;
            }
            int s = u.status;
            if (u.special == 0 && s != STATUS_FIRING && s != STATUS_KNIFE && s != STATUS_THROWING && s != STATUS_HIT &&
                s != STATUS_HIT_HARD && s != STATUS_SHOT_PAUSE && s != STATUS_THROW_PAUSE)
                ShotIdle(loop);
        }
    }

    {
        object& u = sprite[loop];
        if (u.moving && std::fabs(cx - u.mov_x) < WAYPOINT_REACHED && std::fabs(cy - u.mov_y) < WAYPOINT_REACHED &&
            u.node_count != -1) {
            if (u.node_counter < u.node_count - 1) Next_node(loop, true);
            else Find_Path(loop);
        }
    }

    int new_cell = Cell_Of(Centre_X(sprite[loop]), Centre_Y(sprite[loop]));

    if (player && ply_pickup_target >= 0 && ply_pickup_target < MAX_FX && Fx && !Fx[ply_pickup_target].turn_off)
        Pickup_Check(p1_id, ply_pickup_target, -1);

    if (old_cell >= 0) map_col[old_cell] = Is_Water_Tile(tiles[old_cell]) ? COL_WATER : COL_FREE;
    if (new_cell >= 0) map_col[new_cell] = COL_FOOTPRINT;
}

void NPC_Walk(int loop) {
    if (!sprite || loop < 0 || loop >= MAX_SPRITES) return;
    if (patrol_counter <= 0) return;
    int count = patrol_counter > PATROL_LIST_SIZE ? PATROL_LIST_SIZE : patrol_counter;
    int r = rand() % count;
    int point = patrol_list[r];
    if (point < 0 || point >= no_points || point >= MAX_POINTS) return;
    object& u = sprite[loop];
    u.mov_x = u.end_x = points[point].x;
    u.mov_y = u.end_y = points[point].y;
    u.status = STATUS_WALK;
    u.anim_state = 0;
    u.turning = false;
    u.all_timer = Now() + 200;
    u.update = true;
    u.col_timer = 0;
    Find_Path(loop);
    sprite[loop].moving = true;
}
