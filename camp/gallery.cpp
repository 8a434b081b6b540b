#include "camp/gallery.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/effects.h"
#include "world/particles.h"

namespace {

// ---- Sprite roles of a gallery scene -------------------------------------------------------
constexpr int PANEL = 0, BACK_BUTTON = 1, CLIP_LOW = 17, CLIP_HIGH = 18, HUD_EXTRA = 19, FACE = 20,
              LIFE_BAR = 21;
constexpr int HEALTH_ITEM = 10, GOLD_ITEM = 11;
constexpr int GOLD_DROPPER = 9, HEALTH_DROPPER = 12;
constexpr int CANNON_DEPTH = 27, BALL_TEMPLATE = 36;
constexpr int STURDY_CRATE_WITH_HEALTH = 29;  // gallery scene 5
constexpr int BOSS_PROP = 32;                 // gallery scene 11
constexpr int PIGEONS[3] = {33, 28, 32};

// ---- Target states (object::status) --------------------------------------------------------
constexpr int ST_AIMING = 3, ST_LOWERED = 15, ST_HIT = 21, ST_FIRING = 29, ST_DYING = 30, ST_DOWN = 31,
              ST_RAISED = 64;
// Face states (sprite 20).
constexpr int FACE_IDLE = 3, FACE_HURT = 21, FACE_FIRING = 29, FACE_DEAD = 30;

// ---- Target kinds (object::sector_action) by the wave script's kind code ---------------------
constexpr int KIND_STANDARD = 0, KIND_QUICK = 2, KIND_RUNNER = 30, KIND_LAUGHING = 19, KIND_BONUS = 23;
struct target_kind {
    int sector_action;
    int health;
    int time_up;  // ms a raised target stays up
};
constexpr target_kind kinds[4] = {
    {KIND_STANDARD, 20, 3000}, {KIND_QUICK, 20, 1500}, {KIND_RUNNER, 40, 6000}, {KIND_LAUGHING, 30, 2000}};

// Prop kinds (object::rank of a type-40 prop).
constexpr int PROP_CRATE = 0, PROP_GLASS = 1, PROP_LAMP = 2, PROP_STURDY = 3, PROP_BALL = 4, PROP_PIGEON = 5,
              PROP_BOSS = 6;
// Bonus items (object::rank of a bonus item).
constexpr int BONUS_HEALTH = 0, BONUS_GOLD = 1;

// Texture slots of the effects the gallery makes.
constexpr int TEX_EFFECTS = 2, TEX_EXPLOSION = 21;
constexpr int ANIM_PUFF = 12, ANIM_SPLINTER = 54, ANIM_EXPLOSION = 0;

// Hold points written before a script loads: never reached by a wave index or a kill count.
constexpr int NO_HOLD = 1000000;

// Cursor animations (HUD item 1).
constexpr int CURSOR_ARROW = 0, CURSOR_ON_TARGET = 2, CURSOR_AIM = 7, CURSOR_RELOAD = 8;

// ---- Gallery scenes ------------------------------------------------------------------------
struct gallery_entry {
    int scene;       // episode 1 scene
    int level;       // Gallery_Level
    int next_scene;  // episode 1 scene that follows a finished gallery
};
constexpr gallery_entry gallery_scenes[16] = {
    {8, 1, 21},    {21, 1, 22},   {22, 1, 40},   {23, 1, 41},   {69, 2, 70},   {70, 2, 71},
    {71, 2, 72},   {73, 2, 74},   {95, 3, 96},   {96, 3, 97},   {97, 3, 123},  {98, 3, 99},
    {112, 4, 113}, {113, 4, 114}, {114, 4, 115}, {115, 4, 112},
};

int Scene_Index(int s) {
    for (int g = 0; g < 16; g++)
        if (gallery_scenes[g].scene == s) return g;
    return -1;
}

int Sprite_Count() { return no_sprites < 0 ? 0 : (no_sprites > MAX_SPRITES ? MAX_SPRITES : no_sprites); }

bool Over(const object& o) {
    return o.w < mouseX && mouseX < o.w + o.box_width && o.z < mouseY && mouseY < o.z + o.box_height;
}

bool Shown(const object& o) { return o.alpha == 1.0f; }

// The wave script's kind code to its table entry; an unknown code is a standard figure.
const target_kind& Kind_Of_Code(int code) { return kinds[(code >= 0 && code < 4) ? code : 0]; }
const target_kind& Kind_Of_Target(const object& o) {
    for (const target_kind& k : kinds)
        if (k.sector_action == o.sector_action) return k;
    return kinds[0];
}

bool Is_Target(const object& o) { return o.type == MNE && o.sector_action != KIND_BONUS; }

int Clip_For_Perk() {
    static constexpr int clips[4] = {5, 6, 7, 8};
    return (st_gallery >= 0 && st_gallery <= 3) ? clips[st_gallery] : 6;
}

int Damage_For_Perk() {
    static constexpr int damage[4] = {10, 15, 20, 30};
    return (st_gallery >= 0 && st_gallery <= 3) ? damage[st_gallery] : 10;
}

void Shift_X(int i, float dx) {
    sprite[i].x += dx;
    sprite[i].w += dx;
}

void Face(int status, int ms_until) {
    sprite[FACE].status = status;
    sprite[FACE].all_timer = Now() + ms_until;
}

void Player_Hit() {
    old_health -= 6;
    Face(FACE_HURT, 250);
    red_swipe = true;
    swipe_color = 1;
    red_timer = Now() + 100;
    sight_sfx = true;
}

void Boss_Damage(int amount) {
    boss_gallery_health -= amount;
    if (boss_gallery_health < 0) boss_gallery_health = 0;
}

void Start_Reload() {
    gallery_reloading = true;
    gallery_reload_timer = Now() + 600;
    mouseright = false;
    potion_up_sfx = true;
}

void Effect(float x, float y, float width, float height, int anim, int mode, float alpha, int tex) {
    New_FX({.x = x, .y = y, .w = x, .z = y, .anim = anim, .anim_state = mode, .box_width = width,
            .box_height = height, .width = width, .height = height, .priority = 3, .type = GFX, .alpha = alpha,
            .tex_id = tex});
}

// Places a bonus item at (x, y) and shows it.
void Place_Bonus(int item, float x, float y, int priority, int rank, int anim) {
    object& b = sprite[item];
    b.x = b.w = x;
    b.y = b.z = y;
    b.grab_switch = true;
    b.alpha = 1.0f;
    b.priority = priority;
    b.sector_action = KIND_BONUS;
    b.rank = rank;
    b.score = 10;
    Set_Sprite(item, anim, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
}

// The scene that follows, with its extras.
void Request_Next(const gallery_entry& g) {
    episode = 1;
    scene = g.next_scene;
    if (gallery_scene == 3) {
        global_objects[17] = 1;
        mouseleft = false;
        sprite[BACK_BUTTON].grab_switch = false;
    }
    if (gallery_scene == 15 && pigeon_round == 2) {
        episode = 3;
        scene = 29;
        current_spawn = 3;
    }
    next_scene = true;
}

// ---- Entry ---------------------------------------------------------------------------------
void Enter_Gallery(int g) {
    const int now = Now();
    if (screen_mode != 0) {
        for (int i : {CLIP_LOW, CLIP_HIGH}) Shift_X(i, -0.2f);
        for (int i : {BACK_BUTTON, HUD_EXTRA, FACE, LIFE_BAR}) Shift_X(i, 0.2f);
    }
    sprite[FACE].status = FACE_IDLE;
    pigeon_mode = false;
    Gallery_Level = 0;
    camY = 0.0f;
    deck_angle = 0.0f;
    for (int& p : gallery_pause) p = NO_HOLD;

    gallery_scene = g;
    Gallery_Level = gallery_scenes[g].level;
    if (Gallery_Level == 4) pigeon_mode = true;
    if (g == 0) stop_waves_sfx = 1;
    if (g >= 8 && g <= 11) exhaust_sfx = true;
    if (g == 11) sprite[BOSS_PROP].score = 800;
    if (g == 12) woods_sfx = true;
    if (g == 15) pigeon_round++;

    gallery_index = 0;
    gallery_pause_count = 0;
    gallery_health_width = sprite[LIFE_BAR].width;
    if (g == 3) boss_health_width = sprite[29].width;
    if (g == 11) boss_health_width = sprite[31].width;
    if (g == 7) {
        boss_health_width = sprite[32].width;
        for (int b : {33, 34, 35}) sprite[b].alpha = 0.0f;
        start_33_x = sprite[33].x, start_33_y = sprite[33].y;
        start_34_x = sprite[34].x, start_34_y = sprite[34].y;
        start_35_x = sprite[35].x, start_35_y = sprite[35].y;
        cannon_timer = now + 6000;
    }

    gallery_clip = Clip_For_Perk();
    gallery_player_damage = Damage_For_Perk();

    if (Gallery_Level == 4) {
        for (int p : PIGEONS) {
            sprite[p].alpha = 1.0f;
            sprite[p].grab_switch = true;
            sprite[p].angle = 0.0f;
            Set_Sprite(p, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        }
        pigeon_launched = false;
        pigeon_timer = now + 3000;
        gallery_clip = 3;
    }

    gallery_reloading = false;
    gallery_paused = false;
    gallery_finished = false;
    targets_killed = 0;

    Init_Gallery(gallery_scene);

    for (int i = 0; i < Sprite_Count(); i++) {
        object& o = sprite[i];
        if (o.type == MNE) {
            o.grab_switch = false;
            o.mov_x = o.x;
            o.end_x = o.w;
            o.sector = 0;
            o.alpha = 0.0f;
            o.status = ST_DOWN;
        } else if (o.type == HLP && g != 11) {
            o.score = 3;
        }
    }
    gallery_timer = now + 3000;
    title_sequence = 1;
}

// ---- Wave release --------------------------------------------------------------------------
void Release_Wave() {
    if (Gallery_Level == 4 || gallery_finished || gallery_paused) return;
    const int count = gallery_count < GALLERY_MAX_WAVES ? gallery_count : GALLERY_MAX_WAVES;
    if (gallery_index < 0 || gallery_index >= count || Now() <= gallery_timer) return;

    if (gallery_scene == 11) {
        static constexpr int boss_figures[7] = {5, 4, 7, 6, 8, 2, 13};
        the_sprite = boss_figures[rand() % 7];
    } else {
        the_sprite = gallery_sequence[gallery_index];
    }
    // A wave whose sprite is 0, -1 or no object of the scene raises nothing but still counts.
    if (the_sprite > 0 && the_sprite < Sprite_Count()) {
        object& t = sprite[the_sprite];
        const target_kind& k = Kind_Of_Code(gallery_innocent[gallery_index]);
        t.grab_switch = true;
        t.sector = gallery_direction[gallery_index];
        t.x = t.mov_x;
        t.w = t.end_x;
        t.alpha = 1.0f;
        t.status = ST_RAISED;
        t.rank = 0;
        t.all_timer = Now() + 500;
        t.sector_action = k.sector_action;
        t.bomb_timer = Now() + k.time_up;
        Set_Sprite(the_sprite, 0, k.sector_action == KIND_RUNNER ? ANIM_LOOP : ANIM_ONCE, ANIM_ARRAY_SPRITE,
                   false);
        t.score = k.health;
        if (k.sector_action == KIND_LAUGHING) {
            if (gallery_scene == 11) t.score = 10;
            laugh_sfx = true;
        }
    }
    gallery_index++;
    if (gallery_index < count) gallery_timer = Now() + gallery_sequence_times[gallery_index];

    if (gallery_index >= count) {
        if (gallery_scene == 11 && count > 1) {
            gallery_index = 1;
            targets_killed = 0;
            gallery_pause_count = 0;
            gallery_paused = false;
            gallery_timer = Now() + gallery_sequence_times[1];
        } else {
            gallery_finished = true;
            title_timer = Now() + 3000;
        }
    }
}

// ---- Level motion --------------------------------------------------------------------------
bool Sways(int i) {
    if (i == PANEL || i == BACK_BUTTON || (i >= CLIP_LOW && i <= LIFE_BAR)) return false;
    if (gallery_scene == 3 && (i == 28 || i == 29)) return false;
    return true;
}

void Level_Motion(int ms) {
    if (Gallery_Level == 1) {
        deck_angle += ms * 0.001f;
        if (deck_angle >= 6.28f) deck_angle = 0.0f;
        const float dy = std::sin(deck_angle - 3.14f) * ms * 0.00003f;
        for (int i = 0; i < Sprite_Count(); i++)
            if (Sways(i)) {
                sprite[i].y += dy;
                sprite[i].z += dy;
            }
    } else if (Gallery_Level == 3) {
        for (int i = 0; i < Sprite_Count(); i++)
            if (Sways(i)) {
                const float dy = vibrate ? 0.005f : -0.005f;
                sprite[i].y += dy;
                sprite[i].z += dy;
                vibrate = !vibrate;
            }
    }
}

// ---- Hold points ---------------------------------------------------------------------------
void Update_Pauses() {
    // Every hold point already reached by the kills is passed, also when two figures died in
    // one tick and the count stepped over a hold point.
    while (gallery_pause_count >= 0 && gallery_pause_count < GALLERY_MAX_PAUSES &&
           targets_killed >= gallery_pause[gallery_pause_count])
        gallery_pause_count++;
    gallery_paused = gallery_pause_count >= 0 && gallery_pause_count < GALLERY_MAX_PAUSES &&
                     gallery_pause[gallery_pause_count] == gallery_index;
}

// ---- Clay pigeons --------------------------------------------------------------------------
void Pigeons(int ms) {
    const int now = Now();
    if (now > pigeon_timer && !pigeon_launched) {
        pigeon_launched = true;
        splash_sfx = true;
        pigeon_timer = now + 4500;
        if (gallery_scene >= 13 && gallery_scene <= 15) {
            Xspeed1 = 0.0006f + (rand() % 16) / 10000.0f;
            Xspeed2 = (gallery_scene == 15 ? 0.0006f : 0.0004f) + (rand() % 16) / 10000.0f;
            Xspeed3 = 0.0002f + (rand() % 16) / 10000.0f;
            Yspeed1 = 0.0002f + (rand() % 10) / 10000.0f;
            Yspeed2 = 0.0002f + (rand() % 10) / 10000.0f;
            Yspeed3 = 0.0002f + (rand() % 10) / 10000.0f;
        }
    }
    if (now > pigeon_timer && pigeon_launched) Request_Next(gallery_scenes[gallery_scene]);
    if (!pigeon_launched) return;

    const float shrink = gallery_scene == 12 ? ms * 0.00002f : gallery_scene == 13 ? ms * 0.00004f : ms * 0.000045f;
    for (int p : PIGEONS) {
        object& o = sprite[p];
        if (!Shown(o)) continue;
        float lift = 0.0f;
        if (gallery_scene == 12) {
            if (p == 33) o.x += ms * 0.0001f, lift = ms * 0.001f;
            if (p == 28) o.x -= ms * 0.0001f, lift = ms * 0.001f;
            if (p == 32) lift = ms * 0.0013f;
        } else {
            const float xs = p == 33 ? Xspeed1 : p == 28 ? Xspeed2 : Xspeed3;
            lift = ms * (p == 33 ? Yspeed1 : p == 28 ? Yspeed2 : Yspeed3);
            if (gallery_scene == 13) o.x += ms * xs;
            if (gallery_scene == 14) o.x -= ms * xs;
            if (gallery_scene == 15 && p == 33) o.x -= ms * xs;
            if (gallery_scene == 15 && p == 28) o.x += ms * xs;
        }
        o.y += lift * std::cos(o.angle);
        o.angle += ms * 0.001f;
        if (o.angle > 3.14f) o.angle = 3.14f;
        // A pigeon shrinks to nothing, never past it.
        const float s = shrink < o.width && shrink < o.height ? shrink : (o.width < o.height ? o.width : o.height);
        if (s > 0.0f) {
            o.x += s / 2;
            o.y += s / 2;
            o.width -= s;
            o.height -= s;
        }
        o.w = o.x;
        o.z = o.y;
        o.box_width = o.width;
        o.box_height = o.height;
    }
}

// ---- The cannon of gallery scene 7 ---------------------------------------------------------
void Cannon(int ms) {
    const int now = Now();
    if (now > cannon_timer) {
        static constexpr int balls[3] = {33, 34, 35}, cannons[3] = {29, 28, 30};
        const int r = rand() % 3;
        object& b = sprite[balls[r]];
        if (b.alpha == 0.0f) {
            const object& t = sprite[BALL_TEMPLATE];
            b.alpha = 1.0f;
            b.grab_switch = true;
            b.width = t.width;
            b.height = t.height;
            b.box_width = t.box_width;
            b.box_height = t.box_height;
            b.angle = 0.0f;
            b.x = b.w = r == 0 ? start_33_x : r == 1 ? start_34_x : start_35_x;
            b.y = b.z = r == 0 ? start_33_y : r == 1 ? start_34_y : start_35_y;
            Set_Sprite(cannons[r], 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
            splash_sfx = true;
        }
        int wait = 5000;
        if (boss_gallery_health < boss_total_score / 2) wait = 3000;
        if (boss_gallery_health < boss_total_score / 3) wait = 2000;
        if (boss_gallery_health < boss_total_score / 4) wait = 1500;
        cannon_timer = now + wait;
    }
    for (int k : {33, 34, 35}) {
        object& b = sprite[k];
        if (!Shown(b)) continue;
        if (k == 34) b.x += ms * 0.0001f;
        if (k == 35) b.x -= ms * 0.0001f;
        b.y += ms * 0.001f * std::cos(b.angle);
        b.angle += ms * 0.001f;
        if (b.angle > 3.14f) b.angle = 3.14f;
        const float g = ms * 0.0003f;
        b.x -= g / 2;
        b.y -= g / 2;
        b.width += g;
        b.height += g;
        b.w = b.x;
        b.z = b.y;
        b.box_width = b.width;
        b.box_height = b.height;
        if (b.z <= sprite[CANNON_DEPTH].z) {
            Player_Hit();
            Effect(b.x, b.y, b.width, b.height, ANIM_EXPLOSION, ANIM_ONCE, 1.0f, TEX_EXPLOSION);
            b.grab_switch = false;
            b.alpha = 0.0f;
            boss_sfx = true;
        }
    }
}

// ---- Per sprite ----------------------------------------------------------------------------
void Player_Death() {
    if (ply_dead || old_health >= 1) return;
    red_swipe = false;
    ply_dead = true;
    if (current_main > 0 && current_main < 25 && main_mission[current_main] == 2) {
        cycle_episode = episode;
        cycle_scene = scene;
        cycle_spawn = last_spawn;
        activate_bicycle = true;
    }
    Face(FACE_DEAD, 5000);
    episode = 0;
    scene = Gallery_Level == 1 ? 14 : Gallery_Level == 2 ? 15 : 8;
    next_scene = true;
}

void Target_Steps(int i, int ms) {
    object& o = sprite[i];
    const int now = Now();
    const bool runner = o.sector_action == KIND_RUNNER;
    if (Is_Target(o) && o.score > 0) {
        if (o.grab_switch && now > o.bomb_timer && o.status != ST_LOWERED) {
            o.grab_switch = false;
            o.status = ST_LOWERED;
            if (runner) {
                o.x = o.mov_x;
                o.w = o.end_x;
            } else {
                Set_Sprite(i, 5, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
            }
            o.all_timer = now + 3000;
        }
        if (o.status == ST_LOWERED && now > o.all_timer) {
            o.grab_switch = true;
            o.status = ST_RAISED;
            o.bomb_timer = now + Kind_Of_Target(o).time_up;
            Set_Sprite(i, 0, runner ? ANIM_LOOP : ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
            o.all_timer = now + 500;
        }
    }
    if (o.type == MNE && o.grab_switch && (o.sector == dir_code::RIGHT || o.sector == dir_code::LEFT)) {
        float step = ms * (gallery_scene == 1 ? 0.0003f : 0.0002f);
        if (o.status == ST_DYING) step /= 2;
        if (o.sector == dir_code::LEFT) step = -step;
        o.x += step;
        o.w += step;
    }
    if (Is_Target(o) && o.score > 0 && Shown(o)) {
        if ((o.status == ST_HIT || o.status == ST_RAISED || o.status == ST_FIRING) && now > o.all_timer) {
            int aim = 800;
            if (o.sector_action == KIND_LAUGHING && gallery_scene != 7)
                aim = boss_gallery_health < boss_total_score / 3 ? 250 : 500;
            o.status = ST_AIMING;
            o.all_timer = now + aim;
            Set_Sprite(i, runner ? 0 : 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        }
        if (o.status == ST_AIMING && now > o.all_timer) {
            o.status = ST_FIRING;
            Player_Hit();
            o.all_timer = now + 250;
            Set_Sprite(i, runner ? 3 : 4, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        }
    }
}

void End_Of_Death(int i) {
    object& o = sprite[i];
    if (!Is_Target(o) || !Shown(o) || o.status != ST_DYING || Now() <= o.all_timer) return;
    if (o.sector_action != KIND_RUNNER) o.alpha = 0.0f;
    o.grab_switch = false;
    o.status = ST_DOWN;
    targets_killed++;
    if (current_act == 2 || gallery_scene == 5 || o.sector_action == KIND_LAUGHING) return;
    if (i == GOLD_DROPPER) {
        Place_Bonus(GOLD_ITEM, o.x, o.y - sprite[GOLD_ITEM].height / 3, 3, BONUS_GOLD, 0);
        coins_sfx = true;
    }
    if (i == HEALTH_DROPPER) {
        Place_Bonus(HEALTH_ITEM, o.x + o.width / 2, o.y - sprite[HEALTH_ITEM].height / 3, 3, BONUS_HEALTH, 1);
        mgun_sfx = true;
    }
}

bool Is_Pigeon(int i) { return Gallery_Level == 4 && (i == 28 || i == 32 || i == 33); }

// A hit on a target under the cursor; the click stays pending.
void Shoot_Target(int i) {
    object& o = sprite[i];
    const int now = Now();
    o.score -= gallery_player_damage;
    if (gallery_scene == 3 || gallery_scene == 7) Boss_Damage(gallery_player_damage);
    if (o.sector_action == KIND_BONUS) {
        o.alpha = 0.0f;
        o.grab_switch = false;
        if (o.rank == BONUS_HEALTH) {
            chute_sfx = true;
            if (old_health < PLY_VITALITY) old_health = std::min(old_health + 10, PLY_VITALITY);
        } else if (o.rank == BONUS_GOLD) {
            Calculate_Item(50, 1, -1, 0, -1);
            switch_sfx = true;
        }
        return;
    }
    const bool runner = o.sector_action == KIND_RUNNER, laughing = o.sector_action == KIND_LAUGHING;
    if (o.score <= 0) {
        Set_Sprite(i, 2, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        o.all_timer = now + (laughing ? 1000 : 2000);
        o.status = ST_DYING;
        if (laughing && !(gallery_scene == 3 && gallery_index == 22)) {
            boss_ohh_sfx = true;
            emypain_sfx = true;
        } else {
            step_sfx = true;
        }
    } else {
        Set_Sprite(i, runner ? 1 : 3, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        o.all_timer = now + 250;
        o.status = ST_HIT;
        o.flash_target = true;
        o.flash_timer = now + 40;
    }
}

void Crate_Hit(int i, bool sturdy) {
    object& o = sprite[i];
    Effect(mouseX - o.width / 8, mouseY - o.height / 8, o.width / 4, o.height / 4, ANIM_SPLINTER, ANIM_LOOP, 1.0f,
           TEX_EFFECTS);
    o.score -= 1;
    if (!sturdy && (st_gallery == 2 || st_gallery == 3)) o.score -= 1;
    o.flash_target = true;
    o.flash_timer = Now() + 30;
    const int mode = (sturdy || gallery_index == 5) ? ANIM_LOOP : ANIM_ONCE;
    if (o.score > 0) {
        Set_Sprite(i, o.base_anim + 1, mode, ANIM_ARRAY_SPRITE, false);
        return;
    }
    Set_Sprite(i, o.base_anim + 2, mode, ANIM_ARRAY_SPRITE, false);
    o.score = 0;
    o.grab_switch = false;
    destroy_sfx = true;
    Create_Crate_Effect(i);
    if (sturdy && gallery_scene == 5 && i == STURDY_CRATE_WITH_HEALTH) {
        Place_Bonus(HEALTH_ITEM, o.x + o.width / 2, o.y - o.height / 4, 2, BONUS_HEALTH, 1);
        mgun_sfx = true;
    }
}

void Shoot_Prop(int i) {
    object& o = sprite[i];
    switch (o.rank) {
    case PROP_CRATE: Crate_Hit(i, false); break;
    case PROP_STURDY: Crate_Hit(i, true); break;
    case PROP_GLASS:
    case PROP_LAMP:
        Set_Sprite(i, o.base_anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        glass_sfx = true;
        o.grab_switch = false;
        if (o.rank == PROP_LAMP) fade = 0.6f;
        break;
    case PROP_BALL:
        Effect(o.x, o.y, o.width, o.height, ANIM_EXPLOSION, ANIM_ONCE, 1.0f, TEX_EXPLOSION);
        o.grab_switch = false;
        o.alpha = 0.0f;
        boss_sfx = true;
        break;
    case PROP_PIGEON:
        Effect(o.x - o.width / 2, o.y - o.height / 2, o.width * 2, o.height * 2, ANIM_EXPLOSION, ANIM_ONCE, 0.5f,
               TEX_EXPLOSION);
        o.grab_switch = false;
        Set_Sprite(i, 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        smash1_sfx = true;
        targets_shot++;
        if (targets_shot > 23) pigeon_finished = true;
        break;
    case PROP_BOSS:
        glass_sfx = true;
        boss_gallery_health -= 10;
        o.score -= 10;
        if (boss_gallery_health < 0 || o.score < 0) boss_gallery_health = o.score = 0;
        o.flash_target = true;
        o.flash_timer = Now() + 40;
        if (o.score >= 400 && o.score <= 799) Set_Sprite(i, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        else if (o.score >= 200 && o.score <= 399) Set_Sprite(i, 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        else if (o.score < 200) Set_Sprite(i, 3, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        break;
    default: break;
    }
    gallery_clip--;
    Face(FACE_FIRING, 250);
    death_sfx = true;
    mouseleft = false;
}

void Back_Button() {
    counter[5].word[0] = '\0';
    object& b = sprite[BACK_BUTTON];
    if (fade < 0.7f || !b.grab_switch) return;
    if (!Over(b)) {
        Set_Sprite(BACK_BUTTON, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        return;
    }
    Set_Sprite(BACK_BUTTON, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    std::snprintf(counter[5].word, sizeof counter[5].word, "Back");
    counter[5].length = 0;
    msg_left = false;
    if (!mouseleft) return;
    if (Gallery_Level == 1) episode = 3, scene = 3, current_spawn = 21;
    if (Gallery_Level == 2) episode = 2, scene = 2, current_spawn = 40;
    if (Gallery_Level == 4) episode = 3, scene = 29, current_spawn = 3;
    map_stat = false;
    switch_n_sfx = true;
    if (Gallery_Level != 3) {
        next_scene = true;
        b.grab_switch = false;
    }
    mouseleft = false;
}

} // namespace

// ---- HUD -----------------------------------------------------------------------------------
void Calculate_Gallery_Bullets() {
    sprite[CLIP_HIGH].alpha = gallery_clip >= 5 ? 1.0f : 0.0f;
    sprite[CLIP_LOW].alpha = gallery_clip >= 1 ? 1.0f : 0.0f;
    if (gallery_clip >= 5 && gallery_clip <= 8)
        Set_Sprite(CLIP_HIGH, 8 - gallery_clip, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    if (gallery_clip >= 1 && gallery_clip <= 4)
        Set_Sprite(CLIP_LOW, 4 - gallery_clip, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    else if (gallery_clip > 4)
        Set_Sprite(CLIP_LOW, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
}

void Calculate_Gallery_Lifebar() {
    object& bar = sprite[LIFE_BAR];
    bar.width = PLY_VITALITY != 0 ? old_health * gallery_health_width / PLY_VITALITY : 0.0f;
    if (old_health > 0)
        Set_Sprite(LIFE_BAR, PLY_VITALITY / old_health > 3 ? 15 : 14, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    else
        bar.alpha = 0.0f;

    const int boss_bar = gallery_scene == 3 ? 29 : gallery_scene == 11 ? 31 : gallery_scene == 7 ? 32 : -1;
    if (boss_bar != -1) {
        const int health = boss_gallery_health < 0 ? 0 : boss_gallery_health;
        sprite[boss_bar].width = boss_total_score > 0 ? health * boss_health_width / boss_total_score : 0.0f;
    }
}

void Hud_Face_Unit_Gallery() {
    int offset = 0;
    if (PLY_VITALITY != 0) {
        if (old_health <= 30) offset = 6;
        if (old_health <= 20) offset = 12;
    }
    if (p1_id != -1 && old_health <= 0) offset = 12;
    const int status = sprite[FACE].status;
    if (gallery_reloading)
        Set_Sprite(FACE, offset + 4, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    else if (status == FACE_IDLE)
        Set_Sprite(FACE, offset + 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    else if (status == FACE_HURT)
        Set_Sprite(FACE, offset + 2, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    else if (status == FACE_FIRING)
        Set_Sprite(FACE, offset + 3, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, true);
    else if (status == FACE_DEAD)
        Set_Sprite(FACE, offset + 5, ANIM_ONCE_HOLD, ANIM_ARRAY_SPRITE, false);
}

// ---- The tick ------------------------------------------------------------------------------
void Run_Gallery(int ms) {
    Trace_Call("Run_Gallery");
    if (sprite == nullptr) return;
    if (title_sequence == 0) {
        const int g = Scene_Index(scene);
        if (g == -1) return;
        Enter_Gallery(g);
    }
    if (gallery_scene < 0 || gallery_scene > 15) return;
    const gallery_entry& here = gallery_scenes[gallery_scene];

    // 1. A finished gallery moves on.
    if (gallery_finished && !next_scene && Now() > title_timer) {
        Request_Next(here);
        deck_angle = 0.0f;
    }
    // 2. The HUD.
    Calculate_Gallery_Bullets();
    Calculate_Gallery_Lifebar();
    if (Gallery_Level == 4) {
        font& t = counter[1];
        t.x = -0.92f;
        t.y = 0.66f;
        t.width = 0.016f;
        t.height = 0.048f;
        t.alpha = 1.0f;
        std::snprintf(t.word, sizeof t.word, targets_shot < 10 ? "TARGETS^_%i-24" : "TARGETS^%i-24", targets_shot);
    }
    // 3. The next wave.
    Release_Wave();
    // 4. The prop boss destroyed.
    if (gallery_scene == 11 && boss_gallery_health < 1) {
        gallery_finished = true;
        title_timer = Now() + 3000;
        episode = 1;
        scene = 99;
        next_scene = true;
    }
    // 5. Sway and shake.
    Level_Motion(ms);
    // 6. The blink of dying targets.
    if (Now() > my_flash_timer) {
        flashing = !flashing;
        my_flash_timer = Now() + 150;
    }
    // 7. Hold points.
    Update_Pauses();
    // 8, 9. Pigeons and cannon.
    if (Gallery_Level == 4) Pigeons(ms);
    if (gallery_scene == 7) Cannon(ms);
    // 10. The face.
    Hud_Face_Unit_Gallery();
    // 11. The panel takes no shots.
    const bool over_panel = Over(sprite[PANEL]);

    // 12. Every sprite.
    bool on_target = false, hit = false;
    for (int i = 0; i < Sprite_Count(); i++) {
        object& o = sprite[i];
        if (o.status == ST_DYING) o.alpha = flashing ? 1.0f : 0.0f;
        Player_Death();
        if (o.flash_target && Now() > o.flash_timer) o.flash_target = false;
        Target_Steps(i, ms);
        End_Of_Death(i);

        const bool live_target = o.type == MNE && o.grab_switch && o.score > 0;
        const bool pigeon = Is_Pigeon(i) && o.grab_switch;
        if ((live_target || pigeon) && !over_panel && !gallery_reloading && Over(o)) on_target = true;

        const bool can_shoot = mouseleft && !over_panel && gallery_clip > 0 && !gallery_reloading && Over(o);
        if (can_shoot && live_target) {
            Shoot_Target(i);
            hit = true;
        } else if (can_shoot && o.type == HLP && o.grab_switch) {
            Shoot_Prop(i);
        }
    }
    // 13. The Back button.
    Back_Button();
    // 14. A shot at nothing, or at the targets hit above.
    if (mouseleft && !over_panel) {
        if (gallery_clip == 0 && !gallery_reloading && Gallery_Level != 4) {
            Start_Reload();
            click_sfx = true;
        } else if (!gallery_reloading) {
            gallery_clip--;
            if (gallery_clip < 0) {
                gallery_clip = 0;  // an empty gun only clicks
                click_sfx = true;
            } else {
                Face(FACE_FIRING, 250);
                death_sfx = true;
                if (!hit)
                    Effect(mouseX - 0.1f, mouseY - 0.1f, 0.2f, 0.2f, ANIM_PUFF, ANIM_ONCE, 1.0f, TEX_EFFECTS);
            }
        }
        mouseleft = false;
    }
    // 15. Reload.
    if (mouseright && !gallery_reloading && Gallery_Level != 4) Start_Reload();
    if (gallery_reloading && Now() > gallery_reload_timer) {
        gallery_clip = Clip_For_Perk();
        cash_up_sfx = true;
        gallery_reloading = false;
        sprite[FACE].status = FACE_IDLE;
    }
    // 16. The cursor.
    const int cursor = gallery_reloading ? CURSOR_RELOAD : over_panel ? CURSOR_ARROW : on_target ? CURSOR_ON_TARGET
                                                                                              : CURSOR_AIM;
    Set_Sprite(1, cursor, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    // 17. The face returns to idle.
    if (!gallery_reloading && Now() > sprite[FACE].all_timer) sprite[FACE].status = FACE_IDLE;
}
