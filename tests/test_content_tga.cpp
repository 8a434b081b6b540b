// TGA decoding: raw and run-length, 24 and 32 bits, the colour keys, and every refusal.
#include "test_content_util.h"

#include <GL/gl.h>

#include <cstring>
#include <vector>

#include "content/tga_loader.h"
#include "content/writers/tga_writer.h"

using writers::Encode_TGA;
using writers::Image;
using writers::Rgba;
using writers::TgaOptions;
using writers::Write_Bytes;

namespace {

constexpr Rgba kMagenta{255, 0, 255, 33};
constexpr Rgba kCyan{0, 255, 255, 44};
constexpr Rgba kYellow{255, 255, 0, 55};
constexpr Rgba kBrown{120, 60, 10, 200};
constexpr Rgba kGrey{90, 91, 92, 7};

// A 4 x 2 image: one row of distinct pixels (a raw packet) and one row of a single colour (a run).
Image Sample() {
    Image img(4, 2);
    img.at(0, 0) = kMagenta;
    img.at(1, 0) = kCyan;
    img.at(2, 0) = kYellow;
    img.at(3, 0) = kBrown;
    for (int x = 0; x < 4; ++x) img.at(x, 1) = kMagenta;
    return img;
}

std::vector<uint8_t> Pixel(const Texture& t, int i) {
    const int n = t.bpp / 8;
    return std::vector<uint8_t>(t.imageData + i * n, t.imageData + (i + 1) * n);
}

using Loader = bool (*)(Texture*, const char*);

struct Decoded {
    bool ok;
    Texture tex;
};

Decoded Load(Loader f, const std::vector<uint8_t>& bytes) {
    Write_Bytes("t.tga", bytes);
    Decoded d{false, {}};
    d.tex.imageData = reinterpret_cast<unsigned char*>(1); // must be cleared on failure
    d.ok = f(&d.tex, "t.tga");
    return d;
}

} // namespace

using TgaTest = ContentDir;

// The plain loader keeps colours and stored alpha; a raw-packet magenta pixel of a run-length
// file reads R = 15, a run of magenta keeps 255; uncompressed files have no such rule.
TEST_F(TgaTest, PlainLoaderDecodesEveryFormat) {
    struct Case {
        bool rle;
        int bpp;
    } cases[] = {{false, 24}, {false, 32}, {true, 24}, {true, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rle " << c.rle << " bpp " << c.bpp);
        Decoded d = Load(LoadTGA, Encode_TGA(Sample(), TgaOptions{c.rle, c.bpp}));
        ASSERT_TRUE(d.ok);
        EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(d.tex.width, 4u);
        EXPECT_EQ(d.tex.height, 2u);
        EXPECT_EQ(d.tex.bpp, (uint32_t)c.bpp);
        EXPECT_EQ(d.tex.type, c.bpp == 24 ? (uint32_t)GL_RGB : (uint32_t)GL_RGBA);
        auto px = [&](Rgba p, uint8_t r) {
            std::vector<uint8_t> v{r, p.g, p.b};
            if (c.bpp == 32) v.push_back(p.a);
            return v;
        };
        EXPECT_EQ(Pixel(d.tex, 0), px(kMagenta, c.rle ? 15 : 255)); // raw packet in RLE
        EXPECT_EQ(Pixel(d.tex, 1), px(kCyan, 0));
        EXPECT_EQ(Pixel(d.tex, 2), px(kYellow, 255));
        EXPECT_EQ(Pixel(d.tex, 3), px(kBrown, 120));
        for (int i = 4; i < 8; ++i) EXPECT_EQ(Pixel(d.tex, i), px(kMagenta, 255)); // run packet
        delete[] d.tex.imageData;
    }
}

// The colour-keyed loader always yields RGBA: the three keys become translucent black, every
// other colour opaque, whatever alpha the file stored; uncompressed files are keyed the same way.
TEST_F(TgaTest, KeyedLoaderAppliesColourKeys) {
    struct Case {
        bool rle;
        int bpp;
    } cases[] = {{true, 24}, {true, 32}, {false, 24}, {false, 32}};
    Image img = Sample();
    img.at(3, 1) = kGrey;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rle " << c.rle << " bpp " << c.bpp);
        Decoded d = Load(sLoadTGA, Encode_TGA(img, TgaOptions{c.rle, c.bpp}));
        ASSERT_TRUE(d.ok);
        ASSERT_NE(d.tex.imageData, nullptr);
        EXPECT_EQ(d.tex.bpp, 32u);
        EXPECT_EQ(Pixel(d.tex, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
        EXPECT_EQ(Pixel(d.tex, 1), (std::vector<uint8_t>{0, 0, 0, 80}));
        EXPECT_EQ(Pixel(d.tex, 2), (std::vector<uint8_t>{0, 0, 0, 140}));
        EXPECT_EQ(Pixel(d.tex, 3), (std::vector<uint8_t>{120, 60, 10, 255}));
        EXPECT_EQ(Pixel(d.tex, 4), (std::vector<uint8_t>{0, 0, 0, 0}));
        EXPECT_EQ(Pixel(d.tex, 7), (std::vector<uint8_t>{90, 91, 92, 255}));
        delete[] d.tex.imageData;
    }
}

// Packet limits: a run of 128 copies is header byte 255, a raw packet of 128 pixels byte 127.
TEST_F(TgaTest, LongestPacketsDecode) {
    Image img(128, 2);
    for (int x = 0; x < 128; ++x) {
        img.at(x, 0) = Rgba{1, 2, 3, 4};
        img.at(x, 1) = Rgba{(uint8_t)x, (uint8_t)(x * 2), 0, 255};
    }
    std::vector<uint8_t> bytes = Encode_TGA(img, TgaOptions{true, 32});
    ASSERT_EQ(bytes[18], 255);
    ASSERT_EQ(bytes[18 + 1 + 4], 127);
    Decoded d = Load(LoadTGA, bytes);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(Pixel(d.tex, 127), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(Pixel(d.tex, 128 + 100), (std::vector<uint8_t>{100, 200, 0, 255}));
    delete[] d.tex.imageData;
}

namespace {

std::vector<uint8_t> Header(uint8_t type, int w, int h, int bpp) {
    std::vector<uint8_t> b(18, 0);
    b[2] = type;
    b[12] = (uint8_t)(w & 255);
    b[13] = (uint8_t)(w >> 8);
    b[14] = (uint8_t)(h & 255);
    b[15] = (uint8_t)(h >> 8);
    b[16] = (uint8_t)bpp;
    return b;
}

std::vector<uint8_t> Cat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Refusal {
    const char* what;
    std::vector<uint8_t> bytes; // empty: no file at all
    const char* text;
    const char* caption;
    unsigned flags;
    bool plain;  // LoadTGA refuses it
    bool keyed;  // sLoadTGA refuses it
};

std::vector<Refusal> Refusals() {
    const unsigned ok = platform::MB_OK;
    const unsigned excl = platform::MB_OK | platform::MB_ICONEXCLAMATION;
    std::vector<uint8_t> good = Encode_TGA(Sample(), TgaOptions{true, 32});
    std::vector<uint8_t> id_len = good;
    id_len[0] = 1;
    std::vector<uint8_t> cmap = good;
    cmap[1] = 1;
    std::vector<uint8_t> origin = good;
    origin[8] = 1;
    std::vector<uint8_t> raw = Encode_TGA(Sample(), TgaOptions{false, 24});
    // 2 x 1 at 24 bits: raw packet of 2 pixels cut after one; run packet cut inside its pixel;
    // a run of 3 where 2 pixels remain.
    std::vector<uint8_t> rle = Header(10, 2, 1, 24);
    return {
        {"missing file", {}, "Could not open texture file", "ERROR", ok, true, true},
        {"short header", {0, 0, 2, 0, 0}, "Could not read file header", "ERROR", ok, true, true},
        {"image id", id_len, "TGA file be type 2 or type 10 ", "Invalid Image", ok, true, true},
        {"colour map", cmap, "TGA file be type 2 or type 10 ", "Invalid Image", ok, true, true},
        {"origin", origin, "TGA file be type 2 or type 10 ", "Invalid Image", ok, true, true},
        {"grey type 3", Header(3, 2, 2, 8), "TGA file be type 2 or type 10 ", "Invalid Image", ok, true, true},
        {"no info header", std::vector<uint8_t>(good.begin(), good.begin() + 15), "Could not read info header",
         "ERROR", ok, true, true},
        {"width 0", Header(10, 0, 4, 32), "Invalid texture information", "ERROR", ok, true, true},
        {"height 0", Header(2, 4, 0, 24), "Invalid texture information", "ERROR", ok, true, true},
        {"16 bits", Header(10, 2, 2, 16), "Invalid texture information", "ERROR", ok, true, true},
        {"48 bits", Header(10, 2, 2, 48), "Invalid texture information", "ERROR", ok, true, true},
        {"too wide", Header(10, 8193, 1, 32), "Invalid texture information", "ERROR", ok, true, true},
        {"too tall", Header(2, 1, 65535, 32), "Invalid texture information", "ERROR", ok, true, true},
        {"raw short", std::vector<uint8_t>(raw.begin(), raw.end() - 1), "Could not read image data", "ERROR", ok,
         true, true},
        {"no packet", rle, "Could not read RLE header", "ERROR", ok, true, true},
        {"raw packet cut", Cat(rle, {1, 10, 20, 30, 40}), "Could not read image data", "ERROR", ok, true, true},
        {"run pixel cut", Cat(rle, {129, 10, 20}), "Could not read from file", "ERROR", ok, true, true},
        {"run overruns", Cat(rle, {130, 10, 20, 30}), "Too many pixels read", "ERROR", excl, true, true},
        {"raw overruns", Cat(rle, {0, 1, 2, 3, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9}), "Too many pixels read", "ERROR",
         excl, true, true},
    };
}

} // namespace

// Every refusal shows its own box and leaves no pixels to the caller, through both loaders.
TEST_F(TgaTest, RefusalsShowTheirBox) {
    for (const Refusal& r : Refusals()) {
        for (Loader f : {LoadTGA, sLoadTGA}) {
            const bool keyed = f == sLoadTGA;
            if (keyed ? !r.keyed : !r.plain) continue;
            SCOPED_TRACE(testing::Message() << r.what << (keyed ? " (keyed)" : " (plain)"));
            platform::ClearRecordedMessageBoxes();
            std::filesystem::remove("t.tga");
            Texture t{};
            t.imageData = reinterpret_cast<unsigned char*>(1);
            bool ok;
            if (r.bytes.empty()) {
                ok = f(&t, "t.tga");
            } else {
                Write_Bytes("t.tga", r.bytes);
                ok = f(&t, "t.tga");
            }
            EXPECT_FALSE(ok);
            EXPECT_EQ(t.imageData, nullptr);
            platform::RecordedBox b = OnlyBox();
            EXPECT_EQ(b.text, r.text);
            EXPECT_EQ(b.caption, r.caption);
            EXPECT_EQ(b.flags, r.flags);
        }
    }
}

// The largest accepted side decodes (the size arithmetic holds at the cap).
TEST_F(TgaTest, LargestSideAccepted) {
    Image img(8192, 1, Rgba{5, 6, 7, 255});
    Decoded d = Load(sLoadTGA, Encode_TGA(img, TgaOptions{true, 24}));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.tex.width, 8192u);
    EXPECT_EQ(Pixel(d.tex, 8191), (std::vector<uint8_t>{5, 6, 7, 255}));
    delete[] d.tex.imageData;
}
