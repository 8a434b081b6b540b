// The short story scenes of episode 1 (scenes 125 to 136): eight-second vignettes whose main
// figure (sprite 6) comes to life after four seconds, some with sprites sliding across.
#include "scripts/story_scenes.h"

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {

constexpr int VIGNETTE_HALF_MS = 4000;
constexpr int FIGURE = 6;

bool In_Scene(int k) { return sprite && k >= 0 && k < no_sprites && k < MAX_SPRITES; }

// How the main figure moves in step 1.
enum figure_play : int { FIGURE_LOOP, FIGURE_ONCE, FIGURE_STILL };

// The seagull of scene 126 calls once per visit.
bool seagull_called = false;
KEEP_FRESH(seagull_called);

struct vignette {
    int scene;
    void (*start)();    // step 0, may be null
    void (*effects)();  // step 1, may be null
    figure_play figure;
    bool returns;       // back to the scene the mission was accomplished in
    int to_episode, to_scene, to_spawn;  // otherwise the scene it leads on to
    void (*at_exit)();  // state changes at the exit, may be null
    void (*slides)(int f_rate);  // every tick, may be null
};

void Move_X(int k, float dx) {
    if (In_Scene(k)) sprite[k].x += dx;
}

// ---- Scene 126: a sprite crosses to the right of sprite 3 ----
void Slides_126(int f_rate) {
    if (title_sequence < 1) return;
    if (!pigeon_direction && In_Scene(10) && In_Scene(3)) {
        object& s = sprite[10];
        s.x += 0.001f * f_rate;
        if (s.x > sprite[3].x + sprite[3].width + s.width) pigeon_direction = true;
    }
    if (!seagull_called && Script_Now() > stamp_timer) {
        seagull_sfx = true;
        seagull_called = true;
    }
}

// ---- Scene 127: eight sprites gather around the figure ----
struct gatherer {
    int id;
    float speed;
    bool from_right;  // comes from the right, stopping at the figure's right edge + offset
    float offset;     // from the right edge (from the right) or from the figure's x (from the left)
};
constexpr gatherer gatherers[] = {
    {7, 0.0004f, true, 0.0f},    {8, 0.0003f, true, 0.3f},   {9, 0.0001f, true, 0.2f},
    {14, 0.0003f, true, 0.4f},   {10, 0.0004f, false, -0.1f}, {11, 0.0003f, false, -0.2f},
    {12, 0.0001f, false, -0.4f}, {13, 0.0003f, false, -0.6f},
};

void Slides_127(int f_rate) {
    if (title_sequence < 1 || !In_Scene(FIGURE)) return;
    const object& fig = sprite[FIGURE];
    for (const gatherer& g : gatherers) {
        if (!In_Scene(g.id)) continue;
        float& x = sprite[g.id].x;
        if (g.from_right) {
            const float anchor = fig.x + fig.width + g.offset;
            x -= g.speed * f_rate;
            if (x <= anchor) x = anchor;
        } else {
            const float anchor = fig.x + g.offset;
            x += g.speed * f_rate;
            if (x >= anchor) x = anchor;
        }
    }
}

// ---- Scene 129: sprites 9 to 15 rise without end ----
void Slides_129(int f_rate) {
    if (title_sequence < 1) return;
    for (int k = 9; k <= 15; ++k)
        if (In_Scene(k)) sprite[k].y -= 0.0004f * f_rate;
}

// ---- Scene 130: two sprites part in the second half ----
void Slides_130(int f_rate) {
    if (title_sequence != 2) return;
    Move_X(8, 0.0006f * f_rate);
    Move_X(9, -0.0003f * f_rate);
}

// ---- Scene 135: the figure slides back into place, then two crows fly apart ----
void Slides_135(int f_rate) {
    if (title_sequence == 1 && !pigeon_direction && In_Scene(FIGURE)) {
        object& fig = sprite[FIGURE];
        const float dx = 0.0003f * f_rate;
        fig.x -= dx;
        fig.w -= dx;
        if (fig.w <= script_start_x) pigeon_direction = true;
    } else if (title_sequence == 2) {
        Move_X(8, -0.0006f * f_rate);
        Move_X(7, 0.0006f * f_rate);
        const int now = Script_Now();
        if (now > stamp_timer) {
            crow1_sfx = true;
            stamp_timer = now + 1000;
        }
    }
}

constexpr vignette vignettes[] = {
    {125, nullptr, [] { door_close_sfx = true; }, FIGURE_LOOP, true, 0, 0, 0,
     [] {
         if (current_main != 1) return;
         new_mission = 29;
         mission_training_is_done = true;
         success_condition = 0;
     },
     nullptr},
    {126,
     [] {
         stop_waves_sfx = 1;
         stamp_timer = Script_Now() + 3500;
         pigeon_direction = false;
         seagull_called = false;
     },
     [] { drown_sfx = true; }, FIGURE_LOOP, true, 0, 0, 0,
     [] {
         if (current_main == 2) new_mission = 30;
     },
     Slides_126},
    {127,
     [] {
         main_mission[3] = 1;
         pigeon_direction = false;
         if (In_Scene(7)) sprite[7].alpha = 1.0f;
     },
     [] { stolen_sfx = true; }, FIGURE_LOOP, true, 0, 0, 0, nullptr, Slides_127},
    {128, nullptr, [] { fall_sfx = true; }, FIGURE_ONCE, false, 3, 3, 33, nullptr, nullptr},
    {129, nullptr,
     [] {
         tada_sfx = true;
         smash1_sfx = true;
     },
     FIGURE_LOOP, false, 3, 3, 18, nullptr, Slides_129},
    {130, nullptr, nullptr, FIGURE_LOOP, false, 3, 3, 34,
     [] {
         current_act = 2;
         main_mission[6] = 1;
         new_mission = 15;
     },
     Slides_130},
    {131, nullptr, nullptr, FIGURE_STILL, false, 2, 2, 41,
     [] {
         if (main_mission[7] == 2) main_mission[7] = 1;
     },
     nullptr},
    {132, nullptr,
     [] {
         zip_sfx = true;
         piss_sfx = true;
     },
     FIGURE_LOOP, true, 0, 0, 0, nullptr, nullptr},
    {133, nullptr,
     [] {
         lightswitch_sfx = true;
         stolen_sfx = true;
         red_swipe = true;
         swipe_color = 4;
         red_timer = Script_Now() + 100;
     },
     FIGURE_LOOP, false, 2, 8, 0, nullptr, nullptr},
    {134, nullptr, [] { smash1_sfx = true; }, FIGURE_LOOP, true, 0, 0, 0, nullptr, nullptr},
    {135,
     [] {
         pigeon_direction = false;
         if (!In_Scene(FIGURE)) return;
         object& fig = sprite[FIGURE];
         script_start_x = fig.w;
         fig.x += fig.box_width;
         fig.w += fig.box_width;
     },
     [] { stamp_timer = 0; }, FIGURE_LOOP, false, 3, 12, 10, [] { new_mission = 24; },
     Slides_135},
    {136, [] { whistle_sfx = true; },
     [] {
         tada_sfx = true;
         smash1_sfx = true;
     },
     FIGURE_LOOP, true, 0, 0, 0, [] { new_mission = 30; }, nullptr},
};

const vignette* Vignette_Of(int s) {
    for (const vignette& v : vignettes)
        if (v.scene == s) return &v;
    return nullptr;
}

void Leave(const vignette& v) {
    if (v.returns) {
        episode = stats_episode;
        scene = stats_scene;
        in_stats = true;
        next_scene = true;
    } else {
        Scene_Request(v.to_episode, v.to_scene, v.to_spawn);
    }
    if (v.at_exit) v.at_exit();
}

}  // namespace

void Vignette_Block(int f_rate) {
    if (episode != 1) return;
    const vignette* v = Vignette_Of(scene);
    if (!v) return;
    if (Untimed_Step(0)) {
        activate_bicycle = false;
        if (v->start) v->start();
        Next_Step(VIGNETTE_HALF_MS);
    } else if (Timed_Step(1)) {
        if (v->effects) v->effects();
        if (v->figure != FIGURE_STILL)
            Set_Sprite(FIGURE, 1, v->figure == FIGURE_ONCE ? ANIM_ONCE : ANIM_LOOP,
                       ANIM_ARRAY_SPRITE, true);
        Next_Step(VIGNETTE_HALF_MS);
    } else if (Timed_Step(2)) {
        Leave(*v);
        ++title_sequence;  // the scene change is under way; nothing more to step
    }
    if (v->slides && !next_scene) v->slides(f_rate);
}
