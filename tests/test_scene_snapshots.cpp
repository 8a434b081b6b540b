// Snapshots of visited scenes: a round trip over a fixture scene, timers moved by the time
// away, the effect limit, refusal of damaged or foreign snapshots, safe replacement, and
// the deletion sets of Remove_Temps.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "content/snapshots.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "world/sprite_construction.h"

namespace {

class Snapshots : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/varnoth_snap_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        std::filesystem::create_directories("scene/episode2");
        std::filesystem::create_directories("scene/episode3");
        Allocate_Records();
        platform::UseVirtualClock(true);
        TimerInit();
        MAP_WIDTH = MAP_HEIGHT = 100;
        MAP_TILES = 10000;
        map_startX = map_startY = 5.0f;
        std::memset(map_col, 0, sizeof(map_col));
        game_mode = MODE_WALK;
        Level = LVL_BASE;
        in_dungeon = false;
        player_type = 0;
        Build_Scene();
    }
    void TearDown() override {
        Free_Records();
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    static void Place(int i, int type, float x, float y) {
        object& o = sprite[i];
        o.type = type;
        o.x = o.w = x;
        o.y = o.z = y;
        o.width = o.height = 0.1f;
        o.box_width = o.box_height = 0.1f;
        o.alpha = 1.0f;
        o.id = 0;
    }
    // 0 player, 1 dead unit, 2 living unit, 3 double door (open), 4 lamp, 5 skeleton, 6 plain object.
    static void Build_Scene() {
        no_sprites = 7;
        Place(0, UNT, 0.0f, 0.0f);
        sprite[0].score = 80;
        Place(1, UNT, 1.0f, 1.0f);
        sprite[1].score = 0;
        sprite[1].anim = 5;
        sprite[1].anim_state = 0;
        Place(2, UNT, -1.0f, 1.0f);
        sprite[2].score = 60;
        sprite[2].linked_sprite = 1;
        Place(3, DOR, 2.0f, -1.0f);
        sprite[3].score = 0;
        sprite[3].sector_action = door_type::DOUBLE;
        sprite[3].anim = 2;
        Place(4, OBJ, -2.0f, -2.0f);
        sprite[4].sector_action = OBJ_LIGHT1;
        sprite[4].anim = 3;
        Place(5, UNT, 3.0f, 3.0f);
        sprite[5].sector = UNIT_SKELETON;
        sprite[5].score = 7;
        Place(6, OBJ, 0.5f, 0.5f);
        sprite[6].sector_action = 0;
        p1_id = 0;
        no_points = 2;
        points[0] = a_point{1.5f, 2.0f, 3, 4, 7, true, 0.25f, 6, 2, 0, 0};
        points[1] = a_point{-1.0f, -1.0f, 0, 0, 0, false, 0.0f, 1, 3, 0, 0};
        no_fx = 2;
        Fx[0].type = PKU;
        Fx[0].sparkle_timer = 700;
        Fx[0].action_timer = 800;
        Fx[0].cur_time = 900.0f;
        Fx[0].item_type = 13;
        Fx[0].x = 0.3f;
        Fx[1].type = GFX;
        Fx[1].sparkle_timer = 700;
        Fx[1].action_timer = 100;
        scene_file_signature = Scene_File_Signature(no_sprites);
    }
    static int Cell(const object& o) { return Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2); }

    std::filesystem::path dir_, old_;
    char path_[64] = "scene/episode2/scene3.tmp";
};

} // namespace

TEST_F(Snapshots, RoundTripRestoresTheSceneAndItsLists) {
    old_health = 55;
    ASSERT_TRUE(DumpTemp(path_));
    EXPECT_TRUE(HasTemp(path_));

    // The scene is loaded fresh from its files: different play state on the same objects.
    sprite[1].score = 40;
    sprite[1].anim = 0;
    sprite[3].score = 30;
    sprite[4].anim = 0;
    sprite[4].x = 9.0f;
    sprite[5].score = 3;
    sprite[0].score = 1;
    no_points = 0;
    no_fx = 0;
    p1_id = -1;
    const int door_cell = Cell(sprite[3]);
    const int door_col = Cell_Column_Of(door_cell), door_row = Cell_Row_Of(door_cell);
    map_col[door_cell] = COL_FOOTPRINT;
    map_col[(door_row + 1) * MAP_HEIGHT + door_col + 1] = COL_FOOTPRINT;

    ASSERT_TRUE(LoadTemp(path_));
    EXPECT_EQ(p1_id, 0);
    EXPECT_EQ(sprite[1].score, 0);
    EXPECT_EQ(sprite[1].anim, 5);
    EXPECT_EQ(sprite[3].score, 0);
    EXPECT_EQ(sprite[3].anim, 2);
    EXPECT_EQ(sprite[4].anim, 3);
    EXPECT_FLOAT_EQ(sprite[4].x, -2.0f);
    EXPECT_EQ(map_col[door_cell], COL_FREE);
    EXPECT_EQ(map_col[(door_row + 1) * MAP_HEIGHT + door_col + 1], COL_FREE);
    EXPECT_EQ(sprite[5].score, 20);                  // skeletons always come back with 20
    EXPECT_EQ(sprite[0].score, 55);                  // the player's health on leaving the last walk scene
    EXPECT_EQ(map_col[Cell(sprite[2])], COL_FOOTPRINT); // a living unit that is not the player
    EXPECT_EQ(map_col[Cell(sprite[0])], COL_FREE);      // the player's cell is not marked
    EXPECT_EQ(map_col[Cell(sprite[1])], COL_FREE);      // nor a dead unit's

    std::set<int> listed(player_list, player_list + player_counter);
    EXPECT_EQ(listed, (std::set<int>{0, 1, 2, 4, 5})); // units and the lamp (kind 38 > 0)
    ASSERT_EQ(door_counter, 1);
    EXPECT_EQ(door_list[0], 3);
    EXPECT_EQ(sprite[3].linked_sprite, 1);

    ASSERT_EQ(no_points, 2);
    EXPECT_FLOAT_EQ(points[0].x, 1.5f);
    EXPECT_EQ(points[0].score, 7);
    EXPECT_TRUE(points[0].active);
    EXPECT_EQ(points[1].c2, 3);
    ASSERT_EQ(no_fx, 2);
    EXPECT_EQ(Fx[0].item_type, 13);
    EXPECT_FLOAT_EQ(Fx[0].x, 0.3f);
}

TEST_F(Snapshots, TimersMoveByTheTimeAway) {
    platform::AdvanceVirtualClock(1000);
    sprite[2].all_timer = 1500;
    ASSERT_TRUE(DumpTemp(path_));
    EXPECT_EQ(global_time, 1000);
    platform::AdvanceVirtualClock(5000);
    ASSERT_TRUE(LoadTemp(path_));
    EXPECT_EQ(global_time, 1000);
    EXPECT_EQ(sprite[2].all_timer, 6500);
    EXPECT_EQ(Fx[0].sparkle_timer, 5700); // a pickup sparkles later
    EXPECT_EQ(Fx[1].sparkle_timer, 700);  // other effects keep theirs
    EXPECT_EQ(Fx[0].action_timer, 5800);
    EXPECT_EQ(Fx[1].action_timer, 5100);
    EXPECT_FLOAT_EQ(Fx[0].cur_time, 5900.0f);
}

TEST_F(Snapshots, EffectsBeyondTheTableAreCut) {
    no_fx = 260;
    ASSERT_TRUE(DumpTemp(path_));
    EXPECT_EQ(no_fx, MAX_FX);
    no_fx = 0;
    ASSERT_TRUE(LoadTemp(path_));
    EXPECT_EQ(no_fx, MAX_FX);

    // A file that lists 260 effects restores the first 250 and stays readable.
    std::ifstream in(path_);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string marker = "\n250\n";
    const size_t fx_pos = text.rfind(marker, text.size() - 40 * 36);
    ASSERT_NE(fx_pos, std::string::npos);
    text.replace(fx_pos, marker.size(), "\n260\n");
    const size_t sig_pos = text.rfind('\n', text.size() - 2);
    std::string extra;
    for (int i = 0; i < 10 * 36; ++i) extra += "0\n";
    text.insert(sig_pos + 1, extra);
    std::ofstream(path_) << text;
    no_fx = 0;
    ASSERT_TRUE(LoadTemp(path_));
    EXPECT_EQ(no_fx, MAX_FX);
}

// A damaged snapshot, or one of another object file, is refused and changes nothing.
TEST_F(Snapshots, ForeignOrDamagedSnapshotsAreRefused) {
    ASSERT_TRUE(DumpTemp(path_));
    sprite[1].score = 40;
    no_fx = 1;

    // The scene's object file has changed since.
    scene_file_signature ^= 1u;
    EXPECT_FALSE(Temp_Matches(path_));
    EXPECT_FALSE(LoadTemp(path_));
    EXPECT_EQ(sprite[1].score, 40);
    EXPECT_EQ(no_fx, 1);
    scene_file_signature ^= 1u;
    EXPECT_TRUE(Temp_Matches(path_));

    // Cut short in the middle of the sprites.
    std::ifstream in(path_);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(path_) << text.substr(0, text.size() / 3);
    EXPECT_FALSE(LoadTemp(path_));
    EXPECT_EQ(sprite[1].score, 40);
    EXPECT_EQ(no_fx, 1);

    // A player index outside the sprites.
    std::string bad = text;
    bad.replace(bad.find('\n', bad.find('\n') + 1) + 1, 2, "99");
    std::ofstream(path_) << bad;
    EXPECT_FALSE(LoadTemp(path_));

    char missing[] = "scene/episode2/scene9.tmp";
    EXPECT_FALSE(HasTemp(missing));
    EXPECT_FALSE(LoadTemp(missing));
}

// The new snapshot is written aside and renamed: a failed write keeps the previous one.
TEST_F(Snapshots, FailedWriteKeepsThePreviousSnapshot) {
    sprite[1].anim = 9;
    ASSERT_TRUE(DumpTemp(path_));
    std::filesystem::create_directory(std::string(path_) + ".part"); // the side file cannot be made
    sprite[1].anim = 4;
    EXPECT_FALSE(DumpTemp(path_));
    sprite[1].anim = 0;
    ASSERT_TRUE(LoadTemp(path_));
    EXPECT_EQ(sprite[1].anim, 9);
}

TEST(RemoveTemps, EachArgumentDeletesExactlyItsFiles) {
    char tmpl[] = "/tmp/varnoth_rm_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(tmpl);
    std::filesystem::create_directories("scene/episode2");
    std::filesystem::create_directories("scene/episode3");
    auto make_all = [] {
        for (int s = 0; s <= 12; ++s) std::ofstream("scene/episode2/scene" + std::to_string(s) + ".tmp") << "x";
        for (int s = 0; s <= 38; ++s) std::ofstream("scene/episode3/scene" + std::to_string(s) + ".tmp") << "x";
        std::ofstream("scene/episode3/scene5.pt") << "x";
    };
    auto remaining = [] {
        std::set<std::string> left;
        for (const char* d : {"scene/episode2", "scene/episode3"})
            for (const auto& f : std::filesystem::directory_iterator(d)) left.insert(f.path().string());
        return left;
    };
    const std::set<std::string> never = {"scene/episode2/scene12.tmp", "scene/episode3/scene38.tmp",
                                         "scene/episode3/scene5.pt"};

    make_all();
    Remove_Temps(0);
    EXPECT_EQ(remaining(), never);

    make_all();
    Remove_Temps(2);
    std::set<std::string> left = remaining();
    EXPECT_EQ(left.size(), 13u + 39u + 1u - 1u);
    EXPECT_EQ(left.count("scene/episode3/scene20.tmp"), 0u);

    for (int arg : {1, 3, -1}) {
        SCOPED_TRACE(arg);
        make_all();
        Remove_Temps(arg);
        std::set<std::string> expect = never;
        expect.insert("scene/episode3/scene20.tmp");
        EXPECT_EQ(remaining(), expect);
    }
    Remove_Temps(0); // missing files are no error
    std::filesystem::current_path(old);
    std::filesystem::remove_all(tmpl);
}
