// The sound bank: every sound of the game, opened once behind the loading frames.
#pragma once

#include "audio/audio.h"

// Sound effects decoded in memory.
inline audio::SoundEffect door_open;
inline audio::SoundEffect door_close;
inline audio::SoundEffect click_snd;
inline audio::SoundEffect crow1_snd;
inline audio::SoundEffect crow2_snd;
inline audio::SoundEffect hatch_snd;
inline audio::SoundEffect boss_snd;
inline audio::SoundEffect boss_ohh_snd;
inline audio::SoundEffect boss_ohh1_snd;
inline audio::SoundEffect wakeup_snd;
inline audio::SoundEffect owl_snd;
inline audio::SoundEffect mgun_snd;
inline audio::SoundEffect mgun1_snd;
inline audio::SoundEffect destroy_snd;
inline audio::SoundEffect destroy1_snd;
inline audio::SoundEffect click_off_snd;
inline audio::SoundEffect ric1_snd;
inline audio::SoundEffect ric2_snd;
inline audio::SoundEffect ric3_snd;
inline audio::SoundEffect fall_snd;
inline audio::SoundEffect pick_up_snd;
inline audio::SoundEffect potion_up_snd;
inline audio::SoundEffect cash_up_snd;
inline audio::SoundEffect teddy_roar_snd;
inline audio::SoundEffect step_snd;
inline audio::SoundEffect step1_snd;
inline audio::SoundEffect step2_snd;
inline audio::SoundEffect step3_snd;
inline audio::SoundEffect clank_snd;
inline audio::SoundEffect clank1_snd;
inline audio::SoundEffect smash1_snd;
inline audio::SoundEffect splash_snd;
inline audio::SoundEffect splash1_snd;
inline audio::SoundEffect chute_snd;
inline audio::SoundEffect stamp_snd;
inline audio::SoundEffect ok_snd;
inline audio::SoundEffect apple_snd;
inline audio::SoundEffect medikit_snd;
inline audio::SoundEffect beans_snd;
inline audio::SoundEffect firework_snd;
inline audio::SoundEffect switch_n_snd;
inline audio::SoundEffect gargle_snd;
inline audio::SoundEffect gargle1_snd;
inline audio::SoundEffect gargle2_snd;
inline audio::SoundEffect wound_snd;
inline audio::SoundEffect wound1_snd;
inline audio::SoundEffect wound2_snd;
inline audio::SoundEffect wound3_snd;
inline audio::SoundEffect radio_snd;
inline audio::SoundEffect siren_snd;
inline audio::SoundEffect promo1_snd;
inline audio::SoundEffect promo2_snd;
inline audio::SoundEffect type1_snd;
inline audio::SoundEffect type4_snd;
inline audio::SoundEffect tank1_snd;
inline audio::SoundEffect tank2_snd;
inline audio::SoundEffect zip_snd;
inline audio::SoundEffect piss_snd;
inline audio::SoundEffect torch_snd;
inline audio::SoundEffect lightswitch_snd;
inline audio::SoundEffect ready_snd;
inline audio::SoundEffect bark_snd;
inline audio::SoundEffect buoy_snd;
inline audio::SoundEffect seagull_snd;
inline audio::SoundEffect seagull2_snd;
inline audio::SoundEffect drip_snd;
inline audio::SoundEffect place_snd;
inline audio::SoundEffect splatted_snd;
inline audio::SoundEffect monkey_snd;
inline audio::SoundEffect switch_snd;
inline audio::SoundEffect sniper_snd;
inline audio::SoundEffect sniperply_snd;
inline audio::SoundEffect death_snd;
inline audio::SoundEffect whistle_snd;
inline audio::SoundEffect beam_snd;
inline audio::SoundEffect glass1_snd;
inline audio::SoundEffect glass2_snd;
inline audio::SoundEffect glass3_snd;
inline audio::SoundEffect glass4_snd;
inline audio::SoundEffect laugh1_snd;
inline audio::SoundEffect laugh2_snd;
inline audio::SoundEffect laugh3_snd;
inline audio::SoundEffect laugh4_snd;
inline audio::SoundEffect water_snd;
inline audio::SoundEffect emypain_snd;
inline audio::SoundEffect sight_snd;
inline audio::SoundEffect coins_snd;
inline audio::SoundEffect coins1_snd;
inline audio::SoundEffect dogdie_snd;
inline audio::SoundEffect footstep_snd;
inline audio::SoundEffect footstep1_snd;
inline audio::SoundEffect softstep_snd;
inline audio::SoundEffect softstep1_snd;
inline audio::SoundEffect mudstep_snd;
inline audio::SoundEffect mudstep1_snd;
inline audio::SoundEffect hardstep_snd;
inline audio::SoundEffect hardstep1_snd;
inline audio::SoundEffect grassstep_snd;
inline audio::SoundEffect grassstep1_snd;
inline audio::SoundEffect medal_snd;
inline audio::SoundEffect mount_snd;
inline audio::SoundEffect ping_snd;
inline audio::SoundEffect cow_snd;
inline audio::SoundEffect cow1_snd;
inline audio::SoundEffect cheer_snd;
inline audio::SoundEffect healup_snd;
inline audio::SoundEffect shotgun_snd;
inline audio::SoundEffect shotgun1_snd;
inline audio::SoundEffect tink_snd;
inline audio::SoundEffect chop_snd;
inline audio::SoundEffect splat_snd;
inline audio::SoundEffect cash_snd;
inline audio::SoundEffect spark_snd;
inline audio::SoundEffect stolen_snd;
inline audio::SoundEffect swim1_snd;
inline audio::SoundEffect swim2_snd;
inline audio::SoundEffect tada1_snd;
inline audio::SoundEffect tada2_snd;
inline audio::SoundEffect tada3_snd;
inline audio::SoundEffect tada4_snd;
inline audio::SoundEffect drown_snd;
inline audio::SoundEffect backspace_snd;

// Streams: the music tracks and the ambient loops.
inline audio::OutputStream end_snd;
inline audio::OutputStream jet_snd;
inline audio::OutputStream war_snd;
inline audio::OutputStream lnd_snd;
inline audio::OutputStream crd_snd;
inline audio::OutputStream army_snd;
inline audio::OutputStream fight_snd;
inline audio::OutputStream sad_snd;
inline audio::OutputStream intro_snd;
inline audio::OutputStream mini_snd;
inline audio::OutputStream deathscreen_snd;
inline audio::OutputStream urgency_snd;
inline audio::OutputStream fanfare_snd;
inline audio::OutputStream fanfare2_snd;
inline audio::OutputStream dgnb_snd;
inline audio::OutputStream final_snd;
inline audio::OutputStream dangers_snd;
inline audio::OutputStream untie_snd;
inline audio::OutputStream waves_snd;
inline audio::OutputStream woods_snd;
inline audio::OutputStream burn_snd;
inline audio::OutputStream snore_snd;
inline audio::OutputStream exhaust_snd;
inline audio::OutputStream airplane_snd;
inline audio::OutputStream wind_snd;
inline audio::OutputStream tank_snd;

// Opens every sound, with loading frames 1 to 7 between the groups, and sets the volumes.
void Open_Sound_Bank();
// Releases every sound of the bank.
void Release_Sound_Bank();

struct Effect_Entry {
    audio::SoundEffect* sound;
    const char* file;
    audio::SoundEffectType kind;
    int group; // 1 or 2: the loading frame that follows it
};
struct Stream_Entry {
    audio::OutputStream* sound;
    const char* file;
    bool music_volume; // false: the effects volume
    bool repeat;
    int group; // 3 to 7: the loading frame that follows it; 8 none
};

inline const Effect_Entry effect_table[] = {
    {&door_open, "victory.wav", audio::SINGLE, 1},
    {&door_close, "mine_down.wav", audio::SINGLE, 1},
    {&click_snd, "click.wav", audio::SINGLE, 1},
    {&crow1_snd, "crow1.wav", audio::SINGLE, 1},
    {&crow2_snd, "crow2.wav", audio::SINGLE, 1},
    {&hatch_snd, "hatch.wav", audio::SINGLE, 1},
    {&boss_snd, "boss_explosion.wav", audio::SINGLE, 1},
    {&boss_ohh_snd, "boss_ohh.wav", audio::SINGLE, 1},
    {&boss_ohh1_snd, "boss_ohh1.wav", audio::SINGLE, 1},
    {&wakeup_snd, "wakeup.wav", audio::SINGLE, 1},
    {&owl_snd, "owl.wav", audio::SINGLE, 1},
    {&mgun_snd, "mgun.wav", audio::SINGLE, 1},
    {&mgun1_snd, "mgun.wav", audio::SINGLE, 1},
    {&destroy_snd, "destroyb.wav", audio::SINGLE, 1},
    {&destroy1_snd, "destroyb.wav", audio::SINGLE, 1},
    {&click_off_snd, "land1.wav", audio::SINGLE, 1},
    {&ric1_snd, "ric1.wav", audio::SINGLE, 1},
    {&ric2_snd, "ric2.wav", audio::SINGLE, 1},
    {&ric3_snd, "ric3.wav", audio::SINGLE, 1},
    {&fall_snd, "falling.wav", audio::SINGLE, 1},
    {&pick_up_snd, "click.wav", audio::SINGLE, 1},
    {&potion_up_snd, "reload.wav", audio::SINGLE, 1},
    {&cash_up_snd, "reloaded.wav", audio::SINGLE, 1},
    {&teddy_roar_snd, "heal.wav", audio::SINGLE, 1},
    {&step_snd, "die1.wav", audio::SINGLE, 1},
    {&step1_snd, "die2.wav", audio::SINGLE, 1},
    {&step2_snd, "die3.wav", audio::SINGLE, 1},
    {&step3_snd, "die4.wav", audio::SINGLE, 1},
    {&clank_snd, "exp1.wav", audio::SINGLE, 1},
    {&clank1_snd, "exp2.wav", audio::SINGLE, 1},
    {&smash1_snd, "smash1.wav", audio::SINGLE, 1},
    {&splash_snd, "big_gun.wav", audio::SINGLE, 1},
    {&splash1_snd, "big_gun.wav", audio::SINGLE, 1},
    {&chute_snd, "heal.wav", audio::SINGLE, 1},
    {&stamp_snd, "stamp.wav", audio::SINGLE, 1},
    {&ok_snd, "ok.wav", audio::SINGLE, 1},
    {&apple_snd, "apple.wav", audio::SINGLE, 1},
    {&medikit_snd, "medikit.wav", audio::SINGLE, 1},
    {&beans_snd, "beans.wav", audio::SINGLE, 1},
    {&firework_snd, "fireworks.wav", audio::SINGLE, 1},
    {&switch_n_snd, "back_button.wav", audio::SINGLE, 1},
    {&gargle_snd, "gargle.wav", audio::SINGLE, 1},
    {&gargle1_snd, "gargle1.wav", audio::SINGLE, 1},
    {&gargle2_snd, "gargle2.wav", audio::SINGLE, 1},
    {&wound_snd, "land1.wav", audio::SINGLE, 2},
    {&wound1_snd, "land1.wav", audio::SINGLE, 2},
    {&wound2_snd, "land1.wav", audio::SINGLE, 2},
    {&wound3_snd, "land1.wav", audio::SINGLE, 2},
    {&radio_snd, "fly.wav", audio::SINGLE, 2},
    {&siren_snd, "siren.wav", audio::SINGLE, 2},
    {&promo1_snd, "land1.wav", audio::SINGLE, 2},
    {&promo2_snd, "land1.wav", audio::SINGLE, 2},
    {&type1_snd, "type1.wav", audio::SINGLE, 2},
    {&type4_snd, "type4.wav", audio::SINGLE, 2},
    {&tank1_snd, "tank1.wav", audio::SINGLE, 2},
    {&tank2_snd, "tank2.wav", audio::SINGLE, 2},
    {&zip_snd, "zip.wav", audio::SINGLE, 2},
    {&piss_snd, "piss.wav", audio::SINGLE, 2},
    {&torch_snd, "torch.wav", audio::SINGLE, 2},
    {&lightswitch_snd, "light_switch.wav", audio::SINGLE, 2},
    {&ready_snd, "grenade.wav", audio::SINGLE, 2},
    {&bark_snd, "bark1.wav", audio::SINGLE, 2},
    {&buoy_snd, "buoy.wav", audio::SINGLE, 2},
    {&seagull_snd, "seagull2.wav", audio::SINGLE, 2},
    {&seagull2_snd, "seagull1.wav", audio::SINGLE, 2},
    {&drip_snd, "drip.wav", audio::SINGLE, 2},
    {&place_snd, "bang.wav", audio::MULTIPLE, 1},
    {&splatted_snd, "splatted.wav", audio::MULTIPLE, 1},
    {&monkey_snd, "monkey1.wav", audio::MULTIPLE, 1},
    {&switch_snd, "whoosh.wav", audio::MULTIPLE, 1},
    {&sniper_snd, "KG60.wav", audio::MULTIPLE, 1},
    {&sniperply_snd, "sniper.wav", audio::MULTIPLE, 1},
    {&death_snd, "pistol.wav", audio::MULTIPLE, 1},
    {&whistle_snd, "whistle.wav", audio::MULTIPLE, 1},
    {&beam_snd, "beam.wav", audio::MULTIPLE, 1},
    {&glass1_snd, "glass1.wav", audio::MULTIPLE, 1},
    {&glass2_snd, "glass2.wav", audio::MULTIPLE, 1},
    {&glass3_snd, "glass3.wav", audio::MULTIPLE, 1},
    {&glass4_snd, "glass4.wav", audio::MULTIPLE, 1},
    {&laugh1_snd, "laugh1.wav", audio::MULTIPLE, 1},
    {&laugh2_snd, "laugh2.wav", audio::MULTIPLE, 1},
    {&laugh3_snd, "laugh3.wav", audio::MULTIPLE, 1},
    {&laugh4_snd, "laugh4.wav", audio::MULTIPLE, 1},
    {&water_snd, "splash.wav", audio::MULTIPLE, 1},
    {&emypain_snd, "emypain.wav", audio::MULTIPLE, 1},
    {&sight_snd, "KG60.wav", audio::MULTIPLE, 1},
    {&coins_snd, "coins1.wav", audio::MULTIPLE, 1},
    {&coins1_snd, "coins.wav", audio::MULTIPLE, 1},
    {&dogdie_snd, "dogdie.wav", audio::MULTIPLE, 1},
    {&footstep_snd, "step1.wav", audio::MULTIPLE, 1},
    {&footstep1_snd, "step2.wav", audio::MULTIPLE, 1},
    {&softstep_snd, "step3.wav", audio::MULTIPLE, 1},
    {&softstep1_snd, "step4.wav", audio::MULTIPLE, 1},
    {&mudstep_snd, "step8.wav", audio::MULTIPLE, 1},
    {&mudstep1_snd, "step9.wav", audio::MULTIPLE, 1},
    {&hardstep_snd, "step5.wav", audio::MULTIPLE, 1},
    {&hardstep1_snd, "step6.wav", audio::MULTIPLE, 1},
    {&grassstep_snd, "step10.wav", audio::MULTIPLE, 1},
    {&grassstep1_snd, "step11.wav", audio::MULTIPLE, 1},
    {&medal_snd, "medal.wav", audio::MULTIPLE, 1},
    {&mount_snd, "KG60A.wav", audio::MULTIPLE, 1},
    {&ping_snd, "ping.wav", audio::MULTIPLE, 1},
    {&cow_snd, "cow.wav", audio::MULTIPLE, 1},
    {&cow1_snd, "cow1.wav", audio::MULTIPLE, 1},
    {&cheer_snd, "victory.wav", audio::MULTIPLE, 1},
    {&healup_snd, "healup.wav", audio::MULTIPLE, 1},
    {&shotgun_snd, "shotgun.wav", audio::MULTIPLE, 1},
    {&shotgun1_snd, "shotgun1.wav", audio::MULTIPLE, 1},
    {&tink_snd, "pw_tink.wav", audio::MULTIPLE, 1},
    {&chop_snd, "chop.wav", audio::MULTIPLE, 1},
    {&splat_snd, "splat.wav", audio::MULTIPLE, 1},
    {&cash_snd, "cash.wav", audio::MULTIPLE, 1},
    {&spark_snd, "change.wav", audio::MULTIPLE, 1},
    {&stolen_snd, "stolen.wav", audio::MULTIPLE, 1},
    {&swim1_snd, "swim2.wav", audio::MULTIPLE, 1},
    {&swim2_snd, "swim1.wav", audio::MULTIPLE, 1},
    {&tada1_snd, "pain1.wav", audio::MULTIPLE, 1},
    {&tada2_snd, "pain2.wav", audio::MULTIPLE, 1},
    {&tada3_snd, "pain3.wav", audio::MULTIPLE, 1},
    {&tada4_snd, "pain4.wav", audio::MULTIPLE, 1},
    {&drown_snd, "drown1.wav", audio::MULTIPLE, 1},
    {&backspace_snd, "back_space.wav", audio::MULTIPLE, 2},
};
inline const Stream_Entry stream_table[] = {
    {&end_snd, "song1.ogg", true, true, 3},
    {&jet_snd, "dungeon.ogg", true, true, 3},
    {&war_snd, "boot.ogg", true, true, 4},
    {&lnd_snd, "front.ogg", true, true, 4},
    {&crd_snd, "beach.ogg", true, true, 5},
    {&army_snd, "boss.ogg", true, true, 5},
    {&fight_snd, "camp.ogg", true, true, 6},
    {&sad_snd, "camp_destroyed.ogg", true, true, 6},
    {&intro_snd, "intro.ogg", true, true, 6},
    {&mini_snd, "groove.ogg", true, true, 6},
    {&deathscreen_snd, "death.ogg", true, true, 6},
    {&urgency_snd, "urgency.ogg", true, true, 6},
    {&fanfare_snd, "fanfare.ogg", true, false, 6},
    {&fanfare2_snd, "fanfare2.ogg", true, false, 6},
    {&dgnb_snd, "dungeonb.ogg", true, true, 7},
    {&final_snd, "final_mission.ogg", true, true, 7},
    {&dangers_snd, "dungeon_danger.ogg", true, true, 7},
    {&untie_snd, "rain.ogg", false, true, 8},
    {&waves_snd, "waves.ogg", false, true, 8},
    {&woods_snd, "woods.ogg", false, true, 8},
    {&burn_snd, "burn.wav", false, true, 8},
    {&snore_snd, "snore.wav", false, false, 8},
    {&exhaust_snd, "exhaust.ogg", false, true, 8},
    {&airplane_snd, "airplane.wav", false, true, 8},
    {&wind_snd, "wind.wav", false, true, 8},
    {&tank_snd, "tank_engine.ogg", false, false, 8},
};
