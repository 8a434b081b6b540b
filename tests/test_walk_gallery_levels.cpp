// The shooting gallery's rounds and the finale after the last one, as generated, played
// through the real frame loop on the virtual clock. A round is won as a player wins it: the
// mouse goes over whatever stands up and clicks (the right button reloads an empty gun), the
// boss gondola is shot to pieces, the clay pigeons are hit on their trap before they are
// thrown; each round must raise its figures in its wave script's order and lead where the
// story goes on. The finale's cut-scenes play from the airship's end to the act's end.
#include "support/played_game.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/player_stats.h"
#include "scripts/cut_scenes.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/window.h"

namespace {

enum class Play { Waves, Boss, Pigeons };

struct Round_Case {
    int scene;                  // episode 1 scene of the round
    Play play;
    std::vector<int> order;     // the figures the round raises, in order (empty: drawn at random)
    int bar = -1;               // the boss bar's sprite, if the round has one
    int next_e = 1, next_s = 0; // where the round leads once won
    int spawn = -99;            // the spawn point the request names (-99: none looked at)
    int pigeon_round = 0;       // the pigeon shoot's round counter on entry
    const char* name = "";
    int backdrop = -1;          // the backdrop's sprite, which the sway and the shake move
    int perk = 0;               // the gallery gun's perk (st_gallery) on entry
};

// The wave scripts' figures in release order (a figure raised twice running counts once).
const Round_Case ROUNDS[] = {
    {21, Play::Waves, {7, 6, 4, 13, 12, 5, 8, 5, 6, 4, 9, 4, 6}, -1, 1, 22, -99, 0, "deck_guns", 27, 0},
    {22, Play::Waves, {6, 2, 4, 8, 9, 4, 7, 12, 2, 13, 6, 8, 2}, -1, 1, 40, -99, 0, "deck_boats", 27, 0},
    {23, Play::Waves, {6, 2, 4, 9, 8, 7, 4, 8, 13, 5, 9, 12, 6, 5, 12, 4, 13, 2, 6, 9, 7, 4}, 29, 1, 41, -99, 0,
     "admiral", 27, 1},
    {69, Play::Waves, {7, 6, 8, 2, 5, 6, 13}, -1, 1, 70, -99, 0, "trench_dawn", 28, 0},
    {70, Play::Waves, {7, 6, 4, 13, 12, 5, 8, 5, 6, 4, 9, 4, 6}, -1, 1, 71, -99, 0, "trench_grey", 28, 1},
    {71, Play::Waves, {6, 2, 4, 8, 4, 13, 7, 5, 2, 13, 6, 8, 2}, -1, 1, 72, -99, 0, "trench_dusk", 28, 2},
    {73, Play::Waves, {6, 8, 4, 8, 6, 8, 4, 6, 4, 8, 6, 8, 4, 8, 4, 6, 4, 8, 4}, 32, 1, 74, -99, 0, "colonel", 37, 2},
    {95, Play::Waves, {6, 8, 4, 8, 6, 8}, -1, 1, 96, -99, 0, "airship_hull", 24, 0},
    {96, Play::Waves, {6, 8, 4, 8, 6, 8}, -1, 1, 97, -99, 0, "airship_fins", 24, 1},
    {97, Play::Waves, {6, 8, 4, 8, 6, 8}, -1, 1, 123, -99, 0, "airship_engines", 24, 2},
    {98, Play::Boss, {}, 31, 1, 99, -99, 0, "gondola", 24, 3},
    {112, Play::Pigeons, {}, -1, 1, 113, -99, 0, "pigeons_first", 27, 0},
    {113, Play::Pigeons, {}, -1, 1, 114, -99, 0, "pigeons_second", 27, 0},
    {114, Play::Pigeons, {}, -1, 1, 115, -99, 0, "pigeons_third", 27, 0},
    {115, Play::Pigeons, {}, -1, 1, 112, -99, 0, "pigeons_last_of_first_round", 27, 0},
    {115, Play::Pigeons, {}, -1, 3, 29, 3, 1, "pigeons_last_of_the_shoot", 27, 0},
};

class Walk_Gallery : public PlayedPages {
protected:
    // A new game, the player's health full, entering episode 1 scene s as a request does;
    // `before` sets the state the scene finds on entry.
    void Enter_Page(int s, const std::function<void()>& before = [] {}) {
        Init_Player();
        Start_Game();
        old_health = PLY_VITALITY;
        before();
        Enter_Scene(1, s);
    }

    static bool Left(int s) { return !(episode == 1 && scene == s); }

    // A shot at the middle of sprite i's box, the button held for a few ticks.
    static void Fire_At(int i) { Click_Sprite_Until_Request(i, 20, 30, 10); }
    static void Reload() {
        const int64_t at = Pixels(0.0f, 0.6f);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
        Run_Until([] { return next_scene; }, 40);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
        Run_Until([] { return next_scene || !gallery_reloading; }, 800);
    }

    // A figure standing up that can be shot.
    static bool Up(int i) {
        const object& o = sprite[i];
        return o.type == MNE && o.sector_action != 23 && o.alpha == 1.0f && o.grab_switch && o.score > 0 &&
               o.status != 30;
    }
    // A bonus item lying ready to be taken.
    static bool Bonus(int i) { return sprite[i].alpha == 1.0f && sprite[i].grab_switch; }

    // Plays round s until it asks for another scene: shoots a cannon ball as it comes down
    // into view (lobbed over the top, it falls back big and fast), then what stands up (the bonus items too), then the boss prop when there is
    // one, reloading an empty gun. Returns the figures raised, in order; `drift` the farthest
    // the backdrop strayed from its place.
    std::vector<int> Win_Round(int s, bool boss, int backdrop, float& drift) {
        std::vector<int> raised;
        const float home = sprite[backdrop].y;
        drift = 0.0f;
        for (int guard = 0; guard < 3000 && !Left(s) && !next_scene && !::done; ++guard) {
            drift = std::max(drift, std::fabs(sprite[backdrop].y - home));
            for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
                if (Up(i) && (raised.empty() || raised.back() != i)) raised.push_back(i);
            if (gallery_clip <= 0 && !gallery_reloading) {
                Reload();
                continue;
            }
            int target = -1;
            for (int i : {13, 2, 3, 4, 5, 6, 7, 8, 9, 12, 10, 11})
                if (i >= 10 && i <= 11 ? Bonus(i) : Up(i)) target = i;
            if (gallery_scene == 7)
                for (int b : {33, 34, 35})
                    if (sprite[b].alpha == 1.0f && sprite[b].grab_switch && sprite[b].width > 0.6f &&
                        sprite[b].y + sprite[b].height / 2 < 0.6f)
                        target = b;
            if (target == -1 && boss && sprite[32].grab_switch) target = 32;
            if (target == -1) Run_Until([=] { return next_scene || Left(s); }, 50);
            else Fire_At(target);
        }
        return raised;
    }
};

// A scene not written yet reports its missing files when it is loaded, which is its own
// business; anything else is this test's.
void Expect_No_Box_Unless_Missing(int e, int s) {
    const std::string base = "scene/episode" + std::to_string(e) + "/scene" + std::to_string(s);
    for (const auto& b : platform::RecordedMessageBoxes()) {
        if (std::filesystem::exists(base + ".dat")) ADD_FAILURE() << b.text;
        else EXPECT_TRUE(b.text == "Couldn't load sceneX.txd" || b.text == "Couldn't load GLTextures") << b.text;
    }
}

class Gallery_Rounds : public Walk_Gallery, public ::testing::WithParamInterface<Round_Case> {};

TEST_P(Gallery_Rounds, AreWonAsAPlayerWinsThemAndLeadWhereTheStoryGoesOn) {
    const Round_Case& c = GetParam();
    Enter_Page(c.scene, [&] {
        pigeon_round = c.pigeon_round; // as the way into the shoot leaves it, or its first round
        targets_shot = 0;
        st_gallery = c.perk;
    });
    if (HasFatalFailure()) return;
    ASSERT_EQ(game_mode, MODE_FRONT);
    ASSERT_TRUE(In(1, c.scene)) << "the round did not start: " << episode << "/" << scene;
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
    const float bar_full = c.bar >= 0 ? sprite[c.bar].width : 0.0f;

    if (c.play == Play::Pigeons) {
        // Three rounds for three pigeons, fired while they sit on the trap.
        for (int p : {28, 32, 33}) {
            ASSERT_TRUE(sprite[p].grab_switch && sprite[p].alpha == 1.0f) << "pigeon " << p << " not on its trap";
            Fire_At(p);
        }
        EXPECT_EQ(targets_shot, 3) << "every pigeon hit";
        EXPECT_EQ(gallery_clip, 0);
        for (int p : {28, 32, 33}) EXPECT_FALSE(sprite[p].grab_switch) << "pigeon " << p << " still whole";
        Shot(std::string("gallery_") + c.name);
        // The throw comes three seconds in, the next scene four and a half seconds after it.
        ASSERT_TRUE(Run_Until([&] { return Left(c.scene) || next_scene; }, 9000)) << "the throw never ended";
    } else {
        // The first figure comes up three seconds in.
        ASSERT_TRUE(Run_Until([] {
            for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
                if (Up(i)) return true;
            return false;
        }, 4000)) << "no figure came up";
        Run(300);
        Shot(std::string("gallery_") + c.name);
        float drift = 0.0f;
        const std::vector<int> raised = Win_Round(c.scene, c.play == Play::Boss, c.backdrop, drift);
        EXPECT_LT(drift, 0.1f) << "the deck's sway or the engines' shake carried the picture away"; // the sway spans 0.06
        if (!c.order.empty()) EXPECT_EQ(raised, c.order) << "the figures came up out of the script's order";
        else EXPECT_GE(raised.size(), 3u) << "the air crew kept coming while the gondola was shot";
        EXPECT_GT(old_health, 0) << "the player survived the round";
    }
    ASSERT_TRUE(Left(c.scene) || next_scene) << "the round did not end; killed " << targets_killed;
    EXPECT_EQ(episode, c.next_e);
    EXPECT_EQ(scene, c.next_s);
    if (c.spawn != -99) {
        EXPECT_TRUE(Sent_To_Spawn(c.spawn)) << "spawn " << current_spawn;
    }
    if (c.bar >= 0) {
        EXPECT_LE(boss_gallery_health, 0) << "the boss was beaten";
        EXPECT_GT(bar_full, 0.0f);
        EXPECT_LT(sprite[c.bar].width, bar_full * 0.05f) << "the boss bar ran down with him";
    }
    if (c.play == Play::Pigeons && c.pigeon_round == 1) {
        EXPECT_EQ(pigeon_round, 2);
    }
    Expect_No_Box_Unless_Missing(c.next_e, c.next_s);
}

INSTANTIATE_TEST_SUITE_P(Every, Gallery_Rounds, ::testing::ValuesIn(ROUNDS),
                         [](const ::testing::TestParamInfo<Round_Case>& i) { return std::string(i.param.name); });

// A whole shoot: eight throws of three pigeons, every one hit, ends in the airfield with the
// shoot's medal earned.
TEST_F(Walk_Gallery, AClayPigeonShootOfTwoRoundsHitWholeEarnsItsMedal) {
    Enter_Page(112, [] {
        pigeon_round = 0; // as the way into the shoot leaves them
        targets_shot = 0;
    });
    if (HasFatalFailure()) return;
    std::vector<int> visited;
    for (int throw_no = 0; throw_no < 8; ++throw_no) {
        ASSERT_TRUE(Settle_On(1, scene, 3000)) << Box_Texts();
        ASSERT_EQ(episode, 1);
        visited.push_back(scene);
        const int here = scene;
        for (int p : {28, 32, 33}) Fire_At(p);
        ASSERT_TRUE(Run_Until([=] { return Left(here); }, 9000)) << "throw " << throw_no << " never ended";
    }
    EXPECT_EQ(visited, (std::vector<int>{112, 113, 114, 115, 112, 113, 114, 115}));
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 29);
    EXPECT_TRUE(Sent_To_Spawn(3)) << "spawn " << current_spawn;
    EXPECT_EQ(targets_shot, 24);
    EXPECT_TRUE(pigeon_finished);
}

// The Back button of each level leads out of the gallery; on the airship (level 3) it only
// clicks and the round goes on.
TEST_F(Walk_Gallery, BackLeavesEachLevelButTheAirship) {
    struct Exit {
        int scene, e, s, spawn;
    };
    for (const Exit& x : {Exit{21, 3, 3, 21}, Exit{73, 2, 2, 40}, Exit{95, 1, 95, -1}, Exit{113, 3, 29, 3}}) {
        SCOPED_TRACE(x.scene);
        Enter_Page(x.scene);
        if (HasFatalFailure()) return;
        Run(300);
        Fire_At(1);
        Run_Until([] { return next_scene; }, 200);
        EXPECT_EQ(episode, x.e);
        EXPECT_EQ(scene, x.s);
        if (x.spawn != -1) {
            EXPECT_TRUE(Sent_To_Spawn(x.spawn)) << "spawn " << current_spawn;
        }
        if (x.scene == 95) {
            EXPECT_FALSE(next_scene) << "Back does nothing on the airship";
            EXPECT_EQ(Gallery_Level, 3);
        }
        next_scene = false;
    }
}

// The finale from the gondola's end to the act's end, each scene left by its own time: the
// six explosions break the airship up and put its fires out again, the player falls, drops
// into the aeroplane's back seat and is flown off, and the wreck strikes the fortress, which
// burns, before the act-end page is asked for.
TEST_F(Walk_Gallery, TheFinalePlaysFromTheAirshipsEndToTheActsEnd) {
    Enter_Page(99);
    if (HasFatalFailure()) return;
    ASSERT_EQ(game_mode, MODE_CINE);
    Shot("finale_1_99_start");
    ASSERT_TRUE(Run_Until([] { return front_bomb_count >= 3; }, 3000));
    Run(120); // past the blast's flash
    Shot("finale_1_99_blasts");
    EXPECT_EQ(sprite[3].anim, 1) << "the airship breaks up";
    EXPECT_EQ(sprite[12].alpha, 0.0f) << "the gondola is blown off";
    ASSERT_TRUE(Run_Until([] { return Left(99); }, 4000)) << "1/99 never ended";
    EXPECT_EQ(front_bomb_count, 6);
    EXPECT_EQ(scene, 100);

    ASSERT_TRUE(Settle_On(1, 100, 3000)) << Box_Texts();
    const float top = sprite[3].y;
    Run(1800);
    Shot("finale_1_100");
    EXPECT_LT(sprite[3].y, top - 0.8f) << "the player falls";
    EXPECT_GT(sprite[3].y, -0.75f - sprite[3].height) << "and is still in view half way";
    ASSERT_TRUE(Run_Until([] { return Left(100); }, 4000)) << "1/100 never ended";
    EXPECT_EQ(scene, 101);

    ASSERT_TRUE(Settle_On(1, 101, 3000)) << Box_Texts();
    ASSERT_TRUE(Run_Until([] { return sprite[5].alpha == 0.0f; }, 9000)) << "the player never reached the plane";
    EXPECT_EQ(sprite[4].anim, 1) << "the plane shows him aboard";
    Run(500);
    Shot("finale_1_101");
    ASSERT_TRUE(Run_Until([] { return Left(101); }, 7000)) << "1/101 never ended";
    EXPECT_EQ(scene, 144);

    ASSERT_TRUE(Settle_On(1, 144, 3000)) << Box_Texts();
    ASSERT_TRUE(Run_Until([] { return sprite[10].alpha == 1.0f; }, 8500)) << "the wreck never struck";
    EXPECT_EQ(sprite[9].alpha, 0.0f);
    EXPECT_EQ(sprite[8].anim, 1) << "the fortress burns";
    Run(300);
    Shot("finale_1_144");
    ASSERT_TRUE(Run_Until([] { return Left(144); }, 9000)) << "1/144 never ended";
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 116);
    Expect_No_Box_Unless_Missing(1, 116);
}

// Every finale scene skips to the next one, not to the end; the picture between the
// airship's rounds leads to the last round either way.
TEST_F(Walk_Gallery, EachFinaleSceneSkipsToItsNext) {
    struct Skip {
        int from, to;
    };
    for (const Skip& k : {Skip{99, 100}, Skip{100, 101}, Skip{101, 144}, Skip{144, 116}, Skip{123, 98}}) {
        SCOPED_TRACE(k.from);
        Enter_Page(k.from);
        if (HasFatalFailure()) return;
        Run(300);
        Fire_At(2);
        Run_Until([=] { return Left(k.from); }, 300);
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(scene, k.to);
        next_scene = false;
    }
    Enter_Page(123);
    if (HasFatalFailure()) return;
    Run(500);
    Shot("finale_1_123");
    ASSERT_TRUE(Run_Until([] { return Left(123); }, 5000)) << "1/123 never ended";
    EXPECT_EQ(scene, 98);
}

} // namespace
