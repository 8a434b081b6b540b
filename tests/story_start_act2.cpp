// A START, NOT A PLAYED TEST: it sets the game's state BY HAND. It writes the save
// that the first act's second half (test_story_act1b) is agreed to leave, so that the second
// act's played part can be written and run before that part exists; once test_story_act1b
// runs, its own save replaces this one and this file has no more use.
//
// The state is what the first act's conversations and pickups leave: the player named, in the
// mouse-only scheme, in act 2 with missions 1 to 5 reported and mission 6 accomplished by the
// escort's end (current), the camp moved, the act-one gifts in the pack (the Weston pistol
// in hand with two boxes of rounds, the shotgun and its shells, the grenades, the gold of the
// submarine and of the spy), and the act-two camp as the place of the save.
//
// CTest runs it before the second act's part (tests/CMakeLists.txt, VARNOTH_STORY_STARTS, on by default).
#include "support/story_player.h"

#include <cstring>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/save_slots.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"
#include "hud/weapons.h"

namespace {

class Story_Start_Act2 : public StoryGame {};

TEST_F(Story_Start_Act2, WritesTheSaveTheFirstActLeaves) {
    Start_New_Game(true);
    if (HasFatalFailure()) return;
    ASSERT_NE(current_file, -1);

    current_act = 2;
    for (int m = 1; m <= 5; ++m) main_mission[m] = 3;
    main_mission[6] = 1; // the escort's end (1/130)
    current_main = 6;
    new_mission = 15;
    // Flags of the first act's conversations and pages.
    for (int f : {11, 13, 14, 20, 27, 29, 32, 61, 62, 63, 64, 65, 66, 95, 97, 99}) global_objects[f] = 1;
    global_objects[60] = 3; // arrived, slept
    global_objects[17] = 3; // the spy's reward given
    global_objective[3] = 1;

    // The act-one gifts, less what the first act's fights spent.
    Calculate_Item(0, 9, -1, 0, -1);      // the Weston
    Calculate_Item(120, 13, -1, 120, -1); // its rounds
    Calculate_Item(120, 13, -1, 120, -1);
    Calculate_Item(0, 32, -1, 0, -1);     // the shotgun
    Calculate_Item(25, 36, -1, 25, -1);   // and its shells
    Calculate_Item(3, 28, -1, 3, 0);      // grenades left of the six
    Calculate_Item(1000, 1, -1, 0, -1);   // the submarine's reward
    Calculate_Item(1000, 1, -1, 0, -1);   // the spy's
    const int pistol = Slot_Code_Of(9);
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == pistol) {
            current_weapon = i;
            break;
        }
    player_experience = 900;
    player_rank = 2;
    Calculate_Stats();

    // Saved where the first act ends: the act-two camp.
    episode = 2;
    scene = 3;
    ASSERT_TRUE(SaveLevel(Save_Slot_Path(current_file)));
    Keep_Story_Save("test_story_act1b");
}

} // namespace
