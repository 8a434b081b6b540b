#include "camp/tunnel.h"

#include "camp/camp_conventions.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/item_names.h"
#include "platform/timer.h"
#include "scripts/script_frame.h"
#include "world/animate.h"

namespace {

// Sprites of the tunnel map's scene file.
enum : int {
    SPR_LAMP = 2,
    SPR_DRIP = 3,
    SPR_CAMP = 4,
    SPR_BEACH = 10,
    SPR_VILLAGE = 11,
    SPR_FARMLAND = 12,
    SPR_MARKER_A = 15,
    SPR_MARKER_B = 16,
    SPR_MARKER_C = 17,
};

// Steps of tunnel_sequence: the entry, then the idle cycle.
enum : int { TUNNEL_ENTRY = 0, IDLE_START = 1, IDLE_DRIP = 2, IDLE_REST = 3 };

constexpr int IDLE_WAIT = 4000;   // between drips, ms
constexpr int DRIP_WAIT = 200;    // the drip's own time, ms
constexpr int CAMP_SPAWN = 2;     // spawn point of the camp entry
constexpr int DESTINATIONS = 4;   // per network, sprites 5 to 8
constexpr int FIRST_DESTINATION = 5;

// One destination of a network.
struct destination {
    int flag;            // global_objects entry that opens it (open when exactly 1)
    const char* caption;
    int box_code;
    int episode, scene, spawn;
};

// By network (tunnel_page 1 beach, 2 village, 3 farmland) and sprite 5 to 8.
constexpr destination DESTINATION[3][DESTINATIONS] = {
    {
        {14, "Pebble^Beach", BOX_TWO_LINES, 3, 3, 17},
        {13, "Light^House", BOX_TWO_LINES, 3, 3, 2},
        {3, "Pebble^Bay", BOX_TWO_LINES, 3, 16, 0},
        {16, "Boat^Yard", BOX_TWO_LINES, 3, 18, 0},
    },
    {
        {40, "Church", BOX_ONE_LINE, 2, 2, 23},
        {41, "Grave^Yard", BOX_TWO_LINES, 2, 2, 24},
        {42, "Palace", BOX_ONE_LINE, 2, 8, 1},
        {43, "Coastal^Town", BOX_TWO_LINES, 2, 5, 0},
    },
    {
        {47, "Vineyard", BOX_ONE_LINE, 2, 9, 7},
        {46, "River^Bank", BOX_TWO_LINES, 2, 9, 8},
        {48, "Missile^Silo", BOX_TWO_LINES, 2, 1, 11},
        {49, "Trench", BOX_ONE_LINE, 3, 24, 0},
    },
};

// The network shown. The loader shows the beach picture for any page but 2 and 3, so a page
// outside 1 to 3 is the beach network.
int Shown_Network() { return tunnel_page == 2 || tunnel_page == 3 ? tunnel_page - 1 : 0; }

bool Is_Open(const destination& d) { return global_objects[d.flag] == 1; }

bool Farmland_Unlocked() { return current_act == 3 || current_act == 4; }

void Tunnel_Entry() {
    for (int s : {SPR_MARKER_A, SPR_MARKER_B, SPR_MARKER_C}) sprite[s].alpha = 0.0f;
    if (current_main >= 0 && current_main < 25 && main_mission[current_main] == 2) {
        if (current_main == 4 && global_objects[14] == 1) sprite[SPR_MARKER_A].alpha = 1.0f;
        if ((current_main == 5 || current_main == 6) && global_objects[13] == 1) sprite[SPR_MARKER_B].alpha = 1.0f;
        if (current_main == 9 && global_objects[41] == 1) sprite[SPR_MARKER_B].alpha = 1.0f;
        if (current_main == 10) sprite[SPR_MARKER_C].alpha = 1.0f;
    }
    if (current_act == 2) sprite[SPR_VILLAGE].id += 2;
    if (Farmland_Unlocked()) {
        sprite[SPR_VILLAGE].id += 2;
        sprite[SPR_FARMLAND].id += 3;
    }
    stop_waves_sfx = 1;
    tunnel_sequence = IDLE_START;
}

void Tunnel_Idle() {
    if (tunnel_sequence == IDLE_START) {
        sprite[SPR_DRIP].alpha = 0.0f;
        sprite[SPR_CAMP].alpha = 0.0f;
        const destination* page = DESTINATION[Shown_Network()];
        for (int k = 0; k < DESTINATIONS; ++k) {
            if (!Is_Open(page[k])) continue;
            const int s = FIRST_DESTINATION + k;
            Set_Sprite(s, sprite[s].base_anim + 1, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        }
        tunnel_sequence_timer = Now() + IDLE_WAIT;
        tunnel_sequence = IDLE_DRIP;
    }
    if (tunnel_sequence == IDLE_DRIP && Now() > tunnel_sequence_timer) {
        sprite[SPR_DRIP].alpha = 1.0f;
        Set_Sprite(SPR_DRIP, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
        tunnel_sequence_timer = Now() + DRIP_WAIT;
        drip_sfx = true;
        tunnel_sequence = IDLE_REST;
    }
    if (tunnel_sequence == IDLE_REST && Now() > tunnel_sequence_timer) tunnel_sequence = IDLE_START;
}

void Camp_Button() {
    if (!Camp_Hover_Sprite(SPR_CAMP)) return;
    Camp_Tooltip("Summer_Camp", BOX_ONE_LINE, true);
    if (!mouseleft) return;
    episode = 2;
    scene = Act_Hub_Scene(current_act);
    Burning_Camp_Instead();
    current_spawn = CAMP_SPAWN;
    switch_n_sfx = true;
    next_scene = true;
    mouseleft = false;
}

void Destination_Buttons() {
    const destination* page = DESTINATION[Shown_Network()];
    for (int k = 0; k < DESTINATIONS; ++k) {
        const int s = FIRST_DESTINATION + k;
        if (!Camp_Hover_Sprite(s)) continue;
        const destination& d = page[k];
        const bool left = s != FIRST_DESTINATION + 2;
        Camp_Tooltip("Closed", BOX_ONE_LINE, left);
        if (!Is_Open(d)) continue;
        Camp_Tooltip(d.caption, d.box_code, left);
        if (!mouseleft) continue;
        Camp_Leave(d.episode, d.scene, d.spawn);
        switch_n_sfx = true;
        mouseleft = false;
    }
}

// One network button: caption while hovered, highlight, and on a click the page (0 when
// locked) with the click sound.
void Network_Button(int s, const char* caption, int box_code, int page) {
    if (!sprite[s].grab_switch) return;
    const bool over = Camp_Hover_Sprite(s);
    Camp_Highlight(s, over);
    if (!over) return;
    Camp_Tooltip(caption, box_code, true);
    if (!mouseleft) return;
    if (page != 0) {
        tunnel_page = page;
        next_scene = true;
    }
    click_sfx = true;
    mouseleft = false;
}

void Tunnel_Buttons() {
    Camp_Blank_Tooltip();
    Camp_Button();
    Destination_Buttons();
    Network_Button(SPR_BEACH, "Beach^Tunnels", BOX_TWO_LINES, 1);
    if (current_act == 1)
        Network_Button(SPR_VILLAGE, "Locked", BOX_ONE_LINE, 0);
    else
        Network_Button(SPR_VILLAGE, "Village^Tunnels", BOX_TWO_LINES, current_act > 1 ? 2 : 0);
    if (Farmland_Unlocked())
        Network_Button(SPR_FARMLAND, "Farmland^Tunnels", BOX_TWO_LINES, 3);
    else
        Network_Button(SPR_FARMLAND, "Locked", BOX_ONE_LINE, 0);
    Message_Limits();
}

void Tunnel_Light_Switch() {
    if (fade != 0.5f && fade != 1.0f) return;
    const bool over = Camp_Hover_Sprite(SPR_LAMP);
    Set_Sprite(1, over ? 4 : 0, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    if (!over || !mouseleft) return;
    mouseleft = false;
    lightswitch_sfx = true;
    object& lamp = sprite[SPR_LAMP];
    lamp.grab_switch = !lamp.grab_switch;
    Set_Sprite(SPR_LAMP, lamp.grab_switch ? 1 : 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    fade = lamp.grab_switch ? 0.5f : 1.0f;
}

} // namespace

void Run_Tunnel(int) {
    Trace_Call("Run_Tunnel");
    if (sprite == nullptr) return;
    if (tunnel_sequence == TUNNEL_ENTRY) Tunnel_Entry();
    Tunnel_Idle();
    if (!next_scene && fade != 0.5f) Tunnel_Buttons();
    Tunnel_Light_Switch();
}
