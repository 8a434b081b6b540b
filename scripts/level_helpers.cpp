#include "scripts/level_helpers.h"

#include "combat/combat.h"
#include "combat/medals.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/missions.h"
#include "hud/speech.h"
#include "platform/timer.h"
#include "render/font.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/pathfinder.h"
#include "world/turning.h"

namespace {
// A sprite of the running scene.
bool In_Scene(int k) { return sprite && k >= 0 && k < no_sprites && k < MAX_SPRITES; }
// A point of the running scene.
bool Scene_Point(int k) { return k >= 0 && k < no_points && k < MAX_POINTS; }
}  // namespace

void Make_Tunnel(int index) {
    if (!In_Scene(index)) return;
    object& o = sprite[index];
    o.type = LAD;
    o.priority = 5;
    o.linked_sprite = 0;
    o.sector = LVL_TUNNEL;
    o.onCreate = 0;
    Generate_Object_Collision(index, true);
    Set_Sprite(index, o.base_anim + 2, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    if (trigger_counter >= 0 && trigger_counter < TRIGGER_LIST_SIZE) {
        trigger_list[trigger_counter] = index;
        ++trigger_counter;
    }
}

void Check_Patrol(int loop, int point, int next_point) {
    if (!In_Scene(loop) || !Scene_Point(point) || !Scene_Point(next_point)) return;
    object& u = sprite[loop];
    float cx = u.w + u.box_width / 2.0f;
    float cy = u.z + u.box_height / 2.0f;
    if (!(Node_Distance1(cx, cy, points[point].x, points[point].y) < 0.25f)) return;
    u.mov_x = u.end_x = points[next_point].x;
    u.mov_y = u.end_y = points[next_point].y;
    u.update = true;
    u.anim_state = 0;
    u.turning = false;
    u.status = STATUS_WALK;
    u.moving = true;
    Find_Path(loop);
    if (loop == 112) patroling1 = point;
    if (loop == 37) patroling2 = point;
    if (loop == 103) patroling3 = point;
}

void Clear_Objective_Markers() {
    for (int i = 0; i < map_pnt_counter && i < MAP_PNT_LIST_SIZE; ++i) {
        int k = map_pnt_list[i];
        if (!Scene_Point(k)) continue;
        if (points[k].c1 == GLOBAL_MAP_PNT || points[k].c1 == GLOBAL_SIDE_PNT) points[k].active = false;
    }
}

void Set_Objective_Marker(int point, bool on) {
    if (Scene_Point(point)) points[point].active = on;
}

void Hide_Object(int k, bool switch_off) {
    if (!In_Scene(k)) return;
    sprite[k].mouseover = true;
    Generate_Object_Collision(k, true);
    if (switch_off) sprite[k].turn_off = true;
}

void Restore_Object(int k, bool show) {
    if (!In_Scene(k)) return;
    sprite[k].mouseover = false;
    Generate_Object_Collision(k, false);
    if (show) sprite[k].alpha = 1.0f;
}

void Show_Broken_Object(int k) {
    if (!In_Scene(k)) return;
    Set_Sprite(k, sprite[k].base_anim + 1, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    sprite[k].score = 0;
}

void Mission_Success_Pose(int ms) {
    if (!In_Scene(p1_id)) return;
    object& p = sprite[p1_id];
    p.status = STATUS_CHEER;
    lock_player = true;
    p.update = true;
    p.anim_state = 0;
    p.moving = false;
    p.all_timer = Now() + ms;
}

void Accomplish_Mission(int m, int pose_ms, bool say) {
    if (m < 0 || m >= 25) return;
    main_mission[m] = 1;
    if (say && p1_id != -1) Display_Message(p1_id, SUCCESS);
    Mission_Success_Pose(pose_ms);
}

bool Cleared_Bunker_Sweep(int objective) {
    bool done = objective >= 0 && objective < 10 && global_objective[objective] == 1;
    if (!done && current_act == 1) return false;
    for (int k = 0; k < no_sprites && k < MAX_SPRITES; ++k) {
        object& u = sprite[k];
        if (u.type != UNT || u.linked_sprite == player_type) continue;
        u.status = STATUS_DEAD;
        u.score = 0;
        Generate_Object_Collision(k, true);
        u.turn_off = true;
    }
    enemy_count = 0;
    return true;
}

void Enemy_Counter_Text() {
    font& c = counter[3];
    if (map_stat) {
        c.alpha = 0.0f;
        return;
    }
    c.x = hud[3].x + 0.12f;
    c.y = hud[3].y + 0.06f;
    c.width = 0.01f;
    c.height = 0.03f;
    c.alpha = 1.0f;
    if (!falling_in_hole) Text_Printf(3, "%i", enemy_count);
}

void Start_Explosion_Chain(int k, int count, int type) {
    if (!In_Scene(k)) return;
    exploding_id = k;
    exploding_timer = Now() + 100;
    exploding_count = count;
    if (type != -1) exploding_type = type;
}

void Start_Delayed_Remark() {
    speak_txt = true;
    speak_timer = Now() + 1600;
}

void Run_Delayed_Remark() {
    if (!(Now() > speak_timer) || !speak_txt) return;
    speak_txt = false;
    if (p1_id != -1) Display_Message(p1_id, MSG_EXPLODE);
}

bool Check_Collectible_Medal(int s, int kills, int total) {
    if (s < 0 || s >= 48) return false;
    if (global_medals[s] == 1 || kills < total) return false;
    Medal_Awarded(1);
    global_medals[s] = 1;
    return true;
}
