// The sound bank opened on the audio layer's recording double, for the music and
// sound-request tests. Sounds can be given a label in place of their file, so that two
// objects that share a file (mgun_snd and mgun1_snd) are told apart in the log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/game_state.h"
#include "main/sound_bank.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "support/virtual_clock.h"

// Logged operations of one sound, e.g. {"volume 0.30", "play"}.
using Ops = std::vector<std::string>;

class Sound_Bank_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Use_Test_Clock();
        platform::SetRecordMessageBoxes(true);
        Allocate_Records();
        audio::UseRecordingDouble(true);
        audio::OpenDevice();
        Open_Sound_Bank();
        audio::ClearRecordedCalls();
        game_mode = MODE_WALK;
    }
    void TearDown() override {
        Release_Sound_Bank();
        audio::CloseDevice();
        audio::UseRecordingDouble(false);
        Free_Records();
    }

    // Reopens a sound under `label`, so that its calls log as "<label> <op>".
    static void Label(audio::Sound& sound, const std::string& label) {
        sound = audio::OpenSound(label, true);
        audio::ClearRecordedCalls();
    }
    // The logged operations of one sound (by label or path), in order, without the name.
    static std::vector<std::string> Calls(const std::string& name) {
        std::vector<std::string> ops;
        const std::string prefix = name + " ";
        for (const std::string& line : audio::RecordedCalls())
            if (line.compare(0, prefix.size(), prefix) == 0) ops.push_back(line.substr(prefix.size()));
        return ops;
    }
    static std::vector<std::string> All_Calls() { return audio::RecordedCalls(); }
    static void Clear_Calls() { audio::ClearRecordedCalls(); }
};
