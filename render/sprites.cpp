#include "render/sprites.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "render/draw.h"
#include "render/texture_opacity.h"
#include "world/world_clock.h"

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
// placed here (the translation, scale and turn that a matrix per quad would give) with the
// state it is drawn with (texture and blend), and the pass is drawn at its end, one draw per
// batch of quads that share that state. Each change of state costs the rasteriser a copy of
// its whole state, so a quad joins an earlier batch of its own state when no quad of the
// batches after that one overlaps it: only quads that share no pixel change their order, so
// the picture is the one that drawing quad by quad gives. Outside the sprite pass (the HUD)
// quads are sent one by one under the caller's matrix.

// How a batch is drawn: images and animation sheets with the normal blend (sheets with the
// alpha test below), sheets in a hit flash, multiplying layers, and images that cover what
// lies under them (see Covering_Quad).
enum Quad_Mode { QUAD_PLAIN, QUAD_SHEET, QUAD_FLASH, QUAD_MULTIPLY, QUAD_COVER };

struct Quad_Queue {
    static constexpr int MAX_QUADS = 1024;
    static constexpr int MAX_BATCHES = MAX_QUADS;
    // Quads in the order they were sent.
    float xy[MAX_QUADS * 4 * 2];
    float uv[MAX_QUADS * 4 * 2];
    float rgba[MAX_QUADS * 4 * 4];
    float box[MAX_QUADS][4];       // left, bottom, right, top, widened by BOX_MARGIN
    int batch_of[MAX_QUADS];
    int quads = 0;
    int vertices = 0;              // corners of the quad being sent
    // Batches in drawing order.
    GLuint texture[MAX_BATCHES];
    int mode[MAX_BATCHES];
    int count[MAX_BATCHES];
    int first_quad[MAX_BATCHES];   // the batch's quads, in order: first, last, and the next
    int last_quad[MAX_BATCHES];    // after each quad (-1 after the last)
    int next_in_batch[MAX_QUADS];
    float union_box[MAX_BATCHES][4];
    int batches = 0;
    // The quads in drawing order, as GL reads them.
    float out_xy[MAX_QUADS * 4 * 2];
    float out_uv[MAX_QUADS * 4 * 2];
    float out_rgba[MAX_QUADS * 4 * 4];
};
Quad_Queue queue;
bool batching = false;
GLuint batch_texture = 0;   // texture of the quads being sent
int batch_mode = QUAD_PLAIN;
GLuint gl_texture = 0;      // texture bound in GL
// Placement of the quad being sent: centre, size and turn.
float place_x = 0.0f, place_y = 0.0f, place_w = 1.0f, place_h = 1.0f, place_cos = 1.0f, place_sin = 0.0f;
KEEP_FRESH(queue, batching, batch_texture, batch_mode, gl_texture, place_x, place_y, place_w, place_h,
           place_cos, place_sin);

// Quads this close count as overlapping: rasterisation snaps corners to a fraction of a
// pixel, so boxes that all but touch could still share one (world units; a pixel is about
// 0.002 at the game's zoom).
constexpr float BOX_MARGIN = 0.01f;
// How far back a quad looks for a batch to join.
constexpr int LOOK_BACK = 48;

void Set_Mode(int mode, int previous) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode == QUAD_FLASH ? GL_BLEND : GL_MODULATE);
    if (mode == QUAD_MULTIPLY) glBlendFunc((GLenum)src_one, (GLenum)src_two);
    else glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A fragment of alpha 0 leaves the picture as it was under the normal blend, so the
    // rasteriser may drop it before blending: the transparent margins around the frames of
    // a sheet cost no framebuffer traffic. Images (backdrops mostly) are opaque or nearly,
    // where the test would only add work; the multiplying layer's blend does change the
    // picture under a transparent fragment.
    if (mode == QUAD_SHEET || mode == QUAD_FLASH) glEnable(GL_ALPHA_TEST);
    else glDisable(GL_ALPHA_TEST);
    // The normal blend of a fragment of alpha 1 writes the fragment's colour as it is: such a
    // quad is drawn without blending, and the rasteriser does not read the pixels under it.
    if (mode == QUAD_COVER) glDisable(GL_BLEND);
    else if (previous == QUAD_COVER) glEnable(GL_BLEND);
}

// Draws every queued quad, batch by batch, and empties the queue.
void Flush_Quads() {
    Quad_Queue& q = queue;
    if (q.quads == 0) return;
    int start[Quad_Queue::MAX_BATCHES];
    for (int b = 0, at = 0; b < q.batches; ++b) {
        start[b] = at;
        at += q.count[b];
    }
    int next[Quad_Queue::MAX_BATCHES];
    std::copy(start, start + q.batches, next);
    for (int k = 0; k < q.quads; ++k) {
        const int slot = next[q.batch_of[k]]++;
        std::copy_n(&q.xy[k * 8], 8, &q.out_xy[slot * 8]);
        std::copy_n(&q.uv[k * 8], 8, &q.out_uv[slot * 8]);
        std::copy_n(&q.rgba[k * 16], 16, &q.out_rgba[slot * 16]);
    }
    int mode = QUAD_PLAIN;
    for (int b = 0; b < q.batches; ++b) {
        if (q.texture[b] != gl_texture) {
            glBindTexture(GL_TEXTURE_2D, q.texture[b]);
            gl_texture = q.texture[b];
        }
        if (q.mode[b] != mode) {
            Set_Mode(q.mode[b], mode);
            mode = q.mode[b];
        }
        glDrawArrays(GL_QUADS, 4 * start[b], 4 * q.count[b]);
    }
    if (mode != QUAD_PLAIN) Set_Mode(QUAD_PLAIN, mode);
    q.quads = 0;
    q.batches = 0;
}

// Files the quad just sent (the last four corners) into a batch.
void File_Quad() {
    Quad_Queue& q = queue;
    const int k = q.quads;
    float* b = q.box[k];
    b[0] = b[2] = q.xy[k * 8];
    b[1] = b[3] = q.xy[k * 8 + 1];
    for (int v = 1; v < 4; ++v) {
        const float x = q.xy[k * 8 + 2 * v], y = q.xy[k * 8 + 2 * v + 1];
        b[0] = std::min(b[0], x), b[2] = std::max(b[2], x);
        b[1] = std::min(b[1], y), b[3] = std::max(b[3], y);
    }
    b[0] -= BOX_MARGIN, b[1] -= BOX_MARGIN, b[2] += BOX_MARGIN, b[3] += BOX_MARGIN;
    // Back from the newest batch: a batch of the same state is a place to join (the quad is
    // then drawn after all of it and before every later batch); a batch with a quad that
    // overlaps this one is a wall it cannot be moved past.
    auto overlaps = [b](const float* o) {
        return o[0] < b[2] && b[0] < o[2] && o[1] < b[3] && b[1] < o[3];
    };
    int target = -1;
    const int oldest = std::max(0, q.batches - LOOK_BACK);
    for (int t = q.batches - 1; t >= oldest; --t) {
        if (q.texture[t] == batch_texture && q.mode[t] == batch_mode) {
            target = t;
            break;
        }
        bool wall = false;
        if (overlaps(q.union_box[t]))
            for (int j = q.first_quad[t]; j >= 0 && !wall; j = q.next_in_batch[j]) wall = overlaps(q.box[j]);
        if (wall) break;
    }
    if (target < 0) {
        target = q.batches++;
        q.texture[target] = batch_texture;
        q.mode[target] = batch_mode;
        q.count[target] = 0;
        q.first_quad[target] = k;
        std::copy_n(b, 4, q.union_box[target]);
    } else {
        q.next_in_batch[q.last_quad[target]] = k;
        float* u = q.union_box[target];
        u[0] = std::min(u[0], b[0]), u[1] = std::min(u[1], b[1]);
        u[2] = std::max(u[2], b[2]), u[3] = std::max(u[3], b[3]);
    }
    q.last_quad[target] = k;
    q.next_in_batch[k] = -1;
    q.batch_of[k] = target;
    q.count[target]++;
    q.quads++;
}

void Begin_Batches() {
    batching = true;
    queue.quads = 0;
    queue.batches = 0;
    queue.vertices = 0;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    gl_texture = (GLuint)bound;
    batch_texture = gl_texture;
    batch_mode = QUAD_PLAIN;
    glVertexPointer(2, GL_FLOAT, 0, queue.out_xy);
    glTexCoordPointer(2, GL_FLOAT, 0, queue.out_uv);
    glColorPointer(4, GL_FLOAT, 0, queue.out_rgba);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glAlphaFunc(GL_GREATER, 0.0f);
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

// The state of the quads sent from here on: the texture of slot id, drawn as `mode`.
void Batch_State(int id, int mode) {
    GLuint name = 0;
    if (texID != nullptr && id >= 0 && id < numsubmtls) name = texID[id];
    batch_texture = name;
    batch_mode = mode;
}

void Send_Vertex() {
    if (!batching) {
        glColor4fv(Gcolor);
        glTexCoord2fv(Gtex);
        glVertex2fv(Gvector);
        return;
    }
    Quad_Queue& q = queue;
    const int v = q.quads * 4 + q.vertices++;
    const float px = Gvector[0], py = Gvector[1];
    q.xy[2 * v] = place_x + place_w * (place_cos * px - place_sin * py);
    q.xy[2 * v + 1] = place_y + place_h * (place_sin * px + place_cos * py);
    q.uv[2 * v] = Gtex[0];
    q.uv[2 * v + 1] = Gtex[1];
    for (int k = 0; k < 4; ++k) q.rgba[4 * v + k] = Gcolor[k];
}

void Begin_Quad() {
    if (batching && queue.quads >= Quad_Queue::MAX_QUADS) Flush_Quads();
    if (batching) queue.vertices = 0;
    if (!batching) glBegin(GL_QUADS);
}

// An image quad whose texture is opaque and whose corners all have alpha 1 (or more, which
// GL clamps to 1): every fragment it makes has alpha exactly 1 under the modulating texture
// environment, so the normal blend would write its colour unchanged.
bool Covering_Quad() {
    if (batch_mode != QUAD_PLAIN || batch_texture >= OPAQUE_NAMES || !opaque_texture[batch_texture]) return false;
    const float* rgba = &queue.rgba[queue.quads * 16];
    for (int v = 0; v < 4; ++v)
        if (!(rgba[4 * v + 3] >= 1.0f)) return false;
    return true;
}

void End_Quad() {
    if (!batching) {
        glEnd();
        return;
    }
    if (queue.vertices == 4) {
        const int sent_mode = batch_mode;
        if (Covering_Quad()) batch_mode = QUAD_COVER;
        File_Quad();
        batch_mode = sent_mode;
    }
    queue.vertices = 0;
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
            Batch_State(display.id, flash ? QUAD_FLASH : QUAD_SHEET);
            Sheet_Quad(u, uw, vb, vt, mirrored, r, g, b, display.alpha);
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
            Batch_State(display.id, multiply ? QUAD_MULTIPLY : QUAD_PLAIN);
            Stored_Quad(display, r, g, b, display.alpha);
        }
    }
    End_Batches();
}
