// The shop screen: the first frame of each shop, the mode buttons, the row table with its
// names and price columns, scrolling, buying, selling and upgrading through the message box,
// and the refusals (no gold, no room) that must leave gold and inventory as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/camp.h"
#include "camp/shop_screen.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/weapons.h"
#include "main/startup.h"
#include "scripts/scripts.h"
#include "support/scene_start.h"
#include "support/virtual_clock.h"

namespace {

class ShopScreen : public ::testing::Test {
protected:
    void SetUp() override {
        Start_Front_Scene(1, 7);
        no_sprites = 25;
        camX = camY = 0.0f;
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        std::memset(main_mission, 0, sizeof main_mission);
        current_weapon = current_helmet = current_boot = current_grenade = -1;
        current_act = 1;
        player_rank = 0;
        shop_id = 0;
        // Buttons, arrows and the back button in a column at x 10..30; the rows at x 0.
        Box(0, 10, 0);
        Box(2, 10, 2);
        Box(3, 10, 4);
        Box(4, 10, 6);
        sprite[4].grab_switch = true;
        Box(15, 20, 0);
        Box(16, 20, 2);
        sprite[15].grab_switch = sprite[16].grab_switch = true;
        Box(19, 30, 0);
        for (int k = 0; k < 8; k++) Box(7 + k, 0, 2.0f * k);
        sprite[18].y = 0.5f;
        sprite[17].y = -0.46f;
        for (int h : {40, 41}) {
            hud[h].w = h == 40 ? 50.0f : 52.0f;
            hud[h].z = 0.0f;
            hud[h].box_width = hud[h].box_height = 1.0f;
        }
        Give(0, GOLD, 1000);
        current_gold = 0;
        Away();
    }
    void TearDown() override { Free_Records(); }

    static void Box(int i, float x, float y) {
        sprite[i].w = x;
        sprite[i].z = y;
        sprite[i].box_width = sprite[i].box_height = 1.0f;
        sprite[i].alpha = 1.0f;
    }
    static void Give(int slot, int code, int value, int value1 = 0, int value2 = 0) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
        player_inv_value1[slot] = value1;
        player_inv_value2[slot] = value2;
    }
    static void Away() {
        mouseX = mouseY = -100.0f;
        hud_mouseX = hud_mouseY = -100.0f;
        mouseleft = false;
        mousewheel = 0;
    }
    static void Frame(int kind = 0) { Run_Shop(1, kind); }
    static void Hover(int i) {
        mouseX = sprite[i].w + 0.5f;
        mouseY = sprite[i].z + 0.5f;
    }
    static void Click(int i, int kind = 0) {
        Hover(i);
        mouseleft = true;
        Frame(kind);
    }
    static void Click_Row(int k, int kind = 0) { Click(7 + k, kind); }
    static void Click_Box(int h, int kind = 0) {
        Away();
        hud_mouseX = hud[h].w + 0.5f;
        hud_mouseY = hud[h].z + 0.5f;
        mouseleft = true;
        Frame(kind);
    }
    static bool Box_Shown() { return hud[2].alpha == 1.0f; }
    static std::string Text(int t) { return counter[t].word; }
    static std::string Lines(std::initializer_list<const char*> first, int total = 8) {
        std::string s;
        int n = 0;
        for (const char* l : first) {
            s += l;
            n++;
        }
        for (; n < total; n++) s += "^";
        return s;
    }
    static int Gold() { return current_gold == -1 ? 0 : player_inv_value[current_gold]; }
};

TEST_F(ShopScreen, FirstFrameOfTheBuyShop) {
    // State left over from an earlier visit.
    shop_sold[0][0] = shop_sold[3][7] = true;
    shop_sequence = 1;
    shop_row = 5;
    tune_up_page = 3;
    message_type = 2;
    bump_timer = 77;
    Frame();
    EXPECT_EQ(title_sequence, 1);
    EXPECT_EQ(shop_sequence, 0);
    EXPECT_EQ(shop_row, 0);
    EXPECT_EQ(tune_up_page, -1);
    EXPECT_EQ(message_type, 0);
    EXPECT_EQ(bump_timer, -1);
    EXPECT_FALSE(shop_sold[0][0]);
    EXPECT_FALSE(shop_sold[3][7]);
    EXPECT_FLOAT_EQ(base_height, 0.5f);
    EXPECT_EQ(sprite[6].anim, 0);
    // Rank 0 with nothing reported: Handgun Ammo alone.
    EXPECT_EQ(shop_count, 1);
    EXPECT_EQ(Text(0), Lines({"^Handgun Ammo............"}));
    EXPECT_EQ(Text(1), Lines({"^___50G"}));
    EXPECT_EQ(Text(3), "1000G");
    EXPECT_EQ(Text(2), "^Hmmm_...What^should_I_buy?");
    EXPECT_EQ(sprite[20].anim, 22);
    EXPECT_FLOAT_EQ(counter[1].x, 0.65f);
    EXPECT_FLOAT_EQ(counter[2].width, 0.018f);
    EXPECT_FLOAT_EQ(counter[3].height, 0.048f);
    // Later frames do not run the first frame's resets again.
    shop_sold[0][0] = true;
    Frame();
    EXPECT_TRUE(shop_sold[0][0]);
}

TEST_F(ShopScreen, FirstFrameOfTheUpgradeShop) {
    scene = 30;
    sprite[0].grab_switch = sprite[2].grab_switch = sprite[3].grab_switch = false;
    for (int m = 21; m <= 24; m++) sprite[m].alpha = 1.0f;
    player_rank = 3;
    Frame(1);
    EXPECT_EQ(shop_sequence, 2);
    EXPECT_TRUE(sprite[0].grab_switch);
    EXPECT_TRUE(sprite[2].grab_switch);
    EXPECT_TRUE(sprite[3].grab_switch);
    EXPECT_FALSE(sprite[4].grab_switch);
    for (int m = 21; m <= 24; m++) EXPECT_EQ(sprite[m].alpha, 0.0f) << m;
    EXPECT_EQ(upg_weston, 112222);  // the gates were raised on entry
    EXPECT_EQ(Text(2), "^Select_a_weapon^or_item_to^upgrade.");
    EXPECT_EQ(Text(1), "");  // the upgrade list has no price column
    EXPECT_EQ(sprite[6].anim, 2);
}

TEST_F(ShopScreen, ModeButtonsCaptionsSoundsAndClicks) {
    Frame();
    struct button_case {
        int sprite;
        const char* caption;
        int box_code;
        bool left;
    } cases[] = {{0, "Buy_Item", 0, true}, {2, "Return^to_camp", 1, false}, {3, "Sell_Item", 0, true},
                 {4, "Upgrade^Item", 1, true}};
    for (const button_case& c : cases) {
        SCOPED_TRACE(c.caption);
        Away();
        Frame();
        radio_sfx = false;
        Hover(c.sprite);
        Frame();
        EXPECT_EQ(Text(5), c.caption);
        EXPECT_EQ(counter[5].length, c.box_code);
        EXPECT_EQ(msg_left, c.left);
        EXPECT_EQ(sprite[c.sprite].anim, 1);
        EXPECT_TRUE(radio_sfx);
        radio_sfx = false;
        Frame();  // one hover sound per entry
        EXPECT_FALSE(radio_sfx);
        Away();
        Frame();
        EXPECT_EQ(sprite[c.sprite].anim, 0);
        EXPECT_EQ(Text(5), "");
    }

    Click(3);
    EXPECT_EQ(shop_sequence, 1);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_FALSE(mouseleft);
    Click(4);
    EXPECT_EQ(shop_sequence, 2);
    EXPECT_FALSE(sprite[4].grab_switch);
    // Without its grab_switch the upgrade button takes no hover.
    Away();
    Frame();
    radio_sfx = false;
    Hover(4);
    Frame();
    EXPECT_EQ(Text(5), "");
    EXPECT_FALSE(radio_sfx);
    shop_sold[0][0] = true;
    shop_row = 3;
    Click(0);
    EXPECT_EQ(shop_sequence, 0);
    EXPECT_FALSE(shop_sold[0][0]);
    EXPECT_EQ(shop_row, 0);
}

TEST_F(ShopScreen, ReturnButtonLeavesForTheCampPage) {
    for (int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        next_scene = false;
        title_sequence = 0;
        shop_intro_type = 0;
        Frame(kind);
        shop_row = 4;
        Click(2, kind);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, kind == 0 ? 27 : 29);
        EXPECT_EQ(shop_intro_type, 1);
        EXPECT_TRUE(switch_n_sfx);
        EXPECT_EQ(shop_row, 0);
        // The screen does nothing while the scene change is pending.
        title_sequence = 0;
        Frame(kind);
        EXPECT_EQ(title_sequence, 0);
    }
}

TEST_F(ShopScreen, BuyingAWeaponBringsItsAmmunition) {
    main_mission[3] = 3;  // stock stage 2: 9, 6, 2, 3, 1
    Give(0, GOLD, 3000);
    Frame();
    ASSERT_EQ(shop_count, 5);
    EXPECT_EQ(Text(1), Lines({"^___50G", "^__500G", "^__750G", "^_1000G", "^_1000G"}));

    Click_Row(1);  // Weston Pistol, 500
    EXPECT_TRUE(Box_Shown());
    EXPECT_EQ(hud[2].anim, 0);
    EXPECT_EQ(message_type, 1);
    EXPECT_EQ(the_item, 8);
    EXPECT_EQ(the_index, 1);
    EXPECT_EQ(hud[40].alpha, 1.0f);

    // While the box is up the buttons, rows and arrows do nothing.
    Click(3);
    EXPECT_EQ(shop_sequence, 0);
    Click_Row(2);
    EXPECT_EQ(the_index, 1);
    Hover(15);
    mousewheel = 2;
    Frame();
    EXPECT_EQ(shop_row, 0);

    cash_sfx = false;
    purchased = 0;
    Click_Box(40);
    EXPECT_FALSE(Box_Shown());
    EXPECT_TRUE(click_sfx);
    EXPECT_TRUE(cash_sfx);
    EXPECT_EQ(purchased, 1);
    EXPECT_EQ(Gold(), 2500);
    EXPECT_TRUE(shop_sold[0][1]);
    EXPECT_NE(bump_timer, -1);
    EXPECT_FALSE(sprite[8].grab_switch);
    EXPECT_TRUE(Has_This_Item(SLOT_PISTOL, 0));
    EXPECT_EQ(Get_Number_Of_Item(PISTOL_AMMO, 50, -1, false), 1);

    // The sold-out row is dimmed and ignores clicks until the Buy button clears the flags.
    Click_Row(1);
    EXPECT_FALSE(Box_Shown());
    EXPECT_FLOAT_EQ(counter[3].width, 0.018f);  // the counter is enlarged for 200 ms
    Away();
    Frame();
    EXPECT_EQ(sprite[8].anim, 1);
    Advance_Ms(201);
    Frame();
    EXPECT_EQ(bump_timer, -1);
    Frame();
    EXPECT_FLOAT_EQ(counter[3].width, 0.016f);

    Click(0);
    Click_Row(3);  // Thompson Machinegun, 1000
    Click_Box(40);
    EXPECT_EQ(purchased, 4);
    EXPECT_EQ(Gold(), 1500);
    EXPECT_TRUE(Has_This_Item(SLOT_MACHINEGUN_LEFT, 0));
    EXPECT_EQ(Get_Number_Of_Item(BULLETS, 150, -1, false), 1);
}

TEST_F(ShopScreen, BuyingWithTheLastGoldEmptiesTheGoldSlot) {
    main_mission[1] = 3;  // stock stage 1: 9, 6, 2
    Give(0, GOLD, 500);
    Frame();
    Click_Row(1);
    Click_Box(40);
    EXPECT_EQ(player_inv_value[0], 0);
    Frame();
    EXPECT_EQ(current_gold, -1);
    EXPECT_EQ(player_inv[0], 0);
    EXPECT_EQ(Text(3), "0G");
    // Without gold every priced row gets the not-enough-gold message.
    Click_Row(0);
    EXPECT_TRUE(Box_Shown());
    EXPECT_EQ(hud[2].anim, 8);
    EXPECT_EQ(message_type, 0);
}

TEST_F(ShopScreen, NotEnoughGoldBuysNothing) {
    main_mission[1] = 3;
    Give(0, GOLD, 499);
    Frame();
    Click_Row(1);
    EXPECT_EQ(hud[2].anim, 8);
    EXPECT_EQ(message_type, 0);
    Click_Box(40);
    EXPECT_FALSE(Box_Shown());
    EXPECT_EQ(Gold(), 499);
    EXPECT_FALSE(Has_This_Item(SLOT_PISTOL, 0));
    // Cancel closes a confirmation without buying.
    Click_Row(0);
    EXPECT_EQ(message_type, 1);
    Click_Box(41);
    EXPECT_FALSE(Box_Shown());
    EXPECT_EQ(Gold(), 499);
}

TEST_F(ShopScreen, APurchaseStandsOnTheGoodAlone) {
    main_mission[1] = 3;
    for (int s = 1; s < 16; s++) Give(s, WATCH, 0);
    Frame();
    Click_Row(1);  // Weston Pistol
    Click_Box(40);
    EXPECT_TRUE(Box_Shown());
    EXPECT_EQ(hud[2].anim, 7);
    EXPECT_EQ(message_type, 3);
    EXPECT_EQ(hud[40].alpha, 1.0f);
    EXPECT_EQ(Gold(), 1000);
    EXPECT_FALSE(shop_sold[0][1]);
    Click_Box(40);
    EXPECT_FALSE(Box_Shown());

    // No room for the pistol: its ammunition is not given either, not even onto a stack.
    Give(15, PISTOL_AMMO, 10);
    Click_Row(1);
    Click_Box(40);
    EXPECT_EQ(message_type, 3);
    EXPECT_EQ(player_inv_value[15], 10);
    EXPECT_EQ(Gold(), 1000);
    Click_Box(40);

    // Room for the pistol but none for its ammunition: the purchase stands on the pistol.
    Give(15, 0, 0);
    purchased = 0;
    Click_Row(1);
    Click_Box(40);
    EXPECT_FALSE(Box_Shown());
    EXPECT_EQ(player_inv[15], SLOT_PISTOL);
    EXPECT_EQ(Gold(), 500);
    EXPECT_EQ(purchased, 1);
    EXPECT_TRUE(shop_sold[0][1]);
    for (int s = 0; s < 16; s++) EXPECT_NE(player_inv[s], PISTOL_AMMO) << s;
}

TEST_F(ShopScreen, SellListOrderLabelsAndPrices) {
    Give(1, WATCH, 2);
    Give(2, CARD, 2);
    Give(3, VALUABLE, 5);
    Give(4, SLOT_RIFLE_LEFT, 0);
    Give(5, SLOT_RIFLE_RIGHT, 0);
    Give(6, SLOT_HELMET, 1);
    Give(7, GRENADE, 3);
    Give(8, MEDAL, 0);       // cannot be sold
    Give(9, VALUABLE, 1);    // cannot be sold
    Give(10, PISTOL_AMMO, 37);
    Frame();
    Click(3);
    Away();
    Frame();
    const int want[] = {1, 184, 7, 9, 144, 142, 149};
    ASSERT_EQ(shop_count, 7);
    for (int r = 0; r < 7; r++) EXPECT_EQ(shop[r], want[r]) << r;
    EXPECT_EQ(shop_slot[0], 4);
    EXPECT_EQ(shop_s[0], -2);
    const std::string names = std::string(Shop_List_Label(1)) + Shop_List_Label(184) + Shop_List_Label(7) +
                              Shop_List_Label(9) + Shop_List_Label(144) + Shop_Card_Label(2) + Shop_List_Label(149) + "^";
    EXPECT_EQ(Text(0), names);
    EXPECT_NE(names.find("^Card-Audrie"), std::string::npos);
    EXPECT_EQ(Text(1), Lines({"^__500G", "^__400G", "^___60G", "^___37G", "^__200G", "^____1G", "^__150G"}));
    EXPECT_EQ(Text(2), "^Hmmm_...What^should_I_sell?");
}

TEST_F(ShopScreen, SellingTheEquippedRifle) {
    Give(4, SLOT_RIFLE_LEFT, 1);
    Give(5, SLOT_RIFLE_RIGHT, 1);
    current_weapon = 5;
    Give(6, WATCH, 0);
    Frame();
    Click(3);
    Click_Row(0);  // Hunter Rifle: half of 3500
    EXPECT_EQ(hud[2].anim, 6);
    EXPECT_EQ(message_type, 2);
    Click_Box(40);
    EXPECT_TRUE(cash_sfx);
    EXPECT_EQ(current_weapon, -1);
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(player_inv[5], 0);
    EXPECT_EQ(Gold(), 2750);

    // Without a gold slot the price goes into the first free slot.
    Give(0, 0, 0);
    current_gold = -1;
    Away();
    Frame();
    Click_Row(0);  // the watch, 100
    Click_Box(40);
    ASSERT_EQ(current_gold, 0);
    EXPECT_EQ(player_inv[0], GOLD);
    EXPECT_EQ(player_inv_value[0], 100);
    EXPECT_EQ(player_inv[6], 0);
}

TEST_F(ShopScreen, ScrollingByWheelAndHeldArrow) {
    Frame();
    pick_up_sfx = false;
    Away();
    for (int k = 0; k < 30; k++) {
        mousewheel = 2;
        Frame();
        Advance_Ms(126);
    }
    EXPECT_EQ(shop_row, 24);
    EXPECT_FALSE(pick_up_sfx);  // the wheel steps silently
    EXPECT_FLOAT_EQ(sprite[18].y, -0.46f);  // the thumb stands at the end of its track
    mousewheel = 0;

    // A held click on the up arrow steps once every 125 ms and is not used up.
    Hover(16);
    mouseleft = true;
    Frame();
    EXPECT_EQ(shop_row, 23);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_TRUE(mouseleft);
    Advance_Ms(125);
    Frame();
    EXPECT_EQ(shop_row, 23);
    Advance_Ms(1);
    Frame();
    EXPECT_EQ(shop_row, 22);
    for (int k = 0; k < 30; k++) {
        Advance_Ms(126);
        Frame();
    }
    EXPECT_EQ(shop_row, 0);
    EXPECT_FLOAT_EQ(sprite[18].y, 0.5f);

    // An arrow without its grab_switch does not scroll.
    sprite[15].grab_switch = false;
    Away();
    mousewheel = 2;
    Advance_Ms(126);
    Frame();
    EXPECT_EQ(shop_row, 0);
}

TEST_F(ShopScreen, UpgradeListPageAndPurchase) {
    scene = 30;
    Give(1, SLOT_PISTOL, 0);           // Weston, no upgrades
    Give(2, SLOT_HELMET, 0, 3, 1);     // a helmet with nothing left to buy
    Frame(1);
    Away();
    Frame(1);
    ASSERT_EQ(shop_count, 2);
    EXPECT_EQ(shop[0], 6);
    EXPECT_EQ(shop[1], 176);
    EXPECT_EQ(Text(0), Lines({"^Upgrade - Weston Pistol", "^Upgrade - Fire Vest"}));
    EXPECT_EQ(sprite[8].anim, 1);  // the helmet's row is dimmed
    EXPECT_EQ(sprite[19].alpha, 0.0f);

    // A dimmed row still opens its page; the page shows no markers for finished lines.
    Click_Row(1, 1);
    EXPECT_EQ(tune_up_page, 2);
    Away();
    Frame(1);
    EXPECT_EQ(shop_price[0], -101);
    EXPECT_EQ(sprite[21].alpha, 0.0f);
    EXPECT_EQ(sprite[19].alpha, 1.0f);
    // On an open page neither the wheel nor the arrows scroll.
    mousewheel = 2;
    Advance_Ms(200);
    Frame(1);
    EXPECT_EQ(shop_row, 0);
    mousewheel = 0;
    pick_up_sfx = false;
    Click(19, 1);
    EXPECT_EQ(tune_up_page, -1);
    EXPECT_TRUE(pick_up_sfx);

    Click_Row(0, 1);
    EXPECT_EQ(tune_up_page, 1);
    Away();
    Frame(1);
    ASSERT_EQ(shop_count, 5);
    const int codes[] = {25, 30, 32, 34, 150};
    for (int r = 0; r < 5; r++) EXPECT_EQ(shop[r], codes[r]) << r;
    EXPECT_EQ(Text(1), Lines({"^__200G", "^__150G", "^__150G", "^__200G", "^_1000G"}));
    EXPECT_NE(Text(11).find("^LVL1"), std::string::npos);
    for (int m = 21; m <= 24; m++) EXPECT_EQ(sprite[m].alpha, 1.0f) << m;

    Click_Row(0, 1);  // Firepower 1 for 200
    EXPECT_EQ(message_type, 1);
    Click_Box(40, 1);
    EXPECT_EQ(Get_Bit_Shift(1, 1), 1);
    EXPECT_EQ(Gold(), 800);
    EXPECT_FALSE(shop_sold[0][0]);  // upgrades never sell out
    // At rank 0 the gate stops Firepower at level 1: the line is finished.
    Frame(1);
    EXPECT_EQ(shop[0], 0);
    EXPECT_EQ(shop_price[0], -101);
    EXPECT_EQ(sprite[21].alpha, 0.0f);
}

TEST_F(ShopScreen, PageMarkersShowBesideBuyableRowsOnlyTheFirstForWearables) {
    scene = 30;
    struct page {
        const char* what;
        int code, variant, value1, value2;
        float want[4];  // alpha of sprites 21..24
    };
    const page pages[] = {
        {"new Weston: five rows to buy", SLOT_PISTOL, 0, 0, 0, {1, 1, 1, 1}},
        {"new helmet: ladder and special", SLOT_HELMET, 1, 0, 0, {1, 0, 0, 0}},
        {"new boxers: ladder and special", SLOT_BOXERS, 2, 1, 0, {1, 0, 0, 0}},
        {"helmet at the top, special left", SLOT_HELMET, 0, 3, 0, {0, 0, 0, 0}},
        {"Weston with Firepower finished at rank 0", SLOT_PISTOL, 0, 1, 0, {0, 1, 1, 1}},
    };
    for (const page& p : pages) {
        SCOPED_TRACE(p.what);
        title_sequence = 0;
        Give(1, p.code, p.variant, p.value1, p.value2);
        Frame(1);
        tune_up_page = 1;
        for (int m = 21; m <= 24; m++) sprite[m].alpha = 1.0f;
        // The lead marker's blink: the other three follow its frame and animation step.
        sprite[21].frame = 5;
        sprite[21].cur = 2;
        Away();
        Frame(1);
        for (int m = 21; m <= 24; m++) {
            EXPECT_EQ(sprite[m].alpha, p.want[m - 21]) << "sprite " << m;
            EXPECT_EQ(sprite[m].frame, 5) << "sprite " << m;
            EXPECT_EQ(sprite[m].cur, 2) << "sprite " << m;
        }
    }
    // Outside the upgrade mode only the last two markers are put out.
    scene = 7;
    title_sequence = 0;
    for (int m = 21; m <= 24; m++) sprite[m].alpha = 1.0f;
    Frame(0);
    Frame(0);
    const float want[4] = {1, 1, 0, 0};
    for (int m = 21; m <= 24; m++) EXPECT_EQ(sprite[m].alpha, want[m - 21]) << "sprite " << m;
}

TEST_F(ShopScreen, OutOfRangeStateIsMendedNotRead) {
    Frame();
    shop_row = 100;
    tune_up_page = 40;
    shop_sequence = 7;
    shop_id = 50;
    Hover(14);
    mouseleft = true;
    Frame();
    EXPECT_EQ(shop_row, 24);
    EXPECT_EQ(tune_up_page, -1);
    EXPECT_EQ(shop_sequence, 0);

    // A long gun's left half in the last slot: selling it touches nothing past the slots.
    shop_id = 0;
    shop_row = 0;
    Give(15, SLOT_SHOTGUN_LEFT, 0);
    Give(14, PISTOL_AMMO, 5);
    Click(3);
    Away();
    Frame();
    ASSERT_EQ(shop[0], 2);
    Click_Row(0);
    Click_Box(40);
    EXPECT_EQ(player_inv[15], 0);
    EXPECT_EQ(player_inv[14], PISTOL_AMMO);
    EXPECT_EQ(Gold(), 1375);

    // A rifle's left half whose neighbour is another item: only the rifle goes.
    Give(4, SLOT_RIFLE_LEFT, 0);
    Give(5, WATCH, 1);
    Away();
    Frame();
    Click_Row(0);
    Click_Box(40);
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(player_inv[5], WATCH);
}

TEST_F(ShopScreen, GoldSpentBeforeTheConfirmationIsNotTakenTwice) {
    main_mission[1] = 3;
    Frame();
    Click_Row(1);  // Weston Pistol, 500, with 1000 carried
    EXPECT_EQ(message_type, 1);
    player_inv_value[0] = 300;  // the gold changed while the box was up
    Click_Box(40);
    EXPECT_EQ(Gold(), 300);
    EXPECT_FALSE(Has_This_Item(SLOT_PISTOL, 0));
    EXPECT_EQ(message_type, 0);
    EXPECT_EQ(hud[2].anim, 8);
}

} // namespace
