// Acts, medal and rank-up announcements, fireworks and the debriefing, on the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/missions.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/traced_test.h"
#include "support/virtual_clock.h"

namespace {

class Missions : public Traced_Walk_Test {
protected:
    void SetUp() override {
        Traced_Walk_Test::SetUp();
        p1_id = 3;
        sprite[p1_id].score = 100;
        sprite[p1_id].x = 1.0f;
        sprite[p1_id].y = 2.0f;
        sprite[p1_id].w = 1.1f;
        sprite[p1_id].z = 2.1f;
        no_sprites = 4;
        std::memset(global_objective, 0, sizeof(global_objective));
        std::memset(global_side_objective, 0, sizeof(global_side_objective));
        std::memset(main_mission, 0, sizeof(main_mission));
    }
    static void Set(signed char* flags, std::initializer_list<int> which) {
        for (int i : which) flags[i] = 1;
    }
};

// ---- Acts --------------------------------------------------------------------------------

TEST_F(Missions, ActOneCompletesOnlyWithAllSixFlagsAndOnce) {
    current_act = 1;
    current_main = 2;
    main_mission[2] = 2;
    Set(global_objective, {0, 1, 2});
    Set(global_side_objective, {0, 1});
    Calculate_Act();
    EXPECT_EQ(current_act, 1) << "five of six flags";
    EXPECT_FALSE(lock_player);

    Advance_Ms(1000);
    Set(global_side_objective, {2, 7});
    Calculate_Act();
    const object& p = sprite[p1_id];
    EXPECT_EQ(current_act, 2);
    EXPECT_TRUE(lock_player);
    EXPECT_EQ(main_mission[2], 1);
    EXPECT_EQ(p.status, 69);
    EXPECT_TRUE(p.update);
    EXPECT_FALSE(p.moving);
    EXPECT_EQ(p.all_timer, 1000 + 3000);
    EXPECT_TRUE(cheer_sfx);
    EXPECT_EQ(old_message, MSG_ACCOMPLISHED);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(global_objective[i], 0) << i;
        EXPECT_EQ(global_side_objective[i], 0) << i;
    }

    cheer_sfx = false;
    current_act = 1;  // even back in act 1, the cleared flags keep it from firing again
    Calculate_Act();
    EXPECT_FALSE(cheer_sfx);
}

TEST_F(Missions, ActFourCompletesOnceAndKeepsItsFlags) {
    current_act = 4;
    current_main = 10;
    Set(global_objective, {0, 1});
    Set(global_side_objective, {0, 1, 2, 3});
    Calculate_Act();
    EXPECT_FALSE(cheer_sfx) << "side objective 4 missing";

    Set(global_side_objective, {4});
    Calculate_Act();
    EXPECT_TRUE(cheer_sfx);
    EXPECT_EQ(main_mission[10], 1);
    EXPECT_TRUE(lock_player);
    EXPECT_EQ(current_act, 4);
    EXPECT_EQ(global_side_objective[9], 1);
    EXPECT_EQ(global_objective[0], 1);
    EXPECT_EQ(global_side_objective[4], 1);

    cheer_sfx = false;
    lock_player = false;
    Calculate_Act();
    EXPECT_FALSE(cheer_sfx);
    EXPECT_FALSE(lock_player);
}

TEST_F(Missions, ActsTwoAndThreeAndAbsentPlayerAreLeftAlone) {
    Set(global_objective, {0, 1, 2});
    Set(global_side_objective, {0, 1, 2, 3, 4});
    for (int act : {2, 3}) {
        current_act = act;
        Calculate_Act();
        EXPECT_EQ(current_act, act);
        EXPECT_FALSE(lock_player);
    }
    current_act = 1;
    p1_id = -1;
    Calculate_Act();
    EXPECT_EQ(current_act, 1);
    EXPECT_FALSE(cheer_sfx);
}

TEST_F(Missions, ActWithAMissionNumberOutsideTheTableWritesNoMissionState) {
    current_act = 1;
    current_main = 40;  // as a damaged save could carry
    Set(global_objective, {0, 1, 2});
    Set(global_side_objective, {0, 1, 2});
    int before[25];
    std::memcpy(before, main_mission, sizeof(before));
    Calculate_Act();
    EXPECT_EQ(current_act, 2);
    EXPECT_EQ(std::memcmp(before, main_mission, sizeof(before)), 0);
}

// ---- Medals and rank ups ------------------------------------------------------------------

TEST_F(Missions, MedalAndRankUpAnnouncements) {
    Medal_Awarded(1);
    EXPECT_EQ(old_message, MSG_MEDAL);
    EXPECT_TRUE(firework_sfx);
    EXPECT_FALSE(medikit_sfx);
    EXPECT_EQ(fireworks_type, 1);
    EXPECT_EQ(fireworks, p1_id);

    firework_sfx = false;
    Advance_Ms(5000);
    Medal_Awarded(2);
    EXPECT_EQ(old_message, LEVEL);
    EXPECT_TRUE(firework_sfx);
    EXPECT_TRUE(medikit_sfx);
    EXPECT_EQ(fireworks_type, 2);
}

TEST_F(Missions, RankUpWithoutAPlayerOnlyPlaysTheSounds) {
    p1_id = -1;
    Medal_Awarded(2);
    EXPECT_EQ(Count("Display_Message"), 0);
    EXPECT_TRUE(firework_sfx);
    EXPECT_TRUE(medikit_sfx);
    EXPECT_EQ(fireworks, -1);
    EXPECT_EQ(fireworks_type, 2);
}

// ---- Fireworks ----------------------------------------------------------------------------

// The shape of a burst read back from its effect: its size and offset from the sprite.
int Shape_Of(const object& e, const object& s) {
    struct Shape { float dx, dy, size; };
    const Shape shapes[6] = {{-0.1f, 0.1f, 0.2f}, {0.0f, 0.2f, 0.3f},    {0.1f, 0.1f, 0.4f},
                             {-0.15f, 0.15f, 0.2f}, {0.15f, 0.15f, 0.3f}, {-0.2f, 0.2f, 0.6f}};
    for (int r = 0; r < 6; ++r) {
        const Shape& k = shapes[r];
        if (std::fabs(e.width - k.size) < 1e-4f && std::fabs(e.height - k.size) < 1e-4f &&
            std::fabs(e.x - (s.x + k.dx)) < 1e-4f &&
            std::fabs(e.y - (s.y + k.dy)) < 1e-4f)
            return r;
    }
    return -1;
}

TEST_F(Missions, AShowIsTenBurstsFourHundredMsApart) {
    Do_Fireworks(p1_id);
    EXPECT_EQ(no_fx, 0) << "no show running";
    EXPECT_FALSE(firework_sfx);

    Medal_Awarded(1);
    std::vector<int> burst_times;
    for (int t = 0; t <= 6000; ++t) {
        const int before = no_fx;
        Do_Fireworks(fireworks);
        if (no_fx > before) burst_times.push_back(Now());
        Advance_Ms(1);
    }
    ASSERT_EQ(burst_times.size(), 10u);
    EXPECT_EQ(burst_times[0], 1) << "the first burst once now is past the zero timer";
    for (size_t i = 1; i < burst_times.size(); ++i) EXPECT_EQ(burst_times[i] - burst_times[i - 1], 401);
    EXPECT_EQ(fireworks, -1);
    EXPECT_EQ(fireworks_count, 0);
    EXPECT_EQ(fireworks_timer, 0);
    for (int i = 0; i < no_fx; ++i) {
        const object& e = Fx[i];
        EXPECT_NE(Shape_Of(e, sprite[p1_id]), -1) << "burst " << i;
        EXPECT_EQ(e.type, GFX);
        EXPECT_EQ(e.anim, 58);
        EXPECT_EQ(e.id, 2);
        EXPECT_FLOAT_EQ(e.alpha, 1.0f);
    }
}

TEST_F(Missions, ConsecutiveBurstsRarelyRepeatTheirShape) {
    srand(7);
    int repeats = 0, bursts = 0, previous = -1;
    for (int show = 0; show < 20; ++show) {
        no_fx = 0;
        Medal_Awarded(1);
        for (int t = 0; t < 10000 && fireworks != -1; t += 50) {
            const int before = no_fx;
            Do_Fireworks(fireworks);
            if (no_fx > before) {
                const int shape = Shape_Of(Fx[no_fx - 1], sprite[p1_id]);
                ASSERT_NE(shape, -1);
                if (shape == previous) repeats++;
                previous = shape;
                bursts++;
            }
            Advance_Ms(50);
        }
    }
    ASSERT_EQ(bursts, 200);
    // Three draws that all repeat the shape happen about once in 216 bursts; a plain draw
    // would repeat once in 6.
    EXPECT_LT(repeats, 8);
}

TEST_F(Missions, AShowOverAnIndexWithoutASpriteStillEnds) {
    fireworks = 900;
    for (int t = 0; t < 5000 && fireworks != -1; t += 100) {
        Do_Fireworks(fireworks);
        Advance_Ms(100);
    }
    EXPECT_EQ(fireworks, -1);
    EXPECT_EQ(no_fx, 0);
}

TEST_F(Missions, AMedalDuringAShowMovesItToThePlayerAndKeepsCounting) {
    fireworks = 1;
    for (int i = 0; i < 3; ++i) {
        Advance_Ms(401);
        Do_Fireworks(fireworks);
    }
    EXPECT_EQ(fireworks_count, 3);
    Medal_Awarded(1);
    EXPECT_EQ(fireworks, p1_id);
    EXPECT_EQ(fireworks_count, 3);
}

// ---- Debriefing ---------------------------------------------------------------------------

TEST_F(Missions, DebriefingPageByMission) {
    struct Case { int main; int scene; };
    const Case cases[] = {{1, 125}, {2, 126}, {3, 127}, {8, 132}, {10, 134}, {12, 136},
                          {5, 40}};  // no page of its own: the scene number stays
    for (const Case& c : cases) {
        episode = 4;
        scene = 40;
        next_scene = false;
        mission_accomplished_active = true;
        current_main = c.main;
        Mission_Accomplished(true);
        EXPECT_EQ(scene, c.scene) << "mission " << c.main;
        EXPECT_EQ(episode, 1);
        EXPECT_EQ(stats_episode, 4);
        EXPECT_EQ(stats_scene, 40);
        EXPECT_TRUE(next_scene);
        EXPECT_FALSE(mission_accomplished_active);
    }
}

TEST_F(Missions, NoDebriefingWithoutAPlayerOrAMission) {
    episode = 4;
    scene = 40;
    current_main = 0;
    Mission_Accomplished(true);
    EXPECT_FALSE(next_scene);
    current_main = 2;
    p1_id = -1;
    Mission_Accomplished(true);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(scene, 40);
    EXPECT_EQ(episode, 4);
}

}  // namespace
