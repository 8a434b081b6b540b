#include "common/fresh_state.h"
#include "scripts/camp_pages.h"
#include "scripts/card_table.h"
#include "scripts/cut_scenes.h"
#include "scripts/level_events.h"
#include "scripts/player_pages.h"
#include "scripts/script_frame.h"
#include "scripts/story_scenes.h"
#include "scripts/title_pages.h"

#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/item_names.h"
#include "platform/timer.h"
#include "world/animate.h"

namespace {

constexpr int N = -1;  // unused scene entry

constexpr script_block Front(int e, int s, float fade_min = 0.0f) {
    return {SCRIPT_FRONT, fade_min, e, {s, N, N}, -1};
}
constexpr script_block Walk(int e, int s, float fade_min = 0.0f) {
    return {SCRIPT_WALK, fade_min, e, {s, N, N}, -1};
}
constexpr script_block Any(int e, int s, float fade_min = 0.0f, int s2 = N) {
    return {SCRIPT_ANY, fade_min, e, {s, s2, N}, -1};
}

// Every block of the routine in the order the routine tests them.
constexpr script_block script_blocks[SCRIPT_BLOCK_COUNT] = {
    Any(0, 0),                                   // 1 title sequence
    Any(1, 93),                                  // 2 ambience start
    Any(1, 53, 0.7f),                            // 3 pause page
    Any(1, 141, 0.7f),                           // 4 perk page
    Any(1, 143, 0.7f),                           // 5 return-to-camp page
    Any(1, 64), Any(1, 82), Any(1, 116), Any(1, 117),     // 6-9 briefings, act end
    Any(1, 118, 0.0f, 139),                      // 10 briefing
    Any(1, 124), Any(1, 142),                    // 11-12 briefings
    Any(1, 119),                                 // 13 story page
    Any(1, 138, 0.0f, 140),                      // 14 story page
    Any(1, 120), Any(1, 121), Any(1, 51),        // 15-17 briefings
    Any(1, 5), Any(1, 48), Any(1, 54), Any(1, 57),        // 18-21 camp, card and sleep pages
    // 22-56 episode-1 cut-scenes
    Any(1, 61), Any(1, 94), Any(1, 99), Any(1, 100), Any(1, 123), Any(1, 101), Any(1, 144),
    Any(1, 62), Any(1, 102), Any(1, 103), Any(1, 104), Any(1, 106), Any(1, 107), Any(1, 108),
    Any(1, 109), Any(1, 110), Any(1, 105), Any(1, 63), Any(1, 55), Any(1, 84), Any(1, 87),
    Any(1, 90), Any(1, 88), Any(1, 89), Any(1, 111), Any(1, 85), Any(1, 66), Any(1, 79),
    Any(1, 80), Any(1, 75), Any(1, 67), Any(1, 56, 0.0f, 58), Any(1, 59), Any(1, 47), Any(1, 34),
    Any(3, 14),                                  // 57 level event
    Any(1, 0, 0.0f, 122),                        // 58 act start
    Any(0, 9),                                   // 59 front-end page
    Front(0, 2), Front(0, 11), Front(0, 12),     // 60-62
    Front(0, 4, 0.7f),                           // 63 intro page
    Walk(2, 4, 0.7f),                            // 64
    Walk(3, 19), Walk(3, 16),                    // 65-66
    // 67-89 level events
    Walk(3, 21, 0.7f), Walk(3, 2, 0.7f), Walk(2, 3, 0.7f), Walk(2, 10, 0.7f), Walk(3, 29, 0.7f),
    Walk(3, 30, 0.7f), Walk(3, 31, 0.7f), Walk(3, 32, 0.7f), Walk(3, 34, 0.7f), Walk(3, 36, 0.7f),
    Walk(3, 37, 0.7f), Walk(3, 33, 0.7f), Walk(3, 35, 0.7f), Walk(2, 1, 0.7f), Walk(3, 3, 0.7f),
    Walk(3, 13, 0.7f), Walk(3, 1, 0.7f), Walk(3, 15, 0.7f), Walk(2, 2, 0.7f), Walk(3, 26, 0.7f),
    Walk(3, 28, 0.7f), Walk(3, 27, 0.7f), Walk(2, 8, 0.7f),
    Front(0, 5, 0.7f),                           // 90 control choice page
    Front(0, 8, 0.7f),                           // 91 death page
    Front(0, 14), Front(0, 15), Front(0, 16),    // 92-94 death pages
    Front(0, 17, 0.7f),                          // 95 death page
    Front(1, 26, 0.7f),                          // 96 statistics page
    Front(1, 20),                                // 97 camp page
    Front(0, 7, 0.7f),                           // 98 second main-menu page
    Front(0, 1, 0.5f),                           // 99 main menu backdrop
    {SCRIPT_FRONT_OR_WALK, 0.0f, 1, {4, N, N}, -1},       // 100 card table
    {SCRIPT_FRONT_OR_WALK, 0.0f, N, {N, N, N}, LVL_CONVOY}, // 101 convoy area
    Any(10, 0),                                  // 102 boot redirect
    Walk(3, 5),                                  // 103
    Front(0, 6),                                 // 104 options page
    Walk(3, 6), Walk(3, 9), Walk(3, 7), Walk(3, 18), Walk(2, 9), Walk(3, 9),  // 105-110
    Walk(3, 22), Walk(3, 23), Walk(3, 24), Walk(3, 25),   // 111-114
    Walk(2, 11),                                 // 115 vehicle scene
    // 116-123 short scenes
    Any(1, 125, 0.7f), Any(1, 136, 0.7f), Any(1, 126, 0.7f), Any(1, 127, 0.7f),
    Any(1, 128, 0.7f), Any(1, 132, 0.7f), Any(1, 133, 0.7f), Any(1, 134, 0.7f),
    Any(1, 135),                                 // 124 short scene
    Any(3, 12, 0.7f),                            // 125 level event
    Any(1, 129, 0.7f), Any(1, 130, 0.7f), Any(1, 131, 0.7f),  // 126-128 short scenes
    Walk(2, 0),                                  // 129 vehicle scene
};

// The bodies of the blocks by block number. A block's source plugs its function in here
// with one line, `b[number] = Its_Block;`; a block without a body does nothing.
constexpr std::array<script_body, SCRIPT_BLOCK_COUNT + 1> Block_Bodies() {
    std::array<script_body, SCRIPT_BLOCK_COUNT + 1> b{};
    b[100] = Run_Card_Table;
    Plug_Title_Blocks(b);
    Plug_Player_Blocks(b);
    Plug_Camp_Blocks(b);
    Plug_Cut_Blocks(b);
    Plug_Story_Blocks(b);
    Plug_Level_Blocks(b);
    return b;
}

// The bodies in use (entry 0 unused); tests plug their own in through Set_Script_Block.
std::array<script_body, SCRIPT_BLOCK_COUNT + 1> block_bodies = Block_Bodies();
KEEP_FRESH(block_bodies);

}  // namespace

const script_block* Script_Block(int number) {
    if (number < 1 || number > SCRIPT_BLOCK_COUNT) return nullptr;
    return &script_blocks[number - 1];
}

bool Block_Guard(const script_block& b) {
    if (b.mode == SCRIPT_FRONT && game_mode != MODE_FRONT) return false;
    if (b.mode == SCRIPT_WALK && game_mode != MODE_WALK) return false;
    if (b.mode == SCRIPT_FRONT_OR_WALK && game_mode != MODE_FRONT && game_mode != MODE_WALK)
        return false;
    if (b.min_fade > 0.0f && !(fade >= b.min_fade)) return false;
    if (next_scene) return false;
    if (b.level >= 0) return Level == b.level;
    if (episode != b.episode) return false;
    for (int s : b.scenes)
        if (s >= 0 && s == scene) return true;
    return false;
}

bool Block_Guard(int number) {
    const script_block* b = Script_Block(number);
    return b && Block_Guard(*b);
}

int Script_Block_For(int e, int s) {
    for (int n = 0; n < SCRIPT_BLOCK_COUNT; ++n) {
        const script_block& b = script_blocks[n];
        if (b.level >= 0 || b.episode != e) continue;
        for (int bs : b.scenes)
            if (bs >= 0 && bs == s) return n + 1;
    }
    return 0;
}

void Set_Script_Block(int number, script_body body) {
    if (number < 1 || number > SCRIPT_BLOCK_COUNT) return;
    block_bodies[number] = body;
}

script_body Script_Block_Body(int number) {
    if (number < 1 || number > SCRIPT_BLOCK_COUNT) return nullptr;
    return block_bodies[number];
}

void Run_Scripts(int f_rate) {
    Trace_Call("Run_Scripts");
    for (int n = 1; n <= SCRIPT_BLOCK_COUNT; ++n) {
        script_body body = block_bodies[n];
        if (body && Block_Guard(script_blocks[n - 1])) body(f_rate);
    }
}

// ---- Step machine ----

int Script_Now() { return (int)TimerGetTime(); }

bool Timed_Step(int k) { return title_sequence == k && Script_Now() > title_timer; }

bool Untimed_Step(int k) { return title_sequence == k; }

void Next_Step(int wait) {
    title_timer = Script_Now() + wait;
    ++title_sequence;
}

void Ambience_Stop(bool woods, bool waves, bool wind, bool airplane) {
    if (woods) stop_woods_sfx = 1;
    if (waves) stop_waves_sfx = 1;
    if (wind) stop_wind_sfx = 1;
    if (airplane) stop_airplane_sfx = 1;
}

// ---- Tooltip slot and hover buttons ----

bool Mouse_In_Box(const object& o) {
    return mouseX < o.w + o.box_width && mouseX > o.w && mouseY < o.z + o.box_height &&
           mouseY > o.z;
}

void Clear_Tooltip() { counter[5].word[0] = 0; }

void Set_Tooltip(int box_code, bool left, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(counter[5].word, sizeof counter[5].word, format, args);
    va_end(args);
    counter[5].length = box_code;
    msg_left = left;
}

namespace {
bool Scene_Sprite(int id) { return sprite && id >= 0 && id < no_sprites && id < MAX_SPRITES; }

// The shared part of both hover buttons; true while the shown button is hovered.
bool Hover(int id, const char* caption, bool& latch, bool left) {
    if (!Scene_Sprite(id) || sprite[id].alpha != 1.0f) return false;
    if (!Mouse_In_Box(sprite[id])) {
        Set_Sprite(id, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        latch = false;
        return false;
    }
    Set_Sprite(id, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Tooltip(1, left, "%s", caption);
    if (!latch) {
        radio_sfx = true;
        latch = true;
    }
    return true;
}
}  // namespace

bool Hover_Button(int id, const char* caption, bool& latch, bool left) {
    return Hover(id, caption, latch, left) && mouseleft;
}

void Use_Click(int id) {
    if (Scene_Sprite(id)) Set_Sprite(id, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    mouseleft = false;
}

void Arm_Page() {
    title_timer = Script_Now() + 500;
    title_sequence = 1;
}

bool Armed_Hover_Button(int id, const char* caption, bool& latch, bool left) {
    if (!Hover(id, caption, latch, left)) return false;
    bool accepted = mouseleft && title_sequence == 1 && Script_Now() > title_timer;
    mouseleft = false;
    return accepted;
}

// ---- Scene requests ----

void Scene_Request(int e, int s, int spawn) {
    current_spawn = spawn;
    Scene_Request(e, s);
}

void Scene_Request(int e, int s) {
    episode = e;
    scene = s;
    next_scene = true;
}

int Act_Hub_Scene(int act) {
    switch (act) {
        case 2: return 3;
        case 3: return 10;
        case 4: return 11;
        default: return 0;  // act 1; an act outside 1 to 4 falls back to the first hub
    }
}

void Act_Hub_Request(int spawn) { Scene_Request(2, Act_Hub_Scene(current_act), spawn); }

bool Burning_Camp_Instead() {
    if (current_act == 1 || global_objects[32] != 0) return false;
    episode = 1;
    scene = 48;
    return true;
}

// ---- Motion ----

void Start_Slide(float& coord, float offset) {
    script_start_x = coord;
    coord += offset;
}

bool Slide_To_Rest(float& coord, float rest, float step) {
    if (coord < rest) {
        coord += step;
        if (coord >= rest) coord = rest;
    } else if (coord > rest) {
        coord -= step;
        if (coord <= rest) coord = rest;
    }
    return coord == rest;
}

float Cosine_Ease(float base_speed) {
    cos_scroll += 0.001f;
    if (cos_scroll > 1.5f) cos_scroll = 1.5f;
    return base_speed * std::cos(cos_scroll);
}
