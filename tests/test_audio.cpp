// The audio layer: effects and streams on the real (silent, ALSOFT_DRIVERS=null) device, empty
// handles for missing files and for a missing device, clean exit, and the recording double.
#include "audio/audio.h"

#include <gtest/gtest.h>

#include <SFML/Audio/OutputSoundFile.hpp>  // only to write an Ogg Vorbis fixture

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kRate = 8000;

std::vector<int16_t> tone(int ms, int rate = kRate) {
    std::vector<int16_t> s(static_cast<size_t>(rate) * ms / 1000);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate));
    return s;
}

void put16(std::ofstream& f, uint16_t v) {
    const char b[2] = {char(v & 0xff), char(v >> 8)};
    f.write(b, 2);
}
void put32(std::ofstream& f, uint32_t v) {
    const char b[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
    f.write(b, 4);
}

// A 16-bit PCM mono WAV file of `ms` milliseconds of a 440 Hz tone.
void writeWav(const std::string& path, int ms) {
    const auto samples = tone(ms);
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    std::ofstream f(path, std::ios::binary);
    f.write("RIFF", 4);
    put32(f, 36 + data);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);          // PCM
    put16(f, 1);          // mono
    put32(f, kRate);
    put32(f, kRate * 2);  // bytes per second
    put16(f, 2);          // block align
    put16(f, 16);         // bits per sample
    f.write("data", 4);
    put32(f, data);
    for (int16_t s : samples) put16(f, static_cast<uint16_t>(s));
}

bool writeOgg(const std::string& path, int ms) {
    const int rate = 22050;
    const auto samples = tone(ms, rate);
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, rate, 1)) return false;
    file.write(samples.data(), samples.size());
    return true;
}

// Polls `cond` until it holds or `limit` passes (the null device plays in real time).
bool waitFor(const std::function<bool()>& cond, std::chrono::milliseconds limit = 3000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!cond()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class AudioTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        char tmpl[] = "/tmp/varnoth_audio_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        fs::current_path(dir_);
    }
    void TearDown() override {
        audio::CloseDevice();
        audio::UseRecordingDouble(false);
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    fs::path old_, dir_;
};

// OpenAL's silent output: a real device that plays in real time. OpenAL reads the
// variable at its first call, so this must come before the first probe.
void useSilentDevice() { setenv("ALSOFT_DRIVERS", "null", 1); }

// On the real (silent) device.
class AudioDevice : public AudioTempDir {
protected:
    void SetUp() override {
        AudioTempDir::SetUp();
        useSilentDevice();
        ASSERT_TRUE(audio::OpenDevice());
        writeWav("long.wav", 1000);
        writeWav("short.wav", 100);
    }
};

TEST_F(AudioDevice, SingleEffectRestartsFromTheStartOnPlay) {
    audio::SoundEffect fx = audio::OpenSoundEffect("long.wav", audio::SINGLE);
    ASSERT_TRUE(fx);
    EXPECT_FALSE(fx.isPlaying());
    fx.play();
    EXPECT_TRUE(fx.isPlaying());
    ASSERT_TRUE(waitFor([&] { return fx.position() > 0.3; }));
    fx.play();  // restart, no second voice
    EXPECT_TRUE(fx.isPlaying());
    EXPECT_EQ(fx.playingVoices(), 1);
    EXPECT_LT(fx.position(), 0.25);
    fx.stop();
    EXPECT_FALSE(fx.isPlaying());
    fx.play();  // after a stop it plays again
    EXPECT_TRUE(fx.isPlaying());
}

TEST_F(AudioDevice, MultipleEffectOverlapsVoicesUpToTheCap) {
    audio::SoundEffect fx = audio::OpenSoundEffect("long.wav", audio::MULTIPLE);
    ASSERT_TRUE(fx);
    fx.setVolume(0.5f);
    for (int i = 1; i <= 3; ++i) {
        fx.play();
        EXPECT_EQ(fx.playingVoices(), i);
    }
    fx.stop();  // every voice
    EXPECT_EQ(fx.playingVoices(), 0);
    EXPECT_FALSE(fx.isPlaying());

    for (int i = 0; i < audio::kMaxVoicesPerEffect + 4; ++i) fx.play();
    EXPECT_EQ(fx.playingVoices(), audio::kMaxVoicesPerEffect);
    fx.stop();

    // Finished voices are reused: a short effect played twice, left to end, plays again.
    audio::SoundEffect blip = audio::OpenSoundEffect("short.wav", audio::MULTIPLE);
    ASSERT_TRUE(blip);
    blip.play();
    blip.play();
    EXPECT_EQ(blip.playingVoices(), 2);
    ASSERT_TRUE(waitFor([&] { return !blip.isPlaying(); }));
    blip.play();
    EXPECT_EQ(blip.playingVoices(), 1);
}

TEST_F(AudioDevice, TwoEffectsOnOneFilePlayIndependently) {
    audio::SoundEffect a = audio::OpenSoundEffect("long.wav", audio::SINGLE);
    audio::SoundEffect b = audio::OpenSoundEffect("long.wav", audio::SINGLE);
    ASSERT_TRUE(a && b);
    a.play();
    b.play();
    a.stop();
    EXPECT_FALSE(a.isPlaying());
    EXPECT_TRUE(b.isPlaying());
}

TEST_F(AudioDevice, StreamStopKeepsPositionAndResetRewinds) {
    audio::OutputStream music = audio::OpenSound("long.wav", true);
    ASSERT_TRUE(music);
    EXPECT_FALSE(music.isPlaying());
    music.setVolume(0.4f);
    music.play();
    EXPECT_TRUE(music.isPlaying());
    ASSERT_TRUE(waitFor([&] { return music.position() > 0.2; }));

    music.play();  // already playing: goes on, no restart
    EXPECT_GT(music.position(), 0.15);

    music.stop();
    EXPECT_FALSE(music.isPlaying());
    const double kept = music.position();
    EXPECT_GT(kept, 0.15);
    std::this_thread::sleep_for(100ms);
    EXPECT_NEAR(music.position(), kept, 0.02);  // stopped streams do not move

    music.play();  // resumes where it stopped
    EXPECT_TRUE(music.isPlaying());
    EXPECT_GE(music.position(), kept - 0.02);

    music.reset();  // while playing: plays on from the start
    EXPECT_TRUE(music.isPlaying());
    EXPECT_LT(music.position(), kept);

    ASSERT_TRUE(waitFor([&] { return music.position() > 0.2; }));
    music.stop();
    music.reset();  // while stopped: waits at the start
    EXPECT_FALSE(music.isPlaying());
    EXPECT_LT(music.position(), 0.05);
    music.play();
    EXPECT_TRUE(music.isPlaying());
    EXPECT_LT(music.position(), 0.15);
}

TEST_F(AudioDevice, StreamRepeatsAndReplaysFromTheStartAfterItsEnd) {
    // Long enough that a busy machine cannot play it through between two statements.
    writeWav("mid.wav", 400);
    audio::OutputStream loop = audio::OpenSound("mid.wav", true);
    ASSERT_TRUE(loop);
    loop.setRepeat(true);
    loop.play();
    std::this_thread::sleep_for(1300ms);  // over three times its length
    EXPECT_TRUE(loop.isPlaying());

    loop.setRepeat(false);
    ASSERT_TRUE(waitFor([&] { return !loop.isPlaying(); }));  // runs out

    loop.play();  // a stream that ran to its end starts over
    EXPECT_TRUE(loop.isPlaying());
    EXPECT_LT(loop.position(), 0.3);
    ASSERT_TRUE(waitFor([&] { return !loop.isPlaying(); }));

    // Stopping a stream that is not playing does nothing.
    loop.stop();
    EXPECT_FALSE(loop.isPlaying());
}

TEST_F(AudioDevice, OggVorbisStreamAndEffect) {
    if (!writeOgg("tune.ogg", 500)) GTEST_SKIP() << "cannot encode Ogg Vorbis here";
    audio::OutputStream music = audio::OpenSound("tune.ogg", true);
    ASSERT_TRUE(music);
    music.setRepeat(false);
    music.play();
    EXPECT_TRUE(music.isPlaying());
    ASSERT_TRUE(waitFor([&] { return music.position() > 0.1; }));
    music.stop();
    EXPECT_FALSE(music.isPlaying());
    EXPECT_GT(music.position(), 0.05);

    audio::SoundEffect fx = audio::OpenSoundEffect("tune.ogg", audio::SINGLE);
    ASSERT_TRUE(fx);
    fx.play();
    EXPECT_TRUE(fx.isPlaying());
}

TEST_F(AudioDevice, FilesThatCannotBeOpenedGiveSilentEmptyHandles) {
    std::ofstream("garbage.wav", std::ios::binary) << "RIFF this is no sound at all";
    std::ofstream("empty.ogg", std::ios::binary).flush();
    fs::create_directory("folder.wav");
    for (const char* path : {"missing.wav", "missing.ogg", "garbage.wav", "empty.ogg", "folder.wav"}) {
        SCOPED_TRACE(path);
        std::vector<audio::Sound> handles = {audio::OpenSoundEffect(path, audio::SINGLE),
                                             audio::OpenSoundEffect(path, audio::MULTIPLE),
                                             audio::OpenSound(path, true)};
        for (audio::Sound& h : handles) {
            EXPECT_FALSE(h);
            h.setVolume(0.5f);
            h.setRepeat(true);
            h.play();
            h.reset();
            EXPECT_FALSE(h.isPlaying());
            EXPECT_EQ(h.playingVoices(), 0);
            h.stop();
        }
    }
    // A good file beside them still opens.
    EXPECT_TRUE(audio::OpenSoundEffect("short.wav", audio::SINGLE));
}

TEST_F(AudioDevice, CloseDeviceSilencesLiveHandlesAndReopens) {
    audio::SoundEffect fx = audio::OpenSoundEffect("long.wav", audio::MULTIPLE);
    audio::OutputStream music = audio::OpenSound("long.wav", true);
    ASSERT_TRUE(fx && music);
    fx.play();
    music.play();
    EXPECT_TRUE(audio::DeviceValid());

    audio::CloseDevice();
    EXPECT_FALSE(audio::DeviceValid());
    EXPECT_TRUE(fx);  // the handles stay, silent
    EXPECT_FALSE(fx.isPlaying());
    EXPECT_FALSE(music.isPlaying());
    fx.play();
    music.play();
    music.reset();
    EXPECT_FALSE(fx.isPlaying());
    EXPECT_FALSE(music.isPlaying());
    EXPECT_FALSE(audio::OpenSoundEffect("long.wav", audio::SINGLE));  // closed: nothing opens

    ASSERT_TRUE(audio::OpenDevice());
    audio::OutputStream again = audio::OpenSound("long.wav", true);
    ASSERT_TRUE(again);
    again.play();
    EXPECT_TRUE(again.isPlaying());
}

// ---- Runs in a fresh process (so that OpenAL reads the environment anew), with a time limit.

void fresh(const fs::path& dir, const std::function<void()>& body) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            alarm(30);  // a hang ends the child with SIGALRM, which fails the test
            body();
            std::error_code ec;
            fs::remove_all(dir, ec);  // the child's own fixture does not tear down
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

class AudioProcess : public AudioTempDir {};

TEST_F(AudioProcess, WithoutDeviceEverythingIsASilentNoOp) {
    writeWav("tone.wav", 200);
    fresh(dir_, [] {
        setenv("ALSOFT_DRIVERS", "no-such-driver", 1);  // before the first probe
        if (audio::OpenDevice() || audio::DeviceValid()) std::exit(2);
        std::vector<audio::Sound> handles = {audio::OpenSoundEffect("tone.wav", audio::SINGLE),
                                             audio::OpenSoundEffect("tone.wav", audio::MULTIPLE),
                                             audio::OpenSound("tone.wav", true)};
        for (audio::Sound& h : handles) {
            if (h) std::exit(3);
            h.setVolume(1.0f);
            h.setRepeat(true);
            h.play();
            h.reset();
            if (h.isPlaying()) std::exit(4);
            h.stop();
        }
        audio::CloseDevice();
        if (audio::OpenDevice()) std::exit(5);  // still none
    });
}

// Handles kept in globals and left playing at exit, without CloseDevice: the process ends.
audio::SoundEffect g_effect;
audio::OutputStream g_stream;

TEST_F(AudioProcess, ExitsCleanlyWithSoundsPlaying) {
    writeWav("tone.wav", 1000);
    fresh(dir_, [] {
        useSilentDevice();
        if (!audio::OpenDevice()) std::exit(2);
        g_effect = audio::OpenSoundEffect("tone.wav", audio::MULTIPLE);
        g_stream = audio::OpenSound("tone.wav", true);
        if (!g_effect || !g_stream) std::exit(3);
        g_effect.play();
        g_effect.play();
        g_stream.setRepeat(true);
        g_stream.play();
        audio::OutputStream paused = audio::OpenSound("tone.wav", true);
        paused.play();
        paused.stop();
        static audio::OutputStream kept = paused;  // a paused stream's thread is still running
        std::this_thread::sleep_for(50ms);
    });
}

// ---- Recording double -----------------------------------------------------------------

class AudioDouble : public AudioTempDir {};

TEST_F(AudioDouble, LogsEveryCall) {
    audio::UseRecordingDouble(true);
    audio::ClearRecordedCalls();
    EXPECT_TRUE(audio::OpenDevice());
    EXPECT_TRUE(audio::DeviceValid());

    audio::SoundEffect click = audio::OpenSoundEffect("data/SFX/click.wav", audio::SINGLE);
    audio::OutputStream song = audio::OpenSound("data/SFX/song1.ogg", true);  // missing: opens
    ASSERT_TRUE(click && song);
    EXPECT_FALSE(song.isPlaying());
    click.setVolume(0.4f);
    click.play();
    song.setVolume(1.0f);
    song.setRepeat(true);
    song.play();
    EXPECT_TRUE(song.isPlaying());
    song.reset();
    EXPECT_TRUE(song.isPlaying());  // reset keeps it playing
    song.stop();
    EXPECT_FALSE(song.isPlaying());
    song.setRepeat(false);
    song.setVolume(0.3f);

    const std::vector<std::string> expected = {
        "data/SFX/click.wav open",  "data/SFX/song1.ogg open",
        "data/SFX/click.wav volume 0.40", "data/SFX/click.wav play",
        "data/SFX/song1.ogg volume 1.00", "data/SFX/song1.ogg repeat 1",
        "data/SFX/song1.ogg play",   "data/SFX/song1.ogg reset",
        "data/SFX/song1.ogg stop",   "data/SFX/song1.ogg repeat 0",
        "data/SFX/song1.ogg volume 0.30",
    };
    EXPECT_EQ(audio::RecordedCalls(), expected);

    audio::ClearRecordedCalls();
    EXPECT_TRUE(audio::RecordedCalls().empty());
    audio::CloseDevice();
    EXPECT_FALSE(audio::DeviceValid());
    audio::UseRecordingDouble(false);
    EXPECT_FALSE(audio::DeviceValid());
}

} // namespace
