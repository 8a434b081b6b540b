// The configuration file: defaults, clamps, damaged files and the write-read round trip.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/game_state.h"
#include "content/config.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

namespace {

class Config : public ::testing::Test {
protected:
    Work_Dir dir{"varnoth_cfg"};
    static void Write(const std::string& text) { Write_Text_File(CFG_PATH, text); }
    static std::string Read() { return Read_Text_File(CFG_PATH); }
};

struct Expected {
    const char* name;
    const char* file;
    float music, sfx;
    int width, height, bits;
    float ratio;
    int rate;
    bool full;
    int posx, posy;
    bool blur;
    int mode;
};

TEST_F(Config, FilesGiveTheirValues) {
    // Initial values at start-up: music 0.4, effects 0.3, 1024 x 768, 32 bits, ratio 0.75,
    // render rate 1, full screen, position 0, 0, no smoothing.
    const Expected cases[] = {
        {"complete", "0.700000\n0.200000\n1280\n800\n16\n0.625000\n5\n0\n30\n40\n1\n",
         0.7f, 0.2f, 1280, 800, 16, 0.625f, 5, false, 30, 40, true, 2},
        {"two lines", "0.100000\n0.900000\n", 0.1f, 0.9f, 1024, 768, 32, 0.75f, 1, true, 0, 0, false, 0},
        {"volumes out of range", "1.7\n-0.2\n1024\n768\n32\n0.75\n1\n1\n0\n0\n0\n",
         1.0f, 0.0f, 1024, 768, 32, 0.75f, 1, true, 0, 0, false, 0},
        {"negative window position", "0.5\n0.5\n1280\n768\n32\n0.6\n1\n0\n-8\n100\n0\n",
         0.5f, 0.5f, 1280, 768, 32, 0.6f, 1, false, 0, 0, false, 1},
        {"width zero keeps the stored ratio", "0.5\n0.5\n0\n768\n32\n0.5\n1\n1\n0\n0\n0\n",
         0.5f, 0.5f, 0, 768, 32, 0.5f, 1, true, 0, 0, false, 0},
        {"other size keeps the mode", "0.5\n0.5\n1280\n720\n32\n0.6\n1\n1\n0\n0\n0\n",
         0.5f, 0.5f, 1280, 720, 32, 0.5625f, 1, true, 0, 0, false, 0},
        {"garbled lines keep their values", "abc\n0.6\nwide\n800\n\n0.6\nx\n0\n5\ny\n7\n",
         0.4f, 0.6f, 1024, 800, 32, 0.78125f, 1, false, 5, 0, true, 0},
        {"empty file", "", 0.4f, 0.3f, 1024, 768, 32, 0.75f, 1, true, 0, 0, false, 0},
        {"volumes that are not numbers are silence", "nan\n-nan\n1024\n768\n32\n0.75\n1\n1\n0\n0\n0\n",
         0.0f, 0.0f, 1024, 768, 32, 0.75f, 1, true, 0, 0, false, 0},
        {"sizes are taken as they stand", "0.5\n0.5\n100000\n-5\n32\n0.75\n1\n1\n0\n0\n0\n",
         0.5f, 0.5f, 100000, -5, 32, -0.00005f, 1, true, 0, 0, false, 0},
    };
    for (const Expected& c : cases) {
        // the initial values of a fresh start
        music_volume = 0.4f; sfx_volume = 0.3f; sc_width = 1024; sc_height = 768; sc_bits = 32;
        sc_ratio = 0.75f; sc_render_rate = 1; fullscreen = true; saved_window_posX = 0;
        saved_window_posY = 0; sc_blur = false; screen_mode = 0;
        Write(c.file);
        LoadCFG();
        SCOPED_TRACE(c.name);
        EXPECT_FLOAT_EQ(music_volume, c.music);
        EXPECT_FLOAT_EQ(sfx_volume, c.sfx);
        EXPECT_EQ(sc_width, c.width);
        EXPECT_EQ(sc_height, c.height);
        EXPECT_EQ(new_sc_width, c.width);
        EXPECT_EQ(sc_bits, c.bits);
        EXPECT_FLOAT_EQ(sc_ratio, c.ratio);
        EXPECT_EQ(sc_render_rate, c.rate);
        EXPECT_EQ(fullscreen, c.full);
        EXPECT_EQ(saved_window_posX, c.posx);
        EXPECT_EQ(saved_window_posY, c.posy);
        EXPECT_EQ(sc_blur, c.blur);
        EXPECT_EQ(screen_mode, c.mode);
    }
}

TEST_F(Config, ScreenModesSetTheZoom) {
    struct Case { int w, h, mode; float zoom, ratio; };
    const Case cases[] = {{1024, 768, 0, 1.0f, 0.75f}, {1280, 768, 1, 1.2f, 0.6f}, {1280, 800, 2, 1.2f, 0.625f}};
    for (const Case& c : cases) {
        Write("0.5\n0.5\n" + std::to_string(c.w) + "\n" + std::to_string(c.h) + "\n32\n0\n1\n1\n0\n0\n1\n");
        LoadCFG();
        EXPECT_EQ(screen_mode, c.mode);
        EXPECT_FLOAT_EQ(org_zoom_factor, c.zoom);
        EXPECT_FLOAT_EQ(zoom_factor, c.zoom);
        EXPECT_FLOAT_EQ(sc_ratio, c.ratio);
    }
}

TEST_F(Config, FirstRunDefaults) {
    fs::remove(CFG_PATH);
    music_volume = 0.4f;
    sc_blur = false;
    LoadCFG();
    EXPECT_FLOAT_EQ(music_volume, 0.5f);
    EXPECT_FLOAT_EQ(sfx_volume, 0.5f);
    EXPECT_EQ(sc_bits, 32);
    EXPECT_EQ(sc_render_rate, 10);
    EXPECT_TRUE(sc_blur);
    EXPECT_TRUE(fullscreen);
    EXPECT_FALSE(fs::exists(CFG_PATH));  // the first save creates it

    struct Case { int h, v, w, hgt; };
    const Case desktops[] = {{1920, 1200, 1280, 800}, {1280, 1024, 1024, 768}, {1920, 1080, 1024, 768},
                             {1280, 768, 1280, 768}, {1600, 1200, 1024, 768}, {0, 0, 1024, 768}};
    for (const Case& d : desktops) {
        sc_width = 1024;
        sc_height = 768;
        Size_From_Desktop(d.h, d.v);
        EXPECT_EQ(sc_width, d.w) << d.h << "x" << d.v;
        EXPECT_EQ(sc_height, d.hgt) << d.h << "x" << d.v;
    }
}

TEST_F(Config, WriteThenReadRoundTrip) {
    music_volume = 0.25f; sfx_volume = 0.75f; new_sc_width = 1280; new_sc_height = 800;
    sc_width = 1024; sc_height = 768; sc_bits = 16; sc_ratio = 0.625f; sc_render_rate = 7;
    fullscreen = false; saved_window_posX = 12; saved_window_posY = 34; sc_blur = true;
    SaveCFG();
    // The chosen size is written and becomes the size of the next window.
    EXPECT_EQ(Read(), "0.250000\n0.750000\n1280\n800\n16\n0.625000\n7\n0\n12\n34\n1\n");
    EXPECT_EQ(sc_width, 1280);
    EXPECT_EQ(sc_height, 800);
    music_volume = 0; sfx_volume = 0; sc_width = 0; sc_bits = 0; fullscreen = true; sc_blur = false;
    LoadCFG();
    EXPECT_FLOAT_EQ(music_volume, 0.25f);
    EXPECT_FLOAT_EQ(sfx_volume, 0.75f);
    EXPECT_EQ(sc_width, 1280);
    EXPECT_EQ(sc_bits, 16);
    EXPECT_FALSE(fullscreen);
    EXPECT_EQ(saved_window_posX, 12);
    EXPECT_TRUE(sc_blur);
    EXPECT_FALSE(fs::exists(std::string(CFG_PATH) + ".tmp"));
}

TEST_F(Config, SaveCreatesTheFolderAndAFailedWriteKeepsTheOldFileAndSaysSo) {
    fs::remove_all("data");
    testing::internal::CaptureStderr();
    SaveCFG();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(fs::exists(CFG_PATH));
    const std::string before = Read();
    // A directory where the temporary file would go: it cannot be created.
    fs::create_directories(std::string(CFG_PATH) + ".tmp");
    music_volume = 0.9f;
    testing::internal::CaptureStderr();
    SaveCFG();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("could not be saved to data/save/varnoth.cfg"), std::string::npos) << err;
    EXPECT_EQ(Read(), before);
    // A directory in place of the file: the new file cannot take its place.
    fs::remove_all("data");
    fs::create_directories(CFG_PATH);
    testing::internal::CaptureStderr();
    SaveCFG();
    err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("could not be saved to data/save/varnoth.cfg"), std::string::npos) << err;
    EXPECT_TRUE(fs::is_directory(CFG_PATH));
    EXPECT_FALSE(fs::exists(std::string(CFG_PATH) + ".tmp"));
}

} // namespace
