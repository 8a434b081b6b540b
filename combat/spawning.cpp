// Enemy spawning: groups of units in free ground ahead of the player and out of his view,
// or around a room point he has reached.
#include "combat/spawning.h"

#include <cmath>
#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/records.h"
#include "common/world_state.h"
#include "content/level_table.h" // in_open_world
#include "world/sprite_construction.h"
#include "world/turning.h"

namespace {

constexpr int MAX_SPAWN_CELLS = 400; // the list keeps at most MAX_SPAWN_CELLS - 1 cells
constexpr int NO_ROLE = -1;

struct spawn_cell {
    int column;
    int row;
};

// The ground tiles units may appear on.
bool Spawn_Tile(int tile) {
    if (tile < 416 || tile > 431) return false;
    if (Level == LVL_HIGHWAY && (tile == 429 || tile == 430)) return false;
    return true;
}

bool Closed_Area() { return !in_open_world || Level == LVL_HIGHWAY || Level == LVL_VILLAGE || Level == LVL_FARMS; }

// One unit (type UNT) or object at (x, y) with the spawn defaults. The index, or -1 when the
// sprite arrays are full.
int Make(float x, float y, int type, int anim, int anim_state, int priority, int cls, int side, int sheet,
         int role) {
    return New_Sprite({.x = x, .y = y, .w = x, .z = y, .anim = anim, .anim_state = anim_state, .box_width = 0.1f,
                       .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = priority, .type = type,
                       .sideways = -1, .state = cls, .linked_sprite = side, .tex_id = sheet, .a_global = -1,
                       .angle = -1.0f, .p_type = role});
}
int Make_Unit(float x, float y, int cls, int sheet, int role = NO_ROLE, int side = CLIENT1, int anim_state = 1) {
    return Make(x, y, UNT, 0, anim_state, 2, cls, side, sheet, role);
}
int Make_Room_Door(float x, float y) { return Make(x, y, DOR, 0, 1, 2, 0, -1, 13, ROLE_CONTAINER); }
int Make_Body(float x, float y) { return Make(x, y, BOD, 1, 2, 4, -1, SERVER, 29, ROLE_BODY); }

// The result of one member's choice: the index New_Sprite gave (-1 when the arrays were
// full), or NOTHING_CHOSEN when the choice itself was to make nothing.
constexpr int NOTHING_CHOSEN = -2;

struct group_state {
    bool is_a_room = false;
    bool is_a_general = false;
    bool spawn_monkeys = false;
    bool is_in_a_special_zone = false;
    int number_of_dudes = 0;
};

// An open-world soldier: a shield bearer in a special zone, sometimes a shotgunner on the
// bay and the supplies, otherwise a gunner.
int Open_World_Soldier(const group_state& g, float x, float y, bool shotgun_chance) {
    if (g.is_in_a_special_zone) return Make_Unit(x, y, SHIELD, 19, ROLE_RANK_UP);
    if (shotgun_chance && rand() % 5 == 0 && (Level == LVL_BAY || Level == LVL_SUPPLIES))
        return Make_Unit(x, y, UNIT_SHOTGUN, 33);
    return Make_Unit(x, y, GUNNER, 18);
}
int Open_World_Sailor(const group_state& g, float x, float y) {
    if (g.is_in_a_special_zone) return Make_Unit(x, y, SAILOR, 24, ROLE_RANK_UP);
    return Make_Unit(x, y, SAILOR, 23);
}

// Members other than the third.
int Spawn_Member(const group_state& g, float x, float y) {
    const float low = y + 0.1f;
    if (g.is_a_room) {
        if (rand() % 4 == 0) return Make_Room_Door(x, y);
        return Make_Unit(x, y, GUNNER, 18);
    }
    if (Closed_Area()) {
        if (g.spawn_monkeys) return Make_Unit(x, low, DOG, 25);
        int k2 = 0;
        if (Level == LVL_FARMS || Level == LVL_VILLAGE) k2 = rand() % 4;
        if (Level == LVL_HIGHWAY && g.number_of_dudes == 1) k2 = rand() % 2;
        if (k2 != 1) return Make_Unit(x, y, GUNNER, 18);
        if (Level == LVL_HIGHWAY) return Make_Unit(x, low, DOG, 25);
        if (Level == LVL_FARMS) return Make_Unit(x, low, BOMBER, 28);
        return NOTHING_CHOSEN; // the village makes nothing for this draw
    }
    if (g.spawn_monkeys) return Make_Unit(x, low, MONKEY, 20);
    if (rand() % 3 == 0) return Open_World_Soldier(g, x, low, true);
    return Open_World_Sailor(g, x, low);
}

// The third member of a group.
int Spawn_Third_Member(const group_state& g, float x, float y) {
    const float low = y + 0.1f;
    if (g.is_a_room) {
        if (rand() % 4 == 0) return Make_Room_Door(x, y);
        return Make_Unit(x, y, CHIEF, 20, ROLE_UNIT);
    }
    if (Closed_Area()) {
        if (g.spawn_monkeys) return Make_Unit(x, low, DOG, 25);
        return Make_Unit(x, y, CHIEF, 20, ROLE_UNIT);
    }
    if (g.spawn_monkeys) return Make_Unit(x, low, MONKEY, 20);
    if (rand() % 3 == 0) return Open_World_Soldier(g, x, low, false);
    return Open_World_Sailor(g, x, low);
}

// The general's group: two officers, then the general himself on the player's side.
int Spawn_General_Member(int j, float x, float y) {
    if (j == 0 || j == 1) return Make_Unit(x, y, CHIEF, 22, ROLE_OFFICER);
    if (j == 2) return Make_Unit(x, y, UNIT_GENERAL, 19, ROLE_BUDDY, SERVER, 2);
    return NOTHING_CHOSEN;
}

bool Valid_Point(int i) { return i >= 0 && i < no_points && i < MAX_POINTS; }

} // namespace

bool Spawn_A_Guy(int number_of_dudes, int best_point, bool buddy) {
    (void)buddy;
    group_state g;
    g.number_of_dudes = number_of_dudes;
    if (g.number_of_dudes == SPAWN_GENERAL_GROUP) {
        g.number_of_dudes = 3;
        g.is_a_general = true;
    }
    if (g.number_of_dudes > 2 && rand() % 2 == 0) {
        g.spawn_monkeys = true;
        if (Level == LVL_SUPPLIES) g.number_of_dudes += rand() % 4;
    }
    if (Level == LVL_HIGHWAY || Level == LVL_VILLAGE || Level == LVL_FARMS) g.spawn_monkeys = false;

    // A point 1.4 ahead of the player, kept on the map.
    const bool has_player = p1_id != -1 && Valid_Sprite(p1_id);
    float x1 = 0.0f, y1 = 0.0f;
    if (has_player) {
        const object& p = sprite[p1_id];
        x1 = p.w + p.box_width / 2 + std::cos(p.angle) * 1.4f;
        y1 = p.y + std::sin(p.angle) * 1.4f;
    }
    if (x1 < -map_startX) x1 = -map_startX;
    if (x1 > map_startX) x1 = map_startX;
    if (y1 < -map_startY) y1 = -map_startY;
    if (y1 > map_startY) y1 = map_startY;

    if (best_point == -1 && !in_dungeon) {
        const int n = no_points < MAX_POINTS ? no_points : MAX_POINTS;
        for (int i = 0; i < n; ++i)
            if (points[i].c1 == SPECIAL_PNT && Node_Distance1(points[i].x, points[i].y, x1, y1) <= 2.0f)
                g.is_in_a_special_zone = true;
    }

    float mx = 0.0f, my = 0.0f;
    if (has_player) {
        const object& p = sprite[p1_id];
        mx = p.w + p.box_width / 2;
        my = p.y + p.box_height / 2;
    }

    int radius = 10;
    float min_distance = zoom_factor;
    if (best_point != -1) {
        if (!Valid_Point(best_point)) return false;
        g.is_a_room = true;
        radius = 5;
        min_distance = 0.0f;
        x1 = points[best_point].x;
        y1 = points[best_point].y;
    }

    // Candidate cells in scan order. Outdoors they are free ground tiles outside the view;
    // in a room any free cell around the point.
    spawn_cell cells[MAX_SPAWN_CELLS];
    int count = 0;
    const int cx = Cell_Column(x1), cy = Cell_Row(y1);
    for (int i = -radius; i <= radius && count < MAX_SPAWN_CELLS - 1; ++i) {
        for (int j = -radius; j <= radius && count < MAX_SPAWN_CELLS - 1; ++j) {
            const int col = cx + j, row = cy + i;
            if (!(col > 1 && col < MAP_WIDTH - 1 && row > 2 && row < MAP_HEIGHT - 1)) continue;
            if (col == cx && row == cy) continue;
            if (!(Node_Distance(mx, my, -map_startX + col * 0.1f, -map_startY + row * 0.1f) > min_distance)) continue;
            if (Level == LVL_CONVOY) continue;
            const int idx = Cell_Index(col, row);
            if (idx < 1 || idx > MAP_TILES - 1) continue;
            if (!g.is_a_room && !Spawn_Tile(tiles[idx])) continue;
            if (map_col[idx] != COL_FREE) continue;
            cells[count++] = {col, row};
        }
    }
    if (count < 1 || g.number_of_dudes <= 0) return false;

    if (!in_dungeon && no_points >= 0 && no_points < MAX_POINTS) {
        points[no_points] = a_point{};
        points[no_points].x = x1;
        points[no_points].y = y1;
        points[no_points].c1 = DEAD_PNT;
        ++no_points;
    }

    bool success = false;
    for (int j = 0; j < g.number_of_dudes && count > 0; ++j) {
        const int k = rand() % count;
        const float x = Cell_Centre_X(cells[k].column);
        const float y = Cell_Centre_Y(cells[k].row);
        int r = rand() % 30;
        if (g.is_a_general) r = 1;

        // The result reports a choice made, not a unit made: a draw that makes nothing (area 2)
        // still counts, and the general's group never sets it.
        if (r == 0) Make_Body(x, y);
        else if (g.is_a_general) Spawn_General_Member(j, x, y);
        else if (j != 2) Spawn_Member(g, x, y);
        else Spawn_Third_Member(g, x, y);
        if (!g.is_a_general) success = true;

        for (int m = k; m < count - 1; ++m) cells[m] = cells[m + 1];
        --count;
    }
    return success;
}

// The computer side never fills a building slot in this game, so there is nothing to clear.
void Reset_Build_Types(int index) { (void)index; }
