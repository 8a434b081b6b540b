// The music step: what each track state does to its stream, start volumes, the crossfade
// between the songs of two scenes, the volume normalisation and the music box.
#include "main/music.h"

#include <cmath>
#include <string>

#include "common/codes.h"
#include "common/sound_requests.h"
#include "main/messages.h"
#include "test_sound_fixture.h"

namespace {

struct Track_Row {
    int song;
    int* state;
    audio::OutputStream* stream;
    const char* label;
    bool half_with_flag;  // start volume halved by half_volume (else: outside walk mode)
    bool keeps_position;  // a stop does not rewind
};

const Track_Row tracks[] = {
    {TITLE, &end_sfx, &end_snd, "TITLE", true, false},
    {DUNGEON, &jet_sfx, &jet_snd, "DUNGEON", false, false},
    {BOOT, &war_sfx, &war_snd, "BOOT", false, false},
    {FRONT, &lnd_sfx, &lnd_snd, "FRONT", false, false},
    {BEACH, &crd_sfx, &crd_snd, "BEACH", true, false},
    {BOSS, &army_sfx, &army_snd, "BOSS", true, false},
    {CAMP, &fight_sfx, &fight_snd, "CAMP", false, true},
    {SAD, &sad_sfx, &sad_snd, "SAD", false, true},
    {DGNB, &dgnb_sfx, &dgnb_snd, "DGNB", false, false},
    {FINAL, &final_sfx, &final_snd, "FINAL", false, false},
    {DANGERS, &dangers_sfx, &dangers_snd, "DANGERS", false, false},
    {INTRO, &intro_sfx, &intro_snd, "INTRO", false, false},
    {FANFARE, &fanfare_sfx, &fanfare_snd, "FANFARE", false, false},
    {URGENCY, &urgency_sfx, &urgency_snd, "URGENCY", false, false},
    {GROOVE, &mini_sfx, &mini_snd, "GROOVE", false, true},
    {FANFARE2, &fanfare2_sfx, &fanfare2_snd, "FANFARE2", false, false},
    {DEATH, &deathscreen_sfx, &deathscreen_snd, "DEATH", false, false},
};

const Track_Row& Row(int song) { return tracks[song - 1]; }
int& State(int song) { return *Row(song).state; }

class Music : public Sound_Bank_Test {
protected:
    void SetUp() override {
        Sound_Bank_Test::SetUp();
        for (const Track_Row& t : tracks) Label(*t.stream, t.label);
        music_volume = 0.8f;
    }
    static void Tick(double ms = 1) {
        Advance_Ms(ms);
        Run_Music();
    }
    static Ops Calls(int song) { return Sound_Bank_Test::Calls(Row(song).label); }
    // What the scene loader does with the music at every load: every track stops, the
    // crossfade restarts, the scene's song starts (fading in when it is a new song) and
    // the previous song fades out.
    static void Enter_Scene(int song) {
        for (const Track_Row& t : tracks) *t.state = TRACK_STOP;
        fade_out_volume = music_volume;
        fade_in_volume = fade_increment = 0;
        music_fade = true;
        music_timer = 0;
        old_song = current_song;
        current_song = 0;
        if (song != 0) {
            State(song) = TRACK_START;
            current_song = song;
            if (old_song != current_song) State(song) = TRACK_FADE_IN;
        }
        if (old_song != 0 && old_song != current_song) State(old_song) = TRACK_FADE_OUT;
    }
    // Ticks every ms until the crossfade has ended; the time it took.
    static int Finish_Crossfade() {
        int elapsed = 0;
        while (music_fade && elapsed < 5000) {
            Tick();
            elapsed++;
        }
        return elapsed;
    }
    static int Count(const Ops& ops, const std::string& op) {
        int n = 0;
        for (const std::string& o : ops) n += o.compare(0, op.size(), op) == 0;
        return n;
    }
    static std::vector<float> Volumes(const Ops& ops) {
        std::vector<float> v;
        for (const std::string& o : ops)
            if (o.compare(0, 7, "volume ") == 0) v.push_back(std::stof(o.substr(7)));
        return v;
    }
};

// Every track in every state, in walk mode with no crossfade running.
TEST_F(Music, EachTrackStateDrivesItsStream) {
    music_fade = false;
    fade_in_volume = 0.5f;
    for (const Track_Row& t : tracks) {
        const bool title = t.song == TITLE;
        struct Case { int state; Ops ops; int next; };
        const Case cases[] = {
            {TRACK_IDLE, {}, TRACK_IDLE},
            {TRACK_START, {"play", "volume 0.80"}, TRACK_PLAYING},
            {TRACK_PLAYING, {}, TRACK_PLAYING},
            {TRACK_STOP, t.keeps_position ? Ops{"stop"} : Ops{"stop", "reset"}, TRACK_IDLE},
            // Restart from the beginning at the crossfade's volume: the title track only.
            {TRACK_RESTART, title ? Ops{"play", "reset", "volume 0.50"} : Ops{}, title ? TRACK_PLAYING : TRACK_RESTART},
            // Fading in: kept playing, its volume left to the crossfade.
            {TRACK_FADE_IN, {"play"}, TRACK_FADE_IN},
            {TRACK_FADE_OUT, {}, TRACK_FADE_OUT},
            // Stop and rewind: only the tracks that otherwise keep their position.
            {TRACK_REWIND, t.keeps_position ? Ops{"stop", "reset"} : Ops{}, t.keeps_position ? TRACK_IDLE : TRACK_REWIND},
        };
        for (const Case& c : cases) {
            for (const Track_Row& other : tracks) *other.state = TRACK_IDLE;
            *t.state = c.state;
            Clear_Calls();
            Tick();
            EXPECT_EQ(All_Calls().size(), c.ops.size()) << t.label << " state " << c.state;
            EXPECT_EQ(Calls(t.song), c.ops) << t.label << " state " << c.state;
            EXPECT_EQ(*t.state, c.next) << t.label << " state " << c.state;
        }
    }
}

TEST_F(Music, StartVolumeHalvedByModeOrByTheHalfVolumeFlag) {
    music_fade = false;
    struct Case { int mode; bool half; const char* flag_track; const char* other_track; };
    const Case cases[] = {
        {MODE_WALK, false, "volume 0.80", "volume 0.80"},
        {MODE_WALK, true, "volume 0.40", "volume 0.80"},
        {MODE_CINE, false, "volume 0.80", "volume 0.40"},
        {MODE_FRONT, false, "volume 0.80", "volume 0.40"},
        {MODE_WORLD, true, "volume 0.40", "volume 0.40"},
    };
    for (const Case& c : cases) {
        game_mode = c.mode;
        half_volume = c.half;
        for (const Track_Row& t : tracks) *t.state = TRACK_START;
        Clear_Calls();
        Tick();
        for (const Track_Row& t : tracks)
            EXPECT_EQ(Calls(t.song), (Ops{"play", t.half_with_flag ? c.flag_track : c.other_track}))
                << t.label << " mode " << c.mode << " half " << c.half;
    }
}

TEST_F(Music, NewSongCrossfadesFromTheOldOneInAboutOnePointFourSeconds) {
    Enter_Scene(DUNGEON);
    Finish_Crossfade();
    ASSERT_EQ(State(DUNGEON), TRACK_PLAYING);
    Clear_Calls();

    Enter_Scene(BEACH);
    Tick();  // the first step is due at once
    EXPECT_EQ(Volumes(Calls(BEACH)).size(), 1u);
    EXPECT_EQ(Volumes(Calls(DUNGEON)).size(), 1u);
    for (int i = 0; i < 50; i++) Tick();  // the next step only after 50 ms
    EXPECT_EQ(Volumes(Calls(BEACH)).size(), 1u);
    Tick();
    EXPECT_EQ(Volumes(Calls(BEACH)).size(), 2u);

    int took = 52 + Finish_Crossfade();
    EXPECT_GE(took, 27 * 51);
    EXPECT_LE(took, 29 * 51);

    // The new song rose step by step to the full volume and plays on; it was kept playing
    // every tick until the step that ended the fade, and never rewound.
    std::vector<float> in = Volumes(Calls(BEACH));
    ASSERT_GE(in.size(), 28u);
    ASSERT_LE(in.size(), 29u);
    for (size_t i = 1; i < in.size(); i++) EXPECT_GT(in[i], in[i - 1]);
    EXPECT_FLOAT_EQ(in.back(), 0.8f);
    EXPECT_EQ(Count(Calls(BEACH), "play"), took - 1);
    EXPECT_EQ(Count(Calls(BEACH), "reset"), 0);
    EXPECT_EQ(State(BEACH), TRACK_PLAYING);

    // The old one sank to 0, then stopped and rewound in the same tick.
    Ops out = Calls(DUNGEON);
    std::vector<float> down = Volumes(out);
    ASSERT_EQ(down.size(), in.size());
    for (size_t i = 1; i < down.size(); i++) EXPECT_LT(down[i], down[i - 1]);
    EXPECT_FLOAT_EQ(down.back(), 0.0f);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(Ops(out.end() - 2, out.end()), (Ops{"stop", "reset"}));
    EXPECT_EQ(State(DUNGEON), TRACK_IDLE);

    // Nothing more happens once it is over.
    Clear_Calls();
    for (int i = 0; i < 200; i++) Tick();
    EXPECT_EQ(Count(Calls(DUNGEON), ""), 0);
    EXPECT_EQ(Count(Calls(BEACH), "volume"), 0);
}

TEST_F(Music, CampSongsResumeWhereTheyStopped) {
    for (int song : {CAMP, SAD, GROOVE}) {
        Enter_Scene(song);
        Finish_Crossfade();
        Clear_Calls();
        Enter_Scene(INTRO);
        Finish_Crossfade();
        Tick();
        EXPECT_EQ(Count(Calls(song), "stop"), 1) << Row(song).label;
        EXPECT_EQ(Count(Calls(song), "reset"), 0) << Row(song).label;
        EXPECT_EQ(State(song), TRACK_IDLE);
        Clear_Calls();
        Enter_Scene(song);  // back: it plays on from its position
        Finish_Crossfade();
        EXPECT_EQ(Count(Calls(song), "reset"), 0) << Row(song).label;
        EXPECT_GT(Count(Calls(song), "play"), 0) << Row(song).label;
        // A new game rewinds it.
        State(song) = TRACK_REWIND;
        Clear_Calls();
        Tick();
        EXPECT_EQ(Calls(song), (Ops{"stop", "reset"})) << Row(song).label;
        Enter_Scene(0);
        Finish_Crossfade();
    }
}

TEST_F(Music, SameSongPlaysOnWithoutRestartOrFade) {
    struct Case { int mode; const char* volume; };
    for (const Case& c : {Case{MODE_WALK, "volume 0.80"}, Case{MODE_FRONT, "volume 0.40"}}) {
        game_mode = c.mode;
        Enter_Scene(URGENCY);
        Finish_Crossfade();
        Clear_Calls();
        Enter_Scene(URGENCY);
        EXPECT_EQ(State(URGENCY), TRACK_START);
        Finish_Crossfade();  // runs to its end with no track attached
        // Set to the start volume once; no stop, rewind or fade.
        EXPECT_EQ(Calls(URGENCY), (Ops{"play", c.volume})) << "mode " << c.mode;
        EXPECT_EQ(State(URGENCY), TRACK_PLAYING);
        Enter_Scene(0);
        Finish_Crossfade();
    }
}

TEST_F(Music, SceneWithoutMusicFadesTheOldSongOut) {
    Enter_Scene(FINAL);
    Finish_Crossfade();
    Clear_Calls();
    Enter_Scene(0);
    Finish_Crossfade();
    Ops out = Calls(FINAL);
    EXPECT_GE(Volumes(out).size(), 28u);
    EXPECT_EQ(Ops(out.end() - 2, out.end()), (Ops{"stop", "reset"}));
    EXPECT_EQ(State(FINAL), TRACK_IDLE);
    for (const Track_Row& t : tracks) {
        if (t.song != FINAL) {
            EXPECT_EQ(Count(Calls(t.song), "play"), 0) << t.label;
        }
    }
}

TEST_F(Music, NewSceneDuringACrossfadeFadesTheRisingSongOutFromFullVolume) {
    Enter_Scene(BOOT);
    Finish_Crossfade();
    Enter_Scene(FRONT);  // BOOT fades out, FRONT in
    for (int i = 0; i < 300; i++) Tick();
    ASSERT_TRUE(music_fade);
    Clear_Calls();
    Enter_Scene(DGNB);  // FRONT now fades out, BOOT is stopped at once
    Tick();
    EXPECT_EQ(Calls(BOOT), (Ops{"stop", "reset"}));
    EXPECT_EQ(State(BOOT), TRACK_IDLE);
    std::vector<float> front = Volumes(Calls(FRONT));
    ASSERT_EQ(front.size(), 1u);
    EXPECT_NEAR(front[0], 0.8f - 0.8f / 28, 0.006);  // from the full volume, one step down
    EXPECT_EQ(State(FRONT), TRACK_FADE_OUT);
    Finish_Crossfade();
    EXPECT_EQ(State(FRONT), TRACK_IDLE);
    EXPECT_EQ(State(DGNB), TRACK_PLAYING);
}

TEST_F(Music, VolumeIsNormalisedAndZeroSilencesEverything) {
    struct Case { float configured; float used; };
    const Case cases[] = {{0.05f, 0}, {0.01f, 0}, {-1, 0}, {NAN, 0}, {0.06f, 0.06f}, {1, 1}, {3.5f, 1}};
    for (const Case& c : cases) {
        music_volume = c.configured;
        Run_Music();
        EXPECT_EQ(music_volume, c.used) << c.configured;
    }
    // With the music off nothing starts, for the whole run.
    music_volume = 0.04f;
    Enter_Scene(TITLE);
    for (int i = 0; i < 2000; i++) Tick();
    EXPECT_TRUE(All_Calls().empty());
    EXPECT_EQ(State(TITLE), TRACK_FADE_IN);
    EXPECT_TRUE(music_fade);
    EXPECT_EQ(music_volume, 0.0f);
}

TEST_F(Music, LoudVolumePlaysAtFull) {
    music_volume = 2.0f;
    music_fade = false;
    State(BOSS) = TRACK_START;
    Tick();
    EXPECT_EQ(Calls(BOSS), (Ops{"play", "volume 1.00"}));
}

TEST_F(Music, TitleRestartsFromTheBeginning) {
    Enter_Scene(TITLE);
    Finish_Crossfade();
    Clear_Calls();
    end_sfx = TRACK_RESTART;
    Tick();
    EXPECT_EQ(Calls(TITLE), (Ops{"play", "reset", "volume 0.80"}));
    EXPECT_EQ(end_sfx, TRACK_PLAYING);
}

TEST_F(Music, MusicBoxSilencesTheMusicAndGivesItBack) {
    Enter_Scene(CAMP);
    Finish_Crossfade();
    Clear_Calls();
    music_off = true;
    Tick();
    EXPECT_EQ(Calls(CAMP), (Ops{"volume 0.00"}));
    // A crossfade while silenced stays silent.
    Enter_Scene(BOSS);
    Finish_Crossfade();
    for (float v : Volumes(Calls(BOSS))) EXPECT_EQ(v, 0.0f);
    EXPECT_EQ(State(BOSS), TRACK_PLAYING);
    Clear_Calls();
    music_off = false;
    Tick();
    EXPECT_EQ(Calls(BOSS), (Ops{"volume 0.80"}));
    EXPECT_EQ(Calls(CAMP), (Ops{"volume 0.00"}));  // faded out before the box was switched
    Clear_Calls();
    Tick();
    EXPECT_TRUE(All_Calls().empty());
}

} // namespace
