// Tools of the level events of episodes 2 and 3: tunnel entrances, two-point patrols,
// objective markers, hiding objects, the mission-success pose, the cleared-bunker sweep, the
// enemy counter, explosion chains, the delayed remark and collectible medals.
#pragma once

// Last patrol point reached by sprite 112, 37 and 103 (kept across scene loads).
inline int patroling1 = 0;
inline int patroling2 = 0;
inline int patroling3 = 0;

// A remark the player makes a moment after a target is destroyed.
inline bool speak_txt = false;
inline int speak_timer = 0;

// Turns scene sprite `index` into an open tunnel entrance that leads to the tunnel map, and
// lists it with the triggers (when the list has room). An index outside the scene is ignored.
void Make_Tunnel(int index);
// One leg of a two-point patrol: once unit `loop` is within 0.25 of points[point], it is sent
// walking to points[next_point] (and the patrol record of units 112, 37, 103 notes `point`).
void Check_Patrol(int loop, int point, int next_point);

// Objective markers: clears every radar objective (point types 31 and 32) of the scene's
// marker list; switches one point's marker.
void Clear_Objective_Markers();
void Set_Objective_Marker(int point, bool on);
// Hides sprite k (mouseover, footprint cleared, and switched off when asked); restores it
// (footprint stamped, shown with alpha 1 when asked).
void Hide_Object(int k, bool switch_off = false);
void Restore_Object(int k, bool show = false);
// An object destroyed on an earlier visit: its second animation held, score 0.
void Show_Broken_Object(int k);
// The player's mission-success pose for ms milliseconds (nothing without a player).
void Mission_Success_Pose(int ms);
// Mission m accomplished: its state 1, "Got_it!" over the player when `say`, and the pose.
void Accomplish_Mission(int m, int pose_ms, bool say = true);
// The cleared-bunker sweep: when objective `objective` is done or the act is not the first,
// every enemy unit is taken out of the scene and the enemy count is 0. True when it swept.
bool Cleared_Bunker_Sweep(int objective);
// The enemy counter next to HUD item 3 in text slot 3 (hidden while the map is shown).
void Enemy_Counter_Text();
// Starts an explosion chain at sprite k with start count `count` (0, 2 or 8 give 17, 15 or
// 9 blasts); the unit AI runs it. A type of -1 leaves exploding_type as it is.
void Start_Explosion_Chain(int k, int count, int type = -1);
// Delayed remark: schedule it 1600 ms from now; run it when due (every tick).
void Start_Delayed_Remark();
void Run_Delayed_Remark();
// Collectible medal in slot s: awarded once the kill counter reaches the scene's total.
// True when it was awarded by this call.
bool Check_Collectible_Medal(int s, int kills, int total);
