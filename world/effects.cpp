#include "world/effects.h"

#include <cmath>
#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/turning.h"
#include "world/world_services.h"

namespace {

constexpr int T_SALE = 47; // an item on sale (no object-type name of its own)

// Kinds (effect `sector`).
constexpr int K_AIMED = 1, K_FLASH = 24, K_OVERLAY = 26, K_GRENADE = 27, K_GRENADE_SHADOW = 28,
              K_DEBRIS = 30, K_DEBRIS_SHADOW = 31, K_STAR = 33, K_FIRE = 36, K_GAS = 37;

struct offset {
    float wx, hy; // fractions of the owner's width and height
};
// Flash offsets (kind 24) by direction code 1..8.
constexpr offset flash_offsets[9] = {
    {0, 0},        {1.f / 12, 1.f / 4}, {-1.f / 8, 1.f / 10}, {-1.f / 3, 1.f / 6}, {1.f / 8, 1.f / 6},
    {1.f / 8, 1.f / 4}, {-1.f / 3, 1.f / 4}, {0, 1.f / 6},     {-1.f / 6, 1.f / 6},
};
// Flight offsets (kinds 1, 27, 28, 30, 31) by direction code 1..8.
constexpr offset flight_offsets[9] = {
    {0, 0},            {1.f / 12, 1.f / 4},  {-1.f / 8, -1.f / 6}, {-1.f / 2.3f, 1.f / 14},
    {1.f / 2.3f, 1.f / 14}, {1.f / 6, 1.f / 4}, {-1.f / 3, 1.f / 4}, {1.f / 4, -1.f / 6},
    {-1.f / 4, -1.f / 6},
};

struct marker {
    int passed, stored;
    int* slot;
};

bool Is_Flying(int kind) {
    return kind == K_AIMED || kind == K_GRENADE || kind == K_GRENADE_SHADOW || kind == K_DEBRIS ||
           kind == K_DEBRIS_SHADOW;
}

// The spin of a grenade or its shadow: toward the mouse cell for the player, else the owner's
// heading; 0 without a player.
float Grenade_Spin(const object& e, int owner) {
    if (p1_id == -1) return 0.0f;
    if (owner == p1_id) {
        const float mx = -map_startX + mouse_row_x * 0.1f + 0.05f;
        const float my = -map_startY + mouse_row_y * 0.1f + 0.05f;
        return std::atan2(my - e.y, mx - e.x);
    }
    return sprite[owner].angle;
}

} // namespace

int Normalise_Dropped_Item(int code) {
    const marker markers[] = {
        {8, 5, &current_weapon},  {35, 32, &current_weapon}, {40, 37, &current_weapon},
        {11, 9, &current_weapon}, {30, 28, &current_weapon}, {16, 14, &current_helmet},
        {19, 17, &current_boot},  {22, 20, &current_medal},
    };
    for (const marker& m : markers)
        if (m.passed == code) {
            *m.slot = -1;
            return m.stored;
        }
    return code;
}

bool New_FX(float x, float y, float w, float z, int anim, int anim_state, float box_width,
            float box_height, float width, float height, int priority, int type, float alpha,
            int i_value, int i_type, int state, int linked_sprite, int tex_id, int i_value1,
            int i_value2) {
    if (!Fx || !sprite) return false;
    if (no_fx < 0) no_fx = 0;
    if (no_fx > MAX_FX - 1) return false;

    const int kind = state;
    const int owner = (linked_sprite >= 0 && linked_sprite < MAX_SPRITES) ? linked_sprite : (p1_id != -1 ? p1_id : 0);

    // A ground item needs a free neighbouring cell before anything is written.
    int item_cell = -1;
    if (type == PKU) {
        const int tx = (int)((x + map_startX) * 10.0f);
        const int ty = (int)((y + map_startY) * 10.0f);
        int candidates[8];
        int n = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx == 0 && dy == 0) continue;
                const int cx = tx + dx, cy = ty + dy;
                if (!(cx > 0 && cx < MAP_WIDTH - 1 && cy > 2 && cy < MAP_HEIGHT - 1)) continue;
                const int cell = Cell_Index(cx, cy);
                if (cell < 0 || map_col[cell] != 0) continue;
                bool taken = false;
                for (int k = 0; k < no_fx && !taken; ++k)
                    taken = Fx[k].type == PKU && Fx[k].tile_row == cell;
                if (!taken) candidates[n++] = cell;
            }
        if (n == 0) return false;
        item_cell = candidates[std::rand() % n];
    }

    const int index = no_fx;
    object& e = Fx[index];
    e = object{};
    e.linked_sprite = owner;
    e.tile_row = -1;
    e.sector_action = -1;
    e.sparkle_timer = -1;

    int item_code = i_type;
    if (type == PKU) {
        e.x = -map_startX + Cell_Column_Of(item_cell) * 0.1f;
        e.y = -map_startY + Cell_Row_Of(item_cell) * 0.1f;
        e.width = 0.1f;
        e.height = 0.1f;
        e.w = e.x;
        e.z = e.y;
        e.box_width = 0.1f;
        e.box_height = 0.1f;
        e.tile_row = item_cell;
        item_code = Normalise_Dropped_Item(i_type);
        e.value = i_value;
        e.value1 = i_value1;
        e.value2 = i_value2;
        e.item_type = item_code;
        e.sparkle_timer = 0;
    } else if (type == T_SALE) {
        e.x = x;
        e.y = y;
        e.w = w;
        e.z = z;
        e.width = width;
        e.height = height;
        e.tile_row = Cell_Index((int)((x + map_startX) * 10.0f), (int)((y + map_startY) * 10.0f));
        e.box_width = box_width / 2;
        e.box_height = box_height;
        e.value = i_value;
        e.value1 = i_value1;
        e.value2 = i_value2;
        e.item_type = i_type;
        e.sparkle_timer = 0;
    } else {
        e.x = x;
        e.y = y;
        if (kind == K_OVERLAY) {
            e.w = w;
            e.z = z;
            e.width = sprite[owner].width;
            e.height = sprite[owner].height;
            e.x -= e.width / 2;
            e.y -= e.height / 2;
            e.box_width = box_width;
            e.box_height = box_height;
        } else if (!Is_Flying(kind)) {
            e.w = w + box_width / 4;
            e.z = z;
            e.width = width;
            e.height = height;
            e.box_width = box_width / 2;
            e.box_height = box_height;
        }
    }

    // Animation.
    e.id = tex_id;
    e.anim = anim;
    e.anim_state = anim_state;
    e.cur = 0;
    if (anim_state != ANIM_HELD) {
        e.fx_id = (tex_id >= 0 && tex_id < MAX_TEXTURE_SLOTS) ? animation_fx[tex_id] : -1;
        if (type == PKU || type == T_SALE) e.anim = Calculate_Anim(item_code, i_value, i_value1);
        const int f = Anim_Frame_Of(e);
        e.frame = f < 0 ? 0 : f;
    }

    // Common fields.
    e.turn_off = false;
    e.alpha = alpha;
    e.priority = priority;
    e.type = type;
    e.mouseover = false;
    e.spin = e.angle = e.angle2 = e.distance = 0.0f;
    e.flash_target = false;

    const object& o = sprite[owner];
    if (kind == K_FLASH) {
        int d = Convert_Angle_To_Dir(o.angle);
        e.value = d;
        if (d >= 1 && d <= 8) {
            e.x += flash_offsets[d].wx * o.width;
            e.y += flash_offsets[d].hy * o.height;
        }
    }

    if (Is_Flying(kind)) {
        e.sector_action = i_type;
        if (kind == K_GRENADE) chop_sfx = true;
        if (kind == K_GRENADE || kind == K_DEBRIS) e.priority = 2;
        if (kind == K_GRENADE_SHADOW || kind == K_DEBRIS_SHADOW) e.priority = 4;
        const int d = (linked_sprite != -1) ? Convert_Angle_To_Dir(o.angle) : i_value2;
        e.value = d;
        if (kind == K_AIMED) {
            e.w = w;
            e.z = z;
        }
        if (d >= 1 && d <= 8) {
            e.x += flight_offsets[d].wx * o.width;
            e.y += flight_offsets[d].hy * o.height;
            if (kind == K_AIMED) {
                e.w += flight_offsets[d].wx * o.width;
                e.z += flight_offsets[d].hy * o.height;
            }
        }
        if (kind == K_AIMED) {
            e.width = width;
            e.height = height;
            e.box_width = box_width * 2;
            e.box_height = box_height * 2;
            e.w -= e.box_width / 2;
            e.z -= e.box_height / 2;
            if (i_value >= 0 && i_value < MAX_SPRITES) {
                const object& t = sprite[i_value];
                e.spin = std::atan2((t.z + t.box_height / 2) - (e.z + e.box_height / 2),
                                    (t.w + t.box_width / 2) - (e.w + e.box_width / 2));
            }
        } else {
            const float div = (kind == K_GRENADE || kind == K_DEBRIS) ? 4.0f : 3.0f;
            e.w = e.x;
            e.z = e.y;
            e.width = width / div;
            e.height = height / div;
            e.x -= width / (div * 2);
            e.y -= height / (div * 2);
            e.box_width = box_width;
            e.box_height = box_height;
            e.w -= box_width / 2;
            e.z -= box_height / 2;
            if (kind == K_DEBRIS || kind == K_DEBRIS_SHADOW)
                e.spin = Convert_Dir_To_Angle1(i_value2);
            else
                e.spin = Grenade_Spin(e, owner);
            if (kind == K_GRENADE_SHADOW || kind == K_DEBRIS_SHADOW) {
                e.y -= height / 3;
                e.z -= height / 3;
            }
        }
    }

    if (kind == K_STAR) e.tile_row = std::rand() % 5;

    e.sector = kind;
    e.grab_switch = type == PKU || type == GPU || type == RKT || type == MNE || type == UNT || type == T_SALE;
    e.light = 1.0f;

    const int now = Now();
    if (kind == K_FIRE) {
        if (st_fire_rounds == 1) e.sparkle_timer = now + 2000;
        if (st_fire_rounds == 2) e.sparkle_timer = now + 2500;
        if (st_fire_rounds == 3) e.sparkle_timer = now + 3000;
    }
    if (kind == K_GAS) {
        if (st_gas == 1) e.sparkle_timer = now + 2000;
        if (st_gas == 2) e.sparkle_timer = now + 3000;
        if (st_gas == 3) e.sparkle_timer = now + 3750;
    }

    no_fx = index + 1;
    if (anim_state != ANIM_HELD) Set_Sprite(index, e.anim, anim_state, ANIM_ARRAY_FX, true);
    return true;
}

bool New_FX(const fx_spec& fx) {
    return New_FX(fx.x, fx.y, fx.w, fx.z, fx.anim, fx.anim_state, fx.box_width, fx.box_height, fx.width, fx.height,
                  fx.priority, fx.type, fx.alpha, fx.i_value, fx.i_type, fx.state, fx.linked_sprite, fx.tex_id,
                  fx.i_value1, fx.i_value2);
}
