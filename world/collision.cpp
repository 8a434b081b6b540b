#include "world/collision.h"

#include <algorithm>
#include <cmath>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "world/turning.h"

namespace {


bool Water_Tile(int t) { return t >= 480 && t <= 483; }

constexpr int GLASS_STORY_FLAG = 7; // the supplies area's hidden bottle has been found
constexpr int DROP_BOTTLE = 13;     // drop class of the bottle's pickup

} // namespace

int Test_Collision(object collision, float x, float y, bool, int no_test, bool) {
    if (game_mode != MODE_WALK && game_mode != MODE_WORLD) return MOVE_FREE;
    float px = collision.w + x + collision.box_width / 2;
    float py = collision.z + y + collision.box_height / 2;
    int cell = Cell_Of(px, py);
    if (cell < 0) return MOVE_OFF_MAP;

    int t = tiles[cell];
    if (t == 502 || t == 504 || t == 506 || t == 508 || t == 510) {
        if (t == 502 || t == 504) {
            glass_sfx = true;
            if (Level == LVL_SUPPLIES) {
                if (t == 502 && map_set[cell] == 1 && global_objects[GLASS_STORY_FLAG] == 0)
                    Spawn_Pickup(no_test, DROP_BOTTLE);
                bottle_count++;
            }
        }
        tiles[cell] = t + 1; // the broken picture
    }

    int code = map_col[cell];
    if (code == COL_SOLID || code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU) return MOVE_BLOCKED;
    if (code == COL_WATER) {
        bool wading = no_test == p1_id && p1_id != -1 && has_water;
        if (!wading && collision.sector != UNIT_SHARK) return MOVE_BLOCKED;
    }
    if (collision.sector == UNIT_SHARK && !Water_Tile(t)) return MOVE_BLOCKED;
    return MOVE_FREE;
}

void Generate_Object_Collision(int loop, bool col_test) {
    if (!Valid_Sprite(loop)) return;
    const object& o = sprite[loop];
    char code = COL_FOOTPRINT;
    if (o.type == OBJ) {
        if (o.onCreate == SHOOTTHRU) code = COL_SOLID_SHOOTTHRU;
        else if (o.onCreate == DUCKABLE || o.sector_action == 0 || o.sector_action == -1) code = COL_SOLID;
        else code = COL_FOOTPRINT;
    }
    if (col_test) code = COL_FREE;
    // Each axis is kept on the map, so a box at an edge never spills into the next row.
    int c0 = std::max(Cell_Column(o.w), 0);
    int c1 = std::min(Cell_Column(o.w + o.box_width), Grid_Width() - 1);
    int r0 = std::max(Cell_Row(o.z), 0);
    int r1 = std::min(Cell_Row(o.z + o.box_height), Grid_Height() - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            int cell = Cell_Index(c, r);
            if (cell >= 0) map_col[cell] = code;
        }
}

void Reposition_Unit(int loop) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    switch (o.sector) {
    case UNIT_BIRD:
        o.width = 0.15f; o.height = 0.15f;
        o.box_width = o.width / 2; o.box_height = o.height / 2;
        o.w = o.x + o.box_width / 2; o.z = o.y + o.box_height / 2;
        break;
    case MONKEY:
    case DOG:
        o.width = 0.2f; o.height = 0.2f;
        o.box_width = o.width / 2; o.box_height = o.height / 2;
        o.w = o.x + o.box_width / 2; o.z = o.y + o.box_height / 7;
        break;
    case UNIT_SHOTGUN:
        o.width = 0.28f; o.height = 0.28f;
        o.box_width = 0.05f; o.box_height = 0.05f;
        o.w = o.x + o.width / 2 - 0.025f; o.z = o.y + o.height / 7;
        break;
    case UNIT_VEHICLE:
        o.width = 0.65f; o.height = 0.65f;
        o.box_width = o.width / 1.2f; o.box_height = o.height / 3.5f;
        o.w = o.x + o.width / 10; o.z = o.y + o.box_height / 3;
        break;
    default:
        o.width = 0.275f; o.height = 0.285f;
        o.box_width = 0.05f; o.box_height = 0.05f;
        o.w = o.x + o.width / 2 - 0.025f; o.z = o.y + o.height / 7;
        break;
    }
    // Centre the box on the former drawing origin (a vehicle keeps its layout).
    if (o.sector != UNIT_VEHICLE && !o.file_full) {
        float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
        float dx = o.x - cx, dy = o.y - cy;
        o.x += dx; o.w += dx;
        o.y += dy; o.z += dy;
    }
    if (o.type != BOD && o.sector != UNIT_VEHICLE && o.sector != DUCK) {
        int cell = Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2);
        if (cell >= 0) map_col[cell] = COL_FOOTPRINT;
    }
}

int Get_Space(float x1, float y1, float x2, float y2) {
    float distance = Node_Distance(x1, y1, x2, y2);
    float angle = std::atan2(y2 - y1, x2 - x1);
    float sx = std::cos(angle) * 0.05f, sy = std::sin(angle) * 0.05f;
    float step = Node_Distance(x1, y1, x1 + sx, y1 + sy);
    if (!(step > 0.0f)) return -1;
    float q = distance / step;
    int iterations = (q > 0.0f && q < 1.0e6f) ? (int)q : 0;
    float px = x1, py = y1;
    for (int i = 0; i < iterations; ++i) {
        px += sx;
        py += sy;
        int cell = Cell_Of(px, py);
        if (cell >= 0 && map_col[cell] == COL_FREE) return cell;
    }
    return -1;
}

int Get_Tile_Index(float x, float y) { return Cell_Of(x, y); }

void Move_Vehicle(int loop, float x_pos, float y_pos, int f_rate) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    float angle = std::atan2(y_pos - (o.z + o.box_height / 2), x_pos - (o.w + o.box_width / 2));
    if (o.grab_switch) Generate_Object_Collision(loop, true);
    float dx = f_rate * (std::cos(angle) * 1.2f * 0.00016f);
    float dy = f_rate * (std::sin(angle) * 1.2f * 0.00016f);
    o.x += dx; o.w += dx;
    o.y += dy; o.z += dy;
    o.moving = true;
    if (o.grab_switch) Generate_Object_Collision(loop, false);
}
