// The camp's conversation pages of act one as generated, played through the real frame loop
// on the virtual clock: from the walkable camp each page is requested as the camp's object
// for it requests it, the conversation runs with the player's clicks (Skip text to cut a
// line short, Accept or Decline where a mission is offered), and the page leads where the
// story says: the camp at the right spawn point, the next page or a level. The face that
// talks is the one whose line is shown. No message box at any point.
#include "support/played_game.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio.h"
#include "camp/gallery.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/window.h"
#include "render/draw.h"
#include "scripts/scripts.h"
#include "world/world_clock.h"

namespace {

struct Page_Case;

constexpr int SAME = -99;   // a request without a spawn point: the spawn is not looked at
constexpr int PLAYER = 14;  // texture slot of the player's portrait on every conversation page
constexpr int SPEAKER = 16; // texture slot of the person met (the commander's tent: 15)
constexpr int GOLD = 1;     // pickup code of gold
constexpr int CARD = 42;    // pickup code of a collectible card

class Walk_Camp_Pages : public PlayedPages {
protected:
    // A new game standing in the act-1 camp at the first briefing's spawn point.
    void Enter_Camp() {
        Init_Player();
        Start_Game();
        std::strcpy(player_name, "Alexander");
        Enter_Scene(2, 0, 30);
        ASSERT_TRUE(Run_Until([] { return In(2, 0) && fade >= 1.0f && game_mode == MODE_WALK; }, 5000))
            << Box_Texts();
    }


    // Moves the mouse over the middle of sprite i and clicks, the button held for a few ticks.
    // `during` runs on every tick of the click.
    static void Click_Sprite(int i, const std::function<void()>& during = [] {}) {
        Click_Sprite_Until_Request(i, 30, 40, 20, during);
    }


    // What a visit showed: each line with the texture slot of the face that talked, how
    // many questions were answered, and the scene the page asked for at its close.
    struct Visit {
        std::vector<std::string> lines;
        std::vector<int> faces;
        int answered = 0;
        int e = -1, s = -1, spawn = -1;
        int new_mission = -1; // the mission line the close left for the next scene's start
        bool closed = false;
    };

    // Requests page 1/s from the camp as its object does (the shop, workshop and card album
    // objects open with the greeting), waits for it to fade in, then follows the
    // conversation: Skip text on every line once it has been seen, answers[k] (1 accept, 2
    // decline) to the k-th question. Stops in the tick in which the page asks for the next
    // scene.
    Visit Talk(int s, bool greeting, const std::vector<int>& answers, const std::string& shot) {
        Visit v;
        episode = 1;
        scene = s;
        if (greeting) shop_intro_type = 0;
        next_scene = true;
        if (!Run_Until([&] { return In(1, s) && fade >= 1.0f; }, 6000)) {
            ADD_FAILURE() << "page 1/" << s << " not reached: " << episode << "/" << scene << Box_Texts();
            return v;
        }
        EXPECT_EQ(game_mode, MODE_FRONT);
        int seen_step = -1;
        bool shot_taken = shot.empty();
        auto watch = [&] {
            if (next_scene && !v.closed) {
                v.closed = true;
                v.e = episode;
                v.s = scene;
                v.spawn = current_spawn;
                v.new_mission = new_mission;
            }
            if (v.closed || text_queue == seen_step || text_queue < 1 || text_queue > 100) return;
            seen_step = text_queue;
            for (int slot = 0; slot < 2; ++slot) {
                if (!counter[slot].word[0]) continue;
                v.lines.push_back(counter[slot].word);
                // the talking portrait: 2 on the left, 5 on the right
                v.faces.push_back(sprite[2].anim == 1 && sprite[5].anim != 1   ? sprite[2].id
                                  : sprite[5].anim == 1 && sprite[2].anim != 1 ? sprite[5].id
                                                                               : -1);
            }
        };
        for (int guard = 0; guard < 400 && !v.closed && !::done; ++guard) {
            const int last = seen_step;
            Run_Until([&] { watch(); return v.closed || decision == 3 || seen_step != last; }, 12000);
            if (v.closed) break;
            if (decision == 3) {
                if (v.answered >= (int)answers.size()) {
                    ADD_FAILURE() << "an unexpected question on 1/" << s;
                    return v;
                }
                if (!shot_taken) {
                    Run(300);
                    Shot(shot + "_question");
                }
                seen_step = -1; // the answer starts the conversation again from its first step
                Click_Sprite(answers[v.answered++] == 1 ? 0 : 6, watch);
            } else if (seen_step != last && (counter[0].word[0] || counter[1].word[0])) {
                if (!shot_taken) {
                    Run(400);
                    Shot(shot);
                    shot_taken = true;
                }
                Click_Sprite(7, watch); // Skip text
            }
        }
        EXPECT_TRUE(v.closed) << "the conversation of 1/" << s << " did not end";
        return v;
    }

    // Visits each page of a table in turn from the camp and follows its conversation.
    template <size_t N>
    void Play_Pages(const Page_Case (&cases)[N]);
    void Play_Page(const Page_Case& c, int k);

    // Into the camp at the spawn point the page asked for.
    void Back_In_Camp(int spawn) {
        ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK && p1_id != -1; }, 6000))
            << "not back in the camp: " << episode << "/" << scene << Box_Texts();
        ASSERT_GT(no_points, spawn);
        if (points[spawn].c1 != CAM_P1) return; // a spawn point the camp does not mark yet
        const object& p = sprite[p1_id];
        EXPECT_NEAR(p.w + p.box_width / 2, points[spawn].x, 0.06f);
        EXPECT_NEAR(p.z + p.box_height / 2, points[spawn].y, 0.06f);
    }

};

// new_mission as the page left it (the next scene's start message takes it).
int mission_at_close = -1;

struct Page_Case {
    const char* name;
    int scene;                   // the page 1/scene
    bool greeting;               // opened by an object that sets the greeting (shop_intro_type 0)
    void (*story)();             // the story state at the visit
    std::vector<int> answers;    // 1 accept, 2 decline, for each question asked
    const char* first;           // the first line as shown; nullptr for a page without lines
    int first_face;              // texture slot of the face that says it
    int lines;                   // lines shown in all
    int e, s, spawn;             // the scene asked for at the close
    void (*after)();             // the story state after the close
};

void Give(int slot, int code, int value) {
    player_inv[slot] = code;
    player_inv_value[slot] = value;
}
// A slot with the item and a value of at least `least` (exactly `least` with exact).
bool Holds(int code, int least, bool exact = false) {
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == code && (exact ? player_inv_value[i] == least : player_inv_value[i] >= least)) return true;
    return false;
}

// The story of a new game in act one, by day, with an empty pack.
void Fresh_Story() {
    std::memset(main_mission, 0, sizeof main_mission);
    std::memset(global_objects, 0, sizeof global_objects);
    std::memset(global_objective, 0, sizeof global_objective);
    std::memset(global_cards, 0, sizeof global_cards);
    std::memset(player_inv, 0, sizeof player_inv);
    std::memset(player_inv_value, 0, sizeof player_inv_value);
    current_weapon = current_gold = -1;
    current_main = 0;
    current_act = 1;
    current_char = 0;
    shop_intro_type = 0;
    new_mission = -1;
    on_course = false;
    hours = 12;
    minutes = 0;
    daytime = false;
}

void No_Story() {}
void No_Check() {}

// Giver 1's second mission, after the training was reported.
void Trained() {
    global_objects[60] = 1;
    main_mission[1] = 3;
    global_objects[29] = 1;
    current_main = 0;
}
// The first meeting with the sergeant, mission 1 taken.
void Recruit(int character) {
    current_main = 1;
    main_mission[1] = 2;
    global_objective[3] = 0;
    current_char = character;
}

// The commander in her tent: the arrival and the next mission.
const Page_Case HQ_CASES[] = {
    {"commander: the arrival", 0, false, [] { global_objects[60] = 0; }, {}, "So_ye&re^Alexand_then?", 15, 7, 2,
     0, 4, [] {
         EXPECT_EQ(global_objects[60], 2);
         EXPECT_EQ(mission_at_close, 25);
     }},
    {"commander: the next mission declined", 0, false, Trained, {2}, "Good!_ye&re_now^trained_fer_ye&re^mission.",
     15, -1, 2, 0, 4, [] {
         EXPECT_EQ(main_mission[2], 0);
         EXPECT_EQ(current_main, 0);
     }},
    {"commander: the next mission accepted", 0, false, Trained, {1},
     "Good!_ye&re_now^trained_fer_ye&re^mission.", 15, -1, 1, 121, 4, [] {
         EXPECT_EQ(main_mission[2], 2);
         EXPECT_EQ(current_main, 2);
         EXPECT_EQ(mission_at_close, 10);
         EXPECT_EQ(global_objects[95], 1);
     }},
};

// The sergeant on the drill ground; the commander after the raid and tied up.
const Page_Case SERGEANT_CASES[] = {
    {"sergeant: the recruit's pistol", 1, false, [] { Recruit(0); },
     {}, "So_your_Alexand?^We&ll_make_a^man_of_you_yet!^Now_give_me_fifty!", SPEAKER, 6, 1, 119, SAME, [] {
         EXPECT_EQ(global_objects[11], 1);
         EXPECT_EQ(mission_at_close, 1);
         EXPECT_TRUE(on_course);
         EXPECT_EQ(global_objective[3], 1);
         EXPECT_NE(current_weapon, -1) << "the pistol is in hand";
     }},
    {"sergeant: the second recruit goes straight to the course", 1, false, [] { Recruit(1); }, {},
     "So_your_Alexand?^We&ll_make_a^man_of_you_yet!^Now_give_me_fifty!", SPEAKER, 6, 3, 1, 6,
     [] { EXPECT_EQ(global_objective[3], 1); }},
    {"commander in the wrecked tent", 11, false, No_Story, {}, nullptr, 0, 0, 2, 0, 4, No_Check},
    {"commander tied up", 16, false, No_Story, {}, nullptr, 0, 0, 3, 13, 13, No_Check},
};

// Pay day and the card tent.
const Page_Case CAMP_CASES[] = {
    {"quartermaster: pay day", 2, false, No_Story, {}, nullptr, 0, 0, 2, 0, 13, No_Check},
    {"card sharp: in", 3, false, [] { current_gold = 0; Give(0, GOLD, 100); }, {1},
     "Ah_the_new^fella!_Bet_your^a_real_card^shark_eh?", SPEAKER, 5, 1, 4, 1,
     [] { EXPECT_EQ(global_objects[64], 1); }},
    {"card sharp: out", 3, false, [] { current_gold = 0; Give(0, GOLD, 100); }, {2},
     "Ah_the_new^fella!_Bet_your^a_real_card^shark_eh?", SPEAKER, 3, 2, 0, 14, No_Check},
    {"card sharp: no gold", 3, false, No_Story, {}, "Ah_the_new^fella!_Bet_your^a_real_card^shark_eh?", SPEAKER, 2,
     2, 0, 14, [] { EXPECT_EQ(global_objects[64], 1); }},
};

// The mess, the range and the ways out of the camp.
const Page_Case WAYS_OUT_CASES[] = {
    {"cook: supper", 9, false, No_Story, {}, nullptr, 0, 0, 2, 0, 13, No_Check},
    {"range corporal: the prizes", 10, false, No_Story, {}, "Hit_the_enemy^targets_and_win^special_prizes!", SPEAKER,
     1, 1, 8, SAME, No_Check},
    {"gunner: to the road", 13, false, No_Story, {}, nullptr, 0, 0, 2, 4, 3, No_Check},
    {"boatman: down the coast", 14, false, No_Story, {}, nullptr, 0, 0, 2, 5, 4, No_Check},
    {"general", 15, false, No_Story, {}, "Alexand!^I&ve_heard_much^about_you_son.", SPEAKER, 6, 2, 5, 3, No_Check},
};

// The medic, Patches and his handler.
const Page_Case PEOPLE_CASES[] = {
    {"medic: the first visit", 17, true, No_Story, {}, "Ahh!_Alexand^w-we_meet_again.", SPEAKER, 7, 1, 18, SAME,
     No_Check},
    {"medic: seeing the player off", 17, false, [] { shop_intro_type = 1; global_objects[61] = 1; }, {},
     "D-Don&t_give^up!_There&s^p-plenty_of^c-cards_to_go!", SPEAKER, 1, 2, 0, 13, No_Check},
    {"Patches found", 19, false, No_Story, {}, "So_you_must_be^patches_eh?", PLAYER, 6, 3, 5, 1,
     [] { EXPECT_EQ(global_objects[1], 1); }},
    {"dog handler: the dog is lost", 20, false, No_Story, {}, "Don&t_suppose^you&ve_seen_my^dog_mate?", SPEAKER, 4,
     2, 0, 14, [] { EXPECT_EQ(sprite[9].alpha, 0.0f) << "no dog by the kennel"; }},
    {"dog handler: the dog is back", 20, false, [] { global_objects[1] = 1; }, {},
     "You_found_Patches!^I_can&t_thank^you_enough!", SPEAKER, 5, 2, 0, 14, [] {
         EXPECT_EQ(global_objects[2], 1);
         EXPECT_TRUE(Holds(CARD, 8, true)) << "card 8";
     }},
};

// The shop keeper, the spy and the mechanic.
const Page_Case TRADE_CASES[] = {
    {"shop keeper: the greeting", 27, true, No_Story, {}, "AH!_a_new^sucker_I_mean^customer..welcome!", SPEAKER,
     5, 1, 7, SAME, [] { EXPECT_EQ(global_objects[62], 1); }},
    {"shop keeper: seeing the player off", 27, false, [] { shop_intro_type = 1; }, {},
     "Come_again_mate^got_some_new^stock_coming^in!", SPEAKER, 3, 2, 0, 12, No_Check},
    {"spy: the submarine accepted", 28, false, No_Story, {1}, "Your_one_of^Betsy&s_lot^aren&t_you?", SPEAKER, -1,
     3, 21, 5, [] {
         EXPECT_EQ(main_mission[4], 2);
         EXPECT_EQ(current_main, 4);
         EXPECT_EQ(mission_at_close, 8);
     }},
    {"mechanic: the first visit", 29, true, No_Story, {}, "So_your_our^new_recruit...", SPEAKER, 6, 1, 30, SAME,
     No_Check},
    {"mechanic: seeing the player off", 29, false, [] { shop_intro_type = 1; }, {},
     "Need_a_more^powerful_gun..^I&m_your_guy...", SPEAKER, 1, 2, 0, 9,
     [] { EXPECT_EQ(global_objects[63], 1); }},
    // On the way through act one.,
};

// The pirate girl and Agent Biggs on the battleship.
const Page_Case BATTLESHIP_CASES[] = {
    {"pirate girl: her wares", 32, false, No_Story, {}, "Arghh_Matey!^What&ll_it_be?", SPEAKER, 2, 1, 7, SAME,
     No_Check},
    {"Biggs: the lower decks declined", 33, false, No_Story, {2}, "O-Oh!_Alexand^You_s-scared_m-me!", SPEAKER, 5, 3,
     19, 1, [] { EXPECT_EQ(global_objects[17], 0); }},
    {"Biggs: the lower decks accepted", 33, false, No_Story, {1}, "O-Oh!_Alexand^You_s-scared_m-me!", SPEAKER, 5, 3,
     19, 1, [] { EXPECT_EQ(global_objects[17], 2); }},
    {"Biggs: the reward", 33, false, [] { global_objects[17] = 1; },
     {}, "Y_you_really^s-saved_my_b-bacon^Alexand!_P-Please^take_this!", SPEAKER, 3, 3, 19, 1, [] {
         EXPECT_EQ(global_objects[17], 3);
         EXPECT_TRUE(Holds(GOLD, 1000));
     }},
};

// Between the gallery rounds on the battleship: the scout, the beaten admiral, Biggs.
const Page_Case BELOW_DECKS_CASES[] = {
    {"scout: the secret tunnel", 40, false, No_Story, {}, "Look_what_I^found...", SPEAKER, 4, 1, 23, 1, No_Check},
    {"admiral beaten", 41, false, No_Story, {}, "(COUGH)..YOU..^..YOU..^PUNY_MAN!...", SPEAKER, 4, 1, 42, 1,
     No_Check},
    {"Biggs: did he get him", 42, false, No_Story, {}, "D-Did_I_get_him?", SPEAKER, 7, 1, 128, SAME, No_Check},
};

// The spy in the enemy's camp, the madman and the Professor.
const Page_Case ENEMY_CASES[] = {
    {"spy in the enemy camp: the disguise", 37, false, No_Story, {}, "AIEEEE!^Don&t_sneak_up^on_me_like^that.", SPEAKER,
     7, 3, 9, 1, [] { EXPECT_EQ(global_objects[27], 1); }},
    {"madman", 38, false, No_Story, {}, "So_you_finally^made_it...", SPEAKER, 9, 1, 46, SAME, No_Check},
    {"the Professor cornered", 43, false, No_Story, {}, "There&s_no_escape^this_time_fatso.", PLAYER, 4, 1, 34, SAME,
     No_Check},
    {"the Professor got away: act one ends", 44, false, No_Story, {}, "DAMN_AND_BLAST^THE_PROFESSOR!", SPEAKER, 8, 1,
     130, SAME, [] { EXPECT_EQ(current_act, 2); }},
};

// The telescope, the admiral and his bridge.
const Page_Case ADMIRAL_CASES[] = {
    {"through the telescope", 45, false, No_Story, {}, "SO?_YOU^FIND_IT_THEN?", SPEAKER, 6, 3, 7, 1,
     [] { EXPECT_EQ(mission_at_close, 28); }},
    {"the admiral shows himself", 46, false, No_Story, {}, "YES!_IT_IS_I!^THE_GREATEST^ADMIRAL_EVER!", SPEAKER, 5, 3,
     23, 1, [] {
         EXPECT_EQ(global_objects[20], 1);
         EXPECT_EQ(mission_at_close, 12);
     }},
    {"the fleet in position", 60, false, No_Story, {}, "THE_FLEET^IS_IN_THE^POSITION_ADMIRAL!", SPEAKER, 5, 1, 62,
     SAME, No_Check},
};


// Visits each page of the table in turn from the camp and follows its conversation.
template <size_t N>
void Walk_Camp_Pages::Play_Pages(const Page_Case (&cases)[N]) {
    ASSERT_TRUE(gl_);
    int k = 0;
    for (const Page_Case& c : cases) {
        Play_Page(c, k++);
        if (HasFatalFailure()) return;
    }
}
void Walk_Camp_Pages::Play_Page(const Page_Case& c, int k) {
    SCOPED_TRACE(c.name);
    if (!(episode == 2 && scene == 0 && game_mode == MODE_WALK && !next_scene)) Enter_Camp();
    if (HasFatalFailure()) return;
    Fresh_Story();
    c.story();
    std::string shot = std::string("page_1_") + std::to_string(c.scene) + "_" + std::to_string(k);
    const Visit v = Talk(c.scene, c.greeting, c.answers, shot);
    if (HasFatalFailure() || !v.closed) return;
    if (c.first) {
        ASSERT_FALSE(v.lines.empty());
        EXPECT_EQ(v.lines.front(), c.first);
        EXPECT_EQ(v.faces.front(), c.first_face) << "the wrong face talks";
    } else {
        EXPECT_TRUE(v.lines.empty()) << v.lines.front();
    }
    if (c.lines >= 0) {
        EXPECT_EQ((int)v.lines.size(), c.lines);
    }
    // With every line one face talks, and only one.
    for (size_t j = 0; j < v.faces.size(); ++j) EXPECT_NE(v.faces[j], -1) << "no face talks: " << v.lines[j];
    EXPECT_EQ((int)c.answers.size(), v.answered);
    EXPECT_EQ(v.e, c.e);
    EXPECT_EQ(v.s, c.s);
    if (c.spawn != SAME) {
        EXPECT_EQ(v.spawn, c.spawn);
    }
    mission_at_close = v.new_mission;
    c.after();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    if (v.e == 2 && v.s == 0) Back_In_Camp(v.spawn);
    else { // the scene asked for is another part of the game's: back to the camp instead
        next_scene = false;
        Enter_Camp();
    }
}

TEST_F(Walk_Camp_Pages, TheCommanderTalksAndLeadsWhereTheStorySays) { Play_Pages(HQ_CASES); }
TEST_F(Walk_Camp_Pages, TheSergeantTalksAndLeadsWhereTheStorySays) { Play_Pages(SERGEANT_CASES); }
TEST_F(Walk_Camp_Pages, PayDayAndTheCardTentTalkAndLeadWhereTheStorySays) { Play_Pages(CAMP_CASES); }
TEST_F(Walk_Camp_Pages, TheWaysOutOfTheCampTalkAndLeadWhereTheStorySays) { Play_Pages(WAYS_OUT_CASES); }
TEST_F(Walk_Camp_Pages, TheMedicAndTheDogTalkAndLeadWhereTheStorySays) { Play_Pages(PEOPLE_CASES); }
TEST_F(Walk_Camp_Pages, TheTradersTalkAndLeadWhereTheStorySays) { Play_Pages(TRADE_CASES); }
TEST_F(Walk_Camp_Pages, OnTheBattleshipTalkAndLeadWhereTheStorySays) { Play_Pages(BATTLESHIP_CASES); }
TEST_F(Walk_Camp_Pages, BetweenTheGalleryRoundsTalkAndLeadWhereTheStorySays) { Play_Pages(BELOW_DECKS_CASES); }
TEST_F(Walk_Camp_Pages, InTheEnemysHandsTalkAndLeadWhereTheStorySays) { Play_Pages(ENEMY_CASES); }
TEST_F(Walk_Camp_Pages, TheAdmiralTalksAndLeadsWhereTheStorySays) { Play_Pages(ADMIRAL_CASES); }

TEST_F(Walk_Camp_Pages, TheCommandersTentIsLampLitAtNightAndHidesTheFlagUntilTheEnemyRuns) {
    struct Light_Case {
        const char* name;
        bool night;
        int act, mission4;
        int backdrop_slot;
        bool flag;
    };
    const Light_Case cases[] = {
        {"day, act 1", false, 1, 0, 15, false},
        {"night, act 1, the enemy running", true, 1, 1, 16, true},
        {"day, act 2", false, 2, 0, 15, true},
    };
    for (const Light_Case& c : cases) {
        SCOPED_TRACE(c.name);
        Enter_Camp();
        if (HasFatalFailure()) return;
        hours = c.night ? 23 : 12; // the clock keeps the night flag
        daytime = c.night;
        current_act = c.act;
        main_mission[4] = c.mission4;
        global_objects[60] = 2; // "Are ye still here?"
        episode = 1;
        scene = 0;
        next_scene = true;
        ASSERT_TRUE(Run_Until([] { return In(1, 0) && fade >= 1.0f; }, 6000)) << Box_Texts();
        EXPECT_EQ(sprite[2].id, c.backdrop_slot);
        EXPECT_EQ(sprite[13].alpha > 0.0f, c.flag);
        Run(2500);
        Shot(std::string("page_1_0_") + (c.night ? "night" : "day") + std::to_string(c.act));
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

TEST_F(Walk_Camp_Pages, TheMapSlidesUpAndReturnsToTheCampByTimeOrSkip) {
    for (bool skip : {false, true}) {
        SCOPED_TRACE(skip ? "skipped" : "watched");
        Enter_Camp();
        if (HasFatalFailure()) return;
        episode = 1;
        scene = 62;
        next_scene = true;
        ASSERT_TRUE(Run_Until([] { return In(1, 62); }, 6000)) << Box_Texts();
        const float start = sprite[1].y;
        Run(2000);
        EXPECT_GT(sprite[1].y, start) << "the map rises";
        Shot(skip ? "page_1_62_skip" : "page_1_62");
        if (skip) Click_Sprite(2);
        // (the request and the load may fall in one tick: wait for the scene to change)
        ASSERT_TRUE(Run_Until([] { return !(episode == 1 && scene == 62); }, skip ? 500 : 12000));
        EXPECT_EQ(episode, 2);
        EXPECT_EQ(scene, 0);
        EXPECT_EQ(current_spawn, 27);
        Back_In_Camp(27);
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

// The gallery asks for its next scene and the loop loads it within one pass; a scene that
// is not written yet reports its missing files, which is that scene's business, not this one's.
void Expect_Quiet_Unless_Missing(int e, int s) {
    const std::string base = "scene/episode" + std::to_string(e) + "/scene" + std::to_string(s);
    if (std::filesystem::exists(base + ".dat")) {
        EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
        return;
    }
    for (const auto& b : platform::RecordedMessageBoxes())
        EXPECT_TRUE(b.text == "Couldn't load sceneX.txd" || b.text == "Couldn't load GLTextures") << b.text;
}

TEST_F(Walk_Camp_Pages, TheDeckGalleryRaisesItsFiguresAndMovesOnOnceTheyAreShot) {
    Enter_Camp();
    if (HasFatalFailure()) return;
    // The gallery object of the camp opens the first round on the battleship's deck.
    episode = 1;
    scene = 8;
    next_scene = true;
    ASSERT_TRUE(Run_Until([] { return In(1, 8) && fade >= 1.0f; }, 6000)) << Box_Texts();
    EXPECT_EQ(Gallery_Level, 1);
    auto left = [] { return !(episode == 1 && scene == 8); };
    // The round's first figure comes up three seconds in: sprite 2.
    ASSERT_TRUE(Run_Until([] { return sprite[2].alpha == 1.0f && sprite[2].grab_switch; }, 4000));
    Run(300);
    Shot("gallery_1_8");
    // Shoot whatever stands up, reload when the clip is empty, until the round is over.
    std::vector<int> raised;
    int lowest_health = old_health;
    auto up = [](int i) {
        const object& o = sprite[i];
        return o.type == MNE && o.sector_action != 23 && o.alpha == 1.0f && o.grab_switch && o.score > 0 &&
               o.status != 30;
    };
    for (int guard = 0; guard < 600 && !left() && !::done; ++guard) {
        for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
            if (up(i) && (raised.empty() || raised.back() != i)) raised.push_back(i);
        lowest_health = std::min(lowest_health, old_health);
        if (gallery_clip <= 0 && !gallery_reloading) {
            const int64_t at = Pixels(0.0f, 0.4f + camY);
            platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
            Run_Until(left, 40);
            platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
            Run_Until(left, 700);
            continue;
        }
        int target = -1;
        for (int i : {13, 2, 3, 4, 5, 6, 7, 8, 9, 12})
            if (up(i)) target = i;
        if (target == -1) Run_Until(left, 100);
        else Click_Sprite(target);
    }
    ASSERT_TRUE(left()) << "the round did not end; killed " << targets_killed;
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 21) << "the second round follows";
    // The figures came up in the round's order (a figure raised twice in a row counts once).
    const std::vector<int> order = {2, 6, 8, 7, 5, 6, 13};
    EXPECT_EQ(raised, order);
    EXPECT_GT(lowest_health, 0) << "the player survived the round";
    Expect_Quiet_Unless_Missing(1, 21);
}

TEST_F(Walk_Camp_Pages, BackLeavesTheDeckGallery) {
    Enter_Camp();
    if (HasFatalFailure()) return;
    episode = 1;
    scene = 8;
    next_scene = true;
    ASSERT_TRUE(Run_Until([] { return In(1, 8) && fade >= 1.0f; }, 6000)) << Box_Texts();
    Run(500);
    Click_Sprite(1);
    Run_Until([] { return !(episode == 1 && scene == 8); }, 200);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 3);
    EXPECT_TRUE(Sent_To_Spawn(21)) << "spawn " << current_spawn;
    Expect_Quiet_Unless_Missing(3, 3);
}

} // namespace
