// A contact sheet for reviewing the sound set by eye: one PNG with, for every sound under
// <root>/data/SFX, its name, kind and length, its waveform and its spectrogram (log
// frequency, 30 Hz at the bottom to 11 kHz at the top).
#pragma once

#include <string>

namespace sound {

// False with `error` set when the folder holds no sound or the PNG cannot be written;
// files that do not decode are drawn as a red cell with the reason.
bool Write_Sound_Sheet(const std::string& png, const std::string& root, std::string& error);

} // namespace sound
