// Save slots: the 931-line file with its check lines, the all-or-nothing reader, the peek and
// the full load, and the writer that replaces a slot only once the new file is complete.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/save_slots.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/scene_transition.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "support/work_dir.h"

namespace {

sString Name(const char* s) {
    sString n{};
    std::snprintf(n.s, sizeof n.s, "%s", s);
    return n;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// The check lines recomputed from the values of a file (line numbers from 1), as the file
// format defines them; the tests use it to build files whose checks are right.
void Reseal(std::vector<std::string>& L) {
    auto V = [&](int line) -> int64_t { return std::stoll(L[line - 1]); };
    auto put = [&](int line, int64_t x) { L[line - 1] = std::to_string((int32_t)(uint32_t)x); };
    auto sum = [&](int first, int n, int add) {
        int64_t s = 0;
        for (int i = 0; i < n; ++i) s += V(first + i) + add;
        return s;
    };
    int64_t c[16] = {};
    for (int g = 0; g < 32; ++g) {
        const int l = 3 + 4 * g;
        c[0] += 2 * (V(l) + V(l + 1)) + V(l + 2) + V(l + 3) + 4;
    }
    c[0] *= 2;
    c[1] = 2 * (2 * V(132) - V(133) + V(134) - 3 * V(135) + V(136) + 17);
    c[2] = 2 * (2 * (V(138) - V(139)) + V(140) - V(141) - 2);
    c[3] = 2 * (2 * V(143) - V(144) + V(145) - V(146) + 1);
    c[4] = 2 * (V(148) + V(149) - 2 * V(150) + 2 * V(151) - V(152) + V(153) - V(154) - 19);
    c[6] = 2 * (V(157) + V(156) - 2 * V(158) + V(160) + 6);
    c[7] = 2 * sum(162, 25, -3);
    c[8] = 2 * sum(189, 10, 6);
    c[9] = 2 * sum(203, 10, 2);
    c[10] = 2 * sum(599, 100, -7);
    c[11] = -2 * sum(702, 48, 4);
    c[12] = V(756) + V(755) - 2 * V(757) + 2 * V(758) - V(759) - V(760) - V(761) - V(700) - V(701) - 12 +
            V(762) + V(763) - V(764) - V(765) - V(766) - V(767) - V(768);
    c[13] = 2 * sum(770, 100, 5);
    c[14] = 2 * sum(871, 48, 5);
    c[15] = V(922) + V(923) - 2 * V(924) + 2 * V(925) - V(926) - V(927) - V(928) - V(929) - V(930) - 12;
    for (int k = 0; k < 16; ++k) c[k] = (int32_t)(uint32_t)c[k];
    const int64_t master = c[0] - c[1] - c[2] - c[3] - c[4] + c[6] + c[7] + c[8] - c[9] - c[10] + c[11] +
                           c[12] + c[13] - c[14];
    const int lines[16] = {131, 137, 142, 147, 155, 0, 161, 187, 199, 213, 699, 750, 769, 870, 919, 931};
    for (int k = 0; k < 16; ++k)
        if (lines[k]) put(lines[k], c[k]);
    put(920, master);
}

class SaveSlots : public ::testing::Test {
protected:
    Work_Dir dir{"varnoth_save"};

    void SetUp() override {
        Allocate_Records();
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
    }
    void TearDown() override {
        platform::SetRecordMessageBoxes(false);
        Free_Records();
    }

    // A game state with a distinct value in every field the file carries.
    static void Fill_State() {
        for (int i = 0; i < 16; ++i) {
            player_inv[i] = 10 + i;
            player_inv_value[i] = 100 + i;
            player_inv_value1[i] = 200 + i;
            player_inv_value2[i] = -i;
        }
        player_experience = 1234;
        player_exp_level = 1500;
        player_max_health = 140;
        level_up_points = 2;
        player_rank = 4;
        stat_rifle_skill = 3;
        stat_pistol_skill = 5;
        stat_firepower = 7;
        stat_accuracy = 9;
        stat_vitality = 11;
        stat_agility = 13;
        stat_defense_base = 15;
        stat_max_life = 160;
        current_weapon = 2;
        current_helmet = 3;
        current_boot = -1;
        current_medal = 15;
        current_buddy[0] = 42;
        current_gold = 0;
        mission_objective = 101;
        hours = 22;
        minutes = 45;
        current_main = 5;
        std::snprintf(player_name, sizeof player_name, "%s", "Bartholomew");
        has_been_paid = true;
        for (int i = 0; i < 25; ++i) main_mission[i] = i % 4;
        current_grenade = 7;
        for (int i = 0; i < 10; ++i) {
            global_objective[i] = (signed char)(i % 2);
            global_side_objective[i] = (signed char)(i == 3 ? -1 : 1);
        }
        has_water = true;
        has_grenade = false;
        has_pistol = true;
        for (int s = 0; s < 12; ++s)
            for (int j = 0; j < 32; ++j) shop_sold[s][j] = (s + j) % 3 == 0;
        for (int i = 0; i < 100; ++i) global_objects[i] = (char)(i % 3);
        global_objects[99] = (char)-5;
        current_act = 3;
        player_kill_count = 77;
        for (int i = 0; i < 48; ++i) global_medals[i] = i % 5 == 0;
        player_death_count = 4;
        player_seconds = 31;
        player_minutes = 12;
        player_hours = 3;
        player_crate_count = 8;
        player_knife_count = 6;
        player_walked = 3000;
        player_miles = 2;
        current_healthkit = 3;
        shop_id = 1;
        current_char = 2;
        player_soldier_kill_count = 20;
        player_chief_kill_count = 3;
        player_mortar_kill_count = 4;
        player_dog_kill_count = 5;
        player_scout_kill_count = 6;
        player_ss_kill_count = 7;
        player_zombie_kill_count = 8;
        for (size_t i = 0; i < std::size(tent_objects); ++i) tent_objects[i] = (int)(i % 3);
        for (int i = 0; i < 48; ++i) global_cards[i] = i % 4;
        CONTROL_SCHEME = true;
        st_heart = 2;
        st_fire_rounds = 1;
        st_gallery = 3;
        st_regen = 2;
        st_gas = 1;
        st_gold = 3;
        st_exp = 2;
        st_kill = 1;
        st_ice = 3;
    }

    // Everything a load may change, as text, to show that a refused file changed nothing.
    static std::string Digest() {
        platform::SetRecordMessageBoxes(true);
        const size_t boxes = platform::RecordedMessageBoxes().size();
        std::string d;
        if (SaveLevel(Name("digest"))) d = Read_Text_File("digest.sav");
        EXPECT_EQ(platform::RecordedMessageBoxes().size(), boxes);
        std::filesystem::remove("digest.sav");
        d += "|" + std::to_string(episode) + "," + std::to_string(scene) + "," + std::to_string(tunnel_page) +
             "," + std::to_string(medal_page) + "," + std::to_string(card_page) + "," + std::to_string(stat_vitality) +
             "," + std::to_string(current_healthkit) + "," + std::to_string(cow_kill_count) + "," +
             std::to_string(has_all_cards) + "," + std::to_string(has_thorns) + "," + std::to_string(has_pistol) +
             "," + std::to_string(mission) + "," + std::to_string(player_health);
        for (auto& n : file_names) d += std::string("|") + std::string(n, strnlen(n, sizeof n));
        d += "|" + std::to_string(sprite[file_check_id].rank);
        return d;
    }

    static std::vector<std::string> Saved_Lines() {
        Fill_State();
        EXPECT_TRUE(SaveLevel(Name("slot")));
        return Split(Read_Text_File("slot.sav"));
    }

    static size_t Boxes() { return platform::RecordedMessageBoxes().size(); }
    static std::string Last_Box() {
        const auto& b = platform::RecordedMessageBoxes();
        return b.empty() ? "" : b.back().caption + ": " + b.back().text;
    }

    // Writes text as slot.sav, loads it and expects it to be refused without any change.
    void Expect_Refused(const std::string& text, bool startup, const std::string& in_message) {
        ASSERT_TRUE(Write_Text_File("slot.sav", text));
        Fill_State();
        episode = 3;
        scene = 9;
        const std::string before = Digest();
        const size_t boxes = Boxes();
        EXPECT_FALSE(LoadLevel(Name("slot"), startup));
        EXPECT_EQ(Digest(), before) << "a refused file changed the game state";
        ASSERT_EQ(Boxes(), boxes + 1);
        EXPECT_EQ(platform::RecordedMessageBoxes().back().caption, "ERROR");
        EXPECT_NE(Last_Box().find(in_message), std::string::npos) << Last_Box();
    }
};

TEST_F(SaveSlots, WritesTheFixedLayout) {
    Work_Dir inner{"varnoth_save_layout"};  // no data/save yet: the writer makes it
    Fill_State();
    episode = 2;
    scene = 7;
    ASSERT_TRUE(SaveLevel(Save_Slot_Path(3)));
    const std::string text = Read_Text_File("data/save/savefile3.sav");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const auto L = Split(text);
    ASSERT_EQ(L.size(), 931u);
    EXPECT_FALSE(std::filesystem::exists("data/save/savefile3.sav.tmp"));
    // A few landmarks of the layout.
    EXPECT_EQ(L[0], "2");
    EXPECT_EQ(L[1], "7");
    EXPECT_EQ(L[2], "10");       // slot 0's item
    EXPECT_EQ(L[3 + 64 - 1], "100"); // group 16 repeats slot 0's value
    EXPECT_EQ(L[3 + 64 + 2], "0");   // its spare integer
    EXPECT_EQ(L[132 - 1], "1234");
    EXPECT_EQ(L[152 - 1], "42"); // the buddy
    EXPECT_EQ(L[159 - 1], "Bartholomew");
    EXPECT_EQ(L[214 - 1], "0");
    EXPECT_EQ(L[698 - 1], "-5"); // story flags are signed
    EXPECT_EQ(L[700 - 1], "3");
    EXPECT_EQ(L[921 - 1], "1");
    EXPECT_EQ(L[930 - 1], "3");
    // Every check line is what the format defines.
    auto sealed = L;
    Reseal(sealed);
    EXPECT_EQ(sealed, L);
}

TEST_F(SaveSlots, KnownCheckValues) {
    Fill_State();
    player_experience = 100;
    player_exp_level = 2;
    player_max_health = 50;
    level_up_points = 1;
    player_rank = 3;
    for (int& m : global_medals) m = 0;
    ASSERT_TRUE(SaveLevel(Name("slot")));
    const auto L = Split(Read_Text_File("slot.sav"));
    ASSERT_EQ(L.size(), 931u);
    EXPECT_EQ(L[137 - 1], "530");   // 2 * (200 - 2 + 50 - 3 + 3 + 17)
    EXPECT_EQ(L[750 - 1], "-384");  // -2 * 48 * 4
}

TEST_F(SaveSlots, RoundTripRestoresEveryField) {
    const auto L = Saved_Lines();
    ASSERT_EQ(L.size(), 931u);
    const std::string saved = Read_Text_File("slot.sav");
    const int kills_before = player_kill_count;

    // Scramble the state, then read the file back.
    std::memset(player_inv, 0, sizeof player_inv);
    player_experience = player_rank = stat_agility = 0;
    current_weapon = current_main = -1;
    std::memset(player_name, 0, sizeof player_name);
    std::memset(global_objects, 0, sizeof global_objects);
    std::memset(shop_sold, 0, sizeof shop_sold);
    CONTROL_SCHEME = false;
    player_kill_count = 0;
    st_ice = 0;
    episode = 7;
    scene = 8;
    has_thorns = true;
    cow_kill_count = 9;

    file_check_id = 20;
    hud_name_id = 4;
    ASSERT_TRUE(LoadLevel(Name("slot"), true));
    EXPECT_EQ(Boxes(), 0u) << Last_Box();
    EXPECT_EQ(episode, 7);  // the file's episode and scene are not used
    EXPECT_EQ(scene, 8);
    EXPECT_FALSE(has_thorns);
    EXPECT_EQ(cow_kill_count, 0);
    EXPECT_EQ(player_kill_count, kills_before);
    // What the file carries comes back: saving again gives the same file, apart from the
    // buddy (never restored) and the two values every load derives (vitality, healthkit).
    current_buddy[0] = 42;
    stat_vitality = 11;
    current_healthkit = 3;
    ASSERT_TRUE(SaveLevel(Name("again")));
    auto A = Split(Read_Text_File("again.sav"));
    A[0] = L[0];
    A[1] = L[1];
    EXPECT_EQ(Join(A), saved);
    // The peek fills the file-select entry: rank, and the name cut to 7 characters.
    EXPECT_EQ(sprite[20].rank, 4);
    EXPECT_STREQ(file_names[4], "Barthol");
}

TEST_F(SaveSlots, EveryLoadDerivesVitalityFromTheHeartPerk) {
    struct row {
        int heart, vitality;
    };
    for (row r : {row{0, 0}, row{1, 10}, row{2, 30}, row{3, 60}}) {
        Fill_State();
        st_heart = r.heart;
        stat_vitality = 99;
        ASSERT_TRUE(SaveLevel(Name("slot")));
        stat_vitality = 99;
        current_healthkit = 3;
        ASSERT_TRUE(LoadLevel(Name("slot"), true));
        EXPECT_EQ(stat_vitality, r.vitality) << "heart " << r.heart;
        EXPECT_EQ(current_healthkit, 0);
    }
}

TEST_F(SaveSlots, FullLoadStartsAtTheSceneOfTheAct) {
    struct row {
        int act, flag60, flag32;
        int episode, scene, page, flag60_after;
    };
    const row rows[] = {
        {1, 1, 0, 1, 51, 1, 1}, {1, 2, 0, 1, 57, 1, 0}, {1, 0, 0, 1, 57, 1, 0}, {2, 1, 0, 1, 48, 2, 1},
        {2, 1, 1, 1, 64, 2, 1}, {3, 1, 0, 1, 82, 3, 1}, {4, 1, 0, 1, 117, 3, 1},
    };
    for (const row& r : rows) {
        Fill_State();
        current_act = r.act;
        global_objects[60] = (char)r.flag60;
        global_objects[32] = (char)r.flag32;
        ASSERT_TRUE(SaveLevel(Name("slot")));
        episode = scene = 0;
        ASSERT_TRUE(LoadLevel(Name("slot"), false));
        SCOPED_TRACE("act " + std::to_string(r.act) + " flag60 " + std::to_string(r.flag60));
        EXPECT_EQ(episode, r.episode);
        EXPECT_EQ(scene, r.scene);
        EXPECT_EQ(tunnel_page, r.page);
        EXPECT_EQ(medal_page, r.page);
        EXPECT_EQ(card_page, r.page);
        EXPECT_EQ(global_objects[60], r.flag60_after);
    }
}

TEST_F(SaveSlots, FullLoadSettlesMissionsShopAndHealth) {
    Fill_State();
    hud[5].width = 0.75f;
    PLY_VITALITY = 130;
    mission = 4;
    // Accepted missions (2) fall back to not given; the current one survives only when it is
    // mission 1, none (-1) or accomplished.
    struct row {
        int current, state, current_after;
    };
    for (row r : {row{5, 2, 0}, row{5, 1, 5}, row{5, 3, 0}, row{1, 2, 1}, row{-1, 0, -1}}) {
        Fill_State();
        current_main = r.current;
        if (r.current >= 0) main_mission[r.current] = r.state;
        main_mission[9] = 2;
        ASSERT_TRUE(SaveLevel(Name("slot")));
        ASSERT_TRUE(LoadLevel(Name("slot"), false));
        EXPECT_EQ(current_main, r.current_after) << "mission " << r.current << " state " << r.state;
        EXPECT_EQ(main_mission[9], 0);
    }
    for (auto& s : shop_sold)
        for (bool b : s) EXPECT_FALSE(b);  // the stock is rebuilt by the shop
    EXPECT_EQ(mission, 0);
    EXPECT_FLOAT_EQ(health_width, 0.75f);
    EXPECT_FLOAT_EQ(player_health, (float)PLY_VITALITY);  // the maximum recomputed from the slot
    // A peek keeps the shop flags it read.
    Fill_State();
    ASSERT_TRUE(SaveLevel(Name("slot")));
    std::memset(shop_sold, 0, sizeof shop_sold);
    ASSERT_TRUE(LoadLevel(Name("slot"), true));
    EXPECT_TRUE(shop_sold[0][0]);
}

TEST_F(SaveSlots, EachCheckLineGuardsItsBlock) {
    // One value changed in a block (check lines left as written) is caught by that block's
    // check line, the first mismatch in file order.
    struct row {
        int line;  // value changed by +1 (a flag or medal toggled)
        int check; // check line named in the message
    };
    const row rows[] = {
        {3, 131},   {130, 131}, // an inventory item; a spare integer of groups 16..31
        {132, 137}, {141, 142}, {146, 147}, {152, 155}, // experience, accuracy, max life, buddy
        {156, 161}, {160, 161}, {170, 187}, {195, 199}, {210, 213}, {650, 699},
        {720, 750}, {700, 769}, {701, 769}, {768, 769}, {800, 870}, {900, 919}, {925, 931},
    };
    const auto L = Saved_Lines();
    ASSERT_EQ(L.size(), 931u);
    for (const row& r : rows) {
        SCOPED_TRACE("line " + std::to_string(r.line));
        auto M = L;
        const long v = std::stol(M[r.line - 1]);
        M[r.line - 1] = std::to_string(v == 1 ? 0 : v + 1);
        Expect_Refused(Join(M), r.line % 2 == 0, "line " + std::to_string(r.check));
    }
    // A wrong check line itself, and a wrong master check with every block intact.
    for (int check : {137, 750, 919, 920, 931}) {
        SCOPED_TRACE("check " + std::to_string(check));
        auto M = L;
        M[check - 1] = std::to_string(std::stol(M[check - 1]) + 2);
        Expect_Refused(Join(M), false, "line " + std::to_string(check));
    }
}

TEST_F(SaveSlots, ValuesOutsideTheChecksDoNotAffectThem) {
    // Deaths, play time, the name, grenade slot, the three flags, line 214, shop stock and the
    // control scheme are not covered by any check.
    const auto L = Saved_Lines();
    struct row {
        int line;
        const char* value;
    };
    const row rows[] = {{751, "99"}, {752, "1"}, {753, "59"}, {754, "1000"}, {159, "Zed"}, {188, "-1"},
                        {200, "0"},  {202, "0"}, {214, "17"}, {300, "0"},    {598, "1"},   {921, "0"}};
    for (const row& r : rows) {
        auto M = L;
        M[r.line - 1] = r.value;
        ASSERT_TRUE(Write_Text_File("slot.sav", Join(M)));
        EXPECT_TRUE(LoadLevel(Name("slot"), true)) << "line " << r.line << ": " << Last_Box();
    }
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(SaveSlots, DamagedFilesAreRefusedAndChangeNothing) {
    const auto L = Saved_Lines();
    const std::string good = Join(L);
    auto with = [&](int line, const std::string& value) {
        auto M = L;
        M[line - 1] = value;
        return Join(M);
    };
    auto first = [&](int n) {
        return Join(std::vector<std::string>(L.begin(), L.begin() + n));
    };
    struct row {
        std::string label, text, message;
    };
    const row rows[] = {
        {"empty file", "", "ends at line 0"},
        {"truncated after the scene", first(2), "ends at line 2"},
        {"truncated before the last check", first(930), "ends at line 930"},
        {"one value too many", good + "5\n", "past line 931"},
        {"a second save appended", good + good, "past line 931"},
        {"oversized", good + std::string(70000, ' ') + "\n", "too large"},
        {"letters in a number", with(140, "7x"), "line 140"},
        {"an empty number line", with(132, ""), "line 132"},
        {"a fraction", with(156, "2.5"), "line 156"},
        {"beyond 32 bits", with(701, "4294967373"), "line 701"},
        {"a name longer than its field", with(159, "Bartholomew1"), "longer than 11"},
        {"a name with a blank", with(159, "Bart holomew"), "line 159"},
        {"a name with a control byte", with(159, std::string("Ba\x01rt")), "line 159"},
        {"garbage", std::string(3000, '\xff'), "line 1"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        Expect_Refused(r.text, false, r.message);
    }
}

TEST_F(SaveSlots, ValuesOutsideTheirFieldAreRefused) {
    // Files with sound check lines whose values no game state can hold.
    const auto L = Saved_Lines();
    struct row {
        int line;
        const char* value;
    };
    const row rows[] = {
        {148, "16"},  {149, "-2"}, {153, "99"},  {158, "25"},  {158, "-2"}, {160, "2"},  {162, "4"},
        {188, "16"},  {189, "128"}, {210, "-129"}, {215, "2"}, {599, "300"}, {700, "0"}, {700, "5"},
        {702, "2"},   {760, "12"}, {761, "3"},   {800, "1000"}, {871, "-1"}, {921, "2"}, {922, "4"},
        {930, "-1"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE("line " + std::to_string(r.line) + " = " + r.value);
        auto M = L;
        M[r.line - 1] = r.value;
        Reseal(M);
        Expect_Refused(Join(M), true, "line " + std::to_string(r.line));
    }
    // The edges of each field are accepted.
    const row edges[] = {{148, "-1"}, {148, "15"}, {158, "-1"}, {158, "24"}, {189, "-128"}, {599, "127"},
                         {700, "1"},  {700, "4"},  {761, "0"},  {922, "3"},  {159, ""}};
    for (const row& r : edges) {
        auto M = L;
        M[r.line - 1] = r.value;
        Reseal(M);
        ASSERT_TRUE(Write_Text_File("slot.sav", Join(M)));
        EXPECT_TRUE(LoadLevel(Name("slot"), true)) << "line " << r.line << " = " << r.value << ": " << Last_Box();
    }
}

TEST_F(SaveSlots, LenientAboutLineEndsAndTrailingBlankLines) {
    const auto L = Saved_Lines();
    std::string crlf;
    for (const std::string& l : L) crlf += l + "\r\n";
    std::string no_last_newline = Join(L);
    no_last_newline.pop_back();
    for (const std::string& text : {crlf, no_last_newline, Join(L) + "\n\n  \n"}) {
        ASSERT_TRUE(Write_Text_File("slot.sav", text));
        EXPECT_TRUE(LoadLevel(Name("slot"), true)) << Last_Box();
        EXPECT_STREQ(player_name, "Bartholomew");
    }
}

TEST_F(SaveSlots, ChecksWrapAroundIn32Bits) {
    Fill_State();
    player_experience = INT_MAX;
    player_exp_level = INT_MIN;
    for (int& c : global_cards) c = INT_MAX;
    ASSERT_TRUE(SaveLevel(Name("slot")));
    auto L = Split(Read_Text_File("slot.sav"));
    auto R = L;
    Reseal(R);
    EXPECT_EQ(R, L);
    player_experience = 0;
    ASSERT_TRUE(LoadLevel(Name("slot"), true));
    EXPECT_EQ(player_experience, INT_MAX);
    EXPECT_EQ(global_cards[47], INT_MAX);
}

TEST_F(SaveSlots, MissingFileIsAnEmptySlotInAPeekAndAnErrorInAFullLoad) {
    Fill_State();
    const std::string before = Digest();
    EXPECT_FALSE(LoadLevel(Save_Slot_Path(7), true));
    EXPECT_EQ(Boxes(), 0u);
    EXPECT_FALSE(LoadLevel(Save_Slot_Path(7), false));
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_NE(Last_Box().find("data/save/savefile7.sav"), std::string::npos);
    EXPECT_EQ(Digest(), before);
}

TEST_F(SaveSlots, AFailedWriteKeepsTheOldSave) {
    Fill_State();
    ASSERT_TRUE(SaveLevel(Name("slot")));
    const std::string old = Read_Text_File("slot.sav");

    // The temporary file cannot be made.
    std::filesystem::create_directory("slot.sav.tmp");
    player_experience = 5;
    EXPECT_FALSE(SaveLevel(Name("slot")));
    EXPECT_EQ(Read_Text_File("slot.sav"), old);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_NE(Last_Box().find("could not be saved"), std::string::npos);
    std::filesystem::remove("slot.sav.tmp");

    // The finished file cannot take the slot's place: the temporary file goes again.
    std::filesystem::create_directories("dir.sav/keep");
    EXPECT_FALSE(SaveLevel(Name("dir")));
    EXPECT_FALSE(std::filesystem::exists("dir.sav.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory("dir.sav"));

    // A state the reader would refuse is not written over a good save.
    current_main = 30;
    EXPECT_FALSE(SaveLevel(Name("slot")));
    EXPECT_EQ(Read_Text_File("slot.sav"), old);
    EXPECT_NE(Last_Box().find("current main mission"), std::string::npos) << Last_Box();
}

TEST_F(SaveSlots, NameIsWrittenAsOneToken) {
    Fill_State();
    std::memset(player_name, 0, sizeof player_name);
    EXPECT_TRUE(SaveLevel(Name("slot")));  // an empty name is an empty line
    ASSERT_TRUE(LoadLevel(Name("slot"), true));
    EXPECT_STREQ(player_name, "");
    std::snprintf(player_name, sizeof player_name, "%s", "Al Bo\tC");
    ASSERT_TRUE(SaveLevel(Name("slot")));
    EXPECT_EQ(Split(Read_Text_File("slot.sav"))[158], "Al_Bo_C");
    ASSERT_TRUE(LoadLevel(Name("slot"), true));
    EXPECT_STREQ(player_name, "Al_Bo_C");
    // A name that fills its field without a terminating zero is cut to the field.
    std::memset(player_name, 'Q', sizeof player_name);
    ASSERT_TRUE(SaveLevel(Name("slot")));
    EXPECT_EQ(Split(Read_Text_File("slot.sav"))[158], std::string(11, 'Q'));
    EXPECT_EQ(Boxes(), 0u);
}

} // namespace
