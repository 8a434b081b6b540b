// Weapon statistics: the six upgrade digits of player_inv_value1, the statistic ladders by
// family and model, the reload request and the weapon tooltip.
#include "hud/weapons.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "camp/camp.h"
#include "combat/combat.h"
#include "combat/firing.h"
#include "combat/upkeep.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/speech.h"
#include "platform/timer.h"

namespace {

enum family : int { F_NONE, F_RIFLE, F_SHOTGUN, F_MACHINE, F_PISTOL, F_GRENADE };

// The statistic ladders of one weapon model: the value at each upgrade level. A row with
// fewer levels (fire interval of long guns, every row but firepower of grenades) keeps its
// count in n_*.
struct ladder {
    family fam;
    int model;
    int firepower[6];
    int firerate[3];
    int n_firerate;
    int reload[3];
    int n_reload;
    int capacity[6];
    int n_capacity;
};

constexpr ladder ladders[] = {
    {F_RIFLE, 0, {40, 50, 60, 80, 100, 120}, {970, 540}, 2, {2870, 1900, 1500}, 3, {6, 8, 10, 12, 14, 16}, 6},
    {F_RIFLE, 1, {70, 80, 90, 110, 130, 150}, {1430, 1030}, 2, {2330, 1900, 1330}, 3, {10, 12, 14, 17, 20, 24}, 6},
    {F_SHOTGUN, 0, {40, 45, 50, 55, 60, 65}, {830, 630}, 2, {2930, 2330, 1500}, 3, {6, 8, 10, 12, 15, 18}, 6},
    {F_SHOTGUN, 1, {50, 55, 60, 65, 70, 80}, {630, 430}, 2, {3030, 2430, 1500}, 3, {7, 9, 11, 13, 15, 20}, 6},
    {F_MACHINE, 0, {6, 7, 8, 9, 10, 12}, {130, 120}, 2, {2370, 2029, 1570}, 3, {30, 50, 70, 90, 120, 150}, 6},
    {F_PISTOL, 0, {10, 14, 18, 20, 24, 30}, {400, 340, 300}, 3, {1730, 1330, 670}, 3, {10, 12, 14, 16, 20, 24}, 6},
    {F_PISTOL, 1, {14, 17, 20, 24, 28, 35}, {430, 360, 330}, 3, {2370, 2200, 1670}, 3, {12, 14, 16, 20, 24, 30}, 6},
    {F_PISTOL, 2, {16, 18, 20, 23, 27, 30}, {470, 400, 270}, 3, {1700, 1470, 830}, 3, {15, 18, 21, 25, 30, 35}, 6},
    {F_PISTOL, 3, {9, 11, 13, 15, 17, 19}, {470, 400, 330}, 3, {1700, 1470, 830}, 3, {10, 13, 16, 20, 24, 28}, 6},
    {F_PISTOL, 4, {20, 24, 26, 32, 36, 40}, {570, 430, 330}, 3, {2029, 1330, 870}, 3, {12, 16, 20, 24, 28, 36}, 6},
    // Grenades: a firepower row only, selected by a slot value of 0.
    {F_GRENADE, 0, {130, 160, 200, 240, 300, 350}, {}, 0, {}, 0, {}, 0},
};

// Model names shown in the inventory tooltip, by family and model.
constexpr const char* rifle_names[] = {"ENFIELD", "HUNTER", "MAUSER", "MAUSER-K"};
constexpr const char* shotgun_names[] = {"FARMERS", "COMBAT"};
constexpr const char* machine_names[] = {"MACHINE"};
constexpr const char* pistol_names[] = {"WESTON", "LUGER", "COLT", "COLT-K", "COLT"};

constexpr int powers[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

family Family_Of(int code) {
    if (code == GRENADE || code == GRENADE_EQUIPPED) return F_GRENADE;
    if (code >= SLOT_MACHINEGUN_LEFT && code <= MACHINEGUN_EQUIPPED) return F_MACHINE;
    if (code >= SLOT_SHOTGUN_LEFT && code <= SHOTGUN_EQUIPPED) return F_SHOTGUN;
    if (code >= SLOT_RIFLE_LEFT && code <= RIFLE_EQUIPPED) return F_RIFLE;
    if (code == SLOT_PISTOL || code == PISTOL_EQUIPPED) return F_PISTOL;
    return F_NONE;
}

const ladder* Ladder_Of(int slot) {
    const family f = Family_Of(player_inv[slot]);
    for (const ladder& l : ladders)
        if (l.fam == f && l.model == player_inv_value[slot]) return &l;
    return nullptr;
}

// The rung of a row for a digit; a digit beyond the row's top (never written by the upgrade
// screen) counts as the top rung, a negative one as the bottom.
int Rung(const int* row, int n, int digit) {
    if (digit < 0) digit = 0;
    if (digit >= n) digit = n - 1;
    return row[digit];
}

// Highest levels of the six upgrade rows, by family and model.
int Top_Level(family f, int model, int position) {
    switch (position) {
        case 1: return 5;
        case 2: return f == F_PISTOL ? 2 : 1;
        case 3: return 2;
        case 4: return 5;
        case 5: return 1;
        default: return (f == F_PISTOL && model == 3) ? 2 : 1;
    }
}

const char* Model_Name(int slot) {
    const int m = player_inv_value[slot];
    switch (Family_Of(player_inv[slot])) {
        case F_RIFLE: return (m >= 0 && m < 4) ? rifle_names[m] : "";
        case F_SHOTGUN: return (m >= 0 && m < 2) ? shotgun_names[m] : "";
        case F_MACHINE: return m == 0 ? machine_names[0] : "";
        case F_PISTOL: return (m >= 0 && m < 5) ? pistol_names[m] : "";
        default: return "";
    }
}

// Appends formatted text to a text slot, never past its 1024 bytes.
void Append(int t, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(int t, const char* format, ...) {
    char* word = counter[t].word;
    const std::size_t used = strnlen(word, sizeof counter[t].word);
    if (used + 1 >= sizeof counter[t].word) return;
    va_list args;
    va_start(args, format);
    vsnprintf(word + used, sizeof counter[t].word - used, format, args);
    va_end(args);
}

// One upgrade row of the shop text: icon, a mark per level bought, to buy and beyond reach.
void Append_Levels(int t, const char* icon, int bought, int top) {
    Append(t, "^%s:", icon);
    if (bought < 0) bought = 0;
    for (int k = 0; k < bought && k < 5; ++k) Append(t, "\xED");
    for (int k = bought; k < top; ++k) Append(t, "\xF1");
    for (int k = (bought > top ? bought : top); k < 5; ++k) Append(t, "\xC1");
}

bool Player_Present() { return Valid_Sprite(p1_id); }

} // namespace

int Get_Bit_Shift(int slot, int position) {
    if (!Valid_Slot(slot)) return 0;
    return Get_Bit_Shift_Int(player_inv_value1[slot], position);
}

void Bit_Shift(int slot, int position, int digit) {
    if (!Valid_Slot(slot)) return;
    player_inv_value1[slot] = Bit_Shift_Int(player_inv_value1[slot], position, digit);
}

int Get_Bit_Shift_Int(int number, int position) {
    if (position < 1 || position > 10) return 0;
    return (number / powers[position - 1]) % 10;
}

int Bit_Shift_Int(int number, int position, int digit) {
    if (position < 1 || position > 10) return number;
    const long long p = powers[position - 1];
    const long long r = (long long)number - Get_Bit_Shift_Int(number, position) * p + (long long)digit * p;
    return (int)r;
}

int Give_Special() { return Bit_Shift_Int(0, 6, 1); }

float Get_Weapon_Stats(int slot, int k) {
    if (!Valid_Slot(slot)) return 0.0f;
    const ladder* l = Ladder_Of(slot);
    if (l == nullptr) return 0.0f;
    const int fp = Rung(l->firepower, 6, Get_Bit_Shift(slot, 1));
    const int special = Get_Bit_Shift(slot, 5), super = Get_Bit_Shift(slot, 6);
    const bool has_rows = l->n_firerate > 0;
    const int fr = has_rows ? Rung(l->firerate, l->n_firerate, Get_Bit_Shift(slot, 2)) : 0;
    const int rl = has_rows ? Rung(l->reload, l->n_reload, Get_Bit_Shift(slot, 3)) : 0;
    const int cap = has_rows ? Rung(l->capacity, l->n_capacity, Get_Bit_Shift(slot, 4)) : 0;
    switch (k) {
        case 0:
            GUN_FIREPOWER = fp;
            if (has_rows) {
                GUN_FIRERATE = fr;
                GUN_RELOAD = rl;
                GUN_CAPACITY = cap;
            }
            GUN_SPECIAL = special;
            GUN_SPECIAL2 = super;
            return 0.0f;
        case 1: return (float)fp;
        case 2: return (float)fr;
        case 3: return (float)rl;
        case 4: return (float)cap;
        case 5: return (float)special;
        case 6: return (float)super;
        default: return 0.0f;
    }
}

void Reload_Gun() {
    Trace_Call("Reload_Gun");
    if (!Player_Present() || game_mode != gmode::walk || !hud_corner || current_weapon == -1 || ply_dead ||
        lock_player)
        return;
    if (!Valid_Slot(current_weapon)) return; // a slot index from nowhere equips nothing
    const int code = player_inv[current_weapon];
    object& p = sprite[p1_id];

    if (Is_Grenade_Code(code)) { // reloading grenades puts them away
        current_weapon = -1;
        p.id = 15;
        return;
    }

    int ammo = 0;
    switch (Family_Of(code)) {
        case F_RIFLE: weapon_type = RIFLE; ammo = RIFLE_AMMO; break;
        case F_SHOTGUN: weapon_type = SHOTGUN; ammo = SHELLS; break;
        case F_MACHINE: weapon_type = MACHINEGUN; ammo = BULLETS; break;
        case F_PISTOL: weapon_type = PISTOL; ammo = PISTOL_AMMO; break;
        default: return; // no weapon in the slot: nothing to reload
    }

    bool may = false;
    for (int i = 0; i < 16 && !may; ++i) may = player_inv[i] == ammo;
    const int model = player_inv_value[current_weapon];
    if (has_unlimited && weapon_type == PISTOL && (model == 0 || model == 4)) may = true;

    if (!may) {
        click_sfx = true;
        Display_Message(p1_id, MSG_OUTAMMO);
        if (!mouseright) mouseleft = mouseheld = false;
        return;
    }

    if (!reloading) {
        reloading = true;
        switched_weapon = false;
        next_weapon = 101;
        const int now = Now();
        const bool full = player_inv_value2[current_weapon] >= GUN_CAPACITY;
        ply_reload_timer = now + ((full || party_power) ? 200 : GUN_RELOAD);
        next_weapon_timer = ply_reload_timer;
    }
    // A reload request stops the player's shot, whether or not a reload was already running.
    if (player_type == 0) {
        if (p.status == STATUS_FIRING || p.status == STATUS_KNIFE) ShotIdle(p1_id);
        p.anim_state = 0;
        p.update = true;
        p.fire_target = -1;
    }
    if (ply_dead) reloading = false;
}

void Calculate_Weapon_Text(int slot, int t) {
    if (!Valid_Slot(slot) || t < 0 || t >= TEXT_SLOTS) return;
    const family f = Family_Of(player_inv[slot]);
    const int model = player_inv_value[slot];
    const bool show_super = (f == F_SHOTGUN || f == F_MACHINE || f == F_PISTOL) && Check_For_Super(slot);

    const float fp = Get_Weapon_Stats(slot, 1), fr = Get_Weapon_Stats(slot, 2);
    const float rl = Get_Weapon_Stats(slot, 3), cap = Get_Weapon_Stats(slot, 4);
    const int special = (int)Get_Weapon_Stats(slot, 5), super = (int)Get_Weapon_Stats(slot, 6);

    counter[t].length = 4;
    if (t == 5) {
        std::snprintf(counter[t].word, sizeof counter[t].word, "%s", Model_Name(slot));
        Append(t, "^\xEE\xE7:+%0.1f^\xBA\xD1:+%0.2f", fp / 10.0f, fr / 1000.0f);
        Append(t, "^\xC8\xD6:+%0.2f^\xBF\xFA:+%0.0f", rl / 1000.0f, cap);
        Message_Limits();
        return;
    }

    // The shop and upgrade panels: the long text goes to text slot 2.
    const int s = 2;
    Append_Levels(s, "\xEE\xE7", Get_Bit_Shift(slot, 1), Top_Level(f, model, 1));
    Append(s, "_+%0.1f", fp / 10.0f);
    Append_Levels(s, "\xBA\xD1", Get_Bit_Shift(slot, 2), Top_Level(f, model, 2));
    Append(s, "_+%0.2f", fr / 1000.0f);
    Append_Levels(s, "\xC8\xD6", Get_Bit_Shift(slot, 3), Top_Level(f, model, 3));
    Append(s, "_+%0.2f", rl / 1000.0f);
    Append_Levels(s, "\xBF\xFA", Get_Bit_Shift(slot, 4), Top_Level(f, model, 4));
    Append(s, "_+%0.0f", cap);
    Append_Levels(s, "\xDA\xD3", Get_Bit_Shift(slot, 5), Top_Level(f, model, 5));
    Append(s, "_+%i", special);
    if (show_super) {
        Append_Levels(s, "\xDA\xD3", Get_Bit_Shift(slot, 6), Top_Level(f, model, 6));
        Append(s, "_+%i", super);
    }
}
