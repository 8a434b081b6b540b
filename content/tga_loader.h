// TGA images: uncompressed (type 2) and run-length encoded (type 10), 24 or 32 bits per
// pixel, decoded into R, G, B (and A) bytes ready for upload as an OpenGL texture.
// LoadTGA is the plain loader; sLoadTGA the colour-keyed one, which always yields RGBA and
// turns magenta, cyan and yellow into transparency. Every failure shows a box and returns
// false with no pixel memory left to the caller; on true the caller frees imageData
// (with delete[]).
#pragma once

#include <cstdint>
#include <cstdio>

#include "common/records.h"

// The first 12 bytes of a file.
struct TGAHeader {
    unsigned char Header[12];
};

// The decoder's working values.
struct TGA {
    unsigned char header[6];   // width, height, bits per pixel, descriptor
    uint32_t bytesPerPixel;
    uint32_t imageSize;
    uint32_t temp;
    uint32_t type;
    uint32_t Height;
    uint32_t Width;
    uint32_t Bpp;
};

// Loader scratch state, shared by every load (loading is single-threaded).
inline TGAHeader tgaheader;
inline TGA tga;

// Largest width or height accepted, in pixels.
constexpr uint32_t TGA_MAX_SIDE = 8192;

bool LoadTGA(Texture* texture, const char* filename);
bool sLoadTGA(Texture* texture, const char* filename);

// Decoders, given the open file positioned after the 12-byte header; each closes it.
bool LoadUncompressedTGA(Texture* texture, const char* filename, std::FILE* fTGA);
bool LoadCompressedTGA(Texture* texture, const char* filename, std::FILE* fTGA);
bool sLoadCompressedTGA(Texture* texture, const char* filename, std::FILE* fTGA);
bool sLoadUncompressedTGA(Texture* texture, const char* filename, std::FILE* fTGA);
