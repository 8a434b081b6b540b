// The HUD services, filled in as the HUD, dialogue and inventory code lands. Until then
// each keeps the small behaviour its callers rely on and reports nothing.
#include "common/call_trace.h"
#include "hud/hud.h"

#include "common/game_state.h"
#include "common/world_state.h"
#include "combat/combat.h"
#include "common/scene_state.h"
#include "main/timer.h"







