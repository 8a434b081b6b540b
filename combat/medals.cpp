// The medal rules: each rule whose condition holds wins its medal once.
#include "combat/medals.h"

#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/content_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "hud/player_stats.h"

namespace {

bool Mission_Completed(int m) { return main_mission[m] == 3; }

// Kill-count medals: counter above its threshold wins the entry.
struct Kill_Rule {
    const int* counter;
    int more_than;
    int entry;
};

void Award(int entry) {
    if (global_medals[entry] == 1) return;
    Medal_Awarded(1);
    global_medals[entry] = 1;
}

void Award_If(bool condition, int entry) {
    if (condition) Award(entry);
}

}  // namespace

void Medal_Check() {
    constexpr Kill_Rule total_kills[] = {
        {&player_kill_count, 99, 0},
        {&player_kill_count, 249, 1},
        {&player_kill_count, 499, 2},
        {&player_kill_count, 999, 3},
    };
    for (const Kill_Rule& r : total_kills) Award_If(*r.counter > r.more_than, r.entry);

    Award_If(pigeon_finished, 8);
    Award_If(player_knife_count > 99, 9);
    Award_If(total_no_bottles != 0 && bottle_count >= total_no_bottles, 11);
    Award_If(episode == 3 && scene == 3 && no_lights_on >= total_light_count && total_light_count != 0, 10);

    // Mission medals, in the order of the medal box.
    constexpr int mission_medals[][2] = {
        {2, 4},
        {MISSION_SUPPLIES, 5},
        {4, 6},
        {MISSION_CONVOY, 7},
        {MISSION_NUN, 16},
        {MISSION_REVENGE, 17},
        {MISSION_TRENCH, 18},
        {MISSION_FORTRESS, 19},
        {MISSION_WINDMILL, 28},
        {MISSION_RADAR, 29},
        {MISSION_SILO, 30},
        {MISSION_SILO, 31},
    };
    for (const auto& m : mission_medals) Award_If(Mission_Completed(m[0]), m[1]);

    Award_If(has_all_cards, 35);
    Award_If(has_all_furniture, 23);

    constexpr Kill_Rule class_kills[] = {
        {&player_soldier_kill_count, 249, 12},
        {&player_chief_kill_count, 49, 13},
        {&player_mortar_kill_count, 49, 14},
    };
    for (const Kill_Rule& r : class_kills) Award_If(*r.counter > r.more_than, r.entry);

    Award_If(global_objects[44] == 1, 15);

    constexpr Kill_Rule late_kills[] = {
        {&player_scout_kill_count, 249, 24},
        {&player_ss_kill_count, 49, 25},
        {&player_dog_kill_count, 49, 26},
        {&player_zombie_kill_count, 999, 27},
    };
    for (const Kill_Rule& r : late_kills) Award_If(*r.counter > r.more_than, r.entry);
}
