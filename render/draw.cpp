#include "render/draw.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/window.h"
#include "platform/timer.h"
#include "render/font.h"
#include "render/hud_layer.h"
#include "render/radar.h"
#include "render/sprites.h"
#include "render/tile_map.h"
#include "world/world_clock.h"

void Debug_Display() {}

void View_Cone(bool is_a_sprite) {
    object* records = is_a_sprite ? sprite : Fx;
    if (records == nullptr) return;
    int n = is_a_sprite ? no_sprites : no_fx;
    int limit = is_a_sprite ? MAX_SPRITES : MAX_FX;
    if (n > limit) n = limit;

    float left = -camX - zoom_factor - 0.5f;
    float right = zoom_factor - camX + 0.5f;
    float bottom = -camY - zoom_factor * sc_ratio - 0.5f;
    float top = zoom_factor * sc_ratio - camY + 0.5f;

    for (int i = 0; i < n; ++i) {
        object& o = records[i];
        if (!is_a_sprite && o.angle < 0.0f) o.angle += 360.0f;
        float x0 = std::min(o.x, o.x + o.width), x1 = std::max(o.x, o.x + o.width);
        float y0 = std::min(o.y, o.y + o.height), y1 = std::max(o.y, o.y + o.height);
        // The box overlaps the widened view: this also keeps objects larger than the view
        // whose corners and edge midpoints all lie outside it.
        bool visible = x0 < right && x1 > left && y0 < top && y1 > bottom;
        if (visible && !o.turn_off && new_no_sprites < VISIBLE_MAX) {
            var5[new_no_sprites] = is_a_sprite ? i : FX_ID_BASE + i;
            new_no_sprites++;
        }
    }
}

namespace {
const object* Visible_Record(int id) {
    if (id >= 0 && id < MAX_SPRITES) return sprite ? &sprite[id] : nullptr;
    if (id >= FX_ID_BASE && id < FX_ID_BASE + MAX_FX) return Fx ? &Fx[id - FX_ID_BASE] : nullptr;
    return nullptr;
}
} // namespace

void Z_Buffer(bool is_a_sprite) {
    if (is_a_sprite) {
        std::fill(std::begin(var3), std::end(var3), 0);
        std::fill(std::begin(sprite_list), std::end(sprite_list), 0);
        int n = std::min(new_no_sprites, VISIBLE_MAX);
        for (int j = 0; j < n; ++j) {
            const object* o = Visible_Record(var5[j]);
            sprite_list[j] = o ? o->priority : -1;
        }
        int k = 0;
        auto place_band = [&](int priority) {
            for (int j = 0; j < n; ++j)
                if (sprite_list[j] == priority) {
                    var3[k++] = var5[j];
                    sprite_list[j] = -1;
                }
        };
        for (int priority = 6; priority >= 3; --priority) place_band(priority);
        // Priority 2 from the top of the screen down; of equal y the earlier entry first.
        int band[VISIBLE_MAX];
        int m = 0;
        for (int j = 0; j < n; ++j)
            if (sprite_list[j] == 2 && Visible_Record(var5[j])->y > -1000.0f) band[m++] = j;
        std::stable_sort(band, band + m, [](int a, int b) {
            return Visible_Record(var5[a])->y > Visible_Record(var5[b])->y;
        });
        for (int q = 0; q < m; ++q) {
            var3[k++] = var5[band[q]];
            sprite_list[band[q]] = -1;
        }
        place_band(1);
        place_band(0);
        z_buffer_count = k;
    } else {
        std::fill(std::begin(var4), std::end(var4), 0);
        std::fill(std::begin(hud_list), std::end(hud_list), 0);
        int n = std::min(hud_no_sprites, MAX_HUD);
        if (hud == nullptr) n = 0;
        for (int i = 0; i < n; ++i) hud_list[i] = hud[i].priority;
        int k = 0;
        for (int priority = 5; priority >= 0; --priority)
            for (int i = 0; i < n; ++i)
                if (hud_list[i] == priority) {
                    var4[k++] = i;
                    hud_list[i] = -1;
                }
        hud_z_count = k;
    }
}

namespace {
bool Radar_Allowed() {
    if (quit_active || red_swipe || game_mode != MODE_WALK || !radar_on || map_stat || next_scene)
        return false;
    if (Level == LVL_CASINO || Level == LVL_BASEMENT_C || Level == LVL_CELLAR) return false;
    if ((Level == LVL_CAVE || Level == LVL_SECRET_LAB || Level == LVL_BOTTOM_LAB) &&
        global_objects[27] != 1)
        return false;
    if (Level == LVL_HIGHWAY && global_objects[33] != 1) return false;
    return fade != 0.0f;
}

// One step of screen shake: 0 or one step on each axis, in a random direction. The step
// moves the camera itself, so everything that reads camX and camY this frame (the visible
// list, the tile and light windows, the camera follow) sees the shaken camera.
void Shake_Step() {
    const int level = (int)shake;
    if (level <= 0 || quit_active) return;
    float dx = (float)(rand() % 2);
    float dy = (float)(rand() % 2);
    float divisor = 1.0f;
    if (level == 1) divisor = 200.0f;
    else if (level == 2) divisor = 300.0f;
    else if (level == 4) divisor = 400.0f;
    else if (level == 6) divisor = 600.0f;
    dx /= divisor;
    dy /= divisor;
    if (rand() % 2 == 0) camX += dx;
    else camX -= dx;
    if (rand() % 2 == 0) camY += dy;
    else camY -= dy;
}
} // namespace

bool DrawGLScene(bool render_all) {
    bool drawing_pass = render_sequence == 1 || render_all;

    // 1. The visible list.
    if (Now() > view_cone_timer) {
        std::fill(std::begin(var5), std::end(var5), 0);
        new_no_sprites = 0;
        View_Cone(true);
        View_Cone(false);
    }

    // 2-3. Clearing.
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    if (render_sequence == 0 &&
        (game_mode == MODE_CINE || game_mode == MODE_FRONT || game_mode == MODE_WORLD))
        glClear(GL_COLOR_BUFFER_BIT);
    if (red_swipe) {
        if (swipe_color == 1) glClearColor(0.8f, 0.0f, 0.0f, 0.0f);
        else if (swipe_color == 3) glClearColor(0.0f, 0.8f, 0.0f, 0.0f);
        else if (swipe_color == 4) glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // 4-6. World projection with the camera, after this pass's shake step.
    glLoadIdentity();
    Zoom(zoom_factor);
    Shake_Step();
    glTranslatef(camX, camY, 0.0f);

    // 7. The tile map.
    if ((render_sequence == 0 || render_all) && game_mode == MODE_WALK && !red_swipe) {
        int column = (int)((map_startX - camX) * 10.0f);
        int row = (int)((map_startY - camY) * 10.0f);
        if (TimerGetTime() > render_bg) {
            if (Light_Level <= 98.0f || in_dungeon) Draw_Light();
            Draw_BG(column, row, false, false);
            render_bg = (float)(TimerGetTime() + 400.0);
        }
        glDisable(GL_BLEND);
        if (BGList != 0) glCallList(BGList);
        glEnable(GL_BLEND);
    }

    // 8-9. World sprites and effects.
    if (Now() > view_cone_timer) Z_Buffer(true);
    if (!red_swipe && drawing_pass) Draw_Sprite();

    // 10-11. View coordinates from here on.
    glLoadIdentity();
    Zoom(zoom_factor);
    glTranslatef(0.0f, 0.0f, 0.0f);
    if (!red_swipe && drawing_pass && game_mode == MODE_FRONT) Draw_Font(8);

    // 12-13. HUD items.
    if (Now() > view_cone_timer) Z_Buffer(false);
    if (!red_swipe && drawing_pass && game_mode >= MODE_CINE && game_mode <= MODE_WORLD) {
        Zoom(zoom_factor);
        Draw_Hud_Sprites();
    }

    // 14. Editor marks.
    Debug_Display();

    // 15. Radar.
    if (drawing_pass && Radar_Allowed()) Draw_Radar();

    // 16. Text slots.
    if (drawing_pass && !red_swipe && !quit_active &&
        (game_mode == MODE_GAME || game_mode == MODE_WALK || game_mode == MODE_FRONT ||
         game_mode == MODE_WORLD)) {
        for (int i = 0; i < TEXT_SLOTS; ++i)
            if (i != 4 && i != 8 && i != 9 && i != 10) Draw_Font(i);
    }

    // 17. Items over everything.
    Zoom(zoom_factor);
    if (Level == LVL_SHOP || Level == LVL_FILE_SELECT) Draw_Hud(2);
    Draw_Hud(40);
    Draw_Hud(41);
    Draw_Hud(1);

    glFlush();

    if (Now() > view_cone_timer) view_cone_timer = Now() + 50;

    render_sequence++;
    if (render_sequence > 1) {
        double_main_code = 1;
        render_sequence = 0;
    }
    return true;
}
