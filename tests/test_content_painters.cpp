// The painters' registry: every painter once, each with a line on what it paints; a scene's
// `art` line reaches its painter by name and an unknown name is refused with the list; and
// FORMAT.md lists exactly the registry's painters.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "content/painters/registry.h"
#include "support/work_dir.h"

namespace {

TEST(Painter_Registry, EveryPainterOnceWithItsLine) {
    std::set<std::string> names;
    for (const painters::Painter_Entry& p : painters::Painter_Registry()) {
        SCOPED_TRACE(p.name);
        EXPECT_TRUE(names.insert(p.name).second) << "named twice";
        EXPECT_NE(p.paint, nullptr);
        const std::string d = p.description;
        EXPECT_GE(d.size(), 10u);
        EXPECT_EQ(d.find('\n'), std::string::npos) << "one line";
        EXPECT_EQ(painters::Find_Painter(p.name), &p);
    }
    EXPECT_EQ(painters::Find_Painter("no_such_painter"), nullptr);
}

TEST(Painter_Registry, ArtReachesItsPainterAndRefusesUnknownOnes) {
    Work_Dir dir("varnoth_painters");
    const std::string root = dir.path().string();
    std::string error;
    // A painter by its name, its arguments read, the picture and its definition written
    // (the folders made on the way).
    ASSERT_TRUE(painters::Paint_Art(root, "Data/t/chair", {{"painter", "furniture"}, {"look", "stove"}}, error))
        << error;
    EXPECT_TRUE(std::filesystem::exists(root + "/Data/t/chair.tga"));
    EXPECT_TRUE(std::filesystem::exists(root + "/Data/t/chair.dat"));
    // A painter of the shop's, reached the same way.
    ASSERT_TRUE(painters::Paint_Art(root, "Data/t/part", {{"painter", "shop_part"}, {"part", "coin"}}, error)) << error;
    // Refusals: the painter's own (an unknown look), and an unknown painter with the list.
    EXPECT_FALSE(painters::Paint_Art(root, "Data/t/x", {{"painter", "furniture"}, {"look", "throne"}}, error));
    EXPECT_NE(error.find("furniture: unknown look \"throne\""), std::string::npos) << error;
    EXPECT_FALSE(painters::Paint_Art(root, "Data/t/x", {{"painter", "shop_part"}, {"part", "lid"}}, error));
    EXPECT_NE(error.find("unknown part 'lid'"), std::string::npos) << error;
    EXPECT_FALSE(painters::Paint_Art(root, "Data/t/x", {{"painter", "easel"}}, error));
    EXPECT_NE(error.find("unknown painter 'easel' (painters: backdrop, button,"), std::string::npos) << error;
    EXPECT_NE(error.find("furniture"), std::string::npos) << error;
}

TEST(Painter_Registry, FormatListsThePainters) {
    const std::string format = Read_Text_File(std::string(VARNOTH_SOURCE_DIR) + "/tools/content/scenes/FORMAT.md");
    const std::string open = "<!-- painters -->\n", close = "<!-- end of painters -->";
    const size_t a = format.find(open), b = format.find(close);
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    EXPECT_EQ(format.substr(a + open.size(), b - a - open.size()), painters::Painter_List_Text())
        << "update FORMAT.md with the output of varnoth_content --painters";
}

} // namespace
