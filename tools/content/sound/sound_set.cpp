#include "content/sound/sound_set.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include "content/music/score.h"
#include "content/sound/effects.h"
#include "content/writers/sound_writers.h"

namespace sound {

dsp::Buffer Render_Music(const std::string& file, std::string& error) {
    for (const music::Score_Text& s : music::Scores()) {
        if (file != s.file) continue;
        music::Score score;
        if (!music::Parse_Score(s.text, score, error)) {
            error = file + ": " + error;
            return {};
        }
        dsp::Buffer b = music::Render_Score(score, music::Sound_Font_Path(), kRate, error);
        if (b.empty()) return b;
        const float rms = dsp::Rms(b);
        if (rms > 0.0f) {
            const float gain = std::min(kMusicRms / rms, kMusicPeak / dsp::Peak(b));
            for (float& x : b) x *= gain;
        }
        return b;
    }
    error = file + ": no score";
    return {};
}

bool Write_Sound_Set(const std::string& dir, std::vector<std::string>& errors) {
    std::vector<std::function<std::string()>> jobs;
    // The music first: its tracks take longest, so they start while the effects fill in.
    for (const music::Score_Text& s : music::Scores()) {
        const std::string file = s.file;
        jobs.push_back([dir, file] {
            std::string error;
            const dsp::Buffer b = Render_Music(file, error);
            if (b.empty()) return error;
            return writers::Write_OGG(dir + "/" + file, b, kRate, 0.3f) ? std::string() : "cannot write " + file;
        });
    }
    for (const Ambience_Recipe& a : Ambience_Recipes()) {
        jobs.push_back([dir, &a] {
            const dsp::Buffer b = Render_Ambience(a);
            const std::string path = dir + "/" + a.file;
            const bool ogg = path.ends_with(".ogg");
            const bool ok = ogg ? writers::Write_OGG(path, b, kRate, 0.2f) : writers::Write_WAV(path, b, kRate);
            return ok ? std::string() : "cannot write " + std::string(a.file);
        });
    }
    for (const Effect_Recipe& e : Effect_Recipes()) {
        jobs.push_back([dir, &e] {
            const std::string file = std::string(e.name) + ".wav";
            return writers::Write_WAV(dir + "/" + file, Render_Effect(e), kRate) ? std::string() : "cannot write " + file;
        });
    }
    std::atomic<size_t> next{0};
    std::mutex lock;
    auto worker = [&] {
        for (size_t i; (i = next++) < jobs.size();) {
            std::string error = jobs[i]();
            if (!error.empty()) {
                std::lock_guard<std::mutex> g(lock);
                errors.push_back(error);
            }
        }
    };
    const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < n; ++t) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    return errors.empty();
}

} // namespace sound
