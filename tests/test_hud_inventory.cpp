// The inventory: item codes, stacks and their caps, long guns in two slots, food eaten at
// once, values and animations of new ground items, and collecting a ground item.
#include <cstdlib>

#include "test_hud_inventory_fixture.h"

namespace {

struct slot_state {
    int code, value;
};

} // namespace

// ---- Stacks and caps ----

TEST_F(InventoryTest, StacksFillInSlotOrderUpToTheirCaps) {
    struct Case {
        const char* what;
        int code, amount;
        std::vector<slot_state> before;
        bool fill_rest;
        bool taken;
        std::vector<slot_state> after; // slots 0.. in order
        int ground_left;               // value the ground item keeps
    };
    const Case cases[] = {
        {"rifle rounds over two stacks", RIFLE_AMMO, 10, {{2, 45}, {2, 10}}, false, true, {{2, 50}, {2, 15}}, 10},
        {"shells with no free slot", SHELLS, 30, {{36, 70}}, true, false, {{36, 80}}, 20},
        {"a full stack is passed over", BULLETS, 5, {{41, 200}, {41, 3}}, false, true, {{41, 200}, {41, 8}}, 5},
        {"grenades to the cap", STICK_GRENADE, 1, {{29, 11}}, false, true, {{29, 12}}, 1},
        {"a further grenade opens a slot", STICK_GRENADE, 1, {{29, 12}}, false, true, {{29, 12}, {29, 1}}, 1},
        {"a grenade marker slot is rewritten", STICK_GRENADE, 2, {{30, 3}}, false, true, {{29, 5}}, 2},
        {"gold beyond the cap opens a slot", GOLD, 20, {{1, 999990}}, false, true, {{1, 999999}, {1, 11}}, 20},
        {"gold beyond the cap, no room: rest lost", GOLD, 20, {{1, 999990}}, true, true, {{1, 999999}}, 20},
        // A free slot takes the whole amount: caps bound merging only.
        {"a new stack may pass its cap", PISTOL_AMMO, 150, {}, false, true, {{13, 150}, {0, 0}}, 150},
        {"pistol rounds, one slot left", PISTOL_AMMO, 150, {{13, 120}, {0, 0}}, true, true, {{13, 120}, {13, 150}}, 150},
        {"shells past a full stack, one slot left", SHELLS, 90, {{36, 75}, {0, 0}}, true, true, {{36, 80}, {36, 85}}, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear_Inventory();
        no_fx = 0;
        old_message = -1;
        switch_sfx = false;
        if (c.fill_rest) Fill_Free_Slots();
        // Listed slots are set after the fill, so a listed empty slot stays the one free slot.
        for (std::size_t i = 0; i < c.before.size(); ++i) Give((int)i, c.before[i].code, c.before[i].value);
        const int g = Ground(c.code, c.amount);
        EXPECT_EQ(Calculate_Item(c.amount, c.code, g, 0, 0), c.taken);
        for (std::size_t i = 0; i < c.after.size(); ++i) {
            EXPECT_EQ(player_inv[i], c.after[i].code) << "slot " << i;
            EXPECT_EQ(player_inv_value[i], c.after[i].value) << "slot " << i;
        }
        EXPECT_EQ(Fx[g].turn_off, c.taken);
        if (!c.taken) {
            EXPECT_EQ(old_message, INVFULL);
            EXPECT_EQ(Fx[g].value, c.ground_left);
            EXPECT_TRUE(switch_sfx); // part went into stacks
        } else {
            EXPECT_NE(old_message, INVFULL);
        }
    }
}

TEST_F(InventoryTest, GoldSetsTheGoldSlotAndCodesWithoutCapNeverMerge) {
    Give(0, CARD, 3);
    EXPECT_TRUE(Calculate_Item(500, GOLD, -1, 0, 0));
    EXPECT_EQ(current_gold, 1);
    EXPECT_TRUE(Calculate_Item(7, CARD, -1, 0, 0));
    EXPECT_TRUE(Calculate_Item(1, WATCH, -1, 0, 0));
    EXPECT_TRUE(Calculate_Item(1, WATCH, -1, 0, 0));
    const int expected[] = {CARD, GOLD, CARD, WATCH, WATCH};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(player_inv[i], expected[i]) << i;
    EXPECT_EQ(player_inv_value[2], 7);
}

// ---- Long guns and pistols ----

TEST_F(InventoryTest, LongGunsNeedTwoFreeSlotsSideBySideInOneRow) {
    struct Case {
        std::vector<int> free;
        int left; // -1: not taken
    };
    const Case cases[] = {
        {{3, 4}, -1},       // 3 is a last column; 4's neighbour is taken
        {{2, 3}, 2},        // the right half may stand in a last column
        {{15}, -1},         // the very last slot never holds a left half
        {{7, 8, 11, 12}, -1},
        {{5, 9, 10}, 9},
        {{14, 15}, 14},
    };
    for (const Case& c : cases) {
        Clear_Inventory();
        Fill_Free_Slots();
        for (int f : c.free) Give(f, 0, 0);
        int before[16];
        std::memcpy(before, player_inv, sizeof before);
        const bool taken = Calculate_Item(0, RIFLE, -1, 0, 0);
        EXPECT_EQ(taken, c.left != -1) << "first free " << c.free[0];
        if (c.left == -1) {
            EXPECT_EQ(0, std::memcmp(before, player_inv, sizeof before));
        } else {
            EXPECT_EQ(player_inv[c.left], SLOT_RIFLE_LEFT);
            EXPECT_EQ(player_inv[c.left + 1], SLOT_RIFLE_RIGHT);
        }
    }
}

TEST_F(InventoryTest, WeaponsGetTheirCodesSuperDigitAndAFullMagazine) {
    struct Case {
        int code, model, value1, value2;
        int left, right;
        int expect_value1, expect_loaded;
    };
    const Case cases[] = {
        {RIFLE, 0, -1, -1, SLOT_RIFLE_LEFT, SLOT_RIFLE_RIGHT, 100000, 6},
        {RIFLE, 1, 0, -1, SLOT_RIFLE_LEFT, SLOT_RIFLE_RIGHT, 0, 10},
        {SHOTGUN, 1, 1000, -1, SLOT_SHOTGUN_LEFT, SLOT_SHOTGUN_RIGHT, 1000, 9},
        {MACHINEGUN, 0, 0, 17, SLOT_MACHINEGUN_LEFT, SLOT_MACHINEGUN_RIGHT, 0, 17},
        {PISTOL, 0, -1, -1, SLOT_PISTOL, 0, 100000, 10},
        {PISTOL, 4, 0, -1, SLOT_PISTOL, 0, 0, 12},
    };
    for (const Case& c : cases) {
        Clear_Inventory();
        ASSERT_TRUE(Calculate_Item(c.model, c.code, -1, c.value1, c.value2)) << c.code;
        EXPECT_EQ(player_inv[0], c.left);
        EXPECT_EQ(player_inv[1], c.right);
        const int halves = c.right == 0 ? 1 : 2;
        for (int i = 0; i < halves; ++i) {
            EXPECT_EQ(player_inv_value[i], c.model) << c.code;
            EXPECT_EQ(player_inv_value1[i], c.expect_value1) << c.code;
            EXPECT_EQ(player_inv_value2[i], c.expect_loaded) << c.code;
        }
    }
}

TEST_F(InventoryTest, StaleValuesOfAnEmptiedSlotDoNotLeakIntoANewItem) {
    player_inv_value[0] = 40; // code 0: empty, but a value was left behind
    player_inv_value1[0] = 5;
    ASSERT_TRUE(Calculate_Item(1, PISTOL, -1, 0, 3));
    EXPECT_EQ(player_inv_value[0], 1);
    EXPECT_EQ(player_inv_value1[0], 0);
    EXPECT_EQ(player_inv_value2[0], 3);
}

// ---- Food, gun parts and unknown codes ----

TEST_F(InventoryTest, FoodThatHealsAtOnceNeverEntersASlot) {
    struct Case {
        int code, heal;
        bool* sound;
    };
    const Case cases[] = {{CAN_O_BEANS_INSTANT, 60, &beans_sfx}, {APPLE, 15, &apple_sfx}, {BREAD, 30, &apple_sfx}};
    for (const Case& c : cases) {
        sprite[0].score = 30;
        *c.sound = false;
        ply_pickup_target = 4;
        const int g = Ground(c.code, c.heal);
        EXPECT_TRUE(Calculate_Item(c.heal, c.code, g, 0, 0));
        EXPECT_EQ(sprite[0].score, std::min(30 + c.heal, PLY_VITALITY)) << c.code;
        EXPECT_TRUE(*c.sound);
        EXPECT_TRUE(Fx[g].turn_off);
        EXPECT_EQ(ply_pickup_target, -1);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(player_inv[i], 0);
    }
    EXPECT_EQ(no_fx, 3); // no sparkle follows food
    EXPECT_TRUE(Calculate_Item(5, GOLD_APPLE, -1, 0, 0));
    EXPECT_EQ(old_message, MSG_GOLDAPPLE);
}

TEST_F(InventoryTest, StoredBeansAlwaysHold25AndGunPartsTakeNoSlot) {
    EXPECT_TRUE(Calculate_Item(99, CAN_O_BEANS, -1, 4, 4));
    EXPECT_EQ(player_inv[0], CAN_O_BEANS);
    EXPECT_EQ(player_inv_value[0], 25);
    EXPECT_EQ(player_inv_value1[0], 0);
    EXPECT_EQ(player_inv_value2[0], 0);
    current_scrap = 2;
    Fill_Free_Slots();
    EXPECT_TRUE(Calculate_Item(3, GUN_PARTS, -1, 0, 0));
    EXPECT_EQ(current_scrap, 5);
}

TEST_F(InventoryTest, CodesOutsideThePickupTableAreNeverTaken) {
    for (int code : {0, 6, 8, 12, 24, 29, 46, -1, 1000}) {
        const int g = Ground(code, 5);
        EXPECT_FALSE(Calculate_Item(5, code, g, 0, 0)) << code;
        EXPECT_FALSE(Fx[g].turn_off);
    }
    for (int i = 0; i < 16; ++i) EXPECT_EQ(player_inv[i], 0);
}

// ---- Feedback of a ground item ----

TEST_F(InventoryTest, ATakenGroundItemSparklesAndSounds) {
    const int g = Ground(GOLD, 250);
    ply_pickup_target = g;
    EXPECT_TRUE(Calculate_Item(250, GOLD, g, 0, 0));
    EXPECT_TRUE(coins1_sfx);
    EXPECT_EQ(ply_pickup_target, -1);
    ASSERT_EQ(no_fx, 2);
    const object& s = Fx[1];
    EXPECT_EQ(s.type, GFX);
    EXPECT_EQ(s.id, 27);
    EXPECT_EQ(s.linked_sprite, g);
    EXPECT_FLOAT_EQ(s.width, 0.05f);
    EXPECT_EQ(Count("Calculate_Inventory"), 1);

    // Outside walk scenes only the item itself is settled: taken, or left with the rest.
    game_mode = MODE_FRONT;
    switch_sfx = false;
    const int h = Ground(RIFLE_AMMO, 5);
    EXPECT_TRUE(Calculate_Item(5, RIFLE_AMMO, h, 0, 0));
    EXPECT_TRUE(Fx[h].turn_off);
    EXPECT_FALSE(switch_sfx);
    EXPECT_EQ(no_fx, 3);
}

TEST_F(InventoryTest, AnIndexThatNamesNoEffectNeverTouchesTheEffects) {
    for (int index : {-1, 5, 250, -7}) {
        Clear_Inventory();
        EXPECT_TRUE(Calculate_Item(3, RIFLE_AMMO, index, 0, 0));
        EXPECT_EQ(player_inv_value[0], 3);
        Fill_Free_Slots();
        EXPECT_FALSE(Calculate_Item(3, WATCH, index, 0, 0));
    }
    EXPECT_EQ(no_fx, 0);
}

TEST_F(InventoryTest, RemoveHasAndCountMatchByCodeAndValues) {
    Give(0, VALUABLE, 8, 0);
    Give(1, VALUABLE, 9, 0);
    Give(2, VALUABLE, 8, 1);
    Give(3, VALUABLE, 8, 0);
    EXPECT_TRUE(Has_This_Item(VALUABLE, 9));
    EXPECT_FALSE(Has_This_Item(VALUABLE, -1)); // no wildcard here
    EXPECT_EQ(Get_Number_Of_Item(VALUABLE, 8, -1, false), 3);
    EXPECT_EQ(Get_Number_Of_Item(VALUABLE, -1, 0, false), 3);
    Remove_Item(VALUABLE, 8, 0, false);
    EXPECT_EQ(player_inv[0], 0);
    EXPECT_EQ(player_inv[3], VALUABLE);
    Remove_Item(VALUABLE, -1, -1, true);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(player_inv[i], 0) << i;
    EXPECT_EQ(Count("Calculate_Inventory"), 2); // walk mode rebuilds the derived state
}

// ---- Values and animations of new ground items ----

TEST_F(InventoryTest, GeneratedValuesByCodeAndRank) {
    struct Case {
        int code, rank, value;
    };
    const Case cases[] = {
        {GOLD, 1, 250},   {RIFLE_AMMO, 1, 1}, {CAN_O_BEANS, 2, 25}, {CAN_O_BEANS_INSTANT, 2, 60},
        {RIFLE, 1, 0},    {RIFLE, 4, 3},      {RIFLE, 5, 0},        {RIFLE, 2, 1},
        {PISTOL, 5, 4},   {PISTOL, 6, 0},     {PISTOL, 2, 1},       {SHOTGUN, 2, 1},
        {SHOTGUN, 3, 0},  {PISTOL_AMMO, 1, 6}, {APPLE, 1, 15},      {BOOK, 1, 75},
        {FISH, 1, 10},    {WATCH, 1, 0},      {STICK_GRENADE, 1, 1}, {VALUABLE, 1, 1},
        {SHELLS, 1, 2},   {MACHINEGUN, 1, 0}, {BULLETS, 1, 10},     {GOLD_APPLE, 1, 5},
        {GUN_PARTS, 1, 1}, {BREAD, 1, 30},    {HELMET, 2, 0},       {BOXERS, 2, 0},
        {12, 1, 0},       {99, 1, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Generate_Item(c.code, c.rank), c.value) << c.code << " rank " << c.rank;
    PLY_GOLD_PERCENT = 15;
    EXPECT_EQ(Generate_Item(GOLD, 1), 287);
    for (int k = 0; k < 50; ++k) {
        const int medal = Generate_Item(MEDAL, 3), card = Generate_Item(CARD, 1);
        EXPECT_TRUE(medal >= 3 && medal <= 7) << medal;
        EXPECT_TRUE(card >= 0 && card <= 11) << card;
    }
}

TEST_F(InventoryTest, GroundAnimationsByCodeAndValue) {
    struct Case {
        int code, value, value1, anim;
    };
    const Case cases[] = {
        {GOLD, 5, 0, 13},     {RIFLE_AMMO, 1, 0, 16}, {CAN_O_BEANS, 25, 0, 17}, {4, 60, 0, 17},
        {PISTOL_AMMO, 6, 0, 21}, {APPLE, 15, 0, 6},   {FISH, 10, 0, 27},        {STICK_GRENADE, 1, 0, 38},
        {MEDAL, 2, 0, 5},     {SHELLS, 2, 0, 31},     {BULLETS, 10, 0, 9},      {CARD, 3, 0, 45},
        {GOLD_APPLE, 5, 0, 48}, {GUN_PARTS, 1, 0, 57}, {BREAD, 30, 0, 61},
        {BOOK, 75, 0, 24},    {BOOK, 0, 2, 40},
        {WATCH, 0, 0, 55},    {WATCH, 1, 0, 34},      {WATCH, 2, 0, 56},        {WATCH, 7, 0, 24},
        {RIFLE, 0, 0, 19},    {RIFLE, 3, 0, 8},       {RIFLE, 4, 0, 0},
        {PISTOL, 0, 0, 20},   {PISTOL, 1, 0, 42},     {PISTOL, 3, 0, 7},        {PISTOL, 4, 0, 60},
        {SHOTGUN, 0, 0, 43},  {SHOTGUN, 1, 0, 44},    {MACHINEGUN, 0, 0, 33},   {MACHINEGUN, 1, 0, 0},
        {HELMET, 3, 0, 22},   {HELMET, 2, 0, 62},     {HELMET, 5, 0, 25},
        {BOXERS, 4, 0, 4},    {BOXERS, 5, 0, 26},
        {VALUABLE, 2, 0, 41}, {VALUABLE, 3, 0, 46},   {VALUABLE, 4, 0, 49},     {VALUABLE, 8, 0, 53},
        {VALUABLE, 9, 0, 66}, {VALUABLE, 10, 0, 67},  {VALUABLE, 11, 0, 24},    {VALUABLE, 12, 0, 68},
        {VALUABLE, 28, 0, 84}, {VALUABLE, 29, 0, 41}, {VALUABLE, 30, 0, 55},    {VALUABLE, 31, 0, 0},
        {VALUABLE, 1000, 0, 0}, {12, 0, 0, 0},         {0, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Calculate_Anim(c.code, c.value, c.value1), c.anim) << c.code << " value " << c.value;
}

TEST_F(InventoryTest, PickupSoundsByCode) {
    struct Case {
        int code;
        bool* sound;
    };
    const Case cases[] = {{GOLD, &coins_sfx}, {GUN_PARTS, &coins_sfx}, {MEDAL, &medal_sfx},
                          {SLOT_MEDAL, &medal_sfx}, {MEDAL_EQUIPPED, &medal_sfx}, {RIFLE, &mgun_sfx},
                          {APPLE, &mgun_sfx}};
    for (const Case& c : cases) {
        coins_sfx = medal_sfx = mgun_sfx = false;
        PickUp_Sfx(c.code);
        EXPECT_TRUE(*c.sound) << c.code;
        EXPECT_EQ(coins_sfx + medal_sfx + mgun_sfx, 1) << c.code;
    }
}

// ---- Collecting a ground item ----

TEST_F(InventoryTest, ReachIsShorterWhenWalkingPastThanWhenClicking) {
    struct Case {
        float distance;
        int mode;
        bool collected;
    };
    const Case cases[] = {
        {0.10f, -1, true}, {0.15f, -1, false}, {0.15f, 0, true}, {0.19f, 0, true}, {0.25f, 0, false},
    };
    for (const Case& c : cases) {
        Clear_Inventory();
        const int g = Ground(RIFLE_AMMO, 4, 0, 0, c.distance);
        ply_pickup_target = g;
        Pickup_Check(0, g, c.mode);
        EXPECT_EQ(Fx[g].turn_off, c.collected) << c.distance << " mode " << c.mode;
        EXPECT_EQ(player_inv_value[0], c.collected ? 4 : 0);
    }
}

TEST_F(InventoryTest, AnItemExactlyAtTheReachIsCollected) {
    const int g = Ground(RIFLE_AMMO, 4, 0, 0, 0.0f);
    object& p = sprite[0];
    p.w = 0.0f;
    p.z = 0.0f;
    p.box_width = p.box_height = 0.0f;
    Fx[g].x = 0.15f; // the item's point is 0.2 to the right: exactly the click reach
    Fx[g].y = -0.05f;
    ASSERT_EQ(Node_Distance1(0.0f, 0.0f, Fx[g].x + 0.05f, Fx[g].y + 0.05f), 0.2f);
    Pickup_Check(0, g, 0);
    EXPECT_TRUE(Fx[g].turn_off);
}

TEST_F(InventoryTest, ACollectedClickUsesUpTheClickAndEndsTheFlash) {
    const int g = Ground(SHELLS, 8);
    ply_pickup_target = g;
    flash_on = FX_ID_BASE + g;
    mouseleft = true;
    Advance_Ms(40);
    Pickup_Check(0, g, 0);
    EXPECT_EQ(flash_on, -1);
    EXPECT_TRUE(bump_player);
    EXPECT_EQ(bump_player_timer, 140);
    EXPECT_FALSE(mouseleft);

    // With no room the item stays, and so do the click and the flash.
    Fill_Free_Slots();
    const int h = Ground(WATCH, 1);
    ply_pickup_target = h;
    flash_on = FX_ID_BASE + h;
    mouseleft = true;
    Pickup_Check(0, h, 0);
    EXPECT_FALSE(Fx[h].turn_off);
    EXPECT_EQ(flash_on, FX_ID_BASE + h);
    EXPECT_TRUE(mouseleft);
}

TEST_F(InventoryTest, OnlyLiveGroundItemsAreCollected) {
    const int taken = Ground(RIFLE_AMMO, 4);
    Fx[taken].turn_off = true;
    const int grenade = Ground(RIFLE_AMMO, -1); // a thrown grenade's record: item type 2, value -1
    Fx[grenade].type = GFX;
    Pickup_Check(0, taken, 0);
    Pickup_Check(0, grenade, 0);
    Pickup_Check(0, -1, 0);
    Pickup_Check(0, 250, 0);
    Pickup_Check(-1, taken, 0);
    Pickup_Check(750, taken, 0);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(player_inv[i], 0);
}
