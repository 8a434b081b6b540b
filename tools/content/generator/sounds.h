// The sound files the sound bank opens: effects synthesized from one recipe per kind of
// sound, ambient loops, and music rendered from scores through a General MIDI sound font.
#pragma once

#include <string>

// Writes every file under <root>/data/SFX; false (with the faults on standard error) when
// one could not be made.
bool Write_Sounds(const std::string& root);

// `varnoth_content --sound-sheet <png> [<root>]`: a review sheet of the sounds under
// <root>/data/SFX. False (with the reason on standard error) when it could not be made.
bool Write_Sounds_Sheet(const std::string& png, const std::string& root);
