#include "combat/broken_objects.h"

#include <cstdlib>
#include <string>

#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/ordnance.h"
#include "combat/spawning.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/mouse_code.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/effects.h"
#include "world/particles.h"
#include "world/turning.h"

namespace {

// Story flags set when a tunnel cover of a scene is blown open, by its sprite index.
struct tunnel_flag {
    int episode, scene, sprite, flag;
};
constexpr tunnel_flag tunnel_flags[] = {
    {3, 3, 191, 3},  {3, 3, 190, 16}, {3, 3, 28, 13},  {3, 3, 33, 14},  {2, 2, 333, 40},
    {2, 2, 334, 41}, {2, 2, 379, 43}, {2, 8, 8, 42},   {2, 9, 294, 46}, {2, 9, 293, 47},
    {2, 1, 241, 48}, {2, 1, 302, 49},
};

// The one story item an apple crate of a scene holds: the story flag that marks it taken and
// the value handed to the drop.
struct apple_drop {
    int episode, scene, flag, linked;
};
constexpr apple_drop apple_drops[] = {
    {3, 5, 21, 14},  {3, 27, 73, 11}, {3, 13, 75, 15}, {2, 2, 74, 13}, {2, 1, 76, 19},
    {3, 6, 22, 12},  {3, 12, 77, 21}, {3, 29, 79, 27}, {2, 9, 78, 22}, {3, 7, 23, 10},
    {3, 16, 15, 8},  {3, 18, 26, 9},  {3, 23, 24, 25},
};

// Gold trees of the orchard level whose first harvest sets a story flag.
struct goldtree_flag {
    int sprite, flag;
};
constexpr goldtree_flag goldtree_flags[] = {{10, 4}, {11, 5}, {12, 6}};

// Drop classes of broken containers.
enum : int {
    DROP_CHEST = 2, DROP_AMMO = 4, DROP_DOCK = 5, DROP_HEALTH = 6, DROP_RIFLE_AMMO = 7, DROP_SPARE_A = 8,
    DROP_SPARE_B = 9, DROP_SPARE_C = 10, DROP_TREE = 11, DROP_GOLDTREE = 12, DROP_EVERY_15TH = 14,
    DROP_STORY = 15, DROP_GRENADE = 18, DROP_SUBMARINE = 19
};
constexpr int CRATES_PER_BONUS = 15;
constexpr int INV_SPARE_PART = 31;

constexpr int LEVEL_VILLAGE = 2, LEVEL_ORCHARD = 29, LEVEL_FARM = 65, LEVEL_NO_WRECK_A = 56, LEVEL_NO_WRECK_B = 57;
constexpr int TEX_EFFECTS = 2;
constexpr int LADDER_CLASS = 31;
constexpr float RELEASE_REACH = 2.0f;
constexpr int FLAG_CHEST_OPENED = 0;

float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

// A broken object drops the items of class cls. The call trace records the class.
void Drop(int guy_shot, int cls) {
    if (call_trace) call_trace->push_back("drop " + std::to_string(guy_shot) + " class=" + std::to_string(cls));
    Spawn_Pickup(guy_shot, cls);
}

void Set_Flag(int flag) {
    if (flag >= 0 && flag < (int)sizeof(global_objects)) global_objects[flag] = 1;
}

void Bag_Destroyed(int guy_shot, int guy_shooting, int f_rate, int& exp_gain) {
    object& v = sprite[guy_shot];
    const int cls = v.sector;
    if (guy_shooting == p1_id && player_type == 0) {
        exp_gain = 2;
        Calculate_Exp(p1_id, 2);
    }
    if (Level == LVL_TRAINING && p1_id != -1 && cls != unit_class::SIGNPOST) {
        success_condition += 1;
        Calculate_Exp(p1_id, 10);
    }
    if (Level == LEVEL_NO_WRECK_A || Level == LEVEL_NO_WRECK_B) v.priority = 3;
    if (cls != UNIT_ARMOUR_TANK && cls != unit_class::SEAGULL && cls != unit_class::SEAGULL2)
        Generate_Object_Collision(guy_shot, true);
    v.score = 0;
    v.grab_switch = false;

    if (cls == UNIT_ARMOUR_TURRET || cls == UNIT_ARMOUR_TANK) {
        const float cx = Centre_X(v), cy = Centre_Y(v);
        New_FX({.x = cx - 0.2f, .y = cy - 0.2f, .w = cx, .z = cy, .anim = 37, .anim_state = ANIM_ONCE,
                .box_width = 0.4f, .box_height = 0.4f, .width = 0.4f, .height = 0.4f, .priority = 1, .type = GFX,
                .tex_id = TEX_EFFECTS});
        Set_Sprite(guy_shot, v.base_anim + 1, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
        if (cls == UNIT_ARMOUR_TURRET) {
            v.priority = 3;
        } else {
            Shell_Landed(v.x + v.width / 2, v.y + v.height / 2, v.linked_sprite, f_rate, BLAST_KIND_GENERAL);
            Shell_Landed(v.x + v.width / 2, v.y + v.height / 2, v.linked_sprite, f_rate, BLAST_KIND_GENERAL);
        }
    } else if (cls == unit_class::SEAGULL || cls == unit_class::SEAGULL2) {
        Set_Sprite(guy_shot, v.base_anim + 1, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    } else {
        Set_Sprite(guy_shot, v.base_anim + 2, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    }

    if (cls != UNIT_BARREL) {
        if (v.rank == 4) splatted_sfx = true;
        if (cls == unit_class::SEAGULL || cls == unit_class::SEAGULL2) {
            if (Level == LEVEL_FARM) ++crow_kill_count;
            if (Level == LEVEL_VILLAGE) ++village_crow_kill_count;
            crow2_sfx = true;
        } else if (cls == unit_class::COW) {
            cow_sfx = true;
            if (Level == LEVEL_FARM) ++cow_kill_count;
        } else {
            if (v.rank != 4) destroy_sfx = true;
            Create_Crate_Effect(guy_shot);
        }
    } else {
        Shell_Landed(v.x + v.width / 2, v.y, v.linked_sprite, f_rate, BLAST_KIND_GENERAL);
        if (v.onDeath_action != TANK_TOP) v.priority = 3;
    }

    if (cls == unit_class::TUNNEL) {
        // A blown tunnel cover becomes a ladder down.
        v.type = LAD;
        v.priority = 5;
        v.linked_sprite = 0;
        v.sector = LADDER_CLASS;
        v.onCreate = 0;
        if (trigger_counter >= 0 && trigger_counter < TRIGGER_LIST_SIZE) trigger_list[trigger_counter++] = guy_shot;
        if (p1_id != -1) Display_Message(p1_id, MSG_TUNNEL1);
        for (const tunnel_flag& t : tunnel_flags)
            if (t.episode == episode && t.scene == scene && t.sprite == guy_shot) Set_Flag(t.flag);
    }
}

void Bag_Still_Standing(int guy_status, int guy_shot, int torso_targeted) {
    object& v = sprite[guy_shot];
    const int cls = v.sector;
    if (cls == UNIT_ARMOUR_TURRET || cls == UNIT_ARMOUR_TANK) return;
    bool flinch = true;
    if (cls == UNIT_ARMOUR_HEAD) flinch = torso_targeted == 0 || torso_targeted == 2 || guy_status == STATUS_KNIFE;
    if (cls == UNIT_ARMOUR_FULL) flinch = guy_status == STATUS_KNIFE;
    if (cls == unit_class::COW) {
        cow_sfx = true;
        Set_Sprite(guy_shot, v.base_anim + 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        return;
    }
    if (flinch) Set_Sprite(guy_shot, v.base_anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
}

// Clears the collision cell (col, row) when it lies on the map.
void Clear_Cell(int col, int row) {
    const int cell = Cell_Index(col, row);
    if (cell != -1) map_col[cell] = COL_FREE;
}

void Drop_Spare_Part(int guy_shot, int value, int drop) {
    if (!Has_This_Item(INV_SPARE_PART, value)) {
        Drop(guy_shot, drop);
        if (p1_id != -1) Display_Message(p1_id, MSG_DELIVER);
    }
}

} // namespace

void Hit_Bag_Object(int guy_status, int guy_shot, int guy_shooting, int f_rate, int& torso_targeted,
                    int& exp_gain) {
    if (!Valid_Sprite(guy_shot)) return;
    object& v = sprite[guy_shot];
    if (v.type != BAG || v.sector == UNIT_BOSS || !v.grab_switch || v.priority == 3) return;

    v.training = true;
    v.update = true;
    v.reload_timer = Now() + 100;
    torso_targeted = targeted;

    if (p1_id != -1 && noise_type != 2) {
        if (!is_a_stealth_mission) {
            alert_enemies = true;
            noise_type = 1;
        }
        noise_x = Centre_X(v);
        noise_y = Centre_Y(v);
    }

    if (v.score <= 0)
        Bag_Destroyed(guy_shot, guy_shooting, f_rate, exp_gain);
    else
        Bag_Still_Standing(guy_status, guy_shot, torso_targeted);
}

void Hit_Door_Object(int guy_status, int guy_shot, int guy_shooting, int f_rate) {
    (void)guy_status;
    (void)f_rate;
    if (!Valid_Sprite(guy_shot)) return;
    object& v = sprite[guy_shot];
    if (v.type != DOR || !v.grab_switch || v.priority == 3) return;
    const int kind = v.sector_action;
    using namespace door_type;

    if (kind == TYPE_TREE || kind == TYPE_GOLDTREE) {
        v.score = 1;
    } else {
        Set_Sprite(guy_shot, v.anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        const int col = Cell_Column(Centre_X(v)), row = Cell_Row(Centre_Y(v));
        Clear_Cell(col, row);
        if (kind == DOUBLE) Clear_Cell(col + 1, row + 1);
        if (kind == DOUBLE_BACK) Clear_Cell(col - 1, row + 1);
        v.score = 0;
        v.priority = 3;
        v.grab_switch = false;
        smash1_sfx = true;
        if (guy_shooting == p1_id && player_type == 0) Calculate_Exp(p1_id, 2);
        New_FX({.x = v.x, .y = v.y, .w = v.x, .z = v.y, .anim = 87, .anim_state = ANIM_ONCE, .box_width = v.width,
                .box_height = v.height, .width = v.width, .height = v.height, .priority = 2, .type = GFX,
                .tex_id = TEX_EFFECTS});
    }

    // A broken container counts as a crate and splinters.
    auto crate = [&] {
        v.priority = 3;
        ++player_crate_count;
        Create_Crate_Effect(guy_shot);
    };

    switch (kind) {
    case TYPE_TREE:
        for (int k = 0; k < 2; ++k) {
            Drop(guy_shot, DROP_TREE);
            mouseleft = false;
            mouseheld = false;
        }
        break;
    case DOUBLE:
    case DOUBLE_BACK:
    case TYPE_SINGLE_DOOR:
        Create_Crate_Effect(guy_shot);
        if (Level == LEVEL_VILLAGE) ++doors_kill_count;
        if (kind == DOUBLE_BACK && Level == LEVEL_FARM) ++gate_kill_count;
        break;
    case TYPE_GOLDTREE:
        if (v.anim == v.base_anim) {
            Drop(guy_shot, DROP_GOLDTREE);
            mouseleft = false;
            mouseheld = false;
            Set_Sprite(guy_shot, v.base_anim - 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            if (Level == LEVEL_ORCHARD)
                for (const goldtree_flag& g : goldtree_flags)
                    if (g.sprite == guy_shot) Set_Flag(g.flag);
        }
        break;
    case CHEST:
        crate();
        Drop(guy_shot, DROP_CHEST);
        Set_Flag(FLAG_CHEST_OPENED);
        break;
    case TYPE_APPLE:
        crate();
        for (const apple_drop& a : apple_drops)
            if (a.episode == episode && a.scene == scene) {
                if (global_objects[a.flag] == 0) {
                    v.linked_sprite = a.linked;
                    Drop(guy_shot, DROP_STORY);
                }
                Set_Flag(a.flag);
            }
        break;
    case TYPE_AMMO:
        crate();
        Drop(guy_shot, DROP_AMMO);
        break;
    case TYPE_GRENADE:
        crate();
        Drop(guy_shot, DROP_GRENADE);
        break;
    case TYPE_SUBMARINE:
        crate();
        Drop(guy_shot, DROP_SUBMARINE);
        break;
    case TYPE_AMMO_RIFLE:
    case BARREL:
        crate();
        Drop(guy_shot, player_crate_count % CRATES_PER_BONUS == 0 ? DROP_EVERY_15TH : DROP_RIFLE_AMMO);
        break;
    case DOCK:
        crate();
        Drop(guy_shot, DROP_DOCK);
        break;
    case HEALTH:
        crate();
        Drop(guy_shot, DROP_HEALTH);
        break;
    case TYPE_SPARE_A:
        crate();
        Drop_Spare_Part(guy_shot, 0, DROP_SPARE_A);
        if (p1_id != -1) Display_Message(p1_id, MSG_DELIVER);
        break;
    case TYPE_SPARE_B:
        crate();
        Drop_Spare_Part(guy_shot, 1, DROP_SPARE_B);
        break;
    case TYPE_SPARE_C:
        crate();
        Drop_Spare_Part(guy_shot, 2, DROP_SPARE_C);
        break;
    default:
        break;
    }
}

void Release_From_Container(int guy_shot) {
    if (!Valid_Sprite(guy_shot)) return;
    const object& v = sprite[guy_shot];
    using namespace door_type;
    if (v.type != DOR || v.sector_action == BARREL || v.sector_action == CHEST || v.sector_action == DOCK ||
        v.rank != 0)
        return;
    const float cx = Centre_X(v), cy = Centre_Y(v);
    int best = -1;
    float best_d = RELEASE_REACH;
    const int count = no_points < 0 ? 0 : (no_points > MAX_POINTS ? MAX_POINTS : no_points);
    for (int i = 0; i < count; ++i) {
        const a_point& p = points[i];
        if (p.c1 != point_type::ROOM_PNT && p.c1 != point_type::ROOM1_PNT && p.c1 != point_type::GENERAL_PNT) continue;
        const float d = Node_Distance(cx, cy, p.x, p.y);
        if (d < best_d) {
            best_d = d;
            best = i;
        }
    }
    if (best == -1 || !points[best].active) return;
    points[best].active = false;
    int r = std::rand() % 4;
    if (points[best].c1 == point_type::GENERAL_PNT) r = SPAWN_GENERAL_GROUP;
    if (r == 0) return;
    if (call_trace)
        call_trace->push_back("release " + std::to_string(r) + " at point " + std::to_string(best));
    Spawn_A_Guy(r, best, false);
}
