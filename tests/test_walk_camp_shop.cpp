// The camp's trading post and card table as generated, played through the real frame loop on
// the virtual clock with clicks: the player comes from the camp, buys a pistol and its
// ammunition, sells a watch, upgrades the pistol and goes back to the camp; the upgrade shop
// opens on its list; a hand of twenty-one is dealt, played and paid, and the player leaves
// the table. No message box at any point.
//
// The conversation pages in between (the shopkeeper's 1/27, the upgrade dealer's 1/29 and
// the dealer's 1/3) play their conversations on the way; a page the content does not hold
// yet is stood in for by the camp page's files, the layout every conversation page shares.
#include "support/played_game.h"

#include <string>

#include "camp/camp.h"
#include "camp/shop_screen.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/inventory.h"
#include "scripts/card_table.h"
#include "scripts/scripts.h"

namespace {

class Camp_Shop : public PlayedGame {
protected:
    void SetUp() override {
        PlayedGame::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        namespace fs = std::filesystem;
        for (int page : {3, 27, 29}) {
            const std::string to = "scene/episode1/scene" + std::to_string(page);
            if (fs::exists(to + ".dat")) continue;
            for (const char* ext : {".txd", ".pt", ".nde", ".txt", ".dat"})
                fs::copy_file("scene/episode1/scene5" + std::string(ext), to + ext);
        }
    }

    // A new game in the camp (episode 2 scene 0) at spawn 30, carrying only `gold` and, in
    // slot 15, a silver watch.
    void Enter_Camp_With(int gold) {
        Enter_Camp(30);
        for (int s = 0; s < 16; ++s) player_inv[s] = player_inv_value[s] = player_inv_value1[s] = player_inv_value2[s] = 0;
        current_weapon = current_helmet = current_boot = current_grenade = current_gold = -1;
        Calculate_Item(gold, GOLD, -1, 0, -1);
        player_inv[15] = WATCH;
        player_inv_value[15] = 1;
    }

    // The request a hub object makes for a conversation page (episode 1, `page`), and the
    // page's conversation played to its close, answered with `choice` (1 accept, 2 decline)
    // where it asks.
    static void Through_Page(int page, int intro_type, int choice = 0) {
        shop_intro_type = intro_type;
        episode = 1;
        scene = page;
        next_scene = true;
        Play_Page(page, choice);
    }
    // The page's conversation runs on its own once the page has faded in; a question waits
    // for the accept (sprite 0) or decline (sprite 6) button.
    static void Play_Page(int page, int choice) {
        ASSERT_TRUE(Run_Until([page] { return In(1, page); }, 5000)) << "page 1/" << page << Box_Texts();
        ASSERT_TRUE(Run_Until(
            [page, choice] {
                if (decision == 3 && choice != 0) Click_On(sprite[choice == 1 ? 0 : 6]);
                return !In(1, page);
            },
            60000))
            << "the conversation of page 1/" << page << " did not end";
    }
    // A click on a screen's way out (`o`), which leads to the page `page`, played as above.
    static void Leave_Through_Page(const object& o, int page, int choice = 0) {
        Click_On(o);
        Play_Page(page, choice);
    }

    static void Click_At(float x, float y) { Click(View_X(x), View_Y(y)); }
    // A click on the middle of a scene sprite or a HUD item.
    static void Click_On(const object& o) { Click_At(o.w + o.box_width / 2, o.z + o.box_height / 2); }
    static void Click_Row(int k) { Click_On(sprite[7 + k]); }
    static void Confirm() {
        ASSERT_EQ(hud[2].alpha, 1.0f) << "no message box";
        Click_On(hud[40]);
        Run(100);
    }
    static int Gold() { return current_gold == -1 ? 0 : player_inv_value[current_gold]; }
    static int Slot_Of(int code) {
        for (int s = 0; s < 16; ++s)
            if (player_inv[s] == code) return s;
        return -1;
    }
    static int Carried(int code) {
        int n = 0;
        for (int s = 0; s < 16; ++s)
            if (player_inv[s] == code) n += player_inv_value[s];
        return n;
    }
    // Back in the camp at the spawn point the page sent the player to.
    void Expect_In_Camp_At(int spawn) {
        EXPECT_EQ(current_spawn, spawn);
        ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK && p1_id != -1; }, 8000))
            << "now at " << episode << "/" << scene << Box_Texts();
        // The camp's own description places its spawn points; where this one stands, the
        // player stands on it.
        if (spawn < no_points && points[spawn].c1 == CAM_P1) {
            EXPECT_NEAR(PX(), points[spawn].x, 0.06f);
            EXPECT_NEAR(PY(), points[spawn].y, 0.06f);
        }
    }
};

TEST_F(Camp_Shop, BuySellAndUpgradeThenBackToTheCamp) {
    ASSERT_TRUE(gl_);
    Enter_Camp_With(2000);
    main_mission[1] = 3; // the first mission reported: the stock holds the pistol
    // The shopkeeper (hub object 46) opens his page; its close opens the buy shop.
    Through_Page(27, 0);
    ASSERT_TRUE(Run_Until([] { return In(1, 7) && title_sequence > 0; }, 5000)) << Box_Texts();
    EXPECT_EQ(Level, level_code::LVL_SHOP);
    EXPECT_EQ(shop_sequence, 0);
    ASSERT_EQ(shop_count, 3);
    EXPECT_EQ(shop[0], 9); // Handgun Ammo
    EXPECT_EQ(shop[1], 6); // Weston Pistol
    // Each of the eight rows lies on its line of the names column.
    for (int k = 0; k < 8; ++k) {
        const float line = counter[0].y - (k + 1) * (counter[0].height + 0.05f);
        EXPECT_NEAR(sprite[7 + k].z + sprite[7 + k].box_height / 2, line, 0.01f) << "row " << k;
    }
    Pointer(View_X(0.3f), View_Y(sprite[8].z + 0.04f)); // over the pistol: its picture
    Run(100);
    EXPECT_EQ(sprite[20].anim, 1);
    Shot("shop_buy");

    // Buy the pistol, then a box of its ammunition.
    Click_Row(1);
    EXPECT_EQ(hud[2].anim, 0);
    Shot("shop_confirm");
    Confirm();
    EXPECT_EQ(hud[2].alpha, 0.0f);
    const int pistol = Slot_Of(SLOT_PISTOL);
    ASSERT_NE(pistol, -1) << "no pistol bought";
    EXPECT_EQ(player_inv_value[pistol], 0); // the Weston model
    EXPECT_EQ(Carried(PISTOL_AMMO), 50);
    EXPECT_EQ(Gold(), 1500);
    EXPECT_EQ(purchased, 1);
    Click_Row(1); // sold out until the Buy button is clicked again
    EXPECT_EQ(hud[2].alpha, 0.0f);
    Click_Row(0);
    Confirm();
    EXPECT_EQ(Carried(PISTOL_AMMO), 100);
    EXPECT_EQ(Gold(), 1450);

    // Sell the watch: the pistol, then the ammunition, then the watch.
    Click_On(sprite[3]);
    ASSERT_EQ(shop_sequence, 1);
    Run(50);
    ASSERT_EQ(shop[2], 148) << "the silver watch's row";
    Click_Row(2);
    EXPECT_EQ(hud[2].anim, 6);
    Confirm();
    EXPECT_EQ(player_inv[15], 0);
    EXPECT_EQ(Gold(), 1550);
    Shot("shop_sell");

    // Upgrade the pistol's firepower one level: its page, then the first ladder row.
    Click_On(sprite[4]);
    ASSERT_EQ(shop_sequence, 2);
    Run(50);
    Click_Row(0);
    ASSERT_EQ(tune_up_page, pistol);
    Run(50);
    EXPECT_EQ(sprite[19].alpha, 1.0f); // the page's back button
    EXPECT_EQ(shop[0], 25);            // Firepower level 1
    EXPECT_EQ(shop_price[0], 200);
    Shot("shop_upgrade_page");
    Click_Row(0);
    Confirm();
    EXPECT_EQ(player_inv_value1[pistol] % 10, 1);
    EXPECT_EQ(Gold(), 1350);
    Click_On(sprite[19]);
    EXPECT_EQ(tune_up_page, -1);

    // Leave: the shopkeeper's parting words, then the camp at spawn 12.
    Leave_Through_Page(sprite[2], 27);
    EXPECT_EQ(shop_intro_type, 1);
    Expect_In_Camp_At(12);
    EXPECT_EQ(Gold(), 1350);
    EXPECT_EQ(player_inv[pistol], SLOT_PISTOL);
    EXPECT_EQ(player_inv_value1[pistol] % 10, 1);
    EXPECT_EQ(Carried(PISTOL_AMMO), 100);
    EXPECT_EQ(Slot_Of(WATCH), -1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Camp_Shop, ARefusedPurchaseAndACancelledSaleChangeNothing) {
    Enter_Camp_With(300);
    main_mission[1] = 3;
    Through_Page(27, 0);
    ASSERT_TRUE(Run_Until([] { return In(1, 7) && title_sequence > 0; }, 5000)) << Box_Texts();
    Click_Row(1); // the pistol, 500 gold
    EXPECT_EQ(hud[2].alpha, 1.0f);
    EXPECT_EQ(hud[2].anim, 8); // not enough gold
    Shot("shop_no_gold");
    Confirm();
    EXPECT_EQ(hud[2].alpha, 0.0f);
    Click_On(sprite[3]);
    Run(50);
    Click_Row(0); // the watch
    EXPECT_EQ(hud[2].anim, 6);
    Click_On(hud[41]); // cancel
    Run(50);
    EXPECT_EQ(hud[2].alpha, 0.0f);
    EXPECT_EQ(Gold(), 300);
    EXPECT_EQ(Slot_Of(SLOT_PISTOL), -1);
    EXPECT_EQ(player_inv[15], WATCH);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Camp_Shop, TheUpgradeShopOpensOnItsListAndLeadsBackToTheCamp) {
    Enter_Camp_With(1000);
    Calculate_Item(0, 9, -1, 0, -1); // a Weston Pistol to upgrade
    // The upgrade dealer (hub object 48) opens his page; its close opens the upgrade shop.
    Through_Page(29, 0);
    ASSERT_TRUE(Run_Until([] { return In(1, 30) && title_sequence > 0; }, 5000)) << Box_Texts();
    EXPECT_EQ(Level, level_code::LVL_SHOP);
    EXPECT_EQ(shop_sequence, 2);
    EXPECT_FALSE(sprite[4].grab_switch);
    EXPECT_EQ(shop[0], 6); // the pistol's row in the list
    Run(600);              // faded in
    Shot("shop_upgrade_list");
    Leave_Through_Page(sprite[2], 29);
    Expect_In_Camp_At(9);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Camp_Shop, AHandOfTwentyOneIsDealtPlayedAndPaid) {
    ASSERT_TRUE(gl_);
    Enter_Camp_With(500);
    // The dealer's page, accepted, sends the player to the table.
    Through_Page(3, 0, 1);
    ASSERT_TRUE(Run_Until([] { return In(1, 4); }, 5000)) << Box_Texts();
    Run(500);
    EXPECT_EQ(bet_size, 100);
    for (int i = 0; i < no_sprites; ++i) { // every place's card lies empty before a deal
        if (sprite[i].type == fe_type::FE_CARD) {
            EXPECT_EQ(sprite[i].anim, 0) << "card " << i;
        }
    }
    Shot("cards_waiting");

    Click_On(sprite[19]); // raise the bet to 150
    EXPECT_EQ(bet_size, 150);
    std::srand(7);
    Click_On(sprite[0]); // deal
    ASSERT_TRUE(Run_Until([] { return title_sequence == 6; }, 6000)) << "the deal did not reach the player's turn";
    int shown = 0;
    for (int i = 0; i < no_sprites; ++i)
        if (sprite[i].type == fe_type::FE_CARD && sprite[i].sector_action > 0) {
            EXPECT_EQ(sprite[i].anim, sprite[i].sector_action);
            ++shown;
        }
    EXPECT_EQ(shown, 3); // two for the player, one for the dealer
    EXPECT_EQ(sprite[5].alpha, 1.0f);
    Shot("cards_dealt");

    const bool natural = Calculate_Cards(players_cards, players_aces, true) == 101;
    Click_On(sprite[4]); // stay
    ASSERT_TRUE(Run_Until([] { return title_sequence == 9; }, 15000)) << "no result";
    Run(300);
    Shot("cards_result");
    switch (win_game) {
    case 0: EXPECT_EQ(Gold(), 500 + (natural ? 150 * 15 / 10 : 150)); break;
    case 1: EXPECT_EQ(Gold(), 500 - 150); break;
    default: EXPECT_EQ(Gold(), 500); break;
    }
    const int after = Gold();
    ASSERT_TRUE(Run_Until([] { return title_sequence == 0; }, 5000));
    Run(200);

    // Leave the table: the dealer's page again, then the camp.
    Leave_Through_Page(sprite[4], 3, 2); // quit
    Expect_In_Camp_At(14);
    EXPECT_EQ(Gold(), after);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
