// A recorded fight replayed: 300 units of both sides around the player, five seconds of the
// real frame loop on the virtual clock. Every unit's and effect's state is compared, pass by
// pass, with a recording kept in tests/data, so a change that is meant to be only faster
// (sight and path rays, the path finder, the AI step) cannot change a single decision.
//
// To record anew after a change that is meant to alter the fight:
//   VARNOTH_RECORD_FIGHT=tests/data/fight_replay.txt build/test/tests/test_combat_fight_replay
#include "test_scene_fixture.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/fight_scene.h"

namespace {

constexpr int PASSES = 5000;
constexpr int CHECK_EVERY = 50;

struct Recording {
    std::vector<std::pair<int, uint64_t>> checkpoints; // pass, state of the whole fight
    std::vector<uint64_t> sprites;                    // each sprite's state after the last pass
    int standing = 0, effects = 0;
};

std::string Reference_Path() { return std::string(VARNOTH_GOLDEN_DIR) + "/../data/fight_replay.txt"; }

bool Read_Recording(const std::string& path, Recording& r) {
    std::ifstream in(path);
    std::string word;
    while (in >> word) {
        if (word == "pass") {
            int pass = 0;
            std::string hex;
            in >> pass >> hex;
            r.checkpoints.emplace_back(pass, std::stoull(hex, nullptr, 16));
        } else if (word == "sprite") {
            int i = 0;
            std::string hex;
            in >> i >> hex;
            r.sprites.push_back(std::stoull(hex, nullptr, 16));
        } else if (word == "standing") {
            in >> r.standing;
        } else if (word == "effects") {
            in >> r.effects;
        }
    }
    return !r.checkpoints.empty();
}

void Write_Recording(const std::string& path, const Recording& r) {
    std::ofstream out(path);
    out << "standing " << r.standing << "\neffects " << r.effects << "\n";
    char line[64];
    for (auto& [pass, h] : r.checkpoints) {
        std::snprintf(line, sizeof line, "pass %d %016" PRIx64 "\n", pass, h);
        out << line;
    }
    for (size_t i = 0; i < r.sprites.size(); ++i) {
        std::snprintf(line, sizeof line, "sprite %zu %016" PRIx64 "\n", i, r.sprites[i]);
        out << line;
    }
}

class FightReplay : public SceneTest {};

TEST_F(FightReplay, EveryUnitDecidesAsRecorded) {
    ASSERT_TRUE(gl_);
    ASSERT_TRUE(fight_scene::Write_Fight_Scene());
    platform::AdvanceVirtualClock(1000);
    ASSERT_TRUE(fight_scene::Load_Fight_Scene()) << Box_Texts();
    const int units_at_start = fight_scene::Standing_Units();
    ASSERT_GE(units_at_start, fight_scene::UNITS);

    Start_Loop_Stamps();
    Recording run;
    int most_effects = 0;
    for (int pass = 1; pass <= PASSES; ++pass) {
        fight_scene::Fight_Pass();
        if (no_fx > most_effects) most_effects = no_fx;
        if (pass % CHECK_EVERY == 0) run.checkpoints.emplace_back(pass, fight_scene::Fight_State_Hash());
    }
    for (int i = 0; i < no_sprites; ++i) run.sprites.push_back(fight_scene::Sprite_State_Hash(sprite[i]));
    run.standing = fight_scene::Standing_Units();
    run.effects = no_fx;

    // The fight is a fight: shots make effects and units fall.
    EXPECT_GT(most_effects, 0);
    EXPECT_LT(run.standing, units_at_start);

    if (const char* record = std::getenv("VARNOTH_RECORD_FIGHT")) {
        Write_Recording(record, run);
        GTEST_SKIP() << "recorded to " << record;
    }
    Recording ref;
    ASSERT_TRUE(Read_Recording(Reference_Path(), ref)) << "no recording at " << Reference_Path();
    EXPECT_EQ(run.standing, ref.standing);
    EXPECT_EQ(run.effects, ref.effects);
    ASSERT_EQ(run.checkpoints.size(), ref.checkpoints.size());
    for (size_t k = 0; k < ref.checkpoints.size(); ++k) {
        ASSERT_EQ(run.checkpoints[k], ref.checkpoints[k]) << "the fight first differs by pass " << ref.checkpoints[k].first;
    }
    ASSERT_EQ(run.sprites.size(), ref.sprites.size());
    for (size_t i = 0; i < ref.sprites.size(); ++i) EXPECT_EQ(run.sprites[i], ref.sprites[i]) << "sprite " << i;
}

} // namespace
