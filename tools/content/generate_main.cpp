// varnoth_content: writes the game's own original content tree into a folder (the first
// argument, default "."): Data/ (images), data/SFX/ (sounds), data/save/ (empty) and scene/.
// `varnoth_content --sound-sheet <png> [<folder>]` draws a review sheet of the folder's sounds.
// `varnoth_content --catalogue` prints the scenes not yet written, as the README lists them.
// `varnoth_content --painters` prints the painters, as FORMAT.md lists them.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "content/writers/scene_kit.h"
#include "content/writers/scene_writers.h"
#include "content/generator/sounds.h"
#include "content/compiler/catalogue.h"
#include "content/compiler/scene_build.h"
#include "content/painters/pages.h"
#include "content/painters/registry.h"
#include "content/painters/walk_art.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--sound-sheet") {
        if (argc < 3) {
            std::fprintf(stderr, "usage: varnoth_content --sound-sheet <png> [<folder>]\n");
            return 2;
        }
        return Write_Sounds_Sheet(argv[2], argc > 3 ? argv[3] : ".") ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--painters") == 0) {
        std::fputs(painters::Painter_List_Text().c_str(), stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--catalogue") == 0) {
        std::fputs(compiler::Catalogue_Text(compiler::Written_Scenes(compiler::Scenes_Folder())).c_str(), stdout);
        return 0;
    }
    const std::string out = argc > 1 ? argv[1] : ".";
    bool ok = writers::Make_Dirs(out);
    ok = writers::Make_Dirs(out + "/data/save") && ok;
    ok = writers::Write_Core_Content(out) && ok;
    ok = Write_Sounds(out) && ok;
    ok = painters::Write_Walk_Art(out) && ok; // before the scenes: walk scenes list these pictures
    std::string error;
    std::vector<std::string> warnings;
    const bool built = compiler::Build_Scenes(compiler::Scenes_Folder(), out, nullptr, error, &warnings);
    painters::Release_Painters();
    for (const std::string& w : warnings) std::fprintf(stderr, "varnoth_content: warning: %s\n", w.c_str());
    if (!built) {
        std::fprintf(stderr, "varnoth_content: %s\n", error.c_str());
        return 1;
    }
    if (!ok) {
        std::fprintf(stderr, "varnoth_content: could not write every file under %s\n", out.c_str());
        return 1;
    }
    std::printf("varnoth_content: content written to %s\n", out.c_str());
    return 0;
}
