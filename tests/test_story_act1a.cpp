// The story, first half of act one, played as a player plays it in the mouse-only scheme:
// a new game, the intro skipped, the camp's commander met, a night in the tent, the
// training (the drill sergeant, the obstacle course and the range), the radio masts on the
// beach brought down, the two bunkers retaken from their garrisons (each held from the
// corridor below its hall's door; a soldier who falls wakes in his tent and goes again), each
// mission reported to the commander; then, standing in the camp, Escape saves the game for
// the next part.
// Only the pointer, clicks, keys and waiting drive the game; its state is read to find the
// way and to check what happened.
#include "support/story_player.h"

#include <filesystem>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/weapons.h"
#include "scripts/scripts.h"

namespace {

// The camp (2/0): the commander, the drill sergeant, the door of the player's tent, the
// road east to the coast.
constexpr int kCommander = 140, kDrill = 43, kTentDoor = 123, kCoastRoad = 73;
// The training ground (3/1): the sergeant, the nine targets of the range, the road back.
constexpr int kSarge = 68, kBackToCamp = 9;
constexpr int kTargets[] = {10, 11, 12, 13, 14, 15, 16, 17, 18};
// The beach (3/3): the two radio masts, the ways into bunkers A and C, the road to the camp.
constexpr int kMastWest = 177, kMastEast = 178, kBunkerA = 27, kBunkerC = 29, kCampRoad = 60;
// A bunker's way out to the beach.
constexpr int kBunkerExit = 30;

class Story_Act1a : public StoryGame {
protected:
    static int Count_Of(int code) {
        int n = 0;
        for (int i = 0; i < 16; ++i) n += player_inv[i] == code;
        return n;
    }
    // The world position of a cell's centre on the 70 x 70 training ground.
    static float Col(int c) { return c * 0.1f + 0.05f - 3.5f; }
    static float Row(int r) { return (69 - r) * 0.1f + 0.05f - 3.5f; }

    // The commander's page (1/0) from anywhere in the camp; its lines.
    std::vector<std::string> Commander(std::vector<bool> answers = {}) {
        return Talk_To(kCommander, 1, 0, std::move(answers));
    }
    // Back in the camp after a page, standing.
    void Back_In_Camp() {
        ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0); }, 12000)) << Where();
    }
    // From the camp down the coast road to the beach (through the road's travel page),
    // rested first when the last fight left its marks.
    void Camp_To_Beach() {
        if (sprite[p1_id].score < PLY_VITALITY) Rest_In_Tent(kTentDoor);
        if (HasFatalFailure()) return;
        // The pistol in hand on the beach: the shotgun's few shells are kept for the bunkers.
        if (current_weapon < 0 || player_inv[current_weapon] != 10) Take_Weapon(1);
        Trace("to the beach");
        ASSERT_TRUE(Take_Exit(kCoastRoad)) << Where();
        ASSERT_TRUE(Run_Until([] { return Settled_In(3, 3); }, 30000)) << "the beach not reached: " << Where();
    }
    // The intro skipped, the camp page and the briefing: the camp at its gate.
    void Into_The_Camp() {
        ASSERT_TRUE(Settle_On(1, 102, 5000));
        ASSERT_TRUE(Press_Page_Button(2)) << Where(); // Skip^Intro
        ASSERT_TRUE(Settle_On(0, 4, 20000)) << "intro page not reached: " << Where();
        ASSERT_TRUE(Settle_On(1, 57, 15000)) << "sleep page not reached: " << Where();
        ASSERT_TRUE(Settle_On(1, 5, 15000)) << "camp page not reached: " << Where();
        ASSERT_TRUE(Settle_On(1, 139, 60000)) << "briefing not reached: " << Where();
        ASSERT_TRUE(Press_Page_Button(1)) << Where(); // Start^the_fight!
        Back_In_Camp();
        ASSERT_EQ(game_mode, MODE_WALK);
    }

    // Back to the camp from the beach, fighting on the way; a fall ends in the camp as well.
    void Back_To_Camp() {
        if (!Fallen() && In(3, 3)) {
            Trace("to the camp");
            Advance_Standing(Box_X(kCampRoad) + 0.4f, Box_Y(kCampRoad), 0.15f, [] { return Fallen(); });
            if (!Fallen()) {
                ASSERT_TRUE(Take_Exit(kCampRoad)) << Where();
            }
        }
        if (Fallen()) Get_Up_Again();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0); }, 30000)) << "the camp not reached: " << Where();
    }

    // Mission 2: the two masts on the beach shot down; a fall sends the player back from the
    // camp to finish it. Ends in the camp.
    void Bring_Down_The_Masts() {
        for (int attempt = 0; main_mission[2] == 2; ++attempt) {
            ASSERT_LT(attempt, 10) << "the masts still stand after " << attempt << " tries; " << Where();
            if (!In(3, 3)) Camp_To_Beach();
            if (HasFatalFailure()) return;
            const auto hurt = [] { return lock_player || Fallen(); };
            for (int mast : {kMastWest, kMastEast}) {
                if (hurt() || sprite[mast].score <= 0) continue;
                SCOPED_TRACE("mast " + std::to_string(mast));
                Advance_To(Box_X(mast), Box_Y(mast) - 0.45f, 0.12f, hurt);
                for (int round = 0; round < 60 && !hurt() && sprite[mast].score > 0; ++round) {
                    if (Target_Enemy() != -1) Fight([=] { return !Enemy_Close(1.8f) || hurt(); }, 60000);
                    else Shoot_Down(mast, 4);
                }
            }
            // The cheer, the short story scene, and back on the beach where he stood.
            Run_Until([] { return Requested(1, 126) || In(1, 126) || Fallen(); }, 6000);
            if (Fallen()) {
                Get_Up_Again();
                if (HasFatalFailure()) return;
                continue;
            }
            if (!Requested(1, 126) && !In(1, 126)) {
                // Too hurt to go on: back to the camp to rest, and out again.
                Back_To_Camp();
                if (HasFatalFailure()) return;
                continue;
            }
            ASSERT_TRUE(Requested(1, 126) || In(1, 126)) << Where();
            ASSERT_TRUE(Run_Until([] { return Settled_In(3, 3); }, 15000)) << Where();
            EXPECT_EQ(main_mission[2], 1);
        }
        Back_To_Camp();
    }

    // Fights in the open where he stands: an enemy coming for him is aimed at (a click on
    // him), so that the shot goes the moment he steps into reach, before he can fire; a bunch
    // further off gets a grenade; one who keeps his place is walked up to. The weapon is
    // reloaded in a quiet moment, food eaten when the life bar is low. True once won() holds;
    // false when he fell or `ms` passed.
    static bool Stand_And_Fight(const std::function<bool()>& won, int ms) {
        const int until = Now() + ms;
        while (Now() < until) {
            if (won()) return true;
            if (p1_id == -1 || ply_dead || sprite[p1_id].score <= 0 || Scene_Requested()) return won();
            Heal_When_Low();
            if (Grenade_In_Hand() && next_weapon == -1) Take_Weapon(1);
            int e = -1;
            float d = 1e9f;
            for (int i = 0; i < no_sprites; ++i)
                if (Enemy(i) && Distance_To(i) < d && On_Screen(Box_X(i), Box_Y(i) + 0.1f)) d = Distance_To(i), e = i;
            if (e == -1) {
                Run(100);
                continue;
            }
            if (Weapon_Rounds() <= 0) {
                if (!reloading && next_weapon == -1) Right_Click_At(PX() + 0.15f, PY());
                Run_Until([] { return !reloading; }, 3000);
                continue;
            }
            if (d < 0.515f) {
                Fire_At(e);
                continue;
            }
            // A bunch of them (or a strong one) beyond their reach: a grenade.
            if (INV_GRENADE_COUNT > 0 && d > 0.55f && d < 1.2f && Line_Of_Fire(Box_X(e), Box_Y(e)) &&
                (Enemies_Near(e, 0.4f) >= 3 || sprite[e].score >= 40)) {
                Throw_Grenade_At(e);
                continue;
            }
            const object& u = sprite[e];
            if (u.fire_target == p1_id || u.moving) {
                // Coming: aimed at, and waited for.
                float ax = 0, ay = 0;
                if (sprite[p1_id].fire_target != e && Find_Pick(e, ax, ay, true)) Click_At(ax, ay);
                Run_Until([e] { return !Enemy(e) || Distance_To(e) < 0.515f; }, 150);
                continue;
            }
            if (d > 0.9f && Weapon_Rounds() * 2 < GUN_CAPACITY && !reloading && next_weapon == -1) {
                Right_Click_At(PX() + 0.15f, PY());
                Run_Until([] { return !reloading; }, 3000);
                continue;
            }
            // Keeping his place: a few steps up to him, until he is in reach.
            const float k = (d - 0.45f) / d;
            const int cell = Cell_Of(PX() + (Box_X(e) - PX()) * k, PY() + (Box_Y(e) - PY()) * k);
            if (cell >= 0 && Walkable(cell) && On_Screen(Cell_X(cell), Cell_Y(cell))) {
                Click_At(Cell_X(cell), Cell_Y(cell));
                Run_Until([e] { return !Enemy(e) || !sprite[p1_id].moving || Distance_To(e) < 0.5f || sprite[e].moving; }, 1500);
            } else {
                Run(100);
            }
        }
        return won();
    }
    // Whether an enemy in sight within `range`, with nothing solid between, comes for the
    // player (walks, fires) or stands within reach of him; one who keeps his place further
    // off is passed by.
    static bool Threat(float range) {
        for (int i = 0; i < no_sprites; ++i)
            if (Enemy(i) && Distance_To(i) < range && On_Screen(Box_X(i), Box_Y(i) + 0.1f) && Clear_Line(Box_X(i), Box_Y(i)) &&
                (sprite[i].moving || sprite[i].status == 29 || sprite[i].status == 51 || Distance_To(i) < 0.6f))
                return true;
        return false;
    }
    // Walks to (x, y) as Advance_To does, standing to fight (Stand_And_Fight) whenever an
    // enemy comes for him. True once there or stop() holds.
    static bool Advance_Standing(float x, float y, float near, const std::function<bool()>& stop) {
        // The spot itself, or the nearest open ground beside it when it is taken.
        const float r = std::max(near, 0.15f);
        float gx = x, gy = y;
        const auto there = [&] { return Distance_To(x, y) < near || Distance_To(gx, gy) < near; };
        for (int leg = 0; leg < 40; ++leg) {
            if (stop() || there()) return true;
            if (p1_id == -1 || sprite[p1_id].score <= 0) return false;
            if (Threat(1.2f)) {
                Stand_And_Fight([&] { return stop() || !Threat(1.4f); }, 60000);
                if (!stop() && !Threat(1.2f)) Pick_Up_Drops();
                continue;
            }
            const std::vector<int> way =
                Way_To_Cell([&](int c) { return std::hypot(Cell_X(c) - x, Cell_Y(c) - y) < r && Walkable(c); });
            if (way.empty()) {
                ADD_FAILURE() << "no open way to (" << x << ", " << y << "); " << Where();
                return false;
            }
            gx = Cell_X(way.back()), gy = Cell_Y(way.back());
            Walk_Way(way, near, [&] { return stop() || Threat(1.2f); });
        }
        if (!stop() && !there()) ADD_FAILURE() << "did not get to (" << x << ", " << y << "); " << Where();
        return stop() || there();
    }

    // A bunker's garrison fought from the corridor below the hall's one door, (x, y) a spot
    // there: roused, the soldiers come through the door a man at a time, each aimed at as he
    // comes and shot as he steps into reach. While nobody comes, the player walks up into the
    // hall toward the nearest of them until one has seen him (or he is in reach), and back.
    // The pointer rests toward the door (the view leans that way). True once the bunker's
    // counter of enemies on the screen stands at 0; false when he fell or `ms` passed.
    static bool Hold_The_Doorway(float x, float y, float door_x, float door_y, int ms) {
        const int until = Now() + ms;
        int quiet_since = Now();
        while (Now() < until) {
            if (enemy_count == 0) return true; // the counter on the screen
            if (Fallen() || p1_id == -1 || Scene_Requested()) return false;
            Heal_When_Low();
            // The nearest in sight: shot when in reach (indoors a shot carries over the
            // sandbags and round the door's jambs), else, when he comes, aimed at (a click on
            // him) so that the shot goes the moment he steps into reach.
            int e = -1;
            float d = 0.9f;
            for (int i = 0; i < no_sprites; ++i)
                if (Enemy(i) && Distance_To(i) < d && On_Screen(Box_X(i), Box_Y(i) + 0.1f)) d = Distance_To(i), e = i;
            const auto coming = [](int i) { return sprite[i].moving; };
            if (e != -1 && Weapon_Rounds() > 0 && (d < 0.515f || coming(e))) {
                quiet_since = Now();
                if (d < 0.515f) {
                    Fire_At(e);
                    continue;
                }
                float ax = 0, ay = 0;
                if (sprite[p1_id].fire_target != e && Find_Pick(e, ax, ay, true)) Click_At(ax, ay);
                Run_Until([e] { return !Enemy(e) || Distance_To(e) < 0.515f; }, 100);
                continue;
            }
            const bool near = [&] {
                for (int i = 0; i < no_sprites; ++i)
                    if (Enemy(i) && Distance_To(i) < 0.9f && coming(i)) return true;
                return false;
            }();
            if (!reloading && next_weapon == -1 && (Weapon_Rounds() <= 0 || (!near && Weapon_Rounds() < GUN_CAPACITY))) {
                Right_Click_At(PX() + 0.15f, PY());
                Run_Until([] { return !reloading; }, 4000);
                continue;
            }
            if (Distance_To(x, y) > 0.06f) {
                Click_At(x, y);
                Run_Until([&] { return Distance_To(x, y) < 0.06f || !sprite[p1_id].moving; }, 1500);
                continue;
            }
            if (!near && Now() - quiet_since > 3000) {
                // Nobody comes: up into the hall toward the nearest until one of them comes
                // for him or he is in reach; then shot, or back down to the spot.
                int n = -1;
                float nd = 1e9f;
                for (int i = 0; i < no_sprites; ++i)
                    if (i != p1_id && sprite[i].type == UNT && sprite[i].linked_sprite != player_type && sprite[i].score > 0 &&
                        !sprite[i].turn_off && Distance_To(i) < nd)
                        nd = Distance_To(i), n = i;
                if (n == -1) {
                    Run(100);
                    continue;
                }
                Trace("into the hall");
                const std::function<bool()> roused = [] {
                    for (int i = 0; i < no_sprites; ++i)
                        if (Enemy(i) && Distance_To(i) < 0.9f && sprite[i].moving) return true;
                    return false;
                };
                const float ex = Box_X(n), ey = Box_Y(n);
                const std::vector<int> way =
                    Way_To_Cell([&](int c) { return std::hypot(Cell_X(c) - ex, Cell_Y(c) - ey) < 0.45f && Walkable(c); });
                if (way.size() >= 2) Walk_Way(way, 0.06f, [&roused, n] { return roused() || (Enemy(n) && Distance_To(n) < 0.5f); });
                quiet_since = Now();
                continue;
            }
            // Waiting, the pointer up toward the door.
            Point_At(door_x, door_y + 0.45f);
            Run(100);
        }
        return enemy_count == 0;
    }

    // Mission 3: bunkers A and C each entered and its garrison fought down; a fall sends the
    // player back from the camp to the bunker still held. Ends in the camp.
    void Retake_The_Bunkers() {
        for (int attempt = 0; main_mission[3] == 2; ++attempt) {
            ASSERT_LT(attempt, 10) << "the bunkers are still held after " << attempt << " tries; " << Where();
            if (!In(3, 3)) Camp_To_Beach();
            if (HasFatalFailure()) return;
            const int door = global_objective[0] ? kBunkerC : kBunkerA;
            SCOPED_TRACE("bunker by way " + std::to_string(door));
            // Along the beach with the pistol; too hurt on the way, he turns back to rest.
            const auto turn_back = [] { return Fallen() || sprite[p1_id].score < PLY_VITALITY * 4 / 10; };
            if (current_weapon < 0 || player_inv[current_weapon] != 10) Take_Weapon(1);
            Advance_Standing(Box_X(door), Box_Y(door) - 0.3f, 0.15f, turn_back);
            if (!Fallen() && sprite[p1_id].score >= PLY_VITALITY * 4 / 10) {
                ASSERT_TRUE(Take_Exit(door)) << Where();
                ASSERT_TRUE(Run_Until([] { return episode == 3 && (scene == 5 || scene == 7) && Settled_In(3, scene); }, 10000))
                    << Where();
                const int bunker = scene;
                Shot("act1a_bunker_" + std::to_string(bunker));
                Trace("in the bunker");
                Take_Weapon(2); // the shotgun at close range
                // He comes in by the hall's door; the spot to hold it from lies two steps
                // back down the corridor.
                const float door_x = PX(), door_y = PY();
                Hold_The_Doorway(door_x, door_y - 0.2f, door_x, door_y, 240000);
                if (!Fallen()) {
                    // The capture told, or after the second the cheer, its short story scene
                    // and back in the bunker.
                    if (global_objective[0] == 1 && global_objective[2] == 1) {
                        ASSERT_TRUE(Run_Until([] { return Requested(1, 127) || In(1, 127); }, 10000)) << Where();
                        ASSERT_TRUE(Run_Until([=] { return Settled_In(3, bunker); }, 15000)) << Where();
                        EXPECT_EQ(main_mission[3], 1);
                    }
                    Pick_Up_Drops(2.0f);
                    Run(1500);
                    ASSERT_TRUE(Take_Exit(kBunkerExit)) << Where();
                    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 3); }, 10000)) << Where();
                }
            }
            // Hurt, or fallen: back to the camp (and a rest in the tent on the way out again);
            // still fit, on along the beach to the other bunker.
            if (Fallen() || (main_mission[3] == 2 && sprite[p1_id].score < PLY_VITALITY * 6 / 10)) Back_To_Camp();
            if (HasFatalFailure()) return;
        }
        EXPECT_EQ(global_objective[0], 1);
        EXPECT_EQ(global_objective[2], 1);
        ASSERT_EQ(main_mission[3], 1);
        Back_To_Camp();
    }

    // Mission 1: the sergeant's word, the course, the range and his verdict; then back to
    // the camp at the south end of the road.
    void Training() {
        const std::vector<std::string> first = Talk_To(kDrill, 1, 1);
        EXPECT_TRUE(Said(first, "(Received_Weston^Pistol!)"));
        ASSERT_NE(current_weapon, -1);
        ASSERT_TRUE(Settle_On(1, 119, 8000)) << Where();
        ASSERT_TRUE(Press_Page_Button(1)) << Where(); // Skip^Page
        ASSERT_TRUE(Settle_On(1, 120, 5000)) << Where();
        ASSERT_TRUE(Press_Page_Button(1)) << Where(); // Start^the_fight!
        ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1); }, 8000)) << Where();
        ASSERT_TRUE(Run_Until([] { return title_sequence == 1; }, 5000));

        // Round the two walls of the course and onto the firing line.
        for (const auto& [c, r] : {std::pair{37, 34}, {37, 29}, {33, 27}, {33, 21}, {35, 13}})
            ASSERT_TRUE(Walk_To(Col(c), Row(r), 0.08f)) << Where();
        // The range: each target shot from the firing line in front of it.
        for (int t : kTargets) {
            if (lock_player) break; // the last one down: the success pose
            ASSERT_TRUE(Walk_To(Box_X(t), Row(12), 0.08f, [] { return lock_player; })) << Where();
            if (lock_player) break;
            EXPECT_TRUE(Shoot_Down(t)) << "target " << t << " stands";
        }
        // The pose, the short story scene, and back on the range.
        ASSERT_TRUE(Run_Until([] { return Requested(1, 125) || In(1, 125); }, 8000)) << Where();
        ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1); }, 15000)) << Where();
        ASSERT_TRUE(Run_Until([] { return main_mission[1] == 1; }, 5000)) << "mission 1 is " << main_mission[1];

        // Up the road to the sergeant: his verdict, then out at the road's south end.
        const std::vector<std::string> verdict = Talk_To(kSarge, 1, 1);
        EXPECT_TRUE(Said(verdict, "Alright_you_passed^but_I&ve_got_my^eye_on_you."));
        ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1); }, 8000)) << Where();
        ASSERT_TRUE(Take_Exit(kBackToCamp)) << Where();
        Back_In_Camp();
    }
    // From a new game to the bunkers' orders: missions 1 and 2 played and reported, mission 3
    // taken with its shotgun; standing in the camp.
    void To_The_Bunkers_Orders() {
        Start_New_Game(true);
        if (HasFatalFailure()) return;
        Into_The_Camp();
        if (HasFatalFailure()) return;

        // The commander's welcome sends him to his tent; he sleeps and wakes before dawn.
        std::vector<std::string> lines = Commander();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "So_ye&re^joe_then?");
        Back_In_Camp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(global_objects[60], 2);
        Rest_In_Tent(kTentDoor);
        if (HasFatalFailure()) return;
        ASSERT_EQ(global_objects[60], 1);

        // Mission 1, given without a question, then played and reported.
        Commander();
        Back_In_Camp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(main_mission[1], 2);
        Training();
        if (HasFatalFailure()) return;
        ASSERT_EQ(main_mission[1], 1);

        // The report; mission 2 follows at once, with six grenades, and its briefing page.
        Commander();
        ASSERT_TRUE(Run_Until([] { return Requested(1, 121) || In(1, 121); }, 8000)) << Where();
        EXPECT_EQ(main_mission[1], 3);
        EXPECT_EQ(main_mission[2], 2);
        EXPECT_EQ(current_main, 2);
        EXPECT_EQ(INV_GRENADE_COUNT, 6);
        ASSERT_TRUE(Settle_On(1, 121, 6000)) << Where();
        ASSERT_TRUE(Press_Page_Button(1)) << Where(); // Start^the_fight!
        Back_In_Camp();
        if (HasFatalFailure()) return;

        // Mission 2: down to the beach, the two masts shot down, back to the camp.
        Bring_Down_The_Masts();
        if (HasFatalFailure()) return;
        Shot("act1a_masts_down");

        // The report of mission 2 and its closing page back into the camp.
        lines = Commander();
        EXPECT_TRUE(Said(lines, "Great_job_ye&ve^done_joe!^Without_radio^They&re_totally^exposed!")) << lines.size();
        ASSERT_TRUE(Run_Until([] { return Requested(1, 124) || In(1, 124); }, 8000)) << Where();
        EXPECT_EQ(main_mission[2], 3);
        EXPECT_EQ(current_main, 0);
        ASSERT_TRUE(Settle_On(1, 124, 6000)) << Where();
        ASSERT_TRUE(Press_Page_Button(1)) << Where(); // Start^the_fight!
        Back_In_Camp();
        if (HasFatalFailure()) return;

        // Mission 3 offered and accepted: the shotgun and its shells.
        lines = Commander({true});
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "Och!_The_enemy^is_holding_our^bunkers.");
        Back_In_Camp();
        if (HasFatalFailure()) return;
        EXPECT_EQ(main_mission[3], 2);
        EXPECT_EQ(current_main, 3);

        EXPECT_GE(Count_Of(33), 1) << "no shotgun given";
        EXPECT_GE(Count_Of(36), 1) << "no shells given";
    }
};

// The whole part: the first two missions played and reported, the third taken, the bunkers
// retaken and reported; Escape saves the game in the camp, and the save is kept for the next
// part.
TEST_F(Story_Act1a, ANewRecruitTrainsBringsDownTheMastsRetakesTheBunkersAndReports) {
    ASSERT_TRUE(gl_);
    To_The_Bunkers_Orders();
    if (HasFatalFailure()) return;
    Trace("sent to the bunkers");
    // The two bunkers: each garrison fought down from its door; back to the camp.
    Retake_The_Bunkers();
    if (HasFatalFailure()) return;

    // The report of mission 3; the player stands in the camp with nothing in hand to do.
    Commander();
    Back_In_Camp();
    if (HasFatalFailure()) return;
    EXPECT_EQ(main_mission[1], 3);
    EXPECT_EQ(main_mission[2], 3);
    EXPECT_EQ(main_mission[3], 3);
    EXPECT_EQ(current_main, 0);
    Shot("act1a_end");
    Trace("reported");
    RecordProperty("falls", deaths_);

    // Escape saves the game into its slot and opens the pause page; the save is kept for the
    // next part.
    const std::string file = "data/save/savefile" + std::to_string(current_file) + ".sav";
    std::filesystem::remove(file);
    Save_By_Escape();
    if (HasFatalFailure()) return;
    EXPECT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    Keep_Story_Save("test_story_act1a");
}

} // namespace
