// The generated sound set: effects by kind (clean, firearms sharp, blasts low), loops that
// join without a step, the score language, and the whole set on disk as the bank opens it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "content/music/score.h"
#include "content/sound/decode.h"
#include "content/sound/effects.h"
#include "content/sound/sheet.h"
#include "content/sound/sound_set.h"
#include "content/writers/sound_writers.h"
#include "main/sound_bank.h"
#include "support/work_dir.h"

namespace {

using sound::Kind;

constexpr int R = sound::kRate;

// Share of the energy below `hz` (four low-pass stages, about 48 dB per octave).
float Energy_Below(const std::vector<float>& b, float hz) {
    dsp::Biquad st[4];
    for (dsp::Biquad& s : st) s.lowpass(hz, 0.707f, R);
    double low = 0, all = 0;
    for (float x : b) {
        float y = x;
        for (dsp::Biquad& s : st) y = s.run(y);
        low += (double)y * y;
        all += (double)x * x;
    }
    return all > 0 ? (float)(low / all) : 0.0f;
}

// The first sample at half the peak, in milliseconds.
float Onset_Ms(const std::vector<float>& b) {
    const float half = dsp::Peak(b) * 0.5f;
    for (size_t i = 0; i < b.size(); ++i)
        if (std::fabs(b[i]) >= half) return 1000.0f * i / R;
    return 1e9f;
}

// The loudest 20 ms of a sound (RMS).
float Loudest_Window(const std::vector<float>& b) {
    const size_t w = R / 50;
    float best = 0;
    for (size_t at = 0; at < b.size(); at += w / 2) best = std::max(best, dsp::Rms(b, at, w));
    return best;
}

// The jump from the last sample back to the first, against the sound's own sample-to-sample
// movement (its 99.9th percentile): a loop that joins is no rougher at the seam than inside.
// A steady texture also keeps its level across the seam (music may well not: a held last
// chord leads into a new bar).
void Expect_Seamless(const std::vector<float>& b, const std::string& name, bool steady = true) {
    ASSERT_GT(b.size(), 100u) << name;
    std::vector<float> d;
    for (size_t i = 1; i < b.size(); ++i) d.push_back(std::fabs(b[i] - b[i - 1]));
    std::sort(d.begin(), d.end());
    const float typical = d[d.size() * 999 / 1000];
    EXPECT_LE(std::fabs(b.front() - b.back()), std::max(typical, 0.002f)) << name << " steps at the seam";
    if (!steady) return;
    // The last and first 100 ms are alike in level.
    const size_t w = R / 10;
    const float head = dsp::Rms(b, 0, w), tail = dsp::Rms(b, b.size() - w, w);
    EXPECT_LT(std::max(head, tail), 2.5f * std::min(head, tail) + 0.005f) << name << " head " << head << " tail " << tail;
}

} // namespace

// Every effect is within range, starts without a click, ends silent and has its length.
TEST(SoundEffects, EveryEffectIsCleanAtBothEnds) {
    for (const sound::Effect_Recipe& s : sound::Effect_Recipes()) {
        SCOPED_TRACE(s.name);
        const dsp::Buffer b = sound::Render_Effect(s);
        ASSERT_EQ(b.size(), (size_t)(s.length * R));
        EXPECT_LT(dsp::Peak(b), 0.99f);
        EXPECT_NEAR(dsp::Peak(b), s.level, 0.01f);
        EXPECT_LT(std::fabs(b.front()), 0.01f);
        EXPECT_LT(dsp::Peak(std::vector<float>(b.end() - R / 200, b.end())), 0.05f);  // the last 5 ms
        for (float x : b) ASSERT_TRUE(std::isfinite(x));
    }
}

// Per kind: firearms and ricochets strike at once, blasts and heavy guns sit low, the steps
// are short and the loudest effects are the ones that should be.
TEST(SoundEffects, KindsHaveTheirCharacter) {
    struct Case {
        Kind kind;
        float max_onset_ms;   // the first half-peak sample
        float min_low_share;  // energy below 300 Hz, at least
        float max_low_share;  // ... at most
        float max_length;
    };
    const Case cases[] = {
        {Kind::Gun, 3.0f, 0.0f, 1.0f, 2.5f},       {Kind::Blast, 60.0f, 0.6f, 1.0f, 5.0f},
        {Kind::Ricochet, 3.0f, 0.0f, 0.2f, 1.0f},  {Kind::Step, 20.0f, 0.0f, 1.0f, 0.35f},
        {Kind::Glass, 10.0f, 0.0f, 0.3f, 1.5f},    {Kind::Coins, 150.0f, 0.0f, 0.1f, 1.0f},
        {Kind::Click, 3.0f, 0.0f, 0.3f, 0.2f},     {Kind::Chime, 150.0f, 0.0f, 1.0f, 2.6f},
    };
    for (const Case& c : cases) {
        int seen = 0;
        for (const sound::Effect_Recipe& s : sound::Effect_Recipes()) {
            if (s.kind != c.kind) continue;
            SCOPED_TRACE(s.name);
            ++seen;
            const dsp::Buffer b = sound::Render_Effect(s);
            EXPECT_LE(Onset_Ms(b), c.max_onset_ms);
            const float low = Energy_Below(b, 300.0f);
            EXPECT_GE(low, c.min_low_share);
            EXPECT_LE(low, c.max_low_share);
            EXPECT_LE(s.length, c.max_length);
        }
        EXPECT_GT(seen, 0) << sound::Kind_Name(c.kind);
    }
}

// The calibres are told apart: a cannon is darker than a rifle, a rifle than a pistol... and
// no two effect files sound the same.
TEST(SoundEffects, FirearmsAreToldApartAndNoTwoFilesAreAlike) {
    const auto low = [](const char* n) { return Energy_Below(sound::Render_Effect(*sound::Find_Effect(n)), 200.0f); };
    EXPECT_GT(low("tank1"), low("shotgun"));
    EXPECT_GT(low("big_gun"), low("KG60"));
    EXPECT_GT(low("shotgun"), low("pistol"));
    std::map<std::string, std::string> seen;
    for (const sound::Effect_Recipe& s : sound::Effect_Recipes()) {
        const dsp::Buffer b = sound::Render_Effect(s);
        const std::string key(reinterpret_cast<const char*>(b.data()), std::min<size_t>(b.size(), 4096) * sizeof(float));
        const auto [it, fresh] = seen.emplace(key, s.name);
        EXPECT_TRUE(fresh) << s.name << " sounds like " << it->second;
    }
}

TEST(SoundAmbience, LoopsJoinAndSnorePlaysOnce) {
    for (const sound::Ambience_Recipe& a : sound::Ambience_Recipes()) {
        SCOPED_TRACE(a.file);
        const dsp::Buffer b = sound::Render_Ambience(a);
        EXPECT_EQ(b.size(), (size_t)(a.length * R));
        EXPECT_LT(dsp::Peak(b), 0.99f);
        if (a.loops) {
            Expect_Seamless(b, a.file);
        } else {
            EXPECT_LT(std::fabs(b.front()), 0.01f);
            EXPECT_LT(std::fabs(b.back()), 0.01f);
        }
    }
}

TEST(SoundAmbience, LoopSeamCheckCatchesACut) {
    // A low hum cut in the middle of a cycle steps at the seam; cut on whole cycles it joins.
    dsp::Rng rng{7};
    dsp::Buffer hum(R);
    for (size_t i = 0; i < hum.size(); ++i) hum[i] = 0.5f * std::sin(2 * dsp::kPi * 50.0f * i / R) + 0.01f * rng.bi();
    Expect_Seamless(hum, "whole cycles");
    hum.resize(R - R / 200);
    EXPECT_NONFATAL_FAILURE(Expect_Seamless(hum, "cut"), "steps at the seam");
}

TEST(MusicScores, ParsesNotesLengthsKeysAndRepeats) {
    music::Score s;
    std::string error;
    ASSERT_TRUE(music::Parse_Score(R"(
tempo 90
meter 3
key d
loop off
track lead 73 100
track drums drums 80
pattern A
lead c4:1 e4+g4:2! | r:1/2 c5 d5:2?
drums k:1 h
song A A
)",
                                   s, error))
        << error;
    EXPECT_EQ(s.tempo, 90);
    EXPECT_FALSE(s.loop);
    EXPECT_EQ(s.beats, 12);  // two bars of three, twice
    EXPECT_DOUBLE_EQ(s.Seconds(), 8.0);
    ASSERT_EQ(s.tracks.size(), 2u);
    EXPECT_EQ(s.tracks[0].channel, 0);
    EXPECT_EQ(s.tracks[1].channel, 9);
    std::vector<music::Note> lead, drums;
    for (const music::Note& n : s.notes) (n.track == 0 ? lead : drums).push_back(n);
    ASSERT_EQ(lead.size(), 10u);
    // c4 moved to D, the chord accented, the rest skipped, the last note softened.
    EXPECT_EQ(lead[0].key, 62);
    EXPECT_EQ(lead[1].key, 66);
    EXPECT_EQ(lead[2].key, 69);
    EXPECT_EQ(lead[1].velocity, 120);
    EXPECT_DOUBLE_EQ(lead[3].beat, 3.5);
    EXPECT_EQ(lead[4].key, 76);
    EXPECT_DOUBLE_EQ(lead[4].length, 2.0);
    EXPECT_EQ(lead[4].velocity, 70);
    EXPECT_DOUBLE_EQ(lead[5].beat, 6.0);
    // The drum line of two beats fills the six of its pattern; drums are not moved by the key.
    ASSERT_EQ(drums.size(), 12u);
    EXPECT_EQ(drums[0].key, 36);
    EXPECT_DOUBLE_EQ(drums[11].beat, 11.0);
}

TEST(MusicScores, FaultsNameTheLineAndTheReason) {
    const std::string head = "tempo 100\ntrack a 0 90\npattern A\n";
    const struct {
        std::string text, error;
    } cases[] = {
        {head + "a c4:3 | c4:4\nsong A\n", "line 4: bar of 3"},
        {head + "a h4:4\nsong A\n", "line 4: unknown note 'h4'"},
        {head + "b c4:4\nsong A\n", "line 4: unknown track 'b'"},
        {head + "a c4:4\nsong B\n", "song names unknown pattern 'B'"},
        {head + "a c4:3\nsong A\n", "not a whole number of bars"},
        {head + "a c4:4 c4:4\na c4:3\nsong A\n", "does not divide"},
        {head + "a c4:0\nsong A\n", "bad length"},
        {"tempo 5\n", "line 1: tempo"},
        {"track a 200 90\n", "program"},
        {"key q\n", "unknown key"},
        {"tempo 100\n", "no track"},
        {"track d drums 90\npattern A\nd zz:4\nsong A\n", "unknown drum 'zz'"},
    };
    for (const auto& c : cases) {
        music::Score s;
        std::string error;
        EXPECT_FALSE(music::Parse_Score(c.text, s, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << "got: " << error;
    }
}

TEST(MusicScores, EveryStreamHasAScoreThatParses) {
    std::map<std::string, bool> repeat;
    for (const Stream_Entry& e : stream_table)
        if (e.music_volume) repeat[e.file] = e.repeat;
    ASSERT_EQ(repeat.size(), 17u);
    for (const music::Score_Text& t : music::Scores()) {
        SCOPED_TRACE(t.file);
        music::Score s;
        std::string error;
        ASSERT_TRUE(music::Parse_Score(t.text, s, error)) << error;
        ASSERT_TRUE(repeat.count(t.file));
        // A stream that repeats is written to loop; the fanfares ring out once.
        EXPECT_EQ(s.loop, repeat[t.file]);
        EXPECT_GE(s.Seconds(), s.loop ? 8.0 : 3.0);
        EXPECT_LE(s.Seconds(), 45.0);
        repeat.erase(t.file);
    }
    EXPECT_TRUE(repeat.empty());
}

TEST(SoundDecoding, BrokenFilesAreRefusedWithAReason) {
    Work_Dir dir("varnoth_sounds");
    ASSERT_TRUE(writers::Write_WAV("ok.wav", {0.0f, 0.5f, -0.5f}, 8000));
    std::string whole = Read_Text_File("ok.wav");
    ASSERT_TRUE(Write_Text_File("short.wav", whole.substr(0, whole.size() - 20)));
    ASSERT_TRUE(Write_Text_File("text.wav", "RIFF but not really a wave file"));
    ASSERT_TRUE(Write_Text_File("fake.ogg", "OggS and then nothing"));
    sound::Decoded d;
    std::string error;
    ASSERT_TRUE(sound::Decode_Sound("ok.wav", d, error)) << error;
    EXPECT_EQ(d.rate, 8000);
    ASSERT_EQ(d.samples.size(), 3u);
    EXPECT_NEAR(d.samples[1], 0.5f, 1e-3f);
    const struct {
        const char* file;
        const char* error;
    } cases[] = {{"short.wav", "truncated"}, {"text.wav", "not a RIFF"}, {"fake.ogg", "not an Ogg"}, {"none.wav", "cannot read"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(sound::Decode_Sound(c.file, d, error)) << c.file;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.file << ": " << error;
    }
}

// The whole set written as the generator writes it: every file the bank opens exists,
// decodes at the generator's rate and opens through the audio layer on the (silent) device;
// music is as long as its loop and joins; nothing clips; and at the default volumes every
// effect stands above the music.
TEST(SoundSet, EveryBankFileDecodesLoopsAndBalances) {
    Work_Dir dir("varnoth_sounds");
    std::vector<std::string> errors;
    ASSERT_TRUE(sound::Write_Sound_Set(".", errors)) << errors.front();

    std::map<std::string, const sound::Effect_Recipe*> effects;
    for (const sound::Effect_Recipe& s : sound::Effect_Recipes()) effects[std::string(s.name) + ".wav"] = &s;
    std::map<std::string, music::Score> scores;
    for (const music::Score_Text& t : music::Scores()) {
        std::string error;
        ASSERT_TRUE(music::Parse_Score(t.text, scores[t.file], error));
    }
    float music_rms = 0.0f;
    for (const Stream_Entry& e : stream_table) {
        SCOPED_TRACE(e.file);
        sound::Decoded d;
        std::string error;
        ASSERT_TRUE(sound::Decode_Sound(e.file, d, error)) << error;
        EXPECT_EQ(d.rate, R);
        EXPECT_EQ(d.channels, 1);
        EXPECT_LT(dsp::Peak(d.samples), 1.0f);
        if (!e.music_volume) continue;
        const music::Score& s = scores.at(e.file);
        const size_t loop = (size_t)std::llround(s.Seconds() * R);
        if (s.loop) {
            EXPECT_EQ(d.samples.size(), loop);
            Expect_Seamless(d.samples, e.file, false);
        } else {
            EXPECT_GT(d.samples.size(), loop);  // the last chord rings out
            EXPECT_LT(std::fabs(d.samples.back()), 0.01f);
        }
        music_rms = std::max(music_rms, dsp::Rms(d.samples));
    }
    for (const Effect_Entry& e : effect_table) {
        SCOPED_TRACE(e.file);
        ASSERT_TRUE(effects.count(e.file)) << "no recipe";
        sound::Decoded d;
        std::string error;
        ASSERT_TRUE(sound::Decode_Sound(e.file, d, error)) << error;
        EXPECT_EQ(d.rate, R);
        EXPECT_EQ(d.samples.size(), (size_t)(effects[e.file]->length * R));
        EXPECT_LT(dsp::Peak(d.samples), 0.99f);
        // The default volumes: effects 0.3, music 0.4 (the loudest track).
        EXPECT_GT(Loudest_Window(d.samples) * 0.3f, music_rms * 0.4f) << "lost under the music";
    }
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_TRUE(audio::OpenDevice());
    for (const Effect_Entry& e : effect_table) EXPECT_TRUE(audio::OpenSoundEffect(e.file, e.kind)) << e.file;
    for (const Stream_Entry& e : stream_table) EXPECT_TRUE(audio::OpenSound(e.file, true)) << e.file;
    audio::CloseDevice();
}

TEST(SoundSheet, DrawsEveryFileAndMarksTheBrokenOnes) {
    Work_Dir dir("varnoth_sounds");
    std::filesystem::create_directories("data/SFX");
    std::string error;
    EXPECT_FALSE(sound::Write_Sound_Sheet("sheet.png", ".", error));
    EXPECT_NE(error.find("no sound files"), std::string::npos) << error;
    for (const char* name : {"pistol", "exp1", "cow"})
        ASSERT_TRUE(writers::Write_WAV(std::string("data/SFX/") + name + ".wav", sound::Render_Effect(*sound::Find_Effect(name)), R));
    ASSERT_TRUE(Write_Text_File("data/SFX/broken.ogg", "OggS"));
    ASSERT_TRUE(sound::Write_Sound_Sheet("sheet.png", ".", error)) << error;
    cairo_surface_t* png = cairo_image_surface_create_from_png("sheet.png");
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    // Four cells in one row of eight.
    EXPECT_EQ(cairo_image_surface_get_width(png), 8 * 300);
    EXPECT_EQ(cairo_image_surface_get_height(png), 134);
    // The fourth cell, the broken file, is drawn red.
    cairo_surface_flush(png);
    const uint32_t px = *(const uint32_t*)(cairo_image_surface_get_data(png) + 60 * cairo_image_surface_get_stride(png) + (3 * 300 + 150) * 4);
    EXPECT_GT((px >> 16) & 0xff, 100u);
    cairo_surface_destroy(png);
}
