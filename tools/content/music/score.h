// Music as text: a small score language, its parser, and the offline renderer that plays a
// score through a General MIDI sound font (FluidSynth).
//
//   # a comment
//   tempo 104            quarter notes per minute
//   meter 4              beats in a bar
//   key d                melodic notes are written in C and moved to this key (c .. b, with # or b)
//   loop on              on: the end joins the start; off: plays once and rings out
//   track lead 56 100    a part: its name, General MIDI program (0-127) and loudness (1-127);
//   track drums drums 90 the program "drums" plays the percussion channel
//   pattern A            a section; each line below gives one part's notes:
//   lead c5 e5 g5:2 | c6:4
//   drums k h s h
//   song A A B A         the order of the sections
//
// A note is a name with its octave (c4 is middle C), "r" a rest, a drum a short name
// (k kick, s snare, h hat, o open hat, c crash, rd ride, tl/tm/th toms, cl clap, tb tambourine,
// cb cowbell, sh shaker, ti triangle); "+" joins notes of a chord, ":<beats>" gives the length
// (1/2, 0.5 and 3 all work; it carries to the next notes), a trailing "!" accents it and "?"
// softens it. "|" marks bars and is checked. A line shorter than its section repeats to fill it.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace music {

struct Track {
    std::string name;
    int program = 0;  // General MIDI, 0-based; -1 for the drums
    int velocity = 100;
    int channel = 0;
};

struct Note {
    double beat;    // start, in beats from the song's start
    double length;  // in beats
    int track;
    int key;        // MIDI note number
    int velocity;
};

struct Score {
    double tempo = 120;
    int meter = 4;
    int transpose = 0;
    bool loop = true;
    std::vector<Track> tracks;
    std::vector<Note> notes;
    double beats = 0;  // the song's length

    double Seconds() const { return beats * 60.0 / tempo; }
};

// Parses a score; on a fault returns false with `error` naming the line and the reason.
bool Parse_Score(const std::string& text, Score& out, std::string& error);

// The game's music: one score per stream file.
struct Score_Text {
    const char* file;  // e.g. "song1.ogg"
    const char* text;
};
std::span<const Score_Text> Scores();

// Renders a score to mono samples at `rate` through the sound font. A looping score is
// exactly its length, the notes still sounding at its end wrapped onto its head so the
// loop joins; a score that plays once gets `tail` seconds to ring out and fades.
// Empty (and `error` set) when the sound font cannot be loaded.
std::vector<float> Render_Score(const Score& score, const std::string& sound_font, int rate, std::string& error,
                                double tail = 2.5);

// The General MIDI sound font: $VARNOTH_SOUNDFONT when set, else the installed one.
std::string Sound_Font_Path();

} // namespace music
