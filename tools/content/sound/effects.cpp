#include "content/sound/effects.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace sound {

using dsp::Buffer;
using dsp::kPi;

Buffer Voice_Recipe(const Effect_Recipe& s, dsp::Rng& rng);

namespace {

constexpr int R = kRate;

// The effects, by kind. Levels balance them against each other and against the music:
// guns and blasts loudest, voices and animals next, steps and interface sounds softest.
constexpr Effect_Recipe kEffects[] = {
    // Firearms, told apart by their body pitch, brightness, tail and mechanism.
    {.name = "pistol", .kind = Kind::Gun, .length = 0.55f, .pitch = 210, .colour = 0.75f, .level = 0.85f},
    {.name = "sniper", .kind = Kind::Gun, .length = 1.6f, .pitch = 120, .colour = 0.95f, .level = 0.92f, .shape = "bolt"},
    {.name = "KG60", .kind = Kind::Gun, .length = 1.0f, .pitch = 140, .colour = 0.85f, .level = 0.88f},
    {.name = "KG60A", .kind = Kind::Gun, .length = 0.45f, .pitch = 160, .colour = 0.8f, .level = 0.85f},
    {.name = "mgun", .kind = Kind::Gun, .length = 0.7f, .pitch = 150, .colour = 0.7f, .count = 4, .space = 0.075f, .level = 0.85f},
    {.name = "shotgun", .kind = Kind::Gun, .length = 1.1f, .pitch = 95, .colour = 0.45f, .level = 0.92f, .shape = "pump"},
    {.name = "shotgun1", .kind = Kind::Gun, .length = 1.1f, .pitch = 85, .colour = 0.5f, .count = 2, .space = 0.035f, .level = 0.92f},
    {.name = "big_gun", .kind = Kind::Gun, .length = 1.8f, .pitch = 60, .colour = 0.35f, .level = 0.95f},
    {.name = "tank1", .kind = Kind::Gun, .length = 2.2f, .pitch = 48, .colour = 0.3f, .level = 0.95f, .shape = "shell"},
    {.name = "tank2", .kind = Kind::Gun, .length = 2.2f, .pitch = 42, .colour = 0.25f, .level = 0.95f, .shape = "shell"},
    // Blasts.
    {.name = "exp1", .kind = Kind::Blast, .length = 2.0f, .pitch = 55, .colour = 0.4f, .level = 0.95f},
    {.name = "exp2", .kind = Kind::Blast, .length = 2.3f, .pitch = 45, .colour = 0.55f, .level = 0.95f},
    {.name = "grenade", .kind = Kind::Blast, .length = 1.7f, .pitch = 65, .colour = 0.35f, .level = 0.95f},
    {.name = "destroyb", .kind = Kind::Blast, .length = 2.6f, .pitch = 48, .colour = 0.9f, .level = 0.95f},
    {.name = "boss_explosion", .kind = Kind::Blast, .length = 4.5f, .pitch = 34, .colour = 0.7f, .count = 3, .space = 0.45f, .level = 0.97f},
    // Ricochets.
    {.name = "ric1", .kind = Kind::Ricochet, .length = 0.55f, .pitch = 3300, .pitch_end = 1900, .level = 0.6f},
    {.name = "ric2", .kind = Kind::Ricochet, .length = 0.7f, .pitch = 2600, .pitch_end = 1200, .level = 0.6f},
    {.name = "ric3", .kind = Kind::Ricochet, .length = 0.5f, .pitch = 4100, .pitch_end = 2700, .count = 2, .level = 0.6f},
    // Footsteps by surface: plain ground, soft floor, hard floor, mud, grass.
    {.name = "step1", .kind = Kind::Step, .length = 0.22f, .pitch = 700, .level = 0.7f, .shape = "ground"},
    {.name = "step2", .kind = Kind::Step, .length = 0.22f, .pitch = 640, .level = 0.7f, .shape = "ground"},
    {.name = "step3", .kind = Kind::Step, .length = 0.2f, .pitch = 380, .level = 0.62f, .shape = "soft"},
    {.name = "step4", .kind = Kind::Step, .length = 0.2f, .pitch = 350, .level = 0.62f, .shape = "soft"},
    {.name = "step5", .kind = Kind::Step, .length = 0.22f, .pitch = 1900, .level = 0.7f, .shape = "hard"},
    {.name = "step6", .kind = Kind::Step, .length = 0.22f, .pitch = 1700, .level = 0.7f, .shape = "hard"},
    {.name = "step8", .kind = Kind::Step, .length = 0.3f, .pitch = 420, .level = 0.7f, .shape = "mud"},
    {.name = "step9", .kind = Kind::Step, .length = 0.3f, .pitch = 380, .level = 0.7f, .shape = "mud"},
    {.name = "step10", .kind = Kind::Step, .length = 0.26f, .pitch = 3200, .level = 0.7f, .shape = "grass"},
    {.name = "step11", .kind = Kind::Step, .length = 0.26f, .pitch = 2900, .level = 0.7f, .shape = "grass"},
    // Glass.
    {.name = "glass1", .kind = Kind::Glass, .length = 0.9f, .count = 26, .level = 0.7f},
    {.name = "glass2", .kind = Kind::Glass, .length = 1.0f, .count = 32, .level = 0.7f},
    {.name = "glass3", .kind = Kind::Glass, .length = 0.8f, .count = 20, .level = 0.7f},
    {.name = "glass4", .kind = Kind::Glass, .length = 1.1f, .count = 40, .level = 0.7f},
    // Money.
    {.name = "coins", .kind = Kind::Coins, .length = 0.9f, .pitch = 2600, .count = 9, .space = 0.06f, .level = 0.6f},
    {.name = "coins1", .kind = Kind::Coins, .length = 0.6f, .pitch = 3000, .count = 3, .space = 0.08f, .level = 0.6f},
    {.name = "cash", .kind = Kind::Cash, .length = 1.3f, .pitch = 2093, .count = 5, .level = 0.65f},
    // Interface: clicks, keys, switches.
    {.name = "click", .kind = Kind::Click, .length = 0.06f, .pitch = 2400, .colour = 0.5f, .level = 0.7f},
    {.name = "back_button", .kind = Kind::Click, .length = 0.14f, .pitch = 1500, .colour = 0.4f, .count = 2, .space = 0.06f, .level = 0.7f},
    {.name = "back_space", .kind = Kind::Click, .length = 0.1f, .pitch = 900, .colour = 0.6f, .level = 0.7f},
    {.name = "type1", .kind = Kind::Click, .length = 0.07f, .pitch = 1300, .colour = 0.7f, .level = 0.65f},
    {.name = "type4", .kind = Kind::Click, .length = 0.07f, .pitch = 1700, .colour = 0.75f, .level = 0.65f},
    {.name = "light_switch", .kind = Kind::Click, .length = 0.1f, .pitch = 3200, .colour = 0.3f, .count = 2, .space = 0.018f, .level = 0.7f},
    {.name = "ok", .kind = Kind::Chime, .length = 0.35f, .level = 0.6f, .shape = "e6 b6"},
    {.name = "ping", .kind = Kind::Chime, .length = 0.8f, .colour = 0.2f, .level = 0.5f, .shape = "a6"},
    {.name = "pw_tink", .kind = Kind::Chime, .length = 0.18f, .colour = 0.6f, .level = 0.55f, .shape = "e7"},
    {.name = "fly", .kind = Kind::Buzz, .length = 0.35f, .pitch = 190, .level = 0.55f},
    // Reloads and mechanisms.
    {.name = "reload", .kind = Kind::Mechanism, .length = 0.6f, .pitch = 1800, .level = 0.8f, .shape = "click slide clack"},
    {.name = "reloaded", .kind = Kind::Mechanism, .length = 0.4f, .pitch = 2200, .level = 0.8f, .shape = "clack clack"},
    {.name = "change", .kind = Kind::Mechanism, .length = 0.45f, .pitch = 1600, .level = 0.75f, .shape = "rustle click"},
    {.name = "hatch", .kind = Kind::Mechanism, .length = 1.2f, .pitch = 700, .level = 0.7f, .shape = "creak clank"},
    {.name = "mine_down", .kind = Kind::Mechanism, .length = 0.9f, .pitch = 900, .level = 0.6f, .shape = "thud click beep"},
    {.name = "zip", .kind = Kind::Zip, .length = 0.45f, .pitch = 3000, .count = 34, .level = 0.7f},
    {.name = "medikit", .kind = Kind::Zip, .length = 0.5f, .pitch = 1800, .colour = 0.9f, .count = 26, .level = 0.7f},
    // Hits, knocks and breakage.
    {.name = "land1", .kind = Kind::Thump, .length = 0.35f, .pitch = 75, .colour = 0.3f, .level = 0.6f},
    {.name = "bang", .kind = Kind::Thump, .length = 0.3f, .pitch = 110, .colour = 0.7f, .level = 0.6f},
    {.name = "stamp", .kind = Kind::Thump, .length = 0.3f, .pitch = 140, .colour = 0.9f, .level = 0.55f},
    {.name = "smash1", .kind = Kind::Smash, .length = 1.0f, .pitch = 120, .count = 7, .level = 0.8f},
    {.name = "splat", .kind = Kind::Splat, .length = 0.35f, .pitch = 110, .colour = 0.5f, .level = 0.7f},
    {.name = "splatted", .kind = Kind::Splat, .length = 0.6f, .pitch = 90, .colour = 0.7f, .count = 2, .level = 0.75f},
    {.name = "chop", .kind = Kind::Splat, .length = 0.4f, .pitch = 130, .colour = 0.4f, .level = 0.7f, .shape = "chop"},
    // Air: whooshes, whistles, sirens, sparks.
    {.name = "whoosh", .kind = Kind::Whoosh, .length = 0.45f, .pitch = 500, .pitch_end = 2500, .colour = 0.5f, .level = 0.55f},
    {.name = "torch", .kind = Kind::Whoosh, .length = 0.9f, .pitch = 250, .pitch_end = 1400, .colour = 0.9f, .level = 0.6f},
    {.name = "whistle", .kind = Kind::Whistle, .length = 1.3f, .pitch = 2200, .pitch_end = 700, .level = 0.55f},
    {.name = "falling", .kind = Kind::Whistle, .length = 1.0f, .pitch = 1600, .pitch_end = 300, .colour = 0.6f, .level = 0.55f},
    {.name = "siren", .kind = Kind::Siren, .length = 3.0f, .pitch = 320, .pitch_end = 880, .count = 2, .level = 0.6f},
    {.name = "beam", .kind = Kind::Beam, .length = 0.6f, .pitch = 880, .pitch_end = 220, .level = 0.55f},
    {.name = "fireworks", .kind = Kind::Fireworks, .length = 2.4f, .pitch = 900, .pitch_end = 2600, .count = 40, .level = 0.85f},
    // Rewards.
    {.name = "medal", .kind = Kind::Chime, .length = 1.5f, .colour = 0.3f, .space = 0.09f, .level = 0.65f, .shape = "c6 e6 g6 c7 e7"},
    {.name = "healup", .kind = Kind::Chime, .length = 1.2f, .colour = 0.2f, .space = 0.07f, .level = 0.6f, .shape = "g5 c6 e6 g6 c7"},
    {.name = "heal", .kind = Kind::Chime, .length = 1.4f, .colour = 0.1f, .space = 0.045f, .level = 0.55f, .shape = "c6 d6 e6 g6 a6 c7 d7 e7 g7"},
    {.name = "buoy", .kind = Kind::Chime, .length = 2.5f, .colour = 0.8f, .level = 0.6f, .shape = "a3"},
    {.name = "victory", .kind = Kind::Jingle, .length = 1.6f, .space = 0.14f, .level = 0.7f, .shape = "c5 e5 g5 c6 - g5 c6"},
    {.name = "stolen", .kind = Kind::Jingle, .length = 1.4f, .space = 0.22f, .level = 0.6f, .shape = "e4 eb4 d4 db4"},
    // Water.
    {.name = "splash", .kind = Kind::Water, .length = 0.9f, .count = 14, .level = 0.7f, .shape = "splash"},
    {.name = "swim1", .kind = Kind::Water, .length = 0.7f, .count = 6, .level = 0.55f, .shape = "swim"},
    {.name = "swim2", .kind = Kind::Water, .length = 0.7f, .count = 7, .level = 0.55f, .shape = "swim"},
    {.name = "drip", .kind = Kind::Water, .length = 0.25f, .pitch = 900, .level = 0.6f, .shape = "drip"},
    {.name = "piss", .kind = Kind::Water, .length = 2.2f, .level = 0.45f, .shape = "stream"},
    {.name = "drown1", .kind = Kind::Water, .length = 1.6f, .pitch = 140, .count = 24, .level = 0.7f, .shape = "drown"},
    // Eating.
    {.name = "apple", .kind = Kind::Crunch, .length = 0.45f, .pitch = 3000, .count = 10, .level = 0.8f},
    {.name = "beans", .kind = Kind::Crunch, .length = 0.7f, .pitch = 900, .colour = 0.2f, .count = 6, .level = 0.75f},
    // Voices without words.
    {.name = "die1", .kind = Kind::Voice, .length = 0.9f, .pitch = 190, .pitch_end = 95, .colour = 0.25f, .level = 0.7f, .shape = "ao"},
    {.name = "die2", .kind = Kind::Voice, .length = 1.1f, .pitch = 170, .pitch_end = 80, .colour = 0.3f, .level = 0.7f, .shape = "eou", .tremolo = 7},
    {.name = "die3", .kind = Kind::Voice, .length = 0.8f, .pitch = 210, .pitch_end = 110, .colour = 0.2f, .level = 0.7f, .shape = "au"},
    {.name = "die4", .kind = Kind::Voice, .length = 1.0f, .pitch = 160, .pitch_end = 85, .colour = 0.35f, .level = 0.7f, .shape = "oum", .tremolo = 5},
    {.name = "pain1", .kind = Kind::Voice, .length = 0.35f, .pitch = 240, .pitch_end = 180, .colour = 0.2f, .level = 0.7f, .shape = "a"},
    {.name = "pain2", .kind = Kind::Voice, .length = 0.3f, .pitch = 260, .pitch_end = 170, .colour = 0.25f, .level = 0.7f, .shape = "eu"},
    {.name = "pain3", .kind = Kind::Voice, .length = 0.4f, .pitch = 220, .pitch_end = 200, .colour = 0.2f, .level = 0.7f, .shape = "ao"},
    {.name = "pain4", .kind = Kind::Voice, .length = 0.32f, .pitch = 280, .pitch_end = 190, .colour = 0.3f, .level = 0.7f, .shape = "u"},
    {.name = "emypain", .kind = Kind::Voice, .length = 0.3f, .pitch = 150, .pitch_end = 110, .colour = 0.35f, .level = 0.7f, .shape = "uo"},
    {.name = "laugh1", .kind = Kind::Voice, .length = 1.0f, .pitch = 210, .pitch_end = 170, .colour = 0.3f, .count = 5, .space = 0.17f, .level = 0.65f, .shape = "a"},
    {.name = "laugh2", .kind = Kind::Voice, .length = 1.1f, .pitch = 250, .pitch_end = 190, .colour = 0.3f, .count = 6, .space = 0.15f, .level = 0.65f, .shape = "e"},
    {.name = "laugh3", .kind = Kind::Voice, .length = 0.9f, .pitch = 180, .pitch_end = 150, .colour = 0.35f, .count = 4, .space = 0.2f, .level = 0.65f, .shape = "o"},
    {.name = "laugh4", .kind = Kind::Voice, .length = 1.4f, .pitch = 120, .pitch_end = 95, .colour = 0.35f, .count = 5, .space = 0.24f, .level = 0.7f, .shape = "a", .tremolo = 6},
    {.name = "boss_ohh", .kind = Kind::Voice, .length = 1.6f, .pitch = 88, .pitch_end = 62, .colour = 0.3f, .level = 0.8f, .shape = "ou", .formant = 0.85f, .tremolo = 18},
    {.name = "boss_ohh1", .kind = Kind::Voice, .length = 1.9f, .pitch = 80, .pitch_end = 58, .colour = 0.35f, .level = 0.8f, .shape = "aou", .formant = 0.85f, .tremolo = 22},
    {.name = "gargle", .kind = Kind::Voice, .length = 0.9f, .pitch = 115, .pitch_end = 90, .colour = 0.45f, .level = 0.65f, .shape = "o", .tremolo = 28},
    {.name = "gargle1", .kind = Kind::Voice, .length = 1.0f, .pitch = 105, .pitch_end = 85, .colour = 0.5f, .level = 0.65f, .shape = "ou", .tremolo = 33},
    {.name = "gargle2", .kind = Kind::Voice, .length = 0.8f, .pitch = 125, .pitch_end = 95, .colour = 0.45f, .level = 0.65f, .shape = "ao", .tremolo = 24},
    {.name = "wakeup", .kind = Kind::Voice, .length = 1.5f, .pitch = 190, .pitch_end = 130, .colour = 0.45f, .level = 0.6f, .shape = "aaom"},
    // Animals.
    {.name = "cow", .kind = Kind::Voice, .length = 1.6f, .pitch = 110, .pitch_end = 92, .colour = 0.15f, .level = 0.7f, .shape = "muuo", .formant = 0.75f},
    {.name = "cow1", .kind = Kind::Voice, .length = 1.3f, .pitch = 135, .pitch_end = 100, .colour = 0.15f, .level = 0.7f, .shape = "muo", .formant = 0.8f},
    {.name = "crow1", .kind = Kind::Voice, .length = 0.7f, .pitch = 620, .pitch_end = 520, .colour = 0.6f, .count = 2, .space = 0.3f, .level = 0.6f, .shape = "a", .formant = 1.5f, .tremolo = 70},
    {.name = "crow2", .kind = Kind::Voice, .length = 1.0f, .pitch = 580, .pitch_end = 480, .colour = 0.6f, .count = 3, .space = 0.28f, .level = 0.6f, .shape = "a", .formant = 1.45f, .tremolo = 65},
    {.name = "owl", .kind = Kind::Voice, .length = 1.6f, .pitch = 390, .pitch_end = 360, .colour = 0.1f, .count = 3, .space = 0.45f, .level = 0.55f, .shape = "u", .formant = 1.1f},
    {.name = "bark1", .kind = Kind::Voice, .length = 0.55f, .pitch = 470, .pitch_end = 330, .colour = 0.45f, .count = 2, .space = 0.22f, .level = 0.7f, .shape = "ao", .formant = 1.3f},
    {.name = "dogdie", .kind = Kind::Voice, .length = 0.8f, .pitch = 950, .pitch_end = 480, .colour = 0.3f, .level = 0.65f, .shape = "iu", .formant = 1.6f},
    {.name = "seagull1", .kind = Kind::Voice, .length = 0.9f, .pitch = 1300, .pitch_end = 950, .colour = 0.35f, .count = 3, .space = 0.26f, .level = 0.55f, .shape = "ia", .formant = 1.9f},
    {.name = "seagull2", .kind = Kind::Voice, .length = 0.7f, .pitch = 1450, .pitch_end = 1100, .colour = 0.35f, .count = 2, .space = 0.3f, .level = 0.55f, .shape = "ia", .formant = 1.9f},
    {.name = "monkey1", .kind = Kind::Voice, .length = 1.1f, .pitch = 420, .pitch_end = 720, .colour = 0.3f, .count = 4, .space = 0.24f, .level = 0.6f, .shape = "ua", .formant = 1.7f},
};

// The ambient streams.
constexpr Ambience_Recipe kAmbience[] = {
    {"rain.ogg", "rain", 8.0f, 0.45f, true},       {"waves.ogg", "waves", 10.0f, 0.5f, true},
    {"woods.ogg", "woods", 10.0f, 0.45f, true},    {"burn.wav", "burn", 6.0f, 0.5f, true},
    {"snore.wav", "snore", 4.0f, 0.45f, false},    {"exhaust.ogg", "exhaust", 4.0f, 0.45f, true},
    {"airplane.wav", "airplane", 6.0f, 0.5f, true}, {"wind.wav", "wind", 8.0f, 0.45f, true},
    {"tank_engine.ogg", "tank", 6.0f, 0.55f, true},
};

// ---- small shared pieces -------------------------------------------------------------

size_t At(float seconds) { return (size_t)std::max(0.0f, seconds * R); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }
float Glide(float from, float to, float t) { return to > 0.0f ? from * std::pow(to / from, t) : from; }

// Filtered noise under an attack/decay envelope.
Buffer Noise_Burst(dsp::Rng& rng, float seconds, float attack, float decay, float lo, float hi) {
    Buffer b(At(seconds));
    dsp::Biquad h, l;
    h.highpass(lo, 0.7f, R);
    l.lowpass(hi, 0.7f, R);
    for (size_t i = 0; i < b.size(); ++i) b[i] = l.run(h.run(rng.bi())) * dsp::Env_AD((float)i / R, attack, decay);
    return b;
}

// A struck metal part: a few inharmonic partials with short decays.
Buffer Metal(float freq, float decay, float seconds) {
    static constexpr float kRatio[4] = {1.0f, 2.76f, 5.40f, 8.93f};
    static constexpr float kGain[4] = {1.0f, 0.55f, 0.3f, 0.15f};
    Buffer b(At(seconds));
    for (int p = 0; p < 4; ++p) {
        const float f = freq * kRatio[p];
        if (f > R * 0.45f) break;
        const float d = decay / (1.0f + p * 0.6f);
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = (float)i / R;
            b[i] += kGain[p] * std::sin(2 * kPi * f * t) * dsp::Env_AD(t, 0.0005f, d);
        }
    }
    return b;
}

// A decaying sine that drops in pitch: kicks, thumps, booms.
Buffer Thud(float from, float to, float decay, float seconds) {
    Buffer b(At(seconds));
    dsp::Osc o;
    for (size_t i = 0; i < b.size(); ++i) {
        const float t = (float)i / R;
        b[i] = o.sine(Lerp(to, from, std::exp(-t / (decay * 0.5f))), R) * dsp::Env_AD(t, 0.002f, decay);
    }
    return b;
}

// A water bubble: a sine rising quickly as it closes.
Buffer Bubble(float freq, float seconds) {
    Buffer b(At(seconds));
    dsp::Osc o;
    for (size_t i = 0; i < b.size(); ++i) {
        const float t = (float)i / b.size();
        b[i] = o.sine(freq * (1.0f + 1.5f * t), R) * std::sin(kPi * t) * (1.0f - t);
    }
    return b;
}

std::vector<std::string> Words(const char* s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

// ---- recipes -------------------------------------------------------------------------

Buffer Gun(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        Buffer shot;
        // Crack: broadband, a couple of milliseconds, brighter for rifles.
        dsp::Mix_Into(shot, Noise_Burst(rng, 0.05f, 0.0002f, 0.004f + 0.004f * (1 - s.colour), 900 + 2500 * s.colour, 9000), 0, 1.0f);
        // Body: the powder's boom, its pitch tells the calibre.
        dsp::Mix_Into(shot, Thud(s.pitch * 2.0f, s.pitch * 0.6f, 0.03f + 3.0f / s.pitch, 0.5f), 0, 0.9f);
        dsp::Mix_Into(shot, Noise_Burst(rng, 0.4f, 0.001f, 0.02f + 2.0f / s.pitch, 60, s.pitch * 8), 0, 1.2f);
        // Tail: the report rolling away.
        const float tail = s.length * 0.3f;
        dsp::Mix_Into(shot, Noise_Burst(rng, s.length, 0.01f, tail, 80, 500 + 1200 * s.colour), At(0.01f), 0.6f);
        dsp::Mix_Into(out, shot, At(k * s.space), 1.0f);
    }
    const std::string shape = s.shape;
    if (shape == "bolt" || shape == "pump") {  // the action worked after the shot
        const float at = s.length * 0.55f;
        const float f = shape == "bolt" ? 2400.0f : 1300.0f;
        dsp::Mix_Into(out, Metal(f, 0.02f, 0.1f), At(at), 0.25f);
        dsp::Mix_Into(out, Noise_Burst(rng, 0.08f, 0.01f, 0.03f, 1500, 5000), At(at + 0.03f), 0.1f);
        dsp::Mix_Into(out, Metal(f * 1.2f, 0.02f, 0.1f), At(at + 0.13f), 0.3f);
    } else if (shape == "shell") {  // a heavy shell case rings on the deck
        dsp::Mix_Into(out, Metal(420, 0.12f, 0.4f), At(s.length * 0.45f), 0.06f);
    }
    dsp::Room_Reverb(out, 0.5f, 0.2f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Blast(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        Buffer b;
        const float len = s.length - k * s.space;
        // A short bright edge, kept small: the weight is in the low end.
        dsp::Mix_Into(b, Noise_Burst(rng, 0.05f, 0.0003f, 0.006f, 300, 4000), 0, 0.25f);
        dsp::Mix_Into(b, Thud(s.pitch * 2.2f, s.pitch * 0.6f, 0.35f, len), 0, 1.0f);
        // Rumble: low noise whose filter closes as it dies away.
        Buffer rumble(At(len));
        dsp::Biquad l1, l2;
        for (size_t i = 0; i < rumble.size(); ++i) {
            const float t = (float)i / R;
            const float cut = s.pitch * (1.5f + 5.0f * std::exp(-t / 0.25f));
            l1.lowpass(cut, 0.8f, R);
            l2.lowpass(cut, 0.8f, R);
            rumble[i] = l2.run(l1.run(rng.bi())) * dsp::Env_AD(t, 0.004f, len * 0.3f) * 4.0f;
        }
        dsp::Mix_Into(b, rumble, 0, 1.0f);
        // Debris falling back: sparse crackles.
        for (int d = 0; d < (int)(30 * s.colour); ++d) {
            const float t = 0.08f + rng.uni() * len * 0.5f;
            dsp::Mix_Into(b, Noise_Burst(rng, 0.03f, 0.0005f, 0.006f, 400, 3000), At(t), 0.08f * std::exp(-t));
        }
        dsp::Mix_Into(out, b, At(k * s.space), k == 0 ? 1.0f : 0.8f);
    }
    dsp::Room_Reverb(out, 0.8f, 0.25f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Ricochet(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = Noise_Burst(rng, 0.04f, 0.0002f, 0.004f, 1500, 9000);
    for (int k = 0; k < s.count; ++k) {
        const float start = 0.005f + k * 0.12f;
        Buffer w(At(s.length - start));
        dsp::Osc o, vib;
        dsp::Biquad band;
        for (size_t i = 0; i < w.size(); ++i) {
            const float t = (float)i / w.size();
            const float f = Glide(s.pitch * (1 - 0.15f * k), s.pitch_end, t) * (1.0f + 0.02f * vib.sine(30, R));
            band.bandpass(f, 8.0f, R);
            w[i] = (0.7f * o.sine(f, R) + 0.6f * band.run(rng.bi())) * dsp::Env_AD(t * s.length, 0.003f, s.length * 0.3f);
        }
        dsp::Mix_Into(out, w, At(start), 0.6f / (1 + k));
    }
    return out;
}

Buffer Step(const Effect_Recipe& s, dsp::Rng& rng) {
    const std::string surface = s.shape;
    Buffer out = dsp::Silence(s.length, R);
    for (int part = 0; part < 2; ++part) {  // heel, then toe
        const size_t at = At(part * (0.035f + 0.01f * rng.uni()));
        const float g = part == 0 ? 1.0f : 0.6f;
        if (surface == "grass") {
            for (int k = 0; k < 12; ++k)
                dsp::Mix_Into(out, Noise_Burst(rng, 0.03f, 0.002f, 0.008f, s.pitch * 0.6f, s.pitch * 2.5f), at + At(rng.uni() * 0.09f), 0.5f * g);
            dsp::Mix_Into(out, Thud(120, 70, 0.02f, 0.08f), at, 0.15f * g);
        } else if (surface == "mud") {
            Buffer sq(At(0.18f));
            dsp::Biquad band;
            for (size_t i = 0; i < sq.size(); ++i) {
                const float t = (float)i / sq.size();
                band.bandpass(s.pitch * (2.2f - 1.4f * t), 4.0f, R);
                sq[i] = band.run(rng.bi()) * std::sin(kPi * t) * 3.0f;
            }
            dsp::Mix_Into(out, sq, at, g);
            dsp::Mix_Into(out, Thud(110, 60, 0.03f, 0.1f), at, 0.5f * g);
        } else if (surface == "hard") {
            dsp::Mix_Into(out, Noise_Burst(rng, 0.06f, 0.0005f, 0.008f, 800, 6000), at, 0.8f * g);
            dsp::Mix_Into(out, Metal(s.pitch, 0.01f, 0.05f), at, 0.2f * g);
            dsp::Mix_Into(out, Thud(160, 90, 0.02f, 0.06f), at, 0.5f * g);
        } else {  // ground and soft floors: a dull thud with some grit
            const float grit = surface == "soft" ? 0.25f : 0.7f;
            dsp::Mix_Into(out, Noise_Burst(rng, 0.09f, 0.001f, 0.018f, 100, s.pitch * 2.0f), at, g);
            dsp::Mix_Into(out, Noise_Burst(rng, 0.05f, 0.001f, 0.01f, 1500, 5000), at, grit * 0.3f * g);
            dsp::Mix_Into(out, Thud(130, 70, 0.025f, 0.08f), at, 0.6f * g);
        }
    }
    out.resize(At(s.length));
    return out;
}

Buffer Glass(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = Noise_Burst(rng, 0.3f, 0.0005f, 0.05f, 2500, 10000);
    dsp::Mix_Into(out, Thud(300, 150, 0.02f, 0.06f), 0, 0.3f);
    for (int k = 0; k < s.count; ++k) {
        const float t = 0.01f + std::pow(rng.uni(), 2.0f) * s.length * 0.6f;
        const float f = 2200.0f + rng.uni() * 5000.0f;
        dsp::Mix_Into(out, Metal(f * 0.5f, 0.02f + rng.uni() * 0.08f, 0.2f), At(t), (0.25f + 0.3f * rng.uni()) * std::exp(-2.0f * t));
    }
    dsp::Room_Reverb(out, 0.2f, 0.1f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Coins(const Effect_Recipe& s, dsp::Rng& rng, float from = 0.0f) {
    Buffer out = dsp::Silence(s.length, R);
    float t = from;
    for (int k = 0; k < s.count; ++k) {
        const float f = s.pitch * (0.8f + 0.5f * rng.uni());
        dsp::Mix_Into(out, Metal(f, 0.06f + 0.12f * rng.uni(), 0.35f), At(t), 0.5f + 0.5f * rng.uni());
        t += s.space * (0.5f + rng.uni());
    }
    out.resize(At(s.length));
    return out;
}

Buffer Cash(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = Noise_Burst(rng, 0.1f, 0.001f, 0.02f, 200, 1500);  // the drawer's clunk
    dsp::Mix_Into(out, Metal(s.pitch, 0.35f, 1.0f), At(0.08f), 0.6f);
    dsp::Mix_Into(out, Metal(s.pitch * 1.26f, 0.35f, 1.0f), At(0.2f), 0.6f);
    Effect_Recipe c = s;
    c.pitch = 2800;
    c.space = 0.05f;
    dsp::Mix_Into(out, Coins(c, rng, 0.3f), 0, 0.5f);
    out.resize(At(s.length));
    return out;
}

Buffer Click(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        Buffer c = Noise_Burst(rng, 0.03f, 0.0002f, 0.002f + 0.004f * s.colour, s.pitch * 0.5f, s.pitch * 4);
        dsp::Mix_Into(c, Metal(s.pitch, 0.008f + 0.01f * (1 - s.colour), 0.04f), 0, 0.4f);
        dsp::Mix_Into(out, c, At(k * s.space), k == 0 ? 1.0f : 0.7f);
    }
    out.resize(At(s.length));
    return out;
}

Buffer Mechanism(const Effect_Recipe& s, dsp::Rng& rng) {
    const std::vector<std::string> steps = Words(s.shape);
    Buffer out = dsp::Silence(s.length, R);
    const float slot = s.length / (steps.size() + 0.5f);
    for (size_t k = 0; k < steps.size(); ++k) {
        const std::string& w = steps[k];
        const size_t at = At(k * slot);
        if (w == "click") {
            dsp::Mix_Into(out, Click(Effect_Recipe{.name = "", .kind = Kind::Click, .length = 0.05f, .pitch = s.pitch}, rng), at, 0.7f);
        } else if (w == "clack") {
            dsp::Mix_Into(out, Noise_Burst(rng, 0.06f, 0.0003f, 0.006f, 600, 7000), at, 0.9f);
            dsp::Mix_Into(out, Metal(s.pitch * 0.7f, 0.03f, 0.12f), at, 0.35f);
        } else if (w == "slide" || w == "rustle") {
            Buffer sl(At(slot * 0.8f));
            dsp::Biquad band;
            band.bandpass(w == "slide" ? 3000.0f : 1200.0f, w == "slide" ? 2.0f : 0.8f, R);
            for (size_t i = 0; i < sl.size(); ++i) sl[i] = band.run(rng.bi()) * std::sin(kPi * i / sl.size()) * 0.5f;
            dsp::Mix_Into(out, sl, at, 1.0f);
        } else if (w == "creak") {  // a hinge: a slow rough saw through a resonance
            Buffer cr(At(slot * 1.1f));
            dsp::Osc o;
            dsp::Biquad band;
            band.bandpass(s.pitch, 5.0f, R);
            for (size_t i = 0; i < cr.size(); ++i) {
                const float t = (float)i / cr.size();
                const float f = 90.0f + 60.0f * t + 15.0f * rng.bi();
                cr[i] = band.run(o.saw(f, R)) * std::sin(kPi * t) * 6.0f;
            }
            dsp::Mix_Into(out, cr, at, 1.0f);
        } else if (w == "clank") {
            dsp::Mix_Into(out, Metal(s.pitch * 0.4f, 0.18f, 0.6f), at, 0.8f);
            dsp::Mix_Into(out, Thud(140, 70, 0.06f, 0.2f), at, 0.7f);
        } else if (w == "thud") {
            dsp::Mix_Into(out, Thud(110, 60, 0.05f, 0.2f), at, 0.8f);
            dsp::Mix_Into(out, Noise_Burst(rng, 0.1f, 0.001f, 0.02f, 80, 700), at, 0.6f);
        } else if (w == "beep") {
            Buffer bp(At(0.12f));
            dsp::Osc o;
            for (size_t i = 0; i < bp.size(); ++i) bp[i] = o.square(1760, R) * dsp::Env_ASR((float)i / R, 0.12f, 0.005f, 0.02f) * 0.12f;
            dsp::Mix_Into(out, bp, at, 1.0f);
        }
    }
    out.resize(At(s.length));
    return out;
}

Buffer Thump(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = Thud(s.pitch * 1.6f, s.pitch * 0.7f, 0.06f, s.length);
    dsp::Mix_Into(out, Noise_Burst(rng, s.length, 0.001f, 0.03f, 60, 500 + 2500 * s.colour), 0, 0.8f);
    if (s.colour > 0.6f) dsp::Mix_Into(out, Noise_Burst(rng, 0.05f, 0.0005f, 0.008f, 1200, 6000), 0, 0.3f * s.colour);
    dsp::Room_Reverb(out, 0.2f, 0.12f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Smash(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        const float t = k == 0 ? 0.0f : std::pow(rng.uni(), 1.5f) * s.length * 0.5f;
        const float g = k == 0 ? 1.0f : 0.3f + 0.4f * rng.uni();
        dsp::Mix_Into(out, Thud(s.pitch * (1.5f + rng.uni()), s.pitch * 0.6f, 0.04f, 0.2f), At(t), g);
        dsp::Mix_Into(out, Noise_Burst(rng, 0.12f, 0.0005f, 0.02f + 0.02f * rng.uni(), 300, 2500 + 2000 * rng.uni()), At(t), g * 0.9f);
    }
    dsp::Room_Reverb(out, 0.3f, 0.15f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Splat(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out;
    size_t at = 0;
    if (std::string(s.shape) == "chop") {  // the blade cuts the air first
        Buffer sw(At(0.08f));
        dsp::Biquad band;
        for (size_t i = 0; i < sw.size(); ++i) {
            const float t = (float)i / sw.size();
            band.bandpass(1500 + 3000 * t, 2.0f, R);
            sw[i] = band.run(rng.bi()) * t * t;
        }
        dsp::Mix_Into(out, sw, 0, 0.6f);
        at = sw.size();
    }
    for (int k = 0; k < s.count; ++k) {
        const size_t t = at + At(k * 0.12f);
        dsp::Mix_Into(out, Thud(s.pitch * 1.8f, s.pitch * 0.6f, 0.05f, 0.2f), t, 0.9f);
        Buffer wet(At(0.25f));
        dsp::Biquad band;
        for (size_t i = 0; i < wet.size(); ++i) {
            const float u = (float)i / R;
            band.bandpass(1800 * std::exp(-u * 10) + 250, 3.0f, R);
            wet[i] = band.run(rng.bi()) * dsp::Env_AD(u, 0.002f, 0.04f + 0.04f * s.colour) * 2.5f;
        }
        dsp::Mix_Into(out, wet, t, 0.8f);
    }
    out.resize(At(s.length));
    return out;
}

Buffer Zip(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        const float t = s.length * 0.85f * std::sqrt((float)k / s.count);  // speeding up
        dsp::Mix_Into(out, Noise_Burst(rng, 0.02f, 0.0003f, 0.002f + 0.004f * s.colour, s.pitch * 0.5f, s.pitch * 2.5f), At(t), 0.6f + 0.4f * rng.uni());
    }
    out.resize(At(s.length));
    return out;
}

Buffer Whoosh(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out(At(s.length));
    dsp::Biquad band, low;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / out.size();
        band.bandpass(Glide(s.pitch, s.pitch_end, std::sin(0.5f * kPi * t)), 1.2f, R);
        float v = band.run(rng.bi()) * std::sin(kPi * std::pow(t, 0.7f));
        if (s.colour > 0.8f && rng.uni() < 0.004f * t) v += rng.bi() * 0.6f;  // a flame's crackle
        out[i] = v;
    }
    return out;
}

Buffer Whistle(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out(At(s.length));
    dsp::Osc o, vib;
    dsp::Biquad band;
    band.bandpass(s.pitch, 3.0f, R);
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / out.size();
        const float f = Glide(s.pitch, s.pitch_end, t) * (1.0f + 0.01f * s.colour * vib.sine(6, R));
        out[i] = (o.sine(f, R) + 0.15f * band.run(rng.bi())) * dsp::Env_ASR(t * s.length, s.length, 0.05f, 0.15f);
    }
    return out;
}

Buffer Siren(const Effect_Recipe& s, dsp::Rng&) {
    Buffer out(At(s.length));
    dsp::Osc o;
    dsp::Biquad low;
    low.lowpass(2500, 0.7f, R);
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / out.size();
        const float cycle = 0.5f - 0.5f * std::cos(2 * kPi * t * s.count);
        const float f = Lerp(s.pitch, s.pitch_end, cycle);
        out[i] = low.run(0.6f * o.triangle(f, R) + 0.4f * std::sin(2 * kPi * o.phase * 2)) * dsp::Env_ASR(t * s.length, s.length, 0.2f, 0.3f);
    }
    return out;
}

Buffer Beam(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out(At(s.length));
    dsp::Osc car, mod, hum;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / out.size();
        const float f = Glide(s.pitch, s.pitch_end, t);
        const float m = mod.sine(f * 1.414f, R) * (4.0f * (1 - t) + 0.5f);
        car.phase += m * 0.01f;
        out[i] = (0.7f * car.sine(f, R) + 0.3f * hum.saw(60, R) + 0.1f * rng.bi()) * dsp::Env_AD(t * s.length, 0.005f, s.length * 0.35f);
    }
    return out;
}

Buffer Buzz(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out(At(s.length));
    dsp::Osc o, wob;
    dsp::Biquad band;
    band.bandpass(650, 1.5f, R);
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / R;
        const float f = s.pitch * (1.0f + 0.08f * wob.sine(9, R) + 0.02f * rng.bi());
        out[i] = band.run(o.saw(f, R)) * dsp::Env_ASR(t, s.length, 0.06f, 0.12f) * 2.0f;
    }
    return out;
}

Buffer Fireworks(const Effect_Recipe& s, dsp::Rng& rng) {
    Effect_Recipe rise = s;
    rise.length = 0.8f;
    Buffer out = Whistle(rise, rng);
    for (float& v : out) v *= 0.4f;
    dsp::Mix_Into(out, Blast(Effect_Recipe{.name = "", .kind = Kind::Blast, .length = 1.2f, .pitch = 90, .colour = 0.2f}, rng), At(0.8f), 0.8f);
    for (int k = 0; k < s.count; ++k) {
        const float t = 0.9f + rng.uni() * (s.length - 1.1f);
        dsp::Mix_Into(out, Noise_Burst(rng, 0.02f, 0.0002f, 0.003f, 2000, 9000), At(t), 0.35f * (0.5f + rng.uni()));
    }
    dsp::Room_Reverb(out, 0.9f, 0.3f, R);
    out.resize(At(s.length));
    return out;
}

// A bell: partials of a small church bell, slightly inharmonic.
Buffer Bell(float freq, float seconds, float hardness) {
    static constexpr float kRatio[5] = {1.0f, 2.0f, 2.4f, 3.0f, 4.2f};
    static constexpr float kGain[5] = {1.0f, 0.5f, 0.35f, 0.25f, 0.15f};
    Buffer b(At(seconds));
    for (int p = 0; p < 5; ++p) {
        const float f = freq * kRatio[p];
        if (f > R * 0.45f) break;
        const float decay = seconds * 0.35f / (1 + p * (0.5f + hardness));
        const float g = kGain[p] * (p == 0 ? 1.0f : 0.5f + hardness);
        for (size_t i = 0; i < b.size(); ++i) {
            const float t = (float)i / R;
            b[i] += g * std::sin(2 * kPi * f * t) * dsp::Env_AD(t, 0.001f, decay);
        }
    }
    return b;
}

Buffer Chime(const Effect_Recipe& s, dsp::Rng&) {
    const std::vector<std::string> notes = Words(s.shape);
    Buffer out = dsp::Silence(s.length, R);
    for (size_t k = 0; k < notes.size(); ++k) {
        const int n = dsp::Note_Number(notes[k]);
        if (n < 0) continue;
        dsp::Mix_Into(out, Bell(dsp::Midi_Hz((float)n), s.length - k * s.space, s.colour), At(k * s.space), 1.0f);
    }
    dsp::Room_Reverb(out, 0.4f, 0.15f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Jingle(const Effect_Recipe& s, dsp::Rng&) {
    const std::vector<std::string> notes = Words(s.shape);
    Buffer out = dsp::Silence(s.length, R);
    for (size_t k = 0; k < notes.size(); ++k) {
        const int n = dsp::Note_Number(notes[k]);
        if (n < 0) continue;  // "-" is a rest
        const bool last = k + 1 == notes.size();
        const float len = last ? s.length - k * s.space : s.space * 1.1f;
        Buffer note(At(len));
        dsp::Osc a, b, vib;
        dsp::Biquad low;
        for (size_t i = 0; i < note.size(); ++i) {
            const float t = (float)i / R;
            const float env = dsp::Env_ASR(t, len, 0.015f, last ? len * 0.6f : 0.03f);
            const float f = dsp::Midi_Hz((float)n) * (1.0f + (last ? 0.006f * vib.sine(5.5f, R) : 0.0f));
            low.lowpass(600 + 3000 * env, 0.9f, R);  // brass opens up as it gets louder
            note[i] = low.run(0.5f * a.saw(f, R) + 0.5f * b.saw(f * 1.004f, R)) * env;
        }
        dsp::Mix_Into(out, note, At(k * s.space), 1.0f);
    }
    dsp::Room_Reverb(out, 0.5f, 0.2f, R);
    out.resize(At(s.length));
    return out;
}

Buffer Water(const Effect_Recipe& s, dsp::Rng& rng) {
    const std::string shape = s.shape;
    Buffer out = dsp::Silence(s.length, R);
    if (shape == "drip") {
        dsp::Mix_Into(out, Bubble(s.pitch, 0.05f), 0, 1.0f);
        dsp::Mix_Into(out, Metal(s.pitch * 2.2f, 0.03f, 0.1f), At(0.01f), 0.1f);
        dsp::Room_Reverb(out, 0.3f, 0.3f, R);
    } else if (shape == "stream") {
        dsp::Biquad band;
        dsp::Osc flutter;
        for (size_t i = 0; i < out.size(); ++i) {
            const float t = (float)i / R;
            band.bandpass(2600 + 600 * flutter.sine(3.3f, R), 1.5f, R);
            out[i] = band.run(rng.bi()) * dsp::Env_ASR(t, s.length, 0.15f, 0.4f) * (0.8f + 0.2f * rng.uni());
        }
    } else {
        const bool splash = shape == "splash", drown = shape == "drown";
        if (splash) {  // the body hitting the water, then spray
            dsp::Mix_Into(out, Thud(160, 70, 0.05f, 0.2f), 0, 0.7f);
            dsp::Mix_Into(out, Noise_Burst(rng, s.length, 0.004f, 0.15f, 500, 5000), 0, 1.0f);
        } else if (shape == "swim") {  // two strokes through the water
            for (int k = 0; k < 2; ++k) {
                Buffer sl(At(0.3f));
                dsp::Biquad low;
                for (size_t i = 0; i < sl.size(); ++i) {
                    const float t = (float)i / sl.size();
                    low.lowpass(400 + 1600 * std::sin(kPi * t), 1.0f, R);
                    sl[i] = low.run(rng.bi()) * std::sin(kPi * t) * 1.5f;
                }
                dsp::Mix_Into(out, sl, At(k * 0.32f), k == 0 ? 1.0f : 0.8f);
            }
        } else if (drown) {  // a choked voice under the bubbles
            Effect_Recipe v{.name = "", .kind = Kind::Voice, .length = s.length * 0.7f, .pitch = s.pitch, .pitch_end = s.pitch * 0.7f,
                          .colour = 0.4f, .shape = "ou", .formant = 0.8f, .tremolo = 20};
            dsp::Rng vr = rng;
            Buffer voice = Voice_Recipe(v, vr);
            dsp::Biquad low;
            low.lowpass(700, 0.7f, R);
            for (float& x : voice) x = low.run(x);
            dsp::Mix_Into(out, voice, 0, 0.7f);
        }
        for (int k = 0; k < s.count; ++k) {
            const float t = rng.uni() * s.length * (splash ? 0.7f : 0.85f);
            dsp::Mix_Into(out, Bubble(300 + 900 * rng.uni(), 0.02f + 0.04f * rng.uni()), At(t), 0.25f + 0.3f * rng.uni());
        }
    }
    out.resize(At(s.length));
    return out;
}

Buffer Crunch(const Effect_Recipe& s, dsp::Rng& rng) {
    Buffer out = dsp::Silence(s.length, R);
    for (int k = 0; k < s.count; ++k) {
        const float t = (float)k / s.count * s.length * 0.7f + rng.uni() * 0.02f;
        dsp::Mix_Into(out, Noise_Burst(rng, 0.04f, 0.0005f, 0.006f + 0.01f * (1 - s.colour), s.pitch * 0.4f, s.pitch * 2.0f), At(t),
                      0.5f + 0.5f * rng.uni());
    }
    if (s.colour < 0.5f) {  // chewing with the mouth closed: a low hum under it
        Effect_Recipe v{.name = "", .kind = Kind::Voice, .length = s.length, .pitch = 150, .pitch_end = 130, .colour = 0.2f, .shape = "m"};
        dsp::Mix_Into(out, Voice_Recipe(v, rng), 0, 0.25f);
    }
    return out;
}

} // namespace

// A voice: `count` syllables, each walking the vowel path of `shape`; the pitch glides from
// `pitch` to `pitch_end` over the whole sound; `colour` is breath; `tremolo` a roughness
// (a gargle, a groan) by amplitude and pitch flutter.
Buffer Voice_Recipe(const Effect_Recipe& s, dsp::Rng& rng) {
    const std::string path = s.shape[0] ? s.shape : "a";
    Buffer out = dsp::Silence(s.length, R);
    const float syllable = s.count > 1 ? s.space * 0.8f : s.length;
    dsp::Osc trem, vib;
    for (int k = 0; k < s.count; ++k) {
        const float start = k * s.space;
        if (start >= s.length) break;
        const float len = std::min(syllable, s.length - start);
        dsp::Voice v;
        v.rng = dsp::Rng{rng.next() | 1u};
        v.jitter = 0.01f + 0.03f * s.colour;
        Buffer syl(At(len));
        for (size_t i = 0; i < syl.size(); ++i) {
            const float u = (float)i / syl.size();      // within the syllable
            const float whole = (start + u * len) / s.length;
            const float pos = u * (path.size() - 1);
            const size_t a = std::min((size_t)pos, path.size() - 1), b = std::min(a + 1, path.size() - 1);
            const dsp::Formants f = dsp::Mix(dsp::Vowel(path[a]), dsp::Vowel(path[b]), pos - a);
            float pitch = Glide(s.pitch, s.pitch_end, whole) * (1.0f + 0.012f * vib.sine(5.0f, R));
            float amp = 1.0f;
            if (s.tremolo > 0) {
                const float m = trem.sine(s.tremolo, R);
                amp = 0.55f + 0.45f * m;
                pitch *= 1.0f + 0.03f * m;
            }
            // Laughs and barks start with a breath ("h"), single sounds swell and fade.
            const float breath = s.count > 1 && u < 0.15f ? 0.9f : s.colour;
            const float env = s.count > 1 ? std::sin(kPi * std::pow(u, 0.6f)) : dsp::Env_ASR(u * len, len, 0.03f, len * 0.45f);
            syl[i] = v.run(pitch, f, breath, s.formant, R) * amp * env;
        }
        dsp::Mix_Into(out, syl, At(start), 1.0f - 0.1f * k / s.count);
    }
    dsp::Room_Reverb(out, 0.2f, 0.1f, R);
    out.resize(At(s.length));
    return out;
}

std::span<const Effect_Recipe> Effect_Recipes() { return kEffects; }

const Effect_Recipe* Find_Effect(const std::string& name) {
    for (const Effect_Recipe& s : kEffects)
        if (name == s.name) return &s;
    return nullptr;
}

Buffer Render_Effect(const Effect_Recipe& s) {
    dsp::Rng rng{dsp::Seed(s.name)};
    Buffer b;
    switch (s.kind) {
    case Kind::Gun: b = Gun(s, rng); break;
    case Kind::Blast: b = Blast(s, rng); break;
    case Kind::Ricochet: b = Ricochet(s, rng); break;
    case Kind::Step: b = Step(s, rng); break;
    case Kind::Glass: b = Glass(s, rng); break;
    case Kind::Coins: b = Coins(s, rng); break;
    case Kind::Cash: b = Cash(s, rng); break;
    case Kind::Click: b = Click(s, rng); break;
    case Kind::Mechanism: b = Mechanism(s, rng); break;
    case Kind::Thump: b = Thump(s, rng); break;
    case Kind::Smash: b = Smash(s, rng); break;
    case Kind::Splat: b = Splat(s, rng); break;
    case Kind::Zip: b = Zip(s, rng); break;
    case Kind::Whoosh: b = Whoosh(s, rng); break;
    case Kind::Whistle: b = Whistle(s, rng); break;
    case Kind::Siren: b = Siren(s, rng); break;
    case Kind::Beam: b = Beam(s, rng); break;
    case Kind::Buzz: b = Buzz(s, rng); break;
    case Kind::Fireworks: b = Fireworks(s, rng); break;
    case Kind::Chime: b = Chime(s, rng); break;
    case Kind::Jingle: b = Jingle(s, rng); break;
    case Kind::Water: b = Water(s, rng); break;
    case Kind::Crunch: b = Crunch(s, rng); break;
    case Kind::Voice: b = Voice_Recipe(s, rng); break;
    }
    b.resize(At(s.length));
    dsp::Remove_DC(b, R);
    dsp::Fade_In(b, 0.0005f, R);
    dsp::Fade_Out(b, std::min(0.02f, s.length * 0.2f), R);
    dsp::Normalize(b, s.level);
    return b;
}

const char* Kind_Name(Kind k) {
    static constexpr const char* kNames[] = {"gun", "blast", "ricochet", "step", "glass", "coins", "cash", "click",
                                             "mechanism", "thump", "smash", "splat", "zip", "whoosh", "whistle", "siren",
                                             "beam", "buzz", "fireworks", "chime", "jingle", "water", "crunch", "voice"};
    return kNames[(int)k];
}

std::span<const Ambience_Recipe> Ambience_Recipes() { return kAmbience; }

} // namespace sound
