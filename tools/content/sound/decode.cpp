#include "content/sound/decode.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include <vorbis/vorbisfile.h>

namespace sound {

namespace {

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }
uint16_t Le16(const unsigned char* p) { return (uint16_t)(p[0] | p[1] << 8); }

bool Decode_Wav(const std::string& path, Decoded& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    const std::vector<unsigned char> d((std::istreambuf_iterator<char>(f)), {});
    if (d.size() < 12 || std::memcmp(d.data(), "RIFF", 4) || std::memcmp(d.data() + 8, "WAVE", 4)) {
        error = "not a RIFF WAVE file";
        return false;
    }
    int bits = 0;
    for (size_t at = 12; at + 8 <= d.size();) {
        const uint32_t size = Le32(&d[at + 4]);
        const size_t body = at + 8;
        if (size > d.size() - body) {
            error = "truncated chunk";
            return false;
        }
        if (!std::memcmp(&d[at], "fmt ", 4) && size >= 16) {
            if (Le16(&d[body]) != 1) {
                error = "not PCM";
                return false;
            }
            out.channels = Le16(&d[body + 2]);
            out.rate = (int)Le32(&d[body + 4]);
            bits = Le16(&d[body + 14]);
        } else if (!std::memcmp(&d[at], "data", 4)) {
            if (bits != 16 || out.channels < 1) {
                error = "only 16-bit PCM with a format chunk first is read";
                return false;
            }
            const size_t frames = size / (2 * out.channels);
            out.samples.resize(frames);
            for (size_t i = 0; i < frames; ++i) {
                float sum = 0.0f;
                for (int c = 0; c < out.channels; ++c) sum += (int16_t)Le16(&d[body + (i * out.channels + c) * 2]) / 32768.0f;
                out.samples[i] = sum / out.channels;
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    error = "no data chunk";
    return false;
}

bool Decode_Ogg(const std::string& path, Decoded& out, std::string& error) {
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) {
        error = "not an Ogg Vorbis file";
        return false;
    }
    const vorbis_info* vi = ov_info(&vf, -1);
    out.rate = (int)vi->rate;
    out.channels = vi->channels;
    out.samples.clear();
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n < 0) {
            error = "damaged Ogg Vorbis data";
            ov_clear(&vf);
            return false;
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i) {
            float sum = 0.0f;
            for (int c = 0; c < out.channels; ++c) sum += pcm[c][i];
            out.samples.push_back(sum / out.channels);
        }
    }
    ov_clear(&vf);
    return true;
}

} // namespace

bool Decode_Sound(const std::string& path, Decoded& out, std::string& error) {
    out = Decoded{};
    std::ifstream f(path, std::ios::binary);
    char magic[4] = {};
    if (!f.read(magic, 4)) {
        error = "cannot read " + path;
        return false;
    }
    f.close();
    const bool ok = !std::memcmp(magic, "OggS", 4) ? Decode_Ogg(path, out, error) : Decode_Wav(path, out, error);
    if (!ok) error = path + ": " + error;
    return ok;
}

} // namespace sound
