// The damage model: hit strength by shooter and kind, the player's damage by aim zone and
// armour, fixed hits, mercy, death and its bookkeeping, and the knock-back.
#include <climits>

#include "combat/damage.h"
#include "support/virtual_clock.h"
#include "test_combat_fixture.h"

class Damage : public CombatTest {};

TEST_F(Damage, EnemyHitStrengthByShooterAndKind) {
    struct row {
        const char* what;
        int shooter_class, rank, kind, victim_is_player, defense, fire_rounds, gas, expect;
    };
    const row rows[] = {
        {"soldier rank 3", GUNNER, 3, -1, 0, 0, 0, 0, 12},
        {"chief rank 3", CHIEF, 3, -1, 0, 0, 0, 0, 18},
        {"soldier rank 3 on the player, defence 10", GUNNER, 3, -1, 1, 10, 0, 0, 10},
        {"chief rank 3 on the player, defence 10", CHIEF, 3, -1, 1, 10, 0, 0, 16},
        {"defence above the hit still costs 1", GUNNER, 0, -1, 1, 100, 0, 0, 1},
        {"boss", UNIT_BOSS, 5, -1, 0, 0, 0, 0, 4},
        {"dog", DOG, 1, -1, 0, 0, 0, 0, 15},
        {"close spread", GUNNER, 1, 6, 0, 0, 0, 0, 25},
        {"close spread of a shotgunner counts as far", UNIT_SHOTGUN, 1, 6, 0, 0, 0, 0, 12},
        {"far spread", GUNNER, 1, 7, 0, 0, 0, 0, 12},
        {"burning", GUNNER, 1, 11, 0, 0, 0, 0, 4},
        {"fire round level 2", GUNNER, 1, 12, 0, 0, 2, 0, 6},
        {"fire round level 0 keeps the rank's hit", GUNNER, 1, 12, 0, 0, 0, 0, 8},
        {"fire round on the player", GUNNER, 1, 12, 1, 0, 3, 0, 1},
        {"gas level 3", GUNNER, 1, 13, 0, 0, 0, 3, 4},
        {"gas on the player", GUNNER, 1, 13, 1, 0, 0, 3, 1},
    };
    for (const row& r : rows) {
        SetUp();
        object& me = Player(1, 0, 0);
        object& ally = Unit(2, 1, 1, GUNNER, 0);
        Unit(3, 2, 2, r.shooter_class, 1, 100, r.rank);
        PLY_DEFENSE = r.defense;
        st_fire_rounds = r.fire_rounds;
        st_gas = r.gas;
        object& victim = r.victim_is_player ? me : ally;
        Man_Shot(29, r.victim_is_player ? 1 : 2, 3, r.kind, 16);
        EXPECT_EQ(100 - victim.score, r.expect) << r.what;
        TearDown();
    }
}

TEST_F(Damage, WithoutAPlayerAHitCostsOnePoint) {
    object& v = Unit(2, 0, 0, GUNNER, 1);
    Unit(3, 1, 1, CHIEF, 0, 100, 4);
    EXPECT_FALSE(Man_Shot(29, 2, 3, -1, 16));
    EXPECT_EQ(v.score, 99);
}

TEST_F(Damage, PlayersDamageByClassZoneAndArmour) {
    struct row {
        const char* what;
        int cls, zone, status, kind;
        bool piercing;
        int score, expect_loss;
        bool ricochet;
    };
    // Firepower 20: Full 20, Half 10, Quad 40.
    const row rows[] = {
        {"soldier, body", GUNNER, 1, 3, -1, false, 100, 20, false},
        {"soldier, legs", GUNNER, 2, 3, -1, false, 100, 10, false},
        {"soldier, head", GUNNER, 0, 3, -1, false, 100, 40, false},
        {"dog, head: body hit plus the head bonus", DOG, 0, 3, -1, false, 100, 40, false},
        {"dog, legs: a body hit", DOG, 2, 3, -1, false, 100, 20, false},
        {"helmet, body", UNIT_ARMOUR_HEAD, 1, 3, -1, false, 100, 2, true},
        {"helmet, head", UNIT_ARMOUR_HEAD, 0, 3, -1, false, 100, 40, false},
        {"helmet, body, piercing", UNIT_ARMOUR_HEAD, 1, 3, -1, true, 100, 22, true},
        {"full armour, head", UNIT_ARMOUR_FULL, 0, 3, -1, false, 100, 1, true},
        {"armoured turret", UNIT_ARMOUR_TURRET, 1, 3, -1, false, 100, 2, true},
        {"armoured tank", UNIT_ARMOUR_TANK, 1, 3, -1, false, 100, 1, true},
        {"mortar, body", UNIT_MORTAR, 1, 3, -1, false, 100, 20, false},
        {"mortar, legs", UNIT_MORTAR, 2, 3, -1, false, 100, 0, true},
        {"shield, body", SHIELD, 1, 3, -1, false, 100, 1, true},
        {"shield, body, while hit", SHIELD, 1, 21, -1, false, 100, 20, false},
        {"shield, head, knocked down", SHIELD, 0, 53, -1, false, 100, 40, false},
        {"shield, legs", SHIELD, 2, 3, -1, false, 100, 10, false},
        {"shield, piercing", SHIELD, 1, 3, -1, true, 100, 20, false},
        {"boss at 26", UNIT_BOSS, 1, 3, -1, false, 26, 20, true},
        {"boss at 25", UNIT_BOSS, 1, 3, -1, false, 25, 10, true},
    };
    for (const row& r : rows) {
        SetUp();
        Player(1, 0, 0);
        object& v = Unit(2, 0.3f, 0, r.cls, 1, r.score);
        v.status = r.status;
        targeted = r.zone;
        has_armour_piercing = r.piercing;
        Man_Shot(29, 2, 1, r.kind, 16);
        EXPECT_EQ(r.score - v.score, r.expect_loss) << r.what;
        EXPECT_EQ(ric2_sfx, r.ricochet) << r.what;
        TearDown();
    }
}

TEST_F(Damage, ShieldStruckOnItsShieldKeepsStatusAndMakesNoPainSound) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, SHIELD, 1);
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(v.score, 99);
    EXPECT_EQ(v.status, 3);
    EXPECT_FALSE(emypain_sfx);
    EXPECT_EQ(v.fire_target, 1); // still turns on the shooter
}

TEST_F(Damage, DoubleBarrelDoublesTheSpread) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, GUNNER, 1);
    has_double_barrel = has_shotgun_equipped = double_shot = true;
    Man_Shot(29, 2, 1, 6, 16); // kind 6 puts the aim on the body
    EXPECT_EQ(v.score, 60);
    EXPECT_EQ(targeted, 1);
}

TEST_F(Damage, PlayerShotOfZeroLeavesTheScore) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, GUNNER, 1);
    PLY_FIREPOWER = 0;
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(v.score, 100);
}

TEST_F(Damage, FixedHits) {
    struct row {
        const char* what;
        int code, kind, cls, score;
        bool on_player;
        int chr;
        float fire_defense;
        int expect_loss;
    };
    const row rows[] = {
        {"fixed 40", 29, 9, GUNNER, 100, false, 0, 1.0f, 40},
        {"fixed 40 on a weakened boss", 29, 9, UNIT_BOSS, 25, false, 0, 1.0f, 20},
        {"blast grade 8", 5, 8, GUNNER, 100, false, 0, 1.0f, 60},
        {"blast grade 8 on the player", 5, 8, GUNNER, 100, true, 0, 1.5f, 30},
        {"blast grade 8 on the second character", 5, 8, GUNNER, 100, true, 1, 1.0f, 15},
        {"blast grade 10", 5, 10, GUNNER, 100, false, 0, 1.0f, 60},
        {"blast grade 10 on the player", 5, 10, GUNNER, 100, true, 0, 1.0f, 10},
        {"other blast", 5, -1, GUNNER, 100, false, 0, 1.0f, 15},
        {"second blast kind on the player", 1, -1, GUNNER, 100, true, 0, 2.0f, 30},
        {"knife", 54, -1, GUNNER, 100, false, 0, 1.0f, 60},
        {"knife on an armoured tank", 54, -1, UNIT_ARMOUR_TANK, 100, false, 0, 1.0f, 1},
        {"grenade code 63 on a weakened boss", 63, -1, UNIT_BOSS, 20, false, 0, 1.0f, 30},
    };
    for (const row& r : rows) {
        SetUp();
        object& p = Player(1, 0, 0);
        object& e = Unit(2, 0.3f, 0, r.cls, 1, r.score);
        Unit(3, 0.6f, 0, GUNNER, 1);
        current_char = r.chr;
        stat_fire_defense = r.fire_defense;
        object& v = r.on_player ? p : e;
        Man_Shot(r.code, r.on_player ? 1 : 2, 3, r.kind, 16);
        EXPECT_EQ(r.score - v.score, r.expect_loss) << r.what;
        TearDown();
    }
}

TEST_F(Damage, KillOutrightAndBlastsStopWhileThePlayerIsLocked) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, GUNNER, 1);
    lock_player = true;
    Man_Shot(5, 2, 1, -1, 16);
    EXPECT_EQ(v.score, 100);
    Man_Shot(29, 2, 1, 5, 16);
    EXPECT_EQ(v.score, 0);
    EXPECT_NE(v.status, 30); // no destruction while locked
}

TEST_F(Damage, HugeValuesDoNotWrapTheScore) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, GUNNER, 1, 100);
    PLY_FIREPOWER = INT_MAX;
    targeted = 0;
    has_double_barrel = has_shotgun_equipped = double_shot = true;
    Man_Shot(29, 2, 1, 6, 16);
    EXPECT_LE(v.score, 0);
    EXPECT_EQ(v.status, 30);

    object& a = Unit(4, 1, 1, GUNNER, 0, 100);
    Unit(5, 2, 2, GUNNER, 1, 100, INT_MAX);
    Man_Shot(29, 4, 5, -1, 16);
    EXPECT_LE(a.score, 0);

    object& f = Unit(6, 1, 2, GUNNER, 0, 100);
    p1_id = 6;
    stat_fire_defense = 1.0e30f;
    Man_Shot(5, 6, 5, 8, 16);
    EXPECT_LE(f.score, 0);
}

TEST_F(Damage, ReservedShooterStandsInForNone) {
    Player(1, 0, 0);
    object& ally = Unit(2, 0.3f, 0, GUNNER, 0);
    Man_Shot(-1, 2, -1, 11, 16); // burning: boss-class shooter of rank 1 -> 4
    EXPECT_EQ(ally.score, 96);
    EXPECT_EQ(sprite[RESERVED_SHOOTER].sector, UNIT_BOSS);
    EXPECT_EQ(sprite[RESERVED_SHOOTER].score, 10);
    EXPECT_EQ(ally.fire_target, -1); // nobody to turn to
    EXPECT_EQ(Calls("Knock_Back"), 0);
}

TEST_F(Damage, ReservedShooterLeavesALiveLastSpriteAlone) {
    Player(1, 0, 0);
    object& ally = Unit(2, 0.3f, 0, GUNNER, 0);
    object& last = Unit(RESERVED_SHOOTER, 3, 3, DOG, 0, 55, 2);
    ASSERT_EQ(no_sprites, MAX_SPRITES);
    Man_Shot(-1, 2, -1, -1, 16);
    EXPECT_EQ(ally.score, 96); // boss-class hit strength
    EXPECT_EQ(last.sector, DOG);
    EXPECT_EQ(last.score, 55);
    EXPECT_EQ(last.rank, 2);
    EXPECT_EQ(last.linked_sprite, 0);
}

TEST_F(Damage, AKillWithoutShooterKnocksTheBodyAwayFromTheReservedShooter) {
    // Sprite 749 stands left of the victim, once as a bare record and once as a live sprite
    // of the scene (whose fields the hit must not overwrite); either way the body is pushed
    // to the right, away from it.
    for (bool live : {false, true}) {
        SetUp();
        trace.clear();
        Player(1, 2, 2);
        object& victim = Unit(2, 0.3f, 0, GUNNER, 1, 10);
        object& reserved = sprite[RESERVED_SHOOTER];
        if (live) {
            Unit(RESERVED_SHOOTER, 0, 0, DOG, 0, 55, 2);
            ASSERT_EQ(no_sprites, MAX_SPRITES);
        } else {
            reserved.w = reserved.z = -0.025f;
            reserved.box_width = reserved.box_height = 0.05f;
        }
        const float x0 = victim.w, y0 = victim.z;
        Man_Shot(5, 2, -1, 5, 16); // a blast that kills outright
        EXPECT_EQ(victim.status, 30) << "live " << live;
        EXPECT_EQ(Calls("Knock_Back"), 1) << "live " << live;
        EXPECT_NEAR(victim.w - x0, 1.2f * 0.03f, 1e-4f) << "live " << live;
        EXPECT_NEAR(victim.z - y0, 0.0f, 1e-4f) << "live " << live;
        EXPECT_EQ(reserved.sector, live ? DOG : UNIT_BOSS);
        TearDown();
    }
}

TEST_F(Damage, IndicesOutsideTheRecordsAreRefused) {
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0, GUNNER, 0);
    EXPECT_FALSE(Man_Shot(29, MAX_SPRITES, 1, -1, 16));
    EXPECT_FALSE(Man_Shot(29, -3, 1, -1, 16));
    Man_Shot(29, 2, 100000, 11, 16); // an unknown shooter is the reserved one
    EXPECT_EQ(v.score, 96);
    Knock_Back(-1, 2, 16);
    Knock_Back(2, MAX_SPRITES + 4, 16);
    EXPECT_EQ(v.score, 96);
}

TEST_F(Damage, PainTurnsTheVictimOnItsAttacker) {
    Use_Test_Clock();
    Advance_Ms(1000);
    Player(1, 0, 0);
    object& v = Unit(2, 0.3f, 0.1f, GUNNER, 1);
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(v.status, 21);
    EXPECT_TRUE(v.flash_target);
    EXPECT_EQ(v.flash_timer, 1030);
    EXPECT_TRUE(emypain_sfx);
    EXPECT_EQ(v.fire_target, 1);
    EXPECT_FLOAT_EQ(v.end_x, 0.0f);
    EXPECT_FLOAT_EQ(v.mov_y, 0.0f);
    EXPECT_TRUE(v.update);

    targeted = 2;
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(v.status, 53);
}

TEST_F(Damage, EnemyHitOnThePlayerStartsTheHealWait) {
    Use_Test_Clock();
    Advance_Ms(500);
    object& p = Player(1, 0, 0);
    p.score = 40;
    Unit(2, 0.3f, 0, GUNNER, 1, 100, 2);
    Man_Shot(29, 1, 2, -1, 16);
    EXPECT_EQ(p.score, 30);
    EXPECT_FLOAT_EQ(player_health, 40.0f);
    EXPECT_EQ(p.heal_timer, 3500);
    EXPECT_EQ(p.fire_target, -1); // the player is never turned
}

TEST_F(Damage, ThePlayersDeath) {
    Use_Test_Clock();
    Advance_Ms(200);
    object& p = Player(1, 0, 0);
    p.score = 5;
    Unit(2, 0.3f, 0, GUNNER, 1, 100, 3);
    Man_Shot(29, 1, 2, -1, 16);
    EXPECT_EQ(game_condition, 2);
    EXPECT_TRUE(ply_dead);
    EXPECT_EQ(reset_map_timer, 4200);
    EXPECT_EQ(p.status, 30);
    EXPECT_FLOAT_EQ(p.end_x, -1.0f);
}

TEST_F(Damage, ShotgunnerBegsOnceUnlessRifleOrKnife) {
    struct row {
        const char* what;
        int code;
        bool rifle;
        bool begs;
    };
    const row rows[] = {
        {"shot", 29, false, true},
        {"shot with a rifle held", 29, true, false},
        {"knife", 54, false, false},
    };
    for (const row& r : rows) {
        SetUp();
        Player(1, 0, 0);
        object& v = Unit(2, 0.3f, 0, UNIT_SHOTGUN, 1, 10);
        has_rifle_equipped = r.rifle;
        PLY_FIREPOWER = 60;
        Man_Shot(r.code, 2, 1, -1, 16);
        if (r.begs) {
            EXPECT_EQ(v.status, 56) << r.what;
            EXPECT_EQ(v.score, 1) << r.what;
            EXPECT_TRUE(v.mercy) << r.what;
            EXPECT_EQ(Calls("Display_Message"), 1) << r.what;
            Man_Shot(29, 2, 1, -1, 16);
        }
        EXPECT_EQ(v.status, 30) << r.what;
        EXPECT_EQ(v.splatted, r.code == 54) << r.what;
        TearDown();
    }
}

TEST_F(Damage, KillsCountAndEveryFifteenthShowsTheMessage) {
    Player(1, 0, 0);
    for (int k = 0; k < 30; k++) {
        int i = 10 + k;
        Unit(i, 1.0f, 1.0f, GUNNER, 1, 5);
        targeted = 0; // a head shot never ends in mercy
        Man_Shot(29, i, 1, -1, 16);
        ASSERT_EQ(sprite[i].status, 30);
        if (k == 13) { EXPECT_EQ(player_msg_count, 14); }
        if (k == 14) { EXPECT_EQ(player_msg_count, 0); }
    }
    EXPECT_EQ(player_kill_count, 30);
    EXPECT_EQ(player_msg_count, 0);
}

TEST_F(Damage, DeathCellAndKnockBackIntoWater) {
    // A kill on a water tile leaves its cell marked 8; on dry ground it frees it.
    Player(1, CX(70), CY(75));
    Unit(2, CX(75), CY(75), GUNNER, 1, 5);
    Unit(3, CX(75), CY(80), GUNNER, 1, 5);
    Tile_At(75, 75) = 481;
    Col_At(75, 75) = COL_FOOTPRINT;
    map_col[Cell_Index(75, 80)] = COL_FOOTPRINT;
    targeted = 0;
    sprite[2].onDeath_action = 0;
    sprite[2].sector = UNIT_MORTAR; // not knocked back: its death cell stays
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(Col(75, 75), 8);

    // A living unit pushed into water leaves the new cell at 8, elsewhere at 6.
    object& v = Unit(4, CX(39) + 0.03f, CY(40), GUNNER, 1, 50);
    Unit(5, CX(35), CY(40), GUNNER, 0);
    tiles[Cell_Index(40, 40)] = 480;
    Knock_Back(5, 4, 16);
    EXPECT_GT(v.w + v.box_width / 2, CX(39) + 0.05f);
    EXPECT_EQ(Col(40, 40), 8);
    EXPECT_EQ(Col(39, 40), COL_FREE);
    Unit(6, CX(59) + 0.03f, CY(60), GUNNER, 1, 50);
    Unit(7, CX(55), CY(60), GUNNER, 0);
    Knock_Back(7, 6, 16);
    EXPECT_EQ(Col(60, 60), COL_FOOTPRINT);
}

TEST_F(Damage, KnockBackStopsAtWallsAndAtTheMapEdge) {
    object& v = Unit(2, CX(40) + 0.03f, CY(40), GUNNER, 1);
    Unit(3, CX(35), CY(40), GUNNER, 0);
    Wall(41, 40);
    float w0 = v.w;
    Knock_Back(3, 2, 16);
    EXPECT_FLOAT_EQ(v.w, w0);

    object& e = Unit(4, CX(149) + 0.04f, CY(10), GUNNER, 1);
    Unit(5, CX(145), CY(10), GUNNER, 0);
    float e0 = e.w;
    Knock_Back(5, 4, 16);
    EXPECT_FLOAT_EQ(e.w, e0);
}

TEST_F(Damage, TheBossAndBuildingsAreNeverDestroyedHere) {
    Player(1, 0, 0);
    object& b = Unit(2, 0.3f, 0, UNIT_BOSS, 1, 10);
    PLY_FIREPOWER = 200;
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_LE(b.score, 0);
    EXPECT_NE(b.status, 30);
    object& h = Unit(3, 0.6f, 0, GUNNER, 1, 10);
    h.building = true;
    Man_Shot(29, 3, 1, -1, 16);
    EXPECT_NE(h.status, 30);
}

TEST_F(Damage, DeathBookkeeping) {
    Use_Test_Clock();
    Advance_Ms(10);
    Player(1, 0, 0);
    in_dungeon = true;
    Level = LVL_CELLAR;
    enemy_count = 4;
    cellar_kill_count = 0;
    player_zombie_kill_count = 0;
    episode = 3;
    scene = 28;
    object& a = Unit(2, 0.3f, 0, GUNNER, 1, 5);
    targeted = 0;
    Man_Shot(29, 2, 1, -1, 16);
    EXPECT_EQ(a.status, 30);
    EXPECT_EQ(a.grenaded, 1);
    EXPECT_TRUE(a.death_flash);
    EXPECT_EQ(a.all_timer, 1010);
    EXPECT_EQ(enemy_count, 3);
    EXPECT_EQ(cellar_kill_count, 1);
    EXPECT_EQ(global_objects[80], 1);
    EXPECT_EQ(a.linked_sprite, 26);
    EXPECT_TRUE(step_sfx);
    EXPECT_EQ(Calls("Knock_Back"), 1);

    // The player's kill of a mortar crew sets off its round; a blast kills as blown up.
    object& m = Unit(3, 0.6f, 0, UNIT_MORTAR1, 1, 5);
    Man_Shot(29, 3, 1, -1, 16);
    EXPECT_EQ(m.grenaded, 2);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
    object& s = Unit(4, 0.9f, 0, UNIT_SKELETON, 1, 5);
    Man_Shot(5, 4, 2, -1, 16);
    EXPECT_EQ(s.grenaded, 2);
    EXPECT_EQ(s.all_timer, 1510);
    EXPECT_EQ(player_zombie_kill_count, 0); // not the player's kill
}
