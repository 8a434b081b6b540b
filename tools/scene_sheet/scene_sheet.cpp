// varnoth_scene_sheet: contact sheets of every scene as a player sees it.
//
//   varnoth_scene_sheet [--size WxH]... [--scenes E/S,E/S...] [--ms N] [--texts] [--pointer X,Y]
//                       <content folder> <out folder>
//
// Every scene of a generated content folder is loaded as a scene request loads it, run
// through the game's own frame loop on the virtual clock for N ms of play (1500 by default;
// less when the scene asks for another one sooner: then the frame before it leaves), and its
// frame drawn at each screen size (1024x768 and 1280x800 unless sizes are given). The frames
// go, a dozen to a sheet, labelled with the scene's number, kind and the first line of its
// description, into <out folder>/scenes_<W>x<H>_<NN>.png. Walk scenes are entered at their
// first camera point, with a new game's player. --texts prints every text slot shown in the
// frame (its place, glyph size and text). --pointer moves the pointer to view position X,Y
// (view units, y up, 0,0 the middle of a page) as the play starts, to see hover looks.
//
// The content folder is not changed: the game runs in a scratch folder beside it that links
// the images and sounds and copies the scene files and saves (a scene writes its snapshot
// there when it is left).
#include <GL/gl.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "content/compiler/catalogue.h"
#include "content/compiler/scene_build.h"
#include "content/scene_loader.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/animate.h"

namespace fs = std::filesystem;

namespace {

struct Size {
    int w, h;
};

struct Shot {
    int episode, scene;
    int kind = 0;            // game_mode after the load; 0 when it did not load
    std::string note;        // why the frame is missing, or where the scene went
    std::vector<uint8_t> px; // RGBA, top row first, w x h
};

constexpr int kColumns = 4, kRows = 3, kPerSheet = kColumns * kRows;
constexpr int kLabelH = 34, kGap = 6;

std::string Kind_Name(int mode) {
    switch (mode) {
    case 2: return "cut-scene";
    case 3: return "walk";
    case 4: return "page";
    case 5: return "world";
    default: return "?";
    }
}

// The first comment line of the scene's description, without its '#'.
std::string Description_Line(int e, int s) {
    std::ifstream in(compiler::Scenes_Folder() + "/e" + std::to_string(e) + "s" + std::to_string(s) + ".scene");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#", 0) != 0) continue;
        line.erase(0, line.find_first_not_of("# "));
        return line;
    }
    return "";
}

// The scenes of the folder's scene/ tree that the game can reach (not the HUD layout 0/3
// nor the test fixtures).
std::vector<std::pair<int, int>> Scenes_In(const fs::path& root) {
    std::set<std::pair<int, int>> reachable;
    for (const compiler::Catalogue_Entry& c : compiler::Catalogue()) reachable.insert({c.episode, c.scene});
    std::vector<std::pair<int, int>> scenes;
    std::error_code ec;
    for (const auto& f : fs::recursive_directory_iterator(root / "scene", ec)) {
        const std::string p = fs::relative(f.path(), root).string();
        int e = 0, s = 0, used = 0;
        if (std::sscanf(p.c_str(), "scene/episode%d/scene%d.dat%n", &e, &s, &used) != 2 || used != (int)p.size())
            continue;
        if (reachable.count({e, s})) scenes.push_back({e, s});
    }
    std::sort(scenes.begin(), scenes.end());
    return scenes;
}

// A scratch folder laid out as the game expects its content beside it.
bool Lay_Out(const fs::path& content, const fs::path& work, std::string& error) {
    std::error_code ec;
    fs::create_directories(work / "data", ec);
    if (!ec) fs::create_symlink(fs::absolute(content / "Data"), work / "Data", ec);
    if (!ec) fs::create_symlink(fs::absolute(content / "data/SFX"), work / "data/SFX", ec);
    if (!ec && fs::exists(content / "data/save")) fs::copy(content / "data/save", work / "data/save", fs::copy_options::recursive, ec);
    if (!ec) fs::copy(content / "scene", work / "scene", fs::copy_options::recursive, ec);
    if (ec) error = "cannot lay out " + content.string() + " in " + work.string() + ": " + ec.message();
    return !ec;
}

// Runs the loop 5 ms of virtual time at a time (a few passes each, as the real loop would
// in that time) until `ms` have passed, a scene is asked for or another scene is on (a page
// may load the next one in the pass that asks for it). Gives the time played.
int Play(int ms) {
    const int e = episode, s = scene;
    for (int t = 0; t < ms; t += 5) {
        platform::AdvanceVirtualClock(5);
        for (int k = 0; k < 3; ++k) {
            Loop_Pass();
            if (::done || next_scene || episode != e || scene != s) return t;
        }
    }
    return ms;
}

void Read_Frame(Shot& shot, Size size);

struct Options {
    int ms = 1500;
    bool list_texts = false;
    bool pointer = false; // the pointer put at (px, py), view units of a page, before the play
    float px = 0, py = 0;
};

Shot Draw_Scene(int e, int s, Size size, const Options& o) {
    Shot shot;
    shot.episode = e;
    shot.scene = s;
    Reset_Game_State();
    platform::SetRecordMessageBoxes(true);
    platform::ClearRecordedMessageBoxes();
    platform::UseVirtualClock(true);
    TimerInit();
    audio::UseRecordingDouble(true);
    Allocate_Records();
    if (!platform::VideoInit() || !platform::CreateGameWindow("Varnoth", 0, 0, size.w, size.h, false) ||
        !platform::CreateGLContext(32)) {
        shot.note = "no GL context";
        return shot;
    }
    platform::SetWndProc(WndProc);
    sc_width = new_sc_width = size.w;
    sc_height = new_sc_height = size.h;
    Set_Screen_Ratio();
    InitGL();
    ReSizeGLScene(size.w, size.h);
    Init_Player();
    episode = e;
    scene = s;
    current_spawn = -1;
    fade = 1.0f;
    if (!LoadScene(e, s, false)) {
        shot.note = "does not load";
        for (const auto& b : platform::RecordedMessageBoxes()) shot.note += ": " + b.text;
        return shot;
    }
    shot.kind = game_mode;
    if (episode != e || scene != s) {
        // The boot scene is shown by the start-up's loading frames, not by the loop (its
        // script names the title at once): drawn as they draw it, half-way through loading.
        shot.note = "shown while the game loads";
        fade = 1.0f;
        Set_Sprite(2, 4, 4, ANIM_ARRAY_SPRITE, false);
        Animate();
        platform::AdvanceVirtualClock(20); // the lists are made when the clock has moved on
        render_sequence = 0;
        DrawGLScene(true);
        Read_Frame(shot, size);
        return shot;
    }
    Start_Loop_Stamps();
    if (o.pointer) {
        const int wx = (int)((o.px / zoom_factor + 1.0f) * size.w / 2);
        const int wy = (int)((1.0f - o.py / (zoom_factor * sc_ratio)) * size.h / 2);
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(wx, wy)});
    }
    // The frames of the play are drawn into a corner of a few pixels (filling the whole
    // window a hundred times a second is what costs); the last one fills the window.
    glViewport(0, 0, 8, 8);
    const int played = Play(o.ms);
    glViewport(0, 0, size.w, size.h);
    if (!next_scene && (episode != e || scene != s)) {
        // It went on to the next scene at once: drawn again as it stood just before.
        const std::string next = std::to_string(episode) + "/" + std::to_string(scene);
        if (played > 5) {
            Options sooner = o;
            sooner.ms = played - 5;
            Shot again = Draw_Scene(e, s, size, sooner);
            again.note = "went on to " + next + " after " + std::to_string(played) + " ms";
            return again;
        }
        shot.note = "went on to " + next + " at once";
    }
    if (next_scene) shot.note = "asks for " + std::to_string(episode) + "/" + std::to_string(scene);
    if (!platform::RecordedMessageBoxes().empty()) shot.note += " box: " + platform::RecordedMessageBoxes().front().text;
    if (o.list_texts)
        for (int k = 0; k < 25; ++k)
            if (counter[k].word[0] && counter[k].alpha != 0.0f)
                std::printf("%d/%d text slot %d at %.3f, %.3f size %.3f x %.3f: \"%s\"\n", e, s, k, counter[k].x,
                            counter[k].y, counter[k].width, counter[k].height, counter[k].word);

    // Both drawing passes of one frame, read back before any swap.
    render_sequence = 0;
    DrawGLScene(false);
    DrawGLScene(false);
    Read_Frame(shot, size);
    return shot;
}

// The back buffer into the shot, top row first.
void Read_Frame(Shot& shot, Size size) {
    glFinish();
    std::vector<uint8_t> px((size_t)size.w * size.h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, size.w, size.h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    shot.px.resize(px.size());
    const size_t row = (size_t)size.w * 4;
    for (int y = 0; y < size.h; ++y) std::memcpy(&shot.px[(size_t)y * row], &px[(size_t)(size.h - 1 - y) * row], row);
}

void Text(cairo_t* cr, double x, double y, double pt, bool bold, const std::string& s) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, pt);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

// One sheet of up to a dozen frames, each at half size under its label.
bool Write_Sheet(const std::string& png, const std::vector<Shot>& shots, Size size) {
    const int cw = size.w / 2, ch = size.h / 2;
    const int sheet_w = kColumns * (cw + kGap) + kGap;
    const int sheet_h = kRows * (ch + kLabelH + kGap) + kGap;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheet_w, sheet_h);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    for (size_t i = 0; i < shots.size(); ++i) {
        const Shot& sh = shots[i];
        const int x0 = kGap + (int)(i % kColumns) * (cw + kGap);
        const int y0 = kGap + (int)(i / kColumns) * (ch + kLabelH + kGap);
        cairo_set_source_rgb(cr, 0.95, 0.93, 0.85);
        Text(cr, x0 + 2, y0 + 14, 13, true,
             std::to_string(sh.episode) + "/" + std::to_string(sh.scene) + "  " + Kind_Name(sh.kind) +
                 (sh.note.empty() ? "" : "  (" + sh.note + ")"));
        std::string line = Description_Line(sh.episode, sh.scene);
        if (line.size() > 86) line = line.substr(0, 83) + "...";
        cairo_set_source_rgb(cr, 0.75, 0.74, 0.7);
        Text(cr, x0 + 2, y0 + 29, 11, false, line);
        const int py = y0 + kLabelH;
        if (sh.px.empty()) {
            cairo_set_source_rgb(cr, 0.5, 0.1, 0.1);
            cairo_rectangle(cr, x0, py, cw, ch);
            cairo_fill(cr);
            continue;
        }
        // The frame as a Cairo image (BGRA words), drawn at half size with a good filter.
        cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.w, size.h);
        cairo_surface_flush(frame);
        unsigned char* data = cairo_image_surface_get_data(frame);
        const int stride = cairo_image_surface_get_stride(frame);
        for (int y = 0; y < size.h; ++y)
            for (int x = 0; x < size.w; ++x) {
                const uint8_t* p = &sh.px[((size_t)y * size.w + x) * 4];
                uint32_t* q = reinterpret_cast<uint32_t*>(data + (size_t)y * stride) + x;
                *q = 0xff000000u | ((uint32_t)p[0] << 16) | ((uint32_t)p[1] << 8) | p[2];
            }
        cairo_surface_mark_dirty(frame);
        cairo_save(cr);
        cairo_translate(cr, x0, py);
        cairo_scale(cr, 0.5, 0.5);
        cairo_set_source_surface(cr, frame, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(frame);
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, png.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

int Usage() {
    std::fprintf(stderr, "usage: varnoth_scene_sheet [--size WxH]... [--scenes E/S,E/S...] [--ms N] [--texts] [--pointer X,Y] "
                         "<content folder> <out folder>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Size> sizes;
    std::vector<std::pair<int, int>> only;
    Options o;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--size" && i + 1 < argc) {
            Size sz{};
            if (std::sscanf(argv[++i], "%dx%d", &sz.w, &sz.h) != 2 || sz.w < 64 || sz.h < 64) return Usage();
            sizes.push_back(sz);
        } else if (a == "--scenes" && i + 1 < argc) {
            std::string list = argv[++i];
            for (size_t at = 0; at < list.size();) {
                size_t end = list.find(',', at);
                if (end == std::string::npos) end = list.size();
                int e = 0, s = 0;
                if (std::sscanf(list.substr(at, end - at).c_str(), "%d/%d", &e, &s) != 2) return Usage();
                only.push_back({e, s});
                at = end + 1;
            }
        } else if (a == "--texts") {
            o.list_texts = true;
        } else if (a == "--ms" && i + 1 < argc) {
            o.ms = std::atoi(argv[++i]);
        } else if (a == "--pointer" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%f,%f", &o.px, &o.py) != 2) return Usage();
            o.pointer = true;
        } else if (!a.empty() && a[0] == '-') {
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (args.size() != 2) return Usage();
    if (sizes.empty()) sizes = {{1024, 768}, {1280, 800}};
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("LP_NUM_THREADS", "0", 0); // one frame a scene is drawn: no rasteriser threads to start

    const fs::path content = fs::absolute(args[0]), out = fs::absolute(args[1]);
    std::vector<std::pair<int, int>> scenes = Scenes_In(content);
    if (scenes.empty()) {
        std::fprintf(stderr, "varnoth_scene_sheet: no scenes under %s/scene\n", content.c_str());
        return 1;
    }
    if (!only.empty()) {
        std::vector<std::pair<int, int>> picked;
        for (auto sc : only) {
            if (std::find(scenes.begin(), scenes.end(), sc) == scenes.end()) {
                std::fprintf(stderr, "varnoth_scene_sheet: no scene %d/%d under %s\n", sc.first, sc.second, content.c_str());
                return 1;
            }
            picked.push_back(sc);
        }
        scenes = picked;
    }
    std::error_code ec;
    fs::create_directories(out, ec);
    char tmpl[] = "/tmp/varnoth_sheet_XXXXXX";
    if (!mkdtemp(tmpl)) {
        std::fprintf(stderr, "varnoth_scene_sheet: no scratch folder\n");
        return 1;
    }
    const fs::path work = tmpl;
    std::string error;
    if (!Lay_Out(content, work, error)) {
        std::fprintf(stderr, "varnoth_scene_sheet: %s\n", error.c_str());
        fs::remove_all(work, ec);
        return 1;
    }
    const fs::path back = fs::current_path();
    fs::current_path(work);

    bool ok = true;
    for (Size size : sizes) {
        std::vector<Shot> page;
        int sheet_no = 0;
        auto flush = [&] {
            if (page.empty()) return;
            char name[64];
            std::snprintf(name, sizeof name, "scenes_%dx%d_%02d.png", size.w, size.h, ++sheet_no);
            const std::string png = (out / name).string();
            if (!Write_Sheet(png, page, size)) {
                std::fprintf(stderr, "varnoth_scene_sheet: cannot write %s\n", png.c_str());
                ok = false;
            } else {
                std::printf("%s\n", png.c_str());
            }
            page.clear();
        };
        for (auto [e, s] : scenes) {
            // A scene left behind would have written its snapshot, which a later load of it
            // reads instead of its files: none is kept.
            for (const auto& f : fs::recursive_directory_iterator(work / "scene", ec))
                if (f.path().extension() == ".tmp") fs::remove(f.path(), ec);
            page.push_back(Draw_Scene(e, s, size, o));
            if (page.back().px.empty()) {
                std::fprintf(stderr, "varnoth_scene_sheet: %d/%d: %s\n", e, s, page.back().note.c_str());
                ok = false;
            }
            if ((int)page.size() == kPerSheet) flush();
        }
        flush();
    }
    Reset_Game_State();
    fs::current_path(back);
    fs::remove_all(work, ec);
    return ok ? 0 : 1;
}
