// A game saved and taken up again as a player does it: into the camp, Escape (which saves to
// the slot and opens the pause page), "Quit^and_save" back to the menu, then Start, the same
// slot opened again and the saved camp, inventory and gold as they were. No message box.
#include "support/played_game.h"

#include <array>
#include <filesystem>
#include <string>

#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/save_slots.h"
#include "hud/derived_state.h"
#include "hud/inventory.h"
#include "main/messages.h"
#include "main/window.h"

namespace {

class Walk_Saved_Game : public PlayedGame {};

TEST_F(Walk_Saved_Game, AGameSavedFromTheCampIsTakenUpAgainFromItsSlot) {
    ASSERT_TRUE(Written(1, 53)) << "the pause page is not generated";
    New_Game_Into_The_Camp();
    if (HasFatalFailure()) return;
    const int slot = current_file;
    ASSERT_NE(slot, -1);

    // What the recruit carries: gold, a rifle with its rounds, grenades.
    ASSERT_TRUE(Calculate_Item(250, GOLD, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(1, RIFLE, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(40, RIFLE_AMMO, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(3, STICK_GRENADE, -1, 0, 0));
    main_mission[1] = 3; // the training reported
    main_mission[2] = 1; // the next one done, not yet reported
    main_mission[3] = 2; // one accepted: a saved game offers it anew
    current_main = 2;
    const std::array<int, 16> inv = std::to_array(player_inv), values = std::to_array(player_inv_value);
    ASSERT_NE(current_gold, -1);
    const int gold = player_inv_value[current_gold];
    EXPECT_EQ(gold, 250);

    // Escape saves the game and opens the pause page; its "Quit^and_save" leads to the menu.
    const std::string file = "data/save/savefile" + std::to_string(slot) + ".sav";
    std::filesystem::remove(file);
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Settle_On(1, 53, 3000)) << Box_Texts();
    EXPECT_TRUE(std::filesystem::exists(file)) << file;
    Run(600);
    Click(View_X(-0.35f), View_Y(-0.13f)); // "Quit^and_save"
    ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 30000))
        << "menu not reached: " << episode << "/" << scene << Box_Texts();

    // What was carried is forgotten here, as in a new process...
    for (int i = 0; i < 16; ++i) player_inv[i] = player_inv_value[i] = 0;
    current_gold = current_weapon = -1;
    main_mission[1] = main_mission[2] = main_mission[3] = 0;
    current_main = 0;

    // ...and comes back with the slot.
    Click_Sprite(22); // Start
    ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached";
    Click_Sprite(3);
    ASSERT_EQ(file_selected, 3);
    Click_Sprite(3); // a full slot: the saved game, opened on the camp page
    ASSERT_TRUE(Settle_On(1, 5, 15000)) << "camp page not reached: " << episode << "/" << scene << Box_Texts();
    ASSERT_TRUE(Run_Until([] { return (In(2, 0) && fade >= 1.0f && p1_id != -1) || In(1, 118) || In(1, 139); }, 60000))
        << "the camp did not come back: " << episode << "/" << scene << Box_Texts();
    if (!In(2, 0)) { // the briefing
        Run(700);
        Click_Sprite(1);
        ASSERT_TRUE(Run_Until([] { return In(2, 0) && fade >= 1.0f && p1_id != -1; }, 10000))
            << "the camp did not come back: " << episode << "/" << scene << Box_Texts();
    }
    EXPECT_EQ(game_mode, MODE_WALK);
    EXPECT_EQ(current_file, slot);
    EXPECT_EQ(std::to_array(player_inv), inv);
    EXPECT_EQ(std::to_array(player_inv_value), values);
    ASSERT_NE(current_gold, -1);
    EXPECT_EQ(player_inv_value[current_gold], gold);
    EXPECT_EQ(main_mission[1], 3);
    EXPECT_EQ(main_mission[2], 1);
    EXPECT_EQ(main_mission[3], 0);
    EXPECT_EQ(current_main, 2);
    Shot("saved_game_taken_up");
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
