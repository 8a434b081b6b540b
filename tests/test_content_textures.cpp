// The texture list: name substitutions, animation definitions, loading and uploading every
// slot, replacing one slot, and the refusals of malformed lists and definitions.
#include "test_content_util.h"

#include <GL/gl.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/texture_list.h"
#include "content/writers/scene_writers.h"
#include "content/writers/tga_writer.h"
#include "main/startup.h"
#include "support/gl_context.h"
#include "world/world_clock.h"

namespace {

sString S(const std::string& s) { return Make_sString(s.c_str()); }

// The story state the substitutions read, back to a plain start.
void ResetStory() {
    current_char = 0;
    current_act = 1;
    daytime = false;
    stats_episode = 0;
    stats_scene = 0;
    card_selected = 0;
    tunnel_page = 1;
    medal_page = 1;
    Level = 0;
    std::memset(global_objects, 0, sizeof(global_objects));
    std::memset(global_cards, 0, sizeof(global_cards));
}

struct Sub {
    const char* name;
    const char* expect;
    int ch = 0, act = 1;
    bool night = false;
    int se = 0, ss = 0;
    int flag_index = -1, flag = 0;
    int level = 0, card = 0, card_count = 0, tunnel = 1, medal = 1;
};

} // namespace

TEST(TextureNames, Substitutions) {
    const Sub cases[] = {
        {"Data/gallery/bg_warp", "Data/gallery/bg_beachN", 0, 1, true, 3, 3},
        {"Data/gallery/bg_warp", "Data/gallery/bg_beach", 0, 1, false, 3, 3},
        {"Data/gallery/bg_warp", "Data/gallery/bg_warp", 0, 1, false, 3, 10},
        {"Data/gallery/bg_warp", "Data/gallery/fortress_bg", 0, 1, false, 3, 27},
        {"Data/gallery/bg_warp", "Data/gallery/bunker_bg", 0, 1, false, 3, 37},
        {"Data/gallery/bg_warp", "Data/gallery/tunnel_bg3", 0, 1, false, 3, 25},
        {"Data/gallery/bg_warp", "Data/gallery/bg_farms1N", 0, 1, true, 2, 9},
        {"Data/gallery/bg_warp", "Data/gallery/bg_warp", 0, 1, false, 2, 3},
        {"Data/chars/green_gunner1", "Data/chars/green_gunner_case", 1, 1, false, 0, 0, 60, 0},
        {"Data/chars/green_gunner1", "Data/chars/green_trench1", 1, 1, false, 0, 0, 60, 1},
        {"Data/chars/green_gunner1", "Data/chars/green_gunner1", 0, 1, false, 0, 0, 60, 1},
        {"Data/chars/green_gunner1", "Data/chars/green_gunner_case", 0, 1, false, 0, 0, 60, 2},
        {"Data/chars/green_gunner", "Data/chars/green_trench", 1},
        {"Data/chars/green_gunner", "Data/chars/green_gunner", 2},
        {"Data/chars/green_gunnerW", "Data/chars/green_trenchW", 1},
        {"Data/hud/faces", "Data/hud/faces2", 1},
        {"Data/hud/faces", "Data/hud/faces3", 2},
        {"Data/hud/faces", "Data/hud/faces", 0},
        {"Data/front/back_head", "Data/front/back_head3", 2},
        {"Data/front/char2", "Data/front/char4", 0, 1, false, 0, 0, 58, 0},
        {"Data/front/char2", "Data/front/char2", 0, 1, false, 0, 0, 58, 1},
        {"Data/front/char3", "Data/front/char5", 0, 1, false, 0, 0, 59, 0},
        {"Data/chars/casino", "Data/chars/sniper", 2},
        {"Data/chars/mud", "Data/chars/mud1", 1},
        {"Data/level10/cave_fx0", "Data/level10/cave_fx2", 0, 1, false, 0, 0, 27, 1, 36},
        {"Data/level10/cave_fx0", "Data/level10/cave_fx1", 0, 1, false, 0, 0, 27, 1, 15},
        {"Data/level10/cave_fx0", "Data/level10/cave_fx0", 0, 1, false, 0, 0, 27, 0, 37},
        {"Data/level10/cave_fx0", "Data/level10/cave_fx0", 0, 1, false, 0, 0, 27, 1, 14},
        {"Data/level11/church_fx1", "Data/level11/church_fx2", 0, 1, false, 0, 0, 33, 1},
        {"Data/chars/falling1", "Data/chars/falling3", 2},
        {"Data/gallery/pillow", "Data/gallery/pillow1", 1},
        {"Data/gallery/pistol", "Data/gallery/pistol", 2},
        {"Data/chars/tnt", "Data/chars/tnt2", 2},
        {"Data/gallery/news_recruit", "Data/gallery/news_recruit2", 0, 3},
        {"Data/chars/dead", "Data/chars/dead2", 2},
        {"Data/cards/card", "Data/cards/card", 0, 1, false, 0, 0, -1, 0, 0, 5, 0},
        {"Data/cards/card", "Data/cards/card5", 0, 1, false, 0, 0, -1, 0, 0, 5, 2},
        {"Data/cards/card", "Data/cards/card36", 0, 1, false, 0, 0, -1, 0, 0, 36, 1},
        {"Data/cards/card", "Data/cards/card", 0, 1, false, 0, 0, -1, 0, 0, 37, 1},
        {"Data/gallery/sarge_hq", "Data/gallery/sarge_hqN", 0, 1, true},
        {"Data/gallery/jack_bg", "Data/gallery/jack_bg", 0, 1, false},
        {"Data/gallery/tent_bg", "Data/gallery/tent_bgD", 0, 2, false},
        {"Data/gallery/tent_bg", "Data/gallery/tent_bgN", 0, 2, true},
        {"Data/gallery/tent_bg", "Data/gallery/tent_bg3", 0, 3, true},
        {"Data/gallery/tent_bg", "Data/gallery/tent_bg", 0, 1},
        {"Data/gallery/tent_bg", "Data/gallery/tent_bg", 0, 4},
        {"Data/gallery/tents2", "Data/gallery/tents1", 0, 2},
        {"Data/chars/dogman", "Data/chars/dogmanD", 0, 2},
        {"Data/chars/wages", "Data/chars/battleship", 0, 2},
        {"Data/gallery/tune_tent", "Data/gallery/tune_tent3", 0, 3},
        {"Data/gallery/tent_hqD", "Data/gallery/tent_hqN", 0, 1, true},
        {"Data/gallery/tent_hq", "Data/gallery/tent_hq3", 0, 3},
        {"Data/gallery/tunnel_bg", "Data/gallery/tunnel_bg1", 0, 1, false, 0, 0, -1, 0, 0, 0, 0, 2},
        {"Data/gallery/tunnel_bg", "Data/gallery/tunnel_bg3", 0, 1, false, 0, 0, -1, 0, 0, 0, 0, 3},
        {"Data/front/cloth", "Data/front/cloth3", 0, 1, false, 0, 0, -1, 0, 0, 0, 0, 1, 3},
        {"data/hud/faces", "data/hud/faces", 1},
        {"Data/hud/faces ", "Data/hud/faces ", 1},
    };
    for (const Sub& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " -> " << c.expect);
        ResetStory();
        current_char = c.ch;
        current_act = c.act;
        daytime = c.night;
        stats_episode = c.se;
        stats_scene = c.ss;
        if (c.flag_index >= 0) global_objects[c.flag_index] = (char)c.flag;
        Level = c.level;
        card_selected = c.card;
        if (c.card >= 1 && c.card <= 48) global_cards[c.card - 1] = c.card_count;
        tunnel_page = c.tunnel;
        medal_page = c.medal;
        if (c.flag_index != 60) global_objects[60] = 1;
        EXPECT_EQ(Swap_Texture_Name(c.name), c.expect);
    }
    ResetStory();
}

namespace {

class TextureList : public ContentDir {
protected:
    void SetUp() override {
        ContentDir::SetUp();
        ASSERT_TRUE(Test_GL_Context(64, 64));
        Allocate_Records();
        ResetStory();
        global_objects[60] = 1;
        sc_blur = false;
        numsubmtls = 0;
        g_fx_id = 0;
    }
    void TearDown() override {
        Free_Records();
        numsubmtls = 0;
        Close_Test_GL_Context();
        ContentDir::TearDown();
    }

    // A small keyed sheet image: magenta background, one coloured pixel.
    static void Image(const std::string& name, writers::Rgba colour, bool rle = true, int bpp = 32) {
        writers::Image img(4, 2, writers::Rgba{255, 0, 255, 255});
        img.at(1, 0) = colour;
        std::filesystem::create_directories(std::filesystem::path(name).parent_path());
        ASSERT_TRUE(writers::Write_TGA(name + ".tga", img, writers::TgaOptions{rle, bpp}));
    }
    static void Anim(const std::string& name, int frames, std::vector<std::vector<int>> anims) {
        writers::AnimDef d;
        d.width = 0.25f;
        d.height = 0.5f;
        d.column = 1;
        d.frames = frames;
        d.anims = std::move(anims);
        ASSERT_TRUE(writers::Write_Anim_Def(name + ".dat", d));
    }
    static std::vector<uint8_t> TexPixels(unsigned int name, int w, int h) {
        std::vector<uint8_t> px((size_t)w * h * 4);
        glBindTexture(GL_TEXTURE_2D, name);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
        return px;
    }
    static GLint Filter(unsigned int name, GLenum which) {
        GLint v = 0;
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexParameteriv(GL_TEXTURE_2D, which, &v);
        return v;
    }
};

} // namespace

// The animation definition of the example: column before frames, then the counts, delays and frames.
TEST_F(TextureList, AnimationDefinition) {
    WriteText("d.dat", "0.25\n0.5\n2\n8\n2\n0\n3\n2\n10\n20\n30\n40\n50\n60\n70\n80\n0\n1\n2\n4\n5\n");
    a_texture[0].cur = 7;
    EXPECT_EQ(LoadAnim(S("d"), 6, -1), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(g_fx_id, 1);
    const animation_texture& t = a_texture[0];
    EXPECT_FLOAT_EQ(t.width, 0.25f);
    EXPECT_FLOAT_EQ(t.height, 0.5f);
    EXPECT_EQ(t.column, 2);
    EXPECT_EQ(t.frames, 8);
    EXPECT_EQ(t.no_of_anims, 2);
    EXPECT_FALSE(t.rythm);
    EXPECT_EQ(t.id, 6);
    EXPECT_EQ(t.anim_frames[0], 3);
    EXPECT_EQ(t.anim_frames[1], 2);
    EXPECT_EQ(t.delay[7], 80);
    EXPECT_EQ(t.anims[0][2], 2);
    EXPECT_EQ(t.anims[1][0], 4);
    EXPECT_EQ(t.anims[1][1], 5);
    EXPECT_EQ(t.cur, 7);
    // A given sheet is overwritten and returned; g_fx_id stays.
    EXPECT_EQ(LoadAnim(S("d"), 9, 4), 4);
    EXPECT_EQ(a_texture[4].id, 9);
    EXPECT_EQ(g_fx_id, 1);
}

// Malformed definitions: the box, the sheet taken and bound to the slot, its values untouched.
TEST_F(TextureList, AnimationDefinitionRefusals) {
    const std::string head = "0.25 0.5 1 2 1 0 ";
    struct Case {
        const char* what;
        std::string text; // empty: no file
    } cases[] = {
        {"missing", ""},
        {"151 animations", "0.25 0.5 1 2 151 0"},
        {"151 frames", "0.25 0.5 1 151 1 0"},
        {"column 0", "0.25 0.5 0 2 1 0 1 10 10 0"},
        {"more rows than frames", "0.25 0.5 4 2 1 0 1 10 10 0"},
        {"151 steps", head + "151 10 10"},
        {"frame number 150", head + "1 10 10 150"},
        {"negative frame number", head + "1 10 10 -1"},
        {"ends in the delays", head + "1 10"},
        {"ends in the frames", head + "2 10 10 0"},
        {"word for a number", head + "1 10 ten 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::memset(&a_texture[3], 0, sizeof(a_texture[3]));
        a_texture[3].frames = 77;
        a_texture[3].anims[0][0] = 66;
        g_fx_id = 3;
        std::filesystem::remove("d.dat");
        if (!c.text.empty()) WriteText("d.dat", c.text);
        platform::ClearRecordedMessageBoxes();
        EXPECT_EQ(LoadAnim(S("d"), 5, -1), 3);
        EXPECT_EQ(g_fx_id, 4);
        EXPECT_EQ(OnlyBox().text, "Couldn't load texture.dat");
        EXPECT_EQ(OnlyBox().caption, "ERROR");
        EXPECT_EQ(a_texture[3].id, 5);
        EXPECT_EQ(a_texture[3].frames, 77);
        EXPECT_EQ(a_texture[3].anims[0][0], 66);
    }
    // With every sheet taken nothing is written, and -1 says so.
    g_fx_id = 50;
    std::memset(&a_texture[49], 0, sizeof(a_texture[49]));
    Anim("d", 2, {{0, 1}});
    platform::ClearRecordedMessageBoxes();
    EXPECT_EQ(LoadAnim(S("d"), 5, -1), -1);
    EXPECT_EQ(g_fx_id, 50);
    EXPECT_EQ(OnlyBox().text, "Couldn't load texture.dat");
    EXPECT_EQ(a_texture[49].id, 0);
    EXPECT_EQ(LoadAnim(S("d"), 5, 50), -1);
}

// "Data/chars/dead" for character 2: the keyed image and definition of "Data/chars/dead2".
TEST_F(TextureList, ListLoadsSubstitutedSlot) {
    current_char = 2;
    Image("Data/chars/dead2", writers::Rgba{10, 20, 30, 99});
    Anim("Data/chars/dead2", 8, {{0, 1, 2}});
    ASSERT_TRUE(writers::Write_Texture_List("s.txd", {{3, "Data/chars/dead"}}));
    ASSERT_TRUE(LoadGLTextures(S("s"), false));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(numsubmtls, 1);
    EXPECT_EQ(texture_fx[0], 3);
    EXPECT_EQ(animation_fx[0], 0);
    EXPECT_EQ(g_fx_id, 1);
    EXPECT_EQ(a_texture[0].frames, 8);
    EXPECT_EQ(a_texture[0].id, 0);
    ASSERT_NE(texID[0], 0u);
    std::vector<uint8_t> px = TexPixels(texID[0], 4, 2);
    EXPECT_EQ(std::vector<uint8_t>(px.begin(), px.begin() + 8), (std::vector<uint8_t>{0, 0, 0, 0, 10, 20, 30, 255}));
    EXPECT_EQ(Filter(texID[0], GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(Filter(texID[0], GL_TEXTURE_MAG_FILTER), GL_NEAREST);
}

// Sheets go to animated slots in slot order; plain, keyed 24-bit and odd-width images upload.
TEST_F(TextureList, SlotsKindsAndFilters) {
    Image("Data/a", writers::Rgba{1, 2, 3, 4});
    Image("Data/b", writers::Rgba{5, 6, 7, 8}, false, 24);
    Image("Data/c", writers::Rgba{9, 10, 11, 12}, true, 24);
    writers::Image odd(3, 3, writers::Rgba{200, 100, 50, 255});
    ASSERT_TRUE(writers::Write_TGA("Data/odd.tga", odd, writers::TgaOptions{false, 24}));
    Anim("Data/a", 2, {{0, 1}});
    Anim("Data/c", 2, {{1}});
    sc_blur = true;
    ASSERT_TRUE(writers::Write_Texture_List(
        "s.txd", {{2, "Data/a"}, {1, "Data/b"}, {4, "Data/c"}, {0, "Data/odd"}, {5, "Data/b"}, {9, "Data/b"}}));
    ASSERT_TRUE(LoadGLTextures(S("s"), false));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(animation_fx[0], 0);
    EXPECT_EQ(animation_fx[1], -1);
    EXPECT_EQ(animation_fx[2], 1);
    EXPECT_EQ(animation_fx[3], -1);
    EXPECT_EQ(animation_fx[5], -1);
    EXPECT_EQ(g_fx_id, 2);
    EXPECT_EQ(a_texture[1].id, 2);
    EXPECT_EQ(Filter(texID[0], GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    // Kind 0 is plain: the file's alpha stays; kind 9 is plain as well.
    EXPECT_EQ(TexPixels(texID[0], 4, 2)[4 + 3], 4);
    EXPECT_EQ(TexPixels(texID[1], 4, 2)[3], 0);     // keyed 24-bit: magenta transparent
    EXPECT_EQ(TexPixels(texID[5], 4, 2)[3], 255);   // plain 24-bit: opaque
    std::vector<uint8_t> o = TexPixels(texID[3], 3, 3);
    EXPECT_EQ(std::vector<uint8_t>(o.end() - 4, o.end()), (std::vector<uint8_t>{200, 100, 50, 255}));

    // A later list deletes this one's textures first.
    std::vector<unsigned int> old(texID, texID + 6);
    ASSERT_TRUE(writers::Write_Texture_List("t.txd", {{0, "Data/odd"}}));
    ASSERT_TRUE(LoadGLTextures(S("t"), true));
    EXPECT_EQ(numsubmtls, 1);
    EXPECT_EQ(g_fx_id, 0);
    for (unsigned int n : old) {
        if (n != texID[0]) {
            EXPECT_FALSE(glIsTexture(n));
        }
    }
}

// Replacing one slot keeps its kind and its own sheet and filters linearly whatever sc_blur says.
TEST_F(TextureList, ChangeTexture) {
    Image("Data/a", writers::Rgba{1, 2, 3, 4});
    Image("Data/hud/faces", writers::Rgba{1, 1, 1, 1});
    Image("Data/hud/faces1", writers::Rgba{50, 60, 70, 80});
    Anim("Data/a", 2, {{0, 1}});
    Anim("Data/hud/faces", 2, {{0}});
    Anim("Data/hud/faces1", 2, {{1, 0}, {1}});
    ASSERT_TRUE(writers::Write_Texture_List("s.txd", {{3, "Data/a"}, {1, "Data/a"}, {3, "Data/hud/faces"}}));
    ASSERT_TRUE(LoadGLTextures(S("s"), false));
    ASSERT_EQ(animation_fx[2], 1);
    EXPECT_TRUE(Change_Texture(S("Data/hud/faces1"), 2));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(animation_fx[2], 1);
    EXPECT_EQ(a_texture[1].no_of_anims, 2);
    EXPECT_EQ(a_texture[0].no_of_anims, 1); // the other slot's sheet is untouched
    EXPECT_EQ(Filter(texID[2], GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(TexPixels(texID[2], 4, 2)[4], 50);

    // A failing image leaves the slot without a texture.
    EXPECT_FALSE(Change_Texture(S("Data/none"), 1));
    EXPECT_EQ(texID[1], 0u);
    EXPECT_EQ(Boxes().back().text, "Could not open texture file");
    // A slot beyond the list is refused.
    platform::ClearRecordedMessageBoxes();
    EXPECT_FALSE(Change_Texture(S("Data/a"), 3));
    EXPECT_FALSE(Change_Texture(S("Data/a"), -1));
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, "Invalid texture slot");
}

// Refused lists: the box, false, and no slot count left pointing at released names.
TEST_F(TextureList, ListRefusals) {
    Image("Data/a", writers::Rgba{1, 2, 3, 4});
    Anim("Data/a", 2, {{0, 1}});
    std::string over200 = "201\n";
    for (int i = 0; i < 201; ++i) over200 += "0\nData/a\n";
    struct Case {
        const char* what;
        std::string text; // empty: no file
        const char* box;
    } cases[] = {
        {"missing", "", "Couldn't load sceneX.txd"},
        {"201 slots", over200, "Couldn't load sceneX.txd"},
        {"negative count", "-1\n", "Couldn't load sceneX.txd"},
        {"ends early", "2\n0\nData/a\n1\n", "Couldn't load sceneX.txd"},
        {"kind not a number", "1\nx\nData/a\n", "Couldn't load sceneX.txd"},
        {"name of 256", "1\n0\n" + std::string(256, 'n') + "\n", "Couldn't load sceneX.txd"},
        {"image missing", "2\n0\nData/a\n0\nData/none\n", "Could not open texture file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writers::Write_Texture_List("ok.txd", {{0, "Data/a"}, {0, "Data/a"}}));
        ASSERT_TRUE(LoadGLTextures(S("ok"), true));
        std::filesystem::remove("s.txd");
        if (!c.text.empty()) WriteText("s.txd", c.text);
        platform::ClearRecordedMessageBoxes();
        EXPECT_FALSE(LoadGLTextures(S("s"), true));
        ASSERT_FALSE(Boxes().empty());
        EXPECT_EQ(Boxes()[0].text, c.box);
        if (std::string(c.box) == "Couldn't load sceneX.txd") {
            EXPECT_EQ(numsubmtls, 0);
            EXPECT_EQ(texID, nullptr);
        }
    }
    // A name of 255 characters with ".tga" appended loads.
    const std::string long_name = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(53, 'c');
    ASSERT_EQ(long_name.size(), 255u);
    Image(long_name, writers::Rgba{7, 7, 7, 7});
    ASSERT_TRUE(writers::Write_Texture_List("l.txd", {{0, long_name}}));
    platform::ClearRecordedMessageBoxes();
    EXPECT_TRUE(LoadGLTextures(S("l"), true));
    EXPECT_TRUE(Boxes().empty());
}

// Fifty animated slots fill the sheets; the fifty-first is refused and overwrites none.
TEST_F(TextureList, FiftyFirstAnimatedSlotRefused) {
    for (int i = 0; i < 51; ++i) {
        const std::string n = "Data/s" + std::to_string(i);
        Image(n, writers::Rgba{(uint8_t)i, 0, 0, 255});
        Anim(n, 2, {{0, 1}, std::vector<int>(1, i % 2)});
    }
    std::vector<writers::TextureSlot> slots;
    for (int i = 0; i < 50; ++i) slots.push_back({3, "Data/s" + std::to_string(i)});
    ASSERT_TRUE(writers::Write_Texture_List("fifty.txd", slots));
    ASSERT_TRUE(LoadGLTextures(S("fifty"), false));
    EXPECT_EQ(g_fx_id, 50);
    EXPECT_EQ(animation_fx[49], 49);
    slots.push_back({4, "Data/s50"});
    ASSERT_TRUE(writers::Write_Texture_List("more.txd", slots));
    platform::ClearRecordedMessageBoxes();
    EXPECT_FALSE(LoadGLTextures(S("more"), true));
    EXPECT_EQ(OnlyBox().text, "Couldn't load texture.dat");
    EXPECT_EQ(g_fx_id, 50);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(a_texture[i].id, i);
}
