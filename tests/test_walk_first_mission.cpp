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
#include <functional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "content/content_inputs.h"
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

namespace {

constexpr int kTargets[] = {10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kSarge = 68, kBackToCamp = 9;

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
    static float CX(int i) { return sprite[i].w + sprite[i].box_width / 2; }
    static float CY(int i) { return sprite[i].z + sprite[i].box_height / 2; }
    static void Click_Sprite(int i) { Click_At(CX(i), CY(i)); }
    static float Distance_To(float x, float y) { return std::hypot(CX(p1_id) - x, CY(p1_id) - y); }

    // Walks by clicking on the ground, point after point; a point further off than the
    // screen shows is reached in straight hops (the way there must be open). False when a
    // point is not reached.
    static bool Walk(const std::vector<std::pair<float, float>>& route, const std::function<bool()>& stop = nullptr) {
        std::vector<std::pair<float, float>> hops;
        float fx = CX(p1_id), fy = CY(p1_id);
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
                ADD_FAILURE() << "did not reach (" << x << ", " << y << "); the player stands at (" << CX(p1_id)
                              << ", " << CY(p1_id) << ")";
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

    // The training ground at the start of the course, the course open, its walls up.
    ASSERT_TRUE(Run_Until([] { return In(3, 1); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_EQ(Level, level_code::LVL_TRAINING);
    EXPECT_TRUE(on_course);
    EXPECT_NEAR(CX(p1_id), points[6].x, 0.02f);
    EXPECT_NEAR(CY(p1_id), points[6].y, 0.02f);
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
        ASSERT_TRUE(Walk({{CX(t), Row(12)}}, [] { return lock_player; }));
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
    EXPECT_NEAR(CY(p1_id), Row(12), 0.15f) << "not back on the firing line";
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

    // Out at the range's east end, down to the road east and through its open barrier to
    // the sergeant (the course gate has shut behind the recruit); walking up to him opens
    // his page.
    ASSERT_TRUE(Walk({{Col(65), Row(12)}, {Col(65), Row(30)}, {Col(60), Row(38)}, {Col(58), Row(46)}, {Col(47), Row(46)},
                      {Col(38), Row(45)}}));
    // His page is written apart from the mission: while it is missing, the test stops
    // the walk up to him a step before he is reached and plays his conversation itself.
    const bool page = Written(1, 1);
    const auto at_sarge = [page] {
        return page ? In(1, 1) : sprite[p1_id].fire_target == kSarge && Distance_To(CX(kSarge), CY(kSarge)) < 0.25f;
    };
    ASSERT_TRUE(Click_At(CX(kSarge), CY(kSarge), at_sarge) || Run_Until(at_sarge, 6000))
        << "the walk up to the sergeant did not end at him; at " << episode << "/" << scene << ", "
        << Distance_To(CX(kSarge), CY(kSarge)) << " from him";
    const std::vector<std::string> passed = Talk(11);
    EXPECT_TRUE(Said(passed, "Alright_you_passed^but_I&ve_got_my^eye_on_you."));
    EXPECT_EQ(global_objects[66], 1);
    ASSERT_TRUE(Run_Until([] { return Settled_In(3, 1); }, 5000)) << "at " << episode << "/" << scene;
    EXPECT_NEAR(CX(p1_id), points[1].x, 0.02f);
    EXPECT_NEAR(CY(p1_id), points[1].y, 0.02f);
    Run(100);
    EXPECT_EQ(arrow_point, kBackToCamp);

    // Out at the south end of the road into the camp.
    ASSERT_TRUE(Walk({{CX(kBackToCamp), CY(kBackToCamp)}}, [] { return next_scene || episode != 3; }));
    ASSERT_TRUE(Run_Until([] { return Settled_In(2, 0); }, 5000)) << "at " << episode << "/" << scene << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(CX(p1_id), points[1].x, 0.02f);
    EXPECT_NEAR(CY(p1_id), points[1].y, 0.02f);

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
        EXPECT_NEAR(CX(p1_id), points[1].x, 0.02f);
        EXPECT_NEAR(CY(p1_id), points[1].y, 0.02f);
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
