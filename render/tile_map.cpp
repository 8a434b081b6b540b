#include "render/tile_map.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "render/draw.h"
#include "render/sprites.h"
#include "world/world_clock.h"

namespace {
int Map_Columns() { return MAP_WIDTH < MAX_MAP ? MAP_WIDTH : MAX_MAP; }
int Map_Rows() { return MAP_HEIGHT < MAX_MAP ? MAP_HEIGHT : MAX_MAP; }

int Light_Of(int row, int column) {
    int index = row * MAP_HEIGHT + column;
    if (index < 0 || index >= MAX_MAP * MAX_MAP) return -1;
    return map_light[index];
}
} // namespace

float Get_Vert_Fade(int y, int x, int direction) {
    int rows = Map_Rows(), columns = Map_Columns();
    bool upper = direction == 5 || direction == 6;
    bool left = direction == 6 || direction == 8;
    int vy = upper ? y + 1 : y - 1;
    int hx = left ? x - 1 : x + 1;
    bool row_in = vy >= 0 && vy < rows;
    if (!row_in) vy = upper ? y - 1 : y + 1;  // the vertical neighbour on the other side
    if (vy < 0) vy = 0;
    if (vy >= rows) vy = rows - 1;
    bool column_in = hx >= 0 && hx < columns;

    int values[4];
    values[0] = Light_Of(y, x);
    values[1] = Light_Of(vy, x);
    values[2] = column_in ? Light_Of(y, hx) : values[0];
    // The diagonal cell; one off the map stands in as the cell itself.
    int dy = upper ? y + 1 : y - 1;
    values[3] = (column_in && dy >= 0 && dy < rows) ? Light_Of(dy, hx) : values[0];

    int sum = 0, count = 0;
    for (int v : values)
        if (v != -1) {
            sum += v;
            count++;
        }
    float shade = count > 0 ? (float)(sum / count) / 100.0f : 0.0f;
    if (fade < shade) shade = fade;
    if (quit_active && game_mode == MODE_WALK) shade -= 0.5f;
    if (shade < 0.0f) shade = 0.0f;
    return shade;
}

void Draw_BG(int temp1, int temp2, bool alpha_pass, bool is_debug) {
    int base_slot = alpha_pass ? 11 : 10;
    int n_c = (int)(zoom_factor * 28.0f);
    int n_r = (int)(zoom_factor * sc_ratio * 30.0f);
    if (is_debug) {
        n_c = 26;
        n_r = (int)(zoom_factor * sc_ratio * 10.0f);
    }
    int c0 = temp1 - n_c / 2;
    int r0 = temp2 - n_r / 2;
    mud_index = mud_index == 0 ? 1 : 0;
    int columns = Map_Columns(), rows = Map_Rows();
    if (c0 < 0) c0 = 0;
    if (c0 > MAP_WIDTH) c0 = MAP_WIDTH;
    if (r0 < 0) r0 = 0;
    if (r0 > MAP_HEIGHT) r0 = MAP_HEIGHT;

    bool flat = Light_Level >= 98.0f;
    float flat_shade = 1.0f;
    if (fade < flat_shade) flat_shade = fade;
    if (quit_active && game_mode == MODE_WALK) flat_shade -= 0.5f;

    // The window's cells in row order, each with its corners; then ordered by tile set, row
    // order kept within a set, so that the list binds each set's texture once and draws all
    // its tiles with one call. Tiles never overlap and are drawn without blending, so the
    // order of the sets does not change the picture.
    const int cells = (n_r > 0 && n_c > 0) ? n_r * n_c : 0;
    std::vector<float> xy, uv, rgb;
    std::vector<int> set_of, order;
    xy.reserve((size_t)cells * 8);
    uv.reserve((size_t)cells * 8);
    rgb.reserve((size_t)cells * 12);
    set_of.reserve((size_t)cells);
    int set_count[256] = {};
    for (int r = r0; r < r0 + n_r; ++r) {
        if (r < 0 || r >= rows) continue;
        for (int c = c0; c < c0 + n_c; ++c) {
            if (c < 0 || c >= columns) continue;
            int index = r * MAP_HEIGHT + c;
            int t = 0, s = 0;
            if (index >= 0 && index < MAP_TILES && index < MAX_MAP * MAX_MAP) {
                t = tiles[index];
                s = (int)map_set[index];
            }
            if (mud_index == 1 && t >= 480 && t <= 501) t = (t % 2 == 0) ? t + 1 : t - 1;

            float ul = (float)(t % 16) / 16.0f + 0.0015f;
            float ur = (float)(t % 16 + 1) / 16.0f - 0.0015f;
            float vb = (float)(t / 16) / 32.0f + 0.0007f;
            float vt = (float)(t / 16 + 1) / 32.0f - 0.0007f;
            float x0 = (float)c * 0.1f - map_startX, x1 = x0 + 0.1f;
            float y0 = (float)r * 0.1f - map_startY, y1 = y0 + 0.1f;
            const float xs[4] = {x0, x1, x1, x0};
            const float ys[4] = {y0, y0, y1, y1};
            const float us[4] = {ul, ur, ur, ul};
            const float vs[4] = {vb, vb, vt, vt};
            const int codes[4] = {8, 7, 5, 6};
            for (int k = 0; k < 4; ++k) {
                float g = flat ? flat_shade : Get_Vert_Fade(r, c, codes[k]);
                rgb.insert(rgb.end(), {g, g, g});
                uv.insert(uv.end(), {us[k], vs[k]});
                xy.insert(xy.end(), {xs[k], ys[k]});
            }
            set_of.push_back(s & 255);
            set_count[s & 255]++;
        }
    }
    int set_start[256];
    for (int s = 0, at = 0; s < 256; ++s) {
        set_start[s] = at;
        at += set_count[s];
    }
    order.resize(set_of.size());
    {
        int next[256];
        std::copy(std::begin(set_start), std::end(set_start), std::begin(next));
        for (int k = 0; k < (int)set_of.size(); ++k) order[(size_t)next[set_of[(size_t)k]]++] = k;
    }
    std::vector<float> sxy(xy.size()), suv(uv.size()), srgb(rgb.size());
    for (size_t q = 0; q < order.size(); ++q) {
        const size_t k = (size_t)order[q];
        std::copy_n(&xy[k * 8], 8, &sxy[q * 8]);
        std::copy_n(&uv[k * 8], 8, &suv[q * 8]);
        std::copy_n(&rgb[k * 12], 12, &srgb[q * 12]);
    }

    if (BGList != 0 && glIsList(BGList)) glDeleteLists(BGList, 1);
    BGList = glGenLists(1);
    // Array pointers and enables are client state: they act now and are not compiled; the
    // draw calls copy the arrays into the list.
    glVertexPointer(2, GL_FLOAT, 0, sxy.data());
    glTexCoordPointer(2, GL_FLOAT, 0, suv.data());
    glColorPointer(3, GL_FLOAT, 0, srgb.data());
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glNewList(BGList, GL_COMPILE);
    glPushMatrix();
    for (int s = 0; s < 256; ++s) {
        if (set_count[s] == 0) continue;
        Bind_Slot(base_slot + s);
        glDrawArrays(GL_QUADS, 4 * set_start[s], 4 * set_count[s]);
    }
    glPopMatrix();
    glEndList();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
}
