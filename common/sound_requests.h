// Sound requests: each flag asks the main tick to play its sound once and is cleared there.
// Raised by any subsystem; played in game modes 2 to 5 while the quit box is down.
#pragma once

inline bool glass_sfx = false;    // a glass picture broke
inline bool drown_sfx = false;    // a skeleton or dead officer rises
inline bool footstep_sfx = false; // a plain footstep

// Music state shared by the scene loader and the music step.
inline int current_song = 0;            // song number of the current scene, 0 none
inline int old_song = 0;                // song of the scene before
inline int old_music_loop = 0;          // music_loop of the scene before
inline bool half_volume = false;        // tracks 1, 5 and 6 start at half volume
inline bool music_fade = false;         // a crossfade is running
inline int music_timer = 0;             // due time of the next crossfade step
inline float fade_in_volume = 0.0f;
inline float fade_out_volume = 0.0f;
inline float fade_increment = 0.0f;
inline float temp_music_volume = 0.0f;
inline float music_danger_volume = 0.0f;
inline bool music_off = false;

// More request flags (scene loader, effects and the rest of the game).
inline bool airplane_sfx = false;
inline bool apple_sfx = false;
inline bool backspace_sfx = false;
inline bool bark_sfx = false;
inline bool beam_sfx = false;
inline bool beans_sfx = false;
inline bool boss_ohh_sfx = false;
inline bool boss_sfx = false;
inline bool buoy_sfx = false;
inline bool burn_sfx = false;
inline bool cash_sfx = false;
inline bool cash_up_sfx = false;
inline bool cheer_sfx = false;
inline bool chop_sfx = false;
inline bool chute_sfx = false;
inline bool clank_sfx = false;
inline bool click_off_sfx = false;
inline bool click_sfx = false;
inline bool coins1_sfx = false;
inline bool coins_sfx = false;
inline bool cow_sfx = false;
inline bool crow1_sfx = false;
inline bool crow2_sfx = false;
inline bool death_sfx = false;
inline bool destroy_sfx = false;
inline bool dogdie_sfx = false;
inline bool door_close_sfx = false;
inline bool door_open_sfx = false;
inline bool drip_sfx = false;
inline bool emypain_sfx = false;
inline bool exhaust_sfx = false;
inline bool fall_sfx = false;
inline bool firework_sfx = false;
inline bool gargle_sfx = false;
inline bool grassstep_sfx = false;
inline bool hardstep_sfx = false;
inline bool hatch_sfx = false;
inline bool healup_sfx = false;
inline bool laugh_sfx = false;
inline bool lightswitch_sfx = false;
inline bool medal_sfx = false;
inline bool medikit_sfx = false;
inline bool mgun_sfx = false;
inline bool monkey_sfx = false;
inline bool mount_sfx = false;
inline bool mudstep_sfx = false;
inline bool ok_sfx = false;
inline bool owl_sfx = false;
inline bool pick_up_sfx = false;
inline bool ping_sfx = false;
inline bool piss_sfx = false;
inline bool place_sfx = false;
inline bool potion_up_sfx = false;
inline bool promo_sfx = false;
inline bool radio_sfx = false;
inline bool ready_sfx = false;
inline bool ric2_sfx = false;
inline bool ric_sfx = false;
inline bool rocket_sfx = false;
inline bool seagull2_sfx = false;
inline bool seagull_sfx = false;
inline bool shotgun1_sfx = false;
inline bool shotgun_sfx = false;
inline bool sight_sfx = false;
inline bool siren_sfx = false;
inline bool smash1_sfx = false;
inline bool sniper_sfx = false;
inline bool sniperply_sfx = false;
inline bool snore_sfx = false;
inline bool softstep_sfx = false;
inline bool spark_sfx = false;
inline bool splash_sfx = false;
inline bool splat_sfx = false;
inline bool splatted_sfx = false;
inline bool stamp_sfx = false;
inline bool step_sfx = false;
inline bool stolen_sfx = false;
inline bool stop_siren = false;
inline bool stop_tank_sfx = false;
inline bool swim_sfx = false;
inline bool switch_n_sfx = false;
inline bool switch_sfx = false;
inline bool tada_sfx = false;
inline bool tank1_sfx = false;
inline bool tank_sfx = false;
inline bool tink_sfx = false;
inline bool torch_sfx = false;
inline bool type_sfx = false;
inline bool untie_sfx = false;
inline bool wakeup_sfx = false;
inline bool water_sfx = false;
inline bool waves_sfx = false;
inline bool whistle_sfx = false;
inline bool wind_sfx = false;
inline bool woods_sfx = false;
inline bool wound_sfx = false;
inline bool zip_sfx = false;

// Stop requests and the teddy roar: ints that act only on the value 1.
inline int stop_rain_sfx = 0;
inline int stop_waves_sfx = 0;
inline int stop_woods_sfx = 0;
inline int stop_burn_sfx = 0;
inline int stop_snore_sfx = 0;
inline int stop_exhaust_sfx = 0;
inline int stop_airplane_sfx = 0;
inline int stop_wind_sfx = 0;
inline int stop_seagull_sfx = 0;
inline int teddy_roar_sfx = 0;

// Front-end button sounds.
inline bool button_snd = false;
inline bool button1_snd = false;
inline bool button2_snd = false;
inline bool button3_snd = false;
inline bool button4_snd = false;
inline bool button5_snd = false;
inline bool button6_snd = false;
inline bool button7_snd = false;
inline bool button8_snd = false;
inline bool button9_snd = false;
inline bool button10_snd = false;

// Repeat counters of requests with variants: a rotation counter names the variant that
// plays next, a random counter holds the last choice. They carry over from scene to scene
// (the scene loader resets only the splash and wound counters).
inline int splash_sfx_counter = 0;
inline int wound_sfx_counter = 0;
inline int destroy_sfx_counter = 0;
inline int mgun_sfx_counter = 0;
inline int swim_sfx_counter = 0;
inline int boss_ohh_sfx_counter = 0;
inline int ric_sfx_counter = 0;
inline int cow_sfx_counter = 0;
inline int glass_sfx_counter = 0;
inline int laugh_sfx_counter = 0;
inline int gargle_sfx_counter = 0;
inline int footstep_counter = 0;
inline int softstep_counter = 0;
inline int mudstep_counter = 0;
inline int hardstep_counter = 0;
inline int grassstep_counter = 0;
inline int type_sfx_counter = 0;
inline int promo_sfx_counter = 0;
inline int tank_sfx_counter = 0;
inline int clank_sfx_counter = 0;
inline int step_sfx_counter = 0;

// Music track states (0 idle, 1 start, 2 playing, 3 stop, 4 restart, 5 fade in,
// 6 fade out, 7 stop and rewind) of songs 2 to 17; song 1's end_sfx is in main/messages.h.
inline int jet_sfx = 0;
inline int war_sfx = 0;
inline int lnd_sfx = 0;
inline int crd_sfx = 0;
inline int army_sfx = 0;
inline int fight_sfx = 0;
inline int sad_sfx = 0;
inline int dgnb_sfx = 0;
inline int final_sfx = 0;
inline int dangers_sfx = 0;
inline int intro_sfx = 0;
inline int fanfare_sfx = 0;
inline int urgency_sfx = 0;
inline int mini_sfx = 0;
inline int fanfare2_sfx = 0;
inline int deathscreen_sfx = 0;

// Values of the music track states above (and of end_sfx).
enum : int {
    TRACK_IDLE = 0,      // stopped, nothing to do
    TRACK_START = 1,     // start at once at the start volume
    TRACK_PLAYING = 2,   // playing, nothing to do
    TRACK_STOP = 3,      // stop (rewinding, except the tracks that keep their position)
    TRACK_RESTART = 4,   // restart from the beginning (title track only)
    TRACK_FADE_IN = 5,   // fading in with the crossfade
    TRACK_FADE_OUT = 6,  // fading out with the crossfade
    TRACK_REWIND = 7,    // stop and rewind (camp, camp destroyed and groove tracks only)
};
