// Camp screens and mini-games, each run once per main tick on its own scene of episode 1.
#pragma once

#include "camp/gallery.h"

#include "camp/tent.h"
#include "camp/tunnel.h"

#include "camp/shop_screen.h"

#include "camp/albums.h"
#include "camp/medal_box.h"
#include "camp/stats_screen.h"


// Shared with the conversations: kind of the last purchase (the shop keeper's parting line).
inline int purchased = 0;
// Bonus of the headwear or boxers in inventory slot 0 to 15 by its level; 0 for anything else.
float GetItemDefense(int slot);
// True when every upgrade digit of the weapon in inventory slot 0 to 15 stands at its
// highest level (firepower 5, fire rate 1, or 2 for a pistol, reload 2, capacity 5,
// special 1); the super digit itself is not tested.
bool Check_For_Super(int slot);
