// A START, not a played test: it sets the game's state BY HAND and only stands in for the
// first half of act one (test_story_act1a) until that part keeps its save. It
// starts a new game as a player does (mouse-only scheme), then writes the state that part is
// agreed to leave: missions 1, 2 and 3 given, done and reported, no mission in hand, the
// player in the act-one camp with what those missions gave him. The game saves itself
// (Escape saves to the slot in play) and the save folder is kept under the first part's
// name, so that test_story_act1b can start from it.
#include "support/story_player.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "main/window.h"

namespace {

class Story_Start_Act1b : public StoryGame {};

TEST_F(Story_Start_Act1b, LeavesTheStateAfterTheFirstThreeMissions) {
    New_Game_Into_The_Camp(true);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(CONTROL_SCHEME);

    // The training (mission 1), the radio masts (2) and the bunkers (3), each reported.
    for (int m = 1; m <= 3; ++m) main_mission[m] = 3;
    current_main = 0;
    current_act = 1;
    global_objects[60] = 1;  // slept in the tent: the commander gives missions
    global_objects[11] = 1;  // the sergeant's gifts given
    global_objects[66] = 1;  // the course passed: the camp's tunnel open
    global_objects[29] = 1;  // mission 2 given with its grenades
    global_objects[95] = 1;  // its briefing page seen
    global_objects[97] = 1;  // its report page seen
    global_objects[18] = global_objects[19] = 1;  // both masts down
    global_objects[65] = 1;  // the shotgun given with mission 3
    global_objective[0] = global_objective[2] = 1;  // bunkers A and C taken
    global_objective[3] = 1;                        // the course run

    // What those missions gave: the Weston and two boxes of its cartridges (the sergeant),
    // six grenades (mission 2), the shotgun and 25 shells (mission 3), and some gold picked up.
    ASSERT_TRUE(Calculate_Item(0, PISTOL, -1, 0, -1));
    ASSERT_TRUE(Calculate_Item(120, PISTOL_AMMO, -1, 120, -1));
    ASSERT_TRUE(Calculate_Item(120, PISTOL_AMMO, -1, 120, -1));
    ASSERT_TRUE(Calculate_Item(6, STICK_GRENADE, -1, 6, 0));
    ASSERT_TRUE(Calculate_Item(0, SHOTGUN, -1, 0, -1));
    ASSERT_TRUE(Calculate_Item(25, SHELLS, -1, 25, -1));
    ASSERT_TRUE(Calculate_Item(300, GOLD, -1, 0, -1));
    for (int k = 0; k < 16; ++k)
        if (player_inv[k] == SLOT_PISTOL) current_weapon = k;
    ASSERT_NE(current_weapon, -1);
    Calculate_Inventory();
    Calculate_Bullets();
    Calculate_Stats();

    // Escape saves the game to the slot in play (and opens the pause page).
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Settle_On(1, 53, 3000)) << Box_Texts();
    Keep_Story_Save("test_story_act1a");
}

}  // namespace
