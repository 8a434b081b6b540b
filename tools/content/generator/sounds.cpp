#include "content/generator/sounds.h"

#include <cstdio>
#include <vector>

#include "content/sound/sheet.h"
#include "content/sound/sound_set.h"
#include "content/writers/scene_writers.h"

bool Write_Sounds(const std::string& root) {
    const std::string dir = root + "/data/SFX";
    if (!writers::Make_Dirs(dir + "/")) {
        std::fprintf(stderr, "varnoth_content: cannot make %s\n", dir.c_str());
        return false;
    }
    std::vector<std::string> errors;
    const bool ok = sound::Write_Sound_Set(dir, errors);
    for (const std::string& e : errors) std::fprintf(stderr, "varnoth_content: %s\n", e.c_str());
    return ok;
}

bool Write_Sounds_Sheet(const std::string& png, const std::string& root) {
    std::string error;
    if (sound::Write_Sound_Sheet(png, root, error)) return true;
    std::fprintf(stderr, "varnoth_content: %s\n", error.c_str());
    return false;
}
