// The conversation table step by step: which variant each conversation plays in which story
// state, what its lines and its closing change, and where it leads. The conversation is run
// as the talking step runs it: one call per step number from 1, until it closes (101) or asks
// (102).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "camp/camp.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/conversation_table.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/startup.h"
#include "render/font.h"
#include "scripts/scripts.h"
#include "support/virtual_clock.h"
#include "support/work_dir.h"

namespace {

constexpr int SPAWN_BEFORE = -7;  // current_spawn before each conversation

struct talk {
    std::vector<std::string> lines;
    bool asked = false;
    bool closed = false;
};

class ConversationTable : public ::testing::Test {
protected:
    Work_Dir dir{"varnoth_talk"};

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        Fresh();
    }
    void TearDown() override { Free_Records(); }

    // The story state of a new player standing in the camp.
    static void Fresh() {
        std::memset(main_mission, 0, sizeof main_mission);
        std::memset(global_objects, 0, sizeof global_objects);
        std::memset(global_objective, 0, sizeof global_objective);
        std::memset(global_cards, 0, sizeof global_cards);
        std::memset(player_inv, 0, sizeof player_inv);
        std::memset(player_inv_value, 0, sizeof player_inv_value);
        std::memset(player_inv_value1, 0, sizeof player_inv_value1);
        std::memset(player_inv_value2, 0, sizeof player_inv_value2);
        current_weapon = current_helmet = current_boot = current_medal = current_gold = -1;
        INV_GRENADE_COUNT = 0;
        game_mode = MODE_FRONT;
        std::strcpy(player_name, "Alexander");
        player_rank = 3;
        current_main = 0;
        current_act = 1;
        current_char = 0;
        decision = 0;
        text_queue = 0;
        shop_intro_type = 0;
        purchased = 0;
        on_course = false;
        new_mission = -1;
        failed_stealth = false;
        stop_siren = false;
        card_page = 1;
        has_all_cards = false;
        CONTROL_SCHEME = false;
        episode = 1;
        scene = 0;
        current_spawn = SPAWN_BEFORE;
        done = false;
        cash_sfx = false;
    }

    // Runs the conversation from its first step until it closes or asks. With close false the
    // closing effect is left out, so what the lines themselves changed can be seen.
    static talk Play(int type, bool close = true) {
        talk t;
        for (text_queue = 1; text_queue <= 100; ++text_queue) {
            counter[0].word[0] = counter[1].word[0] = '\0';
            Conversation_Step(type);
            for (int s = 0; s < 2; ++s)
                if (counter[s].word[0]) t.lines.push_back(counter[s].word);
            if (text_queue == 102) {
                t.asked = true;
                return t;
            }
            if (text_queue == 101) break;
        }
        t.closed = true;
        if (close) Conversation_Close(type);
        return t;
    }
    static talk Answer(int type, bool accept) {
        decision = accept ? 1 : 2;
        return Play(type);
    }

    static void Give(int slot, int code, int value) {
        player_inv[slot] = code;
        player_inv_value[slot] = value;
    }
    static int Count_Of(int code) {
        int total = 0;
        for (int i = 0; i < 16; ++i)
            if (player_inv[i] == code) total += player_inv_value[i];
        return total;
    }
    static bool Holds(int code, int value) { return Has_This_Item(code, value); }
    static int Slots_With(int code) {
        int n = 0;
        for (int i = 0; i < 16; ++i) n += player_inv[i] == code;
        return n;
    }
    static void Expect_Scene(int e, int s, int spawn, const std::string& where) {
        EXPECT_EQ(episode, e) << where;
        EXPECT_EQ(scene, s) << where;
        EXPECT_EQ(current_spawn, spawn) << where;
    }
};

// ---- Every conversation: its variant, line count, first line, effects and destination ----

struct variant_case {
    const char* what;
    int id;
    std::function<void()> setup;
    int lines;
    const char* first;
    int e, s, spawn;                // where the close leads (spawn SPAWN_BEFORE: unchanged)
    std::function<void()> effects;  // checks after the close (may be empty)
};

TEST_F(ConversationTable, EveryVariantPlaysItsLinesAndLeadsOn) {
    const auto none = [] {};
    const variant_case cases[] = {
        {"1 arrival", 1, none, 7, "So_ye&re^Alexand_then?", 2, 0, 4,
         [] {
             EXPECT_EQ(global_objects[60], 2);
             EXPECT_EQ(new_mission, 25);
         }},
        {"1 still here", 1, [] { global_objects[60] = 2; }, 4,
         "Are_ye_still^here?_Ye^should_get_some^rest_at_ye&re^tent.", 2, 0, 4, nullptr},
        {"11 on course", 11,
         [] {
             current_main = 1;
             main_mission[1] = 2;
             global_objective[3] = 1;
         },
         2, "What_now?_you_want^me_to_hold_your^hand?_Finish_that^obstacle_course.", 3, 1, 6,
         [] { EXPECT_TRUE(on_course); }},
        {"11 passed", 11,
         [] {
             current_main = 1;
             main_mission[1] = 1;
             on_course = true;
         },
         2, "Alright_you_passed^but_I&ve_got_my^eye_on_you.", 3, 1, 1,
         [] {
             EXPECT_FALSE(on_course);
             EXPECT_EQ(global_objects[66], 1);
             EXPECT_EQ(new_mission, 4);
         }},
        {"11 act 1", 11, [] { on_course = true; }, 6, "..Sob..Sob...^Don&t_talk_to_me.", 3, 1, 1,
         [] { EXPECT_FALSE(on_course); }},
        {"11 act 2: no lines", 11, [] { current_act = 2; }, 0, nullptr, 3, 1, 1, nullptr},
        {"11 act 3", 11, [] { current_act = 3; }, 6, "Well_it_was^fun_working^together_while^it_lasted.", 3, 1, 1,
         nullptr},
        {"11 act 4", 11, [] { current_act = 4; }, 6, "Good_to_see_you^Alexand.", 3, 1, 1, nullptr},
        {"12", 12, [] { scene = 3; }, 0, nullptr, 4, 3, -1, nullptr},
        {"13", 13, [] { scene = 1; }, 0, nullptr, 4, 1, -1, nullptr},
        {"14: the transition moves on", 14, [] { scene = 5; }, 0, nullptr, 1, 5, SPAWN_BEFORE, nullptr},
        {"15", 15, none, 0, nullptr, 2, 0, 13, nullptr},
        {"17", 17, none, 7, "Boy_are_we^glad_to_see^you!_After_what^happened_to^the_last_recruits.", 1, 118,
         SPAWN_BEFORE, [] { EXPECT_EQ(new_mission, 3); }},
        {"17 mouse only", 17, [] { CONTROL_SCHEME = true; }, 7,
         "Boy_are_we^glad_to_see^you!_After_what^happened_to^the_last_recruits.", 1, 139, SPAWN_BEFORE, nullptr},
        {"29", 29, [] { current_act = 3; }, 0, nullptr, 2, 10, 13, nullptr},
        {"30", 30, none, 1, "Hit_the_enemy^targets_and_win^special_prizes!", 1, 8, SPAWN_BEFORE, nullptr},
        {"31", 31, [] { current_act = 4; }, 0, nullptr, 2, 11, 4, nullptr},
        {"32", 32, none, 0, nullptr, 2, 4, 3, nullptr},
        {"33", 33, none, 0, nullptr, 2, 5, 4, nullptr},
        {"34", 34, none, 6, "Alexand!^I&ve_heard_much^about_you_son.", 2, 5, 3, nullptr},
        {"35", 35, none, 0, nullptr, 3, 13, 13, nullptr},
        {"40", 40, none, 6, "So_you_must_be^patches_eh?", 3, 5, 1, [] { EXPECT_EQ(global_objects[1], 1); }},
        {"41 lost dog", 41, none, 4, "Don&t_suppose^you&ve_seen_my^dog_mate?", 2, 0, 14,
         [] { EXPECT_EQ(global_objects[2], 0); }},
        {"41 happy", 41, [] { global_objects[2] = 1; }, 3, "Me_and_Patches^are_so_happy.", 2, 0, 14,
         [] { EXPECT_EQ(Count_Of(CARD), 0); }},
        {"49", 49, none, 2, "Arghh_Matey!^What&ll_it_be?", 1, 7, SPAWN_BEFORE, nullptr},
        {"53", 53, none, 7, "D-Did_I_get_him?", 1, 128, SPAWN_BEFORE, nullptr},
        {"54 first", 54, none, 7, "AIEEEE!^Don&t_sneak_up^on_me_like^that.", 3, 9, 1,
         [] { EXPECT_EQ(global_objects[27], 1); }},
        {"54 again", 54, [] { global_objects[27] = 1; }, 3, "Sorry,_You^can&t_use^my_disguise.", 3, 9, 1, nullptr},
        {"55", 55, none, 9, "So_you_finally^made_it...", 1, 46, SPAWN_BEFORE, nullptr},
        {"56 ends the game", 56, none, 3, "Thanks_fer^playing...", 1, 0, SPAWN_BEFORE, [] { EXPECT_TRUE(done); }},
        {"57", 57, none, 4, "Look_what_I^found...", 1, 23, 1, nullptr},
        {"58", 58, none, 4, "(COUGH)..YOU..^..YOU..^PUNY_MAN!...", 1, 42, 1, nullptr},
        {"59", 59, none, 4, "There&s_no_escape^this_time_fatso.", 1, 34, SPAWN_BEFORE, nullptr},
        {"60", 60, none, 8, "DAMN_AND_BLAST^THE_PROFESSOR!", 1, 130, SPAWN_BEFORE,
         [] { EXPECT_EQ(current_act, 2); }},
        {"61", 61, none, 6, "SO?_YOU^FIND_IT_THEN?", 3, 7, 1, [] { EXPECT_EQ(new_mission, 28); }},
        {"63", 63, none, 5, "YES!_IT_IS_I!^THE_GREATEST^ADMIRAL_EVER!", 3, 23, 1,
         [] {
             EXPECT_EQ(new_mission, 12);
             EXPECT_EQ(global_objects[20], 1);
         }},
        {"64", 64, [] { current_act = 2; }, 8, "Y-Your_the_Black^Army_g-general^Mauser...", 2, 3, SPAWN_BEFORE,
         [] { EXPECT_EQ(global_objects[32], 1); }},
        {"65", 65, none, 5, "THE_FLEET^IS_IN_THE^POSITION_ADMIRAL!", 1, 62, SPAWN_BEFORE, nullptr},
        {"67 first", 67, none, 9, "Alexand_I&m^glad_you_made^it._The_whole^Black_Army_is^after_you!", 1, 131,
         SPAWN_BEFORE, [] { EXPECT_EQ(global_objects[33], 1); }},
        {"67 again, mission 7 done", 67,
         [] {
             global_objects[33] = 1;
             main_mission[7] = 1;
         },
         3, "Take_that_map^back_to_camp.^Jone&s_will_have^a_plan.", 2, 2, 32, nullptr},
        {"68", 68, none, 6, "SO_GLAD_YOU^ARRIVE...", 1, 73, SPAWN_BEFORE, nullptr},
        {"69", 69, none, 6, "I-I_FAIL^YOU..BROTHER..", 1, 133, SPAWN_BEFORE, nullptr},
        {"71", 71, none, 6, "YOU_AGAIN!^YOU_WANT_THE^GIRL?_WHAT&S_LEFT^OF_HER...", 3, 28, 0, nullptr},
        {"72", 72, none, 6, "B-Betsy_are_you^alright?", 1, 79, SPAWN_BEFORE,
         [] {
             EXPECT_EQ(current_act, 3);
             EXPECT_EQ(main_mission[10], 1);
         }},
        {"73", 73, none, 5, "The_nerve_gas^is_complete^Zarvok...", 2, 10, 0, nullptr},
        {"77 again", 77, [] { global_objects[45] = 1; }, 3, "Err..alittle_help^would_be^appreciated.", 1, 135,
         SPAWN_BEFORE, nullptr},
        {"78 first", 78, none, 11, "Alexand_I&m^glad_you_made^it._There&s_not^much_time...", 2, 1, 1,
         [] { EXPECT_EQ(global_objects[53], 1); }},
        {"78 again", 78, [] { global_objects[53] = 1; }, 3, "Alexand_You^must_stop_those^missiles_quick!", 2, 1, 1,
         nullptr},
        {"79 first", 79, none, 8, "Y-You...^I..know^..you..", 3, 31, 1, [] { EXPECT_EQ(global_objects[54], 1); }},
        {"79 again", 79, [] { global_objects[54] = 1; }, 3, "What_bloody^side-effects?", 3, 31, 1,
         [] { EXPECT_EQ(global_objects[54], 1); }},
        {"81", 81, none, 7, "DAMN!_I&m_too^late...", 1, 94, SPAWN_BEFORE, nullptr},
        {"83", 83, none, 6, "Och,_I_hope^ye_came_te^visit_me!", 2, 11, 4, nullptr},
    };
    for (const variant_case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        c.setup();
        const talk t = Play(c.id);
        EXPECT_FALSE(t.asked);
        EXPECT_TRUE(t.closed);
        ASSERT_EQ((int)t.lines.size(), c.lines);
        if (c.first) {
            EXPECT_EQ(t.lines.front(), c.first);
        }
        Expect_Scene(c.e, c.s, c.spawn, c.what);
        if (c.effects) c.effects();
    }
}

// A line that announces a gift ("(Received_...") requests the cash sound; the gift itself is
// whatever the line carries.
TEST_F(ConversationTable, GiftLinesSoundTheTillAndGiveWhatTheyCarry) {
    // 41: the dog's owner gives card 8.
    global_objects[1] = 1;
    talk t = Play(41);
    EXPECT_EQ(t.lines.size(), 5u);
    EXPECT_EQ(t.lines.front(), "You_found_Patches!^I_can&t_thank^you_enough!");
    EXPECT_TRUE(cash_sfx);
    EXPECT_TRUE(Holds(CARD, 8));
    EXPECT_EQ(global_objects[2], 1);

    // 50: the sailor's thanks are 1000 gold, once.
    Fresh();
    global_objects[17] = 1;
    t = Play(50);
    EXPECT_EQ(t.lines.size(), 3u);
    EXPECT_EQ(t.lines[1], "(Received_1000^Gold_Pieces!)");
    EXPECT_TRUE(cash_sfx);
    EXPECT_EQ(Count_Of(GOLD), 1000);
    EXPECT_EQ(global_objects[17], 3);
    Expect_Scene(3, 19, 1, "50");
    t = Play(50);
    EXPECT_TRUE(t.lines.empty());  // nothing more to say once thanked
    EXPECT_EQ(Count_Of(GOLD), 1000);

    // Announcements without an item (17's compass) only sound.
    Fresh();
    Play(17);
    EXPECT_TRUE(cash_sfx);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(player_inv[i], 0) << i;
}

TEST_F(ConversationTable, TheSailorAsksThenRemembersTheAnswer) {
    talk t = Play(50);
    ASSERT_TRUE(t.asked);
    EXPECT_EQ(t.lines.size(), 3u);
    EXPECT_EQ(t.lines.front(), "O-Oh!_Alexand^You_s-scared_m-me!");
    t = Answer(50, false);
    EXPECT_EQ(t.lines.front(), "Sorry_mate^I&m_on_a^mission_already.");
    EXPECT_EQ(global_objects[17], 0);
    t = Answer(50, true);
    EXPECT_EQ(t.lines.front(), "I&m_your_man!^I_mean...er_you^know!");
    EXPECT_EQ(global_objects[17], 2);
    decision = 0;
    t = Play(50);
    EXPECT_EQ(t.lines.size(), 3u);
    EXPECT_EQ(t.lines.front(), "T-Tell_me_you&ve^c-captured_the^l-lower_decks?");
}

// ---- The card dealer's friend (36), the shop keeper (46) and the upgrade dealer (48) ----

TEST_F(ConversationTable, CardCollectorGreetsEachActOnceThenOpensThePageOfTheFirstCard) {
    struct act_case {
        int act, flag, lines;
        const char* first;
        bool sets_flag;
    };
    const act_case acts[] = {
        {4, 96, 4, "The_w-war&s^finally_over.^T-Thanks_to^you!", true},
        {3, 70, 3, "G-Great_job_on^r-rescuing_the^lieutenant!", true},
        {2, 67, 4, "T-Thank_goodness^your_o-ok^Alexand.", true},
        {1, 61, 7, "Ahh!_Alexand^w-we_meet_again.", false},  // act 1's flag is set on leaving
    };
    for (const act_case& a : acts) {
        SCOPED_TRACE(a.act);
        Fresh();
        current_act = a.act;
        const talk t = Play(36);
        ASSERT_EQ((int)t.lines.size(), a.lines);
        EXPECT_EQ(t.lines.front(), a.first);
        EXPECT_EQ(global_objects[a.flag], a.sets_flag ? 1 : 0);
        Expect_Scene(1, 18, SPAWN_BEFORE, "36");
    }

    // Later visits: the first card held (in slot order) chooses the page.
    struct page_case {
        std::vector<std::pair<int, int>> cards;  // slot, card
        const char* line;
        int page;
    };
    const page_case pages[] = {
        {{}, "K-Keep_collecting^those_cards._F-Fill^a_r-row_to_win_^some_amazing_prizes!", 2},
        {{{4, 3}}, "AHH,_I_s-see_you^found_some^new_c-cards!", 1},
        {{{2, 30}, {5, 3}}, "AHH,_I_s-see_you^found_some^new_c-cards!", 3},
        {{{0, 12}}, "AHH,_I_s-see_you^found_some^new_c-cards!", 2},
        {{{7, 35}}, "AHH,_I_s-see_you^found_some^new_c-cards!", 3},
    };
    for (const page_case& p : pages) {
        SCOPED_TRACE(p.line);
        Fresh();
        global_objects[61] = 1;
        card_page = 2;
        for (const auto& [slot, card] : p.cards) Give(slot, CARD, card);
        const talk t = Play(36);
        ASSERT_EQ(t.lines.size(), 1u);
        EXPECT_EQ(t.lines.front(), p.line);
        EXPECT_EQ(card_page, p.page);
    }
}

TEST_F(ConversationTable, CardCollectorsFarewellKnowsWhetherEveryCardIsIn) {
    struct leave_case {
        int flag_before, missing;  // a card index left at 0, -1 for none
        const char* first;
        bool all;
    };
    const leave_case cases[] = {
        {0, -1, "C-Call_in_to^see_me_a-again.^And_g-good^hunting.", true},
        {0, 35, "C-Call_in_to^see_me_a-again.^And_g-good^hunting.", false},
        {1, 0, "D-Don&t_give^up!_There&s^p-plenty_of^c-cards_to_go!", false},
        {1, -1, "D-Don&t_give^up!_There&s^p-plenty_of^c-cards_to_go!", true},
    };
    for (const leave_case& c : cases) {
        SCOPED_TRACE(c.first);
        Fresh();
        shop_intro_type = 1;
        current_act = 3;
        global_objects[61] = (char)c.flag_before;
        for (int i = 0; i < 36; ++i) global_cards[i] = i == c.missing ? 0 : 1;
        global_cards[40] = 0;  // entries past the 36 cards do not count
        has_all_cards = !c.all;
        const talk t = Play(36);
        ASSERT_EQ(t.lines.size(), 1u);
        EXPECT_EQ(t.lines.front(), c.first);
        EXPECT_EQ(has_all_cards, c.all);
        EXPECT_EQ(global_objects[61], 1);
        Expect_Scene(2, 10, 13, "36 leaving");
    }
}

TEST_F(ConversationTable, ShopKeeperGreetsByActAndPartsByThePurchase) {
    struct greet_case {
        int act, flag;
        const char* first;
        int lines;
    };
    const greet_case greetings[] = {
        {3, 71, "Just_got_some^new_stock_in!", 2},
        {2, 68, "Your_in_luck^my_friend._Got^some_new_weapons^in!", 3},
        {1, 62, "AH!_a_new^sucker_I_mean^customer..welcome!", 5},
    };
    for (const greet_case& g : greetings) {
        SCOPED_TRACE(g.first);
        Fresh();
        current_act = g.act;
        Give(0, VALUABLE, 16);
        talk t = Play(46);
        ASSERT_EQ((int)t.lines.size(), g.lines);
        EXPECT_EQ(t.lines.front(), g.first);
        EXPECT_EQ(global_objects[g.flag], 1);
        EXPECT_EQ(global_objects[81], 0);  // the valuables count only on leaving
        Expect_Scene(1, 7, SPAWN_BEFORE, "46");
        t = Play(46);  // a second visit of the same act
        EXPECT_EQ(t.lines.front(), g.act == 1 ? "Got_some_bloody^good_stuff_here^mate!" : "AH!_a_new^sucker_I_mean^customer..welcome!");
    }

    // Leaving: one line by the kind of purchase, then the kind is forgotten.
    const char* parting[6] = {"Come_again!^I&ve_got_kid&s^to_feed_y&know!", "A_fine_pistol^to_make^any_mans_day!",
                              "You_got_a^bargain_there^mate!", "Your_robbing^me_blind^with_that^purchase!",
                              "I&m_bloody^giving_this^stuff_away!", "Don&t_forget^to_equip_your^new_helmet!"};
    for (int kind = 0; kind < 6; ++kind) {
        SCOPED_TRACE(kind);
        Fresh();
        shop_intro_type = 1;
        global_objects[62] = 1;
        purchased = kind;
        const talk t = Play(46);
        ASSERT_EQ(t.lines.size(), 1u);
        EXPECT_EQ(t.lines.front(), parting[kind]);
        EXPECT_EQ(purchased, 0);
        Expect_Scene(2, 0, 12, "46 leaving");
    }
    // Before a first visit the keeper promises new stock instead, and keeps the purchase.
    Fresh();
    shop_intro_type = 1;
    purchased = 2;
    talk t = Play(46);
    EXPECT_EQ(t.lines.size(), 3u);
    EXPECT_EQ(t.lines.front(), "Come_again_mate^got_some_new^stock_coming^in!");
    EXPECT_EQ(purchased, 2);
}

TEST_F(ConversationTable, LeavingTheShopMarksTheValuablesCarried) {
    struct mark_case {
        std::vector<int> values;  // valuables (code 31) carried
        bool first_visit;
        bool f81, f82, f83;
    };
    const mark_case cases[] = {
        {{16}, false, true, false, false},
        {{18, 20}, true, false, true, true},
        {{17, 19, 21, 5}, false, false, false, false},
        {{20, 16, 18}, false, true, true, true},
    };
    for (const mark_case& c : cases) {
        Fresh();
        shop_intro_type = 1;
        global_objects[62] = c.first_visit ? 0 : 1;
        for (std::size_t i = 0; i < c.values.size(); ++i) Give((int)i + 3, VALUABLE, c.values[i]);
        Give(0, WATCH, 16);  // another code with the same value marks nothing
        Play(46);
        EXPECT_EQ(global_objects[81] == 1, c.f81) << c.values.front();
        EXPECT_EQ(global_objects[82] == 1, c.f82) << c.values.front();
        EXPECT_EQ(global_objects[83] == 1, c.f83) << c.values.front();
    }
}

TEST_F(ConversationTable, UpgradeDealerSetsItsFlags) {
    struct dealer_case {
        int act, shop_intro, flag_set;  // flag_set -1: none set
        std::vector<int> flags_before;
        const char* first;
        int lines;
        int e, s, spawn;
    };
    const dealer_case cases[] = {
        {3, 0, 72, {}, "It_seems_your^more_than_meets^the_eye.", 3, 1, 30, SPAWN_BEFORE},
        {2, 0, 69, {}, "That_attack..^was_pretty..^bad...", 5, 1, 30, SPAWN_BEFORE},
        {1, 0, -1, {}, "So_your_our^new_recruit...", 6, 1, 30, SPAWN_BEFORE},
        {1, 0, -1, {63}, "At_rank_3^these_are^your_available^upgrades.", 2, 1, 30, SPAWN_BEFORE},
        {3, 0, -1, {72, 63}, "At_rank_3^these_are^your_available^upgrades.", 2, 1, 30, SPAWN_BEFORE},
        {1, 1, 63, {}, "Need_a_more^powerful_gun..^I&m_your_guy...", 1, 2, 0, 9},
        {2, 1, -1, {63}, "Keep_gaining^rank_to_unlock^new_upgrades!", 1, 2, 3, 9},
    };
    for (const dealer_case& c : cases) {
        SCOPED_TRACE(c.first);
        Fresh();
        current_act = c.act;
        shop_intro_type = c.shop_intro;
        for (int f : c.flags_before) global_objects[f] = 1;
        const talk t = Play(48);
        ASSERT_EQ((int)t.lines.size(), c.lines);
        EXPECT_EQ(t.lines.front(), c.first);
        for (int f : {72, 69, 63}) {
            bool before = false;
            for (int b : c.flags_before) before = before || b == f;
            EXPECT_EQ(global_objects[f] == 1, before || f == c.flag_set) << "flag " << f;
        }
        Expect_Scene(c.e, c.s, c.spawn, "48");
    }
}

// ---- The stealth briefing (70) and the prisoner (77) ----

TEST_F(ConversationTable, StealthBriefingUnequipsAndAFailureDeletesTheStealthScenes) {
    struct stealth_case {
        bool failed;
        int flag34;
        int lines;
        const char* first;
        bool unequips, deletes;
    };
    const stealth_case cases[] = {
        {false, 0, 11, "Alexand_I&m^glad_you_made^it._I_hope^your_ready_for^this.", true, false},
        {false, 1, 5, "Sorry_but^you_can&t_use^my_disguise.", true, false},
        {true, 1, 5, "Looks_like^we&ll_have_to^try_again.", false, true},
    };
    for (const stealth_case& c : cases) {
        SCOPED_TRACE(c.first);
        Fresh();
        for (int s = 25; s <= 29; ++s)
            ASSERT_TRUE(Write_Text_File("scene/episode3/scene" + std::to_string(s) + ".tmp", "x"));
        failed_stealth = c.failed;
        global_objects[34] = (char)c.flag34;
        Give(4, SLOT_PISTOL, 0);
        current_weapon = 4;
        const talk t = Play(70);
        ASSERT_EQ((int)t.lines.size(), c.lines);
        EXPECT_EQ(t.lines.front(), c.first);
        EXPECT_EQ(current_weapon, c.unequips ? -1 : 4);
        EXPECT_EQ(global_objects[34], 1);
        EXPECT_FALSE(failed_stealth);
        EXPECT_TRUE(stop_siren);
        for (int s = 25; s <= 29; ++s) {
            const bool gone = c.deletes && s >= 26 && s <= 28;
            EXPECT_EQ(!std::filesystem::exists("scene/episode3/scene" + std::to_string(s) + ".tmp"), gone) << s;
        }
        Expect_Scene(3, 2, 1, "70");
    }
}

TEST_F(ConversationTable, ThePrisonerReportsTheMissionOnlyWhenTheTalkCloses) {
    for (int state : {2, 0, 3}) {
        SCOPED_TRACE(state);
        Fresh();
        main_mission[11] = state;
        const talk t = Play(77, false);
        ASSERT_EQ(t.lines.size(), 8u);
        EXPECT_EQ(t.lines.front(), "Alexand_You^came_to_rescue^me._I&ve_been^stuck_here_for^days.");
        EXPECT_TRUE(cash_sfx);  // the plans are announced
        EXPECT_EQ(main_mission[11], state);  // the lines change nothing
        EXPECT_EQ(global_objects[45], 0);
        Conversation_Close(77);
        EXPECT_EQ(main_mission[11], state == 2 ? 1 : state);
        EXPECT_EQ(new_mission, state == 2 ? 24 : -1);
        EXPECT_EQ(global_objects[45], state == 2 ? 1 : 0);
        Expect_Scene(1, 135, SPAWN_BEFORE, "77");
    }
}

// ---- The sergeant (11) ----

TEST_F(ConversationTable, TheSergeantEquipsEachCharacterOnce) {
    struct sarge_case {
        int character;
        const char* gift_line;
        int pistol_model;       // -1: no pistol
        int pistol_rounds;
        bool equipped;
        bool objective_in_lines;
        int e, s, spawn;
    };
    const sarge_case cases[] = {
        {0, "(Received_Weston^Pistol!)", 0, 240, true, false, 1, 119, SPAWN_BEFORE},
        {1, "(Received_Colt^Pistol!)", 4, 120, false, true, 3, 1, 6},
        {2, "(Received_a^Knife!)", -1, 0, false, true, 3, 1, 6},
    };
    for (const sarge_case& c : cases) {
        SCOPED_TRACE(c.character);
        Fresh();
        current_main = 1;
        main_mission[1] = 2;
        current_char = c.character;
        const talk t = Play(11, false);
        ASSERT_EQ(t.lines.size(), 6u);
        EXPECT_EQ(t.lines[4], c.gift_line);
        EXPECT_EQ(global_objective[3], c.objective_in_lines ? 1 : 0);
        EXPECT_EQ(Slots_With(SLOT_PISTOL), c.pistol_model >= 0 ? 1 : 0);
        if (c.pistol_model >= 0) {
            EXPECT_TRUE(Holds(SLOT_PISTOL, c.pistol_model));
        }
        EXPECT_EQ(Count_Of(PISTOL_AMMO), c.pistol_rounds);
        if (c.equipped) {
            ASSERT_NE(current_weapon, -1);
            EXPECT_EQ(player_inv[current_weapon], SLOT_PISTOL);
        } else {
            EXPECT_EQ(current_weapon, -1);
        }
        EXPECT_TRUE(on_course);
        EXPECT_EQ(global_objects[11], 1);
        EXPECT_EQ(new_mission, 1);
        Conversation_Close(11);
        EXPECT_EQ(global_objective[3], 1);
        Expect_Scene(c.e, c.s, c.spawn, "11");
    }

    // A second first meeting (the gifts' flag already set) gives nothing.
    Fresh();
    current_main = 1;
    main_mission[1] = 2;
    global_objects[11] = 1;
    const talk t = Play(11);
    EXPECT_EQ(t.lines.size(), 6u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(player_inv[i], 0) << i;
    EXPECT_EQ(current_weapon, -1);
}

// ---- The mission givers (1, 47, 66, 74) ----

struct chain_case {
    const char* what;
    int giver;
    int current_main;
    std::vector<std::pair<int, int>> states;  // mission, state
    const char* first;                         // the first line the giver says
    bool asks;
};

TEST_F(ConversationTable, EachGiverTalksAboutTheNextMissionOfItsChain) {
    const chain_case cases[] = {
        {"66: no mission yet", 66, 0, {}, "It&s_about_time^you_showed_up!", false},
        {"66: 6 reported", 66, 0, {{6, 3}}, "The_enemy^General_Mauser_has^Betsy_and_he&s^after_you.", true},
        {"66: 6, 7 reported", 66, 0, {{6, 3}, {7, 3}}, "Lucky_for_you^my_plan&s^foolproof!", true},
        {"66: up to 8 reported", 66, 0, {{6, 3}, {7, 3}, {8, 3}}, "We&ll_soon_have^Betsy_back._It&s^time_to_attack.",
         true},
        {"66: up to 9 reported", 66, 0, {{6, 3}, {7, 3}, {8, 3}, {9, 3}},
         "Good_News^Alexand.^We&re_recieved^news_from^Agent_Bigg&s", true},
        {"66: chain done", 66, 0, {{6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 3}},
         "You&ll_need_to^find_other^commanders_for^more_missions!", false},
        {"66: busy with 74's mission", 66, 12, {{12, 2}}, "Come_see_me^when_your_finished^your_mission!", false},
        {"66: 8 accepted", 66, 8, {{6, 3}, {7, 3}, {8, 2}}, "What_was_my_mission?", false},
        {"74: its first mission current", 74, 11, {}, "Alexand_I&m^so_glad_te_see^ye!", true},
        {"74: nothing in hand after the last act's reports", 74, 0, {{6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 3}},
         "Alexand_I&m^so_glad_te_see^ye!", true},
        {"74: 11 accepted", 74, 11, {{11, 2}}, "What_was_my_mission?", false},
        {"74: 11 reported", 74, 0, {{11, 3}}, "What_are_my^orders_Betsy?", true},
        {"74: 11, 12 reported", 74, 0, {{11, 3}, {12, 3}}, "This_is_it^Alexand._The^final_mission.", true},
        {"74: chain done", 74, 0, {{11, 3}, {12, 3}, {13, 3}}, "You&ll_need_to^find_other^commanders_for^more_missions!",
         false},
        {"74: busy with 66's mission", 74, 9, {{9, 2}}, "Come_see_me^when_your_finished^your_mission!", false},
        {"47: offer", 47, 0, {}, "Your_one_of^Betsy&s_lot^aren&t_you?", true},
        {"1: mission 3 after 2", 1, 0, {{1, 3}, {2, 3}}, "Och!_The_enemy^is_holding_our^bunkers.", true},
        {"1: mission 1 accomplished counts as reported", 1, 0, {{1, 1}, {2, 3}},
         "Och!_The_enemy^is_holding_our^bunkers.", true},
        {"1: chain done", 1, 0, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}},
         "You&ll_need_to^find_other^commanders_fer^muir_missions!", false},
        {"1: busy with 66's mission", 1, 7, {{7, 2}}, "Come_see_me^when_ye&ve_finished^ye&re_mission!", false},
    };
    for (const chain_case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.first, nullptr);
        Fresh();
        global_objects[60] = 1;
        global_objects[29] = 1;
        current_main = c.current_main;
        for (const auto& [m, st] : c.states) main_mission[m] = st;
        const talk t = Play(c.giver);
        ASSERT_FALSE(t.lines.empty());
        EXPECT_EQ(t.lines.front(), c.first);
        EXPECT_EQ(t.asked, c.asks);
    }
}

// Mission 6 is taken over without a question in whatever state the first act left it
// (the escort's end leaves it accomplished and current); the next visit offers mission 7.
TEST_F(ConversationTable, MissionSixIsHandedOverWithoutAQuestion) {
    struct six_case {
        const char* what;
        int state, current_main;
    };
    const six_case cases[] = {
        {"not given", 0, 0}, {"accomplished, as the first act ends", 1, 6}, {"accepted", 2, 6}};
    for (const six_case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        main_mission[6] = c.state;
        current_main = c.current_main;
        const talk t = Play(66);
        ASSERT_EQ(t.lines.size(), 7u);
        EXPECT_EQ(t.lines.front(), "It&s_about_time^you_showed_up!");
        EXPECT_FALSE(t.asked);
        EXPECT_EQ(main_mission[6], 3);
        EXPECT_EQ(new_mission, 14);
        EXPECT_EQ(current_main, c.current_main);
        Expect_Scene(2, 0, 4, "66");
        const talk next = Play(66);
        ASSERT_FALSE(next.lines.empty());
        EXPECT_EQ(next.lines.front(), "The_enemy^General_Mauser_has^Betsy_and_he&s^after_you.");
        EXPECT_TRUE(next.asked);
    }
}

// Accepting each offered mission: its state, its start line and its own extras.
TEST_F(ConversationTable, AcceptingAnOfferStartsTheMissionWithItsExtras) {
    struct accept_case {
        int giver, mission, line_code;
        std::vector<int> reported;  // missions of the chain already reported
        int current;                // current_main before the talk
        int grenades;               // grenades received
        bool shotgun;
    };
    const accept_case cases[] = {
        {1, 2, 10, {1}, 0, 0, false},  // asked for: no grenades
        {1, 3, 2, {1, 2}, 0, 0, true},
        {1, 4, 7, {1, 2, 3}, 0, 0, false},
        {1, 5, 11, {1, 2, 3, 4}, 0, 0, false},
        {1, 6, 13, {1, 2, 3, 4, 5}, 0, 0, false},
        {47, 4, 8, {}, 0, 0, false},
        {66, 7, 16, {6}, 0, 0, false},
        {66, 8, 17, {6, 7}, 0, 6, false},
        {66, 9, 18, {6, 7, 8}, 0, 0, false},
        {66, 10, 19, {6, 7, 8, 9}, 0, 0, false},
        {74, 11, 21, {}, 11, 0, false},
        {74, 11, 21, {}, 0, 0, false},  // nothing in hand: she starts her chain
        {74, 12, 22, {11}, 0, 6, false},
        {74, 13, 23, {11, 12}, 0, 0, false},
    };
    for (const accept_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.giver << "/" << c.mission);
        Fresh();
        global_objects[60] = 1;
        global_objects[29] = 1;  // mission 2 of giver 1 is then offered with a question
        for (int f = 53; f <= 56; ++f) global_objects[f] = 1;
        global_objects[44] = 1;
        for (int m : c.reported) main_mission[m] = 3;
        current_main = c.current;
        ASSERT_TRUE(Play(c.giver).asked);
        const talk t = Answer(c.giver, true);
        EXPECT_EQ(t.lines.front(), "Yes_Sir!^I&m_on_it!");
        EXPECT_EQ(main_mission[c.mission], 2);
        EXPECT_EQ(current_main, c.mission);
        EXPECT_EQ(new_mission, c.line_code);
        EXPECT_EQ(Count_Of(GRENADE), c.grenades);
        EXPECT_EQ(Holds(SLOT_SHOTGUN_LEFT, 0), c.shotgun);
        EXPECT_EQ(Count_Of(SHELLS), c.shotgun ? 25 : 0);
        EXPECT_EQ(global_objects[65], c.giver == 1 && c.mission == 3 ? 1 : 0);
        for (int f = 53; f <= 56; ++f) EXPECT_EQ(global_objects[f], c.mission == 13 ? 0 : 1) << f;
        EXPECT_EQ(global_objects[44], c.mission == 10 ? 0 : 1);
    }
}

TEST_F(ConversationTable, GrenadesComeOnlyWhileSixOrFewerAreCarried) {
    struct grenade_case {
        int giver, carried;
        bool given;
    };
    const grenade_case cases[] = {{66, 0, true}, {66, 6, true}, {66, 7, false}, {74, 6, true}, {74, 12, false}};
    for (const grenade_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.giver << " carrying " << c.carried);
        Fresh();
        if (c.giver == 66)
            for (int m : {6, 7}) main_mission[m] = 3;
        else
            main_mission[11] = 3;
        INV_GRENADE_COUNT = c.carried;
        Play(c.giver);
        const talk t = Answer(c.giver, true);
        EXPECT_EQ(Count_Of(GRENADE), c.given ? 6 : 0);
        if (c.given) {
            EXPECT_EQ(t.lines.back(), "(Received_6^Grenades!)");
        } else {
            ASSERT_GE(t.lines.size(), 2u);
            EXPECT_EQ(t.lines[t.lines.size() - 2], "Oh_and^remember_to^use_your^grenades.");
            EXPECT_EQ(t.lines.back(), "Roger_that!");
        }
    }

    // Giver 1 hands mission 2 over unasked the first time, with the grenades (or without
    // them when enough are carried), and marks that it did.
    for (int carried : {6, 7}) {
        SCOPED_TRACE(carried);
        Fresh();
        global_objects[60] = 1;
        main_mission[1] = 3;
        INV_GRENADE_COUNT = carried;
        const talk t = Play(1);
        EXPECT_FALSE(t.asked);
        EXPECT_EQ(t.lines.size(), 9u);
        EXPECT_EQ(t.lines.front(), "Good!_ye&re_now^trained_fer_ye&re^mission.");
        EXPECT_EQ(Count_Of(GRENADE), carried == 6 ? 6 : 0);
        EXPECT_EQ(global_objects[29], 1);
        EXPECT_EQ(main_mission[2], 2);
        EXPECT_EQ(current_main, 2);
        EXPECT_EQ(new_mission, 10);
    }
}

TEST_F(ConversationTable, TheMissionThreeShotgunComesOnce) {
    global_objects[60] = 1;
    main_mission[1] = main_mission[2] = 3;
    global_objects[65] = 1;
    Play(1);
    const talk t = Answer(1, true);
    EXPECT_EQ(t.lines.size(), 2u);
    EXPECT_FALSE(Holds(SLOT_SHOTGUN_LEFT, 0));
    EXPECT_EQ(main_mission[3], 2);
}

TEST_F(ConversationTable, TheMissionThreeReminderNamesTheBunkersLeft) {
    struct reminder_case {
        int objective0, objective2;
        const char* goal;
    };
    const reminder_case cases[] = {
        {0, 0, "Recapture_the_two^large_bunkers^on_the_beach^front."},
        {1, 0, "Recapture_the_last^remaining_bunker^on_the_beach^front."},
        {0, 1, "Recapture_the_last^remaining_bunker^on_the_beach^front."},
    };
    for (const reminder_case& c : cases) {
        Fresh();
        global_objects[60] = 1;
        main_mission[1] = main_mission[2] = 3;
        main_mission[3] = 2;
        current_main = 3;
        global_objective[0] = (signed char)c.objective0;
        global_objective[2] = (signed char)c.objective2;
        on_course = true;
        const talk t = Play(1);
        ASSERT_EQ(t.lines.size(), 2u);
        EXPECT_EQ(t.lines[0], "What_was_my_mission?");
        EXPECT_EQ(t.lines[1], c.goal);
        EXPECT_FALSE(on_course);
        EXPECT_EQ(new_mission, 2);
    }
}

TEST_F(ConversationTable, ADebriefingReportsTheMission) {
    struct debrief_case {
        int giver, mission;
        std::vector<int> reported;
        int state_after;  // giver 1's mission 2 is reported by its close, not by the lines
        int gold;
        int flag;  // a story flag the debriefing sets, -1 none
    };
    const debrief_case cases[] = {
        {1, 2, {1}, 3, 0, -1},          {1, 3, {1, 2}, 3, 0, -1},  {47, 4, {}, 3, 1000, -1},
        {66, 9, {6, 7, 8}, 3, 0, 42},   {66, 10, {6, 7, 8, 9}, 3, 0, -1}, {74, 13, {11, 12}, 3, 0, -1},
    };
    for (const debrief_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.giver << "/" << c.mission);
        Fresh();
        global_objects[60] = 1;
        for (int m : c.reported) main_mission[m] = 3;
        main_mission[c.mission] = 1;
        current_main = c.mission;
        const talk t = Play(c.giver, false);
        EXPECT_EQ(t.lines.size(), 2u);
        EXPECT_EQ(current_main, 0);
        EXPECT_EQ(main_mission[c.mission], c.giver == 1 && c.mission == 2 ? 1 : 3);
        EXPECT_EQ(Count_Of(GOLD), c.gold);
        if (c.flag >= 0) {
            EXPECT_EQ(global_objects[c.flag], 1);
        }
        Conversation_Close(c.giver);
        EXPECT_EQ(main_mission[c.mission], c.state_after);
    }
}

// The close of 1, 31 and 74: the hub, or the briefing a mission state asks for (the later
// test wins), each briefing once.
TEST_F(ConversationTable, GiverClosingRoutesToTheHubOrAMissionBriefing) {
    struct route_case {
        const char* what;
        int id;
        std::vector<std::pair<int, int>> states;
        std::vector<int> flags_before;
        int e, s, spawn;
        std::vector<int> flags_set;
    };
    const route_case cases[] = {
        {"nothing pending", 1, {}, {}, 2, 0, 4, {}},
        {"31 on mission 2", 31, {{2, 2}}, {}, 1, 121, 4, {95}},
        {"74 on mission 2, seen", 74, {{2, 2}}, {95}, 2, 0, 4, {}},
        {"mission 2 done", 1, {{2, 1}}, {}, 1, 124, 4, {97}},
        {"mission 4 under way", 74, {{4, 2}}, {}, 1, 142, 4, {99}},
        {"mission 2 and mission 4: the later wins", 1, {{2, 2}, {4, 2}}, {}, 1, 142, 4, {95, 99}},
    };
    for (const route_case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        current_act = 1;
        for (const auto& [m, st] : c.states) main_mission[m] = st;
        for (int f : c.flags_before) global_objects[f] = 1;
        Conversation_Close(c.id);
        Expect_Scene(c.e, c.s, c.spawn, c.what);
        for (int f : {95, 97, 99}) {
            bool expected = false;
            for (int b : c.flags_before) expected = expected || b == f;
            for (int b : c.flags_set) expected = expected || b == f;
            EXPECT_EQ(global_objects[f] == 1, expected) << f;
        }
        if (c.s == 124) {
            EXPECT_EQ(main_mission[2], 3);
        }
    }
    // The hub follows the act.
    for (int act = 1; act <= 4; ++act) {
        Fresh();
        current_act = act;
        Conversation_Close(66);
        Expect_Scene(2, act == 1 ? 0 : act == 2 ? 3 : act == 3 ? 10 : 11, 4, "66");
    }
}

}  // namespace
