// Enemy spawning: small groups of units in free ground out of the player's sight, or in a
// room whose point the player reached.
#pragma once

// Group code of number_of_dudes: the general with his two officers.
constexpr int SPAWN_GENERAL_GROUP = 101;

// Makes up to number_of_dudes units (or the general's group, 101) around a point ahead of
// the player, or around room point best_point (-1 none). True when a spawn choice was made.
bool Spawn_A_Guy(int number_of_dudes, int best_point, bool buddy);
// Clears the computer side's building slots naming sprite index.
void Reset_Build_Types(int index);
