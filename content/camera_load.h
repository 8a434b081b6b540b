// Camera, sale pickups and the wide-screen shift, run once per scene load.
#pragma once

// Puts the view on the player of a walk scene within the map's edges; nothing without player.
void Run_Camera();
// Places an item for sale (or for the taking) at point `index` by its sale type.
void Spawn_Sale_Pickup(int index, int type);
// Moves the objects of certain front scenes to the right on the wide screens.
void Run_skip_diff();
