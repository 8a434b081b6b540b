#include "camp/shop_screen.h"

#include "camp/camp.h"  // purchased

#include <cstdio>
#include <cstring>

#include "camp/shop_texts.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/weapons.h"
#include "platform/timer.h"
#include "scripts/card_table.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {

// Modes of the screen.
constexpr int BUY = 0, SELL = 1, UPGRADE = 2;

// Scene sprites.
constexpr int BUY_BUTTON = 0, RETURN_BUTTON = 2, SELL_BUTTON = 3, UPGRADE_BUTTON = 4;
constexpr int MODE_BANNER = 6;
constexpr int FIRST_ROW_SPRITE = 7, VISIBLE_ROWS = 8;
constexpr int SCROLL_DOWN = 15, SCROLL_UP = 16, TRACK_END = 17, THUMB = 18;
constexpr int PAGE_BACK = 19, PICTURE = SHOP_PICTURE_SPRITE;
constexpr int FIRST_MARKER = 21, MARKERS = 4;
// HUD items of the message box.
constexpr int MESSAGE_BOX = 2, OK_BUTTON = 40, CANCEL_BUTTON = 41;

// Animations of the message box by message.
constexpr int BOX_CONFIRM = 0, BOX_CONFIRM_SALE = 6, BOX_NO_ROOM = 7, BOX_NO_GOLD = 8;
constexpr int OK_IDLE = 14, OK_LIT = 15, CANCEL_IDLE = 16, CANCEL_LIT = 17;
// Animations of a row sprite.
constexpr int ROW_LIT = 0, ROW_DIMMED = 1, ROW_IDLE = 2, ROW_LIT_DIMMED = 3;

// Text slots.
constexpr int NAMES = 0, PRICES = 1, DESCRIPTION = 2, GOLD_COUNTER = 3, TOOLTIP = 5, LEVELS = 11;

// A row the player may not buy from (nothing left at the player's rank, or a finished
// ladder line).
constexpr int NOT_OFFERED = -101;
constexpr int SCROLL_STEP_MS = 125;
constexpr int BUMP_MS = 200;
constexpr int WEAPON_MARK = -2;

int Clock() { return Now(); }

bool Valid_Slot(int s) { return s >= 0 && s < 16; }
bool Box_Hidden() { return hud[MESSAGE_BOX].alpha == 0.0f; }
bool Page_Open() { return shop_sequence == UPGRADE && tune_up_page != -1; }

int Gold_Carried() { return Valid_Slot(current_gold) ? player_inv_value[current_gold] : 0; }

bool Inside(const object& o, float x, float y) {
    return x > o.w && x < o.w + o.box_width && y > o.z && y < o.z + o.box_height;
}
bool Mouse_On(int i) { return Inside(sprite[i], mouseX, mouseY); }

void Clear_Text(int t) { counter[t].word[0] = '\0'; }
void Append_Text(int t, const char* text) { Shop_Text_Append(t, text); }

void Place_Text(int t, float x, float y, float width, float height) {
    counter[t].x = x;
    counter[t].y = y;
    counter[t].width = width;
    counter[t].height = height;
    counter[t].alpha = 1.0f;
}

bool Wearable_Slot_Code(int code) { return code >= 14 && code <= 19; }

// ---- The row table ----

void Append_Row(int code, int price, int slot, int marker, int card) {
    if (shop_count >= SHOP_ROWS) return;
    shop[shop_count] = code;
    shop_price[shop_count] = price;
    shop_slot[shop_count] = slot;
    shop_s[shop_count] = marker;
    shop_card[shop_count] = card;
    shop_count++;
}

// The pass (1 to 7) of the sell list an inventory slot belongs to; 0 for none.
int Sell_Pass(int slot) {
    const int code = player_inv[slot], v = player_inv_value[slot];
    switch (code) {
        case SLOT_RIFLE_LEFT: case SLOT_PISTOL: case SLOT_SHOTGUN_LEFT: case SLOT_MACHINEGUN_LEFT: return 1;
        case GRENADE: return 3;
        case RIFLE_AMMO: case PISTOL_AMMO: case SHELLS: case BULLETS: return 4;
        case CARD: return 6;
        case VALUABLE: return (v >= 5 && v <= 7) ? 5 : 7;
        case WATCH: case APPLE: case CAN_O_BEANS: case CAN_O_BEANS_INSTANT: return 7;
        default: break;
    }
    return Wearable_Slot_Code(code) ? 2 : 0;
}

// Sell mode and the upgrade list: rows from the inventory, pass by pass.
void Inventory_Rows(bool selling) {
    const int last_pass = selling ? 7 : 2;
    for (int pass = 1; pass <= last_pass; pass++)
        for (int slot = 0; slot < 16 && shop_count < SHOP_ROWS; slot++) {
            if (Sell_Pass(slot) != pass) continue;
            int code = 0, price = 0, marker = 0;
            if (!Shop_Sell_Row(slot, code, price, marker)) continue;
            Append_Row(code, price, slot, marker, player_inv[slot] == CARD ? player_inv_value[slot] : -1);
        }
}

void Page_Rows() {
    const bool wearable = Wearable_Slot_Code(player_inv[tune_up_page]);
    const int fields = wearable ? 2 : 6;
    for (int f = 1; f <= fields; f++) {
        const int listed = wearable ? GetUpgradesItems(tune_up_page, f, 0) : GetUpgrades(tune_up_page, f, 0);
        if (listed == 1) Append_Row(ishop, ishop_cost, tune_up_page, 0, -1);
    }
}

void Build_Rows() {
    for (int r = 0; r < SHOP_ROWS; r++) {
        shop[r] = shop_s[r] = shop_price[r] = 0;
        shop_slot[r] = shop_card[r] = -1;
    }
    shop_count = 0;
    if (shop_sequence == BUY) {
        Calculate_Shop(shop_id);
        for (int r = 0; r < shop_count && r < SHOP_ROWS; r++) shop_price[r] = Shop_Buy_Price(shop[r]);
    } else if (Page_Open()) {
        Page_Rows();
    } else {
        Inventory_Rows(shop_sequence == SELL);
    }
}

// ---- Columns ----

void Names_Column() {
    for (int r = shop_row; r < shop_row + VISIBLE_ROWS && r < SHOP_ROWS; r++) {
        const int code = shop[r];
        if (shop_sequence == UPGRADE && Valid_Slot(shop_slot[r]) && !Is_Available(shop_slot[r], r))
            shop_price[r] = NOT_OFFERED;
        if (code == 0) Append_Text(NAMES, "^");  // one line per row keeps the columns aligned
        else if (shop_sequence == UPGRADE) Append_Text(NAMES, Shop_Upgrade_Label(code));
        else if (shop_card[r] != -1) Append_Text(NAMES, Shop_Card_Label(shop_card[r]));
        else Append_Text(NAMES, Shop_List_Label(code));
    }
}

void Prices_Column() {
    static constexpr const char* formats[6] = {"^%iG", "^____%iG", "^___%iG", "^__%iG", "^_%iG", "^%iG"};
    for (int r = shop_row; r < shop_row + VISIBLE_ROWS && r < SHOP_ROWS; r++) {
        if (shop[r] == 0) {
            Append_Text(PRICES, "^");
            continue;
        }
        char digits[16];
        const int width = std::snprintf(digits, sizeof digits, "%i", shop_price[r]);
        char line[32];
        std::snprintf(line, sizeof line, formats[width >= 1 && width <= 5 ? width : 0], shop_price[r]);
        Append_Text(PRICES, line);
    }
}

// ---- Buttons and arrows ----

struct mode_button {
    int sprite;
    const char* caption;
    int box_code;
    bool left;
    bool* latch;
};

void Caption(const mode_button& b) {
    std::snprintf(counter[TOOLTIP].word, sizeof counter[TOOLTIP].word, "%s", b.caption);
    counter[TOOLTIP].length = b.box_code;
    msg_left = b.left;
}

// One mode button: true when it was clicked (the click is used up).
bool Mode_Button(const mode_button& b) {
    if (!Mouse_On(b.sprite)) {
        Set_Sprite(b.sprite, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
        *b.latch = false;
        return false;
    }
    Caption(b);
    Set_Sprite(b.sprite, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    if (!*b.latch) {
        radio_sfx = true;
        *b.latch = true;
    }
    if (!mouseleft) return false;
    mouseleft = false;
    return true;
}

void Clear_Sold_Flags() {
    for (auto& shop_flags : shop_sold)
        for (bool& f : shop_flags) f = false;
}

void Enter_Upgrade_Mode() {
    shop_sequence = UPGRADE;
    sprite[BUY_BUTTON].grab_switch = true;
    sprite[RETURN_BUTTON].grab_switch = true;
    sprite[SELL_BUTTON].grab_switch = true;
    sprite[UPGRADE_BUTTON].grab_switch = false;
}

void Buttons(int kind) {
    const mode_button buy{BUY_BUTTON, "Buy_Item", 0, true, &button_snd};
    const mode_button back{RETURN_BUTTON, "Return^to_camp", 1, false, &button1_snd};
    const mode_button sell{SELL_BUTTON, "Sell_Item", 0, true, &button2_snd};
    const mode_button upgrade{UPGRADE_BUTTON, "Upgrade^Item", 1, true, &button3_snd};

    if (Mode_Button(buy)) {
        Clear_Sold_Flags();
        shop_sequence = BUY;
        pick_up_sfx = true;
        shop_row = 0;
        tune_up_page = -1;
    }
    if (Mode_Button(back)) {
        shop_intro_type = 1;
        episode = 1;
        scene = kind == 0 ? 27 : 29;
        next_scene = true;
        switch_n_sfx = true;
        shop_row = 0;
    }
    if (Mode_Button(sell)) {
        shop_sequence = SELL;
        pick_up_sfx = true;
        shop_row = 0;
        tune_up_page = -1;
    }
    if (sprite[UPGRADE_BUTTON].grab_switch && Mode_Button(upgrade)) {
        Enter_Upgrade_Mode();
        shop_row = 0;
        pick_up_sfx = true;
        tune_up_page = -1;
    }

    if (sprite[PAGE_BACK].alpha == 1.0f && Mouse_On(PAGE_BACK) && mouseleft) {
        tune_up_page = -1;
        pick_up_sfx = true;
        mouseleft = false;
    }
}

// One scroll arrow; `wheel` is the wheel direction that counts as this arrow.
void Arrow(int arrow, int wheel, int step, bool& latch) {
    if (!sprite[arrow].grab_switch) return;
    const bool wheeled = mousewheel == wheel;
    if (!(Mouse_On(arrow) || wheeled)) {
        latch = false;
        return;
    }
    if (!latch) {
        radio_sfx = true;
        latch = true;
    }
    if (!(mouseleft || wheeled) || Page_Open() || !(Clock() > scroll_timer)) return;
    shop_row += step;
    if (shop_row < 0) shop_row = 0;
    if (shop_row > SHOP_LAST_TOP_ROW) shop_row = SHOP_LAST_TOP_ROW;
    if (!wheeled) pick_up_sfx = true;
    scroll_timer = Clock() + SCROLL_STEP_MS;
}

// ---- Rows and the message box ----

void Open_Box(int message) {
    hud[MESSAGE_BOX].alpha = 1.0f;
    Set_Sprite(MESSAGE_BOX, message, ANIM_LOOP, ANIM_ARRAY_HUD, false);
}

bool Sold_Out(int r) {
    return shop_sequence == BUY && shop_id >= 0 && shop_id < 12 && shop_sold[shop_id][r];
}

void Click_Row(int s, int r) {
    const int p = shop_price[r];
    if (shop_sequence == SELL) {
        Open_Box(BOX_CONFIRM_SALE);
        the_item = s;
        the_index = r;
        message_type = 2;
    } else if (shop_sequence == BUY || Page_Open()) {
        if (p <= temp_gold) {
            Open_Box(BOX_CONFIRM);
            the_item = s;
            the_index = r;
            message_type = 1;
        } else {
            Open_Box(BOX_NO_GOLD);
            message_type = 0;
        }
    } else if (Valid_Slot(shop_slot[r])) {
        tune_up_page = shop_slot[r];
        shop_row = 0;
    }
}

void Rows() {
    const int top = shop_row;
    for (int k = 0; k < VISIBLE_ROWS; k++) {
        const int s = FIRST_ROW_SPRITE + k, r = top + k;
        if (r >= SHOP_ROWS) break;
        Set_Sprite(s, ROW_IDLE, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
        const bool sold = Sold_Out(r);
        const bool refused = shop_sequence == UPGRADE && shop_price[r] == NOT_OFFERED;
        if (Mouse_On(s) && shop[r] != 0 && Box_Hidden()) {
            Set_Sprite(s, sold ? ROW_LIT_DIMMED : ROW_LIT, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            if (refused) Set_Sprite(s, ROW_LIT_DIMMED, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
            Set_Display_Picture(shop_slot[r], r);
            if (mouseleft && !sold) {
                Click_Row(s, r);
                mouseleft = false;
            }
        }
        if ((sold && shop[r] != 0) || refused) Set_Sprite(s, ROW_DIMMED, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    }
}

int Purchase_Kind(int code) {
    switch (code) {
        case 6: case 67: return 1;
        case 2: case 110: return 2;
        case 1: case 4: return 3;
        case 3: return 4;
        case 176: case 184: case 185: case 186: case 187: return 5;
        case 230: return 6;
        case 231: return 7;
        case 232: return 8;
        case 234: return 9;
        case 236: return 10;
        default: return 0;
    }
}

void Show_Box_Again(int message) {
    Open_Box(message);
    hud[OK_BUTTON].alpha = 1.0f;
    hud[CANCEL_BUTTON].alpha = 1.0f;
}

void Purchase() {
    const int r = the_index;
    if (r < 0 || r >= SHOP_ROWS) return;
    if (the_item >= FIRST_ROW_SPRITE && the_item < FIRST_ROW_SPRITE + VISIBLE_ROWS)
        sprite[the_item].grab_switch = false;
    const int price = shop_price[r];
    if (price > Gold_Carried() && price > 0) {  // the gold changed since the row was clicked
        message_type = 0;
        Show_Box_Again(BOX_NO_GOLD);
        return;
    }
    bool success = shop_sequence != BUY;
    Tune_Gun(r);
    const int code = shop[r];
    if (Find_Shop_Good(code) != nullptr) success = Add_Shop_Good(code);
    if (!success) {
        message_type = 3;
        Show_Box_Again(BOX_NO_ROOM);
        return;
    }
    if (const int kind = Purchase_Kind(code)) purchased = kind;
    if (shop_sequence == BUY && shop_id >= 0 && shop_id < 12) shop_sold[shop_id][r] = true;
    cash_sfx = true;
    bump_timer = Clock() + BUMP_MS;
    if (Valid_Slot(current_gold) && price > 0) {
        int& gold = player_inv_value[current_gold];
        gold = price >= gold ? 0 : gold - price;
    }
}

void Empty_Slot(int q) {
    player_inv[q] = player_inv_value[q] = player_inv_value1[q] = player_inv_value2[q] = 0;
}

void Sale() {
    const int r = the_index;
    if (r < 0 || r >= SHOP_ROWS) return;
    const int q = shop_slot[r];
    if (!Valid_Slot(q)) return;
    if (current_weapon == q) current_weapon = -1;
    if (current_helmet == q) current_helmet = -1;
    if (current_boot == q) current_boot = -1;
    const int code = player_inv[q];
    if ((code == SLOT_RIFLE_LEFT || code == SLOT_SHOTGUN_LEFT || code == SLOT_MACHINEGUN_LEFT) && q + 1 < 16 &&
        player_inv[q + 1] == code + 1) {
        Empty_Slot(q + 1);
        if (current_weapon == q + 1) current_weapon = -1;
    }
    Empty_Slot(q);
    cash_sfx = true;
    if (shop_price[r] > 0) Calculate_Item(shop_price[r], GOLD, -1, 0, -1);
    bump_timer = Clock() + BUMP_MS;
}

void Message_Box() {
    if (hud[MESSAGE_BOX].alpha != 1.0f) return;
    hud[OK_BUTTON].alpha = 1.0f;
    hud[CANCEL_BUTTON].alpha = 1.0f;
    const float x = hud_mouseX + camX, y = hud_mouseY + camY;
    auto close = [] {
        hud[MESSAGE_BOX].alpha = 0.0f;
        hud[OK_BUTTON].alpha = 0.0f;
        hud[CANCEL_BUTTON].alpha = 0.0f;
    };

    if (Inside(hud[OK_BUTTON], x, y)) {
        if (hud[OK_BUTTON].anim == OK_IDLE) radio_sfx = true;
        Set_Sprite(OK_BUTTON, OK_LIT, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        if (mouseleft) {
            click_sfx = true;
            close();
            mouseleft = false;
            if (message_type == 1) Purchase();
            else if (message_type == 2) Sale();
        }
    } else {
        Set_Sprite(OK_BUTTON, OK_IDLE, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }

    if (Inside(hud[CANCEL_BUTTON], x, y)) {
        if (hud[CANCEL_BUTTON].anim == CANCEL_IDLE) radio_sfx = true;
        Set_Sprite(CANCEL_BUTTON, CANCEL_LIT, ANIM_ONCE, ANIM_ARRAY_HUD, false);
        if (mouseleft) {
            close();
            click_sfx = true;
            mouseleft = false;
        }
    } else {
        Set_Sprite(CANCEL_BUTTON, CANCEL_IDLE, ANIM_ONCE, ANIM_ARRAY_HUD, false);
    }
}

// ---- Frame parts ----

void First_Frame(int kind) {
    for (int s = FIRST_ROW_SPRITE; s < FIRST_ROW_SPRITE + VISIBLE_ROWS; s++)
        Set_Sprite(s, ROW_IDLE, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    base_height = sprite[THUMB].y;
    if (kind == 0) {
        shop_sequence = BUY;
    } else {
        Enter_Upgrade_Mode();
        Calculate_Shop(shop_id);
    }
    if (shop_sequence == UPGRADE) {
        sprite[FIRST_MARKER].alpha = 0.0f;
        sprite[FIRST_MARKER + 1].alpha = 0.0f;
    }
    sprite[FIRST_MARKER + 2].alpha = 0.0f;
    sprite[FIRST_MARKER + 3].alpha = 0.0f;
    tune_up_page = -1;
    title_sequence++;
    shop_row = 0;
    scroll_timer = 0;
    the_item = 0;
    the_index = 0;
    message_type = 0;
    bump_timer = -1;
    Clear_Sold_Flags();
}

void Gold_Counter() {
    const bool bumped = bump_timer != -1;
    if (bump_timer != -1 && Clock() > bump_timer) bump_timer = -1;
    Place_Text(GOLD_COUNTER, 0.6f, 0.63f, bumped ? 0.018f : 0.016f, bumped ? 0.052f : 0.048f);
    std::snprintf(counter[GOLD_COUNTER].word, sizeof counter[GOLD_COUNTER].word, "%iG", Gold_Carried());
}

void Page_Markers() {
    if (shop_sequence == UPGRADE) {
        sprite[FIRST_MARKER].alpha = 0.0f;
        sprite[FIRST_MARKER + 1].alpha = 0.0f;
    }
    sprite[FIRST_MARKER + 2].alpha = 0.0f;
    sprite[FIRST_MARKER + 3].alpha = 0.0f;
    const object& lead = sprite[FIRST_MARKER];
    for (int m = 1; m < MARKERS; m++) {
        sprite[FIRST_MARKER + m].frame = lead.frame;
        sprite[FIRST_MARKER + m].cur = lead.cur;
    }
    sprite[PAGE_BACK].alpha = Page_Open() ? 1.0f : 0.0f;
    if (!Page_Open()) return;
    if (shop_price[0] != NOT_OFFERED) sprite[FIRST_MARKER].alpha = 1.0f;
    const int item = player_inv[tune_up_page];
    if (item == SLOT_HELMET || item == SLOT_BOXERS) return;
    for (int m = 1; m < MARKERS; m++)
        if (shop_price[m] != NOT_OFFERED) sprite[FIRST_MARKER + m].alpha = 1.0f;
}

void Hint() {
    if (!Box_Hidden()) return;
    Clear_Text(DESCRIPTION);
    if (Page_Open()) {
        if (Wearable_Slot_Code(player_inv[tune_up_page])) Calculate_Item_Txt(tune_up_page, DESCRIPTION);
        else Calculate_Weapon_Text(tune_up_page, DESCRIPTION);
        return;
    }
    static constexpr const char* hints[3] = {"^Hmmm_...What^should_I_buy?", "^Hmmm_...What^should_I_sell?",
                                             "^Select_a_weapon^or_item_to^upgrade."};
    static constexpr int pictures[3] = {22, 23, 24};
    const int m = shop_sequence >= BUY && shop_sequence <= UPGRADE ? shop_sequence : BUY;
    std::snprintf(counter[DESCRIPTION].word, sizeof counter[DESCRIPTION].word, "%s", hints[m]);
    Set_Sprite(PICTURE, Clock() > shop_switch_timer ? pictures[m] : 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);
}

} // namespace

void Run_Shop(int, int kind) {
    Trace_Call("Run_Shop");
    if (game_mode != MODE_FRONT || next_scene || sprite == nullptr || hud == nullptr) return;

    if (title_sequence == 0) First_Frame(kind);
    if (shop_sequence < BUY || shop_sequence > UPGRADE) shop_sequence = BUY;
    if (tune_up_page != -1 && !Valid_Slot(tune_up_page)) tune_up_page = -1;
    if (shop_row < 0) shop_row = 0;
    if (shop_row > SHOP_LAST_TOP_ROW) shop_row = SHOP_LAST_TOP_ROW;

    Clear_Text(NAMES);
    Clear_Text(PRICES);
    Clear_Text(LEVELS);
    Clear_Text(TOOLTIP);
    temp_gold = Gold_Carried();
    Calculate_Gold();

    Set_Sprite(MODE_BANNER, shop_sequence, ANIM_ONCE, ANIM_ARRAY_SPRITE, false);

    if (Box_Hidden()) {
        Buttons(kind);
        Arrow(SCROLL_UP, 1, -1, button4_snd);
        Arrow(SCROLL_DOWN, 2, +1, button5_snd);
    }

    sprite[THUMB].y = base_height - (base_height - sprite[TRACK_END].y) / SHOP_LAST_TOP_ROW * shop_row;

    Build_Rows();
    Gold_Counter();

    Place_Text(NAMES, -0.15f, 0.55f, 0.016f, 0.048f);
    Place_Text(PRICES, 0.65f, 0.55f, 0.016f, 0.048f);
    Place_Text(LEVELS, 0.5f, 0.55f, 0.016f, 0.048f);
    Place_Text(DESCRIPTION, -0.83f, 0.03f, 0.018f, 0.036f);
    if (!Page_Open()) {
        Clear_Text(NAMES);
        Clear_Text(LEVELS);
    }

    Page_Markers();
    if (!Page_Open()) Names_Column();
    if (shop_sequence != UPGRADE || Page_Open()) Prices_Column();
    Hint();
    if (Box_Hidden()) Rows();
    Message_Box();
}
