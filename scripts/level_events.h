// The level events of episodes 2 and 3: destruction missions, coast and bunkers, the fortress and the missile silo, the convoy.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// Next due time of the cave's rumble (not reset by the scene loader).
inline int thud_timer = 0;

// ---- Episode 2 (level_events.cpp) ----
void Roadway_Event(int f_rate);        // 2/4
void Act2_Camp_Event(int f_rate);      // 2/3
void Act3_Camp_Event(int f_rate);      // 2/10
void Highway_Event(int f_rate);        // 2/1
void Village_Event(int f_rate);        // 2/2
void Fortress_Event(int f_rate);       // 2/8
void Farms_Event(int f_rate);          // 2/9
void Convoy_Event(int f_rate);         // the convoy area

// ---- Episode 3 coast and bunkers (coast_events.cpp) ----
void Pirate_Event(int f_rate);         // 3/14
void Battleship_Event(int f_rate);     // 3/19
void Bay_Event(int f_rate);            // 3/16
void Cliffs_Event(int f_rate);         // 3/21
void Chef_Event(int f_rate);           // 3/2
void Supplies_Event(int f_rate);       // 3/3
void Cellar_Event(int f_rate);         // 3/13
void Training_Event(int f_rate);       // 3/1
void Orchard_Event(int f_rate);        // 3/15
void Basement_Event(int f_rate);       // 3/12
void Bunker_Event(int f_rate);         // 3/5, 3/6, 3/7
void Cave_Rumble_Event(int f_rate);    // 3/9, first block
void Cave_Hide_Event(int f_rate);      // 3/9, second block
void Boatyard_Event(int f_rate);       // 3/18

// ---- Fortress interior and missile complex (silo_events.cpp) ----
void Library_Event(int f_rate);        // 3/26
void Vaults_Event(int f_rate);         // 3/27
void Dungeon_Event(int f_rate);        // 3/28
void Airfield_Event(int f_rate);       // 3/29
void Control_Event(int f_rate);        // 3/30
void Silo_Marker_Event(int f_rate);    // 3/31, 3/32, 3/34, 3/36, 3/37
void Lever_Puzzle_Event(int f_rate);   // 3/33, 3/35

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Level_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    b[57] = Pirate_Event;
    b[64] = Roadway_Event;
    b[65] = Battleship_Event;
    b[66] = Bay_Event;
    b[67] = Cliffs_Event;
    b[68] = Chef_Event;
    b[69] = Act2_Camp_Event;
    b[70] = Act3_Camp_Event;
    b[71] = Airfield_Event;
    b[72] = Control_Event;
    b[73] = Silo_Marker_Event;
    b[74] = Silo_Marker_Event;
    b[75] = Silo_Marker_Event;
    b[76] = Silo_Marker_Event;
    b[77] = Silo_Marker_Event;
    b[78] = Lever_Puzzle_Event;
    b[79] = Lever_Puzzle_Event;
    b[80] = Highway_Event;
    b[81] = Supplies_Event;
    b[82] = Cellar_Event;
    b[83] = Training_Event;
    b[84] = Orchard_Event;
    b[85] = Village_Event;
    b[86] = Library_Event;
    b[87] = Dungeon_Event;
    b[88] = Vaults_Event;
    b[89] = Fortress_Event;
    b[101] = Convoy_Event;
    b[103] = Bunker_Event;
    b[105] = Bunker_Event;
    b[106] = Cave_Rumble_Event;
    b[107] = Bunker_Event;
    b[108] = Boatyard_Event;
    b[109] = Farms_Event;
    b[110] = Cave_Hide_Event;
    b[125] = Basement_Event;
}
