#include "main/controls.h"

#include <cmath>
#include <initializer_list>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "platform/timer.h"
#include "world/pathfinder.h"
#include "world/turning.h"
#include "world/world_services.h"

namespace {

// Unit states the schemes look at.

// Inventory codes.
constexpr int INV_STICK_GRENADE = 29, INV_GRENADE = 30;
constexpr int INV_SHOTGUN_FIRST = 33, INV_SHOTGUN_LAST = 35;

constexpr float WALK_FACTOR = 1.2f;
constexpr float LINE_STEP = 0.005f;

object& Player() { return sprite[p1_id]; }

bool Player_Valid() { return Valid_Sprite(p1_id); }

float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

bool Status_Is(int status, std::initializer_list<int> codes) {
    for (int c : codes)
        if (status == c) return true;
    return false;
}

bool Selected_Is(std::initializer_list<int> kinds) { return Status_Is(on_selected_man, kinds); }

// The equipped slot, or -1 when nothing (or no valid slot) is equipped.
int Weapon_Slot() { return current_weapon >= 0 && current_weapon < 16 ? current_weapon : -1; }
int Weapon_Code() {
    int slot = Weapon_Slot();
    return slot == -1 ? -1 : player_inv[slot];
}
bool Grenade_Equipped() {
    int code = Weapon_Code();
    return code == INV_STICK_GRENADE || code == INV_GRENADE;
}

bool Reload_Due() { return Now() > Player().reload_timer; }
bool Player_Alive() { return Player().score > 0; }

// Both schemes act only under this gate.
bool Common_Gate() {
    if (lock_player || ply_dead || !Player_Valid()) return false;
    if (on_hud_buttons || !(hud_corner || on_the_radar) || mouse_grabbed) return false;
    if (unit_selected == -1) return false;
    return !Status_Is(Player().status, {STATUS_KNIFE, 63, STATUS_THROWING, STATUS_HIT, STATUS_HIT_HARD, STATUS_CAUGHT});
}

// The player can act: a unit that is alive or still in one of the two dying states.
bool Player_Usable() {
    const object& p = Player();
    return p.type == UNT && (p.score > 0 || p.status == STATUS_DYING || p.status == STATUS_BODY);
}

// The pointer's cell stops a walk: solid, a footprint, a shoot-through object, or water for
// a player who cannot wade.
bool Pointer_Cell_Blocked() {
    if (mouse_row < 0 || mouse_row >= GRID_CELLS) return true;
    int code = map_col[mouse_row];
    return code == COL_SOLID || code == COL_FOOTPRINT || code == COL_SOLID_SHOOTTHRU ||
           (code == COL_WATER && !has_water);
}

void Set_Walking(object& p) {
    if (p.status != STATUS_WALK) p.anim_state = 0;
    p.status = STATUS_WALK;
    p.moving = true;
}

// Plans the walk to the player's end_x, end_y; idles when no route is found.
void Walk_Start() {
    if (Find_Path(p1_id)) Set_Walking(Player());
    else ShotIdle(p1_id);
}

// Walks the straight line from unit k's centre toward (x2, y2) in steps of 1.2 x 0.005 world
// units over at most `length` (half the sum of the coordinate differences); for every step
// `visit` gets the cell's column and row and returns false to stop. A step off the map
// stops the walk like a solid cell.
template <typename Visit>
void Line_Walk(int k, float x2, float y2, float length, Visit visit) {
    const object& u = sprite[k];
    float cx = Centre_X(u), cy = Centre_Y(u);
    float a = std::atan2(y2 - cy, x2 - cx);
    float sx = std::cos(a) * WALK_FACTOR * LINE_STEP;
    float sy = std::sin(a) * WALK_FACTOR * LINE_STEP;
    float s = Node_Distance(cx, cy, cx + sx, cy + sy);
    int n = 0;
    if (s > 0) {
        float q = length / s;
        if (q > 1.0e6f) q = 1.0e6f; // the walk leaves any map long before this
        if (q > 0) n = (int)q;      // also 0 for a goal that is not a number
    }
    float px = cx, py = cy;
    for (int i = 0; i <= n; i++) {
        px += sx;
        py += sy;
        int col = Cell_Column(px), row = Cell_Row(py);
        if (!visit(col, row)) return;
    }
}

bool Blocks_Line(int col, int row) {
    int cell = Cell_Index(col, row);
    if (cell < 0) return true;
    return map_col[cell] == COL_SOLID || map_col[cell] == COL_SOLID_SHOOTTHRU;
}

// The player starts a grenade throw unless already knifing, rising or throwing: the walk
// stops, the target is dropped and the throw is requested. at_pointer: the throw goes to
// the pointer, the player turning to face it.
void Start_Grenade_Throw(object& p, bool at_pointer) {
    if (Status_Is(p.status, {STATUS_KNIFE, 63, STATUS_THROWING})) return;
    p.moving = false;
    if (at_pointer) {
        p.mov_x = p.end_x = mouseX;
        p.mov_y = p.end_y = mouseY;
    }
    ShotIdle(p1_id);
    if (at_pointer) Set_Heading(p1_id, p.mov_x, p.mov_y, true);
    p.anim_state = 0;
    p.update = true;
    p.fire_target = -1;
    throw_grenade = true;
    if (Selected_Is({2, 6})) Target_Flash();
}

} // namespace

void Target_Flash() {
    int now = Now();
    if (now <= target_flash_timer) return;
    if (flash_on >= 0 && flash_on < MAX_SPRITES) {
        if (sprite) sprite[flash_on].alpha = 1.0f;
    } else if (flash_on >= FX_ID_BASE && flash_on < FX_ID_BASE + MAX_FX) {
        if (Fx) Fx[flash_on - FX_ID_BASE].alpha = 1.0f;
    }
    if (stored_target != -1) flash_on = stored_target;
    target_flash_timer = now + 25;
    target_flash_mtimer = now + 300;
}

bool Get_Nearest_Tile(int k, float x2, float y2) {
    if (!Valid_Sprite(k)) return false;
    const object& u = sprite[k];
    float cx = Centre_X(u), cy = Centre_Y(u);
    int last_col = -1, last_row = -1;
    Line_Walk(k, x2, y2, Node_Distance(cx, cy, x2, y2), [&](int col, int row) {
        if (Blocks_Line(col, row)) return false;
        last_col = col;
        last_row = row;
        return true;
    });
    if (last_col == -1) return false;
    object& w = sprite[k];
    w.mov_x = w.end_x = Cell_Centre_X(last_col);
    w.mov_y = w.end_y = Cell_Centre_Y(last_row);
    if (Node_Distance(cx, cy, w.end_x, w.end_y) >= 0.025f) {
        if (Find_Path(k)) Set_Walking(w);
        else ShotIdle(k);
    } else {
        ShotIdle(k);
    }
    return true;
}

bool Get_Next_Tile(int k, float x2, float y2) {
    if (!Valid_Sprite(k)) return false;
    bool clear = true;
    Line_Walk(k, x2, y2, 0.1f, [&](int col, int row) {
        if (Blocks_Line(col, row)) clear = false;
        return clear;
    });
    return clear;
}

void Run_Keyboard(int f_rate1) {
    if (!Common_Gate()) return;
    object& p = Player();
    bool usable = Player_Usable();
    float cx = Centre_X(p), cy = Centre_Y(p);

    // Walking with W, A, S, D.
    bool any_key = KEY_FORWARD || KEY_BACKWARD || KEY_LEFTWARD || KEY_RIGHTWARD;
    if (!CONTROL_SCHEME && usable && any_key && Reload_Due()) {
        bool blocked = false;
        if (!KEY_BACKWARD && !on_the_radar && !special_selected) blocked = Pointer_Cell_Blocked();
        p.update = true;
        float tx = Cell_Centre_X(mouse_row_x), ty = Cell_Centre_Y(mouse_row_y);
        float a = std::atan2(ty - cy, tx - cx);
        float d = Node_Distance1(cx, cy, tx, ty);
        float ox = 0, oy = 0;
        if (KEY_FORWARD && !KEY_BACKWARD) {
            float k = (KEY_LEFTWARD || KEY_RIGHTWARD) ? d / 2 : d;
            ox += std::cos(a) * WALK_FACTOR * k;
            oy += std::sin(a) * WALK_FACTOR * k;
        }
        if (KEY_BACKWARD && !KEY_FORWARD) {
            ox -= std::cos(a) * WALK_FACTOR * d / 4;
            oy -= std::sin(a) * WALK_FACTOR * d / 4;
        }
        float strafe_x = std::cos(a + 1.5f) * WALK_FACTOR * d / 2;
        float strafe_y = std::sin(a + 1.5f) * WALK_FACTOR * d / 2;
        if (KEY_LEFTWARD && !KEY_RIGHTWARD) {
            ox += strafe_x;
            oy += strafe_y;
        }
        if (KEY_RIGHTWARD && !KEY_LEFTWARD) {
            ox -= strafe_x;
            oy -= strafe_y;
        }
        p.mov_x = p.end_x = cx + ox;
        p.mov_y = p.end_y = cy + oy;
        if (blocked) {
            Get_Nearest_Tile(p1_id, p.mov_x, p.mov_y);
        } else if (Find_Path(p1_id)) {
            Set_Walking(p);
        } else if (Get_Next_Tile(p1_id, p.mov_x, p.mov_y)) {
            Set_Walking(p);
        } else {
            ShotIdle(p1_id);
        }
    }

    // Firing with Space.
    if (!CONTROL_SCHEME && usable && KEY_SPACE && !player_in_water && p.status != STATUS_FALLING &&
        p.status != STATUS_HIT && Reload_Due() && Player_Alive() && hud_corner) {
        KEY_SPACE = false;
        TestSpriteToShootPly(p1_id, cx, cy, mouseX, mouseY, true, stored_target, f_rate1, false);
    }

    // Clicking, in either scheme setting.
    if (!(mouseleft || mousemiddle)) return;
    if (!usable) {
        if (p.type == UNT) p.selected = false;
        stored_target = -1;
        return;
    }
    if (Reload_Due() && Grenade_Equipped()) {
        Start_Grenade_Throw(p, false);
        stored_target = -1;
        return;
    }
    throw_grenade = false;
    if (!lock_player && !reloading && !ply_dead && !on_pickup && !player_in_water && p.status != STATUS_FALLING &&
        p.status != STATUS_HIT && Reload_Due() && Player_Alive() && hud_corner) {
        float ax = mouseX, ay = mouseY;
        if (Valid_Sprite(stored_target)) {
            ax = Centre_X(sprite[stored_target]);
            ay = Centre_Y(sprite[stored_target]);
        }
        int slot = Weapon_Slot();
        if (slot != -1) {
            if (player_inv_value2[slot] <= 0) {
                Reload_Gun();
                p.moving = false;
                ShotIdle(p1_id);
                mouseleft = false;
                mouseheld = false;
            } else {
                int code = player_inv[slot];
                bool spread = code >= INV_SHOTGUN_FIRST && code <= INV_SHOTGUN_LAST;
                TestSpriteToShootPly(p1_id, cx, cy, ax, ay, false, stored_target, f_rate1, spread);
            }
        }
    }
    p.update = true;
    if (Selected_Is({2, 6, 7}) && Reload_Due() && p.fire_target != stored_target) {
        Target_Flash();
        if (stored_target != -1) p.fire_target = stored_target;
    }
    near_sell = false;
    stored_target = -1;
}

void Run_Mouse(int) {
    if (!Common_Gate() || !(mouseleft || mousemiddle)) return;
    object& p = Player();
    if (!Player_Usable()) {
        if (p.type == UNT) p.selected = false;
        p.turning = false;
        near_sell = false;
        stored_target = -1;
        return;
    }
    bool has_target = Valid_Sprite(stored_target);
    if (!has_target) stored_target = -1;

    // 1. Grenade.
    bool target_far = !has_target || !Is_Guy_In_Range(p1_id, stored_target, 0.17f);
    if (Selected_Is({2, 6}) && target_far && Reload_Due() && Grenade_Equipped()) {
        Start_Grenade_Throw(p, true);
        stored_target = -1;
        return;
    }

    // 2. The pointer's cell.
    throw_grenade = false;
    bool blocked = !Selected_Is({2, 6, 7, 8}) && !on_the_radar && !special_selected && Pointer_Cell_Blocked();
    p.update = true;

    // 3. Aiming.
    if (Selected_Is({2, 6, 7}) && Reload_Due()) {
        p.emy_shooting = false;
        p.turning = false;
        if (p.fire_target != stored_target) {
            Target_Flash();
            p.moving = false;
        }
        if (stored_target != -1) p.fire_target = stored_target;
    } else {
        p.fire_target = -1;
        p.turning = false;
        special_selected = false;
    }

    // 4. The walk goal.
    p.mov_x = Cell_Centre_X(mouse_row_x);
    p.mov_y = Cell_Centre_Y(mouse_row_y);
    if (Fx && ply_pickup_target >= 0 && ply_pickup_target < MAX_FX) {
        p.mov_x = Fx[ply_pickup_target].x + 0.05f;
        p.mov_y = Fx[ply_pickup_target].y + 0.05f;
    }
    if (has_target) {
        p.mov_x = Centre_X(sprite[stored_target]);
        p.mov_y = Centre_Y(sprite[stored_target]);
    }

    // 5. In reach of the target.
    bool in_range = false;
    if (Selected_Is({2, 6, 7}) && mouseleft && has_target) in_range = Is_Guy_In_Range(p1_id, stored_target, 0.3f);

    // 6. Going for the target.
    if (p.status != STATUS_FIRING) {
        if (Selected_Is({2, 6, 7, 8}) && has_target) {
            p.end_x = p.mov_x;
            p.end_y = p.mov_y;
            bool keep_button = (has_machine_equipped && on_selected_man == 2) || on_selected_man == 8;
            if (!keep_button) {
                mouseleft = false;
                mouseheld = false;
            }
            if (!mouseheld && Player_Alive() && !Status_Is(p.status, {STATUS_DYING, STATUS_BODY, STATUS_FIRING})) {
                p.moving = false;
                ShotIdle(p1_id);
                p.anim_state = 0;
                p.update = true;
            }
        } else {
            p.end_x = p.mov_x;
            p.end_y = p.mov_y;
        }
    }

    // 7. An empty weapon reloads, except in reach of the target or at a door.
    int slot = Weapon_Slot();
    if (slot != -1 && Selected_Is({2, 6}) && player_inv_value2[slot] <= 0 && !in_range &&
        !(has_target && sprite[stored_target].type == DOR)) {
        Reload_Gun();
        p.moving = false;
        ShotIdle(p1_id);
        mouseleft = false;
        mouseheld = false;
    }

    // 8. A pointer over a wall: walk to the last free cell on the line instead.
    if (blocked) Get_Nearest_Tile(p1_id, p.mov_x, p.mov_y);

    // 9. Shoot (the unit AI fires) or walk.
    if ((on_selected_man == 2 || ply_shooting) && !in_range) {
        shot_fired = 1;
    } else {
        if (!blocked) Walk_Start();
        shot_fired = 2;
    }

    // 10.
    p.turning = false;
    near_sell = false;
    stored_target = -1;
}
