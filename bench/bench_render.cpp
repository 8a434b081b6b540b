// One whole frame (both drawing passes) of a full scene at 1024 by 768 on the headless GL
// context (Mesa llvmpipe under SDL's offscreen driver): a night walk scene with ten lamps,
// 400 world sprites and 150 effects in view or near it, the HUD, the radar and 20 text slots.
// Run: SDL_VIDEODRIVER=offscreen ./varnoth_bench --benchmark_filter=Frame
// First figures (8 cores, llvmpipe, machine shared with other builds): about 7.5 ms of wall
// time per frame when the lists and the tile map are reused as in play, about 9.5 ms when
// every frame rebuilds them; about 4 ms of it on the calling thread.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "main/frame_loop.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "process_cpu.h"
#include "render/draw.h"
#include "support/render_fixture.h"
#include "world/sprite_construction.h"

namespace {

bool Open_Context() {
    static bool open = false;
    if (open) return true;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (!platform::VideoInit()) return false;
    if (!platform::CreateGameWindow("Varnoth", 0, 0, 1024, 768, false)) return false;
    if (!platform::CreateGLContext(32)) return false;
    glViewport(0, 0, 1024, 768);
    InitGL();
    open = true;
    return true;
}

void Build_Full_Scene() {
    using namespace render_fixture;
    Build_Scene();
    srand(11);
    auto rnd = [](float lo, float hi) { return lo + (hi - lo) * (float)(rand() % 1000) / 1000.0f; };
    for (int i = 0; i < 9; ++i) {
        object& lamp = Add_Sprite(SLOT_PLAIN, rnd(-1.5f, 1.5f), rnd(-1.0f, 1.0f), 0.1f, 0.1f, 3, OBJ);
        lamp.sector_action = OBJ_LIGHT1;
        draw_light_list[draw_light_count++] = no_sprites - 1;
    }
    const int kinds[] = {SLOT_SHEET, SLOT_SHEET, SLOT_SHEET, SLOT_PLAIN, SLOT_MULTIPLY};
    while (no_sprites < 400) {
        int slot = kinds[rand() % 5];
        object& o = Add_Sprite(slot, rnd(-1.6f, 1.4f), rnd(-1.2f, 1.0f), 0.2f, 0.25f, rand() % 7,
                               rand() % 3 == 0 ? UNT : OBJ);
        o.frame = rand() % 8;
        o.angle = rnd(-3.0f, 3.0f);
        o.linked_sprite = rand() % 2;
        o.score = 10;
        o.status = 1;
        if (o.type == UNT && player_counter < 400) player_list[player_counter++] = no_sprites - 1;
    }
    while (no_fx < 150) {
        object& e = Add_Fx(rand() % 2 ? SLOT_SHEET : SLOT_PLAIN, rnd(-1.6f, 1.4f), rnd(-1.2f, 1.0f),
                           0.1f, 0.1f, rand() % 4, GFX);
        e.angle = rnd(0.0f, 360.0f);
        e.frame = rand() % 8;
    }
    for (int i = 0; i < 40; ++i)
        if (i != 1 && i != 2 && i != 6)
            Set_Hud(i, i % 2 ? SLOT_PANEL : SLOT_SHEET, rnd(-1.0f, 0.9f), rnd(-0.75f, 0.65f), 0.1f,
                    0.1f, i % 6).frame = i % 8;
    for (int s = 0; s < 20; ++s) {
        font& f = counter[s];
        f.x = -0.9f, f.y = 0.7f - 0.07f * (float)s, f.width = 0.012f, f.height = 0.02f;
        f.id = SLOT_FONT, f.alpha = 1.0f;
        std::snprintf(f.word, sizeof f.word, "Slot %i: the quick brown fox can&t^jump 1234567890", s);
    }
}

void Frame(benchmark::State& state, double ms_per_frame) {
    if (!Open_Context()) {
        state.SkipWithError("no GL context");
        return;
    }
    Allocate_Records();
    platform::UseVirtualClock(true);
    TimerInit();
    render_fixture::Make_Textures();
    Build_Full_Scene();
    platform::AdvanceVirtualClock(1);
    const double cpu0 = Process_Cpu_Ms();
    long frames = 0;
    for (auto _ : state) {
        render_fixture::Draw_Frame();
        glFinish();
        platform::AdvanceVirtualClock(ms_per_frame);
        frames++;
    }
    state.counters["visible"] = new_no_sprites;
    state.counters["cpu_ms"] = frames ? (Process_Cpu_Ms() - cpu0) / (double)frames : 0.0;
    if (BGList != 0) glDeleteLists(BGList, 1);
    BGList = 0;
    Free_Records();
}

// A frame every 16 ms: the lists are refreshed every 50 ms and the light grid and tile map
// every 400 ms, as in play.
void BM_Frame_1024x768_Steady(benchmark::State& state) { Frame(state, 16.0); }
// Every frame refreshes the lists and rebuilds the light grid and the tile map.
void BM_Frame_1024x768_AllRebuilds(benchmark::State& state) { Frame(state, 401.0); }

BENCHMARK(BM_Frame_1024x768_Steady)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame_1024x768_AllRebuilds)->Unit(benchmark::kMillisecond);

} // namespace
