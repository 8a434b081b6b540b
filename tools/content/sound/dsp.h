// Small DSP parts the sound recipes are built from: a noise source, oscillators, biquad
// filters, envelopes, a formant voice, a short room reverb, and the finishing steps
// (mixing, fades, seamless loops, peak levels). Mono float buffers in -1..1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dsp {

using Buffer = std::vector<float>;

inline constexpr float kPi = 3.14159265358979f;

// Deterministic noise: the same seed gives the same sound on every machine.
struct Rng {
    uint32_t state;
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float uni() { return (next() >> 8) * (1.0f / 16777216.0f); }  // 0..1
    float bi() { return uni() * 2.0f - 1.0f; }                     // -1..1
};

// A phase accumulator; the shapes are evaluated on its phase (0..1).
struct Osc {
    float phase = 0.0f;
    float step(float freq, int rate) {
        phase += freq / rate;
        phase -= (float)(int)phase;
        return phase;
    }
    float sine(float freq, int rate);
    float saw(float freq, int rate);       // band-limited by a one-sample smoothing
    float square(float freq, int rate, float width = 0.5f);
    float triangle(float freq, int rate);
};

// A biquad (RBJ cookbook) in direct form I.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float run(float x) {
        const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
    // Changes the response and keeps the state, so sweeps do not click.
    void lowpass(float freq, float q, int rate);
    void highpass(float freq, float q, int rate);
    void bandpass(float freq, float q, int rate);  // 0 dB at the centre
};

// Attack then exponential decay (time constant `decay`), 0 before t = 0.
float Env_AD(float t, float attack, float decay);
// Rises over `attack`, holds, falls linearly over `release` to 0 at `length`.
float Env_ASR(float t, float length, float attack, float release);

// Vowel formants of a voice: F1..F3 in Hz for a, e, i, o, u; anything else is a neutral schwa.
struct Formants {
    float f[3];
};
Formants Vowel(char v);
Formants Mix(const Formants& a, const Formants& b, float t);

// A voiced source (pulse train with jitter and optional breath) through three formant
// band-passes; one sample per call.
struct Voice {
    Osc glottis;
    Biquad band[3];
    Rng rng{12345};
    float jitter = 0.0f;
    float run(float pitch, const Formants& f, float breath, float scale, int rate);
};

// A short room: four combs and two all-passes. `mix` 0 dry .. 1 wet.
void Room_Reverb(Buffer& b, float size, float mix, int rate);

Buffer Silence(float seconds, int rate);
// Adds `src` times `gain` into `dst` from sample `at`, growing `dst` when needed.
void Mix_Into(Buffer& dst, const Buffer& src, size_t at, float gain = 1.0f);
void Fade_In(Buffer& b, float seconds, int rate);
void Fade_Out(Buffer& b, float seconds, int rate);
// Scales so that the largest magnitude is `peak`; a silent buffer stays silent.
void Normalize(Buffer& b, float peak);
float Peak(const Buffer& b);
float Rms(const Buffer& b, size_t from = 0, size_t count = SIZE_MAX);
// Turns a buffer of length L + overlap into a loop of length L: the part past L fades
// into the head, so the last sample leads into the first as it did in the original.
void Make_Seamless(Buffer& b, size_t overlap);
// Removes any DC offset with a gentle high-pass (about 20 Hz).
void Remove_DC(Buffer& b, int rate);

// A note name ("c4", "f#3", "bb5"; octave 4 holds middle C = 60) as a MIDI note number;
// -1 when it is not one.
int Note_Number(std::string_view name);
float Midi_Hz(float note);
// A seed from a name (FNV-1a), so each file has its own noise.
uint32_t Seed(std::string_view name);

} // namespace dsp
