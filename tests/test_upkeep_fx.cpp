// The per-tick effect upkeep and the end of a timed screen shake, driven with the virtual
// clock over hand-made effect records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/fx_upkeep.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "world/world_services.h"

namespace {

class FxUpkeep : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        call_trace = &trace;
        no_fx = 0;
        p1_id = -1;
        flash_on = -1;
        ply_pickup_target = -1;
        pkp_msg_target = -1;
        MAP_WIDTH = MAP_HEIGHT = 150;
        map_startX = map_startY = 7.5f;
    }
    void TearDown() override {
        call_trace = nullptr;
        Free_Records();
    }
    int Count(const std::string& name) const { return (int)std::count(trace.begin(), trace.end(), name); }

    // A live graphic effect of a kind: looping, opaque, not sparkling. Marked by `value`.
    static int Add(int kind, int type = GFX, int mark = 0) {
        const int i = no_fx++;
        object& e = Fx[i];
        e = object{};
        e.type = type;
        e.sector = kind;
        e.alpha = 1.0f;
        e.anim_state = ANIM_LOOP;
        e.sparkle_timer = -1;
        e.linked_sprite = 0;
        e.width = e.height = 0.1f;
        e.value = mark;
        return i;
    }
    // A ground item of an item code.
    static int Add_Item(int code, int amount) {
        const int i = Add(0, PKU);
        Fx[i].anim_state = ANIM_HELD;
        Fx[i].item_type = code;
        Fx[i].value = amount;
        return i;
    }
    // A live sprite an effect can follow.
    static void Sprite_At(int s, float x, float y) {
        sprite[s] = object{};
        sprite[s].x = x;
        sprite[s].y = y;
        sprite[s].w = x + 0.01f;
        sprite[s].z = y + 0.02f;
        sprite[s].width = 0.3f;
        sprite[s].height = 0.6f;
        sprite[s].score = 10;
        sprite[s].on_mud = true;
        sprite[s].status = 27;
    }
    void Tick(int ms) {
        Advance_Ms(ms);
        Run_Fx_Upkeep(ms);
    }
};

// ---- Ground items and sparkles -------------------------------------------------------------

TEST_F(FxUpkeep, GroundItemsAreRecountedOnEveryPass) {
    Add_Item(2, 30);
    Add_Item(2, 12);
    Add_Item(4, 1);
    Add_Item(4, 1);
    const int picked = Add_Item(2, 100);
    Fx[picked].mouseover = true;  // on the pointer: not lying about
    Add(0, UNT);                  // units among the effects are passed over
    Fx[no_fx - 1].item_type = 2;
    Fx[no_fx - 1].value = 500;
    FX_RIFLE_COUNT = 999;
    Tick(5);
    EXPECT_EQ(FX_RIFLE_COUNT, 42);
    EXPECT_EQ(FX_HEALTH_COUNT, 90);
    Fx[0].turn_off = true;  // gone this pass: not counted, and removed
    Tick(5);
    EXPECT_EQ(FX_RIFLE_COUNT, 0);  // the item moved into the freed slot waits a pass
    Tick(5);
    EXPECT_EQ(FX_RIFLE_COUNT, 12);
}

TEST_F(FxUpkeep, ItemsGlintEveryFourSeconds) {
    const int item = Add_Item(2, 30);
    Fx[item].x = 1.0f;
    Fx[item].y = 2.0f;
    Fx[item].width = Fx[item].height = 0.1f;
    Fx[item].w = 1.0f;
    Fx[item].z = 2.0f;
    Fx[item].box_width = Fx[item].box_height = 0.1f;
    Fx[item].sparkle_timer = 0;
    Tick(5);
    ASSERT_EQ(no_fx, 2);
    const object& s = Fx[1];
    EXPECT_EQ(s.type, GFX);
    EXPECT_EQ(s.sector, 0);
    EXPECT_EQ(s.anim, 3);
    EXPECT_EQ(s.id, 27);
    EXPECT_EQ(s.linked_sprite, item);
    EXPECT_EQ(s.priority, 3);
    EXPECT_FLOAT_EQ(s.x, 1.025f);
    EXPECT_FLOAT_EQ(s.y, 2.025f);
    EXPECT_FLOAT_EQ(s.width, 0.05f);
    EXPECT_EQ(Fx[item].sparkle_timer, 4005);
    Tick(3990);  // t = 3995
    EXPECT_EQ(no_fx, 2);
    Fx[1].anim_state = ANIM_STOPPED;  // the one-time glint has played
    Tick(11);    // t = 4006
    EXPECT_EQ(no_fx, 2);              // the old glint removed, a new one made
    EXPECT_EQ(Fx[1].anim_state, ANIM_ONCE);
}

TEST_F(FxUpkeep, NoGlintFromFireGasPickedOrUnscheduledEffects) {
    struct Case { int kind; bool mouseover; int timer; };
    const Case cases[] = {{36, false, 100000}, {37, false, 100000}, {0, true, 0}, {0, false, -1}, {0, false, 50}};
    for (const Case& c : cases) {
        no_fx = 0;
        const int i = Add(c.kind);
        Fx[i].mouseover = c.mouseover;
        Fx[i].sparkle_timer = c.timer;
        Tick(5);
        EXPECT_EQ(no_fx, 1) << "kind " << c.kind;
    }
}

// ---- Removal --------------------------------------------------------------------------------

TEST_F(FxUpkeep, NeighbouringFinishedEffectsGoOneTickApart) {
    Add(0, GFX, 10);
    Add(0, GFX, 11);
    Add(0, GFX, 12);
    Add(0, GFX, 13);
    Fx[1].turn_off = true;
    Fx[2].turn_off = true;
    Tick(5);
    ASSERT_EQ(no_fx, 3);
    EXPECT_EQ(Fx[1].value, 12);  // moved into the freed slot, visited next tick
    EXPECT_EQ(Fx[2].value, 13);
    Tick(5);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[0].value, 10);
    EXPECT_EQ(Fx[1].value, 13);
}

TEST_F(FxUpkeep, ReferencesFollowTheRecordsTheyName) {
    struct Case { int* ref; int before; int after; };
    const Case cases[] = {
        {&flash_on, 753, 752},          // effect 3 as a flash id
        {&ply_pickup_target, 4, 3},
        {&pkp_msg_target, 0, 0},        // before the gap: unchanged
        {&ply_pickup_target, 1, -1},    // the removed record itself: let go
        {&flash_on, 751, -1},
        {&pkp_msg_target, 1, -1},
        {&flash_on, 12, 12},            // a sprite id is no effect
    };
    for (const Case& c : cases) {
        no_fx = 0;
        for (int k = 0; k < 5; ++k) Add(0, GFX, 20 + k);
        Fx[1].turn_off = true;
        flash_on = ply_pickup_target = pkp_msg_target = -1;
        *c.ref = c.before;
        Tick(5);
        EXPECT_EQ(*c.ref, c.after) << "before " << c.before;
    }
}

TEST_F(FxUpkeep, KindsTwentyAndTwentyTwoLeaveOnlyThroughTheirSwitch) {
    Sprite_At(3, 0, 0);
    struct Case { int kind; bool turn_off; bool grab; int left; };
    const Case cases[] = {
        {20, true, false, 1}, {20, false, true, 0}, {22, true, false, 1}, {22, false, true, 0},
        {0, true, false, 0},
    };
    for (const Case& c : cases) {
        no_fx = 0;
        const int i = Add(c.kind);
        Fx[i].linked_sprite = 3;
        Fx[i].turn_off = c.turn_off;
        Fx[i].grab_switch = c.grab;
        Tick(5);
        EXPECT_EQ(no_fx, c.left) << "kind " << c.kind;
    }
}

TEST_F(FxUpkeep, FinishedByFadingOrByAStoppedAnimation) {
    struct Case { int kind; float alpha; int anim_state; int left; };
    const Case cases[] = {
        {0, 0.0f, ANIM_LOOP, 0},     // faded out
        {16, 0.05f, ANIM_LOOP, 0},   // fades below 0 this tick
        {0, 1.0f, ANIM_STOPPED, 0},  // a one-time animation has played
        {24, 1.0f, ANIM_STOPPED, 1}, // these kinds outlive their animation
        {33, 1.0f, ANIM_STOPPED, 1},
        {35, 1.0f, ANIM_STOPPED, 1},
        {31, 1.0f, ANIM_STOPPED, 0},
    };
    for (const Case& c : cases) {
        no_fx = 0;
        const int i = Add(c.kind);
        Fx[i].alpha = c.alpha;
        Fx[i].anim_state = c.anim_state;
        Fx[i].grab_switch = true;  // keeps flying kinds still
        Tick(10);
        EXPECT_EQ(no_fx, c.left) << "kind " << c.kind;
    }
}

TEST_F(FxUpkeep, FireAndGasBurnOutAtTheirTime) {
    const int fire = Add(36);
    Fx[fire].sparkle_timer = 100;
    const int gas = Add(37);
    Fx[gas].sparkle_timer = 300;
    Tick(100);
    EXPECT_EQ(no_fx, 2);
    Tick(1);
    ASSERT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].sector, 37);
    Tick(200);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(FxUpkeep, EffectCountBeyondTheArrayIsHeldToIt) {
    no_fx = 100000;
    for (int i = 0; i < MAX_FX; ++i) {
        Fx[i].alpha = 1.0f;
        Fx[i].anim_state = ANIM_LOOP;
        Fx[i].sparkle_timer = -1;
    }
    Tick(5);
    EXPECT_EQ(no_fx, MAX_FX);
}

// ---- Charges --------------------------------------------------------------------------------

TEST_F(FxUpkeep, LandedGrenadeBlowsUpWhenItsTimeComes) {
    p1_id = 0;
    Sprite_At(0, 0, 0);
    const int g = Add(27);
    Fx[g].grab_switch = true;  // landed
    Fx[g].action_timer = 500;
    Fx[g].linked_sprite = 0;
    Tick(500);
    EXPECT_EQ(Count("Shell_Landed"), 0);
    EXPECT_EQ(no_fx, 1);
    Tick(1);
    EXPECT_EQ(Count("Shell_Landed"), 1);
    // The grenade is gone; three fragments and three shadows fly, beside the blast's two
    // fire effects.
    ASSERT_EQ(no_fx, 8);
    int pieces = 0, shadows = 0;
    for (int i = 0; i < no_fx; ++i) {
        pieces += Fx[i].sector == 30;
        shadows += Fx[i].sector == 31;
    }
    EXPECT_EQ(pieces, 3);
    EXPECT_EQ(shadows, 3);
}

TEST_F(FxUpkeep, LandedDebrisSettlesWithoutABlast) {
    const int d = Add(30);
    Fx[d].grab_switch = true;
    Fx[d].action_timer = 50;
    Tick(51);
    EXPECT_EQ(no_fx, 0);
    EXPECT_EQ(Count("Shell_Landed"), 0);
}

TEST_F(FxUpkeep, GrowingChargeBlowsUpOnTheTickItReachesFullAlpha) {
    struct Case { int kind; float alpha; int ms; int blasts; };
    const Case cases[] = {{29, 0.99f, 20, 1}, {34, 0.99f, 20, 1}, {29, 0.5f, 10, 0}, {34, 1.0f, 1, 1}};
    for (const Case& c : cases) {
        no_fx = 0;
        trace.clear();
        const int i = Add(c.kind);
        Fx[i].alpha = c.alpha;
        Tick(c.ms);
        EXPECT_EQ(Count("Shell_Landed"), c.blasts) << "kind " << c.kind << " alpha " << c.alpha;
        EXPECT_EQ(no_fx, 1 - c.blasts + 2 * c.blasts);  // a blast leaves its two fire effects
    }
    // Below full alpha it grows and creeps down-left.
    no_fx = 0;
    const int i = Add(29);
    Fx[i].alpha = 0.5f;
    Tick(10);
    EXPECT_NEAR(Fx[i].alpha, 0.508f, 1e-6);
    EXPECT_NEAR(Fx[i].width, 0.102f, 1e-6);
    EXPECT_NEAR(Fx[i].x, -0.001f, 1e-6);
}

// ---- Followers ------------------------------------------------------------------------------

TEST_F(FxUpkeep, MudAndMarkerEffectsFollowTheirSprite) {
    Sprite_At(5, 1.0f, 2.0f);
    const int mud = Add(21);
    Fx[mud].linked_sprite = 5;
    const int mark = Add(22);
    Fx[mark].linked_sprite = 5;
    Tick(5);
    ASSERT_EQ(no_fx, 2);
    EXPECT_FLOAT_EQ(Fx[mud].x, 1.05f);
    EXPECT_FLOAT_EQ(Fx[mud].y, 2.0f);
    EXPECT_FLOAT_EQ(Fx[mud].w, 1.01f);
    EXPECT_FLOAT_EQ(Fx[mud].z, 2.02f);
    EXPECT_FLOAT_EQ(Fx[mark].x, 1.0f);
    EXPECT_FLOAT_EQ(Fx[mark].y, 1.8f);
    EXPECT_FLOAT_EQ(Fx[mark].z, 1.82f);
    EXPECT_EQ(Fx[mark].anim_state, ANIM_STOPPED);  // held, not finished

    sprite[5].on_mud = false;  // out of the mud: the mud effect ends
    Tick(5);
    ASSERT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].sector, 22);
    sprite[5].score = 0;  // the sprite died: the marker goes
    Tick(5);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(FxUpkeep, FollowerEndsWithItsSprite) {
    struct Case { int kind; int field; int left; };  // field: 0 none, 1 mouseover, 2 status 44, 3 status 3
    const Case cases[] = {
        {21, 1, 0}, {21, 2, 0}, {20, 1, 0}, {22, 1, 0}, {15, 3, 0}, {15, 0, 1}, {21, 0, 1},
    };
    for (const Case& c : cases) {
        no_fx = 0;
        Sprite_At(5, 0, 0);
        if (c.field == 1) sprite[5].mouseover = true;
        if (c.field == 2) sprite[5].status = 44;
        if (c.field == 3) sprite[5].status = 3;
        const int i = Add(c.kind);
        Fx[i].linked_sprite = 5;
        Tick(5);
        EXPECT_EQ(no_fx, c.left) << "kind " << c.kind << " case " << c.field;
    }
}

TEST_F(FxUpkeep, FollowerWithoutASpriteToFollowEnds) {
    for (int kind : {15, 17, 20, 21, 22}) {
        for (int link : {-1, 750, 100000}) {
            no_fx = 0;
            const int i = Add(kind);
            Fx[i].linked_sprite = link;
            Tick(5);
            EXPECT_EQ(no_fx, 0) << "kind " << kind << " link " << link;
        }
    }
}

TEST_F(FxUpkeep, LoopingOverlayRisesAboveItsSpriteAndEnds) {
    Sprite_At(5, 1.0f, 2.0f);
    const int held = Add(17);
    Fx[held].linked_sprite = 5;
    Fx[held].anim_state = ANIM_HELD;
    Tick(5);
    ASSERT_EQ(no_fx, 1);
    EXPECT_FLOAT_EQ(Fx[held].x, 1.0f);
    EXPECT_FLOAT_EQ(Fx[held].y, 2.0f);
    Fx[held].anim_state = ANIM_LOOP;
    Tick(5);
    EXPECT_EQ(no_fx, 0);
}

// ---- Motion by kind --------------------------------------------------------------------------

TEST_F(FxUpkeep, OneTickOfMotionByKind) {
    enum Field { ALPHA, WIDTH, X, Y, ANGLE, ANGLE2, SPIN };
    struct Case { int kind; int tile_row; int value; Field field; float expected; };
    // Every effect starts at alpha 1, size 0.1, at the origin with all angles 0; ticks of 10 ms.
    const Case cases[] = {
        {11, 0, 0, ALPHA, 0.95f},   {11, 0, 0, WIDTH, 0.096f},
        {13, 0, 0, ALPHA, 0.995f},  {13, 0, 0, X, 0.004f},      {13, 0, 0, WIDTH, 0.096f},
        {16, 0, 0, ALPHA, 0.9f},    {35, 0, 0, ALPHA, 0.9993f},
        {23, 0, 0, X, 0.005f},      {23, 0, 0, Y, 0.025f},      {23, 0, 0, ANGLE, 0.1f},
        {33, 0, 0, X, 0.005f},      {33, 1, 0, X, -0.005f},     {33, 2, 0, X, 0.0025f},
        {33, 3, 0, X, -0.0025f},    {33, 4, 0, X, 0.0f},        {33, 0, 0, Y, 0.015f},
        {24, 0, 0, ANGLE, 10.0f},   {24, 0, 2, X, -0.001f},     {24, 0, 1, X, 0.001f},
        {24, 0, 0, SPIN, 0.1f},     {24, 0, 0, ALPHA, 0.99f},
        {30, 0, 0, ANGLE2, 0.1f},   {30, 0, 0, ANGLE, 4.0f},
    };
    for (const Case& c : cases) {
        no_fx = 0;
        const int i = Add(c.kind);
        Fx[i].tile_row = c.tile_row;
        Fx[i].value = c.value;
        Tick(10);
        ASSERT_EQ(no_fx, 1) << "kind " << c.kind;
        const object& e = Fx[i];
        const float got[] = {e.alpha, e.width, e.x, e.y, e.angle, e.angle2, e.spin};
        EXPECT_NEAR(got[c.field], c.expected, 1e-5) << "kind " << c.kind << " field " << c.field;
    }
}

TEST_F(FxUpkeep, ArcsStopTurningAtThreePointOneFour) {
    const int spark = Add(23);
    Fx[spark].angle = 3.1f;
    const int flash = Add(24);
    Fx[flash].spin = 3.13f;
    const int piece = Add(30);
    Fx[piece].angle2 = 3.0f;
    Tick(50);
    EXPECT_FLOAT_EQ(Fx[spark].angle, 3.14f);
    EXPECT_FLOAT_EQ(Fx[flash].spin, 3.14f);
    EXPECT_FLOAT_EQ(Fx[piece].angle2, 3.14f);
}

TEST_F(FxUpkeep, FallingStarEndsBelowTheView) {
    const int star = Add(33);
    Fx[star].y = -2.01f;
    Tick(5);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(FxUpkeep, FlyingKindsMoveUntilTheyLand) {
    for (int kind : {1, 25, 27, 28, 30, 31}) {
        no_fx = 0;
        const int i = Add(kind);
        Fx[i].spin = 0.0f;  // heading right
        Tick(10);
        EXPECT_GT(Fx[i].x, 0.0f) << "kind " << kind;
        const float x = Fx[i].x;
        Fx[i].grab_switch = true;  // landed
        Fx[i].action_timer = 1000000;
        Tick(10);
        EXPECT_EQ(Fx[i].x, x) << "kind " << kind;
    }
}

// ---- Screen shake ------------------------------------------------------------------------------

TEST_F(FxUpkeep, TimedShakeEndsOnceItsTimeHasPassed) {
    struct Case { float shake; int counter; int now; float after; };
    const Case cases[] = {
        {1, 100, 100, 1}, {1, 100, 101, 0}, {2, 100, 101, 0}, {3, 100, 101, 0},
        {6, 100, 101, 6},  // the long shake is ended elsewhere
    };
    int now = 0;
    for (const Case& c : cases) {
        if (c.now > now) {
            Advance_Ms(c.now - now);
            now = c.now;
        }
        shake = c.shake;
        shaking_counter = c.counter;
        Run_Shake_Upkeep();
        EXPECT_EQ(shake, c.after) << "shake " << c.shake << " at " << c.now;
    }
}

TEST_F(FxUpkeep, ShortShakeFromCameraShakeLastsTwoHundredMs) {
    Camera_Shake(SHAKE_SHORT);
    Advance_Ms(200);
    Run_Shake_Upkeep();
    EXPECT_EQ(shake, 1.0f);
    Advance_Ms(1);
    Run_Shake_Upkeep();
    EXPECT_EQ(shake, 0.0f);
}

} // namespace
