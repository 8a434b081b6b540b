#include "camp/upgrades.h"

#include <cstdio>
#include <cstring>

#include "camp/camp.h"        // Check_For_Super
#include "camp/shop_stock.h"  // shop
#include "common/world_state.h"
#include "hud/inventory.h"
#include "hud/weapons.h"

namespace {

// Field numbers: the digit positions of player_inv_value1.
constexpr int F_FIREPOWER = 1, F_FIRERATE = 2, F_RELOAD = 3, F_CAPACITY = 4, F_SPECIAL = 5, F_SUPER = 6;

struct upgrade_ladder {
    int family;          // slot code of the weapon's (first) slot: 10, 6, 33 or 38
    int model;           // player_inv_value
    int* gate;           // availability digits
    int first_code[7];   // by field 1..6 (index 0 unused): code of level 1
    int levels[7];       // by field: number of levels
    bool priced;         // false: never offered, worth nothing when sold
    int price[7][5];     // by field and level - 1
    const char* special_label;
    const char* super_label;
};

constexpr const char* SPECIAL_MACHINE = "-Stock...............";
constexpr const char* SPECIAL_PISTOL = "-Armour_Piercing.....";
constexpr const char* SPECIAL_RIFLE = "-????................";
constexpr const char* SPECIAL_SHOTGUN = "-Wide_Shot...........";
constexpr const char* SUPER_MACHINE = "-Gun_Sight...........";
constexpr const char* SUPER_PISTOL = "-Unlimited_Ammo......";
constexpr const char* SUPER_RIFLE = "-????................";
constexpr const char* SUPER_FARMERS = "-Double_Barrel.......";
constexpr const char* SUPER_COMBAT = "-Wide_Shot...........";

constexpr upgrade_ladder upgrade_ladders[] = {
    {SLOT_MACHINEGUN_LEFT, 0, &upg_thompson, {0, 12, 24, 17, 19, 158, 207}, {0, 5, 1, 2, 5, 1, 1}, true,
     {{}, {200, 250, 500, 1000, 1500}, {200}, {150, 200}, {200, 250, 500, 1000, 1500}, {1000}, {5000}},
     SPECIAL_MACHINE, SUPER_MACHINE},
    {SLOT_PISTOL, 0, &upg_weston, {0, 25, 30, 32, 34, 150, 200}, {0, 5, 2, 2, 5, 1, 1}, true,
     {{}, {200, 250, 500, 1000, 1500}, {150, 200}, {150, 200}, {200, 250, 500, 1000, 1500}, {1000}, {5000}},
     SPECIAL_PISTOL, SUPER_PISTOL},
    {SLOT_PISTOL, 1, &upg_luger, {0, 68, 73, 75, 77, 153, 202}, {0, 5, 2, 2, 5, 1, 1}, true,
     {{}, {250, 500, 1000, 1250, 1500}, {250, 500}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
     SPECIAL_PISTOL, SUPER_PISTOL},
    {SLOT_PISTOL, 2, &upg_colt, {0, 83, 88, 90, 92, 154, 203}, {0, 5, 2, 2, 5, 1, 1}, false, {},
     SPECIAL_PISTOL, SUPER_PISTOL},
    {SLOT_PISTOL, 3, &upg_coltk, {0, 125, 130, 132, 134, 159, 208}, {0, 5, 2, 2, 5, 1, 1}, false, {},
     SPECIAL_PISTOL, SUPER_PISTOL},
    {SLOT_PISTOL, 4, &upg_training, {0, 162, 167, 169, 171, 160, 209}, {0, 5, 2, 2, 5, 1, 1}, true,
     {{}, {250, 500, 1000, 1250, 1500}, {250, 500}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
     SPECIAL_PISTOL, SUPER_PISTOL},
    {SLOT_RIFLE_LEFT, 0, &upg_enfield, {0, 39, 51, 44, 46, 155, 204}, {0, 5, 1, 2, 5, 1, 1}, true,
     {{}, {250, 500, 750, 1000, 1500}, {250}, {250, 500}, {250, 500, 750, 1000, 1500}, {1000}, {5000}},
     SPECIAL_RIFLE, SUPER_RIFLE},
    {SLOT_RIFLE_LEFT, 1, &upg_hunter, {0, 97, 109, 102, 104, 156, 205}, {0, 5, 1, 2, 5, 1, 1}, false, {},
     SPECIAL_RIFLE, SUPER_RIFLE},
    {SLOT_SHOTGUN_LEFT, 0, &upg_farmers, {0, 52, 64, 57, 59, 151, 201}, {0, 5, 1, 2, 5, 1, 1}, true,
     {{}, {250, 500, 1000, 1250, 1500}, {200}, {200, 250}, {250, 500, 1000, 1250, 1500}, {1250}, {5000}},
     SPECIAL_SHOTGUN, SUPER_FARMERS},
    {SLOT_SHOTGUN_LEFT, 1, &upg_army, {0, 111, 123, 116, 118, 157, 206}, {0, 5, 1, 2, 5, 1, 1}, true,
     {{}, {250, 500, 1000, 1250, 1500}, {250}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
     SPECIAL_SHOTGUN, SUPER_COMBAT},
};

// The name and icon bytes of each weapon field's line.
constexpr const char* FIELD_NAME[7] = {"", "-Firepower", "-Firerate", "-Reloadtime", "-Capacity", "", ""};
constexpr const char* FIELD_ICONS[7] = {"", "\xEE\xE7", "\xBA\xD1", "\xC8\xD6", "\xBF\xFA", "\xDA\xD3", "\xDA\xD3"};
constexpr const char* COMPLETE = "-COMPLETE............";

// Wearables: the one ladder (levels 1..3) and the special.
constexpr int WEARABLE_TOP = 3;
constexpr int WEARABLE_PRICE[WEARABLE_TOP] = {200, 250, 500};
constexpr int WEARABLE_SPECIAL_PRICE = 1000;
constexpr int HELMET_FIRST_CODE = 177, HELMET_SPECIAL_CODE = 183;
constexpr int BOXERS_FIRST_CODE = 189, BOXERS_SPECIAL_CODE = 195;
constexpr const char* DEFENSE_ICONS = "\xCD\xF3";
constexpr const char* HEALTH_ICONS = "\xE1\xC9";
constexpr const char* WEARABLE_SPECIAL_ICONS = "\xDA\xD3";
constexpr int WEARABLE_VARIANTS = 5;
constexpr const char* WEARABLE_SPECIAL[WEARABLE_VARIANTS] = {
    "-Frag_Armour........", "-Extra_Gold.........", "-Barbed_Armour......", "-Life_Armour........",
    "-Super_Armour........"};

constexpr int NO_CODE = 0, NO_PRICE = -101;
constexpr int LABEL_SLOT = 0, LEVEL_SLOT = 11;

bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

// Appends to a text slot, never past the end of its word.
void Append_Text(int slot, const char* a, const char* b = "", const char* c = "") {
    char* word = counter[slot].word;
    const size_t size = sizeof counter[slot].word;
    const size_t used = strnlen(word, size);
    if (used + 1 >= size) return;
    std::snprintf(word + used, size - used, "%s%s%s", a, b, c);
}

void Append_Level(int level) {
    char text[16];
    std::snprintf(text, sizeof text, "^LVL%i", level);
    Append_Text(LEVEL_SLOT, text);
}

// The family slot code of a weapon in a slot (its first slot's code), 0 for no weapon.
int Weapon_Family(int code) {
    if (Is_Pistol_Code(code)) return SLOT_PISTOL;
    if (Is_Rifle_Code(code)) return SLOT_RIFLE_LEFT;
    if (Is_Shotgun_Code(code)) return SLOT_SHOTGUN_LEFT;
    if (Is_Machinegun_Code(code)) return SLOT_MACHINEGUN_LEFT;
    return 0;
}

const upgrade_ladder* Ladder_Of_Slot(int slot) {
    if (!Valid_Slot(slot)) return nullptr;
    const int family = Weapon_Family(player_inv[slot]);
    for (const upgrade_ladder& l : upgrade_ladders)
        if (l.family == family && l.model == player_inv_value[slot]) return &l;
    return nullptr;
}

// The ladder, field and level of a weapon upgrade code; false for any other code.
bool Find_Weapon_Code(int code, const upgrade_ladder*& ladder, int& field, int& level) {
    for (const upgrade_ladder& l : upgrade_ladders)
        for (int f = F_FIREPOWER; f <= F_SUPER; f++)
            if (code >= l.first_code[f] && code < l.first_code[f] + l.levels[f]) {
                ladder = &l;
                field = f;
                level = code - l.first_code[f] + 1;
                return true;
            }
    return false;
}

int Clamp_Level(int level, int top) { return level < 0 ? 0 : (level > top ? top : level); }

}  // namespace

int GetUpgrades(int page, int the_bit, int) {
    if (the_bit < F_FIREPOWER || the_bit > F_SUPER) return 0;
    int b = Get_Bit_Shift(page, the_bit);
    if (b < 0) b = 0;  // a damaged value counts as no level
    const bool s = the_bit == F_SUPER && Check_For_Super(page);
    const upgrade_ladder* l = Ladder_Of_Slot(page);
    // The unlocked level, never above the field's top level.
    const int c = l ? Clamp_Level(Get_Bit_Shift_Int(*l->gate, the_bit), l->levels[the_bit]) : 0;
    ishop = NO_CODE;
    ishop_cost = NO_PRICE;
    const char* icons = FIELD_ICONS[the_bit];
    if (the_bit <= F_CAPACITY) {
        // A level above the unlocked one shows as complete too, so every listed row has its line.
        if (b == c || (b > c && c > 0)) {
            Append_Text(LABEL_SLOT, "^", icons, COMPLETE);
            Append_Text(LEVEL_SLOT, "^");
        } else if (b < c) {
            Append_Text(LABEL_SLOT, "^", icons, FIELD_NAME[the_bit]);
            Append_Level(b + 1);
            ishop = l->first_code[the_bit] + b;
            ishop_cost = l->price[the_bit][b];
        }
        return c != 0 ? 1 : 0;
    }
    if (the_bit == F_SUPER && !s) return 0;
    if (b == 0 && c > 0) {
        Append_Text(LABEL_SLOT, "^", icons, the_bit == F_SPECIAL ? l->special_label : l->super_label);
        ishop = l->first_code[the_bit];
        ishop_cost = l->price[the_bit][0];
    } else if (b > 0) {
        Append_Text(LABEL_SLOT, "^", icons, COMPLETE);
    }
    return c != 0 ? 1 : 0;
}

int GetUpgradesItems(int page, int the_bit, int) {
    ishop = NO_CODE;
    ishop_cost = NO_PRICE;
    if (!Valid_Slot(page)) return 0;
    const int code = player_inv[page], variant = player_inv_value[page];
    const bool helmet = Is_Helmet_Code(code), boxers = Is_Boxers_Code(code);
    // Variants outside the five known ones have no ladder.
    if ((!helmet && !boxers) || variant < 0 || variant >= WEARABLE_VARIANTS) return 0;
    if (the_bit == 1) {
        const int b = player_inv_value1[page] < 0 ? 0 : player_inv_value1[page];
        const char* icons = helmet ? DEFENSE_ICONS : HEALTH_ICONS;
        if (b >= WEARABLE_TOP) {
            Append_Text(LEVEL_SLOT, "^");
            Append_Text(LABEL_SLOT, "^", icons, COMPLETE);
        } else {
            Append_Level(b + 1);
            Append_Text(LABEL_SLOT, "^", icons, helmet ? "-Defense" : "-Health");
            ishop = (helmet ? HELMET_FIRST_CODE : BOXERS_FIRST_CODE) + b;
            ishop_cost = WEARABLE_PRICE[b];
        }
        return 1;
    }
    if (the_bit == 2) {
        const int b = player_inv_value2[page];
        if (b <= 0) {
            Append_Text(LABEL_SLOT, "^", WEARABLE_SPECIAL_ICONS, WEARABLE_SPECIAL[variant]);
            ishop = helmet ? HELMET_SPECIAL_CODE : BOXERS_SPECIAL_CODE;
            ishop_cost = WEARABLE_SPECIAL_PRICE;
        } else {
            Append_Text(LABEL_SLOT, "^", WEARABLE_SPECIAL_ICONS, COMPLETE);
        }
        return 1;
    }
    return 0;
}

void Tune_Gun(int the_index) {
    if (the_index < 0 || the_index >= SHOP_ROWS) return;
    const int code = shop[the_index], s = tune_up_page;
    if (!Valid_Slot(s)) return;
    const int item = player_inv[s];
    // Wearables: the upgrade must belong to the kind of item in the slot.
    if (code >= HELMET_FIRST_CODE && code < HELMET_FIRST_CODE + WEARABLE_TOP) {
        if (Is_Helmet_Code(item)) player_inv_value1[s] = code - HELMET_FIRST_CODE + 1;
        return;
    }
    if (code >= BOXERS_FIRST_CODE && code < BOXERS_FIRST_CODE + WEARABLE_TOP) {
        if (Is_Boxers_Code(item)) player_inv_value1[s] = code - BOXERS_FIRST_CODE + 1;
        return;
    }
    if (code == HELMET_SPECIAL_CODE || code == BOXERS_SPECIAL_CODE) {
        if (code == HELMET_SPECIAL_CODE ? Is_Helmet_Code(item) : Is_Boxers_Code(item)) player_inv_value2[s] = 1;
        return;
    }
    const upgrade_ladder* l = nullptr;
    int field = 0, level = 0;
    if (!Find_Weapon_Code(code, l, field, level)) return;
    // Only the weapon model the ladder belongs to takes its upgrades.
    if (Ladder_Of_Slot(s) != l) return;
    Bit_Shift(s, field, level);
    if (l->family != SLOT_PISTOL && s + 1 < 16 && player_inv[s + 1] == l->family + 1) Bit_Shift(s + 1, field, level);
    if (code == 200) player_inv_value2[s] = 24;  // the Weston's super comes loaded
}

int GetUpgradeSell(int the_gun) {
    const upgrade_ladder* l = Ladder_Of_Slot(the_gun);
    if (l == nullptr || !l->priced) return 0;
    int sum = 0;
    for (int f = F_FIREPOWER; f <= F_SUPER; f++) {
        const int held = Clamp_Level(Get_Bit_Shift(the_gun, f), l->levels[f]);
        for (int k = 0; k < held; k++) sum += l->price[f][k];
    }
    return sum / 2;
}

bool Is_Upgrade_Code(int code) {
    const upgrade_ladder* l = nullptr;
    int field = 0, level = 0;
    if (Find_Weapon_Code(code, l, field, level)) return true;
    return (code >= HELMET_FIRST_CODE && code < HELMET_FIRST_CODE + WEARABLE_TOP) ||
           (code >= BOXERS_FIRST_CODE && code < BOXERS_FIRST_CODE + WEARABLE_TOP) || code == HELMET_SPECIAL_CODE ||
           code == BOXERS_SPECIAL_CODE;
}

bool Check_For_Super(int slot) {
    if (slot < 0 || slot >= 16) return false;
    const int code = player_inv[slot], model = player_inv_value[slot];
    int top_rate = 0;
    if ((code == 10 || code == 11) && model >= 0 && model <= 4) top_rate = 2;
    else if (code >= 33 && code <= 35 && model >= 0 && model <= 1) top_rate = 1;
    else if (code >= 38 && code <= 40 && model == 0) top_rate = 1;
    else if (code >= 6 && code <= 8 && model >= 0 && model <= 3) top_rate = 1;
    else return false;
    return Get_Bit_Shift(slot, 1) == 5 && Get_Bit_Shift(slot, 2) == top_rate &&
           Get_Bit_Shift(slot, 3) == 2 && Get_Bit_Shift(slot, 4) == 5 && Get_Bit_Shift(slot, 5) == 1;
}
