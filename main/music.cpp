#include "main/music.h"

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "main/messages.h"
#include "main/sound_bank.h"
#include "platform/timer.h"

namespace {

// When a track starts at half volume.
enum Half_Rule {
    HALF_WITH_FLAG,     // while half_volume is set
    HALF_OUTSIDE_WALK,  // whenever game_mode is not walk
};

struct Music_Track {
    int* state;
    audio::OutputStream* stream;
    Half_Rule half;
    bool keeps_position;  // a stop leaves the stream where it was
};

// By song number (music_loop of a scene); entry 0 is "no music".
constexpr Music_Track music_tracks[] = {
    {nullptr, nullptr, HALF_OUTSIDE_WALK, false},
    {&end_sfx, &end_snd, HALF_WITH_FLAG, false},                 // TITLE
    {&jet_sfx, &jet_snd, HALF_OUTSIDE_WALK, false},              // DUNGEON
    {&war_sfx, &war_snd, HALF_OUTSIDE_WALK, false},              // BOOT
    {&lnd_sfx, &lnd_snd, HALF_OUTSIDE_WALK, false},              // FRONT
    {&crd_sfx, &crd_snd, HALF_WITH_FLAG, false},                 // BEACH
    {&army_sfx, &army_snd, HALF_WITH_FLAG, false},               // BOSS
    {&fight_sfx, &fight_snd, HALF_OUTSIDE_WALK, true},           // CAMP
    {&sad_sfx, &sad_snd, HALF_OUTSIDE_WALK, true},               // SAD
    {&dgnb_sfx, &dgnb_snd, HALF_OUTSIDE_WALK, false},            // DGNB
    {&final_sfx, &final_snd, HALF_OUTSIDE_WALK, false},          // FINAL
    {&dangers_sfx, &dangers_snd, HALF_OUTSIDE_WALK, false},      // DANGERS
    {&intro_sfx, &intro_snd, HALF_OUTSIDE_WALK, false},          // INTRO
    {&fanfare_sfx, &fanfare_snd, HALF_OUTSIDE_WALK, false},      // FANFARE
    {&urgency_sfx, &urgency_snd, HALF_OUTSIDE_WALK, false},      // URGENCY
    {&mini_sfx, &mini_snd, HALF_OUTSIDE_WALK, true},             // GROOVE
    {&fanfare2_sfx, &fanfare2_snd, HALF_OUTSIDE_WALK, false},    // FANFARE2
    {&deathscreen_sfx, &deathscreen_snd, HALF_OUTSIDE_WALK, false}, // DEATH
};
constexpr int SONG_COUNT = 17;
static_assert(sizeof music_tracks / sizeof music_tracks[0] == SONG_COUNT + 1);

// The volume each track was last given, so that the music box (music_off) can silence the
// music and give it back; a track never set here still has the volume it opened with.
float given_volume[SONG_COUNT + 1] = {};
bool volume_given[SONG_COUNT + 1] = {};
bool silenced = false;  // music_off as last applied
KEEP_FRESH(given_volume, volume_given, silenced);

void Set_Track_Volume(int song, float volume) {
    given_volume[song] = volume;
    volume_given[song] = true;
    music_tracks[song].stream->setVolume(silenced ? 0.0f : volume);
}

// Applies a change of music_off to every track.
void Follow_Music_Off() {
    if (music_off == silenced) return;
    silenced = music_off;
    for (int song = 1; song <= SONG_COUNT; song++) {
        float volume = volume_given[song] ? given_volume[song] : music_volume;
        music_tracks[song].stream->setVolume(silenced ? 0.0f : volume);
    }
}

void Crossfade_Step() {
    int now = (int)TimerGetTime();
    if (!music_fade || now <= music_timer) return;
    music_timer = now + 50;
    fade_increment = music_volume / 28;
    fade_out_volume -= fade_increment;
    fade_in_volume += fade_increment;
    if (fade_out_volume <= 0) {
        fade_out_volume = 0;
        fade_in_volume = music_volume;
        music_fade = false;
    }
    if (fade_out_volume > 1) fade_out_volume = 1;
    if (fade_in_volume < 0) fade_in_volume = 0;
    if (fade_in_volume > 1) fade_in_volume = 1;
    if (fade_in_volume >= music_volume) {
        fade_out_volume = 0;
        fade_in_volume = music_volume;
        music_fade = false;
    }
    for (int song = 1; song <= SONG_COUNT; song++) {
        int& state = *music_tracks[song].state;
        if (state == TRACK_FADE_IN) {
            Set_Track_Volume(song, fade_in_volume);
            if (fade_in_volume == music_volume) state = TRACK_PLAYING;
        } else if (state == TRACK_FADE_OUT) {
            Set_Track_Volume(song, fade_out_volume);
            if (fade_out_volume == 0) state = TRACK_STOP;
        }
    }
}

float Start_Volume(const Music_Track& t) {
    bool halved = t.half == HALF_WITH_FLAG ? half_volume : game_mode != MODE_WALK;
    return halved ? music_volume / 2 : music_volume;
}

void Serve_Track(int song) {
    const Music_Track& t = music_tracks[song];
    audio::OutputStream& stream = *t.stream;
    int& state = *t.state;
    if (state == TRACK_STOP) {
        stream.stop();
        if (!t.keeps_position) stream.reset();
        state = TRACK_IDLE;
    } else if (state == TRACK_REWIND && t.keeps_position) {
        stream.stop();
        stream.reset();
        state = TRACK_IDLE;
    } else if (state == TRACK_START) {
        stream.play();
        state = TRACK_PLAYING;
        Set_Track_Volume(song, Start_Volume(t));
    } else if (state == TRACK_FADE_IN) {
        stream.play();  // goes on while it fades; the crossfade sets its volume
    } else if (state == TRACK_RESTART && song == TITLE) {
        stream.play();
        state = TRACK_PLAYING;
        stream.reset();
        Set_Track_Volume(song, fade_in_volume);
    }
    // Idle, playing and fading-out tracks, and a state the track does not handle, wait.
}

} // namespace

void Run_Music() {
    Trace_Call("Run_Music");
    // The configured volume: 0.05 or less (or unreadable) is off, for the whole run.
    if (!(music_volume > 0.05f)) music_volume = 0;
    if (music_volume >= 1) music_volume = 1.0f;
    if (music_volume == 0) return;

    Follow_Music_Off();
    Crossfade_Step();
    for (int song = 1; song <= SONG_COUNT; song++) Serve_Track(song);
}

void Stop_End_Snd() { end_snd.stop(); }
