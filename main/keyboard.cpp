#include "main/keyboard.h"

#include <cstdio>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace {

using platform::VK_BACK;
using platform::VK_CONTROL;
using platform::VK_DELETE;
using platform::VK_ESCAPE;
using platform::VK_F1;
using platform::VK_F11;
using platform::VK_SHIFT;
using platform::VK_SPACE;
using platform::VK_TAB;

// Inventory codes the weapon keys look for.
constexpr int INV_PISTOL = 10;
constexpr int INV_SHOTGUN_A = 33, INV_SHOTGUN_B = 34; // first and second half
constexpr int INV_STICK_GRENADE = 29;
constexpr int INV_MACHINE_A = 38, INV_MACHINE_B = 39;
constexpr int INV_RIFLE_A = 6, INV_RIFLE_B = 7;

constexpr int PERK_PAGE_EPISODE = 1, PERK_PAGE_SCENE = 141;
constexpr int PAUSE_PAGE_EPISODE = 1, PAUSE_PAGE_SCENE = 53;

bool* k = nullptr; // the key array of the running call
KEEP_FRESH(k);

// Takes one press of key: true when it was held, and its entry is cleared.
bool Consume(int key) {
    if (!k[key]) return false;
    k[key] = false;
    return true;
}

// The most characters the field takes: the page's cap, and never more than the buffer holds
// with its terminating zero.
int Field_Limit() {
    int buffer_cap = (int)sizeof(lvl_text) - 1;
    return input_cap < buffer_cap ? input_cap : buffer_cap;
}

// Types c into the open text field when there is room, with its sound. Each character is
// followed by a terminating zero, so the field always reads as a string.
bool Type_Char(char c, bool& sfx) {
    if (!text_selected) return false;
    if (cur_letter < 0) cur_letter = 0;
    if (cur_letter >= Field_Limit()) return false;
    lvl_text[cur_letter] = c;
    cur_letter++;
    lvl_text[cur_letter] = '\0';
    sfx = true;
    return true;
}

void Type_Letter(char upper) {
    bool upper_case = shift_key != capital_key;
    Type_Char(upper_case ? upper : (char)(upper - 'A' + 'a'), type_sfx);
}

// A letter key that only types.
void Letter_Key(char upper) {
    if (Consume(upper)) Type_Letter(upper);
}

// A digit key of the main row that only types.
void Digit_Key(char digit) {
    if (Consume(digit)) Type_Char(digit, type_sfx);
}

// A movement letter: typed outside walk mode (and outside `skip_mode`); in walk mode its flag
// follows the key while the mouse-and-keyboard scheme is chosen and falls on release.
void Movement_Key(char upper, bool& flag, int skip_mode) {
    if (game_mode != MODE_WALK && game_mode != skip_mode && Consume(upper)) Type_Letter(upper);
    if (game_mode == MODE_WALK) {
        if (k[(int)upper]) {
            if (!CONTROL_SCHEME) flag = true;
        } else {
            flag = false;
        }
    }
}

bool Weapon_Keys_Active() {
    return game_mode == MODE_WALK && !ply_dead && !reloading && !lock_player && !quit_active;
}

// The last inventory slot holding one of the two codes, or -1.
int Find_Slot(int code_a, int code_b) {
    int found = -1;
    for (int i = 0; i < 16; i++)
        if (player_inv[i] == code_a || player_inv[i] == code_b) found = i;
    return found;
}

// A two-slot weapon: the last slot holding either half, and the weapon's own slot (the
// second half). A first half in the last slot has no second half and is passed over.
bool Find_Two_Slot(int first_half, int second_half, int& found, int& weapon) {
    found = weapon = -1;
    for (int i = 0; i < 16; i++) {
        if (player_inv[i] == second_half) {
            found = i;
            weapon = i;
        } else if (player_inv[i] == first_half && i + 1 < 16) {
            found = i;
            weapon = i + 1;
        }
    }
    return found != -1;
}

void No_Weapon(int message) {
    if (p1_id != -1) Display_Message(p1_id, message);
}

void Start_Switch(int slot) {
    next_weapon = slot;
    next_weapon_timer = Now() + 50;
    switched_weapon = false;
}

void Refresh_Equipment() {
    Calculate_Inventory();
    Calculate_Bullets();
    Calculate_Stats();
}

void Weapon_Key(int digit) {
    if (!Weapon_Keys_Active()) return;
    if (digit <= 3 && next_weapon != -1) return;
    int found = -1, weapon = -1;
    switch (digit) {
        case 1:
            found = Find_Slot(INV_PISTOL, INV_PISTOL);
            if (found != -1) Start_Switch(found);
            else No_Weapon(MSG_NOPISTOL);
            break;
        case 2:
            if (Find_Two_Slot(INV_SHOTGUN_A, INV_SHOTGUN_B, found, weapon)) Start_Switch(weapon);
            else No_Weapon(MSG_NOSHOTGUN);
            break;
        case 3:
            found = Find_Slot(INV_STICK_GRENADE, INV_STICK_GRENADE);
            if (found != -1) Start_Switch(found);
            else No_Weapon(MSG_NOGRENADE);
            break;
        case 4:
            if (Find_Two_Slot(INV_MACHINE_A, INV_MACHINE_B, found, weapon)) {
                Start_Switch(found);
                current_weapon = weapon;
                Refresh_Equipment();
            } else {
                No_Weapon(MSG_NOMACHINE);
            }
            break;
        case 5:
            if (Find_Two_Slot(INV_RIFLE_A, INV_RIFLE_B, found, weapon)) {
                current_weapon = weapon;
                if (p1_id >= 0 && p1_id < MAX_SPRITES && sprite) sprite[p1_id].update = true;
                spark_sfx = true;
                Refresh_Equipment();
            } else {
                No_Weapon(MSG_NORIFLE);
            }
            break;
        default:
            break;
    }
}

void Number_Key(char digit) {
    if (!Consume(digit)) return;
    Type_Char(digit, type_sfx);
    Weapon_Key(digit - '0');
}

void Tab_Key() {
    if (!Consume(VK_TAB)) return;
    if (episode == PERK_PAGE_EPISODE && scene == PERK_PAGE_SCENE) {
        scene = stats_scene;
        episode = stats_episode;
        in_stats = true;
        next_scene = true;
    }
    if (game_mode == MODE_WALK && !text_selected && p1_id != -1 && !lock_player && !ply_dead) {
        dialog_active = -1;
        stats_scene = scene;
        stats_episode = episode;
        episode = PERK_PAGE_EPISODE;
        scene = PERK_PAGE_SCENE;
        next_scene = true;
        switch_n_sfx = true;
    }
}

// False when the window could not be opened again.
bool F1_Key() {
    if (!Consume(VK_F1)) return true;
    KillGLWindow();
    fullscreen = !fullscreen;
    return CreateGLWindow("Varnoth", sc_width, sc_height, sc_bits, fullscreen);
}

void Escape_Key() {
    if (!Consume(VK_ESCAPE)) return;
    dialog_active = -1;
    if (episode == 0 && (scene == 1 || scene == 7)) {
        end_sfx = 3;
        quitting = true;
        quit_timer = Now() + 100;
    }
    if ((game_mode == MODE_WALK || game_mode == MODE_CINE) && episode != 0) Quit_Code(quit_active);
    switch_n_sfx = true;
}

} // namespace

void Quit_Code(bool) {
    if (current_file != -1 && game_mode == MODE_WALK && episode != 0) {
        sString save_name;
        std::snprintf(save_name.s, sizeof save_name.s, "data/save/savefile%i", current_file);
        SaveLevel(save_name);
    }
    stats_scene = scene;
    stats_episode = episode;
    episode = PAUSE_PAGE_EPISODE;
    scene = PAUSE_PAGE_SCENE;
    next_scene = true;
    activate_bicycle = false;
}

int Key_Handler(bool* keys_in, object*, int) {
    Trace_Call("Key_Handler");
    if (!keys_in) return 1;
    k = keys_in;

    shift_key = k[VK_SHIFT];
    capital_key = platform::CapsLockOn() || k[platform::VK_CAPITAL]; // toggled on, or held

    if (Consume(VK_BACK) && text_selected) {
        int last = (int)sizeof(lvl_text) - 1;
        if (cur_letter < 0) cur_letter = 0;
        if (cur_letter > last) cur_letter = last;
        lvl_text[cur_letter] = '\0';
        if (cur_letter != 0) {
            cur_letter--;
            lvl_text[cur_letter] = '\0';
        }
        backspace_sfx = true;
    }

    Movement_Key('S', KEY_BACKWARD, MODE_WORLD);

    if (k[VK_SPACE]) {
        KEY_SPACE = true;
        if (!k[VK_CONTROL] && Type_Char('_', tink_sfx)) k[VK_SPACE] = false;
    } else {
        KEY_SPACE = false;
    }

    Tab_Key();
    if (!F1_Key()) return 0;
    Letter_Key('J');
    Letter_Key('K');
    if (game_mode != MODE_WALK) Letter_Key('Q');
    Movement_Key('W', KEY_FORWARD, MODE_WALK);
    Number_Key('1');
    Number_Key('2');
    Number_Key('3');
    Number_Key('4');
    if (Consume(VK_DELETE)) Type_Char(shift_key ? '>' : '.', tink_sfx);
    Letter_Key('M');
    Number_Key('5');
    Digit_Key('6');
    Digit_Key('7');
    Digit_Key('8');
    Digit_Key('9');
    Digit_Key('0');
    Movement_Key('D', KEY_RIGHTWARD, MODE_WALK);
    Movement_Key('A', KEY_LEFTWARD, MODE_WALK);
    for (char c : {'H', 'O', 'P', 'T'}) Letter_Key(c);
    if (Consume('Y')) {
        has_water = true;
        Type_Letter('Y');
    }
    for (char c : {'U', 'I', 'E', 'R', 'V', 'C', 'F', 'G', 'L', 'B', 'N', 'Z', 'X'}) Letter_Key(c);
    if (k[VK_F11] && k[VK_CONTROL]) {
        k[VK_F11] = false;
        fps_counter = !fps_counter;
    }
    Escape_Key();
    return 1;
}
