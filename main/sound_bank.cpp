#include "main/sound_bank.h"

#include <string>

#include "common/game_state.h"
#include "main/startup.h"
#include "platform/platform.h"

namespace {
std::string Sfx_Path(const char* file) { return std::string("data/SFX/") + file; }
} // namespace

void Open_Sound_Bank() {
    for (int group = 1; group <= 2; group++) {
        for (const Effect_Entry& e : effect_table)
            if (e.group == group) *e.sound = audio::OpenSoundEffect(Sfx_Path(e.file), e.kind);
        Loading_Frame(group);
    }
    for (int group = 3; group <= 8; group++) {
        for (const Stream_Entry& s : stream_table)
            if (s.group == group) *s.sound = audio::OpenSound(Sfx_Path(s.file), true);
        if (group <= 7) Loading_Frame(group);
    }
    if (!audio::DeviceValid())
        platform::MessageBox("Initialization of Audio Failed.", "ERROR", platform::MB_OK | platform::MB_ICONEXCLAMATION);
    for (const Effect_Entry& e : effect_table) e.sound->setVolume(sfx_volume);
    for (const Stream_Entry& s : stream_table) {
        s.sound->setVolume(s.music_volume ? music_volume : sfx_volume);
        s.sound->setRepeat(s.repeat);
    }
}

void Release_Sound_Bank() {
    for (const Effect_Entry& e : effect_table) *e.sound = audio::SoundEffect();
    for (const Stream_Entry& s : stream_table) *s.sound = audio::OutputStream();
}
