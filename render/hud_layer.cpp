#include "render/hud_layer.h"

#include <GL/gl.h>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "render/draw.h"
#include "render/font.h"
#include "render/sprites.h"
#include "render/texture_opacity.h"
#include "world/world_clock.h"

namespace {
void Place_Item(const object& o, bool doubled) {
    if (doubled) {
        glTranslatef(o.x - o.width, o.y - o.height, 0.0f);
        glScalef(2.0f * o.width, 2.0f * o.height, 0.0f);
    } else {
        glTranslatef(o.x + o.width / 2.0f, o.y + o.height / 2.0f, 0.0f);
        glScalef(o.width, o.height, 0.0f);
    }
}

// An opaque image at full alpha (a page's backdrop) is drawn without blending: every
// fragment has alpha 1, which the normal blend writes unchanged.
bool Covering_Item(const object& o) {
    if (!(o.alpha >= 1.0f) || texID == nullptr || o.id < 0 || o.id >= numsubmtls) return false;
    const unsigned name = texID[o.id];
    return name < OPAQUE_NAMES && opaque_texture[name];
}

void Plain_Item(const object& o, float c, bool doubled) {
    bool multiply = Slot_Kind(o.id) == 5;
    const bool cover = !multiply && Covering_Item(o);
    if (multiply) glBlendFunc((GLenum)src_one, (GLenum)src_two);
    if (cover) glDisable(GL_BLEND);
    glPushMatrix();
    Place_Item(o, doubled);
    Bind_Slot(o.id);
    Stored_Quad(o, c, c, c, o.alpha);
    glPopMatrix();
    if (multiply) glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (cover) glEnable(GL_BLEND);
}

bool Is_Hud_Sheet(int id) {
    int kind = Slot_Kind(id);
    return kind == 2 || kind == 3;
}
} // namespace

void Draw_Hud_Sprites() {
    if (hud == nullptr) return;
    for (int k = 0; k < hud_z_count; ++k) {
        int i = var4[k];
        if (i < 0 || i >= MAX_HUD) continue;
        if (i == 1 || i == 6 || i == 40 || i == 41 || i == 47) continue;
        if (i == 2 && Level == LVL_SHOP) continue;
        if (hud[i].alpha == 0.0f) continue;

        display = hud[i];
        float c = fade;
        if (game_mode == MODE_WALK || game_mode == MODE_FRONT || game_mode == MODE_WORLD) {
            c = display.light;
            if (display.light > fade) c = fade;
        }
        if (quit_active && game_mode != MODE_FRONT && i != 2 && i != 40 && i != 41) c -= 0.5f;

        if (Is_Hud_Sheet(display.id)) {
            Get_Texture_Coord(display.id, display.fx_id, display.frame, false);
            if (display.flash_target) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
            glPushMatrix();
            Place_Item(display, false);
            if ((i == 39 || i == 51) && p1_id != -1 && sprite != nullptr && p1_id >= 0 &&
                p1_id < MAX_SPRITES) {
                float a = sprite[p1_id].moving ? rain_angle + 2.0f : rain_angle;
                Rotate_By(a);
            }
            if (i == 56) Rotate_By(display.angle);
            Bind_Slot(display.id);
            Sheet_Quad(global_u, global_u1, global_v1, global_v, false, c, c, c, display.alpha);
            glPopMatrix();
        } else {
            Plain_Item(display, c, k == 0 && game_mode == MODE_FRONT);
        }
        if (display.flash_target) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

        if (i == 2 && game_mode == MODE_WALK) Draw_Font(4);
        if (i == 50) Draw_Font(9);
        if (i == 49) Draw_Font(10);
    }
}

void Hud_Frame_Coord(int fx_id, int frame, float& u, float& uw, float& vt, float& vb) {
    u = uw = vt = vb = 0.0f;
    if (fx_id < 0 || fx_id >= MAX_ANIM_SHEETS) return;
    int p = Sheet_Frames_Per_Row(fx_id);
    int n = a_texture[fx_id].column;
    if (frame < 0) frame = 0;
    int col = frame % p, r = frame / p;
    u = (float)col / (float)p;
    uw = 1.0f / (float)p;
    if (n == 1) {
        vt = 1.0f;
        vb = 0.0f;
    } else if ((n == 2 || n == 4) && r < n) {
        vt = 1.0f - (float)r / (float)n;
        vb = 1.0f - (float)(r + 1) / (float)n;
    } else if (n == 8 && r < n) {
        vt = 1.0f - (float)r / 8.0f - 0.0001f;
        vb = 1.0f - (float)(r + 1) / 8.0f;
    }
}

void Draw_Hud(int index) {
    if (game_mode == MODE_NORM || game_mode == MODE_GAME) return;
    if (hud == nullptr || index < 0 || index >= MAX_HUD) return;
    if (hud[index].alpha == 0.0f) return;
    display = hud[index];
    float c = fade;
    if (Is_Hud_Sheet(display.id)) {
        float u, uw, vt, vb;
        Hud_Frame_Coord(display.fx_id, display.frame, u, uw, vt, vb);
        glPushMatrix();
        Place_Item(display, false);
        Bind_Slot(display.id);
        Sheet_Quad(u, uw, vb, vt, false, c, c, c, display.alpha);
        glPopMatrix();
    } else {
        Plain_Item(display, c, false);
    }
}
