// Start-up, the window and shutdown, run for real on the headless GL context.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "audio/audio.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "main/frame_loop.h"
#include "main/sound_bank.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"
#include "support/generated_content.h"
#include "support/scoped_env.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

namespace {

class Startup : public ::testing::Test {
protected:
    Work_Dir dir{"varnoth_start"};
    void SetUp() override {
        // The game's own content, laid out in the folder the game starts in.
        ASSERT_EQ(Use_Generated_Content(), "");
        platform::SetRecordMessageBoxes(true, platform::IDYES);
    }
    static void Write_Cfg(const std::string& text) { Write_Text_File("data/save/varnoth.cfg", text); }
    static std::string Read_Cfg() { return Read_Text_File("data/save/varnoth.cfg"); }
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
    // The boot scene was loaded; its script asked for the title at once.
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 0);
    EXPECT_TRUE(next_scene);
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

namespace {

TEST_F(Startup, RefusedFullScreenModeContinuesWindowedAtTheSavedPosition) {
    Allocate_Records();
    platform::SetOfferedDisplayModes({{1024, 768}});
    saved_window_posX = 40;
    saved_window_posY = 30;
    new_sc_width = 1280;
    new_sc_height = 800;
    Set_Screen_Ratio();
    ASSERT_TRUE(CreateGLWindow("Varnoth", 1280, 800, 32, true));
    EXPECT_FALSE(fullscreen);
    ASSERT_EQ(platform::RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(platform::RecordedMessageBoxes()[0].caption, "Open GL");
    EXPECT_EQ(platform::RecordedMessageBoxes()[0].text,
              "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?");
    int x = 0, y = 0;
    platform::GetWindowPosition(x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 30);
    KillGLWindow();
    // Answered No: the program closes.
    platform::ClearRecordedMessageBoxes();
    platform::SetRecordMessageBoxes(true, platform::IDNO);
    EXPECT_FALSE(CreateGLWindow("Varnoth", 1280, 800, 32, true));
    ASSERT_EQ(platform::RecordedMessageBoxes().size(), 2u);
    EXPECT_EQ(platform::RecordedMessageBoxes()[1].text, "Program Will Now Close.");
    EXPECT_EQ(platform::RecordedMessageBoxes()[1].caption, "ERROR");
    Free_Records();
}

TEST_F(Startup, NoDisplayShowsBothBoxesAndLeavesTheConfigurationAlone) {
    Write_Cfg("0.5\n0.5\n1024\n768\n32\n0.75\n1\n0\n0\n0\n0\n");
    std::string before = Read_Cfg();
    Scoped_Env driver("SDL_VIDEODRIVER", "no-such-video-driver");
    EXPECT_EQ(WinMain(), 1);  // a failure for whoever started the game
    const auto& boxes = platform::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Couldn't create gl_window");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(Read_Cfg(), before);
}

// Files that once kept the game from starting again, or opened a window nobody could use: the
// game starts in a usable window and saves the size and mode it used. The desktop is
// 1920 x 1200, where a first run picks 1280 x 800.
TEST_F(Startup, NoConfigurationFileKeepsTheGameFromStarting) {
    struct Case {
        const char* name;
        const char* file;  // nullptr: none
        bool full_screen_offered;
        const char* saved;
    };
    const Case cases[] = {
        {"wider than the desktop", "0.5\n0.5\n100000\n768\n32\n0.75\n1\n0\n0\n0\n0\n", true,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n1\n0\n0\n0\n0\n"},
        {"width 0", "0.5\n0.5\n0\n768\n32\n0.6\n1\n0\n0\n0\n0\n", true,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n1\n0\n0\n0\n0\n"},
        {"negative width", "0.5\n0.5\n-1024\n768\n32\n0.75\n1\n0\n0\n0\n0\n", true,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n1\n0\n0\n0\n0\n"},
        {"cut off in the width line", "0.5\n0.5\n10", true,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n1\n1\n0\n0\n0\n"},
        {"below the smallest mode", "0.5\n0.5\n1024\n600\n32\n0.75\n1\n0\n0\n0\n0\n", true,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n1\n0\n0\n0\n0\n"},
        {"volumes that are not numbers", "nan\nnan\n1280\n768\n32\n0.6\n1\n0\n0\n0\n0\n", true,
         "0.000000\n0.000000\n1280\n768\n32\n0.600000\n1\n0\n0\n0\n0\n"},
        {"a usable file stays as it is", "0.250000\n0.750000\n1024\n768\n32\n0.750000\n1\n0\n5\n6\n1\n", true,
         "0.250000\n0.750000\n1024\n768\n32\n0.750000\n1\n0\n5\n6\n1\n"},
        {"no file, full screen refused, windowed chosen", nullptr, false,
         "0.500000\n0.500000\n1280\n800\n32\n0.625000\n10\n0\n0\n0\n1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset_Game_State();
        platform::SetRecordMessageBoxes(true, platform::IDYES);
        platform::SetDesktopResolution(1920, 1200);
        if (!c.full_screen_offered) platform::SetOfferedDisplayModes({{1024, 768}});
        fs::remove("data/save/varnoth.cfg");
        if (c.file) Write_Cfg(c.file);
        platform::PostMessage(platform::MSG{platform::WM_CLOSE, 0, 0});
        EXPECT_EQ(WinMain(), 0);
        for (const auto& box : platform::RecordedMessageBoxes()) EXPECT_NE(box.text, "Window Creation Error.");
        EXPECT_EQ(Read_Cfg(), c.saved);
    }
}

// Without a display SDL falls back to its offscreen driver, where the game would run unseen
// until killed; unless SDL_VIDEODRIVER asks for that driver, the game says so and fails.
TEST_F(Startup, WithoutADisplayTheGameSaysSoAndExitsWithAFailure) {
    const std::string cmd = "env -u SDL_VIDEODRIVER -u DISPLAY -u WAYLAND_DISPLAY timeout 120 " +
                            std::string(VARNOTH_BINARY_DIR) + "/varnoth 2>stderr.txt";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(WEXITSTATUS(status), 124) << "ran until the time limit";
    const std::string err = Read_Text_File("stderr.txt");
    EXPECT_NE(err.find("ERROR: Window Creation Error."), std::string::npos) << err;
    EXPECT_NE(err.find("Error: Couldn't create gl_window"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists("data/save/varnoth.cfg"));
}

TEST_F(Startup, NoAudioDeviceWarnsOnceAndTheGameGoesOnSilently) {
    // OpenAL reads its driver list once per process: the game runs in a new process of this
    // executable (the threadsafe death-test style starts one), where OpenAL has not started.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Scoped_Env audio_driver("ALSOFT_DRIVERS", "no-such-audio-driver");
    Write_Cfg("0.5\n0.5\n1024\n768\n32\n0.75\n1\n0\n0\n0\n0\n");
    EXPECT_EXIT(
        {
            platform::PostMessage(platform::MSG{platform::WM_CLOSE, 0, 0});
            const int result = WinMain();
            int audio_boxes = 0;
            for (const auto& b : platform::RecordedMessageBoxes())
                if (b.text == "Initialization of Audio Failed." && b.caption == "ERROR") audio_boxes++;
            std::fprintf(stderr, "result %i, audio boxes %i\n", result, audio_boxes);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "result 0, audio boxes 1");
}

TEST_F(Startup, SoundBankOpensEverySoundWithItsKindVolumeAndRepeat) {
    audio::UseRecordingDouble(true);
    sfx_volume = 0.25f;
    music_volume = 0.75f;
    Allocate_Records();
    Open_Sound_Bank();
    const auto& calls = audio::RecordedCalls();
    auto has = [&](const std::string& line) { return std::find(calls.begin(), calls.end(), line) != calls.end(); };
    int opens = 0;
    for (const auto& c : calls)
        if (c.size() > 5 && c.compare(c.size() - 5, 5, " open") == 0) opens++;
    EXPECT_EQ(opens, 122 + 26);
    EXPECT_TRUE(has("data/SFX/click.wav volume 0.25"));
    EXPECT_TRUE(has("data/SFX/song1.ogg volume 0.75"));
    EXPECT_TRUE(has("data/SFX/song1.ogg repeat 1"));
    EXPECT_TRUE(has("data/SFX/fanfare.ogg repeat 0"));
    EXPECT_TRUE(has("data/SFX/rain.ogg volume 0.25"));   // ambient loops use the effects volume
    EXPECT_TRUE(has("data/SFX/tank_engine.ogg repeat 0"));
    // The two groups of effects, then the streams: the last effect opened is the second group's.
    auto first_stream = std::find(calls.begin(), calls.end(), "data/SFX/song1.ogg open");
    auto last_group2 = std::find(calls.begin(), calls.end(), "data/SFX/drip.wav open");
    EXPECT_LT(last_group2 - calls.begin(), first_stream - calls.begin());
    // The kinds: a multi-voice effect keeps each play as its own voice.
    EXPECT_EQ(effect_table[0].kind, audio::SINGLE);
    int single = 0, multiple = 0;
    for (const Effect_Entry& e : effect_table) (e.kind == audio::SINGLE ? single : multiple)++;
    EXPECT_EQ(single, 66);
    EXPECT_EQ(multiple, 56);
    Release_Sound_Bank();
    Free_Records();
    audio::UseRecordingDouble(false);
}

} // namespace
