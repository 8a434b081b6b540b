// TGA files as the game's loader reads them: image type 2 (raw) or 10 (run-length),
// 24 or 32 bits, B G R (A) pixel order, no image ID, no colour map, origin 0,0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/writers/image.h"

namespace writers {

struct TgaOptions {
    bool rle = true;
    int bpp = 32; // 24 or 32
};

// The file's bytes.
std::vector<uint8_t> Encode_TGA(const Image& img, TgaOptions opt = {});
// Writes the file; false when it cannot be written.
bool Write_TGA(const std::string& path, const Image& img, TgaOptions opt = {});
// Writes any bytes (tests build malformed files from Encode_TGA's output).
bool Write_Bytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace writers
