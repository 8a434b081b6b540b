// Writes the game's whole sound set: effects (WAV), ambient loops and music (Ogg Vorbis or
// WAV as the game opens them), rendered in parallel.
#pragma once

#include <string>
#include <vector>

#include "content/sound/dsp.h"

namespace sound {

// Loudness of the music: the mean level (RMS) every track is brought to, under a peak limit.
inline constexpr float kMusicRms = 0.08f;
inline constexpr float kMusicPeak = 0.9f;

// Renders one music stream by its file name; empty with `error` set on a fault.
dsp::Buffer Render_Music(const std::string& file, std::string& error);

// Writes every file into `dir` (which must exist). The faults, one line each, go to
// `errors`; true when there were none.
bool Write_Sound_Set(const std::string& dir, std::vector<std::string>& errors);

} // namespace sound
