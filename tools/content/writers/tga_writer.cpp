#include "content/writers/tga_writer.h"

#include <cstdio>
#include <cstring>

namespace writers {

namespace {

void PutPixel(std::vector<uint8_t>& out, const Rgba& p, int bpp) {
    out.push_back(p.b);
    out.push_back(p.g);
    out.push_back(p.r);
    if (bpp == 32) out.push_back(p.a);
}

bool Same(const Rgba& a, const Rgba& b, int bpp) {
    return a.r == b.r && a.g == b.g && a.b == b.b && (bpp == 24 || a.a == b.a);
}

} // namespace

std::vector<uint8_t> Encode_TGA(const Image& img, TgaOptions opt) {
    const int bpp = opt.bpp == 24 ? 24 : 32;
    std::vector<uint8_t> out(18, 0);
    out[2] = opt.rle ? 10 : 2;
    out[12] = (uint8_t)(img.width & 0xFF);
    out[13] = (uint8_t)(img.width >> 8);
    out[14] = (uint8_t)(img.height & 0xFF);
    out[15] = (uint8_t)(img.height >> 8);
    out[16] = (uint8_t)bpp;
    out[17] = bpp == 32 ? 8 : 0; // alpha bits; the loader ignores the descriptor
    const size_t n = img.px.size();
    if (!opt.rle) {
        for (const Rgba& p : img.px) PutPixel(out, p, bpp);
        return out;
    }
    size_t i = 0;
    while (i < n) {
        // A run of equal pixels (2 to 128) becomes a run packet.
        size_t run = 1;
        while (i + run < n && run < 128 && Same(img.px[i], img.px[i + run], bpp)) ++run;
        if (run >= 2) {
            out.push_back((uint8_t)(127 + run));
            PutPixel(out, img.px[i], bpp);
            i += run;
            continue;
        }
        // Otherwise raw pixels up to the next run of two, at most 128.
        size_t raw = 1;
        while (i + raw < n && raw < 128 && !(i + raw + 1 < n && Same(img.px[i + raw], img.px[i + raw + 1], bpp)))
            ++raw;
        out.push_back((uint8_t)(raw - 1));
        for (size_t k = 0; k < raw; ++k) PutPixel(out, img.px[i + k], bpp);
        i += raw;
    }
    return out;
}

bool Write_Bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool Write_TGA(const std::string& path, const Image& img, TgaOptions opt) {
    return Write_Bytes(path, Encode_TGA(img, opt));
}

} // namespace writers
