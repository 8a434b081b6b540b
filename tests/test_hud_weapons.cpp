// Weapon statistics: upgrade digits, the statistic ladders, the reload request and the
// weapon tooltip.
#include <cstring>
#include <string>

#include "combat/combat.h"
#include "combat/upkeep.h"
#include "test_hud_inventory_fixture.h"

namespace {

int Count_Byte(const std::string& s, unsigned char b) {
    int n = 0;
    for (unsigned char c : s) n += c == b;
    return n;
}

// The marks of one shop row: the text from the row's icon up to its value.
std::string Row(const std::string& text, const char* icon) {
    const std::size_t at = text.find(std::string("^") + icon + ":");
    if (at == std::string::npos) return "";
    const std::size_t end = text.find("_+", at);
    return text.substr(at, end - at);
}

} // namespace

TEST_F(InventoryTest, UpgradeDigitsPackSixLevels) {
    Give(3, SLOT_PISTOL, 0, 345012);
    const int digits[] = {2, 1, 0, 5, 4, 3};
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(Get_Bit_Shift(3, p), digits[p - 1]) << p;
        EXPECT_EQ(Get_Bit_Shift_Int(345012, p), digits[p - 1]) << p;
    }
    Bit_Shift(3, 4, 1);
    EXPECT_EQ(player_inv_value1[3], 341012);
    EXPECT_EQ(Bit_Shift_Int(0, 6, 1), 100000);
    EXPECT_EQ(Give_Special(), 100000);
    // Slots and positions outside their ranges read 0 and change nothing.
    EXPECT_EQ(Get_Bit_Shift(16, 1), 0);
    EXPECT_EQ(Get_Bit_Shift(-1, 1), 0);
    Bit_Shift(16, 1, 9);
    Bit_Shift(-1, 1, 9);
    EXPECT_EQ(Get_Bit_Shift_Int(345012, 0), 0);
    EXPECT_EQ(Bit_Shift_Int(345012, 11, 1), 345012);
}

TEST_F(InventoryTest, LaddersByFamilyModelAndDigits) {
    struct Case {
        const char* what;
        int code, model, value1;
        int fp, fr, rl, cap, sp, sp2;
    };
    const Case cases[] = {
        {"weston super", SLOT_PISTOL, 0, 100000, 10, 400, 1730, 10, 0, 1},
        {"luger top", SLOT_PISTOL, 1, 15225, 35, 330, 1670, 30, 1, 0},
        {"colt", SLOT_PISTOL, 2, 1, 18, 470, 1700, 15, 0, 0},
        {"colt-k double super", SLOT_PISTOL, 3, 200000, 9, 470, 1700, 10, 0, 2},
        {"colt model 4", SLOT_PISTOL, 4, 5555, 40, 330, 870, 36, 0, 0},
        {"enfield", SLOT_RIFLE_RIGHT, 0, 11215, 120, 540, 1500, 8, 1, 0},
        {"hunter", SLOT_RIFLE_LEFT, 1, 0, 70, 1430, 2330, 10, 0, 0},
        {"farmers", SLOT_SHOTGUN_LEFT, 0, 110000, 40, 830, 2930, 6, 1, 1},
        {"combat", SLOT_SHOTGUN_RIGHT, 1, 5215, 80, 430, 1500, 20, 0, 0},
        {"machine", SLOT_MACHINEGUN_RIGHT, 0, 4023, 9, 120, 2370, 120, 0, 0},
        {"grenades none left", GRENADE, 0, 3, 240, 0, 0, 0, 0, 0},
        {"a digit beyond the top counts as the top", SLOT_RIFLE_LEFT, 0, 9990, 40, 540, 1500, 16, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Give(5, c.code, c.model, c.value1);
        const int expected[] = {c.fp, c.fr, c.rl, c.cap, c.sp, c.sp2};
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(Get_Weapon_Stats(5, k), (float)expected[k - 1]) << "k " << k;
        GUN_FIRERATE = GUN_RELOAD = GUN_CAPACITY = -7;
        EXPECT_EQ(Get_Weapon_Stats(5, 0), 0.0f);
        EXPECT_EQ(GUN_FIREPOWER, c.fp);
        EXPECT_EQ(GUN_SPECIAL, c.sp);
        EXPECT_EQ(GUN_SPECIAL2, c.sp2);
        if (c.code == GRENADE) {
            EXPECT_EQ(GUN_FIRERATE, -7); // grenades have a firepower row only
        } else {
            EXPECT_EQ(GUN_FIRERATE, c.fr);
            EXPECT_EQ(GUN_RELOAD, c.rl);
            EXPECT_EQ(GUN_CAPACITY, c.cap);
        }
    }
}

TEST_F(InventoryTest, AWeaponWithoutALadderLeavesTheWeaponValues) {
    Give(0, SLOT_PISTOL, 0, 100000);
    Get_Weapon_Stats(0, 0);
    struct Case {
        int slot, code, model;
    };
    const Case cases[] = {
        {1, SLOT_RIFLE_LEFT, 2},  // Mauser
        {1, SLOT_RIFLE_LEFT, 3},  // Mauser-K
        {1, GRENADE, 5},          // a stack of grenades
        {1, CARD, 0},             // no weapon
        {1, SLOT_PISTOL, 7},      // no such model
        {-1, 0, 0},
        {16, 0, 0},
    };
    for (const Case& c : cases) {
        if (c.slot >= 0 && c.slot < 16) Give(c.slot, c.code, c.model, 555555);
        Get_Weapon_Stats(c.slot, 0);
        EXPECT_EQ(GUN_FIREPOWER, 10) << c.code << " " << c.model;
        EXPECT_EQ(GUN_CAPACITY, 10);
        EXPECT_EQ(GUN_SPECIAL2, 1);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(Get_Weapon_Stats(c.slot, k), 0.0f);
    }
}

// ---- Reloading ----

class ReloadTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        Advance_Ms(1000);
        Give(0, SLOT_PISTOL, 0, 0, 4); // a Weston with 4 of 10 rounds
        current_weapon = 0;
        Get_Weapon_Stats(0, 0);
        next_weapon = -1;
    }
};

TEST_F(ReloadTest, AReloadRunsForTheWeaponsReloadTime) {
    Give(7, PISTOL_AMMO, 20);
    sprite[0].status = 29;
    sprite[0].reached_node = -1;
    sprite[0].fire_target = 3;
    Reload_Gun();
    EXPECT_TRUE(reloading);
    EXPECT_FALSE(switched_weapon);
    EXPECT_EQ(next_weapon, 101);
    EXPECT_EQ(weapon_type, PISTOL);
    EXPECT_EQ(ply_reload_timer, 1000 + 1730);
    EXPECT_EQ(next_weapon_timer, ply_reload_timer);
    EXPECT_EQ(sprite[0].fire_target, -1);
    EXPECT_TRUE(sprite[0].update);
    EXPECT_NE(sprite[0].status, 29); // the firing pose is left
    // A second request while reloading keeps the timer, but still stops a shot begun since.
    Advance_Ms(100);
    sprite[0].status = 29;
    sprite[0].fire_target = 3;
    sprite[0].update = false;
    Reload_Gun();
    EXPECT_EQ(ply_reload_timer, 1000 + 1730);
    EXPECT_EQ(sprite[0].fire_target, -1);
    EXPECT_TRUE(sprite[0].update);
    EXPECT_NE(sprite[0].status, 29);
}

TEST_F(ReloadTest, AFullMagazineOrPartyPowerReloadsIn200Ms) {
    Give(7, PISTOL_AMMO, 20);
    for (int pass = 0; pass < 2; ++pass) {
        reloading = false;
        player_inv_value2[0] = pass == 0 ? 10 : 1;
        party_power = pass == 1;
        Reload_Gun();
        EXPECT_TRUE(reloading);
        EXPECT_EQ(ply_reload_timer, 1200) << pass;
    }
}

TEST_F(ReloadTest, WithoutAmmunitionTheClickIsUsedUpUnlessTheRightButtonIsDown) {
    Give(7, RIFLE_AMMO, 20); // the wrong family
    for (bool right : {false, true}) {
        click_sfx = false;
        old_message = -1;
        mouseleft = mouseheld = true;
        mouseright = right;
        Reload_Gun();
        EXPECT_FALSE(reloading);
        EXPECT_TRUE(click_sfx);
        EXPECT_EQ(old_message, MSG_OUTAMMO);
        EXPECT_EQ(mouseleft, right);
        EXPECT_EQ(mouseheld, right);
        EXPECT_EQ(next_weapon, -1);
    }
}

TEST_F(ReloadTest, AnUnlimitedWestonReloadsWithoutAmmunition) {
    has_unlimited = true;
    Reload_Gun();
    EXPECT_TRUE(reloading);
    reloading = false;
    player_inv_value[0] = 1; // a Luger is never unlimited
    Reload_Gun();
    EXPECT_FALSE(reloading);
}

TEST_F(ReloadTest, ReloadingGrenadesPutsThemAway) {
    Give(3, GRENADE, 4);
    current_weapon = 3;
    sprite[0].id = 16;
    Reload_Gun();
    EXPECT_EQ(current_weapon, -1);
    EXPECT_EQ(sprite[0].id, 15);
    EXPECT_FALSE(reloading);
    EXPECT_FALSE(click_sfx);
}

TEST_F(ReloadTest, TheRequestIsIgnoredWhenThePlayerCannotReload) {
    Give(7, PISTOL_AMMO, 20);
    struct Case {
        const char* what;
        void (*set)();
    };
    const Case cases[] = {
        {"no player", [] { p1_id = -1; }},
        {"not walking", [] { game_mode = MODE_FRONT; }},
        {"over the HUD", [] { hud_corner = 0; }},
        {"nothing equipped", [] { current_weapon = -1; }},
        {"equipped slot from nowhere", [] { current_weapon = 23; }},
        {"equipped slot holds no weapon", [] { current_weapon = 7; }},
        {"dead", [] { ply_dead = true; }},
        {"locked", [] { lock_player = true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p1_id = 0;
        game_mode = MODE_WALK;
        hud_corner = 1;
        current_weapon = 0;
        ply_dead = lock_player = false;
        c.set();
        Reload_Gun();
        EXPECT_FALSE(reloading);
        EXPECT_FALSE(click_sfx);
        EXPECT_EQ(next_weapon, -1);
    }
}

// ---- Tooltip ----

TEST_F(InventoryTest, TheInventoryTooltipShowsNameAndFourStatistics) {
    Give(4, SLOT_PISTOL, 0, 100000);
    Calculate_Weapon_Text(4, 5);
    EXPECT_STREQ(counter[5].word,
                 "WESTON^\xEE\xE7:+1.0^\xBA\xD1:+0.40^\xC8\xD6:+1.73^\xBF\xFA:+10");
    EXPECT_EQ(counter[5].length, 4);
    Give(4, SLOT_MACHINEGUN_RIGHT, 0, 5);
    Calculate_Weapon_Text(4, 5);
    EXPECT_STREQ(counter[5].word, "MACHINE^\xEE\xE7:+1.2^\xBA\xD1:+0.13^\xC8\xD6:+2.37^\xBF\xFA:+30");
}

TEST_F(InventoryTest, TheShopTextMarksLevelsBoughtToBuyAndBeyondReach) {
    Give(2, SLOT_RIFLE_LEFT, 0, 2); // firepower 2 of 5, fire rate 0 of 1
    counter[2].word[0] = 0;
    Calculate_Weapon_Text(2, 2);
    const std::string text = counter[2].word;
    const std::string fp = Row(text, "\xEE\xE7"), fr = Row(text, "\xBA\xD1");
    EXPECT_EQ(Count_Byte(fp, 0xED), 2);
    EXPECT_EQ(Count_Byte(fp, 0xF1), 3);
    EXPECT_EQ(Count_Byte(fp, 0xC1), 0);
    EXPECT_EQ(Count_Byte(fr, 0xED), 0);
    EXPECT_EQ(Count_Byte(fr, 0xF1), 1);
    EXPECT_EQ(Count_Byte(fr, 0xC1), 4);
    EXPECT_NE(text.find("_+6.0"), std::string::npos);   // firepower 60 / 10
    EXPECT_NE(text.find("_+0.97"), std::string::npos);  // fire interval
    // Rifles never show the super row, even at every top level.
    EXPECT_EQ(Count_Byte(text, 0xDA), 1);
}

TEST_F(InventoryTest, TheSuperRowShowsOnceEveryUpgradeIsBought) {
    for (int value1 : {15215, 5215}) {
        Give(2, SLOT_SHOTGUN_LEFT, 0, value1);
        counter[2].word[0] = 0;
        Calculate_Weapon_Text(2, 2);
        EXPECT_EQ(Count_Byte(counter[2].word, 0xDA), value1 == 15215 ? 2 : 1) << value1;
    }
    // Appending never runs past the text slot.
    std::memset(counter[2].word, 'x', sizeof counter[2].word - 1);
    counter[2].word[sizeof counter[2].word - 1] = 0;
    Calculate_Weapon_Text(2, 2);
    EXPECT_EQ(std::strlen(counter[2].word), sizeof counter[2].word - 1);
    Calculate_Weapon_Text(16, 5);
    Calculate_Weapon_Text(2, 25);
}
