// The start values of the globals that the world model share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "world/animate.h"
#include "world/pathfinder.h"
#include "world/sprite_construction.h"
#include "world/world_clock.h"
#include "world/world_services.h"

namespace {

// world/animate.h
KEEP_FRESH(animate_sprites, rythm_delay);

// world/pathfinder.h
KEEP_FRESH(recorded, path, limit_value, col_type, Path_Found, debug_pathX, debug_pathY,
           debug_path_count, wall_offset_X, wall_offset_Y, cell_by_cell_search);

// world/sprite_construction.h
KEEP_FRESH(player_list, player_counter, door_list, door_counter);

// world/world_clock.h
KEEP_FRESH(Light_Level, daytime, wakeup_timer, weather, weather_type, next_rain, rain_timer,
           rain_angle_timer, rain_angle, was_sleeping, shop_special1, shop_special2, shop_special3,
           shop_special4);

// world/world_services.h
KEEP_FRESH(shaking_counter, mouse_row_x, mouse_row_y, mouse_row);
} // namespace

void Fresh_Globals_World() {}
