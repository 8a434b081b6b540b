// The 16 inventory slots: putting items in (stacks, long guns in two slots, food eaten at
// once), taking them out, testing for them, the values and ground animations of new ground
// items, and collecting a ground item when the player reaches it.
#include "hud/inventory.h"

#include <cstdlib>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/derived_state.h"
#include "hud/gauges.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "hud/weapons.h"
#include "platform/timer.h"
#include "world/effects.h"
#include "world/turning.h"

namespace {

// One pickup code: the slot code it is stored under (0: never stored), its stack cap
// (0: never merges) and whether it takes effect at once instead of being stored.
struct pickup_row {
    int code;
    int slot;
    int cap;
    bool instant;
};

constexpr pickup_row pickup_table[] = {
    {GOLD, GOLD, GOLD_CAP, false},
    {RIFLE_AMMO, RIFLE_AMMO, 50, false},
    {CAN_O_BEANS, CAN_O_BEANS, 0, false},
    {CAN_O_BEANS_INSTANT, 0, 0, true},
    {RIFLE, SLOT_RIFLE_LEFT, 0, false},
    {PISTOL, SLOT_PISTOL, 0, false},
    {PISTOL_AMMO, PISTOL_AMMO, 120, false},
    {HELMET, SLOT_HELMET, 0, false},
    {BOXERS, SLOT_BOXERS, 0, false},
    {MEDAL, SLOT_MEDAL, 0, false},
    {APPLE, 0, 0, true},
    {BOOK, BOOK, 0, false},
    {FISH, FISH, 0, false},
    {WATCH, WATCH, 0, false},
    {STICK_GRENADE, GRENADE, 12, false},
    {VALUABLE, VALUABLE, 0, false},
    {SHOTGUN, SLOT_SHOTGUN_LEFT, 0, false},
    {SHELLS, SHELLS, 80, false},
    {MACHINEGUN, SLOT_MACHINEGUN_LEFT, 0, false},
    {BULLETS, BULLETS, 200, false},
    {CARD, CARD, 0, false},
    {GOLD_APPLE, 0, 0, true},
    {GUN_PARTS, 0, 0, false},
    {BREAD, 0, 0, true},
};

const pickup_row* Find_Pickup(int code) {
    for (const pickup_row& r : pickup_table)
        if (r.code == code) return &r;
    return nullptr;
}

// Values of new ground items that do not depend on the rank or on chance.
struct generated_value {
    int code;
    int value;
};
constexpr generated_value fixed_values[] = {
    {RIFLE_AMMO, 1}, {CAN_O_BEANS, 25}, {CAN_O_BEANS_INSTANT, 60}, {PISTOL_AMMO, 6},
    {APPLE, 15},     {BOOK, 75},        {FISH, 10},                {WATCH, 0},
    {STICK_GRENADE, 1}, {VALUABLE, 1},  {SHELLS, 2},               {MACHINEGUN, 0},
    {BULLETS, 10},   {GOLD_APPLE, 5},   {GUN_PARTS, 1},            {BREAD, 30},
};

// Ground animations that depend on the code only.
constexpr generated_value fixed_anims[] = {
    {GOLD, 13},        {RIFLE_AMMO, 16}, {CAN_O_BEANS, 17}, {CAN_O_BEANS_INSTANT, 17},
    {PISTOL_AMMO, 21}, {APPLE, 6},       {FISH, 27},        {STICK_GRENADE, 38},
    {MEDAL, 5},        {SHELLS, 31},     {BULLETS, 9},      {CARD, 45},
    {GOLD_APPLE, 48},  {GUN_PARTS, 57},  {BREAD, 61},
};

// Ground animation of a valuable by kind 0..30.
constexpr int valuable_anims[31] = {
    41, 41, 41, 46, 49, 50, 51, 52, 53, 66, 67, 24, // 0..11
    68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, // 12..28: kind + 56
    41, 55, // 29 fire vest, 30 gas mask
};

template <std::size_t N>
int Look_Up(const generated_value (&table)[N], int code, int fallback) {
    for (const generated_value& g : table)
        if (g.code == code) return g.value;
    return fallback;
}

int Model_Of(int rank, int models) { return (rank >= 1 && rank <= models) ? rank - 1 : 0; }

bool Player_Present() { return Valid_Sprite(p1_id); }

bool Ground_Index(int index) { return Fx != nullptr && index >= 0 && index < no_fx && index < MAX_FX; }

bool Slot_Matches(int i, int code, int value, int value1) {
    return player_inv[i] == code && (value == -1 || player_inv_value[i] == value) &&
           (value1 == -1 || player_inv_value1[i] == value1);
}

void Clear_Slot(int i) {
    player_inv[i] = player_inv_value[i] = player_inv_value1[i] = player_inv_value2[i] = 0;
}

// Fills an empty slot with an item. The slot's values are written, not added to, so stale
// values left in an emptied slot never leak into the new item.
void Store(int i, int code, int value, int value1, int value2) {
    player_inv[i] = code;
    player_inv_value[i] = value;
    player_inv_value1[i] = value1;
    player_inv_value2[i] = value2;
}

// Rounds loaded of a weapon taken with value2 -1: its magazine capacity.
int Loaded_Rounds(int slot, int value2) {
    return value2 == -1 ? (int)Get_Weapon_Stats(slot, 4) : value2;
}

// Food and the golden apple: they act at once and never enter a slot.
void Use_Instant(int code) {
    switch (code) {
        case CAN_O_BEANS_INSTANT:
            Calculate_Health(60);
            beans_sfx = true;
            break;
        case APPLE:
            Calculate_Health(15);
            apple_sfx = true;
            break;
        case BREAD:
            Calculate_Health(30);
            apple_sfx = true;
            break;
        case GOLD_APPLE:
            if (p1_id != -1) Display_Message(p1_id, MSG_GOLDAPPLE);
            Calculate_Stats();
            apple_sfx = true;
            break;
        default: break;
    }
    Calculate_Lifebar();
}

// Stacks of a capped code: the remaining amount goes onto existing stacks in slot order.
// Returns true when the item counts as taken; `remaining` keeps what is left over.
bool Fill_Stacks(const pickup_row& row, int& remaining) {
    for (int i = 0; i < 16; ++i) {
        const bool family = row.code == STICK_GRENADE ? Is_Grenade_Code(player_inv[i])
                                                      : player_inv[i] == row.code;
        if (!family) continue;
        if (row.code == STICK_GRENADE) player_inv[i] = GRENADE;
        int& value = player_inv_value[i];
        if (value >= row.cap) continue;
        const int room = row.cap - value; // no overflow: value < cap
        if (remaining <= room) {
            value += remaining;
            remaining = 0;
            return true;
        }
        value = row.cap;
        remaining -= room;
        if (row.code == GOLD) return true; // gold counts as taken; the rest seeks a free slot
    }
    return false;
}

// A long gun takes the first pair of empty slots side by side in one row.
bool Store_Long_Gun(const pickup_row& row, int amount, int value1, int value2) {
    for (int i = 0; i < 16; ++i) {
        if (i % 4 == 3) continue; // a last column has no right neighbour in its row
        if (player_inv[i] != 0 || player_inv[i + 1] != 0) continue;
        if (value1 == -1) value1 = Give_Special();
        Store(i, row.slot, amount, value1, value2);
        Store(i + 1, row.slot + 1, amount, value1, value2);
        const int loaded = Loaded_Rounds(i, value2);
        player_inv_value2[i] = player_inv_value2[i + 1] = loaded;
        return true;
    }
    return false;
}

int First_Empty_Slot() {
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == 0) return i;
    return -1;
}

} // namespace

int Slot_Code_Of(int pickup_code) {
    const pickup_row* row = Find_Pickup(pickup_code);
    return row ? row->slot : 0;
}

int Stack_Cap_Of(int pickup_code) {
    const pickup_row* row = Find_Pickup(pickup_code);
    return row ? row->cap : 0;
}

bool Calculate_Item(int amount, int i_type, int index, int i_value1, int i_value2) {
    const pickup_row* row = Find_Pickup(i_type);
    if (row == nullptr) return false; // no such item: nothing is stored
    const bool ground = Ground_Index(index);
    const bool walk = game_mode == gmode::walk;

    bool taken = false;
    int remaining = amount;

    if (row->instant) {
        Use_Instant(i_type);
        if (ground) Fx[index].turn_off = true;
        ply_pickup_target = -1;
        if (walk && episode != 1) Calculate_Inventory();
        return true;
    }

    if (i_type == GUN_PARTS) {
        current_scrap += amount;
        if (ground) Fx[index].turn_off = true;
        ply_pickup_target = -1;
        switch_sfx = true;
        taken = true;
        remaining = 0;
    } else {
        if (row->cap > 0) taken = Fill_Stacks(*row, remaining);

        if (remaining != 0 || !taken) {
            if (i_type == RIFLE || i_type == SHOTGUN || i_type == MACHINEGUN) {
                if (Store_Long_Gun(*row, amount, i_value1, i_value2)) {
                    taken = true;
                    remaining = 0;
                }
            } else if (i_type == PISTOL) {
                const int i = First_Empty_Slot();
                if (i != -1) {
                    Store(i, SLOT_PISTOL, amount, i_value1 == -1 ? Give_Special() : i_value1, i_value2);
                    player_inv_value2[i] = Loaded_Rounds(i, i_value2);
                    taken = true;
                    remaining = 0;
                }
            } else if (i_type == CAN_O_BEANS) {
                const int i = First_Empty_Slot();
                if (i != -1) {
                    Store(i, CAN_O_BEANS, 25, 0, 0);
                    taken = true;
                    remaining = 0;
                }
            } else {
                // The first free slot takes the whole remaining amount, whatever the cap:
                // caps only bound merging into a stack that already exists.
                const int i = First_Empty_Slot();
                if (i != -1) {
                    Store(i, row->slot, remaining, i_value1, i_value2);
                    if (i_type == GOLD) current_gold = i;
                    taken = true;
                    remaining = 0;
                }
                // Gold that filled its stack counts as taken even when the rest finds no slot.
            }
        }
    }

    // The ground item is switched off once taken, or keeps what was left over, in every
    // mode, so nothing is counted twice; the feedback is for walk scenes.
    if (ground) {
        object& item = Fx[index];
        if (taken) item.turn_off = true;
        else if (remaining != amount) item.value = remaining;
    }
    if (walk && ground) {
        object& item = Fx[index];
        if (taken) {
            ply_pickup_target = -1;
            if (i_type == GOLD) coins1_sfx = true;
            else switch_sfx = true;
            const object it = item; // New_FX appends after the last record
            New_FX({.x = it.x + it.width / 4, .y = it.y + it.height / 4, .w = it.w, .z = it.z, .anim = 3,
                    .anim_state = 1, .box_width = it.box_width, .box_height = it.box_height, .width = it.width / 2,
                    .height = it.height / 2, .priority = 3, .type = GFX, .linked_sprite = index, .tex_id = 27});
        } else {
            if (Player_Present()) Display_Message(p1_id, INVFULL);
            if (remaining != amount) switch_sfx = true;
        }
    }

    if (walk && episode != 1) Calculate_Inventory();
    return taken;
}

void Remove_Item(int code, int value, int value1, bool remove_all) {
    for (int i = 0; i < 16; ++i) {
        if (!Slot_Matches(i, code, value, value1)) continue;
        Clear_Slot(i);
        if (!remove_all) break;
    }
    if (game_mode == gmode::walk) Calculate_Inventory();
}

bool Has_This_Item(int code, int value) {
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == code && player_inv_value[i] == value) return true;
    return false;
}

int Get_Number_Of_Item(int code, int value, int value1, bool /*flag*/) {
    int n = 0;
    for (int i = 0; i < 16; ++i)
        if (Slot_Matches(i, code, value, value1)) ++n;
    return n;
}

int Generate_Item(int code, int type) {
    switch (code) {
        case GOLD: return PLY_GOLD_PERCENT != 0 ? 250 + 250 * PLY_GOLD_PERCENT / 100 : 250;
        case RIFLE: return Model_Of(type, 4);
        case PISTOL: return Model_Of(type, 5);
        case SHOTGUN: return Model_Of(type, 2);
        case MEDAL: return rand() % 5 + type;
        case CARD: return rand() % 12;
        default: return Look_Up(fixed_values, code, 0);
    }
}

int Calculate_Anim(int i_type, int i_value, int i_value1) {
    switch (i_type) {
        case BOOK: return i_value1 > 0 ? 40 : 24;
        case WATCH:
            switch (i_value) {
                case 0: return 55;
                case 1: return 34;
                case 2: return 56;
                default: return 24;
            }
        case RIFLE:
            if (i_value == 0) return 19;
            return (i_value >= 1 && i_value <= 3) ? 8 : 0;
        case PISTOL:
            switch (i_value) {
                case 0: return 20;
                case 1: return 42;
                case 2: case 3: return 7;
                case 4: return 60;
                default: return 0;
            }
        case SHOTGUN: return i_value == 0 ? 43 : i_value == 1 ? 44 : 0;
        case MACHINEGUN: return i_value == 0 ? 33 : 0;
        case HELMET:
            switch (i_value) {
                case 0: case 1: case 3: return 22;
                case 2: return 62;
                case 4: case 5: return 25;
                default: return 0;
            }
        case BOXERS:
            if (i_value >= 0 && i_value <= 4) return 4;
            return i_value == 5 ? 26 : 0;
        case VALUABLE:
            if (i_value <= 2) return 41;
            return i_value <= 30 ? valuable_anims[i_value] : 0;
        default: return Look_Up(fixed_anims, i_type, 0);
    }
}

void PickUp_Sfx(int code) {
    Trace_Call("PickUp_Sfx");
    if (code == GOLD || code == GUN_PARTS) coins_sfx = true;
    else if (Is_Medal_Code(code)) medal_sfx = true;
    else mgun_sfx = true;
}

void Pickup_Check(int unit, int item, int c) {
    Trace_Call("Pickup_Check");
    if (!Ground_Index(item) || sprite == nullptr || unit < 0 || unit >= MAX_SPRITES) return;
    const object& e = Fx[item];
    if (e.turn_off || e.type != PKU) return;
    const float reach = c == -1 ? 0.125f : 0.2f;
    const object& u = sprite[unit];
    const float d = Node_Distance1(u.w + u.box_width / 2, u.z + u.box_height / 2, e.x + 0.05f, e.y + 0.05f);
    if (d > reach) return;

    Calculate_Item(e.value, e.item_type, item, e.value1, e.value2);
    if (ply_pickup_target == -1 && flash_on == FX_ID_BASE + item) flash_on = -1;
    if (p1_id != -1 && ply_pickup_target == -1) {
        bump_player = true;
        bump_player_timer = Now() + 100;
        mouseleft = false;
    }
}
