#include "content/generator/sounds.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "content/writers/scene_writers.h"
#include "content/writers/sound_writers.h"

namespace {

constexpr float kPi = 3.14159265f;

// The effect files (WAV) of the bank, each once.
const char* const kEffects[] = {
    "victory", "mine_down", "click", "crow1", "crow2", "hatch", "boss_explosion", "boss_ohh", "boss_ohh1", "wakeup",
    "owl", "mgun", "destroyb", "land1", "ric1", "ric2", "ric3", "falling", "reload", "reloaded", "heal", "die1",
    "die2", "die3", "die4", "exp1", "exp2", "smash1", "big_gun", "stamp", "ok", "apple", "medikit", "beans",
    "fireworks", "back_button", "gargle", "gargle1", "gargle2", "fly", "siren", "type1", "type4", "tank1", "tank2",
    "zip", "piss", "torch", "light_switch", "grenade", "bark1", "buoy", "seagull2", "seagull1", "drip", "bang",
    "splatted", "monkey1", "whoosh", "KG60", "sniper", "pistol", "whistle", "beam", "glass1", "glass2", "glass3",
    "glass4", "laugh1", "laugh2", "laugh3", "laugh4", "splash", "emypain", "coins1", "coins", "dogdie", "step1",
    "step2", "step3", "step4", "step8", "step9", "step5", "step6", "step10", "step11", "medal", "KG60A", "ping",
    "cow", "cow1", "healup", "shotgun", "shotgun1", "pw_tink", "chop", "splat", "cash", "change", "stolen", "swim2",
    "swim1", "pain1", "pain2", "pain3", "pain4", "drown1", "back_space",
};

// Music streams (Ogg Vorbis), with the root note of their loop.
struct Music {
    const char* name;
    float root;
};
const Music kMusic[] = {
    {"song1", 220.0f}, {"dungeon", 146.8f}, {"boot", 196.0f}, {"front", 174.6f}, {"beach", 261.6f},
    {"boss", 110.0f},  {"camp", 246.9f},    {"camp_destroyed", 164.8f},         {"intro", 293.7f},
    {"groove", 233.1f}, {"death", 130.8f},  {"urgency", 185.0f}, {"fanfare", 329.6f}, {"fanfare2", 349.2f},
    {"dungeonb", 155.6f}, {"final_mission", 207.7f}, {"dungeon_danger", 138.6f},
};

// Ambient streams: Ogg or WAV as the bank names them.
struct Ambient {
    const char* file;
    bool ogg;
    float colour; // 0 rumble .. 1 hiss
};
const Ambient kAmbient[] = {
    {"rain", true, 0.9f},     {"waves", true, 0.4f},   {"woods", true, 0.6f},  {"burn", false, 0.7f},
    {"snore", false, 0.2f},   {"exhaust", true, 0.3f}, {"airplane", false, 0.3f}, {"wind", false, 0.5f},
    {"tank_engine", true, 0.1f},
};

uint32_t Hash(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

// A small deterministic noise source.
struct Noise {
    uint32_t state;
    float next() {
        state = state * 1664525u + 1013904223u;
        return ((state >> 8) & 0xFFFF) / 32768.0f - 1.0f;
    }
};

// One effect: a mix of a pitched tone (with a glide) and filtered noise under an envelope;
// the name picks the recipe.
std::vector<float> Effect(const std::string& name, int rate) {
    const uint32_t h = Hash(name);
    const float dur = 0.12f + (h % 5) * 0.05f;
    const float f0 = 180.0f + (h >> 4) % 700, f1 = f0 * (0.5f + ((h >> 12) % 100) / 66.0f);
    const float noise_amount = ((h >> 20) % 4) / 3.0f;
    Noise n{h};
    std::vector<float> out((size_t)(dur * rate));
    float phase = 0.0f, low = 0.0f;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / out.size();
        const float f = f0 + (f1 - f0) * t;
        phase += 2 * kPi * f / rate;
        low += (n.next() - low) * 0.3f;
        const float env = std::min(1.0f, t * 40.0f) * std::pow(1.0f - t, 2.0f);
        out[i] = 0.5f * env * ((1.0f - noise_amount) * std::sin(phase) + noise_amount * low * 1.5f);
    }
    return out;
}

// A short loop: a root and a fifth arpeggio with a soft pulse.
std::vector<float> Loop(float root, int rate, float seconds) {
    std::vector<float> out((size_t)(seconds * rate));
    const float notes[4] = {1.0f, 1.5f, 1.25f, 2.0f};
    float phase = 0.0f, bass = 0.0f;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = (float)i / rate;
        const int step = (int)(t * 4) % 4;
        const float local = t * 4 - std::floor(t * 4);
        phase += 2 * kPi * root * notes[step] / rate;
        bass += 2 * kPi * root * 0.5f / rate;
        out[i] = 0.25f * std::sin(phase) * std::exp(-local * 3.0f) + 0.15f * std::sin(bass);
    }
    return out;
}

std::vector<float> Ambience(float colour, int rate, float seconds, uint32_t seed) {
    std::vector<float> out((size_t)(seconds * rate));
    Noise n{seed};
    float low = 0.0f;
    for (size_t i = 0; i < out.size(); ++i) {
        low += (n.next() - low) * (0.02f + colour * 0.6f);
        const float swell = 0.6f + 0.4f * std::sin(2 * kPi * i / out.size());
        out[i] = 0.3f * low * swell;
    }
    return out;
}

} // namespace

bool Write_Sounds(const std::string& root) {
    const std::string dir = root + "/data/SFX/";
    bool ok = writers::Make_Dirs(dir);
    for (const char* e : kEffects) ok = writers::Write_WAV(dir + e + ".wav", Effect(e, 22050), 22050) && ok;
    for (const Music& m : kMusic) ok = writers::Write_OGG(dir + m.name + ".ogg", Loop(m.root, 11025, 3.0f), 11025) && ok;
    for (const Ambient& a : kAmbient) {
        const std::vector<float> s = Ambience(a.colour, 11025, 2.0f, Hash(a.file));
        ok = (a.ogg ? writers::Write_OGG(dir + a.file + ".ogg", s, 11025) : writers::Write_WAV(dir + a.file + ".wav", s, 11025)) && ok;
    }
    return ok;
}
