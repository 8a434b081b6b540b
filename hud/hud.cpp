// The HUD services, filled in as the HUD, dialogue and inventory code lands. Until then
// each keeps the small behaviour its callers rely on and reports nothing.
#include "common/call_trace.h"
#include "hud/hud.h"

#include "common/game_state.h"
#include "common/world_state.h"
#include "combat/combat.h"
#include "common/scene_state.h"
#include "main/timer.h"

void Calculate_Inventory() { Trace_Call("Calculate_Inventory"); }
void Calculate_Inventory_Front() { Trace_Call("Calculate_Inventory_Front"); }
void Calculate_Bullets() { Trace_Call("Calculate_Bullets"); }
void Calculate_Bullet_Flash() { Trace_Call("Calculate_Bullet_Flash"); }
void Calculate_Stats() { Trace_Call("Calculate_Stats"); }
void Calculate_Lifebar() { Trace_Call("Calculate_Lifebar"); }
void Calculate_Act() { Trace_Call("Calculate_Act"); }

void Reset_Specials() {
    has_armour_piercing = has_double_barrel = has_stock = has_sight = has_unlimited = false;
    has_wideshot = has_pistol = has_shotgun = has_machine = has_rifle = false;
    has_grenade_equipped = has_pistol_equipped = has_shotgun_equipped = false;
    has_machine_equipped = has_rifle_equipped = has_firevest_equipped = false;
}

void Reset_Helmets() { has_thorns = false; }
void Init_Player() { Trace_Call("Init_Player"); }

void Start_Game() {
    go_ahead = 2;
    new_game = true;
    fade_out = 5;
    current_spawn = -1;
    cutscene = true;
    if (hud) hud[2].alpha = 0.0f;
}

void Reload_Gun() { Trace_Call("Reload_Gun"); }

int Calculate_Anim(int, int, int) { Trace_Call("Calculate_Anim"); return 0; }

int Generate_Item(int code, int type) {
    if (type == 2) {
        switch (code) {
            case 3: return 25;
            case 4: return 60;
            case 5: case 9: return 1;
            default: return 0;
        }
    }
    return 0;
}

void Spawn_Pickup(int, int) { Trace_Call("Spawn_Pickup"); }
void Pickup_Check(int, int, int) { Trace_Call("Pickup_Check"); }
void PickUp_Sfx(int) { Trace_Call("PickUp_Sfx"); }

void Hud_Overlays() { Trace_Call("Hud_Overlays"); }

void UpdateMouseCursor() { Trace_Call("UpdateMouseCursor"); }
void Hud_Check() { Trace_Call("Hud_Check"); }
void Hud_Face_Unit(int, int) { Trace_Call("Hud_Face_Unit"); }
float Calculate_Emybar(int) { Trace_Call("Calculate_Emybar"); return 1.0f; }
void Calculate_Target_Arrow() { Trace_Call("Calculate_Target_Arrow"); }
void Do_Fireworks(int) { Trace_Call("Do_Fireworks"); }
void Reset_Hud_Stat() { Trace_Call("Reset_Hud_Stat"); }
void Time_conversion() { Trace_Call("Time_conversion"); }

// Until the speech bubbles are filled in, a message only records its speaker and id: a
// repeat of the same id while the bubble lasts is ignored, nothing is shown while the player
// is dead or the quit box is up, and a bubble lasts its shortest time, 2000 ms.
void Display_Message(int index, int message) {
    Trace_Call("Display_Message");
    const int now = Now();
    if (!(message == old_message && now <= dialog_timer) && !ply_dead && !quit_active) {
        dialog_active = (index >= 0 && index < MAX_SPRITES) ? index : -1;
        dialog_timer = now + 2000;
    }
    old_message = message;
}
void Message_Limits() { Trace_Call("Message_Limits"); }
void Help_Limits() { Trace_Call("Help_Limits"); }
void Display_Front_Message(int, int) { Trace_Call("Display_Front_Message"); }
void DisplayText(int, int, int, bool, int) { Trace_Call("DisplayText"); }
