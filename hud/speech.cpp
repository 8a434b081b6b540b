// Speech-bubble messages: the text of each message id, its side effects, the bubble's size,
// time and place over its speaker.
#include "hud/speech.h"

#include <cstdlib>
#include <cstring>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/snapshots.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "hud/speech_texts.h"
#include "main/keyboard.h"
#include "main/text_upkeep.h"
#include "platform/timer.h"
#include "render/font.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/effect_motion.h"
#include "world/world_clock.h"

namespace {

constexpr int BUBBLE_SLOT = 4;     // text slot of the bubble
constexpr int BUBBLE_HUD = 2;      // HUD item of the bubble graphic
constexpr int UNIT_JUST_KILLED = 30;

void Write(const char* text) { Text_Printf(BUBBLE_SLOT, "%s", text); }

bool Write_Fixed(int message) {
    for (const fixed_message& m : fixed_messages) {
        if (m.id != message) continue;
        Write(m.text);
        if (std::strncmp(m.text, "INFO!", 5) == 0) pick_up_sfx = true;
        return true;
    }
    return false;
}

void Write_Pool(int message) {
    for (const message_pool& p : message_pools) {
        if (p.id == message) {
            Write(p.texts[rand() % p.count]);
            return;
        }
    }
}

// Message 25, shown once over the player after a scene load.
void Write_Start_Message() {
    const int v = rand() % 16;
    if (ply_had_died) {
        ply_had_died = false;
        Write(start_revived);
        return;
    }
    if (Level != 4) Write(v == 5 ? (daytime ? start_stroll_night : start_stroll_day) : start_pool[v]);
    for (const level_line& l : start_area_lines)
        if (l.level == Level) Write(l.text);
    if ((Level == 20 || Level == 21) && main_mission[11] == 2) Write(start_maze_pool[rand() % 5]);
    if (global_objects[60] == 2) Write(start_tent_pool[rand() % 3]);
    if (new_mission != -1) {
        if (new_mission == 5) {
            if (current_main != 1) Write(start_no_mission_line);
            else if (main_mission[1] >= 0 && main_mission[1] <= 2) Write(start_training_lines[main_mission[1]]);
        } else if (new_mission >= 0 && new_mission < 31 && start_mission_lines[new_mission]) {
            Write(start_mission_lines[new_mission]);
        }
        new_mission = -1;
    }
}

constexpr const char* REPORT_BACK = "I_should_report_back_to^summer_camp.";

// The messages whose text depends on story state. Returns the speaker, which message 62
// may hand to the player.
int Write_By_State(int index, int message, int now) {
    switch (message) {
    case 8: Write(ply_had_died ? "So_sleeping_beauty^awakens." : "Alright_I_got_my_eye_on^you._Go_report_in."); break;
    case 12:
        Write(player_rank <= 4 ? "The_general?_You_should^try_the_village..." : "I_heard_the_bridge_is^is_fixed_now...");
        break;
    case 14:
        if (player_rank == 1) Write("When_you_need_healing^just_come_see_me..");
        else Write_Pool(14);
        break;
    case 18:
        if (current_act == 1 || current_act == 3) Write("ARGHH!_What_is_he_doing^in_there?...");
        else if (current_act == 2) Write("They_sneaked_up_on_us...");
        else if (current_act == 4) Write("I-I_can&t_hold_it^much_longer....");
        break;
    case 19:
        if (current_act == 1) Write(current_main == 1 ? "(PUFF...PANT..PUFF..)" : "I_hear_there&s_a_ghost^ship_at_the_beach.");
        else if (current_act == 2) Write("They_came_from_out_of^nowhere...");
        else if (current_act == 3) Write("I_need_to_train_for^my_village_mission.");
        else if (current_act == 4) Write("You_did_bloody_good^mate._We&re_all_proud^of_you.");
        break;
    case 20:
        if (enemy_count == 15) Write("Blimey!_fifteen_left...");
        else if (enemy_count == 10) Write("Only_ten_men_to_go...");
        else if (enemy_count == 5) Write("Just_five_blighters_left!");
        break;
    case 25: Write_Start_Message(); break;
    case 33:
        if (current_act == 1) {
            if (global_side_objective[0] == 1)
                Write(global_side_objective[1] == 1 ? "That_takes_care_of^the_submarines!" : "Another_one_bites_the^dust!");
        } else {
            Write("This_fuel_dump_is^cleared.");
        }
        break;
    case 38:
        Write("Got_it!");
        if (current_main == 9) Write("Gardens_cleared!");
        else if (current_main == 4 || current_main == 5) Write(REPORT_BACK);
        break;
    case 41:
        switch (current_main) {
        case 0: Write("Tally_ho!"); break;
        case 1: Write("Take_that_obstacle^course!"); door_open_sfx = true; break;
        case 2: case 3: case 5: case 8: case 9: case 11: case 12: Write(REPORT_BACK); break;
        case 4: Write("I_better_see_that^Spy_at_camp."); break;
        case 10: Write("I_hope_Betsy&s_alright."); break;
        case 13: Write("I_better_take_out_the^other_silos_at_once."); break;
        default: break;
        }
        break;
    case 46:
        Write(CONTROL_SCHEME ? "INFO!_Walk_close_to_an^enemy_then_Left-Click_on^him_to_use_the_knife."
                             : "INFO!_Press_the_SPACE^BAR_to_use_the_knife.");
        pick_up_sfx = true;
        break;
    case 62:
        if (p1_id != -1) {
            Write("Nice_doggy...");
            if (index >= 0 && index < MAX_SPRITES && sprite) sprite[index].all_timer = now + 400;
            bark_sfx = true;
            index = p1_id;
        } else if (index >= 0 && index < MAX_SPRITES && sprite) {
            sprite[index].all_timer = now + 400;
        }
        break;
    case 63:
        if (current_act == 1) Write("Don&t_suppose_you&ve^seen_my_dog_mate?");
        else if (current_act == 2) Write("Patches_has_run_off^I_hope_he&s_alright.");
        break;
    case 85:
        if (current_main == 1) Write("Och!_Welcome_to_Summer^Camp!");
        else if (current_act == 4) Write("Och!_That_was_some^party!");
        else Write("Och!_Where_did_I_put_me^pipes?");
        break;
    case 86:
        if (current_main == 1) Write(guard_pool[rand() % 2]);
        else if (current_act == 4) Write("Not_all_the_Black_Army^surrendered,_so_be^careful_out_there_mate!");
        else Write("There&s_only_the_enemy^lines_beyond_here.");
        break;
    case 87:
        Write(current_main == 1 ? "I_heard_HQ_wants_to^see_you_mate." : "Sargeant_Jones_is_upset^since_he_lost_his^magazines.");
        break;
    case 88:
        if (current_main == 1) {
            if (main_mission[1] == 2) Write("Your_wanted_at_the^Boot_Camp_mate!");
            else if (main_mission[1] == 0) Write("I_can&t_let_you_through^without_papers.");
            else if (main_mission[1] == 1) Write("Alright_you_can_pass^Good_Luck!");
        } else {
            Write("Be_careful_out_there^mate!");
        }
        break;
    case 89:
        if (current_main == 1) Write("So_your_the_new_bloke?");
        else if (current_act == 4) Write("Good_job_mate,_your^a_legend_now_y&know?");
        else Write("I_wanted_to_do_a^beach_mission_too.");
        break;
    case 90:
        if (current_main == 1) Write("HQ&s_just_over_there^mate.");
        else if (current_act == 4) Write("I&m_going_home_now_the^wars_over.");
        else Write("If_you_meet_a_bunch^of_Black_Army_blokes^use_a_grenade!");
        break;
    case 91:
        if (current_act == 1) Write("Watch_out!_They&re^bloody_everywhere..");
        break;
    case 94:
        Write(rand() % 2 == 0 ? "HEY!!!" : "OI!!!!");
        msg_offset = true;
        break;
    default: break;
    }
    return index;
}

}  // namespace

void Display_Message(int index, int message) {
    Trace_Call("Display_Message");
    const int now = Now();
    if (message == old_message && now <= dialog_timer) {
        old_message = message;
        return;
    }
    msg_offset = false;
    Message_Fx();
    // Only sprite records can speak; anything else (negative indices included) has no speaker.
    if (index < 0 || index >= MAX_SPRITES) index = -1;
    if (ply_dead || quit_active) {
        old_message = message;
        return;
    }
    // Ids outside the table have no text and no effect, like the ids without a text.
    if (message >= 0 && message < MESSAGE_COUNT) {
        if (!Write_Fixed(message)) {
            Write_Pool(message == 14 ? -1 : message);
            index = Write_By_State(index, message, now);
        }
        if (message == 124) msg_offset = true;
        if (message == 51) Remove_Temps(2);
    }
    dialog_active = index;
    const int length = (int)strnlen(counter[BUBBLE_SLOT].word, sizeof(counter[BUBBLE_SLOT].word));
    message_length = length;
    dialog_timer = now + (100 * length > 2000 ? 100 * length : 2000);
    if (hud) {
        object& b = hud[BUBBLE_HUD];
        b.alpha = 0.99f;
        b.height = message_height / 2.0f;
        b.y = message_y;
        b.x = message_x;
        b.width = message_width;
        Set_Sprite(BUBBLE_HUD, length > 24 ? 1 : 2, ANIM_ONCE, ANIM_ARRAY_HUD, true);
        if (length <= 11) b.width = message_width / 2.0f;
    }
    Help_Limits();
    old_message = message;
}

void Help_Limits() {
    Trace_Call("Help_Limits");
    if (dialog_active == -1 || !hud || !sprite) return;
    // A speaker index that is no sprite record (set from outside) has nothing to follow.
    if (dialog_active < 0 || dialog_active >= MAX_SPRITES) {
        dialog_active = -1;
        return;
    }
    const object& s = sprite[dialog_active];
    object& b = hud[BUBBLE_HUD];
    font& t = counter[BUBBLE_SLOT];
    const int L = message_length;
    const float f = (L >= 24 && L <= 48) ? 1.2f : 1.0f;
    b.y = camY + s.y + f * s.height;
    b.x = camX + s.x + s.width / 2.0f - b.width / 2.0f;
    if (msg_offset) b.x += b.width / 3.5f;
    b.height = L > 48 ? message_height / 1.5f : message_height / 2.0f;
    t.y = L > 48 ? b.y + b.height / 1.5f + t.height : b.y + b.height / 2.0f + t.height;
    t.x = b.x + 4.0f * t.width;
    if (s.type == UNT && s.status == UNIT_JUST_KILLED) {
        dialog_timer = Now();
        b.alpha = 0.0f;
        t.word[0] = '\0';
        dialog_active = -1;
    }
}

// A HUD text line of the scene's dialogue group `group`, entry `line`: revealed letter by
// letter in text slot 4, or for the choice speakers 97 to 99 both lines of the choice at
// once in slots 4 and 5. Groups, entries and lines outside the scene's tables show nothing.
void DisplayText(int, int group, int line, bool, int) {
    Trace_Call("DisplayText");
    if (game_mode != MODE_WALK && game_mode != MODE_FRONT && game_mode != MODE_WORLD) return;
    if (text_active || scroll_txt_active) return;
    if (group < 0 || group >= MAX_TEXT_GROUPS || line < 0 || line >= MAX_GROUP_ENTRIES || line >= multi_txt[group])
        return;
    const int l = multi_frames[group][line];
    if (l < 0 || l >= MAX_TEXT_LINES) return;
    text_id = group;
    txt_cur = line;
    const int speaker = hud_face_id[l];
    Text_Printf(BUBBLE_SLOT, "%.*s", (int)sizeof(hud_text_A[l].s), hud_text_A[l].s);
    if (speaker >= 97 && speaker <= 99) {
        Text_Printf(5, "%.*s", (int)sizeof(hud_text_B[l].s), hud_text_B[l].s);
        scroll_txt_active = false;
        text_select = true;
        return;
    }
    scroll_txt_active = true;
    scroll_length = (int)strnlen(counter[BUBBLE_SLOT].word, sizeof(counter[BUBBLE_SLOT].word));
    scroll_index = 0;
    if (hud) hud[6].alpha = hud[7].alpha = 1.0f;
}
