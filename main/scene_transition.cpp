#include "main/scene_transition.h"

#include <GL/gl.h>

#include <cmath>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

struct death_page {
    int level;
    int scene;
};
// Where a death in walk mode leads, by the area left (episode 0 scenes). Others: scene 8.
constexpr death_page death_pages[] = {
    {LVL_SUPPLIES, 14}, {LVL_BUNKER_A, 14}, {LVL_BUNKER_B, 14}, {LVL_BUNKER_C, 14},
    {LVL_CAVE, 14},     {LVL_PIRATE, 14},   {LVL_BAY, 14},      {LVL_BOATYARD, 14},
    {LVL_SUB_PEN, 14},  {LVL_CLIFFS, 14},   {LVL_SECRET_LAB, 14}, {LVL_BOTTOM_LAB, 14},
    {LVL_VILLAGE, 15},  {LVL_CELLAR, 15},   {LVL_DUNGEON, 15},
    {LVL_FARMS, 16},    {LVL_BASEMENT_B, 16}, {LVL_BASEMENT_C, 16},
};

// One step of a fade curve: the brightness change is 1 - cos of an angle that grows with
// time at `speed`, capped at 1.5 radians.
float Fade_Step() { return (float)(1.0 - std::cos((double)cos_fade)); }
void Advance_Fade_Angle(int speed, int f_rate1) {
    cos_fade = cos_fade + (float)speed / 50000.0f * (float)f_rate1;
    if (cos_fade > 1.5f) cos_fade = 1.5f;
}

} // namespace

int Death_Page_Scene(int level) {
    for (const death_page& d : death_pages)
        if (d.level == level) return d.scene;
    return 8;
}

void Run_Scene_Transition(int f_rate1) {
    // Fade-in.
    if (c_fade_in != 0 && !next_scene) {
        if (fade < 1.0f) {
            fade = (float)((double)fade + (1.0 - std::cos((double)cos_fade)));
            Advance_Fade_Angle(c_fade_in, f_rate1);
        } else {
            fade = 1.0f;
            cos_fade = 0.0f;
            c_fade_in = 0;
        }
    }

    // A scene without fade-in stays black until its fade timer.
    if (fade_in == 0 && !next_scene) {
        if (Now() < fade_timer)
            fade = 0.0f;
        else if (fade == 0.0f)
            fade = 1.0f;
    }

    if (!next_scene) return;

    if (game_mode == MODE_FRONT) {
        counter[5].word[0] = '\0';
    }

    // Fade-out.
    if (c_fade_out != 0) {
        if (fade > 0.0f) {
            fade = fade - Fade_Step();
            Advance_Fade_Angle(c_fade_out, f_rate1);
        }
        if (fade <= 0.0f) {
            fade = 0.0f;
            c_fade_out = 0;
        }
        return;
    }

    // One black frame while the new scene loads.
    fade = 0.0f;
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    platform::SwapBuffers();

    no_buddies = 0;
    for (int& b : current_buddy) b = -1;

    if (episode == 4) {
        if (scene == 6) {
            episode = 0;
            scene = 1;
        } else {
            scene = scene + 1;
        }
    }
    if (game_mode == MODE_WALK && ply_dead) {
        const int page = Death_Page_Scene(Level);
        episode = 0;
        scene = page;
    }

    LoadScene(episode, scene, true);
    next_scene = false;
}
