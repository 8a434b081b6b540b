// The story, last part, played as a player plays it: the game the third act saved after the
// farms' masts is taken up again from the menu; in the act-three camp the commander gives her
// final mission, the missile silos: the agent on the highway, the control bunker and its
// commander, both lever rooms set, the super-silo and the launch floor. Too late: the Zarvok
// takes off, and the chase is fought in the shooting galleries, the last one against his
// airship. The finale's pages end the act, which saves and returns to the title. From the menu
// the player watches the credits back to the menu, then once more to their last card, whose
// "The End" brings the commander's thanks that close the game. A fall is taken up again as a
// player does: from the tent, back to where he fell. Only the pointer, clicks, keys and
// waiting: the game's state is read, never written. Nothing is saved at the end.
#include "support/story_player.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "camp/gallery.h"
#include "camp/gallery_waves.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/player_stats.h"

namespace {

constexpr int kHqDoor = 91;                // the act-three camp's headquarters door (to the commander)
constexpr int kHighwayExit = 49;           // the camp's lane to the highway
constexpr int kAgent = 145, kGateControl = 0; // on the highway (2/1)
constexpr int kControlCommander = 1;       // in the control room (3/31)
constexpr int kGalleryBoss = 32;           // the Zarvok's airship in the last gallery
constexpr int kMenuCredits = 25;           // the menu's Credits button
constexpr int kTheEnd = 3;                 // "The End" on the credits' last card

class Story_Finale : public StoryGame {
protected:
    // Logs where the story stands (scene, virtual time, health), so a failure says how far
    // it got; with VARNOTH_SHOT_DIR set, each stage is also a screenshot.
    static void Stage(const std::string& what) {
        std::printf("[story finale] %-44s %d/%d  t=%.0f s  health %d\n", what.c_str(), episode, scene,
                    TimerGetTime() / 1000.0, p1_id != -1 ? sprite[p1_id].score : -1);
        std::fflush(stdout);
        static int n = 0;
        char name[32];
        std::snprintf(name, sizeof name, "finale_%02d", n++);
        Shot(name);
    }

    // One step of the story, played in scene e/s: true once done. A step that ends with the
    // player fallen is played again where the revival's bicycle brings him back (the scene
    // keeps those he had beaten, so each try gets further).
    struct Step {
        int e, s;
        std::string what;
        std::function<bool()> act;
    };
    void Play(const std::vector<Step>& steps) {
        int falls = 0; // in the step being played
        for (size_t i = 0; i < steps.size();) {
            const Step& st = steps[i];
            ASSERT_TRUE(Run_Until([&] { return Settled_In(st.e, st.s); }, 30000))
                << "step \"" << st.what << "\" wants " << st.e << "/" << st.s << "; " << Where();
            const bool done = st.act();
            if (HasFatalFailure()) return;
            if (done) {
                Stage(st.what);
                ++i;
                falls = 0;
                continue;
            }
            ASSERT_TRUE(Fallen()) << "step \"" << st.what << "\" failed; " << Where();
            ++falls;
            Stage("fell during \"" + st.what + "\" " + Where());
            ASSERT_LT(falls, 8) << "the player falls again and again";
            ASSERT_TRUE(Back_From_The_Tent());
            // On from the first step that is played where he now stands.
            size_t j = i;
            while (j < steps.size() && !Settled_In(steps[j].e, steps[j].s)) ++j;
            ASSERT_LT(j, steps.size()) << "no step of this leg is played " << Where();
            i = j;
        }
    }

    // Steps: out by exit `exit` and on, through whatever pages lie between, to scene e/s.
    static std::function<bool()> Go(int exit, int e, int s) {
        return [=] {
            return Fight_To_Exit(exit) && Run_Until([=] { return Settled_In(e, s) || Fallen(); }, 30000) &&
                   Settled_In(e, s);
        };
    }
    // The commander's page through the headquarters door, her conversation played through
    // with `answers`, back in the camp; the lines she said.
    static std::function<bool()> Commander(std::vector<bool> answers, std::vector<std::string>* said) {
        return [=] {
            if (!Fight_To_Exit(kHqDoor)) return false;
            EXPECT_TRUE(Run_Until([] { return Settled_In(1, 83); }, 8000)) << Where();
            *said = Follow_Page(answers);
            EXPECT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 8000)) << Where();
            return true;
        };
    }
    // A page opened by a person (walked up to and clicked once the scene's enemies are
    // beaten or far), its conversation played through, until scene e/s is on.
    static std::function<bool()> Person(int who, int page, int e, int s) {
        return [=] {
            if (!Fight_Hard([] { return Standing_Enemies() == 0 || !Enemy_Close(1.5f); }, 180000)) return false;
            if (!Visit(who, Scene_Requested)) return false;
            // A shot from a guard still about may fell him as he speaks to the man.
            Run_Until([=] { return Settled_In(1, page) || Fallen(); }, 8000);
            if (Fallen()) return false;
            EXPECT_TRUE(Settled_In(1, page)) << Where();
            Follow_Page({});
            return Run_Until([=] { return Settled_In(e, s); }, 60000);
        };
    }

    // Fights off whoever stands within `r` (and in sight), then picks up what the fallen left,
    // reloads and eats while the life bar is low: the ground around made safe before a talk
    // or a run for an exit. False when the player fell.
    static bool Clear_Around(float r) {
        for (int round = 0; round < 6; ++round) {
            if (p1_id == -1 || Fallen()) return false;
            if (!Fight_Hard([=] { return !Enemy_Close(r); }, 60000)) return !Fallen() && !Enemy_Close(r);
            Pick_Up_Drops();
            Reload_If_Low();
            for (int k = 0; k < 4 && sprite[p1_id].score <= PLY_VITALITY / 2; ++k) {
                const int before = sprite[p1_id].score;
                Heal_When_Low();
                Run(300);
                if (sprite[p1_id].score <= before) break; // nothing left to eat
            }
            if (!Enemy_Close(r)) return true;
        }
        return !Enemy_Close(r);
    }
    // Eats from the inventory until the life bar is nearly full or nothing is left to eat
    // (one can at a time, as the clicks on the food's slot give them).
    static void Eat_Up() {
        for (int k = 0; k < 6 && p1_id != -1 && sprite[p1_id].score > 0 && sprite[p1_id].score < PLY_VITALITY - 20; ++k) {
            const int before = sprite[p1_id].score;
            Eat();
            Run(300);
            if (sprite[p1_id].score <= before) break;
        }
    }
    // One food item from the inventory eaten: a click on its slot.
    static void Eat() {
        for (int n = 0; n < 16; ++n) {
            const int code = player_inv[n];
            if (code != 3 && code != 4 && code != 23 && code != 26 && code != 45) continue;
            const object& h = hud[11 + n];
            const int64_t at = Pixels(h.x + h.width / 2, h.y + h.height / 2);
            platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
            Run(20);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
            Run(40);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
            Run(20);
            return;
        }
    }
    // Walks up to person `who`, fighting whoever comes close on the way, and clears the
    // ground about him before he talks.
    static std::function<bool()> Up_To(int who) {
        return [=] {
            if (!Advance_To(Box_X(who), Box_Y(who) - 0.25f, 0.3f)) return false;
            return Clear_Around(1.5f);
        };
    }

    // The game the third act saved, taken up again from the menu: the act's page, then the
    // act-three camp.
    void Take_Up_The_Game() {
        Restore_Story_Save("test_story_act3");
        if (HasFatalFailure()) return;
        const int slot = Kept_Slot("test_story_act3");
        ASSERT_NO_FATAL_FAILURE(Boot_To_Menu());
        ASSERT_NO_FATAL_FAILURE(Open_Saved_Game(slot));
        ASSERT_EQ(current_act, 3);
        ASSERT_EQ(main_mission[12], 3) << "the part before left mission 12 unreported";
        ASSERT_TRUE(Run_Until([] { return Settled_In(2, 10); }, 15000)) << Where();
        ASSERT_EQ(CONTROL_SCHEME, true);
        Stage("the act-three camp");
    }

    // A shooting gallery played as a player plays it, with the pointer and both buttons: the
    // figure that is up is shot (the one taking aim first: a figure hit again before its aim
    // is done never fires), the boss shot at while no figure is up, the gun reloaded with the
    // right button when it is empty and, while nothing is up to shoot at, when it is low.
    // True once the gallery asks for the next scene.
    static bool Shoot_Gallery(int ms, int boss = -1) {
        // The gallery's end may load the next scene within the pass that asks for it.
        const int e = episode, s = scene;
        const auto over = [=] { return Scene_Requested() || episode != e || scene != s || ::done; };
        const auto reload = [&] {
            const int64_t at = platform::MakeLParam(Pixel_X(mouseX), Pixel_Y(mouseY));
            platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
            Run_Until(over, 30);
            platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
            Run_Until([&] { return over() || (!gallery_reloading && gallery_clip > 0); }, 1500);
        };
        const int until = Now() + ms;
        while (Now() < until && !over()) {
            int aim = -1;
            for (int i = 0; i < no_sprites; ++i) {
                const object& o = sprite[i];
                if (o.type != MNE || !o.grab_switch || o.score <= 0 || o.alpha < 0.5f || o.sector_action == 23) continue;
                if (aim == -1 || (o.status == 3 && sprite[aim].status != 3)) aim = i;
            }
            if (aim == -1 && boss != -1 && sprite[boss].grab_switch && sprite[boss].score > 0) aim = boss;
            if (gallery_clip <= 0 && !gallery_reloading) {
                reload();
                continue;
            }
            if (aim == -1) {
                if (gallery_clip < 3 && !gallery_reloading) reload();
                else Run_Until(over, 50);
                continue;
            }
            if (gallery_reloading) {
                Run_Until([&] { return over() || !gallery_reloading; }, 1000);
                continue;
            }
            const object& o = sprite[aim];
            Click_At(o.w + o.box_width / 2, o.z + o.box_height / 2, over);
        }
        return over();
    }

    // The chase from the launch page: the three galleries of the flight and the boss gallery,
    // until the airship falls. A fall in any of them is taken up again from the tent, whose
    // bicycle brings the player back to the launch page, and the chase starts over.
    void Chase() {
        for (int falls = 0; falls < 6; ++falls) {
            ASSERT_TRUE(Run_Until([] { return Settled_In(1, 93); }, 30000)) << Where();
            Follow_Page({});
            bool fell = false;
            for (const int g : {95, 96, 97, 98}) {
                ASSERT_TRUE(Run_Until([=] { return Settled_In(1, g); }, 30000)) << Where();
                Stage(g == 98 ? "the boss gallery" : "gallery " + std::to_string(g));
                ASSERT_TRUE(Shoot_Gallery(g == 98 ? 400000 : 240000, g == 98 ? kGalleryBoss : -1))
                    << "gallery " << g << " did not end " << Where();
                if (std::getenv("STORY_TRACE"))
                    std::printf("  gallery %d left for %d/%d: health %d, boss %d, waves %d/%d, killed %d\n", g, episode,
                                scene, old_health, boss_gallery_health, gallery_index, gallery_count, targets_killed);
                Run_Until([] { return !next_scene; }, 5000);
                if (Fallen()) {
                    fell = true;
                    Stage("fell in gallery " + std::to_string(g));
                    break;
                }
            }
            if (!fell) return;
            // The revival in the tent, and the bicycle back to the chase.
            ASSERT_TRUE(Run_Until([] { return Settled_In(1, 25); }, 60000)) << "no revival in the tent; " << Where();
            Run(600);
            for (int tries = 0; tries < 3 && !Scene_Requested(); ++tries) {
                Click_Sprite(35); // Cycle to Last mission
                Run_Until(Scene_Requested, 500);
            }
        }
        FAIL() << "the player falls again and again in the chase";
    }

    // From the menu: the credits watched back to the menu, then once more to their last
    // card, whose "The End" brings the commander's thanks; they close the game.
    void Credits() {
        // The cast pages and their cards, and back to the menu.
        const std::vector<std::pair<int, int>> cast = {{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}};
        Click_Sprite(kMenuCredits);
        std::vector<std::pair<int, int>> pages;
        ASSERT_TRUE(Watch_Credits(pages, [&] { return In(0, 1) && fade >= 1.0f && pages.size() > 1; })) << Where();
        std::vector<std::pair<int, int>> expected = cast;
        expected.push_back({0, 1});
        EXPECT_EQ(pages, expected);
        Stage("the credits seen, back at the menu");

        // Once more, to the last card: "The End" and the commander's thanks close the game.
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 30000)) << Where();
        Click_Sprite(kMenuCredits);
        pages.clear();
        ASSERT_TRUE(Watch_Credits(pages, [] { return Settled_In(4, 6); })) << Where();
        EXPECT_EQ(pages, cast);
        ASSERT_TRUE(Press_Page_Button(kTheEnd)) << Where();
        ASSERT_TRUE(Run_Until([] { return Settled_In(1, 39); }, 8000)) << Where();
        Stage("the commander's thanks");
        const std::vector<std::string> thanks = Follow_Page({});
        EXPECT_TRUE(Said(thanks, "Thanks_fer^playing...")) << "no thanks";
        EXPECT_TRUE(Run_Until([] { return ::done; }, 8000) || ::done) << "the game goes on " << Where();
        ::done = false;
    }

    // The credits from the menu's button: the pages they pass through, each once it has
    // faded in, until `until` holds; false on time-out.
    static bool Watch_Credits(std::vector<std::pair<int, int>>& pages, const std::function<bool()>& until) {
        return Run_Until(
            [&] {
                if (!next_scene && fade >= 1.0f && (pages.empty() || pages.back() != std::pair{episode, scene}))
                    pages.push_back({episode, scene});
                return until();
            },
            120000);
    }
};

TEST_F(Story_Finale, FromTheLastOrdersToTheCredits) {
    ASSERT_NO_FATAL_FAILURE(Take_Up_The_Game());

    // ---- Mission 13: the missile silos ----
    std::vector<std::string> offer;
    Play({
        {2, 10, "mission 13 offered and accepted", Commander({true}, &offer)},
    });
    if (HasFatalFailure()) return;
    EXPECT_TRUE(Said(offer, "This_is_it^joe._The^final_mission.")) << "the commander did not give the last orders";
    ASSERT_EQ(main_mission[13], 2) << "mission 13 not taken";
    Play({
        {2, 10, "to the highway", Go(kHighwayExit, 2, 1)},
        {2, 1, "up to the agent", Up_To(kAgent)},
        {2, 1, "the agent's orders", Person(kAgent, 91, 2, 1)},
        {2, 1, "the ground by the agent held", [] { return Clear_Around(1.5f); }},
        {2, 1, "into the control bunker", Go(kGateControl, 3, 30)},
        {3, 30, "to the control room", Go(1, 3, 31)},
        {3, 31, "the control room's commander", Person(kControlCommander, 92, 3, 31)},
        {3, 31, "back to the bunker", Go(0, 3, 30)},
        {3, 30, "its guards beaten", [] { return Fight_Hard([] { return Standing_Enemies() == 0; }, 180000); }},
        {3, 30, "to the first silo", Go(2, 3, 32)},
        {3, 32, "to its lever room", Go(1, 3, 33)},
        {3, 33, "the first silo disarmed", [] { return Set_Levers({true, false, true}, 55); }},
        {3, 33, "back to the silo", Go(0, 3, 32)},
        {3, 32, "to the third silo", Go(2, 3, 34)},
        {3, 34, "to its lever room", Go(1, 3, 35)},
        {3, 35, "the second silo disarmed", [] { return Set_Levers({true, true, false}, 56); }},
        {3, 35, "back to the silo", Go(0, 3, 34)},
        {3, 34, "to the super-silo", Go(2, 3, 36)},
        {3, 36, "to the launch floor", Go(1, 3, 37)},
        {3, 37, "the launch floor's guards beaten",
         [] {
             Run(1500); // they take up their posts as he comes in
             return Fight_Hard([] { return Standing_Enemies() == 0; }, 180000);
         }},
        {3, 37, "the last door",
         [] {
             Eat_Up(); // the chase is fought with the health he brings into it
             return Fight_To_Exit(1);
         }},
    });
    if (HasFatalFailure()) return;
    EXPECT_EQ(global_objects[55], 1);
    EXPECT_EQ(global_objects[56], 1);

    // ---- Too late: the Zarvok's launch, his flight and the galleries of the chase ----
    ASSERT_NO_FATAL_FAILURE(Chase());
    EXPECT_LE(boss_gallery_health, 0);

    // ---- The finale's pages and the act's end, which saves the game in act four and goes
    // back to the title and the menu ----
    ASSERT_TRUE(Run_Until([] { return Settled_In(1, 116); }, 60000)) << Where();
    Stage("the act's end");
    ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 120000)) << Where();
    EXPECT_EQ(current_act, 4);
    EXPECT_EQ(main_mission[13], 3);
    Stage("the menu");

    // ---- The credits ----
    ASSERT_NO_FATAL_FAILURE(Credits());
}

} // namespace
