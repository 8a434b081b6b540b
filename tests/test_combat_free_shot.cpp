// The player's free shot at a point: the knife's strike window, rounds used, what a round
// does where it lands, and the tiles it breaks or sets off.
#include "combat/awareness.h"
#include "combat/free_shot.h"
#include "render/draw.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"

class FreeShot : public CombatTest {
protected:
    void SetUp() override {
        Set_Up_On_Clock();
        new_no_sprites = 0;
        bottle_count = 0;
        KEY_FORWARD = KEY_BACKWARD = KEY_LEFTWARD = KEY_RIGHTWARD = false;
        chop_sfx = glass_sfx = death_sfx = sniperply_sfx = shotgun_sfx = shotgun1_sfx = mount_sfx = false;
        Player(1, 0.0f, 0.0f);
        Visible({1});
    }

    static void Visible(std::initializer_list<int> ids) {
        new_no_sprites = 0;
        for (int id : ids) var5[new_no_sprites++] = id;
    }

    // A pistol in slot 2 with `rounds` loaded.
    static void Pistol(int rounds) {
        current_weapon = 2;
        player_inv[2] = 10;
        player_inv_value2[2] = rounds;
        has_pistol_equipped = true;
    }

    static int Effects_Of_Kind(int kind) {
        int n = 0;
        for (int i = 0; i < no_fx; ++i)
            if (Fx[i].sector == kind) ++n;
        return n;
    }

    bool Shoot(float x2, float y2, bool knife = false, bool blast = false) {
        return TestSpriteToShootPly(1, 0.0f, 0.0f, x2, y2, knife, -1, 16, blast);
    }
};

TEST_F(FreeShot, TheKnifeStrikesEveryEnemyAndDoorJustInFront) {
    Pistol(5);
    Unit(2, 0.12f, 0.03f, GUNNER, 1);
    Unit(3, 0.05f, -0.05f, GUNNER, 1);
    Unit(4, 0.1f, 0.0f, GUNNER, 0);            // on the player's side
    Unit(5, 0.25f, 0.0f, GUNNER, 1);           // out of reach
    Unit(6, 0.09f, 0.0f, GUNNER, 1).mouseover = true;
    object& door = sprite[7];
    door.type = DOR;
    door.score = 5;
    door.grab_switch = true;
    door.box_width = door.box_height = 0.1f;
    door.w = 0.08f;
    door.z = -0.02f;
    Visible({1, 2, 3, 4, 5, 6, 7, 750 + 3});
    EXPECT_FALSE(Shoot(1.0f, 0.0f, true));
    EXPECT_EQ(Calls("Man_Shot"), 3);
    EXPECT_EQ(sprite[1].status, 54);
    EXPECT_TRUE(chop_sfx);
    EXPECT_EQ(player_inv_value2[2], 5) << "the knife uses no rounds";
    EXPECT_EQ(Effects_Of_Kind(24), 0) << "no muzzle flash";
}

TEST_F(FreeShot, AnAimedShotStrikesNoSpriteAndUsesARound) {
    Pistol(5);
    Unit(2, 0.5f, 0.0f, GUNNER, 1);
    Visible({1, 2});
    EXPECT_FALSE(Shoot(0.5f, 0.0f));
    EXPECT_EQ(Calls("Man_Shot"), 0);
    EXPECT_EQ(player_inv_value2[2], 4);
    EXPECT_EQ(sprite[1].status, 29);
    EXPECT_EQ(Effects_Of_Kind(24), 1);
    EXPECT_TRUE(death_sfx);
    EXPECT_TRUE(ric_sfx);
    EXPECT_EQ(Effects_Of_Kind(35), 1) << "smoke of the ricochet";
    EXPECT_TRUE(alert_enemies);
    EXPECT_EQ(noise_type, 2);
}

TEST_F(FreeShot, AnEmptyWeaponClicksButTheRoundStillBreaksGlass) {
    Pistol(0);
    sprite[1].status = 3;
    const int cell = Cell_Of(0.5f, 0.5f);
    tiles[cell] = 506;
    Shoot(0.5f, 0.5f);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_EQ(player_inv_value2[2], 0);
    EXPECT_EQ(sprite[1].status, 3);
    EXPECT_EQ(Effects_Of_Kind(24), 0);
    EXPECT_EQ(tiles[cell], 507);
}

TEST_F(FreeShot, WhereARoundLands) {
    struct row {
        const char* what;
        int tile;
        bool pistol, shotgun;
        int fire, gas;
        int kind;        // effect kind expected at the landing point (-1 none)
        float width;     // its width
        bool ric, water;
    };
    const row rows[] = {
        {"dry ground", 0, false, false, 0, 0, 35, 0.15f, true, false},
        {"water", 481, false, false, 0, 0, -1, 0.0f, false, true},
        {"fire round level 1", 0, true, false, 1, 0, 36, 0.12f, false, false},
        {"fire round level 3", 0, true, false, 3, 0, 36, 0.2f, false, false},
        {"fire round level 4 ricochets", 0, true, false, 4, 0, 35, 0.15f, true, false},
        {"fire round on water", 480, true, false, 2, 0, -1, 0.0f, false, true},
        {"gas round", 0, false, true, 0, 2, 37, 0.2f, false, false},
        {"gas round on water", 483, false, true, 0, 2, -1, 0.0f, false, true},
    };
    for (const row& r : rows) {
        SetUp();
        tiles[Cell_Of(0.5f, 0.0f)] = r.tile;
        has_pistol_equipped = r.pistol;
        has_shotgun_equipped = r.shotgun;
        st_fire_rounds = r.fire;
        st_gas = r.gas;
        Shoot(0.5f, 0.0f);
        EXPECT_EQ(ric_sfx, r.ric) << r.what;
        EXPECT_EQ(water_sfx, r.water) << r.what;
        for (int k : {35, 36, 37}) {
            EXPECT_EQ(Effects_Of_Kind(k), k == r.kind ? 1 : 0) << r.what << " kind " << k;
            for (int i = 0; i < no_fx; ++i)
                if (Fx[i].sector == k && k == r.kind) { EXPECT_FLOAT_EQ(Fx[i].width, r.width) << r.what; }
        }
        TearDown();
    }
}

TEST_F(FreeShot, BottlesOnTheRangeCountOnceAndTheMarkedOneDropsItsItem) {
    Level = 9;
    const int a = Cell_Of(0.5f, 0.0f), b = Cell_Of(0.0f, 0.5f), c = Cell_Of(-0.5f, 0.0f);
    tiles[a] = 504;
    tiles[b] = 502;
    map_set[b] = true;
    tiles[c] = 508;
    Shoot(0.5f, 0.0f);
    EXPECT_EQ(tiles[a], 505);
    EXPECT_EQ(bottle_count, 1);
    EXPECT_TRUE(glass_sfx);
    Shoot(0.5f, 0.0f);
    EXPECT_EQ(bottle_count, 1) << "a broken bottle counts no more";
    EXPECT_EQ(tiles[a], 505);

    Shoot(0.0f, 0.5f);
    EXPECT_EQ(tiles[b], 503);
    EXPECT_EQ(bottle_count, 2);
    EXPECT_EQ(Calls("Spawn_Pickup"), 1);

    glass_sfx = false;
    Shoot(-0.5f, 0.0f);
    EXPECT_EQ(tiles[c], 509);
    EXPECT_FALSE(glass_sfx);
    EXPECT_EQ(bottle_count, 2);
}

TEST_F(FreeShot, TheMarkedBottleDropsNothingOnceTakenOffTheRangeOrUnlessItsSetIsOne) {
    const int b = Cell_Of(0.0f, 0.5f);
    const struct {
        int level, taken, set;
    } rows[] = {{9, 1, 1}, {3, 0, 1}, {9, 0, 2}, {9, 0, 0}};
    for (const auto& r : rows) {
        tiles[b] = 502;
        map_set[b] = (unsigned char)r.set;
        Level = r.level;
        global_objects[7] = (char)r.taken;
        Shoot(0.0f, 0.5f);
        EXPECT_EQ(tiles[b], 503);
    }
    EXPECT_EQ(Calls("Spawn_Pickup"), 0);
    EXPECT_EQ(bottle_count, 3);
}

TEST_F(FreeShot, AnExplosiveTileBlowsUpOnce) {
    const int cell = Cell_Of(0.7f, 0.7f);
    tiles[cell] = 14;
    Shoot(0.7f, 0.7f);
    EXPECT_EQ(tiles[cell], 15);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
    EXPECT_EQ(no_points, 1);
    Shoot(0.7f, 0.7f);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
}

TEST_F(FreeShot, TheKnifeLeavesTilesAlone) {
    const int cell = Cell_Of(0.09f, 0.0f);
    tiles[cell] = 14;
    tiles[Cell_Of(1.0f, 0.0f)] = 502;
    Shoot(1.0f, 0.0f, true);
    EXPECT_EQ(tiles[cell], 14);
    EXPECT_EQ(tiles[Cell_Of(1.0f, 0.0f)], 502);
    EXPECT_FALSE(ric_sfx);
}

TEST_F(FreeShot, AShotOffTheMapBreaksNothing) {
    Shoot(20.0f, -30.0f);
    Shoot(1.0e30f, 0.0f);
    EXPECT_FALSE(ric_sfx);
    EXPECT_EQ(Effects_Of_Kind(24), 2) << "the muzzle still flashes";
}

TEST_F(FreeShot, TheShotgunBlastIsASpreadAtTheAimedPoint) {
    Unit(2, 0.5f, 0.0f, GUNNER, 1);
    Visible({1, 2});
    Shoot(0.5f, 0.0f, false, true);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
    EXPECT_EQ(Calls("Man_Shot"), 1);
    EXPECT_EQ(no_points, 0) << "a spread leaves no blast light";
}

TEST_F(FreeShot, AWallInADungeonStopsTheKnife) {
    Unit(2, 0.1f, 0.0f, GUNNER, 1);
    Visible({1, 2});
    in_dungeon = true;
    map_col[Cell_Of(0.09f, 0.0f)] = COL_SOLID_SHOOTTHRU;
    Shoot(1.0f, 0.0f, true);
    EXPECT_EQ(Calls("Man_Shot"), 0);
    in_dungeon = false;
    Shoot(1.0f, 0.0f, true);
    EXPECT_EQ(Calls("Man_Shot"), 1);
}

TEST_F(FreeShot, ThePlayerStopsToShootUnlessAMovementKeyIsHeld) {
    Pistol(5);
    sprite[1].moving = true;
    KEY_LEFTWARD = true;
    Shoot(0.5f, 0.0f);
    EXPECT_TRUE(sprite[1].moving);
    KEY_LEFTWARD = false;
    Shoot(0.5f, 0.0f);
    EXPECT_FALSE(sprite[1].moving);
}

TEST_F(FreeShot, TheWeaponSoundFollowsTheFamily) {
    struct row {
        const char* what;
        int code;
        bool* sound;
    };
    const row rows[] = {
        {"rifle", 7, &sniperply_sfx},
        {"shotgun", 34, &shotgun_sfx},
        {"machine gun", 39, &mount_sfx},
        {"stick grenade", 29, &death_sfx},
        {"pistol", 11, &death_sfx},
    };
    for (const row& r : rows) {
        SetUp();
        current_weapon = 3;
        player_inv[3] = r.code;
        player_inv_value[3] = 2;
        player_inv_value2[3] = player_inv_value2[2] = 4;
        Shoot(0.5f, 0.0f);
        EXPECT_TRUE(*r.sound) << r.what;
        TearDown();
    }
}

TEST_F(FreeShot, AShooterThatNamesNoSpriteFiresNothing) {
    const int cell = Cell_Of(0.5f, 0.0f);
    tiles[cell] = 506;
    EXPECT_FALSE(TestSpriteToShootPly(-5, 0.0f, 0.0f, 0.5f, 0.0f, false, -1, 16, false));
    EXPECT_FALSE(TestSpriteToShootPly(9000, 0.0f, 0.0f, 0.5f, 0.0f, false, -1, 16, true));
    EXPECT_EQ(Effects_Of_Kind(24), 0);
    EXPECT_EQ(tiles[cell], 507);
}
