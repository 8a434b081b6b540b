// Spotting enemies, hearing noises, the stealth alarm and the on-screen test.
#include <gtest/gtest.h>

#include "combat/awareness.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "content/level_table.h"
#include "support/virtual_clock.h"
#include "test_world_fixture.h"
#include "world/sprite_construction.h"

namespace {
constexpr int NOW = 3000;
constexpr int VIEWER = 1;
} // namespace

class CombatAwareness : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        Advance_Ms(NOW);
        zoom_factor = 1.0f;
        sc_ratio = 0.75f;
    }
    // A live unit of side `side` whose box and drawn rectangle are 0.1 square centred on (x, y).
    static void Unit(int i, float x, float y, int side, int cls = GUNNER, bool listed = true) {
        object& o = sprite[i];
        o.type = UNT;
        o.sector = cls;
        o.linked_sprite = side;
        o.score = 50;
        o.status = 3;
        o.fire_target = -1;
        o.box_width = o.box_height = o.width = o.height = 0.1f;
        o.w = o.x = x - 0.05f;
        o.z = o.y = y - 0.05f;
        if (i >= no_sprites) no_sprites = i + 1;
        if (listed) player_list[player_counter++] = i;
    }
    // Moves the camera so that the view centre is far from everything placed near the origin.
    static void Look_Away() {
        camX = -5.0f;
        camY = -5.0f;
    }
};

TEST_F(CombatAwareness, OnscreenProbesWithMarginsAndZoom) {
    // View centre (0, 0), zoom 1: x strictly inside (-0.75, 0.75), y inside (-0.5, 0.5).
    struct { float x, y, w, h, zoom; bool on; } cases[] = {
        {0.0f, 0.0f, 0.1f, 0.1f, 1.0f, true},
        {0.74f, 0.0f, 0.1f, 0.1f, 1.0f, true},   // its left edge is inside
        {0.75f, 0.0f, 0.1f, 0.1f, 1.0f, false},  // touching the border is outside
        {-0.9f, -0.6f, 0.1f, 0.2f, 1.0f, false},
        {-0.9f, -0.6f, 0.3f, 0.2f, 1.0f, true},  // its upper right corner reaches in
        {-1.0f, 0.0f, 2.0f, 0.05f, 1.0f, true},  // only the middle probe of the bottom edge
        {0.0f, 0.49f, 0.1f, 0.1f, 1.0f, true},
        {0.0f, 0.5f, 0.1f, 0.1f, 1.0f, false},
        // zoomed: half-width 2, side margin 0.35, so x inside (-1.65, 1.65), y inside (-1.25, 1.25)
        {1.6f, 0.0f, 0.1f, 0.1f, 2.0f, true},
        {1.65f, 0.0f, 0.1f, 0.1f, 2.0f, false},
        {0.0f, 1.2f, 0.1f, 0.1f, 2.0f, true},
    };
    for (const auto& c : cases) {
        object& o = sprite[3];
        o.x = c.x;
        o.y = c.y;
        o.width = c.w;
        o.height = c.h;
        zoom_factor = c.zoom;
        EXPECT_EQ(Is_Sprite_Onscreen(3), c.on) << c.x << "," << c.y << " zoom " << c.zoom;
    }
    // The view follows the camera.
    zoom_factor = 1.0f;
    sprite[3].x = 10.0f;
    sprite[3].y = 10.0f;
    camX = camY = -10.0f;
    EXPECT_TRUE(Is_Sprite_Onscreen(3));
    EXPECT_FALSE(Is_Sprite_Onscreen(-1));
    EXPECT_FALSE(Is_Sprite_Onscreen(750));
}

TEST_F(CombatAwareness, OffscreenViewerFindsNothingBeyondItsSightRadius) {
    Look_Away();
    Unit(VIEWER, 0.0f, 0.0f, 1);
    Unit(2, 0.9f, 0.0f, 0); // clear line, in front, but beyond 0.8
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, -1);
    EXPECT_FALSE(alert_enemies);
    EXPECT_EQ(sprite[VIEWER].status, 3);
}

TEST_F(CombatAwareness, SpottedEnemyBecomesTargetAndANoise) {
    Look_Away();
    p1_id = 2;
    Unit(VIEWER, 0.0f, 0.0f, 1);
    Unit(2, 0.5f, 0.2f, 0);
    AI_Check_For_Enemies(VIEWER);
    const object& v = sprite[VIEWER];
    EXPECT_EQ(v.fire_target, 2);
    EXPECT_EQ(v.status, 27);
    EXPECT_TRUE(v.moving);
    EXPECT_EQ(v.anim_state, 0);
    EXPECT_FALSE(v.turning);
    EXPECT_EQ(v.all_timer, NOW + 200);
    EXPECT_FLOAT_EQ(v.end_x, 0.5f);
    EXPECT_FLOAT_EQ(v.end_y, 0.2f);
    EXPECT_TRUE(alert_enemies);
    EXPECT_EQ(noise_type, 2);
    EXPECT_FLOAT_EQ(noise_x, 0.5f);
    EXPECT_FLOAT_EQ(noise_y, 0.2f);
}

TEST_F(CombatAwareness, BaggingViewerTargetsWithoutWalking) {
    Look_Away();
    Unit(VIEWER, 0.0f, 0.0f, 1);
    sprite[VIEWER].bagging = true;
    Unit(2, 0.5f, 0.0f, 0);
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, 2);
    EXPECT_EQ(sprite[VIEWER].status, 3);
    EXPECT_FALSE(sprite[VIEWER].moving);
    // Without a player the noise point stays where it was.
    EXPECT_FLOAT_EQ(noise_x, 0.0f);
}

// What a viewer facing right (angle 0) makes of one candidate 0.5 away.
TEST_F(CombatAwareness, CandidateTests) {
    struct {
        const char* what;
        int viewer_class, viewer_status;
        float tx, ty;
        int cand_side, cand_score, cand_status, cand_type, cand_class;
        bool wall;
        bool chosen;
    } cases[] = {
        {"in front", GUNNER, 3, 0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"beside", GUNNER, 3, 0.0f, 0.5f, 0, 50, 3, UNT, GUNNER, false, true},
        {"behind", GUNNER, 3, -0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, false},
        {"behind, a dog sees all around", DOG, 3, -0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"behind, a bird", UNIT_BIRD, 3, -0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"behind, a vehicle is always seen", GUNNER, 3, -0.5f, 0.0f, 0, 50, 3, UNT, UNIT_VEHICLE, false, true},
        {"same side", GUNNER, 3, 0.5f, 0.0f, 1, 50, 3, UNT, GUNNER, false, false},
        {"dead", GUNNER, 3, 0.5f, 0.0f, 0, 0, 3, UNT, GUNNER, false, false},
        {"status 64", GUNNER, 3, 0.5f, 0.0f, 0, 50, 64, UNT, GUNNER, false, false},
        {"not a unit", GUNNER, 3, 0.5f, 0.0f, 0, 50, 3, OBJ, GUNNER, false, false},
        {"wall between", GUNNER, 3, 0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, true, false},
        {"wall, a duck sees over it", DUCK, 3, 0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, true, true},
        {"viewer in status 62", GUNNER, 62, 0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, false},
        {"viewer in status 55 sees 0.2", GUNNER, 55, 0.5f, 0.0f, 0, 50, 3, UNT, GUNNER, false, false},
        {"viewer in status 58, near", GUNNER, 58, 0.15f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"shotgun sees 1.0", UNIT_SHOTGUN, 3, 0.95f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"mortar sees 1.2", UNIT_MORTAR1, 3, 1.15f, 0.0f, 0, 50, 3, UNT, GUNNER, false, true},
        {"gunner does not see 0.85", GUNNER, 3, 0.85f, 0.0f, 0, 50, 3, UNT, GUNNER, false, false},
        {"vehicle seen from 1.2", GUNNER, 3, 1.15f, 0.0f, 0, 50, 3, UNT, UNIT_VEHICLE, false, true},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Look_Away();
        player_counter = 0;
        Unit(VIEWER, 0.0f, 0.0f, 1, c.viewer_class);
        sprite[VIEWER].status = c.viewer_status;
        sprite[VIEWER].angle = 0.0f;
        Unit(2, c.tx, c.ty, c.cand_side, c.cand_class);
        sprite[2].score = c.cand_score;
        sprite[2].status = c.cand_status;
        sprite[2].type = c.cand_type;
        if (c.wall)
            for (int row = 0; row < MAP_HEIGHT; ++row) Wall(Cell_Column(c.tx / 2), row);
        AI_Check_For_Enemies(VIEWER);
        EXPECT_EQ(sprite[VIEWER].fire_target, c.chosen ? 2 : -1) << c.what;
    }
}

TEST_F(CombatAwareness, CandidateExactlyAtTheSightRadiusIsNotChosen) {
    Look_Away();
    Unit(VIEWER, 0.0f, 0.0f, 1);
    Unit(2, 0.0f, 0.5f, 0);
    sprite[VIEWER].angle = 1.5f;
    sprite[VIEWER].status = 55; // sight radius 0.2
    // Box centre exactly 0.2 to the right of a viewer facing up: beside it.
    sprite[2].w = 0.1f;
    sprite[2].box_width = 0.2f;
    sprite[2].z = -0.05f;
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, -1);
    sprite[2].w = 0.09f;
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, 2);
}

TEST_F(CombatAwareness, OffscreenKeepsNearestOnscreenTakesLastListed) {
    Look_Away();
    Unit(VIEWER, 0.0f, 0.0f, 1);
    Unit(2, 0.3f, 0.0f, 0);
    Unit(3, 0.6f, 0.0f, 0);
    Unit(4, 0.3f, 0.0f, 0); // as near as 2: the earlier one stays
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, 2);

    sprite[VIEWER].fire_target = -1;
    camX = camY = 0.0f; // the viewer is on screen
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, 4);
}

TEST_F(CombatAwareness, BrokenListEntriesAreSkipped) {
    Look_Away();
    Unit(VIEWER, 0.0f, 0.0f, 1);
    player_list[player_counter++] = -1;
    player_list[player_counter++] = 5000;
    Unit(2, 0.5f, 0.0f, 0);
    AI_Check_For_Enemies(VIEWER);
    EXPECT_EQ(sprite[VIEWER].fire_target, 2);
    AI_Check_For_Enemies(-1);
    AI_Check_For_Enemies(750);
}

// ---- Hearing -------------------------------------------------------------------------

class CombatHearing : public CombatAwareness {
protected:
    void SetUp() override {
        CombatAwareness::SetUp();
        noise_maker = 2;
        noise_x = 0.0f;
        noise_y = 0.0f;
    }
    // A listener whose box centre is d to the right of the noise (Node_Distance d / 2).
    void Listener(float manhattan_half) { Unit(VIEWER, manhattan_half * 2.0f, 0.0f, 1, GUNNER, false); }
};

TEST_F(CombatHearing, HearingRadiusByScreenAndDungeon) {
    struct { int screen; bool dungeon; float d; bool wakes; } cases[] = {
        {0, false, 1.55f, true}, {0, false, 1.65f, false}, {1, false, 1.75f, true},
        {2, false, 1.85f, false}, {1, true, 0.95f, true}, {1, true, 1.05f, false}, {0, true, 1.05f, false},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        screen_mode = c.screen;
        in_dungeon = c.dungeon;
        Listener(c.d);
        Alert_Enemies(-1, VIEWER);
        EXPECT_EQ(sprite[VIEWER].status == 27, c.wakes) << "screen " << c.screen << " dungeon " << c.dungeon << " d " << c.d;
    }
}

TEST_F(CombatHearing, WokenUnitWalksToTheNoise) {
    noise_x = 0.3f;
    noise_y = -0.2f;
    Unit(VIEWER, 0.0f, 0.0f, 1, GUNNER, false);
    sprite[VIEWER].special = 5;
    Alert_Enemies(-1, VIEWER);
    const object& u = sprite[VIEWER];
    EXPECT_EQ(u.status, 27);
    EXPECT_EQ(u.special, 0);
    EXPECT_TRUE(u.moving);
    EXPECT_EQ(u.all_timer, NOW + 200);
    EXPECT_FLOAT_EQ(u.end_x, 0.3f);
    EXPECT_FLOAT_EQ(u.end_y, -0.2f);
    EXPECT_TRUE(u.spotted);
    EXPECT_EQ(u.spotted_timer, NOW + 8000);
}

TEST_F(CombatHearing, BirdFliesAwayFromTheNoise) {
    noise_x = 0.3f;
    noise_y = -0.2f;
    Unit(VIEWER, 0.0f, 0.0f, 1, UNIT_BIRD, false);
    Alert_Enemies(-1, VIEWER);
    EXPECT_EQ(sprite[VIEWER].status, 27);
    EXPECT_FLOAT_EQ(sprite[VIEWER].end_x, -0.3f);
    EXPECT_FLOAT_EQ(sprite[VIEWER].end_y, 0.2f);
}

TEST_F(CombatHearing, BusyOrExcludedListenersAreNotDiverted) {
    for (int status : {21, 53, 56, 57, 64, 28, 51, 74, 27, 29, 55}) {
        TearDown();
        SetUp();
        Listener(0.2f);
        sprite[VIEWER].status = status;
        Alert_Enemies(-1, VIEWER);
        EXPECT_EQ(sprite[VIEWER].status, status);
        EXPECT_FALSE(sprite[VIEWER].moving) << status;
        EXPECT_TRUE(sprite[VIEWER].spotted) << status; // it still notices
    }
    struct { const char* what; void (*setup)(); bool spotted; } cases[] = {
        {"the alerting sprite", [] {}, false},
        {"bagging", [] { sprite[VIEWER].bagging = true; }, false},
        {"switched off", [] { sprite[VIEWER].turn_off = true; }, false},
        {"dead", [] { sprite[VIEWER].score = 0; }, false},
        {"the player", [] { p1_id = VIEWER; }, false},
        {"shooting", [] { sprite[VIEWER].emy_shooting = true; }, true},
        {"posed on the supplies", [] { sprite[VIEWER].status = 37; Level = LVL_SUPPLIES; }, true},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Listener(0.2f);
        c.setup();
        const int before = sprite[VIEWER].status;
        Alert_Enemies(std::string(c.what) == "the alerting sprite" ? VIEWER : -1, VIEWER);
        EXPECT_EQ(sprite[VIEWER].status, before) << c.what;
        EXPECT_EQ(sprite[VIEWER].spotted, c.spotted) << c.what;
    }
    // Posed elsewhere, the noise wakes it.
    Listener(0.2f);
    sprite[VIEWER].status = 37;
    Level = LVL_VILLAGE;
    Alert_Enemies(-1, VIEWER);
    EXPECT_EQ(sprite[VIEWER].status, 27);
}

TEST_F(CombatHearing, ArmouredTurretIsNeverSpottedButStillWakes) {
    Unit(VIEWER, 0.2f, 0.0f, 1, UNIT_ARMOUR_TURRET, false);
    Alert_Enemies(-1, VIEWER);
    EXPECT_FALSE(sprite[VIEWER].spotted);
    EXPECT_EQ(sprite[VIEWER].status, 27);
}

TEST_F(CombatHearing, StealthAlarmFromAnyLiveListenerAtAnyDistance) {
    is_a_stealth_mission = true;
    Listener(40.0f);
    sprite[VIEWER].bagging = true;
    Alert_Enemies(-1, VIEWER);
    EXPECT_TRUE(alarm_raised);
    EXPECT_EQ(alarm_raised_timer, NOW + 100);
    EXPECT_NE(sprite[VIEWER].status, 27);

    alarm_raised = false;
    sprite[VIEWER].status = 30; // dying
    Alert_Enemies(-1, VIEWER);
    EXPECT_FALSE(alarm_raised);
    is_a_stealth_mission = false;
    sprite[VIEWER].status = 3;
    Alert_Enemies(-1, VIEWER);
    EXPECT_FALSE(alarm_raised);
}

TEST_F(CombatAwareness, RaiseAlarmCatchesThePlayerOnce) {
    Unit(2, 0.0f, 0.0f, 0);
    p1_id = 2;
    Raise_Alarm();
    EXPECT_EQ(sprite[2].status, 3); // not a stealth mission

    is_a_stealth_mission = true;
    mouseleft = true;
    Raise_Alarm();
    EXPECT_EQ(sprite[2].status, 72);
    EXPECT_EQ(sprite[2].all_timer, NOW + 2000);
    EXPECT_EQ(sprite[2].anim_state, 0);
    EXPECT_TRUE(stolen_sfx);
    EXPECT_TRUE(siren_sfx);
    EXPECT_FALSE(mouseleft);

    stolen_sfx = siren_sfx = false;
    Advance_Ms(500);
    Raise_Alarm();
    EXPECT_EQ(sprite[2].all_timer, NOW + 2000);
    EXPECT_FALSE(siren_sfx);

    p1_id = -1;
    Raise_Alarm();
}
