// The audio layer on SFML's audio module, with an OpenAL probe for the device and a
// recording double for tests.
//
// SFML opens its own OpenAL device as soon as its first audio object exists and gives no
// way to learn that the open failed; with no device, a streaming sf::Music never returns from
// its destructor. So the device is probed with plain OpenAL first, and without a device no
// SFML object is ever created: every open returns an empty handle.
#include "audio/audio.h"

#include <AL/alc.h>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/fresh_state.h"

namespace audio {
namespace {

// A sound object whose SFML parts can be dropped early, when the device closes.
class DeviceSound : public SoundImpl {
public:
    virtual void release() = 0;
};

struct State {
    bool device_ok = false;        // a real device is open
    bool double_on = false;        // the recording double answers every call
    bool double_device = false;    // OpenDevice was called while the double was on
    bool exit_hook = false;        // CloseDevice is registered to run at exit
    // Keeps SFML's device open from OpenDevice to CloseDevice, so it is not reopened each
    // time the number of live sound objects drops to zero.
    std::unique_ptr<sf::SoundBuffer> device_keeper;
    std::vector<std::weak_ptr<DeviceSound>> live;
    std::vector<std::string> log;
};

// Built on first use: OpenDevice may run during static start-up of another file.
State& state() {
    static State s;
    return s;
}

float clampVolume(float v) {
    if (!(v > 0.0f)) return 0.0f;  // negative and NaN
    return v > 1.0f ? 1.0f : v;
}

void registerSound(const std::shared_ptr<DeviceSound>& sound) {
    auto& live = state().live;
    std::erase_if(live, [](const std::weak_ptr<DeviceSound>& w) { return w.expired(); });
    live.push_back(sound);
}

// ---- Effects ----------------------------------------------------------------------------

class Effect final : public DeviceSound {
public:
    Effect(std::unique_ptr<sf::SoundBuffer> buffer, SoundEffectType type)
        : buffer_(std::move(buffer)), type_(type) {}

    void play() override {
        if (!buffer_) return;
        Voice& voice = (type_ == SINGLE && !voices_.empty()) ? voices_.front() : freeVoice();
        voice.sound->stop();  // a voice that sounds starts over from the beginning
        voice.sound->play();
        voice.started = ++clock_;
    }
    void stop() override {
        for (auto& v : voices_) v.sound->stop();
    }
    void reset() override {}  // effects always start from the beginning
    void setVolume(float v) override {
        volume_ = clampVolume(v) * 100.0f;
        for (auto& voice : voices_) voice.sound->setVolume(volume_);
    }
    void setRepeat(bool r) override {
        loop_ = r;
        for (auto& voice : voices_) voice.sound->setLoop(loop_);
    }
    bool isPlaying() const override { return playingVoices() > 0; }
    int playingVoices() const override {
        int n = 0;
        for (auto& v : voices_)
            if (v.sound->getStatus() == sf::Sound::Playing) ++n;
        return n;
    }
    double position() const override {
        const Voice* newest = nullptr;
        for (auto& v : voices_)
            if (!newest || v.started > newest->started) newest = &v;
        if (!newest || newest->sound->getStatus() != sf::Sound::Playing) return 0.0;
        return newest->sound->getPlayingOffset().asSeconds();
    }
    void release() override {
        voices_.clear();  // voices before the buffer they play
        buffer_.reset();
    }
    ~Effect() override { release(); }

private:
    struct Voice {
        std::unique_ptr<sf::Sound> sound;
        unsigned long started = 0;  // order of the last play, to find the oldest voice
    };

    Voice& newVoice() {
        auto sound = std::make_unique<sf::Sound>(*buffer_);
        sound->setVolume(volume_);
        sound->setLoop(loop_);
        voices_.push_back({std::move(sound), 0});
        return voices_.back();
    }
    // A finished voice, else a new one, else (at the cap) the one playing longest.
    Voice& freeVoice() {
        for (auto& v : voices_)
            if (v.sound->getStatus() != sf::Sound::Playing) return v;
        if (static_cast<int>(voices_.size()) < kMaxVoicesPerEffect) return newVoice();
        Voice* oldest = &voices_.front();
        for (auto& v : voices_)
            if (v.started < oldest->started) oldest = &v;
        return *oldest;
    }

    std::unique_ptr<sf::SoundBuffer> buffer_;
    std::vector<Voice> voices_;
    SoundEffectType type_;
    float volume_ = 100.0f;  // SFML's scale, 0..100
    bool loop_ = false;
    unsigned long clock_ = 0;
};

// ---- Streams ----------------------------------------------------------------------------

class Stream final : public DeviceSound {
public:
    explicit Stream(std::unique_ptr<sf::Music> music) : music_(std::move(music)) {}

    // Playing: goes on. Stopped by us (paused): resumes where it stopped. Never played, or
    // ran to its end: starts from the beginning (SFML rewinds a stopped stream on play).
    void play() override {
        if (!music_ || music_->getStatus() == sf::SoundSource::Playing) return;
        music_->play();
    }
    // SFML's stop() rewinds; pausing keeps the position for the next play.
    void stop() override {
        if (music_ && music_->getStatus() == sf::SoundSource::Playing) music_->pause();
    }
    // Back to the start, keeping the state: a playing stream plays on from the start, a
    // stopped one waits there.
    void reset() override {
        if (music_) music_->setPlayingOffset(sf::Time::Zero);
    }
    void setVolume(float v) override {
        if (music_) music_->setVolume(clampVolume(v) * 100.0f);
    }
    void setRepeat(bool r) override {
        if (music_) music_->setLoop(r);
    }
    bool isPlaying() const override {
        return music_ && music_->getStatus() == sf::SoundSource::Playing;
    }
    double position() const override {
        if (!music_ || music_->getStatus() == sf::SoundSource::Stopped) return 0.0;
        return music_->getPlayingOffset().asSeconds();
    }
    void release() override { music_.reset(); }  // joins the streaming thread
    ~Stream() override { release(); }

private:
    std::unique_ptr<sf::Music> music_;
};

// ---- Recording double -------------------------------------------------------------------

class Recording final : public SoundImpl {
public:
    explicit Recording(std::string path) : path_(std::move(path)) { record("open"); }

    void play() override {
        playing_ = true;
        record("play");
    }
    void stop() override {
        playing_ = false;
        record("stop");
    }
    void reset() override { record("reset"); }
    void setVolume(float v) override {
        char arg[64];
        std::snprintf(arg, sizeof arg, "volume %.2f", static_cast<double>(v));
        record(arg);
    }
    void setRepeat(bool r) override { record(r ? "repeat 1" : "repeat 0"); }
    bool isPlaying() const override { return playing_; }

private:
    void record(const std::string& op) { state().log.push_back(path_ + " " + op); }

    std::string path_;
    bool playing_ = false;
};

void closeAtExit() { CloseDevice(); }

// SFML hands any path that fopen accepts to its decoders, and the FLAC probe never returns
// on a directory (and a FIFO would block): only regular files go to SFML.
bool isSoundFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

bool OpenDevice() {
    State& s = state();
    if (s.double_on) {
        s.double_device = true;
        return true;
    }
    if (s.device_ok) return true;

    // Probe before any SFML object exists.
    ALCdevice* probe = alcOpenDevice(nullptr);
    if (!probe) return false;
    alcCloseDevice(probe);

    s.device_keeper = std::make_unique<sf::SoundBuffer>();  // SFML opens its device here
    if (!alcGetCurrentContext()) {  // SFML could not open it after all
        s.device_keeper.reset();
        return false;
    }
    if (!s.exit_hook) {
        // Registered after state() exists, so it runs before the state is destroyed and
        // before the audio libraries tear down.
        std::atexit(closeAtExit);
        s.exit_hook = true;
    }
    s.device_ok = true;
    return true;
}

bool DeviceValid() {
    const State& s = state();
    return s.double_on ? s.double_device : s.device_ok;
}

void CloseDevice() {
    State& s = state();
    s.double_device = false;
    for (auto& weak : s.live)
        if (auto sound = weak.lock()) sound->release();
    s.live.clear();
    s.device_keeper.reset();  // the last SFML object: SFML closes its device
    s.device_ok = false;
}

SoundEffect OpenSoundEffect(const std::string& path, SoundEffectType type) {
    State& s = state();
    if (s.double_on) return SoundEffect(std::make_shared<Recording>(path));
    if (!s.device_ok || !isSoundFile(path)) return {};
    auto buffer = std::make_unique<sf::SoundBuffer>();
    if (!buffer->loadFromFile(path)) return {};
    auto effect = std::make_shared<Effect>(std::move(buffer), type);
    registerSound(effect);
    return SoundEffect(effect);
}

OutputStream OpenSound(const std::string& path, bool /*streaming*/) {
    State& s = state();
    if (s.double_on) return OutputStream(std::make_shared<Recording>(path));
    if (!s.device_ok || !isSoundFile(path)) return {};
    auto music = std::make_unique<sf::Music>();
    if (!music->openFromFile(path)) return {};
    auto stream = std::make_shared<Stream>(std::move(music));
    registerSound(stream);
    return OutputStream(stream);
}

void UseRecordingDouble(bool on) {
    State& s = state();
    s.double_on = on;
    if (!on) s.double_device = false;
}

const std::vector<std::string>& RecordedCalls() { return state().log; }

void ClearRecordedCalls() { state().log.clear(); }

namespace {
// A fresh start: no device open, the double off, nothing recorded.
const fresh_state::Kept_By fresh_registrar_audio(__FILE__, "state()::s", state(), [] {
    CloseDevice();
    State& s = state();
    s.double_on = false;
    s.double_device = false;
    s.log.clear();
});
} // namespace

} // namespace audio
