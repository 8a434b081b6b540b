// Animation playback: the playback modes over a few frames with a virtual clock.
#include "test_world_fixture.h"

#include "common/sound_requests.h"
#include "render/draw.h"
#include "world/animate.h"

class WorldAnimate : public WorldTest {
protected:
    static constexpr int SLOT = 1;
    void SetUp() override {
        WorldTest::SetUp();
        texture_fx[SLOT] = 2; // animated
        animation_fx[SLOT] = 0;
        animation_texture& t = a_texture[0];
        // anim 0: frames 5, 6, 7; anim 1: the single frame 9; anim 2: frames 7, 5.
        t.anim_frames[0] = 3;
        t.anims[0][0] = 5; t.anims[0][1] = 6; t.anims[0][2] = 7;
        t.anim_frames[1] = 1;
        t.anims[1][0] = 9;
        t.anim_frames[2] = 2;
        t.anims[2][0] = 7; t.anims[2][1] = 5;
        t.delay[5] = 100; t.delay[6] = 50; t.delay[7] = 100; t.delay[9] = 100;
        animate_sprites = true;
        quit_active = false;
        // Half a millisecond in: due times (whole milliseconds) never tie with now.
        platform::AdvanceVirtualClock(0.5);
        game_mode = MODE_WALK;
        Visible({});
    }
    static object& Sprite(int i) {
        object& o = sprite[i];
        o.id = SLOT;
        o.fx_id = 0;
        o.anim = 99; // nothing started yet
        return o;
    }
    static void Visible(std::initializer_list<int> ids) {
        new_no_sprites = 0;
        for (int id : ids) var5[new_no_sprites++] = id;
    }
    // Runs the animation step every millisecond for ms milliseconds.
    static void Run(int ms) {
        for (int i = 0; i < ms; ++i) {
            platform::AdvanceVirtualClock(1);
            Animate();
        }
    }
};

TEST_F(WorldAnimate, PlayOnceStopsOnTheLastFrame) {
    object& o = Sprite(3);
    Visible({3});
    Set_Sprite(3, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    EXPECT_EQ(o.frame, 5);
    EXPECT_EQ(o.cur_time, 100.0f); // whole now 0 + delay of frame 5
    Run(99);
    EXPECT_EQ(o.cur, 0);
    Run(1); // t = 100.5: due; the step's own frame is timed, then the step advances
    EXPECT_EQ(o.cur, 1);
    EXPECT_EQ(o.cur_time, 200.0f);
    EXPECT_EQ(o.frame, 5);
    Run(1); // the frame of the step reached shows on the next pass
    EXPECT_EQ(o.frame, 6);
    Run(98);
    EXPECT_EQ(o.frame, 6);
    Run(2); // t = 201.5
    EXPECT_EQ(o.frame, 7);
    EXPECT_EQ(o.cur, 2);
    EXPECT_EQ(o.anim_state, ANIM_ONCE);
    Run(50); // due at 250.5 on the last step: stops
    EXPECT_EQ(o.anim_state, ANIM_STOPPED);
    Run(200);
    EXPECT_EQ(o.frame, 7);
    EXPECT_EQ(o.cur, 2);
}

TEST_F(WorldAnimate, LoopAndOnceHoldAndHeld) {
    object& a = Sprite(1);
    object& b = Sprite(2);
    object& c = Sprite(4);
    Visible({1, 2, 4});
    Set_Sprite(1, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(2, 0, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(4, 0, ANIM_HELD, ANIM_ARRAY_SPRITE, false);
    Run(400); // a full cycle is 250 ms
    EXPECT_EQ(a.anim_state, ANIM_LOOP);
    EXPECT_LT(a.cur, 2);
    EXPECT_EQ(b.anim_state, ANIM_HELD);
    EXPECT_EQ(b.frame, 7);
    EXPECT_EQ(c.cur, 0);
    EXPECT_EQ(c.frame, 5);
    // The loop keeps cycling through all three frames.
    bool seen[3] = {};
    for (int i = 0; i < 300; ++i) {
        Run(1);
        seen[a.cur] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST_F(WorldAnimate, OneFrameAnimations) {
    object& a = Sprite(1);
    object& b = Sprite(2);
    Visible({1, 2});
    Set_Sprite(1, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(2, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Run(101);
    EXPECT_EQ(a.anim_state, ANIM_STOPPED);
    EXPECT_EQ(b.anim_state, ANIM_LOOP);
    Run(300);
    EXPECT_EQ(b.frame, 9);
    EXPECT_EQ(b.cur, 0);
}

TEST_F(WorldAnimate, SameAnimationAgainChangesNothing) {
    object& o = Sprite(3);
    Visible({3});
    Set_Sprite(3, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Run(110);
    object before = o;
    Set_Sprite(3, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
    EXPECT_EQ(o.cur, before.cur);
    EXPECT_EQ(o.cur_time, before.cur_time);
    EXPECT_EQ(o.anim_state, ANIM_LOOP);
    // A reset in mid-animation does not rewind it either.
    Set_Sprite(3, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    EXPECT_EQ(o.cur, 1);
    // At the last step a reset rewinds.
    o.cur = 2;
    Set_Sprite(3, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    EXPECT_EQ(o.cur, 0);
    EXPECT_EQ(o.frame, 5);
}

TEST_F(WorldAnimate, HudRecordsAreRewrittenAndKnowOnlyOnceAndLoop) {
    hud_no_sprites = 2;
    object& h = hud[1];
    h.id = SLOT;
    h.fx_id = 0;
    h.anim = 0;
    h.cur = 1;
    h.frame = 0;
    h.anim_state = ANIM_STOPPED;
    Set_Sprite(1, 0, ANIM_ONCE_HOLD, ANIM_ARRAY_HUD, false); // same animation: still rewritten
    EXPECT_EQ(h.cur, 1);
    EXPECT_EQ(h.frame, 6);
    EXPECT_EQ(h.anim_state, ANIM_ONCE_HOLD);
    Run(500);
    EXPECT_EQ(h.cur, 2);
    EXPECT_EQ(h.anim_state, ANIM_ONCE_HOLD); // not turned into held on a HUD record
    Set_Sprite(1, 2, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    EXPECT_EQ(h.cur, 0);
    EXPECT_EQ(h.cur_time, 0.0f);
    Run(300);
    EXPECT_EQ(h.anim_state, ANIM_STOPPED);
}

TEST_F(WorldAnimate, RythmSheetWithZeroDelayStepsEveryPass) {
    a_texture[0].rythm = true;
    rythm_delay = 0.0f;
    hud_no_sprites = 1;
    object& h = hud[0];
    h.id = SLOT;
    h.fx_id = 0;
    h.anim = 5;
    Set_Sprite(0, 0, ANIM_LOOP, ANIM_ARRAY_HUD, true);
    Run(1);
    EXPECT_EQ(h.cur, 1);
    Run(1);
    EXPECT_EQ(h.cur, 2);
    Run(1);
    EXPECT_EQ(h.cur, 0);
    rythm_delay = 2.0f; // delays halved
    Run(1);
    EXPECT_EQ(h.cur_time, 4.0f + 50.0f);
}

TEST_F(WorldAnimate, WalkingUnitStepsBySpeedWithFootsteps) {
    object& u = Sprite(6);
    Visible({6});
    a_texture[0].anim_frames[0] = 4;
    a_texture[0].anims[0][3] = 6;
    Set_Sprite(6, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    u.status = 27;
    u.factor = 0.5f;
    u.type = 46;
    u.score = 20;
    Run(101); // the walk cycle is running
    int steps = 0, footsteps = 0, last_cur = u.cur;
    for (int t = 0; t < 400; ++t) {
        footstep_sfx = false;
        int cur_before = u.cur;
        Run(1);
        if (u.cur != last_cur) {
            steps++;
            if (footstep_sfx) {
                footsteps++;
                EXPECT_TRUE(cur_before == 0 || cur_before == 2) << cur_before;
            }
            last_cur = u.cur;
        }
    }
    EXPECT_EQ(steps, 4);     // every 100 ms
    EXPECT_EQ(footsteps, 2); // on steps 0 and 2 only
    // A walking unit that changes animation keeps its step.
    u.cur = 2;
    Set_Sprite(6, 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    EXPECT_EQ(u.cur, 2);
}

TEST_F(WorldAnimate, FrameDelayBelongsToTheFrameNumber) {
    a_texture[0].delay[7] = 30;
    object& a = Sprite(1);
    object& b = Sprite(2);
    Visible({1, 2});
    Set_Sprite(1, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false); // 5 6 7
    Set_Sprite(2, 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false); // 7 5
    EXPECT_EQ(a.cur_time, 100.0f);                         // frame 5
    EXPECT_EQ(b.cur_time, 30.0f);                          // frame 7
    Run(31);
    EXPECT_EQ(b.cur_time, 60.0f); // frame 7 at step 0 of b: 30 ms
    Run(30);
    EXPECT_EQ(b.cur_time, 160.0f); // frame 5 at step 1 of b: 100 ms
    Run(190);                      // t = 251.5
    EXPECT_EQ(a.cur, 0);
    EXPECT_EQ(a.cur_time, 280.0f); // frame 7 at step 2 of a: 30 ms as well
}

TEST_F(WorldAnimate, QuitBoxFreezesTheWorldButNotTheHudOrTheFrontEnd) {
    object& s = Sprite(1);
    Visible({1});
    Set_Sprite(1, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    no_fx = 1;
    Fx[0].id = SLOT;
    Fx[0].fx_id = 0;
    Fx[0].anim = 7;
    Set_Sprite(0, 0, ANIM_LOOP, ANIM_ARRAY_FX, false);
    hud_no_sprites = 1;
    hud[0].id = SLOT;
    hud[0].fx_id = 0;
    Set_Sprite(0, 0, ANIM_LOOP, ANIM_ARRAY_HUD, true);
    quit_active = true;
    Run(150);
    EXPECT_EQ(s.cur, 0);
    EXPECT_EQ(Fx[0].cur, 0);
    EXPECT_GT(hud[0].cur, 0);
    game_mode = MODE_FRONT;
    Run(150);
    EXPECT_GT(s.cur, 0);
    EXPECT_EQ(Fx[0].cur, 0);
    quit_active = false;
    Run(150);
    EXPECT_GT(Fx[0].cur, 0);
}

TEST_F(WorldAnimate, OnlyVisibleSpritesAdvanceAndEffectsNeedNoList) {
    object& seen = Sprite(1);
    object& hidden = Sprite(2);
    Visible({1, 750}); // 750 names effect 0, which the effect pass steps
    Set_Sprite(1, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(2, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Run(150);
    EXPECT_EQ(seen.cur, 1);
    EXPECT_EQ(hidden.cur, 0);
    animate_sprites = false;
    Run(300);
    EXPECT_EQ(seen.cur, 1);
}

TEST_F(WorldAnimate, RecordsOutsideTheirSheetAreSkipped) {
    object& fresh = Sprite(1);
    fresh.anim = -1; // a new unit before its first animation
    fresh.frame = 42;
    object& bad_sheet = Sprite(2);
    bad_sheet.fx_id = 60;
    bad_sheet.anim = 0;
    object& bad_anim = Sprite(3);
    bad_anim.anim = 150;
    object& bad_step = Sprite(4);
    bad_step.anim = 0;
    bad_step.cur = -3;
    bad_step.anim_state = ANIM_LOOP;
    Visible({1, 2, 3, 4, -5, 900});
    no_fx = 1;
    Fx[0].id = SLOT;
    Fx[0].fx_id = -1;
    hud_no_sprites = 1;
    hud[0].id = SLOT;
    hud[0].fx_id = 0;
    hud[0].anim = -1;
    hud[0].anim_state = ANIM_LOOP;
    Run(300);
    EXPECT_EQ(fresh.frame, 42);
    EXPECT_EQ(bad_step.cur, -3);
    // Starting an animation outside the sheet is ignored.
    Set_Sprite(1, -1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    Set_Sprite(2, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    Set_Sprite(1, 200, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    Set_Sprite(800, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    Set_Sprite(80, 0, ANIM_LOOP, ANIM_ARRAY_HUD, true);
    Set_Sprite(0, 0, ANIM_LOOP, 7, true);
    EXPECT_EQ(fresh.anim, -1);
    EXPECT_EQ(bad_sheet.fx_id, 60);
}
