#include "scripts/title_pages.h"

#include <cmath>

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "world/animate.h"

namespace {

object spare_sprites[32];
KEEP_FRESH(spare_sprites);

// The title scene's sprites.
constexpr int TITLE_PICTURE = 0, STAMP = 1, BAR = 2, PART_A = 3, PART_B = 4, PART_C = 5, UNUSED = 6;
// The pause page's sprites.
constexpr int QUIT_BUTTON = 0, RETURN_BUTTON = 2, DECOR_A = 6, DECOR_B = 8;

constexpr float STAMP_DROP_SPEED = 0.00075f;
constexpr float BAR_SPEED = 0.001f;
constexpr int PAUSE_IDLE_MS = 4000;

void Title_Anim(int i, int anim) { Page_Anim(i, anim, ANIM_ONCE, true); }

} // namespace

object& Page_Sprite(int i) {
    if (sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES) return sprite[i];
    return spare_sprites[(unsigned)i % 32u];
}

void Page_Anim(int i, int anim, int state, bool reset) {
    if (!sprite || i < 0 || i >= no_sprites || i >= MAX_SPRITES) return;
    Set_Sprite(i, anim, state, ANIM_ARRAY_SPRITE, reset);
}

void Boot_Redirect_Block(int) {
    episode = 0;
    scene = 0;
    next_scene = true;
}

void Title_Sequence_Block(int f_rate) {
    object& picture = Page_Sprite(TITLE_PICTURE);
    object& stamp = Page_Sprite(STAMP);
    object& bar = Page_Sprite(BAR);
    if (Untimed_Step(0)) {
        title_sequence = 1;
        picture.alpha = 0.0f;
        start_stamp_Y = stamp.y;
        stamp.y -= stamp.height / 2;
        for (int i : {PART_A, PART_B, PART_C, UNUSED}) Page_Sprite(i).alpha = 0.0f;
        cos_scroll = 0.0f;
        activate_bicycle = false;
    }
    if (Untimed_Step(1)) {
        cos_scroll += 0.001f;
        if (cos_scroll > 1.5f) cos_scroll = 1.5f;
        temp_speed = std::cos(cos_scroll) * STAMP_DROP_SPEED;
        stamp.y += f_rate * temp_speed;
        if (stamp.y > start_stamp_Y) {
            stamp.y = start_stamp_Y;
            title_sequence = 2;
        }
    }
    if (Untimed_Step(2)) {
        Title_Anim(TITLE_PICTURE, 0);
        Title_Anim(STAMP, 1);
        picture.alpha = 1.0f;
        stamp_sfx = true;
        red_swipe = true;
        swipe_color = 4;
        red_timer = Script_Now() + 50;
        Next_Step(500);
    }
    if (Timed_Step(3)) {
        bar.x += f_rate * BAR_SPEED;
        if (bar.x > picture.x) {
            bar.x = picture.x;
            title_sequence = 4;
        }
    }
    if (Timed_Step(4)) title_sequence = 5;
    if (Timed_Step(5)) {
        Title_Anim(PART_A, 0);
        Page_Sprite(PART_A).alpha = 1.0f;
        bar.alpha = 0.0f;
        Next_Step(400);
    }
    if (Timed_Step(6)) {
        Title_Anim(PART_B, 0);
        Page_Sprite(PART_B).alpha = 1.0f;
        Next_Step(400);
    }
    if (Timed_Step(7)) {
        Title_Anim(PART_C, 0);
        Page_Sprite(PART_C).alpha = 1.0f;
        Next_Step(400);
    }
    if (Timed_Step(8)) {
        Title_Anim(TITLE_PICTURE, 1);
        Next_Step(1000);
    }
    if (Timed_Step(9)) {
        title_sequence = 10;
        Scene_Request(0, 1);
    }
    if (title_sequence > 2) {
        // The landed stamp drifts right and eases upward until the scene changes.
        stamp.x += f_rate * STAMP_DROP_SPEED;
        cos_scroll += 0.001f;
        if (cos_scroll > 1.5f) cos_scroll = 1.5f;
        stamp.y -= f_rate * std::cos(cos_scroll) * STAMP_DROP_SPEED;
    }
}

void Ambience_Start_Block(int) {
    if (Untimed_Step(0)) {
        exhaust_sfx = true;
        title_sequence = 1;
    }
}

void Pause_Leave_Request() {
    scene = 1;
    fade_out = 10;
    c_fade_out = 10;
    episode = 0;
    quit_active = true;
    trying_to_quit = 0;
    next_scene = true;
}

void Pause_Page_Block(int) {
    if (Untimed_Step(0)) {
        Ambience_Stop();
        title_timer = Script_Now() + PAUSE_IDLE_MS;
        title_sequence = 1;
    }
    if (Timed_Step(1)) {
        Page_Anim(DECOR_A, 1, ANIM_LOOP, false);
        Page_Anim(DECOR_B, 1, ANIM_LOOP, false);
        Next_Step(PAUSE_IDLE_MS);
    }
    if (Timed_Step(2)) {
        Pause_Leave_Request();
        Page_Anim(QUIT_BUTTON, 0, ANIM_LOOP, false);
        Page_Anim(RETURN_BUTTON, 0, ANIM_LOOP, false);
    }
    Clear_Tooltip();
    if (Hover_Button(QUIT_BUTTON, "Quit^and_save", button_snd, true)) Pause_Leave_Request();
    if (Hover_Button(RETURN_BUTTON, "Return^to_game", button1_snd, true)) {
        scene = stats_scene;
        episode = stats_episode;
        in_stats = true;
        next_scene = true;
    }
}
