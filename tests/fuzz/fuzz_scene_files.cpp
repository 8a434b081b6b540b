// Tile maps, points, nodes, object files and the HUD layout: the first byte picks the reader.
#include "fuzz_support.h"

#include "common/world_state.h"
#include "content/scene_files.h"
#include "content/texture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = false;
    if (!ready) {
        sprite = new object[MAX_SPRITES]();
        hud = new object[MAX_HUD]();
        numsubmtls = 6;
        for (int i = 0; i < 6; ++i) {
            texture_fx[i] = i;
            animation_fx[i] = i < 2 ? -1 : i - 2;
        }
        ready = true;
    }
    if (size == 0) return 0;
    const uint8_t which = data[0] % 5;
    static const char* const endings[5] = {".bg", ".pt", ".nde", ".dat", ".dat"};
    const std::string base = Fuzz_File(data + 1, size - 1, endings[which]);
    const sString b = Make_sString(base.c_str());
    switch (which) {
    case 0: Load_BG(b); break;
    case 1: LoadPoints(b); break;
    case 2: LoadNodes(b); break;
    case 3: Read_Object_File((base + ".dat").c_str()); break;
    default: LoadHud((base + ".dat").c_str()); break;
    }
    return 0;
}
