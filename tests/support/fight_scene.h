// A walk scene of a pitched fight, written with the content writers and loaded by the real
// scene loader: a 150 by 150 map with broken walls, the player at its centre and 300 armed
// units of both sides around him. Shared by the fight's replay test and the benchmarks.
//
// Call from a fresh working folder with records allocated, a virtual clock and a GL
// context: Write_Fight_Scene(), then Load_Fight_Scene(), then Fight_Pass() as often as
// wanted. Fight_State_Hash() sums up every unit's and effect's state.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "combat/awareness.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "content/writers/scene_writers.h"
#include "content/writers/tga_writer.h"
#include "main/frame_loop.h"
#include "platform/platform.h"

namespace fight_scene {

constexpr int EPISODE = 2, SCENE = 3;
constexpr int UNITS = 300;
constexpr int MAP = 150;
constexpr int WALL_TILE = 40; // a shoot-through wall

// Tile of cell (col, row): broken walls in rings around the centre, so that units heading
// for a noise often have to walk round them.
inline int Fight_Tile(int col, int row) {
    const int dc = col - MAP / 2, dr = row - MAP / 2;
    const int ring = std::max(std::abs(dc), std::abs(dr));
    if ((ring == 6 || ring == 12 || ring == 19) && ((col * 7 + row * 3) % 11) > 3) return WALL_TILE;
    if (dc == 25 && std::abs(dr) < 20) return WALL_TILE; // a long wall on the enemy's side
    return 1;
}

inline bool Write_Fight_Scene() {
    const std::string base = "scene/episode" + std::to_string(EPISODE) + "/scene" + std::to_string(SCENE);
    writers::Make_Dirs("scene/episode" + std::to_string(EPISODE));
    writers::Make_Dirs("scene/episode0");
    writers::Make_Dirs("Data/fight");
    writers::Image img(32, 32, writers::Rgba{150, 120, 70, 255});
    if (!writers::Write_TGA("Data/fight/sheet.tga", img)) return false;
    writers::AnimDef def;
    def.width = 0.25f;
    def.height = 0.25f;
    def.column = 4;
    def.frames = 16;
    def.delay.assign(16, 60);
    for (int a = 0; a < 40; ++a) def.anims.push_back({a % 16, (a + 1) % 16, (a + 2) % 16, (a + 3) % 16});
    if (!writers::Write_Anim_Def("Data/fight/sheet.dat", def)) return false;
    std::vector<writers::TextureSlot> slots(40, writers::TextureSlot{2, "Data/fight/sheet"});
    if (!writers::Write_Texture_List(base + ".txd", slots)) return false;

    writers::TileMap map;
    map.width = map.height = MAP;
    map.tiles.resize((size_t)MAP * MAP);
    for (int r = 0; r < MAP; ++r)
        for (int c = 0; c < MAP; ++c) map.tiles[(size_t)r * MAP + c] = Fight_Tile(c, r);
    if (!writers::Write_Tile_Map(base + ".bg", map)) return false;

    writers::Point spawn;
    spawn.c1 = CAM_P1;
    spawn.x = spawn.y = 0.02f;
    spawn.c2 = 2;
    std::vector<writers::Point> pts{spawn};
    for (int i = 0; i < 8; ++i) {
        writers::Point p;
        p.c1 = PATROL_PNT;
        p.x = -2.0f + 0.5f * (float)i;
        p.y = 1.8f;
        pts.push_back(p);
    }
    if (!writers::Write_Points(base + ".pt", pts)) return false;
    if (!writers::Write_Points(base + ".nde", {})) return false;
    writers::Dialogue d;
    d.groups = {{0}};
    d.lines = {{1, "Hold", "Go"}};
    if (!writers::Write_Dialogue(base + ".txt", d)) return false;

    writers::SceneHeader h;
    h.game_mode = MODE_WALK;
    h.music_loop = 3;
    h.fade_in = 3;
    h.g_type = 4;
    std::vector<writers::ObjectRec> objs;
    const int classes[] = {GUNNER, GUNNER, CHIEF, GUNNER, UNIT_SHOTGUN, GUNNER};
    for (int i = 0; i < UNITS; ++i) {
        // Buddies (side 0) on the west half, the enemy (side 1) on the east half, in rings
        // from 0.5 to 2.6 units off the player, a unit every few degrees.
        const int side = i % 2;
        const int k = i / 2;
        const float radius = 0.5f + 0.14f * (float)(k % 16);
        const float a = (side ? -1.4f : 1.75f) + 0.0196f * (float)(k / 16) * 9.0f + 0.01f * (float)(k % 16);
        writers::ObjectRec o;
        o.type = UNT;
        o.sector = classes[i % 6];
        o.linked_sprite = side;
        o.rank = 1 + i % 3;
        o.onDeath_action = -1;
        o.grab_switch = 1; // can be hit
        o.x = o.w = radius * std::cos(a);
        o.y = o.z = radius * std::sin(a);
        o.width = o.height = 0.2f;
        o.box_width = o.box_height = 0.05f;
        o.id = 5 + i % 6;
        o.anim = 0;
        objs.push_back(o);
    }
    for (int i = 0; i < 6; ++i) {
        writers::ObjectRec lamp;
        lamp.type = OBJ;
        lamp.sector_action = OBJ_LIGHT1;
        lamp.linked_sprite = 1;
        lamp.x = lamp.w = -1.5f + 0.6f * (float)i;
        lamp.y = lamp.z = -0.9f;
        lamp.width = lamp.height = lamp.box_width = lamp.box_height = 0.1f;
        lamp.id = 3;
        objs.push_back(lamp);
    }
    if (!writers::Write_Object_File(base + ".dat", h, objs)) return false;

    writers::SceneHeader hh;
    std::vector<writers::ObjectRec> items(60);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].x = items[i].w = -0.9f + 0.01f * (float)i;
        items[i].y = items[i].z = 0.5f;
        items[i].width = items[i].height = items[i].box_width = items[i].box_height = 0.05f;
    }
    return writers::Write_Object_File("scene/episode0/scene3.dat", hh, items);
}

// Loads the scene afresh (no snapshot of an earlier visit) and ends its fade-in.
inline bool Load_Fight_Scene() {
    old_episode = 0;
    std::error_code ec;
    std::filesystem::remove("scene/episode" + std::to_string(EPISODE) + "/scene" + std::to_string(SCENE) + ".tmp", ec);
    episode = EPISODE;
    scene = SCENE;
    current_spawn = -1;
    if (!LoadScene(EPISODE, SCENE, true)) return false;
    if (p1_id == -1) return false;
    fade = 1.0f;
    next_scene = false;
    quit_active = false;
    sprite[p1_id].score = 100;
    return true;
}

// One pass of the frame loop one millisecond after the last.
inline void Fight_Pass() {
    platform::AdvanceVirtualClock(1);
    Frame_Pass();
}

inline void Mix(uint64_t& h, const void* p, size_t n) {
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
}
template <class T> void Mix(uint64_t& h, const T& v) { Mix(h, &v, sizeof v); }

// The state of one sprite that the AI and combat decide: place, heading, goal, path, target,
// status, health, animation.
inline uint64_t Sprite_State_Hash(const object& o) {
    uint64_t h = 1469598103934665603ull;
    Mix(h, o.type), Mix(h, o.x), Mix(h, o.y), Mix(h, o.w), Mix(h, o.z), Mix(h, o.angle);
    Mix(h, o.status), Mix(h, o.score), Mix(h, o.moving), Mix(h, o.fire_target), Mix(h, o.special);
    Mix(h, o.mov_x), Mix(h, o.mov_y), Mix(h, o.end_x), Mix(h, o.end_y);
    Mix(h, o.node_count), Mix(h, o.node_counter), Mix(h, o.node_list);
    Mix(h, o.anim), Mix(h, o.anim_state), Mix(h, o.spotted), Mix(h, o.all_timer), Mix(h, o.col_timer);
    Mix(h, o.emy_shooting), Mix(h, o.turning), Mix(h, o.alpha);
    return h;
}

inline uint64_t Fight_State_Hash() {
    uint64_t h = 1469598103934665603ull;
    Mix(h, no_sprites), Mix(h, no_fx), Mix(h, noise_x), Mix(h, noise_y), Mix(h, noise_maker);
    for (int i = 0; i < no_sprites && i < MAX_SPRITES; ++i) Mix(h, Sprite_State_Hash(sprite[i]));
    for (int i = 0; i < no_fx && i < MAX_FX; ++i) Mix(h, Sprite_State_Hash(Fx[i]));
    return h;
}

// Units of the scene still standing.
inline int Standing_Units() {
    int n = 0;
    for (int i = 0; i < no_sprites && i < MAX_SPRITES; ++i)
        if (sprite[i].type == UNT && sprite[i].score > 0) n++;
    return n;
}

} // namespace fight_scene
