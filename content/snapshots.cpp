#include "content/snapshots.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "content/text_reader.h"
#include "content/texture_list.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/sprite_construction.h"
#include "world/unit_animation.h"

namespace {

enum field_kind { REAL, INT, FLAG, CHAR };
struct field {
    field_kind kind;
    std::size_t offset;
};
#define F(kind, name) field{kind, offsetof(object, name)}

// The 44 values of a kept sprite, in file order.
constexpr field sprite_fields[] = {
    F(REAL, x), F(REAL, y), F(REAL, w), F(REAL, z), F(REAL, width), F(REAL, height),
    F(REAL, box_width), F(REAL, box_height), F(INT, score), F(FLAG, grab_switch),
    F(FLAG, mouseover), F(FLAG, turn_off), F(INT, fx_id), F(INT, id), F(FLAG, moving),
    F(INT, guys_mine), F(INT, cur), F(INT, frame), F(INT, anim), F(INT, anim_state),
    F(REAL, alpha), F(REAL, light), F(INT, linked_sprite), F(INT, priority), F(INT, sector),
    F(INT, sector_action), F(REAL, angle), F(INT, onCreate), F(INT, onCreate_action),
    F(INT, rank), F(INT, onDeath_action), F(INT, status), F(CHAR, special), F(FLAG, file_full),
    F(REAL, mov_x), F(REAL, mov_y), F(REAL, end_x), F(REAL, end_y), F(INT, grenaded),
    F(FLAG, bagging), F(INT, fire_target), F(FLAG, emy_shooting), F(INT, all_timer),
    F(FLAG, splatted),
};
static_assert(sizeof(sprite_fields) / sizeof(field) == 44);
constexpr int GUYS_MINE_FIELD = 15; // fx_id is taken from the slot right after this value

// The 36 values of an effect, in file order.
constexpr field fx_fields[] = {
    F(REAL, width), F(REAL, height), F(REAL, box_width), F(REAL, box_height), F(REAL, x),
    F(REAL, y), F(REAL, w), F(REAL, z), F(INT, anim), F(INT, cur), F(REAL, cur_time), F(INT, id),
    F(INT, fx_id), F(REAL, alpha), F(INT, frame), F(INT, type), F(INT, anim_state),
    F(INT, priority), F(FLAG, mouseover), F(FLAG, grab_switch), F(INT, linked_sprite),
    F(REAL, angle), F(INT, sector), F(REAL, light), F(INT, sector_action), F(INT, tile_row),
    F(INT, value), F(INT, value1), F(INT, value2), F(INT, item_type), F(REAL, spin),
    F(REAL, distance), F(REAL, angle2), F(INT, action_timer), F(FLAG, turn_off),
    F(INT, sparkle_timer),
};
static_assert(sizeof(fx_fields) / sizeof(field) == 36);
#undef F

void Write_Field(std::FILE* f, const object& o, const field& d) {
    const char* p = reinterpret_cast<const char*>(&o) + d.offset;
    switch (d.kind) {
    case REAL: { float v; std::memcpy(&v, p, sizeof v); std::fprintf(f, "%f\n", v); break; }
    case INT: { int v; std::memcpy(&v, p, sizeof v); std::fprintf(f, "%i\n", v); break; }
    case FLAG: { bool v; std::memcpy(&v, p, sizeof v); std::fprintf(f, "%i\n", v ? 1 : 0); break; }
    case CHAR: { char v; std::memcpy(&v, p, sizeof v); std::fprintf(f, "%i\n", (int)(signed char)v); break; }
    }
}

bool Read_Field(TextReader& r, object& o, const field& d) {
    char* p = reinterpret_cast<char*>(&o) + d.offset;
    switch (d.kind) {
    case REAL: { float v; if (!r.Real(v)) return false; std::memcpy(p, &v, sizeof v); return true; }
    case INT: { int v; if (!r.Int(v)) return false; std::memcpy(p, &v, sizeof v); return true; }
    case FLAG: { bool v; if (!r.Flag(v)) return false; std::memcpy(p, &v, sizeof v); return true; }
    case CHAR: {
        int v;
        if (!r.Int(v) || v < -128 || v > 127) return false;
        char c = (char)v;
        std::memcpy(p, &c, sizeof c);
        return true;
    }
    }
    return false;
}

// A kept sprite stores its full state; for type 3 the kind decides, as the record holds it.
bool Is_Kept(int type, const object& record) {
    return type == UNT || type == DOR || type == BAG ||
           (type == OBJ && record.sector_action == OBJ_LIGHT1);
}

bool Animated_Slot(int id) {
    return id >= 0 && id < MAX_TEXTURE_SLOTS && Kind_Is_Animated(texture_fx[id]);
}

// Centre cell of a sprite's collision box, -1 off the map.
int Centre_Cell(const object& o) { return Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2); }
void Set_Cell(int col, int row, char code) {
    const int c = Cell_Index(col, row);
    if (c >= 0) map_col[c] = code;
}

uint32_t Mix(uint32_t h, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        h ^= (v >> (8 * i)) & 0xFFu;
        h *= 16777619u;
    }
    return h;
}
uint32_t Mix_Float(uint32_t h, float f) {
    uint32_t v;
    std::memcpy(&v, &f, sizeof v);
    return Mix(h, v);
}

// Everything read from a snapshot, checked before any of it is applied.
struct snapshot {
    long stamp = 0;
    int sprite_count = 0;
    int player = -1;
    std::vector<object> sprites;
    std::vector<bool> kept;
    int point_count = 0;
    a_point pts[MAX_POINTS];
    int fx_count = 0;
    std::vector<object> effects;
    uint32_t signature = 0;
};

bool Skip_Values(TextReader& r, long n) {
    float v;
    for (long i = 0; i < n; ++i)
        if (!r.Real(v)) return false;
    return true;
}

// Reads and checks the whole file; false when it is missing, damaged or of another scene.
bool Read_Snapshot(const char* filename, snapshot& s) {
    TextReader r(filename);
    if (!r.is_open()) return false;
    int stamp = 0;
    if (!r.Int(stamp) || !r.Int(s.sprite_count) || !r.Int(s.player)) return false;
    s.stamp = stamp;
    if (s.sprite_count < 0 || s.sprite_count > MAX_SPRITES) return false;
    if (s.player < -1 || s.player >= s.sprite_count) return false;

    s.sprites.resize(s.sprite_count);
    s.kept.assign(s.sprite_count, false);
    for (int i = 0; i < s.sprite_count; ++i) {
        object o = sprite[i];
        if (!r.Int(o.type)) return false;
        if (Is_Kept(o.type, sprite[i])) {
            s.kept[i] = true;
            for (const field& d : sprite_fields)
                if (!Read_Field(r, o, d)) return false;
        }
        s.sprites[i] = o;
    }

    int np = 0;
    if (!r.Int(np) || np < 0) return false;
    s.point_count = np > MAX_POINTS ? MAX_POINTS : np;
    std::memset(s.pts, 0, sizeof(s.pts));
    for (int i = 0; i < s.point_count; ++i) {
        a_point& p = s.pts[i];
        if (!(r.Real(p.x) && r.Real(p.y) && r.Int(p.anim_state) && r.Int(p.anim) && r.Flag(p.active) &&
              r.Real(p.speed) && r.Int(p.score) && r.Int(p.c1) && r.Int(p.c2) && r.Int(p.c3) && r.Int(p.c4)))
            return false;
    }
    if (!Skip_Values(r, (long)(np - s.point_count) * 11)) return false;

    int nf = 0;
    if (!r.Int(nf) || nf < 0) return false;
    s.fx_count = nf > MAX_FX ? MAX_FX : nf;
    s.effects.resize(s.fx_count);
    for (int i = 0; i < s.fx_count; ++i) {
        object o = Fx[i];
        for (const field& d : fx_fields)
            if (!Read_Field(r, o, d)) return false;
        s.effects[i] = o;
    }
    if (!Skip_Values(r, (long)(nf - s.fx_count) * 36)) return false;

    int sig = 0;
    if (!r.Int(sig)) return false;
    s.signature = (uint32_t)sig;
    return r.AtEnd() && s.signature == scene_file_signature;
}

void Apply_Snapshot(snapshot& s) {
    if (Level == LVL_TRAINING && current_main == 1) total_success_condition = 0;
    std::memset(player_list, 0, sizeof(player_list));
    std::memset(door_list, 0, sizeof(door_list));
    player_counter = 0;
    door_counter = 0;
    enemy_count = 0;

    global_time = s.stamp;
    const int shift = Now() - (int)s.stamp;

    no_sprites = s.sprite_count;
    p1_id = s.player;
    for (int i = 0; i < no_sprites; ++i) {
        object& o = sprite[i];
        o = s.sprites[i];
        if (!s.kept[i]) continue;
        if (Animated_Slot(o.id)) o.fx_id = animation_fx[o.id];
        o.all_timer += shift;
        o.flash_target = false;
        o.flash_timer = 0;
        o.dflash_timer = 0;
        o.death_flash = false;
        o.spotted_timer = 0;
        o.spotted = false;
    }

    for (int i = 0; i < no_sprites; ++i) {
        object& o = sprite[i];
        if (o.type == DOR && o.score <= 0) {
            const int col = Cell_Column(o.w + o.box_width / 2), row = Cell_Row(o.z + o.box_height / 2);
            Set_Cell(col, row, COL_FREE);
            if (o.sector_action == door_type::DOUBLE) Set_Cell(col + 1, row + 1, COL_FREE);
            if (o.sector_action == door_type::DOUBLE_BACK) Set_Cell(col - 1, row + 1, COL_FREE);
        }
        if (i != p1_id && o.linked_sprite != player_type && o.type == UNT && o.score > 0 && in_dungeon)
            enemy_count += 1;
        if (o.type == BAG && o.score > 0 && o.sector != SIGNPOST && Level == LVL_TRAINING && current_main == 1)
            total_success_condition += 1;
        if (o.type == UNT || o.type == BAG) {
            o.alpha = 1.0f;
            if (o.type == UNT && (o.sector == UNIT_SKELETON || o.sector == UNIT_DEAD_CHIEF)) o.score = 20;
            if (o.type == UNT && i != p1_id && o.score > 0) {
                const int c = Centre_Cell(o);
                if (c >= 0) map_col[c] = COL_FOOTPRINT;
            }
            if (o.type == BAG) o.status = STATUS_IDLE;
            if (o.type == BAG && i != p1_id && o.score <= 0 && o.sector != UNIT_ARMOUR_TANK)
                Generate_Object_Collision(i, true);
            if (i == p1_id) {
                o.grab_switch = true;
                o.score = old_health;
                o.grenaded = 0;
                o.bagging = false;
            }
            if (player_counter < PLAYER_LIST_SIZE && (o.type == UNT || o.score > 0))
                player_list[player_counter++] = i;
        }
        if (player_counter < PLAYER_LIST_SIZE && o.type == OBJ && o.sector_action > 0)
            player_list[player_counter++] = i;
        if (player_counter < PLAYER_LIST_SIZE && o.type == BOX) player_list[player_counter++] = i;
        if (door_counter < DOOR_LIST_SIZE && o.type == DOR && game_mode == MODE_WALK) {
            o.linked_sprite = 1;
            o.status = STATUS_IDLE;
            door_list[door_counter++] = i;
        }
        if (o.anim_state != 0) Set_Sprite(i, o.anim, o.anim_state, 0, false);
        Animation_System(i, false, false, false, false);
    }

    std::memset(points, 0, sizeof(points));
    no_points = s.point_count;
    for (int i = 0; i < no_points; ++i) points[i] = s.pts[i];

    no_fx = s.fx_count;
    for (int i = 0; i < no_fx; ++i) {
        object& e = Fx[i];
        e = s.effects[i];
        if (e.type == PKU) e.sparkle_timer += shift;
        e.action_timer += shift;
        e.cur_time += (float)shift;
    }
}

} // namespace

uint32_t Scene_File_Signature(int count) {
    if (count < 0) count = 0;
    if (count > MAX_SPRITES) count = MAX_SPRITES;
    uint32_t h = Mix(2166136261u, (uint32_t)count);
    for (int i = 0; i < count; ++i) {
        const object& o = sprite[i];
        h = Mix(h, (uint32_t)o.type);
        h = Mix(h, (uint32_t)o.id);
        h = Mix(h, (uint32_t)o.sector);
        h = Mix(h, (uint32_t)o.sector_action);
        h = Mix_Float(h, o.x);
        h = Mix_Float(h, o.y);
    }
    return h;
}

bool DumpTemp(char* filename) {
    if (!filename || !sprite || !Fx) return false;
    const std::string part = std::string(filename) + ".part";
    std::FILE* f = std::fopen(part.c_str(), "w");
    if (!f) return false;

    global_time = (long)Now();
    std::fprintf(f, "%li\n", global_time);
    const int count = no_sprites < 0 ? 0 : (no_sprites > MAX_SPRITES ? MAX_SPRITES : no_sprites);
    const int player = (p1_id >= 0 && p1_id < count) ? p1_id : -1;
    std::fprintf(f, "%i\n%i\n", count, player);
    for (int i = 0; i < count; ++i) {
        const object& o = sprite[i];
        std::fprintf(f, "%i\n", o.type);
        if (Is_Kept(o.type, o))
            for (const field& d : sprite_fields) Write_Field(f, o, d);
    }

    if (no_points > MAX_POINTS) no_points = MAX_POINTS;
    const int np = no_points < 0 ? 0 : no_points;
    std::fprintf(f, "%i\n", np);
    for (int i = 0; i < np; ++i) {
        const a_point& p = points[i];
        std::fprintf(f, "%f\n%f\n%i\n%i\n%i\n%f\n%i\n%i\n%i\n%i\n%i\n", p.x, p.y, p.anim_state, p.anim,
                     p.active ? 1 : 0, p.speed, p.score, p.c1, p.c2, p.c3, p.c4);
    }
    if (no_fx > MAX_FX) no_fx = MAX_FX;
    const int nf = no_fx < 0 ? 0 : no_fx;
    std::fprintf(f, "%i\n", nf);
    for (int i = 0; i < nf; ++i)
        for (const field& d : fx_fields) Write_Field(f, Fx[i], d);
    std::fprintf(f, "%i\n", (int)scene_file_signature);

    const bool written = std::ferror(f) == 0;
    if (std::fclose(f) != 0 || !written) {
        std::remove(part.c_str());
        return false;
    }
    if (std::rename(part.c_str(), filename) != 0) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

namespace {
// Large, so not on the stack; loads are single-threaded.
snapshot matched_snapshot;
snapshot loaded_snapshot;
KEEP_FRESH(matched_snapshot, loaded_snapshot);
} // namespace

bool Temp_Matches(char* filename) {
    if (!filename || !sprite || !Fx) return false;
    return Read_Snapshot(filename, matched_snapshot);
}

bool LoadTemp(char* filename) {
    if (!filename || !sprite || !Fx) return false;
    if (!Read_Snapshot(filename, loaded_snapshot)) return false;
    Apply_Snapshot(loaded_snapshot);
    return true;
}

bool HasTemp(char* filename) {
    if (!filename) return false;
    std::FILE* f = std::fopen(filename, "r");
    if (!f) return false;
    std::fclose(f);
    return true;
}

void Remove_Temps(int type) {
    char name[256];
    if (type != 2) {
        for (int s = 0; s <= 11; ++s) {
            std::snprintf(name, sizeof name, "scene/episode2/scene%i.tmp", s);
            std::remove(name);
        }
        for (int s = 0; s <= 37; ++s) {
            if (s == 20) continue;
            std::snprintf(name, sizeof name, "scene/episode3/scene%i.tmp", s);
            std::remove(name);
        }
    }
    if (type == 0 || type == 2) std::remove("scene/episode3/scene20.tmp");
}
