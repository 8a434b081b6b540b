#include "content/config.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/game_state.h"
#include "main/window.h"

namespace {

// Reads one line; false at the end of the file.
bool Read_Line(FILE* f, char* buf, size_t size) {
    if (!std::fgets(buf, (int)size, f)) return false;
    // A line longer than the buffer: drop the rest of it.
    if (!std::strchr(buf, '\n')) {
        int c;
        while ((c = std::fgetc(f)) != EOF && c != '\n') {
        }
    }
    return true;
}

void Read_Int(FILE* f, int& value) {
    char buf[64];
    if (!Read_Line(f, buf, sizeof buf)) return;
    int v;
    if (std::sscanf(buf, "%i", &v) == 1) value = v;
}

void Read_Float(FILE* f, float& value) {
    char buf[64];
    if (!Read_Line(f, buf, sizeof buf)) return;
    float v;
    if (std::sscanf(buf, "%f", &v) == 1) value = v;
}

void Read_Bool(FILE* f, bool& value) {
    char buf[64];
    if (!Read_Line(f, buf, sizeof buf)) return;
    int v;
    if (std::sscanf(buf, "%i", &v) == 1) value = v != 0;
}

// The settings stay in memory and the old file stays as it was; the player should know.
void Write_Failed(const char* reason) {
    std::fprintf(stderr, "The settings could not be saved to %s: %s\n", CFG_PATH, reason);
}

} // namespace

void Size_From_Desktop(int h, int v) {
    float shape = h != 0 ? (float)v / (float)h : 0.0f;
    if (shape == 0.75f) {
        sc_width = 1024;
        sc_height = 768;
    } else if (shape == 0.625f) {
        sc_width = 1280;
        sc_height = 800;
    } else if (shape == 0.6f) {
        sc_width = 1280;
        sc_height = 768;
    }
}

void LoadCFG() {
    FILE* f = std::fopen(CFG_PATH, "r");
    if (!f) {
        music_volume = 0.5f;
        sfx_volume = 0.5f;
        sc_bits = 32;
        sc_render_rate = 10;
        sc_blur = true;
        fullscreen = true;
        saved_window_posX = 0;
        saved_window_posY = 0;
        GetDesktopResolution(horizontal, vertical);
        Size_From_Desktop(horizontal, vertical);
        new_sc_width = sc_width;
        new_sc_height = sc_height;
        Set_Screen_Ratio();
        return;
    }
    Read_Float(f, music_volume);
    Read_Float(f, sfx_volume);
    Read_Int(f, sc_width);
    Read_Int(f, sc_height);
    Read_Int(f, sc_bits);
    Read_Float(f, sc_ratio);
    Read_Int(f, sc_render_rate);
    Read_Bool(f, fullscreen);
    Read_Int(f, saved_window_posX);
    Read_Int(f, saved_window_posY);
    Read_Bool(f, sc_blur);

    // A volume that is not a number ("nan") is silence, as the music code takes it.
    if (std::isnan(sfx_volume)) sfx_volume = 0;
    if (std::isnan(music_volume)) music_volume = 0;
    if (sfx_volume < 0) sfx_volume = 0;
    if (sfx_volume > 1) sfx_volume = 1;
    if (music_volume < 0) music_volume = 0;
    if (music_volume > 1) music_volume = 1;
    if (saved_window_posX < 0 || saved_window_posY < 0) {
        saved_window_posX = 0;
        saved_window_posY = 0;
    }
    new_sc_width = sc_width;
    new_sc_height = sc_height;
    Set_Screen_Ratio();
    std::fclose(f);
}

void SaveCFG() {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(CFG_PATH).parent_path(), ec);
    std::string tmp = std::string(CFG_PATH) + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "w");
    if (!f) {
        Write_Failed(std::strerror(errno));
        return;
    }
    std::fprintf(f, "%f\n", music_volume);
    std::fprintf(f, "%f\n", sfx_volume);
    std::fprintf(f, "%i\n", new_sc_width);
    std::fprintf(f, "%i\n", new_sc_height);
    std::fprintf(f, "%i\n", sc_bits);
    std::fprintf(f, "%f\n", sc_ratio);
    std::fprintf(f, "%i\n", sc_render_rate);
    std::fprintf(f, "%i\n", fullscreen ? 1 : 0);
    std::fprintf(f, "%i\n", saved_window_posX);
    std::fprintf(f, "%i\n", saved_window_posY);
    std::fprintf(f, "%i\n", sc_blur ? 1 : 0);
    errno = 0;
    bool ok = std::fflush(f) == 0 && !std::ferror(f);
    int error = errno;
    if (std::fclose(f) != 0) {
        ok = false;
        if (!error) error = errno;
    }
    if (!ok) {
        Write_Failed(std::strerror(error ? error : EIO));
        std::remove(tmp.c_str());
        return;
    }
    std::filesystem::rename(tmp, CFG_PATH, ec);
    if (ec) {
        Write_Failed(ec.message().c_str());
        std::remove(tmp.c_str());
        return;
    }
    sc_width = new_sc_width;
    sc_height = new_sc_height;
}
