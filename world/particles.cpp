#include "world/particles.h"

#include <cstdlib>

#include "common/codes.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "world/effects.h"
#include "world/world_services.h"

namespace {

constexpr int GFX_TYPE = GFX;       // graphic effect
constexpr int TEX_EFFECTS = 2;      // the effects sheet
constexpr int TEX_DEBRIS = 27;      // debris pieces
constexpr int NO_OWNER = -1;        // New_FX makes the player the owner
constexpr int SPEED_CLASS = 2;      // flight speed class of debris and stars

constexpr int K_PLAIN = 0, K_DEBRIS = 30, K_DEBRIS_SHADOW = 31, K_STAR = 33, K_DUST = 35, K_GAS = 37;

bool Is_Water_Tile(int t) { return t >= 480 && t <= 483; }


// A graphic effect of the effects sheet with box and quad of one size.
void Plain_Effect(float x, float y, float w, float z, int anim, int mode, float width, float height,
                  int priority, float alpha, int kind) {
    New_FX({.x = x, .y = y, .w = w, .z = z, .anim = anim, .anim_state = mode, .box_width = width,
            .box_height = height, .width = width, .height = height, .priority = priority, .type = GFX_TYPE,
            .alpha = alpha, .state = kind, .linked_sprite = NO_OWNER, .tex_id = TEX_EFFECTS});
}

// One jitter draw: 0.1, 0.1, 0.2 or 0.3.
float Jitter() {
    int r = std::rand() % 4;
    if (r == 0) r = 1;
    return (float)r / 10.0f;
}

// A debris piece and its shadow, both sized after the player's sprite (sprite 0 without one),
// flying in direction code dir.
void Debris_Pair(float x, float y, int piece_anim, int shadow_anim, int dir) {
    const object& p = sprite[Valid_Sprite(p1_id) ? p1_id : 0];
    New_FX({.x = x, .y = y, .anim = piece_anim, .anim_state = ANIM_LOOP, .box_width = p.box_width,
            .box_height = p.box_height, .width = p.width, .height = p.height, .type = GFX_TYPE,
            .i_type = SPEED_CLASS, .state = K_DEBRIS, .linked_sprite = NO_OWNER, .tex_id = TEX_DEBRIS,
            .i_value2 = dir});
    New_FX({.x = x, .y = y, .anim = shadow_anim, .anim_state = ANIM_LOOP, .box_width = p.box_width,
            .box_height = p.box_height, .width = p.width, .height = p.height, .type = GFX_TYPE,
            .i_type = SPEED_CLASS, .state = K_DEBRIS_SHADOW, .linked_sprite = NO_OWNER, .tex_id = TEX_DEBRIS,
            .i_value2 = dir});
}

// The two direction codes of one draw: rand() % 2 picks the first (0) or the second (1).
int Pick(int first, int second) { return std::rand() % 2 == 0 ? first : second; }

struct burst {
    float dx, dy, size;
};
// Explosion bursts by rand() % 6, relative to the object's (x, y).
constexpr burst explosion_bursts[6] = {
    {0.0f, -0.2f, 0.4f}, {0.05f, 0.1f, 0.2f}, {-0.2f, -0.1f, 0.4f},
    {0.0f, 0.05f, 0.5f}, {-0.2f, 0.1f, 0.5f}, {0.0f, 0.0f, 0.5f},
};

} // namespace

void Create_Dust_Effect(float x, float y, bool is_shotgun) {
    const float jx = Jitter();
    const float jy = Jitter();
    const float px = x - jx;
    const float py = y - jy;

    if (p1_id == -1 || !Valid_Sprite(p1_id)) return;
    const int cell = Cell_Of(px, py);
    if (cell < 0) return;
    const object& player = sprite[p1_id];

    if (Is_Water_Tile(tiles[cell])) {
        Plain_Effect(px, py, player.w, player.z, 39, ANIM_ONCE, 0.15f, 0.2f, 2, 1.0f, K_PLAIN);
        water_sfx = true;
        return;
    }
    if (is_shotgun) {
        if (st_gas >= 1 && st_gas <= 3)
            Plain_Effect(px - 0.1f, py - 0.11f, px - 0.1f, py - 0.11f, 89, ANIM_LOOP, 0.2f, 0.22f, 2, 0.6f,
                         K_GAS);
        return;
    }
    ric_sfx = true;
    Plain_Effect(px, py, player.w, player.z, 12, ANIM_ONCE, 0.15f, 0.2f, 2, 1.0f, K_PLAIN);
    Plain_Effect(px - 0.07f, py - 0.06f, player.w, player.z, 27, ANIM_LOOP, 0.15f, 0.2f, 2, 0.8f, K_DUST);
}

void Create_Crate_Effect(int guy_shot) {
    if (!Valid_Sprite(guy_shot)) return;
    const object& c = sprite[guy_shot];
    New_FX({.x = c.x, .y = c.y, .anim = 54, .anim_state = ANIM_ONCE, .box_width = c.width, .box_height = c.height,
            .width = c.width, .height = c.height, .priority = 1, .type = GFX_TYPE, .state = K_PLAIN,
            .linked_sprite = NO_OWNER, .tex_id = TEX_EFFECTS});
}

void Create_Explosion(int guy_shot) {
    if (!Valid_Sprite(guy_shot)) return;
    const object& o = sprite[guy_shot];
    int anim = 0;
    if (exploding_type == 0) anim = 37;
    if (exploding_type == 1) anim = 85;
    const burst& b = explosion_bursts[std::rand() % 6];
    Plain_Effect(o.x + b.dx, o.y + b.dy, o.x, o.y, anim, ANIM_ONCE, b.size, b.size, 2, 1.0f, K_PLAIN);
    Camera_Shake(SHAKE_SHORT2);
    if (exploding_type == 1) destroy_sfx = true;
    if (exploding_type == 0) clank_sfx = true;
}

void Create_Frag_Effect(float x1, float y1) {
    if (!sprite) return;
    Debris_Pair(x1, y1, 4, 6, Pick(5, 4));
    Debris_Pair(x1, y1, 4, 6, Pick(8, 3));
    Debris_Pair(x1, y1, 4, 6, Pick(2, 7));
}

void Create_Gibs_Effect(int index) {
    if (!Valid_Sprite(index)) return;
    const object& body = sprite[index];
    const float cx = body.w + body.box_width / 2;
    const float cy = body.z + body.box_height / 2;
    int piece = 12;
    if (body.rank == 1 && body.sector != MONKEY) piece = 13;
    if (body.sector == DOG || body.sector == MONKEY) piece = 14;
    if (body.sector == UNIT_SKELETON || body.sector == UNIT_DEAD_CHIEF) piece = 11;
    Debris_Pair(cx, cy, piece, 10, Pick(5, 4));
    Debris_Pair(cx, cy, piece, 10, Pick(8, 3));
    Debris_Pair(cx, cy, piece, 10, Pick(2, 7));
    Debris_Pair(cx, cy, piece, 10, Pick(6, 5));
}

void Create_Star_Effect(float x1, float y1, float size, int tex_id) {
    New_FX({.x = x1, .y = y1, .w = x1, .z = y1, .anim = 8, .anim_state = ANIM_LOOP, .box_width = size,
            .box_height = size, .width = size, .height = size, .type = GFX_TYPE, .i_value = -1,
            .i_type = SPEED_CLASS, .state = K_STAR, .linked_sprite = NO_OWNER, .tex_id = tex_id, .i_value2 = 5});
}
