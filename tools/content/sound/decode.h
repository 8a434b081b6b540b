// Reads the sound files the generator writes back into samples: 16-bit PCM WAV and Ogg
// Vorbis, mono or stereo (mixed down). For the review sheet and the tests.
#pragma once

#include <string>
#include <vector>

namespace sound {

struct Decoded {
    std::vector<float> samples;  // mono, -1..1
    int rate = 0;
    int channels = 0;
};

// False with `error` set when the file is missing, truncated or not a format we read.
bool Decode_Sound(const std::string& path, Decoded& out, std::string& error);

} // namespace sound
