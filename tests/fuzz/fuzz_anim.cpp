// Animation definitions.
#include "fuzz_support.h"

#include "common/world_state.h"
#include "content/texture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string base = Fuzz_File(data, size, ".dat");
    g_fx_id = size % 52; // also the full and the overfull sheet table
    LoadAnim(Make_sString(base.c_str()), 3, -1);
    LoadAnim(Make_sString(base.c_str()), 3, (int)(size % 60) - 5);
    return 0;
}
