// The opening intro, the gallery finale, the travel and story cut-scenes of episode 1.
//
// Every one of these scenes has the same shape: a step machine on title_sequence and
// title_timer whose step 0 runs inside the scene loader's call, motions tied to steps, a
// timed last step that requests the next scene, and a skip button whose click makes the
// skip request at any step. Each scene is a table entry (cut_scene) read by one engine,
// Run_Cut_Scene; what a scene does beyond the shared shape sits in its small hooks.
#pragma once

#include <array>
#include <span>

#include "scripts/script_frame.h"

// ---- Globals of the cut-scenes (never reset by a scene load) ----
inline bool skidding = false;          // sway direction of the lorry in episode 1 scene 104
inline float spin_angle = 0.0f;        // a turning angle in degrees (scene 108, the main menu)
inline float script_start_x1 = 0.0f;   // a second stored rest coordinate of a slide
inline int front_bomb_count = 0;       // explosions counted in episode 1 scene 99
inline float start_stamp_X = 0.0f;     // rest x of the aeroplane in episode 1 scene 101

// ---- The cut-scene pattern ----

// Sound requests a step raises when it acts, one bit each.
enum cut_sound : unsigned {
    CUT_WAVES = 1u << 0,
    CUT_STOP_WAVES = 1u << 1,
    CUT_WIND = 1u << 2,
    CUT_STOP_WIND = 1u << 3,
    CUT_SEAGULL = 1u << 4,
    CUT_SEAGULL2 = 1u << 5,
    CUT_TANK1 = 1u << 6,
    CUT_ROCKET = 1u << 7,
    CUT_BOSS_OHH = 1u << 8,
    CUT_STOLEN = 1u << 9,
    CUT_WAKEUP = 1u << 10,
    CUT_BOSS = 1u << 11,
    CUT_STOP_EXHAUST = 1u << 12,
    CUT_CLANK = 1u << 13,
    CUT_FALL = 1u << 14,
    CUT_AIRPLANE = 1u << 15,
    CUT_STOP_AIRPLANE = 1u << 16,
    CUT_STOP_WOODS = 1u << 17,
};
// Raises the sound requests of the bits in `sounds`.
void Raise_Cut_Sounds(unsigned sounds);

constexpr int CUT_KEEP_SPAWN = -1;  // a request that leaves current_spawn as it is

// Where a cut-scene leads.
enum cut_target_kind : int {
    CUT_TO_END = 0,  // (skip only) the same request as the timed end
    CUT_TO_SCENE,    // episode and scene, with spawn (or CUT_KEEP_SPAWN)
    CUT_TO_HUB,      // the hub of the act (act hub rule), with spawn (or CUT_KEEP_SPAWN)
    CUT_TO_CUSTOM,   // the scene's own request routine
};
struct cut_target {
    int kind = CUT_TO_END;
    int episode = 0;
    int scene = 0;
    int spawn = CUT_KEEP_SPAWN;
    void (*request)() = nullptr;  // CUT_TO_CUSTOM
};
constexpr cut_target Cut_To(int e, int s, int spawn = CUT_KEEP_SPAWN) {
    return {CUT_TO_SCENE, e, s, spawn, nullptr};
}
constexpr cut_target Cut_To_Hub(int spawn = CUT_KEEP_SPAWN) {
    return {CUT_TO_HUB, 0, 0, spawn, nullptr};
}
constexpr cut_target Cut_To_Custom(void (*request)()) {
    return {CUT_TO_CUSTOM, 0, 0, CUT_KEEP_SPAWN, request};
}
// Makes the request of a target (CUT_TO_END makes none).
void Cut_Request(const cut_target& to);

// One step of a scene's step machine; entry k of the table is step k. Step 0 runs on the
// first call; a timed step once the clock is strictly past title_timer; an untimed step on
// every call while it holds. A step that acts raises its sounds and runs its action (an
// action that returns false keeps the step, with any due time it set itself); then it moves
// on with its wait, or, being the scene's last step, makes the scene's request.
struct cut_step {
    bool timed = true;
    int wait = 0;
    unsigned sounds = 0;
    bool (*action)(int f_rate) = nullptr;
};
constexpr cut_step Cut_Start(int wait, unsigned sounds = 0, bool (*action)(int) = nullptr) {
    return {false, wait, sounds, action};
}
constexpr cut_step Cut_Timed(int wait, unsigned sounds = 0, bool (*action)(int) = nullptr) {
    return {true, wait, sounds, action};
}
constexpr cut_step Cut_Untimed(int wait, bool (*action)(int)) { return {false, wait, 0, action}; }
constexpr cut_step Cut_End() { return {true, 0, 0, nullptr}; }

// A steady motion: while title_sequence is from `first` to `last`, sprite `sprite` moves by
// f_rate times (dx, dy) on every call.
struct cut_drift {
    int first;
    int last;
    int sprite;
    float dx;
    float dy;
};

// How a scene's button behaves beyond the pattern.
enum cut_flag : unsigned {
    CUT_INTRO = 1u << 0,         // pointing at the shown button raises stop_waves_sfx
    CUT_CLICK_USED = 1u << 1,    // a click sets mouseleft false
    CUT_NO_BUTTON = 1u << 2,     // the scene cannot be skipped
    CUT_BUTTON_FIRST = 1u << 3,  // the button is handled before the steps
};

struct cut_scene {
    int scenes[2];                 // episode 1 scene numbers (-1 for an unused entry)
    int button;                    // the skip button's sprite
    const char* caption;
    unsigned flags;
    cut_target end;                // the request of the last timed step
    cut_target skip;               // the click's request (CUT_TO_END: the same as `end`)
    std::span<const cut_step> steps;
    std::span<const cut_drift> drifts;
    void (*before)(int f_rate);    // runs first on every call, before the steps (null for none)
    void (*after)(int f_rate);     // runs after the steps and drifts on every call (null for none)
    void (*click)();               // the click's action in place of the skip request
};

// Captions of the skip buttons.
inline constexpr const char CUT_SKIP_INTRO[] = "Skip^Intro";
inline constexpr const char CUT_SKIP_SCENE[] = "Skip^Scene";

// One call of a cut-scene: `before`, the steps, the drifts, `after`, and the skip button
// (before the steps for CUT_BUTTON_FIRST). Does nothing while the record arrays are absent.
void Run_Cut_Scene(const cut_scene& cs, int f_rate);

// The scene's object `i`, or null when the scene file has no such object.
object* Cut_Sprite(int i);

// The tables of the four groups of cut-scenes.
std::span<const cut_scene> Intro_Cut_Scenes();
std::span<const cut_scene> Finale_Cut_Scenes();
std::span<const cut_scene> Travel_Cut_Scenes();
std::span<const cut_scene> Story_Cut_Scenes();
// The cut-scene of episode 1 scene s, or null.
const cut_scene* Find_Cut_Scene(int s);

// The body of the episode-1 cut-scene blocks: runs the table entry of the current scene.
void Cut_Scene_Block(int f_rate);

constexpr int CUT_FIRST_BLOCK = 22;  // blocks 22 to 56 are the episode-1 cut-scenes
constexpr int CUT_LAST_BLOCK = 56;

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Cut_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    for (int n = CUT_FIRST_BLOCK; n <= CUT_LAST_BLOCK; ++n) b[n] = Cut_Scene_Block;
}
