// The scene's data files: tile map, points, nodes, object file and HUD layout, with the
// refusals of truncated and oversized files.
#include "test_content_util.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/scene_files.h"
#include "content/scene_reset.h"
#include "content/texture_list.h"
#include "content/writers/scene_writers.h"
#include "main/startup.h"

namespace {

class SceneFiles : public ContentDir {
protected:
    void SetUp() override {
        ContentDir::SetUp();
        Allocate_Records();
        // A texture list of 6 slots: kinds 0, 1, 2, 3, 4, 5, sheets 0..2 for the animated ones.
        delete[] texID;
        texID = new unsigned int[6]();
        numsubmtls = 6;
        for (int i = 0; i < 6; ++i) {
            texture_fx[i] = i;
            animation_fx[i] = -1;
        }
        animation_fx[2] = 0;
        animation_fx[3] = 1;
        animation_fx[4] = 2;
        in_dungeon = false;
        Level = 0;
    }
    void TearDown() override {
        Free_Records();
        numsubmtls = 0;
        ContentDir::TearDown();
    }
};

sString S(const char* s) { return Make_sString(s); }

} // namespace

// ---- Tile map ----

TEST_F(SceneFiles, TileCollisionCodes) {
    struct Case {
        int tile;
        bool dungeon;
        int col;
        int bottles;
    } cases[] = {
        {480, false, 9, 0}, {483, false, 9, 0}, {484, false, 0, 0}, {31, false, 0, 0},  {32, false, 7, 0},
        {287, false, 7, 0}, {288, false, 0, 0}, {479, false, 0, 0}, {495, false, 0, 0}, {496, false, 7, 0},
        {501, false, 7, 0}, {502, false, 0, 1}, {503, false, 0, 0}, {504, false, 0, 1}, {0, false, 0, 0},
        {0, true, 1, 0},    {1, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tile " << c.tile << " dungeon " << c.dungeon);
        in_dungeon = c.dungeon;
        WriteText("m.bg", "1\n1\n" + std::to_string(c.tile) + "\n1\n");
        EXPECT_TRUE(Load_BG(S("m")));
        EXPECT_EQ(MAP_WIDTH, 1);
        EXPECT_EQ(MAP_HEIGHT, 1);
        EXPECT_EQ(MAP_TILES, 1);
        EXPECT_EQ(tiles[0], c.tile);
        EXPECT_EQ(map_set[0], 1);
        EXPECT_EQ(map_col[0], c.col);
        EXPECT_EQ(total_no_bottles, c.bottles);
    }
    EXPECT_TRUE(Boxes().empty());
}

// On the two lab levels story flag 20 swaps the tile variants after the collision code is taken.
TEST_F(SceneFiles, LabTileSwap) {
    struct Case {
        int level, flag, tile, read_back;
    } cases[] = {
        {36, 1, 406, 390}, {37, 1, 459, 443}, {36, 0, 390, 406}, {37, 0, 443, 459},
        {36, 2, 406, 406}, {36, 1, 390, 390}, {12, 1, 406, 406}, {12, 0, 390, 390},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " flag " << c.flag << " tile " << c.tile);
        Level = c.level;
        global_objects[20] = (char)c.flag;
        WriteText("m.bg", "2\n1\n" + std::to_string(c.tile) + "\n0\n100\n0\n");
        Load_BG(S("m"));
        EXPECT_EQ(tiles[0], c.read_back);
        EXPECT_EQ(map_col[0], 0);
        EXPECT_EQ(map_col[1], 7);
    }
    global_objects[20] = 0;
}

// A missing map is silent: an all-zero map of the previous size. A refused map is reported and
// applies nothing.
TEST_F(SceneFiles, TileMapMissingAndRefused) {
    WriteText("m.bg", "2\n2\n40\n1\n41\n0\n480\n2\n5\n0\n");
    Load_BG(S("m"));
    ASSERT_EQ(MAP_TILES, 4);
    EXPECT_EQ(map_set[2], 2); // the set byte is kept as read
    EXPECT_TRUE(Load_BG(S("absent")));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(MAP_WIDTH, 2);
    EXPECT_EQ(MAP_HEIGHT, 2);
    EXPECT_EQ(tiles[0], 0);
    EXPECT_EQ(map_col[2], 0);
    EXPECT_EQ(map_set[0], 0);

    const std::vector<std::pair<const char*, std::string>> bad = {
        {"wider than 150", "151\n1\n" + std::string("0\n0\n")},
        {"taller than 150", "1\n151\n"},
        {"negative", "-1\n-1\n"},
        {"ends early", "2\n2\n40\n1\n41\n0\n480\n"},
        {"not a number", "2\n1\n40\n1\nx\n0\n"},
        {"set beyond a byte", "2\n1\n40\n256\n41\n0\n"},
        {"negative set", "2\n1\n40\n-1\n41\n0\n"},
        {"empty", ""},
    };
    for (const auto& [what, text] : bad) {
        SCOPED_TRACE(what);
        WriteText("m.bg", "2\n2\n40\n1\n41\n0\n480\n1\n5\n0\n");
        Load_BG(S("m"));
        WriteText("m.bg", text);
        platform::ClearRecordedMessageBoxes();
        EXPECT_TRUE(Load_BG(S("m")));
        EXPECT_EQ(OnlyBox().text, "Couldn't load sceneX.bg");
        EXPECT_EQ(OnlyBox().caption, "ERROR");
        EXPECT_EQ(MAP_WIDTH, 2);
        EXPECT_EQ(tiles[0], 0);
        EXPECT_EQ(map_col[2], 0);
        EXPECT_EQ(total_no_bottles, 0);
    }
    // The largest map loads whole.
    writers::TileMap big{150, 150, std::vector<int>(22500, 33), {}};
    big.tiles[22499] = 480;
    ASSERT_TRUE(writers::Write_Tile_Map("big.bg", big));
    platform::ClearRecordedMessageBoxes();
    Load_BG(S("big"));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(MAP_TILES, 22500);
    EXPECT_EQ(map_col[22499], 9);
    EXPECT_EQ(map_col[0], 7);
}

// ---- Points and nodes ----

TEST_F(SceneFiles, PointRecordInFileOrder) {
    const std::string rec = "1.5\n2.0\n3\n4\n1\n0.25\n7\n6\n2\n0\n0\n";
    WriteText("s.pt", "1\n" + rec);
    WriteText("s.nde", "1\n" + rec);
    EXPECT_TRUE(LoadPoints(S("s")));
    EXPECT_TRUE(LoadNodes(S("s")));
    EXPECT_TRUE(Boxes().empty());
    for (const a_point* p : {&points[0], &nodes[0]}) {
        EXPECT_FLOAT_EQ(p->x, 1.5f);
        EXPECT_FLOAT_EQ(p->y, 2.0f);
        EXPECT_EQ(p->anim_state, 3);
        EXPECT_EQ(p->anim, 4);
        EXPECT_FLOAT_EQ(p->speed, 0.25f);
        EXPECT_EQ(p->score, 7);
        EXPECT_EQ(p->c1, 6);
        EXPECT_EQ(p->c2, 2);
        EXPECT_EQ(p->c3, 0);
        EXPECT_EQ(p->c4, 0);
    }
    EXPECT_EQ(no_points, 1);
    EXPECT_EQ(no_nodes, 1);
    EXPECT_FALSE(points[0].active); // points start inactive
    EXPECT_TRUE(nodes[0].active);   // nodes keep the file's flag
}

// Missing, truncated and oversized point files: the box, an empty table and a count of 0.
TEST_F(SceneFiles, PointFilesRefused) {
    writers::Point p{};
    p.x = 1;
    const std::vector<writers::Point> full_pts(400, p), full_nodes(100, p);
    struct Case {
        const char* what;
        std::string text; // empty: no file
        bool nodes;
    };
    const std::string rec = "1\n2\n0\n0\n1\n0\n0\n1\n0\n0\n0\n";
    std::vector<Case> cases = {
        {"points missing", "", false},
        {"nodes missing", "", true},
        {"points ends early", "2\n" + rec + "1\n2\n", false},
        {"nodes ends early", "1\n1\n2\n", true},
        {"points 401", "401\n", false},
        {"nodes 101", "101\n", true},
        {"negative count", "-1\n", false},
        {"real as count", "1.5\n" + rec, true},
        {"word in record", "1\n1\n2\nthree\n0\n1\n0\n0\n1\n0\n0\n0\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A previous scene's full table.
        writers::Write_Points("prev.pt", full_pts);
        writers::Write_Points("prev.nde", full_nodes);
        LoadPoints(S("prev"));
        LoadNodes(S("prev"));
        ASSERT_EQ(no_points, 400);
        ASSERT_EQ(no_nodes, 100);
        std::filesystem::remove("s.pt");
        std::filesystem::remove("s.nde");
        if (!c.text.empty()) WriteText(c.nodes ? "s.nde" : "s.pt", c.text);
        platform::ClearRecordedMessageBoxes();
        EXPECT_TRUE(c.nodes ? LoadNodes(S("s")) : LoadPoints(S("s")));
        EXPECT_EQ(OnlyBox().text, c.nodes ? "Couldn't load scene.nde" : "Couldn't load scene.pnt");
        EXPECT_EQ(OnlyBox().caption, "ERROR");
        EXPECT_EQ(OnlyBox().flags, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        EXPECT_EQ(c.nodes ? no_nodes : no_points, 0);
        EXPECT_EQ(c.nodes ? nodes[0].x : points[0].x, 0.0f);
        EXPECT_EQ(c.nodes ? nodes[99].x : points[399].x, 0.0f);
    }
}

// ---- Object file ----

namespace {

writers::ObjectRec Rec(int id, int anim) {
    writers::ObjectRec r;
    r.x = 0.5f;
    r.y = -0.25f;
    r.width = 0.2f;
    r.height = 0.3f;
    r.w = 0.55f;
    r.z = -0.2f;
    r.box_width = 0.1f;
    r.box_height = 0.05f;
    r.id = id;
    r.score = 12;
    r.anim_state = 2;
    r.anim = anim;
    r.alpha = 0.75f;
    r.linked_sprite = -1;
    r.priority = 3;
    r.type = 46;
    r.grab_switch = 1;
    r.mouseover = 0;
    r.sector = 5;
    r.sector_action = 6;
    r.onCreate = 7;
    r.onCreate_action = 8;
    r.rank = 9;
    r.onDeath_action = 10;
    r.light = 0.5f;
    r.global_flag = 11;
    return r;
}

} // namespace

TEST_F(SceneFiles, ObjectFileFillsSpritesAndHeader) {
    writers::SceneHeader h{3, 4, 60, 2, 5, 1, 7, 9};
    sprite[0].fx_id = 33;
    sprite[1].fx_id = 33;
    sprite[0].kills = 2.5f; // not carried by the file
    ASSERT_TRUE(writers::Write_Object_File("s.dat", h, {Rec(1, 4), Rec(3, 5)}));
    ASSERT_TRUE(Read_Object_File("s.dat"));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(game_mode, 3);
    EXPECT_EQ(no_sprites, 2);
    EXPECT_EQ(no_of_keyframes, 4);
    EXPECT_EQ(game_time, 60);
    EXPECT_EQ(fade_in, 2);
    EXPECT_EQ(fade_out, 5);
    EXPECT_EQ(scene_shake, 1);
    EXPECT_EQ(music_loop, 7);
    EXPECT_EQ(g_type, 9);
    const object& a = sprite[0];
    EXPECT_FLOAT_EQ(a.x, 0.5f);
    EXPECT_FLOAT_EQ(a.y, -0.25f);
    EXPECT_FLOAT_EQ(a.box_height, 0.05f);
    EXPECT_FLOAT_EQ(a.u[1], 1.0f);
    EXPECT_FLOAT_EQ(a.v[2], 1.0f);
    EXPECT_EQ(a.id, 1);
    EXPECT_EQ(a.fx_id, 33); // kind 1: fx_id kept
    EXPECT_EQ(sprite[1].fx_id, 1); // kind 3: the slot's sheet
    EXPECT_EQ(a.score, 12);
    EXPECT_EQ(a.anim, 4);
    EXPECT_EQ(a.base_anim, 4);
    EXPECT_EQ(sprite[1].base_anim, 5);
    EXPECT_FLOAT_EQ(a.alpha, 0.75f);
    EXPECT_EQ(a.linked_sprite, -1);
    EXPECT_EQ(a.priority, 3);
    EXPECT_EQ(a.type, 46);
    EXPECT_TRUE(a.grab_switch);
    EXPECT_FALSE(a.mouseover);
    EXPECT_EQ(a.sector, 5);
    EXPECT_EQ(a.sector_action, 6);
    EXPECT_EQ(a.onCreate, 7);
    EXPECT_EQ(a.onCreate_action, 8);
    EXPECT_EQ(a.rank, 9);
    EXPECT_EQ(a.onDeath_action, 10);
    EXPECT_FLOAT_EQ(a.light, 0.5f);
    EXPECT_EQ(a.global_flag, 11);
    EXPECT_FLOAT_EQ(a.kills, 2.5f);
}

// Truncated, oversized and out-of-list object files and HUD layouts are refused whole.
TEST_F(SceneFiles, ObjectFilesRefused) {
    writers::SceneHeader h{3, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(writers::Write_Object_File("full.dat", h, std::vector<writers::ObjectRec>(750, Rec(0, 0))));
    ASSERT_TRUE(writers::Write_Object_File("fullhud.dat", h, std::vector<writers::ObjectRec>(75, Rec(0, 0))));
    ASSERT_TRUE(writers::Write_Object_File("751.dat", h, std::vector<writers::ObjectRec>(751, Rec(0, 0))));
    ASSERT_TRUE(writers::Write_Object_File("76.dat", h, std::vector<writers::ObjectRec>(76, Rec(0, 0))));
    ASSERT_TRUE(writers::Write_Object_File("slot6.dat", h, {Rec(0, 0), Rec(6, 0)}));
    ASSERT_TRUE(writers::Write_Object_File("slotneg.dat", h, {Rec(-1, 0)}));
    ASSERT_TRUE(writers::Write_Object_File("two.dat", h, {Rec(0, 0), Rec(0, 0)}));
    // Cut inside the second record.
    std::string two;
    {
        std::FILE* f = std::fopen("two.dat", "r");
        char buf[8192];
        size_t n = std::fread(buf, 1, sizeof buf, f);
        std::fclose(f);
        two.assign(buf, n);
    }
    WriteText("cut.dat", two.substr(0, two.size() - 12));
    WriteText("header.dat", "3\n1\n0\n0\n");
    const char* cases[] = {"751.dat", "slot6.dat", "slotneg.dat", "cut.dat", "header.dat", "absent.dat"};
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        ASSERT_TRUE(Read_Object_File("full.dat"));
        game_mode = 3;
        sprite[0].x = 9.0f;
        platform::ClearRecordedMessageBoxes();
        EXPECT_FALSE(Read_Object_File(c));
        EXPECT_EQ(OnlyBox().text, "Couldn't load sceneX.dat");
        EXPECT_EQ(OnlyBox().caption, "ERROR");
        EXPECT_EQ(no_sprites, 0);
        EXPECT_EQ(game_mode, 3);
        EXPECT_FLOAT_EQ(sprite[0].x, 9.0f);
    }
    const char* hud_cases[] = {"76.dat", "slot6.dat", "cut.dat", "header.dat", "absent.dat"};
    for (const char* c : hud_cases) {
        SCOPED_TRACE(std::string("hud ") + c);
        LoadHud("fullhud.dat");
        ASSERT_EQ(hud_no_sprites, 75);
        hud[0].x = 9.0f;
        platform::ClearRecordedMessageBoxes();
        EXPECT_TRUE(LoadHud(c));
        EXPECT_EQ(OnlyBox().text, "Couldn't load hud.dat");
        EXPECT_EQ(hud_no_sprites, 0);
        EXPECT_FLOAT_EQ(hud[0].x, 9.0f);
    }
}

// The HUD layout: the score is dropped, animation indices are brought into range, and the
// message-box geometry comes from HUD item 2 whether or not the layout was read.
TEST_F(SceneFiles, HudLayout) {
    writers::SceneHeader h{1, 0, 0, 0, 0, 0, 0, 0};
    std::vector<writers::ObjectRec> recs = {Rec(0, 150), Rec(3, -1), Rec(2, 149)};
    recs[2].x = 0.1f;
    recs[2].y = 0.2f;
    recs[2].width = 0.3f;
    recs[2].height = 0.4f;
    ASSERT_TRUE(writers::Write_Object_File("hud.dat", h, recs));
    hud[0].score = 77;
    hud[0].cur = 150;
    hud[1].cur = -3;
    hud[0].fx_id = 50;
    hud[2].base_anim = 5;
    game_mode = 3;
    EXPECT_TRUE(LoadHud("hud.dat"));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(game_mode, 3); // the header's other values are dropped
    EXPECT_EQ(hud_no_sprites, 3);
    EXPECT_EQ(hud[0].score, 77);
    EXPECT_EQ(hud[0].anim, 0);
    EXPECT_EQ(hud[1].anim, 0);
    EXPECT_EQ(hud[2].anim, 149);
    EXPECT_EQ(hud[0].cur, 0);
    EXPECT_EQ(hud[1].cur, 0);
    EXPECT_EQ(hud[0].fx_id, 0);  // kind 0 keeps 50, then brought into range
    EXPECT_EQ(hud[1].fx_id, 1);  // kind 3: the slot's sheet
    EXPECT_EQ(hud[2].fx_id, 0);  // kind 2: sheet 0
    EXPECT_EQ(hud[2].base_anim, 5);
    EXPECT_FLOAT_EQ(message_x, 0.1f);
    EXPECT_FLOAT_EQ(message_y, 0.2f);
    EXPECT_FLOAT_EQ(message_width, 0.3f);
    EXPECT_FLOAT_EQ(message_height, 0.4f);

    hud[2].x = -0.6f;
    hud[2].height = 0.9f;
    platform::ClearRecordedMessageBoxes();
    EXPECT_TRUE(LoadHud("absent.dat"));
    EXPECT_EQ(OnlyBox().text, "Couldn't load hud.dat");
    EXPECT_FLOAT_EQ(message_x, -0.6f);
    EXPECT_FLOAT_EQ(message_height, 0.9f);
}
