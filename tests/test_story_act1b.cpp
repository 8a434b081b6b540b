// The story played on from where its first part left it (missions 1 to 3 reported, the player
// in the act-one camp): the game taken up from the kept slot, the spy on the cliffs and his
// errand aboard the battleship (mission 4), the Professor in his laboratory (mission 5), the
// convoy escorted to the forward depot and the Professor followed back down into the lower
// laboratory (mission 6). Only what a player does: pointer moves, clicks, keys and waiting;
// the wounds of a trip are slept off in the camp's tent before the next.
#include "support/story_act1b_drivers.h"

#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "main/window.h"

namespace {

class Story_Act1b : public Act1bStoryGame {
protected:
    static constexpr int kBetsy = 140, kBeachRoad = 73; // in the act-one camp
    static constexpr int kTent = 123, kCampTunnel = 42;  // in the act-one camp
    static constexpr int kBayHatch = 190;               // on the beach: the tunnel to the boat yard
    static constexpr int kToCliffs = 1, kGangway = 2;   // in the boat yard
    static constexpr int kSpy = 3, kToYard = 0;         // on the cliffs
    static constexpr int kBelowDecks = 18;              // aboard the battleship
    static constexpr int kLabDoor = 1;                  // on the cliffs
    static constexpr int kStairWell = 1;                // in the laboratory
    static constexpr int kProfessor = 2;                // in the lower laboratory
    static constexpr int kLowerLabStairs = 0;           // in the lower laboratory
    static constexpr int kPenRamp = 1;                  // in the lower laboratory
    static constexpr int kLabToCliffs = 0;              // in the laboratory
    static constexpr int kYardHatch = 28;               // in the boat yard
    static constexpr int kBeachToCamp = 60;             // on the beach: the coast road
    static constexpr int kConvoyRoad = 180;             // on the beach: the convoy road
    static constexpr int kConvoyBack = 30;              // on the convoy road: back to the beach

    static bool Opening(int e, int s) { return (next_scene && episode == e && scene == s) || In(e, s); }
    // Waits until scene e/s is on, faded in (with the player made in a walk scene).
    static bool Arrive(int e, int s, int ms = 20000) {
        for (int k = 0; k < 3; ++k) {
            if (!Run_Until([=] { return Settled(e, s) || (Perk_Page_Opened() && !(e == 1 && s == 141)); }, ms)) return false;
            if (Settled(e, s)) return true;
            Spend_Perks_And_Return();
        }
        return Settled(e, s);
    }

    // Into the tent, a night's sleep (the player wakes up whole), and out into the camp.
    void Rest_In_The_Tent() {
        // Points from rank ups first go to the heart (more life), on the perk page (Tab).
        if (level_up_points > 0) {
            Tap(platform::VK_TAB);
            ASSERT_TRUE(Run_Until([] { return Perk_Page_Opened(); }, 3000)) << Where();
            Spend_Perks_And_Return();
            ASSERT_TRUE(Settled(2, 0)) << Where();
        }
        ASSERT_TRUE(Walk_Into(kTent)) << Where();
        ASSERT_TRUE(Arrive(1, 25)) << Where();
        Run(700);
        Click_Sprite(6); // "Go_to_sleep"
        ASSERT_TRUE(Run_Until([] { return next_scene; }, 3000)) << Where();
        ASSERT_TRUE(Arrive(1, 25)) << Where();
        ASSERT_TRUE(Run_Until([] { return title_sequence == 1; }, 10000)) << Where();
        Run(300);
        Click_Sprite(13); // "Leave_Tent"
        ASSERT_TRUE(Arrive(2, 0)) << Where();
        EXPECT_EQ(sprite[p1_id].score, PLY_VITALITY) << "the night's sleep did not heal";
    }

    // From the camp through its tunnel and the tunnels' map ("Boat^Yard") to the boat yard.
    // Down an open tunnel hatch, the tunnels' map page, and its way to the camp.
    void Hatch_To_Camp(int hatch) {
        ASSERT_TRUE(Walk_Into(hatch)) << Where();
        ASSERT_TRUE(Arrive(1, 31)) << Where();
        Run(500);
        Click_Sprite(4); // "Summer_Camp"
        ASSERT_TRUE(Arrive(2, 0)) << Where();
    }
    void Camp_Tunnel_To_Boat_Yard() {
        ASSERT_TRUE(Walk_Into(kCampTunnel)) << Where();
        ASSERT_TRUE(Arrive(1, 31)) << Where();
        Run(500);
        Click_Sprite(8); // "Boat^Yard"
        ASSERT_TRUE(Arrive(3, 18)) << Where();
    }
    // From the boat yard up the cliff road, through the steel door and down the stair well to
    // the lower laboratory.
    void Boat_Yard_To_Lower_Laboratory() {
        ASSERT_TRUE(Walk_Into(kToCliffs)) << Where();
        ASSERT_TRUE(Arrive(3, 21)) << Where();
        ASSERT_TRUE(Walk_Into(kLabDoor)) << Where();
        ASSERT_TRUE(Arrive(3, 22)) << Where();
        ASSERT_TRUE(Walk_Into(kStairWell)) << Where();
        ASSERT_TRUE(Arrive(3, 23)) << Where();
    }

    // A step of a trip the player may fall on: true when it went through; a fall is his to
    // take again from the tent, anything else fails the test.
    static bool Went(bool ok) {
        if (ok) return true;
        if (!Fallen()) ADD_FAILURE() << "the trip stopped " << Where();
        return false;
    }
    // The camp's tunnel to the boat yard, the cliffs, the laboratory and down to the lower
    // laboratory; false when he fell on the way.
    bool Camp_To_Lower_Laboratory() {
        if (!Went(Walk_Into(kCampTunnel)) || !Went(Arrive(1, 31))) return false;
        Run(500);
        Click_Sprite(8); // "Boat^Yard"
        return Went(Arrive(3, 18)) && Went(Walk_Into(kToCliffs)) && Went(Arrive(3, 21)) && Went(Walk_Into(kLabDoor)) &&
               Went(Arrive(3, 22)) && Went(Walk_Into(kStairWell)) && Went(Arrive(3, 23));
    }

    // Waits where he stands until ready() holds, fighting whoever comes near.
    static bool Wait_Fighting(const std::function<bool()>& ready, int ms) {
        for (int t = 0; t < ms; t += 100) {
            if (ready()) return true;
            if (!Fight()) return false;
            Run_Until(ready, 100);
        }
        return ready();
    }

    // Shoots object i (a tunnel cover, a mast) until it breaks, as a player does: the pointer
    // on it and a click for each shot.
    static bool Shoot_Down(int i, const std::function<bool()>& done) {
        for (int t = 0; t < 40 && !done(); ++t) {
            if (!Fight()) return false;
            const object& o = sprite[i];
            Click_At(o.w + o.box_width / 2, o.z + o.box_height / 2, done);
            Run_Until(done, 300);
        }
        return done();
    }
    // From the kept save of the first half to the lower laboratory, the Professor fled ahead.
    void To_The_Lower_Laboratory() {
        const int slot = Kept_Slot("test_story_act1a");
        Restore_Story_Save("test_story_act1a");
        if (HasFatalFailure()) return;
        Boot_To_The_Menu();
        if (HasFatalFailure()) return;
        Take_Up_Slot(slot);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Settled(2, 0)) << Where();
        ASSERT_TRUE(CONTROL_SCHEME);
        for (int m = 1; m <= 3; ++m) ASSERT_EQ(main_mission[m], 3) << m;
        ASSERT_EQ(current_main, 0);
        ASSERT_EQ(current_act, 1);
        // What the first part leaves him: whole, the pistol, the shotgun with a few shells and
        // some grenades; the fights below count on them.
        EXPECT_EQ(sprite[p1_id].score, PLY_VITALITY);
        for (int code : {10, 34, 36, 29}) EXPECT_NE(Slot_Holding(code), -1) << "nothing of code " << code << " carried";
        Shot("act1b_camp");

        // Down the road to the beach (the travel page on its own), then along the shore to the
        // tunnel cover by the bay path: shot open, it is the way down to the boat yard.
        // A player who falls on the shore wakes in the tent and comes down the road again; the
        // soldiers he brought down stay down.
        falls_expected = true;
        for (int tries = 0;; ++tries) {
            ASSERT_LT(tries, 4) << "the shore was not crossed " << Where();
            if (Fallen()) {
                Trace("fallen");
                Get_Up_Again();
                if (HasFatalFailure()) return;
                ASSERT_TRUE(Arrive(2, 0)) << Where();
            }
            ASSERT_TRUE(Walk_Into(kBeachRoad)) << Where();
            ASSERT_TRUE(Run_Until([] { return Settled(3, 3); }, 20000)) << Where();
            Shot("act1b_beach");
            if (Walk_To(Box_X(kBayHatch) - 0.5f, Box_Y(kBayHatch) - 0.3f, 0.3f, [] { return false; })) break;
            ASSERT_TRUE(Fallen()) << Where();
        }
        falls_expected = false;
        ASSERT_TRUE(Shoot_Down(kBayHatch, [] { return sprite[kBayHatch].type == LAD; })) << Where();
        EXPECT_EQ(global_objects[16], 1);
        Shot("act1b_bay_hatch");

        // Down the open hatch into the tunnels and back to the camp, a night's sleep in the tent
        // for the wounds of the beach, then the camp's tunnel to the boat yard.
        Hatch_To_Camp(kBayHatch);
        if (HasFatalFailure()) return;
        Rest_In_The_Tent();
        if (HasFatalFailure()) return;
        Camp_Tunnel_To_Boat_Yard();
        if (HasFatalFailure()) return;
        Shot("act1b_boat_yard");

        // Up the cliff road to the spy in his hide: his errand is mission 4, taken on.
        ASSERT_TRUE(Walk_Into(kToCliffs)) << Where();
        ASSERT_TRUE(Arrive(3, 21)) << Where();
        ASSERT_TRUE(Visit(kSpy, [] { return Opening(1, 28); })) << Where();
        ASSERT_TRUE(Arrive(1, 28)) << Where();
        std::vector<std::string> lines = Talk({true});
        EXPECT_TRUE(Said(lines, "Your_one_of^Betsy&s_lot")) << (lines.empty() ? "" : lines.front());
        EXPECT_EQ(main_mission[4], 2);
        EXPECT_EQ(current_main, 4);
        ASSERT_TRUE(Arrive(3, 21)) << Where();
        EXPECT_TRUE(Sent_To_Spawn(5));
        Shot("act1b_after_spy");

        // Mission 4: down to the yard and up the battleship's gangway; the spy aboard sends the
        // player below decks, where the crew is fought at the guns (the gallery's rounds).
        ASSERT_TRUE(Walk_Into(kToYard)) << Where();
        ASSERT_TRUE(Arrive(3, 18)) << Where();
        ASSERT_TRUE(Visit(kGangway, [] { return Opening(1, 33); })) << Where();
        ASSERT_TRUE(Arrive(1, 33)) << Where();
        lines = Talk({true});
        EXPECT_EQ(global_objects[17], 2);
        ASSERT_TRUE(Arrive(3, 19)) << Where();
        ASSERT_TRUE(Run_Until([] { return !sprite[kBelowDecks].moving; }, 2000)) << "the hatch stays shut";
        ASSERT_TRUE(Walk_Into(kBelowDecks)) << Where();
        ASSERT_TRUE(Arrive(1, 110)) << Where();
        Shot("act1b_below_decks");

        // The rounds at the guns of the lower decks, the admiral's line in between, the admiral
        // himself; his fall ends the errand (the lower decks taken) and the dusk fight's scenes
        // lead back to the beach by the jetty, where the spy's errand is done.
        for (int round : {8, 21, 22}) {
            ASSERT_TRUE(Arrive(1, round, 30000)) << Where();
            Win_Gallery_Round();
            ASSERT_GT(old_health, 0) << "the player fell in round " << round;
        }
        ASSERT_TRUE(Arrive(1, 40)) << Where();
        Talk({});
        ASSERT_TRUE(Arrive(1, 23)) << Where();
        Win_Gallery_Round();
        ASSERT_GT(old_health, 0) << "the player fell to the admiral";
        EXPECT_EQ(global_objects[17], 1);
        ASSERT_TRUE(Arrive(1, 41)) << Where();
        Talk({});
        ASSERT_TRUE(Arrive(1, 42)) << Where();
        Talk({});
        ASSERT_TRUE(Arrive(1, 128)) << Where();
        ASSERT_TRUE(Arrive(3, 3, 20000)) << Where();
        EXPECT_TRUE(Sent_To_Spawn(33));
        ASSERT_TRUE(Run_Until([] { return main_mission[4] == 1; }, 3000)) << "mission 4 not done";
        Shot("act1b_mission4_done");

        // Through the tunnels to the camp (the bay path's hatch is nearer than the coast road): the
        // commander takes the report and gives mission 5.
        Hatch_To_Camp(kBayHatch);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Visit(kBetsy, [] { return Opening(1, 0); })) << Where();
        ASSERT_TRUE(Arrive(1, 0)) << Where();
        lines = Talk({});
        EXPECT_EQ(main_mission[4], 3);
        EXPECT_EQ(current_main, 0);
        ASSERT_TRUE(Arrive(2, 0)) << Where();
        ASSERT_TRUE(Visit(kBetsy, [] { return Opening(1, 0); })) << Where();
        ASSERT_TRUE(Arrive(1, 0)) << Where();
        lines = Talk({true});
        EXPECT_TRUE(Said(lines, "Our_Spy_Bigg&s")) << (lines.empty() ? "" : lines.front());
        EXPECT_EQ(main_mission[5], 2);
        EXPECT_EQ(current_main, 5);
        ASSERT_TRUE(Arrive(2, 0)) << Where();

        // Mission 5: a night's sleep, the tunnel to the boat yard, the cliffs, the laboratory
        // behind the steel door and down to the Professor.
        // The guards on the way are many for what he carries: a player who falls wakes in the
        // tent and goes again, and those he brought down stay down.
        Rest_In_The_Tent();
        if (HasFatalFailure()) return;
        falls_expected = true;
        for (int tries = 0;; ++tries) {
            ASSERT_LT(tries, 6) << "the Professor was not reached " << Where();
            if (Fallen()) {
                Get_Up_Again();
                if (HasFatalFailure()) return;
                ASSERT_TRUE(Arrive(2, 0)) << Where();
            }
            if (Camp_To_Lower_Laboratory() && Went(Visit(kProfessor, [] { return Opening(1, 38); }))) break;
            if (HasFailure()) return;
        }
        falls_expected = false;
        ASSERT_TRUE(Arrive(1, 38)) << Where();
        lines = Talk({});
        ASSERT_TRUE(Arrive(1, 46)) << Where();
        lines = Talk({});
        EXPECT_EQ(global_objects[20], 1);
        ASSERT_TRUE(Arrive(3, 23)) << Where();
        Shot("act1b_alarm");

        // Out again with the alarm ringing: up through the laboratory, over the cliffs to the boat
        // yard and down its hatch, through the tunnels to the camp and a night's sleep; then down
        // the road to the beach, where the Professor's plans reach the camp's side (mission 5 done).
        ASSERT_TRUE(Walk_Into(kLowerLabStairs)) << Where();
        ASSERT_TRUE(Arrive(3, 22)) << Where();
        ASSERT_TRUE(Walk_Into(kLabToCliffs)) << Where();
        ASSERT_TRUE(Arrive(3, 21)) << Where();
        ASSERT_TRUE(Walk_Into(kToYard)) << Where();
        ASSERT_TRUE(Arrive(3, 18)) << Where();
        Hatch_To_Camp(kYardHatch);
        if (HasFatalFailure()) return;
        Rest_In_The_Tent();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Walk_Into(kBeachRoad)) << Where();
        ASSERT_TRUE(Arrive(3, 3, 20000)) << Where();
        ASSERT_TRUE(Run_Until([] { return main_mission[5] == 1; }, 3000)) << "mission 5 not done";

        // Straight back up the coast road to the camp: the commander takes the report and gives
        // mission 6, the Professor's flight by submarine.
        ASSERT_TRUE(Walk_Into(kBeachToCamp)) << Where();
        ASSERT_TRUE(Arrive(2, 0, 30000)) << Where();
        ASSERT_TRUE(Visit(kBetsy, [] { return Opening(1, 0); })) << Where();
        ASSERT_TRUE(Arrive(1, 0)) << Where();
        lines = Talk({});
        EXPECT_EQ(main_mission[5], 3);
        ASSERT_TRUE(Arrive(2, 0)) << Where();
        ASSERT_TRUE(Visit(kBetsy, [] { return Opening(1, 0); })) << Where();
        ASSERT_TRUE(Arrive(1, 0)) << Where();
        lines = Talk({true});
        EXPECT_TRUE(Said(lines, "The_Professor_plan&s")) << (lines.empty() ? "" : lines.front());
        EXPECT_EQ(main_mission[6], 2);
        EXPECT_EQ(current_main, 6);
        ASSERT_TRUE(Arrive(2, 0)) << Where();
        Shot("act1b_mission6");
        Trace("mission 6 given");

        // Mission 6: a night's sleep, then down to the beach and east along the coast road to the
        // lorry park, where the convoy sets off: its lorry drives itself to the forward depot's
        // gate while the player keeps to the start of the road, clear of the tripwires.
        Rest_In_The_Tent();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Walk_Into(kBeachRoad)) << Where();
        ASSERT_TRUE(Arrive(3, 3, 20000)) << Where();
        ASSERT_TRUE(Run_Until([] { return !sprite[kConvoyRoad].moving; }, 2000)) << "the convoy road stays shut";
        ASSERT_TRUE(Walk_Into(kConvoyRoad)) << Where();
        ASSERT_TRUE(Arrive(3, 4)) << Where();
        ASSERT_NE(a_vehicle, -1) << "no lorry on the convoy road";
        const int lorry = a_vehicle;
        ASSERT_TRUE(Wait_Fighting([] { return title_sequence == 2; }, 8000)) << "the lorry never set off";
        ASSERT_TRUE(Wait_Fighting([] { return a_vehicle == -1 || title_sequence >= 100; }, 90000))
            << "the lorry never reached the depot's gate: it stands at (" << Box_X(lorry) << ", " << Box_Y(lorry) << ")";
        EXPECT_EQ(success_condition, 1) << "the escort failed";
        EXPECT_TRUE(sprite[lorry].turn_off);
        Shot("act1b_convoy");
        ASSERT_TRUE(Walk_Into(kConvoyBack)) << Where();
        ASSERT_TRUE(Arrive(3, 3, 20000)) << Where();

        // After the Professor: through the bay path's hatch and the tunnels to the camp for a
        // night's sleep, then the camp's tunnel to the boat yard, over the cliffs and down through
        // the laboratory, whose ramp leads on into the submarine pen.
        Hatch_To_Camp(kBayHatch);
        if (HasFatalFailure()) return;
        Rest_In_The_Tent();
        if (HasFatalFailure()) return;
        Camp_Tunnel_To_Boat_Yard();
        if (HasFatalFailure()) return;
        Boat_Yard_To_Lower_Laboratory();
        if (HasFatalFailure()) return;
        EXPECT_TRUE(Sent_To_Spawn(4));
        Shot("act1b_lower_lab");
        Trace("the lower laboratory");
    }
};

// The whole part: missions 4 and 5, the convoy of mission 6 and the way back down to the
// lower laboratory, on through the submarine pen and the act's end to the act-two camp, where
// the save the second act takes up is kept.
TEST_F(Story_Act1b, FromTheBunkersToTheSecondAct) {
    To_The_Lower_Laboratory();
    if (HasFatalFailure()) return;
    std::vector<std::string> lines;
    // The hall's guards and the barracks' men stand in the way with the alarm on, and the
    // Professor's armoured boat waits in the pen below: a player who falls wakes in the tent
    // and comes back the same way. Those he brought down stay down; the boat is whole again
    // (its fight starts over each time the pen is entered).
    falls_expected = true;
    for (int tries = 0;; ++tries) {
        ASSERT_LT(tries, 6) << "the pen was not won " << Where();
        if (Fallen()) {
            Trace("fallen");
            Get_Up_Again();
            if (HasFatalFailure()) return;
            ASSERT_TRUE(Arrive(2, 0)) << Where();
            Camp_Tunnel_To_Boat_Yard();
            if (HasFatalFailure()) return;
            Boat_Yard_To_Lower_Laboratory();
            if (HasFatalFailure()) return;
        }
        // Down the ramp past the open barriers: the Professor's page on the way, the pen's
        // cut-scene, and the quay, where his boat is fought part by part until its core blows.
        if (!Walk_Into(kPenRamp)) {
            ASSERT_TRUE(Fallen()) << Where();
            continue;
        }
        Trace("down the ramp");
        ASSERT_TRUE(Arrive(1, 43)) << Where();
        Talk({});
        ASSERT_TRUE(Arrive(3, 20, 30000)) << Where();
        Shot("act1b_sub_pen");
        if (Fight_The_Boss()) break;
        ASSERT_TRUE(Fallen()) << "the boss was not beaten " << Where();
    }
    falls_expected = false;
    Shot("act1b_boss_beaten");

    // The empty pen, where the general curses the Professor who got away; the coast after the
    // fight, and the second act begins on the supply beach.
    ASSERT_TRUE(Arrive(1, 44, 30000)) << Where();
    lines = Talk({});
    EXPECT_TRUE(Said(lines, "DAMN_AND_BLAST")) << (lines.empty() ? "" : lines.front());
    ASSERT_TRUE(Arrive(1, 130)) << Where();
    ASSERT_TRUE(Arrive(3, 3, 30000)) << Where();
    EXPECT_TRUE(Sent_To_Spawn(34));
    EXPECT_EQ(current_act, 2);
    EXPECT_EQ(main_mission[6], 1);
    Shot("act1b_act_two_beach");

    // Up the coast road to the camp: it burns, the raid's page, and the camp of the second act.
    ASSERT_TRUE(Walk_Into(kBeachToCamp)) << Where();
    ASSERT_TRUE(Arrive(1, 48)) << Where();
    ASSERT_TRUE(Arrive(1, 49, 20000)) << Where();
    lines = Talk({});
    EXPECT_EQ(global_objects[32], 1);
    ASSERT_TRUE(Arrive(2, 3, 30000)) << Where();
    Shot("act1b_act_two_camp");

    // Escape saves the game into its slot; the save is kept for the second act.
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Settle_On(1, 53, 5000)) << "the pause page did not open " << Where();
    Keep_Story_Save("test_story_act1b");
}

} // namespace
