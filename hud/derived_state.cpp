// Derived inventory state: everything other code reads instead of scanning the 16 slots,
// rebuilt from scratch on each call, with the HUD icons of the slots and the held item; the
// rounds row of the HUD with its low-ammunition blink.
#include "hud/derived_state.h"

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "main/messages.h"
#include "platform/timer.h"
#include "world/animate.h"

namespace {

constexpr int HUD_POINTER = 1;       // the mouse cursor
constexpr int HUD_SLOT_FIRST = 11;   // slot i is drawn by HUD item 11 + i
constexpr int HUD_HELD = 27;         // the held item (28: a long gun's right half)
constexpr int HUD_HELD_RIGHT = 28;
constexpr int HUD_ROUNDS_FIRST = 7;  // the rounds row: HUD items 7 to 10
constexpr int RELOAD_MARKER = 101;   // next_weapon while a reload runs

bool Valid_Slot(int slot) { return slot >= 0 && slot < 16; }

// An equipped-slot index that names no slot means nothing is equipped.
void Check_Equipped_Slots() {
    int* slots[] = {&current_weapon, &current_helmet, &current_boot, &current_medal};
    for (int* s : slots)
        if (!Valid_Slot(*s)) *s = -1;
}

void Show_Hud(int item, int anim) {
    hud[item].alpha = 1.0f;
    Set_Sprite(item, anim, ANIM_LOOP, 1, true);
}

// Icons of capped stacks: small, large, and full at exactly the cap.
int Stack_Icon(int value, int small_up_to, int small, int large, int cap, int full) {
    if (value == cap) return full;
    return value <= small_up_to ? small : large;
}

int Valuable_Icon(int kind) {
    if (kind <= 2) return 43;
    if (kind == 3) return 62;
    if (kind == 4) return 64;
    if (kind <= 8) return kind + 60;
    if (kind <= 28) return kind + 68;
    if (kind == 29) return 43;
    if (kind == 30) return 69;
    return 0;
}

int Watch_Icon(int kind) { return kind == 0 ? 69 : kind == 1 ? 35 : kind == 2 ? 70 : 0; }

int Gold_Slot_Icon(int value) { return value <= 249 ? 1 : value <= 999 ? 2 : 3; }

// Icons shared by a slot and a held item: food, books, valuables, cards, watches, ammunition.
int Common_Icon(int code, int value, int value1) {
    switch (code) {
        case CAN_O_BEANS: case CAN_O_BEANS_INSTANT: return 7;
        case APPLE: return 23;
        case BREAD: return 73;
        case GOLD_APPLE: return 63;
        case FISH: return 34;
        case CARD: return 61;
        case WATCH: return Watch_Icon(value);
        case BOOK: return value1 > 0 ? 42 : 29;
        case VALUABLE: return Valuable_Icon(value);
        case RIFLE_AMMO: return Stack_Icon(value, 6, 4, 5, 50, 6);
        case BULLETS: return Stack_Icon(value, 16, 58, 59, 200, 60);
        case SHELLS: return Stack_Icon(value, 8, 52, 53, 80, 54);
        case PISTOL_AMMO: return Stack_Icon(value, 10, 14, 15, 120, 16);
        default: return -1;
    }
}

int Pistol_Icon(int model, bool equipped) {
    int icon;
    switch (model) {
        case 0: icon = 12; break;
        case 1: icon = 44; break;
        case 2: case 3: icon = 27; break;
        case 4: icon = 71; break;
        default: return 0;
    }
    return equipped ? icon + 1 : icon;
}

// The icon of slot i (animation of the HUD sheet).
int Slot_Icon(int i) {
    const int code = player_inv[i], m = player_inv_value[i];
    const bool held = i == current_weapon;
    switch (code) {
        case SLOT_RIFLE_LEFT: return m == 0 ? 9 : (m >= 1 && m <= 3) ? 24 : 0;
        case SLOT_RIFLE_RIGHT:
            if (m == 0) return held ? 11 : 10;
            return (m >= 1 && m <= 3) ? (held ? 26 : 25) : 0;
        case SLOT_SHOTGUN_LEFT: return m == 0 ? 46 : m == 1 ? 49 : 0;
        case SLOT_SHOTGUN_RIGHT:
            if (m == 0) return held ? 48 : 47;
            return m == 1 ? (held ? 51 : 50) : 0;
        case SLOT_MACHINEGUN_LEFT: return m == 0 ? 55 : 0;
        case SLOT_MACHINEGUN_RIGHT: return m == 0 ? (held ? 57 : 56) : 0;
        case SLOT_PISTOL: return Pistol_Icon(m, held);
        case SLOT_HELMET: {
            const bool worn = i == current_helmet;
            if (m == 2) return worn ? 75 : 74;
            return (m == 0 || m == 1 || m == 3 || m == 4) ? (worn ? 18 : 17) : 0;
        }
        case SLOT_BOXERS: {
            const bool worn = i == current_boot;
            if (m >= 0 && m <= 4) return worn ? 20 : 19;
            return m == 5 ? (worn ? 33 : 32) : 0;
        }
        case SLOT_MEDAL: return i == current_medal ? 22 : 21;
        case GRENADE: return m > 11 ? (held ? 98 : 97) : (held ? 41 : 40);
        case GOLD: return Gold_Slot_Icon(m);
        default: {
            const int icon = Common_Icon(code, m, player_inv_value1[i]);
            return icon < 0 ? 0 : icon;
        }
    }
}

// The held item: HUD item 27, and 28 for a long gun's right half (-1 when none).
void Held_Icons(int& left, int& right) {
    const int code = mouse_inv, m = mouse_inv_value;
    right = -1;
    switch (code) {
        case RIFLE: case RIFLE_EQUIPPED:
            left = m > 1 ? 24 : 9;
            right = m > 1 ? 25 : 10;
            return;
        case SHOTGUN: case SHOTGUN_EQUIPPED:
            left = m > 0 ? 49 : 46;
            right = m > 0 ? 50 : 47;
            return;
        case MACHINEGUN: case MACHINEGUN_EQUIPPED:
            left = 55;
            right = 56;
            return;
        case PISTOL: case PISTOL_EQUIPPED: left = Pistol_Icon(m, false); return;
        case HELMET: case HELMET_EQUIPPED: left = m == 2 ? 74 : m == 4 ? 30 : 17; return;
        case STICK_GRENADE: case GRENADE_EQUIPPED: left = m > 11 ? 97 : 40; return;
        case BOXERS: case BOXERS_EQUIPPED: left = 19; return;
        case MEDAL: case MEDAL_EQUIPPED: left = 21; return;
        case GOLD: left = m == GOLD_CAP ? 3 : m <= 499998 ? 1 : 2; return;
        default: {
            const int icon = Common_Icon(code, m, mouse_inv_value1);
            left = icon < 0 ? 0 : icon;
            return;
        }
    }
}

// The texture slot of the player's sheet for the equipped weapon.
int Player_Texture() {
    if (current_weapon == -1 || (next_weapon != -1 && next_weapon != RELOAD_MARKER)) return 15;
    const int code = player_inv[current_weapon];
    if ((code >= SLOT_RIFLE_LEFT && code <= RIFLE_EQUIPPED) ||
        (code >= SLOT_SHOTGUN_LEFT && code <= SHOTGUN_EQUIPPED))
        return 16;
    if (code >= SLOT_MACHINEGUN_LEFT && code <= MACHINEGUN_EQUIPPED) return 31;
    if (code == SLOT_PISTOL || code == PISTOL_EQUIPPED) return 17;
    return 15;
}

bool Is_Health_Code(int code) {
    return code == CAN_O_BEANS || code == CAN_O_BEANS_INSTANT || code == APPLE || code == BREAD || code == FISH;
}

} // namespace

void Reset_Specials() {
    has_armour_piercing = has_double_barrel = has_stock = has_sight = has_unlimited = false;
    has_wideshot = has_pistol = has_shotgun = has_machine = has_rifle = false;
    has_grenade_equipped = has_pistol_equipped = has_shotgun_equipped = false;
    has_machine_equipped = has_rifle_equipped = has_firevest_equipped = false;
    has_gasmask_equipped = false;
}

void Reset_Helmets() { has_thorns = false; }

void Calculate_Inventory() {
    Trace_Call("Calculate_Inventory");
    INV_RIFLE_COUNT = INV_SHOTGUN_COUNT = INV_MACHINE_COUNT = INV_PISTOL_COUNT = 0;
    INV_HEALTH_COUNT = INV_GRENADE_COUNT = 0;
    GUN_SPECIAL = GUN_SPECIAL2 = 0;
    ply_ammo = 0;
    current_gold = -1;
    Reset_Specials();
    Reset_Helmets();
    Check_Equipped_Slots();

    // Wear pass: worn valuables and the family of the equipped slot.
    for (int i = 0; i < 16; ++i) {
        const int code = player_inv[i];
        if (code == VALUABLE && player_inv_value[i] == 29) has_firevest_equipped = true;
        if (code == VALUABLE && player_inv_value[i] == 30) has_gasmask_equipped = true;
        if (i != current_weapon) continue;
        if (Is_Rifle_Code(code) && code != RIFLE && player_inv_value[i] >= 0 && player_inv_value[i] <= 2)
            has_rifle_equipped = true;
        if (code >= SLOT_SHOTGUN_LEFT && code <= SHOTGUN_EQUIPPED) has_shotgun_equipped = true;
        if (code >= SLOT_MACHINEGUN_LEFT && code <= MACHINEGUN_EQUIPPED) has_machine_equipped = true;
        if (code == SLOT_PISTOL || code == PISTOL_EQUIPPED) has_pistol_equipped = true;
        if (code == GRENADE || code == GRENADE_EQUIPPED) has_grenade_equipped = true;
    }

    // Main pass, in slot order.
    for (int i = 0; i < 16; ++i) {
        const int code = player_inv[i], value = player_inv_value[i], loaded = player_inv_value2[i];
        const bool equipped = i == current_weapon;
        if (code >= SLOT_RIFLE_LEFT && code <= RIFLE_EQUIPPED) {
            has_rifle = true;
            if (equipped) {
                has_rifle_equipped = true;
                Get_Weapon_Stats(i, 0);
                INV_RIFLE_COUNT += loaded;
                ply_ammo += loaded;
                has_armour_piercing = true;
            }
        } else if (code >= SLOT_SHOTGUN_LEFT && code <= SHOTGUN_EQUIPPED) {
            has_shotgun = true;
            if (equipped) {
                has_shotgun_equipped = true;
                Get_Weapon_Stats(i, 0);
                INV_SHOTGUN_COUNT += loaded;
                ply_ammo += loaded;
                if (value == 0 && GUN_SPECIAL) has_wideshot = true;
                if (value == 0 && GUN_SPECIAL2) has_double_barrel = true;
            }
        } else if (code >= SLOT_MACHINEGUN_LEFT && code <= MACHINEGUN_EQUIPPED) {
            has_machine = true;
            if (equipped) {
                Get_Weapon_Stats(i, 0);
                has_machine_equipped = true;
                INV_MACHINE_COUNT += loaded;
                ply_ammo += loaded;
                if (value == 0 && GUN_SPECIAL) has_stock = true;
                if (value == 0 && GUN_SPECIAL2) has_sight = true;
            }
        } else if (code == SLOT_PISTOL || code == PISTOL_EQUIPPED) {
            if (equipped) {
                has_pistol_equipped = true;
                Get_Weapon_Stats(i, 0);
                INV_PISTOL_COUNT += loaded;
                ply_ammo += loaded;
                if ((value == 4 || value == 0) && GUN_SPECIAL) has_armour_piercing = true;
                if ((value == 4 || value == 0) && GUN_SPECIAL2) has_unlimited = true;
            }
            has_pistol = true;
        } else if (code == GRENADE || code == GRENADE_EQUIPPED) {
            has_grenade = true;
            if (equipped) {
                Get_Weapon_Stats(i, 0);
                has_grenade_equipped = true;
            }
        }
        if (((Is_Helmet_Code(code) && i == current_helmet) || (Is_Boxers_Code(code) && i == current_boot)) &&
            value == 2 && loaded == 1)
            has_thorns = true;

        // The slot's icon.
        if (hud != nullptr) {
            if (code == 0) {
                hud[HUD_SLOT_FIRST + i].alpha = 0.0f;
                Set_Sprite(HUD_SLOT_FIRST + i, 0, ANIM_LOOP, 1, true);
            } else {
                Show_Hud(HUD_SLOT_FIRST + i, Slot_Icon(i));
            }
        }

        // Counts.
        if (Is_Grenade_Code(code)) {
            INV_GRENADE_COUNT += value;
            if (has_grenade_equipped) ply_ammo += value;
        }
        if (Is_Health_Code(code)) INV_HEALTH_COUNT += value;
        if (code == GOLD) current_gold = i;
        switch (code) {
            case RIFLE_AMMO:
                INV_RIFLE_COUNT += value;
                if (has_rifle_equipped) ply_ammo += value;
                break;
            case BULLETS:
                INV_MACHINE_COUNT += value;
                if (has_machine_equipped) ply_ammo += value;
                break;
            case SHELLS:
                INV_SHOTGUN_COUNT += value;
                if (has_shotgun_equipped) ply_ammo += value;
                break;
            case PISTOL_AMMO:
                INV_PISTOL_COUNT += value;
                if (has_pistol_equipped) ply_ammo += value;
                break;
            default: break;
        }
    }

    // The held item.
    if (hud != nullptr) {
        if (mouse_grabbed) {
            hud[HUD_POINTER].alpha = 0.0f;
            int left = 0, right = -1;
            Held_Icons(left, right);
            Show_Hud(HUD_HELD, left);
            if (right >= 0) Show_Hud(HUD_HELD_RIGHT, right);
            else hud[HUD_HELD_RIGHT].alpha = 0.0f;
        } else {
            hud[HUD_HELD].alpha = 0.0f;
            hud[HUD_HELD_RIGHT].alpha = 0.0f;
            hud[HUD_POINTER].alpha = 1.0f;
        }
    }

    // The player's sheet follows the weapon in hand, except while wading.
    if (Valid_Sprite(p1_id) && !player_in_water) {
        object& p = sprite[p1_id];
        p.id = Player_Texture();
        p.fx_id = animation_fx[p.id];
    }
}

void Calculate_Inventory_Front() {
    Trace_Call("Calculate_Inventory_Front");
    INV_PISTOL_COUNT = INV_RIFLE_COUNT = INV_SHOTGUN_COUNT = INV_MACHINE_COUNT = 0;
    INV_HEALTH_COUNT = INV_GRENADE_COUNT = 0;
    for (int i = 0; i < 16; ++i) {
        const int value = player_inv_value[i];
        switch (player_inv[i]) {
            case STICK_GRENADE: case GRENADE: case GRENADE_EQUIPPED: INV_GRENADE_COUNT += value; break;
            case RIFLE_AMMO: INV_RIFLE_COUNT += value; break;
            case BULLETS: INV_MACHINE_COUNT += value; break;
            case SHELLS: INV_SHOTGUN_COUNT += value; break;
            case PISTOL_AMMO: INV_PISTOL_COUNT += value; break;
            default: break;
        }
    }
}

void Calculate_Bullets() {
    Trace_Call("Calculate_Bullets");
    flash_bullets = false;
    if (hud == nullptr) return;
    int count = 0, base = 0;
    bool grenades = false;
    if (Valid_Slot(current_weapon)) {
        const int code = player_inv[current_weapon];
        const int loaded = player_inv_value2[current_weapon];
        if (code >= SLOT_MACHINEGUN_LEFT && code <= MACHINEGUN_EQUIPPED) { base = 16; count = loaded; }
        else if (code >= SLOT_SHOTGUN_LEFT && code <= SHOTGUN_EQUIPPED) { base = 8; count = loaded; }
        else if (code >= SLOT_RIFLE_LEFT && code <= RIFLE_EQUIPPED) { base = 4; count = loaded; }
        else if (code == SLOT_PISTOL || code == PISTOL_EQUIPPED) { base = 0; count = loaded; }
        else if (Is_Grenade_Code(code)) {
            grenades = true;
            base = 12;
            count = player_inv_value[current_weapon];
        }
        if (!grenades && player_in_water) count = 0;
    }

    if (grenades) {
        for (int k = 0; k < 4; ++k) {
            const int item = HUD_ROUNDS_FIRST + k; // item 7 + k shows when more than k grenades
            if (count > k) {
                hud[item].alpha = bullet_alpha;
                Set_Sprite(item, base + 3 - k, ANIM_LOOP, 1, true);
            } else {
                hud[item].alpha = 0.0f;
            }
        }
        return;
    }
    if (count > 16) count = 16;
    for (int k = 0; k < 4; ++k) {
        const int item = HUD_ROUNDS_FIRST + k;
        int n = count - 4 * k;
        if (n > 4) n = 4;
        if (n <= 0) {
            hud[item].alpha = 0.0f;
            continue;
        }
        hud[item].alpha = bullet_alpha;
        Set_Sprite(item, base + (4 - n), ANIM_LOOP, 1, true);
    }
}

void Calculate_Bullet_Flash() {
    Trace_Call("Calculate_Bullet_Flash");
    if (game_mode != gmode::walk || current_weapon == -1) return;
    Calculate_Inventory();
    if (current_weapon == -1) return;
    bool low = false;
    if (has_machine_equipped) low = INV_MACHINE_COUNT <= 10;
    else if (has_shotgun_equipped) low = INV_SHOTGUN_COUNT <= 4;
    else if (has_rifle_equipped) low = INV_RIFLE_COUNT <= 3;
    else if (has_grenade_equipped) low = INV_GRENADE_COUNT <= 1;
    else if (has_pistol_equipped) {
        const int model = player_inv_value[current_weapon];
        low = INV_PISTOL_COUNT <= 6 && !((model == 0 || model == 4) && has_unlimited);
    }
    flash_bullets = low;
    if (!low) {
        bullet_alpha = 1.0f;
        return;
    }
    const int now = Now();
    if (now > bullet_flash_timer) {
        bullet_flash = !bullet_flash;
        bullet_alpha = bullet_flash ? 0.0f : 1.0f;
        bullet_flash_timer = now + 150;
    }
}
