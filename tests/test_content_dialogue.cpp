// The dialogue-lines file and the text slots reset with it.
#include "test_content_util.h"

#include <cstring>
#include <string>

#include "common/game_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/dialogue_lines.h"
#include "content/texture_list.h"
#include "content/writers/scene_writers.h"

namespace {

using DialogueTest = ContentDir;

sString S(const char* s) { return Make_sString(s); }

} // namespace

// Groups with no entries take nothing from the file; tokens keep their text codes.
TEST_F(DialogueTest, LinesAndGroups) {
    writers::Dialogue d;
    d.groups = {{2, 0}, {}, {1}};
    d.lines = {{3, "Hello_there^soldier", "Bonjour"}, {7, "can&t", "%0.7s"}, {0, "x", "y"}};
    ASSERT_TRUE(writers::Write_Dialogue("s.txt", d));
    multi_frames[1][0] = 55;
    hud_face_id[3] = 9;
    ASSERT_TRUE(LoadText(S("s")));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(multi_txt[0], 2);
    EXPECT_EQ(multi_txt[1], 0);
    EXPECT_EQ(multi_txt[2], 1);
    EXPECT_EQ(multi_frames[0][0], 2);
    EXPECT_EQ(multi_frames[0][1], 0);
    EXPECT_EQ(multi_frames[1][0], 55);
    EXPECT_EQ(multi_frames[2][0], 1);
    EXPECT_EQ(hud_face_id[0], 3);
    EXPECT_STREQ(hud_text_A[0].s, "Hello_there^soldier");
    EXPECT_STREQ(hud_text_B[1].s, "%0.7s");
    EXPECT_EQ(hud_face_id[3], 9); // beyond the file's lines: unchanged
}

// Text slot layout: by game mode, and the same after a file of just two zeros.
TEST_F(DialogueTest, TextSlotsReset) {
    WriteText("s.txt", "0 0");
    for (int mode : {1, 3}) {
        SCOPED_TRACE(mode);
        game_mode = mode;
        for (font& f : counter) {
            std::strcpy(f.word, "old");
            f.id = 4;
            f.length = 2;
        }
        cine_text[5].x = 0.33f;
        cine_text[5].alpha = 0.0f;
        std::strcpy(cine_text[0].word, "kept");
        ASSERT_TRUE(LoadText(S("s")));
        EXPECT_STREQ(counter[0].word, mode == 1 ? "0" : "");
        EXPECT_STREQ(counter[1].word, mode == 1 ? "0" : "");
        EXPECT_STREQ(counter[2].word, "");
        EXPECT_FLOAT_EQ(counter[2].x, mode == 1 ? 0.0f : -0.7f);
        EXPECT_FLOAT_EQ(counter[2].y, mode == 1 ? -0.65f : 0.88f);
        EXPECT_FLOAT_EQ(counter[0].x, -0.85f);
        EXPECT_FLOAT_EQ(counter[3].width, 0.035f);
        EXPECT_FLOAT_EQ(counter[12].y, -0.5f);
        EXPECT_FLOAT_EQ(counter[12].alpha, 0.0f);
        EXPECT_FLOAT_EQ(counter[6].alpha, 1.0f);
        EXPECT_FLOAT_EQ(counter[13].alpha, 1.0f);
        EXPECT_FLOAT_EQ(counter[13].width, 0.0f);
        for (const font& f : counter) {
            EXPECT_EQ(f.id, 0);
            EXPECT_EQ(f.length, 0);
        }
        EXPECT_FLOAT_EQ(cine_text[0].y, -0.8f);
        EXPECT_FLOAT_EQ(cine_text[1].y, -0.9f);
        EXPECT_FLOAT_EQ(cine_text[1].width, 0.015f);
        EXPECT_STREQ(cine_text[0].word, "kept");
        EXPECT_FLOAT_EQ(cine_text[5].x, 0.33f);
        EXPECT_FLOAT_EQ(cine_text[5].alpha, 1.0f);
    }
}

// Missing, truncated and oversized files: the box, false, and nothing of the file applied.
TEST_F(DialogueTest, Refusals) {
    const std::string long255(255, 'a'), long256(256, 'a');
    WriteText("ok.txt", "1 0 4 " + long255 + " b");
    ASSERT_TRUE(LoadText(S("ok")));
    EXPECT_EQ(std::strlen(hud_text_A[0].s), 255u);

    struct Case {
        const char* what;
        std::string text; // empty: no file
    } cases[] = {
        {"missing", ""},
        {"31 lines", "31 0"},
        {"31 groups", "0 31"},
        {"negative lines", "-1 0"},
        {"31 entries", "0 1 31"},
        {"ends in the groups", "0 2 1 1 5"},
        {"ends in a line", "2 0 1 a b 2 c"},
        {"token of 256", "1 0 2 " + long256 + " b"},
        {"blank inside a text shifts the values", "1 0 2 two words b"},
        {"empty", "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(LoadText(S("ok")));
        std::filesystem::remove("s.txt");
        if (!c.text.empty()) WriteText("s.txt", c.text);
        platform::ClearRecordedMessageBoxes();
        counter[0].x = 5.0f;
        EXPECT_FALSE(LoadText(S("s")));
        EXPECT_EQ(OnlyBox().text, "Couldn't load sceneX.txt");
        EXPECT_EQ(OnlyBox().caption, "ERROR");
        EXPECT_EQ(OnlyBox().flags, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        EXPECT_EQ(hud_face_id[0], 4);
        EXPECT_EQ(std::strlen(hud_text_A[0].s), 255u);
        EXPECT_FLOAT_EQ(counter[0].x, 0.0f); // the slots are cleared first
    }
}
