// The tunnel map: fast travel between the four destinations of one of three tunnel
// networks (tunnel_page), episode 1 scene 31.
#pragma once

inline int tunnel_sequence_timer = 0; // due time of the idle animation's next step

// One frame of the tunnel map. f_rate is not used.
void Run_Tunnel(int f_rate);
