#include "main/mouse_code.h"

#include <cstddef>
#include <initializer_list>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/level_table.h"
#include "hud/hud.h"
#include "main/controls.h"
#include "main/keyboard.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/animate.h"
#include "world/effects.h"
#include "world/world_services.h"

namespace {

// HUD panels over which the pointer is not over the map.
constexpr int hud_panels[] = {36, 33, 50, 0, 29, 30, 38, 49, 46, 26};

// Kinds of target under the pointer (on_selected_man).
constexpr int SEL_NONE = 0, SEL_UNIT = 2, SEL_OTHER = 4, SEL_DOOR = 6, SEL_PROP = 7, SEL_LADDER = 8;

// Pickup codes of ground items counted in the sums.
constexpr int PKP_PISTOL = 9, PKP_PISTOL_AMMO = 13, PKP_RIFLE_AMMO = 2, PKP_SHELLS = 36,
              PKP_MACHINE_AMMO = 41;
constexpr int health_codes[] = {4, 3, 23, 45, 26};

// Codes of equipped items on the pointer and the slot they leave.
constexpr int equipped_weapon_codes[] = {8, 40, 35, 11, 30};
constexpr int EQUIPPED_HELMET = 16, EQUIPPED_MEDAL = 22, EQUIPPED_BOOTS = 19;
constexpr int ITEM_GOLD = 1;

// Unit states.
constexpr int unit_states_not_hovered[] = {STATUS_BODY, STATUS_BODY_FADING, STATUS_BODY_SUNK, STATUS_DEAD, 73};

// Pointer animations.
constexpr int PTR_ARROW = 0, PTR_WALK = 1, PTR_USE = 2, PTR_SPECIAL = 5, PTR_PROP = 4,
              PTR_ITEM = 6, PTR_MOVE = 7, PTR_RELOAD = 8, PTR_AIM_HEAD = 9;

bool In(int v, std::initializer_list<int> set) {
    for (int c : set)
        if (v == c) return true;
    return false;
}
template <std::size_t N>
bool In_Table(int v, const int (&set)[N]) {
    for (int c : set)
        if (v == c) return true;
    return false;
}

bool Strictly_Inside(float px, float py, float x0, float y0, float x1, float y1) {
    return px > x0 && px < x1 && py > y0 && py < y1;
}

bool Player_Valid() { return Valid_Sprite(p1_id); }
bool Busy() { return reloading || next_weapon != -1; }

void Restore_Flash_Alpha() {
    if (flash_on >= 0 && flash_on < MAX_SPRITES) sprite[flash_on].alpha = 1.0f;
    else if (flash_on >= FX_ID_BASE && flash_on < FX_ID_BASE + MAX_FX) Fx[flash_on - FX_ID_BASE].alpha = 1.0f;
}

void Hud_Panels() {
    float px = hud_mouseX + camX, py = hud_mouseY + camY;
    hud_corner = true;
    if (!hud) return;
    for (int i : hud_panels) {
        const object& h = hud[i];
        if (Strictly_Inside(px, py, h.w, h.z, h.w + h.box_width, h.z + h.box_height)) hud_corner = false;
    }
}

// Drops the item hanging on the pointer at the player's feet as a ground item.
void Drop_Pointer_Item() {
    if (!(hud_corner && mouse_grabbed && mouseleft && Player_Valid() && player_type == 0)) return;
    if (near_sell && mouse_inv != ITEM_GOLD) return;
    object& p = sprite[p1_id];
    float cx = p.w + p.box_width / 2, cy = p.z + p.box_height / 2;
    int code = mouse_inv;
    bool placed = New_FX({.x = cx, .y = cy, .w = cx, .z = cy, .anim = 13, .anim_state = 2, .box_width = 0.1f,
                          .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = 3, .type = PKU,
                          .i_value = mouse_inv_value, .i_type = code, .tex_id = 2, .i_value1 = mouse_inv_value1,
                          .i_value2 = mouse_inv_value2});
    if (placed) {
        if (reloading) {
            ShotIdle(p1_id);
            p.anim_state = 0;
            p.update = true;
            p.fire_target = -1;
            reloading = false;
        }
        if (code != 0) PickUp_Sfx(code);
        GUN_SPECIAL = GUN_SPECIAL2 = 0;
        if (In_Table(code, equipped_weapon_codes)) current_weapon = -1;
        if (code == EQUIPPED_HELMET) current_helmet = -1;
        if (code == EQUIPPED_MEDAL) current_medal = -1;
        if (code == EQUIPPED_BOOTS) current_boot = -1;
        mouse_inv = mouse_inv_value = mouse_inv_value1 = 0;
        mouse_grabbed = false;
    }
    Calculate_Inventory();
    Calculate_Bullets();
    Calculate_Stats();
    mouseleft = mouseheld = false;
}

// The aim zone from the pointer's height on the hover box: 1 above the lowest quarter, 0
// in the top quarter.
int Aim_Zone(int start, const object& o) {
    int zone = start;
    if (mouseY > o.z + o.box_height) zone = 1;
    if (mouseY > o.z + 3 * o.box_height) zone = 0;
    return zone;
}

bool Body_Only_Weapon() { return (has_machine_equipped && !has_sight) || has_shotgun_equipped; }

void Ground_Item(int index) {
    object& e = Fx[index];
    e.flash_target = false;
    switch (e.item_type) {
        case PKP_PISTOL: INV_PISTOL_ADD += e.value2; break;
        case PKP_PISTOL_AMMO: INV_PISTOL_ADD += e.value; break;
        case PKP_RIFLE_AMMO: INV_RIFLE_ADD += e.value; break;
        case PKP_SHELLS: INV_SHOTGUN_ADD += e.value; break;
        case PKP_MACHINE_AMMO: INV_MACHINE_ADD += e.value; break;
        default:
            if (In_Table(e.item_type, health_codes)) INV_HEALTH_ADD += e.value;
            break;
    }
    float off = fx_offset;
    float x0 = e.x + e.width / 4 - off, x1 = e.x + e.width - e.width / 4 + off;
    float y0 = e.y + e.height / 4 - off, y1 = e.y + e.height - e.height / 4 + off;
    if (on_selected_man == SEL_UNIT || on_selected_man == SEL_DOOR || p1_id == -1 || Busy()) return;
    if (!Strictly_Inside(mouseX, mouseY, x0, y0, x1, y1)) return;
    on_pickup = true;
    if (mouseheld) return;
    e.flash_target = true;
    pkp_msg_target = index;
    Hud_Check();
    if (mouseleft) {
        Restore_Flash_Alpha();
        flash_on = FX_ID_BASE + index;
        target_flash_timer = 0;
        target_flash_mtimer = Now() + 300;
        ply_pickup_target = index;
        Pickup_Check(p1_id, index, 0);
    }
}

// Doors, unit-like objects that stand still and marked props.
void Door_Or_Bag(int id) {
    const object& s = sprite[id];
    bool kind = s.type == DOR || (s.type == BAG && !s.moving) ||
                (s.type == OBJ && In(s.sector_action, {OBJ_SCARE, OBJ_RESCUE, OBJ_SCARECROW}));
    if (!kind || on_selected_man == SEL_UNIT || Busy()) return;
    if (!(s.score > 0 && s.priority != 3 && s.grab_switch && !s.turn_off)) return;
    float off = fx_offset, bw = s.box_width, bh = s.box_height;
    float x0 = s.w - off, x1 = s.w + bw + off, y0 = s.z - off, y1 = s.z + bh + off;
    if (s.type == BAG && !In(s.sector, {SEAGULL, SEAGULL2, unit_class::TUNNEL})) y1 = s.z + 4 * bh + off;
    if (s.type == BAG && s.sector == UNIT_BOSS) y1 = s.z + 1.5f * bh + off;
    if (s.type == DOR && s.sector_action == BARREL) y1 = s.z + 3 * bh + off;
    if (s.type == DOR && s.sector_action == TYPE_SINGLE_DOOR) {
        x0 = s.w - bw;
        x1 = s.w + bw + bw;
        y0 = s.z - bw;
        y1 = s.z + 5 * bh + bw;
    }
    if (s.type == DOR && (s.sector_action == DOUBLE || s.sector_action == door_type::DOUBLE_BACK)) {
        x0 = s.x + off;
        x1 = s.x + s.width - off;
        y0 = s.y + bh;
        y1 = s.y + s.height - bh;
    }
    if (!Strictly_Inside(mouseX, mouseY, x0, y0, x1, y1)) return;
    on_pickup = false;
    if (s.type != BAG) {
        on_selected_man = SEL_DOOR;
        stored_target = id;
        targeted = 1;
        return;
    }
    if (mouseheld) return;
    on_selected_man = SEL_DOOR;
    stored_target = id;
    targeted = 1;
    if (In(s.sector, {UNIT_ARMOUR_HEAD, UNIT_DUMMY, UNIT_ARMOUR_FULL, UNIT_ARMOUR_TURRET, UNIT_BOSS,
                      UNIT_ARMOUR_TANK})) {
        on_selected_man = SEL_UNIT;
        targeted = 2;
    }
    targeted = Aim_Zone(targeted, s);
    if (In(s.sector, {UNIT_ARMOUR_TURRET, UNIT_ARMOUR_TANK, SIGNPOST})) targeted = 1;
    if (In(s.sector, {SEAGULL, SEAGULL2})) targeted = 0;
    if (In(s.sector, {unit_class::TUNNEL, UNIT_BOSS, UNIT_BARREL})) targeted = 1;
    if (Body_Only_Weapon()) targeted = 1;
}

void Ladder(int id) {
    const object& s = sprite[id];
    if (s.type != LAD || !s.grab_switch || s.turn_off || on_selected_man == SEL_UNIT || Busy()) return;
    if (Strictly_Inside(mouseX, mouseY, s.x, s.y, s.w + s.box_width, s.z + s.box_height)) {
        on_selected_man = SEL_LADDER;
        stored_target = id;
    }
}

void Usable_Prop(int id) {
    const object& s = sprite[id];
    if (s.type != OBJ || s.mouseover || s.score <= 0 || s.turn_off) return;
    if (on_selected_man == SEL_UNIT || Busy() || mouseheld) return;
    if (In(s.sector_action, {OBJ_NONE, OBJ_SHOP, OBJ_LIGHT, OBJ_NOCOL, OBJ_SEAGULL, OBJ_SEAGULL2, OBJ_VAN_SHADOW,
                             OBJ_SCARE}) ||
        s.linked_sprite == LINKED_DOG)
        return;
    float off = fx_offset, bh = s.box_height;
    float y0 = s.z - off, y1 = s.z + 4 * bh + off;
    if (!in_open_world && (s.sector_action == OBJ_LIGHT1 || s.sector_action == OBJ_SWITCH)) {
        y0 = s.z - off + 4 * bh;
        y1 = s.z + 2 * bh + off + 4 * bh;
    }
    if (Strictly_Inside(mouseX, mouseY, s.w - off, y0, s.w + s.box_width + off, y1)) {
        on_selected_man = SEL_PROP;
        stored_target = id;
        on_pickup = true;
    }
}

void Unit(int id) {
    const object& s = sprite[id];
    if (s.type != UNT || s.mouseover || Busy()) return;
    if ((s.sector == DUCK && s.status == STATUS_IDLE) || s.sector == UNIT_BIRD || In_Table(s.status,
        unit_states_not_hovered) ||
        s.onDeath_action == 3 || s.turn_off)
        return;
    float off = s.sector == UNIT_SHOTGUN ? 0.07f : fx_offset;
    float bh = s.box_height;
    float y1 = (s.sector == MONKEY || s.sector == DOG) ? s.z + bh + off : s.z + 4 * bh + off;
    if (!Strictly_Inside(mouseX, mouseY, s.w - off, s.z - off, s.w + s.box_width + off, y1)) return;
    if (s.linked_sprite == player_type) return;
    on_selected_man = SEL_UNIT;
    if (s.score > 0) on_pickup = false;
    stored_target = id;
    targeted = Aim_Zone(2, s);
    if ((In(s.sector, {BOMBER, UNIT_MORTAR}) && s.onDeath_action == 2) ||
        In(s.sector, {UNIT_ARMOUR_TURRET, UNIT_ARMOUR_TANK, MONKEY, DOG, UNIT_BOSS}) || Body_Only_Weapon())
        targeted = 1;
}

void Sprite_Entry(int id) {
    object& s = sprite[id];
    int now = Now();
    if (s.type == UNT) {
        s.tile_row = (int)((s.w + s.box_width / 2 + map_startX) * 10) +
                     (int)((s.z + s.box_height / 2 + map_startY) * 10) * MAP_HEIGHT;
    }
    if (s.flash_target && now > s.flash_timer) {
        s.flash_target = false;
        s.flash_timer = 0;
    }
    if (s.type == UNT && s.death_flash && !s.flash_target && now > s.dflash_timer) {
        s.alpha = s.alpha > 0 ? 0.0f : s.light;
        s.dflash_timer = now + 75;
    }
    Door_Or_Bag(id);
    Ladder(id);
    Usable_Prop(id);
    Unit(id);
}

// Walks the visible list. Entries that name no live record are passed over.
void Visible_List() {
    int count = new_no_sprites;
    if (count > VISIBLE_MAX) count = VISIBLE_MAX;
    for (int i = 0; i < count; i++) {
        int id = var5[i];
        if (id >= 0 && id < MAX_SPRITES) {
            Sprite_Entry(id);
        } else if (id >= FX_ID_BASE && id < FX_ID_BASE + MAX_FX && id - FX_ID_BASE < no_fx) {
            const object& e = Fx[id - FX_ID_BASE];
            if (e.type == PKU && !e.mouseover && !e.turn_off) Ground_Item(id - FX_ID_BASE);
        }
    }
}

void Enemy_Bar() {
    if (!hud) return;
    object& frame = hud[44];
    object& fill = hud[45];
    bool show = stored_target >= 0 && stored_target < MAX_SPRITES && !Busy() && !quit_active &&
                on_selected_man == SEL_UNIT;
    if (show) {
        const object& t = sprite[stored_target];
        show = t.sector != UNIT_BARREL && !(t.type == BAG && (t.sector == SIGNPOST || t.sector == unit_class::TUNNEL));
    }
    if (!show) {
        frame.alpha = fill.alpha = 0.0f;
        return;
    }
    const object& t = sprite[stored_target];
    frame.alpha = 1.0f;
    frame.x = t.x + camX;
    frame.y = t.y + camY + t.height;
    frame.width = t.width;
    frame.height = t.height / 6;
    float ix = frame.width / 10, iy = frame.height / 5;
    fill.alpha = 1.0f;
    fill.x = frame.x + ix;
    fill.y = frame.y + iy;
    fill.width = frame.width - 2 * ix;
    fill.height = frame.height - 2 * iy;
    float e = Calculate_Emybar(stored_target);
    if (e > 0) fill.width /= e;
    else fill.width = 0;
}

void Pointer_Animation() {
    const bool alive = !ply_dead;
    const bool selected_unit = unit_selected != -1;
    const bool ctrl = keys[platform::VK_CONTROL];
    int anim = -1;
    if (!selected_unit && !reloading && alive && !on_pickup) {
        anim = PTR_ARROW;
        if (hud) hud[3].anim = 0;
    }
    if (selected_unit && !reloading && alive && !mouse_grabbed && !on_pickup &&
        (on_selected_man == SEL_NONE || special_selected)) {
        if (ctrl) {
            anim = PTR_MOVE;
        } else if (on_selected_man != SEL_UNIT && on_selected_man != SEL_DOOR) {
            if (on_the_radar) anim = PTR_WALK;
            else if (hud_corner) anim = mouseleft ? PTR_WALK : PTR_MOVE;
            else anim = PTR_ARROW;
        }
    }
    if (on_selected_man == SEL_OTHER && !reloading && alive && !on_pickup) anim = PTR_SPECIAL;
    if (on_pickup && !reloading && alive && !on_the_radar && on_selected_man != SEL_UNIT && hud_corner)
        anim = on_selected_man == SEL_PROP ? PTR_PROP : PTR_ITEM;
    if (!on_the_radar && !reloading && !mouse_grabbed && !on_pickup && hud_corner && alive) {
        if (on_selected_man == SEL_DOOR) anim = PTR_USE;
        if (on_selected_man == SEL_LADDER) anim = PTR_WALK;
        if (on_selected_man == SEL_UNIT && stored_target >= 0 && stored_target < MAX_SPRITES) {
            const object& t = sprite[stored_target];
            if (t.score <= 0) anim = PTR_USE;
            else if (t.sector == UNIT_BIRD) anim = PTR_AIM_HEAD;
            else if (t.sector == UNIT_BARREL) anim = PTR_USE;
            else anim = targeted == 1 ? PTR_USE : PTR_AIM_HEAD;
        }
    }
    if (on_hud_buttons) anim = PTR_ARROW;
    if (reloading && alive) anim = PTR_RELOAD;
    if (ply_dead) anim = PTR_ARROW;
    if (anim != -1) Set_Sprite(1, anim, ANIM_LOOP, ANIM_ARRAY_HUD, false);
}

void Camera_Look_Ahead() {
    if (mouse_stop || cutscene) return;
    ply_sniping = true;
    float px = 0, py = 0;
    if (Player_Valid()) {
        const object& p = sprite[p1_id];
        px = p.x + p.width / 2;
        py = p.y;
    }
    float dx = (px - mouseX) / 40, dy = (py - mouseY) / 30;
    camX_OFFSET = camY_OFFSET = 0;
    for (int k = 1; k <= 20; k++) {
        float cx = -(px - k * dx), cy = -(py - k * dy);
        if (cx >= zoom_factor - 0.05f * MAP_WIDTH && cx <= map_startX - zoom_factor) camX_OFFSET += dx;
        if (cy >= zoom_factor * sc_ratio - 0.05f * MAP_HEIGHT && cy <= map_startY - zoom_factor * sc_ratio)
            camY_OFFSET += dy;
    }
    if (camX_OFFSET > 0.7f) camX_OFFSET = 0.7f;
    if (camX_OFFSET < -0.7f) camX_OFFSET = -0.7f;
    if (camY_OFFSET > 0.6f) camY_OFFSET = 0.6f;
    if (camY_OFFSET < -0.6f) camY_OFFSET = -0.6f;
    Get_Mouse_Row();
}

} // namespace

float Calculate_Offset(bool is_a_sprite) {
    if (is_a_sprite) return 0.0f;
    mouse_enlarge = 0.05f;
    return 0.05f;
}

void Mouse_Code(int f_rate1) {
    Trace_Call("Mouse_Code");
    Get_Mouse_Row();
    if (game_mode != MODE_WALK && game_mode != MODE_FRONT) return;
    on_selected_man = SEL_NONE;
    on_pickup = false;
    stored_target = -1;
    Hud_Panels();
    if (p1_id != -1) unit_selected = p1_id;
    if (game_mode == MODE_FRONT || !sprite || !Fx) return;

    if (mouseleft) ply_pickup_target = -1;
    if (Player_Valid()) Hud_Face_Unit(p1_id, -1);
    Drop_Pointer_Item();

    INV_PISTOL_ADD = INV_RIFLE_ADD = INV_SHOTGUN_ADD = INV_MACHINE_ADD = INV_HEALTH_ADD = 0;
    pkp_msg_target = -1;
    fx_offset = Calculate_Offset(false);
    if (unit_selected != -1 && !ply_dead) Visible_List();

    Enemy_Bar();
    if (!CONTROL_SCHEME || KEY_SPACE) Run_Keyboard(f_rate1);
    else Run_Mouse(f_rate1);
    Pointer_Animation();
    Camera_Look_Ahead();
}
