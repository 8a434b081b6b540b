// The generated content set loads through the readers without a single box: the boot scene
// with its loading indicator, the HUD layout, and the fixture scenes.
#include "test_content_util.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/dialogue_lines.h"
#include "content/scene_files.h"
#include "content/texture_list.h"
#include "content/tga_loader.h"
#include "content/writers/scene_kit.h"
#include "main/startup.h"
#include "support/fixture_scenes.h"
#include "support/generated_content.h"
#include "support/gl_context.h"

namespace {

class GeneratedContent : public ContentDir {
protected:
    void SetUp() override {
        ContentDir::SetUp();
        ASSERT_TRUE(Test_GL_Context(64, 64));
        Allocate_Records();
        ASSERT_TRUE(writers::Write_Core_Content("."));
        ASSERT_TRUE(test_fixtures::Write_Fixture_Scenes("."));
        numsubmtls = 0;
    }
    void TearDown() override {
        Free_Records();
        numsubmtls = 0;
        Close_Test_GL_Context();
        ContentDir::TearDown();
    }
    // Reads every file of a scene as the scene loader does; the HUD for every kind but norm.
    void LoadAll(int e, int s, bool first) {
        char base[64];
        std::snprintf(base, sizeof base, "scene/episode%i/scene%i", e, s);
        const sString b = Make_sString(base);
        ASSERT_TRUE(LoadGLTextures(b, !first));
        LoadPoints(b);
        LoadNodes(b);
        ASSERT_TRUE(LoadText(b));
        Load_BG(b);
        ASSERT_TRUE(Read_Object_File((std::string(base) + ".dat").c_str()));
        if (game_mode != 0) LoadHud("scene/episode0/scene3.dat");
    }
};

} // namespace

TEST_F(GeneratedContent, BootSceneAndLoadingIndicator) {
    LoadAll(10, 0, true);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front().caption << ": " << Boxes().front().text;
    EXPECT_EQ(game_mode, 2);
    ASSERT_GE(no_sprites, 3);
    const object& ind = sprite[2];
    ASSERT_TRUE(Kind_Is_Animated(texture_fx[ind.id]));
    EXPECT_EQ(ind.fx_id, animation_fx[ind.id]);
    const animation_texture& sheet = a_texture[ind.fx_id];
    ASSERT_GE(sheet.no_of_anims, 8);
    for (int a = 0; a < 8; ++a) {
        SCOPED_TRACE(a);
        ASSERT_GE(sheet.anim_frames[a], 1);
        // Each animation ends one segment further than the one before.
        EXPECT_EQ(sheet.anims[a][sheet.anim_frames[a] - 1], a + 1);
        EXPECT_LT(sheet.anims[a][sheet.anim_frames[a] - 1], sheet.frames);
    }
    // The backdrop (sprite 0) covers the widest view; every other sprite lies on the 4:3
    // screen of the boot page; each names a slot of the list.
    EXPECT_LE(sprite[0].x, -1.2f);
    EXPECT_GE(sprite[0].x + sprite[0].width, 1.2f);
    for (int i = 0; i < no_sprites; ++i) {
        EXPECT_LT(sprite[i].id, numsubmtls);
        if (i == 0) continue;
        EXPECT_GE(sprite[i].x, -1.0f);
        EXPECT_LE(sprite[i].x + sprite[i].width, 1.0f);
    }
}

TEST_F(GeneratedContent, HudLayoutHas75Items) {
    LoadAll(10, 0, true);
    ASSERT_TRUE(Boxes().empty());
    EXPECT_EQ(hud_no_sprites, 75);
    for (int i = 0; i < 75; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(hud[i].id, 0);
        EXPECT_LT(hud[i].id, writers::HUD_SLOT_COUNT);
        if (Kind_Is_Animated(texture_fx[hud[i].id])) {
            const animation_texture& t = a_texture[hud[i].fx_id];
            EXPECT_LT(hud[i].anim, t.no_of_anims);
        }
    }
    EXPECT_FLOAT_EQ(message_width, hud[2].width);
    // The HUD animations the gauges start exist on their sheets: faces up to 17, bars 14
    // and 15, rounds up to 19, the pointer every look the game gives it (0 to 9).
    EXPECT_GE(a_texture[hud[4].fx_id].no_of_anims, 18);
    EXPECT_GE(a_texture[hud[5].fx_id].no_of_anims, 16);
    EXPECT_GE(a_texture[hud[7].fx_id].no_of_anims, 20);
    EXPECT_GE(a_texture[hud[1].fx_id].no_of_anims, 10);
    // The second player type's face sheet replaces slot 4.
    EXPECT_TRUE(Change_Texture(Make_sString("Data/hud/faces1"), 4));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(GeneratedContent, FixtureScenesLoadInTurn) {
    current_char = 0;
    LoadAll(10, 0, true);
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        LoadAll(test_fixtures::FIXTURE_EPISODE, s, false);
        EXPECT_TRUE(Boxes().empty()) << Boxes().front().text;
    }
    // The last is the cut-scene; load the walk scene again and look at it.
    LoadAll(test_fixtures::FIXTURE_EPISODE, 0, false);
    EXPECT_EQ(game_mode, 3);
    EXPECT_EQ(MAP_WIDTH, 20);
    EXPECT_EQ(map_col[0], 7);               // the wall
    EXPECT_EQ(map_col[5 * 20 + 5], 9);      // the pond
    EXPECT_EQ(total_no_bottles, 1);
    EXPECT_EQ(no_points, 3);
    EXPECT_EQ(points[0].c1, 1);
    EXPECT_EQ(no_nodes, 3);
    EXPECT_GT(numsubmtls, 15);
    EXPECT_TRUE(Kind_Is_Animated(texture_fx[13]));
    EXPECT_TRUE(Kind_Is_Animated(texture_fx[15]));
    EXPECT_STREQ(hud_text_A[0].s, "Hold_this_line^soldier!");
    EXPECT_TRUE(Boxes().empty());
}

// Every image of the tree decodes with the loader its slots use.
TEST_F(GeneratedContent, EveryImageDecodes) {
    int count = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator("Data")) {
        if (e.path().extension() != ".tga") continue;
        SCOPED_TRACE(e.path().string());
        Texture a{}, b{};
        EXPECT_TRUE(LoadTGA(&a, e.path().c_str()));
        EXPECT_TRUE(sLoadTGA(&b, e.path().c_str()));
        delete[] a.imageData;
        delete[] b.imageData;
        ++count;
    }
    EXPECT_GT(count, 15);
    EXPECT_TRUE(Boxes().empty());
}

// The generator program wrote the whole tree, sounds included (the tree the test run
// generated once for every test that plays real scenes).
TEST_F(GeneratedContent, GeneratorWritesTheTree) {
    ASSERT_TRUE(std::filesystem::is_directory(Generated_Content_Dir())) << "no generated content";
    std::filesystem::create_symlink(Generated_Content_Dir(), "out");
    EXPECT_TRUE(std::filesystem::is_directory("out/data/save"));
    EXPECT_TRUE(std::filesystem::exists("out/scene/episode10/scene0.txd"));
    EXPECT_TRUE(std::filesystem::exists("out/scene/episode0/scene3.dat"));
    int wav = 0, ogg = 0;
    for (const auto& e : std::filesystem::directory_iterator("out/data/SFX")) {
        std::ifstream f(e.path(), std::ios::binary);
        char magic[4] = {};
        f.read(magic, 4);
        if (e.path().extension() == ".wav") {
            ++wav;
            EXPECT_EQ(std::string(magic, 4), "RIFF") << e.path();
        } else if (e.path().extension() == ".ogg") {
            ++ogg;
            EXPECT_EQ(std::string(magic, 4), "OggS") << e.path();
        }
    }
    for (const char* name : {"victory.wav", "KG60A.wav", "back_space.wav", "song1.ogg", "dungeon_danger.ogg",
                             "rain.ogg", "burn.wav", "snore.wav", "airplane.wav", "wind.wav", "tank_engine.ogg"})
        EXPECT_TRUE(std::filesystem::exists(std::string("out/data/SFX/") + name)) << name;
    EXPECT_EQ(ogg, 17 + 5);
    EXPECT_EQ(wav, 109 + 4);
}
