// Run-time construction of world sprites.
#include "test_world_fixture.h"

#include "common/sound_requests.h"
#include "hud/hud.h"
#include "world/animate.h"
#include "world/sprite_construction.h"
#include "world/turning.h"

#include <cmath>

class WorldSprites : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        player_counter = door_counter = 0;
        no_sprites = 0;
        Level = 0;
        animation_fx[4] = 0;
        a_texture[0].anim_frames[2] = 2;
        a_texture[0].anims[2][0] = 11;
    }
    // A sprite at cell (col, row) of the given type, unit class and role.
    static int Make(int col, int row, int type, int cls, int role, float angle = -1.0f, int anim_state = 2) {
        return New_Sprite({.x = CX(col), .y = CY(row), .w = CX(col), .z = CY(row), .anim = 2,
                           .anim_state = anim_state, .box_width = 0.1f, .box_height = 0.05f, .width = 0.3f,
                           .height = 0.3f, .priority = 3, .type = type, .sideways = -1, .state = cls,
                           .linked_sprite = 4, .tex_id = 4, .angle = angle, .p_type = role});
    }
};

TEST_F(WorldSprites, HitPointsByRankClassAndArea) {
    struct Case { int level, cls, role, rank, score; } cases[] = {
        {0, 0, 11, 1, 20},   // ordinary area, gunner
        {65, 0, 11, 3, 60},  // LVL_FARMS
        {1, 0, -1, 3, 60},   // LVL_HIGHWAY
        {2, 0, 16, 2, 40},   // LVL_VILLAGE
        {30, 0, 17, 2, 40},  // LVL_BAY
        {0, 0, 14, 4, 80},   // officer role
        {2, 33, 18, 3, 60},  // shield bearer: one rank higher
        {65, 2, 11, 3, 90},  // chief: times 1.5
        {0, 22, 11, 1, 30},  // dead officer rises: 20 * 1.5
        {65, 20, 11, 1, 10}, // bird: rank 1, fixed 10
        {0, 1, 11, 2, 40},   // bomber: one rank higher
        {65, 39, 11, 3, 100}, {0, 34, 11, 1, 10}, {0, 41, 11, 1, 10},
    };
    int col = 10;
    for (const Case& c : cases) {
        Level = c.level;
        int i = Make(col, 20, 46, c.cls, c.role);
        col += 3;
        ASSERT_GE(i, 0);
        EXPECT_EQ(sprite[i].rank, c.rank) << "class " << c.cls << " level " << c.level;
        EXPECT_EQ(sprite[i].score, c.score) << "class " << c.cls << " level " << c.level;
        EXPECT_EQ(sprite[i].sector_action, 2);
        EXPECT_EQ(sprite[i].alpha, 0.0f);
        EXPECT_TRUE(sprite[i].update);
    }
}

TEST_F(WorldSprites, UnitStartsIdleAndUnanimated) {
    int i = Make(30, 30, 46, 0, 11);
    ASSERT_EQ(i, 0);
    const object& u = sprite[i];
    EXPECT_EQ(u.anim, -1);
    EXPECT_EQ(u.status, 3);
    EXPECT_EQ(u.reached_node, -1);
    EXPECT_EQ(u.fire_target, -1);
    EXPECT_EQ(u.onDeath_action, -1);
    EXPECT_EQ(u.base_anim, 2);
    EXPECT_EQ(u.fx_id, 0);
    EXPECT_EQ(player_counter, 1);
    EXPECT_EQ(player_list[0], 0);
    EXPECT_EQ(no_sprites, 1);
    // Sized and centred on the point given, which is marked as its footprint.
    EXPECT_NEAR(u.w + u.box_width / 2, CX(30), 1e-5);
    EXPECT_EQ(Col(30, 30), COL_FOOTPRINT);
}

TEST_F(WorldSprites, HeadingDefaults) {
    int i = Make(30, 30, 46, 0, 11);
    EXPECT_FLOAT_EQ(sprite[i].angle, -1.5f); // faces down
    // The target heading is aimed below the unit, inside its current band: no turn.
    EXPECT_EQ(Convert_Angle_To_Dir(sprite[i].tar_angle), 2);
    int j = Make(40, 30, 46, 0, 11, 0.75f);
    EXPECT_FLOAT_EQ(sprite[j].angle, 0.75f);
    EXPECT_FLOAT_EQ(sprite[j].tar_angle, 0.75f);
    EXPECT_NEAR(sprite[j].mov_x, sprite[j].w + sprite[j].box_width / 2 + 2 * std::cos(0.75f), 1e-5);
    EXPECT_NEAR(sprite[j].mov_y, sprite[j].y + 2 * std::sin(0.75f), 1e-5);
}

TEST_F(WorldSprites, RefusalOnABlockedCell) {
    Wall(50, 50, COL_SOLID);
    EXPECT_EQ(Make(50, 50, 46, 0, 11), -1);
    EXPECT_EQ(no_sprites, 0);
    EXPECT_EQ(player_counter, 0);
    EXPECT_EQ(Make(50, 50, 46, 0, 12), -1); // the player at the base's spawn 0
    EXPECT_EQ(p1_id, -1);
    player_health = 75;
    int p = Make(50, 50, 46, 0, 0); // the player is never refused
    EXPECT_EQ(p, 0);
    EXPECT_EQ(p1_id, 0);
    EXPECT_EQ(sprite[p].score, 75);
    // Off the map counts as blocked.
    EXPECT_EQ(New_Sprite(40.0f, 0.0f, 40.0f, 0.0f, 2, 2, 0.1f, 0.05f, 0.3f, 0.3f, 3, 46, 1.0f, -1, 0, 0, 4,
                         4, 0, -1.0f, 11),
              -1);
}

TEST_F(WorldSprites, RemovedRecordIsReusedLastInListOrder) {
    int a = Make(10, 10, 46, 0, 11);
    int b = Make(20, 10, 46, 0, 11);
    int c = Make(30, 10, 46, 0, 11);
    sprite[a].status = 44;
    sprite[b].status = 44;
    int d = Make(40, 40, 46, 0, 11);
    EXPECT_EQ(d, b);
    EXPECT_EQ(no_sprites, 3);
    EXPECT_EQ(player_counter, 3);
    EXPECT_EQ(sprite[b].status, 3);
    int e = Make(45, 40, 46, 0, 11);
    EXPECT_EQ(e, a);
    EXPECT_EQ(Make(48, 40, 46, 0, 11), c + 1);
}

TEST_F(WorldSprites, ContainersJoinTheDoorList) {
    int i = Make(60, 60, 4, 0, 15);
    ASSERT_EQ(i, 0);
    EXPECT_EQ(door_counter, 1);
    EXPECT_EQ(door_list[0], 0);
    EXPECT_EQ(sprite[i].score, 90);
    EXPECT_EQ(sprite[i].sector_action, 4);
    EXPECT_EQ(sprite[i].linked_sprite, -1);
    EXPECT_EQ(sprite[i].status, 3);
}

TEST_F(WorldSprites, BuddyBodyAndRisingDead) {
    int b = Make(70, 70, 46, 0, 13);
    EXPECT_EQ(sprite[b].score, 40);
    EXPECT_EQ(sprite[b].sector, 19);
    EXPECT_EQ(sprite[b].sector_action, 3);
    EXPECT_EQ(sprite[b].status, 62);
    EXPECT_EQ(sprite[b].alpha, 1.0f);
    int body = Make(72, 70, 5, 0, 10);
    EXPECT_EQ(sprite[body].score, 30);
    EXPECT_EQ(sprite[body].status, 55);
    drown_sfx = false;
    int s = Make(74, 70, 46, 21, 11);
    EXPECT_EQ(sprite[s].status, 64);
    EXPECT_EQ(sprite[s].anim_state, 1);
    EXPECT_TRUE(drown_sfx);
}

TEST_F(WorldSprites, HeldAnimationSkipsTheSheetSetUp) {
    sprite[0].fx_id = 7;
    sprite[0].base_anim = 9;
    int i = Make(80, 80, 3, 0, 15, -1.0f, 3);
    ASSERT_EQ(i, 0);
    EXPECT_EQ(sprite[0].fx_id, 7);
    EXPECT_EQ(sprite[0].base_anim, 9);
}

TEST_F(WorldSprites, FullArraysRefuse) {
    no_sprites = 750;
    EXPECT_EQ(Make(10, 10, 46, 0, 11), -1);
    EXPECT_EQ(Make(10, 10, 46, 0, 0), -1);
    EXPECT_EQ(p1_id, -1);
    no_sprites = 10;
    player_counter = 400;
    EXPECT_EQ(Make(10, 10, 46, 0, 11), -1);
    EXPECT_EQ(no_sprites, 10);
    player_counter = 0;
    door_counter = 150;
    EXPECT_EQ(Make(10, 10, 4, 0, 15), -1);
    EXPECT_EQ(no_sprites, 10);
    EXPECT_EQ(player_counter, 0);
    // A removed record can still be reused when the arrays are full.
    door_counter = 0;
    int i = Make(12, 10, 46, 0, 11);
    sprite[i].status = 44;
    no_sprites = 750;
    EXPECT_EQ(Make(14, 10, 46, 0, 11), i);
}
