#include "support/generated_content.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

std::string Generated_Content_Dir() {
    if (const char* dir = std::getenv("VARNOTH_CONTENT_DIR"); dir && *dir) return dir;
    return std::string(VARNOTH_BINARY_DIR) + "/game";
}

std::string Use_Generated_Content() {
    const std::string content = Generated_Content_Dir();
    if (!fs::is_directory(content + "/Data") || !fs::exists(content + "/scene/episode10/scene0.dat"))
        return "no generated content in " + content +
               " (CTest's content fixture writes it; by hand: tools/generate_content.sh <build>/tools/varnoth_content " +
               content + ")";
    std::error_code ec;
    fs::create_directories("data", ec);
    fs::create_symlink(content + "/Data", "Data", ec);
    if (!ec) fs::create_symlink(content + "/data/SFX", "data/SFX", ec);
    if (!ec) fs::copy(content + "/data/save", "data/save", fs::copy_options::recursive, ec);
    if (!ec)
        fs::copy(content + "/scene", "scene", fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) return "cannot lay out the generated content from " + content + ": " + ec.message();
    return "";
}
