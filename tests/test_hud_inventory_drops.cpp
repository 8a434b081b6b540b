// Drops from the fallen: fixed loot by class, the ordinary kill's loot by need, story items
// that drop once, and drops the effect array refuses.
#include <cstdlib>
#include <set>

#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/level_table.h"
#include "content/scene_loader.h"
#include "hud/drops.h"
#include "main/fx_upkeep.h"
#include "main/mouse_code.h"
#include "test_hud_inventory_fixture.h"

namespace {

struct drop {
    int code, value, value2, linked;
};

class DropTest : public InventoryTest {
protected:
    static constexpr int VICTIM = 5;

    void SetUp() override {
        InventoryTest::SetUp();
        Place_Unit(VICTIM, 80, 80);
        sprite[VICTIM].rank = 2;
        sprite[VICTIM].sector = 0;
        sprite[VICTIM].score = 0;
        Level = LVL_BASE;
    }

    // The items one call leaves, with the effect array emptied first.
    std::vector<drop> Drops(int cls) {
        for (int i = 0; i < no_fx; ++i) Fx[i] = object{};
        no_fx = 0;
        Spawn_Pickup(VICTIM, cls);
        std::vector<drop> out;
        for (int i = 0; i < no_fx; ++i) {
            if (Fx[i].type != PKU) continue; // blasts of a booby trap
            EXPECT_EQ(Fx[i].id, 2);
            out.push_back({Fx[i].item_type, Fx[i].value, Fx[i].value2, Fx[i].linked_sprite});
        }
        return out;
    }

    // Every family owned and plenty of everything: no family is short.
    static void Well_Supplied() {
        has_rifle = has_shotgun = has_machine = has_pistol = true;
        INV_RIFLE_COUNT = INV_SHOTGUN_COUNT = INV_MACHINE_COUNT = INV_PISTOL_COUNT = 500;
    }
};

} // namespace

TEST_F(DropTest, FixedLootByClass) {
    struct Case {
        int cls;
        std::vector<drop> items;
    };
    sprite[VICTIM].linked_sprite = 7;
    const Case cases[] = {
        {5, {{SHELLS, 2, 0, -1}}},
        {18, {{STICK_GRENADE, 1, 0, -1}}},
        {19, {{PISTOL_AMMO, 50, 0, -1}}},
        {16, {{APPLE, 15, 0, -1}}},
        {12, {{GOLD_APPLE, 15, 0, -1}}},
        {15, {{VALUABLE, 7, 0, -1}}},
        {2, {{VALUABLE, 3, 0, -1}}},
        {3, {{GOLD_APPLE, 5, 0, -1}}},
        {6, {{CAN_O_BEANS_INSTANT, 60, 0, -1}}},
        {8, {{VALUABLE, 0, 0, -1}}},
        {9, {{VALUABLE, 1, 0, -1}}},
        {10, {{VALUABLE, 2, 0, -1}}},
        {20, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        trace.clear();
        const std::vector<drop> got = Drops(c.cls);
        ASSERT_EQ(got.size(), c.items.size()) << "class " << c.cls;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].code, c.items[i].code) << "class " << c.cls;
            EXPECT_EQ(got[i].value, c.items[i].value) << "class " << c.cls;
        }
        EXPECT_EQ(Count("PickUp_Sfx"), c.items.empty() ? 0 : 1) << "class " << c.cls;
    }
    // The drop lies at the victim's centre.
    Drops(5);
    const object& v = sprite[VICTIM];
    EXPECT_NEAR(Fx[0].w, v.w + v.box_width / 2, 0.11f);
    EXPECT_EQ(Fx[0].anim, Calculate_Anim(SHELLS, 2, 0));
}

TEST_F(DropTest, TheSergeantsDropFollowsTheCharacter) {
    const drop third[] = {{SHELLS, 40, 0, -1}, {BULLETS, 100, 0, -1}, {RIFLE_AMMO, 25, 0, -1}};
    for (int ch = 0; ch < 3; ++ch) {
        current_char = ch;
        const std::vector<drop> got = Drops(17);
        ASSERT_EQ(got.size(), 3u);
        EXPECT_EQ(got[0].code, PISTOL_AMMO);
        EXPECT_EQ(got[0].value, 60);
        EXPECT_EQ(got[1].value, 60);
        EXPECT_EQ(got[2].code, third[ch].code);
        EXPECT_EQ(got[2].value, third[ch].value);
    }
}

TEST_F(DropTest, AmmunitionByNeedForClass4) {
    struct Case {
        int pistol, rifle;
        std::set<int> codes;
    };
    const Case cases[] = {
        {30, 31, {PISTOL_AMMO}}, {31, 30, {RIFLE_AMMO}}, {31, 31, {}}, {0, 0, {PISTOL_AMMO, RIFLE_AMMO}},
    };
    for (const Case& c : cases) {
        INV_PISTOL_COUNT = c.pistol;
        INV_RIFLE_COUNT = c.rifle;
        std::set<int> seen;
        for (unsigned seed = 1; seed < 60; ++seed) {
            srand(seed);
            for (const drop& d : Drops(4)) {
                seen.insert(d.code);
                EXPECT_EQ(d.value, d.code == PISTOL_AMMO ? 6 : 1);
            }
        }
        EXPECT_EQ(seen, c.codes) << c.pistol << " " << c.rifle;
    }
}

TEST_F(DropTest, StoryItemsDropOnceAndOnlyWhenMade) {
    // The effect array is full: nothing is made, and the magazines can still come later.
    for (int i = 0; i < MAX_FX; ++i) Fx[i] = object{};
    no_fx = MAX_FX;
    Spawn_Pickup(VICTIM, 13);
    EXPECT_EQ(no_fx, MAX_FX);
    EXPECT_EQ(global_objects[28], 0);
    EXPECT_EQ(Count("PickUp_Sfx"), 0);

    std::vector<drop> got = Drops(13);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, VALUABLE);
    EXPECT_EQ(got[0].value, 4);
    EXPECT_EQ(global_objects[28], 1);
    EXPECT_TRUE(Drops(13).empty());
    global_objects[28] = 0;
    tent_objects[4] = 1; // already in the tent
    EXPECT_TRUE(Drops(13).empty());
    // A valuable kind the victim names outside the valuables drops nothing.
    for (int kind : {-1, 31, 4000}) {
        sprite[VICTIM].linked_sprite = kind;
        EXPECT_TRUE(Drops(15).empty()) << kind;
    }
}

TEST_F(DropTest, AnOrdinaryKillOfAWellSuppliedPlayerGivesGoldNotAmmunition) {
    Well_Supplied();
    std::set<int> seen;
    int drops = 0;
    for (unsigned seed = 1; seed < 3000; ++seed) {
        srand(seed);
        for (const drop& d : Drops(0)) {
            ++drops;
            seen.insert(d.code);
            EXPECT_EQ(d.linked, VICTIM);
            if (d.code == GOLD) { EXPECT_TRUE(d.value >= 1 && d.value <= 200) << d.value; }
            if (d.code == STICK_GRENADE) { EXPECT_EQ(d.value2, 1); }
        }
    }
    EXPECT_GT(drops, 500);
    EXPECT_EQ(seen, (std::set<int>{GOLD, APPLE, STICK_GRENADE, CARD, WATCH}));
}

TEST_F(DropTest, AnOrdinaryKillFillsWhatThePlayerIsShortOf) {
    struct Case {
        const char* what;
        bool pistol_short, shotgun_short, rifle_short;
        bool undead;
        std::set<int> ammunition; // codes of the ammunition band
    };
    const Case cases[] = {
        {"pistol short", true, false, false, false, {PISTOL_AMMO}},
        {"shotgun short", false, true, false, false, {SHELLS}},
        {"pistol and shotgun short: the pistol wins", true, true, false, false, {PISTOL_AMMO}},
        {"shotgun and rifle short: any", false, true, true, false, {BREAD, PISTOL_AMMO, SHELLS, BULLETS, RIFLE_AMMO}},
        {"undead, shotgun short", false, true, false, true, {SHELLS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Well_Supplied();
        if (c.pistol_short) INV_PISTOL_COUNT = 10;
        if (c.shotgun_short) INV_SHOTGUN_COUNT = 6;
        if (c.rifle_short) INV_RIFLE_COUNT = 6;
        sprite[VICTIM].sector = c.undead ? UNIT_SKELETON : 0;
        std::set<int> seen;
        for (unsigned seed = 1; seed < 3000; ++seed) {
            srand(seed);
            for (const drop& d : Drops(0)) {
                if (d.code == GOLD || d.code == APPLE || d.code == STICK_GRENADE || d.code == CARD ||
                    d.code == WATCH || d.code == VALUABLE) {
                    if (c.undead) { EXPECT_TRUE(d.code != GOLD && d.code != CARD && d.code != WATCH) << d.code; }
                    continue;
                }
                seen.insert(d.code);
            }
        }
        EXPECT_EQ(seen, c.ammunition);
    }
}

TEST_F(DropTest, AnUndeadVictimKeepsTheShotgunNeedEvenWithoutAShotgun) {
    Well_Supplied();
    has_shotgun = false;
    INV_SHOTGUN_COUNT = 0;
    for (int sector : {UNIT_DEAD_CHIEF, 0}) {
        sprite[VICTIM].sector = sector;
        std::set<int> seen;
        for (unsigned seed = 1; seed < 2000; ++seed) {
            srand(seed);
            for (const drop& d : Drops(0)) seen.insert(d.code);
        }
        EXPECT_EQ(seen.count(SHELLS), sector == UNIT_DEAD_CHIEF ? 1u : 0u) << sector;
        EXPECT_EQ(seen.count(GOLD), sector == UNIT_DEAD_CHIEF ? 0u : 1u) << sector;
    }
}

TEST_F(DropTest, CardsFollowTheAreaAndAVictimOfRankZeroStillDropsGold) {
    Well_Supplied();
    sprite[VICTIM].rank = 0;
    spawn_card2 = true;
    std::set<int> cards;
    for (unsigned seed = 1; seed < 3000; ++seed) {
        srand(seed);
        for (const drop& d : Drops(0)) {
            if (d.code == CARD) cards.insert(d.value);
            if (d.code == GOLD) { EXPECT_TRUE(d.value >= 1 && d.value <= 100) << d.value; }
        }
    }
    ASSERT_FALSE(cards.empty());
    EXPECT_GE(*cards.begin(), 12);
    EXPECT_LE(*cards.rbegin(), 23);
    spawn_nocard = true;
    for (unsigned seed = 1; seed < 1000; ++seed) {
        srand(seed);
        for (const drop& d : Drops(0)) EXPECT_NE(d.code, CARD);
    }
}

TEST_F(DropTest, TheSuppliesAreaDropsTheFireVestUntilTheTeaCupHasDropped) {
    Level = LVL_SUPPLIES;
    global_objects[85] = 0;
    std::set<int> kinds;
    for (unsigned seed = 1; seed < 6000 && global_objects[85] == 0; ++seed) {
        srand(seed);
        for (const drop& d : Drops(0))
            if (d.code == VALUABLE) kinds.insert(d.value);
    }
    EXPECT_EQ(global_objects[85], 1);
    EXPECT_EQ(kinds.count(24), 1u);
    for (unsigned seed = 1; seed < 3000; ++seed) {
        srand(seed);
        for (const drop& d : Drops(0)) EXPECT_NE(d.code, VALUABLE);
    }
}

TEST_F(DropTest, MixedLootAndTheBoobyTrap) {
    // A player short of pistol rounds always gets 150 of them.
    has_pistol = true;
    INV_PISTOL_COUNT = 3;
    for (unsigned seed = 1; seed < 100; ++seed) {
        srand(seed);
        const std::vector<drop> got = Drops(7);
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].code, PISTOL_AMMO);
        EXPECT_EQ(got[0].value, 150);
    }
    // Otherwise a trap may go off, but never in the safe areas nor on a stealth mission.
    has_pistol = false;
    struct Case {
        int level;
        bool stealth;
        bool traps;
    };
    const Case cases[] = {{LVL_VILLAGE, false, true}, {LVL_BASE, false, false}, {LVL_SUPPLIES, false, false},
                          {LVL_VILLAGE, true, false}};
    for (const Case& c : cases) {
        Level = c.level;
        is_a_stealth_mission = c.stealth;
        trace.clear();
        for (unsigned seed = 1; seed < 400; ++seed) {
            srand(seed);
            Drops(7);
        }
        EXPECT_EQ(Count("Shell_Landed") > 0, c.traps) << c.level;
    }
}

TEST_F(DropTest, ClassOneLeavesTwoToFourOfTheSameThing) {
    std::set<std::size_t> counts;
    for (unsigned seed = 1; seed < 400; ++seed) {
        srand(seed);
        const std::vector<drop> got = Drops(1);
        if (got.empty()) continue;
        counts.insert(got.size());
        for (const drop& d : got) {
            EXPECT_EQ(d.code, got[0].code);
            EXPECT_EQ(d.value, got[0].value);
            if (d.code == BREAD) { EXPECT_EQ(d.value, 30); }
            else { EXPECT_TRUE(d.code == GOLD && d.value >= 10 && d.value <= 30) << d.code << " " << d.value; }
        }
    }
    EXPECT_EQ(counts, (std::set<std::size_t>{2, 3, 4}));
}

TEST_F(DropTest, AVictimThatIsNoSpriteDropsNothing) {
    for (int index : {-1, 750, 100000}) {
        no_fx = 0;
        Spawn_Pickup(index, 5);
        EXPECT_EQ(no_fx, 0);
    }
}
