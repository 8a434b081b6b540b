#include "render/radar.h"

#include <GL/gl.h>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "render/sprites.h"
#include "world/sprite_construction.h"

namespace {
// Radar point of a map point (world units from the map's corner) in the box of HUD item 3.
void Radar_Point(float px, float py, float& rx, float& ry) {
    const object& box = hud[3];
    int map_w = MAP_WIDTH / 10, map_h = MAP_HEIGHT / 10;
    if (map_w <= 0) map_w = 1;
    if (map_h <= 0) map_h = 1;
    rx = box.x + box.width * px / (float)map_w;
    ry = box.y + box.height * py / (float)map_h;
}

// One 0.07 by 0.07 icon of the image in texture slot 0, centred on (x, y).
void Radar_Icon(float x, float y, int column, int row) {
    const float cell = 1.0f / 16.0f;
    float u = (float)column * cell, v = (float)row * cell;
    const float half = 0.035f;
    Bind_Slot(0);
    glBegin(GL_QUADS);
    glColor4f(fade, fade, fade, 1.0f);
    glTexCoord2f(u, v);
    glVertex2f(x - half, y - half);
    glTexCoord2f(u + cell, v);
    glVertex2f(x + half, y - half);
    glTexCoord2f(u + cell, v + cell);
    glVertex2f(x + half, y + half);
    glTexCoord2f(u, v + cell);
    glVertex2f(x - half, y + half);
    glEnd();
}

bool Dot_Left_Out(int s) {
    if (s < 0 || s >= MAX_SPRITES) return true;
    const object& o = sprite[s];
    if (o.type == obj_type::NON || o.type == OBJ || o.type == LAD) return true;
    if (o.sector_action == 20 || o.sector_action == 21) return true;
    if (o.type == BAG && (o.score <= 0 || o.sector == COW || o.sector == unit_class::TUNNEL ||
                          Level == LVL_SUPPLIES || Level == LVL_VILLAGE))
        return true;
    if (o.sector == UNIT_BIRD || o.sector == UNIT_BARREL || o.sector == UNIT_SHARK ||
        o.sector == SEAGULL || o.sector == SEAGULL2 || o.sector == SIGNPOST)
        return true;
    if (o.sector == UNIT_ARMOUR_TANK && Level == LVL_FARMS) return true;
    if (o.mouseover && o.sector != UNIT_RESCUE && !is_a_stealth_mission) return true;
    if (o.turn_off) return true;
    if (s == p1_id) return true;
    return false;
}
} // namespace

void Draw_Radar() {
    if (hud == nullptr || sprite == nullptr) return;

    // Unit dots.
    glDisable(GL_TEXTURE_2D);
    glPointSize(5.0f);
    int units = player_counter < 400 ? player_counter : 400;
    for (int k = 0; k < units; ++k) {
        int s = player_list[k];
        if (Dot_Left_Out(s)) continue;
        const object& o = sprite[s];
        float rx, ry;
        Radar_Point(o.w + o.box_width / 2.0f + map_startX, o.z + o.box_height / 2.0f + map_startY,
                    rx, ry);
        float r = 0.6f, g = 0.2f, b = 0.2f;
        if (o.linked_sprite == player_type) {
            r = 0.2f;
            g = 0.4f;
            b = 0.2f;
        }
        if (o.status == 0 || o.score <= 0) {
            r = 0.1f;
            g = 0.2f;
            b = 0.1f;
        }
        glColor4f(r, g, b, 1.0f);
        glBegin(GL_POINTS);
        glVertex2f(rx, ry);
        glEnd();
    }
    glEnable(GL_TEXTURE_2D);

    // Map markers.
    int markers = map_pnt_counter < 20 ? map_pnt_counter : 20;
    for (int k = 0; k < markers; ++k) {
        int q = map_pnt_list[k];
        if (q < 0 || q >= MAX_POINTS) continue;
        const a_point& p = points[q];
        bool shown = false;
        if (p.c1 == MAP_HQ_PNT) {
            bool accomplished = current_main >= 0 && current_main < 25 &&
                                main_mission[current_main] == 1;
            shown = !accomplished || arrow_flash || p.c3 == COLOR_GREEN;
        } else if (p.c1 == GLOBAL_MAP_PNT || p.c1 == GLOBAL_SIDE_PNT) {
            shown = p.active && arrow_flash;
        }
        if (!shown) continue;
        float rx, ry;
        Radar_Point(p.x + map_startX, p.y + map_startY, rx, ry);
        int column = (p.c3 >= 0 && p.c3 <= 3) ? 2 * p.c3 : 0;
        Radar_Icon(rx, ry, column, 8);
    }

    // The player's marker.
    if (p1_id >= 0 && p1_id < MAX_SPRITES && game_mode == MODE_WALK) {
        const object& o = sprite[p1_id];
        float rx, ry;
        Radar_Point(o.w + o.box_width / 2.0f + map_startX, o.z + o.box_height / 2.0f + map_startY,
                    rx, ry);
        Radar_Icon(rx + 0.0175f, ry + 0.0175f, 4, 8);
    }
}
