// TGA decoding through both loaders.
#include "fuzz_support.h"

#include "content/tga_loader.h"

static volatile unsigned sink;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Fuzz_File(data, size, ".tga") + ".tga";
    for (auto load : {LoadTGA, sLoadTGA}) {
        Texture t{};
        if (load(&t, path.c_str())) {
            // Touch every decoded byte so a short buffer shows.
            unsigned sum = 0;
            const size_t n = (size_t)t.width * t.height * (t.bpp / 8);
            for (size_t i = 0; i < n; ++i) sum += t.imageData[i];
            sink = sum;
            delete[] t.imageData;
        }
    }
    return 0;
}
