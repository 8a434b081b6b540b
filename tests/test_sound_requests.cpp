// The sound-request step: plain requests, requests held while the player is dead, variant
// rotations and random choices, the ambient loops, the orderings within one tick, and the
// main tick's gate (game modes 2 to 5, quit box down).
#include "main/sound_requests.h"

#include <cstdlib>
#include <set>
#include <string>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/sound_requests.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "test_sound_fixture.h"

namespace {

#define SND(s) &s, #s

// A request global of either type.
struct Flag {
    bool* b = nullptr;
    int* i = nullptr;
    Flag(bool* f) : b(f) {}
    Flag(int* f) : i(f) {}
    void Raise() const { b ? (void)(*b = true) : (void)(*i = 1); }
    int Value() const { return b ? *b : *i; }
};

class Sound_Requests : public Sound_Bank_Test {
protected:
    void SetUp() override {
        Sound_Bank_Test::SetUp();
        sfx_volume = 0.65f;
    }
};

struct Plain_Row {
    Flag request;
    audio::SoundEffect* sound;
    const char* name;
    bool held;
};

const Plain_Row plain_rows[] = {
    {&place_sfx, SND(place_snd), false},        {&splatted_sfx, SND(splatted_snd), false},
    {&monkey_sfx, SND(monkey_snd), false},      {&pick_up_sfx, SND(pick_up_snd), true},
    {&switch_sfx, SND(switch_snd), true},       {&potion_up_sfx, SND(potion_up_snd), true},
    {&cash_up_sfx, SND(cash_up_snd), true},     {&whistle_sfx, SND(whistle_snd), true},
    {&click_sfx, SND(click_snd), true},         {&wakeup_sfx, SND(wakeup_snd), true},
    {&boss_sfx, SND(boss_snd), true},           {&hatch_sfx, SND(hatch_snd), true},
    {&owl_sfx, SND(owl_snd), true},             {&crow1_sfx, SND(crow1_snd), true},
    {&click_off_sfx, SND(click_off_snd), true}, {&door_open_sfx, SND(door_open), true},
    {&door_close_sfx, SND(door_close), true},   {&death_sfx, SND(death_snd), false},
    {&spark_sfx, SND(spark_snd), false},        {&stolen_sfx, SND(stolen_snd), false},
    {&tink_sfx, SND(tink_snd), true},           {&ric_sfx, SND(ric1_snd), true},
    {&fall_sfx, SND(fall_snd), true},           {&sniper_sfx, SND(sniper_snd), true},
    {&sniperply_sfx, SND(sniperply_snd), true}, {&mount_sfx, SND(mount_snd), true},
    {&cheer_sfx, SND(cheer_snd), true},         {&ping_sfx, SND(ping_snd), true},
    {&chop_sfx, SND(chop_snd), true},           {&splat_sfx, SND(splat_snd), true},
    {&cash_sfx, SND(cash_snd), true},           {&smash1_sfx, SND(smash1_snd), true},
    {&beam_sfx, SND(beam_snd), true},           {&rocket_sfx, SND(laugh4_snd), true},
    {&sight_sfx, SND(sight_snd), true},         {&emypain_sfx, SND(emypain_snd), true},
    {&coins_sfx, SND(coins_snd), true},         {&coins1_sfx, SND(coins1_snd), true},
    {&dogdie_sfx, SND(dogdie_snd), true},       {&water_sfx, SND(water_snd), true},
    {&medal_sfx, SND(medal_snd), true},         {&chute_sfx, SND(chute_snd), false},
    {&stamp_sfx, SND(stamp_snd), false},        {&ok_sfx, SND(ok_snd), false},
    {&medikit_sfx, SND(medikit_snd), false},    {&beans_sfx, SND(beans_snd), false},
    {&apple_sfx, SND(apple_snd), false},        {&firework_sfx, SND(firework_snd), false},
    {&zip_sfx, SND(zip_snd), false},            {&piss_sfx, SND(piss_snd), false},
    {&switch_n_sfx, SND(switch_n_snd), false},  {&backspace_sfx, SND(backspace_snd), false},
    {&drown_sfx, SND(drown_snd), false},        {&radio_sfx, SND(radio_snd), false},
    {&siren_sfx, SND(siren_snd), false},        {&torch_sfx, SND(torch_snd), false},
    {&lightswitch_sfx, SND(lightswitch_snd), false}, {&ready_sfx, SND(ready_snd), false},
    {&bark_sfx, SND(bark_snd), false},          {&buoy_sfx, SND(buoy_snd), false},
    {&seagull_sfx, SND(seagull_snd), false},    {&seagull2_sfx, SND(seagull2_snd), false},
    {&drip_sfx, SND(drip_snd), false},          {&healup_sfx, SND(healup_snd), false},
    {&shotgun_sfx, SND(shotgun_snd), false},    {&shotgun1_sfx, SND(shotgun1_snd), false},
    {&teddy_roar_sfx, SND(teddy_roar_snd), false},
};

// Each request plays its own sound once at the effects volume and is cleared; held ones
// wait (neither played nor cleared) while the player is dead.
TEST_F(Sound_Requests, PlainRequestPlaysItsSoundOnceAndIsCleared) {
    for (const Plain_Row& r : plain_rows) Label(*r.sound, r.name);
    for (const Plain_Row& r : plain_rows) {
        ply_dead = true;
        r.request.Raise();
        Clear_Calls();
        Run_Sound_Requests();
        if (r.held) {
            EXPECT_TRUE(All_Calls().empty()) << r.name;
            EXPECT_EQ(r.request.Value(), 1) << r.name << " pending while the player is dead";
            ply_dead = false;
            Run_Sound_Requests();
        }
        EXPECT_EQ(All_Calls(), (Ops{std::string(r.name) + " volume 0.65", std::string(r.name) + " play"}));
        EXPECT_EQ(r.request.Value(), 0) << r.name;
        ply_dead = false;
        Clear_Calls();
        Run_Sound_Requests();
        EXPECT_TRUE(All_Calls().empty()) << r.name << " played twice";
    }
}

TEST_F(Sound_Requests, IntRequestsActOnlyOnOne) {
    Label(teddy_roar_snd, "teddy");
    Label(seagull_snd, "gull");
    Label(waves_snd, "waves");
    waves_snd.play();
    seagull_snd.play();
    Clear_Calls();
    teddy_roar_sfx = 3;  // the scene loader's value
    stop_seagull_sfx = 2;
    stop_waves_sfx = -1;
    Run_Sound_Requests();
    EXPECT_TRUE(All_Calls().empty());
    EXPECT_EQ(teddy_roar_sfx, 3);
    EXPECT_EQ(stop_seagull_sfx, 2);
    EXPECT_EQ(stop_waves_sfx, -1);
}

TEST_F(Sound_Requests, SoundsComeFromTheBankFiles) {
    rocket_sfx = true;
    door_close_sfx = true;
    untie_sfx = true;
    Run_Sound_Requests();
    EXPECT_EQ(Calls("data/SFX/laugh4.wav"), (Ops{"volume 0.65", "play"}));
    EXPECT_EQ(Calls("data/SFX/mine_down.wav"), (Ops{"volume 0.65", "play"}));
    EXPECT_EQ(Calls("data/SFX/rain.ogg"), (Ops{"volume 0.65", "play"}));
}

struct Variant_Row {
    Flag request;
    int* counter;  // nullptr: none
    bool random;
    bool held;
    std::vector<std::pair<audio::SoundEffect*, const char*>> variants;
    std::vector<int> rotation;  // the order a rotation plays them in
};

const std::vector<Variant_Row>& Variant_Rows() {
    static const std::vector<Variant_Row> rows = {
        {&destroy_sfx, &destroy_sfx_counter, false, false, {{SND(destroy_snd)}, {SND(destroy1_snd)}}, {0, 1}},
        {&mgun_sfx, &mgun_sfx_counter, false, false, {{SND(mgun_snd)}, {SND(mgun1_snd)}}, {0, 1}},
        {&swim_sfx, &swim_sfx_counter, false, false, {{SND(swim1_snd)}, {SND(swim2_snd)}}, {0, 1}},
        {&boss_ohh_sfx, &boss_ohh_sfx_counter, true, true, {{SND(boss_ohh_snd)}, {SND(boss_ohh1_snd)}}, {}},
        {&ric2_sfx, &ric_sfx_counter, true, true, {{SND(ric2_snd)}, {SND(ric3_snd)}}, {}},
        {&cow_sfx, &cow_sfx_counter, true, true, {{SND(cow_snd)}, {SND(cow1_snd)}}, {}},
        {&glass_sfx, &glass_sfx_counter, true, true,
         {{SND(glass1_snd)}, {SND(glass2_snd)}, {SND(glass3_snd)}, {SND(glass4_snd)}}, {}},
        {&laugh_sfx, &laugh_sfx_counter, true, true,
         {{SND(laugh1_snd)}, {SND(laugh2_snd)}, {SND(laugh3_snd)}, {SND(laugh4_snd)}}, {}},
        {&gargle_sfx, &gargle_sfx_counter, false, true,
         {{SND(gargle_snd)}, {SND(gargle1_snd)}, {SND(gargle2_snd)}}, {0, 1, 2}},
        {&splash_sfx, &splash_sfx_counter, false, true, {{SND(splash_snd)}, {SND(splash1_snd)}}, {0, 1}},
        {&footstep_sfx, &footstep_counter, false, true, {{SND(footstep_snd)}, {SND(footstep1_snd)}}, {0, 1}},
        {&softstep_sfx, &softstep_counter, false, true, {{SND(softstep_snd)}, {SND(softstep1_snd)}}, {0, 1}},
        {&mudstep_sfx, &mudstep_counter, false, true, {{SND(mudstep_snd)}, {SND(mudstep1_snd)}}, {0, 1}},
        {&hardstep_sfx, &hardstep_counter, false, true, {{SND(hardstep_snd)}, {SND(hardstep1_snd)}}, {0, 1}},
        {&grassstep_sfx, &grassstep_counter, false, true, {{SND(grassstep_snd)}, {SND(grassstep1_snd)}}, {0, 1}},
        {&tada_sfx, nullptr, true, false,
         {{SND(tada1_snd)}, {SND(tada2_snd)}, {SND(tada3_snd)}, {SND(tada4_snd)}}, {}},
        {&wound_sfx, &wound_sfx_counter, false, false,
         {{SND(wound_snd)}, {SND(wound1_snd)}, {SND(wound2_snd)}, {SND(wound3_snd)}}, {0, 1, 2, 3}},
        // Four steps over two sounds: type1, type4, type1, type1.
        {&type_sfx, &type_sfx_counter, false, false, {{SND(type1_snd)}, {SND(type4_snd)}}, {0, 1, 0, 0}},
        {&promo_sfx, &promo_sfx_counter, false, false, {{SND(promo1_snd)}, {SND(promo2_snd)}}, {0, 1}},
        {&tank_sfx, &tank_sfx_counter, false, false, {{SND(tank1_snd)}, {SND(tank2_snd)}}, {0, 1}},
        {&clank_sfx, &clank_sfx_counter, false, false, {{SND(clank_snd)}, {SND(clank1_snd)}}, {0, 1}},
        {&step_sfx, &step_sfx_counter, false, false,
         {{SND(step_snd)}, {SND(step1_snd)}, {SND(step2_snd)}, {SND(step3_snd)}}, {0, 1, 2, 3}},
    };
    return rows;
}

// The one variant a served request played, or -1 (also when it was not exactly one play at
// the effects volume).
int Played(const Variant_Row& r) {
    const auto& calls = audio::RecordedCalls();
    if (calls.size() != 2) return -1;
    for (size_t v = 0; v < r.variants.size(); v++) {
        std::string name = r.variants[v].second;
        if (calls[0] == name + " volume 0.65" && calls[1] == name + " play") return (int)v;
    }
    return -1;
}

TEST_F(Sound_Requests, RotationsPlayTheirVariantsInTurnAcrossManyRequests) {
    for (const Variant_Row& r : Variant_Rows()) {
        if (r.random) continue;
        for (const auto& v : r.variants) Label(*v.first, v.second);
        const size_t steps = r.rotation.size();
        for (size_t i = 0; i < 3 * steps; i++) {
            r.request.Raise();
            Clear_Calls();
            Run_Sound_Requests();
            EXPECT_EQ(Played(r), r.rotation[i % steps]) << r.variants[0].second << " request " << i;
            EXPECT_EQ(*r.counter, (int)((i + 1) % steps)) << r.variants[0].second;
            EXPECT_EQ(r.request.Value(), 0);
        }
    }
}

TEST_F(Sound_Requests, RandomChoicesFollowTheGeneratorAndReachEveryVariant) {
    for (const Variant_Row& r : Variant_Rows()) {
        if (!r.random) continue;
        for (const auto& v : r.variants) Label(*v.first, v.second);
        std::set<int> seen;
        for (unsigned seed = 1; seed <= 64; seed++) {
            srand(seed);
            int expected = rand() % (int)r.variants.size();
            srand(seed);
            r.request.Raise();
            Clear_Calls();
            Run_Sound_Requests();
            EXPECT_EQ(Played(r), expected) << r.variants[0].second << " seed " << seed;
            if (r.counter) {
                EXPECT_EQ(*r.counter, expected) << r.variants[0].second;
            }
            seen.insert(Played(r));
        }
        EXPECT_EQ(seen.size(), r.variants.size()) << r.variants[0].second;
    }
}

TEST_F(Sound_Requests, HeldVariantsWaitWhileThePlayerIsDead) {
    for (const Variant_Row& r : Variant_Rows()) {
        for (const auto& v : r.variants) Label(*v.first, v.second);
        ply_dead = true;
        r.request.Raise();
        Clear_Calls();
        Run_Sound_Requests();
        EXPECT_EQ(All_Calls().empty(), r.held) << r.variants[0].second;
        EXPECT_EQ(r.request.Value(), r.held ? 1 : 0) << r.variants[0].second;
        ply_dead = false;
        Clear_Calls();
        Run_Sound_Requests();
        EXPECT_EQ(Played(r) >= 0, r.held) << r.variants[0].second;
    }
}

TEST_F(Sound_Requests, ACounterOutOfRangeStartsTheRotationAgain) {
    Label(type1_snd, "type1");
    Label(type4_snd, "type4");
    for (int bad : {-5, 4, 1000}) {
        type_sfx_counter = bad;
        type_sfx = true;
        Clear_Calls();
        Run_Sound_Requests();
        EXPECT_EQ(All_Calls(), (Ops{"type1 volume 0.65", "type1 play"})) << bad;
        EXPECT_EQ(type_sfx_counter, 1);
    }
}

struct Loop_Row {
    Flag start;
    Flag stop;
    audio::OutputStream* stream;
    const char* name;
    Ops on_start;
    Ops on_stop;  // while playing
    Ops on_idle_stop;  // while stopped
};

TEST_F(Sound_Requests, AmbientLoopsStartAndStop) {
    const Ops stop{"stop"};
    const Loop_Row rows[] = {
        // The rain rewinds when stopped, so it starts over next time.
        {&untie_sfx, &stop_rain_sfx, SND(untie_snd), {"volume 0.65", "play"}, {"stop", "reset"}, {"stop", "reset"}},
        {&waves_sfx, &stop_waves_sfx, SND(waves_snd), {"reset", "volume 0.65", "repeat 1", "play"}, stop, {}},
        {&woods_sfx, &stop_woods_sfx, SND(woods_snd), {"reset", "volume 0.65", "repeat 1", "play"}, stop, {}},
        {&burn_sfx, &stop_burn_sfx, SND(burn_snd), {"reset", "volume 0.65", "repeat 1", "play"}, stop, {}},
        {&snore_sfx, &stop_snore_sfx, SND(snore_snd), {"reset", "volume 0.65", "repeat 0", "play"}, stop, {}},
        {&exhaust_sfx, &stop_exhaust_sfx, SND(exhaust_snd), {"reset", "volume 0.65", "repeat 1", "play"}, stop, {}},
        {&airplane_sfx, &stop_airplane_sfx, SND(airplane_snd), {"reset", "volume 0.65", "repeat 1", "play"}, stop, {}},
        // The wind resumes where it stopped: no rewind anywhere.
        {&wind_sfx, &stop_wind_sfx, SND(wind_snd), {"volume 0.65", "play"}, stop, {}},
        {&tank1_sfx, &stop_tank_sfx, SND(tank_snd), {"reset", "volume 0.65", "play"}, stop, {}},
    };
    for (const Loop_Row& r : rows) {
        Label(*r.stream, r.name);
        r.start.Raise();
        Run_Sound_Requests();
        EXPECT_EQ(Calls(r.name), r.on_start) << r.name;
        EXPECT_EQ(r.start.Value(), 0) << r.name;
        EXPECT_TRUE(r.stream->isPlaying()) << r.name;

        Clear_Calls();
        r.stop.Raise();
        Run_Sound_Requests();
        EXPECT_EQ(Calls(r.name), r.on_stop) << r.name;
        EXPECT_EQ(r.stop.Value(), 0) << r.name;
        EXPECT_FALSE(r.stream->isPlaying()) << r.name;

        // A stop request for a loop that is not playing.
        Clear_Calls();
        r.stop.Raise();
        Run_Sound_Requests();
        EXPECT_EQ(Calls(r.name), r.on_idle_stop) << r.name;
        EXPECT_EQ(r.stop.Value(), 0) << r.name;

        // Started and stopped in one tick: it ends stopped.
        r.start.Raise();
        r.stop.Raise();
        Run_Sound_Requests();
        EXPECT_FALSE(r.stream->isPlaying()) << r.name;
        EXPECT_EQ(r.start.Value() + r.stop.Value(), 0) << r.name;
        // Loops go on across ticks until stopped, and are not held by the player's death.
        ply_dead = true;
        r.start.Raise();
        Run_Sound_Requests();
        Run_Sound_Requests();
        EXPECT_TRUE(r.stream->isPlaying()) << r.name;
        ply_dead = false;
        r.stop.Raise();
        Run_Sound_Requests();
    }
}

TEST_F(Sound_Requests, CrowSilencesTheSeagullsButNotOnesAskedForInTheSameTick) {
    Label(seagull_snd, "gull");
    Label(seagull2_snd, "gull2");
    Label(crow2_snd, "crow2");
    seagull_sfx = seagull2_sfx = true;
    Run_Sound_Requests();
    ASSERT_TRUE(seagull_snd.isPlaying() && seagull2_snd.isPlaying());

    crow2_sfx = true;
    Run_Sound_Requests();
    EXPECT_FALSE(seagull_snd.isPlaying());
    EXPECT_FALSE(seagull2_snd.isPlaying());
    EXPECT_TRUE(crow2_snd.isPlaying());

    crow2_sfx = seagull_sfx = true;
    Run_Sound_Requests();
    EXPECT_TRUE(seagull_snd.isPlaying());

    stop_seagull_sfx = 1;
    seagull2_sfx = true;
    Run_Sound_Requests();
    EXPECT_FALSE(seagull_snd.isPlaying());
    EXPECT_TRUE(seagull2_snd.isPlaying());
    EXPECT_EQ(stop_seagull_sfx, 0);
}

TEST_F(Sound_Requests, SirenStoppedInItsOwnTickIsCutOff) {
    Label(siren_snd, "siren");
    siren_sfx = true;
    stop_siren = true;
    Run_Sound_Requests();
    EXPECT_EQ(Calls("siren"), (Ops{"volume 0.65", "play", "stop"}));
    EXPECT_FALSE(siren_sfx || stop_siren);
    EXPECT_FALSE(siren_snd.isPlaying());
}

// Requests (and music states) made in game modes 0 and 1 or while the quit box is up wait
// in the frame loop until a tick in modes 2 to 5 with the box down.
class Sound_Gate : public Sound_Requests {
protected:
    std::vector<std::string> trace;
    void SetUp() override {
        Sound_Requests::SetUp();
        call_trace = &trace;  // keeps the stand-ins of later subsystems quiet
        fade = 0;             // nothing is drawn
        fullscreen = false;
        music_volume = 0.5f;
        Start_Loop_Stamps();
        Label(pick_up_snd, "pick_up");
        Label(end_snd, "title");
    }
    void TearDown() override {
        call_trace = nullptr;
        Sound_Requests::TearDown();
    }
    static void Pass() {
        Advance_Ms(5);
        Frame_Pass();
    }
};

TEST_F(Sound_Gate, RequestsWaitForModesTwoToFiveAndTheQuitBoxClosed) {
    struct Case { int mode; bool quit; bool served; };
    const Case cases[] = {
        {MODE_NORM, false, false}, {MODE_GAME, false, false}, {MODE_WALK, true, false},
        {MODE_FRONT, true, false}, {MODE_CINE, false, true},  {MODE_WALK, false, true},
        {MODE_FRONT, false, true}, {MODE_WORLD, false, true},
    };
    Pass();
    for (const Case& c : cases) {
        game_mode = c.mode;
        quit_active = c.quit;
        ply_dead = false;
        pick_up_sfx = true;
        music_fade = false;
        end_sfx = TRACK_START;
        Clear_Calls();
        for (int i = 0; i < 5; i++) Pass();  // more than one tick
        const std::string at = "mode " + std::to_string(c.mode) + " quit " + std::to_string(c.quit);
        if (c.served) {
            EXPECT_EQ(Calls("pick_up"), (Ops{"volume 0.65", "play"})) << at;
            EXPECT_FALSE(pick_up_sfx) << at;
            EXPECT_EQ(Calls("title").size(), 2u) << at;
            EXPECT_EQ(end_sfx, TRACK_PLAYING) << at;
        } else {
            EXPECT_TRUE(Calls("pick_up").empty()) << at;
            EXPECT_TRUE(pick_up_sfx) << at;
            EXPECT_TRUE(Calls("title").empty()) << at;
            EXPECT_EQ(end_sfx, TRACK_START) << at;
            // Served by the first tick that may.
            quit_active = false;
            game_mode = MODE_WALK;
            Pass();
            EXPECT_EQ(Calls("pick_up"), (Ops{"volume 0.65", "play"})) << at;
            EXPECT_EQ(end_sfx, TRACK_PLAYING) << at;
        }
    }
}

} // namespace
