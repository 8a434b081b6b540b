// The played story, second act: from the save the first act left in the act-two camp to the
// arrival in the act-three camp, played as a player plays it in the mouse-only scheme. The
// game is started again and the kept slot opened from the menu; the new commander takes the
// convoy mission over, then gives, and is told of, the nun's errand, the revenge on the
// village's guns, the attack along the trench (through the trench gallery) and the rescue from
// the fortress's dungeon, where the jailer is fought and the prisoner led out; the pages that
// follow bring the player into the act-three camp, where Escape saves the game. The test only
// moves the pointer, clicks, presses keys and waits; it reads the game's state to find its
// way and to check what happened.
#include "support/story_act2_drivers.h"

#include <cmath>
#include <string>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/inventory.h"
#include "main/window.h"
#include "world/world_clock.h"

namespace {

class Story_Act2 : public Act2_Player {
protected:
    // The exit of the loaded scene that leads to level `sector`; -1 none.
    static int Exit_To(int sector) {
        for (int i = 0; i < no_sprites; ++i)
            if ((sprite[i].type == TRI || sprite[i].type == LAD) && sprite[i].sector == sector) return i;
        return -1;
    }
    // The object of kind `kind` (its `sector_action`); -1 none.
    static int Object_Of_Kind(int kind) {
        for (int i = 0; i < no_sprites; ++i)
            if (sprite[i].type == OBJ && sprite[i].sector_action == kind && !sprite[i].mouseover) return i;
        return -1;
    }
    static std::string Where() {
        Shot("act2_where");
        std::string s = " at " + std::to_string(episode) + "/" + std::to_string(scene);
        if (p1_id != -1)
            s += " (" + std::to_string(PX()) + ", " + std::to_string(PY()) + ") health " +
                 std::to_string(sprite[p1_id].score);
        return s + Box_Texts();
    }

    // The game started again, the menu's Start, the kept slot selected and opened; then the
    // pages a loaded game shows, up to the camp the save was taken in.
    void Open_Kept_Game(const std::string& part) {
        ASSERT_TRUE(gl_);
        Restore_Story_Save(part);
        if (HasFatalFailure()) return;
        const int slot = Kept_Slot(part);
        Boot_To_Menu();
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached" << Where();
        Click_Sprite(22); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached" << Where();
        Click_Sprite(3 + slot);
        Click_Sprite(3 + slot); // a full slot opens the saved game
        ASSERT_TRUE(Arrive_In(2, 3, 120000)) << "the act-two camp did not come back" << Where();
        ASSERT_EQ(current_file, slot);
        ASSERT_TRUE(CONTROL_SCHEME) << "the story is played in the mouse-only scheme";
    }

    // Out by the exit to level `sector` and on, through the pages between, into scene e/s;
    // false when the player does not get there (he fell on the way).
    bool Go(int sector, int e, int s) {
        const int exit = Exit_To(sector);
        if (exit == -1) {
            Trace("no exit to level %d", sector);
            return false;
        }
        if (!Walk_Into_Exit(exit)) return false;
        return Arrive_In(e, s);
    }
    // Back to the act-two camp from where the player stands (the roadway, the village, the
    // fortress, or his tent after a death), by the roads.
    bool Back_To_Camp() {
        for (int k = 0; k < 6; ++k) {
            if (In(2, 3) && p1_id != -1) return true;
            if (In(2, 2)) Go(LVL_TRANS_FORK1, 2, 4);
            else if (In(2, 4)) Go(LVL_TRANS_CAMP, 2, 3);
            else if (In(2, 8)) Go(LVL_ROADWAY, 2, 4);
            else Arrive_In(2, 3);
        }
        return In(2, 3) && p1_id != -1;
    }
    // From the camp to the village, by the farm track and the roadway.
    bool To_Village() { return Go(LVL_TRANS_FORK, 2, 4) && Go(LVL_TRANS_VILLAGE, 2, 2); }
    // Plays `leg` from the camp until `done` holds: a player who falls on the way wakes in his
    // tent with full health and sets out again (the fallen enemies stay down).
    void Until(const std::function<bool()>& done, const std::function<void()>& leg, const char* what, int tries = 4) {
        for (int k = 0; k < tries && !done(); ++k) {
            ASSERT_TRUE(Back_To_Camp()) << "not back in the camp" << Where();
            if (sprite[p1_id].score < PLY_VITALITY * 3 / 4) Sleep_In_Tent();
            if (HasFatalFailure()) return;
            Trace("%s: attempt %d", what, k + 1);
            leg();
            if (HasFatalFailure()) return;
        }
        ASSERT_TRUE(done()) << what << " not done" << Where();
    }

    // Into his tent, a night's sleep (full health; six hours on), and out again onto the
    // parade ground.
    void Sleep_In_Tent(int nights = 1) {
        Travel_To_Page(LVL_TENT, 1, 25);
        if (HasFatalFailure()) return;
        for (int k = 0; k < nights; ++k) {
            Run(800);
            Click(View_X(Box_X(6)), View_Y(Box_Y(6))); // "Go to sleep"
            ASSERT_TRUE(Run_Until([] { return next_scene; }, 3000)) << "no sleep" << Where();
            ASSERT_TRUE(Settle_On(1, 25, 10000)) << Where();
        }
        Run(800);
        Click(View_X(Box_X(13)), View_Y(Box_Y(13))); // "Leave tent"
        ASSERT_TRUE(Arrive_In(2, 3)) << "not out of the tent" << Where();
        Trace("slept: health %d, %d:%02d", sprite[p1_id].score, hours, minutes);
    }
    void Travel_To_Page(int sector, int e, int s) {
        const int exit = Exit_To(sector);
        ASSERT_NE(exit, -1) << "no exit to level " << sector << Where();
        ASSERT_TRUE(Walk_Into_Exit(exit)) << "the exit to level " << sector << " was not reached" << Where();
        ASSERT_TRUE(Settle_On(e, s, 10000)) << "page " << e << "/" << s << " not opened" << Where();
    }

    // Whether the night is on (from a quarter past ten) with some hours of it left.
    static bool Night_Ahead() { return (hours == 22 && minutes > 14) || hours >= 23 || hours <= 3; }

    // Through the commander's door into his conversation, played to its end with `answer`
    // to a question, and back in the camp.
    void Visit_Commander(int answer) {
        const int door = Exit_To(LVL_BETSY);
        ASSERT_NE(door, -1) << "no door to the commander" << Where();
        ASSERT_TRUE(Walk_Into_Exit(door)) << "the commander's door did not open" << Where();
        ASSERT_TRUE(Settle_On(1, 65, 10000)) << "the commander's page did not open" << Where();
        ASSERT_TRUE(Talk_Through(answer)) << "the commander's conversation did not end" << Where();
        ASSERT_TRUE(Arrive_In(2, 3)) << "not back in the camp" << Where();
    }
};

TEST_F(Story_Act2, FromTheActTwoCampToTheActThreeCamp) {
    Open_Kept_Game("test_story_act1b");
    if (HasFatalFailure()) return;
    EXPECT_EQ(current_act, 2);

    // The new commander takes the convoy mission over without an offer (the first act may
    // have left it done, accomplished or accepted)...
    if (main_mission[6] != 3) {
        Visit_Commander(0);
        if (HasFatalFailure()) return;
    }
    ASSERT_EQ(main_mission[6], 3) << "the convoy mission was not taken over";
    // ...and offers the nun's errand on the next visit.
    Visit_Commander(1);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[7], 2) << "the nun's errand was not given";
    EXPECT_EQ(current_main, 7);
    Shot("act2_mission7_given");

    // The nun's errand: north by the farm track to the roadway, west to the village, to the
    // nun at the church door; her page and the picture after it leave the player by the
    // church with the errand done.
    Until([] { return main_mission[7] == 1; }, [&] {
        if (!To_Village()) return;
        Shot("act2_village");
        const int nun = Object_Of_Kind(OBJ_NUN);
        ASSERT_NE(nun, -1) << "the nun is not at the church" << Where();
        if (Use_Object(nun)) Arrive_In(2, 2);
    }, "the nun's errand", 8);
    if (HasFatalFailure()) return;
    EXPECT_EQ(global_objects[33], 1);
    // Back to the camp, and the errand reported.
    ASSERT_TRUE(Back_To_Camp()) << Where();
    Visit_Commander(0);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[7], 3) << "the nun's errand was not reported";

    // The revenge: the village's four field guns, each blown up with a grenade (the commander
    // gives six).
    Visit_Commander(1);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[8], 2) << "the revenge was not given";
    Until([] { return main_mission[8] == 1 || main_mission[8] == 3; }, [&] {
        if (!To_Village()) return;
        // The nearest gun still standing, one after another.
        for (int n = 0; n < 4 && p1_id != -1 && In(2, 2); ++n) {
            int next = -1;
            for (int g : {10, 336, 337, 338})
                if (sprite[g].score > 0 && (next == -1 || Gap_To(g) < Gap_To(next))) next = g;
            if (next == -1 || !Blow_Up(next)) break;
        }
        Arrive_In(2, 2); // the picture of the mission's end, and back
    }, "the revenge on the guns", 14);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Back_To_Camp()) << Where();
    Visit_Commander(0);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[8], 3) << "the revenge was not reported";

    // The gold goes on a rifle at the trader's: a shot from it drops a man.
    {
        const int trader = Object_Of_Kind(OBJ_DODGYDAN);
        ASSERT_NE(trader, -1) << Where();
        ASSERT_TRUE(Use_Object(trader)) << "the trader's page did not open" << Where();
        ASSERT_TRUE(Settle_On(1, 27, 5000)) << Where();
        ASSERT_TRUE(Talk_Through(0)) << Where();
        ASSERT_TRUE(Settle_On(1, 7, 5000)) << "the shop did not open" << Where();
        Buy_In_Shop(1); // the Enfield rifle
        if (current_gold != -1 && player_inv_value[current_gold] >= 1000) Buy_In_Shop(3); // and the Thompson
        Trace("bought: rifle %d (rounds %d), machine gun %d", Slot_Holding({6, 7}) != -1, Rifle_Rounds(),
              Slot_Holding({38, 39}) != -1);
        Leave_Shop();
        ASSERT_TRUE(Arrive_In(2, 3)) << Where();
        Arm();
    }

    // The attack along the trench: the village's north road (open now) to the trench
    // gallery, its rounds and the colonel's won, the pages after them, and the fortress's
    // gardens, where the arrival completes the mission; back to the camp by the road.
    Visit_Commander(1);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[9], 2) << "the attack along the trench was not given";
    Until([] { return main_mission[9] == 1 || main_mission[9] == 3; }, [&] {
        if (!To_Village()) return;
        if (Go(LVL_SH00T_TRENCH, 2, 8)) Run(500);
    }, "the attack along the trench", 16);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Back_To_Camp()) << Where();
    Visit_Commander(0);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[9], 3) << "the attack along the trench was not reported";
    EXPECT_EQ(global_objects[42], 1) << "the palace's tunnel is not open";

    // The rescue from the fortress: by night through the tunnels to the palace, in at its
    // gateway (the general's page on the way down), the jailer fought in the dungeon and the
    // prisoner led out; the pages after it end the act in the act-three camp.
    Visit_Commander(1);
    if (HasFatalFailure()) return;
    ASSERT_EQ(main_mission[10], 2) << "the rescue was not given";
    Until([] { return current_act == 3; }, [&] {
        // Night falls at a quarter past ten: the tent's sleep moves the clock on.
        for (int k = 0; k < 4 && !Night_Ahead(); ++k) {
            Sleep_In_Tent();
            if (HasFatalFailure()) return;
        }
        Trace("setting out at %d:%02d", hours, minutes);
        const int dugout = Exit_To(LVL_TUNNEL);
        ASSERT_NE(dugout, -1) << Where();
        if (!Walk_Into_Exit(dugout)) return;
        if (!Settle_On(1, 31, 10000)) return;
        Run(600);
        Click(View_X(Box_X(7)), View_Y(Box_Y(7))); // "Palace"
        if (!Arrive_In(2, 8)) return;
        Run_Until([] { return daytime; }, 90000); // the gate is drawn back at night
        Trace("at the palace at %d:%02d, night %d", hours, minutes, daytime);
        if (!Go(LVL_DUNGEON, 3, 28)) return;
        constexpr int kJailer = 14, kPrisoner = 11;
        if (sprite[kJailer].score > 0) {
            defend_on_walks = false;
            Fight(kJailer, 180000);
            defend_on_walks = true;
            Trace("the jailer: %d, player %d", sprite[kJailer].score, p1_id != -1 ? sprite[p1_id].score : -1);
        }
        if (p1_id == -1 || sprite[p1_id].score <= 0) return;
        // His fall is the mission's end: its picture, and back in the dungeon.
        Run_Until([] { return global_objects[44] == 1 && (next_scene || !lock_player); }, 6000);
        if (!Arrive_In(3, 28, 30000)) return;
        Run_Until([] { return !lock_player; }, 3000);
        if (Use_Object(kPrisoner)) Arrive_In(2, 10, 120000);
    }, "the rescue from the fortress", 10);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Arrive_In(2, 10, 120000)) << "the act-three camp not reached" << Where();
    EXPECT_EQ(main_mission[10], 1);
    Shot("act2_act_three_camp");

    // Escape saves the game (and opens the pause page); the save is kept for the next act.
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Settle_On(1, 53, 5000)) << "the pause page did not open" << Where();
    Keep_Story_Save("test_story_act2");
}

} // namespace
