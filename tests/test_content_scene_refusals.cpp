// Damaged and hostile scene descriptions: every one is refused with its file, line and field
// (numbers that do not parse or do not fit their field, sizes and positions that would
// overflow, picture and include names that leave the folder, directives repeated that may
// appear once), and the scenes folder's odd files are named: two files describing one scene
// stop the generator, a file it does not read gets a warning. Built with the sanitizers, so
// an input that reached undefined behaviour or a bad memory access would stop this suite.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/codes.h"
#include "support/work_dir.h"
#include "tools/content/compiler/scene_build.h"
#include "tools/content/compiler/scene_compiler.h"
#include "tools/content/compiler/scene_desc.h"

namespace {

using Includes = std::map<std::string, std::string>;

bool Compile(const std::string& text, std::string& error, const Includes& includes = {},
             writers::SceneFiles* files = nullptr) {
    compiler::SceneDesc d;
    const compiler::Include_Reader reader = [&](const std::string& n) -> std::optional<std::string> {
        auto it = includes.find(n);
        if (it == includes.end()) return std::nullopt;
        return it->second;
    };
    if (!compiler::Parse_Scene(text, "e0s1.scene", reader, d, error)) return false;
    writers::SceneFiles local;
    return compiler::Compile_Scene(d, files ? *files : local, error);
}

struct Case {
    std::string text, says; // the description, and the message it must give
};

void Expect_Refused(const std::vector<Case>& cases, const Includes& includes = {}) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(Compile(c.text, error, includes));
        EXPECT_NE(error.find(c.says), std::string::npos) << "got:    " << error << "\nwanted: " << c.says;
    }
}

const std::string kPage = "kind front\nplan front_page\nslot 10 image=Data/x kind=1\n"; // lines 1 to 3
const std::string kWalk = "kind walk\nmap size 40x40\n";                                 // lines 1 and 2

TEST(Scene_Refusals, MapSizesAndPositionsThatWouldOverflow) {
    Expect_Refused({
        {kWalk + "map building at=5,5 size=2147483647x3\n",
         "e0s1.scene:3: map building: size=2147483647x3: not of the form AxB with each a whole number from 1 to 150"},
        {kWalk + "map water at=1,1 size=3x2147483647\n",
         "e0s1.scene:3: map water: size=3x2147483647: not of the form AxB with each a whole number from 1 to 150"},
        {kWalk + "map scatter rock count=5 in=1,1,2147483647,1\n",
         "e0s1.scene:3: map scatter: in=1,1,2147483647,1 reaches outside the map"},
        {kWalk + "map area at=1,1 size=2147483647x2\n", "e0s1.scene:3: map area: size=2147483647x2: not of the form AxB"},
        // Near the edge of an int, and beyond it.
        {kWalk + "map scatter rock count=5 in=2147483647,2147483647,1,1\n",
         "e0s1.scene:3: map scatter: in=2147483647,2147483647 lies outside the 40x40 map"},
        {kWalk + "map scatter rock count=5 in=-2147483648,1,2147483647,1\n", "in=-2147483648,1 lies outside"},
        {kWalk + "map building at=99999999999,5 size=3x3\n",
         "map building: at=99999999999,5: not of the form A,B with each a whole number from -2147483648 to 2147483647"},
        {kWalk + "map road from=1,1 to=5,1 width=4294967297\n", "map road: width=4294967297: must be a whole number from 1 to 12"},
        {kWalk + "map building at=38,38 size=3x3\n", "map building: the building does not fit in the map"},
        {kWalk + "map stamp bunker at=2147483647,0\n", "map stamp: at=2147483647,0 lies outside"},
        {kWalk + "map water edge=s depth=1e3\n", "map water: depth=1e3: not a whole number (1 to 149)"},
        {"kind walk\nmap size 4294967336x4294967336\n", "e0s1.scene:2: map size: size must be WxH, from 8x8 to 150x150"},
        {"kind walk\nmap size +40x40\n", "map size: size must be WxH"},
        {kWalk + "map seed -1\n", "e0s1.scene:3: map seed: seed must be a whole number from 0 to 4294967295"},
        {kWalk + "map seed 4294967296\n", "map seed: seed must be a whole number"},
    });
}

TEST(Scene_Refusals, NumbersThatDoNotParseOrDoNotFitTheirField) {
    const std::string o = "object 1 slot=10 ";     // line 4
    std::string walk = "kind cine\nmap size 40x40\n"; // a scene with a map to pin to and slots 0 to 11
    for (int k = 0; k < 10; ++k) walk += "slot " + std::to_string(k) + " image=Data/a\n";
    Expect_Refused({
        {kPage + o + "x=nan\n", "e0s1.scene:4: x=nan: not a number"},
        {kPage + o + "x=1e39\n", "e0s1.scene:4: x=1e39: must be a number from -3.40282e+38 to 3.40282e+38"},
        {kPage + o + "w=inf h=-inf\n", "e0s1.scene:4: h=-inf: not a number"},
        {kPage + o + "w=inf\n", "e0s1.scene:4: w=inf: not a number"},
        {kPage + o + "x=0x10\n", "x=0x10: not a number"},
        {kPage + o + "x=1e\n", "x=1e: not a number"},
        {kPage + o + "x=1.5.2\n", "x=1.5.2: not a number"},
        {kPage + o + "x=+1\n", "x=+1: not a number"},
        {kPage + o + "alpha=\n", "alpha=: not a number"},
        {kPage + "object 1 slot=4294967306\n", "e0s1.scene:4: slot=4294967306: must be a whole number from 0 to 199"},
        {kPage + "object 1 slot=-1\n", "slot=-1: must be a whole number from 0 to 199"},
        {kPage + o + "priority=99999999999999999999999\n",
         "e0s1.scene:4: priority=99999999999999999999999: must be a whole number from -2147483648 to 2147483647"},
        {kPage + o + "score=2147483648\n", "score=2147483648: must be a whole number from -2147483648 to 2147483647"},
        {kPage + o + "rank=12abc\n", "rank=12abc: not a number nor a known name"},
        {kPage + o + "anim=150\n", "anim=150: must be a whole number from 0 to 149"},
        {kPage + o + "grab=2\n", "grab=2: must be a whole number from 0 to 1"},
        {kPage + o + "state=4294967298\n", "state=4294967298: must be a whole number"},
        {kPage + "header keyframes=4294967296\n",
         "e0s1.scene:4: keyframes=4294967296: must be a whole number from -2147483648 to 2147483647"},
        {kPage + "header game_time=-2147483649\n",
         "e0s1.scene:4: game_time=-2147483649: must be a whole number from -2147483648 to 2147483647"},
        {kPage + o + "uv=-1,0,4,4,8,8\n",
         "e0s1.scene:4: uv=-1,0,4,4,8,8: write x,y,w,h,picture_w,picture_h: not of the form A,B,C,D,E,F with each a "
         "whole number from 0 to 65535"},
        {kPage + o + "uv=0,0,-4,4,8,8\n", "uv=0,0,-4,4,8,8: write x,y,w,h,picture_w,picture_h"},
        {kPage + o + "uv=6,0,4,4,8,8\n", "uv=6,0,4,4,8,8: the rectangle must have a size and lie inside the picture"},
        {kPage + o + "uv=0,0,0,4,8,8\n", "uv=0,0,0,4,8,8: the rectangle must have a size"},
        {kPage + o + "uv=0,0,4,4,8,99999999999\n", "uv=0,0,4,4,8,99999999999: write x,y,w,h"},
        {kPage + o + "goto=99999999999/1\n",
         "e0s1.scene:4: goto=99999999999/1: write <episode>/<scene>: not of the form A/B with each a whole number from 0 "
         "to 2147483647"},
        {kPage + o + "goto=-1/1\n", "goto=-1/1: write <episode>/<scene>"},
        {kPage + o + "goto=1/2/3\n", "goto=1/2/3: write <episode>/<scene>"},
        {kPage + "slot 11 image=Data/y kind=4294967296\n", "e0s1.scene:4: kind=4294967296: must be a whole number from 0 to 5"},
        {kPage + "point 0 x=1 active=7\n", "e0s1.scene:4: active=7: must be a whole number from 0 to 1"},
        {kPage + "point 0 c2=-2147483649\n", "c2=-2147483649: must be a whole number"},
        {kPage + "node 0 speed=-1e39\n", "e0s1.scene:4: speed=-1e39: must be a number from"},
        // A position plus an offset must still be a number the game reads.
        {kPage + o + "x=3e38 box_dx=3e38\n", "e0s1.scene:4: the collision box's x (x with box_dx=) lies beyond the numbers"},
        {walk + "map anchor here at=1,1\nobject 0 slot=0 at=here dy=-0.5\npoint 0 at=here dx=1e39\n",
         "e0s1.scene:15: dx=1e39: must be a number from"},
        // Indices, dialogue lines and groups within the game's tables.
        {kPage + "object 750 slot=10\n", "e0s1.scene:4: 'object' needs an index from 0 to 749"},
        {kPage + "object 4294967297 slot=10\n", "'object' needs an index from 0 to 749"},
        {kPage + "point 400 x=0\n", "'point' needs an index from 0 to 399"},
        {kPage + "node 100 x=0\n", "'node' needs an index from 0 to 99"},
        {kPage + "slot 200 image=Data/y\n", "'slot' needs an index from 0 to 199"},
        {kPage + "line 4294967296 Hello\n", "e0s1.scene:4: 'line' takes a face number and one or two words: 4294967296"},
        {kPage + "line 1 " + std::string(256, 'a') + "\n", "e0s1.scene:4: a line's text is at most 255 characters"},
        {kPage + "group 30\n", "e0s1.scene:4: 'group' takes line numbers: 30: must be a whole number from 0 to 29"},
        {kPage + "group 1 -1\n", "'group' takes line numbers: -1"},
    });
    // Thirty-one dialogue lines, thirty-one groups, a group of thirty-one.
    std::string lines = kPage, groups = kPage, big = kPage + "group";
    for (int k = 0; k < 31; ++k) {
        lines += "line 0 Hi\n";
        groups += "group 0\n";
        big += " 0";
    }
    Expect_Refused({
        {lines, "e0s1.scene:34: a scene has at most 30 dialogue lines"},
        {groups, "e0s1.scene:34: a scene has at most 30 groups"},
        {big + "\n", "e0s1.scene:4: a group lists at most 30 lines"},
    });
}

TEST(Scene_Refusals, NumbersThatFitAreTakenAsWritten) {
    const std::string text = kPage +
                             "header keyframes=-2147483648 game_time=2147483647 fade_in=007\n"
                             "object 1 slot=199 x=-0.25 y=1e-3 w=2.5E1 h=3. alpha=.5 score=-12 anim=149 grab=1\n"
                             "object 2 slot=10 uv=0,4,8,4,8,8 goto=3/2147483647\n"
                             "line -2147483648 Hi\n";
    // Slot 199 is out of this scene's slots: the compiler names it, after the numbers passed.
    std::string error;
    EXPECT_FALSE(Compile(text, error));
    EXPECT_NE(error.find("object 1 uses texture slot 199, which the scene does not have"), std::string::npos) << error;

    writers::SceneFiles f;
    ASSERT_TRUE(Compile(text.substr(0, text.find("slot=199")) + "slot=10" + text.substr(text.find("slot=199") + 8), error,
                        {}, &f))
        << error;
    EXPECT_EQ(f.header.no_of_keyframes, -2147483647 - 1);
    EXPECT_EQ(f.header.game_time, 2147483647);
    EXPECT_EQ(f.header.fade_in, 7);
    const writers::ObjectRec& a = f.objects[1];
    EXPECT_FLOAT_EQ(a.x, -0.25f);
    EXPECT_FLOAT_EQ(a.y, 0.001f);
    EXPECT_FLOAT_EQ(a.width, 25.0f);
    EXPECT_FLOAT_EQ(a.height, 3.0f);
    EXPECT_FLOAT_EQ(a.alpha, 0.5f);
    EXPECT_EQ(a.score, -12);
    EXPECT_EQ(a.anim, 149);
    EXPECT_EQ(a.grab_switch, 1);
    const writers::ObjectRec& b = f.objects[2];
    EXPECT_FLOAT_EQ(b.u[0], 0.0f);
    EXPECT_FLOAT_EQ(b.u[1], 1.0f);
    EXPECT_FLOAT_EQ(b.v[0], 0.0f); // rows 4 to 7 of 8, from the top: the lower half
    EXPECT_FLOAT_EQ(b.v[2], 0.5f);
    EXPECT_EQ(b.sector, 3);
    EXPECT_EQ(b.score, 2147483647);
    EXPECT_EQ(f.dialogue.lines[0].face, -2147483647 - 1);
}

TEST(Scene_Refusals, NamesThatLeaveTheFolder) {
    Expect_Refused({
        {"kind front\nart ../../name painter=seal\n",
         "e0s1.scene:2: art ../../name: '..' would lead outside the folder"},
        {"kind front\nart Data/../../name painter=seal\n", "e0s1.scene:2: art Data/../../name: '..' would lead outside"},
        {"kind front\nart /tmp/name painter=seal\n", "e0s1.scene:2: art /tmp/name: an absolute path"},
        {"kind front\nart Data//name painter=seal\n", "art Data//name: an empty part between '/'"},
        {"kind front\nart Data/name/ painter=seal\n", "art Data/name/: an empty part"},
        {"kind front\nart Data/./name painter=seal\n", "art Data/./name: '.' would lead outside"},
        {"kind front\nart Data/na\\me painter=seal\n", "art Data/na\\me: a name of letters, digits"},
        {"kind front\nart Data/" + std::string(250, 'a') + " painter=seal\n", "longer than 251 characters"},
        {"kind front\nslot 0 image=../front/sky\n", "e0s1.scene:2: slot 0 image=../front/sky: '..' would lead outside"},
        {"kind front\nstyle s image=/etc/sky\nslot 0 style=s\n", "e0s1.scene:3: slot 0 image=/etc/sky: an absolute path"},
        {"kind front\nuse common\n", "e0s1.scene:2: use common: an include is a file named <name>.inc"},
        {"kind front\nuse ../secret.inc\n", "e0s1.scene:2: use ../secret.inc: '..' would lead outside the folder"},
        {"kind front\nuse /etc/x.inc\n", "use /etc/x.inc: an absolute path"},
    });
}

TEST(Scene_Refusals, DirectivesThatMayAppearOnce) {
    const Includes inc = {{"a.inc", "header music=CAMP\n"},
                          {"b.inc", "header music=TITLE\n"},
                          {"kind.inc", "kind front\n"},
                          {"style.inc", "style big w=1\n"}};
    Expect_Refused(
        {
            {"kind front\nkind walk\n", "e0s1.scene:2: 'kind' given twice (first at e0s1.scene:1)"},
            {"use kind.inc\nkind front\n", "e0s1.scene:2: 'kind' given twice (first at kind.inc:1)"},
            {"kind front\nheader music=TITLE\nheader fade_in=2 music=CAMP\n",
             "e0s1.scene:3: header music= given twice (first at e0s1.scene:2)"},
            {"kind front\nheader music=TITLE music=CAMP\n", "e0s1.scene:2: music= given twice on one line"},
            {"kind front\nuse a.inc\nuse b.inc\n", "b.inc:1: header music= given twice (first at a.inc:1)"},
            {kPage + "object 1 slot=10 x=1 x=2\n", "e0s1.scene:4: x= given twice on one line"},
            {kPage + "fill alpha=0\nfill alpha=1\n", "e0s1.scene:5: 'fill' given twice (first at e0s1.scene:4)"},
            {kPage + "style big w=1\nstyle big w=2\n", "e0s1.scene:5: style 'big' given twice (first at e0s1.scene:4)"},
            {"use style.inc\nkind front\nstyle big w=2\n", "e0s1.scene:3: style 'big' given twice (first at style.inc:1)"},
            {kWalk + "map biome camp\nmap size 50x50\n", "e0s1.scene:4: map size: given twice (first at line 2)"},
            {kWalk + "map biome camp\nmap biome beach\n", "e0s1.scene:4: map biome: given twice (first at line 3)"},
            {kWalk + "map seed 1\nmap seed 2\n", "e0s1.scene:4: map seed: given twice"},
            {kWalk + "map floor wood\nmap floor flags\n", "e0s1.scene:4: map floor: given twice"},
            {kWalk + "map building at=1,1 at=5,5 size=3x3\n", "e0s1.scene:3: at= given twice on one line"},
        },
        inc);
    // An include's header values are defaults: the scene's own header sets them again,
    // before or after the include.
    for (const char* text : {"kind front\nuse a.inc\nheader music=TITLE\n", "kind front\nheader music=TITLE\nuse a.inc\n"}) {
        SCOPED_TRACE(text);
        writers::SceneFiles f;
        std::string error;
        ASSERT_TRUE(Compile(text, error, inc, &f)) << error;
        EXPECT_EQ(f.header.music_loop, music_code::TITLE);
    }
    // A header value is refused at its own line, not at the kind line.
    std::string error;
    EXPECT_FALSE(Compile("kind front\n\nuse b.inc\nheader shake=x\n", error, {{"b.inc", "header music=NOPE\n"}}));
    EXPECT_NE(error.find("b.inc:1: music=NOPE: not a number nor a known name"), std::string::npos) << error;
}

TEST(Scene_Refusals, AMapLineOfAnIncludeIsNamedByItsFile) {
    std::string error;
    EXPECT_FALSE(Compile("kind walk\nuse hub.inc\n", error, {{"hub.inc", "# the hub\nmap size 40x40\nmap castle\n"}}));
    EXPECT_NE(error.find("hub.inc:3: map castle: unknown map feature"), std::string::npos) << error;
}

TEST(Scene_Refusals, SceneFileNames) {
    struct Name {
        const char* name;
        bool scene;
        int episode, number;
    };
    const Name names[] = {
        {"e1s1.scene", true, 1, 1},        {"e0s102.scene", true, 0, 102},  {"e01s1.scene", true, 1, 1},
        {"E1S1.scene", false, 0, 0},       {"e1s1.scene.bak", false, 0, 0}, {"e1s1.Scene", false, 0, 0},
        {"e-1s1.scene", false, 0, 0},      {"e+1s1.scene", false, 0, 0},    {"e 1s1.scene", false, 0, 0},
        {"e1s1s1.scene", false, 0, 0},     {"es1.scene", false, 0, 0},      {"e1s.scene", false, 0, 0},
        {"e99999999999s1.scene", false, 0, 0}, {"e2147483647s2147483647.scene", true, 2147483647, 2147483647},
        {".scene", false, 0, 0},
    };
    for (const Name& n : names) {
        SCOPED_TRACE(n.name);
        int e = -1, s = -1;
        EXPECT_EQ(compiler::Scene_Of_File(n.name, e, s), n.scene);
        if (n.scene) {
            EXPECT_EQ(std::make_pair(e, s), std::make_pair(n.episode, n.number));
        }
    }
}

TEST(Scene_Refusals, TheScenesFolderIsReadWithCare) {
    Work_Dir dir("varnoth_refusals");
    const std::string folder = (dir.path() / "scenes").string(), out = (dir.path() / "out").string();
    const std::string page = "kind front\nart Data/t/b painter=button text=A\nslot 0 image=Data/t/b kind=3\n"
                             "art Data/t/bg painter=backdrop theme=paper\nslot 1 image=Data/t/bg kind=0\n"
                             "object 0 role=backdrop slot=1\n";
    ASSERT_TRUE(Write_Text_File(folder + "/e5s1.scene", page));
    ASSERT_TRUE(Write_Text_File(folder + "/FORMAT.md", "notes\n"));
    ASSERT_TRUE(Write_Text_File(folder + "/common/a.inc", "# shared\n"));
    for (const char* stray : {"E5S2.scene", "e5s1.scene.bak", "notes.txt", "common/e5s3.scene"})
        ASSERT_TRUE(Write_Text_File(folder + "/" + stray, page));

    // Files the generator does not read are named in warnings; the scene is built.
    std::vector<std::string> warnings;
    std::vector<std::pair<int, int>> written;
    std::string error;
    ASSERT_TRUE(compiler::Build_Scenes(folder, out, &written, error, &warnings)) << error;
    EXPECT_EQ(written, (std::vector<std::pair<int, int>>{{5, 1}}));
    ASSERT_EQ(warnings.size(), 4u);
    const char* named[] = {"E5S2.scene", "common/e5s3.scene", "e5s1.scene.bak", "notes.txt"};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(warnings[k].rfind(std::string(named[k]) + ": neither a scene description", 0), 0u) << warnings[k];
    }

    // Two files describing one scene stop the generator.
    ASSERT_TRUE(Write_Text_File(folder + "/e05s1.scene", page));
    EXPECT_FALSE(compiler::Build_Scenes(folder, out, nullptr, error));
    EXPECT_EQ(error, "e05s1.scene and e5s1.scene both describe episode 5 scene 1");
    std::filesystem::remove(folder + "/e05s1.scene");

    // An include that is a folder, not a file.
    std::filesystem::create_directories(folder + "/dir.inc");
    ASSERT_TRUE(Write_Text_File(folder + "/e5s2.scene", "kind front\nuse dir.inc\n"));
    EXPECT_FALSE(compiler::Build_Scenes(folder, out, nullptr, error));
    EXPECT_EQ(error, "e5s2.scene:2: cannot read 'dir.inc'");

    // A picture named outside the output folder is refused before anything is painted.
    ASSERT_TRUE(Write_Text_File(folder + "/e5s2.scene", "kind front\nart ../../escaped painter=seal\n"));
    EXPECT_FALSE(compiler::Build_Scenes(folder, out, nullptr, error));
    EXPECT_EQ(error, "e5s2.scene:2: art ../../escaped: '..' would lead outside the folder");
    for (const auto& f : std::filesystem::recursive_directory_iterator(dir.path()))
        EXPECT_EQ(f.path().filename().string().find("escaped"), std::string::npos) << f.path();
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "escaped.tga"));

    // A painter's number that is not one, or does not fit, names the line and the field.
    for (const char* w : {"w=4294967552", "w=12x"}) {
        ASSERT_TRUE(Write_Text_File(folder + "/e5s2.scene", std::string("kind front\nart Data/t/c painter=button ") + w + "\n"));
        EXPECT_FALSE(compiler::Build_Scenes(folder, out, nullptr, error));
        EXPECT_EQ(error.rfind(std::string("e5s2.scene:2: art Data/t/c: ") + w + ": ", 0), 0u) << error;
        EXPECT_NE(error.find("32 to 512"), std::string::npos) << error;
    }
}

} // namespace
