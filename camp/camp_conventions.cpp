#include "camp/camp_conventions.h"

#include <cstdio>
#include <cstdlib>

#include "common/game_state.h"
#include "common/input.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/item_names.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/particles.h"

bool Camp_Hover(const object& o) {
    return mouseX < o.w + o.box_width && mouseX > o.w && mouseY < o.z + o.box_height && mouseY > o.z;
}

bool Camp_Hover_Sprite(int i) {
    if (sprite == nullptr || i < 0 || i >= MAX_SPRITES) return false;
    return Camp_Hover(sprite[i]);
}

void Camp_Tooltip(const char* caption, int box_code, bool left) {
    std::snprintf(counter[5].word, sizeof counter[5].word, "%s", caption ? caption : "");
    counter[5].length = box_code;
    msg_left = left;
}

void Camp_Blank_Tooltip() { counter[5].word[0] = '\0'; }

void Hover_Latch_Flag(bool hovered, bool& latch) {
    if (!hovered) {
        latch = false;
        return;
    }
    if (!latch) {
        radio_sfx = true;
        latch = true;
    }
}

void Hover_Latch_Grab_Switch(bool hovered, int i) {
    if (sprite == nullptr || i < 0 || i >= MAX_SPRITES) return;
    if (!hovered) {
        sprite[i].grab_switch = true;
        return;
    }
    if (sprite[i].grab_switch) {
        sprite[i].grab_switch = false;
        radio_sfx = true;
    }
}

void Hover_Latch_Selected(bool hovered, int i) {
    if (sprite == nullptr || i < 0 || i >= MAX_SPRITES) return;
    if (!hovered) {
        sprite[i].selected = false;
        return;
    }
    if (!sprite[i].selected) {
        sprite[i].selected = true;
        radio_sfx = true;
    }
}

void Hover_Latch_Anim(bool hovered, int i) {
    if (sprite == nullptr || i < 0 || i >= MAX_SPRITES) return;
    if (hovered && sprite[i].anim == 0) radio_sfx = true;
}

void Camp_Highlight(int i, bool hovered) {
    Set_Sprite(i, hovered ? 1 : 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
}

bool Camp_Page_Button(int i, const char* caption, int box_code, bool* latch) {
    const bool hovered = Camp_Hover_Sprite(i);
    Camp_Highlight(i, hovered);
    if (latch) Hover_Latch_Flag(hovered, *latch);
    if (!hovered) return false;
    Camp_Tooltip(caption, box_code, true);
    if (!mouseleft) return false;
    click_sfx = true;
    mouseleft = false;
    return true;
}

void Camp_Leave(int e, int s, int spawn) {
    episode = e;
    scene = s;
    if (spawn != CAMP_NO_SPAWN) current_spawn = spawn;
    next_scene = true;
}

void Camp_Flashing(int& toggle_timer, int star_texture) {
    if (sprite == nullptr) return;
    constexpr int FLASH_PERIOD = 150;
    const int count = no_sprites < MAX_SPRITES ? no_sprites : MAX_SPRITES;
    const bool toggle = Now() > toggle_timer;
    for (int i = 0; i < count; ++i) {
        object& o = sprite[i];
        if (o.flash_timer == 0) continue;
        if (toggle) {
            o.alpha = o.alpha == 0.0f ? 1.0f : 0.0f;
            Create_Star_Effect(o.x + o.width / 2, o.y + o.height / 2, rand() % 2 == 0 ? 0.1f : 0.15f,
                               star_texture);
        }
        if (Now() > o.flash_timer) {
            o.alpha = 1.0f;
            o.flash_timer = 0;
        }
    }
    if (Now() > toggle_timer) toggle_timer = Now() + FLASH_PERIOD;
}
