#include "scripts/player_pages.h"

#include "combat/medals.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/item_names.h"
#include "hud/player_stats.h"
#include "main/keyboard.h"
#include "main/window.h"
#include "render/font.h"
#include "world/animate.h"

namespace {

// A sprite of the current scene (the page's scene file may hold fewer objects than the
// page addresses; those are left alone).
bool Page_Sprite(int id) { return sprite && id >= 0 && id < no_sprites && id < MAX_SPRITES; }

// ---- Perk page ----

constexpr int PERK_RETURN_BUTTON = 1;
constexpr int PERK_POINTS_SPRITE = 15;
constexpr int PERK_LOCKED_TEXTURE = 8;
constexpr int PERK_MAX_LEVEL = 3;
constexpr int NO_PERK = -1;

struct perk_entry {
    int* level;
    int sprite;
    int needs;            // index of the perk that must be at level 1 or more; NO_PERK for a root
    int unlocked_texture; // texture slot of the unlocked icon (dependent perks only)
    bool* latch;
    const char* captions[3];
    int box_code;
};

// The nine perks in the order of the hovers; the three chains are heart, regeneration,
// health per kill; fire rounds, gas rounds, dum-dum rounds; gallery gun, gold, experience.
enum : int { HEART, FIRE, GALLERY, REGEN, GAS, GOLD, EXP, KILL, ICE, PERK_COUNT };

constexpr perk_entry perks[PERK_COUNT] = {
    {&st_heart, 6, NO_PERK, 0, &button2_snd,
     {"Increase^max_life_by^10HP!", "Increase^max_life_by^20HP!", "Increase^max_life_by^30HP!"}, 2},
    {&st_fire_rounds, 7, NO_PERK, 0, &button3_snd,
     {"Fire_Pistols^Adds_fire^rounds_to^all_pistols!", "Increases^Damage_and^duration_by^2.0_damage",
      "Increases^Damage_and^duration_by^4.0_damage"}, 4},
    {&st_gallery, 8, NO_PERK, 0, &button4_snd,
     {"Upgrade^Gallery_gun^Increase^Damage_and^capacity!", "Increases^Damage_and^capacity^by_+2.0!",
      "Increases^Damage_and^capacity^by_+4.0!"}, 4},
    {&st_regen, 9, HEART, 19, &button5_snd,
     {"Regenerate^health._1HP^every^1.5_Seconds!", "Regenerate^health._1HP^every^1.0_Seconds!",
      "Regenerate^health._1HP^every^0.5_Seconds!"}, 4},
    {&st_gas, 11, FIRE, 20, &button6_snd,
     {"Gas_Shotgun^Adds_gas^rounds_to^all^shotguns!", "Increases^Damage_and^duration_by^2.0_damage",
      "Increases^Damage_and^duration_by^4.0_damage"}, 4},
    {&st_gold, 13, GALLERY, 21, &button7_snd,
     {"Enemies_drop^10\300_more^gold!", "Enemies_drop^15\300_more^gold!", "Enemies_drop^20\300_more^gold!"}, 4},
    {&st_exp, 14, GOLD, 22, &button8_snd,
     {"Enemies_give^10\300_more^experience!", "Enemies_give^15\300_more^experience!",
      "Enemies_give^25\300_more^experience!"}, 4},
    {&st_kill, 10, REGEN, 23, &button9_snd,
     {"Enemies_give^1HP_for^every_kill!", "Enemies_give^2HP_for^every_kill!", "Enemies_give^3HP_for^every_kill!"}, 4},
    {&st_ice, 12, GAS, 24, &button10_snd,
     {"Dum_Rounds^Adds_DumDum^rounds_to^all^machineguns!", "Increases^Damage_and^duration_by^2.0_damage",
      "Increases^Damage_and^duration_by^4.0_damage"}, 4},
};

// The order in which the icons show their levels and take the mouse.
constexpr int first_display[] = {HEART, FIRE, GALLERY, REGEN};
constexpr int second_display[] = {GAS, GOLD, EXP, KILL, ICE};

constexpr const char* PERK_MAXIMUM = "MAXIMUM^REACHED";
constexpr const char* PERK_LOCKED = "Locked.";

void Show_Perk_Level(int perk) {
    const perk_entry& p = perks[perk];
    if (Page_Sprite(p.sprite)) Set_Sprite(p.sprite, *p.level, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
}

void Perk_Hover(int perk) {
    const perk_entry& p = perks[perk];
    if (!Page_Sprite(p.sprite)) return;
    object& o = sprite[p.sprite];
    if (o.alpha != 1.0f) return;
    if (!Mouse_In_Box(o)) {
        o.width = o.box_width;
        o.height = o.box_height;
        o.x = o.w;
        o.y = o.z;
        *p.latch = false;
        return;
    }
    const bool dependent = p.needs != NO_PERK;
    const bool locked = dependent && o.id == PERK_LOCKED_TEXTURE;
    int& level = *p.level;
    perk_caption c = Perk_Caption(perk, level);
    if (locked && level < PERK_MAX_LEVEL) c = {1, PERK_LOCKED};
    Set_Tooltip(c.box_code, true, "%s", c.text);
    o.width = o.box_width + 0.04f;
    o.height = o.box_height + 0.04f;
    o.x = o.w - 0.02f;
    o.y = o.z - 0.02f;
    if (!*p.latch) {
        radio_sfx = true;
        *p.latch = true;
    }
    if (!locked && level_up_points > 0 && mouseleft && level < PERK_MAX_LEVEL) {
        level += 1;
        level_up_points -= 1;
        place_sfx = true;
        mouseleft = false;
        Calculate_Stats();
    }
}

// ---- Options page ----

struct option_button {
    int sprite;
    const char* caption;
    int box_code;
    bool* latch;
};

enum : int { OPT_16_BIT, OPT_32_BIT, OPT_1024_768, OPT_1280_800, OPT_1280_768, OPT_WINDOWED,
             OPT_FULL_SCREEN, OPT_BLUR_ON, OPT_BLUR_OFF, OPTION_COUNT };

constexpr option_button options[OPTION_COUNT] = {
    {13, "16-bit^depth", 1, &button_snd},    {20, "32-bit^depth", 1, &button1_snd},
    {25, "1024x768", 0, &button2_snd},       {26, "1280x800", 0, &button3_snd},
    {34, "1280x768", 0, &button4_snd},       {21, "Windowed^Mode", 1, &button5_snd},
    {22, "Full^Screen", 1, &button6_snd},    {30, "Blur^on", 1, &button7_snd},
    {29, "Blur^off", 1, &button8_snd},
};

// Shows option sprite `id` lit (its first animation + 1) or plain (its first animation).
void Show_Option(int id, bool lit) {
    if (!Page_Sprite(id)) return;
    Set_Sprite(id, sprite[id].base_anim + (lit ? 1 : 0), ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
}

void Choose_Resolution(int width, int height, int mode) {
    new_sc_width = width;
    new_sc_height = height;
    screen_mode = mode;
}

// Whether the setting of option `n` already has the value its button writes. A resolution
// counts as chosen only when the size to be used and its mode both match.
bool Option_Chosen(int n) {
    switch (n) {
        case OPT_16_BIT: return sc_bits == 16;
        case OPT_32_BIT: return sc_bits == 32;
        case OPT_1024_768: return screen_mode == 0 && new_sc_width == 1024 && new_sc_height == 768;
        case OPT_1280_800: return screen_mode == 2 && new_sc_width == 1280 && new_sc_height == 800;
        case OPT_1280_768: return screen_mode == 1 && new_sc_width == 1280 && new_sc_height == 768;
        case OPT_WINDOWED: return !fullscreen;
        case OPT_FULL_SCREEN: return fullscreen;
        case OPT_BLUR_ON: return sc_blur;
        case OPT_BLUR_OFF: return !sc_blur;
    }
    return true;
}

void Choose_Option(int n) {
    switch (n) {
        case OPT_16_BIT: sc_bits = 16; break;
        case OPT_32_BIT: sc_bits = 32; break;
        case OPT_1024_768: Choose_Resolution(1024, 768, 0); break;
        case OPT_1280_800: Choose_Resolution(1280, 800, 2); break;
        case OPT_1280_768: Choose_Resolution(1280, 768, 1); break;
        case OPT_WINDOWED: fullscreen = false; break;
        case OPT_FULL_SCREEN: fullscreen = true; break;
        case OPT_BLUR_ON: sc_blur = true; break;
        case OPT_BLUR_OFF: sc_blur = false; break;
    }
}

void Option_Button(int n) {
    const option_button& b = options[n];
    if (!Page_Sprite(b.sprite)) return;
    if (!Mouse_In_Box(sprite[b.sprite])) {
        *b.latch = false;
        return;
    }
    Set_Tooltip(b.box_code, true, "%s", b.caption);
    on_some_text = true;
    if (!*b.latch) {
        radio_sfx = true;
        *b.latch = true;
    }
    if (mouseleft && !Option_Chosen(n)) {
        Choose_Option(n);
        pick_up_sfx = true;
        changed_video = true;
        create_option = true;
    }
}

// ---- Control page ----

constexpr int CONTROL_MOUSE_KEYBOARD = 24;
constexpr int CONTROL_MOUSE_ONLY = 25;
constexpr int CONTROL_CHOSEN_ANIM = 2;

bool Control_Clicked(int id) {
    return mouseleft && Page_Sprite(id) && sprite[id].alpha == 1.0f && Mouse_In_Box(sprite[id]);
}

// ---- Statistics page ----

constexpr int STATS_RETURN_BUTTON = 1;
constexpr int TENT_EPISODE = 1, TENT_SCENE = 25;
constexpr int COUNTED_MEDALS = 36;
constexpr int COUNTED_CARDS = 36;
constexpr int COLLECTION_TOTAL = TENT_PIECES + COUNTED_MEDALS + COUNTED_CARDS;  // 94
constexpr int FEET_PER_KM = 3280;

struct rank_band {
    int first, last;
    const char* name;
};
constexpr rank_band rank_names[] = {
    {0, 1, "_Grunt"},        {2, 5, "_Private"},  {6, 9, "_Sargeant"}, {10, 13, "_Lieutenant"},
    {14, 17, "_Captain"},    {18, 21, "_Colonel"}, {22, 25, "_Major"},  {26, 29, "_General"},
};

void Place_Column(int slot, float x) {
    counter[slot].alpha = 1.0f;
    counter[slot].x = x;
    counter[slot].y = 0.6f;
    counter[slot].width = 0.018f;
    counter[slot].height = 0.05f;
}

}  // namespace

perk_caption Perk_Caption(int perk, int level) {
    if (perk < 0 || perk >= PERK_COUNT) return {1, ""};
    if (level >= PERK_MAX_LEVEL) return {1, PERK_MAXIMUM};
    if (level < 0) level = 0;
    return {perks[perk].box_code, perks[perk].captions[level]};
}

const char* Rank_Name(int rank) {
    for (const rank_band& r : rank_names)
        if (rank >= r.first && rank <= r.last) return r.name;
    return "";
}

void Run_Perk_Page(int f_rate) {
    (void)f_rate;
    if (Untimed_Step(0)) {
        Ambience_Stop();
        title_timer = Script_Now() + 4000;
        title_sequence = 1;
    }

    // Locks follow the levels of the perks the dependent ones need.
    for (const perk_entry& p : perks) {
        if (p.needs == NO_PERK || !Page_Sprite(p.sprite)) continue;
        sprite[p.sprite].id = PERK_LOCKED_TEXTURE;
        if (*perks[p.needs].level >= 1) sprite[p.sprite].id = p.unlocked_texture;
    }

    if (Page_Sprite(PERK_POINTS_SPRITE))
        Set_Sprite(PERK_POINTS_SPRITE, level_up_points, ANIM_LOOP, ANIM_ARRAY_SPRITE, true);
    for (int perk : first_display) Show_Perk_Level(perk);
    Clear_Tooltip();
    for (int perk : second_display) Show_Perk_Level(perk);
    Clear_Tooltip();

    for (int perk : first_display) Perk_Hover(perk);
    for (int perk : second_display) Perk_Hover(perk);

    if (Hover_Button(PERK_RETURN_BUTTON, "Return^to_game", button1_snd, false)) {
        in_stats = true;
        Scene_Request(stats_episode, stats_scene);
    }
}

void Run_Options_Page(int f_rate) {
    (void)f_rate;
    if (Untimed_Step(0)) {
        new_sc_width = sc_width;
        new_sc_height = sc_height;
        if (sc_width == 1024 && sc_height == 768) screen_mode = 0;
        if (sc_width == 1280 && sc_height == 768) screen_mode = 1;
        if (sc_width == 1280 && sc_height == 800) screen_mode = 2;
        Set_Screen_Ratio();
        title_sequence = 1;
    }
    if (!Untimed_Step(1)) return;

    on_some_text = false;
    if (sc_bits == 16) {
        Show_Option(options[OPT_16_BIT].sprite, true);
        Show_Option(options[OPT_32_BIT].sprite, false);
    } else if (sc_bits == 32) {
        Show_Option(options[OPT_16_BIT].sprite, false);
        Show_Option(options[OPT_32_BIT].sprite, true);
    }
    Show_Option(options[OPT_WINDOWED].sprite, !fullscreen);
    Show_Option(options[OPT_FULL_SCREEN].sprite, fullscreen);
    if (screen_mode >= 0 && screen_mode <= 2) {
        Show_Option(options[OPT_1024_768].sprite, screen_mode == 0);
        Show_Option(options[OPT_1280_800].sprite, screen_mode == 2);
        Show_Option(options[OPT_1280_768].sprite, screen_mode == 1);
    }
    Show_Option(options[OPT_BLUR_ON].sprite, sc_blur);
    Show_Option(options[OPT_BLUR_OFF].sprite, !sc_blur);

    for (int n = 0; n < OPTION_COUNT; ++n) Option_Button(n);
}

void Run_Control_Page(int f_rate) {
    (void)f_rate;
    if (Untimed_Step(0)) {
        controls_selected = 0;
        title_sequence = 1;
    }
    CONTROL_SCHEME = controls_selected != 0;
    const bool mouse_only = controls_selected == 1;
    if (controls_selected == 0 || mouse_only) {
        const int chosen = mouse_only ? CONTROL_MOUSE_ONLY : CONTROL_MOUSE_KEYBOARD;
        const int other = mouse_only ? CONTROL_MOUSE_KEYBOARD : CONTROL_MOUSE_ONLY;
        if (Page_Sprite(chosen)) Set_Sprite(chosen, CONTROL_CHOSEN_ANIM, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        if (Page_Sprite(other)) Set_Sprite(other, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    }
    if (Control_Clicked(CONTROL_MOUSE_KEYBOARD)) {
        controls_selected = 0;
        mouseleft = false;
        stamp_sfx = true;
    }
    if (Control_Clicked(CONTROL_MOUSE_ONLY)) {
        controls_selected = 1;
        mouseleft = false;
        stamp_sfx = true;
    }
}

void Run_Stats_Page(int f_rate) {
    (void)f_rate;
    if (title_sequence != 0) return;

    // Column 1: gold, kills, deaths and playing time.
    const int gold = current_gold >= 0 && current_gold < 16 ? player_inv_value[current_gold] : 0;
    Text_Printf(0, "Gold^_%i^Kill_count^_%i^Times_died^_%i^Game_time^%s%i:%s%i:%s%i", gold,
                player_kill_count, player_death_count, player_hours <= 9 ? "_0" : "_", player_hours,
                player_minutes <= 9 ? "0" : "", player_minutes, player_seconds <= 9 ? "0" : "",
                player_seconds);
    Place_Column(0, -0.68f);

    int secrets_found = 0, medals_found = 0, cards_found = 0;
    for (int i = 0; i < TENT_PIECES; ++i)
        if (tent_objects[i] == 2) ++secrets_found;
    for (int i = 0; i < COUNTED_MEDALS; ++i)
        if (global_medals[i] == 1) ++medals_found;
    for (int i = 0; i < COUNTED_CARDS; ++i)
        if (global_cards[i] != 0) ++cards_found;

    // Column 2: the collections and the rank.
    Text_Printf(1, "Furniture^_%i of 22^Medals^_%i of 36^Cards^_%i of 36^Rank^%s", secrets_found,
                medals_found, cards_found, Rank_Name(player_rank));
    Place_Column(1, -0.08f);

    // Column 3: crates, knife kills, distance and completion.
    Place_Column(2, 0.48f);
    const float complete_rate =
        (float)((double)(secrets_found + medals_found + cards_found) / COLLECTION_TOTAL * 100.0);
    const float distance = (float)player_miles + (float)player_walked / (float)FEET_PER_KM;
    if (player_miles == 0)
        Text_Printf(2, "Crates^_%i^Knived^_%i^Walked^_%ift^Complete^_%i\300", player_crate_count,
                    player_knife_count, player_walked, (int)complete_rate);
    else
        Text_Printf(2, "Crates^_%i^Knived^_%i^Walked^_%0.1fkm^Complete^_%i\300", player_crate_count,
                    player_knife_count, (double)distance, (int)complete_rate);

    Clear_Tooltip();

    // The return button reacts wherever its box lies, drawn or not.
    if (!Page_Sprite(STATS_RETURN_BUTTON)) return;
    if (!Mouse_In_Box(sprite[STATS_RETURN_BUTTON])) {
        Set_Sprite(STATS_RETURN_BUTTON, 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        button_snd = false;
        return;
    }
    Set_Sprite(STATS_RETURN_BUTTON, 1, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    Set_Tooltip(1, false, "%s", "Return^to_Tent");
    if (!button_snd) {
        radio_sfx = true;
        button_snd = true;
    }
    if (mouseleft) {
        Scene_Request(TENT_EPISODE, TENT_SCENE);
        mouseleft = false;
        sprite[STATS_RETURN_BUTTON].grab_switch = false;
    }
}
