// The camps of acts 1 and 4 of episode 2: scripted traffic, and in the act-1 camp the map
// markers, the target arrow and the camp sprites that follow the main mission.
#include <cstdlib>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "scripts/story_scenes.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/turning.h"
#include "world/world_clock.h"

namespace {

constexpr int KNOCK_DOWN_MS = 3000;
constexpr int LOOK_CHANGE_MS = 7000;
constexpr int TRAFFIC_START_SPREAD = 32000;
constexpr float ARRIVAL_DISTANCE = 0.1f;
constexpr float HIT_DISTANCE = 0.07f;

bool In_Scene(int k) { return sprite && k >= 0 && k < no_sprites && k < MAX_SPRITES; }
bool Scene_Point(int k) { return k >= 0 && k < no_points && k < MAX_POINTS; }
bool Player_Present() { return In_Scene(p1_id); }

void Set_Point(int k, bool on) {
    if (Scene_Point(k)) points[k].active = on;
}
void Set_Point_Code(int k, int c1) {
    if (Scene_Point(k)) points[k].c1 = c1;
}

// State of main mission m, or -1 for no mission.
int Mission_State(int m) {
    if (m < 0 || m >= (int)(sizeof main_mission / sizeof main_mission[0])) return -1;
    return main_mission[m];
}

// What an accepted main mission of the act-1 camp points to: the marker switched on and the
// sprite the arrow aims at; with story flag `flag` at 1 the other pair.
struct camp_mission {
    int point, arrow;
    int flag;  // -1: no alternative
    int flag_point, flag_arrow;
};
constexpr camp_mission camp_missions[7] = {
    {-1, -1, -1, -1, -1},  // 0: none
    {7, 70, -1, -1, -1},   // 1
    {26, 73, -1, -1, -1},  // 2
    {26, 73, -1, -1, -1},  // 3
    {26, 73, 14, 35, 42},  // 4
    {26, 73, 13, 35, 42},  // 5
    {26, 73, 13, 35, 42},  // 6
};

// The accepted camp mission's row, or null.
const camp_mission* Accepted_Camp_Mission() {
    int m = current_main;
    if (m < 1 || m > 6 || Mission_State(m) != 2) return nullptr;
    return &camp_missions[m];
}
int Camp_Point(const camp_mission& c) {
    return c.flag >= 0 && global_objects[c.flag] == 1 ? c.flag_point : c.point;
}
int Camp_Arrow(const camp_mission& c) {
    return c.flag >= 0 && global_objects[c.flag] == 1 ? c.flag_arrow : c.arrow;
}

void Camp_Setup() {
    for (int k : {7, 26, 31, 32, 35}) Set_Point(k, false);
    if (const camp_mission* c = Accepted_Camp_Mission()) Set_Point(Camp_Point(*c), true);

    if (In_Scene(42)) {
        if (global_objects[66] == 0) {
            Set_Sprite(42, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            sprite[42].grab_switch = false;
            sprite[42].moving = true;
        } else {
            Set_Sprite(42, 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            sprite[42].grab_switch = true;
            sprite[42].moving = false;
        }
    }

    const char flag60 = global_objects[60];
    if (flag60 == 1) {
        if (In_Scene(72)) {
            sprite[72].mouseover = true;
            sprite[72].alpha = 0.0f;
            Generate_Object_Collision(72, true);
        }
        if (In_Scene(123)) sprite[123].moving = false;
    } else if (flag60 == 0) {
        Set_Point(31, true);
        Set_Point_Code(5, GLOBAL_SIDE_PNT);
        if (In_Scene(123)) sprite[123].moving = true;
        arrow_point = 140;
    } else if (flag60 == 2) {
        Set_Point(32, true);
        Set_Point_Code(5, MAP_HQ_PNT);
        if (In_Scene(123)) sprite[123].moving = false;
        arrow_point = 123;
    }
    if (flag60 == 1) {
        if (current_main == 1 && Mission_State(1) == 0) {
            Set_Point(31, true);
            Set_Point_Code(5, GLOBAL_SIDE_PNT);
            arrow_point = 140;
        } else {
            Set_Point_Code(5, MAP_HQ_PNT);
        }
    }
}

void Trigger_Pose() {
    if (!Player_Present() || trigger_hit == -1) return;
    object& p = sprite[p1_id];
    if (p.status == STATUS_IDLE) {
        p.status = STATUS_CAMP_POSE;
        p.update = true;
        p.anim_state = ANIM_STOPPED;
        Convert_Dir_To_Angle(p1_id, 6);
    }
    trigger_hit = -1;
}

void Camp_Arrow() {
    int state = Mission_State(current_main);
    if (state == 1) {
        arrow_point = 140;
    } else if (state == 2) {
        if (const camp_mission* c = Accepted_Camp_Mission()) arrow_point = Camp_Arrow(*c);
    }
}

// One tick of one mover: the drive, the jump back with a new look, the knock-down.
void Drive_Mover(int k, int f_rate, int now) {
    object& o = sprite[k];
    const int end = o.linked_sprite;
    const int start = o.score;
    if (!Scene_Point(end) || !Scene_Point(start)) return;  // a route outside the scene's points
    const float tx = points[end].x, ty = points[end].y;
    Move_Vehicle(k, tx, ty, f_rate);
    const float cx = o.w + o.box_width / 2;
    const float cy = o.z + o.box_height / 2;

    if (Node_Distance(cx, cy, tx, ty) <= ARRIVAL_DISTANCE) {
        const float dx = points[start].x - o.x;
        const float dy = points[start].y - o.y;
        o.x += dx;
        o.w += dx;
        o.y += dy;
        o.z += dy;
        if (now > change_guys_timer) {
            Roll_Traffic_Looks();
            change_guys_timer = now + LOOK_CHANGE_MS;
        }
        Set_Sprite(k, o.anim <= 3 ? chasers : runners, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    }

    if (!Player_Present()) return;
    object& p = sprite[p1_id];
    if (p.status == STATUS_CAUGHT) return;
    if (Node_Distance(cx, cy, p.w + p.box_width / 2, p.z + p.box_height / 2) <= HIT_DISTANCE) {
        p.status = STATUS_CAUGHT;
        p.update = true;
        p.anim_state = ANIM_STOPPED;
        p.all_timer = now + KNOCK_DOWN_MS;
        drown_sfx = true;
    }
}

}  // namespace

void Roll_Traffic_Looks() {
    chasers = rand() % 4;
    runners = 4 + rand() % 4;
}

void Run_Traffic(int f_rate) {
    if (Untimed_Step(0)) {
        Next_Step(rand() % TRAFFIC_START_SPREAD);
        return;
    }
    if (!Timed_Step(1) || quit_active || !sprite) return;
    const int now = Script_Now();
    int count = cpatrol_count;
    if (count > CPATROL_LIST_SIZE) count = CPATROL_LIST_SIZE;
    for (int i = 0; i < count; ++i) {
        const int k = cpatrol_list[i];
        if (In_Scene(k)) Drive_Mover(k, f_rate, now);
    }
}

void Act4_Camp_Block(int f_rate) {
    if (Mission_State(current_main) == 1) arrow_point = 123;
    Run_Traffic(f_rate);
}

void Act1_Camp_Block(int f_rate) {
    shop_id = 0;
    if (start_sequence == 0) Camp_Setup();
    Trigger_Pose();
    if (In_Scene(15)) {
        const int look = daytime ? 4 : 19;
        if (sprite[15].anim != look) Set_Sprite(15, look, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    }
    Camp_Arrow();
    Run_Traffic(f_rate);
}
