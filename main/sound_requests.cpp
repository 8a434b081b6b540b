#include "main/sound_requests.h"

#include <cstdlib>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "main/sound_bank.h"

namespace {

// A request global: most are bools, a few are ints that act only on the value 1.
struct Request {
    bool* flag = nullptr;
    int* value = nullptr;
    constexpr Request(bool* f) : flag(f) {}
    constexpr Request(int* v) : value(v) {}
    bool Raised() const { return flag ? *flag : *value == 1; }
    void Clear() const {
        if (flag) *flag = false;
        else *value = 0;
    }
};

enum Hold { PLAYS, HELD };  // HELD: waits while the player is dead

bool Take(const Request& r, Hold hold) {
    if (!r.Raised() || (hold == HELD && ply_dead)) return false;
    r.Clear();
    return true;
}

void Play(audio::SoundEffect& sound) {
    sound.setVolume(sfx_volume);
    sound.play();
}

void Stop_Seagulls() {
    seagull_snd.stop();
    seagull2_snd.stop();
}

struct Plain_Request {
    Request request;
    audio::SoundEffect* sound;
    Hold hold;
    void (*then)() = nullptr;  // a further action after the sound
};

// In processing order.
constexpr Plain_Request plain_requests[] = {
    {&place_sfx, &place_snd, PLAYS},
    {&splatted_sfx, &splatted_snd, PLAYS},
    {&monkey_sfx, &monkey_snd, PLAYS},
    {&pick_up_sfx, &pick_up_snd, HELD},
    {&switch_sfx, &switch_snd, HELD},
    {&potion_up_sfx, &potion_up_snd, HELD},
    {&cash_up_sfx, &cash_up_snd, HELD},
    {&whistle_sfx, &whistle_snd, HELD},
    {&click_sfx, &click_snd, HELD},
    {&wakeup_sfx, &wakeup_snd, HELD},
    {&boss_sfx, &boss_snd, HELD},
    {&hatch_sfx, &hatch_snd, HELD},
    {&owl_sfx, &owl_snd, HELD},
    {&crow1_sfx, &crow1_snd, HELD},
    {&crow2_sfx, &crow2_snd, HELD, Stop_Seagulls},
    {&click_off_sfx, &click_off_snd, HELD},
    {&door_open_sfx, &door_open, HELD},
    {&door_close_sfx, &door_close, HELD},
    {&death_sfx, &death_snd, PLAYS},
    {&spark_sfx, &spark_snd, PLAYS},
    {&stolen_sfx, &stolen_snd, PLAYS},
    {&tink_sfx, &tink_snd, HELD},
    {&ric_sfx, &ric1_snd, HELD},
    {&fall_sfx, &fall_snd, HELD},
    {&sniper_sfx, &sniper_snd, HELD},
    {&sniperply_sfx, &sniperply_snd, HELD},
    {&mount_sfx, &mount_snd, HELD},
    {&cheer_sfx, &cheer_snd, HELD},
    {&ping_sfx, &ping_snd, HELD},
    {&chop_sfx, &chop_snd, HELD},
    {&splat_sfx, &splat_snd, HELD},
    {&cash_sfx, &cash_snd, HELD},
    {&smash1_sfx, &smash1_snd, HELD},
    {&beam_sfx, &beam_snd, HELD},
    {&rocket_sfx, &laugh4_snd, HELD},
    {&sight_sfx, &sight_snd, HELD},
    {&emypain_sfx, &emypain_snd, HELD},
    {&coins_sfx, &coins_snd, HELD},
    {&coins1_sfx, &coins1_snd, HELD},
    {&dogdie_sfx, &dogdie_snd, HELD},
    {&water_sfx, &water_snd, HELD},
    {&medal_sfx, &medal_snd, HELD},
    {&chute_sfx, &chute_snd, PLAYS},
    {&stamp_sfx, &stamp_snd, PLAYS},
    {&ok_sfx, &ok_snd, PLAYS},
    {&medikit_sfx, &medikit_snd, PLAYS},
    {&beans_sfx, &beans_snd, PLAYS},
    {&apple_sfx, &apple_snd, PLAYS},
    {&firework_sfx, &firework_snd, PLAYS},
    {&zip_sfx, &zip_snd, PLAYS},
    {&piss_sfx, &piss_snd, PLAYS},
    {&switch_n_sfx, &switch_n_snd, PLAYS},
    {&backspace_sfx, &backspace_snd, PLAYS},
    {&drown_sfx, &drown_snd, PLAYS},
    {&radio_sfx, &radio_snd, PLAYS},
    {&siren_sfx, &siren_snd, PLAYS},
    {&torch_sfx, &torch_snd, PLAYS},
    {&lightswitch_sfx, &lightswitch_snd, PLAYS},
    {&ready_sfx, &ready_snd, PLAYS},
    {&bark_sfx, &bark_snd, PLAYS},
    {&buoy_sfx, &buoy_snd, PLAYS},
    {&seagull_sfx, &seagull_snd, PLAYS},
    {&seagull2_sfx, &seagull2_snd, PLAYS},
    {&drip_sfx, &drip_snd, PLAYS},
    {&healup_sfx, &healup_snd, PLAYS},
    {&shotgun_sfx, &shotgun_snd, PLAYS},
    {&shotgun1_sfx, &shotgun1_snd, PLAYS},
    {&teddy_roar_sfx, &teddy_roar_snd, PLAYS},
};

enum Choice { ROTATION, RANDOM };

struct Variant_Request {
    Request request;
    int* counter;  // nullptr: a fresh random choice each time
    Choice choice;
    Hold hold;
    int count;
    audio::SoundEffect* variants[4];
};

constexpr Variant_Request variant_requests[] = {
    {&destroy_sfx, &destroy_sfx_counter, ROTATION, PLAYS, 2, {&destroy_snd, &destroy1_snd}},
    {&mgun_sfx, &mgun_sfx_counter, ROTATION, PLAYS, 2, {&mgun_snd, &mgun1_snd}},
    {&swim_sfx, &swim_sfx_counter, ROTATION, PLAYS, 2, {&swim1_snd, &swim2_snd}},
    {&boss_ohh_sfx, &boss_ohh_sfx_counter, RANDOM, HELD, 2, {&boss_ohh_snd, &boss_ohh1_snd}},
    {&ric2_sfx, &ric_sfx_counter, RANDOM, HELD, 2, {&ric2_snd, &ric3_snd}},
    {&cow_sfx, &cow_sfx_counter, RANDOM, HELD, 2, {&cow_snd, &cow1_snd}},
    {&glass_sfx, &glass_sfx_counter, RANDOM, HELD, 4, {&glass1_snd, &glass2_snd, &glass3_snd, &glass4_snd}},
    {&laugh_sfx, &laugh_sfx_counter, RANDOM, HELD, 4, {&laugh1_snd, &laugh2_snd, &laugh3_snd, &laugh4_snd}},
    {&gargle_sfx, &gargle_sfx_counter, ROTATION, HELD, 3, {&gargle_snd, &gargle1_snd, &gargle2_snd}},
    {&splash_sfx, &splash_sfx_counter, ROTATION, HELD, 2, {&splash_snd, &splash1_snd}},
    {&footstep_sfx, &footstep_counter, ROTATION, HELD, 2, {&footstep_snd, &footstep1_snd}},
    {&softstep_sfx, &softstep_counter, ROTATION, HELD, 2, {&softstep_snd, &softstep1_snd}},
    {&mudstep_sfx, &mudstep_counter, ROTATION, HELD, 2, {&mudstep_snd, &mudstep1_snd}},
    {&hardstep_sfx, &hardstep_counter, ROTATION, HELD, 2, {&hardstep_snd, &hardstep1_snd}},
    {&grassstep_sfx, &grassstep_counter, ROTATION, HELD, 2, {&grassstep_snd, &grassstep1_snd}},
    {&tada_sfx, nullptr, RANDOM, PLAYS, 4, {&tada1_snd, &tada2_snd, &tada3_snd, &tada4_snd}},
    {&wound_sfx, &wound_sfx_counter, ROTATION, PLAYS, 4, {&wound_snd, &wound1_snd, &wound2_snd, &wound3_snd}},
    {&type_sfx, &type_sfx_counter, ROTATION, PLAYS, 4, {&type1_snd, &type4_snd, &type1_snd, &type1_snd}},
    {&promo_sfx, &promo_sfx_counter, ROTATION, PLAYS, 2, {&promo1_snd, &promo2_snd}},
    {&tank_sfx, &tank_sfx_counter, ROTATION, PLAYS, 2, {&tank1_snd, &tank2_snd}},
    {&clank_sfx, &clank_sfx_counter, ROTATION, PLAYS, 2, {&clank_snd, &clank1_snd}},
    {&step_sfx, &step_sfx_counter, ROTATION, PLAYS, 4, {&step_snd, &step1_snd, &step2_snd, &step3_snd}},
};

void Serve_Variants(const Variant_Request& r) {
    if (!Take(r.request, r.hold)) return;
    int local = 0;
    int& counter = r.counter ? *r.counter : local;
    if (r.choice == RANDOM) {
        counter = rand() % r.count;
        Play(*r.variants[counter]);
        return;
    }
    if (counter < 0 || counter >= r.count) counter = 0;  // a counter written out of range
    Play(*r.variants[counter]);
    counter++;
    if (counter > r.count - 1) counter = 0;
}

enum Repeat_On_Start { KEEP_REPEAT, REPEAT_ON, REPEAT_OFF };
enum Stop_Kind { STOP_IF_PLAYING, STOP_AND_REWIND };

struct Ambient_Loop {
    Request start;
    audio::OutputStream* stream;
    bool rewind_on_start;
    Repeat_On_Start repeat;
    Request stop;
    Stop_Kind stop_kind;
};

constexpr Ambient_Loop ambient_loops[] = {
    {&untie_sfx, &untie_snd, false, KEEP_REPEAT, &stop_rain_sfx, STOP_AND_REWIND},
    {&waves_sfx, &waves_snd, true, REPEAT_ON, &stop_waves_sfx, STOP_IF_PLAYING},
    {&woods_sfx, &woods_snd, true, REPEAT_ON, &stop_woods_sfx, STOP_IF_PLAYING},
    {&burn_sfx, &burn_snd, true, REPEAT_ON, &stop_burn_sfx, STOP_IF_PLAYING},
    {&snore_sfx, &snore_snd, true, REPEAT_OFF, &stop_snore_sfx, STOP_IF_PLAYING},
    {&exhaust_sfx, &exhaust_snd, true, REPEAT_ON, &stop_exhaust_sfx, STOP_IF_PLAYING},
    {&airplane_sfx, &airplane_snd, true, REPEAT_ON, &stop_airplane_sfx, STOP_IF_PLAYING},
    {&wind_sfx, &wind_snd, false, KEEP_REPEAT, &stop_wind_sfx, STOP_IF_PLAYING},
    {&tank1_sfx, &tank_snd, true, KEEP_REPEAT, &stop_tank_sfx, STOP_IF_PLAYING},
};

void Start_Loop(const Ambient_Loop& l) {
    if (!Take(l.start, PLAYS)) return;
    audio::OutputStream& stream = *l.stream;
    if (l.rewind_on_start) stream.reset();
    stream.setVolume(sfx_volume);
    if (l.repeat != KEEP_REPEAT) stream.setRepeat(l.repeat == REPEAT_ON);
    stream.play();
}

void Stop_Loop(const Ambient_Loop& l) {
    if (!Take(l.stop, PLAYS)) return;
    audio::OutputStream& stream = *l.stream;
    if (l.stop_kind == STOP_AND_REWIND) {
        stream.stop();
        stream.reset();
    } else if (stream.isPlaying()) {
        stream.stop();
    }
}

} // namespace

void Run_Sound_Requests() {
    Trace_Call("Run_Sound_Requests");
    // Before the seagull requests: a seagull asked for in the same tick still sounds.
    if (Take(&stop_seagull_sfx, PLAYS)) Stop_Seagulls();
    for (const Plain_Request& r : plain_requests) {
        if (!Take(r.request, r.hold)) continue;
        Play(*r.sound);
        if (r.then) r.then();
    }
    // After the siren request: a siren asked for and stopped in one tick is cut off.
    if (Take(&stop_siren, PLAYS)) siren_snd.stop();
    for (const Variant_Request& r : variant_requests) Serve_Variants(r);
    // Every start before every stop: a loop started and stopped in one tick ends stopped.
    for (const Ambient_Loop& l : ambient_loops) Start_Loop(l);
    for (const Ambient_Loop& l : ambient_loops) Stop_Loop(l);
}
