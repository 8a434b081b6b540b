// The first mission as generated, played through the real frame loop on the virtual clock:
// the drill sergeant's first word sends the recruit to the story page 1/119, its Skip^Page
// to the course briefing 1/120, Start^the_fight! onto the training ground 3/1 at the start
// of the course. There he walks the course, shoots the nine targets on the range, is sent
// through the short story scene 1/125 back to where he stood, reports to the sergeant and
// walks out at the south end of the road into the camp 2/0, where the commander takes the
// report and hands out the next orders with their grenades. The road to the boot camp (1/59)
// leads to the training ground as well. Input arrives as window messages (mouse-only
// scheme: the player walks where he clicks and shoots what he clicks); no message box may
// appear at any point.
#include "support/played_game.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
#include "hud/conversation_table.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/window.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/collision.h"
#include "world/world_clock.h"

namespace {

constexpr int kTargets[] = {10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kSarge = 68, kBackToCamp = 9;
constexpr int kCommander = 140, kDrill = 43, kTentDoor = 123; // in the camp

class Walk_First_Mission : public PlayedGame {
protected:
    // A new game in the mouse-only scheme, standing in the camp as the commander left him:
    // the training mission given, the sergeant not yet met.
    void New_Recruit_In_Camp() {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = true;
        current_char = 0;
        current_main = 1;
        main_mission[1] = 2;
        global_objective[3] = 0;
        global_objects[60] = 1; // the commander gives the missions of his chain
        Enter_Scene(2, 0, 30);
    }

    // A portrait conversation as its page plays it: its steps from the first until it
    // closes, then its closing effect and the scene change. The conversation pages are
    // written apart from the mission, so the test plays the conversation itself where the
    // game would open the page.
    static std::vector<std::string> Talk(int conversation) {
        std::vector<std::string> lines;
        decision = 0;
        for (text_queue = 1; text_queue <= 100; ++text_queue) {
            counter[0].word[0] = counter[1].word[0] = '\0';
            Conversation_Step(conversation);
            for (int s = 0; s < 2; ++s)
                if (counter[s].word[0]) lines.push_back(counter[s].word);
            if (text_queue == 101 || text_queue == 102) break;
        }
        Conversation_Close(conversation);
        next_scene = true;
        return lines;
    }
    static bool Said(const std::vector<std::string>& lines, const char* text) {
        for (const std::string& l : lines)
            if (l == text) return true;
        return false;
    }

    static bool Settled_In(int e, int s) { return In(e, s) && fade >= 1.0f; }
    static bool Requested(int e, int s) { return next_scene && episode == e && scene == s; }

    // A click held over a few ticks (a button-up in the same tick would clear it); with
    // `stop`, the loop stops as soon as it holds and the rest of the click is not posted.
    // The view leans toward the pointer, so the pointer is set again on the world position
    // just before the button goes down.
    static bool Click_At(float wx, float wy, const std::function<bool()>& stop = [] { return false; }) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
        if (Run_Until(stop, 30)) return true;
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        if (Run_Until(stop, 60)) return true;
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        return Run_Until(stop, 20);
    }
    static void Click_Sprite(int i) { Click_At(Box_X(i), Box_Y(i)); }
    static float Distance_To(float x, float y) { return std::hypot(Box_X(p1_id) - x, Box_Y(p1_id) - y); }

    // Walks by clicking on the ground, point after point; a point further off than the
    // screen shows is reached in straight hops (the way there must be open). False when a
    // point is not reached.
    static bool Walk(const std::vector<std::pair<float, float>>& route, const std::function<bool()>& stop = nullptr) {
        std::vector<std::pair<float, float>> hops;
        float fx = Box_X(p1_id), fy = Box_Y(p1_id);
        for (const auto& [x, y] : route) {
            const int n = (int)(std::hypot(x - fx, y - fy) / 0.6f);
            for (int k = 1; k <= n; ++k) hops.push_back({fx + (x - fx) * k / (n + 1), fy + (y - fy) * k / (n + 1)});
            hops.push_back({x, y});
            fx = x;
            fy = y;
        }
        for (const auto& [x, y] : hops) {
            bool reached = false;
            for (int tries = 0; tries < 4 && !reached; ++tries) {
                Click_At(x, y);
                reached = Run_Until([&] { return (stop && stop()) || Distance_To(x, y) < 0.08f; }, 4000);
                if (stop && stop()) return true;
            }
            if (!reached) {
                ADD_FAILURE() << "did not reach (" << x << ", " << y << "); the player stands at (" << Box_X(p1_id)
                              << ", " << Box_Y(p1_id) << ")";
                return false;
            }
        }
        return true;
    }

    // The world position of a map cell's centre on the 70 x 70 training ground.
    static float Col(int c) { return c * 0.1f + 0.05f - 3.5f; }
    static float Row(int r) { return (69 - r) * 0.1f + 0.05f - 3.5f; }

    static int Standing_Targets() {
        int n = 0;
        for (int t : kTargets) n += sprite[t].score > 0;
        return n;
    }
    static bool Shown(int i) { return sprite[i].alpha > 0.5f && sprite[i].grab_switch; }
    static bool Gone(int i) { return sprite[i].alpha < 0.5f && !sprite[i].grab_switch; }
    static int Count_Of(int code) {
        int n = 0;
        for (int i = 0; i < 16; ++i) n += player_inv[i] == code;
        return n;
    }

    static std::string Where() { return "at " + std::to_string(episode) + "/" + std::to_string(scene) + Box_Texts(); }

    // Walks up in front of sprite i and clicks it: what it opens opens once he stands at it.
    static bool Visit(int i, const std::function<bool()>& opened) {
        if (!Walk_To(Box_X(i), Box_Y(i) - 0.14f, 0.05f, opened)) return opened();
        if (Click_At(Box_X(i), Box_Y(i), opened)) return true;
        return Run_Until(opened, 8000);
    }

    // Whether the pointer on the centre of a cell lies over a person or prop the mouse code
    // would offer (its box from the feet up, widened by the pointer's margin).
    static bool Offers_A_Person(int cell) {
        const float x = Cell_Centre_X(Cell_Column_Of(cell)), y = Cell_Centre_Y(Cell_Row_Of(cell));
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (o.type != OBJ || o.sector_action <= 0 || o.mouseover || o.turn_off || o.score <= 0) continue;
            if (x > o.w - 0.05f && x < o.w + o.box_width + 0.05f && y > o.z - 0.05f && y < o.z + 4 * o.box_height + 0.05f)
                return true;
        }
        return false;
    }

    static bool Open_Ground(float x, float y) {
        const int cell = Get_Tile_Index(x, y);
        if (cell < 0 || cell >= GRID_CELLS) return false;
        const int c = map_col[cell];
        return c != COL_SOLID && c != COL_SOLID_SHOOTTHRU && c != COL_WATER && c != COL_FOOTPRINT;
    }
    // Walks to (x, y) as a player does on a map larger than the screen: the way is looked
    // up on the map's cells (a player sees where the gaps are), then walked by clicks on it
    // a few steps apart, each within the screen. True once he stands within `near` of the
    // goal or stop() holds.
    static bool Walk_To(float x, float y, float near, const std::function<bool()>& stop) {
        const std::vector<int> way = Way_To(x, y);
        if (way.empty()) {
            ADD_FAILURE() << "no open way from (" << Box_X(p1_id) << ", " << Box_Y(p1_id) << ") to (" << x << ", " << y << ")";
            return false;
        }
        for (size_t k = 4; k < way.size() + 4; k += 4) {
            // A player clicks the ground, not a person he passes: where the pointer would
            // offer one, he clicks a step further or back along the way.
            const size_t at = std::min(k, way.size() - 1);
            size_t pick = at;
            for (size_t d = 1; d < 4 && Offers_A_Person(way[pick]); ++d) {
                if (at + d < way.size() && !Offers_A_Person(way[at + d])) pick = at + d;
                else if (at >= d && !Offers_A_Person(way[at - d])) pick = at - d;
            }
            const int cell = way[pick];
            const float hx = Cell_Centre_X(Cell_Column_Of(cell)), hy = Cell_Centre_Y(Cell_Row_Of(cell));
            for (int tries = 0; tries < 3 && std::hypot(hx - Box_X(p1_id), hy - Box_Y(p1_id)) > 0.08f; ++tries) {
                if (Click_At(hx, hy, stop)) return true;
                if (Run_Until([&] { return stop() || !sprite[p1_id].moving; }, 4000) && stop()) return true;
            }
        }
        return stop() || std::hypot(x - Box_X(p1_id), y - Box_Y(p1_id)) < near;
    }
    // The cells of the shortest way over open ground from the player to (x, y), the
    // player's own first; empty when there is none.
    static std::vector<int> Way_To(float x, float y) {
        const int from = Cell_Of(Box_X(p1_id), Box_Y(p1_id)), to = Cell_Of(x, y);
        if (from < 0 || to < 0) return {};
        std::vector<int> came(GRID_CELLS, -1);
        std::vector<int> queue{from};
        came[from] = from;
        for (size_t q = 0; q < queue.size() && came[to] == -1; ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || came[n] != -1) continue;
                if (n != to && !Open_Ground(Cell_Centre_X(col + dc), Cell_Centre_Y(row + dr))) continue;
                came[n] = c;
                queue.push_back(n);
            }
        }
        if (came[to] == -1) return {};
        std::vector<int> way;
        for (int c = to; c != from; c = came[c]) way.push_back(c);
        way.push_back(from);
        std::reverse(way.begin(), way.end());
        return way;
    }
    // Follows a portrait page's conversation as a player does: each line read and skipped,
    // each question answered by the next of `answers` (true: yes), until the page asks for
    // the next scene. The lines shown, in order.
    static std::vector<std::string> Follow_Page(std::vector<bool> answers) {
        std::vector<std::string> lines;
        int seen = -1;
        const auto closing = [] { return next_scene; };
        for (int guard = 0; guard < 200 && !next_scene && !::done; ++guard) {
            const bool moved = Run_Until(
                [&] { return next_scene || decision == 3 || (text_queue != seen && (counter[0].word[0] || counter[1].word[0])); },
                12000);
            if (next_scene) break;
            if (!moved) {
                ADD_FAILURE() << "the conversation on " << episode << "/" << scene << " stands at line " << text_queue
                              << " (decision " << decision << ", shown \"" << counter[0].word << "\" \"" << counter[1].word
                              << "\") after " << lines.size() << " lines";
                break;
            }
            if (decision == 3) {
                if (answers.empty()) {
                    ADD_FAILURE() << "an unexpected question on " << episode << "/" << scene;
                    break;
                }
                const bool yes = answers.front();
                answers.erase(answers.begin());
                seen = -1;
                Click_At(Box_X(yes ? 0 : 6), Box_Y(yes ? 0 : 6), closing);
            } else {
                seen = text_queue;
                for (int slot = 0; slot < 2; ++slot)
                    if (counter[slot].word[0]) lines.push_back(counter[slot].word);
                Run(300);
                Click_At(Box_X(7), Box_Y(7), closing); // Skip text
            }
        }
        EXPECT_TRUE(answers.empty()) << answers.size() << " questions not asked";
        return lines;
    }

    // From the briefing's Start^the_fight! on: the course walked, the nine targets shot, the
    // short story scene, and back on the range with the sergeant to report to.
    void Play_The_Course() {
    // The training ground at the start of the course, the course open, its walls up.
    ASSERT_TRUE(Run_Until([] { return In(3, 1); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_EQ(Level, level_code::LVL_TRAINING);
    EXPECT_TRUE(on_course);
    EXPECT_NEAR(Box_X(p1_id), points[6].x, 0.02f);
    EXPECT_NEAR(Box_Y(p1_id), points[6].y, 0.02f);
    EXPECT_EQ(total_success_condition, 9);
    ASSERT_TRUE(Run_Until([] { return fade >= 1.0f && title_sequence == 1; }, 5000));
    EXPECT_TRUE(Gone(73) && Gone(74)) << "the course gate stays shut";
    EXPECT_TRUE(Shown(76) && Shown(77)) << "the course walls are not up";
    EXPECT_TRUE(Shown(71) && Shown(72)) << "the road east is open before the course is passed";
    EXPECT_EQ(arrow_point, -1);
    Shot("training_start");

    // The course: round the two walls and onto the firing line.
    ASSERT_TRUE(Walk({{Col(37), Row(34)}, {Col(37), Row(29)}, {Col(33), Row(27)}, {Col(33), Row(21)},
                      {Col(35), Row(13)}}));
    Shot("training_course");

    // The range: each target shot from the firing line until it splinters.
    for (size_t k = 0; k < std::size(kTargets); ++k) {
        const int t = kTargets[k];
        SCOPED_TRACE("target " + std::to_string(k + 1));
        ASSERT_TRUE(Walk({{Box_X(t), Row(12)}}, [] { return lock_player; }));
        if (lock_player) break; // the last one down: the success pose
        for (int shots = 0; shots < 40 && sprite[t].score > 0; ++shots) {
            Click_Sprite(t);
            Run(250);
        }
        EXPECT_LE(sprite[t].score, 0) << "the target stands after 40 clicks";
        if (k == 3) Shot("training_range");
    }
    EXPECT_EQ(Standing_Targets(), 0);

    // The success pose, then the short story scene that closes the mission, then back on the
    // range where he stood.
    ASSERT_TRUE(Run_Until([] { return Requested(1, 125) || In(1, 125); }, 6000))
        << "no debriefing; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_EQ(stats_episode, 3);
    EXPECT_EQ(stats_scene, 1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 125); }, 3000));
    Run(4500);
    Shot("training_vignette");
    ASSERT_TRUE(Run_Until([] { return In(3, 1); }, 8000)) << "at " << episode << "/" << scene << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(Box_Y(p1_id), Row(12), 0.15f) << "not back on the firing line";
    ASSERT_TRUE(Run_Until([] { return fade >= 1.0f && main_mission[1] == 1; }, 5000))
        << "mission 1 is " << main_mission[1];
    Run(100);
    EXPECT_FALSE(mission_training_is_done);
    EXPECT_TRUE(Gone(71) && Gone(72)) << "the road east stays barred";
    EXPECT_TRUE(Gone(78)) << "the range sign still stands";
    EXPECT_EQ(arrow_point, kSarge);
    EXPECT_EQ(Standing_Targets(), 0);
    Run(3000);
    EXPECT_TRUE(In(3, 1)) << "the course ended twice";
    }
};

TEST_F(Walk_First_Mission, TheTrainingMissionIsPlayedFromTheSergeantsWordToTheReportInCamp) {
    ASSERT_TRUE(gl_);
    New_Recruit_In_Camp();
    ASSERT_NE(p1_id, -1);

    // The sergeant's first word: the pistol and its rounds, then the story page.
    const std::vector<std::string> first = Talk(11);
    EXPECT_TRUE(Said(first, "(Received_Weston^Pistol!)"));
    EXPECT_NE(current_weapon, -1);
    const int weapon_slot = current_weapon;
    const int pistol_code = current_weapon >= 0 ? player_inv[current_weapon] : -1;
    EXPECT_EQ(global_objective[3], 1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 119); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    Run(300);
    Shot("mission_story_page");
    Click_Sprite(1); // Skip^Page, within the first 500 ms: not yet armed
    Run(200);
    EXPECT_TRUE(In(1, 119));
    Run(300);
    Click_Sprite(1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 120); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    Shot("mission_briefing");
    Click_Sprite(1); // Start^the_fight!

    Play_The_Course();
    if (HasFatalFailure()) return;

    // Out at the range's east end, down to the road east and through its open barrier to
    // the sergeant (the course gate has shut behind the recruit); walking up to him opens
    // his page.
    ASSERT_TRUE(Walk({{Col(65), Row(12)}, {Col(65), Row(30)}, {Col(60), Row(38)}, {Col(58), Row(46)}, {Col(47), Row(46)},
                      {Col(38), Row(45)}}));
    ASSERT_TRUE(Written(1, 1)) << "the sergeant's page is not generated";
    const auto at_sarge = [] { return In(1, 1); };
    ASSERT_TRUE(Click_At(Box_X(kSarge), Box_Y(kSarge), at_sarge) || Run_Until(at_sarge, 6000))
        << "the walk up to the sergeant did not end at him; at " << episode << "/" << scene << ", "
        << Distance_To(Box_X(kSarge), Box_Y(kSarge)) << " from him";
    const std::vector<std::string> passed = Talk(11);
    EXPECT_TRUE(Said(passed, "Alright_you_passed^but_I&ve_got_my^eye_on_you."));
    EXPECT_EQ(global_objects[66], 1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1); }, 5000)) << "at " << episode << "/" << scene;
    EXPECT_NEAR(Box_X(p1_id), points[1].x, 0.02f);
    EXPECT_NEAR(Box_Y(p1_id), points[1].y, 0.02f);
    Run(100);
    EXPECT_EQ(arrow_point, kBackToCamp);

    // Out at the south end of the road into the camp.
    ASSERT_TRUE(Walk({{Box_X(kBackToCamp), Box_Y(kBackToCamp)}}, [] { return next_scene || episode != 3; }));
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(Box_X(p1_id), points[1].x, 0.02f);
    EXPECT_NEAR(Box_Y(p1_id), points[1].y, 0.02f);

    // The commander takes the report and gives the next orders with six grenades.
    Talk(1);
    EXPECT_EQ(main_mission[1], 3);
    EXPECT_EQ(main_mission[2], 2);
    EXPECT_EQ(current_main, 2);
    EXPECT_EQ(INV_GRENADE_COUNT, 6);
    EXPECT_EQ(player_inv[weapon_slot], pistol_code) << "the pistol is no longer in its slot";
    EXPECT_GE(Count_Of(pistol_code), 1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_First_Mission, TheRoadToTheBootCampLeadsToTheTrainingGroundByDayAndByNight) {
    ASSERT_TRUE(gl_);
    struct Case {
        const char* name;
        bool night;
        bool skip;
    };
    for (const Case& c : {Case{"by day, played through", false, false}, Case{"at night, skipped", true, true}}) {
        SCOPED_TRACE(c.name);
        New_Recruit_In_Camp();
        hours = c.night ? 23 : 12;
        current_spawn = 1; // as the camp's trigger of this road sets it
        episode = 1;
        scene = 59;
        next_scene = true;
        ASSERT_TRUE(Run_Until([] { return Settled_In(1, 59); }, 5000)) << Box_Texts();
        Run(200);
        EXPECT_FLOAT_EQ(sprite[9].alpha, c.night ? 1.0f : 0.0f);
        Shot(c.night ? "boot_road_night" : "boot_road");
        if (c.skip) Click_Sprite(2);
        ASSERT_TRUE(Run_Until([] { return In(3, 1); }, c.skip ? 1000 : 7000))
            << "at " << episode << "/" << scene << Box_Texts();
        ASSERT_NE(p1_id, -1);
        EXPECT_NEAR(Box_X(p1_id), points[1].x, 0.02f);
        EXPECT_NEAR(Box_Y(p1_id), points[1].y, 0.02f);
        // Before the sergeant: the arrow points at him, the course is shut and has no walls.
        ASSERT_TRUE(Run_Until([] { return fade >= 1.0f && title_sequence == 1; }, 5000));
        EXPECT_EQ(arrow_point, kSarge);
        EXPECT_TRUE(Shown(73) && Shown(74));
        EXPECT_TRUE(Gone(76) && Gone(77));
        Run(1500); // the player has faded in
        Shot(c.night ? "training_arrival_night" : "training_arrival");
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

} // namespace

namespace {

// The whole road of a new recruit as a player walks it: from the menu into the camp, the
// commander's welcome, a night's sleep in the tent, the training mission from the commander,
// the sergeant's word and on through the training ground back to the commander's report.
TEST_F(Walk_First_Mission, ANewGameIsPlayedThroughTheTrainingToTheReportInCamp) {
    ASSERT_TRUE(gl_);
    New_Game_Into_The_Camp(true);
    if (HasFatalFailure()) return;
    EXPECT_EQ(global_objects[60], 0) << "the commander is met first";
    EXPECT_EQ(arrow_point, kCommander);
    Shot("chain_camp_arrival");

    // Up to the commander: her welcome sends him to his tent.
    const auto page = [](int s) { return [s] { return next_scene || In(1, s); }; };
    ASSERT_TRUE(Visit(kCommander, page(0))) << Where();
    ASSERT_TRUE(Settle_On(1, 0, 6000)) << Where();
    std::vector<std::string> lines = Follow_Page({});
    EXPECT_EQ(lines.front(), "So_ye&re^joe_then?");
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0) && p1_id != -1; }, 8000)) << Where();
    EXPECT_EQ(global_objects[60], 2);
    EXPECT_NEAR(Box_X(p1_id), points[4].x, 0.06f);
    EXPECT_NEAR(Box_Y(p1_id), points[4].y, 0.06f);

    // Into the tent and to sleep: he wakes before dawn and walks out at its door.
    ASSERT_TRUE(Visit(kTentDoor, page(25))) << Where();
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Where();
    Run(600);
    Click_Sprite(6); // the bed
    ASSERT_TRUE(Run_Until([] { return was_sleeping; }, 1000));
    ASSERT_TRUE(Settle_On(1, 25, 15000)) << Where();
    EXPECT_EQ(hours, 5);
    Run(600);
    Click_Sprite(13); // Leave_Tent
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0) && p1_id != -1; }, 8000)) << Where();
    EXPECT_EQ(global_objects[60], 1);
    EXPECT_NEAR(Box_X(p1_id), points[0].x, 0.06f);
    EXPECT_NEAR(Box_Y(p1_id), points[0].y, 0.06f);

    // The commander hands over the training.
    ASSERT_TRUE(Visit(kCommander, page(0))) << Where();
    ASSERT_TRUE(Settle_On(1, 0, 6000)) << Where();
    Follow_Page({});
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0) && p1_id != -1; }, 8000)) << Where();
    EXPECT_EQ(main_mission[1], 2);
    EXPECT_EQ(current_main, 1);
    Shot("chain_mission_given");

    // The sergeant: the pistol, then the story page and the briefing.
    ASSERT_TRUE(Visit(kDrill, page(1))) << Where();
    ASSERT_TRUE(Settle_On(1, 1, 6000)) << Where();
    lines = Follow_Page({});
    EXPECT_EQ(lines.front(), "So_your_joe?^We&ll_make_a^man_of_you_yet!^Now_give_me_fifty!");
    EXPECT_TRUE(Said(lines, "(Received_Weston^Pistol!)"));
    EXPECT_NE(current_weapon, -1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 119); }, 8000)) << Where();
    Run(600);
    Click_Sprite(1); // Skip^Page
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 120); }, 5000)) << Where();
    Run(300);
    Click_Sprite(1); // Start^the_fight!
    Play_The_Course();
    if (HasFatalFailure()) return;
    Shot("chain_course_passed");

    // Back up the road to the sergeant: his page takes the report.
    ASSERT_TRUE(Visit(kSarge, page(1))) << Where();
    ASSERT_TRUE(Settle_On(1, 1, 6000)) << Where();
    lines = Follow_Page({});
    EXPECT_TRUE(Said(lines, "Alright_you_passed^but_I&ve_got_my^eye_on_you.")) << lines.size() << " lines";
    EXPECT_EQ(global_objects[66], 1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1) && p1_id != -1; }, 8000)) << Where();
    Run(100);
    EXPECT_EQ(arrow_point, kBackToCamp);

    // Out at the south end of the road and up to the commander with the report.
    ASSERT_TRUE(Walk_To(Box_X(kBackToCamp), Box_Y(kBackToCamp), 0.05f, [] { return next_scene || episode != 3; })) << Where();
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0) && p1_id != -1; }, 8000)) << Where();
    ASSERT_TRUE(Visit(kCommander, page(0))) << Where();
    ASSERT_TRUE(Settle_On(1, 0, 6000)) << Where();
    Follow_Page({});
    // The report done, the next orders are briefed on their page, whose start leads back
    // into the camp.
    ASSERT_TRUE(Run_Until([] { return Requested(1, 121) || In(1, 121); }, 8000)) << Where();
    EXPECT_EQ(main_mission[1], 3);
    EXPECT_EQ(main_mission[2], 2);
    EXPECT_EQ(current_main, 2);
    EXPECT_EQ(INV_GRENADE_COUNT, 6);
    ASSERT_TRUE(Written(1, 121));
    ASSERT_TRUE(Settle_On(1, 121, 6000)) << Where();
    Run(600);
    Click_Sprite(1); // Start^the_fight!
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0) && p1_id != -1; }, 8000)) << Where();
    EXPECT_NEAR(Box_X(p1_id), points[4].x, 0.06f);
    EXPECT_NEAR(Box_Y(p1_id), points[4].y, 0.06f);
    Shot("chain_report_given");
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}
} // namespace
