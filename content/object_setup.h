// Set-up of a scene's objects by type at load: the per-type lists the game loops walk,
// collision stamps, units' hit points, state and facing, front-end widgets wired to the
// game state, and every object's first animation.
#pragma once

// Capacities of the per-type lists.
constexpr int LIGHT_LIST_SIZE = 50;
constexpr int CPATROL_LIST_SIZE = 10;
constexpr int TRIGGER_LIST_SIZE = 50;
constexpr int BULLETHOLE_LIST_SIZE = 10;
constexpr int PATROL_LIST_SIZE = 100;
constexpr int MAP_PNT_LIST_SIZE = 20;

inline int light_list[LIGHT_LIST_SIZE];      // lamps (type 3 of kind 37 or 38)
inline int light_count = 0;
inline int cpatrol_list[CPATROL_LIST_SIZE];  // the patrol group (type 35)
inline int cpatrol_count = 0;
inline int trigger_list[TRIGGER_LIST_SIZE];  // triggers, ladders and switches
inline int trigger_counter = 0;
inline int bullethole[BULLETHOLE_LIST_SIZE]; // front-end bullet holes
inline int bullet_hole_count = 0;
inline int patrol_list[PATROL_LIST_SIZE];    // patrol points of the scene
inline int patrol_counter = 0;
inline int a_patrol_pnt = -1;                // the last patrol point

// Single indices recorded at set-up.
inline int a_vehicle = -1;                   // the scene's vehicle unit
inline int chasers = 0;                      // the patrol group's two animations of this load
inline int runners = 4;
inline bool first_time_playing = false;

// Runs the set-up over sprite[0 .. no_sprites-1] of a front (4) or walk (3) scene.
// has_snapshot: the scene has a snapshot file (units are then not resized here).
void Setup_Objects(bool has_snapshot);

// The collision-box centre of the last door set up (what the followers fall back on).
inline float follow_centre_x = 0.0f;
inline float follow_centre_y = 0.0f;
