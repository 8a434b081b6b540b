// The named values of the shared codes: counts per group as the game lists them, the names
// that need care (shared, respelled, doubled), and the helpers for codes named by ranges.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "common/codes.h"
#include "common/game_state.h"

namespace {

template <std::size_t N>
std::set<int> Values(const code_name (&table)[N]) {
    std::set<int> values;
    for (const code_name& c : table) values.insert(c.value);
    return values;
}

TEST(Codes, EveryGroupHoldsTheValuesTheGameNames) {
    struct row {
        const char* group;
        std::size_t names, values;
        int low, high;
    } table[] = {
        {"object types", std::size(obj_type::names), Values(obj_type::names).size(), 0, 46},
        {"front-end types", std::size(fe_type::names), Values(fe_type::names).size(), 0, 47},
        {"unit classes", std::size(unit_class::names), Values(unit_class::names).size(), 0, 102},
        {"object kinds", std::size(obj_kind::names), Values(obj_kind::names).size(), 0, 84},
        {"pickup kinds", std::size(pickup_kind::names), Values(pickup_kind::names).size(), 0, 28},
        {"levels", std::size(level_code::names), Values(level_code::names).size(), 0, 82},
        {"messages", std::size(msg_id::names), Values(msg_id::names).size(), 1, 141},
        {"point types", std::size(point_type::names), Values(point_type::names).size(), 0, 35},
        {"missions", std::size(mission_code::names), Values(mission_code::names).size(), -3, 13},
    };
    const std::size_t expected_names[] = {47, 45, 46, 83, 23, 81, 134, 36, 15};
    const std::size_t expected_values[] = {47, 45, 46, 83, 23, 81, 133, 36, 15};
    for (std::size_t k = 0; k < std::size(table); ++k) {
        EXPECT_EQ(table[k].names, expected_names[k]) << table[k].group;
        EXPECT_EQ(table[k].values, expected_values[k]) << table[k].group;
    }
    EXPECT_EQ(*Values(unit_class::names).rbegin(), UNIT_SQUASHED);
    EXPECT_EQ(*Values(level_code::names).rbegin(), LVL_BETSY4);
    EXPECT_EQ(*Values(msg_id::names).rbegin(), MSG_EMBARASS);
    EXPECT_EQ(*Values(mission_code::names).begin(), MISSION_T_START);
}

TEST(Codes, NamesThatNeedCare) {
    // One number, two numberings: the scene's game mode says which applies.
    EXPECT_EQ(ZAP, FE_START);
    EXPECT_EQ(LFT, FE_ACCEPT);
    EXPECT_EQ(PSE, FE_CARD);
    EXPECT_STREQ(Code_Name(obj_type::names, 16), "ZAP");
    EXPECT_STREQ(Code_Name(fe_type::names, 16), "FE_START");
    // Printed names keep their blanks, hyphens and plus signs.
    EXPECT_STREQ(Code_Name(fe_type::names, fe_type::NEW_GAME), "NEW GAME");
    EXPECT_STREQ(Code_Name(door_type::names, door_type::DOUBLE_BACK), "DOUBLE-BACK");
    EXPECT_STREQ(Code_Name(sleep_rule::names, sleep_rule::ANIM_PLUS_2), "ANIM+2");
    EXPECT_STREQ(Code_Name(pickup_kind::names, pickup_kind::yellow_key), "yellow key");
    EXPECT_STREQ(Code_Name(button_flag::names, 1), "BUTTON-ON");
    // Shared names are told apart by their group.
    EXPECT_EQ(mover_death::ON, 0);
    EXPECT_EQ(mover_death::OFF, 1);
    EXPECT_EQ(bounce_switch::ON, 1);
    EXPECT_EQ(switch_req::NON, -1);
    EXPECT_EQ(obj_type::NON, 0);
    EXPECT_EQ(dir_code::RIGHT, 4);
    EXPECT_EQ(alignment::RIGHT, 0);
    EXPECT_EQ(ladder_vis::NO, -1);
    EXPECT_EQ(unit_class::TUNNEL, 38);
    EXPECT_EQ(msg_id::TUNNEL, 3);
    EXPECT_EQ(door_type::SINGLE, 0);
    EXPECT_EQ(fe_type::SINGLE, 9);
    EXPECT_EQ(obj_type::FLY, 24);
    EXPECT_EQ(scene_type::FLY, 12);
    EXPECT_EQ(fe_type::FILE, 7);
    // The portal is the false value; a message with two names; a level with two zeros.
    EXPECT_EQ(IS_A_PORTAL, 0);
    EXPECT_EQ(NOT_A_PORTAL, 1);
    EXPECT_EQ(HATCH, ONMISSION1);
    EXPECT_STREQ(Code_Name(msg_id::names, 34), "HATCH");
    EXPECT_STREQ(Code_Name(level_code::names, 58), "LVL_SH00T_TRENCH");
    EXPECT_EQ(Code_Name(level_code::names, LEVEL_UNNAMED), nullptr);
    EXPECT_EQ(Code_Name(msg_id::names, 35), nullptr);
    EXPECT_EQ(Code_Name(obj_kind::names, 39), nullptr);
    // The game modes agree with the loop's mode constants.
    EXPECT_EQ(gmode::walk, MODE_WALK);
    EXPECT_EQ(gmode::front, MODE_FRONT);
    EXPECT_EQ(gmode::world, MODE_WORLD);
}

TEST(Codes, CodesNamedByRanges) {
    struct row {
        int value;
        bool left;
        bool anim_off;
        bool sale_none;
    } table[] = {{0, false, false, false}, {1, true, false, false},  {7, true, false, false},
                 {8, true, false, true},   {-1, true, true, true},   {-5, true, true, true}};
    for (const row& r : table) {
        EXPECT_EQ(Is_Left_Aligned(r.value), r.left) << r.value;
        EXPECT_EQ(Special_Anim_Off(r.value), r.anim_off) << r.value;
        EXPECT_EQ(Sale_Type_None(r.value), r.sale_none) << r.value;
    }
    for (int c1 = 0; c1 <= 35; ++c1) {
        bool marker = (c1 >= MAP_HQ_PNT && c1 <= MAP_M6_PNT) || c1 == GLOBAL_MAP_PNT ||
                      c1 == GLOBAL_SIDE_PNT;
        EXPECT_EQ(Is_Map_Marker_Point(c1), marker) << c1;
    }
    EXPECT_FALSE(Is_Map_Marker_Point(MAP_M7_PNT));
    EXPECT_FALSE(Is_Map_Marker_Point(MAP_M10_PNT));
}

} // namespace
