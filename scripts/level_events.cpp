#include "scripts/level_events.h"

#include <cmath>
#include <cstdlib>

#include "combat/combat.h"
#include "combat/damage.h"
#include "combat/ordnance.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "hud/speech.h"
#include "platform/timer.h"
#include "scripts/level_event_tools.h"
#include "scripts/level_helpers.h"
#include "world/collision.h"
#include "world/turning.h"
#include "world/world_clock.h"

namespace {

// ---- Camp hubs: one marker table per hub ----

// A mission of a hub: while accepted, its marker point and the sprite the arrow points at;
// when alt_flag is set (>= 0) and that story flag is 1, alt_point and alt_arrow instead.
struct hub_marker {
    int mission;
    int point;
    int arrow;
    int alt_flag;
    int alt_point;
    int alt_arrow;
};

struct hub_markers {
    int cleared[2];
    hub_marker rows[4];
    int count;
};

constexpr hub_markers act2_camp = {
    {26, 30},
    {{7, 26, 17, -1, 0, 0}, {8, 26, 17, -1, 0, 0}, {9, 26, 17, 41, 30, 26}, {10, 30, 26, -1, 0, 0}},
    4};
constexpr hub_markers act3_camp = {
    {26, 31},
    {{11, 26, 17, -1, 0, 0}, {12, 26, 17, -1, 0, 0}, {13, 31, 49, -1, 0, 0}},
    3};

// Sprite the arrow points at while the current main mission waits to be reported.
constexpr int HUB_REPORT_ARROW = 91;

void Hub_Markers(const hub_markers& h) {
    Clear_Points({h.cleared[0], h.cleared[1]});
    for (int i = 0; i < h.count; ++i) {
        const hub_marker& r = h.rows[i];
        if (!Mission_Accepted(r.mission)) continue;
        bool alt = r.alt_flag >= 0 && Story_Flag(r.alt_flag) == 1;
        Set_Objective_Marker(alt ? r.alt_point : r.point, true);
        arrow_point = alt ? r.alt_arrow : r.arrow;
    }
    if (Main_Accomplished()) arrow_point = HUB_REPORT_ARROW;
}

// ---- Destruction targets ----

// A target of a destruction mission: its sprite and the story flag set once it is destroyed.
struct target {
    int sprite;
    int flag;
};

constexpr target village_targets[] = {{336, 36}, {337, 37}, {338, 38}, {10, 39}};
constexpr target farm_targets[] = {{320, 50}, {321, 51}, {322, 52}};

// A target still standing in the scene with its hit points gone.
bool Just_Destroyed(const target& t) {
    return Story_Flag(t.flag) == 0 && In_Level(t.sprite) && sprite[t.sprite].score <= 0;
}

bool Score_Left(int k) { return In_Level(k) && sprite[k].score > 0; }

// Counts the scene's sprites of type `type` whose field (sector or sector_action) is one of ks.
template <int N>
int Count_Sprites(int type, bool by_action, const int (&ks)[N]) {
    int n = 0;
    for (int k = 0; k < no_sprites && k < MAX_SPRITES; ++k) {
        const object& o = sprite[k];
        if (o.type != type) continue;
        int v = by_action ? o.sector_action : o.sector;
        for (int x : ks)
            if (v == x) {
                ++n;
                break;
            }
    }
    return n;
}

constexpr int VILLAGE_DOORS[] = {door_type::DOUBLE, door_type::DOUBLE_BACK, door_type::TYPE_SINGLE_DOOR};
constexpr int GATES[] = {door_type::DOUBLE_BACK};
constexpr int CROWS[] = {SEAGULL, SEAGULL2};
constexpr int COWS[] = {COW};

// The silo progress flags shown on the highway, with the obstacle each removes and the
// sprite whose movement it stops.
struct silo_stage {
    int flag;
    int point;        // marker while this stage is the next to do
    int obstacle;     // hidden once the stage is done (-1 none)
    int stopped;      // moving cleared once the stage is done
};
constexpr silo_stage silo_stages[] = {
    {53, 2, 233, 0}, {54, 4, 235, 234}, {55, 5, 237, 236}, {56, 7, 239, 238}, {57, 10, -1, -1}};

// The convoy's destination switch and the sprites the other switches hit.
constexpr int CONVOY_GOAL_SWITCH = 131;
constexpr int CONVOY_TRAP_SPRITES[] = {107, 106, 105, 79};
constexpr int CONVOY_MARKER = 8;
// How close the lorry's centre comes to its destination before it stops driving.
constexpr float CONVOY_ARRIVED = 0.01f;

}  // namespace

void Roadway_Event(int) {
    if (!Untimed_Step(0)) return;
    woods_sfx = true;
    Clear_Points({2, 5});
    for (int m : {MISSION_NUN, MISSION_REVENGE, MISSION_TRENCH})
        if (Mission_Accepted(m)) {
            Set_Objective_Marker(5, true);
            arrow_point = 32;
        }
    for (int m : {MISSION_WINDMILL, MISSION_RADAR})
        if (Mission_Accepted(m)) {
            Set_Objective_Marker(2, true);
            arrow_point = 26;
        }
    if (current_act != 3 && current_act != 4) Set_Moving(26, true);
    title_sequence = 1;
}

void Act2_Camp_Event(int) { Hub_Markers(act2_camp); }

void Act3_Camp_Event(int) { Hub_Markers(act3_camp); }

void Highway_Event(int) {
    if (!Untimed_Step(0)) return;
    stop_airplane_sfx = 1;
    if (!Mission_Accepted(MISSION_SILO)) Hide_Object(145);
    if (Story_Flag(48) == 1) Make_Tunnel(241);
    if (Story_Flag(49) == 1) Make_Tunnel(302);
    Clear_Points({2, 4, 5, 7, 10});
    for (int k : {0, 234, 236, 238}) Set_Moving(k, true);
    if (Mission_Accepted(MISSION_SILO)) {
        // The first stage not yet done gets the marker.
        for (const silo_stage& s : silo_stages) {
            if (Story_Flag(s.flag) == 1) continue;
            if (Story_Flag(s.flag) == 0) {
                Set_Objective_Marker(s.point, true);
                if (s.flag == 54) Set_Mouseover(181, true);
            }
            break;
        }
        for (const silo_stage& s : silo_stages) {
            if (s.obstacle < 0 || Story_Flag(s.flag) != 1) continue;
            Hide_Object(s.obstacle);
            Set_Moving(s.stopped, false);
        }
    }
    title_sequence = 1;
}

void Village_Event(int) {
    if (Untimed_Step(0)) {
        total_doors_count = Count_Sprites(DOR, true, VILLAGE_DOORS);
        total_village_crow_count = Count_Sprites(BAG, false, CROWS);
        speak_txt = false;
        for (const target& t : village_targets)
            if (Story_Flag(t.flag) == 1) Show_Broken_Object(t.sprite);
        Clear_Points({33, 39});
        if (Story_Flag(40) == 1) Make_Tunnel(333);
        if (Story_Flag(41) == 1) Make_Tunnel(334);
        if (Story_Flag(43) == 1) Make_Tunnel(379);
        if (Mission_Accepted(MISSION_NUN)) Set_Objective_Marker(33, true);
        if (Mission_State(MISSION_NUN) == 0 || Mission_State(MISSION_NUN) == 3) Hide_Object(335, true);
        bool revenge = Mission_Accepted(MISSION_REVENGE);
        for (int k : {338, 10, 336, 337}) Set_Moving(k, !revenge);
        if (Mission_Accepted(MISSION_FORTRESS) || Mission_Accepted(MISSION_TRENCH))
            Set_Objective_Marker(39, true);
        if (Mission_State(MISSION_TRENCH) != 0) Hide_Object(340, true);
        title_sequence = 1;
    }
    Clear_Points({35, 36, 37, 38});
    Check_Collectible_Medal(20, doors_kill_count, total_doors_count);
    Check_Collectible_Medal(22, village_crow_kill_count, total_village_crow_count);
    Run_Delayed_Remark();
    for (const target& t : village_targets) {
        if (!Just_Destroyed(t)) continue;
        Start_Explosion_Chain(t.sprite, 2, 1);
        Set_Story_Flag(t.flag, 1);
        Start_Delayed_Remark();
    }
    if (Untimed_Step(1) && Mission_Accepted(MISSION_REVENGE)) {
        const int marked[][2] = {{35, 336}, {36, 337}, {37, 10}, {38, 338}};
        for (const auto& m : marked)
            if (Score_Left(m[1])) Set_Objective_Marker(m[0], true);
        bool all = true;
        for (const target& t : village_targets) all = all && Story_Flag(t.flag) == 1;
        if (p1_id != -1 && all) Accomplish_Mission(MISSION_REVENGE, 4000, false);
    }
}

void Fortress_Event(int) {
    if (daytime) {
        if (Mission_Accepted(MISSION_FORTRESS)) {
            Hide_Object(7);
            Set_Moving(0, false);
        }
    } else {
        Restore_Object(7);
        Set_Moving(0, true);
    }
    if (!Untimed_Step(0)) return;
    Clear_Points({2});
    if (Mission_Accepted(MISSION_FORTRESS)) Set_Objective_Marker(2, true);
    if (Story_Flag(42) == 1) Make_Tunnel(8);
    if (Mission_Accepted(MISSION_TRENCH)) Accomplish_Mission(MISSION_TRENCH, 4000, true);
    title_sequence = 1;
}

void Farms_Event(int) {
    if (Untimed_Step(0)) {
        total_gate_count = Count_Sprites(DOR, true, GATES);
        total_cow_count = Count_Sprites(BAG, false, COWS);
        total_crow_count = Count_Sprites(BAG, false, CROWS);
        Clear_Points({1, 2, 3, 4});
        speak_txt = false;
        bool radar = Mission_Accepted(MISSION_RADAR);
        for (int k : {320, 321, 322}) Set_Moving(k, !radar);
        for (const target& t : farm_targets)
            if (Story_Flag(t.flag) == 1) Show_Broken_Object(t.sprite);
        bool windmill = Mission_Accepted(MISSION_WINDMILL);
        if (windmill) Set_Objective_Marker(1, true);
        Set_Mouseover(323, windmill);
        Set_Moving(297, !windmill);
        if (Story_Flag(46) == 1) Make_Tunnel(294);
        if (Story_Flag(47) == 1) Make_Tunnel(293);
        title_sequence = 1;
    }
    Clear_Points({2, 3, 4});
    Check_Collectible_Medal(32, cow_kill_count, total_cow_count);
    Check_Collectible_Medal(33, gate_kill_count, total_gate_count);
    Check_Collectible_Medal(34, crow_kill_count, total_crow_count);
    Run_Delayed_Remark();
    for (const target& t : farm_targets) {
        if (!Just_Destroyed(t)) continue;
        Start_Explosion_Chain(t.sprite, 8);
        Set_Story_Flag(t.flag, 1);
        bool others_left = false;
        for (const target& o : farm_targets) others_left = others_left || Story_Flag(o.flag) == 0;
        speak_txt = speak_txt || others_left;
        speak_timer = Now() + 1600;
    }
    if (Mission_Accepted(MISSION_RADAR)) {
        const int marked[][2] = {{4, 50}, {3, 51}, {2, 52}};
        for (const auto& m : marked)
            if (Story_Flag(m[1]) == 0) Set_Objective_Marker(m[0], true);
        bool all = true;
        for (const target& t : farm_targets) all = all && Story_Flag(t.flag) == 1;
        if (p1_id != -1 && all) Accomplish_Mission(MISSION_RADAR, 3000, false);
    }
}

void Convoy_Event(int f_rate) {
    const int now = Now();
    // A vehicle index the scene does not hold is no vehicle.
    const bool vehicle = a_vehicle != -1 && In_Level(a_vehicle);
    if (vehicle) {
        const object& v = sprite[a_vehicle];
        points[CONVOY_MARKER].x = v.x + v.width / 2;
        points[CONVOY_MARKER].y = v.y + v.height / 2;
        if (title_sequence <= 99 && v.score <= 0) {
            Shell_Landed(v.x + v.width / 2, v.y + v.height / 2, v.linked_sprite, f_rate, -1);
            title_sequence = 100;
        }
    }
    if (title_sequence >= 100 && title_sequence <= 103 && now > title_timer) {
        title_timer = now + 500;
        ++title_sequence;
        int r = rand() % 10;
        if (vehicle) {
            const object& v = sprite[a_vehicle];
            float d = r != 0 ? v.width / r : 0.0f;
            Shell_Landed(v.x + d, v.y + d, v.linked_sprite, f_rate, -1);
        }
    }
    if (title_sequence == 104 && now > title_timer) {
        fail_condition = 1;
        title_sequence = 105;
    }
    if (title_sequence == 0 && vehicle) {
        object& v = sprite[a_vehicle];
        title_sequence = 1;
        v.training = false;
        if (a_patrol_pnt >= 0 && a_patrol_pnt < no_points && a_patrol_pnt < MAX_POINTS) {
            v.mov_x = v.end_x = points[a_patrol_pnt].x;
            v.mov_y = v.end_y = points[a_patrol_pnt].y;
            Set_Heading(a_vehicle, v.mov_x, v.mov_y, false);
        }
        title_timer = now + 5000;
    }
    if (title_sequence == 1 && now > title_timer) {
        title_sequence = 2;
        if (vehicle) sprite[a_vehicle].training = true;
        if (p1_id != -1 && In_Level(p1_id) && sprite[p1_id].score != 0 && vehicle)
            Display_Message(a_vehicle, MSG_VANMAN);
    }
    // Once under way the lorry drives itself toward the destination the set-up gave it, with
    // the vehicle mover, until it stands on it. It is driven here only: the mover's moving
    // flag is taken back, so that the unit code does not walk it on top of that.
    if (title_sequence == 2 && vehicle) {
        object& v = sprite[a_vehicle];
        const float cx = v.w + v.box_width / 2, cy = v.z + v.box_height / 2;
        if (std::hypot(v.mov_x - cx, v.mov_y - cy) > CONVOY_ARRIVED) {
            Move_Vehicle(a_vehicle, v.mov_x, v.mov_y, f_rate);
            v.moving = false;
        }
    }
    if (title_sequence == 2 && trigger_hit != -1) {
        if (p1_id != -1 && trigger_hit != CONVOY_GOAL_SWITCH)
            for (int k : CONVOY_TRAP_SPRITES)
                if (In_Level(k)) Man_Shot(p1_id, k, p1_id, SHOT_KILL, f_rate);
        if (trigger_hit == CONVOY_GOAL_SWITCH) {
            success_condition = 1;
            if (vehicle) {
                sprite[a_vehicle].mouseover = true;
                sprite[a_vehicle].turn_off = true;
            }
            a_vehicle = -1;
        }
        trigger_hit = -1;
    }
}
