// Every scene the content generator writes loads without a single warning, and the boot
// scene comes up with its loading indicator.
#include "test_scene_fixture.h"

#include <cstdlib>
#include <regex>

#include "content/scene_loader.h"

namespace {

class Generated : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        const std::string generator = std::string(VARNOTH_BINARY_DIR) + "/tools/varnoth_content";
        if (!std::filesystem::exists(generator)) GTEST_SKIP() << "generator not built: " << generator;
        const std::string cmd = "'" + generator + "' . > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
};

} // namespace

TEST_F(Generated, BootSceneShowsItsLoadingIndicator) {
    ASSERT_TRUE(gl_);
    episode = 10;
    scene = 0;
    ASSERT_TRUE(LoadScene(10, 0, false)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    EXPECT_EQ(Level, -1);
    ASSERT_GE(no_sprites, 3);
    EXPECT_GT(sprite[2].alpha, 0.0f);
    EXPECT_GE(sprite[2].fx_id, 0);
    EXPECT_GT(numsubmtls, 0);
}

TEST_F(Generated, EveryGeneratedSceneLoadsWithoutWarning) {
    ASSERT_TRUE(gl_);
    const std::regex name(R"(scene/episode(\d+)/scene(\d+)\.dat)");
    std::vector<std::pair<int, int>> scenes;
    for (const auto& f : std::filesystem::recursive_directory_iterator("scene")) {
        std::smatch m;
        const std::string p = f.path().string();
        if (!std::regex_match(p, m, name)) continue;
        const int e = std::stoi(m[1]), s = std::stoi(m[2]);
        if (e == 0 && s == 3) continue; // the HUD layout
        scenes.push_back({e, s});
    }
    ASSERT_FALSE(scenes.empty());
    std::sort(scenes.begin(), scenes.end());
    bool first = true;
    for (auto [e, s] : scenes) {
        SCOPED_TRACE(testing::Message() << "episode " << e << " scene " << s);
        platform::ClearRecordedMessageBoxes();
        episode = e;
        scene = s;
        current_spawn = -1;
        EXPECT_TRUE(LoadScene(e, s, !first));
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        first = false;
    }
}
