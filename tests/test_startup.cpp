// Start-up, the window and shutdown, run for real on the headless GL context.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

class Startup : public ::testing::Test {
protected:
    fs::path old_dir, dir;
    void SetUp() override {
        old_dir = fs::current_path();
        dir = fs::temp_directory_path() / ("varnoth_start_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::string cmd = std::string(VARNOTH_BINARY_DIR) + "/tools/varnoth_content " + dir.string() + " >/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        fs::current_path(dir);
        platform::SetRecordMessageBoxes(true, platform::IDYES);
    }
    void TearDown() override {
        fs::current_path(old_dir);
        fs::remove_all(dir);
    }
    static void Write_Cfg(const std::string& text) {
        fs::create_directories("data/save");
        std::ofstream("data/save/varnoth.cfg") << text;
    }
    static std::string Read_Cfg() {
        std::ifstream in("data/save/varnoth.cfg");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(Startup, RunsAndQuitsOnACloseRequestAfterItsDelay) {
    Write_Cfg("1.7\n0.5\n1280\n800\n24\n0.625\n10\n0\n20\n30\n1\n");
    // The close request waits in the queue; a loading frame serves it.
    platform::PostMessage(platform::MSG{platform::WM_CLOSE, 0, 0});
    auto start = std::chrono::steady_clock::now();
    int result = WinMain();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result, 0);
    EXPECT_GE(ms, 100);  // quits 100 ms after the request
    // The window opened in the configured mode: windowed, 1280 x 800.
    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(screen_mode, 2);
    EXPECT_FLOAT_EQ(org_zoom_factor, 1.2f);
    // Shutdown freed the records and wrote the configuration (the volume clamped when read).
    EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(Read_Cfg(), "1.000000\n0.500000\n1280\n800\n24\n0.625000\n10\n0\n20\n30\n1\n");
    EXPECT_TRUE(done);
}

TEST_F(Startup, WindowSetsProjectionAndZoomLayers) {
    Allocate_Records();
    new_sc_width = 1280;
    new_sc_height = 768;
    Set_Screen_Ratio();
    saved_window_posX = 0;
    saved_window_posY = 0;
    ASSERT_TRUE(CreateGLWindow("Varnoth", 1280, 768, 32, false));
    EXPECT_EQ(episode, 10);
    EXPECT_EQ(scene, 0);
    GLfloat m[16];
    ReSizeGLScene(1280, 768);
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[0], 1.0f / 1.2f, 1e-5);          // x: -zoom .. zoom
    EXPECT_NEAR(m[5], 1.0f / (1.2f * 0.6f), 1e-5); // y: -zoom*ratio .. zoom*ratio
    Zoom(101);
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[0], 1.0f, 1e-6);
    EXPECT_NEAR(m[5], 1.0f, 1e-6);
    Zoom(102);
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5], 1.0f / 0.75f, 1e-5);         // ignores sc_ratio
    Zoom(2.0f);
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5], 1.0f / (2.0f * 0.6f), 1e-5);
    GLint viewport[4];
    ReSizeGLScene(640, 0);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);                      // height 0 is taken as 1
    KillGLWindow();
    KillGLWindow();  // safe with every handle gone
    Free_Records();
}

TEST_F(Startup, OtherSizeKeepsTheScreenModeButSetsTheRatio) {
    new_sc_width = 1280;
    new_sc_height = 768;
    Set_Screen_Ratio();
    ASSERT_EQ(screen_mode, 1);
    new_sc_width = 1280;
    new_sc_height = 720;
    Set_Screen_Ratio();
    EXPECT_EQ(screen_mode, 1);
    EXPECT_FLOAT_EQ(sc_ratio, 0.5625f);
    EXPECT_FLOAT_EQ(zoom_factor, 1.2f);
}

} // namespace
