#include "camp/albums.h"

#include "camp/camp_conventions.h"
#include "common/call_trace.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "platform/timer.h"
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

// The pop-up queue's timing and the flash of an arriving card.
constexpr int FIRST_POPUP_MS = 500;
constexpr int POPUP_PERIOD_MS = 1500;
constexpr int STAR_TEXTURE = 22;

// The set prizes: a complete group k of four cards (4k to 4k + 3) sets its story flag and
// shows its text for 6000 ms or until a click.
struct set_prize {
    int flag;
    const char* text;
};
constexpr int CARDS_PER_SET = 4;
constexpr int SET_COUNT = CARD_COUNT / CARDS_PER_SET;
constexpr set_prize set_prizes[SET_COUNT] = {
    {3, "PRIZE_RECEIVED^BAY_AREA^HAS_BEEN^UNLOCKED!"},
    {16, "PRIZE_RECEIVED^THE_BOATYARD^HAS_BEEN^UNLOCKED!"},
    {25, "PRIZE_RECEIVED^ENFIELD_RIFLE^HAS_BEEN^UNLOCKED!"},
    {89, "PRIZE_RECEIVED^GALLERY_PISTOL^HAS_BEEN^UNPGRADED!"},
    {43, "PRIZE_RECEIVED^COASTAL_TOWN^HAS_BEEN^UNLOCKED!"},
    {93, "PRIZE_RECEIVED^COMBAT_SHOTGUN^HAS_BEEN^UNLOCKED!"},
    {90, "PRIZE_RECEIVED^MAXIMUM_HEALTH^HAS_BEEN^INCREASED!"},
    {49, "PRIZE_RECEIVED^THE_TRENCH^HAS_BEEN^UNLOCKED!"},
    {94, "PRIZE_RECEIVED^TEN_THOUSAND^GOLD_PIECES!"},
};
constexpr int GOLD_PRIZE_SET = 8;
constexpr int GOLD_PRIZE = 10000;
constexpr int PRIZE_MS = 6000;

// State of the pop-ups on the album screen, cleared on entry.
int popup_timer = 0;             // due time of the next queue entry
int card_flash_timer = 0;        // due time of the next blink of a flashing card
int prizes_waiting[SET_COUNT];   // awarded prizes whose text is still to be shown, in order
int prizes_waiting_count = 0;
int prize_shown = -1;            // the set whose text is up, -1 none
int prize_timer = 0;             // when the text shown goes away
KEEP_FRESH(popup_timer, card_flash_timer, prizes_waiting, prizes_waiting_count, prize_shown, prize_timer);

int Album_Of(int card) { return card / CARDS_PER_ALBUM + 1; }

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

// After a card arrives: every complete group of four whose prize is still open wins it.
void Award_Set_Prizes() {
    for (int k = 0; k < SET_COUNT; ++k) {
        const set_prize& p = set_prizes[k];
        if (global_objects[p.flag] != 0) continue;
        bool complete = true;
        for (int c = CARDS_PER_SET * k; c < CARDS_PER_SET * (k + 1); ++c) complete = complete && global_cards[c] != 0;
        if (!complete) continue;
        global_objects[p.flag] = 1;
        cheer_sfx = true;
        if (k == GOLD_PRIZE_SET) Calculate_Item(GOLD_PRIZE, GOLD, -1, 0, -1);
        if (prizes_waiting_count < SET_COUNT) prizes_waiting[prizes_waiting_count++] = k;
    }
}

// The next entry of the pop-up queue, when it is due.
void Run_Card_Queue() {
    if (card_queue_count <= 0 || !(Now() > popup_timer)) return;
    const int card = card_queue_index[0];
    const int value = card_queue_value[0];
    --card_queue_count;
    for (int q = 0; q < card_queue_count; ++q) {
        card_queue_index[q] = card_queue_index[q + 1];
        card_queue_value[q] = card_queue_value[q + 1];
    }
    Set_Card(card, value);
    cash_sfx = true;
    if (Album_Of(card) == card_page) sprite[slot_sprite[card % CARDS_PER_ALBUM]].flash_timer = Now() + POPUP_PERIOD_MS;
    popup_timer = Now() + POPUP_PERIOD_MS;
    Award_Set_Prizes();
}

// The prize text over sprite 15, one prize at a time; a click takes it away at once.
void Show_Prizes() {
    if (prize_shown != -1 && mouseleft) {
        mouseleft = false;  // the click only closes the text
        prize_shown = -1;
    } else if (prize_shown != -1 && Now() > prize_timer) {
        prize_shown = -1;
    }
    if (prize_shown == -1 && prizes_waiting_count > 0) {
        prize_shown = prizes_waiting[0];
        --prizes_waiting_count;
        for (int q = 0; q < prizes_waiting_count; ++q) prizes_waiting[q] = prizes_waiting[q + 1];
        prize_timer = Now() + PRIZE_MS;
    }
    sprite[PRIZE_BACKDROP].alpha = prize_shown == -1 ? 0.0f : 1.0f;
    if (prize_shown == -1) return;
    Text_Printf(0, "%s", set_prizes[prize_shown].text);
    counter[0].alpha = 1.0f;
    counter[0].x = -0.18f;
    counter[0].y = 0.3f;
    counter[0].width = 0.016f;
    counter[0].height = 0.048f;
}

} // namespace

bool Queue_Card(int index, int value) {
    if (index < 0 || index >= CARD_COUNT || card_queue_count >= CARD_QUEUE_MAX) return false;
    for (int q = 0; q < card_queue_count; ++q)
        if (card_queue_index[q] == index) return false;
    card_queue_index[card_queue_count] = index;
    card_queue_value[card_queue_count] = value;
    ++card_queue_count;
    return true;
}

void Set_Card(int index, int value) {
    if (index < 0 || index >= CARD_COUNT) return;
    long long count = (long long)global_cards[index] + value;
    if (count > PERFECT_COUNT) count = PERFECT_COUNT;
    if (count < 0) count = 0;
    global_cards[index] = (int)count;
    // Only the album shown gets the picture: the same slot of another album is another card.
    if (sprite != nullptr && Album_Of(index) == card_page)
        Set_Sprite(slot_sprite[index % CARDS_PER_ALBUM], index % CARDS_PER_ALBUM + 2, ANIM_LOOP, ANIM_ARRAY_SPRITE,
                   false);
}

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
        // The pop-up and prize state starts afresh; cards still queued wait for their turn.
        popup_timer = Now() + FIRST_POPUP_MS;
        card_flash_timer = 0;
        prizes_waiting_count = 0;
        prize_shown = -1;

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

    Run_Card_Queue();
    Camp_Flashing(card_flash_timer, STAR_TEXTURE);
    Show_Prizes();

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
