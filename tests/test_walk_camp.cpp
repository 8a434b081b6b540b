// The act-1 camp as generated, played through the real frame loop on the virtual clock: the
// player stands at the spawn point he was sent to and walks under either control scheme,
// and the pages a walk scene leads to (pause, perk page, death page) open and lead back.
// No message box at any point.
#include "support/played_game.h"

#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "audio/audio.h"
#include "combat/combat.h"
#include "combat/damage.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "content/content_inputs.h"
#include "content/scene_loader.h"
#include "content/writers/tga_writer.h"
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

constexpr int kSpawn = 30;

class Walk_Camp : public PlayedGame {};

TEST_F(Walk_Camp, ThePlayerStandsAtTheSpawnAndWalksUnderEitherScheme) {
    ASSERT_TRUE(gl_);
    struct Scheme {
        const char* name;
        bool mouse_only;
    };
    for (const Scheme& s : {Scheme{"mouse and keyboard", false}, Scheme{"mouse only", true}}) {
        SCOPED_TRACE(s.name);
        CONTROL_SCHEME = s.mouse_only;
        Enter_Camp(kSpawn);
        ASSERT_NE(p1_id, -1);
        EXPECT_EQ(game_mode, MODE_WALK);
        EXPECT_EQ(Level, level_code::LVL_BASE);
        EXPECT_NEAR(PX(), points[kSpawn].x, 0.06f);
        EXPECT_NEAR(PY(), points[kSpawn].y, 0.06f);
        // The player stands on open ground of the camp's tile set, not in a wall.
        const int cell = Get_Tile_Index(PX(), PY());
        EXPECT_EQ(map_col[cell], COL_FOOTPRINT); // his own centre mark on a free cell
        EXPECT_FALSE(tiles[cell] >= 32 && tiles[cell] <= 287) << tiles[cell];
        Shot(s.mouse_only ? "camp_spawn_mouse" : "camp_spawn");

        // Walk toward a point above the player (the top of the screen is north).
        const float x0 = PX(), y0 = PY();
        if (s.mouse_only) {
            Click(kW / 2, kH / 2 - 150);
        } else {
            Pointer(kW / 2, kH / 2 - 200);
            Run(20);
            Key('W', true);
        }
        Run(1500);
        if (!s.mouse_only) Key('W', false);
        Run(300);
        EXPECT_GT(PY() - y0, 0.15f) << "the player did not walk north";
        EXPECT_LT(std::fabs(PX() - x0), 0.15f);
        Shot(s.mouse_only ? "camp_walked_mouse" : "camp_walked");
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    }
}

TEST_F(Walk_Camp, EscapeOpensThePausePageAndLeadsBack) {
    if (!Written(1, 53)) GTEST_SKIP() << "the pause page is not generated yet";
    Enter_Camp(kSpawn);
    Tap(platform::VK_ESCAPE);
    ASSERT_TRUE(Run_Until([] { return In(1, 53); }, 3000)) << Box_Texts();
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 0);
    Run(1500);
    Click(View_X(0.35f), View_Y(-0.13f)); // "Return^to_game"
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    EXPECT_NE(p1_id, -1);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ALevelUpOpensThePerkPageAndTabLeadsBack) {
    if (!Written(1, 141)) GTEST_SKIP() << "the perk page is not generated yet";
    Enter_Camp(kSpawn);
    const float x0 = PX(), y0 = PY();
    const int points_before = level_up_points;
    Calculate_Exp(p1_id, 100000);
    EXPECT_GT(level_up_points, points_before) << "dead " << ply_dead << " score " << sprite[p1_id].score << " exp " << player_experience << "/" << player_exp_level;
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(1, 141); }, 3000)) << Box_Texts();
    Run(1000);
    Tap(platform::VK_TAB);
    ASSERT_TRUE(Run_Until([] { return In(2, 0) && game_mode == MODE_WALK; }, 5000)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(PX(), x0, 0.06f); // back where he stood
    EXPECT_NEAR(PY(), y0, 0.06f);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

TEST_F(Walk_Camp, ADeathShowsTheDeathPageAndThePlayerRevives) {
    if (!Written(0, 8)) GTEST_SKIP() << "the death page is not generated yet";
    Enter_Camp(kSpawn);
    sprite[p1_id].score = 1;
    Man_Shot(0, p1_id, 749, 0, 5);
    EXPECT_TRUE(ply_dead);
    ASSERT_TRUE(Run_Until([] { return In(0, 8); }, 15000)) << Box_Texts();
    EXPECT_EQ(game_mode, MODE_FRONT);
    Run(2000);
    EXPECT_GE(title_sequence, 1); // the page plays
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    // At its end (or on Skip) the soldier is revived at full health and sent to his tent
    // 1/25, and from there he walks out into the camp.
    ASSERT_TRUE(Run_Until([] { return In(1, 25); }, 20000))
        << "the death page did not end; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(ply_had_died);
    EXPECT_GT(PLY_VITALITY, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    ASSERT_TRUE(Run_Until([] { return fade >= 1.0f; }, 3000));
    Click_Sprite(13); // Leave_Tent
    ASSERT_TRUE(Run_Until([] { return game_mode == MODE_WALK && !ply_dead && p1_id != -1; }, 30000))
        << "no way back into the game; now at " << episode << "/" << scene << Box_Texts();
    EXPECT_TRUE(In(2, 0));
    EXPECT_EQ(current_spawn, 0);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

} // namespace
