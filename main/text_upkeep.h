// Text upkeep and the scene countdown.
#pragma once

void Run_Scene_Countdown();
void Run_Text_Upkeep();
