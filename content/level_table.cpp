#include "content/level_table.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "main/frame_loop.h"

area_entry Area_Of(int e, int s) { return area_data::Find(e, s); }

void Apply_Level_Table(int e, int s) {
    Level = -1;
    in_open_world = false;
    in_dungeon = false;
    is_a_stealth_mission = false;
    gallery_mode_active = false;
    spawn_level_number = 0;
    spawn_card2 = false;
    spawn_card3 = false;
    spawn_nocard = false;

    const area_entry a = Area_Of(e, s);
    if (a.level == -1) return;
    Level = a.level;
    in_open_world = (a.flags & AREA_OPEN_WORLD) != 0;
    in_dungeon = (a.flags & AREA_DUNGEON) != 0;
    is_a_stealth_mission = (a.flags & AREA_STEALTH) != 0;
    gallery_mode_active = (a.flags & AREA_GALLERY) != 0;
    spawn_level_number = a.spawn_level;
    spawn_card2 = (a.flags & AREA_CARD2) != 0;
    spawn_card3 = (a.flags & AREA_CARD3) != 0;
    spawn_nocard = (a.flags & AREA_NOCARD) != 0;
}
