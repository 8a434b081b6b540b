// Target choice and firing: ranges, the choice among candidates, the player's ammunition
// and knife, accuracy, misses beside the target, the mortar crew's shell and the idle step.
#include <cmath>

#include "combat/awareness.h"
#include "combat/firing.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"
#include "world/turning.h"

class Firing : public CombatTest {
protected:
    // Turns unit i to face point (x, y) already, so a shot needs no turning frame.
    static void Face(int i, float x, float y) {
        Set_Heading(i, x, y, false);
        sprite[i].angle = sprite[i].tar_angle;
    }
    // The player holding weapon code `code` in slot cw with `rounds` loaded.
    static void Arm(int cw, int code, int rounds) {
        current_weapon = cw;
        player_inv[cw] = code;
        player_inv_value2[cw] = rounds;
        if (cw > 0) player_inv_value2[cw - 1] = rounds;
    }
};

TEST_F(Firing, EnemyFiresOnlyWithinItsClassRange) {
    struct row {
        const char* what;
        int cls;
        float d;
        bool fires;
    };
    const row rows[] = {
        {"soldier at 0.4", GUNNER, 0.4f, true},
        {"sniper at 0.8 is out of this range", UNIT_SNIPER, 0.8f, false},
        {"sniper at 0.5", UNIT_SNIPER, 0.5f, true},
        {"mortar crew at 1.1", UNIT_MORTAR1, 1.1f, true},
        {"dog at 0.2", DOG, 0.2f, false},
        {"dog at 0.15", DOG, 0.15f, true},
        {"sailor at 0.5", SAILOR, 0.5f, false},
    };
    for (const row& r : rows) {
        SetUp();
        Player(1, 0, 0);
        object& e = Unit(2, r.d, 0, r.cls, 1);
        Face(2, 0, 0);
        Shoot_Test(2, 16);
        EXPECT_EQ(e.status == 29, r.fires) << r.what;
        EXPECT_EQ(e.emy_shooting, r.fires) << r.what;
        EXPECT_FALSE(e.turning) << r.what;
        TearDown();
    }
}

TEST_F(Firing, CloseEnemyShotAlwaysHitsThroughManShot) {
    Use_Test_Clock();
    object& p = Player(1, 0, 0);
    Unit(2, 0.18f, 0, GUNNER, 1, 100, 1);
    Face(2, 0, 0);
    Shoot_Test(2, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1);
    EXPECT_EQ(p.score, 92); // 6 + 2 x rank
    EXPECT_FALSE(alert_enemies); // a shot this short makes no noise
    EXPECT_TRUE(sight_sfx);
}

TEST_F(Firing, NoPlayerNoTarget) {
    Unit(2, 0, 0, GUNNER, 1);
    Unit(3, 0.1f, 0, GUNNER, 0);
    Face(2, 0.1f, 0);
    Shoot_Test(2, 16);
    EXPECT_EQ(sprite[2].status, 3);
    EXPECT_EQ(Calls("Man_Shot"), 0);
}

TEST_F(Firing, EnemyKeepsToItsTargetOrTakesTheNearest) {
    for (int with_target = 0; with_target < 2; with_target++) {
        SetUp();
        Player(1, -3, -3);
        object& near = Unit(2, 0.1f, 0, GUNNER, 0);
        object& far = Unit(3, 0.18f, 0.01f, GUNNER, 0);
        object& e = Unit(4, 0, 0, GUNNER, 1);
        Face(4, 0.15f, 0);
        if (with_target) e.fire_target = 3;
        Shoot_Test(4, 16);
        EXPECT_EQ(near.score < 100, !with_target) << with_target;
        EXPECT_EQ(far.score < 100, (bool)with_target) << with_target;
        TearDown();
    }
}

TEST_F(Firing, WallsBlockOnlyInDungeons) {
    for (int dungeon = 0; dungeon < 2; dungeon++) {
        SetUp();
        Player(1, CX(70), CY(75));
        object& e = Unit(2, CX(74), CY(75), GUNNER, 1);
        Wall(72, 75);
        Face(2, CX(70), CY(75));
        in_dungeon = dungeon;
        Shoot_Test(2, 16);
        EXPECT_EQ(e.status == 29, !dungeon) << dungeon;
        TearDown();
    }
}

TEST_F(Firing, PlayersChosenTargetByDistance) {
    struct row {
        const char* what;
        float d;
        int status;
        bool hit;
    };
    const row rows[] = {
        {"0.2: too close to shoot, too far to knife", 0.2f, 3, false},
        {"0.1: the knife", 0.1f, 54, true},
        {"0.5: a shot within range", 0.5f, 29, true},
        {"0.7: beyond range", 0.7f, 3, false},
    };
    for (const row& r : rows) {
        SetUp();
        Use_Test_Clock();
        object& p = Player(1, 0, 0);
        object& e = Unit(2, r.d, 0, GUNNER, 1);
        p.fire_target = 2;
        Arm(1, 10, 5); // a pistol never misses
        Shoot_Test(1, 16);
        EXPECT_EQ(p.status, r.status) << r.what;
        EXPECT_EQ(e.score < 100, r.hit) << r.what;
        if (r.status == 54) { EXPECT_TRUE(splat_sfx) << r.what; }
        TearDown();
    }
}

TEST_F(Firing, PlayersShotUsesRoundsAndEmptyWeaponCancelsTheTarget) {
    object& p = Player(1, 0, 0);
    Unit(2, 0.5f, 0, GUNNER, 1);
    p.fire_target = 2;
    Arm(1, 10, 2);
    EXPECT_TRUE(TestSpriteToShoot(1, 0, 0, 0.5f, 0, false, 2, 16));
    EXPECT_EQ(player_inv_value2[1], 1);
    EXPECT_TRUE(alert_enemies);
    EXPECT_FLOAT_EQ(noise_x, 0.5f); // heard at the target

    player_inv_value2[1] = 0;
    EXPECT_FALSE(TestSpriteToShoot(1, 0, 0, 0.5f, 0, false, 2, 16));
    EXPECT_EQ(player_inv_value2[1], 0);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_EQ(p.fire_target, -1);
    EXPECT_FALSE(mouseleft);
}

TEST_F(Firing, AmmunitionByWeaponFamily) {
    struct row {
        const char* what;
        int code, loaded;
        bool double_barrel;
        int expect_this, expect_first;
        bool doubled;
    };
    const row rows[] = {
        {"rifle", 7, 5, false, 4, 4, false},
        {"shotgun", 34, 5, false, 4, 4, false},
        {"double barrel", 34, 5, true, 3, 3, true},
        {"double barrel with one round", 35, 1, true, 0, 0, false},
        {"machine gun", 39, 5, false, 4, 4, false},
    };
    for (const row& r : rows) {
        SetUp();
        Player(1, 0, 0);
        Unit(2, 0.5f, 0, GUNNER, 1);
        Arm(3, r.code, r.loaded);
        has_double_barrel = r.double_barrel;
        TestSpriteToShoot(1, 0, 0, 0.5f, 0, false, 2, 16);
        EXPECT_EQ(player_inv_value2[3], r.expect_this) << r.what;
        EXPECT_EQ(player_inv_value2[2], r.expect_first) << r.what;
        TearDown();
    }
}

TEST_F(Firing, TwoSlotWeaponInTheFirstSlotStaysInsideTheInventory) {
    Player(1, 0, 0);
    Unit(2, 0.5f, 0, GUNNER, 1);
    Arm(0, 7, 3);
    player_inv_value2[15] = 9;
    TestSpriteToShoot(1, 0, 0, 0.5f, 0, false, 2, 16);
    EXPECT_EQ(player_inv_value2[0], 2);
    EXPECT_EQ(player_inv_value2[15], 9);
}

TEST_F(Firing, AimedPointMustLieOnTheTarget) {
    Player(1, 0, 0);
    object& e = Unit(2, 0.18f, 0, GUNNER, 1);
    Arm(1, 10, 5);
    EXPECT_FALSE(TestSpriteToShoot(1, 0, 0, 0.18f, 0.06f, false, 2, 16));
    EXPECT_EQ(e.score, 100);
    e.mouseover = true;
    EXPECT_FALSE(TestSpriteToShoot(1, 0, 0, 0.18f, 0, false, 2, 16));
    e.mouseover = false;
    EXPECT_TRUE(TestSpriteToShoot(1, 0, 0, 0.18f, 0.04f, false, 2, 16));
    EXPECT_LT(e.score, 100);
}

TEST_F(Firing, MissLandsBesideTheTargetInWaterOrOnGround) {
    for (int water = 0; water < 2; water++) {
        SetUp();
        Player(1, CX(80), CY(75));
        object& e = Unit(2, CX(75), CY(75), UNIT_MORTAR, 1);
        if (water)
            for (int c = 70; c < 80; c++)
                for (int r = 70; r < 80; r++) tiles[Cell_Index(c, r)] = 482;
        // A seed whose first roll misses the crew's 40 per cent.
        unsigned seed = 1;
        for (;; seed++) {
            srand(seed);
            if (rand() % 100 > 40) break;
        }
        srand(seed);
        const int before = no_fx;
        EXPECT_TRUE(TestSpriteToShoot(2, CX(75), CY(75), CX(80), CY(75), false, 1, 16));
        EXPECT_EQ(Calls("Man_Shot"), 0);
        EXPECT_EQ(water_sfx, (bool)water) << water;
        EXPECT_EQ(ric_sfx, !water) << water;
        EXPECT_EQ(no_fx - before, water ? 2 : 3) << water; // the muzzle flash, then splash or spark and smoke
        (void)e;
        TearDown();
    }
}

TEST_F(Firing, MissOffTheMapMakesNoEffect) {
    // A target standing past the map's left edge: every miss offset lands off the map.
    object& p = Player(1, -7.8f, CY(5));
    Unit(2, CX(2), CY(5), UNIT_MORTAR, 1);
    unsigned seed = 1;
    for (;; seed++) {
        srand(seed);
        if (rand() % 100 > 40) break;
    }
    srand(seed);
    const int before = no_fx;
    EXPECT_TRUE(TestSpriteToShoot(2, CX(2), CY(5), p.w + p.box_width / 2, p.z + p.box_height / 2, false, 1, 16));
    EXPECT_EQ(no_fx - before, 1); // only the muzzle flash
    EXPECT_FALSE(ric_sfx);
    EXPECT_FALSE(water_sfx);
    EXPECT_EQ(Calls("Man_Shot"), 0);
}

TEST_F(Firing, MortarCrewShellsThePlayerWhateverItSees) {
    Player(1, -5, -5);
    object& ally = Unit(2, 1.0f, 0, GUNNER, 0);
    object& m = Unit(3, 0, 0, UNIT_MORTAR1, 1);
    Face(3, 1.0f, 0);
    const int before = no_fx;
    Shoot_Test(3, 16);
    ASSERT_EQ(no_fx, before + 1);
    EXPECT_EQ(Fx[before].sector, 29);
    EXPECT_EQ(Fx[before].linked_sprite, 1);
    EXPECT_TRUE(whistle_sfx);
    EXPECT_EQ(m.status, 29);
    EXPECT_EQ(ally.score, 100);
    EXPECT_FLOAT_EQ(noise_x, -5.0f);
}

TEST_F(Firing, TankTurnsThenFiresItsShellOnce) {
    Use_Test_Clock();
    Advance_Ms(100);
    Player(1, 0.4f, 0);
    object& t = Unit(2, 0, 0, UNIT_TANK, 1);
    Face(2, 0.4f, 0);
    Shoot_Test(2, 16);
    EXPECT_TRUE(t.bombs_away);
    EXPECT_EQ(t.status, 29);
    EXPECT_EQ(t.ai_timer, 1100);
    EXPECT_FLOAT_EQ(t.shell_x, 0.4f);
    t.status = 3;
    Shoot_Test(2, 16);
    EXPECT_EQ(t.status, 3);
}

TEST_F(Firing, UnitNotFacingTurnsFirst) {
    Player(1, 0.3f, 0);
    object& e = Unit(2, 0, 0, GUNNER, 1);
    Face(2, 0.3f, 0);
    e.angle = e.tar_angle + 0.6f; // in view, but another direction band
    Shoot_Test(2, 16);
    EXPECT_TRUE(e.turning);
    EXPECT_NE(e.status, 29);
}

TEST_F(Firing, BadListEntriesAreSkipped) {
    Player(1, 0, 0);
    object& e = Unit(2, 0.18f, 0, GUNNER, 1);
    player_list[player_counter++] = -1;
    player_list[player_counter++] = MAX_SPRITES + 7;
    Face(2, 0, 0);
    Shoot_Test(2, 16);
    EXPECT_EQ(e.status, 29);
    player_counter = 100000;
    Shoot_Test(2, 16);
    ShotIdle(2);
    ShotIdle(-1);
    ShotIdle(MAX_SPRITES);
    Shoot_Test(-4, 16);
    EXPECT_FALSE(TestSpriteToShoot(MAX_SPRITES, 0, 0, 0, 0, false, -1, 16));
}

TEST_F(Firing, ShotIdleRestsAndNoticesBodies) {
    Use_Test_Clock();
    Advance_Ms(50);
    Player(1, -3, -3);
    object& u = Unit(2, 0.0f, 0.0f, GUNNER, 1);
    ShotIdle(2);
    EXPECT_EQ(u.status, 3);
    EXPECT_EQ(u.ai_timer, 550);
    EXPECT_TRUE(u.update);

    object& body = Unit(3, 0.0f, -0.1f, GUNNER, 0, 0);
    body.status = 30;
    ShotIdle(2);
    EXPECT_EQ(u.status, 55);
    EXPECT_EQ(body.status, 55);
    EXPECT_EQ(body.score, 2);
    EXPECT_EQ(body.priority, 3);

    object& friend_body = Unit(4, 0.0f, -0.1f, GUNNER, 1, 0);
    friend_body.status = 30;
    u.status = 3;
    ShotIdle(2);
    EXPECT_EQ(u.status, 58);
}

TEST_F(Firing, AllyTakesTheNearestOrItsOwnTarget) {
    for (int with_target = 0; with_target < 2; with_target++) {
        SetUp();
        Player(1, -3, -3);
        object& near = Unit(2, 0.1f, 0, GUNNER, 1);
        object& far = Unit(3, 0.18f, 0.01f, GUNNER, 1);
        Unit(4, 0, 0, GUNNER, 0);
        sprite[4].sector_action = AI_BUDDY;
        Face(4, 0.15f, 0);
        if (with_target) sprite[4].fire_target = 2;
        Shoot_Test(4, 16);
        // Listed first, its own target ends the search before the farther one is seen.
        EXPECT_LT(near.score, 100) << with_target;
        EXPECT_EQ(far.score, 100) << with_target;
        TearDown();
    }
}

TEST_F(Firing, ThornsHurtABitingDog) {
    object& p = Player(1, 0, 0);
    object& dog = Unit(2, 0.1f, 0, DOG, 1, 100);
    has_thorns = true;
    EXPECT_TRUE(TestSpriteToShoot(2, 0.1f, 0, 0, 0, false, 1, 16));
    EXPECT_EQ(p.score, 85);
    EXPECT_EQ(dog.score, 60);
}

TEST_F(Firing, PlayerKnifesADoorAndThrowsWithoutAWeapon) {
    object& p = Player(1, 0, 0);
    object& door = Unit(2, 0.12f, 0, 0, 1, 20);
    door.type = DOR;
    door_list[door_counter++] = 2;
    p.fire_target = 2;
    EXPECT_TRUE(TestSpriteToShoot(1, 0, 0, 0.12f, 0, false, 2, 16));
    EXPECT_EQ(p.status, 54);
    EXPECT_TRUE(chop_sfx);

    TearDown();
    SetUp();
    object& q = Player(1, 0, 0);
    Unit(2, 0.5f, 0, GUNNER, 1);
    EXPECT_TRUE(TestSpriteToShoot(1, 0, 0, 0.5f, 0, false, 2, 16));
    EXPECT_EQ(q.status, 67);
    EXPECT_FALSE(mouseleft);
}

TEST_F(Firing, VeteranThrowsAGrenadeWhileReloading) {
    Player(1, 0, 0);
    object& s = Unit(2, 0.5f, 0, SAILOR, 1, 100, 3);
    reloading = true;
    const int before = no_fx;
    EXPECT_TRUE(TestSpriteToShoot(2, 0.5f, 0, 0, 0, false, 1, 16));
    EXPECT_EQ(Calls("Man_Shot"), 0);
    EXPECT_NE(s.status, 29); // throwing is not firing
    EXPECT_GE(no_fx, before);
    EXPECT_TRUE(s.emy_shooting);
}
