// varnoth_content: writes the game's own original content tree into a folder (the first
// argument, default "."): Data/ (images), data/SFX/ (sounds), data/save/ (empty) and scene/.
#include <cstdio>
#include <string>

#include "content/writers/scene_kit.h"
#include "content/writers/scene_writers.h"
#include "content/generator/sounds.h"
#include "content/generator/front_scenes.h"
#include "content/maps/walk_scenes.h"
#include "content/painters/walk_art.h"

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : ".";
    bool ok = writers::Make_Dirs(out);
    ok = writers::Make_Dirs(out + "/data/save") && ok;
    ok = writers::Write_Core_Content(out) && ok;
    ok = Write_Sounds(out) && ok;
    ok = Write_Front_Scenes(out) && ok;
    ok = painters::Write_Walk_Art(out) && ok;
    ok = Write_Camp_Hub(out) && ok;
    if (!ok) {
        std::fprintf(stderr, "varnoth_content: could not write every file under %s\n", out.c_str());
        return 1;
    }
    std::printf("varnoth_content: content written to %s\n", out.c_str());
    return 0;
}
