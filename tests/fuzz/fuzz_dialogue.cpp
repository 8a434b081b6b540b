// Dialogue-lines files.
#include "fuzz_support.h"

#include "content/dialogue_lines.h"
#include "content/texture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string base = Fuzz_File(data, size, ".txt");
    LoadText(Make_sString(base.c_str()));
    return 0;
}
