// Upgrade ladders: the ladder lines of the upgrade page, the super test, the write-back of a
// bought upgrade and the sell value of a weapon's upgrades.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "camp/camp.h"
#include "camp/shop_stock.h"
#include "camp/upgrades.h"
#include "common/world_state.h"
#include "hud/inventory.h"
#include "hud/weapons.h"

namespace {

class UpgradeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        std::memset(shop, 0, sizeof shop);
        Clear_Columns();
        tune_up_page = -1;
    }
    static void Clear_Columns() {
        counter[0].word[0] = 0;
        counter[11].word[0] = 0;
    }
    static void Give(int slot, int code, int model, int value1 = 0, int value2 = 0) {
        player_inv[slot] = code;
        player_inv_value[slot] = model;
        player_inv_value1[slot] = value1;
        player_inv_value2[slot] = value2;
    }
    static std::string Labels() { return counter[0].word; }
    static std::string Levels() { return counter[11].word; }
};

// One ladder line as the shop lists it.
struct line {
    int field;
    int ret;
    int code;
    int price;
};

TEST_F(UpgradeTest, NewWestonListsLevelOneOfEachFieldAndItsSpecial) {
    Give(3, SLOT_PISTOL, 0);
    upg_weston = 111111;
    const line expect[] = {{1, 1, 25, 200}, {2, 1, 30, 150}, {3, 1, 32, 150}, {4, 1, 34, 200}, {5, 1, 150, 1000}, {6, 0, 0, -101}};
    for (const line& e : expect) {
        SCOPED_TRACE(e.field);
        EXPECT_EQ(GetUpgrades(3, e.field, 0), e.ret);
        EXPECT_EQ(ishop, e.code);
        EXPECT_EQ(ishop_cost, e.price);
    }
    EXPECT_EQ(Labels(), "^\xEE\xE7-Firepower^\xBA\xD1-Firerate^\xC8\xD6-Reloadtime^\xBF\xFA-Capacity"
                        "^\xDA\xD3-Armour_Piercing.....");
    EXPECT_EQ(Levels(), "^LVL1^LVL1^LVL1^LVL1");
}

TEST_F(UpgradeTest, CodesAndPricesAtTheEndsOfTheLadders) {
    struct probe {
        int code, model, level;  // level already held in the field
        int field, want_code, want_price;
    };
    // Gates fully open so every level can be reached.
    upg_thompson = upg_farmers = upg_army = upg_enfield = 115525;
    upg_luger = upg_training = upg_weston = 115225;
    const probe probes[] = {
        {SLOT_MACHINEGUN_LEFT, 0, 2, 1, 14, 500},
        {SLOT_MACHINEGUN_LEFT, 0, 4, 4, 23, 1500},
        {SLOT_MACHINEGUN_LEFT, 0, 0, 2, 24, 200},
        {SLOT_PISTOL, 1, 4, 4, 81, 1500},
        {SLOT_PISTOL, 1, 1, 2, 74, 500},
        {SLOT_PISTOL, 4, 1, 3, 170, 500},
        {SLOT_PISTOL, 4, 0, 5, 160, 1000},
        {SLOT_PISTOL, 0, 1, 2, 31, 200},
        {SLOT_RIFLE_LEFT, 0, 0, 2, 51, 250},
        {SLOT_RIFLE_LEFT, 0, 2, 1, 41, 750},
        {SLOT_SHOTGUN_LEFT, 0, 0, 5, 151, 1250},
        {SLOT_SHOTGUN_LEFT, 0, 1, 3, 58, 250},
        {SLOT_SHOTGUN_LEFT, 1, 0, 1, 111, 250},
        {SLOT_SHOTGUN_LEFT, 1, 0, 2, 123, 250},
    };
    for (const probe& p : probes) {
        SCOPED_TRACE(p.want_code);
        Give(0, p.code, p.model, Bit_Shift_Int(0, p.field, p.level));
        EXPECT_EQ(GetUpgrades(0, p.field, 0), 1);
        EXPECT_EQ(ishop, p.want_code);
        EXPECT_EQ(ishop_cost, p.want_price);
    }
}

TEST_F(UpgradeTest, FieldAtOrAboveItsUnlockedLevelIsACompleteRow) {
    upg_weston = 111111;
    // Firepower 1 of 1 unlocked: complete; Capacity 4 with 1 unlocked (a gun found with more
    // than the shop offers): also complete, so the label column keeps one line per row.
    Give(0, SLOT_PISTOL, 0, 4001);
    EXPECT_EQ(GetUpgrades(0, 1, 0), 1);
    EXPECT_EQ(ishop, 0);
    EXPECT_EQ(ishop_cost, -101);
    EXPECT_EQ(GetUpgrades(0, 4, 0), 1);
    EXPECT_EQ(ishop, 0);
    EXPECT_EQ(Labels(), "^\xEE\xE7-COMPLETE............^\xBF\xFA-COMPLETE............");
    EXPECT_EQ(Levels(), "^^");
}

TEST_F(UpgradeTest, ModelsWithoutAnOfferedLadderGiveNoRows) {
    // Colt (82), Colt-K, Hunter: ladders whose gate stays 0; rifles 2 and 3: no ladder at all.
    const int items[][2] = {{SLOT_PISTOL, 2}, {SLOT_PISTOL, 3}, {SLOT_RIFLE_LEFT, 1}, {SLOT_RIFLE_LEFT, 2}, {SLOT_RIFLE_LEFT, 3}};
    Calculate_Shop(0);
    player_rank = 20;
    Calculate_Shop(0);
    for (const auto& it : items) {
        SCOPED_TRACE(it[0] * 10 + it[1]);
        Clear_Columns();
        Give(0, it[0], it[1]);
        for (int f = 1; f <= 6; f++) EXPECT_EQ(GetUpgrades(0, f, 0), 0);
        EXPECT_EQ(Labels(), "^\xEE\xE7-COMPLETE............^\xBA\xD1-COMPLETE............"
                            "^\xC8\xD6-COMPLETE............^\xBF\xFA-COMPLETE............");
    }
}

TEST_F(UpgradeTest, SuperLineOpensOnlyOnceEveryOtherFieldIsTopped) {
    upg_weston = 115225;
    upg_farmers = 115215;
    Give(0, SLOT_PISTOL, 0, 15225);  // pistol top: Firerate 2
    Give(2, SLOT_SHOTGUN_LEFT, 0, 15215);  // shotgun top: Firerate 1
    Give(3, SLOT_SHOTGUN_RIGHT, 0, 15215);
    Give(4, SLOT_PISTOL, 0, 15215);  // pistol with Firerate 1: not yet
    EXPECT_TRUE(Check_For_Super(0));
    EXPECT_TRUE(Check_For_Super(2));
    EXPECT_FALSE(Check_For_Super(4));
    EXPECT_FALSE(Check_For_Super(-1));
    EXPECT_FALSE(Check_For_Super(16));

    EXPECT_EQ(GetUpgrades(0, 6, 0), 1);
    EXPECT_EQ(ishop, 200);
    EXPECT_EQ(ishop_cost, 5000);
    EXPECT_EQ(GetUpgrades(2, 6, 0), 1);
    EXPECT_EQ(ishop, 201);
    EXPECT_EQ(GetUpgrades(4, 6, 0), 0);
    EXPECT_EQ(Labels(), "^\xDA\xD3-Unlimited_Ammo......^\xDA\xD3-Double_Barrel.......");
    // Bought: the test still holds and the line reads complete.
    player_inv_value1[0] = 115225;
    EXPECT_TRUE(Check_For_Super(0));
    EXPECT_EQ(GetUpgrades(0, 6, 0), 1);
    EXPECT_EQ(ishop, 0);
}

TEST_F(UpgradeTest, WearableLadderAndSpecial) {
    Give(0, SLOT_HELMET, 2, 0, 0);
    Give(1, SLOT_BOXERS, 4, 3, 1);
    EXPECT_EQ(GetUpgradesItems(0, 1, 0), 1);
    EXPECT_EQ(ishop, 177);
    EXPECT_EQ(ishop_cost, 200);
    EXPECT_EQ(GetUpgradesItems(0, 2, 0), 1);
    EXPECT_EQ(ishop, 183);
    EXPECT_EQ(ishop_cost, 1000);
    EXPECT_EQ(GetUpgradesItems(1, 1, 0), 1);
    EXPECT_EQ(ishop, 0);
    EXPECT_EQ(ishop_cost, -101);
    EXPECT_EQ(GetUpgradesItems(1, 2, 0), 1);
    EXPECT_EQ(ishop, 0);
    EXPECT_EQ(Labels(), "^\xCD\xF3-Defense^\xDA\xD3-Barbed_Armour......"
                        "^\xE1\xC9-COMPLETE............^\xDA\xD3-COMPLETE............");
    EXPECT_EQ(Levels(), "^LVL1^");

    // Level 2 boxers offer level 3 at 500, code 191.
    player_inv_value1[1] = 2;
    EXPECT_EQ(GetUpgradesItems(1, 1, 0), 1);
    EXPECT_EQ(ishop, 191);
    EXPECT_EQ(ishop_cost, 500);
}

TEST_F(UpgradeTest, DamagedWearablesOfferNothingUnsafe) {
    // A level above the top shows complete (one line per row); an unknown variant has no ladder.
    Give(0, SLOT_BOXERS, 1, 7, 0);
    EXPECT_EQ(GetUpgradesItems(0, 1, 0), 1);
    EXPECT_EQ(ishop, 0);
    EXPECT_EQ(Levels(), "^");
    Give(1, SLOT_HELMET, 9, 0, 0);
    EXPECT_EQ(GetUpgradesItems(1, 1, 0), 0);
    EXPECT_EQ(GetUpgradesItems(1, 2, 0), 0);
    EXPECT_EQ(GetUpgradesItems(16, 1, 0), 0);
    EXPECT_EQ(GetUpgradesItems(-1, 1, 0), 0);
    Give(2, SLOT_PISTOL, 0);
    EXPECT_EQ(GetUpgradesItems(2, 1, 0), 0);
    EXPECT_EQ(GetUpgrades(-1, 1, 0), 0);
    EXPECT_EQ(GetUpgrades(16, 1, 0), 0);
    EXPECT_EQ(GetUpgrades(2, 7, 0), 0);
}

TEST_F(UpgradeTest, TuneGunWritesTheDigitIntoBothHalvesOfALongGun) {
    Give(4, SLOT_MACHINEGUN_LEFT, 0, 10542);
    Give(5, SLOT_MACHINEGUN_RIGHT, 0, 10542);
    tune_up_page = 4;
    shop[2] = 14;  // Thompson Firepower 3
    Tune_Gun(2);
    EXPECT_EQ(player_inv_value1[4], 10543);
    EXPECT_EQ(player_inv_value1[5], 10543);
    shop[2] = 207;  // super
    Tune_Gun(2);
    EXPECT_EQ(player_inv_value1[4], 110543);
    EXPECT_EQ(player_inv_value1[5], 110543);
}

TEST_F(UpgradeTest, TuneGunLevelsOfEachKindOfCode) {
    Give(0, SLOT_PISTOL, 0, 0, 7);
    Give(1, SLOT_HELMET, 0);
    Give(2, SLOT_BOXERS, 3);
    struct step {
        int slot, code, want_value1, want_value2;
    };
    const step steps[] = {
        {0, 27, 3, 7},        // Weston Firepower 3
        {0, 31, 23, 7},       // Firerate 2
        {0, 38, 5023, 7},     // Capacity 5
        {0, 150, 15023, 7},   // special
        {0, 200, 115023, 24}, // super: comes loaded
        {1, 179, 3, 0},
        {1, 183, 3, 1},
        {2, 190, 2, 0},
        {2, 195, 2, 1},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.code);
        tune_up_page = s.slot;
        shop[0] = s.code;
        Tune_Gun(0);
        EXPECT_EQ(player_inv_value1[s.slot], s.want_value1);
        EXPECT_EQ(player_inv_value2[s.slot], s.want_value2);
    }
}

TEST_F(UpgradeTest, TuneGunLeavesOtherItemsAndBadRowsAlone) {
    Give(0, SLOT_PISTOL, 1, 11);     // a Luger
    Give(1, SLOT_HELMET, 0, 1);
    Give(14, CARD, 3, 5, 6);
    Give(15, SLOT_RIFLE_LEFT, 0, 0); // a rifle whose second half would lie past the slots
    const int codes[] = {1, 6, 65, 230, 25 /* Weston code on a Luger */, 189 /* boxers code on a helmet */};
    for (int code : codes) {
        shop[0] = code;
        tune_up_page = 0;
        Tune_Gun(0);
        tune_up_page = 1;
        Tune_Gun(0);
    }
    EXPECT_EQ(player_inv_value1[0], 11);
    EXPECT_EQ(player_inv_value1[1], 1);
    EXPECT_EQ(player_inv_value2[1], 0);

    tune_up_page = 15;
    shop[0] = 39;
    Tune_Gun(0);
    EXPECT_EQ(player_inv_value1[15], 1);
    EXPECT_EQ(player_inv_value1[14], 5);  // untouched neighbour

    tune_up_page = 0;
    shop[31] = 68;
    Tune_Gun(-1);
    Tune_Gun(32);
    EXPECT_EQ(player_inv_value1[0], 11);
    tune_up_page = -1;
    Tune_Gun(31);
    tune_up_page = 16;
    Tune_Gun(31);
    EXPECT_EQ(player_inv_value1[0], 11);
}

TEST_F(UpgradeTest, SellValueOfUpgrades) {
    Give(0, SLOT_PISTOL, 0, 10002);  // Weston: Firepower 2 and the special
    EXPECT_EQ(GetUpgradeSell(0), 725);
    Give(1, SLOT_SHOTGUN_LEFT, 1, 0);  // Combat Shotgun
    EXPECT_EQ(GetUpgradeSell(1), 0);
    player_inv_value1[1] = 115215;
    EXPECT_EQ(GetUpgradeSell(1), 8000);
    // Digits past a field's top count as its top level.
    player_inv_value1[1] = 119999;
    EXPECT_EQ(GetUpgradeSell(1), 8000);
    Give(2, SLOT_PISTOL, 2, 115225);  // Colt (82): worth nothing extra
    Give(3, SLOT_RIFLE_LEFT, 1, 115215);  // Hunter
    Give(4, SLOT_HELMET, 0, 3, 1);
    EXPECT_EQ(GetUpgradeSell(2), 0);
    EXPECT_EQ(GetUpgradeSell(3), 0);
    EXPECT_EQ(GetUpgradeSell(4), 0);
    EXPECT_EQ(GetUpgradeSell(-1), 0);
    EXPECT_EQ(GetUpgradeSell(16), 0);
}

// Every ladder as the shop knows it: the codes of each level of each field (Firepower,
// Firerate, Reloadtime, Capacity, special, super) and, for the seven ladders the shop offers,
// their prices. A slip in any single value of the code's tables shows here.
struct ladder_table {
    const char* name;
    int code, model;
    int* gate;
    std::vector<int> codes[6];
    std::vector<int> prices[6];  // empty: never offered
    const char* special;
    const char* super;
};

constexpr int LADDERS = 10;

const ladder_table& Ladder(int k) {
    static const ladder_table table[LADDERS] = {
        {"Thompson", SLOT_MACHINEGUN_LEFT, 0, &upg_thompson,
         {{12, 13, 14, 15, 16}, {24}, {17, 18}, {19, 20, 21, 22, 23}, {158}, {207}},
         {{200, 250, 500, 1000, 1500}, {200}, {150, 200}, {200, 250, 500, 1000, 1500}, {1000}, {5000}},
         "-Stock...............", "-Gun_Sight..........."},
        {"Weston", SLOT_PISTOL, 0, &upg_weston,
         {{25, 26, 27, 28, 29}, {30, 31}, {32, 33}, {34, 35, 36, 37, 38}, {150}, {200}},
         {{200, 250, 500, 1000, 1500}, {150, 200}, {150, 200}, {200, 250, 500, 1000, 1500}, {1000}, {5000}},
         "-Armour_Piercing.....", "-Unlimited_Ammo......"},
        {"Luger", SLOT_PISTOL, 1, &upg_luger,
         {{68, 69, 70, 71, 72}, {73, 74}, {75, 76}, {77, 78, 79, 80, 81}, {153}, {202}},
         {{250, 500, 1000, 1250, 1500}, {250, 500}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
         "-Armour_Piercing.....", "-Unlimited_Ammo......"},
        {"Colt (82)", SLOT_PISTOL, 2, &upg_colt,
         {{83, 84, 85, 86, 87}, {88, 89}, {90, 91}, {92, 93, 94, 95, 96}, {154}, {203}}, {}, "", ""},
        {"Colt-K", SLOT_PISTOL, 3, &upg_coltk,
         {{125, 126, 127, 128, 129}, {130, 131}, {132, 133}, {134, 135, 136, 137, 138}, {159}, {208}}, {}, "", ""},
        {"Colt (161)", SLOT_PISTOL, 4, &upg_training,
         {{162, 163, 164, 165, 166}, {167, 168}, {169, 170}, {171, 172, 173, 174, 175}, {160}, {209}},
         {{250, 500, 1000, 1250, 1500}, {250, 500}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
         "-Armour_Piercing.....", "-Unlimited_Ammo......"},
        {"Enfield", SLOT_RIFLE_LEFT, 0, &upg_enfield,
         {{39, 40, 41, 42, 43}, {51}, {44, 45}, {46, 47, 48, 49, 50}, {155}, {204}},
         {{250, 500, 750, 1000, 1500}, {250}, {250, 500}, {250, 500, 750, 1000, 1500}, {1000}, {5000}},
         "-????................", "-????................"},
        {"Hunter", SLOT_RIFLE_LEFT, 1, &upg_hunter,
         {{97, 98, 99, 100, 101}, {109}, {102, 103}, {104, 105, 106, 107, 108}, {156}, {205}}, {}, "", ""},
        {"Farmers", SLOT_SHOTGUN_LEFT, 0, &upg_farmers,
         {{52, 53, 54, 55, 56}, {64}, {57, 58}, {59, 60, 61, 62, 63}, {151}, {201}},
         {{250, 500, 1000, 1250, 1500}, {200}, {200, 250}, {250, 500, 1000, 1250, 1500}, {1250}, {5000}},
         "-Wide_Shot...........", "-Double_Barrel......."},
        {"Combat", SLOT_SHOTGUN_LEFT, 1, &upg_army,
         {{111, 112, 113, 114, 115}, {123}, {116, 117}, {118, 119, 120, 121, 122}, {157}, {206}},
         {{250, 500, 1000, 1250, 1500}, {250}, {250, 500}, {250, 500, 1000, 1250, 1500}, {1000}, {5000}},
         "-Wide_Shot...........", "-Wide_Shot..........."},
    };
    return table[k];
}

// The value1 digits of a weapon whose fields 1..5 all stand at their top level.
int Topped(const ladder_table& l) {
    int v = 0;
    for (int f = 1; f <= 5; f++) v = Bit_Shift_Int(v, f, (int)l.codes[f - 1].size());
    return v;
}

class UpgradeLadders : public UpgradeTest {
protected:
    // The weapon of a ladder in slots 0 (and 1 for a long gun) with the given digits.
    static void Give_Weapon(const ladder_table& l, int value1) {
        Give(0, l.code, l.model, value1);
        if (l.code != SLOT_PISTOL) Give(1, l.code + 1, l.model, value1);
    }
};

TEST_F(UpgradeLadders, EveryLevelOfEveryOfferedLadderHasItsCodeAndPrice) {
    const char* const names[4] = {"-Firepower", "-Firerate", "-Reloadtime", "-Capacity"};
    for (int k = 0; k < LADDERS; k++) {
        const ladder_table& l = Ladder(k);
        if (l.prices[0].empty()) continue;
        SCOPED_TRACE(l.name);
        *l.gate = Topped(l) + 100000;  // every level of every field unlocked
        for (int f = 1; f <= 4; f++) {
            const int top = (int)l.codes[f - 1].size();
            for (int b = 0; b <= top; b++) {
                SCOPED_TRACE(::testing::Message() << names[f - 1] << " held at " << b);
                Clear_Columns();
                Give_Weapon(l, Bit_Shift_Int(0, f, b));
                EXPECT_EQ(GetUpgrades(0, f, 0), 1);
                if (b < top) {
                    EXPECT_EQ(ishop, l.codes[f - 1][b]);
                    EXPECT_EQ(ishop_cost, l.prices[f - 1][b]);
                    EXPECT_EQ(Levels(), "^LVL" + std::to_string(b + 1));
                    EXPECT_NE(Labels().find(names[f - 1]), std::string::npos);
                } else {
                    EXPECT_EQ(ishop, 0);
                    EXPECT_EQ(ishop_cost, -101);
                    EXPECT_EQ(Levels(), "^");
                }
            }
        }
        // The special, then the super once everything else is topped.
        Clear_Columns();
        Give_Weapon(l, 0);
        EXPECT_EQ(GetUpgrades(0, 5, 0), 1);
        EXPECT_EQ(ishop, l.codes[4][0]);
        EXPECT_EQ(ishop_cost, l.prices[4][0]);
        EXPECT_EQ(Labels(), std::string("^\xDA\xD3") + l.special);
        EXPECT_EQ(GetUpgrades(0, 6, 0), 0);
        Clear_Columns();
        Give_Weapon(l, Topped(l));
        EXPECT_EQ(GetUpgrades(0, 6, 0), 1);
        EXPECT_EQ(ishop, l.codes[5][0]);
        EXPECT_EQ(ishop_cost, l.prices[5][0]);
        EXPECT_EQ(Labels(), std::string("^\xDA\xD3") + l.super);
        EXPECT_EQ(Levels(), "");
        *l.gate = 0;
    }
}

TEST_F(UpgradeLadders, EveryCodeWritesItsLevelIntoItsField) {
    // Also the ladders the shop never offers: their codes still mean their levels.
    for (int k = 0; k < LADDERS; k++) {
        const ladder_table& l = Ladder(k);
        for (int f = 1; f <= 6; f++)
            for (size_t n = 0; n < l.codes[f - 1].size(); n++) {
                const int code = l.codes[f - 1][n];
                SCOPED_TRACE(::testing::Message() << l.name << " code " << code);
                Give_Weapon(l, 0);
                tune_up_page = 0;
                shop[3] = code;
                Tune_Gun(3);
                EXPECT_EQ(player_inv_value1[0], Bit_Shift_Int(0, f, (int)n + 1));
                if (l.code != SLOT_PISTOL) {
                    EXPECT_EQ(player_inv_value1[1], player_inv_value1[0]);
                }
            }
    }
}

TEST_F(UpgradeLadders, SellValueIsHalfOfEveryPricePaid) {
    for (int k = 0; k < LADDERS; k++) {
        const ladder_table& l = Ladder(k);
        SCOPED_TRACE(l.name);
        int paid = 0;
        for (const std::vector<int>& field : l.prices)
            for (int p : field) paid += p;
        Give_Weapon(l, Topped(l) + 100000);
        EXPECT_EQ(GetUpgradeSell(0), paid / 2);
        // One level of Firerate and of Reloadtime: only their first prices count.
        Give_Weapon(l, 110);
        EXPECT_EQ(GetUpgradeSell(0), l.prices[0].empty() ? 0 : (l.prices[1][0] + l.prices[2][0]) / 2);
    }
}

TEST_F(UpgradeTest, WearableLaddersLevelByLevel) {
    struct wearable {
        int code;
        const char* ladder;
        const char* icons;
        int first_code, special_code;
    };
    const wearable kinds[] = {{SLOT_HELMET, "-Defense", "\xCD\xF3", 177, 183},
                              {SLOT_BOXERS, "-Health", "\xE1\xC9", 189, 195}};
    const int prices[3] = {200, 250, 500};
    const char* const specials[5] = {"-Frag_Armour........", "-Extra_Gold.........", "-Barbed_Armour......",
                                     "-Life_Armour........", "-Super_Armour........"};
    for (const wearable& w : kinds) {
        for (int b = 0; b <= 3; b++) {
            SCOPED_TRACE(::testing::Message() << w.ladder << " held at " << b);
            Clear_Columns();
            Give(0, w.code, 0, b);
            EXPECT_EQ(GetUpgradesItems(0, 1, 0), 1);
            if (b < 3) {
                EXPECT_EQ(ishop, w.first_code + b);
                EXPECT_EQ(ishop_cost, prices[b]);
                EXPECT_EQ(Labels(), std::string("^") + w.icons + w.ladder);
                EXPECT_EQ(Levels(), "^LVL" + std::to_string(b + 1));
            } else {
                EXPECT_EQ(ishop, 0);
                EXPECT_EQ(ishop_cost, -101);
                EXPECT_EQ(Labels(), std::string("^") + w.icons + "-COMPLETE............");
            }
        }
        for (int v = 0; v < 5; v++) {
            SCOPED_TRACE(::testing::Message() << w.ladder << " variant " << v);
            Clear_Columns();
            Give(0, w.code, v, 0, 0);
            EXPECT_EQ(GetUpgradesItems(0, 2, 0), 1);
            EXPECT_EQ(ishop, w.special_code);
            EXPECT_EQ(ishop_cost, 1000);
            EXPECT_EQ(Labels(), std::string("^\xDA\xD3") + specials[v]);
            EXPECT_EQ(Levels(), "");
        }
    }
}

TEST_F(UpgradeTest, UpgradeCodesAreUniqueAndNeverAGoodForSale) {
    int n = 0;
    for (int code = 0; code < 300; code++)
        if (Is_Upgrade_Code(code)) {
            EXPECT_EQ(Find_Shop_Good(code), nullptr) << code;
            n++;
        }
    // Five pistol ladders of 5 + 2 + 2 + 5 + 1 + 1 codes, five long-gun ladders with one
    // Firerate code, 2 x 4 wearable codes: any overlap between ranges would lower the count.
    EXPECT_EQ(n, 5 * 16 + 5 * 15 + 8);
    EXPECT_TRUE(Is_Upgrade_Code(12));
    EXPECT_TRUE(Is_Upgrade_Code(209));
    EXPECT_FALSE(Is_Upgrade_Code(11));
    EXPECT_FALSE(Is_Upgrade_Code(210));
}

TEST_F(UpgradeTest, LadderTextNeverRunsPastTheSlot) {
    upg_weston = 111111;
    Give(0, SLOT_PISTOL, 0);
    std::memset(counter[0].word, 'x', sizeof counter[0].word - 2);
    counter[0].word[sizeof counter[0].word - 2] = 0;
    for (int k = 0; k < 10; k++) GetUpgrades(0, 1, 0);
    EXPECT_EQ(std::strlen(counter[0].word), sizeof counter[0].word - 1);
    EXPECT_EQ(ishop, 25);
}

}  // namespace
