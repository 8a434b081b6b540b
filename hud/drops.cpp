// Drops from the fallen: an ordinary kill leaves what the player is short of, special victims
// leave their own fixed loot.
#include "hud/drops.h"

#include <cstdlib>

#include "combat/ordnance.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/level_table.h"
#include "content/scene_loader.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/player_stats.h"
#include "hud/speech.h"
#include "main/fx_upkeep.h"
#include "main/mouse_code.h"
#include "world/effects.h"

namespace {

// Story flags of global_objects that keep once-only drops from dropping again.
constexpr int FLAG_MAGAZINES = 28;
constexpr int FLAG_PLATE = 84;
constexpr int FLAG_TEA_CUP = 85;
constexpr int FLAG_PAINTING = 86;
constexpr int FLAG_POSTER = 87;
constexpr int TENT_MAGAZINES = 4; // tent_objects entry of the dirty magazines

// Valuable kinds dropped by name.
constexpr int V_SPARE_A = 0, V_SPARE_B = 1, V_SPARE_C = 2, V_GOLD_CROWN = 3, V_MAGAZINES = 4;
constexpr int V_PAINTING = 17, V_PLATE = 23, V_TEA_CUP = 24, V_POSTER = 28, V_FIRE_VEST = 29, V_GAS_MASK = 30;

// The drops of one call: all made at the victim's centre.
struct dropper {
    float x, y;
    int linked;
    int last_code = -1; // code of the last item actually made

    bool Drop(int code, int value, int value1 = 0, int value2 = 0) {
        const bool made = New_FX({.x = x, .y = y, .w = x, .z = y, .anim = 13, .anim_state = 2, .box_width = 0.1f,
                                  .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = 3, .type = PKU,
                                  .i_value = value, .i_type = code, .linked_sprite = linked, .tex_id = 2,
                                  .i_value1 = value1, .i_value2 = value2});
        if (made) last_code = code;
        return made;
    }
    void Gold(int amount) { Drop(GOLD, amount + Plus_Gold_Percent(amount)); }
};

bool Undead(const object& v) { return v.sector == UNIT_SKELETON || v.sector == UNIT_DEAD_CHIEF; }

bool Player_Present() { return p1_id >= 0 && p1_id < MAX_SPRITES; }

int Player_Health() { return Player_Present() ? sprite[p1_id].score : 0; }

// What the player holds, carries in view and has lying about, by family.
int Rifle_Need() { return INV_RIFLE_ADD + INV_RIFLE_COUNT + FX_RIFLE_COUNT; }
int Shotgun_Need() { return INV_SHOTGUN_ADD + INV_SHOTGUN_COUNT + FX_SHOTGUN_COUNT; }
int Machine_Need() { return INV_MACHINE_ADD + INV_MACHINE_COUNT + FX_MACHINE_COUNT; }
int Pistol_Need() { return INV_PISTOL_ADD + INV_PISTOL_COUNT + FX_PISTOL_COUNT; }

// The ammunition drop of an ordinary kill, by the choice c = 0..4.
void Ammunition(dropper& d, int c) {
    switch (c) {
        case 0: d.Drop(BREAD, 30); break;
        case 1: d.Drop(PISTOL_AMMO, 150); break;
        case 2: d.Drop(SHELLS, 60); break;
        case 3: d.Drop(BULLETS, 200); break;
        default: d.Drop(RIFLE_AMMO, 32); break;
    }
}

// A once-only story drop: its flag is set only when the item was really made, so a refused
// drop can come again.
void Story_Drop(dropper& d, int kind, int flag) {
    if (d.Drop(VALUABLE, kind)) global_objects[flag] = 1;
}

void Ordinary_Kill(dropper& d, const object& v) {
    if (rand() % 3 != 0) return;
    const bool undead = Undead(v);
    const int r = rand() % 100;
    if (r <= 86) {
        int pistol = Pistol_Need() <= 10 ? 6 : 0;
        int machine = Machine_Need() <= 10 ? 6 : 0;
        int shotgun = Shotgun_Need() <= 6 ? 6 : 0;
        int rifle = Rifle_Need() <= 6 ? 6 : 0;
        const int health = 0;
        if (!has_machine) machine = 0;
        if (!has_pistol) pistol = 0;
        if (!has_rifle) rifle = 0;
        if (!has_shotgun && !undead) shotgun = 0;
        const int total = pistol + machine + shotgun + rifle + health;
        const int threshold = total > 12 ? 0 : total >= 7 ? 30 : total >= 1 ? 60 : 100;
        const int s = rand() % 100;
        if (s < threshold) {
            if (!undead && rand() % 2 == 0) {
                const int range = (v.rank >= 1 ? v.rank : 1) * 100; // a rank below 1 counts as 1
                d.Gold(rand() % range + 1);
            }
            return;
        }
        int c = rand() % 5;
        if (pistol >= machine && pistol >= shotgun && pistol >= rifle && pistol >= health) c = 1;
        else if (shotgun > machine && shotgun > rifle && shotgun > pistol && shotgun > health) c = 2;
        else if (machine > shotgun && machine > rifle && machine > pistol && machine > health) c = 3;
        else if (rifle > shotgun && rifle > machine && rifle > pistol && rifle > health) c = 4;
        Ammunition(d, c);
    } else if (r <= 89) {
        d.Drop(APPLE, 15);
    } else if (r <= 94) {
        d.Drop(STICK_GRENADE, 1, 0, 1);
    } else if (r <= 97) {
        if (!undead && !spawn_nocard)
            d.Drop(CARD, rand() % 12 + (spawn_card2 ? 12 : 0) + (spawn_card3 ? 24 : 0));
    } else if (r == 98) {
        if (!undead) d.Drop(WATCH, 1);
    } else if (rand() % 2 == 0) {
        if (Level == LVL_SUPPLIES && global_objects[FLAG_TEA_CUP] == 0) {
            if (rand() % 2 == 0) Story_Drop(d, V_TEA_CUP, FLAG_TEA_CUP);
            else d.Drop(VALUABLE, V_FIRE_VEST);
        } else if (Level == LVL_FARMS && global_objects[FLAG_PLATE] == 0) {
            Story_Drop(d, V_PLATE, FLAG_PLATE);
        } else if (Level == LVL_HIGHWAY && global_objects[FLAG_PAINTING] == 0) {
            Story_Drop(d, V_PAINTING, FLAG_PAINTING);
        } else if (Level == LVL_VILLAGE && global_objects[FLAG_POSTER] == 0) {
            if (rand() % 2 == 0) Story_Drop(d, V_POSTER, FLAG_POSTER);
            else d.Drop(VALUABLE, V_GAS_MASK);
        }
    }
}

void Mixed(dropper& d) {
    const bool pistol_short = has_pistol && Pistol_Need() <= 10;
    int m = rand() % 13;
    if (Player_Present() && m == 1 && Player_Health() == PLY_VITALITY) m = 0;
    if (m == 1 && main_mission[1] != 3) m = 0;
    if (pistol_short) m = 2;
    switch (m) {
        case 0: d.Gold(rand() % 100 + 1); break;
        case 1: d.Drop(APPLE, 15); break;
        case 2: {
            int n = rand() % 8;
            if (pistol_short) n = 1;
            switch (n) {
                case 0: d.Drop(BULLETS, 200); break;
                case 1: d.Drop(PISTOL_AMMO, 150); break;
                case 2: d.Drop(RIFLE_AMMO, 24); break;
                case 3: d.Drop(SHELLS, 60); break;
                case 4: d.Drop(STICK_GRENADE, 1, 0, 1); break;
                case 5: d.Drop(APPLE, 15); break;
                default: break;
            }
            break;
        }
        case 3: {
            const bool safe_area = Level == LVL_BASE || Level == LVL_TRAINING || Level == LVL_AIRFIELD ||
                                   Level == LVL_SUPPLIES;
            if (is_a_stealth_mission || safe_area || !Player_Present()) break;
            if (rand() % 3 != 0) {
                Shell_Landed(d.x, d.y, p1_id, 1, 28);
                Display_Message(p1_id, MSG_BOOBY);
            }
            break;
        }
        default: break;
    }
}

void Fixed_Class(dropper& d, const object& v, int type) {
    switch (type) {
        case 5: d.Drop(SHELLS, 2); break;
        case 18: d.Drop(STICK_GRENADE, 1); break;
        case 19: d.Drop(PISTOL_AMMO, 50); break;
        case 16: d.Drop(APPLE, 15); break;
        case 1:
            if (rand() % 4 == 0) {
                const bool bread = rand() % 2 == 0;
                int gold = 0;
                if (!bread) {
                    gold = rand() % 21 + 10;
                    gold += Plus_Gold_Percent(gold);
                }
                const int copies = rand() % 3 + 2;
                for (int k = 0; k < copies; ++k) {
                    if (bread) d.Drop(BREAD, 30);
                    else d.Drop(GOLD, gold);
                }
            }
            break;
        case 11:
            if (rand() % 2 == 0) d.Drop(APPLE, 15);
            break;
        case 12: d.Drop(GOLD_APPLE, 15); break;
        case 15:
            // The victim names the valuable it carries; a kind outside the valuables drops nothing.
            if (v.linked_sprite >= 0 && v.linked_sprite <= V_GAS_MASK) d.Drop(VALUABLE, v.linked_sprite);
            break;
        case 2: d.Drop(VALUABLE, V_GOLD_CROWN); break;
        case 4: {
            const bool pistol = Pistol_Need() <= 30, rifle = Rifle_Need() <= 30;
            if (pistol && rifle) {
                if (rand() % 2 == 0) d.Drop(PISTOL_AMMO, 6);
                else d.Drop(RIFLE_AMMO, 1);
            } else if (pistol) {
                d.Drop(PISTOL_AMMO, 6);
            } else if (rifle) {
                d.Drop(RIFLE_AMMO, 1);
            }
            break;
        }
        case 17:
            d.Drop(PISTOL_AMMO, 60);
            d.Drop(PISTOL_AMMO, 60);
            if (current_char == 0) d.Drop(SHELLS, 40);
            else if (current_char == 1) d.Drop(BULLETS, 100);
            else if (current_char == 2) d.Drop(RIFLE_AMMO, 25);
            break;
        case 7: Mixed(d); break;
        case 3: d.Drop(GOLD_APPLE, 5); break;
        case 6: d.Drop(CAN_O_BEANS_INSTANT, 60); break;
        case 14:
            if (rand() % 2 == 0)
                for (int k = 0; k < 4; ++k) d.Gold(rand() % 150 + 1);
            break;
        case 8: d.Drop(VALUABLE, V_SPARE_A); break;
        case 9: d.Drop(VALUABLE, V_SPARE_B); break;
        case 10: d.Drop(VALUABLE, V_SPARE_C); break;
        case 13:
            if (tent_objects[TENT_MAGAZINES] == 0 && global_objects[FLAG_MAGAZINES] == 0)
                Story_Drop(d, V_MAGAZINES, FLAG_MAGAZINES);
            break;
        default: break;
    }
}

} // namespace

void Spawn_Pickup(int index, int type) {
    Trace_Call("Spawn_Pickup");
    if (sprite == nullptr || index < 0 || index >= MAX_SPRITES) return;
    const object& v = sprite[index];
    dropper d{v.w + v.box_width / 2, v.z + v.box_height / 2, type == 0 ? index : -1};
    if (type == 0) Ordinary_Kill(d, v);
    else Fixed_Class(d, v, type);
    if (d.last_code != -1) PickUp_Sfx(d.last_code);
}
