// Late level events of episode 3: the shaking fortress (scenes 22 and 23) with its torches,
// thuds and switched markers, and the two target scenes (24 and 25).
#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/speech.h"
#include "render/font.h"
#include "scripts/level_events.h"
#include "scripts/level_helpers.h"
#include "scripts/story_scenes.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/effects.h"
#include "world/world_services.h"

namespace {

bool In_Scene(int k) { return sprite && k >= 0 && k < no_sprites && k < MAX_SPRITES; }
bool Scene_Point(int k) { return k >= 0 && k < no_points && k < MAX_POINTS; }
void Set_Point(int k, bool on) {
    if (Scene_Point(k)) points[k].active = on;
}

// Torch tile codes and the effect animation each kind gives.
struct torch_tile {
    int code;
    int anim;
};
constexpr torch_tile torch_tiles[] = {
    {390, 27}, {392, 27}, {394, 27}, {438, 28}, {440, 28}, {442, 28},
};

int Torch_Anim(int code) {
    for (const torch_tile& t : torch_tiles)
        if (t.code == code) return t.anim;
    return -1;
}

int Clamp(int v, int hi) { return v < 0 ? 0 : (v > hi ? hi : v); }

// The beat of the fortress scenes: step 0 acts and waits `first`, step 1 waits `second`.
void Beat(int first, int second, void (*act)()) {
    if (Timed_Step(0)) {
        act();
        Next_Step(first);
    } else if (Timed_Step(1)) {
        title_sequence = 0;
        title_timer = Script_Now() + second;
    }
}

// ---- Target scenes ----

// A marker switched on while any of its sprites stands (always, with no sprite listed).
struct target_marker {
    int point;
    int sprites[4];  // -1 for unused entries
};

struct target_scene {
    int targets[10];
    int target_total;
    int flag;
    int markers_off[3];  // -1 for unused entries
    target_marker markers_on[3];
    int marker_total;
    bool all_fall_together;  // the first fallen target brings the others down with a blast chain
    int chain_sprite;
};

constexpr target_scene trench_targets = {
    {6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 10, 34, {11, 12, 13},
    {{11, {8, 9, -1, -1}}, {12, {10, 11, 12, 13}}, {13, {6, 7, 14, 15}}}, 3, false, -1,
};
constexpr target_scene depot_targets = {
    {71, 72, 73}, 3, 35, {15, -1, -1},
    {{15, {-1, -1, -1, -1}}}, 1, true, 73,
};

bool Standing(int k) { return In_Scene(k) && sprite[k].score > 0; }

void Destroy_Target(int k) {
    if (!In_Scene(k)) return;
    object& o = sprite[k];
    Generate_Object_Collision(k, true);
    Set_Sprite(k, o.base_anim + 2, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    o.score = 0;
    o.grab_switch = false;
}

void Destroy_All(const target_scene& t) {
    for (int i = 0; i < t.target_total; ++i) Destroy_Target(t.targets[i]);
}

void Target_Success(const target_scene& t) {
    door_open_sfx = true;
    if (In_Scene(p1_id)) Display_Message(p1_id, MSG_TRENCHWAR);
    global_objects[t.flag] = 1;
}

void Run_Target_Scene(const target_scene& t) {
    for (int k : t.markers_off) Set_Point(k, false);
    if (Untimed_Step(0)) {
        if (global_objects[t.flag] == 1) Destroy_All(t);
        title_sequence = 1;
    }
    target_count = 0;
    if (global_objects[t.flag] == 0) {
        for (int m = 0; m < t.marker_total; ++m) {
            const target_marker& mk = t.markers_on[m];
            bool on = mk.sprites[0] < 0;
            for (int k : mk.sprites)
                if (k >= 0 && Standing(k)) on = true;
            if (on) Set_Point(mk.point, true);
        }
        for (int i = 0; i < t.target_total; ++i)
            if (Standing(t.targets[i])) ++target_count;
        if (t.all_fall_together) {
            if (target_count < t.target_total) {
                Destroy_All(t);
                exploding_id = t.chain_sprite;
                exploding_timer = Script_Now() + 100;
                exploding_count = 0;
                Target_Success(t);
                target_count = 0;
            }
        } else if (target_count == 0) {
            Target_Success(t);
        }
    }
    font& c = counter[3];
    Text_Printf(3, "%i", target_count);
    c.x = hud ? hud[3].x + 0.12f : 0.12f;
    c.y = hud ? hud[3].y + 0.06f : 0.06f;
    c.width = 0.01f;
    c.height = 0.03f;
    c.alpha = 1.0f;
}

}  // namespace

void Torch_Tiles() {
    const int c = (int)((map_startX - camX) * 10);
    const int r = (int)((map_startY - camY) * 10);
    const int w = (int)(zoom_factor * 28);
    const int h = (int)(zoom_factor * sc_ratio * 26);
    const int map_w = Grid_Width(), map_h = Grid_Height();
    const int first_col = Clamp(c - w / 2, MAP_WIDTH);
    const int first_row = Clamp(r + 1 - h / 2, MAP_HEIGHT);
    for (int row = first_row; row < first_row + h; ++row) {
        if (row < 0 || row >= map_h) continue;
        for (int col = first_col; col < first_col + w; ++col) {
            if (col < 0 || col >= map_w) continue;
            int cell = row * MAP_HEIGHT + col;
            if (cell >= MAP_TILES || cell >= MAX_MAP * MAX_MAP || cell < 0) cell = 0;
            const int anim = Torch_Anim(tiles[cell]);
            if (anim < 0) continue;
            const float x = col * 0.1f - map_startX;
            const float y = row * 0.1f - map_startY;
            New_FX({.x = x, .y = y, .w = x, .z = y, .anim = anim, .anim_state = ANIM_ONCE, .box_width = 0.15f,
                    .box_height = 0.2f, .width = 0.15f, .height = 0.2f, .priority = 2, .type = 15, .state = 32,
                    .tex_id = 13});
            torch_sfx = true;
        }
    }
}

void Fortress_Thud(int spread) {
    if (global_objects[20] != 1) return;
    const int now = Script_Now();
    if (now <= thud_timer) return;
    Camera_Shake(SHAKE_SHORT2);
    clank_sfx = true;
    thud_timer = now + rand() % spread;
}

void Fortress_Hall_Block(int) {
    if (start_sequence == 0) {
        if (global_objects[30] == 1) Hide_Object(123, true);
        if (global_objects[31] == 1) Hide_Object(124, true);
        start_sequence = 1;
    }
    Fortress_Thud(4000);
    Beat(2000, 1500, [] {
        if (global_objects[20] == 1) Torch_Tiles();
    });
    const bool raised = global_objects[20] == 1;
    Set_Point(5, raised);
    Set_Point(4, !raised);
}

void Fortress_Vault_Block(int) {
    const bool raised = global_objects[20] == 1;
    if (start_sequence == 0) {
        for (int k = 185; k <= 189; ++k) {
            if (!In_Scene(k) || sprite[k].score <= 0) continue;
            if (raised) {
                sprite[k].turn_off = false;
            } else {
                Reposition_Unit(k);
                Generate_Object_Collision(k, true);
                sprite[k].turn_off = true;
            }
        }
        if (raised) {
            for (int k = 187; k <= 189; ++k) {
                if (!In_Scene(k)) continue;
                Reposition_Unit(k);
                Generate_Object_Collision(k, true);
                sprite[k].turn_off = true;
            }
        }
        start_sequence = 1;
    }
    Fortress_Thud(8000);
    Beat(2000, 2000, [] {
        for (int flag : {30, 31}) {
            const int k = flag == 30 ? 179 : 180;
            if (global_objects[flag] != 1 || !In_Scene(k)) continue;
            sprite[k].score = 0;
            Set_Sprite(k, sprite[k].base_anim + 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        }
        if (global_objects[20] == 1) Torch_Tiles();
    });
    Set_Point(3, raised);
    Set_Point(2, !raised);
    if (raised) {
        Hide_Object(184, true);
        Hide_Object(151, true);
        if (In_Scene(132))
            Set_Sprite(132, sprite[132].base_anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    }
}

void Trench_Targets_Block(int) { Run_Target_Scene(trench_targets); }

void Depot_Targets_Block(int) { Run_Target_Scene(depot_targets); }
