// The story's pages as generated, played through the real frame loop on the virtual clock:
// the briefings and act pages (timed, or left by their buttons), the conversation pages of
// the later acts, the act-four start and the credits. Each page is asked for as a scene
// request asks for it, fades in, shows what its script moves, and leaves for the scene the
// story names; no message box at any point.
#include "support/played_game.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "scripts/scripts.h"
#include "world/world_clock.h"

namespace {

constexpr int SAME = -99; // a request without a spawn point: the spawn is not looked at

struct Page_Case;

// The scene a page asked for, seen in the tick of the request.
struct Leave {
    bool left = false;
    int e = -1, s = -1, spawn = -1;
    int ms = 0; // virtual milliseconds the watch ran
};

class Walk_Story_Pages : public PlayedPages {
protected:
    void SetUp() override {
        PlayedPages::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Init_Player();
        Start_Game();
        std::strcpy(player_name, "Alexander");
        Enter_Scene(0, 9); // a quiet front page to ask for the pages from
    }

    // The story of a game in `act`, by day, no save slot in use.
    static void Story(int act) {
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(global_objective, 0, sizeof global_objective);
        current_main = 0;
        current_act = act;
        current_file = -1;
        new_mission = -1;
        failed_stealth = false;
        daytime = false;
    }

    // Asks for page e/s as a scene request does and waits until it has faded in.
    bool Open(int e, int s) {
        episode = e;
        scene = s;
        next_scene = true;
        const bool on = Run_Until([=] { return In(e, s) && fade >= 1.0f; }, 8000);
        EXPECT_TRUE(on) << "page " << e << "/" << s << " not reached: " << episode << "/" << scene << Box_Texts();
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        EXPECT_EQ(game_mode, MODE_FRONT);
        return on;
    }

    // Runs until the page asks for another scene (or the game ends) or stop() holds, at most
    // ms; stop() is asked after every pass. `ms` in the result counts the virtual time run.
    static Leave Run_Watching(int ms, const std::function<bool()>& stop) {
        Leave l;
        const double start = TimerGetTime();
        const int e0 = episode, s0 = scene;
        Run_Until(
            [&] {
                // A request, or a scene loaded in the tick of its request.
                if ((next_scene || episode != e0 || scene != s0) && !l.left) {
                    l = Leave{true, episode, scene, current_spawn, 0};
                    return true;
                }
                return stop();
            },
            ms);
        if (::done) l.left = true;
        l.ms = (int)(TimerGetTime() - start);
        return l;
    }
    static Leave Until_Leaves(int ms, const std::function<void()>& tick = [] {}) {
        return Run_Watching(ms, [&] {
            tick();
            return false;
        });
    }

    // Points at the middle of sprite i and clicks, the button held a few ticks; stops as soon
    // as a scene is asked for.
    static Leave Click_And_Watch(int i) {
        const object& o = sprite[i];
        const int px = View_X(o.w + o.box_width / 2), py = View_Y(o.z + o.box_height / 2);
        Pointer(px, py);
        Leave l = Until_Leaves(40);
        if (l.left) return l;
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, platform::MakeLParam(px, py)});
        l = Until_Leaves(40);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, platform::MakeLParam(px, py)});
        if (!l.left) l = Until_Leaves(40);
        return l;
    }

    // Opens each page of a table in turn, watches it and follows it to its request.
    template <size_t N>
    void Play_Pages(const Page_Case (&cases)[N]);

    // Whether sprite i is drawn somewhere in the 4:3 view.
    static bool On_View(int i) {
        const object& o = sprite[i];
        return o.alpha > 0.0f && !o.mouseover && o.x < 1.0f && o.x + o.width > -1.0f && o.y < 0.75f &&
               o.y + o.height > -0.75f;
    }
};

// ---- Briefings and act pages ----

struct Page_Case {
    const char* name;
    int e, s;
    int act;
    int click;       // sprite clicked once the page is armed; -1 to let the page run out
    int within;      // virtual ms the page may take
    int to_e, to_s, spawn;
    std::vector<int> shown; // sprites that must be on the view at some tick of the page
    void (*after)();        // the story state after the request
};

void No_Check() {}

// Pages that leave by themselves when their time is up.
const Page_Case TIMED_PAGES[] = {
    {"alarm briefing runs out", 1, 51, 1, -1, 15000, 2, 0, 0, {2, 5, 6}, No_Check},
    {"act two runs out", 1, 64, 2, -1, 9000, 2, 3, 0, {1, 2, 3}, No_Check},
    {"act three: the padlock", 1, 82, 3, -1, 9000, 2, 10, 0, {1, 2, 3, 4}, No_Check},
    {"act four runs out", 1, 117, 4, -1, 9000, 2, 11, 0, {1, 2, 3}, No_Check},
    {"act end", 1, 116, 3, -1, 11000, 0, 0, SAME, {5, 6},
     [] {
         EXPECT_EQ(current_act, 4);
         EXPECT_EQ(main_mission[13], 3);
     }},
    {"act-four start", 0, 12, 3, -1, 15000, 2, 5, SAME, {0, 2},
     [] {
         EXPECT_EQ(current_act, 4);
         EXPECT_EQ(current_main, 1);
     }},
};

// Pages left by their button.
const Page_Case BUTTON_PAGES[] = {
    {"alarm briefing left at once", 1, 51, 2, 2, 1000, 2, 3, 0, {2}, No_Check},
    {"act two skipped", 1, 64, 2, 2, 1000, 2, 3, 0, {2}, No_Check},
    {"radio station briefing", 1, 121, 1, 1, 1500, 2, 0, 4, {1, 2}, [] { EXPECT_EQ(new_mission, 10); }},
    {"after the radio station", 1, 124, 1, 1, 1500, 2, 0, 4, {1, 2}, No_Check},
    {"battleship briefing in act two", 1, 142, 2, 1, 1500, 2, 3, 4, {1, 2}, No_Check},
    {"the Colt recruit's page", 1, 138, 1, 1, 1500, 3, 1, 7, {1, 2, 3}, No_Check},
    {"the knife recruit's page", 1, 140, 1, 1, 1500, 3, 1, 7, {1, 2, 3}, No_Check},
};

template <size_t N>
void Walk_Story_Pages::Play_Pages(const Page_Case (&cases)[N]) {
    ASSERT_TRUE(gl_);
    for (const Page_Case& c : cases) {
        SCOPED_TRACE(c.name);
        Story(c.act);
        if (!Open(c.e, c.s)) return;
        std::vector<bool> seen(c.shown.size(), false);
        auto look = [&] {
            if (!In(c.e, c.s)) return;
            for (size_t k = 0; k < c.shown.size(); ++k)
                if (c.shown[k] < no_sprites && On_View(c.shown[k])) seen[k] = true;
        };
        look();
        const std::string shot = "story_" + std::to_string(c.e) + "_" + std::to_string(c.s);
        Leave l;
        if (c.click >= 0) {
            Run(700); // the armed buttons take a click from 500 ms on
            look();
            Shot(shot);
            l = Click_And_Watch(c.click);
        } else {
            const double start = TimerGetTime();
            bool shot_taken = false;
            l = Until_Leaves(c.within, [&] {
                look();
                if (!shot_taken && In(c.e, c.s) && TimerGetTime() - start >= 4500) {
                    Shot(shot);
                    shot_taken = true;
                }
            });
        }
        ASSERT_TRUE(l.left) << "the page did not leave within " << c.within << " ms";
        EXPECT_EQ(l.e, c.to_e);
        EXPECT_EQ(l.s, c.to_s);
        if (c.spawn != SAME) {
            EXPECT_EQ(l.spawn, c.spawn);
        }
        for (size_t k = 0; k < c.shown.size(); ++k) EXPECT_TRUE(seen[k]) << "sprite " << c.shown[k] << " never shown";
        c.after();
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        // Back to the quiet page before the next case.
        next_scene = false;
        Enter_Scene(0, 9);
    }
}

TEST_F(Walk_Story_Pages, TimedBriefingsAndActPagesShowAndLeadWhereTheStorySays) { Play_Pages(TIMED_PAGES); }
TEST_F(Walk_Story_Pages, BriefingsLeftByTheirButtonsLeadWhereTheStorySays) { Play_Pages(BUTTON_PAGES); }

// On the alarm briefing the light flashes and then glows, and the sergeant rises fully into
// view before he shouts and sinks away.
TEST_F(Walk_Story_Pages, TheAlarmBriefingRaisesTheSergeantAndFlashesTheLight) {
    ASSERT_TRUE(gl_);
    Story(1);
    if (!Open(1, 51)) return;
    bool flashed = false, glowed = false, shouted_in_view = false;
    float lowest = 1.0f, highest = -1.0f;
    const Leave l = Until_Leaves(
        15000,
        [&] {
            if (!In(1, 51)) return;
            flashed = flashed || sprite[5].anim == 1;
            glowed = glowed || sprite[5].anim == 2;
            lowest = std::min(lowest, sprite[6].y);
            highest = std::max(highest, sprite[6].y);
            if (sprite[6].anim == 1 && On_View(6) && sprite[6].y + sprite[6].height > -0.5f) {
                if (!shouted_in_view) Shot("story_1_51_alarm");
                shouted_in_view = true;
            }
        });
    ASSERT_TRUE(l.left);
    EXPECT_TRUE(flashed);
    EXPECT_TRUE(glowed);
    EXPECT_TRUE(shouted_in_view) << "the sergeant shouts out of sight";
    // Out of view at the start, in view at his rest.
    EXPECT_LE(lowest + sprite[6].height, -0.75f + 0.01f);
    EXPECT_GT(highest + sprite[6].height, -0.5f);
}

// ---- Conversation pages ----

struct Talk_Case {
    const char* name;
    int s;                 // the page 1/s
    void (*story)();       // story state at the visit
    int answer;            // 1 accept, 2 decline a question; 0 none expected
    const char* first;     // the first line as shown
    int upper_face;        // texture slot of the face that speaks the upper lines
    int to_e, to_s, spawn; // the scene asked for at the close
    void (*after)();
};

void Act(int a) { current_act = a; }

const Talk_Case TALKS[] = {
    {"Jones takes over", 65, [] { Act(2); }, 0, "It&s_about_time^you_showed_up!", 16, 2, 3, 4,
     [] {
         EXPECT_EQ(main_mission[6], 3);
         EXPECT_EQ(new_mission, 14);
     }},
    {"the spy's map", 68, [] { Act(2); }, 0, "Alexand_I&m^glad_you_made^it._The_whole^Black_Army_is^after_you!", 16, 1,
     131, SAME, [] { EXPECT_EQ(global_objects[33], 1); }},
    {"the partisan", 72, [] { Act(2); }, 0, "SO_GLAD_YOU^ARRIVE...", 16, 1, 73, SAME, No_Check},
    {"the general's brother", 74, [] { Act(2); }, 0, "I-I_FAIL^YOU..BROTHER..", 16, 1, 133, SAME, No_Check},
    {"the disguise", 76, [] { Act(2); }, 0, "Alexand_I&m^glad_you_made^it._I_hope^your_ready_for^this.", 16, 3, 2, 1,
     [] { EXPECT_EQ(global_objects[34], 1); }},
    {"the general in the dungeon", 77, [] { Act(2); }, 0, "YOU_AGAIN!^YOU_WANT_THE^GIRL?_WHAT&S_LEFT^OF_HER...", 16,
     3, 28, 0, No_Check},
    {"the commander found", 78, [] { Act(2); }, 0, "B-Betsy_are_you^alright?", 16, 1, 79, SAME,
     [] { EXPECT_EQ(current_act, 3); }},
    {"the nerve gas", 81, [] { Act(3); }, 0, "The_nerve_gas^is_complete^Zarvok...", 16, 2, 10, 0, No_Check},
    {"the commander's last missions", 83,
     [] {
         Act(4);
         current_main = 11;
     },
     1, "Alexand_I&m^so_glad_te_see^ye!", 16, 2, 11, 4, [] { EXPECT_EQ(main_mission[11], 2); }},
    {"Biggs locked up", 86, [] { Act(3); }, 0, "Alexand_You^came_to_rescue^me._I&ve_been^stuck_here_for^days.", 16,
     1, 135, SAME, No_Check},
    {"the missile key", 91, [] { Act(4); }, 0, "Alexand_I&m^glad_you_made^it._There&s_not^much_time...", 16, 2, 1, 1,
     No_Check},
    {"Biggs changed", 92, [] { Act(4); }, 0, "Y-You...^I..know^..you..", 16, 3, 31, 1, No_Check},
    {"too late", 93, [] { Act(4); }, 0, "DAMN!_I&m_too^late...", 16, 1, 94, SAME, No_Check},
    {"the commander's tent in act four", 122, [] { Act(4); }, 0, "Och,_I_hope^ye_came_te^visit_me!", 15, 2, 11, 4,
     No_Check},
};

TEST_F(Walk_Story_Pages, ConversationPagesSeatTheSpeakersAndLeadWhereTheStorySays) {
    ASSERT_TRUE(gl_);
    for (const Talk_Case& c : TALKS) {
        SCOPED_TRACE(c.name);
        Story(1);
        c.story();
        if (!Open(1, c.s)) return;
        std::vector<std::string> lines;
        std::vector<int> slots, faces;
        int seen_step = -1, answered = 0;
        bool skipped = false;
        auto watch = [&] {
            if (!In(1, c.s) || text_queue == seen_step || text_queue < 1 || text_queue > 100) return;
            seen_step = text_queue;
            for (int slot = 0; slot < 2; ++slot) {
                if (!counter[slot].word[0]) continue;
                lines.push_back(counter[slot].word);
                slots.push_back(slot);
                faces.push_back(sprite[2].anim == 1 && sprite[5].anim != 1   ? sprite[2].id
                                : sprite[5].anim == 1 && sprite[2].anim != 1 ? sprite[5].id
                                                                             : -1);
            }
        };
        Leave l;
        for (int guard = 0; guard < 200 && !l.left; ++guard) {
            const int last = seen_step;
            l = Run_Watching(15000, [&] {
                watch();
                return decision == 3 || seen_step != last;
            });
            if (l.left) break;
            if (decision == 3) {
                ASSERT_NE(c.answer, 0) << "an unexpected question";
                ASSERT_EQ(answered, 0) << "a second question";
                seen_step = -1; // the answer starts the conversation again from its first step
                l = Click_And_Watch(c.answer == 1 ? 0 : 6);
                ++answered;
            } else if (!skipped) {
                Run(300);
                Shot("story_talk_1_" + std::to_string(c.s));
                l = Click_And_Watch(7); // Skip text, as the player does
                skipped = true;
            } else {
                skip_text = true; // the same, without moving the pointer
            }
        }
        ASSERT_TRUE(l.left) << "the conversation did not end";
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.first);
        EXPECT_EQ(answered, c.answer != 0 ? 1 : 0);
        // The upper lines are spoken by the face met, the lower ones by the other.
        for (size_t j = 0; j < lines.size(); ++j) {
            SCOPED_TRACE(lines[j]);
            EXPECT_NE(faces[j], -1) << "no face talks";
            if (slots[j] == 0) {
                EXPECT_EQ(faces[j], c.upper_face) << "the wrong face talks";
            } else {
                EXPECT_NE(faces[j], c.upper_face) << "the wrong face talks";
            }
        }
        // Both faces sit on the view.
        EXPECT_TRUE(On_View(2));
        EXPECT_TRUE(On_View(5));
        EXPECT_EQ(l.e, c.to_e);
        EXPECT_EQ(l.s, c.to_s);
        if (c.spawn != SAME) {
            EXPECT_EQ(l.spawn, c.spawn);
        }
        c.after();
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        next_scene = false;
        Enter_Scene(0, 9);
    }
}

// The last page of the story thanks the player and ends the game.
TEST_F(Walk_Story_Pages, TheLastPageEndsTheGame) {
    ASSERT_TRUE(gl_);
    Story(4);
    if (!Open(1, 39)) return;
    std::string first;
    Run_Until(
        [&] {
            if (first.empty() && counter[0].word[0]) first = counter[0].word;
            skip_text = !first.empty();
            return false;
        },
        30000);
    EXPECT_TRUE(::done) << "the game goes on: " << episode << "/" << scene;
    EXPECT_EQ(first, "Thanks_fer^playing...");
    EXPECT_TRUE(On_View(2));
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    ::done = false;
}

// ---- Credits ----

// From the first cast page the credits run page by page to their end and land on the main
// menu; on each cast page both faces slide onto the view.
TEST_F(Walk_Story_Pages, CreditsRunToTheirEndAndLandOnTheMainMenu) {
    ASSERT_TRUE(gl_);
    // The transition's episode-4 chain adds one to the scene asked for: 4/0 opens 4/1.
    episode = 4;
    scene = 0;
    next_scene = true;
    ASSERT_TRUE(Run_Until([] { return In(4, 1) && fade >= 1.0f; }, 8000))
        << "first cast page not reached: " << episode << "/" << scene << Box_Texts();
    std::vector<std::pair<int, int>> visited = {{4, 1}};
    std::vector<std::pair<int, int>> faces_shown;
    Run_Until(
        [&] {
            const std::pair<int, int> now{episode, scene};
            if (!next_scene && fade >= 1.0f && visited.back() != now) {
                visited.push_back(now);
                if (scene % 2 == 0) Shot("story_credits_" + std::to_string(episode) + "_" + std::to_string(scene));
            }
            if (episode == 4 && !next_scene && hud_sequence == 2 && On_View(2) && On_View(5) &&
                (faces_shown.empty() || faces_shown.back() != now)) {
                faces_shown.push_back(now);
                Shot("story_credits_" + std::to_string(episode) + "_" + std::to_string(scene));
            }
            return In(0, 1) && fade >= 1.0f;
        },
        90000);
    const std::vector<std::pair<int, int>> expected = {{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {0, 1}};
    EXPECT_EQ(visited, expected);
    const std::vector<std::pair<int, int>> cast = {{4, 1}, {4, 3}, {4, 5}};
    EXPECT_EQ(faces_shown, cast);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The menu's Credits button opens the cast pages, which run to their last card and come back
// to the menu; on the last card "The End" opens the commander's thanks, which end the game.
TEST_F(Walk_Story_Pages, TheMenusCreditsRunTheCastPagesBackToTheMenu) {
    ASSERT_TRUE(gl_);
    Story(4);
    Enter_Scene(0, 1);
    ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000)) << Box_Texts();
    Click_Sprite(25); // Credits
    std::vector<std::pair<int, int>> visited;
    ASSERT_TRUE(Run_Until(
        [&] {
            const std::pair<int, int> now{episode, scene};
            if (!next_scene && fade >= 1.0f && (visited.empty() || visited.back() != now)) visited.push_back(now);
            return visited.size() > 1 && In(0, 1) && fade >= 1.0f;
        },
        120000))
        << episode << "/" << scene;
    const std::vector<std::pair<int, int>> expected = {{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {0, 1}};
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Story_Pages, TheLastCardsEndButtonLeadsToTheLastPage) {
    ASSERT_TRUE(gl_);
    Story(4);
    // The chain adds one to the scene asked for: 4/5 opens the last card.
    episode = 4;
    scene = 5;
    next_scene = true;
    ASSERT_TRUE(Run_Until([] { return In(4, 6) && fade >= 1.0f; }, 8000)) << episode << "/" << scene;
    Run(300);
    ASSERT_TRUE(On_View(3)) << "no button on the last card";
    const Leave l = Click_And_Watch(3);
    ASSERT_TRUE(l.left);
    EXPECT_EQ(l.e, 1);
    EXPECT_EQ(l.s, 39);
    ASSERT_TRUE(Run_Until([] { return In(1, 39) && fade >= 1.0f; }, 8000)) << episode << "/" << scene;
    Run_Until([] {
        skip_text = true;
        return false;
    }, 30000);
    EXPECT_TRUE(::done) << "the game goes on: " << episode << "/" << scene;
    ::done = false;
}

} // namespace
