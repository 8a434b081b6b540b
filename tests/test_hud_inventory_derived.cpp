// Derived inventory state: flags, counts, the gold slot, slot and held icons, the player's
// sheet, the rounds row and its low-ammunition blink.
#include "test_hud_inventory_fixture.h"

namespace {

void Set_All_Flags() {
    has_armour_piercing = has_double_barrel = has_stock = has_sight = has_unlimited = true;
    has_wideshot = has_pistol = has_shotgun = has_machine = has_rifle = true;
    has_grenade_equipped = has_pistol_equipped = has_shotgun_equipped = true;
    has_machine_equipped = has_rifle_equipped = has_firevest_equipped = true;
    has_gasmask_equipped = has_thorns = true;
}

} // namespace

TEST_F(InventoryTest, AnEmptyInventoryDerivesNothing) {
    Set_All_Flags();
    INV_RIFLE_COUNT = INV_HEALTH_COUNT = ply_ammo = 9;
    current_gold = 4;
    for (int i = 0; i < 16; ++i) hud[11 + i].alpha = 1.0f;
    animation_fx[15] = 3;
    Calculate_Inventory();
    for (bool f : {has_armour_piercing, has_double_barrel, has_stock, has_sight, has_unlimited, has_wideshot,
                   has_pistol, has_shotgun, has_machine, has_rifle, has_grenade_equipped, has_pistol_equipped,
                   has_shotgun_equipped, has_machine_equipped, has_rifle_equipped, has_firevest_equipped,
                   has_gasmask_equipped, has_thorns})
        EXPECT_FALSE(f);
    for (int n : {INV_RIFLE_COUNT, INV_SHOTGUN_COUNT, INV_MACHINE_COUNT, INV_PISTOL_COUNT, INV_GRENADE_COUNT,
                  INV_HEALTH_COUNT, ply_ammo})
        EXPECT_EQ(n, 0);
    EXPECT_EQ(current_gold, -1);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(hud[11 + i].alpha, 0.0f) << i;
    EXPECT_EQ(sprite[0].id, 15);
    EXPECT_EQ(sprite[0].fx_id, 3);
}

TEST_F(InventoryTest, AmmunitionCountsByFamilyAndForTheWeaponInHand) {
    struct Case {
        const char* what;
        int rifle_model;
        int ammo_slot;     // where the 40 loose rifle rounds lie
        bool pistol_in_hand;
        int rifle_count, ammo;
    };
    const Case cases[] = {
        {"rifle in hand", 0, 10, false, 45, 45},
        {"ammunition before the rifle", 0, 0, false, 45, 45},
        {"pistol in hand", 0, 10, true, 40, 7},
        {"a Mauser-K sees only later ammunition", 3, 10, false, 45, 45},
        {"a Mauser-K misses earlier ammunition", 3, 0, false, 45, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear_Inventory();
        Give(4, SLOT_RIFLE_LEFT, c.rifle_model, 0, 5);
        Give(5, SLOT_RIFLE_RIGHT, c.rifle_model, 0, 5);
        Give(c.ammo_slot, RIFLE_AMMO, 40);
        Give(8, SLOT_PISTOL, 1, 0, 7);
        Give(12, PISTOL_AMMO, 30);
        current_weapon = c.pistol_in_hand ? 8 : 5;
        Calculate_Inventory();
        EXPECT_EQ(INV_RIFLE_COUNT, c.rifle_count);
        EXPECT_EQ(INV_PISTOL_COUNT, c.pistol_in_hand ? 37 : 30);
        EXPECT_EQ(ply_ammo, c.pistol_in_hand ? 37 : c.ammo);
        EXPECT_EQ(has_rifle_equipped, !c.pistol_in_hand);
        EXPECT_TRUE(has_rifle);
        EXPECT_TRUE(has_pistol);
    }
}

TEST_F(InventoryTest, GrenadesHealthAndGoldAreCounted) {
    Give(0, GRENADE, 5);
    Give(1, GRENADE, 3);
    Give(2, CAN_O_BEANS, 25);
    Give(3, FISH, 10);
    Give(9, GOLD, 700);
    Give(10, SHELLS, 12);
    Give(11, BULLETS, 90);
    current_weapon = 1;
    has_grenade = false;
    Calculate_Inventory();
    EXPECT_EQ(INV_GRENADE_COUNT, 8);
    EXPECT_EQ(ply_ammo, 8);
    EXPECT_TRUE(has_grenade_equipped);
    EXPECT_TRUE(has_grenade);
    EXPECT_EQ(INV_HEALTH_COUNT, 35);
    EXPECT_EQ(current_gold, 9);
    EXPECT_EQ(INV_SHOTGUN_COUNT, 12);
    EXPECT_EQ(INV_MACHINE_COUNT, 90);
    // has_grenade is kept once set.
    Clear_Inventory();
    Calculate_Inventory();
    EXPECT_TRUE(has_grenade);
}

TEST_F(InventoryTest, SpecialsOfTheWeaponInHand) {
    struct Case {
        const char* what;
        int left, right, model, value1;
        bool* flag_special;
        bool* flag_super;
    };
    const Case cases[] = {
        {"weston", SLOT_PISTOL, 0, 0, 110000, &has_armour_piercing, &has_unlimited},
        {"colt 4", SLOT_PISTOL, 0, 4, 110000, &has_armour_piercing, &has_unlimited},
        {"luger", SLOT_PISTOL, 0, 1, 110000, nullptr, nullptr},
        {"farmers", SLOT_SHOTGUN_LEFT, SLOT_SHOTGUN_RIGHT, 0, 110000, &has_wideshot, &has_double_barrel},
        {"combat", SLOT_SHOTGUN_LEFT, SLOT_SHOTGUN_RIGHT, 1, 110000, nullptr, nullptr},
        {"machine", SLOT_MACHINEGUN_LEFT, SLOT_MACHINEGUN_RIGHT, 0, 110000, &has_stock, &has_sight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int which = 0; which < 3; ++which) { // none, special only, super only
            Clear_Inventory();
            const int value1 = which == 0 ? 0 : which == 1 ? 10000 : 100000;
            Give(0, c.left, c.model, value1);
            if (c.right) Give(1, c.right, c.model, value1);
            current_weapon = c.right ? 1 : 0;
            Calculate_Inventory();
            if (c.flag_special) { EXPECT_EQ(*c.flag_special, which == 1) << which; }
            if (c.flag_super) { EXPECT_EQ(*c.flag_super, which == 2) << which; }
            EXPECT_EQ(GUN_SPECIAL, which == 1);
            EXPECT_EQ(GUN_SPECIAL2, which == 2);
        }
    }
    Clear_Inventory();
    Give(0, SLOT_RIFLE_LEFT, 1);
    Give(1, SLOT_RIFLE_RIGHT, 1);
    current_weapon = 1;
    Calculate_Inventory();
    EXPECT_TRUE(has_armour_piercing); // every rifle pierces
    EXPECT_FALSE(has_unlimited);
}

TEST_F(InventoryTest, WornThornsAndCarriedVestAndMask) {
    Give(0, SLOT_HELMET, 2, 0, 1);
    Give(1, SLOT_BOXERS, 2, 0, 1);
    Give(2, VALUABLE, 29);
    Give(3, VALUABLE, 30);
    Calculate_Inventory();
    EXPECT_FALSE(has_thorns); // neither is worn
    EXPECT_TRUE(has_firevest_equipped);
    EXPECT_TRUE(has_gasmask_equipped);
    current_boot = 1;
    Calculate_Inventory();
    EXPECT_TRUE(has_thorns);
    current_boot = -1;
    current_helmet = 0;
    player_inv_value2[0] = 0; // no special bought
    Calculate_Inventory();
    EXPECT_FALSE(has_thorns);
    Remove_Item(VALUABLE, 30, -1, false); // sold: the flag goes at the next call
    EXPECT_FALSE(has_gasmask_equipped);
    EXPECT_TRUE(has_firevest_equipped);
}

TEST_F(InventoryTest, SlotIconsByCodeValueAndWhetherWornOrInHand) {
    struct Case {
        int code, value, value1;
        bool in_use;
        int anim;
    };
    const Case cases[] = {
        {SLOT_RIFLE_LEFT, 0, 0, false, 9},   {SLOT_RIFLE_LEFT, 2, 0, false, 24},
        {SLOT_RIFLE_RIGHT, 0, 0, false, 10}, {SLOT_RIFLE_RIGHT, 0, 0, true, 11},
        {SLOT_RIFLE_RIGHT, 3, 0, true, 26},  {SLOT_SHOTGUN_RIGHT, 1, 0, true, 51},
        {SLOT_SHOTGUN_LEFT, 1, 0, false, 49}, {SLOT_MACHINEGUN_RIGHT, 0, 0, true, 57},
        {SLOT_PISTOL, 0, 0, false, 12},      {SLOT_PISTOL, 3, 0, true, 28},
        {SLOT_PISTOL, 4, 0, true, 72},       {SLOT_HELMET, 2, 0, true, 75},
        {SLOT_HELMET, 4, 0, false, 17},      {SLOT_BOXERS, 5, 0, true, 33},
        {SLOT_BOXERS, 1, 0, false, 19},      {SLOT_MEDAL, 3, 2, true, 22},
        {GRENADE, 12, 0, false, 97},         {GRENADE, 11, 0, true, 41},
        {CAN_O_BEANS, 25, 0, false, 7},      {FISH, 10, 0, false, 34},
        {CARD, 4, 0, false, 61},             {WATCH, 2, 0, false, 70},
        {BOOK, 75, 1, false, 42},            {BOOK, 75, 0, false, 29},
        {VALUABLE, 7, 0, false, 67},         {VALUABLE, 28, 0, false, 96},
        {VALUABLE, 30, 0, false, 69},        {VALUABLE, 40, 0, false, 0},
        {GOLD, 249, 0, false, 1},            {GOLD, 250, 0, false, 2},
        {GOLD, 1000, 0, false, 3},           {RIFLE_AMMO, 6, 0, false, 4},
        {RIFLE_AMMO, 50, 0, false, 6},       {BULLETS, 17, 0, false, 59},
        {BULLETS, 200, 0, false, 60},        {SHELLS, 8, 0, false, 52},
        {SHELLS, 80, 0, false, 54},          {PISTOL_AMMO, 11, 0, false, 15},
        {PISTOL_AMMO, 120, 0, false, 16},    {77, 0, 0, false, 0},
    };
    for (const Case& c : cases) {
        Clear_Inventory();
        Give(6, c.code, c.value, c.value1);
        if (c.in_use) {
            if (c.code == SLOT_HELMET) current_helmet = 6;
            else if (c.code == SLOT_BOXERS) current_boot = 6;
            else if (c.code == SLOT_MEDAL) current_medal = 6;
            else current_weapon = 6;
        }
        Calculate_Inventory();
        EXPECT_EQ(hud[17].anim, c.anim) << "code " << c.code << " value " << c.value;
        EXPECT_EQ(hud[17].alpha, 1.0f);
        EXPECT_EQ(hud[17].anim_state, ANIM_LOOP);
    }
}

TEST_F(InventoryTest, TheHeldItemReplacesThePointer) {
    struct Case {
        int code, value, left, right;
    };
    const Case cases[] = {
        {RIFLE, 2, 24, 25},      {RIFLE_EQUIPPED, 1, 9, 10}, {SHOTGUN_EQUIPPED, 1, 49, 50},
        {MACHINEGUN, 0, 55, 56}, {PISTOL, 4, 71, -1},        {HELMET_EQUIPPED, 4, 30, -1},
        {STICK_GRENADE, 12, 97, -1}, {BOXERS, 5, 19, -1},    {MEDAL_EQUIPPED, 0, 21, -1},
        {GOLD, 499999, 2, -1},   {GOLD, 999999, 3, -1},      {SHELLS, 80, 54, -1},
    };
    for (const Case& c : cases) {
        mouse_grabbed = true;
        mouse_inv = c.code;
        mouse_inv_value = c.value;
        Calculate_Inventory();
        EXPECT_EQ(hud[1].alpha, 0.0f);
        EXPECT_EQ(hud[27].alpha, 1.0f);
        EXPECT_EQ(hud[27].anim, c.left) << c.code;
        EXPECT_EQ(hud[28].alpha, c.right == -1 ? 0.0f : 1.0f) << c.code;
        if (c.right != -1) { EXPECT_EQ(hud[28].anim, c.right) << c.code; }
    }
    mouse_grabbed = false;
    Calculate_Inventory();
    EXPECT_EQ(hud[1].alpha, 1.0f);
    EXPECT_EQ(hud[27].alpha, 0.0f);
    EXPECT_EQ(hud[28].alpha, 0.0f);
}

TEST_F(InventoryTest, ThePlayersSheetFollowsTheWeaponInHand) {
    struct Case {
        int code, next, texture;
    };
    const Case cases[] = {
        {SLOT_RIFLE_RIGHT, -1, 16}, {SLOT_SHOTGUN_RIGHT, -1, 16}, {SLOT_MACHINEGUN_RIGHT, -1, 31},
        {SLOT_PISTOL, -1, 17},      {SLOT_PISTOL, 101, 17},       {GRENADE, -1, 15},
        {SLOT_PISTOL, 4, 15},       {CARD, -1, 15},
    };
    for (int i = 0; i < 40; ++i) animation_fx[i] = i + 100;
    for (const Case& c : cases) {
        Give(3, c.code, 0);
        current_weapon = 3;
        next_weapon = c.next;
        Calculate_Inventory();
        EXPECT_EQ(sprite[0].id, c.texture) << c.code << " next " << c.next;
        EXPECT_EQ(sprite[0].fx_id, c.texture + 100);
    }
    player_in_water = true; // wading keeps the wading sheet
    sprite[0].id = 40;
    Calculate_Inventory();
    EXPECT_EQ(sprite[0].id, 40);
}

TEST_F(InventoryTest, EquippedSlotsThatNameNoSlotMeanNothingEquipped) {
    Give(0, SLOT_PISTOL, 0, 0, 5);
    current_weapon = 16;
    current_helmet = -5;
    current_boot = 99;
    current_medal = 1000;
    Calculate_Inventory();
    EXPECT_EQ(current_weapon, -1);
    EXPECT_EQ(current_helmet, -1);
    EXPECT_EQ(current_boot, -1);
    EXPECT_EQ(current_medal, -1);
    EXPECT_FALSE(has_pistol_equipped);
    EXPECT_EQ(sprite[0].id, 15);
    current_weapon = 77;
    Calculate_Bullets();
    for (int k = 7; k <= 10; ++k) EXPECT_EQ(hud[k].alpha, 0.0f);
}

// ---- The rounds row ----

TEST_F(InventoryTest, TheRoundsRowShowsGroupsOfFour) {
    struct Case {
        int code, loaded;
        int anims[4]; // -1 hidden
    };
    const Case cases[] = {
        {SLOT_RIFLE_RIGHT, 7, {4, 5, -1, -1}},
        {SLOT_RIFLE_RIGHT, 0, {-1, -1, -1, -1}},
        {SLOT_MACHINEGUN_RIGHT, 20, {16, 16, 16, 16}},
        {SLOT_SHOTGUN_RIGHT, 14, {8, 8, 8, 10}},
        {SLOT_PISTOL, 1, {3, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        Give(2, c.code, 0, 0, c.loaded);
        current_weapon = 2;
        flash_bullets = true;
        bullet_alpha = 1.0f;
        Calculate_Bullets();
        EXPECT_FALSE(flash_bullets);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(hud[7 + k].alpha, c.anims[k] == -1 ? 0.0f : 1.0f) << c.loaded << " group " << k;
            if (c.anims[k] != -1) { EXPECT_EQ(hud[7 + k].anim, c.anims[k]) << c.loaded << " group " << k; }
        }
    }
    // Wading shows no rounds.
    player_in_water = true;
    Calculate_Bullets();
    for (int k = 7; k <= 10; ++k) EXPECT_EQ(hud[k].alpha, 0.0f);
}

TEST_F(InventoryTest, GrenadesShowOneByOne) {
    Give(2, GRENADE, 3);
    current_weapon = 2;
    bullet_alpha = 0.0f; // a blink phase: shown items take it
    player_in_water = true; // grenades show while wading
    Calculate_Bullets();
    EXPECT_EQ(hud[7].anim, 15);
    EXPECT_EQ(hud[8].anim, 14);
    EXPECT_EQ(hud[9].anim, 13);
    EXPECT_EQ(hud[10].alpha, 0.0f);
    bullet_alpha = 1.0f;
    player_inv_value[2] = 9;
    Calculate_Bullets();
    for (int k = 7; k <= 10; ++k) EXPECT_EQ(hud[k].alpha, 1.0f);
    EXPECT_EQ(hud[10].anim, 12);
}

TEST_F(InventoryTest, LowAmmunitionBlinksTheRow) {
    struct Case {
        int code, model, value1, loose_code, loose;
        bool low;
    };
    const Case cases[] = {
        {SLOT_MACHINEGUN_RIGHT, 0, 0, BULLETS, 8, true},   {SLOT_MACHINEGUN_RIGHT, 0, 0, BULLETS, 9, false},
        {SLOT_SHOTGUN_RIGHT, 0, 0, SHELLS, 2, true},       {SLOT_SHOTGUN_RIGHT, 0, 0, SHELLS, 3, false},
        {SLOT_RIFLE_RIGHT, 0, 0, RIFLE_AMMO, 1, true},     {SLOT_RIFLE_RIGHT, 0, 0, RIFLE_AMMO, 2, false},
        {SLOT_PISTOL, 1, 0, PISTOL_AMMO, 4, true},         {SLOT_PISTOL, 1, 0, PISTOL_AMMO, 5, false},
        {SLOT_PISTOL, 0, 100000, PISTOL_AMMO, 0, false}, // unlimited Weston
        {GRENADE, 1, 0, 0, 0, true},                       {GRENADE, 2, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        Clear_Inventory();
        Give(1, c.code, c.model, c.value1, c.code == GRENADE ? 0 : 2); // two rounds loaded
        if (c.loose_code) Give(5, c.loose_code, c.loose);
        current_weapon = 1;
        bullet_alpha = 1.0f;
        bullet_flash = false;
        bullet_flash_timer = 0;
        Advance_Ms(1);
        Calculate_Bullet_Flash();
        EXPECT_EQ(flash_bullets, c.low) << c.code << " " << c.loose;
        EXPECT_EQ(bullet_alpha, c.low ? 0.0f : 1.0f) << c.code << " " << c.loose;
    }
    // The phase flips each time 150 ms have passed.
    Clear_Inventory();
    Give(1, SLOT_RIFLE_RIGHT, 0, 0, 0);
    current_weapon = 1;
    bullet_flash = false;
    Advance_Ms(1);
    Calculate_Bullet_Flash();
    EXPECT_EQ(bullet_alpha, 0.0f);
    EXPECT_EQ(bullet_flash_timer, Now() + 150);
    Advance_Ms(150);
    Calculate_Bullet_Flash();
    EXPECT_EQ(bullet_alpha, 0.0f);
    Advance_Ms(1);
    Calculate_Bullet_Flash();
    EXPECT_EQ(bullet_alpha, 1.0f);
    EXPECT_EQ(bullet_flash_timer, Now() + 150);
    // Outside walk scenes nothing is recomputed.
    game_mode = MODE_FRONT;
    trace.clear();
    Calculate_Bullet_Flash();
    EXPECT_EQ(Count("Calculate_Inventory"), 0);
}

TEST_F(InventoryTest, TheFrontEndCountsOnlyLooseAmmunition) {
    Give(0, SLOT_PISTOL, 0, 0, 9);
    Give(1, PISTOL_AMMO, 30);
    Give(2, GRENADE, 4);
    Give(3, RIFLE_AMMO, 5);
    Give(4, SHELLS, 6);
    Give(5, BULLETS, 7);
    Give(6, APPLE, 15);
    current_weapon = 0;
    INV_HEALTH_COUNT = 50;
    Calculate_Inventory_Front();
    EXPECT_EQ(INV_PISTOL_COUNT, 30);
    EXPECT_EQ(INV_GRENADE_COUNT, 4);
    EXPECT_EQ(INV_RIFLE_COUNT, 5);
    EXPECT_EQ(INV_SHOTGUN_COUNT, 6);
    EXPECT_EQ(INV_MACHINE_COUNT, 7);
    EXPECT_EQ(INV_HEALTH_COUNT, 0);
}
