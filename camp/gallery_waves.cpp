#include "camp/gallery_waves.h"

#include "common/codes.h"

namespace {

constexpr int L = dir_code::LEFT;
constexpr int R = dir_code::RIGHT;

constexpr int LONGEST_SCRIPT = 22;
constexpr int MOST_PAUSES = 21;

enum boss_bar : int { NO_BOSS, BOSS_PER_WAVE, BOSS_PROP };

struct wave_turn {
    int wave;
    int direction;
};

// One gallery scene's script. waits[k] is the wait before wave k; waits[0] is not used (the
// first wave comes 3000 ms after the gallery starts).
struct wave_script {
    int count;
    int sprites[LONGEST_SCRIPT];
    int waits[LONGEST_SCRIPT];
    int kinds[LONGEST_SCRIPT];
    int n_turns;
    wave_turn turns[2];
    int n_pauses;
    int pauses[MOST_PAUSES];
    boss_bar boss;
};

// The boss bar of gallery scenes 3 and 7 grows by this much per wave.
constexpr int BOSS_SCORE_PER_WAVE = 30;
// The prop boss of gallery scene 11.
constexpr int PROP_BOSS_HEALTH = 800;

constexpr wave_script scripts[GALLERY_SCRIPTED_SCENES] = {
    // 0 (episode 1 scene 8)
    {7, {2, 6, 8, 7, 5, 6, 13}, {0, 3000, 1000, 2000, 500, 4000, 1000}, {1, 0, 1, 1, 0, 0, 1},
     0, {}, 3, {3, 4, 6}, NO_BOSS},
    // 1 (scene 21)
    {13, {7, 6, 4, 13, 12, 5, 8, 5, 6, 4, 9, 4, 6},
     {0, 500, 2000, 1000, 1000, 6000, 3000, 400, 2000, 2000, 2000, 6000, 100},
     {1, 0, 0, 1, 2, 0, 1, 0, 0, 0, 2, 0, 0}, 2, {{4, R}, {10, L}}, 4, {3, 6, 10, 11}, NO_BOSS},
    // 2 (scene 22)
    {13, {6, 2, 4, 8, 9, 4, 7, 12, 2, 13, 6, 8, 2},
     {0, 1000, 1000, 2000, 4000, 6000, 1000, 2000, 6000, 500, 3000, 500, 100},
     {0, 1, 0, 1, 2, 0, 1, 2, 1, 1, 0, 1, 1}, 2, {{4, L}, {7, R}}, 5, {3, 5, 8, 10, 12}, NO_BOSS},
    // 3 (scene 23): the laughing figures, each after the previous one's death
    {22, {6, 2, 4, 9, 8, 7, 4, 8, 13, 5, 9, 12, 6, 5, 12, 4, 13, 2, 6, 9, 7, 4},
     {0, 2000, 2000, 2000, 2000, 2000, 2000, 6000, 1000, 1000, 1000, 1000, 1000, 6000, 10, 10, 10,
      10, 10, 10, 10, 10},
     {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, 0, {}, 21,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, BOSS_PER_WAVE},
    // 4 (scene 69)
    {7, {7, 6, 8, 2, 5, 6, 13}, {0, 3000, 1000, 2000, 500, 4000, 1000}, {1, 0, 1, 1, 0, 0, 1},
     0, {}, 3, {3, 4, 6}, NO_BOSS},
    // 5 (scene 70)
    {13, {7, 6, 4, 13, 12, 5, 8, 5, 6, 4, 9, 4, 6},
     {0, 2000, 2000, 1000, 1000, 6000, 3000, 400, 2000, 2000, 2000, 6000, 100},
     {1, 0, 0, 1, 2, 0, 1, 0, 0, 0, 2, 0, 0}, 2, {{4, R}, {10, L}}, 6, {1, 3, 6, 7, 10, 11},
     NO_BOSS},
    // 6 (scene 71)
    {13, {6, 2, 4, 8, 4, 13, 7, 5, 2, 13, 6, 8, 2},
     {0, 1000, 1000, 2000, 3000, 2000, 1000, 2000, 1000, 500, 3000, 500, 100},
     {0, 1, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1}, 0, {}, 5, {3, 5, 8, 10, 12}, NO_BOSS},
    // 7 (scene 73): the cannon boss
    {22, {6, 8, 4, 4, 8, 6, 8, 8, 4, 6, 4, 8, 6, 6, 8, 4, 8, 4, 6, 4, 8, 4},
     {0, 2000, 2000, 2000, 2000, 2000, 2000, 6000, 1000, 1000, 1000, 1000, 1000, 6000, 10, 10, 10,
      10, 10, 10, 10, 10},
     {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, 0, {}, 21,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, BOSS_PER_WAVE},
    // 8 (scene 95)
    {7, {6, 8, 4, 4, 8, 6, 8}, {0, 2000, 2000, 2000, 2000, 2000, 2000}, {3, 3, 3, 3, 3, 3, 3}, 0,
     {}, 7, {1, 2, 3, 4, 5, 6, 7}, NO_BOSS},
    // 9 (scene 96)
    {7, {6, 8, 4, 4, 8, 6, 8}, {0, 2000, 2000, 2000, 2000, 2000, 2000}, {3, 3, 3, 3, 3, 3, 3}, 0,
     {}, 7, {1, 2, 3, 4, 5, 6, 7}, NO_BOSS},
    // 10 (scene 97)
    {7, {6, 8, 4, 4, 8, 6, 8}, {0, 2000, 2000, 2000, 2000, 2000, 2000}, {3, 3, 3, 3, 3, 3, 3}, 0,
     {}, 7, {1, 2, 3, 4, 5, 6, 7}, NO_BOSS},
    // 11 (scene 98): the prop boss; the gallery draws these waves at random
    {7, {6, 8, 4, 4, 8, 6, 8}, {0, 1000, 1000, 1000, 1000, 1000, 6000}, {3, 3, 3, 3, 3, 3, 3}, 0,
     {}, 7, {1, 2, 3, 4, 5, 6, 7}, BOSS_PROP},
};

// Every script fits the arrays it is loaded into.
constexpr bool Scripts_Fit() {
    for (const wave_script& s : scripts) {
        if (s.count < 1 || s.count > LONGEST_SCRIPT || s.count > GALLERY_MAX_WAVES) return false;
        if (s.n_pauses < 0 || s.n_pauses >= GALLERY_MAX_PAUSES) return false;
        for (int t = 0; t < s.n_turns; ++t)
            if (s.turns[t].wave < 0 || s.turns[t].wave >= s.count) return false;
    }
    return true;
}
static_assert(Scripts_Fit(), "a gallery script overruns its arrays");

} // namespace

void Init_Gallery(int index) {
    gallery_index = 0;
    for (int k = 0; k < GALLERY_MAX_WAVES; ++k) gallery_direction[k] = 0;
    if (index < 0 || index >= GALLERY_SCRIPTED_SCENES) return;

    const wave_script& s = scripts[index];
    for (int k = 0; k < s.count; ++k) {
        gallery_sequence[k] = s.sprites[k];
        gallery_sequence_times[k] = s.waits[k];
        gallery_innocent[k] = s.kinds[k];
    }
    for (int t = 0; t < s.n_turns; ++t) gallery_direction[s.turns[t].wave] = s.turns[t].direction;
    for (int p = 0; p < s.n_pauses; ++p) gallery_pause[p] = s.pauses[p];
    gallery_count = s.count;

    if (s.boss == BOSS_PER_WAVE) {
        // Counted afresh on every visit, so the bar's full health is the same each time.
        boss_total_score = 0;
        for (int k = 0; k < s.count; ++k) boss_total_score += BOSS_SCORE_PER_WAVE;
        boss_gallery_health = boss_total_score;
    } else if (s.boss == BOSS_PROP) {
        boss_total_score = PROP_BOSS_HEALTH;
        boss_gallery_health = PROP_BOSS_HEALTH;
    }
}
