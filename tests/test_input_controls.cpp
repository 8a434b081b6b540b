// The two control schemes: walking with W, A, S, D relative to the pointer, Space-fire,
// clicks that fire, throw or walk, and the two line walks over the collision grid. Run
// through Run_Keyboard, Run_Mouse and Mouse_Code on an empty walk map with the real path
// finder.
#include <cmath>

#include "main/controls.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "test_input_fixture.h"
#include "world/turning.h"

namespace {

class Controls : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        CONTROL_SCHEME = false;
        KEY_FORWARD = KEY_BACKWARD = KEY_LEFTWARD = KEY_RIGHTWARD = KEY_SPACE = false;
        mouseleft = mousemiddle = mouseheld = false;
        hud_corner = true;
        unit_selected = 0;
        on_selected_man = 0;
        stored_target = -1;
        ply_pickup_target = -1;
        has_water = false;
        reloading = on_pickup = player_in_water = false;
        has_machine_equipped = false;
        throw_grenade = false;
        shot_fired = 0;
    }
    static float PX() { return Centre_X(0); }
    static float PY() { return Centre_Y(0); }
    static void Equip(int slot, int code, int rounds) {
        player_inv[slot] = code;
        player_inv_value2[slot] = rounds;
        current_weapon = slot;
    }
    // Aims at a cell that lies (dc, dr) cells from the player's.
    static void Aim_Cells(int dc, int dr) { Point_At(CX(75 + dc), CY(75 + dr)); }
};

TEST_F(Controls, MovementKeysSetTheGoalRelativeToThePointer) {
    Aim_Cells(10, 0);  // the pointer 1.0 to the right of the player's centre
    const float d = 1.0f;
    struct Case {
        const char* name;
        bool w, s, a, d;
        float dx, dy;  // goal minus the player's centre
    };
    const Case cases[] = {
        {"W", true, false, false, false, 1.2f * d, 0},
        {"S", false, true, false, false, -0.3f * d, 0},
        {"A", false, false, true, false, 0.6f * d * std::cos(1.5f), 0.6f * d * std::sin(1.5f)},
        {"D", false, false, false, true, -0.6f * d * std::cos(1.5f), -0.6f * d * std::sin(1.5f)},
        {"W+A", true, false, true, false, 0.6f * d + 0.6f * d * std::cos(1.5f), 0.6f * d * std::sin(1.5f)},
        {"W+S", true, true, false, false, 0, 0},
        {"A+D", false, false, true, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place_Unit(0, 75, 75);
        sprite[0].linked_sprite = 0;
        sprite[0].status = 3;
        KEY_FORWARD = c.w;
        KEY_BACKWARD = c.s;
        KEY_LEFTWARD = c.a;
        KEY_RIGHTWARD = c.d;
        Run_Keyboard(5);
        const object& p = sprite[0];
        EXPECT_NEAR(p.end_x - PX(), c.dx, 1e-4);
        EXPECT_NEAR(p.end_y - PY(), c.dy, 1e-4);
        EXPECT_TRUE(p.update);
        EXPECT_EQ(p.status, 27);
        EXPECT_TRUE(p.moving);
    }
}

TEST_F(Controls, MovementKeysWaitForTheReloadTimerAndTheMouseAndKeyboardScheme) {
    Aim_Cells(10, 0);
    KEY_FORWARD = true;
    sprite[0].reload_timer = Now() + 10;
    Run_Keyboard(5);
    EXPECT_EQ(sprite[0].status, 3);
    sprite[0].reload_timer = 0;
    CONTROL_SCHEME = true;
    Run_Keyboard(5);
    EXPECT_EQ(sprite[0].status, 3);
    EXPECT_FLOAT_EQ(sprite[0].end_x, 0.0f);
}

TEST_F(Controls, CommonGateStopsBothSchemes) {
    Aim_Cells(10, 0);
    KEY_FORWARD = true;
    mouseleft = true;
    Equip(0, 10, 5);
    struct Case { const char* name; bool* flag; bool value; };
    const Case cases[] = {
        {"locked", &lock_player, true}, {"dead", &ply_dead, true}, {"on HUD buttons", &on_hud_buttons, true},
        {"item on the pointer", &mouse_grabbed, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        *c.flag = c.value;
        trace.clear();
        Run_Keyboard(5);
        CONTROL_SCHEME = true;
        Run_Mouse(5);
        CONTROL_SCHEME = false;
        EXPECT_EQ(sprite[0].status, 3);
        EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
        EXPECT_EQ(shot_fired, 0);
        *c.flag = !c.value;
    }
    // Over a HUD panel (and not the radar), or while knocked down.
    hud_corner = false;
    Run_Keyboard(5);
    EXPECT_EQ(sprite[0].status, 3);
    hud_corner = true;
    sprite[0].status = 72;
    Run_Keyboard(5);
    EXPECT_EQ(sprite[0].status, 72);
}

TEST_F(Controls, APointerOverAWallWalksToTheLastFreeCellOnTheLine) {
    for (int r = 60; r <= 90; r++) Wall(80, r);
    Aim_Cells(5, 0);  // on the wall
    KEY_FORWARD = true;
    Run_Keyboard(5);
    const object& p = sprite[0];
    // The walk stops at column 79, the last free cell before the wall, not in it.
    EXPECT_NEAR(p.end_x, CX(79), 1e-4);
    EXPECT_NEAR(p.end_y, CY(75), 1e-4);
    EXPECT_EQ(p.status, 27);
    // Standing right there, the player stays.
    Place_Unit(0, 79, 75);
    sprite[0].linked_sprite = 0;
    sprite[0].status = 3;
    Run_Keyboard(5);
    EXPECT_EQ(sprite[0].status, 3);
    EXPECT_FALSE(sprite[0].moving);
    // Water blocks the pointer only for a player who cannot wade.
    Wall(80, 75, COL_WATER);
    for (int r = 60; r <= 90; r++)
        if (r != 75) Wall(80, r, COL_FREE);
    has_water = true;
    Place_Unit(0, 75, 75);
    sprite[0].linked_sprite = 0;
    Run_Keyboard(5);
    EXPECT_NEAR(sprite[0].end_x, PX() + 0.6f, 1e-4);  // 1.2 x 0.5, straight past the pointer
}

TEST_F(Controls, LineWalksTable) {
    struct Case {
        const char* name;
        int wall_col, wall_row;
        char code;
        int dc, dr;         // the goal, in cells from the player's
        bool next, nearest; // Get_Next_Tile, Get_Nearest_Tile
        int end_col;        // the nearest walk's goal column, or -1
    };
    const Case cases[] = {
        {"clear line", -1, -1, 0, 0, 10, true, true, 75},
        {"wall three cells ahead", 78, 75, COL_SOLID, 5, 0, true, true, 77},
        {"shoot-through cell beside", 74, 75, COL_SOLID_SHOOTTHRU, -5, 0, false, true, 75},
        {"a footprint does not stop a line", 76, 75, COL_FOOTPRINT, 3, 0, true, true, 78},
        {"water does not stop a line", 76, 75, COL_WATER, 3, 0, true, true, 78},
        {"the player's own cell solid", 75, 75, COL_SOLID, 5, 0, false, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::memset(map_col, 0, sizeof map_col);
        if (c.wall_col != -1) Wall(c.wall_col, c.wall_row, c.code);
        Place_Unit(0, 75, 75);
        sprite[0].linked_sprite = 0;
        sprite[0].end_x = -1.0f;
        float gx = CX(75 + c.dc), gy = CY(75 + c.dr);
        EXPECT_EQ(Get_Next_Tile(0, gx, gy), c.next);
        EXPECT_EQ(Get_Nearest_Tile(0, gx, gy), c.nearest);
        if (c.end_col != -1) {
            EXPECT_NEAR(sprite[0].end_x, CX(c.end_col), 1e-4);
        } else {
            EXPECT_FLOAT_EQ(sprite[0].end_x, -1.0f);  // nothing changed
        }
    }
}

TEST_F(Controls, LineWalksNeverLeaveTheMap) {
    // A goal far outside the map: the walk ends on the last cell inside it.
    Place_Unit(0, 148, 75);
    sprite[0].linked_sprite = 0;
    EXPECT_TRUE(Get_Nearest_Tile(0, 1.0e9f, CY(75)));
    EXPECT_NEAR(sprite[0].end_x, CX(149), 1e-4);
    EXPECT_FALSE(Get_Next_Tile(0, 1.0e9f, CY(75)));  // the edge blocks like a wall
    Place_Unit(0, 0, 75);
    sprite[0].linked_sprite = 0;
    EXPECT_TRUE(Get_Nearest_Tile(0, -100.0f, CY(75)));
    EXPECT_NEAR(sprite[0].end_x, CX(0), 1e-4);
    EXPECT_FALSE(Get_Next_Tile(0, -100.0f, CY(75)));
    // A goal that is not a number, and units that do not exist.
    Place_Unit(0, 75, 75);
    sprite[0].linked_sprite = 0;
    EXPECT_FALSE(Get_Next_Tile(0, std::nanf(""), 0.0f));
    EXPECT_FALSE(Get_Nearest_Tile(0, std::nanf(""), 0.0f));
    EXPECT_FALSE(Get_Nearest_Tile(-1, 0, 0));
    EXPECT_FALSE(Get_Next_Tile(750, 0, 0));
}

TEST_F(Controls, SpaceFiresAtThePointerOnceAndOnlyInTheKeyboardScheme) {
    Point_At(1.0f, 2.0f);
    KEY_SPACE = true;
    stored_target = -1;
    Run_Keyboard(7);
    EXPECT_EQ(Count("TestSpriteToShootPly flag=1 target=-1 spread=0"), 1);
    EXPECT_FALSE(KEY_SPACE);  // used up
    Run_Keyboard(7);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 1);
    // Wading, hit, or before the reload timer: no shot.
    player_in_water = true;
    KEY_SPACE = true;
    Run_Keyboard(7);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 1);
    EXPECT_TRUE(KEY_SPACE);
}

TEST_F(Controls, MouseOnlyWithSpaceHeldClicksFireAndKeysDoNothing) {
    CONTROL_SCHEME = true;
    KEY_SPACE = true;
    KEY_FORWARD = true;
    Equip(2, 10, 5);
    Point_At(1.0f, 1.0f);
    mouseleft = true;
    Mouse_Code(5);
    EXPECT_EQ(Count("TestSpriteToShootPly flag=0 target=-1 spread=0"), 1);
    EXPECT_EQ(Count("TestSpriteToShootPly flag=1 target=-1 spread=0"), 0);
    EXPECT_TRUE(KEY_SPACE);
    EXPECT_EQ(sprite[0].status, 29);  // the click fired; W does not walk
    // Without Space the click is a mouse-only order instead (once the shot's cooldowns and its
    // fire animation are over).
    Advance(2001);
    sprite[0].status = 3;
    KEY_SPACE = false;
    trace.clear();
    mouseleft = true;
    Mouse_Code(5);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
    EXPECT_EQ(shot_fired, 2);
    EXPECT_EQ(sprite[0].status, 27);  // walks to the pointer
    EXPECT_NEAR(sprite[0].end_x, CX(mouse_row_x), 1e-5);
}

TEST_F(Controls, AClickFiresTheEquippedWeaponAtTheTarget) {
    Place_Unit(1, 85, 75);
    Equip(4, 33, 2);  // a shotgun: a spread shot
    stored_target = 1;
    on_selected_man = 2;
    mouseleft = true;
    Run_Keyboard(5);
    EXPECT_EQ(Count("TestSpriteToShootPly flag=0 target=1 spread=1"), 1);
    EXPECT_EQ(sprite[0].status, 29);  // fired: its cooldown holds the target flash this tick
    EXPECT_EQ(stored_target, -1);
    EXPECT_TRUE(mouseleft);  // the keyboard scheme leaves the button to the loop
    // While a reload runs, the click only marks the target and flashes it.
    Advance(2001);
    reloading = true;
    stored_target = 1;
    trace.clear();
    Run_Keyboard(5);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
    EXPECT_EQ(sprite[0].fire_target, 1);
    EXPECT_EQ(flash_on, 1);
    EXPECT_EQ(target_flash_mtimer, Now() + 300);
    reloading = false;
    // An empty weapon reloads instead and takes the click.
    player_inv_value2[4] = 0;
    stored_target = 1;
    trace.clear();
    Run_Keyboard(5);
    EXPECT_EQ(Count("Reload_Gun"), 1);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
    EXPECT_FALSE(mouseleft);
    // Standing on an item, the click is a pickup and no shot.
    player_inv_value2[4] = 2;
    on_pickup = true;
    mouseleft = true;
    trace.clear();
    Run_Keyboard(5);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
}

TEST_F(Controls, GrenadesAreThrownNotFired) {
    Equip(3, 29, 1);
    mouseleft = true;
    on_selected_man = 2;
    Place_Unit(1, 90, 75);
    stored_target = 1;
    Run_Keyboard(5);
    EXPECT_TRUE(throw_grenade);
    EXPECT_EQ(sprite[0].fire_target, -1);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
    EXPECT_EQ(stored_target, -1);
    // Mouse only: the grenade flies at a target out of knife reach, facing it.
    throw_grenade = false;
    CONTROL_SCHEME = true;
    Point_At(Centre_X(1), Centre_Y(1));
    stored_target = 1;
    Run_Mouse(5);
    EXPECT_TRUE(throw_grenade);
    EXPECT_FLOAT_EQ(sprite[0].end_x, Centre_X(1));
    EXPECT_EQ(sprite[0].status, 3);  // idle, the AI throws
    // Within 0.17 the click is a plain order instead.
    Place_Unit(1, 76, 75);
    throw_grenade = false;
    stored_target = 1;
    mouseleft = true;
    Run_Mouse(5);
    EXPECT_FALSE(throw_grenade);
}

TEST_F(Controls, MouseOnlyMachineGunKeepsTheButtonOtherWeaponsTakeIt) {
    CONTROL_SCHEME = true;
    Place_Unit(1, 90, 75);
    struct Case { const char* name; bool machine; int kind; bool kept; };
    const Case cases[] = {
        {"machine gun on a unit", true, 2, true},
        {"pistol on a unit", false, 2, false},
        {"machine gun on a door", true, 6, false},
        {"ladder", false, 8, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Equip(5, c.machine ? 39 : 10, 10);
        has_machine_equipped = c.machine;
        on_selected_man = c.kind;
        stored_target = 1;
        mouseleft = true;
        shot_fired = 0;
        Run_Mouse(5);
        EXPECT_EQ(mouseleft, c.kept);
        EXPECT_EQ(shot_fired, c.kind == 2 ? 1 : 2);
        EXPECT_FLOAT_EQ(sprite[0].end_x, Centre_X(1));
        EXPECT_EQ(stored_target, -1);
    }
}

TEST_F(Controls, MouseOnlyEmptyWeaponReloadsUnlessTheTargetIsInReach) {
    CONTROL_SCHEME = true;
    Equip(1, 10, 0);
    on_selected_man = 2;
    struct Case { const char* name; int col; int type; int reloads; };
    const Case cases[] = {
        {"far enemy", 90, 46, 1},
        {"enemy 0.2 away", 77, 46, 0},
        {"far door", 90, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place_Unit(1, c.col, 75);
        sprite[1].type = c.type;
        stored_target = 1;
        mouseleft = true;
        trace.clear();
        Run_Mouse(5);
        EXPECT_EQ(Count("Reload_Gun"), c.reloads);
    }
}

TEST_F(Controls, MouseOnlyWalksToAGroundItem) {
    CONTROL_SCHEME = true;
    no_fx = 1;
    Fx[0].x = 1.0f;
    Fx[0].y = 0.5f;
    ply_pickup_target = 0;
    Point_At(2.0f, 2.0f);
    mouseleft = true;
    Run_Mouse(5);
    EXPECT_FLOAT_EQ(sprite[0].end_x, 1.05f);
    EXPECT_FLOAT_EQ(sprite[0].end_y, 0.55f);
    EXPECT_EQ(sprite[0].status, 27);
    EXPECT_EQ(shot_fired, 2);
}

TEST_F(Controls, MouseOnlyPointerOverAWallWalksBesideIt) {
    CONTROL_SCHEME = true;
    for (int r = 60; r <= 90; r++) Wall(80, r);
    Aim_Cells(5, 0);
    mouseleft = true;
    Run_Mouse(5);
    EXPECT_NEAR(sprite[0].end_x, CX(79), 1e-4);
    EXPECT_EQ(sprite[0].status, 27);
    EXPECT_EQ(shot_fired, 2);
}

TEST_F(Controls, TargetFlashWaitsForItsStepAndRestoresThePreviousTarget) {
    Place_Unit(1, 80, 75);
    Place_Unit(2, 85, 75);
    sprite[1].alpha = 0.0f;
    flash_on = 1;
    stored_target = 2;
    target_flash_timer = Now() + 5;
    Target_Flash();
    EXPECT_EQ(flash_on, 1);  // not yet
    Advance(6);
    Target_Flash();
    EXPECT_EQ(flash_on, 2);
    EXPECT_FLOAT_EQ(sprite[1].alpha, 1.0f);
    EXPECT_EQ(target_flash_timer, Now() + 25);
    // An effect id names the effect; an id out of every array is left alone.
    Fx[3].alpha = 0.01f;
    flash_on = FX_ID_BASE + 3;
    Advance(30);
    Target_Flash();
    EXPECT_FLOAT_EQ(Fx[3].alpha, 1.0f);
    flash_on = 5000;
    Advance(30);
    Target_Flash();
    EXPECT_EQ(flash_on, 2);
}

TEST_F(Controls, AKeyPressWalksThePlayerWithinOneFrame) {
    // The key goes through the window procedure, the keyboard step of the frame and the
    // mouse step of the main tick that follows it.
    platform::SetWndProc(WndProc);
    fade = 1;
    Start_Loop_Stamps();
    Aim_Cells(10, 0);
    platform::PostMessage(platform::MSG{platform::WM_KEYDOWN, 'W', 0});
    Loop_Pass();
    EXPECT_TRUE(keys['W']);
    Advance(2);
    Loop_Pass();
    EXPECT_TRUE(KEY_FORWARD);
    EXPECT_EQ(sprite[0].status, 27);
    EXPECT_NEAR(sprite[0].end_x, PX() + 1.2f, 1e-4);
    // Released: the flag falls on the next frame and no new walk is ordered.
    platform::PostMessage(platform::MSG{platform::WM_KEYUP, 'W', 0});
    Loop_Pass();
    Advance(2);
    sprite[0].end_x = 0;
    Loop_Pass();
    EXPECT_FALSE(KEY_FORWARD);
    EXPECT_FLOAT_EQ(sprite[0].end_x, 0.0f);
}

} // namespace
