// Action cooldowns: the due times that pace a unit after it fires, knifes, throws, rests
// or is hit.
#pragma once

// Sets sprite index's all_timer and reload_timer for the action status it just entered.
void Rank_Timer(int index, int status);
