// The small services of a scene load: the camera on the player within the map, sale pickups
// by sale type, the wide-screen shift, and the fades, key frames and texts of a scene start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/camera_load.h"
#include "content/content_state.h"
#include "content/scene_hud.h"
#include "content/scene_reset.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

class LoadServices : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        platform::UseVirtualClock(true);
        TimerInit();
        MAP_WIDTH = MAP_HEIGHT = 100;
        map_startX = map_startY = 5.0f;
        std::memset(map_col, 0, sizeof(map_col));
        no_fx = 0;
        zoom_factor = 1.0f;
        sc_ratio = 0.75f;
    }
    void TearDown() override { Free_Records(); }

    // The sale pickup made at point 0 for `type`.
    static const object& Sale(int type) {
        points[0] = a_point{0.5f, 0.5f, 0, 0, 0, false, 0, 0, PICKUP_PNT, type, 0};
        no_fx = 0;
        Spawn_Sale_Pickup(0, type);
        EXPECT_EQ(no_fx, 1);
        return Fx[0];
    }
};

} // namespace

TEST_F(LoadServices, CameraOnThePlayerWithinTheMap) {
    // No player: nothing moves.
    p1_id = -1;
    camX = 0.3f;
    mouseX = 0.2f;
    Run_Camera();
    EXPECT_FLOAT_EQ(camX, 0.3f);
    EXPECT_FLOAT_EQ(mouseX, 0.2f);

    p1_id = 0;
    no_sprites = 1;
    object& p = sprite[0];
    p.width = 0.2f;
    p.x = 1.0f;
    p.y = -2.0f;
    camX = camY = 0.0f;
    mouseX = 0.1f;
    mouseY = 0.1f;
    Run_Camera();
    EXPECT_FLOAT_EQ(camX, -1.1f);
    EXPECT_FLOAT_EQ(camY, 2.0f);
    EXPECT_FLOAT_EQ(mouseX, 0.1f + 0.0f - camX); // moved by the change of camera

    // At the map's left edge the view stops at the edge.
    p.x = -map_startX;
    Run_Camera();
    EXPECT_FLOAT_EQ(camX, map_startX - zoom_factor);
    // At the bottom edge likewise (the lower clamp uses the full zoom times the ratio).
    p.x = 0.0f;
    p.y = -map_startY;
    Run_Camera();
    EXPECT_FLOAT_EQ(camY, map_startY - zoom_factor * sc_ratio / 1.2f);
    p.y = map_startY;
    Run_Camera();
    EXPECT_FLOAT_EQ(camY, -0.05f * MAP_HEIGHT + zoom_factor * sc_ratio);
}

TEST_F(LoadServices, SaleItemsByTypeAndWhatThePlayerOwns) {
    EXPECT_EQ(Sale(SALE_CLOTHES).item_type, 14);
    EXPECT_EQ(Sale(SALE_BOOTS).item_type, 17);
    const object& weapon = Sale(SALE_WEAPON);
    EXPECT_EQ(weapon.item_type, 5);
    EXPECT_EQ(weapon.value2, 6);
    EXPECT_EQ(Sale(SALE_BASIC).item_type, 9);
    EXPECT_EQ(Fx[0].type, 47);
    EXPECT_FLOAT_EQ(Fx[0].x, 0.5f);
    EXPECT_FLOAT_EQ(Fx[0].box_width, 0.05f);

    struct Manual {
        bool pistol, grenade;
        int value;
    } manuals[] = {{false, false, 1}, {true, false, 1}, {false, true, 3}};
    for (const Manual& m : manuals) {
        SCOPED_TRACE(testing::Message() << m.pistol << m.grenade);
        has_pistol = m.pistol;
        has_grenade = m.grenade;
        const object& e = Sale(SALE_MANUAL);
        EXPECT_EQ(e.item_type, 25);
        EXPECT_EQ(e.value, m.value);
        EXPECT_EQ(e.value1, m.value);
    }
    // Owning both, or owning water for the super manual, gives one of the special items.
    has_pistol = has_grenade = true;
    for (int k = 0; k < 20; ++k) {
        const int code = Sale(SALE_MANUAL).item_type;
        EXPECT_TRUE(code == 5 || code == 9 || code == 14 || code == 17) << code;
    }
    has_water = false;
    EXPECT_EQ(Sale(SALE_SUPERMANUAL).value1, 2);
    has_water = true;
    for (int k = 0; k < 20; ++k) {
        const int code = Sale(SALE_SUPERMANUAL).item_type;
        EXPECT_TRUE(code == 5 || code == 9 || code == 14 || code == 17) << code;
    }
    for (int k = 0; k < 20; ++k) {
        const int code = Sale(SALE_HEALTH).item_type;
        EXPECT_TRUE(code == 3 || code == 4) << code;
    }
    const object& none = Sale(42);
    EXPECT_EQ(none.item_type, 0);
    EXPECT_EQ(none.value, 0);
}

TEST_F(LoadServices, WideScreenShift) {
    auto xs = [] {
        std::vector<float> v;
        for (int i = 0; i < 40; ++i) v.push_back(sprite[i].x);
        return v;
    };
    auto moved = [&](const std::vector<float>& before) {
        std::vector<int> m;
        for (int i = 0; i < 40; ++i)
            if (sprite[i].x != before[i]) m.push_back(i);
        return m;
    };
    struct Case {
        int e, s;
        std::vector<int> objects;
    } cases[] = {{1, 25, {9, 10, 11, 13, 37}}, {1, 6, {}}, {0, 18, {4}}, {1, 7, {2}}, {1, 120, {1}},
                 {1, 111, {4}},               {1, 41, {10}}, {1, 15, {9}}, {2, 18, {}}, {1, 76, {7}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.e << "/" << c.s);
        episode = c.e;
        scene = c.s;
        const std::vector<float> before = xs();
        Run_skip_diff();
        EXPECT_EQ(moved(before), c.objects);
        for (int i : c.objects) EXPECT_FLOAT_EQ(sprite[i].x - before[i], 0.2f);
    }
}

TEST_F(LoadServices, SceneStartFadesKeyFramesAndTexts) {
    platform::AdvanceVirtualClock(100);
    game_mode = MODE_WALK;
    g_type = 4;
    fade_in = -5;
    fade_out = 3;
    fade = 0.7f;
    no_of_keyframes = 1;
    std::snprintf(hud_text_A[0].s, 256, "%s", "_");
    std::snprintf(hud_text_B[0].s, 256, "%s", "0123456789");
    cine_text[1].width = 0.02f;
    start_timer = 42;
    Setup_Scene_Start();
    EXPECT_EQ(fade, 0.0f);
    EXPECT_EQ(c_fade_in, 5);
    EXPECT_EQ(c_fade_out, 3);
    EXPECT_EQ(target_frame, 0);
    EXPECT_TRUE(start_text);
    EXPECT_EQ(start_timer, 42); // a first text of "_" does not move it
    EXPECT_NEAR(cine_text[1].x, -0.14f, 1e-6);
    EXPECT_FLOAT_EQ(counter[4].x, -0.24f);

    g_type = 7;
    no_of_keyframes = 3;
    fade_in = 0;
    Setup_Scene_Start();
    EXPECT_EQ(start_timer, 100);
    EXPECT_EQ(target_frame, 1);
    EXPECT_EQ(fade_timer, 110);

    std::snprintf(hud_text_A[0].s, 256, "%s", "Hi");
    game_mode = MODE_FRONT;
    camX = 3.0f;
    ply_speed = 0.1f;
    Setup_Scene_Start();
    EXPECT_EQ(start_timer, 100); // g_type 7 wins
    EXPECT_EQ(camX, 0.0f);
    EXPECT_EQ(counter[0].alpha, 0.0f);
    EXPECT_EQ(counter[5].alpha, 1.0f);
    EXPECT_FLOAT_EQ(ply_speed, 0.0003f);

    g_type = 4;
    Setup_Scene_Start();
    EXPECT_EQ(start_timer, 600);
}
