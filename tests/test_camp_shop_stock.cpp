// Shop codes and stock: the goods table and its labels, the sell table, the buy stock by
// story progress, the rank gates of the upgrades and the availability of an upgrade.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "camp/shop_stock.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "main/startup.h"

namespace {

class ShopStockTest : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        std::memset(main_mission, 0, sizeof main_mission);
        current_weapon = current_helmet = current_boot = current_gold = -1;
        current_act = 1;
        player_rank = 0;
        episode = 1;
        game_mode = gmode::front;
    }
    void TearDown() override { Free_Records(); }

    static void Give(int slot, int code, int value, int value1 = 0, int value2 = 0) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
        player_inv_value1[slot] = value1;
        player_inv_value2[slot] = value2;
    }
    static std::vector<int> Stock() { return std::vector<int>(shop, shop + shop_count); }
};

TEST_F(ShopStockTest, GoodsTableLabelsAndPrices) {
    // Every good's label is "^" plus its name padded with dots; most are 25 characters.
    int goods = 0;
    for (int code = 0; code < 300; code++) {
        const shop_good* g = Find_Shop_Good(code);
        if (g == nullptr) continue;
        goods++;
        EXPECT_EQ(g->code, code);
        EXPECT_EQ(g->list_label[0], '^') << code;
        const size_t len = std::strlen(g->list_label);
        const size_t want = (code == 1 || code == 7) ? 26 : (code == 67 || code == 110 || code == 161) ? 24 : code == 82 ? 23 : 25;
        EXPECT_EQ(len, want) << code;
        EXPECT_GE(g->n_calls, 1);
        EXPECT_LE(g->n_calls, 2);
    }
    EXPECT_EQ(goods, 33);
    EXPECT_STREQ(Shop_List_Label(1), "^Enfield Rifle............");
    EXPECT_STREQ(Shop_Upgrade_Label(1), "^Upgrade - Enfield Rifle");
    EXPECT_STREQ(Shop_List_Label(236), "^Gas Mask................");
    EXPECT_STREQ(Shop_Upgrade_Label(199), "^Upgrade - Boxers of Defense");
    EXPECT_STREQ(Shop_Upgrade_Label(9), "^");   // ammunition has no upgrade page
    EXPECT_STREQ(Shop_List_Label(0), "^");
    EXPECT_STREQ(Shop_List_Label(25), "^");     // an upgrade code is no good
    // Codes of the sell list only.
    EXPECT_STREQ(Shop_List_Label(139), "^Brass Watch.............");
    EXPECT_STREQ(Shop_List_Label(210), "^Lantern.................");
    EXPECT_STREQ(Shop_List_Label(229), "^Poster..................");
    EXPECT_STREQ(Shop_List_Label(235), "^Gas Mask................");
    EXPECT_STREQ(Shop_Card_Label(0), "^Card-Lucille...........");
    EXPECT_STREQ(Shop_Card_Label(35), "^Card-Sarah.............");
    EXPECT_STREQ(Shop_Card_Label(36), "^Card....................");
    EXPECT_STREQ(Shop_Card_Label(-1), "^Card....................");

    const int prices[][2] = {{1, 1000}, {4, 3500}, {5, 0}, {6, 500}, {7, 20}, {11, 150}, {65, 1000}, {124, 2400},
                             {187, 450}, {199, 450}, {232, 5000}, {236, 1500}, {25, 0}, {139, 0}};
    for (const auto& p : prices) EXPECT_EQ(Shop_Buy_Price(p[0]), p[1]) << p[0];
}

TEST_F(ShopStockTest, BuyingAGoodAddsItAndItsAmmunition) {
    EXPECT_TRUE(Add_Shop_Good(6));
    EXPECT_TRUE(Has_This_Item(SLOT_PISTOL, 0));
    EXPECT_TRUE(Has_This_Item(PISTOL_AMMO, 50));
    EXPECT_TRUE(Add_Shop_Good(3));
    EXPECT_TRUE(Has_This_Item(SLOT_MACHINEGUN_LEFT, 0));
    EXPECT_TRUE(Has_This_Item(BULLETS, 150));
    EXPECT_TRUE(Add_Shop_Good(186));
    EXPECT_TRUE(Has_This_Item(SLOT_HELMET, 3));
    EXPECT_TRUE(Add_Shop_Good(234));
    EXPECT_TRUE(Has_This_Item(VALUABLE, 29));
    EXPECT_FALSE(Add_Shop_Good(25));
    EXPECT_FALSE(Add_Shop_Good(0));
    EXPECT_EQ(Find_Shop_Good(232)->purchased, 8);
    EXPECT_EQ(Find_Shop_Good(110)->purchased, 2);
    EXPECT_EQ(Find_Shop_Good(82)->purchased, 0);
}

TEST_F(ShopStockTest, RankZeroSellsHandgunAmmoAloneAndOpensTheFirstLevels) {
    Calculate_Shop(0);
    EXPECT_EQ(Stock(), std::vector<int>({9}));
    EXPECT_EQ(shop_s[0], -2);
    for (int g : {upg_weston, upg_luger, upg_training, upg_thompson, upg_farmers, upg_army, upg_enfield})
        EXPECT_EQ(g, 111111);
    EXPECT_EQ(upg_colt, 0);
    EXPECT_EQ(upg_coltk, 0);
    EXPECT_EQ(upg_hunter, 0);
}

TEST_F(ShopStockTest, RankGatesByStep) {
    struct gates {
        int rank, weston, luger, training, thompson, army, enfield;
    };
    const gates table[] = {
        {3, 112222, 111111, 111111, 112212, 111111, 111111},
        {5, 113223, 112222, 111111, 113213, 111111, 112212},
        {7, 115225, 114224, 112222, 115215, 112212, 114214},
        {10, 115225, 115225, 115225, 115215, 115215, 115215},
    };
    for (const gates& t : table) {
        SCOPED_TRACE(t.rank);
        player_rank = t.rank;
        Calculate_Shop(1);  // gates are raised for any shop
        EXPECT_EQ(shop_count, 0);
        EXPECT_EQ(upg_weston, t.weston);
        EXPECT_EQ(upg_luger, t.luger);
        EXPECT_EQ(upg_training, t.training);
        EXPECT_EQ(upg_thompson, t.thompson);
        EXPECT_EQ(upg_farmers, t.thompson);
        EXPECT_EQ(upg_army, t.army);
        EXPECT_EQ(upg_enfield, t.enfield);
        EXPECT_EQ(upg_hunter, 0);
    }
}

TEST_F(ShopStockTest, StockFollowsTheReportedMissionsAndTheAct) {
    struct stage {
        std::vector<int> reported;
        int act;
        std::vector<int> stock;
    };
    const stage table[] = {
        {{1}, 1, {9, 6, 2}},
        {{2}, 1, {9, 6, 2}},
        {{3}, 1, {9, 6, 2, 3, 1}},
        {{3, 4}, 1, {9, 6, 2, 3, 1, 234}},
        {{5}, 1, {9, 6, 2, 3, 1, 234}},
        {{6}, 1, {9, 67, 2, 3, 1, 234, 236}},
        {{6, 1}, 1, {9, 67, 2, 3, 1, 234, 236}},   // the last test that holds decides
        {{}, 3, {9, 161, 110, 3, 1, 234, 236}},
        {{}, 4, {9, 161, 110, 3, 1, 234, 236}},
        {{}, 2, {9}},
    };
    for (const stage& t : table) {
        std::memset(main_mission, 0, sizeof main_mission);
        for (int m : t.reported) main_mission[m] = 3;
        main_mission[7] = 2;  // an accepted mission counts for nothing
        current_act = t.act;
        Calculate_Shop(0);
        EXPECT_EQ(Stock(), t.stock);
        for (int r = 0; r < shop_count; r++) EXPECT_EQ(shop_s[r], shop[r] >= 234 ? 0 : -2);
        for (int r = shop_count; r < SHOP_ROWS; r++) EXPECT_EQ(shop[r], 0);
    }
}

TEST_F(ShopStockTest, HeldValuablesLeaveTheStock) {
    current_act = 3;
    Give(5, VALUABLE, 29);
    Calculate_Shop(0);
    EXPECT_EQ(Stock(), std::vector<int>({9, 161, 110, 3, 1, 236}));
    Give(6, VALUABLE, 30);
    Calculate_Shop(0);
    EXPECT_EQ(Stock(), std::vector<int>({9, 161, 110, 3, 1}));
}

TEST_F(ShopStockTest, SellRows) {
    struct row {
        int item, value, value1;
        bool listed;
        int code, price, marker;
    };
    const row table[] = {
        {SLOT_RIFLE_LEFT, 0, 0, true, 1, 500, -2},
        {SLOT_RIFLE_LEFT, 1, 0, true, 4, 1750, -2},
        {SLOT_RIFLE_LEFT, 2, 0, true, 0, 0, -2},          // Mauser: an empty row
        {SLOT_RIFLE_RIGHT, 0, 0, false, 0, 0, 0},
        {SLOT_PISTOL, 0, 10002, true, 6, 250 + 725, -2},  // with its upgrades
        {SLOT_PISTOL, 3, 0, true, 124, 1200, -2},
        {SLOT_PISTOL, 4, 0, true, 161, 750, -2},
        {SLOT_SHOTGUN_LEFT, 1, 0, true, 110, 750, -2},
        {SLOT_SHOTGUN_RIGHT, 1, 0, false, 0, 0, 0},
        {SLOT_MACHINEGUN_LEFT, 0, 0, true, 3, 500, -2},
        {SLOT_HELMET, 4, 0, true, 187, 450, 0},
        {SLOT_HELMET, 5, 0, true, 0, 0, 0},               // unknown variant: an empty row
        {SLOT_BOXERS, 0, 0, true, 188, 400, 0},
        {GRENADE, 3, 0, true, 7, 60, -2},
        {PISTOL_AMMO, 50, 0, true, 9, 50, 0},
        {SHELLS, 24, 0, true, 10, 72, 0},
        {RIFLE_AMMO, 10, 0, true, 8, 30, 0},
        {BULLETS, 150, 0, true, 11, 150, 0},
        {VALUABLE, 7, 0, true, 146, 500, 0},
        {VALUABLE, 3, 0, true, 141, 5000, 0},
        {VALUABLE, 9, 0, true, 210, 1, 0},
        {VALUABLE, 28, 0, true, 229, 1, 0},
        {VALUABLE, 30, 0, true, 235, 750, 0},
        {VALUABLE, 2, 0, false, 0, 0, 0},
        {VALUABLE, 31, 0, false, 0, 0, 0},
        {CARD, 17, 0, true, 142, 1, 0},
        {WATCH, 2, 0, true, 149, 150, 0},
        {WATCH, 3, 0, false, 0, 0, 0},
        {APPLE, 1, 0, true, 140, 10, 0},
        {CAN_O_BEANS, 25, 0, true, 66, 100, 0},
        {CAN_O_BEANS_INSTANT, 1, 0, true, 65, 1000, 0},
        {GOLD, 500, 0, false, 0, 0, 0},
        {SLOT_MEDAL, 1, 0, false, 0, 0, 0},
        {0, 0, 0, false, 0, 0, 0},
    };
    for (const row& t : table) {
        SCOPED_TRACE(testing::Message() << t.item << "/" << t.value);
        Give(0, t.item, t.value, t.value1);
        int code = -1, price = -1, marker = -1;
        EXPECT_EQ(Shop_Sell_Row(0, code, price, marker), t.listed);
        EXPECT_EQ(code, t.code);
        EXPECT_EQ(price, t.price);
        EXPECT_EQ(marker, t.marker);
    }
    int code, price, marker;
    EXPECT_FALSE(Shop_Sell_Row(-1, code, price, marker));
    EXPECT_FALSE(Shop_Sell_Row(16, code, price, marker));
}

TEST_F(ShopStockTest, StackPricesStayWithinThePriceColumn) {
    int code, price, marker;
    Give(0, RIFLE_AMMO, 2000000000);
    EXPECT_TRUE(Shop_Sell_Row(0, code, price, marker));
    EXPECT_EQ(price, SHOP_PRICE_MAX);
    Give(0, GRENADE, -4);
    EXPECT_TRUE(Shop_Sell_Row(0, code, price, marker));
    EXPECT_EQ(price, 0);
}

TEST_F(ShopStockTest, UpgradeAvailability) {
    player_rank = 3;
    Calculate_Shop(0);
    Give(0, SLOT_PISTOL, 0, 0);         // Weston, nothing bought
    Give(1, SLOT_PISTOL, 0, 12222);     // Weston at its rank-3 gate, special bought
    Give(2, SLOT_PISTOL, 2, 0);         // Colt (82)
    Give(3, SLOT_PISTOL, 3, 0);         // Colt-K
    Give(4, SLOT_RIFLE_LEFT, 1, 0);     // Hunter
    Give(6, SLOT_HELMET, 0, 3, 1);
    Give(7, SLOT_HELMET, 0, 3, 0);
    Give(8, SLOT_BOXERS, 1, 2, 1);
    shop[0] = 6;
    shop[1] = 82;
    shop[2] = 124;
    shop[3] = 4;
    shop[4] = 176;
    shop[5] = 196;
    EXPECT_TRUE(Is_Available(0, 0));
    EXPECT_FALSE(Is_Available(1, 0));
    EXPECT_FALSE(Is_Available(2, 1));
    EXPECT_FALSE(Is_Available(3, 2));
    EXPECT_FALSE(Is_Available(4, 3));
    EXPECT_FALSE(Is_Available(6, 4));
    EXPECT_TRUE(Is_Available(7, 4));
    EXPECT_TRUE(Is_Available(8, 5));
    // The super is available only once the super test passes.
    player_rank = 7;
    Calculate_Shop(0);
    shop[0] = 6;
    Give(1, SLOT_PISTOL, 0, 15225);
    EXPECT_TRUE(Is_Available(1, 0));
    Give(1, SLOT_PISTOL, 0, 115225);
    EXPECT_FALSE(Is_Available(1, 0));
    EXPECT_FALSE(Is_Available(-1, 0));
    EXPECT_FALSE(Is_Available(16, 0));
    EXPECT_FALSE(Is_Available(0, -1));
    EXPECT_FALSE(Is_Available(0, SHOP_ROWS));
}

}  // namespace
