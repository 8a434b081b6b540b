// The start values of the globals that the rendering share through their headers, for
// Reset_Game_State. A global added to one of these headers is added here too.
#include "common/fresh_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "render/draw.h"
#include "render/font.h"
#include "render/sprites.h"
#include "render/texture_opacity.h"
#include "render/tile_map.h"

namespace {

// render/draw.h
KEEP_FRESH(var5, new_no_sprites, var3, z_buffer_count, sprite_list, var4, hud_z_count, hud_list,
           view_cone_timer, render_bg, BGList);

// render/font.h
KEEP_FRESH(display_font);

// render/sprites.h
KEEP_FRESH(display, global_u, global_u1, global_v, global_v1, Gvector, Gcolor, Gtex, src_one,
           src_two);

// render/texture_opacity.h
KEEP_FRESH(opaque_texture);

// render/tile_map.h
KEEP_FRESH(mud_index);
} // namespace

void Fresh_Globals_Render() {}
