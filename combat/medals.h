// Medal rules: the player's counters and story progress turned into medals of the medal box.
#pragma once

// One entry per medal, 1 when won; kept in the save file. Entries 0..35 are used: entry k is
// slot k % 12 of layer k / 12 of the medal box.
inline int global_medals[48];

// Awards every medal whose rule holds and that is not yet won, each announced on its own.
void Medal_Check();
