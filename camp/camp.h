// Camp screens and mini-games, each run once per main tick on its own scene of episode 1.
#pragma once

#include "camp/gallery.h"
#include "camp/shop_texts.h"
#include "camp/upgrades.h"

#include "camp/tent.h"
#include "camp/tunnel.h"

#include "camp/shop_screen.h"

#include "camp/albums.h"
#include "camp/medal_box.h"
#include "camp/stats_screen.h"


// Shared with the conversations: kind of the last purchase (the shop keeper's parting line).
inline int purchased = 0;
