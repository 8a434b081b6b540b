// The statistics screen (episode 1 scene 52): its three text columns, the completion figure
// and the way back to the scene the player came from.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camp/stats_screen.h"
#include "combat/medals.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "support/virtual_clock.h"

namespace {

class StatsScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        no_sprites = 5;
        sprite[1].w = 0.5f;
        sprite[1].z = -0.8f;
        sprite[1].box_width = 0.3f;
        sprite[1].box_height = 0.1f;
        sprite[1].alpha = 1.0f;
        game_mode = 4;
        episode = 1;
        scene = 52;
        next_scene = false;
        std::memset(counter, 0, sizeof counter);
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(global_medals, 0, sizeof global_medals);
        std::memset(global_cards, 0, sizeof global_cards);
        current_gold = -1;
        player_kill_count = player_death_count = player_crate_count = player_knife_count = 0;
        player_hours = player_minutes = player_seconds = 0;
        player_walked = player_miles = 0;
        player_rank = 1;
        mouseleft = in_stats = false;
        radio_sfx = false;
        mouseX = mouseY = 50.0f;
    }
    void TearDown() override { Free_Records(); }

    static std::string Text(int i) { return counter[i].word; }
};

TEST_F(StatsScreenTest, LeftColumnGoldKillsDeathsAndPlayTime) {
    player_kill_count = 42;
    player_death_count = 3;
    player_hours = 1;
    player_minutes = 5;
    player_seconds = 7;
    Run_Stats(16);
    EXPECT_EQ(Text(0), "Gold^_0^Kill_count^_42^Times_died^_3^Game_time^_01:05:07");
    EXPECT_FLOAT_EQ(counter[0].x, -0.68f);
    EXPECT_FLOAT_EQ(counter[0].y, 0.6f);
    EXPECT_FLOAT_EQ(counter[0].width, 0.018f);
    EXPECT_FLOAT_EQ(counter[0].height, 0.05f);
    EXPECT_EQ(counter[0].alpha, 1.0f);
    EXPECT_FLOAT_EQ(counter[1].x, -0.08f);
    EXPECT_FLOAT_EQ(counter[2].x, 0.48f);
    EXPECT_EQ(counter[2].alpha, 1.0f);

    current_gold = 4;
    player_inv[4] = 1;
    player_inv_value[4] = 1250;
    player_hours = 10;
    player_minutes = 10;
    player_seconds = 9;
    Run_Stats(16);
    EXPECT_EQ(Text(0), "Gold^_1250^Kill_count^_42^Times_died^_3^Game_time^_10:10:09");
}

// A gold slot number outside the sixteen inventory slots reads as no gold.
TEST_F(StatsScreenTest, GoldSlotOutsideTheInventoryReadsAsNoGold) {
    for (int slot : {16, 1000, -2}) {
        current_gold = slot;
        Run_Stats(16);
        EXPECT_EQ(Text(0).rfind("Gold^_0^", 0), 0u) << slot;
    }
}

TEST_F(StatsScreenTest, MiddleColumnCountsAndRankNames) {
    global_objects[0] = 1;
    global_objects[2] = 1;
    global_objects[3] = 2;  // only exactly 1 counts
    global_objects[4] = 1;  // not a secret
    global_medals[0] = 1;
    global_medals[11] = 1;
    global_medals[5] = 2;   // only exactly 1 counts
    global_medals[12] = 1;  // layer two
    global_cards[0] = 1;
    global_cards[11] = 2;   // a count of 2 counts once
    global_cards[12] = 1;   // costume album
    Run_Stats(16);
    EXPECT_EQ(Text(1), "Secrets^_2 of 4^Medals^_2 of 12^Cards^_2 of 12^Rank^_Grunt");

    struct Case {
        int rank;
        const char* name;
    } ranks[] = {{0, "_Grunt"},      {1, "_Grunt"},       {2, "_Private"},   {5, "_Private"},
                 {6, "_Sargeant"},   {10, "_Lieutenant"}, {17, "_Captain"},  {18, "_Colonel"},
                 {25, "_Major"},     {29, "_General"},    {30, ""},          {45, ""}};
    for (const auto& r : ranks) {
        player_rank = r.rank;
        Run_Stats(16);
        EXPECT_EQ(Text(1), std::string("Secrets^_2 of 4^Medals^_2 of 12^Cards^_2 of 12^Rank^") +
                               r.name)
            << r.rank;
    }
}

TEST_F(StatsScreenTest, RightColumnDistanceAndCompletion) {
    player_crate_count = 7;
    player_knife_count = 12;
    player_walked = 1640;
    Run_Stats(16);
    EXPECT_EQ(Text(2), "Crates^_7^Knived^_12^Walked^_1640ft^Complete^_0\300");

    player_miles = 3;
    Run_Stats(16);
    EXPECT_EQ(Text(2), "Crates^_7^Knived^_12^Walked^_3.5km^Complete^_0\300");

    // 2 secrets, 6 medals and the whole swimsuit album: 20 of 28.
    global_objects[0] = global_objects[1] = 1;
    for (int i = 0; i < 6; ++i) global_medals[i] = 1;
    for (int i = 0; i < 12; ++i) global_cards[i] = 1;
    Run_Stats(16);
    EXPECT_EQ(Text(2), "Crates^_7^Knived^_12^Walked^_3.5km^Complete^_71\300");

    for (int i = 0; i < 4; ++i) global_objects[i] = 1;
    for (int i = 0; i < 12; ++i) global_medals[i] = 1;
    Run_Stats(16);
    EXPECT_EQ(Text(2), "Crates^_7^Knived^_12^Walked^_3.5km^Complete^_100\300");
}

TEST_F(StatsScreenTest, ReturnButtonGoesBackWhereThePlayerCameFrom) {
    stats_episode = 3;
    stats_scene = 17;
    std::strcpy(counter[5].word, "stale");
    Run_Stats(16);
    EXPECT_EQ(Text(5), "");
    EXPECT_EQ(sprite[1].anim, 0);

    mouseX = 0.6f;
    mouseY = -0.75f;
    Run_Stats(16);
    EXPECT_EQ(Text(5), "Return^to_game");
    EXPECT_EQ(counter[5].length, 1);
    EXPECT_FALSE(msg_left);
    EXPECT_EQ(sprite[1].anim, 1);
    EXPECT_FALSE(radio_sfx);  // this page has no hover sound
    EXPECT_FALSE(next_scene);

    mouseleft = true;
    Run_Stats(16);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 17);
    EXPECT_TRUE(in_stats);
    EXPECT_FALSE(mouseleft);
}

TEST_F(StatsScreenTest, HiddenReturnButtonTakesNoHoverOrClick) {
    sprite[1].alpha = 0.5f;
    mouseX = 0.6f;
    mouseY = -0.75f;
    mouseleft = true;
    Run_Stats(16);
    EXPECT_EQ(Text(5), "");
    EXPECT_EQ(sprite[1].anim, 0);
    EXPECT_FALSE(next_scene);
    EXPECT_TRUE(mouseleft);
    EXPECT_FALSE(in_stats);
}

} // namespace
