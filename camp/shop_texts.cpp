#include "camp/shop_texts.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "camp/shop_stock.h"
#include "common/world_state.h"
#include "hud/inventory.h"

namespace {

// Bar cells of the stat texts (icon glyphs of the font).
constexpr char GLYPH_CAN_HAVE = '\xF1';      // a level that can be had
constexpr char GLYPH_OUT_OF_REACH = '\xC1';  // a level that cannot be had
constexpr char GLYPH_BOUGHT = '\xED';        // a level already bought

// The description slot of the shop screen.
constexpr int DESCRIPTION_SLOT = 2;
// Box-size codes of the description slot.
constexpr int BOX_WEAPON = 4;
constexpr int BOX_WEARABLE = 2;
// Row marker of the rows whose stat block has a special line.
constexpr int MARK_SPECIAL = -2;

// Each block is put together here and appended to the slot at once.
constexpr int SCRATCH_SIZE = 128;

struct scratch_text {
    char text[SCRATCH_SIZE] = {};
    int used = 0;

    void Add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (used >= SCRATCH_SIZE - 1) return;
        va_list args;
        va_start(args, format);
        const int n = vsnprintf(text + used, SCRATCH_SIZE - used, format, args);
        va_end(args);
        if (n > 0) used = (used + n < SCRATCH_SIZE - 1) ? used + n : SCRATCH_SIZE - 1;
    }
    void Cells(char glyph, int n) {
        for (int k = 0; k < n && used < SCRATCH_SIZE - 1; ++k) text[used++] = glyph;
        text[used] = '\0';
    }
    // A bar of `filled` (0 to 5) cells that can be had, out of five.
    void Bar(int filled) {
        Cells(GLYPH_CAN_HAVE, filled);
        Cells(GLYPH_OUT_OF_REACH, 5 - filled);
    }
};

// The stat block of a weapon for sale. The bars are the top levels of the four upgrade
// fields: power, fire rate, reload, capacity.
struct weapon_stats {
    int code;
    float power;
    float fire_rate;
    float reload;
    float capacity;
    int bars[4];
};

constexpr weapon_stats weapons_for_sale[] = {
    {1, 4.0f, 0.97f, 2.87f, 6.0f, {5, 1, 2, 5}},     // Enfield Rifle
    {2, 4.0f, 0.83f, 2.93f, 6.0f, {5, 1, 2, 5}},     // Farmers Shotgun
    {3, 0.6f, 0.13f, 2.37f, 30.0f, {5, 1, 2, 5}},    // Thompson Machinegun
    {6, 1.0f, 0.40f, 1.73f, 10.0f, {5, 2, 2, 5}},    // Weston Pistol
    {67, 1.4f, 0.43f, 2.37f, 12.0f, {5, 2, 2, 5}},   // Luger Pistol
    {110, 5.0f, 0.63f, 3.03f, 7.0f, {5, 1, 2, 5}},   // Combat Shotgun
    {161, 2.0f, 0.57f, 2.03f, 12.0f, {5, 2, 2, 5}},  // Colt Pistol
};

// Defense of a new (level 0) helmet or boxers, as GetItemDefense gives it for a carried one.
constexpr float NEW_HELMET_DEFENSE = 2.0f;
constexpr float NEW_BOXERS_DEFENSE = 5.0f;

constexpr const char* HELMET_ICON = "\xCD\xF3";
constexpr const char* BOXERS_ICON = "\xE1\xC9";

bool Is_Helmet_For_Sale(int code) { return code == 176 || (code >= 184 && code <= 187); }
bool Is_Boxers_For_Sale(int code) { return code == 188 || (code >= 196 && code <= 199); }

const weapon_stats* Weapon_For_Sale(int code) {
    for (const weapon_stats& w : weapons_for_sale)
        if (w.code == code) return &w;
    return nullptr;
}

bool Valid_Row(int row) { return row >= 0 && row < SHOP_ROWS; }
bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

} // namespace

void Shop_Text_Append(int t, const char* text) {
    if (t < 0 || t >= TEXT_SLOTS || text == nullptr) return;
    char* word = counter[t].word;
    const std::size_t size = sizeof counter[t].word;
    const std::size_t used = strnlen(word, size);
    if (used >= size - 1) {
        word[size - 1] = '\0';
        return;
    }
    std::snprintf(word + used, size - used, "%s", text);
}

void Calculate_Weapon_Buy(int index, int) {
    if (!Valid_Row(index)) return;
    const weapon_stats* w = Weapon_For_Sale(shop[index]);
    if (w == nullptr) return;

    scratch_text s;
    s.Add("^\xEE\xE7:");
    s.Bar(w->bars[0]);
    s.Add("_+%0.1f^\xBA\xD1:", w->power);
    s.Bar(w->bars[1]);
    s.Add("_+%0.2f", w->fire_rate);
    s.Add("^\xC8\xD6:");
    s.Bar(w->bars[2]);
    s.Add("_+%0.2f^\xBF\xFA:", w->reload);
    s.Bar(w->bars[3]);
    s.Add("_+%0.0f", w->capacity);
    if (shop_s[index] == MARK_SPECIAL) {
        s.Add("^\xDA\xD3:");
        s.Bar(1);
        s.Add("_+%0.0f", 0.0);
    }
    Shop_Text_Append(DESCRIPTION_SLOT, s.text);
    counter[DESCRIPTION_SLOT].length = BOX_WEAPON;
}

void Calculate_Item_Buy(int index1, int) {
    if (!Valid_Row(index1)) return;
    const int code = shop[index1];
    const bool helmet = Is_Helmet_For_Sale(code);
    if (!helmet && !Is_Boxers_For_Sale(code)) return;

    scratch_text s;
    s.Add("^%s:", helmet ? HELMET_ICON : BOXERS_ICON);
    s.Bar(3);
    s.Add("_+%0.1f", helmet ? NEW_HELMET_DEFENSE : NEW_BOXERS_DEFENSE);
    Shop_Text_Append(DESCRIPTION_SLOT, s.text);
    counter[DESCRIPTION_SLOT].length = BOX_WEARABLE;
}

void Calculate_Item_Txt(int index, int) {
    if (!Valid_Slot(index)) return;
    const int code = player_inv[index], variant = player_inv_value[index];
    const bool helmet = Is_Helmet_Code(code);
    if ((!helmet && !Is_Boxers_Code(code)) || variant < 0 || variant > 4) return;

    // The bars are five cells wide: a level or special out of range (never written by the
    // shop) fills them at most.
    const int level_cells = Clamp(player_inv_value1[index], 0, 5);
    const int special = player_inv_value2[index];
    const int special_cells = Clamp(special, 0, 1);

    scratch_text s;
    s.Add("^%s:", helmet ? HELMET_ICON : BOXERS_ICON);
    s.Cells(GLYPH_BOUGHT, level_cells);
    if (level_cells < 3) s.Cells(GLYPH_CAN_HAVE, 3 - level_cells);
    s.Cells(GLYPH_OUT_OF_REACH, 2);
    s.Add("_+%0.1f", GetItemDefense(index));
    s.Add("^\xDA\xD3:");
    s.Cells(GLYPH_BOUGHT, special_cells);
    s.Cells(GLYPH_CAN_HAVE, 1 - special_cells);
    s.Cells(GLYPH_OUT_OF_REACH, 4);
    s.Add("_+%i", special);
    Shop_Text_Append(DESCRIPTION_SLOT, s.text);
    counter[DESCRIPTION_SLOT].length = BOX_WEARABLE;
}

// Headwear (codes 14 to 16) 2, 4, 6, 8, 10 and boxers (17 to 19) 5, 10, 15, 20, 25 by the
// slot's level, for models 0 to 4.
float GetItemDefense(int slot) {
    if (slot < 0 || slot >= 16) return 0.0f;
    const int code = player_inv[slot], model = player_inv_value[slot], level = player_inv_value1[slot];
    if (model < 0 || model > 4 || level < 0 || level > 4) return 0.0f;
    if (code >= 14 && code <= 16) return 2.0f * (level + 1);
    if (code >= 17 && code <= 19) return 5.0f * (level + 1);
    return 0.0f;
}
