#include "content/save_slots.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <type_traits>
#include <unistd.h>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/scene_transition.h"
#include "platform/platform.h"

namespace {

// ---- Layout -------------------------------------------------------------------------------
// Line numbers of the file, counted from 1 as a text editor shows them.
constexpr int L_EPISODE = 1;
constexpr int L_SCENE = 2;
constexpr int L_BLOCK0 = 3;           // 32 groups of four values
constexpr int L_CHECK0 = 131;
constexpr int L_BLOCK1 = 132;         // experience .. rank
constexpr int L_CHECK1 = 137;
constexpr int L_BLOCK2 = 138;         // rifle skill .. accuracy
constexpr int L_CHECK2 = 142;
constexpr int L_BLOCK3 = 143;         // vitality .. max life
constexpr int L_CHECK3 = 147;
constexpr int L_BLOCK4 = 148;         // equipment, buddy, gold, objective
constexpr int L_CHECK4 = 155;
constexpr int L_BLOCK6 = 156;         // clock, current main mission, name, paid
constexpr int L_NAME = 159;
constexpr int L_CHECK6 = 161;
constexpr int L_BLOCK7 = 162;         // main_mission[25]
constexpr int L_CHECK7 = 187;
constexpr int L_GRENADE = 188;
constexpr int L_BLOCK8 = 189;         // global_objective[10]
constexpr int L_CHECK8 = 199;
constexpr int L_HAS_WATER = 200;
constexpr int L_BLOCK9 = 203;         // global_side_objective[10]
constexpr int L_CHECK9 = 213;
constexpr int L_ZERO = 214;
constexpr int L_SHOP_SOLD = 215;      // 12 shops of 32 rows
constexpr int L_BLOCK10 = 599;        // global_objects[100]
constexpr int L_CHECK10 = 699;
constexpr int L_ACT = 700;
constexpr int L_KILLS = 701;
constexpr int L_BLOCK11 = 702;        // global_medals[48]
constexpr int L_CHECK11 = 750;
constexpr int L_BLOCK12 = 751;        // counters
constexpr int L_CHECK12 = 769;
constexpr int L_BLOCK13 = 770;        // tent_objects[100]
constexpr int L_CHECK13 = 870;
constexpr int L_BLOCK14 = 871;        // global_cards[48]
constexpr int L_CHECK14 = 919;
constexpr int L_MASTER = 920;
constexpr int L_BLOCK15 = 921;        // control scheme and the nine perks
constexpr int L_CHECK15 = 931;

constexpr int SHOPS = 12, SHOP_ROWS = 32;
constexpr int STORY_FLAGS = 100, TENT_FLAGS = 100, MEDALS = 48, CARDS = 48, MISSIONS = 25;
constexpr int OBJECTIVES = 10, INV_SLOTS = 16;
static_assert(L_SHOP_SOLD + SHOPS * SHOP_ROWS == L_BLOCK10);
static_assert(L_CHECK15 == SAVE_FILE_LINES);

// A save file held in memory: the number of every line (the name line holds 0) and the name.
struct save_image {
    int v[SAVE_FILE_LINES + 1] = {};  // v[line], line 1 .. 931
    char name[PLAYER_NAME_SIZE] = {};
};

// Every value is a 32-bit signed integer and every check wraps around as such.
int32_t Wrap(int64_t x) { return (int32_t)(uint32_t)x; }

int64_t Sum(const save_image& f, int first, int count, int64_t add) {
    int64_t s = 0;
    for (int i = 0; i < count; ++i) s += (int64_t)f.v[first + i] + add;
    return s;
}

// The block checks computed from the values of the image; c[5] stays 0 (there is no block 5).
struct save_checks {
    int32_t c[16] = {};
    int32_t master = 0;
};

save_checks Compute_Checks(const save_image& f) {
    const int* v = f.v;
    save_checks k;
    int64_t s0 = 0;
    for (int g = 0; g < 32; ++g) {
        const int* q = v + L_BLOCK0 + 4 * g;
        s0 += 2 * ((int64_t)q[0] + q[1]) + q[2] + q[3] + 4;
    }
    k.c[0] = Wrap(2 * s0);
    const int* b1 = v + L_BLOCK1;
    k.c[1] = Wrap(2 * (2 * (int64_t)b1[0] - b1[1] + b1[2] - 3 * (int64_t)b1[3] + b1[4] + 17));
    const int* b2 = v + L_BLOCK2;
    k.c[2] = Wrap(2 * (2 * ((int64_t)b2[0] - b2[1]) + b2[2] - b2[3] - 2));
    const int* b3 = v + L_BLOCK3;
    k.c[3] = Wrap(2 * (2 * (int64_t)b3[0] - b3[1] + b3[2] - b3[3] + 1));
    const int* b4 = v + L_BLOCK4;
    k.c[4] = Wrap(2 * ((int64_t)b4[0] + b4[1] - 2 * (int64_t)b4[2] + 2 * (int64_t)b4[3] - b4[4] +
                       b4[5] - b4[6] - 19));
    const int* b6 = v + L_BLOCK6;  // hours, minutes, current_main, (name), has_been_paid
    k.c[6] = Wrap(2 * ((int64_t)b6[1] + b6[0] - 2 * (int64_t)b6[2] + b6[4] + 6));
    k.c[7] = Wrap(2 * Sum(f, L_BLOCK7, MISSIONS, -3));
    k.c[8] = Wrap(2 * Sum(f, L_BLOCK8, OBJECTIVES, 6));
    k.c[9] = Wrap(2 * Sum(f, L_BLOCK9, OBJECTIVES, 2));
    k.c[10] = Wrap(2 * Sum(f, L_BLOCK10, STORY_FLAGS, -7));
    k.c[11] = Wrap(-2 * Sum(f, L_BLOCK11, MEDALS, 4));
    const int* b12 = v + L_BLOCK12;
    // 0 deaths, 1-3 play time, 4 crates, 5 knife, 6 walked, 7 miles, 8 healthkit, 9 shop,
    // 10 character, 11 soldier, 12 chief, 13 mortar, 14 dog, 15 scout, 16 ss, 17 zombie
    k.c[12] = Wrap((int64_t)b12[5] + b12[4] - 2 * (int64_t)b12[6] + 2 * (int64_t)b12[7] - b12[8] -
                   b12[9] - b12[10] - v[L_ACT] - v[L_KILLS] - 12 + b12[11] + b12[12] - b12[13] -
                   b12[14] - b12[15] - b12[16] - b12[17]);
    k.c[13] = Wrap(2 * Sum(f, L_BLOCK13, TENT_FLAGS, 5));
    k.c[14] = Wrap(2 * Sum(f, L_BLOCK14, CARDS, 5));
    const int32_t* c = k.c;
    k.master = Wrap((int64_t)c[0] - c[1] - c[2] - c[3] - c[4] + c[6] + c[7] + c[8] - c[9] - c[10] +
                    c[11] + c[12] + c[13] - c[14]);
    const int* b15 = v + L_BLOCK15;  // 0 control scheme, then heart, fire rounds, gallery, regen,
                                     // gas, gold, exp, kill, ice
    k.c[15] = Wrap((int64_t)b15[1] + b15[2] - 2 * (int64_t)b15[3] + 2 * (int64_t)b15[4] - b15[5] -
                   b15[6] - b15[7] - b15[8] - b15[9] - 12);
    return k;
}

// The check lines and the blocks they close, in file order.
struct check_line {
    int line;
    int block;  // index into save_checks::c, or -1 for the master check
};
constexpr check_line CHECK_LINES[] = {
    {L_CHECK0, 0},   {L_CHECK1, 1},   {L_CHECK2, 2},   {L_CHECK3, 3},   {L_CHECK4, 4},
    {L_CHECK6, 6},   {L_CHECK7, 7},   {L_CHECK8, 8},   {L_CHECK9, 9},   {L_CHECK10, 10},
    {L_CHECK11, 11}, {L_CHECK12, 12}, {L_CHECK13, 13}, {L_CHECK14, 14}, {L_MASTER, -1},
    {L_CHECK15, 15},
};

void Seal(save_image& f) {
    const save_checks k = Compute_Checks(f);
    for (const check_line& cl : CHECK_LINES) f.v[cl.line] = cl.block < 0 ? k.master : k.c[cl.block];
}

// ---- What each line may hold ----------------------------------------------------------------
struct line_range {
    int first, count;
    int lo, hi;
    const char* what;
};
constexpr int ANY_LO = INT_MIN, ANY_HI = INT_MAX;
constexpr line_range RANGES[] = {
    {L_BLOCK4, 4, -1, INV_SLOTS - 1, "an equipment slot"},
    {L_BLOCK4 + 5, 1, -1, INV_SLOTS - 1, "the gold slot"},
    {L_BLOCK6 + 2, 1, -1, MISSIONS - 1, "the current main mission"},
    {L_BLOCK6 + 4, 1, 0, 1, "a flag"},
    {L_BLOCK7, MISSIONS, 0, 3, "a mission state"},
    {L_GRENADE, 1, -1, INV_SLOTS - 1, "the grenade slot"},
    {L_BLOCK8, OBJECTIVES, -128, 127, "an objective flag"},
    {L_HAS_WATER, 3, 0, 1, "a flag"},
    {L_BLOCK9, OBJECTIVES, -128, 127, "an objective flag"},
    {L_SHOP_SOLD, SHOPS * SHOP_ROWS, 0, 1, "a shop flag"},
    {L_BLOCK10, STORY_FLAGS, -128, 127, "a story flag"},
    {L_ACT, 1, 1, 4, "the act"},
    {L_BLOCK11, MEDALS, 0, 1, "a medal"},
    {L_BLOCK12 + 9, 1, 0, SHOPS - 1, "the shop number"},
    {L_BLOCK12 + 10, 1, 0, 2, "the character"},
    {L_BLOCK13, TENT_FLAGS, -128, 127, "a tent flag"},
    {L_BLOCK14, CARDS, 0, ANY_HI, "a card count"},
    {L_BLOCK15, 1, 0, 1, "the control scheme"},
    {L_BLOCK15 + 1, 9, 0, 3, "a perk level"},
};

// The first line whose value lies outside its range, or 0; `what` names the field.
int Out_Of_Range(const save_image& f, const char*& what) {
    for (const line_range& r : RANGES)
        for (int i = 0; i < r.count; ++i) {
            const int v = f.v[r.first + i];
            if (v < r.lo || v > r.hi) {
                what = r.what;
                return r.first + i;
            }
        }
    return 0;
}

// A name byte that can stand in a one-token line: printable, no blank.
bool Name_Char_Ok(unsigned char c) { return c > 0x20 && c != 0x7F; }

// ---- Game state <-> image -------------------------------------------------------------------
// One function walks the layout in both directions, so reading and writing cannot disagree.
// `to_file` true copies the game state into the image; false copies the image into the state.
template <class T>
void Field(save_image& f, int line, T& g, bool to_file) {
    if (to_file) {
        if constexpr (std::is_same_v<T, bool>) f.v[line] = g ? 1 : 0;
        else if constexpr (std::is_same_v<T, char>) f.v[line] = (signed char)g;  // signed 8-bit
        else f.v[line] = (int)g;
    } else {
        if constexpr (std::is_same_v<T, bool>) g = f.v[line] != 0;
        else g = (T)f.v[line];
    }
}

// count lines from `line` against the array g; entries beyond the array are written as 0 and
// skipped when read.
template <class T, size_t N>
void Array(save_image& f, int line, T (&g)[N], int count, bool to_file) {
    for (int i = 0; i < count; ++i) {
        if ((size_t)i < N) Field(f, line + i, g[i], to_file);
        else if (to_file) f.v[line + i] = 0;
    }
}

void Exchange(save_image& f, bool to_file) {
    // Where the player was: written for the record, never read back (the act decides).
    if (to_file) {
        f.v[L_EPISODE] = episode;
        f.v[L_SCENE] = scene;
    }
    // Block 0: the inventory, then the three values of each slot again with a spare integer.
    for (int g = 0; g < INV_SLOTS; ++g) {
        const int l = L_BLOCK0 + 4 * g;
        Field(f, l, player_inv[g], to_file);
        Field(f, l + 1, player_inv_value[g], to_file);
        Field(f, l + 2, player_inv_value1[g], to_file);
        Field(f, l + 3, player_inv_value2[g], to_file);
        if (to_file) {
            const int m = L_BLOCK0 + 4 * (INV_SLOTS + g);
            f.v[m] = player_inv_value[g];
            f.v[m + 1] = player_inv_value1[g];
            f.v[m + 2] = player_inv_value2[g];
            f.v[m + 3] = 0;
        }
    }
    int l = L_BLOCK1;
    for (int* g : {&player_experience, &player_exp_level, &player_max_health, &level_up_points,
                   &player_rank, &stat_rifle_skill, &stat_pistol_skill, &stat_firepower,
                   &stat_accuracy, &stat_vitality, &stat_agility, &stat_defense_base,
                   &stat_max_life}) {
        if (l == L_CHECK1 || l == L_CHECK2) ++l;  // step over the check lines
        Field(f, l++, *g, to_file);
    }
    Field(f, L_BLOCK4, current_weapon, to_file);
    Field(f, L_BLOCK4 + 1, current_helmet, to_file);
    Field(f, L_BLOCK4 + 2, current_boot, to_file);
    Field(f, L_BLOCK4 + 3, current_medal, to_file);
    if (to_file) f.v[L_BLOCK4 + 4] = current_buddy[0];  // written, never restored
    Field(f, L_BLOCK4 + 5, current_gold, to_file);
    Field(f, L_BLOCK4 + 6, mission_objective, to_file);
    Field(f, L_BLOCK6, hours, to_file);
    Field(f, L_BLOCK6 + 1, minutes, to_file);
    Field(f, L_BLOCK6 + 2, current_main, to_file);
    if (to_file) {
        // A blank or control byte would split the name's line: the game's own blank stands in.
        size_t n = strnlen(player_name, sizeof player_name);
        if (n > PLAYER_NAME_SIZE - 1) n = PLAYER_NAME_SIZE - 1;
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = (unsigned char)player_name[i];
            f.name[i] = Name_Char_Ok(c) ? (char)c : '_';
        }
        f.name[n] = 0;
    } else {
        std::memset(player_name, 0, sizeof player_name);
        std::memcpy(player_name, f.name, strnlen(f.name, sizeof f.name));
    }
    Field(f, L_BLOCK6 + 4, has_been_paid, to_file);
    Array(f, L_BLOCK7, main_mission, MISSIONS, to_file);
    Field(f, L_GRENADE, current_grenade, to_file);
    Array(f, L_BLOCK8, global_objective, OBJECTIVES, to_file);
    Field(f, L_HAS_WATER, has_water, to_file);
    Field(f, L_HAS_WATER + 1, has_grenade, to_file);
    Field(f, L_HAS_WATER + 2, has_pistol, to_file);
    Array(f, L_BLOCK9, global_side_objective, OBJECTIVES, to_file);
    if (to_file) f.v[L_ZERO] = 0;
    for (int s = 0; s < SHOPS; ++s) Array(f, L_SHOP_SOLD + s * SHOP_ROWS, shop_sold[s], SHOP_ROWS, to_file);
    Array(f, L_BLOCK10, global_objects, STORY_FLAGS, to_file);
    Field(f, L_ACT, current_act, to_file);
    Field(f, L_KILLS, player_kill_count, to_file);
    Array(f, L_BLOCK11, global_medals, MEDALS, to_file);
    l = L_BLOCK12;
    for (int* g : {&player_death_count, &player_seconds, &player_minutes, &player_hours,
                   &player_crate_count, &player_knife_count, &player_walked, &player_miles,
                   &current_healthkit, &shop_id, &current_char, &player_soldier_kill_count,
                   &player_chief_kill_count, &player_mortar_kill_count, &player_dog_kill_count,
                   &player_scout_kill_count, &player_ss_kill_count, &player_zombie_kill_count})
        Field(f, l++, *g, to_file);
    Array(f, L_BLOCK13, tent_objects, TENT_FLAGS, to_file);
    Array(f, L_BLOCK14, global_cards, CARDS, to_file);
    Field(f, L_BLOCK15, CONTROL_SCHEME, to_file);
    l = L_BLOCK15 + 1;
    for (int* g : {&st_heart, &st_fire_rounds, &st_gallery, &st_regen, &st_gas, &st_gold, &st_exp,
                   &st_kill, &st_ice})
        Field(f, l++, *g, to_file);
}

// ---- Text -----------------------------------------------------------------------------------
constexpr size_t MAX_FILE_BYTES = 64 * 1024;  // a save file is about 3 KB

std::string Path_Of(const sString& s) { return std::string(s.s, strnlen(s.s, sizeof s.s)) + ".sav"; }

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A whole decimal number in 32 bits, nothing else on the line but blanks.
bool Parse_Int(const char* b, const char* e, int& out) {
    while (b < e && Blank(*b)) ++b;
    while (e > b && Blank(e[-1])) --e;
    bool neg = false;
    if (b < e && (*b == '-' || *b == '+')) neg = *b++ == '-';
    if (b == e) return false;
    int64_t x = 0;
    for (; b < e; ++b) {
        if (*b < '0' || *b > '9') return false;
        x = x * 10 + (*b - '0');
        if (x > (int64_t)INT_MAX + 1) return false;
    }
    if (neg) x = -x;
    if (x < INT_MIN || x > INT_MAX) return false;
    out = (int)x;
    return true;
}

// Turns the text of a file into an image. On failure `why` says what is wrong.
bool Parse(const std::string& text, save_image& f, std::string& why) {
    size_t pos = 0;
    for (int line = 1; line <= SAVE_FILE_LINES; ++line) {
        if (pos >= text.size()) {
            why = "the file ends at line " + std::to_string(line - 1) + " of " +
                  std::to_string(SAVE_FILE_LINES);
            return false;
        }
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const char* b = text.data() + pos;
        const char* e = text.data() + end;
        pos = end + 1;
        if (line == L_NAME) {
            while (b < e && Blank(*b)) ++b;
            while (e > b && Blank(e[-1])) --e;
            if (e - b > PLAYER_NAME_SIZE - 1) {
                why = "the player's name on line " + std::to_string(line) + " is longer than " +
                      std::to_string(PLAYER_NAME_SIZE - 1) + " characters";
                return false;
            }
            for (const char* c = b; c < e; ++c)
                if (!Name_Char_Ok((unsigned char)*c)) {
                    why = "the player's name on line " + std::to_string(line) + " holds a character it cannot hold";
                    return false;
                }
            std::memcpy(f.name, b, (size_t)(e - b));
            f.name[e - b] = 0;
            continue;
        }
        if (!Parse_Int(b, e, f.v[line])) {
            why = "line " + std::to_string(line) + " is not a whole number";
            return false;
        }
    }
    for (; pos < text.size(); ++pos)
        if (!Blank(text[pos]) && text[pos] != '\n') {
            why = "the file goes on past line " + std::to_string(SAVE_FILE_LINES);
            return false;
        }
    return true;
}

// Reads a whole file of at most MAX_FILE_BYTES. 0 on success, else an errno value (EFBIG when
// the file is too large).
int Read_File(const std::string& path, std::string& text) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return errno ? errno : EIO;
    text.clear();
    char buf[4096];
    size_t n;
    int err = 0;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) {
        text.append(buf, n);
        if (text.size() > MAX_FILE_BYTES) {
            err = EFBIG;
            break;
        }
    }
    if (!err && std::ferror(in)) err = EIO;
    std::fclose(in);
    return err;
}

void Report(const std::string& text) {
    platform::MessageBox(text.c_str(), "ERROR", platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

// Writes the image to path through path + ".tmp"; false (with nothing replaced) on any error.
bool Write_File(const std::string& path, const save_image& f) {
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    const std::string tmp = path + ".tmp";
    FILE* out = std::fopen(tmp.c_str(), "wb");
    if (!out) return false;
    bool ok = true;
    for (int line = 1; line <= SAVE_FILE_LINES && ok; ++line) {
        if (line == L_NAME) ok = std::fprintf(out, "%s\n", f.name) >= 0;
        else ok = std::fprintf(out, "%i\n", f.v[line]) >= 0;
    }
    ok = ok && std::fflush(out) == 0;
    // On disk before it replaces the old save; a file system that cannot sync is no error.
    if (ok && fsync(fileno(out)) != 0) ok = errno == EINVAL || errno == ENOTSUP;
    ok = (std::fclose(out) == 0) && ok;
    if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

} // namespace

sString Save_Slot_Path(int slot) {
    sString s{};
    std::snprintf(s.s, sizeof s.s, "data/save/savefile%i", slot);
    return s;
}

bool SaveLevel(sString sfilename) {
    const std::string path = Path_Of(sfilename);
    save_image f;
    Exchange(f, true);
    const char* what = nullptr;
    if (const int bad = Out_Of_Range(f, what)) {
        // Such a file could never be read back; the previous save is kept instead.
        Report("The game could not be saved to " + path + ": " + what + " (line " +
               std::to_string(bad) + ") holds " + std::to_string(f.v[bad]) + ".");
        return false;
    }
    Seal(f);
    if (!Write_File(path, f)) {
        Report("The game could not be saved to " + path + ".");
        return false;
    }
    return true;
}

bool LoadLevel(sString sfilename, bool startup) {
    const std::string path = Path_Of(sfilename);
    std::string text;
    if (const int err = Read_File(path, text)) {
        if (err == EFBIG) Report("The save file " + path + " is too large to be a save file; it was not loaded.");
        else if (err != ENOENT || !startup) Report("The save file " + path + " could not be opened.");
        return false;
    }
    save_image f;
    std::string why;
    if (!Parse(text, f, why)) {
        Report("The save file " + path + " is damaged (" + why + "); it was not loaded.");
        return false;
    }
    const save_checks k = Compute_Checks(f);
    for (const check_line& cl : CHECK_LINES) {
        const int32_t want = cl.block < 0 ? k.master : k.c[cl.block];
        if (f.v[cl.line] != want) {
            Report("The save file " + path + " is damaged (the check on line " + std::to_string(cl.line) +
                   " does not match); it was not loaded.");
            return false;
        }
    }
    const char* what = nullptr;
    if (const int bad = Out_Of_Range(f, what)) {
        Report("The save file " + path + " is damaged (" + what + " on line " + std::to_string(bad) +
               " holds " + std::to_string(f.v[bad]) + "); it was not loaded.");
        return false;
    }

    // The file is sound: it replaces the progress in memory.
    cow_kill_count = crow_kill_count = gate_kill_count = doors_kill_count = 0;
    cellar_kill_count = village_crow_kill_count = 0;
    has_all_cards = has_all_furniture = failed_stealth = false;
    Reset_Specials();
    Reset_Helmets();
    Exchange(f, false);

    stat_vitality = 0;
    if (st_heart > 0) stat_vitality += 10;
    if (st_heart > 1) stat_vitality += 20;
    if (st_heart > 2) stat_vitality += 30;
    current_healthkit = 0;

    if (!startup) {
        switch (current_act) {
        case 1:
            episode = 1;
            scene = 51;
            if (global_objects[60] != 1) {
                global_objects[60] = 0;
                scene = 57;
            }
            break;
        case 2:
            episode = 1;
            scene = global_objects[32] == 0 ? 48 : 64;
            break;
        case 3: episode = 1; scene = 82; break;
        case 4: episode = 1; scene = 117; break;
        default: break;
        }
        tunnel_page = medal_page = card_page = current_act == 4 ? 3 : current_act;
    } else {
        if (Valid_Sprite(file_check_id)) sprite[file_check_id].rank = player_rank;
        if (hud_name_id >= 0 && hud_name_id < SAVE_SLOTS)
            std::snprintf(file_names[hud_name_id], sizeof file_names[hud_name_id], "%.7s", player_name);
    }

    if (!startup) {
        if (hud) health_width = hud[5].width;
        Calculate_Stats();
        player_health = (float)PLY_VITALITY;
        mission = 0;
        std::memset(shop_sold, 0, sizeof shop_sold);
        for (int& m : main_mission)
            if (m == 2) m = 0;
        if (current_main != -1 && current_main != 1 && main_mission[current_main] != 1) current_main = 0;
    }
    return true;
}
