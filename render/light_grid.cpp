#include "render/light_grid.h"

#include <cmath>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/world_clock.h"

namespace {
// Straight-line distance (the world model's Node_Distance1).
float Straight_Distance(float x1, float y1, float x2, float y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}
} // namespace

float Get_Light(int /*index*/, float x1, float y1, float x2, float y2, bool /*type*/) {
    // Every source reaches 2 world units.
    float u = Straight_Distance(x1, y1, x2, y2) / 2.0f;
    float position = 20.0f * u;
    if (!(position >= 0.0f)) position = 0.0f;
    if (position > 19.0f) position = 19.0f;
    int k = (int)position;
    float light = (1.0f - u) * cos_table[k];
    if (light > 1.0f) light = 1.0f;
    if (light < 0.0f) light = 0.01f;
    return light;
}

float Calculate_Lighting(float x2, float y2) {
    float L = Light_Level / 100.0f;
    int lights = draw_light_count < 50 ? draw_light_count : 50;
    if (sprite != nullptr) {
        for (int i = 0; i < lights; ++i) {
            int s = draw_light_list[i];
            if (s < 0 || s >= MAX_SPRITES) continue;
            const object& o = sprite[s];
            float light = Get_Light(s, o.w + o.box_width / 2.0f, o.z + o.box_height / 2.0f, x2,
                                    y2, false);
            if (light > L) L = light;
        }
    }
    int now = Now();
    int n = no_points < MAX_POINTS ? no_points : MAX_POINTS;
    for (int i = 0; i < n; ++i) {
        const a_point& p = points[i];
        if (p.c1 != LIGHT_PNT || p.score <= now) continue;
        float light = Get_Light(i, p.x, p.y, x2, y2, true);
        if (light > L) L = light;
    }
    if (L >= 1.0f) L = 1.0f;
    if (in_dungeon) {
        if (L <= 0.1f) L = 0.1f;
    } else {
        if (L <= 0.4f) L = 0.4f;
    }
    return L;
}

void Draw_Light() {
    if (game_mode != MODE_WALK) return;
    int columns = MAP_WIDTH < MAX_MAP ? MAP_WIDTH : MAX_MAP;
    int rows = MAP_HEIGHT < MAX_MAP ? MAP_HEIGHT : MAX_MAP;
    int centre_c = (int)((map_startX - camX) * 10.0f);
    int centre_r = (int)((map_startY - camY) * 10.0f);
    int n_c = (int)(zoom_factor * 28.0f);
    int n_r = (int)(zoom_factor * sc_ratio * 30.0f);
    int c0 = centre_c - n_c / 2;
    int r0 = centre_r - n_r / 2;
    if (c0 < 0) c0 = 0;
    if (c0 > MAP_WIDTH) c0 = MAP_WIDTH;
    if (r0 < 0) r0 = 0;
    if (r0 > MAP_HEIGHT) r0 = MAP_HEIGHT;
    for (int r = r0; r <= r0 + n_r + 1; ++r) {
        if (r < 0 || r >= rows) continue;
        for (int c = c0; c <= c0 + n_c; ++c) {
            if (c < 0 || c >= columns) continue;
            int index = r * MAP_HEIGHT + c;
            if (index < 0 || index >= MAX_MAP * MAX_MAP) continue;
            float light = Calculate_Lighting((float)c * 0.1f - map_startX + 0.05f,
                                             (float)r * 0.1f - map_startY + 0.05f);
            map_light[index] = (int)(100.0f * light);
        }
    }
}
