#include "main/text_upkeep.h"

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/world_services.h"

namespace {

constexpr int SLOT_LINE = 4;    // the revealed line
constexpr int SLOT_CAPTION = 5; // the caption, second line of a choice
constexpr int HUD_TEXT_A = 6;   // shown with a HUD text line
constexpr int HUD_TEXT_B = 7;

constexpr int LETTER_MS = 50;  // one letter per 50 ms
constexpr int HOLD_MS = 2000;  // a finished line stays 2 s

bool Upkeep_Runs() {
    return game_mode == MODE_WALK || game_mode == MODE_WORLD ||
           (game_mode == MODE_FRONT && g_type == scene_type::STS);
}

// Lines of the running dialogue group; a group number outside the table has none.
int Group_Lines(int group) { return (group >= 0 && group < MAX_TEXT_GROUPS) ? multi_txt[group] : 0; }

} // namespace

void Run_Scene_Countdown() {
    Trace_Call("Run_Scene_Countdown");
    if (game_time == 1 && !next_scene) {
        next_scene = true;
        if (game_mode == MODE_FRONT && episode == 3) {
            if (scene == 0) {
                episode = 2;
                scene = 0;
            } else if (scene == 1) {
                episode = 2;
                scene = 1;
            }
        }
    }
    if (Now() > game_timer) {
        game_timer = Now() + 1000;
        if (game_time != 0) game_time -= 1;
    }
}

void Run_Text_Upkeep() {
    Trace_Call("Run_Text_Upkeep");
    if (!Upkeep_Runs()) return;

    // 1. The scene's start message, once.
    if (start_text) {
        if (p1_id != -1 && game_mode == MODE_WALK) Display_Message(p1_id, START);
        start_text = false;
    }

    // 2. A held line ends; the group goes on with its next line.
    if (text_active && Now() > text_timer) {
        text_active = false;
        scroll_txt_active = false;
        counter[SLOT_LINE].word[0] = '\0';
        counter[SLOT_CAPTION].word[0] = '\0';
        if (hud) {
            hud[HUD_TEXT_A].alpha = 0.0f;
            hud[HUD_TEXT_B].alpha = 0.0f;
        }
        scroll_index = 0;
        txt_cur += 1;
        if (Group_Lines(text_id) > txt_cur && !ply_dead)
            DisplayText(3000, text_id, txt_cur, false, 0);
        else if (!text_select)
            Text_end();
    }

    // 3. The reveal, one letter at a time.
    if (scroll_txt_active && Now() > scroll_txt_timer) {
        if (scroll_index < scroll_length) {
            scroll_index += 1;
            if (scroll_length > 1) tink_sfx = true;
        } else {
            scroll_txt_active = false;
            text_timer = Now() + HOLD_MS;
            if (g_type != scene_type::STS) text_active = true;
        }
        scroll_txt_timer = Now() + LETTER_MS;
    }
}
