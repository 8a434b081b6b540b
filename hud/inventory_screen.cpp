// The inventory grid of the walk HUD: highlight, label, use, take, put down and sell price.
#include "hud/inventory_screen.h"

#include <cstdio>
#include <cstring>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "hud/derived_state.h"
#include "hud/gauges.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/overlays.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "render/font.h"

namespace {

constexpr int TIP = 5;

bool Player_Exists() { return Valid_Sprite(p1_id); }

bool On_Rect(const object& o, float px, float py) {
    return o.x < px && px < o.x + o.width && o.y < py && py < o.y + o.height;
}

bool Is_Food(int code) { return code == 3 || code == 4 || code == 23 || code == 26 || code == 45; }

bool Is_Long_Gun_Held(int code) {
    return code == RIFLE || code == RIFLE_EQUIPPED || code == SHOTGUN || code == SHOTGUN_EQUIPPED ||
           code == MACHINEGUN || code == MACHINEGUN_EQUIPPED;
}

bool Is_Left_Half(int code) {
    return code == SLOT_RIFLE_LEFT || code == SLOT_SHOTGUN_LEFT || code == SLOT_MACHINEGUN_LEFT;
}

bool Is_Right_Half(int code) {
    return code == SLOT_RIFLE_RIGHT || code == SLOT_SHOTGUN_RIGHT || code == SLOT_MACHINEGUN_RIGHT;
}

void Empty_Slot(int n) {
    player_inv[n] = 0;
    player_inv_value[n] = 0;
    player_inv_value1[n] = 0;
    player_inv_value2[n] = 0;
}

// The largest amount a slot may hold for a held stack to be put onto it; -1 when the codes
// never stack.
int Stack_Limit(int held, int slot_code) {
    if (Is_Grenade_Code(held) && Is_Grenade_Code(slot_code)) return 11;
    if (held != slot_code) return -1;
    switch (held) {
        case GOLD: return 999998;
        case RIFLE_AMMO: return 49;
        case PISTOL_AMMO: return 119;
        case SHELLS: return 79;
        case BULLETS: return 199;
        default: return -1;
    }
}

// The amount of one stackable kind held in the slots (the three grenade codes count as one).
int Stack_Total(int code) {
    int total = 0;
    for (int n = 0; n < INV_SLOTS; ++n) {
        const int c = player_inv[n];
        if (Is_Grenade_Code(code) ? Is_Grenade_Code(c) : c == code) total += player_inv_value[n];
    }
    return total;
}

// The slot code and equipment of a held item put down into slot n.
void Store_Held_Code(int n) {
    int code = mouse_inv;
    switch (code) {
        case PISTOL_EQUIPPED: current_weapon = n; [[fallthrough]];
        case PISTOL: code = SLOT_PISTOL; break;
        case HELMET_EQUIPPED: current_helmet = n; [[fallthrough]];
        case HELMET: code = SLOT_HELMET; break;
        case GRENADE_EQUIPPED: current_weapon = n; [[fallthrough]];
        case STICK_GRENADE: case GRENADE: code = GRENADE; break;
        case BOXERS_EQUIPPED: current_boot = n; [[fallthrough]];
        case BOXERS: code = SLOT_BOXERS; break;
        case MEDAL_EQUIPPED: current_medal = n; [[fallthrough]];
        case MEDAL: code = SLOT_MEDAL; break;
        default: break;
    }
    player_inv[n] = code;
}

void Equip_Weapon(int slot) {
    current_weapon = slot;
    spark_sfx = true;
    Calculate_Inventory();
    Calculate_Bullets();
    Calculate_Stats();
}

void Wear(int& global, int n) {
    global = n;
    spark_sfx = true;
    Calculate_Inventory();
    Calculate_Stats();
}

// Left click on slot n with nothing held: eat, read or equip.
void Use_Slot(int n) {
    const int code = player_inv[n];
    bool used = true;
    if (Is_Food(code)) {
        Calculate_Health(player_inv_value[n]);
        Calculate_Lifebar();
        Empty_Slot(n);
        Calculate_Inventory();
        medikit_sfx = true;
    } else if (code == BOOK && Player_Exists()) {
        switch (player_inv_value1[n]) {
            case 0: Calculate_Exp(p1_id, 5 * player_inv_value[n]); break;
            case 1: has_grenade = true; Display_Message(p1_id, MSG_GRENADE); break;
            case 2: has_water = true; Display_Message(p1_id, MSG_SWIM); break;
            case 3: has_pistol = true; Display_Message(p1_id, MSG_PISTOL); break;
            default: break;
        }
        Empty_Slot(n);
        Calculate_Inventory();
        chute_sfx = true;
    } else if (code == SLOT_MACHINEGUN_LEFT || code == SLOT_SHOTGUN_LEFT ||
               (code == SLOT_RIFLE_LEFT && Player_Exists())) {
        if (n + 1 >= INV_SLOTS) return;  // a left half cannot end a row
        if (code == SLOT_RIFLE_LEFT) sprite[p1_id].update = true;
        Equip_Weapon(n + 1);
    } else if (code == SLOT_MACHINEGUN_RIGHT || code == SLOT_SHOTGUN_RIGHT ||
               (code == SLOT_RIFLE_RIGHT && Player_Exists())) {
        if (code == SLOT_RIFLE_RIGHT) sprite[p1_id].update = true;
        Equip_Weapon(n);
    } else if (code == SLOT_PISTOL && Player_Exists()) {
        if (!has_pistol)
            Display_Message(p1_id, MSG_NOUSE);
        else
            Equip_Weapon(n);
    } else if (code == SLOT_HELMET) {
        Wear(current_helmet, n);
    } else if (code == GRENADE) {
        Equip_Weapon(n);
    } else if (code == SLOT_BOXERS) {
        Wear(current_boot, n);
    } else if (code == SLOT_MEDAL) {
        Wear(current_medal, n);
    } else {
        used = false;
    }
    if (used) mouseleft = false;
}

// Left click on slot n with an item other than a long gun held.
void Put_Down(int n) {
    const int slot_code = player_inv[n];
    if (slot_code != 0) {
        const int limit = Stack_Limit(mouse_inv, slot_code);
        if (limit < 0 || player_inv_value[n] > limit) return;  // refused: stays on the mouse
        const int code = Is_Grenade_Code(slot_code) ? STICK_GRENADE : slot_code;
        const int before = Stack_Total(code);
        Calculate_Item(mouse_inv_value, code, -1, mouse_inv_value1, mouse_inv_value2);
        const int taken = Stack_Total(code) - before;
        if (taken < mouse_inv_value) {
            // The slots could not take the whole stack: what is left stays on the mouse
            // rather than being lost.
            if (taken > 0) {
                mouse_inv_value -= taken;
                click_off_sfx = true;
                Calculate_Inventory();
            }
            mouseleft = false;
            return;
        }
    } else {
        player_inv_value[n] = mouse_inv_value;
        player_inv_value1[n] = mouse_inv_value1;
        player_inv_value2[n] = mouse_inv_value2;
    }
    Store_Held_Code(n);
    mouse_grabbed = false;
    click_off_sfx = true;
    Calculate_Inventory();
    mouseleft = false;
}

// Left click on slot n with a long gun held: it takes slots n and n + 1 of one row.
void Put_Down_Long_Gun(int n) {
    struct family { int ground, marker, left, right; };
    constexpr family families[] = {
        {RIFLE, RIFLE_EQUIPPED, SLOT_RIFLE_LEFT, SLOT_RIFLE_RIGHT},
        {SHOTGUN, SHOTGUN_EQUIPPED, SLOT_SHOTGUN_LEFT, SLOT_SHOTGUN_RIGHT},
        {MACHINEGUN, MACHINEGUN_EQUIPPED, SLOT_MACHINEGUN_LEFT, SLOT_MACHINEGUN_RIGHT}};
    for (const family& f : families) {
        if (!mouseleft || !mouse_grabbed || (mouse_inv != f.ground && mouse_inv != f.marker)) continue;
        if (reloading || next_weapon != -1) continue;
        if (n % 4 == 3 || player_inv[n] != 0 || player_inv[n + 1] != 0) continue;
        if (mouse_inv == f.marker) current_weapon = n + 1;
        for (int k = n; k <= n + 1; ++k) {
            player_inv_value[k] = mouse_inv_value;
            player_inv_value1[k] = mouse_inv_value1;
            player_inv_value2[k] = mouse_inv_value2;
        }
        player_inv[n] = f.left;
        player_inv[n + 1] = f.right;
        mouse_grabbed = false;
        click_off_sfx = true;
        Calculate_Inventory();
        mouseleft = false;
    }
}

// Right click on slot n with nothing held: the item goes onto the mouse.
void Take_Onto_Mouse(int n) {
    const int code = player_inv[n];
    mouse_inv = code;
    mouse_inv_value = player_inv_value[n];
    mouse_inv_value2 = player_inv_value2[n];
    auto marker_if = [&](int& global, int slot, int marker, int ground) {
        if (global == slot) {
            mouse_inv = marker;
            global = -1;
        } else {
            mouse_inv = ground;
        }
    };
    switch (code) {
        case GRENADE:
            mouse_inv_value1 = player_inv_value1[n];
            marker_if(current_weapon, n, GRENADE_EQUIPPED, STICK_GRENADE);
            break;
        case SLOT_RIFLE_LEFT: case SLOT_SHOTGUN_LEFT: case SLOT_MACHINEGUN_LEFT: {
            const int right = n + 1;
            const int marker = code == SLOT_RIFLE_LEFT ? RIFLE_EQUIPPED
                               : code == SLOT_SHOTGUN_LEFT ? SHOTGUN_EQUIPPED : MACHINEGUN_EQUIPPED;
            const int ground = code == SLOT_RIFLE_LEFT ? RIFLE : code == SLOT_SHOTGUN_LEFT ? SHOTGUN : MACHINEGUN;
            if (right < INV_SLOTS) {
                mouse_inv_value1 = player_inv_value1[right];
                Empty_Slot(right);
            }
            marker_if(current_weapon, right, marker, ground);
            break;
        }
        case SLOT_RIFLE_RIGHT: case SLOT_SHOTGUN_RIGHT: case SLOT_MACHINEGUN_RIGHT: {
            const int marker = code == SLOT_RIFLE_RIGHT ? RIFLE_EQUIPPED
                               : code == SLOT_SHOTGUN_RIGHT ? SHOTGUN_EQUIPPED : MACHINEGUN_EQUIPPED;
            const int ground = code == SLOT_RIFLE_RIGHT ? RIFLE : code == SLOT_SHOTGUN_RIGHT ? SHOTGUN : MACHINEGUN;
            mouse_inv_value1 = player_inv_value1[n];
            if (n - 1 >= 0) Empty_Slot(n - 1);
            marker_if(current_weapon, n, marker, ground);
            break;
        }
        case SLOT_PISTOL:
            mouse_inv_value1 = player_inv_value1[n];
            marker_if(current_weapon, n, PISTOL_EQUIPPED, PISTOL);
            break;
        case SLOT_HELMET: marker_if(current_helmet, n, HELMET_EQUIPPED, HELMET); break;
        case SLOT_BOXERS: marker_if(current_boot, n, BOXERS_EQUIPPED, BOXERS); break;
        case SLOT_MEDAL: marker_if(current_medal, n, MEDAL_EQUIPPED, MEDAL); break;
        case GOLD: current_gold = -1; break;
        case BOOK: mouse_inv_value1 = player_inv_value1[n]; break;
        default: break;
    }
    Empty_Slot(n);
    click_off_sfx = true;
    mouse_grabbed = true;
    Calculate_Inventory();
    mouseright = false;
}

}  // namespace

void Inventory_Screen() {
    if (!hud || game_mode != MODE_WALK || mouseheld) return;

    if (!ply_dead)
        for (int i = 0; i < INV_SLOTS; ++i) hud[HUD_INV_FIRST + i].flash_target = false;

    on_the_inv = false;
    inv_slot_hovered = -1;
    if (!quit_active && !ply_dead) {
        for (int n = 0; n < INV_SLOTS; ++n) {
            object& item = hud[HUD_INV_FIRST + n];
            if (!On_Rect(item, testX, testY)) continue;
            inv_slot_hovered = n;
            const int code = player_inv[n];

            item.flash_target = true;
            if (Is_Left_Half(code) && n + 1 < INV_SLOTS) hud[HUD_INV_FIRST + n + 1].flash_target = true;
            if (Is_Right_Half(code) && n > 0) hud[HUD_INV_FIRST + n - 1].flash_target = true;

            if (!mouse_grabbed) {
                on_the_inv = true;
                msg_left = false;
                counter[TIP].length = 1;
                Slot_Label(n);
                Message_Limits();
            }

            if (mouseleft && !mouse_grabbed) Use_Slot(n);
            if (mouseleft && mouse_grabbed && !Is_Long_Gun_Held(mouse_inv)) Put_Down(n);
            Put_Down_Long_Gun(n);
            if (mouseright && !mouse_grabbed && !reloading && next_weapon == -1 && player_inv[n] != 0)
                Take_Onto_Mouse(n);
        }
    }

    // The sell price of the hovered slot near a seller.
    if (near_sell && !reloading && next_weapon == -1 && on_the_inv && inv_slot_hovered != -1) {
        const int code = player_inv[inv_slot_hovered];
        if (code != 0 && code != GOLD) {
            const int price = Get_Cost(inv_slot_hovered, 2) / 2;
            char label[sizeof counter[TIP].word];
            std::snprintf(label, sizeof label, "%s", counter[TIP].word);
            Text_Printf(TIP, "%s^\xF4\xE2+%i", label, price);
            counter[TIP].length = 2;
            Message_Limits();
        }
    }
}
