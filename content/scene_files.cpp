#include "content/scene_files.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/error_box.h"
#include "content/scene_reset.h"
#include "content/text_reader.h"
#include "content/texture_list.h"

namespace {

// Collision codes of the grid.
constexpr char kColFree = 0;
constexpr char kColSolid = 1;
constexpr char kColSolidShootThru = 7;
constexpr char kColWater = 9;

constexpr int kLevelSecretLab = 36;
constexpr int kLevelBottomLab = 37;

// One record of an object file, as read.
struct ObjectValues {
    float geom[8];   // x, y, width, height, w, z, box_width, box_height
    float uv[8];     // u0 v0 u1 v1 u2 v2 u3 v3
    int id, score, anim_state, anim;
    float alpha;
    int linked_sprite, priority, type;
    bool grab_switch, mouseover;
    int sector, sector_action, onCreate, onCreate_action, rank, onDeath_action;
    float light;
    int global_flag;
};

struct ObjectHeader {
    int values[9]; // game_mode, count, no_of_keyframes, game_time, fade_in, fade_out, scene_shake, music_loop, g_type
};

bool ReadRecord(TextReader& r, ObjectValues& o) {
    for (float& f : o.geom)
        if (!r.Real(f)) return false;
    for (float& f : o.uv)
        if (!r.Real(f)) return false;
    return r.Int(o.id) && r.Int(o.score) && r.Int(o.anim_state) && r.Int(o.anim) && r.Real(o.alpha) &&
           r.Int(o.linked_sprite) && r.Int(o.priority) && r.Int(o.type) && r.Flag(o.grab_switch) &&
           r.Flag(o.mouseover) && r.Int(o.sector) && r.Int(o.sector_action) && r.Int(o.onCreate) &&
           r.Int(o.onCreate_action) && r.Int(o.rank) && r.Int(o.onDeath_action) && r.Real(o.light) &&
           r.Int(o.global_flag);
}

// Reads a whole object file: header, then `count` records, each with a texture slot of
// the current list. False on a missing value, a count over `max` or a slot beyond the list.
bool ReadObjectFile(TextReader& r, int max, ObjectHeader& h, std::vector<ObjectValues>& recs) {
    for (int& v : h.values)
        if (!r.Int(v)) return false;
    const int count = h.values[1];
    if (count < 0 || count > max) return false;
    recs.resize(count);
    for (ObjectValues& o : recs) {
        if (!ReadRecord(r, o)) return false;
        if (o.id < 0 || o.id >= numsubmtls) return false;
    }
    return true;
}

// Copies the values the file carries; other fields keep what the record held.
void ApplyRecord(object& s, const ObjectValues& o, bool keep_score) {
    s.x = o.geom[0];
    s.y = o.geom[1];
    s.width = o.geom[2];
    s.height = o.geom[3];
    s.w = o.geom[4];
    s.z = o.geom[5];
    s.box_width = o.geom[6];
    s.box_height = o.geom[7];
    for (int k = 0; k < 4; ++k) {
        s.u[k] = o.uv[2 * k];
        s.v[k] = o.uv[2 * k + 1];
    }
    s.id = o.id;
    if (Kind_Is_Animated(texture_fx[o.id])) s.fx_id = animation_fx[o.id];
    if (!keep_score) s.score = o.score;
    s.anim_state = o.anim_state;
    s.anim = o.anim;
    s.alpha = o.alpha;
    s.linked_sprite = o.linked_sprite;
    s.priority = o.priority;
    s.type = o.type;
    s.grab_switch = o.grab_switch;
    s.mouseover = o.mouseover;
    s.sector = o.sector;
    s.sector_action = o.sector_action;
    s.onCreate = o.onCreate;
    s.onCreate_action = o.onCreate_action;
    s.rank = o.rank;
    s.onDeath_action = o.onDeath_action;
    s.light = o.light;
    s.global_flag = o.global_flag;
}

// Points and nodes share one layout.
bool LoadPointFile(const std::string& path, a_point* table, int max, int& count, const char* box, bool inactive) {
    std::memset(table, 0, sizeof(a_point) * max);
    count = 0;
    TextReader r(path);
    if (!r.is_open()) {
        Error_Box(box);
        return true;
    }
    int n = 0;
    bool good = r.Int(n) && n >= 0 && n <= max;
    std::vector<a_point> read(good ? n : 0);
    for (int i = 0; good && i < n; ++i) {
        a_point& p = read[i];
        p = a_point{};
        good = r.Real(p.x) && r.Real(p.y) && r.Int(p.anim_state) && r.Int(p.anim) && r.Flag(p.active) &&
               r.Real(p.speed) && r.Int(p.score) && r.Int(p.c1) && r.Int(p.c2) && r.Int(p.c3) && r.Int(p.c4);
        if (inactive) p.active = false;
    }
    if (!good) {
        Error_Box(box);
        return true;
    }
    for (int i = 0; i < n; ++i) table[i] = read[i];
    count = n;
    return true;
}

} // namespace

char Tile_Collision(int t) {
    if (t >= 480 && t <= 483) return kColWater;
    if ((t >= 32 && t <= 287) || (t >= 496 && t <= 501)) return kColSolidShootThru;
    if (t == 0 && in_dungeon) return kColSolid;
    return kColFree;
}

bool Load_BG(sString sfilename) {
    std::memset(tiles, 0, sizeof(tiles));
    std::memset(map_col, 0, sizeof(map_col));
    std::memset(map_set, 0, sizeof(map_set));
    total_no_bottles = 0;
    TextReader r(std::string(sfilename.s) + ".bg");
    if (!r.is_open()) return true; // no map: an empty one of the previous size

    int width = 0, height = 0;
    bool good = r.Int(width) && r.Int(height) && width >= 0 && height >= 0 && width <= MAX_MAP && height <= MAX_MAP;
    const int cells = good ? width * height : 0;
    std::vector<int> t(cells);
    std::vector<int> set(cells);
    for (int i = 0; good && i < cells; ++i)
        good = r.Int(t[i]) && r.Int(set[i]) && set[i] >= 0 && set[i] <= 255; // a byte per cell
    if (!good) {
        Error_Box("Couldn't load sceneX.bg");
        return true;
    }

    MAP_WIDTH = width;
    MAP_HEIGHT = height;
    MAP_TILES = cells;
    const bool lab = Level == kLevelSecretLab || Level == kLevelBottomLab;
    for (int i = 0; i < cells; ++i) {
        int tile = t[i];
        map_set[i] = (unsigned char)set[i];
        map_col[i] = Tile_Collision(tile);
        if (tile == 502 || tile == 504) ++total_no_bottles;
        if (lab) {
            if (global_objects[20] == 1) {
                if ((tile >= 406 && tile <= 411) || (tile >= 454 && tile <= 459)) tile -= 16;
            } else if (global_objects[20] == 0) {
                if ((tile >= 390 && tile <= 395) || (tile >= 438 && tile <= 443)) tile += 16;
            }
        }
        tiles[i] = tile;
    }
    return true;
}

bool LoadPoints(sString sfilename) {
    return LoadPointFile(std::string(sfilename.s) + ".pt", points, MAX_POINTS, no_points, "Couldn't load scene.pnt",
                         true);
}

bool LoadNodes(sString sfilename) {
    return LoadPointFile(std::string(sfilename.s) + ".nde", nodes, MAX_NODES, no_nodes, "Couldn't load scene.nde",
                         false);
}

bool LoadHud(const char* filename) {
    TextReader r(filename);
    ObjectHeader h{};
    std::vector<ObjectValues> recs;
    if (!r.is_open() || !ReadObjectFile(r, MAX_HUD, h, recs)) {
        Error_Box("Couldn't load hud.dat");
        hud_no_sprites = 0;
    } else {
        hud_no_sprites = h.values[1];
        for (int i = 0; i < hud_no_sprites; ++i) {
            object& o = hud[i];
            ApplyRecord(o, recs[i], true);
            if (o.anim < 0 || o.anim > 149) o.anim = 0;
            if (o.cur < 0 || o.cur > 149) o.cur = 0;
            if (o.fx_id < 0 || o.fx_id > 49) o.fx_id = 0;
        }
    }
    message_x = hud[2].x;
    message_y = hud[2].y;
    message_width = hud[2].width;
    message_height = hud[2].height;
    return true;
}

bool Read_Object_File(const char* path) {
    TextReader r(path);
    ObjectHeader h{};
    std::vector<ObjectValues> recs;
    if (!r.is_open() || !ReadObjectFile(r, MAX_SPRITES, h, recs)) {
        Error_Box("Couldn't load sceneX.dat");
        no_sprites = 0;
        return false;
    }
    game_mode = h.values[0];
    no_sprites = h.values[1];
    no_of_keyframes = h.values[2];
    game_time = h.values[3];
    fade_in = h.values[4];
    fade_out = h.values[5];
    scene_shake = h.values[6];
    music_loop = h.values[7];
    g_type = h.values[8];
    for (int i = 0; i < no_sprites; ++i) {
        ApplyRecord(sprite[i], recs[i], false);
        sprite[i].base_anim = sprite[i].anim;
    }
    return true;
}
