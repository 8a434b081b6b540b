// The fight against the armoured boss of the submarine pen: a step machine on
// title_sequence and title_timer that runs the phases, moves the boss's parts together
// between two scene points, wrecks destroyed parts and ends the scene.
#pragma once

inline float boss_speed = 0.0f;       // target speed, world units per ms
inline float boss_accel = 0.0f;       // current speed, world units per ms
inline bool reverse = false;          // direction of travel
inline bool boss_front = false;       // which way the front gun fires
inline int bullet_count = 0;          // shots of the current burst
inline int scripts_bullet_timer = 0;  // due time of the next shot
inline bool silo_fired = false;       // a launch of silo 27 (or of the launcher) is pending
inline bool silo1_fired = false;      // a launch of silo 28 is pending

// One tick of the boss fight; ms is the time since the previous tick.
void Run_Boss(int ms);
// One shot of boss part `shooter` from (x1, y1) at `angle` radians.
void Boss_Shoot(int shooter, float x1, float y1, float angle, int f_rate);
// The number of steps a boss shot at `angle` takes: 2.4 units measured as half the sum of the
// axis steps, so a shot along an axis reaches farther than a diagonal one.
int Boss_Shot_Steps(float angle);
