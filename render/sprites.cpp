#include "render/sprites.h"

#include <GL/gl.h>

#include <cmath>

#include "common/codes.h"
#include "common/fresh_state.h"
#include "render/draw.h"
#include "render/render_inputs.h"

void Set_Values(float x, float y, float R, float G, float B, float A, float u, float v) {
    Gvector[0] = x;
    Gvector[1] = y;
    if (R != -1.0f) Gcolor[0] = R;
    if (G != -1.0f) Gcolor[1] = G;
    if (B != -1.0f) Gcolor[2] = B;
    if (A != -1.0f) Gcolor[3] = A;
    Gtex[0] = u;
    Gtex[1] = v;
}

namespace {

// The world sprites go to GL in batches through vertex arrays: each quad's corners are
// placed here (the translation, scale and turn that a matrix per quad would give) and a
// batch is drawn when the texture, the blending or the texture mode changes, or when it is
// full. Quads keep their order, so what is drawn over what does not change. Outside the
// sprite pass (the HUD) quads are sent one by one under the caller's matrix.
struct Quad_Batch {
    static constexpr int MAX_VERTICES = 4 * 512;
    float xy[MAX_VERTICES * 2];
    float uv[MAX_VERTICES * 2];
    float rgba[MAX_VERTICES * 4];
    int vertices = 0;
};
Quad_Batch batch;
bool batching = false;
GLuint batch_texture = 0;
// Placement of the quad being sent: centre, size and turn.
float place_x = 0.0f, place_y = 0.0f, place_w = 1.0f, place_h = 1.0f, place_cos = 1.0f, place_sin = 0.0f;
KEEP_FRESH(batch, batching, batch_texture, place_x, place_y, place_w, place_h, place_cos, place_sin);

void Flush_Quads() {
    if (batch.vertices == 0) return;
    glDrawArrays(GL_QUADS, 0, batch.vertices);
    batch.vertices = 0;
}

void Begin_Batches() {
    batching = true;
    batch.vertices = 0;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    batch_texture = (GLuint)bound;
    glVertexPointer(2, GL_FLOAT, 0, batch.xy);
    glTexCoordPointer(2, GL_FLOAT, 0, batch.uv);
    glColorPointer(4, GL_FLOAT, 0, batch.rgba);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    // A fragment of alpha 0 leaves the picture as it was under the normal blend, so the
    // rasteriser may drop it before blending: the transparent margins of the sheets cost
    // no framebuffer traffic. The multiplying layer's blend does change the picture under
    // a transparent fragment; it is drawn without the test.
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_ALPHA_TEST);
}

void End_Batches() {
    Flush_Quads();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisable(GL_ALPHA_TEST);
    // The current colour is what the last vertex sent would have left.
    glColor4fv(Gcolor);
    batching = false;
}

// The quad's placement, as glTranslatef(x, y), glScalef(w, h) and a turn of Rotate_By(angle)
// would make it.
void Place_Quad(float x, float y, float w, float h, float angle) {
    place_x = x;
    place_y = y;
    place_w = w;
    place_h = h;
    place_cos = 1.0f;
    place_sin = 0.0f;
    if (angle != 0.0f) {
        // glRotatef about (0, 0, angle) turns counter-clockwise by |angle| degrees.
        const double radians = std::fabs((double)angle) * M_PI / 180.0;
        place_cos = (float)std::cos(radians);
        place_sin = (float)std::sin(radians);
    }
}

void Batch_Bind(int id) {
    GLuint name = 0;
    if (texID != nullptr && id >= 0 && id < numsubmtls) name = texID[id];
    if (name == batch_texture) return;
    Flush_Quads();
    glBindTexture(GL_TEXTURE_2D, name);
    batch_texture = name;
}

void Send_Vertex() {
    if (!batching) {
        glColor4fv(Gcolor);
        glTexCoord2fv(Gtex);
        glVertex2fv(Gvector);
        return;
    }
    const int v = batch.vertices++;
    const float px = Gvector[0], py = Gvector[1];
    batch.xy[2 * v] = place_x + place_w * (place_cos * px - place_sin * py);
    batch.xy[2 * v + 1] = place_y + place_h * (place_sin * px + place_cos * py);
    batch.uv[2 * v] = Gtex[0];
    batch.uv[2 * v + 1] = Gtex[1];
    for (int k = 0; k < 4; ++k) batch.rgba[4 * v + k] = Gcolor[k];
}

void Begin_Quad() {
    if (batching && batch.vertices + 4 > Quad_Batch::MAX_VERTICES) Flush_Quads();
    if (!batching) glBegin(GL_QUADS);
}

void End_Quad() {
    if (!batching) glEnd();
}

} // namespace

int Slot_Kind(int id) {
    if (id < 0 || id >= MAX_TEXTURE_SLOTS) return 0;
    return texture_fx[id];
}

bool Is_Sheet_Kind(int id) {
    int kind = Slot_Kind(id);
    return kind == 2 || kind == 3 || kind == 4;
}

void Bind_Slot(int id) {
    GLuint name = 0;
    if (texID != nullptr && id >= 0 && id < numsubmtls) name = texID[id];
    glBindTexture(GL_TEXTURE_2D, name);
}

int Sheet_Frames_Per_Row(int fx_id) {
    if (fx_id < 0 || fx_id >= MAX_ANIM_SHEETS) return 1;
    animation_texture& sheet = a_texture[fx_id];
    if (sheet.column == 0) sheet.column = 1;
    int per_row = sheet.column != 0 ? sheet.frames / sheet.column : 0;
    // A sheet with fewer frames than rows has no layout of its own: one frame per row.
    return per_row > 0 ? per_row : 1;
}

bool Get_Texture_Coord(int id, int fx_id, int frame, bool /*is_a_sprite*/) {
    global_u = global_u1 = global_v = global_v1 = 0.0f;
    if (!Is_Sheet_Kind(id)) return true;
    if (fx_id < 0 || fx_id >= MAX_ANIM_SHEETS) return true;
    int p = Sheet_Frames_Per_Row(fx_id);
    int n = a_texture[fx_id].column;
    if (frame < 0) frame = 0;
    int c = frame % p;
    int r = frame / p;
    global_u = (float)c * (1.0f / (float)p);
    global_u1 = 1.0f / (float)p - 0.001f;
    if (n == 1) {
        global_v = 0.9999f;
        global_v1 = 0.0f;
    } else if ((n == 2 || n == 4 || n == 8) && r < n) {
        global_v = 1.0f - (float)r / (float)n - 0.0001f;
        global_v1 = 1.0f - (float)(r + 1) / (float)n;
    }
    return true;
}

int Light_Cell_Value(float px, float py) {
    int width = MAP_WIDTH < MAX_MAP ? MAP_WIDTH : MAX_MAP;
    int height = MAP_HEIGHT < MAX_MAP ? MAP_HEIGHT : MAX_MAP;
    if (width <= 0 || height <= 0) return 0;
    float fc = (px + map_startX) * 10.0f;
    float fr = (py + map_startY) * 10.0f;
    // Clamp in float so that far-off or invalid points never reach the conversion.
    if (!(fc >= 0.0f)) fc = 0.0f;
    if (!(fr >= 0.0f)) fr = 0.0f;
    if (fc > (float)(width - 1)) fc = (float)(width - 1);
    if (fr > (float)(height - 1)) fr = (float)(height - 1);
    int index = (int)fr * MAP_HEIGHT + (int)fc;
    if (index < 0 || index >= MAX_MAP * MAX_MAP) return 0;
    return map_light[index];
}

void Rotate_By(float angle) {
    if (angle != 0.0f) glRotatef(angle, 0.0f, 0.0f, angle);
}

void Sheet_Quad(float u, float uw, float vb, float vt, bool mirrored, float r, float g, float b,
                float a) {
    float ul = mirrored ? u + uw : u;
    float ur = mirrored ? u : u + uw;
    Begin_Quad();
    Set_Values(-0.5f, -0.5f, r, g, b, a, ul, vb);
    Send_Vertex();
    Set_Values(0.5f, -0.5f, -1, -1, -1, -1, ur, vb);
    Send_Vertex();
    Set_Values(0.5f, 0.5f, -1, -1, -1, -1, ur, vt);
    Send_Vertex();
    Set_Values(-0.5f, 0.5f, -1, -1, -1, -1, ul, vt);
    Send_Vertex();
    End_Quad();
}

void Stored_Quad(const object& o, float r, float g, float b, float a) {
    static const float qx[4] = {-0.5f, 0.5f, 0.5f, -0.5f};
    static const float qy[4] = {-0.5f, -0.5f, 0.5f, 0.5f};
    Begin_Quad();
    for (int k = 0; k < 4; ++k) {
        if (k == 0)
            Set_Values(qx[k], qy[k], r, g, b, a, o.u[k], o.v[k]);
        else
            Set_Values(qx[k], qy[k], -1, -1, -1, -1, o.u[k], o.v[k]);
        Send_Vertex();
    }
    End_Quad();
}

void Draw_Sprite() {
    Begin_Batches();
    for (int k = 0; k < z_buffer_count; ++k) {
        int entry = var3[k];
        bool is_sprite;
        if (entry >= 0 && entry < MAX_SPRITES) {
            if (sprite == nullptr) continue;
            display = sprite[entry];
            is_sprite = true;
        } else if (entry >= FX_ID_BASE && entry < FX_ID_BASE + MAX_FX) {
            if (Fx == nullptr) continue;
            display = Fx[entry - FX_ID_BASE];
            is_sprite = false;
        } else {
            continue;
        }

        // Hidden records.
        if ((display.type == TRI || display.type == SWI || display.type == CUT) &&
            game_mode != MODE_FRONT)
            continue;
        if (display.alpha == 0.0f) continue;
        if (display.mouseover && display.type != LAD) continue;
        if (display.turn_off) continue;

        // Light from the grid, in walk scenes.
        if (game_mode == MODE_WALK) {
            float L = 1.0f;
            if (display.type == OBJ &&
                (display.sector_action == OBJ_LIGHT || display.sector_action == OBJ_LIGHT1)) {
                L = 1.0f;
            } else if (Light_Level <= 98.0f || in_dungeon) {
                if (is_sprite) {
                    int best = 0;
                    const float cx[4] = {display.x, display.x + display.width, display.x,
                                         display.x + display.width};
                    const float cy[4] = {display.y, display.y, display.y + display.height,
                                         display.y + display.height};
                    for (int c = 0; c < 4; ++c) {
                        int value = Light_Cell_Value(cx[c], cy[c]);
                        if (value > best) best = value;
                    }
                    L = (float)best / 100.0f;
                } else {
                    L = (float)Light_Cell_Value(display.x + display.width / 2.0f,
                                                display.y + display.height / 2.0f) /
                        100.0f;
                }
            }
            if (display.type == UNT && !(is_sprite && entry == p1_id) && display.alpha > 0.0f)
                display.alpha = L;
            display.light = L;
        }

        float c = fade;
        if (game_mode == MODE_WALK || game_mode == MODE_FRONT || game_mode == MODE_WORLD) {
            c = display.light;
            if (c > fade) c = fade;
        }
        if (quit_active && game_mode == MODE_WALK) c -= 0.5f;

        bool is_player = is_sprite && p1_id != -1 && entry == p1_id;
        if (bump_player && is_player) {
            display.width += 0.04f;
            display.height += 0.03f;
            display.x -= 0.02f;
            display.y -= 0.015f;
        }
        bool player_flash = is_player && !ply_dead && display.flash_target;
        bool rotated = display.type == GFX || (display.type == FE_CARD && game_mode == MODE_FRONT);

        if (Is_Sheet_Kind(display.id)) {
            Get_Texture_Coord(display.id, display.fx_id, display.frame, true);
            float u = global_u, uw = global_u1, vt = global_v, vb = global_v1;
            float qx = display.x, qy = display.y, qw = display.width, qh = display.height;
            if (display.depth > 0.0f) {
                qh = display.height * (1.0f - display.depth);
                vb = vb + (vt - vb) * display.depth;
                qy = qy + display.height / 8.0f;
            } else if (display.depth > -1.0f && display.depth < 0.0f) {
                qy = qy + (-display.depth) / 8.0f;
            } else if (display.depth < -1.0f) {
                qy = qy - (-1.0f - display.depth) / 8.0f;
            }
            if (display.sector == UNIT_PLANE) qy = qy + 0.3f;

            bool flash = display.flash_target && !ply_dead;
            if (flash) {
                Flush_Quads();
                glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
            }
            Place_Quad(qx + qw / 2.0f, qy + qh / 2.0f, qw, qh, rotated ? display.angle : 0.0f);
            float r = c, g = c, b = c;
            if (player_flash) {
                r = start_healing ? 0.0f : 1.0f;
                g = start_healing ? 1.0f : 0.0f;
                b = 0.0f;
            }
            bool mirrored = (display.type == UNT && display.angle > -1.875f &&
                             display.angle < 1.875f) ||
                            (game_mode == MODE_FRONT && display.type == FE_FLIP);
            Batch_Bind(display.id);
            Sheet_Quad(u, uw, vb, vt, mirrored, r, g, b, display.alpha);
            if (flash) {
                Flush_Quads();
                glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            }
        } else {
            Place_Quad(display.x + display.width / 2.0f, display.y + display.height / 2.0f, display.width,
                       display.height, rotated ? display.angle : 0.0f);
            float r = c, g = c, b = c;
            if (player_flash) {
                r = 1.0f;
                g = 0.0f;
                b = 0.0f;
            }
            bool multiply = Slot_Kind(display.id) == 5;
            if (multiply) {
                Flush_Quads();
                glBlendFunc((GLenum)src_one, (GLenum)src_two);
                glDisable(GL_ALPHA_TEST);
            }
            Batch_Bind(display.id);
            Stored_Quad(display, r, g, b, display.alpha);
            if (multiply) {
                Flush_Quads();
                glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
                glEnable(GL_ALPHA_TEST);
            }
        }
    }
    End_Batches();
}
