// Our small audio layer: the default device, sound effects decoded in memory (single- or
// multi-voice) and streams decoded while they play. This is the only code that includes
// SFML or OpenAL. Without a device, or for a file that failed to open, every handle is
// empty and every operation on it does nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace audio {

enum SoundEffectType { SINGLE, MULTIPLE };

// The implementation behind a handle (SFML, or the recording double in tests).
class SoundImpl {
public:
    virtual ~SoundImpl() = default;
    virtual void play() = 0;
    virtual void stop() = 0;            // effects: stop every voice; streams: stop keeping position
    virtual void reset() = 0;           // streams: back to the start
    virtual void setVolume(float v) = 0;// 0..1
    virtual void setRepeat(bool r) = 0;
    virtual bool isPlaying() const = 0;
};

// A handle; empty handles are silent no-ops.
class Sound {
public:
    Sound() = default;
    explicit Sound(std::shared_ptr<SoundImpl> impl) : impl_(std::move(impl)) {}
    void play() { if (impl_) impl_->play(); }
    void stop() { if (impl_) impl_->stop(); }
    void reset() { if (impl_) impl_->reset(); }
    void setVolume(float v) { if (impl_) impl_->setVolume(v); }
    void setRepeat(bool r) { if (impl_) impl_->setRepeat(r); }
    bool isPlaying() const { return impl_ ? impl_->isPlaying() : false; }
    explicit operator bool() const { return impl_ != nullptr; }
    SoundImpl* impl() const { return impl_.get(); }
private:
    std::shared_ptr<SoundImpl> impl_;
};
using SoundEffect = Sound;
using OutputStream = Sound;

// Opens the default output device (probes OpenAL first). False when there is none.
bool OpenDevice();
bool DeviceValid();
void CloseDevice();

// An effect decoded into memory. SINGLE: play restarts it; MULTIPLE: each play a new voice.
SoundEffect OpenSoundEffect(const std::string& path, SoundEffectType type);
// A stream (WAV or Ogg Vorbis) decoded while it plays.
OutputStream OpenSound(const std::string& path, bool streaming);

// ---- Recording double for tests -------------------------------------------------------
// While on, OpenDevice succeeds, every open succeeds (missing files too) and every
// operation is appended to the log as "<path> <op>[ <arg>]", e.g. "data/SFX/click.wav play".
void UseRecordingDouble(bool on);
const std::vector<std::string>& RecordedCalls();
void ClearRecordedCalls();

} // namespace audio
