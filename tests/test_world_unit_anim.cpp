// The unit animation chain: the animation chosen for each unit state and facing, the
// player's crouch and water sheets, and the footstep sounds by ground tile.
#include "test_world_fixture.h"

#include <cmath>
#include <limits>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "world/animate.h"
#include "world/unit_animation.h"

namespace {

constexpr float DOWN_ANGLE = -1.5f;

class UnitAnim : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        // Sheet 0: 60 animations of three steps each; frame numbers are unique per step.
        Three_Step_Sheet(60);
        // The player's sheets all point at sheet 0 except the wading sheet (sheet 1).
        for (int s = 0; s < MAX_TEXTURE_SLOTS; ++s) animation_fx[s] = 0;
        animation_fx[SHEET_WADING] = 1;
        a_texture[1] = a_texture[0];
        Level = LVL_HIGHWAY; // outside the base, so cover counts
        reloading = false;
        player_in_water = false;
        current_weapon = -1;
        next_weapon = -1;
        no_fx = 0;
        water_sfx = false;
    }

    // A unit on cell (75, 75) facing down, with no animation chosen yet.
    static object& Unit(int i, int status) {
        Place_Unit(i, 75, 75);
        object& u = sprite[i];
        u.fx_id = 0;
        u.id = SHEET_BARE;
        u.anim = -1;
        u.status = status;
        u.angle = DOWN_ANGLE;
        u.sector = GUNNER;
        u.score = 100;
        return u;
    }
    // A player unit at index 0 standing away from everything.
    static void Some_Player() {
        object& p = Unit(0, 3);
        p.w += 3.0f; // well away from the units under test
        p.x += 3.0f;
        p1_id = 0;
    }
};

// ---- States and facings ----------------------------------------------------------------

TEST_F(UnitAnim, FacingColumnsFollowTheDirectionBands) {
    struct row {
        float angle;
        int column;
    };
    const row rows[] = {
        {-1.5f, FACE_DOWN},          {1.5f, FACE_UP},             {0.0f, FACE_SIDE},
        {3.0f, FACE_SIDE},           {-3.0f, FACE_SIDE},          {-0.75f, FACE_DOWN_DIAGONAL},
        {-2.25f, FACE_DOWN_DIAGONAL}, {0.75f, FACE_UP_DIAGONAL},  {2.25f, FACE_UP_DIAGONAL},
        // Borders go to the later group.
        {-1.125f, FACE_DOWN_DIAGONAL}, {-1.875f, FACE_DOWN_DIAGONAL}, {1.125f, FACE_UP_DIAGONAL},
        {1.875f, FACE_UP_DIAGONAL},  {0.375f, FACE_UP_DIAGONAL},  {-0.375f, FACE_DOWN_DIAGONAL},
        {2.625f, FACE_UP_DIAGONAL},  {-2.625f, FACE_DOWN_DIAGONAL},
    };
    Some_Player();
    for (const row& r : rows) {
        EXPECT_EQ(Facing_Column(r.angle), r.column) << r.angle;
        object& u = Unit(5, 27); // walking: animations 0 to 4
        u.angle = r.angle;
        Animation_System(5, false, false, false, false);
        EXPECT_EQ(u.anim, r.column) << r.angle;
    }
    EXPECT_EQ(Facing_Column(std::numeric_limits<float>::quiet_NaN()), -1);
}

// Units other than the player, facing down (the first animation of a facing row).
TEST_F(UnitAnim, EachStateOfAnOrdinaryUnitChoosesItsAnimation) {
    struct row {
        int status;
        int sector;
        bool spotted, on_mud, splatted;
        int grenaded;
        int anim; // -1: no animation is started
        int mode;
    };
    const row rows[] = {
        // facing rows
        {3, GUNNER, false, false, false, 0, 5, ANIM_LOOP},
        {3, GUNNER, true, false, false, 0, 51, ANIM_LOOP},
        {32, GUNNER, false, false, false, 0, 5, ANIM_LOOP},
        {27, GUNNER, false, false, false, 0, 0, ANIM_LOOP},
        {29, GUNNER, false, false, false, 0, 10, ANIM_ONCE_HOLD},
        {51, GUNNER, false, false, false, 0, 41, ANIM_ONCE_HOLD},
        {74, GUNNER, false, false, false, 0, 46, ANIM_ONCE_HOLD},
        {54, GUNNER, false, false, false, 0, 29, ANIM_ONCE_HOLD},
        {67, GUNNER, false, false, false, 0, 35, ANIM_ONCE_HOLD},
        {21, GUNNER, false, false, false, 0, 15, ANIM_ONCE_HOLD},
        {52, GUNNER, false, false, false, 0, 24, ANIM_LOOP},
        {63, GUNNER, false, false, false, 0, 37, ANIM_LOOP},
        // states without facing
        {53, GUNNER, false, false, false, 0, 24, ANIM_LOOP},
        {73, GUNNER, false, false, false, 0, 40, ANIM_LOOP},
        {55, GUNNER, false, false, false, 0, 25, ANIM_LOOP},
        {56, GUNNER, false, false, false, 0, 26, ANIM_LOOP},
        {58, GUNNER, false, false, false, 0, 27, ANIM_LOOP},
        {65, GUNNER, false, false, false, 0, 34, ANIM_LOOP},
        {69, GUNNER, false, false, false, 0, 34, ANIM_LOOP},
        {66, GUNNER, false, false, false, 0, 5, ANIM_LOOP},
        {59, GUNNER, false, false, false, 0, 28, ANIM_ONCE_HOLD},
        {59, UNIT_RESCUE, false, false, false, 0, 27, ANIM_ONCE_HOLD},
        {60, GUNNER, false, false, false, 0, 35, ANIM_LOOP},
        {61, GUNNER, false, false, false, 0, 5, ANIM_ONCE},
        {72, GUNNER, false, false, false, 0, 35, ANIM_LOOP},
        {62, GUNNER, false, false, false, 0, 25, ANIM_LOOP},
        {64, GUNNER, false, false, false, 0, 28, ANIM_ONCE},
        {71, GUNNER, false, false, false, 0, 5, ANIM_LOOP},
        // deaths
        {30, GUNNER, false, false, true, 0, 56, ANIM_LOOP},
        {30, GUNNER, false, false, true, 2, 56, ANIM_LOOP},
        {30, GUNNER, false, false, false, 1, 20, ANIM_ONCE_HOLD},
        {30, GUNNER, false, false, false, 2, 29, ANIM_ONCE_HOLD},
        {30, GUNNER, false, false, false, 3, 32, ANIM_ONCE_HOLD},
        {30, GUNNER, false, false, false, 0, -1, 0},
        {31, GUNNER, false, false, false, 2, 30, ANIM_ONCE_HOLD},
        {42, GUNNER, false, false, false, 2, 31, ANIM_ONCE_HOLD},
        {31, GUNNER, false, false, true, 2, 57, ANIM_ONCE_HOLD},
        {42, GUNNER, false, false, true, 0, 58, ANIM_ONCE_HOLD},
        {31, GUNNER, false, false, false, 1, 22, ANIM_ONCE_HOLD},
        {42, GUNNER, false, false, false, 1, 23, ANIM_ONCE_HOLD},
        {31, GUNNER, false, false, false, 3, 33, ANIM_ONCE_HOLD},
        {42, GUNNER, false, false, false, 3, 34, ANIM_ONCE_HOLD},
        {31, GUNNER, false, false, false, 0, -1, 0},
        {43, GUNNER, false, false, false, 1, -1, 0},
        // mud
        {31, GUNNER, false, true, false, 2, 21, ANIM_LOOP},
        {42, GUNNER, false, true, true, 0, 21, ANIM_LOOP},
        {43, GUNNER, false, true, false, 0, 21, ANIM_LOOP},
        // never animated here
        {37, GUNNER, false, false, false, 0, -1, 0},
        {44, GUNNER, false, false, false, 0, -1, 0},
        {3, UNIT_VEHICLE, false, false, false, 0, -1, 0},
    };
    Some_Player();
    for (const row& r : rows) {
        object& u = Unit(5, r.status);
        u.sector = r.sector;
        u.spotted = r.spotted;
        u.on_mud = r.on_mud;
        u.splatted = r.splatted;
        u.grenaded = r.grenaded;
        u.anim_state = 99;
        Animation_System(5, false, false, false, false);
        SCOPED_TRACE(testing::Message() << "status " << r.status << " grenaded " << r.grenaded
                                        << " splatted " << r.splatted << " mud " << r.on_mud);
        EXPECT_EQ(u.anim, r.anim);
        EXPECT_EQ(u.anim_state, r.anim >= 0 ? r.mode : 99);
    }
}

// The player, facing down, outside walk scenes (so no crouch or water test runs first).
TEST_F(UnitAnim, ThePlayerHasAnimationsOfHisOwn) {
    struct row {
        int status;
        bool reloading, moving, in_water;
        int anim;
        int mode;
    };
    const row rows[] = {
        {3, true, false, false, 24, ANIM_LOOP},   {3, false, false, false, 5, ANIM_LOOP},
        {27, true, true, false, 46, ANIM_LOOP},   {27, false, true, false, 0, ANIM_LOOP},
        {29, false, true, false, 53, ANIM_ONCE_HOLD}, {29, false, false, false, 10, ANIM_ONCE_HOLD},
        {67, false, false, false, 41, ANIM_ONCE_HOLD}, {67, false, false, true, 10, ANIM_ONCE_HOLD},
        {53, false, false, false, 52, ANIM_LOOP}, {59, false, false, false, 51, ANIM_ONCE_HOLD},
        {72, false, false, true, 20, ANIM_ONCE},  {72, false, false, false, 35, ANIM_LOOP},
        {30, false, false, false, 20, ANIM_ONCE_HOLD}, {42, false, false, false, 22, ANIM_ONCE_HOLD},
        {43, false, false, false, 23, ANIM_ONCE_HOLD}, {31, false, false, false, -1, 0},
    };
    game_mode = MODE_CINE;
    for (const row& r : rows) {
        object& p = Unit(0, r.status);
        p1_id = 0;
        p.grenaded = 2; // the player's deaths do not depend on it
        p.moving = r.moving;
        reloading = r.reloading;
        player_in_water = r.in_water;
        Animation_System(0, false, false, false, false);
        SCOPED_TRACE(testing::Message() << "status " << r.status << " reloading " << r.reloading
                                        << " moving " << r.moving << " water " << r.in_water);
        EXPECT_EQ(p.anim, r.anim);
        if (r.anim >= 0) {
            EXPECT_EQ(p.anim_state, r.mode);
        }
    }
}

TEST_F(UnitAnim, WithoutAPlayerIdleWalkingAndThrowingUnitsKeepTheirAnimation) {
    p1_id = -1;
    for (int status : {3, 27, 67}) {
        object& u = Unit(5, status);
        u.anim = 12;
        u.anim_state = ANIM_LOOP;
        Animation_System(5, false, false, false, false);
        EXPECT_EQ(u.anim, 12) << status;
    }
    object& u = Unit(5, 52); // other facing rows still apply
    Animation_System(5, false, false, false, false);
    EXPECT_EQ(u.anim, 24);
}

TEST_F(UnitAnim, OnlyRewindingChoicesStartFromTheFirstStep) {
    Some_Player();
    // A walking unit that turns keeps its walk step.
    object& u = Unit(5, 27);
    Animation_System(5, false, false, false, false);
    u.cur = 1;
    u.angle = 1.5f;
    Animation_System(5, false, false, false, false);
    EXPECT_EQ(u.anim, 1);
    EXPECT_EQ(u.cur, 1);
    // A looping state that turns carries on from its step too.
    object& v = Unit(6, 52);
    Animation_System(6, false, false, false, false);
    v.cur = 1;
    v.angle = 0.0f;
    Animation_System(6, false, false, false, false);
    EXPECT_EQ(v.anim, 26);
    EXPECT_EQ(v.cur, 1);
    // A crushed unit's death starts from its first step.
    object& d = Unit(7, 52);
    Animation_System(7, false, false, false, false);
    d.cur = 1;
    d.status = 30;
    d.splatted = true;
    Animation_System(7, false, false, false, false);
    EXPECT_EQ(d.anim, 56);
    EXPECT_EQ(d.cur, 0);
    // Sinking into mud carries on.
    object& m = Unit(8, 52);
    Animation_System(8, false, false, false, false);
    m.cur = 1;
    m.status = 31;
    m.on_mud = true;
    Animation_System(8, false, false, false, false);
    EXPECT_EQ(m.anim, 21);
    EXPECT_EQ(m.cur, 1);
}

TEST_F(UnitAnim, OnlyUnitsAreAnimatedAndBadIndicesAreIgnored) {
    Some_Player();
    object& o = Unit(5, 3);
    o.type = OBJ;
    Animation_System(5, false, false, false, false);
    EXPECT_EQ(o.anim, -1);
    Animation_System(-1, false, false, false, false);
    Animation_System(MAX_SPRITES, false, false, false, false);
    Check_Crouch(-3);
    Play_Footstep(MAX_SPRITES + 2);
}

// ---- Crouching -------------------------------------------------------------------------

TEST_F(UnitAnim, ThePlayerCrouchesIdleBesideCoverAndStaysIdle) {
    object& p = Unit(0, 3);
    p1_id = 0;
    Wall(76, 76); // a diagonal neighbour
    Animation_System(0, false, false, false, false);
    EXPECT_TRUE(p.training);
    EXPECT_EQ(p.anim, 36); // crouch, facing down
    EXPECT_EQ(p.status, 3);
}

TEST_F(UnitAnim, CrouchNeedsStillnessCoverAndAnAreaOutsideTheBase) {
    struct row {
        const char* what;
        int level;
        char code;
        bool moving, reloading;
        int status;
        bool crouch;
    };
    const row rows[] = {
        {"solid", LVL_HIGHWAY, COL_SOLID, false, false, 3, true},
        {"shoot-through", LVL_HIGHWAY, COL_SOLID_SHOOTTHRU, false, false, 3, true},
        {"base", LVL_BASE, COL_SOLID, false, false, 3, false},
        {"footprint", LVL_HIGHWAY, COL_FOOTPRINT, false, false, 3, false},
        {"water", LVL_HIGHWAY, COL_WATER, false, false, 3, false},
        {"moving", LVL_HIGHWAY, COL_SOLID, true, false, 3, false},
        {"firing", LVL_HIGHWAY, COL_SOLID, false, false, 29, false},
    };
    for (const row& r : rows) {
        std::memset(map_col, 0, sizeof(map_col));
        object& p = Unit(0, r.status);
        p1_id = 0;
        Level = r.level;
        p.moving = r.moving;
        Wall(75, 74, r.code);
        Check_Crouch(0);
        EXPECT_EQ(p.training, r.crouch) << r.what;
    }
    // Reloading: the crouch is found but the reload animation wins.
    std::memset(map_col, 0, sizeof(map_col));
    object& p = Unit(0, 3);
    Level = LVL_HIGHWAY;
    Wall(74, 75);
    reloading = true;
    Animation_System(0, false, false, false, false);
    EXPECT_TRUE(p.training);
    EXPECT_EQ(p.anim, 24);
}

TEST_F(UnitAnim, TheFirstColumnAndRowAreNeverCover) {
    Place_Unit(3, 1, 1);
    object& u = sprite[3];
    u.status = 3;
    Wall(0, 1);
    Wall(1, 0);
    Wall(0, 0);
    Check_Crouch(3);
    EXPECT_FALSE(u.training);
    Wall(2, 2);
    Check_Crouch(3);
    EXPECT_TRUE(u.training);
}

TEST_F(UnitAnim, AUnitOffTheMapNeitherCrouchesNorSplashes) {
    object& p = Unit(0, 3);
    p1_id = 0;
    p.w = p.x = -100.0f;
    player_in_water = true;
    p.training = true;
    Check_Crouch(0);
    EXPECT_FALSE(p.training);
    EXPECT_TRUE(player_in_water);
    EXPECT_EQ(no_fx, 0);
}

// ---- Water and weapon sheets -----------------------------------------------------------

TEST_F(UnitAnim, ThePlayerWadesInAndOutOfTheWater) {
    object& p = Unit(0, 27);
    p1_id = 0;
    p.x = p.w - 0.1f;
    p.width = p.height = 0.3f;
    reloading = true;
    tiles[Cell_Index(75, 75)] = 481;
    Check_Crouch(0);
    EXPECT_TRUE(player_in_water);
    EXPECT_FALSE(reloading);
    EXPECT_TRUE(water_sfx);
    EXPECT_EQ(p.id, SHEET_WADING);
    EXPECT_EQ(p.fx_id, 1);
    EXPECT_EQ(p.anim_state, ANIM_STOPPED);
    ASSERT_EQ(no_fx, 1);
    const object& s = Fx[0];
    EXPECT_EQ(s.type, GFX);
    EXPECT_EQ(s.id, 2);
    EXPECT_EQ(s.anim, 39);
    EXPECT_EQ(s.anim_state, ANIM_ONCE);
    EXPECT_EQ(s.priority, 2);
    EXPECT_FLOAT_EQ(s.width, 0.2f);
    EXPECT_FLOAT_EQ(s.x, p.x + 0.05f);
    EXPECT_FLOAT_EQ(s.y, p.y - 0.03f);

    // Still in the water: nothing more happens.
    water_sfx = false;
    Check_Crouch(0);
    EXPECT_EQ(no_fx, 1);
    EXPECT_FALSE(water_sfx);

    // Out again: the held weapon's sheet comes back (a pistol).
    current_weapon = 4;
    player_inv[4] = 10;
    tiles[Cell_Index(75, 75)] = 100;
    Check_Crouch(0);
    EXPECT_FALSE(player_in_water);
    EXPECT_TRUE(water_sfx);
    EXPECT_EQ(p.id, SHEET_PISTOL);
    EXPECT_EQ(p.fx_id, 0);
    EXPECT_EQ(no_fx, 2);
}

TEST_F(UnitAnim, OnlyThePlayerChangesSheetInTheWater) {
    object& u = Unit(5, 3);
    Some_Player();
    tiles[Cell_Index(75, 75)] = 480;
    Check_Crouch(5);
    EXPECT_FALSE(player_in_water);
    EXPECT_EQ(u.id, SHEET_BARE);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(UnitAnim, TheHeldWeaponChoosesThePlayersSheet) {
    struct row {
        int code;
        int slot;
    };
    const row rows[] = {
        {6, 16}, {7, 16}, {8, 16}, {28, 15}, {29, 15}, {30, 15}, {33, 16}, {34, 16}, {35, 16},
        {38, 31}, {39, 31}, {40, 31}, {10, 17}, {11, 17}, {2, 15}, {31, 15},
    };
    current_weapon = 3;
    for (const row& r : rows) {
        player_inv[3] = r.code;
        EXPECT_EQ(Held_Weapon_Sheet(), r.slot) << r.code;
    }
    player_inv[3] = 38;
    next_weapon = 2; // a change is pending
    EXPECT_EQ(Held_Weapon_Sheet(), SHEET_BARE);
    next_weapon = -1;
    current_weapon = -1;
    EXPECT_EQ(Held_Weapon_Sheet(), SHEET_BARE);
    current_weapon = 16; // no such slot
    EXPECT_EQ(Held_Weapon_Sheet(), SHEET_BARE);
    current_weapon = -7;
    EXPECT_EQ(Held_Weapon_Sheet(), SHEET_BARE);
}

// ---- Footsteps -------------------------------------------------------------------------

TEST_F(UnitAnim, FootstepsSoundByTheGroundUnderTheUnit) {
    enum { SOFT = 1, HARD = 2, MUD = 4, GRASS = 8, SWIM = 16, PLAIN = 32 };
    struct row {
        int episode, scene, level, tile;
        bool in_water;
        int sounds;
    };
    const row rows[] = {
        {2, 1, 2, 421, false, MUD},   {2, 2, 2, 421, false, HARD},  {2, 2, 2, 390, false, SOFT},
        {2, 1, 2, 16, false, MUD},    {2, 1, 2, 31, false, MUD},    {2, 1, 2, 426, false, GRASS},
        {2, 1, 2, 430, false, HARD},  {2, 1, 2, 431, false, PLAIN}, {5, 0, 2, 3, false, GRASS},
        {3, 0, 2, 434, false, GRASS}, {2, 3, 2, 422, false, GRASS}, {0, 0, 2, 20, false, MUD},
        {3, 4, LVL_SUPPLIES, 5, false, HARD}, {3, 4, LVL_SUPPLIES, 7, false, GRASS},
        {3, 4, LVL_BAY, 418, false, HARD}, {3, 4, LVL_BOATYARD, 9, false, HARD},
        {3, 4, LVL_BOATYARD, 100, false, GRASS}, {2, 0, LVL_SUPPLIES, 3, false, GRASS | HARD},
        {2, 0, LVL_SUPPLIES, 20, false, MUD | GRASS}, {4, 5, 2, 100, false, PLAIN},
        {2, 1, 2, 421, true, SWIM},   {3, 4, LVL_SUPPLIES, 5, true, SWIM},
    };
    Place_Unit(4, 75, 75);
    for (const row& r : rows) {
        softstep_sfx = hardstep_sfx = mudstep_sfx = grassstep_sfx = swim_sfx = footstep_sfx = false;
        episode = r.episode;
        scene = r.scene;
        Level = r.level;
        player_in_water = r.in_water;
        tiles[Cell_Index(75, 75)] = r.tile;
        Play_Footstep(4);
        const int got = (softstep_sfx ? SOFT : 0) | (hardstep_sfx ? HARD : 0) | (mudstep_sfx ? MUD : 0) |
                        (grassstep_sfx ? GRASS : 0) | (swim_sfx ? SWIM : 0) | (footstep_sfx ? PLAIN : 0);
        EXPECT_EQ(got, r.sounds) << "episode " << r.episode << " scene " << r.scene << " level "
                                 << r.level << " tile " << r.tile;
    }
}

TEST_F(UnitAnim, AFootstepOffTheMapIsAPlainStep) {
    Place_Unit(4, 75, 75);
    sprite[4].w = 50.0f;
    episode = 2;
    scene = 1;
    Play_Footstep(4);
    EXPECT_TRUE(footstep_sfx);
    EXPECT_FALSE(mudstep_sfx);
}

} // namespace
