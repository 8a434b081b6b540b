// Scene transition and fades: one step of the main tick fades a new scene in, keeps a scene
// without fade-in black for a moment, fades out when a change is requested, shows one black
// frame, applies the episode-4 chain and the return after a death, and loads the scene.
#pragma once

// The buddies following the player; every transition clears them.
inline int no_buddies = 0;
inline int current_buddy[3] = {-1, -1, -1};

// The death page (episode 0 scene) for a death in walk mode in area `level`.
int Death_Page_Scene(int level);

// The step itself, with the tick's elapsed milliseconds.
void Run_Scene_Transition(int f_rate1);
