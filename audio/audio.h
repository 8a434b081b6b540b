// Our small audio layer: the default device, sound effects decoded in memory (single- or
// multi-voice) and streams decoded while they play. This is the only code that includes
// SFML or OpenAL. Without a device, or for a file that failed to open, every handle is
// empty and every operation on it does nothing.
//
// Lifetime: handles are reference counted, but the sound objects behind them belong to the
// device. CloseDevice() releases every sound object still alive (the handles stay valid and
// turn into silent no-ops), and the first successful OpenDevice() arranges for CloseDevice()
// to run at exit, so handles kept in globals never outlive the audio library.
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
    virtual void play() = 0;            // effects: SINGLE restarts, MULTIPLE adds a voice;
                                        // streams: start or resume (a playing stream goes on)
    virtual void stop() = 0;            // effects: stop every voice; streams: stop keeping position
    virtual void reset() = 0;           // streams: back to the start (effects: nothing to do)
    virtual void setVolume(float v) = 0;// 0..1 (clamped)
    virtual void setRepeat(bool r) = 0;
    virtual bool isPlaying() const = 0;
    // Seconds from the start: streams; effects: their most recently started voice (0 when
    // not sounding).
    virtual double position() const { return 0.0; }
    // Voices sounding now: 0 or 1, or up to kMaxVoicesPerEffect for a MULTIPLE effect.
    virtual int playingVoices() const { return isPlaying() ? 1 : 0; }
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
    double position() const { return impl_ ? impl_->position() : 0.0; }
    int playingVoices() const { return impl_ ? impl_->playingVoices() : 0; }
    explicit operator bool() const { return impl_ != nullptr; }
    SoundImpl* impl() const { return impl_.get(); }
private:
    std::shared_ptr<SoundImpl> impl_;
};
using SoundEffect = Sound;
using OutputStream = Sound;

// Most voices one MULTIPLE effect sounds at once; a play beyond that restarts its oldest voice.
inline constexpr int kMaxVoicesPerEffect = 16;

// Opens the default output device (probes OpenAL first, before any sound object exists).
// False when there is none. Calling it again while open returns true.
bool OpenDevice();
bool DeviceValid();
// Releases every sound object the layer created and closes the device.
void CloseDevice();

// An effect decoded into memory. SINGLE: play restarts it; MULTIPLE: each play a new voice.
// Empty handle without a device or when the file cannot be opened or decoded.
SoundEffect OpenSoundEffect(const std::string& path, SoundEffectType type);
// A stream (WAV or Ogg Vorbis) decoded while it plays (both values of `streaming` stream
// from the file). Empty handle without a device or when the file cannot be opened.
OutputStream OpenSound(const std::string& path, bool streaming);

// ---- Recording double for tests -------------------------------------------------------
// While on, OpenDevice succeeds (DeviceValid() is true until CloseDevice), every open succeeds
// (missing files too) and every call is appended to the log as "<path> <op>[ <arg>]", with
// <path> exactly as given to the open call:
//   "<path> open"          OpenSoundEffect or OpenSound
//   "<path> play"          play
//   "<path> stop"          stop
//   "<path> reset"         reset
//   "<path> volume <v>"    setVolume, v as passed, printed "%.2f" (e.g. "volume 0.40")
//   "<path> repeat <0|1>"  setRepeat
// e.g. "data/SFX/click.wav play". The queries are not logged: isPlaying() is true after
// play until stop (reset keeps it), playingVoices() follows it (0 or 1), position() is 0. Turning the
// double on or off does not clear the log; ClearRecordedCalls() does.
void UseRecordingDouble(bool on);
const std::vector<std::string>& RecordedCalls();
void ClearRecordedCalls();

} // namespace audio
