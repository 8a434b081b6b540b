// Front-end page conversations: which pages run a conversation, and when the step is idle.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/call_trace.h"
#include "common/game_state.h"
#include "main/front_end.h"

namespace {

class FrontMessages : public ::testing::Test {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        call_trace = &trace;
        game_mode = MODE_FRONT;
        fade = 1.0f;
        next_scene = false;
    }
    void TearDown() override { call_trace = nullptr; }

    // Conversation steps run by one front-end tick on page (e, s).
    int Steps_On(int e, int s) {
        episode = e;
        scene = s;
        trace.clear();
        Run_Front_Messages(16);
        return (int)std::count(trace.begin(), trace.end(), "Display_Front_Message");
    }
};

TEST_F(FrontMessages, RunsOnlyOnAFullyFadedInPageWithoutAPendingChange) {
    struct row {
        const char* label;
        int mode;
        float fade;
        bool next;
        int episode, scene;
        int steps;
    };
    const row rows[] = {
        {"camp page", MODE_FRONT, 1.0f, false, 1, 0, 1},
        {"episode 4 page", MODE_FRONT, 1.0f, false, 4, 3, 1},
        {"still fading in", MODE_FRONT, 0.99f, false, 1, 0, 0},
        {"fading out", MODE_FRONT, 0.5f, false, 1, 0, 0},
        {"change pending", MODE_FRONT, 1.0f, true, 1, 0, 0},
        {"walk scene", MODE_WALK, 1.0f, false, 1, 0, 0},
        {"cut-scene", MODE_CINE, 1.0f, false, 4, 1, 0},
        {"page without a conversation", MODE_FRONT, 1.0f, false, 1, 102, 0},
        {"title episode", MODE_FRONT, 1.0f, false, 0, 0, 0},
        {"episode 2", MODE_FRONT, 1.0f, false, 2, 5, 0},
    };
    for (const row& r : rows) {
        game_mode = r.mode;
        fade = r.fade;
        next_scene = r.next;
        EXPECT_EQ(Steps_On(r.episode, r.scene), r.steps) << r.label;
    }
}

TEST_F(FrontMessages, PageTable) {
    // 46 pages of episode 1 and 3 of episode 4 each run exactly one conversation per tick.
    int pages[5] = {};
    for (int e : {0, 1, 2, 3, 4})
        for (int s = 0; s < 200; ++s) {
            const int steps = Steps_On(e, s);
            ASSERT_LE(steps, 1) << "episode " << e << " scene " << s;
            pages[e] += steps;
            EXPECT_EQ(steps != 0, Front_Conversation(e, s) != 0) << "episode " << e << " scene " << s;
        }
    EXPECT_EQ(pages[1], 46);
    EXPECT_EQ(pages[4], 3);
    EXPECT_EQ(pages[0] + pages[2] + pages[3], 0);
    // A few pages and their conversations.
    struct row {
        int e, s, conversation;
    };
    for (row r : {row{1, 0, 1}, row{1, 122, 83}, row{1, 16, 35}, row{1, 3, 16}, row{1, 5, 17}, row{1, 93, 81},
                  row{4, 1, 13}, row{4, 3, 12}, row{4, 5, 14}, row{4, 0, 0}, row{1, 102, 0}, row{2, 0, 0}})
        EXPECT_EQ(Front_Conversation(r.e, r.s), r.conversation) << r.e << "/" << r.s;
}

} // namespace
