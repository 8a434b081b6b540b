// Drops from the fallen: the ground items a dead unit or broken object leaves.
#pragma once

// Leaves the drops of drop class `type` (0 an ordinary kill) at the centre of sprite `index`.
void Spawn_Pickup(int index, int type);
