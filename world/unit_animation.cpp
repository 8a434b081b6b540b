#include "world/unit_animation.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "world/animate.h"
#include "world/effects.h"
#include "world/turning.h"

namespace {

// One animation choice: the animation, its playback mode and whether it starts from its first
// step (Set_Sprite without reset) or carries on from the current one.
struct choice {
    int anim = -1;
    int mode = 0;
    bool rewind = false;
};

// States with no facing: the animation and mode of each.
struct plain_row {
    int status;
    int anim;
    int mode;
};
constexpr plain_row plain_rows[] = {
    {STATUS_HIT_HARD, 24, ANIM_LOOP}, {73, 40, ANIM_LOOP}, {STATUS_PAIRED, 25, ANIM_LOOP},
    {STATUS_DOWNED, 26, ANIM_LOOP}, {STATUS_AT_OWN_BODY, 27, ANIM_LOOP}, {STATUS_BOSS_BEATEN, 34, ANIM_LOOP},
    {STATUS_CHEER, 34, ANIM_LOOP}, {66, 5, ANIM_LOOP}, {STATUS_TO_COUNTER, 35, ANIM_LOOP},
    {STATUS_HELD_POSE, 5, ANIM_ONCE}, {STATUS_AS_OBJECT, 25, ANIM_LOOP}, {STATUS_RISING, 28, ANIM_ONCE},
};

// States with facing: the first animation of the row (down, up, side, down-diagonal and
// up-diagonal follow in that order) and its mode.
struct facing_row {
    int status;
    int first;
    int mode;
    bool rewind;
};
constexpr facing_row facing_rows[] = {
    {STATUS_CROUCHING, 36, ANIM_LOOP, false},
    {32, 5, ANIM_LOOP, false},
    {STATUS_FIRING, 10, ANIM_ONCE_HOLD, false},
    {STATUS_SHOT_PAUSE, 41, ANIM_ONCE_HOLD, false},
    {STATUS_THROW_PAUSE, 46, ANIM_ONCE_HOLD, false},
    {STATUS_KNIFE, 29, ANIM_ONCE_HOLD, false},
    {STATUS_HIT, 15, ANIM_ONCE_HOLD, true},
    {52, 24, ANIM_LOOP, false},
    {63, 37, ANIM_LOOP, false},
};

bool Is_Water_Tile(int t) { return t >= 480 && t <= 483; }

// The cell of the centre of a sprite's collision box, or -1 off the map.
int Centre_Cell(const object& o) { return Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2); }

// Mud deaths and the two plain states that come first.
bool Mud_Choice(const object& u, choice& c) {
    if ((u.status == STATUS_BODY || u.status == STATUS_BODY_FADING || u.status == STATUS_BODY_SUNK) && u.on_mud) {
        c = {21, ANIM_LOOP, false};
        return true;
    }
    if (u.status == STATUS_CAMP_POSE) {
        c = {5, ANIM_LOOP, false};
        return true;
    }
    return false;
}

// Deaths of units other than the player.
bool Unit_Death_Choice(const object& u, choice& c) {
    if (u.status == STATUS_DYING) {
        if (u.splatted) {
            c = {56, ANIM_LOOP, true};
            return true;
        }
        static constexpr int by_grenade[4] = {-1, 20, 29, 32};
        if (u.grenaded >= 1 && u.grenaded <= 3) {
            c = {by_grenade[u.grenaded], ANIM_ONCE_HOLD, true};
            return true;
        }
        return false;
    }
    if (u.on_mud || (u.status != STATUS_BODY && u.status != STATUS_BODY_FADING)) return false;
    const int second = u.status == STATUS_BODY_FADING ? 1 : 0; // 31 takes the first, 42 the second
    bool chosen = false;
    if (u.grenaded == 2) { c = {30 + second, ANIM_ONCE_HOLD, false}; chosen = true; }
    if (u.splatted) {
        c = {57 + second, ANIM_ONCE_HOLD, false};
        return true;
    }
    if (u.grenaded == 1) { c = {22 + second, ANIM_ONCE_HOLD, false}; chosen = true; }
    if (u.grenaded == 3) { c = {33 + second, ANIM_ONCE_HOLD, false}; chosen = true; }
    return chosen;
}

// Deaths of the player.
bool Player_Death_Choice(const object& u, choice& c) {
    if (u.status == STATUS_DYING) {
        c = {20, ANIM_ONCE_HOLD, true};
        return true;
    }
    if (u.on_mud) return false;
    if (u.status == STATUS_BODY_FADING) { c = {22, ANIM_ONCE_HOLD, false}; return true; }
    if (u.status == STATUS_BODY_SUNK) { c = {23, ANIM_ONCE_HOLD, false}; return true; }
    return false;
}

// States without facing.
bool Plain_Choice(const object& u, bool is_player, choice& c) {
    if (u.status == STATUS_HIT_HARD && is_player) { c = {52, ANIM_LOOP, false}; return true; }
    if (u.status == STATUS_FALLING) {
        const int anim = u.sector == UNIT_RESCUE ? 27 : (is_player ? 51 : 28);
        c = {anim, ANIM_ONCE_HOLD, false};
        return true;
    }
    if (u.status == STATUS_CAUGHT) {
        c = player_in_water ? choice{20, ANIM_ONCE, false} : choice{35, ANIM_LOOP, false};
        return true;
    }
    for (const plain_row& r : plain_rows)
        if (r.status == u.status) {
            c = {r.anim, r.mode, false};
            return true;
        }
    return false;
}

// States with facing: the first animation of the row that applies.
bool Facing_Choice(const object& u, bool is_player, choice& c) {
    const bool player_exists = p1_id != -1;
    const bool player_reloading = is_player && reloading;
    int first = -1, mode = ANIM_LOOP;
    bool rewind = false;
    switch (u.status) {
        case STATUS_IDLE:
            if (!player_exists) return false;
            first = player_reloading ? 24 : (u.spotted ? 51 : 5);
            break;
        case STATUS_WALK:
            if (!player_exists) return false;
            first = player_reloading ? 46 : 0;
            break;
        case STATUS_THROWING:
            if (!player_exists) return false;
            first = is_player ? (player_in_water ? 10 : 41) : 35;
            mode = ANIM_ONCE_HOLD;
            break;
        case STATUS_FIRING:
            first = (is_player && u.moving) ? 53 : 10;
            mode = ANIM_ONCE_HOLD;
            break;
        default:
            for (const facing_row& r : facing_rows)
                if (r.status == u.status) {
                    first = r.first;
                    mode = r.mode;
                    rewind = r.rewind;
                    break;
                }
            if (first < 0) return false;
            break;
    }
    const int column = Facing_Column(u.angle);
    if (column < 0) return false;
    c = {first + column, mode, rewind};
    return true;
}

// The splash of the player crossing the edge of the water, with its sound.
void Splash(int loop) {
    const object& p = sprite[loop];
    New_FX({.x = p.x + p.width / 6, .y = p.y - p.height / 10, .w = p.w, .z = p.z, .anim = 39,
            .anim_state = ANIM_ONCE, .box_width = p.box_width, .box_height = p.box_height, .width = p.width * 2 / 3,
            .height = p.height * 2 / 3, .priority = 2, .type = GFX, .linked_sprite = loop, .tex_id = 2});
    water_sfx = true;
}

void Set_Sheet(object& o, int slot) {
    o.id = slot;
    o.fx_id = animation_fx[slot];
}

} // namespace

int Facing_Column(float angle) {
    switch (Convert_Angle_To_Dir(angle)) {
        case dir_code::DOWN: return FACE_DOWN;
        case dir_code::UP: return FACE_UP;
        case dir_code::LEFT:
        case dir_code::RIGHT: return FACE_SIDE;
        case dir_code::DOWN_LEFT:
        case dir_code::DOWN_RIGHT: return FACE_DOWN_DIAGONAL;
        case dir_code::UP_LEFT:
        case dir_code::UP_RIGHT: return FACE_UP_DIAGONAL;
        default: return -1;
    }
}

int Held_Weapon_Sheet() {
    if (current_weapon == -1 || next_weapon != -1) return SHEET_BARE;
    if (current_weapon < 0 || current_weapon >= 16) return SHEET_BARE;
    switch (player_inv[current_weapon]) {
        case 6: case 7: case 8: return SHEET_LONG_GUN;      // rifles
        case 28: case 29: case 30: return SHEET_BARE;       // grenades
        case 33: case 34: case 35: return SHEET_LONG_GUN;   // shotguns
        case 38: case 39: case 40: return SHEET_MACHINE_GUN;
        case 10: case 11: return SHEET_PISTOL;
        default: return SHEET_BARE;
    }
}

void Check_Crouch(int loop) {
    if (!sprite || loop < 0 || loop >= MAX_SPRITES) return;
    object& u = sprite[loop];
    u.training = false;
    const int cell = Centre_Cell(u);
    if (cell < 0) return; // off the map there is neither water nor cover

    if (loop == p1_id) {
        const bool water = Is_Water_Tile(tiles[cell]);
        if (water && !player_in_water) {
            Splash(loop);
            u.anim_state = ANIM_STOPPED;
            reloading = false;
            Set_Sheet(u, SHEET_WADING);
            Calculate_Bullets();
            player_in_water = true;
        } else if (!water && player_in_water) {
            Splash(loop);
            u.anim_state = ANIM_STOPPED;
            Set_Sheet(u, Held_Weapon_Sheet());
            Calculate_Bullets();
            player_in_water = false;
        }
    }

    if (Level == LVL_BASE || u.moving || u.status == STATUS_FIRING || player_in_water) return;
    const int col = Cell_Column_Of(cell), row = Cell_Row_Of(cell);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            const int c = col + dx, r = row + dy;
            if (c <= 0 || r <= 0) continue; // the first column and row are never cover
            const int n = Cell_Index(c, r);
            if (n < 0) continue;
            const char code = map_col[n];
            if (code != COL_FREE && code != COL_FOOTPRINT && code != COL_WATER) u.training = true;
        }
}

void Animation_System(int loop, bool, bool, bool, bool) {
    if (!sprite || loop < 0 || loop >= MAX_SPRITES) return;
    object& u = sprite[loop];
    if (u.type != UNT || u.sector == UNIT_VEHICLE || u.status == STATUS_POSE) return;
    const bool is_player = loop == p1_id;

    if (game_mode == MODE_WALK && is_player) Check_Crouch(loop);
    if (is_player && !reloading && u.status == STATUS_IDLE && u.training) u.status = STATUS_CROUCHING;

    choice c;
    const bool chosen = Mud_Choice(u, c) ||
                        (is_player ? Player_Death_Choice(u, c) : Unit_Death_Choice(u, c)) ||
                        Plain_Choice(u, is_player, c) || Facing_Choice(u, is_player, c);
    if (chosen) Set_Sprite(loop, c.anim, c.mode, ANIM_ARRAY_SPRITE, !c.rewind);

    if (u.status == STATUS_CROUCHING) u.status = STATUS_IDLE;
}

void Play_Footstep(int loop) {
    if (!sprite || loop < 0 || loop >= MAX_SPRITES) return;
    const int cell = Centre_Cell(sprite[loop]);
    bool raised = false;
    auto raise = [&raised](bool& flag) {
        flag = true;
        raised = true;
    };

    if (player_in_water) {
        raise(swim_sfx);
    } else if (cell >= 0) {
        const int t = tiles[cell];
        auto in = [t](int lo, int hi) { return t >= lo && t <= hi; };
        if (episode == 2 && scene == 2) {
            if (in(389, 392)) raise(softstep_sfx);
            if (in(421, 424)) raise(hardstep_sfx);
        }
        if (episode == 2 && scene == 1) {
            if (in(16, 31) || in(421, 424)) raise(mudstep_sfx);
            if (in(425, 428)) raise(grassstep_sfx);
            if (in(429, 430)) raise(hardstep_sfx);
        }
        if (scene == 0 || (episode == 2 && scene == 3)) {
            if (in(3, 4) || in(421, 424) || in(432, 436)) raise(grassstep_sfx);
            if (in(16, 31)) raise(mudstep_sfx);
        }
        if (Level == LVL_SUPPLIES || Level == LVL_BAY || Level == LVL_BOATYARD) {
            if (t <= 6 || t == 8 || t == 9 || in(416, 420)) raise(hardstep_sfx);
            else raise(grassstep_sfx);
        }
    }
    if (!raised) footstep_sfx = true;
}
