// The scene's data files: the tile map (.bg), the points (.pt), the nodes (.nde), the
// object file (.dat) and the HUD layout (scene/episode0/scene3.dat, in the object-file
// format). Each reader reads its whole file first and applies it only when every value
// was read and every count and index lies inside its table; otherwise it shows its box
// and applies nothing.
#pragma once

#include <cstdio>

#include "common/records.h"

// Tile map: sfilename + ".bg" into tiles, map_set, map_col and the map size.
bool Load_BG(sString sfilename);
// Points: sfilename + ".pt" into points / no_points (every point starts inactive).
bool LoadPoints(sString sfilename);
// Nodes: sfilename + ".nde" into nodes / no_nodes.
bool LoadNodes(sString sfilename);
// HUD layout at filename into hud / hud_no_sprites; sets the message-box geometry.
bool LoadHud(const char* filename);

// The scene's object file at `path` (base path + ".dat"): the header into its globals and
// no_sprites records into sprite[0] onward. False (after the box "Couldn't load
// sceneX.dat") when the file is missing or refused; then no_sprites is 0 and the header
// globals keep their values.
bool Read_Object_File(const char* path);

// Collision code of a tile number as read (in_dungeon decides tile 0).
char Tile_Collision(int tile);
