// The ambient objects of the AI step: lights, danger music, birds and critters, dancers,
// bodies, scrollers, cut and selected objects, on the virtual clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "combat/ambient.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "world/world_clock.h"

namespace {

constexpr int PLAYER = 0;

class Ambient : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        game_mode = MODE_WALK;
        Level = 0;
        p1_id = PLAYER;
        Place(PLAYER, 0.0f, 0.0f);
        sprite[PLAYER].type = UNT;
        sprite[PLAYER].score = 100;
        camX = camY = 0.0f;
        light_count = draw_light_count = no_lights_on = 0;
        music_danger_volume = 0.0f;
        music_volume = 0.4f;
        daytime = false;
        in_dungeon = false;
        range_timer = 0;
    }
    void TearDown() override { Free_Records(); }

    // A 0.1 by 0.1 box with its centre at (cx, cy); drawn at the same place.
    static object& Place(int i, float cx, float cy) {
        object& o = sprite[i];
        o.box_width = o.box_height = 0.1f;
        o.width = o.height = 0.1f;
        o.w = o.x = cx - 0.05f;
        o.z = o.y = cy - 0.05f;
        if (i >= no_sprites) no_sprites = i + 1;
        return o;
    }
    static object& Obj(int i, int kind, float cx, float cy) {
        object& o = Place(i, cx, cy);
        o.type = OBJ;
        o.sector_action = kind;
        return o;
    }
    static void Step(int loop) { Ambient_Objects(loop, 16); }
};

// ---- Lights -------------------------------------------------------------------------------

TEST_F(Ambient, LightsAreGatheredAndOnlyLitNearOnesAreDrawn) {
    Obj(1, OBJ_LIGHT1, 0.5f, 0.0f).linked_sprite = 1;   // on, near
    Obj(2, OBJ_LIGHT1, 0.5f, 0.0f).linked_sprite = 0;   // off, near
    Obj(3, OBJ_LIGHT, 3.0f, 0.0f).linked_sprite = 1;    // on, too far from the camera
    Obj(4, OBJ_LIGHT, 0.0f, 1.0f).linked_sprite = 1;    // on, near
    Obj(5, OBJ_DANCER, 0.0f, 0.0f);                     // no light
    for (int i = 1; i <= 5; ++i) Step(i);
    ASSERT_EQ(light_count, 4);
    EXPECT_EQ(light_list[0], 1);
    EXPECT_EQ(light_list[1], 2);
    EXPECT_EQ(light_list[2], 3);
    EXPECT_EQ(light_list[3], 4);
    ASSERT_EQ(draw_light_count, 2);
    EXPECT_EQ(draw_light_list[0], 1);
    EXPECT_EQ(draw_light_list[1], 4);
    EXPECT_EQ(no_lights_on, 1) << "only switched-on lights of the second kind are counted";
}

TEST_F(Ambient, TheCameraDecidesWhichLightsAreNear) {
    Obj(1, OBJ_LIGHT, 3.0f, 0.0f).linked_sprite = 1;
    camX = -3.0f;  // the camera looks at x = 3
    Step(1);
    EXPECT_EQ(draw_light_count, 1);
}

TEST_F(Ambient, AFiringUnitGivesLightUntilItsReloadTimePasses) {
    object& u = Place(1, 0.2f, 0.0f);
    u.type = UNT;
    u.status = 29;
    u.reload_timer = 300;
    Advance_Ms(300);
    Step(1);
    EXPECT_EQ(light_count, 1);
    EXPECT_EQ(draw_light_count, 1);
    light_count = draw_light_count = 0;
    Advance_Ms(1);
    Step(1);
    EXPECT_EQ(light_count, 0);
    EXPECT_EQ(draw_light_count, 0);
}

TEST_F(Ambient, LightListsStopWhenFull) {
    for (int i = 1; i <= 60; ++i) Obj(i, OBJ_LIGHT, 0.0f, 0.0f).linked_sprite = 1;
    for (int i = 1; i <= 60; ++i) Step(i);
    EXPECT_EQ(light_count, 50);
    EXPECT_EQ(draw_light_count, 50);
    EXPECT_EQ(light_list[49], 50);
    EXPECT_EQ(draw_light_list[49], 50);
}

TEST_F(Ambient, LightsAreOnlyGatheredInAWalkingScene) {
    Obj(1, OBJ_LIGHT1, 0.0f, 0.0f).linked_sprite = 1;
    game_mode = MODE_CINE;
    Step(1);
    EXPECT_EQ(light_count, 0);
    EXPECT_EQ(no_lights_on, 0);
}

TEST_F(Ambient, NightLightOfUnitsOutsideThePlayer) {
    object& u = Place(1, 0.0f, 0.0f);
    u.type = UNT;
    u.light = 0.3f;
    u.alpha = 1.0f;
    sprite[PLAYER].light = 0.3f;
    sprite[PLAYER].alpha = 1.0f;
    Advance_Ms(1);
    Step(1);
    EXPECT_FLOAT_EQ(u.alpha, 1.0f) << "by day";
    daytime = true;
    Step(1);
    Step(PLAYER);
    EXPECT_FLOAT_EQ(u.alpha, 0.3f);
    EXPECT_FLOAT_EQ(sprite[PLAYER].alpha, 1.0f);
}

// ---- Danger music -------------------------------------------------------------------------

TEST_F(Ambient, DangerMusicRisesNearBoxesUpToTheMusicVolume) {
    Place(1, 0.0f, 0.0f).type = BAG;
    Step(1);
    EXPECT_FLOAT_EQ(music_danger_volume, 0.0f) << "no box";

    object& far = Place(2, 2.0f, 1.0f);  // distance (2 + 1) / 2 = 1.5: level below 0
    far.type = BOX;
    Step(2);
    EXPECT_FLOAT_EQ(music_danger_volume, 0.0f);

    object& mid = Place(3, 1.2f, 0.8f);  // distance 1.0: level 0.4 -> capped at 0.3
    mid.type = BOX;
    music_volume = 0.3f;
    Step(3);
    EXPECT_NEAR(music_danger_volume, 0.3f, 1e-5f);
    music_volume = 1.0f;
    music_danger_volume = 0.0f;
    Step(3);
    EXPECT_NEAR(music_danger_volume, 0.4f, 1e-5f);
    Step(2);
    EXPECT_NEAR(music_danger_volume, 0.4f, 1e-5f) << "a farther box does not lower it";
}

// ---- Birds and critters -------------------------------------------------------------------

TEST_F(Ambient, ABirdTakesOffNearThePlayerAndSettlesForThreeToFifteenSeconds) {
    object& b = Place(1, 0.5f, 0.0f);
    b.type = BAG;
    b.sector = SEAGULL;
    b.score = 1;
    b.base_anim = 4;
    b.status = 3;
    Advance_Ms(1);
    Step(1);
    EXPECT_EQ(b.status, 70);
    EXPECT_EQ(b.anim, 6);
    EXPECT_TRUE(seagull_sfx);
    EXPECT_EQ(b.all_timer, 1 + 1000);

    Advance_Ms(1000);
    Step(1);
    EXPECT_EQ(b.status, 70) << "not yet due";
    Advance_Ms(1);
    Step(1);
    EXPECT_EQ(b.status, 3);
    EXPECT_EQ(b.anim, 4);
    const int rest = b.all_timer - Now();
    EXPECT_GE(rest, 3000);
    EXPECT_LT(rest, 15000);

    seagull_sfx = false;
    Advance_Ms(rest);
    Step(1);
    EXPECT_EQ(b.status, 3) << "still resting";
    EXPECT_FALSE(seagull_sfx);
    Advance_Ms(1);
    Step(1);
    EXPECT_EQ(b.status, 70);
}

TEST_F(Ambient, BirdSoundsByClassAndLevel) {
    struct Case { int cls; int level; bool* sound; int rest; };
    const Case cases[] = {
        {SEAGULL, 0, &seagull_sfx, 1000},        {SEAGULL2, 0, &seagull2_sfx, 5000},
        {SEAGULL, LVL_HIGHWAY, &crow1_sfx, 1000}, {SEAGULL2, LVL_FARMS, &crow1_sfx, 5000},
        {SEAGULL, LVL_ROADWAY, &crow1_sfx, 1000}, {SEAGULL2, LVL_VILLAGE, &crow1_sfx, 5000},
    };
    for (const Case& c : cases) {
        seagull_sfx = seagull2_sfx = crow1_sfx = false;
        Level = c.level;
        object& b = Place(1, 0.3f, 0.0f);
        b.type = BAG;
        b.sector = c.cls;
        b.score = 1;
        b.status = 3;
        b.all_timer = Now() - 1;
        Step(1);
        EXPECT_TRUE(*c.sound) << "class " << c.cls << " level " << c.level;
        EXPECT_EQ(seagull_sfx + seagull2_sfx + crow1_sfx, 1);
        EXPECT_EQ(b.all_timer, Now() + c.rest);
    }
}

TEST_F(Ambient, BirdsStayPutWhenThePlayerIsFarOrTheyAreDead) {
    object& far = Place(1, 0.9f, 0.0f);
    far.type = BAG;
    far.sector = SEAGULL;
    far.score = 1;
    object& dead = Place(2, 0.1f, 0.0f);
    dead.type = BAG;
    dead.sector = SEAGULL;
    dead.score = 0;
    Advance_Ms(1);
    Step(1);
    Step(2);
    EXPECT_NE(far.status, 70);
    EXPECT_NE(dead.status, 70);
    EXPECT_FALSE(seagull_sfx);
}

TEST_F(Ambient, CritterSoundsAndPlaybackBySoundChoice) {
    struct Case { int kind; int choice; bool* sound; int anim_state; int rest; };
    const Case cases[] = {
        {OBJ_SEAGULL, 1, &seagull_sfx, ANIM_LOOP, 1000},  {OBJ_SEAGULL, 3, &bark_sfx, ANIM_LOOP, 1000},
        {OBJ_SEAGULL, 4, &buoy_sfx, -1, 1000},            {OBJ_SEAGULL, 5, &drip_sfx, ANIM_ONCE, 1000},
        {OBJ_SEAGULL, 6, &sniperply_sfx, ANIM_ONCE, 1000}, {OBJ_SEAGULL, 2, nullptr, ANIM_LOOP, 1000},
        {OBJ_SEAGULL2, 3, &seagull2_sfx, ANIM_LOOP, 5000},
    };
    for (const Case& c : cases) {
        seagull_sfx = bark_sfx = buoy_sfx = drip_sfx = sniperply_sfx = seagull2_sfx = false;
        object& o = Obj(1, c.kind, 0.3f, 0.0f);
        o.linked_sprite = c.choice;
        o.status = 3;
        o.base_anim = 2;
        o.anim = 0;
        o.anim_state = -1;
        o.all_timer = Now() - 1;
        Step(1);
        EXPECT_EQ(o.status, 70) << "kind " << c.kind << " choice " << c.choice;
        if (c.sound) { EXPECT_TRUE(*c.sound) << "kind " << c.kind << " choice " << c.choice; }
        EXPECT_EQ(seagull_sfx + bark_sfx + buoy_sfx + drip_sfx + sniperply_sfx + seagull2_sfx, c.sound ? 1 : 0);
        EXPECT_EQ(o.anim, c.anim_state == -1 ? 0 : 3) << "choice " << c.choice;
        EXPECT_EQ(o.anim_state, c.anim_state) << "choice " << c.choice;
        EXPECT_EQ(o.all_timer, Now() + c.rest);
    }
}

// ---- Dancers and bodies -------------------------------------------------------------------

TEST_F(Ambient, DancersWarmUpAndDanceOnlyByDay) {
    object& d = Obj(1, OBJ_DANCER, 0.0f, 0.0f);
    object& d1 = Obj(2, OBJ_DANCER1, 0.0f, 0.0f);
    d.base_anim = d1.base_anim = 10;
    d.anim = d1.anim = 0;
    start_dancing = false;
    dancing_timer = 500;
    Advance_Ms(100);
    Step(1);
    Step(2);
    EXPECT_EQ(d.anim, 11);
    EXPECT_EQ(d1.anim, 11);
    Advance_Ms(401);
    Step(1);
    Step(2);
    EXPECT_TRUE(start_dancing);
    EXPECT_EQ(d.anim, 12);
    EXPECT_EQ(d1.anim, 10);
    daytime = true;
    d.anim = 0;
    Step(1);
    EXPECT_EQ(d.anim, 0) << "no dancing at night";
}

TEST_F(Ambient, ABodyIsReleasedWhenItsPartnerLetsGo) {
    object& body = Place(1, 0.0f, 0.0f);
    body.type = BOD;
    body.status = 55;
    body.score = 2;
    body.base_anim = 5;
    sprite[2].status = 55;
    Step(1);
    EXPECT_EQ(body.status, 55);
    sprite[2].status = 3;
    Step(1);
    EXPECT_EQ(body.status, 0);
    EXPECT_EQ(body.priority, 3);
    EXPECT_EQ(body.anim, 5);
}

TEST_F(Ambient, ABodyWhosePartnerIndexNamesNoSpriteIsReleased) {
    for (int partner : {-1, MAX_SPRITES, 100000}) {
        object& body = Place(1, 0.0f, 0.0f);
        body.type = BOD;
        body.status = 55;
        body.score = partner;
        Step(1);
        EXPECT_EQ(body.status, 0) << partner;
    }
}

// ---- Movers, scrollers, cut and selected objects ------------------------------------------

TEST_F(Ambient, ScrollersMoveTheirTextureByTheirRate) {
    object& across = Place(1, 0.0f, 0.0f);
    across.type = SCR;
    across.score = 50;  // 0.0005 per ms
    object& down = Place(2, 0.0f, 0.0f);
    down.type = SCR;
    down.score = 50;
    down.onCreate = 1;
    object& front = Place(3, 0.0f, 0.0f);
    front.type = SFE;
    front.score = 50;
    Ambient_Scroll_Cut_Select(1, 20);
    Ambient_Scroll_Cut_Select(2, 20);
    Ambient_Scroll_Cut_Select(3, 20);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(across.u[k], 0.01f, 1e-6f);
        EXPECT_NEAR(across.v[k], 0.0f, 1e-6f);
        EXPECT_NEAR(down.v[k], -0.02f, 1e-6f);
        EXPECT_NEAR(front.u[k], 0.0f, 1e-6f) << "front-end scroller outside the front end";
    }
    game_mode = MODE_FRONT;
    Ambient_Scroll_Cut_Select(3, 20);
    EXPECT_NEAR(front.u[0], 0.01f, 1e-6f);
}

TEST_F(Ambient, ACutObjectEndsItsCutSceneWhenDue) {
    object& c = Place(1, 0.0f, 0.0f);
    c.type = CUT;
    c.emy_shooting = true;
    c.all_timer = 100;
    cutscene = true;
    hud_face = 4;
    Advance_Ms(100);
    Ambient_Scroll_Cut_Select(1, 16);
    EXPECT_TRUE(cutscene);
    Advance_Ms(1);
    Ambient_Scroll_Cut_Select(1, 16);
    EXPECT_FALSE(cutscene);
    EXPECT_EQ(hud_face, 0);
    EXPECT_FALSE(c.emy_shooting);
}

TEST_F(Ambient, SelectedObjectsReturnToTheirBaseAnimationExceptSwitches) {
    object& o = Obj(1, OBJ_INFO, 0.0f, 0.0f);
    object& sw = Obj(2, OBJ_SWITCH, 0.0f, 0.0f);
    o.selected = sw.selected = true;
    o.base_anim = sw.base_anim = 7;
    o.anim = sw.anim = 1;
    Advance_Ms(1);
    Ambient_Scroll_Cut_Select(1, 16);
    Ambient_Scroll_Cut_Select(2, 16);
    EXPECT_FALSE(o.selected);
    EXPECT_FALSE(sw.selected);
    EXPECT_EQ(o.anim, 7);
    EXPECT_EQ(sw.anim, 1);
}

TEST_F(Ambient, EntriesOutsideTheSpriteArrayAreIgnored) {
    for (int loop : {-1, MAX_SPRITES}) {
        Ambient_Objects(loop, 16);
        Ambient_Movers(loop, 16);
        Ambient_Scroll_Cut_Select(loop, 16);
    }
    EXPECT_EQ(light_count, 0);
}

}  // namespace
