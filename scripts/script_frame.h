// The scene script routine and the small tools its blocks share: the block list with the
// guard of each block, the step machine, hover buttons, the tooltip slot, scene requests,
// the act hub rule and the two motion helpers.
#pragma once

#include "common/records.h"

// Runs, in the fixed order of the block list, the body of every block whose guard holds.
// f_rate is the tick's milliseconds (1 from the scene loader); it only scales motion.
void Run_Scripts(int f_rate);

// Rest coordinate (x or y) stored for a slide into view.
inline float script_start_x = 0.0f;

// ---- The block list ----

// Scene-kind term of a block guard.
enum : int {
    SCRIPT_ANY = 0,           // no game_mode term
    SCRIPT_FRONT = 1,         // game_mode == 4
    SCRIPT_WALK = 2,          // game_mode == 3
    SCRIPT_FRONT_OR_WALK = 3  // game_mode is 4 or 3
};

using script_body = void (*)(int f_rate);

// The guard of one block: its scene kind, the brightness it waits for (0 for none), and the
// scenes it belongs to (up to three of one episode), or the area code it runs in instead.
struct script_block {
    int mode;
    float min_fade;
    int episode;
    int scenes[3];  // -1 for unused entries
    int level;      // >= 0: the block tests Level == level instead of episode and scene
};

constexpr int SCRIPT_BLOCK_COUNT = 129;

// Block `number` (1 to SCRIPT_BLOCK_COUNT, the order of the list); null when out of range.
const script_block* Script_Block(int number);
// True when block `number`'s guard holds now: scene kind, brightness, no pending scene
// request, and its scene (or area code). False for a number out of range.
bool Block_Guard(int number);
bool Block_Guard(const script_block& b);
// The first block number whose scene terms name episode e scene s (0 when none).
int Script_Block_For(int e, int s);
// Plugs the body of block `number` in (null takes it out), in place of the one the block
// list names; bodies not plugged do nothing.
void Set_Script_Block(int number, script_body body);
script_body Script_Block_Body(int number);

// ---- Step machine ----

// The clock truncated to whole milliseconds, as every due time uses it.
int Script_Now();
// Timed step k: title_sequence == k and the clock is strictly past title_timer.
bool Timed_Step(int k);
// Untimed step k: title_sequence == k.
bool Untimed_Step(int k);
// A step that acts: title_timer = now + wait, title_sequence + 1.
void Next_Step(int wait);

// Ambience stop: raises the stop requests of the looping ambient sounds chosen.
void Ambience_Stop(bool woods = true, bool waves = true, bool wind = true, bool airplane = true);

// ---- Tooltip slot and hover buttons ----

// The mouse lies strictly inside the collision box of o (a point on an edge is outside).
bool Mouse_In_Box(const object& o);
// Empties the tooltip text (counter[5].word).
void Clear_Tooltip();
// Writes a caption into the tooltip slot by formatted printing (cut to the slot), with the
// box-size code of its backing box and the side of the mouse it stands on.
void Set_Tooltip(int box_code, bool left, const char* format, ...) __attribute__((format(printf, 3, 4)));

// One call of a hover button on sprite id: when the sprite is shown (alpha exactly 1) and
// the mouse is over it, it is lit, the caption goes into the tooltip slot (box code 1, side
// `left`) and the hover sound plays once per entry through `latch`; off it, it is unlit and
// the latch clears. Returns true when a click is pending on the lit button: the caller does
// the action and then calls Use_Click(id). A hidden button or an index outside the scene's
// sprites is left alone.
bool Hover_Button(int id, const char* caption, bool& latch, bool left = false);
// The click of a button is used up: its off look and mouseleft = false.
void Use_Click(int id);
// Step 0 of a page with an armed button: the button takes clicks 500 ms from now, in step 1.
void Arm_Page();
// A hover button that takes a click only in step 1 once the 500 ms of Arm_Page have passed,
// and drops (mouseleft = false) every click made while the mouse is over it. Returns true
// for an accepted click (the caller then does the action and the off look).
bool Armed_Hover_Button(int id, const char* caption, bool& latch, bool left = false);

// ---- Scene requests ----

// episode = e, scene = s, current_spawn = spawn, next_scene = true.
void Scene_Request(int e, int s, int spawn);
// The same, leaving current_spawn as it is.
void Scene_Request(int e, int s);
// The hub scene of episode 2 for an act: 1 gives 0, 2 gives 3, 3 gives 10, 4 gives 11.
int Act_Hub_Scene(int act);
// Act hub rule: a request to the hub of current_act with the given spawn point.
void Act_Hub_Request(int spawn);
// The extension of the rule for the return to camp: when current_act is not 1 and story
// flag 32 is 0, the request goes to the burning-camp page (episode 1 scene 48) instead.
// Changes episode and scene and returns true in that case; otherwise changes nothing.
bool Burning_Camp_Instead();

// ---- Motion ----

// Slide to rest, first part: stores the rest value of coord in script_start_x and moves
// coord away from it by `offset` (for example -width or +height).
void Start_Slide(float& coord, float offset);
// Moves coord toward `rest` by `step` (f_rate times a speed); once it would reach or pass
// the rest value it stands exactly on it. True when coord is at rest.
bool Slide_To_Rest(float& coord, float rest, float step);
// Cosine ease: cos_scroll grows by 0.001 per call up to 1.5; returns the eased speed
// base_speed * cos(cos_scroll) (world units per millisecond; multiply by f_rate).
float Cosine_Ease(float base_speed);
