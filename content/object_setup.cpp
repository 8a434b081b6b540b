#include "content/object_setup.h"

#include <cstdio>
#include <cstdlib>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/effects.h"
#include "world/sprite_construction.h"
#include "world/turning.h"
#include "world/unit_animation.h"

namespace {

// A save-slot entry of the file page: shows whether slot N holds a save.
void Setup_Save_Slot_Widget(int i) {
    object& o = sprite[i];
    const int slot = o.sector_action;
    o.file_full = false;
    o.rank = 0;
    o.id = 8;
    file_check_id = i;
    hud_name_id = slot;
    if (LoadLevel(Save_Slot_Path(slot), true)) {
        o.id = current_act == 4 ? 5 : 7;
        o.file_full = true;
    } else {
        std::snprintf(file_names[slot], sizeof file_names[slot], "%s", ".........");
    }
}

void Setup_Front_Widget(int i) {
    object& o = sprite[i];
    switch (o.type) {
    case FE_CARD: {
        constexpr float card_angles[] = {-10.0f, 0.0f, 350.0f, 340.0f, 310.0f};
        if (o.score >= 0 && o.score <= 4) o.angle = card_angles[o.score];
        o.sector_action = 0;
        break;
    }
    case FE_MUSIC: o.width = o.box_width * music_volume; break;
    case FE_SFX: o.width = o.box_width * sfx_volume; break;
    case FE_DUCK: duck_guy = i; break;
    case FE_LOGO: logo_sprite = i; break;
    case FE_BULLETHOLE:
        if (bullet_hole_count < BULLETHOLE_LIST_SIZE) bullethole[bullet_hole_count++] = i;
        o.mouseover = true;
        break;
    case fe_type::FILE:
        if (o.sector_action >= 0 && o.sector_action <= 11) Setup_Save_Slot_Widget(i);
        break;
    default: break;
    }
}

void Setup_Lights(int i) {
    object& o = sprite[i];
    if (o.type != OBJ || (o.sector_action != OBJ_LIGHT && o.sector_action != OBJ_LIGHT1)) return;
    if (light_count < LIGHT_LIST_SIZE) light_list[light_count++] = i;
    if (o.sector_action == OBJ_LIGHT1 && o.linked_sprite == 1) no_lights_on += 1;
    if (o.linked_sprite == 1 && draw_light_count < LIGHT_LIST_SIZE) draw_light_list[draw_light_count++] = i;
}

void Add_Player_List(int i) {
    if (player_counter < PLAYER_LIST_SIZE) player_list[player_counter++] = i;
}

void Setup_Bag(int i) {
    object& o = sprite[i];
    o.linked_sprite = 1;
    if (o.grab_switch && o.sector != unit_class::TUNNEL) Generate_Object_Collision(i, false);
    o.score = 40;
    switch (o.sector) {
    case UNIT_BARREL: o.score = 1; break;
    case UNIT_ARMOUR_TURRET: o.score = 35; break;
    case UNIT_ARMOUR_TANK: o.score = 50; break;
    case UNIT_BOSS: o.score = 100; break;
    case SIGNPOST: o.score = 20; break;
    case SEAGULL:
    case SEAGULL2: o.score = 1; break;
    default: break;
    }
    Add_Player_List(i);
}

void Setup_Grabbable_Object(int i) {
    object& o = sprite[i];
    const int kind = o.sector_action;
    o.mouseover = false;
    if (kind > 0 && o.sector == 3 && !ply_dead && !first_time_playing) o.mouseover = true;
    if (kind > 0 && o.sector != 0 && o.sector != mission) o.mouseover = true;
    if (kind > 0 && o.sector == -1 && mission == 0) o.mouseover = false;
    if (kind == OBJ_WAGES && first_time_playing) o.mouseover = true;
    if (kind == OBJ_DRILL && current_act != 1) o.mouseover = true;
    if (kind == 0 && o.sector == -2 && main_mission[3] == 1) o.mouseover = true;
    if (kind == 0 && o.sector == -3 && main_mission[1] == 0) o.mouseover = true;
    if (!o.mouseover) Generate_Object_Collision(i, false);
}

void Reset_Run_Time_Fields(object& o) {
    o.cur = 0;
    o.file_full = true;
    o.flash_target = o.death_flash = o.moving = false;
    o.special = 0;
    o.emy_shooting = o.bombs_away = o.turn_off = o.on_mud = o.building = false;
    o.death_by_mud = 0;
    o.turning = o.bagging = o.splatted = o.in_hole = o.mercy = o.spotted = false;
    o.flash_timer = o.dflash_timer = o.all_timer = o.node_counter = 0;
    o.kills = 0.0f;
    o.depth = 0.0f;
    o.tar_angle = 0.0f;
    o.reload_timer = o.grenaded = o.spotted_timer = o.col_timer = 0;
    o.fire_target = o.reached_node = o.guys_mine = o.onDoor = o.group_id = -1;
    o.base_anim = o.anim;
    o.mov_x = o.end_x = o.x;
    o.mov_y = o.end_y = o.y;
    o.status = STATUS_IDLE;
    o.light = 1.0f;
    for (int& n : o.node_list) n = -1;
}

void Stamp_Door(int i) {
    object& o = sprite[i];
    const float cx = o.w + o.box_width / 2, cy = o.z + o.box_height / 2;
    const int col = (int)((cx + map_startX) * 10.0f), row = (int)((cy + map_startY) * 10.0f);
    const char code = o.onCreate == 1 ? COL_SOLID : (o.onCreate == 2 ? COL_SOLID_SHOOTTHRU : COL_FOOTPRINT);
    auto stamp = [&](int c, int r) {
        const int cell = Cell_Index(c, r);
        if (cell >= 0) map_col[cell] = code;
    };
    stamp(col, row);
    if (o.sector_action == door_type::DOUBLE) stamp(col + 1, row + 1);
    if (o.sector_action == door_type::DOUBLE_BACK) stamp(col - 1, row + 1);
    if (o.sector_action == 12 || o.sector_action == 13) Generate_Object_Collision(i, false);
    follow_centre_x = cx;
    follow_centre_y = cy;
}

void Setup_Unit(int i, bool has_snapshot) {
    object& o = sprite[i];
    o.alpha = 1.0f;
    if (o.sector == UNIT_VEHICLE) {
        a_vehicle = i;
        o.building = true;
    }
    if (!has_snapshot) Reposition_Unit(i);
    if (in_dungeon) enemy_count += 1;
    if (o.building) Generate_Object_Collision(i, false);
    o.anim_state = 0;
    Set_Heading(i, o.mov_x, o.mov_y, false);
    o.status = STATUS_IDLE;
    o.score = o.rank * 20;
    if (o.sector == CHIEF) o.score = (int)(o.score * 1.5f);
    o.selected = o.in_hole = false;
    o.special = 0;
    o.moving = false;
    o.update = true;

    if (o.sector == UNIT_VEHICLE)
        New_FX({.x = o.x, .y = o.y, .w = o.w, .z = o.z, .anim = 1, .anim_state = ANIM_ONCE,
                .box_width = o.box_width, .box_height = o.box_height, .width = o.width, .height = o.height,
                .priority = 3, .type = GFX, .state = 22, .linked_sprite = i, .tex_id = 14});
    if (o.sector == UNIT_BIRD) {
        New_FX({.x = o.x + o.width / 4, .y = o.y + o.height / 4, .w = o.w + o.box_width / 4,
                .z = o.z + o.box_height / 4, .anim = 11, .anim_state = ANIM_ONCE, .box_width = o.box_width / 2,
                .box_height = o.box_height / 2, .width = o.width / 2, .height = o.height / 2, .priority = 3,
                .type = GFX, .state = 22, .linked_sprite = i, .tex_id = 2});
        sprite[i].rank = 1;
    }
    object& u = sprite[i];
    if (u.sector == UNIT_SHARK) {
        Convert_Dir_To_Angle(i, u.onDeath_action);
        u.kills = u.angle;
    }
    if (u.sector == UNIT_VEHICLE) u.score = 75;
    if (u.sector == UNIT_SHOTGUN) u.score = Level == LVL_DUNGEON ? 1000 : 100;
    if (u.sector == MONKEY || u.sector == DOG) u.score = 10;

    if (u.sector == UNIT_RESCUE) {
        u.score = 40;
        u.rank = 1;
        u.sector_action = AI_BUDDY;
        u.status = STATUS_AS_OBJECT;
        u.anim_state = 0;
    } else {
        ShotIdle(i);
    }
    if ((u.sector == BOMBER || u.sector == UNIT_MORTAR) && u.onDeath_action != 0) {
        u.bagging = true;
        if (u.onDeath_action == 2) u.score = u.rank * 60;
        if (u.onDeath_action == 3) u.score = 50;
    }
    if (u.sector != UNIT_MORTAR && u.sector != BOMBER && u.sector != UNIT_SHARK && u.onDeath_action >= 0) {
        u.status = STATUS_POSE;
        u.angle = 1.9f;
        u.moving = false;
        u.anim_state = 2;
        u.update = true;
        u.id = 29;
        u.fx_id = animation_fx[29];
        u.anim = u.onDeath_action;
        u.base_anim = u.onDeath_action;
    }
}

void Setup_Walk_Object(int i, bool has_snapshot) {
    Reset_Run_Time_Fields(sprite[i]);
    object& o = sprite[i];
    if (o.type == OBJ && o.sector_action == OBJ_LIGHT1) {
        if (o.linked_sprite == 0) Set_Sprite(i, o.base_anim, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        if (o.linked_sprite == 1) Set_Sprite(i, o.base_anim + 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    }
    if ((o.type == TRI || o.type == LAD || o.type == SWI) && trigger_counter < TRIGGER_LIST_SIZE)
        trigger_list[trigger_counter++] = i;
    if (o.type == LAD) {
        if (o.rank == -1) o.alpha = 0.0f;
        if (!(o.score != -1 && (o.linked_sprite == 0 || o.linked_sprite == mission))) {
            o.anim += 1;
            o.grab_switch = false;
        }
    }
    if (o.type == DOR) Stamp_Door(i);
    if (o.type == UNT) Setup_Unit(i, has_snapshot);
}

} // namespace

void Setup_Objects(bool has_snapshot) {
    if (!sprite) return;
    const bool front = game_mode == MODE_FRONT, walk = game_mode == MODE_WALK;
    if (!front && !walk) return;

    chasers = std::rand() % 4;
    runners = 4 + std::rand() % 4;
    const int count = no_sprites < 0 ? 0 : (no_sprites > MAX_SPRITES ? MAX_SPRITES : no_sprites);
    for (int i = 0; i < count; ++i) {
        object& o = sprite[i];
        o.turn_off = false;
        if (front) Setup_Front_Widget(i);
        if (walk) Setup_Lights(i);
        if (walk && o.type == BUD && cpatrol_count < CPATROL_LIST_SIZE) {
            cpatrol_list[cpatrol_count++] = i;
            Set_Sprite(i, o.anim <= 3 ? chasers : runners, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        }
        if (o.type == UNT || front) Add_Player_List(i);
        if (walk && o.type == BAG) Setup_Bag(i);
        if (episode == 0 && scene == 4) first_time_playing = true;
        if (walk && o.type == OBJ && o.grab_switch) Setup_Grabbable_Object(i);
        if (walk && o.type == OBJ && o.sector_action > 0 && player_counter < PLAYER_LIST_SIZE) {
            Add_Player_List(i);
            if (!o.mouseover && o.sector_action == OBJ_NOCOL) Generate_Object_Collision(i, true);
        }
        if (walk && o.type == DOR && door_counter < DOOR_LIST_SIZE) {
            o.linked_sprite = 1;
            door_list[door_counter++] = i;
        }
        if (walk) Setup_Walk_Object(i, has_snapshot);
        Set_Sprite(i, sprite[i].anim, sprite[i].anim_state, ANIM_ARRAY_SPRITE, true);
        Animation_System(i, false, false, false, false);
    }
}
