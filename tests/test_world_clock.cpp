// World clock, light and weather: the light level by time of day, the dusk and dawn events,
// the weather phases with the virtual clock, lamps and objects that sleep by time of day.
#include "test_world_fixture.h"

#include <cstdlib>
#include <set>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "combat/combat.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "world/animate.h"
#include "world/world_clock.h"

namespace {

class WorldClock : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        Three_Step_Sheet(20);
        in_dungeon = false;
        weather = 0;
        weather_type = 0;
        next_rain = 99; // no weather unless a test asks for it
        wakeup_timer = -1;
        daytime = false;
        light_count = 0;
        no_sprites = 0;
        rain_angle = 0.0f;
        rain_timer = rain_angle_timer = 0;
        old_message = -1;
        dialog_active = -1;
        dialog_timer = 0;
        ply_dead = false;
        quit_active = false;
        owl_sfx = wakeup_sfx = untie_sfx = false;
        stop_rain_sfx = 0;
        Advance_Half();
    }
    // Half a millisecond in: whole-millisecond due times never tie with now.
    static void Advance_Half() { platform::AdvanceVirtualClock(0.5); }
    static void Clock(int h, int m, int s) {
        hours = h;
        minutes = m;
        seconds = s;
    }
    // A prop of type OBJ with its first animation 4.
    static object& Prop(int i, int kind, int rank) {
        object& o = sprite[i];
        o.type = OBJ;
        o.sector_action = kind;
        o.rank = rank;
        o.fx_id = 0;
        o.base_anim = 4;
        o.anim = 4;
        if (i >= no_sprites) no_sprites = i + 1;
        return o;
    }
    static void Player_At(int i) {
        Place_Unit(i, 75, 75);
        p1_id = i;
    }
    // Runs the weather step every millisecond for ms milliseconds.
    static void Run_Rain(int ms) {
        for (int i = 0; i < ms; ++i) {
            platform::AdvanceVirtualClock(1);
            Calculate_Rain(1);
        }
    }
};

// ---- Light and night -------------------------------------------------------------------

TEST_F(WorldClock, LightAndNightFollowTheHour) {
    struct row {
        int h, m, s;
        bool dungeon;
        float light;
        bool night;
    };
    const row rows[] = {
        {22, 0, 0, false, 100.0f, false},
        {22, 1, 0, false, 96.74f, false},
        {22, 14, 9, false, 100.0f - 0.326f * 149, false},
        {22, 15, 0, false, 100.0f - 0.326f * 150, true},
        {22, 25, 0, false, 18.5f, true},         // between 4 and 20 the light stands
        {22, 29, 4, false, 100.0f - 0.326f * 294, true},
        {22, 29, 5, false, 20.0f, true},          // 3.83: 4 or less jumps to 20
        {22, 59, 9, false, 20.0f, true},
        {23, 0, 0, false, 20.0f, true},
        {2, 30, 0, false, 20.0f, true},
        {4, 59, 9, false, 20.0f, true},
        {5, 0, 0, false, 20.0f, true},
        {5, 10, 0, false, 52.6f, true},
        {5, 14, 9, false, 20.0f + 0.326f * 149, true},
        {5, 15, 0, false, 20.0f + 0.326f * 150, false},
        {5, 30, 0, false, 100.1f, false},
        {6, 0, 0, false, 100.1f, false},
        {12, 0, 0, false, 100.1f, false},
        {21, 59, 9, false, 100.1f, false},
        {12, 0, 0, true, 0.0f, false},
        {22, 10, 0, true, 0.0f, false},
        {23, 0, 0, true, 0.0f, true},
        {5, 10, 0, true, 0.0f, true},
    };
    wakeup_timer = 1 << 30; // no dusk or dawn events here
    for (const row& r : rows) {
        Clock(r.h, r.m, r.s);
        in_dungeon = r.dungeon;
        Light_Level = 55.0f;
        Calculate_Light();
        EXPECT_NEAR(Light_Level, r.light, 0.01f) << r.h << ":" << r.m << "." << r.s << " dungeon " << r.dungeon;
        EXPECT_EQ(daytime, r.night) << r.h << ":" << r.m << "." << r.s;
    }
}

TEST_F(WorldClock, DuskComesOnceAMinuteWithTheOwlAndTheLamps) {
    game_mode = MODE_WALK;
    Player_At(0);
    object& lamp = Prop(1, OBJ_LIGHT, 0);
    light_list[0] = 1;
    light_count = 1;

    Clock(22, 14, 9);
    Calculate_Light();
    EXPECT_FALSE(owl_sfx);
    EXPECT_EQ(lamp.anim, 4);

    Clock(22, 15, 0);
    Calculate_Light();
    EXPECT_TRUE(daytime);
    EXPECT_TRUE(owl_sfx);
    EXPECT_EQ(old_message, msg_id::NIGHTTIME);
    EXPECT_EQ(dialog_active, 0);
    EXPECT_EQ(lamp.anim, 5);
    EXPECT_EQ(lamp.linked_sprite, LIGHT_ON);
    EXPECT_EQ(wakeup_timer, 60000);

    owl_sfx = false;
    old_message = -1;
    platform::AdvanceVirtualClock(60000); // due only once now is past the stamp
    Calculate_Light();
    EXPECT_FALSE(owl_sfx);
    EXPECT_EQ(old_message, -1);
    platform::AdvanceVirtualClock(1);
    Calculate_Light();
    EXPECT_TRUE(owl_sfx);
    EXPECT_EQ(wakeup_timer, 120001);
}

TEST_F(WorldClock, DawnDrawsTheShopSpecialsAndWakesThePlayer) {
    game_mode = MODE_WALK;
    Player_At(0);
    daytime = true;
    shop_special1 = shop_special2 = shop_special3 = shop_special4 = -1;
    std::srand(7);
    Clock(5, 20, 0);
    Calculate_Light();
    EXPECT_FALSE(daytime);
    EXPECT_TRUE(wakeup_sfx);
    EXPECT_EQ(old_message, msg_id::DAYTIME);
    for (int s : {shop_special1, shop_special2, shop_special3, shop_special4}) {
        EXPECT_GE(s, 0);
        EXPECT_LE(s, 4);
    }
}

TEST_F(WorldClock, OutsideWalkScenesDuskSaysNothingAndLeavesTheLamps) {
    game_mode = MODE_FRONT;
    Player_At(0);
    object& lamp = Prop(1, OBJ_LIGHT, 0);
    object& owl = Prop(2, OBJ_NONE, sleep_rule::ANIM_PLUS_2);
    light_list[0] = 1;
    light_count = 1;
    Clock(22, 20, 0);
    Calculate_Light();
    EXPECT_TRUE(daytime);
    EXPECT_FALSE(owl_sfx);
    EXPECT_EQ(old_message, -1);
    EXPECT_EQ(lamp.anim, 4);
    EXPECT_EQ(owl.anim, 6); // sleeping objects follow the night in every mode
    EXPECT_EQ(wakeup_timer, 60000);
}

TEST_F(WorldClock, WithoutAPlayerDuskStillSoundsButNobodySpeaks) {
    game_mode = MODE_WALK;
    p1_id = -1;
    Clock(22, 20, 0);
    Calculate_Light();
    EXPECT_TRUE(owl_sfx);
    EXPECT_EQ(old_message, -1);
}

// ---- Weather start ---------------------------------------------------------------------

TEST_F(WorldClock, WeatherStartsAtItsHourAndDrawsTheNext) {
    std::set<int> drawn;
    for (int seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        weather = 0;
        Clock(21, 3, 0);
        next_rain = 21;
        Calculate_Light();
        ASSERT_EQ(weather, 1);
        drawn.insert(next_rain);
    }
    EXPECT_EQ(drawn, (std::set<int>{22, 23, 0, 1, 2}));
}

TEST_F(WorldClock, CloudsComeOnlyByDayAndRainStartsItsSound) {
    bool clouds_seen = false, rain_seen = false;
    for (int seed = 1; seed <= 60; ++seed) {
        // By day.
        std::srand(seed);
        weather = 0;
        untie_sfx = false;
        daytime = false;
        Clock(14, 0, 0);
        next_rain = 14;
        Calculate_Light();
        (weather_type == 1 ? clouds_seen : rain_seen) = true;
        EXPECT_EQ(untie_sfx, weather_type == 0);
        // At night.
        std::srand(seed);
        weather = 0;
        daytime = true;
        Clock(2, 0, 0);
        next_rain = 2;
        Calculate_Light();
        EXPECT_EQ(weather_type, 0) << seed;
    }
    EXPECT_TRUE(clouds_seen);
    EXPECT_TRUE(rain_seen);
}

TEST_F(WorldClock, NoWeatherStartsInADungeonOrWhileOneRuns) {
    Clock(9, 0, 0);
    next_rain = 9;
    in_dungeon = true;
    Calculate_Light();
    EXPECT_EQ(weather, 0);
    EXPECT_EQ(next_rain, 9);
    in_dungeon = false;
    weather = 3;
    Calculate_Light();
    EXPECT_EQ(weather, 3);
    EXPECT_EQ(next_rain, 9);
}

// ---- Weather phases --------------------------------------------------------------------

TEST_F(WorldClock, RainFadesInSlantsAndFadesOut) {
    std::srand(3);
    weather = 1;
    weather_type = 0;
    rain_angle = 5.0f;
    Run_Rain(1);
    EXPECT_FLOAT_EQ(rain_angle, 0.0f);
    EXPECT_NEAR(hud[HUD_RAIN_A].alpha, 0.01f, 1e-6f);
    EXPECT_NEAR(hud[HUD_RAIN_B].alpha, 0.01f, 1e-6f);
    EXPECT_EQ(hud[HUD_CLOUDS].alpha, 0.0f);

    // Forty steps of 100 ms reach 0.4.
    Run_Rain(3850);
    EXPECT_EQ(weather, 1);
    Run_Rain(200);
    ASSERT_EQ(weather, 2);
    const int run_end = rain_timer;
    EXPECT_GE(run_end - Now(), 10000 - 200);
    EXPECT_LE(run_end - Now(), 240000);

    // Running: the slant grows by 0.1 every 50 ms up to 10; the layers hold 0.4.
    const float slant = rain_angle;
    Run_Rain(1020); // twenty steps of 51 ms (due once now is past the stamp)
    EXPECT_NEAR(rain_angle - slant, 2.0f, 0.11f);
    EXPECT_FLOAT_EQ(hud[HUD_RAIN_A].alpha, 0.4f);
    Run_Rain(5000);
    EXPECT_FLOAT_EQ(rain_angle, 10.0f);

    // To the end of the run, then the fade out.
    Run_Rain(run_end - Now());
    EXPECT_EQ(weather, 2);
    Run_Rain(2);
    ASSERT_EQ(weather, 3);
    Run_Rain(1000);
    EXPECT_NEAR(hud[HUD_RAIN_A].alpha, 0.3f, 0.011f);
    EXPECT_NEAR(rain_angle, 9.0f, 0.11f);
    EXPECT_EQ(stop_rain_sfx, 0);
    Run_Rain(3000);
    EXPECT_EQ(weather, 0);
    EXPECT_EQ(hud[HUD_RAIN_A].alpha, 0.0f);
    EXPECT_EQ(hud[HUD_RAIN_B].alpha, 0.0f);
    EXPECT_EQ(rain_timer, 0);
    EXPECT_EQ(stop_rain_sfx, 1);
    EXPECT_NEAR(rain_angle, 6.2f, 0.2f);

    // Dry weather leaves everything alone.
    Run_Rain(1000);
    EXPECT_EQ(hud[HUD_RAIN_A].alpha, 0.0f);
}

TEST_F(WorldClock, TheSlantOfFadingRainStopsAtAHundredth) {
    weather = 3;
    weather_type = 0;
    rain_angle = 0.15f;
    hud[HUD_RAIN_A].alpha = hud[HUD_RAIN_B].alpha = 0.3f;
    Run_Rain(250);
    EXPECT_FLOAT_EQ(rain_angle, 0.01f);
}

TEST_F(WorldClock, CloudsFadeAndScrollWithoutTouchingTheRain) {
    std::srand(5);
    weather = 1;
    weather_type = 1;
    hud[HUD_RAIN_A].alpha = 0.25f;
    Run_Rain(4100);
    ASSERT_EQ(weather, 2);
    EXPECT_FLOAT_EQ(hud[HUD_CLOUDS].alpha, 0.4f);
    EXPECT_FLOAT_EQ(hud[HUD_RAIN_A].alpha, 0.25f);
    EXPECT_GT(hud[HUD_CLOUDS].u[0], 0.0f);
    const float u = hud[HUD_CLOUDS].u[2];
    Run_Rain(1000); // ten scroll steps of 1 ms each
    EXPECT_NEAR(hud[HUD_CLOUDS].u[2] - u, 10 * 0.0003f, 0.0004f);
    EXPECT_FLOAT_EQ(rain_angle, 0.0f);

    weather = 3;
    rain_timer = 0;
    Run_Rain(4000);
    EXPECT_EQ(weather, 0);
    EXPECT_EQ(hud[HUD_CLOUDS].alpha, 0.0f);
    EXPECT_EQ(stop_rain_sfx, 0); // clouds have no rain loop to stop
    EXPECT_FLOAT_EQ(hud[HUD_RAIN_A].alpha, 0.25f);
}

TEST_F(WorldClock, CloudsDriftWithTheWalkingPlayer) {
    struct row {
        bool player, moving;
        float angle;
        float du, dv;
    };
    const row rows[] = {
        {false, false, 0.0f, 0.3f, 0.3f},    {true, false, 1.5f, 0.3f, 0.3f},
        {true, true, 1.5f, 0.3f, 0.4f},      {true, true, -1.5f, 0.3f, 0.2f},
        {true, true, -3.0f, 0.2f, 0.3f},     {true, true, 0.0f, 0.4f, 0.3f},
        {true, true, 0.75f, 0.4f, 0.4f},     {true, true, 2.25f, 0.2f, 0.4f},
        {true, true, -0.75f, 0.4f, 0.2f},    {true, true, -2.25f, 0.2f, 0.2f},
    };
    for (const row& r : rows) {
        p1_id = -1;
        if (r.player) {
            Player_At(0);
            sprite[0].moving = r.moving;
            sprite[0].angle = r.angle;
        }
        object& c = hud[HUD_CLOUDS];
        for (int k = 0; k < 4; ++k) c.u[k] = c.v[k] = 1.0f;
        Scroll_Clouds(1000);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(c.u[k], 1.0f + r.du, 1e-4f) << r.angle;
            EXPECT_NEAR(c.v[k], 1.0f + r.dv, 1e-4f) << r.angle;
        }
    }
}

// ---- Lamps and sleepers ----------------------------------------------------------------

TEST_F(WorldClock, LampsShowTheirNightFrameOnlyInWalkScenesOutsideDungeons) {
    game_mode = MODE_WALK;
    object& lamp = Prop(3, OBJ_LIGHT, 0);
    object& torch = Prop(4, OBJ_LIGHT1, 0); // switched by hand, not by the clock
    light_list[0] = 3;
    light_list[1] = 4;
    light_list[2] = 800; // no such sprite
    light_list[3] = -1;
    light_count = 4;

    daytime = true;
    Turn_On_Lights();
    EXPECT_EQ(lamp.anim, 5);
    EXPECT_EQ(lamp.linked_sprite, LIGHT_ON);
    EXPECT_EQ(torch.anim, 4);
    daytime = false;
    Turn_On_Lights();
    EXPECT_EQ(lamp.anim, 4);
    EXPECT_EQ(lamp.linked_sprite, LIGHT_OFF);

    daytime = true;
    in_dungeon = true;
    Turn_On_Lights();
    EXPECT_EQ(lamp.anim, 4);
    in_dungeon = false;
    game_mode = MODE_CINE;
    Turn_On_Lights();
    EXPECT_EQ(lamp.anim, 4);

    game_mode = MODE_WALK;
    light_count = 1000; // more than the list holds
    Turn_On_Lights();
    EXPECT_EQ(lamp.anim, 5);
}

TEST_F(WorldClock, SleepersChangeFrameOrComeAndGoByTimeOfDay) {
    object& one = Prop(0, OBJ_NONE, sleep_rule::ANIM_PLUS_1);
    object& two = Prop(1, OBJ_NONE, sleep_rule::ANIM_PLUS_2);
    object& day_only = Prop(2, OBJ_NONE, DAY_ONLY);
    object& night_only = Prop(3, OBJ_NONE, NIGHT_ONLY);
    object& loose = Prop(4, OBJ_NONE, DAY_ONLY); // no footprint of its own
    object& never = Prop(5, OBJ_NONE, sleep_rule::NO);
    for (object* o : {&day_only, &night_only, &loose}) {
        o->w = Cell_Centre_X(20 + (int)(o - sprite) * 5) - 0.02f;
        o->z = Cell_Centre_Y(20) - 0.02f;
        o->box_width = o->box_height = 0.04f;
    }
    day_only.grab_switch = night_only.grab_switch = true;
    const int day_cell = Cell_Of(day_only.w + 0.02f, day_only.z + 0.02f);
    const int night_cell = Cell_Of(night_only.w + 0.02f, night_only.z + 0.02f);
    const int loose_cell = Cell_Of(loose.w + 0.02f, loose.z + 0.02f);
    map_col[loose_cell] = COL_SOLID;

    daytime = true;
    Sleep_Sprites();
    EXPECT_EQ(one.anim, 5);
    EXPECT_EQ(two.anim, 6);
    EXPECT_TRUE(day_only.mouseover);
    EXPECT_EQ(map_col[day_cell], COL_FREE);
    EXPECT_FALSE(night_only.mouseover);
    EXPECT_EQ(map_col[night_cell], COL_SOLID); // obj_kind 0 stamps solid
    EXPECT_TRUE(loose.mouseover);
    EXPECT_EQ(map_col[loose_cell], COL_SOLID);
    EXPECT_EQ(never.anim, 4);

    // A night frame already running is not restarted.
    one.cur = 1;
    Sleep_Sprites();
    EXPECT_EQ(one.cur, 1);

    daytime = false;
    Sleep_Sprites();
    EXPECT_EQ(one.anim, 4);
    EXPECT_EQ(two.anim, 4);
    EXPECT_FALSE(day_only.mouseover);
    EXPECT_EQ(map_col[day_cell], COL_SOLID);
    EXPECT_TRUE(night_only.mouseover);
    EXPECT_EQ(map_col[night_cell], COL_FREE);
    EXPECT_FALSE(loose.mouseover);
}

TEST_F(WorldClock, TheSceneLoadersCallsAreSafeWithAFullCount) {
    no_sprites = 5000;
    light_count = -3;
    Sleep_Sprites();
    Turn_On_Lights();
    no_sprites = 0;
}

} // namespace
