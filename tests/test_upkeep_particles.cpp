// The particle generators: impacts, crate splinters, explosions, fragments, body parts, stars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "world/particles.h"
#include "world/world_services.h"

namespace {

class Particles : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        no_fx = 0;
        MAP_WIDTH = MAP_HEIGHT = 150;
        map_startX = map_startY = 7.5f;
        std::memset(tiles, 0, sizeof tiles);
        std::memset(map_col, 0, sizeof map_col);
        p1_id = 2;
        object& p = sprite[2];
        p.x = 0.5f;
        p.y = 0.5f;
        p.w = 0.55f;
        p.z = 0.52f;
        p.width = 0.3f;
        p.height = 0.6f;
        p.box_width = 0.1f;
        p.box_height = 0.08f;
        st_gas = 0;
        exploding_type = 0;
    }
    void TearDown() override { Free_Records(); }
    static void Water_At(float x, float y) { tiles[Cell_Of(x, y)] = 481; }
};

// ---- Impacts ---------------------------------------------------------------------------------

TEST_F(Particles, ImpactLandsPointOneToPointThreeLeftAndBelowTheAim) {
    std::srand(7);
    int counts[4] = {0, 0, 0, 0};
    for (int k = 0; k < 2000; ++k) {
        no_fx = 0;
        Create_Dust_Effect(1.0f, 1.0f, false);
        ASSERT_EQ(no_fx, 2);
        const float jx = 1.0f - Fx[0].x;
        const float jy = 1.0f - Fx[0].y;
        for (float j : {jx, jy}) {
            const int tenth = (int)std::lround(j * 10);
            ASSERT_TRUE(tenth >= 1 && tenth <= 3) << j;
            ASSERT_NEAR(j, tenth / 10.0f, 1e-5);
            counts[tenth]++;
        }
    }
    // 0.1 comes from two of the four draws.
    EXPECT_GT(counts[1], counts[2] * 3 / 2);
    EXPECT_GT(counts[1], counts[3] * 3 / 2);
    EXPECT_GT(counts[2], 0);
    EXPECT_GT(counts[3], 0);
}

TEST_F(Particles, ImpactOnGroundMakesAPuffAndDust) {
    Create_Dust_Effect(1.0f, 1.0f, false);
    ASSERT_EQ(no_fx, 2);
    EXPECT_TRUE(ric_sfx);
    const object& puff = Fx[0];
    const object& dust = Fx[1];
    EXPECT_EQ(puff.anim, 12);
    EXPECT_EQ(puff.anim_state, ANIM_ONCE);
    EXPECT_EQ(puff.sector, 0);
    EXPECT_EQ(puff.id, 2);
    EXPECT_EQ(puff.type, GFX);
    EXPECT_EQ(puff.priority, 2);
    EXPECT_FLOAT_EQ(puff.width, 0.15f);
    EXPECT_FLOAT_EQ(puff.height, 0.2f);
    EXPECT_FLOAT_EQ(puff.z, 0.52f);  // the player's box origin
    EXPECT_EQ(dust.sector, 35);
    EXPECT_EQ(dust.anim, 27);
    EXPECT_EQ(dust.anim_state, ANIM_LOOP);
    EXPECT_FLOAT_EQ(dust.alpha, 0.8f);
    EXPECT_NEAR(dust.x, puff.x - 0.07f, 1e-6);
    EXPECT_NEAR(dust.y, puff.y - 0.06f, 1e-6);
}

TEST_F(Particles, ImpactOnWaterSplashesOnly) {
    for (float dx = 0.0f; dx <= 0.4f; dx += 0.05f)
        for (float dy = 0.0f; dy <= 0.4f; dy += 0.05f) Water_At(1.0f - dx, 1.0f - dy);
    Create_Dust_Effect(1.0f, 1.0f, false);
    ASSERT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].anim, 39);
    EXPECT_EQ(Fx[0].anim_state, ANIM_ONCE);
    EXPECT_TRUE(water_sfx);
    EXPECT_FALSE(ric_sfx);
}

TEST_F(Particles, GasShotLeavesACloudOnlyWithTheGasUpgrade) {
    struct Case { int gas; int made; int lasts; };
    const Case cases[] = {{0, 0, 0}, {1, 1, 2000}, {2, 1, 3000}, {3, 1, 3750}};
    for (const Case& c : cases) {
        no_fx = 0;
        ric_sfx = false;
        st_gas = c.gas;
        Create_Dust_Effect(1.0f, 1.0f, true);
        ASSERT_EQ(no_fx, c.made) << "gas " << c.gas;
        EXPECT_FALSE(ric_sfx);
        if (c.made) {
            EXPECT_EQ(Fx[0].sector, 37);
            EXPECT_EQ(Fx[0].anim, 89);
            EXPECT_FLOAT_EQ(Fx[0].alpha, 0.6f);
            EXPECT_FLOAT_EQ(Fx[0].width, 0.2f);
            EXPECT_FLOAT_EQ(Fx[0].height, 0.22f);
            EXPECT_EQ(Fx[0].sparkle_timer, c.lasts);
        }
    }
}

TEST_F(Particles, ImpactMakesNothingWithoutAPlayerOrOffTheMap) {
    Water_At(0.9f, 0.9f);
    p1_id = -1;
    Create_Dust_Effect(1.0f, 1.0f, false);
    EXPECT_EQ(no_fx, 0);
    EXPECT_FALSE(water_sfx);
    p1_id = 2;
    Create_Dust_Effect(-50.0f, 3.0f, false);
    Create_Dust_Effect(3.0f, 500.0f, false);
    EXPECT_EQ(no_fx, 0);
}

// ---- Crates and explosions -------------------------------------------------------------------------

TEST_F(Particles, CrateSplintersCoverTheCrate) {
    object& crate = sprite[40];
    crate.x = 1.2f;
    crate.y = 0.7f;
    crate.width = 0.25f;
    crate.height = 0.3f;
    Create_Crate_Effect(40);
    ASSERT_EQ(no_fx, 1);
    EXPECT_FLOAT_EQ(Fx[0].x, 1.2f);
    EXPECT_FLOAT_EQ(Fx[0].y, 0.7f);
    EXPECT_FLOAT_EQ(Fx[0].width, 0.25f);
    EXPECT_FLOAT_EQ(Fx[0].height, 0.3f);
    EXPECT_EQ(Fx[0].anim, 54);
    EXPECT_EQ(Fx[0].priority, 1);
    Create_Crate_Effect(-1);
    Create_Crate_Effect(MAX_SPRITES);
    EXPECT_EQ(no_fx, 1);
}

TEST_F(Particles, ExplosionBurstByDrawWithShakeAndSound) {
    struct burst { float dx, dy, size; };
    const burst bursts[6] = {{0, -0.2f, 0.4f}, {0.05f, 0.1f, 0.2f}, {-0.2f, -0.1f, 0.4f},
                             {0, 0.05f, 0.5f}, {-0.2f, 0.1f, 0.5f}, {0, 0, 0.5f}};
    object& barrel = sprite[30];
    barrel.x = 2.0f;
    barrel.y = 1.0f;
    std::set<int> seen;
    for (unsigned seed = 1; seen.size() < 6 && seed < 500; ++seed) {
        std::srand(seed);
        const int r = std::rand() % 6;
        seen.insert(r);
        std::srand(seed);
        no_fx = 0;
        Create_Explosion(30);
        ASSERT_EQ(no_fx, 1);
        EXPECT_NEAR(Fx[0].x, 2.0f + bursts[r].dx, 1e-6) << "burst " << r;
        EXPECT_NEAR(Fx[0].y, 1.0f + bursts[r].dy, 1e-6) << "burst " << r;
        EXPECT_FLOAT_EQ(Fx[0].width, bursts[r].size) << "burst " << r;
        EXPECT_FLOAT_EQ(Fx[0].height, bursts[r].size) << "burst " << r;
    }
    EXPECT_EQ(seen.size(), 6u);

    struct Case { int type; int anim; bool clank; bool destroy; };
    const Case cases[] = {{0, 37, true, false}, {1, 85, false, true}, {2, 0, false, false}};
    for (const Case& c : cases) {
        no_fx = 0;
        clank_sfx = destroy_sfx = false;
        shake = 0;
        exploding_type = c.type;
        Advance_Ms(10);
        Create_Explosion(30);
        EXPECT_EQ(Fx[0].anim, c.anim);
        EXPECT_EQ(Fx[0].anim_state, ANIM_ONCE);
        EXPECT_EQ(clank_sfx, c.clank);
        EXPECT_EQ(destroy_sfx, c.destroy);
        EXPECT_EQ(shake, 2.0f);
        EXPECT_EQ(shaking_counter, Now() + 200);
    }
}

// ---- Debris ------------------------------------------------------------------------------------

TEST_F(Particles, FragmentsFlyAsThreePairsOneInEachDirectionPair) {
    const std::set<int> pairs[3] = {{5, 4}, {8, 3}, {2, 7}};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::srand(seed);
        no_fx = 0;
        Create_Frag_Effect(1.0f, 1.0f);
        ASSERT_EQ(no_fx, 6);
        for (int k = 0; k < 3; ++k) {
            const object& piece = Fx[2 * k];
            const object& shadow = Fx[2 * k + 1];
            EXPECT_EQ(piece.sector, 30);
            EXPECT_EQ(shadow.sector, 31);
            EXPECT_EQ(piece.anim, 4);
            EXPECT_EQ(shadow.anim, 6);
            EXPECT_EQ(piece.id, 27);
            EXPECT_EQ(piece.linked_sprite, 2);  // the player owns them
            EXPECT_EQ(piece.sector_action, 2);  // speed class
            EXPECT_EQ(piece.value, shadow.value);
            EXPECT_EQ(pairs[k].count(piece.value), 1u) << "pair " << k << " direction " << piece.value;
        }
    }
}

TEST_F(Particles, BodyPartsByKindOfBody) {
    struct Case { int sector; int rank; int piece; };
    const Case cases[] = {
        {GUNNER, 0, 12}, {GUNNER, 1, 13}, {MONKEY, 1, 14}, {DOG, 0, 14}, {DOG, 1, 14},
        {UNIT_SKELETON, 0, 11}, {UNIT_DEAD_CHIEF, 1, 11},
    };
    const std::set<int> pairs[4] = {{5, 4}, {8, 3}, {2, 7}, {6, 5}};
    for (const Case& c : cases) {
        object& body = sprite[60];
        body.sector = c.sector;
        body.rank = c.rank;
        body.w = 1.0f;
        body.z = 1.0f;
        body.box_width = 0.1f;
        body.box_height = 0.1f;
        no_fx = 0;
        Create_Gibs_Effect(60);
        ASSERT_EQ(no_fx, 8);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Fx[2 * k].anim, c.piece) << "class " << c.sector << " rank " << c.rank;
            EXPECT_EQ(Fx[2 * k + 1].anim, 10);
            EXPECT_EQ(pairs[k].count(Fx[2 * k].value), 1u);
        }
    }
    no_fx = 0;
    Create_Gibs_Effect(-3);
    Create_Gibs_Effect(MAX_SPRITES);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(Particles, DebrisTakesThePlayersSizeOrSpriteZerosWithoutOne) {
    sprite[0].width = 0.8f;
    sprite[0].height = 0.4f;
    Create_Frag_Effect(1.0f, 1.0f);
    EXPECT_FLOAT_EQ(Fx[0].width, 0.3f / 4);  // a piece is a quarter of the player
    EXPECT_FLOAT_EQ(Fx[1].width, 0.3f / 3);  // its shadow a third
    p1_id = -1;
    no_fx = 0;
    Create_Frag_Effect(1.0f, 1.0f);
    EXPECT_FLOAT_EQ(Fx[0].width, 0.8f / 4);
    EXPECT_FLOAT_EQ(Fx[0].height, 0.4f / 4);
}

TEST_F(Particles, StarDriftsFromTheCallersTexture) {
    Create_Star_Effect(0.3f, -0.2f, 0.07f, 14);
    ASSERT_EQ(no_fx, 1);
    const object& star = Fx[0];
    EXPECT_EQ(star.sector, 33);
    EXPECT_EQ(star.anim, 8);
    EXPECT_EQ(star.anim_state, ANIM_LOOP);
    EXPECT_EQ(star.id, 14);
    EXPECT_FLOAT_EQ(star.x, 0.3f);
    EXPECT_FLOAT_EQ(star.y, -0.2f);
    EXPECT_FLOAT_EQ(star.width, 0.07f);
    EXPECT_FLOAT_EQ(star.height, 0.07f);
    EXPECT_GE(star.tile_row, 0);
    EXPECT_LE(star.tile_row, 4);
}

} // namespace
