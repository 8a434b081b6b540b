// The two control schemes of the player's soldier and their line walks over the collision
// grid. The mouse code calls exactly one scheme per tick, after it has worked out what lies
// under the pointer.
#pragma once

// Mouse and keyboard: W, A, S, D walk relative to the pointer, Space fires, a click fires
// or throws. f_rate1 is the main tick's step, passed on to the shot.
void Run_Keyboard(int f_rate1);
// Mouse only: a click walks to the pointer or attacks what is under it.
void Run_Mouse(int f_rate1);
// Walks unit k toward the last free cell on the straight line to (x2, y2); false when no
// free cell lies on it.
bool Get_Nearest_Tile(int k, float x2, float y2);
// True when the first 0.1 world units of the line toward (x2, y2) cross no solid cell.
bool Get_Next_Tile(int k, float x2, float y2);
// Marks the target under the pointer (stored_target) as the flashing target once the last
// flash step has passed; the previous one gets its full alpha back.
void Target_Flash();
