// The sound effects and ambient loops of the game, one recipe per kind of sound with the
// parameters of each file as data.
#pragma once

#include <span>
#include <string>

#include "content/sound/dsp.h"

namespace sound {

inline constexpr int kRate = 22050;  // every generated sound, effects and music alike

enum class Kind {
    Gun,        // a firearm: crack, body, tail; `count` shots `space` apart
    Blast,      // an explosion: low rumble, long decay, debris (`colour`)
    Ricochet,   // crack and a whine from `pitch` to `pitch_end`
    Step,       // a footstep; `shape` names the surface
    Glass,      // breaking glass: shards over a crash
    Coins,      // metal discs clinking, `count` of them
    Cash,       // a till: a clunk, a bell, coins
    Click,      // switches, keys and buttons: `count` clicks at `pitch`
    Mechanism,  // reloads and latches: metal clacks and slides; `shape` spells the steps
    Thump,      // a soft heavy hit: landing, stamping, knocking
    Smash,      // wood and crates breaking
    Splat,      // a wet hit; `shape` "chop" adds the blade
    Zip,        // a run of tiny clicks speeding up (zipper, tearing)
    Whoosh,     // noise swept from `pitch` to `pitch_end`
    Whistle,    // a pure whistle gliding from `pitch` to `pitch_end`
    Siren,      // a wailing siren, `count` rises and falls
    Beam,       // an electric zap
    Buzz,       // an insect
    Fireworks,  // a rising whistle, a burst and crackle
    Chime,      // bells; `shape` is the notes ("c6 e6 g6")
    Jingle,     // a brassy tune; `shape` is the notes
    Water,      // `shape`: splash, swim, drip, stream, drown
    Crunch,     // biting and chewing
    Voice,      // a voice without words: `shape` is the vowel path, `count` syllables
};

struct Effect_Recipe {
    const char* name;  // the file is <name>.wav
    Kind kind;
    float length = 0.5f;     // seconds
    float pitch = 440.0f;    // Hz: body, tone or voice at the start
    float pitch_end = 0.0f;  // Hz at the end (0: as `pitch`)
    float colour = 0.5f;     // 0 dark/clean .. 1 bright/noisy
    int count = 1;           // shots, clicks, syllables, coins ...
    float space = 0.1f;      // seconds between them
    float level = 0.8f;      // peak after balancing
    const char* shape = "";  // surface, vowels, notes or steps, by kind
    float formant = 1.0f;    // voices: formant scale (1 a man, higher small animals)
    float tremolo = 0.0f;    // voices: roughness / gargle rate in Hz (0 none)
};

// Every effect file the game opens, once.
std::span<const Effect_Recipe> Effect_Recipes();
const Effect_Recipe* Find_Effect(const std::string& name);
dsp::Buffer Render_Effect(const Effect_Recipe& recipe);

// Ambient streams: seamless loops (snore plays once).
struct Ambience_Recipe {
    const char* file;  // with its extension: WAV or Ogg Vorbis as the game opens it
    const char* kind;  // rain, waves, woods, burn, snore, exhaust, airplane, wind, tank
    float length;      // seconds of the loop
    float level;
    bool loops;
};
std::span<const Ambience_Recipe> Ambience_Recipes();
dsp::Buffer Render_Ambience(const Ambience_Recipe& recipe);

// Which group a file belongs to on the review sheet and in the tests.
const char* Kind_Name(Kind k);

} // namespace sound
