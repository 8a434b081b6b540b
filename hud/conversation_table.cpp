// The conversation table: which lines each conversation shows in which story state, the
// mission offers, the story changes and the scene that follows each conversation.
#include "hud/conversation_table.h"

#include <cstdio>
#include <cstring>

#include "camp/camp.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/conversation_lines.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/missions.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "render/font.h"
#include "scripts/scripts.h"

namespace {

constexpr int MAX_LINES = 16;

enum ending { ENDS_NONE, ENDS_CLOSE, ENDS_ASK };

// The variant chosen at the conversation's first step; later steps replay it, so a line
// that changes story state does not switch the conversation to another variant mid-way.
struct script {
    talk_line lines[MAX_LINES];
    int n;
    ending end;
    void (*then)();  // story changes after the last line
};
script current;
int current_mission = 0;  // the mission a giver talks about
int current_giver = 0;
int reminder_code = 0;  // the mission a closing reminder names
KEEP_FRESH(current, current_mission, current_giver, reminder_code);

void Add(int slot, const char* text, int gift = NO_GIFT, int gift2 = NO_GIFT, int gift3 = NO_GIFT) {
    if (current.n >= MAX_LINES) return;
    current.lines[current.n++] = {slot, text, {gift, gift2, gift3}};
}

template <int N>
void Add_All(const talk_line (&lines)[N], ending end = ENDS_CLOSE, void (*then)() = nullptr) {
    for (const talk_line& l : lines) {
        if (current.n >= MAX_LINES) break;
        current.lines[current.n++] = l;
    }
    current.end = end;
    current.then = then;
}

void Close_With(void (*then)()) {
    current.end = ENDS_CLOSE;
    current.then = then;
}

int Hub_Scene() {
    switch (current_act) {
    case 2: return 3;
    case 3: return 10;
    case 4: return 11;
    default: return 0;
    }
}

void Go(int e, int s) {
    episode = e;
    scene = s;
}
void Go(int e, int s, int spawn) {
    Go(e, s);
    current_spawn = spawn;
}
void Go_Hub(int spawn) { Go(2, Hub_Scene(), spawn); }

// Gold in the slot that current_gold names; none without a gold slot.
int Gold_Held() {
    if (current_gold < 0 || current_gold >= 16) return 0;
    return player_inv_value[current_gold];
}

void Give(int gift) {
    switch (gift) {
    case GIFT_GOLD: Calculate_Item(1000, 1, -1, 0, -1); break;
    case GIFT_GRENADES: Calculate_Item(6, 28, -1, 6, 0); break;
    case GIFT_WESTON: Calculate_Item(0, 9, -1, 0, -1); break;
    case GIFT_COLT: Calculate_Item(4, 9, -1, 0, -1); break;
    case GIFT_PISTOL_AMMO: Calculate_Item(120, 13, -1, 120, -1); break;
    case GIFT_SHOTGUN: Calculate_Item(0, 32, -1, 0, -1); break;
    case GIFT_SHELLS: Calculate_Item(25, 36, -1, 25, -1); break;
    case GIFT_CARD8: Calculate_Item(8, 42, -1, 0, 0); break;
    case SET_OBJECTIVE3: global_objective[3] = 1; break;
    case EQUIP_PISTOL: {
        const int code = Slot_Code_Of(9);
        for (int i = 0; i < 16; ++i) {
            if (player_inv[i] == code && code != 0) {
                current_weapon = i;
                break;
            }
        }
        break;
    }
    default: break;
    }
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
void Say(const talk_line& l) {
    const int slot = l.slot == 1 ? 1 : 0;
    const char* t = l.text;
    if (std::strstr(t, "%0.7s")) Text_Printf(slot, t, player_name);
    else if (std::strstr(t, "(Received_%i")) Text_Printf(slot, t, 1000);
    else if (std::strstr(t, "%i")) Text_Printf(slot, t, player_rank);
    else Text_Printf(slot, "%s", t);
    if (std::strncmp(t, "(Received_", 10) == 0) cash_sfx = true;
    for (int g : l.gift) Give(g);
}
#pragma GCC diagnostic pop

// ---- Mission givers ----

const mission_talk* Talk_Of(int giver, int m) {
    for (const mission_talk& t : mission_talks)
        if (t.giver == giver && t.mission == m) return &t;
    return nullptr;
}

int Mission_Of(int giver) {
    static constexpr int chain1[] = {1, 2, 3, 4, 5, 6};
    static constexpr int chain47[] = {4};
    static constexpr int chain66[] = {6, 7, 8, 9, 10};
    static constexpr int chain74[] = {11, 12, 13};
    const int* chain = chain1;
    int n = 6;
    if (giver == 47) { chain = chain47; n = 1; }
    if (giver == 66) { chain = chain66; n = 5; }
    if (giver == 74) { chain = chain74; n = 3; }
    if (giver == 1 && main_mission[1] == 1) main_mission[1] = 3;
    bool in_chain = false;
    for (int i = 0; i < n; ++i) in_chain |= chain[i] == current_main;
    if (current_main != 0 && !in_chain) return -1;
    int m = current_main;
    if (giver == 47 && current_main == 0) m = 4;
    // The commander of act three starts her chain as giver 47 does: every report before it
    // leaves no mission in hand, and from 0 alone she would have nothing to offer.
    if (giver == 74 && current_main == 0) m = 11;
    if (giver == 66 && main_mission[6] != 3) m = 6;
    for (int i = 0; i < n; ++i)
        if (main_mission[chain[i]] == 3) m = i + 1 < n ? chain[i + 1] : -2;
    return m;
}

void Accept_Effects() {
    const int m = current_mission;
    if (m < 0 || m >= 25) return;
    main_mission[m] = 2;
    current_main = m;
    for (const mission_talk& t : mission_talks)
        if (t.giver == current_giver && t.mission == m) new_mission = t.line_code;
    if (current_giver == 1 && m == 3) global_objects[65] = 1;
    if (m == 13) for (int f = 53; f <= 56; ++f) global_objects[f] = 0;
    if (m == 10) {
        global_objects[44] = 0;
        for (int s = 26; s <= 28; ++s) {
            char name[64];
            std::snprintf(name, sizeof name, "scene/episode3/scene%d.tmp", s);
            std::remove(name);
        }
    }
}

void Debrief_Effects() {
    const int m = current_mission;
    if (m < 0 || m >= 25) return;
    main_mission[m] = 3;
    current_main = 0;
    if (m == 9) global_objects[42] = 1;
}

void Debrief_Effects_Keep_State() { current_main = 0; }  // giver 1's mission 2: the close reports it

void Build_Giver(int giver) {
    const int m = Mission_Of(giver);
    current_mission = m;
    current_giver = giver;
    if (m == -2) {
        if (giver == 1) Add_All(c1_none_left);
        else Add_All(other_none_left);
        return;
    }
    if (m == -1) {
        if (giver == 1) Add_All(c1_busy);
        else Add_All(other_busy);
        return;
    }
    if (m <= 0 || m >= 25) return;  // no lines
    const int state = main_mission[m];
    // Missions handed over without a question.
    if (giver == 1 && m == 1) {
        if (state == 0 && decision == 0) {
            Add_All(c1_m1_given, ENDS_CLOSE, [] {
                main_mission[1] = 2;
                global_objective[3] = 0;
                new_mission = 0;
                current_main = 1;
            });
        } else if (state == 2 && decision == 0) {
            Add_All(c1_m1_reminder, ENDS_CLOSE, [] { new_mission = 0; });
        }
        return;
    }
    if (giver == 1 && m == 2 && state == 0 && decision == 0 && global_objects[29] == 0) {
        auto then = [] {
            global_objects[29] = 1;
            Accept_Effects();
        };
        if (INV_GRENADE_COUNT <= 6) Add_All(c1_m2_given, ENDS_CLOSE, then);
        else Add_All(c1_m2_given_full, ENDS_CLOSE, then);
        return;
    }
    // Mission 6 is the act-one commander's: whatever it stands at when the player first
    // reports here (the escort leaves it accomplished), this commander takes it over
    // without an offer and closes it.
    if (giver == 66 && m == 6) {
        if (decision == 0)
            Add_All(c66_m6, ENDS_CLOSE, [] {
                new_mission = 14;
                main_mission[6] = 3;
            });
        return;
    }
    const mission_talk* t = Talk_Of(giver, m);
    if (!t) return;
    if (state == 0 && decision == 0) {
        Add(0, t->brief[0]);
        Add(0, t->brief[1]);
        current.end = ENDS_ASK;
    } else if (state == 0 && decision == 1) {
        Add(1, ACCEPT_LINE);
        Add(0, t->accept_reply);
        if (t->grenades) {
            if (INV_GRENADE_COUNT <= 6) {
                Add(1, GRENADE_GIFT_LINE, GIFT_GRENADES);
            } else {
                Add(0, GRENADES_FULL_LINES[0]);
                Add(1, GRENADES_FULL_LINES[1]);
            }
        }
        if (giver == 1 && m == 3 && global_objects[65] == 0) {
            Add(1, SHOTGUN_GIFT_LINE, GIFT_SHOTGUN, GIFT_SHELLS);
        }
        Close_With(Accept_Effects);
    } else if (state == 0 && decision == 2) {
        Add(1, DECLINE_LINE);
        Add(0, t->decline_reply);
        Close_With(nullptr);
    } else if (state == 2 && decision == 0) {
        Add(1, ASK_MISSION_LINE);
        const char* goal = t->goal;
        if (giver == 1 && m == 3)
            goal = (global_objective[0] == 0 && global_objective[2] == 0) ? MISSION3_GOAL_TWO : MISSION3_GOAL_LAST;
        Add(0, goal);
        if ((giver == 1 && m == 3) || giver == 47) on_course = false;
        reminder_code = t->line_code;
        Close_With([] { new_mission = reminder_code; });
    } else if (state == 1 && decision == 0) {
        Add(0, t->debrief[0]);
        Add(1, t->debrief[1], giver == 47 ? GIFT_GOLD : NO_GIFT);
        Close_With(giver == 1 && m == 2 ? Debrief_Effects_Keep_State : Debrief_Effects);
    }
}

// ---- Other conversations ----

void Build_11() {
    const bool accepted = main_mission[1] == 2;
    if (current_main == 1 && main_mission[1] == 1) {
        Add_All(c11_passed, ENDS_CLOSE, [] {
            on_course = false;
            global_objects[66] = 1;
            new_mission = 4;
        });
    } else if (current_main == 1 && accepted && global_objective[3] == 0) {
        Add_All(c11_first);
        const bool gifts = global_objects[11] == 0;
        switch (current_char) {
        case 0:
            if (gifts) Add(1, "(Received_Weston^Pistol!)", GIFT_WESTON, GIFT_PISTOL_AMMO, GIFT_PISTOL_AMMO);
            else Add(1, "(Received_Weston^Pistol!)");
            Add(0, "And_don&t_forget^your_manual!", gifts ? EQUIP_PISTOL : NO_GIFT);
            break;
        case 1:
            Add(1, "(Received_Colt^Pistol!)", gifts ? GIFT_COLT : NO_GIFT, gifts ? GIFT_PISTOL_AMMO : NO_GIFT,
                SET_OBJECTIVE3);
            Add(0, "To_equip_a_weapon^Right-Click_on^it_in_your^inventory!");
            break;
        default:
            Add(1, "(Received_a^Knife!)", SET_OBJECTIVE3);
            Add(0, "To_equip_a_weapon^Right-Click_on^it_in_your^inventory!");
            break;
        }
        Close_With([] {
            on_course = true;
            global_objects[11] = 1;
            new_mission = 1;
        });
    } else if (current_main == 1 && accepted) {
        Add_All(c11_on_course, ENDS_CLOSE, [] { on_course = true; });
    } else if (current_act == 1) {
        Add_All(c11_act1, ENDS_CLOSE, [] { on_course = false; });
    } else if (current_act == 3) {
        Add_All(c11_act3, ENDS_CLOSE, [] { on_course = false; });
    } else if (current_act == 4) {
        Add_All(c11_act4, ENDS_CLOSE, [] { on_course = false; });
    }
}

void Build_16() {
    if (decision == 1) {
        Add_All(c16_accept);
        return;
    }
    if (decision == 2) {
        Add_All(c16_decline);
        return;
    }
    const bool gold = Gold_Held() > 49;
    if (global_objects[64] == 0) {
        Add_All(c16_first);
        if (gold) Add_All(c16_in_or_out, ENDS_ASK, [] { global_objects[64] = 1; });
        else Add_All(c16_no_gold_first, ENDS_CLOSE, [] { global_objects[64] = 1; });
    } else if (gold) {
        Add_All(c16_later, ENDS_ASK);
    } else {
        Add_All(c16_no_gold);
    }
}

int First_Card_Held() {
    for (int i = 0; i < 16; ++i)
        if (player_inv[i] == 42) return player_inv_value[i];
    return -1;
}

void Check_All_Cards() {
    bool all = true;
    for (int i = 0; i < 36; ++i) all = all && global_cards[i] != 0;
    has_all_cards = all;
}

void Build_36() {
    if (shop_intro_type == 0) {
        if (current_act == 4 && global_objects[96] == 0) Add_All(c36_act4, ENDS_CLOSE, [] { global_objects[96] = 1; });
        else if (current_act == 3 && global_objects[70] == 0) Add_All(c36_act3, ENDS_CLOSE, [] { global_objects[70] = 1; });
        else if (current_act == 2 && global_objects[67] == 0) Add_All(c36_act2, ENDS_CLOSE, [] { global_objects[67] = 1; });
        else if (current_act == 1 && global_objects[61] == 0) Add_All(c36_act1);
        else if (global_objects[61] == 1) {
            auto then = [] {
                const int card = First_Card_Held();
                if (card >= 0 && card < 48) card_page = 1 + card / 12;
            };
            if (First_Card_Held() >= 0) Add_All(c36_new_cards, ENDS_CLOSE, then);
            else Add_All(c36_keep_collecting, ENDS_CLOSE, then);
        }
    } else if (shop_intro_type == 1) {
        if (global_objects[61] == 0)
            Add_All(c36_call_again, ENDS_CLOSE, [] {
                global_objects[61] = 1;
                Check_All_Cards();
            });
        else Add_All(c36_dont_give_up, ENDS_CLOSE, Check_All_Cards);
    }
}

void Mark_Valuables() {
    for (int i = 0; i < 16; ++i) {
        if (player_inv[i] != 31) continue;
        if (player_inv_value[i] == 16) global_objects[81] = 1;
        if (player_inv_value[i] == 18) global_objects[82] = 1;
        if (player_inv_value[i] == 20) global_objects[83] = 1;
    }
}

void Build_46() {
    if (shop_intro_type == 0) {
        if (current_act == 3 && global_objects[71] == 0) Add_All(c46_act3, ENDS_CLOSE, [] { global_objects[71] = 1; });
        else if (current_act == 2 && global_objects[68] == 0) Add_All(c46_act2, ENDS_CLOSE, [] { global_objects[68] = 1; });
        else if (global_objects[62] == 0) Add_All(c46_first, ENDS_CLOSE, [] { global_objects[62] = 1; });
        else Add_All(c46_again);
    } else if (shop_intro_type == 1) {
        if (global_objects[62] == 0) {
            Add_All(c46_leaving_first, ENDS_CLOSE, Mark_Valuables);
        } else {
            // A purchase kind without a line of its own gets the everyday parting line.
            const int p = purchased >= 0 && purchased < 6 ? purchased : 0;
            Add(0, c46_purchase_lines[p]);
            Close_With([] {
                purchased = 0;
                Mark_Valuables();
            });
        }
    }
}

void Build_48() {
    if (shop_intro_type == 0) {
        if (current_act == 3 && global_objects[72] == 0) Add_All(c48_act3, ENDS_CLOSE, [] { global_objects[72] = 1; });
        else if (current_act == 2 && global_objects[69] == 0) Add_All(c48_act2, ENDS_CLOSE, [] { global_objects[69] = 1; });
        else if (global_objects[63] == 0) Add_All(c48_first);
        else Add_All(c48_rank);
    } else if (shop_intro_type == 1) {
        if (global_objects[63] == 0) Add_All(c48_leave_first, ENDS_CLOSE, [] { global_objects[63] = 1; });
        else Add_All(c48_leave);
    }
}

void Build_50() {
    const int f = global_objects[17];
    if (f == 0) {
        if (decision == 1) Add_All(c50_accept, ENDS_CLOSE, [] { global_objects[17] = 2; });
        else if (decision == 2) Add_All(c50_decline);
        else Add_All(c50_first, ENDS_ASK);
    } else if (f == 2) {
        Add_All(c50_waiting);
    } else if (f == 1) {
        Add_All(c50_done, ENDS_CLOSE, [] { global_objects[17] = 3; });
    }
}

void Delete_Stealth_Snapshots() {
    for (int s = 26; s <= 28; ++s) {
        char name[64];
        std::snprintf(name, sizeof name, "scene/episode3/scene%d.tmp", s);
        std::remove(name);
    }
}

void Build_70() {
    if (failed_stealth) {
        Add_All(c70_failed, ENDS_CLOSE, [] {
            Delete_Stealth_Snapshots();
            failed_stealth = false;
            stop_siren = true;
        });
    } else if (global_objects[34] == 0) {
        Add_All(c70_first, ENDS_CLOSE, [] {
            global_objects[34] = 1;
            current_weapon = -1;
            failed_stealth = false;
            stop_siren = true;
        });
    } else {
        Add_All(c70_again, ENDS_CLOSE, [] {
            current_weapon = -1;
            failed_stealth = false;
            stop_siren = true;
        });
    }
}

void Build(int type) {
    current = {};
    switch (type) {
    case 1:
        if (global_objects[60] == 0) {
            Add_All(c1_arrival, ENDS_CLOSE, [] {
                global_objects[60] = 2;
                new_mission = 25;
            });
        } else if (global_objects[60] == 2) {
            Add_All(c1_still_here);
        } else if (global_objects[60] == 1) {
            Build_Giver(1);
        }
        break;
    case 47: case 66: case 74: Build_Giver(type); break;
    case 11: Build_11(); break;
    case 16: Build_16(); break;
    case 17: Add_All(c17, ENDS_CLOSE, [] { new_mission = 3; }); break;
    case 30: Add_All(c30); break;
    case 34: Add_All(c34); break;
    case 36: Build_36(); break;
    case 40: Add_All(c40, ENDS_CLOSE, [] { global_objects[1] = 1; }); break;
    case 41:
        if (global_objects[2] == 1) Add_All(c41_happy);
        else if (global_objects[1] == 1) Add_All(c41_found, ENDS_CLOSE, [] { global_objects[2] = 1; });
        else Add_All(c41_lost);
        break;
    case 46: Build_46(); break;
    case 48: Build_48(); break;
    case 49: Add_All(c49); break;
    case 50: Build_50(); break;
    case 53: Add_All(c53); break;
    case 54:
        if (global_objects[27] == 0) Add_All(c54_first, ENDS_CLOSE, [] { global_objects[27] = 1; });
        else Add_All(c54_again);
        break;
    case 55: Add_All(c55); break;
    case 56: Add_All(c56); break;
    case 57: Add_All(c57); break;
    case 58: Add_All(c58); break;
    case 59: Add_All(c59); break;
    case 60: Add_All(c60); break;
    case 61: Add_All(c61, ENDS_CLOSE, [] { new_mission = 28; }); break;
    case 63: Add_All(c63, ENDS_CLOSE, [] { new_mission = 12; }); break;
    case 64: Add_All(c64); break;
    case 65: Add_All(c65); break;
    case 67:
        if (global_objects[33] == 0) Add_All(c67_first, ENDS_CLOSE, [] { global_objects[33] = 1; });
        else Add_All(c67_again);
        break;
    case 68: Add_All(c68); break;
    case 69: Add_All(c69); break;
    case 70: Build_70(); break;
    case 71: Add_All(c71); break;
    case 72:
        Add_All(c72, ENDS_CLOSE, [] {
            current_act = 3;
            main_mission[10] = 1;
        });
        break;
    case 73: Add_All(c73); break;
    case 77:
        if (global_objects[45] == 0) Add_All(c77_first);
        else Add_All(c77_again);
        break;
    case 78:
        if (global_objects[53] == 0) Add_All(c78_first, ENDS_CLOSE, [] { global_objects[53] = 1; });
        else Add_All(c78_again);
        break;
    case 79:
        if (global_objects[54] == 0) Add_All(c79_first, ENDS_CLOSE, [] { global_objects[54] = 1; });
        else Add_All(c79_again, ENDS_CLOSE, [] { global_objects[54] = 1; });
        break;
    case 81: Add_All(c81); break;
    case 83: Add_All(c83); break;
    default: break;  // 12, 13, 14, 15, 29, 31, 32, 33, 35 and unknown ids: no lines
    }
}

void Close_Giver_1() {
    Go_Hub(4);
    if (main_mission[2] == 2 && global_objects[95] == 0) {
        global_objects[95] = 1;
        Go(1, 121);
    }
    if (main_mission[2] == 1 && global_objects[97] == 0) {
        global_objects[97] = 1;
        main_mission[2] = 3;
        Go(1, 124);
    }
    if (main_mission[4] == 2 && global_objects[99] == 0) {
        global_objects[99] = 1;
        Go(1, 142);
    }
}

}  // namespace

bool Conversation_Known(int type) {
    static constexpr int known[] = {1,  11, 12, 13, 14, 15, 16, 17, 29, 30, 31, 32, 33, 34, 35, 36, 40, 41,
                                    46, 47, 48, 49, 50, 53, 54, 55, 56, 57, 58, 59, 60, 61, 63, 64, 65, 66,
                                    67, 68, 69, 70, 71, 72, 73, 74, 77, 78, 79, 81, 83};
    for (int k : known)
        if (k == type) return true;
    return false;
}

void Conversation_Step(int type) {
    if (text_queue == 1) Build(type);
    const int k = text_queue;
    if (k >= 1 && k <= current.n) {
        Say(current.lines[k - 1]);
    } else if (k == current.n + 1 && current.end != ENDS_NONE) {
        if (current.then) current.then();
        if (current.end == ENDS_ASK) {
            text_queue = 102;
            decision = 3;
        } else {
            text_queue = 101;
        }
    }
}

void Conversation_Close(int type) {
    switch (type) {
    case 1: case 31: case 74: Close_Giver_1(); break;
    case 11: {
        const bool accepted = current_main >= 0 && current_main < 25 && main_mission[current_main] == 2;
        if (current_main == 1 && accepted && global_objective[3] == 0) {
            global_objective[3] = 1;
            Go(1, 119);
        } else {
            Go(3, 1, accepted ? 6 : 1);
        }
        break;
    }
    case 12: case 13:
        episode = 4;
        current_spawn = -1;
        break;
    case 14: break;
    case 15: case 29: Go_Hub(13); break;
    case 16:
        if (decision == 1) Go(1, 4, 1);
        else Go_Hub(14);
        break;
    case 17: Go(1, CONTROL_SCHEME ? 139 : 118); break;
    case 30: Go(1, 8); break;
    case 32: Go(2, 4, 3); break;
    case 33: Go(2, 5, 4); break;
    case 34: Go(2, 5, 3); break;
    case 35: Go(3, 13, 13); break;
    case 36:
        if (shop_intro_type == 0) Go(1, 18);
        else if (shop_intro_type == 1) Go_Hub(13);
        break;
    case 40: Go(3, 5, 1); break;
    case 41: Go_Hub(14); break;
    case 46:
        if (shop_intro_type == 0) Go(1, 7);
        else if (shop_intro_type == 1) Go_Hub(12);
        break;
    case 47: Go(3, 21, 5); break;
    case 48:
        if (shop_intro_type == 0) Go(1, 30);
        else if (shop_intro_type == 1) Go_Hub(9);
        break;
    case 49: Go(1, 7); break;
    case 50: Go(3, 19, 1); break;
    case 53: Go(1, 128); break;
    case 54: Go(3, 9, 1); break;
    case 55: Go(1, 46); break;
    case 56: done = true; break;
    case 57: Go(1, 23, 1); break;
    case 58: Go(1, 42, 1); break;
    case 59: Go(1, 34); break;
    case 60:
        Go(1, 130);
        current_act = 2;
        break;
    case 61: Go(3, 7, 1); break;
    case 63:
        global_objects[20] = 1;
        Go(3, 23, 1);
        break;
    case 64:
        global_objects[32] = 1;
        Go(2, Hub_Scene());
        break;
    case 65: Go(1, 62); break;
    case 66: Go_Hub(4); break;
    case 67:
        if (main_mission[7] == 1) Go(2, 2, 32);
        else Go(1, 131);
        break;
    case 68: Go(1, 73); break;
    case 69: Go(1, 133); break;
    case 70: Go(3, 2, 1); break;
    case 71: Go(3, 28, 0); break;
    case 72: Go(1, 79); break;
    case 73: Go(2, 10, 0); break;
    case 77:
        if (global_objects[45] == 0 && main_mission[11] == 2) {
            main_mission[11] = 1;
            new_mission = 24;
            global_objects[45] = 1;
        }
        Go(1, 135);
        break;
    case 78: Go(2, 1, 1); break;
    case 79: Go(3, 31, 1); break;
    case 81: Go(1, 94); break;
    case 83: Go(2, 11, 4); break;
    default: break;
    }
}
