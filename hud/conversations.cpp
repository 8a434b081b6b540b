// Portrait conversations: the set-up, the slide-in of the two portraits and the talking
// step that runs the conversation table line by line.
#include "hud/conversations.h"

#include <cmath>
#include <cstring>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/conversation_table.h"
#include "main/frame_loop.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/effect_motion.h"

namespace {

constexpr int LEFT = 2, RIGHT = 5, UPPER_BOX = 3, LOWER_BOX = 4, ACCEPT = 0, DECLINE = 6;

inline constexpr int flipped_levels[] = {LVL_SUB_PEN, LVL_SARGE, LVL_GLASSES, LVL_TUNE, LVL_SHOP, LVL_PATCHES};
inline constexpr int flipped_conversations[] = {61, 64, 65, 67, 68, 69, 70, 71, 72, 73, 77, 78, 79, 81};
constexpr int STATIC_RIGHT = 81;  // its right portrait neither slides nor is waited for

void Lay_Out_Slots() {
    counter[0].x = counter[1].x = -0.2f;
    counter[0].y = 0.56f;
    counter[1].y = 0.0f;
}

void Talk(int type, int now) {
    if (skip_text && text_queue != 102) {
        debriefing_timer = 0;
        skip_text = false;
    }
    if (now > debriefing_timer) {
        if (text_queue != 101) text_queue += 1;
        if (text_queue <= 100) {
            Message_Fx();
            Set_Sprite(UPPER_BOX, sprite[UPPER_BOX].anim, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
            Set_Sprite(LOWER_BOX, sprite[LOWER_BOX].anim, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        }
        for (int s = 0; s < 2; ++s) {
            counter[s].word[0] = '\0';
            counter[s].alpha = 0.0f;
        }
        sprite[UPPER_BOX].alpha = sprite[LOWER_BOX].alpha = 0.0f;
        sprite[UPPER_BOX].mouseover = sprite[LOWER_BOX].mouseover = false;
        if (text_queue != 101) Conversation_Step(type);
        Lay_Out_Slots();
        for (int s = 0; s < 2; ++s) {
            const int portrait = (s == 0) != front_flipped ? LEFT : RIGHT;
            const int n = (int)strnlen(counter[s].word, sizeof(counter[s].word));
            if (n > 0) {
                counter[s].alpha = 1.0f;
                debriefing_timer = now + (100 * n > 2000 ? 100 * n : 2000);
                sprite[portrait].anim = 1;
            } else {
                sprite[portrait].anim = 0;
            }
        }
    }
    if (text_queue == 101) {
        Conversation_Close(type);
        text_queue = 0;
        next_scene = true;
    }
    for (int b : {ACCEPT, DECLINE}) {
        sprite[b].alpha = decision == 3 ? 1.0f : 0.0f;
        if (decision == 3) sprite[b].mouseover = false;
    }
}

}  // namespace

bool Conversation_Flipped(int type) {
    for (int l : flipped_levels)
        if (Level == l) return true;
    if (Level == LVL_JACK && type != 16) return true;
    for (int c : flipped_conversations)
        if (type == c) return true;
    return false;
}

void Display_Front_Message(int type, int f_rate) {
    Trace_Call("Display_Front_Message");
    if (!sprite) return;
    const int now = Now();
    if (f_rate <= 0) f_rate = 1;
    if (f_rate > 100) f_rate = 10;
    front_flipped = Conversation_Flipped(type);
    for (int s = 0; s < 2; ++s) {
        counter[s].width = 0.016f;
        counter[s].height = 0.048f;
    }
    const bool static_right = type == STATIC_RIGHT;
    object& left = sprite[LEFT];
    object& right = sprite[RIGHT];
    if (hud_sequence == 0) {
        hud_start_x = left.x;
        left.x -= front_flipped ? left.width / 2 : left.width;
        hud_start_x1 = right.x;
        if (!static_right) right.x += front_flipped ? right.width : right.width / 2;
        debriefing_timer = 0;
        cos_scroll = 0.0f;
        hud_sequence = 1;
    } else if (hud_sequence == 1) {
        cos_scroll += 0.001f;
        if (cos_scroll > 1.5f) cos_scroll = 1.5f;
        const float c = std::cos(cos_scroll);
        const float left_step = c * (front_flipped ? left.width / 600 / 2 : left.width / 600) * f_rate;
        const float right_step = c * (front_flipped ? right.width / 600 : right.width / 600 / 2) * f_rate;
        if (left.x < hud_start_x) left.x += left_step;
        if (!static_right && right.x > hud_start_x1) right.x -= right_step;
        // Arrival counts at the resting place too, so a portrait of no width cannot stall.
        if (left.x >= hud_start_x && (static_right || right.x <= hud_start_x1)) {
            left.x = hud_start_x;
            if (!static_right) right.x = hud_start_x1;
            debriefing_timer = 0;
            hud_sequence = 2;
        }
    } else if (hud_sequence == 2) {
        Talk(type, now);
    }
    sprite[UPPER_BOX].alpha = counter[0].alpha;
    sprite[LOWER_BOX].alpha = counter[1].alpha;
    if (msg_fx) {
        if (sprite[UPPER_BOX].alpha != 0.0f) sprite[UPPER_BOX].alpha = 0.5f;
        if (sprite[LOWER_BOX].alpha != 0.0f) sprite[LOWER_BOX].alpha = 0.5f;
    }
}
