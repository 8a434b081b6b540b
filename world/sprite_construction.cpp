#include "world/sprite_construction.h"

#include <cmath>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/turning.h"
#include "world/unit_animation.h"

namespace {

// The last record in player_list whose unit has been removed, or -1.
int Free_Record() {
    int found = -1;
    int n = player_counter < PLAYER_LIST_SIZE ? player_counter : PLAYER_LIST_SIZE;
    for (int i = 0; i < n; ++i) {
        int s = player_list[i];
        if (s >= 0 && s < MAX_SPRITES && sprite[s].status == STATUS_DEAD) found = s;
    }
    return found;
}

// Starting rank of an enemy by the area being played.
int Area_Rank() {
    if (Level == LVL_FARMS || Level == LVL_HIGHWAY) return 3;
    if (Level == LVL_VILLAGE || Level == LVL_WINDMILL || Level == LVL_BAY) return 2;
    return 1;
}

void Reset_Unit(object& o, float angle) {
    o.score = 0;
    o.sector_action = 0;
    o.cur = 0;
    o.flash_target = false;
    o.moving = false;
    o.flash_timer = 0;
    o.dflash_timer = 0;
    o.death_flash = false;
    o.fire_target = -1;
    o.emy_shooting = false;
    o.bombs_away = false;
    o.all_timer = 0;
    o.reached_node = -1;
    o.node_counter = 0;
    o.kills = 0.0f;
    o.depth = 0.0f;
    o.anim = -1; // the unit chain chooses the first animation
    o.guys_mine = -1;
    o.on_mud = false;
    o.rank = 0;
    o.group_id = 0;
    o.spotted_timer = 0;
    o.spotted = false;
    o.col_timer = 0;
    o.reload_timer = 0;
    o.mercy = false;
    o.tar_angle = angle == -1.0f ? 0.0f : angle;
    o.bomb_timer = 0;
    o.bagging = false;
    o.splatted = false;
    o.turn_off = false;
    o.anim_state = ANIM_STOPPED;
    o.status = STATUS_IDLE;
    if (angle == -1.0f) o.angle = -1.5f; // no heading given: face down
    o.turning = false;
    o.selected = false;
    o.update = true;
    o.in_hole = false;
    o.special = 0;
    o.death_by_mud = 0;
    o.training = false;
    o.onDeath_action = -1;
    o.grenaded = 0;
}

} // namespace

int New_Sprite(float x, float y, float w, float z, int anim, int anim_state, float box_width,
               float box_height, float width, float height, int priority, int type, float alpha,
               int sideways, int, int state, int linked_sprite, int tex_id, int, float angle,
               int p_type) {
    if (!sprite) return -1;
    // 1. Refusal: every role but the player's is refused on a blocked cell or off the map.
    if (p_type != ROLE_PLAYER) {
        int cell = Get_Tile_Index(x, y);
        if (cell < 0 || map_col[cell] != COL_FREE) return -1;
    }
    // A container needs room in door_list.
    if (type == DOR && (door_counter < 0 || door_counter >= DOOR_LIST_SIZE)) return -1;

    // 2. Slot: the last removed unit in list order, else a new record.
    int index = Free_Record();
    if (index < 0) {
        if (no_sprites < 0 || no_sprites >= MAX_SPRITES) return -1;
        if (player_counter < 0 || player_counter >= PLAYER_LIST_SIZE) return -1;
        index = no_sprites++;
        player_list[player_counter++] = index;
    }

    // 3. The player.
    if (p_type == ROLE_PLAYER || p_type == ROLE_PLAYER_BASE) p1_id = index;

    // 4. Common fields.
    object& o = sprite[index];
    o.x = x;
    o.y = y;
    o.w = w + box_width / 4;
    o.z = z;
    o.width = width;
    o.height = height;
    o.box_width = box_width / 2;
    o.box_height = box_height;
    o.id = tex_id;
    if (anim_state != ANIM_HELD) {
        o.fx_id = (tex_id >= 0 && tex_id < MAX_TEXTURE_SLOTS) ? animation_fx[tex_id] : -1;
        o.anim = anim;
        o.cur = 0;
        o.anim_state = anim_state;
        if (o.fx_id >= 0 && o.fx_id < MAX_ANIM_SHEETS && anim >= 0 && anim < 150)
            o.frame = a_texture[o.fx_id].anims[anim][0];
        o.base_anim = anim;
        Set_Sprite(index, anim, anim_state, ANIM_ARRAY_SPRITE, true);
    }
    o.alpha = alpha;
    o.priority = priority;
    o.type = type;
    o.mouseover = true;
    o.score = 0;
    o.linked_sprite = linked_sprite;
    if (angle != -1.0f) o.angle = angle;
    o.sector_action = 0;
    o.onDoor = sideways;
    o.sector = state;
    o.grab_switch = true;
    o.light = 1.0f;
    o.file_full = false;

    // 5. Units start idle, unanimated and unhurt.
    if (type == UNT) Reset_Unit(o, angle);

    // 6. Size, centre and mark the cell; then the walk target.
    Reposition_Unit(index);
    if (angle == -1.0f) {
        o.mov_x = o.w + o.box_width / 2;
        o.mov_y = o.y - 0.2f;
        Set_Heading(index, o.mov_x, o.mov_y, false);
    } else {
        o.mov_x = o.w + o.box_width / 2 + 2.0f * std::cos(angle);
        o.mov_y = o.y + 2.0f * std::sin(angle);
    }

    // 7. Doors and containers.
    if (type == DOR) {
        o.linked_sprite = -1;
        o.score = 90;
        o.grab_switch = true;
        o.sector_action = CHEST;
        o.turn_off = false;
        o.rank = 0;
        o.status = STATUS_IDLE;
        door_list[door_counter++] = index;
    }

    // 8. Roles with their own values.
    if (p_type == ROLE_PLAYER || p_type == ROLE_PLAYER_BASE) {
        o.score = (int)player_health;
    } else if (p_type == ROLE_BUDDY) {
        o.score = 40;
        o.rank = 1;
        o.sector_action = AI_BUDDY;
        o.sector = UNIT_GENERAL;
        o.status = STATUS_AS_OBJECT;
        o.anim_state = ANIM_STOPPED;
    } else if (p_type == ROLE_BODY) {
        o.score = 30;
        o.turn_off = false;
        o.status = STATUS_PAIRED;
    }

    // 9. Enemy defaults.
    if (type == UNT && p_type != ROLE_PLAYER && p_type != ROLE_BODY && p_type != ROLE_PLAYER_BASE &&
        p_type != ROLE_BUDDY) {
        o.sector_action = AI_DEFEND;
        o.mouseover = true;
        o.alpha = 0.0f; // invisible until the unit AI lights it
        o.rank = Area_Rank();
        if (p_type == ROLE_OFFICER) o.rank = 4;
        if (p_type == ROLE_RANK_UP) o.rank += 1;
        if (o.sector == UNIT_BIRD) o.rank = 1;
        if (o.sector == BOMBER) o.rank += 1;
        o.score = o.rank * 20;
        if (o.sector == CHIEF || o.sector == UNIT_DEAD_CHIEF) o.score = (int)(o.score * 1.5f);
        o.moving = false;
        o.anim_state = ANIM_STOPPED;
        o.update = true;
        if (o.sector == UNIT_SKELETON || o.sector == UNIT_DEAD_CHIEF) {
            o.anim_state = ANIM_ONCE;
            o.status = STATUS_RISING;
            drown_sfx = true;
            Animation_System(index, false, false, false, false);
        }
        if (o.sector == UNIT_BIRD) o.score = 10;
        if (o.sector == UNIT_SHOTGUN) o.score = 100;
        if (o.sector == MONKEY) o.score = 10;
        if (o.sector == DOG) o.score = 10;
    }
    return index;
}

int New_Sprite(const sprite_spec& sp) {
    return New_Sprite(sp.x, sp.y, sp.w, sp.z, sp.anim, sp.anim_state, sp.box_width, sp.box_height, sp.width, sp.height,
                      sp.priority, sp.type, sp.alpha, sp.sideways, sp.upways, sp.state, sp.linked_sprite, sp.tex_id,
                      sp.a_global, sp.angle, sp.p_type);
}
