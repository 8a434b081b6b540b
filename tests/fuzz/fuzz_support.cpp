#include "fuzz_support.h"

#include <cstdio>
#include <unistd.h>

#include "platform/platform.h"

namespace platform {
// Boxes are ignored while fuzzing.
int MessageBox(const char*, const char*, unsigned) { return IDOK; }
} // namespace platform

std::string Fuzz_File(const uint8_t* data, size_t size, const char* ending) {
    const std::string base = "/tmp/varnoth_fuzz_" + std::to_string(getpid());
    std::FILE* f = std::fopen((base + ending).c_str(), "wb");
    if (f) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return base;
}
