#include "main/hud_upkeep.h"

#include <cstring>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "content/scene_hud.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/keyboard.h"
#include "main/sound_bank.h"
#include "platform/timer.h"
#include "render/font.h"
#include "world/animate.h"

namespace {

// HUD items and text slots of the HUD layout used here.
constexpr int HUD_POINTER = 1;
constexpr int HUD_MESSAGE_PANEL = 2;
constexpr int HUD_TOOLTIP_BACK = 6;
constexpr int HUD_AMMO_ANCHOR = 30;
constexpr int HUD_MODAL_A = 40;
constexpr int HUD_MODAL_B = 41;
constexpr int bullet_row[4] = {10, 9, 8, 7}; // item 10 leads the slide

constexpr int SLOT_AMMO = 0;
constexpr int SLOT_BUBBLE = 4;
constexpr int SLOT_TOOLTIP = 5;
constexpr int SLOT_NAME = 8;

constexpr int RELOAD_TARGET = 101; // next_weapon of a reload: the weapon stays
constexpr int INVENTORY_SLOTS = 16;
constexpr float SLIDE_RATE = 0.004f; // bullet-row speed per ms

constexpr int NAME_EPISODE = 0; // the player-name page
constexpr int NAME_SCENE = 5;
constexpr int NAME_CAP = 7;     // letters of a player name

void Bullet_Row_To(float y) {
    for (int item : bullet_row) hud[item].y = y;
}

void Bullet_Row_By(float dy) {
    for (int item : bullet_row) hud[item].y += dy;
}

// Low-ammunition thresholds of the equipped weapon.
bool Ammo_Is_Low() {
    if (ply_ammo == 0) return true;
    if (has_machine_equipped && ply_ammo <= 15) return true;
    if (has_pistol_equipped && ply_ammo <= 10) return true;
    if (has_shotgun_equipped && ply_ammo <= 8) return true;
    if (has_rifle_equipped && ply_ammo <= 6) return true;
    if (has_grenade_equipped && ply_ammo <= 1) return true;
    return false;
}

// Letters of lvl_text the name tests may read: what was typed, never past the buffer.
int Typed_Letters() {
    int n = cur_letter;
    if (n < 0) n = 0;
    if (n > (int)sizeof lvl_text) n = (int)sizeof lvl_text;
    return n;
}

} // namespace

void Message_Panel_Alpha() {
    Trace_Call("Message_Panel_Alpha");
    if (!hud) return;
    object& panel = hud[HUD_MESSAGE_PANEL];
    if (panel.alpha == 0.0f) return;
    panel.alpha = msg_fx ? 0.5f : 0.99f;
    if (Level == LVL_SHOP) panel.alpha = 1.0f;
}

void Weapon_Switch_Upkeep(int f_rate) {
    Trace_Call("Weapon_Switch_Upkeep");
    if (!hud || next_weapon == -1) return;

    // 1. The slide: item 10 decides, all four follow.
    if (!switched_weapon) {
        if (hud[10].y >= bullet_bottom_y)
            Bullet_Row_By(-(float)f_rate * SLIDE_RATE);
        else
            Bullet_Row_To(bullet_bottom_y);
    } else {
        if (hud[10].y <= bullet_start_y)
            Bullet_Row_By((float)f_rate * SLIDE_RATE);
        else
            Bullet_Row_To(bullet_start_y);
    }

    // 2. The phase change.
    if (Now() > next_weapon_timer) {
        if (!switched_weapon) {
            next_weapon_timer = Now() + 50;
            // Only one of the 16 inventory slots can be equipped; any other target keeps the
            // weapon in hand and just plays the row.
            if (next_weapon != RELOAD_TARGET && next_weapon >= 0 && next_weapon < INVENTORY_SLOTS)
                current_weapon = next_weapon;
            Calculate_Bullets();
            Calculate_Inventory();
            Calculate_Stats();
            switched_weapon = true;
            Bullet_Row_To(bullet_bottom_y);
        } else {
            next_weapon = -1;
            if (!reloading) spark_sfx = true;
            switched_weapon = false;
            Calculate_Inventory();
            Calculate_Stats();
            Bullet_Row_To(bullet_start_y);
        }
    }
}

void Tooltip_Bubble_Modal() {
    Trace_Call("Tooltip_Bubble_Modal");
    if (!hud) return;

    // 1. The tooltip backing shows while the tooltip has text.
    hud[HUD_TOOLTIP_BACK].alpha = counter[SLOT_TOOLTIP].word[0] != '\0' ? 1.0f : 0.0f;

    // 2. The speech bubble follows its speaker until it times out.
    if (dialog_active != -1) {
        Help_Limits();
        if (Now() > dialog_timer) {
            hud[HUD_MESSAGE_PANEL].alpha = 0.0f;
            counter[SLOT_BUBBLE].word[0] = '\0';
            dialog_active = -1;
        }
    }

    // 3. A fully opaque message panel is a modal box.
    const float panel = hud[HUD_MESSAGE_PANEL].alpha;
    if (Level != LVL_SHOP && panel == 1.0f) {
        hud[HUD_MODAL_A].alpha = panel;
        hud[HUD_MODAL_B].alpha = panel;
        hud[HUD_TOOLTIP_BACK].alpha = 0.0f;
        if (Level != LVL_FILE_SELECT) {
            quit_active = true;
            Set_Sprite(HUD_POINTER, mouseleft ? 6 : 0, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        } else {
            counter[SLOT_TOOLTIP].word[0] = '\0';
        }
    }

    // 4. The options page changed the music volume.
    if (game_mode == MODE_FRONT && update_title) {
        end_snd.setVolume(music_volume);
        update_title = false;
    }
}

void Ammo_Count_Upkeep() {
    Trace_Call("Ammo_Count_Upkeep");
    if (!hud) return;
    font& slot = counter[SLOT_AMMO];

    low_ammo_flash = Ammo_Is_Low();
    if (low_ammo_flash) {
        if (Now() > low_ammo_timer) {
            slot.alpha = slot.alpha == 0.0f ? 1.0f : 0.0f;
            low_ammo_timer = Now() + 250;
        }
    } else {
        slot.alpha = 1.0f;
    }

    Text_Printf(SLOT_AMMO, "%i", ply_ammo);
    const object& anchor = hud[HUD_AMMO_ANCHOR];
    // Right-aligned by digit count; a count above 9999 stays where the last one was put.
    if (ply_ammo >= 0 && ply_ammo <= 9) slot.x = anchor.w + 0.13f;
    else if (ply_ammo >= 10 && ply_ammo <= 99) slot.x = anchor.w + 0.11f;
    else if (ply_ammo >= 100 && ply_ammo <= 999) slot.x = anchor.w + 0.09f;
    else if (ply_ammo >= 1000 && ply_ammo <= 9999) slot.x = anchor.w + 0.07f;
    slot.y = anchor.z + 0.075f;
    slot.width = 0.02f;
    slot.height = 0.05f;
}

void Name_Field_Upkeep() {
    Trace_Call("Name_Field_Upkeep");
    const bool name_page = episode == NAME_EPISODE && scene == NAME_SCENE;

    // 1. The name page opens its field.
    if (name_page) {
        text_selected = true;
        input_cap = NAME_CAP;
    }

    if (text_selected) {
        // 2. The typed name with its blinking caret. The caret goes only onto a name
        // written this tick, so it never piles up in a slot that is not rebuilt.
        if (scene == NAME_SCENE) Text_Printf(SLOT_NAME, "%.7s", lvl_text);
        if (Now() > text_cursor_timer) {
            text_cursor_flash = !text_cursor_flash;
            text_cursor_timer = Now() + 150;
        }
        if (scene == NAME_SCENE && text_cursor_flash && cur_letter < input_cap) {
            font& slot = counter[SLOT_NAME];
            const size_t len = strnlen(slot.word, sizeof slot.word);
            if (len + 1 < sizeof slot.word) {
                slot.word[len] = '@';
                slot.word[len + 1] = '\0';
            }
        }
        if (name_page) {
            font& slot = counter[SLOT_NAME];
            slot.x = -0.09f;
            slot.y = 0.2f;
            slot.width = 0.024f;
            slot.height = 0.048f;
            slot.alpha = 1.0f;
        }
    } else {
        // 3. A closed field shows the name without a caret.
        if (scene == NAME_SCENE) Text_Printf(SLOT_NAME, "%.7s", lvl_text);
        text_cursor_flash = false;
        text_cursor_timer = 0;
    }

    // 4. Nothing but blanks typed.
    const int typed = Typed_Letters();
    is_blank = true;
    for (int k = 0; k < typed; ++k)
        if (lvl_text[k] != '_') is_blank = false;

    // 5. A name can be created once it has a letter that is not a blank.
    if (scene == NAME_SCENE) create_char = cur_letter > 0 && lvl_text[0] != '@' && !is_blank;

    // 6. The file buttons follow the selected save slot.
    create_file = file_selected != -1;
    delete_file = file_selected >= 0 && file_selected < MAX_SPRITES && sprite != nullptr &&
                  sprite[file_selected].file_full;
}
