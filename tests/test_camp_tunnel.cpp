// The tunnel map (episode 1 scene 31): mission markers and network pictures on entry, the
// idle drip cycle, the destinations of the three networks with their story flags, the way
// back to the camp, the network buttons and the lamp.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/tunnel.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "test_camp_fixture.h"

namespace {

class TunnelTest : public Camp_Screen_Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Advance_Ms(10000);
        Lay_Sprite_Row(20, -2.0f, 1.0f, true);
        for (int i : {10, 11, 12}) sprite[i].grab_switch = true;  // armed by the scene file
        game_mode = 4;
        episode = 1;
        scene = 31;
        tunnel_sequence = 0;
        next_scene = false;
        fade = 1.0f;
        tunnel_page = 1;
        current_act = 1;
        current_main = 1;
        current_spawn = -1;
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(counter, 0, sizeof counter);
        mouseleft = msg_left = false;
        radio_sfx = click_sfx = switch_n_sfx = lightswitch_sfx = drip_sfx = false;
        stop_waves_sfx = 0;
        Off();
    }
};

struct Destination {
    int page, sprite, flag;
    const char* caption;
    int box, e, s, spawn;
};
constexpr Destination destinations[] = {
    {1, 5, 14, "Pebble^Beach", 1, 3, 3, 17}, {1, 6, 13, "Light^House", 1, 3, 3, 2},
    {1, 7, 3, "Pebble^Bay", 1, 3, 16, 0},    {1, 8, 16, "Boat^Yard", 1, 3, 18, 0},
    {2, 5, 40, "Church", 0, 2, 2, 23},       {2, 6, 41, "Grave^Yard", 1, 2, 2, 24},
    {2, 7, 42, "Palace", 0, 2, 8, 1},        {2, 8, 43, "Coastal^Town", 1, 2, 5, 0},
    {3, 5, 47, "Vineyard", 0, 2, 9, 7},      {3, 6, 46, "River^Bank", 1, 2, 9, 8},
    {3, 7, 48, "Missile^Silo", 1, 2, 1, 11}, {3, 8, 49, "Trench", 0, 3, 24, 0},
};

TEST_F(TunnelTest, OpenDestinationsTravel) {
    for (const Destination& d : destinations) {
        SCOPED_TRACE(d.caption);
        SetUp();
        tunnel_page = d.page;
        global_objects[d.flag] = 1;
        Run_Tunnel(16);
        Over(d.sprite);
        Run_Tunnel(16);
        EXPECT_EQ(Tip(), d.caption);
        EXPECT_EQ(counter[5].length, d.box);
        EXPECT_EQ(msg_left, d.sprite != 7);
        EXPECT_EQ(hud[6].alpha, 1.0f);
        EXPECT_FALSE(radio_sfx);  // the tunnel map plays no hover sounds
        mouseleft = true;
        Run_Tunnel(16);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, d.e);
        EXPECT_EQ(scene, d.s);
        EXPECT_EQ(current_spawn, d.spawn);
        EXPECT_TRUE(switch_n_sfx);
        EXPECT_FALSE(mouseleft);
        TearDown();
    }
}

TEST_F(TunnelTest, ClosedDestinationsIgnoreClicks) {
    for (const Destination& d : destinations) {
        for (int value : {0, 2}) {
            SCOPED_TRACE(testing::Message() << d.caption << " flag " << value);
            SetUp();
            tunnel_page = d.page;
            global_objects[d.flag] = (char)value;
            // Every other flag of every network is open: only the own flag counts.
            for (const Destination& o : destinations)
                if (o.flag != d.flag) global_objects[o.flag] = 1;
            Run_Tunnel(16);
            Over(d.sprite);
            mouseleft = true;
            Run_Tunnel(16);
            EXPECT_EQ(Tip(), "Closed");
            EXPECT_EQ(counter[5].length, 0);
            EXPECT_FALSE(next_scene);
            EXPECT_TRUE(mouseleft);
            EXPECT_FALSE(switch_n_sfx);
            TearDown();
        }
    }
}

TEST_F(TunnelTest, APageOutsideTheNetworksShowsTheBeach) {
    for (int page : {0, 4, -1}) {
        SCOPED_TRACE(page);
        SetUp();
        tunnel_page = page;
        global_objects[14] = 1;
        Run_Tunnel(16);
        Over(5);
        mouseleft = true;
        Run_Tunnel(16);
        EXPECT_EQ(Tip(), "Pebble^Beach");
        EXPECT_EQ(episode, 3);
        EXPECT_EQ(scene, 3);
        TearDown();
    }
}

TEST_F(TunnelTest, CampEntryGoesToTheHubOrTheBurningCamp) {
    struct Case {
        int act;
        char flag32;
        int e, s;
    } cases[] = {{1, 0, 2, 0}, {1, 1, 2, 0}, {2, 1, 2, 3}, {3, 1, 2, 10},
                 {4, 1, 2, 11}, {2, 0, 1, 48}, {4, 0, 1, 48}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " flag " << (int)c.flag32);
        SetUp();
        current_act = c.act;
        global_objects[32] = c.flag32;
        Run_Tunnel(16);
        Over(4);
        Run_Tunnel(16);
        EXPECT_EQ(Tip(), "Summer_Camp");
        EXPECT_EQ(counter[5].length, 0);
        EXPECT_TRUE(msg_left);
        mouseleft = true;
        Run_Tunnel(16);
        EXPECT_TRUE(next_scene);
        EXPECT_EQ(episode, c.e);
        EXPECT_EQ(scene, c.s);
        EXPECT_EQ(current_spawn, 2);
        EXPECT_TRUE(switch_n_sfx);
        EXPECT_FALSE(mouseleft);
        TearDown();
    }
}

TEST_F(TunnelTest, NetworkButtonsByAct) {
    struct Case {
        int act, button;
        const char* caption;
        int box;
        int page;  // 0: locked
    } cases[] = {
        {1, 10, "Beach^Tunnels", 1, 1},   {1, 11, "Locked", 0, 0},           {1, 12, "Locked", 0, 0},
        {2, 11, "Village^Tunnels", 1, 2}, {2, 12, "Locked", 0, 0},           {3, 12, "Farmland^Tunnels", 1, 3},
        {4, 11, "Village^Tunnels", 1, 2}, {4, 12, "Farmland^Tunnels", 1, 3}, {3, 10, "Beach^Tunnels", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "act " << c.act << " button " << c.button);
        SetUp();
        current_act = c.act;
        tunnel_page = c.button == 10 ? 1 : 3;  // clicking the network shown reloads it too
        Run_Tunnel(16);
        Over(c.button);
        Run_Tunnel(16);
        EXPECT_EQ(Tip(), c.caption);
        EXPECT_EQ(counter[5].length, c.box);
        EXPECT_TRUE(msg_left);
        EXPECT_EQ(sprite[c.button].anim, 1);
        EXPECT_FALSE(radio_sfx);
        mouseleft = true;
        Run_Tunnel(16);
        EXPECT_TRUE(click_sfx);
        EXPECT_FALSE(mouseleft);
        EXPECT_EQ(next_scene, c.page != 0);
        EXPECT_EQ(tunnel_page, c.page != 0 ? c.page : (c.button == 10 ? 1 : 3));
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, 31);
        Off();
        next_scene = false;
        Run_Tunnel(16);
        EXPECT_EQ(sprite[c.button].anim, 0);
        TearDown();
    }
}

TEST_F(TunnelTest, NetworkButtonsWaitForTheirArmingFlag) {
    current_act = 4;
    for (int b : {10, 11, 12}) sprite[b].grab_switch = false;
    Run_Tunnel(16);
    for (int b : {10, 11, 12}) {
        Over(b);
        mouseleft = true;
        Run_Tunnel(16);
        EXPECT_EQ(Tip(), "") << b;
        EXPECT_TRUE(mouseleft);
        EXPECT_FALSE(next_scene);
        EXPECT_EQ(sprite[b].anim, 0);
    }
}

TEST_F(TunnelTest, NetworkPicturesUnlockByAct) {
    struct Case {
        int act, village, farmland;
    } cases[] = {{1, 20, 30}, {2, 22, 30}, {3, 22, 33}, {4, 22, 33}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.act);
        SetUp();
        current_act = c.act;
        sprite[11].id = 20;
        sprite[12].id = 30;
        Run_Tunnel(16);
        Run_Tunnel(16);  // once per entry
        EXPECT_EQ(sprite[11].id, c.village);
        EXPECT_EQ(sprite[12].id, c.farmland);
        EXPECT_EQ(stop_waves_sfx, 1);
        TearDown();
    }
}

TEST_F(TunnelTest, MissionMarkers) {
    struct Case {
        int main, state, flag;  // flag: story flag set to 1, -1 none
        int shown;              // marker sprite shown, -1 none
    } cases[] = {
        {4, 2, 14, 15}, {4, 2, -1, -1}, {4, 1, 14, -1}, {5, 2, 13, 16}, {6, 2, 13, 16},
        {6, 2, 41, -1}, {9, 2, 41, 16}, {9, 2, 13, -1}, {10, 2, -1, 17}, {10, 3, -1, -1},
        {3, 2, 14, -1}, {40, 2, 14, -1}, {-1, 2, 14, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "main " << c.main << " flag " << c.flag);
        SetUp();
        current_main = c.main;
        if (c.main >= 0 && c.main < 25) main_mission[c.main] = c.state;
        if (c.flag >= 0) global_objects[c.flag] = 1;
        Run_Tunnel(16);
        for (int m : {15, 16, 17}) EXPECT_EQ(sprite[m].alpha, m == c.shown ? 1.0f : 0.0f) << m;
        TearDown();
    }
}

TEST_F(TunnelTest, IdleCycleAnimatesOpenDestinationsAndDrips) {
    tunnel_page = 2;
    global_objects[40] = 1;  // Church, sprite 5
    global_objects[42] = 2;  // Palace: not open
    global_objects[14] = 1;  // the beach network is not shown
    for (int s : {5, 6, 7, 8}) sprite[s].base_anim = 2;
    Run_Tunnel(16);
    EXPECT_EQ(tunnel_sequence, 2);
    EXPECT_EQ(sprite[3].alpha, 0.0f);
    EXPECT_EQ(sprite[4].alpha, 0.0f);
    EXPECT_EQ(sprite[5].anim, 3);
    EXPECT_EQ(sprite[5].anim_state, 1);
    for (int s : {6, 7, 8}) EXPECT_EQ(sprite[s].anim, 0) << s;

    Advance_Ms(4000);
    Run_Tunnel(16);
    EXPECT_FALSE(drip_sfx);  // due only when the clock is past the due time
    Advance_Ms(1);
    Run_Tunnel(16);
    EXPECT_TRUE(drip_sfx);
    EXPECT_EQ(sprite[3].alpha, 1.0f);
    EXPECT_EQ(tunnel_sequence, 3);

    Advance_Ms(201);
    Run_Tunnel(16);
    EXPECT_EQ(tunnel_sequence, 1);
    sprite[5].anim = 0;
    Run_Tunnel(16);
    EXPECT_EQ(tunnel_sequence, 2);
    EXPECT_EQ(sprite[3].alpha, 0.0f);
    EXPECT_EQ(sprite[5].anim, 3);
}

TEST_F(TunnelTest, LampDimsTheMapAndStopsTheButtons) {
    global_objects[14] = 1;
    Run_Tunnel(16);
    Over(2);
    Run_Tunnel(16);
    EXPECT_EQ(hud[1].anim, 4);
    mouseleft = true;
    Run_Tunnel(16);
    EXPECT_FALSE(mouseleft);
    EXPECT_TRUE(lightswitch_sfx);
    EXPECT_TRUE(sprite[2].grab_switch);
    EXPECT_EQ(sprite[2].anim, 1);
    EXPECT_EQ(fade, 0.5f);

    // In the dark no destination reacts.
    Over(5);
    mouseleft = true;
    Run_Tunnel(16);
    EXPECT_FALSE(next_scene);
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(hud[1].anim, 0);

    Over(2);
    Run_Tunnel(16);
    EXPECT_FALSE(sprite[2].grab_switch);
    EXPECT_EQ(sprite[2].anim, 0);
    EXPECT_EQ(fade, 1.0f);
}

TEST_F(TunnelTest, LampIgnoredDuringAFade) {
    Run_Tunnel(16);
    fade = 0.8f;
    hud[1].anim = 2;
    Over(2);
    mouseleft = true;
    Run_Tunnel(16);
    EXPECT_TRUE(mouseleft);
    EXPECT_FALSE(lightswitch_sfx);
    EXPECT_EQ(fade, 0.8f);
    EXPECT_EQ(hud[1].anim, 2);
}

TEST_F(TunnelTest, NoButtonWhileASceneChangeIsPending) {
    global_objects[14] = 1;
    Run_Tunnel(16);
    next_scene = true;
    Over(5);
    mouseleft = true;
    Run_Tunnel(16);
    EXPECT_EQ(Tip(), "");
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(episode, 1);
}

} // namespace
