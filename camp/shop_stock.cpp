#include "camp/shop_stock.h"

#include <cstring>

#include "camp/camp.h"  // Check_For_Super
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"                 // player_rank
#include "hud/inventory.h"
#include "hud/weapons.h"

namespace {

constexpr shop_good shop_goods[] = {
    {1, "^Enfield Rifle............", "^Upgrade - Enfield Rifle", 1000, {{0, 5, -1, 0, -1}, {24, 2, -1, 24, -1}}, 2, 3},
    {2, "^Farmers Shotgun.........", "^Upgrade - Farmers Shotgun", 750, {{0, 32, -1, 0, -1}, {24, 36, -1, 24, -1}}, 2, 2},
    {3, "^Thompson Machinegun.....", "^Upgrade - Thompson Machinegun", 1000, {{0, 37, -1, 0, -1}, {150, 41, -1, 150, -1}}, 2, 4},
    {4, "^Hunter Rifle............", "^Upgrade - Hunter Rifle", 3500, {{1, 5, -1, 0, -1}, {24, 2, -1, 24, -1}}, 2, 3},
    // The Mauser Rifle has no price and is never stocked.
    {5, "^Mauser Rifle............", "^Upgrade - Mauser Rifle", 0, {{3, 5, -1, 0, -1}, {24, 2, -1, 24, -1}}, 2, 0},
    {6, "^Weston Pistol...........", "^Upgrade - Weston Pistol", 500, {{0, 9, -1, 0, -1}, {50, 13, -1, 24, -1}}, 2, 1},
    {7, "^Stick Grenade............", nullptr, 20, {{1, 28, -1, 1, 1}, {}}, 1, 0},
    {8, "^Rifle Ammo..............", nullptr, 30, {{10, 2, -1, 0, 1}, {}}, 1, 0},
    {9, "^Handgun Ammo............", nullptr, 50, {{50, 13, -1, 0, 1}, {}}, 1, 0},
    {10, "^Shotgun Shells..........", nullptr, 75, {{25, 36, -1, 0, 1}, {}}, 1, 0},
    {11, "^Machinegun Ammo.........", nullptr, 150, {{150, 41, -1, 0, 1}, {}}, 1, 0},
    {65, "^Ampuole.................", nullptr, 1000, {{0, 4, -1, 0, 1}, {}}, 1, 0},
    {66, "^First Aid...............", nullptr, 100, {{0, 3, -1, 0, 1}, {}}, 1, 0},
    {67, "^Luger Pistol...........", "^Upgrade - Luger Pistol", 1000, {{1, 9, -1, 0, -1}, {50, 13, -1, 24, -1}}, 2, 1},
    {82, "^Colt Pistol...........", "^Upgrade - Colt Pistol", 2200, {{2, 9, -1, 0, -1}, {50, 13, -1, 24, -1}}, 2, 0},
    {110, "^Combat Shotgun.........", "^Upgrade - Combat Shotgun", 1500, {{1, 32, -1, 0, -1}, {24, 36, -1, 24, -1}}, 2, 2},
    {124, "^Colt-K Pistol...........", "^Upgrade - Colt-K Pistol", 2400, {{3, 9, -1, 0, -1}, {50, 13, -1, 24, -1}}, 2, 0},
    {161, "^Colt Pistol............", "^Upgrade - Colt Pistol", 1500, {{4, 9, -1, 0, -1}, {50, 13, -1, 24, -1}}, 2, 0},
    {176, "^Fire Vest...............", "^Upgrade - Fire Vest", 400, {{0, 14, -1, 0, 0}, {}}, 1, 5},
    {184, "^Tin Hat of Gold.........", "^Upgrade - Tin Hat of Gold", 400, {{1, 14, -1, 0, 0}, {}}, 1, 5},
    {185, "^Trench Cap..............", "^Upgrade - Trench Cap", 400, {{2, 14, -1, 0, 0}, {}}, 1, 5},
    {186, "^Tin Hat of Life.........", "^Upgrade - Tin Hat of Life", 400, {{3, 14, -1, 0, 0}, {}}, 1, 5},
    {187, "^Tin Helmet..............", "^Upgrade - Tin Helmet", 450, {{4, 14, -1, 0, 0}, {}}, 1, 5},
    {188, "^Boxers of Fire..........", "^Upgrade - Boxers of Fire", 400, {{0, 17, -1, 0, 0}, {}}, 1, 0},
    {196, "^Boxers of Gold..........", "^Upgrade - Boxers of Gold", 400, {{1, 17, -1, 0, 0}, {}}, 1, 0},
    {197, "^Boxers of Spikes........", "^Upgrade - Boxers of Spikes", 400, {{2, 17, -1, 0, 0}, {}}, 1, 0},
    {198, "^Boxers of Life..........", "^Upgrade - Boxers of Life", 400, {{3, 17, -1, 0, 0}, {}}, 1, 0},
    {199, "^Boxers of Defense.......", "^Upgrade - Boxers of Defense", 450, {{4, 17, -1, 0, 0}, {}}, 1, 0},
    {230, "^Golf Clubs..............", nullptr, 1000, {{16, 31, -1, 0, 1}, {}}, 1, 6},
    {231, "^Piggy Bank..............", nullptr, 2500, {{18, 31, -1, 0, 1}, {}}, 1, 7},
    {232, "^Flag....................", nullptr, 5000, {{20, 31, -1, 0, 1}, {}}, 1, 8},
    {234, "^Fire Vest...............", nullptr, 1000, {{29, 31, -1, 0, 1}, {}}, 1, 9},
    {236, "^Gas Mask................", nullptr, 1500, {{30, 31, -1, 0, 1}, {}}, 1, 10},
};

// Codes that only the sell list shows: valuables, watches and the furniture 210 to 229.
struct sell_label {
    int code;
    const char* label;
};
constexpr sell_label sell_labels[] = {
    {139, "^Brass Watch............."}, {140, "^Red Apple..............."}, {141, "^Gold Crown.............."},
    {142, "^Card...................."}, {143, "^Dirty Magazines........."}, {144, "^Emerald................."},
    {145, "^Ruby...................."}, {146, "^Diamond................."}, {147, "^Smelly Sock............."},
    {148, "^Silver Watch............"}, {149, "^Gold Watch.............."}, {210, "^Lantern................."},
    {211, "^Vodoo Doll.............."}, {212, "^Children Books.........."}, {213, "^Ashtray................."},
    {214, "^Rug....................."}, {215, "^Chair..................."}, {216, "^Diary..................."},
    {217, "^Golf Clubs.............."}, {218, "^Painting................"}, {219, "^Piggy Bank.............."},
    {220, "^Bible..................."}, {221, "^Flag...................."}, {222, "^Bedpan.................."},
    {223, "^Bog Roll................"}, {224, "^Plate..................."}, {225, "^Tea Cup................."},
    {226, "^Hamlet.................."}, {227, "^Snuff Box..............."}, {228, "^Toy Plane..............."},
    {229, "^Poster.................."}, {233, "^Fire Vest..............."}, {235, "^Gas Mask................"},
};

constexpr int CARD_COUNT = 36;
constexpr int CARD_CODE = 142;
constexpr const char* card_labels[CARD_COUNT] = {
    "^Card-Lucille...........", "^Card-Mona..............", "^Card-Audrie............", "^Card-Betsy.............",
    "^Card-Amanda............", "^Card-Kelly.............", "^Card-Linda.............", "^Card-Lisa..............",
    "^Card-Hilda.............", "^Card-Chloe.............", "^Card-Talvern...........", "^Card-Fiona.............",
    "^Card-Celine............", "^Card-Carla.............", "^Card-Hitomi............", "^Card-Helena............",
    "^Card-Claudia...........", "^Card-Lucy..............", "^Card-Amy...............", "^Card-Glenda............",
    "^Card-Laura.............", "^Card-Mandy.............", "^Card-Isabelle..........", "^Card-Lilly.............",
    "^Card-Emma..............", "^Card-Allison...........", "^Card-Scarlet...........", "^Card-Faith.............",
    "^Card-Penny.............", "^Card-Hailey............", "^Card-Layla.............", "^Card-Jasmine...........",
    "^Card-Stella............", "^Card-Bella.............", "^Card-Brooke............", "^Card-Sarah.............",
};

constexpr const char* EMPTY_LINE = "^";
constexpr int MARK_NONE = 0, MARK_STAR = -2;

// Rank gates: from the first step on, each step whose rank test holds sets all six digits
// (Firepower, Firerate, Reloadtime, Capacity, special, super).
constexpr int GATE_STEPS = 5;
struct rank_gate {
    int* gate;
    int above[GATE_STEPS];  // the step applies when player_rank > above
    int digits[GATE_STEPS][6];
};
constexpr rank_gate rank_gates[] = {
    {&upg_weston, {-1, 2, 4, 5, 6}, {{1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 1, 1}, {3, 2, 2, 3, 1, 1}, {4, 2, 2, 4, 1, 1}, {5, 2, 2, 5, 1, 1}}},
    {&upg_luger, {-1, 4, 5, 6, 7}, {{1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 1, 1}, {3, 2, 2, 3, 1, 1}, {4, 2, 2, 4, 1, 1}, {5, 2, 2, 5, 1, 1}}},
    {&upg_training, {-1, 6, 7, 8, 9}, {{1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 1, 1}, {3, 2, 2, 3, 1, 1}, {4, 2, 2, 4, 1, 1}, {5, 2, 2, 5, 1, 1}}},
    {&upg_thompson, {-1, 2, 4, 5, 6}, {{1, 1, 1, 1, 1, 1}, {2, 1, 2, 2, 1, 1}, {3, 1, 2, 3, 1, 1}, {4, 1, 2, 4, 1, 1}, {5, 1, 2, 5, 1, 1}}},
    {&upg_farmers, {-1, 2, 4, 5, 6}, {{1, 1, 1, 1, 1, 1}, {2, 1, 2, 2, 1, 1}, {3, 1, 2, 3, 1, 1}, {4, 1, 2, 4, 1, 1}, {5, 1, 2, 5, 1, 1}}},
    {&upg_army, {-1, 6, 7, 8, 9}, {{1, 1, 1, 1, 1, 1}, {2, 1, 2, 2, 1, 1}, {3, 1, 2, 3, 1, 1}, {4, 1, 2, 4, 1, 1}, {5, 1, 2, 5, 1, 1}}},
    {&upg_enfield, {-1, 4, 5, 6, 7}, {{1, 1, 1, 1, 1, 1}, {2, 1, 2, 2, 1, 1}, {3, 1, 2, 3, 1, 1}, {4, 1, 2, 4, 1, 1}, {5, 1, 2, 5, 1, 1}}},
};

// The gate of each weapon's shop code.
struct code_gate {
    int code;
    const int* gate;
};
constexpr code_gate code_gates[] = {
    {6, &upg_weston}, {67, &upg_luger},     {161, &upg_training}, {82, &upg_colt}, {124, &upg_coltk},
    {3, &upg_thompson}, {2, &upg_farmers}, {110, &upg_army},     {1, &upg_enfield}, {4, &upg_hunter},
};

// The buy stock of shop 0 by stage; 234 and 236 follow while the player holds none.
struct stock_row {
    int code;
    int marker;
};
constexpr int STOCK_STAGES = 6, STOCK_MAX = 5;
struct stock_stage {
    stock_row rows[STOCK_MAX];
    int n;
    bool fire_vest;  // 234 unless a valuable of value 29 is held
    bool gas_mask;   // 236 unless a valuable of value 30 is held
};
constexpr stock_stage stock_stages[STOCK_STAGES] = {
    {{{9, -2}}, 1, false, false},
    {{{9, -2}, {6, -2}, {2, -2}}, 3, false, false},
    {{{9, -2}, {6, -2}, {2, -2}, {3, -2}, {1, -2}}, 5, false, false},
    {{{9, -2}, {6, -2}, {2, -2}, {3, -2}, {1, -2}}, 5, true, false},
    {{{9, -2}, {67, -2}, {2, -2}, {3, -2}, {1, -2}}, 5, true, true},
    {{{9, -2}, {161, -2}, {110, -2}, {3, -2}, {1, -2}}, 5, true, true},
};

int Stock_Stage() {
    int stage = 0;
    if (main_mission[1] == 3) stage = 1;
    if (main_mission[2] == 3) stage = 1;
    if (main_mission[3] == 3) stage = 2;
    if (main_mission[4] == 3) stage = 3;
    if (main_mission[5] == 3) stage = 3;
    if (main_mission[6] == 3) stage = 4;
    if (current_act == 3 || current_act == 4) stage = 5;
    return stage;
}

void Append_Stock(int code, int marker) {
    if (shop_count >= SHOP_ROWS) return;
    shop[shop_count] = code;
    shop_s[shop_count] = marker;
    shop_count++;
}

bool Is_Wearable_Shop_Code(int code) {
    return code == 176 || (code >= 184 && code <= 187) || code == 188 || (code >= 196 && code <= 199);
}

// A count-based price, never negative and never wider than the price column.
int Per_Unit(int unit_price, int count) {
    const long long p = (long long)unit_price * count;
    if (p < 0) return 0;
    return p > SHOP_PRICE_MAX ? SHOP_PRICE_MAX : (int)p;
}

// What the inventory held before a purchase, so a good that does not fit leaves no part of
// itself behind (capped stacks filled on the way).
struct inventory_copy {
    int inv[16], value[16], value1[16], value2[16];
    int weapon, helmet, boot, gold, grenade;
};

inventory_copy Copy_Inventory() {
    inventory_copy c;
    std::memcpy(c.inv, player_inv, sizeof c.inv);
    std::memcpy(c.value, player_inv_value, sizeof c.value);
    std::memcpy(c.value1, player_inv_value1, sizeof c.value1);
    std::memcpy(c.value2, player_inv_value2, sizeof c.value2);
    c.weapon = current_weapon;
    c.helmet = current_helmet;
    c.boot = current_boot;
    c.gold = current_gold;
    c.grenade = current_grenade;
    return c;
}

void Restore_Inventory(const inventory_copy& c) {
    std::memcpy(player_inv, c.inv, sizeof c.inv);
    std::memcpy(player_inv_value, c.value, sizeof c.value);
    std::memcpy(player_inv_value1, c.value1, sizeof c.value1);
    std::memcpy(player_inv_value2, c.value2, sizeof c.value2);
    current_weapon = c.weapon;
    current_helmet = c.helmet;
    current_boot = c.boot;
    current_gold = c.gold;
    current_grenade = c.grenade;
}

}  // namespace

const shop_good* Find_Shop_Good(int code) {
    for (const shop_good& g : shop_goods)
        if (g.code == code) return &g;
    return nullptr;
}

int Shop_Buy_Price(int code) {
    const shop_good* g = Find_Shop_Good(code);
    return g ? g->price : 0;
}

const char* Shop_List_Label(int code) {
    if (const shop_good* g = Find_Shop_Good(code)) return g->list_label;
    for (const sell_label& s : sell_labels)
        if (s.code == code) return s.label;
    return EMPTY_LINE;
}

const char* Shop_Card_Label(int card) {
    if (card < 0 || card >= CARD_COUNT) return Shop_List_Label(CARD_CODE);
    return card_labels[card];
}

const char* Shop_Upgrade_Label(int code) {
    const shop_good* g = Find_Shop_Good(code);
    return g && g->upgrade_label ? g->upgrade_label : EMPTY_LINE;
}

bool Add_Shop_Good(int code) {
    const shop_good* g = Find_Shop_Good(code);
    if (g == nullptr) return false;
    const inventory_copy before = Copy_Inventory();
    const shop_item_call& c = g->calls[0];
    if (!Calculate_Item(c.amount, c.type, c.index, c.value1, c.value2)) {
        Restore_Inventory(before);  // a gun that does not fit brings no ammunition either
        return false;
    }
    // The purchase stands on the good itself; whether its ammunition fits does not matter.
    for (int k = 1; k < g->n_calls; k++) {
        const shop_item_call& a = g->calls[k];
        Calculate_Item(a.amount, a.type, a.index, a.value1, a.value2);
    }
    return true;
}

bool Shop_Sell_Row(int slot, int& code, int& price, int& marker) {
    code = 0;
    price = 0;
    marker = MARK_NONE;
    if (slot < 0 || slot >= 16) return false;
    const int item = player_inv[slot], v = player_inv_value[slot];
    auto weapon = [&](int c) {
        marker = MARK_STAR;
        code = c;
        if (c != 0) price = Shop_Buy_Price(c) / 2 + GetUpgradeSell(slot);
        return true;
    };
    auto unit = [&](int c, int unit_price, int m) {
        code = c;
        price = Per_Unit(unit_price, v);
        marker = m;
        return true;
    };
    auto fixed = [&](int c, int p) {
        code = c;
        price = p;
        return true;
    };
    switch (item) {
        case SLOT_RIFLE_LEFT: return weapon(v == 0 ? 1 : v == 1 ? 4 : 0);
        case SLOT_PISTOL: {
            constexpr int pistols[5] = {6, 67, 82, 124, 161};
            return weapon(v >= 0 && v < 5 ? pistols[v] : 0);
        }
        case SLOT_SHOTGUN_LEFT: return weapon(v == 0 ? 2 : v == 1 ? 110 : 0);
        case SLOT_MACHINEGUN_LEFT: return weapon(3);
        case GRENADE: return unit(7, 20, MARK_STAR);
        case RIFLE_AMMO: return unit(8, 3, MARK_NONE);
        case PISTOL_AMMO: return unit(9, 1, MARK_NONE);
        case SHELLS: return unit(10, 3, MARK_NONE);
        case BULLETS: return unit(11, 1, MARK_NONE);
        case CARD: return fixed(CARD_CODE, 1);
        case APPLE: return fixed(140, 10);
        case CAN_O_BEANS: return fixed(66, 100);
        case CAN_O_BEANS_INSTANT: return fixed(65, 1000);
        case WATCH:
            if (v == 0) return fixed(139, 100);
            if (v == 1) return fixed(148, 100);
            if (v == 2) return fixed(149, 150);
            return false;
        case VALUABLE:
            if (v == 3) return fixed(141, 5000);
            if (v == 4) return fixed(143, 1);
            if (v == 5) return fixed(144, 200);
            if (v == 6) return fixed(145, 300);
            if (v == 7) return fixed(146, 500);
            if (v == 8) return fixed(147, 1);
            if (v >= 9 && v <= 28) return fixed(201 + v, 1);
            if (v == 29) return fixed(233, 500);
            if (v == 30) return fixed(235, 750);
            return false;
        default: break;
    }
    if (Is_Helmet_Code(item) || Is_Boxers_Code(item)) {
        constexpr int helmets[5] = {176, 184, 185, 186, 187};
        constexpr int boxers[5] = {188, 196, 197, 198, 199};
        if (v >= 0 && v < 5) {
            code = Is_Helmet_Code(item) ? helmets[v] : boxers[v];
            price = Shop_Buy_Price(code);
        }
        return true;
    }
    return false;
}

void Calculate_Shop(int id) {
    shop_count = 0;
    std::memset(shop, 0, sizeof shop);
    std::memset(shop_s, 0, sizeof shop_s);

    for (const rank_gate& g : rank_gates)
        for (int step = 0; step < GATE_STEPS; step++) {
            if (!(player_rank > g.above[step])) continue;
            int value = 0;
            for (int d = 5; d >= 0; d--) value = value * 10 + g.digits[step][d];
            *g.gate = value;
        }

    if (id != 0) return;
    const stock_stage& st = stock_stages[Stock_Stage()];
    for (int k = 0; k < st.n; k++) Append_Stock(st.rows[k].code, st.rows[k].marker);
    if (st.fire_vest && !Has_This_Item(VALUABLE, 29)) Append_Stock(234, MARK_NONE);
    if (st.gas_mask && !Has_This_Item(VALUABLE, 30)) Append_Stock(236, MARK_NONE);
}

bool Is_Available(int the_object, int the_weapon) {
    if (the_object < 0 || the_object >= 16 || the_weapon < 0 || the_weapon >= SHOP_ROWS) return false;
    const int code = shop[the_weapon];
    if (Is_Wearable_Shop_Code(code))
        return player_inv_value1[the_object] < 3 || player_inv_value2[the_object] < 1;
    int gate = 0;
    for (const code_gate& g : code_gates)
        if (g.code == code) gate = *g.gate;
    for (int f = 1; f <= 5; f++) {
        const int level = Get_Bit_Shift(the_object, f);
        if ((level < 0 ? 0 : level) < Get_Bit_Shift_Int(gate, f)) return true;
    }
    const int super = Get_Bit_Shift(the_object, 6);
    return (super < 0 ? 0 : super) < Get_Bit_Shift_Int(gate, 6) && Check_For_Super(the_object);
}
