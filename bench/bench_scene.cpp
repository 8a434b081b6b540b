// LoadScene on a full scene: 750 objects, a 150 by 150 tile map and 40 texture slots,
// loaded on the headless GL context. A camp walk scene (no snapshots) and an episode-2
// walk scene, whose every load also writes and restores its snapshot.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "content/writers/scene_writers.h"
#include "content/writers/tga_writer.h"
#include "main/startup.h"
#include "main/timer.h"
#include "platform/platform.h"

namespace {

bool Scene_Bench_Context() {
    if (platform::HasGLContext()) return true;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (!platform::VideoInit()) return false;
    if (!platform::CreateGameWindow("Varnoth", 0, 0, 256, 256, false)) return false;
    return platform::CreateGLContext(32);
}

void Write_Full_Scene(int e, int s) {
    const std::string base = "scene/episode" + std::to_string(e) + "/scene" + std::to_string(s);
    writers::Make_Dirs("scene/episode" + std::to_string(e));
    writers::Make_Dirs("scene/episode0");
    writers::Make_Dirs("Data/bench");
    for (int k = 0; k < 4; ++k) {
        writers::Image img(64, 64, writers::Rgba{(uint8_t)(40 * k), 120, 60, 255});
        const std::string name = "Data/bench/sheet" + std::to_string(k);
        writers::Write_TGA(name + ".tga", img);
        writers::AnimDef def;
        def.width = 0.25f;
        def.height = 0.25f;
        def.column = 4;
        def.frames = 16;
        for (int a = 0; a < 40; ++a) def.anims.push_back({a % 16, (a + 3) % 16, (a + 7) % 16});
        writers::Write_Anim_Def(name + ".dat", def);
    }
    std::vector<writers::TextureSlot> slots;
    for (int i = 0; i < 40; ++i) slots.push_back({i % 5 == 0 ? 0 : 2, "Data/bench/sheet" + std::to_string(i % 4)});
    writers::Write_Texture_List(base + ".txd", slots);

    writers::TileMap map;
    map.width = map.height = 150;
    map.tiles.resize(150 * 150);
    for (int i = 0; i < 150 * 150; ++i) map.tiles[i] = (i % 97 == 0) ? 40 : (i % 13);
    writers::Write_Tile_Map(base + ".bg", map);

    std::vector<writers::Point> pts;
    writers::Point spawn;
    spawn.c1 = CAM_P1;
    pts.push_back(spawn);
    for (int i = 0; i < 60; ++i) {
        writers::Point p;
        p.c1 = (i % 3 == 0) ? PATROL_PNT : ROOM_PNT;
        p.x = -6.0f + 0.2f * i;
        p.y = 3.0f;
        pts.push_back(p);
    }
    writers::Write_Points(base + ".pt", pts);
    writers::Write_Points(base + ".nde", std::vector<writers::Point>(40));
    writers::Dialogue d;
    d.groups = {{0, 1}};
    d.lines = {{1, "Go", "Now"}, {2, "_", "_"}};
    writers::Write_Dialogue(base + ".txt", d);

    writers::SceneHeader h;
    h.game_mode = MODE_WALK;
    h.music_loop = 3;
    h.fade_in = 3;
    h.g_type = 4;
    std::vector<writers::ObjectRec> objs(750);
    const int types[] = {UNT, UNT, OBJ, DOR, TRI, BAG, OBJ, UNT};
    for (int i = 0; i < 750; ++i) {
        writers::ObjectRec& o = objs[i];
        o.type = types[i % 8];
        o.x = o.w = -7.0f + 0.5f * (float)(i % 28);
        o.y = o.z = -7.0f + 0.5f * (float)(i / 28);
        o.width = o.height = 0.2f;
        o.box_width = o.box_height = 0.1f;
        o.id = 1 + i % 39;
        o.rank = 1 + i % 4;
        o.onDeath_action = -1;
        o.grab_switch = i % 2;
        o.sector_action = (o.type == OBJ) ? ((i % 16 == 2) ? OBJ_LIGHT1 : 5) : 0;
        o.anim = i % 8;
        o.anim_state = 2;
    }
    writers::Write_Object_File(base + ".dat", h, objs);

    writers::SceneHeader hh;
    std::vector<writers::ObjectRec> items(75);
    writers::Write_Object_File("scene/episode0/scene3.dat", hh, items);
}

class Scene_Bench_Dir {
public:
    Scene_Bench_Dir() {
        char tmpl[] = "/tmp/varnoth_bench_scene_XXXXXX";
        if (mkdtemp(tmpl)) dir_ = tmpl;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        platform::SetRecordMessageBoxes(true);
        Allocate_Records();
        TimerInit();
    }
    ~Scene_Bench_Dir() {
        Free_Records();
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

private:
    std::filesystem::path dir_, old_;
};

void Run_Load(benchmark::State& state, int e, int s) {
    if (!Scene_Bench_Context()) {
        state.SkipWithError("no GL context");
        return;
    }
    Scene_Bench_Dir dir;
    Write_Full_Scene(e, s);
    episode = e;
    scene = s;
    if (!LoadScene(e, s, false)) {
        state.SkipWithError("the scene did not load");
        return;
    }
    for (auto _ : state) {
        episode = e;
        scene = s;
        current_spawn = -1;
        benchmark::DoNotOptimize(LoadScene(e, s, true));
    }
    state.counters["objects"] = no_sprites;
}

void BM_LoadScene_FullCampScene(benchmark::State& state) { Run_Load(state, 1, 200); }
void BM_LoadScene_FullSceneWithSnapshot(benchmark::State& state) { Run_Load(state, 2, 3); }

} // namespace

BENCHMARK(BM_LoadScene_FullCampScene)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadScene_FullSceneWithSnapshot)->Unit(benchmark::kMillisecond);
