// The once-per-frame HUD reactions: exit labels, the quit and stats buttons, the
// confirmation box and its sliders, the bar, portrait and stat tooltips, then the ground
// item label and the inventory grid.
#include "hud/overlays.h"

#include <cstdio>
#include <cstring>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/config.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "hud/derived_state.h"
#include "hud/gauges.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/inventory_screen.h"
#include "hud/item_names.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "render/font.h"
#include "world/animate.h"

namespace {

constexpr int TIP = 5;  // the tooltip text slot

// The game's texts show the player's name with "%0.7s"; the '0' flag does nothing for a string.
#pragma GCC diagnostic ignored "-Wformat"

// Exit and ladder labels by level code; nullptr where a level has none.
constexpr int EXIT_LABELS = 83;
constexpr const char* exit_labels[EXIT_LABELS] = {
    /* 0 */ "Summer_Camp", "Missile^Silos", "Village", nullptr, "Palace",
    /* 5 */ "EscapeHatch", "Boot_Camp", "Casino", "Outskirts", "Pebble^Beach",
    /* 10 */ "Bunker", "Bunker", "Bunker", nullptr, nullptr,
    /* 15 */ "Cave", "Lower_Decks", "Highway", "Go_to_ActII", "Basement",
    /* 20 */ "Basement", "Basement", "Go_to_ActIII", "Cellar", nullptr,
    /* 25 */ "Galleon", nullptr, nullptr, "%0.7s&s^Tent", "Orchard",
    /* 30 */ "Pebble_Bay", "Tunnels", "Boat_Yard", "Battleship", "Submarine^Pen",
    /* 35 */ "Cliffs", "Caves", "???", "Back_Road", "Coastal^Road",
    /* 40 */ "Head^Quarters", "Sarge&s^Hut", "Harry&s^Tent", "Armoury", "Casino",
    /* 45 */ "Gun^Shop", "Casino", nullptr, nullptr, "Closed",
    /* 50 */ "Pebble^Beach", "Summer_Camp", "Summer_Camp", "Boot_Camp", "Village",
    /* 55 */ "Summer_Camp", "Trench", "Trench", "Palace^Gardens", "Outside^Palace",
    /* 60 */ "Hallway", "Library", "Vaults", "Dungeon", "Airfield",
    /* 65 */ "Farmlands", "Highway", "Highway", "Highway", "Farmlands",
    /* 70 */ "Highway", "Village", "Control^Bunker", "Control^Room", "Missile^Silo",
    /* 75 */ "Missile^Silo", "Missile^Silo", "Missile^Silo", "Super^Silo", "Super^Silo",
    /* 80 */ "Super^Missile", "Tunnels", "Head^Quarters"};

constexpr int two_line_sectors[] = {1,  9,  28, 34, 39, 40, 41, 42, 45, 50, 58,
                                    59, 72, 73, 74, 75, 76, 77, 78, 79, 80, 82};

bool Shown(int i) { return hud[i].alpha == 1.0f; }

// Collision-box test with strict bounds.
bool On_Box(const object& o, float px, float py) {
    return o.w < px && px < o.w + o.box_width && o.z < py && py < o.z + o.box_height;
}

// Drawn-rectangle test with strict bounds.
bool On_Rect(const object& o, float px, float py) {
    return o.x < px && px < o.x + o.width && o.y < py && py < o.y + o.height;
}

bool Is_Food(int code) { return code == 3 || code == 4 || code == 23 || code == 26 || code == 45; }

bool Player_Exists() { return Valid_Sprite(p1_id); }

void Tip(const char* text, bool left) {
    Text_Printf(TIP, "%s", text);
    msg_left = left;
    Message_Limits();
}

void Drop_Held_Food() {
    mouse_inv = 0;
    mouse_inv_value = 0;
    mouse_inv_value1 = 0;
    mouse_grabbed = false;
    Calculate_Inventory();
    chute_sfx = true;
    mouseright = false;
}

void Close_Box() {
    hud[HUD_CONFIRM_BOX].alpha = 0.0f;
    hud[HUD_YES].alpha = 0.0f;
    hud[HUD_NO].alpha = 0.0f;
}

float Clamp_Volume(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// Phase 1: the label of the exit or ladder under the pointer.
void Exit_Labels() {
    if (!hud_corner || reloading || next_weapon != -1 || game_mode != MODE_WALK || !sprite) return;
    int count = trigger_counter;
    if (count > TRIGGER_LIST_SIZE) count = TRIGGER_LIST_SIZE;
    for (int k = 0; k < count; ++k) {
        const int s = trigger_list[k];
        if (s < 0 || s >= MAX_SPRITES) continue;
        object& o = sprite[s];
        if (o.moving || (o.type != TRI && o.type != LAD) || !On_Box(o, mouseX, mouseY)) continue;

        counter[TIP].length = 0;
        const char* label = Exit_Label(o.sector);
        if (o.sector == 28)
            Text_Printf(TIP, "%0.7s&s^Tent", player_name);
        else if (label)
            Text_Printf(TIP, "%s", label);
        if (Exit_Label_Two_Lines(o.sector)) counter[TIP].length = 1;

        if (o.type == TRI) {
            o.onCreate = 0;
            if ((o.linked_sprite == -2 && main_mission[1] != 3) ||
                (o.linked_sprite == -3 && main_mission[1] == 0)) {
                Text_Printf(TIP, "Closed");
                counter[TIP].length = 0;
                o.onCreate = -1;
            }
        }
        if (o.linked_sprite > 0 && o.linked_sprite < 25 && main_mission[o.linked_sprite] == 0) {
            Text_Printf(TIP, "Closed");
            counter[TIP].length = 0;
        }
        if (o.type == LAD && (o.score == -1 || (o.linked_sprite != 0 && o.linked_sprite != mission))) {
            Text_Printf(TIP, "Closed");
            counter[TIP].length = 0;
        }
        msg_left = o.sector_action != 0;
        Message_Limits();
    }
}

// Phase 3: the quit button.
void Quit_Button() {
    if (quit_active || reloading || mouseheld || !Shown(HUD_QUIT_BUTTON)) return;
    if (On_Box(hud[HUD_QUIT_BUTTON], testX, testY)) {
        Tip("Quit^Game?", false);
        Set_Sprite(HUD_QUIT_BUTTON, 19, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        on_hud_buttons = true;
        if (mouseleft) {
            dialog_active = -1;
            Quit_Code(true);
            switch_n_sfx = true;
            mouseleft = false;
        }
    } else {
        Set_Sprite(HUD_QUIT_BUTTON, 18, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }
}

// Phase 4: the stats button.
void Stats_Button() {
    object& b = hud[HUD_STATS_BUTTON];
    if (ply_dead || lock_player || quit_active || reloading || mouseheld || !Shown(HUD_STATS_BUTTON) ||
        b.anim == 23)
        return;
    if (On_Box(b, testX, testY)) {
        Set_Sprite(HUD_STATS_BUTTON, 13, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        on_hud_buttons = true;
        if (mouseleft) {
            dialog_active = -1;
            stats_scene = scene;
            stats_episode = episode;
            episode = 1;
            scene = 141;
            next_scene = true;
            switch_n_sfx = true;
            mouseleft = false;
        }
    } else if (level_up_points == 0) {
        Set_Sprite(HUD_STATS_BUTTON, 12, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    } else if (b.anim != 13) {
        Set_Sprite(HUD_STATS_BUTTON, 13, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    }
}

// Removes the save file of the slot sprite the box was opened for.
void Delete_Save_File() {
    const int s = file_to_delete;
    if (Valid_Sprite(s)) {
        object& slot = sprite[s];
        char name[64];
        std::snprintf(name, sizeof name, "data/save/savefile%i.sav", slot.sector_action);
        if (std::remove(name) == 0) {
            slot.file_full = false;
            slot.id = 8;
            slot.rank = 0;
            Set_Sprite(s, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            if (slot.sector_action >= 0 && slot.sector_action <= 5)
                std::snprintf(file_names[slot.sector_action], sizeof file_names[0], ".........");
            file_to_delete = -1;
        }
    }
    file_selected = -1;
    quit_active = false;
    fall_sfx = true;
}

// Phase 5: the confirmation box.
void Confirmation_Box() {
    if (Level == LVL_SHOP || hud[HUD_CONFIRM_BOX].alpha != 1.0f) return;

    object& yes = hud[HUD_YES];
    if (On_Box(yes, testX, testY)) {
        if (yes.anim == 14) radio_sfx = true;
        Set_Sprite(HUD_YES, 15, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        if (mouseleft) {
            quit_active = false;
            click_sfx = true;
            if (in_options) SaveCFG();
            if (file_to_delete != -1) Delete_Save_File();
            if (trying_to_quit == 1) {
                if (current_file != -1 && game_mode == MODE_WALK && episode != 0) {
                    sString name{};
                    std::snprintf(name.s, sizeof name.s, "data/save/savefile%i", current_file);
                    SaveLevel(name);
                }
                fade_out = 15;
                next_scene = true;
                episode = 0;
                scene = 1;
                quit_active = true;
                trying_to_quit = 0;
            }
            Close_Box();
            mouseleft = false;
        }
    } else {
        Set_Sprite(HUD_YES, 14, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }

    object& no = hud[HUD_NO];
    if (On_Box(no, testX, testY)) {
        if (no.anim == 16) radio_sfx = true;
        Set_Sprite(HUD_NO, 17, ANIM_LOOP, ANIM_ARRAY_HUD, false);
        if (mouseleft) {
            click_sfx = true;
            Close_Box();
            quit_active = false;
            mouseleft = false;
        }
    } else {
        Set_Sprite(HUD_NO, 16, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }

    object& fx_slider = hud[HUD_SFX_SLIDER];
    if (Shown(HUD_SFX_SLIDER) && mouseleft && On_Box(fx_slider, testX, testY)) {
        click_sfx = true;
        fx_slider.width = testX - fx_slider.x;
        if (fx_slider.box_width != 0.0f) sfx_volume = Clamp_Volume(fx_slider.width / fx_slider.box_width);
    }
    object& music_slider = hud[HUD_MUSIC_SLIDER];
    if (Shown(HUD_MUSIC_SLIDER) && mouseleft && On_Box(music_slider, testX, testY)) {
        click_sfx = true;
        music_slider.width = testX - music_slider.x;
        if (music_slider.box_width != 0.0f)
            music_volume = Clamp_Volume(music_slider.width / music_slider.box_width);
        update_title = true;
    }
}

// Phase 6: the bar and portrait tooltips, and feeding from the held item.
void Bar_Tooltips() {
    if (quit_active || mouseheld || reloading || game_mode != MODE_WALK || next_weapon != -1) return;
    if (Player_Exists() && Shown(HUD_LIFEBAR) && On_Box(hud[HUD_LIFEBAR], testX, testY)) {
        Text_Printf(TIP, "HEALTH^\xE9\xFB_%i-%i", sprite[p1_id].score, PLY_VITALITY);
        msg_left = true;
        Message_Limits();
    }
    if (Player_Exists() && Shown(HUD_EXPBAR) && On_Box(hud[HUD_EXPBAR], testX, testY)) {
        Text_Printf(TIP, "EXPERIENCE^%i-%i", player_experience, player_exp_level);
        msg_left = false;
        Message_Limits();
    }
    if (Shown(HUD_GENERAL) && On_Rect(hud[HUD_GENERAL], testX, testY)) {
        Text_Printf(TIP, "GENERAL^Rank_%i", buddy_rank);
        msg_left = false;
        Message_Limits();
        if (mouse_grabbed && mouseleft && Is_Food(mouse_inv)) Drop_Held_Food();
    }
    if (Shown(HUD_FACE) && On_Rect(hud[HUD_FACE], testX, testY)) {
        Text_Printf(TIP, "%0.7s^Rank-%i", player_name, player_rank);
        msg_left = true;
        Message_Limits();
        if (mouse_grabbed && mouseleft && Is_Food(mouse_inv)) {
            Calculate_Health(mouse_inv_value);
            Calculate_Lifebar();
            Drop_Held_Food();
        }
    }
}

// Phase 7: the stat items and spending level-up points.
void Stat_Items() {
    if (quit_active || mouseheld || mouse_grabbed || reloading || game_mode != MODE_WALK || next_weapon != -1)
        return;
    for (int i = 29; i <= 34; ++i) {
        if (!On_Rect(hud[i], testX, testY)) continue;
        if (i == 31 && Shown(i)) {
            Text_Printf(TIP, "ACCURACY^%iPt_%i\xC1", stat_accuracy, PLY_ACCURACY);
            msg_left = true;
            Message_Limits();
            if (mouseleft && level_up_points > 0) {
                stat_accuracy++;
                place_sfx = true;
                if (--level_up_points == 0) Reset_Hud_Stat();
            }
        } else if (i == 32 && Shown(i)) {
            Text_Printf(TIP, "FIREPOWER^%iPt_%i", stat_rifle_skill, PLY_STRENGTH);
            msg_left = true;
            Message_Limits();
            if (mouseleft && level_up_points > 0) {
                stat_strength++;
                place_sfx = true;
                if (--level_up_points == 0) Reset_Hud_Stat();
            }
        } else if (i == 33 && Shown(i)) {
            Tip("Stats^(TAB)-Key", true);
        }
        if (mouseleft) {
            Calculate_Stats();
            mouseleft = false;
        }
    }
}

}  // namespace

const char* Exit_Label(int sector) {
    return sector >= 0 && sector < EXIT_LABELS ? exit_labels[sector] : nullptr;
}

bool Exit_Label_Two_Lines(int sector) {
    for (int s : two_line_sectors)
        if (s == sector) return true;
    return false;
}

void Hud_Overlays() {
    Trace_Call("Hud_Overlays");
    if (!hud) return;

    on_hud_buttons = false;
    if (game_mode == MODE_WALK) {
        counter[TIP].word[0] = '\0';
        counter[TIP].length = 1;
        radar_on = false;
        if (!mouseleft) on_the_radar = false;
        if (hud[HUD_RADAR].alpha == 1.0f) radar_on = true;
    }
    testX = hud_mouseX + camX;
    testY = hud_mouseY + camY;

    Exit_Labels();

    if (quit_active) {
        Set_Sprite(HUD_QUIT_BUTTON, 18, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(HUD_STATS_BUTTON, 12, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(49, 20, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(30, 12, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        Set_Sprite(29, 10, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }
    Quit_Button();
    Stats_Button();
    Confirmation_Box();
    Bar_Tooltips();
    Stat_Items();

    if (game_mode == MODE_WALK && !ply_dead && !mouseheld && !reloading && next_weapon == -1) Hud_Check();

    Inventory_Screen();
}

void Time_conversion() { Trace_Call("Time_conversion"); }
