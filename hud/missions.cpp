// Acts, the debriefing after a mission, and the medal and rank-up celebrations.
#include "hud/missions.h"

#include <cstdlib>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/speech.h"
#include "platform/timer.h"
#include "world/effects.h"

namespace {

// The player's sprite, or null when there is none.
object* Player() {
    if (!sprite || p1_id < 0 || p1_id >= MAX_SPRITES) return nullptr;
    return &sprite[p1_id];
}

// Message 64 over the player, the cheer, and the player in the mission-complete pose.
void Celebrate_Act(object& p) {
    Display_Message(p1_id, MSG_ACCOMPLISHED);
    cheer_sfx = true;
    p.status = STATUS_CHEER;
    p.update = true;
    p.anim_state = 0;
    p.moving = false;
    p.all_timer = Now() + 3000;
}

// Marks the mission in hand accomplished. current_main comes from scripts and save files, so
// a value outside main_mission is ignored rather than written past the array.
void Accomplish_Current_Main() {
    if (current_main >= 0 && current_main < 25) main_mission[current_main] = 1;
}

// Burst placement by shape: offsets from the sprite's x and y, and the burst's size.
struct Burst {
    float dx, dy, size;
};
constexpr Burst burst_shapes[6] = {
    {-0.1f, 0.1f, 0.2f}, {0.0f, 0.2f, 0.3f},    {0.1f, 0.1f, 0.4f},
    {-0.15f, 0.15f, 0.2f}, {0.15f, 0.15f, 0.3f}, {-0.2f, 0.2f, 0.6f},
};

// The debriefing page of each mission that has one.
int Debriefing_Scene(int mission_no, int current) {
    switch (mission_no) {
        case 1: return 125;
        case 2: return 126;
        case 3: return 127;
        case 8: return 132;
        case 10: return 134;
        case 12: return 136;
        default: return current;
    }
}

}  // namespace

void Calculate_Act() {
    Trace_Call("Calculate_Act");
    object* p = Player();
    if (!p) return;
    auto all_set = [](const signed char* flags, int from, int to) {
        for (int i = from; i <= to; ++i)
            if (flags[i] != 1) return false;
        return true;
    };
    if (current_act == 1 && all_set(global_objective, 0, 2) && all_set(global_side_objective, 0, 2)) {
        Celebrate_Act(*p);
        for (int i = 0; i < 10; ++i) {
            global_objective[i] = 0;
            global_side_objective[i] = 0;
        }
        Accomplish_Current_Main();
        lock_player = true;
        current_act = 2;
    } else if (current_act == 4 && all_set(global_objective, 0, 1) &&
               all_set(global_side_objective, 0, 4) && global_side_objective[9] == 0) {
        Celebrate_Act(*p);
        Accomplish_Current_Main();
        lock_player = true;
        global_side_objective[9] = 1;
    }
}

void Medal_Awarded(int type) {
    Trace_Call("Medal_Awarded");
    const bool player = Player() != nullptr;
    if (player) {
        if (type == 1) Display_Message(p1_id, MSG_MEDAL);
        if (type == 2) Display_Message(p1_id, LEVEL);
    }
    if (type == 2) medikit_sfx = true;
    firework_sfx = true;
    fireworks_type = type;
    if (player) fireworks = p1_id;
}

void Do_Fireworks(int index) {
    Trace_Call("Do_Fireworks");
    if (fireworks == -1) return;
    if (fireworks_count == 0) firework_sfx = true;
    const int now = Now();
    if (now <= fireworks_timer) return;
    int r = rand() % 6;
    for (int redraw = 0; redraw < 2 && r == old_firework; ++redraw) r = rand() % 6;
    // The show follows a sprite index handed in by the main loop; one that no longer names a
    // sprite still counts its bursts so the show ends, it just draws nothing.
    if (Valid_Sprite(index)) {
        const object& s = sprite[index];
        const Burst& b = burst_shapes[r];
        New_FX({.x = s.x + b.dx, .y = s.y + b.dy, .w = s.w, .z = s.z, .anim = 58, .anim_state = 1,
                .box_width = b.size, .box_height = b.size, .width = b.size, .height = b.size, .priority = 1,
                .type = GFX, .tex_id = 2});
    }
    fireworks_timer = now + 400;
    fireworks_count++;
    old_firework = r;
    if (fireworks_count > 9) {
        fireworks_count = 0;
        fireworks = -1;
        fireworks_timer = 0;
    }
}

void Mission_Accomplished(bool ma_active) {
    Trace_Call("Mission_Accomplished");
    (void)ma_active;
    if (!Player() || current_main == 0) return;
    stats_scene = scene;
    stats_episode = episode;
    scene = Debriefing_Scene(current_main, scene);
    episode = 1;
    mission_accomplished_active = false;
    next_scene = true;
}

void Calculate_Mission() {}
