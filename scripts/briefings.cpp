// The return to camp, the briefings that send the player into a level, the story pages with a
// Skip button and the act-end page.
#include "scripts/camp_pages.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/save_slots.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "world/animate.h"

namespace {
constexpr const char* START_CAPTION = "Start^the_fight!";

// Set_Sprite on sprite i of the scene, skipped when the scene has no sprite i.
void Anim(int i, int anim, int state, bool reset) {
    if (sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES)
        Set_Sprite(i, anim, state, ANIM_ARRAY_SPRITE, reset);
}

// The areas whose way back to camp ends near the hub's second entrance (spawn point 10).
bool Back_Through_Second_Entrance(int e, int s) {
    if (e == 2) return s == 5;
    if (e != 3) return false;
    switch (s) {
        case 3: case 5: case 6: case 7: case 9: case 14: case 16: case 17: case 18:
        case 21: case 22: case 23:
            return true;
        default:
            return false;
    }
}

// A briefing whose page leaves by itself after its steps: the "Start^the_fight!" button on
// sprite 2 leaves at once for the same level.
void Start_Button(int e, int s, int spawn) {
    Clear_Tooltip();
    if (Hover_Button(2, START_CAPTION, button_snd)) {
        click_sfx = true;
        Scene_Request(e, s, spawn);
        Use_Click(2);
    }
}

// A page with an armed button on sprite 1 and no timed exit: step 0 arms it; an accepted click
// plays the click and runs `request`.
template <typename Request>
void Armed_Page(const char* caption, Request request) {
    if (Untimed_Step(0)) Arm_Page();
    Clear_Tooltip();
    if (Armed_Hover_Button(1, caption, button_snd)) {
        click_sfx = true;
        request();
        Use_Click(1);
    }
}
}  // namespace

void Camp_Return_Request() {
    const int spawn = Back_Through_Second_Entrance(stats_episode, stats_scene) ? 10 : 1;
    Act_Hub_Request(spawn);
    Burning_Camp_Instead();
}

// Return to camp: after 4 s, or at once on Skip (which also speeds up the fade-out).
void Camp_Return_Block(int) {
    if (Untimed_Step(0)) {
        Ambience_Stop();
        Next_Step(4000);
    }
    if (Timed_Step(1)) {
        Camp_Return_Request();
        title_sequence = 2;
    }
    Clear_Tooltip();
    if (Hover_Button(0, "Skip^scene", button_snd)) {
        fade_out = c_fade_out = 10;
        Camp_Return_Request();  // the click stays pending
    }
}

void Briefing_64_Block(int) {
    if (Untimed_Step(0)) Next_Step(6000);
    if (Timed_Step(1)) Scene_Request(2, 3, 0);
    Start_Button(2, 3, 0);
}

// A briefing with a short scene: a sound cue and two animations of sprite 4 before the level.
void Briefing_82_Block(int) {
    if (Untimed_Step(0)) Next_Step(3000);
    if (Timed_Step(1)) {
        stolen_sfx = true;
        chop_sfx = true;
        Anim(4, 1, ANIM_ONCE, true);
        Next_Step(400);
    }
    if (Timed_Step(2)) {
        ping_sfx = true;
        Anim(4, 2, ANIM_LOOP, true);
        Next_Step(3000);
    }
    if (Timed_Step(3)) Scene_Request(2, 10, 0);
    Start_Button(2, 10, 0);
}

void Briefing_117_Block(int) {
    if (Untimed_Step(0)) Next_Step(6000);
    if (Timed_Step(1)) Scene_Request(2, 11, 0);
    Start_Button(2, 11, 0);
}

// The end of the third act: after 8 s the story moves to act 4, the game is saved (when a
// slot is in use) and the title sequence starts again.
void Act_End_Block(int) {
    if (Untimed_Step(0)) {
        Ambience_Stop(false, false, true, true);
        activate_bicycle = false;
        Next_Step(8000);
    }
    if (Timed_Step(1)) {
        current_act = 4;
        main_mission[MISSION_SILO] = 3;
        if (current_file != -1) SaveLevel(Save_Slot_Path(current_file));
        Scene_Request(0, 0);
    }
}

void Briefing_118_Block(int) {
    Armed_Page(START_CAPTION, [] { Act_Hub_Request(30); });
}

void Briefing_124_Block(int) {
    Armed_Page(START_CAPTION, [] { Act_Hub_Request(4); });
}

void Briefing_142_Block(int) {
    Armed_Page(START_CAPTION, [] { Act_Hub_Request(4); });
}

void Briefing_121_Block(int) {
    Armed_Page(START_CAPTION, [] {
        new_mission = MISSION_FORTRESS;
        Act_Hub_Request(4);
    });
}

void Story_Page_119_Block(int) {
    Armed_Page("Skip^Page", [] { Scene_Request(1, 120); });
}

void Story_Page_138_Block(int) {
    Armed_Page("Skip^Page", [] { Scene_Request(3, 1, 7); });
}

// A briefing without steps: the button starts the course level, at its second spawn point
// while the current main mission is under way.
void Briefing_120_Block(int) {
    Clear_Tooltip();
    if (Hover_Button(1, START_CAPTION, button_snd)) {
        click_sfx = true;
        episode = 3;
        scene = 1;
        on_course = true;
        const bool under_way =
            current_main >= 0 && current_main < 25 && main_mission[current_main] == 2;
        current_spawn = under_way ? 6 : 1;
        next_scene = true;
        Use_Click(1);
    }
}

// The alarm briefing: sprite 6 slides down into view while the alarm light (sprite 5) flashes
// and the siren sounds, then it changes look and slides back up, and the act's hub follows.
void Alarm_Briefing_Block(int f_rate) {
    object& board = Camp_Sprite(6);
    if (Untimed_Step(0)) {
        Start_Slide(board.y, -board.height);
        Next_Step(2000);
    }
    if (Timed_Step(1)) {
        Anim(5, 1, ANIM_LOOP, false);
        siren_sfx = true;
        ++title_sequence;  // the slide starts in this call
    }
    if (Untimed_Step(2)) {
        if (Slide_To_Rest(board.y, script_start_x, (float)f_rate * 0.0002f)) ++title_sequence;
    }
    if (Untimed_Step(3)) {
        Anim(5, 2, ANIM_LOOP, false);
        Anim(6, 1, ANIM_ONCE, false);
        death_sfx = true;
        stop_siren = true;
        Next_Step(2000);
    }
    if (Timed_Step(4)) {
        if (board.y > script_start_x - board.height)
            board.y -= (float)f_rate * 0.0002f;
        else
            ++title_sequence;
    }
    if (Untimed_Step(5)) Act_Hub_Request(0);

    Clear_Tooltip();
    if (Hover_Button(2, START_CAPTION, button_snd)) {
        click_sfx = true;
        Act_Hub_Request(0);
        stop_siren = true;
        Use_Click(2);
    }
}
