// The sound files the sound bank opens, synthesized: short tones, chirps and noise bursts
// for the effects, a few seconds of simple loops for the music and ambience streams.
#pragma once

#include <string>

// Writes every file under <root>/data/SFX; false when one could not be written.
bool Write_Sounds(const std::string& root);
