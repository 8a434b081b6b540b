#include "content/tga_loader.h"

#include <cstring>
#include <new>
#include <vector>

#include <GL/gl.h>

#include "platform/platform.h"

namespace {

const unsigned char uTGAcompare[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // uncompressed
const unsigned char cTGAcompare[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // run-length

bool Fail(const char* text, std::FILE* f, unsigned char* pixels = nullptr, Texture* texture = nullptr,
          unsigned flags = platform::MB_OK) {
    platform::MessageBox(text, "ERROR", flags);
    if (f) std::fclose(f);
    delete[] pixels;
    if (texture) texture->imageData = nullptr;
    return false;
}

// Reads the 6-byte info header into tga; checks the size and depth. False after a box.
bool ReadInfoHeader(std::FILE* f) {
    if (std::fread(tga.header, 1, sizeof(tga.header), f) != sizeof(tga.header))
        return Fail("Could not read info header", f);
    tga.Width = tga.header[1] * 256u + tga.header[0];
    tga.Height = tga.header[3] * 256u + tga.header[2];
    tga.Bpp = tga.header[4];
    if (tga.Width == 0 || tga.Height == 0 || (tga.Bpp != 24 && tga.Bpp != 32) ||
        tga.Width > TGA_MAX_SIDE || tga.Height > TGA_MAX_SIDE)
        return Fail("Invalid texture information", f);
    tga.bytesPerPixel = tga.Bpp / 8;
    return true;
}

// Reads the info header and gives texture its size and depth: a keyed image is always
// 32-bit RGBA; a plain one keeps the file's depth and takes its GL format. False after a box.
bool ReadTextureHeader(Texture* texture, std::FILE* f, bool keyed) {
    if (!ReadInfoHeader(f)) return false;
    texture->width = tga.Width;
    texture->height = tga.Height;
    if (keyed) {
        texture->bpp = 32;
        return true;
    }
    texture->bpp = tga.Bpp;
    texture->type = tga.Bpp == 24 ? GL_RGB : GL_RGBA;
    tga.type = texture->type;
    return true;
}

// Writes one stored pixel (B, G, R, A) as R, G, B (A) of the plain loader.
inline void PutPlain(unsigned char* out, const unsigned char* in, uint32_t bpp, bool raw_packet) {
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
    if (raw_packet && in[0] == 255 && in[1] == 0 && in[2] == 255) out[0] = 15;
    if (bpp == 4) out[3] = in[3];
}

// Writes one stored pixel as RGBA keyed on its colour.
inline void PutKeyed(unsigned char* out, const unsigned char* in) {
    unsigned char r = in[2], g = in[1], b = in[0];
    if (r == 255 && g == 0 && b == 255) {
        out[0] = out[1] = out[2] = 0;
        out[3] = 0;
    } else if (r == 0 && g == 255 && b == 255) {
        out[0] = out[1] = out[2] = 0;
        out[3] = 80;
    } else if (r == 255 && g == 255 && b == 0) {
        out[0] = out[1] = out[2] = 0;
        out[3] = 140;
    } else {
        out[0] = r;
        out[1] = g;
        out[2] = b;
        out[3] = 255;
    }
}

// The bytes of a file from where it stands to its end (the packets of a run-length image are
// decoded from memory: a read per pixel costs more than the decoding).
std::vector<unsigned char> ReadRest(std::FILE* f) {
    std::vector<unsigned char> rest;
    unsigned char chunk[1 << 16];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) rest.insert(rest.end(), chunk, chunk + got);
    return rest;
}

// Run-length decoding shared by both loaders. keyed: RGBA output keyed on colour.
bool DecodeRLE(Texture* texture, std::FILE* f, bool keyed) {
    const uint32_t out_bpp = keyed ? 4 : tga.bytesPerPixel;
    const uint32_t pixelcount = tga.Width * tga.Height;
    tga.imageSize = out_bpp * pixelcount;
    unsigned char* pixels = new (std::nothrow) unsigned char[tga.imageSize];
    if (!pixels) return Fail("Could not allocate memory for image", f, nullptr, texture);
    texture->imageData = pixels;
    const std::vector<unsigned char> data = ReadRest(f);
    const size_t size = data.size();
    const uint32_t in_bpp = tga.bytesPerPixel;
    size_t at = 0;
    uint32_t currentpixel = 0;
    while (currentpixel < pixelcount) {
        if (at >= size) return Fail("Could not read RLE header", f, pixels, texture);
        const unsigned char chunkheader = data[at++];
        const bool raw = chunkheader < 128;
        const uint32_t count = raw ? chunkheader + 1u : chunkheader - 127u;
        if (count > pixelcount - currentpixel)
            return Fail("Too many pixels read", f, pixels, texture, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        const unsigned char* colour = nullptr; // one stored pixel
        if (!raw) {
            if (size - at < in_bpp) return Fail("Could not read from file", f, pixels, texture);
            colour = &data[at];
            at += in_bpp;
        }
        for (uint32_t k = 0; k < count; ++k, ++currentpixel) {
            if (raw) {
                if (size - at < in_bpp) return Fail("Could not read image data", f, pixels, texture);
                colour = &data[at];
                at += in_bpp;
            }
            unsigned char* out = pixels + (size_t)currentpixel * out_bpp;
            if (keyed)
                PutKeyed(out, colour);
            else
                PutPlain(out, colour, in_bpp, raw);
        }
    }
    std::fclose(f);
    return true;
}

// Opens and classifies a file. Returns the image type (2 or 10), or 0 after a box.
int OpenTGA(const char* filename, std::FILE*& f) {
    f = std::fopen(filename, "rb");
    if (!f) {
        platform::MessageBox("Could not open texture file", "ERROR", platform::MB_OK);
        return 0;
    }
    if (std::fread(&tgaheader, sizeof(tgaheader), 1, f) != 1) {
        Fail("Could not read file header", f);
        return 0;
    }
    if (std::memcmp(uTGAcompare, &tgaheader, sizeof(tgaheader)) == 0) return 2;
    if (std::memcmp(cTGAcompare, &tgaheader, sizeof(tgaheader)) == 0) return 10;
    platform::MessageBox("TGA file be type 2 or type 10 ", "Invalid Image", platform::MB_OK);
    std::fclose(f);
    return 0;
}

} // namespace

bool LoadTGA(Texture* texture, const char* filename) {
    texture->imageData = nullptr;
    std::FILE* f = nullptr;
    switch (OpenTGA(filename, f)) {
    case 2: return LoadUncompressedTGA(texture, filename, f);
    case 10: return LoadCompressedTGA(texture, filename, f);
    default: return false;
    }
}

bool sLoadTGA(Texture* texture, const char* filename) {
    texture->imageData = nullptr;
    std::FILE* f = nullptr;
    switch (OpenTGA(filename, f)) {
    case 2: return sLoadUncompressedTGA(texture, filename, f);
    case 10: return sLoadCompressedTGA(texture, filename, f);
    default: return false;
    }
}

bool LoadUncompressedTGA(Texture* texture, const char*, std::FILE* f) {
    if (!ReadTextureHeader(texture, f, false)) return false;
    tga.imageSize = tga.bytesPerPixel * tga.Width * tga.Height;
    unsigned char* pixels = new (std::nothrow) unsigned char[tga.imageSize];
    if (!pixels) return Fail("Could not allocate memory for image", f, nullptr, texture);
    if (std::fread(pixels, 1, tga.imageSize, f) != tga.imageSize)
        return Fail("Could not read image data", f, pixels, texture);
    for (uint32_t c = 0; c < tga.imageSize; c += tga.bytesPerPixel) {
        unsigned char t = pixels[c];
        pixels[c] = pixels[c + 2];
        pixels[c + 2] = t;
    }
    texture->imageData = pixels;
    std::fclose(f);
    return true;
}

bool LoadCompressedTGA(Texture* texture, const char*, std::FILE* f) {
    if (!ReadTextureHeader(texture, f, false)) return false;
    return DecodeRLE(texture, f, false);
}

bool sLoadCompressedTGA(Texture* texture, const char*, std::FILE* f) {
    if (!ReadTextureHeader(texture, f, true)) return false;
    return DecodeRLE(texture, f, true);
}

// An uncompressed file through the colour-keyed loader: decoded with the same key table.
bool sLoadUncompressedTGA(Texture* texture, const char*, std::FILE* f) {
    if (!ReadTextureHeader(texture, f, true)) return false;
    const uint32_t pixelcount = tga.Width * tga.Height;
    const uint32_t stored = tga.bytesPerPixel * pixelcount;
    tga.imageSize = 4 * pixelcount;
    unsigned char* raw = new (std::nothrow) unsigned char[stored];
    unsigned char* pixels = new (std::nothrow) unsigned char[tga.imageSize];
    if (!raw || !pixels) {
        delete[] raw;
        return Fail("Could not allocate memory for image", f, pixels, texture);
    }
    if (std::fread(raw, 1, stored, f) != stored) {
        delete[] raw;
        return Fail("Could not read image data", f, pixels, texture);
    }
    for (uint32_t p = 0; p < pixelcount; ++p) PutKeyed(pixels + (size_t)p * 4, raw + (size_t)p * tga.bytesPerPixel);
    delete[] raw;
    texture->imageData = pixels;
    std::fclose(f);
    return true;
}
