// Sound files: 16-bit PCM WAV and Ogg Vorbis (through libvorbisenc), mono.
#pragma once

#include <string>
#include <vector>

namespace writers {

// Samples are in -1..1.
bool Write_WAV(const std::string& path, const std::vector<float>& samples, int rate);
bool Write_OGG(const std::string& path, const std::vector<float>& samples, int rate, float quality = 0.1f);

} // namespace writers
