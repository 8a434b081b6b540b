#include "content/scene_hud.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/scene_files.h"
#include "content/scene_reset.h"
#include "content/texture_list.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "platform/timer.h"

namespace {

constexpr int G_STS = 7; // scene type of the stats pages

void Move_Item(int i, float dx, float dy) {
    if (i < 0 || i >= MAX_HUD) return;
    hud[i].x += dx;
    hud[i].w += dx;
    hud[i].y += dy;
    hud[i].z += dy;
}

// Each HUD item shows the frame of its animation sheet at its current step.
void Set_Hud_Frames() {
    const int n = hud_no_sprites < 0 ? 0 : (hud_no_sprites > MAX_HUD ? MAX_HUD : hud_no_sprites);
    for (int i = 0; i < n; ++i) {
        object& h = hud[i];
        if (h.fx_id < 0 || h.fx_id >= MAX_ANIM_SHEETS || h.anim < 0 || h.anim >= 150 || h.cur < 0 || h.cur >= 150)
            continue;
        h.frame = a_texture[h.fx_id].anims[h.anim][h.cur];
    }
}

void Load_Layout() {
    LoadHud(HUD_LAYOUT_PATH);
    Set_Hud_Frames();
}

void Shift_For_Screen() {
    if (screen_mode == 2) {
        for (int i : {4, 36, 5, 30, 38}) Move_Item(i, 0.0f, 0.035f);
    } else if (screen_mode == 0) {
        const float D = 0.2f;
        for (int i : {29, 0, 3}) Move_Item(i, D, -0.02f);
        Move_Item(33, D, 0.0f);
        for (int i : {4, 36, 5}) Move_Item(i, D, 0.05f);
        for (int i : {38, 30}) Move_Item(i, -D, 0.05f);
        for (int i : {50, 49, 46}) Move_Item(i, -D, -0.02f);
        for (int i = 11; i <= 26; ++i) Move_Item(i, -D, -0.02f);
    }
}

void Show_Only(std::initializer_list<int> shown) {
    for (int i = 0; i <= 57 && i < MAX_HUD; ++i) hud[i].alpha = 0.0f;
    for (int i : shown) hud[i].alpha = 1.0f;
}

void Place_Slot(int slot, float x, float y, float alpha, float width, float height) {
    counter[slot].x = x;
    counter[slot].y = y;
    counter[slot].alpha = alpha;
    counter[slot].width = width;
    counter[slot].height = height;
}

void Set_Cine_Text(font& slot, const sString& text) {
    std::snprintf(slot.word, sizeof slot.word, "%s", text.s);
    const int length = (int)std::strlen(slot.word);
    slot.x = 0.06f - (float)(length / 2) * 2 * slot.width;
}

} // namespace

void Setup_Scene_Hud() {
    if (!hud) return;
    if (game_mode == MODE_GAME || game_mode == MODE_FRONT) {
        Load_Layout();
        msg_left = true;
    }
    if (game_mode == MODE_WALK) {
        Load_Layout();
        if (player_type == 1) Change_Texture(Make_sString("Data/hud/faces1"), 4);
        Shift_For_Screen();
    }
    if (game_mode == MODE_WORLD) Load_Layout();
    if (game_mode == MODE_CINE) {
        Load_Layout();
        for (int i = 0; i < MAX_HUD; ++i) hud[i].alpha = 0.0f;
    }
    if (game_mode == MODE_FRONT) {
        for (int i = 0; i < MAX_HUD; ++i) hud[i].alpha = 0.0f;
        hud[1].alpha = 1.0f;
        go_ahead = 0;
    }

    hud[1].x = hud[1].w = mouseX - hud[1].width / 2;
    hud[1].y = hud[1].z = mouseY - hud[1].height / 2;

    if (game_mode == MODE_WALK) {
        if (g_type == 0 || g_type == G_STS) {
            Show_Only({0, 1, 3, 15});
        } else if (g_type == 4 || (g_type >= 10 && g_type <= 13)) {
            Show_Only({0, 1, 3, 4, 5, 7, 8, 9, 10, 29, 30, 33, 36, 37, 38, 46, 49, 50, 52, 53});
        }
    }

    bullet_start_y = hud[10].y;
    bullet_bottom_y = bullet_start_y - hud[10].height;
    exp_width = hud[38].width;
    hud27width = hud[27].width;
    hud27height = hud[27].height;
    hud1width = hud[1].width;
    hud1height = hud[1].height;

    if (game_mode == MODE_FRONT) {
        hud[42].width = hud[42].box_width * sfx_volume;
        hud[43].width = hud[43].box_width * music_volume;
    }
    if (game_mode == MODE_WALK && g_type == 13) teddy_roar_sfx = 1;
}

void Setup_Scene_Start() {
    if (game_mode != MODE_WALK && game_mode != MODE_WORLD) {
        camX = 0.0f;
        camY = 0.0f;
    }
    cur_keyframe = 0;
    target_frame = 0;
    if (no_of_keyframes - 1 > 0) target_frame = 1;

    fade = 0.0f;
    c_fade_in = std::abs(fade_in);
    c_fade_out = std::abs(fade_out);
    if (fade_in == 0) fade_timer = Now() + 10;
    cos_fade = 0.0f;

    if (game_mode == MODE_GAME) Time_conversion();

    Set_Cine_Text(cine_text[0], hud_text_A[0]);
    Set_Cine_Text(cine_text[1], hud_text_B[0]);

    if (game_mode == MODE_WALK || game_mode == MODE_FRONT || game_mode == MODE_WORLD) {
        start_text = true;
        if (hud_text_A[0].s[0] != '_') start_timer = Now() + 500;
        if (g_type == G_STS) start_timer = Now();
        counter[4].word[0] = '\0';

        if (game_mode == MODE_WALK) {
            Place_Slot(0, -0.96f, -0.35f, 1.0f, 0.016f, 0.048f);
            Place_Slot(1, -0.9f, -0.38f, 0.0f, 0.01f, 0.03f);
            Place_Slot(2, -0.68f, -0.38f, 0.0f, 0.01f, 0.03f);
            Place_Slot(4, -0.24f, 0.2f, 1.0f, 0.012f, 0.03f);
            Place_Slot(5, -0.8f, 0.7f, 1.0f, 0.012f, 0.03f);
        } else {
            for (int s : {0, 1, 2, 4}) counter[s].alpha = 0.0f;
            Place_Slot(5, -0.8f, 0.7f, 1.0f, 0.012f, 0.03f);
            ply_speed = 0.0003f;
        }
    }
    counter[8].word[0] = '\0';
}
