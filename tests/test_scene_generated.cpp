// Every scene the content generator writes loads without a single warning, and the boot
// scene comes up with its loading indicator.
#include "test_scene_fixture.h"

#include <cstdlib>

#include "content/scene_loader.h"

namespace {

class Generated : public GeneratedSceneTest {};

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
    std::vector<std::pair<int, int>> scenes;
    for (const auto& f : std::filesystem::recursive_directory_iterator("scene")) {
        // scene/episode<E>/scene<S>.dat
        const std::string p = f.path().string();
        int e = 0, s = 0, used = 0;
        if (std::sscanf(p.c_str(), "scene/episode%d/scene%d.dat%n", &e, &s, &used) != 2 ||
            used != (int)p.size())
            continue;
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
