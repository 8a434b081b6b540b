#include "camp/shop_picture.h"

#include <cstdio>

#include "camp/shop_stock.h"
#include "camp/shop_texts.h"
#include "common/records.h"
#include "common/world_state.h"
#include "hud/inventory.h"
#include "hud/weapons.h"
#include "platform/timer.h"
#include "world/animate.h"

namespace {

constexpr int DESCRIPTION_SLOT = 2;
constexpr int BUY_MODE = 0;
// How long a row's picture holds back the mode's hint picture.
constexpr int PICTURE_HOLD_MS = 10;
// The count in First Aid's buy text.
constexpr int FIRST_AID_COUNT = 25;
constexpr int FURNITURE_PICTURE = 15;
constexpr int SCRATCH_SIZE = 128;

enum description_kind : int {
    WEAPON,      // stat block: for sale in buy mode, the carried weapon's otherwise
    WEARABLE,    // defense block: for sale in buy mode, the carried item's otherwise
    AMMUNITION,  // fixed text in buy mode, the slot's count (%i) otherwise
    FIRST_AID,   // the count for sale (%i) in buy mode, a fixed text otherwise
    FIXED,       // one text in every mode
};

// A good or carried item: its picture (an animation of the picture sprite) and description.
struct picture_entry {
    int code;
    int picture;
    description_kind kind;
    const char* buy_text;
    const char* held_text;
};

constexpr picture_entry pictures[] = {
    // Weapons
    {6, 1, WEAPON, nullptr, nullptr},    // Weston Pistol
    {2, 2, WEAPON, nullptr, nullptr},    // Farmers Shotgun
    {3, 3, WEAPON, nullptr, nullptr},    // Thompson Machinegun
    {67, 4, WEAPON, nullptr, nullptr},   // Luger Pistol
    {1, 5, WEAPON, nullptr, nullptr},    // Enfield Rifle
    {161, 25, WEAPON, nullptr, nullptr}, // Colt Pistol
    {110, 29, WEAPON, nullptr, nullptr}, // Combat Shotgun
    // Helmets and boxers
    {176, 26, WEARABLE, nullptr, nullptr},
    {184, 26, WEARABLE, nullptr, nullptr},
    {185, 28, WEARABLE, nullptr, nullptr},  // Trench Cap
    {186, 26, WEARABLE, nullptr, nullptr},
    {187, 26, WEARABLE, nullptr, nullptr},
    {188, 27, WEARABLE, nullptr, nullptr},
    {196, 27, WEARABLE, nullptr, nullptr},
    {197, 27, WEARABLE, nullptr, nullptr},
    {198, 27, WEARABLE, nullptr, nullptr},
    {199, 27, WEARABLE, nullptr, nullptr},
    // Ammunition, grenades and First Aid; valuables and collectibles; furniture
    {10, 10, AMMUNITION, "^25xShotgun^shells_for_use^with_a_shotgun.", "^%ixShotgun^shells_for_use^with_a_shotgun."},
    {11, 11, AMMUNITION, "^150xMachinegun^rounds_for_use^with_a^machinegun.", "^%ixMachinegun^rounds_for_use^with_a^machinegun."},
    {9, 12, AMMUNITION, "^50xSmall-arm^rounds_for_use^with_a_pistol.", "^%ixSmall-arm^rounds_for_use^with_a_pistol."},
    {8, 13, AMMUNITION, "^10xSniper^rounds_for_use^with_a_sniper^rifle.", "^%ixSniper^rounds_for_use^with_a_sniper^rifle."},
    {7, 14, AMMUNITION, "^1xBlack_army^stick_grenade.", "^%ixBlack_army^stick_grenade."},
    {66, 21, FIRST_AID, "^First_aid^recovers_life^anywhere^x%i", "^First_aid^recovers_life^anywhere."},
    {148, 6, FIXED, "^A_lovely_silver^watch_still_ticking.", nullptr},
    {139, 7, FIXED, "^A_lovely_brass^watch_still_ticking.", nullptr},
    {149, 8, FIXED, "^A_lovely_gold^watch_still_ticking.", nullptr},
    {142, 9, FIXED, "^A_cigarette_card^not_worth_much^here.", nullptr},
    {141, 16, FIXED, "^A_golden_crown^fit_for_a_king!", nullptr},
    {144, 17, FIXED, "^A_precious^Emerald^worth_quite_alot.", nullptr},
    {145, 18, FIXED, "^A_precious^Ruby^worth_quite_alot.", nullptr},
    {146, 19, FIXED, "^A_precious^Diamond^worth_quite_alot.", nullptr},
    {233, 26, FIXED, "^Makes_the_wearer^Immune_against^fire!", nullptr},
    {234, 26, FIXED, "^Makes_the_wearer^Immune_against^fire!", nullptr},
    {235, 28, FIXED, "^Makes_the_wearer^Immune_against^gas!", nullptr},
    {236, 28, FIXED, "^Makes_the_wearer^Immune_against^gas!", nullptr},
    {143, FURNITURE_PICTURE, FIXED, "^Dirty_magazines^Good_for^decorating_a^tent!", nullptr},
    {147, FURNITURE_PICTURE, FIXED, "^A_smelly_sock^Good_for^decorating_a^tent!", nullptr},
    {210, FURNITURE_PICTURE, FIXED, "^A_lantern^Good_for^decorating_a^tent!", nullptr},
    {211, FURNITURE_PICTURE, FIXED, "^A_voodoo_doll^Good_for^decorating_a^tent!", nullptr},
    {212, FURNITURE_PICTURE, FIXED, "^Children_books^Good_for^decorating_a^tent!", nullptr},
    {213, FURNITURE_PICTURE, FIXED, "^An_ashtray^Good_for^decorating_a^tent!", nullptr},
    {214, FURNITURE_PICTURE, FIXED, "^A_rug^Good_for^decorating_a^tent!", nullptr},
    {215, FURNITURE_PICTURE, FIXED, "^A_chair^Good_for^decorating_a^tent!", nullptr},
    {216, FURNITURE_PICTURE, FIXED, "^A_diary^Good_for^decorating_a^tent!", nullptr},
    {217, FURNITURE_PICTURE, FIXED, "^Golf_Clubs^Good_for^decorating_a^tent!", nullptr},
    {230, FURNITURE_PICTURE, FIXED, "^Golf_Clubs^Good_for^decorating_a^tent!", nullptr},
    {218, FURNITURE_PICTURE, FIXED, "^A_painting^Good_for^decorating_a^tent!", nullptr},
    {219, FURNITURE_PICTURE, FIXED, "^A_Piggy_bank^Good_for^decorating_a^tent!", nullptr},
    {231, FURNITURE_PICTURE, FIXED, "^A_Piggy_bank^Good_for^decorating_a^tent!", nullptr},
    {220, FURNITURE_PICTURE, FIXED, "^A_Bible^Good_for^decorating_a^tent!", nullptr},
    {221, FURNITURE_PICTURE, FIXED, "^A_Flag^Good_for^decorating_a^tent!", nullptr},
    {232, FURNITURE_PICTURE, FIXED, "^A_Flag^Good_for^decorating_a^tent!", nullptr},
    {222, FURNITURE_PICTURE, FIXED, "^A_Bedpan^Good_for^decorating_a^tent!", nullptr},
    {223, FURNITURE_PICTURE, FIXED, "^Some_bog_roll^Good_for^decorating_a^tent!", nullptr},
    {224, FURNITURE_PICTURE, FIXED, "^A_china_plate^Good_for^decorating_a^tent!", nullptr},
    {225, FURNITURE_PICTURE, FIXED, "^A_tea_cup^Good_for^decorating_a^tent!", nullptr},
    {226, FURNITURE_PICTURE, FIXED, "^Hamlet&s_skull^Good_for^decorating_a^tent!", nullptr},
    {227, FURNITURE_PICTURE, FIXED, "^A_snuff_box^Good_for^decorating_a^tent!", nullptr},
    {228, FURNITURE_PICTURE, FIXED, "^A_toy_plane^Good_for^decorating_a^tent!", nullptr},
    {229, FURNITURE_PICTURE, FIXED, "^A_poster^Good_for^decorating_a^tent!", nullptr},
};

const picture_entry* Find_Picture(int code) {
    for (const picture_entry& e : pictures)
        if (e.code == code) return &e;
    return nullptr;
}

// The steps of an upgrade field: code first_code + k steps from values[k] to values[k + 1].
enum step_kind : int { FIRE_POWER, FIRE_RATE, DECREASE_RELOAD, INCREASE_RELOAD, CAPACITY, DEFENSE, HEALTH };

struct upgrade_steps {
    int first_code;
    step_kind kind;
    int n_values;
    float values[6];
};

constexpr upgrade_steps upgrade_ladders[] = {
    // Thompson Machinegun
    {12, FIRE_POWER, 6, {0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.2f}},
    {24, FIRE_RATE, 2, {0.13f, 0.12f}},
    {17, DECREASE_RELOAD, 3, {2.37f, 2.03f, 1.57f}},
    {19, CAPACITY, 6, {30, 50, 70, 90, 120, 150}},
    // Weston Pistol
    {25, FIRE_POWER, 6, {1.0f, 1.4f, 1.8f, 2.0f, 2.4f, 3.0f}},
    {30, FIRE_RATE, 3, {0.40f, 0.34f, 0.30f}},
    {32, DECREASE_RELOAD, 2, {1.73f, 1.33f}},
    {33, INCREASE_RELOAD, 2, {1.33f, 0.67f}},
    {34, CAPACITY, 6, {10, 12, 14, 16, 20, 24}},
    // Enfield Rifle
    {39, FIRE_POWER, 6, {4.0f, 5.0f, 6.0f, 8.0f, 10.0f, 12.0f}},
    {51, FIRE_RATE, 2, {0.97f, 0.54f}},
    {44, DECREASE_RELOAD, 3, {2.87f, 1.90f, 1.50f}},
    {46, CAPACITY, 6, {6, 8, 10, 12, 14, 16}},
    // Farmers Shotgun
    {52, FIRE_POWER, 6, {4.0f, 4.5f, 5.0f, 5.5f, 6.0f, 6.5f}},
    {64, FIRE_RATE, 2, {0.83f, 0.63f}},
    {57, DECREASE_RELOAD, 3, {2.93f, 2.33f, 1.50f}},
    {59, CAPACITY, 6, {6, 8, 10, 12, 15, 18}},
    // Luger Pistol
    {68, FIRE_POWER, 6, {1.4f, 1.7f, 2.0f, 2.4f, 2.8f, 3.5f}},
    {73, FIRE_RATE, 3, {0.43f, 0.36f, 0.33f}},
    {75, DECREASE_RELOAD, 3, {2.37f, 2.20f, 1.67f}},
    {77, CAPACITY, 6, {12, 14, 16, 20, 24, 30}},
    // Combat Shotgun: its own statistics, which its stat block shows beside the description
    {111, FIRE_POWER, 6, {5.0f, 5.5f, 6.0f, 6.5f, 7.0f, 8.0f}},
    {123, FIRE_RATE, 2, {0.63f, 0.43f}},
    {116, DECREASE_RELOAD, 3, {3.03f, 2.43f, 1.50f}},
    {118, CAPACITY, 6, {7, 9, 11, 13, 15, 20}},
    // Colt Pistol (161)
    {162, FIRE_POWER, 6, {2.0f, 2.4f, 2.6f, 3.2f, 3.6f, 4.0f}},
    {167, FIRE_RATE, 3, {0.57f, 0.43f, 0.33f}},
    {169, DECREASE_RELOAD, 2, {2.03f, 1.33f}},
    {170, INCREASE_RELOAD, 2, {1.33f, 0.87f}},
    {171, CAPACITY, 6, {12, 16, 20, 24, 28, 36}},
    // Helmets and boxers
    {177, DEFENSE, 6, {2.0f, 4.0f, 6.0f, 8.0f, 10.0f, 15.0f}},
    {189, HEALTH, 6, {5.0f, 10.0f, 15.0f, 20.0f, 25.0f, 30.0f}},
};

struct upgrade_text {
    int code;
    const char* text;
};

// The weapons' special and super upgrades.
constexpr upgrade_text special_texts[] = {
    {150, "^Armour_Piercing^Bullets_go_through^armour."},
    {160, "^Armour_Piercing^Bullets_go_through^armour."},
    {200, "^Unlimited_Ammo^Never_need^ammunition^again!"},
    {209, "^Unlimited_Ammo^Never_need^ammunition^again!"},
    {151, "^Wide_Shot^Increase_spread^of_pellets_by^25" "\xC0" "!"},
    {157, "^Wide_Shot^Increase_spread^of_pellets_by^25" "\xC0" "!"},
    {201, "^Double_Barrel^Fires_two_rounds^instead_of_one."},
    {206, "^Double_Barrel^Fires_two_rounds^instead_of_one."},
    {158, "^Stock^Increases_accuracy^_75" "\xC0" "_to_95" "\xC0"},
    {207, "^Gun_Sight^Enables_headshots^and_footshots!"},
};

// The special of a helmet (183) or boxers (195), by the item's variant 0 to 4.
constexpr int HELMET_SPECIAL = 183;
constexpr int BOXERS_SPECIAL = 195;
constexpr const char* wearable_specials[5] = {
    "^Frag_Armour^Reduce_Explosive^Damage_by_25" "\xC0",
    "^Extra_Gold^Enemies_drop^10" "\xC0" "_extra_gold",
    "^Barbed_Armour^Enemies_take^Damage_when_attacking^at_close_range",
    "^Life_Armour^Increase_Life^by_15" "\xC0",
    "^Super_Armour^Increase_Defense^by_4.0",
};

bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

// Picture n: the picture sprite plays animation n once and the hint picture waits.
void Show_Picture(int picture) {
    Set_Sprite(SHOP_PICTURE_SPRITE, picture, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    shop_switch_timer = Now() + PICTURE_HOLD_MS;
}

void Describe_Item(const picture_entry& e, int i, int index, bool buying) {
    char text[SCRATCH_SIZE] = {};
    switch (e.kind) {
        case WEAPON:
            if (buying) Calculate_Weapon_Buy(index, -1);
            else Calculate_Weapon_Text(i, DESCRIPTION_SLOT);
            return;
        case WEARABLE:
            if (buying) Calculate_Item_Buy(index, i);
            else Calculate_Item_Txt(i, DESCRIPTION_SLOT);
            return;
        case AMMUNITION:
            if (buying) std::snprintf(text, sizeof text, "%s", e.buy_text);
            else if (Valid_Slot(i)) std::snprintf(text, sizeof text, e.held_text, player_inv_value[i]);
            break;
        case FIRST_AID:
            if (buying) std::snprintf(text, sizeof text, e.buy_text, FIRST_AID_COUNT);
            else std::snprintf(text, sizeof text, "%s", e.held_text);
            break;
        case FIXED:
            std::snprintf(text, sizeof text, "%s", e.buy_text);
            break;
    }
    Shop_Text_Append(DESCRIPTION_SLOT, text);
}

// The description of upgrade code `code` for the item in inventory slot i; false (and an
// empty text) for codes without one.
bool Describe_Upgrade(int code, int i, char* text, int size) {
    for (const upgrade_steps& u : upgrade_ladders) {
        const int k = code - u.first_code;
        if (k < 0 || k + 1 >= u.n_values) continue;
        const double from = u.values[k], to = u.values[k + 1];
        switch (u.kind) {
            case FIRE_POWER: std::snprintf(text, size, "^Increase_Fire_Power^_%0.1f_to_%0.1f", from, to); break;
            case FIRE_RATE: std::snprintf(text, size, "^Increase_Fire_Rate^_%0.2f_to_%0.2f", from, to); break;
            case DECREASE_RELOAD: std::snprintf(text, size, "^Decrease_Reload^_%0.2f_to_%0.2f", from, to); break;
            case INCREASE_RELOAD: std::snprintf(text, size, "^Increase_Reload^_%0.2f_to_%0.2f", from, to); break;
            case CAPACITY: std::snprintf(text, size, "^Increase_Capacity^_%i_to_%i", (int)from, (int)to); break;
            case DEFENSE: std::snprintf(text, size, "^Increase_Defense^_%0.1f_to_%0.1f", from, to); break;
            case HEALTH: std::snprintf(text, size, "^Increase_Health^_%0.1f_to_%0.1f", from, to); break;
        }
        return true;
    }
    for (const upgrade_text& s : special_texts) {
        if (s.code != code) continue;
        std::snprintf(text, size, "%s", s.text);
        return true;
    }
    if (code == HELMET_SPECIAL || code == BOXERS_SPECIAL) {
        if (!Valid_Slot(i)) return false;
        const int variant = player_inv_value[i];
        if (variant < 0 || variant > 4) return false;
        std::snprintf(text, size, "%s", wearable_specials[variant]);
        return true;
    }
    return false;
}

} // namespace

void Set_Display_Picture(int i, int index) {
    counter[DESCRIPTION_SLOT].word[0] = '\0';
    char scratch[SCRATCH_SIZE] = {};
    if (index < 0 || index >= SHOP_ROWS) return;

    const int code = shop[index];
    if (const picture_entry* e = Find_Picture(code)) {
        Show_Picture(e->picture);
        Describe_Item(*e, i, index, shop_sequence == BUY_MODE);
        return;
    }
    // An upgrade row: a description only; the picture stays as it was.
    if (Describe_Upgrade(code, i, scratch, sizeof scratch)) Shop_Text_Append(DESCRIPTION_SLOT, scratch);
}
