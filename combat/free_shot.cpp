#include "combat/free_shot.h"

#include <cmath>
#include <string>

#include "combat/combat.h"
#include "combat/cooldowns.h"
#include "combat/damage.h"
#include "combat/firing.h"
#include "combat/ordnance.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/effects.h"
#include "world/particles.h"
#include "world/turning.h"

namespace {

constexpr int FX_KIND_FLASH = 24, FX_KIND_SMOKE = 35, FX_KIND_FIRE = 36, FX_KIND_GAS = 37;
constexpr int TEX_EFFECTS = 2, TEX_FLASHES = 8;

constexpr float KNIFE_REACH = 1.2f * 0.075f;
constexpr float KNIFE_WINDOW = 0.1f;

constexpr int TILE_EXPLOSIVE = 14, TILE_EXPLOSIVE_SPENT = 15;
constexpr int TILE_WATER_FIRST = 480, TILE_WATER_LAST = 483;
constexpr int TILE_GLASS = 502, TILE_BOTTLE = 504;
constexpr int LEVEL_BOTTLES = 9;
constexpr int DROP_MARKED_BOTTLE = 13;
constexpr int FLAG_BOTTLE_DROP_TAKEN = 7;

float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

int Equipped_Code() { return (current_weapon >= 0 && current_weapon < 16) ? player_inv[current_weapon] : 0; }
bool Is_Rifle(int c) { return c == 6 || c == 7 || c == 8; }
bool Is_Pistol(int c) { return c == 10 || c == 11; }
bool Is_Shotgun(int c) { return c == 33 || c == 34 || c == 35; }
bool Is_Machine_Gun(int c) { return c == 38 || c == 39 || c == 40; }

void Weapon_Sound() {
    const int code = Equipped_Code();
    if (Is_Rifle(code)) {
        sniperply_sfx = true;
    } else if (Is_Shotgun(code)) {
        if (player_inv_value[current_weapon] == 0 && has_double_barrel)
            shotgun1_sfx = true;
        else
            shotgun_sfx = true;
    } else if (Is_Machine_Gun(code)) {
        mount_sfx = true;
    } else if (code == 29 || code == 30 || Is_Pistol(code)) {
        death_sfx = true;
    }
}

// Where a round of the player lands: a splash on water, fire or gas from upgraded rounds,
// else a ricochet with smoke.
void Round_Lands(float mx, float my) {
    const int cell = Cell_Of(mx, my);
    if (cell == -1) return;
    const object& p = sprite[p1_id];
    const int tile = tiles[cell];
    if (tile >= TILE_WATER_FIRST && tile <= TILE_WATER_LAST) {
        New_FX({.x = mx - 0.07f, .y = my - 0.06f, .w = p.w, .z = p.z, .anim = 39, .anim_state = ANIM_ONCE,
                .box_width = 0.15f, .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = GFX,
                .tex_id = TEX_EFFECTS});
        water_sfx = true;
    } else if (has_pistol_equipped && st_fire_rounds >= 1 && st_fire_rounds <= 3) {
        struct flame {
            float dx, dy, w, h;
        };
        constexpr flame flames[3] = {{0.06f, 0.07f, 0.12f, 0.14f}, {0.08f, 0.09f, 0.16f, 0.18f},
                                     {0.1f, 0.11f, 0.2f, 0.22f}};
        const flame& f = flames[st_fire_rounds - 1];
        New_FX({.x = mx - f.dx, .y = my - f.dy, .w = mx - f.dx, .z = my - f.dy, .anim = 36, .anim_state = ANIM_LOOP,
                .box_width = f.w, .box_height = f.h, .width = f.w, .height = f.h, .priority = 2, .type = GFX,
                .state = FX_KIND_FIRE, .tex_id = TEX_EFFECTS});
    } else if (has_shotgun_equipped && st_gas >= 1 && st_gas <= 3) {
        New_FX({.x = mx - 0.1f, .y = my - 0.11f, .w = mx - 0.1f, .z = my - 0.11f, .anim = 89,
                .anim_state = ANIM_LOOP, .box_width = 0.2f, .box_height = 0.22f, .width = 0.2f, .height = 0.22f,
                .priority = 2, .type = GFX, .alpha = 0.6f, .state = FX_KIND_GAS, .tex_id = TEX_EFFECTS});
    } else {
        ric_sfx = true;
        New_FX({.x = mx - 0.07f, .y = my - 0.06f, .w = p.w, .z = p.z, .anim = 12, .anim_state = ANIM_ONCE,
                .box_width = 0.15f, .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = GFX,
                .tex_id = TEX_EFFECTS});
        New_FX({.x = mx - 0.07f, .y = my - 0.06f, .w = p.w, .z = p.z, .anim = 27, .anim_state = ANIM_LOOP,
                .box_width = 0.15f, .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = GFX,
                .alpha = 0.8f, .state = FX_KIND_SMOKE, .tex_id = TEX_EFFECTS});
    }
}

// Glass and bottles break, an explosive tile goes off.
void Tile_Hit(int no_test, float x2, float y2) {
    const int cell = Cell_Of(x2, y2);
    if (cell == -1) return;
    const int tile = tiles[cell];
    if (tile == 502 || tile == 504 || tile == 506 || tile == 508 || tile == 510) {
        if (tile == TILE_GLASS || tile == TILE_BOTTLE) {
            glass_sfx = true;
            if (Level == LEVEL_BOTTLES) {
                ++bottle_count;
                if (tile == TILE_GLASS && map_set[cell] == 1 && global_objects[FLAG_BOTTLE_DROP_TAKEN] == 0 &&
                    Valid_Sprite(no_test))
                    Spawn_Pickup(no_test, DROP_MARKED_BOTTLE);
            }
        }
        tiles[cell] = tile + 1;
    } else if (tile == TILE_EXPLOSIVE) {
        tiles[cell] = TILE_EXPLOSIVE_SPENT;
        Bomb_Run(x2, y2, -1, 1);
    }
}

} // namespace

bool TestSpriteToShootPly(int no_test, float x1, float y1, float x2, float y2, bool hulk, int target_id,
                          int f_rate, bool shotgun_attack) {
    Trace_Call("TestSpriteToShootPly");
    if (call_trace)
        call_trace->push_back("TestSpriteToShootPly flag=" + std::to_string((int)hulk) + " target=" +
                              std::to_string(target_id) + " spread=" + std::to_string((int)shotgun_attack));
    double_shot = false;
    if (!sprite) return false;
    // A shooter that names no sprite cannot fire; where its round lands still counts.
    bool goes_ahead = Valid_Sprite(no_test);

    if (goes_ahead && !hulk && current_weapon != -1 && no_test == p1_id && player_type == 0) {
        if (!KEY_FORWARD && !KEY_BACKWARD && !KEY_LEFTWARD && !KEY_RIGHTWARD) sprite[p1_id].moving = false;
        goes_ahead = Player_Ammo_Use();  // counted whatever the distance
    }

    if (goes_ahead && Valid_Sprite(p1_id)) {
        Set_Heading(p1_id, x2, y2, false);
        sprite[p1_id].angle = sprite[p1_id].tar_angle;
        if (!hulk) {
            const object& s = sprite[no_test];
            New_FX({.x = s.x + s.width / 2, .y = s.y + s.height / 2, .w = s.w, .z = s.z,
                    .anim = has_shotgun_equipped ? 76 : 36, .anim_state = ANIM_LOOP, .box_width = s.width,
                    .box_height = s.height, .width = s.box_width, .height = s.box_height, .type = GFX,
                    .state = FX_KIND_FLASH, .linked_sprite = no_test, .tex_id = TEX_FLASHES});
        }
    }

    if (goes_ahead) {
        object& s = sprite[no_test];
        s.status = hulk ? STATUS_KNIFE : STATUS_FIRING;
        s.anim_state = 0;
        s.update = true;
        if (no_test == p1_id) {
            if (hulk) {
                chop_sfx = true;
            } else {
                shot_fired = 0;
                Weapon_Sound();
            }
        }
        Rank_Timer(no_test, s.status);
    }

    const float angle = std::atan2(y2 - y1, x2 - x1);
    float px = x2, py = y2, window = 0.0f;
    if (hulk) {
        px = x1 + std::cos(angle) * KNIFE_REACH;
        py = y1 + std::sin(angle) * KNIFE_REACH;
        window = KNIFE_WINDOW;
    }

    bool engaged = false;
    if (!shotgun_attack && goes_ahead) {
        const int visible = new_no_sprites < 0 ? 0 : (new_no_sprites > VISIBLE_MAX ? VISIBLE_MAX : new_no_sprites);
        for (int i = 0; i < visible; ++i) {
            const int id = var5[i];
            if (!Valid_Sprite(id)) continue;
            if (in_dungeon) {
                const int cell = Cell_Of(px, py);
                if (cell != -1 && map_col[cell] == COL_SOLID_SHOOTTHRU) break;
            }
            if (id == no_test) continue;
            const object& o = sprite[id];
            const bool in_window = std::fabs(Centre_X(o) - px) < window && std::fabs(Centre_Y(o) - py) < window;
            bool strike = false;
            if (o.type == UNT || o.type == BAG)
                strike = !o.mouseover && o.status != STATUS_AS_OBJECT && o.grab_switch && o.score > 0 &&
                         o.linked_sprite != sprite[no_test].linked_sprite && !o.turn_off && o.onDeath_action != 3 &&
                         in_window;
            else if (o.type == DOR)
                strike = o.score > 0 && o.grab_switch && o.priority != 3 && in_window;
            if (strike) {
                Man_Shot(sprite[no_test].status, id, no_test, SHOT_ORDINARY, f_rate);
                if (!hulk) engaged = true;
            }
        }
    }

    if (shotgun_attack) {
        Shell_Landed(x2, y2, no_test, f_rate, BLAST_KIND_SPREAD);
        Create_Dust_Effect(x2, y2, true);
        Create_Dust_Effect(x2, y2, true);
        if (st_gas > 1) Create_Dust_Effect(x2, y2, true);
        if (st_gas == 3) Create_Dust_Effect(x2, y2, true);
    }

    if (!hulk && Valid_Sprite(p1_id)) Round_Lands(x2, y2);
    if (!hulk) Tile_Hit(no_test, x2, y2);
    return engaged;
}
