#include "content/writers/sound_writers.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <vorbis/vorbisenc.h>

namespace writers {

namespace {

void Put32(std::FILE* f, uint32_t v) {
    uint8_t b[4] = {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
    std::fwrite(b, 1, 4, f);
}
void Put16(std::FILE* f, uint16_t v) {
    uint8_t b[2] = {(uint8_t)v, (uint8_t)(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

} // namespace

bool Write_WAV(const std::string& path, const std::vector<float>& samples, int rate) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint32_t data = (uint32_t)samples.size() * 2;
    std::fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + data);
    std::fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1);          // PCM
    Put16(f, 1);          // mono
    Put32(f, (uint32_t)rate);
    Put32(f, (uint32_t)rate * 2);
    Put16(f, 2);
    Put16(f, 16);
    std::fwrite("data", 1, 4, f);
    Put32(f, data);
    for (float s : samples) {
        const float c = std::clamp(s, -1.0f, 1.0f);
        Put16(f, (uint16_t)(int16_t)(c * 32767.0f));
    }
    bool ok = std::ferror(f) == 0;
    return std::fclose(f) == 0 && ok;
}

bool Write_OGG(const std::string& path, const std::vector<float>& samples, int rate, float quality) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 1, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        std::fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "varnoth_content");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x56524e54);
    ogg_page og;
    ogg_packet op;
    {
        ogg_packet header, header_comm, header_code;
        vorbis_analysis_headerout(&vd, &vc, &header, &header_comm, &header_code);
        ogg_stream_packetin(&os, &header);
        ogg_stream_packetin(&os, &header_comm);
        ogg_stream_packetin(&os, &header_code);
        while (ogg_stream_flush(&os, &og) != 0) {
            std::fwrite(og.header, 1, (size_t)og.header_len, f);
            std::fwrite(og.body, 1, (size_t)og.body_len, f);
        }
    }
    size_t pos = 0;
    bool eos = false;
    while (!eos) {
        const size_t chunk = std::min<size_t>(1024, samples.size() - pos);
        if (chunk == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buf = vorbis_analysis_buffer(&vd, (int)chunk);
            std::memcpy(buf[0], samples.data() + pos, chunk * sizeof(float));
            vorbis_analysis_wrote(&vd, (int)chunk);
            pos += chunk;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og) != 0) {
                    std::fwrite(og.header, 1, (size_t)og.header_len, f);
                    std::fwrite(og.body, 1, (size_t)og.body_len, f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
        if (chunk == 0) eos = true;
    }
    // Anything left in the stream after the last block.
    while (ogg_stream_flush(&os, &og) != 0) {
        std::fwrite(og.header, 1, (size_t)og.header_len, f);
        std::fwrite(og.body, 1, (size_t)og.body_len, f);
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    bool ok = std::ferror(f) == 0;
    return std::fclose(f) == 0 && ok;
}

} // namespace writers
