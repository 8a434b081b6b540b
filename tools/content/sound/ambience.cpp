// The ambient streams: long textures that loop without a seam. Every slow movement in them
// (swells, gusts, engine wobble) turns a whole number of times per loop, and the loop's
// end is cross-faded into its head.
#include <cmath>
#include <string>

#include "content/sound/effects.h"

namespace sound {

using dsp::Buffer;
using dsp::kPi;

namespace {

constexpr int R = kRate;
constexpr float kOverlap = 0.5f;  // seconds cross-faded at the seam

// A slow wave turning `cycles` times over `length` seconds, at time t: 0..1.
float Lfo(float t, float length, int cycles, float phase = 0.0f) {
    return 0.5f + 0.5f * std::sin(2 * kPi * (t * cycles / length + phase));
}

void Add_Drop(Buffer& b, dsp::Rng& rng, size_t at, float gain) {
    const size_t n = (size_t)(0.006f * R);
    const float f = 2500 + 3000 * rng.uni();
    for (size_t i = 0; i < n && at + i < b.size(); ++i)
        b[at + i] += gain * std::sin(2 * kPi * f * i / R) * (1.0f - (float)i / n);
}

void Add_Chirp(Buffer& b, dsp::Rng& rng, size_t at) {
    // A small bird: two to four quick notes gliding up.
    const int notes = 2 + (int)(rng.uni() * 3);
    const float base = 2800 + 1800 * rng.uni();
    size_t pos = at;
    for (int k = 0; k < notes; ++k) {
        const size_t n = (size_t)((0.05f + 0.04f * rng.uni()) * R);
        float phase = 0.0f;
        for (size_t i = 0; i < n && pos + i < b.size(); ++i) {
            const float u = (float)i / n;
            phase += 2 * kPi * base * (1.0f + 0.35f * u) / R;
            b[pos + i] += 0.25f * std::sin(phase) * std::sin(kPi * u);
        }
        pos += n + (size_t)(0.03f * R);
    }
}

Buffer Texture(const std::string& kind, float length, dsp::Rng& rng) {
    const float total = length + kOverlap;
    Buffer b((size_t)(total * R), 0.0f);
    dsp::Biquad f1, f2, f3;
    dsp::Osc o1, o2, o3;
    if (kind == "rain") {
        f1.highpass(900, 0.7f, R);
        f2.lowpass(7000, 0.7f, R);
        for (size_t i = 0; i < b.size(); ++i) b[i] = f2.run(f1.run(rng.bi())) * (0.55f + 0.1f * Lfo(i / (float)R, length, 3));
        for (int k = 0; k < (int)(total * 60); ++k) Add_Drop(b, rng, (size_t)(rng.uni() * b.size()), 0.15f + 0.25f * rng.uni());
    } else if (kind == "waves") {
        // Breakers: a swell of low noise rising into spray, four per loop.
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = i / (float)R;
            const float swell = std::pow(Lfo(t, length, 4, 0.75f), 2.0f);
            f1.lowpass(250 + 2200 * swell, 0.7f, R);
            f2.highpass(1500, 0.7f, R);
            const float n = rng.bi();
            b[i] = f1.run(n) * (0.3f + 0.9f * swell) + f2.run(n) * 0.25f * swell * swell;
        }
    } else if (kind == "woods") {
        f1.bandpass(500, 0.5f, R);
        for (size_t i = 0; i < b.size(); ++i) b[i] = f1.run(rng.bi()) * (0.15f + 0.1f * Lfo(i / (float)R, length, 2));
        for (int k = 0; k < (int)(length * 0.9f); ++k) Add_Chirp(b, rng, (size_t)(rng.uni() * (length - 0.5f) * R));
    } else if (kind == "burn") {
        // A fire: a low roar and the crackle of wood.
        f1.lowpass(350, 0.7f, R);
        for (size_t i = 0; i < b.size(); ++i) b[i] = f1.run(rng.bi()) * (1.1f + 0.4f * Lfo(i / (float)R, length, 5));
        for (int k = 0; k < (int)(total * 25); ++k) {
            const size_t at = (size_t)(rng.uni() * b.size());
            const size_t n = (size_t)((0.002f + 0.01f * rng.uni()) * R);
            const float g = 0.2f + 0.6f * rng.uni() * rng.uni();
            f2.highpass(1500, 0.7f, R);
            for (size_t i = 0; i < n && at + i < b.size(); ++i) b[at + i] += f2.run(rng.bi()) * g * (1.0f - (float)i / n);
        }
    } else if (kind == "snore") {
        // One breath in through a rattling throat, one breath out.
        dsp::Voice v;
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = i / (float)R;
            const float cycle = std::fmod(t, length / 2) / (length / 2);
            if (cycle < 0.45f) {
                const float env = std::sin(kPi * cycle / 0.45f);
                const float rattle = 0.5f + 0.5f * o1.sine(28, R);
                b[i] = v.run(55, dsp::Vowel('o'), 0.5f, 0.8f, R) * env * rattle * 1.2f;
            } else if (cycle < 0.9f) {
                const float env = std::sin(kPi * (cycle - 0.45f) / 0.45f);
                f1.bandpass(900, 0.8f, R);
                b[i] = f1.run(rng.bi()) * env * 0.35f;
            }
        }
        return b;
    } else if (kind == "exhaust" || kind == "tank") {
        // A combustion engine at idle: a firing pulse through the exhaust's resonance.
        const bool tank = kind == "tank";
        const float rpm = tank ? 22.0f : 30.0f;
        f1.lowpass(tank ? 180.0f : 320.0f, 1.2f, R);
        f2.lowpass(tank ? 1500.0f : 2500.0f, 0.7f, R);
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = i / (float)R;
            const float wobble = 1.0f + 0.03f * (Lfo(t, length, 3) - 0.5f);
            const float p = o1.step(rpm * wobble, R);
            const float pulse = p < 0.18f ? std::sin(kPi * p / 0.18f) : 0.0f;
            b[i] = f1.run(pulse * 2.0f + rng.bi() * 0.3f) * 1.6f + f2.run(rng.bi()) * 0.05f;
            if (tank) {
                // Tracks: a clank every link, evenly spaced so the loop joins.
                const float link = o2.step(length > 0 ? 48.0f / length : 8.0f, R);
                if (link < 0.01f) b[i] += rng.bi() * 0.3f;
                b[i] += o3.sine(2 * rpm, R) * 0.15f;
            }
        }
    } else if (kind == "airplane") {
        // A propeller drone: two slightly detuned engines beating slowly, and air noise.
        f1.lowpass(900, 0.7f, R);
        f2.bandpass(1200, 0.5f, R);
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = i / (float)R;
            const float a = o1.saw(92, R), c = o2.saw(92 + 2.0f / length * 2, R);
            b[i] = f1.run(a + c) * 0.35f * (0.8f + 0.2f * Lfo(t, length, 2)) + f2.run(rng.bi()) * 0.25f;
        }
    } else {  // wind: a band of noise whose centre and strength drift in gusts
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = i / (float)R;
            const float gust = Lfo(t, length, 3) * 0.6f + Lfo(t, length, 5, 0.3f) * 0.4f;
            f1.bandpass(300 + 700 * gust, 1.5f, R);
            f2.bandpass(1800 + 900 * gust, 4.0f, R);
            const float n = rng.bi();
            b[i] = f1.run(n) * (0.3f + 0.9f * gust) + f2.run(n) * 0.12f * gust;
        }
    }
    return b;
}

} // namespace

Buffer Render_Ambience(const Ambience_Recipe& recipe) {
    dsp::Rng rng{dsp::Seed(recipe.file)};
    Buffer b = Texture(recipe.kind, recipe.length, rng);
    dsp::Remove_DC(b, R);
    if (recipe.loops) {
        // The filters settle from silence in the head, which fades in under the tail.
        dsp::Make_Seamless(b, (size_t)(kOverlap * R));
    } else {
        b.resize((size_t)(recipe.length * R));
        dsp::Fade_In(b, 0.05f, R);
        dsp::Fade_Out(b, 0.1f, R);
    }
    dsp::Normalize(b, recipe.level);
    return b;
}

} // namespace sound
