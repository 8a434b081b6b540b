// Combat and unit AI: the per-frame step of the scene's units, hits and explosions.
#pragma once

#include "combat/damage.h"
#include "combat/firing.h"

#include "combat/ambient.h"   // Ambient_Objects, Ambient_Movers, Ambient_Scroll_Cut_Select
#include "combat/medals.h"    // Medal_Check, global_medals
#include "combat/upkeep.h"    // AI_Upkeep and the upkeep timers

#include "combat/boss.h"
#include "combat/broken_objects.h"
#include "combat/free_shot.h"
#include "combat/ordnance.h"

#include "combat/unit_ai.h"
#include "combat/movement.h"

#include "combat/awareness.h"
#include "combat/cooldowns.h"
#include "combat/sight.h"
#include "combat/spawning.h"


inline bool ply_dead = false;          // the player is dead
inline float camX_OFFSET = 0.0f;       // camera look-ahead set by the mouse code
inline float camY_OFFSET = 0.0f;
inline int tunnel_timer = -1;          // due time of a ladder or tunnel-entry change; -1 none
inline int next_scene1 = -1;
inline int next_episode1 = -1;
inline bool lock_player = false;
