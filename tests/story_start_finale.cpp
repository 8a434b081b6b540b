// A START, not a played test: it SETS STATE BY HAND. It stands in for the played third act
// until the finale plays on from that act's own save, and leaves the save folder that part
// leaves ("test_story_act3"): a game in act three with every mission up to 12 reported (the
// agent freed from the windmill, the farms' masts down), no mission in hand, standing in the
// act-three camp, saved to the first slot through the game's own save. CTest runs it after
// the third act's part and before the finale (tests/CMakeLists.txt).
#include "support/story_player.h"

#include <cstring>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/save_slots.h"
#include "hud/inventory.h"

namespace {

class Story_Start_Finale : public StoryGame {};

TEST_F(Story_Start_Finale, LeavesTheGameAfterTheRadarMastsAreReported) {
    ASSERT_TRUE(gl_);
    Init_Player();
    Start_Game();
    CONTROL_SCHEME = true;
    std::strcpy(player_name, "joe");
    current_char = 0;
    // The story: acts one and two played out, and the act-three commander's first two
    // missions reported.
    current_act = 3;
    current_main = 0;
    for (int m = 1; m <= 12; ++m) main_mission[m] = 3;
    for (int f : {11, 29, 32, 33, 34, 42, 44, 60, 61, 62, 65, 66, 67, 68, 95, 97, 99}) global_objects[f] = 1;
    global_objects[45] = 1;                               // the captive agent freed
    for (int f : {50, 51, 52}) global_objects[f] = 1;     // the three masts on the farms down
    current_file = 0;
    PlayedGame::Enter_Scene(2, 10, 0);
    ASSERT_NE(p1_id, -1);
    // What the conversations and pickups have given by then: the sergeant's pistol and
    // cartridges, the bunkers' shotgun and shells, the grenades of missions 2, 8 and 12, the
    // general's gold.
    ASSERT_TRUE(Calculate_Item(0, 9, -1, 0, -1));
    ASSERT_TRUE(Calculate_Item(120, 13, -1, 120, -1));
    ASSERT_TRUE(Calculate_Item(120, 13, -1, 120, -1));
    ASSERT_TRUE(Calculate_Item(0, 32, -1, 0, -1));
    ASSERT_TRUE(Calculate_Item(25, 36, -1, 25, -1));
    ASSERT_TRUE(Calculate_Item(6, 28, -1, 6, 0));
    ASSERT_TRUE(Calculate_Item(6, 28, -1, 6, 0));
    ASSERT_TRUE(Calculate_Item(1000, 1, -1, 0, -1));
    // Food for the road, as the fallen leave it and the shop sells it.
    for (int k = 0; k < 4; ++k) ASSERT_TRUE(Calculate_Item(60, CAN_O_BEANS, -1, 0, 0));
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == SLOT_PISTOL) current_weapon = i; // the sergeant equips it
    ASSERT_NE(current_weapon, -1);
    ASSERT_TRUE(SaveLevel(Save_Slot_Path(current_file)));
    Keep_Story_Save("test_story_act3");
}

} // namespace
