// The act-1 camp as generated, played through the real frame loop on the virtual clock: the
// player stands at the spawn point he was sent to and walks under either control scheme,
// and the pages a walk scene leads to (pause, perk page, death page) open and lead back.
// No message box at any point.
#include "test_scene_fixture.h"

#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "audio/audio.h"
#include "combat/combat.h"
#include "combat/damage.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "content/content_inputs.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/window.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/collision.h"

namespace {

constexpr int kSpawn = 30;

class Walk_Camp : public SceneTest {
protected:
    // The content is generated once for the whole suite; each test gets its own folder with
    // the scene files copied (scenes write snapshots there) and the rest linked.
    static void SetUpTestSuite() {
        const std::string generator = std::string(VARNOTH_BINARY_DIR) + "/tools/varnoth_content";
        if (!std::filesystem::exists(generator)) return;
        char tmpl[] = "/tmp/varnoth_walk_content_XXXXXX";
        if (mkdtemp(tmpl) == nullptr) return;
        content_ = tmpl;
        const std::string cmd = "'" + generator + "' '" + content_ + "' > /dev/null";
        if (std::system(cmd.c_str()) != 0) content_.clear();
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        if (!content_.empty()) std::filesystem::remove_all(content_, ec);
    }
    static std::string content_;

    void SetUp() override {
        SceneTest::SetUp();
        audio::UseRecordingDouble(true);
        if (content_.empty()) GTEST_SKIP() << "generator not built or failed";
        namespace fs = std::filesystem;
        fs::create_directories("data");
        fs::create_symlink(content_ + "/Data", "Data");
        fs::create_symlink(content_ + "/data/SFX", "data/SFX");
        fs::copy(content_ + "/data/save", "data/save", fs::copy_options::recursive);
        fs::copy(content_ + "/scene", "scene", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        // A screen-sized context, so that the pointer and the view are those of a real window.
        Close_Test_GL_Context();
        gl_ = Test_GL_Context(kW, kH);
        platform::SetWndProc(WndProc);
        sc_width = kW;
        sc_height = kH;
        InitGL();
        ReSizeGLScene(kW, kH);
    }

    static constexpr int kW = 1024, kH = 768;

    // Enters the camp as a briefing does after a new game: episode 2 scene 0 at a spawn point.
    void Enter_Camp(int spawn) {
        Init_Player();
        Start_Game();
        episode = 2;
        scene = 0;
        current_spawn = spawn;
        fade = 1.0f;
        ASSERT_TRUE(LoadScene(2, 0, false)) << Box_Texts();
        Start_Loop_Stamps();
        Run_Until([] { return fade >= 1.0f; }, 3000);
    }

    // Runs the loop 5 ms at a time (its passes take the waiting messages, then draw) until
    // done() holds or ms have passed; false on time-out.
    static bool Run_Until(const std::function<bool()>& done, int ms) {
        for (int t = 0; t < ms; t += 5) {
            Advance_Ms(5);
            for (int k = 0; k < 3; ++k) Loop_Pass();
            if (::done) return false;
            if (done()) return true;
        }
        return false;
    }
    static void Run(int ms) { Run_Until([] { return false; }, ms); }
    static void Key(int vk, bool down) {
        platform::PostMessage(platform::MSG{down ? platform::WM_KEYDOWN : platform::WM_KEYUP, (uint64_t)vk, 0});
    }
    // A key pressed and held for a few frames, then let go.
    static void Tap(int vk) {
        Key(vk, true);
        Run(40);
        Key(vk, false);
        Run(10);
    }
    static void Pointer(int px, int py) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(px, py)});
    }
    static void Click(int px, int py) {
        Pointer(px, py);
        Run(20);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, platform::MakeLParam(px, py)});
        Run(40); // held over a few ticks: a button-up in the same tick would clear it
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, platform::MakeLParam(px, py)});
        Run(10);
    }
    // The pixel of a view position on a front page (the view is 2 x 1.5 units, y up).
    static int View_X(float x) { return (int)((x + 1.0f) / 2.0f * kW); }
    static int View_Y(float y) { return (int)((0.75f - y) / 1.5f * kH); }
    static float PX() { return sprite[p1_id].w + sprite[p1_id].box_width / 2; }
    static float PY() { return sprite[p1_id].z + sprite[p1_id].box_height / 2; }
    static bool In(int e, int s) { return episode == e && scene == s && !next_scene; }
    // Pages are written by the generator as they come; a test of one that is not there yet
    // skips rather than fail on its missing files.
    static bool Written(int e, int s) {
        return std::filesystem::exists("scene/episode" + std::to_string(e) + "/scene" + std::to_string(s) + ".dat");
    }

    // With VARNOTH_SHOT_DIR set, the frame as drawn goes to <dir>/<name>.tga.
    static void Shot(const char* name) {
        const char* dir = std::getenv("VARNOTH_SHOT_DIR");
        if (!dir) return;
        render_sequence = 0; // both drawing steps of one frame, then read before any swap
        DrawGLScene(false);
        DrawGLScene(false);
        glFinish();
        const std::vector<uint8_t> px = Read_Test_Pixels(0, 0, kW, kH);
        writers::Image img(kW, kH);
        for (int y = 0; y < kH; ++y) // the pixels come bottom row first, the image is top first
            for (int x = 0; x < kW; ++x) {
                const uint8_t* p = &px[((size_t)y * kW + x) * 4];
                img.at(x, kH - 1 - y) = writers::Rgba{p[0], p[1], p[2], 255};
            }
        writers::Write_TGA(std::string(dir) + "/" + name + ".tga", img);
    }
};

std::string Walk_Camp::content_;

TEST_F(Walk_Camp, ThePlayerStandsAtTheSpawnAndWalksUnderEitherScheme) {
    ASSERT_TRUE(gl_);
    struct Scheme {
        const char* name;
        bool mouse_only;
    };
    for (const Scheme& s : {Scheme{"mouse and keyboard", false}, Scheme{"mouse only", true}}) {
        SCOPED_TRACE(s.name);
        CONTROL_SCHEME = s.mouse_only;
        Enter_Camp(kSpawn);
        ASSERT_NE(p1_id, -1);
        EXPECT_EQ(game_mode, MODE_WALK);
        EXPECT_EQ(Level, level_code::LVL_BASE);
        EXPECT_NEAR(PX(), points[kSpawn].x, 0.06f);
        EXPECT_NEAR(PY(), points[kSpawn].y, 0.06f);
        // The player stands on open ground of the camp's tile set, not in a wall.
        const int cell = Get_Tile_Index(PX(), PY());
        EXPECT_EQ(map_col[cell], COL_FOOTPRINT); // his own centre mark on a free cell
        EXPECT_FALSE(tiles[cell] >= 32 && tiles[cell] <= 287) << tiles[cell];
        Shot(s.mouse_only ? "camp_spawn_mouse" : "camp_spawn");

        // Walk toward a point above the player (the top of the screen is north).
        const float x0 = PX(), y0 = PY();
        if (s.mouse_only) {
            Click(kW / 2, kH / 2 - 150);
        } else {
            Pointer(kW / 2, kH / 2 - 200);
            Run(20);
            Key('W', true);
        }
        Run(1500);
        if (!s.mouse_only) Key('W', false);
        Run(300);
        EXPECT_GT(PY() - y0, 0.15f) << "the player did not walk north";
        EXPECT_LT(std::fabs(PX() - x0), 0.15f);
        Shot(s.mouse_only ? "camp_walked_mouse" : "camp_walked");
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

TEST_F(Walk_Camp, EscapeOpensThePausePageAndLeadsBack) {
    if (!Written(1, 53)) GTEST_SKIP() << "the pause page is not generated yet";
    Enter_Camp(kSpawn);
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Run_Until([] { return In(1, 53); }, 3000)) << Box_Texts();
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 0);
    Run(1500);
    Click(View_X(0.35f), View_Y(-0.13f)); // "Return^to_game"
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    EXPECT_NE(p1_id, -1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ALevelUpOpensThePerkPageAndTabLeadsBack) {
    if (!Written(1, 141)) GTEST_SKIP() << "the perk page is not generated yet";
    Enter_Camp(kSpawn);
    const float x0 = PX(), y0 = PY();
    const int points_before = level_up_points;
    Calculate_Exp(p1_id, 100000);
    EXPECT_GT(level_up_points, points_before) << "dead " << ply_dead << " score " << sprite[p1_id].score << " exp " << player_experience << "/" << player_exp_level;
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(1, 141); }, 3000)) << Box_Texts();
    Run(1000);
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(PX(), x0, 0.06f); // back where he stood
    EXPECT_NEAR(PY(), y0, 0.06f);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ADeathShowsTheDeathPageAndThePlayerRevives) {
    if (!Written(0, 8)) GTEST_SKIP() << "the death page is not generated yet";
    Enter_Camp(kSpawn);
    sprite[p1_id].score = 1;
    Man_Shot(0, p1_id, 749, 0, 5);
    EXPECT_TRUE(ply_dead);
    ASSERT_TRUE(Run_Until([] { return In(0, 8); }, 15000)) << Box_Texts();
    EXPECT_EQ(game_mode, MODE_FRONT);
    Run(2000);
    EXPECT_GE(title_sequence, 1); // the page plays
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    // At its end (or on Skip) the soldier is revived at full health and sent to his tent
    // 1/25, and from there he walks out into the camp.
    ASSERT_TRUE(Run_Until([] { return In(1, 25); }, 20000))
        << "the death page did not end; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(ply_had_died);
    EXPECT_GT(PLY_VITALITY, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    ASSERT_TRUE(Run_Until([] { return fade >= 1.0f; }, 3000));
    Click(View_X(sprite[13].w + sprite[13].box_width / 2), View_Y(sprite[13].z + sprite[13].box_height / 2));
    ASSERT_TRUE(Run_Until([] { return game_mode == MODE_WALK && !ply_dead && p1_id != -1; }, 30000))
        << "no way back into the game; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(In(2, 0));
    EXPECT_EQ(current_spawn, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
