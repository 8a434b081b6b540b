// The travel cut-scenes between areas (episode 1 scenes 55, 56, 58, 59, 66, 67, 75, 84, 85, 87,
// 88, 89, 90, 111) and the gallery entry, episode 1 scene 110.
#include "scripts/cut_scenes.h"

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/world_clock.h"

namespace {

constexpr int TRAVEL_WAIT = 6000;

// ---- 1/55: the beach; its skip may detour once to the briefing 1/121 ----

void Skip_55() {
    if (global_objects[95] == 0 && main_mission[2] == 2) {
        global_objects[95] = 1;
        Scene_Request(1, 121);
    } else {
        Scene_Request(3, 3);
    }
}

constexpr cut_step steps_55[] = {Cut_Start(4000, CUT_WAVES | CUT_SEAGULL2), Cut_End()};

// ---- 1/56 and 1/58: back to the hub; a pigeon (shown at night) flies to and fro ----

bool Night_Pigeon(int) {
    if (object* s9 = Cut_Sprite(9)) s9->alpha = daytime ? 1.0f : 0.0f;
    return true;
}

bool Start_56(int f_rate) {
    pigeon_direction = false;
    return Night_Pigeon(f_rate);
}

void Flight_56(int f_rate) {
    if (title_sequence != 1) return;
    object* s1 = Cut_Sprite(1);
    object* s9 = Cut_Sprite(9);
    if (!s1 || !s9) return;
    const float t = f_rate * 0.001f;
    if (!pigeon_direction) {
        s9->x += t;
        Set_Sprite(9, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        if (s9->x > s1->x + s1->width + 2 * s9->width) pigeon_direction = true;
    }
    if (pigeon_direction) {
        s9->x -= t;
        Set_Sprite(9, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        if (s1->x - 2 * s9->width > s9->x) pigeon_direction = false;
    }
}

constexpr cut_step steps_56[] = {Cut_Start(TRAVEL_WAIT, CUT_STOP_WOODS | CUT_STOP_WAVES, Start_56),
                                 Cut_End()};
constexpr cut_step steps_59[] = {Cut_Start(TRAVEL_WAIT, 0, Night_Pigeon), Cut_End()};
constexpr cut_step steps_plain[] = {Cut_Start(TRAVEL_WAIT), Cut_End()};
constexpr cut_step steps_woods[] = {Cut_Start(TRAVEL_WAIT, CUT_STOP_WOODS), Cut_End()};

// ---- 1/84: sprite 8 creeps down-right ----

constexpr cut_drift drifts_84[] = {{1, 1, 8, 0.000015f, 0.000004f}};

// ---- 1/90: the aeroplane with sprites 5 and 6 comes in from the left ----

bool Start_90(int) {
    object* s1 = Cut_Sprite(1);
    if (!s1) return true;
    script_start_x = s1->x;
    const float shift = s1->width / 1.5f;
    for (int i : {1, 5, 6})
        if (object* o = Cut_Sprite(i)) o->x -= shift;
    return true;
}

void Motion_90(int f_rate) {
    if (title_sequence != 1) return;
    object* s1 = Cut_Sprite(1);
    if (!s1 || !(script_start_x > s1->x)) return;
    for (int i : {5, 1, 6})
        if (object* o = Cut_Sprite(i)) o->x += f_rate * 0.00025f;
}

constexpr cut_step steps_90[] = {Cut_Start(TRAVEL_WAIT, CUT_WIND | CUT_AIRPLANE, Start_90),
                                 Cut_End()};

// ---- 1/75: to the trench gallery while the trench mission is under way, else to 2/8 ----

void Request_75() {
    if (main_mission[MISSION_TRENCH] == 2) Scene_Request(1, 69);
    else Scene_Request(2, 8, 4);
}

// ---- 1/110: the gallery entry; gun_entry names the gallery ----

void Request_Gallery() {
    switch (gun_entry) {
        case 1: Scene_Request(1, 8); break;
        case 2: Scene_Request(1, 69); break;
        case 4:
            pigeon_round = 0;
            targets_shot = 0;
            Scene_Request(1, 112);
            break;
        default:
            // An entry that names no gallery goes back to the act's hub, rather than
            // reloading this scene for ever; but a request made earlier in the same call (the
            // timed end, before a click's skip) already names the gallery and stands.
            if (!next_scene) Scene_Request(2, Act_Hub_Scene(current_act), 0);
            break;
    }
    gun_entry = 0;
    next_scene = true;
}

constexpr cut_step steps_110[] = {Cut_Start(5000, CUT_STOP_WIND), Cut_End()};
constexpr cut_drift drifts_110[] = {{1, 1, 3, 0.0006f, 0.0f}, {1, 1, 4, 0.0006f, 0.0f}};

constexpr const char* S = CUT_SKIP_SCENE;

constexpr cut_scene travel_scenes[] = {
    {{55, -1}, 3, S, 0, Cut_To(3, 3), Cut_To_Custom(Skip_55), steps_55, {}, nullptr, nullptr,
     nullptr},
    {{56, 58}, 2, S, 0, Cut_To_Hub(), {}, steps_56, {}, nullptr, Flight_56, nullptr},
    {{59, -1}, 2, S, 0, Cut_To(3, 1), {}, steps_59, {}, nullptr, nullptr, nullptr},
    {{66, -1}, 2, S, 0, Cut_To(2, 2), {}, steps_woods, {}, nullptr, nullptr, nullptr},
    {{67, -1}, 2, S, 0, Cut_To_Hub(1), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{84, -1}, 3, S, 0, Cut_To(2, 4, 0), {}, steps_plain, drifts_84, nullptr, nullptr, nullptr},
    {{85, -1}, 2, S, 0, Cut_To(2, 4), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{87, -1}, 3, S, 0, Cut_To(2, 9, 0), {}, steps_woods, {}, nullptr, nullptr, nullptr},
    {{88, -1}, 2, S, 0, Cut_To(2, 4, 1), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{89, -1}, 2, S, 0, Cut_To(2, 2, 40), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{90, -1}, 3, S, 0, Cut_To(2, 1, 0), {}, steps_90, {}, nullptr, Motion_90, nullptr},
    {{111, -1}, 4, S, 0, Cut_To(2, 8, 4), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{75, -1}, 2, S, 0, Cut_To_Custom(Request_75), {}, steps_plain, {}, nullptr, nullptr, nullptr},
    {{110, -1}, 2, S, 0, Cut_To_Custom(Request_Gallery), {}, steps_110, drifts_110, nullptr,
     nullptr, nullptr},
};

}  // namespace

std::span<const cut_scene> Travel_Cut_Scenes() { return travel_scenes; }
