// The shop's stat texts, the defense of helmets and boxers, and the display picture with its
// description for the row under the mouse.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/shop_picture.h"
#include "camp/shop_stock.h"
#include "camp/shop_texts.h"
#include "common/world_state.h"
#include "hud/inventory.h"
#include "main/startup.h"
#include "render/font.h"
#include "support/virtual_clock.h"

namespace {

const std::string CAN(1, '\xF1'), OUT(1, '\xC1'), BOUGHT(1, '\xED');
const std::string POWER = "\xEE\xE7", RATE = "\xBA\xD1", RELOAD = "\xC8\xD6", CAPACITY = "\xBF\xFA",
                  SPECIAL = "\xDA\xD3", HELMET_ICON = "\xCD\xF3", BOXERS_ICON = "\xE1\xC9";
const std::string PERCENT(1, '\xC0');

std::string Cells(const std::string& cell, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s += cell;
    return s;
}
std::string Bar(int filled) { return Cells(CAN, filled) + Cells(OUT, 5 - filled); }

class ShopTexts : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        std::memset(shop, 0, sizeof shop);
        std::memset(shop_s, 0, sizeof shop_s);
        for (font& f : counter) {
            f.word[0] = '\0';
            f.length = 0;
        }
        shop_sequence = 0;
        shop_switch_timer = 0;
        sprite[SHOP_PICTURE_SPRITE].anim = 0;
    }
    void TearDown() override { Free_Records(); }

    static void Give(int slot, int code, int value = 0, int value1 = 0, int value2 = 0) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
        player_inv_value1[slot] = value1;
        player_inv_value2[slot] = value2;
    }
    static std::string Slot2() { return counter[2].word; }
};

// ---- Stat blocks ----

TEST_F(ShopTexts, WeaponForSaleReadsItsStatsAndBars) {
    shop[3] = 6;  // Weston Pistol, marked as the stock marks weapons
    shop_s[3] = -2;
    Calculate_Weapon_Buy(3, -1);
    EXPECT_EQ(Slot2(), "^" + POWER + ":" + Bar(5) + "_+1.0^" + RATE + ":" + Bar(2) + "_+0.40" + "^" +
                           RELOAD + ":" + Bar(2) + "_+1.73^" + CAPACITY + ":" + Bar(5) + "_+10" + "^" +
                           SPECIAL + ":" + Bar(1) + "_+0");
    EXPECT_EQ(counter[2].length, 4);
}

TEST_F(ShopTexts, WeaponStatsByCodeAndTheSpecialLineOnlyForMarkedRows) {
    struct Case { int code; const char *power, *rate, *reload, *capacity; int rate_bar; } cases[] = {
        {1, "4.0", "0.97", "2.87", "6", 1},    {2, "4.0", "0.83", "2.93", "6", 1},
        {3, "0.6", "0.13", "2.37", "30", 1},   {67, "1.4", "0.43", "2.37", "12", 2},
        {110, "5.0", "0.63", "3.03", "7", 1},  {161, "2.0", "0.57", "2.03", "12", 2},
    };
    for (const Case& c : cases) {
        counter[2].word[0] = '\0';
        shop[0] = c.code;
        shop_s[0] = 0;
        Calculate_Weapon_Buy(0, -1);
        EXPECT_EQ(Slot2(), "^" + POWER + ":" + Bar(5) + "_+" + c.power + "^" + RATE + ":" + Bar(c.rate_bar) +
                               "_+" + c.rate + "^" + RELOAD + ":" + Bar(2) + "_+" + c.reload + "^" + CAPACITY +
                               ":" + Bar(5) + "_+" + c.capacity)
            << c.code;
    }
}

TEST_F(ShopTexts, WeaponTextIsAppendedAndNeverOverrunsTheSlot) {
    Text_Printf(2, "^Hint");
    shop[1] = 3;
    Calculate_Weapon_Buy(1, -1);
    EXPECT_EQ(Slot2().rfind("^Hint^" + POWER, 0), 0u);

    // A slot already all but full takes only what fits and stays terminated.
    std::memset(counter[2].word, 'a', 1020);
    counter[2].word[1020] = '\0';
    Calculate_Weapon_Buy(1, -1);
    EXPECT_EQ(strnlen(counter[2].word, sizeof counter[2].word), 1023u);
}

TEST_F(ShopTexts, RowsWithoutAStatBlockAddNothing) {
    Text_Printf(2, "^Hint");
    counter[2].length = 1;
    shop[0] = 4;    // Hunter Rifle: never stocked
    shop[1] = 124;  // Colt-K Pistol
    shop[2] = 187;  // a helmet is no weapon
    for (int row : {0, 1, 2, -1, SHOP_ROWS}) Calculate_Weapon_Buy(row, -1);
    shop[3] = 6;
    for (int row : {3, -1, SHOP_ROWS}) Calculate_Item_Buy(row, -1);
    EXPECT_EQ(Slot2(), "^Hint");
    EXPECT_EQ(counter[2].length, 1);
}

TEST_F(ShopTexts, HelmetsAndBoxersForSaleShowTheirFirstDefense) {
    struct Case { int code; std::string icon, defense; } cases[] = {
        {176, HELMET_ICON, "2.0"}, {185, HELMET_ICON, "2.0"}, {187, HELMET_ICON, "2.0"},
        {188, BOXERS_ICON, "5.0"}, {196, BOXERS_ICON, "5.0"}, {199, BOXERS_ICON, "5.0"},
    };
    for (const Case& c : cases) {
        counter[2].word[0] = '\0';
        shop[5] = c.code;
        Calculate_Item_Buy(5, 2);
        EXPECT_EQ(Slot2(), "^" + c.icon + ":" + Bar(3) + "_+" + c.defense) << c.code;
        EXPECT_EQ(counter[2].length, 2);
    }
}

TEST_F(ShopTexts, CarriedHelmetsAndBoxersShowLevelsDefenseAndSpecial) {
    Give(0, SLOT_HELMET, 4);           // a new Tin Helmet
    Give(1, SLOT_BOXERS, 1, 2, 1);     // Boxers of Gold, level 2, special bought
    Give(2, HELMET_EQUIPPED, 0, 3, 0); // worn, at the top level the shop sells
    Calculate_Item_Txt(0, 2);
    EXPECT_EQ(Slot2(), "^" + HELMET_ICON + ":" + Cells(CAN, 3) + Cells(OUT, 2) + "_+2.0" + "^" + SPECIAL + ":" +
                           CAN + Cells(OUT, 4) + "_+0");
    EXPECT_EQ(counter[2].length, 2);

    counter[2].word[0] = '\0';
    Calculate_Item_Txt(1, 2);
    EXPECT_EQ(Slot2(), "^" + BOXERS_ICON + ":" + Cells(BOUGHT, 2) + CAN + Cells(OUT, 2) + "_+15.0" + "^" +
                           SPECIAL + ":" + BOUGHT + Cells(OUT, 4) + "_+1");

    counter[2].word[0] = '\0';
    Calculate_Item_Txt(2, 11);  // the text goes to slot 2 whatever the second argument
    EXPECT_EQ(Slot2(), "^" + HELMET_ICON + ":" + Cells(BOUGHT, 3) + Cells(OUT, 2) + "_+8.0" + "^" + SPECIAL +
                           ":" + CAN + Cells(OUT, 4) + "_+0");
    EXPECT_EQ(counter[11].word[0], '\0');
}

TEST_F(ShopTexts, CarriedItemTextStaysInsideItsBarsForStrangeLevels) {
    Give(0, SLOT_HELMET, 0, 5, 0);
    Calculate_Item_Txt(0, 2);
    EXPECT_EQ(Slot2(), "^" + HELMET_ICON + ":" + Cells(BOUGHT, 5) + Cells(OUT, 2) + "_+0.0" + "^" + SPECIAL + ":" +
                           CAN + Cells(OUT, 4) + "_+0");

    // Levels no shop writes (a damaged save): the bars are at most full, the text stays short.
    Give(1, SLOT_BOXERS, 2, 100000, 77);
    Give(2, SLOT_BOXERS, 2, -100000, -5);
    for (int slot : {1, 2}) {
        counter[2].word[0] = '\0';
        Calculate_Item_Txt(slot, 2);
        const std::string text = Slot2();
        EXPECT_LT(text.size(), 40u) << slot;
        EXPECT_EQ(text.rfind("^" + BOXERS_ICON + ":", 0), 0u) << slot;
    }
    EXPECT_NE(Slot2().find(Cells(CAN, 3) + Cells(OUT, 2) + "_+0.0"), std::string::npos);
}

TEST_F(ShopTexts, CarriedItemTextOnlyForWearablesInASlot) {
    Give(0, SLOT_PISTOL, 0);
    Give(1, SLOT_HELMET, 5);  // no such variant
    Give(2, VALUABLE, 3);
    for (int slot : {0, 1, 2, 3, -1, 16}) Calculate_Item_Txt(slot, 2);
    EXPECT_EQ(Slot2(), "");
}

TEST_F(ShopTexts, DefenseByLevel) {
    struct Case { int code, variant, level; float defense; } cases[] = {
        {SLOT_HELMET, 4, 0, 2.0f},  {HELMET, 0, 1, 4.0f},          {HELMET_EQUIPPED, 2, 4, 10.0f},
        {SLOT_HELMET, 1, 5, 0.0f},  {SLOT_HELMET, 1, -1, 0.0f},    {SLOT_HELMET, 5, 0, 0.0f},
        {SLOT_BOXERS, 0, 0, 5.0f},  {BOXERS, 3, 2, 15.0f},         {BOXERS_EQUIPPED, 4, 4, 25.0f},
        {SLOT_BOXERS, 0, 7, 0.0f},  {SLOT_PISTOL, 0, 3, 0.0f},     {0, 0, 0, 0.0f},
    };
    for (const Case& c : cases) {
        Give(3, c.code, c.variant, c.level);
        EXPECT_EQ(GetItemDefense(3), c.defense) << c.code << " " << c.variant << " " << c.level;
    }
    EXPECT_EQ(GetItemDefense(-1), 0.0f);
    EXPECT_EQ(GetItemDefense(16), 0.0f);
}

// ---- Display picture ----

TEST_F(ShopTexts, AmmunitionInBuyAndSellMode) {
    Advance_Ms(500);
    shop[2] = 9;  // Handgun Ammo
    Set_Display_Picture(-1, 2);
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 12);
    EXPECT_EQ(Slot2(), "^50xSmall-arm^rounds_for_use^with_a_pistol.");
    EXPECT_EQ(shop_switch_timer, 510);

    shop_sequence = 1;
    Give(6, PISTOL_AMMO, 37);
    Set_Display_Picture(6, 2);
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 12);
    EXPECT_EQ(Slot2(), "^37xSmall-arm^rounds_for_use^with_a_pistol.");
}

TEST_F(ShopTexts, FirstAidCountOnlyWhenForSale) {
    shop[0] = 66;
    Set_Display_Picture(-1, 0);
    EXPECT_EQ(Slot2(), "^First_aid^recovers_life^anywhere^x25");
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 21);
    shop_sequence = 2;
    Give(0, CAN_O_BEANS, 3);
    Set_Display_Picture(0, 0);
    EXPECT_EQ(Slot2(), "^First_aid^recovers_life^anywhere.");
}

TEST_F(ShopTexts, PicturesAndFixedTexts) {
    struct Case { int code, picture; const char* text; } cases[] = {
        {10, 10, "^25xShotgun^shells_for_use^with_a_shotgun."},
        {7, 14, "^1xBlack_army^stick_grenade."},
        {148, 6, "^A_lovely_silver^watch_still_ticking."},
        {146, 19, "^A_precious^Diamond^worth_quite_alot."},
        {233, 26, "^Makes_the_wearer^Immune_against^fire!"},
        {236, 28, "^Makes_the_wearer^Immune_against^gas!"},
        {143, 15, "^Dirty_magazines^Good_for^decorating_a^tent!"},
        {226, 15, "^Hamlet&s_skull^Good_for^decorating_a^tent!"},
        {232, 15, "^A_Flag^Good_for^decorating_a^tent!"},
        {229, 15, "^A_poster^Good_for^decorating_a^tent!"},
    };
    for (int mode : {0, 1}) {
        shop_sequence = mode;
        for (const Case& c : cases) {
            shop[7] = c.code;
            Give(0, VALUABLE, 25);
            Set_Display_Picture(0, 7);
            EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, c.picture) << c.code;
            if (mode == 0 || c.code > 10) {  // ammunition in sell mode shows the slot's count
                EXPECT_EQ(Slot2(), c.text) << c.code;
            }
        }
    }
}

TEST_F(ShopTexts, WeaponsAndWearablesDescribeTheGoodOrTheCarriedItem) {
    shop[1] = 6;
    shop_s[1] = -2;
    Set_Display_Picture(-1, 1);
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 1);
    EXPECT_EQ(Slot2().rfind("^" + POWER + ":" + Bar(5) + "_+1.0", 0), 0u);
    EXPECT_EQ(counter[2].length, 4);

    // Sell mode: the carried weapon's own statistics.
    shop_sequence = 1;
    Give(4, SLOT_PISTOL, 0, 1);  // Weston with one firepower level
    Set_Display_Picture(4, 1);
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 1);
    EXPECT_NE(Slot2().find("_+1.4"), std::string::npos);

    struct Case { int code, picture; } wearables[] = {{176, 26}, {185, 28}, {187, 26}, {188, 27}, {199, 27}};
    for (const Case& c : wearables) {
        shop[2] = c.code;
        shop_sequence = 0;
        Set_Display_Picture(-1, 2);
        EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, c.picture) << c.code;
        EXPECT_EQ(Slot2().find(Bar(3)), 4u) << c.code;
    }
    shop_sequence = 2;
    Give(9, SLOT_BOXERS, 0, 1, 0);
    shop[2] = 188;
    Set_Display_Picture(9, 2);
    EXPECT_EQ(Slot2(), "^" + BOXERS_ICON + ":" + BOUGHT + Cells(CAN, 2) + Cells(OUT, 2) + "_+10.0" + "^" + SPECIAL +
                           ":" + CAN + Cells(OUT, 4) + "_+0");
}

TEST_F(ShopTexts, UpgradeStepsNameTheValueBeforeAndAfter) {
    shop_sequence = 2;
    Give(2, SLOT_PISTOL, 0);
    struct Case { int code; const char* text; } cases[] = {
        {25, "^Increase_Fire_Power^_1.0_to_1.4"},   // the Weston's first firepower row
        {29, "^Increase_Fire_Power^_2.4_to_3.0"},
        {12, "^Increase_Fire_Power^_0.6_to_0.7"},
        {16, "^Increase_Fire_Power^_1.0_to_1.2"},
        {24, "^Increase_Fire_Rate^_0.13_to_0.12"},
        {31, "^Increase_Fire_Rate^_0.34_to_0.30"},
        {17, "^Decrease_Reload^_2.37_to_2.03"},
        {18, "^Decrease_Reload^_2.03_to_1.57"},
        {32, "^Decrease_Reload^_1.73_to_1.33"},
        {33, "^Increase_Reload^_1.33_to_0.67"},
        {170, "^Increase_Reload^_1.33_to_0.87"},
        {19, "^Increase_Capacity^_30_to_50"},
        {23, "^Increase_Capacity^_120_to_150"},
        {50, "^Increase_Capacity^_14_to_16"},
        {64, "^Increase_Fire_Rate^_0.83_to_0.63"},
        {81, "^Increase_Capacity^_24_to_30"},
        {111, "^Increase_Fire_Power^_5.0_to_5.5"},  // the Combat Shotgun's own ladder
        {117, "^Decrease_Reload^_2.43_to_1.50"},
        {175, "^Increase_Capacity^_28_to_36"},
        {177, "^Increase_Defense^_2.0_to_4.0"},
        {181, "^Increase_Defense^_10.0_to_15.0"},
        {189, "^Increase_Health^_5.0_to_10.0"},
        {193, "^Increase_Health^_25.0_to_30.0"},
        {150, "^Armour_Piercing^Bullets_go_through^armour."},
        {209, "^Unlimited_Ammo^Never_need^ammunition^again!"},
        {157, "^Wide_Shot^Increase_spread^of_pellets_by^25\xC0!"},
        {206, "^Double_Barrel^Fires_two_rounds^instead_of_one."},
        {158, "^Stock^Increases_accuracy^_75\xC0_to_95\xC0"},
        {207, "^Gun_Sight^Enables_headshots^and_footshots!"},
    };
    sprite[SHOP_PICTURE_SPRITE].anim = 22;
    for (const Case& c : cases) {
        shop[4] = c.code;
        Set_Display_Picture(2, 4);
        EXPECT_EQ(Slot2(), c.text) << c.code;
    }
    // No picture for an upgrade row: the picture and the hint's hold stay as they were.
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 22);
    EXPECT_EQ(shop_switch_timer, 0);
}

TEST_F(ShopTexts, WearableSpecialFollowsTheVariant) {
    shop_sequence = 2;
    const std::string texts[5] = {
        "^Frag_Armour^Reduce_Explosive^Damage_by_25" + PERCENT,
        "^Extra_Gold^Enemies_drop^10" + PERCENT + "_extra_gold",
        "^Barbed_Armour^Enemies_take^Damage_when_attacking^at_close_range",
        "^Life_Armour^Increase_Life^by_15" + PERCENT,
        "^Super_Armour^Increase_Defense^by_4.0",
    };
    for (int variant = 0; variant < 5; ++variant) {
        Give(3, SLOT_HELMET, variant);
        shop[0] = 183;
        Set_Display_Picture(3, 0);
        EXPECT_EQ(Slot2(), texts[variant]) << variant;
        Give(3, SLOT_BOXERS, variant);
        shop[0] = 195;
        Set_Display_Picture(3, 0);
        EXPECT_EQ(Slot2(), texts[variant]) << variant;
    }
    Give(3, SLOT_HELMET, 9);
    shop[0] = 183;
    Set_Display_Picture(3, 0);
    EXPECT_EQ(Slot2(), "");
    Set_Display_Picture(-1, 0);
    EXPECT_EQ(Slot2(), "");
}

TEST_F(ShopTexts, RowsWithoutAnEntryLeaveTheSlotEmptyAndThePictureAlone) {
    shop_sequence = 1;
    sprite[SHOP_PICTURE_SPRITE].anim = 23;
    Give(5, APPLE, 0);
    const int silent[] = {140, 4, 5, 82, 124, 65,              // goods without a picture
                          155, 204, 153, 202, 182, 194,        // upgrades without a text
                          97, 109, 156, 205, 83, 96, 154, 203, 125, 138, 159, 208};
    for (int code : silent) {
        Text_Printf(2, "^Old");
        shop[6] = code;
        Set_Display_Picture(5, 6);
        EXPECT_EQ(Slot2(), "") << code;
    }
    EXPECT_EQ(sprite[SHOP_PICTURE_SPRITE].anim, 23);
    EXPECT_EQ(shop_switch_timer, 0);

    Text_Printf(2, "^Old");
    Set_Display_Picture(5, SHOP_ROWS);
    Set_Display_Picture(5, -1);
    EXPECT_EQ(Slot2(), "");
}

} // namespace
