// The area table: (episode, scene) to Level and area flags, and the clearing between scenes.
#include <gtest/gtest.h>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/level_table.h"
#include "main/frame_loop.h"

namespace {

struct Row {
    int e, s, level;
    bool open, dungeon, stealth, gallery;
    int spawn;
    bool card2, card3, nocard;
};

void Check(const Row& r) {
    SCOPED_TRACE(testing::Message() << "episode " << r.e << " scene " << r.s);
    Apply_Level_Table(r.e, r.s);
    EXPECT_EQ(Level, r.level);
    EXPECT_EQ(in_open_world, r.open);
    EXPECT_EQ(in_dungeon, r.dungeon);
    EXPECT_EQ(is_a_stealth_mission, r.stealth);
    EXPECT_EQ(gallery_mode_active, r.gallery);
    EXPECT_EQ(spawn_level_number, r.spawn);
    EXPECT_EQ(spawn_card2, r.card2);
    EXPECT_EQ(spawn_card3, r.card3);
    EXPECT_EQ(spawn_nocard, r.nocard);
}

} // namespace

TEST(LevelTable, ScenesToAreas) {
    const Row rows[] = {
        // e  s   level               open   dung   stea   gall   sp card2  card3  nocard
        {0, 0, -1, false, false, false, false, 0, false, false, false},
        {0, 1, LVL_MENU, false, false, false, false, 0, false, false, false},
        {0, 2, LVL_FILE_SELECT, false, false, false, false, 0, false, false, false},
        {0, 7, LVL_MENU, false, false, false, false, 0, false, false, false},
        {0, 8, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {0, 18, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {0, 19, -1, false, false, false, false, 0, false, false, false},
        {1, 1, LVL_SARGE, false, false, false, false, 0, false, false, false},
        {1, 27, LVL_JACK, false, false, false, false, 0, false, false, false},
        {1, 30, LVL_SHOP, false, false, false, false, 0, false, false, false},
        {1, 44, LVL_SUB_PEN, false, false, false, false, 0, false, false, false},
        {1, 93, LVL_MISSILEL, false, false, false, false, 0, false, false, false},
        {1, 21, LVL_CARDS, false, false, false, true, 0, false, false, false},
        {1, 115, LVL_CARDS, false, false, false, true, 0, false, false, false},
        {1, 59, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {1, 60, -1, false, false, false, false, 0, false, false, false},
        {1, 61, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {1, 65, -1, false, false, false, false, 0, false, false, false},
        {1, 66, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {1, 68, -1, false, false, false, false, 0, false, false, false},
        {1, 143, LVL_CARDS, false, false, false, false, 0, false, false, false},
        {1, 144, -1, false, false, false, false, 0, false, false, false},
        {2, 0, LVL_BASE, true, false, false, false, 0, false, false, false},
        {2, 1, LVL_HIGHWAY, true, false, false, false, 6, false, false, true},
        {2, 2, LVL_VILLAGE, true, false, false, false, 6, true, false, false},
        {2, 3, LVL_BASE, false, false, false, false, 0, false, false, false},
        {2, 8, LVL_FORTRESS, false, false, false, false, 0, true, false, false},
        {2, 9, LVL_FARMS, true, false, false, false, 10, false, true, false},
        {2, 12, -1, false, false, false, false, 0, false, false, false},
        {3, 0, LVL_WINDMILL, false, true, false, false, 0, false, false, false},
        {3, 3, LVL_SUPPLIES, true, false, false, false, 6, false, false, false},
        {3, 9, LVL_CAVE, false, true, false, false, 0, false, false, false},
        {3, 12, LVL_BASEMENT_C, false, true, false, false, 0, false, true, false},
        {3, 16, LVL_BAY, true, false, false, false, 5, false, false, false},
        {3, 17, -1, false, false, false, false, 0, false, false, false},
        {3, 26, LVL_LIBRARY, false, true, true, false, 0, true, false, false},
        {3, 27, LVL_VAULTS, false, true, true, false, 0, true, false, false},
        {3, 29, LVL_AIRFIELD, true, false, false, false, 0, false, false, false},
        {3, 37, LVL_SUPER1, false, true, false, false, 0, false, false, false},
        {3, 38, -1, false, false, false, false, 0, false, false, false},
        {4, 0, -1, false, false, false, false, 0, false, false, false},
        {10, 0, -1, false, false, false, false, 0, false, false, false},
    };
    for (const Row& r : rows) Check(r);
}

// Every flag of the area before is cleared, whatever the order of loads.
TEST(LevelTable, PreviousAreaFlagsAreCleared) {
    Apply_Level_Table(3, 26);
    ASSERT_TRUE(is_a_stealth_mission);
    Check({3, 29, LVL_AIRFIELD, true, false, false, false, 0, false, false, false});
    Apply_Level_Table(1, 8);
    ASSERT_TRUE(gallery_mode_active);
    Check({3, 17, -1, false, false, false, false, 0, false, false, false});
    Apply_Level_Table(2, 9);
    Check({3, 11, LVL_BASEMENT_B, false, true, false, false, 0, false, true, false});
}
