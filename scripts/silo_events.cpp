// The level events of the fortress interior (library, vaults, dungeon) and of the missile
// complex (airfield, control rooms, silos with their lever puzzles).
#include "scripts/level_events.h"

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/speech.h"
#include "platform/timer.h"
#include "scripts/level_event_tools.h"
#include "scripts/level_helpers.h"
#include "world/turning.h"

namespace {

// A guard of the vaults walking between two points while alive and unaware of the player.
struct vault_guard {
    int sprite;
    int a;
    int b;
    int* record;
};

constexpr int PRISONER = 11;
constexpr int JAILER = 14;

// Turns unit k to face direction dir and heads it toward its own target.
void Face(int k, int dir) {
    if (!In_Level(k)) return;
    Convert_Dir_To_Angle(k, dir);
    Set_Heading(k, sprite[k].mov_x, sprite[k].mov_y, false);
}

// The markers of a scene of the missile complex: the points cleared, then with mission 13
// accepted point_open while the story flag is 0 and point_done while it is 1 (any other
// value when done_on_any); a flag of -1 gives point_open; always_on sets it without the mission.
struct silo_markers {
    int scene;
    int cleared[2];
    int flag;
    int point_open;
    int point_done;
    bool done_on_any;
    bool always_on;
};

constexpr int N = -1;
constexpr silo_markers silo_marker_table[] = {
    {31, {2, 3}, 54, 2, 3, false, false},
    {32, {2, 3}, 55, 2, 3, true, false},
    {34, {2, 3}, 56, 2, 3, true, false},
    {36, {N, N}, N, 8, N, false, true},
    {37, {2, N}, N, 2, N, false, false},
    {33, {1, 2}, 55, 1, 2, true, false},
    {35, {1, N}, 56, 1, 2, true, false},
};

void Silo_Markers(int s) {
    for (const silo_markers& m : silo_marker_table) {
        if (m.scene != s) continue;
        Clear_Points({m.cleared[0], m.cleared[1]});
        if (m.always_on) {
            Set_Objective_Marker(m.point_open, true);
        } else if (Mission_Accepted(MISSION_SILO)) {
            int f = m.flag < 0 ? 0 : Story_Flag(m.flag);
            if (f == 0) Set_Objective_Marker(m.point_open, true);
            else if (f == 1 || m.done_on_any) Set_Objective_Marker(m.point_done, true);
        }
        return;
    }
}

// A lever puzzle: its story flag and the solved pattern of levers 43, 44, 45.
struct lever_puzzle {
    int scene;
    int flag;
    bool on[3];
};
constexpr lever_puzzle lever_puzzles[] = {{33, 55, {true, false, true}}, {35, 56, {true, true, false}}};
constexpr int LEVERS[3] = {43, 44, 45};

bool Lever_On(int k) { return sprite[k].anim == sprite[k].base_anim + 1; }
bool Lever_Off(int k) { return sprite[k].anim == sprite[k].base_anim; }

}  // namespace

void Library_Event(int) {
    if (!Untimed_Step(0)) return;
    Clear_Points({4});
    if (Mission_Accepted(MISSION_FORTRESS)) Set_Objective_Marker(4, true);
    title_sequence = 1;
}

void Vaults_Event(int) {
    if (Untimed_Step(0)) {
        patroling1 = patroling2 = patroling3 = 0;
        Clear_Points({12});
        if (Mission_Accepted(MISSION_FORTRESS)) Set_Objective_Marker(12, true);
        Face(102, 8);
        Face(121, 5);
        title_sequence = 1;
    }
    if (!Untimed_Step(1)) return;
    if (Story_Flag(35) == 1 && In_Level(126) && !sprite[126].turn_off) {
        Footprint(126, true);
        sprite[126].turn_off = true;
    }
    const bool open = Story_Flag(35) == 0;
    Set_Moving(128, open);
    Set_Grab(128, !open);
    const vault_guard guards[] = {{37, 8, 11, &patroling2}, {112, 10, 9, &patroling1}, {103, 6, 7, &patroling3}};
    for (const vault_guard& g : guards) {
        if (!In_Level(g.sprite) || sprite[g.sprite].score <= 0 || sprite[g.sprite].spotted) continue;
        if (*g.record != g.a) Check_Patrol(g.sprite, g.a, g.b);
        if (*g.record != g.b) Check_Patrol(g.sprite, g.b, g.a);
    }
}

void Dungeon_Event(int) {
    const bool jailer = In_Level(JAILER);
    if (Untimed_Step(0)) {
        Face(JAILER, 3);
        if (In_Level(PRISONER)) sprite[PRISONER].sector_action = Story_Flag(44) == 1 ? OBJ_RESCUE : 0;
        title_sequence = 1;
    }
    if (Untimed_Step(1)) {
        if (jailer && sprite[JAILER].score > 0) Display_Message(PRISONER, MSG_HELPME);
        title_timer = Now() + 4000;
        title_sequence = 2;
    }
    if (Timed_Step(2)) title_sequence = 1;
    if (Story_Flag(44) == 0 && jailer && sprite[JAILER].score <= 0) {
        Mission_Success_Pose(1000);
        Set_Story_Flag(44, 1);
        if (In_Level(PRISONER)) sprite[PRISONER].sector_action = OBJ_RESCUE;
    }
}

void Airfield_Event(int) {
    wind_sfx = true;
    stop_woods_sfx = 1;
    Clear_Points({1});
    const bool silo = Mission_Accepted(MISSION_SILO);
    if (silo) {
        Set_Objective_Marker(1, true);
        arrow_point = 23;
    }
    Set_Grab(23, silo);
    for (int k : {23, 22, 1}) {
        Set_Mouseover(k, !silo);
        Footprint(k, !silo);
    }
}

void Control_Event(int) {
    if (!Untimed_Step(0)) return;
    Clear_Points({8, 9});
    for (int k = 79; k <= 83; ++k) Set_Mouseover(k, false);
    const int done = Story_Flag(54);
    if (Mission_Accepted(MISSION_SILO)) {
        if (done == 0) Set_Objective_Marker(8, true);
        if (done == 1) Set_Objective_Marker(9, true);
    }
    if (done == 1) {
        for (int k = 79; k <= 83; ++k) Set_Mouseover(k, true);
        for (int k = 84; k <= 88; ++k) {
            if (!In_Level(k)) continue;
            Reposition_Unit(k);
            object& u = sprite[k];
            u.turn_off = false;
            u.mouseover = false;
            u.grab_switch = true;
            u.score = u.rank * 20;
            if (u.sector == CHIEF) u.score = (int)(u.score * 1.5f);
        }
    } else {
        for (int k = 84; k <= 88; ++k) {
            if (!In_Level(k)) continue;
            Footprint(k, true);
            object& u = sprite[k];
            u.turn_off = true;
            u.mouseover = true;
            u.grab_switch = false;
            u.score = 0;
        }
    }
    title_sequence = 1;
}

void Silo_Marker_Event(int) {
    if (!Untimed_Step(0)) return;
    Silo_Markers(scene);
    title_sequence = 1;
}

void Lever_Puzzle_Event(int) {
    const lever_puzzle* p = nullptr;
    for (const lever_puzzle& x : lever_puzzles)
        if (x.scene == scene) p = &x;
    if (!p) return;
    bool levers = true;
    for (int k : LEVERS) levers = levers && In_Level(k);
    if (Untimed_Step(0)) {
        Silo_Markers(scene);
        if (levers) {
            const int solved = Story_Flag(p->flag);
            for (int i = 0; i < 3; ++i) {
                if (solved == 0) Play_Anim(LEVERS[i], 0, ANIM_ONCE, true);
                if (solved == 1) {
                    Play_Anim(LEVERS[i], p->on[i] ? 1 : 0, ANIM_ONCE, true);
                    sprite[LEVERS[i]].score = 0;
                }
            }
        }
        title_sequence = 1;
    }
    if (!levers) return;
    for (int k : LEVERS) {
        object& l = sprite[k];
        if (!l.moving) continue;
        click_sfx = true;
        mouseleft = false;
        l.moving = false;
        Play_Anim(k, Lever_Off(k) ? 1 : 0, ANIM_ONCE, true);
    }
    if (Story_Flag(p->flag) != 0) return;
    for (int i = 0; i < 3; ++i)
        if (p->on[i] ? !Lever_On(LEVERS[i]) : !Lever_Off(LEVERS[i])) return;
    for (int k : LEVERS) sprite[k].score = 0;
    Set_Story_Flag(p->flag, 1);
    if (p1_id != -1) {
        Display_Message(p1_id, MSG_BROKEN);
        Mission_Success_Pose(4000);
    }
    Set_Objective_Marker(1, false);
}
