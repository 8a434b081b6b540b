// The font sheet as the text drawing uses it: a letter's cell is stretched over a quad two
// glyph widths across and the pen steps 1.8 glyph widths, so a letter must fill most of its
// cell across or text shows as small letters far apart; the narrow letters the pen steps
// less for must sit left of the cell's middle so they do not run into the next letter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "content/tga_loader.h"
#include "tools/content/writers/font_sheet.h"

namespace {

struct Ink {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    int width() const { return right - left + 1; }
    float centre() const { return (left + right) / 2.0f; }
};

class Font_Sheet : public ::testing::Test {
protected:
    static constexpr int CELL = 32;
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("varnoth_font_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        ASSERT_TRUE(writers::Write_Font_Sheet(dir_.string(), "font", CELL));
        ASSERT_TRUE(LoadTGA(&tex_, (dir_ / "font.tga").string().c_str()));
        ASSERT_EQ(tex_.width, 16u * CELL);
    }
    void TearDown() override {
        delete[] tex_.imageData;
        std::filesystem::remove_all(dir_);
    }
    // The opaque pixels of a byte's cell, in pixels from the cell's left and top edges.
    Ink Of(char ch) const {
        int col = 0, row = 0;
        EXPECT_TRUE(writers::Font_Cell((unsigned char)ch, col, row));
        Ink ink;
        const int bytes = (int)tex_.bpp / 8;
        for (int y = 0; y < CELL; ++y)        // image rows run bottom-up: cell row r from v r/16
            for (int x = 0; x < CELL; ++x) {
                const int px = col * CELL + x, py = row * CELL + y;
                if (tex_.imageData[(py * (int)tex_.width + px) * bytes + 3] < 128) continue;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, CELL - 1 - y);
                ink.bottom = std::max(ink.bottom, CELL - 1 - y);
            }
        return ink;
    }
    std::filesystem::path dir_;
    Texture tex_{};
};

TEST_F(Font_Sheet, LettersFillTheirCellsAcross) {
    for (char ch : {'A', 'H', 'M', 'Q', 'n', 'o', 'w', '0', '8', '?'}) {
        const Ink ink = Of(ch);
        EXPECT_GE(ink.width(), CELL * 6 / 10) << ch;   // most of the cell across
        EXPECT_LE(ink.width(), CELL * 9 / 10) << ch;   // and a gap to the next letter
        EXPECT_NEAR(ink.centre(), CELL / 2.0f, 2.0f) << ch;
    }
    const Ink cap = Of('H');
    EXPECT_GE(cap.bottom - cap.top + 1, CELL * 4 / 10); // capitals about half the cell high
}

TEST_F(Font_Sheet, NarrowLettersSitLeftOfTheMiddle) {
    // The pen steps 0.8 glyph widths after 'i' and 1.0 after 'l' (a cell is two glyph widths).
    for (char ch : {'i', 'l'}) {
        const Ink ink = Of(ch);
        EXPECT_LT(ink.centre(), CELL / 2.0f - CELL / 8.0f) << ch;
        EXPECT_LE(ink.width(), CELL * 4 / 10) << ch;
    }
}

} // namespace
