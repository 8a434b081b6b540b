// The camp's screens as generated, played through the real frame loop: the tent (banking,
// sleeping, leaving), the medal box, the card albums and the single card, the two record
// pages, the tunnels, the return to camp and the burning camp. Each is entered by the scene
// request the camp makes, used with the pointer and left; no message box at any point.
#include "support/played_game.h"

#include <cstring>
#include <functional>
#include <string>

#include "camp/albums.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/inventory.h"
#include "world/world_clock.h"

namespace {

class Walk_Camp_Screens : public PlayedGame {
protected:
    // The camp area after a new game's briefing, then a request for page e/s as the camp's
    // objects make it; runs until the page has faded in.
    // `setup` sets the game state the page shows (after the new game's own).
    void Camp_Then(int e, int s, const std::function<void()>& setup = [] {}) {
        Enter_Camp(30);
        if (HasFatalFailure()) return;
        setup();
        Request(e, s);
        ASSERT_TRUE(Settle_On(e, s, 8000)) << "page " << e << "/" << s << " not reached; at " << episode << "/"
                                           << scene << Box_Texts();
        Run(300);
    }
    static void Request(int e, int s) {
        episode = e;
        scene = s;
        next_scene = true;
    }
    // Moves the pointer over sprite i and lets a few frames pass.
    static void Hover(int i) {
        const object& o = sprite[i];
        Pointer(Pixel_X(o.w + o.box_width / 2), Pixel_Y(o.z + o.box_height / 2));
        Run(60);
    }
    static std::string Tip() { return counter[5].word; }
    // Back in the camp area at `spawn`, walking.
    static bool Back_In_Camp() {
        return Run_Until([] { return In(2, 0) && game_mode == MODE_WALK && p1_id != -1 && fade >= 1.0f; }, 10000);
    }
};

TEST_F(Walk_Camp_Screens, TheTentBanksWhatIsCarriedSleepsAndLeavesToTheCamp) {
    Enter_Camp(30);
    ASSERT_FALSE(HasFatalFailure());
    // Carried home: three copies of card 7, a lantern, two smelly socks, a rug.
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(Calculate_Item(7, CARD, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(9, VALUABLE, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(8, VALUABLE, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(8, VALUABLE, -1, 0, 0));
    ASSERT_TRUE(Calculate_Item(13, VALUABLE, -1, 0, 0));
    for (int t : {3, 7, 10, 13, 17, 21}) tent_objects[t] = 2; // owned earlier
    Request(1, 25);
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Box_Texts();
    EXPECT_EQ(global_cards[7], 1);
    EXPECT_FALSE(Has_This_Item(CARD, 7));
    EXPECT_EQ(tent_objects[0], 2);
    EXPECT_EQ(tent_objects[1], 2);
    EXPECT_EQ(tent_objects[6], 2);
    EXPECT_TRUE(Has_This_Item(VALUABLE, 8)) << "the second sock stays in the pack";
    Run(3500); // the banked pieces flash, then stay
    for (int s : {3, 4, 12, 18, 14, 19, 22, 26, 31, 33}) EXPECT_EQ(sprite[s].alpha, 1.0f) << "sprite " << s;
    EXPECT_EQ(sprite[15].alpha, 0.0f); // not owned
    Hover(13);
    EXPECT_EQ(Tip(), "Leave_Tent");
    EXPECT_EQ(sprite[13].anim, 1); // lit
    Shot("tent_day");

    // The lantern puts the light out and on again; in the dark no page button answers.
    Click_Sprite(3);
    EXPECT_EQ(fade, 0.5f);
    EXPECT_EQ(title_sequence, 6);
    EXPECT_EQ(sprite[3].anim, 1);
    Shot("tent_dark");
    Click_Sprite(5);
    EXPECT_TRUE(In(1, 25)) << "the medal box opened in the dark";
    Click_Sprite(3);
    EXPECT_EQ(fade, 1.0f);
    EXPECT_EQ(title_sequence, 1);

    // Sleeping: the tent loads again six hours later, at full health.
    const int hours_before = hours;
    old_health = 10;
    Click_Sprite(6);
    EXPECT_TRUE(was_sleeping);
    EXPECT_EQ(hours, hours_before + 6);
    EXPECT_EQ(old_health, PLY_VITALITY);
    ASSERT_TRUE(Settle_On(1, 25, 15000)) << Box_Texts();
    daytime = true;
    Run(300);
    EXPECT_EQ(sprite[8].anim, 1); // the room at night
    Shot("tent_night");

    Click_Sprite(13);
    ASSERT_TRUE(Back_In_Camp()) << "at " << episode << "/" << scene << Box_Texts();
    EXPECT_EQ(current_spawn, 0);
    EXPECT_NEAR(PX(), points[0].x, 0.1f);
    EXPECT_NEAR(PY(), points[0].y, 0.1f);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp_Screens, TheMedalBoxShowsWonMedalsAndFeatsAndLeadsBackToTheTent) {
    Camp_Then(1, 25, [] {
        global_medals[2] = 1;  // gold star, layer one
        global_medals[11] = 1; // perfect cross, layer one
    });
    ASSERT_FALSE(HasFatalFailure());
    Click_Sprite(5);
    ASSERT_TRUE(Settle_On(1, 24, 8000)) << Box_Texts();
    Run(300);
    EXPECT_EQ(sprite[9].anim, 4);   // slot 2
    EXPECT_EQ(sprite[14].anim, 17); // slot 11
    EXPECT_EQ(sprite[6].anim, 0);   // slot 0, not won
    struct Case {
        int sprite;
        const char* tip;
    };
    for (const Case& c : {Case{9, "GOLD^STAR"}, Case{14, "PERFECT^CROSS"},
                          Case{6, "-NO_MEDAL-^Kill_atleast^100^enemies!"}, Case{16, "Locked"},
                          Case{15, "Layer^One"}, Case{1, "Return^to_Tent"}}) {
        Hover(c.sprite);
        EXPECT_EQ(Tip(), c.tip) << "sprite " << c.sprite;
    }
    Hover(9);
    Shot("medal_box");
    Click_Sprite(16); // locked in act 1: only the click sound
    Run(300);
    EXPECT_TRUE(In(1, 24));
    EXPECT_EQ(medal_page, 1);
    Click_Sprite(1);
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp_Screens, TheAlbumsShowBankedCardsAndTheSingleCardPage) {
    Enter_Camp(30);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Calculate_Item(1, CARD, -1, 0, 0)); // MONA
    global_cards[10] = 10;                          // TALVERN, perfect
    Request(1, 25);
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Box_Texts();
    EXPECT_EQ(global_cards[1], 1);
    Run(300);
    Click_Sprite(36);
    ASSERT_TRUE(Settle_On(1, 18, 8000)) << Box_Texts();
    EXPECT_EQ(card_page, 1);
    EXPECT_EQ(sprite[3].anim, 3);  // slot 1: MONA's picture
    EXPECT_EQ(sprite[13].anim, 12); // slot 10
    EXPECT_EQ(sprite[6].anim, 1);  // slot 0: not found yet
    for (int s = 3; s <= 14; ++s) EXPECT_EQ(sprite[s].id, 8) << "sprite " << s;
    struct Case {
        int sprite;
        const char* tip;
    };
    for (const Case& c : {Case{3, "CARD^MONA_(1)"}, Case{13, "CARD^TALVERN^(PERFECT)"}, Case{6, "CARD^LUCILLE_(0)"},
                          Case{17, "Locked"}, Case{16, "Swimsuit^Album"}}) {
        Hover(c.sprite);
        EXPECT_EQ(Tip(), c.tip) << "sprite " << c.sprite;
    }
    Run(2500); // the arriving card flashes with its stars, then stays
    EXPECT_EQ(sprite[3].alpha, 1.0f);
    Hover(3);
    Shot("card_albums");
    Click_Sprite(18); // locked in act 1
    Run(300);
    EXPECT_TRUE(In(1, 18));
    EXPECT_EQ(card_page, 1);

    // The single card: it slides in and rests; back to the album.
    Click_Sprite(3);
    ASSERT_TRUE(Settle_On(1, 54, 8000)) << Box_Texts();
    EXPECT_EQ(card_selected, 2);
    Run(3000);
    EXPECT_EQ(title_sequence, 2); // at rest
    Shot("single_card");
    Click_Sprite(1);
    ASSERT_TRUE(Settle_On(1, 18, 8000)) << Box_Texts();
    Run(300);
    Click_Sprite(1);
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Box_Texts();
    Run(300);
    Click_Sprite(13);
    ASSERT_TRUE(Back_In_Camp()) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp_Screens, TheRecordPagesReadTheTotalsAndLeadBack) {
    // The tent's record (1/26).
    Camp_Then(1, 25, [] {
        player_kill_count = 42;
        player_death_count = 3;
        player_hours = 1;
        player_minutes = 5;
        player_seconds = 9;
        player_walked = 1500;
        tent_objects[0] = tent_objects[5] = 2;
        player_rank = 2;
    });
    ASSERT_FALSE(HasFatalFailure());
    Click_Sprite(7);
    ASSERT_TRUE(Settle_On(1, 26, 8000)) << Box_Texts();
    Run(300);
    // The play clock runs on in the tent: the seconds are those of the page's first frames.
    EXPECT_NE(std::strstr(counter[0].word, "Kill_count^_42^Times_died^_3^Game_time^_01:05:"), nullptr)
        << counter[0].word;
    EXPECT_NE(std::strstr(counter[1].word, "Furniture^_2 of 22"), nullptr) << counter[1].word;
    EXPECT_NE(std::strstr(counter[1].word, "Rank^_Private"), nullptr) << counter[1].word;
    EXPECT_NE(std::strstr(counter[2].word, "Walked^_1500ft"), nullptr) << counter[2].word;
    Hover(1);
    EXPECT_EQ(Tip(), "Return^to_Tent");
    Shot("record_page");
    Click_Sprite(1);
    ASSERT_TRUE(Settle_On(1, 25, 8000)) << Box_Texts();
    Run(300);

    // The statistics screen (1/52), opened from the camp area, leads back there.
    Click_Sprite(13);
    ASSERT_TRUE(Back_In_Camp()) << Box_Texts();
    stats_episode = 2;
    stats_scene = 0;
    Request(1, 52);
    ASSERT_TRUE(Settle_On(1, 52, 8000)) << Box_Texts();
    Run(300);
    EXPECT_NE(std::strstr(counter[0].word, "Gold^_0^Kill_count^_42"), nullptr) << counter[0].word;
    EXPECT_NE(std::strstr(counter[1].word, "Secrets^_0 of 4"), nullptr) << counter[1].word;
    Hover(1);
    EXPECT_EQ(Tip(), "Return^to_game");
    Shot("statistics");
    Click_Sprite(1);
    ASSERT_TRUE(Back_In_Camp()) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp_Screens, TheTunnelsOpenOnlyOpenedDestinationsAndLeadBackToTheCamp) {
    Camp_Then(1, 31, [] {
        tunnel_page = 1;
        global_objects[14] = 1; // Pebble Beach is open, the others not
        global_objects[13] = 2; // not exactly 1: closed
    });
    ASSERT_FALSE(HasFatalFailure());
    struct Case {
        int sprite;
        const char* tip;
    };
    for (const Case& c : {Case{5, "Pebble^Beach"}, Case{6, "Closed"}, Case{7, "Closed"}, Case{11, "Locked"},
                          Case{10, "Beach^Tunnels"}, Case{4, "Summer_Camp"}}) {
        Hover(c.sprite);
        EXPECT_EQ(Tip(), c.tip) << "sprite " << c.sprite;
    }
    Hover(5);
    Run(500);
    Shot("tunnels");
    Click_Sprite(6); // closed: nothing
    Click_Sprite(11); // locked in act 1
    Run(300);
    EXPECT_TRUE(In(1, 31));
    EXPECT_EQ(tunnel_page, 1);
    // The lamp darkens the map; in the dark the way back does not answer.
    Click_Sprite(2);
    EXPECT_EQ(fade, 0.5f);
    Click_Sprite(4);
    EXPECT_TRUE(In(1, 31));
    Click_Sprite(2);
    EXPECT_EQ(fade, 1.0f);
    Click_Sprite(4);
    ASSERT_TRUE(Back_In_Camp()) << Box_Texts();
    EXPECT_EQ(current_spawn, 2);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp_Screens, TheReturnPageLeadsIntoTheCampByTimeOrSkip) {
    struct Case {
        bool skip;
        int from_episode, from_scene, spawn;
    };
    for (const Case& c : {Case{false, 2, 1, 1}, Case{true, 3, 16, 10}}) {
        SCOPED_TRACE(c.skip ? "skipped" : "timed");
        Camp_Then(1, 143);
        ASSERT_FALSE(HasFatalFailure());
        stats_episode = c.from_episode;
        stats_scene = c.from_scene;
        if (c.skip) {
            Hover(0);
            EXPECT_EQ(Tip(), "Skip^scene");
            Shot("return_to_camp");
            Click_Sprite(0);
        }
        ASSERT_TRUE(Back_In_Camp()) << Box_Texts();
        EXPECT_EQ(current_spawn, c.spawn);
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

TEST_F(Walk_Camp_Screens, TheBurningCampLeadsToTheRaidsConversation) {
    // As the revival sends the player in act 2 before the raid is over.
    Camp_Then(1, 48, [] { current_act = 2; });
    ASSERT_FALSE(HasFatalFailure());
    Run(2500); // the picture rises into view
    EXPECT_TRUE(In(1, 48));
    Shot("burning_camp");
    ASSERT_TRUE(Settle_On(1, 49, 10000)) << Box_Texts();
    Run(2000);
    Shot("raid_conversation");
    // The conversation ends by sending the player to the act's hub, the raid over.
    ASSERT_TRUE(Run_Until([] { return next_scene && global_objects[32] == 1; }, 90000))
        << "at " << episode << "/" << scene << Box_Texts();
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 3);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
