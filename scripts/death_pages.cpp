// The five death pages and the revival in the camp.
#include "scripts/camp_pages.h"

#include <cstdio>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "content/snapshots.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "scripts/scripts.h"
#include "world/animate.h"

namespace {
// Set_Sprite on sprite i of the scene, skipped when the scene has no sprite i.
void Anim(int i, int anim, bool reset) {
    if (sprite && i >= 0 && i < no_sprites && i < MAX_SPRITES)
        Set_Sprite(i, anim, ANIM_LOOP, ANIM_ARRAY_SPRITE, reset);
}

// The page's end, by its last step or by Skip: the click is used up and the player revives.
void End_Page() {
    mouseleft = false;
    ++title_sequence;
    GraveStone();
}

// The shared head of every death page: the tooltip slot and the Skip button on sprite 4. A
// Skip before the page's first step still counts the death.
void Skip_Button() {
    Clear_Tooltip();
    if (Hover_Button(4, "Skip^scene", button_snd)) {
        if (title_sequence == 0) Death_Bookkeeping();
        End_Page();
    }
}
}  // namespace

void Death_Bookkeeping() {
    ++player_death_count;
    if (current_main == MISSION_HIGHLANDERS && main_mission[MISSION_HIGHLANDERS] == 2) {
        global_objects[20] = 0;
        std::remove("scene/episode3/scene23.tmp");  // not there: nothing to delete
    }
    Remove_Temps(2);
}

void GraveStone() {
    ply_had_died = true;
    PLY_VITALITY = stat_vitality + 60;
    if (global_objects[90] == 1) PLY_VITALITY += 40;
    player_health = (float)PLY_VITALITY;
    old_health = PLY_VITALITY;
    Scene_Request(1, 25);
    Burning_Camp_Instead();
    current_spawn = 0;
}

// A tank rolls past (sprite 3 moves left) and the duck takes the money: 10 s.
void Death_Page_8_Block(int f_rate) {
    Skip_Button();
    if (Untimed_Step(0)) {
        Next_Step(1500);
        Death_Bookkeeping();
    }
    if (Timed_Step(1)) {
        tank1_sfx = true;
        Next_Step(1500);
    }
    if (title_sequence == 2 || title_sequence == 4 || title_sequence == 5)
        Camp_Sprite(3).x -= (float)f_rate * 0.0014f;
    if (Timed_Step(2)) {
        Next_Step(3000);
        cash_sfx = true;
        Anim(duck_guy, 1, true);  // only when the scene has its duck
    }
    if (Timed_Step(3)) Next_Step(1000);
    if (Timed_Step(4)) {
        stolen_sfx = true;
        Next_Step(3000);
    }
    if (Timed_Step(5)) End_Page();
}

// Sprite 3 gives way to sprite 7, sprite 2 plays its second look and four fanfares sound: 8 s.
void Death_Page_14_Block(int) {
    Skip_Button();
    if (Untimed_Step(0)) {
        Next_Step(4000);
        Camp_Sprite(7).alpha = 0.0f;
        Death_Bookkeeping();
    }
    if (Timed_Step(1)) {
        Camp_Sprite(3).alpha = 0.0f;
        Camp_Sprite(7).alpha = 1.0f;
        Anim(2, 1, false);
        tada_sfx = true;
        Next_Step(1000);
    }
    for (int k = 2; k <= 4; ++k) {
        if (Timed_Step(k)) {
            tada_sfx = true;
            Next_Step(1000);
        }
    }
    if (Timed_Step(5)) End_Page();
}

// A beam takes sprite 2 up slowly, with a beam sound every 750 ms: 9 s.
void Death_Page_15_Block(int f_rate) {
    Skip_Button();
    if (Untimed_Step(0)) {
        Camp_Sprite(6).alpha = 0.0f;
        Camp_Sprite(7).alpha = 0.0f;
        Next_Step(4500);
        Death_Bookkeeping();
    }
    if (title_sequence >= 2 && Script_Now() > stamp_timer) {
        beam_sfx = true;
        stamp_timer = Script_Now() + 750;
    }
    if (Timed_Step(1)) {
        Camp_Sprite(6).alpha = 0.8f;
        Camp_Sprite(7).alpha = 0.3f;
        Next_Step(500);
    }
    if (Timed_Step(2)) {
        Anim(2, 1, false);
        stolen_sfx = true;
        ++title_sequence;  // the due time stands, so step 3 follows in this call
    }
    for (int k = 3; k <= 6; ++k)
        if (Timed_Step(k)) Next_Step(1000);
    if (title_sequence >= 3) Camp_Sprite(2).y += (float)f_rate * 0.0001f;
    if (title_sequence == 1) Camp_Sprite(5).x += (float)f_rate * 0.001f;
    if (Timed_Step(7)) End_Page();
}

// Sprite 5 moves left, a whistle, then the boss appears (sprites 6 and 7 shown): 9 s.
void Death_Page_16_Block(int f_rate) {
    Skip_Button();
    if (Untimed_Step(0)) {
        Next_Step(4000);
        Camp_Sprite(6).alpha = 0.0f;
        Camp_Sprite(7).alpha = 0.0f;
        Death_Bookkeeping();
    }
    if (title_sequence == 1) Camp_Sprite(5).x -= (float)f_rate * 0.001f;
    if (Timed_Step(1)) {
        whistle_sfx = true;
        Next_Step(2000);
    }
    if (Timed_Step(2)) {
        boss_sfx = true;
        Anim(2, 1, false);
        Camp_Sprite(6).alpha = 1.0f;
        Camp_Sprite(7).alpha = 1.0f;
        Next_Step(3000);
    }
    if (Timed_Step(3)) End_Page();
}

// A still page held for 12 s.
void Death_Page_17_Block(int) {
    Skip_Button();
    if (Untimed_Step(0)) {
        Next_Step(12000);
        Death_Bookkeeping();
    }
    if (Timed_Step(1)) End_Page();
}
