// Item names, prices and the tooltip box of the walk HUD.
#include "hud/item_names.h"

#include <cstring>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/world_state.h"
#include "camp/camp.h"
#include "hud/hud.h"
#include "hud/item_labels.h"
#include "hud/weapons.h"
#include "main/mouse_code.h"
#include "render/font.h"
#include "world/animate.h"

namespace {

constexpr int TIP = 5;       // the tooltip's text slot
constexpr int TIP_BOX = 6;   // the tooltip's backing box (HUD item)

template <int N>
bool Write_Label(const item_label (&table)[N], int value) {
    if (value < 0 || value >= N) return false;
    Text_Printf(TIP, "%s", table[value].text);
    counter[TIP].length = table[value].box;
    return true;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
void Write_Format(const char* format, int value) { Text_Printf(TIP, format, value); }
void Write_Format(const char* format, float a, int b) { Text_Printf(TIP, format, (double)a, b); }
void Write_Format(const char* format, int a, int b) { Text_Printf(TIP, format, a, b); }
#pragma GCC diagnostic pop

bool Write_Value_Label(const value_label* table, int n, int code, int value) {
    for (int i = 0; i < n; ++i) {
        if (table[i].code == code) {
            Write_Format(table[i].format, value);
            return true;
        }
    }
    return false;
}

void Write_Medal(int value, int value1) {
    constexpr int n = (int)(sizeof(medal_labels) / sizeof(medal_labels[0]));
    if (value1 >= 0 && value1 < n) Write_Format(medal_labels[value1], value);
}

void Write_Book(int value, int value1) {
    if (value1 == 0) Write_Format(book_labels[0], value);
    else if (value1 > 0 && value1 < 4) Text_Printf(TIP, "%s", book_labels[value1]);
}

void Write_Card(int value) {
    constexpr int n = (int)(sizeof(card_names) / sizeof(card_names[0]));
    if (value >= 0 && value < n) Text_Printf(TIP, "CARD^%s", card_names[value]);
}

// Labels shared by the ground and the slots: a code without a label leaves the text.
bool Write_Common_Label(int code, int value, int value1) {
    switch (code) {
    case 25: Write_Book(value, value1); return true;
    case 31: Write_Label(valuable_labels, value); return true;
    case 42: Write_Card(value); return true;
    default: break;
    }
    if (code == 43) return false;  // the golden apple reads differently on the ground and in a slot
    return Write_Value_Label(ground_value_labels, (int)(sizeof(ground_value_labels) / sizeof(value_label)),
                             code, value);
}

void Write_Ground_Label(int code, int value, int value1) {
    if (Write_Common_Label(code, value, value1)) return;
    switch (code) {
    case 5: Write_Label(rifle_labels, value); break;
    case 9: Write_Label(pistol_labels, value); break;
    case 14: Write_Label(helmet_labels, value); break;
    case 17: Write_Label(boxers_labels, value); break;
    case 20: Write_Medal(value, value1); break;
    case 27: Write_Label(watch_labels, value); break;
    case 28: Text_Printf(TIP, "%s", "STICK^GRENADE"); break;
    case 32: Write_Label(shotgun_labels, value); break;
    case 37: Write_Label(machinegun_labels, value); break;
    case 43: Write_Format("GOLD_APPLE^\xF9\xA1+%i", value); break;
    default: break;
    }
}

void Write_Watch() {
    int h = hours;
    const char* half = "AM";
    if (h >= 12 && h <= 23) {
        half = "PM";
        if (h != 12) h -= 12;
    }
    Text_Printf(TIP, minutes <= 9 ? "WATCH^%i:0%i%s" : "WATCH^%i:%i%s", h, minutes, half);
}

}  // namespace

void Slot_Label(int slot) {
    if (slot < 0 || slot >= 16) return;
    const int code = player_inv[slot], value = player_inv_value[slot], value1 = player_inv_value1[slot],
              value2 = player_inv_value2[slot];
    counter[TIP].length = 1;
    if (Write_Value_Label(slot_value_labels, (int)(sizeof(slot_value_labels) / sizeof(value_label)), code, value))
        return;
    if (Write_Common_Label(code, value, value1)) return;
    switch (code) {
    case 27: Write_Watch(); break;
    case 6: case 7: case 8: case 33: case 34: case 35: case 38: case 39: case 40: case 10: case 11:
        Calculate_Weapon_Text(slot, TIP);
        break;
    case 15: case 16:
    case 18: case 19: {
        const bool helmet = code <= 16;
        const char* const* table = helmet ? worn_helmet_labels : worn_boxers_labels;
        if (value < 0 || value > 5) break;
        counter[TIP].length = 2;
        if (helmet && value == 0) {
            Text_Printf(TIP, "%s", table[0]);
            counter[TIP].length = 0;
        } else if (value == 5) {
            Write_Format(table[5], value1, value2);
        } else {
            Write_Format(table[value], GetItemDefense(slot), value2);
        }
        break;
    }
    case 21: case 22: Write_Medal(value, value1); break;
    default: break;
    }
}

void Hud_Check() {
    Trace_Call("Hud_Check");
    const int count = no_fx < 0 ? 0 : (no_fx > MAX_FX ? MAX_FX : no_fx);
    for (int i = 0; Fx && i < count; ++i) {
        const object& f = Fx[i];
        if (f.type != PKU) continue;
        const float o = Calculate_Offset(false);
        fx_offset = o;
        const bool inside = f.x + f.width / 4 - o < mouseX && mouseX < f.x + f.width - f.width / 4 + o &&
                            f.y + f.height / 4 - o < mouseY && mouseY < f.y + f.height - f.height / 4 + o;
        if (!inside) continue;
        counter[TIP].length = 1;
        if (p1_id >= 0 && p1_id < MAX_SPRITES && sprite)
            msg_left = f.x > sprite[p1_id].w + sprite[p1_id].box_width / 2;
        Write_Ground_Label(f.item_type, f.value, f.value1);
    }
    Message_Limits();
}

int Get_Cost(int id, int pickup) {
    int code = 0, value = 0, value1 = 0;
    if (pickup == 1) {
        if (!Fx || id < 0 || id >= MAX_FX) return 0;
        code = Fx[id].item_type;
        value = Fx[id].value;
        value1 = Fx[id].value1;
    } else if (pickup == 2) {
        if (id < 0 || id >= 16) return 0;
        code = player_inv[id];
        value = player_inv_value[id];
        value1 = player_inv_value1[id];
    } else if (pickup == 0) {
        code = mouse_inv;
        value = mouse_inv_value;
        value1 = mouse_inv_value1;
    } else {
        return 0;
    }
    switch (code) {
    case 3: case 27: return 100;
    case 4: case 23: case 26: case 43: case 45: return 50;
    case 31: case 42: return 2;
    case 25:
        switch (value1) {
        case 0: return 20 * value;
        case 1: return 750;
        case 2: return 3000;
        case 3: return 1500;
        default: return 0;
        }
    case 14: case 15: case 16: case 17: case 18: case 19:
        return value == 0 ? 150 : (value == 5 ? 550 : 0);
    case 28: case 29: case 30: return 5 * value;
    case 2: case 13: case 36: case 41: return 2 * value;
    case 20: case 21: case 22: return 250 * value;
    case 5: case 6: case 7: case 8: {
        constexpr int prices[] = {550, 1500, 2500, 3500};
        return value >= 0 && value < 4 ? prices[value] : 0;
    }
    case 32: case 33: case 34: case 35: return value == 0 ? 550 : (value == 1 ? 1500 : 0);
    case 37: case 38: case 39: case 40: return value == 0 ? 550 : 0;
    case 9: case 10: case 11: {
        constexpr int prices[] = {450, 1000, 2000, 3000, 200};
        return value >= 0 && value < 5 ? prices[value] : 0;
    }
    default: return 0;
    }
}

void Message_Limits() {
    Trace_Call("Message_Limits");
    font& t = counter[TIP];
    float x = real_mouseX, y = real_mouseY;
    if (msg_left) x = real_mouseX + 0.45f;
    const int target = pkp_msg_target;
    if (target != -1 && Fx && target >= 0 && target < MAX_FX) {
        x = Fx[target].x + Fx[target].width / 2 + camX - 0.1f;
        y = Fx[target].y + 2.2f * Fx[target].height + camY;
    } else {
        x = x - 0.3f;
    }
    t.x = x;
    t.y = y;
    if (!hud) return;
    object& b = hud[TIP_BOX];
    b.x = x - 0.04f;
    b.y = y - 0.12f;
    b.height = 6 * t.height;
    switch (t.length) {
    case 0:
        b.y += 0.075f;
        b.height = 3 * t.height;
        break;
    case 2:
        b.y -= 0.06f;
        b.height = 8 * t.height;
        break;
    case 4:
        t.y += 0.1f;
        b.y -= 0.1f;
        b.height = 13 * t.height;
        break;
    default: break;
    }
    b.alpha = t.word[0] != '\0' ? 1.0f : 0.0f;
    if (Level == LVL_SHOP || Level == LVL_FILE_SELECT) Set_Sprite(TIP_BOX, 2, ANIM_LOOP, ANIM_ARRAY_HUD, false);
}

void Reset_Hud_Stat() { Trace_Call("Reset_Hud_Stat"); }
