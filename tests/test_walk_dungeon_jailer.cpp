// The fortress dungeon's jailer (a giant with a shotgun: 1000 hit points in the dungeon, 12 a
// hit) fought as a player fights him in the mouse-only scheme with the kit the second act has
// given by then without any purchase: the Weston pistol with its rounds, the shotgun with its
// shells, the grenades left after the village's guns. One life (60 hit points) does not bring
// him down; but a fallen player wakes in his tent with full health and the dungeon remembers
// the jailer's wounds, so he falls over a few descents. The set-up puts the player at the foot
// of the stair with that kit, and after each fall takes him down the stair again (the way
// there is the played story's business); the fight itself is only keys, pointer, clicks and
// waiting.
#include "support/story_act2_drivers.h"

#include <string>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"

namespace {

class Walk_Dungeon_Jailer : public Act2_Player {
protected:
    // A game in the second act on the rescue, the act's kit in the pack, at the foot of the
    // dungeon's stair.
    void Enter_Dungeon(int grenades) {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_act = 2;
        global_objects[32] = 1; // the camp has moved
        main_mission[10] = 2;
        current_main = 10;
        Calculate_Item(0, 9, -1, 0, -1);
        Calculate_Item(120, 13, -1, 120, -1);
        Calculate_Item(120, 13, -1, 120, -1);
        Calculate_Item(0, 32, -1, 0, -1);
        Calculate_Item(25, 36, -1, 25, -1);
        if (grenades > 0) Calculate_Item(grenades, 28, -1, grenades, 0);
        const int pistol = Slot_Code_Of(9);
        for (int i = 0; i < 16; ++i)
            if (player_inv[i] == pistol) current_weapon = i;
        Calculate_Stats();
        PlayedGame::Enter_Scene(3, 28, 0);
    }
};

TEST_F(Walk_Dungeon_Jailer, FallsOverAFewDescentsAndKeepsHisWounds) {
    ASSERT_TRUE(gl_);
    Enter_Dungeon(5);
    ASSERT_NE(p1_id, -1);
    constexpr int kJailer = 14;
    ASSERT_EQ(sprite[kJailer].score, 1000);
    defend_on_walks = false;
    int descents = 0;
    for (; descents < 8 && sprite[kJailer].score > 0; ++descents) {
        const int before = sprite[kJailer].score;
        Fight(kJailer, 120000);
        if (sprite[kJailer].score <= 0) break;
        EXPECT_LT(sprite[kJailer].score, before) << "a life spent without a wound on him";
        // Fallen: the death page and the tent, with full health; then down the stair again.
        const int wounds = sprite[kJailer].score;
        ASSERT_TRUE(Run_Until([] { return episode == 0 && !next_scene && fade >= 1.0f; }, 15000)) << "no death page";
        Through_Page(); // its "Skip scene"
        ASSERT_TRUE(Run_Until([] { return In(1, 25); }, 30000)) << "the death page did not lead to the tent";
        EXPECT_EQ(old_health, PLY_VITALITY);
        next_scene = false;
        PlayedGame::Enter_Scene(3, 28, 0);
        ASSERT_NE(p1_id, -1);
        EXPECT_EQ(sprite[kJailer].score, wounds) << "the dungeon forgot the jailer's wounds";
    }
    EXPECT_LE(sprite[kJailer].score, 0) << "the jailer stands after " << descents + 1 << " descents";
    EXPECT_GE(descents, 1) << "one life was enough: the kit is stronger than the act's";
    // His fall frees the prisoner: touching him now leads to the rescue's page.
    ASSERT_TRUE(Run_Until([] { return global_objects[44] == 1; }, 3000));
    EXPECT_EQ(sprite[11].sector_action, OBJ_RESCUE);
}

} // namespace
