// Scene descriptions: the parser and compiler turn a description into the scene's records
// (plans, roles, styles, fillers, names of codes, includes), refuse bad descriptions with
// the file and line, and the contract check names the scene, index and expectation of a
// broken contract.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <string>

#include "common/codes.h"
#include "tools/content/compiler/contracts.h"
#include "tools/content/compiler/scene_build.h"
#include "tools/content/compiler/scene_compiler.h"
#include "tools/content/compiler/scene_desc.h"
#include "tools/content/compiler/slot_plans.h"
#include "tools/content/writers/scene_writers.h"

namespace {

using compiler::SceneDesc;

// Compiles `text` as file `name`; the included files are given by name.
bool Compile(const std::string& text, writers::SceneFiles& out, std::string& error,
             const std::map<std::string, std::string>& includes = {}, const std::string& name = "e0s1.scene") {
    SceneDesc d;
    const compiler::Include_Reader reader = [&](const std::string& n) -> std::optional<std::string> {
        auto it = includes.find(n);
        if (it == includes.end()) return std::nullopt;
        return it->second;
    };
    if (!compiler::Parse_Scene(text, name, reader, d, error)) return false;
    return compiler::Compile_Scene(d, out, error);
}

TEST(Scene_Compiler, CompilesAFrontPage) {
    const std::string text = R"(# a page
kind front
header music=TITLE fade_in=3
plan front_page
use shared.inc
slot 10 image=Data/front/sky kind=0
object 0 role=backdrop slot=10
object 3 style=big type=FE_START on_death=1 goto=0/2 slot=10 x=-0.25
point 1 role=TITLE_PNT x=0 y=0.1
line 1 Hello^there! Yes_sir!
group 0
)";
    const std::map<std::string, std::string> inc = {{"shared.inc", "style big role=button w=0.5 h=0.12 y=0.02\n"}};
    writers::SceneFiles f;
    std::string error;
    ASSERT_TRUE(Compile(text, f, error, inc)) << error;
    EXPECT_EQ(f.header.game_mode, gmode::front);
    EXPECT_EQ(f.header.music_loop, music_code::TITLE);
    EXPECT_EQ(f.header.fade_in, 3);
    // The plan's slots, with the front end's effects sheet in slot 2, then the page's own.
    ASSERT_EQ(f.textures.size(), 11u);
    EXPECT_EQ(f.textures[0].name, "Data/hud/font");
    EXPECT_EQ(f.textures[2].name, "Data/front/effects");
    EXPECT_EQ(f.textures[10].name, "Data/front/sky");
    // The backdrop covers the widest view; objects 1 and 2 are hidden fillers.
    ASSERT_EQ(f.objects.size(), 4u);
    EXPECT_FLOAT_EQ(f.objects[0].x, -1.2f);
    EXPECT_FLOAT_EQ(f.objects[0].width, 2.4f);
    EXPECT_FLOAT_EQ(f.objects[0].height, 1.5f);
    for (int i : {1, 2}) {
        EXPECT_EQ(f.objects[i].alpha, 0.0f);
        EXPECT_EQ(f.objects[i].type, 0);
    }
    // The button: its style, its code by name, its target and its collision box.
    const writers::ObjectRec& b = f.objects[3];
    EXPECT_EQ(b.type, FE_START);
    EXPECT_EQ(b.onDeath_action, 1);
    EXPECT_EQ(b.sector, 0);
    EXPECT_EQ(b.score, 2);
    EXPECT_FLOAT_EQ(b.width, 0.5f);
    EXPECT_FLOAT_EQ(b.y, 0.02f);
    EXPECT_FLOAT_EQ(b.w, b.x);
    EXPECT_FLOAT_EQ(b.box_height, b.height);
    EXPECT_EQ(b.anim_state, 2); // a button loops its animation
    ASSERT_EQ(f.points.size(), 2u);
    EXPECT_EQ(f.points[1].c1, TITLE_PNT);
    EXPECT_FLOAT_EQ(f.points[1].y, 0.1f);
    ASSERT_EQ(f.dialogue.lines.size(), 1u);
    EXPECT_EQ(f.dialogue.lines[0].a, "Hello^there!");
    EXPECT_EQ(f.dialogue.groups, std::vector<std::vector<int>>{{0}});
}

TEST(Scene_Compiler, RefusesBadDescriptionsWithFileAndLine) {
    const std::string head = "kind front\nplan front_page\nslot 10 image=Data/x kind=1\n";
    struct Case {
        std::string text, says;
    } cases[] = {
        {head + "objekt 1 role=button slot=10\n", "e0s1.scene:4: unknown directive 'objekt'"},
        {head + "object 1 slot=10\nobject 1 slot=10\n", "e0s1.scene:5: 'object 1' given twice (first at line 4)"},
        {head + "object 1 role=knob slot=10\n", "e0s1.scene:4: unknown role 'knob'"},
        {head + "object 1 slot=10 colour=red\n", "e0s1.scene:4: unknown object field 'colour'"},
        {head + "object 1 slot=10 type=FE_STRAT\n", "e0s1.scene:4: type=FE_STRAT: not a number nor a known name"},
        {head + "object 1 slot=10 x=left\n", "e0s1.scene:4: x=left: not a number"},
        {head + "object 1 slot=11\n", "e0s1.scene:4: object 1 uses texture slot 11, which the scene does not have"},
        {head + "slot 2 image=Data/y\n", "e0s1.scene:4: slot 2 is already given by the slot plan"},
        {head + "slot 12 image=Data/y\n", "texture slot 11 is not given"},
        {head + "object 1 style=wide slot=10\n", "e0s1.scene:4: unknown style 'wide'"},
        {head + "object 1 slot=10 at=hut.door\n", "e0s1.scene:4: at=hut.door: the scene has no map to anchor to"},
        {head + "use missing.inc\n", "e0s1.scene:4: cannot read 'missing.inc'"},
        {head + "line 1\n", "e0s1.scene:4: 'line' takes a face number"},
        {head + "line 0 a\ngroup 0 3\n", "a group names line 3, which does not exist"},
        {"plan front_page\n", "e0s1.scene: no 'kind' line"},
        {"kind movie\n", "e0s1.scene:1: kind 'movie'"},
        {"kind front\nplan fancy\n", "unknown slot plan 'fancy'"},
        {"kind front\nheader tempo=3\n", "unknown header field 'tempo'"},
    };
    for (const Case& c : cases) {
        writers::SceneFiles f;
        std::string error;
        EXPECT_FALSE(Compile(c.text, f, error)) << c.text;
        EXPECT_NE(error.find(c.says), std::string::npos) << "got: " << error << "\nwanted: " << c.says;
    }
    writers::SceneFiles f;
    std::string error;
    EXPECT_FALSE(Compile("kind front\n", f, error, {}, "menu.scene"));
    EXPECT_NE(error.find("e<episode>s<scene>.scene"), std::string::npos) << error;
}

TEST(Scene_Compiler, AnIncludedFileReportsItsOwnLine) {
    writers::SceneFiles f;
    std::string error;
    EXPECT_FALSE(Compile("kind front\nuse a.inc\n", f, error, {{"a.inc", "# shared\nobject 0 role=nothing\n"}}));
    EXPECT_NE(error.find("a.inc:2: unknown role 'nothing'"), std::string::npos) << error;
}

TEST(Scene_Compiler, PlansBuildOnTheirBase) {
    std::vector<compiler::Plan_Slot> slots;
    ASSERT_TRUE(compiler::Plan_Slots("save_slots", slots));
    std::map<int, std::string> by_index;
    for (const auto& s : slots) by_index[s.index] = s.image;
    EXPECT_EQ(by_index[0], "Data/hud/font");         // from hud
    EXPECT_EQ(by_index[2], "Data/front/effects");    // from front_page, replacing hud's
    EXPECT_EQ(by_index[8], "Data/front/file_empty"); // its own
    EXPECT_EQ(slots.size(), 10u);
    EXPECT_FALSE(compiler::Plan_Slots("no_such_plan", slots));
}

class Contract_Check : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() / ("varnoth_contract_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "Data");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    // An animation definition with `anims` animations.
    void Sheet(const std::string& name, int anims) {
        writers::AnimDef d;
        d.frames = 1;
        d.anims.assign(anims, std::vector<int>{0});
        ASSERT_TRUE(writers::Write_Anim_Def((root_ / (name + ".dat")).string(), d));
    }
    std::filesystem::path root_;
};

TEST_F(Contract_Check, NamesSceneIndexAndExpectation) {
    // The title's contract: six objects, the picture and the stamp with two animations.
    Sheet("Data/two", 2);
    Sheet("Data/one", 1);
    writers::SceneFiles s;
    s.textures = {{3, "Data/two"}, {3, "Data/one"}};
    s.objects.resize(7);
    for (auto& o : s.objects) o.id = 0;
    std::string error;
    EXPECT_TRUE(compiler::Check_Contracts(0, 0, s, root_.string(), error)) << error;

    s.objects[1].id = 1; // the stamp's sheet has one animation only
    s.objects.resize(5); // and the hidden sprite 6 (and mark 5) are gone
    EXPECT_FALSE(compiler::Check_Contracts(0, 0, s, root_.string(), error));
    EXPECT_NE(error.find("scene 0/0: object 1 (stamp, animation 1): slot 1 has 1 animations, expected at least 2"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find("scene 0/0: object 6 (hidden sprite): missing (the scene has 5 objects)"), std::string::npos)
        << error;
}

TEST_F(Contract_Check, ChecksTypesAndPoints) {
    // The menu: a duck of the wrong type, no title point.
    writers::SceneFiles s;
    s.textures = {{0, "Data/plain"}};
    s.objects.resize(27);
    std::string error;
    EXPECT_FALSE(compiler::Check_Contracts(0, 1, s, root_.string(), error));
    EXPECT_NE(error.find("object 5 (the duck, animations 1 to 3): type 0, expected 27"), std::string::npos) << error;
    EXPECT_NE(error.find("point 0 (the camera glides to the title point): missing"), std::string::npos) << error;
    EXPECT_NE(error.find("texture slot 2 (bullet-hole puffs"), std::string::npos) << error;
}

TEST_F(Contract_Check, ChecksKindsExitsAndTheGreetingAnimation) {
    // The act-1 camp with its objects all in place, then one fault at a time.
    Sheet("Data/people", 24);
    writers::SceneFiles s;
    s.textures.resize(40, {2, "Data/people"});
    s.objects.resize(141);
    s.points.resize(41);
    for (auto& p : s.points) p.c1 = CAM_P1;
    for (auto& o : s.objects) o.id = 0;
    const std::pair<int, int> kinds[] = {{43, OBJ_DRILL},     {44, OBJ_WAGES},   {45, OBJ_CASINO},  {46, OBJ_GALLERY},
                                         {47, OBJ_CARD_START}, {48, OBJ_PATCHES}, {49, OBJ_DOGMATE}, {50, OBJ_UPGRADE},
                                         {51, OBJ_DODGYDAN},   {52, OBJ_SPY},     {53, OBJ_STARTUP}, {54, OBJ_MAP},
                                         {55, OBJ_MEDALBOX},   {140, OBJ_BETSY}};
    for (auto [i, k] : kinds) s.objects[i].type = OBJ, s.objects[i].sector_action = k;
    s.objects[15].type = UNT;
    s.objects[42].type = LAD, s.objects[42].sector = 31;
    for (auto [i, sector] : {std::pair{70, 6}, {73, 50}, {123, 28}}) s.objects[i].type = TRI, s.objects[i].sector = sector;
    s.points[5].c1 = MAP_HQ_PNT;
    std::string error;
    // The plan's sheets are not there: only those rows may fail.
    compiler::Check_Contracts(2, 0, s, root_.string(), error);
    EXPECT_EQ(error.find("object"), std::string::npos) << error;

    struct Fault {
        std::function<void(writers::SceneFiles&)> make;
        const char* message;
    };
    const Fault faults[] = {
        {[](writers::SceneFiles& f) { f.objects[45].sector_action = OBJ_GALLERY; },
         "object 45 (casino): kind 28, expected 16"},
        {[](writers::SceneFiles& f) { f.objects[73].sector = 6; }, "object 73 (exit to the coast road): sector 6, expected 50"},
        {[](writers::SceneFiles& f) { f.objects[140].anim = 23; },
         "object 140 (the commander): slot 0 has no animation 24 to play when the player walks up"},
    };
    for (const Fault& f : faults) {
        writers::SceneFiles bad = s;
        f.make(bad);
        EXPECT_FALSE(compiler::Check_Contracts(2, 0, bad, root_.string(), error));
        EXPECT_NE(error.find(f.message), std::string::npos) << error;
    }
}

TEST_F(Contract_Check, BuildStopsOnAPictureNobodyPaints) {
    const std::filesystem::path folder = root_ / "scenes";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "e5s1.scene") << "kind front\nslot 0 image=Data/none kind=3\n";
    std::string error;
    EXPECT_FALSE(compiler::Build_Scenes(folder.string(), (root_ / "out").string(), nullptr, error));
    EXPECT_NE(error.find("e5s1.scene: texture slot 0 names Data/none, whose .tga file is not produced"),
              std::string::npos)
        << error;
}

TEST_F(Contract_Check, BuildPaintsEachPictureOnceAndRefusesTwoDifferentOnes) {
    const std::filesystem::path folder = root_ / "scenes";
    std::filesystem::create_directories(folder);
    // Each page has a backdrop that covers the view, as the layout check wants of a page.
    const std::string backdrop = "art Data/t/bg painter=backdrop theme=paper\nslot 1 image=Data/t/bg kind=0\n"
                                 "object 0 role=backdrop slot=1\n";
    std::ofstream(folder / "e5s1.scene") << "kind front\nart Data/t/b painter=button text=A\n"
                                            "slot 0 image=Data/t/b kind=3\nobject 1 role=button slot=0\n"
                                         << backdrop;
    std::ofstream(folder / "e5s2.scene") << "kind front\nslot 0 image=Data/t/b kind=3\nart Data/t/b painter=button text=A\n"
                                         << backdrop;
    std::vector<std::pair<int, int>> written;
    std::string error;
    const std::string out = (root_ / "out").string();
    ASSERT_TRUE(compiler::Build_Scenes(folder.string(), out, &written, error)) << error;

    EXPECT_EQ(written, (std::vector<std::pair<int, int>>{{5, 1}, {5, 2}}));
    EXPECT_EQ(compiler::Anim_Count(out + "/Data/t/b.dat"), 4);
    EXPECT_TRUE(std::filesystem::exists(out + "/scene/episode5/scene1.dat"));

    std::ofstream(folder / "e5s2.scene") << "kind front\nslot 0 image=Data/t/b kind=3\nart Data/t/b painter=button text=B\n";
    EXPECT_FALSE(compiler::Build_Scenes(folder.string(), out, nullptr, error));
    EXPECT_NE(error.find("e5s2.scene:3: Data/t/b is painted differently at e5s1.scene:2"), std::string::npos) << error;
}

} // namespace
