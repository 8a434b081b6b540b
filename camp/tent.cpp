#include "camp/tent.h"

#include <cstdio>
#include <cstdlib>

#include "camp/albums.h"
#include "camp/camp_conventions.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "platform/timer.h"
#include "scripts/script_frame.h"
#include "world/animate.h"
#include "world/particles.h"
#include "world/world_clock.h"

namespace {

// States of title_sequence on the tent page.
enum : int { TENT_ENTRY = 0, TENT_ACTIVE = 1, TENT_LEFT = 2, TENT_DARK = 6 };

// Sprites of the tent's scene file.
enum : int {
    SPR_DOLL = 1,
    SPR_LANTERN = 3,
    SPR_SOCK = 4,
    SPR_MEDAL_BOX = 5,
    SPR_SLEEP = 6,
    SPR_STATS = 7,
    SPR_BACKDROP = 8,
    SPR_FIGURE = 10,
    SPR_LIFEBAR = 11,
    SPR_SOCK2 = 12,
    SPR_LEAVE = 13,
    SPR_CYCLE = 35,
    SPR_ALBUMS = 36,
    SPR_HIDDEN = 37,
};

constexpr int CARD_KINDS = 36;      // cards 0 to 35 go into the albums
constexpr int FLASH_TIME = 3000;    // how long a banked object flashes, ms
constexpr int STAR_TEXTURE = 39;    // texture slot of the star effect
constexpr int FIGURE_HURT_ANIM = 7; // the figure at a quarter of full health or less
constexpr int BAR_LOW_ANIM = 15;    // life-bar colours
constexpr int BAR_OK_ANIM = 14;

// One piece of tent furniture: the valuables' value that is the piece and its sprites (-1
// for none).
struct furniture {
    int value;
    int sprites[2];
};

// By tent_objects entry, in the order of banking.
constexpr furniture FURNITURE[TENT_PIECES] = {
    {8, {4, 12}},   // Smelly Sock
    {9, {3, -1}},   // Lantern
    {10, {1, -1}},  // Vodoo Doll
    {11, {14, -1}}, // Children Books
    {4, {15, -1}},  // Dirty Magazines
    {12, {16, 17}}, // Ashtray
    {13, {18, -1}}, // Rug
    {14, {19, -1}}, // Chair
    {15, {20, -1}}, // Diary
    {16, {21, -1}}, // Golf Clubs
    {17, {22, -1}}, // Painting
    {18, {24, -1}}, // Piggy Bank
    {19, {27, -1}}, // Bible
    {20, {26, -1}}, // Flag
    {21, {28, -1}}, // Bedpan
    {22, {29, -1}}, // Bog Roll
    {23, {30, -1}}, // Plate
    {24, {31, -1}}, // Tea Cup
    {25, {25, -1}}, // Hamlet
    {26, {32, -1}}, // Snuff Box
    {27, {23, -1}}, // Toy Plane
    {28, {33, -1}}, // Poster
};

// The gallery scenes a cycle back never returns to; it goes to their entry scene instead.
bool Is_Cycle_Gallery(int e, int s) { return e == 1 && (s == 95 || s == 96 || s == 97 || s == 98); }
constexpr int GALLERY_ENTRY_SCENE = 93;

// Health at most a quarter of the maximum (integer quotient above 3), or none left.
bool Badly_Hurt() { return old_health <= 0 || PLY_VITALITY / old_health > 3; }

void Bank_Cards() {
    for (int card = 0; card < CARD_KINDS; ++card) {
        if (!Has_This_Item(CARD, card)) continue;
        Remove_Item(CARD, card, -1, true);
        global_cards[card] = 1;
        Queue_Card(card, 0);  // the album shows its arrival (the count is already set)
        sprite[SPR_ALBUMS].flash_timer = Now() + FLASH_TIME;
        cash_sfx = true;
    }
}

void Bank_Furniture() {
    for (int t = 0; t < TENT_PIECES; ++t) {
        const furniture& f = FURNITURE[t];
        if (tent_objects[t] == 0 && Has_This_Item(VALUABLE, f.value)) {
            Remove_Item(VALUABLE, f.value, -1, false);
            tent_objects[t] = 1;
        }
        if (tent_objects[t] == 1) {
            for (int s : f.sprites)
                if (s >= 0) sprite[s].flash_timer = Now() + FLASH_TIME;
            cash_sfx = true;
            tent_objects[t] = 2;
        }
        if (tent_objects[t] == 2)
            for (int s : f.sprites)
                if (s >= 0) sprite[s].alpha = 1.0f;
    }
}

void Tent_Entry() {
    tent_health_width = sprite[SPR_LIFEBAR].width;
    tent_flash_timer = 0;
    if (Badly_Hurt()) Set_Sprite(SPR_FIGURE, FIGURE_HURT_ANIM, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(SPR_DOLL, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);

    const bool died_on_mission = current_main > 1 && current_main < 25 &&
                                 main_mission[current_main] == 2 && activate_bicycle;
    sprite[SPR_CYCLE].alpha = died_on_mission ? 1.0f : 0.0f;

    for (int s : {SPR_DOLL, SPR_LANTERN, SPR_SOCK, SPR_SOCK2, SPR_HIDDEN}) sprite[s].alpha = 0.0f;
    for (int s = 14; s <= 33; ++s) sprite[s].alpha = 0.0f;

    Bank_Cards();
    Bank_Furniture();
    title_sequence = TENT_ACTIVE;
}

void Page_Request(int s) {
    Camp_Leave(1, s);
    pick_up_sfx = true;
    title_sequence = TENT_LEFT;
}

void Leave_To_Hub() {
    Camp_Leave(2, Act_Hub_Scene(current_act), 0);
    switch_n_sfx = true;
    mouseleft = false;
    if (global_objects[60] == 3) {
        global_objects[60] = 1;
        new_mission = 26;
    }
}

void Cycle_Back() {
    if (cycle_episode == -1 || cycle_scene == -1) return;
    int e = cycle_episode, s = cycle_scene;
    if (Is_Cycle_Gallery(e, s)) s = GALLERY_ENTRY_SCENE;
    Camp_Leave(e, s, cycle_spawn);
    pick_up_sfx = true;
    title_sequence = TENT_LEFT;
    Camp_Blank_Tooltip();
}

void Go_To_Sleep() {
    Camp_Leave(1, 25);
    pick_up_sfx = true;
    snore_sfx = true;
    c_fade_out = fade_out = 3;
    was_sleeping = true;
    title_sequence = TENT_LEFT;
    Camp_Blank_Tooltip();
    Set_Sprite(SPR_SLEEP, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Calculate_Stats();
    // A night's sleep heals both copies of the player's health: the one carried into the camp
    // and the one a player made afresh at a spawn point takes, so that the next place he walks
    // into does not bring back the wounds he slept off.
    old_health = PLY_VITALITY;
    player_health = (float)PLY_VITALITY;
    sprite[SPR_FIGURE].alpha = 0.0f;
    hours += 6;
    if (global_objects[60] == 2) {
        global_objects[60] = 3;
        hours = 5;
        minutes = 15;
        daytime = false;
    }
}

// The page buttons, each acting only while the tent is active.
void Tent_Buttons() {
    bool over;

    if (title_sequence == TENT_ACTIVE && sprite[SPR_LEAVE].grab_switch) {
        over = Camp_Hover_Sprite(SPR_LEAVE);
        Hover_Latch_Flag(over, button_snd);
        Camp_Highlight(SPR_LEAVE, over);
        if (over) {
            Camp_Tooltip("Leave_Tent", BOX_ONE_LINE, false);
            if (mouseleft) Leave_To_Hub();
        }
    }

    if (title_sequence == TENT_ACTIVE && sprite[SPR_CYCLE].alpha == 1.0f) {
        over = Camp_Hover_Sprite(SPR_CYCLE);
        Hover_Latch_Grab_Switch(over, SPR_CYCLE);
        if (over) {
            Camp_Tooltip("Cycle_to^Last_mission", BOX_TWO_LINES, false);
            if (mouseleft) Cycle_Back();
        }
    }

    if (title_sequence == TENT_ACTIVE) {
        over = Camp_Hover_Sprite(SPR_MEDAL_BOX);
        Hover_Latch_Anim(over, SPR_MEDAL_BOX);
        Camp_Highlight(SPR_MEDAL_BOX, over);
        if (over) {
            Camp_Tooltip("Medal_Box", BOX_ONE_LINE, true);
            if (mouseleft) Page_Request(24);
        }
    }

    if (title_sequence == TENT_ACTIVE) {
        over = Camp_Hover_Sprite(SPR_ALBUMS);
        Hover_Latch_Anim(over, SPR_ALBUMS);
        Camp_Highlight(SPR_ALBUMS, over);
        if (over) {
            Camp_Tooltip("Collectible^Cards", BOX_TWO_LINES, true);
            if (mouseleft) Page_Request(18);
        }
    }

    if (title_sequence == TENT_ACTIVE && fade > 0.7f) {
        over = Camp_Hover_Sprite(SPR_SLEEP);
        Hover_Latch_Grab_Switch(over, SPR_SLEEP);
        if (over) {
            Camp_Tooltip("Go_to_sleep", BOX_ONE_LINE, true);
            if (mouseleft) Go_To_Sleep();
        } else {
            Set_Sprite(SPR_SLEEP, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        }
    }

    if (title_sequence == TENT_ACTIVE) {
        over = Camp_Hover_Sprite(SPR_STATS);
        Hover_Latch_Grab_Switch(over, SPR_STATS);
        if (over) {
            char caption[32];
            std::snprintf(caption, sizeof caption, "%.7s&s^Stats", player_name);
            Camp_Tooltip(caption, BOX_TWO_LINES, false);
            if (mouseleft) {
                Page_Request(26);
                Camp_Blank_Tooltip();
            }
        }
    }
}

// Banked objects blink every 150 ms with a star until their flash ends, visible.
void Tent_Flashing() { Camp_Flashing(tent_flash_timer, STAR_TEXTURE); }

// The lantern dims the tent; no page button works in the dark.
void Tent_Light_Switch() {
    if (sprite[SPR_LANTERN].alpha != 1.0f || (fade != 0.5f && fade != 1.0f)) return;
    const bool over = Camp_Hover_Sprite(SPR_LANTERN);
    Set_Sprite(1, over ? 4 : 0, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    if (!over || !mouseleft) return;
    mouseleft = false;
    lightswitch_sfx = true;
    object& lantern = sprite[SPR_LANTERN];
    lantern.grab_switch = !lantern.grab_switch;
    const int look = lantern.grab_switch ? 1 : 0;
    Set_Sprite(SPR_LANTERN, look, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Sprite(SPR_DOLL, look, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    if (tent_objects[0] == 2) sprite[SPR_SOCK].alpha = lantern.grab_switch ? 0.0f : 1.0f;
    fade = lantern.grab_switch ? 0.5f : 1.0f;
    title_sequence = lantern.grab_switch ? TENT_DARK : TENT_ACTIVE;
}

} // namespace

void Calculate_Tent_Lifebar() {
    object& bar = sprite[SPR_LIFEBAR];
    const float factor = PLY_VITALITY != 0 ? tent_health_width / (float)PLY_VITALITY : 0.0f;
    // Health above the maximum (the maximum fell since the walk scene) fills the bar, no more.
    const int shown = old_health > PLY_VITALITY && PLY_VITALITY > 0 ? PLY_VITALITY : old_health;
    bar.width = (float)shown * factor;
    if (old_health > 0)
        Set_Sprite(SPR_LIFEBAR, PLY_VITALITY / old_health > 3 ? BAR_LOW_ANIM : BAR_OK_ANIM, ANIM_LOOP,
                   ANIM_ARRAY_SPRITE, false);
    else
        bar.alpha = 0.0f;
}

void Run_Tent(int) {
    Trace_Call("Run_Tent");
    if (sprite == nullptr) return;
    if (title_sequence == TENT_ENTRY) Tent_Entry();
    if (title_sequence == TENT_ACTIVE) {
        Camp_Blank_Tooltip();
        counter[0].word[0] = '\0';
        counter[0].alpha = 0.0f;
        Calculate_Tent_Lifebar();
        Set_Sprite(SPR_BACKDROP, daytime ? 1 : 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        Tent_Buttons();
        Message_Limits();
    }
    Tent_Flashing();
    Tent_Light_Switch();
}
