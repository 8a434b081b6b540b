// Plays a parsed score through FluidSynth, offline, as fast as the machine allows.
#include <algorithm>
#include <cmath>
#include <mutex>

#include <fluidsynth.h>

#include "content/music/score.h"
#include "content/sound/dsp.h"

namespace music {

namespace {

// FluidSynth logs to the console on its own; the generator reports errors itself.
void Quiet_Logs() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
    });
}

struct Event {
    size_t frame;
    bool on;
    int channel, key, velocity;
};

} // namespace

std::vector<float> Render_Score(const Score& score, const std::string& sound_font, int rate, std::string& error,
                                double tail) {
    Quiet_Logs();
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", rate);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_settings_setnum(settings, "synth.reverb.room-size", 0.5);
    fluid_settings_setnum(settings, "synth.reverb.damp", 0.3);
    fluid_settings_setnum(settings, "synth.reverb.width", 0.6);
    fluid_settings_setnum(settings, "synth.reverb.level", 0.25);
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::vector<float> out;
    if (!synth || fluid_synth_sfload(synth, sound_font.c_str(), 1) == FLUID_FAILED) {
        error = "cannot load the sound font " + sound_font;
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return out;
    }
    // Linear interpolation: at this rate the difference is not heard, the time is.
    fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
    for (const Track& t : score.tracks)
        if (t.program >= 0) fluid_synth_program_change(synth, t.channel, t.program);

    const double frames_per_beat = 60.0 / score.tempo * rate;
    const size_t length = (size_t)std::llround(score.beats * frames_per_beat);
    const size_t total = length + (size_t)(tail * rate);
    std::vector<Event> events;
    dsp::Rng human{dsp::Seed(std::to_string(score.notes.size()) + std::to_string(score.tempo))};
    for (const Note& n : score.notes) {
        const Track& t = score.tracks[n.track];
        const int vel = std::clamp(n.velocity + (int)(human.bi() * 6), 1, 127);
        const size_t on = (size_t)std::llround(n.beat * frames_per_beat);
        // Melodic notes let go a little early so repeated notes speak; drums are struck.
        const double held = t.program < 0 ? std::min(n.length, 0.25) : n.length * 0.92;
        events.push_back({on, true, t.channel, n.key, vel});
        events.push_back({on + (size_t)std::llround(held * frames_per_beat), false, t.channel, n.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);  // release before a new strike
    });
    std::vector<float> left(total), right(total);
    size_t pos = 0, next = 0;
    while (pos < total) {
        while (next < events.size() && events[next].frame <= pos) {
            const Event& e = events[next++];
            if (e.on) fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
            else fluid_synth_noteoff(synth, e.channel, e.key);
        }
        const size_t until = std::min(total, next < events.size() ? std::max(events[next].frame, pos + 1) : total);
        const size_t n = std::min<size_t>(until - pos, 4096);
        fluid_synth_write_float(synth, (int)n, left.data() + pos, 0, 1, right.data() + pos, 0, 1);
        pos += n;
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);

    out.resize(total);
    for (size_t i = 0; i < total; ++i) out[i] = 0.5f * (left[i] + right[i]);
    if (score.loop) {
        // What still sounds past the end belongs to the start of the next time round.
        for (size_t i = length; i < total; ++i) out[(i - length) % length] += out[i];
        out.resize(length);
    } else {
        dsp::Fade_Out(out, 0.4f, rate);
    }
    return out;
}

} // namespace music
