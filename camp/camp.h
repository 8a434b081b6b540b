// Camp screens and mini-games, each run once per main tick on its own scene of episode 1.
#pragma once

void Run_Shop(int ms, int kind);
void Run_Tent(int ms);
void Run_Stats(int ms);
void Run_Tunnel(int ms);
void Run_Gallery(int ms);
void Run_Cards(int ms);
void Run_Medals(int ms);
