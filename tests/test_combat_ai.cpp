// The unit AI driver: status changes on due deadlines (deaths, bodies, risers, downed units,
// hits, attacks, scene outcomes), target upkeep, look-around, the movement gate, the
// player's regeneration, the tail of the step and the list entries it may not trust.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "combat/awareness.h"
#include "combat/combat.h"
#include "combat/movement.h"
#include "combat/unit_ai.h"
#include "combat/upkeep.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/mouse_code.h"
#include "main/scene_transition.h"
#include "platform/platform.h"
#include "test_world_fixture.h"
#include "world/sprite_construction.h"

namespace {

constexpr int P = 1; // the player, when a test has one
constexpr int U = 5; // the unit under test
constexpr int T = 7; // a target
constexpr int FAR = INT_MAX - 1000; // a deadline that never comes in a test

class UnitAiTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        platform::AdvanceVirtualClock(1000);
        player_counter = 0;
        lock_player = false;
        no_buddies = 0;
    }
    // A live, idle unit of the enemy side on cell (col, row), listed for the AI step and kept
    // from shooting and searching unless a test allows it.
    object& Unit(int i, int col, int row, int unit_class = GUNNER) {
        Place_Unit(i, col, row);
        object& o = sprite[i];
        o.sector = unit_class;
        o.sector_action = AI_ATTACK;
        o.linked_sprite = 1;
        o.score = 50;
        o.rank = 1;
        o.status = 3;
        o.fire_target = -1;
        o.reached_node = -1;
        o.onDeath_action = -1;
        o.mov_x = 10001;
        o.node_count = -1;
        o.all_timer = FAR;
        o.ai_timer = FAR;
        o.emy_shoot = FAR;
        o.reload_timer = FAR;
        o.spotted_timer = FAR;
        o.heal_timer = FAR;
        o.alpha = o.light = 1.0f;
        player_list[player_counter++] = i;
        return o;
    }
    object& Player(int col = 20, int row = 20) {
        object& p = Unit(P, col, row);
        p.linked_sprite = 0;
        p.score = 100;
        p1_id = P;
        player_type = 0;
        return p;
    }
    static void Step(int ms = 16) {
        platform::AdvanceVirtualClock(ms);
        AI(ms);
    }
};

TEST_F(UnitAiTest, DeathChainsByClass) {
    struct Case {
        const char* name;
        int unit_class;
        int rank;
        int body_ms;  // dying -> body
        int fade_ms;  // body -> fading
        int end_status;
        int end_score;
    } cases[] = {
        {"gunner ends as a free slot", GUNNER, 2, 6000, 8000, 44, 0},
        {"skeleton rises", UNIT_SKELETON, 2, 1500, 500, 64, 40},
        {"dead chief rises stronger", UNIT_DEAD_CHIEF, 3, 1500, 500, 64, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player_counter = 0;
        object& u = Unit(U, 50, 50, c.unit_class);
        u.rank = c.rank;
        u.status = 30;
        u.score = 0;
        u.all_timer = Now();
        AI(16);
        EXPECT_EQ(sprite[U].status, 30) << "a deadline is due only once the clock has passed it";
        Step(1);
        ASSERT_EQ(sprite[U].status, 31);
        EXPECT_EQ(sprite[U].all_timer, Now() + c.body_ms);
        EXPECT_EQ(sprite[U].priority, 3);
        Step(c.body_ms);
        EXPECT_EQ(sprite[U].status, 31);
        Step(1);
        ASSERT_EQ(sprite[U].status, 42);
        EXPECT_EQ(sprite[U].all_timer, Now() + c.fade_ms);
        Step(c.fade_ms + 1);
        EXPECT_EQ(sprite[U].status, c.end_status);
        EXPECT_EQ(sprite[U].score, c.end_score);
        if (c.end_status == 44) {
            EXPECT_TRUE(sprite[U].turn_off);
        } else {
            EXPECT_EQ(sprite[U].fire_target, -1);
            EXPECT_EQ(sprite[U].priority, 2);
        }
    }
}

TEST_F(UnitAiTest, TankTopKeepsItsPriorityWhenItDies) {
    object& u = Unit(U, 50, 50, BOMBER); // a class whose texture is not chosen by class

    u.status = 30;
    u.score = 0;
    u.priority = 5;
    u.onDeath_action = TANK_TOP;
    u.all_timer = Now();
    Step(1);
    EXPECT_EQ(sprite[U].status, 31);
    EXPECT_EQ(sprite[U].priority, 5);
}

// The last chance of a downed unit: one time in four it stands up, otherwise it dies.
TEST_F(UnitAiTest, DownedUnitRevivesOrDiesWithoutBuddies) {
    bool revived = false, died = false;
    for (unsigned seed = 1; seed <= 40 && !(revived && died); ++seed) {
        SCOPED_TRACE(seed);
        player_counter = 0;
        enemy_count = 10;
        cellar_kill_count = 0;
        in_dungeon = true;
        Level = LVL_CELLAR;
        object& u = Unit(U, 50, 50);
        u.status = 56;
        u.score = 0;
        u.mercy = true;
        u.all_timer = Now();
        Wall(50, 50, COL_FOOTPRINT);
        Step(1);
        ASSERT_EQ(sprite[U].status, 57);
        EXPECT_EQ(sprite[U].all_timer, Now() + 4000);
        platform::AdvanceVirtualClock(4001);
        srand(seed);
        AI(16);
        EXPECT_FALSE(sprite[U].mercy);
        EXPECT_EQ(sprite[U].all_timer, Now() + 500);
        if (sprite[U].status == 3) {
            revived = true;
            EXPECT_EQ(sprite[U].score, 5);
            EXPECT_EQ(enemy_count, 10);
        } else {
            died = true;
            EXPECT_EQ(sprite[U].status, 31);
            EXPECT_EQ(sprite[U].score, 0);
            EXPECT_EQ(Col(50, 50), COL_FREE) << "the body frees its cell";
            EXPECT_EQ(enemy_count, 9);
            EXPECT_EQ(cellar_kill_count, 1);
        }
    }
    EXPECT_TRUE(revived);
    EXPECT_TRUE(died);
}

TEST_F(UnitAiTest, DownedUnitWaitsWhileBuddiesAreAbout) {
    no_buddies = 2;
    object& u = Unit(U, 50, 50);
    u.status = 57;
    u.score = 0;
    u.all_timer = Now();
    for (int i = 0; i < 10; ++i) {
        Step(501);
        ASSERT_EQ(sprite[U].status, 57);
        EXPECT_EQ(sprite[U].all_timer, Now() + 500);
        EXPECT_EQ(sprite[U].score, 0);
    }
}

TEST_F(UnitAiTest, DownedUnitOffTheMapDiesWithoutTouchingTheGrid) {
    object& u = Unit(U, 50, 50);
    u.w = u.x = 40.0f; // far outside the 15 by 15 map
    u.status = 57;
    u.score = 0;
    u.all_timer = Now();
    for (unsigned seed = 1; seed <= 40 && sprite[U].status == 57; ++seed) {
        srand(seed);
        Step(501);
    }
    for (int c = 0; c < GRID_CELLS; ++c) ASSERT_EQ(map_col[c], COL_FREE);
}

TEST_F(UnitAiTest, AttacksEndByWhoAttacked) {
    struct Case {
        const char* name;
        bool player;
        int from;
        bool moving;
        int to;
    } cases[] = {
        {"enemy after a shot pauses", false, 29, false, 51},
        {"enemy after a grenade pauses", false, 67, false, 74},
        {"player after a shot is idle", true, 29, false, 3},
        {"player after a knife attack is idle", true, 54, false, 3},
        {"player after a throw is idle", true, 67, false, 3},
        {"walking player after a shot stops", true, 29, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player_counter = 0;
        object& p = Player(20, 20);
        p.emy_shoot = FAR;
        int who = c.player ? P : U;
        if (!c.player) Unit(U, 21, 20); // next to the player: no chase
        object& a = sprite[who];
        a.status = c.from;
        a.moving = c.moving;
        a.all_timer = Now();
        Step(1);
        EXPECT_EQ(sprite[who].status, c.to);
        EXPECT_FALSE(sprite[who].moving);
        if (!c.player) { EXPECT_GT(sprite[who].all_timer, Now()) << "Rank_Timer set the pause"; }
    }
}

TEST_F(UnitAiTest, PauseAfterAShotEndsInAWalkOrIdle) {
    Player(20, 20);
    for (bool moving : {false, true}) {
        SCOPED_TRACE(moving);
        object& u = Unit(U, 21, 20); // next to the player: no chase
        u.status = 51;
        u.moving = moving;
        u.turning = true;
        u.all_timer = Now();
        Step(1);
        EXPECT_EQ(sprite[U].status, moving ? 27 : 3);
        if (moving) {
            EXPECT_EQ(sprite[U].all_timer, Now() + 2000);
            EXPECT_FALSE(sprite[U].turning);
        }
    }
}

TEST_F(UnitAiTest, ChaseAfterAShot) {
    Player(20, 20);
    object& u = Unit(U, 40, 20); // 2 units away
    u.status = 51;
    u.moving = true;
    u.all_timer = FAR;
    Step(1);
    const object& p = sprite[P];
    EXPECT_FLOAT_EQ(sprite[U].end_x, p.w + p.box_width / 2);
    EXPECT_FLOAT_EQ(sprite[U].end_y, p.z + p.box_height / 2);
    EXPECT_TRUE(sprite[U].spotted);
    EXPECT_EQ(sprite[U].spotted_timer, Now() + 8000);
    EXPECT_EQ(sprite[U].status, 27) << "the player is out of reach: the unit walks after him";
}

TEST_F(UnitAiTest, HitRecovery) {
    for (int status : {21, 53}) {
        for (bool moving : {false, true}) {
            SCOPED_TRACE(status * 10 + moving);
            player_counter = 0;
            object& u = Unit(U, 50, 50);
            u.status = status;
            u.moving = moving;
            u.all_timer = Now();
            Step(1);
            EXPECT_EQ(sprite[U].status, moving ? 27 : 3);
        }
    }
    lock_player = true;
    player_counter = 0;
    object& u = Unit(U, 50, 50);
    u.status = 21;
    u.all_timer = Now();
    Step(1);
    EXPECT_EQ(sprite[U].status, 21) << "nothing recovers while the player is locked";
}

TEST_F(UnitAiTest, CaughtOnAStealthMissionFailsIt) {
    for (bool stealth : {false, true}) {
        SCOPED_TRACE(stealth);
        player_counter = 0;
        next_scene = false;
        failed_stealth = false;
        episode = scene = 3;
        is_a_stealth_mission = stealth;
        object& u = Unit(U, 50, 50);
        u.status = 72;
        u.all_timer = Now();
        Step(1);
        EXPECT_EQ(sprite[U].status, 3);
        EXPECT_EQ(next_scene, stealth);
        EXPECT_EQ(failed_stealth, stealth);
        EXPECT_EQ(scene, stealth ? 76 : 3);
        EXPECT_EQ(episode, stealth ? 1 : 3);
    }
}

TEST_F(UnitAiTest, MissionPoseHoldsThePlayerThenDebriefs) {
    object& p = Player();
    p.status = 69;
    p.all_timer = Now() + 100;
    current_main = 2;
    mission_accomplished_active = false;
    Step(16);
    EXPECT_TRUE(lock_player);
    EXPECT_EQ(sprite[P].status, 69);
    Step(100);
    EXPECT_FALSE(lock_player);
    EXPECT_EQ(sprite[P].status, 3);
    EXPECT_TRUE(next_scene) << "the debriefing of main mission 2 started";
}

TEST_F(UnitAiTest, TrainingDebriefsOnlyOnce) {
    struct Case {
        char flag98;
        bool training_done;
        bool debrief;
    } cases[] = {{0, false, true}, {1, false, false}, {0, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flag98 * 10 + c.training_done);
        player_counter = 0;
        next_scene = false;
        mission_accomplished_active = false;
        current_main = 1;
        global_objects[98] = c.flag98;
        mission_training_is_done = c.training_done;
        object& p = Player();
        p.status = 69;
        p.all_timer = Now();
        Step(1);
        EXPECT_EQ(sprite[P].status, 3);
        EXPECT_EQ(next_scene, c.debrief);
        if (c.debrief) { EXPECT_EQ(global_objects[98], 1); }
    }
}

TEST_F(UnitAiTest, BossBeatenLeadsOnByMission) {
    struct Case {
        int mission;
        bool change;
        int episode, scene, spawn;
    } cases[] = {{5, true, 2, 1, 7}, {6, true, 2, 0, 14}, {3, true, 2, 0, 14}, {1, false, 9, 9, 9}, {4, false, 9, 9, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mission);
        player_counter = 0;
        episode = scene = current_spawn = 9;
        next_scene = false;
        mission_objective = -1;
        mission = c.mission;
        Player();
        object& b = Unit(U, 50, 50);
        b.status = 65;
        b.all_timer = Now();
        Step(1);
        EXPECT_EQ(mission, 0);
        EXPECT_EQ(next_scene, c.change);
        EXPECT_EQ(episode, c.episode);
        EXPECT_EQ(scene, c.scene);
        EXPECT_EQ(current_spawn, c.spawn);
        EXPECT_EQ(mission_objective, c.mission == 1 ? 102 : -1);
    }
}

TEST_F(UnitAiTest, FallenIntoAHoleFreesTheSlot) {
    Player();
    object& u = Unit(U, 50, 50);
    u.status = 59;
    u.all_timer = Now();
    Step(1);
    EXPECT_EQ(sprite[U].status, 44);
    EXPECT_TRUE(sprite[U].turn_off);
}

TEST_F(UnitAiTest, TargetsThatAreGoneAreDropped) {
    struct Case {
        const char* name;
        bool shooter_is_player;
        int target_score;
        int target_status;
        int target;
        bool kept;
    } cases[] = {
        {"live target kept", false, 50, 3, T, true},
        {"dead target dropped", false, 0, 31, T, false},
        {"fallen target dropped", false, 50, 59, T, false},
        {"dying target dropped by a unit", false, 0, 30, T, false},
        {"dying target kept by the player", true, 0, 30, T, true},
        {"index off the sprite array dropped", false, 50, 3, 5000, false},
        {"negative index dropped", true, 50, 3, -7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player_counter = 0;
        Player(20, 20);
        Unit(U, 50, 50);
        object& t = Unit(T, 60, 60);
        t.score = c.target_score;
        t.status = c.target_status;
        t.all_timer = FAR;
        int shooter = c.shooter_is_player ? P : U;
        sprite[shooter].fire_target = c.target;
        sprite[shooter].turning = true;
        Step(1);
        EXPECT_EQ(sprite[shooter].fire_target, c.kept ? c.target : -1);
        if (!c.kept) { EXPECT_FALSE(sprite[shooter].turning); }
    }
}

TEST_F(UnitAiTest, IdleDefenderLooksAroundAndForgets) {
    for (bool spotted : {false, true}) {
        SCOPED_TRACE(spotted);
        player_counter = 0;
        object& u = Unit(U, 50, 50);
        u.sector_action = AI_DEFEND;
        u.spotted = spotted;
        u.ai_timer = Now();
        Step(1);
        const object& d = sprite[U];
        EXPECT_EQ(d.ai_timer, Now() + (spotted ? 1000 : 4000));
        float dx = d.mov_x - (d.w + d.box_width / 2), dy = d.mov_y - d.y;
        EXPECT_NEAR(dx * dx + dy * dy, 4.0f, 1e-3) << "looks at a point 2 units away";
        EXPECT_EQ(d.status, 3);
    }
    object& u = sprite[U];
    u.spotted = true;
    u.spotted_timer = Now();
    Step(1);
    EXPECT_FALSE(sprite[U].spotted);
    EXPECT_EQ(sprite[U].spotted_timer, 0);
}

TEST_F(UnitAiTest, PlayerSideDefenderMayPatrol) {
    no_points = 1;
    points[0].x = CX(60);
    points[0].y = CY(50);
    patrol_list[0] = 0;
    patrol_counter = 1;
    bool walked = false;
    for (unsigned seed = 1; seed <= 30 && !walked; ++seed) {
        player_counter = 0;
        object& u = Unit(U, 50, 50);
        u.sector_action = AI_DEFEND;
        u.linked_sprite = player_type;
        u.ai_timer = Now();
        srand(seed);
        Step(1);
        walked = sprite[U].moving;
        if (walked) {
            EXPECT_FLOAT_EQ(sprite[U].end_x, CX(60));
            EXPECT_EQ(sprite[U].status, 27);
        }
    }
    EXPECT_TRUE(walked);
}

TEST_F(UnitAiTest, WalkingUnitMovesUnlessHeld) {
    struct Case {
        const char* name;
        int status;
        bool lock;
        int unit_class;
        bool turning;
        bool moves;
    } cases[] = {
        {"walking", 27, false, GUNNER, false, true},
        {"idle with an order starts walking", 3, false, GUNNER, false, true},
        {"locked player holds everyone", 27, true, GUNNER, false, false},
        {"mounted gun stays", 27, false, MOUNTED, false, false},
        {"turning first", 27, false, GUNNER, true, false},
        {"rising", 64, false, GUNNER, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player_counter = 0;
        std::memset(map_col, 0, sizeof(map_col));
        lock_player = c.lock;
        object& u = Unit(U, 50, 50, c.unit_class);
        u.status = c.status;
        u.moving = true;
        u.turning = c.turning;
        u.angle = u.tar_angle = 0;
        u.mov_x = u.end_x = CX(70);
        u.mov_y = u.end_y = CY(50);
        u.all_timer = Now() + 5000;
        float x0 = u.x;
        Step(16);
        EXPECT_EQ(sprite[U].x > x0, c.moves);
    }
}

TEST_F(UnitAiTest, FrameTimeAtOrBelowZeroCountsAsOneMillisecond) {
    for (int ms : {0, -40}) {
        SCOPED_TRACE(ms);
        player_counter = 0;
        object& u = Unit(U, 50, 50);
        u.status = 27;
        u.moving = true;
        u.mov_x = u.end_x = CX(70);
        u.mov_y = u.end_y = CY(50);
        u.all_timer = Now() + 5000;
        float x0 = u.x;
        AI(ms);
        EXPECT_NEAR(sprite[U].x - x0, 1.2f * (0.00016f / 0.6f) * 1, 1e-7);
    }
}

// The shoot test and the enemy search run at most every 100 ms, and only for units free to act.
TEST_F(UnitAiTest, ShootTestGate) {
    struct Case {
        const char* name;
        int status;
        bool turn_off;
        bool shooting;
        bool player;
        bool runs;
    } cases[] = {
        {"idle enemy", 3, false, false, true, true},
        {"walking enemy", 27, false, false, true, true},
        {"staggering", 21, false, false, true, false},
        {"pausing after a grenade", 74, false, false, true, false},
        {"downed", 56, false, false, true, false},
        {"switched off", 3, true, false, true, false},
        {"shot sequence under way", 3, false, true, true, false},
        {"no player in the scene", 3, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player_counter = 0;
        p1_id = -1;
        if (c.player) Player(20, 20);
        object& u = Unit(U, 120, 120); // far from the player
        u.status = c.status;
        u.turn_off = c.turn_off;
        u.emy_shooting = c.shooting;
        u.emy_shoot = 0;
        Step(1);
        EXPECT_EQ(sprite[U].emy_shoot, c.runs ? Now() + 100 : 0);
    }
}

TEST_F(UnitAiTest, RegenerationPacedBySkill) {
    struct Case {
        int regen;
        int period;
    } cases[] = {{1, 1500}, {2, 1000}, {3, 500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regen);
        player_counter = 0;
        PLY_VITALITY = 100;
        st_regen = c.regen;
        object& p = Player();
        p.score = 50;
        p.heal_timer = Now();
        Step(1);
        EXPECT_EQ(sprite[P].score, 51);
        EXPECT_EQ(sprite[P].heal_timer, Now() + c.period);
        Step(c.period);
        EXPECT_EQ(sprite[P].score, 51);
        Step(1);
        EXPECT_EQ(sprite[P].score, 52);
    }
    sprite[P].score = 100;
    sprite[P].heal_timer = 0;
    Step(1);
    EXPECT_EQ(sprite[P].score, 100) << "capped at the player's vitality";
}

TEST_F(UnitAiTest, TargetFlashBlinksThenEnds) {
    object& t = sprite[T]; // an object the player clicked
    t.type = OBJ;
    t.alpha = 1.0f;
    flash_on = T;
    target_flash_timer = Now();
    target_flash_mtimer = Now() + 200;
    Step(1);
    EXPECT_FLOAT_EQ(sprite[T].alpha, 0.0f);
    EXPECT_EQ(target_flash_timer, Now() + 50);
    Step(51);
    EXPECT_FLOAT_EQ(sprite[T].alpha, 1.0f);
    Step(200);
    EXPECT_FLOAT_EQ(sprite[T].alpha, 1.0f);
    EXPECT_EQ(flash_on, -1);

    Fx[3].alpha = 1.0f;
    flash_on = FX_ID_BASE + 3;
    target_flash_timer = Now();
    target_flash_mtimer = FAR;
    Step(1);
    EXPECT_FLOAT_EQ(Fx[3].alpha, 0.01f);
    Step(51);
    EXPECT_FLOAT_EQ(Fx[3].alpha, 1.0f);

    for (int bad : {FX_ID_BASE + MAX_FX, 100000, -5}) {
        flash_on = bad;
        Step(51); // nothing to flash, nothing read
        EXPECT_EQ(flash_on, bad);
    }
}

TEST_F(UnitAiTest, TailPacesTheSceneChecks) {
    noise_maker = 2;
    alert_enemies = false;
    check_timer = 0;
    range_timer = 0;
    Step(1);
    EXPECT_EQ(range_timer, Now() + 250);
    EXPECT_EQ(check_timer, Now() + 500);
    EXPECT_EQ(noise_maker, 0) << "the noise is forgotten";
}

TEST_F(UnitAiTest, ListEntriesThatNameNoSpriteAreSkipped) {
    Unit(U, 50, 50).status = 30;
    sprite[U].all_timer = Now();
    player_list[player_counter++] = -3;
    player_list[player_counter++] = MAX_SPRITES;
    player_list[player_counter++] = 99999;
    Step(1);
    EXPECT_EQ(sprite[U].status, 31);

    for (int i = player_counter; i < PLAYER_LIST_SIZE; ++i) player_list[i] = 0;
    player_counter = PLAYER_LIST_SIZE + 500; // a count beyond the list is cut to the list
    Step(1);
}

TEST_F(UnitAiTest, InvalidPlayerIndexCountsAsNoPlayer) {
    p1_id = 5000;
    object& u = Unit(U, 50, 50);
    u.status = 59;
    u.all_timer = Now();
    Step(1);
    EXPECT_EQ(sprite[U].status, 59) << "a fall ends only with a player present";
}

} // namespace
