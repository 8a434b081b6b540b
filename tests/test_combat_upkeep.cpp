// The upkeep that opens each AI step: camera, healing, grenade throw, reload, explosion chain,
// walk counters, spawning by distance, camera path, light points and the timers, on the
// virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/upkeep.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/level_table.h"
#include "content/object_setup.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"

namespace {

constexpr int PLAYER = 0;

class Upkeep : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        call_trace = &trace;
        MAP_WIDTH = MAP_HEIGHT = 150;
        MAP_TILES = 22500;
        map_startX = map_startY = 7.5f;
        std::memset(map_col, 0, sizeof(map_col));
        game_mode = MODE_WALK;
        Level = 2;
        zoom_factor = 1.0f;
        sc_ratio = 0.75f;
        p1_id = PLAYER;
        player_type = 0;
        PLY_VITALITY = 100;
        object& p = sprite[PLAYER];
        p.type = UNT;
        p.score = 100;
        p.status = 3;
        p.box_width = p.box_height = 0.1f;
        p.width = p.height = 0.2f;
        p.w = p.x = 0.0f;
        p.z = p.y = 0.0f;
        p.reached_node = -1;
        p.fire_target = -1;
        no_sprites = 1;
        fade_timer = 0;
        Advance_Ms(1);
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }
    static object& P() { return sprite[PLAYER]; }
};

// ---- Camera -------------------------------------------------------------------------------

TEST_F(Upkeep, CameraClosesPointEightPercentOfTheGapAndKeepsTheMouseOnScreen) {
    object& p = P();
    p.x = 1.0f;
    p.width = 0.2f;
    p.y = 0.5f;
    camX = camY = 0.0f;
    mouseX = 0.25f;
    mouseY = -0.1f;
    AI_Upkeep(16);
    const float tx = -(1.0f + 0.1f), ty = -0.5f;
    EXPECT_NEAR(camX, tx * 0.008f, 1e-6f);
    EXPECT_NEAR(camY, ty * 0.008f, 1e-6f);
    EXPECT_NEAR(camDistance, std::sqrt(tx * tx + ty * ty), 1e-5f);
    // The pointer keeps its place on the screen: its world position moves with the camera.
    EXPECT_NEAR(mouseX + camX, 0.25f, 1e-6f);
    EXPECT_NEAR(mouseY + camY, -0.1f, 1e-6f);
}

TEST_F(Upkeep, CameraStaysInsideTheMap) {
    struct Case { float px, py; float cam_x, cam_y; };
    // Map 150 x 150 cells centred on the origin: camX within [1 - 7.5, 7.5 - 1],
    // camY within [0.75 - 7.5, 7.5 - 0.75].
    const Case cases[] = {
        {-50.0f, -50.0f, 6.5f, 6.75f},   // far to the lower left
        {50.0f, 50.0f, -6.5f, -6.75f},   // far to the upper right
    };
    for (const Case& c : cases) {
        P().x = c.px;
        P().y = c.py;
        camX = -c.px;
        camY = -c.py;
        AI_Upkeep(16);
        EXPECT_FLOAT_EQ(camX, c.cam_x) << c.px;
        EXPECT_FLOAT_EQ(camY, c.cam_y) << c.py;
    }
}

TEST_F(Upkeep, NoCameraFollowOnSlowFramesOrOutsideWalking) {
    P().x = 2.0f;
    camX = camY = 0.0f;
    AI_Upkeep(100);
    EXPECT_FLOAT_EQ(camX, 0.0f);
    game_mode = MODE_CINE;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(camX, 0.0f);
}

TEST_F(Upkeep, CameraPathMovesTowardItsPointAndStopsThere) {
    points[0] = a_point{};
    points[0].x = 1.0f;
    points[0].y = 0.0f;
    no_points = 1;
    next_cam = 0;
    cam_moving = true;
    game_mode = MODE_CINE;  // no follow
    camX = camY = 0.0f;
    struct Case { int speed; float per_ms; };
    for (const Case& c : {Case{0, 0.0002f}, Case{1, 0.0003f}, Case{2, 0.0005f}}) {
        camX = camY = 0.0f;
        cam_speed = c.speed;
        AI_Upkeep(10);
        EXPECT_NEAR(-camX, 1.2f * 10 * c.per_ms, 1e-6f) << "speed " << c.speed;
        EXPECT_NEAR(camY, 0.0f, 1e-6f);
        EXPECT_TRUE(cam_moving);
    }
    camX = -0.96f;  // within 0.05 of the point
    AI_Upkeep(10);
    EXPECT_FALSE(cam_moving);
}

TEST_F(Upkeep, ACameraPathToAPointThatDoesNotExistEnds) {
    for (int next : {-1, 5, MAX_POINTS + 3}) {
        no_points = 5;
        next_cam = next;
        cam_moving = true;
        camX = camY = 0.0f;
        game_mode = MODE_CINE;
        AI_Upkeep(10);
        EXPECT_FALSE(cam_moving) << next;
        EXPECT_FLOAT_EQ(camX, 0.0f);
    }
}

// ---- Healing ------------------------------------------------------------------------------

TEST_F(Upkeep, HealingSpeedsUpByFourMsPerPointDownToForty) {
    object& p = P();
    p.score = 20;
    start_healing = true;
    healup_addition = 60;
    current_healthkit = 2;
    remove_healthkit = true;
    std::vector<int> heal_times;
    for (int t = 0; t < 6000 && p.score < 100; ++t) {
        const int before = p.score;
        AI_Upkeep(1);
        if (p.score > before) heal_times.push_back(Now());
        Advance_Ms(1);
    }
    ASSERT_GE(heal_times.size(), 8u);
    // Intervals of 60, 56, 52, 48, 44, 40, 40 ... (plus the one ms of "past due").
    const int expected[] = {61, 57, 53, 49, 45, 41, 41};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(heal_times[i + 1] - heal_times[i], expected[i]) << i;
    EXPECT_EQ(healup_addition, 40);
    EXPECT_EQ(p.score, 100);
    EXPECT_EQ(current_healthkit, 1) << "one kit used up";
    EXPECT_FALSE(remove_healthkit);
    EXPECT_EQ(old_message, MSG_HEALING);
    EXPECT_TRUE(healup_sfx);
}

TEST_F(Upkeep, HealingStopsWhenThePlayerActs) {
    object& p = P();
    p.score = 50;
    start_healing = true;
    remove_healthkit = true;
    p.status = 29;
    AI_Upkeep(16);
    EXPECT_FALSE(start_healing);
    EXPECT_FALSE(remove_healthkit);
    EXPECT_EQ(p.score, 50);
    p.status = 3;
    start_healing = true;
    reloading = true;
    AI_Upkeep(16);
    EXPECT_FALSE(start_healing);
}

TEST_F(Upkeep, HealingFlashesAndBumpsEveryFourthTick) {
    object& p = P();
    p.score = 10;
    start_healing = true;
    healup_addition = 100000;  // only the flash ticks matter here
    int bumps = 0;
    for (int tick = 0; tick < 8; ++tick) {
        healup_sfx = false;
        AI_Upkeep(1);
        EXPECT_TRUE(p.flash_target);
        if (healup_sfx) {
            bumps++;
            EXPECT_TRUE(bump_player);
        }
        Advance_Ms(151);
    }
    EXPECT_EQ(bumps, 2);
}

// ---- Party power and momentum -------------------------------------------------------------

TEST_F(Upkeep, PartyPowerNeedsThreeKitsAndFullHealthAndBouncesThePlayer) {
    current_healthkit = 3;
    P().score = 99;
    AI_Upkeep(16);
    EXPECT_FALSE(party_power);
    P().score = 100;
    AI_Upkeep(16);
    EXPECT_TRUE(party_power);
    EXPECT_EQ(hud[37].anim, 7) << "the HUD slots follow from the next frame";
    AI_Upkeep(16);
    EXPECT_EQ(hud[37].anim, 9);
    EXPECT_EQ(hud[52].anim, 9);
    EXPECT_EQ(hud[53].anim, 9);
    std::vector<std::pair<int, bool>> changes;
    bool last = bump_player;
    for (int t = 0; t < 2000; ++t) {
        Advance_Ms(1);
        AI_Upkeep(1);
        if (bump_player != last) changes.push_back({Now(), bump_player});
        last = bump_player;
    }
    ASSERT_GE(changes.size(), 3u);
    EXPECT_EQ(changes[1].first - changes[0].first, changes[0].second ? 101 : 751);
    EXPECT_EQ(changes[2].first - changes[1].first, changes[1].second ? 101 : 751);
}

TEST_F(Upkeep, KeyboardMomentumFadesAndStopsThePlayer) {
    CONTROL_SCHEME = false;
    object& p = P();
    p.status = 27;
    p.moving = true;
    KEY_FORWARD = true;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(ply_accel, 1.0f);
    KEY_FORWARD = false;
    AI_Upkeep(50);
    EXPECT_NEAR(ply_accel, 1.0f - 50 * 3e-07f, 1e-7f);
    ply_accel = 1e-6f;
    AI_Upkeep(50);
    EXPECT_FLOAT_EQ(ply_accel, 0.0f);
    EXPECT_FALSE(p.moving);
    EXPECT_EQ(p.status, 3);
}

// ---- Grenade throw ------------------------------------------------------------------------

TEST_F(Upkeep, AGrenadeWaitsUntilThePlayerHasTurned) {
    object& p = P();
    player_inv[4] = 28;
    player_inv_value[4] = 2;
    current_weapon = 4;
    throw_grenade = true;
    p.angle = 1.0f;
    p.tar_angle = 2.0f;
    AI_Upkeep(16);
    EXPECT_TRUE(throw_grenade);
    EXPECT_EQ(no_fx, 0);
    p.angle = 2.0f;
    AI_Upkeep(16);
    EXPECT_FALSE(throw_grenade);
    EXPECT_EQ(p.status, 67);
    EXPECT_TRUE(chop_sfx);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[0].sector, 27);
    EXPECT_EQ(Fx[1].sector, 28);
    EXPECT_EQ(Fx[0].id, 27);
    EXPECT_EQ(Fx[1].id, 8);
    EXPECT_EQ(player_inv_value[4], 1);
    EXPECT_EQ(current_weapon, 4);
}

TEST_F(Upkeep, TheLastGrenadeEmptiesItsSlot) {
    player_inv[4] = 28;
    player_inv_value[4] = 1;
    player_inv_value1[4] = 3;
    player_inv_value2[4] = 1;
    current_weapon = 4;
    throw_grenade = true;
    AI_Upkeep(16);
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(player_inv_value[4], 0);
    EXPECT_EQ(player_inv_value1[4], 0);
    EXPECT_EQ(player_inv_value2[4], 0);
    EXPECT_EQ(current_weapon, -1);
    EXPECT_GE(Count("Calculate_Inventory"), 1);
}

TEST_F(Upkeep, AGrenadeWithoutAHeldSlotTouchesNoSlot) {
    current_weapon = -1;
    throw_grenade = true;
    for (int s = 0; s < 16; ++s) player_inv_value[s] = 5;
    AI_Upkeep(16);
    EXPECT_EQ(P().status, 67);
    for (int s = 0; s < 16; ++s) EXPECT_EQ(player_inv_value[s], 5) << s;
}

TEST_F(Upkeep, NoThrowWhileBusyDeadOrLocked) {
    struct Case { const char* what; int status; bool dead; bool locked; bool scene_change; };
    const Case cases[] = {
        {"knifing", 54, false, false, false}, {"throwing", 67, false, false, false},
        {"dead", 3, true, false, false},      {"locked", 3, false, true, false},
        {"leaving", 3, false, false, true},
    };
    for (const Case& c : cases) {
        P().status = c.status;
        ply_dead = c.dead;
        lock_player = c.locked;
        next_scene = c.scene_change;
        throw_grenade = true;
        AI_Upkeep(16);
        EXPECT_TRUE(throw_grenade) << c.what;
        EXPECT_EQ(no_fx, 0) << c.what;
    }
}

// ---- Reload -------------------------------------------------------------------------------

TEST_F(Upkeep, AReloadTakesFromSeveralStacksAndFillsTheOtherSlotOfATwoSlotWeapon) {
    GUN_CAPACITY = 10;
    player_inv[2] = 6;  // rifle, left slot
    player_inv[3] = 7;  // rifle, right slot (held)
    player_inv_value2[2] = 2;
    player_inv_value2[3] = 2;
    player_inv[5] = RIFLE_AMMO;
    player_inv_value[5] = 3;
    player_inv[6] = PISTOL_AMMO;
    player_inv_value[6] = 50;
    player_inv[9] = RIFLE_AMMO;
    player_inv_value[9] = 20;
    current_weapon = 3;
    reloading = true;
    ply_reload_timer = Now() + 100;
    AI_Upkeep(16);
    EXPECT_TRUE(reloading);
    Advance_Ms(101);
    AI_Upkeep(16);
    EXPECT_FALSE(reloading);
    EXPECT_TRUE(cash_up_sfx);
    EXPECT_EQ(weapon_type, 5);
    EXPECT_EQ(player_inv_value2[3], 10);
    EXPECT_EQ(player_inv_value2[2], 10);
    EXPECT_EQ(player_inv[5], 0) << "the first stack is used up and cleared";
    EXPECT_EQ(player_inv_value[5], 0);
    EXPECT_EQ(player_inv_value[9], 15);
    EXPECT_EQ(player_inv_value[6], 50);
    EXPECT_EQ(P().status, 3);
    EXPECT_GE(Count("Calculate_Bullets"), 1);
}

TEST_F(Upkeep, ReloadFamiliesTakeTheirOwnAmmunition) {
    struct Case { int code; int family; int ammo; };
    const Case cases[] = {{8, 5, RIFLE_AMMO},   {10, 9, PISTOL_AMMO}, {11, 9, PISTOL_AMMO},
                          {33, 32, SHELLS},     {35, 32, SHELLS},     {38, 37, BULLETS},
                          {40, 37, BULLETS}};
    for (const Case& c : cases) {
        std::memset(player_inv, 0, sizeof(player_inv));
        std::memset(player_inv_value, 0, sizeof(player_inv_value));
        std::memset(player_inv_value2, 0, sizeof(player_inv_value2));
        GUN_CAPACITY = 6;
        player_inv[1] = c.code;
        player_inv_value[1] = 1;
        player_inv[8] = c.ammo;
        player_inv_value[8] = 10;
        current_weapon = 1;
        reloading = true;
        ply_reload_timer = 0;
        has_unlimited = false;
        AI_Upkeep(16);
        EXPECT_EQ(weapon_type, c.family) << "code " << c.code;
        EXPECT_EQ(player_inv_value2[1], 6) << "code " << c.code;
        EXPECT_EQ(player_inv_value[8], 4) << "code " << c.code;
    }
}

TEST_F(Upkeep, AnUnlimitedPistolLoadsTwentyFourWithoutAmmunition) {
    GUN_CAPACITY = 8;
    has_unlimited = true;
    player_inv[1] = 10;
    player_inv_value[1] = 4;
    player_inv[8] = PISTOL_AMMO;
    player_inv_value[8] = 10;
    current_weapon = 1;
    reloading = true;
    AI_Upkeep(16);
    EXPECT_EQ(player_inv_value2[1], 24);
    EXPECT_EQ(player_inv_value[8], 10);
}

TEST_F(Upkeep, AStackRecordedWithoutRoundsGivesNoneAndIsCleared) {
    GUN_CAPACITY = 6;
    player_inv[1] = 10;
    player_inv_value[1] = 1;
    player_inv[4] = PISTOL_AMMO;
    player_inv_value[4] = -5;
    player_inv[8] = PISTOL_AMMO;
    player_inv_value[8] = 3;
    current_weapon = 1;
    reloading = true;
    AI_Upkeep(16);
    EXPECT_EQ(player_inv_value2[1], 3);
    EXPECT_EQ(player_inv[4], 0);
    EXPECT_EQ(player_inv_value[4], 0);
    EXPECT_EQ(player_inv[8], 0);
}

TEST_F(Upkeep, AReloadTicksEverySecondAndEndsWalkingWhenMoving) {
    GUN_CAPACITY = 6;
    CONTROL_SCHEME = true;  // no keyboard momentum to idle the walker again
    player_inv[1] = 10;
    current_weapon = 1;
    reloading = true;
    reload_count = 0;
    ply_reload_timer = Now() + 2500;
    int ticks = 0;
    for (int t = 0; t <= 2600; ++t) {
        potion_up_sfx = false;
        if (t == 2400) P().moving = true;
        AI_Upkeep(1);
        ticks += potion_up_sfx;
        Advance_Ms(1);
    }
    EXPECT_FALSE(reloading);
    EXPECT_EQ(ticks, 3) << "at 1, 1002 and 2003 ms";
    EXPECT_EQ(P().status, 27);
    EXPECT_EQ(P().fire_target, -1);
}

TEST_F(Upkeep, AReloadWithAWeaponSlotOutsideTheInventoryIsLeftPending) {
    for (int slot : {16, 99, -7}) {
        current_weapon = slot;
        reloading = true;
        AI_Upkeep(16);
        EXPECT_TRUE(reloading) << slot;
    }
}

// ---- Explosion chain ----------------------------------------------------------------------

TEST_F(Upkeep, TheExplosionChainFiresSeventeenBlastsOnItsSchedule) {
    exploding_id = 0;
    exploding_timer = Now() - 1;
    exploding_count = 0;
    current_main = 2;
    global_objects[18] = global_objects[19] = 1;
    const int start = Now();
    std::vector<int> blasts;
    for (int t = 0; t < 6000; ++t) {
        const int before = exploding_count;
        const int id_before = exploding_id;
        AI_Upkeep(1);
        if (exploding_count != before || (id_before != -1 && exploding_id == -1)) blasts.push_back(Now() - start);
        Advance_Ms(1);
    }
    ASSERT_EQ(blasts.size(), 17u);
    EXPECT_EQ(blasts[0], 0);
    EXPECT_EQ(blasts[1], 501);
    EXPECT_EQ(blasts[2], 1002);
    EXPECT_EQ(blasts[3], 1503);
    for (int i = 4; i < 17; ++i) EXPECT_EQ(blasts[i] - blasts[i - 1], 201) << i;
    EXPECT_EQ(exploding_id, -1);
    EXPECT_EQ(exploding_count, 0);
    EXPECT_EQ(old_message, 41);
}

TEST_F(Upkeep, AnExplosionChainOnANonSpriteEnds) {
    exploding_id = MAX_SPRITES + 5;
    exploding_count = 3;
    AI_Upkeep(16);
    EXPECT_EQ(exploding_id, -1);
    EXPECT_EQ(exploding_count, 0);
    EXPECT_EQ(no_fx, 0);
}

// ---- Counters, spawning, follow point -----------------------------------------------------

TEST_F(Upkeep, WalkCountersCountStepsAndMiles) {
    player_walked = 0;
    player_miles = 0;
    for (int i = 0; i < 3281; ++i) {
        step_traveled = 140.0f;
        AI_Upkeep(16);
        EXPECT_FLOAT_EQ(step_traveled, 0.0f);
    }
    EXPECT_EQ(player_miles, 1);
    EXPECT_EQ(player_walked, 0);

    player_in_water = true;
    lock_player = true;  // keeps the crouch check from reading the dry map under the player
    step_traveled = 150.0f;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(step_traveled, 150.0f) << "wading steps are longer";
    step_traveled = 200.0f;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(step_traveled, 0.0f);
    EXPECT_EQ(player_walked, 0);
}

TEST_F(Upkeep, NoSpawningByDistanceOnQuietLevels) {
    spawn_level_number = 3;
    for (int level : {LVL_TRAINING, LVL_BASE, LVL_TEST, LVL_ROADWAY, LVL_ORCHARD, LVL_BOOT_ROAD,
                      LVL_BEACH_ROAD, LVL_AIRFIELD}) {
        Level = level;
        distance_traveled = 2.0f;
        spawn_group = 1;
        AI_Upkeep(16);
        EXPECT_FLOAT_EQ(distance_traveled, 2.0f) << level;
        EXPECT_EQ(spawn_group, 1) << level;
    }
    Level = LVL_VILLAGE;
    in_dungeon = true;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(distance_traveled, 2.0f) << "dungeon";
}

TEST_F(Upkeep, ARefusedSpawnIsRetriedNextFrame) {
    Level = LVL_VILLAGE;  // no ground that units spawn on: every attempt is refused
    spawn_level_number = 1;
    spawn_group = 1;
    distance_traveled = 1.5f;
    AI_Upkeep(16);
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(distance_traveled, 1.5f);
    EXPECT_EQ(spawn_group, 1);
}

TEST_F(Upkeep, ASpawnResetsTheDistanceAndCyclesTheGroup) {
    std::fill(std::begin(tiles), std::end(tiles), 416);  // spawnable ground everywhere
    Level = LVL_VILLAGE;
    spawn_level_number = 1;
    spawn_group = 0;
    distance_traveled = 1.5f;
    AI_Upkeep(16);
    ASSERT_FLOAT_EQ(distance_traveled, 0.0f);
    EXPECT_EQ(spawn_group, 1);
    distance_traveled = 1.5f;
    AI_Upkeep(16);
    ASSERT_FLOAT_EQ(distance_traveled, 0.0f);
    EXPECT_EQ(spawn_group, 2);
    distance_traveled = 1.5f;
    AI_Upkeep(16);
    ASSERT_FLOAT_EQ(distance_traveled, 0.0f);
    EXPECT_EQ(spawn_group, 0) << "back to 0 once above spawn_level_number + 1";
}

TEST_F(Upkeep, TheFollowPointIsThePlayersCell) {
    P().w = 1.0f;
    P().z = -2.0f;
    distance_traveled = 0.02f;
    AI_Upkeep(16);
    EXPECT_EQ(follow_x, 0);
    distance_traveled = 0.05f;
    AI_Upkeep(16);
    EXPECT_EQ(follow_x, (int)((1.05f + 5) * 10));
    EXPECT_EQ(follow_y, (int)((-1.95f + 5) * 10));
}

// ---- Light points, timers and outcomes ----------------------------------------------------

TEST_F(Upkeep, ExpiredLightPointsAreRemovedAndTheNextLooksAgainNextFrame) {
    for (int i = 0; i < 4; ++i) {
        points[i] = a_point{};
        points[i].x = (float)i;
        points[i].anim = 100 + i;
        points[i].c1 = LIGHT_PNT;
        points[i].score = 1000000;
    }
    points[3].c1 = 1;
    points[1].score = Now();  // reached
    points[2].score = Now();  // reached, moves into the freed place
    no_points = 4;
    AI_Upkeep(16);
    ASSERT_EQ(no_points, 3);
    EXPECT_FLOAT_EQ(points[1].x, 2.0f);
    EXPECT_EQ(points[1].anim, 101) << "animation fields stay in place";
    EXPECT_FLOAT_EQ(points[2].x, 3.0f);
    EXPECT_EQ(points[2].c1, 1);
    AI_Upkeep(16);
    ASSERT_EQ(no_points, 2);
    EXPECT_FLOAT_EQ(points[1].x, 3.0f);
}

TEST_F(Upkeep, TheTurnClockTicksEveryFifteenMs) {
    int ticks = 0;
    for (int t = 0; t < 160; ++t) {
        AI_Upkeep(1);
        ticks += run_angle_check;
        Advance_Ms(1);
    }
    EXPECT_EQ(ticks, 10);
}

TEST_F(Upkeep, TunnelChangesTheSceneWhenDue) {
    tunnel_timer = Now() + 10;
    next_scene1 = 7;
    next_episode1 = 2;
    AI_Upkeep(16);
    EXPECT_FALSE(next_scene);
    Advance_Ms(11);
    AI_Upkeep(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(scene, 7);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(tunnel_timer, -1);
}

TEST_F(Upkeep, TrainingSuccessAndMissionFailure) {
    Level = LVL_TRAINING;
    current_main = 1;
    main_mission[1] = 2;
    success_condition = total_success_condition = 5;
    AI_Upkeep(16);
    EXPECT_EQ(P().status, 69);
    EXPECT_EQ(P().all_timer, Now() + 1500);
    EXPECT_EQ(success_condition, 0);

    fail_condition = total_fail_condition = 3;
    mission_objective = -1;
    lock_player = true;
    AI_Upkeep(16);
    EXPECT_EQ(mission_objective, -1) << "locked";
    lock_player = false;
    AI_Upkeep(16);
    EXPECT_EQ(mission_objective, 101);
}

TEST_F(Upkeep, MedalsAreCheckedOnlyAfterTheFade) {
    player_kill_count = 100;
    fade_timer = Now() + 50;
    AI_Upkeep(16);
    EXPECT_EQ(global_medals[0], 0);
    Advance_Ms(51);
    AI_Upkeep(16);
    EXPECT_EQ(global_medals[0], 1);
}

TEST_F(Upkeep, FarEffectsAreSwitchedOff) {
    no_fx = 3;
    Fx[0].sector = 1;
    Fx[0].x = 1.2f;
    Fx[1].sector = 24;
    Fx[1].x = 0.3f;
    Fx[2].sector = 5;
    Fx[2].x = 3.0f;
    AI_Upkeep(16);
    EXPECT_TRUE(Fx[0].turn_off);
    EXPECT_FALSE(Fx[1].turn_off);
    EXPECT_FALSE(Fx[2].turn_off) << "other kinds stay";
}

TEST_F(Upkeep, TheStepEndsWithListsClearedAndRefreshesTheNoise) {
    music_danger_volume = 0.3f;
    light_count = 4;
    draw_light_count = 2;
    no_lights_on = 6;
    alert_enemies = true;
    check_timer = 0;
    AI_Upkeep(16);
    EXPECT_FLOAT_EQ(music_danger_volume, 0.0f);
    EXPECT_EQ(light_count, 0);
    EXPECT_EQ(draw_light_count, 0);
    EXPECT_EQ(no_lights_on, 0);
    EXPECT_FALSE(alert_enemies);
    EXPECT_EQ(noise_maker, 2);
}

}  // namespace
