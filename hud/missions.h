// Missions, acts, medals and fireworks: completed objectives turned into an accomplished
// mission and a new act, the debriefing after a mission, and the celebration of medals and
// rank ups with a message and fireworks over the player.
#pragma once

inline signed char global_objective[10];      // objective flags of the current act
inline signed char global_side_objective[10];
inline int fireworks = -1;         // sprite the fireworks burst over, -1 none
inline int fireworks_type = 0;     // 1 medal, 2 rank up
inline int old_firework = -1;      // shape of the previous burst

// Completes act 1 or act 4 when their objectives are met.
void Calculate_Act();
// Announces a medal (type 1) or a rank up (type 2) and starts the fireworks.
void Medal_Awarded(int type);
// One tick of the fireworks over sprite index.
void Do_Fireworks(int index);
// Sends the player to the debriefing page of the current mission.
void Mission_Accomplished(bool ma_active);
// Unused.
void Calculate_Mission();
