// A new game as a player plays it, through the real loop on the generated content: boot,
// title, menu, Start, an empty save slot, a typed name and a control choice, the opening
// intro (played through, and in a second run skipped), the intro page, the sleep page, the
// camp page's conversation, the briefing and the camp area with the player at the spawn
// point the briefing names. Input arrives as window messages; a click holds the button for
// several ticks. No message box may appear at any point.
#include "test_scene_fixture.h"

#include <utility>
#include <vector>

#include "audio/audio.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/window.h"

namespace {

constexpr int TICK_MS = 10;

class New_Game_Flow : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        audio::UseRecordingDouble(true);
        Generate_Content();
        platform::SetWndProc(WndProc);
        sc_width = 1024;
        sc_height = 768;
        Set_Screen_Ratio();
    }

    // One tick of the loop: the clock moves on, then one message or one frame is served.
    void Tick() {
        Advance_Ms(TICK_MS);
        Loop_Pass();
        ASSERT_FALSE(done) << "the game ended";
        const std::pair<int, int> here{episode, scene};
        if (!next_scene && (visited.empty() || visited.back() != here)) visited.push_back(here);
    }
    // Ticks until `ready` holds, at most `max_ms`; false when it never did.
    template <class Pred>
    bool Run_Until(Pred ready, int max_ms) {
        for (int ms = 0; ms < max_ms; ms += TICK_MS) {
            Tick();
            if (HasFatalFailure()) return false;
            if (ready()) return true;
        }
        return false;
    }
    void Run(int ms) {
        Run_Until([] { return false; }, ms);
    }
    bool On(int e, int s) const { return episode == e && scene == s && !next_scene; }
    bool Settle_On(int e, int s, int max_ms) {
        return Run_Until([&] { return On(e, s) && fade >= 1.0f; }, max_ms);
    }

    // Window pixels of a view position.
    static int64_t Pixels(float vx, float vy) {
        const int px = (int)((vx / zoom_factor + 1.0f) * sc_width / 2);
        const int py = (int)((1.0f - vy / (zoom_factor * sc_ratio)) * sc_height / 2);
        return platform::MakeLParam(px, py);
    }
    // Moves the mouse to the middle of sprite i's box and clicks it: the button is held for
    // several ticks, then released.
    void Click_Sprite(int i) {
        ASSERT_LT(i, no_sprites);
        const object& o = sprite[i];
        const float wx = o.w + o.box_width / 2, wy = o.z + o.box_height / 2;
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, Pixels(wx + camX, wy + camY)});
        Run(60);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, Pixels(wx + camX, wy + camY)});
        Run(60);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, Pixels(wx + camX, wy + camY)});
        Run(40);
    }
    void Type_Key(int vk) {
        platform::PostMessage(platform::MSG{platform::WM_KEYDOWN, (uint64_t)vk, 0});
        Run(40);
        platform::PostMessage(platform::MSG{platform::WM_KEYUP, (uint64_t)vk, 0});
        Run(40);
    }

    // Boot to the menu, Start, an empty slot opened, a name typed: the intro's first scene
    // is on. `mouse_only` picks the second control scheme on the name page.
    void Start_New_Game(bool mouse_only) {
        ASSERT_TRUE(gl_);
        episode = 10;
        scene = 0;
        fade = 1.0f;
        ASSERT_TRUE(LoadScene(10, 0, false)) << Box_Texts();
        Start_Loop_Stamps();
        ASSERT_TRUE(Run_Until([&] { return On(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached: " << episode << "/" << scene;
        ASSERT_TRUE(Boxes().empty()) << Box_Texts();

        Click_Sprite(22); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached";
        Click_Sprite(3);  // select the first slot
        EXPECT_EQ(file_selected, 3);
        Click_Sprite(3);  // and open it: empty, so the name page
        ASSERT_TRUE(Settle_On(0, 5, 5000)) << "name page not reached";
        EXPECT_EQ(current_file, 0);

        for (int vk : {'J', 'O', 'E'}) Type_Key(vk);
        EXPECT_STREQ(lvl_text, "joe");
        if (mouse_only) Click_Sprite(25);
        EXPECT_EQ(CONTROL_SCHEME, mouse_only);
        Click_Sprite(3); // Go!
        ASSERT_TRUE(Settle_On(1, 102, 5000)) << "intro not started: " << episode << "/" << scene;
        EXPECT_STREQ(player_name, "joe");
        ASSERT_TRUE(Boxes().empty()) << Box_Texts();
    }

    // From the intro page on: the sleep page, the camp page's conversation, the briefing
    // (1/118, or 1/139 for the mouse-only scheme) and the camp area at spawn 30.
    void Into_The_Camp(int briefing) {
        ASSERT_TRUE(Settle_On(0, 4, 20000)) << "intro page not reached";
        ASSERT_TRUE(Settle_On(1, 57, 15000)) << "sleep page not reached";
        ASSERT_TRUE(Settle_On(1, 5, 15000)) << "camp page not reached";
        EXPECT_EQ(hours, 22);
        ASSERT_TRUE(Settle_On(1, briefing, 60000)) << "briefing not reached: " << episode << "/" << scene;
        Run(700); // the button is armed after 500 ms
        Click_Sprite(1);
        // Checked in the tick that loads the scene, before the player can take a step.
        ASSERT_TRUE(Run_Until([&] { return On(2, 0); }, 10000)) << "camp area not reached: " << episode << "/" << scene;
        EXPECT_EQ(game_mode, MODE_WALK);
        ASSERT_NE(p1_id, -1);
        ASSERT_GT(no_points, 30);
        // The player's collision box stands centred on the spawn point.
        const object& p = sprite[p1_id];
        EXPECT_NEAR(p.w + p.box_width / 2, points[30].x, 0.01f);
        EXPECT_NEAR(p.z + p.box_height / 2, points[30].y, 0.01f);
        ASSERT_TRUE(Settle_On(2, 0, 5000));
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }

    std::vector<std::pair<int, int>> visited;
};

TEST_F(New_Game_Flow, IntroPlayedThroughLeadsIntoTheCamp) {
    Start_New_Game(false);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Settle_On(0, 4, 120000)) << "intro did not end: " << episode << "/" << scene;
    const std::vector<std::pair<int, int>> intro = {{1, 102}, {1, 103}, {1, 104}, {1, 105},
                                                    {1, 106}, {1, 107}, {1, 108}, {1, 109}, {0, 4}};
    std::vector<std::pair<int, int>> seen(visited.end() - (std::ptrdiff_t)std::min(visited.size(), intro.size()),
                                          visited.end());
    EXPECT_EQ(seen, intro);
    Into_The_Camp(118);
}

TEST_F(New_Game_Flow, SkippedIntroLeadsIntoTheCampWithTheMouseOnlyBriefing) {
    Start_New_Game(true);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Settle_On(1, 103, 10000));
    Click_Sprite(2); // Skip^Intro
    ASSERT_TRUE(Settle_On(0, 4, 5000)) << "skip did not reach the intro page";
    EXPECT_EQ(visited.back(), std::make_pair(0, 4));
    EXPECT_EQ(visited[visited.size() - 2], std::make_pair(1, 103));
    Into_The_Camp(139);
}

} // namespace
