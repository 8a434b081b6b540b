#include "content/sound/dsp.h"

#include <algorithm>
#include <cmath>

namespace dsp {

float Osc::sine(float freq, int rate) { return std::sin(2.0f * kPi * step(freq, rate)); }

float Osc::saw(float freq, int rate) {
    const float dt = freq / rate;
    const float p = step(freq, rate);
    float v = 2.0f * p - 1.0f;
    // PolyBLEP: rounds the jump so that high notes do not alias into hiss.
    if (p < dt) {
        const float t = p / dt;
        v -= t + t - t * t - 1.0f;
    } else if (p > 1.0f - dt) {
        const float t = (p - 1.0f) / dt;
        v -= t * t + t + t + 1.0f;
    }
    return v;
}

float Osc::square(float freq, int rate, float width) { return step(freq, rate) < width ? 1.0f : -1.0f; }

float Osc::triangle(float freq, int rate) {
    const float p = step(freq, rate);
    return p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
}

namespace {
struct Rbj {
    float cw, alpha;
    Rbj(float freq, float q, int rate) {
        const float w = 2.0f * kPi * std::clamp(freq, 10.0f, rate * 0.45f) / rate;
        cw = std::cos(w);
        alpha = std::sin(w) / (2.0f * std::max(q, 0.05f));
    }
};
} // namespace

void Biquad::lowpass(float freq, float q, int rate) {
    const Rbj r(freq, q, rate);
    const float a0 = 1.0f + r.alpha;
    b0 = (1.0f - r.cw) / 2.0f / a0;
    b1 = (1.0f - r.cw) / a0;
    b2 = b0;
    a1 = -2.0f * r.cw / a0;
    a2 = (1.0f - r.alpha) / a0;
}

void Biquad::highpass(float freq, float q, int rate) {
    const Rbj r(freq, q, rate);
    const float a0 = 1.0f + r.alpha;
    b0 = (1.0f + r.cw) / 2.0f / a0;
    b1 = -(1.0f + r.cw) / a0;
    b2 = b0;
    a1 = -2.0f * r.cw / a0;
    a2 = (1.0f - r.alpha) / a0;
}

void Biquad::bandpass(float freq, float q, int rate) {
    const Rbj r(freq, q, rate);
    const float a0 = 1.0f + r.alpha;
    b0 = r.alpha / a0;
    b1 = 0.0f;
    b2 = -r.alpha / a0;
    a1 = -2.0f * r.cw / a0;
    a2 = (1.0f - r.alpha) / a0;
}

float Env_AD(float t, float attack, float decay) {
    if (t < 0.0f) return 0.0f;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / std::max(decay, 1e-4f));
}

float Env_ASR(float t, float length, float attack, float release) {
    if (t < 0.0f || t >= length) return 0.0f;
    if (t < attack) return t / attack;
    if (t > length - release) return (length - t) / release;
    return 1.0f;
}

Formants Vowel(char v) {
    switch (v) {
    case 'a': return {{730, 1090, 2440}};
    case 'e': return {{530, 1840, 2480}};
    case 'i': return {{300, 2250, 3000}};
    case 'o': return {{570, 840, 2410}};
    case 'u': return {{320, 870, 2240}};
    case 'm': return {{250, 1000, 2200}};  // a hum through the nose
    default: return {{500, 1500, 2500}};
    }
}

Formants Mix(const Formants& a, const Formants& b, float t) {
    Formants r;
    for (int i = 0; i < 3; ++i) r.f[i] = a.f[i] + (b.f[i] - a.f[i]) * t;
    return r;
}

float Voice::run(float pitch, const Formants& f, float breath, float scale, int rate) {
    const float p = glottis.step(pitch * (1.0f + jitter * rng.bi()), rate);
    // A glottal pulse: a quick closing edge, rich in harmonics, softened by breath noise.
    const float pulse = (p < 0.4f ? std::sin(kPi * p / 0.4f) : 0.0f) - 0.25f;
    const float src = pulse * (1.0f - breath) + rng.bi() * breath * 0.6f;
    static constexpr float kGain[3] = {1.0f, 0.6f, 0.25f};
    float out = 0.0f;
    for (int i = 0; i < 3; ++i) {
        band[i].bandpass(f.f[i] * scale, 6.0f + i * 2.0f, rate);
        out += band[i].run(src) * kGain[i];
    }
    return out * 2.0f;
}

void Room_Reverb(Buffer& b, float size, float mix, int rate) {
    static constexpr float kComb[4] = {0.0297f, 0.0371f, 0.0411f, 0.0437f};
    static constexpr float kAll[2] = {0.005f, 0.0017f};
    const size_t tail = (size_t)(rate * (0.25f + size * 1.2f));
    Buffer wet(b.size() + tail, 0.0f);
    for (float d : kComb) {
        const size_t n = std::max<size_t>(1, (size_t)(d * rate * (0.6f + size)));
        std::vector<float> line(n, 0.0f);
        const float fb = 0.70f + 0.22f * size;
        float damp = 0.0f;
        size_t at = 0;
        for (size_t i = 0; i < wet.size(); ++i) {
            const float in = i < b.size() ? b[i] : 0.0f;
            const float out = line[at];
            damp += (out - damp) * 0.45f;
            line[at] = in + damp * fb;
            at = (at + 1) % n;
            wet[i] += out * 0.25f;
        }
    }
    for (float d : kAll) {
        const size_t n = std::max<size_t>(1, (size_t)(d * rate));
        std::vector<float> line(n, 0.0f);
        size_t at = 0;
        for (float& s : wet) {
            const float buf = line[at];
            line[at] = s + buf * 0.5f;
            s = buf - s * 0.5f;
            at = (at + 1) % n;
        }
    }
    b.resize(wet.size(), 0.0f);
    for (size_t i = 0; i < b.size(); ++i) b[i] = b[i] * (1.0f - mix * 0.5f) + wet[i] * mix;
}

Buffer Silence(float seconds, int rate) { return Buffer((size_t)std::max(0.0f, seconds * rate), 0.0f); }

void Mix_Into(Buffer& dst, const Buffer& src, size_t at, float gain) {
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

void Fade_In(Buffer& b, float seconds, int rate) {
    const size_t n = std::min(b.size(), (size_t)(seconds * rate));
    for (size_t i = 0; i < n; ++i) b[i] *= (float)i / n;
}

void Fade_Out(Buffer& b, float seconds, int rate) {
    const size_t n = std::min(b.size(), (size_t)(seconds * rate));
    for (size_t i = 0; i < n; ++i) b[b.size() - 1 - i] *= (float)i / n;
}

float Peak(const Buffer& b) {
    float p = 0.0f;
    for (float s : b) p = std::max(p, std::fabs(s));
    return p;
}

void Normalize(Buffer& b, float peak) {
    const float p = Peak(b);
    if (p <= 0.0f) return;
    const float g = peak / p;
    for (float& s : b) s *= g;
}

float Rms(const Buffer& b, size_t from, size_t count) {
    const size_t end = std::min(b.size(), count == SIZE_MAX ? b.size() : from + count);
    if (from >= end) return 0.0f;
    double sum = 0.0;
    for (size_t i = from; i < end; ++i) sum += (double)b[i] * b[i];
    return (float)std::sqrt(sum / (end - from));
}

void Make_Seamless(Buffer& b, size_t overlap) {
    if (overlap == 0 || b.size() <= overlap) return;
    const size_t len = b.size() - overlap;
    for (size_t i = 0; i < overlap; ++i) {
        const float t = (float)i / overlap;
        // Equal power: the two ends are unrelated noise more often than not.
        const float in = std::sin(0.5f * kPi * t), out = std::cos(0.5f * kPi * t);
        b[i] = b[i] * in + b[len + i] * out;
    }
    b.resize(len);
}

void Remove_DC(Buffer& b, int rate) {
    const float r = 1.0f - 2.0f * kPi * 20.0f / rate;
    float x1 = 0.0f, y1 = 0.0f;
    for (float& s : b) {
        const float y = s - x1 + r * y1;
        x1 = s;
        y1 = y;
        s = y;
    }
}

int Note_Number(std::string_view name) {
    static constexpr int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (name.empty() || name[0] < 'a' || name[0] > 'g') return -1;
    int n = kSteps[name[0] - 'a'];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i) n += name[i] == '#' ? 1 : -1;
    if (i == name.size()) return -1;
    int octave = 0;
    bool negative = false;
    if (name[i] == '-') negative = true, ++i;
    if (i == name.size()) return -1;
    for (; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        octave = octave * 10 + (name[i] - '0');
    }
    const int note = (negative ? -octave : octave) * 12 + 12 + n;
    return note >= 0 && note <= 127 ? note : -1;
}

float Midi_Hz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

uint32_t Seed(std::string_view name) {
    uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return h ? h : 1u;
}

} // namespace dsp
