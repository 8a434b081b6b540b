#include "scripts/cut_scenes.h"

#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "world/animate.h"

void Raise_Cut_Sounds(unsigned sounds) {
    if (sounds & CUT_WAVES) waves_sfx = true;
    if (sounds & CUT_STOP_WAVES) stop_waves_sfx = 1;
    if (sounds & CUT_WIND) wind_sfx = true;
    if (sounds & CUT_STOP_WIND) stop_wind_sfx = 1;
    if (sounds & CUT_SEAGULL) seagull_sfx = true;
    if (sounds & CUT_SEAGULL2) seagull2_sfx = true;
    if (sounds & CUT_TANK1) tank1_sfx = true;
    if (sounds & CUT_ROCKET) rocket_sfx = true;
    if (sounds & CUT_BOSS_OHH) boss_ohh_sfx = true;
    if (sounds & CUT_STOLEN) stolen_sfx = true;
    if (sounds & CUT_WAKEUP) wakeup_sfx = true;
    if (sounds & CUT_BOSS) boss_sfx = true;
    if (sounds & CUT_STOP_EXHAUST) stop_exhaust_sfx = 1;
    if (sounds & CUT_CLANK) clank_sfx = true;
    if (sounds & CUT_FALL) fall_sfx = true;
    if (sounds & CUT_AIRPLANE) airplane_sfx = true;
    if (sounds & CUT_STOP_AIRPLANE) stop_airplane_sfx = 1;
    if (sounds & CUT_STOP_WOODS) stop_woods_sfx = 1;
}

void Cut_Request(const cut_target& to) {
    switch (to.kind) {
        case CUT_TO_SCENE:
            if (to.spawn == CUT_KEEP_SPAWN) Scene_Request(to.episode, to.scene);
            else Scene_Request(to.episode, to.scene, to.spawn);
            break;
        case CUT_TO_HUB:
            if (to.spawn == CUT_KEEP_SPAWN) Scene_Request(2, Act_Hub_Scene(current_act));
            else Act_Hub_Request(to.spawn);
            break;
        case CUT_TO_CUSTOM:
            if (to.request) to.request();
            break;
        default:
            break;
    }
}

object* Cut_Sprite(int i) {
    if (!sprite || i < 0 || i >= no_sprites || i >= MAX_SPRITES) return nullptr;
    return &sprite[i];
}

namespace {

void Run_Steps(const cut_scene& cs, int f_rate) {
    const int last = (int)cs.steps.size() - 1;
    // Plain step tests in order: an advance lets the next step's test run in this call.
    for (int k = 0; k <= last; ++k) {
        const cut_step& st = cs.steps[k];
        if (title_sequence != k) continue;
        if (k > 0 && st.timed && !(Script_Now() > title_timer)) continue;
        Raise_Cut_Sounds(st.sounds);
        if (st.action && !st.action(f_rate)) continue;
        if (k == last) {
            Cut_Request(cs.end);
            ++title_sequence;
        } else {
            Next_Step(st.wait);
        }
    }
}

// The skip button. A click makes the skip request at any step, also in the call of the
// scene's timed end (the skip request is then the one that stands).
void Run_Button(const cut_scene& cs) {
    if (cs.flags & CUT_NO_BUTTON) return;
    Clear_Tooltip();
    const bool click = Hover_Button(cs.button, cs.caption, button_snd);
    if (cs.flags & CUT_INTRO) {
        const object* b = Cut_Sprite(cs.button);
        if (b && b->alpha == 1.0f && Mouse_In_Box(*b)) stop_waves_sfx = 1;
    }
    if (!click) return;
    if (cs.flags & CUT_CLICK_USED) mouseleft = false;
    if (cs.click) cs.click();
    else Cut_Request(cs.skip.kind == CUT_TO_END ? cs.end : cs.skip);
}

}  // namespace

void Run_Cut_Scene(const cut_scene& cs, int f_rate) {
    if (!sprite) return;
    if (cs.before) cs.before(f_rate);
    if (cs.flags & CUT_BUTTON_FIRST) Run_Button(cs);
    Run_Steps(cs, f_rate);
    // Motion tied to a step follows the step tests, so a step's motion starts in the call
    // that enters the step and stops in the call that leaves it.
    for (const cut_drift& d : cs.drifts) {
        if (title_sequence < d.first || title_sequence > d.last) continue;
        if (object* o = Cut_Sprite(d.sprite)) {
            o->x += f_rate * d.dx;
            o->y += f_rate * d.dy;
        }
    }
    if (cs.after) cs.after(f_rate);
    if (!(cs.flags & CUT_BUTTON_FIRST)) Run_Button(cs);
}

const cut_scene* Find_Cut_Scene(int s) {
    for (auto group : {Intro_Cut_Scenes(), Finale_Cut_Scenes(), Travel_Cut_Scenes(),
                       Story_Cut_Scenes()})
        for (const cut_scene& cs : group)
            for (int n : cs.scenes)
                if (n >= 0 && n == s) return &cs;
    return nullptr;
}

void Cut_Scene_Block(int f_rate) {
    if (episode != 1) return;
    if (const cut_scene* cs = Find_Cut_Scene(scene)) Run_Cut_Scene(*cs, f_rate);
}
