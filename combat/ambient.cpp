// The life of the scene's non-combat objects, run for each entry of the object list.
#include "combat/ambient.h"

#include <cmath>
#include <cstdlib>

#include "combat/combat.h"
#include "combat/sight.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/turning.h"
#include "world/world_clock.h"

namespace {

constexpr float STARTLE_RANGE = 0.8f;
constexpr float LIGHT_DRAW_RANGE = 2.5f;
constexpr int DRAW_LIGHT_LIST_SIZE = 50;


bool Player_Present() { return Valid_Sprite(p1_id); }

// A startled bird or critter settles again for 3 to 15 s.
void Settle(int loop, object& o, int now) {
    Set_Sprite(loop, o.base_anim, 2, 0, true);
    o.all_timer = now + 3000 + rand() % 12000;
    o.status = STATUS_IDLE;
}

void Night_Light(int loop, object& o, int now) {
    if (now > range_timer && o.type == UNT && !o.death_flash && loop != p1_id && (in_dungeon || daytime))
        o.alpha = o.light;
}

// A body paired with a unit drops back to its own pose once the unit has let it go. A partner
// index that names no sprite counts as released, so the body is not held forever.
void Released_Body(int loop, object& o) {
    if (o.type != BOD || o.status != STATUS_PAIRED) return;
    if (Valid_Sprite(o.score) && sprite[o.score].status == STATUS_PAIRED) return;
    Set_Sprite(loop, o.base_anim, 1, 0, false);
    o.status = STATUS_RELEASED;
    o.priority = 3;
}

void Lights(int loop, object& o, int now) {
    const bool lamp = o.type == OBJ && (o.sector_action == OBJ_LIGHT || o.sector_action == OBJ_LIGHT1);
    const bool firing = o.type == UNT && o.status == STATUS_FIRING && now <= o.reload_timer;
    if (o.type == OBJ && o.sector_action == OBJ_LIGHT1 && o.linked_sprite == 1) no_lights_on++;
    if (!lamp && !firing) return;
    if (light_count < LIGHT_LIST_SIZE) light_list[light_count++] = loop;
    if ((lamp && o.linked_sprite == 1) || firing) {
        const float dx = (o.w + o.box_width / 2) + camX;
        const float dy = (o.z + o.box_height / 2) + camY;
        if (std::sqrt(dx * dx + dy * dy) < LIGHT_DRAW_RANGE && draw_light_count <= DRAW_LIGHT_LIST_SIZE - 1)
            draw_light_list[draw_light_count++] = loop;
    }
}

void Danger_Music(const object& o) {
    if (o.type != BOX || !Player_Present()) return;
    const object& p = sprite[p1_id];
    music_danger_distance = (std::fabs(o.x - p.x) + std::fabs(o.y - p.y)) / 2;
    const float level = 1.4f - music_danger_distance;
    if (level > music_danger_volume) music_danger_volume = level;
    if (music_danger_volume < 0.0f) music_danger_volume = 0.0f;
    if (music_danger_volume > music_volume) music_danger_volume = music_volume;
}

void Dancer(int loop, const object& o, int now) {
    if (now > dancing_timer) start_dancing = true;
    if (daytime || o.type != OBJ) return;
    if (o.sector_action != OBJ_DANCER && o.sector_action != OBJ_DANCER1) return;
    int a = o.base_anim + 1;
    if (start_dancing) a = o.sector_action == OBJ_DANCER ? o.base_anim + 2 : o.base_anim;
    Set_Sprite(loop, a, 2, 0, false);
}

bool Crow_Level() {
    return Level == LVL_HIGHWAY || Level == LVL_FARMS || Level == LVL_ROADWAY || Level == LVL_VILLAGE;
}

void Bird(int loop, object& o, int now) {
    if (o.type != BAG || (o.sector != SEAGULL && o.sector != SEAGULL2)) return;
    if (now > o.all_timer && Player_Present() && o.score > 0 && o.status != STATUS_STARTLED &&
        Is_Guy_In_Range(loop, p1_id, STARTLE_RANGE)) {
        Set_Sprite(loop, o.base_anim + 2, 2, 0, true);
        bool& cry = Crow_Level() ? crow1_sfx : (o.sector == SEAGULL ? seagull_sfx : seagull2_sfx);
        cry = true;
        o.all_timer = now + (o.sector == SEAGULL ? 1000 : 5000);
        o.status = STATUS_STARTLED;
    }
    if (now > o.all_timer && o.score > 0 && o.status == STATUS_STARTLED) Settle(loop, o, now);
}

void Critter(int loop, object& o, int now) {
    if (o.type != OBJ || (o.sector_action != OBJ_SEAGULL && o.sector_action != OBJ_SEAGULL2)) return;
    if (now > o.all_timer && Player_Present() && o.status != STATUS_STARTLED &&
        Is_Guy_In_Range(loop, p1_id, STARTLE_RANGE)) {
        const int sound = o.linked_sprite;
        if (sound != 4 && sound != 5 && sound != 6) Set_Sprite(loop, o.base_anim + 1, 2, 0, true);
        if (sound == 5 || sound == 6) Set_Sprite(loop, o.base_anim + 1, 1, 0, true);
        if (o.sector_action == OBJ_SEAGULL) {
            o.all_timer = now + 1000;
            switch (sound) {
                case 1: seagull_sfx = true; break;
                case 3: bark_sfx = true; break;
                case 4: buoy_sfx = true; break;
                case 5: drip_sfx = true; break;
                case 6: sniperply_sfx = true; break;
                default: break;
            }
        } else {
            seagull2_sfx = true;
            o.all_timer = now + 5000;
        }
        o.status = STATUS_STARTLED;
    }
    if (now > o.all_timer && o.status == STATUS_STARTLED) Settle(loop, o, now);
}

}  // namespace

void Ambient_Objects(int loop, int f_rate) {
    (void)f_rate;
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    const int now = Now();
    const bool walking = game_mode == MODE_WALK;
    if (walking) {
        Night_Light(loop, o, now);
        Released_Body(loop, o);
        Lights(loop, o, now);
    }
    Danger_Music(o);
    if (walking) {
        Dancer(loop, o, now);
        Bird(loop, o, now);
        Critter(loop, o, now);
    }
}

void Ambient_Movers(int loop, int f_rate) {
    if (!Valid_Sprite(loop)) return;
    const object& o = sprite[loop];
    if (game_mode == MODE_FRONT && o.type == FE_MOVE) Move_Sprite(loop, f_rate, o.score != 0);
}

void Ambient_Scroll_Cut_Select(int loop, int f_rate) {
    if (!Valid_Sprite(loop)) return;
    object& o = sprite[loop];
    const int now = Now();
    if (o.type == SCR || (o.type == SFE && game_mode == MODE_FRONT)) {
        const float rate = o.score / 100000.0f;
        for (int k = 0; k < 4; ++k) {
            if (o.onCreate == 0)
                o.u[k] += f_rate * rate;
            else
                o.v[k] -= 2 * f_rate * rate;
        }
    }
    if (o.type == CUT && now > o.all_timer && o.emy_shooting) {
        cutscene = false;
        hud_face = 0;
        o.emy_shooting = false;
    }
    if (o.type == OBJ && now > o.all_timer && o.selected) {
        o.selected = false;
        if (o.sector_action != OBJ_SWITCH) Set_Sprite(loop, o.base_anim, 2, 0, true);
    }
}
