// Action cooldowns after firing, knifing, throwing, resting and being hit.
#include <gtest/gtest.h>

#include "combat/cooldowns.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "hud/hud.h"
#include "hud/weapons.h"
#include "support/virtual_clock.h"
#include "test_world_fixture.h"

namespace {
constexpr int NOW = 5000;
constexpr int KEEP = -1; // the field keeps its earlier value
constexpr int OLD_TIME = 777;
constexpr int PLAYER = 7;
constexpr int OTHER = 8;
} // namespace

class CombatCooldowns : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        Advance_Ms(NOW);
        p1_id = PLAYER;
    }
    // Runs Rank_Timer on a fresh unit and returns its (reload, all) periods after now, or
    // KEEP for a field left alone.
    std::pair<int, int> Run(int index, int cls, int status) {
        object& u = sprite[index];
        u.sector = cls;
        u.reload_timer = u.all_timer = OLD_TIME;
        Rank_Timer(index, status);
        return {u.reload_timer == OLD_TIME ? KEEP : u.reload_timer - NOW, u.all_timer == OLD_TIME ? KEEP : u.all_timer - NOW};
    }
};

TEST_F(CombatCooldowns, ComputerSideUnits) {
    struct { int cls; int status; int reload; int all; } cases[] = {
        // firing
        {BOMBER, 29, 100, 220}, {UNIT_MORTAR, 29, 100, 220}, {GUNNER, 29, 100, 220},
        {UNIT_MORTAR1, 29, 1500, 3100}, {UNIT_SHOTGUN, 29, 100, 220}, {DUCK, 29, 100, 220},
        {CHIEF, 29, 100, 220}, {SAILOR, 29, 60, 120}, {SHIELD, 29, 100, 220}, {MOUNTED, 29, 100, 220},
        {UNIT_SNIPER, 29, 100, 220}, {UNIT_SKELETON, 29, 100, 200}, {MONKEY, 29, 100, 300},
        {DOG, 29, 100, 300}, {UNIT_SHARK, 29, 100, 200}, {UNIT_DEAD_CHIEF, 29, 100, 220},
        // classes without a fire rule keep their timers
        {UNIT_TANK, 29, KEEP, KEEP}, {WORKER, 29, KEEP, KEEP},
        // a grenade throw
        {GUNNER, 67, 500, 100},
        // hits: 21 for everyone, longer for a shield bearer; 53 knocked down; 38 has no rule
        {GUNNER, 21, KEEP, 500}, {SHIELD, 21, KEEP, 1500}, {GUNNER, 53, KEEP, 3000}, {GUNNER, 38, KEEP, KEEP},
        // rests after fire and after a throw
        {GUNNER, 51, KEEP, 1000}, {UNIT_SHOTGUN, 51, KEEP, 2000}, {BOMBER, 51, KEEP, 2000},
        {UNIT_MORTAR1, 51, KEEP, 4000}, {GUNNER, 74, KEEP, 2000},
        // statuses without a rule
        {GUNNER, 3, KEEP, KEEP}, {GUNNER, 27, KEEP, KEEP}, {GUNNER, 54, KEEP, KEEP},
    };
    for (const auto& c : cases) {
        auto r = Run(OTHER, c.cls, c.status);
        EXPECT_EQ(r.first, c.reload) << "class " << c.cls << " status " << c.status;
        EXPECT_EQ(r.second, c.all) << "class " << c.cls << " status " << c.status;
    }
}

TEST_F(CombatCooldowns, PlayerActionsAndHitsHoldHisHealing) {
    GUN_FIRERATE = 350;
    struct { int status; int reload; int all; bool stops_healing; } cases[] = {
        {29, 350, 2000, true}, {54, 250, 200, true}, {67, 500, 400, true},
        {21, KEEP, 200, true}, {53, KEEP, 1000, false},
        // rests belong to the computer side only
        {51, KEEP, KEEP, false}, {74, KEEP, KEEP, false},
    };
    for (const auto& c : cases) {
        start_healing = true;
        // Class rules that do not exclude the player are overridden by his own (GUNNER is
        // excluded; a BOMBER player must still get the player's cooldowns when firing).
        for (int cls : {GUNNER, BOMBER, CHIEF}) {
            auto r = Run(PLAYER, cls, c.status);
            EXPECT_EQ(r.first, c.status == 29 && cls == CHIEF ? 100 : c.reload) << "status " << c.status << " class " << cls;
            EXPECT_EQ(r.second, c.status == 29 && cls == CHIEF ? 220 : c.all) << "status " << c.status << " class " << cls;
        }
        EXPECT_EQ(start_healing, !c.stops_healing) << "status " << c.status;
    }
}

TEST_F(CombatCooldowns, PartyPowerShortensThePlayersReloadByWeaponFamily) {
    GUN_FIRERATE = 900;
    party_power = true;
    struct { bool shotgun, machine, pistol, rifle; int reload; } cases[] = {
        {false, false, false, false, 900}, {true, false, false, false, 500}, {false, true, false, false, 100},
        {false, false, true, false, 200}, {false, false, false, true, 500},
        {true, true, false, false, 100}, {false, true, true, false, 200},
    };
    for (const auto& c : cases) {
        has_shotgun_equipped = c.shotgun;
        has_machine_equipped = c.machine;
        has_pistol_equipped = c.pistol;
        has_rifle_equipped = c.rifle;
        auto r = Run(PLAYER, GUNNER, 29);
        EXPECT_EQ(r.first, c.reload);
        EXPECT_EQ(r.second, 2000);
    }
    party_power = false;
    has_machine_equipped = true;
    EXPECT_EQ(Run(PLAYER, GUNNER, 29).first, 900);
}

TEST_F(CombatCooldowns, WithoutAPlayerEveryUnitIsComputerSide) {
    p1_id = -1;
    EXPECT_EQ(Run(OTHER, GUNNER, 29), std::make_pair(100, 220));
    EXPECT_EQ(Run(OTHER, GUNNER, 21), std::make_pair(KEEP, 500));
    // The computer-side throw rule needs a player in the scene.
    EXPECT_EQ(Run(OTHER, GUNNER, 67), std::make_pair(KEEP, KEEP));
}

TEST_F(CombatCooldowns, IndicesOffTheArrayAreIgnored) {
    Rank_Timer(-1, 29);
    Rank_Timer(750, 29);
    Rank_Timer(100000, 21);
    SUCCEED();
}
