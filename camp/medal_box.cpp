#include "camp/medal_box.h"

#include "camp/camp_conventions.h"
#include "combat/medals.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/item_names.h"
#include "world/animate.h"

namespace {

constexpr int MEDALS_PER_LAYER = 12;
constexpr int LAYER_COUNT = 3;

// The sprite of each medal slot 0 to 11 and the animation it shows once that medal is won.
constexpr int slot_sprite[MEDALS_PER_LAYER] = {6, 3, 9, 10, 7, 4, 11, 12, 8, 5, 13, 14};
constexpr int won_anim[MEDALS_PER_LAYER] = {2, 3, 4, 5, 8, 9, 10, 11, 14, 15, 16, 17};
constexpr int FIRST_SLOT_SPRITE = 3, LAST_SLOT_SPRITE = 14;

constexpr int RETURN_BUTTON = 1;
constexpr int LAYER_ONE_BUTTON = 15, LAYER_TWO_BUTTON = 16, LAYER_THREE_BUTTON = 17;

// A medal's name: the same on every layer.
constexpr const char* medal_name[MEDALS_PER_LAYER] = {
    "BRONZE^STAR",  "SILVER^STAR",  "GOLD^STAR",  "PERFECT^STAR",
    "BRONZE^HEART", "SILVER^HEART", "GOLD^HEART", "PERFECT^HEART",
    "BRONZE^CROSS", "SILVER^CROSS", "GOLD^CROSS", "PERFECT^CROSS",
};

// What wins each medal, by layer.
constexpr const char* medal_feat[LAYER_COUNT][MEDALS_PER_LAYER] = {
    {
        "-NO_MEDAL-^Kill_atleast^100^enemies!",
        "-NO_MEDAL-^Kill_atleast^250^enemies!",
        "-NO_MEDAL-^Kill_atleast^500^enemies!",
        "-NO_MEDAL-^Kill_atleast^1000^enemies!",
        "-NO_MEDAL-^Destroy^all_the^antennas!",
        "-NO_MEDAL-^Clear^all_the^bunkers!",
        "-NO_MEDAL-^Clear_the^battleship!",
        "-NO_MEDAL-^Defeat_the^Admiral!",
        "-NO_MEDAL-^Shoot_all^the_clay^pigeons!",
        "-NO_MEDAL-^Knife^atleast^100^enemies!",
        "-NO_MEDAL-^Light_all^the_torches^on_pebble^beach!",
        "-NO_MEDAL-^Smash_all^the_bottles^at_pebble^beach!",
    },
    {
        "-NO_MEDAL-^Kill_atleast^250^village^soldiers!",
        "-NO_MEDAL-^Kill_atleast^50^village^captains!",
        "-NO_MEDAL-^Kill_atleast^50^village^mortars!",
        "-NO_MEDAL-^Kill_the^enemy^genenal^Mauser!",
        "-NO_MEDAL-^Contact^agent^Biggs!",
        "-NO_MEDAL-^Destroy_the^enemy_camp!",
        "-NO_MEDAL-^Clear^the_palace^gardens!",
        "-NO_MEDAL-^Rescue_our^Betsy!",
        "-NO_MEDAL-^Smash_all^the_doors^at_the^village!",
        "-NO_MEDAL-^Clear^the_cellar^at_the^village!",
        "-NO_MEDAL-^Kill_all^the_crows^at_the^village!",
        "-NO_MEDAL-^Collect^all_the^tent^furniture!",
    },
    {
        "-NO_MEDAL-^Kill_atleast^250^farmlands^scouts!",
        "-NO_MEDAL-^Kill_atleast^50^farmlands^colonels!",
        "-NO_MEDAL-^Kill_atleast^50^dogs!",
        "-NO_MEDAL-^Kill_atleast^1000^zombies!",
        "-NO_MEDAL-^Contact^agent^Biggs!",
        "-NO_MEDAL-^Destroy_the^enemies_air^defense!",
        "-NO_MEDAL-^Destroy_the^enemy^missiles!",
        "-NO_MEDAL-^Defeat_the^Professor!",
        "-NO_MEDAL-^Kill_all^the_cows^at_the^farmlands!",
        "-NO_MEDAL-^Smash_all^the_gates^at_the^farmlands!",
        "-NO_MEDAL-^Shoot_all^the_crows^at_the^farmlands!",
        "-NO_MEDAL-^Collect^every^cigarette^card!",
    },
};

// The slot (0 to 11) that sprite i shows, -1 for a sprite that is no medal slot.
int Slot_Of_Sprite(int i) {
    for (int s = 0; s < MEDALS_PER_LAYER; ++s)
        if (slot_sprite[s] == i) return s;
    return -1;
}

// A layer button (active only while its grab_switch is set): highlight, caption and hover
// sound; returns whether it was clicked (the click sound is raised and the click used up).
bool Layer_Button(int i, const char* caption, int box_code, bool& latch) {
    return sprite[i].grab_switch && Camp_Page_Button(i, caption, box_code, &latch);
}

} // namespace

void Run_Medals(int) {
    Trace_Call("Run_Medals");
    if (sprite == nullptr) return;

    // A layer outside the three (an old save, act 4 counted as a layer) shows the nearest
    // layer rather than reading past the medal tables.
    if (medal_page < 1) medal_page = 1;
    if (medal_page > LAYER_COUNT) medal_page = LAYER_COUNT;
    const int layer = medal_page - 1;
    const int offset = MEDALS_PER_LAYER * layer;

    if (title_sequence == 0) {
        // The unlocked layer buttons show their open pictures.
        if (current_act == 2) {
            sprite[LAYER_TWO_BUTTON].id += 2;
        } else if (current_act == 3 || current_act == 4) {
            sprite[LAYER_TWO_BUTTON].id += 2;
            sprite[LAYER_THREE_BUTTON].id += 3;
        }
        for (int s = 0; s < MEDALS_PER_LAYER; ++s)
            if (global_medals[offset + s] != 0)
                Set_Sprite(slot_sprite[s], won_anim[s], ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        title_sequence = 1;
    }

    if (title_sequence != 1) return;

    Camp_Blank_Tooltip();
    counter[0].word[0] = '\0';
    counter[0].alpha = 0.0f;

    for (int i = FIRST_SLOT_SPRITE; i <= LAST_SLOT_SPRITE; ++i) {
        const int slot = Slot_Of_Sprite(i);
        if (!Camp_Hover_Sprite(i)) {
            sprite[i].selected = false;
            continue;
        }
        if (global_medals[offset + slot] == 0)
            Camp_Tooltip(medal_feat[layer][slot], BOX_MEDAL_FEATS, true);
        else
            Camp_Tooltip(medal_name[slot], BOX_TWO_LINES, true);
        Hover_Latch_Selected(true, i);
        Message_Limits();
    }

    if (sprite[RETURN_BUTTON].grab_switch) {
        const bool hovered = Camp_Hover_Sprite(RETURN_BUTTON);
        Camp_Highlight(RETURN_BUTTON, hovered);
        Hover_Latch_Flag(hovered, button_snd);
        if (hovered) {
            Camp_Tooltip("Return^to_Tent", BOX_TWO_LINES, false);
            if (mouseleft) {
                episode = 1;
                scene = 25;
                switch_n_sfx = true;
                next_scene = true;
                mouseleft = false;
            }
        }
    }

    if (Layer_Button(LAYER_ONE_BUTTON, "Layer^One", BOX_TWO_LINES, button1_snd)) {
        medal_page = 1;
        next_scene = true;
    }
    const bool two_open = current_act > 1;
    if (Layer_Button(LAYER_TWO_BUTTON, two_open ? "Layer^Two" : "Locked",
                     two_open ? BOX_TWO_LINES : BOX_ONE_LINE, button2_snd) &&
        two_open) {
        medal_page = 2;
        next_scene = true;
    }
    const bool three_open = current_act == 3 || current_act == 4;
    if (Layer_Button(LAYER_THREE_BUTTON, three_open ? "Layer^Three" : "Locked",
                     three_open ? BOX_TWO_LINES : BOX_ONE_LINE, button3_snd) &&
        three_open) {
        medal_page = 3;
        next_scene = true;
    }
}
