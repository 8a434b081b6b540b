// Combat and unit AI: the per-frame step of the scene's units, hits and explosions.
#pragma once

// The per-frame step of the whole scene; ms is the time since the previous step (1..99).
void AI(int ms);
// One tick of the boss fight of its level.
void Run_Boss(int ms);
// Applies one hit to sprite guy_shot.
void Man_Shot(int guy_status, int guy_shot, int guy_shooting, int bullet_type, int f_rate);
// Resolves one explosion at (x, y).
void Shell_Landed(float x, float y, int shooter, int ms, int type);
// Pushes the hit sprite one step away from the shooter.
void Knock_Back(int guy_shooting, int guy_shot, int f_rate);
// Returns a unit to idle.
void ShotIdle(int unit);
// Whether the box centres of sprites a and b lie within range.
bool Is_Guy_In_Range(int a, int b, float range);
// Traces one shot of the player.
void TestSpriteToShootPly(int shooter, float fromX, float fromY, float toX, float toY, bool flag,
                          int target, int ms, bool spread);

inline bool ply_dead = false;          // the player is dead
inline float camX_OFFSET = 0.0f;       // camera look-ahead set by the mouse code
inline float camY_OFFSET = 0.0f;
inline int tunnel_timer = -1;          // due time of a ladder or tunnel-entry change; -1 none
inline int next_scene1 = -1;
inline int next_episode1 = -1;
inline bool lock_player = false;
