// The game as started: the boot scene hands over to the title, which plays to its end and
// loads the main menu, all through the real frame loop on the virtual clock, without a box.
#include "test_scene_fixture.h"

#include <cstdlib>

#include "audio/audio.h"
#include "common/scene_state.h"
#include "content/scene_loader.h"
#include "main/frame_loop.h"

namespace {

class Front_Flow : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        audio::UseRecordingDouble(true);
        Generate_Content();
    }
};

TEST_F(Front_Flow, BootGoesThroughTheTitleToTheMainMenu) {
    ASSERT_TRUE(gl_);
    // As the window code does: the boot scene is the first scene loaded.
    episode = 10;
    scene = 0;
    fade = 1.0f;
    ASSERT_TRUE(LoadScene(10, 0, false)) << Box_Texts();
    EXPECT_EQ(episode, 0);  // the boot scene asked for the title in its own load
    EXPECT_EQ(scene, 0);
    EXPECT_TRUE(next_scene);
    Start_Loop_Stamps();
    bool title_loaded = false, stamp_landed = false;
    int landing = -1, title_end = -1;
    int ms = 0;
    for (; ms < 120000; ms += 5) {
        Advance_Ms(5);
        Frame_Pass();
        ASSERT_FALSE(done);
        if (episode == 0 && scene == 0 && !next_scene && game_mode == MODE_CINE) {
            title_loaded = true;
            if (title_sequence >= 3 && !stamp_landed) {
                stamp_landed = true;
                landing = ms;
            }
        }
        // The title's last step asks for the main menu, which loads in the same tick.
        if (title_end < 0 && episode == 0 && scene == 1) title_end = ms;
        if (episode == 0 && scene == 1 && !next_scene && game_mode == MODE_FRONT && title_sequence >= 1) break;
    }
    EXPECT_TRUE(title_loaded);
    EXPECT_TRUE(stamp_landed);
    // After the landing: 500 ms, the bar's slide, three marks 400 ms apart, then 1000 ms.
    EXPECT_GE(title_end - landing, 500 + 400 * 3 + 1000);
    ASSERT_EQ(episode, 0);
    ASSERT_EQ(scene, 1);
    EXPECT_EQ(game_mode, MODE_FRONT);
    EXPECT_LT(ms, 120000);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    // The menu found its duck, logo and bullet holes where its script looks for them.
    EXPECT_EQ(duck_guy, 5);
    EXPECT_EQ(logo_sprite, 6);
    EXPECT_GE(no_sprites, 22);
    // The page plays on: the duck's act, the logo, the holes, the music.
    for (int k = 0; k < 1200; ++k) {
        Advance_Ms(5);
        Frame_Pass();
    }
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 1);
    EXPECT_FALSE(next_scene);
    EXPECT_GE(title_sequence, 6);
    EXPECT_FLOAT_EQ(sprite[0].alpha, 1.0f);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
