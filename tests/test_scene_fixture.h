// Shared by the scene-loading tests: a fresh folder with recorded boxes, fresh records, a
// virtual clock, a hidden GL context, and a fixture scene written with the content writers.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/game_state.h"
#include "common/world_state.h"
#include "content/writers/scene_writers.h"
#include "content/writers/tga_writer.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "support/generated_content.h"
#include "support/gl_context.h"
#include "support/virtual_clock.h"

// A scene as the tests lay it out; written by Write_Fixture_Scene.
struct FixtureScene {
    int episode = 2, scene = 3;
    writers::SceneHeader header;
    std::vector<writers::ObjectRec> objects;
    std::vector<writers::Point> points;
    int map_w = 40, map_h = 40;
    std::vector<int> tiles;       // empty: all 0
    int texture_slots = 30;       // every slot the same small animated image
    bool write_textures = true;
    bool write_dialogue = true;
    std::string first_text = "Hello";
};

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/varnoth_scene_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
        platform::UseVirtualClock(true);
        TimerInit();
        Allocate_Records();
        gl_ = Test_GL_Context(64, 64);
    }
    void TearDown() override {
        Close_Test_GL_Context();
        Free_Records();
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    static std::string Base(int e, int s) { return "scene/episode" + std::to_string(e) + "/scene" + std::to_string(s); }

    // The shared image, its animation definition and the HUD layout.
    static void Write_Common() {
        writers::Make_Dirs("Data/test");
        writers::Image img(8, 8, writers::Rgba{200, 100, 50, 255});
        ASSERT_TRUE(writers::Write_TGA("Data/test/sheet.tga", img));
        writers::AnimDef def;
        def.width = 0.5f;
        def.height = 0.5f;
        def.column = 2;
        def.frames = 4;
        def.delay = {100, 100, 100, 100};
        for (int a = 0; a < 40; ++a) def.anims.push_back({a % 4, (a + 1) % 4});
        ASSERT_TRUE(writers::Write_Anim_Def("Data/test/sheet.dat", def));
        writers::Make_Dirs("scene/episode0");
        writers::SceneHeader hh;
        hh.game_mode = 3;
        std::vector<writers::ObjectRec> items(60);
        for (size_t i = 0; i < items.size(); ++i) {
            items[i].x = items[i].w = -0.9f + 0.01f * (float)i;
            items[i].y = items[i].z = 0.5f;
            items[i].width = items[i].height = items[i].box_width = items[i].box_height = 0.05f;
            items[i].id = 0;
        }
        ASSERT_TRUE(writers::Write_Object_File("scene/episode0/scene3.dat", hh, items));
    }

    static void Write_Fixture_Scene(const FixtureScene& f) {
        Write_Common();
        const std::string base = Base(f.episode, f.scene);
        writers::Make_Dirs("scene/episode" + std::to_string(f.episode));
        if (f.write_textures) {
            std::vector<writers::TextureSlot> slots(f.texture_slots, writers::TextureSlot{2, "Data/test/sheet"});
            ASSERT_TRUE(writers::Write_Texture_List(base + ".txd", slots));
        }
        ASSERT_TRUE(writers::Write_Points(base + ".pt", f.points));
        ASSERT_TRUE(writers::Write_Points(base + ".nde", {}));
        if (f.write_dialogue) {
            writers::Dialogue d;
            d.groups = {{0}};
            d.lines = {{1, f.first_text, "World"}};
            ASSERT_TRUE(writers::Write_Dialogue(base + ".txt", d));
        }
        writers::TileMap m;
        m.width = f.map_w;
        m.height = f.map_h;
        m.tiles = f.tiles.empty() ? std::vector<int>((size_t)f.map_w * f.map_h, 1) : f.tiles;
        ASSERT_TRUE(writers::Write_Tile_Map(base + ".bg", m));
        ASSERT_TRUE(writers::Write_Object_File(base + ".dat", f.header, f.objects));
    }

    static writers::ObjectRec Object(int type, float x, float y, int id = 1) {
        writers::ObjectRec o;
        o.type = type;
        o.x = o.w = x;
        o.y = o.z = y;
        o.width = o.height = 0.1f;
        o.box_width = o.box_height = 0.1f;
        o.id = id;
        return o;
    }
    static writers::Point Point(int c1, float x, float y, int c2 = 0) {
        writers::Point p;
        p.c1 = c1;
        p.x = x;
        p.y = y;
        p.c2 = c2;
        return p;
    }
    static const std::vector<platform::RecordedBox>& Boxes() { return platform::RecordedMessageBoxes(); }
    static std::string Box_Texts() {
        std::string s;
        for (const auto& b : Boxes()) s += "[" + b.text + "]";
        return s;
    }
    // Lays the generated content tree out in the folder (the test fails when there is
    // none). Call it from SetUp.
    static void Generate_Content() { ASSERT_EQ(Use_Generated_Content(), ""); }

    std::filesystem::path dir_, old_;
    bool gl_ = false;
};

// A scene test in a folder holding the generated game content.
class GeneratedSceneTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        Generate_Content();
    }
};
