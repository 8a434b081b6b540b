// Sound requests: every raised _sfx flag plays once per tick.
#pragma once

void Run_Sound_Requests();
