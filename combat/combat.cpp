// What is left here of the combat stand-ins; the unit AI step lives in combat/unit_ai.cpp.
#include "combat/combat.h"

#include "common/call_trace.h"

#include <cmath>
#include <string>

#include "common/game_state.h"
#include "common/world_state.h"
#include "main/timer.h"


