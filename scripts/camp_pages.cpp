#include "scripts/camp_pages.h"

#include <cmath>

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/world_clock.h"

namespace {
object spare;  // stands in for a sprite the scene does not have
KEEP_FRESH(spare);
}  // namespace

object& Camp_Sprite(int i) {
    if (sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES) return sprite[i];
    spare = object{};
    return spare;
}

namespace {
// Set_Sprite on sprite i of the scene, skipped when the scene has no sprite i.
void Anim(int i, int anim, int state, bool reset) {
    if (sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES)
        Set_Sprite(i, anim, state, ANIM_ARRAY_SPRITE, reset);
}

// The end of the sleep page: the camp at a quarter past ten at night.
void Night_Request() {
    scene = 5;
    episode = 1;
    minutes = 15;
    hours = 22;
    daytime = true;
    next_scene = true;
}

// Album cards that slide in from the left (after the page's base is taken off once).
bool Card_From_Left(int card) {
    switch (card) {
        case 1: case 2: case 5: case 6: case 9: case 10: return true;
        default: return false;
    }
}
}  // namespace

// A figure paces to and fro beside sprite 9 for as long as the camp scene lasts.
void Pacing_Figure_Block(int f_rate) {
    if (Untimed_Step(0)) {
        stop_snore_sfx = 1;
        pigeon_direction = false;
        ++title_sequence;
    }
    if (Untimed_Step(1)) {
        const float step = (float)f_rate * 0.001f;
        object& figure = Camp_Sprite(14);
        if (!pigeon_direction) {
            figure.x += step;
            Anim(14, 0, ANIM_LOOP, false);
            const object& post = Camp_Sprite(9);
            if (figure.x > post.x + post.width + 2.0f * figure.width) pigeon_direction = true;
        }
        if (pigeon_direction) {
            figure.x -= step;
            Anim(14, 1, ANIM_LOOP, false);
            const object& post = Camp_Sprite(9);
            if (post.x - 2.0f * figure.width > figure.x) pigeon_direction = false;
        }
    }
}

// The burning camp: the fire sounds, a picture slides down into view, and after 6 s the page
// moves on to episode 1 scene 49 whether or not the picture has arrived.
void Burning_Camp_Block(int f_rate) {
    if (Untimed_Step(0)) {
        burn_sfx = true;
        object& picture = Camp_Sprite(9);
        Start_Slide(picture.y, -picture.height);
        Next_Step(6000);
    }
    if (Untimed_Step(1)) {
        Slide_To_Rest(Camp_Sprite(9).y, script_start_x, (float)f_rate * 0.0005f);
        if (Timed_Step(1)) Scene_Request(1, 49);
    }
}

// The card chosen in the album slides in, slowing down, from the side its place suggests; a
// button leads back to the album.
void Album_Card_Block(int f_rate) {
    if (Untimed_Step(0)) {
        my_card_selected = card_selected > 12 ? card_selected - 12 : card_selected;
        object& card = Camp_Sprite(3);
        Start_Slide(card.x, Card_From_Left(my_card_selected) ? -card.width : card.width);
        cos_scroll = 0.0f;
        ++title_sequence;
    }
    if (Untimed_Step(1)) {
        const float step = Cosine_Ease(0.001f) * (float)f_rate;
        if (Slide_To_Rest(Camp_Sprite(3).x, script_start_x, step)) ++title_sequence;
    }

    Clear_Tooltip();
    if (Hover_Button(1, "Back^to_album", button_snd)) {
        Scene_Request(1, 18);
        mouseleft = false;
    }
}

// The sleep page: a picture slides in from the right, the snoring starts, and at 4 s (or on
// Skip) the day ends at 22:15 in the camp.
void Sleep_Page_Block(int f_rate) {
    if (Untimed_Step(0)) {
        object& picture = Camp_Sprite(4);
        Start_Slide(picture.x, picture.width);
        Next_Step(1500);
    }
    if (title_sequence >= 1)
        Slide_To_Rest(Camp_Sprite(4).x, script_start_x, (float)f_rate * 0.0006f);
    if (Timed_Step(1)) {
        snore_sfx = true;
        Next_Step(2500);
    }
    if (Timed_Step(2)) Night_Request();

    Clear_Tooltip();
    if (Hover_Button(2, "Skip^Scene", button_snd)) Night_Request();  // the click stays pending
}
