// The level events of episode 3 outside the fortress and the missile complex: the beach hub,
// the three bunkers of act 1, the cave, the cellar and the small scenes of the coast.
#include "scripts/level_events.h"

#include <cstdlib>

#include "combat/combat.h"
#include "combat/medals.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "platform/timer.h"
#include "scripts/level_event_tools.h"
#include "scripts/level_helpers.h"
#include "world/world_clock.h"
#include "world/world_services.h"

namespace {

// "Report back" remark of the supplies mission.
constexpr int MSG_REPORT_BACK = 41;

// Act objective k is set.
bool Objective_Set(int k) { return k >= 0 && k < 10 && global_objective[k] != 0; }

// Opens the tunnel sprite k once per scene load when story flag `flag` is 1 (-1: always).
void Tunnel_Once(int flag, int k) {
    if (!Untimed_Step(0)) return;
    if (flag < 0 || Story_Flag(flag) == 1) Make_Tunnel(k);
    title_sequence = 1;
}

// A bunker of act 1: its objective, the story flag of its door and the door sprite, the pause
// between the last kill and the message, and the partner bunker whose objective turns the
// message into the success pose (-1 none).
struct bunker {
    int scene;
    int objective;
    int flag;
    int door;
    int pause;
    int partner;
};
constexpr bunker bunkers[] = {
    {5, 0, 21, 164, 1000, 2},
    {6, 1, 9, 234, 3000, -1},
    {7, 2, 23, 170, 1000, 0},
};

// An antenna of the supplies mission: its sprite, its story flag, the other antenna's flag and
// the marker removed once it falls.
struct antenna {
    int sprite;
    int flag;
    int other_flag;
    int point;
};
constexpr antenna antennas[] = {{178, 18, 19, 16}, {177, 19, 18, 15}};

// Crates of the supplies mission that stand closed while their act-1 objective is open: the
// objective, the crate sprite and the sprite whose movement shows it open.
constexpr int supply_crates[][3] = {{2, 163, 29}, {0, 165, 27}};
// Step 1 of the beach: the objective and the sprite stepped back one animation once it is done.
constexpr int beach_markers[][2] = {{2, 50}, {1, 52}, {0, 54}};

}  // namespace

void Pirate_Event(int) {
    if (!Untimed_Step(0)) return;
    title_sequence = 1;
    if (Story_Flag(0) != 1 || !In_Level(132)) return;
    object& o = sprite[132];
    o.grab_switch = false;
    o.score = 0;
    o.priority = 3;
    Set_Sprite(132, o.anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
}

void Battleship_Event(int) {
    if (Story_Flag(17) != 2) {
        Play_Anim(17, 1, ANIM_ONCE_HOLD, true);
        Set_Moving(18, true);
    }
    if (Story_Flag(17) == 3) Hide_Object(13, true);
}

void Bay_Event(int) { Tunnel_Once(-1, 36); }

void Boatyard_Event(int) { Tunnel_Once(16, 28); }

void Cliffs_Event(int) { Tunnel_Once(13, 14); }

void Chef_Event(int) {
    if (!Untimed_Step(0)) return;
    Clear_Points({3});
    if (Mission_Accepted(MISSION_FORTRESS)) Set_Objective_Marker(3, true);
}

void Orchard_Event(int) {
    if (!Untimed_Step(0)) return;
    const int trees[][2] = {{4, 10}, {5, 11}, {6, 12}};
    for (const auto& t : trees)
        if (Story_Flag(t[0]) == 1) Play_Anim(t[1], -2, ANIM_LOOP, false);
    title_sequence = 1;
}

void Basement_Event(int) {
    if (!Untimed_Step(0)) return;
    if (!Mission_Accepted(MISSION_WINDMILL)) Hide_Object(121, true);
    title_sequence = 1;
}

void Cellar_Event(int) {
    int total = 0;
    for (int k = 0; k < no_sprites && k < MAX_SPRITES; ++k)
        if (sprite[k].type == UNT && k != p1_id) ++total;
    total_cellar_count = total;
    Check_Collectible_Medal(21, cellar_kill_count, total_cellar_count);
    if (fireworks == -1 && global_medals[21] == 1 && Story_Flag(88) == 0) {
        Display_Message(p1_id, MSG_CELLAR);
        Set_Story_Flag(88, 1);
    }
}

void Training_Event(int) {
    if (Untimed_Step(0)) {
        Clear_Points({5});
        if (current_main == MISSION_TRAINING &&
            (Mission_State(MISSION_TRAINING) == 1 || mission_training_is_done)) {
            Hidden_Look(78);
            Set_Mouseover(78, true);
        }
        if (current_act == 2) Set_Moving(68, true);
        if (Mission_Accepted(MISSION_SILO)) {
            Set_Objective_Marker(5, true);
            arrow_point = 70;
        }
        if (Story_Flag(7) == 1) {
            Play_Anim(62, 1, ANIM_LOOP, false);
            Footprint(62, true);
        }
        if (on_course) {
            Hidden_Look(73);
            Hidden_Look(74);
        }
        if (Mission_Accepted(MISSION_TRAINING) && !Objective_Set(3)) {
            Hidden_Look(76);
            Hidden_Look(77);
            arrow_point = 68;
        } else if (Mission_Accepted(MISSION_TRAINING)) {
            Shown_Look(76);
            Shown_Look(77);
        } else {
            Hidden_Look(76);
            Hidden_Look(77);
        }
        if (current_act == 2) {
            Shown_Look(76);
            Shown_Look(77);
        }
        title_sequence = 1;
    }
    if (!Untimed_Step(1)) return;
    if (mission_training_is_done) {
        main_mission[MISSION_TRAINING] = 1;
        mission_training_is_done = false;
    }
    if (In_Level(71) && sprite[71].grab_switch && Mission_State(MISSION_TRAINING) == 1) {
        Hidden_Look(71);
        Hidden_Look(72);
    }
    if (Mission_State(MISSION_TRAINING) == 1) arrow_point = Story_Flag(66) == 0 ? 68 : 9;
}

void Supplies_Event(int) {
    if (Untimed_Step(0)) {
        waves_sfx = true;
        stop_seagull_sfx = 1;
        if (Story_Flag(20) == 1 && In_Level(142)) {
            sprite[142].type = OBJ;
            Play_Anim(142, 2, ANIM_ONCE_HOLD, true);
            Footprint(142, false);
        }
        if (!Mission_Accepted(2))
            for (int k : {181, 182}) {
                Set_Mouseover(k, true);
                Footprint(k, true);
                Set_Moving(k, false);
                Set_Grab(k, false);
            }
        if (Story_Flag(17) == 2) Set_Story_Flag(17, 0);
        const int tunnels[][2] = {{13, 28}, {14, 33}, {3, 191}, {16, 190}};
        for (const auto& t : tunnels)
            if (Story_Flag(t[0]) == 1) Make_Tunnel(t[1]);
        bottle_count = 0;
        Clear_Points({6, 7, 8, 15, 16, 19, 26, 27, 32});
        if (current_main == MISSION_HIGHLANDERS && Mission_Accepted(MISSION_HIGHLANDERS))
            Set_Objective_Marker(26, true);
        if (current_main == MISSION_CONVOY && Mission_Accepted(MISSION_CONVOY))
            Set_Objective_Marker(32, true);
        for (int k : {82, 83})
            if (In_Level(k)) sprite[k].mouseover = sprite[k].turn_off = false;
        Set_Grab(177, false);
        Set_Grab(178, false);
        Play_Anim(137, 1, ANIM_ONCE_HOLD, true);
        Set_Moving(138, true);
        Play_Anim(179, 1, ANIM_ONCE_HOLD, true);
        Set_Moving(180, true);
        if (current_main == MISSION_CONVOY && Mission_Accepted(MISSION_CONVOY)) {
            Play_Anim(179, 0, ANIM_ONCE_HOLD, true);
            Set_Moving(180, false);
        }
        if (current_main == 4 && Story_Flag(17) != 1) {
            Set_Objective_Marker(19, true);
            Play_Anim(137, 0, ANIM_ONCE_HOLD, true);
            Set_Moving(138, false);
        }
        if (current_main == 2)
            for (const antenna& a : antennas) {
                if (Story_Flag(a.flag) == 1 || !In_Level(a.sprite)) continue;
                sprite[a.sprite].grab_switch = true;
                Footprint(a.sprite, false);
                sprite[a.sprite].score = 35;
                Set_Objective_Marker(a.point, true);
            }
        for (const antenna& a : antennas)
            if (Story_Flag(a.flag) == 1 && In_Level(a.sprite)) {
                sprite[a.sprite].priority = 3;
                Play_Anim(a.sprite, 1, ANIM_ONCE_HOLD, true);
            }
        if (current_act == 2) Hide_Object(161, true);
        for (int k = 0; k < no_sprites && k < MAX_SPRITES; ++k)
            if (sprite[k].type == OBJ && sprite[k].sector_action == 38) ++total_light_count;
        const bool supplies_open = current_main == MISSION_SUPPLIES &&
                                   Mission_Accepted(MISSION_SUPPLIES) && current_act == 1;
        for (const auto& c : supply_crates)
            if (!(supplies_open && !Objective_Set(c[0]))) {
                Play_Anim(c[1], 1, ANIM_ONCE_HOLD, true);
                Set_Moving(c[2], true);
            }
        const int supplies = Mission_State(MISSION_SUPPLIES);
        if (current_main == MISSION_SUPPLIES && (supplies == 2 || supplies == 1)) {
            if (!Objective_Set(2)) Set_Objective_Marker(7, true);
            if (!Objective_Set(0)) Set_Objective_Marker(6, true);
            if (p1_id != -1 && Objective_Set(0) && Objective_Set(2))
                Display_Message(p1_id, MSG_REPORT_BACK);
        }
        title_sequence = 1;
    }
    if (Untimed_Step(1)) {
        for (const auto& m : beach_markers)
            if (!(!Objective_Set(m[0]) && current_act == 1) && In_Level(m[1]))
                Set_Sprite(m[1], sprite[m[1]].anim - 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        title_sequence = 2;
    }
    if (!Untimed_Step(2)) return;
    if (daytime) {
        Hide_Object(135);
        Set_Moving(113, false);
    } else {
        Restore_Object(135);
        Set_Moving(113, true);
    }
    if (current_main == 4 && Mission_Accepted(4) && p1_id != -1 && Story_Flag(17) == 1) {
        Display_Message(p1_id, SUCCESS);
        main_mission[4] = 1;
    }
    if (current_main == MISSION_HIGHLANDERS && Mission_Accepted(MISSION_HIGHLANDERS) &&
        p1_id != -1 && Story_Flag(20) == 1) {
        Display_Message(p1_id, SUCCESS);
        main_mission[MISSION_HIGHLANDERS] = 1;
        Set_Objective_Marker(26, false);
    }
    if (current_main == 2 && Mission_Accepted(2)) {
        for (const antenna& a : antennas) {
            if (p1_id == -1 || !In_Level(a.sprite) || sprite[a.sprite].score > 0 ||
                Story_Flag(a.flag) == 1)
                continue;
            Set_Story_Flag(a.flag, 1);
            if (Story_Flag(a.other_flag) == 0) Display_Message(p1_id, MSG_ANTENNA);
            Start_Explosion_Chain(a.sprite, 0);
        }
        if (p1_id != -1 && Story_Flag(18) == 1 && Story_Flag(19) == 1) {
            Mission_Success_Pose(4000);
            main_mission[2] = 1;
            arrow_point = -1;
        }
        for (const antenna& a : antennas)
            if (Story_Flag(a.flag) == 1) Set_Objective_Marker(a.point, false);
    }
}

void Bunker_Event(int) {
    const bunker* b = nullptr;
    for (const bunker& x : bunkers)
        if (x.scene == scene) b = &x;
    if (!b) return;
    if (Untimed_Step(0)) {
        Cleared_Bunker_Sweep(b->objective);
        if (Story_Flag(b->flag) == 1 && In_Level(b->door)) {
            Play_Anim(b->door, 1, ANIM_LOOP, false);
            Footprint(b->door, true);
            sprite[b->door].priority = 3;
        }
        title_sequence = 1;
    }
    Enemy_Counter_Text();
    if (Untimed_Step(1) && !Objective_Set(b->objective) && current_act == 1 && enemy_count == 0) {
        title_sequence = 2;
        global_objective[b->objective] = 1;
        title_timer = Now() + b->pause;
    }
    if (Timed_Step(2) && p1_id != -1 && !lock_player) {
        if (b->partner >= 0 && Objective_Set(b->partner)) {
            Mission_Success_Pose(1000);
        } else {
            door_open_sfx = true;
            Display_Message(p1_id, MSG_CAPTURED);
        }
        title_sequence = 3;
    }
}

void Cave_Rumble_Event(int) {
    if (Story_Flag(20) == 1 && Now() > thud_timer) {
        Camera_Shake(2);
        clank_sfx = true;
        thud_timer = Now() + rand() % 3000;
    }
    if (!Untimed_Step(0)) return;
    const int hidden[][2] = {{21, Mission_State(MISSION_HIGHLANDERS) != 0}, {16, Story_Flag(20) == 1}};
    for (const auto& h : hidden) {
        if (!h[1]) continue;
        Set_Grab(h[0], false);
        Footprint(h[0], true);
        Set_Mouseover(h[0], true);
    }
}

void Cave_Hide_Event(int) {
    const int state = Mission_State(MISSION_HIGHLANDERS);
    if (state != 0 && state != 3) return;
    Set_Mouseover(16, true);
    if (In_Level(16)) sprite[16].alpha = 0.0f;
    Footprint(16, true);
    Set_Moving(17, true);
}
