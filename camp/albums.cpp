#include "camp/albums.h"

#include "camp/camp_conventions.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "content/content_inputs.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "render/font.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {

constexpr int CARDS_PER_ALBUM = 12;
constexpr int ALBUM_COUNT = 3;
constexpr int CARD_COUNT = CARDS_PER_ALBUM * ALBUM_COUNT;

// The sprite of each card slot 0 to 11; a card's picture is animation slot + 2.
constexpr int slot_sprite[CARDS_PER_ALBUM] = {6, 3, 9, 10, 7, 4, 11, 12, 8, 5, 13, 14};
constexpr int FIRST_SLOT_SPRITE = 3, LAST_SLOT_SPRITE = 14;

constexpr int RETURN_BUTTON = 1;
constexpr int SWIMSUIT_BUTTON = 16, COSTUME_BUTTON = 17, UNDERWEAR_BUTTON = 18;
constexpr int BUTTON_FRAME = 19;
constexpr int PRIZE_BACKDROP = 15;

// The card names by card number: swimsuit, costume and underwear albums.
constexpr const char* card_name[CARD_COUNT] = {
    "LUCILLE", "MONA",    "AUDRIE", "BETSY",   "AMANDA", "KELLY",  "LINDA",  "LISA",
    "HILDA",   "CHLOE",   "TALVERN", "FIONA",
    "CELINE",  "CARLA",   "HITOMI", "HELENA",  "CLAUDIA", "LUCY",  "AMY",    "GLENDA",
    "LAURA",   "MANDY",   "ISABELLE", "LILLY",
    "EMMA",    "ALLISON", "SCARLET", "FAITH",  "PENNY",  "HAILEY", "LAYLA",  "JASMINE",
    "STELLA",  "BELLA",   "BROOKE", "SARAH",
};

constexpr int PERFECT_COUNT = 10;

// The slot (0 to 11) that sprite i shows, -1 for a sprite that is no card slot.
int Slot_Of_Sprite(int i) {
    for (int s = 0; s < CARDS_PER_ALBUM; ++s)
        if (slot_sprite[s] == i) return s;
    return -1;
}

// Writes the hover caption of card `card` into the tooltip with its box code.
void Card_Caption(int card) {
    const int count = global_cards[card];
    if (count == PERFECT_COUNT) {
        // Two of the perfect captions have always been written without the opening bracket.
        if (card == 11) Text_Printf(5, "CARD^FIONA^PERFECT)");
        else if (card == 23) Text_Printf(5, "CARD^LILLY^PERFECT)");
        else Text_Printf(5, "CARD^%s^(PERFECT)", card_name[card]);
        counter[5].length = BOX_THREE_LINES;
    } else {
        Text_Printf(5, "CARD^%s_(%i)", card_name[card], count);
        counter[5].length = BOX_TWO_LINES;
    }
    msg_left = true;
}

} // namespace

void Run_Cards(int) {
    Trace_Call("Run_Cards");
    if (sprite == nullptr) return;

    // A page outside the three albums (an old save, act 4 counted as a page) shows the
    // nearest album rather than reading past the card tables.
    if (card_page < 1) card_page = 1;
    if (card_page > ALBUM_COUNT) card_page = ALBUM_COUNT;
    int offset = CARDS_PER_ALBUM * (card_page - 1);

    // The albums the player is carrying cards for.
    bool carried[ALBUM_COUNT + 1] = {};
    for (int card = 0; card < CARD_COUNT; ++card)
        if (Has_This_Item(CARD, card)) carried[card / CARDS_PER_ALBUM + 1] = true;
    for (int s = 0; s < CARDS_PER_ALBUM; ++s) sprite[slot_sprite[s]].id = card_page + 7;

    if (title_sequence == 0) {
        // The lowest album carried wins.
        if (carried[3]) card_page = 3;
        if (carried[2]) card_page = 2;
        if (carried[1]) card_page = 1;
        offset = CARDS_PER_ALBUM * (card_page - 1);

        for (int i = 0; i < MAX_SPRITES; ++i) sprite[i].flash_timer = 0;

        // The unlocked album buttons show their open pictures.
        if (current_act == 2) {
            sprite[COSTUME_BUTTON].id += 2;
        } else if (current_act == 3 || current_act == 4) {
            sprite[COSTUME_BUTTON].id += 2;
            sprite[UNDERWEAR_BUTTON].id += 3;
        }
        sprite[PRIZE_BACKDROP].alpha = 0.0f;

        for (int s = 0; s < CARDS_PER_ALBUM; ++s) {
            sprite[slot_sprite[s]].id = card_page + 7;
            if (global_cards[offset + s] != 0)
                Set_Sprite(slot_sprite[s], s + 2, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        }
        title_sequence = 1;
    }

    if (title_sequence != 1) return;

    Camp_Blank_Tooltip();
    counter[0].word[0] = '\0';
    counter[0].alpha = 0.0f;
    for (int i : {RETURN_BUTTON, SWIMSUIT_BUTTON, COSTUME_BUTTON, UNDERWEAR_BUTTON, BUTTON_FRAME})
        sprite[i].alpha = 1.0f;

    // Page follow: the page moves to an album the player carries cards for, but only while
    // the page shows none of them, so that cards of two albums settle on the page the entry
    // chose instead of reloading the scene without end.
    if (!carried[card_page]) {
        if (carried[3] && card_page != 3) {
            card_page = 3;
            next_scene = true;
        }
        if (carried[2] && card_page != 2) {
            card_page = 2;
            next_scene = true;
        }
    }

    for (int i = FIRST_SLOT_SPRITE; i <= LAST_SLOT_SPRITE; ++i) {
        const int slot = Slot_Of_Sprite(i);
        if (!Camp_Hover_Sprite(i)) {
            sprite[i].selected = false;
            continue;
        }
        const int card = offset + slot;
        if (mouseleft) Camp_Leave(1, 54);  // the single-card page; the click stays pending
        card_selected = card + 1;
        Card_Caption(card);
        Hover_Latch_Selected(true, i);
        Message_Limits();
    }

    const bool on_return = Camp_Hover_Sprite(RETURN_BUTTON);
    Camp_Highlight(RETURN_BUTTON, on_return);
    if (on_return) {
        Camp_Tooltip("Return^to_Tent", BOX_TWO_LINES, false);
        if (mouseleft) {
            episode = 1;
            scene = 25;
            shop_intro_type = 1;
            switch_n_sfx = true;
            next_scene = true;
            mouseleft = false;
        }
    }

    if (Camp_Page_Button(SWIMSUIT_BUTTON, "Swimsuit^Album", BOX_TWO_LINES)) {
        card_page = 1;
        next_scene = true;
    }
    const bool costume_open = current_act > 1;
    if (Camp_Page_Button(COSTUME_BUTTON, costume_open ? "Costume^Album" : "Locked",
                     costume_open ? BOX_TWO_LINES : BOX_ONE_LINE) &&
        costume_open) {
        card_page = 2;
        next_scene = true;
    }
    const bool underwear_open = current_act == 3 || current_act == 4;
    if (Camp_Page_Button(UNDERWEAR_BUTTON, underwear_open ? "Underwear^Album" : "Locked",
                     underwear_open ? BOX_TWO_LINES : BOX_ONE_LINE) &&
        underwear_open) {
        card_page = 3;
        next_scene = true;
    }
}
