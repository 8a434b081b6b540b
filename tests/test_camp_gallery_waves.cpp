// The shooting galleries' wave scripts as Init_Gallery loads them.
#include <gtest/gtest.h>

#include <vector>

#include "camp/gallery_waves.h"
#include "common/codes.h"

namespace {

// A value the gallery writes into the hold points before loading: never a wave or kill count.
constexpr int NO_HOLD = -1;

class GalleryWaves : public ::testing::Test {
protected:
    void SetUp() override {
        for (int k = 0; k < GALLERY_MAX_WAVES; ++k) {
            gallery_sequence[k] = gallery_sequence_times[k] = gallery_innocent[k] = -7;
            gallery_direction[k] = -7;
        }
        Clear_Pauses();
        gallery_count = -7;
        gallery_index = 5;
        boss_total_score = boss_gallery_health = 123;
    }
    static void Clear_Pauses() {
        for (int& p : gallery_pause) p = NO_HOLD;
    }
    static std::vector<int> Pauses() {
        std::vector<int> out;
        for (int p : gallery_pause)
            if (p != NO_HOLD) out.push_back(p);
        return out;
    }
    static std::vector<int> Row(const int* a, int from, int to) { return std::vector<int>(a + from, a + to); }
};

TEST_F(GalleryWaves, FirstGalleryScript) {
    Init_Gallery(0);
    EXPECT_EQ(gallery_index, 0);
    ASSERT_EQ(gallery_count, 7);
    EXPECT_EQ(Row(gallery_sequence, 0, 7), (std::vector<int>{2, 6, 8, 7, 5, 6, 13}));
    // Sprite 6 comes 3000 ms after sprite 2, sprite 8 1000 ms later.
    EXPECT_EQ(Row(gallery_sequence_times, 1, 7), (std::vector<int>{3000, 1000, 2000, 500, 4000, 1000}));
    EXPECT_EQ(Row(gallery_innocent, 0, 7), (std::vector<int>{1, 0, 1, 1, 0, 0, 1}));
    EXPECT_EQ(Pauses(), (std::vector<int>{3, 4, 6}));
    for (int k = 0; k < GALLERY_MAX_WAVES; ++k) EXPECT_EQ(gallery_direction[k], 0) << k;
    // No boss bar here: the values last set stay.
    EXPECT_EQ(boss_total_score, 123);
    EXPECT_EQ(boss_gallery_health, 123);
}

TEST_F(GalleryWaves, WaveCountsAndLastFigures) {
    struct Case { int scene, waves, last_sprite, last_wait; } cases[] = {
        {0, 7, 13, 1000}, {1, 13, 6, 100},  {2, 13, 2, 100}, {3, 22, 4, 10},
        {4, 7, 13, 1000}, {5, 13, 6, 100},  {6, 13, 2, 100}, {7, 22, 4, 10},
        {8, 7, 8, 2000},  {9, 7, 8, 2000},  {10, 7, 8, 2000}, {11, 7, 8, 6000},
    };
    for (const Case& c : cases) {
        Init_Gallery(c.scene);
        ASSERT_EQ(gallery_count, c.waves) << c.scene;
        EXPECT_EQ(gallery_sequence[c.waves - 1], c.last_sprite) << c.scene;
        EXPECT_EQ(gallery_sequence_times[c.waves - 1], c.last_wait) << c.scene;
        for (int k = 0; k < c.waves; ++k) {
            EXPECT_TRUE(gallery_innocent[k] >= 0 && gallery_innocent[k] <= 3) << c.scene << " wave " << k;
            EXPECT_TRUE(gallery_sequence[k] >= 2 && gallery_sequence[k] <= 13) << c.scene << " wave " << k;
        }
    }
}

TEST_F(GalleryWaves, SidewaysRunnersAndTheirReset) {
    Init_Gallery(1);
    for (int k = 0; k < GALLERY_MAX_WAVES; ++k) {
        const int expected = k == 4 ? dir_code::RIGHT : k == 10 ? dir_code::LEFT : 0;
        EXPECT_EQ(gallery_direction[k], expected) << k;
    }
    Init_Gallery(2);
    EXPECT_EQ(gallery_direction[4], dir_code::LEFT);
    EXPECT_EQ(gallery_direction[7], dir_code::RIGHT);
    EXPECT_EQ(gallery_direction[10], 0);
    Init_Gallery(6);
    for (int k = 0; k < GALLERY_MAX_WAVES; ++k) EXPECT_EQ(gallery_direction[k], 0) << k;
}

TEST_F(GalleryWaves, ScenesOneAndFiveDifferInFirstWaitAndHolds) {
    Init_Gallery(1);
    const std::vector<int> sprites = Row(gallery_sequence, 0, 13), kinds = Row(gallery_innocent, 0, 13);
    const int first_wait = gallery_sequence_times[1];
    const std::vector<int> holds = Pauses();
    Clear_Pauses();
    Init_Gallery(5);
    EXPECT_EQ(Row(gallery_sequence, 0, 13), sprites);
    EXPECT_EQ(Row(gallery_innocent, 0, 13), kinds);
    EXPECT_EQ(first_wait, 500);
    EXPECT_EQ(gallery_sequence_times[1], 2000);
    EXPECT_EQ(holds, (std::vector<int>{3, 6, 10, 11}));
    EXPECT_EQ(Pauses(), (std::vector<int>{1, 3, 6, 7, 10, 11}));
    EXPECT_EQ(gallery_direction[4], dir_code::RIGHT);
    EXPECT_EQ(gallery_direction[10], dir_code::LEFT);
}

TEST_F(GalleryWaves, BossGalleriesHoldAfterEveryWave) {
    for (int scene : {3, 7}) {
        Clear_Pauses();
        Init_Gallery(scene);
        ASSERT_EQ(gallery_count, 22);
        for (int k = 0; k < 22; ++k) EXPECT_EQ(gallery_innocent[k], 3) << scene << " wave " << k;
        // 21 hold points, then the entry after them still never matches.
        for (int p = 0; p < 21; ++p) EXPECT_EQ(gallery_pause[p], p + 1) << scene;
        EXPECT_EQ(gallery_pause[21], NO_HOLD) << scene;
        EXPECT_EQ(Row(gallery_sequence_times, 13, 14), (std::vector<int>{6000})) << scene;
        EXPECT_EQ(Row(gallery_sequence_times, 14, 22), std::vector<int>(8, 10)) << scene;
        EXPECT_EQ(boss_total_score, 660) << scene;
        EXPECT_EQ(boss_gallery_health, 660) << scene;
    }
    EXPECT_EQ(Row(gallery_sequence, 0, 4), (std::vector<int>{6, 8, 4, 4}));
}

TEST_F(GalleryWaves, BossBarIsFullOnEveryVisit) {
    Init_Gallery(3);
    boss_gallery_health = 90; // the fight left the bar low
    Init_Gallery(3);
    EXPECT_EQ(boss_total_score, 660);
    EXPECT_EQ(boss_gallery_health, 660);
    Clear_Pauses();
    Init_Gallery(11);
    EXPECT_EQ(boss_total_score, 800);
    EXPECT_EQ(boss_gallery_health, 800);
    EXPECT_EQ(Row(gallery_sequence_times, 1, 7), (std::vector<int>{1000, 1000, 1000, 1000, 1000, 6000}));
    EXPECT_EQ(Pauses(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(GalleryWaves, EntriesBeyondTheScriptKeepTheirValues) {
    Init_Gallery(3);
    Clear_Pauses();
    Init_Gallery(0);
    EXPECT_EQ(gallery_count, 7);
    EXPECT_EQ(gallery_sequence[7], 8);  // scene 3's eighth figure
    EXPECT_EQ(gallery_sequence[21], 4);
    EXPECT_EQ(gallery_sequence_times[20], 10);
    EXPECT_EQ(gallery_sequence[22], -7);
}

TEST_F(GalleryWaves, PigeonShootsAndUnknownScenesOnlyReset) {
    Init_Gallery(2);
    const std::vector<int> sprites = Row(gallery_sequence, 0, 13);
    for (int scene : {12, 15, -1, 16}) {
        gallery_index = 9;
        gallery_direction[4] = dir_code::LEFT;
        boss_total_score = boss_gallery_health = 123;
        Clear_Pauses();
        Init_Gallery(scene);
        EXPECT_EQ(gallery_index, 0) << scene;
        EXPECT_EQ(gallery_direction[4], 0) << scene;
        EXPECT_EQ(gallery_count, 13) << scene;
        EXPECT_EQ(Row(gallery_sequence, 0, 13), sprites) << scene;
        EXPECT_TRUE(Pauses().empty()) << scene;
        EXPECT_EQ(boss_total_score, 123) << scene;
    }
}

} // namespace
