// Steps of the main tick owned by the input, HUD-upkeep, text, effect, sound and world-clock code.
#pragma once

#include "main/front_end.h"
#include "main/fx_upkeep.h"
#include "main/hud_upkeep.h"
#include "main/keyboard.h"
#include "main/mouse_code.h"
#include "main/music.h"
#include "main/sound_requests.h"
#include "main/text_upkeep.h"
#include "world/world_clock.h"
