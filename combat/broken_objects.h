// The object half of a hit's destruction stage: what a hit does to a unit-like object
// (turrets, tanks, barrels, birds, cows, signposts, tunnel covers) or to a door or
// container, the items they drop, the counters and story flags they set and the enemy a
// broken container may release. Man_Shot calls these after it has applied the damage.
#pragma once

// A hit on unit-like object guy_shot (type BAG). torso_targeted and exp_gain are the
// caller's locals, written as the hit rules say.
void Hit_Bag_Object(int guy_status, int guy_shot, int guy_shooting, int f_rate, int& torso_targeted,
                    int& exp_gain);
// A hit on door or container guy_shot (type DOR).
void Hit_Door_Object(int guy_status, int guy_shot, int guy_shooting, int f_rate);
// A broken container of rank 0 may release an enemy at the nearest active room or general
// point closer than 2.0.
void Release_From_Container(int guy_shot);
