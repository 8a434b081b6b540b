#include "content/music/score.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "content/sound/dsp.h"

namespace music {

namespace {

int Drum_Key(const std::string& d) {
    static const std::map<std::string, int> kDrums = {
        {"k", 36}, {"s", 38}, {"h", 42}, {"o", 46}, {"c", 49}, {"rd", 51}, {"tl", 45}, {"tm", 47},
        {"th", 50}, {"cl", 39}, {"tb", 54}, {"cb", 56}, {"sh", 70}, {"ti", 81}, {"sk", 37},
    };
    const auto it = kDrums.find(d);
    return it == kDrums.end() ? -1 : it->second;
}

int Key_Offset(const std::string& k) {
    const int n = dsp::Note_Number(k + "4");
    if (n < 0) return 99;
    int off = n - 60;
    if (off > 6) off -= 12;  // nearest way: keys above F# move down
    return off;
}

bool Parse_Number(const std::string& s, double& out) {
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return !s.empty() && *end == 0;
}

bool Parse_Length(const std::string& s, double& out) {
    const size_t slash = s.find('/');
    if (slash == std::string::npos) return Parse_Number(s, out) && out > 0;
    double a = 0, b = 0;
    if (!Parse_Number(s.substr(0, slash), a) || !Parse_Number(s.substr(slash + 1), b) || b <= 0) return false;
    out = a / b;
    return out > 0;
}

struct Line_Note {
    double beat, length;
    int key, accent;
};

struct Pattern {
    std::string name;
    std::vector<std::pair<int, std::vector<Line_Note>>> lines;  // track, notes
    std::vector<double> line_beats;
};

} // namespace

bool Parse_Score(const std::string& text, Score& out, std::string& error) {
    out = Score{};
    std::vector<Pattern> patterns;
    std::vector<std::string> song;
    std::istringstream in(text);
    std::string raw;
    int line_no = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(line_no) + ": " + why;
        return false;
    };
    while (std::getline(in, raw)) {
        ++line_no;
        const size_t hash = raw.find('#');
        std::istringstream words(raw.substr(0, hash == std::string::npos ? raw.size() : hash));
        std::string head;
        if (!(words >> head)) continue;
        if (head == "tempo") {
            if (!(words >> out.tempo) || out.tempo < 20 || out.tempo > 400) return fail("tempo must be 20 to 400");
        } else if (head == "meter") {
            if (!(words >> out.meter) || out.meter < 1 || out.meter > 16) return fail("meter must be 1 to 16");
        } else if (head == "key") {
            std::string k;
            words >> k;
            out.transpose = Key_Offset(k);
            if (out.transpose == 99) return fail("unknown key '" + k + "'");
        } else if (head == "loop") {
            std::string v;
            words >> v;
            if (v != "on" && v != "off") return fail("loop is on or off");
            out.loop = v == "on";
        } else if (head == "track") {
            Track t;
            std::string prog;
            if (!(words >> t.name >> prog >> t.velocity)) return fail("track needs a name, a program and a loudness");
            if (prog == "drums") {
                t.program = -1;
            } else {
                char* end = nullptr;
                t.program = (int)std::strtol(prog.c_str(), &end, 10);
                if (*end || t.program < 0 || t.program > 127) return fail("program must be 0 to 127 or drums");
            }
            if (t.velocity < 1 || t.velocity > 127) return fail("loudness must be 1 to 127");
            for (const Track& o : out.tracks)
                if (o.name == t.name) return fail("track '" + t.name + "' given twice");
            out.tracks.push_back(t);
        } else if (head == "pattern") {
            Pattern p;
            if (!(words >> p.name)) return fail("pattern needs a name");
            patterns.push_back(p);
        } else if (head == "song") {
            for (std::string w; words >> w;) song.push_back(w);
        } else {
            // A part's line inside a pattern.
            if (patterns.empty()) return fail("unknown word '" + head + "'");
            int track = -1;
            for (size_t i = 0; i < out.tracks.size(); ++i)
                if (out.tracks[i].name == head) track = (int)i;
            if (track < 0) return fail("unknown track '" + head + "'");
            const bool drums = out.tracks[track].program < 0;
            std::vector<Line_Note> notes;
            double beat = 0, length = 1, bar_start = 0;
            for (std::string w; words >> w;) {
                if (w == "|") {
                    if (std::fabs(beat - bar_start - out.meter) > 1e-6)
                        return fail("bar of " + std::to_string(beat - bar_start) + " beats in '" + head + "'");
                    bar_start = beat;
                    continue;
                }
                int accent = 0;
                if (w.back() == '!') accent = 20, w.pop_back();
                else if (w.back() == '?') accent = -30, w.pop_back();
                const size_t colon = w.find(':');
                if (colon != std::string::npos) {
                    if (!Parse_Length(w.substr(colon + 1), length)) return fail("bad length in '" + w + "'");
                    w.resize(colon);
                }
                if (w != "r") {
                    std::istringstream chord(w);
                    for (std::string n; std::getline(chord, n, '+');) {
                        int key = drums ? Drum_Key(n) : dsp::Note_Number(n);
                        if (key < 0) return fail("unknown " + std::string(drums ? "drum" : "note") + " '" + n + "'");
                        if (!drums) key += out.transpose;
                        notes.push_back({beat, length, key, accent});
                    }
                }
                beat += length;
            }
            patterns.back().lines.push_back({track, notes});
            patterns.back().line_beats.push_back(beat);
        }
    }
    if (out.tracks.empty()) return fail("no track");
    if (song.empty()) return fail("no song line");
    int channel = 0;
    for (Track& t : out.tracks) {
        if (t.program < 0) {
            t.channel = 9;
        } else {
            if (channel == 9) ++channel;
            if (channel > 15) return fail("more than 15 melodic tracks");
            t.channel = channel++;
        }
    }
    for (const std::string& name : song) {
        const auto p = std::find_if(patterns.begin(), patterns.end(), [&](const Pattern& x) { return x.name == name; });
        if (p == patterns.end()) return fail("song names unknown pattern '" + name + "'");
        double beats = 0;
        for (double b : p->line_beats) beats = std::max(beats, b);
        const double bars = beats / out.meter;
        if (beats <= 0 || std::fabs(bars - std::round(bars)) > 1e-6)
            return fail("pattern '" + name + "' is not a whole number of bars");
        for (size_t l = 0; l < p->lines.size(); ++l) {
            const double len = p->line_beats[l];
            const double reps = beats / len;
            if (std::fabs(reps - std::round(reps)) > 1e-6)
                return fail("a line of pattern '" + name + "' does not divide its length");
            const auto& [track, notes] = p->lines[l];
            for (int r = 0; r < (int)std::round(reps); ++r)
                for (const Line_Note& n : notes)
                    out.notes.push_back({out.beats + r * len + n.beat, n.length, track, n.key,
                                         std::clamp(out.tracks[track].velocity + n.accent, 1, 127)});
        }
        out.beats += beats;
    }
    std::stable_sort(out.notes.begin(), out.notes.end(), [](const Note& a, const Note& b) { return a.beat < b.beat; });
    return true;
}

std::string Sound_Font_Path() {
    if (const char* env = std::getenv("VARNOTH_SOUNDFONT"); env && *env) return env;
    return VARNOTH_DEFAULT_SOUNDFONT;
}

} // namespace music
