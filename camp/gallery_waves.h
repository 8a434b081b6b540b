// The wave scripts of the shooting galleries: which figure comes up in which order, the wait
// before each, its kind and sideways run, and the hold points that wait for kills.
#pragma once

inline constexpr int GALLERY_MAX_WAVES = 50;
// Room for the longest run of hold points (21) and at least one entry after it that never
// matches, which the gallery reads once the last hold point has passed.
inline constexpr int GALLERY_MAX_PAUSES = 22;
// Gallery scenes with a wave script (0 to 11); 12 to 15 are the clay-pigeon shoots.
inline constexpr int GALLERY_SCRIPTED_SCENES = 12;

// The script of the current gallery scene (one at a time).
inline int gallery_sequence[GALLERY_MAX_WAVES];        // sprite raised by wave k
inline int gallery_sequence_times[GALLERY_MAX_WAVES];  // ms after wave k-1 before wave k (entry 0 unused)
inline int gallery_innocent[GALLERY_MAX_WAVES];        // kind: 0 standard, 1 quick, 2 runner, 3 laughing
inline int gallery_direction[GALLERY_MAX_WAVES];       // 0 none, LEFT (3), RIGHT (4)
inline int gallery_pause[GALLERY_MAX_PAUSES];          // hold points in ascending order
inline int gallery_count = 0;                          // waves in the script
inline int gallery_index = 0;                          // next wave
inline int boss_total_score = 0;                       // full health of the boss bar
inline int boss_gallery_health = 0;                    // current health of the boss bar

// Loads the wave script of gallery scene `index` (0 to 11) into the arrays above; for any
// other index only gallery_index and the directions are reset.
void Init_Gallery(int index);
