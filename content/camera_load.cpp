#include "content/camera_load.h"

#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "world/effects.h"
#include "world/world_services.h"

void Run_Camera() {
    if (p1_id < 0 || p1_id >= MAX_SPRITES || !sprite) return;
    mouseX += camX;
    mouseY += camY;
    hud_mouseX += camX;
    hud_mouseY += camY;
    real_mouseX += camX;
    real_mouseY += camY;

    const object& p = sprite[p1_id];
    camX = -(p.x + p.width / 2);
    camY = -(p.y);

    const float x_high = map_startX - zoom_factor;
    const float x_low = zoom_factor - 0.05f * MAP_WIDTH;
    if (camX > x_high) camX = x_high;
    if (camX < x_low) camX = x_low;
    const float y_high = map_startY - zoom_factor * sc_ratio / 1.2f;
    const float y_low = -0.05f * MAP_HEIGHT + zoom_factor * sc_ratio;
    if (camY > y_high) camY = y_high;
    if (camY < y_low) camY = y_low;

    mouseX -= camX;
    mouseY -= camY;
    hud_mouseX -= camX;
    hud_mouseY -= camY;
    real_mouseX -= camX;
    real_mouseY -= camY;
    Get_Mouse_Row();
}

namespace {

struct sale_item {
    int code = 0, value = 0, value1 = 0, value2 = 0;
};

sale_item Special_Item() {
    sale_item it;
    switch (std::rand() % 4) {
    case 0: it.code = 5; it.value2 = 6; break;
    case 1: it.code = 9; it.value2 = 10; break;
    case 2: it.code = 14; break;
    default: it.code = 17; break;
    }
    it.value = Generate_Item(it.code, 2);
    return it;
}

} // namespace

void Spawn_Sale_Pickup(int index, int type) {
    if (index < 0 || index >= MAX_POINTS) return;
    sale_item it;
    bool known = true;
    if (type == SALE_CLOTHES) {
        it.code = 14;
        it.value = Generate_Item(14, 2);
    } else if (type == SALE_BOOTS) {
        it.code = 17;
        it.value = Generate_Item(17, 2);
    } else if (type == SALE_MANUAL && (!has_pistol || !has_grenade)) {
        it.code = 25;
        it.value1 = !has_grenade ? 1 : 3;
        it.value = it.value1;
    } else if (type == SALE_HEALTH) {
        it.code = (std::rand() % 6) == 5 ? 3 : 4;
        it.value = Generate_Item(it.code, 2);
    } else if (type == SALE_SUPERMANUAL && !has_water) {
        it.code = 25;
        it.value1 = 2;
        it.value = it.value1;
    } else if (type == SALE_WEAPON) {
        it.code = 5;
        it.value = Generate_Item(5, 2);
        it.value2 = 6;
    } else if (type == SALE_SPECIAL || type == SALE_MANUAL || type == SALE_SUPERMANUAL) {
        // A manual the player no longer needs becomes one of the special items.
        it = Special_Item();
    } else if (type == SALE_BASIC) {
        it.code = 9;
        it.value = Generate_Item(9, 2);
        it.value2 = 10;
    } else {
        known = false;
    }
    if (!known) it = sale_item{};

    const a_point& p = points[index];
    New_FX({.x = p.x, .y = p.y, .w = p.x, .z = p.y, .anim = 13, .anim_state = ANIM_LOOP, .box_width = 0.1f,
            .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .type = 47, .i_value = it.value, .i_type = it.code,
            .tex_id = 2, .i_value1 = it.value1, .i_value2 = it.value2});
}

namespace {

struct shift_row {
    int episode;
    int first, last; // scene range
    int object;
};
constexpr shift_row shift_rows[] = {
    {0, 18, 18, 4},
    {1, 18, 18, 1}, {1, 24, 24, 1}, {1, 26, 26, 1}, {1, 52, 52, 1}, {1, 54, 54, 1}, {1, 118, 121, 1},
    {1, 124, 124, 1}, {1, 138, 142, 1},
    {1, 7, 7, 2}, {1, 30, 30, 2}, {1, 35, 35, 2}, {1, 51, 51, 2}, {1, 56, 59, 2}, {1, 62, 64, 2},
    {1, 66, 67, 2}, {1, 75, 75, 2}, {1, 80, 80, 2}, {1, 82, 82, 2}, {1, 85, 85, 2}, {1, 88, 89, 2},
    {1, 94, 94, 2}, {1, 99, 110, 2}, {1, 117, 117, 2}, {1, 123, 123, 2}, {1, 143, 144, 2},
    {1, 50, 50, 3}, {1, 55, 55, 3}, {1, 84, 84, 3}, {1, 87, 87, 3}, {1, 90, 90, 3},
    {1, 47, 47, 4}, {1, 111, 111, 4},
    {1, 0, 3, 7}, {1, 5, 5, 7}, {1, 17, 17, 7}, {1, 27, 27, 7}, {1, 29, 29, 7}, {1, 37, 38, 7},
    {1, 45, 46, 7}, {1, 49, 49, 7}, {1, 60, 60, 7}, {1, 65, 65, 7}, {1, 68, 68, 7}, {1, 72, 72, 7},
    {1, 74, 74, 7}, {1, 76, 78, 7}, {1, 81, 81, 7}, {1, 83, 83, 7}, {1, 86, 86, 7}, {1, 91, 91, 7},
    {1, 122, 122, 7},
    {1, 34, 34, 8}, {1, 39, 39, 8}, {1, 43, 44, 8}, {1, 92, 93, 8},
    {1, 15, 15, 9},
    {1, 40, 42, 10},
};
constexpr int tent_shift_objects[] = {9, 10, 11, 13, 37};

void Shift_Right(int i, float d) {
    if (i < 0 || i >= MAX_SPRITES) return;
    sprite[i].x += d;
    sprite[i].w += d;
}

} // namespace

void Run_skip_diff() {
    const float D = 0.2f;
    if (!sprite || (episode != 0 && episode != 1)) return;
    if (episode == 1 && scene == 25) {
        for (int i : tent_shift_objects) Shift_Right(i, D);
        return;
    }
    for (const shift_row& r : shift_rows)
        if (r.episode == episode && scene >= r.first && scene <= r.last) {
            Shift_Right(r.object, D);
            return;
        }
}
