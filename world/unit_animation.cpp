#include "world/unit_animation.h"

#include "common/sound_requests.h"

void Animation_System(int, bool, bool, bool, bool) {}

void Play_Footstep(int) { footstep_sfx = true; }
