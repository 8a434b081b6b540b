// The unit AI is filled in by the combat subsystem; until then the step keeps the two
// effects the rest of the game relies on: the camera follows the player and the tunnel
// step finishes ladder and tunnel-entry changes.
#include "combat/combat.h"

#include "common/call_trace.h"

#include <cmath>
#include <string>

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/timer.h"

void AI(int ms) {
    (void)ms;
    Trace_Call("AI");
    if (p1_id >= 0 && p1_id < MAX_SPRITES && sprite) {
        const object& p = sprite[p1_id];
        camX = -(p.x + p.width / 2) + camX_OFFSET;
        camY = -(p.y) + camY_OFFSET;
    }
    if (tunnel_timer != -1 && Now() > tunnel_timer) {
        tunnel_timer = -1;
        if (next_scene1 != -1 && next_episode1 != -1) {
            scene = next_scene1;
            episode = next_episode1;
        }
        next_scene = true;
    }
}

void Run_Boss(int) { Trace_Call("Run_Boss"); }
void Man_Shot(int, int, int, int, int) { Trace_Call("Man_Shot"); }
void Shell_Landed(float, float, int, int, int) { Trace_Call("Shell_Landed"); }
void Knock_Back(int, int, int) { Trace_Call("Knock_Back"); }

void ShotIdle(int unit) {
    if (!sprite || unit < 0 || unit >= MAX_SPRITES) return;
    object& u = sprite[unit];
    if (lock_player || u.reached_node != -1 || u.status == 37 || u.status == 59 || u.status == 64) return;
    u.anim_state = 0;
    u.status = 3;
    u.moving = false;
    u.ai_timer = Now() + 500;
}

bool Is_Guy_In_Range(int a, int b, float range) {
    if (!sprite || a < 0 || b < 0 || a >= MAX_SPRITES || b >= MAX_SPRITES) return false;
    const object& A = sprite[a];
    const object& B = sprite[b];
    float dx = (A.w + A.box_width / 2) - (B.w + B.box_width / 2);
    float dy = (A.z + A.box_height / 2) - (B.z + B.box_height / 2);
    return std::sqrt(dx * dx + dy * dy) < range;
}

// Until the shot code lands, a shot only records itself, with its knife, target and spread flags.
void TestSpriteToShootPly(int, float, float, float, float, bool flag, int target, int, bool spread) {
    Trace_Call("TestSpriteToShootPly");
    if (call_trace)
        call_trace->push_back("TestSpriteToShootPly flag=" + std::to_string((int)flag) + " target=" +
                              std::to_string(target) + " spread=" + std::to_string((int)spread));
}
